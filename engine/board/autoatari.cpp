// Self-atari test.
#include "engine/board/autoatari.h"

#include "engine/board/acces.h"
#include "engine/board/etat.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"

bool testautoatari(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c) {
  // Second line while the chain masks are valid.
  if (distancebord[indexcase(r, c)] == 1 && flagscan) return testautoataribord(p, couleur, r, c);

  // Neighbours: a friendly chain with liberties, a second exit or a
  // capture rules the self-atari out.
  TPoint sortie;
  bool enatari = false;
  const bool non = pastable(r, c, [&](int32_t r2, int32_t c2) {
    const uint8_t v = p[indexcase(r2, c2)];
    if (v == couleur) return libs(r2, c2) != 1;
    if (v == VIDE) {
      if (sortie.ligne != 0) return true;
      sortie = {r2, c2};
      return false;
    }
    if (libs(r2, c2) == 1) return true;
    if (libs(r2, c2) == 2) enatari = true;
    return false;
  });
  if (non) return false;

  // No exit, or nothing put in atari.
  if (sortie.ligne == 0 || !enatari) return true;

  // One exit and an enemy chain put in atari: look past the exit.
  return testvoisinsatari(p, couleur, sortie.ligne, sortie.colonne);
}

bool testautoataribord(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c) {
  // Neighbours, exits sorted into the edge exit and the inner exit.
  TPoint bord, interieur;
  int32_t vides = 0;
  bool deuxlibertes = false;
  const bool non = pastable(r, c, [&](int32_t r2, int32_t c2) {
    const uint8_t v = p[indexcase(r2, c2)];
    if (v == couleur) return libs(r2, c2) != 1;
    if (v == VIDE) {
      if (++vides >= 3) return true;
      if (bordgoban[indexcase(r2, c2)] && bord.ligne == 0)
        bord = {r2, c2};
      else
        interieur = {r2, c2};
      return false;
    }
    if (libs(r2, c2) == 1) return true;
    if (libs(r2, c2) == 2) deuxlibertes = true;
    return false;
  });
  if (non) return false;

  // Fewer than two empty neighbours: a self-atari.
  if (vides < 2) return true;
  // A neighbour of two liberties, or not both an edge and an inner exit: none.
  if (deuxlibertes || bord.ligne == 0 || interieur.ligne == 0) return false;

  // Around the edge exit: an enemy chain in atari or a friendly
  // chain with liberties.
  if (pastable(bord.ligne, bord.colonne, [&](int32_t r2, int32_t c2) {
        const bool propre = p[indexcase(r2, c2)] == couleur;
        return (!propre && libs(r2, c2) == 1) || (propre && libs(r2, c2) > 1);
      }))
    return false;

  // Around the inner exit.
  int32_t n = 0;
  return pastable(interieur.ligne, interieur.colonne, [&](int32_t r2, int32_t c2) {
    const uint8_t v = p[indexcase(r2, c2)];
    if (v == VIDE) return ++n >= 3;
    return v != couleur && libs(r2, c2) > 2;
  });
}
