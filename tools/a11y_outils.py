"""What every AT-SPI check of Quadrel needs: the application on the bus, a walk over its
accessible tree, a control found by role and name, an action pressed, a state read."""
import subprocess
import sys
import time

import pyatspi


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


def texte(n):
    return n.queryText().getText(0, -1)


def ecrire(n, t):
    """Sets the whole text of a field as a screen reader does (past every key filter)."""
    n.queryEditableText().setTextContents(t)
    time.sleep(0.3)
    return texte(n)


def entree(n):
    """Clicks into a field and presses Enter, with the real mouse and keyboard."""
    x, y, w, h = n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w - 4), str(y + h // 2), "click", "1",
                    "key", "End", "Return"], check=True)
    time.sleep(0.5)
