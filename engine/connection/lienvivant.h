// Link tests toward territory and toward live chains: the neighbourhood
// test of pionlieachaine with the marked stones replaced by a predicate on
// the target: an own stone that territoire gives to its colour, or an own
// stone not flagged in pionsmorts. C is the tested stone's colour, O the
// opponent's; every test reads infochaine, which must describe the board.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Entries ------------------------------------------------------------------------
// The stone is linked to an own stone standing in own territory.
bool estlieauterritoire(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
// The same with the direct and diagonal tests only.
bool estlieauterritoiresimple(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
// The stone is linked to a chain not flagged dead (a stone of a chain of
// several stones not itself flagged is linked at once).
bool estlieachainevivante(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
// estlieachainevivante with `morts` as the dead-stone mask; pionsmorts is put back.
bool estlieachainevivanteavecmorts(const TMarques& morts, const TPlateau& p, int32_t r, int32_t c, uint8_t C,
                                   uint8_t O);
// C played at the empty point (on a copy, with captures) would link to a
// live chain. infochaine and pionsmorts are put back.
bool testelienchainevivantezone(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
// X played at the point (on a copy) links it to an X chain that pionsmorts
// judges dead. infochaine and pionsmorts are put back.
bool testelienchainevivantecopie(const TPlateau& p, uint8_t X, uint8_t Y, int32_t r, int32_t c);
// pionlieachaine toward every stone of the stone's colour not flagged dead.
bool pionlieachainevivante(const TPlateau& p, int32_t r, int32_t c);
// The shared point through which the stone's diagonal link to a live stone
// runs, into `lien` (row 0 when none).
bool cherchelienchainevivante(const TPlateau& p, TPoint& lien, int32_t r, int32_t c, uint8_t C, uint8_t O);
// The live stone reached by the first jump link, into `lien` (row 0 when none).
bool cherchesautchainevivante(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O, TPoint& lien);
// An orthogonal neighbour holds C and is flagged in marquesglobales.
bool pionlieamarque(const TPlateau& p, uint8_t C, int32_t r, int32_t c);
// Live-chain link test of a lone or dead-flagged stone of `couleur`: two
// empty neighbours (or one strong one) would link it to live stones. Board,
// infochaine and pionsmorts are put back.
bool estlieachainevivante2(TPlateau& p, int32_t r, int32_t c, uint8_t couleur);

// ---- Parts the entries combine ----------------------------------------------------------
// Direct: an orthogonal neighbour is an own target (own territory, or not flagged dead).
bool pionlieauterritoiredirect(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
bool pionlievivantdirect(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
// Diagonal: the diagonal rule to an own target, or the diagonal-flanked jump.
bool pionlieauterritoireparsaut(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
bool diagonalechainevivante(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
// Jumps over an empty gap.
bool sautversterritoire(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
bool pionlieachainevivanteparsaut(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
// Edge patterns (within two lines of the edge) toward all own targets.
bool motifversterritoire(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
bool pionlieachainevivanteforme(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O);
