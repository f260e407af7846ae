#include "sections/gui/pointlibre.h"

#include <QHideEvent>
#include <QIcon>
#include <QLabel>
#include <QShowEvent>

#include "sections/free_point.h"
#include "services/curseurs.h"
#include "services/sons.h"

namespace {
constexpr int kColonnes[3] = {12, 57, 102};
}  // namespace

TPointlibre::TPointlibre(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : DialogBase(s, h, parent, QStringLiteral("Pointlibre"), QStringLiteral("Point libre")) {
  setFixedSize(sizeHint());
  const char* const noms[] = {"xplus", "xmoins", "Yplus", "Ymoins", "zplus", "zmoins"};
  const char* const accessibles[] = {"x+", "x-", "y+", "y-", "z+", "z-"};
  const char* const axes[] = {"X", "Y", "Z"};
  const QIcon haut(QStringLiteral(":/point/plus.png")), bas(QStringLiteral(":/point/moins.png"));
  for (int c = 0; c < 3; ++c) {
    auto* a = new QLabel(QLatin1String(axes[c]), this);
    a->setAlignment(Qt::AlignCenter);
    a->setGeometry(kColonnes[c], 2, 36, 16);
    auto* plus = new QLabel(QStringLiteral("+"), this);
    plus->setAlignment(Qt::AlignCenter);
    plus->setGeometry(kColonnes[c], 17, 36, 14);
    auto* moins = new QLabel(QStringLiteral("-"), this);
    moins->setAlignment(Qt::AlignCenter);
    moins->setGeometry(kColonnes[c], 96, 36, 14);
  }
  for (int i = 0; i < 6; ++i) {
    auto* b = new QPushButton(this);
    b->setObjectName(QLatin1String(noms[i]));
    b->setAccessibleName(QLatin1String(accessibles[i]));
    b->setIcon(i % 2 == 0 ? haut : bas);
    b->setIconSize({24, 24});
    b->setGeometry(kColonnes[i / 2], i % 2 == 0 ? 31 : 63, 36, 32);
    b->setAutoDefault(false);
    poser(b, Role::main);
    focussurvol(b);
    connect(b, &QPushButton::clicked, this, [this, i] { xplusClick(i); });
    boutons[i] = b;
  }
  var1 = new QRadioButton(QStringLiteral("Petits \"sauts\"."), this);
  var1->setObjectName(QStringLiteral("var1"));
  var2 = new QRadioButton(QStringLiteral("Selon graduations."), this);
  var2->setObjectName(QStringLiteral("var2"));
  int y = 118;
  for (QRadioButton* r : {var1, var2}) {
    r->setAccessibleName(r->text());
    r->setGeometry(10, y, 136, 26);
    y += 28;
    poser(r, Role::main);
  }
  var1->setChecked(true);
  // Connected after the initial check: only the user's choice moves M back to its start.
  for (QRadioButton* r : {var1, var2})
    connect(r, &QRadioButton::toggled, this, [this](bool coche) {
      if (coche) var1Click();
    });
  for (std::size_t k = 1; k < boutons.size(); ++k) setTabOrder(boutons[k - 1], boutons[k]);
  setTabOrder(boutons[5], var1);
  setTabOrder(var1, var2);
}

void TPointlibre::showEvent(QShowEvent* e) {
  scene.pointlibreVisible = true;
  DialogBase::showEvent(e);
}

void TPointlibre::hideEvent(QHideEvent* e) {
  scene.pointlibreVisible = false;
  DialogBase::hideEvent(e);
}

void TPointlibre::FormShow() {
  placerdroite();
  if (!garderposition) quadrel::positionDepart(scene);
  hote.FormPaint();
}

void TPointlibre::var1Click() {
  sons::jouer(QStringLiteral("click.wav"));
  FormShow();
}

void TPointlibre::xplusClick(int ordre) {
  sons::jouer(QStringLiteral("click.wav"));
  quadrel::deplacePoint(scene, quadrel::Deplacement(ordre), var2->isChecked());
  hote.FormPaint();
}

void TPointlibre::FormClose() {
  ranger();
  scene.pointlibreVisible = false;
  hote.setlegende(QStringLiteral("Feuille"));
  hote.FormPaint();
}
