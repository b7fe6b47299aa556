// Opening driver of the move search: the 9x9 book, then the opening
// heuristics, first near the opponent's last move, then outside that zone.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/opening/livres.h"

// Family maps of the move search that the opening heuristics read.
struct TCartesOuverture {
  const TCarte& flou;
  const TCarte& fortificationordi;
  const TCarte& survieordi;
  const TCarte& fortificationjoueur;
  const TCarte& surviejoueur;
  const TCarte& invasionfortejoueur;
  const TCartesParPoint& mortsordi;    // dead masks after each engine trial
  const TCartesParPoint& mortsjoueur;  // the same after each opponent trial
};

// May write the chosen move into `choisi` (row 0 = none). `exclus` is the
// book map (points the search skips once a book move was found), `scores`
// the opening score map, `valeurs` the candidate values that a decision
// boosts by 500.
void coupdebutpartie(TMarques& exclus, TPlateau& p, TPoint dernier, TPoint& choisi, TCarte& scores, TCarte& valeurs,
                     TListePoints& candidats, int32_t cap, const TCartesOuverture& cartes);
