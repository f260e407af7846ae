// A picture drawn in tiles is the picture drawn in one piece: no seam where tiles meet,
// whether the viewport is shifted under each tile or the projection cut onto it. And a
// surface recorded in several GL lists draws the picture of one list.
#include <QGuiApplication>
#include <QTest>
#include <algorithm>
#include <string>
#include <variant>

#include "shell/dessin_lecon.h"
#include "shell/fichier_lecon.h"
#include "solids/solide.h"
#include "view/contexte_egl.h"
#include "view/frame.h"
#include "view/glyphes.h"

namespace {

quadrel::Scene scene(const QString& nom) {
  const auto lue = quadrel::lireFichierLecon(QStringLiteral(QUADREL_SOURCE_DIR "/exemples/") + nom,
                                             quadrel::Lecon{});
  return quadrel::sceneDe(std::get<quadrel::LeconLue>(lue).lecon);
}

}  // namespace

class TestTuiles : public QObject {
  Q_OBJECT

 private slots:
  void sansCouture_data() {
    QTest::addColumn<QString>("lecon");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("echantillons");
    QTest::addColumn<double>("echelle");
    QTest::addColumn<int>("cote");
    QTest::addColumn<bool>("parprojection");
    // Tiles of uneven sides, lines thickened so that some lie along and across seams.
    QTest::newRow("viewport 4x") << "06-sinus-cosinus-lignes-z.quadrel" << QSize(700, 500) << 4
                                 << 2.0 << 256 << false;
    QTest::newRow("viewport aliased")
        << "05-cloche-point-libre.quadrel" << QSize(640, 480) << 0 << 1.0 << 173 << false;
    QTest::newRow("projection 4x")
        << "04-sphere-section-z.quadrel" << QSize(600, 450) << 4 << 5.0 << 128 << true;
  }

  void sansCouture() {
    QFETCH(QString, lecon);
    QFETCH(QSize, taille);
    QFETCH(int, echantillons);
    QFETCH(double, echelle);
    QFETCH(int, cote);
    QFETCH(bool, parprojection);
    const quadrel::Scene s = scene(lecon);
    quadrel::OptionsImage o;
    o.echantillons = echantillons;
    o.echelle = echelle;
    std::string erreur;
    const QImage entiere = quadrel::imageSansEcran(s, taille, erreur, o);
    QVERIFY2(!entiere.isNull(), erreur.c_str());
    o.cotetuile = cote;
    o.parprojection = parprojection;
    const QImage tuiles = quadrel::imageSansEcran(s, taille, erreur, o);
    QCOMPARE(tuiles.size(), taille);
    int ecarts = 0, pire = 0;
    for (int y = 0; y < taille.height(); ++y)
      for (int x = 0; x < taille.width(); ++x) {
        const QRgb a = entiere.pixel(x, y), b = tuiles.pixel(x, y);
        const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        pire = std::max(pire, d);
        ecarts += d > 2;
      }
    qInfo("%s: %d pixels differ, by %d at most", qPrintable(lecon), ecarts, pire);
    // Rounding moves a few edge samples (the shifted viewport's sums round apart); a seam
    // loses or doubles whole runs of pixels along a tile's edge.
    QVERIFY(ecarts <= taille.width() * taille.height() / 5000);
  }

  // Every piece of a list is called, with as many pieces as the limit asks for: pixel for
  // pixel the picture of uncut lists.
  void morceaux() {
    std::string erreur;
    std::unique_ptr<quadrel::ContexteEgl> c = quadrel::ContexteEgl::creer(erreur);
    QVERIFY2(c, erreur.c_str());
    quadrel::Renderer r(std::move(c));
    const QSize taille(500, 400);
    QVERIFY(r.demarrer(taille, QFont(QStringLiteral("Comics Sans MS"))));
    quadrel::Scene s = scene(QStringLiteral("06-sinus-cosinus-lignes-z.quadrel"));
    quadrel::construireListes(r, s);
    quadrel::FrameHooks crochets;
    crochets.dessinesolide = quadrel::dessinesolide;
    const auto image = [&] {
      QImage i;
      r.rendre(
          taille, taille, [&] { return quadrel::buildFrame(s, crochets).commands; }, i);
      return i;
    };
    const struct {
      std::size_t sommets;
      int morceaux;
    } cas[] = {{0, 1}, {quadrel::kSommetsMorceau, 4}, {30000, 3}, {1000, quadrel::kMorceauxMax}};
    const QImage entiere = image();  // as recorded (four pieces); then each limit in turn
    QCOMPARE(r.morceaux(quadrel::Liste::surface), 4);
    for (const auto& k : cas) {
      r.limitermorceaux(k.sommets);
      QCOMPARE(r.morceaux(quadrel::Liste::surface), k.morceaux);
      QCOMPARE(r.morceaux(quadrel::Liste::lignesz), 1);
      QVERIFY(image() == entiere);
    }
  }
};

int main(int argc, char** argv) {
  qunsetenv("DISPLAY");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  quadrel::substituerpolices();
  TestTuiles test;
  return QTest::qExec(&test, argc, argv);
}

#include "tuiles_test.moc"
