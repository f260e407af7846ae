// The formula engine's only door: compile a formula once, evaluate it many times.
#pragma once

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
  int instructionCount() const;             // 0 for a single operand or no program
  std::vector<int> operationCodes() const;  // codes in execution order

  std::string VariableList = "xyz";
  std::string ParameterList = "eabcd$";

 private:
  std::string expression_ = "xyz";
  bool compileError_ = false;
  std::unique_ptr<quadrel::expr::Program> program_;  // null: the constant behaviour
};
