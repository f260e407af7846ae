// A lesson drawn with no window: its lists built into a renderer, one frame read back, or
// its mesh. The batch modes of the command line and the exports use it.
#pragma once

#include <QImage>
#include <QSize>
#include <string>
#include <vector>

#include "files/lecon.h"
#include "view/renderer.h"
#include "view/scene.h"

namespace quadrel {

// The scene a lesson describes (model and view).
Scene sceneDe(const Lecon& lecon);

// Builds every list the scene shows into `rendu` (axes, surface, level lines, pyramid and
// the section), and brings the section and the free point's height up to the model.
void construireListes(Renderer& rendu, Scene& scene);

// The frame the sheet would draw for `scene` at `taille` device pixels, on a context with
// no display. Null image, with the reason in `erreur` (French), when GL cannot be had.
QImage imageSansEcran(Scene scene, QSize taille, std::string& erreur);

// The picture as PNG bytes; empty when it cannot be encoded.
QByteArray enPng(const QImage& image);

// The binary STL of what the scene shows (see files/mesh.h); empty when nothing is shown.
std::vector<unsigned char> stlDe(const Modele& modele, bool ferme, double echelle);

}  // namespace quadrel
