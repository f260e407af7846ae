#!/usr/bin/python3
"""Finds Quadrel's palette through AT-SPI, as a screen reader would, checks that every
button has its name, presses "Aide" to see the help popup's text appear, and toggles a
check box of "Visuel" to see its partner rule run.
Run by scripts/check-a11y inside its own D-Bus session and X server."""
import sys
import time

import pyatspi

from a11y_outils import application, tous, coche

NOMS = ["Repere", "Visuel", "Fonction", "Quadriques", "Section_plane", "Point", "Export",
        "Videoprojecteur", "A_propos", "Weblien", "Aide", "Quitter"]


def main():
    app = application()
    time.sleep(1.0)
    boutons = {n.name: n for n in tous(app)
               if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name in NOMS}
    manquants = [n for n in NOMS if n not in boutons]
    if manquants:
        sys.exit("a11y: buttons without their name: %s" % ", ".join(manquants))
    print("a11y: the twelve palette buttons are found by name")
    action = boutons["Aide"].queryAction()
    action.doAction(0)
    attendu = "Cliquez avec le bouton de droite"
    for _ in range(25):
        time.sleep(0.2)
        for n in tous(app):
            if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_PARAGRAPH):
                try:
                    t = n.queryText().getText(0, -1)
                except Exception:
                    continue
                if attendu in t:
                    print("a11y: pressing Aide shows: %s" % t)
                    return basculer(app, boutons["Visuel"])
    sys.exit("a11y: pressing Aide showed no help text")


def basculer(app, visuel):
    """A toggle without a click: the white surface box turns the colour box off."""
    visuel.queryAction().doAction(0)
    blanc, couleur = "Tracer les surfaces en blanc.", "Tracer les surface en couleur."
    for _ in range(25):
        time.sleep(0.2)
        boites = {n.name: n for n in tous(app) if n.getRole() == pyatspi.ROLE_CHECK_BOX}
        if blanc in boites and couleur in boites:
            break
    else:
        sys.exit("a11y: the boxes of Visuel were not found")
    boites[blanc].queryAction().doAction(0)
    for _ in range(25):
        time.sleep(0.2)
        if coche(boites[blanc]) and not coche(boites[couleur]):
            print("a11y: toggling '%s' turns '%s' off" % (blanc, couleur))
            return
    sys.exit("a11y: toggling '%s' left '%s' checked" % (blanc, couleur))


if __name__ == "__main__":
    main()
