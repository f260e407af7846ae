// A pupil's road to a solid in the started program, judged on the sheet's pixels: a sphere
// typed in shows yellow, the trash hides it, unequal graduations hide it and equal ones
// bring it back, the frame dialog resizes the pyramid; and where the windows open. Also
// leaves a picture of every kind in every mode when QUADREL_IMAGES names a folder.
#include <QDir>

#include "solides.h"

class TestQuadriquesBout : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  Quadriques q_;
  int fondjaune_ = 0;

  QImage image() { return app_->Feuille->image(); }
  void garder(const QString& nom) {
    const QString dossier = qEnvironmentVariable("QUADREL_IMAGES");
    if (!dossier.isEmpty()) image().save(QDir(dossier).filePath(nom + QStringLiteral(".png")));
  }
  void choisir(int bouton) {
    ouvrir(*app_, 3);
    QVERIFY(q_.choixquadrics->isVisible());
    QTest::mouseClick(q_.choixquadrics->boutons[bouton], Qt::LeftButton);
  }
  void sphere(const char* x, const char* y, const char* z, const char* r) {
    choisir(4);
    Tcaracsphere* d = q_.caracsphere;
    QVERIFY(d->isVisible());
    const char* textes[4] = {x, y, z, r};
    for (int k = 0; k < 4; ++k) entrer(d->champs[k], QString::fromLatin1(textes[k]));
    QTest::mouseClick(d->go, Qt::LeftButton);
  }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
    q_ = app_->quadriques;
    fondjaune_ = pixelsjaunes(image());
  }
  void cleanupTestCase() { app_.reset(); }

  void sphereJaunePuisPoubelle() {
    sphere("0", "0", "0", "2");
    QVERIFY(app_->scene.quadriqueok);
    QCOMPARE(app_->scene.typequadrique, 1);
    const int jaunes = pixelsjaunes(image());
    QVERIFY2(jaunes > fondjaune_ + 2000,
             qPrintable(QStringLiteral("%1 %2").arg(jaunes).arg(fondjaune_)));
    QTest::mouseClick(q_.caracsphere->Poubelle, Qt::LeftButton);
    QVERIFY(pixelsjaunes(image()) < fondjaune_ + 100);
  }

  void graduationsInegalesLaCachent() {
    sphere("0", "0", "0", "2");
    Toptionrepere* r = optionrepere(*app_);
    ouvrir(*app_, 0);
    entrer(r->champs[2], QStringLiteral("2"));  // gradx 2
    QTest::mouseClick(r->Go, Qt::LeftButton);
    QVERIFY(pixelsjaunes(image()) < fondjaune_ + 100);
    entrer(r->champs[2], QStringLiteral("1"));
    QTest::mouseClick(r->Go, Qt::LeftButton);
    QVERIFY(pixelsjaunes(image()) > fondjaune_ + 2000);  // back without go
    ranger(r);
  }

  // The chooser beside the palette names the button under the mouse; each dialog opens
  // as a child window centred in the main window, its go and Poubelle taking the focus on
  // hover.
  void placesEtSurvol() {
    Tchoixquadrics* c = q_.choixquadrics;
    SolidDialog* dialogues[5] = {q_.caraccube, q_.caraccyl, q_.caracpyr, q_.caraccone,
                                 q_.caracsphere};
    for (int b = 0; b < 5; ++b) {
      choisir(b);
      SolidDialog* d = dialogues[b];
      QVERIFY(cadre(d) != d);
      const QRect zone = cadre(d)->parentWidget()->rect();
      QCOMPARE(cadre(d)->pos(), QPoint((zone.width() - cadre(d)->width()) / 2,
                                       (zone.height() - cadre(d)->height()) / 2));
      for (QPushButton* p : {d->go, d->Poubelle}) {
        d->champs[0]->setFocus();
        QTest::mouseMove(p);
        QTRY_COMPARE(d->focusWidget(), static_cast<QWidget*>(p));
      }
      ranger(d);
    }
    QCOMPARE(cadre(c)->x(), cadre(app_->outils)->x() + 5);
    QCOMPARE(cadre(c)->y(), cadre(app_->Feuille)->y() + 40);
    for (int b = 0; b < 5; ++b) {
      QTest::mouseMove(c->boutons[b]);
      QTRY_COMPARE(cadre(c)->windowTitle(), Tchoixquadrics::noms()[b]);
      QCOMPARE(c->focusWidget(), c->boutons[b]);
    }
  }

  // The frame dialog's Go rebuilds the pyramid list: all graduations 2, half the size.
  void pyramideSuitLeRepere() {
    choisir(2);
    Tcaracpyr* d = q_.caracpyr;
    const char* textes[3] = {"2", "4", "3"};
    for (int k = 0; k < 3; ++k) entrer(d->champs[k], QString::fromLatin1(textes[k]));
    QTest::mouseClick(d->go, Qt::LeftButton);
    QCOMPARE(app_->scene.typequadrique, 9);
    const int entiere = pixelsjaunes(image()) - fondjaune_;
    QVERIFY2(entiere > 1000, qPrintable(QString::number(entiere)));
    Toptionrepere* r = optionrepere(*app_);
    for (const char* g : {"2", "1"}) {
      ouvrir(*app_, 0);
      for (int k : {2, 5, 8}) entrer(r->champs[k], QString::fromLatin1(g));
      QTest::mouseClick(r->Go, Qt::LeftButton);
      const int jaunes = pixelsjaunes(image()) - fondjaune_;
      if (*g == '2')
        QVERIFY2(jaunes > entiere / 8 && jaunes < entiere / 2,
                 qPrintable(QStringLiteral("%1 %2").arg(jaunes).arg(entiere)));
      else
        QCOMPARE(jaunes, entiere);
    }
    ranger(r);
    QTest::mouseClick(d->Poubelle, Qt::LeftButton);
    ranger(d);
  }

  // The chooser and each dialog as they show inside the main window, for the eye.
  void fenetres() {
    const QString dossier = qEnvironmentVariable("QUADREL_IMAGES");
    if (dossier.isEmpty()) QSKIP("no picture folder");
    const char* noms[5] = {"cube", "cylindre", "pyramide", "cone", "sphere"};
    for (int b = 0; b < 5; ++b) {
      choisir(b);
      SolidDialog* dialogues[5] = {q_.caraccube, q_.caraccyl, q_.caracpyr, q_.caraccone,
                                   q_.caracsphere};
      SolidDialog* d = dialogues[b];
      QTest::qWait(50);
      cadre(d)->grab().save(QDir(dossier).filePath(QStringLiteral("dialogue-%1.png").arg(noms[b])));
      if (b == 4) app_->fond->grab().save(QDir(dossier).filePath(QStringLiteral("fond.png")));
      ranger(d);
    }
  }

  // Every kind in the three modes, opaque and see-through, for the eye.
  void chaqueSolideDansChaqueMode() {
    if (qEnvironmentVariableIsEmpty("QUADREL_IMAGES")) QSKIP("no picture folder");
    quadrel::Scene& s = app_->scene;
    struct Solide {
      const char* nom;
      int type;
      extended x, y, z, taille;
    } solides[] = {{"sphere", 1, 1, 2, 0, 2},     {"cube", 2, 0, 0, 0, 3},
                   {"cylindre-z", 3, 1, 1, 0, 1}, {"cylindre-y", 4, 1, 1, 0, 1},
                   {"cylindre-x", 5, 0, 1, 1, 1}, {"cone-z", 6, 0, 0, 0, 0.25L},
                   {"cone-y", 7, 0, 0, 0, 0.25L}, {"cone-x", 8, 0, 0, 0, 0.25L},
                   {"cone-plat", 6, 2, -1, 0, 0}, {"pyramide", 9, 5, 3, 0, 2}};
    const struct {
      const char* nom;
      bool rendu3d, foncblanc, transquad;
    } modes[] = {{"jaune", true, false, false},
                 {"blanc", false, true, false},
                 {"fil", false, false, false},
                 {"jaune-transparent", true, false, true}};
    for (const auto& m : modes) {
      s.rendu3d = m.rendu3d, s.foncblanc = m.foncblanc, s.transquad = m.transquad;
      for (const Solide& k : solides) {
        s.typequadrique = k.type, s.quadriqueok = true;
        s.solx = k.x, s.soly = k.y, s.solz = k.z, s.soltaille = k.taille;
        if (k.type == 9) app_->Feuille->preparepyr();
        garder(QStringLiteral("%1-%2").arg(QLatin1String(k.nom), QLatin1String(m.nom)));
      }
    }
    s.rendu3d = true, s.foncblanc = false, s.transquad = false, s.quadriqueok = false;
  }
};

QUADREL_GUI_TEST_MAIN(TestQuadriquesBout)
#include "quadriques_bout_test.moc"
