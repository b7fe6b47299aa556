// Leaf tests of the enclosed-chain reading: the eye-space evaluation of a
// zone, the point tests it rests on, the wall and exit tests, and the small
// routines that order and extend the candidate lists. c is the owner's
// colour, o the enemy's; the zone map holds 1 zone, 2 the chain, 4 own chain
// against a strong enemy chain, 8 wall; the inner map holds 1 at inner zone
// points and at the stones of weak wall chains. Every test puts back what it
// changes, but for the results it names.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr uint8_t MARQUEMUR = 8;   // wall value of the zone map
constexpr int32_t MAXVITAUX = 6;   // vital points kept per ply
using TVitaux = std::array<TPoint, MAXVITAUX>;

// Verdicts of the eye-space evaluation.
constexpr int32_t ESPACEINDECIS = 0;
constexpr int32_t ESPACEMORT = 1;
constexpr int32_t ESPACEVIVANT = 2;

// Judges from the shape of the owner's possible eye points in the zone list
// whether the chain is dead. `nbvitaux` gets the number of candidates, then
// of eye points, which go to `vitaux` when there are 1 to 6. Modes: capture
// (`tueur` 0), killer (`tueur` 1), vital points (`vitaux` mode 1, `tueur` 1:
// always ESPACEINDECIS, the vital points written). Lifts enemy stones and
// joins enemy chains to the wall for the test only.
int32_t evalueespaceoeil(TPlateau& p, uint8_t c, uint8_t o, TMarques& zone, const TMarques& interieur,
                         const TListePoints& liste, int32_t cap, TVitaux& vitaux, uint8_t& nbvitaux,
                         uint8_t modevitaux, uint8_t tueur);

// Orthogonal neighbours.
bool pointsadjacents(TPoint a, TPoint b);
// No orthogonal neighbour holds x; of the diagonals holding x in a chain of
// more than 3 liberties, at most one off the edge line, none on it.
bool testoeilforts(const TPlateau& p, uint8_t x, int32_t ligne, int32_t colonne);
// The same pattern on the wall marks of the zone map.
bool testoeilmur(const TMarques& zone, int32_t ligne, int32_t colonne);
// The empty point joins an enemy stone to the wall: a neighbour marked
// `valeur`, no own chain out of atari, no enemy chain in atari, at most one
// empty neighbour e, and when an enemy neighbour has 2 liberties, e has
// exits for the enemy.
bool pointliemur(const TPlateau& p, const TMarques& zone, uint8_t c, int32_t ligne, int32_t colonne,
                 uint8_t valeur);
// The enemy stone at the point (2 liberties or more) is joined to the wall
// by a diagonal wall stone with empty crossing points, or through an empty
// neighbour that pointliemur accepts.
bool pierreliemur(const TPlateau& p, const TMarques& zone, uint8_t c, int32_t ligne, int32_t colonne);
// An empty neighbour of the point touches a wall stone.
bool oeilapprochable(const TMarques& zone, const TPlateau& p, int32_t ligne, int32_t colonne);
// From the outside point s beside the first-line exit e, the edge leads to an
// own stone (first or second line, at most `limite` steps away from e)
// before an enemy one. False from a corner.
bool sortiebordamie(const TPlateau& p, TPoint e, TPoint s, int32_t limite, uint8_t c, uint8_t o);

// The owner fills every liberty of the wall chains inside the zone (refused
// moves tried again); a wall chain then gone, in atari, or of 2 liberties and
// capturable, is marked 1 in `interieur` over its stones. The board and
// infochaine come back as they were.
void marquemurfaible(const TMarques& morts, TPlateau& p, uint8_t c, uint8_t o, const TListePoints& mur,
                     const TMarques& zone, TMarques& interieur);
// The best second blocking point for o behind the outside point s: the last
// liberty outside the zone that adds liberties to o's stone at s; (0, 0) when
// none. The board and infochaine come back as they were.
void meilleurbouchage(TPlateau& p, const TMarques& zone, TPoint e, TPoint s, TPoint& t, uint8_t o, uint8_t c);

// Orders the zone list by the number of inner neighbours not holding c,
// most first (equal counts keep their order).
void triezonedeb(const TPlateau& p, const TMarques& interieur, TListePoints& liste, uint8_t c, int32_t cap);
// Appends every empty neighbour not set in `vu`, setting it to 1 there.
void ajoutevoisinsvides(const TPlateau& p, TMarques& vu, TListePoints& l, int32_t cap, int32_t ligne,
                        int32_t colonne);
