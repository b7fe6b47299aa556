// Level control: the working level of the move from the clock and a speed
// measure of the machine, capped by the requested level, and the level
// parameters the analyses and readings read.
#pragma once
#include <cstdint>

// Sets niveau and every level parameter; called by initmoteur. Under
// flagfuseki the fixed strong set; the flag is left as it is.
void niveaureel();

// Times a fixed workload of stone plays with the tick counter and sets
// niveau from the time per move it allows.
void mesurevitesseordi();

// The time of one move in seconds: `temps` over the stones left in a
// byo-yomi period, else over half the moves left of a game of
// 0.8 x taille^2 moves (at least ten) after `coups` moves.
double tempsparcoup(int32_t temps, int32_t pierres, int32_t taille, int32_t coups);

// The seconds a search of one move may take without a clock at level `n`
// (levels outside 1..10 take the nearest), from the table beside the
// parameters.
int32_t tempscoupdefaut(int32_t n);

// A deadline of the high-resolution counter (finrecherche, finanalyses;
// 0 = none) has passed.
bool echeancepassee(uint64_t fin);

// Sets the level parameters from niveau (the table and the flags).
void parametresniveau();
