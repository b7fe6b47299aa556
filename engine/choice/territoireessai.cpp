// Per-move territory analyses: the opening test, the territory gain of an
// engine trial and the follow-up of an opponent trial.
#include "engine/choice/territoireessai.h"

#include <algorithm>
#include <cmath>

#include "engine/board/acces.h"
#include "engine/board/balayages.h"
#include "engine/board/geometrie.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/territory/estimation.h"
#include "platform/platform.h"

namespace {

// The estimate of the board after a trial: contacts, then the two-colour
// estimate of c (I, J and the counts), the contact points made dead.
struct TEstimation {
  TCarte I, J;
  int32_t blancs = 0, noirs = 0;
  uint8_t contact = 0;
  TMarques contacts;
};

void estimeapresessai(TEstimation& x, const TMarques& marques, const TEssaiCoup& rec, uint8_t c, const TPlateau& p) {
  detectcontacts(marques, x.contact, x.contacts, p, rec.etatessai);
  estimeterritoire(x.I, x.J, c, paramniveaue, x.blancs, x.noirs, p, 0);
}

void marquecontacts(TEstimation& x) {
  if (!x.contact) return;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (x.contacts[j] == 1) {
      pionsmorts[j] = 1;
      x.I[j] = 0;
    }
}

// carte1essai: 1 where I leans black, 0 where it leans white.
void signeinfluence(TEssaiCoup& rec, const TCarte& I) {
  for (int32_t j = 0; j < NBCASES; ++j) {
    if (I[j] > 0) rec.carte1essai[j] = 1;
    else if (I[j] < 0) rec.carte1essai[j] = 0;
  }
}

// compteur4essai with the counts t1 and t2 of the second map J; a count
// of 3, or t1 two above t2, cancels it.
void comptefrontiere(TEssaiCoup& rec, const TEstimation& x, const TPlateau& p, uint8_t c, int32_t ligne,
                     int32_t colonne, bool engine) {
  const int32_t s = c == NOIR ? 1 : -1;
  int32_t t2 = territoire2[indexcase(ligne, colonne)] == c ? 1 : 0, t1 = 0;
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t q = indexcase(r, k);
      if (p[q] == VIDE) {
        if (territoire[q] != c && x.I[q] * s > 0) {
          if (engine) ++rec.compteur5essai;
          if (voisinsinfluencecouleur(p, x.I, c, r, k)) ++rec.compteur4essai;
        }
        if (territoire2[q] == c) {
          if (x.J[q] * s < 1) ++t2;
        } else if (x.J[q] * s > 0) {
          ++t1;
        }
      } else if (engine && p[q] != c && pionsmorts[q] && !pionsmortsbis[q] && x.I[q] * s > 0) {
        ++rec.compteur5essai;
      }
    }
  if (rec.compteur4essai > 0 && (t1 >= 3 || t2 >= 3 || t1 - t2 >= 2)) rec.compteur4essai = 0;
}

// Claims for c, in `cible` and the trial's map `carte`, the neutral empty
// points on c's side of I: all of them when compteur4essai is positive,
// else those of the regions of that sign that touch c's territory.
void revendique(const TEstimation& x, const TPlateau& p, uint8_t c, int32_t compteur4, TMarques& cible,
                uint8_t* carte) {
  const int32_t s = c == NOIR ? 1 : -1;
  const int32_t n = taillemoteur();
  if (compteur4 > 0) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t q = indexcase(r, k);
        if (p[q] == VIDE && territoire[q] == VIDE && x.I[q] * s >= 1) {
          cible[q] = c;
          carte[q] = c;
        }
      }
    return;
  }
  TMarques regions = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t q = indexcase(r, k);
      if (p[q] == VIDE && !regions[q] && territoire[q] == c && x.I[q] * s > 0)
        marquechainesigne(p, regions, x.I, 0, s, r, k);
    }
  for (int32_t q = 0; q < NBCASES; ++q)
    if (regions[q] && territoire[q] == VIDE) {
      cible[q] = c;
      carte[q] = c;
    }
}

// Points of the opening corner bonus: the 3-4 points, and on 9 lines the 3-3 points.
bool pointcoin(int32_t r, int32_t c) {
  const int32_t n = taillemoteur();
  const int32_t points[8][2] = {{3, 4},     {4, 3},     {n - 3, n - 2}, {n - 2, n - 3},
                                {n - 3, 3}, {3, n - 3}, {n - 2, 4},     {4, n - 2}};
  for (const auto& q : points)
    if (q[0] == r && q[1] == c) return true;
  if (n == 9) {
    const int32_t coins[4][2] = {{3, 3}, {n - 2, n - 2}, {n - 2, 3}, {3, n - 2}};
    for (const auto& q : coins)
      if (q[0] == r && q[1] == c) return true;
  }
  return false;
}

}  // namespace

void testphaseouverture(const TPlateau& p) {
  const int32_t n = taillemoteur();
  // Early moves on a large board are opening moves.
  if (n >= 13 && numerocoup < 15) {
    debutpartie = 1;
    return;
  }
  // An open joseki suggestion.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const uint8_t s = suggestionsjoseki[indexcase(r, c)];
      if ((s & 0x01) && !(s & 0x04)) {
        debutpartie = 1;
        return;
      }
    }
  // The four edges, one run counter each.
  int32_t revendiques = 0, ouverts = 0;
  int32_t suites[4] = {0, 0, 0, 0};
  for (int32_t i = 3; i <= n - 2; ++i) {
    // (point, its two neighbours along the edge), edges in the order (i,1), (1,i), (i,N), (N,i).
    const int32_t bords[4][3][2] = {{{i, 1}, {i - 1, 1}, {i + 1, 1}},
                                    {{1, i}, {1, i - 1}, {1, i + 1}},
                                    {{i, n}, {i - 1, n}, {i + 1, n}},
                                    {{n, i}, {n, i - 1}, {n, i + 1}}};
    for (int32_t b = 0; b < 4; ++b) {
      const int32_t q = indexcase(bords[b][0][0], bords[b][0][1]);
      const int32_t v1 = indexcase(bords[b][1][0], bords[b][1][1]);
      const int32_t v2 = indexcase(bords[b][2][0], bords[b][2][1]);
      if (p[q] == VIDE && (territoire[q] != VIDE || territoire2[q] != VIDE)) {
        ++revendiques;
      } else if (p[q] == VIDE && p[v1] == VIDE && p[v2] == VIDE && territoire2[v1] == VIDE &&
                 territoire2[v2] == VIDE && !coinlibre(p, bords[b][0][0], bords[b][0][1])) {
        ++ouverts;
        ++suites[b];
      } else if (suites[b] < 3) {
        suites[b] = 0;
      }
    }
  }
  // Enough open edge, or a long open run: still the opening while a tenth of the claimed points
  // stays below the open ones.
  const bool suite = std::any_of(std::begin(suites), std::end(suites), [](int32_t s) { return s > 2; });
  if (ouverts > 10 || suite) debutpartie = (revendiques * 10 / 100 < ouverts && ouverts > 2) ? 1 : 0;
  else debutpartie = 0;
}

void gainterritoireessai(const TMarques& marques, bool consolide, bool lie, uint8_t c, uint8_t o, TPlateau& p,
                         int32_t& bonus, int32_t& valeur, const TCarte& proprietaires, int32_t ligne,
                         int32_t colonne, int32_t noirs0, int32_t blancs0, int32_t valeurconsolidation, bool sauve) {
  const int32_t n = taillemoteur();
  const int32_t s = c == NOIR ? 1 : -1;
  const int32_t ip = indexcase(ligne, colonne);
  TEssaiCoup& rec = essaiordi(ligne, colonne);
  // The strategy window.
  bool bord = false, centre = false;
  if (strategie == 2 && n >= 13) {
    bord = ligne <= 4 || ligne >= n - 3 || colonne <= 4 || colonne >= n - 3;
    centre = !bord;
  }
  if (centre && !couleurdanscarre(p[ip], p, 3, colonne, ligne)) {
    valeur = 0;
    return;
  }
  // In the opening, an edge move blocks the opponent's edge first.
  const bool bloque = debutpartie == 1 && bord;
  const TPlateau copie = p;
  if (bloque) bloquebordadverse(p, p[ip], ligne, colonne);
  // Territory estimate after the trial.
  TEstimation x;
  estimeapresessai(x, marques, rec, c, p);
  marquecontacts(x);
  // Influence sign and frontier counts.
  signeinfluence(rec, x.I);
  comptefrontiere(rec, x, p, c, ligne, colonne, true);
  // Behind and saving stones: a gain that covers the deficit lifts the attack mode.
  if (enretard && sauve) {
    int32_t gain = 0;
    for (int32_t q = 0; q < NBCASES; ++q) {
      if (p[q] == VIDE) {
        if (x.I[q] * s > 0) gain += territoire[q] == o ? 2 : territoire[q] == VIDE ? 1 : 0;
      } else if (p[q] == c) {
        if (pionsmortsbis[q] && !pionsmorts[q]) gain += 2;
      } else if (!pionsmortsbis[q] && pionsmorts[q]) {
        gain += 2;
      }
    }
    if (gain >= std::abs(bilanscore)) {
      enretard = 0;
      flagattaque = 0;
    }
  }
  // The mover's count grew: claim its new points.
  const int32_t propre0 = c == NOIR ? noirs0 : blancs0, propre1 = c == NOIR ? x.noirs : x.blancs;
  const int32_t autre0 = c == NOIR ? blancs0 : noirs0, autre1 = c == NOIR ? x.blancs : x.noirs;
  if (propre1 > propre0) revendique(x, p, c, rec.compteur4essai, territoire3, carteniveau[ligne - 1][colonne - 1]);
  // The value by strategy.
  switch (strategie) {
    case 0:
      valeur = (propre1 - propre0) + (autre0 - autre1);
      break;
    case 1: {
      TPlateau d = p;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (pionsmorts[q] || (p[q] == c && infochaine[q][0] == 1)) d[q] = VIDE;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (d[q] == VIDE && proprietaires[q] == 0 && x.I[q] * s > 0) ++valeur;
      break;
    }
    default:
      valeur = propre1 - propre0;
      if (!pionsmorts[ip] && (valeur >= 1 || territoire[ip] != c || lie)) valeur += autre0 - autre1;
      break;
  }
  if (debutpartie == 1 && territoire2[ip] != c) {
    if (propre1 == propre0) valeur = 0;
    else if (propre1 > propre0 && sansvidevoisininfluence(p, x.I, ligne, colonne)) valeur = propre1 - propre0;
  }
  if (centre && valeur >= 1 && !relieparinfluence(p, x.I, p[ip], 3, ligne, colonne)) valeur = 0;
  // A lone stone in someone's territory, not linked, is worth 5 at most.
  if (strategie != 0 && !lie && valeur >= 6 && infochaine[ip][1] == 1 && territoire[ip] != VIDE &&
      territoire[ip] != p[ip])
    valeur = 5;
  if (bloque) p = copie;
  if (phasedebut == 0 && pointcoin(ligne, colonne)) bonuscoinouverture(p, valeur, ligne, colonne);
  // The territory still to take, over the board and along the edges.
  if (valeur >= 1) {
    int32_t tous = 0, bords = 0;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t q = indexcase(r, k);
        if (p[q] != VIDE || proprietaires[q] != 0 || x.I[q] * s <= 0) continue;
        ++tous;
        if (r <= 4 || k <= 4 || r >= n - 3 || k >= n - 3) ++bords;
      }
    territoireaprendre[1] = std::max(territoireaprendre[1], tous);
    territoireaprendre[0] = std::max(territoireaprendre[0], bords);
  }
  // Consolidation: a gain that covers the lead's margin earns the bonus.
  if (consolide && !pionsmorts[ip] && valeur >= 1) {
    int32_t k = territoire[ip] == o ? 2 : 1;
    const bool noir = p[ip] == NOIR;
    pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t q) {
      const int32_t j = indexcase(r, q);
      if (p[j] == VIDE && (noir ? x.I[j] < 1 : x.I[j] >= 0)) {
        if (territoire[j] == VIDE) k += 1;
        else if (territoire[j] == o) k += 2;
      }
      return false;
    });
    const int32_t gain = noir ? x.noirs - noirs0 : x.blancs - blancs0;
    if (gain * 2 + k >= valeurconsolidation) bonus = valeurconsolidation * 10;
  }
}

void suiteessaijoueur(const TMarques& marques, uint8_t c, TPlateau& p, int32_t termeprise, int32_t ligne,
                      int32_t colonne) {
  const int32_t ip = indexcase(ligne, colonne);
  const int32_t s = c == NOIR ? 1 : -1;
  // Nothing to follow in own territory, nor with no empty neighbour.
  if (territoire[ip] == c || territoire2[ip] == c) return;
  TPoint vides[4];
  int32_t nbvides = 0;
  pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t k) {
    if (p[indexcase(r, k)] == VIDE) vides[nbvides++] = TPoint{r, k};
    return false;
  });
  if (nbvides == 0) return;
  // Only near own stones, facing a live enemy stone.
  if (flagattaque == 0 && termeprise == 0) {
    int32_t propres = 0, autres = 0;
    const int32_t n = taillemoteur();
    for (int32_t r = std::max(1, ligne - 1); r <= std::min(n, ligne + 1); ++r)
      for (int32_t k = std::max(1, colonne - 1); k <= std::min(n, colonne + 1); ++k) {
        const int32_t q = indexcase(r, k);
        if (p[q] == c) ++propres;
        else if (p[q] != VIDE && !marquesliaison2[q]) ++autres;
      }
    if (propres < (bordgoban[ip] ? 2 : 3) || autres < 1) return;
  }
  // Territory estimate after the opponent's trial.
  const TMarques avant = pionsmorts;
  TEssaiCoup& rec = essaijoueur(ligne, colonne);
  TEstimation x;
  estimeapresessai(x, marques, rec, c, p);
  signeinfluence(rec, x.I);
  comptefrontiere(rec, x, p, c, ligne, colonne, false);
  // Does the estimate lean the opponent's way at an empty neighbour?
  bool penche = false;
  for (int32_t k = 0; k < nbvides; ++k)
    if (x.I[indexcase(vides[k].ligne, vides[k].colonne)] * s > 0) penche = true;
  if (penche) {
    // Then claim its points.
    marquecontacts(x);
    revendique(x, p, c, rec.compteur4essai, videsennemis, tablelecture[ligne - 1][colonne - 1]);
  }
  pionsmorts = avant;
}

bool sansvidevoisininfluence(const TPlateau& p, const TCarte& influence, int32_t ligne, int32_t colonne) {
  const int32_t t = p[indexcase(ligne, colonne)] == NOIR ? 1 : -1;
  return !pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t k) {
    const int32_t q = indexcase(r, k);
    return p[q] == VIDE && influence[q] * t > 0;
  });
}

void bloquebordadverse(TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const uint8_t o = couleur == NOIR ? BLANC : NOIR;
  // Each side: whether it applies, the step toward the edge (dr, dc).
  struct Cote {
    bool proche;
    int32_t dr, dc;
  };
  const Cote cotes[4] = {{colonne >= 2 && colonne <= 4, 0, -1},
                         {ligne >= 2 && ligne <= 4, -1, 0},
                         {colonne >= n - 3 && colonne <= n - 1, 0, 1},
                         {ligne >= n - 3 && ligne <= n - 1, 1, 0}};
  for (const Cote& k : cotes) {
    if (!k.proche) continue;
    // The gap from the stone to the edge must be empty.
    bool vide = true;
    for (int32_t r = ligne + k.dr, c = colonne + k.dc; surplateaumoteur(r, c); r += k.dr, c += k.dc)
      if (p[indexcase(r, c)] != VIDE) vide = false;
    if (!vide) continue;
    for (int32_t r = ligne + k.dr, c = colonne + k.dc; surplateaumoteur(r, c); r += k.dr, c += k.dc) {
      // Across the line, both ways, the first stone within three steps.
      bool adverse = false;
      for (int32_t sens : {-1, 1}) {
        for (int32_t pas = 1; pas <= 3; ++pas) {
          const int32_t r2 = r + sens * pas * k.dc, c2 = c + sens * pas * k.dr;
          if (!surplateaumoteur(r2, c2)) break;
          const uint8_t v = p[indexcase(r2, c2)];
          if (v != VIDE) {
            adverse = adverse || v == o;
            break;
          }
          const bool bordligne = k.dc != 0 ? (r2 == 1 || r2 == n) : (c2 == 1 || c2 == n);
          if (bordligne) break;
        }
      }
      if (adverse) {
        p[indexcase(ligne + k.dr, colonne + k.dc)] = o;
        break;
      }
    }
  }
}

void bonuscoinouverture(const TPlateau& p, int32_t& valeur, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const int32_t rayon = n > 13 ? 50 : n > 9 ? 30 : 10;
  if (carreoccupe(p, n > 9 ? 2 : 1, ligne, colonne)) return;
  valeur += platform::Random(rayon) + 600;
  const uint8_t moi = p[indexcase(ligne, colonne)];
  // The first stone of the point's column, then of its row, the point aside:
  // one of the point's colour costs 100.
  const auto premierepierre = [&](int32_t soi, auto point) {
    for (int32_t k = 1; k <= n; ++k) {
      if (k == soi) continue;
      const uint8_t v = p[point(k)];
      if (v == VIDE) continue;
      if (v == moi) valeur -= 100;
      return;
    }
  };
  premierepierre(ligne, [&](int32_t k) { return indexcase(k, colonne); });
  premierepierre(colonne, [&](int32_t k) { return indexcase(ligne, k); });
}
