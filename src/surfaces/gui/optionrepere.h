// The frame dialog "Repère": the three bounds and the graduation of each axis, checked
// against the current values as they are entered, and the frame style.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "services/dialog_base.h"

class QLabel;

class Toptionrepere : public DialogBase {
  Q_OBJECT
 public:
  Toptionrepere(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);

  static const QString& texteaide();
  QString texteaide(const QObject*) const override { return texteaide(); }

  // The nine fields by tab order: Edit1, Edit2, Edit7, Edit3, Edit4, edit8, Edit5, Edit6,
  // Edit9 (xmin, xmax, gradx, ymin, ymax, grady, zmin, zmax, gradz).
  std::array<QLineEdit*, 9> champs{};
  std::array<QLabel*, 9> etiquettes{};
  QRadioButton* reperetype1;
  QRadioButton* reperetype2;
  QRadioButton* maskrepere;
  QPushButton* Go;

  // Values as they were when the dialog was shown or last applied.
  std::array<extended, 9> reperesauve{};

  void FormCreate();
  void FormShow() override;
  // Returns whether the key reaches the field (`cle` may be rewritten).
  bool Edit1KeyPress(int ordre, char16_t cle);
  void GoClick();
  void FormClose() override;
  void reperetype1Click();

  // The frame value shown in the field of tab order `ordre`.
  extended& valeur(int ordre);
  bool change() const;

  QSize sizeHint() const override { return {360, 298}; }

 private:
  void valider(int ordre);
  void rebatir();
};
