// The about box: picture, name and credits; shown at start-up and from the palette, it
// closes itself 1.5 s after it was shown.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

class TApropos : public QWidget {
  Q_OBJECT
 public:
  explicit TApropos(QWidget* parent = nullptr);

  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QTimer Timer1;

  void FormShow();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent*) override;
};
