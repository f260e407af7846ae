#include "solids/gui/solid_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <cmath>
#include <cstring>

#include "matutil.h"
#include "services/champ.h"
#include "services/curseurs.h"
#include "services/sons.h"

namespace solids {

bool accepts(Rule rule, extended v) {
  if (!std::isfinite(v)) return false;
  switch (rule) {
    case Rule::positive:
      return v > 0;
    case Rule::sideCount:
      return v > 2 && v < 20;
    case Rule::coefficient:
      return v >= 0;
    case Rule::any:
      break;
  }
  return true;
}

}  // namespace solids

namespace {
const char kChiffres[] = "-0.123456789";
const char kEntiers[] = "-0123456789";
constexpr int kHauteurChamp = 22;
}  // namespace

SolidDialog::SolidDialog(quadrel::Scene& s, DialogHost& h, solids::DialogSpec sp, QWidget* parent)
    : DialogBase(s, h, parent, QLatin1String(sp.objectName), sp.caption), forme(std::move(sp)) {
  // Fields are laid over gaps measured in this font: it must not change with the parent.
  setFont(QFont(QStringLiteral("Tahoma"), 9));
  for (std::size_t k = 0; k < forme.fields.size(); ++k) {
    const solids::FieldSpec& f = forme.fields[k];
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(f.name));
    e->setAccessibleName(QString::fromUtf8(f.accessible));
    e->setAlignment(Qt::AlignCenter);
    champ::filtrer(e, {QLatin1String(f.integer ? kEntiers : kChiffres), {}, {}},
                   [this, k](char16_t c) { return Edit1KeyPress(int(k), c); });
    aidesurclic(e);
    connect(e, &QLineEdit::textEdited, this, [e] { champ::colorer(e, champ::bleu); });
    champs.push_back(e);
  }
  for (std::size_t r = 0; r < forme.rows.size(); ++r) {
    auto* b = new QRadioButton(this);
    b->setObjectName(QStringLiteral("box%1").arg(r + 1));
    b->setAccessibleName(QString::fromUtf8(forme.rows[r]));
    poser(b, Role::main);
    aidesurclic(b);
    lignes.push_back(b);
  }
  go = new QPushButton(QStringLiteral("go"), this);
  go->setObjectName(QStringLiteral("go"));
  Poubelle = new QPushButton(this);
  Poubelle->setObjectName(QStringLiteral("Poubelle"));
  Poubelle->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
  Poubelle->setIconSize(QSize(24, 24));
  for (QPushButton* b : {go, Poubelle}) {
    b->setAccessibleName(b->objectName());
    poser(b, Role::main);
    focussurvol(b);
    aidesurclic(b);
  }
  boutongo(go);
  boutonpoubelle(Poubelle);
  connect(go, &QPushButton::clicked, this, &SolidDialog::goClick);
  connect(Poubelle, &QPushButton::clicked, this, &SolidDialog::PoubelleClick);
  for (std::size_t k = 1; k < champs.size(); ++k) setTabOrder(champs[k - 1], champs[k]);
  setTabOrder(champs.back(), go);
  setTabOrder(go, Poubelle);
  QWidget* avant = Poubelle;
  for (QRadioButton* b : lignes) setTabOrder(avant, b), avant = b;
  if (!lignes.empty()) lignes[0]->setChecked(true);
  box1Click(0);
  // The state change, however it came (click, key, screen reader): react once, to the
  // button checked.
  for (std::size_t r = 0; r < lignes.size(); ++r)
    connect(lignes[r], &QRadioButton::toggled, this, [this, r](bool coche) {
      if (coche) box1Click(int(r));
    });
}

QLabel* SolidDialog::etiquette(const QString& texte, QRect ou) {
  auto* l = new QLabel(texte, this);
  l->setGeometry(ou);
  return l;
}

// The label lies under its fields: made after them, it would take their clicks.
QLabel* SolidDialog::equation(const QString& texte, QPoint ou, const std::vector<int>& ordres) {
  auto* l = new QLabel(texte, this);
  l->lower();
  const QFontMetrics m(l->font());
  l->setGeometry(ou.x(), ou.y(), m.horizontalAdvance(texte) + 4, kHauteurChamp);
  std::size_t n = 0;
  for (int i = 0; i < texte.size() && n < ordres.size();) {
    if (texte[i] != u' ' || i + 1 >= texte.size() || texte[i + 1] != u' ') {
      ++i;
      continue;
    }
    int j = i;
    while (j < texte.size() && texte[j] == u' ') ++j;
    const int x = ou.x() + m.horizontalAdvance(texte.left(i));
    champ(ordres[n++])
        ->setGeometry(x, ou.y(), m.horizontalAdvance(texte.mid(i, j - i)), kHauteurChamp);
    i = j;
  }
  return l;
}

int SolidDialog::morceaux(const QStringList& pieces, QPoint ou, const std::vector<int>& ordres) {
  int x = ou.x();
  for (int k = 0; k < pieces.size(); ++k) {
    QLabel* l = etiquette(pieces[k], {});
    const int w = QFontMetrics(l->font()).horizontalAdvance(pieces[k]) + 2;
    l->setGeometry(x, ou.y(), w, kHauteurChamp);
    x += w;
    if (k < int(ordres.size())) {
      champ(ordres[k])->setGeometry(x, ou.y(), 40, kHauteurChamp);
      x += 42;
    }
  }
  return x;
}

void SolidDialog::placerboutons(QPoint g, QPoint p) {
  go->setGeometry(g.x(), g.y(), 60, 32);
  Poubelle->setGeometry(p.x(), p.y(), 60, 32);
}

int SolidDialog::ligne() const {
  for (std::size_t r = 0; r < lignes.size(); ++r)
    if (lignes[r]->isChecked()) return int(r);
  return 0;
}

bool SolidDialog::dernierdeligne(int ordre) const {
  return (ordre + 1) % forme.rowSize == 0;
}

bool SolidDialog::Edit1KeyPress(int ordre, char16_t cle) {
  const bool chiffre = cle != 0 && cle < 128 && std::strchr(kChiffres, char(cle));
  if (cle != champ::kEntree && cle != champ::kRetour &&
      (!chiffre || (cle == u'.' && forme.fields[std::size_t(ordre)].integer)))
    return false;
  if (cle != champ::kEntree) {
    champ::colorer(champ(ordre), champ::bleu);
    return true;
  }
  entrer(ordre);
  return false;  // Enter types nothing
}

// The solid hides until go succeeds; a value is stored only when it reads and keeps its
// rule.
void SolidDialog::entrer(int ordre) {
  scene.quadriqueok = false;
  if (forme.kindOnEnter) scene.typequadrique = forme.kindOnEnter;
  QLineEdit* e = champ(ordre);
  const solids::FieldSpec& f = forme.fields[std::size_t(ordre)];
  bool erreur = false;
  const extended v = valeurformule(champ::latin1(e->text()), erreur);
  if (erreur || !solids::accepts(f.rule, v)) {
    champ::colorer(e, champ::rouge);
    return;
  }
  champ::colorer(e, champ::noir);
  scene.*f.target = v;
  if (dernierdeligne(ordre) || ordre + 1 >= int(champs.size()))
    go->setFocus();
  else
    champ(ordre + 1)->setFocus();
}

void SolidDialog::goClick() {
  sons::jouer(QStringLiteral("click.wav"));
  if (!(scene.gradx == scene.grady && scene.grady == scene.gradz)) return;
  std::vector<int> ordre = forme.goOrder;
  if (ordre.empty())
    for (int k = 0; k < int(champs.size()); ++k)
      if (champ(k)->isEnabled()) ordre.push_back(k);
  for (int k : ordre) entrer(k);
  int noirs = 0;
  for (int k : ordre) noirs += champ::couleur(champ(k)) == champ::noir;
  if (lignes.empty()) {
    if (noirs == int(ordre.size())) scene.quadriqueok = true;
  } else {
    if (noirs != forme.rowSize) return;
    scene.quadriqueok = true;
    scene.typequadrique = forme.kindByRow[std::size_t(ligne())];
  }
  if (forme.rebuildsPyramid) hote.reconstruire(quadrel::Liste::pyramide);
  hote.FormPaint();
}

// The stored values stay: only the fields are emptied.
void SolidDialog::PoubelleClick() {
  sons::jouer(QStringLiteral("click.wav"));
  scene.quadriqueok = false;
  for (QLineEdit* e : champs) e->clear();
  hote.FormPaint();
}

void SolidDialog::box1Click(int r) {
  for (int k = 0; k < int(champs.size()); ++k)
    champ(k)->setEnabled(lignes.empty() || k / forme.rowSize == r);
}

void SolidDialog::FormShow() {
  centrer();
}

QString SolidDialog::texteaide(const QObject* o) const {
  const bool champ = std::find(champs.begin(), champs.end(), o) != champs.end();
  return o == this || (champ && forme.helpOnFields) ? forme.help : QString();
}
