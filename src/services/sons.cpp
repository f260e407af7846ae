#include "services/sons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace sons {
namespace {

QString& dossier_() {
  static QString d;
  return d;
}

QStringList& demandes() {
  static QStringList l;
  return l;
}

// One effect per file, kept for the run: loading is the slow part.
// Effects belong to the application and go with it.
QHash<QString, QSoundEffect*> effets;

QSoundEffect* effet(const QString& chemin) {
  auto it = effets.find(chemin);
  if (it != effets.end()) return *it;
  auto* e = new QSoundEffect(QCoreApplication::instance());
  e->setSource(QUrl::fromLocalFile(chemin));
  effets.insert(chemin, e);
  QObject::connect(e, &QObject::destroyed, [chemin] { effets.remove(chemin); });
  return e;
}

}  // namespace

void precharger(const QString& dossier) {
  dossier_() = dossier;
  for (const char* nom : {"click.wav", "copie.wav", "fin.wav"}) {
    const QString chemin = QDir(dossier).absoluteFilePath(QString::fromLatin1(nom));
    if (QFileInfo::exists(chemin)) effet(chemin);
  }
}

void jouer(const QString& nom) {
  demandes().append(nom);
  // No folder given yet: silence, rather than whatever the working folder holds.
  if (dossier_().isEmpty() || !QCoreApplication::instance()) return;
  const QString chemin = QDir(dossier_()).absoluteFilePath(nom);
  if (!QFileInfo::exists(chemin)) return;
  effet(chemin)->play();
}

const QStringList& journal() {
  return demandes();
}
void viderjournal() {
  demandes().clear();
}

}  // namespace sons
