// The walks kept with the engine state, one table per family: the lists and
// counts of one chain, and the walks that mark, paint, empty or remove.
// Walk order is depth first, +row, -row, +col, -col, never straight back.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/parcours.h"
#include "tests/unit/marches_table.h"

namespace {

using namespace marches;

// White (1,2) in atari between black (1,1)-(2,1) and black (1,3).
constexpr const char* kAtari =
    "XOX..\n"
    "X....\n"
    ".....\n"
    ".....\n"
    ".....\n";

// Black rows 1-3 without a liberty: 15 stones.
constexpr const char* kSansLiberte =
    "XXXXX\n"
    "XXXXX\n"
    "XXXXX\n"
    "OOOOO\n"
    ".....\n";

// Black rows 1-4 of a 9x9 board without a liberty: 36 stones.
constexpr const char* kGrandeSansLiberte =
    "XXXXXXXXX\n"
    "XXXXXXXXX\n"
    "XXXXXXXXX\n"
    "XXXXXXXXX\n"
    "OOOOOOOOO\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

constexpr const char* kLigne =
    ".....\n"
    "XXXX.\n"
    ".....\n"
    ".....\n"
    ".....\n";

// A black wall closing the corner region (1,1) (1,2) (2,1) (2,2).
constexpr const char* kMur =
    "..X..\n"
    "..X..\n"
    "XXX..\n"
    ".....\n"
    ".....\n";

constexpr const char* kVide5 =
    ".....\n"
    ".....\n"
    ".....\n"
    ".....\n"
    ".....\n";

constexpr const char* kVide7 =
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n";

std::string nombre(const char* nom, int32_t v) { return std::string(nom) + "=" + std::to_string(v); }

TEST(ParcoursTable, ListsAndCountsOfOneChain) {
  const Cas cas[] = {
      {"liberties of the black chains around an empty point", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertescouleur(p, l, 300, 0, 3, 2, vu, NOIR);
         return points(l);
       },
       "(4,2) (1,2) (1,3) (2,4) (2,1) (3,1)"},
      {"liberties of the two white stones around an empty point", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertescouleur(p, l, 300, 0, 4, 4, vu, BLANC);
         return points(l);
       },
       "(5,4) (2,4) (3,5) (4,5) (5,3) (4,2)"},
      {"liberties and stone count", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         int32_t pions = 0;
         libertesetpions(p, l, 300, 0, 3, 3, pions, vu);
         return points(l) + " " + nombre("pions", pions);
       },
       "(1,3) (2,4) (3,2) (1,2) (2,1) pions=3"},
      {"an opponent stone touching the chain twice is listed once", kDeuxFois, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste(), adv = liste();
         TMarques vu = marquesvides;
         libertesetadversaires(p, l, 300, 0, 2, 2, vu, 300, adv);
         return points(l) + "\n" + points(adv);
       },
       "(1,2) (1,3) (2,4) (2,1)\n"
       "(3,2) (4,3) (3,4)"},
      {"an adjacent chain in atari clears the flag", kAtari, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         uint8_t flag = 1;
         libertesetvoisinsenatari(flag, p, l, 0, 1, 1, vu, 300);
         return points(l) + " " + nombre("flag", flag);
       },
       "(3,1) (2,2) flag=0"},
      {"no adjacent chain in atari: the flag stays", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         uint8_t flag = 1;
         libertesetvoisinsenatari2(flag, p, l, 0, 2, 2, vu, 300);
         return points(l) + " " + nombre("flag", flag);
       },
       "(3,2) (1,2) (1,3) (2,4) (2,1) flag=1"},
      {"liberties by the chain table", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertestable(p, l, 300, 0, 2, 2, vu);
         return points(l);
       },
       "(3,2) (1,2) (1,3) (2,4) (2,1)"},
      {"a stone whose table byte differs is recorded, not crossed", kChaine,
       [](TPlateau&) { infochaine[indexcase(2, 3)][0] = 9; },
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertestable(p, l, 300, 0, 2, 2, vu);
         return points(l);
       },
       "(3,2) (1,2) (2,3) (2,1)"},
      {"liberties are added to the count given", kChaine, nullptr,
       [](TPlateau& p) {
         int32_t n = 2;
         TMarques vu = marquesvides;
         comptelibertes(p, n, 0, 3, 3, vu);
         return nombre("n", n);
       },
       "n=7"},
      {"liberties counted, stones marked", kChaine, nullptr,
       [](TPlateau& p) {
         int32_t n = 0;
         TMarques vu = marquesvides, m = marquesvides;
         comptelibertesetmarque(p, n, 0, 2, 2, vu, m);
         return nombre("n", n) + "\n" + carte(m);
       },
       "n=5\n"
       ".....\n"
       ".11..\n"
       "..1..\n"
       ".....\n"
       ".....\n"},
      {"two chains counted on one visited array", kChaine, nullptr,
       [](TPlateau& p) {
         int32_t n = 0;
         TMarques vu = marquesvides;
         comptepionschaine(n, p, vu, 0, 2, 2);
         comptepionschaine(n, p, vu, 0, 3, 4);
         comptepionschaine(n, p, vu, 0, 3, 3);  // already counted
         return nombre("n", n);
       },
       "n=4"},
      {"last liberty and the stones", kAtari, nullptr,
       [](TPlateau& p) {
         int32_t nb = 0;
         TPoint lib;
         TListePoints pions = liste();
         TMarques vu = marquesvides;
         deuxlibertespions(p, nb, lib, pions, 300, 0, 1, 2, vu);
         return nombre("nb", nb) + " " + point(lib) + " " + points(pions);
       },
       "nb=1 (2,2) (1,2)"},
      {"a chain of 15 stones without liberty", kSansLiberte, nullptr,
       [](TPlateau& p) {
         int32_t nb = 0;
         TPoint lib;
         TListePoints pions = liste();
         TMarques vu = marquesvides;
         deuxlibertespions(p, nb, lib, pions, 300, 0, 1, 1, vu);
         return nombre("nb", nb) + " " + nombre("pions", pions[0]);
       },
       "nb=0 pions=15"},
      {"past 30 stones a stone of table byte 0 counts as two liberties", kGrandeSansLiberte, nullptr,
       [](TPlateau& p) {
         int32_t nb = 0;
         TPoint lib;
         TListePoints pions = liste();
         TMarques vu = marquesvides;
         deuxlibertespions(p, nb, lib, pions, 300, 0, 1, 1, vu);
         return nombre("nb", nb) + " " + nombre("pions", pions[0]);
       },
       "nb=2 pions=31"},
  };
  for (const auto& k : cas) lance(k);
}

TEST(ParcoursTable, MarkingAndPainting) {
  const Cas cas[] = {
      {"chain marked, bounds tested at the corner",
       "XX...\n"
       "X....\n"
       ".....\n"
       ".....\n"
       "....X\n",
       nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides, m2 = marquesvides;
         marquechainesimple(p, m, 0, 5, 5);
         marquechainesimple2(p, m2, 0, 1, 1);
         return carte(m) + carte(m2);
       },
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "....1\n"
       "11...\n"
       "1....\n"
       ".....\n"
       ".....\n"
       ".....\n"},
      {"erasing a chain leaves the marks of the others", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides;
         for (int32_t i : {indexcase(2, 2), indexcase(2, 3), indexcase(3, 3), indexcase(3, 4)}) m[i] = 1;
         effacechaine(p, m, 0, 2, 2);
         return carte(m);
       },
       ".....\n"
       ".....\n"
       "...1.\n"
       ".....\n"
       ".....\n"},
      {"erasing follows marked stones only", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides;
         m[indexcase(2, 2)] = m[indexcase(3, 3)] = 1;  // (2,3) between them unmarked
         effacechaine(p, m, 0, 2, 2);
         return carte(m);
       },
       ".....\n"
       ".....\n"
       "..1..\n"
       ".....\n"
       ".....\n"},
      {"an unmarked start erases nothing", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides;
         m[indexcase(2, 3)] = m[indexcase(3, 3)] = 1;
         TMarques m2 = m;
         effacemarques(p, m, 2, 0, 2);  // (2,2) is not marked
         effacemarques(p, m2, 2, 0, 3);
         return carte(m) + carte(m2);
       },
       ".....\n"
       "..1..\n"
       "..1..\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"},
      {"bits ORed over the chain, other bits kept", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides;
         m[indexcase(2, 2)] = 4;
         marquechainebits(p, m, 1, 3, 3);
         return carte(m);
       },
       ".....\n"
       ".51..\n"
       "..1..\n"
       ".....\n"
       ".....\n"},
      {"a stone already holding the bit stops the walk", kLigne, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides;
         m[indexcase(2, 2)] = 2;
         marquechainebits(p, m, 2, 2, 1);
         TMarques m2 = marquesvides;
         marquechainebits(p, m2, 1, 2, 1);
         return carte(m) + carte(m2);
       },
       ".....\n"
       "22...\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "1111.\n"
       ".....\n"
       ".....\n"
       ".....\n"},
      {"painting stops at points already holding the value", kLigne, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides;
         m[indexcase(2, 3)] = 7;
         peintchaine(p, m, 7, 2, 1);
         TMarques m2 = marquesvides;
         peintchaine(p, m2, 3, 2, 4);
         return carte(m) + carte(m2);
       },
       ".....\n"
       "777..\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "3333.\n"
       ".....\n"
       ".....\n"
       ".....\n"},
      {"positive region of a signed map",
       kVide5, nullptr,
       [](TPlateau&) {
         TCarte v{};
         const int32_t valeurs[5][5] = {
             {1, 1, 0, 0, 0}, {0, 2, 0, 5, 0}, {0, 1, 1, 4, 0}, {-1, 0, 0, 0, 0}, {9, 0, 0, 0, 0}};
         for (int32_t r = 1; r <= 5; ++r)
           for (int32_t c = 1; c <= 5; ++c) v[indexcase(r, c)] = valeurs[r - 1][c - 1];
         TMarques m = marquesvides;
         marqueregion(v, m, 0, 1, 1);
         return carte(m);
       },
       "11...\n"
       ".1.1.\n"
       ".111.\n"
       ".....\n"
       ".....\n"},
      {"region without a colour: painted, then marked", kMur, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides, vu = marquesvides;
         marqueregionautre(p, NOIR, 4, m, 0, 1, 1);
         marqueregionsanscouleur(NOIR, p, vu, 0, 5, 5);
         return carte(m) + carte(vu);
       },
       "44...\n"
       "44...\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "...11\n"
       "...11\n"
       "...11\n"
       "11111\n"
       "11111\n"},
      {"marks moved from one map to the other", kVide5, nullptr,
       [](TPlateau&) {
         TMarques m1 = marquesvides, m2 = marquesvides;
         for (int32_t i : {indexcase(1, 1), indexcase(1, 2), indexcase(2, 2), indexcase(4, 4)}) m1[i] = 1;
         m1[indexcase(2, 1)] = 2;
         transfertmarques(m1, m2, 3, 0, 1, 1);
         return carte(m1) + carte(m2);
       },
       ".....\n"
       "2....\n"
       ".....\n"
       "...1.\n"
       ".....\n"
       "33...\n"
       ".3...\n"
       ".....\n"
       ".....\n"
       ".....\n"},
      {"area of a colour: living stones, dead enemies, owned empty points",
       ".X...\n"
       "XO...\n"
       ".X...\n"
       ".....\n"
       ".....\n",
       [](TPlateau&) {
         pionsmorts[indexcase(2, 2)] = 1;
         territoire[indexcase(1, 1)] = territoire[indexcase(3, 1)] = NOIR;
       },
       [](TPlateau& p) {
         TMarques m = marquesvides;
         marquezonecouleur(p, NOIR, m, 0, 1, 2);
         return carte(m);
       },
       "11...\n"
       "11...\n"
       "11...\n"
       ".....\n"
       ".....\n"},
      {"every point within the distance", kVide7, nullptr,
       [](TPlateau&) {
         TMarques m = marquesvides;
         marquedistance(m, 3, 4, 4);
         return carte(m);
       },
       "...1...\n"
       "..111..\n"
       ".11111.\n"
       "1111111\n"
       ".11111.\n"
       "..111..\n"
       "...1...\n"},
      {"marked points are not entered", kVide5, nullptr,
       [](TPlateau&) {
         TMarques m = marquesvides;
         m[indexcase(1, 2)] = 2;
         marquedistance(m, 2, 1, 1);
         return carte(m);
       },
       "12...\n"
       "11...\n"
       "1....\n"
       ".....\n"
       ".....\n"},
  };
  for (const auto& k : cas) lance(k);
}

TEST(ParcoursTable, EmptyingAndRemoving) {
  const Cas cas[] = {
      {"the chain emptied on the board, its liberties listed; the table untouched", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         videchaine(p, l, 300, 0, 2, 2, vu);
         return points(l) + "\n" + fixture::texteplateau(p, 5);
       },
       "(3,2) (1,2) (1,3) (2,4) (2,1)\n"
       ".....\n"
       ".....\n"
       "...O.\n"
       "..O..\n"
       ".....\n",
       CHAINES | MORTS},
      {"removed with its entries; the neighbours' counts stay", kChaine, nullptr,
       [](TPlateau& p) {
         retirechainetable2(p, 3, 3);
         std::string s = fixture::texteplateau(p, 5) + libertes();
         for (int32_t i : {indexcase(2, 2), indexcase(2, 3), indexcase(3, 3)}) s += std::to_string(infochaine[i][1]);
         return s;
       },
       ".....\n"
       ".....\n"
       "...O.\n"
       "..O..\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "...3.\n"
       "..3..\n"
       ".....\n"
       "000\n",
       MORTS},
      {"a lone stone removed by the core", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques vu = marquesvides;
         retirechainetable(p, vu, 0, 3, 4);
         return fixture::texteplateau(p, 5) + libertes();
       },
       ".....\n"
       ".XX..\n"
       "..X..\n"
       "..O..\n"
       ".....\n"
       ".....\n"
       ".55..\n"
       "..5..\n"
       "..3..\n"
       ".....\n",
       MORTS},
      {"nothing to remove on an empty point", kChaine, nullptr,
       [](TPlateau& p) {
         retirechainetable2(p, 1, 1);
         return fixture::texteplateau(p, 5);
       },
       ".....\n"
       ".XX..\n"
       "..XO.\n"
       "..O..\n"
       ".....\n"},
  };
  for (const auto& k : cas) lance(k);
}

}  // namespace
