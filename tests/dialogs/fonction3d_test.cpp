// The function dialog inside the started program: key filter, the three field states,
// Enter, go, the trash, the close rules (with an emptied formula left pending), precision,
// help, place and names.
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
  quadrel::Scene& scene() { return app_->scene; }

  // The dialog shown afresh over `formule` (accepted unless empty) at precision 3.
  void partirde(const QString& formule) {
    ranger(d_);
    d_->Edit1->setText(formule);
    d_->setetat(formule.isEmpty() ? EtatChamp::attente : EtatChamp::accepte);
    d_->precision->setValue(3);
    ouvrir(*app_, 2);
    QVERIFY(d_->isVisible());
    scene().pasx = -1;  // the builders leave their step here: shows whether they ran
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
    QCOMPARE(double(scene().pasx), -1.);  // nothing is built before the close
    // Any key the filter admits makes the text pending again.
    QTest::keyClick(d_->Edit1, Qt::Key_Backspace);
    QCOMPARE(d_->etat(), EtatChamp::attente);
    QCOMPARE(champ::couleur(d_->Edit1), kBleu);
  }

  // Steps: "t<text>" type, "E" Enter, "G" go, "P" trash, "p<n>" precision, "C" close.
  void fermeture_data() {
    QTest::addColumn<QString>("depart");
    QTest::addColumn<QStringList>("etapes");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("etat");
    QTest::addColumn<bool>("construit");
    const int oui = int(EtatChamp::accepte), att = int(EtatChamp::attente);
    QTest::addRow("nouvelle acceptee")
        << "" << QStringList{"t" + kParaboloide, "E", "C"} << kParaboloide << oui << true;
    QTest::addRow("go") << "" << QStringList{"t" + kParaboloide, "G"} << kParaboloide << oui
                        << true;
    QTest::addRow("mauvaise remise")
        << kParaboloide << QStringList{"P0", "tx*+", "G"} << kParaboloide << oui << false;
    QTest::addRow("en attente remise")
        << kParaboloide << QStringList{"P0", "tx+y", "C"} << kParaboloide << oui << false;
    QTest::addRow("mauvaise sans passe")
        << "" << QStringList{"tx*+", "E", "C"} << "" << att << false;
    QTest::addRow("precision seule")
        << kParaboloide << QStringList{"p7", "C"} << kParaboloide << oui << true;
    QTest::addRow("mauvaise et precision")
        << kParaboloide << QStringList{"P0", "tx*+", "p5", "C"} << kParaboloide << oui << true;
    QTest::addRow("rien") << kParaboloide << QStringList{"C"} << kParaboloide << oui << false;
    QTest::addRow("poubelle") << kParaboloide << QStringList{"P", "C"} << "" << att << false;
    // The emptied field stays pending: the old surface must not come back.
    QTest::addRow("poubelle et precision")
        << kParaboloide << QStringList{"P", "p6", "C"} << "" << att << false;
    QTest::addRow("effacee et precision")
        << kParaboloide << QStringList{"P0", "p6", "C"} << "" << att << false;
    QTest::addRow("poubelle puis nouvelle")
        << kParaboloide << QStringList{"P", "ty", "E", "C"} << "y" << oui << true;
    QTest::addRow("poubelle puis mauvaise")
        << kParaboloide << QStringList{"P", "tx*+", "G"} << "" << att << false;
  }
  void fermeture() {
    QFETCH(QString, depart);
    QFETCH(QStringList, etapes);
    QFETCH(QString, texte);
    QFETCH(int, etat);
    QFETCH(bool, construit);
    partirde(depart);
    for (const QString& e : etapes) {
      if (e == "E") QTest::keyClick(d_->Edit1, Qt::Key_Return);
      if (e == "G") QTest::mouseClick(d_->go, Qt::LeftButton);
      if (e == "P") QTest::mouseClick(d_->Poubelle, Qt::LeftButton);
      if (e == "C") d_->close();
      if (e == "P0") d_->Edit1->selectAll(), QTest::keyClick(d_->Edit1, Qt::Key_Backspace);
      if (e.startsWith('t')) QTest::keyClicks(d_->Edit1, e.mid(1));
      if (e.startsWith('p') && e != "P0") d_->precision->setValue(e.mid(1).toInt());
    }
    QVERIFY(!d_->isVisible());
    QCOMPARE(d_->Edit1->text(), texte);
    QCOMPARE(int(d_->etat()), etat);
    QCOMPARE(QString::fromLatin1(scene().formule.c_str()), texte);
    QCOMPARE(scene().pasx != -1, construit);
    QCOMPARE(scene().precision, d_->precision->value());
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
    QCOMPARE(double(scene().pasx), -1.);  // hidden by its state, not rebuilt
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
