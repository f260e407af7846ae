// The solid chooser: a narrow palette of five picture buttons, each opening one solid
// dialog inside the main window.
#pragma once

#include <QPointer>
#include <QToolButton>
#include <array>

#include "services/dialog_base.h"

class Tchoixquadrics : public DialogBase {
  Q_OBJECT
 public:
  // `outils`: the tool palette, which the chooser opens beside.
  Tchoixquadrics(quadrel::Scene& scene, DialogHost& hote, QWidget* parent, QWidget* outils);

  // By tab order: Cube, Cylindre, Pyramide, Cone, Sphere.
  static const std::array<QString, 5>& noms();

  // The dialog button `ordre` opens.
  void setdialogue(int ordre, QWidget* dialogue);

  std::array<QToolButton*, 5> boutons{};

  void FormShow() override;
  void PyramideMouseMove(int ordre);
  void SphereClick(int ordre);

  QSize sizeHint() const override { return {largeur_, 325}; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // Widens the chooser until its frame's title bar holds the longest name.
  void elargir();

  int largeur_ = 59;
  QPointer<QWidget> outils_;
  std::array<QPointer<QWidget>, 5> dialogues_{};
};
