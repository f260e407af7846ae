#!/usr/bin/python3
"""Drives the section dialog and the free point through AT-SPI, as a screen reader would:
finds every control of "Montrer la section" by name, moves the k track bar and sees the
k label follow, toggles the plane types and sees which formula fields open, then presses
"x+" of "Point libre" and sees the sheet's caption give M's coordinates and move on.
Run by scripts/check-a11y inside its own D-Bus session and X server."""
import sys
import time

import pyatspi

TEXTES = ["x=", "y=", "z=", "a", "b", "c", "Min", "Max"]
# Radio button pressed -> the formula fields it leaves enabled.
PLANS = [("z=", {"z="}), ("ax+by+c=0", {"a", "b", "c"}), ("x=", {"x="})]


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


def attendre(condition, message):
    for _ in range(25):
        time.sleep(0.2)
        r = condition()
        if r:
            return r
    sys.exit("a11y: " + message)


def presser(n):
    n.queryAction().doAction(0)
    time.sleep(0.3)


def actif(n):
    return n.getState().contains(pyatspi.STATE_ENABLED)


def coche(n):
    return n.getState().contains(pyatspi.STATE_CHECKED)


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
