// Final territory maps.
#include "engine/proposals/territoirefinal.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/chains/yeux.h"

namespace {

constexpr int32_t CAPACITELIBERTES = 300;
constexpr int32_t DIAGONALES[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

template <class F>
void diagonales(int32_t r, int32_t c, F&& f) {
  for (const auto& o : DIAGONALES)
    if (surplateaumoteur(r + o[0], c + o[1])) f(r + o[0], c + o[1]);
}

// Byte 0 of one colour's map: the other colour's points once the dead
// stones of `couleur` are off the work copy (put back before returning).
void valeurscouleur(TPlateau& travail, const TPlateau& sauve, uint8_t couleur, TCarte& m) {
  const int32_t n = taillemoteur();
  TMarques vu = marquesvides;
  TListePoints libertes;
  libertes[0] = 0;
  // Liberties of the dead chains, then the dead stones taken off.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (travail[i] != couleur || !pionsmorts[i]) continue;
      if (!vu[i]) libertesdelachaine(travail, libertes, CAPACITELIBERTES, 0, r, c, vu);
      travail[i] = VIDE;
    }
  // Those liberties keep the value 0.
  TMarques exclus = marquesvides;
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) exclus[ix(ligneliste(libertes, k), colonneliste(libertes, k))] = 1;
  // Every other empty point gets its value.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (travail[i] == VIDE && !exclus[i]) m[i] = metoctetfinal(m[i], 0, valeurpointfinal(travail, couleur, r, c));
    }
  // The board as it was.
  travail = sauve;
}

// For one map at one point.
void finitpoint(TPlateau& travail, TCarte& m, uint8_t couleur, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  m[i] = metoctetfinal(m[i], 3, comptevoisinsfinal(travail, m, couleur, r, c));
  if (octetfinal(m[i], 3) == 0) return;
  etendminimumfinal(m, r, c);
  const int32_t v = octetfinal(m[i], 0), b2 = octetfinal(m[i], 2);
  if (v != 0 && (b2 == 0 || b2 > v)) m[i] = metoctetfinal(m[i], 2, v);
}

}  // namespace

uint8_t valeurpointfinal(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  const int32_t i = ix(r, col);
  if (p[i] != VIDE) return 0;
  int32_t v = infochaine[i][0];
  // Orthogonal neighbours.
  bool touche = false;
  pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const uint8_t x = p[ix(r2, c2)];
    if (x == c) return touche = true;
    if (x == VIDE) ++v;
    return false;
  });
  if (touche) return 0;
  // Diagonal neighbours.
  int32_t d = 0, k = 0;
  diagonales(r, col, [&](int32_t r2, int32_t c2) {
    const uint8_t x = p[ix(r2, c2)];
    if (x == VIDE) {
      ++v;
      d = 1;
    } else if (x == c) {
      ++k;
    }
  });
  if (k >= 2) return 0;
  // A lone own neighbour: nothing on the edge; elsewhere the empty count less the first one.
  const bool bord = bordgoban[i] != 0;
  if (k == 1) {
    if (bord) return 0;
  } else if (!bord) {
    v -= d;
  }
  return static_cast<uint8_t>(std::min<int32_t>(v, 255));
}

uint8_t comptevoisinsfinal(TPlateau& p, const TCarte& m, uint8_t c, int32_t r, int32_t col) {
  const int32_t i = ix(r, col);
  if (p[i] != VIDE) return 0;
  p[i] = c;
  int32_t n = 0;
  pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    if (octetfinal(m[ix(r2, c2)], 0) != 0) ++n;
    return false;
  });
  diagonales(r, col, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE && octetfinal(m[j], 0) != 0 && !testvraioeil(p, c, r2, c2)) ++n;
  });
  p[i] = VIDE;
  return static_cast<uint8_t>(n);
}

void etendminimumfinal(TCarte& m, int32_t r, int32_t col) {
  // A zero value spreads nothing: bytes 1 and 2 hold the smallest nonzero value.
  const int32_t v = octetfinal(m[ix(r, col)], 0);
  if (v == 0) return;
  pas8(r, col, [&](int32_t r2, int32_t c2) {
    int32_t& e = m[ix(r2, c2)];
    for (const int32_t k : {2, 1}) {
      const int32_t b = octetfinal(e, k);
      if (b == 0 || b > v) e = metoctetfinal(e, k, v);
    }
    return false;
  });
}

void territoirefinal(const TPlateau& p) {
  // Work board and both maps from zero.
  TPlateau travail = p;
  const TPlateau sauve = p;
  cartefinale1 = zeroterritoire;
  cartefinale2 = zeroterritoire;
  // White's dead stones off for black's points, then the reverse.
  valeurscouleur(travail, sauve, BLANC, cartefinale1);
  valeurscouleur(travail, sauve, NOIR, cartefinale2);
  // Each point finished in both maps.
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      finitpoint(travail, cartefinale1, BLANC, r, c);
      finitpoint(travail, cartefinale2, NOIR, r, c);
    }
}
