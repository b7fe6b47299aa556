// Link tests toward territory and live chains, and the link tests that play
// trial moves (link level, lone stone toward live chains).
#include <gtest/gtest.h>

#include <functional>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lienvivant.h"
#include "tests/support/fixture.h"

namespace {

class LiaisonVivant : public ::testing::Test {
 protected:
  void TearDown() override {
    flagscan = 1;
    pionsmorts.fill(0);
    territoire.fill(VIDE);
    marquesglobales.fill(0);
  }
};

TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  flagscan = 0;
  return p;
}

void inchange(const TPlateau& p, const std::function<void()>& f) { fixture::verifieinchange(p, f); }

constexpr const char* kDiagonale =
    ".........\n.........\n.........\n.........\n....X....\n.....X...\n.........\n.........\n.........\n";
constexpr const char* kSaut =
    ".........\n.........\n.........\n.........\n....X.X..\n.........\n.........\n.........\n.........\n";
constexpr const char* kChaine =
    ".........\n.........\n.........\n.........\n....XX...\n.........\n.........\n.........\n.........\n";

TEST_F(LiaisonVivant, LiveChains) {
  struct Cas {
    const char* nom;
    const char* d;
    int r, c;
    TPoint mort;  // flagged dead, (0, 0) none
    bool attendu;
  } cas[] = {
      {"open diagonal to a live stone", kDiagonale, 5, 5, {}, true},
      {"open diagonal to a dead stone", kDiagonale, 5, 5, {6, 6}, false},
      {"jump to a live stone", kSaut, 5, 5, {}, true},
      {"jump to a dead stone", kSaut, 5, 5, {5, 7}, false},
      {"chain of two live stones", kChaine, 5, 5, {}, true},
      {"chain of two stones flagged dead, nothing around", kChaine, 5, 5, {5, 5}, false},
      {"stone in atari", "XO.......\n.X.......\n.........\n.........\n.........\n.........\n.........\n.........\n"
                         ".........\n",
       1, 1, {}, false},
      {"small knight on the edge", "..X......\n....X....\n.........\n.........\n.........\n.........\n.........\n"
                                   ".........\n.........\n",
       1, 3, {}, true},
      {"large knight on the edge", "..X......\n.....X...\n.........\n.........\n.........\n.........\n"
                                   ".........\n.........\n.........\n",
       1, 3, {}, true},
      {"no edge pattern above the second line", ".........\n.........\n..X......\n.....X...\n.........\n"
                                                ".........\n.........\n.........\n.........\n",
       3, 3, {}, false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = pose(k.d);
    if (k.mort.ligne) {
      TMarques chaine = marquesvides;
      marquepionschaine(p, chaine, 0, k.mort.ligne, k.mort.colonne);
      for (int i = 0; i < NBCASES; ++i) pionsmorts[i] |= chaine[i];
    }
    const uint8_t C = p[indexcase(k.r, k.c)], O = C == NOIR ? BLANC : NOIR;
    inchange(p, [&] { EXPECT_EQ(estlieachainevivante(p, k.r, k.c, C, O), k.attendu); });
    // The same through a caller's mask, pionsmorts clear meanwhile.
    const TMarques masque = pionsmorts;
    pionsmorts.fill(0);
    inchange(p, [&] { EXPECT_EQ(estlieachainevivanteavecmorts(masque, p, k.r, k.c, C, O), k.attendu); });
  }
}

TEST_F(LiaisonVivant, Territory) {
  TPlateau p = pose(kSaut);
  EXPECT_FALSE(estlieauterritoire(p, 5, 5, NOIR, BLANC));
  territoire[indexcase(5, 7)] = NOIR;
  inchange(p, [&] { EXPECT_TRUE(estlieauterritoire(p, 5, 5, NOIR, BLANC)); });
  EXPECT_FALSE(estlieauterritoiresimple(p, 5, 5, NOIR, BLANC));  // a jump only
  EXPECT_TRUE(sautversterritoire(p, 5, 5, NOIR, BLANC));
  p = pose(kDiagonale);
  territoire[indexcase(6, 6)] = NOIR;
  EXPECT_TRUE(estlieauterritoiresimple(p, 5, 5, NOIR, BLANC));
  territoire[indexcase(6, 6)] = BLANC;
  EXPECT_FALSE(estlieauterritoiresimple(p, 5, 5, NOIR, BLANC));
  EXPECT_FALSE(estlieauterritoire(p, 0, 0, NOIR, BLANC));  // a pass
}

// The direct and edge-pattern parts by family: toward own territory the
// target is a stone in it, toward live chains a stone not flagged dead.
TEST_F(LiaisonVivant, DirectAndEdgeParts) {
  constexpr const char* kCavalier =
      "..X......\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";
  struct Cas {
    const char* nom;
    const char* d;
    int r, c;
    TPoint terre;  // own territory there, (0, 0) none
    TPoint mort;   // flagged dead there, (0, 0) none
    bool directterre, directvivant, motifterre;
  } cas[] = {
      {"neighbour in own territory", kChaine, 5, 5, {5, 6}, {}, true, true, false},
      {"neighbour outside any territory", kChaine, 5, 5, {}, {}, false, true, false},
      {"neighbour in own territory, flagged dead", kChaine, 5, 5, {5, 6}, {5, 6}, true, false, false},
      {"edge knight toward own territory", kCavalier, 1, 3, {2, 5}, {}, false, false, true},
      {"edge knight toward no territory", kCavalier, 1, 3, {}, {}, false, false, false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    territoire.fill(VIDE);
    pionsmorts.fill(0);
    const TPlateau p = pose(k.d);
    if (k.terre.ligne) territoire[indexcase(k.terre.ligne, k.terre.colonne)] = NOIR;
    if (k.mort.ligne) pionsmorts[indexcase(k.mort.ligne, k.mort.colonne)] = 1;
    inchange(p, [&] {
      EXPECT_EQ(pionlieauterritoiredirect(p, k.r, k.c, NOIR, BLANC), k.directterre);
      EXPECT_EQ(pionlievivantdirect(p, k.r, k.c, NOIR, BLANC), k.directvivant);
      EXPECT_EQ(motifversterritoire(p, k.r, k.c, NOIR, BLANC), k.motifterre);
    });
  }
}

TEST_F(LiaisonVivant, MoveVariants) {
  // Playing at (5,6) joins the stone at (5,7); at (3,3) it stands alone.
  const TPlateau p = pose(kSaut);
  inchange(p, [&] { EXPECT_TRUE(testelienchainevivantezone(p, 5, 6, NOIR, BLANC)); });
  inchange(p, [&] { EXPECT_FALSE(testelienchainevivantezone(p, 3, 3, NOIR, BLANC)); });
  inchange(p, [&] { EXPECT_TRUE(testelienchainevivantezone(p, 6, 6, NOIR, BLANC)); });  // diagonal
  // The copy test looks for the chains judged dead.
  inchange(p, [&] { EXPECT_FALSE(testelienchainevivantecopie(p, NOIR, BLANC, 5, 6)); });
  pionsmorts[indexcase(5, 7)] = 1;
  inchange(p, [&] { EXPECT_TRUE(testelienchainevivantecopie(p, NOIR, BLANC, 5, 6)); });
}

TEST_F(LiaisonVivant, SearchesAndMarks) {
  TPlateau p = pose(kDiagonale);
  TPoint lien;
  EXPECT_TRUE(cherchelienchainevivante(p, lien, 5, 5, NOIR, BLANC));
  EXPECT_EQ(lien.ligne, 6);
  EXPECT_EQ(lien.colonne, 5);
  EXPECT_TRUE(pionlieachainevivante(p, 5, 5));
  pionsmorts[indexcase(6, 6)] = 1;
  EXPECT_FALSE(cherchelienchainevivante(p, lien, 5, 5, NOIR, BLANC));
  EXPECT_EQ(lien.ligne, 0);
  EXPECT_FALSE(pionlieachainevivante(p, 5, 5));
  // The row-direction point held by O: the link runs through the other one.
  p = pose(".........\n.........\n.........\n.....X...\n....X.X..\n....OX...\n.........\n.........\n.........\n");
  EXPECT_TRUE(cherchelienchainevivante(p, lien, 5, 5, NOIR, BLANC));
  EXPECT_EQ(lien.ligne, 5);
  EXPECT_EQ(lien.colonne, 6);

  p = pose(kSaut);
  EXPECT_TRUE(cherchesautchainevivante(p, 5, 5, NOIR, BLANC, lien));
  EXPECT_EQ(lien.ligne, 5);
  EXPECT_EQ(lien.colonne, 7);

  p = pose(kChaine);
  EXPECT_FALSE(pionlieamarque(p, NOIR, 5, 5));
  marquesglobales[indexcase(5, 6)] = 1;
  EXPECT_TRUE(pionlieamarque(p, NOIR, 5, 5));
  EXPECT_FALSE(pionlieamarque(p, BLANC, 5, 5));
}

TEST_F(LiaisonVivant, LinkLevels) {
  TPlateau p = pose(kSaut);
  TMarques m = marquesvides;
  m[indexcase(5, 7)] = 1;
  // The open jump links under rule set 1 only.
  inchange(p, [&] { EXPECT_TRUE(choisitniveaulien(p, m, 5, 5, 2, 1)); });
  inchange(p, [&] { EXPECT_FALSE(choisitniveaulien(p, m, 5, 5, 1, 1)); });
  inchange(p, [&] { EXPECT_FALSE(choisitniveaulien(p, m, 5, 5, 1, 5)); });  // fewer empty neighbours than asked
}

TEST_F(LiaisonVivant, LoneStoneLinkToLiveChains) {
  struct Cas {
    const char* nom;
    const char* d;
    bool mort;  // the start stone flagged dead
    bool attendu;
  } cas[] = {
      {"a neighbour point touches a live stone", kSaut, false, true},
      {"flagged stone, a neighbour point touches a live stone", kSaut, true, true},
      {"live chain of two", kChaine, false, true},
      {"nothing around", ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n"
                         ".........\n",
       false, false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = pose(k.d);
    if (k.mort) pionsmorts[indexcase(5, 5)] = 1;
    inchange(p, [&] { EXPECT_EQ(estlieachainevivante2(p, 5, 5, NOIR), k.attendu); });
  }
}

}  // namespace
