// Propagation searches for invasions: the propagation reading's question
// (how much of o's territory can stones of c claim when the area is played
// out locally?) asked from an invading chain and from a point next to weak
// owner chains. The owner's established stones count for the invader when
// they are lifted or captured, and the owner defends chains that could be
// lifted.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// From the chain of c through (ligne, colonne); arguments as lecturetactique.
// Below level 5 it is lecturetactique; a point without a stone of c goes to
// the point reading. Board and infochaine come back as they were; adds to
// compteurnoeudslecture, sets depassementpropagation when the budget was reached.
int32_t lancelecturerecu4(uint8_t chaineavant, uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne,
                          int32_t seuil, int32_t plafond);

// From the point next to owner chains of at most 2 liberties: 0 without
// such a chain, nothing read. Threshold and cap as lecturetactique; o moves first.
int32_t lancelecturerecu5(uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne, int32_t seuil,
                          int32_t plafond);

// Capacity of the weak-liberty list of lancelecturerecu5: the point and up
// to four chains of two liberties.
constexpr int32_t CAPACITELISTEFAIBLES = 9;
