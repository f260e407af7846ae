#include "shell/fichier_lecon.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quadrel {

std::variant<LeconLue, ErreurLecon> lireFichierLecon(const QString& chemin, const Lecon& defauts) {
  const QFileInfo info(chemin);
  if (!info.exists())
    return ErreurLecon{"", "Le fichier « " + chemin.toStdString() + " » n'existe pas."};
  if (info.isDir())
    return ErreurLecon{"", "« " + chemin.toStdString() + " » est un dossier, pas une leçon."};
  if (info.size() > qint64(kTailleLeconMax))
    return ErreurLecon{"", "Ce fichier n'est pas une leçon : il dépasse 1 Mio."};
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly))
    return ErreurLecon{"", "Le fichier « " + chemin.toStdString() +
                               " » ne peut pas être lu : " + f.errorString().toStdString() + "."};
  // Read one byte past the limit, in case the file grew since it was measured.
  const QByteArray octets = f.read(qint64(kTailleLeconMax) + 1);
  return lireLecon(std::string_view(octets.constData(), std::size_t(octets.size())), defauts);
}

bool ecrireFichier(const QString& chemin, std::string_view octets, QString& erreur) {
  QSaveFile f(chemin);
  if (!f.open(QIODevice::WriteOnly) ||
      f.write(octets.data(), qint64(octets.size())) != qint64(octets.size()) || !f.commit()) {
    erreur = QStringLiteral("Le fichier « %1 » ne peut pas être écrit : %2.")
                 .arg(chemin, f.errorString());
    return false;
  }
  return true;
}

}  // namespace quadrel
