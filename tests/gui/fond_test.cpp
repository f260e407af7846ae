// The main window's ruled background, drawn again in full after a resize.
#include "shell/fond.h"

#include <QImage>

#include "principal.h"

namespace {
const QColor kBleu(166, 202, 240), kRouge(255, 0, 0), kBlanc(255, 255, 255);
}

class TestFond : public QObject {
  Q_OBJECT
 private:
  QImage fond(Tfond& f) { return f.zone->viewport()->grab().toImage(); }

  void verifier(const QImage& img) {
    const int h = img.height();
    QCOMPARE(QColor(img.pixel(60, 4)), kBleu);   // fine rule
    QCOMPARE(QColor(img.pixel(60, 6)), kBlanc);  // between two rules
    QCOMPARE(QColor(img.pixel(60, 8)), kBleu);
    // Every seventh rule is strong: two pixels instead of one.
    QCOMPARE(QColor(img.pixel(60, 27)), kBleu);
    QCOMPARE(QColor(img.pixel(60, 28)), kBleu);
    QCOMPARE(QColor(img.pixel(60, 3)), kBlanc);
    // The margin, red all the way down; nothing vertical left of it.
    for (int y : {1, h / 2 + 1, h - 2}) {
      QCOMPARE(QColor(img.pixel(120, y)), kRouge);
      QCOMPARE(QColor(img.pixel(119, y)), kRouge);
      QCOMPARE(QColor(img.pixel(92, y)), kBlanc);
    }
    // Strong vertical rules every 28 px from the margin on.
    QCOMPARE(QColor(img.pixel(148, 2)), kBleu);
    QCOMPARE(QColor(img.pixel(147, 2)), kBleu);
    QCOMPARE(QColor(img.pixel(150, 2)), kBlanc);
  }

 private slots:
  void initTestCase() { quadrel::substituerpolices(); }

  void reglureApresRedimensionnement() {
    Tfond f(QStringLiteral(QUADREL_RESOURCES));
    f.setGeometry(0, 0, 500, 300);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    verifier(fond(f));
    f.resize(900, 700);
    QTRY_COMPARE(f.zone->viewport()->height(), 700 - (f.height() - f.zone->height()));
    const QImage img = fond(f);
    verifier(img);
    // The part uncovered by the resize is ruled too.
    const int y = (img.height() - 10) / 4 * 4;
    QCOMPARE(QColor(img.pixel(img.width() - 30, y)), kBleu);
    QCOMPARE(QColor(img.pixel(img.width() - 30, y + 2)), kBlanc);
  }

  void titreEtNom() {
    Tfond f(QStringLiteral(QUADREL_RESOURCES));
    QCOMPARE(f.windowTitle(), QStringLiteral("Quadrel"));
    QCOMPARE(f.accessibleName(), QStringLiteral("Quadrel"));
  }
};

QUADREL_GUI_TEST_MAIN(TestFond)
#include "fond_test.moc"
