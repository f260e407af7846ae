// One frame of the sheet as recorded GL commands: state from the render options, camera,
// the axes unclipped, the clip box, then the opaque and transparent passes in their order.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "view/drawlist.h"
#include "view/scene.h"

namespace quadrel {

// What the frame calls out to; the shell sets them so that the view depends on no dialog.
// An unset hook does nothing.
struct FrameHooks {
  // The section dialog re-reads itself, rebuilds the current section list (compiling it
  // at once), sets typesection and moves the free point onto the plane.
  std::function<void(Scene&)> appelplan;
  // Recomputes pointz from the accepted formula at (pointx, pointy); NaN where it is
  // undefined, and M is then not drawn.
  std::function<void(Scene&)> hauteurpoint;
  // Draws the solid of typequadrique for this pass; called only with equal graduations and
  // typequadrique in 1..9, after the frame set colour, material, polygon mode and plein.
  std::function<void(const Scene&, DrawList&, bool transparent)> dessinesolide;
};

struct Frame {
  DrawList commands;
  std::optional<std::string> caption;  // the sheet's new caption, when the point is shown
};

// Builds the frame. Writes plein, pointz (through the hook) and, through appelplan,
// whatever the section dialog writes. The caller holds `dessinencours` (GardeDessin) and
// swaps the buffers; the frame itself does not test the flag.
Frame buildFrame(Scene& s, const FrameHooks& hooks = {});

// v rounded to three decimals (halves to even), shortest form, "." as separator.
std::string texte3(double v);
// "M(x;y;z)" with the height in user units; "?" for an undefined height.
std::string captionPoint(const Scene& s);

}  // namespace quadrel
