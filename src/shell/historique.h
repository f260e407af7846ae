// Undo and redo of the scene: each accepted change of the model is a step (with every
// dialog's fields as they then stand), taken once its frame is drawn; a track bar dragged or a
// button held is one step, taken when the mouse is released. Turning the view is no step, and undo
// leaves the view as it is. Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z work wherever the focus is, in a text
// field too.
#pragma once

#include <QObject>
#include <deque>

#include "files/lecon.h"

struct Application;
class Lecons;

class Historique : public QObject {
  Q_OBJECT
 public:
  Historique(Application& a, Lecons& lecons);

  // Takes a step if the scene changed since the last one.
  void noter();
  // Back to the previous step, or forward again; false when there is none.
  bool annuler();
  bool refaire();
  // Forgets every step (a lesson opened): the scene as it stands is the first.
  void oublier();

  std::size_t etapes() const { return passe_.size(); }

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  void remettre(const quadrel::Lecon& l);

  Application& a_;
  Lecons& lecons_;
  quadrel::Lecon courant_;             // the scene as of the last step
  std::deque<quadrel::Lecon> passe_;   // older steps, the newest last
  std::deque<quadrel::Lecon> avenir_;  // undone steps, the next one last
  bool remise_ = false;                // a step is being put back
};

// Most steps kept.
inline constexpr std::size_t kEtapesMax = 200;
