// The frame dialog "Repère": the three bounds and the graduation of each axis, checked
// against the current values as they are entered, and the frame style.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>

#include "view/scene.h"

class QLabel;

class Toptionrepere : public QWidget {
  Q_OBJECT
 public:
  explicit Toptionrepere(quadrel::Scene& scene, QWidget* parent = nullptr);

  static const QString& texteaide();

  quadrel::Scene& scene;

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

  // The pyramid list, rebuilt by Go along with the others; set by the solids' owner.
  std::function<void()> preparepyr;

  void FormCreate();
  void FormShow();
  // Returns whether the key reaches the field (`cle` may be rewritten).
  bool Edit1KeyPress(int ordre, char16_t cle);
  void GoClick();
  void FormClose();
  void reperetype1Click();
  void Edit9MouseDown(Qt::MouseButton bouton);

  // The frame value shown in the field of tab order `ordre`.
  extended& valeur(int ordre);
  bool change() const;

  QSize sizeHint() const override { return {360, 298}; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void valider(int ordre);
  void rebatir(bool pyramide);
};
