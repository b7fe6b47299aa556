// Stand-in evaluation terms until they are in place: each adds nothing.
#include "engine/choice/bonus.h"

void bonuslibertesvoisines(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}

void comptezonevoisins(TPlateau&, int32_t&, uint8_t, uint8_t, int32_t, int32_t, int32_t) {}

int32_t liaisonchainesenatari(int32_t&, const TPrisesMarquees&, TPlateau&, uint8_t, uint8_t, int32_t, int32_t) {
  return 0;
}

void bonuscoupureregions(const TMarques&, const TMarques&, TListePoints&, TPlateau&, const TPlateau&, int32_t,
                         int32_t, int32_t&, uint8_t) {}

void bonusvoisinsennemis(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}
