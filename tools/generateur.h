// The seeded generator of the test tools: a 64-bit linear congruential
// generator of their own, so a run repeats whatever the programs' generators do.
#pragma once
#include <cstdint>

namespace generateur {

struct Generateur {
  uint64_t etat;
  uint32_t suivant() {
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>(etat >> 33);
  }
  uint32_t borne(uint32_t n) { return n ? suivant() % n : 0; }
};

}  // namespace generateur
