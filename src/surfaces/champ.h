// What the frame and function dialogs share: the field colours that tell pending, accepted
// and refused text apart, the character a key press types, Latin-1 at the engine's door,
// and the quick help.
#pragma once

#include <QColor>
#include <QString>
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

void colorer(QLineEdit* champ, const QColor& c);
QColor couleur(const QLineEdit* champ);

// The engine reads 8-bit Latin-1 ("²" is 0xB2); anything else cannot be typed anyway.
std::string latin1(const QString& s);
QString depuislatin1(const std::string& s);

// Hides the quick help, shows it again beside the mouse, then sets the text.
void aide(const QString& texte);

}  // namespace champ
