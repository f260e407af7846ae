// The free point dialog "Point libre": six buttons move M along x, y and (without a
// formula) z, by small jumps or by graduations. M exists while the dialog is shown; the
// sheet draws it and writes its coordinates into its caption.
#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "services/dialog_base.h"

class TPointlibre : public DialogBase {
  Q_OBJECT
 public:
  TPointlibre(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);

  // xplus, xmoins, Yplus, Ymoins, zplus, zmoins: the move handler tells them apart by this
  // order alone.
  std::array<QPushButton*, 6> boutons{};
  QRadioButton* var1;  // "Petits "sauts"."
  QRadioButton* var2;  // "Selon graduations."

  void FormShow() override;
  // Set while a lesson shows the dialog: M stays where the lesson put it.
  bool garderposition = false;
  void FormClose() override;
  void xplusClick(int ordre);
  void var1Click();

  QSize sizeHint() const override { return {150, 182}; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
};
