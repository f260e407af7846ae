#include "shell/cahier.h"

#include <QPainter>
#include <QPen>

void dessinercahier(QPainter& p, int largeur, int hauteur) {
  const QColor bleu(166, 202, 240);
  // Flat square caps: a 2-pixel rule covers its row and the one above, no more.
  QPen crayon(bleu, 1, Qt::SolidLine, Qt::FlatCap);
  int ligne = 0, colonne = 120;
  do {
    crayon.setColor(bleu);
    crayon.setWidth(ligne % 28 == 0 ? 2 : 1);
    p.setPen(crayon);
    if (ligne < hauteur) p.drawLine(0, ligne, largeur, ligne);
    if (colonne < largeur) {
      crayon.setWidth(2);
      p.setPen(crayon);
      p.drawLine(colonne, 0, colonne, hauteur);
    }
    ligne += 4;
    colonne += 28;
  } while (ligne <= hauteur || colonne <= largeur);
  crayon.setColor(QColor(255, 0, 0));
  crayon.setWidth(2);
  p.setPen(crayon);
  p.drawLine(120, 0, 120, hauteur);
}
