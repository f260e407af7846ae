#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "matutil.h"

namespace {

struct Search {
  const char* text;
  extended lower, upper, step;
  bool ok;
  std::vector<double> roots;  // expected values, in order, to the 4 decimals recorded
  bool cutShort = false;      // more sampling steps than a search may take
};

void PrintTo(const Search& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class Racines : public ::testing::TestWithParam<Search> {};

TEST_P(Racines, FindsTheZerosInOrder) {
  const Search& s = GetParam();
  racines r;
  r.count = 7;  // stale content must not survive
  EXPECT_EQ(chercheracines(s.text, s.lower, s.upper, s.step, r), s.ok) << s.text;
  EXPECT_EQ(r.cutShort, s.cutShort) << s.text;
  ASSERT_EQ(r.count, static_cast<int>(s.roots.size())) << s.text;
  for (int i = 0; i < r.count; ++i)
    EXPECT_NEAR(static_cast<double>(r.value[i]), s.roots[i], 1.0001e-4) << s.text << " #" << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Racines,
    ::testing::Values(
        Search{"x^2-1", -3, 3, 0.1L, true, {-1, 1}},
        // no sign change on the grid: the tangent zero is found by the derivative scan
        Search{"x^2", -1, 1, 0.3L, true, {0}},
        // the grid hits 0 itself: recorded by more than one scan
        Search{"x^2", -1, 1, 0.25L, true, {0, 0, 0}}, Search{"sqrt(x)", -1, 1, 0.1L, true, {0}},
        // The defined side on the left: the bracket shrinks away from the border. (With
        // step 0.3 the grid itself lands within 1e-19 of the border and records it.)
        Search{"sqrt(1-x)", -2, 2, 0.35L, true, {}}, Search{"sqrt(1-x)", -2, 2, 0.3L, true, {1}},
        Search{"x^2-1", 1, 1, 0.1L, false, {}}, Search{"x^2-1", 2, 1, 0.1L, false, {}},
        Search{"x+", -1, 1, 0.1L, false, {}}, Search{"x^2-1", -3, 3, 0, false, {}},
        Search{"x^2-1", -3, 3, -0.1L, false, {}}, Search{"x-0.123456", 0, 1, 0.1L, true, {0.1235}},
        Search{"x^2+0^2-2", -4, 4, 0.1L, true, {-1.4142, 1.4142}},
        Search{"1/x", -1, 1, 0.3L, true, {}},
        // 800 000 steps are searched in full; 2e9 are refused and say so, as is a step
        // that cannot move the abscissa
        Search{"x^2-1", -4e4L, 4e4L, 0.1L, true, {-1, 1}},
        Search{"x^2-1", -1e8L, 1e8L, 0.1L, false, {}, true},
        Search{"x-1E18", 1e18L, 1e18L + 1, 0.01L, false, {}, true}));

// The values at the sampling points are computed ahead along a row, except for formulas
// that draw random numbers: adding 0*rn(1,0) (always 0) must not change a single root.
TEST(Racines, ValuesComputedAheadGiveTheSameRoots) {
  const char* formulas[] = {"x^2-1", "sin(3*x)-0.2", "sqrt(x)-0.5", "ln(x^2)",      "(x-0.3)^2",
                            "1/x-2", "x^3-x",        "tan(x)",      "exp(x)-3+0*x", "abs(x)-1E-5"};
  for (const char* f : formulas) {
    racines plain, drawing;
    const bool ok = chercheracines(f, -3, 3, 0.1L, plain);
    EXPECT_EQ(chercheracines(std::string(f) + "+0*rn(1,0)", -3, 3, 0.1L, drawing), ok) << f;
    ASSERT_EQ(plain.count, drawing.count) << f;
    for (int i = 0; i < plain.count; ++i) EXPECT_EQ(plain.value[i], drawing.value[i]) << f;
  }
}

TEST(Racines, NeverMoreThan101Values) {
  racines r;
  ASSERT_TRUE(chercheracines("sin(100*x)", -10, 10, 0.001L, r));
  EXPECT_LE(r.count, 101);
  EXPECT_GE(r.count, 100);
  for (int i = 1; i < r.count; ++i) EXPECT_LE(r.value[i - 1], r.value[i]);
}

}  // namespace
