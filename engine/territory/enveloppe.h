// Convex hull of a set of points.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// Writes into `sortie` the convex hull of the first `nombre` points of `points`.
void enveloppeconvexe(const TListePoints& points, TListePoints& sortie, int32_t nombre);
