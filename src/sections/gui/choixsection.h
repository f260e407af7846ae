// The section dialog "Montrer la section": the kind of plane, its formula in k, the range
// of k and the track bar that runs k through it. appelplan turns the controls into the
// section on the sheet; the frame calls it on every paint while the dialog is shown.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <array>

#include "sections/section_rules.h"
#include "services/dialog_base.h"

class Tchoixsection : public DialogBase {
  Q_OBJECT
 public:
  Tchoixsection(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);

  QRadioButton* p1;  // "x="
  QRadioButton* p2;  // "y="
  QRadioButton* p3;  // "z="
  QRadioButton* p4;  // a·x + b·y + c = 0
  // Edit1 .. Edit6 (tab orders 0, 5, 6, 7, 8, 9): x, y, z, then a, b, c.
  std::array<QLineEdit*, 6> edits{};
  QLineEdit* kmin;
  QLineEdit* kmax;
  QSlider* valk;
  QLabel* affk;
  QPushButton* plus1;
  QPushButton* plus2;
  QGroupBox* GroupBox1;  // "Type de plan"
  QGroupBox* GroupBox2;  // "k"

  void FormShow() override;
  void FormClose() override;
  // Returns whether the key reaches the edit (`ordre`: 0 .. 5 for Edit1 .. Edit6).
  bool Edit1KeyPress(int ordre, char16_t cle);
  bool kminKeyPress(QLineEdit* borne, char16_t cle);
  void valkChange();
  void appelplan();
  void p1Click();
  void plus1Click();
  void plus2Click();

  // What appelplan reads of the controls.
  quadrel::LectureSection lecture() const;

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void creerplan();
  void creerk();
  void ajuster();

  int positionk_ = 0;  // the track bar's position when it was last enabled
};
