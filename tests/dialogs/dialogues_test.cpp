// What every dialog of the started program shares: closed with its close box and opened
// again it comes back the same, every control within a click's reach; Enter presses a
// focused go, never a Poubelle; the solid chooser's caption is read whole.
#include <QMdiSubWindow>
#include <QStyleOptionTitleBar>

#include "onze.h"

namespace {

QStyleOptionTitleBar barre(QMdiSubWindow* s) {
  QStyleOptionTitleBar o;
  o.initFrom(s);
  o.titleBarFlags = s->windowFlags();
  o.subControls = QStyle::SC_All;
  o.text = s->windowTitle();
  o.rect = QRect(0, 0, s->width(), s->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, s));
  return o;
}

// A click on the close box, with the pointer already there: no move comes before the
// press, as when a frame opens under a still pointer or a touch screen is tapped where it
// was tapped last.
void croix(QWidget* d) {
  auto* s = qobject_cast<QMdiSubWindow*>(cadre(d));
  QVERIFY(s);
  const QStyleOptionTitleBar o = barre(s);
  const QPoint p = s->style()
                       ->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarCloseButton, s)
                       .center();
  QTest::mouseMove(s, p);
  QTest::mouseClick(s, Qt::LeftButton, {}, p);
}

}  // namespace

class TestDialogues : public QObject {
  Q_OBJECT
  std::unique_ptr<Application> app_;

  void ouvrirdialogue(const Ouverture& o) {
    ouvrir(*app_, o);
    QVERIFY(o.d->isVisible());
  }

 private slots:
  void initTestCase() {
    app_ = demarreractif();
    QVERIFY(app_);
  }
  void cleanupTestCase() { app_.reset(); }

  // Twice through the close box: the same frame at the same place, the same controls in
  // reach, none under a label or another control.
  void reouverture() {
    for (const Ouverture& o : onze(*app_)) {
      const QString nom = o.d->windowTitle() + QLatin1Char('/') + o.d->objectName();
      QRect avant;
      QStringList atteints;
      for (int fois = 0; fois < 3; ++fois) {
        ouvrirdialogue(o);
        QWidget* c = cadre(o.d);
        QVERIFY2(c != o.d && c->isVisible(), qPrintable(nom));
        QVERIFY2(c->rect().contains(QRect(o.d->mapTo(c, QPoint(0, 0)), o.d->size())),
                 qPrintable(nom));
        QVERIFY2(caches(o.d).isEmpty(), qPrintable(nom + QLatin1Char(' ') + caches(o.d).join(',')));
        QStringList noms;
        for (QWidget* w : controles(o.d))
          if (montre(w)) noms << w->objectName();
        if (fois == 0) {
          avant = c->geometry();
          atteints = noms;
          QVERIFY2(!noms.isEmpty(), qPrintable(nom));
        } else {
          QCOMPARE(c->geometry(), avant);
          QCOMPARE(noms, atteints);
        }
        croix(o.d);
        QTRY_VERIFY2(!o.d->isVisible() && !c->isVisible(), qPrintable(nom));
      }
    }
  }

  // Enter and Space on a focused go press it; on a focused Poubelle only Space does.
  void entreeEtEspace() {
    const Quadriques& q = app_->quadriques;
    const std::tuple<int, int, DialogBase*, QString> cas[] = {
        {0, -1, app_->optionrepere, QStringLiteral("Go")},
        {2, -1, app_->fonction3d, QStringLiteral("go")},
        {2, -1, app_->fonction3d, QStringLiteral("Poubelle")},
        {3, 0, q.caraccube, QStringLiteral("go")},
        {3, 1, q.caraccyl, QStringLiteral("go")},
        {3, 2, q.caracpyr, QStringLiteral("go")},
        {3, 3, q.caraccone, QStringLiteral("go")},
        {3, 4, q.caracsphere, QStringLiteral("go")},
        {3, 4, q.caracsphere, QStringLiteral("Poubelle")},
    };
    for (const auto& [bouton, solide, d, nombouton] : cas) {
      auto* b = d->findChild<QPushButton*>(nombouton);
      QVERIFY(b);
      int clics = 0;
      const auto lien = connect(b, &QPushButton::clicked, this, [&] { ++clics; });
      for (auto [touche, attendu] :
           {std::pair{Qt::Key_Return, nombouton != "Poubelle"},
            std::pair{Qt::Key_Enter, nombouton != "Poubelle"}, std::pair{Qt::Key_Space, true}}) {
        ouvrirdialogue({bouton, solide, d});
        b->setFocus();
        clics = 0;
        QTest::keyClick(b, touche);
        QVERIFY2(clics == int(attendu), qPrintable(d->objectName() + nombouton));
        if (d->isVisible()) ranger(d);
      }
      disconnect(lien);
    }
  }

  // A button takes the focus as the mouse passes over it, except from the sheet.
  void survolEtFeuille() {
    Tfonction3d* d = app_->fonction3d;
    ouvrirdialogue({2, -1, d});
    for (QWidget* avant : {static_cast<QWidget*>(d->Edit1), static_cast<QWidget*>(app_->Feuille)}) {
      avant->activateWindow();
      avant->setFocus();
      QTRY_COMPARE(QApplication::focusWidget(), avant);
      QEvent entre(QEvent::Enter);
      QApplication::sendEvent(d->Poubelle, &entre);
      QWidget* attendu = avant == app_->Feuille ? avant : static_cast<QWidget*>(d->Poubelle);
      QCOMPARE(QApplication::focusWidget(), attendu);
    }
    croix(d);
  }

  // Typed as a pupil does: Enter after each field, then Enter again on go draws the solid.
  void entreeJusquAuSolide() {
    Tcaracsphere* d = app_->quadriques.caracsphere;
    ouvrirdialogue({3, 4, d});
    app_->scene.quadriqueok = false;
    for (int k = 0; k < 4; ++k) entrer(d->champs[std::size_t(k)], QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->go));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(app_->scene.quadriqueok);
    croix(d);
  }

  // The chooser's caption has room for the longest name beside the close box.
  void legendeDuChoix() {
    Tchoixquadrics* c = app_->quadriques.choixquadrics;
    ouvrirdialogue({3, -1, c});
    auto* s = qobject_cast<QMdiSubWindow*>(cadre(c));
    for (QToolButton* b : c->boutons) {
      QTest::mouseMove(b);
      QTRY_COMPARE(s->windowTitle(), b->objectName());
      QStyleOptionTitleBar o = barre(s);
      QFont gras = QApplication::font("QMdiSubWindowTitleBar");
      gras.setBold(true);
      const int place =
          s->style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, s).width();
      QVERIFY2(QFontMetrics(gras).horizontalAdvance(o.text) <= place,
               qPrintable(o.text + QStringLiteral(" dans %1 px").arg(place)));
    }
    croix(c);
  }
};

QUADREL_GUI_TEST_MAIN(TestDialogues)
#include "dialogues_test.moc"
