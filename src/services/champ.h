// What every dialog's fields share: the colours that tell pending, accepted and refused
// text apart, the character a key press types, Latin-1 at the engine's door, and one key
// filter for whatever enters a field.
#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <string>

class QKeyEvent;
class QLineEdit;

namespace champ {

inline const QColor bleu{0, 0, 255};   // typed, not checked
inline const QColor rouge{255, 0, 0};  // refused
inline const QColor noir{0, 0, 0};     // accepted

constexpr char16_t kEntree = 13;
constexpr char16_t kRetour = 8;

// The character a key press types, Enter as 13 and Backspace as 8; 0 for keys that type
// nothing (arrows, Tab, Delete, modifiers), which the filters let through untouched.
char16_t caractere(const QKeyEvent* e);

// Returns whether the character reaches the field as typed; it may act on the field
// itself (insert another character, check the text on Enter).
using Touche = std::function<bool(char16_t)>;

// Routes everything that can enter `champ` through `touche`: typed keys one by one, and
// pasted text (Shift+Insert, Ctrl+V, middle button, input method) as if its printable
// characters were typed. Drops and the context menu are refused; the right button is left
// for help.
void filtrer(QLineEdit* champ, Touche touche);

// What `champ`'s text would become if `c` were typed now (over the selection, if any).
QString apres(const QLineEdit* champ, QChar c);

void colorer(QLineEdit* champ, const QColor& c);
QColor couleur(const QLineEdit* champ);

// The engine reads 8-bit Latin-1 ("²" is 0xB2); anything else cannot be typed anyway.
std::string latin1(const QString& s);
QString depuislatin1(const std::string& s);

}  // namespace champ
