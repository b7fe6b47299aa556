#include "platform/platform.h"

namespace platform {
namespace {
uint32_t graineglobale = 0;
bool grainefixee = false;
uint32_t grainetest = 0;

uint32_t suivant() {
  graineglobale = graineglobale * 134775813u + 1u;
  return graineglobale;
}
}  // namespace

void randomize() {
  if (grainefixee) {
    graineglobale = grainetest;
    return;
  }
  uint64_t c = compteurperf();
  graineglobale = static_cast<uint32_t>(c ^ (c >> 32));
}

void fixegraine(uint32_t g) { graineglobale = g; }
uint32_t graine() { return graineglobale; }

int32_t Random(int32_t n) {
  if (n <= 0) return 0;
  uint64_t r = static_cast<uint64_t>(suivant()) * static_cast<uint32_t>(n);
  return static_cast<int32_t>(r >> 32);
}

double RandomReel() { return suivant() / 4294967296.0; }

namespace seam {
void fixegrainerandomize(bool actif, uint32_t g) {
  grainefixee = actif;
  grainetest = g;
}
}  // namespace seam

}  // namespace platform
