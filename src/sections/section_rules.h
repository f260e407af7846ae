// The section dialog's rules without its widgets: where the plane lies for the current k,
// which list is rebuilt, where the free point and the cut go, and the bounds check.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "parsor.h"
#include "view/scene.h"

namespace quadrel {

// The dialog's controls as appelplan reads them (texts in Latin-1).
struct LectureSection {
  std::array<std::string, 6> formules;  // Edit1 .. Edit6: x, y, z, then a, b, c
  std::array<bool, 6> actives{true, false, false, false, false, false};
  std::string kmin = "-4", kmax = "4";
  int position = 0, maximum = 40;  // the track bar valk
  bool visible = false;            // the dialog is shown
};

// What appelplan may ask of the sheet: its four section builders and a frame.
class FeuilleSections {
 public:
  virtual ~FeuilleSections() = default;
  virtual void prepareplanx(extended k) = 0;
  virtual void prepareplany(extended k) = 0;
  virtual void prepareplanz(extended k) = 0;
  virtual void prepareplanxy(const std::string& ligne, extended k) = 0;
  virtual void FormPaint() = 0;
};

// k = kmin + |kmax - kmin| * position / maximum; a bound that cannot be read counts as 0.
struct ValeurK {
  extended k = 0;
  bool erreurMin = false, erreurMax = false;
};
ValeurK valeurK(const LectureSection& l);

// A plane formula's value at k ("k" read as the engine's z); nullopt when it does not
// compile or is undefined at k.
std::optional<extended> valeurPlan(const std::string& texte, extended k);

// The trace y = -a/b * x + (-c/b) as the builder reads it, e.g. "-0.5*x+(1.5)".
std::string texteLigne(extended a, extended b, extended c);

// "k=" and k rounded to three decimals.
std::string texteK(extended k);

// The colours the general plane gives its three fields (nullopt: left as it is).
struct ResultatAppel {
  std::array<std::optional<EtatChamp>, 3> coefficients;
};

// Reads the controls, rebuilds the shown kind's list, moves the free point and (with
// coupeplan on a visible dialog) the cut, sets typesection, and paints when a section was
// found or what is shown changed. A kind whose formula or bounds cannot be read, or whose
// formula is undefined at k, shows nothing, moves no point and leaves the frame box uncut.
ResultatAppel appelplan(Scene& s, const LectureSection& l, FeuilleSections& f);

// Enter in kmin or kmax: whether each bound is accepted (readable and kmin < kmax), whether
// the track bar may move, and the k label when both bounds can be read.
struct VerificationBornes {
  bool kminOk = false, kmaxOk = false;
  bool curseurActif = false;
  std::optional<std::string> affk;
};
VerificationBornes verifieBornes(const LectureSection& l);

}  // namespace quadrel
