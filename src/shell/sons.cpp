#include "shell/sons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace sons {
namespace {

QStringList& demandes() {
  static QStringList l;
  return l;
}

// One effect per file, kept for the run: loading is the slow part.
QSoundEffect* effet(const QString& chemin) {
  static QHash<QString, QSoundEffect*> effets;
  auto it = effets.find(chemin);
  if (it != effets.end()) return *it;
  auto* e = new QSoundEffect(QCoreApplication::instance());
  e->setSource(QUrl::fromLocalFile(chemin));
  effets.insert(chemin, e);
  return e;
}

}  // namespace

void precharger() {
  for (const char* nom : {"click.wav", "copie.wav", "fin.wav"}) {
    const QString chemin = QDir::current().absoluteFilePath(QString::fromLatin1(nom));
    if (QFileInfo::exists(chemin)) effet(chemin);
  }
}

void jouer(const QString& nom) {
  demandes().append(nom);
  const QString chemin = QDir::current().absoluteFilePath(nom);
  if (!QCoreApplication::instance() || !QFileInfo::exists(chemin)) return;
  effet(chemin)->play();
}

const QStringList& journal() {
  return demandes();
}
void viderjournal() {
  demandes().clear();
}

}  // namespace sons
