// Level control: the working level of the move from the clock and a speed
// measure of the machine, capped by the requested level, and the level
// parameters the analyses and readings read.
#pragma once

// Sets niveau and every level parameter; called by initmoteur. Consumes
// flagfuseki (clears it once applied).
void niveaureel();

// Times a fixed workload of stone plays with the tick counter and sets
// niveau from the time per move it allows.
void mesurevitesseordi();

// Sets the level parameters from niveau (the table and the flags).
void parametresniveau();
