// Qt Test main for the widget tests: the GL format must be the default before the
// application exists, as in the program.
#pragma once

#include <QApplication>
#include <QTest>

#include "view/feuille.h"

#define QUADREL_GUI_TEST_MAIN(Classe)       \
  int main(int argc, char** argv) {         \
    TFeuille::formatpardefaut();            \
    QApplication app(argc, argv);           \
    Classe test;                            \
    return QTest::qExec(&test, argc, argv); \
  }
