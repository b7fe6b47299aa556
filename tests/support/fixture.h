// Board fixtures for tests: positions from text diagrams, maps back as grids.
//
// A diagram is rows of 'X' (black), 'O' (white) and '.' or '+' (empty);
// spaces are ignored. Its first line is row 1, its first character column 1,
// and it must be square: its size is the board size.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "engine/board/types.h"
#include "tests/support/fixture_analyse.h"

namespace fixture {

struct Position {
  TPlateau plateau;
  int taille = 0;
};

// Parses a diagram; fails the current test on a malformed one.
Position diagramme(std::string_view texte);

// Board as a diagram (one line per row, "X O ." without spaces).
std::string texteplateau(const TPlateau& p, int taille);

// Map as a grid: one line per row, each value right-aligned in `largeur`.
std::string grille(const TCarte& carte, int taille, int largeur = 4);
std::string grille(const TMarques& carte, int taille, int largeur = 2);

// Compares two grids row by row (runs of spaces count as one); on a
// difference names the first differing row and point and prints both grids
// side by side, the differing rows marked.
::testing::AssertionResult memesgrilles(std::string_view attendu, std::string_view obtenu);

// Compares two boards, or two mark maps, cell by cell; a difference is
// printed as by memesgrilles over `taille` rows (0: the engine's board size),
// boards as diagrams, marks as numbers.
::testing::AssertionResult memesplateaux(const TPlateau& attendu, const TPlateau& obtenu, int taille = 0);
::testing::AssertionResult memesmarques(const TMarques& attendu, const TMarques& obtenu, int taille = 0);

// The suite's high-resolution counter, pinned before main() (unit/compteurfige.cpp):
// one fixed reading, so that no search of a test meets a deadline of the
// wall clock and every move is the same on a slow build. A test that swaps
// the counter puts this one back.
uint64_t compteurfige();

}  // namespace fixture

namespace fixture {

// Puts the engine on the diagram's board size: size, neighbour tables and
// the chain table of the diagram; clears `pionsmorts` and the owner maps
// `territoire`/`territoire2`. Returns the board.
TPlateau posemoteur(std::string_view texte);

// Runs `f` and checks that the board, `infochaine` and `pionsmorts` are as
// they were.
void verifieinchange(const TPlateau& p, const std::function<void()>& f);

// The engine on the diagram as a genmove leaves it before the move
// families (analyseracine): read its maps with grille().
AnalyseRacine& analysemoteur(std::string_view texte, const Partie& partie = {});

}  // namespace fixture
