#include "files/stl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>

#include "files/coques.h"
#include "matutil.h"

namespace quadrel {
namespace {

Maillage exemple() {
  EntreesMaillage e;
  e.programme = compileformule("x^2+y^2");
  e.ferme = true;
  e.quadriqueok = true;
  e.typequadrique = 2;
  e.soltaille = 1;
  return construitMaillage(e);
}

// 80-byte header, the count, 50 bytes a facet; read back, the same vertices as floats, a
// unit normal along the vertex order, attribute 0; the closed shell stays closed in floats.
TEST(Stl, BinaryLayoutRoundTrip) {
  const Maillage m = exemple();
  const std::size_t n = m.nombreTriangles();
  const std::vector<unsigned char> o = stlBinaire(m);
  ASSERT_EQ(o.size(), 84 + 50 * n);
  EXPECT_NE(std::memcmp(o.data(), "solid", 5), 0);  // a text STL starts so
  EXPECT_EQ(o[80] | o[81] << 8 | o[82] << 16 | o[83] << 24, static_cast<int>(n));
  const auto f = litStl(o);
  ASSERT_TRUE(f);
  ASSERT_EQ(f->size(), n);
  std::vector<essai::T> lus;
  std::size_t k = 0;
  for (const Coque& c : m.coques)
    for (const TriangleMaillage& t : c.triangles) {
      const FacetteStl& g = (*f)[k++];
      essai::T lu;
      for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(g.sommets[s][0], static_cast<float>(t[s].x));
        EXPECT_EQ(g.sommets[s][1], static_cast<float>(t[s].y));
        EXPECT_EQ(g.sommets[s][2], static_cast<float>(t[s].z));
        lu[s] = {g.sommets[s][0], g.sommets[s][1], g.sommets[s][2]};
      }
      if (lus.size() < m.coques[0].triangles.size()) lus.push_back(lu);
      const auto [nx, ny, nz] = g.normale;
      EXPECT_NEAR(nx * nx + ny * ny + nz * nz, 1, 1e-5);
      const double u[] = {t[1].x - t[0].x, t[1].y - t[0].y, t[1].z - t[0].z};
      const double v[] = {t[2].x - t[0].x, t[2].y - t[0].y, t[2].z - t[0].z};
      const double sens = nx * (u[1] * v[2] - u[2] * v[1]) + ny * (u[2] * v[0] - u[0] * v[2]) +
                          nz * (u[0] * v[1] - u[1] * v[0]);
      EXPECT_GT(sens, 0);  // on the side the vertex order says
      EXPECT_EQ(g.attribut, 0);
    }
  EXPECT_EQ(essai::fauteFermeture(lus), "");
  std::ostringstream flux;
  ecritStl(flux, m);
  EXPECT_EQ(flux.str(), std::string(o.begin(), o.end()));
}

TEST(Stl, ReaderRefusesSizesThatDoNotMatchTheCount) {
  const std::vector<unsigned char> o = stlBinaire(exemple());
  EXPECT_FALSE(litStl(std::span(o).first(o.size() - 1)));
  EXPECT_FALSE(litStl(std::span(o).first(83)));
  std::vector<unsigned char> plus = o;
  plus.resize(o.size() + 50);
  EXPECT_FALSE(litStl(plus));
  const std::vector<unsigned char> vide = stlBinaire({});
  EXPECT_EQ(vide.size(), 84u);
  EXPECT_EQ(litStl(vide)->size(), 0u);
}

}  // namespace
}  // namespace quadrel
