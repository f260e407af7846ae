// The render options dialog inside the started program: the axes-then-section handler on
// the real sheet, folding, hints, look and names (the partner rules: regles_test).
#include <QMdiSubWindow>

#include "dialogues.h"
#include "services/aiderapide.h"
#include "services/curseurs.h"
#include "services/sons.h"

class TestOptionrendu : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  Toptionrendu* d_ = nullptr;

  QList<QCheckBox*> boites() const {
    return {d_->eclairage, d_->aliasing,  d_->brouillard,   d_->rendu3d,   d_->foncblanc,
            d_->niveauxy,  d_->niveauz,   d_->transpsurf,   d_->transquad, d_->transplan,
            d_->voirplan,  d_->coupeplan, d_->intersections};
  }
  QCheckBox* boite(const QString& nom) const { return d_->findChild<QCheckBox*>(nom); }
  QStringList allumees() const {
    QStringList l;
    for (QCheckBox* c : boites())
      if (c->isChecked()) l << c->objectName();
    return l;
  }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
    d_ = optionrendu(*app_);
  }
  void cleanupTestCase() { app_.reset(); }

  void etatsDeDepartEtScene() {
    QCOMPARE(allumees(), (QStringList{"eclairage", "rendu3d", "niveauxy", "niveauz", "voirplan",
                                      "coupeplan", "intersections"}));
    const quadrel::Scene& s = app_->scene;
    bool quadrel::Scene::*options[13] = {
        &quadrel::Scene::eclairage,    &quadrel::Scene::aliasing,   &quadrel::Scene::brouillard,
        &quadrel::Scene::rendu3d,      &quadrel::Scene::foncblanc,  &quadrel::Scene::niveauxy,
        &quadrel::Scene::niveauz,      &quadrel::Scene::transpsurf, &quadrel::Scene::transquad,
        &quadrel::Scene::transplan,    &quadrel::Scene::voirplan,   &quadrel::Scene::coupeplan,
        &quadrel::Scene::intersections};
    for (int k = 0; k < 13; ++k) {
      QCOMPARE(s.*options[k], boites()[k]->isChecked());
      boites()[k]->toggle();
      QCOMPARE(s.*options[k], boites()[k]->isChecked());
      boites()[k]->toggle();
    }
  }

  // The axes restore the six planes, then the section cuts again.
  void axesPuisSection() {
    quadrel::Scene& s = app_->scene;
    for (QCheckBox* c : boites()) c->setChecked(true);
    d_->transpsurf->setChecked(false), d_->transquad->setChecked(false);
    d_->coupeplan->setChecked(false);
    s.formules[0].assign(1, '1'), s.actives = {true, false, false, false, false, false};
    s.choixsectionVisible = true;
    s.clipzmin = {0, 0, 1, 99};
    d_->coupeplan->click();
    QVERIFY(s.coupeplan);
    QVERIFY(std::abs(s.clipzmin[3] - 4.001) < 1e-9);  // the axes came first
    QVERIFY(std::abs(s.clipxmin[3] + 0.99) < 1e-9);   // then the cut at x = 1
    // Without the section dialog, only the axes.
    s.choixsectionVisible = false;
    s.clipzmin = {0, 0, 1, 99};
    d_->coupeplan->click();
    QVERIFY(std::abs(s.clipzmin[3] - 4.001) < 1e-9);
    QVERIFY(std::abs(s.clipxmin[3] - 4.001) < 1e-9);
    s.formules[0].clear();
  }

  void pliage() {
    ouvrir(*app_, 1);
    QVERIFY(d_->isVisible());
    QWidget* c = cadre(d_);
    QVERIFY(c != d_);
    QCOMPARE(c->x(), c->parentWidget()->width() - c->width() - 10);
    QCOMPARE(c->y(), cadre(app_->Feuille)->y() + 40);
    for (int g = 0; g < 4; ++g) {
      QCOMPARE(d_->groupes[g]->geometry(), QRect(0, 30 * g, 281, 30));
      QCOMPARE(d_->plus[g]->text(), QStringLiteral("+"));
    }
    QCOMPARE(d_->size(), QSize(281, 120));
    const int hauteur = c->height();
    QTest::mouseClick(d_->plus[1], Qt::LeftButton);
    QCOMPARE(d_->plus[1]->text(), QStringLiteral("-"));
    QCOMPARE(d_->groupes[1]->height(), 145);
    QCOMPARE(d_->groupes[2]->y(), 30 + 145);  // pushed down by 115
    QCOMPARE(d_->groupes[3]->y(), 30 + 145 + 30);
    QCOMPARE(d_->size(), QSize(281, 235));
    QCOMPARE(c->height(), hauteur + 115);
    // A folded group cuts its boxes off; an unfolded one holds them all.
    QVERIFY(d_->niveauz->geometry().bottom() < d_->groupes[1]->height());
    QVERIFY(d_->eclairage->y() >= d_->groupes[0]->height());
    const int tailles[4] = {129, 145, 121, 121};
    for (int g : {0, 2, 3}) {
      QTest::mouseClick(d_->plus[g], Qt::LeftButton);
      QCOMPARE(d_->groupes[g]->height(), tailles[g]);
    }
    QCOMPARE(d_->height(), 129 + 145 + 121 + 121);
    QTest::mouseClick(d_->plus[1], Qt::LeftButton);
    QCOMPARE(d_->plus[1]->text(), QStringLiteral("+"));
    QCOMPARE(d_->groupes[1]->height(), 30);
    QCOMPARE(d_->groupes[2]->y(), 129 + 30);
    // Closing and opening again folds everything.
    d_->close();
    QVERIFY(!d_->isVisible());
    QVERIFY(!c->isVisible());
    ouvrir(*app_, 1);
    for (int g = 0; g < 4; ++g) {
      QCOMPARE(d_->groupes[g]->geometry(), QRect(0, 30 * g, 281, 30));
      QCOMPARE(d_->plus[g]->text(), QStringLiteral("+"));
    }
    QCOMPARE(c->height(), hauteur);
  }

  // The screen shows the newly unfolded boxes as the dialog draws them: none left unpainted.
  void depliagePeint() {
    ouvrir(*app_, 1);
    QTest::qWait(50);
    for (int g = 0; g < 4; ++g) {
      QTest::mouseClick(d_->plus[g], Qt::LeftButton);
      QGroupBox* b = d_->groupes[g];
      const QPoint coin = b->mapToGlobal(QPoint(0, 0));
      const QImage attendu = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
      auto differents = [&] {
        const QImage vu = d_->screen()
                              ->grabWindow(0, coin.x(), coin.y(), b->width(), b->height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < b->height(); ++y)
          for (int x = 0; x < b->width(); ++x) n += vu.pixel(x, y) != attendu.pixel(x, y);
        return n;
      };
      QTRY_VERIFY2_WITH_TIMEOUT(differents() < 50, qPrintable(QString::number(differents())), 2000);
    }
    d_->close();
  }

  void indices_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addRow("eclairage") << "eclairage"
                               << QStringLiteral(
                                      "Active ou désactive l'éclairage du solide. Sans éclairage "
                                      "pas d'ombre, pas d'effet de relief. ");
    QTest::addRow("blanc") << "foncblanc" << QStringLiteral("La surface apparait en blanc");
    QTest::addRow("niveaux") << "niveauxy"
                             << QStringLiteral(
                                    "Pour tracer ou non les lignes de niveaux x=k et y=k.");
    for (const char* t : {"transpsurf", "transplan", "transquad"})
      QTest::addRow("%s", t) << t
                             << QStringLiteral("Pour rendre transparent par rapport au reste.");
    QTest::addRow("voirplan") << "voirplan"
                              << QStringLiteral("Pour rendre ou non Le plan de section invisible.");
    QTest::addRow("intersections")
        << "intersections"
        << QStringLiteral(
               "Pour calculer et afficher si possible les intersections entre le plan de section "
               "et les surfaces. Gourmand en ressource système,surtout dans le cas d'un plan du "
               "type z=k.");
  }
  void indices() {
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    ouvrir(*app_, 1);
    for (QPushButton* b : d_->plus)
      if (b->text() == QStringLiteral("+")) QTest::mouseClick(b, Qt::LeftButton);
    TAiderapide* a = app_->Aiderapide.get();
    a->hide();
    const bool avant = boite(nom)->isChecked();
    QTest::mouseClick(boite(nom), Qt::RightButton);
    QVERIFY(a->isVisible());
    QCOMPARE(a->helptext->toPlainText(), texte);
    QCOMPARE(boite(nom)->isChecked(), avant);  // a right click toggles nothing
    a->hide();
  }

  void allureEtNoms() {
    QCOMPARE(d_->windowTitle(), QStringLiteral("Visuel"));
    QCOMPARE(d_->palette().color(QPalette::Window), QColor(255, 251, 240));
    QVERIFY(d_->autoFillBackground());
    const char* titres[4] = {"      Rendu ", "      Surfaces", "      Transparence",
                             "      Sections"};
    for (int g = 0; g < 4; ++g) {
      QCOMPARE(d_->groupes[g]->title(), QLatin1String(titres[g]));
      QCOMPARE(d_->plus[g]->cursor().shape(), curseur(Role::main).shape());
    }
    for (QCheckBox* c : boites()) {
      QCOMPARE(c->accessibleName(), c->text());
      QCOMPARE(c->cursor().shape(), curseur(Role::main).shape());
    }
    QCOMPARE(d_->niveauxy->text(), QStringLiteral("Tracer les lignes de niveaux  x et y."));
    QCOMPARE(d_->rendu3d->text(), QStringLiteral("Tracer les surface en couleur."));
    QCOMPARE(d_->eclairage->text(), QStringLiteral("Activer l'éclairage des surfaces."));
    // Tab order within the groups.
    QCOMPARE(suivant(d_->transpsurf), static_cast<QWidget*>(d_->transplan));
    QCOMPARE(suivant(d_->transplan), static_cast<QWidget*>(d_->transquad));
    QCOMPARE(suivant(d_->intersections), static_cast<QWidget*>(d_->coupeplan));
    QCOMPARE(suivant(d_->coupeplan), static_cast<QWidget*>(d_->voirplan));
    // Rows follow the table: transquad stands above transplan.
    QVERIFY(d_->transquad->y() < d_->transplan->y());
    QCOMPARE(d_->transplan->y() - d_->transquad->y(), 24);
  }
};

QUADREL_GUI_TEST_MAIN(TestOptionrendu)
#include "optionrendu_test.moc"
