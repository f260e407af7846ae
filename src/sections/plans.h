// The sections by the vertical planes x = k, y = k and y = m·x + p: the green plane, its
// small frame, the curve where it cuts the surface and, for x and y, the solid's section.
#pragma once

#include <optional>
#include <string>

#include "parsor.h"
#include "sections/entrees_plan.h"
#include "view/drawlist.h"

namespace quadrel {

// Contents of listeplanx for the plane x = k (user units).
DrawList buildPlanX(const EntreesPlan& s, extended k);
// Contents of listeplany for the plane y = k.
DrawList buildPlanY(const EntreesPlan& s, extended k);
// Contents of listeplanxy for the plane y = ligne(x), the line a formula in x in engine
// notation, evaluated with z = k. nullopt when the line cannot be evaluated at xmin or
// xmax: the list keeps what it held.
std::optional<DrawList> buildPlanXY(const EntreesPlan& s, const std::string& ligne, extended k);

// Most samples the general plane's curve takes.
inline constexpr int kMaxEchantillonsXY = 4998;

}  // namespace quadrel
