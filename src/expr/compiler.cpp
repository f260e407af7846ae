// The formula compiler. It does not tokenise: it decides what a stretch of text is by
// trying every form it could have, in a fixed order, and splits infix expressions at the
// first operator whose two sides are acceptable. The analysis of a range depends only on
// the range, so it is remembered: a flat chain of operators compiles in polynomial time.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "number_literal.h"
#include "opcodes.h"
#include "program.h"
#include "random_source.h"

namespace quadrel::expr {
namespace {

enum class Form : std::uint8_t {
  Number,
  Variable,
  Parameter,
  Infix,
  UnaryMinus,
  UnaryFunction,
  BinaryFunction
};

constexpr std::uint8_t codeOf(Op op) {
  return static_cast<std::uint8_t>(op);
}

// The function names of one arity, in code order. A name is followed by its opening
// parenthesis, so no name can shadow another whatever the order.
template <int Arity>
constexpr auto functionsOfArity() {
  constexpr auto count = [] {
    std::size_t n = 0;
    for (const auto& o : kOperations) n += o.syntax == Syntax::Function && o.arity == Arity;
    return n;
  }();
  std::array<const Operation*, count> list{};
  std::size_t n = 0;
  for (const auto& o : kOperations)
    if (o.syntax == Syntax::Function && o.arity == Arity) list[n++] = &o;
  return list;
}
constexpr auto kUnaryFunctions = functionsOfArity<1>();
constexpr auto kBinaryFunctions = functionsOfArity<2>();

// What the analysis found for one range. Positions are 0-based; a parenthesised range
// carries the analysis of its inside, whose own range is kept as the core.
struct Analysis {
  enum State : std::uint8_t { Unknown, Rejected, Accepted };
  State state = Unknown;
  bool parenthesised = false;
  Form form = Form::Number;
  std::uint8_t code = 0;
  std::uint8_t precedence = 0;  // infix: of its operator; binary function: name length
  std::uint8_t aux = 0;         // infix: operator; binary function: comma; leaf: index
  std::uint8_t coreStart = 0;
  std::uint8_t coreLength = 0;
};

struct Range {
  int start;
  int length;
};

int precedenceOf(char c) {
  switch (c) {
    case '+':
    case '-':
      return 1;
    case '*':
    case '/':
      return 2;
    case '^':
      return 3;
    default:
      return 0;
  }
}

std::uint8_t infixCode(char c) {
  switch (c) {
    case '+':
      return codeOf(Op::Add);
    case '-':
      return codeOf(Op::Subtract);
    case '*':
      return codeOf(Op::Multiply);
    case '/':
      return codeOf(Op::Divide);
    default:
      return codeOf(Op::Power);
  }
}

class Analyser {
 public:
  Analyser(std::string_view text, std::string_view variables, std::string_view parameters)
      : text_(text),
        variables_(variables.substr(0, kMaxVariables)),
        parameters_(parameters.substr(0, kMaxParameters)),
        width_(static_cast<int>(text.size()) + 1),
        memo_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(width_)) {
    prepareBalance();
  }

  const Analysis& analyse(int start, int length) {
    Analysis& entry = memo_[static_cast<std::size_t>(start * width_ + length)];
    if (entry.state == Analysis::Unknown) entry = classify(start, length);
    return entry;
  }

  // The operand ranges of an accepted operation.
  std::array<Range, 2> operands(const Analysis& a) const {
    const int s = a.coreStart;
    const int l = a.coreLength;
    switch (a.form) {
      case Form::Infix:
        return {{{s, a.aux - s}, {a.aux + 1, s + l - 1 - a.aux}}};
      case Form::UnaryMinus:
        return {{{s + 1, l - 1}, {0, 0}}};
      case Form::UnaryFunction: {
        const int name = static_cast<int>(nameOf(a.code).size());
        return {{{s + name + 1, l - name - 2}, {0, 0}}};
      }
      case Form::BinaryFunction: {
        const int open = s + a.precedence;
        return {{{open + 1, a.aux - open - 1}, {a.aux + 1, s + l - 2 - a.aux}}};
      }
      default:
        return {{{0, 0}, {0, 0}}};
    }
  }

  std::string_view text() const { return text_; }

 private:
  static std::string_view nameOf(std::uint8_t code) { return operation(code).name; }

  // depth_[k]: parentheses open before position k; dip_[s]: the first k > s where the
  // depth falls below depth_[s]. A range is balanced when it ends at its starting depth
  // without dipping below it on the way: a constant-time test.
  void prepareBalance() {
    const int n = width_ - 1;
    depth_.assign(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 0; k < n; ++k) depth_[k + 1] = depth_[k] + (text_[k] == '(') - (text_[k] == ')');
    dip_.assign(static_cast<std::size_t>(n) + 1, n + 1);
    std::vector<int> waiting;  // positions whose dip is not found yet, depths increasing
    for (int k = 0; k <= n; ++k) {
      while (!waiting.empty() && depth_[k] < depth_[waiting.back()]) {
        dip_[waiting.back()] = k;
        waiting.pop_back();
      }
      waiting.push_back(k);
    }
  }

  bool balanced(int start, int length) const {
    return depth_[start + length] == depth_[start] && dip_[start] > start + length;
  }

  static Analysis rejected() {
    Analysis a;
    a.state = Analysis::Rejected;
    return a;
  }

  static Analysis accepted(Form form, std::uint8_t code, int start, int length, int aux = 0,
                           int precedence = 0) {
    Analysis a;
    a.state = Analysis::Accepted;
    a.form = form;
    a.code = code;
    a.precedence = static_cast<std::uint8_t>(precedence);
    a.aux = static_cast<std::uint8_t>(aux);
    a.coreStart = static_cast<std::uint8_t>(start);
    a.coreLength = static_cast<std::uint8_t>(length);
    return a;
  }

  Analysis classify(int start, int length) {
    if (length <= 0 || !balanced(start, length)) return rejected();
    const std::string_view range = text_.substr(start, length);

    if (length >= 3 && range.front() == '(' && range.back() == ')') {
      Analysis inside = analyse(start + 1, length - 2);
      if (inside.state == Analysis::Accepted) {
        inside.parenthesised = true;
        return inside;
      }
    }
    if (parseNumberLiteral(range)) return accepted(Form::Number, codeOf(Op::Number), start, length);
    if (length == 1) {
      const auto v = variables_.find(range[0]);
      if (v != std::string_view::npos)
        return accepted(Form::Variable, codeOf(Op::Variable), start, 1, int(v));
      const auto p = parameters_.find(range[0]);
      if (p != std::string_view::npos)
        return accepted(Form::Parameter, codeOf(Op::Parameter), start, 1, int(p));
    }
    if (Analysis a = infix(start, length); a.state == Analysis::Accepted) return a;
    if (Analysis a = unaryMinus(start, length); a.state == Analysis::Accepted) return a;
    if (Analysis a = unaryFunction(start, length); a.state == Analysis::Accepted) return a;
    return binaryFunction(start, length);
  }

  static bool isOperand(const Analysis& a) {
    return a.parenthesised || a.form == Form::Variable || a.form == Form::Number ||
           a.form == Form::Parameter || a.form == Form::UnaryFunction ||
           a.form == Form::BinaryFunction;
  }

  bool acceptableLeft(int start, int length, int precedence) {
    if (!balanced(start, length)) return false;
    const Analysis& a = analyse(start, length);
    if (a.state != Analysis::Accepted) return false;
    if (isOperand(a)) return true;
    if (a.form == Form::UnaryMinus) return precedence < 3;
    return a.form == Form::Infix && a.precedence >= precedence;
  }

  bool acceptableRight(int start, int length, int precedence) {
    if (!balanced(start, length)) return false;
    const Analysis& a = analyse(start, length);
    if (a.state != Analysis::Accepted) return false;
    if (isOperand(a)) return true;
    return a.form == Form::Infix && a.precedence > precedence;
  }

  Analysis infix(int start, int length) {
    for (int i = start; i < start + length; ++i) {
      const int p = precedenceOf(text_[i]);
      if (p == 0) continue;
      const int leftLength = i - start;
      const int rightLength = start + length - 1 - i;
      if (leftLength == 0 || rightLength == 0) continue;
      if (!acceptableLeft(start, leftLength, p) || !acceptableRight(i + 1, rightLength, p))
        continue;
      const std::uint8_t code =
          text_[i] == '^' ? powerCode(i + 1, rightLength) : infixCode(text_[i]);
      return accepted(Form::Infix, code, start, length, i, p);
    }
    return rejected();
  }

  // An integral constant exponent, written bare or in one pair of parentheses, gets a
  // dedicated code.
  std::uint8_t powerCode(int start, int length) {
    const Analysis& right = analyse(start, length);
    if (right.form != Form::Number) return codeOf(Op::Power);
    if (right.parenthesised && right.coreLength != length - 2) return codeOf(Op::Power);
    const extended n = *parseNumberLiteral(text_.substr(right.coreStart, right.coreLength));
    if (n != std::trunc(n)) return codeOf(Op::Power);
    if (n == 2) return codeOf(Op::Square);
    if (n == 3) return codeOf(Op::Cube);
    if (n == 4) return codeOf(Op::Fourth);
    return codeOf(Op::LiteralPower);
  }

  Analysis unaryMinus(int start, int length) {
    if (length < 2 || text_[start] != '-') return rejected();
    const Analysis& rest = analyse(start + 1, length - 1);
    if (rest.state != Analysis::Accepted) return rejected();
    if (!isOperand(rest) && !(rest.form == Form::Infix && rest.precedence > 1)) return rejected();
    return accepted(Form::UnaryMinus, codeOf(Op::Negate), start, length);
  }

  Analysis unaryFunction(int start, int length) {
    const std::string_view range = text_.substr(start, length);
    for (const Operation* f : kUnaryFunctions) {
      const int name = static_cast<int>(f->name.size());
      if (length < name + 3 || !range.starts_with(f->name)) continue;
      const Analysis& rest = analyse(start + name, length - name);
      if (rest.state != Analysis::Accepted || !rest.parenthesised) continue;
      // "Parenthesised" peels every pair; the operand is the inside of the first.
      return accepted(Form::UnaryFunction, codeOf(f->op), start, length);
    }
    return rejected();
  }

  Analysis binaryFunction(int start, int length) {
    const std::string_view range = text_.substr(start, length);
    if (range.back() != ')') return rejected();
    for (const Operation* f : kBinaryFunctions) {
      const int name = static_cast<int>(f->name.size());
      if (length < name + 4 || !range.starts_with(f->name) || range[name] != '(') continue;
      const int first = start + name + 1;
      const int last = start + length - 2;  // inclusive end of the arguments
      for (int comma = first + 1; comma < last; ++comma) {
        if (text_[comma] != ',') continue;
        const int firstLength = comma - first;
        const int secondLength = last - comma;
        if (analyse(first, firstLength).state != Analysis::Accepted) continue;
        if (analyse(comma + 1, secondLength).state != Analysis::Accepted) continue;
        return accepted(Form::BinaryFunction, codeOf(f->op), start, length, comma, name);
      }
    }
    return rejected();
  }

  std::string_view text_;
  std::string_view variables_;
  std::string_view parameters_;
  int width_;
  std::vector<Analysis> memo_;
  std::vector<int> depth_;
  std::vector<int> dip_;
};

// Walks the accepted tree depth first, left before right, placing each operation in the
// next free slot of the depth below its consumer; cells are counted first and allocated
// once at the end.
class Generator {
 public:
  explicit Generator(Analyser& analyser) : analyser_(analyser) {}

  std::unique_ptr<Program> generate(std::string_view original) {
    const int length = static_cast<int>(analyser_.text().size());
    const Analysis& root = analyser_.analyse(0, length);
    Binding rootBinding{-1, 0, 1};
    if (!visit(root, 0, rootBinding)) return nullptr;
    return link(original);
  }

 private:
  static constexpr int kFirstVariableCell = 0;
  static constexpr int kFirstParameterCell = kMaxVariables;
  static constexpr int kFirstFreeCell = kMaxVariables + kMaxParameters;

  struct PendingInstruction {
    int a = -1, b = -1, r = -1;  // cell indices
    std::uint16_t code = 0;
  };
  struct Binding {
    int depth;  // depth of the consumer instruction's slot; -1 for the pseudo-instruction
    int slot;
    int operand;  // 1 or 2
  };

  void bind(const Binding& to, int cell) {
    if (to.depth < 0) {
      rootCell_ = cell;
      return;
    }
    PendingInstruction& consumer = slots_[static_cast<std::size_t>(to.depth)][to.slot];
    (to.operand == 1 ? consumer.a : consumer.b) = cell;
  }

  bool visit(const Analysis& a, int depth, const Binding& consumer) {
    if (depth > kMaxDepth) return false;
    switch (a.form) {
      case Form::Variable:
        bind(consumer, kFirstVariableCell + a.aux);
        return true;
      case Form::Parameter:
        bind(consumer, kFirstParameterCell + a.aux);
        return true;
      case Form::Number: {
        const std::string_view literal = analyser_.text().substr(a.coreStart, a.coreLength);
        constants_.push_back(*parseNumberLiteral(literal));
        bind(consumer, kFirstFreeCell + static_cast<int>(constants_.size()) - 1 + kConstantTag);
        return true;
      }
      default:
        break;
    }
    const int operationDepth = depth + 1;
    if (slots_.size() <= static_cast<std::size_t>(operationDepth))
      slots_.resize(operationDepth + 1);
    auto& level = slots_[static_cast<std::size_t>(operationDepth)];
    if (level.size() >= static_cast<std::size_t>(kMaxSlotsPerDepth)) return false;
    if (operation(a.code).random) reseedRandomFromClock();
    const int slot = static_cast<int>(level.size());
    PendingInstruction instruction;
    instruction.code = a.code;
    instruction.r = resultCount_++ + kResultTag;
    level.push_back(instruction);
    bind(consumer, instruction.r);

    const auto ranges = analyser_.operands(a);
    for (int k = 0; k < (a.form == Form::Infix || a.form == Form::BinaryFunction ? 2 : 1); ++k) {
      const Analysis& operand = analyser_.analyse(ranges[k].start, ranges[k].length);
      if (!visit(operand, operationDepth, Binding{operationDepth, slot, k + 1})) return false;
    }
    return true;
  }

  // Constants and results are numbered apart while generating; tags tell them apart.
  static constexpr int kConstantTag = 1 << 20;
  static constexpr int kResultTag = 1 << 21;

  int resolve(int cell) const {
    if (cell < 0) return -1;
    if (cell >= kResultTag)
      return kFirstFreeCell + static_cast<int>(constants_.size()) + cell - kResultTag;
    if (cell >= kConstantTag) return cell - kConstantTag;
    return cell;
  }

  std::unique_ptr<Program> link(std::string_view original) {
    auto program = std::make_unique<Program>();
    program->text = std::string(original);
    program->cellCount = kFirstFreeCell + static_cast<int>(constants_.size()) + resultCount_;
    program->cells = std::make_unique<extended[]>(static_cast<std::size_t>(program->cellCount));
    extended* cells = program->cells.get();
    for (int i = 0; i < kMaxVariables; ++i) program->variables[i] = cells + kFirstVariableCell + i;
    for (int i = 0; i < kMaxParameters; ++i)
      program->parameters[i] = cells + kFirstParameterCell + i;
    for (std::size_t i = 0; i < constants_.size(); ++i) cells[kFirstFreeCell + i] = constants_[i];

    auto pointer = [&](int cell) { return cell < 0 ? nullptr : cells + resolve(cell); };
    if (resultCount_ == 0) {
      extended* value = pointer(rootCell_);
      program->instructions.push_back(Instruction{value, nullptr, value, 0});
      program->instructionCount = 0;
      return program;
    }
    for (std::size_t depth = slots_.size(); depth-- > 1;) {
      for (const PendingInstruction& p : slots_[depth])
        program->instructions.push_back(
            Instruction{pointer(p.a), pointer(p.b), pointer(p.r), p.code});
    }
    program->instructionCount = static_cast<int>(program->instructions.size());
    return program;
  }

  Analyser& analyser_;
  std::vector<std::vector<PendingInstruction>> slots_;
  std::vector<extended> constants_;
  int resultCount_ = 0;
  int rootCell_ = -1;
};

long compilations = 0;

}  // namespace

long compileCount() {
  return compilations;
}

std::unique_ptr<Program> compile(std::string_view text, std::string_view variableNames,
                                 std::string_view parameterNames) {
  ++compilations;
  const std::string_view original = text.substr(0, kMaxFormulaLength);
  std::string compact;
  compact.reserve(original.size());
  for (char c : original)
    if (c != ' ') compact.push_back(c);
  if (compact.empty()) return nullptr;

  Analyser analyser(compact, variableNames.substr(0, kMaxNameListLength),
                    parameterNames.substr(0, kMaxNameListLength));
  if (analyser.analyse(0, static_cast<int>(compact.size())).state != Analysis::Accepted)
    return nullptr;
  Generator generator(analyser);
  auto program = generator.generate(original);
  if (program) bindRoutines(*program);
  return program;
}

}  // namespace quadrel::expr
