// The dialogs' host in the running program: a thin adapter over the sheet, the main
// window and the quick help popup. Made before the dialogs; the sheet and the popup are
// made after some of them, so each is reached only once given (until then, nothing).
#pragma once

#include <QPointer>

#include "services/dialog_host.h"

class Tfond;
class TFeuille;
class TAiderapide;

class HoteFenetres : public DialogHost {
 public:
  explicit HoteFenetres(Tfond* fond) : fond_(fond) {}

  void setfeuille(TFeuille* f);
  void setaide(TAiderapide* a);

  void reconstruire(quadrel::Liste liste) override;
  void FormPaint() override;

  void setlegende(const QString& texte) override;
  QRect cadrefeuille() const override;

  void ouvrir(QWidget* dialogue) override;
  void fermer(QWidget* dialogue) override;
  void aide(const QString& texte) override;

 private:
  QPointer<Tfond> fond_;
  QPointer<TFeuille> feuille_;
  QPointer<TAiderapide> aide_;
};
