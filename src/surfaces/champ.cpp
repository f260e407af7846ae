#include "surfaces/champ.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "shell/aiderapide.h"
#include "view/fenetres.h"

namespace champ {

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

void aide(const QString& texte) {
  if (TAiderapide* a = fenetres().Aiderapide) {
    a->hide();
    a->show();
    a->helptext->clear();
    a->helptext->setPlainText(texte);
  }
}

}  // namespace champ
