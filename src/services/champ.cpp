#include "services/champ.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <optional>

#include "matutil.h"
#include "program.h"

namespace champ {

namespace {

const QColor kFondRefus{255, 170, 170};
constexpr int kDureeRefus = 600;  // ms of red after a refused paste
const char* const kPropFond = "champFondAvantRefus";
const char* const kPropRefus = "champRefus";

// Nesting depth of the program's own writes (ecrire): those are not judged.
int ecritures = 0;

void ecrireSansJuger(QLineEdit* champ, const QString& texte) {
  ++ecritures;
  champ->setText(texte);
  --ecritures;
}

// One per filtered field, owned by it.
class Filtre : public QObject {
 public:
  Filtre(QLineEdit* champ, Regle regle, Touche touche)
      : QObject(champ),
        champ_(champ),
        regle_(std::move(regle)),
        touche_(std::move(touche)),
        texte_(champ->text()) {
    connect(champ, &QLineEdit::textChanged, this, &Filtre::change);
  }

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
        return c != 0 && !taper(c);
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
        const QString t = static_cast<QInputMethodEvent*>(e)->commitString();
        if (t.isEmpty()) return false;
        // One character is a key typed through the input method; more is a paste.
        return t.size() == 1 ? !taper(t.front().unicode()) : coller(t);
      }
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        auto* d = static_cast<QDropEvent*>(e);
        if (d->mimeData()->hasText()) d->acceptProposedAction();
        return true;
      }
      case QEvent::Drop: {
        auto* d = static_cast<QDropEvent*>(e);
        champ_->deselect();
        champ_->setCursorPosition(champ_->cursorPositionAt(d->position().toPoint()));
        coller(d->mimeData()->text());
        d->setDropAction(Qt::CopyAction);
        d->accept();
        return true;
      }
      default:
        return false;
    }
  }

 private:
  QChar ecrit(QChar c) const { return regle_.orthographe ? regle_.orthographe(c) : c; }
  bool tient(const QString& t) const {
    if (regle_.tient) return regle_.tient(t);
    return normalise(latin1(t)).size() <= quadrel::expr::kMaxFormulaLength;
  }

  // A key: a character the rule refuses, or one that would make the text too long, is
  // dropped without a sign, as any key the field cannot take; Enter, Backspace and the
  // other control keys go to the dialog's handler.
  bool taper(char16_t c) {
    const bool controle = c < 32 || c == 127;
    if (!controle && (!regle_.jeu.contains(QChar(c)) || !tient(apres(champ_, ecrit(c)))))
      return false;
    return touche_(c);
  }

  // The text `colle` as the field writes it, or nothing when a character of it is refused.
  // The line end a copied line often carries is not part of it.
  std::optional<QString> lire(QString colle) const {
    while (colle.endsWith(u'\n') || colle.endsWith(u'\r')) colle.chop(1);
    for (QChar& c : colle) {
      if (!regle_.jeu.contains(c)) return std::nullopt;
      c = ecrit(c);
    }
    return colle;
  }

  bool coller(const QString& texte) {
    const std::optional<QString> t = lire(texte);
    QString apres = champ_->text();
    if (t) {
      const int debut =
          champ_->hasSelectedText() ? champ_->selectionStart() : champ_->cursorPosition();
      apres.replace(debut, int(champ_->selectedText().size()), *t);
    }
    if (!t || !tient(apres)) {
      refuser(champ_);
      return true;
    }
    if (!t->isEmpty()) champ_->insert(*t);  // emits textEdited, as typing does
    return true;
  }

  // setText clears the modified flag: a change that leaves it clear and was not the
  // program's own came from outside, and is judged on what it adds, as a paste.
  void change(const QString& t) {
    if (ecritures > 0 || champ_->isModified()) {
      texte_ = t;
      return;
    }
    const std::optional<QString> admis = champ_->isEnabled() ? juger(t) : std::nullopt;
    if (!admis) {
      ecrireSansJuger(champ_, texte_);
      refuser(champ_);
      return;
    }
    if (*admis != t) ecrireSansJuger(champ_, *admis);
    texte_ = *admis;
    emit champ_->textEdited(texte_);  // the dialog takes it as typed: pending
  }

  std::optional<QString> juger(const QString& t) const {
    const QString& avant = texte_;
    qsizetype debut = 0;
    while (debut < avant.size() && debut < t.size() && avant[debut] == t[debut]) ++debut;
    qsizetype fin = 0;
    while (fin < avant.size() - debut && fin < t.size() - debut &&
           avant[avant.size() - 1 - fin] == t[t.size() - 1 - fin])
      ++fin;
    const QString ajout = t.mid(debut, t.size() - debut - fin);
    if (ajout.isEmpty()) return t;
    const std::optional<QString> lu = lire(ajout);
    if (!lu || lu->size() != ajout.size()) return std::nullopt;
    const QString apres = t.left(debut) + *lu + t.right(fin);
    if (!tient(apres)) return std::nullopt;
    return apres;
  }

  QLineEdit* champ_;
  Regle regle_;
  Touche touche_;
  QString texte_;  // the text as last accepted
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

void filtrer(QLineEdit* champ, Regle regle, Touche touche) {
  champ->setContextMenuPolicy(Qt::NoContextMenu);
  champ->setAcceptDrops(true);
  champ->installEventFilter(new Filtre(champ, std::move(regle), std::move(touche)));
}

void ecrire(QLineEdit* champ, const QString& texte) {
  ecrireSansJuger(champ, texte);
}

void refuser(QLineEdit* champ) {
  QApplication::beep();
  champ->setProperty(kPropRefus, refus(champ) + 1);
  QPalette p = champ->palette();
  if (!refuse(champ)) champ->setProperty(kPropFond, p.color(QPalette::Base));
  p.setColor(QPalette::Base, kFondRefus);
  champ->setPalette(p);
  // Only the background is restored: the text colour may have changed meanwhile.
  QTimer::singleShot(kDureeRefus, champ, [champ] {
    if (!refuse(champ)) return;
    QPalette q = champ->palette();
    q.setColor(QPalette::Base, champ->property(kPropFond).value<QColor>());
    champ->setPalette(q);
    champ->setProperty(kPropFond, QVariant());
  });
}

bool refuse(const QLineEdit* champ) {
  return champ->property(kPropFond).isValid();
}

int refus(const QLineEdit* champ) {
  return champ->property(kPropRefus).toInt();
}

QString apres(const QLineEdit* champ, QChar c) {
  QString t = champ->text();
  if (champ->hasSelectedText())
    t.replace(champ->selectionStart(), champ->selectedText().size(), c);
  else
    t.insert(champ->cursorPosition(), c);
  return t;
}

QString etat(const QColor& c) {
  if (c == bleu) return QStringLiteral("en attente");
  if (c == noir) return QStringLiteral("accepté");
  if (c == rouge) return QStringLiteral("refusé");
  return {};
}

// The colour says the state; the words say it too, to a screen reader (description) and to
// a pupil who does not tell the colours apart (tooltip).
void colorer(QLineEdit* champ, const QColor& c) {
  QPalette p = champ->palette();
  p.setColor(QPalette::Text, c);
  champ->setPalette(p);
  const QString mots = etat(c);
  champ->setAccessibleDescription(mots);
  champ->setToolTip(mots);
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
