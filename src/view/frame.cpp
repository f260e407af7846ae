#include "view/frame.h"

#include <charconv>
#include <cmath>

#include "view/glconst.h"
#include "view/materials.h"

namespace quadrel {

namespace {

constexpr double kTransparent = 0.4;

// A white solid would vanish into the white sheet wherever the light meets it: the scene's
// zoom scales the normals, which lifts every lit face (and a wide highlight) to full
// white. In white mode a solid is therefore shaded light grey with unit normals, so its
// faces stay apart from the background. Surfaces keep their specified white.
constexpr double kGrisSolide = 0.75;

// Steps that every frame starts from: buffers, depth, fog, lighting model, smoothing.
void frameState(const Scene& s, DrawList& d, bool lisse) {
  d.clearColor(1, 1, 1, 1);
  d.clear(gl::COLOR_BUFFER_BIT | gl::DEPTH_BUFFER_BIT);
  d.matrixMode(gl::MODELVIEW);
  d.loadIdentity();
  d.enable(gl::DEPTH_TEST);
  d.depthFunc(gl::LEQUAL);
  if (s.brouillard) {
    d.fogMode(gl::LINEAR);
    d.fog(gl::FOG_DENSITY, 0.8);
    d.fog(gl::FOG_START, 1);
    d.fog(gl::FOG_END, 30);
    d.fog(gl::FOG_COLOR, kCouleurBrouillard);
    d.enable(gl::FOG);
  } else {
    d.disable(gl::FOG);
  }
  d.enable(gl::COLOR_MATERIAL);
  d.shadeModel(gl::FLAT);
  // Smoothed lines and points cover their edge pixels in part, through alpha: they blend.
  // Otherwise only the see-through passes, drawn last, do: blending what is opaque costs
  // software GL a read of every pixel it covers, for the same colour.
  if (lisse)
    d.enable(gl::BLEND);
  else
    d.disable(gl::BLEND);
  d.blendFunc(gl::SRC_ALPHA, gl::ONE_MINUS_SRC_ALPHA);
  d.hint(gl::PERSPECTIVE_CORRECTION_HINT, gl::NICEST);
  d.hint(gl::LINE_SMOOTH_HINT, gl::NICEST);
  d.material(gl::FRONT_AND_BACK, gl::SHININESS, 120);
  setLight0Colours(d);
  if (lisse) {
    d.enable(gl::POINT_SMOOTH);
    d.enable(gl::LINE_SMOOTH);
  } else {
    d.disable(gl::POINT_SMOOTH);
    d.disable(gl::LINE_SMOOTH);
  }
}

// The light follows pan and zoom but not the turn: it stays put while the scene rotates.
void cameraAndLight(const Scene& s, DrawList& d) {
  d.lookAt(10, 10, 10, 0, 0, 0, 0, 0, 1);
  d.pushMatrix();
  d.translate(0, s.decaly, s.decalz);
  d.scale(s.zoom, s.zoom, s.zoom);
  d.light(gl::LIGHT0, gl::POSITION, kLumierePosition);
  d.popMatrix();
  if (s.eclairage) {
    d.enable(gl::LIGHTING);
    d.enable(gl::LIGHT0);
  } else {
    d.disable(gl::LIGHTING);
    d.disable(gl::LIGHT0);
  }
}

void sceneTransform(const Scene& s, DrawList& d) {
  d.pushMatrix();
  d.translate(0, s.decaly, s.decalz);
  d.scale(s.zoom, s.zoom, s.zoom);
  d.rotate(-s.rotz, 0, 0, 1);
  d.rotate(s.inclinaison, -1, 1, 0);
}

// Upper bounds are stored like lower ones and installed under a half turn.
void clipPlanes(const Scene& s, DrawList& d) {
  d.clipPlane(gl::CLIP_PLANE2, s.clipzmin);
  d.enable(gl::CLIP_PLANE2);
  d.clipPlane(gl::CLIP_PLANE4, s.clipymin);
  d.enable(gl::CLIP_PLANE4);
  d.clipPlane(gl::CLIP_PLANE5, s.clipxmin);
  d.enable(gl::CLIP_PLANE5);
  const struct {
    int plane;
    double ax, ay, az;
    const ClipPlane& eq;
  } upper[] = {{gl::CLIP_PLANE1, 1, 0, 0, s.clipzmax},
               {gl::CLIP_PLANE3, 0, 0, 1, s.clipymax},
               {gl::CLIP_PLANE0, 0, 0, 1, s.clipxmax}};
  for (const auto& u : upper) {
    d.pushMatrix();
    d.rotate(180, u.ax, u.ay, u.az);
    d.clipPlane(u.plane, u.eq);
    d.enable(u.plane);
    d.popMatrix();
  }
}

// An opaque surface blends to its own colour (source times 1 plus destination times 0):
// blending it only costs software GL a read of every pixel it covers.
void surfaceList(DrawList& d, double alpha, bool lisse) {
  const bool opaque = alpha == 1.0 && lisse;  // otherwise blending is as it must be
  if (opaque) d.disable(gl::BLEND);
  d.callList(Liste::surface);
  if (opaque) d.enable(gl::BLEND);
}

void surfacePass(const Scene& s, DrawList& d, double alpha, bool lisse) {
  if (s.rendu3d) {
    applyMaterial(d, gl::FRONT, kBleu);
    d.color(0, 0, 1, alpha);
    surfaceList(d, alpha, lisse);
  } else if (s.foncblanc) {
    applyMaterial(d, gl::FRONT, kBlanc);
    d.color(1, 1, 1, alpha);
    surfaceList(d, alpha, lisse);
  }
  // Level lines show even when the surface itself does not.
  if (s.niveauxy) {
    d.callList(Liste::lignesx);
    d.callList(Liste::lignesy);
  }
  if (s.niveauz) d.callList(Liste::lignesz);
}

void sectionPass(const Scene& s, DrawList& d) {
  switch (s.typesection) {
    case 1:
      d.callList(Liste::planx);
      break;
    case 2:
      d.callList(Liste::plany);
      break;
    case 3:
      d.callList(Liste::planz);
      break;
    case 4:
      d.callList(Liste::planxy);
      break;
    default:
      break;
  }
}

void solidPass(const Scene& s, DrawList& d, const FrameHooks& h, bool transparent) {
  const double alpha = transparent ? kTransparent : 1.0;
  bool plein = false;
  if (s.rendu3d || s.foncblanc) {
    applyMaterial(d, gl::FRONT, s.rendu3d ? kJaune : kBlanc);
    d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
    if (s.rendu3d)
      d.color(1, 1, 0, alpha);
    else
      d.color(kGrisSolide, kGrisSolide, kGrisSolide, alpha);
    plein = true;
  } else {
    d.color(0, 0, 0);  // opaque black wire, also in the transparent pass
    d.disable(gl::LIGHTING);
    d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
    plein = false;
  }
  d.pushMatrix();
  d.lineWidth(2);
  // Solids keep their shape only in an orthonormal frame.
  const bool orthonormal = s.gradx == s.grady && s.grady == s.gradz;
  const bool gris = !s.rendu3d && s.foncblanc;
  if (gris) d.enable(gl::NORMALIZE);
  if (orthonormal && s.typequadrique >= 1 && s.typequadrique <= 9 && h.dessinesolide)
    h.dessinesolide(EntreesSolide(s, plein), d, transparent);
  if (gris) d.disable(gl::NORMALIZE);
  d.popMatrix();
}

void pointProjections(const Scene& s, DrawList& d, const Vec3& p) {
  d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
  d.begin(gl::QUADS);
  double x0 = 0, y0 = 0, z0 = 0;  // axes style: the coordinate planes through the origin
  if (s.typerepere != TypeRepere::axes) {
    // The lower faces of the box, all three in drawing units so they meet the drawn frame.
    x0 = static_cast<double>(s.xmin / s.gradx);
    y0 = static_cast<double>(s.ymin / s.grady);
    z0 = static_cast<double>(s.zmin / s.gradz);
  }
  const Vec3 quads[3][4] = {{p, {p.x, p.y, z0}, {x0, p.y, z0}, {x0, p.y, p.z}},
                            {p, {p.x, p.y, z0}, {p.x, y0, z0}, {p.x, y0, p.z}},
                            {p, {x0, p.y, p.z}, {x0, y0, p.z}, {p.x, y0, p.z}}};
  for (const auto& q : quads)
    for (const Vec3& v : q) d.vertex(v);
  d.end();
}

void pointPass(const Scene& s, DrawList& d) {
  if (std::isnan(s.pointz)) return;  // the surface is undefined under M: nothing to draw
  const Vec3 p{s.pointx / static_cast<double>(s.gradx), s.pointy / static_cast<double>(s.grady),
               s.pointz};
  d.pushMatrix();
  applyMaterial(d, gl::FRONT, kBleu);
  d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
  d.color(1, 0, 0);
  d.lineWidth(3);
  d.translate(p.x, p.y, p.z);
  d.quadricNormals(kQuadPoint, glu::FLAT);
  d.quadricDrawStyle(kQuadPoint, glu::FILL);
  d.sphere(kQuadPoint, kRayonPoint, 5, 5);
  d.popMatrix();
  pointProjections(s, d, p);
}

}  // namespace

Frame buildFrame(const Scene& s, const FrameHooks& h, bool enmouvement) {
  Frame f;
  DrawList& d = f.commands;
  // A frame of a stream (the view turning, k sweeping) leaves lines unsmoothed: smoothing
  // blends every line pixel, which software GL cannot afford at the stream's rate.
  const bool lisse = s.aliasing && !enmouvement;
  frameState(s, d, lisse);
  cameraAndLight(s, d);
  sceneTransform(s, d);
  d.callList(Liste::axes);  // never clipped
  clipPlanes(s, d);

  const bool fonction = fonctionvalide(s);
  if (!s.transquad && s.quadriqueok) solidPass(s, d, h, false);
  if (fonction && !s.transpsurf) surfacePass(s, d, 1.0, lisse);
  if (s.choixsectionVisible && !s.transplan) sectionPass(s, d);
  if (s.pointlibreVisible) {
    pointPass(s, d);
    f.caption = captionPoint(s);
  }
  // Transparent objects last, so the opaque ones show through them.
  d.enable(gl::BLEND);
  if (fonction && s.transpsurf) surfacePass(s, d, kTransparent, lisse);
  if (s.choixsectionVisible && s.transplan) sectionPass(s, d);
  if (s.transquad && s.quadriqueok) solidPass(s, d, h, true);

  for (int k = 0; k < 6; ++k) d.disable(gl::CLIP_PLANE0 + k);
  d.popMatrix();
  return f;
}

std::string texte3(double v) {
  double r = std::nearbyint(v / 0.001) * 0.001;  // default rounding: halves to even
  if (r == 0) r = 0;                             // no "-0"
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::general, 15);
  return std::string(buf, res.ptr);
}

std::string captionPoint(const Scene& s) {
  const std::string z =
      std::isnan(s.pointz) ? "?" : texte3(s.pointz * static_cast<double>(s.gradz));
  return "M(" + texte3(s.pointx) + ";" + texte3(s.pointy) + ";" + z + ")";
}

}  // namespace quadrel
