#!/usr/bin/python3
"""Reaches the solid dialogs through AT-SPI, as a screen reader would: presses
"Quadriques", then each chooser button by name, checks every field's name, and checks
that choosing the cylinder's second row from the accessibility interface enables that
row's fields only. Run by scripts/check-a11y inside its own D-Bus session and X server."""
import sys
import time

import pyatspi

CHOIX = {"Cube": ["Longueur"],
         "Cylindre": ["a1", "b1", "r1", "a2", "c2", "r2", "b3", "c3", "r3"],
         "Pyramide": ["Rayon de base", "Nbre de côtés", "Hauteur"],
         "Cone": ["a1", "b1", "k1", "d1", "a2", "k2", "b2", "d2", "k3", "a3", "b3", "d3"],
         "Sphere": ["x du centre", "y du centre", "z du centre", "rayon"]}
TITRES = {"Cube": "Le cube", "Cylindre": "Le cylindre", "Pyramide": "Pyramide",
          "Cone": "Le cône", "Sphere": "La sphère"}


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "quadrel":
                return app
        time.sleep(0.2)
    sys.exit("a11y: Quadrel not found on the AT-SPI bus")


def tous(racine):
    pile = [racine]
    while pile:
        n = pile.pop()
        yield n
        try:
            pile.extend(c for c in n if c is not None)
        except Exception:
            pass


def trouver(racine, role, nom):
    for _ in range(25):
        for n in tous(racine):
            if n.getRole() == role and n.name == nom:
                return n
        time.sleep(0.2)
    sys.exit("a11y: no %s named %r" % (pyatspi.Accessible.getRoleName(role), nom))


def presser(n):
    n.queryAction().doAction(0)
    time.sleep(0.3)


def actif(n):
    return n.getState().contains(pyatspi.STATE_ENABLED)


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


if __name__ == "__main__":
    main()
