// Zone reading: for every zone of empty points enclosed by one colour, a
// bounded alternating search plays the intruder's and the owner's local moves
// on a board copy and scores each first move of the intruder. Reads
// infochaine (it must describe the board), territoire, territoire2,
// pionsmorts, casesjouables and pointko.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t NOEUDSZONEMAX = 100000;  // nodes per entry call, all zones and passes together
constexpr int32_t PROFONDEURZONE = 15;     // deepest ply of the search

// Mode 0: both colours own in turn; `resultat` gets, per point, the larger of
// the two passes' first-move values (0..254), after the correction of the
// pass whose owner is `couleur`; raises flaginvasion / flaginvasion2 and
// refills tablezones. Mode non-zero: one pass with `couleur` as owner, the
// empty points unmarked in `resultat` counting as its territory meanwhile;
// `resultat` is only read, every first-move value is added to `mode`, which
// then loses 1. Board, infochaine and territoire come back as they were.
void analysezoneinvasion(TMarques& resultat, uint8_t couleur, const TPlateau& p, int32_t& mode);

// ---- Steps of the reading ----------------------------------------------------
// Walks an enclosed zone of `couleur` from the point, marking `vu`: crosses
// its stones, points territoire gives it, dead stones and points set in
// `faibles`; every point walked that is not its stone goes into `zone`.
// Note the column comes first.
void parcourtzonefermee(uint8_t couleur, const TPlateau& p, TListePoints& zone, int32_t dir, int32_t colonne,
                        int32_t ligne, const TMarques& faibles, TMarques& vu, int32_t cap);
// A move at the point touches two different chains of `couleur` with 3
// liberties each, and its empty neighbours plus the liberties of the adjacent
// chains of the other colour with more than one liberty number at least 2.
bool doublereduction(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne);
// Moves the value of every intruder first move on `couleur`'s territory to
// the owner's answers that stop it (first value received wins). Works on a
// copy of the board; infochaine comes back.
void corrigezones(TMarques& carte, uint8_t couleur, const TPlateau& p);
