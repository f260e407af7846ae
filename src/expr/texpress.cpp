#include <cmath>

#include "parsor.h"
#include "program.h"

using quadrel::expr::CompiledFormula;
using quadrel::expr::Program;

namespace {
// Only the first five parameter values (e, a, b, c, d) are ever given to a program.
constexpr int kTransferredParameters = 5;
const extended kParameterValues[kTransferredParameters] = {expl(1.0L), 0, 0, 0, 0};

// Compiled, with the parameters' values and its constants computed ahead: ready to run.
std::unique_ptr<Program> prepared(std::string_view text, std::string_view variables,
                                  std::string_view parameters) {
  auto program = quadrel::expr::compile(text, variables, parameters);
  if (!program) return program;
  for (int i = 0; i < kTransferredParameters; ++i) *program->parameters[i] = kParameterValues[i];
  quadrel::expr::foldConstants(*program);
  return program;
}
}  // namespace

std::shared_ptr<const CompiledFormula> CompiledFormula::compile(std::string_view text) {
  if (text.size() > quadrel::expr::kMaxFormulaLength) return nullptr;
  std::unique_ptr<Program> program = prepared(text, "xyz", "eabcd$");
  if (!program) return nullptr;
  std::shared_ptr<CompiledFormula> f(new CompiledFormula);
  f->text_ = std::string(text);
  f->usesX_ = quadrel::expr::readsVariable(*program, 0);
  f->usesY_ = quadrel::expr::readsVariable(*program, 1);
  f->drawsRandom_ = quadrel::expr::drawsRandom(*program);
  f->program_ = std::move(program);
  return f;
}

CompiledFormula::~CompiledFormula() = default;

std::vector<int> CompiledFormula::operationCodes() const {
  std::vector<int> codes;
  for (const auto& in : program_->instructions) codes.push_back(in.code);
  return codes;
}

TExpress::TExpress() = default;
TExpress::TExpress(const CompiledFormula& formula) {
  setFormula(formula);
}
TExpress::~TExpress() = default;

void TExpress::setExpression(std::string_view text) {
  const std::string copy(text.substr(0, quadrel::expr::kMaxFormulaLength));
  program_.reset();
  lone_ = Lone::NoProgram;
  std::unique_ptr<Program> program = prepared(copy, VariableList, ParameterList);
  compileError_ = program == nullptr;
  if (compileError_) return;
  adopt(std::move(program));
  expression_ = copy;
}

void TExpress::setFormula(const CompiledFormula& formula) {
  program_.reset();
  lone_ = Lone::NoProgram;
  adopt(quadrel::expr::copyProgram(formula.program()));
  compileError_ = false;
  expression_ = formula.text();
}

// Native code comes once the program has run enough points, as set here.
void TExpress::adopt(std::unique_ptr<Program> program) {
  program_ = std::move(program);
  program_->pointsBeforeNative = Native ? NativeAfter : -1;
  program_->rowPointsBeforeNative = Native && NativeAfter >= 0 ? NativeAfter / 4 : -1;
  quadrel::expr::countRuns(*program_, 0);
  quadrel::expr::countRuns(*program_, 0, 0);
  // Nothing to compute: the value (a literal, a parameter or a folded result) never
  // changes, or is a variable's.
  const quadrel::expr::Kernel& kernel = program_->kernel;
  if (!kernel.nodes.empty()) {
    lone_ = quadrel::expr::readsVariable(*program_, 2) ? Lone::No : Lone::NoWithoutZ;
    return;
  }
  if (kernel.singleVariable >= 0) {
    lone_ = static_cast<Lone>(static_cast<int>(Lone::X) + kernel.singleVariable);
    return;
  }
  lone_ = Lone::Constant;
  loneError_ = *kernel.constant != *kernel.constant;
  loneValue_ = loneError_ ? valeurerreur : *kernel.constant;
}

const std::string& TExpress::Expression() const {
  return expression_;
}

bool TExpress::CompileError() const {
  return compileError_;
}

extended TExpress::run(extended x, extended y, extended z) {
  if (program_->pointsBeforeNative > 0) quadrel::expr::countRuns(*program_, 1);
  erreurcalcul = false;
  const extended value = quadrel::expr::run(*program_, x, y, z);
  return erreurcalcul ? valeurerreur : value;
}

extended TExpress::run(extended x, extended y) {
  static const extended unread = 0;  // z, which the formula does not read
  if (program_->pointsBeforeNative > 0) quadrel::expr::countRuns(*program_, 1);
  erreurcalcul = false;
  const extended value = quadrel::expr::run(*program_, x, y, unread);
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
  return program_ && quadrel::expr::drawsRandom(*program_);
}

bool TExpress::usesVariable(int variable) const {
  if (!program_ || variable < 0 || variable >= quadrel::expr::kMaxVariables) return false;
  return quadrel::expr::readsVariable(*program_, variable);
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
