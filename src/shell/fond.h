// The main window: a maximised multiple-document parent whose background is ruled like an
// exercise book. The palette, the sheet and every opened dialog are its child windows.
#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <functional>

class ZoneFond : public QMdiArea {
  Q_OBJECT
 public:
  explicit ZoneFond(QWidget* parent = nullptr);

 signals:
  void survol();  // the mouse moved over the background itself

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  bool viewportEvent(QEvent* e) override;
};

class Tfond : public QMainWindow {
  Q_OBJECT
 public:
  // `dossier`: the resource folder (see chemins.h), holding kolu/, wav/ and aide.html.
  explicit Tfond(const QString& dossier);

  QString dossier;
  ZoneFond* zone;
  // The tool palette, whose caption the background's hover puts back; set at start-up.
  QPointer<QWidget> outils;

  // Puts `w` in a child window of its own (made once, kept for the run). `boutons`: whether
  // the frame shows a close box; none of the frames can be resized.
  QMdiSubWindow* enfant(QWidget* w, bool boutons);
  // Shows a dialog as a child window and brings it to the front.
  void ouvrir(QWidget* w);
  // Hides a dialog's child window.
  void fermer(QWidget* w);

  void FormCreate();
  void FormMouseMove();

  // Asked before the window closes (a lesson with changes); false keeps it open.
  std::function<bool()> avantfermeture;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  bool fermeture_ = false;
};

// Waits `ms` milliseconds while letting sounds and painting go on (not user input).
void attendre(int ms);
// How many waits were made in this run.
int attentes();
