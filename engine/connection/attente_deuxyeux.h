// Two-eye reading of a chain, until its unit is in.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

bool testdeuxyeuxpossible(TPlateau& p, int32_t ligne, int32_t colonne, int32_t mode);
