// Leaf tests of the enclosed-chain reading.
#include "engine/reading/enclos_feuilles.h"

#include <algorithm>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/balayages.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/yeux.h"
#include "engine/reading/prise.h"

namespace {

constexpr int32_t CAPACITELIBERTESMUR = 300;

// Rows and columns spanned by the points.
struct Boite {
  int32_t lmin = 20, lmax = 0, cmin = 20, cmax = 0;
  explicit Boite(const TPoint* pts, int32_t n) {
    for (int32_t k = 0; k < n; ++k) {
      lmin = std::min(lmin, pts[k].ligne);
      lmax = std::max(lmax, pts[k].ligne);
      cmin = std::min(cmin, pts[k].colonne);
      cmax = std::max(cmax, pts[k].colonne);
    }
  }
  int32_t lignes() const { return lmax - lmin + 1; }
  int32_t colonnes() const { return cmax - cmin + 1; }
  bool est(int32_t a, int32_t b) const {
    return (lignes() == a && colonnes() == b) || (lignes() == b && colonnes() == a);
  }
};

// A straight line of eye points (one row or one column) has an open end: the
// point beyond its first or its last point is on the board and holds no own
// stone.
bool boutouvert(const TPlateau& p, const Boite& b, uint8_t c) {
  const int32_t n = configmoteur.taille;
  auto ouvert = [&](int32_t r, int32_t k) { return r >= 1 && r <= n && k >= 1 && k <= n && p[ix(r, k)] != c; };
  if (b.lignes() == 1) return ouvert(b.lmin, b.cmin - 1) || ouvert(b.lmin, b.cmax + 1);
  return ouvert(b.lmin - 1, b.cmin) || ouvert(b.lmax + 1, b.cmin);
}

// Eye points of one side of the box.
int32_t surcote(const TPoint* pts, int32_t n, bool ligne, int32_t v) {
  int32_t k = 0;
  for (int32_t i = 0; i < n; ++i) k += (ligne ? pts[i].ligne : pts[i].colonne) == v;
  return k;
}

// Dead shapes of k eye points, for the eye-space evaluation.
bool formemorte(const TPlateau& p, const TMarques& zone, uint8_t c, const TPoint* y, const bool* vide, int32_t k,
                bool ataleve) {
  auto adj = [&](int32_t a, int32_t b) { return pointsadjacents(y[a], y[b]); };
  auto approchable = [&](int32_t a) { return oeilapprochable(zone, p, y[a].ligne, y[a].colonne); };
  const Boite b(y, k);
  switch (k) {
    case 0:
    case 1:
      return true;
    case 2:
      return adj(0, 1) || (vide[0] && approchable(0)) || (vide[1] && approchable(1));
    case 3:
      if (adj(0, 1) && (adj(2, 0) || adj(2, 1))) return true;
      if (!adj(0, 1) && adj(2, 0) && adj(2, 1)) return true;
      return vide[0] && vide[1] && vide[2] && approchable(0) && approchable(1) && approchable(2);
    case 4: {
      for (int32_t a = 0; a < 4; ++a) {
        int32_t voisins = 0;
        for (int32_t q = 0; q < 4; ++q) voisins += q != a && adj(a, q);
        if (voisins == 3) return true;
      }
      if (b.est(2, 2)) return true;
      return !ataleve && b.est(1, 4) && boutouvert(p, b, c);
    }
    case 5: {
      if (ataleve) return false;
      if (b.est(2, 3) && (surcote(y, 5, true, b.lmin) == 1 || surcote(y, 5, true, b.lmax) == 1 ||
                          surcote(y, 5, false, b.cmin) == 1 || surcote(y, 5, false, b.cmax) == 1))
        return true;
      if (b.est(1, 5) && boutouvert(p, b, c)) return true;
      if (b.est(3, 3)) {
        const TPoint coins[4] = {{b.lmin, b.cmin}, {b.lmin, b.cmax}, {b.lmax, b.cmin}, {b.lmax, b.cmax}};
        for (const TPoint& q : coins)
          for (int32_t a = 0; a < 5; ++a)
            if (y[a].ligne == q.ligne && y[a].colonne == q.colonne) return false;
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

}  // namespace

bool pointsadjacents(TPoint a, TPoint b) {
  return (a.ligne == b.ligne && std::abs(a.colonne - b.colonne) == 1) ||
         (a.colonne == b.colonne && std::abs(a.ligne - b.ligne) == 1);
}

bool testoeilforts(const TPlateau& p, uint8_t x, int32_t ligne, int32_t colonne) {
  if (pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == x; })) return false;
  static constexpr int32_t diagonales[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
  int32_t fortes = 0;
  pas4(ligne, colonne, diagonales, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    fortes += p[j] == x && libs(j) > 3;
    return false;
  });
  return bordgoban[ix(ligne, colonne)] ? fortes == 0 : fortes <= 1;
}

bool testoeilmur(const TMarques& zone, int32_t ligne, int32_t colonne) {
  if (pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return zone[ix(r2, c2)] == MARQUEMUR; }))
    return false;
  static constexpr int32_t diagonales[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
  int32_t murs = 0;
  pas4(ligne, colonne, diagonales, [&](int32_t r2, int32_t c2) {
    murs += zone[ix(r2, c2)] == MARQUEMUR;
    return false;
  });
  return bordgoban[ix(ligne, colonne)] ? murs == 0 : murs <= 1;
}

bool pointliemur(const TPlateau& p, const TMarques& zone, uint8_t c, int32_t ligne, int32_t colonne,
                 uint8_t valeur) {
  const uint8_t o = static_cast<uint8_t>(1 - c);
  int32_t vides = 0;
  TPoint e{};
  bool mur = false, ennemideux = false;
  const bool non = pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (zone[j] == valeur) mur = true;
    if (p[j] == c) return libs(j) != 1;
    if (p[j] == VIDE) {
      e = TPoint{r2, c2};
      return ++vides > 1;
    }
    if (p[j] == o) {
      if (libs(j) == 1) return true;
      if (libs(j) == 2) ennemideux = true;
    }
    return false;
  });
  if (non || !mur) return false;
  // The enemy stone of 2 liberties must have a way on at e.
  if (ennemideux && vides == 1 && !testvoisinsatari(p, c, e.ligne, e.colonne)) return false;
  return true;
}

bool pierreliemur(const TPlateau& p, const TMarques& zone, uint8_t c, int32_t ligne, int32_t colonne) {
  if (libs(ix(ligne, colonne)) < 2) return false;
  auto mur = [&](int32_t r, int32_t k) { return surplateaumoteur(r, k) && zone[ix(r, k)] == MARQUEMUR; };
  const int32_t r = ligne, k = colonne;
  if (mur(r + 1, k + 1) && vide(p, r + 1, k) && vide(p, r, k + 1)) return true;
  if (mur(r + 1, k - 1) && (vide(p, r + 1, k) || vide(p, r, k - 1))) return true;
  if (mur(r - 1, k + 1) && vide(p, r - 1, k) && vide(p, r, k + 1)) return true;
  if (mur(r - 1, k - 1) && vide(p, r - 1, k) && vide(p, r, k - 1)) return true;
  return pastable(r, k, [&](int32_t r2, int32_t c2) {
    return p[ix(r2, c2)] == VIDE && pointliemur(p, zone, c, r2, c2, MARQUEMUR);
  });
}

bool oeilapprochable(const TMarques& zone, const TPlateau& p, int32_t ligne, int32_t colonne) {
  return pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    return p[ix(r2, c2)] == VIDE &&
           pastable(r2, c2, [&](int32_t r3, int32_t c3) { return zone[ix(r3, c3)] == MARQUEMUR; });
  });
}

bool sortiebordamie(const TPlateau& p, TPoint e, TPoint s, int32_t limite, uint8_t c, uint8_t o) {
  const int32_t n = configmoteur.taille;
  const bool lignebord = s.ligne == 1 || s.ligne == n;
  const bool colonnebord = s.colonne == 1 || s.colonne == n;
  if (lignebord && colonnebord) return false;
  // The inward step from the edge line of s; e must lie on that line.
  int32_t dl = 0, dc = 0;
  if (lignebord) {
    if (e.ligne != s.ligne) return false;
    dl = s.ligne == 1 ? 1 : -1;
  } else if (colonnebord) {
    if (e.colonne != s.colonne) return false;
    dc = s.colonne == 1 ? 1 : -1;
  } else {
    return false;
  }
  const int32_t pl = s.ligne - e.ligne, pc = s.colonne - e.colonne;
  if (std::abs(pl) + std::abs(pc) != 1) return false;
  // 0 nothing, 1 own stone, 2 enemy stone.
  auto regarde = [&](int32_t r, int32_t k) {
    const uint8_t x = p[ix(r, k)];
    return x == c ? 1 : x == o ? 2 : 0;
  };
  if (const int32_t v = regarde(s.ligne + dl, s.colonne + dc)) return v == 1;
  for (int32_t pas = 1; pas <= limite; ++pas) {
    const int32_t r = s.ligne + pas * pl, k = s.colonne + pas * pc;
    if (!surplateaumoteur(r, k)) break;
    if (const int32_t v = regarde(r, k)) return v == 1;
    if (const int32_t v = regarde(r + dl, k + dc)) return v == 1;
  }
  return false;
}

int32_t evalueespaceoeil(TPlateau& p, uint8_t c, uint8_t o, TMarques& zone, const TMarques& interieur,
                         const TListePoints& liste, int32_t cap, TVitaux& vitaux, uint8_t& nbvitaux,
                         uint8_t modevitaux, uint8_t tueur) {
  const int32_t n = std::min(nbpoints(liste), cap);
  // Too small to hold two eyes.
  if (n < 2) {
    nbvitaux = 0;
    return ESPACEMORT;
  }
  // Enemy chains joined to the wall count as wall, on a copy of the
  // zone map put back before leaving (or before the shapes of 3 to 5 points).
  TMarques zoneavant;
  bool joint = false;
  auto remetzone = [&] {
    if (joint) zone = zoneavant;
    joint = false;
  };
  const EnSortie remetalafin(remetzone);
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t r = ligneliste(liste, k), col = colonneliste(liste, k), j = ix(r, col);
    if (p[j] != o || zone[j] == MARQUEMUR || libs(j) <= 1 || !pierreliemur(p, zone, c, r, col)) continue;
    if (!joint) zoneavant = zone;
    joint = true;
    peintchaine(p, zone, MARQUEMUR, r, col);
  }
  // Candidates: inner empty points, and weak enemy stones lifted for
  // the test where the wall cannot reach them (put back on leaving).
  TPoint vides[NBCASES], leves[NBCASES];
  int32_t nv = 0, nl = 0;
  bool ataleve = false, ennemireste = false;
  const EnSortie remetpierres([&] {
    for (int32_t k = 0; k < nl; ++k) p[ix(leves[k])] = o;
  });
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t r = ligneliste(liste, k), col = colonneliste(liste, k), j = ix(r, col);
    if (p[j] == VIDE) {
      if (interieur[j] == 1) vides[nv++] = TPoint{r, col};
    } else if (p[j] == o && libs(j) < 4 && zone[j] != MARQUEMUR) {
      if (interieur[j] == 1 && testoeilmur(zone, r, col)) {
        p[j] = VIDE;
        leves[nl++] = TPoint{r, col};
        if (libs(j) == 1) ataleve = true;
      } else {
        ennemireste = true;
      }
    }
  }
  // Number of candidates.
  const int32_t candidats = nv + nl;
  nbvitaux = static_cast<uint8_t>(std::min(candidats, 255));
  if (candidats < 2 && (!modevitaux || candidats == 0)) return modevitaux ? ESPACEINDECIS : ESPACEMORT;
  // Eye points: empty candidates first, then the lifted ones.
  TPoint yeux[MAXVITAUX];
  bool vide[MAXVITAUX];
  int32_t k = 0;
  auto oeil = [&](TPoint q) {
    return ennemireste ? testoeilforts(p, o, q.ligne, q.colonne) : testvraioeil(p, o, q.ligne, q.colonne);
  };
  for (int32_t a = 0; a < nv + nl; ++a) {
    const bool estvide = a < nv;
    const TPoint q = estvide ? vides[a] : leves[a - nv];
    if (!oeil(q)) continue;
    if (k == MAXVITAUX) return (tueur == 0 && nl == 0) ? ESPACEVIVANT : ESPACEINDECIS;
    yeux[k] = q;
    vide[k] = estvide;
    ++k;
  }
  // The eye points are the vital points.
  nbvitaux = static_cast<uint8_t>(k);
  for (int32_t a = 0; a < k; ++a) vitaux[a] = yeux[a];
  // Vital-point mode stops at the eye points.
  if (modevitaux) return ESPACEINDECIS;
  // Shapes; from three points on, only the caller's wall marks count.
  if (k >= 3 && k <= 5) remetzone();
  if (k == 6) return (tueur == 0 && nl == 0) ? ESPACEVIVANT : ESPACEINDECIS;
  return formemorte(p, zone, c, yeux, vide, k, ataleve) ? ESPACEMORT : ESPACEINDECIS;
}

void marquemurfaible(const TMarques& /*morts*/, TPlateau& p, uint8_t c, uint8_t o, const TListePoints& mur,
                     const TMarques& zone, TMarques& interieur) {
  const TPlateau avant = p;
  const Restaure<TPlateau> remetplateau(p);
  const Restaure<TInfoChaine> remetchaines(infochaine);
  // The liberties of every wall chain (and the points that capture beside it).
  TListePoints libertes{};
  libertes[0] = 0;
  TMarques vu = marquesvides;
  for (int32_t k = 1; k <= nbpoints(mur); ++k) {
    const int32_t r = ligneliste(mur, k), col = colonneliste(mur, k);
    if (p[ix(r, col)] == o && !vu[ix(r, col)]) listelibertes(p, libertes, CAPACITELIBERTESMUR, 0, r, col, vu);
  }
  // The owner fills those inside the zone; refused ones wait for a second
  // pass, and for a third when the second played something.
  TListePoints prises{}, attente{}, suivants{};
  attente[0] = 0;
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
    const int32_t r = ligneliste(libertes, k), col = colonneliste(libertes, k);
    if (zone[ix(r, col)] != 1) continue;
    jouecoup(prises, CAPACITELISTE, p, r, col, c, o);
    if (p[ix(r, col)] != c) empilepoint(attente, CAPACITELIBERTESMUR, r, col);
  }
  for (int32_t passe = 2; passe <= 3 && nbpoints(attente) > 0; ++passe) {
    int32_t joues = 0;
    suivants[0] = 0;
    for (int32_t k = 1; k <= nbpoints(attente); ++k) {
      const int32_t r = ligneliste(attente, k), col = colonneliste(attente, k);
      if (p[ix(r, col)] == VIDE) jouecoup(prises, CAPACITELISTE, p, r, col, c, o);
      if (p[ix(r, col)] == c) ++joues;
      else empilepoint(suivants, CAPACITELIBERTESMUR, r, col);
    }
    if (joues == 0) break;
    attente = suivants;
  }
  // Wall chains gone, in atari, or capturable with 2 liberties.
  for (int32_t k = 1; k <= nbpoints(mur); ++k) {
    const int32_t r = ligneliste(mur, k), col = colonneliste(mur, k), j = ix(r, col);
    const bool faible = p[j] != o || libs(j) == 1 || (libs(j) == 2 && testprise(p, r, col, 4, 3, o, pointko));
    if (!faible || avant[j] != o) continue;
    TMarques chaine = marquesvides;
    marquepionschaine(avant, chaine, 0, r, col);
    for (int32_t i = 0; i < NBCASES; ++i)
      if (chaine[i]) interieur[i] = 1;
  }
}

void meilleurbouchage(TPlateau& p, const TMarques& zone, TPoint e, TPoint s, TPoint& t, uint8_t o, uint8_t c) {
  (void)e;
  t = TPoint{};
  const Restaure<TPlateau> remetplateau(p);
  const Restaure<TInfoChaine> remetchaines(infochaine);
  TListePoints prises{};
  const int32_t is = ix(s);
  if (p[is] == VIDE) jouecoup(prises, CAPACITELISTE, p, s.ligne, s.colonne, o, c);
  if (p[is] != o) return;
  const int32_t base = libs(is);
  TListePoints libertes{};
  libertes[0] = 0;
  TMarques vu = marquesvides;
  libertesdelachaine(p, libertes, CAPACITELIBERTESMUR, 0, s.ligne, s.colonne, vu);
  const TPlateau apres = p;
  const TInfoChaine chainesapres = infochaine;
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
    const int32_t r = ligneliste(libertes, k), col = colonneliste(libertes, k);
    if (zone[ix(r, col)] != 0) continue;
    jouecoup(prises, CAPACITELISTE, p, r, col, o, c);
    if (p[ix(r, col)] == o && libs(is) > base) t = TPoint{r, col};
    p = apres;
    infochaine = chainesapres;
  }
}

void triezonedeb(const TPlateau& p, const TMarques& interieur, TListePoints& liste, uint8_t c, int32_t cap) {
  const int32_t n = std::min(nbpoints(liste), cap);
  int32_t valeurs[MAXPOINTSLISTE + 1];
  for (int32_t k = 1; k <= n; ++k) {
    int32_t v = 0;
    pastable(ligneliste(liste, k), colonneliste(liste, k), [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      v += interieur[j] == 1 && p[j] != c;
      return false;
    });
    valeurs[k] = v;
  }
  triecoups(liste, valeurs);
}

void ajoutevoisinsvides(const TPlateau& p, TMarques& vu, TListePoints& l, int32_t cap, int32_t ligne,
                        int32_t colonne) {
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE && !vu[j] && empilepoint(l, cap, r2, c2)) vu[j] = 1;
    return false;
  });
}
