// Unit listecoups: point lists and point sets.
#include "engine/board/listecoups.h"

#include "engine/board/acces.h"
#include "engine/board/pas.h"

namespace {

// Marking append: an empty point not yet in `marques`.
inline void ajoutemarque(TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (p[i] != VIDE || marques[i]) return;
  if (empilepoint(l, cap, r, c)) marques[i] = 1;
}
}  // namespace

int32_t ajoutecaseliste(int32_t ligne, int32_t colonne, TListePoints& l, int32_t cap) {
  const int32_t n = l[0];
  for (int32_t k = 1; k <= n; ++k)
    if (l[2 * k] == ligne && l[2 * k + 1] == colonne) return k;
  return empilepoint(l, cap, ligne, colonne) ? n + 1 : 0;
}

void listevidesvoisins(const TPlateau& p, TListePoints& l, int32_t cap, int32_t ligne, int32_t colonne) {
  pas8(ligne, colonne, [&](int32_t r, int32_t c) {
    if (p[ix(r, c)] == VIDE) empilepoint(l, cap, r, c);
    return false;
  });
}

void listevidesautourmarque(TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap, int32_t ligne,
                            int32_t colonne) {
  ajoutemarque(marques, p, l, cap, ligne, colonne);
  pas8(ligne, colonne, [&](int32_t r, int32_t c) {
    ajoutemarque(marques, p, l, cap, r, c);
    return false;
  });
}

void listevidesvoisinsmarque(TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap, int32_t r1,
                             int32_t c1, int32_t r2, int32_t c2) {
  pas8(r1, c1, [&](int32_t r, int32_t c) {
    ajoutemarque(marques, p, l, cap, r, c);
    return false;
  });
  pas4(r2, c2, ORDREPREDICATS, [&](int32_t r, int32_t c) {
    ajoutemarque(marques, p, l, cap, r, c);
    return false;
  });
}

void listevidescarresmarque(TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap, int32_t r1,
                            int32_t c1, int32_t r2, int32_t c2, int32_t d) {
  const int32_t n = configmoteur.taille;
  // Walks the clamped square of half-width h around (r, c), corners skipped;
  // true when the square covers the whole board.
  auto carre = [&](int32_t r, int32_t c, int32_t h) {
    const int32_t lmin = r - h < 1 ? 1 : r - h, lmax = r + h > n ? n : r + h;
    const int32_t cmin = c - h < 1 ? 1 : c - h, cmax = c + h > n ? n : c + h;
    for (int32_t a = lmin; a <= lmax; ++a)
      for (int32_t b = cmin; b <= cmax; ++b) {
        if ((a == lmin || a == lmax) && (b == cmin || b == cmax)) continue;
        ajoutemarque(marques, p, l, cap, a, b);
      }
    return lmin == 1 && lmax == n && cmin == 1 && cmax == n;
  };
  for (int32_t k = 0;; ++k) {
    carre(r1, c1, d + k);
    const bool tout = carre(r2, c2, d + k);
    if (l[0] > 6 || tout) return;
  }
}

void seuleliberteisolee(TPoint& lib, const TPlateau& p, int32_t ligne, int32_t colonne) {
  lib.ligne = 0;
  int32_t trouve = 0;
  const uint8_t x = p[ix(ligne, colonne)];
  pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r, int32_t c) {
    const uint8_t v = p[ix(r, c)];
    if (v == VIDE) {
      if (++trouve > 1) {
        lib.ligne = 0;
        return true;
      }
      lib = TPoint{r, c};
    } else if (v == x) {
      lib.ligne = 0;
      return true;
    }
    return false;
  });
}

void listevidesjouables(const TPlateau& p, TListePoints& l, int32_t cap) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != VIDE || !casescandidates[i]) continue;
      const bool faible = pastable(r, c, [&](int32_t r2, int32_t c2) {
        const int32_t j = ix(r2, c2);
        return p[j] != VIDE && infochaine[j][0] < 3;
      });
      if (faible) ajoutecaseliste(r, c, l, cap);
    }
}

namespace {
TListePoints restefinliste;  // scratch of elaguefinliste
}  // namespace

void elaguefinliste(uint8_t couleur, int32_t k, const TMarques& a, TListePoints& l, int32_t cap, const TMarques& c,
                    const TMarques& b) {
  const int32_t n = l[0];
  if (n <= k) return;
  TListePoints& reste = restefinliste;
  reste[0] = 0;
  for (int32_t q = k + 1; q <= n; ++q) {
    const int32_t r = l[2 * q], col = l[2 * q + 1];
    const int32_t i = ix(r, col);
    const bool enleve = !a[i] && !b[i] && (c[i] || territoire[i] == couleur);
    if (!enleve) empilepoint(reste, MAXPOINTSLISTE, r, col);
  }
  l[0] = k;
  for (int32_t q = 1; q <= reste[0]; ++q) empilepoint(l, cap, reste[2 * q], reste[2 * q + 1]);
}
