// Candidate filters of the main recursion: the opening regions that trim
// the root list, the tactical candidates around a last move, and the
// liberties of the chains a trial move changes.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The opening regions of the best family values of each side, with the
// flags that say they were filled (the search state owns them).
struct TRegionsOuverture {
  TMarques ordi{};          // the engine's region map
  TMarques joueur{};        // the opponent's
  uint8_t flagordi = 0;
  uint8_t flagjoueur = 0;
};

// Off 9x9, in the opening (debutpartie and coupdebutchoisi) and for a list
// of more than 5 points: fills the regions from the engine's map `ordi` over
// casescandidates and the opponent's `joueur` over casescandidatesjoueur,
// then keeps the list's first 5 points and, after them, those in the
// engine's region. The maps start as copies of pionsmortssauves, the flags 0.
// The root calls it, then filtreouverture, after ranking its list.
void reperezonesouverture(const TPlateau& p, TListePoints& candidats, const TCarte& ordi, const TCarte& joueur,
                          TRegionsOuverture& regions);
// The walk of the opponent's regions: marks (r, c), then up to `limite`
// steps over empty points (never back by `dir`), marking the stones of the
// chains of fewer than 4 liberties it meets.
void marqueregionvide(const TPlateau& p, int32_t dir, int32_t r, int32_t c, int32_t profondeur, int32_t limite,
                      TMarques& m);
// With the engine's region filled, in the opening and for a list of more
// than 5 points: keeps, in order, the passes, the points of `gardes`, those
// set in carteanalyse and those of the engine's region; drops the others.
// The root's kept moves are its important points.
void filtreouverture(const TListePoints& gardes, TListePoints& candidats, const TRegionsOuverture& regions);
// Appends the tactical points around the last move (its chain's liberties,
// the liberties of the weak chains around it that the capture reading
// takes); `flag` reuses what cachecoupsreponse kept for that last move.
// Nothing when the last move's stone is marked dead. Board and chain table
// come back as they were. The reply step of depth 2 and a source of depth 3.
void candidatsdernierecoup(TPlateau& p, uint8_t flag, TListePoints& candidats, TPoint ko, TPoint dernier);
// When the engine's trial at `essai` kills or saves, or `a` or `b` is set
// there: appends the liberties of the chains whose dead mark the trial
// changes (against marquesliaison1), then those of the trial's own chain,
// inside zonemarquee, not the ko point, each once. Depth 2, around a root
// move of few liberties.
void ajoutelibertesessai(const TCarte& a, const TCarte& b, TPlateau& p, TListePoints& candidats, TPoint ko,
                         TPoint essai);
