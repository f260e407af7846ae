// The main window's background, ruled like a school exercise book.
#pragma once

class QPainter;

// Fine blue rules every 4 px (a strong one every 28 px), strong vertical rules every 28 px
// from x = 120, and the red margin at x = 120, over a `largeur` x `hauteur` area.
void dessinercahier(QPainter& p, int largeur, int hauteur);
