#define GL_GLEXT_PROTOTYPES 1
#include "view/renderer.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <string_view>
#include <utility>

#include "view/camera.h"

namespace quadrel {
namespace {

constexpr double kProfondeurGlyphes = 0.15;
// Below this side a frame is not worth cutting any further.
constexpr int kCoteMin = 64;
// What the buffers of one tile may take: a 4x antialiased picture 8000 pixels a side
// would want 2.5 GB in one piece.
constexpr double kOctetsTampons = 512.0 * 1024 * 1024;

int entier(GLenum nom) {
  GLint v = 0;
  glGetIntegerv(nom, &v);
  return v;
}

// A renderbuffer of this format, multisample when `echantillons` > 0; left bound.
unsigned renderbuffer(GLenum format, QSize taille, int echantillons) {
  GLuint id = 0;
  glGenRenderbuffers(1, &id);
  glBindRenderbuffer(GL_RENDERBUFFER, id);
  if (echantillons > 0)
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, echantillons, format, taille.width(),
                                     taille.height());
  else
    glRenderbufferStorage(GL_RENDERBUFFER, format, taille.width(), taille.height());
  return id;
}

void ignorererreurs() {
  for (int k = 0; k < 16 && glGetError() != GL_NO_ERROR; ++k) {
  }
}

bool extension(std::string_view nom) {
  const auto* liste = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  if (!liste) return false;
  for (std::string_view reste(liste); !reste.empty();) {
    const std::size_t fin = std::min(reste.find(' '), reste.size());
    if (reste.substr(0, fin) == nom) return true;
    reste.remove_prefix(std::min(fin + 1, reste.size()));
  }
  return false;
}

// The context current for the length of a scope, unless it already was.
class Courant {
 public:
  explicit Courant(Renderer& r) : r_(r), ok_(r.makeCurrent()) {}
  ~Courant() {
    if (ok_) r_.doneCurrent();
  }
  Courant(const Courant&) = delete;
  Courant& operator=(const Courant&) = delete;
  explicit operator bool() const { return ok_; }

 private:
  Renderer& r_;
  bool ok_;
};

}  // namespace

Renderer::Renderer(std::unique_ptr<ContexteRendu> contexte) : contexte_(std::move(contexte)) {}

Renderer::~Renderer() {
  liberer();
  if (Courant c{*this}) detruiretampons();
}

bool Renderer::makeCurrent() {
  if (!contexte_) return false;
  if (courant_ == 0 && !contexte_->makeCurrent()) return false;
  ++courant_;
  return true;
}

void Renderer::doneCurrent() {
  if (courant_ > 0 && --courant_ == 0) contexte_->doneCurrent();
}

bool Renderer::demarrer(QSize taille, const QFont& police) {
  Courant c(*this);
  if (!c) return false;
  executer(sheetSetup(taille.width(), taille.height()), gl_);
  QElapsedTimer chrono;
  chrono.start();
  gl_.basepolice = construireglyphes(police, kProfondeurGlyphes, metriques_);
  dureeglyphes_ = double(chrono.nsecsElapsed()) / 1e6;
  for (int q : {kQuadPoint, kQuadCyl, kQuadCone}) gl_.quadriques[std::size_t(q)] = gluNewQuadric();
  for (int l = 0; l < 10; ++l) id(Liste(l)) = glGenLists(kMorceauxMax);
  lectureinversee_ = extension("GL_MESA_pack_invert");
  pret_ = true;
  reenregistrer();
  return true;
}

void Renderer::enregistrer(Liste l, DrawList commandes) {
  gardees_[std::size_t(l)] = std::move(commandes);
  if (!pret_) return;  // recorded when the context comes
  Courant c(*this);
  if (!c) return;
  graver(l);
  ignorererreurs();
}

// List l's kept commands into its GL lists.
void Renderer::graver(Liste l) {
  const auto k = std::size_t(l);
  gl_.morceaux[k] = quadrel::enregistrer(id(l), kMorceauxMax, gardees_[k], gl_);
}

// Every kept list again, as the context now records it.
void Renderer::reenregistrer() {
  for (int l = 0; l < 10; ++l)
    if (!gardees_[std::size_t(l)].empty()) graver(Liste(l));
  ignorererreurs();
}

void Renderer::liberer() {
  if (!pret_) return;
  Courant c(*this);
  if (!c) return;
  for (int l = 0; l < 10; ++l) {
    glDeleteLists(id(Liste(l)), kMorceauxMax);
    id(Liste(l)) = 0;
    gl_.morceaux[std::size_t(l)] = 0;
  }
  if (gl_.basepolice) glDeleteLists(gl_.basepolice, 256);
  gl_.basepolice = 0;
  for (GLUquadric*& q : gl_.quadriques) {
    if (q) gluDeleteQuadric(q);
    q = nullptr;
  }
  pret_ = false;
}

// How a frame is cut: tiles of one size on a grid from the lower left corner, each drawn
// into a framebuffer `marge` pixels wider on every side.
struct Renderer::Decoupe {
  QSize pixels, vue, tuile;
  int marge = 0;
  bool projection = false;
  int echantillons = 0;
  int colonnes() const { return (pixels.width() + tuile.width() - 1) / tuile.width(); }
  int rangees() const { return (pixels.height() + tuile.height() - 1) / tuile.height(); }
  QSize tampon() const { return tuile + QSize(2 * marge, 2 * marge); }
  bool entiere() const { return tuile == pixels && marge == 0; }
};

// The largest tile side that GL's limits and the memory for `echantillons` allow.
int Renderer::cotemax(int echantillons) const {
  GLint vp[2] = {0, 0};
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, vp);
  int cote =
      std::min({entier(GL_MAX_RENDERBUFFER_SIZE), entier(GL_MAX_TEXTURE_SIZE), vp[0], vp[1]});
  // Colour and depth, 4 bytes each a sample, and the single-sample copy read back.
  const double parpixel = 8.0 * (1 + echantillons);
  cote = std::min(cote, int(std::sqrt(kOctetsTampons / parpixel)));
  return cotetuile_ > 0 ? std::min(cote, cotetuile_) : cote;
}

Renderer::Decoupe Renderer::decouper(QSize pixels, QSize vue, int cote) const {
  GLint vp[2] = {0, 0};
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, vp);
  cote = std::max(cote, 1);  // a context that reports no limit still draws
  Decoupe d;
  d.pixels = pixels;
  d.vue = vue;
  const bool couper = pixels.width() > cote || pixels.height() > cote;
  d.projection = vue.width() > vp[0] || vue.height() > vp[1] || (couper && parprojection_);
  // Clipped at the tile's edge, a wide line or point just outside it would be lost: the
  // projection's tiles are drawn larger than they are kept.
  if (d.projection && couper) d.marge = std::min(cote / 4, int(std::ceil(8 * gl_.epaisseur)) + 2);
  cote -= 2 * d.marge;
  const int colonnes = (pixels.width() + cote - 1) / cote;
  const int rangees = (pixels.height() + cote - 1) / cote;
  d.tuile =
      QSize((pixels.width() + colonnes - 1) / colonnes, (pixels.height() + rangees - 1) / rangees);
  return d;
}

bool Renderer::rendre(QSize pixels, QSize vue, const std::function<DrawList()>& construire,
                      QImage& image, int echantillons) {
  if (!pret_ || pixels.isEmpty()) return false;
  Courant c(*this);
  if (!c) return false;
  if (echantillons > 1) echantillons = std::min(echantillons, entier(GL_MAX_SAMPLES));
  if (echantillons < 2) echantillons = 0;
  int cote = cotemax(echantillons);
  Decoupe d = decouper(pixels, vue, cote);
  // A framebuffer GL cannot make is tried again smaller, down to tiles not worth cutting.
  while (!preparer(d.tampon(), echantillons)) {
    if (cote <= kCoteMin) return false;
    cote =
        std::max(kCoteMin, std::min(cote, std::max(d.tampon().width(), d.tampon().height())) / 2);
    d = decouper(pixels, vue, cote);
  }
  d.echantillons = multiple_.fbo ? multiple_.echantillons : 0;
  DrawList commandes;
  try {
    commandes = construire();
  } catch (...) {
    ignorererreurs();
    glBindFramebuffer(GL_FRAMEBUFFER, simple_.fbo);
    if (d.entiere()) lire(pixels, image);
    throw;
  }
  if (d.entiere()) {
    dessinertuile(commandes, d, {0, 0});
    lire(pixels, image);
    return true;
  }
  QImage entiere(pixels, QImage::Format_RGB32);
  for (int j = 0; j < d.rangees(); ++j)
    for (int i = 0; i < d.colonnes(); ++i) {
      const QPoint origine(i * d.tuile.width(), j * d.tuile.height());
      dessinertuile(commandes, d, origine);
      coller(d, origine, entiere);
    }
  image = std::move(entiere);
  return true;
}

void Renderer::epaisseur(double facteur) {
  if (facteur == gl_.epaisseur || !(facteur > 0)) return;
  gl_.epaisseur = facteur;
  if (!pret_) return;
  Courant c(*this);
  if (c) reenregistrer();
}

void Renderer::limitermorceaux(std::size_t sommets) {
  if (sommets == gl_.sommetsmorceau) return;
  gl_.sommetsmorceau = sommets;
  if (!pret_) return;
  Courant c(*this);
  if (c) reenregistrer();
}

void Renderer::limitertuiles(int cote, bool parprojection) {
  cotetuile_ = std::max(0, cote);
  parprojection_ = parprojection;
}

// The tile at `origine` (pixels from the lower left corner of the frame): with the whole
// viewport shifted under the framebuffer, or with the projection narrowed onto the tile.
// Either way each pixel is where it would be in one piece.
void Renderer::dessinertuile(const DrawList& commandes, const Decoupe& d, QPoint origine) {
  glBindFramebuffer(GL_FRAMEBUFFER, d.echantillons ? multiple_.fbo : simple_.fbo);
  const QSize t = d.tampon();
  const double x0 = origine.x() - d.marge, y0 = origine.y() - d.marge;
  if (d.projection) {
    GLdouble p[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glTranslated((d.vue.width() - 2 * x0) / t.width() - 1,
                 (d.vue.height() - 2 * y0) / t.height() - 1, 0);
    glScaled(double(d.vue.width()) / t.width(), double(d.vue.height()) / t.height(), 1);
    glMultMatrixd(p);
    glMatrixMode(GL_MODELVIEW);
    glViewport(0, 0, t.width(), t.height());
  } else {
    glViewport(-int(x0), -int(y0), d.vue.width(), d.vue.height());
  }
  executer(commandes, gl_);
  if (d.projection) {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
  }
  if (d.echantillons) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, multiple_.fbo);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, simple_.fbo);
    glBlitFramebuffer(0, 0, t.width(), t.height(), 0, 0, t.width(), t.height(), GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, simple_.fbo);
  }
  ignorererreurs();
}

// The buffers for one tile: the one read back, and the multisample one when asked and GL
// makes it (without it the frame is drawn, unsmoothed). Left bound.
bool Renderer::preparer(QSize taille, int echantillons) {
  if (!preparertampon(taille)) return false;
  if (echantillons == 0 || preparermultiple(taille, echantillons) == 0) {
    detruire(multiple_);
    glBindFramebuffer(GL_FRAMEBUFFER, simple_.fbo);
  }
  return true;
}

// A colour texture (with an alpha channel software GL reads back twice as fast) and a
// depth buffer, made again when the size changes; left bound. The texture's format is
// left to GL, told the pixels come as BGRA: software GL then keeps them in the order they
// are read back in, and the read-back is a copy rather than a swap of red and blue.
bool Renderer::preparertampon(QSize pixels) {
  if (simple_.fbo && simple_.taille == pixels) {
    glBindFramebuffer(GL_FRAMEBUFFER, simple_.fbo);
    return true;
  }
  detruire(simple_);
  glGenFramebuffers(1, &simple_.fbo);
  glBindFramebuffer(GL_FRAMEBUFFER, simple_.fbo);
  glGenTextures(1, &simple_.couleur);
  glBindTexture(GL_TEXTURE_2D, simple_.couleur);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width(), pixels.height(), 0, GL_BGRA,
               GL_UNSIGNED_BYTE, nullptr);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, simple_.couleur, 0);
  glBindTexture(GL_TEXTURE_2D, 0);
  simple_.profondeur = renderbuffer(GL_DEPTH_COMPONENT, pixels, 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                            simple_.profondeur);
  simple_.taille = pixels;
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) return true;
  detruire(simple_);
  ignorererreurs();
  return false;
}

// Multisample colour and depth renderbuffers; the samples GL gave, 0 when it made none.
// Left bound.
int Renderer::preparermultiple(QSize taille, int echantillons) {
  if (multiple_.fbo && multiple_.taille == taille && multiple_.echantillons == echantillons) {
    glBindFramebuffer(GL_FRAMEBUFFER, multiple_.fbo);
    return echantillons;
  }
  detruire(multiple_);
  glGenFramebuffers(1, &multiple_.fbo);
  glBindFramebuffer(GL_FRAMEBUFFER, multiple_.fbo);
  multiple_.couleur = renderbuffer(GL_RGBA8, taille, echantillons);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                            multiple_.couleur);
  multiple_.profondeur = renderbuffer(GL_DEPTH_COMPONENT24, taille, echantillons);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                            multiple_.profondeur);
  multiple_.taille = taille;
  multiple_.echantillons = echantillons;
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) return echantillons;
  detruire(multiple_);
  ignorererreurs();
  return 0;
}

void Renderer::detruire(Tampon& t) {
  if (!t.fbo) return;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &t.fbo);
  if (t.echantillons > 0)
    glDeleteRenderbuffers(1, &t.couleur);
  else
    glDeleteTextures(1, &t.couleur);
  glDeleteRenderbuffers(1, &t.profondeur);
  t = {};
}

void Renderer::detruiretampons() {
  detruire(multiple_);
  detruire(simple_);
}

// GL rows run bottom to top; the image's top to bottom. Mesa can hand the rows over top
// first, which spares a copy of the whole frame.
void Renderer::lire(QSize t, QImage& image) {
  if (image.size() != t || image.format() != QImage::Format_RGB32 || !image.isDetached())
    image = QImage(t, QImage::Format_RGB32);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  if (lectureinversee_) glPixelStorei(GL_PACK_INVERT_MESA, GL_TRUE);
  glReadPixels(0, 0, t.width(), t.height(), GL_BGRA, GL_UNSIGNED_BYTE, image.bits());
  if (lectureinversee_)
    glPixelStorei(GL_PACK_INVERT_MESA, GL_FALSE);
  else
    image = std::move(image).mirrored();
}

// The tile's kept part, read straight into its place in the frame's image.
void Renderer::coller(const Decoupe& d, QPoint origine, QImage& image) {
  const QSize t = d.tuile.boundedTo(d.pixels - QSize(origine.x(), origine.y()));
  const int haut = d.pixels.height() - origine.y() - t.height();  // image row of its top
  if (!lectureinversee_) {
    QImage tuile;
    glReadPixels(d.marge, d.marge, t.width(), t.height(), GL_BGRA, GL_UNSIGNED_BYTE,
                 (tuile = QImage(t, QImage::Format_RGB32)).bits());
    tuile = std::move(tuile).mirrored();
    for (int y = 0; y < t.height(); ++y)
      std::memcpy(image.scanLine(haut + y) + 4 * origine.x(), tuile.constScanLine(y),
                  std::size_t(4 * t.width()));
    return;
  }
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, int(image.bytesPerLine() / 4));
  glPixelStorei(GL_PACK_INVERT_MESA, GL_TRUE);
  glReadPixels(d.marge, d.marge, t.width(), t.height(), GL_BGRA, GL_UNSIGNED_BYTE,
               image.scanLine(haut) + 4 * origine.x());
  glPixelStorei(GL_PACK_INVERT_MESA, GL_FALSE);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}

}  // namespace quadrel
