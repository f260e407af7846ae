#include "shell/apropos.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "services/curseurs.h"

namespace {

QLabel* etiquette(QWidget* parent, const QString& texte, QPoint place, int pixels,
                  const char* couleur) {
  auto* l = new QLabel(texte, parent);
  QFont police(QStringLiteral("Comic Sans MS"));
  police.setPixelSize(pixels);
  l->setFont(police);
  l->setStyleSheet(
      QStringLiteral("QLabel { background: transparent; color: %1; }").arg(QLatin1String(couleur)));
  l->setAccessibleName(texte);
  l->move(place);
  l->adjustSize();
  return l;
}

}  // namespace

TApropos::TApropos(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("A propos"));
  setAccessibleName(QStringLiteral("A propos"));
  setFixedSize(209, 242);
  poser(this, Role::glisser);

  Image1 = new QLabel(this);
  Image1->setGeometry(8, 0, 185, 113);
  Image1->setPixmap(QPixmap(QStringLiteral(":/apropos.jpg")));
  Image1->setScaledContents(true);
  Image1->setAccessibleName(QStringLiteral("Quadrel"));
  Label1 = etiquette(this, QStringLiteral("Quadrel"), {32, 96}, 29, "red");
  Label2 = etiquette(this, QStringLiteral("Fait pour la classe de maths"), {0, 136}, 16, "blue");
  Label3 = etiquette(this, QStringLiteral("par l'équipe Quadrel,"), {16, 160}, 15, "blue");
  Label4 = etiquette(this, QStringLiteral("libre et gratuit."), {72, 176}, 15, "blue");

  Timer1.setInterval(1500);
  Timer1.setSingleShot(true);
  connect(&Timer1, &QTimer::timeout, this, &TApropos::Timer1Timer);
}

// Showing it again while it is up does not restart the count.
void TApropos::FormShow() {
  if (const QScreen* ecran = QGuiApplication::primaryScreen())
    move(ecran->geometry().center() - QPoint(width() / 2, height() / 2));
  if (!Timer1.isActive()) Timer1.start();
}

void TApropos::Timer1Timer() {
  Timer1.stop();
  hide();
}

void TApropos::showEvent(QShowEvent*) {
  FormShow();
}
