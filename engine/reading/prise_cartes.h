// Reading map helpers: maps and lists with which the chain-marking passes
// and the move choice drive the capture reading.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Sets ciblesnoires (black stone) or ciblesblanches (any other point) where
// `marques` is nonzero; neither map is cleared first.
void marquepionsparcouleur(const TPlateau& p, const TMarques& marques);

// Fills infochainelecture: infochaine without the shared liberties between
// one strong black chain and one strong white chain. infochaine is left as it was.
void preparecartelecture(const TPlateau& p);

// Walk over stones of chains with at most n liberties (never onto empty or
// marked points): appends the chain heads met, marks every visited point.
void chainesfaiblesaccessibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t n, int32_t dir, int32_t r,
                               int32_t c, TMarques& marques);

// Chains around (r, c) within the window of half-width w, reached through
// empty points and chains with at most `bornelibertes` liberties: dead chains
// of the start's colour, and with drapeau <= 0 live chains of the other
// colour, not yet set in `marques` (marked whole there, one stone listed).
void chainesdansfenetre(TMarques& marques, TListePoints& l, const TPlateau& p, int32_t drapeau, int32_t w,
                        int32_t bornelibertes, int32_t r, int32_t c);
