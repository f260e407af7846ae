// Runs of a compiled program: its instructions bound into a kernel (a tree of routines, or
// native code), constants computed ahead, and rows of points that share all but one
// variable. Arithmetic faults anywhere in a run (overflow, invalid operation, division by
// zero) are read once at the end from the floating-point flags and make the run an error.

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "fpfault.h"
#include "opcodes.h"
#include "program.h"

bool erreurcalcul = false;

namespace quadrel::expr {
namespace {

int variableIndex(const Program& program, const extended* cell) {
  for (int k = 0; k < kMaxVariables; ++k)
    if (program.variables[k] == cell) return k;
  return -1;
}

// Binds a kernel; an instruction marked in `asCell` is not run but read from its result
// cell (computed ahead, once for the program or once per row).
void bindKernel(const Program& program, const std::vector<char>& asCell, Kernel& kernel) {
  kernel = Kernel{};
  const std::vector<Instruction>& ins = program.instructions;
  if (program.instructionCount == 0) {  // a single operand: nothing to compute
    kernel.singleVariable = variableIndex(program, ins.front().a);
    kernel.constant = ins.front().r;
    return;
  }
  if (asCell.back()) {
    kernel.constant = ins.back().r;
    return;
  }
  kernel.nodes.resize(ins.size());
  auto producer = [&](const extended* cell, std::size_t before) -> const Node* {
    for (std::size_t j = 0; j < before; ++j)
      if (ins[j].r == cell) return asCell[j] ? nullptr : &kernel.nodes[j];
    return nullptr;
  };
  // Wires one operand and returns its kind.
  auto wire = [&](const extended* cell, std::size_t i, const Node*& computed,
                  const extended*& constant, int& variable) {
    if (!cell) return 0;
    if ((computed = producer(cell, i))) return static_cast<int>(Node::Computed);
    if ((variable = variableIndex(program, cell)) >= 0) return static_cast<int>(Node::Variable);
    variable = 0;
    constant = cell;
    return static_cast<int>(Node::Cell);
  };
  for (std::size_t i = 0; i < ins.size(); ++i) {
    Node& node = kernel.nodes[i];
    const int left = wire(ins[i].a, i, node.left, node.a, node.leftVariable);
    const int right = wire(ins[i].b, i, node.right, node.b, node.rightVariable);
    node.routine = routineFor(ins[i].code, left, right);
  }
}

std::vector<char> foldedInstructions(const Program& program) {
  std::vector<char> folded(program.instructions.size());
  for (std::size_t i = 0; i < folded.size(); ++i) folded[i] = program.instructions[i].folded;
  return folded;
}

extended evaluateTree(const Kernel& kernel, const Arguments& args) {
  if (kernel.nodes.empty())
    return kernel.singleVariable >= 0 ? *args.value[kernel.singleVariable] : *kernel.constant;
  const Node& root = kernel.nodes.back();
  return root.routine(root, args);
}

extended evaluate(const Kernel& kernel, const Arguments& args) {
  if (kernel.native) return kernel.native(&args);
  return evaluateTree(kernel, args);
}

// Faults are read from the sticky flags once, after the run. Flags left raised by code
// outside the engine cannot be told from this run's own, so a run that finds them raised
// clears them and runs again: only a fault of its own survives the second run. The tree
// runs again where native code may have raised a flag of its own while checking values.
extended checkFaults(const Kernel& kernel, const Arguments& args, extended value) {
  if (fpfault::raised()) [[unlikely]] {
    fpfault::clear();
    value = kernel.faultsShow ? evaluateTree(kernel, args) : evaluate(kernel, args);
    if (fpfault::raised()) {
      fpfault::clear();
      erreurcalcul = true;
    }
  }
  if (value != value) erreurcalcul = true;
  return value;
}

// Below this a value is finite; a larger one (finite or not) goes to the flags.
constexpr extended kFinite = 0x1p1000L;

// Inline: one call less on the way to the native code.
[[gnu::always_inline]] inline extended runKernel(const Kernel& kernel, const Arguments& args) {
  if (kernel.faultsShow) {
    const extended value = kernel.native(&args);
    if (!args.unsure && std::fabs(value) <= kFinite) [[likely]]
      return value;
    return checkFaults(kernel, args, value);
  }
  // A lone operand runs no operation: it cannot fault.
  if (kernel.nodes.empty()) [[unlikely]] {
    const extended value = evaluateTree(kernel, args);
    if (value != value) erreurcalcul = true;
    return value;
  }
  return checkFaults(kernel, args, evaluate(kernel, args));
}

// Marks what moves along variable `along`: what reads it, what draws a random number,
// and what uses either. The rest (folded aside) is computed once per row.
void buildRowKernel(Program& program, int along, RowKernel& row) {
  const std::vector<Instruction>& ins = program.instructions;
  std::vector<char> moves(ins.size()), asCell = foldedInstructions(program);
  auto producerOf = [&](const extended* cell, std::size_t before) {
    for (std::size_t j = 0; j < before; ++j)
      if (ins[j].r == cell) return static_cast<int>(j);
    return -1;
  };
  auto operandMoves = [&](const extended* cell, std::size_t i) {
    if (!cell) return false;
    if (cell == program.variables[along]) return true;
    const int j = producerOf(cell, i);
    return j >= 0 && moves[static_cast<std::size_t>(j)];
  };
  row = RowKernel{};
  for (std::size_t i = 0; i < ins.size() && program.instructionCount > 0; ++i) {
    const bool random = operation(ins[i].code).random;
    row.randomDraws = row.randomDraws || random;
    moves[i] = random || operandMoves(ins[i].a, i) || operandMoves(ins[i].b, i);
  }
  std::vector<char> isRoot(ins.size());
  for (std::size_t i = 0; i < ins.size() && program.instructionCount > 0; ++i) {
    if (!moves[i]) continue;
    for (const extended* cell : {ins[i].a, ins[i].b}) {
      const int j = cell ? producerOf(cell, i) : -1;
      if (j >= 0 && !moves[static_cast<std::size_t>(j)] && !asCell[static_cast<std::size_t>(j)])
        isRoot[static_cast<std::size_t>(j)] = 1;
    }
  }
  if (program.instructionCount > 0 && !moves.back() && !asCell.back()) isRoot.back() = 1;
  for (std::size_t i = 0; i < ins.size(); ++i) {
    if (isRoot[i]) row.invariantRoots.push_back(static_cast<int>(i));
    if (program.instructionCount > 0 && !moves[i]) asCell[i] = 1;
  }
  bindKernel(program, asCell, row.kernel);
  row.built = true;
  if (program.nativeRows) translate(program, row.kernel, row.randomDraws ? -1 : along);
}

// Computes the row's fixed parts into their cells; false when one of them fails, which
// makes every point of the row fail.
bool computeInvariants(Program& program, const RowKernel& row, const Arguments& args) {
  if (row.invariantRoots.empty()) return true;
  fpfault::clearIfRaised();
  erreurcalcul = false;
  for (const int i : row.invariantRoots) {
    const Node& node = program.kernel.nodes[static_cast<std::size_t>(i)];
    *program.instructions[static_cast<std::size_t>(i)].r = node.routine(node, args);
  }
  const bool failed = erreurcalcul || fpfault::raised();
  fpfault::clearIfRaised();
  return !failed;
}

// The whole row at once; false when a fault was raised somewhere in it, and then the row
// is to be run point by point to tell which points faulted (nothing in it draws at random,
// so running it again changes nothing).
bool runNativeRow(const Kernel& kernel, const Arguments& args, const extended* points,
                  std::size_t count, extended* values, bool* errors) {
  fpfault::clearIfRaised();
  kernel.nativeRow(&args, points, count, values, errors);
  if (!fpfault::raised()) return true;
  fpfault::clear();
  return false;
}

}  // namespace

void bindRoutines(Program& program) {
  bindKernel(program, foldedInstructions(program), program.kernel);
  for (RowKernel& row : program.rows) row = RowKernel{};
}

int foldConstants(Program& program) {
  if (program.kernel.nodes.empty()) return 0;
  const bool callerError = erreurcalcul;
  const bool callerFault = fpfault::raised();  // given back, for the next run to judge
  const extended none = 0;
  const Arguments noArguments{{&none, &none, &none}};
  auto constant = [&](const Node* computed, const extended* cell) {
    if (computed) return program.instructions[computed - program.kernel.nodes.data()].folded;
    return cell != nullptr;  // a literal or a parameter; null is a variable
  };
  int folded = 0;
  for (std::size_t i = 0; i < program.kernel.nodes.size(); ++i) {
    Instruction& in = program.instructions[i];
    const Node& node = program.kernel.nodes[i];
    if (operation(in.code).random || !constant(node.left, node.a) ||
        (arityOf(in.code) == 2 && !constant(node.right, node.b)))
      continue;
    // The same routine as at run time, so the value is the one a run would compute.
    erreurcalcul = false;
    fpfault::clear();
    const extended value = node.routine(node, noArguments);
    const bool failed = erreurcalcul || fpfault::raised() || value != value;
    fpfault::clear();
    if (failed) continue;
    *in.r = value;
    in.folded = true;
    ++folded;
  }
  erreurcalcul = callerError;
  if (callerFault) fpfault::raise();
  if (folded > 0) bindRoutines(program);
  return folded;
}

std::unique_ptr<Program> copyProgram(const Program& program) {
  auto copy = std::make_unique<Program>();
  copy->text = program.text;
  copy->cellCount = program.cellCount;
  const auto count = static_cast<std::size_t>(program.cellCount);
  copy->cells = std::make_unique<extended[]>(count);
  std::copy_n(program.cells.get(), count, copy->cells.get());
  auto moved = [&](extended* cell) {
    return cell ? copy->cells.get() + (cell - program.cells.get()) : nullptr;
  };
  for (int i = 0; i < kMaxVariables; ++i) copy->variables[i] = moved(program.variables[i]);
  for (int i = 0; i < kMaxParameters; ++i) copy->parameters[i] = moved(program.parameters[i]);
  copy->instructions = program.instructions;
  for (Instruction& in : copy->instructions) {
    in.a = moved(in.a);
    in.b = moved(in.b);
    in.r = moved(in.r);
  }
  copy->instructionCount = program.instructionCount;
  bindRoutines(*copy);
  return copy;
}

bool readsVariable(const Program& program, int variable) {
  const extended* cell = program.variables[variable];
  for (const Instruction& in : program.instructions)
    if (in.a == cell || in.b == cell) return true;
  return false;
}

bool drawsRandom(const Program& program) {
  for (const Instruction& in : program.instructions)
    if (operation(in.code).random) return true;
  return false;
}

void countRuns(Program& program, long points, int along) {
  long& left = along < 0 ? program.pointsBeforeNative : program.rowPointsBeforeNative;
  if (left < 0) return;  // translated already, or never
  left = left > points ? left - points : 0;
  if (left > 0) return;
  left = -1;
  if (along < 0) {
    translate(program, program.kernel);
    return;
  }
  program.nativeRows = true;
  for (int v = 0; v < kMaxVariables; ++v) {
    RowKernel& row = program.rows[v];
    if (row.built) translate(program, row.kernel, row.randomDraws ? -1 : v);
  }
}

extended run(const Program& program, const extended& first, const extended& second,
             const extended& third) {
  const Arguments args{{&first, &second, &third}};
  return runKernel(program.kernel, args);
}

void runAlong(Program& program, int along, const extended fixed[kMaxVariables],
              const extended* points, std::size_t count, extended* values, bool* errors) {
  countRuns(program, static_cast<long>(count), along);
  RowKernel& row = program.rows[along];
  if (!row.built) buildRowKernel(program, along, row);
  extended point[kMaxVariables] = {fixed[0], fixed[1], fixed[2]};
  const Arguments args{{&point[0], &point[1], &point[2]}};
  const bool ready = computeInvariants(program, row, args);
  // A failed fixed part fails every point; with random draws the points still run one by
  // one so that the draws happen as they would point by point.
  const Kernel& kernel = ready ? row.kernel : program.kernel;
  bool any = false;
  if (ready && kernel.nativeRow && runNativeRow(kernel, args, points, count, values, errors)) {
    for (std::size_t i = 0; i < count; ++i) any = any || errors[i];
    erreurcalcul = any;
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    point[along] = points[i];
    erreurcalcul = false;
    extended value = valeurerreur;
    if (ready || row.randomDraws) value = runKernel(kernel, args);
    errors[i] = erreurcalcul || !ready;
    values[i] = errors[i] ? valeurerreur : value;
    any = any || errors[i];
  }
  erreurcalcul = any;
}

}  // namespace quadrel::expr
