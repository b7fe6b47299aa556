// Shape flags of a candidate move: the neighbour flags, the four point
// patterns in their orientations, and the record they are OR'ed into.
#include <gtest/gtest.h>

#include <string_view>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/choice/formescoup.h"
#include "tests/support/fixture.h"

namespace {

struct CasForme {
  const char* nom;
  const char* diagramme;  // the move already on the board
  int32_t ligne, colonne;
  int32_t attendu;
};

const CasForme kFormes[] = {
    {"pattern 1, second form, away from the edge",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "....X....\n"
     ".........\n"
     "...O.O...\n"
     ".........\n"
     ".........\n",
     5, 5, FORMEMOTIF1},
    {"the same stones from a corner: the other half is off the board",
     "X........\n"
     ".........\n"
     ".O.......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     1, 1, 0},
    {"pattern 1, first form, turned",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "...O.X...\n"
     ".........\n"
     "....O....\n"
     ".........\n"
     ".........\n",
     5, 6, FORMEMOTIF1},
    {"pattern 2",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "....X.O..\n"
     "......O..\n"
     "....OO...\n"
     ".........\n"
     ".........\n",
     5, 5, FORMEMOTIF2},
    {"pattern 3: a hane under a strong enemy stone",
     ".........\n"
     ".........\n"
     ".........\n"
     "....XO...\n"
     "....X....\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     5, 5, FORMEMOTIF3},
    {"pattern 4 in the open",
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     "....XO...\n"
     ".....O...\n"
     ".........\n"
     ".........\n"
     ".........\n",
     5, 5, FORMEMOTIF4},
    {"pattern 4 on the edge line: never",
     "....XO...\n"
     ".....O...\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     1, 5, 0},
    {"three one-defect points: bits 2 and 4",
     ".........\n"
     ".........\n"
     "....X....\n"
     "...X.....\n"
     "....X....\n"
     "...X.....\n"
     "....X....\n"
     ".........\n"
     ".........\n",
     5, 5, FORMEUNDEFAUT | FORMEDEUXDEFAUTS},
    {"two eye-like points and two one-defect points: no pattern-4 test",
     ".........\n"
     ".........\n"
     "....X....\n"
     "...X.X...\n"
     "....X.X..\n"
     "...X.X...\n"
     ".........\n"
     ".........\n"
     ".........\n",
     5, 5, FORMEOEIL | FORMEVRAIOEIL | FORMEUNDEFAUT | FORMEDEUXDEFAUTS},
    {"an eye-like point with an enemy diagonal on the edge is no true eye",
     "X.X......\n"
     ".XO......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     1, 1, FORMEOEIL | FORMEUNDEFAUT},
    {"the same eye-like point without the enemy diagonal is a true eye",
     "X.X......\n"
     ".X.......\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     1, 1, FORMEOEIL | FORMEVRAIOEIL | FORMEUNDEFAUT},
    {"own chain in atari after the move",
     "XO.......\n"
     "X........\n"
     "O........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     1, 1, FORMEAMIATARI},
    {"own chain with two liberties",
     "X........\n"
     "X........\n"
     "O........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n"
     ".........\n",
     1, 1, FORMEAMIDEUXLIB},
};

const CasForme& cas(std::string_view debut) {
  for (const CasForme& k : kFormes)
    if (std::string_view(k.nom).starts_with(debut)) return k;
  ADD_FAILURE() << "no case " << debut;
  return kFormes[0];
}

// The chain table of the position before the move, as the trial hands it.
TInfoChaine tableavant(TPlateau p, int32_t ligne, int32_t colonne) {
  const TInfoChaine apres = infochaine;
  p[indexcase(ligne, colonne)] = VIDE;
  calculelibertes(p);
  const TInfoChaine avant = infochaine;
  infochaine = apres;
  return avant;
}

int32_t formes(const CasForme& k) {
  const TPlateau p = fixture::posemoteur(k.diagramme);
  const uint8_t c = p[indexcase(k.ligne, k.colonne)];
  const TInfoChaine avant = tableavant(p, k.ligne, k.colonne);
  essaiordi(k.ligne, k.colonne).formeessai = 0;
  formescoup(p, avant, static_cast<uint8_t>(1 - c), 1, k.ligne, k.colonne, c);
  return essaiordi(k.ligne, k.colonne).formeessai;
}

TEST(FormesCoup, TableOfShapes) {
  for (const CasForme& k : kFormes) {
    SCOPED_TRACE(k.nom);
    EXPECT_EQ(formes(k), k.attendu);
  }
}

TEST(FormesCoup, PatternThreeNeedsLiveStones) {
  const CasForme& k = cas("pattern 3");
  const TPlateau p = fixture::posemoteur(k.diagramme);
  pionsmorts[indexcase(4, 6)] = 1;  // the enemy stone is dead
  EXPECT_FALSE(testemotif3(p, 5, 5, NOIR, BLANC));
  pionsmorts.fill(0);
  EXPECT_TRUE(testemotif3(p, 5, 5, NOIR, BLANC));
  pionsmorts[indexcase(5, 5)] = 1;  // the move itself is dead: no test
  essaijoueur(5, 5).formeessai = 0;
  formescoup(p, infochaine, BLANC, 0, 5, 5, NOIR);
  EXPECT_EQ(essaijoueur(5, 5).formeessai, 0);
  pionsmorts.fill(0);
}

TEST(FormesCoup, OwnChainOutOfAtariReadsTheGivenChainTable) {
  struct Cas {
    const char* nom;
    const char* diagramme;  // the move already on the board
    int32_t ligne, colonne;
    bool sauve;
  } cas[] = {
      {"the extension of a stone in atari",
       ".........\n"
       ".........\n"
       "....O....\n"
       "...OXO...\n"
       "....X....\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       5, 5, true},
      {"the extension of a stone with two liberties",
       ".........\n"
       ".........\n"
       ".........\n"
       "...OXO...\n"
       "....X....\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       5, 5, false},
      {"a move that puts an enemy stone in atari",
       ".........\n"
       ".........\n"
       "....X....\n"
       "...XO....\n"
       "....X....\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       5, 5, false},
      {"a chain in atari after the move only",
       "XO.......\n"
       "X........\n"
       "O........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       1, 1, false},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.diagramme);
    const TInfoChaine avant = tableavant(p, k.ligne, k.colonne);
    EXPECT_EQ((formesvoisins(p, avant, BLANC, k.ligne, k.colonne, NOIR) & FORMEAMISAUVE) != 0, k.sauve);
    // The table after the move never shows the extended chain in atari any more.
    if (infochaine[indexcase(k.ligne, k.colonne)][0] != 1) {
      EXPECT_EQ(formesvoisins(p, infochaine, BLANC, k.ligne, k.colonne, NOIR) & FORMEAMISAUVE, 0);
    }
  }
}

TEST(FormesCoup, FlagsAddToTheSelectedRecord) {
  const CasForme& k = cas("pattern 1, second form");
  const TPlateau p = fixture::posemoteur(k.diagramme);
  essaiordi(5, 5).formeessai = 0x40;
  essaijoueur(5, 5).formeessai = 0;
  formescoup(p, infochaine, BLANC, 1, 5, 5, NOIR);
  formescoup(p, infochaine, BLANC, 1, 5, 5, NOIR);
  EXPECT_EQ(essaiordi(5, 5).formeessai, 0x40 | FORMEMOTIF1);
  EXPECT_EQ(essaijoueur(5, 5).formeessai, 0);
  formescoup(p, infochaine, BLANC, 0, 5, 5, NOIR);
  EXPECT_EQ(essaijoueur(5, 5).formeessai, FORMEMOTIF1);
}

}  // namespace
