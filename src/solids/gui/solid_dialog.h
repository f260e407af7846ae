// What the five solid dialogs share: fields laid over the gaps of an equation, each with
// its scene value and rule; the key filter; Enter through valeurformule; `go` and
// `Poubelle`; and, for the cylinder and the cone, the rows chosen by radio buttons.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <array>
#include <vector>

#include "services/dialog_base.h"
#include "view/scene.h"

class QLabel;

namespace solids {

// What a field's value must be to be stored.
enum class Rule {
  any,
  positive,     // > 0
  sideCount,    // > 2 and < 20
  coefficient,  // >= 0: a negative cone coefficient has no real cone
};

bool accepts(Rule rule, extended v);

struct FieldSpec {
  const char* name;        // the control's name: "Edit4", "ex", ...
  const char* accessible;  // what a screen reader says: "x du centre", "a1", ...
  quadrel::Variant quadrel::Scene::*target;
  Rule rule;
  bool integer = false;  // the key "." is refused
};

struct DialogSpec {
  const char* objectName;  // "caracsphere", ...
  QString caption;
  std::vector<FieldSpec> fields;  // by tab order
  int rowSize;                    // fields per row; one row unless rows are given
  std::vector<const char*> rows;  // accessible names of the row radio buttons, if any
  int kindOnEnter = 0;            // typequadrique set on every Enter (0: set at go by row)
  std::array<int, 3> kindByRow{};
  std::vector<int> goOrder;      // fields go presses Enter in; empty: every enabled field
  bool rebuildsPyramid = false;  // go asks for the pyramid list, whatever its outcome
  QString help;                  // right-click help on the dialog; empty for none
  bool helpOnFields = false;     // also on its fields
};

}  // namespace solids

// One solid dialog. The five solid dialogs derive from it and lay out their controls.
class SolidDialog : public DialogBase {
  Q_OBJECT
 public:
  SolidDialog(quadrel::Scene& scene, DialogHost& hote, solids::DialogSpec forme, QWidget* parent);

  const solids::DialogSpec forme;     // fields, rows and rules of this dialog
  std::vector<QLineEdit*> champs;     // by tab order
  std::vector<QRadioButton*> lignes;  // box1, box2, box3 (cylinder and cone)
  QPushButton* go;
  QPushButton* Poubelle;

  // Returns whether the key reaches the field.
  bool Edit1KeyPress(int ordre, char16_t cle);
  void goClick();
  void PoubelleClick();
  void box1Click(int ligne);
  void FormShow() override;
  QString texteaide(const QObject* o) const override;

  // Enter in field `ordre`: validates it as the key would.
  void entrer(int ordre);
  int ligne() const;  // the checked row (0 when there are none)

 protected:
  // The five dialogs call these to build their rows.
  QLineEdit* champ(int ordre) const { return champs[static_cast<std::size_t>(ordre)]; }
  QLabel* etiquette(const QString& texte, QRect ou);
  // `texte` as one label at `ou`, the fields of `ordres` laid over its gaps (runs of two
  // or more spaces), in order.
  QLabel* equation(const QString& texte, QPoint ou, const std::vector<int>& ordres);
  // Text pieces and fields alternating left to right from `ou`: piece, field, piece, ...
  int morceaux(const QStringList& pieces, QPoint ou, const std::vector<int>& ordres);
  void placerboutons(QPoint go, QPoint poubelle);

 private:
  bool dernierdeligne(int ordre) const;
};
