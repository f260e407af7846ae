// The x87-based functions against glibc's long double library, in ulps of the result.
#include "x87math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>

namespace {

namespace x87 = quadrel::expr::x87;

// Distance in units in the last place of the reference, with a floor at the smallest
// normal scale of 1 so that values near a zero are compared absolutely.
double ulps(extended value, extended reference, extended scale = 0) {
  const extended unit =
      std::numeric_limits<extended>::epsilon() * std::fmax(std::fabs(reference), scale);
  if (unit == 0) return value == reference ? 0 : 1e30;
  return static_cast<double>(std::fabs(value - reference) / unit);
}

struct Accuracy {
  const char* name;
  std::function<extended(extended)> ours;
  std::function<extended(extended)> library;
  extended from, to;
  double maxUlps;
  extended absoluteScale;  // 0: purely relative
};

void PrintTo(const Accuracy& c, std::ostream* os) {
  *os << '"' << c.name << '"';
}

class X87Accuracy : public ::testing::TestWithParam<Accuracy> {};

TEST_P(X87Accuracy, StaysWithinAFewUlpsOfTheLibrary) {
  const Accuracy& a = GetParam();
  double worst = 0;
  extended worstAt = 0;
  constexpr int kSamples = 200000;
  for (int i = 0; i <= kSamples; ++i) {
    // An irrational stride so that samples do not fall on round numbers only.
    const extended x = a.from + (a.to - a.from) * i / kSamples + 1e-7L * std::sin(i);
    const double d = ulps(a.ours(x), a.library(x), a.absoluteScale);
    if (d > worst) worst = d, worstAt = x;
  }
  EXPECT_LE(worst, a.maxUlps) << a.name << " worst at " << static_cast<double>(worstAt);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, X87Accuracy,
    ::testing::Values(
        Accuracy{"sin", x87::sin, [](extended x) { return sinl(x); }, -100, 100, 2, 0},
        Accuracy{"cos", x87::cos, [](extended x) { return cosl(x); }, -100, 100, 2, 0},
        Accuracy{"sin large", x87::sin, [](extended x) { return sinl(x); }, -1e5L, 1e5L, 2, 0},
        Accuracy{"exp", x87::exp, [](extended x) { return expl(x); }, -40, 40, 2, 0},
        Accuracy{"exp wide", x87::exp, [](extended x) { return expl(x); }, -11000, 11000, 2, 0},
        Accuracy{"ln", x87::ln, [](extended x) { return logl(x); }, 1e-6L, 100, 2, 0},
        Accuracy{"ln near 1", x87::ln, [](extended x) { return logl(x); }, 0.5L, 1.5L, 2, 0},
        Accuracy{"arctan", x87::arctan, [](extended x) { return atanl(x); }, -50, 50, 2, 0}));

TEST(X87, ExactValuesAtTheSpecialPoints) {
  EXPECT_EQ(x87::sin(0), 0);
  EXPECT_EQ(x87::cos(0), 1);
  EXPECT_EQ(x87::exp(0), 1);
  EXPECT_EQ(x87::ln(1), 0);
  EXPECT_EQ(x87::arctan(0), 0);
  EXPECT_EQ(x87::exp(-30000), 0);
  EXPECT_TRUE(std::isinf(x87::exp(30000)));
}

}  // namespace
