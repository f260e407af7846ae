#!/usr/bin/python3
"""Drives the section dialog and the free point through AT-SPI, as a screen reader would:
finds every control of "Montrer la section" by name, moves the k track bar and sees the
k label follow, toggles the plane types and sees which formula fields open, then presses
"x+" of "Point libre" and sees the sheet's caption give M's coordinates and move on.
Last, sets field texts as a screen reader does (what no key could type is refused, the
formula k/2 is taken) and sees the track bar, disabled by refused bounds, not act.
Run by scripts/check-a11y inside its own D-Bus session and X server."""
import sys
import time

import pyatspi

from a11y_outils import (application, tous, trouver, attendre, presser, actif, coche, texte,
                         ecrire, entree)

TEXTES = ["x=", "y=", "z=", "a", "b", "c", "Min", "Max"]
# Radio button pressed -> the formula fields it leaves enabled.
PLANS = [("z=", {"z="}), ("ax+by+c=0", {"a", "b", "c"}), ("x=", {"x="})]


def section(app):
    presser(trouver(app, pyatspi.ROLE_PUSH_BUTTON, "Section_plane"))
    d = trouver(app, pyatspi.ROLE_FRAME, "Montrer la section")
    champs = {n.name: n for n in tous(d) if n.getRole() == pyatspi.ROLE_TEXT}
    manquants = [t for t in TEXTES if t not in champs]
    if manquants:
        sys.exit("a11y: section fields without their name: %s" % ", ".join(manquants))
    k = trouver(d, pyatspi.ROLE_SLIDER, "k")
    k.queryValue().currentValue = 30.0  # 3/4 of the way from Min -4 to Max 4
    attendre(lambda: any(n.name == "k=2" for n in tous(d)), "k at 30 of 40 does not show k=2")
    print("a11y: the k track bar set to 30 shows k=2")
    for radio, ouverts in PLANS:
        r = trouver(d, pyatspi.ROLE_RADIO_BUTTON, radio)
        presser(r)
        attendre(lambda: coche(r) and {t for t in TEXTES[:6] if actif(champs[t])} == ouverts,
                 "choosing %r does not open exactly %s" % (radio, sorted(ouverts)))
    print("a11y: each plane type opens its own formula fields")


def point(app):
    presser(trouver(app, pyatspi.ROLE_PUSH_BUTTON, "Point"))
    d = trouver(app, pyatspi.ROLE_FRAME, "Point libre")
    plus = trouver(d, pyatspi.ROLE_PUSH_BUTTON, "x+")

    def legende():
        return next((n.name for n in tous(app) if n.name and n.name.startswith("M(")), None)
    avant = attendre(legende, "showing the free point gives no M(x;y;z) caption")
    presser(plus)
    apres = attendre(lambda: legende() != avant and legende(), "x+ does not move M")
    x = lambda t: float(t[2:].split(";")[0])
    if not x(apres) > x(avant):
        sys.exit("a11y: x+ took M from %s to %s" % (avant, apres))
    print("a11y: x+ moves M from %s to %s" % (avant, apres))


def saisies(app):
    d = trouver(app, pyatspi.ROLE_FRAME, "Montrer la section")
    champs = {n.name: n for n in tous(d) if n.getRole() == pyatspi.ROLE_TEXT}
    x = champs["x="]
    for refuse in ("1E4932", "x", "p", "2²"):
        if ecrire(x, refuse) != "":
            sys.exit("a11y: the field x= took %r from a screen reader" % refuse)
    if ecrire(x, "k/2") != "k/2":
        sys.exit("a11y: the field x= refused k/2")
    print("a11y: x= refuses 1E4932, x, p and 2² set from outside, and takes k/2")
    ecrire(x, "")
    k = trouver(d, pyatspi.ROLE_SLIDER, "k")
    if ecrire(champs["Min"], "9") != "9":
        sys.exit("a11y: Min refused 9")
    presser(trouver(d, pyatspi.ROLE_PUSH_BUTTON, "Plier k"))  # the k group opens
    entree(champs["Min"])
    attendre(lambda: not actif(k), "Min 9 above Max 4 leaves the track bar enabled")
    avant = k.queryValue().currentValue
    etiquette = next(n.name for n in tous(d) if n.name.startswith("k="))
    k.queryValue().currentValue = 10.0
    time.sleep(0.5)
    if k.queryValue().currentValue != avant or not any(n.name == etiquette for n in tous(d)):
        sys.exit("a11y: the disabled track bar moved to %s from %s"
                 % (k.queryValue().currentValue, avant))
    print("a11y: the track bar, disabled by refused bounds, stays at %g (%s)" % (avant, etiquette))
    ecrire(champs["Min"], "-4")
    entree(champs["Min"])
    attendre(lambda: actif(k), "Min -4 below Max 4 leaves the track bar disabled")


def main():
    app = application()
    time.sleep(1.0)
    section(app)
    saisies(app)  # before the free point's dialog comes over this one
    point(app)


if __name__ == "__main__":
    main()
