// The quick help popup: a white rounded panel with a blue outline that stands left of the
// mouse and hides itself 4 s after it was first switched on, or when clicked.
#pragma once

#include <QTextEdit>
#include <QTimer>
#include <QWidget>

class TAiderapide : public QWidget {
  Q_OBJECT
 public:
  explicit TAiderapide(QWidget* parent = nullptr);

  // What every caller does: hide, show (which places the popup and arms the timer), then
  // set the text.
  void montrer(const QString& texte);

  QTextEdit* helptext;
  QTimer Timer1;

  void FormShow();
  void Timer1Timer();
  void FormClick();
  void helptextMouseDown();

 protected:
  void showEvent(QShowEvent*) override;
  void hideEvent(QHideEvent*) override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void closeEvent(QCloseEvent*) override;
  bool eventFilter(QObject* o, QEvent* e) override;
};
