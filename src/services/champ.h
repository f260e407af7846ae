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

// What a field takes, however text enters it.
struct Regle {
  QString jeu;  // the characters it takes (Enter and Backspace are keys, not characters)
  // How the field writes a character it takes (a formula writes v as V); none: as it is.
  std::function<QChar(QChar)> orthographe;
  // Whether a whole text fits; none: its normal form is no longer than the engine takes.
  std::function<bool(const QString&)> tient;
};

// Routes everything that can enter `champ` through its rule: a typed key that the rule
// takes goes on to `touche`, any other is dropped. Pasted or dropped text (Shift+Insert,
// Ctrl+V, middle button, input method, drag and drop) and text set from outside (a screen
// reader's text interface) enter whole or not at all: one character the rule refuses, or
// a text too long, and the field keeps its text and shows the refusal (see refuser). The
// context menu is off; the right button is left for help.
void filtrer(QLineEdit* champ, Regle regle, Touche touche);

// The program's own text for a filtered field (a value put back, a number written): set
// as it is, never judged by the rule. Any other setText is judged as a paste.
void ecrire(QLineEdit* champ, const QString& texte);

// The sign of a refused paste: a beep and the field's background briefly red.
void refuser(QLineEdit* champ);
bool refuse(const QLineEdit* champ);  // while the red lasts
int refus(const QLineEdit* champ);    // how many times it was shown

// What `champ`'s text would become if `c` were typed now (over the selection, if any).
QString apres(const QLineEdit* champ, QChar c);

// Sets the text colour and says the state in words ("en attente", "accepté", "refusé") as
// the field's accessible description and tooltip.
void colorer(QLineEdit* champ, const QColor& c);
// The state a colour stands for, in words; empty for any other colour.
QString etat(const QColor& c);
QColor couleur(const QLineEdit* champ);

// The engine reads 8-bit Latin-1 ("²" is 0xB2); anything else cannot be typed anyway.
std::string latin1(const QString& s);
QString depuislatin1(const std::string& s);

}  // namespace champ
