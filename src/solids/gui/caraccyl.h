// "Le cylindre": a cylinder along z, y or x, chosen by row, through the point typed in.
#pragma once

#include "solids/gui/solid_dialog.h"

class Tcaraccyl : public SolidDialog {
  Q_OBJECT
 public:
  explicit Tcaraccyl(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);
};
