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

// A formula compiled once, over x, y, z, and never changed after: shared by whoever
// evaluates it (each TExpress made from it runs a copy of its own, not compiled again).
// Two are equal when they were compiled from the same text.
class CompiledFormula {
 public:
  // Null when the text (engine notation) does not compile or is longer than the engine
  // takes: it is never cut into another formula.
  static std::shared_ptr<const CompiledFormula> compile(std::string_view text);
  ~CompiledFormula();

  const std::string& text() const { return text_; }
  bool usesX() const { return usesX_; }
  bool usesY() const { return usesY_; }
  bool drawsRandom() const { return drawsRandom_; }  // rn or rm: every run draws again
  std::vector<int> operationCodes() const;           // codes in execution order
  const Program& program() const { return *program_; }
  bool operator==(const CompiledFormula& o) const { return text_ == o.text_; }

 private:
  CompiledFormula() = default;
  std::string text_;
  std::unique_ptr<const Program> program_;
  bool usesX_ = false, usesY_ = false, drawsRandom_ = false;
};
}  // namespace quadrel::expr

class TExpress {
 public:
  TExpress();
  // Runs a copy of `formula`, made without compiling it again (Native and NativeAfter at
  // their defaults; to change them, set them first and call setFormula).
  explicit TExpress(const quadrel::expr::CompiledFormula& formula);
  ~TExpress();
  TExpress(const TExpress&) = delete;
  TExpress& operator=(const TExpress&) = delete;

  void setExpression(std::string_view text);  // compiles (text cut to 255), sets CompileError
  void setFormula(const quadrel::expr::CompiledFormula& formula);  // as if it compiled its text
  const std::string& Expression() const;  // last text that compiled; "xyz" at creation
  bool CompileError() const;
  // A lone constant or variable is answered here, inline: passing three 80-bit values to a
  // function costs more than the rest of such a call. Otherwise z is passed on only to a
  // formula that reads it (each value passed is a slow 80-bit store).
  extended Evaluate(extended x, extended y, extended z) {
    switch (lone_) {
      case Lone::NoProgram:
        return 1.0L;
      case Lone::Constant:
        erreurcalcul = loneError_;
        return loneValue_;
      case Lone::X:
        return loneVariable(x);
      case Lone::Y:
        return loneVariable(y);
      case Lone::Z:
        return loneVariable(z);
      case Lone::No:
        return run(x, y, z);
      default:
        return run(x, y);
    }
  }

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
  bool usesVariable(int variable) const;    // 0: x, 1: y, 2: z; false with no program
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
  void adopt(std::unique_ptr<quadrel::expr::Program> program);
  extended run(extended x, extended y, extended z);
  extended run(extended x, extended y);
  static extended loneVariable(extended v) {
    erreurcalcul = v != v;
    return erreurcalcul ? valeurerreur : v;
  }

  // What the program is when it runs no operation; or whether it reads z (No) or not.
  enum class Lone : unsigned char { NoProgram, Constant, X, Y, Z, No, NoWithoutZ };
  Lone lone_ = Lone::NoProgram;
  extended loneValue_ = 1.0L;
  bool loneError_ = false;

  std::unique_ptr<quadrel::expr::Program> program_;  // null: the constant behaviour
};
