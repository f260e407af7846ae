#include "solids/solid_dialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <cmath>
#include <cstring>

#include "matutil.h"
#include "shell/curseurs.h"
#include "shell/sons.h"
#include "surfaces/champ.h"
#include "view/fenetres.h"
#include "view/feuille.h"

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
constexpr int kHauteurChamp = 22;
}  // namespace

SolidDialog::SolidDialog(quadrel::Scene& s, solids::DialogSpec sp, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      scene(s),
      spec(std::move(sp)) {
  setObjectName(QLatin1String(spec.objectName));
  setWindowTitle(spec.caption);
  setAccessibleName(spec.caption);
  // Fields are laid over gaps measured in this font: it must not change with the parent.
  setFont(QFont(QStringLiteral("Tahoma"), 9));
  for (const solids::FieldSpec& f : spec.fields) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(f.name));
    e->setAccessibleName(QString::fromUtf8(f.accessible));
    e->setAlignment(Qt::AlignCenter);
    // Right click shows help; text only arrives through the key filter.
    e->setContextMenuPolicy(Qt::NoContextMenu);
    e->setAcceptDrops(false);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [e] { champ::colorer(e, champ::bleu); });
    champs.push_back(e);
  }
  for (std::size_t r = 0; r < spec.rows.size(); ++r) {
    auto* b = new QRadioButton(this);
    b->setObjectName(QStringLiteral("box%1").arg(r + 1));
    b->setAccessibleName(QString::fromUtf8(spec.rows[r]));
    b->installEventFilter(this);
    poser(b, Role::main);
    // The state change, not the click: a screen reader toggles without clicking.
    connect(b, &QRadioButton::toggled, this, [this, r](bool coche) {
      if (coche) box1Click(int(r));
    });
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
    b->setAutoDefault(false);
    b->setMouseTracking(true);
    b->installEventFilter(this);
    poser(b, Role::main);
  }
  connect(go, &QPushButton::clicked, this, &SolidDialog::goClick);
  connect(Poubelle, &QPushButton::clicked, this, &SolidDialog::PoubelleClick);
  for (std::size_t k = 1; k < champs.size(); ++k) setTabOrder(champs[k - 1], champs[k]);
  setTabOrder(champs.back(), go);
  setTabOrder(go, Poubelle);
  QWidget* avant = Poubelle;
  for (QRadioButton* b : lignes) setTabOrder(avant, b), avant = b;
  if (!lignes.empty()) lignes[0]->setChecked(true);
  box1Click(0);
}

QLabel* SolidDialog::etiquette(const QString& texte, QRect ou) {
  auto* l = new QLabel(texte, this);
  l->setGeometry(ou);
  return l;
}

QLabel* SolidDialog::equation(const QString& texte, QPoint ou, const std::vector<int>& ordres) {
  auto* l = new QLabel(texte, this);
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

void SolidDialog::fixertaille(QSize taille) {
  setFixedSize(taille);
}

int SolidDialog::ligne() const {
  for (std::size_t r = 0; r < lignes.size(); ++r)
    if (lignes[r]->isChecked()) return int(r);
  return 0;
}

bool SolidDialog::dernierdeligne(int ordre) const {
  return (ordre + 1) % spec.rowSize == 0;
}

bool SolidDialog::Edit1KeyPress(int ordre, char16_t cle) {
  const bool chiffre = cle != 0 && cle < 128 && std::strchr(kChiffres, char(cle));
  if (cle != champ::kEntree && cle != champ::kRetour &&
      (!chiffre || (cle == u'.' && spec.fields[std::size_t(ordre)].integer)))
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
  if (spec.kindOnEnter) scene.typequadrique = spec.kindOnEnter;
  QLineEdit* e = champ(ordre);
  const solids::FieldSpec& f = spec.fields[std::size_t(ordre)];
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
  std::vector<int> ordre = spec.goOrder;
  if (ordre.empty())
    for (int k = 0; k < int(champs.size()); ++k)
      if (champ(k)->isEnabled()) ordre.push_back(k);
  for (int k : ordre) entrer(k);
  int noirs = 0;
  for (int k : ordre) noirs += champ::couleur(champ(k)) == champ::noir;
  if (lignes.empty()) {
    if (noirs == int(ordre.size())) scene.quadriqueok = true;
  } else {
    if (noirs != spec.rowSize) return;
    scene.quadriqueok = true;
    scene.typequadrique = spec.kindByRow[std::size_t(ligne())];
  }
  if (preparepyr) preparepyr();
  redessiner();
}

// The stored values stay: only the fields are emptied.
void SolidDialog::PoubelleClick() {
  sons::jouer(QStringLiteral("click.wav"));
  scene.quadriqueok = false;
  for (QLineEdit* e : champs) e->clear();
  redessiner();
}

void SolidDialog::box1Click(int r) {
  for (int k = 0; k < int(champs.size()); ++k)
    champ(k)->setEnabled(lignes.empty() || k / spec.rowSize == r);
}

void SolidDialog::redessiner() {
  if (TFeuille* f = fenetres().Feuille) f->FormPaint();
}

// Centred on the screen.
void SolidDialog::FormShow() {
  QWidget* c = cadre(this);
  const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!ecran) return;
  const QRect r = ecran->geometry();
  // Its frame may not have its final size yet: the size it asks for is the one it gets.
  const QSize t = c == this ? size() : c->sizeHint();
  QPoint p((r.width() - t.width()) / 2, (r.height() - t.height()) / 2);
  if (c != this && c->parentWidget()) p = c->parentWidget()->mapFromGlobal(r.topLeft() + p);
  c->move(p);
}

void SolidDialog::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void SolidDialog::FormClose() {
  if (fenetres().fermer)
    fenetres().fermer(this);
  else
    hide();
}

void SolidDialog::closeEvent(QCloseEvent* e) {
  FormClose();
  e->ignore();  // hidden, never destroyed
}

void SolidDialog::aide() {
  if (!spec.help.isEmpty()) champ::aide(spec.help);
}

void SolidDialog::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) aide();
  QWidget::mousePressEvent(e);
}

bool SolidDialog::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
    aide();
  } else if ((o == go || o == Poubelle) &&
             (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)) {
    static_cast<QWidget*>(o)->setFocus();
  } else if (e->type() == QEvent::KeyPress) {
    const auto it = std::find(champs.begin(), champs.end(), o);
    if (it != champs.end()) {
      const char16_t c = champ::caractere(static_cast<QKeyEvent*>(e));
      if (c != 0 && !Edit1KeyPress(int(it - champs.begin()), c)) return true;
    }
  }
  return QWidget::eventFilter(o, e);
}
