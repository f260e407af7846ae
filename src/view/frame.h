// One frame of the sheet as recorded GL commands: state from the render options, camera,
// the axes unclipped, the clip box, then the opaque and transparent passes in their order.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "view/drawlist.h"
#include "view/entrees_solide.h"
#include "view/scene.h"

namespace quadrel {

// What the frame calls out to; the shell sets them so that the view depends on no solid.
// An unset hook does nothing.
struct FrameHooks {
  // Draws the solid of typequadrique for this pass; called only with equal graduations and
  // typequadrique in 1..9, after the frame set colour, material and polygon mode.
  std::function<void(const EntreesSolide&, DrawList&, bool transparent)> dessinesolide;
};

// The free point's ball, in drawing units.
inline constexpr double kRayonPoint = 0.2;

struct Frame {
  DrawList commands;
  std::optional<std::string> caption;  // the sheet's new caption, when the point is shown
};

// Builds the frame from the scene as it stands: the section (typesection, its cut) and the
// free point's height are brought up to the model before, by the sheet. The caller holds
// `dessinencours` (GardeDessin); the frame itself does not test the flag. `enmouvement`: one
// of a stream of frames, drawn with lines unsmoothed whatever the option says.
Frame buildFrame(const Scene& s, const FrameHooks& hooks = {}, bool enmouvement = false);

// v rounded to three decimals (halves to even), shortest form, "." as separator.
std::string texte3(double v);
// "M(x;y;z)" with the height in user units; "?" for an undefined height.
std::string captionPoint(const Scene& s);

}  // namespace quadrel
