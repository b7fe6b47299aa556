// Self-atari test on small diagrams.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/autoatari.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

TEST(AutoAtari, Table) {
  struct Cas {
    const char* nom;
    const char* d;
    uint8_t couleur;
    int r, c;
    uint8_t scan;
    bool attendu;
  } cas[] = {
      {"two empty neighbours", ".....\n.....\n.....\n.....\n.....\n", NOIR, 3, 3, 0, false},
      {"only own neighbours in atari", ".XO..\nXO...\nO....\n.....\n.....\n", NOIR, 1, 1, 0, true},
      {"own neighbour with two liberties", ".X...\nXO...\nO....\n.....\n.....\n", NOIR, 1, 1, 0, false},
      {"next to an enemy in atari", ".OX..\n.X...\n.....\n.....\n.....\n", NOIR, 1, 1, 0, false},
      {"one exit, enemy strong", ".O...\n.O...\n.....\n.....\n.....\n", NOIR, 1, 1, 0, true},
      {"no exit, enemy stones around", ".O...\nO....\n.....\n.....\n.....\n", NOIR, 1, 1, 0, true},
      // One exit and an enemy chain put in atari: the exit decides.
      {"exit with a single escape", ".O.X.\n.X...\nX....\n.....\n.....\n", NOIR, 1, 1, 0, false},
      {"exit touching a strong enemy", ".O.X.\n.X...\nO....\n.....\n.....\n", NOIR, 1, 1, 0, true},
      // Second line: the variant only while flagscan is set.
      {"second line, open inner exit, main test", ".O.O.\n.O.O.\n.....\n.....\n.....\n", NOIR, 2, 3, 0, false},
      {"second line, open inner exit, variant", ".O.O.\n.O.O.\n.....\n.....\n.....\n", NOIR, 2, 3, 1, true},
      {"second line, closed inner exit", ".O.O.\n.O.O.\n.X.X.\n..X..\n.....\n", NOIR, 2, 3, 1, false},
      {"second line, no empty neighbour", "..O..\n.O.O.\n..O..\n.....\n.....\n", NOIR, 2, 3, 1, true},
      {"second line, friendly chain with liberties", ".X.O.\n.X.O.\n.....\n.....\n.....\n", NOIR, 2, 3, 1, false},
      {"second line, enemy with two liberties", "XO.O.\nXO.O.\nXX...\n.....\n.....\n", NOIR, 2, 3, 1, false},
      {"third line ignores the scan flag", ".....\n.O.O.\n.....\n.....\n.....\n", NOIR, 3, 3, 1, false},
      {"white colour", ".X...\n.X...\n.....\n.....\n.....\n", BLANC, 1, 1, 0, true},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = pose(k.d);
    flagscan = k.scan;
    const TInfoChaine avant = infochaine;
    EXPECT_EQ(testautoatari(p, k.couleur, k.r, k.c), k.attendu);
    EXPECT_EQ(infochaine, avant);
  }
  flagscan = 1;
}

}  // namespace
