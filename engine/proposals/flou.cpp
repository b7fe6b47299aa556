// Fuzzy territory and attack tests.
#include "engine/proposals/flou.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/pas.h"

namespace {

// Calls f(j) on every point of the board; stops when f returns true.
template <class F>
bool chaquepoint(F&& f) {
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (f(ix(r, c))) return true;
  return false;
}

}  // namespace

void distancevoisins(TCarte& flou, const TPlateau& p, uint8_t A) {
  TCarte travail = zerobonus;
  // Empty points of A's second territory take one less than their best neighbour, or 5.
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != VIDE || territoire2[j] != A) continue;
      int32_t m = 0;
      pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        m = std::max(m, flou[ix(r2, c2)]);
        return false;
      });
      travail[j] = m > 0 ? std::max(flou[j], m - 1) : 5;
    }
  // Written after the sweep, so no value feeds the same sweep.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (travail[j] != 0) flou[j] = travail[j];
}

void testjeperdafond(const TPlateau&, const TCarte&, const TCartesEssaisCote& essaisA, uint8_t B, uint8_t,
                     const TMarques& faiblesse) {
  const TCarte& faitmortA = essaisA.faitmort;
  const TMarques &testvitA = essaisA.sauves, &testtueA = essaisA.tues;
  // Only when attacking from behind in the middle game.
  if (strategie != 0 || !phasedebut || coupdecide || !enretard) {
    flagattaque = 0;
    return;
  }
  // Already attacking, or far behind: attack.
  if (flagattaque || bilanscore <= -10.0) {
    flagattaque = 1;
    ecritdebug("je perd a fond il faut que j attaque");
    return;
  }
  // Something else at stake holds the attack back.
  const bool retenue = chaquepoint([&](int32_t j) {
    return (faiblesse[j] && (territoire[j] == B || territoire2[j] == B)) || faitmortA[j] > 6 || testtueA[j] > 2 ||
           testvitA[j] >= 2;
  });
  if (retenue) {
    flagattaque = 0;
    return;
  }
  flagattaque = 1;
  ecritdebug("je perd a fond il faut que j attaque");
}

void multiplieterritoireflou(const TPlateau&, TCarte& flou, const TCartesEssaisCote& essaisA,
                             const TCartesEssaisCote& essaisB, uint8_t A, const TMarques& faiblesse) {
  const TCarte& faitmortA = essaisA.faitmort;
  const TMarques& testtueA = essaisA.tues;
  const TMarques &testvitB = essaisB.sauves, &testtueB = essaisB.tues;
  // Danger to A's area or stones: no multiplying.
  const bool danger = chaquepoint([&](int32_t j) {
    return (faiblesse[j] && (territoire[j] == A || territoire2[j] == A)) || testtueB[j] > 2 || testvitB[j] >= 3;
  });
  if (danger) {
    ecritdebug("Y A DU DANGER");
    flagdanger2 = 1;
    return;
  }
  // Only with nothing more urgent and territory left to take.
  if (territoireaprendre[1] <= compteurinvasions || !phasedebut || coupdecide || maxfortification > 2 ||
      compteurinvasions2 > territoireaprendre[1] + 2 || maxsurvie > 2 || procedurefinpartie || strategie == 1 ||
      flagterritoire > 2 || flagfortification > 2 || flagdanger > 0)
    return;
  // Partial when the engine can kill somewhere.
  const bool partiel = chaquepoint([&](int32_t j) { return faitmortA[j] > 6; });
  flagdanger3 = partiel ? 2 : 1;
  ecritdebug(partiel ? "multiplie territoireflou partiel" : "multiplie territoireflou");
  // The fuzzy values times 5.
  chaquepoint([&](int32_t j) {
    if (territoire2[j] == A && flou[j] == 5) return false;
    if (partiel && testtueA[j] == 0) return false;
    flou[j] *= 5;
    return false;
  });
}

void bonuschainesenatari(int32_t& total, const TPlateau& p, uint8_t propre, uint8_t c) {
  chaquepoint([&](int32_t j) {
    if (infochaine[j][1] != 0 && infochaine[j][0] == 1 && !pionsmorts[j] && p[j] == c)
      total += (c == propre ? -10 : 10) * infochaine[j][1];
    return false;
  });
}
