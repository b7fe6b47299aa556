// Waiting definitions of the enclosed-chain reading, so that its callers
// link before it is built: nothing applies, nothing is killed.
#include "engine/territory/enclos.h"

int32_t testdeb(TPlateau&, TMarques&, uint8_t&, const TMarques&, TMarques& zone, const TMarques&, int32_t, int32_t,
                uint8_t, TPoint, TPoint, uint8_t) {
  zone = marquesvides;
  return DEBSANSOBJET;
}
