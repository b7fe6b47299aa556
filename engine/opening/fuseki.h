// Fuseki library: whole-board opening positions and their known moves.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

class TFuseki {
 public:
  explicit TFuseki(int32_t taille);
  virtual ~TFuseki();
  int32_t taille;  // board size of the library
  // Fills `carte` (361 bytes, board layout) with the library's moves for
  // `couleur` in the position `plateau`; `nombre` gets their count.
  virtual void CoupsSuggeres(uint8_t couleur, int32_t taille, int32_t& nombre, TMarques& carte,
                             const TPlateau& plateau);
};

extern TFuseki* bibliofuseki;  // the loaded library, or nullptr

// Loads the library for `taille` from the data item "FUSEKI<taille>".
void chargefuseki(int32_t taille);
void liberefuseki();
