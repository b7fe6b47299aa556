// Program start-up, command line and the main read loop of Vesmok.
#pragma once
#include <cstdint>

// Size bit of a board size: 1 for 9, 2 for 11, ... 6 for 19; 0 for any other value.
int indextaille(int32_t taille);

// Reads the command line (argv[1..argc-1]) into the three settings.
// 0 parsed, 1 bad --level value, 2 bad --rules value. With result 0 and no
// valid size given, the sizes become 74 = {9, 13, 19}.
int32_t lignecommande(int argc, const char* const* argv, int32_t& niveau, uint8_t& regle, uint8_t& tailles);

// The whole program: start-up, the read loop until quit or the end of input,
// shut-down. The exit status (always 0).
int vesmok(int argc, const char* const* argv);
