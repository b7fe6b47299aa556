// Outcome writers: where dead chains of both colours touch, compare their
// dead zones (the attacker moves each needs) and write the result stone by
// stone into the trial record of the move analysed, or into the survival
// maps (tableessaiscourante: 1 valeurssurvie/valeurs2survie, 2 essaisordi,
// 3 essaisjoueur of (ligne, colonne); 0 or negative, or no move for 2 and 3:
// nowhere). Under sansstatut only dead marks of mode 1 are removed.
//
// Dead-zone maps hold 0 (none), 1 (zone of a dead chain) or the zone's
// level, saturated at 255.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Status codes of the trial records.
constexpr int32_t ETATVAINQUEUR = -1;   // dead stone of the side whose zone needs more moves (mode 1)
constexpr int32_t ETATVAINCU = -2;      // dead stone of the other side (mode 1)
constexpr int32_t ETATINCERTAIN = -3;   // mode 2, the first side
constexpr int32_t ETATINCERTAIN2 = -4;  // mode 2, the other side
constexpr int32_t ETATEGAL = -5;        // a contact of equal or close levels (mode 3)
constexpr int32_t ETATSEKI = -6;        // a stone of a seki

// Writes the codes of one contact for the points walked (`parcouru` = 1),
// dead now and not dead before. `v` is the level difference.
void ecritresultatzone(const TPlateau& p, const TMarques& parcouru, const TMarques& avant, uint8_t a, uint8_t b,
                       int32_t mode, int32_t ligne, int32_t colonne, int32_t v);
// The points (r1, c1) and (r2, c2) already hold opposite codes (-1 or -2
// then -2, or -3 then -4) in the current table.
bool marquesopposees(int32_t r1, int32_t c1, int32_t r2, int32_t c2, int32_t ligne, int32_t colonne);
// Resolves the contact at (r, c) between a dead zone of `a` at level `la`
// in `cartea` and one of `b` at level `lb` (la >= lb) in `carteb`; marks in
// `vu` the points showing exactly both levels.
void resultatcontact(const TPlateau& p, uint8_t a, uint8_t b, TMarques& vu, const TMarques& cartea,
                     const TMarques& carteb, const TMarques& avant, int32_t ligne, int32_t colonne, int32_t la,
                     int32_t lb, int32_t r, int32_t c);
// Raises the dead zone of `a` (attacker `b`) of level 1 at (r, c) in `carte`
// to its level: its empty points plus the attacker moves of its forced
// sequences. The board and infochaine come back as they were.
void resultatzone(const TPlateau& p, uint8_t a, uint8_t b, const TMarques& avant, TMarques& carte, int32_t ligne,
                  int32_t colonne, int32_t r, int32_t c);
// The contact pass over the white and black dead-zone maps, "before" being
// the dead marks as they stood before the analysis.
void passecontacts(const TPlateau& p, TMarques& blancs, TMarques& noirs, const TMarques& avant, int32_t ligne,
                   int32_t colonne);
// Under sansstatut: the first two steps of the contact pass over
// zonesmortesblanc and zonesmortesnoir, removing the dead marks of the
// chains that win their contacts.
void resultatsessaiscartes(const TPlateau& p, const TMarques& avant, int32_t ligne, int32_t colonne);
