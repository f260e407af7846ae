#include "view/glyphes.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>
#include <deque>
#include <vector>

namespace quadrel {
namespace {

// Outlines are taken at this pixel size, then scaled to one em.
constexpr int kPixels = 128;

using Contour = std::vector<QPointF>;

struct Tessellation {
  std::deque<std::array<GLdouble, 3>> sommets;  // stable addresses for the tessellator
};

void GLAPIENTRY combiner(const GLdouble c[3], void* [4], const GLfloat[4], void** sortie,
                         void* donnee) {
  auto* t = static_cast<Tessellation*>(donnee);
  t->sommets.push_back({c[0], c[1], c[2]});
  *sortie = t->sommets.back().data();
}

void GLAPIENTRY sommet(void* v) {
  glVertex3dv(static_cast<const GLdouble*>(v));
}
void GLAPIENTRY debut(GLenum mode) {
  glBegin(mode);
}
void GLAPIENTRY fin() {
  glEnd();
}

// One flat face of the glyph at height z, facing +z or -z.
void face(GLUtesselator* tess, const std::vector<Contour>& contours, double z, double nz) {
  Tessellation t;
  glNormal3d(0, 0, nz);
  gluTessNormal(tess, 0, 0, nz);
  gluTessBeginPolygon(tess, &t);
  for (const Contour& c : contours) {
    gluTessBeginContour(tess);
    for (const QPointF& p : c) {
      t.sommets.push_back({p.x(), p.y(), z});
      gluTessVertex(tess, t.sommets.back().data(), t.sommets.back().data());
    }
    gluTessEndContour(tess);
  }
  gluTessEndPolygon(tess);
}

double aire(const Contour& c) {
  double a = 0;
  for (std::size_t i = 0, n = c.size(); i < n; ++i) {
    const QPointF &p = c[i], &q = c[(i + 1) % n];
    a += p.x() * q.y() - q.x() * p.y();
  }
  return a / 2;
}

// The walls between the two faces. The largest contour is an outer one: its turning sense
// tells which side of every edge is outside.
void cotes(const std::vector<Contour>& contours, double profondeur) {
  double plusgrande = 0;
  for (const Contour& c : contours)
    if (std::abs(aire(c)) > std::abs(plusgrande)) plusgrande = aire(c);
  const double sens = plusgrande >= 0 ? 1 : -1;
  glBegin(GL_QUADS);
  for (const Contour& c : contours) {
    for (std::size_t i = 0, n = c.size(); i < n; ++i) {
      const QPointF &p = c[i], &q = c[(i + 1) % n];
      const double dx = q.x() - p.x(), dy = q.y() - p.y(), l = std::hypot(dx, dy);
      if (l == 0) continue;
      glNormal3d(sens * dy / l, -sens * dx / l, 0);
      glVertex3d(p.x(), p.y(), 0);
      glVertex3d(p.x(), p.y(), -profondeur);
      glVertex3d(q.x(), q.y(), -profondeur);
      glVertex3d(q.x(), q.y(), 0);
    }
  }
  glEnd();
}

std::vector<Contour> contours(const QFont& police, unsigned char code) {
  QPainterPath chemin;
  chemin.addText(0, 0, police, QString(QChar(code)));
  std::vector<Contour> r;
  for (const QPolygonF& poly : chemin.toSubpathPolygons()) {
    Contour c;
    for (const QPointF& p : poly) {
      const QPointF q(p.x() / kPixels, -p.y() / kPixels);  // y up, one em
      if (c.empty() || c.back() != q) c.push_back(q);
    }
    if (c.size() > 1 && c.front() == c.back()) c.pop_back();
    if (c.size() >= 3) r.push_back(std::move(c));
  }
  return r;
}

}  // namespace

void substituerpolices() {
  QFont::insertSubstitution(QStringLiteral("Comics Sans MS"), QStringLiteral("Comic Neue"));
  QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

unsigned construireglyphes(const QFont& modele, double profondeur, Metriques& metriques) {
  const GLuint base = glGenLists(256);
  if (base == 0) return 0;
  QFont police(modele);
  police.setPixelSize(kPixels);
  const QFontMetricsF mesure(police);
  GLUtesselator* tess = gluNewTess();
  gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
  gluTessCallback(tess, GLU_TESS_BEGIN, reinterpret_cast<_GLUfuncptr>(debut));
  gluTessCallback(tess, GLU_TESS_END, reinterpret_cast<_GLUfuncptr>(fin));
  gluTessCallback(tess, GLU_TESS_VERTEX, reinterpret_cast<_GLUfuncptr>(sommet));
  gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(combiner));
  for (int code = 0; code < 256; ++code) {
    // Control codes have no shape and no width.
    const bool visible = (code >= 32 && code < 127) || code >= 160;
    const auto cs =
        visible ? contours(police, static_cast<unsigned char>(code)) : std::vector<Contour>();
    MetriqueGlyphe& m = metriques[code];
    m.avance = visible ? float(mesure.horizontalAdvance(QChar(code)) / kPixels) : 0.f;
    const QRectF boite = mesure.boundingRect(QChar(code));
    m.largeur = float(boite.width() / kPixels);
    m.hauteur = float(boite.height() / kPixels);
    glNewList(base + code, GL_COMPILE);
    if (!cs.empty()) {
      face(tess, cs, 0, 1);
      face(tess, cs, -profondeur, -1);
      cotes(cs, profondeur);
    }
    glTranslated(m.avance, 0, 0);
    glEndList();
  }
  gluDeleteTess(tess);
  return base;
}

}  // namespace quadrel
