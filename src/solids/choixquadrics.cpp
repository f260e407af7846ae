#include "solids/choixquadrics.h"

#include <QCloseEvent>
#include <QIcon>

#include "shell/curseurs.h"
#include "shell/sons.h"
#include "view/fenetres.h"
#include "view/feuille.h"

// The pictures live in this static library: their registration must be asked for.
static void chargerimages() {
  Q_INIT_RESOURCE(quadriques);
}

namespace {
const char* const kImages[5] = {"0-cube", "1-cylindre", "2-pyramide", "3-cone", "4-sphere"};
}  // namespace

Tchoixquadrics::Tchoixquadrics(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
  chargerimages();
  setObjectName(QStringLiteral("choixquadrics"));
  setAccessibleName(QStringLiteral("Quadriques"));
  setFixedSize(sizeHint());
  for (int k = 0; k < 5; ++k) {
    auto* b = new QToolButton(this);
    b->setObjectName(noms()[k]);
    b->setAccessibleName(noms()[k]);
    b->setToolTip(noms()[k]);
    b->setIcon(QIcon(QStringLiteral(":/quadriques/%1.png").arg(QLatin1String(kImages[k]))));
    b->setIconSize(QSize(48, 48));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setMouseTracking(true);
    b->setGeometry(0, 65 * k, 59, 65);
    b->installEventFilter(this);
    poser(b, Role::main);
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

// Under the palette's left edge, 40 px below the sheet's top.
void Tchoixquadrics::FormShow() {
  QWidget* c = cadre(this);
  QWidget* outils = fenetres().outils ? cadre(fenetres().outils) : nullptr;
  QWidget* feuille = fenetres().Feuille ? cadre(fenetres().Feuille) : nullptr;
  if (c == this || !outils) return;
  c->move(outils->x() + 5, (feuille ? feuille->y() : 0) + 40);
}

void Tchoixquadrics::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void Tchoixquadrics::PyramideMouseMove(int ordre) {
  boutons[std::size_t(ordre)]->setFocus();
  setWindowTitle(noms()[std::size_t(ordre)]);
  if (QWidget* c = cadre(this)) c->setWindowTitle(windowTitle());
}

void Tchoixquadrics::SphereClick(int ordre) {
  sons::jouer(QStringLiteral("click.wav"));
  QWidget* d = dialogues_[std::size_t(ordre)];
  if (!d) return;
  if (fenetres().ouvrir)
    fenetres().ouvrir(d);
  else
    d->show(), d->raise();
}

void Tchoixquadrics::FormClose() {
  if (fenetres().fermer)
    fenetres().fermer(this);
  else
    hide();
}

void Tchoixquadrics::closeEvent(QCloseEvent* e) {
  FormClose();
  e->ignore();  // hidden, never destroyed
}

bool Tchoixquadrics::eventFilter(QObject* o, QEvent* e) {
  const auto it = std::find(boutons.begin(), boutons.end(), o);
  if (it != boutons.end() && (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter))
    PyramideMouseMove(int(it - boutons.begin()));
  return QWidget::eventFilter(o, e);
}
