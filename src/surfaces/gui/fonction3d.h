// The function dialog "z=f(x,y)": the formula of the one surface and its precision. The
// field's colour says whether the formula is accepted; the scene keeps the same text,
// state and precision for the builders and the frame.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <functional>

#include "services/dialog_base.h"

class Tfonction3d : public DialogBase {
  Q_OBJECT
 public:
  Tfonction3d(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);

  static const QString& texteaide();
  // The field and the dialog's background; not the buttons or the slider.
  QString texteaide(const QObject* o) const override;

  // The longest formula the engine compiles, once normalised: a key that would make the
  // formula longer is refused, as any other key the formula cannot take.
  static constexpr std::size_t kLongueurMax = 255;
  QLabel* Label1;  // "f(x,y)="
  QLineEdit* Edit1;
  QLabel* Label2;  // "Precision"
  QSlider* precision;
  QPushButton* go;
  QPushButton* Poubelle;

  // Text and precision when the dialog was shown: whether the close must rebuild.
  QString formulesauve;
  // The typed text of the formula the sheet draws; empty when none is.
  QString formuledessinee() const;
  int precisionsauve = 3;

  // Brings the free point dialog to the front when it is shown; set by its owner.
  std::function<void()> ramenerpointlibre;

  void FormShow() override;
  // Returns whether the key reaches the field as typed.
  bool Edit1KeyPress(char16_t cle);
  void goClick();
  void PoubelleClick();
  void FormClose() override;

  // Field state: colour of the field and the scene's record, together.
  void setetat(quadrel::EtatChamp etat);
  quadrel::EtatChamp etat() const { return scene.etatformule; }

  QSize sizeHint() const override { return {366, 134}; }

 private:
  void compiler();
  void retenir();
  bool tient(QChar c) const;

  quadrel::EtatChamp etatsauve_ = quadrel::EtatChamp::attente;
};
