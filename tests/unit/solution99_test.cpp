// The 9x9 winning-line search: when it runs, its komi margins, the influence
// count, the penalty rule, and a whole search leaving the position as it was.
#include <gtest/gtest.h>

#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/opening/solution99.h"
#include "tests/support/fixture.h"

namespace {

TEST(Solution99, PenaltyRuleRejectsTheWeakAndLowersTheStrong) {
  // True rejects a left-out point with weak values; a strong one is kept
  // (false) and searched with the penalty taken off its score.
  struct Cas {
    int32_t valeurs[8];
    bool rejette;
    int32_t score;
  } const cas[] = {
      {{0, 0, 30, 31, 0, 0, 0, 0}, false, 100 - 61 * 2 / 10},  // p3 + p4 >= 61 first
      {{0, 0, 30, 30, 0, 0, 0, 0}, true, 100},
      {{50, 0, 0, 0, 20, 20, 5, 6}, false, 100 - 101 * 8 / 10},
      {{50, 0, 0, 0, 20, 20, 5, 5}, true, 100},                // a sum of exactly 100 is weak
      {{-300, 0, 0, 0, 0, 0, 0, 0}, true, 100},
  };
  for (const Cas& c : cas) {
    int32_t score = 100;
    EXPECT_EQ(testepenalite(3, 3, c.valeurs, score), c.rejette);
    EXPECT_EQ(score, c.score);
  }
}

TEST(Solution99, KomiMarginsOfEachColour) {
  configmoteur.komi = 5.5;
  couleurordi = NOIR;
  EXPECT_EQ(margekomi99(), -6);
  couleurordi = BLANC;
  EXPECT_EQ(margekomi99(), 5);
  // A whole komi: each colour's count is its margin less one, so without
  // komi a position and its colour swap count alike.
  configmoteur.komi = 7;
  EXPECT_EQ(margekomi99(), 6);
  couleurordi = NOIR;
  EXPECT_EQ(margekomi99(), -8);
  couleurordi = BLANC;
  configmoteur.komi = 0;
  EXPECT_EQ(margekomi99(), -1);
  couleurordi = NOIR;
  EXPECT_EQ(margekomi99(), -1);
  couleurordi = BLANC;
  // A leaf count: all 81 points for the engine, from the margin.
  TCarte carte = zerobonus;
  for (int l = 1; l <= 9; ++l)
    for (int c = 1; c <= 9; ++c) carte[indexcase(l, c)] = -1;
  EXPECT_EQ(compteinfluence99(carte, 5), 86);
  couleurordi = NOIR;
  EXPECT_EQ(compteinfluence99(carte, -6), -87);  // neutral and white points count against black
}

TEST(Solution99, InfluenceSpreadsFromStonesByStrength) {
  const TPlateau p = fixture::posemoteur(
      "X........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....OO...\n"
      "....OO...\n"
      ".........\n"
      ".........\n"
      ".........\n");
  TCarte carte{};
  influence99(p, carte, 0);
  EXPECT_EQ(carte[indexcase(1, 1)], 1);    // a single stone
  EXPECT_EQ(carte[indexcase(5, 5)], -50);  // a four-stone chain with 8 liberties
  influence99(p, carte, 1);
  EXPECT_EQ(carte[indexcase(1, 2)], 1);
  EXPECT_EQ(carte[indexcase(4, 5)], -1);
  EXPECT_EQ(carte[indexcase(5, 5)], -52);  // two white neighbours add their sign
}

TEST(Solution99, NoSearchBelowLevelFiveOrAfterABookMove) {
  const TPlateau depart = fixture::posemoteur(
      ".........\n.........\n..X......\n.........\n.........\n.........\n......O..\n.........\n.........\n");
  TPlateau p = depart;
  TListePoints liste{};
  ajoutecaseliste(5, 5, liste, 361);
  for (auto [n, livre] : {std::pair{4, 0}, std::pair{7, 1}}) {
    niveau = n;
    coupbasetrouve = static_cast<uint8_t>(livre);
    TMarques exclus = marquesvides;
    TListePoints l = liste;
    solutiongagnante99(exclus, p, l, 361);
    EXPECT_TRUE(fixture::memesmarques(marquesvides, exclus));
    EXPECT_EQ(l, liste);
  }
  coupbasetrouve = 0;
}

TEST(Solution99, AWholeSearchLeavesThePositionAndListsOnlyWinners) {
  fixture::Partie partie;
  partie.niveau = 7;
  partie.trait = NOIR;
  partie.dernier = TPoint{7, 7};
  auto& a = fixture::analysemoteur(
      ".........\n"
      ".........\n"
      "..X......\n"
      ".....X...\n"
      ".........\n"
      "...O.....\n"
      "......O..\n"
      ".........\n"
      ".........\n",
      partie);
  niveau = 7;
  coupbasetrouve = 0;
  TPlateau p = a.plateau;
  const TMarques morts = pionsmorts, globales = marquesglobales;
  TMarques exclus = marquesvides;
  TListePoints l = a.candidats;
  fixture::verifieinchange(p, [&] { solutiongagnante99(exclus, p, l, 361); });
  EXPECT_TRUE(fixture::memesmarques(globales, marquesglobales));
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
  // Winners stay listed; every other 9x9 point is excluded, or none.
  int32_t exclues = 0, gagnants = 0;
  for (int32_t r = 1; r <= 9; ++r)
    for (int32_t c = 1; c <= 9; ++c) {
      exclues += exclus[indexcase(r, c)];
      if (exclus[indexcase(r, c)] == 0) {
        ++gagnants;
        bool liste = false;
        for (int32_t k = 1; k <= nbpoints(l); ++k) liste |= ligneliste(l, k) == r && colonneliste(l, k) == c;
        EXPECT_TRUE(liste || exclues == 0) << r << " " << c;
      }
    }
  EXPECT_TRUE(exclues == 0 || gagnants > 0);
}

TEST(Solution99, AnEngineNodeWhoseMovesAreAllRefusedIsWorthMinusOne) {
  // Black plays the corner; White's first move fills its own eye at (1, 1);
  // every point left to Black is then a suicide. The refused moves are not
  // a node without moves (0): the node is worth -1, and so is the first move.
  TPlateau p = fixture::posemoteur(
      ".OOOOOOOO\n"
      "OOOOOOOOO\n"
      "OO.OOOOOO\n"
      "OOOOOOOOO\n"
      "OOOO.OOOO\n"
      "OOOOOOOOO\n"
      "OOOOOOOOO\n"
      "OOOOOOOOO\n"
      "OOOOOOO..\n");
  configmoteur.komi = 5.5;
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  moderapide = 0;
  casesinterdites[indexcase(9, 9)] = 0;
  TListePoints liste{};
  ajoutecaseliste(9, 9, liste, 361);
  TCarte valeurs = zerobonus;
  valeurs[indexcase(9, 9)] = 64;
  TMarques gains = marquesvides;
  bool gagne = true;
  fixture::verifieinchange(p, [&] {
    lancerecherche99(valeurs, 1, gagne, 5, 5, TPoint{}, p, BLANC, NOIR, 361, liste, gains);
  });
  EXPECT_FALSE(gagne);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, gains));
  EXPECT_EQ(valeurs[indexcase(9, 9)], -1);
}


TEST(Solution99, TheThirdPlyMarksTheEngineChainsTheOpponentCanTake) {
  // After the engine's third-ply move its chains that the capture reading
  // takes count as dead for the rest of the line: a chain in atari at once,
  // a shut-in chain of four liberties by reading; an open chain of six
  // liberties is not read.
  struct Cas {
    const char* nom;
    const char* diagramme;
    bool morte;
  } const cas[] = {
      {"atari",
       ".........\n"
       ".........\n"
       "...OO....\n"
       "..OXXO...\n"
       "...O.O...\n"
       "....O....\n"
       ".........\n"
       ".........\n"
       ".........\n",
       true},
      {"four liberties shut in",
       ".........\n"
       ".........\n"
       "...OO....\n"
       "..O..O...\n"
       "..OXXO...\n"
       "..O..O...\n"
       "...OO....\n"
       ".........\n"
       ".........\n",
       true},
      {"six liberties",
       ".........\n"
       ".........\n"
       "...O.....\n"
       ".........\n"
       "...XX....\n"
       ".........\n"
       "......O..\n"
       ".........\n"
       ".........\n",
       false},
  };
  for (const Cas& c : cas) {
    TPlateau p = fixture::posemoteur(c.diagramme);
    const TPlateau avant = p;
    niveau = 7;
    moderapide = 0;
    pointko = TPoint{};
    pionsmortssauves = marquesvides;
    marquesglobales = marquesvides;
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    marquemortspli3(p, NOIR);
    EXPECT_TRUE(fixture::memesplateaux(avant, p)) << c.nom;
    for (int32_t i = 0; i < NBCASES; ++i) {
      if (p[i] == NOIR) {
        EXPECT_EQ(pionsmorts[i] != 0, c.morte) << c.nom << " at " << i;
      } else if (p[i] == BLANC) {
        EXPECT_EQ(pionsmorts[i], 0) << c.nom << " at " << i;
      }
    }
  }
  pionsmorts = marquesvides;
}

TEST(Solution99, TheThirdPlyStoreFindsValuesOfEitherSign) {
  videtransposition99();
  struct Entree {
    uint32_t cle;
    int32_t valeur;
  } const entrees[] = {{500, -3}, {7, 12}, {0x80000001u, 0}, {42, -87}, {9000, -1}};
  for (const Entree& e : entrees) {
    int32_t valeur = 0, position = 0;
    ASSERT_FALSE(cherchetransposition99(e.cle, valeur, position)) << e.cle;
    inseretransposition99(e.cle, e.valeur, position);
  }
  for (const Entree& e : entrees) {
    int32_t valeur = 99, position = 0;
    EXPECT_TRUE(cherchetransposition99(e.cle, valeur, position)) << e.cle;
    EXPECT_EQ(valeur, e.valeur) << e.cle;
  }
  int32_t valeur = 0, position = 0;
  EXPECT_FALSE(cherchetransposition99(43, valeur, position));
  EXPECT_EQ(position, 4);  // after the signed keys 0x80000001, 7 and 42
  videtransposition99();
}

TEST(Solution99, KillerMovesOutliveAPassAndStartEmptyInEachSearch) {
  // The killer moves belong to the whole search, not to one pass: a pass
  // that searches no first move leaves those of the pass before it, and a
  // new search starts with none.
  fixture::Partie partie;
  partie.niveau = 7;
  partie.trait = NOIR;
  partie.dernier = TPoint{7, 7};
  auto& a = fixture::analysemoteur(
      ".........\n"
      ".........\n"
      "..X......\n"
      ".....X...\n"
      ".........\n"
      "...O.....\n"
      "......O..\n"
      ".........\n"
      ".........\n",
      partie);
  niveau = 7;
  coupbasetrouve = 0;
  moderapide = 0;
  TPlateau p = a.plateau;
  TListePoints liste{};
  ajoutecaseliste(5, 5, liste, 361);
  TCarte valeurs = zerobonus;
  valeurs[indexcase(5, 5)] = 64;
  TMarques gains = marquesvides;
  bool gagne = false;
  finrecherche = 0;
  videtueurs99();
  lancerecherche99(valeurs, 1, gagne, 5, 5, TPoint{}, p, BLANC, NOIR, 361, liste, gains);
  TPoint apres[6]{};
  bool un = false;
  for (int32_t d = 2; d <= 5; ++d) {
    apres[d] = tueur99(d);
    un |= apres[d].ligne != 0;
  }
  ASSERT_TRUE(un) << "the first pass should cut somewhere";
  // Every first move below the target: this pass plays nothing.
  valeurs[indexcase(5, 5)] = 0;
  lancerecherche99(valeurs, 0, gagne, 5, 5, TPoint{}, p, BLANC, NOIR, 361, liste, gains);
  EXPECT_FALSE(gagne);
  for (int32_t d = 2; d <= 5; ++d) {
    EXPECT_EQ(tueur99(d).ligne, apres[d].ligne) << d;
    EXPECT_EQ(tueur99(d).colonne, apres[d].colonne) << d;
  }
  // A search over no candidate runs its passes with none left from before.
  TMarques exclus = marquesvides;
  TListePoints vide{};
  solutiongagnante99(exclus, p, vide, 361);
  for (int32_t d = 1; d <= 5; ++d) EXPECT_EQ(tueur99(d).ligne, 0) << d;
}

}  // namespace
