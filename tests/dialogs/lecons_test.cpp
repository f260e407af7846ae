// Lessons in the window: every example opens whole, saves to the bytes it would write
// again, reopens to the same scene, and a change is noticed (the view aside).
#include "shell/lecons.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <variant>

#include "matutil.h"
#include "onze.h"
#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"
#include "shell/fichier_lecon.h"
#include "surfaces/gui/fonction3d.h"
#include "view/feuille.h"

class TestLecons : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  QTemporaryDir dossier_;

  QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private slots:
  void initTestCase() {
    app_ = demarreractif();
    QVERIFY(app_ && app_->lecons);
  }
  void cleanupTestCase() { app_.reset(); }

  void exemplesAllerRetour() {
    const QDir exemples(QStringLiteral(QUADREL_SOURCE_DIR "/exemples"));
    const QStringList noms = exemples.entryList({QStringLiteral("*.quadrel")});
    QCOMPARE(noms.size(), 8);
    Lecons& l = *app_->lecons;
    for (const QString& nom : noms) {
      const QString source = exemples.filePath(nom);
      QVERIFY2(l.ouvrir(source, true), qPrintable(nom));
      const auto lue = quadrel::lireFichierLecon(source, {});
      QVERIFY(std::holds_alternative<quadrel::LeconLue>(lue));
      const quadrel::Lecon& attendue = std::get<quadrel::LeconLue>(lue).lecon;
      const quadrel::Lecon vue = l.capturer();
      // What the file says is what the scene shows, the sheet's own section results aside.
      QCOMPARE(static_cast<const quadrel::Repere&>(vue.modele), attendue.modele);
      QCOMPARE(static_cast<const quadrel::Solide&>(vue.modele), attendue.modele);
      QCOMPARE(static_cast<const quadrel::OptionsRendu&>(vue.modele), attendue.modele);
      QCOMPARE(vue.modele.formule, attendue.modele.formule);
      QCOMPARE(vue.modele.formules, attendue.modele.formules);
      QCOMPARE(vue.modele.choixsectionVisible, attendue.modele.choixsectionVisible);
      QCOMPARE(vue.modele.pointlibreVisible, attendue.modele.pointlibreVisible);
      QCOMPARE(app_->choixsection->isVisible(), attendue.modele.choixsectionVisible);
      QCOMPARE(app_->Pointlibre->isVisible(), attendue.modele.pointlibreVisible);
      QCOMPARE(vue.formuledessinee, attendue.formuledessinee);
      QVERIFY(!l.modifiee());
      // Save, open again, save again: the same bytes.
      const QString copie = dossier_.filePath(nom);
      QString erreur;
      QVERIFY(quadrel::ecrireFichier(copie, quadrel::ecrireLecon(vue), erreur));
      QVERIFY(l.ouvrir(copie, true));
      QCOMPARE(quadrel::ecrireLecon(l.capturer()), quadrel::ecrireLecon(vue));
    }
  }

  void changementRemarque() {
    Lecons& l = *app_->lecons;
    QVERIFY(l.ouvrir(
        QStringLiteral(QUADREL_SOURCE_DIR "/exemples/02-selle-lignes-de-niveau.quadrel"), true));
    QVERIFY(!l.modifiee());
    app_->scene.rotz += 30;  // turning the view is no change
    QVERIFY(!l.modifiee());
    app_->fonction3d->precision->setValue(app_->fonction3d->precision->value() == 3 ? 4 : 3);
    QVERIFY(l.modifiee());
  }

  // A second formula accepted with go, then Ctrl+Z from inside a text field: the first
  // comes back, fields and surface; Ctrl+Y brings the second again.
  void annulerRetablir() {
    Lecons& l = *app_->lecons;
    QVERIFY(l.ouvrir(
        QStringLiteral(QUADREL_SOURCE_DIR "/exemples/02-selle-lignes-de-niveau.quadrel"), true));
    Tfonction3d* f = app_->fonction3d;
    ouvrir(*app_, 2);
    f->Edit1->clear();
    QTest::keyClicks(f->Edit1, QStringLiteral("x*y"));
    QTest::keyClick(f->Edit1, Qt::Key_Return);
    QTest::mouseClick(f->go, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QCOMPARE(app_->scene.formule, std::string("x*y"));
    ouvrir(*app_, 2);
    f->Edit1->setFocus();
    QTest::keyClick(f->Edit1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(app_->scene.formule, std::string("x\xB2-y\xB2"));
    QCOMPARE(f->Edit1->text(), QStringLiteral("x²-y²"));
    QCOMPARE(app_->scene.programme->text(), normalise("x\xB2-y\xB2"));
    QTest::keyClick(f->Edit1, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(app_->scene.formule, std::string("x*y"));
    f->close();
  }
};

QUADREL_GUI_TEST_MAIN(TestLecons)
#include "lecons_test.moc"
