// Groups, zones and stone links of a position. A group is a set of chains of
// one colour that are linked or can be linked (rule set 2, or the connection
// reading from a stone to the group); a zone joins whole groups that rule
// set 1 links. Both are numbered from 1 per colour in scan order into
// infogroupes and infozones; the pairs of chains of one group that the
// two-stone reading links get bit 0x20 toward each other in the trial
// records of their stones.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t LIENPIERRES = 0x20;  // liensessai bit: linked (to the move, or stone to stone)

// Groups of black then white, zones of black then white, then the stone
// links inside every group. infochaine must describe the board; the board,
// infochaine and pionsmorts come back as they were. Reads couleurordi,
// pointko, marquesliaison1 and marquesliaison2.
void verifiegroupesapresessai(TPlateau& p);

// Bit 0x20 in entry b of the record of a and entry a of the record of b, for
// every a marked 1 in `a` and b marked 1 in `b` (essaisordi when `couleur` is
// couleurordi, else essaisjoueur).
void marqueliensessai(const TMarques& a, const TMarques& b, uint8_t couleur);

// Zones of `couleur` over the groups of infogroupes, numbered from 1 into
// infozones; entries of stones outside every zone are left alone. Reads
// infochaine as describing the board.
void construitzones(const TPlateau& p, uint8_t couleur);

// ---- Test seam ----------------------------------------------------------------------------
// Nodes of the connection readings run by the last verifiegroupesapresessai.
int32_t noeudsgroupes();
