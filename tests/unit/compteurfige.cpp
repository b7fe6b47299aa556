// Pins the high-resolution counter of the whole test binary before main():
// the move entry's deadline then never passes, whatever the build's speed.
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {
struct CompteurFige {
  CompteurFige() { platform::seam::fixecompteurperf(fixture::compteurfige); }
} compteurfige;
}  // namespace
