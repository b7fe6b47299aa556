// Weak-wall test of the enclosed-chain reading: does every wall chain reach
// safe ground on the territory-filled board?
#include <array>

#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/territory/enclos.h"
#include "engine/territory/preparation.h"

namespace {

constexpr int32_t ZONEINTERDITE = -1;  // zone points: no flood enters them
constexpr int32_t VIDESSUFFISANTS = 9;  // more empty points reached than this is safe ground

// The flood of one wall chain over the filled board: it enters empty points
// and stones that are not the owner's (owner stones only when dead), stops at
// dead enemy stones, and succeeds at a live group's stone, at a point another
// wall chain already reached, or past VIDESSUFFISANTS empty points.
struct FloodMur {
  const TPlateau& remplie;
  const TMarques& morts;
  std::array<int32_t, NBCASES>& atteint;
  uint8_t c;
  int32_t numero;
  int32_t vides = 0;
  bool succes = false;

  void remplitmur(int32_t r, int32_t col, int32_t d) {
    atteint[ix(r, col)] = numero;
    pasvoisins(r, col, d, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      const int32_t a = atteint[j];
      if (a == numero || a == ZONEINTERDITE) return false;
      if (a > 0) return succes = true;
      const uint8_t x = remplie[j];
      if (x == VIDE) {
        if (++vides > VIDESSUFFISANTS) return succes = true;
      } else if (x == c) {
        if (!morts[j]) return false;
      } else {
        if (morts[j]) return false;
        if (marquesglobales[j]) return succes = true;
      }
      remplitmur(r2, c2, d2);
      return succes;
    });
  }
};

}  // namespace

bool testmurfaible(const TPlateau& p, TMarques& carteremplie, uint8_t& remplie, const TMarques& morts,
                   const TMarques& zone, const TMarques& faibles, uint8_t o, uint8_t c) {
  for (int32_t i = 0; i < NBCASES; ++i)
    if (zone[i] == ZONEMUR && faibles[i] == 1) return true;
  // The filled board of this colour, made once per caller.
  if (!remplie) {
    carteremplie = p;
    evaluezones2(morts, 0, carteremplie, o, c);
    remplie = 1;
  }
  std::array<int32_t, NBCASES> atteint{};
  for (int32_t i = 0; i < NBCASES; ++i)
    if (zone[i] != 0 && zone[i] != ZONEMUR) atteint[i] = ZONEINTERDITE;
  const int32_t n = configmoteur.taille;
  int32_t numero = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = ix(r, col);
      if (zone[i] != ZONEMUR || atteint[i] != 0) continue;
      FloodMur f{carteremplie, morts, atteint, c, ++numero};
      if (marquesglobales[i]) f.succes = true;
      else f.remplitmur(r, col, 0);
      if (!f.succes) return true;
      TMarques chaine = marquesvides;
      marquepionschaine(p, chaine, 0, r, col);
      for (int32_t j = 0; j < NBCASES; ++j)
        if (chaine[j]) atteint[j] = numero;
    }
  return false;
}
