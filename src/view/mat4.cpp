#include "view/mat4.h"

#include <cmath>
#include <numbers>

#include "view/glconst.h"

namespace quadrel {

Mat4 Mat4::translation(double x, double y, double z) {
  Mat4 t;
  t.m[12] = x, t.m[13] = y, t.m[14] = z;
  return t;
}

Mat4 Mat4::scaling(double x, double y, double z) {
  Mat4 t;
  t.m[0] = x, t.m[5] = y, t.m[10] = z;
  return t;
}

Mat4 Mat4::rotation(double degrees, double x, double y, double z) {
  const double n = std::sqrt(x * x + y * y + z * z);
  Mat4 r;
  if (n == 0) return r;
  x /= n, y /= n, z /= n;
  const double a = degrees * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a), k = 1 - c;
  r.m = {x * x * k + c,
         y * x * k + z * s,
         x * z * k - y * s,
         0,
         x * y * k - z * s,
         y * y * k + c,
         y * z * k + x * s,
         0,
         x * z * k + y * s,
         y * z * k - x * s,
         z * z * k + c,
         0,
         0,
         0,
         0,
         1};
  return r;
}

static Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

static Vec3 normalised(const Vec3& v) {
  const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return n == 0 ? v : Vec3{v.x / n, v.y / n, v.z / n};
}

Mat4 Mat4::lookAt(const Vec3& eye, const Vec3& centre, const Vec3& up) {
  const Vec3 f = normalised({centre.x - eye.x, centre.y - eye.y, centre.z - eye.z});
  const Vec3 s = normalised(cross(f, up));
  const Vec3 u = cross(s, f);
  Mat4 r;
  r.m = {s.x, u.x, -f.x, 0, s.y, u.y, -f.y, 0, s.z, u.z, -f.z, 0, 0, 0, 0, 1};
  return r * translation(-eye.x, -eye.y, -eye.z);
}

Mat4 Mat4::operator*(const Mat4& o) const {
  Mat4 r;
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += m[k * 4 + row] * o.m[col * 4 + k];
      r.m[col * 4 + row] = sum;
    }
  return r;
}

Vec3 Mat4::point(const Vec3& p) const {
  return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
          m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
          m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

Vec3 Mat4::direction(const Vec3& v) const {
  return {m[0] * v.x + m[4] * v.y + m[8] * v.z, m[1] * v.x + m[5] * v.y + m[9] * v.z,
          m[2] * v.x + m[6] * v.y + m[10] * v.z};
}

void MatrixTracker::apply(const DrawList& d, const Command& c) {
  if (c.op == Op::MatrixMode) {
    modelview_ = c.i[0] == gl::MODELVIEW;
    return;
  }
  if (!modelview_) return;
  switch (c.op) {
    case Op::PushMatrix:
      stack_.push_back(stack_.back());
      break;
    case Op::PopMatrix:
      if (stack_.size() > 1) stack_.pop_back();
      break;
    case Op::LoadIdentity:
      stack_.back() = Mat4{};
      break;
    case Op::Translate:
      multiply(Mat4::translation(c.d[0], c.d[1], c.d[2]));
      break;
    case Op::Rotate:
      multiply(Mat4::rotation(c.d[0], c.d[1], c.d[2], c.d[3]));
      break;
    case Op::Scale:
      multiply(Mat4::scaling(c.d[0], c.d[1], c.d[2]));
      break;
    case Op::MultMatrix:
      multiply(Mat4{d.matrix(c)});
      break;
    case Op::LookAt:
      multiply(Mat4::lookAt({c.d[0], c.d[1], c.d[2]}, {c.d[3], c.d[4], c.d[5]},
                            {c.d[6], c.d[7], c.d[8]}));
      break;
    default:
      break;
  }
}

Mat4 MatrixTracker::at(const DrawList& d, std::size_t upto) {
  MatrixTracker t;
  for (std::size_t k = 0; k < upto && k < d.size(); ++k) t.apply(d, d[k]);
  return t.current();
}

}  // namespace quadrel
