// The function dialog inside the started program: key filter, the three field states,
// Enter, the trash, precision, help, place and names (the close rules: regles_test).
#include <QMdiSubWindow>

#include "dialogues.h"
#include "services/aiderapide.h"
#include "services/sons.h"

using quadrel::EtatChamp;

namespace {
const QColor kBleu(0, 0, 255), kRouge(255, 0, 0), kNoir(0, 0, 0);
const QString kParaboloide = QStringLiteral("x²+y²");
}  // namespace

class TestFonction3d : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;
  Tfonction3d* d_ = nullptr;
  int listes_ = 0;
  quadrel::Scene& scene() { return app_->scene; }

  // The dialog shown afresh over `formule` (accepted unless empty) at precision 3.
  void partirde(const QString& formule) {
    ranger(d_);
    d_->Edit1->setText(formule);
    d_->setetat(formule.isEmpty() ? EtatChamp::attente : EtatChamp::accepte);
    d_->precision->setValue(3);
    ouvrir(*app_, 2);
    QVERIFY(d_->isVisible());
    listes_ = app_->Feuille->listesenregistrees();  // shows whether the builders ran
    sons::viderjournal();
  }

 private slots:
  void initTestCase() {
    app_ = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app_->fond.get()));
    d_ = fonction3d(*app_);
  }
  void cleanupTestCase() { app_.reset(); }

  void auDepart() {
    QCOMPARE(d_->Edit1->text(), QString());
    QCOMPARE(d_->etat(), EtatChamp::attente);
    QCOMPARE(champ::couleur(d_->Edit1), kBleu);
    QCOMPARE(d_->precision->minimum(), 3);
    QCOMPARE(d_->precision->maximum(), 12);
    QCOMPARE(d_->precision->value(), 3);
    QCOMPARE(d_->precision->pageStep(), 1);
    QCOMPARE(d_->windowTitle(), QStringLiteral("z=f(x,y)"));
    QCOMPARE(d_->size(), QSize(366, 134));
  }

  void centreEtNomme() {
    partirde(QString());
    QWidget* c = cadre(d_);
    const QSize zone = c->parentWidget()->size();
    QCOMPARE(c->pos(), QPoint((zone.width() - c->width()) / 2, (zone.height() - c->height()) / 2));
    QCOMPARE(d_->focusWidget(), static_cast<QWidget*>(d_->Edit1));
    QCOMPARE(d_->Edit1->accessibleName(), QStringLiteral("f(x,y)="));
    QCOMPARE(d_->precision->accessibleName(), QStringLiteral("Precision"));
    QCOMPARE(d_->go->accessibleName(), QStringLiteral("go"));
    QCOMPARE(d_->Poubelle->accessibleName(), QStringLiteral("Poubelle"));
    QCOMPARE(suivant(d_->Edit1), static_cast<QWidget*>(d_->go));
    QCOMPARE(suivant(d_->go), static_cast<QWidget*>(d_->precision));
    QCOMPARE(suivant(d_->precision), static_cast<QWidget*>(d_->Poubelle));
  }

  void filtre_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("champ");
    QTest::addRow("chiffres et carre") << "x²+0.5*y"
                                       << "x²+0.5*y";
    QTest::addRow("puissance refusee") << "x^2"
                                       << "x2";
    QTest::addRow("v devient V") << "v(x)"
                                 << "V(x)";
    QTest::addRow("majuscules et espaces") << "X Y z"
                                           << "";
    QTest::addRow("fonctions") << "ln(x)/e(y)-cosh(x)"
                               << "ln(x)/e(y)-cosh(x)";
    QTest::addRow("arcs") << "arctan(y)+sin(x)"
                          << "arctan(y)+sin(x)";
    QTest::addRow("autres") << "x;y=2!&|[]z"
                            << "xy2";
  }
  void filtre() {
    QFETCH(QString, tape);
    QFETCH(QString, champ);
    partirde(QString());
    QTest::keyClicks(d_->Edit1, tape);
    QCOMPARE(d_->Edit1->text(), champ);
    QCOMPARE(QString::fromLatin1(scene().formule.c_str()), champ);
  }

  void entree_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("etat");
    QTest::addRow("paraboloide") << kParaboloide << int(EtatChamp::accepte);
    QTest::addRow("racine") << "v(x²+y²)" << int(EtatChamp::accepte);
    QTest::addRow("constante") << "2" << int(EtatChamp::accepte);
    QTest::addRow("operateurs") << "x*+" << int(EtatChamp::refuse);
    QTest::addRow("parenthese") << "(x+y" << int(EtatChamp::refuse);
  }
  void entree() {
    QFETCH(QString, texte);
    QFETCH(int, etat);
    partirde(QString());
    d_->Edit1->setFocus();
    QTest::keyClicks(d_->Edit1, texte);
    QCOMPARE(d_->etat(), EtatChamp::attente);
    QTest::keyClick(d_->Edit1, Qt::Key_Return);
    QCOMPARE(int(d_->etat()), etat);
    QCOMPARE(int(scene().etatformule), etat);
    QCOMPARE(champ::couleur(d_->Edit1), etat == int(EtatChamp::accepte) ? kNoir : kRouge);
    QWidget* focus = etat == int(EtatChamp::accepte) ? static_cast<QWidget*>(d_->go) : d_->Edit1;
    QCOMPARE(d_->focusWidget(), focus);
    QVERIFY(!d_->Edit1->text().contains(QChar(13)));
    QCOMPARE(app_->Feuille->listesenregistrees(), listes_);  // nothing is built before the close
    // Any key the filter admits makes the text pending again.
    QTest::keyClick(d_->Edit1, Qt::Key_Backspace);
    QCOMPARE(d_->etat(), EtatChamp::attente);
    QCOMPARE(champ::couleur(d_->Edit1), kBleu);
  }

  void poubelle() {
    partirde(kParaboloide);
    const int images = app_->Feuille->imagesdessinees();
    QTest::mouseClick(d_->Poubelle, Qt::LeftButton);
    QCOMPARE(d_->Edit1->text(), QString());
    QCOMPARE(d_->formulesauve, QString());
    QCOMPARE(d_->etat(), EtatChamp::attente);
    QCOMPARE(sons::journal(), QStringList{QStringLiteral("click.wav")});
    QCOMPARE(app_->Feuille->imagesdessinees(), images + 1);
    QCOMPARE(app_->Feuille->listesenregistrees(), listes_);  // hidden by its state, not rebuilt
    d_->close();
  }

  void boutonsPrennentLeFocus() {
    partirde(QString());
    d_->Edit1->setFocus();
    QTest::mouseMove(d_->Poubelle);
    QTRY_COMPARE(d_->focusWidget(), static_cast<QWidget*>(d_->Poubelle));
    QTest::mouseMove(d_->go);
    QTRY_COMPARE(d_->focusWidget(), static_cast<QWidget*>(d_->go));
    ranger(d_);
  }

  void aideAuClicDroit() {
    partirde(QString());
    TAiderapide* a = app_->Aiderapide.get();
    for (QWidget* w : {static_cast<QWidget*>(d_->Edit1), static_cast<QWidget*>(d_)}) {
      a->hide();
      QTest::mouseClick(w, Qt::RightButton, {}, QPoint(3, 3));
      QVERIFY(a->isVisible());
      QCOMPARE(a->helptext->toPlainText(), Tfonction3d::texteaide());
    }
    QVERIFY(Tfonction3d::texteaide().startsWith(
        QStringLiteral("Fonctions supportées : les polynômes,puissance \"^\",racine v(x)")));
    QVERIFY(Tfonction3d::texteaide().endsWith(QStringLiteral("à haute (prècis mais lent).")));
    a->hide();
    ranger(d_);
  }
};

QUADREL_GUI_TEST_MAIN(TestFonction3d)
#include "fonction3d_test.moc"
