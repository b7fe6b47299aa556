// Final status of every point for final_status_list: the front end's
// position loaded into the engine at level 7 or more, dead, alive and seki
// stones and the owner of each empty point settled without a search.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Status codes per point (board layout): 0 neutral, 1 white territory,
// 2 black territory, 3/4 white/black stone in seki, 5/6 white/black stone
// alive, 7/8 white/black stone dead.
enum TStatutFinal : int32_t {
  NEUTRE = 0,
  TERRITOIREBLANC = 1,
  TERRITOIRENOIR = 2,
  SEKIBLANC = 3,
  SEKINOIR = 4,
  VIVANTBLANC = 5,
  VIVANTNOIR = 6,
  MORTBLANC = 7,
  MORTNOIR = 8,
};

// Loads `plateau` (no replay) and the game record `config` into the engine
// and fills `statut` with a code per point, `noir` and `blanc` with each
// colour's score count (prisoners `prisblanc` and `prisnoir` included under
// territory counting; `liste` gives the AGA passes). Leaves the engine
// globals as it set them.
void statutfinal(const TPlateau& plateau, const TConfig& config, int32_t& noir, int32_t& blanc, TCarte& statut,
                 int32_t prisblanc, int32_t prisnoir, const TListeCoups& liste);

// The evaluation on the engine's current position `p`: `saute` non-zero
// skips the liberty masks with the enclosed-chain marking and the weak-chain
// life reading.
void statutfinalaide(TPlateau& p, int32_t& noir, int32_t& blanc, TCarte& statut, const TListeCoups& liste,
                     uint8_t saute);
