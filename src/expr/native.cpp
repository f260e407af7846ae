// Native x87 code for a kernel, generated with Xbyak. The tree's nodes are walked in the
// same order as the tree evaluator walks them; values stay on the x87 register stack and
// the arithmetic a routine would inline (negation, + - * /, small powers, abs, sqrt) is
// emitted as the same instructions, with the same comparisons (quiet for ==, signalling
// for <), so that results and fault flags are the evaluator's bit for bit. Every other
// operation calls the machine's own helper for its code, with the register stack spilled
// around the call. A kernel that would need more than the eight registers runs as a tree.

#include "program.h"

#if defined(QUADREL_HAVE_XBYAK) && defined(__x86_64__)

#include <xbyak/xbyak.h>

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

#include "fpfault.h"
#include "opcodes.h"
#include "x87math.h"

namespace quadrel::expr {
namespace {

constexpr int kRegisters = 8;
// The constants of the elementary functions, in memory for the code to load.
namespace math = x87::detail;
const extended kReductionLimit = math::kReductionLimit, kTwoOverPi = math::kTwoOverPi,
               kHalfPi1 = math::kHalfPi1, kHalfPi2 = math::kHalfPi2, kHalfPi3 = math::kHalfPi3,
               kLog2e = math::kLog2e, kLn2Hi = math::kLn2Hi, kLn2Lo = math::kLn2Lo,
               kExpLimit = 20000, kExpDomain = 35, kTwo = 2, kLnNearOne = math::kLnNearOne;
const extended kErrorValue = valeurerreur;

// The unit's own log2(e), when it is the library's constant to the last bit.
bool log2eInstructionExact() {
  static const bool exact = [] {
    extended v;
    asm("fldl2e" : "=t"(v));
    return v == kLog2e;
  }();
  return exact;
}

// The same for ln 2.
bool ln2InstructionExact() {
  static const bool exact = [] {
    extended v;
    asm("fldln2" : "=t"(v));
    return v == math::kLn2;
  }();
  return exact;
}

// The code and the memory cells it addresses directly.
struct NativeStorage {
  std::unique_ptr<Xbyak::CodeGenerator> code;
  std::vector<extended> cells;
  std::deque<float> floats;  // constants; a deque never moves what it holds
  std::deque<double> doubles;
  std::deque<extended> extendeds;
};

class Translator : public Xbyak::CodeGenerator {
 public:
  Translator(const Program& program, const Kernel& kernel, NativeStorage& storage)
      : Xbyak::CodeGenerator(codeSize(kernel)),
        program_(program),
        kernel_(kernel),
        storage_(storage),
        spill_(storage.cells.data()),
        slots_(spill_ + kRegisters) {}

  static std::size_t codeSize(const Kernel& kernel) {
    return (2048 + 512 * kernel.nodes.size() + 4095) / 4096 * 4096;  // two bodies
  }
  static std::size_t cellCount(const Kernel& kernel) {
    return kRegisters + 3 * kernel.nodes.size();
  }

  // Emits the point function, and the row function when `along` names a variable;
  // false when the kernel needs more registers than the unit has.
  bool build(int along) {
    point_ = getCurr<NativeCode>();
    push(rbx);  // also aligns the stack to 16 bytes for calls
    mov(rbx, rdi);
    if (!node(kernel_.nodes.back())) return false;
    depth_ = 0;
    pop(rbx);
    ret();  // the value in st0
    if (along < 0) return true;
    along_ = along;
    align(16);
    row_ = getCurr<NativeRowCode>();
    return buildRow();
  }

  NativeCode point() const { return point_; }
  NativeRowCode row() const { return row_; }
  // Every fault of a point run shows in its value or marks it unsure (Kernel::faultsShow).
  bool faultsShow() const { return faultsShow_; }

 private:
  // rbx: arguments, r13: the current point, r12: its value, r15: its error, r14:
  // the count left. Reading the fault flags at every point would wait for each point's
  // last operation: the caller reads them once after the row.
  bool buildRow() {
    for (const auto& reg : {rbx, r12, r13, r14, r15}) push(reg);  // five: the stack is aligned
    mov(rbx, rdi);
    mov(r13, rsi);
    mov(r14, rdx);
    mov(r12, rcx);
    mov(r15, r8);
    Xbyak::Label loop, end;
    test(r14, r14);
    jz(end, T_NEAR);
    L(loop);
    mov(rax, reinterpret_cast<std::uint64_t>(&erreurcalcul));
    mov(byte[rax], 0);
    if (!node(kernel_.nodes.back())) return false;
    // A domain error or a NaN: the error value, as Evaluate gives it.
    Xbyak::Label store;
    mov(rdx, reinterpret_cast<std::uint64_t>(&erreurcalcul));
    movzx(ecx, byte[rdx]);
    fucomi(st0, st0);
    setp(dl);
    or_(cl, dl);  // kept in cl: loading a cell uses rax
    jz(store);
    fstp(st0);
    loadCell(&kErrorValue);
    L(store);
    storeTword(r12);
    depth_ = 0;
    mov(byte[r15], cl);
    add(r13, 16);
    add(r12, 16);
    add(r15, 1);
    sub(r14, 1);
    jnz(loop, T_NEAR);
    L(end);
    for (const auto& reg : {r15, r14, r13, r12, rbx}) pop(reg);
    ret();
    return true;
  }

  // fld / fstp of an 80-bit cell at [reg]: DB /5 and DB /7.
  void loadTword(const Xbyak::Reg64& reg) { memoryOp(reg, 5); }
  void storeTword(const Xbyak::Reg64& reg) { memoryOp(reg, 7); }
  void memoryOp(const Xbyak::Reg64& reg, int ext) {
    const int low = reg.getIdx() & 7;
    if (reg.getIdx() >= 8) db(0x41);
    db(0xDB);
    const bool displaced = low == 5;  // rbp and r13 have no form without displacement
    db(static_cast<std::uint8_t>((displaced ? 0x40 : 0) | (ext << 3) | low));
    if (low == 4) db(0x24);  // rsp and r12 need a SIB byte
    if (displaced) db(0);
  }
  void loadCell(const extended* cell) {
    mov(rax, reinterpret_cast<std::uint64_t>(cell));
    loadTword(rax);
  }
  // A value that never changes, loaded from a float or double copy when one holds it
  // exactly (a cheaper load, the same value).
  void loadConstant(extended v) {
    if (static_cast<extended>(static_cast<float>(v)) == v) {
      mov(rax,
          reinterpret_cast<std::uint64_t>(&storage_.floats.emplace_back(static_cast<float>(v))));
      fld(dword[rax]);
    } else if (static_cast<extended>(static_cast<double>(v)) == v) {
      mov(rax,
          reinterpret_cast<std::uint64_t>(&storage_.doubles.emplace_back(static_cast<double>(v))));
      fld(qword[rax]);
    } else {
      loadCell(&storage_.extendeds.emplace_back(v));
    }
  }
  // Literals, parameters and folded results keep their value; a result computed once
  // per row does not.
  bool fixed(const extended* cell) const {
    for (const Instruction& in : program_.instructions)
      if (in.r == cell && !in.folded) return false;
    return cell != nullptr;
  }
  void storeCell(const extended* cell) {
    mov(rax, reinterpret_cast<std::uint64_t>(cell));
    storeTword(rax);
  }
  void raiseDomainError() {
    mov(rax, reinterpret_cast<std::uint64_t>(&erreurcalcul));
    mov(byte[rax], 1);
  }

  // Room for `extra` more values on the register stack.
  bool room(int extra) const { return depth_ + extra <= kRegisters; }

  bool operand(const Node* computed, const extended* cell, int variable) {
    if (computed) return node(*computed);
    if (!room(1)) return false;
    if (fixed(cell) && *cell == *cell) {
      loadConstant(*cell);
    } else if (cell) {
      loadCell(cell);
    } else if (variable == along_) {
      loadTword(r13);
    } else {
      mov(rax, ptr[rbx + 8 * variable]);
      loadTword(rax);
    }
    ++depth_;
    return true;
  }

  bool node(const Node& n) {
    const std::size_t index = static_cast<std::size_t>(&n - kernel_.nodes.data());
    const int code = program_.instructions[index].code;
    const int arity = arityOf(code);
    if (!operand(n.left, n.a, n.leftVariable)) return false;
    if (arity == 2 && !operand(n.right, n.b, n.rightVariable)) return false;
    if (along_ < 0) guard(code, n);
    switch (static_cast<Op>(code)) {
      case Op::Negate:
        fchs();
        return true;
      case Op::Abs:
        fabs();
        return true;
      case Op::Add:
        faddp();
        --depth_;
        return true;
      case Op::Subtract:
        fsubp();  // st1 - st0
        --depth_;
        return true;
      case Op::Multiply:
        fmulp();
        --depth_;
        return true;
      case Op::Divide:
        return divide();
      case Op::Square:
        fmul(st0, st0);
        return true;
      case Op::Cube:
      case Op::Fourth:
        return power(code == static_cast<int>(Op::Cube) ? 3 : 4);
      case Op::Sqrt:
        return squareRoot();
      case Op::Ln:
        return logarithm(index);
      case Op::Arctan:
        if (!room(1)) return false;
        fld1();
        fpatan();  // atan(st1 / 1)
        return true;
      case Op::Sin:
      case Op::Cos:
        return sineOrCosine(code, index);
      case Op::Exp:
      case Op::Sinh:
      case Op::Cosh:
        return exponential(code, index);
      default:
        return call(code, arity, index);
    }
  }

  // A fault gives an infinite or NaN value (an overflow infinity, an invalid operation
  // NaN), and most operations carry such a value on to the result. Those that can turn
  // it into a finite one (a comparison, a / inf, exp(-inf), atan(inf)) check their
  // operands first and mark the run unsure; those that can hide a fault of their own
  // (a negative power of an overflowed product) leave the flags to be read at every run.
  void guard(int code, const Node& n) {
    switch (static_cast<Op>(code)) {
      case Op::Divide:
      case Op::Exp:
      case Op::Arctan:
      case Op::Heav:
      case Op::Sgn:
        checkFinite(0);  // the divisor, or the only operand
        return;
      case Op::Lt:
      case Op::Eq:
      case Op::Le:
      case Op::Ne:
      case Op::Max:
      case Op::Min:
        checkFinite(0);
        checkFinite(1);
        return;
      case Op::LiteralPower:
        if (n.right || !n.b || !fixed(n.b) || *n.b < 0)
          faultsShow_ = false;
        else if (*n.b == 0)
          checkFinite(1);  // a^0 is 1 whatever a
        return;
      case Op::Power:
      case Op::Arg:
      case Op::Arccos:
      case Op::RandomHit:
      case Op::RandomNormal:
        faultsShow_ = false;
        return;
      default:
        return;
    }
  }

  // Marks the run unsure when st(i) is infinite or NaN (then st(i) - st(i) is NaN). The
  // subtraction may raise the invalid flag: a sure run never reads it, and an unsure one
  // that finds it raised runs again as a tree.
  void checkFinite(int i) {
    if (!room(1)) {
      faultsShow_ = false;
      return;
    }
    Xbyak::Label fine;
    fld(Xbyak::Fpu(i));
    fsub(st0, st0);
    fucomip(st0, st0);
    jnp(fine, T_NEAR);
    mov(byte[rbx + offsetof(Arguments, unsure)], 1);
    L(fine);
  }

  // b == 0 (quiet comparison): a domain error and 0; otherwise a / b.
  bool divide() {
    if (!room(1)) return false;
    Xbyak::Label divideLabel, done;
    fldz();
    fucomip(st0, st1);
    jp(divideLabel);
    jne(divideLabel);
    fstp(st0);
    fstp(st0);
    fldz();
    raiseDomainError();
    jmp(done);
    L(divideLabel);
    fdivp();  // st1 / st0
    L(done);
    --depth_;
    return true;
  }

  // a*a*a and a*a*a*a, multiplied in that order.
  bool power(int n) {
    if (!room(1)) return false;
    fld(st0);
    fmul(st0, st0);
    if (n == 4) fmul(st0, st1);
    fmulp();
    return true;
  }

  // 0 > a (signalling comparison): a domain error and 0; otherwise the root.
  bool squareRoot() {
    if (!room(1)) return false;
    Xbyak::Label negative, done;
    fldz();
    fcomip(st0, st1);
    ja(negative);
    fsqrt();
    jmp(done);
    L(negative);
    fstp(st0);
    fldz();
    raiseDomainError();
    L(done);
    return true;
  }

  // 0 >= a (signalling comparison): a domain error and 0; otherwise ln 2 * log2(a), from
  // a - 1 near 1; the machine's steps in its order.
  bool logarithm(std::size_t index) {
    if (!room(3)) return call(static_cast<int>(Op::Ln), 1, index);
    Xbyak::Label domain, near, done;
    fldz();
    fld(st0);
    fcomip(st0, st2);
    jae(domain, T_NEAR);
    fstp(st0);
    fld1();
    fsubr(st0, st1);  // d = a - 1; st1: a
    fld(st0);
    fabs();
    loadConstant(kLnNearOne);
    fcomip(st0, st1);
    fstp(st0);
    ja(near, T_NEAR);
    fstp(st0);
    loadLn2();
    fxch(st1);
    fyl2x();
    jmp(done, T_NEAR);
    L(near);
    fstp(st1);
    loadLn2();
    fxch(st1);
    fyl2xp1();
    jmp(done, T_NEAR);
    L(domain);
    fstp(st1);  // 0
    raiseDomainError();
    L(done);
    return true;
  }
  void loadLn2() {
    if (ln2InstructionExact()) {
      fldln2();
    } else {
      loadConstant(math::kLn2);
    }
  }

  // st0 < limit, read with a signalling comparison as the library code does: a NaN
  // raises the invalid flag and, like an argument out of range, goes to the helper.
  void jumpUnlessBelow(const extended& limit, Xbyak::Label& outside) {
    fld(st0);
    fabs();
    loadConstant(limit);
    fcomip(st0, st1);
    fstp(st0);
    jbe(outside, T_NEAR);
  }

  // The helper for a whole operation, as the branch for the arguments the inline code
  // leaves aside; the register count is the same on both branches.
  void helperBranch(int code, std::size_t index, Xbyak::Label& outside, Xbyak::Label& done) {
    jmp(done, T_NEAR);
    L(outside);
    const int depth = depth_;
    call(code, 1, index);
    depth_ = depth;
    L(done);
  }

  // x = q pi/2 + r exactly (three-part pi/2), then the sine or cosine of r by quadrant.
  bool sineOrCosine(int code, std::size_t index) {
    if (!room(2)) return call(code, 1, index);
    Xbyak::Label outside, done, q1, q2, q3;
    jumpUnlessBelow(kReductionLimit, outside);
    // The quadrant goes through the result cell, which only the helper branch writes.
    auto* quadrant = reinterpret_cast<std::int64_t*>(slots_ + 3 * index + 2);
    loadConstant(kTwoOverPi);
    fmul(st0, st1);
    frndint();  // q; st1: x
    fld(st0);
    mov(rax, reinterpret_cast<std::uint64_t>(quadrant));
    db(0xDF);  // fistp qword [rax]
    db(0x38);
    for (const extended* part : {&kHalfPi1, &kHalfPi2, &kHalfPi3}) {
      loadConstant(*part);
      fmul(st0, st1);  // q * part
      fsubp(st2, st0);
    }
    fstp(st0);  // r remains
    mov(rax, reinterpret_cast<std::uint64_t>(quadrant));
    mov(eax, dword[rax]);
    and_(eax, 3);
    const bool sine = code == static_cast<int>(Op::Sin);
    cmp(eax, 1);
    je(q1);
    cmp(eax, 2);
    je(q2);
    cmp(eax, 3);
    je(q3);
    sine ? fsin() : fcos();
    jmp(done, T_NEAR);
    L(q1);
    sine ? fcos() : fsin();
    if (!sine) fchs();
    jmp(done, T_NEAR);
    L(q2);
    sine ? fsin() : fcos();
    fchs();
    jmp(done, T_NEAR);
    L(q3);
    sine ? fcos() : fsin();
    if (sine) fchs();
    helperBranch(code, index, outside, done);
    return true;
  }

  // e^st0 inside (-20000, 20000), replacing st0; four registers more.
  void exponentialCore() {
    if (log2eInstructionExact()) {
      fldl2e();
    } else {
      loadConstant(kLog2e);
    }
    fld(st1);
    fmul(st0, st1);
    frndint();  // n; st1: log2 e; st2: x
    fld(st0);
    loadConstant(kLn2Hi);
    fmulp();
    fsubp(st3, st0);  // x - n ln2hi
    fld(st0);
    loadConstant(kLn2Lo);
    fmulp();
    fsubp(st3, st0);  // - n ln2lo
    fxch(st2);        // r; st1: log2 e; st2: n
    fmulp();
    f2xm1();
    fld1();
    faddp();
    fscale();
    fstp(st1);
  }

  // exp (with its domain a < 35), sinh and cosh, as (e^a -+ e^-a) / 2.
  bool exponential(int code, std::size_t index) {
    if (!room(code == static_cast<int>(Op::Exp) ? 4 : 5)) return call(code, 1, index);
    Xbyak::Label outside, done;
    if (code == static_cast<int>(Op::Exp)) {
      loadConstant(kExpDomain);
      fcomip(st0, st1);  // 35 > a, else the helper reports the error
      jbe(outside, T_NEAR);
    }
    jumpUnlessBelow(kExpLimit, outside);
    if (code == static_cast<int>(Op::Exp)) {
      exponentialCore();
    } else {
      fld(st0);
      exponentialCore();  // e^a; st1: a
      fxch(st1);
      fchs();
      exponentialCore();  // e^-a; st1: e^a
      code == static_cast<int>(Op::Cosh) ? faddp() : fsubp();
      loadConstant(kTwo);
      fdivp();
    }
    helperBranch(code, index, outside, done);
    return true;
  }

  // The operands go to this node's cells, the waiting values to the spill cells, and the
  // helper computes the result in memory.
  bool call(int code, int arity, std::size_t index) {
    extended* a = slots_ + 3 * index;
    extended* b = a + 1;
    extended* r = a + 2;
    if (arity == 2) {
      storeCell(b);
      --depth_;
    }
    storeCell(a);
    --depth_;
    for (int k = 0; k < depth_; ++k) storeCell(spill_ + k);
    mov(rdi, reinterpret_cast<std::uint64_t>(a));
    mov(rsi, reinterpret_cast<std::uint64_t>(b));
    mov(rdx, reinterpret_cast<std::uint64_t>(r));
    mov(rax, reinterpret_cast<std::uint64_t>(helperFor(code)));
    call(rax);
    for (int k = depth_; k-- > 0;) loadCell(spill_ + k);
    loadCell(r);
    ++depth_;
    return true;
  }
  using Xbyak::CodeGenerator::call;

  const Program& program_;
  const Kernel& kernel_;
  NativeStorage& storage_;
  extended* spill_;  // the waiting register values around a call, top first
  extended* slots_;  // per node: operand a, operand b, result
  int depth_ = 0;    // values on the register stack
  int along_ = -1;   // the row's variable, read at r13
  bool faultsShow_ = true;
  NativeCode point_ = nullptr;
  NativeRowCode row_ = nullptr;
};

}  // namespace

void translate(const Program& program, Kernel& kernel, int along) {
  kernel.native = nullptr;
  kernel.nativeRow = nullptr;
  kernel.faultsShow = false;
  kernel.nativeStorage.reset();
  if (kernel.nodes.empty()) return;
  // Converting constants may raise fault flags; the next run must find them as they were
  // (raised or not: that decides whether it runs twice).
  const bool raisedBefore = fpfault::raised();
  try {
    auto storage = std::make_shared<NativeStorage>();
    storage->cells.assign(Translator::cellCount(kernel), 0.0L);
    auto translator = std::make_unique<Translator>(program, kernel, *storage);
    if (!translator->build(along)) return;
    translator->setProtectModeRE();
    kernel.native = translator->point();
    kernel.nativeRow = translator->row();
    kernel.faultsShow = translator->faultsShow();
    storage->code = std::move(translator);
    kernel.nativeStorage = std::move(storage);
  } catch (const std::exception&) {  // no executable memory, or the code did not fit
    kernel.native = nullptr;
    kernel.nativeRow = nullptr;
    kernel.faultsShow = false;
  }
  if (!raisedBefore) fpfault::clearIfRaised();
}

}  // namespace quadrel::expr

#else

namespace quadrel::expr {

void translate(const Program&, Kernel& kernel, int) {
  kernel.native = nullptr;
  kernel.nativeRow = nullptr;
  kernel.faultsShow = false;
}

}  // namespace quadrel::expr

#endif
