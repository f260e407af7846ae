// Native code against the evaluator. The input bytes choose a formula (built from the
// operation table, so that nearly every input compiles), the points and the random seed;
// the formula is compiled twice, with and without native code, and every value, error
// and random draw must agree bit for bit, point by point and along a row. A last byte may
// leave a fault flag raised before each run, as code outside the engine can.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fpfault.h"
#include "opcodes.h"
#include "parsor.h"
#include "random_source.h"

namespace {

using namespace quadrel::expr;

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
  bool empty() const { return at_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

constexpr const char* kLeaves[] = {"x",    "y", "z", "e",    "pi", "2",     "0.5",    "3",
                                   "1E-3", "0", "1", "(-1)", "35", "1E300", "1E4000", "7.25"};
constexpr const char* kExponents[] = {"0", "1", "5", "(-2)", "7", "(-1)", "64", "65", "1E30"};

std::string formula(Bytes& in, int depth) {
  const std::uint8_t choice = in.next();
  if (depth >= 6 || in.empty() || choice % 3 == 0) return kLeaves[in.next() % std::size(kLeaves)];
  const Operation& op = kOperations[4 + choice % (kOperationCount - 4)];
  const std::string a = formula(in, depth + 1);
  switch (op.op) {
    case Op::Negate:
      return "(-" + a + ")";
    case Op::LiteralPower:
      return "(" + a + "^" + kExponents[in.next() % std::size(kExponents)] + ")";
    case Op::Square:
    case Op::Cube:
    case Op::Fourth:
      return "(" + a + std::string(op.name) + ")";
    default:
      break;
  }
  if (op.syntax == Syntax::Function && op.arity == 1) return std::string(op.name) + "(" + a + ")";
  const std::string b = formula(in, depth + 1);
  if (op.syntax == Syntax::Function) return std::string(op.name) + "(" + a + "," + b + ")";
  return "(" + a + std::string(op.op == Op::Power ? "^" : op.name) + b + ")";
}

extended point(Bytes& in) {
  constexpr extended kScales[] = {1, 1, 1, 1e-300L, 1e300L, 1e4000L, 1e-4000L, 0};
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits = bits << 8 | in.next();
  double d;
  std::memcpy(&d, &bits, sizeof d);
  if (d != d) d = 0.5;  // a NaN argument is the caller's fault, not a formula's
  return static_cast<extended>(d) * kScales[in.next() % std::size(kScales)];
}

bool same(extended a, extended b) {
  return std::memcmp(&a, &b, 10) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 512) return 0;
  Bytes in(data, size);
  const std::uint64_t seed = in.next();
  extended p[3] = {point(in), point(in), point(in)};
  const int along = in.next() % 3;
  extended row[6];
  for (int i = 0; i < 6; ++i) row[i] = i < 3 ? p[i] : p[i - 3] * 0.5L - 1;
  fpfault::clear();  // the harness's own overflows must not reach the first run
  const std::string text = formula(in, 0);
  const bool dirty = in.next() & 1;
  TExpress native, tree;
  tree.Native = false;
  native.NativeAfter = 0;
  native.setExpression(text);
  tree.setExpression(text);
  if (native.CompileError() != tree.CompileError()) __builtin_trap();
  if (native.CompileError()) return 0;
  // Point by point, with flags left raised before each run or not; the clean runs are the
  // rows' reference (a row clears such flags once, not at every point).
  constexpr int kPoints = 6;
  extended expected[kPoints];
  bool expectedErrors[kPoints];
  auto pointByPoint = [&](bool raised) {
    auto start = [raised] {
      if (!raised) return;
      fpfault::clear();
      fpfault::raise();
    };
    fpfault::clear();  // both start from clean flags (compiling may leave some raised)
    seedRandom(seed);
    for (int i = 0; i < kPoints; ++i) {
      extended v[3] = {p[0], p[1], p[2]};
      v[along] = row[i];
      start();
      expected[i] = tree.Evaluate(v[0], v[1], v[2]);
      expectedErrors[i] = erreurcalcul;
    }
    fpfault::clear();
    seedRandom(seed);
    for (int i = 0; i < kPoints; ++i) {
      extended v[3] = {p[0], p[1], p[2]};
      v[along] = row[i];
      start();
      const extended value = native.Evaluate(v[0], v[1], v[2]);
      if (erreurcalcul != expectedErrors[i] || !same(value, expected[i])) __builtin_trap();
    }
  };
  if (dirty) pointByPoint(true);
  pointByPoint(false);
  // Along a row, native and not.
  for (TExpress* e : {&native, &tree}) {
    extended values[kPoints];
    bool errors[kPoints];
    fpfault::clear();  // both start from clean flags (compiling may leave some raised)
    seedRandom(seed);
    e->EvaluateAlong(along, row, kPoints, p[0], p[1], p[2], values, errors);
    for (int i = 0; i < kPoints; ++i)
      if (errors[i] != expectedErrors[i] || !same(values[i], expected[i])) __builtin_trap();
  }
  return 0;
}
