#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "opcodes.h"
#include "parsor.h"

namespace {

using namespace quadrel::expr;

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
  std::vector<Op> codes;
};

void PrintTo(const Codes& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class CompilerCodes : public ::testing::TestWithParam<Codes> {};

TEST_P(CompilerCodes, ChoosesOperationsAndOrdersThemDeepestFirst) {
  TExpress e;
  e.setExpression(GetParam().text);
  ASSERT_FALSE(e.CompileError()) << GetParam().text;
  std::vector<int> expected;
  for (Op op : GetParam().codes) expected.push_back(code(op));
  EXPECT_EQ(e.operationCodes(), expected) << GetParam().text;
}

TEST(Compiler, EveryFunctionOfTheTableCompilesToItsCodeWithItsArity) {
  TExpress e;
  for (const Operation& o : kOperations) {
    if (o.syntax != Syntax::Function) continue;
    const std::string name(o.name);
    e.setExpression(name + (o.arity == 1 ? "(x)" : "(x,y)"));
    ASSERT_FALSE(e.CompileError()) << name;
    EXPECT_EQ(e.operationCodes(), std::vector<int>{code(o.op)}) << name;
    e.setExpression(name + (o.arity == 1 ? "(x,y)" : "(x)"));
    EXPECT_TRUE(e.CompileError()) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CompilerCodes,
    ::testing::Values(
        Codes{"x", {Op::Variable}}, Codes{"2*x+1", {Op::Multiply, Op::Add}},
        Codes{"(x+1)", {Op::Add}}, Codes{"x^2", {Op::Square}}, Codes{"x^(2)", {Op::Square}},
        Codes{"x^2.0", {Op::Square}}, Codes{"x^3", {Op::Cube}}, Codes{"x^4", {Op::Fourth}},
        Codes{"x^5", {Op::LiteralPower}}, Codes{"x^(-2)", {Op::LiteralPower}},
        Codes{"x^-2", {Op::LiteralPower}}, Codes{"x^0", {Op::LiteralPower}},
        Codes{"x^2.5", {Op::Power}}, Codes{"x^y", {Op::Power}}, Codes{"x^((2))", {Op::Power}},
        Codes{"x^(2.5)", {Op::Power}}, Codes{"cosh(x)", {Op::Cosh}}, Codes{"cos(x)", {Op::Cos}},
        Codes{"tanh(x)", {Op::Tanh}}, Codes{"sinh(x)", {Op::Sinh}},
        Codes{"-x^2", {Op::Square, Op::Negate}}, Codes{"-x*y", {Op::Negate, Op::Multiply}},
        Codes{"rm(x,y)", {Op::RandomNormal}}, Codes{"rn(x,y)", {Op::RandomHit}},
        Codes{"r(x,y)", {Op::Modulus}}, Codes{"min(max(x,y),1)", {Op::Max, Op::Min}},
        // deepest first, then slot order left to right
        Codes{"sin(x)*cos(y)+x^2/4",
              {Op::Sin, Op::Cos, Op::Square, Op::Multiply, Op::Divide, Op::Add}},
        Codes{"(x+1)*(y-2)/(x*x+y*y+1)",
              {Op::Multiply, Op::Multiply, Op::Add, Op::Subtract, Op::Add, Op::Multiply, Op::Add,
               Op::Divide}}));

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
