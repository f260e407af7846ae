// The writer: JSON written by hand, since the keys must keep the model's order (a JSON
// object of Qt's would sort them) and the 80-bit values must go out as exact text.
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "files/lecon.h"
#include "files/lecon_cles.h"

namespace quadrel {

namespace {

// A Latin-1 text as a JSON string in UTF-8.
std::string chaine(std::string_view latin1) {
  std::string s = "\"";
  for (const char octet : latin1) {
    const auto c = static_cast<unsigned char>(octet);
    if (c == '"' || c == '\\') {
      s += '\\';
      s += char(c);
    } else if (c < 0x20) {
      static const char kHex[] = "0123456789abcdef";
      s += "\\u00";
      s += kHex[c >> 4];
      s += kHex[c & 15];
    } else if (c < 0x80) {
      s += char(c);
    } else {
      s += char(0xC0 | (c >> 6));
      s += char(0x80 | (c & 0x3F));
    }
  }
  return s + '"';
}

// The shortest text that reads back to the same 80 bits.
std::string nombre(extended v) {
  char t[64];
  const auto fin = std::to_chars(t, t + sizeof t, v).ptr;
  return chaine(std::string_view(t, std::size_t(fin - t)));
}

// A JSON number that reads back to the same double (Qt reads -0 as 0: written 0).
std::string reel(double v) {
  char t[64];
  const auto fin = std::to_chars(t, t + sizeof t, v == 0 ? 0.0 : v).ptr;
  return std::string(t, fin);
}

// The float's own shortest text when a double read of it comes back to the float, else
// the double's.
std::string flottant(float v) {
  char t[64];
  const auto fin = std::to_chars(t, t + sizeof t, v == 0 ? 0.0f : v).ptr;
  double relu = 0;
  std::from_chars(t, fin, relu);
  if (float(relu) == v) return std::string(t, fin);
  return reel(double(v));
}

std::string booleen(bool b) {
  return b ? "true" : "false";
}

class Sortie {
 public:
  void membre(std::string_view cle, const std::string& valeur) {
    separer();
    octets_ += chaine(cle) + ": " + valeur;
  }
  void ouvrir(std::string_view cle) {
    separer();
    octets_ += chaine(cle) + ": {";
    ++niveau_;
    premier_ = true;
  }
  void fermer() {
    --niveau_;
    if (!premier_) octets_ += '\n' + std::string(std::size_t(2 * niveau_), ' ');
    octets_ += '}';
    premier_ = false;
  }
  std::string fin() {
    fermer();
    return octets_ + '\n';
  }

 private:
  void separer() {
    if (!premier_) octets_ += ',';
    octets_ += '\n' + std::string(std::size_t(2 * niveau_), ' ');
    premier_ = false;
  }
  std::string octets_ = "{";
  int niveau_ = 1;
  bool premier_ = true;
};

void ecrireFonction(Sortie& s, const Lecon& l) {
  const Modele& m = l.modele;
  s.ouvrir("fonction");
  s.membre("formule", chaine(m.formule));
  s.membre("etatformule", chaine(lecon::kEtats[std::size_t(m.etatformule)]));
  s.membre("precision", std::to_string(m.precision));
  s.membre("formuledessinee", chaine(l.formuledessinee));
  s.fermer();
}

void ecrireSolide(Sortie& s, const Solide& m) {
  s.ouvrir("solide");
  s.membre("typequadrique", std::to_string(m.typequadrique));
  s.membre("quadriqueok", booleen(m.quadriqueok));
  for (const auto& c : lecon::kSolide) {
    const Variant& v = m.*c.membre;
    s.membre(c.nom, v ? nombre(*v) : "null");
  }
  s.fermer();
}

void ecrireSection(Sortie& s, const Section& m) {
  s.ouvrir("section");
  std::string formules = "[", actives = "[";
  for (std::size_t i = 0; i < 6; ++i) {
    const char* sep = i ? ", " : "";
    formules += sep + chaine(m.formules[i]);
    actives += sep + booleen(m.actives[i]);
  }
  s.membre("formules", formules + "]");
  s.membre("actives", actives + "]");
  s.membre("kmin", chaine(m.kmin));
  s.membre("kmax", chaine(m.kmax));
  s.membre("position", std::to_string(m.position));
  s.membre("maximum", std::to_string(m.maximum));
  s.membre("k", nombre(m.k));
  s.membre("choixsectionVisible", booleen(m.choixsectionVisible));
  s.membre("typesection", std::to_string(m.typesection));
  s.fermer();
}

// Numbers a lesson never holds when not finite go out as their defaults, so that the file
// still opens; a height that is not a number (undefined there) is null.
void ecrirePoint(Sortie& s, const PointLibre& m) {
  const PointLibre d;
  s.ouvrir("point");
  s.membre("pointx", reel(std::isfinite(m.pointx) ? m.pointx : d.pointx));
  s.membre("pointy", reel(std::isfinite(m.pointy) ? m.pointy : d.pointy));
  s.membre("pointz", std::isfinite(m.pointz) ? reel(m.pointz) : "null");
  s.membre("pointlibreVisible", booleen(m.pointlibreVisible));
  s.fermer();
}

void ecrireVue(Sortie& s, const Vue& v) {
  const Vue d;
  s.ouvrir("vue");
  for (const auto& c : lecon::kVue)
    s.membre(c.nom, flottant(std::isfinite(v.*c.membre) ? v.*c.membre : d.*c.membre));
  s.fermer();
}

void ecrireChamps(Sortie& s, const Champs& champs) {
  s.ouvrir("champs");
  for (const auto& [cle, champ] : champs)
    s.membre(cle, "{ \"texte\": " + chaine(champ.texte) +
                      ", \"etat\": " + chaine(lecon::kEtats[std::size_t(champ.etat)]) + " }");
  s.fermer();
}

}  // namespace

std::string ecrireLecon(const Lecon& l) {
  const Modele& m = l.modele;
  Sortie s;
  s.membre("format", chaine(lecon::kFormat));
  s.membre("version", std::to_string(kVersionLecon));
  s.ouvrir("repere");
  for (const auto& c : lecon::kRepere) s.membre(c.nom, nombre(m.*c.membre));
  s.membre("typerepere", chaine(lecon::kTypesRepere[std::size_t(m.typerepere)]));
  s.fermer();
  ecrireFonction(s, l);
  s.ouvrir("options");
  for (const auto& c : lecon::kOptions) s.membre(c.nom, booleen(m.*c.membre));
  s.fermer();
  ecrireSolide(s, m);
  ecrireSection(s, m);
  ecrirePoint(s, m);
  ecrireVue(s, l.vue);
  ecrireChamps(s, l.champs);
  return s.fin();
}

}  // namespace quadrel
