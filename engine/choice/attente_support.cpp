// Temporary root pipeline until the family maps and their sum land: every
// empty point is a root candidate, no family scores anything.
#include "engine/choice/familles.h"

TSuiteRacine famillesracine(TCartesFamilles& f, TPlateau& b, uint8_t, uint8_t, TPoint, TPoint, TPoint,
                            TMarques& mortsracine, TListePoints& candidats, TListePoints& candidatsracine, TPoint&) {
  mortsracine = pionsmorts;
  f.mortsapresessaiordi[0][0] = pionsmorts;
  const int32_t t = taillemoteur();
  for (int32_t i = 1; i <= t; ++i)
    for (int32_t j = 1; j <= t; ++j) {
      f.mortsapresessaiordi[i - 1][j - 1] = pionsmorts;
      if (b[indexcase(i, j)] == VIDE) empilepoint(candidats, 361, i, j);
    }
  candidatsracine = candidats;
  if (candidats[0] > 0) return RACINECHERCHE;
  ordipasse = 1;
  return RACINEPASSE;
}
