// Short sounds, played asynchronously by bare file name from the sound folder (wav/) given
// once at start-up. A missing file or a missing audio device is silence, never an error.
#pragma once

#include <QString>
#include <QStringList>

namespace sons {

// Takes `dossier` as the sound folder and loads the program's three sounds from it so that
// the first play is not late.
void precharger(const QString& dossier);

void jouer(const QString& nom);

// Names asked for since the last clear, in order, whether or not they could sound.
const QStringList& journal();
void viderjournal();

}  // namespace sons
