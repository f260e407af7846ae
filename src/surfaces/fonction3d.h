// The function dialog "z=f(x,y)": the formula of the one surface and its precision. The
// field's colour says whether the formula is accepted; the scene keeps the same text,
// state and precision for the builders and the frame.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <functional>

#include "view/scene.h"

class Tfonction3d : public QWidget {
  Q_OBJECT
 public:
  explicit Tfonction3d(quadrel::Scene& scene, QWidget* parent = nullptr);

  static const QString& texteaide();

  quadrel::Scene& scene;
  QLabel* Label1;  // "f(x,y)="
  QLineEdit* Edit1;
  QLabel* Label2;  // "Precision"
  QSlider* precision;
  QPushButton* go;
  QPushButton* Poubelle;

  // Text and precision when the dialog was shown: whether the close must rebuild.
  QString formulesauve;
  int precisionsauve = 3;

  // Brings the free point dialog to the front when it is shown; set by its owner.
  std::function<void()> ramenerpointlibre;

  void FormShow();
  // Returns whether the key reaches the field as typed.
  bool Edit1KeyPress(char16_t cle);
  void goClick();
  void PoubelleClick();
  void FormClose();
  void Edit1MouseDown(Qt::MouseButton bouton);

  // Field state: colour of the field and the scene's record, together.
  void setetat(quadrel::EtatChamp etat);
  quadrel::EtatChamp etat() const { return scene.etatformule; }

  QSize sizeHint() const override { return {366, 134}; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void compiler();

  quadrel::EtatChamp etatsauve_ = quadrel::EtatChamp::attente;
};
