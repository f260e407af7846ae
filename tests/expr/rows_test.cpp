#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <ostream>
#include <vector>

#include "parsor.h"
#include "random_source.h"

namespace {

// Row evaluation against point-by-point evaluation, along each variable and from two
// fixed points (one that makes the fixed parts fail): the same bits, the same errors and
// the same random draws.
struct Row {
  const char* text;
};

void PrintTo(const Row& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class RowEvaluation : public ::testing::TestWithParam<Row> {};

TEST_P(RowEvaluation, MatchesEvaluateAtEveryPoint) {
  const char* text = GetParam().text;
  const std::vector<extended> points = {-2, -0.5L, 0, 0.25L, 1, 3.5L, 1e3000L, -1e-4000L};
  const extended fixedPoints[][3] = {{0.5L, 0.25L, 2}, {-1, -1, 0}};
  for (const long nativeAfter : {0L, -1L}) {  // native code at once, or never
    TExpress e;
    e.NativeAfter = nativeAfter;
    e.setExpression(text);
    ASSERT_FALSE(e.CompileError()) << text;
    for (int along = 0; along < 3; ++along) {
      for (const auto& f : fixedPoints) {
        std::vector<extended> expected, values(points.size());
        std::vector<bool> expectedErrors;
        quadrel::expr::seedRandom(11);
        for (const extended p : points) {
          extended v[3] = {f[0], f[1], f[2]};
          v[along] = p;
          expected.push_back(e.Evaluate(v[0], v[1], v[2]));
          expectedErrors.push_back(erreurcalcul);
        }
        bool errors[8];
        quadrel::expr::seedRandom(11);
        e.EvaluateAlong(along, points.data(), points.size(), f[0], f[1], f[2], values.data(),
                        errors);
        bool any = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
          EXPECT_EQ(errors[i], expectedErrors[i]) << text << " along " << along << " #" << i;
          EXPECT_EQ(std::memcmp(&values[i], &expected[i], 10), 0)
              << text << " along " << along << " #" << i << ": " << double(values[i])
              << " != " << double(expected[i]);
          any = any || errors[i];
        }
        EXPECT_EQ(erreurcalcul, any) << text;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, RowEvaluation,
    ::testing::Values(Row{"sin(x)*cos(y)+x^2/4"}, Row{"x*y*exp(-x^2-y^2)"}, Row{"sqrt(1-x^2-y^2)"},
                      Row{"ln(y)+x*z"}, Row{"y^2+sin(z)"}, Row{"x"}, Row{"z"}, Row{"2*pi"},
                      Row{"rm(0,1)*x+ln(y)"}, Row{"rn(2,0)+y*y/x"}, Row{"x*x*1E4000/(y+1)"},
                      Row{"max(x,y)-arg(y,z)+tan(x*y)"}, Row{"rm(x,1E300)+y"}));

}  // namespace
