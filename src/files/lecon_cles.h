// The lesson file's keys, shared by the writer and the reader so that both list the same
// names in the same order (the order the writer follows).
#pragma once

#include <array>
#include <string_view>

#include "view/modele.h"

namespace quadrel::lecon {

inline constexpr std::string_view kFormat = "quadrel-lesson";

template <class Groupe, class T>
struct Cle {
  const char* nom;
  T Groupe::*membre;
};

inline constexpr std::array<Cle<Repere, extended>, 9> kRepere{{
    {"xmin", &Repere::xmin},
    {"xmax", &Repere::xmax},
    {"ymin", &Repere::ymin},
    {"ymax", &Repere::ymax},
    {"zmin", &Repere::zmin},
    {"zmax", &Repere::zmax},
    {"gradx", &Repere::gradx},
    {"grady", &Repere::grady},
    {"gradz", &Repere::gradz},
}};

inline constexpr std::array<Cle<OptionsRendu, bool>, 13> kOptions{{
    {"eclairage", &OptionsRendu::eclairage},
    {"aliasing", &OptionsRendu::aliasing},
    {"brouillard", &OptionsRendu::brouillard},
    {"rendu3d", &OptionsRendu::rendu3d},
    {"foncblanc", &OptionsRendu::foncblanc},
    {"niveauxy", &OptionsRendu::niveauxy},
    {"niveauz", &OptionsRendu::niveauz},
    {"transpsurf", &OptionsRendu::transpsurf},
    {"transplan", &OptionsRendu::transplan},
    {"transquad", &OptionsRendu::transquad},
    {"voirplan", &OptionsRendu::voirplan},
    {"coupeplan", &OptionsRendu::coupeplan},
    {"intersections", &OptionsRendu::intersections},
}};

inline constexpr std::array<Cle<Solide, Variant>, 4> kSolide{{
    {"solx", &Solide::solx},
    {"soly", &Solide::soly},
    {"solz", &Solide::solz},
    {"soltaille", &Solide::soltaille},
}};

inline constexpr std::array<Cle<Vue, float>, 5> kVue{{
    {"inclinaison", &Vue::inclinaison},
    {"rotz", &Vue::rotz},
    {"zoom", &Vue::zoom},
    {"decaly", &Vue::decaly},
    {"decalz", &Vue::decalz},
}};

// Enumerations as words, by their value.
inline constexpr std::array<std::string_view, 3> kTypesRepere{"axes", "grille", "masque"};
inline constexpr std::array<std::string_view, 3> kEtats{"attente", "accepte", "refuse"};

// The section's six formula fields, by their place in Section::formules.
inline constexpr std::array<std::string_view, 6> kChampsSection{
    "choixsection/Edit1", "choixsection/Edit2", "choixsection/Edit3",
    "choixsection/Edit4", "choixsection/Edit5", "choixsection/Edit6"};

}  // namespace quadrel::lecon
