// Short sounds, played asynchronously by bare file name from the working folder (wav/).
// A missing file or a missing audio device is silence, never an error.
#pragma once

#include <QString>
#include <QStringList>

namespace sons {

// Loads the program's three sounds so that the first play is not late.
void precharger();

void jouer(const QString& nom);

// Names asked for since the last clear, in order, whether or not they could sound.
const QStringList& journal();
void viderjournal();

}  // namespace sons
