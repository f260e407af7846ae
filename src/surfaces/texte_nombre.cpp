#include "surfaces/texte_nombre.h"

#include <charconv>
#include <system_error>

namespace quadrel {

std::string texteNombre(extended v) {
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  std::string s(buf, end);
  const auto e = s.find('e');
  if (e == std::string::npos) return s;
  // "1.2e-07" -> "1.2E-7", "1e+15" -> "1E15"
  std::string out = s.substr(0, e) + "E";
  std::size_t i = e + 1;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') out += '-';
    ++i;
  }
  while (i + 1 < s.size() && s[i] == '0') ++i;
  return out + s.substr(i);
}

std::string entreParentheses(extended v, const char* prefixe) {
  std::string s = prefixe;
  s += '(';
  s += texteNombre(v);
  s += ')';
  return s;
}

}  // namespace quadrel
