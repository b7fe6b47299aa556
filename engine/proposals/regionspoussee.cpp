// Region and push tests: zonecouleur, comptepierresreliees, testpousseeligne.
#include "engine/proposals/regionspoussee.h"

#include "engine/board/acces.h"
#include "engine/board/autoatari.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/reading/prise.h"

namespace {

constexpr int32_t CAPACITEPRISES = 300;
// Orthogonal and diagonal steps, in the walks' order.
constexpr int32_t ORTHO[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr int32_t DIAG[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

// The flood of comptepierresreliees over its copy.
struct Reliees {
  TPlateau copie;
  uint8_t c, o;
  const TMarques& marques;
  TMarques vu{};
  int32_t compte = 0;
  bool chainesajour = false;  // infochaine rebuilt for the copy

  bool relie(int32_t r, int32_t col) const {
    if (!surplateaumoteur(r, col)) return false;
    const int32_t i = indexcase(r, col);
    return !vu[i] && copie[i] == c && marques[i] != 0;
  }
  // o at the empty point would stand in self-atari on the copy.
  bool autoatari(int32_t r, int32_t col) {
    if (!chainesajour) {
      calculelibertes(copie);
      chainesajour = true;
    }
    return testautoatari(copie, o, r, col);
  }
  void marquezonerecursive(int32_t r, int32_t col) {
    vu[indexcase(r, col)] = 1;
    ++compte;
    for (const auto& d : ORTHO)
      if (relie(r + d[0], col + d[1])) marquezonerecursive(r + d[0], col + d[1]);
    for (const auto& d : DIAG) {
      const int32_t rd = r + d[0], cd = col + d[1];
      if (!relie(rd, cd)) continue;
      const bool pvide = copie[indexcase(rd, col)] == VIDE;  // P = (row of d, col)
      const bool qvide = copie[indexcase(r, cd)] == VIDE;    // Q = (row, col of d)
      const bool passe = (pvide && qvide) || (!pvide && qvide && autoatari(r, cd)) ||
                         (pvide && !qvide && autoatari(rd, col));
      if (passe) marquezonerecursive(rd, cd);
    }
  }
};

}  // namespace

void zonecouleur(const TPlateau& p, uint8_t c, uint8_t o, int32_t passes) {
  const int32_t n = configmoteur.taille;
  // The points of c in either owner map.
  TMarques m = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (territoire[i] == c || territoire2[i] == c) m[i] = 1;
  auto voisins = [&](const TMarques& s, int32_t r, int32_t col, uint8_t couleur, bool surplat) {
    int32_t k = 0;
    for (const auto& d : ORTHO) {
      const int32_t rr = r + d[0], cc = col + d[1];
      if (!surplateaumoteur(rr, cc)) continue;
      if (surplat ? p[indexcase(rr, cc)] == couleur : s[indexcase(rr, cc)] != 0) ++k;
    }
    return k;
  };
  // One closing step: empty points between two marked points.
  {
    const TMarques s = m;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t col = 1; col <= n; ++col)
        if (p[indexcase(r, col)] == VIDE && voisins(s, r, col, 0, false) >= 2) m[indexcase(r, col)] = 1;
  }
  // Growth along the three outer lines, away from o's stones.
  for (int32_t k = 0; k < passes; ++k) {
    const TMarques s = m;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t col = 1; col <= n; ++col) {
        const int32_t i = indexcase(r, col);
        if (p[i] != VIDE || s[i] || distancebord[i] > 2) continue;
        if (voisins(s, r, col, 0, false) >= 1 && voisins(s, r, col, o, true) == 0) m[i] = 1;
      }
  }
  // The grown region becomes c's territory.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col)
      if (m[indexcase(r, col)]) territoire[indexcase(r, col)] = c;
}

int32_t comptepierresreliees(const TPlateau& p, uint8_t c, const TMarques& marques, int32_t ligne, int32_t colonne) {
  if (!surplateaumoteur(ligne, colonne)) return 0;
  const Restaure<TInfoChaine> chaines(infochaine);
  Reliees z{p, c, static_cast<uint8_t>(c == NOIR ? BLANC : NOIR), marques};
  const int32_t i = indexcase(ligne, colonne);
  if (z.copie[i] == VIDE) {
    TListePoints prises{};
    jouecoupcaptures(prises, CAPACITEPRISES, z.copie, ligne, colonne, c, z.o);
  }
  if (z.copie[i] != c) return 0;
  z.marquezonerecursive(ligne, colonne);
  return z.compte - 1;
}

void testpousseeligne(const TPlateau& p, TPlateau& apres, TPoint& point, int32_t& direction, int32_t ligne2,
                      int32_t colonne2, int32_t ligne1, int32_t colonne1) {
  const int32_t n = configmoteur.taille;
  if (!surplateaumoteur(ligne1, colonne1) || !surplateaumoteur(ligne2, colonne2)) return;
  const uint8_t k1 = p[indexcase(ligne1, colonne1)], k2 = p[indexcase(ligne2, colonne2)];
  // The shape: both stones backed by their own colour on one side,
  // open on the other.
  int32_t d = 0;
  if (ligne1 == ligne2) {
    const int32_t r = ligne1;
    if (r == 1 || r == n) return;
    if (tient(p, r + 1, colonne1, VIDE) && tient(p, r + 1, colonne2, VIDE) && tient(p, r - 1, colonne1, k1) &&
        tient(p, r - 1, colonne2, k2))
      d = 1;
    else if (tient(p, r + 1, colonne1, k1) && tient(p, r + 1, colonne2, k2) && tient(p, r - 1, colonne1, VIDE) &&
             tient(p, r - 1, colonne2, VIDE))
      d = 2;
  } else if (colonne1 == colonne2) {
    const int32_t c = colonne1;
    if (c == 1 || c == n) return;
    if (tient(p, ligne1, c + 1, VIDE) && tient(p, ligne2, c + 1, VIDE) && tient(p, ligne1, c - 1, k1) &&
        tient(p, ligne2, c - 1, k2))
      d = 3;
    else if (tient(p, ligne1, c + 1, k1) && tient(p, ligne2, c + 1, k2) && tient(p, ligne1, c - 1, VIDE) &&
             tient(p, ligne2, c - 1, VIDE))
      d = 4;
  }
  if (d == 0) return;
  direction = d;
  // The point in front of stone 2; none on the edge line ahead.
  apres = p;
  const int32_t dl = d == 1 ? 1 : d == 2 ? -1 : 0;
  const int32_t dc = d == 3 ? 1 : d == 4 ? -1 : 0;
  point = TPoint{(dl != 0 ? ligne1 : ligne2) + dl, (dc != 0 ? colonne1 : colonne2) + dc};
  const bool bord = (d == 1 && point.ligne == n) || (d == 2 && point.ligne == 1) ||
                    (d == 3 && point.colonne == n) || (d == 4 && point.colonne == 1);
  if (bord) {
    direction = 0;
    return;
  }
  // The push, both lines one point further each step.
  for (int32_t k = 1;; ++k) {
    const int32_t r1 = ligne1 + k * dl, c1 = colonne1 + k * dc;
    const int32_t r2 = ligne2 + k * dl, c2 = colonne2 + k * dc;
    TListePoints prises{};
    jouecoupcaptures(prises, CAPACITEPRISES, apres, r1, c1, k1, static_cast<uint8_t>(1 - k1));
    if (nbpoints(prises) > 0) {
      direction = 0;
      return;
    }
    jouecoupcaptures(prises, CAPACITEPRISES, apres, r2, c2, k2, static_cast<uint8_t>(1 - k2));
    if (nbpoints(prises) > 0) {
      direction = 0;
      return;
    }
    const int32_t s1 = r1 + dl, t1 = c1 + dc, s2 = r2 + dl, t2 = c2 + dc;
    if (!surplateaumoteur(s1, t1) || !surplateaumoteur(s2, t2) || apres[indexcase(s1, t1)] != VIDE ||
        apres[indexcase(s2, t2)] != VIDE)
      break;
  }
  // Stone 1's chain must not die with stone 2's colour to move.
  const Restaure<TInfoChaine> chaines(infochaine);
  calculelibertes(apres);
  if (testprise(apres, ligne1, colonne1, 11, paramniveaub + 2, static_cast<uint8_t>(1 - k2), pointko)) direction = 0;
}
