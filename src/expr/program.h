// A compiled formula: instructions in execution order over value cells.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "parsor.h"

namespace quadrel::expr {

inline constexpr int kMaxVariables = 3;
inline constexpr int kMaxParameters = 30;
inline constexpr int kMaxDepth = 30;
inline constexpr int kMaxSlotsPerDepth = 50;
inline constexpr std::size_t kMaxFormulaLength = 255;
inline constexpr std::size_t kMaxNameListLength = 30;

struct Instruction {
  extended* a = nullptr;  // first operand
  extended* b = nullptr;  // second operand, null for arity 1
  extended* r = nullptr;  // result
  std::uint16_t code = 0;
};

// All cells live in one block so that a run walks contiguous memory; each cell is
// still owned exactly once and shared by pointer between producer and consumers.
struct Program {
  std::string text;
  std::unique_ptr<extended[]> cells;
  int cellCount = 0;
  extended* variables[kMaxVariables] = {};
  extended* parameters[kMaxParameters] = {};
  std::vector<Instruction> instructions;  // execution order; last one is the root
  int instructionCount = 0;               // 0 when the formula is a single operand
};

// Compiles a formula in engine notation; null when it is not accepted.
std::unique_ptr<Program> compile(std::string_view text, std::string_view variableNames,
                                 std::string_view parameterNames);

// Runs the program for one point and returns the root's value. Sets erreurcalcul on a
// domain error, an overflow, an invalid operation or a division by zero.
extended run(const Program& program, extended first, extended second, extended third);

}  // namespace quadrel::expr
