// Convex hull of marked points.
#include "engine/territory/enveloppe.h"

#include <cmath>
#include <cstdlib>

#include "engine/board/etat.h"

namespace enveloppe {

namespace {

TCoups sommet(int32_t ligne, int32_t colonne, uint8_t couleur) {
  TCoups s;
  s.ligne = ligne;
  s.colonne = colonne;
  s.couleur = couleur;
  return s;
}
bool memepoint(const TCoups& a, const TCoups& b) { return a.ligne == b.ligne && a.colonne == b.colonne; }

// The wrapping state: the working copy W of the points and the list the
// chosen vertices are moved into.
struct Emballage {
  TListeSommets w;
  TListeSommets retires;
  TCoups courant;
  TCoups direction;

  // One step: the next vertex from the current point; it leaves W.
  TCoups pointsuivantenveloppe() {
    // The first item is the provisional choice.
    std::size_t choix = 0;
    // A candidate must lie on the positive side of the direction;
    // among aligned ones the farther wins, otherwise the one turning less.
    for (std::size_t k = 1; k < w.size(); ++k) {
      TCoups v, b;
      vecteur(courant, w[k], v);
      if (!orientationpositive(v, direction)) continue;
      vecteur(courant, w[choix], b);
      if (alignes(v, b)) {
        if (distancepoints(courant, w[k]) > distancepoints(courant, w[choix])) choix = k;
      } else if (produitvectoriel(v, b) < 0) {
        choix = k;
      }
    }
    // The chosen point leaves W.
    const TCoups choisi = w[choix];
    w.erase(w.begin() + static_cast<std::ptrdiff_t>(choix));
    retires.push_back(choisi);
    vecteur(courant, choisi, direction);
    courant = choisi;
    return choisi;
  }
};

}  // namespace

int32_t pointpivot(const TListeSommets& l) {
  if (l.size() < 2) return 0;
  int32_t meilleur = 0;
  for (std::size_t k = 1; k < l.size(); ++k) {
    const TCoups& a = l[k];
    const TCoups& m = l[static_cast<std::size_t>(meilleur)];
    if (a.ligne < m.ligne || (a.ligne == m.ligne && a.colonne < m.colonne)) meilleur = static_cast<int32_t>(k);
  }
  return meilleur;
}

void vecteur(const TCoups& de, const TCoups& vers, TCoups& sortie) {
  sortie.ligne = vers.ligne - de.ligne;
  sortie.colonne = vers.colonne - de.colonne;
  sortie.couleur = 2;
}

int32_t produitvectoriel(const TCoups& a, const TCoups& b) { return a.ligne * b.colonne - a.colonne * b.ligne; }
bool orientationpositive(const TCoups& a, const TCoups& b) { return produitvectoriel(a, b) >= 0; }
bool orientationnegative(const TCoups& a, const TCoups& b) { return produitvectoriel(a, b) < 0; }
bool alignes(const TCoups& a, const TCoups& b) { return produitvectoriel(a, b) == 0; }

int32_t distancepoints(const TCoups& p, const TCoups& q) {
  const double dl = q.ligne - p.ligne, dc = q.colonne - p.colonne;
  // The default rounding mode sends halves to the even neighbour.
  return static_cast<int32_t>(std::nearbyint(std::sqrt(dl * dl + dc * dc)));
}

int32_t signe(int32_t x) { return x < 0 ? -1 : x > 0 ? 1 : 0; }

void rectangleenglobant(const TListeSommets& l, int32_t& lmin, int32_t& cmin, int32_t& cmax, int32_t& lmax) {
  if (l.empty()) return;
  lmin = lmax = l[0].ligne;
  cmin = cmax = l[0].colonne;
  for (const TCoups& s : l) {
    if (s.ligne < lmin) lmin = s.ligne;
    if (s.ligne > lmax) lmax = s.ligne;
    if (s.colonne < cmin) cmin = s.colonne;
    if (s.colonne > cmax) cmax = s.colonne;
  }
}

void tracesegment(int32_t l0, int32_t c0, int32_t l1, int32_t c1, TMarques& sortie) {
  int32_t l = l0, c = c0;
  sortie[indexcase(l, c)] = 2;
  const int32_t dl = l1 - l0, dc = c1 - c0;
  const int32_t sl = signe(dl), sc = signe(dc);
  const int32_t al = std::abs(dl), ac = std::abs(dc);
  // One step of the longer axis per point (columns when the segment is at
  // most as tall as wide); the other follows the error term.
  const bool colonnes = al <= ac;
  int32_t& u = colonnes ? c : l;
  int32_t& v = colonnes ? l : c;
  const int32_t fin = colonnes ? c1 : l1, su = colonnes ? sc : sl, sv = colonnes ? sl : sc;
  const int32_t au = colonnes ? ac : al, av = colonnes ? al : ac;
  int32_t erreur = -(au / 2);
  while (u != fin) {
    erreur += av;
    u += su;
    if (erreur > 0) {
      erreur -= au;
      v += sv;
    }
    sortie[indexcase(l, c)] = 2;
  }
}

bool pointinterieur(int32_t ligne, int32_t colonne, int32_t lmin, const TMarques& sortie, int32_t cmax,
                    int32_t lmax, int32_t cmin) {
  const auto rencontre = [&](int32_t dl, int32_t dc) {
    for (int32_t l = ligne, c = colonne; l >= lmin && l <= lmax && c >= cmin && c <= cmax; l += dl, c += dc)
      if (sortie[indexcase(l, c)] != 0) return true;
    return false;
  };
  return rencontre(0, 1) && rencontre(0, -1) && rencontre(1, 0) && rencontre(-1, 0);
}

void remplissagezone(TMarques& sortie, int32_t ligne, int32_t colonne, int32_t taille, int32_t dir) {
  sortie[indexcase(ligne, colonne)] = 1;
  if (dir != 3 && ligne < taille && sortie[indexcase(ligne + 1, colonne)] == 0)
    remplissagezone(sortie, ligne + 1, colonne, taille, 1);
  if (dir != 1 && ligne > 1 && sortie[indexcase(ligne - 1, colonne)] == 0)
    remplissagezone(sortie, ligne - 1, colonne, taille, 3);
  if (dir != 4 && colonne < taille && sortie[indexcase(ligne, colonne + 1)] == 0)
    remplissagezone(sortie, ligne, colonne + 1, taille, 2);
  if (dir != 2 && colonne > 1 && sortie[indexcase(ligne, colonne - 1)] == 0)
    remplissagezone(sortie, ligne, colonne - 1, taille, 4);
}

void calculenveloppe(int32_t, const TListeSommets& points, TListeSommets& sommets) {
  Emballage e;
  e.w = points;
  if (e.w.empty()) return;
  // The pivot is the first vertex.
  const TCoups pivot = e.w[static_cast<std::size_t>(pointpivot(e.w))];
  sommets.push_back(pivot);
  // Start from it, heading along its row.
  e.direction = sommet(0, 1, 2);
  e.courant = pivot;
  // Every step takes one item out of W and the pivot stays in W
  // until it is chosen, so the wrap closes.
  for (;;) {
    const TCoups choisi = e.pointsuivantenveloppe();
    if (memepoint(choisi, pivot)) break;
    sommets.push_back(choisi);
  }
}

}  // namespace enveloppe

void enveloppeconvexe(const TMarques& entree, TMarques& sortie, int32_t taille) {
  using namespace enveloppe;
  // The marked points.
  TListeSommets points, sommets;
  for (int32_t l = 1; l <= taille; ++l)
    for (int32_t c = 1; c <= taille; ++c)
      if (entree[indexcase(l, c)] != 0) points.push_back(sommet(l, c, 1));
  sortie = marquesvides;
  // The hull's vertices; a single point is marked as it is.
  if (points.size() >= 2) {
    calculenveloppe(taille, points, sommets);
  } else {
    for (const TCoups& s : points) sortie[indexcase(s.ligne, s.colonne)] = 2;
  }
  // The edges of the hull.
  if (sommets.size() >= 2)
    for (std::size_t k = 0; k < sommets.size(); ++k) {
      const TCoups& a = sommets[k];
      const TCoups& b = sommets[(k + 1) % sommets.size()];
      tracesegment(a.ligne, a.colonne, b.ligne, b.colonne, sortie);
    }
  // The inside of the hull filled.
  if (sommets.size() > 2) {
    int32_t lmin = 0, cmin = 0, cmax = 0, lmax = 0;
    rectangleenglobant(sommets, lmin, cmin, cmax, lmax);
    for (int32_t l = lmin; l <= lmax; ++l)
      for (int32_t c = cmin; c <= cmax; ++c)
        if (sortie[indexcase(l, c)] == 0 && pointinterieur(l, c, lmin, sortie, cmax, lmax, cmin))
          remplissagezone(sortie, l, c, taille, 0);
  }
}
