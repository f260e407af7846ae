#!/usr/bin/python3
"""Generates every picture, cursor and sound of resources/ (run from anywhere; the result is
committed so that a build needs nothing of this). Standard library only, plus ImageMagick's
`convert` for the one JPEG."""
import math
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import Canvas, png, ppm, cur, ani, wav  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
NOIR, BLANC = (0, 0, 0, 255), (255, 255, 255, 255)
BLEU, ROUGE, JAUNE = (30, 80, 200, 255), (210, 30, 30, 255), (240, 200, 30, 255)
VERT, GRIS = (30, 150, 60, 255), (120, 120, 120, 255)


def ecrire(chemin, octets):
    chemin = os.path.join(ROOT, chemin)
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "wb") as f:
        f.write(octets)


# --- cursors (32 x 32): outlined in white so they show on any background -------------

def fleche(c, x, y, k=1.0, coul=BLANC):
    pts = [(x, y), (x, y + 20 * k), (x + 5 * k, y + 15 * k), (x + 9 * k, y + 23 * k),
           (x + 12 * k, y + 22 * k), (x + 8 * k, y + 14 * k), (x + 14 * k, y + 14 * k)]
    c.polygone(pts, coul)
    c.contour(pts, 1.2, NOIR)


def curseurs():
    c = Canvas(32, 32)
    for e, col in ((4, BLANC), (2, NOIR)):
        c.trait(15.5, 2, 15.5, 29, e, col)
        c.trait(2, 15.5, 29, 15.5, e, col)
    c.anneau(15.5, 15.5, 6, 3.5, BLANC)
    c.anneau(15.5, 15.5, 6, 1.5, ROUGE)
    ecrire("kolu/main2.cur", cur(32, 32, c.rgba(), 15, 15))

    c = Canvas(32, 32)
    fleche(c, 1, 1)
    ecrire("kolu/fleche.cur", cur(32, 32, c.rgba(), 1, 1))

    c = Canvas(32, 32)
    sablier = [(8, 3), (24, 3), (24, 6), (17, 15.5), (24, 25), (24, 29), (8, 29), (8, 25),
               (15, 15.5), (8, 6)]
    c.polygone(sablier, BLANC)
    c.contour(sablier, 1.5, NOIR)
    c.polygone([(11, 7), (21, 7), (16, 13)], JAUNE)
    c.polygone([(16, 19), (22, 26), (10, 26)], JAUNE)
    ecrire("kolu/wait.cur", cur(32, 32, c.rgba(), 16, 16))

    c = Canvas(32, 32)
    main = [(10, 2), (14, 2), (14, 11), (26, 13), (26, 24), (22, 30), (12, 30), (6, 20),
            (6, 16), (10, 18)]
    c.polygone(main, BLANC)
    c.contour(main, 1.4, NOIR)
    for x in (18, 22):
        c.trait(x, 13, x, 19, 1.0, NOIR)
    ecrire("kolu/main1.cur", cur(32, 32, c.rgba(), 12, 2))

    c = Canvas(32, 32)
    crayon = [(1, 30), (3, 23), (22, 4), (28, 10), (9, 29)]
    c.polygone(crayon, JAUNE)
    c.contour(crayon, 1.3, NOIR)
    c.polygone([(1, 30), (3, 23), (9, 29)], (230, 190, 150, 255))
    c.polygone([(1, 30), (2, 27), (4, 29)], NOIR)
    c.trait(4, 24, 23, 5, 1.0, (180, 130, 0, 255))
    ecrire("kolu/crayon.cur", cur(32, 32, c.rgba(), 1, 30))

    c = Canvas(32, 32)
    c.disque(16, 16, 13, NOIR)
    c.disque(16, 16, 11.5, JAUNE)
    c.disque(11.5, 12, 2, NOIR)
    c.disque(20.5, 12, 2, NOIR)
    c.anneau(16, 16, 7, 2, NOIR, 20, 160)
    ecrire("kolu/rigolo.cur", cur(32, 32, c.rgba(), 16, 16))

    images = []
    for i in range(4):
        c = Canvas(32, 32)
        fleche(c, 1, 1)
        teinte = [BLEU, (60, 120, 230, 255), (100, 160, 255, 255), (60, 120, 230, 255)][i]
        c.disque(23, 20, 8.5, BLANC)
        c.anneau(23, 17.5, 3.2, 2.4, teinte, 180, 360)
        c.anneau(23, 17.5, 3.2, 2.4, teinte, 0, 60)
        c.trait(24.6, 20.3, 23, 22.5, 2.4, teinte)
        c.disque(23, 26, 1.4, teinte)
        images.append(cur(32, 32, c.rgba(), 1, 1))
    ecrire("kolu/question.ani", ani(images, 12))


# --- sounds ----------------------------------------------------------------------------

def ton(freqs, duree, rate=22050, vol=0.5):
    n = int(duree * rate)
    out = []
    for i in range(n):
        t = i / rate
        f = freqs[min(len(freqs) - 1, int(i * len(freqs) / n))]
        enveloppe = min(1.0, i / (0.004 * rate)) * (1 - i / n) ** 2
        out.append(vol * enveloppe * math.sin(2 * math.pi * f * t))
    return out


def sons():
    ecrire("wav/click.wav", wav(ton([2200], 0.03)))
    ecrire("wav/copie.wav", wav(ton([880, 1320], 0.18)))
    ecrire("wav/fin.wav", wav(ton([784, 659, 523], 0.45)))


# --- palette buttons (40 x 40), icon ---------------------------------------------------

def bouton(dessin):
    c = Canvas(40, 40)
    dessin(c)
    return png(40, 40, c.rgba())


def repere(c):
    for (x, y), col in (((33, 27), ROUGE), ((8, 34), VERT), ((20, 4), BLEU)):
        c.trait(20, 22, x, y, 2, col)
    c.polygone([(20, 2), (17, 8), (23, 8)], BLEU)


def visuel(c):
    c.disque(20, 20, 7, JAUNE)
    for k in range(8):
        a = k * math.pi / 4
        c.trait(20 + 10 * math.cos(a), 20 + 10 * math.sin(a),
                20 + 16 * math.cos(a), 20 + 16 * math.sin(a), 2, (230, 150, 0, 255))


def fonction(c):
    pts = [(4 + i, 20 - 10 * math.sin(i / 5) * math.cos(i / 11)) for i in range(33)]
    c.contour(pts, 2.5, BLEU, ferme=False)
    c.trait(3, 33, 37, 33, 1.5, NOIR)


def quadriques(c):
    c.disque(13, 24, 9, ROUGE)
    c.disque(10, 21, 3, (255, 170, 170, 255))
    cube = [(22, 12), (32, 12), (37, 7), (27, 7)]
    c.polygone(cube, JAUNE)
    c.polygone([(22, 12), (32, 12), (32, 24), (22, 24)], (220, 170, 20, 255))
    c.polygone([(32, 12), (37, 7), (37, 19), (32, 24)], (180, 130, 10, 255))


def section(c):
    plan = [(4, 30), (24, 30), (36, 10), (16, 10)]
    c.polygone(plan, (120, 170, 240, 255))
    c.contour(plan, 1.5, BLEU)
    c.trait(20, 4, 20, 36, 2, ROUGE)


def point(c):
    c.trait(20, 4, 20, 36, 1.2, GRIS)
    c.trait(4, 20, 36, 20, 1.2, GRIS)
    c.disque(20, 20, 5, ROUGE)


def export(c):
    c.rectangle(9, 7, 31, 36, (200, 150, 90, 255))
    c.rectangle(12, 11, 28, 33, BLANC)
    c.rectangle(15, 4, 25, 9, GRIS)
    for y in (16, 21, 26):
        c.trait(15, y, 25, y, 1.2, BLEU)


def videoprojecteur(c):
    c.polygone([(22, 16), (38, 6), (38, 34)], (255, 240, 150, 255))
    c.rectangle(3, 14, 24, 28, GRIS)
    c.disque(19, 21, 4, BLANC)
    c.disque(19, 21, 2.5, BLEU)
    c.trait(6, 28, 6, 32, 2, NOIR)
    c.trait(21, 28, 21, 32, 2, NOIR)


def a_propos(c):
    c.disque(20, 20, 15, BLEU)
    c.disque(20, 12, 2.4, BLANC)
    c.trait(20, 18, 20, 29, 4, BLANC)


def weblien(c):
    c.disque(20, 20, 15, (90, 160, 230, 255))
    c.anneau(20, 20, 15, 1.5, BLEU)
    c.trait(5, 20, 35, 20, 1.2, BLEU)
    c.trait(20, 5, 20, 35, 1.2, BLEU)
    for r in (8, 13):
        c.anneau(20, 20, r, 1.2, BLEU, 300, 360)
        c.anneau(20, 20, r, 1.2, BLEU, 0, 60)
        c.anneau(20, 20, r, 1.2, BLEU, 120, 240)


def aide(c):
    c.disque(20, 20, 15, VERT)
    c.anneau(20, 15, 5.5, 3, BLANC, 180, 360)
    c.anneau(20, 15, 5.5, 3, BLANC, 0, 70)
    c.trait(22, 20, 20, 24, 3, BLANC)
    c.disque(20, 29, 2, BLANC)


def quitter(c):
    c.rectangle(8, 4, 28, 36, (150, 90, 40, 255))
    c.polygone([(14, 7), (28, 4), (28, 36), (14, 33)], (190, 120, 60, 255))
    c.disque(17, 21, 1.5, JAUNE)
    c.trait(30, 20, 38, 20, 2.5, ROUGE)
    c.polygone([(38, 20), (34, 16), (34, 24)], ROUGE)


BOUTONS = [("repere", repere), ("visuel", visuel), ("fonction", fonction),
           ("quadriques", quadriques), ("section", section), ("point", point),
           ("export", export), ("videoprojecteur", videoprojecteur), ("apropos", a_propos),
           ("weblien", weblien), ("aide", aide), ("quitter", quitter)]


def icone(n):
    c = Canvas(n, n)
    k = n / 32
    c.disque(16 * k, 16 * k, 15 * k, BLANC)
    c.anneau(16 * k, 16 * k, 14.5 * k, 1.5 * k, BLEU)
    pts = [((4 + i) * k, (19 - 7 * math.sin(i / 4)) * k) for i in range(25)]
    c.contour(pts, 2.2 * k, ROUGE, ferme=False)
    c.trait(16 * k, 27 * k, 16 * k, 5 * k, 1.5 * k, NOIR)
    c.trait(5 * k, 23 * k, 27 * k, 23 * k, 1.5 * k, NOIR)
    return png(n, n, c.rgba())


# --- about picture (185 x 113, JPEG) ---------------------------------------------------

def apropos():
    w, h = 185, 113
    c = Canvas(w, h, (255, 255, 255, 255))
    c.rectangle(0, 0, w, h, lambda x, y: (200 + int(40 * y / h), 225, 255, 255))

    def proj(x, y, z):
        return 92 + 9 * (x - y), 62 + 4.5 * (x + y) - 14 * z
    n = 12
    for i in range(n + 1):
        for axe in (0, 1):
            pts = []
            for j in range(n + 1):
                x, y = (-5 + 10 * i / n, -5 + 10 * j / n)[::1 if axe else -1]
                pts.append(proj(x, y, math.sin(x * 0.7) * math.cos(y * 0.7)))
            c.contour(pts, 0.9, BLEU, ferme=False)
    c.trait(92, 60, 92, 8, 1.2, NOIR)
    with tempfile.TemporaryDirectory() as d:
        source = os.path.join(d, "apropos.ppm")
        with open(source, "wb") as f:
            f.write(ppm(w, h, c.rgba()))
        subprocess.run(["convert", source, "-quality", "90", os.path.join(ROOT, "apropos.jpg")],
                       check=True)


# --- free point move buttons (24 x 24): an up and a down arrow --------------------------

def fleches_point():
    for nom, haut in (("plus", True), ("moins", False)):
        c = Canvas(24, 24)
        pointe = [(12, 2), (3, 12), (9, 12), (9, 22), (15, 22), (15, 12), (21, 12)]
        if not haut:
            pointe = [(x, 24 - y) for x, y in pointe]
        c.polygone(pointe, ROUGE)
        c.contour(pointe, 1.2, NOIR)
        ecrire("point/%s.png" % nom, png(24, 24, c.rgba()))


# --- solid chooser buttons (48 x 48): lit yellow solids with black edges ---------------

def ombre(cx, cy, r):
    """Yellow lit from the top left, darker away from the light."""
    def c(x, y):
        k = max(0.0, min(1.0, math.hypot(x - (cx - r / 2), y - (cy - r / 2)) / (1.6 * r)))
        return (int(255 - 70 * k), int(240 - 110 * k), int(90 - 80 * k), 255)
    return c


def choix_cube(c):
    face = [(8, 18), (30, 18), (30, 40), (8, 40)]
    dessus = [(8, 18), (18, 8), (40, 8), (30, 18)]
    cote = [(30, 18), (40, 8), (40, 30), (30, 40)]
    c.polygone(face, (240, 210, 40, 255))
    c.polygone(dessus, (255, 240, 120, 255))
    c.polygone(cote, (190, 150, 20, 255))
    for pts in (face, dessus, cote):
        c.contour(pts, 1.3, NOIR)


def choix_cylindre(c):
    c.rectangle(12, 10, 36, 38, ombre(20, 24, 14))
    c.trait(12, 10, 12, 38, 1.3, NOIR)
    c.trait(36, 10, 36, 38, 1.3, NOIR)
    ellipse = [(24 + 12 * math.cos(a / 20 * math.pi), 10 + 4 * math.sin(a / 20 * math.pi))
               for a in range(40)]
    c.polygone(ellipse, (255, 240, 120, 255))
    c.contour(ellipse, 1.3, NOIR)
    bas = [(24 + 12 * math.cos(a / 20 * math.pi), 38 + 4 * math.sin(a / 20 * math.pi))
           for a in range(21)]
    c.polygone(bas + [(36, 38)], ombre(20, 24, 14))
    c.contour(bas, 1.3, NOIR, ferme=False)


def choix_pyramide(c):
    sommet, a, b, d = (22, 5), (5, 36), (27, 43), (43, 33)
    c.polygone([sommet, a, b], (240, 210, 40, 255))
    c.polygone([sommet, b, d], (190, 150, 20, 255))
    for p, q in ((sommet, a), (sommet, b), (sommet, d), (a, b), (b, d)):
        c.trait(p[0], p[1], q[0], q[1], 1.3, NOIR)
    c.trait(a[0], a[1], 21, 28, 0.8, GRIS)
    c.trait(21, 28, d[0], d[1], 0.8, GRIS)
    c.trait(21, 28, sommet[0], sommet[1], 0.8, GRIS)


def choix_cone(c):
    haut = [(24 + 13 * math.cos(a / 20 * math.pi), 7 + 3.5 * math.sin(a / 20 * math.pi))
            for a in range(40)]
    bas = [(24 + 13 * math.cos(a / 20 * math.pi), 41 + 3.5 * math.sin(a / 20 * math.pi))
           for a in range(21)]
    c.polygone([(11, 7), (37, 7), (24, 24)], ombre(20, 14, 12))
    c.polygone([(24, 24), (37, 41)] + bas + [(11, 41)], ombre(20, 34, 12))
    c.polygone(haut, (255, 240, 120, 255))
    c.contour(haut, 1.3, NOIR)
    c.contour(bas, 1.3, NOIR, ferme=False)
    c.trait(11, 7, 37, 41, 1.3, NOIR)
    c.trait(37, 7, 11, 41, 1.3, NOIR)


def choix_sphere(c):
    c.disque(24, 24, 18, ombre(24, 24, 18))
    c.anneau(24, 24, 18, 1.3, NOIR)
    c.anneau(24, 24, 18, 0.8, GRIS, 0, 180)
    ellipse = [(24 + 18 * math.cos(a / 20 * math.pi), 24 + 5 * math.sin(a / 20 * math.pi))
               for a in range(21)]
    c.contour(ellipse, 0.9, GRIS, ferme=False)
    c.disque(17, 16, 3.5, (255, 255, 220, 255))


# The chooser's buttons, in its tab order.
CHOIX = [("cube", choix_cube), ("cylindre", choix_cylindre), ("pyramide", choix_pyramide),
         ("cone", choix_cone), ("sphere", choix_sphere)]


def choix_quadriques():
    for i, (nom, dessin) in enumerate(CHOIX):
        c = Canvas(48, 48)
        dessin(c)
        ecrire("quadriques/%d-%s.png" % (i, nom), png(48, 48, c.rgba()))


def main():
    curseurs()
    fleches_point()
    sons()
    for i, (nom, dessin) in enumerate(BOUTONS):
        ecrire("boutons/%02d-%s.png" % (i, nom), bouton(dessin))
    ecrire("quadrel.png", icone(64))
    apropos()
    choix_quadriques()


if __name__ == "__main__":
    main()
