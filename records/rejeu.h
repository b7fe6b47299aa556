// Replay of a loaded tree on a plain board, once after reading: moves are
// played with captures (recorded in `prises` and `couleurprise`), setup nodes
// through rejouedonnees, and every variation from the position before the
// node it replaces. Without recursion.
#pragma once
#include <cstdint>
#include <functional>

#include "engine/board/types.h"
#include "records/arbre.h"

struct TRejeu {
  int32_t taille = 19;
  // Ishi numbering: nodes that are not moves take their parent's number.
  bool numerotetous = false;
  // A move whose point does not hold its stone afterwards; `occupe` when the
  // point held a stone before. Returns false to end the replay.
  std::function<bool(TArbre&, bool occupe)> coupillegal;
  // Each node once played, on the position after it.
  std::function<void(TArbre&, const TPlateau&)> noeudatteint;
};

// Replays from `depart` (parcourslignes order) on an empty board.
void rejouearbre(TArbre* depart, const TRejeu& regle);
