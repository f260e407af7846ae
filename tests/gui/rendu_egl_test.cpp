// The renderer with no display at all: on Mesa's EGL surfaceless context, with the
// toolkit's offscreen platform for the glyph outlines, it draws the pixels the sheet draws
// under an X server. The sheet's pictures come from this same program run under Xvfb.
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "shell/demarrage.h"
#include "shell/fond.h"
#include "solids/solide.h"
#include "surfaces/axes.h"
#include "view/contexte_egl.h"
#include "view/feuille.h"
#include "view/renderer.h"

namespace {

struct Vue {
  const char* nom;
  void (*regler)(quadrel::Scene&);
};

const Vue kVues[] = {
    {"defaut", [](quadrel::Scene&) {}},
    {"sphere",
     [](quadrel::Scene& s) {
       s.typequadrique = 1;
       s.quadriqueok = true;
       s.solx = 1;
       s.soly = 0.5L;
       s.solz = 0;
       s.soltaille = 2;
       s.rotz = 30;
       s.inclinaison = 20;
     }},
};

// Under Xvfb: the sheet's frame of each scene in turn, and the sheet's outer size.
int feuille(int argc, char** argv, const QString& dossier) {
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  const std::unique_ptr<Application> a = demarrer(QStringLiteral(QUADREL_RESOURCES));
  if (!QTest::qWaitForWindowExposed(a->fond.get()) || !a->Feuille->glok()) return 1;
  for (const Vue& v : kVues) {
    v.regler(a->Feuille->scene);
    if (!a->Feuille->image().save(dossier + QLatin1Char('/') + QLatin1String(v.nom) + ".png"))
      return 1;
  }
  QFile taille(dossier + QStringLiteral("/taille"));
  if (!taille.open(QIODevice::WriteOnly)) return 1;
  taille.write(QByteArray::number(a->Feuille->taille().width()) + ' ' +
               QByteArray::number(a->Feuille->taille().height()));
  return 0;
}

}  // namespace

class TestRenduEgl : public QObject {
  Q_OBJECT
  QTemporaryDir dossier_;
  QSize taille_;

 private slots:
  void initTestCase() {
    QVERIFY(qEnvironmentVariableIsEmpty("DISPLAY"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(
        QStringLiteral("xvfb-run"),
        {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24"),
         QCoreApplication::applicationFilePath(), QStringLiteral("--feuille"), dossier_.path()});
    QVERIFY(p.waitForFinished(180000));
    QCOMPARE(p.exitCode(), 0);
    QFile taille(dossier_.filePath(QStringLiteral("taille")));
    QVERIFY(taille.open(QIODevice::ReadOnly));
    const QList<QByteArray> t = taille.readAll().split(' ');
    taille_ = QSize(t.value(0).toInt(), t.value(1).toInt());
    QVERIFY(!taille_.isEmpty());
  }

  void memesPixels() {
    QImage precedente;
    for (const Vue& v : kVues) {
      quadrel::Scene s;
      v.regler(s);
      std::string erreur;
      std::unique_ptr<quadrel::ContexteEgl> c = quadrel::ContexteEgl::creer(erreur);
      QVERIFY2(c, erreur.c_str());
      quadrel::Renderer r(std::move(c));
      QVERIFY(r.demarrer(taille_, QFont(QStringLiteral("Comics Sans MS"))));
      QVERIFY(r.metriques()['x'].avance > 0);  // outlines came from the offscreen platform
      r.enregistrer(quadrel::Liste::axes, quadrel::buildAxes(s));
      quadrel::FrameHooks crochets;
      crochets.dessinesolide = quadrel::dessinesolide;
      const QImage attendue(dossier_.filePath(QLatin1String(v.nom) + ".png"));
      QImage image;
      QVERIFY(r.rendre(
          attendue.size(), taille_, [&] { return quadrel::buildFrame(s, crochets).commands; },
          image));
      int differents = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          differents += ((image.pixel(x, y) ^ attendue.pixel(x, y)) & 0xffffffu) != 0;
      qInfo("%s %dx%d: %d pixels differ", v.nom, image.width(), image.height(), differents);
      QCOMPARE(differents, 0);
      QVERIFY(image != precedente);  // each scene draws something of its own
      precedente = image;
    }
  }
};

int main(int argc, char** argv) {
  if (argc == 3 && QByteArray(argv[1]) == "--feuille")
    return feuille(1, argv, QString::fromLocal8Bit(argv[2]));
  qunsetenv("DISPLAY");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  quadrel::substituerpolices();
  TestRenduEgl test;
  return QTest::qExec(&test, argc, argv);
}

#include "rendu_egl_test.moc"
