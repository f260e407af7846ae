// Lesson files on disk: read whole (refused unread past the size limit), written atomically.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <variant>

#include "files/lecon.h"

namespace quadrel {

// The lesson in the file at `chemin`, or why it cannot be opened (French, UTF-8).
std::variant<LeconLue, ErreurLecon> lireFichierLecon(const QString& chemin, const Lecon& defauts);

// Writes `octets` to `chemin` whole or not at all; false with the reason in `erreur`.
bool ecrireFichier(const QString& chemin, std::string_view octets, QString& erreur);

}  // namespace quadrel
