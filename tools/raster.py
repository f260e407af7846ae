"""A tiny supersampled raster for the program's pictures: shapes are inside-tests painted
in order, then averaged down to straight RGBA. Standard library only."""
import math
import struct
import zlib

S = 4  # samples per pixel side


class Canvas:
    def __init__(self, w, h, fond=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [list(fond) for _ in range(w * h * S * S)]

    def _peindre(self, x0, y0, x1, y1, dedans, couleur):
        W = self.w * S
        for sy in range(max(0, int(y0 * S)), min(self.h * S, int(math.ceil(y1 * S)) + 1)):
            y = (sy + 0.5) / S
            for sx in range(max(0, int(x0 * S)), min(W, int(math.ceil(x1 * S)) + 1)):
                x = (sx + 0.5) / S
                if dedans(x, y):
                    c = couleur(x, y) if callable(couleur) else couleur
                    self.px[sy * W + sx] = list(c)

    def disque(self, cx, cy, r, c):
        self._peindre(cx - r, cy - r, cx + r, cy + r,
                      lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, c)

    def anneau(self, cx, cy, r, e, c, a0=0.0, a1=360.0):
        def dedans(x, y):
            d = math.hypot(x - cx, y - cy)
            if abs(d - r) > e / 2:
                return False
            a = math.degrees(math.atan2(y - cy, x - cx)) % 360
            return a0 <= a <= a1
        self._peindre(cx - r - e, cy - r - e, cx + r + e, cy + r + e, dedans, c)

    def trait(self, x0, y0, x1, y1, e, c):
        dx, dy = x1 - x0, y1 - y0
        n = dx * dx + dy * dy or 1e-9

        def dedans(x, y):
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / n))
            return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= e / 2
        m = e
        self._peindre(min(x0, x1) - m, min(y0, y1) - m, max(x0, x1) + m, max(y0, y1) + m,
                      dedans, c)

    def polygone(self, pts, c):
        def dedans(x, y):
            r = False
            j = len(pts) - 1
            for i in range(len(pts)):
                (xi, yi), (xj, yj) = pts[i], pts[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    r = not r
                j = i
            return r
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self._peindre(min(xs), min(ys), max(xs), max(ys), dedans, c)

    def contour(self, pts, e, c, ferme=True):
        n = len(pts) if ferme else len(pts) - 1
        for i in range(n):
            a, b = pts[i], pts[(i + 1) % len(pts)]
            self.trait(a[0], a[1], b[0], b[1], e, c)

    def rectangle(self, x0, y0, x1, y1, c):
        self._peindre(x0, y0, x1, y1, lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, c)

    def rgba(self):
        """Rows top first, each pixel (r, g, b, a), averaged over its samples."""
        W = self.w * S
        out = []
        for y in range(self.h):
            for x in range(self.w):
                r = g = b = a = 0
                for sy in range(S):
                    row = (y * S + sy) * W + x * S
                    for sx in range(S):
                        p = self.px[row + sx]
                        r += p[0] * p[3]
                        g += p[1] * p[3]
                        b += p[2] * p[3]
                        a += p[3]
                if a:
                    out.append((round(r / a), round(g / a), round(b / a), round(a / (S * S))))
                else:
                    out.append((0, 0, 0, 0))
        return out


def png(w, h, pixels):
    raw = b"".join(b"\0" + bytes(v for p in pixels[y * w:(y + 1) * w] for v in p)
                   for y in range(h))

    def chunk(t, d):
        return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ppm(w, h, pixels, fond=(255, 255, 255)):
    body = bytearray()
    for r, g, b, a in pixels:
        body += bytes(round((v * a + f * (255 - a)) / 255) for v, f in zip((r, g, b), fond))
    return b"P6\n%d %d\n255\n" % (w, h) + bytes(body)


def cur(w, h, pixels, hotx, hoty, type_=2):
    """An ICO-structured cursor: one 32-bit image with its AND mask."""
    xor = b"".join(bytes((p[2], p[1], p[0], p[3])) for y in reversed(range(h))
                   for p in pixels[y * w:(y + 1) * w])
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            if pixels[y * w + x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    dib = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = dib + xor + bytes(mask)
    return (struct.pack("<HHH", 0, type_, 1)
            + struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, hotx, hoty, len(image), 22)
            + image)


def ani(frames, jiffies):
    """A RIFF ACON animation of ".cur" frames shown in order."""
    def chunk(t, d):
        return t + struct.pack("<I", len(d)) + d + (b"\0" if len(d) % 2 else b"")
    anih = struct.pack("<9I", 36, len(frames), len(frames), 0, 0, 0, 0, jiffies, 1)
    fram = b"fram" + b"".join(chunk(b"icon", f) for f in frames)
    body = b"ACON" + chunk(b"anih", anih) + chunk(b"LIST", fram)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def wav(samples, rate=22050):
    data = b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", 16) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body
