// The palette's French texts: button names (its caption on hover, and each button's
// accessible name) and the one-sentence explanations of a right click.
#include "shell/outils.h"

const QStringList& Toutils::noms() {
  static const QStringList n = {QStringLiteral("Repere"),        QStringLiteral("Visuel"),
                                QStringLiteral("Fonction"),      QStringLiteral("Quadriques"),
                                QStringLiteral("Section_plane"), QStringLiteral("Point"),
                                QStringLiteral("Export"),        QStringLiteral("Videoprojecteur"),
                                QStringLiteral("A_propos"),      QStringLiteral("Weblien"),
                                QStringLiteral("Aide"),          QStringLiteral("Quitter")};
  return n;
}

const QString& Toutils::textevideoprojecteur() {
  static const QString t = QStringLiteral(
      "Si vous utilisez un videoprojecteur, il faut IMPERATIVEMENT l'utiliser en affichage "
      "principal ou la feuille apparaitra vide. Allez dans les options de la carte graphique pour "
      "selectionner le mode adéquate .");
  return t;
}

const QString& Toutils::texteaide() {
  static const QString t =
      QStringLiteral("Cliquez avec le bouton de droite sur la zone où vous avez besoin d'aide.");
  return t;
}

// By tab order; 7 and 10 run their click action instead and have no entry of their own.
const QStringList& Toutils::explications() {
  static const QStringList t = {
      QStringLiteral("Pour définir le repère.Attention, plus il est \"vaste\" plus les calculs "
                     "seront importants et le rendu lent."),
      QStringLiteral("Ce sont les options liées au rendu visuel des surfaces (éclairage, lissage, "
                     "transparence et section)."),
      QStringLiteral("Pour définir une surface d'équation z=f(x,y). Lorsque vous validez la "
                     "fonction,les calculs avant affichage peuvent durer plusieurs minutes en "
                     "haute précision, surtout si le repère est vaste et votre PC peu puissant."),
      QStringLiteral(
          "Pour créer un cube,un cylindre,une pyramide,un cône ou une sphère. Les graduations "
          "doivent être le même sur chaque axe pour que le repère soit orthonormé."),
      QStringLiteral("Pour définir et afficher un plan de section. Différents options sont "
                     "disponibles dans la partie \"rendu visuel\"."),
      QStringLiteral("Affiche un point et ses coordonnées. Il sera automatiquement placé sur la "
                     "surface ou sur la section."),
      QStringLiteral(
          "Copie le contenu de la feuille vers le presse papier. Il n'y a plus qu'à coller ou vous "
          "le souhaitez (dans Openoffice,paint ou The Gimp par exemple)."),
      QString(),
      QStringLiteral("A propos de ce logiciel."),
      QStringLiteral("Pour se rendre sur mon site, Weblien."),
      QString(),
      QStringLiteral("Pour quitter."),
  };
  return t;
}
