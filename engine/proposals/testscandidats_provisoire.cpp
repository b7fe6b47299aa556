// Stand-in candidate tests until they are in place: nothing kept, nothing reached.
#include "engine/proposals/testscandidats.h"

bool testcoupcandidat(TPlateau&, uint8_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                      uint8_t, uint8_t) {
  return false;
}
int32_t evaluecoupcandidat(const TMarques&, uint8_t&, const TPlateau&, int32_t, int32_t) { return 0; }
