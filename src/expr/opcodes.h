// The engine's operation codes: one table, read by the compiler (names and arities), the
// evaluation machine (one routine per code) and the tests. Codes 0 to 3 are operands
// alone; the numbering is the compiled program's, so it never changes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quadrel::expr {

enum class Op : std::uint8_t {
  Variable = 0,
  Number = 1,
  Parameter = 2,
  Unused = 3,
  Negate = 4,
  Add = 5,
  Subtract = 6,
  Multiply = 7,
  Divide = 8,
  LiteralPower = 9,  // integral literal exponent other than 2, 3, 4
  Power = 10,
  Cos = 11,
  Sin = 12,
  Exp = 13,
  Ln = 14,
  Sqrt = 15,
  Arctan = 16,
  Square = 17,
  Cube = 18,
  Fourth = 19,
  Abs = 20,
  Max = 21,
  Min = 22,
  Heav = 23,
  En = 24,
  RandomHit = 25,
  Arg = 26,
  Sinh = 27,
  Cosh = 28,
  Modulus = 29,
  RandomNormal = 30,
  Fr = 31,
  Lt = 32,
  Eq = 33,
  Le = 34,
  Ne = 35,
  Tan = 36,
  Tanh = 37,
  Arcsin = 38,
  Arccos = 39,
  Sgn = 40,
};

inline constexpr int kOperationCount = 41;

// How an operation is written in a formula.
enum class Syntax : std::uint8_t { Operand, Prefix, Infix, Function };

struct Operation {
  Op op;
  std::string_view name;  // function name, operator sign or operand kind
  int arity;              // 0 for an operand alone
  Syntax syntax;
  bool random = false;  // draws from the generator: never computed ahead
};

inline constexpr std::array<Operation, kOperationCount> kOperations{{
    {Op::Variable, "variable", 0, Syntax::Operand},
    {Op::Number, "number", 0, Syntax::Operand},
    {Op::Parameter, "parameter", 0, Syntax::Operand},
    {Op::Unused, "", 0, Syntax::Operand},
    {Op::Negate, "-", 1, Syntax::Prefix},
    {Op::Add, "+", 2, Syntax::Infix},
    {Op::Subtract, "-", 2, Syntax::Infix},
    {Op::Multiply, "*", 2, Syntax::Infix},
    {Op::Divide, "/", 2, Syntax::Infix},
    {Op::LiteralPower, "^n", 2, Syntax::Infix},
    {Op::Power, "^", 2, Syntax::Infix},
    {Op::Cos, "cos", 1, Syntax::Function},
    {Op::Sin, "sin", 1, Syntax::Function},
    {Op::Exp, "exp", 1, Syntax::Function},
    {Op::Ln, "ln", 1, Syntax::Function},
    {Op::Sqrt, "sqrt", 1, Syntax::Function},
    {Op::Arctan, "arctan", 1, Syntax::Function},
    {Op::Square, "^2", 1, Syntax::Infix},
    {Op::Cube, "^3", 1, Syntax::Infix},
    {Op::Fourth, "^4", 1, Syntax::Infix},
    {Op::Abs, "abs", 1, Syntax::Function},
    {Op::Max, "max", 2, Syntax::Function},
    {Op::Min, "min", 2, Syntax::Function},
    {Op::Heav, "heav", 1, Syntax::Function},
    {Op::En, "en", 1, Syntax::Function},
    {Op::RandomHit, "rn", 2, Syntax::Function, true},
    {Op::Arg, "arg", 2, Syntax::Function},
    {Op::Sinh, "sinh", 1, Syntax::Function},
    {Op::Cosh, "cosh", 1, Syntax::Function},
    {Op::Modulus, "r", 2, Syntax::Function},
    {Op::RandomNormal, "rm", 2, Syntax::Function, true},
    {Op::Fr, "fr", 1, Syntax::Function},
    {Op::Lt, "lt", 2, Syntax::Function},
    {Op::Eq, "eq", 2, Syntax::Function},
    {Op::Le, "le", 2, Syntax::Function},
    {Op::Ne, "ne", 2, Syntax::Function},
    {Op::Tan, "tan", 1, Syntax::Function},
    {Op::Tanh, "tanh", 1, Syntax::Function},
    {Op::Arcsin, "arcsin", 1, Syntax::Function},
    {Op::Arccos, "arccos", 1, Syntax::Function},
    {Op::Sgn, "sgn", 1, Syntax::Function},
}};

constexpr bool tableInCodeOrder() {
  for (int i = 0; i < kOperationCount; ++i)
    if (static_cast<int>(kOperations[i].op) != i) return false;
  return true;
}
static_assert(tableInCodeOrder(), "kOperations[c] must describe code c");

constexpr int code(Op op) {
  return static_cast<int>(op);
}
constexpr const Operation& operation(int code) {
  return kOperations[static_cast<std::size_t>(code)];
}
constexpr const Operation& operation(Op op) {
  return operation(code(op));
}
constexpr int arityOf(int code) {
  return operation(code).arity;
}

}  // namespace quadrel::expr
