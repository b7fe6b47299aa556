// Convex hull of marked points: gift wrapping over the marked points, the
// hull's edges drawn point to point, the inside flood-filled. Boards here
// are mark maps in the board layout.
#pragma once
#include <cstdint>
#include <vector>

#include "engine/board/coups.h"
#include "engine/board/types.h"

// Overwrites `sortie` whole: 0 outside, 2 on a hull vertex or a drawn edge
// (with fewer than two marked points, on the marked point), 1 filled inside.
// Any non-zero byte of `entree` marks a point; rows and columns 1..taille.
void enveloppeconvexe(const TMarques& entree, TMarques& sortie, int32_t taille);

// The plane-geometry steps of the hull, for the tests.
namespace enveloppe {

// Points and difference vectors: (row, column), colour 1 for a point, 2 for a vector.
using TListeSommets = std::vector<TCoups>;

// Index of the point of smallest row, then smallest column (the first of
// equals); 0 when the list holds fewer than two points.
int32_t pointpivot(const TListeSommets& l);
// sortie := vers - de, colour 2.
void vecteur(const TCoups& de, const TCoups& vers, TCoups& sortie);
// a.row * b.col - a.col * b.row.
int32_t produitvectoriel(const TCoups& a, const TCoups& b);
bool orientationpositive(const TCoups& a, const TCoups& b);  // cross >= 0
bool orientationnegative(const TCoups& a, const TCoups& b);  // cross < 0
bool alignes(const TCoups& a, const TCoups& b);              // cross = 0
// Euclidean distance rounded to the nearest integer, halves to even.
int32_t distancepoints(const TCoups& p, const TCoups& q);
int32_t signe(int32_t x);
// Bounding box of the list; the outputs are left alone for an empty list.
void rectangleenglobant(const TListeSommets& l, int32_t& lmin, int32_t& cmin, int32_t& cmax, int32_t& lmax);
// Draws an 8-connected integer segment with the value 2, both ends included.
void tracesegment(int32_t l0, int32_t c0, int32_t l1, int32_t c1, TMarques& sortie);
// A non-zero byte is met from the point (itself included) in each of the four
// directions before leaving the box.
bool pointinterieur(int32_t ligne, int32_t colonne, int32_t lmin, const TMarques& sortie, int32_t cmax,
                    int32_t lmax, int32_t cmin);
// 4-neighbour flood fill with the value 1 over zero bytes, within 1..taille.
void remplissagezone(TMarques& sortie, int32_t ligne, int32_t colonne, int32_t taille, int32_t dir);
// Gift wrapping from the pivot: the hull vertices in the order found.
void calculenveloppe(int32_t taille, const TListeSommets& points, TListeSommets& sommets);

}  // namespace enveloppe
