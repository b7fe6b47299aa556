// Position keys and the searches of the sorted key stores.
//
// A key is the XOR of fixed per-point values: one table for white stones, one
// for black stones, one for marked empty points (moyo keys), and a side key.
// The tables are system data (item "CLES"): the opening books are keyed by
// them, so they never change.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Test seam --------------------------------------------------------------
// The tables load by themselves at start-up; tests ask whether the data item
// was well formed. Later calls return the first outcome.
bool chargecles();

inline void xorclepion(uint32_t& cle, int32_t ligne, int32_t colonne, uint8_t couleur) {
  cle ^= zobristcouleur[couleur != 0 ? 1 : 0][indexcase(ligne, colonne)];
}
inline void xorclemoyo(uint32_t& cle, int32_t ligne, int32_t colonne) {
  cle ^= zobristmoyo[indexcase(ligne, colonne)];
}

// ---- Sorted key stores -------------------------------------------------------
// Entries TEntreeCle (etat.h), kept in ascending signed key order, 1-based.

// Looks `cle` up in entries 1..nombre of table `table` of `store`
// (entry j of table t at store[(t-3)*10000 + j-1]).
// Result <= 0: found, the stored value negated. Result > 0: the 1-based
// position where the key belongs (1..nombre+1). Keys compare as signed.
int32_t cherchecletransposition(uint32_t cle, int32_t table, int32_t nombre, const TEntreeCle* store);
// Puts (valeur, cle) at `position` (as the look-up gave it) of table `table`,
// the later entries moving up, and counts it in `nombre`; a full table or a
// position outside 1..nombre+1 takes nothing.
void inserecletransposition(uint32_t cle, int32_t valeur, int32_t position, int32_t table, int32_t& nombre,
                            TEntreeCle* store);

// The same search in the bucket (genre 1..2, ligne, colonne) of a per-point
// store laid out like cacheprise (count in word 0).
int32_t cherchecleparcible(const uint32_t& cle, const TCasierPrise (&store)[2][NBCASES], int32_t genre,
                           int32_t colonne, int32_t ligne);
