// Lessons in the window: the "Fichier" menu (open, save, save as, export the picture or the
// mesh, the examples, the recent files), a file dropped on the window, the question before
// a lesson with changes is left, and the capture and restoring of the whole scene: the
// model, the view and every dialog's fields. Without a lesson file nothing of this asks
// anything: the program behaves as it always did.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

#include "files/lecon.h"

struct Application;
class QMenu;

class Lecons : public QObject {
  Q_OBJECT
 public:
  explicit Lecons(Application& a);

  // The scene as it stands, as a lesson.
  quadrel::Lecon capturer() const;
  // Replaces the whole scene by `lecon`: model, view, every dialog's fields; shows or
  // hides the section and point dialogs as it says, and draws.
  void restaurer(const quadrel::Lecon& lecon);

  // Opens the file (after the question about changes, unless `sansquestion`); a bad file
  // leaves the scene as it was and says why. True when opened.
  bool ouvrir(const QString& chemin, bool sansquestion = false);
  bool enregistrer();
  bool enregistrersous();
  void exporterimage();
  void exportermaillage();

  // Whether the lesson opened or saved has changed since (the view aside).
  bool modifiee() const;
  // Before the lesson is left: true when the user saved, discarded, or there was nothing
  // to ask; false when they cancelled.
  bool peutquitter();

  const QString& chemin() const { return chemin_; }
  // Forgotten when a lesson is opened; set at start-up.
  class Historique* historique = nullptr;
  static QString dossierExemples();
  // The menu's names for recent lessons: the file's name, with its folder when another
  // has the same name; an & shown as such, not taken for a shortcut.
  static QStringList libellesRecents(const QStringList& chemins);

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  void creermenu();
  void majrecents();
  void retenir(const QString& chemin);
  void message(const QString& texte, bool erreur = true) const;

  Application& a_;
  quadrel::Lecon depart_;                    // the scene at start: what a file leaves out
  QString chemin_;                           // the lesson's file; empty: none
  std::optional<quadrel::Lecon> reference_;  // as it was opened or saved
  QPointer<QMenu> recents_;
  // The mesh export's choices, kept for the next export of the session.
  bool maillageferme_ = false;
  double maillageechelle_ = 10;  // millimetres per unit
};

// Opens a lesson given on the command line.
void ouvrirLecon(Application& a, const QString& chemin);
