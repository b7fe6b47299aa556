#include "engine/connection/attente_deuxyeux.h"

bool testdeuxyeuxpossible(TPlateau&, int32_t, int32_t, int32_t) { return false; }
