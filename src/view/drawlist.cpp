#include "view/drawlist.h"

#include <algorithm>

namespace quadrel {

Command& DrawList::push(Op op) {
  Command& c = commands_.emplace_back();
  c.op = op;
  return c;
}

void DrawList::begin(int mode) {
  push(Op::Begin).i[0] = mode;
}
void DrawList::end() {
  push(Op::End);
}

void DrawList::vertex(double x, double y, double z) {
  Command& c = push(Op::Vertex);
  c.d[0] = x, c.d[1] = y, c.d[2] = z;
}

void DrawList::normal(double x, double y, double z) {
  Command& c = push(Op::Normal);
  c.d[0] = x, c.d[1] = y, c.d[2] = z;
}

void DrawList::color(double r, double g, double b) {
  Command& c = push(Op::Color3);
  c.d[0] = r, c.d[1] = g, c.d[2] = b;
}

void DrawList::color(double r, double g, double b, double a) {
  Command& c = push(Op::Color4);
  c.d[0] = r, c.d[1] = g, c.d[2] = b, c.d[3] = a;
}

void DrawList::material(int face, int pname, double a, double b, double c, double d) {
  Command& m = push(Op::Material);
  m.i[0] = face, m.i[1] = pname;
  m.d[0] = a, m.d[1] = b, m.d[2] = c, m.d[3] = d;
}

void DrawList::material(int face, int pname, const std::array<double, 4>& v) {
  material(face, pname, v[0], v[1], v[2], v[3]);
}

void DrawList::light(int light, int pname, const std::array<double, 4>& v) {
  Command& c = push(Op::Light);
  c.i[0] = light, c.i[1] = pname;
  std::copy(v.begin(), v.end(), c.d.begin());
}

void DrawList::enable(int cap) {
  push(Op::Enable).i[0] = cap;
}
void DrawList::disable(int cap) {
  push(Op::Disable).i[0] = cap;
}

void DrawList::polygonMode(int face, int mode) {
  Command& c = push(Op::PolygonMode);
  c.i[0] = face, c.i[1] = mode;
}

void DrawList::lineWidth(double w) {
  push(Op::LineWidth).d[0] = w;
}
void DrawList::pointSize(double s) {
  push(Op::PointSize).d[0] = s;
}
void DrawList::shadeModel(int mode) {
  push(Op::ShadeModel).i[0] = mode;
}

void DrawList::blendFunc(int sfactor, int dfactor) {
  Command& c = push(Op::BlendFunc);
  c.i[0] = sfactor, c.i[1] = dfactor;
}

void DrawList::depthFunc(int func) {
  push(Op::DepthFunc).i[0] = func;
}
void DrawList::depthMask(bool flag) {
  push(Op::DepthMask).i[0] = flag ? 1 : 0;
}

void DrawList::hint(int target, int mode) {
  Command& c = push(Op::Hint);
  c.i[0] = target, c.i[1] = mode;
}

void DrawList::fogMode(int mode) {
  push(Op::FogMode).i[0] = mode;
}

void DrawList::fog(int pname, double v) {
  Command& c = push(Op::Fog);
  c.i[0] = pname, c.d[0] = v;
}

void DrawList::fog(int pname, const std::array<double, 4>& v) {
  Command& c = push(Op::Fog);
  c.i[0] = pname;
  std::copy(v.begin(), v.end(), c.d.begin());
}

void DrawList::matrixMode(int mode) {
  push(Op::MatrixMode).i[0] = mode;
}
void DrawList::pushMatrix() {
  push(Op::PushMatrix);
}
void DrawList::popMatrix() {
  push(Op::PopMatrix);
}
void DrawList::loadIdentity() {
  push(Op::LoadIdentity);
}

void DrawList::translate(double x, double y, double z) {
  Command& c = push(Op::Translate);
  c.d[0] = x, c.d[1] = y, c.d[2] = z;
}

void DrawList::rotate(double angle, double x, double y, double z) {
  Command& c = push(Op::Rotate);
  c.d[0] = angle, c.d[1] = x, c.d[2] = y, c.d[3] = z;
}

void DrawList::scale(double x, double y, double z) {
  Command& c = push(Op::Scale);
  c.d[0] = x, c.d[1] = y, c.d[2] = z;
}

void DrawList::multMatrix(const std::array<double, 16>& m) {
  push(Op::MultMatrix).i[0] = static_cast<int>(matrices_.size());
  matrices_.push_back(m);
}

void DrawList::clipPlane(int plane, const std::array<double, 4>& eq) {
  Command& c = push(Op::ClipPlane);
  c.i[0] = plane;
  std::copy(eq.begin(), eq.end(), c.d.begin());
}

void DrawList::callList(unsigned list) {
  push(Op::CallList).i[0] = static_cast<int>(list);
}

void DrawList::glyphs(unsigned base, std::string_view text) {
  for (char ch : text) callList(base + static_cast<unsigned char>(ch));
}

void DrawList::quadricNormals(int quadric, int normals) {
  Command& c = push(Op::QuadricNormals);
  c.i[0] = quadric, c.i[1] = normals;
}

void DrawList::quadricDrawStyle(int quadric, int style) {
  Command& c = push(Op::QuadricDrawStyle);
  c.i[0] = quadric, c.i[1] = style;
}

void DrawList::quadricOrientation(int quadric, int orientation) {
  Command& c = push(Op::QuadricOrientation);
  c.i[0] = quadric, c.i[1] = orientation;
}

void DrawList::sphere(int quadric, double radius, int slices, int stacks) {
  Command& c = push(Op::Sphere);
  c.i[0] = quadric, c.i[1] = slices, c.i[2] = stacks;
  c.d[0] = radius;
}

void DrawList::cylinder(int quadric, double base, double top, double height, int slices,
                        int stacks) {
  Command& c = push(Op::Cylinder);
  c.i[0] = quadric, c.i[1] = slices, c.i[2] = stacks;
  c.d[0] = base, c.d[1] = top, c.d[2] = height;
}

void DrawList::disk(int quadric, double inner, double outer, int slices, int loops) {
  Command& c = push(Op::Disk);
  c.i[0] = quadric, c.i[1] = slices, c.i[2] = loops;
  c.d[0] = inner, c.d[1] = outer;
}

void DrawList::partialDisk(int quadric, double inner, double outer, int slices, int loops,
                           double start, double sweep) {
  Command& c = push(Op::PartialDisk);
  c.i[0] = quadric, c.i[1] = slices, c.i[2] = loops;
  c.d[0] = inner, c.d[1] = outer, c.d[2] = start, c.d[3] = sweep;
}

void DrawList::glutSphere(bool solid, double radius, int slices, int stacks) {
  Command& c = push(Op::GlutSphere);
  c.i[0] = solid ? 1 : 0, c.i[1] = slices, c.i[2] = stacks;
  c.d[0] = radius;
}

void DrawList::glutCube(bool solid, double edge) {
  Command& c = push(Op::GlutCube);
  c.i[0] = solid ? 1 : 0;
  c.d[0] = edge;
}

void DrawList::perspective(double fovy, double aspect, double znear, double zfar) {
  Command& c = push(Op::Perspective);
  c.d[0] = fovy, c.d[1] = aspect, c.d[2] = znear, c.d[3] = zfar;
}

void DrawList::lookAt(double ex, double ey, double ez, double cx, double cy, double cz, double ux,
                      double uy, double uz) {
  Command& c = push(Op::LookAt);
  c.d = {ex, ey, ez, cx, cy, cz, ux, uy, uz};
}

void DrawList::viewport(int x, int y, int w, int h) {
  push(Op::Viewport).i = {x, y, w, h};
}

void DrawList::clearColor(double r, double g, double b, double a) {
  Command& c = push(Op::ClearColor);
  c.d[0] = r, c.d[1] = g, c.d[2] = b, c.d[3] = a;
}

void DrawList::clear(int mask) {
  push(Op::Clear).i[0] = mask;
}

void DrawList::polygonOffset(double factor, double units) {
  Command& c = push(Op::PolygonOffset);
  c.d[0] = factor, c.d[1] = units;
}

void DrawList::mesh(PackedMesh m) {
  push(Op::Mesh).i[0] = static_cast<int>(meshes_.size());
  meshes_.push_back(std::move(m));
}

void DrawList::append(const DrawList& other) {
  const int shift = static_cast<int>(matrices_.size());
  const int meshShift = static_cast<int>(meshes_.size());
  commands_.reserve(commands_.size() + other.commands_.size());
  for (Command c : other.commands_) {
    if (c.op == Op::MultMatrix) c.i[0] += shift;
    if (c.op == Op::Mesh) c.i[0] += meshShift;
    commands_.push_back(c);
  }
  matrices_.insert(matrices_.end(), other.matrices_.begin(), other.matrices_.end());
  meshes_.insert(meshes_.end(), other.meshes_.begin(), other.meshes_.end());
}

void DrawList::clearAll() {
  commands_.clear();
  matrices_.clear();
  meshes_.clear();
}

const PackedMesh& DrawList::mesh(const Command& meshCommand) const {
  return meshes_.at(static_cast<std::size_t>(meshCommand.i[0]));
}

const std::array<double, 16>& DrawList::matrix(const Command& multMatrix) const {
  return matrices_.at(static_cast<std::size_t>(multMatrix.i[0]));
}

std::size_t DrawList::count(Op op) const {
  return static_cast<std::size_t>(std::count_if(commands_.begin(), commands_.end(),
                                                [op](const Command& c) { return c.op == op; }));
}

std::size_t DrawList::count(Op op, int arg0) const {
  return static_cast<std::size_t>(
      std::count_if(commands_.begin(), commands_.end(),
                    [op, arg0](const Command& c) { return c.op == op && c.i[0] == arg0; }));
}

std::size_t DrawList::findIf(const std::function<bool(const Command&)>& pred,
                             std::size_t from) const {
  for (std::size_t k = from; k < commands_.size(); ++k)
    if (pred(commands_[k])) return k;
  return npos;
}

std::size_t DrawList::find(Op op, std::size_t from) const {
  return findIf([op](const Command& c) { return c.op == op; }, from);
}

std::size_t DrawList::find(Op op, int arg0, std::size_t from) const {
  return findIf([op, arg0](const Command& c) { return c.op == op && c.i[0] == arg0; }, from);
}

std::size_t DrawList::findList(unsigned list, std::size_t from) const {
  return find(Op::CallList, static_cast<int>(list), from);
}

std::vector<Command> DrawList::filter(Op op) const {
  std::vector<Command> out;
  for (const Command& c : commands_)
    if (c.op == op) out.push_back(c);
  return out;
}

std::vector<Primitive> DrawList::primitives() const {
  std::vector<Primitive> out;
  Primitive* open = nullptr;
  for (std::size_t k = 0; k < commands_.size(); ++k) {
    const Command& c = commands_[k];
    if (c.op == Op::Begin) {
      out.push_back({c.i[0], {}, k});
      open = &out.back();
    } else if (c.op == Op::End) {
      open = nullptr;
    } else if (c.op == Op::Vertex && open) {
      open->vertices.push_back({c.d[0], c.d[1], c.d[2]});
    } else if (c.op == Op::Mesh) {
      const PackedMesh& m = mesh(c);
      Primitive p{m.mode, {}, k};
      p.vertices.reserve(m.vertexCount());
      for (std::size_t v = 0; v < m.vertexCount(); ++v) p.vertices.push_back(m.vertex(v));
      out.push_back(std::move(p));
      open = nullptr;
    }
  }
  return out;
}

}  // namespace quadrel
