// Candidate points that matter locally, added to a node's candidate list:
// the liberties of chains short of liberties, the liberties of the chains
// at the last two moves, a few empty points around those moves, the points
// that complete an almost closed eye; and the reordering that brings a move
// of the line of play to the front of the list.
//
// Appends never pass the list's storage (361 points). P1 is the last move
// of the line, P2 the one before ((0, 0) = none). The escape-value map
// gets, at the liberty that saves an own chain in atari, that chain's stone
// count (at most 255). Boards, infochaine and pionsmorts come back unchanged.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Core scan for the candidate reading: liberties of chains with at most
// paramniveaug liberties (1 once 16 points are listed) and of the chains at
// or next to P1 and P2, then the widening. `prises`, the capture count of
// the move that led to the node: with 1, a ko retake at P1's single liberty
// is struck from the list.
void ajoutelibertesfaibles(TPlateau& p, TListePoints& candidats, uint8_t couleur, TPoint p1, TPoint p2,
                           TMarques& valeursfuite, int32_t prises);

// Core scan for the root: points set in `exclus` and the ko point are never
// added, and the ko point is struck from the list whatever added it.
void ajoutelibertesfaiblesracine(TPlateau& p, TListePoints& candidats, uint8_t couleur, TPoint p1, TPoint p2,
                                 TMarques& valeursfuite, const TMarques& exclus, TPoint ko);

// Scan limited to zonemarquee, for the deeper nodes: `second` is the board
// before the line, `gains` the side's capture-gain map. Adds the liberties
// of the chains whose dead mark changed since marquesliaison1, the
// liberties of two-liberty chains next to P1 and P2, and the free
// neighbours of P1 and P2; the ko point is struck from the list.
void ajoutelibertesfaibleszone(TPlateau& p, TListePoints& candidats, uint8_t couleur, TPoint p1, TPoint p2,
                               TMarques& valeursfuite, const TPlateau& second, const TMarques& gains, TPoint ko);

// Liberties of the chains that stand on both boards and whose dead mark
// differs between marquesliaison1 and pionsmorts (own chains now dead,
// enemy chains now alive), each appended once when not marked in `listes`.
// `vu` holds the chains already handled.
void ajoutelibertesstatutchange(const TPlateau& p, const TPlateau& second, TMarques& listes, TMarques& vu,
                                TListePoints& candidats, uint8_t couleur);

// Every point of casescandidates with a > 0 or b > 0, through ajoutecaseliste.
void ajoutecandidatsvalorises(const TCarte& a, const TCarte& b, TListePoints& candidats);

// For each stone of the line (ligne[1..n-1], ligne[k] the move of depth k):
// next to each empty neighbour that the stone's colour closes but for one
// point e, appends e (not when listed or the ko point).
void ajoutepointsvidesentoures(const TPlateau& p, TListePoints& candidats, const TPoint* ligne, int32_t n,
                               TPoint ko);

// Moves the first move of the line (ligne[k] = depth k) found among the
// candidates marked 1 in `listes` to position k of the list, looking at
// depths d, d+2, ..., then d+1, d+2, ..., then below d. Nothing at d = 1,
// with one candidate or fewer, or when interrupteurcandidats is 0. `ligne`
// holds at least max(d + 1, 4) + 1 entries.
void reordonnecoups(const TMarques& listes, TListePoints& candidats, const TPoint* ligne, int32_t d, int32_t k);
