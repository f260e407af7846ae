#define GL_GLEXT_PROTOTYPES 1
#include "view/renderer.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <QElapsedTimer>
#include <cstring>
#include <exception>
#include <string_view>
#include <utility>

#include "view/camera.h"

namespace quadrel {
namespace {

constexpr double kProfondeurGlyphes = 0.15;

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
  if (Courant c{*this}) detruiretampon();
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
  for (int l = 0; l < 10; ++l) id(Liste(l)) = glGenLists(1);
  lectureinversee_ = extension("GL_MESA_pack_invert");
  pret_ = true;
  for (int l = 0; l < 10; ++l)
    if (!gardees_[std::size_t(l)].empty())
      quadrel::enregistrer(id(Liste(l)), gardees_[std::size_t(l)], gl_);
  ignorererreurs();
  return true;
}

void Renderer::enregistrer(Liste l, DrawList commandes) {
  gardees_[std::size_t(l)] = std::move(commandes);
  if (!pret_) return;  // recorded when the context comes
  Courant c(*this);
  if (!c) return;
  quadrel::enregistrer(id(l), gardees_[std::size_t(l)], gl_);
  ignorererreurs();
}

void Renderer::liberer() {
  if (!pret_) return;
  Courant c(*this);
  if (!c) return;
  for (int l = 0; l < 10; ++l) {
    glDeleteLists(id(Liste(l)), 1);
    id(Liste(l)) = 0;
  }
  if (gl_.basepolice) glDeleteLists(gl_.basepolice, 256);
  gl_.basepolice = 0;
  for (GLUquadric*& q : gl_.quadriques) {
    if (q) gluDeleteQuadric(q);
    q = nullptr;
  }
  pret_ = false;
}

bool Renderer::rendre(QSize pixels, QSize vue, const std::function<DrawList()>& construire,
                      QImage& image) {
  if (!pret_ || pixels.isEmpty()) return false;
  Courant c(*this);
  if (!c || !preparertampon(pixels)) return false;
  glViewport(0, 0, vue.width(), vue.height());
  std::exception_ptr echec;
  try {
    executer(construire(), gl_);
  } catch (...) {
    echec = std::current_exception();
  }
  ignorererreurs();
  lire(pixels, image);
  if (echec) std::rethrow_exception(echec);
  return true;
}

// A colour texture (with an alpha channel software GL reads back twice as fast) and a
// depth buffer, made again when the size changes; left bound.
bool Renderer::preparertampon(QSize pixels) {
  if (tampon_ && tailletampon_ == pixels) {
    glBindFramebuffer(GL_FRAMEBUFFER, tampon_);
    return true;
  }
  detruiretampon();
  glGenFramebuffers(1, &tampon_);
  glBindFramebuffer(GL_FRAMEBUFFER, tampon_);
  glGenTextures(1, &texture_);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, pixels.width(), pixels.height(), 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture_, 0);
  glBindTexture(GL_TEXTURE_2D, 0);
  glGenRenderbuffers(1, &profondeur_);
  glBindRenderbuffer(GL_RENDERBUFFER, profondeur_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT, pixels.width(), pixels.height());
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, profondeur_);
  tailletampon_ = pixels;
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) return true;
  detruiretampon();
  ignorererreurs();
  return false;
}

void Renderer::detruiretampon() {
  if (!tampon_) return;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &tampon_);
  glDeleteTextures(1, &texture_);
  glDeleteRenderbuffers(1, &profondeur_);
  tampon_ = texture_ = profondeur_ = 0;
  tailletampon_ = {};
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

}  // namespace quadrel
