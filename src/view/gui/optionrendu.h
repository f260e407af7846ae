// The render options dialog "Visuel": thirteen check boxes in four foldable groups. The
// boxes and the scene's flags move together; the frame and the builders read the flags.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <array>
#include <utility>
#include <vector>

#include "services/dialog_base.h"

class Toptionrendu : public DialogBase {
  Q_OBJECT
 public:
  Toptionrendu(quadrel::Scene& scene, DialogHost& hote, QWidget* parent = nullptr);

  static constexpr int kLargeur = 281;  // of each group
  static constexpr int kPlie = 30;      // height of a folded group
  // Unfolded height of GroupBox1 to GroupBox4.
  static constexpr std::array<int, 4> kDeplie{129, 145, 121, 121};

  std::array<QGroupBox*, 4> groupes{};  // GroupBox1 .. GroupBox4
  std::array<QPushButton*, 4> plus{};   // plus1 .. plus4

  QCheckBox *eclairage, *aliasing, *brouillard;
  QCheckBox *rendu3d, *foncblanc, *niveauxy, *niveauz;
  QCheckBox *transpsurf, *transquad, *transplan;
  QCheckBox *voirplan, *coupeplan, *intersections;

  // The hint a right click on `boite` shows.
  static QString indice(const QString& nomboite);
  QString texteaide(const QObject* o) const override { return indice(o->objectName()); }

  void eclairageClick();
  void rendu3dClick();
  void foncblancClick();
  void transpsurfClick();
  void transplanClick();
  void transquadClick();
  void intersectionsClick();
  void plus1Click(int groupe);
  void FormShow() override;
  // The check boxes put back as the scene says (a lesson opened), without their handlers.
  void relire();

  // The groups' size, or as high as the main window lets the dialog be, with a scroll bar.
  QSize sizeHint() const override { return taille_; }

 private:
  std::vector<std::pair<QCheckBox*, bool quadrel::Scene::*>> options_;
  QCheckBox* boite(QGroupBox* g, int rang, const char* nom, const QString& texte,
                   bool quadrel::Scene::*option);
  // Turns a partner off; its own handler runs from the state change.
  static void eteindre(QCheckBox* partenaire);
  void empiler();
  void redessiner();
  // The tallest the dialog may be: its child window fits in the main window's visible area.
  int hauteurmax();

  QScrollArea* defile_;
  QWidget* contenu_;  // holds the groups
  QSize taille_;
};
