// 4x4 matrices as GL keeps them (column-major), and a replay of the matrix commands of a
// DrawList: tells where a builder's geometry really lands.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "view/drawlist.h"

namespace quadrel {

struct Mat4 {
  std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

  static Mat4 translation(double x, double y, double z);
  static Mat4 rotation(double degrees, double x, double y, double z);  // as glRotate
  static Mat4 scaling(double x, double y, double z);
  static Mat4 lookAt(const Vec3& eye, const Vec3& centre, const Vec3& up);  // as gluLookAt

  Mat4 operator*(const Mat4& o) const;
  Vec3 point(const Vec3& p) const;      // w = 1
  Vec3 direction(const Vec3& v) const;  // w = 0
};

// Follows the model-view stack through a DrawList. Other matrix modes are ignored, and a
// list starts from the identity (as a display list replayed under a given matrix does).
class MatrixTracker {
 public:
  void apply(const DrawList& d, const Command& c);
  // The model-view matrix in force just before command `upto`.
  static Mat4 at(const DrawList& d, std::size_t upto);
  const Mat4& current() const { return stack_.back(); }
  std::size_t depth() const { return stack_.size(); }

 private:
  void multiply(const Mat4& m) { stack_.back() = stack_.back() * m; }
  std::vector<Mat4> stack_{Mat4{}};
  bool modelview_ = true;
};

}  // namespace quadrel
