// The palette's copy of the sheet: the rendered frame, cut to the sheet's outer size less
// its borders and caption, as a 256-colour palettised picture.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "shell/demarrage.h"
#include "shell/outils.h"
#include "view/feuille.h"

void Toutils::pressepapier() {
  TFeuille* feuille = app_.Feuille;
  if (!feuille) return;
  const QSize taille = feuille->taille() - QSize(11, 45);
  if (taille.isEmpty()) return;
  // Where the frame is smaller than the cut (thicker borders than the original's), the
  // rest stays white like the sheet's background.
  QImage image(taille, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.drawImage(0, 0, feuille->image());
  }
  QGuiApplication::clipboard()->setImage(image.convertToFormat(QImage::Format_Indexed8));
}
