// Temporary declarations of the position analysis and the evaluation terms
// that the candidate, end-of-game and pass steps call, until those units are
// merged; attente_analyse.cpp holds stand-ins that add nothing.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// One 361-byte map per tried point: entry [row-1][col-1] is the map of the
// trial at (row, col).
using TCartesParPoint = std::array<std::array<TMarques, TAILLEMAX>, TAILLEMAX>;

void bonuslibertesvoisines(TPlateau& p, int32_t& valeur, uint8_t m, int32_t chaine, int32_t d, int32_t ligne,
                           int32_t colonne);
void comptezonevoisins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne,
                       int32_t rayon);
void bonusvoisinsennemis(TPlateau& p, int32_t& valeur, uint8_t m, int32_t mode, int32_t ligne, int32_t colonne,
                         int32_t faiblesse);
void bonusbord(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
void zonevide3x3(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);

// Search support: the liberties of the two-liberty chains next to A and B
// (those of A's colour next to B, then unless `drapeau` those of the other
// colour next to A), each appended once and marked in `marques`.
void listelibertesadeuxlib(uint8_t drapeau, TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap,
                           int32_t la, int32_t ca, int32_t lb, int32_t cb);
