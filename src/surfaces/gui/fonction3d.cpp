#include "surfaces/gui/fonction3d.h"

#include <QStyle>
#include <algorithm>
#include <utility>

#include "matutil.h"
#include "parsor.h"
#include "services/champ.h"
#include "services/curseurs.h"
#include "services/sons.h"

using quadrel::EtatChamp;

namespace {
const QString kAdmis = QStringLiteral("²parh.0123456789xyvcosintle()/*-+");
}  // namespace

Tfonction3d::Tfonction3d(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : DialogBase(s, h, parent, QStringLiteral("fonction3d"), QStringLiteral("z=f(x,y)")) {
  setFixedSize(sizeHint());

  Label1 = new QLabel(QStringLiteral("f(x,y)="), this);
  Label1->setGeometry(8, 14, 60, 28);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setAccessibleName(Label1->text());
  Edit1->setGeometry(70, 12, 208, 32);
  QFont police(QStringLiteral("Comic Sans MS"));
  police.setPixelSize(15);
  Edit1->setFont(police);
  // The V the field writes for v may come back in a paste; the key V stays refused.
  champ::Regle regle{
      kAdmis + QStringLiteral("V"), [](QChar c) { return c == u'v' ? QChar(u'V') : c; }, {}};
  champ::filtrer(Edit1, std::move(regle), [this](char16_t c) { return Edit1KeyPress(c); });
  aidesurclic(Edit1);
  Label1->setBuddy(Edit1);

  Label2 = new QLabel(QStringLiteral("Precision"), this);
  Label2->setGeometry(8, 74, 62, 28);
  precision = new QSlider(Qt::Horizontal, this);
  precision->setObjectName(QStringLiteral("precision"));
  precision->setAccessibleName(Label2->text());
  precision->setGeometry(70, 66, 208, 44);
  precision->setRange(3, 12);
  precision->setPageStep(1);
  precision->setSingleStep(1);
  precision->setTickPosition(QSlider::TicksBelow);
  precision->setTickInterval(1);
  Label2->setBuddy(precision);

  go = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("go"),
                       this);
  go->setObjectName(QStringLiteral("go"));
  go->setGeometry(288, 10, 70, 36);
  Poubelle = new QPushButton(style()->standardIcon(QStyle::SP_TrashIcon), QString(), this);
  Poubelle->setObjectName(QStringLiteral("Poubelle"));
  Poubelle->setGeometry(288, 68, 70, 36);
  Poubelle->setIconSize(QSize(24, 24));
  for (QPushButton* b : {go, Poubelle}) {
    b->setAccessibleName(b->objectName());
    focussurvol(b);
    poser(b, Role::main);
  }
  boutongo(go);
  boutonpoubelle(Poubelle);
  connect(go, &QPushButton::clicked, this, &Tfonction3d::goClick);
  connect(Poubelle, &QPushButton::clicked, this, &Tfonction3d::PoubelleClick);
  setTabOrder(Edit1, go);
  setTabOrder(go, precision);
  setTabOrder(precision, Poubelle);

  // The scene is the record the builders and the frame read: keep it with the field.
  champ::ecrire(Edit1, champ::depuislatin1(s.formule));
  precision->setValue(std::clamp(s.precision, 3, 12));
  s.precision = precision->value();
  setetat(s.etatformule);
  connect(Edit1, &QLineEdit::textChanged, this,
          [this](const QString& t) { scene.formule = champ::latin1(t); });
  connect(Edit1, &QLineEdit::textEdited, this, [this] { setetat(EtatChamp::attente); });
  connect(precision, &QSlider::valueChanged, this, [this](int p) { scene.precision = p; });
}

const QString& Tfonction3d::texteaide() {
  static const QString t = QStringLiteral(
      "Fonctions supportées : les polynômes,puissance \"^\",racine v(x),e(x), "
      "ln(x),cos(x),sin(x),tan(x).arccos(x),arcsin(x),arctan(x),cosh(x),sinh(x),tanh(x). Régler "
      "la précision de basse (imprécise mais rapide) à haute (prècis mais lent).");
  return t;
}

QString Tfonction3d::texteaide(const QObject* o) const {
  return o == this || o == Edit1 ? texteaide() : QString();
}

void Tfonction3d::setetat(EtatChamp etat) {
  if (etat == EtatChamp::accepte) retenir();
  scene.etatformule = etat;
  champ::colorer(Edit1, etat == EtatChamp::accepte  ? champ::noir
                        : etat == EtatChamp::refuse ? champ::rouge
                                                    : champ::bleu);
}

QString Tfonction3d::formuledessinee() const {
  if (etat() == EtatChamp::accepte) return Edit1->text();
  if (isVisible() && etatsauve_ == EtatChamp::accepte) return formulesauve;
  return {};
}

// Centred in the main window's area (the screen, as the main window fills it).
void Tfonction3d::FormShow() {
  centrer();
  formulesauve = Edit1->text();
  precisionsauve = precision->value();
  etatsauve_ = etat();
  Edit1->setFocus();
}

bool Tfonction3d::Edit1KeyPress(char16_t cle) {
  const bool admise = cle != 0 && kAdmis.contains(QChar(cle));
  if (!admise && cle != champ::kEntree && cle != champ::kRetour) return false;
  if (admise && !tient(cle == u'v' ? QChar(u'V') : QChar(cle))) return false;
  setetat(EtatChamp::attente);
  if (cle == champ::kEntree) {
    compiler();
    return false;
  }
  // The normaliser reads a capital V as the square root.
  if (cle == u'v') {
    Edit1->insert(QStringLiteral("V"));
    return false;
  }
  return true;
}

bool Tfonction3d::tient(QChar c) const {
  return normalise(champ::latin1(champ::apres(Edit1, c))).size() <= kLongueurMax;
}

// Only checks that the formula compiles; nothing is computed until the close. A text too
// long for the engine (an erasure can lengthen the normalised form) is refused, never cut
// into another formula.
void Tfonction3d::compiler() {
  auto programme = compileformule(champ::latin1(Edit1->text()));
  if (!programme) return setetat(EtatChamp::refuse);
  scene.programme = std::move(programme);
  setetat(EtatChamp::accepte);
  go->setFocus();
}

// The formula the field holds, compiled for the builders unless the scene has it already
// (the close may bring back an earlier formula). Null when it does not compile: the
// builders then leave their lists as they are.
void Tfonction3d::retenir() {
  const std::string texte = normalise(champ::latin1(Edit1->text()));
  if (!scene.programme || scene.programme->text() != texte)
    scene.programme = quadrel::expr::CompiledFormula::compile(texte);
}

void Tfonction3d::goClick() {
  sons::jouer(QStringLiteral("click.wav"));
  Edit1KeyPress(champ::kEntree);
  close();
}

// The surface goes at once because the frame no longer finds the field accepted; the
// lists stay as they were.
void Tfonction3d::PoubelleClick() {
  sons::jouer(QStringLiteral("click.wav"));
  Edit1->clear();
  formulesauve.clear();
  etatsauve_ = EtatChamp::attente;
  setetat(EtatChamp::attente);
  hote.FormPaint();
}

void Tfonction3d::FormClose() {
  const QString texte = Edit1->text();
  const EtatChamp avant = etat();
  // A new formula never accepted is dropped: the previous one comes back as it was.
  if (texte != formulesauve && etat() != EtatChamp::accepte && !texte.isEmpty()) {
    champ::ecrire(Edit1, formulesauve);
    setetat(etatsauve_);
  } else if (texte == formulesauve) {
    // Typed over, then brought back to the text it had: its state comes back with it.
    setetat(etatsauve_);
  }
  if (Edit1->text() != formulesauve || precision->value() != precisionsauve) {
    if (Edit1->text().isEmpty()) {
      // No formula: nothing to accept, and the lists of an earlier one must stay hidden.
      setetat(EtatChamp::attente);
      hote.FormPaint();
    } else {
      setetat(EtatChamp::accepte);
      if (scene.pointlibreVisible && ramenerpointlibre) ramenerpointlibre();
      hote.reconstruire(quadrel::Liste::surface);
      hote.reconstruire(quadrel::Liste::lignesx);
      hote.FormPaint();
    }
  } else if (etat() != avant) {
    // Nothing to rebuild, but the frame may have hidden the surface meanwhile.
    hote.FormPaint();
  }
  formulesauve.clear();
  ranger();
}
