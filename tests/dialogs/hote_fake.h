// A host that records what a dialog asks of the sheet and the main window, in order, as
// short words: "prepareaxe", "FormPaint", "fermer", "aide:<text>", … Given the scene, its
// FormPaint also does what the sheet does before a frame while the section dialog is
// shown, recording the section list it rebuilds ("prepareplanx:1",
// "prepareplanxy:-0.5*x+(1.5):0", …) before "FormPaint".
#pragma once

#include <QStringList>
#include <QWidget>

#include "sections/section_rules.h"
#include "services/dialog_host.h"

class HoteEnregistreur : public DialogHost, private quadrel::FeuilleSections {
 public:
  QStringList appels;
  QRect feuille{0, 0, 600, 400};
  quadrel::Scene* scene = nullptr;

  void reconstruire(quadrel::Liste l) override {
    using quadrel::Liste;
    appels << (l == Liste::axes      ? QStringLiteral("prepareaxe")
               : l == Liste::surface ? QStringLiteral("preparesurface")
               : l == Liste::lignesx ? QStringLiteral("preparelignes")
                                     : QStringLiteral("preparepyr"));
  }
  void FormPaint() override {
    if (scene && scene->choixsectionVisible) quadrel::appelplan(*scene, *this);
    appels << QStringLiteral("FormPaint");
  }
  void setlegende(const QString& t) override { appels << QStringLiteral("legende:") + t; }
  QRect cadrefeuille() const override { return feuille; }
  void ouvrir(QWidget* d) override {
    appels << QStringLiteral("ouvrir");
    d->show();
  }
  void fermer(QWidget*) override { appels << QStringLiteral("fermer"); }
  void aide(const QString& t) override { appels << QStringLiteral("aide:") + t; }

  static QString nombre(extended k) { return QString::number(double(k), 'g', 15); }

  // The calls so far, then forgets them.
  QStringList prendre() {
    QStringList a = appels;
    appels.clear();
    return a;
  }

 private:
  void prepareplanx(extended k) override { appels << QStringLiteral("prepareplanx:") + nombre(k); }
  void prepareplany(extended k) override { appels << QStringLiteral("prepareplany:") + nombre(k); }
  void prepareplanz(extended k) override { appels << QStringLiteral("prepareplanz:") + nombre(k); }
  void prepareplanxy(const std::string& l, extended k) override {
    appels << QStringLiteral("prepareplanxy:") + QString::fromLatin1(l.c_str()) + ":" + nombre(k);
  }
};
