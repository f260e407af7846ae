#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "matutil.h"
#include "parsor.h"

namespace {

struct Rewrite {
  const char* input;
  const char* output;
};

void PrintTo(const Rewrite& c, std::ostream* os) {
  *os << '"' << c.input << '"';
}

class Normalise : public ::testing::TestWithParam<Rewrite> {};

TEST_P(Normalise, RewritesClassroomNotation) {
  EXPECT_EQ(normalise(GetParam().input), GetParam().output) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Normalise,
    ::testing::Values(Rewrite{"2x\xB2+3xy-V(x)", "2*x^2+3*x*y-sqrt(x)"},
                      Rewrite{"3(x+1)(x-1)", "3*(x+1)*(x-1)"}, Rewrite{"1,5x+2y", "1.5*x+2*y"},
                      Rewrite{"2pcos(x)", "2*pi*cos(x)"}, Rewrite{"x*e(-x\xB2)", "x*exp(-x^2)"},
                      Rewrite{"sin(x)cos(y)", "sin(x)*cos(y)"},
                      Rewrite{"2arcsin(x)", "2*arcsin(x)"},
                      Rewrite{"ln(x)+2ln(y)", "ln(x)+2*ln(y)"}, Rewrite{"COS(x)", "cos(x)"},
                      Rewrite{"TANH(x)", "tanh(x)"}, Rewrite{"x+-y", "x-y"}, Rewrite{"x  y", "x*y"},
                      Rewrite{"(x)2(y)3(z)4(x)5(y)6", "(x)*2*(y)*3*(z)*4*(x)*5*(y)*6"},
                      Rewrite{"x/2y", "x/2*y"}, Rewrite{"pi", "pi*i"},
                      Rewrite{"exp(x)", "e*x*pi*(x)"}, Rewrite{"sinx", "sin*x"}));

INSTANTIATE_TEST_SUITE_P(
    MoreCases, Normalise,
    ::testing::Values(Rewrite{"tanh(x)", "tanh(x)"}, Rewrite{"2e", "2*e"},
                      Rewrite{"2e(x)", "2*exp(x)"}, Rewrite{"heav(x)", "h*e*a*v*(x)"},
                      Rewrite{"fr(x)", "fr*(x)"}, Rewrite{"min(x,y)", "min(x*.*y)"},
                      Rewrite{"sgn(x)", "sgn(x)"}, Rewrite{"en(x)", "en(x)"},
                      Rewrite{"abs(x)", "abs(x)"}, Rewrite{"1e5", "1*e5"}, Rewrite{"1E5", "1E5"},
                      Rewrite{"x-++y", "x-+y"}, Rewrite{"x--y", "x--y"}, Rewrite{"x+-+y", "x-y"},
                      Rewrite{"x2x2x2x2x2", "x*2*x*2*x*2*x*2*x*2"},
                      Rewrite{"SIN(x)+LN(y)+EXP(x)+ABS(x)+COSH(x)+SINH(x)",
                              "sin(x)+ln(y)+exp(x)+abs(x)+cosh(x)+sinh(x)"},
                      Rewrite{"ARCCOS(x)", "arccos(x)"}, Rewrite{"2arccos(x)", "2*arccos(x)"},
                      Rewrite{"X+Y", "X+Y"}, Rewrite{"xcos(y)", "x*cos(y)"},
                      Rewrite{"2V(x)", "2*sqrt(x)"}, Rewrite{"(x+1)(x-1)", "(x+1)*(x-1)"},
                      Rewrite{"abcd", "a*b*c*d"}, Rewrite{"2(x)", "2*(x)"}));

TEST(Normalise, EmptyTextNeverCompiles) {
  const std::string s = normalise("");
  EXPECT_FALSE(s.empty());
  TExpress e;
  e.setExpression(s);
  EXPECT_TRUE(e.CompileError());
}

TEST(Normalise, UpperCaseNamesCompileOthersDoNot) {
  TExpress e;
  for (const char* ok : {"COS(x)", "SIN(x)", "TAN(x)", "LN(x)", "EXP(x)", "ABS(x)", "COSH(x)",
                         "SINH(x)", "TANH(x)", "ARCTAN(x)"}) {
    e.setExpression(normalise(ok));
    EXPECT_FALSE(e.CompileError()) << ok;
  }
  for (const char* bad : {"X", "Y", "heav(x)", "fr(x)", "min(x,y)", "1e5", "x-++y", "sinx"}) {
    e.setExpression(normalise(bad));
    EXPECT_TRUE(e.CompileError()) << bad;
  }
}

struct Replacement {
  const char* text;
  const char* old;
  const char* with;
  const char* result;
};

void PrintTo(const Replacement& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class Remplace : public ::testing::TestWithParam<Replacement> {};

TEST_P(Remplace, ReplacesEveryOccurrenceOnce) {
  const auto& r = GetParam();
  EXPECT_EQ(remplace(r.text, r.old, r.with), r.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Remplace,
    ::testing::Values(Replacement{"abc", "b", "", "ac"}, Replacement{"a  b", " ", "", "ab"},
                      Replacement{"x", "x", "xx", "xx"}, Replacement{"xxx", "xx", "y", "yx"},
                      Replacement{"k+2k", "k", "z", "z+2z"}, Replacement{"abc", "", "z", "abc"},
                      Replacement{"", "a", "b", ""}, Replacement{"aaaa", "a", "aa", "aaaaaaaa"}));

}  // namespace
