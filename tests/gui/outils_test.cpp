// The palette inside the started program: hover caption, press sounds, right-click help,
// the quick help popup's timer, the clipboard copy, names and focus order.
#include "shell/outils.h"

#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QScreen>
#include <memory>

#include "principal.h"
#include "services/aiderapide.h"
#include "services/dialog_base.h"
#include "services/sons.h"
#include "shell/apropos.h"
#include "shell/demarrage.h"
#include "shell/fond.h"
#include "solids/gui/choixquadrics.h"

class TestOutils : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  Toutils* outils() { return app_->outils; }
  TAiderapide* aide() { return app_->Aiderapide.get(); }
  QToolButton* bouton(int k) { return outils()->boutons[k]; }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
    QTRY_VERIFY(outils()->isVisible());
  }
  void cleanupTestCase() { app_.reset(); }
  void init() {
    sons::viderjournal();
    aide()->Timer1.stop();
    aide()->Timer1.setInterval(4000);
    aide()->hide();
    aide()->Timer1.stop();
  }

  void placeeAuBordDroit() {
    QWidget* c = cadre(outils());
    QCOMPARE(c->x(), app_->fond->width() - c->width() - 50);
    QCOMPARE(c->y(), 400);
    for (int k = 0; k < 12; ++k)
      QCOMPARE(bouton(k)->geometry(), QRect(k % 2 * 40, k / 2 * 40, 40, 40));
  }

  void survolPuisFond() {
    QTest::mouseMove(bouton(4));
    QTRY_COMPARE(outils()->legende(), QStringLiteral("Section_plane"));
    QCOMPARE(bouton(4)->window()->focusWidget(), bouton(4));
    QTest::mouseMove(bouton(3));
    QTRY_COMPARE(outils()->legende(), QStringLiteral("Quadriques"));
    QWidget* fond = app_->fond->zone->viewport();
    QTest::mouseMove(fond, QPoint(20, fond->height() - 20));
    QTRY_COMPARE(outils()->legende(), QStringLiteral("Outils"));
  }

  void clicDroitExplique_data() {
    QTest::addColumn<int>("ordre");
    QTest::addColumn<QString>("texte");
    for (int k = 0; k < 12; ++k) QTest::addRow("%d", k) << k << Toutils::explications()[k];
    // The texts as the user reads them; the quotes are part of them.
    QTest::addRow("repere exact")
        << 0
        << QStringLiteral(
               "Pour définir le repère.Attention, plus il est \"vaste\" plus les "
               "calculs seront importants et le rendu lent.");
    QTest::addRow("section exact")
        << 4
        << QStringLiteral(
               "Pour définir et afficher un plan de section. Différents options "
               "sont disponibles dans la partie \"rendu visuel\".");
    QTest::addRow("videoprojecteur")
        << 7
        << QStringLiteral(
               "Si vous utilisez un videoprojecteur, il faut IMPERATIVEMENT "
               "l'utiliser en affichage principal ou la feuille apparaitra vide. "
               "Allez dans les options de la carte graphique pour selectionner le "
               "mode adéquate .");
    QTest::addRow("aide") << 10
                          << QStringLiteral(
                                 "Cliquez avec le bouton de droite sur la zone où vous avez besoin "
                                 "d'aide.");
  }
  void clicDroitExplique() {
    QFETCH(int, ordre);
    QFETCH(QString, texte);
    if (texte.isEmpty()) QSKIP("runs its click action instead");
    QTest::mouseClick(bouton(ordre), Qt::RightButton);
    QVERIFY(aide()->isVisible());
    QCOMPARE(aide()->helptext->toPlainText(), texte);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("click.wav")});
  }

  void aideGaucheCommeDroite() {
    QTest::mouseClick(bouton(10), Qt::LeftButton);
    const QString gauche = aide()->helptext->toPlainText();
    QCOMPARE(gauche, Toutils::texteaide());
    aide()->hide();
    QTest::mouseClick(bouton(10), Qt::RightButton);
    QCOMPARE(aide()->helptext->toPlainText(), gauche);
  }

  void exportCopieLaFeuille() {
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(bouton(6), Qt::RightButton);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("click.wav")});
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    sons::viderjournal();
    QTest::mouseClick(bouton(6), Qt::LeftButton);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("copie.wav")});
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.size(), app_->Feuille->taille() - QSize(11, 45));
    // A 256-colour picture of the white sheet with its dark axes.
    const QImage indexee = image.convertToFormat(QImage::Format_Indexed8);
    QVERIFY(indexee.colorCount() <= 256);
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(Qt::white));
  }

  void boutonSansDialogueNeFaitRien() {
    const int avant = app_->fond->zone->subWindowList().size();
    app_->outils->setdialogue(3, nullptr);  // as before the solids had their chooser
    QTest::mouseClick(bouton(3), Qt::LeftButton);
    app_->outils->setdialogue(3, app_->quadriques.choixquadrics);
    QCOMPARE(app_->fond->zone->subWindowList().size(), avant);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("click.wav")});
  }

  // A second click while the box is up does not restart its 1.5 s.
  void aproposReste15sDepuisLePremierClic() {
    TApropos* a = app_->Apropos.get();
    QTRY_VERIFY_WITH_TIMEOUT(!a->isVisible(), 5000);
    QElapsedTimer depuis;
    QTest::mouseClick(bouton(8), Qt::LeftButton);
    depuis.start();
    QVERIFY(a->isVisible());
    QTest::qWait(1000);
    QTest::mouseClick(bouton(8), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!a->isVisible(), 5000);
    QVERIFY2(depuis.elapsed() < 2300, qPrintable(QString::number(depuis.elapsed())));
  }

  // Left of the mouse and centred on it, unless that leaves the screen: near an edge it
  // stays whole on the screen.
  void aidePlaceeAGaucheDeLaSouris() {
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
      QPoint souris, place;
    } cas[] = {{{700, 500}, {700 - 257 - 20, 500 - 161 / 2}},
               {{ecran.left() + 100, ecran.top() + 10}, {ecran.left(), ecran.top()}},
               {{ecran.right() - 5, ecran.bottom() - 5},
                {ecran.right() - 5 - 257 - 20, ecran.bottom() + 1 - 161}}};
    for (const auto& c : cas) {
      QCursor::setPos(c.souris);
      QTRY_COMPARE(QCursor::pos(), c.souris);
      aide()->montrer(QStringLiteral("x"));
      QCOMPARE(aide()->pos(), c.place);
      aide()->hide();
    }
  }

  // The count runs from the first show: a second text does not buy more time.
  void minuterieNonRelancee() {
    aide()->Timer1.setInterval(1000);
    QElapsedTimer depuis;
    aide()->montrer(QStringLiteral("premier"));
    depuis.start();
    QTest::qWait(600);
    aide()->montrer(QStringLiteral("second"));
    QVERIFY(aide()->isVisible());
    QCOMPARE(aide()->helptext->toPlainText(), QStringLiteral("second"));
    QTRY_VERIFY_WITH_TIMEOUT(!aide()->isVisible(), 5000);
    QVERIFY2(depuis.elapsed() < 1500, qPrintable(QString::number(depuis.elapsed())));
    // The hide re-armed the timer; its next tick finds nothing to do and stops it.
    QVERIFY(aide()->Timer1.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!aide()->Timer1.isActive(), 5000);
    QVERIFY(!aide()->isVisible());
  }

  void clicSurLAideLaCache() {
    aide()->montrer(QStringLiteral("texte"));
    sons::viderjournal();
    QTest::mouseClick(aide()->helptext->viewport(), Qt::LeftButton);
    QVERIFY(!aide()->isVisible());
    QVERIFY(!aide()->Timer1.isActive());
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("click.wav")});
  }

  void nomsEtOrdreDeTabulation() {
    for (int k = 0; k < 12; ++k) {
      QCOMPARE(bouton(k)->accessibleName(), Toutils::noms()[k]);
      if (k < 11) QCOMPARE(bouton(k)->nextInFocusChain(), bouton(k + 1));
    }
    QCOMPARE(Toutils::noms().front(), QStringLiteral("Repere"));
    QCOMPARE(Toutils::noms().back(), QStringLiteral("Quitter"));
  }
};

QUADREL_GUI_TEST_MAIN(TestOutils)
#include "outils_test.moc"
