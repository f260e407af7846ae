#include "sections/memoire_plan.h"

#include <gtest/gtest.h>

#include "sections/plans.h"
#include "sections/planz.h"
#include "sections/section_rules.h"
#include "surfaces/aides.h"

namespace quadrel {
namespace {

bool memes(const DrawList& a, const DrawList& b) {
  if (a.commands() != b.commands() || a.meshes().size() != b.meshes().size()) return false;
  for (std::size_t i = 0; i < a.meshes().size(); ++i) {
    const PackedMesh &m = a.meshes()[i], &n = b.meshes()[i];
    if (m.mode != n.mode || m.perNormal != n.perNormal || m.normals != n.normals ||
        m.vertices != n.vertices)
      return false;
  }
  return true;
}

constexpr extended kK = 1;

// The list of kind `genre` (1 x, 2 y, 3 z, 4 general plane x + 2y + k = 0) at k.
DrawList construire(Scene& s, int genre, const std::string& ligne) {
  switch (genre) {
    case 1:
      return buildPlanX(s, kK);
    case 2:
      return buildPlanY(s, kK);
    case 3:
      return buildPlanZ(s, kK);
    default:
      return buildPlanXY(s, ligne, kK).value_or(DrawList{});
  }
}

// A kept list is the one a rebuild would give: whatever a section builder reads is in the
// memory's key, so changing only that input rebuilds the list.
TEST(SectionMemory, KeyHoldsEveryInputTheBuildersRead) {
  const struct {
    const char* quoi;
    void (*change)(Scene&);
  } changes[] = {
      {"voirplan", [](Scene& s) { s.voirplan = false; }},
      {"transplan", [](Scene& s) { s.transplan = true; }},
      {"intersections", [](Scene& s) { s.intersections = false; }},
      {"formule", [](Scene& s) { essai::poseFormule(s, "x\xB2-y\xB2"); }},
      {"precision", [](Scene& s) { s.precision = 5; }},
      {"soltaille", [](Scene& s) { s.soltaille = 1.5L; }},
      {"typequadrique", [](Scene& s) { s.typequadrique = 3; }},
      {"quadriqueok", [](Scene& s) { s.quadriqueok = false; }},
      {"xmax", [](Scene& s) { s.xmax = 3; }},
      {"gradz", [](Scene& s) { s.gradz = 2; }},
  };
  const std::string ligne = texteLigne(1, 2, kK);
  for (const auto& c : changes) {
    int changees = 0;
    for (int genre = 1; genre <= 4; ++genre) {
      Scene s = essai::sceneAvec("(x\xB2+y\xB2)/4");
      s.typequadrique = 1, s.quadriqueok = true, s.soltaille = 2;
      s.solx = s.soly = s.solz = 0;
      MemoirePlan m;
      ASSERT_FALSE(m.inchange(s, genre, kK, genre == 4 ? ligne : std::string()));
      const DrawList avant = construire(s, genre, ligne);
      c.change(s);
      if (memes(avant, construire(s, genre, ligne))) continue;
      ++changees;
      EXPECT_FALSE(m.inchange(s, genre, kK, genre == 4 ? ligne : std::string()))
          << c.quoi << " in kind " << genre;
    }
    EXPECT_GT(changees, 0) << c.quoi << " changes no list: the case tests nothing";
  }
}

}  // namespace
}  // namespace quadrel
