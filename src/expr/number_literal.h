// Number literals of the formula notation: "Pi", "pi", or an optionally signed decimal
// with "." as separator whatever the locale, and an optional exponent.
#pragma once

#include <optional>
#include <string_view>

#include "parsor.h"

namespace quadrel::expr {

// The value of the literal, or nothing when the text is not exactly one literal or its
// value overflows the extended range.
std::optional<extended> parseNumberLiteral(std::string_view text);

}  // namespace quadrel::expr
