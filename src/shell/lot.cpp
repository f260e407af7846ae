#include "shell/lot.h"

#include <QByteArray>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <variant>

#include "shell/dessin_lecon.h"
#include "shell/fichier_lecon.h"
#include "view/camera.h"

namespace quadrel {

namespace {

bool lireTaille(const std::string& t, int& l, int& h) {
  const std::size_t x = t.find('x');
  if (x == std::string::npos) return false;
  const char* debut = t.data();
  auto a = std::from_chars(debut, debut + x, l);
  auto b = std::from_chars(debut + x + 1, debut + t.size(), h);
  return a.ec == std::errc() && a.ptr == debut + x && b.ec == std::errc() &&
         b.ptr == debut + t.size() && l > 0 && h > 0 && l <= kCoteImageMax && h <= kCoteImageMax;
}

void dire(const std::string& message) {
  std::fprintf(stderr, "quadrel : %s\n", message.c_str());
}

}  // namespace

bool lireEchelle(const std::string& t, double& v) {
  double lu = 0;
  auto r = std::from_chars(t.data(), t.data() + t.size(), lu);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(lu) || lu <= 0 ||
      lu > 1e6)
    return false;
  v = lu;
  return true;
}

std::optional<LigneDeCommande> lireLigne(const std::vector<std::string>& a, std::string& erreur) {
  LigneDeCommande l;
  using M = LigneDeCommande::Mode;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& o = a[i];
    const bool suivant = i + 1 < a.size();
    if (o == "--help" || o == "-h") {
      l.mode = M::aide;
    } else if (o == "--version") {
      l.mode = M::version;
    } else if ((o == "--snapshot" || o == "--stl") && suivant) {
      l.mode = o == "--stl" ? M::maillage : M::image;
      l.lecon = QString::fromLocal8Bit(a[++i]);
    } else if (o == "-o" && suivant) {
      l.sortie = QString::fromLocal8Bit(a[++i]);
    } else if (o == "--size" && suivant) {
      if (!lireTaille(a[++i], l.largeur, l.hauteur)) {
        erreur = "taille « " + a[i] + " » illisible : LxH attendu, de 1 à 8000 pixels de côté.";
        return std::nullopt;
      }
    } else if (o == "--closed") {
      l.ferme = true;
    } else if (o == "--scale" && suivant) {
      if (!lireEchelle(a[++i], l.echelle)) {
        erreur = "échelle « " + a[i] + " » illisible : un nombre de millimètres positif attendu.";
        return std::nullopt;
      }
    } else if (!o.empty() && o[0] != '-' && l.lecon.isEmpty()) {
      l.lecon = QString::fromLocal8Bit(o);
    } else {
      erreur = "option « " + o + " » inconnue ou incomplète (quadrel --help).";
      return std::nullopt;
    }
  }
  if ((l.mode == M::image || l.mode == M::maillage) && l.sortie.isEmpty()) {
    erreur = "il manque le fichier de sortie (-o).";
    return std::nullopt;
  }
  return l;
}

std::string texteAide() {
  return "Usage : quadrel [LEÇON.quadrel]\n"
         "        quadrel --snapshot LEÇON.quadrel -o IMAGE.png [--size LxH]\n"
         "        quadrel --stl LEÇON.quadrel -o MAILLAGE.stl [--closed] [--scale MM]\n"
         "\n"
         "  --snapshot  dessine la leçon dans une image PNG, sans écran\n"
         "  --size      taille de l'image en pixels (par défaut celle de la feuille)\n"
         "  --stl       écrit la surface et le solide montrés en STL binaire\n"
         "  --closed    un solide fermé pour l'impression 3D (entre z = zmin et la surface)\n"
         "  --scale     millimètres par unité (10 par défaut)\n"
         "  --help      cette aide\n"
         "  --version   la version\n";
}

int executerLot(const LigneDeCommande& l) {
  const auto lue = lireFichierLecon(l.lecon, Lecon{});
  if (const auto* e = std::get_if<ErreurLecon>(&lue)) {
    dire(e->message);
    return 2;
  }
  const Lecon& lecon = std::get<LeconLue>(lue).lecon;
  QByteArray octets;
  if (l.mode == LigneDeCommande::Mode::maillage) {
    const std::vector<unsigned char> stl = stlDe(lecon.modele, l.ferme, l.echelle);
    if (stl.empty()) {
      dire("la leçon ne montre ni surface ni solide : aucun maillage à écrire.");
      return 3;
    }
    octets = QByteArray(reinterpret_cast<const char*>(stl.data()), qsizetype(stl.size()));
  } else {
    const SheetSize s = sheetSize(1280, 1024);
    const QSize taille = l.largeur > 0 ? QSize(l.largeur, l.hauteur) : QSize(s.width, s.height);
    // The projection spans the height: that is the picture's scale against the sheet.
    OptionsImage options;
    options.echelle = double(taille.height()) / s.height;
    std::string erreur;
    const QImage image = imageSansEcran(sceneDe(lecon), taille, erreur, options);
    if (image.isNull()) {
      dire("l'image ne peut pas être dessinée : " + erreur);
      return 3;
    }
    octets = enPng(image);
    if (octets.isEmpty()) {
      dire("l'image ne peut pas être codée en PNG.");
      return 3;
    }
  }
  QString erreur;
  if (!ecrireFichier(l.sortie, {octets.constData(), std::size_t(octets.size())}, erreur)) {
    dire(erreur.toStdString());
    return 4;
  }
  return 0;
}

}  // namespace quadrel
