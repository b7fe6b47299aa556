// Capture reading stores: the per-ply transposition lists of one reading and
// the result cache kept across readings for every target chain.
#include <cstring>

#include "engine/board/cles.h"
#include "engine/board/parcours.h"
#include "engine/reading/prise_etat.h"

int32_t cherchetranspositionprise(const TEtatPrise& e, int32_t pli, uint32_t cle) {
  return cherchecletransposition(cle, pli, e.nbtransposition[pli], tablehachrecu);
}

// Inserts at `position` (from the look-up) keeping the keys sorted; a full
// table takes no more.
void inseretranspositionprise(TEtatPrise& e, int32_t pli, int32_t position, uint32_t cle, int32_t valeur) {
  inserecletransposition(cle, valeur, position, pli, e.nbtransposition[pli], tablehachrecu);
}

TCasierPrise& casierprise(const TEtatPrise& e) { return cacheprise[e.couleurcache - 1][indexcase(e.cl, e.cc)]; }

// Inserts (valeur, cle) into the target's bucket unless the key is there or
// the bucket is full.
void inserecacheprise(const TEtatPrise& e, uint32_t cle, int32_t valeur) {
  TCasierPrise& b = casierprise(e);
  const int32_t n = b[0];
  if (n >= ENTREESCACHEPRISE) return;
  const int32_t pos = cherchecleparcible(cle, cacheprise, e.couleurcache, e.cc, e.cl);
  if (pos <= 0) return;
  std::memmove(&b[2 * pos + 2], &b[2 * pos], static_cast<size_t>(n + 1 - pos) * 2 * sizeof(int32_t));
  b[2 * pos] = valeur;
  b[2 * pos + 1] = static_cast<int32_t>(cle);
  b[0] = n + 1;
}

// The target's snapshot and bucket onto every other stone of its chain.
void copiecachechaine(const TEtatPrise& e) {
  const TPlateau& p = *e.p;
  TMarques vu;
  zeromarques(vu);
  marquepionschaine(p, vu, 0, e.cl, e.cc);
  const int32_t g = e.couleurcache - 1, i0 = indexcase(e.cl, e.cc);
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!vu[i] || i == i0) continue;
      cacheplateaux[g][i] = cacheplateaux[g][i0];
      cacheprise[g][i] = cacheprise[g][i0];
    }
}
