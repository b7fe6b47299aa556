// Stand-ins of attente_analyse.h: each adds nothing.
#include "engine/choice/attente_analyse.h"

void bonuslibertesvoisines(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}
void comptezonevoisins(TPlateau&, int32_t&, uint8_t, uint8_t, int32_t, int32_t, int32_t) {}
void bonusvoisinsennemis(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}
void bonusbord(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}
void zonevide3x3(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}
void listelibertesadeuxlib(uint8_t, TMarques&, const TPlateau&, TListePoints&, int32_t, int32_t, int32_t, int32_t,
                           int32_t) {}
