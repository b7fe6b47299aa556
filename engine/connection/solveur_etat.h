// The solver's shared small routines: the atari scan that opens every move
// generator, the point tests and the list routines of the passes and of the
// main search. Only the solver's files include this header.
#pragma once
#include <cstdint>

#include "engine/board/acces.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/connection/solveur.h"

namespace solveur {

constexpr TPoint AUCUN{-1, -1};  // no killer move
inline bool estaucun(const TPoint& m) { return m.ligne < 0; }

// Atari states of a generator.
constexpr int32_t ETATCALME = 0;    // no chain in atari
constexpr int32_t ETATPRISE = 1;    // a chain of the other side is in atari: a capture is there
constexpr int32_t ETATDEFENSE = 2;  // the mover's own chain is in atari; the list is its liberties
constexpr int32_t ETATENCLOS = 3;   // a defender chain was found enclosed

// The scan, rows outer: the first chain with exactly one liberty decides. A
// chain of `autre` gives ETATPRISE; one of `camp` gives ETATDEFENSE with the
// list replaced by its liberties (marked in `marques`), unless a chain of
// `autre` is in atari anywhere (ETATPRISE). ETATCALME leaves list and marks alone.
int32_t etatatari(const TPlateau& p, uint8_t camp, uint8_t autre, TListePoints& coups, TMarques& marques);
// Some chain of a colour other than `couleur` has exactly one liberty.
bool chaineenatari(const TPlateau& p, uint8_t couleur);
// Some chain of `couleur` has exactly one liberty.
bool couleurenatari(const TPlateau& p, uint8_t couleur);
// The first liberty of the first chain of `couleur` in atari, rows outer;
// (0, 0) when there is none.
TPoint premiereprise(const TPlateau& p, uint8_t couleur);
// A point of the square of radius 2 around the point, itself excluded, holds a stone.
bool pierreproche(const TPlateau& p, int32_t ligne, int32_t colonne);
// Two empty neighbours, or a neighbour of `couleur` in atari, or a neighbour
// of the other colour with more than 2 liberties.
bool pointvivant(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne);
// One of the eight surrounding points holds a stone whose chain has fewer
// than 3 liberties.
bool voisin8faible(const TPlateau& p, int32_t ligne, int32_t colonne);
// Appends the unmarked empty table neighbours of the point, marking them.
void videsvoisins(const TPlateau& p, TListePoints& l, int32_t cap, int32_t ligne, int32_t colonne,
                  TMarques& marques);
// Walks the chain through the point (points of its content, no step back),
// labelling its stones `label` and listing the unmarked empty points met,
// marked 1, up to `cap`.
void libertesregion(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t label, int32_t dir, int32_t ligne,
                    int32_t colonne, TMarques& marques);
// Reorders the list in three stable groups: next to a chain of `autre` with
// fewer than 3 liberties, next to one of `camp`, the rest.
void ordonnecoups(const TPlateau& p, TListePoints& l, uint8_t camp, uint8_t autre);
// The point of a list entry k (from 1).
inline TPoint pointliste(const TListePoints& l, int32_t k) { return TPoint{l[2 * k], l[2 * k + 1]}; }

}  // namespace solveur
