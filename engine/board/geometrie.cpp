// Board geometry: windows, corners and symmetries.
#include "engine/board/geometrie.h"

#include "engine/board/etat.h"

void bornesfenetre(int32_t ligne, int32_t colonne, int32_t r, int32_t& lmin, int32_t& lmax, int32_t& cmin,
                   int32_t& cmax) {
  const int32_t n = configmoteur.taille;
  lmin = maxi(ligne - r, 1);
  lmax = mini(ligne + r, n);
  cmin = maxi(colonne - r, 1);
  cmax = mini(colonne + r, n);
}

namespace {

// Some point of the clipped window, centre excluded, satisfies `test`.
template <class F>
bool dansfenetre(int32_t ligne, int32_t colonne, int32_t r, F test) {
  int32_t lmin, lmax, cmin, cmax;
  bornesfenetre(ligne, colonne, r, lmin, lmax, cmin, cmax);
  for (int32_t l = lmin; l <= lmax; ++l)
    for (int32_t c = cmin; c <= cmax; ++c)
      if ((l != ligne || c != colonne) && test(indexcase(l, c))) return true;
  return false;
}

}  // namespace

bool zoneoccupee(const TPlateau& p, int32_t ligne, int32_t colonne) {
  if (p[indexcase(ligne, colonne)] != VIDE) return true;
  return dansfenetre(ligne, colonne, 1, [&](int i) { return p[i] != VIDE; });
}

bool voisinsoccupes(const TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t n = configmoteur.taille;
  if (p[indexcase(ligne, colonne)] != VIDE) return true;
  if (ligne < n && p[indexcase(ligne + 1, colonne)] != VIDE) return true;
  if (ligne > 1 && p[indexcase(ligne - 1, colonne)] != VIDE) return true;
  if (colonne < n && p[indexcase(ligne, colonne + 1)] != VIDE) return true;
  if (colonne > 1 && p[indexcase(ligne, colonne - 1)] != VIDE) return true;
  return false;
}

bool carreoccupe(const TPlateau& p, int32_t r, int32_t ligne, int32_t colonne) {
  return dansfenetre(ligne, colonne, r, [&](int i) { return p[i] != VIDE; });
}

bool couleurdanscarre(uint8_t c, const TMarques& carte, int32_t r, int32_t colonne, int32_t ligne) {
  return dansfenetre(ligne, colonne, r, [&](int i) { return carte[i] == c; });
}

bool couleurdanscarre2(const TMarques& carte, int32_t r, int32_t ligne, uint8_t c, int32_t colonne) {
  return couleurdanscarre(c, carte, r, colonne, ligne);
}

bool marquedanscarre(const TMarques& carte, int32_t r, int32_t ligne, int32_t colonne) {
  return couleurdanscarre(1, carte, r, colonne, ligne);
}

bool coinsoccupes(const TPlateau& p) {
  const int32_t n = configmoteur.taille;
  const int32_t k = (n == 19) ? 4 : (n >= 13 ? 3 : 2);
  const int32_t coins[4][2] = {{k, k}, {k, n + 1 - k}, {n + 1 - k, n + 1 - k}, {n + 1 - k, k}};
  for (const auto& coin : coins) {
    if (!zoneoccupee(p, coin[0], coin[1]) && !carreoccupe(p, 2, coin[0], coin[1])) return false;
  }
  return true;
}

bool coinlibre(const TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t n = configmoteur.taille;
  auto pris = [&](int32_t l, int32_t c) {
    if (l < 1 || l > n || c < 1 || c > n) return false;
    const int i = indexcase(l, c);
    return p[i] != VIDE || territoire[i] != VIDE || territoire2[i] != VIDE;
  };
  for (int32_t d = 1; d <= 3; ++d) {
    if (ligne == 1 && pris(1 + d, colonne)) return true;
  }
  for (int32_t d = 1; d <= 3; ++d) {
    if (ligne == n && pris(n - d, colonne)) return true;
  }
  for (int32_t d = 1; d <= 3; ++d) {
    if (colonne == 1 && pris(ligne, 1 + d)) return true;
  }
  for (int32_t d = 1; d <= 3; ++d) {
    if (colonne == n && pris(ligne, n - d)) return true;
  }
  return false;
}

namespace {
constexpr bool inversesjustes() {
  for (int32_t k = 0; k < 8; ++k)
    if (composesymetries(SYMETRIES[k].inverse, k) != 0) return false;
  return true;
}
static_assert(inversesjustes(), "each symmetry's inverse must undo it");
}  // namespace

void pointsymetrique(int32_t ligne, int32_t colonne, int32_t k, int32_t& l2, int32_t& c2) {
  if (k < 0 || k > 7) return;
  l2 = ligne;
  c2 = colonne;
  imagesymetrique(k, configmoteur.taille + 1, l2, c2);
}

void symetrie(int32_t ligne, int32_t colonne, int32_t a, int32_t b, int32_t k, int32_t& l2, int32_t& c2) {
  const int32_t n = configmoteur.taille;
  l2 = 0;
  c2 = 0;
  if (k < 0 || k > 7) return;
  imagesymetrique(ORIENTATIONS[k], 0, a, b);
  if (ligne + a < 1 || ligne + a > n || colonne + b < 1 || colonne + b > n) return;
  l2 = ligne + a;
  c2 = colonne + b;
}
