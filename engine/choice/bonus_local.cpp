// Local bonus terms of unit bonus: what a move at p does to the chains and
// the space right around it (ladders, atari, edges, corners, cut shapes,
// dead stones by depth, the zone of own stones, links and eyes).
#include <algorithm>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/collecteurs.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/choice/bonus.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lienvivant.h"
#include "engine/reading/deuxyeux.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/prise.h"
#include "engine/territory/coupsliaison.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/preparation.h"
#include "engine/territory/seki.h"
#include "engine/territory/zones.h"

namespace {

inline int32_t signe(bool pour) { return pour ? 1 : -1; }

// Scratch of the terms: one term runs at a time.
struct Brouillon {
  TPlateau w, w1, w2, copie;
  TMarques vu, vu2, vu3, restaure;
  TListePoints l, l2;
  TInfoChaine chaines;
};
Brouillon brouillon_;
Brouillon& brouillon() { return brouillon_; }

// Depth weights.
int32_t poidsd(int32_t d) {
  switch (d) {
    case 1: return 5;
    case 2: return 3;
    case 3: case 4: return 2;
    default: return 1;
  }
}
int32_t poidse(int32_t d) {
  switch (d) {
    case 2: return 7;
    case 3: return 5;
    case 4: return 3;
    default: return 2;
  }
}

// The enemy stones next to p (o = the colour other than the stone at p):
// around p's whole chain when t is non-zero and the chain has more than two
// liberties, else p's table neighbours holding o.
void pierresennemies(const TPlateau& p, int32_t t, int32_t r, int32_t c, TListePoints& l) {
  l[0] = 0;
  const int32_t i = ix(r, c);
  const uint8_t o = p[i] == NOIR ? BLANC : NOIR;
  if (t != 0 && p[i] != VIDE && infochaine[i][0] > 2) {
    TMarques& vu = brouillon().vu3;
    vu = marquesvides;
    listepierresennemiesvoisines(p, l, 300, 0, r, c, vu);
    return;
  }
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] == o) empilepoint(l, 300, r2, c2);
    return false;
  });
}

// The first enemy stone next to p in atari, alive, with no escape by
// capture; with `echelle`, also one of two liberties caught in a ladder.
bool ennemiprenable(const TPlateau& p, int32_t t, int32_t r, int32_t c, bool echelle, int32_t& re, int32_t& ce) {
  Brouillon& br = brouillon();
  pierresennemies(p, t, r, c, br.l);
  for (int32_t k = 1; k <= nbpoints(br.l); ++k) {
    const int32_t r2 = ligneliste(br.l, k), c2 = colonneliste(br.l, k);
    const int32_t j = ix(r2, c2);
    if (pionsmorts[j]) continue;
    bool prend = false;
    if (infochaine[j][0] == 1) {
      prend = aucunennemiatari(p, r2, c2);
    } else if (echelle && infochaine[j][0] == 2 && aucunennemifaible(p, r2, c2)) {
      br.copie = p;
      const TInfoChaine chaines = infochaine;
      prend = detectesca(br.copie, 1, r2, c2);
      infochaine = chaines;
    }
    if (prend) {
      re = r2;
      ce = c2;
      return true;
    }
  }
  return false;
}

// The (clipped) rectangle holds fewer than 3 stones.
bool rectanglevide(const TPlateau& p, int32_t l1, int32_t l2, int32_t c1, int32_t c2) {
  const int32_t n = taillemoteur();
  int32_t k = 0;
  for (int32_t r = std::max(1, l1); r <= std::min(n, l2); ++r)
    for (int32_t c = std::max(1, c1); c <= std::min(n, c2); ++c)
      if (p[ix(r, c)] != VIDE) ++k;
  return k < 3;
}

// A stone in the square of half-side h around p, its four corners and p
// itself left out.
bool pierredanscarre(const TPlateau& p, int32_t h, int32_t r, int32_t c) {
  const int32_t n = taillemoteur();
  for (int32_t a = -h; a <= h; ++a)
    for (int32_t b = -h; b <= h; ++b) {
      if ((std::abs(a) == h && std::abs(b) == h) || (a == 0 && b == 0)) continue;
      const int32_t r2 = r + a, c2 = c + b;
      if (r2 >= 1 && r2 <= n && c2 >= 1 && c2 <= n && p[ix(r2, c2)] != VIDE) return true;
    }
  return false;
}

bool surlebord(int32_t r, int32_t c) {
  const int32_t n = taillemoteur();
  return r == 1 || c == 1 || r == n || c == n;
}

}  // namespace

// ---- Ladders and atari ---------------------------------------------------------------------

void bonusesca(TPlateau& p, int32_t& valeur, uint8_t m, const TMarques& marques, int32_t d, int32_t t,
               int32_t ligne, int32_t colonne) {
  if (d == 1) return;
  const int32_t w = poidse(d);
  Brouillon& br = brouillon();
  pierresennemies(p, t, ligne, colonne, br.l2);
  if (nbpoints(br.l2) == 0) return;
  br.vu2 = marquesvides;
  const int32_t s = signe(p[ix(ligne, colonne)] == m);
  for (int32_t k = 1; k <= nbpoints(br.l2); ++k) {
    const int32_t r = ligneliste(br.l2, k), c = colonneliste(br.l2, k);
    const int32_t j = ix(r, c);
    if (infochaine[j][0] != 1 || br.vu2[j] || marques[j]) continue;
    const bool libre = aucunennemiatari(p, r, c);
    marquepionschaine(p, br.vu2, 0, r, c);
    if (!libre) continue;
    int32_t n = 0;
    TPoint lib;
    br.vu = marquesvides;
    derniereliberteetcompte(n, p, lib, 0, r, c, br.vu);
    if (lib.ligne == ARRETMARCHE) {
      ecritdebug("bonusesca");
      continue;
    }
    if (lib.ligne == 0) continue;
    br.vu[ix(lib.ligne, lib.colonne)] = 0;
    br.copie = p;
    const TInfoChaine chaines = infochaine;
    uint8_t chasseur = autre(p[j]), coureur = p[j];
    int32_t resultat = 0;
    lectureesca(br.vu, br.copie, chasseur, coureur, lib.ligne, lib.colonne, resultat);
    infochaine = chaines;
    if (resultat == ESCALIERPRIS) valeur += s * w * n;
  }
}

void bonusatari(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, uint8_t c, int32_t a0, int32_t t, int32_t ligne,
                int32_t colonne) {
  if (c != m && territoire[ix(ligne, colonne)] == c) return;
  const int32_t w = poidsd(d);
  const int32_t s = signe(c == m);
  if (d >= 4) {
    valeur += s * w * t;
  } else if (a0 != 0) {
    const int32_t x = a0 - pierresenatari(p, c);
    if (x > 0) valeur += s * w * x;
  }
}

void bonuslibertesvoisines(TPlateau& p, int32_t& valeur, uint8_t m, int32_t chaine, int32_t d, int32_t ligne,
                           int32_t colonne) {
  const int32_t i = ix(ligne, colonne);
  const uint8_t o = p[i] == NOIR ? BLANC : NOIR;
  const int32_t base = (territoire[i] == o || territoire2[i] == o) ? 6 : 0;
  int32_t re = 0, ce = 0;
  if (!ennemiprenable(p, chaine, ligne, colonne, true, re, ce)) return;
  int32_t v = base + poidsd(d);
  if (bordgoban[ix(re, ce)]) v *= 2;
  valeur += signe(p[i] == m) * v;
}

void bonusvoisinsatari(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t t, int32_t ligne,
                       int32_t colonne) {
  int32_t re = 0, ce = 0;
  if (!ennemiprenable(p, t, ligne, colonne, false, re, ce)) return;
  int32_t v = poidsd(d);
  if (bordgoban[ix(re, ce)]) v *= 2;
  valeur += signe(p[ix(ligne, colonne)] == m) * v;
}

void bonussortieesca(TPlateau& p, int32_t& valeur, uint8_t m, const TMarques& escaliers, int32_t rayon,
                     int32_t ligne, int32_t colonne) {
  (void)m;
  const int32_t n = taillemoteur();
  Brouillon& br = brouillon();
  br.vu2 = marquesvides;
  for (int32_t r = std::max(1, ligne - rayon); r <= std::min(n, ligne + rayon); ++r)
    for (int32_t c = std::max(1, colonne - rayon); c <= std::min(n, colonne + rayon); ++c) {
      const int32_t q = ix(r, c);
      if (br.vu2[q] || escaliers[q] == 0 || p[q] == VIDE || infochaine[q][0] <= 1) continue;
      marquepionschaine(p, br.vu2, 0, r, c);
      if (infochaine[q][0] == 2) {
        br.copie = p;
        const TInfoChaine chaines = infochaine;
        const bool pris = detectesca(br.copie, 0, r, c);
        infochaine = chaines;
        if (pris) continue;
      }
      const int32_t l = escaliers[q];
      valeur += 5 * l;
      if (!pionsmorts[q]) valeur += 5 * l;
      if (l == 1 && bordgoban[q]) valeur += 5;
    }
}

// ---- Edges, open areas, corners ------------------------------------------------------------

void bonusbord(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const int32_t r = ligne, c = colonne;
  if (4 < r && r < n - 3 && 4 < c && c < n - 3) return;
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  if (surlebord(r, c)) {
    valeur += x == m ? -1 : 1;
    return;
  }
  int32_t s = 0, k = 0;
  // Toward each near edge: the centre-side neighbour differs from the stone
  // and the line out to the edge is empty.
  const auto cote = [&](int32_t dr, int32_t dc, int32_t compte) {
    const int32_t rc = r - dr, cc = c - dc;  // toward the centre
    if (p[ix(rc, cc)] == x) return;
    for (int32_t a = 1; a <= compte; ++a)
      if (p[ix(r + a * dr, c + a * dc)] != VIDE) return;
    ++k;
    s += compte;
  };
  if (r < 5) cote(-1, 0, r - 1);
  if (c < 5) cote(0, -1, c - 1);
  if (r >= n - 3) cote(1, 0, n - r);
  if (c >= n - 3) cote(0, 1, n - c);
  if (s == 0) return;
  if (s == 2 && k == 2) s = 1;
  else if (s == 3 && k == 2) s = 2;
  else if (s == 4) s = 2;
  else if (s == 5) s = 4;
  // The framework shapes of the four corners.
  const auto forme = [&](int32_t pr, int32_t pc, int32_t ar, int32_t ac, int32_t l1, int32_t l2, int32_t c1,
                         int32_t c2) {
    if (r == pr && c == pc && x == p[ix(ar, ac)] && rectanglevide(p, l1, l2, c1, c2)) s += 3;
  };
  forme(6, 3, 4, 4, 4, 6, 3, 4);
  forme(3, 6, 4, 4, 3, 4, 4, 6);
  forme(6, n - 2, 4, n - 3, 4, 6, n - 3, n - 2);
  forme(3, n - 5, 4, n - 3, 3, 4, n - 5, n - 3);
  forme(n - 5, n - 2, n - 3, n - 3, n - 5, n - 3, n - 3, n - 2);
  forme(n - 2, n - 5, n - 3, n - 3, n - 3, n - 2, n - 5, n - 3);
  forme(n - 2, 6, n - 3, 4, n - 3, n - 2, 4, 6);
  forme(n - 5, 3, n - 3, 4, n - 5, n - 3, 3, 4);
  valeur += signe(x == m) * s;
}

void zonevide3x3(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const int32_t s = n < 13 ? 1 : 0;
  const int32_t e = s ? 2 : 3;
  const int32_t r = ligne, c = colonne;
  if (!(e < r && r < n - 2 + s && e < c && c < n - 2 + s)) return;
  if (pas8(r, c, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] != VIDE; })) return;
  int32_t v;
  if (pierredanscarre(p, 2, r, c)) v = 1;
  else if (n >= 13 && pierredanscarre(p, 3, r, c)) v = 2;
  else v = 3 - s;
  const bool pour = p[ix(r, c)] == m;
  const int32_t sg = signe(pour);
  valeur += sg * v;
  const int32_t ecart = 3 - s;
  if (c >= e && (c - ecart == 1 || c + ecart == n)) valeur += sg * (5 * v * debutpartie + 2);
  if (r >= e && (r - ecart == 1 || r + ecart == n)) valeur += sg * (5 * v * debutpartie + 2);
  if (pour && v == e && debutpartie && (r == 4 - s || r == n - 3 + s || c == 4 - s || c == n - 3 + s)) valeur += 20;
}

void bonuscoins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne) {
  (void)ligne;
  (void)colonne;
  const int32_t n = taillemoteur();
  const uint8_t o = autre(c);
  Brouillon& br = brouillon();
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TMarques> gardemorts(pionsmorts);
  br.w = p;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (br.w[i] != VIDE && (pionsmorts[i] || infochaine[i][0] == 1)) br.w[i] = VIDE;
  remplitcasesneutres(1, br.w, c, o);
  const int32_t coins[4][4] = {{3, 3, 4, 4}, {n - 2, n - 2, n - 3, n - 3}, {3, n - 2, 4, n - 3}, {n - 2, 3, n - 3, 4}};
  for (const auto& k : coins) {
    const uint8_t a = br.w[ix(k[0], k[1])];
    if (!(a == o || (a == VIDE && br.w[ix(k[2], k[3])] == o))) continue;
    int32_t compte = 0;
    br.vu = marquesvides;
    comptezonenoncouleurplafond(compte, c, br.w, 0, k[0], k[1], br.vu);
    if (compte < 30) valeur += signe(c == m) * 5;
  }
}

void termeinactif(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}

// ---- Shapes ---------------------------------------------------------------------------------

void bonusformecoupure(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const int32_t r = ligne, c = colonne;
  const uint8_t k = p[ix(r, c)];
  static constexpr int32_t cercle[8][2] = {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}};
  TPoint a[8], nn[4];
  int32_t na = 0, nnn = 0, changes = 0;
  const bool bord = surlebord(r, c);
  int32_t precedent = -1, premier = -1;
  for (int32_t t = 0; t < 8; ++t) {
    const int32_t r2 = r + cercle[t][0], c2 = c + cercle[t][1];
    if (r2 < 1 || r2 > n || c2 < 1 || c2 > n) continue;
    const bool tient = p[ix(r2, c2)] == k;
    if (tient) a[na++] = TPoint{r2, c2};
    else if (t % 2 == 0) nn[nnn++] = TPoint{r2, c2};
    if (!bord) {
      const int32_t v = tient ? 1 : 0;
      if (premier < 0) premier = v;
      else if (v != precedent) ++changes;
      precedent = v;
    }
  }
  if (!bord && precedent >= 0 && precedent != premier) ++changes;
  const int32_t sg = signe(k == m);
  Brouillon& br = brouillon();
  if (na == 0) {
    br.copie = p;
    br.copie[ix(r, c)] = VIDE;
    br.vu = marquesvides;
    int32_t res = 0;
    zonevidetouchecouleur(res, k, br.copie, 0, r, c, br.vu);
    if (res != ARRETMARCHE) valeur -= 5 * sg;
    return;
  }
  bool coupe;
  if (!bord) {
    coupe = na >= 2 && nnn >= 2 && changes >= 3;
  } else {
    const bool seulbord = na == 1 && surlebord(a[0].ligne, a[0].colonne);
    const bool deuxbord = na == 2 && surlebord(a[0].ligne, a[0].colonne) && surlebord(a[1].ligne, a[1].colonne) &&
                          (a[0].ligne == a[1].ligne || a[0].colonne == a[1].colonne);
    coupe = nnn >= 2 && !seulbord && !deuxbord;
  }
  if (!coupe) return;
  br.vu = marquesvides;
  marqueregionsanscouleur(k, p, br.vu, 0, nn[0].ligne, nn[0].colonne);
  for (int32_t t = 1; t < nnn; ++t)
    if (!br.vu[ix(nn[t].ligne, nn[t].colonne)]) {
      valeur += 2 * sg;
      return;
    }
}

void bonusmortsprofondeur(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, uint8_t c, const TMarques& m1,
                          const TMarques& m2, int32_t ligne, int32_t colonne) {
  (void)ligne;
  (void)colonne;
  if (d <= 1) return;
  const uint8_t o = autre(c);
  int32_t x = 0, y = 0;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (p[i] != o) continue;
    if (d > 2) {
      if (pionsmorts[i] && !m2[i]) x += m1[i] ? 3 : 1;
      if (!pionsmorts[i] && m1[i]) ++y;
    } else if (pionsmorts[i] && !m2[i] && !m1[i]) {
      ++x;
    }
  }
  int32_t v;
  switch (d) {
    case 2: v = 4 * x; break;
    case 3: v = 3 * x; break;
    case 4: v = x - 4 * y; break;
    default: v = x / 2 - 3 * y; break;
  }
  valeur += signe(c == m) * v;
}

namespace {
// Flood of the empty points of the window of radius `rayon` from the point,
// marking vu: counts the stones of c it reaches (a chain once, marked whole)
// and sets `ennemi` at a stone of the other colour not marked dead.
int32_t remplitzonecompte(const TPlateau& p, TMarques& vu, uint8_t c, int32_t rayon, int32_t ligne,
                          int32_t colonne, bool& ennemi) {
  const int32_t n = taillemoteur();
  const int32_t lmin = std::max(1, ligne - rayon), lmax = std::min(n, ligne + rayon);
  const int32_t cmin = std::max(1, colonne - rayon), cmax = std::min(n, colonne + rayon);
  const uint8_t o = autre(c);
  int32_t compte = 0;
  TPoint pile[NBCASES];
  int32_t haut = 0;
  pile[haut++] = TPoint{ligne, colonne};
  vu[ix(ligne, colonne)] = 1;
  while (haut > 0) {
    const TPoint q = pile[--haut];
    pas4(q.ligne, q.colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
      if (r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax) return false;
      const int32_t j = ix(r2, c2);
      if (vu[j]) return false;
      if (p[j] == VIDE) {
        vu[j] = 1;
        pile[haut++] = TPoint{r2, c2};
      } else if (p[j] == c) {
        ++compte;
        marquepionschaine(p, vu, 0, r2, c2);
      } else {
        vu[j] = 1;
        if (p[j] == o && !pionsmorts[j]) ennemi = true;
      }
      return false;
    });
  }
  return compte;
}
}  // namespace

void comptezonevoisins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne,
                       int32_t rayon) {
  const int32_t ip = ix(ligne, colonne);
  const uint8_t pierre = p[ip];
  p[ip] = VIDE;
  Brouillon& br = brouillon();
  br.vu = marquesvides;
  bool ennemi = false;
  int32_t compte = remplitzonecompte(p, br.vu, c, rayon, ligne, colonne, ennemi);
  p[ip] = pierre;
  if (!ennemi) return;
  if (compte > 0) {
    if (!voisin8enemi(p, c, ligne, colonne)) {
      compte /= 2;
    } else {
      int32_t f = 0;
      pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
        if (p[ix(r2, c2)] == VIDE) ++f;
        return false;
      });
      if (compte < f) compte *= 2;
      else compte += f;
    }
  }
  valeur += signe(c == m) * compte;
}

// ---- Links and eyes -------------------------------------------------------------------------

int32_t liaisonchainesenatari(int32_t& valeur, const TPrisesMarquees& prises, TPlateau& p, uint8_t x, uint8_t y,
                              int32_t ligne, int32_t colonne) {
  Brouillon& br = brouillon();
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TMarques> gardemorts(pionsmorts);
  const int32_t ip = ix(ligne, colonne);
  TPlateau& w = br.w;
  w = p;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (w[i] == x && pionsmorts[i]) w[i] = VIDE;
  w[ip] = VIDE;
  prepareterritoire(0, w, x, y);
  w[ip] = y;
  // W1: p empty, the captured stones back; W2: the filled board.
  br.w1 = w;
  br.w1[ip] = VIDE;
  br.restaure = marquesvides;
  for (int32_t k = 1; k <= prises[0]; ++k) {
    const int32_t j = ix(prises[3 * k], prises[3 * k + 1]);
    br.w1[j] = x;
    br.restaure[j] = 1;
  }
  br.w2 = w;
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    if (w[ix(r2, c2)] == VIDE) w[ix(r2, c2)] = y;
    return false;
  });
  // The chain of p grown twice by its liberties.
  for (int32_t fois = 0; fois < 2; ++fois) {
    br.l[0] = 0;
    br.vu = marquesvides;
    listelibertessimple(w, br.l, NBCASES, br.vu, ligne, colonne);
    for (int32_t k = 1; k <= nbpoints(br.l); ++k) w[ix(ligneliste(br.l, k), colonneliste(br.l, k))] = y;
  }
  br.l[0] = 0;
  br.vu = marquesvides;
  listelibertessimple(w, br.l, NBCASES, br.vu, ligne, colonne);
  int32_t g0 = -1;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (br.vu[i] && w[i] == y && br.w2[i] == y && !pionsmorts[i]) ++g0;
  // X at p on W1.
  TListePoints& pr = br.l2;
  pr[0] = 0;
  calculelibertes(br.w1);
  jouecoupcaptures(pr, NBCASES, br.w1, ligne, colonne, x, y);
  if (br.w1[ip] != x) return 0;
  marquesautsbord(br.w1, ligne, colonne, y, x);
  TListePoints& listes = br.l;
  listes[0] = 0;
  for (int32_t r = 1; r <= taillemoteur(); ++r)
    for (int32_t c = 1; c <= taillemoteur(); ++c) {
      const int32_t j = ix(r, c);
      if (w[j] != x && br.w1[j] == x && !br.restaure[j]) {
        if (w[j] == y && j != ip) empilepoint(listes, NBCASES, r, c);
        w[j] = x;
      }
    }
  // Groups of Y around p and at the listed points.
  br.vu2 = marquesvides;  // stones counted
  br.vu3 = marquesvides;  // starts visited
  int32_t groupes = 0, somme = 0, plusgrand = 0;
  const auto groupe = [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (br.vu3[j]) return;
    const uint8_t avant = w[j];
    w[j] = y;
    TListePoints& libs = br.l2;
    libs[0] = 0;
    br.vu = marquesvides;
    listelibertessimple(w, libs, NBCASES, br.vu, r, c);
    w[j] = avant;
    int32_t compte = 0;
    for (int32_t i = 0; i < NBCASES; ++i) {
      if (!br.vu[i]) continue;
      if (w[i] == y || i == j) br.vu3[i] = 1;
      if (br.w2[i] == y && !pionsmorts[i] && !br.vu2[i]) {
        br.vu2[i] = 1;
        ++compte;
      }
    }
    if (compte == 0) return;
    ++groupes;
    somme += compte;
    plusgrand = std::max(plusgrand, compte);
  };
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    if (w[ix(r2, c2)] == y) groupe(r2, c2);
    return false;
  });
  for (int32_t k = 1; k <= nbpoints(listes); ++k) groupe(ligneliste(listes, k), colonneliste(listes, k));
  int32_t v = 0;
  if (groupes == 1) v = 10 * (g0 - plusgrand);
  else if (groupes > 1) v = 10 * (somme - plusgrand);
  valeur += v;
  return v;
}

void bonusrelielesgroupes(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne,
                          const TValeursRelie& v) {
  const int32_t q = ix(ligne, colonne);
  const uint8_t c = m, d = autre(m);
  const TEssaiCoup& rec = essaiordi(ligne, colonne);
  const TMarques& masque = *v.masque;
  const int32_t nl = v.prises ? (*v.prises)[0] : 0;
  // A move that links groups.
  if (rec.valeurcoupure > 1) {
    if (rec.flagessai2 && (rec.marqueessai & 0xff)) valeur += 10;
    valeur += 10 * (rec.valeurcoupure - 1);
    ecritdebug(":coup qui relie ");
  }
  // Defending with a thin lead: no move inside own territory.
  if (strategie == 1 && bilanscore < 5.0) {
    if (bilanscore >= 2.0) {
      if (territoire[q] == c) valeur -= bilanscore < 3.0 ? 10 : 5;
    } else if (bilanscore >= 1.0) {
      if (territoire[q] == c) valeur -= 20;
      else if (territoire[q] == d && masque[q]) valeur -= 10;
    } else if (territoire[q] == c || (territoire[q] == d && masque[q])) {
      valeur -= 50;
    }
  }
  // Strategy terms: 5 in d's area under strategy 0, 10 in or linked to c's area under strategy 1.
  if (procedurefinpartie == 0 && !pionsmorts[q] && infochaine[q][0] != 1) {
    if (strategie == 0 && (territoire2[q] == d || territoire[q] == d)) valeur += 5;
    if (strategie == 1 &&
        (territoire2[q] == c || (territoire[q] != c && estlieauterritoiresimple(p, ligne, colonne, c, d))))
      valeur += 10;
  }
  Brouillon& br = brouillon();
  // Group-linking score.
  const bool familles = v.f1 > 0 || v.f2 > 0 || v.f3 > 0 || v.f4 > 0;
  if (passesconsecutives == 0 && !flagliaison && strategie == 0 &&
      ((compteurinvasions3 == 0 && !flagfortif2) || familles)) {
    const bool lance = territoire[q] == d ||
                       (nl > 0 && (listeterritoirecouleur(v.prises->data(), c) || classevoisins(p, ligne, colonne, c, d))) ||
                       (v.g > 0 && pierreterritoiremarquee(p, d, pionsmortsbis, masque));
    if (lance) {
      TMarques& mm = br.vu;
      mm = carteattaque;
      const int32_t n = taillemoteur();
      for (int32_t r = std::max(1, ligne - 1); r <= std::min(n, ligne + 1); ++r)
        for (int32_t cc = std::max(1, colonne - 1); cc <= std::min(n, colonne + 1); ++cc) {
          if (!casescandidatesjoueur[ix(r, cc)] || !v.masquesjoueur) continue;
          const TMarques& mw = (*v.masquesjoueur)[r - 1][cc - 1];
          for (int32_t i = 0; i < NBCASES; ++i)
            if (p[i] == d && mm[i] && !mw[i]) mm[i] = 0;
        }
      // P1: P0 and the stones the candidate's trial kills (link bit of value 1).
      const TMarques p0 = pionsmorts;
      for (int32_t i = 0; i < NBCASES; ++i)
        if (p[i] == d && (rec.liensessai[i] & 1)) pionsmorts[i] = 1;
      const TMarques p1 = pionsmorts;
      {
        const Restaure<TInfoChaine> gardechaines(infochaine);
        int32_t compte = 0;
        detectetatchaines(compte, p, 0, ligne, colonne, 0, c);
        int32_t seki = 0;
        detectseki(seki, p1, p, 0);
      }
      const TMarques p2 = pionsmorts;
      pionsmorts = p0;
      int32_t a = 0, b = 0, e = 0;
      for (int32_t i = 0; i < NBCASES; ++i) {
        if (p[i] != d || territoire[i] != d || pionsmortsbis[i]) continue;
        if (!((!mm[i] && !masque[i] && p2[i]) || masque[i])) continue;
        if (p0[i]) ++a;
        else if (p1[i]) ++b;
        else ++e;
      }
      if (a == 0 && nl == 0 && v.f1 == 0 && v.f2 == 0 && v.f3 == 0 && v.f4 == 0) {
        if (flagsituationjoueur) b = e = 0;
        else if (b == 0) e = 0;
      }
      int32_t s = 0;
      if (a || b || e || nl) {
        if (territoire[q] == couleurjoueur) {
          if (!masque[q]) s = 40 * nl + 40 * a + 20 * b + 5 * e;
          else if (!pionsmorts[q]) s = 30 * nl + 20 * a + 10 * b + e;
          else if (!p2[q]) s = 20 * nl + 8 * a + 6 * b;
          else s = 20 * nl + 4 * a + 3 * b;
        } else {
          s = 20 * nl + 4 * a + 3 * b;
        }
        for (int32_t i = 0; i < NBCASES; ++i)
          if (p[i] == c && marquesliaison1[i] && !p1[i]) s += 5;
      }
      if (s > 0) {
        if (compteurinvasions3 > 0 || flagfortif2) s /= 5;
        valeur += s;
      }
    }
  }
  // Sacrifice test.
  if (!flagrelie && (maxsurvie > 2 || maxfortification > 2) && masque[q] && !pionsmorts[q] && v.h1 == 0 &&
      v.g > 2 && v.h3 < 2 && v.h4 == 0) {
    flagrelietest = 1;
    const Restaure<TMarques> gardemorts(pionsmorts);
    const Restaure<TInfoChaine> gardechaines(infochaine);
    marquechaine(p, ligne, colonne);
    int32_t compte = 0;
    detectetatchaines(compte, p, 0, ligne, colonne, 0, c);
    int32_t seki = 0;
    const TMarques avant = pionsmorts;
    detectseki(seki, avant, p, 0);
    testzonenoncouleur(p, ligne, colonne);
    for (int32_t i = 0; i < NBCASES; ++i)
      if (p[i] == d && pionsmorts[i] && !pionsmortsbis[i]) {
        flagrelietest = 0;
        break;
      }
  }
  // A lone stone that the opponent can cut off.
  if (infochaine[q][1] == 1 && infochaine[q][0] < 4 && v.f3 == 0 && nl == 0 && v.autres[0] <= 0 &&
      v.autres[1] <= 0 && v.autres[2] == 0 && !v.drapeau5) {
    bool atari = false, large = false;
    pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (p[j] == d) {
        if (infochaine[j][0] == 1) atari = true;
        if (infochaine[j][0] > 2) large = true;
      }
      return false;
    });
    if (!atari && (large || !pointlieajump(p, pionsmorts, ligne, c, colonne))) {
      if (v.v > 0 && v.f4 == 0) valeur -= v.v / 2;
      if (v.h3 == 0 && !v.drapeau3) valeur -= 10;
    }
  }
}

namespace {
// Every orthogonal neighbour of the point holds k, and one of them is marked
// in marquesglobales.
bool entoureetmarque(const TPlateau& p, uint8_t k, int32_t ligne, int32_t colonne) {
  bool entoure = true, marque = false;
  pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] != k) entoure = false;
    if (marquesglobales[j]) marque = true;
    return false;
  });
  return entoure && marque;
}
}  // namespace

void empechedefaire2yeux(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t k, TMarques& memo, int32_t ligne,
                         int32_t colonne) {
  (void)m;
  const int32_t q = ix(ligne, colonne);
  if (memo[q] == 0) {
    memo[q] = entoureetmarque(p, k, ligne, colonne) ? 2 : 8;
  }
  if (memo[q] == 100) {
    valeur -= 1000;
    return;
  }
  const Restaure<uint8_t> gardesurvie(flagsurvie);
  flagsurvie = 1;
  if (memo[q] != 2) return;
  memo[q] = 50;
  if (!pionlieamarque(p, k, ligne, colonne)) return;
  const Restaure<TMarques> gardefaibles(lesfaibles);
  lesfaibles = marquesvides;
  TPoint voisin{};
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    if (marquesglobales[ix(r2, c2)] && p[ix(r2, c2)] == k) {
      voisin = TPoint{r2, c2};
      return true;
    }
    return false;
  });
  if (voisin.ligne == 0) {
    valeur -= 1000;
    memo[q] = 100;
    ecritdebug("COUP empeche 2 yeux qu etaient deja fait en zero coup:");
    return;
  }
  const int32_t j = ix(voisin.ligne, voisin.colonne);
  const int32_t rr = infoyeux[j][0], rc = infoyeux[j][1];
  if (rr == 0 || rc == 0) ecritdebug("erreur dans empechede faire 2 yeux");
  const bool surplateau = rr >= 1 && rr <= taillemoteur() && rc >= 1 && rc <= taillemoteur();
  const TPoint ref = surplateau ? TPoint{rr, rc} : voisin;
  const Restaure<TMarques> gardemorts(pionsmorts);
  pionsmorts = essaiordi(ligne, colonne).plateauessai2;
  if (!testdeuxyeuxpossible(p, ref.ligne, ref.colonne, 0)) {
    valeur -= 1000;
    memo[q] = 100;
    ecritdebug("COUP empeche 2 yeux:");
  }
}

void bonuscoupureregions(const TMarques& marques, const TMarques& statut, TListePoints& liste, TPlateau& p,
                         const TPlateau& second, int32_t ligne, int32_t colonne, int32_t& valeur, uint8_t mode) {
  (void)statut;
  (void)mode;
  const int32_t q = ix(ligne, colonne);
  const uint8_t c = p[q];
  const uint8_t o = c == NOIR ? BLANC : NOIR;
  Brouillon& br = brouillon();
  br.w = second;
  if (pionsmorts[q]) return;
  // Append p (the list's own capacity bounds it).
  const int32_t nliste = liste[0];
  if (nliste < MAXPOINTSLISTE) {
    liste[0] = nliste + 1;
    liste[2 * (nliste + 1)] = ligne;
    liste[2 * (nliste + 1) + 1] = colonne;
  }
  // Three notes on the o neighbours: owner, set in the mark map, marked dead.
  int32_t proprietaire = -1, marque = -1, mort = -1;
  bool deux = false;
  for (int32_t k = 1; k <= nbpoints(liste) && !deux; ++k) {
    pastable(ligneliste(liste, k), colonneliste(liste, k), [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (p[j] != o) return false;
      const int32_t pr = territoire[j] == o ? 0 : territoire[j] == c ? 1 : 2;
      const int32_t ma = marques[j] ? 1 : 0, mo = pionsmorts[j] ? 1 : 0;
      if ((proprietaire >= 0 && proprietaire != pr) || (marque >= 0 && marque != ma) || (mort >= 0 && mort != mo))
        deux = true;
      proprietaire = pr;
      marque = ma;
      mort = mo;
      return deux;
    });
  }
  if (!deux) return;
  const Restaure<TInfoChaine> gardechaines(infochaine);
  br.copie = p;
  {
    int32_t compteur = 0;
    br.vu3 = marquesvides;
    evaluezones(br.vu3, pionsmorts, 0, compteur, 2, o, c, br.copie);
  }
  br.vu = marquesvides;
  uint8_t numero = 0;
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (br.copie[j] == o || br.vu[j] || numero >= 250) return false;
    marqueregionautre(br.copie, o, ++numero, br.vu, 0, r2, c2);
    return false;
  });
  if (numero <= 1) return;
  TListePoints& pr = br.l;
  pr[0] = 0;
  calculelibertes(br.w);
  br.w[q] = VIDE;
  jouecoup(pr, NBCASES, br.w, ligne, colonne, o, c);
  if (br.w[q] != o) return;
  prepareterritoire2(pionsmorts, br.w, o, c);
  br.vu2 = marquesvides;
  metlachaineliee(br.w, br.vu2, ligne, colonne);
  for (int32_t r = 1; r <= taillemoteur(); ++r)
    for (int32_t cc = 1; cc <= taillemoteur(); ++cc) {
      const int32_t j = ix(r, cc);
      if (!br.vu2[j] || p[j] != o) continue;
      if (pionsmorts[j]) {
        br.copie = p;
        const int32_t rl = lancelecturerecu1(0, c, o, br.copie, r, cc);
        if (rl > 1) valeur += (rl - 1) * 10;
      }
      if (territoire[j] == c) valeur += 10;
    }
}

void bonuspierreisoleebord(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t x, uint8_t y, int32_t ligne,
                           int32_t colonne) {
  (void)m;
  const uint8_t d = x, c = y;
  const int32_t q = ix(ligne, colonne);
  if (p[q] != c || infochaine[q][1] != 1) return;
  const int32_t n = taillemoteur();
  int32_t lie = -1;  // asked once
  struct Cote {
    bool proche;
    int32_t cr, cc;   // toward the centre
    int32_t lr, lc;   // along the line
  };
  const Cote cotes[4] = {{ligne < 4, 1, 0, 0, 1}, {colonne < 4, 0, 1, 1, 0}, {ligne >= n - 2, -1, 0, 0, 1},
                         {colonne >= n - 2, 0, -1, 1, 0}};
  Brouillon& br = brouillon();
  for (const Cote& s : cotes) {
    if (!s.proche) continue;
    const int32_t r1 = ligne - s.lr, c1 = colonne - s.lc, r2 = ligne + s.lr, c2 = colonne + s.lc;
    if (!surplateaumoteur(r1, c1) || !surplateaumoteur(r2, c2)) continue;
    if (territoire[q] == d) continue;
    const int32_t rc = ligne + s.cr, cc = colonne + s.cc;
    if (!surplateaumoteur(rc, cc) || p[ix(rc, cc)] != d || pionsmorts[ix(rc, cc)]) continue;
    if (pionsmorts[q]) {
      valeur -= 10;
      return;
    }
    if (lie < 0) lie = estlieachainevivanteavecmorts(pionsmortsbis, p, ligne, colonne, c, d) ? 1 : 0;
    if (lie) continue;
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    for (const TPoint v : {TPoint{r1, c1}, TPoint{r2, c2}})
      if (p[ix(v.ligne, v.colonne)] == VIDE) {
        br.l[0] = 0;
        jouecoup(br.l, NBCASES, p, v.ligne, v.colonne, d, c);
      }
    bool pris = p[q] != c;
    if (!pris) pris = testprise(p, ligne, colonne, 11, 5, d, TPoint{});
    p = avant;
    infochaine = chaines;
    // The taken stone stays marked dead for the rest of the line.
    if (pris) {
      pionsmorts[q] = 1;
      valeur -= 10;
    }
  }
}

void bonusrampebord(TPlateau& p, int32_t& valeur, uint8_t m, int32_t recherche, int32_t ligne, int32_t colonne) {
  (void)m;
  if (recherche > 0) return;
  const int32_t q = ix(ligne, colonne);
  const uint8_t y = p[q];
  if (y == VIDE || infochaine[q][0] != 2 || !bordgoban[q] || pionsmorts[q]) return;
  const uint8_t x = autre(y);
  if (pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
        const int32_t j = ix(r2, c2);
        return p[j] == x && infochaine[j][0] == 1;
      }))
    return;
  const auto existe = [&](TPoint a) { return surplateaumoteur(a.ligne, a.colonne); };
  // The next edge point is a neighbour of the last one; the ko point that
  // voisinsdubord gives when there is none is no step.
  const auto suit = [&](TPoint a, TPoint b) {
    return existe(b) && std::abs(a.ligne - b.ligne) + std::abs(a.colonne - b.colonne) == 1;
  };
  TPoint i0, e;
  voisinsdubord(i0, e, p, y, ligne, colonne);
  if (!existe(i0) || p[ix(i0.ligne, i0.colonne)] != VIDE || !suit(TPoint{ligne, colonne}, e)) return;
  Brouillon& br = brouillon();
  TPlateau& w = br.w;
  w = p;
  int32_t nombre = 0, v = 0;
  TPoint i = i0;
  bool contre = false;
  for (int32_t garde = 0; garde < NBCASES; ++garde) {
    const int32_t je = ix(e.ligne, e.colonne);
    if (territoire[je] == x || territoire2[je] == x) return;
    w[je] = y;
    ++nombre;
    TPoint ni, ne;
    voisinsdubord(ni, ne, w, y, e.ligne, e.colonne);
    if (existe(ni) && w[ix(ni.ligne, ni.colonne)] == VIDE) {
      const int32_t ji = ix(ni.ligne, ni.colonne);
      v += (territoire[ji] == y || territoire2[ji] == y) ? 4 : 2;
    } else {
      v += 1;
    }
    contre = existe(ni) && w[ix(ni.ligne, ni.colonne)] == y;
    if (!existe(ni) || contre || !suit(e, ne) || w[ix(ne.ligne, ne.colonne)] != VIDE) {
      if (nombre == 1 && !suit(e, ne)) contre = true;
      break;
    }
    i = ni;
    e = ne;
  }
  (void)i;
  if (nombre < 3 && contre) return;
  if (v <= 0) return;
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  br.l[0] = 0;
  jouecoup(br.l, NBCASES, p, i0.ligne, i0.colonne, x, y);
  const int32_t ji = ix(i0.ligne, i0.colonne);
  if (p[ji] == x && infochaine[ji][0] > 1 && !testprise(p, i0.ligne, i0.colonne, 5, 4, x, TPoint{}))
    valeur -= 5 * v;
  p = avant;
  infochaine = chaines;
}
