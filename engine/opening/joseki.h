// Joseki library: corner sequences, looked up corner by corner.
#pragma once
#include "engine/opening/fuseki.h"

class TJoseki : public TFuseki {
 public:
  explicit TJoseki(int32_t taille);
  // Per-corner suggestion bits, with corner bits 128, 64, 32, 16 for corners 1..4.
  void CoupsSuggeres(uint8_t couleur, int32_t taille, int32_t& nombre, TMarques& carte,
                     const TPlateau& plateau) override;
  // Sets the board size and the corner region size (taille + 1) div 2.
  void FixeTaille(int32_t taille);
};

extern TJoseki* bibliojoseki;  // the loaded library, or nullptr

// Loads the library for `taille` (corner region 10) from the data item "JOSEKI".
void chargejoseki(int32_t taille);
void liberejoseki();
