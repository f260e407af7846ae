// On a classroom projector's small screen, the palette and every dialog stay within the
// main window's visible area, whatever was unfolded.
#include <QMdiSubWindow>
#include <QRegularExpression>

#include "onze.h"

class TestPetitEcran : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;

  // Inside the area, or, when larger than it, from its top left edge.
  static void dedans(QWidget* fenetre) {
    QWidget* c = cadre(fenetre);
    QVERIFY(c != fenetre && c->isVisible());
    const QRect zone = c->parentWidget()->rect(), g = c->geometry();
    const QString quoi = fenetre->windowTitle() + QStringLiteral(" %1,%2 %3x%4 dans %5x%6")
                                                      .arg(g.x())
                                                      .arg(g.y())
                                                      .arg(g.width())
                                                      .arg(g.height())
                                                      .arg(zone.width())
                                                      .arg(zone.height());
    for (auto [debut, taille, place] : {std::tuple{g.x(), g.width(), zone.width()},
                                        std::tuple{g.y(), g.height(), zone.height()}}) {
      QVERIFY2(debut >= 0, qPrintable(quoi));
      QVERIFY2(taille > place ? debut == 0 : debut + taille <= place, qPrintable(quoi));
    }
  }

 private slots:
  void initTestCase() {
    app_ = demarreractif();
    QVERIFY(app_);
  }
  void cleanupTestCase() { app_.reset(); }

  void paletteEtDialogues() {
    QVERIFY(app_->fond->width() <= 800);
    dedans(app_->outils);
    for (int bouton : {0, 1, 2}) {
      ouvrir(*app_, bouton);
      QTest::qWait(20);
    }
    dedans(optionrepere(*app_));
    dedans(fonction3d(*app_));
    Toptionrendu* visuel = optionrendu(*app_);
    dedans(visuel);
    for (QPushButton* plus : visuel->plus) {
      QTest::mouseClick(plus, Qt::LeftButton);
      dedans(visuel);
    }
  }

  // Every group unfolded, each control of each dialog can be brought into view (given the
  // focus, as Tab does, or scrolled to) and clicked there.
  void toutAPortee() {
    for (const Ouverture& o : onze(*app_)) {
      ouvrir(*app_, o);
      for (QPushButton* plus : o.d->findChildren<QPushButton*>(QRegularExpression("^plus\\d$")))
        if (plus->text() == QStringLiteral("+")) QTest::mouseClick(plus, Qt::LeftButton);
      dedans(o.d);
      for (QWidget* w : controles(o.d)) {
        if (w->isEnabled()) w->setFocus();
        QVERIFY2(montre(w), qPrintable(o.d->windowTitle() + QLatin1Char(' ') + w->objectName()));
      }
      QVERIFY2(caches(o.d).isEmpty(), qPrintable(caches(o.d).join(',')));
      ranger(o.d);
    }
  }
};

QUADREL_GUI_TEST_MAIN(TestPetitEcran)
#include "petitecran_test.moc"
