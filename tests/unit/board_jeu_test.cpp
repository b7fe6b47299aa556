// Chain table and move play: fixtures for the edge cases and a seeded
// stress test of the incremental table against the full rebuild.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/rejoue.h"
#include "tests/support/fixture.h"

namespace {

void taille(int n) {
  configmoteur.taille = n;
  construittables(n);
}

// Board from a diagram, with the chain table rebuilt.
TPlateau pose(std::string_view d) {
  auto pos = fixture::diagramme(d);
  taille(pos.taille);
  calculelibertes(pos.plateau);
  return pos.plateau;
}

TEntreeChaine entree(int r, int c) { return infochaine[indexcase(r, c)]; }
TEntreeChaine e(int l, int s) { return {static_cast<uint16_t>(l), static_cast<uint16_t>(s)}; }

std::set<std::pair<int, int>> points(const TListePoints& l) {
  std::set<std::pair<int, int>> s;
  for (int k = 1; k <= l[0]; ++k) s.insert({l[2 * k], l[2 * k + 1]});
  return s;
}

TEST(TableChaines, RebuildEntries) {
  TPlateau p = pose(
      "......\n"
      "......\n"
      "......\n"
      "......\n"
      "......\n"
      "......\n");
  EXPECT_EQ(infochaine, infochainevide);
  p = pose(
      "XX....\n"
      "......\n"
      "...O..\n"
      "......\n"
      "......\n"
      "......\n");
  EXPECT_EQ(entree(1, 1), e(3, 2));
  EXPECT_EQ(entree(1, 2), e(3, 0));
  EXPECT_EQ(entree(3, 4), e(4, 1));
  EXPECT_EQ(entree(2, 2), e(0, 0));
  // A chain without liberties (a filled scratch board) is flooded once too:
  // its head is its first stone.
  p = pose(
      "XXO...\n"
      "OO....\n"
      "......\n"
      "......\n"
      "......\n"
      "......\n");
  EXPECT_EQ(entree(1, 1), e(0, 2));
  EXPECT_EQ(entree(1, 2), e(0, 0));
}

TEST(JoueCoup, LoneStonesAndMerges) {
  taille(19);
  TPlateau p = plateauvide();
  infochaine = infochainevide;
  TListePoints prises{};
  jouecoup(prises, CAPACITELISTE, p, 1, 1, NOIR, BLANC);
  EXPECT_EQ(entree(1, 1), e(2, 1));
  jouecoup(prises, CAPACITELISTE, p, 10, 10, NOIR, BLANC);
  EXPECT_EQ(entree(10, 10), e(4, 1));
  jouecoup(prises, CAPACITELISTE, p, 10, 11, NOIR, BLANC);
  EXPECT_EQ(entree(10, 11), e(6, 2));  // new stone is the head
  EXPECT_EQ(entree(10, 10), e(6, 0));
  jouecoup(prises, CAPACITELISTE, p, 11, 10, NOIR, BLANC);  // merge without a lone friend: flood
  EXPECT_EQ(entree(11, 10), e(7, 3));
  EXPECT_EQ(entree(10, 10)[0], 7);
  EXPECT_TRUE(infochainecoherente(p));
  jouecoup(prises, CAPACITELISTE, p, 9, 10, BLANC, NOIR);
  EXPECT_EQ(entree(9, 10), e(3, 1));
  EXPECT_EQ(entree(10, 10)[0], 6);
  EXPECT_EQ(prises[0], 0);
  EXPECT_TRUE(infochainecoherente(p));
}

TEST(JoueCoup, CapturesAndRefusals) {
  struct Cas {
    const char* nom;
    const char* avant;
    int r, c;
    uint8_t couleur;
    const char* apres;
    std::set<std::pair<int, int>> prises;
  };
  const Cas cas[] = {
      {"lone stone in the corner",
       "OX...\n"
       "X....\n"
       ".....\n"
       ".....\n"
       ".....\n",
       2, 2, NOIR, "", {}},
      {"lone capture in the corner",
       "O....\n"
       "X....\n"
       ".....\n"
       ".....\n"
       ".....\n",
       1, 2, NOIR,
       ".X...\n"
       "X....\n"
       ".....\n"
       ".....\n"
       ".....\n",
       {{1, 1}}},
      {"four lone stones at once",
       ".XOX.\n"
       "XO.OX\n"
       ".XOX.\n"
       "..X..\n"
       ".....\n",
       2, 3, NOIR,
       ".X.X.\n"
       "X.X.X\n"
       ".X.X.\n"
       "..X..\n"
       ".....\n",
       {{1, 3}, {2, 2}, {2, 4}, {3, 3}}},
      {"two-stone chain and a lone stone at once",
       ".XX..\n"
       "XOOX.\n"
       ".X.X.\n"
       ".XOX.\n"
       "..X..\n",
       3, 3, NOIR,
       ".XX..\n"
       "X..X.\n"
       ".XXX.\n"
       ".X.X.\n"
       "..X..\n",
       {{2, 2}, {2, 3}, {4, 3}}},
      {"two-stone capture",
       ".....\n"
       ".XX..\n"
       "XOOX.\n"
       ".XX..\n"
       ".....\n",
       3, 5, NOIR, "", {}},
      {"surrounded by enemies with two liberties each: refused",
       ".....\n"
       "..X..\n"
       ".X.X.\n"
       "..X..\n"
       ".....\n",
       3, 3, BLANC,
       ".....\n"
       "..X..\n"
       ".X.X.\n"
       "..X..\n"
       ".....\n",
       {}},
      {"same point legal when one neighbour is in atari",
       "..O..\n"
       ".OXO.\n"
       ".X.X.\n"
       "..X..\n"
       ".....\n",
       3, 3, BLANC,
       "..O..\n"
       ".O.O.\n"
       ".XOX.\n"
       "..X..\n"
       ".....\n",
       {{2, 3}}},
      {"filling the last liberty of one's own chain is refused",
       "XXO..\n"
       ".XO..\n"
       "XXO..\n"
       "OO...\n"
       ".....\n",
       2, 1, NOIR,
       "XXO..\n"
       ".XO..\n"
       "XXO..\n"
       "OO...\n"
       ".....\n",
       {}},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = pose(k.avant);
    TListePoints prises{};
    prises[0] = 99;
    jouecoup(prises, CAPACITELISTE, p, k.r, k.c, k.couleur, static_cast<uint8_t>(1 - k.couleur));
    if (*k.apres) {
      EXPECT_TRUE(fixture::memesgrilles(fixture::texteplateau(fixture::diagramme(k.apres).plateau, 5),
                                        fixture::texteplateau(p, 5)));
      EXPECT_EQ(points(prises), k.prises);
    }
    EXPECT_TRUE(infochainecoherente(p));
    for (auto [r, c] : k.prises) EXPECT_EQ(entree(r, c), e(0, 0));
  }
  // The capturing stone counts the freed point.
  TPlateau p = pose(
      "O....\n"
      "X....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  TListePoints prises{};
  jouecoup(prises, CAPACITELISTE, p, 1, 2, NOIR, BLANC);
  EXPECT_EQ(prises[0], 1);
  EXPECT_EQ(entree(1, 2), e(3, 1));
  EXPECT_EQ(entree(2, 1), e(3, 1));
}

TEST(JoueCoup, OccupiedPointLeavesEverythingAlone) {
  TPlateau p = pose(
      "X....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  const TInfoChaine avant = infochaine;
  TListePoints prises{};
  prises[0] = 7;
  jouecoup(prises, CAPACITELISTE, p, 1, 1, BLANC, NOIR);
  EXPECT_EQ(prises[0], 0);
  EXPECT_EQ(p[0], NOIR);
  EXPECT_EQ(infochaine, avant);
}

TEST(JoueCoup, ChainOfMoreThan300StonesIsCapturedWhole) {
  // Black fills 19x19 but one point while white passes; white then takes 360 stones.
  taille(19);
  TPlateau p = plateauvide();
  infochaine = infochainevide;
  TListePoints prises{};
  for (int r = 1; r <= 19; ++r)
    for (int c = 1; c <= 19; ++c)
      if (r != 10 || c != 10) jouecoup(prises, CAPACITELISTE, p, r, c, NOIR, BLANC);
  EXPECT_TRUE(infochainecoherente(p));
  calculelibertes(p);
  EXPECT_EQ(entree(1, 1), e(1, 360));  // head of the whole chain after a rebuild
  jouecoup(prises, CAPACITELISTE, p, 10, 10, NOIR, BLANC);
  EXPECT_EQ(p[indexcase(10, 10)], VIDE);  // suicide refused
  jouecoup(prises, CAPACITELISTE, p, 10, 10, BLANC, NOIR);
  EXPECT_EQ(prises[0], 360);
  EXPECT_EQ(entree(10, 10), e(4, 1));
  EXPECT_TRUE(infochainecoherente(p));
  TPlateau q = plateauvide();
  q[indexcase(10, 10)] = BLANC;
  EXPECT_TRUE(fixture::memesplateaux(q, p));
}

// Plays a random game (with garbage and repeated colours) and checks the
// incremental table, the plain replay and the capture lists after each move.
struct Compte {
  int suicides = 0, ko = 0, grandesprises = 0, majprises = 0;
  int previsions = 0, previsionsjointes = 0, previsionsprises = 0;
};

void stress(int n, uint32_t graine, int coups, Compte& compte) {
  taille(n);
  std::mt19937 gen(graine);
  TPlateau p = plateauvide(), q = plateauvide();
  infochaine = infochainevide;
  TListePoints prises{}, prises2{};
  int politique = 0;
  for (int k = 0; k < coups; ++k) {
    if (k % 500 == 0) {
      p = q = plateauvide();
      infochaine = infochainevide;
      politique = static_cast<int>(gen() % 3);
    }
    const int r = 1 + static_cast<int>(gen() % n), c = 1 + static_cast<int>(gen() % n);
    uint8_t coul;
    if (politique == 0) coul = static_cast<uint8_t>(k & 1);
    else if (politique == 1) coul = static_cast<uint8_t>(gen() % 2);
    else coul = (gen() % 10) ? NOIR : BLANC;  // one side mostly passing
    const TPlateau avant = p;
    const TInfoChaine tableavant = infochaine;
    // The liberties the move leaves to chains of its colour, foreseen
    // without playing it: the chains it touches and one stone anywhere.
    std::vector<std::pair<int, int32_t>> prevues;
    if (avant[indexcase(r, c)] == VIDE) {
      std::vector<int> cibles;
      for (int j = 0; j < NBCASES; ++j)
        if (p[j] == coul) cibles.push_back(j);
      std::vector<int> choisies;
      if (!cibles.empty()) choisies.push_back(cibles[gen() % cibles.size()]);
      for (int j : cibles)
        if (std::abs(j / TAILLEMAX + 1 - r) + std::abs(j % TAILLEMAX + 1 - c) == 1) choisies.push_back(j);
      for (int j : choisies) {
        prevues.push_back({j, libertesaprescoup(p, r, c, coul, static_cast<uint8_t>(1 - coul), j / TAILLEMAX + 1,
                                                j % TAILLEMAX + 1)});
        // Counted up to a bound: the smaller of the count and the bound.
        const int32_t borne = 1 + static_cast<int32_t>(gen() % 4);
        const int32_t compte = prevues.back().second;
        ASSERT_EQ(libertesaprescoup(p, r, c, coul, static_cast<uint8_t>(1 - coul), j / TAILLEMAX + 1,
                                    j % TAILLEMAX + 1, borne),
                  compte < 0 ? -1 : std::min(compte, borne));
      }
      ASSERT_TRUE(fixture::memesplateaux(avant, p));
      ASSERT_EQ(infochaine, tableavant);
    }
    jouecoup(prises, CAPACITELISTE, p, r, c, coul, static_cast<uint8_t>(1 - coul));
    for (const auto& [j, prevu] : prevues) {
      const bool joue = p[indexcase(r, c)] == coul;
      ASSERT_EQ(prevu, joue ? infochaine[j][0] : -1) << "move " << k << " at " << r << "," << c << ", chain " << j;
      ++compte.previsions;
      if (joue && std::abs(j / TAILLEMAX + 1 - r) + std::abs(j % TAILLEMAX + 1 - c) == 1) ++compte.previsionsjointes;
      if (joue && prises[0] > 0) ++compte.previsionsprises;
    }
    rejouecoup(prises2, 300, q, r, c, coul, static_cast<uint8_t>(1 - coul));
    ASSERT_TRUE(fixture::memesplateaux(q, p)) << "move " << k << " at " << r << "," << c;
    ASSERT_TRUE(infochainecoherente(p)) << "move " << k << " at " << r << "," << c;
    ASSERT_EQ(points(prises), points(prises2)) << "move " << k;
    ASSERT_EQ(prises[0], prises2[0]);
    if (avant[indexcase(r, c)] == VIDE && p[indexcase(r, c)] == VIDE) {
      ASSERT_TRUE(fixture::memesplateaux(avant, p));  // a suicide leaves the board as it was
      ASSERT_EQ(infochaine, tableavant);
      ++compte.suicides;
    }
    if (prises[0] == 1) {  // the lone-stone ko candidate
      const int i = indexcase(prises[2], prises[3]);
      ASSERT_EQ(tableavant[i], e(1, 1));
      ASSERT_EQ(p[i], VIDE);
      ++compte.ko;
    }
    if (prises[0] > 1) ++compte.grandesprises;
    // The update with captures of majlibertes, through posepioncaptures.
    if (p != avant) {
      const TInfoChaine apres = infochaine;
      infochaine = tableavant;
      TPlateau s = avant;
      static TPrisesMarquees pm;
      posepioncaptures(pm, 300, s, r, c, coul, static_cast<uint8_t>(1 - coul));
      if (s == p) {
        majlibertes(s, pm[0], r, c);
        ASSERT_TRUE(infochainecoherente(s)) << "majlibertes, move " << k;
        ASSERT_EQ(pm[0], prises[0]);
        if (pm[0] > 0) ++compte.majprises;
      }
      infochaine = apres;
    }
  }
}

TEST(JoueCoup, SeededStressAgainstRebuildAndReplay) {
  Compte compte;
  stress(9, 1, 3000, compte);
  stress(13, 2, 3000, compte);
  stress(19, 3, 3000, compte);
  // The run must have met every path it checks.
  EXPECT_GT(compte.suicides, 20);
  EXPECT_GT(compte.ko, 20);
  EXPECT_GT(compte.grandesprises, 20);
  EXPECT_GT(compte.majprises, 20);
  EXPECT_GT(compte.previsionsjointes, 100);
  EXPECT_GT(compte.previsionsprises, 100);
  std::printf("suicides %d, lone captures %d, larger captures %d, captures through majlibertes %d\n",
              compte.suicides, compte.ko, compte.grandesprises, compte.majprises);
  std::printf("liberties foreseen %d (joined %d, with captures %d)\n", compte.previsions, compte.previsionsjointes,
              compte.previsionsprises);
}

}  // namespace

namespace {

// Moves played through the journal, nested, come back one by one, latest
// first, to the exact table each started from (heads and empty entries
// included), captures and merges among them.
TEST(JournalChaines, NestedMovesComeBackExactly) {
  std::mt19937 g(29);
  for (int partie = 0; partie < 20; ++partie) {
    taille(9);
    TPlateau p = plateauvide();
    infochaine = infochainevide;
    TListePoints prises{};
    uint8_t coul = NOIR;
    for (int k = 0; k < 30; ++k) {
      jouecoup(prises, CAPACITELISTE, p, 1 + static_cast<int32_t>(g() % 9), 1 + static_cast<int32_t>(g() % 9), coul,
               static_cast<uint8_t>(1 - coul));
      coul = static_cast<uint8_t>(1 - coul);
    }
    struct Pas {
      int32_t marque;
      int32_t r, c;
      uint8_t ennemi;
      TPlateau plateau;
      TInfoChaine chaines;
      TListePoints prises;
    };
    std::vector<Pas> pile;
    for (int k = 0; k < 12; ++k) {
      Pas pas{marquejournal(), 1 + static_cast<int32_t>(g() % 9), 1 + static_cast<int32_t>(g() % 9),
              static_cast<uint8_t>(1 - coul), p, infochaine, {}};
      if (p[indexcase(pas.r, pas.c)] != VIDE) continue;
      ASSERT_TRUE(jouecoupjournal(pas.prises, p, pas.r, pas.c, coul, pas.ennemi));
      if (p[indexcase(pas.r, pas.c)] != coul) {
        // Refused: nothing changed, nothing to take back.
        ASSERT_EQ(marquejournal(), pas.marque);
        ASSERT_EQ(infochaine, pas.chaines);
        continue;
      }
      ASSERT_TRUE(infochainecoherente(p));
      pile.push_back(pas);
      coul = static_cast<uint8_t>(1 - coul);
    }
    while (!pile.empty()) {
      const Pas& pas = pile.back();
      p[indexcase(pas.r, pas.c)] = VIDE;
      for (int32_t k = 1; k <= pas.prises[0]; ++k) p[indexcase(pas.prises[2 * k], pas.prises[2 * k + 1])] = pas.ennemi;
      reprendjournal(pas.marque);
      ASSERT_TRUE(fixture::memesplateaux(pas.plateau, p)) << partie;
      ASSERT_EQ(infochaine, pas.chaines) << partie;
      ASSERT_EQ(marquejournal(), pas.marque);
      pile.pop_back();
    }
  }
}

}  // namespace
