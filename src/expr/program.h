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
  bool folded = false;  // computed once ahead: r holds the value and nothing runs it
};

// The evaluation point, read in place from the caller. Native code sets `unsure` when an
// operation met a value that could hide a fault (see Kernel::faultsShow).
struct Arguments {
  const extended* value[kMaxVariables];
  mutable bool unsure = false;
};

// The instructions rewired as a tree: each node's routine computes its operands' nodes
// and returns its value in a register, and variables are read straight from the caller's
// arguments, so that no value makes a round trip through an 80-bit memory cell on its way
// to the next operation. Every instruction still runs exactly once per evaluation.
struct Node {
  using Routine = extended (*)(const Node&, const Arguments&);
  enum Kind : int { Cell = 0, Computed = 1, Variable = 2 };
  Routine routine = nullptr;
  const Node* left = nullptr;  // computed operands
  const Node* right = nullptr;
  const extended* a = nullptr;  // cell operands: parameters and constants
  const extended* b = nullptr;
  int leftVariable = 0;  // variable operands: 0, 1 or 2
  int rightVariable = 0;
};

// Native code for a kernel: the root's value at the arguments.
using NativeCode = extended (*)(const Arguments* args);
// Native code for a row kernel, for a formula without random draws: values[i] at the
// arguments with the row's variable read from points[i], or valeurerreur with failed[i]
// set after a domain error or a NaN. Faults are left in the sticky flags.
using NativeRowCode = void (*)(const Arguments* args, const extended* points, std::size_t count,
                               extended* values, bool* failed);

// What a run executes: the tree of nodes (or a lone operand), and its native translation
// when one could be made.
struct Kernel {
  std::vector<Node> nodes;             // execution order; the root last; empty: no operation
  int singleVariable = -1;             // no operation, and the value is this variable
  const extended* constant = nullptr;  // no operation, and the value is this cell
  NativeCode native = nullptr;
  NativeRowCode nativeRow = nullptr;    // row kernels only
  std::shared_ptr<void> nativeStorage;  // owns the code and its scratch cells
  // The native code leaves every fault of a run visible without the flags: the value is
  // infinite or NaN, or the arguments are marked unsure. Reading the flags costs more than
  // a short formula (fnstsw is slow), so a finite, sure run skips it.
  bool faultsShow = false;
};

// A kernel for evaluating along one variable: the parts that do not depend on it (nor on
// a random draw) are computed once per row into their result cells and read from there.
struct RowKernel {
  bool built = false;
  bool randomDraws = false;         // the formula draws random numbers
  std::vector<int> invariantRoots;  // instructions computed once per row, in order
  Kernel kernel;
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
  Kernel kernel;
  RowKernel rows[kMaxVariables];
  // Translating to native code costs about as much as a few thousand runs: it is done
  // once this many points have been run (point by point, or along rows); negative: never.
  long pointsBeforeNative = -1;
  long rowPointsBeforeNative = -1;
  bool nativeRows = false;  // row kernels are translated as they are built
};

// The machine's routine for an operation code and its operands' kinds (Node::Kind).
Node::Routine routineFor(int code, int leftKind, int rightKind);

// Builds the program's kernel from its instructions, with the routine of each code.
void bindRoutines(Program& program);

// Computes ahead, once, every operation whose operands are all constants or parameters
// (the parameters must hold their final values), except the random ones and those that
// fail (they keep reporting their error at every run). Returns how many were folded.
int foldConstants(Program& program);

// Compiles a formula in engine notation; null when it is not accepted.
std::unique_ptr<Program> compile(std::string_view text, std::string_view variableNames,
                                 std::string_view parameterNames);

// How many times compile has run in this process (the tests check that evaluators made
// from a compiled formula do not compile it again).
long compileCount();

// A copy of a program with cells of its own, bound as compile and foldConstants left it:
// the same runs bit for bit, without compiling again. Row kernels and native code are not
// copied; the copy builds its own as it runs.
std::unique_ptr<Program> copyProgram(const Program& program);

// Whether an instruction (or the lone operand) reads variable `variable` (0: x, 1: y, 2: z).
bool readsVariable(const Program& program, int variable);

// Whether the program draws random numbers.
bool drawsRandom(const Program& program);

// Runs the program for one point and returns the root's value. Sets erreurcalcul on a
// domain error, an overflow, an invalid operation or a division by zero.
extended run(const Program& program, const extended& first, const extended& second,
             const extended& third);

// Runs the program at `count` points that differ only in variable `along`: point i gives
// it points[i], the other variables keep their value in `fixed`. values[i] and errors[i]
// are what run gives and erreurcalcul says for that point alone, bit for bit.
void runAlong(Program& program, int along, const extended fixed[kMaxVariables],
              const extended* points, std::size_t count, extended* values, bool* errors);

// Counts `points` runs of the program's kernel (or, `along` a variable, of that row
// kernel) and translates it to native code when its count is reached, where this machine
// and the kernel's operations allow (otherwise the tree runs).
void countRuns(Program& program, long points, int along = -1);

// The native translation of a kernel (kernel.native, and for a row kernel along a
// variable kernel.nativeRow), left null when there is none.
void translate(const Program& program, Kernel& kernel, int along = -1);

// One operation on values in memory, exactly as the machine computes it (for native code).
using OperationHelper = void (*)(const extended* a, const extended* b, extended* r);
OperationHelper helperFor(int code);

}  // namespace quadrel::expr
