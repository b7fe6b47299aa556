// One side's family maps owned by a test, every map empty, and the record
// the families take over them.
#pragma once

#include "engine/board/types.h"
#include "engine/proposals/survie.h"
#include "tests/support/fixture_analyse.h"

namespace fixture {

struct CartesFamilleCote {
  TMarques memosurvie{}, tues{}, sauves{};
  TCarte survie{}, fortification{}, invasionforte{};
  TCartesParPoint mortsapresessai{}, mortsapreslecture{};

  TCartesCote cartes() {
    return TCartesCote{{memosurvie, tues, sauves, survie, mortsapresessai, mortsapreslecture},
                       fortification,
                       invasionforte};
  }
  // The same with the kills, saves and dead marks of one side `k` of an
  // analysed position in place of the own ones.
  TCartesCote cartes(CartesCote& k) {
    return TCartesCote{{memosurvie, k.tues, k.sauves, survie, k.mortsapresessai, k.mortsapreslecture},
                       fortification,
                       invasionforte};
  }
};

}  // namespace fixture
