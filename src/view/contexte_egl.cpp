#include "view/contexte_egl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstring>

namespace quadrel {
namespace {

bool cite(const char* liste, const char* nom) {
  if (!liste) return false;
  const std::size_t n = std::strlen(nom);
  for (const char* p = std::strstr(liste, nom); p; p = std::strstr(p + n, nom))
    if ((p == liste || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0')) return true;
  return false;
}

}  // namespace

std::unique_ptr<ContexteEgl> ContexteEgl::creer(std::string& erreur) {
  if (!cite(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), "EGL_MESA_platform_surfaceless")) {
    erreur = "EGL has no surfaceless platform";
    return nullptr;
  }
  const auto plateforme = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  EGLDisplay d = plateforme
                     ? plateforme(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr)
                     : EGL_NO_DISPLAY;
  if (d == EGL_NO_DISPLAY || !eglInitialize(d, nullptr, nullptr)) {
    erreur = "no EGL display without a surface";
    return nullptr;
  }
  std::unique_ptr<ContexteEgl> c(new ContexteEgl);
  c->affichage_ = d;
  // The surface type defaults to windows, which this platform has none of.
  const EGLint attributs[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                              EGL_OPENGL_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint n = 0;
  if (!cite(eglQueryString(d, EGL_EXTENSIONS), "EGL_KHR_surfaceless_context") ||
      !eglBindAPI(EGL_OPENGL_API) || !eglChooseConfig(d, attributs, &config, 1, &n) || n < 1) {
    erreur = "EGL offers no desktop GL without a surface";
    return nullptr;
  }
  // Before 3.2 every context is a compatibility one: display lists and the fixed pipeline.
  const EGLint version[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1, EGL_NONE};
  c->contexte_ = eglCreateContext(d, config, EGL_NO_CONTEXT, version);
  if (c->contexte_ == EGL_NO_CONTEXT) {
    erreur = "EGL made no GL 2.1 context";
    return nullptr;
  }
  return c;
}

ContexteEgl::~ContexteEgl() {
  if (contexte_) {
    eglMakeCurrent(affichage_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(affichage_, contexte_);
  }
}

bool ContexteEgl::makeCurrent() {
  return eglMakeCurrent(affichage_, EGL_NO_SURFACE, EGL_NO_SURFACE, contexte_) == EGL_TRUE;
}

void ContexteEgl::doneCurrent() {
  eglMakeCurrent(affichage_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

}  // namespace quadrel
