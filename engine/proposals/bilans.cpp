// Position balances.
#include "engine/proposals/bilans.h"

#include "engine/board/acces.h"
#include "engine/board/balayages.h"
#include "engine/board/formes.h"
#include "engine/board/garde.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/moyo.h"

namespace {

inline uint8_t autrecouleur(uint8_t c) { return c == NOIR ? BLANC : NOIR; }

bool vivant(const TPlateau& p, int32_t r, int32_t c, uint8_t x) {
  return surplateaumoteur(r, c) && p[ix(r, c)] == x && !pionsmorts[ix(r, c)];
}

// Regions of empty points (and dead stones) that one colour alone borders:
// calls f(owner, size) for each, `vu` serving as visited map.
template <class F>
void regions(const TPlateau& p, TMarques& vu, F&& f) {
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != VIDE || vu[j]) continue;
      int32_t taillezone = 0, etat = 0;
      uint8_t proprietaire = VIDE;
      zonevideetfrontiere(taillezone, etat, proprietaire, 0, r, c, vu, p);
      if (etat == 1) f(proprietaire, taillezone);
    }
}

// The region balance of calculbilan and calculbilan2, signed for `propre`.
int32_t bilanregions(const TListePoints& liste, int32_t cap, const TPlateau& p, uint8_t c, uint8_t propre) {
  const uint8_t o = autrecouleur(c);
  TMarques marques = marquesvides;
  marquepetiteschaines(nbpoints(liste) < cap ? nbpoints(liste) : cap, liste, p, o, marques);
  int32_t penalites = 0;
  penaliteschaines(penalites, marques, p, o, c);
  int32_t total = -5 * penalites;
  regions(p, marques, [&](uint8_t proprietaire, int32_t n) {
    if (proprietaire == c) total += 5 * n;
  });
  for (int32_t j = 0; j < NBCASES; ++j)
    if (pionsmorts[j] && p[j] != VIDE && p[j] != c) total += 10;
  return c == propre ? total : -total;
}

// Divisor of the influence counts by class.
int32_t diviseurclasse(int32_t classe) {
  if (classe <= 0) return 1;
  if (classe <= 2) return classe + 1;
  if (classe <= 4) return 4;
  if (classe <= 6) return 5;
  return 6;
}

}  // namespace

void penaliteschaines(int32_t& compte, TMarques& marques, const TPlateau& p, uint8_t x, uint8_t y) {
  const int32_t n = taillemoteur();
  // (r, c) on the first line, (dr, dc) inward, (er, ec) along the edge.
  const auto teste = [&](int32_t r, int32_t c, int32_t dr, int32_t dc, int32_t er, int32_t ec) {
    if (p[ix(r, c)] != VIDE || !vivant(p, r + dr, c + dc, y)) return;
    if (vivant(p, r + er, c + ec, x) || vivant(p, r - er, c - ec, x) || vivant(p, r + dr + er, c + dc + ec, x) ||
        vivant(p, r + dr - er, c + dc - ec, x)) {
      marques[ix(r, c)] = 1;
      ++compte;
    }
  };
  for (int32_t i = 2; i <= n - 1; ++i) {
    teste(1, i, 1, 0, 0, 1);
    teste(n, i, -1, 0, 0, 1);
    teste(i, 1, 0, 1, 1, 0);
    teste(i, n, 0, -1, 1, 0);
  }
}

void comptepionsmorts(const TPlateau& p, int32_t& noirs, int32_t& blancs) {
  noirs = blancs = 0;
  for (int32_t j = 0; j < NBCASES; ++j) {
    if (!pionsmorts[j]) continue;
    if (p[j] == NOIR) ++noirs;
    else if (p[j] == BLANC) ++blancs;
  }
}

int32_t bilanterritoire(TPlateau& p, uint8_t c, uint8_t k, int32_t colonne, int32_t ligne) {
  // The dead marks are the pass's only for this count.
  Restaure<TMarques> morts(pionsmorts);
  int32_t changements = 0;
  const int32_t dernier = ligne != 0 && p[ix(ligne, colonne)] == k ? 0 : ligne;
  detectetatchaines(changements, p, niveaumin3 ? 1 : 0, dernier, colonne, 0, VIDE);
  // Dead stones, ten each, and the regions' owners.
  int32_t total = 0;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (pionsmorts[j] && p[j] != VIDE) total += p[j] == c ? -10 : 10;
  TMarques vu = marquesvides;
  regions(p, vu, [&](uint8_t proprietaire, int32_t n) { total += proprietaire == c ? n : -n; });
  // pionsmorts goes back with the guard.
  return total;
}

int32_t calculbilan2(const TListePoints& liste, int32_t cap, TPlateau& p, uint8_t c, uint8_t propre) {
  // The other colour's chains are read; the marks go back after.
  Restaure<TMarques> morts(pionsmorts);
  int32_t changements = 0;
  detectetatchaine(c, VIDE, changements, p, niveaumin3 ? 1 : 0, 0, 0, 0);
  return bilanregions(liste, cap, p, c, propre);
}

int32_t calculbilan(const TListePoints& liste, int32_t cap, const TPlateau& p, uint8_t c, uint8_t propre) {
  const int32_t total = bilanregions(liste, cap, p, c, propre);
  ecritdebug("calcul");
  return total;
}

int32_t calculbilanesca(const TPlateau& p, uint8_t c, uint8_t x) {
  const int32_t n = taillemoteur();
  int32_t total = 0;
  int32_t chaines[2] = {0, 0}, libertes[2] = {0, 0};
  // Dead stones and solid squares are counted per colour and weighed at the end.
  int32_t morts[2] = {0, 0}, carres[2] = {0, 0};
  TPlateau copie = p;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t j = ix(r, col);
      const uint8_t s = p[j];
      if (s != NOIR && s != BLANC) continue;
      if (pionsmorts[j]) ++morts[s];
      // Solid 2x2 squares.
      if (col > 1 && r >= 2 && p[j - 1] == s && p[j - TAILLEMAX] == s && p[j - TAILLEMAX - 1] == s) ++carres[s];
      // Chain heads.
      if (infochaine[j][1] == 0) continue;
      const int32_t signe = s == c ? -1 : 1;  // c's weaknesses count against the balance
      ++chaines[s];
      libertes[s] += infochaine[j][0];
      if (infochaine[j][0] == 1) {
        int32_t pierres = 0;
        uint8_t ennemiatari = 0;
        TPoint lib;
        TMarques vu = marquesvides;
        derniereliberteetvoisinatari(pierres, ennemiatari, p, lib, 0, r, col, vu);
        if (pierres >= ARRETMARCHE) ecritdebug("esca dans calcul");
        if (pierres != 0) {
          int32_t resultat = 0;
          if (!ennemiatari && lib.ligne != 0) {
            vu[ix(lib.ligne, lib.colonne)] = 0;
            uint8_t chasseur = autrecouleur(s), coureur = s;
            lectureesca(vu, copie, chasseur, coureur, lib.ligne, lib.colonne, resultat);
          }
          if (resultat == ESCALIERPRIS) {
            total += 10 * pierres * signe;
          } else {
            total += 4 * signe;
            if (s == c ? x != c : x == c) total += 6 * signe;
          }
        }
      } else if (infochaine[j][0] == 2) {
        total += 2 * signe;
      }
    }
  for (const uint8_t s : {BLANC, NOIR}) total += (10 * morts[s] + 4 * carres[s]) * (s == c ? -1 : 1);
  // The liberties per chain and the chain count of each side.
  const uint8_t o = autrecouleur(c);
  if (chaines[c] > 0 && chaines[o] > 0) {
    total += libertes[c] / chaines[c] + chaines[c];
    total -= libertes[o] / chaines[o] + chaines[o];
  }
  return total;
}

int32_t compteinfluencelignes(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, int32_t classe,
                              int32_t portee) {
  if (classe <= 2) return compteinfluencedilatation(p, portee < 5 ? 3 : 4, classe, c);
  // The rays +row, +col, -row, -col over empty or dead points.
  static constexpr int32_t RAYONS[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  int32_t s = 0;
  for (const auto& d : RAYONS)
    for (int32_t k = 1; k <= portee; ++k) {
      const int32_t r = ligne + k * d[0], col = colonne + k * d[1];
      if (!surplateaumoteur(r, col)) break;
      const int32_t j = ix(r, col);
      if (p[j] != VIDE && !pionsmorts[j]) break;
      const uint8_t dominant = couleurdominantelignes(p, r, col, portee);
      if (dominant == c) ++s;
      else if (dominant != VIDE) --s;
    }
  return s / diviseurclasse(classe);
}

namespace {
// Adds the empty points of `copie` that its dilation over `passes` gives
// black (a positive value) to `noirs`, white (negative) to `blancs`.
void ajouteinfluencedilatee(const TPlateau& copie, int32_t passes, int32_t& noirs, int32_t& blancs) {
  TCarte carte{};
  dilatation(copie, carte, passes);
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t j = ix(r, col);
      if (copie[j] != VIDE) continue;
      if (carte[j] > 0) ++noirs;
      else if (carte[j] < 0) ++blancs;
    }
}
}  // namespace

int32_t compteinfluencedilatation(const TPlateau& p, int32_t passes, int32_t classe, uint8_t c) {
  TPlateau copie = p;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (pionsmorts[j]) copie[j] = VIDE;
  int32_t positifs = 0, negatifs = 0;
  ajouteinfluencedilatee(copie, passes, positifs, negatifs);
  const int32_t s = c == NOIR ? positifs - negatifs : negatifs - positifs;
  return s / diviseurclasse(classe);
}

void comptemortsinfluence(int32_t& noirs, int32_t& blancs, int32_t passes, const TPlateau& p, int32_t poids) {
  noirs = blancs = 0;
  TPlateau copie = p;
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t j = ix(r, col);
      if (!pionsmorts[j]) continue;
      if (p[j] == BLANC) noirs += poids;
      else blancs += poids;
      copie[j] = VIDE;
    }
  ajouteinfluencedilatee(copie, passes, noirs, blancs);
}
