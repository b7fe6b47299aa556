// Program start-up, command line and the main read loop of Vesmok.
#pragma once
#include <cstdint>

// Reads the command line (argv[1..argc-1]) into the three settings.
// 0 parsed, 1 bad --level value (missing, not a number, outside 1 to 10),
// 2 bad --rules value. With result 0 and no
// valid size given, the sizes become 74 = {9, 13, 19}.
int32_t lignecommande(int argc, const char* const* argv, int32_t& niveau, uint8_t& regle, uint8_t& tailles);

// The whole program: start-up, the read loop until quit or the end of input,
// shut-down. The exit status: 0; 1 when standard output could no longer be
// written; 2 after a bad option (one line on stderr, no input read).
int vesmok(int argc, const char* const* argv);
