// Plain-board moves with captures: the replay of the game and the trial
// moves on scratch boards (floods, no chain table), plus the chain-table
// variants posepioncaptures and jouecoup3. Capture lists always take every
// captured stone (a TListePoints holds the whole board), whatever the
// capacity passed; capacities below that only bound the other lists.
// At a pass (0, 0) or a point off the board every one of them plays
// nothing: board and tables unchanged, capture count, flag and code 0.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Captured stones with their dead flag: [0] = count, entry k at [3k] (row),
// [3k+1] (column), [3k+2] (1 when the stone was marked in pionsmorts).
using TPrisesMarquees = std::array<int32_t, 3 * (MAXPOINTSLISTE + 1)>;

// Plays with captures on the board; a suicide is taken back (the point stays empty).
void rejouecoup(TListePoints& prises, int32_t cap, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                uint8_t ennemi);
// As rejouecoup, and refuses to fill an own eye (the point stays empty).
void jouecoupcaptures(TListePoints& prises, int32_t cap, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                      uint8_t ennemi);
// As rejouecoup; appends to `ataris` the last liberty of every enemy chain
// the move leaves in atari (its count is not reset; restored on a suicide).
void essaicoupliste(TListePoints& prises, int32_t cap, TListePoints& ataris, TPlateau& p, int32_t r, int32_t c,
                    uint8_t couleur, uint8_t ennemi);
// Trial that reports as a code: 0 plain, 1 captures (nothing removed),
// 2 leaves an enemy chain in atari away from the move, -1 fills an own eye
// (not played). `marques` limits what counts as near for code 2.
void essaicoupgroupes(int32_t& code, const TMarques& marques, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                      uint8_t ennemi);
// As essaicoupgroupes; near means orthogonally next to the move.
void essaicoupgroupes2(int32_t& code, TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi);
// Plays with captures found through infochaine (chains in atari), keeping
// pionsmorts in step; the caller then calls majlibertes(p, count, r, c).
void posepioncaptures(TPrisesMarquees& prises, int32_t cap, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                      uint8_t ennemi);
// Places a stone without ever removing one: `prise` is set when an enemy
// neighbour chain is in atari (placed or not). The stone is placed unless the
// point is taken, or it has no empty neighbour and no friendly neighbour
// chain with two liberties or more; infochaine is then updated (an enemy
// chain left without liberty keeps its stones with a count of 0).
void jouecoup2(uint8_t& prise, TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi);
// jouecoup without captures: a move that would capture sets `prise` and is not played.
void jouecoup3(uint8_t& prise, TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi);
// Every neighbour of the point is in chain A or B, and a diagonal point is
// empty with every neighbour in A or B.
bool oeilentredeuxchaines(const TPlateau& p, int32_t r, int32_t c, const TMarques& a, const TMarques& b);
// The liberties of the chain through (ciblel, ciblec), a `couleur` stone,
// after jouecoupcaptures at (r, c) on a copy of the board, or -1 when the
// move is not played there; for an empty point whose neighbours are all
// `couleur` stones, read from the board and its chain table; counted up to
// `borne` as libertesaprescoup counts.
int32_t libertesaprescoupcaptures(const TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi,
                                  int32_t ciblel, int32_t ciblec, int32_t borne = INT32_MAX);
