// Linked only into the test builds of the programs: pins the seed and the
// clocks before main() so that transcripts are repeatable.
#include "platform/platform.h"

namespace {
uint32_t tick = 0;
uint32_t tickfixe() { return tick += 10; }
uint64_t perffixe() { return 123456789; }

struct Seam {
  Seam() {
    platform::seam::fixetickcount(tickfixe);
    platform::seam::fixecompteurperf(perffixe);
    platform::seam::fixegrainerandomize(true, 20261209);
  }
} seam;
}  // namespace
