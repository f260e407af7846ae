#include "files/lecon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "matutil.h"

using namespace quadrel;

namespace {

Lecon dessinee(const char* formule) {
  Lecon l;
  l.formuledessinee = formule;
  l.modele.formule = formule;
  l.modele.programme = compileformule(formule);
  l.modele.etatformule = EtatChamp::accepte;
  return l;
}

// A drawn x²+y² with, in the field, a newer text still pending; odd numbers everywhere.
Lecon pleine() {
  Lecon l = dessinee("x\xB2+y\xB2");
  Modele& m = l.modele;
  m.formule = "V(x)-2.5";
  m.etatformule = EtatChamp::attente;
  m.precision = 12;
  m.xmin = -0.1L;
  m.xmax = 1e9L;
  m.gradx = 1e-290L;
  m.ymin = -1e-4940L;  // subnormal
  m.zmax = 1.0L / 3;
  m.typerepere = TypeRepere::grille;
  m.brouillard = m.transquad = true;
  m.eclairage = false;
  m.typequadrique = 9;
  m.quadriqueok = true;
  m.solx = 5;
  m.soly = 1e-300L;
  m.soltaille = -0.0L;
  m.formules = {"2*k+1", "", "", "-0.5", "k/2", "(k)"};
  m.actives = {false, true, false, true, true, true};
  m.kmin = "-0.5";
  m.kmax = "";
  m.position = 40;
  m.k = 0.1L;
  m.choixsectionVisible = true;
  m.typesection = 4;
  m.pointx = 0.1;
  m.pointy = -1e-310;  // subnormal double
  m.pointz = 2.5;
  m.pointlibreVisible = true;
  l.vue = {33.3f, -0.0f, 0.1f, 1e-20f, -3.4e38f};
  l.champs["fonction3d/Edit1"] = {"V(x)-2.5", EtatChamp::attente};
  l.champs["optionrepere/Edit1"] = {"-0.1", EtatChamp::accepte};
  l.champs["caracpyr/Edit2"] = {"5", EtatChamp::refuse};
  l.champs["choixsection/Edit1"] = {"2*k+1", EtatChamp::accepte};
  return l;
}

LeconLue lue(const std::string& octets, const Lecon& defauts = {}) {
  auto r = lireLecon(octets, defauts);
  if (const auto* e = std::get_if<ErreurLecon>(&r)) ADD_FAILURE() << e->message;
  return std::holds_alternative<LeconLue>(r) ? std::get<LeconLue>(r) : LeconLue{};
}

std::string remplacer(std::string texte, const std::string& avant, const std::string& apres) {
  const auto i = texte.find(avant);
  EXPECT_NE(i, std::string::npos) << avant;
  return i == std::string::npos ? texte : texte.replace(i, avant.size(), apres);
}

}  // namespace

TEST(Lecon, ReadsBackWhatItWroteByteForByte) {
  Lecon avecNaN = dessinee("sin(x)*cos(y)");
  avecNaN.modele.pointz = std::nan("");
  for (const Lecon& l : {Lecon{}, pleine(), dessinee("1/x"), avecNaN}) {
    const std::string octets = ecrireLecon(l);
    const Lecon relue = lue(octets).lecon;
    EXPECT_EQ(ecrireLecon(relue), octets);
    ASSERT_EQ(bool(relue.modele.programme), bool(l.modele.programme));
    if (l.modele.programme) {
      EXPECT_EQ(relue.modele.programme->text(), l.modele.programme->text());
    }
    // The defaults' program is kept when the file draws the same formula.
    EXPECT_EQ(lue(octets, l).lecon.modele.programme, l.modele.programme);
  }
  const std::string octets = ecrireLecon(pleine());
  EXPECT_NE(octets.find("\"formule\": \"V(x)-2.5\""), std::string::npos);
  EXPECT_NE(octets.find("\"formuledessinee\": \"x\xC2\xB2+y\xC2\xB2\""), std::string::npos);
  EXPECT_NE(octets.find("\"k\": \"0.1\""), std::string::npos);
  Lecon relue = lue(octets).lecon;
  relue.modele.programme = pleine().modele.programme;
  Lecon attendue = pleine();
  attendue.modele.programme = relue.modele.programme;
  attendue.vue.rotz = 0;  // JSON keeps no negative zero; the view does not mind
  EXPECT_TRUE(relue == attendue);
  EXPECT_TRUE(std::signbit(*relue.modele.soltaille));  // 80-bit values keep every bit
}

TEST(Lecon, KeysTheFileLeavesOutKeepTheirDefaults) {
  const Lecon defauts = pleine();
  const std::string entete = "{\"format\": \"quadrel-lesson\", \"version\": 1";
  EXPECT_EQ(ecrireLecon(lue(entete + "}", defauts).lecon), ecrireLecon(defauts));

  const Lecon l = lue(entete +
                          ", \"repere\": {\"xmin\": \"-2\"}, \"champs\": {\"caracpyr/Edit2\": "
                          "{\"texte\": \"7\"}, \"caraccube/Edit4\": {\"etat\": \"refuse\"}}}",
                      defauts)
                      .lecon;
  Lecon attendue = defauts;
  attendue.modele.xmin = -2;
  attendue.champs["caracpyr/Edit2"].texte = "7";  // its state stays "refuse"
  attendue.champs["caraccube/Edit4"] = {"", EtatChamp::refuse};
  EXPECT_TRUE(l == attendue);
}

TEST(Lecon, UnknownKeysAreListedNotRefused) {
  for (const char* version : {"1", "2"}) {
    const LeconLue r = lue(std::string("{\"format\": \"quadrel-lesson\", \"version\": ") + version +
                           ", \"animation\": {}, \"section\": {\"vitesse\": 3, \"k\": \"2\"}, "
                           "\"champs\": {\"tableur/A1\": {}, \"fonction3d/Edit1\": "
                           "{\"texte\": \"x\", \"couleur\": 1}}}");
    EXPECT_EQ(r.version, std::stoi(version));
    EXPECT_EQ(r.lecon.modele.k, 2);
    EXPECT_EQ(r.lecon.champs.at("fonction3d/Edit1").texte, "x");
    const std::vector<std::string> inconnues{"section.vitesse", "champs.fonction3d/Edit1.couleur",
                                             "champs.tableur/A1", "animation"};
    EXPECT_EQ(r.clesinconnues, inconnues);
  }
}

// Each bad file names the key at fault, and the defaults come out untouched.
TEST(Lecon, BadFilesNameTheKeyAtFault) {
  const Lecon defauts = pleine();
  const Lecon copie = defauts;
  const std::string bon = ecrireLecon(defauts);
  struct Cas {
    std::string octets;
    std::string cle;
  };
  const auto dans = [&](const std::string& avant, const std::string& apres) {
    return remplacer(bon, avant, apres);
  };
  const std::string xmin = "\"xmin\": \"-0.1\"";
  const std::string formules = "\"formules\": [\"2*k+1\", \"\", \"\", \"-0.5\", \"k/2\", \"(k)\"]";
  const std::string pyr = "\"caracpyr/Edit2\": { \"texte\": \"5\", \"etat\": \"refuse\" }";
  const Cas cas[] = {
      {"bonjour", ""},
      {bon.substr(0, bon.size() / 2), ""},                     // truncated
      {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), ""},  // binary
      {"[" + bon + "]", ""},
      {std::string(kTailleLeconMax - bon.size() + 1, ' ') + bon, ""},
      {dans("\"quadrel-lesson\"", "\"quadrel-image\""), "format"},
      {dans("\"format\": \"quadrel-lesson\",", ""), "format"},
      {dans("\"version\": 1", "\"version\": 0"), "version"},
      {dans("\"version\": 1", "\"version\": 1.5"), "version"},
      {dans("\"version\": 1", "\"version\": \"1\""), "version"},
      {dans(xmin, "\"xmin\": -0.1"), "repere.xmin"},
      {dans(xmin, "\"xmin\": \"-0,1\""), "repere.xmin"},
      {dans(xmin, "\"xmin\": \"-inf\""), "repere.xmin"},
      {dans(xmin, "\"xmin\": \"nan\""), "repere.xmin"},
      {dans(xmin, "\"xmin\": \" -1\""), "repere.xmin"},
      {dans(xmin, "\"xmin\": \"-1e301\""), "repere.xmin"},
      {dans(xmin, "\"xmin\": \"-1e5000\""), "repere.xmin"},
      {dans(xmin, "\"xmin\": \"0.5\""), "repere.xmin"},
      {dans("\"ymax\": \"4\"", "\"ymax\": \"-1\""), "repere.ymax"},
      {dans("\"grady\": \"1\"", "\"grady\": \"0\""), "repere.grady"},
      {dans("\"gradz\": \"1\"", "\"gradz\": \"1e-300\""), "repere.gradz"},
      {dans("\"grille\"", "\"cercle\""), "repere.typerepere"},
      {dans("\"repere\": {", "\"repere\": [], \"r\": {"), "repere"},
      {dans("\"precision\": 12", "\"precision\": 13"), "fonction.precision"},
      {dans("\"precision\": 12", "\"precision\": 2.5"), "fonction.precision"},
      {dans("\"etatformule\": \"attente\"", "\"etatformule\": \"bleu\""), "fonction.etatformule"},
      {dans("\"V(x)-2.5\"", "\"V(x)\xE2\x82\xAC\""), "fonction.formule"},  // the euro sign
      {dans("\"V(x)-2.5\"", "\"V(x)@\""), "fonction.formule"},
      {dans("\"V(x)-2.5\"", "\"x\\u0000\""), "fonction.formule"},
      {dans("\"V(x)-2.5\"", "\"" + std::string(256, '1') + "\""), "fonction.formule"},
      {dans("\"x\xC2\xB2+y\xC2\xB2\"", "\"x+\""), "fonction.formuledessinee"},
      {dans("\"x\xC2\xB2+y\xC2\xB2\"", "\"rn(1,2)\""), "fonction.formuledessinee"},
      {dans("\"eclairage\": false", "\"eclairage\": 0"), "options.eclairage"},
      {dans("\"typequadrique\": 9", "\"typequadrique\": 10"), "solide.typequadrique"},
      {dans("\"solx\": \"5\"", "\"solx\": 5"), "solide.solx"},
      {dans(formules, "\"formules\": [\"\", \"\", \"\", \"\", \"\"]"), "section.formules"},
      {dans(formules, "\"formules\": [\"\", \"\", \"x\", \"\", \"\", \"\"]"),
       "section.formules[2]"},
      {dans("\"actives\": [false, true", "\"actives\": [false, 1"), "section.actives[1]"},
      {dans("\"kmin\": \"-0.5\"", "\"kmin\": \"k\""), "section.kmin"},
      {dans("\"position\": 40", "\"position\": 41"), "section.position"},
      {dans("\"maximum\": 40", "\"maximum\": 0"), "section.maximum"},
      // The default position, 40, above the file's maximum.
      {dans("\"position\": 40,\n    \"maximum\": 40", "\"maximum\": 30"), "section.position"},
      {dans("\"k\": \"0.1\"", "\"k\": \"1e400\""), "section.k"},
      {dans("\"typesection\": 4", "\"typesection\": -1"), "section.typesection"},
      {dans("\"pointx\": 0.1", "\"pointx\": \"0.1\""), "point.pointx"},
      {dans("\"pointz\": 2.5", "\"pointz\": true"), "point.pointz"},
      {dans("\"zoom\": 0.1", "\"zoom\": 0"), "vue.zoom"},
      {dans("\"decalz\": -3.4e+38", "\"decalz\": -3.5e+38"), "vue.decalz"},
      {dans(pyr, "\"caracpyr/Edit2\": { \"texte\": \"5.5\" }"), "champs.caracpyr/Edit2.texte"},
      {dans(pyr, "\"caracpyr/Edit2\": { \"etat\": \"noir\" }"), "champs.caracpyr/Edit2.etat"},
      {dans(pyr, "\"caracpyr/Edit2\": \"5\""), "champs.caracpyr/Edit2"},
  };
  for (const Cas& c : cas) {
    const auto r = lireLecon(c.octets, defauts);
    ASSERT_TRUE(std::holds_alternative<ErreurLecon>(r)) << c.octets;
    const ErreurLecon& e = std::get<ErreurLecon>(r);
    EXPECT_EQ(e.cle, c.cle) << e.message;
    const std::string nom = c.cle.empty() ? "n'est pas une leçon" : "Clé « " + c.cle + " » : ";
    EXPECT_NE(e.message.find(nom), std::string::npos) << e.message;
  }
  EXPECT_TRUE(defauts == copie);
}
