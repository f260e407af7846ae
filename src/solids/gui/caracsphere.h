// "La sphère": the centre and the radius, typed into the gaps of the sphere's equation.
#pragma once

#include "solids/gui/solid_dialog.h"

class Tcaracsphere : public SolidDialog {
  Q_OBJECT
 public:
  explicit Tcaracsphere(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);
};
