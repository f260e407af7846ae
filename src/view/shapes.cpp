#include "view/shapes.h"

#include <cmath>
#include <numbers>

#include "view/glconst.h"

// Every value is rounded as GLUT rounds it (single precision steps, sines taken in double),
// so that the same pixels come out.
namespace quadrel {
namespace {

struct Cercle {
  std::vector<float> s, c;  // n + 1 entries, the last closing the circle (or half circle)
};

// Samples of a circle, or of a half circle from angle 0 to pi; a negative n turns the other
// way round.
Cercle cercle(int n, bool demi) {
  const int taille = std::abs(n);
  const float pas = float(demi ? 1 : 2) * float(std::numbers::pi) / float(n == 0 ? 1 : n);
  Cercle r{std::vector<float>(std::size_t(taille) + 1),
           std::vector<float>(std::size_t(taille) + 1)};
  r.s[0] = 0.0f;
  r.c[0] = 1.0f;
  for (int i = 1; i < taille; ++i) {
    const float a = pas * float(i);
    r.s[std::size_t(i)] = float(std::sin(double(a)));
    r.c[std::size_t(i)] = float(std::cos(double(a)));
  }
  r.s[std::size_t(taille)] = demi ? 0.0f : r.s[0];
  r.c[std::size_t(taille)] = demi ? -1.0f : r.c[0];
  return r;
}

void ajouter(ShapeArrays& f, float x, float y, float z, float nx, float ny, float nz) {
  f.vertices.insert(f.vertices.end(), {x, y, z});
  f.normals.insert(f.normals.end(), {nx, ny, nz});
}

// The vertices: the north pole, then each inner stack from the north, each running round
// its slices, then the south pole. The normal is the point on the unit sphere.
void sommetssphere(ShapeArrays& f, float rayon, int tranches, int etages) {
  const Cercle m = cercle(-tranches, false);  // meridians, clockwise seen from the north
  const Cercle p = cercle(etages, true);      // parallels, from the north pole down
  ajouter(f, 0.0f, 0.0f, rayon, 0.0f, 0.0f, 1.0f);
  for (int i = 1; i < etages; ++i) {
    for (int j = 0; j < tranches; ++j) {
      const float x = m.c[std::size_t(j)] * p.s[std::size_t(i)];
      const float y = m.s[std::size_t(j)] * p.s[std::size_t(i)];
      const float z = p.c[std::size_t(i)];
      ajouter(f, x * rayon, y * rayon, z * rayon, x, y, z);
    }
  }
  ajouter(f, 0.0f, 0.0f, -rayon, 0.0f, 0.0f, -1.0f);
}

// One triangle strip per stack, each closing on its first slice.
void bandes(ShapeArrays& f, int tranches, int etages) {
  const auto n = std::uint16_t(f.vertexCount());
  const auto paire = [&f](int a, int b) {
    f.indices.push_back(std::uint16_t(a));
    f.indices.push_back(std::uint16_t(b));
  };
  for (int k = 0; k < etages; ++k) {
    f.draws.push_back({gl::TRIANGLE_STRIP, int(f.indices.size()), (tranches + 1) * 2, true});
    const int haut = 1 + (k - 1) * tranches;  // first vertex of the stack above
    for (int j = 0; j <= tranches; ++j) {
      const int jj = j % tranches;
      if (k == 0)
        paire(1 + jj, 0);
      else if (k == etages - 1)
        paire(n - 1, haut + jj);
      else
        paire(haut + tranches + jj, haut + jj);
    }
  }
}

// A line strip per slice from pole to pole, then a loop per inner stack.
void fil(ShapeArrays& f, int tranches, int etages) {
  const auto n = std::uint16_t(f.vertexCount());
  for (int j = 0; j < tranches; ++j) {
    f.draws.push_back({gl::LINE_STRIP, int(f.indices.size()), etages + 1, true});
    f.indices.push_back(0);
    for (int i = 0; i < etages - 1; ++i) f.indices.push_back(std::uint16_t(1 + j + i * tranches));
    f.indices.push_back(std::uint16_t(n - 1));
  }
  for (int i = 0; i < etages - 1; ++i) {
    f.draws.push_back({gl::LINE_LOOP, int(f.indices.size()), tranches, true});
    for (int j = 0; j < tranches; ++j) f.indices.push_back(std::uint16_t(1 + i * tranches + j));
  }
}

}  // namespace

ShapeArrays glutSphereArrays(bool solid, double radius, int slices, int stacks) {
  ShapeArrays f;
  if (slices < 1 || stacks < 2) return f;
  if (std::int64_t(slices) * (stacks - 1) + 2 > 65535) return f;
  sommetssphere(f, float(radius), slices, stacks);
  if (solid)
    bandes(f, slices, stacks);
  else
    fil(f, slices, stacks);
  return f;
}

ShapeArrays glutCubeArrays(bool solid, double edge) {
  // Corners of the unit cube, and each face (outward normal, corners counter-clockwise
  // seen from outside) in GLUT's order.
  static constexpr float coins[8][3] = {{.5f, .5f, .5f},   {-.5f, .5f, .5f},  {-.5f, -.5f, .5f},
                                        {.5f, -.5f, .5f},  {.5f, -.5f, -.5f}, {.5f, .5f, -.5f},
                                        {-.5f, .5f, -.5f}, {-.5f, -.5f, -.5f}};
  static constexpr float normales[6][3] = {{0, 0, 1},  {1, 0, 0},  {0, 1, 0},
                                           {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
  static constexpr int faces[6][4] = {{0, 1, 2, 3}, {0, 3, 4, 5}, {0, 5, 6, 1},
                                      {1, 6, 7, 2}, {7, 4, 3, 2}, {4, 7, 6, 5}};
  const auto a = float(edge);
  ShapeArrays f;
  for (int k = 0; k < 6; ++k) {
    for (int c : faces[k]) {
      const float* v = coins[c];
      const float* n = normales[k];
      ajouter(f, a * v[0], a * v[1], a * v[2], n[0], n[1], n[2]);
    }
    if (solid)  // two triangles sharing the face's first corner
      for (int i : {0, 1, 2, 0, 2, 3}) f.indices.push_back(std::uint16_t(4 * k + i));
    else
      f.draws.push_back({gl::LINE_LOOP, 4 * k, 4, false});
  }
  if (solid) f.draws.push_back({gl::TRIANGLES, 0, int(f.indices.size()), true});
  return f;
}

}  // namespace quadrel
