#include "shell/chemins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString dossierRessources(const QString& bindir) {
  const QString partage = QDir::cleanPath(bindir + QStringLiteral("/../share/quadrel"));
  return QFileInfo(partage).isDir() ? partage : bindir;
}

QString dossierRessources() {
  return dossierRessources(QCoreApplication::applicationDirPath());
}
