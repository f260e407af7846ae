#include <cmath>

#include "opcodes.h"
#include "parsor.h"
#include "program.h"

using quadrel::expr::Program;

namespace {
// Only the first five parameter values (e, a, b, c, d) are ever given to a program.
constexpr int kTransferredParameters = 5;
const extended kParameterValues[kTransferredParameters] = {expl(1.0L), 0, 0, 0, 0};
}  // namespace

TExpress::TExpress() = default;
TExpress::~TExpress() = default;

void TExpress::setExpression(std::string_view text) {
  const std::string copy(text.substr(0, quadrel::expr::kMaxFormulaLength));
  program_.reset();
  program_ = quadrel::expr::compile(copy, VariableList, ParameterList);
  compileError_ = program_ == nullptr;
  if (compileError_) return;
  for (int i = 0; i < kTransferredParameters; ++i) *program_->parameters[i] = kParameterValues[i];
  program_->pointsBeforeNative = Native ? NativeAfter : -1;
  program_->rowPointsBeforeNative = Native && NativeAfter >= 0 ? NativeAfter / 4 : -1;
  quadrel::expr::foldConstants(*program_);
  quadrel::expr::countRuns(*program_, 0);
  quadrel::expr::countRuns(*program_, 0, 0);
  expression_ = copy;
}

const std::string& TExpress::Expression() const {
  return expression_;
}

bool TExpress::CompileError() const {
  return compileError_;
}

extended TExpress::Evaluate(extended x, extended y, extended z) {
  if (!program_) return 1.0L;
  if (program_->pointsBeforeNative > 0) quadrel::expr::countRuns(*program_, 1);
  erreurcalcul = false;
  const extended value = quadrel::expr::run(*program_, x, y, z);
  return erreurcalcul ? valeurerreur : value;
}

void TExpress::EvaluateAlong(int variable, const extended* points, std::size_t count, extended x,
                             extended y, extended z, extended* values, bool* errors) {
  if (variable < 0 || variable >= quadrel::expr::kMaxVariables) return;
  if (!program_) {
    for (std::size_t i = 0; i < count; ++i) {
      values[i] = 1.0L;
      errors[i] = false;
    }
    return;
  }
  const extended fixed[quadrel::expr::kMaxVariables] = {x, y, z};
  quadrel::expr::runAlong(*program_, variable, fixed, points, count, values, errors);
}

void TExpress::EvaluateRow(const extended* xs, std::size_t count, extended y, extended z,
                           extended* values, bool* errors) {
  EvaluateAlong(0, xs, count, 0, y, z, values, errors);
}

bool TExpress::RandomDraws() const {
  if (!program_) return false;
  for (const auto& in : program_->instructions)
    if (quadrel::expr::operation(in.code).random) return true;
  return false;
}

int TExpress::instructionCount() const {
  return program_ ? program_->instructionCount : 0;
}

std::vector<int> TExpress::operationCodes() const {
  std::vector<int> codes;
  if (!program_) return codes;
  for (const auto& in : program_->instructions) codes.push_back(in.code);
  return codes;
}
