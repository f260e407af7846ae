// Where the program's read-only files (kolu/, wav/, aide.html) are: found from the
// executable, never from the working folder, so that the program runs from anywhere.
#pragma once

#include <QString>

// `<bindir>/../share/quadrel` when it exists (an installed program), else `bindir` itself
// (a build tree, where the files are copied beside the executable).
QString dossierRessources(const QString& bindir);
// The same for the running executable's folder.
QString dossierRessources();
