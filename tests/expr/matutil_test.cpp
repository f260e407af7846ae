#include "matutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "parsor.h"

namespace {

constexpr extended kPi = 3.141592653589793238462643383279502884L;

struct Field {
  const char* text;
  extended value;
  bool error;
};

void PrintTo(const Field& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class ValeurFormule : public ::testing::TestWithParam<Field> {};

TEST_P(ValeurFormule, ReadsConstantFields) {
  bool erreur = !GetParam().error;
  const extended v = valeurformule(GetParam().text, erreur);
  EXPECT_EQ(erreur, GetParam().error) << GetParam().text;
  if (!GetParam().error) {
    EXPECT_NEAR(static_cast<double>(v), static_cast<double>(GetParam().value), 1e-15);
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, ValeurFormule,
                         ::testing::Values(Field{"2p", 2 * kPi, false}, Field{"1,5", 1.5L, false},
                                           Field{"V(2)", std::sqrt(2.0L), false},
                                           Field{"V(-1)", 0, true}, Field{"", 0, true},
                                           Field{"-4", -4, false}, Field{"x+1", 1, false},
                                           Field{"1/0", 0, true}, Field{"abc(", 0, true},
                                           Field{"2e(0)", 2, false}, Field{"1E300", 1e300L, false},
                                           Field{"-1E301", 0, true}, Field{"1E4932", 0, true}));

// A number too large to be drawn is refused, and told apart from a text that cannot be
// read; a text longer than the engine takes is refused whole, never cut.
TEST(ValeurFormule, RefusesWhatCannotBeDrawnOrWouldBeCut) {
  bool erreur = false, horslimite = false;
  valeurformule("9E299*9", erreur, &horslimite);
  EXPECT_TRUE(erreur && horslimite);
  valeurformule("x+", erreur, &horslimite);
  EXPECT_TRUE(erreur && !horslimite);
  const std::string chiffres = "1" + std::string(255, '0');
  valeurformule(chiffres.substr(0, 255), erreur);
  EXPECT_FALSE(erreur);
  valeurformule(chiffres, erreur, &horslimite);
  EXPECT_TRUE(erreur && !horslimite);
}

TEST(ValeurFormule, UndefinedValueIsTheErrorValue) {
  bool erreur = false;
  EXPECT_EQ(valeurformule("ln(0)", erreur), valeurerreur);
  EXPECT_TRUE(erreur);
  EXPECT_EQ(valeurformule("x+", erreur), 0);
  EXPECT_TRUE(erreur);
}

TEST(Derivee, ForwardDifferenceOrFailureMark) {
  TExpress e;
  e.setExpression("x^2");
  EXPECT_NEAR(static_cast<double>(derivee(e, 3)), 6.0, 1e-6);
  e.setExpression("sqrt(x)");
  EXPECT_EQ(derivee(e, -1), 1e8L);  // undefined at x + h
  e.setExpression("ln(x)");
  EXPECT_LT(derivee(e, 0), -1e15L);  // F(0) is the error value, F(h) is not: a huge slope
}

TEST(Vecteur, CrossProductAndNorm) {
  const vecteur i{1, 0, 0}, j{0, 1, 0};
  const vecteur k = produitvectoriel(i, j);
  EXPECT_EQ(k.x, 0);
  EXPECT_EQ(k.y, 0);
  EXPECT_EQ(k.z, 1);
  const vecteur u{1, 2, 3}, v{4, 5, 6};
  const vecteur w = produitvectoriel(u, v);
  EXPECT_EQ(w.x, -3);
  EXPECT_EQ(w.y, 6);
  EXPECT_EQ(w.z, -3);
  EXPECT_EQ(norme(vecteur{3, 4, 12}), 13);
}

}  // namespace
