// A pupil's road through the three dialogs, judged on the sheet's pixels: a typed
// paraboloid shows in blue, the trash hides it, white makes it grey, a new frame redraws it.
// Also leaves pictures of each render mode for the eye when QUADREL_IMAGES names a folder.
#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QSlider>

#include "dialogues.h"

namespace {
const QString kParaboloide = QStringLiteral("x²+y²");
}

class TestSurfaceBout : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  Tfonction3d* fonction_ = nullptr;
  Toptionrendu* rendu_ = nullptr;
  Toptionrepere* repere_ = nullptr;
  int fondbleu_ = 0, fondgris_ = 0;  // the empty sheet's own counts

  QImage image() { return app_->Feuille->image(); }
  void garder(const QString& nom) {
    const QString dossier = qEnvironmentVariable("QUADREL_IMAGES");
    if (!dossier.isEmpty()) image().save(QDir(dossier).filePath(nom + QStringLiteral(".png")));
  }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
    fonction_ = fonction3d(*app_);
    rendu_ = optionrendu(*app_);
    repere_ = optionrepere(*app_);
    const QImage vide = image();
    fondbleu_ = pixelsbleus(vide);
    fondgris_ = pixelsgris(vide);
  }
  void cleanupTestCase() { app_.reset(); }

  void paraboloideBleu() {
    ouvrir(*app_, 2);
    QVERIFY(fonction_->isVisible());
    QTest::keyClicks(fonction_->Edit1, kParaboloide);
    QCOMPARE(fonction_->Edit1->text(), kParaboloide);
    QCOMPARE(app_->scene.formule, std::string("x\xB2+y\xB2"));
    QTest::keyClick(fonction_->Edit1, Qt::Key_Return);
    QCOMPARE(fonction_->etat(), quadrel::EtatChamp::accepte);
    fonction_->close();
    const int bleus = pixelsbleus(image());
    QVERIFY2(bleus > fondbleu_ + 2000,
             qPrintable(QStringLiteral("%1 %2").arg(bleus).arg(fondbleu_)));
    garder(QStringLiteral("couleur"));
  }

  void poubelleEfface() {
    ouvrir(*app_, 2);
    QTest::mouseClick(fonction_->Poubelle, Qt::LeftButton);
    QVERIFY(pixelsbleus(image()) < fondbleu_ + 200);
    // A new precision with the emptied field must not bring the old surface back.
    fonction_->precision->setValue(8);
    fonction_->close();
    QVERIFY(pixelsbleus(image()) < fondbleu_ + 200);
    ouvrir(*app_, 2);
    QTest::keyClicks(fonction_->Edit1, kParaboloide);
    QTest::mouseClick(fonction_->go, Qt::LeftButton);
    QVERIFY(!fonction_->isVisible());
    QVERIFY(pixelsbleus(image()) > fondbleu_ + 2000);
  }

  void blancEnGris() {
    rendu_->foncblanc->click();
    QVERIFY(!rendu_->rendu3d->isChecked());
    const QImage img = image();
    QVERIFY(pixelsbleus(img) < fondbleu_ + 200);
    QVERIFY2(pixelsgris(img) > fondgris_ + 2000,
             qPrintable(QStringLiteral("%1 %2").arg(pixelsgris(img)).arg(fondgris_)));
    garder(QStringLiteral("blanc"));
    rendu_->rendu3d->click();
    QVERIFY(pixelsbleus(image()) > fondbleu_ + 2000);
  }

  void nouveauRepereRedessine() {
    const QImage avant = image();
    ouvrir(*app_, 0);
    QLineEdit* gradz = repere_->champs[8];
    gradz->clear();
    QTest::keyClicks(gradz, QStringLiteral("3"));
    QTest::keyClick(gradz, Qt::Key_Return);
    QCOMPARE(double(app_->scene.gradz), 3.);
    QCOMPARE(image(), avant);  // live in the scene, drawn only after Go or the close
    repere_->close();
    const QImage apres = image();
    int differents = 0;
    for (int y = 0; y < apres.height(); y += 2)
      for (int x = 0; x < apres.width(); x += 2)
        differents += apres.pixel(x, y) != avant.pixel(x, y);
    QVERIFY2(differents > 2000, qPrintable(QString::number(differents)));
    QVERIFY(pixelsbleus(apres) > fondbleu_ + 2000);
    garder(QStringLiteral("gradz3"));
    ouvrir(*app_, 0);
    gradz->clear();
    QTest::keyClicks(gradz, QStringLiteral("1"));
    QTest::keyClick(gradz, Qt::Key_Return);
    QTest::mouseClick(repere_->Go, Qt::LeftButton);
    repere_->close();
  }

  // Pictures of each mode for the eye; each mode must still show something of the surface.
  void modes() {
    struct Mode {
      const char* nom;
      QCheckBox* boite;
    };
    const Mode modes[] = {
        {"sans_eclairage", rendu_->eclairage}, {"brouillard", rendu_->brouillard},
        {"transparence", rendu_->transpsurf},  {"sans_niveaux_xy", rendu_->niveauxy},
        {"sans_niveaux_z", rendu_->niveauz},   {"lissage", rendu_->aliasing}};
    for (const Mode& m : modes) {
      m.boite->click();
      garder(QLatin1String(m.nom));
      QVERIFY2(pixelsbleus(image()) > fondbleu_ + 1000, m.nom);
      m.boite->click();
    }
    rendu_->rendu3d->click();  // neither colour nor white: the level lines alone
    QVERIFY(pixelsbleus(image()) < fondbleu_ + 200);
    garder(QStringLiteral("lignes_seules"));
    rendu_->rendu3d->click();
  }

  // What a screen reader reads: every control of the three dialogs has a name.
  void nomsPourLecteurDEcran() {
    int controles = 0;
    for (QWidget* d : {static_cast<QWidget*>(repere_), static_cast<QWidget*>(fonction_),
                       static_cast<QWidget*>(rendu_)})
      for (QWidget* w : d->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractButton*>(w) &&
            !qobject_cast<QSlider*>(w))
          continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        QVERIFY(i);
        QVERIFY2(!i->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(w->objectName()));
        ++controles;
      }
    QCOMPARE(controles, 13 + 4 + 4 + 9 + 4);  // boxes, fold buttons, function, frame
    QCOMPARE(QAccessible::queryAccessibleInterface(fonction_->Poubelle)->text(QAccessible::Name),
             QStringLiteral("Poubelle"));
  }

  // The three dialogs open together in the main window, for the eye.
  void dialoguesOuverts() {
    for (int bouton : {0, 2, 1}) ouvrir(*app_, bouton);
    for (QPushButton* b : rendu_->plus) QTest::mouseClick(b, Qt::LeftButton);
    for (QWidget* d : {static_cast<QWidget*>(repere_), static_cast<QWidget*>(fonction_),
                       static_cast<QWidget*>(rendu_)})
      QVERIFY(d->isVisible() && cadre(d)->isVisible());
    const QString dossier = qEnvironmentVariable("QUADREL_IMAGES");
    if (!dossier.isEmpty()) {
      QTest::qWait(300);
      app_->fond->grab().save(QDir(dossier).filePath(QStringLiteral("dialogues.png")));
      repere_->grab().save(QDir(dossier).filePath(QStringLiteral("repere.png")));
    }
  }
};

QUADREL_GUI_TEST_MAIN(TestSurfaceBout)
#include "surface_bout_test.moc"
