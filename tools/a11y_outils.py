"""What every AT-SPI check of Quadrel needs: the application on the bus, a walk over its
accessible tree, a control found by role and name, an action pressed, a state read."""
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
