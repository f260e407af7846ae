// The formula engine's only door: compile a formula once, evaluate it many times.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using extended = long double;  // 80-bit extended

// Process-wide evaluation error flag: set by a run that met a domain error or an
// arithmetic fault, cleared by TExpress::Evaluate before each run.
extern bool erreurcalcul;
inline constexpr extended valeurerreur = 10000001.0L;

namespace quadrel::expr {
struct Program;
}

class TExpress {
 public:
  TExpress();
  ~TExpress();
  TExpress(const TExpress&) = delete;
  TExpress& operator=(const TExpress&) = delete;

  void setExpression(std::string_view text);  // compiles (text cut to 255), sets CompileError
  const std::string& Expression() const;      // last text that compiled; "xyz" at creation
  bool CompileError() const;
  extended Evaluate(extended x, extended y, extended z);

  // Row evaluation: Evaluate(xs[i], y, z) for i < count, faster. values[i] is what that
  // call returns and errors[i] what it leaves in erreurcalcul, bit for bit, and random
  // draws happen in the same order (except that flags raised before the call by code
  // outside the engine are cleared once, not once per point). The parts of the formula
  // that do not depend on x are computed once per call. erreurcalcul is left true when
  // any point failed. values and errors hold count elements each.
  void EvaluateRow(const extended* xs, std::size_t count, extended y, extended z, extended* values,
                   bool* errors);
  // The same along any variable (0: x, 1: y, 2: z): the point i takes points[i] for
  // that variable and x, y, z for the other two (the moving one's own value is ignored).
  void EvaluateAlong(int variable, const extended* points, std::size_t count, extended x,
                     extended y, extended z, extended* values, bool* errors);
  bool RandomDraws() const;                 // the formula uses rn or rm
  int instructionCount() const;             // 0 for a single operand or no program
  std::vector<int> operationCodes() const;  // codes in execution order

  std::string VariableList = "xyz";
  // Runs compiled formulas as native code where the machine allows, once NativeAfter
  // points were evaluated (a quarter of that along rows), since the translation costs
  // about as much as a few thousand evaluations; read when compiling. Off, the evaluator
  // runs. Both give the same bits and errors.
  bool Native = true;
  long NativeAfter = 4096;
  std::string ParameterList = "eabcd$";

 private:
  std::string expression_ = "xyz";
  bool compileError_ = false;
  std::unique_ptr<quadrel::expr::Program> program_;  // null: the constant behaviour
};
