#!/usr/bin/python3
"""In front of the class, as a screen reader drives it: presses "Animer k" and reads the k
label move, presses it again; accepts a first formula with go, a second one, then presses
Ctrl+Z and reads the sheet's description give the first surface again; presses F6 and finds
the sheet focused, F6 again and finds the focus back where it was.
Run by scripts/check-a11y inside its own D-Bus session and X server."""
import subprocess
import sys
import time

import pyatspi

from a11y_outils import application, tous, trouver, attendre, presser, ecrire, entree


def etiquette_k(d):
    return next((n.name for n in tous(d) if n.name and n.name.startswith("k=")), None)


def animation(app):
    presser(trouver(app, pyatspi.ROLE_PUSH_BUTTON, "Section_plane"))
    d = trouver(app, pyatspi.ROLE_FRAME, "Montrer la section")
    x = next(n for n in tous(d) if n.getRole() == pyatspi.ROLE_TEXT and n.name == "x=")
    ecrire(x, "k")
    entree(x)
    animer = trouver(d, pyatspi.ROLE_PUSH_BUTTON, "Animer k")
    presser(animer)
    vus = set()
    fin = time.time() + 5
    while time.time() < fin and len(vus) < 4:
        vus.add(etiquette_k(d))
        time.sleep(0.2)
    presser(animer)
    if len(vus) < 4:
        sys.exit("a11y: the k label did not move while animating: %s" % sorted(vus))
    print("a11y: Animer k moves the k label: %s" % ", ".join(sorted(v for v in vus if v)))


def formule(app, texte_formule):
    presser(trouver(app, pyatspi.ROLE_PUSH_BUTTON, "Fonction"))
    champ = trouver(app, pyatspi.ROLE_TEXT, "f(x,y)=")
    ecrire(champ, texte_formule)
    entree(champ)
    presser(trouver(app, pyatspi.ROLE_PUSH_BUTTON, "go"))
    time.sleep(1)


def annuler(app):
    formule(app, "x*y")
    formule(app, "x+y")

    def description():
        return next((n.description for n in tous(app)
                     if n.name == "Feuille" and n.description.startswith(("Surface", "Aucune"))),
                    "")
    attendre(lambda: description().startswith("Surface z = x+y"),
             "the second formula is not described: %r" % description())
    subprocess.run(["xdotool", "key", "ctrl+z"], check=True)
    attendre(lambda: description().startswith("Surface z = x*y"),
             "Ctrl+Z does not bring the first surface back: %r" % description())
    print("a11y: Ctrl+Z after a second go describes the first surface: %s" % description())


def clavier(app):
    feuille = next(n for n in tous(app) if n.name == "Feuille" and n.description)

    def focalisee():
        return feuille.getState().contains(pyatspi.STATE_FOCUSED)
    subprocess.run(["xdotool", "key", "F6"], check=True)
    attendre(focalisee, "F6 does not give the sheet the focus")
    subprocess.run(["xdotool", "key", "F6"], check=True)
    attendre(lambda: not focalisee(), "a second F6 leaves the focus on the sheet")
    print("a11y: F6 takes the keyboard to the sheet and back")


app = application()
animation(app)
annuler(app)
clavier(app)
