// The frame dialog inside the started program: key filter, Enter and its rules against
// the current bounds, colours, focus moves, help, place (the rebuilds: regles_test).
#include <QMdiSubWindow>

#include "dialogues.h"
#include "services/aiderapide.h"
#include "services/sons.h"

namespace {
const QColor kBleu(0, 0, 255), kRouge(255, 0, 0), kNoir(0, 0, 0);
}

class TestOptionrepere : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  Toptionrepere* d_ = nullptr;
  quadrel::Scene& scene() { return app_->scene; }

  // Replaces the text of field `ordre` by typing (after "=": as the program writes it),
  // then presses Enter.
  void entrer(int ordre, const QString& texte) {
    QLineEdit* e = d_->champs[ordre];
    e->setFocus();
    e->clear();
    if (texte.startsWith(u'='))
      champ::ecrire(e, texte.mid(1));
    else
      QTest::keyClicks(e, texte);
    QTest::keyClick(e, Qt::Key_Return);
  }
  void defauts() {
    quadrel::Scene& s = scene();
    s.xmin = s.ymin = s.zmin = -4;
    s.xmax = s.ymax = s.zmax = 4;
    s.gradx = s.grady = s.gradz = 1;
  }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
    d_ = optionrepere(*app_);
  }
  void cleanupTestCase() { app_.reset(); }
  void init() {
    ranger(d_);
    defauts();
    app_->Feuille->prepareaxe();
    ouvrir(*app_, 0);
    QVERIFY(d_->isVisible());
    sons::viderjournal();
  }

  void ouvertALaPlaceAvecLesValeurs() {
    QWidget* c = cadre(d_);
    QVERIFY(c != d_);
    QCOMPARE(c->x(), c->parentWidget()->width() - c->width() - 10);
    QCOMPARE(c->y(), cadre(app_->Feuille)->y() + 40);
    QCOMPARE(d_->windowTitle(), QStringLiteral("Repère"));
    QCOMPARE(d_->size(), QSize(360, 298));
    QCOMPARE(d_->focusWidget(), d_->champs[0]);
    const char* attendu[9] = {"-4", "4", "1", "-4", "4", "1", "-4", "4", "1"};
    for (int k = 0; k < 9; ++k) QCOMPARE(d_->champs[k]->text(), QLatin1String(attendu[k]));
    scene().gradx = 0.1L;
    scene().ymax = 2.5L;
    d_->FormShow();
    QCOMPARE(d_->champs[2]->text(), QStringLiteral("0.1"));
    QCOMPARE(d_->champs[4]->text(), QStringLiteral("2.5"));
  }

  void filtreDeTouches() {
    QLineEdit* e = d_->champs[1];
    e->clear();
    quadrel::Scene avant = scene();
    QTest::keyClicks(e, QStringLiteral("a1b-. 2+*x3E,"));
    QCOMPARE(e->text(), QStringLiteral("1-.23"));
    QCOMPARE(champ::couleur(e), kBleu);
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), QStringLiteral("1-.2"));
    QCOMPARE(scene().xmax, avant.xmax);  // nothing stored before Enter
  }

  void regles_data() {
    QTest::addColumn<int>("ordre");
    QTest::addColumn<double>("bas");  // the axis' bounds before the entry
    QTest::addColumn<double>("haut");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<double>("valeur");  // the frame value afterwards
    QTest::addRow("xmin 0") << 0 << -4. << 4. << "0" << kNoir << 0.;
    QTest::addRow("xmin 1") << 0 << -4. << 4. << "1" << kRouge << -4.;
    QTest::addRow("xmin -2.5") << 0 << -4. << 4. << "-2.5" << kNoir << -2.5;
    QTest::addRow("xmax 4 sur 0") << 1 << 0. << 1. << "4" << kNoir << 4.;
    QTest::addRow("xmax 0 sur 0") << 1 << 0. << 1. << "0" << kRouge << 1.;
    QTest::addRow("xmax -1") << 1 << -4. << 4. << "-1" << kRouge << 4.;
    QTest::addRow("gradx 8") << 2 << -4. << 4. << "8" << kRouge << 1.;
    QTest::addRow("gradx 7.99") << 2 << -4. << 4. << "7.99" << kNoir << 7.99;
    QTest::addRow("gradx 0") << 2 << -4. << 4. << "0" << kRouge << 1.;
    QTest::addRow("ymin sans nombre") << 3 << -4. << 4. << "-" << kBleu << -4.;
    QTest::addRow("ymax 0.5") << 4 << -4. << 4. << "0.5" << kNoir << 0.5;
    QTest::addRow("grady -1") << 5 << -4. << 4. << "-1" << kRouge << 1.;
    QTest::addRow("zmin 0 sur 0") << 6 << -4. << 0. << "0" << kRouge << -4.;
    QTest::addRow("zmax vide") << 7 << -4. << 4. << "" << kBleu << 4.;
    QTest::addRow("gradz 2") << 8 << -1. << 3. << "2" << kNoir << 2.;
    QTest::addRow("gradz 4") << 8 << -1. << 3. << "4" << kRouge << 1.;
    // Numbers, and the box's width and bounds in graduations, beyond what can be drawn.
    const QString neufs = QString(250, u'9');
    QTest::addRow("xmax 1E4000") << 1 << -4. << 4. << "=1E4000" << kRouge << 4.;
    QTest::addRow("xmax 250 chiffres") << 1 << -4. << 4. << neufs << kNoir << 1e250;
    QTest::addRow("xmin ecart trop grand") << 0 << -4. << 1e300 << "-" + neufs << kRouge << -4.;
    QTest::addRow("gradx trop fine")
        << 2 << -4. << 1e250 << "0." + QString(99, u'0') + "1" << kRouge << 1.;
  }
  void regles() {
    QFETCH(int, ordre);
    QFETCH(double, bas);
    QFETCH(double, haut);
    QFETCH(QString, texte);
    QFETCH(QColor, couleur);
    QFETCH(double, valeur);
    const int axe = ordre / 3 * 3;
    d_->valeur(axe) = bas;
    d_->valeur(axe + 1) = haut;
    entrer(ordre, texte);
    QCOMPARE(champ::couleur(d_->champs[ordre]), couleur);
    QCOMPARE(double(d_->valeur(ordre)), valeur);
    // A refused or unreadable entry keeps the focus.
    if (couleur != kNoir) QCOMPARE(d_->focusWidget(), d_->champs[ordre]);
  }

  void ordreDesSaisies() {
    entrer(1, QStringLiteral("0"));  // Xmax first: 0 > -4
    QCOMPARE(double(scene().xmax), 0.);
    entrer(0, QStringLiteral("0"));  // legal while Xmax was 4, not now
    QCOMPARE(champ::couleur(d_->champs[0]), kRouge);
    QCOMPARE(double(scene().xmin), -4.);
    entrer(5, QStringLiteral("7"));  // graduation fits the y range of 8
    entrer(4, QStringLiteral("1"));  // narrows y to 5; the graduation is not checked again
    QCOMPARE(double(scene().ymax), 1.);
    QCOMPARE(double(scene().grady), 7.);
  }

  void focusSuitLOrdre() {
    for (int k = 0; k < 9; ++k) {
      d_->champs[k]->setFocus();
      QTest::keyClick(d_->champs[k], Qt::Key_Return);  // the value shown, accepted
      QCOMPARE(champ::couleur(d_->champs[k]), kNoir);
      QWidget* suivant = k == 8 ? static_cast<QWidget*>(d_->Go) : d_->champs[k + 1];
      QCOMPARE(d_->focusWidget(), suivant);
    }
    const char* noms[9] = {"Edit1", "Edit2", "Edit7", "Edit3", "Edit4",
                           "edit8", "Edit5", "Edit6", "Edit9"};
    QWidget* chaine[13] = {d_->champs[0], d_->champs[1],   d_->champs[2],   d_->champs[3],
                           d_->champs[4], d_->champs[5],   d_->champs[6],   d_->champs[7],
                           d_->champs[8], d_->reperetype1, d_->reperetype2, d_->Go,
                           d_->maskrepere};
    for (int k = 0; k < 9; ++k) QCOMPARE(d_->champs[k]->objectName(), QLatin1String(noms[k]));
    for (int k = 0; k + 1 < 13; ++k) QCOMPARE(suivant(chaine[k]), chaine[k + 1]);
  }

  void aideAuClicDroit() {
    TAiderapide* a = app_->Aiderapide.get();
    for (QWidget* w : {static_cast<QWidget*>(d_->champs[8]), static_cast<QWidget*>(d_->Go),
                       static_cast<QWidget*>(d_->maskrepere), static_cast<QWidget*>(d_)}) {
      a->hide();
      QTest::mouseClick(w, Qt::RightButton, {}, QPoint(5, 5));
      QVERIFY(a->isVisible());
      QCOMPARE(a->helptext->toPlainText(), Toptionrepere::texteaide());
    }
    QVERIFY(Toptionrepere::texteaide().startsWith(
        QStringLiteral("Entrez ici les dimensions et le style du repère. Plus il est \"vaste\"")));
    a->hide();
    QTest::mouseClick(d_->champs[0], Qt::LeftButton);
    QVERIFY(!a->isVisible());
  }

  void nomsAccessibles() {
    const char* etiquettes[9] = {"Xmin ", "Xmax", "Graduation en x",
                                 "Ymin",  "Ymax", "Graduation en y",
                                 "Zmin",  "Zmax", "Graduation en z"};
    for (int k = 0; k < 9; ++k) {
      QCOMPARE(d_->champs[k]->accessibleName(), QLatin1String(etiquettes[k]));
      QCOMPARE(d_->etiquettes[k]->text(), QLatin1String(etiquettes[k]));
    }
    QCOMPARE(d_->Go->accessibleName(), QStringLiteral("Go"));
    QCOMPARE(d_->maskrepere->accessibleName(), QStringLiteral("Masquer le repère."));
    QCOMPARE(d_->reperetype1->text(), QStringLiteral("Voir les axes du repère."));
    QCOMPARE(d_->reperetype2->text(), QStringLiteral("Quadriller le repère."));
    QCOMPARE(d_->maskrepere->text(), QStringLiteral("Masquer le repère."));
  }

  void goPrendLeFocusAuSurvol() {
    d_->champs[0]->setFocus();
    QTest::mouseMove(d_->Go);
    QTRY_COMPARE(d_->focusWidget(), static_cast<QWidget*>(d_->Go));
  }
};

QUADREL_GUI_TEST_MAIN(TestOptionrepere)
#include "optionrepere_test.moc"
