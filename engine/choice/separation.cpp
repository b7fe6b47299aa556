// Link moves against the risk of separation `genereliecarrisqueseparation`.
#include "engine/choice/separation.h"

#include <algorithm>

#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/trace.h"
#include "engine/choice/bonus.h"
#include "engine/proposals/cadre.h"
#include "engine/reading/prise.h"

namespace {

constexpr int32_t CAPACITECOUPS = 300;  // the move record of the trial plays

// The trial stone at the point dies in that side's dead marks.
bool meurt(const TCartesParPoint& morts, int32_t r, int32_t c) { return morts[r - 1][c - 1][indexcase(r, c)] != 0; }

}  // namespace

void genereliecarrisqueseparation(const TCartesAnalyse& cartesE, const TCartesAnalyse& cartesO,
                                  TCarte& invasionforteO, uint8_t E, uint8_t O, TPlateau& p, TListePoints& candidats) {
  TCarte &risqueE = cartesE.atari, &risqueO = cartesO.atari;
  TCarte &separationE = cartesE.separation, &separationO = cartesO.separation;
  const TCartesParPoint &mortsessaiE = cartesE.mortsapresessai, &mortsessaiO = cartesO.mortsapresessai;
  const int32_t n = configmoteur.taille;
  // Points where a trial stone dies.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (meurt(mortsessaiE, r, c) || meurt(mortsessaiO, r, c)) {
        const int32_t i = indexcase(r, c);
        risqueE[i] = risqueO[i] = separationE[i] = separationO[i] = 0;
      }
  // Damping.
  if (compteurinvasions2 > 0 || maxsurvie > 1 || maxfortification > 1) {
    int32_t m = 0;
    if (maxsurvie > 1 || maxfortification > 1) {
      m = 20;
    } else {
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t c = 1; c <= n; ++c) m = std::max(m, invasionforteO[indexcase(r, c)]);
    }
    if (m > 10)
      for (int32_t i = 0; i < NBCASES; ++i) {
        if (risqueE[i] > 0) risqueE[i] /= 10;
        if (risqueO[i] > 0) risqueO[i] /= 10;
      }
  }
  // The points from which the engine holds the link.
  {
    TGardeEssai garde(p);
    TCarte S = risqueE;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t v = risqueE[indexcase(r, c)];
        if (v <= 0) continue;
        pastable(r, c, [&](int32_t a, int32_t b) {
          const int32_t j = indexcase(a, b);
          if (!casescandidates[j] || meurt(mortsessaiE, a, b)) return false;
          TListePoints prises{};
          jouecoup(prises, CAPACITECOUPS, p, a, b, E, O);
          TPrisesMarquees marquees{};
          marquees[0] = nbpoints(prises);
          for (int32_t k = 1; k <= nbpoints(prises); ++k) {
            const int32_t x = ligneliste(prises, k), y = colonneliste(prises, k);
            marquees[3 * k] = x;
            marquees[3 * k + 1] = y;
            marquees[3 * k + 2] = pionsmorts[indexcase(x, y)] ? 1 : 0;
          }
          int32_t score = 0;
          liaisonchainesenatari(score, marquees, p, O, E, r, c);
          if (score == 0) {
            S[j] = v;
          } else {
            TListePoints prises2{};
            jouecoup(prises2, CAPACITECOUPS, p, r, c, O, E);
            const int32_t i = indexcase(r, c);
            if (p[i] == O && (infochaine[i][0] == 1 || testprise(p, r, c, 11, 5, O, pointko))) S[j] = v;
          }
          garde.restaure();
          return false;
        });
      }
    risqueE = S;
  }
  // The list.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (int64_t{risqueE[i]} + risqueO[i] > 0) proposecase(candidats, CAPACITELISTECANDIDATS, r, c);
    }
  affichecartecouleur("liecarrisqueseparation", risqueE, E);
  affichecartecouleur("liecarrisqueseparation", risqueO, O);
}
