// Stand-in search routines until they are in place: they change nothing
// (the zone around the line is left empty).
#include "engine/choice/soutienrecherche.h"

void testfindepartie(int32_t, const TPlateau&, const TCarte&) {}

void decidecoupjoseki(int32_t, int32_t) {}

void listelibertesadeuxlib(uint8_t, TMarques&, const TPlateau&, TListePoints&, int32_t, int32_t, int32_t, int32_t,
                           int32_t) {}

void coupdattaque(const TCarte&, const TCarte&, const TCarte&, const TCarte&, uint8_t, uint8_t, TListePoints&,
                  const TPlateau&, const TMarques&, const TMarques&, TMarques&, TMarques&) {}

// No zone is marked around the line: the candidate area is empty.
void marquezoneautour(const TPlateau&, const TCheminCoups&, int32_t, int32_t) { zonemarquee = pionsmortssauves; }

void zoneautourchaine(TPlateau&, int32_t, int32_t, int32_t, int32_t, int32_t, TListePoints&, uint8_t&) {}

