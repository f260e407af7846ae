// Without OpenGL (no GL platform, as on a machine without GLX) the program says so in its
// "Init OpenGL" box, once, and goes on with a blank sheet that takes every call.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "shell/demarrage.h"
#include "shell/fond.h"
#include "view/feuille.h"

class TestSansGl : public QObject {
  Q_OBJECT

 private slots:
  void demarreEtContinue() {
    QStringList boites;
    // The box is modal: answer it from inside the loop it runs.
    QTimer repondre;
    connect(&repondre, &QTimer::timeout, [&boites] {
      if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boites << b->windowTitle();
        b->accept();
      }
    });
    repondre.start(20);
    std::unique_ptr<Application> app = demarrer(QStringLiteral(QUADREL_RESOURCES));
    QVERIFY(QTest::qWaitForWindowExposed(app->fond.get()));
    TFeuille* f = app->Feuille;
    QVERIFY(f);
    QVERIFY(!f->glok());

    // Every way in stays harmless: frames, lists, the mouse, the copy.
    f->prepareaxe();
    f->FormPaint();
    QTest::mousePress(f, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(f, QPoint(120, 90));
    QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(120, 90));
    QCOMPARE(f->scene.rotz, -10.f);
    QVERIFY(f->image().isNull());
    QCOMPARE(f->imagesdessinees(), 0);
    QVERIFY(!f->scene.dessinencours);
    const QImage vue = f->grab().toImage();
    QCOMPARE(QColor(vue.pixel(vue.width() / 2, vue.height() / 2)), QColor(Qt::white));
    QTest::qWait(100);
    QCOMPARE(boites, QStringList{QStringLiteral("Init OpenGL")});
  }
};

int main(int argc, char** argv) {
  qputenv("QT_XCB_GL_INTEGRATION", "none");
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  TestSansGl test;
  return QTest::qExec(&test, argc, argv);
}

#include "sansgl_test.moc"
