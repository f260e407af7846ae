// The section dialog "Montrer la section": the kind of plane, its formula in k, the range
// of k and the track bar that runs k through it. The model's section group follows the
// controls as they change; the sheet draws the section from it while the dialog is shown.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
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
  QPushButton* animer;  // "Animer k": plays and pauses the sweep of k
  QComboBox* vitesse;   // "Vitesse": x1/2, x1, x2
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
  // The section as the controls now say, on the sheet at once.
  void appelplan();
  // Copies the controls into the model's section group, k from the track bar.
  void synchronise();
  void p1Click();
  void plus1Click();
  void plus2Click();
  // The sweep of k between kmin and kmax and back, until stopped.
  void animerClick();
  void arreter();
  void montrerLecture();
  bool anime() const { return minuterie_.isActive(); }

  // What the sheet reads of the controls.
  const quadrel::LectureSection& lecture() const;

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void creerplan();
  void creerk();
  void ajuster();

  void image();
  void pageK(int sens);

  int positionk_ = 0;  // the track bar's position when it was last enabled
  QTimer minuterie_;
  QElapsedTimer horloge_;
  double phase_ = 0;  // 0 at kmin, 1 at kmax
  int sens_ = 1;
};
