// The section dialog's rules without its widgets: where the plane lies for the current k,
// which list is rebuilt, where the free point and the cut go, and the bounds check.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "parsor.h"
#include "view/scene.h"

namespace quadrel {

// The dialog's controls as the section follows them: the model's section group.
using LectureSection = Section;

// What appelplan asks of the sheet: its four section builders.
class FeuilleSections {
 public:
  virtual ~FeuilleSections() = default;
  virtual void prepareplanx(extended k) = 0;
  virtual void prepareplany(extended k) = 0;
  virtual void prepareplanz(extended k) = 0;
  virtual void prepareplanxy(const std::string& ligne, extended k) = 0;
};

// k = kmin + |kmax - kmin| * position / maximum (k on the track bar's positions); a bound
// that cannot be read counts as 0.
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

// One step of the animation of k: the phase t (0 at kmin, 1 at kmax, as the track bar maps
// them) moves by `duree` seconds at `vitesse` (1: one sweep in kDureeBalayage seconds) in
// the direction `sens` (+1 or -1), bouncing at either end. Returns k at the new phase.
inline constexpr double kDureeBalayage = 4;
extended pasAnimation(const Section& l, double duree, double vitesse, double& t, int& sens);

// "k=" and k rounded to three decimals.
std::string texteK(extended k);

// The section of the model's section group at its k: rebuilds the shown kind's list, moves
// the free point and (with coupeplan on a shown dialog) the cut, and sets typesection. A
// kind whose formula or bounds cannot be read, or whose formula is undefined at k, shows
// nothing, moves no point and leaves the frame box uncut. The sheet runs it before each
// frame while the section dialog is shown; it returns whether what is shown changed.
struct ResultatAppel {
  std::array<std::optional<EtatChamp>, 3> coefficients;
  bool change = false;
};
ResultatAppel appelplan(Scene& s, FeuilleSections& f);

// The colours the general plane gives its three fields at the model's k.
std::array<std::optional<EtatChamp>, 3> couleursCoefficients(const Section& l);

// Enter in kmin or kmax: whether each bound is accepted (readable and kmin < kmax), whether
// the track bar may move, and the k label when both bounds can be read.
struct VerificationBornes {
  bool kminOk = false, kmaxOk = false;
  bool curseurActif = false;
  std::optional<std::string> affk;
};
VerificationBornes verifieBornes(const LectureSection& l);

}  // namespace quadrel
