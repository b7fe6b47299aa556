// Zone marking of the enclosed-chain reading.
#include "engine/reading/enclos_zone.h"

#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"

namespace {

// The zone flood and its box, empty count and exits.
struct FloodZone {
  const TMarques& morts;
  const TPlateau& p;
  TListePoints& l;
  int32_t cap;
  TMarques& zone;
  int32_t limite;
  uint8_t o;
  uint8_t& abandon;
  int32_t lmin = 20, lmax = 0, cmin = 20, cmax = 0;
  int32_t vides = 0;
  TPoint sorties[MAXSORTIESZONE] = {};
  int32_t nbsorties = 0;

  // An enemy chain that fences the zone: not in atari, not dead.
  bool cloture(int32_t j) const { return p[j] == o && libs(j) > 1 && !morts[j]; }

  void remplitzone(int32_t r, int32_t c, int32_t d) {
    // Mark, widen the box, list.
    const int32_t i = ix(r, c);
    zone[i] = 1;
    if (r < lmin) lmin = r;
    if (r > lmax) lmax = r;
    if (c < cmin) cmin = c;
    if (c > cmax) cmax = c;
    empilepoint(l, cap, r, c);
    // Empty points count; a first-line one under a second-line
    // fence stone is an exit, and the flood stops there.
    if (p[i] == VIDE) {
      if (++vides > limite) {
        abandon = 1;
        return;
      }
      if (bordgoban[i] && nbsorties < MAXSORTIESZONE) {
        const bool sortie = pastable(r, c, [&](int32_t r2, int32_t c2) {
          const int32_t j = ix(r2, c2);
          return distancebord[j] == 1 && cloture(j);
        });
        if (sortie) {
          sorties[nbsorties++] = TPoint{r, c};
          return;
        }
      }
    }
    // Fences are marked whole and not crossed; the rest is flooded.
    pasvoisins(r, c, d, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      if (zone[j]) return false;
      if (cloture(j)) {
        marquepionschaine(p, zone, 0, r2, c2);
        return false;
      }
      remplitzone(r2, c2, d2);
      return abandon != 0;
    });
  }
};

// The area flood: every empty point of the area inside the box, whatever
// it meets, so that the whole area is set in `vu` once tested.
struct FloodVide {
  const TPlateau& p;
  TMarques& vu;
  int32_t lmin, lmax, cmin, cmax;
  int32_t compte = 0;
  bool entoure = true;
  TPoint points[MAXVIDEENTOURE];

  void remplitvideentoure(int32_t r, int32_t c, int32_t d) {
    vu[ix(r, c)] = 1;
    if (compte < MAXVIDEENTOURE) points[compte] = TPoint{r, c};
    if (++compte > MAXVIDEENTOURE) entoure = false;
    pasvoisins(r, c, d, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      if (vu[j]) return false;
      if (r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax || p[j] != VIDE) {
        entoure = false;
        return false;
      }
      remplitvideentoure(r2, c2, d2);
      return false;
    });
  }
};

}  // namespace

bool regardesicevidenestentourequedetest1rec(const TPlateau& p, TMarques& vu, TMarques& zone, int32_t ligne,
                                             int32_t colonne, int32_t lmin, int32_t lmax, int32_t cmin,
                                             int32_t cmax, int32_t& compte) {
  FloodVide f{p, vu, lmin, lmax, cmin, cmax, 0, true, {}};
  f.remplitvideentoure(ligne, colonne, 0);
  compte = f.compte;
  if (f.entoure) {
    for (int32_t k = 0; k < f.compte; ++k) zone[ix(f.points[k].ligne, f.points[k].colonne)] = 1;
    return true;
  }
  if (f.compte > MAXVIDEENTOURE) affichecasesmarquees(p);
  return false;
}

void marquevidesentoures(const TMarques& morts, const TPlateau& p, TListePoints& l, int32_t cap, TMarques& zone,
                         TPoint& a, TPoint& b, int32_t ligne, int32_t colonne, int32_t limite, uint8_t o,
                         uint8_t& abandon) {
  // Start values; no exit yet.
  abandon = 0;
  a = b = TPoint{};
  FloodZone f{morts, p, l, cap, zone, limite, o, abandon};
  // Flood from the chain.
  f.remplitzone(ligne, colonne, 0);
  if (abandon) return;
  // One corner closed by two zone points.
  const int32_t n = configmoteur.taille;
  const int32_t coins[4][2] = {{1, 1}, {n, 1}, {1, n}, {n, n}};
  const int32_t bords[4][2] = {{2, 1}, {n - 1, 1}, {2, n}, {n - 1, n}};
  const int32_t autres[4][2] = {{1, 2}, {n, 2}, {1, n - 1}, {n, n - 1}};
  for (int32_t k = 0; k < 4; ++k) {
    if (!zone[ix(bords[k][0], bords[k][1])]) continue;
    const int32_t i = ix(coins[k][0], coins[k][1]);
    if (p[i] == VIDE && !zone[i] && zone[ix(autres[k][0], autres[k][1])]) zone[i] = 1;
    break;
  }
  // Enclosed empty areas inside the box.
  TMarques vu;
  bool premier = true;
  for (int32_t r = f.lmin; r <= f.lmax; ++r)
    for (int32_t c = f.cmin; c <= f.cmax; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != VIDE || zone[i]) continue;
      if (premier) {
        vu = zone;
        premier = false;
      } else if (vu[i]) {
        continue;
      }
      int32_t compte = 0;
      if (regardesicevidenestentourequedetest1rec(p, vu, zone, r, c, f.lmin, f.lmax, f.cmin, f.cmax, compte)) {
        f.vides += compte;
        if (f.vides > limite) {
          abandon = 1;
          return;
        }
      }
    }
  // Exits that still lead out of the zone.
  auto mene = [&](TPoint e) {
    return pastable(e.ligne, e.colonne, [&](int32_t r2, int32_t c2) { return zone[ix(r2, c2)] == 0; });
  };
  if (f.nbsorties == 1) {
    if (mene(f.sorties[0])) a = f.sorties[0];
  } else if (f.nbsorties == 2) {
    if (mene(f.sorties[0])) a = f.sorties[0];
    if (mene(f.sorties[1])) b = f.sorties[1];
  } else {
    for (int32_t k = 0; k < f.nbsorties; ++k) {
      if (!mene(f.sorties[k])) continue;
      if (a.ligne == 0) {
        a = f.sorties[k];
      } else if (b.ligne == 0) {
        b = f.sorties[k];
      } else {
        abandon = 1;
        return;
      }
    }
  }
}
