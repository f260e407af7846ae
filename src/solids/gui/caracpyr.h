// "Pyramide": a regular pyramid standing on z = 0: base radius, side count, height.
#pragma once

#include "solids/gui/solid_dialog.h"

class Tcaracpyr : public SolidDialog {
  Q_OBJECT
 public:
  explicit Tcaracpyr(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);
};
