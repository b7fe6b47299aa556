// Stand-ins until the opening heuristics are in place: nothing proposed.
#include "engine/opening/coinsdangereux.h"
#include "engine/opening/deuxdegres.h"
#include "engine/opening/extensions.h"
#include "engine/opening/valeursjoseki.h"
#include "engine/opening/zonesouverture.h"

bool testezonederniercoup(const TPlateau&, int32_t, int32_t, TMarques&) { return false; }
void choisitpointfuseki(const TMarques&, TPoint&) {}
void renforcecoupsproches(const TMarques&, const TCarte&, const TCarte&, int32_t, int32_t, TCarte&, const TCarte&,
                          const TCarte&) {}
void prisehochi2coins(const TPlateau&, TCarte&, TListePoints&, int32_t, TListePoints& ennemis, int32_t) {
  ennemis[0] = 0;
}
void prisehochi2coinsennemis(const TPlateau&, TCarte&, TListePoints&, int32_t, const TListePoints&, int32_t) {}
void analyseverrous(const TMarques&, TCarte&, const TPlateau&, TListePoints&, int32_t, int32_t, uint8_t, uint8_t) {
  valeurscoins = zerobonus;
}
void renforcejoseki(const TMarques&, const TPlateau&, uint8_t, TListePoints&, uint8_t) {}
void prisedecoindangereux(const TMarques&, TCarte&, TPlateau&, uint8_t, uint8_t, TListePoints&) {}
void coupadeuxdegres(const TMarques&, const TCarte&, const TCarte&, int32_t, int32_t, TListePoints&, TPlateau&,
                     TCarte&, const TCartesParPoint&, const TCartesParPoint&, uint8_t, uint8_t) {}
void testeperteinfluence(TCarte&, const TPlateau&, const TCartesParPoint&, TListePoints&, uint8_t, uint8_t) {}
void extensionsdebutpartie(TPlateau&, const TCarte&, TCarte&, int32_t, const TListePoints&, int32_t,
                           TListePoints&) {}
