// The opening libraries' suggestion maps that the engine's move entry asks
// for (the front end's game hand-off offers the same two requests).
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// Suggestion maps of the opening libraries for the engine's move entry;
// 361 zero bytes when the library is missing (or, for fuseki, of another size).
void demandejoseki(uint8_t camp, const TConfig& config, const TPlateau& plateau, TMarques& sortie);
void demandefuseki(uint8_t camp, const TConfig& config, const TPlateau& plateau, TMarques& sortie);
