#include "view/glexec.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "view/shapes.h"

namespace quadrel {
namespace {

std::array<GLfloat, 4> f4(const Command& c) {
  return {GLfloat(c.d[0]), GLfloat(c.d[1]), GLfloat(c.d[2]), GLfloat(c.d[3])};
}

GLUquadric* quadrique(const ContexteGl& gl, int id) {
  return id >= 0 && id < int(gl.quadriques.size()) ? gl.quadriques[id] : nullptr;
}

// The GL id of a list named in a DrawList (a Liste, or a glyph from kBaseGlyphes on).
GLuint idliste(const ContexteGl& gl, unsigned nom) {
  if (nom < gl.listes.size()) return gl.listes[nom];
  if (nom >= kBaseGlyphes && nom < kBaseGlyphes + 256) return gl.basepolice + (nom - kBaseGlyphes);
  return 0;
}

// With the calls GLUT makes for its shapes: client arrays enabled, then disabled again.
void dessinerforme(const ShapeArrays& forme) {
  if (forme.draws.empty()) return;
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, forme.vertices.data());
  glNormalPointer(GL_FLOAT, 0, forme.normals.data());
  for (const ShapeArrays::Draw& d : forme.draws) {
    if (d.indexed)
      glDrawElements(GLenum(d.mode), d.count, GL_UNSIGNED_SHORT, forme.indices.data() + d.first);
    else
      glDrawArrays(GLenum(d.mode), d.first, d.count);
  }
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
}

void formeglut(const Command& c) {
  const bool plein = c.i[0] != 0;
  dessinerforme(c.op == Op::GlutSphere ? glutSphereArrays(plein, c.d[0], c.i[1], c.i[2])
                                       : glutCubeArrays(plein, c.d[0]));
}

void quadriques(const ContexteGl& gl, const Command& c) {
  GLUquadric* q = quadrique(gl, c.i[0]);
  if (!q) return;
  switch (c.op) {
    case Op::QuadricNormals:
      return gluQuadricNormals(q, GLenum(c.i[1]));
    case Op::QuadricDrawStyle:
      return gluQuadricDrawStyle(q, GLenum(c.i[1]));
    case Op::QuadricOrientation:
      return gluQuadricOrientation(q, GLenum(c.i[1]));
    case Op::Sphere:
      return gluSphere(q, c.d[0], c.i[1], c.i[2]);
    case Op::Cylinder:
      return gluCylinder(q, c.d[0], c.d[1], c.d[2], c.i[1], c.i[2]);
    case Op::Disk:
      return gluDisk(q, c.d[0], c.d[1], c.i[1], c.i[2]);
    case Op::PartialDisk:
      return gluPartialDisk(q, c.d[0], c.d[1], c.i[1], c.i[2], c.d[2], c.d[3]);
    default:
      return;
  }
}

// From client arrays, which glNewList copies into the list: far cheaper to record than a
// call per vertex. GL wants a normal per vertex: each run's normal is repeated. Vertices
// [debut, debut + n) of the mesh.
void maillage(const PackedMesh& m, std::size_t debut, std::size_t n) {
  if (n == 0) return;
  const std::size_t parNormale = m.perNormal > 0 ? std::size_t(m.perNormal) : m.vertexCount();
  std::vector<GLfloat> normales(3 * n, 0.0f);
  for (std::size_t k = 0; k < n && (debut + k) / parNormale < m.normalCount(); ++k)
    std::copy_n(m.normals.data() + 3 * ((debut + k) / parNormale), 3, normales.data() + 3 * k);
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, m.vertices.data() + 3 * debut);
  glNormalPointer(GL_FLOAT, 0, normales.data());
  glDrawArrays(GLenum(m.mode), 0, GLsizei(n));
  glPopClientAttrib();
}

// Vertices of one piece of a mesh cut at `limite`: whole primitives; a strip or a loop
// is never cut.
std::size_t pasMorceau(const PackedMesh& m, std::size_t limite) {
  const std::size_t n = m.vertexCount();
  std::size_t primitive = 0;
  switch (m.mode) {
    case GL_POINTS:
      primitive = 1;
      break;
    case GL_LINES:
      primitive = 2;
      break;
    case GL_TRIANGLES:
      primitive = 3;
      break;
    case GL_QUADS:
      primitive = 4;
      break;
    default:
      return n;
  }
  return limite < primitive ? n : std::max(primitive, limite / primitive * primitive);
}

// A list recorded in pieces goes to GL piece by piece, each flushed: software GL's
// rasteriser threads draw one piece while the next one is sent.
void appeler(const ContexteGl& gl, unsigned nom) {
  const GLuint id = idliste(gl, nom);
  const int n = nom < gl.morceaux.size() ? gl.morceaux[nom] : 1;
  if (n <= 1) return glCallList(id);
  for (int k = 0; k < n; ++k) {
    glCallList(id + GLuint(k));
    glFlush();
  }
}

void un(const DrawList& liste, const Command& c, const ContexteGl& gl) {
  const auto d = c.d;
  const auto e = [&](int k) { return GLenum(c.i[k]); };
  switch (c.op) {
    case Op::Begin:
      return glBegin(e(0));
    case Op::End:
      return glEnd();
    case Op::Vertex:
      return glVertex3d(d[0], d[1], d[2]);
    case Op::Normal:
      return glNormal3d(d[0], d[1], d[2]);
    case Op::Color3:
      return glColor3d(d[0], d[1], d[2]);
    case Op::Color4:
      return glColor4d(d[0], d[1], d[2], d[3]);
    case Op::Material:
      if (c.i[1] == GL_SHININESS) return glMaterialf(e(0), e(1), GLfloat(d[0]));
      return glMaterialfv(e(0), e(1), f4(c).data());
    case Op::Light:
      return glLightfv(e(0), e(1), f4(c).data());
    case Op::Enable:
      return glEnable(e(0));
    case Op::Disable:
      return glDisable(e(0));
    case Op::PolygonMode:
      return glPolygonMode(e(0), e(1));
    case Op::LineWidth:
      return glLineWidth(GLfloat(largeurTrait(d[0], gl.epaisseur)));
    case Op::PointSize:
      return glPointSize(GLfloat(largeurTrait(d[0], gl.epaisseur)));
    case Op::ShadeModel:
      return glShadeModel(e(0));
    case Op::BlendFunc:
      return glBlendFunc(e(0), e(1));
    case Op::DepthFunc:
      return glDepthFunc(e(0));
    case Op::DepthMask:
      return glDepthMask(c.i[0] ? GL_TRUE : GL_FALSE);
    case Op::Hint:
      return glHint(e(0), e(1));
    case Op::FogMode:
      return glFogi(GL_FOG_MODE, c.i[0]);
    case Op::Fog:
      if (c.i[0] == GL_FOG_COLOR) return glFogfv(e(0), f4(c).data());
      return glFogf(e(0), GLfloat(d[0]));
    case Op::MatrixMode:
      return glMatrixMode(e(0));
    case Op::PushMatrix:
      return glPushMatrix();
    case Op::PopMatrix:
      return glPopMatrix();
    case Op::LoadIdentity:
      return glLoadIdentity();
    case Op::Translate:
      return glTranslated(d[0], d[1], d[2]);
    case Op::Rotate:
      return glRotated(d[0], d[1], d[2], d[3]);
    case Op::Scale:
      return glScaled(d[0], d[1], d[2]);
    case Op::MultMatrix:
      return glMultMatrixd(liste.matrix(c).data());
    case Op::ClipPlane:
      return glClipPlane(e(0), d.data());
    case Op::CallList:
      return appeler(gl, c.list());
    case Op::GlutSphere:
    case Op::GlutCube:
      return formeglut(c);
    case Op::Perspective:
      return gluPerspective(d[0], d[1], d[2], d[3]);
    case Op::LookAt:
      return gluLookAt(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8]);
    case Op::Viewport:
      return glViewport(c.i[0], c.i[1], c.i[2], c.i[3]);
    case Op::ClearColor:
      return glClearColor(GLfloat(d[0]), GLfloat(d[1]), GLfloat(d[2]), GLfloat(d[3]));
    case Op::Clear:
      glClear(GLbitfield(c.i[0]));
      return glFlush();  // software GL clears while what follows is sent
    case Op::PolygonOffset:
      return glPolygonOffset(GLfloat(d[0]), GLfloat(d[1]));
    case Op::Mesh:
      return maillage(liste.mesh(c), 0, liste.mesh(c).vertexCount());
    default:
      return quadriques(gl, c);
  }
}

}  // namespace

void executer(const DrawList& liste, const ContexteGl& gl) {
  for (const Command& c : liste.commands()) un(liste, c, gl);
}

int enregistrer(unsigned premier, int most, const DrawList& liste, const ContexteGl& gl) {
  if (premier == 0 || most < 1) return 0;
  const std::size_t limite = gl.sommetsmorceau > 0 ? gl.sommetsmorceau : SIZE_MAX;
  int k = 0;
  std::size_t dans = 0;  // vertices in the piece being recorded
  glNewList(premier, GL_COMPILE);
  for (const Command& c : liste.commands()) {
    if (c.op != Op::Mesh) {
      un(liste, c, gl);
      continue;
    }
    const PackedMesh& m = liste.mesh(c);
    const std::size_t pas = pasMorceau(m, limite);
    for (std::size_t debut = 0; debut < m.vertexCount(); debut += pas) {
      const std::size_t n = std::min(pas, m.vertexCount() - debut);
      if (dans > 0 && dans + n > limite && k + 1 < most) {
        glEndList();
        glNewList(premier + GLuint(++k), GL_COMPILE);
        dans = 0;
      }
      maillage(m, debut, n);
      dans += n;
    }
  }
  glEndList();
  for (int vide = k + 1; vide < most; ++vide) {  // what an earlier recording left there
    glNewList(premier + GLuint(vide), GL_COMPILE);
    glEndList();
  }
  return k + 1;
}

}  // namespace quadrel
