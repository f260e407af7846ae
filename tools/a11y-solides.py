#!/usr/bin/python3
"""Reaches the solid dialogs through AT-SPI, as a screen reader would: presses
"Quadriques", then each chooser button by name, checks every field's name, and checks
that choosing the cylinder's second row from the accessibility interface enables that
row's fields only, and that text set from outside follows the fields' keys. Run by scripts/check-a11y inside its own D-Bus session and X server."""
import sys
import time

import pyatspi

from a11y_outils import application, tous, trouver, presser, actif, ecrire

CHOIX = {"Cube": ["Longueur"],
         "Cylindre": ["a1", "b1", "r1", "a2", "c2", "r2", "b3", "c3", "r3"],
         "Pyramide": ["Rayon de base", "Nbre de côtés", "Hauteur"],
         "Cone": ["a1", "b1", "k1", "d1", "a2", "k2", "b2", "d2", "k3", "a3", "b3", "d3"],
         "Sphere": ["x du centre", "y du centre", "z du centre", "rayon"]}
TITRES = {"Cube": "Le cube", "Cylindre": "Le cylindre", "Pyramide": "Pyramide",
          "Cone": "Le cône", "Sphere": "La sphère"}


def main():
    app = application()
    time.sleep(1.0)
    presser(trouver(app, pyatspi.ROLE_PUSH_BUTTON, "Quadriques"))
    for bouton, champs in CHOIX.items():
        presser(trouver(app, pyatspi.ROLE_PUSH_BUTTON, bouton))
        dialogue = trouver(app, pyatspi.ROLE_FRAME, TITRES[bouton])
        noms = [n.name for n in tous(dialogue) if n.getRole() == pyatspi.ROLE_TEXT]
        manquants = [c for c in champs if c not in noms]
        if manquants:
            sys.exit("a11y: %s: fields without their name: %s" % (bouton, ", ".join(manquants)))
        for nom in ("go", "Poubelle"):
            trouver(dialogue, pyatspi.ROLE_PUSH_BUTTON, nom)
    print("a11y: the five solid dialogs and all their fields are found by name")

    cylindre = trouver(app, pyatspi.ROLE_FRAME, "Le cylindre")
    presser(trouver(cylindre, pyatspi.ROLE_RADIO_BUTTON, "(x-a)²+(z-c)²=r²"))
    champs = {n.name: n for n in tous(cylindre) if n.getRole() == pyatspi.ROLE_TEXT}
    if not (actif(champs["a2"]) and actif(champs["c2"]) and not actif(champs["a1"])):
        sys.exit("a11y: choosing the cylinder's second row did not enable its fields")
    print("a11y: the cylinder's second row chosen from the accessibility interface")

    pyramide = trouver(app, pyatspi.ROLE_FRAME, "Pyramide")
    cotes = trouver(pyramide, pyatspi.ROLE_TEXT, "Nbre de côtés")
    sphere = trouver(app, pyatspi.ROLE_FRAME, "La sphère")
    centre = trouver(sphere, pyatspi.ROLE_TEXT, "x du centre")
    for champ, refuse, pris in ((cotes, "2.5", "12"), (centre, "1E4932", "-1.5")):
        if ecrire(champ, pris) != pris or ecrire(champ, refuse) != pris:
            sys.exit("a11y: %s: %r set from outside is not refused" % (champ.name, refuse))
    print("a11y: 2.5 sides and a centre at 1E4932 set from outside are refused")


if __name__ == "__main__":
    main()
