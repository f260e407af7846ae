#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "parsor.h"

namespace {

TEST(TExpress, NewComponentIsTheConstantBehaviour) {
  TExpress e;
  EXPECT_EQ(e.Expression(), "xyz");
  EXPECT_FALSE(e.CompileError());
  erreurcalcul = true;
  EXPECT_EQ(e.Evaluate(5, 6, 7), 1.0L);
  EXPECT_TRUE(erreurcalcul);  // the constant behaviour touches nothing
  EXPECT_EQ(e.instructionCount(), 0);
  EXPECT_TRUE(e.operationCodes().empty());
}

TEST(TExpress, FailedCompilationKeepsThePreviousTextAndFallsBackToOne) {
  TExpress e;
  e.setExpression("x*2");
  ASSERT_FALSE(e.CompileError());
  EXPECT_EQ(e.Evaluate(4, 0, 0), 8);
  e.setExpression("x+");
  EXPECT_TRUE(e.CompileError());
  EXPECT_EQ(e.Expression(), "x*2");
  EXPECT_EQ(e.Evaluate(1, 2, 3), 1.0L);
  EXPECT_EQ(e.instructionCount(), 0);
  e.setExpression("y - 1");
  EXPECT_FALSE(e.CompileError());
  EXPECT_EQ(e.Expression(), "y - 1");  // the text as given, blanks included
  EXPECT_EQ(e.Evaluate(0, 5, 0), 4);
}

TEST(TExpress, TextIsCutAt255Characters) {
  std::string text(254, ' ');
  text += "x";  // character 255
  TExpress e;
  e.setExpression(text + "+1");  // "+1" falls beyond the cut
  ASSERT_FALSE(e.CompileError());
  EXPECT_EQ(e.Evaluate(3, 0, 0), 3);
  EXPECT_EQ(e.Expression().size(), 255u);
}

TEST(TExpress, ParametersAreEulerAndZeros) {
  TExpress e;
  e.setExpression("e");
  EXPECT_EQ(e.Evaluate(0, 0, 0), expl(1.0L));
  e.setExpression("a+b+c+d");
  EXPECT_EQ(e.Evaluate(1, 2, 3), 0);
  e.setExpression("$");
  EXPECT_EQ(e.Evaluate(1, 2, 3), 0);
}

TEST(TExpress, TwoComponentsKeepTheirOwnPrograms) {
  TExpress a, b;
  a.setExpression("x+1");
  b.setExpression("x*10");
  EXPECT_EQ(a.Evaluate(2, 0, 0), 3);
  EXPECT_EQ(b.Evaluate(2, 0, 0), 20);
  a.setExpression("x-1");  // recompiling one leaves the other intact
  EXPECT_EQ(b.Evaluate(3, 0, 0), 30);
  EXPECT_EQ(a.Evaluate(3, 0, 0), 2);
}

TEST(TExpress, SameResultsOverManyRecompilations) {
  // Catches cells that leak or are shared between programs.
  TExpress e;
  for (int i = 0; i < 2000; ++i) {
    e.setExpression(i % 2 ? "sin(x)*cos(y)+x^2/4" : "(x+1)*(y-2)/(x*x+y*y+1)");
    const extended v = e.Evaluate(1.5L, -0.5L, 0);
    if (i % 2) {
      ASSERT_NEAR(static_cast<double>(v), std::sin(1.5) * std::cos(-0.5) + 1.5 * 1.5 / 4, 1e-15);
    } else {
      ASSERT_NEAR(static_cast<double>(v), 2.5 * -2.5 / (2.25 + 0.25 + 1), 1e-15);
    }
  }
}

}  // namespace
