// The program's own cursors, read once from kolu/ into the standard roles the windows ask
// for. A role whose file is missing or malformed keeps the toolkit's standard shape.
#pragma once

#include <QCursor>
#include <QString>

class QWidget;

enum class Role {
  croix,    // main2.cur: the sheet
  defaut,   // fleche.cur: every control that asks for nothing else
  sablier,  // wait.cur: the whole screen while a frame is drawn
  main,     // main1.cur: buttons and check boxes
  fleche,   // crayon.cur: the main window's own background
  glisser,  // rigolo.cur: the about box
  aide,     // question.ani (animated): the help popup
};

// Reads the seven files from `dossier` (a missing folder is not an error). Returns how many
// files were read.
int chargercurseurs(const QString& dossier);

QCursor curseur(Role role);
// Whether `role` shows one of our files rather than the standard shape.
bool curseurcharge(Role role);

// Gives `w` the cursor of `role`; the animated role keeps turning while `w` lives.
void poser(QWidget* w, Role role);
