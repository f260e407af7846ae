// The sheet's drawing without the sheet: the GL objects of one context (display lists,
// glyph lists, quadrics, a framebuffer object) and the frames read back from it. The host
// hands over the context: the sheet widget one made by the toolkit, a batch run one made
// with no display at all. Only plain GL is called, so any current context will do.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>

#include "view/drawlist.h"
#include "view/glexec.h"
#include "view/glyphes.h"

class QFont;

namespace quadrel {

// A GL context on a surface of the host's choice (or none).
class ContexteRendu {
 public:
  virtual ~ContexteRendu() = default;
  virtual bool makeCurrent() = 0;
  virtual void doneCurrent() = 0;
};

class Renderer {
 public:
  explicit Renderer(std::unique_ptr<ContexteRendu> contexte);
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // Sets the context up for a sheet of outer size `taille` (the projection's aspect),
  // builds the glyph lists from `police` and the ten display lists; the lists recorded
  // before come back. False when the context cannot be made current.
  bool demarrer(QSize taille, const QFont& police);
  bool pret() const { return pret_; }

  // Records `commandes` into `liste`, replacing it. Kept, so that lists recorded before
  // demarrer are recorded then. Makes the context current if it is not.
  void enregistrer(Liste liste, DrawList commandes);

  // One frame of `pixels` device pixels into `image` (RGB32; its memory is reused when it
  // fits and is not shared). `construire` runs once with the context current and may record
  // lists; its commands draw with the viewport `vue` from the lower left corner. False when
  // nothing could be drawn (not ready, empty size, no framebuffer). An exception from
  // `construire` is passed on once the framebuffer, as it is, was read into `image` (when
  // one framebuffer holds the frame; otherwise `image` is left as it was).
  // `echantillons` > 1 draws with that many samples a pixel (multisample antialiasing),
  // at most what GL offers; 0, or a multisample buffer GL refuses, draws without.
  // A frame larger than one framebuffer can be (GL's limits, or memory) is drawn in tiles
  // that meet without a seam.
  bool rendre(QSize pixels, QSize vue, const std::function<DrawList()>& construire, QImage& image,
              int echantillons = 0);

  // Multiplies line widths and point sizes, of the frame and of every list (recorded again
  // when it changes): a picture drawn n times larger passes n.
  void epaisseur(double facteur);

  // The largest tile side, 0: as large as GL and memory allow. `parprojection` cuts the
  // projection itself rather than shifting the viewport, as where GL's viewport cannot
  // span the whole picture. For tests of the seams.
  void limitertuiles(int cote, bool parprojection = false);

  // The most vertices of packed meshes one GL list holds before the next piece of the list
  // starts (see glexec.h), 0: lists are never cut; and how many pieces a list fills.
  void limitermorceaux(std::size_t sommets);
  int morceaux(Liste l) const { return gl_.morceaux[std::size_t(l)]; }

  // The context made current around GL work between frames; calls nest.
  bool makeCurrent();
  void doneCurrent();

  // Deletes every GL object.
  void liberer();

  const Metriques& metriques() const { return metriques_; }
  // Milliseconds the 256 glyph lists took to build.
  double dureeglyphes() const { return dureeglyphes_; }

 private:
  // A framebuffer object: colour and depth, single sample (colour in a texture) or not.
  struct Tampon {
    unsigned fbo = 0, couleur = 0, profondeur = 0;
    QSize taille;
    int echantillons = 0;
  };
  struct Decoupe;

  unsigned& id(Liste l) { return gl_.listes[std::size_t(l)]; }
  int cotemax(int echantillons) const;
  Decoupe decouper(QSize pixels, QSize vue, int cote) const;
  bool preparer(QSize taille, int echantillons);
  bool preparertampon(QSize pixels);
  int preparermultiple(QSize taille, int echantillons);
  void dessinertuile(const DrawList& commandes, const Decoupe& d, QPoint origine);
  static void detruire(Tampon& t);
  void detruiretampons();
  void graver(Liste l);
  void reenregistrer();
  void lire(QSize pixels, QImage& image);
  void coller(const Decoupe& d, QPoint origine, QImage& image);

  std::unique_ptr<ContexteRendu> contexte_;
  ContexteGl gl_;
  std::array<DrawList, 10> gardees_;  // what each list was recorded from
  Metriques metriques_{};
  Tampon simple_;    // read back
  Tampon multiple_;  // drawn into when antialiasing, then resolved into simple_
  int cotetuile_ = 0;
  bool parprojection_ = false;
  int courant_ = 0;  // depth of makeCurrent calls
  bool pret_ = false;
  bool lectureinversee_ = false;  // GL_MESA_pack_invert: rows read back top row first
  double dureeglyphes_ = 0;
};

}  // namespace quadrel
