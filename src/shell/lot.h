// The command line: the batch modes that need no display (a lesson's picture or mesh),
// --help and --version, or the lesson to open in the window.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace quadrel {

// Largest side of a picture drawn, in pixels.
inline constexpr int kCoteImageMax = 8000;

struct LigneDeCommande {
  enum class Mode { fenetre, aide, version, image, maillage } mode = Mode::fenetre;
  QString lecon;                 // the lesson to open or to draw
  QString sortie;                // -o
  int largeur = 0, hauteur = 0;  // --size; 0: the sheet's size
  bool ferme = false;            // --closed
  double echelle = 10;           // --scale, millimetres per unit
};

// The arguments after the program's name; nullopt with the French reason in `erreur`.
std::optional<LigneDeCommande> lireLigne(const std::vector<std::string>& arguments,
                                         std::string& erreur);

// A scale in millimetres per unit, as --scale and the window's mesh export take it: a
// number, greater than 0, at most a million. False leaves `v` as it was.
bool lireEchelle(const std::string& texte, double& v);

// The usage text of --help (UTF-8).
std::string texteAide();

// Runs a batch mode (image, maillage) in the QGuiApplication the caller made; the exit code.
// Writes nothing on failure, and says why on stderr.
int executerLot(const LigneDeCommande& l);

}  // namespace quadrel
