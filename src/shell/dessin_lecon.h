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

// How an exported picture is drawn.
struct OptionsImage {
  int echantillons = 4;  // antialiased: a figure for print or slides has no jagged edge
  // The picture's scale against the sheet: line widths and point sizes follow it, as the
  // glyphs and the whole scene do.
  double echelle = 1;
  int cotetuile = 0;  // see Renderer::limitertuiles
  bool parprojection = false;
};

// The frame the sheet would draw for `scene` at `taille` device pixels (any side up to
// 8000), on a context with no display, on white. Another aspect than the sheet's keeps the
// view's centre and its vertical scale and shows more or less on the sides. Null image,
// with the reason in `erreur` (French), when GL cannot be had.
QImage imageSansEcran(Scene scene, QSize taille, std::string& erreur,
                      const OptionsImage& options = {});

// The picture as PNG bytes; empty when it cannot be encoded.
QByteArray enPng(const QImage& image);

// The binary STL of what the scene shows (see files/mesh.h); empty when nothing is shown.
std::vector<unsigned char> stlDe(const Modele& modele, bool ferme, double echelle);

}  // namespace quadrel
