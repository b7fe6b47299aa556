// Stand-in situation terms until they are in place: no balance, no value.
#include "engine/choice/situation.h"

void consolidationgagnant(int32_t& points, const TCarte&, const TPlateau&, int32_t, int32_t, uint8_t, uint8_t) {
  points = 0;
}

void reduitzoneinvasion(TMarques&, uint8_t) {}

int32_t valeurcoupessai(const TPrisesMarquees&, uint8_t, int32_t, int32_t, const TPlateau&, uint8_t, uint8_t,
                        uint8_t&, uint8_t&, const TMarques&, const TMarques&) {
  return 0;
}

int32_t cherchefourchettes(uint8_t, int32_t, int32_t, int32_t, int32_t, TMarques&, int32_t&, TPlateau&) {
  return 0;
}
