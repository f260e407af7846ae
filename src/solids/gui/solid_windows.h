// The solid windows as start-up makes them.
#pragma once

class QWidget;
class DialogHost;
class Tchoixquadrics;
class Tcaracsphere;
class Tcaraccube;
class Tcaraccyl;
class Tcaraccone;
class Tcaracpyr;

namespace quadrel {
struct Scene;
}

struct Quadriques {
  Tchoixquadrics* choixquadrics = nullptr;
  Tcaracsphere* caracsphere = nullptr;
  Tcaraccube* caraccube = nullptr;
  Tcaraccyl* caraccyl = nullptr;
  Tcaraccone* caraccone = nullptr;
  Tcaracpyr* caracpyr = nullptr;
};

// The chooser and the five dialogs, hidden, in their creation order, as windows of
// `fond`; each chooser button opens its dialog. `outils`: the palette the chooser opens
// beside.
Quadriques creerquadriques(quadrel::Scene& scene, DialogHost& hote, QWidget* fond, QWidget* outils);
