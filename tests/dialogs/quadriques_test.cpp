// The solid chooser and the five solid dialogs through a recording host, without the
// program: key filter, rules, colours, focus, go and Poubelle, rows, names, texts, help.
#include <QLabel>
#include <QRegularExpression>
#include <algorithm>

#include "hote_fake.h"
#include "matutil.h"
#include "services/sons.h"
#include "solides.h"

namespace {
const QColor kBleu(0, 0, 255), kRouge(255, 0, 0), kNoir(0, 0, 0);
}

class TestQuadriques : public QObject {
  Q_OBJECT
  quadrel::Scene scene_;
  HoteEnregistreur hote_;
  Quadriques q_;
  quadrel::Scene& scene() { return scene_; }

  SolidDialog* dialogue(int bouton) {
    SolidDialog* d[5] = {q_.caraccube, q_.caraccyl, q_.caracpyr, q_.caraccone, q_.caracsphere};
    return d[bouton];
  }
  // Opens the dialog of chooser button `bouton` as the user does.
  SolidDialog* ouvrirsolide(int bouton) {
    QTest::mouseClick(q_.choixquadrics->boutons[bouton], Qt::LeftButton);
    hote_.appels.clear();
    return dialogue(bouton);
  }
  QStringList textes(QWidget* w) {
    QStringList t;
    for (QLabel* l : w->findChildren<QLabel*>()) t << l->text();
    return t;
  }

 private slots:
  void initTestCase() {
    q_ = creerquadriques(scene_, hote_, nullptr, nullptr);
    hote_.ouvrir(q_.choixquadrics);
  }
  void cleanupTestCase() {
    delete q_.choixquadrics;
    for (int b = 0; b < 5; ++b) delete dialogue(b);
  }
  void init() {
    for (int b = 0; b < 5; ++b) dialogue(b)->hide();
    scene().gradx = scene().grady = scene().gradz = 1;
    hote_.appels.clear();
    sons::viderjournal();
  }

  void choixOuvreChaqueDialogue() {
    const char* titres[5] = {"Le cube", "Le cylindre", "Pyramide", "Le cône", "La sphère"};
    for (int b = 0; b < 5; ++b) {
      sons::viderjournal();
      QTest::mouseClick(q_.choixquadrics->boutons[b], Qt::LeftButton);
      QCOMPARE(hote_.prendre(), QStringList{"ouvrir"});
      QCOMPARE(sons::journal(), QStringList{"click.wav"});
      QVERIFY(dialogue(b)->isVisible());
      QCOMPARE(dialogue(b)->windowTitle(), QString::fromUtf8(titres[b]));
      QCOMPARE(q_.choixquadrics->boutons[b]->accessibleName(), Tchoixquadrics::noms()[b]);
    }
    QCOMPARE(q_.choixquadrics->size(), QSize(59, 325));
  }

  void filtreDeTouches_data() {
    QTest::addColumn<int>("bouton");
    QTest::addColumn<int>("ordre");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("garde");
    QTest::addRow("sphere") << 4 << 0 << "a1b-. 2+*x3E,"
                            << "1-.23";
    QTest::addRow("cube") << 0 << 0 << "1,5e2"
                          << "152";
    QTest::addRow("cotes sans point") << 2 << 1 << "4.5"
                                      << "45";
    QTest::addRow("rayon avec point") << 2 << 0 << "4.5"
                                      << "4.5";
    QTest::addRow("cone") << 3 << 2 << "-0.5k"
                          << "-0.5";
  }
  void filtreDeTouches() {
    QFETCH(int, bouton);
    QFETCH(int, ordre);
    QFETCH(QString, tape);
    QFETCH(QString, garde);
    QLineEdit* e = ouvrirsolide(bouton)->champs[ordre];
    e->clear();
    const quadrel::Scene avant = scene();
    QTest::keyClicks(e, tape);
    QCOMPARE(e->text(), garde);
    QCOMPARE(champ::couleur(e), kBleu);
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), garde.chopped(1));
    QCOMPARE(scene().soltaille, avant.soltaille);  // nothing stored before Enter
    QCOMPARE(scene().solx, avant.solx);
  }

  void regles_data() {
    QTest::addColumn<int>("bouton");
    QTest::addColumn<int>("ordre");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("accepte");
    QTest::addRow("cube 0") << 0 << 0 << "0" << false;
    QTest::addRow("cube -1") << 0 << 0 << "-1" << false;
    QTest::addRow("cube 2.5") << 0 << 0 << "2.5" << true;
    QTest::addRow("cube illisible") << 0 << 0 << "2-" << false;
    QTest::addRow("cotes 2") << 2 << 1 << "2" << false;
    QTest::addRow("cotes 3") << 2 << 1 << "3" << true;
    QTest::addRow("cotes 19") << 2 << 1 << "19" << true;
    QTest::addRow("cotes 20") << 2 << 1 << "20" << false;
    QTest::addRow("hauteur 0") << 2 << 2 << "0" << false;
    QTest::addRow("rayon pyramide -2") << 2 << 0 << "-2" << false;
    QTest::addRow("sphere x -3") << 4 << 0 << "-3" << true;
    QTest::addRow("sphere rayon 0") << 4 << 3 << "0" << false;
    QTest::addRow("cylindre a -1") << 1 << 0 << "-1" << true;
    QTest::addRow("cylindre r 0") << 1 << 2 << "0" << false;
    QTest::addRow("cone c 0") << 3 << 2 << "0" << true;
    QTest::addRow("cone c -1") << 3 << 2 << "-1" << false;
    QTest::addRow("cone a -1") << 3 << 0 << "-1" << true;
  }
  void regles() {
    QFETCH(int, bouton);
    QFETCH(int, ordre);
    QFETCH(QString, texte);
    QFETCH(bool, accepte);
    SolidDialog* d = ouvrirsolide(bouton);
    const solids::FieldSpec& f = d->forme.fields[std::size_t(ordre)];
    scene().*f.target = 77;
    scene().quadriqueok = true;
    entrer(d->champs[ordre], texte);
    QCOMPARE(champ::couleur(d->champs[ordre]), accepte ? kNoir : kRouge);
    bool erreur = false;
    const extended v = valeurformule(texte.toStdString(), erreur);
    QCOMPARE(double(quadrel::valeur(scene().*f.target)), accepte ? double(v) : 77.);
    QVERIFY(!scene().quadriqueok);  // hidden from the next frame until go
    if (d->forme.kindOnEnter) QCOMPARE(scene().typequadrique, d->forme.kindOnEnter);
    if (!accepte) QCOMPARE(d->focusWidget(), d->champs[ordre]);
  }

  // After an accepted value: the next field, or go from the last field of a row.
  void focusSuitLesLignes() {
    const char* valeurs = "1";
    for (int b = 0; b < 5; ++b) {
      SolidDialog* d = ouvrirsolide(b);
      for (std::size_t r = 0; r < std::max<std::size_t>(1, d->lignes.size()); ++r) {
        if (!d->lignes.empty()) d->lignes[r]->setChecked(true);
        for (int k = int(r) * d->forme.rowSize; k < int(r + 1) * d->forme.rowSize; ++k) {
          entrer(d->champs[k], QString::fromLatin1(b == 2 && k == 1 ? "4" : valeurs));
          const bool dernier = (k + 1) % d->forme.rowSize == 0;
          QCOMPARE(d->focusWidget(), dernier ? static_cast<QWidget*>(d->go) : d->champs[k + 1]);
        }
      }
      d->hide();
    }
  }

  void goRamene_data() {
    QTest::addColumn<int>("bouton");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("type");
    QTest::addRow("cube") << 0 << 0 << 2;
    QTest::addRow("cylindre z") << 1 << 0 << 3;
    QTest::addRow("cylindre y") << 1 << 1 << 4;
    QTest::addRow("cylindre x") << 1 << 2 << 5;
    QTest::addRow("pyramide") << 2 << 0 << 9;
    QTest::addRow("cone z") << 3 << 0 << 6;
    QTest::addRow("cone x") << 3 << 2 << 8;
    QTest::addRow("sphere") << 4 << 0 << 1;
  }
  void goRamene() {
    QFETCH(int, bouton);
    QFETCH(int, ligne);
    QFETCH(int, type);
    SolidDialog* d = ouvrirsolide(bouton);
    if (!d->lignes.empty()) d->lignes[ligne]->setChecked(true);
    for (QLineEdit* e : d->champs) {
      e->setText(QStringLiteral("3"));
      champ::colorer(e, kBleu);  // as typed
    }
    // Unequal graduations: only the click sound.
    scene().gradz = 2;
    scene().quadriqueok = false;
    sons::viderjournal();
    QTest::mouseClick(d->go, Qt::LeftButton);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("click.wav")});
    QVERIFY(!scene().quadriqueok);
    QCOMPARE(hote_.prendre(), QStringList{});
    for (QLineEdit* e : d->champs) QCOMPARE(champ::couleur(e), kBleu);
    scene().gradz = 1;
    QTest::mouseClick(d->go, Qt::LeftButton);
    QVERIFY(scene().quadriqueok);
    QCOMPARE(scene().typequadrique, type);
    QVERIFY(hote_.prendre().endsWith("FormPaint"));
    // Enter anywhere hides it again.
    QLineEdit* e = d->champs[std::size_t(ligne * d->forme.rowSize)];
    entrer(e, QStringLiteral("3"));
    QVERIFY(!scene().quadriqueok);
  }

  // go counts the black fields of the checked row: one red field and nothing happens.
  void goCompteLesChampsNoirs_data() {
    QTest::addColumn<int>("bouton");
    QTest::addColumn<int>("rouge");  // the field made red, -1 for none
    QTest::addColumn<bool>("montre");
    QTest::addRow("cylindre complet") << 1 << -1 << true;
    QTest::addRow("cylindre rayon -1") << 1 << 2 << false;
    QTest::addRow("cylindre a vide") << 1 << 0 << false;
    QTest::addRow("cone complet") << 3 << -1 << true;
    QTest::addRow("cone c -1") << 3 << 2 << false;
    QTest::addRow("cone d vide") << 3 << 3 << false;
  }
  void goCompteLesChampsNoirs() {
    QFETCH(int, bouton);
    QFETCH(int, rouge);
    QFETCH(bool, montre);
    SolidDialog* d = ouvrirsolide(bouton);
    d->lignes[0]->setChecked(true);
    for (QLineEdit* e : d->champs) e->setText(QStringLiteral("1"));
    std::vector<QColor> couleurs;
    for (QLineEdit* e : d->champs) couleurs.push_back(champ::couleur(e));
    if (rouge >= 0) d->champs[rouge]->setText(rouge == 2 ? QStringLiteral("-1") : QString());
    scene().quadriqueok = false;
    scene().typequadrique = 1;
    QTest::mouseClick(d->go, Qt::LeftButton);
    QCOMPARE(scene().quadriqueok, montre);
    QCOMPARE(scene().typequadrique, montre ? d->forme.kindByRow[0] : 1);
    // No repaint on failure.
    QCOMPARE(hote_.prendre(), montre ? QStringList{"FormPaint"} : QStringList{});
    // Fields of other rows are disabled and never pressed.
    for (std::size_t k = std::size_t(d->forme.rowSize); k < d->champs.size(); ++k)
      QCOMPARE(champ::couleur(d->champs[k]), couleurs[k]);
  }

  // Only the checked row's fields are enabled, whether the row is clicked, toggled from
  // the keyboard or set programmatically (as a screen reader does).
  void selectionDesLignes() {
    for (int b : {1, 3}) {
      SolidDialog* d = ouvrirsolide(b);
      const int n = d->forme.rowSize;
      auto enlignes = [&](int r) {
        for (int k = 0; k < int(d->champs.size()); ++k)
          if (d->champs[k]->isEnabled() != (k / n == r)) return false;
        return true;
      };
      QVERIFY(d->lignes[0]->isChecked());
      QVERIFY(enlignes(0));
      QTest::mouseClick(d->lignes[1], Qt::LeftButton);
      QVERIFY(enlignes(1));
      d->lignes[2]->setChecked(true);
      QVERIFY(enlignes(2));
      d->lignes[1]->setFocus();
      QTest::keyClick(d->lignes[1], Qt::Key_Space);
      QVERIFY(d->lignes[1]->isChecked());
      QVERIFY(enlignes(1));
      d->lignes[0]->setChecked(true);
    }
  }

  void poubelleGardeLesValeurs() {
    SolidDialog* d = ouvrirsolide(4);
    const char* valeurs[4] = {"1", "2", "0", "2"};
    for (int k = 0; k < 4; ++k) d->champs[k]->setText(QString::fromLatin1(valeurs[k]));
    QTest::mouseClick(d->go, Qt::LeftButton);
    QVERIFY(scene().quadriqueok);
    sons::viderjournal();
    hote_.appels.clear();
    QTest::mouseClick(d->Poubelle, Qt::LeftButton);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("click.wav")});
    QVERIFY(!scene().quadriqueok);
    QCOMPARE(hote_.prendre(), QStringList{"FormPaint"});
    for (QLineEdit* e : d->champs) QVERIFY(e->text().isEmpty());
    QCOMPARE(double(quadrel::valeur(scene().solx)), 1.);
    QCOMPARE(double(quadrel::valeur(scene().soly)), 2.);
    QCOMPARE(double(quadrel::valeur(scene().solz)), 0.);
    QCOMPARE(double(quadrel::valeur(scene().soltaille)), 2.);
    QCOMPARE(scene().typequadrique, 1);
  }

  // What go and Poubelle ask of the sheet: the pyramid list whatever its fields hold,
  // then a frame; nothing at all for a short cylinder row.
  void demandesALaFeuille() {
    HoteEnregistreur hote;
    Tcaracpyr pyr(scene(), hote);
    Tcaraccyl cyl(scene(), hote);
    for (QLineEdit* e : cyl.champs) e->clear();
    QTest::mouseClick(pyr.go, Qt::LeftButton);
    QCOMPARE(hote.prendre(), (QStringList{"preparepyr", "FormPaint"}));
    QVERIFY(!scene().quadriqueok);
    QTest::mouseClick(cyl.go, Qt::LeftButton);
    QCOMPARE(hote.prendre(), QStringList{});
    for (QLineEdit* e : pyr.champs) e->setText(QStringLiteral("4"));
    QTest::mouseClick(pyr.go, Qt::LeftButton);
    QCOMPARE(hote.prendre(), (QStringList{"preparepyr", "FormPaint"}));
    QVERIFY(scene().quadriqueok);
    QTest::mouseClick(pyr.Poubelle, Qt::LeftButton);
    QCOMPARE(hote.prendre(), QStringList{"FormPaint"});
    QVERIFY(!scene().quadriqueok);
    QCOMPARE(double(quadrel::valeur(scene().solx)), 4.);
  }

  void nomsEtTextes() {
    const char* champs[5][12] = {
        {"Longueur"},
        {"a1", "b1", "r1", "a2", "c2", "r2", "b3", "c3", "r3"},
        {"Rayon de base", "Nbre de côtés", "Hauteur"},
        {"a1", "b1", "k1", "d1", "a2", "k2", "b2", "d2", "k3", "a3", "b3", "d3"},
        {"x du centre", "y du centre", "z du centre", "rayon"}};
    for (int b = 0; b < 5; ++b) {
      SolidDialog* d = dialogue(b);
      for (std::size_t k = 0; k < d->champs.size(); ++k)
        QCOMPARE(d->champs[k]->accessibleName(), QString::fromUtf8(champs[b][k]));
      QCOMPARE(d->go->accessibleName(), QStringLiteral("go"));
      QCOMPARE(d->Poubelle->accessibleName(), QStringLiteral("Poubelle"));
    }
    const QStringList cyl{"(x-a)²+(y-b)²=r²", "(x-a)²+(z-c)²=r²", "(y-b)²+(z-c)²=r²"};
    for (int r = 0; r < 3; ++r) QCOMPARE(q_.caraccyl->lignes[r]->accessibleName(), cyl[r]);
    // About z, y and x, as drawn.
    const QStringList cone{"(x-a)²+(y-b)²-k(z-d)²=0", "(x-a)²-k(y-b)²+(z-d)²=0",
                           "k(x-a)²-(y-b)²-(z-d)²=0"};
    for (int r = 0; r < 3; ++r) QCOMPARE(q_.caraccone->lignes[r]->accessibleName(), cone[r]);
    const QStringList cube = textes(q_.caraccube);
    for (const char* t :
         {"Le cube est caractérisée par", "la longueur d'une arête :", "Longueur :"})
      QVERIFY2(cube.contains(QString::fromUtf8(t)), t);
    const QStringList pyr = textes(q_.caracpyr);
    for (const char* t :
         {"Pyramide régulière", "\"Rayon\" de base :", "Nbre de côtés :", "Hauteur :"})
      QVERIFY2(pyr.contains(QString::fromUtf8(t)), t);
    QVERIFY(textes(q_.caracsphere)
                .contains(QString::fromUtf8(
                    "(x-              )²+(y-              )²+(z-            )²=             ²")));
    for (const char* t : {"(x-", ")²+(y-", ")²+(z-", "(y-", ")²=", "²", ";"})
      QVERIFY2(textes(q_.caraccyl).contains(QString::fromUtf8(t)), t);
  }

  // A cone row, its fields' letters read in its gaps, is the equation of the cone drawn,
  // which is also the row's name.
  void equationsDuCone() {
    Tcaraccone* d = q_.caraccone;
    for (std::size_t r = 0; r < 3; ++r) {
      QRadioButton* b = d->lignes[r];
      QLabel* l = nullptr;
      for (QLabel* x : d->findChildren<QLabel*>())
        if (x->y() == b->y()) l = x;
      QVERIFY(l);
      std::vector<QLineEdit*> champs(d->champs.begin() + long(4 * r),
                                     d->champs.begin() + long(4 * r + 4));
      std::sort(champs.begin(), champs.end(), [](auto* a, auto* c) { return a->x() < c->x(); });
      const QStringList morceaux = l->text().split(QRegularExpression(QStringLiteral(" {2,}")));
      QCOMPARE(morceaux.size(), 5);
      QString lu = morceaux[0];
      for (std::size_t k = 0; k < 4; ++k)
        lu += champs[k]->accessibleName().left(1) + morceaux[k + 1];
      QCOMPARE(lu, b->accessibleName());
    }
  }

  // Fields lie over the gaps of their equation: inside its label, in tab order.
  void champsDansLesTrous() {
    for (SolidDialog* d :
         {static_cast<SolidDialog*>(q_.caracsphere), static_cast<SolidDialog*>(q_.caraccone)}) {
      for (std::size_t k = 1; k < d->champs.size(); ++k) {
        const QRect a = d->champs[k - 1]->geometry(), b = d->champs[k]->geometry();
        if (a.y() == b.y()) QVERIFY(a.right() < b.left());
        QVERIFY(b.width() >= 20);
      }
    }
  }

  // The cube's help on the dialog and its field, the pyramid's on the dialog only.
  void aideAuClicDroit() {
    const QString cube = QStringLiteral(
        "aide:Indiquez le rayon du cercle circonscrit à la base et la longueur d'un côté.");
    const QString pyr = QStringLiteral(
        "aide:Indiquez le rayon du cercle circonscrit à la base,le nombre de côtés de la base "
        "et la hauteur de la pyramide.");
    const struct {
      SolidDialog* d;
      QWidget* w;
      QString appel;
    } cas[] = {{q_.caraccube, q_.caraccube, cube},
               {q_.caraccube, q_.caraccube->champs[0], cube},
               {q_.caracpyr, q_.caracpyr, pyr},
               {q_.caracpyr, q_.caracpyr->champs[1], QString()},
               {q_.caracsphere, q_.caracsphere, QString()},
               {q_.caraccone, q_.caraccone->champs[0], QString()}};
    for (const auto& c : cas) {
      c.d->show();
      QTest::mouseClick(c.w, Qt::RightButton, {}, QPoint(3, 3));
      QCOMPARE(hote_.prendre(), c.appel.isEmpty() ? QStringList{} : QStringList{c.appel});
      c.d->hide();
    }
  }
};

QUADREL_GUI_TEST_MAIN(TestQuadriques)
#include "quadriques_test.moc"
