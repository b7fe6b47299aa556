// One side's family maps owned by a test, every map empty, and the record
// the attack and cut-prevention families take over them.
#pragma once

#include "engine/board/types.h"
#include "engine/proposals/survie.h"

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
};

}  // namespace fixture
