// What a teacher sets up, as one plain value: the frame, the function, the render options,
// the solid, the section and the free point. It is copied, compared and replaced whole
// (lessons, undo, the animation of k); nothing in it belongs to GL, a widget or a frame
// being drawn. The names inside each group are the program's own names for that state.
//
// The groups are bases of Modele, so a field is read as `m.xmin` wherever the group is
// known, and a builder's inputs record made of the groups it reads cannot reach any other.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "parsor.h"  // extended, expr::CompiledFormula

namespace quadrel {

// A number typed into a solid or free-point field: may be empty, read as 0 then.
using Variant = std::optional<extended>;
inline extended valeur(const Variant& v) {
  return v.value_or(0.0L);
}

// The frame dialog's three radio buttons.
enum class TypeRepere {
  axes,    // reperetype1: axes with ticks, arrows and names
  grille,  // reperetype2: grid on the back faces of the box
  masque,  // maskrepere: nothing drawn for the frame
};

// A field's state, shown by its colour.
enum class EtatChamp {
  attente,  // blue: typed, or cleared, not checked yet
  accepte,  // black: accepted
  refuse,   // red: refused
};

// The frame, user units; graduation = user units per drawing unit.
struct Repere {
  extended xmin = -4, xmax = 4;
  extended ymin = -4, ymax = 4;
  extended zmin = -4, zmax = 4;
  extended gradx = 1, grady = 1, gradz = 1;
  TypeRepere typerepere = TypeRepere::axes;
  bool operator==(const Repere&) const = default;
};

// The function: the formula field's text (Latin-1), its state and the precision (3..12).
struct Fonction {
  std::string formule;
  EtatChamp etatformule = EtatChamp::attente;
  int precision = 3;
  // The formula as last accepted, compiled once then (null: none, or it does not compile):
  // what the builders evaluate, and ask whether it uses x, y or random draws. Two models
  // are equal only when they hold the very same program.
  std::shared_ptr<const expr::CompiledFormula> programme;
  bool operator==(const Fonction&) const = default;
};

// The check boxes of the render options dialog.
struct OptionsRendu {
  bool eclairage = true;
  bool aliasing = false;
  bool brouillard = false;
  bool rendu3d = true;
  bool foncblanc = false;
  bool niveauxy = true;
  bool niveauz = true;
  bool transpsurf = false;
  bool transplan = false;
  bool transquad = false;
  bool voirplan = true;
  bool coupeplan = true;
  bool intersections = true;
  bool operator==(const OptionsRendu&) const = default;
};

// The solid: typequadrique 0 none, 1 sphere, 2 cube, 3..5 cylinder, 6..8 cone, 9 pyramid.
struct Solide {
  int typequadrique = 0;
  bool quadriqueok = false;
  Variant solx, soly, solz, soltaille;
  bool operator==(const Solide&) const = default;
};

// The section dialog's controls, which the section on the sheet follows as they are
// (texts in Latin-1), and whether the dialog is shown.
struct Section {
  std::array<std::string, 6> formules;  // Edit1 .. Edit6: x, y, z, then a, b, c
  std::array<bool, 6> actives{true, false, false, false, false, false};
  std::string kmin = "-4", kmax = "4";
  int position = 0, maximum = 40;  // the track bar valk
  // k itself, a real number: the track bar puts it on its positions, the animation anywhere
  // between kmin and kmax.
  extended k = -4;
  bool choixsectionVisible = false;
  // Section drawn: 0 none, 1 x = k, 2 y = k, 3 z = k, 4 general plane.
  int typesection = 0;
  bool operator==(const Section&) const = default;
};

// The free point: pointx, pointy user units; pointz drawing units.
struct PointLibre {
  double pointx = 0;
  double pointy = 0;
  double pointz = 0;
  bool pointlibreVisible = false;  // the free point dialog is shown
  bool operator==(const PointLibre&) const = default;
};

struct Modele : Repere, Fonction, OptionsRendu, Solide, Section, PointLibre {
  bool operator==(const Modele&) const = default;
};

// How the scene is looked at, in single floats as the mouse arithmetic works in them.
// Turning the view changes no lesson.
struct Vue {
  float inclinaison = 0;  // degrees about (-1, 1, 0)
  float rotz = 0;         // degrees about z, applied negated
  float zoom = 0.75f;
  float decaly = 0;  // drawing units
  float decalz = 0;
  bool operator==(const Vue&) const = default;
};

// A dialog's field as shown: its text (Latin-1) and its state. A field typed but not yet
// accepted is pending beside the value the sheet draws.
struct ChampTexte {
  std::string texte;
  EtatChamp etat = EtatChamp::attente;
  bool operator==(const ChampTexte&) const = default;
};

// Every dialog's fields as shown, by "dialog/field" (e.g. "fonction3d/Edit1"): the second
// small value beside the model, saved with it and put back by undo.
using Champs = std::map<std::string, ChampTexte>;

// A surface exists exactly when the formula field is in the accepted state.
inline bool fonctionvalide(const Fonction& f) {
  return f.etatformule == EtatChamp::accepte;
}

}  // namespace quadrel
