// The walks of unit voisin that nothing else covers, one table per family:
// dead marks of a chain, stones and liberties of one chain and what touches
// it, liberty lists that cross weak chains, region walks. Walk order is depth
// first, +row, -row, +col, -col, never straight back.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/voisin.h"
#include "tests/unit/marches_table.h"

namespace {

using namespace marches;

// Black (1,1) in atari at (2,1) next to white (1,2) in atari at (1,3).
constexpr const char* kAtariMutuel =
    "XO...\n"
    ".X...\n"
    ".....\n"
    ".....\n"
    ".....\n";

// Black (1,1)-(1,2) in atari at (1,3).
constexpr const char* kAtariDeux =
    "XX.O.\n"
    "OO...\n"
    ".....\n"
    ".....\n"
    ".....\n";

// Black (2,2)-(2,3) next to white (1,2)-(1,3) in atari at (1,1) and white
// (3,2) of 3 liberties.
constexpr const char* kEnnemiAtari =
    ".OOX.\n"
    ".XX..\n"
    ".O...\n"
    ".....\n"
    ".....\n";

// Black (2,3)-(3,3): white (1,3) in atari at (1,4), black (1,2) of 2
// liberties behind it, white (3,4) of 2 liberties, black (3,5) of 3.
constexpr const char* kFaibles =
    ".XO...\n"
    "..X...\n"
    "..XOX.\n"
    "......\n"
    "......\n"
    "......\n";

// As kFaibles with white (2,2): black (1,2) in atari at (1,1) behind white
// (1,3) in atari; white (2,2) of 2 liberties.
constexpr const char* kAtariEnChaine =
    ".XO...\n"
    ".OX...\n"
    "..XOX.\n"
    "......\n"
    "......\n"
    "......\n";

constexpr const char* kMur =
    "..X..\n"
    "..X..\n"
    "XXX..\n"
    ".....\n"
    ".....\n";

// White (2,2) inside a black wall, white (4,4) outside.
constexpr const char* kEnclos =
    "..X..\n"
    ".OX..\n"
    "XXX..\n"
    "...O.\n"
    ".....\n";

std::string nombre(const char* nom, int32_t v) { return std::string(nom) + "=" + std::to_string(v); }
void morts(std::initializer_list<std::pair<int, int>> pts) {
  for (auto [r, c] : pts) pionsmorts[indexcase(r, c)] = 1;
}

TEST(VoisinFamilles, DeadMarksOfAChain) {
  const Cas cas[] = {
      {"marks and visit flags cleared over the flagged stones", kChaine,
       [](TPlateau&) { morts({{2, 2}, {2, 3}, {3, 3}, {3, 4}}); },
       [](TPlateau& p) {
         TMarques vu = marquesvides;
         vu[indexcase(2, 2)] = vu[indexcase(2, 3)] = 1;
         effacemarquechaine(p, 0, 2, 2, vu);
         return carte(pionsmorts) + carte(vu);
       },
       ".....\n"
       ".....\n"
       "..11.\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n",
       PLATEAU | CHAINES},
      {"flagged stones of the chain marked dead; another chain's flag kept", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques etat = marquesvides;
         for (int32_t i : {indexcase(2, 2), indexcase(2, 3), indexcase(3, 3), indexcase(3, 4)}) etat[i] = 1;
         marquechaineselonvisite(p, etat, 0, 2, 2);
         return carte(pionsmorts) + carte(etat);
       },
       ".....\n"
       ".11..\n"
       "..1..\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "...1.\n"
       ".....\n"
       ".....\n",
       PLATEAU | CHAINES},
      {"unmarking stops at an unflagged stone", kChaine, [](TPlateau&) { morts({{2, 2}, {2, 3}, {3, 3}}); },
       [](TPlateau& p) {
         TMarques etat = marquesvides;
         etat[indexcase(2, 2)] = etat[indexcase(3, 3)] = 1;
         demarquechaineselonvisite(p, etat, 0, 2, 2);
         return carte(pionsmorts) + carte(etat);
       },
       ".....\n"
       "..1..\n"
       "..1..\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "..1..\n"
       ".....\n"
       ".....\n",
       PLATEAU | CHAINES},
  };
  for (const auto& k : cas) lance(k);
}

TEST(VoisinFamilles, StonesAndLibertiesOfOneChain) {
  const Cas cas[] = {
      {"stones listed from the start, liberties counted once", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         int32_t n = 0;
         chaineetlibertes(p, l, 300, 0, 2, 2, vu, n);
         return points(l) + " " + nombre("libertes", n);
       },
       "(2,2) (2,3) (3,3) libertes=5"},
      {"last liberty, stone count and an enemy neighbour in atari", kAtariMutuel, nullptr,
       [](TPlateau& p) {
         int32_t n = 0;
         uint8_t flag = 0;
         TPoint lib;
         TMarques vu = marquesvides;
         derniereliberteetvoisinatari(n, flag, p, lib, 0, 1, 1, vu);
         return nombre("n", n) + " " + nombre("flag", flag) + " " + point(lib);
       },
       "n=1 flag=1 (2,1)"},
      {"a second liberty sets the count to 1000", kChaine, nullptr,
       [](TPlateau& p) {
         int32_t n = 0;
         uint8_t flag = 0;
         TPoint lib;
         TMarques vu = marquesvides;
         derniereliberteetvoisinatari(n, flag, p, lib, 0, 2, 2, vu);
         return nombre("n", n) + " " + nombre("flag", flag) + " " + point(lib);
       },
       "n=1000 flag=0 (3,2)"},
      {"stones marked dead are not counted", kAtariDeux, [](TPlateau&) { morts({{1, 2}}); },
       [](TPlateau& p) {
         int32_t n = 0;
         uint8_t flag = 0;
         TPoint lib;
         TMarques vu = marquesvides;
         derniereliberteetvoisinatari(n, flag, p, lib, 0, 1, 1, vu);
         return nombre("n", n) + " " + nombre("flag", flag) + " " + point(lib);
       },
       "n=1 flag=0 (1,3)"},
      {"a visited liberty is passed over, the one found is left unmarked",
       "X....\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n",
       nullptr,
       [](TPlateau& p) {
         TPoint lib;
         TMarques vu = marquesvides;
         vu[indexcase(2, 1)] = 1;
         trouveliberte(p, lib, 0, 1, 1, vu);
         return point(lib) + " " + nombre("vu", vu[indexcase(1, 2)]);
       },
       "(1,2) vu=0"},
      {"stones and liberties counted, stopping at two liberties", kChaine, nullptr,
       [](TPlateau& p) {
         int32_t pierres = 0, libs = 0;
         TMarques vu = marquesvides;
         comptepierreslibertes2(p, pierres, libs, 0, 2, 2, vu);
         return nombre("pierres", pierres) + " " + nombre("libertes", libs);
       },
       "pierres=1 libertes=2"},
      {"stones and liberties of a chain in atari", kAtariDeux, nullptr,
       [](TPlateau& p) {
         int32_t pierres = 0, libs = 0;
         TMarques vu = marquesvides;
         comptepierreslibertes2(p, pierres, libs, 0, 1, 1, vu);
         return nombre("pierres", pierres) + " " + nombre("libertes", libs);
       },
       "pierres=2 libertes=1"},
      {"chain of a colour and its liberties marked", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques vu = marquesvides, vu2 = marquesvides;
         libertesmarquees(p, NOIR, vu, 0, 2, 2);
         libertesmarquees(p, BLANC, vu2, 0, 4, 4);  // from an empty point: both white stones
         return carte(vu) + carte(vu2);
       },
       ".11..\n"
       "1111.\n"
       ".11..\n"
       ".....\n"
       ".....\n"
       ".....\n"
       "...1.\n"
       "...11\n"
       ".1111\n"
       "..11.\n"},
      {"a value written over chain and liberties; the value is the visited mark", kChaine, nullptr,
       [](TPlateau& p) {
         TMarques m = marquesvides, m2 = marquesvides;
         marquechaineetlibertes(p, NOIR, 3, m, 0, 2, 2);
         m2[indexcase(2, 3)] = 3;
         marquechaineetlibertes(p, NOIR, 3, m2, 0, 2, 2);
         return carte(m) + carte(m2);
       },
       ".33..\n"
       "3333.\n"
       ".33..\n"
       ".....\n"
       ".....\n"
       ".3...\n"
       "333..\n"
       ".3...\n"
       ".....\n"
       ".....\n"},
      {"adjacent enemy stones, each once; empty neighbours marked", kDeuxFois, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         listepierresennemiesvoisines(p, l, 300, 0, 2, 2, vu);
         return points(l) + "\n" + carte(vu);
       },
       "(3,2) (4,3) (3,4)\n"
       ".11..\n"
       "1111.\n"
       ".111.\n"
       "..1..\n"
       ".....\n"},
      {"adjacent enemy stones, empty neighbours left unmarked", kDeuxFois, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         listepierresennemiesvoisines2(p, l, 300, 0, 2, 2, vu);
         return points(l) + "\n" + carte(vu);
       },
       "(3,2) (4,3) (3,4)\n"
       ".....\n"
       ".11..\n"
       ".111.\n"
       "..1..\n"
       ".....\n"},
      {"adjacent enemy stones of chains in atari", kEnnemiAtari, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         listeennemisatari(p, l, 300, 0, 2, 2, vu);
         return points(l);
       },
       "(1,2) (1,3)"},
      {"every stone, and the flag of an enemy chain in atari", kEnnemiAtari, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         uint8_t flag = 0;
         pierreschaineetatariennemi(p, l, 300, flag, 0, 2, 3, vu);
         return points(l) + " " + nombre("flag", flag);
       },
       "(2,3) (2,2) flag=1"},
      {"every stone, no enemy chain in atari", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         uint8_t flag = 0;
         pierreschaineetatariennemi(p, l, 300, flag, 0, 2, 2, vu);
         return points(l) + " " + nombre("flag", flag);
       },
       "(2,2) (2,3) (3,3) flag=0"},
      {"no enemy chain in atari, no weak one", kChaine, nullptr,
       [](TPlateau& p) {
         return nombre("atari", aucunennemiatari(p, 2, 2)) + " " + nombre("faible", aucunennemifaible(p, 2, 2));
       },
       "atari=1 faible=1"},
      {"an enemy chain of two liberties is weak, not in atari", kDeuxFois, nullptr,
       [](TPlateau& p) {
         return nombre("atari", aucunennemiatari(p, 2, 2)) + " " + nombre("faible", aucunennemifaible(p, 2, 2));
       },
       "atari=1 faible=0"},
      {"an enemy chain in atari", kEnnemiAtari, nullptr,
       [](TPlateau& p) {
         return nombre("atari", aucunennemiatari(p, 2, 2)) + " " + nombre("faible", aucunennemifaible(p, 2, 2));
       },
       "atari=0 faible=0"},
      {"a marked enemy stone touches; a marked liberty or own stone does not", kChaine, nullptr,
       [](TPlateau& p) {
         std::string s;
         for (int32_t i : {indexcase(3, 4), indexcase(3, 2), indexcase(2, 3)}) {
           TMarques m = marquesvides, vu = marquesvides;
           m[i] = 1;
           s += std::to_string(chainetouchemarque(p, m, vu, 2, 2));
         }
         return s;
       },
       "100"},
      {"any marked neighbour touches, empty points too", kChaine, nullptr,
       [](TPlateau& p) {
         std::string s;
         for (int32_t i : {indexcase(3, 4), indexcase(3, 2), indexcase(5, 5)}) {
           TMarques m = marquesvides, vu = marquesvides;
           m[i] = 1;
           s += std::to_string(chainetouchemarque2(p, vu, m, 2, 2));
         }
         return s;
       },
       "110"},
  };
  for (const auto& k : cas) lance(k);
}

TEST(VoisinFamilles, LibertyListsCrossingWeakChains) {
  const Cas cas[] = {
      {"own liberties and those of the chains of fewer than 3 liberties", kFaibles, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertesetfaibles(p, l, 300, 0, 3, 3, vu);
         return points(l);
       },
       "(4,3) (1,4) (2,2) (1,1) (2,4) (4,4) (3,2)"},
      {"the same with the flag", kFaibles, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         uint8_t flag = 0;
         libertesetfaiblesdrapeau(p, l, 300, flag, 0, 3, 3, vu);
         return points(l) + " " + nombre("flag", flag);
       },
       "(4,3) (1,4) (2,2) (1,1) (2,4) (4,4) (3,2) flag=1"},
      {"no weak neighbour: own liberties, flag untouched", kChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         uint8_t flag = 0;
         libertesetfaiblesdrapeau(p, l, 300, flag, 0, 2, 2, vu);
         return points(l) + " " + nombre("flag", flag);
       },
       "(3,2) (1,2) (1,3) (2,4) (2,1) flag=0"},
      {"capturable chains crossed, and own stones beyond them", kFaibles, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertesetcapturables(p, l, 300, 0, 3, 3, vu);
         return points(l);
       },
       "(4,3) (1,4) (2,2) (1,1) (2,4) (4,4) (4,5) (2,5) (3,6) (3,2)"},
      {"a chain of two liberties marked dead is not crossed", kFaibles, [](TPlateau&) { morts({{3, 4}}); },
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertesetcapturables(p, l, 300, 0, 3, 3, vu);
         return points(l);
       },
       "(4,3) (1,4) (2,2) (1,1) (2,4) (3,2)"},
      {"liberties of the adjacent chains in atari, own ones left out", kAtariEnChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         libertesatarivoisines(p, l, 300, 0, 3, 3, vu);
         return points(l);
       },
       "(1,4)"},
      {"the same crossing the chains in atari behind them", kAtariEnChaine, nullptr,
       [](TPlateau& p) {
         TListePoints l = liste();
         TMarques vu = marquesvides;
         atarichainesvoisines(p, l, 300, 0, 3, 3, vu);
         return points(l);
       },
       "(1,4) (1,1)"},
      {"liberties marked, weak chains crossed and marked", kFaibles, nullptr,
       [](TPlateau& p) {
         TMarques vu = marquesvides;
         libertesetfaiblesvisite(p, vu, 3, 3);
         return carte(vu);
       },
       "1111..\n"
       ".111..\n"
       ".111..\n"
       "..11..\n"
       "......\n"
       "......\n"},
  };
  for (const auto& k : cas) lance(k);
}

TEST(VoisinFamilles, RegionWalks) {
  const Cas cas[] = {
      {"empty region and the stones around it", kMur, nullptr,
       [](TPlateau& p) {
         TMarques vu = marquesvides;
         marquezonevide(p, 0, 1, 1, vu);
         return carte(vu);
       },
       "111..\n"
       "111..\n"
       "11...\n"
       ".....\n"
       ".....\n"},
      {"an unmarked stone ends the walk", kEnclos, nullptr,
       [](TPlateau& p) {
         std::string s;
         for (auto [r, c] : {std::pair{1, 1}, std::pair{1, 4}}) {
           int32_t res = 0;
           TMarques vu = marquesvides;
           zonenoncouleur(p, NOIR, res, 0, r, c, vu);
           s += nombre("res", res) + " ";
         }
         return s;
       },
       "res=1000 res=1000"},
      {"dead stones are crossed, owned empty points are not", kEnclos,
       [](TPlateau&) {
         morts({{2, 2}});
         territoire[indexcase(3, 4)] = territoire[indexcase(3, 5)] = NOIR;
       },
       [](TPlateau& p) {
         std::string s;
         for (auto [r, c] : {std::pair{1, 1}, std::pair{1, 4}}) {
           int32_t res = 0;
           TMarques vu = marquesvides;
           zonenoncouleur(p, NOIR, res, 0, r, c, vu);
           s += nombre("res", res) + " ";
         }
         return s;
       },
       "res=0 res=0"},
  };
  for (const auto& k : cas) lance(k);
}

}  // namespace
