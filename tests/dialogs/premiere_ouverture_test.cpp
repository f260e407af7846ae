// Every dialog where it belongs the very first time it opens, before its child window has
// ever had a size: centred in the main window's visible area, or against its right edge
// 40 px below the sheet's top.
#include <QMdiSubWindow>

#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"
#include "solides.h"

class TestPremiereOuverture : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
  }
  void cleanupTestCase() { app_.reset(); }

  void placesDesLaPremiereFois() {
    enum Place { centre, droite };
    const Quadriques& q = app_->quadriques;
    // Palette button (3: through the solid chooser's button), dialog, place.
    const std::tuple<int, int, DialogBase*, Place> cas[] = {
        {2, -1, app_->fonction3d, centre},  {0, -1, app_->optionrepere, droite},
        {1, -1, app_->optionrendu, droite}, {4, -1, app_->choixsection, droite},
        {5, -1, app_->Pointlibre, droite},  {3, 0, q.caraccube, centre},
        {3, 1, q.caraccyl, centre},         {3, 2, q.caracpyr, centre},
        {3, 3, q.caraccone, centre},        {3, 4, q.caracsphere, centre},
    };
    for (auto [bouton, solide, d, place] : cas) {
      ouvrir(*app_, bouton);
      if (solide >= 0) QTest::mouseClick(q.choixquadrics->boutons[solide], Qt::LeftButton);
      QWidget* c = cadre(d);
      QVERIFY(c != d && c->isVisible());
      const QSize z = c->parentWidget()->size(), t = c->size();
      const QPoint attendu =
          place == centre ? QPoint((z.width() - t.width()) / 2, (z.height() - t.height()) / 2)
                          : QPoint(z.width() - t.width() - 10, cadre(app_->Feuille)->y() + 40);
      QVERIFY2(c->pos() == attendu,
               qPrintable(d->windowTitle() + QStringLiteral(" en %1,%2 au lieu de %3,%4")
                                                 .arg(c->x())
                                                 .arg(c->y())
                                                 .arg(attendu.x())
                                                 .arg(attendu.y())));
      QCOMPARE(t, c->sizeHint());
      ranger(d);
    }
  }
};

QUADREL_GUI_TEST_MAIN(TestPremiereOuverture)
#include "premiere_ouverture_test.moc"
