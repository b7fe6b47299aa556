// Every play routine given a pass (0, 0) or a point off the board plays
// nothing: board, chain table and dead marks as they were, and the outputs
// say "nothing played" (capture count, flag and code 0).
#include <gtest/gtest.h>

#include <functional>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/rejoue.h"
#include "tests/support/fixture.h"

namespace {

// Captures are on offer everywhere: white (1,2) and black (4,3) in atari.
constexpr const char* kPosition =
    "XOX..\n"
    "X....\n"
    "..O..\n"
    ".OXO.\n"
    "..O..\n";

struct Routine {
  const char* nom;
  // Plays at (r, c) with garbage in the outputs first; true when the outputs
  // then say "nothing played".
  std::function<bool(TPlateau&, int32_t, int32_t)> joue;
  bool retire = true;  // removes what it captures
};

TEST(CoupsHorsPlateau, PassAndOffBoardPointsPlayNothing) {
  const Routine routines[] = {
      {"jouecoup",
       [](TPlateau& p, int32_t r, int32_t c) {
         TListePoints prises;
         prises[0] = 7;
         jouecoup(prises, CAPACITELISTE, p, r, c, NOIR, BLANC);
         return prises[0] == 0;
       }},
      {"rejouecoup",
       [](TPlateau& p, int32_t r, int32_t c) {
         TListePoints prises;
         prises[0] = 7;
         rejouecoup(prises, CAPACITELISTE, p, r, c, NOIR, BLANC);
         return prises[0] == 0;
       }},
      {"jouecoupcaptures",
       [](TPlateau& p, int32_t r, int32_t c) {
         TListePoints prises;
         prises[0] = 7;
         jouecoupcaptures(prises, CAPACITELISTE, p, r, c, NOIR, BLANC);
         return prises[0] == 0;
       }},
      {"essaicoupliste",
       [](TPlateau& p, int32_t r, int32_t c) {
         TListePoints prises, ataris;
         prises[0] = 7;
         ataris[0] = 0;
         empilepoint(ataris, 300, 5, 5);
         essaicoupliste(prises, CAPACITELISTE, ataris, p, r, c, NOIR, BLANC);
         return prises[0] == 0 && ataris[0] == 1;  // the atari list is never reset
       }},
      {"essaicoupgroupes",
       [](TPlateau& p, int32_t r, int32_t c) {
         int32_t code = 9;
         essaicoupgroupes(code, marquesvides, p, r, c, NOIR, BLANC);
         return code == 0;
       },
       false},
      {"essaicoupgroupes2",
       [](TPlateau& p, int32_t r, int32_t c) {
         int32_t code = 9;
         essaicoupgroupes2(code, p, r, c, NOIR, BLANC);
         return code == 0;
       },
       false},
      {"posepioncaptures then majlibertes",
       [](TPlateau& p, int32_t r, int32_t c) {
         TPrisesMarquees prises;
         prises[0] = 7;
         posepioncaptures(prises, CAPACITELISTE, p, r, c, NOIR, BLANC);
         majlibertes(p, prises[0], r, c);
         return prises[0] == 0;
       }},
      {"jouecoup2",
       [](TPlateau& p, int32_t r, int32_t c) {
         uint8_t prise = 9;
         jouecoup2(prise, p, r, c, NOIR, BLANC);
         return prise == 0;
       },
       false},
      {"jouecoup3",
       [](TPlateau& p, int32_t r, int32_t c) {
         uint8_t prise = 9;
         jouecoup3(prise, p, r, c, NOIR, BLANC);
         return prise == 0;
       },
       false},
  };
  const std::pair<int32_t, int32_t> points[] = {{0, 0}, {0, 3}, {3, 0}, {6, 1}, {1, 6}, {-1, 2}, {20, 20}};
  for (const auto& routine : routines) {
    for (auto [r, c] : points) {
      SCOPED_TRACE(std::string(routine.nom) + " at (" + std::to_string(r) + "," + std::to_string(c) + ")");
      TPlateau p = fixture::posemoteur(kPosition);
      pionsmorts[indexcase(1, 2)] = 1;
      fixture::verifieinchange(p, [&] { EXPECT_TRUE(routine.joue(p, r, c)); });
    }
    // On the board the routine still plays: black at (2,2) takes (1,2).
    SCOPED_TRACE(routine.nom);
    TPlateau p = fixture::posemoteur(kPosition);
    routine.joue(p, 2, 2);
    EXPECT_EQ(p[indexcase(1, 2)], routine.retire ? VIDE : BLANC);
  }
}

}  // namespace
