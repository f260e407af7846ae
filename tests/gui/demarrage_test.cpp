// Start-up: the windows in place, the about box for 1.5 s, the number format, a start
// without the kolu/ and wav/ folders, where those folders are found, and the way out.
#include "shell/demarrage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "principal.h"
#include "services/aiderapide.h"
#include "services/curseurs.h"
#include "services/sons.h"
#include "shell/apropos.h"
#include "shell/chemins.h"
#include "shell/fond.h"
#include "shell/outils.h"

class TestDemarrage : public QObject {
  Q_OBJECT

 private slots:
  // Runs first: cursors are read once per process.
  void sansKoluNiWav() {
    QTemporaryDir vide;
    const QString avant = QDir::currentPath();
    auto app = demarrer(vide.path());
    QVERIFY(QTest::qWaitForWindowExposed(app->fond.get()));
    QCOMPARE(QDir::currentPath(), avant);  // missing folders leave it as it was
    for (Role r : {Role::croix, Role::defaut, Role::sablier, Role::main, Role::fleche,
                   Role::glisser, Role::aide})
      QVERIFY(!curseurcharge(r));
    QCOMPARE(app->Feuille->cursor().shape(), Qt::CrossCursor);
    QVERIFY(app->Feuille->glok());
    QVERIFY(app->Feuille->imagesdessinees() >= 1);
    sons::jouer(QStringLiteral("click.wav"));  // silence, no fault
    QTest::mouseClick(app->outils->boutons[6], Qt::LeftButton);
    QTest::mouseClick(app->outils->boutons[10], Qt::RightButton);
    QVERIFY(app->Aiderapide->isVisible());
  }

  void avecRessources() {
    const QString avant = QDir::currentPath();
    auto app = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app->fond.get()));
    QCOMPARE(QDir::currentPath(), avant);  // files are read by full path
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1.5"));
    QCOMPARE(app->fond->windowTitle(), QStringLiteral("Quadrel"));
    QVERIFY(app->fond->isMaximized() || app->fond->isVisible());

    TApropos* a = app->Apropos.get();
    QVERIFY(a->isVisible());
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY((a->geometry().center() - centre).manhattanLength() <= 2);
    QCOMPARE(a->Label1->text(), QStringLiteral("Quadrel"));
    QVERIFY(!a->Image1->pixmap().isNull());
    QTRY_VERIFY_WITH_TIMEOUT(!a->isVisible(), 3000);

    QVERIFY(app->outils->isVisible());
    QVERIFY(!app->Aiderapide->isVisible());
    QCOMPARE(app->Feuille->cadre()->pos(), QPoint(0, 0));
    QVERIFY(curseurcharge(Role::aide));
    QCOMPARE(app->fond->zone->viewport()->cursor().shape(), Qt::BitmapCursor);

    // Closing the main window says goodbye and lets the sound start before the end.
    sons::viderjournal();
    QElapsedTimer fermeture;
    fermeture.start();
    QVERIFY(app->fond->close());
    QVERIFY(fermeture.elapsed() >= 500);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("fin.wav")});
  }

  // Installed: <prefix>/bin beside <prefix>/share/quadrel. Build tree: beside the binary.
  void dossierDesRessources() {
    QTemporaryDir racine;
    const QString bin = racine.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(dossierRessources(bin), bin);
    QVERIFY(QDir().mkpath(racine.filePath(QStringLiteral("share/quadrel"))));
    QCOMPARE(dossierRessources(bin), racine.filePath(QStringLiteral("share/quadrel")));
  }

  // "Quitter" in the running program: one goodbye, one wait, then the event loop ends.
  void quitter() {
    auto app = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app->fond.get()));
    sons::viderjournal();
    const int avant = attentes();
    QTimer::singleShot(0, app->outils,
                       [&] { QTest::mouseClick(app->outils->boutons[11], Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // the loop did not end
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("fin.wav")});
    QCOMPARE(attentes(), avant + 1);
  }
};

QUADREL_GUI_TEST_MAIN(TestDemarrage)
#include "demarrage_test.moc"
