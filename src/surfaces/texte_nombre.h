// Numbers written into formula texts: general format, up to 15 significant digits, "."
// as separator whatever the locale, exponent as "E-17" so that the normaliser (which reads
// a small e as Euler's number) leaves it alone and the compiler reads it back.
#pragma once

#include <string>

#include "parsor.h"  // extended

namespace quadrel {

std::string texteNombre(extended v);

// prefix + "(" + the number + ")"
std::string entreParentheses(extended v, const char* prefixe = "");

}  // namespace quadrel
