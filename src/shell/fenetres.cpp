#include "shell/fenetres.h"

Fenetres& fenetres() {
  static Fenetres f;
  return f;
}
