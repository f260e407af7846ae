// The characters each dialog's field takes, by "dialog/field", as one table: whatever way a
// text comes in (typed, pasted, read from a lesson), it must be made of these (Latin-1
// bytes; "\xB2" is "²") and its normal form must not exceed the engine's length.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quadrel::jeux {

// The function's formula; a typed v is written V (the square root), so both are taken.
inline constexpr std::string_view kFormule =
    "\xB2"
    "parh.0123456789xyvcosintle()/*-+V";
// A number: the frame's bounds and graduations, the solids' values, the bounds of k.
inline constexpr std::string_view kChiffres = "-0.123456789";
// A whole number: the pyramid's side count.
inline constexpr std::string_view kEntiers = "-0123456789";
// A section formula in k: x =, y =, z = and the plane's a, b, c.
inline constexpr std::string_view kFormuleK = "-0.123456789k+*/()";

// At most this many characters in a field, and in its normal form.
inline constexpr std::size_t kLongueurMax = 255;

struct Champ {
  std::string_view cle;  // "dialog/field": the dialog's and the control's object names
  std::string_view jeu;
};

inline constexpr std::array kChamps{
    Champ{"fonction3d/Edit1", kFormule},
    // The frame by tab order: x bounds and graduation, then y, then z.
    Champ{"optionrepere/Edit1", kChiffres},
    Champ{"optionrepere/Edit2", kChiffres},
    Champ{"optionrepere/Edit7", kChiffres},
    Champ{"optionrepere/Edit3", kChiffres},
    Champ{"optionrepere/Edit4", kChiffres},
    Champ{"optionrepere/edit8", kChiffres},
    Champ{"optionrepere/Edit5", kChiffres},
    Champ{"optionrepere/Edit6", kChiffres},
    Champ{"optionrepere/Edit9", kChiffres},
    Champ{"caracsphere/Edit4", kChiffres},
    Champ{"caracsphere/Edit1", kChiffres},
    Champ{"caracsphere/Edit2", kChiffres},
    Champ{"caracsphere/Edit3", kChiffres},
    Champ{"caraccube/Edit4", kChiffres},
    Champ{"caraccyl/ex", kChiffres},
    Champ{"caraccyl/ey", kChiffres},
    Champ{"caraccyl/erayon", kChiffres},
    Champ{"caraccyl/ex1", kChiffres},
    Champ{"caraccyl/ez", kChiffres},
    Champ{"caraccyl/erayon1", kChiffres},
    Champ{"caraccyl/ey1", kChiffres},
    Champ{"caraccyl/ez1", kChiffres},
    Champ{"caraccyl/erayon2", kChiffres},
    Champ{"caraccone/Edit1", kChiffres},
    Champ{"caraccone/Edit2", kChiffres},
    Champ{"caraccone/Edit3", kChiffres},
    Champ{"caraccone/Edit4", kChiffres},
    Champ{"caraccone/Edit5", kChiffres},
    Champ{"caraccone/Edit6", kChiffres},
    Champ{"caraccone/Edit7", kChiffres},
    Champ{"caraccone/Edit8", kChiffres},
    Champ{"caraccone/Edit9", kChiffres},
    Champ{"caraccone/Edit10", kChiffres},
    Champ{"caraccone/Edit11", kChiffres},
    Champ{"caraccone/Edit12", kChiffres},
    Champ{"caracpyr/Edit1", kChiffres},
    Champ{"caracpyr/Edit2", kEntiers},
    Champ{"caracpyr/Edit3", kChiffres},
    Champ{"choixsection/Edit1", kFormuleK},
    Champ{"choixsection/Edit2", kFormuleK},
    Champ{"choixsection/Edit3", kFormuleK},
    Champ{"choixsection/Edit4", kFormuleK},
    Champ{"choixsection/Edit5", kFormuleK},
    Champ{"choixsection/Edit6", kFormuleK},
    Champ{"choixsection/kmin", kChiffres},
    Champ{"choixsection/kmax", kChiffres},
};

// The characters the field `cle` takes; null for a field no dialog has.
constexpr const std::string_view* jeu(std::string_view cle) {
  for (const Champ& c : kChamps)
    if (c.cle == cle) return &c.jeu;
  return nullptr;
}

}  // namespace quadrel::jeux
