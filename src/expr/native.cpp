// Native translation of kernels: none yet, the tree runs.
#include "program.h"

namespace quadrel::expr {

NativeCode translate(const Program&, Kernel&) {
  return nullptr;
}

}  // namespace quadrel::expr
