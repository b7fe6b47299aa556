// The GTP command table of Vesmok with the handlers of its 24 commands, the
// handicap point tables, the komi words and the board-size bits.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/gtp.h"

// The 24 commands, each word with its handler, in the order of list_commands.
// Given to the protocol layer at start-up.
extern const TCommandeGtp tabmotsgtp[24];

// Size bit of a board size: 1 for 9, 2 for 11, ... 6 for 19; 0 for any other value.
int indextaille(int32_t taille);

// The fixed handicap points (row, column) for n = 2..9, in placing order.
std::vector<std::pair<int32_t, int32_t>> gtphandicapfixe(int32_t taille, int32_t n);
// Free handicap reply for n stones: word k of the size's list, then one
// space, for k = 1..n (bare spaces once the list runs out).
std::string gtphandicaplibre(int32_t taille, int32_t n);

// Komi word: an optional sign, digits with at most one decimal mark ('.' or
// ','), at least one digit. False on anything else, whatever the locale.
bool gtplitkomi(std::string_view mot, double& komi);
