// The sheet in the started program: what its first frame shows, the mouse wiring, a frame
// that fails, dialogs over the sheet, and GL lists that survive a change of window.
#include <QAccessible>
#include <QMatrix4x4>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <memory>
#include <stdexcept>

#include "principal.h"
#include "shell/demarrage.h"
#include "shell/fond.h"
#include "view/camera.h"

namespace {

bool sombre(QRgb p) {
  return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128;
}

// Whether a dark pixel lies within 3 px of where the scene point projects.
bool sombrepres(const QImage& img, QSize exterieur, QVector3D point, float zoom) {
  QMatrix4x4 pv;
  pv.perspective(45, float(exterieur.width()) / exterieur.height(), 0.1f, 500);
  pv.lookAt({10, 10, 10}, {0, 0, 0}, {0, 0, 1});
  pv.scale(zoom);
  const QVector3D ndc = pv.map(point);
  // The viewport is the outer size, from the bottom-left corner of the drawing area.
  const int x = int((ndc.x() + 1) / 2 * exterieur.width());
  const int y = img.height() - 1 - int((ndc.y() + 1) / 2 * exterieur.height());
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx)
      if (img.valid(x + dx, y + dy) && sombre(img.pixel(x + dx, y + dy))) return true;
  return false;
}

}  // namespace

class TestFeuille : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  TFeuille* feuille() { return app_->Feuille; }

  void verifierrepere() {
    const QImage img = feuille()->image();
    QVERIFY(!img.isNull());
    QCOMPARE(QColor(img.pixel(5, 5)), QColor(Qt::white));
    QCOMPARE(QColor(img.pixel(img.width() - 5, img.height() - 5)), QColor(Qt::white));
    for (float x : {-2.5f, -1.5f, 1.5f, 2.5f, 3.5f})
      QVERIFY2(sombrepres(img, feuille()->taille(), {x, 0, 0}, feuille()->scene.zoom),
               qPrintable(QStringLiteral("x axis at %1").arg(x)));
    // Away from the axes the sheet is blank.
    QVERIFY(!sombrepres(img, feuille()->taille(), {2, -2, 0}, feuille()->scene.zoom));
  }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
  }
  void cleanupTestCase() { app_.reset(); }

  void creeeEnHautAGauche() {
    QVERIFY(feuille()->glok());
    QVERIFY(feuille()->imagesdessinees() >= 1);
    QCOMPARE(feuille()->cadre()->pos(), QPoint(0, 0));
    QCOMPARE(feuille()->taille(), app_->fond->size() - QSize(180, 100));
    QCOMPARE(feuille()->cadre()->size(), feuille()->taille());
    QCOMPARE(feuille()->cadre()->windowTitle(), QStringLiteral("Feuille"));
  }

  void premiereImage() { verifierrepere(); }

  // The keyboard turns the sheet once it has the focus; a screen reader reads what it shows.
  void clavierEtDescription() {
    QCOMPARE(feuille()->focusPolicy(), Qt::StrongFocus);
    const float rotz = feuille()->scene.rotz;
    const int images = feuille()->imagesdessinees();
    QTest::keyClick(feuille(), Qt::Key_Left);
    QCOMPARE(feuille()->scene.rotz, rotz + quadrel::kPasClavier);
    QCOMPARE(feuille()->imagesdessinees(), images + 1);
    QTest::keyClick(feuille(), Qt::Key_Home);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(feuille());
    QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Feuille"));
    QCOMPARE(i->text(QAccessible::Description), QStringLiteral("Aucune surface."));
  }

  void sourisTourneZoomeEtRevient() {
    const int avant = feuille()->imagesdessinees();
    QTest::mousePress(feuille(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(feuille(), QPoint(110, 100));
    QTRY_COMPARE(feuille()->scene.rotz, -5.f);
    QVERIFY(feuille()->imagesdessinees() > avant);
    QTest::mouseRelease(feuille(), Qt::LeftButton, {}, QPoint(110, 100));
    QCOMPARE(feuille()->scene.modesouris, 0);
    QWheelEvent roue(QPointF(50, 50), feuille()->mapToGlobal(QPointF(50, 50)), {}, {0, 120},
                     Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(feuille(), &roue);
    QCOMPARE(feuille()->scene.zoom, 0.75f * 0.9f);
    // What reaches the screen after the drag is a frame, not an emptied buffer.
    QTest::qWait(200);
    const QImage ecran = feuille()->screen()->grabWindow(app_->fond->winId()).toImage();
    const QRect zone(feuille()->mapTo(app_->fond.get(), QPoint(0, 0)), feuille()->size());
    int sombres = 0;
    for (int y = zone.top(); y < zone.bottom(); y += 2)
      for (int x = zone.left(); x < zone.right(); x += 2) sombres += sombre(ecran.pixel(x, y));
    QVERIFY2(sombres > 100, qPrintable(QString::number(sombres)));
    QTest::mouseClick(feuille(), Qt::MiddleButton, {}, QPoint(50, 50));
    QCOMPARE(feuille()->scene.rotz, 0.f);
    QCOMPARE(feuille()->scene.zoom, 0.75f);
    verifierrepere();
  }

  // Frames copy to the screen only the rows they changed: after a turn drawn that way, and
  // a last frame that changes nothing, the screen shows exactly the sheet's frame.
  void ecranEgalImage() {
    QTest::mousePress(feuille(), Qt::LeftButton, {}, QPoint(200, 200));
    for (const QPoint p : {QPoint(260, 200), QPoint(260, 120), QPoint(150, 320)})
      QTest::mouseMove(feuille(), p);
    QTest::mouseRelease(feuille(), Qt::LeftButton, {}, QPoint(150, 320));
    feuille()->FormPaint();
    QTest::qWait(100);
    const QImage image = feuille()->image().convertToFormat(QImage::Format_RGB32);
    const QRect zone(feuille()->mapTo(app_->fond.get(), QPoint(0, 0)), feuille()->size());
    const QImage ecran = feuille()
                             ->screen()
                             ->grabWindow(app_->fond->winId())
                             .toImage()
                             .copy(zone)
                             .convertToFormat(QImage::Format_RGB32);
    // Other windows (the welcome box) may lie over the sheet: their pixels are not the
    // sheet's.
    QRegion dessous;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w != app_->fond.get())
        dessous += QRect(feuille()->mapFromGlobal(w->frameGeometry().topLeft()),
                         w->frameGeometry().size());
    int differents = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        differents += !dessous.contains(QPoint(x, y)) && ecran.pixel(x, y) != image.pixel(x, y);
    QCOMPARE(differents, 0);
    QTest::mouseClick(feuille(), Qt::MiddleButton, {}, QPoint(50, 50));
  }

  // What the screen shows: a dialog placed over the sheet stays above it when the sheet is
  // clicked and while it draws frames under it, and the sheet shows around the dialog.
  void dialogueAuDessus() {
    constexpr QRgb magenta = 0xffff00ff;
    auto* dialogue = new QWidget;
    dialogue->setAutoFillBackground(true);
    QPalette p = dialogue->palette();
    p.setColor(QPalette::Window, QColor(magenta));
    dialogue->setPalette(p);
    dialogue->setFixedSize(220, 160);
    QMdiSubWindow* cadre = app_->fond->zone->addSubWindow(dialogue);
    cadre->move(60, 60);  // clear of the about box, a window of its own
    cadre->show();
    app_->fond->zone->setActiveSubWindow(feuille()->cadre());  // as a click on the sheet
    QTest::mousePress(feuille(), Qt::LeftButton, {}, QPoint(100, 100));
    for (int x = 102; x < 140; x += 2) QTest::mouseMove(feuille(), QPoint(x, 100));
    QTest::mouseRelease(feuille(), Qt::LeftButton, {}, QPoint(140, 100));
    QTest::qWait(200);
    const QImage ecran = feuille()->screen()->grabWindow(app_->fond->winId()).toImage();
    const QRect dessus(dialogue->mapTo(app_->fond.get(), QPoint(0, 0)), dialogue->size());
    for (QPoint q :
         {dessus.center(), dessus.topLeft() + QPoint(2, 2), dessus.bottomRight() - QPoint(2, 2)})
      QCOMPARE(ecran.pixel(q) | 0xff000000, magenta);
    const QPoint cote = feuille()->mapTo(app_->fond.get(), QPoint(5, 5));
    QCOMPARE(QColor(ecran.pixel(cote)), QColor(Qt::white));
    delete cadre;
    QTest::mouseClick(feuille(), Qt::MiddleButton, {}, QPoint(50, 50));
  }

  // A hook that throws ends the frame, never the program: the busy flag and the cursor
  // are released, a nested request during a frame is dropped, every failure is said on
  // stderr and the user is told once in the run.
  void imageQuiEchoue() {
    quadrel::Scene& s = feuille()->scene;
    int appels = 0;
    const auto solide = feuille()->crochets.dessinesolide;
    feuille()->crochets.dessinesolide = [&](const quadrel::EntreesSolide&, quadrel::DrawList&,
                                            bool) {
      ++appels;
      feuille()->FormPaint();  // dropped: a frame is being drawn
      if (appels == 1) throw std::runtime_error("solide");
      throw 42;
    };
    s.quadriqueok = true, s.typequadrique = 1;
    const int avant = feuille()->imagesdessinees();
    QTest::ignoreMessage(QtWarningMsg, "quadrel: a frame was cut short: solide");
    QTest::ignoreMessage(QtWarningMsg, "quadrel: a frame was cut short: not a standard exception");
    for (int k = 1; k <= 2; ++k) {
      feuille()->FormPaint();
      QCOMPARE(appels, k);
      QVERIFY(!s.dessinencours);
      QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }
    QCOMPARE(feuille()->imagesdessinees(), avant);
    QTest::qWait(50);
    QList<QMessageBox*> boites;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) boites << b;
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites[0]->windowTitle(), QStringLiteral("Feuille"));
    boites[0]->accept();
    s.quadriqueok = false, s.typequadrique = 0;
    feuille()->crochets.dessinesolide = solide;
    feuille()->FormPaint();
    QCOMPARE(feuille()->imagesdessinees(), avant + 1);
  }

  // The sheet keeps drawing, lists and glyphs included, when it changes top-level window.
  // Last: the sheet leaves the main window for good.
  void nouveauContexte() {
    QWidget autre;
    autre.resize(feuille()->size());
    feuille()->setParent(&autre);
    feuille()->move(0, 0);
    autre.show();
    feuille()->show();
    QVERIFY(QTest::qWaitForWindowExposed(&autre));
    feuille()->FormPaint();
    QVERIFY(feuille()->glok());
    verifierrepere();
    delete feuille();
  }
};

QUADREL_GUI_TEST_MAIN(TestFeuille)
#include "feuille_test.moc"
