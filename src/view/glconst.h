// The GL 1.1 / GLU enum values the builders record, so that pure code needs no GL header.
// The values are the ones of <GL/gl.h> and <GL/glu.h>; the executor passes them through.
#pragma once

namespace quadrel::gl {

// primitives
inline constexpr int POINTS = 0x0000;
inline constexpr int LINES = 0x0001;
inline constexpr int LINE_LOOP = 0x0002;
inline constexpr int LINE_STRIP = 0x0003;
inline constexpr int TRIANGLES = 0x0004;
inline constexpr int TRIANGLE_STRIP = 0x0005;
inline constexpr int TRIANGLE_FAN = 0x0006;
inline constexpr int QUADS = 0x0007;
inline constexpr int QUAD_STRIP = 0x0008;
inline constexpr int POLYGON = 0x0009;

// faces
inline constexpr int FRONT = 0x0404;
inline constexpr int BACK = 0x0405;
inline constexpr int FRONT_AND_BACK = 0x0408;

// material and light parameters
inline constexpr int AMBIENT = 0x1200;
inline constexpr int DIFFUSE = 0x1201;
inline constexpr int SPECULAR = 0x1202;
inline constexpr int POSITION = 0x1203;
inline constexpr int EMISSION = 0x1600;
inline constexpr int SHININESS = 0x1601;
inline constexpr int AMBIENT_AND_DIFFUSE = 0x1602;
inline constexpr int LIGHT0 = 0x4000;

// capabilities
inline constexpr int POINT_SMOOTH = 0x0B10;
inline constexpr int LINE_SMOOTH = 0x0B20;
inline constexpr int CULL_FACE = 0x0B44;
inline constexpr int LIGHTING = 0x0B50;
inline constexpr int COLOR_MATERIAL = 0x0B57;
inline constexpr int FOG = 0x0B60;
inline constexpr int DEPTH_TEST = 0x0B71;
inline constexpr int NORMALIZE = 0x0BA1;
inline constexpr int BLEND = 0x0BE2;
inline constexpr int POLYGON_OFFSET_FILL = 0x8037;
inline constexpr int CLIP_PLANE0 = 0x3000;  // planes 1..5 follow
inline constexpr int CLIP_PLANE1 = 0x3001;
inline constexpr int CLIP_PLANE2 = 0x3002;
inline constexpr int CLIP_PLANE3 = 0x3003;
inline constexpr int CLIP_PLANE4 = 0x3004;
inline constexpr int CLIP_PLANE5 = 0x3005;

// polygon modes and shading
inline constexpr int POINT = 0x1B00;
inline constexpr int LINE = 0x1B01;
inline constexpr int FILL = 0x1B02;
inline constexpr int FLAT = 0x1D00;
inline constexpr int SMOOTH = 0x1D01;

// blending and depth
inline constexpr int ZERO = 0;
inline constexpr int ONE = 1;
inline constexpr int SRC_ALPHA = 0x0302;
inline constexpr int ONE_MINUS_SRC_ALPHA = 0x0303;
inline constexpr int LESS = 0x0201;
inline constexpr int LEQUAL = 0x0203;
inline constexpr int FALSE_ = 0;
inline constexpr int TRUE_ = 1;

// fog
inline constexpr int FOG_DENSITY = 0x0B62;
inline constexpr int FOG_START = 0x0B63;
inline constexpr int FOG_END = 0x0B64;
inline constexpr int FOG_MODE = 0x0B65;
inline constexpr int FOG_COLOR = 0x0B66;
inline constexpr int EXP = 0x0800;
inline constexpr int LINEAR = 0x2601;

// hints
inline constexpr int PERSPECTIVE_CORRECTION_HINT = 0x0C50;
inline constexpr int LINE_SMOOTH_HINT = 0x0C52;
inline constexpr int DONT_CARE = 0x1100;
inline constexpr int FASTEST = 0x1101;
inline constexpr int NICEST = 0x1102;

// matrices and buffers
inline constexpr int MODELVIEW = 0x1700;
inline constexpr int PROJECTION = 0x1701;
inline constexpr int DEPTH_BUFFER_BIT = 0x0100;
inline constexpr int COLOR_BUFFER_BIT = 0x4000;

}  // namespace quadrel::gl

namespace quadrel::glu {

// quadric draw styles
inline constexpr int POINT = 100010;
inline constexpr int LINE = 100011;
inline constexpr int FILL = 100012;
inline constexpr int SILHOUETTE = 100013;
// quadric normals
inline constexpr int SMOOTH = 100000;
inline constexpr int FLAT = 100001;
inline constexpr int NONE = 100002;
// quadric orientation
inline constexpr int OUTSIDE = 100020;
inline constexpr int INSIDE = 100021;

}  // namespace quadrel::glu
