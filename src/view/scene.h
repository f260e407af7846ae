// The one scene every dialog writes, every builder reads and the frame replays.
// A plain record: the field names are the program's own names for that state.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "parsor.h"  // extended

namespace quadrel {

// a·x + b·y + c·z + d >= 0 keeps a point, in the coordinates in force when the plane is set
using ClipPlane = std::array<double, 4>;

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

// State of the function dialog's formula field, shown by its colour.
enum class EtatChamp {
  attente,  // blue: typed, or cleared, not checked yet
  accepte,  // black: compiles; the only record that a surface exists
  refuse,   // red: does not compile
};

// Ids by which DrawList commands name the sheet's three GLU quadrics.
inline constexpr int kQuadPoint = 1;
inline constexpr int kQuadCyl = 2;
inline constexpr int kQuadCone = 3;

struct Scene {
  // Frame, user units; graduation = user units per drawing unit.
  extended xmin = -4, xmax = 4;
  extended ymin = -4, ymax = 4;
  extended zmin = -4, zmax = 4;
  extended gradx = 1, grady = 1, gradz = 1;
  TypeRepere typerepere = TypeRepere::axes;

  // View, single floats as the mouse arithmetic works in them.
  float inclinaison = 0;  // degrees about (-1, 1, 0)
  float rotz = 0;         // degrees about z, applied negated
  float zoom = 0.75f;
  float decaly = 0;  // drawing units
  float decalz = 0;

  // Mouse: last position in client pixels; modesouris 0 idle, 1 turning, 2 panning.
  int sourisx = 0;
  int sourisy = 0;
  int modesouris = 0;

  // Display list ids, handed out by the sheet's GL context (0: none yet).
  unsigned listeaxes = 0;
  unsigned listesurface = 0;
  unsigned listelignesx = 0;
  unsigned listelignesy = 0;
  unsigned listelignesz = 0;
  unsigned listeplanx = 0;
  unsigned listeplany = 0;
  unsigned listeplanz = 0;
  unsigned listeplanxy = 0;
  unsigned listepyramide = 0;
  unsigned basepolice = 0;  // glyph of byte c is list basepolice + c

  // Quadrics, by id (see kQuad...).
  int quadpoint = kQuadPoint;
  int quadcyl = kQuadCyl;
  int quadcone = kQuadCone;

  // Clip planes of the frame box, in drawing units. The upper ones are installed under a
  // half turn, so they are stored in the same form as the lower ones.
  ClipPlane clipxmin{1, 0, 0, 4.001};
  ClipPlane clipxmax{1, 0, 0, 4.001};
  ClipPlane clipymin{0, 1, 0, 4.001};
  ClipPlane clipymax{0, 1, 0, 4.001};
  ClipPlane clipzmin{0, 0, 1, 4.001};
  ClipPlane clipzmax{0, 0, 1, 4.001};

  // Solid: typequadrique 0 none, 1 sphere, 2 cube, 3..5 cylinder, 6..8 cone, 9 pyramid.
  int typequadrique = 0;
  bool quadriqueok = false;
  Variant solx, soly, solz, soltaille;
  bool plein = false;  // set by each solid pass: filled (true) or black wire

  // Section: 0 none, 1 x = k, 2 y = k, 3 z = k, 4 general plane.
  int typesection = 0;
  bool choixsectionVisible = false;  // the section dialog is shown

  // Free point: pointx, pointy user units; pointz drawing units.
  double pointx = 0;
  double pointy = 0;
  double pointz = 0;
  double rayonpoint = 0.2;
  bool pointlibreVisible = false;  // the free point dialog is shown

  // Shared sampling steps, user units; each builder sets them before use.
  extended pasx = 0;
  extended pasy = 0;

  // Render options (check boxes of the render options dialog).
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

  // Function: the formula field's text (Latin-1), its state and the precision (3..12).
  std::string formule;
  EtatChamp etatformule = EtatChamp::attente;
  int precision = 3;
  // The formula as last accepted, compiled once then (null: none, or it does not compile):
  // what the builders evaluate, and ask whether it uses x, y or random draws.
  std::shared_ptr<const expr::CompiledFormula> programme;

  // Set while a frame is being drawn; a nested frame returns at once.
  bool dessinencours = false;
};

// A surface exists exactly when the formula field is in the accepted state.
inline bool fonctionvalide(const Scene& s) {
  return s.etatformule == EtatChamp::accepte;
}

// Holds `dessinencours` for the length of a frame; releases it even when the frame throws.
// A guard taken while a frame is already running holds nothing: test it and return.
class GardeDessin {
 public:
  explicit GardeDessin(Scene& s) : scene_(s), tenu_(!s.dessinencours) {
    if (tenu_) scene_.dessinencours = true;
  }
  ~GardeDessin() {
    if (tenu_) scene_.dessinencours = false;
  }
  GardeDessin(const GardeDessin&) = delete;
  GardeDessin& operator=(const GardeDessin&) = delete;
  explicit operator bool() const { return tenu_; }

 private:
  Scene& scene_;
  bool tenu_;
};

}  // namespace quadrel
