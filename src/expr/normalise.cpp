// From the classroom notation (2x, 3(x+1), x², V(x), e(x), p, 1,5) to the engine's, by a
// fixed sequence of textual passes. Texts are Latin-1: "²" is the byte 0xB2.

#include <array>
#include <string>
#include <utility>

#include "matutil.h"

namespace {

using Rewrite = std::pair<std::string_view, std::string_view>;

// Function names are put out of reach of the letter passes, then given back. The order
// of each table matters (cosh before cos, the "TANH" entry before "tan").
const std::array<Rewrite, 11> kProtect{{
    {"cosh", "COSH"},
    {"sinh", "SINH"},
    {"TANH", "tanh"},
    {"tan", "TAN"},
    {"sin", "SIN"},
    {"cos", "COS"},
    {"e(", "EXP("},
    {"ln", "LN"},
    {"arc", "ARC"},
    {"abs", "ABS"},
    {"\xB2", "^2"},
}};

const std::array<Rewrite, 13> kRestore{{
    {"p", "pi"},
    {"COSH", "cosh"},
    {"SINH", "sinh"},
    {"TANH", "tanh"},
    {"COS", "cos"},
    {"SIN", "sin"},
    {"COS", "cos"},
    {"TAN", "tan"},
    {"EXP", "exp"},
    {"LN", "ln"},
    {"V", "sqrt"},
    {"ARC", "arc"},
    {"ABS", "abs"},
}};

constexpr std::string_view kOperators = "*+-/^";
constexpr std::string_view kLetters = "pxyzabcd";

bool isOperator(char c) {
  return kOperators.find(c) != std::string_view::npos;
}

// Removes every '+' whose neighbour on the given side is '-'. After a removal the scan
// steps over the character that followed the removed '+'.
void fuseSigns(std::string& s, bool leftNeighbour) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '+') continue;
    const bool minus =
        leftNeighbour ? (i > 0 && s[i - 1] == '-') : (i + 1 < s.size() && s[i + 1] == '-');
    if (minus) s.erase(i, 1);
  }
}

void productsAroundLetter(std::string& s, char letter) {
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i] == letter && s[i - 1] != '(' && !isOperator(s[i - 1])) s.insert(i, 1, '*');
  }
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] == letter && s[i + 1] != ')' && !isOperator(s[i + 1])) s.insert(i + 1, 1, '*');
  }
}

void productsAroundParentheses(std::string& s) {
  constexpr std::string_view kNoProductBefore = "(*+-/^xyzsnthpe";
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i] == '(' && kNoProductBefore.find(s[i - 1]) == std::string_view::npos)
      s.insert(i, 1, '*');
  }
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] == ')' && s[i + 1] != ')' && !isOperator(s[i + 1])) s.insert(i + 1, 1, '*');
  }
}

// Inserts '*' before every occurrence (past the first position) of one of the names,
// unless what stands before is '(' or an operator or one of the extra blockers.
template <std::size_t N>
void productsBeforeNames(std::string& s, const std::array<std::string_view, N>& names,
                         std::string_view extraBlockers = {}) {
  for (std::size_t i = 1; i < s.size(); ++i) {
    const char before = s[i - 1];
    if (before == '(' || isOperator(before) || extraBlockers.find(before) != std::string_view::npos)
      continue;
    for (std::string_view name : names) {
      if (std::string_view(s).substr(i, name.size()) == name) {
        s.insert(i, 1, '*');
        break;
      }
    }
  }
}

}  // namespace

std::string remplace(std::string_view text, std::string_view old, std::string_view nouveau) {
  if (old.empty()) return std::string(text);  // nothing to find: replacing it would never end
  std::string s(text);
  std::size_t i = 0;
  while (i + old.size() <= s.size()) {
    if (std::string_view(s).substr(i, old.size()) == old) {
      s.replace(i, old.size(), nouveau);
      i += nouveau.size();
    } else {
      ++i;
    }
  }
  return s;
}

std::string normalise(std::string_view text) {
  std::string s = text.empty() ? std::string("<\"'(") : std::string(text);
  s = remplace(s, ",", ".");
  s = remplace(s, " ", "");
  for (const auto& [from, to] : kProtect) s = remplace(s, from, to);
  fuseSigns(s, true);
  fuseSigns(s, false);
  for (char letter : kLetters) productsAroundLetter(s, letter);
  for (const auto& [from, to] : kRestore) s = remplace(s, from, to);
  productsAroundParentheses(s);
  productsBeforeNames(s, std::array<std::string_view, 1>{"e"});
  productsBeforeNames(s, std::array<std::string_view, 1>{"ln"});
  productsBeforeNames(s, std::array<std::string_view, 5>{"cos", "abs", "sin", "tan", "exp"}, "c");
  productsBeforeNames(s, std::array<std::string_view, 1>{"sqrt"});
  productsBeforeNames(s, std::array<std::string_view, 3>{"arccos", "arcsin", "arctan"});
  return s;
}
