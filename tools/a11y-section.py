#!/usr/bin/python3
"""Drives the section dialog and the free point through AT-SPI, as a screen reader would:
finds every control of "Montrer la section" by name, moves the k track bar and sees the
k label follow, toggles the plane types and sees which formula fields open, then presses
"x+" of "Point libre" and sees the sheet's caption give M's coordinates and move on.
Run by scripts/check-a11y inside its own D-Bus session and X server."""
import sys
import time

import pyatspi

from a11y_outils import application, tous, trouver, attendre, presser, actif, coche

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


def main():
    app = application()
    time.sleep(1.0)
    section(app)
    point(app)


if __name__ == "__main__":
    main()
