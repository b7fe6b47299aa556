// Enclosed-chain marking of the whole board.
#include "engine/territory/marquagedeb.h"

#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/territory/enclos.h"

namespace {

// Marks of the pass on the chains read.
constexpr uint8_t DEBMARQUEETUEE = 1;   // killed
constexpr uint8_t DEBMARQUEAUTRE = 2;   // not read to an end
constexpr uint8_t DEBMARQUEZONE = 4;    // not killed, or zoned only

// Scratch of the pass: chain marks, weak stones, the dead map handed to the
// readings, the zone map, and one filled board per colour.
TMarques marquesdeb, faiblesdeb, mortsdeb, zonedeb;
TMarques rempliedeb[2];

}  // namespace

void testdebtouteschaines(TPlateau& p, const TMarques& marques, uint8_t couleur) {
  const int32_t n = taillemoteur();
  // Marks cleared; the weak stones noted.
  TMarques& a = marquesdeb;
  TMarques& b = faiblesdeb;
  a = marquesvides;
  b = marquesvides;
  uint8_t remplie[2] = {0, 0};
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (p[i] == VIDE || marquesglobales[i]) continue;
    if ((p[i] == couleur && pionsmorts[i]) || (p[i] != couleur && marques[i])) b[i] = 1;
  }
  // Every chain read.
  mortsdeb = pionsmorts;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] == VIDE || infochaine[i][1] == 0 || a[i] || marquesglobales[i]) continue;
      if (couleur == 2 && pionsmorts[i]) continue;
      const uint8_t dernier = couleur == 2 ? p[i] : couleur;
      const uint8_t dejamort = pionsmorts[i] ? 1 : 0;
      const int32_t res = testdeb(p, rempliedeb[p[i]], remplie[p[i]], mortsdeb, zonedeb, b, r, c, dernier, pointko,
                                  TPoint{}, dejamort);
      // A killed chain is marked dead; otherwise its zone or other mark is painted.
      if (res == DEBTUEE) marquepionschaine(p, a, 0, r, c);
      else peintchaine(p, a, res == DEBVIVANTE ? DEBMARQUEZONE : DEBMARQUEAUTRE, r, c);
    }
  // Both colours: the killed chains become dead marks.
  if (couleur == 2) {
    for (int32_t i = 0; i < NBCASES; ++i)
      if (a[i] == DEBMARQUEETUEE) pionsmorts[i] = 1;
    return;
  }
  const bool ordi = couleur == couleurordi;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (a[i] != DEBMARQUEETUEE && a[i] != DEBMARQUEZONE) continue;
      if (a[i] == DEBMARQUEETUEE) pionsmorts[i] = 1;
      TEssaiCoup& rec = ordi ? essaiordi(r, c) : essaijoueur(r, c);
      rec.liensessai[i] |= BITTUEESSAI;
    }
}
