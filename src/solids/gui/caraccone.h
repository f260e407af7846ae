// "Le cône": a double cone along z, y or x, chosen by row: its apex and its coefficient.
#pragma once

#include "solids/gui/solid_dialog.h"

class Tcaraccone : public SolidDialog {
  Q_OBJECT
 public:
  explicit Tcaraccone(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);
};
