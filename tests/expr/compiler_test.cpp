#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "parsor.h"

namespace {

struct Acceptance {
  const char* text;
  bool compiles;
};

void PrintTo(const Acceptance& a, std::ostream* os) {
  *os << '"' << a.text << '"';
}

class CompilerAcceptance : public ::testing::TestWithParam<Acceptance> {};

TEST_P(CompilerAcceptance, AcceptsExactlyTheFormulasOfTheGrammar) {
  TExpress e;
  e.setExpression(GetParam().text);
  EXPECT_EQ(!e.CompileError(), GetParam().compiles) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CompilerAcceptance,
    ::testing::Values(
        Acceptance{"x", true}, Acceptance{"(x+1)", true}, Acceptance{"((x))", true},
        Acceptance{"()", false}, Acceptance{"(x", false}, Acceptance{"x)", false},
        Acceptance{")x(", false}, Acceptance{"", false}, Acceptance{"   ", false},
        Acceptance{"x +  y", true}, Acceptance{"cos x", false}, Acceptance{"cosx", false},
        Acceptance{"cos(x)", true}, Acceptance{"cosh(x)", true}, Acceptance{"Pi", true},
        Acceptance{"pi", true}, Acceptance{"PI", false}, Acceptance{"x*-y", false},
        Acceptance{"x*(-y)", true}, Acceptance{"x*-2", true}, Acceptance{"2^-x", false},
        Acceptance{"--x", false}, Acceptance{"--2", true}, Acceptance{"-x*y", true},
        Acceptance{"min(max(x,y),1)", true}, Acceptance{"min(x)", false},
        Acceptance{"min(,x)", false}, Acceptance{"x,y", false}, Acceptance{"x+", false},
        Acceptance{"*x", false}, Acceptance{"X", false}, Acceptance{"w", false},
        Acceptance{"e+a+b+c+d+$", true}, Acceptance{"5.", true}, Acceptance{".5", true},
        Acceptance{".", true}, Acceptance{"1E5", true}, Acceptance{"1e5", true},
        Acceptance{"1E", false}, Acceptance{"1E+", false}, Acceptance{"1E4999", false},
        Acceptance{"1E4000", true}, Acceptance{"1E5000", false}, Acceptance{"1.2.3", false},
        Acceptance{"sin()", false}, Acceptance{"sin(x)(y)", false}, Acceptance{"rn(1,2)", true},
        Acceptance{"rm(0,1)", true}, Acceptance{"r(x,y)", true}, Acceptance{"arg(x,y)", true},
        Acceptance{"lt(x,y)+le(x,y)+eq(x,y)+ne(x,y)", true},
        Acceptance{"heav(x)+en(x)+fr(x)+sgn(x)+abs(x)", true},
        Acceptance{"arcsin(x)+arccos(x)+arctan(x)+tan(x)+tanh(x)+sinh(x)", true},
        Acceptance{"exp(x)*ln(x)/sqrt(x)", true}, Acceptance{"x^y^z", true},
        Acceptance{"-(x)", true}, Acceptance{"-sin(x)", true}, Acceptance{"-x+1", true},
        Acceptance{"-(-x)", true}, Acceptance{"2(x)", false}));

TEST(Compiler, DepthLimitAllowsThirtyOneTermsButNotThirtyTwo) {
  auto chain = [](int terms) {
    std::string s = "x";
    for (int i = 1; i < terms; ++i) s += "+x";
    return s;
  };
  TExpress e;
  e.setExpression(chain(31));
  EXPECT_FALSE(e.CompileError());
  EXPECT_EQ(e.instructionCount(), 30);
  EXPECT_EQ(e.Evaluate(2, 0, 0), 62);
  e.setExpression(chain(32));
  EXPECT_TRUE(e.CompileError());
}

struct Codes {
  const char* text;
  std::vector<int> codes;
};

void PrintTo(const Codes& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class CompilerCodes : public ::testing::TestWithParam<Codes> {};

TEST_P(CompilerCodes, ChoosesOperationsAndOrdersThemDeepestFirst) {
  TExpress e;
  e.setExpression(GetParam().text);
  ASSERT_FALSE(e.CompileError()) << GetParam().text;
  EXPECT_EQ(e.operationCodes(), GetParam().codes) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CompilerCodes,
    ::testing::Values(Codes{"x", {0}}, Codes{"2*x+1", {7, 5}}, Codes{"(x+1)", {5}},
                      Codes{"x^2", {17}}, Codes{"x^(2)", {17}}, Codes{"x^2.0", {17}},
                      Codes{"x^3", {18}}, Codes{"x^4", {19}}, Codes{"x^5", {9}},
                      Codes{"x^(-2)", {9}}, Codes{"x^-2", {9}}, Codes{"x^0", {9}},
                      Codes{"x^2.5", {10}}, Codes{"x^y", {10}}, Codes{"x^((2))", {10}},
                      Codes{"x^(2.5)", {10}}, Codes{"cosh(x)", {28}}, Codes{"cos(x)", {11}},
                      Codes{"tanh(x)", {37}}, Codes{"sinh(x)", {27}}, Codes{"-x^2", {17, 4}},
                      Codes{"-x*y", {4, 7}}, Codes{"rm(x,y)", {30}}, Codes{"rn(x,y)", {25}},
                      Codes{"r(x,y)", {29}}, Codes{"min(max(x,y),1)", {21, 22}},
                      // deepest first, then slot order left to right
                      Codes{"sin(x)*cos(y)+x^2/4", {12, 11, 17, 7, 8, 5}},
                      Codes{"(x+1)*(y-2)/(x*x+y*y+1)", {7, 7, 5, 6, 5, 7, 5, 8}}));

TEST(Compiler, SingleOperandHasNoInstruction) {
  TExpress e;
  for (const char* text : {"x", "2", "e", "(y)", "pi"}) {
    e.setExpression(text);
    ASSERT_FALSE(e.CompileError()) << text;
    EXPECT_EQ(e.instructionCount(), 0) << text;
  }
}

TEST(Compiler, LongFlatChainsCompileAtOnce) {
  // Without remembering the analysis of each range, a chain of equal-precedence
  // operators is exponential; this one would not finish.
  std::string text = "x";
  while (text.size() + 4 <= 255) text += "-x*x";
  TExpress e;
  e.setExpression(text);
  EXPECT_TRUE(e.CompileError());  // too deep, but decided quickly
  std::string wide = "(x";
  for (int i = 0; i < 20; ++i) wide += "+x";
  wide += ")";
  std::string sum = wide;
  for (int i = 0; i < 4; ++i) sum = sum + "*" + wide;
  e.setExpression(sum.substr(0, 255));
  EXPECT_FALSE(e.CompileError());
}

TEST(Compiler, VariableAndParameterNamesAreConfigurable) {
  TExpress e;
  e.VariableList = "uv";  // only two variables: w names none
  e.setExpression("u-v");
  ASSERT_FALSE(e.CompileError());
  EXPECT_EQ(e.Evaluate(5, 3, 0), 2);
  e.setExpression("w");
  EXPECT_TRUE(e.CompileError());
  e.VariableList = "abcdef";  // only the first three count, and they win over parameters
  e.setExpression("c");
  ASSERT_FALSE(e.CompileError());
  EXPECT_EQ(e.Evaluate(1, 2, 7), 7);
  e.setExpression("d");
  ASSERT_FALSE(e.CompileError());
  EXPECT_EQ(e.Evaluate(1, 2, 7), 0);  // d is a parameter worth 0
}

}  // namespace
