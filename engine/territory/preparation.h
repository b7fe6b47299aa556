// Territory preparation: pattern fills that close a colour's area on a board
// copy before territory is counted. `propre` is the colour prepared,
// `ennemi` the other one. The fills write only the board copy they are
// given, and, where said, the liberty byte of infochaine; the drivers put
// infochaine back before they return.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Capacity of the lifted-stone lists of the drivers.
constexpr int32_t CAPACITERETIRES = 300;

// ---- Drivers ---------------------------------------------------------------------
// Lifts lone own edge stones near the enemy, runs the boundary and neutral
// fills (keep-eyes rule when `garderyeux`), then puts the lifted stones back.
void prepareterritoire(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi);
// As prepareterritoire with the stones flagged in `masque` taken off, a
// fill around every unmasked own stone and the enemy edge block. The
// board's stones and infochaine come back as they were before the fills.
void prepareterritoire2(const TMarques& masque, TPlateau& p, uint8_t propre, uint8_t ennemi);
// Own stones flagged in `masque` taken off, the fills of prepareterritoire
// and the enemy edge block, then a fill around every own stone of the board
// as it came. Lifted stones and infochaine are put back.
void evaluezones2(const TMarques& masque, uint8_t garderyeux, TPlateau& p, uint8_t ennemi, uint8_t propre);

// ---- Fills ------------------------------------------------------------------------
// Lifts every one-stone own chain of the three outer lines that
// pionisoleprochennemi finds isolated near the enemy, appending it to `l`
// (a full list keeps the stone on the board).
void retirepionsisolesbords(TListePoints& l, int32_t cap, TPlateau& p, uint8_t propre);
// No own stone among the 8 surrounding points, and at least one enemy stone.
// Note the column comes first.
bool pionisoleprochennemi(const TPlateau& p, uint8_t propre, uint8_t ennemi, int32_t colonne, int32_t ligne);
// Two-point gaps between own stones three points apart (vertical ones from size 8).
void fermebreches(TPlateau& p, uint8_t propre);
// Neutral points between own stones: interior pairs, first-line pairs, diagonal pairs.
void remplitcasesneutres(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi);
// One-point gaps between own chains of at least 3 liberties.
void fermeecarts(uint8_t garderyeux, TPlateau& p, uint8_t propre);
// Fourth-line own stones joined to the edge.
void rejointbord4(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi);
// Third-line own stones joined to the edge.
void rejointbord3(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi);
// Second-line points under own first-line stones in a two-own, one-empty pattern.
void completedeuxiemeligne(TPlateau& p, uint8_t propre);
// First-line points beside an enemy first-line stone capped by an own stone.
void bloquebordennemi(TPlateau& p, uint8_t propre, uint8_t ennemi);
// Fills the point with own unless two or more neighbours are enemy stones
// or none is enemy or empty; true when it filled.
bool remplitsiunennemi(TPlateau& p, int32_t ligne, int32_t colonne, uint8_t ennemi, uint8_t propre);

// Neighbour fills around the own stone at (ligne, colonne); each point filled
// gets min(the stone's liberties, 2) in the liberty byte of infochaine.
// Only when every neighbour is own or empty: empty neighbours with no enemy neighbour.
void remplitautour(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne);
// Empty neighbours with no enemy neighbour.
void remplitautourfaible(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne);
// Every empty neighbour.
void remplitautourfort(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne);
// Empty neighbours owned by `propre` in territoire or territoire2, with no enemy neighbour.
void remplitvoisins(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne);

// ---- Pieces shared with the zone evaluation ---------------------------------------------
namespace remplissage {
// Points to fill, each listed once in the order first met: it has room for
// every point of the board, so it never runs full.
struct TListeRemplissage {
  TListePoints points;
  TMarques listes;
  TListeRemplissage() {
    points[0] = 0;
    listes.fill(0);
  }
  void ajoute(int32_t ligne, int32_t colonne) {
    const int32_t j = indexcase(ligne, colonne);
    if (listes[j]) return;
    listes[j] = 1;
    empilepoint(points, MAXPOINTSLISTE, ligne, colonne);
  }
};
// Fills the listed points in order: all of them, or with `garderyeux` only
// those still empty with some neighbour that is not own.
void remplitliste(uint8_t garderyeux, TPlateau& p, uint8_t propre, const TListePoints& l);
inline void remplitliste(uint8_t garderyeux, TPlateau& p, uint8_t propre, const TListeRemplissage& l) {
  remplitliste(garderyeux, p, propre, l.points);
}
// Interior pair rule of the neutral-point scan: lists into `l` for the pair
// at (ligne, colonne) and its next point along the row (or, `vertical`,
// along the column); `force` holds the liberties of the own stones that count.
// A rule lists nothing unless both points of the pair are empty and an own
// stone stands on one of the four points beside them (across the pair's
// line): the scan calls it for such pairs only.
using TRegleInterieure = void (*)(TListeRemplissage& l, const TPlateau& p, const TCarte& force, uint8_t propre,
                                  uint8_t ennemi, bool vertical, int32_t ligne, int32_t colonne);
// The neutral-point scan with the given interior rule: horizontal pairs, top
// and bottom edges, vertical pairs, left and right edges (an inner own stone
// counts when `force` is above 2 there), the diagonal fills, the final fill.
void casesneutres(uint8_t garderyeux, TPlateau& p, const TCarte& force, uint8_t propre, uint8_t ennemi,
                  TRegleInterieure regle);
}  // namespace remplissage
