// "Le cube": the edge of the cube centred at the origin.
#pragma once

#include "solids/gui/solid_dialog.h"

class Tcaraccube : public SolidDialog {
  Q_OBJECT
 public:
  explicit Tcaraccube(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);
};
