// Lessons in the window: every example opens whole, saves to the bytes it would write
// again, reopens to the same scene, and a change is noticed (the view aside).
#include "shell/lecons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <variant>

#include "matutil.h"
#include "onze.h"
#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"
#include "shell/dessin_lecon.h"
#include "shell/fichier_lecon.h"
#include "surfaces/gui/fonction3d.h"
#include "view/feuille.h"

namespace {

// Runs `faire` on the modal dialog of class T named `nom` (any name when empty) once it
// shows, from inside its exec; given up with `gardien`.
template <class T>
void quandModal(QObject* gardien, const QString& nom, std::function<void(T*)> faire) {
  auto* minuterie = new QTimer(gardien);
  QObject::connect(minuterie, &QTimer::timeout, [=] {
    auto* d = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!d || !d->isVisible() || (!nom.isEmpty() && d->objectName() != nom)) return;
    minuterie->stop();
    faire(d);
  });
  minuterie->start(10);
}

}  // namespace

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

  void libellesRecents() {
    const QStringList chemins{"/a/x.quadrel", "/b/x.quadrel", "/c/y&z.quadrel"};
    QCOMPARE(Lecons::libellesRecents(chemins),
             (QStringList{"x.quadrel (/a)", "x.quadrel (/b)", "y&&z.quadrel"}));
  }

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

  // The mesh export asks for "fermé" and the scale before the file, and writes the mesh of
  // those choices; closed, or with a scale it refuses, it writes nothing; the choices stay
  // for the next export.
  void exporterMaillage_data() {
    QTest::addColumn<QString>("montre");  // the scale shown on opening
    QTest::addColumn<bool>("cochee");     // "fermé" as shown
    QTest::addColumn<QString>("saisie");  // typed over the scale; empty: left
    QTest::addColumn<bool>("accepter");   // OK, else the close box
    QTest::addColumn<double>("echelle");  // of the file written; 0: none
    QTest::newRow("close box") << "10" << false << "" << false << 0.0;
    QTest::newRow("zero refused") << "10" << false << "0" << true << 0.0;
    QTest::newRow("closed, 2,5") << "10" << false << "2,5" << true << 2.5;
    QTest::newRow("choices kept") << "2.5" << true << "" << true << 2.5;
  }

  void exporterMaillage() {
    QFETCH(QString, montre);
    QFETCH(bool, cochee);
    QFETCH(QString, saisie);
    QFETCH(bool, accepter);
    QFETCH(double, echelle);
    Lecons& l = *app_->lecons;
    QVERIFY(
        l.ouvrir(QStringLiteral(QUADREL_SOURCE_DIR "/exemples/04-sphere-section-z.quadrel"), true));
    const QString chemin = dossier_.filePath(QStringLiteral("%1.stl").arg(QTest::currentDataTag()));
    QObject gardien;
    QString vu;
    bool vucochee = false, ferme = false, okactif = false;
    quandModal<QDialog>(&gardien, QStringLiteral("exportmaillage"), [&](QDialog* d) {
      auto* champ = d->findChild<QLineEdit*>(QStringLiteral("echelle"));
      auto* boite = d->findChild<QCheckBox*>(QStringLiteral("ferme"));
      vu = champ->text();
      vucochee = boite->isChecked();
      if (!saisie.isEmpty()) {
        champ->selectAll();
        QTest::keyClicks(champ, saisie);
        boite->setChecked(true);
      }
      ferme = boite->isChecked();
      QPushButton* ok = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
      okactif = ok->isEnabled();
      if (accepter && okactif)
        ok->click();
      else
        d->close();
    });
    quandModal<QFileDialog>(&gardien, {}, [&](QFileDialog* d) {
      d->selectFile(chemin);
      static_cast<QDialog*>(d)->accept();  // QFileDialog's own is protected
    });
    l.exportermaillage();
    QCOMPARE(vu, montre);
    QCOMPARE(vucochee, cochee);
    QCOMPARE(okactif, !accepter || echelle > 0);  // only a refused scale disables OK
    QCOMPARE(QFile::exists(chemin), echelle > 0);
    if (echelle == 0) return;
    const std::vector<unsigned char> stl = quadrel::stlDe(app_->scene, ferme, echelle);
    QCOMPARE(lire(chemin),
             QByteArray(reinterpret_cast<const char*>(stl.data()), qsizetype(stl.size())));
  }
};

QUADREL_GUI_TEST_MAIN(TestLecons)
#include "lecons_test.moc"
