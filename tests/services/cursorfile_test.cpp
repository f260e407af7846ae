#include "services/cursorfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "curseurfabrique.h"

namespace {

using namespace fabrique;
using fichiercurseur::lire;
using fichiercurseur::lirecur;

std::span<const std::uint8_t> vue(const Octets& o) {
  return {o.data(), o.size()};
}

TEST(Cur, ReadsPixelsTopRowFirstWithHotspot) {
  const auto img = lirecur(vue(petitcur(1, 0)));
  ASSERT_TRUE(img);
  EXPECT_EQ(img->largeur, 2);
  EXPECT_EQ(img->hauteur, 2);
  EXPECT_EQ(img->hotx, 1);
  EXPECT_EQ(img->hoty, 0);
  EXPECT_EQ(img->argb,
            (std::vector<std::uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}));
}

struct CasValide {
  const char* nom;
  std::function<Octets()> fichier;
  std::vector<std::uint32_t> attendu;
  friend void PrintTo(const CasValide& c, std::ostream* os) { *os << c.nom; }
};

Octets palettise(int bits, std::vector<std::uint32_t> palette, Octets pixels,
                 std::uint32_t utilisees = 0) {
  Dib d;
  d.bits = bits, d.palette = std::move(palette), d.pixels = std::move(pixels);
  d.utilisees = utilisees;
  Cur c;
  c.image = dib(d);
  return cur(c);
}

// Without alpha the AND mask decides: a set bit is a transparent pixel.
Octets masque32() {
  Dib d;
  d.pixels = Octets(16, 0x80);
  for (int k = 3; k < 16; k += 4) d.pixels[k] = 0;
  d.lignesmasque = {0x00, 0, 0, 0, 0x80, 0, 0, 0};  // bottom row opaque; top-left clear
  Cur c;
  c.image = dib(d);
  return cur(c);
}

class CurValide : public testing::TestWithParam<CasValide> {};

TEST_P(CurValide, Decodes) {
  const auto img = lirecur(vue(GetParam().fichier()));
  ASSERT_TRUE(img) << GetParam().nom;
  EXPECT_EQ(img->argb, GetParam().attendu) << GetParam().nom;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CurValide,
    testing::Values(
        CasValide{"1 bit",
                  [] {
                    return palettise(1, {0, 0xFFFFFF}, {0x40, 0, 0, 0, 0x80, 0, 0, 0});
                  },
                  {0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFFFFFFFF}},
        CasValide{"4 bits, short palette",
                  [] {
                    return palettise(4, {0xFF0000, 0x00FF00, 0x0000FF},
                                     {0x21, 0, 0, 0, 0x10, 0, 0, 0}, 3);
                  },
                  {0xFF00FF00, 0xFFFF0000, 0xFF0000FF, 0xFF00FF00}},
        CasValide{"8 bits",
                  [] {
                    return palettise(8, {0x112233, 0x445566}, {1, 0, 0, 0, 0, 1, 0, 0}, 2);
                  },
                  {0xFF112233, 0xFF445566, 0xFF445566, 0xFF112233}},
        CasValide{"24 bits, padded rows",
                  [] {
                    Dib d;
                    d.bits = 24;
                    d.pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
                    Cur c;
                    c.image = dib(d);
                    return cur(c);
                  },
                  {0xFF090807, 0xFF0C0B0A, 0xFF030201, 0xFF060504}},
        CasValide{"32 bits without alpha", masque32, {0, 0xFF808080, 0xFF808080, 0xFF808080}}));

TEST(Cur, IconEntriesHaveNoHotspot) {
  Cur c;
  c.type = 1;
  c.hotx = 1, c.hoty = 32;  // planes and bit count, for an icon
  Dib d;
  d.pixels = Octets(16, 0xFF);
  c.image = dib(d);
  const auto img = lirecur(vue(cur(c)));
  ASSERT_TRUE(img);
  EXPECT_EQ(img->hotx, 0);
  EXPECT_EQ(img->hoty, 0);
}

struct CasInvalide {
  const char* nom;
  std::function<Octets()> fichier;
  friend void PrintTo(const CasInvalide& c, std::ostream* os) { *os << c.nom; }
};

Octets avecdib(std::function<void(Dib&)> casser) {
  Dib d;
  d.pixels = Octets(16, 0xFF);
  casser(d);
  Cur c;
  c.image = dib(d);
  return cur(c);
}

Octets aveccur(std::function<void(Cur&)> casser) {
  Dib d;
  d.pixels = Octets(16, 0xFF);
  Cur c;
  c.image = dib(d);
  casser(c);
  return cur(c);
}

class CurInvalide : public testing::TestWithParam<CasInvalide> {};

TEST_P(CurInvalide, IsRejected) {
  const Octets o = GetParam().fichier();
  EXPECT_FALSE(lire(vue(o))) << GetParam().nom;
  // Every prefix of a broken file is broken too, and must be read without a fault.
  for (std::size_t n = 0; n < o.size(); ++n) lire({o.data(), n});
}

INSTANTIATE_TEST_SUITE_P(
    Champs, CurInvalide,
    testing::Values(
        CasInvalide{"empty", [] { return Octets{}; }},
        CasInvalide{"directory only", [] { return Octets{0, 0, 2, 0, 1, 0}; }},
        CasInvalide{"reserved", [] { return aveccur([](Cur& c) { c.reserve = 1; }); }},
        CasInvalide{"type 3", [] { return aveccur([](Cur& c) { c.type = 3; }); }},
        CasInvalide{"no image", [] { return aveccur([](Cur& c) { c.nombre = 0; }); }},
        CasInvalide{"too many images", [] { return aveccur([](Cur& c) { c.nombre = 65; }); }},
        CasInvalide{"offset past the end",
                    [] { return aveccur([](Cur& c) { c.debut = 1 << 20; }); }},
        CasInvalide{"offset inside directory", [] { return aveccur([](Cur& c) { c.debut = 6; }); }},
        CasInvalide{"size past the end", [] { return aveccur([](Cur& c) { c.taille = 4096; }); }},
        CasInvalide{"huge size", [] { return aveccur([](Cur& c) { c.taille = 0xFFFFFFFF; }); }},
        CasInvalide{"hotspot outside", [] { return aveccur([](Cur& c) { c.hotx = 2; }); }},
        CasInvalide{"short header", [] { return avecdib([](Dib& d) { d.taille = 12; }); }},
        CasInvalide{"two planes", [] { return avecdib([](Dib& d) { d.plans = 2; }); }},
        CasInvalide{"compressed", [] { return avecdib([](Dib& d) { d.compression = 1; }); }},
        CasInvalide{"16 bits", [] { return avecdib([](Dib& d) { d.bits = 16; }); }},
        CasInvalide{"zero width", [] { return avecdib([](Dib& d) { d.largeur = 0; }); }},
        CasInvalide{"too wide", [] { return avecdib([](Dib& d) { d.largeur = 257; }); }},
        CasInvalide{"negative height", [] { return avecdib([](Dib& d) { d.hauteur = -2; }); }},
        CasInvalide{"rows cut short",
                    [] {
                      return avecdib([](Dib& d) {
                        d.pixels.resize(12);
                        d.masque = false;
                      });
                    }},
        CasInvalide{"24 bits without mask",
                    [] {
                      return avecdib([](Dib& d) {
                        d.bits = 24;
                        d.masque = false;
                      });
                    }},
        CasInvalide{"palette larger than the depth",
                    [] {
                      return palettise(1, {0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, 3);
                    }},
        CasInvalide{"index past the palette",
                    [] {
                      return palettise(4, {0, 0}, {0x50, 0, 0, 0, 0, 0, 0, 0}, 2);
                    }},
        CasInvalide{"larger than any cursor", [] {
                      Octets o = petitcur();
                      o.resize(fichiercurseur::kTailleMax + 1, 0);
                      return o;
                    }}));

TEST(Ani, DefaultSequenceAndRate) {
  const auto f = lire(vue(ani({})));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->images.size(), 2u);
  EXPECT_EQ(f->images[1].hoty, 1);
  EXPECT_EQ(f->sequence, (std::vector<int>{0, 1}));
  EXPECT_EQ(f->durees, (std::vector<int>{10, 10}));
}

TEST(Ani, SequenceAndRatesWithZeroRateClamped) {
  Ani a;
  a.etapes = 3;
  a.seq = {1, 0, 1};
  a.rate = {5, 0, 7};
  const auto f = lire(vue(ani(a)));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->sequence, (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(f->durees, (std::vector<int>{5, 1, 7}));
}

Octets avecani(std::function<void(Ani&)> casser) {
  Ani a;
  casser(a);
  return ani(a);
}

class AniInvalide : public testing::TestWithParam<CasInvalide> {};

TEST_P(AniInvalide, IsRejected) {
  const Octets o = GetParam().fichier();
  EXPECT_FALSE(lire(vue(o))) << GetParam().nom;
  for (std::size_t n = 0; n < o.size(); ++n) lire({o.data(), n});
}

INSTANTIATE_TEST_SUITE_P(
    Morceaux, AniInvalide,
    testing::Values(
        CasInvalide{"no header", [] { return avecani([](Ani& a) { a.anih = false; }); }},
        CasInvalide{"raw frames", [] { return avecani([](Ani& a) { a.drapeaux = 0; }); }},
        CasInvalide{"frame count", [] { return avecani([](Ani& a) { a.images = 3; }); }},
        CasInvalide{"no frame",
                    [] {
                      return avecani([](Ani& a) {
                        a.images = 0;
                        a.icones.clear();
                      });
                    }},
        CasInvalide{"steps without sequence", [] { return avecani([](Ani& a) { a.etapes = 3; }); }},
        CasInvalide{"sequence past the frames",
                    [] { return avecani([](Ani& a) {
                           a.seq = {0, 2};
                         }); }},
        CasInvalide{"short rate table", [] { return avecani([](Ani& a) { a.rate = {4}; }); }},
        CasInvalide{"too many steps", [] { return avecani([](Ani& a) { a.etapes = 5000; }); }},
        CasInvalide{"broken frame", [] { return avecani([](Ani& a) { a.icones[1][0] = 7; }); }},
        CasInvalide{"too many frames",
                    [] {
                      return avecani([](Ani& a) {
                        a.images = a.etapes = 65;
                        a.icones.assign(65, petitcur());
                      });
                    }},
        CasInvalide{"RIFF size past the end",
                    [] {
                      Octets o = ani({});
                      poser32(o, 4, std::uint32_t(o.size()));
                      return o;
                    }},
        CasInvalide{"chunk size past the end",
                    [] {
                      Octets o = ani({});
                      poser32(o, 16, 0xFFFFFFF0u);  // the anih chunk
                      return o;
                    }},
        CasInvalide{"not ACON", [] {
                      Octets o = ani({});
                      o[8] = 'W';
                      return o;
                    }}));

// The cursors shipped with the program are all readable.
TEST(Kolu, EveryShippedCursorReads) {
  const std::filesystem::path dossier(QUADREL_KOLU);
  for (const char* nom : {"main2.cur", "fleche.cur", "wait.cur", "main1.cur", "crayon.cur",
                          "rigolo.cur", "question.ani"}) {
    std::ifstream in(dossier / nom, std::ios::binary);
    const Octets o((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto f = lire(vue(o));
    ASSERT_TRUE(f) << nom;
    EXPECT_EQ(f->images[0].largeur, 32) << nom;
    if (std::string(nom) == "question.ani") {
      EXPECT_GT(f->sequence.size(), 1u);
    }
  }
}

}  // namespace
