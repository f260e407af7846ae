// Formulas for timing the engine against muparser: the classroom ones first, then a set
// in the spirit of expression-parser benchmarks (polynomials, trigonometry, exp and log,
// nesting, both variables), each written in the engine's notation and in muparser's.
#pragma once

#include <array>

namespace bench {

struct FormulaPair {
  const char* engine;
  const char* muparser;
};

inline constexpr int kClassroomFormulas = 6;

inline constexpr std::array<FormulaPair, 62> kFormulaSet{{
    // The classroom formulas.
    {"x^2+y^2", "x^2+y^2"},
    {"(x+1)*(y-2)/(x*x+y*y+1)", "(x+1)*(y-2)/(x*x+y*y+1)"},
    {"sin(x)*cos(y)+x^2/4", "sin(x)*cos(y)+x^2/4"},
    {"x*y*exp(-x^2-y^2)", "x*y*exp(-x^2-y^2)"},
    {"sqrt(1-x^2-y^2)", "sqrt(1-x^2-y^2)"},
    {"arctan(y/x)+cosh(x/4)", "atan(y/x)+cosh(x/4)"},
    // Sums, products and polynomials.
    {"x+y", "x+y"},
    {"x*y", "x*y"},
    {"x-y+1", "x-y+1"},
    {"2*x+3*y", "2*x+3*y"},
    {"x*x+y*y", "x*x+y*y"},
    {"x^3-3*x*y^2", "x^3-3*x*y^2"},
    {"(x+y)*(x-y)", "(x+y)*(x-y)"},
    {"x^4+y^4-2*x^2*y^2", "x^4+y^4-2*x^2*y^2"},
    {"1+x+x^2/2+x^3/6+x^4/24", "1+x+x^2/2+x^3/6+x^4/24"},
    {"((x+1)*x+2)*x+3", "((x+1)*x+2)*x+3"},
    {"(x-1)*(x-2)*(x-3)*(y+1)", "(x-1)*(x-2)*(x-3)*(y+1)"},
    {"x/(1+y*y)", "x/(1+y*y)"},
    {"(x*y+1)/(x*x+1)", "(x*y+1)/(x*x+1)"},
    {"x^5-y^5", "x^5-y^5"},
    {"(x+y)^2-(x-y)^2", "(x+y)^2-(x-y)^2"},
    {"x*y*(x+y)*(x-y)/4", "x*y*(x+y)*(x-y)/4"},
    {"-x+y*2-(x*y)", "-x+y*2-(x*y)"},
    {"3*x^2*y-y^3", "3*x^2*y-y^3"},
    {"(x^2+y^2-1)^3-x^2*y^3", "(x^2+y^2-1)^3-x^2*y^3"},
    {"1/(1+x^2+y^2)", "1/(1+x^2+y^2)"},
    {"x^2/4-y^2/9", "x^2/4-y^2/9"},
    {"x*y+x*y*x+y*y*x", "x*y+x*y*x+y*y*x"},
    {"((x+y)*(x-y)+x*y)/((x+1)^2+1)", "((x+y)*(x-y)+x*y)/((x+1)^2+1)"},
    // Trigonometry.
    {"sin(x)", "sin(x)"},
    {"cos(x)+sin(y)", "cos(x)+sin(y)"},
    {"sin(x)^2+cos(y)^2", "sin(x)^2+cos(y)^2"},
    {"sin(x*y)", "sin(x*y)"},
    {"cos(x)*cos(y)", "cos(x)*cos(y)"},
    {"tan(x/4)", "tan(x/4)"},
    {"sin(x+y)*cos(x-y)", "sin(x+y)*cos(x-y)"},
    {"sin(sqrt(x^2+y^2))", "sin(sqrt(x^2+y^2))"},
    {"sin(x)/(1+x^2)", "sin(x)/(1+x^2)"},
    {"arctan(x)+arctan(y)", "atan(x)+atan(y)"},
    {"arcsin(x/4)", "asin(x/4)"},
    {"arccos(y/5)", "acos(y/5)"},
    {"x*pi+y", "x*_pi+y"},
    {"sin(pi*x)*sin(pi*y)", "sin(_pi*x)*sin(_pi*y)"},
    // Exponentials, logarithms, roots.
    {"exp(x)", "exp(x)"},
    {"exp(-(x^2+y^2))", "exp(-(x^2+y^2))"},
    {"ln(1+x^2+y^2)", "ln(1+x^2+y^2)"},
    {"exp(x/4)*ln(2+y^2)", "exp(x/4)*ln(2+y^2)"},
    {"sqrt(x^2+y^2)", "sqrt(x^2+y^2)"},
    {"sqrt(abs(x*y))", "sqrt(abs(x*y))"},
    {"x*exp(-x^2)", "x*exp(-x^2)"},
    {"cosh(x)-sinh(y)", "cosh(x)-sinh(y)"},
    {"tanh(x+y)", "tanh(x+y)"},
    {"ln(abs(x)+1)*y", "ln(abs(x)+1)*y"},
    {"e^x", "_e^x"},
    {"2^x+2^y", "2^x+2^y"},
    {"1/(1+exp(-x*y))", "1/(1+exp(-x*y))"},
    // Nesting and piecewise.
    {"sqrt(1+sqrt(1+sqrt(1+x^2)))", "sqrt(1+sqrt(1+sqrt(1+x^2)))"},
    {"exp(sin(x))*ln(1+cos(y)^2)", "exp(sin(x))*ln(1+cos(y)^2)"},
    {"max(x,y)-min(x,y)", "max(x,y)-min(x,y)"},
    {"abs(x)+abs(y)", "abs(x)+abs(y)"},
    {"sgn(x)*y", "sign(x)*y"},
    {"(x/(1+x^2))*(y/(1+y^2))", "(x/(1+x^2))*(y/(1+y^2))"},
}};

}  // namespace bench
