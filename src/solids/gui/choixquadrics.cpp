#include "solids/gui/choixquadrics.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QMdiSubWindow>
#include <QStyleOptionTitleBar>

#include "services/curseurs.h"
#include "services/sons.h"

// The pictures live in this static library: their registration must be asked for.
static void chargerimages() {
  Q_INIT_RESOURCE(quadriques);
}

namespace {
const char* const kImages[5] = {"0-cube", "1-cylindre", "2-pyramide", "3-cone", "4-sphere"};
}  // namespace

// No caption until the mouse names a button.
Tchoixquadrics::Tchoixquadrics(quadrel::Scene& s, DialogHost& h, QWidget* parent, QWidget* outils)
    : DialogBase(s, h, parent, QStringLiteral("choixquadrics"), QString()), outils_(outils) {
  chargerimages();
  setAccessibleName(QStringLiteral("Quadriques"));
  setFixedSize(sizeHint());
  for (int k = 0; k < 5; ++k) {
    auto* b = new QToolButton(this);
    b->setObjectName(noms()[k]);
    b->setAccessibleName(noms()[k]);
    b->setIcon(QIcon(QStringLiteral(":/quadriques/%1.png").arg(QLatin1String(kImages[k]))));
    b->setIconSize(QSize(48, 48));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setGeometry(0, 65 * k, 59, 65);
    poser(b, Role::main);
    focussurvol(b);
    connect(b, &QToolButton::clicked, this, [this, k] { SphereClick(k); });
    boutons[k] = b;
    if (k > 0) setTabOrder(boutons[k - 1], b);
  }
}

const std::array<QString, 5>& Tchoixquadrics::noms() {
  static const std::array<QString, 5> n{QStringLiteral("Cube"), QStringLiteral("Cylindre"),
                                        QStringLiteral("Pyramide"), QStringLiteral("Cone"),
                                        QStringLiteral("Sphere")};
  return n;
}

void Tchoixquadrics::setdialogue(int ordre, QWidget* dialogue) {
  if (ordre >= 0 && ordre < 5) dialogues_[std::size_t(ordre)] = dialogue;
}

// The frame's title bar is the chooser's caption: 59 px leave room for two letters
// beside the close box.
void Tchoixquadrics::elargir() {
  auto* s = qobject_cast<QMdiSubWindow*>(cadre());
  if (!s) return;
  QStyleOptionTitleBar o;
  o.initFrom(s);
  o.titleBarFlags = s->windowFlags();
  o.subControls = QStyle::SC_All;
  o.rect = QRect(0, 0, 1000, s->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, s));
  const int decor =
      1000 -
      s->style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, s).width();
  QFont police = QApplication::font("QMdiSubWindowTitleBar");
  police.setBold(true);  // as some styles draw it
  int titre = 0;
  for (const QString& n : noms())
    titre = std::max(titre, QFontMetrics(police).horizontalAdvance(n));
  const QMargins bords = s->contentsMargins();
  const int voulu = std::max(59, titre + decor + 8 - bords.left() - bords.right());
  if (voulu == largeur_) return;
  largeur_ = voulu;
  setFixedSize(sizeHint());
  for (QToolButton* b : boutons) b->resize(largeur_, b->height());
  s->setFixedSize(s->sizeHint());
}

// Beside the palette's left edge, 40 px below the sheet's top.
void Tchoixquadrics::FormShow() {
  elargir();
  const int gauche = outils_ ? ::cadre(outils_)->x() : 0;
  placer({gauche + 5, hote.cadrefeuille().y() + 40});
}

void Tchoixquadrics::PyramideMouseMove(int ordre) {
  boutons[std::size_t(ordre)]->setFocus();
  setWindowTitle(noms()[std::size_t(ordre)]);
  cadre()->setWindowTitle(windowTitle());
}

void Tchoixquadrics::SphereClick(int ordre) {
  sons::jouer(QStringLiteral("click.wav"));
  if (QWidget* d = dialogues_[std::size_t(ordre)]) hote.ouvrir(d);
}

// Hovering a button names it in the caption (the base gives it the focus).
bool Tchoixquadrics::eventFilter(QObject* o, QEvent* e) {
  const auto it = std::find(boutons.begin(), boutons.end(), o);
  if (it != boutons.end() && (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter))
    PyramideMouseMove(int(it - boutons.begin()));
  return DialogBase::eventFilter(o, e);
}
