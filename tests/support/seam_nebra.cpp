// Linked only into the test build of Nebra: the generator's start seed no
// longer follows the clock, so that games against it repeat.
#include "application.h"

namespace {
struct Seam {
  Seam() {
    nebra::SeedClock = [] { return 20261210u; };
  }
} seam;
}  // namespace
