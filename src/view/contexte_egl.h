// A GL context with no display and no surface at all (Mesa's EGL surfaceless platform), for
// a renderer that draws into its own framebuffer object where no X server runs.
#pragma once

#include <memory>
#include <string>

#include "view/renderer.h"

namespace quadrel {

class ContexteEgl : public ContexteRendu {
 public:
  // A compatibility 2.1 context, or null with the reason in `erreur`.
  static std::unique_ptr<ContexteEgl> creer(std::string& erreur);
  ~ContexteEgl() override;
  ContexteEgl(const ContexteEgl&) = delete;
  ContexteEgl& operator=(const ContexteEgl&) = delete;

  bool makeCurrent() override;
  void doneCurrent() override;

 private:
  ContexteEgl() = default;
  void* affichage_ = nullptr;  // EGLDisplay
  void* contexte_ = nullptr;   // EGLContext
};

}  // namespace quadrel
