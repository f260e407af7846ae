// The one scene every dialog writes, every builder reads and the frame replays.
// A plain record: the field names are the program's own names for that state.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "parsor.h"  // extended
#include "view/modele.h"

namespace quadrel {

// a·x + b·y + c·z + d >= 0 keeps a point, in the coordinates in force when the plane is set
using ClipPlane = std::array<double, 4>;

// The model and the view, with what the sheet and the frame still keep beside them.
struct Scene : Modele, Vue {
  // Mouse: last position in client pixels; modesouris 0 idle, 1 turning, 2 panning.
  int sourisx = 0;
  int sourisy = 0;
  int modesouris = 0;

  // Clip planes of the frame box, in drawing units. The upper ones are installed under a
  // half turn, so they are stored in the same form as the lower ones.
  ClipPlane clipxmin{1, 0, 0, 4.001};
  ClipPlane clipxmax{1, 0, 0, 4.001};
  ClipPlane clipymin{0, 1, 0, 4.001};
  ClipPlane clipymax{0, 1, 0, 4.001};
  ClipPlane clipzmin{0, 0, 1, 4.001};
  ClipPlane clipzmax{0, 0, 1, 4.001};

  // Set while a frame is being drawn; a nested frame returns at once.
  bool dessinencours = false;
};

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
