// Stand-ins until the moyo, territory-attack and timing passes are in
// place: nothing written.
#include "engine/proposals/temporisation.h"

void gainmoyoessais() {}

void attaqueterritoireordi(const TCarte&, TCarte&) {}

void temporisation(TCarte&, TCarte&, TCarte&) {}
