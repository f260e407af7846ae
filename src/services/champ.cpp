#include "services/champ.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace champ {

namespace {

// One per filtered field, owned by it.
class Filtre : public QObject {
 public:
  Filtre(QLineEdit* champ, Touche touche) : QObject(champ), champ_(champ), touche_(touche) {}

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o != champ_) return false;
    switch (e->type()) {
      case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->matches(QKeySequence::Paste) ||
            (k->key() == Qt::Key_Insert && k->modifiers() == Qt::ShiftModifier))
          return coller(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        const char16_t c = caractere(k);
        return c != 0 && !touche_(c);
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(e)->button() != Qt::MiddleButton) return false;
        if (QGuiApplication::clipboard()->supportsSelection())
          coller(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
      case QEvent::InputMethod: {
        auto* m = static_cast<QInputMethodEvent*>(e);
        if (m->commitString().isEmpty()) return false;
        return coller(m->commitString());
      }
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
        e->ignore();
        return true;
      default:
        return false;
    }
  }

 private:
  // Typed one character at a time: control characters (line breaks included) type
  // nothing, so a paste never validates the field.
  bool coller(const QString& texte) {
    for (const QChar c : texte) {
      if (c.unicode() < 32 || c.unicode() == 127) continue;
      if (touche_(c.unicode())) champ_->insert(QString(c));
    }
    return true;
  }

  QLineEdit* champ_;
  Touche touche_;
};

}  // namespace

char16_t caractere(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kEntree;
    case Qt::Key_Backspace:
      return kRetour;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return 0;
    default:
      break;
  }
  const QString t = e->text();
  return t.isEmpty() ? 0 : t.front().unicode();
}

void filtrer(QLineEdit* champ, Touche touche) {
  champ->setContextMenuPolicy(Qt::NoContextMenu);
  champ->setAcceptDrops(false);
  champ->installEventFilter(new Filtre(champ, std::move(touche)));
}

QString apres(const QLineEdit* champ, QChar c) {
  QString t = champ->text();
  if (champ->hasSelectedText())
    t.replace(champ->selectionStart(), champ->selectedText().size(), c);
  else
    t.insert(champ->cursorPosition(), c);
  return t;
}

void colorer(QLineEdit* champ, const QColor& c) {
  QPalette p = champ->palette();
  p.setColor(QPalette::Text, c);
  champ->setPalette(p);
}

QColor couleur(const QLineEdit* champ) {
  return champ->palette().color(QPalette::Text);
}

std::string latin1(const QString& s) {
  return s.toLatin1().toStdString();
}

QString depuislatin1(const std::string& s) {
  return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

}  // namespace champ
