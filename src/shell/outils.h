// The tool palette: twelve picture buttons in two columns, the program's only menu. All
// buttons share three handlers that tell them apart by tab order.
#pragma once

#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <array>

class Tfond;
struct Application;

class Toutils : public QWidget {
  Q_OBJECT
 public:
  // The windows the palette reaches (the sheet, help popup, about box) are read from `app`
  // when a button needs them: they are made after the palette.
  Toutils(Tfond* fond, const Application& app);

  static const QStringList& noms();
  static const QStringList& explications();
  static const QString& textevideoprojecteur();
  static const QString& texteaide();

  // The dialog that button `ordre` (0 to 5) opens; a button without one does nothing.
  void setdialogue(int ordre, QWidget* dialogue);

  std::array<QToolButton*, 12> boutons{};

  void FormCreate();
  void FormShow();
  void RepereClick(int ordre);
  void RepereMouseDown(int ordre, Qt::MouseButton bouton);
  void RepereMouseMove(int ordre);
  void pressepapier();

  // The window title shown above the palette (its frame's, once inside the main window).
  void setlegende(const QString& texte);
  QString legende() const;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void showEvent(QShowEvent*) override;

 private:
  void aiderapide(const QString& texte);

  Tfond* fond_;
  const Application& app_;
  std::array<QWidget*, 6> dialogues_{};
};
