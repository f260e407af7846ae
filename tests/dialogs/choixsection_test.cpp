// The section and free point dialogs on a recording host: key filters, Enter and focus,
// the bounds, k, the kinds, the cut, folding, the move buttons, the caption, and the names
// and values a screen reader uses.
#include "sections/gui/choixsection.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QMdiSubWindow>
#include <QStyle>

#include "hote_fake.h"
#include "principal.h"
#include "sections/gui/pointlibre.h"
#include "services/champ.h"

namespace {
const QColor kBleu(0, 0, 255), kRouge(255, 0, 0), kNoir(0, 0, 0);
}  // namespace

class TestChoixsection : public QObject {
  Q_OBJECT
  quadrel::Scene scene_;
  HoteEnregistreur hote_;
  std::unique_ptr<Tchoixsection> d_;

  void taper(QLineEdit* e, const QString& texte, bool entree = true) {
    e->clear();
    e->setFocus();
    QTest::keyClicks(e, texte);
    if (entree) QTest::keyClick(e, Qt::Key_Return);
  }

 private slots:
  void init() {
    scene_ = quadrel::Scene{};
    hote_.scene = &scene_;
    d_ = std::make_unique<Tchoixsection>(scene_, hote_, nullptr);
    d_->show();
    QVERIFY(QTest::qWaitForWindowExposed(d_.get()));
    hote_.prendre();
  }
  void cleanup() { d_.reset(); }

  void filtresDesTouches() {
    const struct {
      QLineEdit* champ;
      QString tape, garde;
    } cas[] = {{d_->edits[0], QStringLiteral("2a k,x 1.5-"), QStringLiteral("2k1.5-")},
               {d_->edits[0], QStringLiteral("k/2+2*(k-1)^"), QStringLiteral("k/2+2*(k-1)")},
               {d_->kmin, QStringLiteral("k-3.5y*"), QStringLiteral("-3.5")}};
    for (const auto& c : cas) {
      taper(c.champ, c.tape, false);
      QCOMPARE(c.champ->text(), c.garde);
      QCOMPARE(champ::couleur(c.champ), kBleu);
    }
    QVERIFY(hote_.prendre().isEmpty());  // typing alone rebuilds nothing
  }

  void entreeEtFocus() {
    taper(d_->edits[0], QStringLiteral("k-"));
    QCOMPARE(champ::couleur(d_->edits[0]), kRouge);
    QCOMPARE(hote_.prendre(), QStringList{"FormPaint"});  // nothing to show
    taper(d_->edits[0], QStringLiteral("k"));
    QCOMPARE(champ::couleur(d_->edits[0]), kNoir);
    QCOMPARE(d_->focusWidget(), d_->kmin);
    QCOMPARE(hote_.prendre(), (QStringList{"prepareplanx:-4", "FormPaint"}));
    QCOMPARE(scene_.typesection, 1);
    // The general plane: a, Enter, b, Enter, c, Enter.
    d_->p4->click();  // the x plane leaves the sheet
    QCOMPARE(hote_.prendre(), (QStringList{"prepareaxe", "FormPaint"}));
    QCOMPARE(d_->focusWidget(), d_->edits[3]);
    QVERIFY(!d_->edits[0]->isEnabled() && d_->edits[5]->isEnabled());
    taper(d_->edits[3], QStringLiteral("1"));
    QCOMPARE(d_->focusWidget(), d_->edits[4]);
    taper(d_->edits[4], QStringLiteral("2"));
    QCOMPARE(d_->focusWidget(), d_->edits[5]);
    QVERIFY(hote_.prendre().isEmpty());
    taper(d_->edits[5], QStringLiteral("-3"));
    QCOMPARE(hote_.prendre(), (QStringList{"prepareplanxy:-0.5*x+(1.5):-4", "FormPaint"}));
    // A zero a is accepted as a formula on Enter, then refused by the next frame.
    taper(d_->edits[3], QStringLiteral("0"));
    QCOMPARE(champ::couleur(d_->edits[3]), kNoir);
    d_->appelplan();
    QCOMPARE(champ::couleur(d_->edits[3]), kRouge);
    QCOMPARE(scene_.typesection, 0);
  }

  void bornesEtK() {
    const struct {
      QString kmin, kmax;
      QColor couleur;
      bool actif;
      QString affk;
    } cas[] = {{"3", "1", kRouge, false, "k=4"},
               {"-4", "4", kNoir, true, "k=0"},
               {"-", "4", kRouge, false, "k=0"}};  // unreadable: the label stays
    d_->valk->setValue(20);
    for (const auto& c : cas) {
      taper(d_->kmax, c.kmax, false);
      taper(d_->kmin, c.kmin);
      QCOMPARE(champ::couleur(d_->kmin), c.couleur);
      QCOMPARE(champ::couleur(d_->kmax), c.couleur);
      QCOMPARE(d_->valk->isEnabled(), c.actif);
      QCOMPARE(d_->affk->text(), c.affk);
    }
    // The track bar, dragged or set by a screen reader, moves k and the section alike.
    taper(d_->kmin, QStringLiteral("-4"));
    taper(d_->edits[0], QStringLiteral("k"));
    hote_.prendre();
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(d_->valk);
    QCOMPARE(i->text(QAccessible::Name), QStringLiteral("k"));
    i->valueInterface()->setCurrentValue(25);
    QCOMPARE(d_->affk->text(), QStringLiteral("k=1"));
    QCOMPARE(hote_.prendre(), (QStringList{"prepareplanx:1", "FormPaint"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(d_->affk)->text(QAccessible::Name),
             QStringLiteral("k=1"));
    // Refused bounds disable it: set all the same, it does not act.
    taper(d_->kmin, QStringLiteral("9"));
    QVERIFY(!d_->valk->isEnabled());
    hote_.prendre();
    i->valueInterface()->setCurrentValue(35);
    QCOMPARE(d_->valk->value(), 25);
    QCOMPARE(d_->affk->text(), QStringLiteral("k=12.125"));  // from Enter, not from the bar
    QVERIFY(hote_.prendre().isEmpty());
  }

  void coupeEtFermeture() {
    taper(d_->edits[0], QStringLiteral("k"));
    d_->valk->setValue(30);
    QCOMPARE(scene_.clipxmin, (quadrel::ClipPlane{1, 0, 0, -2 + 0.01}));
    QCOMPARE(scene_.pointx, 2.0);
    hote_.prendre();
    d_->close();
    QVERIFY(!d_->isVisible());
    QVERIFY(!scene_.choixsectionVisible);
    QCOMPARE(hote_.prendre(), (QStringList{"fermer", "prepareaxe", "FormPaint"}));
  }

  // "Animer k" sweeps k through real values, frame after frame, the track bar following;
  // pressed again it stops. PageUp moves k by one position of the track bar.
  void animationEtPages() {
    taper(d_->edits[0], QStringLiteral("k"));
    QAccessibleInterface* bouton = QAccessible::queryAccessibleInterface(d_->animer);
    QCOMPARE(bouton->text(QAccessible::Name), QStringLiteral("Animer k"));
    QCOMPARE(d_->vitesse->accessibleName(), QStringLiteral("Vitesse"));
    hote_.prendre();
    bouton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(d_->anime());  // a pressed button clicks a moment later
    // Play and pause drawn by the style: no glyph that a font may lack.
    const auto icone = [&](QStyle::StandardPixmap p) {
      return d_->animer->text().isEmpty() && d_->animer->icon().pixmap(16).toImage() ==
                                                 d_->style()->standardIcon(p).pixmap(16).toImage();
    };
    QVERIFY(icone(QStyle::SP_MediaPause));
    QTRY_VERIFY(hote_.appels.count(QStringLiteral("FormPaint")) >= 3);
    QVERIFY(scene_.k > -4);
    QCOMPARE(d_->affk->text(), QString::fromLatin1(quadrel::texteK(scene_.k).c_str()));
    QTest::mouseClick(d_->animer, Qt::LeftButton);
    QVERIFY(!d_->anime());
    QVERIFY(icone(QStyle::SP_MediaPlay));
    const int position = d_->valk->value();
    d_->activateWindow();  // shortcuts need an active window of the program
    QVERIFY(QTest::qWaitForWindowActive(d_.get()));
    QTest::keyClick(d_->edits[0], Qt::Key_PageUp);
    QCOMPARE(d_->valk->value(), position + 1);
  }

  void genresParAccessibilite() {
    // A screen reader toggles without clicking: the kind still switches.
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(d_->p3);
    QCOMPARE(i->text(QAccessible::Name), QStringLiteral("z="));
    i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(d_->p3->isChecked());
    QVERIFY(d_->edits[2]->isEnabled() && !d_->edits[0]->isEnabled());
    QCOMPARE(hote_.prendre(), (QStringList{"prepareaxe", "FormPaint"}));
    const QStringList noms{"x=", "y=", "z=", "ax+by+c=0"};
    const QRadioButton* genres[] = {d_->p1, d_->p2, d_->p3, d_->p4};
    for (int k = 0; k < 4; ++k)
      QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QRadioButton*>(genres[k]))
                   ->text(QAccessible::Name),
               noms[k]);
    const QStringList champs{"x=", "y=", "z=", "a", "b", "c"};
    for (int k = 0; k < 6; ++k) QCOMPARE(d_->edits[k]->accessibleName(), champs[k]);
    QCOMPARE(d_->kmin->accessibleName(), QStringLiteral("Min"));
    QCOMPARE(d_->kmax->accessibleName(), QStringLiteral("Max"));
  }

  void pliage() {
    QCOMPARE(d_->GroupBox2->height(), 30);
    QCOMPARE(d_->plus1->text(), QStringLiteral("+"));
    QCOMPARE(d_->GroupBox1->geometry(), QRect(0, 30, d_->GroupBox1->width(), 177));
    QCOMPARE(d_->plus2->text(), QStringLiteral("-"));
    d_->plus1->click();
    QCOMPARE(d_->GroupBox2->height(), 92);
    QCOMPARE(d_->GroupBox1->y(), 92);
    QCOMPARE(d_->plus1->text(), QStringLiteral("-"));
    QCOMPARE(d_->height(), 92 + 177);
    d_->plus2->click();
    QCOMPARE(d_->GroupBox1->height(), 30);
    QCOMPARE(d_->plus2->text(), QStringLiteral("+"));
    QCOMPARE(d_->height(), 92 + 30);
    d_->plus1->click();
    QCOMPARE(d_->GroupBox1->y(), 30);
  }

  void pointLibre() {
    TPointlibre p(scene_, hote_, nullptr);
    p.show();
    QVERIFY(scene_.pointlibreVisible);
    QCOMPARE(scene_.pointx, -4.0);
    QCOMPARE(hote_.prendre(), QStringList{"FormPaint"});
    const QStringList noms{"x+", "x-", "y+", "y-", "z+", "z-"};
    for (int k = 0; k < 6; ++k) QCOMPARE(p.boutons[k]->accessibleName(), noms[k]);
    QCOMPARE(p.var1->accessibleName(), QStringLiteral("Petits \"sauts\"."));
    QVERIFY(p.var1->isChecked());
    QTest::mouseClick(p.boutons[0], Qt::LeftButton);
    QCOMPARE(scene_.pointx, -3.9);
    QTest::mouseClick(p.boutons[4], Qt::LeftButton);
    QCOMPARE(scene_.pointz, 0.1);
    // Graduation jumps, chosen by a screen reader: M goes back to its start first.
    QAccessible::queryAccessibleInterface(p.var2)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    QCOMPARE(scene_.pointx, -4.0);
    QTest::mouseClick(p.boutons[2], Qt::LeftButton);
    QCOMPARE(scene_.pointy, -3.0);
    hote_.prendre();
    p.close();
    QVERIFY(!scene_.pointlibreVisible);
    QCOMPARE(hote_.prendre(), (QStringList{"fermer", "legende:Feuille", "FormPaint"}));
  }
};

QUADREL_GUI_TEST_MAIN(TestChoixsection)
#include "choixsection_test.moc"
