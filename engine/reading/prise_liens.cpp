// The capture reading's calls into the ladder reading and into the liberty
// collectors of linked chains, and the target's plain liberty list.
#include "engine/board/collecteurs.h"
#include "engine/board/parcours.h"
#include "engine/reading/escalier.h"
#include "engine/reading/prise_etat.h"

bool echelleprise(TPlateau& p, int32_t r, int32_t c, uint8_t defenseur, uint8_t attaquant) {
  return testescalier(p, r, c, defenseur, attaquant);
}

void appellelibertesetcaptures(const TPlateau& p, TListePoints& l, TMarques& vu, int32_t r, int32_t c,
                               int32_t pli) {
  if (pli <= 2)
    listelibertesetcaptures(p, l, CAPACITEPRISE, vu, r, c);
  else
    listelibertesetcaptures2(p, l, CAPACITEPRISE, vu, r, c, 1, 2);
}

void libertesprise(const TPlateau& p, int32_t r, int32_t c, TListePoints& l) {
  l[0] = 0;
  TMarques vu;
  zeromarques(vu);
  libertesdelachaine(p, l, CAPACITEPRISE, 0, r, c, vu);
}

void comptelibertesprise(const TPlateau& p, TMarques& vu, int32_t& compte, int32_t r, int32_t c, int32_t borne) {
  comptelibertesjusqua(p, vu, compte, c, r, borne, 0);
}
