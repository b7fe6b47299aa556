// Unit liaisonvorn: which stones count as linked. The fills mark on a mark
// board (u8[361], nonzero = marked, started from marquesvides by the caller)
// every stone linked to a start stone and write 1; the tests ask whether a
// stone is linked to a stone already marked and only read. All read
// infochaine, which must describe the board passed, and bordgoban,
// distancebord and configmoteur.taille.
//
// Rule set 1 (jumps in the open board): metlachainelieen2coupatest1 and
// pionlieachainetest1. Rule set 2 (jumps along the first line and bamboo
// joints): metlachaineliee and pionlieachaine. A test accepts a few shapes
// its fill does not follow.
#pragma once
#include <cstdint>

#include "engine/board/collecteurs.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"

// The diagonal rule (diagonaleliee), the diagonal order and adversaire are
// in collecteurs.h, with the collectors that follow them.

// ---- Fills and tests of the two rule sets ----------------------------------------
// Marks the linked chain of the stone at (r, c) under rule set 1. An empty
// start is marked alone (and traced).
void metlachainelieen2coupatest1(const TPlateau& p, TMarques& m, int32_t r, int32_t c);
// True when the stone at (r, c) is linked under rule set 1 to a marked stone.
bool pionlieachainetest1(const TPlateau& p, const TMarques& m, int32_t r, int32_t c);
// Marks the linked chain of the stone at (r, c) under rule set 2.
void metlachaineliee(const TPlateau& p, TMarques& m, int32_t r, int32_t c);
// True when the stone at (r, c) is linked under rule set 2 to a marked stone.
bool pionlieachaine(const TPlateau& p, const TMarques& m, int32_t r, int32_t c);
// Edge patterns (start within two lines of the edge, 3 liberties or more):
// an unmarked stone linked to (r, c) into `lien` (row 0 when none).
bool cherchelienparmotif(const TPlateau& p, const TMarques& m, int32_t r, int32_t c, TPoint& lien);
// An edge pattern links (r, c) to a marked stone.
bool pionlieparmotif(const TPlateau& p, const TMarques& m, int32_t r, int32_t c);

// ---- Variants ------------------------------------------------------------------------
// Rule set 1 fill that also crosses enemy stones flagged in pionsmorts; an
// own stone flagged dead stops it.
void metlachainelieeviamorts(const TPlateau& p, TMarques& m, int32_t r, int32_t c, uint8_t propre, uint8_t ennemi);
// Fill by orthogonal and diagonal links only.
void metlachainelieesimple(const TPlateau& p, TMarques& m, int32_t r, int32_t c);
// The same, adding 1 to `n` for every stone marked.
void comptepionschaineliee(int32_t& n, const TPlateau& p, TMarques& m, int32_t r, int32_t c);
// Plays the enemy of the stone on every empty point flagged in `points`
// (row-major), then marks the rule set 1 chain of the stone, or only its
// plain chain when it was captured. Board and infochaine are put back.
void metlachainelieesliensessais(TPlateau& p, TMarques& m, const TMarques& points, int32_t r, int32_t c);
// Link test robust to the opponent's moves: linked now by the test of the
// link level (2 or more: pionlieachainetest1, else pionlieachaine) toward the
// marks, or still linked after the opponent plays each of `n` empty
// neighbours in turn. Board and infochaine are put back.
bool choisitniveaulien(TPlateau& p, const TMarques& m, int32_t r, int32_t c, int32_t niveaulien, int32_t n);
// Linked under rule set 1 now, or after one own move on an empty neighbour.
// Board and infochaine are put back.
bool lienen1coup(TPlateau& p, const TMarques& m, int32_t r, int32_t c);
// Can the stone be linked to the marked stones by a move, or by taking a
// neighbouring chain (flagged in `prenables`, or read as capturable)?
// Board and infochaine are put back.
bool testelienpossible(TPlateau& p, const TMarques& m, const TMarques& prenables, int32_t r, int32_t c);
// A point flagged in `m` (row-major) carries bit 0x20 (linked) in the link
// bits of the engine's trial record of the move (a, b).
bool chainelieeapresessai(const TMarques& m, int32_t a, int32_t b);
// Off the first line and the middle lines, the rectangle between the point
// and the corner of its quadrant is empty but for the point.
bool rectanglecoinvide(const TPlateau& p, int32_t r, int32_t c);

// ---- Test seam: the capture reading ---------------------------------------------------
// Capture reading used by testelienpossible: true when the chain through
// (r, c) is captured, `couleur` having just moved. Points at testprise;
// tests may swap it.
using TLecturePrise = bool (*)(TPlateau& p, int32_t r, int32_t c, int32_t profondeur, int32_t limite,
                               uint8_t couleur, const TPoint& ko);
extern TLecturePrise lectureprise;
