#include "surfaces/fonction3d.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

#include "matutil.h"
#include "parsor.h"
#include "shell/curseurs.h"
#include "shell/sons.h"
#include "surfaces/champ.h"
#include "view/fenetres.h"
#include "view/feuille.h"

using quadrel::EtatChamp;

Tfonction3d::Tfonction3d(quadrel::Scene& s, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      scene(s) {
  setObjectName(QStringLiteral("fonction3d"));
  setWindowTitle(QStringLiteral("z=f(x,y)"));
  setAccessibleName(QStringLiteral("z=f(x,y)"));
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
  // Right click shows help; text only arrives through the key filter.
  Edit1->setContextMenuPolicy(Qt::NoContextMenu);
  Edit1->setAcceptDrops(false);
  Edit1->installEventFilter(this);
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
    b->setAutoDefault(false);
    b->setMouseTracking(true);
    b->installEventFilter(this);
    poser(b, Role::main);
  }
  connect(go, &QPushButton::clicked, this, &Tfonction3d::goClick);
  connect(Poubelle, &QPushButton::clicked, this, &Tfonction3d::PoubelleClick);
  setTabOrder(Edit1, go);
  setTabOrder(go, precision);
  setTabOrder(precision, Poubelle);

  // The scene is the record the builders and the frame read: keep it with the field.
  Edit1->setText(champ::depuislatin1(s.formule));
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

void Tfonction3d::setetat(EtatChamp etat) {
  scene.etatformule = etat;
  champ::colorer(Edit1, etat == EtatChamp::accepte  ? champ::noir
                        : etat == EtatChamp::refuse ? champ::rouge
                                                    : champ::bleu);
}

// Centred in the main window's area (the screen, as the main window fills it).
void Tfonction3d::FormShow() {
  QWidget* c = cadre(this);
  if (c != this && c->parentWidget()) {
    const QSize zone = c->parentWidget()->size(), t = c->sizeHint();
    c->move((zone.width() - t.width()) / 2, (zone.height() - t.height()) / 2);
  }
  formulesauve = Edit1->text();
  precisionsauve = precision->value();
  etatsauve_ = etat();
  Edit1->setFocus();
}

void Tfonction3d::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

bool Tfonction3d::Edit1KeyPress(char16_t cle) {
  static const QString admis = QStringLiteral("²parh.123456789xyvcosintle()/*-+");
  const bool admise = cle != 0 && (admis.contains(QChar(cle)) || cle == u'0');
  if (!admise && cle != champ::kEntree && cle != champ::kRetour) return false;
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

// Only checks that the formula compiles; nothing is computed until the close.
void Tfonction3d::compiler() {
  TExpress e;
  e.setExpression(normalise(champ::latin1(Edit1->text())).substr(0, 255));
  if (e.CompileError()) return setetat(EtatChamp::refuse);
  setetat(EtatChamp::accepte);
  go->setFocus();
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
  if (TFeuille* f = fenetres().Feuille) f->FormPaint();
}

void Tfonction3d::FormClose() {
  const QString texte = Edit1->text();
  // A new formula never accepted is dropped: the previous one comes back as it was.
  if (texte != formulesauve && etat() != EtatChamp::accepte && !texte.isEmpty()) {
    Edit1->setText(formulesauve);
    setetat(etatsauve_);
  }
  if (Edit1->text() != formulesauve || precision->value() != precisionsauve) {
    TFeuille* f = fenetres().Feuille;
    if (Edit1->text().isEmpty()) {
      // No formula: nothing to accept, and the lists of an earlier one must stay hidden.
      setetat(EtatChamp::attente);
      if (f) f->FormPaint();
    } else {
      setetat(EtatChamp::accepte);
      if (scene.pointlibreVisible && ramenerpointlibre) ramenerpointlibre();
      if (f) {
        f->preparesurface();
        f->preparelignes();
        f->FormPaint();
      }
    }
  }
  formulesauve.clear();
  if (fenetres().fermer)
    fenetres().fermer(this);
  else
    hide();
}

void Tfonction3d::closeEvent(QCloseEvent* e) {
  FormClose();
  // Hidden, never destroyed: the child window that holds it must not go either.
  e->ignore();
}

void Tfonction3d::Edit1MouseDown(Qt::MouseButton bouton) {
  if (bouton == Qt::RightButton) champ::aide(texteaide());
}

void Tfonction3d::mousePressEvent(QMouseEvent* e) {
  Edit1MouseDown(e->button());
  QWidget::mousePressEvent(e);
}

bool Tfonction3d::eventFilter(QObject* o, QEvent* e) {
  if (o == Edit1 && e->type() == QEvent::MouseButtonPress) {
    Edit1MouseDown(static_cast<QMouseEvent*>(e)->button());
  } else if (o == Edit1 && e->type() == QEvent::KeyPress) {
    const char16_t c = champ::caractere(static_cast<QKeyEvent*>(e));
    if (c != 0 && !Edit1KeyPress(c)) return true;
  } else if ((o == go || o == Poubelle) &&
             (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)) {
    static_cast<QWidget*>(o)->setFocus();
  }
  return QWidget::eventFilter(o, e);
}
