#include "services/dialog_base.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

const QColor DialogBase::kCreme(255, 251, 240);

DialogBase::DialogBase(quadrel::Scene& s, DialogHost& h, QWidget* parent, const QString& nom,
                       const QString& titre, Qt::WindowFlags autres)
    : QWidget(parent,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint | autres),
      scene(s),
      hote(h) {
  setObjectName(nom);
  setWindowTitle(titre);
  setAccessibleName(titre);
  QPalette p = palette();
  p.setColor(QPalette::Window, kCreme);
  setPalette(p);
  setAutoFillBackground(true);
}

QSize DialogBase::sizeHint() const {
  return minimumSize() == maximumSize() ? minimumSize() : QWidget::sizeHint();
}

QString DialogBase::texteaide(const QObject*) const {
  return {};
}

void DialogBase::ranger() {
  hote.fermer(this);
  hide();  // also without a main window
}

QWidget* DialogBase::cadre() {
  return ::cadre(this);
}

QRect DialogBase::zonevisible() {
  QWidget* c = cadre();
  if (c != this && c->parentWidget()) return c->parentWidget()->rect();
  const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
  return ecran ? ecran->availableGeometry() : QRect();
}

QSize DialogBase::taillecadre() {
  QWidget* c = cadre();
  return c == this || c->isVisible() ? c->size() : c->sizeHint();
}

void DialogBase::placer(QPoint p) {
  cadre()->move(dedans(zonevisible(), p, taillecadre()));
}

void DialogBase::centrer() {
  const QRect z = zonevisible();
  const QSize t = taillecadre();
  placer({z.x() + (z.width() - t.width()) / 2, z.y() + (z.height() - t.height()) / 2});
}

void DialogBase::placerdroite() {
  const QRect z = zonevisible();
  placer({z.right() + 1 - taillecadre().width() - 10, hote.cadrefeuille().y() + 40});
}

void DialogBase::aidesurclic(QWidget* w) {
  w->installEventFilter(this);
}

void DialogBase::focussurvol(QWidget* w) {
  w->setMouseTracking(true);
  survoles_.append(w);
  w->installEventFilter(this);
}

void DialogBase::boutongo(QPushButton* b) {
  gos_.append(b);
  b->installEventFilter(this);
}

// Qt presses a button on Enter only inside its own dialog class; this one never does.
void DialogBase::boutonpoubelle(QPushButton* b) {
  b->setAutoDefault(false);
  b->setDefault(false);
}

void DialogBase::clicdroit(const QObject* o) {
  const QString t = texteaide(o);
  if (!t.isEmpty()) hote.aide(t);
}

bool DialogBase::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
    clicdroit(o);
  } else if ((e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) &&
             survoles_.contains(o)) {
    // The sheet keeps the keyboard once given it: the view still turns by keys while the
    // mouse crosses a dialog.
    const QWidget* ici = QApplication::focusWidget();
    if (!ici || !ici->property(kGardeFocus).toBool()) static_cast<QWidget*>(o)->setFocus();
  } else if (e->type() == QEvent::KeyPress && gos_.contains(o)) {
    // A held Enter validates the last field, then must not apply as well.
    const auto* k = static_cast<QKeyEvent*>(e);
    if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && !k->isAutoRepeat()) {
      auto* b = static_cast<QPushButton*>(o);
      if (b->isEnabled()) b->click();
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

void DialogBase::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void DialogBase::closeEvent(QCloseEvent* e) {
  FormClose();
  // Hidden, never destroyed: the child window that holds it must not go either.
  e->ignore();
}

void DialogBase::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) clicdroit(this);
  QWidget::mousePressEvent(e);
}

QWidget* cadre(QWidget* w) {
  if (!w) return nullptr;
  if (auto* s = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return s;
  return w;
}

QPoint dedans(const QRect& z, QPoint p, QSize t) {
  const int x = std::max(z.left(), std::min(p.x(), z.right() + 1 - t.width()));
  const int y = std::max(z.top(), std::min(p.y(), z.bottom() + 1 - t.height()));
  return {x, y};
}

void garderdedans(QWidget* c) {
  const QWidget* parent = c->isWindow() ? nullptr : c->parentWidget();
  if (!parent) return;
  const QPoint p = dedans(parent->rect(), c->pos(), c->size());
  if (p != c->pos()) c->move(p);
}
