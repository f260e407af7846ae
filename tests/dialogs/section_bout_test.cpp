// A pupil's road through the sections, judged on the sheet: the paraboloid cut by z = k at
// k = 2 shows a green plane and the label k=2, the cut removed on close; the free point's
// caption after a move, and where it has no height; a section that can no longer be shown
// leaves the screen at once. Leaves a picture of each section kind, with and without the cut,
// when QUADREL_IMAGES names a folder.
#include <QDir>
#include <QMdiSubWindow>

#include "dialogues.h"
#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"

namespace {

// Pixels of the section plane: clearly more green than red and blue.
int pixelsverts(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); y += 2)
    for (int x = 0; x < img.width(); x += 2) {
      const QRgb p = img.pixel(x, y);
      n += qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60;
    }
  return n;
}

}  // namespace

class TestSectionBout : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  Tchoixsection* section_ = nullptr;
  int fondvert_ = 0;

  QImage image() { return app_->Feuille->image(); }
  void garder(const QString& nom) {
    const QString dossier = qEnvironmentVariable("QUADREL_IMAGES");
    if (!dossier.isEmpty()) image().save(QDir(dossier).filePath(nom + QStringLiteral(".png")));
  }
  // Chooses a kind, types its formula(s) with Enter after each.
  void choisir(QRadioButton* genre, const QStringList& textes) {
    genre->click();
    for (int i = 0; i < textes.size(); ++i) {
      QLineEdit* e = section_->edits[genre == section_->p4   ? 3 + i
                                     : genre == section_->p1 ? 0
                                     : genre == section_->p2 ? 1
                                                             : 2];
      e->clear();
      QTest::keyClicks(e, textes[i]);
      QTest::keyClick(e, Qt::Key_Return);
    }
  }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
    section_ = app_->choixsection;
    QVERIFY(section_);
    fondvert_ = pixelsverts(image());
    Tfonction3d* f = fonction3d(*app_);
    ouvrir(*app_, 2);
    QTest::keyClicks(f->Edit1, QStringLiteral("x²+y²"));
    QTest::keyClick(f->Edit1, Qt::Key_Return);
    f->close();
  }
  void cleanupTestCase() { app_.reset(); }

  void planZk2() {
    ouvrir(*app_, 4);
    QVERIFY(section_->isVisible());
    choisir(section_->p3, {QStringLiteral("k")});
    section_->valk->setValue(30);
    QCOMPARE(section_->affk->text(), QStringLiteral("k=2"));
    QCOMPARE(app_->scene.typesection, 3);
    const QImage img = image();
    QVERIFY2(pixelsverts(img) > fondvert_ + 2000,
             qPrintable(QStringLiteral("%1 %2").arg(pixelsverts(img)).arg(fondvert_)));
    QCOMPARE(app_->scene.clipzmin, (quadrel::ClipPlane{0, 0, 1, -2}));
    garder(QStringLiteral("section-z-coupe"));
    // The circle where the plane cuts the bowl shows through a transparent surface.
    app_->scene.transpsurf = true;
    garder(QStringLiteral("section-z-transparente"));
    app_->scene.transpsurf = false;
    section_->close();
    QVERIFY(!section_->isVisible());
    QCOMPARE(app_->scene.clipzmin, (quadrel::ClipPlane{0, 0, 1, 4.001}));
    QVERIFY(pixelsverts(image()) < fondvert_ + 200);
  }

  // What the sheet shows now, without drawing a new frame.
  QImage ecran() { return app_->Feuille->grab().toImage(); }

  // A section that can no longer be shown leaves the screen at once, cut included, and a
  // dialog shown again brings its section back at once.
  void sectionQuiDevientInvalide() {
    ouvrir(*app_, 4);
    QLineEdit* z = section_->edits[2];
    const struct {
      const char* quoi;
      QLineEdit* champ;
      QString texte;
      int position;
    } cas[] = {{"k-", z, QStringLiteral("k-"), 30},
               {"kmin", section_->kmin, QStringLiteral("-"), 30},
               {"1/(k-k)", z, QStringLiteral("1/(k-k)"), 10},
               {"1/k", z, QStringLiteral("1/k"), 21}};  // k = 0 after the move
    // Typed as a user does: through the key filter, then Enter.
    const auto taper = [](QLineEdit* champ, const QString& texte) {
      champ->clear();
      QTest::keyClicks(champ, texte);
      QTest::keyClick(champ, Qt::Key_Return);
    };
    for (const auto& c : cas) {
      choisir(section_->p3, {QStringLiteral("k")});
      taper(section_->kmin, QStringLiteral("-4"));
      section_->valk->setValue(30);
      QVERIFY2(pixelsverts(ecran()) > fondvert_ + 2000, c.quoi);
      section_->valk->setValue(c.position);
      taper(c.champ, c.texte);
      section_->valk->setValue(c.position == 0 ? 1 : c.position - 1);  // k moves on
      QVERIFY2(app_->scene.typesection == 0, c.quoi);
      QVERIFY2(app_->scene.clipzmin == (quadrel::ClipPlane{0, 0, 1, 4.001}), c.quoi);
      QVERIFY2(pixelsverts(ecran()) < fondvert_ + 200, c.quoi);
      if (c.champ == z && c.position == 30) garder(QStringLiteral("section-invalide"));
    }
    taper(section_->kmin, QStringLiteral("-4"));
    // Another kind, with nothing typed yet: the z plane goes.
    choisir(section_->p3, {QStringLiteral("k")});
    section_->valk->setValue(30);
    section_->p2->click();
    QVERIFY(pixelsverts(ecran()) < fondvert_ + 200);
    // Closed with a section shown, opened again: the section is back before any turn.
    choisir(section_->p3, {QStringLiteral("k")});
    section_->close();
    QVERIFY(pixelsverts(ecran()) < fondvert_ + 200);
    ouvrir(*app_, 4);
    QVERIFY(pixelsverts(ecran()) > fondvert_ + 2000);
    section_->close();
  }

  void chaqueGenre() {
    ouvrir(*app_, 4);
    const struct {
      QRadioButton* genre;
      QStringList textes;
      const char* nom;
      int type;
    } cas[] = {
        {section_->p1, {QStringLiteral("k-1")}, "x", 1},
        {section_->p2, {QStringLiteral("k")}, "y", 2},
        {section_->p3, {QStringLiteral("k")}, "z", 3},
        {section_->p4, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("-3")}, "xy", 4}};
    for (const bool coupe : {true, false}) {
      app_->scene.coupeplan = coupe;
      for (const auto& c : cas) {
        choisir(c.genre, c.textes);
        section_->valk->setValue(30);
        const QImage img = image();
        QCOMPARE(app_->scene.typesection, c.type);
        QVERIFY(pixelsverts(img) > fondvert_ + 1000);
        garder(QStringLiteral("section-%1-%2")
                   .arg(QLatin1String(c.nom),
                        coupe ? QStringLiteral("coupe") : QStringLiteral("entiere")));
      }
    }
    app_->scene.coupeplan = true;
    section_->close();
  }

  void pointLibre() {
    ouvrir(*app_, 5);
    TPointlibre* p = app_->Pointlibre;
    QVERIFY(p->isVisible());
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("M(-1;-1;2)"));
    p->var2->click();
    QTest::mouseClick(p->boutons[0], Qt::LeftButton);
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("M(0;-1;1)"));
    garder(QStringLiteral("point"));
    // Shown again, the dialog puts M on its last plane at once (the general one: y = 1.5 at
    // x = 0); with the section x = 1 shown, M stays on that plane.
    ouvrir(*app_, 4);
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("M(0;1.5;2.25)"));
    choisir(section_->p1, {QStringLiteral("k-1")});
    section_->valk->setValue(30);
    QTest::mouseClick(p->boutons[0], Qt::LeftButton);
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("M(1;1.5;3.25)"));
    // Both dialogs open, k unfolded, for the eye.
    section_->plus1->click();
    const QString dossier = qEnvironmentVariable("QUADREL_IMAGES");
    if (!dossier.isEmpty())
      app_->fond->grab().save(QDir(dossier).filePath(QStringLiteral("dialogues.png")));
    section_->close();
    if (!dossier.isEmpty())
      app_->fond->grab().save(QDir(dossier).filePath(QStringLiteral("dialogue-point.png")));
    p->close();
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("Feuille"));
  }

  // 1/x has no height at x = 0: M is not drawn there and its caption says so.
  void pointSansHauteur() {
    Tfonction3d* f = fonction3d(*app_);
    ouvrir(*app_, 2);
    f->Edit1->clear();
    QTest::keyClicks(f->Edit1, QStringLiteral("1/x"));
    QTest::keyClick(f->Edit1, Qt::Key_Return);
    f->close();
    ouvrir(*app_, 5);
    TPointlibre* p = app_->Pointlibre;
    p->var2->setChecked(true);
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("M(-4;-4;-0.25)"));
    for (int k = 0; k < 4; ++k) QTest::mouseClick(p->boutons[0], Qt::LeftButton);
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("M(0;-4;?)"));
    const QString dossier = qEnvironmentVariable("QUADREL_IMAGES");
    if (!dossier.isEmpty())
      app_->fond->grab().save(QDir(dossier).filePath(QStringLiteral("point-sans-hauteur.png")));
    QTest::mouseClick(p->boutons[0], Qt::LeftButton);
    QCOMPARE(app_->Feuille->cadre()->windowTitle(), QStringLiteral("M(1;-4;1)"));
    p->close();
  }
};

QUADREL_GUI_TEST_MAIN(TestSectionBout)
#include "section_bout_test.moc"
