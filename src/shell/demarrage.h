// The start-up sequence: every window of the run, made once, in an order that matters (the
// sheet draws its first frame while it is made, and that frame reads the dialogs).
#pragma once

#include <QString>
#include <memory>

#include "solids/gui/solid_windows.h"
#include "view/scene.h"

class Tfond;
class Toutils;
class TApropos;
class TFeuille;
class TAiderapide;
class Toptionrendu;
class Toptionrepere;
class Tfonction3d;
class Tchoixsection;
class TPointlibre;
class HoteFenetres;
class Lecons;
class Historique;

struct Application {
  quadrel::Scene scene;
  // What every dialog is given at construction; outlives them.
  std::unique_ptr<HoteFenetres> hote;
  std::unique_ptr<Tfond> fond;  // owns the palette, the sheet and every dialog
  Toutils* outils = nullptr;
  // Dialogs are children of the main window (and of their frame once opened): not owned here.
  Toptionrendu* optionrendu = nullptr;
  Toptionrepere* optionrepere = nullptr;
  Tfonction3d* fonction3d = nullptr;
  Tchoixsection* choixsection = nullptr;
  TPointlibre* Pointlibre = nullptr;
  Quadriques quadriques;  // the solid chooser and the five solid dialogs
  std::unique_ptr<TApropos> Apropos;
  TFeuille* Feuille = nullptr;
  std::unique_ptr<TAiderapide> Aiderapide;
  Lecons* lecons = nullptr;          // the "Fichier" menu; a child of the main window
  Historique* historique = nullptr;  // undo and redo; a child of the main window

  Application();
  ~Application();
};

// `dossier`: the resource folder (see chemins.h), holding kolu/, wav/ and aide.html.
// Needs the QApplication; never changes the working folder.
std::unique_ptr<Application> demarrer(const QString& dossier);
