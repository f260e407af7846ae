#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "matutil.h"
#include "parsor.h"
#include "program.h"

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

// What the builders ask of a formula comes from its program: the x of exp or max is no
// variable, and only rn and rm draw.
TEST(CompiledFormula, PropertiesComeFromTheProgram) {
  const struct {
    const char* texte;
    bool x, y, random;
  } cas[] = {
      {"2*x+1", true, false, false},    {"sqrt(y)", false, true, false},
      {"x^2+y^2", true, true, false},   {"2*pi", false, false, false},
      {"exp(y)", false, true, false},   {"max(y,3)+cos(1)", false, true, false},
      {"x-x", true, false, false},      {"rn(1,6)", false, false, true},
      {"y+rm(0,1)", false, true, true}, {"z*arctan(2)", false, false, false},
  };
  for (const auto& c : cas) {
    const auto f = quadrel::expr::CompiledFormula::compile(c.texte);
    ASSERT_TRUE(f) << c.texte;
    EXPECT_EQ(f->text(), c.texte);
    EXPECT_EQ(f->usesX(), c.x) << c.texte;
    EXPECT_EQ(f->usesY(), c.y) << c.texte;
    EXPECT_EQ(f->drawsRandom(), c.random) << c.texte;
  }
  EXPECT_FALSE(compileformule("x+"));
  EXPECT_FALSE(compileformule("rn(1,6)"));  // the user's comma is a decimal point
  EXPECT_FALSE(quadrel::expr::CompiledFormula::compile(std::string(254, ' ') + "x+1"));
  EXPECT_EQ(*compileformule("2x"), *compileformule("2*x"));
}

// An evaluator made from a compiled formula runs as one that compiled the text itself, bit
// for bit, in native code too, and compiles nothing.
TEST(CompiledFormula, EvaluatorsRunACopyWithoutCompiling) {
  const std::string text = "sin(x)*exp(y)/3-ln(x)";
  const auto f = quadrel::expr::CompiledFormula::compile(text);
  ASSERT_TRUE(f);
  const extended xs[] = {-1, 0.5L, 2, 3.25L};
  for (const long apres : {0L, 1000000L}) {
    TExpress compile;
    compile.NativeAfter = apres;
    compile.setExpression(text);
    const long avant = quadrel::expr::compileCount();
    TExpress copie, autre;
    copie.NativeAfter = autre.NativeAfter = apres;
    copie.setFormula(*f);
    autre.setFormula(*f);
    EXPECT_EQ(quadrel::expr::compileCount(), avant);
    EXPECT_EQ(copie.Expression(), text);
    for (const extended x : xs) {
      const extended attendu = compile.Evaluate(x, 0.75L, 0);
      const bool erreur = erreurcalcul;
      EXPECT_EQ(autre.Evaluate(x, 0.75L, 0), attendu);
      EXPECT_EQ(copie.Evaluate(x, 0.75L, 0), attendu) << double(x);
      EXPECT_EQ(erreurcalcul, erreur);
    }
    extended v[4], w[4];
    bool e[4], g[4];
    compile.EvaluateRow(xs, 4, 0.75L, 0, v, e);
    copie.EvaluateRow(xs, 4, 0.75L, 0, w, g);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(v[i] == w[i] && e[i] == g[i]) << i;
  }
}

}  // namespace
