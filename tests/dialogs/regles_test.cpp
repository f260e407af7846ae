// The dialogs' rules through a recording host, without the program: what each action asks
// of the sheet and the main window, in order, what it leaves in the fields and the scene,
// and that whatever enters a field passes the key filter.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>

#include "hote_fake.h"
#include "matutil.h"
#include "principal.h"
#include "sections/gui/choixsection.h"
#include "services/champ.h"
#include "services/sons.h"
#include "solids/gui/caracpyr.h"
#include "solids/gui/caracsphere.h"
#include "surfaces/gui/fonction3d.h"
#include "surfaces/gui/optionrepere.h"
#include "view/gui/optionrendu.h"

using quadrel::EtatChamp;

namespace {
const QString kParaboloide = QStringLiteral("x²+y²");
const QString P = QStringLiteral("prepare"), F = QStringLiteral("FormPaint"),
              C = QStringLiteral("fermer");
QStringList reconstruit(const QStringList& listes) {
  QStringList l;
  for (const QString& n : listes) l << P + n;
  return l << F;
}
}  // namespace

class TestRegles : public QObject {
  Q_OBJECT
  HoteEnregistreur hote_;
  quadrel::Scene scene_;
  std::unique_ptr<Toptionrepere> repere_;
  std::unique_ptr<Tfonction3d> fonction_;
  std::unique_ptr<Toptionrendu> rendu_;
  std::unique_ptr<Tchoixsection> section_;
  std::unique_ptr<Tcaracpyr> pyramide_;
  std::unique_ptr<Tcaracsphere> sphere_;

  void cadredefaut() {
    scene_.xmin = scene_.ymin = scene_.zmin = -4;
    scene_.xmax = scene_.ymax = scene_.zmax = 4;
    scene_.gradx = scene_.grady = scene_.gradz = 1;
  }
  void partirde(DialogBase* d) {
    d->hide();
    hote_.ouvrir(d);
    hote_.appels.clear();
    sons::viderjournal();
  }

 private slots:
  void initTestCase() {
    cadredefaut();
    repere_ = std::make_unique<Toptionrepere>(scene_, hote_);
    fonction_ = std::make_unique<Tfonction3d>(scene_, hote_);
    rendu_ = std::make_unique<Toptionrendu>(scene_, hote_);
    section_ = std::make_unique<Tchoixsection>(scene_, hote_);
    pyramide_ = std::make_unique<Tcaracpyr>(scene_, hote_);
    sphere_ = std::make_unique<Tcaracsphere>(scene_, hote_);
  }

  // Steps: "G" Go, "C" close, "e<n>=<text>" type into field n then Enter, "s<n>" check
  // style n without a click (as a screen reader does), "a" right click.
  void repere_data() {
    QTest::addColumn<QStringList>("etapes");
    QTest::addColumn<QStringList>("appels");
    QTest::addColumn<int>("clics");
    const QStringList go = reconstruit({"axe", "pyr", "lignes", "surface"});
    QTest::addRow("go sans changement") << QStringList{"G"} << QStringList{} << 1;
    QTest::addRow("go apres changement") << QStringList{"e4=2", "G"} << go << 1;
    QTest::addRow("go deux fois") << QStringList{"e4=2", "G", "G"} << go << 2;
    QTest::addRow("fermeture apres changement")
        << QStringList{"e4=2", "C"} << go + QStringList{C} << 0;
    QTest::addRow("fermeture sans changement") << QStringList{"C"} << QStringList{C} << 0;
    QTest::addRow("valeur refusee") << QStringList{"e0=1", "C"} << QStringList{C} << 0;
    QTest::addRow("style sans clic") << QStringList{"s1"} << reconstruit({"axe"}) << 1;
    QTest::addRow("trois styles") << QStringList{"s2", "s0"}
                                  << reconstruit({"axe"}) + reconstruit({"axe"}) << 2;
    QTest::addRow("aide") << QStringList{"a"}
                          << QStringList{QStringLiteral("aide:") + Toptionrepere::texteaide()} << 0;
  }
  void repere() {
    QFETCH(QStringList, etapes);
    QFETCH(QStringList, appels);
    QFETCH(int, clics);
    cadredefaut();
    repere_->reperetype1->setChecked(true);
    partirde(repere_.get());
    QRadioButton* styles[3] = {repere_->reperetype1, repere_->reperetype2, repere_->maskrepere};
    for (const QString& e : etapes) {
      if (e == "G") repere_->GoClick();
      if (e == "C") repere_->close();
      if (e == "a") QTest::mouseClick(repere_->champs[8], Qt::RightButton);
      if (e.startsWith('s')) styles[e.mid(1).toInt()]->setChecked(true);
      if (e.startsWith('e')) {
        QLineEdit* champ = repere_->champs[e.mid(1, 1).toInt()];
        champ->clear();
        QTest::keyClicks(champ, e.mid(3));
        QTest::keyClick(champ, Qt::Key_Return);
        // The state is said in words as well as in colour, for screen readers and pupils.
        const QString mots = champ::etat(champ::couleur(champ));
        QVERIFY(!mots.isEmpty());
        QCOMPARE(champ->accessibleDescription(), mots);
        QCOMPARE(champ->toolTip(), mots);
      }
    }
    QCOMPARE(hote_.prendre(), appels);
    QCOMPARE(sons::journal().count(QStringLiteral("click.wav")), clics);
    const quadrel::TypeRepere type = repere_->reperetype1->isChecked() ? quadrel::TypeRepere::axes
                                     : repere_->reperetype2->isChecked()
                                         ? quadrel::TypeRepere::grille
                                         : quadrel::TypeRepere::masque;
    QCOMPARE(scene_.typerepere, type);
  }

  // Steps: "t<text>" type, "E" Enter, "B" Backspace, "G" go, "P" trash, "P0" erase all,
  // "p<n>" precision, "C" close.
  void fonction_data() {
    QTest::addColumn<QString>("depart");
    QTest::addColumn<QStringList>("etapes");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("etat");
    QTest::addColumn<QStringList>("appels");
    const int oui = int(EtatChamp::accepte), att = int(EtatChamp::attente);
    const QStringList neuve = reconstruit({"surface", "lignes"}) << C;
    const QStringList redessine{F, C}, rien{C};
    QTest::addRow("nouvelle acceptee")
        << "" << QStringList{"t" + kParaboloide, "E", "C"} << kParaboloide << oui << neuve;
    QTest::addRow("go") << "" << QStringList{"t" + kParaboloide, "G"} << kParaboloide << oui
                        << neuve;
    QTest::addRow("mauvaise remise")
        << kParaboloide << QStringList{"P0", "tx*+", "G"} << kParaboloide << oui << redessine;
    QTest::addRow("en attente remise")
        << kParaboloide << QStringList{"P0", "tx+y", "C"} << kParaboloide << oui << redessine;
    QTest::addRow("retapee a l'identique")
        << kParaboloide << QStringList{"t+", "B", "C"} << kParaboloide << oui << redessine;
    QTest::addRow("refusee puis retapee")
        << kParaboloide << QStringList{"t+", "E", "B", "C"} << kParaboloide << oui << redessine;
    QTest::addRow("mauvaise sans passe")
        << "" << QStringList{"tx*+", "E", "C"} << "" << att << redessine;
    QTest::addRow("precision seule")
        << kParaboloide << QStringList{"p7", "C"} << kParaboloide << oui << neuve;
    QTest::addRow("mauvaise et precision")
        << kParaboloide << QStringList{"P0", "tx*+", "p5", "C"} << kParaboloide << oui << neuve;
    QTest::addRow("rien") << kParaboloide << QStringList{"C"} << kParaboloide << oui << rien;
    QTest::addRow("poubelle") << kParaboloide << QStringList{"P", "C"} << "" << att << redessine;
    // The emptied field stays pending: the old surface must not come back.
    QTest::addRow("poubelle et precision")
        << kParaboloide << QStringList{"P", "p6", "C"} << "" << att << QStringList{F, F, C};
    QTest::addRow("effacee et precision")
        << kParaboloide << QStringList{"P0", "p6", "C"} << "" << att << redessine;
    QTest::addRow("poubelle puis nouvelle")
        << kParaboloide << QStringList{"P", "ty", "E", "C"} << "y" << oui << QStringList{F} + neuve;
    QTest::addRow("poubelle puis mauvaise")
        << kParaboloide << QStringList{"P", "tx*+", "G"} << "" << att << QStringList{F, F, C};
  }
  void fonction() {
    QFETCH(QString, depart);
    QFETCH(QStringList, etapes);
    QFETCH(QString, texte);
    QFETCH(int, etat);
    QFETCH(QStringList, appels);
    Tfonction3d* d = fonction_.get();
    d->hide();
    d->Edit1->setText(depart);
    d->setetat(depart.isEmpty() ? EtatChamp::attente : EtatChamp::accepte);
    d->precision->setValue(3);
    partirde(d);
    for (const QString& e : etapes) {
      if (e == "E") QTest::keyClick(d->Edit1, Qt::Key_Return);
      if (e == "B") QTest::keyClick(d->Edit1, Qt::Key_Backspace);
      if (e == "G") d->goClick();
      if (e == "P") d->PoubelleClick();
      if (e == "C") d->close();
      if (e == "P0") d->Edit1->selectAll(), QTest::keyClick(d->Edit1, Qt::Key_Backspace);
      if (e.startsWith('t')) QTest::keyClicks(d->Edit1, e.mid(1));
      if (e.startsWith('p') && e != "P0") d->precision->setValue(e.mid(1).toInt());
    }
    QVERIFY(!d->isVisible());
    QCOMPARE(d->Edit1->text(), texte);
    QCOMPARE(int(d->etat()), etat);
    QCOMPARE(QString::fromLatin1(scene_.formule.c_str()), texte);
    QCOMPARE(scene_.precision, d->precision->value());
    QCOMPARE(hote_.prendre(), appels);
  }

  // A change of state, not a click: what a screen reader does.
  void rendu_data() {
    QTest::addColumn<QStringList>("avant");
    QTest::addColumn<QString>("bascule");
    QTest::addColumn<bool>("section");
    QTest::addColumn<QStringList>("apres");
    QTest::addColumn<QStringList>("appels");
    const QStringList un{F}, deux{F, F};
    QTest::addRow("blanc eteint couleur")
        << QStringList{"rendu3d"} << "foncblanc" << false << QStringList{"foncblanc"} << deux;
    QTest::addRow("couleur eteint blanc")
        << QStringList{"foncblanc"} << "rendu3d" << false << QStringList{"rendu3d"} << deux;
    QTest::addRow("couleur seule")
        << QStringList{} << "rendu3d" << false << QStringList{"rendu3d"} << un;
    QTest::addRow("couleur coupee")
        << QStringList{"rendu3d"} << "rendu3d" << false << QStringList{} << un;
    QTest::addRow("plans eteint quadriques")
        << QStringList{"transquad"} << "transplan" << false << QStringList{"transplan"} << deux;
    QTest::addRow("surfaces eteint plans")
        << QStringList{"transplan"} << "transpsurf" << false << QStringList{"transpsurf"} << deux;
    QTest::addRow("quadriques eteint surfaces")
        << QStringList{"transpsurf"} << "transquad" << false << QStringList{"transquad"} << deux;
    QTest::addRow("intersections")
        << QStringList{"intersections"} << "intersections" << false << QStringList{} << un;
    QTest::addRow("brouillard: les axes") << QStringList{} << "brouillard" << false
                                          << QStringList{"brouillard"} << reconstruit({"axe"});
    QTest::addRow("coupe: les axes puis la section")
        << QStringList{} << "coupeplan" << true << QStringList{"coupeplan"}
        << QStringList{P + "axe", F};
  }
  void rendu() {
    QFETCH(QStringList, avant);
    QFETCH(QString, bascule);
    QFETCH(bool, section);
    QFETCH(QStringList, apres);
    QFETCH(QStringList, appels);
    const QList<QCheckBox*> boites = rendu_->findChildren<QCheckBox*>();
    QCOMPARE(boites.size(), 13);
    for (QCheckBox* c : boites) c->setChecked(avant.contains(c->objectName()));
    scene_.choixsectionVisible = section;
    partirde(rendu_.get());
    rendu_->findChild<QCheckBox*>(bascule)->toggle();
    QStringList allumees;
    for (QCheckBox* c : boites)
      if (c->isChecked()) allumees << c->objectName();
    QCOMPARE(allumees, apres);
    QCOMPARE(hote_.prendre(), appels);
    QCOMPARE(sons::journal().count(QStringLiteral("click.wav")), appels.count(F));
    scene_.choixsectionVisible = false;
  }

  // A paste or a drop enters whole or not at all: one character the field refuses, or a
  // text too long, and the field keeps its text and shows the refusal.
  void coller_data() {
    QTest::addColumn<bool>("formule");  // else Xmin, which holds "7"; the formula holds "x"
    QTest::addColumn<QString>("facon");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu");
    const QString longue = QStringLiteral("+0.") + QString(270, u'0') + QStringLiteral("+y");
    QTest::addRow("Xmin, lettres") << false << "maj+inser"
                                   << "1abc"
                                   << "7";
    QTest::addRow("Xmin, exposant") << false << "ctrl+v"
                                    << "-1e5"
                                    << "7";
    QTest::addRow("Xmin, fin de ligne") << false << "ctrl+v"
                                        << "-2.5\n"
                                        << "7-2.5";
    QTest::addRow("Xmin, bouton du milieu") << false << "milieu"
                                            << "x^2"
                                            << "7";
    QTest::addRow("formule, Maj+Inser") << true << "maj+inser"
                                        << "²+y²"
                                        << "x²+y²";
    QTest::addRow("formule, chapeau") << true << "ctrl+v"
                                      << "^2"
                                      << "x";
    QTest::addRow("formule, v ecrit V") << true << "milieu"
                                        << "*v(y)"
                                        << "x*V(y)";
    QTest::addRow("formule, saisie") << true << "saisie"
                                     << "²+Y"
                                     << "x";
    QTest::addRow("formule, retour au milieu") << true << "ctrl+v"
                                               << "+x\ry"
                                               << "x";
    QTest::addRow("formule, trop longue") << true << "ctrl+v" << longue << "x";
    QTest::addRow("formule, depot") << true << "depot"
                                    << "+y"
                                    << "x+y";
    QTest::addRow("formule, depot refuse") << true << "depot"
                                           << "^2"
                                           << "x";
  }
  void coller() {
    QFETCH(bool, formule);
    QFETCH(QString, facon);
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    QLineEdit* champ = formule ? fonction_->Edit1 : repere_->champs[0];
    const QString depart = formule ? QStringLiteral("x") : QStringLiteral("7");
    champ::ecrire(champ, depart);
    champ->end(false);
    fonction_->setetat(EtatChamp::accepte);
    const int refus = champ::refus(champ);
    QClipboard* presse = QGuiApplication::clipboard();
    if (facon == "maj+inser") {
      presse->setText(texte);
      QTest::keyClick(champ, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (facon == "ctrl+v") {
      presse->setText(texte);
      QTest::keyClick(champ, Qt::Key_V, Qt::ControlModifier);
    } else if (facon == "milieu") {
      QVERIFY(presse->supportsSelection());
      presse->setText(texte, QClipboard::Selection);
      QTest::mouseClick(champ, Qt::MiddleButton);
    } else if (facon == "saisie") {
      QInputMethodEvent e;
      e.setCommitString(texte);
      QCoreApplication::sendEvent(champ, &e);
    } else {
      QMimeData donnees;
      donnees.setText(texte);
      const QPointF fin(champ->width() - 4, champ->height() / 2);
      QDragEnterEvent entre(fin.toPoint(), Qt::CopyAction, &donnees, Qt::LeftButton, {});
      QCoreApplication::sendEvent(champ, &entre);
      QVERIFY(entre.isAccepted());
      QDropEvent e(fin, Qt::CopyAction, &donnees, Qt::LeftButton, {});
      QCoreApplication::sendEvent(champ, &e);
    }
    QCOMPARE(champ->text(), attendu);
    const bool refuse = attendu == depart;
    QCOMPARE(champ::refus(champ), refus + int(refuse));
    if (refuse) QVERIFY(champ::refuse(champ));
    if (formule) QCOMPARE(fonction_->etat(), refuse ? EtatChamp::accepte : EtatChamp::attente);
  }

  // The red of a refusal is brief, and gives the field its own background back.
  void rougeBref() {
    QLineEdit* champ = repere_->champs[1];
    const QColor fond = champ->palette().color(QPalette::Base);
    champ::refuser(champ);
    QVERIFY(champ->palette().color(QPalette::Base) != fond);
    QTRY_VERIFY(!champ::refuse(champ));
    QCOMPARE(champ->palette().color(QPalette::Base), fond);
  }

  // Every field of every dialog: a character pasted alone is taken exactly when its key is,
  // and written as its key writes it.
  void collerCommeTaper() {
    const QString essai = QStringLiteral("1abc+x*²-v(y) 0.5Ek,");
    const QList<QWidget*> dialogues{repere_.get(), fonction_.get(), rendu_.get()};
    int champs = 0;
    for (QWidget* d : dialogues)
      for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
        for (const QChar c : essai) {
          e->clear();
          QTest::keyClicks(e, QString(c));
          const QString tape = e->text();
          e->clear();
          const int refus = champ::refus(e);
          QGuiApplication::clipboard()->setText(QString(c));
          QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
          QCOMPARE(e->text(), tape);
          QCOMPARE(champ::refus(e), refus + int(tape.isEmpty()));
        }
        QCOMPARE(e->contextMenuPolicy(), Qt::NoContextMenu);  // the right button is help
        ++champs;
      }
    QCOMPARE(champs, 10);
  }

  // Text a screen reader sets through the accessible text interface (which calls setText,
  // past every key filter) follows the paste rule; a disabled field takes none.
  void texteDAilleurs_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("facon");  // "valeur", "remplace" (all), "insere" (at 0)
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu");
    QTest::addRow("sphere, 1E4932") << "sphere x"
                                    << "valeur"
                                    << "1E4932"
                                    << "7";
    QTest::addRow("pyramide, 2.5 cotes") << "cotes"
                                         << "remplace"
                                         << "2.5"
                                         << "7";
    QTest::addRow("pyramide, 12 cotes") << "cotes"
                                        << "remplace"
                                        << "12"
                                        << "12";
    QTest::addRow("section, x") << "x="
                                << "remplace"
                                << "x"
                                << "7";
    QTest::addRow("section, p") << "x="
                                << "insere"
                                << "p"
                                << "7";
    QTest::addRow("section, k/2") << "x="
                                  << "remplace"
                                  << "k/2"
                                  << "k/2";
    QTest::addRow("section, 2 carre") << "Min"
                                      << "valeur"
                                      << "2²"
                                      << "7";
    QTest::addRow("section, -3") << "Min"
                                 << "insere"
                                 << "-"
                                 << "-7";
    QTest::addRow("section, champ eteint") << "y="
                                           << "remplace"
                                           << "1"
                                           << "7";
    QTest::addRow("repere, 1E4932") << "Xmax"
                                    << "valeur"
                                    << "1E4932"
                                    << "7";
    QTest::addRow("formule, v ecrit V") << "f"
                                        << "insere"
                                        << "v("
                                        << "V(7";
    QTest::addRow("formule, trop longue") << "f"
                                          << "insere" << QString(300, u'1') << "7";
  }
  void texteDAilleurs() {
    QFETCH(QString, champ);
    QFETCH(QString, facon);
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    const QHash<QString, QLineEdit*> champs{
        {"sphere x", sphere_->champs[0]}, {"cotes", pyramide_->champs[1]},
        {"x=", section_->edits[0]},       {"y=", section_->edits[1]},
        {"Min", section_->kmin},          {"Xmax", repere_->champs[1]},
        {"f", fonction_->Edit1}};
    QLineEdit* e = champs.value(champ);
    champ::ecrire(e, QStringLiteral("7"));
    champ::colorer(e, champ::noir);
    fonction_->setetat(EtatChamp::accepte);
    const int refus = champ::refus(e);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(e);
    if (facon == "valeur") i->setText(QAccessible::Value, texte);
    if (facon == "remplace") i->editableTextInterface()->replaceText(0, 1, texte);
    if (facon == "insere") i->editableTextInterface()->insertText(0, texte);
    QCOMPARE(e->text(), attendu);
    const bool refuse = attendu == "7";
    QCOMPARE(champ::refus(e), refus + int(refuse));
    // Taken as typed: pending until Enter.
    QCOMPARE(champ::couleur(e), refuse ? champ::noir : champ::bleu);
  }

  // The formula field takes no more than the engine compiles: typing stops at the last
  // character that fits, and Enter judges exactly the text shown.
  void longueur_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<bool>("colle");
    QTest::addRow("chiffres") << QString(300, u'1') << false;
    QTest::addRow("le plan 0.5 puis x*y")
        << QStringLiteral("0.5") + QString(252, u'0') + QStringLiteral("+x*y") << false;
    QTest::addRow("carres qui s'allongent") << QStringLiteral("x²+").repeated(90) << false;
    QTest::addRow("colle") << QStringLiteral("x*y+").repeated(80) << true;
  }
  void longueur() {
    QFETCH(QString, tape);
    QFETCH(bool, colle);
    Tfonction3d* d = fonction_.get();
    d->Edit1->clear();
    if (colle) {
      // Pasted, it enters whole or not at all: never cut.
      QGuiApplication::clipboard()->setText(tape);
      QTest::keyClick(d->Edit1, Qt::Key_Insert, Qt::ShiftModifier);
      QVERIFY(d->Edit1->text().isEmpty());
      QVERIFY(champ::refuse(d->Edit1));
      return;
    }
    QTest::keyClicks(d->Edit1, tape);
    const QString champ = d->Edit1->text();
    QVERIFY(champ.size() < tape.size());
    QVERIFY(tape.startsWith(champ));
    const std::string normal = normalise(champ::latin1(champ));
    QVERIFY(normal.size() <= Tfonction3d::kLongueurMax);
    QVERIFY(normalise(champ::latin1(champ + tape[champ.size()])).size() >
            Tfonction3d::kLongueurMax);
    QTest::keyClick(d->Edit1, Qt::Key_Return);
    TExpress e;
    e.setExpression(normal);
    QCOMPARE(d->etat(), e.CompileError() ? EtatChamp::refuse : EtatChamp::accepte);
  }
};

QUADREL_GUI_TEST_MAIN(TestRegles)
#include "regles_test.moc"
