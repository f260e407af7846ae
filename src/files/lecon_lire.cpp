// The reader: Qt's JSON parser, then every key checked against what its dialog takes. The
// first fault ends the reading (thrown as Refus, caught at the door); the defaults are only
// ever copied.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>

#include "files/jeux.h"
#include "files/lecon.h"
#include "files/lecon_cles.h"
#include "matutil.h"

namespace quadrel::lecon {

namespace {

struct Refus {
  std::string cle;
  std::string message;
};

// `quoi` is the whole message when `cle` is empty, else it follows the key.
[[noreturn]] void refuser(const std::string& cle, const std::string& quoi) {
  throw Refus{cle, cle.empty() ? quoi : "Clé « " + cle + " » : " + quoi};
}

// An object of the file: the keys taken are remembered, so that the others can be listed.
class Groupe {
 public:
  Groupe(QJsonObject objet, std::string nom) : objet_(std::move(objet)), nom_(std::move(nom)) {}
  const QJsonObject& objet() const { return objet_; }
  std::string chemin(std::string_view cle) const {
    return nom_.empty() ? std::string(cle) : nom_ + '.' + std::string(cle);
  }
  std::optional<QJsonValue> prendre(const QString& cle) {
    lues_.push_back(cle);
    const auto i = objet_.constFind(cle);
    if (i == objet_.constEnd()) return std::nullopt;
    return i.value();
  }
  std::optional<QJsonValue> prendre(const char* cle) { return prendre(QString::fromUtf8(cle)); }
  Groupe sousGroupe(const QString& cle) const {
    const QJsonValue v = objet_.value(cle);
    if (!v.isObject()) refuser(cle.toStdString(), "objet attendu.");
    return Groupe(v.toObject(), chemin(cle.toStdString()));
  }
  // The object under `cle`: none when absent.
  std::optional<Groupe> groupe(const char* cle) {
    if (!prendre(cle)) return std::nullopt;
    return sousGroupe(QString::fromUtf8(cle));
  }
  [[noreturn]] void refuser(std::string_view cle, const std::string& quoi) const {
    lecon::refuser(chemin(cle), quoi);
  }
  // Appends the keys never taken, with their path.
  void inconnues(std::vector<std::string>& liste) const {
    for (const QString& cle : objet_.keys())
      if (std::find(lues_.begin(), lues_.end(), cle) == lues_.end())
        liste.push_back(chemin(cle.toStdString()));
  }

 private:
  QJsonObject objet_;
  std::string nom_;
  std::vector<QString> lues_;
};

// Digits with an optional minus sign, decimal point and exponent: what the writer writes
// and a person would; no blanks, no "+", "inf", "nan" or hexadecimal.
bool syntaxe(std::string_view t) {
  std::size_t i = 0, chiffres = 0;
  const auto chiffre = [&] { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
  if (i < t.size() && t[i] == '-') ++i;
  for (; chiffre(); ++i) ++chiffres;
  if (i < t.size() && t[i] == '.')
    for (++i; chiffre(); ++i) ++chiffres;
  if (chiffres == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (!chiffre()) return false;
    while (chiffre()) ++i;
  }
  return i == t.size();
}

// Whatever the process's locale: the C library reads the point, and subnormal values too.
extended lireNombre(const std::string& t) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  return strtold_l(t.c_str(), nullptr, c);
}

// A lesson's numbers are short: a long text is no number a dialog wrote.
constexpr std::size_t kChiffresMax = 64;

extended nombreDe(const std::string& chemin, const QJsonValue& x) {
  if (x.isDouble())
    refuser(chemin, "nombre écrit entre guillemets attendu, par exemple \"-4\" ou \"0.1\".");
  if (!x.isString()) refuser(chemin, "nombre attendu.");
  const std::string t = x.toString().toStdString();
  if (t.size() > kChiffresMax || !syntaxe(t))
    refuser(chemin, "nombre illisible (chiffres, point décimal, exposant : \"-0.5\", \"1e-3\").");
  const extended v = lireNombre(t);
  if (!std::isfinite(v) || !mesurable(v))
    refuser(chemin, "nombre hors limites (1e300 au plus en valeur absolue).");
  return v;
}

void nombre(Groupe& g, const char* cle, extended& v) {
  if (const auto x = g.prendre(cle)) v = nombreDe(g.chemin(cle), *x);
}

void variante(Groupe& g, const char* cle, Variant& v) {
  if (const auto x = g.prendre(cle)) {
    if (x->isNull())
      v.reset();
    else
      v = nombreDe(g.chemin(cle), *x);
  }
}

int entierDe(const std::string& chemin, const QJsonValue& x, int min, int max) {
  if (!x.isDouble()) refuser(chemin, "entier attendu.");
  const double d = x.toDouble();
  if (d != std::floor(d) || d < min || d > max) {
    if (max == INT_MAX) refuser(chemin, "entier positif attendu.");
    refuser(chemin, "entier de " + std::to_string(min) + " à " + std::to_string(max) + " attendu.");
  }
  return int(d);
}

void entier(Groupe& g, const char* cle, int min, int max, int& v) {
  if (const auto x = g.prendre(cle)) v = entierDe(g.chemin(cle), *x, min, max);
}

void booleen(Groupe& g, const char* cle, bool& v) {
  if (const auto x = g.prendre(cle)) {
    if (!x->isBool()) g.refuser(cle, "booléen attendu (true ou false).");
    v = x->toBool();
  }
}

// Qt reads every JSON number as a double, and refuses those beyond a double's range.
void reel(Groupe& g, const char* cle, bool nulNaN, double& v) {
  if (const auto x = g.prendre(cle)) {
    if (nulNaN && x->isNull()) {
      v = std::nan("");
      return;
    }
    if (!x->isDouble()) g.refuser(cle, nulNaN ? "nombre ou null attendu." : "nombre attendu.");
    v = x->toDouble();
  }
}

void flottant(Groupe& g, const char* cle, float& v) {
  double d = v;
  reel(g, cle, false, d);
  if (!(std::fabs(d) <= FLT_MAX)) g.refuser(cle, "nombre hors limites.");
  v = float(d);
}

// A character of a message: itself, or its code when it does not show.
std::string montrer(const QString& t, qsizetype i) {
  const char16_t c = t[i].unicode();
  if (QChar::isHighSurrogate(c) && i + 1 < t.size() && t[i + 1].isLowSurrogate())
    return "« " + t.mid(i, 2).toStdString() + " »";
  if (c < 0x20 || (c >= 0x7F && c < 0xA0) || QChar::isSurrogate(c)) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
    return code;
  }
  return "« " + QString(t[i]).toStdString() + " »";
}

void texte(const std::string& chemin, const QJsonValue& x, std::string_view champ, std::string& v) {
  if (!x.isString()) refuser(chemin, "texte attendu.");
  const QString t = x.toString();
  const std::string_view jeu = *jeux::jeu(champ);
  std::string latin1;
  for (qsizetype i = 0; i < t.size(); ++i) {
    const char16_t c = t[i].unicode();
    if (c > 0xFF) refuser(chemin, "caractère " + montrer(t, i) + " hors Latin-1 refusé.");
    if (jeu.find(char(c)) == std::string_view::npos)
      refuser(chemin, "caractère " + montrer(t, i) + " refusé par ce champ.");
    latin1 += char(c);
  }
  if (latin1.size() > jeux::kLongueurMax || normalise(latin1).size() > jeux::kLongueurMax)
    refuser(chemin, "texte trop long (255 caractères au plus, une fois mis en forme).");
  v = std::move(latin1);
}

bool texte(Groupe& g, const char* cle, std::string_view champ, std::string& v) {
  const auto x = g.prendre(cle);
  if (x) texte(g.chemin(cle), *x, champ, v);
  return bool(x);
}

QJsonArray tableau(Groupe& g, const char* cle, const QJsonValue& x) {
  if (!x.isArray() || x.toArray().size() != 6) g.refuser(cle, "tableau de 6 éléments attendu.");
  return x.toArray();
}

int motDe(const std::string& chemin, const QJsonValue& x, std::span<const std::string_view> mots) {
  const std::string t = x.toString().toStdString();
  for (std::size_t i = 0; i < mots.size(); ++i)
    if (x.isString() && t == mots[i]) return int(i);
  std::string liste;
  for (std::string_view m : mots) liste += (liste.empty() ? "« " : ", « ") + std::string(m) + " »";
  refuser(chemin, "un des mots " + liste + " attendu.");
}

template <class E, std::size_t N>
void mot(Groupe& g, const char* cle, const std::array<std::string_view, N>& mots, E& v) {
  if (const auto x = g.prendre(cle)) v = static_cast<E>(motDe(g.chemin(cle), *x, mots));
}

void lireRepere(Groupe& g, Repere& r) {
  for (const auto& c : kRepere) nombre(g, c.nom, r.*c.membre);
  mot(g, "typerepere", kTypesRepere, r.typerepere);
  // What the frame dialog keeps true of each axis, whatever order its fields are entered in.
  const char* const axes[3][3] = {
      {"xmin", "xmax", "gradx"}, {"ymin", "ymax", "grady"}, {"zmin", "zmax", "gradz"}};
  for (int a = 0; a < 3; ++a) {
    const extended bas = r.*kRepere[std::size_t(a) * 2].membre;
    const extended haut = r.*kRepere[std::size_t(a) * 2 + 1].membre;
    const extended grad = r.*kRepere[std::size_t(6 + a)].membre;
    if (!(bas <= 0)) g.refuser(axes[a][0], "borne négative ou nulle attendue.");
    if (!(haut >= 0)) g.refuser(axes[a][1], "borne positive ou nulle attendue.");
    if (!(bas < haut)) g.refuser(axes[a][1], "borne supérieure à la borne inférieure attendue.");
    if (!mesurable(haut - bas)) g.refuser(axes[a][1], "repère trop large pour être dessiné.");
    if (!(grad > 0)) g.refuser(axes[a][2], "graduation strictement positive attendue.");
    if (!mesurable(bas / grad) || !mesurable(haut / grad))
      g.refuser(axes[a][2], "graduation trop petite pour ce repère.");
  }
}

// The drawn formula is compiled again; the defaults' program is kept when it is the same
// formula, so that nothing is rebuilt for it.
void lireFonction(Groupe& g, Lecon& l, const Lecon& defauts) {
  Modele& m = l.modele;
  texte(g, "formule", "fonction3d/Edit1", m.formule);
  mot(g, "etatformule", kEtats, m.etatformule);
  entier(g, "precision", 3, 12, m.precision);
  if (!texte(g, "formuledessinee", "fonction3d/Edit1", l.formuledessinee)) return;
  if (l.formuledessinee.empty()) {
    m.programme = nullptr;
    return;
  }
  const auto& avant = defauts.modele.programme;
  if (avant && avant->text() == normalise(l.formuledessinee)) {
    m.programme = avant;
    return;
  }
  m.programme = compileformule(l.formuledessinee);
  if (!m.programme) g.refuser("formuledessinee", "formule qui ne se compile pas.");
}

void lireOptions(Groupe& g, OptionsRendu& o) {
  for (const auto& c : kOptions) booleen(g, c.nom, o.*c.membre);
}

void lireSolide(Groupe& g, Solide& s) {
  entier(g, "typequadrique", 0, 9, s.typequadrique);
  booleen(g, "quadriqueok", s.quadriqueok);
  for (const auto& c : kSolide) variante(g, c.nom, s.*c.membre);
}

void lireSection(Groupe& g, Section& s) {
  if (const auto v = g.prendre("formules")) {
    const QJsonArray t = tableau(g, "formules", *v);
    for (std::size_t i = 0; i < 6; ++i)
      texte(g.chemin("formules") + '[' + std::to_string(i) + ']', t[qsizetype(i)],
            kChampsSection[i], s.formules[i]);
  }
  if (const auto v = g.prendre("actives")) {
    const QJsonArray t = tableau(g, "actives", *v);
    for (std::size_t i = 0; i < 6; ++i) {
      if (!t[qsizetype(i)].isBool())
        refuser(g.chemin("actives") + '[' + std::to_string(i) + ']', "booléen attendu.");
      s.actives[i] = t[qsizetype(i)].toBool();
    }
  }
  texte(g, "kmin", "choixsection/kmin", s.kmin);
  texte(g, "kmax", "choixsection/kmax", s.kmax);
  entier(g, "maximum", 1, 1000, s.maximum);
  entier(g, "position", 0, s.maximum, s.position);
  // A new maximum below the position the file leaves to the defaults.
  if (s.position > s.maximum)
    g.refuser("position", "entier de 0 à " + std::to_string(s.maximum) + " attendu.");
  nombre(g, "k", s.k);
  booleen(g, "choixsectionVisible", s.choixsectionVisible);
  entier(g, "typesection", 0, 4, s.typesection);
}

void lirePoint(Groupe& g, PointLibre& p) {
  reel(g, "pointx", false, p.pointx);
  reel(g, "pointy", false, p.pointy);
  reel(g, "pointz", true, p.pointz);
  booleen(g, "pointlibreVisible", p.pointlibreVisible);
}

// The wheel's limits (view/camera.h, which speaks of the scene, not of this model).
constexpr float kZoomMin = 1e-3f;
constexpr float kZoomMax = 1e3f;

void lireVue(Groupe& g, Vue& v) {
  for (const auto& c : kVue) flottant(g, c.nom, v.*c.membre);
  if (!(v.zoom >= kZoomMin && v.zoom <= kZoomMax))
    g.refuser("zoom", "nombre de 0.001 à 1000 attendu.");
}

// Only the fields the dialogs have; an entry the file leaves out keeps its default.
void lireChamps(Groupe& g, Champs& champs, std::vector<std::string>& inconnues) {
  for (const QString& nom : g.objet().keys()) {
    const std::string cle = nom.toStdString();
    g.prendre(nom);
    if (!jeux::jeu(cle)) {
      inconnues.push_back(g.chemin(cle));
      continue;
    }
    Groupe entree = g.sousGroupe(nom);
    ChampTexte& c = champs[cle];
    texte(entree, "texte", cle, c.texte);
    mot(entree, "etat", kEtats, c.etat);
    entree.inconnues(inconnues);
  }
}

void lireFormat(Groupe& racine, LeconLue& lue) {
  const auto format = racine.prendre("format");
  if (!format || format->toString().toStdString() != kFormat)
    racine.refuser("format", "« quadrel-lesson » attendu : ce fichier n'est pas une leçon.");
  const auto version = racine.prendre("version");
  if (!version) racine.refuser("version", "entier positif attendu.");
  lue.version = entierDe(racine.chemin("version"), *version, 1, INT_MAX);
}

LeconLue lire(std::string_view octets, const Lecon& defauts) {
  if (octets.size() > kTailleLeconMax)
    refuser("", "Ce fichier n'est pas une leçon : il dépasse 1 Mio.");
  QJsonParseError erreur{};
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray::fromRawData(octets.data(), qsizetype(octets.size())), &erreur);
  if (erreur.error != QJsonParseError::NoError)
    refuser("", "Ce fichier n'est pas une leçon : texte JSON illisible à l'octet " +
                    std::to_string(erreur.offset) + ".");
  if (!document.isObject()) refuser("", "Ce fichier n'est pas une leçon : objet JSON attendu.");
  LeconLue lue{defauts, 1, {}};
  Groupe racine(document.object(), "");
  lireFormat(racine, lue);
  Lecon& l = lue.lecon;
  const auto groupe = [&](const char* nom, const auto& lireGroupe) {
    if (auto g = racine.groupe(nom)) {
      lireGroupe(*g);
      g->inconnues(lue.clesinconnues);
    }
  };
  groupe("repere", [&](Groupe& g) { lireRepere(g, l.modele); });
  groupe("fonction", [&](Groupe& g) { lireFonction(g, l, defauts); });
  groupe("options", [&](Groupe& g) { lireOptions(g, l.modele); });
  groupe("solide", [&](Groupe& g) { lireSolide(g, l.modele); });
  groupe("section", [&](Groupe& g) { lireSection(g, l.modele); });
  groupe("point", [&](Groupe& g) { lirePoint(g, l.modele); });
  groupe("vue", [&](Groupe& g) { lireVue(g, l.vue); });
  // Its entries are checked one by one: the unknown ones are listed there.
  if (auto g = racine.groupe("champs")) lireChamps(*g, l.champs, lue.clesinconnues);
  racine.inconnues(lue.clesinconnues);
  return lue;
}

}  // namespace

}  // namespace quadrel::lecon

namespace quadrel {

std::variant<LeconLue, ErreurLecon> lireLecon(std::string_view octets, const Lecon& defauts) {
  try {
    return lecon::lire(octets, defauts);
  } catch (const lecon::Refus& r) {
    return ErreurLecon{r.cle, r.message};
  }
}

}  // namespace quadrel
