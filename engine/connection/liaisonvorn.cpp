// Unit liaisonvorn: linked chains.
#include "engine/connection/liaisonvorn.h"

#include "engine/territory/autoatari.h"

bool diagonaleliee(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c, int32_t r2, int32_t c2) {
  const bool videa = p[indexcase(r2, c)] == VIDE;  // shared point in the row direction
  const bool videb = p[indexcase(r, c2)] == VIDE;  // shared point in the column direction
  if (videa && videb) return true;
  const uint8_t o = adversaire(couleur);
  if (videa && !videb) return testautoatari(p, o, r2, c);
  if (videb && !videa) return testautoatari(p, o, r, c2);
  return false;
}
