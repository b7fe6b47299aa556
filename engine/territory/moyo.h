// Influence by dilation, the diffusion that settles contested empty points,
// and the moyo estimate built on both with the filled convex hull of each
// framework's stones. Influence maps are in the board layout: positive on
// black's side, negative on white's.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// White stones -50, black +50, empty points 0 (other bytes leave the map);
// then `passes` dilations, each read from a copy: a positive point adds 1 to
// each board neighbour, a negative one takes 1 off. Points off the board are
// never touched.
void dilatation(const TPlateau& p, TCarte& carte, int32_t passes);

// In place: a contested empty value is cleared where the other sign's
// diffusion from its own empty points (losing 1 a step, last passing
// tablevoisins neighbour winning) is stronger. Stones keep their values.
// Adds 1 to compteurnoeudsprise.
void diffusionbords(const TPlateau& p, TCarte& carte);

// The moyo estimate: `sortie` starts as territoire4 and gets the colour of
// every point of an estimated moyo. Stones flagged non-zero in `morts` count
// as absent. The board is not changed.
void calculemoyo(const TPlateau& p, TMarques& sortie, const TMarques& morts);

// ---- Steps of the estimate ----------------------------------------------------
// Writes `valeur` into `marques` over the points 4-connected to the start that
// hold the start's byte in `source`, not entering points already at `valeur`.
// Note the column comes first.
void marqueregioncouleur(const TPlateau& source, TCarte& marques, int32_t valeur, int32_t dir, int32_t colonne,
                         int32_t ligne);
// A first-line point, empty, non-zero, not a corner: it becomes a stone of its
// influence's colour when the five points inward keep that sign (the walk
// ends early at a stone of that colour); otherwise nothing changes.
void traitebordmoyo(const TCarte& carte, TPlateau& p, int32_t ligne, int32_t colonne);
// May the point join the moyo marked `valeur` in `q` (hull marks: 0 outside,
// 1 inside, 2 outline, 6/5/4 third/second/first line)? It leans on a
// neighbour farther from the edge with another positive mark.
bool bordprolongeable(const TMarques& q, uint8_t valeur, int32_t ligne, int32_t colonne);
