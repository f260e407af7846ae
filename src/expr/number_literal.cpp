#include "number_literal.h"

#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "x87math.h"

namespace quadrel::expr {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// strtold follows the process locale; literals never do.
locale_t classicLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return locale;
}

}  // namespace

std::optional<extended> parseNumberLiteral(std::string_view text) {
  if (text == "Pi" || text == "pi") return x87::kPi;
  std::size_t i = 0;
  const std::size_t n = text.size();
  std::string canonical;
  if (i < n && (text[i] == '+' || text[i] == '-')) canonical.push_back(text[i++]);
  canonical.push_back('0');  // so that ".5" and "." read as numbers
  bool digits = false;
  bool point = false;
  while (i < n && isDigit(text[i])) {
    canonical.push_back(text[i++]);
    digits = true;
  }
  if (i < n && text[i] == '.') {
    point = true;
    canonical.push_back(text[i++]);
    while (i < n && isDigit(text[i])) {
      canonical.push_back(text[i++]);
      digits = true;
    }
  }
  if (!digits && !point) return std::nullopt;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t first = i;
    int exponent = 0;
    // Digits are read while the exponent stays below 500; any left over end the literal.
    while (i < n && isDigit(text[i]) && exponent < 500)
      exponent = exponent * 10 + (text[i++] - '0');
    if (i == first) return std::nullopt;
    canonical += negative ? "e-" : "e";
    canonical += std::to_string(exponent);
  }
  if (i != n) return std::nullopt;
  const extended value = strtold_l(canonical.c_str(), nullptr, classicLocale());
  if (std::isinf(value)) return std::nullopt;
  return value;
}

}  // namespace quadrel::expr
