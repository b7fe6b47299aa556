// Influence dilation, boundary diffusion and the moyo estimate.
#include "engine/territory/moyo.h"

#include <array>

#include "engine/board/acces.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/territory/enveloppe.h"

namespace {

// One sign of the diffusion: `signe` 1 spreads the positive values (they
// lose 1 a step), -1 the negative ones (they gain 1 a step).
void diffuse(const TPlateau& p, const TCarte& carte, TCarte& a, int32_t signe) {
  const int32_t n = taillemoteur();
  TMarques ouvert = marquesvides;
  a.fill(0);
  // Points whose value may spread further, each in the queue at most once.
  std::array<int16_t, NBCASES> file;
  TMarques enfile = marquesvides;
  int32_t debut = 0, nb = 0;
  const auto ajoute = [&](int32_t j) {
    if (enfile[j]) return;
    enfile[j] = 1;
    file[(debut + nb++) % NBCASES] = static_cast<int16_t>(j);
  };
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != VIDE) continue;
      if (carte[j] * signe > 0) {
        a[j] = carte[j];
        ajoute(j);
      } else {
        ouvert[j] = 1;
      }
    }
  // A value only grows in magnitude, and a neighbour gives the more the more
  // it holds, so the values settle where sweeps over the whole board until
  // nothing changes would: each open point holds the best its neighbours give.
  while (nb > 0) {
    const int32_t x = file[debut];
    debut = (debut + 1) % NBCASES;
    --nb;
    enfile[x] = 0;
    const int32_t v = a[x] - signe;
    pastable(x / TAILLEMAX + 1, x % TAILLEMAX + 1, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      // The point's own opposite value holds the diffusion back.
      if (ouvert[j] && v * signe > a[j] * signe && !(carte[j] * signe < 0 && (v + carte[j]) * signe < 0)) {
        a[j] = v;
        ajoute(j);
      }
      return false;
    });
  }
}

// The hull and edge steps of one region of the transformed board.
struct Region {
  const TPlateau& b;   // board without dead stones, edge points converted
  const TPlateau& t;   // transformed board
  TCarte& z;           // region numbers
  int32_t numero;
  uint8_t couleur;
  TMarques q;          // hull marks

  bool dedans(int32_t j) const { return z[j] == numero; }

  void estime(TMarques& sortie) {
    const int32_t n = taillemoteur();
    // The region's stones.
    TMarques pions = marquesvides;
    for (int32_t j = 0; j < NBCASES; ++j)
      if (dedans(j) && b[j] == couleur) pions[j] = 1;
    // Their convex hull.
    enveloppeconvexe(pions, q, n);
    // The third line.
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = ix(r, c);
        if (distancebord[j] == 2 && dedans(j) && q[j] == 0 && bordprolongeable(q, 6, r, c)) q[j] = 6;
      }
    // The second line, then the first; free points join the region.
    const uint8_t autre = couleur == NOIR ? BLANC : NOIR;
    for (int32_t k = 1; k >= 0; --k)
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t c = 1; c <= n; ++c) {
          const int32_t j = ix(r, c);
          if (distancebord[j] != k || q[j] != 0) continue;
          const bool libre = z[j] == 0 && t[j] == VIDE && !voisincouleur(t, autre, r, c);
          if ((dedans(j) || libre) && bordprolongeable(q, static_cast<uint8_t>(k + 4), r, c)) {
            q[j] = static_cast<uint8_t>(k + 4);
            z[j] = numero;
          }
        }
    // The region's hull and edge marks are the colour's moyo.
    for (int32_t j = 0; j < NBCASES; ++j)
      if (dedans(j) && q[j] != 0) sortie[j] = couleur;
  }
};

}  // namespace

void dilatation(const TPlateau& p, TCarte& carte, int32_t passes) {
  const int32_t n = taillemoteur();
  // Stones start at 50, white negative; empty points at 0.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] == BLANC) carte[j] = -50;
      else if (p[j] == NOIR) carte[j] = 50;
      else if (p[j] == VIDE) carte[j] = 0;
    }
  // Each point of the board gives its sign to its neighbours on the
  // board: read the other way, each point adds its neighbours' signs, taken
  // from a copy bordered with zeros.
  constexpr int32_t L = TAILLEMAX + 2;
  for (int32_t k = 0; k < passes; ++k) {
    std::array<int8_t, L * L> signe{};
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t v = carte[ix(r, c)];
        signe[r * L + c] = static_cast<int8_t>((v > 0) - (v < 0));
      }
    for (int32_t r = 1; r <= n; ++r) {
      const int8_t* haut = &signe[(r - 1) * L];
      const int8_t* ici = &signe[r * L];
      const int8_t* bas = &signe[(r + 1) * L];
      int32_t* ligne = &carte[ix(r, 1)];
      for (int32_t c = 1; c <= n; ++c) ligne[c - 1] += haut[c] + bas[c] + ici[c - 1] + ici[c + 1];
    }
  }
}

void diffusionbords(const TPlateau& p, TCarte& carte) {
  ++compteurnoeudsprise;
  // Spread both ways.
  TCarte a, c;
  diffuse(p, carte, a, 1);
  diffuse(p, carte, c, -1);
  // A point whose sign the other side's spread outweighs goes neutral.
  for (int32_t j = 0; j < NBCASES; ++j) {
    if (p[j] != VIDE) continue;
    if (carte[j] < 0 && -carte[j] < a[j]) carte[j] = 0;
    else if (carte[j] > 0 && carte[j] < -c[j]) carte[j] = 0;
  }
}

void marqueregioncouleur(const TPlateau& source, TCarte& marques, int32_t valeur, int32_t dir, int32_t colonne,
                         int32_t ligne) {
  marques[ix(ligne, colonne)] = valeur;
  const uint8_t x = source[ix(ligne, colonne)];
  pasvoisins(ligne, colonne, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (marques[j] != valeur && source[j] == x) marqueregioncouleur(source, marques, valeur, d2, c2, r2);
    return false;
  });
}

void traitebordmoyo(const TCarte& carte, TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const int32_t i = ix(ligne, colonne);
  if (!bordgoban[i] || p[i] != VIDE || carte[i] == 0) return;
  const bool coin = (ligne == 1 || ligne == n) && (colonne == 1 || colonne == n);
  if (coin) return;
  const int32_t dl = ligne == 1 ? 1 : ligne == n ? -1 : 0;
  const int32_t dc = dl != 0 ? 0 : colonne == 1 ? 1 : -1;
  const bool negatif = carte[i] < 0;
  const uint8_t couleur = negatif ? BLANC : NOIR;
  for (int32_t k = 1; k <= 5; ++k) {
    const int32_t r = ligne + k * dl, c = colonne + k * dc;
    if (!surplateaumoteur(r, c)) break;
    const int32_t j = ix(r, c);
    if (negatif ? carte[j] >= 0 : carte[j] < 1) return;
    if (p[j] == couleur) break;
  }
  p[i] = couleur;
}

bool bordprolongeable(const TMarques& q, uint8_t valeur, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const int32_t d = distancebord[ix(ligne, colonne)];
  const auto appui = [&](int32_t j) { return q[j] > 0 && q[j] != valeur; };
  if (ligne != colonne && ligne + colonne != n + 1) {
    // Off the diagonals: the first neighbour farther from the edge decides.
    const TVoisins& v = tablevoisins[ix(ligne, colonne)];
    for (int32_t k = 0; k < v.nbvoisins; ++k) {
      const int32_t j = ix(v.voisins[k][0], v.voisins[k][1]);
      if (distancebord[j] > d) return appui(j);
    }
    return false;
  }
  // On a diagonal: a diagonal point farther in, else a neighbour as far in.
  static constexpr int32_t DIAGONALES[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
  for (const auto& o : DIAGONALES) {
    const int32_t r = ligne + o[0], c = colonne + o[1];
    if (!surplateaumoteur(r, c)) continue;
    const int32_t j = ix(r, c);
    if (distancebord[j] > d && appui(j)) return true;
  }
  return pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    return distancebord[j] >= d && appui(j);
  });
}

void calculemoyo(const TPlateau& p, TMarques& sortie, const TMarques& morts) {
  const int32_t n = taillemoteur();
  // From the territory map; the dead stones lifted.
  sortie = territoire4;
  TPlateau b = p;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (morts[j]) b[j] = VIDE;
  // Influence, spread toward the edges.
  TCarte m{};
  dilatation(b, m, 6);
  diffusionbords(b, m);
  // Empty points coloured by their influence, unless the other
  // colour touches them.
  TPlateau t = b;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (b[j] != VIDE) continue;
      if (m[j] > 0 && !voisincouleur(b, BLANC, r, c)) t[j] = NOIR;
      else if (m[j] < 0 && !voisincouleur(b, NOIR, r, c)) t[j] = BLANC;
    }
  // Edge points under influence.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (bordgoban[j] && m[j] != 0 && b[j] == VIDE) traitebordmoyo(m, b, r, c);
    }
  // One hull per region of the transformed board. Region numbers are
  // kept in 32 bits: a board can hold more than 255 regions.
  TCarte z{};
  int32_t compteur = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (z[j] != 0 || t[j] == VIDE) continue;
      ++compteur;
      marqueregioncouleur(t, z, compteur, 0, c, r);
      Region region{b, t, z, compteur, t[j], {}};
      region.estime(sortie);
    }
}
