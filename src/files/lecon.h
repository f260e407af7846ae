// A lesson file: the model, the view and the dialogs' fields as UTF-8 JSON (the format is
// described in docs/lesson-format.md). Pure: bytes in, bytes out; no file is opened here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "view/modele.h"

namespace quadrel {

struct Lecon {
  Modele modele;
  Vue vue;
  Champs champs;
  // The typed text (Latin-1) of the formula drawn, whose program is modele.programme; empty
  // when none is drawn. The formula field (modele.formule) may hold a newer text, pending.
  std::string formuledessinee;
  bool operator==(const Lecon&) const = default;
};

// A lesson read, with the keys the reader did not know ("section.vitesse", "champs.x/y"):
// a newer version's, to be shown once; they are otherwise ignored.
struct LeconLue {
  Lecon lecon;
  int version = 1;
  std::vector<std::string> clesinconnues;
};

// Why a file is not a lesson: the key at fault ("repere.xmin"; empty for the file as a
// whole) and a French sentence that names it (UTF-8).
struct ErreurLecon {
  std::string cle;
  std::string message;
};

inline constexpr int kVersionLecon = 1;
// Larger files are refused unread: a lesson is a few kilobytes.
inline constexpr std::size_t kTailleLeconMax = std::size_t(1) << 20;

// The lesson as UTF-8 JSON, keys in a fixed order: what reads back to it writes the same
// bytes again.
std::string ecrireLecon(const Lecon& lecon);

// The lesson in `octets`; what the file leaves out is taken from `defauts`. A file that is
// not a lesson, or holds a value a dialog could not hold, gives the first fault found.
std::variant<LeconLue, ErreurLecon> lireLecon(std::string_view octets, const Lecon& defauts);

}  // namespace quadrel
