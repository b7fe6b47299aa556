// Two fixed 19x19 middle-game positions for the propagation reading, shared
// by its tests and its benchmark. No test framework here.
//
// On both, white owns rows 1-12 in territoire and black rows 13-19;
// territoire2 gives every point to white. Reading a black stone against
// white then meets territory marks 1 above row 12 and 2 below.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/board/types.h"

namespace positionspropagation {

// Scattered stones: many black stones run into the budget from level 7.
inline constexpr const char* kEparse[19] = {
    "O.O.........XO.....", "O....X.......O.X.O.", "....XX.O..O.XOX.X.X", "............X..X...",
    "........X...OO.X...", ".O........O..OOX...", "X..OOOO..O.......OX", "OXX..O...O.........",
    ".....X...X...O..O..", "...................", ".X.OO.X..X....O....", ".O.O.......X..X..O.",
    "..O.O.......XO....X", "...O.X.X....O.OXO..", ".....O...X.X.......", ".....X.X......X....",
    ".X..O.X..X..O.O....", "..........XX.X.X...", ".X....O.X.O......XX"};

// A second spread with more contact.
inline constexpr const char* kContact[19] = {
    "X..XOO..O...XX...X.", ".O.....X.O......X..", "....XO.............", "O..X...OX........O.",
    "..OO....XO.......OO", "........XOX........", ".X......OXX..OX..X.", "X.O....O...O.X..XO.",
    "................X..", "...X...O..X........", "O.X.........XXX..XO", "......O......XO.XX.",
    "...O...X..X....O...", "...X.....XXO.OO....", ".O................O", "...O.OOO.O..OO..O.X",
    "X....X..O.X.O......", "X..X......O...O..XX", ".O.......XX...X..X."};

// Puts the engine on one of the positions at `niv`: size, tables, chain
// table (also as tablegroupes), owner maps, level parameters, no ko.
inline TPlateau pose(const char* const (&lignes)[19], int32_t niv) {
  configmoteur.taille = 19;
  construittables(19);
  TPlateau p = plateauvide();
  for (int32_t r = 1; r <= 19; ++r)
    for (int32_t c = 1; c <= 19; ++c) {
      const char x = lignes[r - 1][c - 1];
      p[indexcase(r, c)] = x == 'X' ? NOIR : x == 'O' ? BLANC : VIDE;
    }
  calculelibertes(p);
  tablegroupes = infochaine;
  for (int32_t i = 0; i < NBCASES; ++i) territoire[i] = i / 19 < 12 ? BLANC : NOIR;
  territoire2.fill(BLANC);
  niveau = niv;
  parametresniveau();
  pointko = TPoint{};
  cacheactif = 0;
  compteurcache = 0;
  depassementpropagation = 0;
  return p;
}

}  // namespace positionspropagation
