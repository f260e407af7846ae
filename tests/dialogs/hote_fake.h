// A host that records what a dialog asks of the sheet and the main window, in order, as
// short words: "prepareaxe", "FormPaint", "fermer", "aide:<text>", …
#pragma once

#include <QStringList>
#include <QWidget>

#include "services/dialog_host.h"

class HoteEnregistreur : public DialogHost {
 public:
  QStringList appels;
  QRect feuille{0, 0, 600, 400};

  void prepareaxe() override { appels << QStringLiteral("prepareaxe"); }
  void preparesurface() override { appels << QStringLiteral("preparesurface"); }
  void preparelignes() override { appels << QStringLiteral("preparelignes"); }
  void prepareplanx() override { appels << QStringLiteral("prepareplanx"); }
  void prepareplany() override { appels << QStringLiteral("prepareplany"); }
  void prepareplanz() override { appels << QStringLiteral("prepareplanz"); }
  void prepareplanxy() override { appels << QStringLiteral("prepareplanxy"); }
  void preparepyr() override { appels << QStringLiteral("preparepyr"); }
  void appelplan() override { appels << QStringLiteral("appelplan"); }
  void FormPaint() override { appels << QStringLiteral("FormPaint"); }
  void setlegende(const QString& t) override { appels << QStringLiteral("legende:") + t; }
  QRect cadrefeuille() const override { return feuille; }
  void ouvrir(QWidget* d) override {
    appels << QStringLiteral("ouvrir");
    d->show();
  }
  void fermer(QWidget*) override { appels << QStringLiteral("fermer"); }
  void aide(const QString& t) override { appels << QStringLiteral("aide:") + t; }

  // The calls so far, then forgets them.
  QStringList prendre() {
    QStringList a = appels;
    appels.clear();
    return a;
  }
};
