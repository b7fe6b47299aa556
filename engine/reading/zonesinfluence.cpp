// Influence region walks.
#include "engine/reading/zonesinfluence.h"

#include "engine/board/pas.h"

namespace {

// The walk core; `signe` -1 enters negative values, +1 positive ones.
void comptezone(int32_t signe, int32_t& vides, int32_t& pierres, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                const TCarte& influence, TMarques& vu) {
  // The point counts as an empty point or a stone.
  const int32_t i = indexcase(r, c);
  vu[i] = 1;
  if (p[i] == VIDE) ++vides;
  else ++pierres;
  // Neighbours of the same sign.
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = indexcase(r2, c2);
    if (!vu[j] && (signe < 0 ? influence[j] < 0 : influence[j] > 0))
      comptezone(signe, vides, pierres, p, d2, r2, c2, influence, vu);
    return false;
  });
}

}  // namespace

void comptezoneinfluencenegative(int32_t& vides, int32_t& pierres, const TPlateau& p, int32_t dir, int32_t ligne,
                                 int32_t colonne, const TCarte& influence, TMarques& vu) {
  comptezone(-1, vides, pierres, p, dir, ligne, colonne, influence, vu);
}

void comptezoneinfluencepositive(int32_t& vides, int32_t& pierres, const TPlateau& p, int32_t dir, int32_t ligne,
                                 int32_t colonne, const TCarte& influence, TMarques& vu) {
  comptezone(1, vides, pierres, p, dir, ligne, colonne, influence, vu);
}
