#!/usr/bin/python3
"""Generates the desktop icons of packaging/icons/ from the program's own icon drawing
(tools/make-resources.py): PNG at 48 and 256 pixels and a scalable SVG of the same shapes.
Standard library only; the result is committed so that a build needs nothing of this."""
import importlib
import math
import os
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
SORTIE = os.path.join(ICI, "..", "packaging", "icons")

# The drawing lives in make-resources.py; a hyphenated file name imports by its string.
sys.path.insert(0, ICI)
ressources = importlib.import_module("make-resources")


def couleur(c):
    return "#%02x%02x%02x" % c[:3]


def svg():
    """The shapes of make-resources.icone on its 32-unit grid, with round caps like the
    raster's strokes."""
    r = ressources
    courbe = " ".join("%.3f,%.3f" % (4 + i, 19 - 7 * math.sin(i / 4)) for i in range(25))
    trait = 'stroke-linecap="round" stroke-linejoin="round" fill="none"'
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">
  <title>Quadrel</title>
  <circle cx="16" cy="16" r="15" fill="{couleur(r.BLANC)}"/>
  <circle cx="16" cy="16" r="14.5" fill="none" stroke="{couleur(r.BLEU)}" stroke-width="1.5"/>
  <polyline points="{courbe}" stroke="{couleur(r.ROUGE)}" stroke-width="2.2" {trait}/>
  <line x1="16" y1="27" x2="16" y2="5" stroke="{couleur(r.NOIR)}" stroke-width="1.5" {trait}/>
  <line x1="5" y1="23" x2="27" y2="23" stroke="{couleur(r.NOIR)}" stroke-width="1.5" {trait}/>
</svg>
"""


def main():
    os.makedirs(SORTIE, exist_ok=True)
    for n in (48, 256):
        with open(os.path.join(SORTIE, "quadrel-%d.png" % n), "wb") as f:
            f.write(ressources.icone(n))
    with open(os.path.join(SORTIE, "quadrel.svg"), "w", encoding="utf-8") as f:
        f.write(svg())


if __name__ == "__main__":
    main()
