// Move adjuster: between the two passes of the root, puts the chosen move
// and a few related points back into the root list for a second pass, and
// its fortification reinforcement.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/recherche_etat.h"

// Per-point zone maps: [q row-1][q col-1][p] non-zero when p lies in q's zone.
using TZonesPoints = uint8_t[TAILLEMAX][TAILLEMAX][NBCASES];

// The maps of the turn the adjuster reads and writes (engine side unless
// named otherwise); they live in the search state, the record only points.
struct TCartesAjusteur {
  const TMarques& codesfortification;   // sub-family codes of the engine's reinforcements
  const TMarques& memosurvieordi;       // survival memos of the engine (kind 1..3)
  const TMarques& memosurviejoueur;     // survival memos of the opponent
  const TZonesPoints& zones;            // the zone of each point (zonespoints)
  const TCarte& somme;                  // the engine's summed family values
  const TCarte& invasionforteordi;      // "invasionforte" of the engine
  const TCarte& invasionfortejoueur;    // "invasionforte" of the opponent
  TCarte& flou;                         // fuzzy territory
  const TCarte& surviejoueur;           // "survie" of the opponent
  TCarte& survieordi;                   // "survie" of the engine
  TCarte& fortificationordi;            // "fortification" of the engine
  TCarte& valeursracine;                // the root values
  TCarte& penalites1;                   // first penalty of each point
  TCarte& penalites2;                   // second penalty of each point
  const TCarte& bonusdebutfin;          // the opening and end bonus
  const TMarques& mauvaiscoups;         // points refused as engine moves
};

// Given the move P0 the first pass chose: raises or lowers flou around it,
// appends to `candidats` its neighbours, the points that stop more of the
// opponent's invasions (raising valeursracine there), the survival and
// fortification moves that keep the same weak stones, and the points of value
// close to P0's; `ajoute` := 1 when it appended (P0 stays then, first). From
// level 7 fills `listea` (300) around the new candidates; empties `listeb`.
// Never the ko point, each point once; board, infochaine, pionsmorts and
// territoire come back as they were. `meilleur` is raised in the survival step.
void ameliorator(const TCartesAjusteur& cartes, TPlateau& plateau, int32_t& meilleur, TPoint P0,
                 recherche::TListeRacine& candidats, TListePoints& listeb, TListePoints& listea, uint8_t& ajoute,
                 uint8_t couleur, uint8_t adverse, TPoint ko);

// The zones the adjuster reads (zonespoints, the layout of TZonesPoints): the
// zone of a point is its window of half-width 2 with the liberties of the
// chains within one step of it, on `plateau`. Written for every point.
void marquezonespoints(const TPlateau& plateau);

// The engine's influence balance on `plateau` with the stones of pionsmorts
// taken off, after `passes` dilations: an engine point counts 1 on the first
// line, 3 on the second and third, 4 farther in; an opponent point off the
// first line counts 1; (own - other) / 2.
int32_t soldeinfluenceponderee(const TPlateau& plateau, int32_t passes);

// Does the opponent's best answer undo what P0 saves once p is played? Each
// threatening answer x is played on p's trial position, the dead chains read,
// and the dead-marks term re-scores penalites1[p] from the fortification,
// survival, bonus and penalty maps of `cartes`. Board, infochaine and
// pionsmorts come back as they were.
void reevaluefortifcandidat(TPlateau& plateau, uint8_t k, uint8_t f, TPoint P0, TPoint p,
                            const TCartesAjusteur& cartes, uint8_t couleur, uint8_t adverse);
