// Candidate points that matter locally, added to a node's candidate list:
// the liberties of chains short of liberties, the liberties of the chains
// at the last two moves, a few empty points around those moves, the points
// that complete an almost closed eye; and the reordering that brings a move
// of the line of play to the front of the list.
//
// The candidate list is the caller's (capacity `cap`, at most 361); every
// append is bounded by it. P1 is the last move of the line, P2 the one
// before ((0, 0) = none). The escape-value map gets, at the liberty that
// saves an own chain in atari, that chain's stone count (at most 255).
// Boards, infochaine and pionsmorts come back unchanged.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Core scan for the candidate reading: liberties of chains with at most
// paramniveaug liberties (1 once 16 points are listed) and of the chains at
// P1 and P2, then the widening. `prises` is the capture count of the move
// that led to the node: with 1, a ko retake at P1's single liberty is struck.
void ajoutelibertesfaibles(TMarques& valeursfuite, int32_t prises, TPlateau& p, TListePoints& candidats,
                           int32_t cap, uint8_t couleur, TPoint p1, TPoint p2);

// Core scan for the root: points set in `exclus` and the ko point are never
// added, and the ko point is struck from the list whatever added it.
void ajoutelibertesfaiblesracine(TMarques& valeursfuite, const TMarques& exclus, TPoint ko, TPlateau& p,
                                 TListePoints& candidats, int32_t cap, uint8_t couleur, TPoint p1, TPoint p2);

// Scan limited to zonemarquee, for the deeper nodes: `second` is the board
// before the line, `gains` the side's capture-gain map. Adds the liberties
// of the chains whose dead mark changed since marquesliaison1, the
// liberties of two-liberty chains next to P1 and P2, and the free
// 8-neighbours of P1 and P2; the ko point is struck from the list.
void ajoutelibertesfaibleszone(TMarques& valeursfuite, const TPlateau& second, const TMarques& gains, TPoint ko,
                               TPlateau& p, TListePoints& candidats, int32_t cap, uint8_t couleur, TPoint p1,
                               TPoint p2);

// Liberties of the chains that stand on both boards and whose dead mark
// differs between marquesliaison1 and pionsmorts (own chains now dead,
// enemy chains now alive), each appended once when not marked in `listes`.
// `vu` holds the chains already handled.
void ajoutelibertesstatutchange(const TPlateau& p, const TPlateau& second, TMarques& listes, TMarques& vu,
                                TListePoints& candidats, int32_t cap, uint8_t couleur);

// Every point of casescandidates with a > 0 or b > 0, through ajoutecaseliste.
void ajoutecandidatsvalorises(const TCarte& a, const TCarte& b, TListePoints& candidats, int32_t cap);

// For each stone of the line (pairs 1..n-1 of `chemin`, pair k = the move
// of depth k): next to each empty neighbour that the stone's colour closes
// but for one point e, appends e (not when listed or the ko point).
void ajoutepointsvidesentoures(const TPlateau& p, TListePoints& candidats, int32_t cap, const TListePoints& chemin,
                               int32_t n, TPoint ko);

// Moves the first move of the line (pair k of `chemin` = depth k) found
// among the candidates marked 1 in `listes` to position k of the list,
// looking at depths d, d+2, ..., then d+1, d+2, ..., then below d. Nothing
// at d = 1, with one candidate or fewer, or when interrupteurcandidats is 0.
void reordonnecoups(const TMarques& listes, const TListePoints& chemin, int32_t d, int32_t k,
                    TListePoints& candidats);
