#include "shell/outils.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QMouseEvent>
#include <QUrl>

#include "services/aiderapide.h"
#include "services/curseurs.h"
#include "services/dialog_base.h"
#include "services/sons.h"
#include "shell/apropos.h"
#include "shell/chemins.h"
#include "shell/demarrage.h"
#include "shell/fond.h"

namespace {
const char* const kImages[12] = {"00-repere",  "01-visuel",  "02-fonction", "03-quadriques",
                                 "04-section", "05-point",   "06-export",   "07-videoprojecteur",
                                 "08-apropos", "09-weblien", "10-aide",     "11-quitter"};
constexpr int kExport = 6, kVideo = 7, kApropos = 8, kWeb = 9, kAide = 10, kQuitter = 11;
}  // namespace

Toutils::Toutils(Tfond* fond, const Application& app) : fond_(fond), app_(app) {
  setWindowTitle(QStringLiteral("Outils"));
  setAccessibleName(QStringLiteral("Outils"));
  setWindowIcon(QIcon(QStringLiteral(":/quadrel.png")));
  for (int k = 0; k < 12; ++k) {
    auto* b = new QToolButton(this);
    b->setObjectName(noms()[k]);
    b->setAccessibleName(noms()[k]);
    b->setIcon(QIcon(QStringLiteral(":/boutons/%1.png").arg(QLatin1String(kImages[k]))));
    b->setIconSize(QSize(36, 36));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setMouseTracking(true);
    b->installEventFilter(this);
    connect(b, &QToolButton::clicked, this, [this, k] { RepereClick(k); });
    boutons[k] = b;
    if (k > 0) setTabOrder(boutons[k - 1], b);
  }
  FormCreate();
}

void Toutils::FormCreate() {
  for (int k = 0; k < 12; ++k) {
    boutons[k]->setGeometry(k % 2 == 0 ? 0 : 40, (k / 2) * 40, 40, 40);
    poser(boutons[k], Role::main);
  }
  setFixedSize(80, 240);
}

void Toutils::setdialogue(int ordre, QWidget* dialogue) {
  if (ordre >= 0 && ordre < int(dialogues_.size())) dialogues_[ordre] = dialogue;
}

void Toutils::setlegende(const QString& texte) {
  setWindowTitle(texte);
  if (QWidget* c = cadre(this)) c->setWindowTitle(texte);
}

QString Toutils::legende() const {
  return cadre(const_cast<Toutils*>(this))->windowTitle();
}

// Near the right edge of the main window, 400 px from its top; within reach on a small
// screen.
void Toutils::FormShow() {
  QWidget* c = cadre(this);
  if (c == this || !fond_) return;
  c->move(fond_->width() - c->width() - 50, 400);
  garderdedans(c);
}

void Toutils::showEvent(QShowEvent*) {
  FormShow();
}

void Toutils::aiderapide(const QString& texte) {
  if (TAiderapide* a = app_.Aiderapide.get()) a->montrer(texte);
}

void Toutils::RepereClick(int ordre) {
  if (ordre < int(dialogues_.size())) {
    if (dialogues_[ordre] && fond_) fond_->ouvrir(dialogues_[ordre]);
    return;
  }
  switch (ordre) {
    case kExport:
      pressepapier();
      sons::jouer(QStringLiteral("copie.wav"));
      break;
    case kVideo:
      aiderapide(textevideoprojecteur());
      break;
    case kApropos:
      if (QWidget* a = app_.Apropos.get()) a->show(), a->raise();
      break;
    case kWeb: {
      const QString page =
          (fond_ ? fond_->dossier : dossierRessources()) + QStringLiteral("/aide.html");
      QDesktopServices::openUrl(QUrl::fromLocalFile(page));  // a failure is not reported
      break;
    }
    case kAide:
      aiderapide(texteaide());
      break;
    case kQuitter:
      if (fond_) fond_->close();  // says goodbye once, for both ways out
      break;
    default:
      break;
  }
}

void Toutils::RepereMouseDown(int ordre, Qt::MouseButton bouton) {
  const bool droit = bouton == Qt::RightButton;
  // Export and Quitter play their own sound on a left click.
  if (!(bouton == Qt::LeftButton && (ordre == kExport || ordre == kQuitter)))
    sons::jouer(QStringLiteral("click.wav"));
  if (!droit) return;
  if (ordre == kVideo || ordre == kAide) return RepereClick(ordre);
  if (TAiderapide* a = app_.Aiderapide.get()) {
    a->helptext->clear();
    a->montrer(explications()[ordre]);
  }
}

void Toutils::RepereMouseMove(int ordre) {
  boutons[ordre]->setFocus();
  setlegende(noms()[ordre]);
}

bool Toutils::eventFilter(QObject* o, QEvent* e) {
  const auto it = std::find(boutons.begin(), boutons.end(), o);
  if (it != boutons.end()) {
    const int ordre = int(it - boutons.begin());
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
      RepereMouseMove(ordre);
    else if (e->type() == QEvent::MouseButtonPress)
      RepereMouseDown(ordre, static_cast<QMouseEvent*>(e)->button());
  }
  return QWidget::eventFilter(o, e);
}
