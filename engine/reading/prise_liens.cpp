// The capture reading's calls into the ladder reading and into the
// connection unit's liberty collectors.
#include "engine/reading/prise_etat.h"

#if __has_include("engine/reading/escalier.h")
#include "engine/reading/escalier.h"
#define PRISE_ESCALIER 1
#endif

bool echelleprise(TPlateau& p, int32_t r, int32_t c, uint8_t defenseur, uint8_t attaquant) {
#ifdef PRISE_ESCALIER
  return testescalier(p, r, c, defenseur, attaquant);
#else
  // Without the ladder reading the node reads the ladder itself.
  (void)p, (void)r, (void)c, (void)defenseur, (void)attaquant;
  return false;
#endif
}

void appellelibertesetcaptures(const TPlateau& p, TListePoints& l, TMarques& vu, int32_t r, int32_t c,
                               int32_t pli) {
  // The collectors of the connection unit are not in the build yet.
  (void)p, (void)l, (void)vu, (void)r, (void)c, (void)pli;
}

void comptelibertesprise(const TPlateau& p, TMarques& vu, int32_t& compte, int32_t r, int32_t c, int32_t borne) {
  // Until the connection unit's counter is in the build, every chain counts
  // as strong: the edge test then never judges a chain weak.
  (void)p, (void)vu, (void)r, (void)c;
  compte = borne;
}
