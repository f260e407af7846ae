#include "view/gui/optionrendu.h"

#include <QApplication>
#include <QHash>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "services/curseurs.h"
#include "services/sons.h"

namespace {

using quadrel::Scene;

constexpr int kPremiere = 32, kEcart = 24;

void clic() {
  sons::jouer(QStringLiteral("click.wav"));
}

}  // namespace

Toptionrendu::Toptionrendu(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : DialogBase(s, h, parent, QStringLiteral("optionrendu"), QStringLiteral("Visuel")) {
  // On a small screen the unfolded groups outgrow the main window: they scroll.
  defile_ = new QScrollArea(this);
  defile_->setFrameShape(QFrame::NoFrame);
  defile_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  contenu_ = new QWidget;
  defile_->setWidget(contenu_);
  // Whatever gave a box the focus (Tab, a screen reader), it is scrolled into view.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* w) {
    if (w && contenu_->isAncestorOf(w)) defile_->ensureWidgetVisible(w, 0, 8);
  });
  const char* const titres[4] = {"      Rendu ", "      Surfaces", "      Transparence",
                                 "      Sections"};
  QFont titre(QStringLiteral("Comic Sans MS"));
  titre.setPixelSize(16);
  for (int g = 0; g < 4; ++g) {
    auto* b = new QGroupBox(QString::fromLatin1(titres[g]), contenu_);
    b->setObjectName(QStringLiteral("GroupBox%1").arg(g + 1));
    b->setAccessibleName(b->title().trimmed());
    b->setFont(titre);
    b->setGeometry(0, 0, kLargeur, kDeplie[g]);
    auto* bouton = new QPushButton(QStringLiteral("+"), b);
    bouton->setObjectName(QStringLiteral("plus%1").arg(g + 1));
    bouton->setAccessibleName(bouton->text());
    bouton->setAccessibleDescription(b->accessibleName());
    bouton->setGeometry(0, 0, 25, 25);
    bouton->setAutoDefault(false);
    poser(bouton, Role::main);
    connect(bouton, &QPushButton::clicked, this, [this, g] { plus1Click(g); });
    groupes[g] = b;
    plus[g] = bouton;
  }
  using S = Scene;
  eclairage = boite(groupes[0], 0, "eclairage", QStringLiteral("Activer l'éclairage des surfaces."),
                    &S::eclairage);
  aliasing = boite(groupes[0], 1, "aliasing", QStringLiteral("Activer l'antialiasing des lignes."),
                   &S::aliasing);
  brouillard =
      boite(groupes[0], 2, "brouillard", QStringLiteral("Activer le brouillard."), &S::brouillard);
  rendu3d = boite(groupes[1], 0, "rendu3d", QStringLiteral("Tracer les surface en couleur."),
                  &S::rendu3d);
  foncblanc = boite(groupes[1], 1, "foncblanc", QStringLiteral("Tracer les surfaces en blanc."),
                    &S::foncblanc);
  niveauxy = boite(groupes[1], 2, "niveauxy",
                   QStringLiteral("Tracer les lignes de niveaux  x et y."), &S::niveauxy);
  niveauz = boite(groupes[1], 3, "niveauz", QStringLiteral("Tracer les lignes de niveaux  z."),
                  &S::niveauz);
  transpsurf = boite(groupes[2], 0, "transpsurf", QStringLiteral("Transparence des surfaces."),
                     &S::transpsurf);
  transquad = boite(groupes[2], 1, "transquad", QStringLiteral("Transparence des quadriques."),
                    &S::transquad);
  transplan =
      boite(groupes[2], 2, "transplan", QStringLiteral("Transparence des plans."), &S::transplan);
  voirplan =
      boite(groupes[3], 0, "voirplan", QStringLiteral("Voir le plan de section."), &S::voirplan);
  coupeplan =
      boite(groupes[3], 1, "coupeplan", QStringLiteral("Couper les surfaces."), &S::coupeplan);
  intersections = boite(groupes[3], 2, "intersections",
                        QStringLiteral("Calculer les intersections."), &S::intersections);

  // The state change, however it came (click, key, screen reader, a partner rule).
  for (QCheckBox* c : {eclairage, aliasing, brouillard, niveauxy, niveauz, voirplan, coupeplan})
    connect(c, &QCheckBox::toggled, this, &Toptionrendu::eclairageClick);
  connect(rendu3d, &QCheckBox::toggled, this, &Toptionrendu::rendu3dClick);
  connect(foncblanc, &QCheckBox::toggled, this, &Toptionrendu::foncblancClick);
  connect(transpsurf, &QCheckBox::toggled, this, &Toptionrendu::transpsurfClick);
  connect(transplan, &QCheckBox::toggled, this, &Toptionrendu::transplanClick);
  connect(transquad, &QCheckBox::toggled, this, &Toptionrendu::transquadClick);
  connect(intersections, &QCheckBox::toggled, this, &Toptionrendu::intersectionsClick);

  // Each group in its own tab order, the fold button first.
  QWidget* ordre[] = {plus[0],   eclairage, aliasing,      brouillard, plus[1],    rendu3d,
                      foncblanc, niveauxy,  niveauz,       plus[2],    transpsurf, transplan,
                      transquad, plus[3],   intersections, coupeplan,  voirplan};
  for (std::size_t k = 1; k < std::size(ordre); ++k) setTabOrder(ordre[k - 1], ordre[k]);
  empiler();
}

QCheckBox* Toptionrendu::boite(QGroupBox* g, int rang, const char* nom, const QString& texte,
                               bool quadrel::Scene::*option) {
  auto* c = new QCheckBox(texte, g);
  c->setObjectName(QLatin1String(nom));
  c->setAccessibleName(texte);
  QFont police(QStringLiteral("Comic Sans MS"));
  police.setPixelSize(15);
  c->setFont(police);
  c->setGeometry(8, kPremiere + rang * kEcart, kLargeur - 12, 22);
  c->setChecked(scene.*option);
  poser(c, Role::main);
  aidesurclic(c);
  connect(c, &QCheckBox::toggled, this, [this, option](bool on) { scene.*option = on; });
  options_.emplace_back(c, option);
  return c;
}

void Toptionrendu::relire() {
  for (const auto& [c, option] : options_) {
    const QSignalBlocker b(c);
    c->setChecked(scene.*option);
  }
}

QString Toptionrendu::indice(const QString& nomboite) {
  static const QHash<QString, QString> textes{
      {QStringLiteral("eclairage"),
       QStringLiteral("Active ou désactive l'éclairage du solide. Sans éclairage pas d'ombre, "
                      "pas d'effet de relief. ")},
      {QStringLiteral("aliasing"),
       QStringLiteral("Active ou désactive le lissage des lignes. Gourmand en ressource système.")},
      {QStringLiteral("brouillard"),
       QStringLiteral("Active ou désactive l'effet de brouillard: les objects lointains sont "
                      "plus sombres que les proches.")},
      {QStringLiteral("rendu3d"), QStringLiteral("La surface apparait en couleur.")},
      {QStringLiteral("foncblanc"), QStringLiteral("La surface apparait en blanc")},
      {QStringLiteral("niveauxy"),
       QStringLiteral("Pour tracer ou non les lignes de niveaux x=k et y=k.")},
      {QStringLiteral("niveauz"), QStringLiteral("Pour tracer ou non les lignes de niveaux z=k.")},
      {QStringLiteral("transpsurf"),
       QStringLiteral("Pour rendre transparent par rapport au reste.")},
      {QStringLiteral("transplan"),
       QStringLiteral("Pour rendre transparent par rapport au reste.")},
      {QStringLiteral("transquad"),
       QStringLiteral("Pour rendre transparent par rapport au reste.")},
      {QStringLiteral("voirplan"),
       QStringLiteral("Pour rendre ou non Le plan de section invisible.")},
      {QStringLiteral("coupeplan"),
       QStringLiteral("Pour couper réellement ou non la surface selon le plan.")},
      {QStringLiteral("intersections"),
       QStringLiteral("Pour calculer et afficher si possible les intersections entre le plan "
                      "de section et les surfaces. Gourmand en ressource système,surtout dans "
                      "le cas d'un plan du type z=k.")},
  };
  return textes.value(nomboite);
}

void Toptionrendu::redessiner() {
  hote.FormPaint();
}

// The axes come first: they restore the six clip planes that a section may have replaced;
// the frame then applies the section's own cut again.
void Toptionrendu::eclairageClick() {
  clic();
  hote.reconstruire(quadrel::Liste::axes);
  hote.FormPaint();
}

void Toptionrendu::eteindre(QCheckBox* partenaire) {
  partenaire->setChecked(false);
}

void Toptionrendu::rendu3dClick() {
  clic();
  if (rendu3d->isChecked()) eteindre(foncblanc);
  redessiner();
}

void Toptionrendu::foncblancClick() {
  clic();
  if (foncblanc->isChecked()) eteindre(rendu3d);
  redessiner();
}

void Toptionrendu::transpsurfClick() {
  clic();
  if (transpsurf->isChecked()) {
    eteindre(transplan);
    eteindre(transquad);
  }
  redessiner();
}

void Toptionrendu::transplanClick() {
  clic();
  if (transplan->isChecked()) {
    eteindre(transpsurf);
    eteindre(transquad);
  }
  redessiner();
}

void Toptionrendu::transquadClick() {
  clic();
  if (transquad->isChecked()) {
    eteindre(transpsurf);
    eteindre(transplan);
  }
  redessiner();
}

void Toptionrendu::intersectionsClick() {
  clic();
  redessiner();
}

int Toptionrendu::hauteurmax() {
  QWidget* c = cadre();
  if (c == this) return QWIDGETSIZE_MAX;
  return zonevisible().height() - (c->height() - height());  // less the frame's title and edges
}

// Each group starts where the one above ends; the dialog fits them, up to the height the
// main window leaves it.
void Toptionrendu::empiler() {
  for (int g = 1; g < 4; ++g) groupes[g]->move(0, groupes[g - 1]->y() + groupes[g - 1]->height());
  const QSize tout(kLargeur, groupes[3]->y() + groupes[3]->height());
  contenu_->setFixedSize(tout);
  taille_ = tout;
  if (const int haut = hauteurmax(); haut < tout.height()) {
    taille_.setHeight(std::max(haut, kPlie));
    taille_.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, defile_);
  }
  setFixedSize(taille_);
  defile_->setGeometry(rect());
  if (QWidget* c = cadre(); c != this) {
    c->setFixedSize(c->sizeHint());
    garderdedans(c);
    // The dialog grew before its frame: the newly exposed part is painted only if asked.
    update();
  }
}

void Toptionrendu::plus1Click(int g) {
  clic();
  QPushButton* b = plus[g];
  const bool deplier = b->text() == QStringLiteral("+");
  b->setText(deplier ? QStringLiteral("-") : QStringLiteral("+"));
  b->setAccessibleName(b->text());
  groupes[g]->resize(kLargeur, deplier ? kDeplie[g] : kPlie);
  empiler();
  if (deplier) defile_->ensureWidgetVisible(groupes[g], 0, 0);
}

// Right edge of the screen, 40 px below the sheet's top, every group folded.
void Toptionrendu::FormShow() {
  for (int g = 0; g < 4; ++g) {
    groupes[g]->resize(kLargeur, kPlie);
    plus[g]->setText(QStringLiteral("+"));
    plus[g]->setAccessibleName(plus[g]->text());
  }
  empiler();
  placerdroite();
}
