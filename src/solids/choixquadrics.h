// The solid chooser: a narrow palette of five picture buttons, each opening one solid
// dialog inside the main window.
#pragma once

#include <QToolButton>
#include <QWidget>
#include <array>

class Tchoixquadrics : public QWidget {
  Q_OBJECT
 public:
  explicit Tchoixquadrics(QWidget* parent = nullptr);

  // By tab order: Cube, Cylindre, Pyramide, Cone, Sphere.
  static const std::array<QString, 5>& noms();

  // The dialog button `ordre` opens.
  void setdialogue(int ordre, QWidget* dialogue);

  std::array<QToolButton*, 5> boutons{};

  void FormShow();
  void FormClose();
  void PyramideMouseMove(int ordre);
  void SphereClick(int ordre);

  QSize sizeHint() const override { return {59, 325}; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  std::array<QWidget*, 5> dialogues_{};
};
