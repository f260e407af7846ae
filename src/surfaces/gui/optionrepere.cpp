#include "surfaces/gui/optionrepere.h"

#include <QLabel>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "matutil.h"
#include "services/champ.h"
#include "services/curseurs.h"
#include "services/sons.h"
#include "surfaces/texte_nombre.h"

namespace {

using quadrel::Scene;

// By tab order: lower bound, upper bound, graduation of x, then of y, then of z.
extended Scene::*const kValeurs[9] = {&Scene::xmin, &Scene::xmax, &Scene::gradx,
                                      &Scene::ymin, &Scene::ymax, &Scene::grady,
                                      &Scene::zmin, &Scene::zmax, &Scene::gradz};
const char* const kNoms[9] = {"Edit1", "Edit2", "Edit7", "Edit3", "Edit4",
                              "edit8", "Edit5", "Edit6", "Edit9"};
const char* const kEtiquettes[9] = {"Xmin ", "Xmax", "Graduation en x",
                                    "Ymin",  "Ymax", "Graduation en y",
                                    "Zmin",  "Zmax", "Graduation en z"};
const char kChiffres[] = "-0.123456789";

// Each axis is a block of two rows: the bounds side by side, the graduation below.
QRect placeetiquette(int ordre) {
  const int haut = 12 + (ordre / 3) * 70;
  switch (ordre % 3) {
    case 0:
      return {10, haut, 40, 24};
    case 1:
      return {190, haut, 45, 24};
    default:
      return {10, haut + 30, 125, 24};
  }
}

QRect placechamp(int ordre) {
  const QRect e = placeetiquette(ordre);
  return {e.right() + 1, e.top(), 100, 24};
}

}  // namespace

Toptionrepere::Toptionrepere(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : DialogBase(s, h, parent, QStringLiteral("optionrepere"), QStringLiteral("Repère"),
                 Qt::WindowMinimizeButtonHint) {
  setFixedSize(sizeHint());
  for (int k = 0; k < 9; ++k) {
    auto* l = new QLabel(QString::fromUtf8(kEtiquettes[k]), this);
    l->setGeometry(placeetiquette(k));
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(kNoms[k]));
    e->setAccessibleName(l->text());
    e->setGeometry(placechamp(k));
    champ::filtrer(e, {QLatin1String(kChiffres), {}, {}},
                   [this, k](char16_t c) { return Edit1KeyPress(k, c); });
    aidesurclic(e);
    connect(e, &QLineEdit::textEdited, this, [e] { champ::colorer(e, champ::bleu); });
    l->setBuddy(e);
    etiquettes[k] = l;
    champs[k] = e;
  }
  reperetype1 = new QRadioButton(QStringLiteral("Voir les axes du repère."), this);
  reperetype2 = new QRadioButton(QStringLiteral("Quadriller le repère."), this);
  maskrepere = new QRadioButton(QStringLiteral("Masquer le repère."), this);
  Go = new QPushButton(QStringLiteral("Go"), this);
  Go->setObjectName(QStringLiteral("Go"));
  Go->setAccessibleName(QStringLiteral("Go"));
  Go->setGeometry(270, 226, 70, 50);
  boutongo(Go);
  poser(Go, Role::main);
  connect(Go, &QPushButton::clicked, this, &Toptionrepere::GoClick);
  focussurvol(Go);
  aidesurclic(Go);
  int haut = 216;
  for (QRadioButton* r : {reperetype1, reperetype2, maskrepere}) {
    r->setObjectName(r == maskrepere    ? QStringLiteral("maskrepere")
                     : r == reperetype1 ? QStringLiteral("reperetype1")
                                        : QStringLiteral("reperetype2"));
    r->setAccessibleName(r->text());
    r->setGeometry(10, haut, 240, 24);
    haut += 26;
    poser(r, Role::main);
    aidesurclic(r);
  }
  switch (s.typerepere) {
    case quadrel::TypeRepere::axes:
      reperetype1->setChecked(true);
      break;
    case quadrel::TypeRepere::grille:
      reperetype2->setChecked(true);
      break;
    case quadrel::TypeRepere::masque:
      maskrepere->setChecked(true);
      break;
  }
  // The state change, however it came (click, key, screen reader); each change unchecks
  // one button and checks another: react once, to the one checked.
  for (QRadioButton* r : {reperetype1, reperetype2, maskrepere})
    connect(r, &QRadioButton::toggled, this, [this](bool coche) {
      if (coche) reperetype1Click();
    });
  QWidget* ordre[] = {champs[0],   champs[1], champs[2], champs[3], champs[4],
                      champs[5],   champs[6], champs[7], champs[8], reperetype1,
                      reperetype2, Go,        maskrepere};
  for (std::size_t k = 1; k < std::size(ordre); ++k) setTabOrder(ordre[k - 1], ordre[k]);
  FormCreate();
}

const QString& Toptionrepere::texteaide() {
  static const QString t = QStringLiteral(
      "Entrez ici les dimensions et le style du repère. Plus il est \"vaste\" plus le temps de "
      "calcul sera important. Pour afficher une quadrique, il est impératif que les graduations "
      "soient les mêmes sur chaque axe.");
  return t;
}

// Every number of the program is read and written with a point.
void Toptionrepere::FormCreate() {
  QLocale::setDefault(QLocale::c());
}

extended& Toptionrepere::valeur(int ordre) {
  return scene.*kValeurs[ordre];
}

bool Toptionrepere::change() const {
  for (int k = 0; k < 9; ++k)
    if (scene.*kValeurs[k] != reperesauve[k]) return true;
  return false;
}

// Right edge of the screen, 40 px below the top of the sheet.
void Toptionrepere::FormShow() {
  placerdroite();
  for (int k = 0; k < 9; ++k) {
    champ::ecrire(champs[k], champ::depuislatin1(quadrel::texteNombre(valeur(k))));
    reperesauve[k] = valeur(k);
  }
  champs[0]->setFocus();
}

bool Toptionrepere::Edit1KeyPress(int ordre, char16_t cle) {
  const bool chiffre = cle != 0 && cle < 128 && std::strchr(kChiffres, char(cle));
  if (!chiffre && cle != champ::kEntree && cle != champ::kRetour) return false;
  champ::colorer(champs[ordre], champ::bleu);
  if (cle == champ::kEntree) {
    valider(ordre);
    return false;  // Enter types nothing
  }
  return true;
}

// A value is kept only when it leaves the origin inside the box and the graduation below
// the box's width, against the other bound as it stands now, and when the box's width and
// its bounds in graduations stay numbers the picture can draw.
void Toptionrepere::valider(int ordre) {
  QLineEdit* e = champs[ordre];
  bool erreur = false, horslimite = false;
  const extended v = valeurformule(champ::latin1(e->text()), erreur, &horslimite);
  if (erreur && !horslimite) return;
  champ::colorer(e, champ::noir);
  const int axe = ordre / 3 * 3;
  extended bas = valeur(axe), haut = valeur(axe + 1), grad = valeur(axe + 2);
  bool ok = false;
  switch (ordre % 3) {
    case 0:
      ok = v <= 0 && v < haut;
      bas = v;
      break;
    case 1:
      ok = v >= 0 && v > bas;
      haut = v;
      break;
    default:
      ok = v > 0 && v < std::fabs(haut - bas);
      grad = v;
      break;
  }
  ok =
      ok && !horslimite && mesurable(haut - bas) && mesurable(bas / grad) && mesurable(haut / grad);
  if (!ok) {
    champ::colorer(e, champ::rouge);
    return;
  }
  valeur(ordre) = v;
  if (ordre == 8)
    Go->setFocus();
  else
    champs[ordre + 1]->setFocus();
}

void Toptionrepere::rebatir() {
  hote.reconstruire(quadrel::Liste::axes);
  hote.reconstruire(quadrel::Liste::pyramide);
  hote.reconstruire(quadrel::Liste::lignesx);
  hote.reconstruire(quadrel::Liste::surface);
  hote.FormPaint();
}

void Toptionrepere::GoClick() {
  sons::jouer(QStringLiteral("click.wav"));
  if (!change()) return;
  rebatir();
  for (int k = 0; k < 9; ++k) reperesauve[k] = valeur(k);
}

// Closing applies the stored values like Go, the pyramid's scale included; the copy is
// retaken at the next show.
void Toptionrepere::FormClose() {
  if (change()) rebatir();
  ranger();
}

void Toptionrepere::reperetype1Click() {
  sons::jouer(QStringLiteral("click.wav"));
  scene.typerepere = reperetype1->isChecked()   ? quadrel::TypeRepere::axes
                     : reperetype2->isChecked() ? quadrel::TypeRepere::grille
                                                : quadrel::TypeRepere::masque;
  hote.reconstruire(quadrel::Liste::axes);
  hote.FormPaint();
}
