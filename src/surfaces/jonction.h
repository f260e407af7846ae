// Joining the points of the level lines: each point is linked to at most two nearest
// points of the same level, which turns the scattered roots into polylines.
#pragma once

#include <utility>
#include <vector>

namespace quadrel {

// One root of f(x, y) = z, user units.
struct PointNiveau {
  double x = 0, y = 0, z = 0;
};

// Index pair (0-based) of one emitted segment, in emission order.
using Segment = std::pair<int, int>;

// For each point in table order, two attempts: link it to the nearest point of the same
// level (exact z), closer than the no-neighbour marker at (10000, 10000) and with squared
// xy distance below `seuil`, not linked to it yet, with a free link of its own, and, for a
// point's second link, not on the side of its first partner (for either point); ties go
// to the earlier point. Points within reach are looked up in a grid whose cells are as wide
// as the reach, so the result is the same as scanning the whole table for every point.
std::vector<Segment> joinLevelPoints(const std::vector<PointNiveau>& points, double seuil);

}  // namespace quadrel
