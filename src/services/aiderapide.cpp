#include "services/aiderapide.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>

#include "services/curseurs.h"
#include "services/dialog_base.h"
#include "services/sons.h"

namespace {
constexpr int kLargeur = 257, kHauteur = 161, kRayon = 16;
}

TAiderapide::TAiderapide(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Aide"));
  setAccessibleName(QStringLiteral("Aide"));
  setFixedSize(kLargeur, kHauteur);
  setAttribute(Qt::WA_ShowWithoutActivating);
  // Only the rounded panel is seen: the window is cut to its shape, which needs no
  // compositing manager.
  QPainterPath forme;
  forme.addRoundedRect(QRectF(0, 0, kLargeur, kHauteur), kRayon, kRayon);
  setMask(QRegion(forme.toFillPolygon().toPolygon()));

  helptext = new QTextEdit(this);
  helptext->setObjectName(QStringLiteral("helptext"));
  helptext->setAccessibleName(QStringLiteral("Aide"));
  helptext->setGeometry(8, 16, 241, 129);
  helptext->setReadOnly(true);
  helptext->setFocusPolicy(Qt::NoFocus);
  helptext->setTextInteractionFlags(Qt::NoTextInteraction);
  helptext->setFrameStyle(QFrame::NoFrame);
  helptext->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont police(QStringLiteral("Comic Sans MS"));
  police.setPixelSize(12);
  police.setBold(true);
  helptext->setFont(police);
  helptext->setStyleSheet(QStringLiteral("QTextEdit { background: white; color: blue; }"));
  helptext->viewport()->installEventFilter(this);

  Timer1.setInterval(4000);
  connect(&Timer1, &QTimer::timeout, this, &TAiderapide::Timer1Timer);
  poser(this, Role::aide);
  poser(helptext->viewport(), Role::aide);
}

void TAiderapide::montrer(const QString& texte) {
  hide();
  show();
  helptext->setPlainText(texte);
}

// Left of the mouse, vertically centred on it, and on the screen whole (a button pressed by
// keyboard or by a screen reader leaves the pointer anywhere, by a screen's edge too); a
// running count is not restarted, so a new text shown meanwhile goes when the first 4 s
// are up.
void TAiderapide::FormShow() {
  const QPoint souris = QCursor::pos();
  QPoint place(souris.x() - width() - 20, souris.y() - height() / 2);
  if (const QScreen* ecran = QGuiApplication::screenAt(souris))
    place = dedans(ecran->availableGeometry(), place, size());
  if (pos() != place) move(place);
  if (!Timer1.isActive()) Timer1.start();
}

void TAiderapide::Timer1Timer() {
  Timer1.stop();
  hide();
}

void TAiderapide::FormClick() {
  hide();
  Timer1.stop();
  sons::jouer(QStringLiteral("click.wav"));
}

void TAiderapide::helptextMouseDown() {
  FormClick();
}

void TAiderapide::showEvent(QShowEvent*) {
  FormShow();
}
void TAiderapide::hideEvent(QHideEvent*) {
  FormShow();
}
void TAiderapide::closeEvent(QCloseEvent*) {
  Timer1.stop();
}
void TAiderapide::mousePressEvent(QMouseEvent*) {
  FormClick();
}

void TAiderapide::paintEvent(QPaintEvent*) {
  FormShow();
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::blue, 5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(2.5, 2.5, width() - 5, height() - 5), kRayon, kRayon);
}

bool TAiderapide::eventFilter(QObject* o, QEvent* e) {
  if (o == helptext->viewport() && e->type() == QEvent::MouseButtonPress) {
    helptextMouseDown();
    return true;
  }
  return QWidget::eventFilter(o, e);
}
