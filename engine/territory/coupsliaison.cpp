// Linking-move candidates.
#include "engine/territory/coupsliaison.h"

#include "engine/board/acces.h"
#include "engine/board/balayages.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/connection/lienvivant.h"
#include "engine/territory/preparation.h"

namespace {

constexpr int32_t PROFONDEURMAXLIAISON = 32;  // depths a reading may be asked for
constexpr int32_t CAPACITEBORD = 25;          // edge moves from one point (a 5x5 window)
constexpr int32_t POINTSPARCASE = 2;          // score of one point taken or enclosed

// The reading's state: the line of moves (depth 0 = the move read), the
// overrun flag that ends every level at once.
struct Lecture {
  TPlateau& p;
  uint8_t c, o;
  int32_t limite, P;
  const TCarte& C;
  TPoint coups[PROFONDEURMAXLIAISON + 1] = {};
  bool depasse = false;

  bool feuille(int32_t d) const {
    TListePoints ligne;
    ligne[0] = 0;
    for (int32_t k = 0; k <= d; k += 2)
      if (coups[k].ligne != 0) empilepoint(ligne, MAXPOINTSLISTE, coups[k].ligne, coups[k].colonne);
    return evaluelienterritoire(p, c, o, ligne, P);
  }

  // Depth d (from 1); `dernier` is the last move played.
  bool lit(int32_t d, const TPoint& dernier) {
    if (depasse) return false;
    const bool pair = d % 2 == 0;
    TListePoints candidats;
    candidats[0] = 0;
    if (pair) {
      coupsliaisonbord(p, c, dernier.ligne, dernier.colonne, d, C, candidats, CAPACITEBORD);
    } else {
      pastable(dernier.ligne, dernier.colonne, [&](int32_t r, int32_t k) {
        if (p[ix(r, k)] == VIDE) empilepoint(candidats, 4, r, k);
        return false;
      });
    }
    bool joue = false;
    TListePoints prises;
    for (int32_t n = 1; n <= nbpoints(candidats); ++n) {
      if (compteurnoeuds > BUDGETLIAISONTERRITOIRE) {
        depasse = true;
        return false;
      }
      const TPoint q{ligneliste(candidats, n), colonneliste(candidats, n)};
      const TPlateau plateau = p;
      const TInfoChaine chaines = infochaine;
      jouecoup(prises, CAPACITELISTE, p, q.ligne, q.colonne, pair ? c : o, pair ? o : c);
      ++compteurnoeuds;
      if (p[ix(q)] == VIDE) continue;
      joue = true;
      coups[d] = q;
      const bool res = d < limite ? lit(d + 1, q) : feuille(d);
      p = plateau;
      infochaine = chaines;
      if (depasse) return false;
      if (pair && res) return true;
      if (!pair && !res) return false;
    }
    if (joue) return !pair;
    coups[d] = TPoint{};
    if (!pair) return d < limite ? lit(d + 1, dernier) : feuille(d);  // a pass
    if (d != 2) return feuille(d);
    return false;
  }
};

// The jump toward one direction of marquesautsbord: `ligne` is the step
// along rows (dc = 0) or columns.
void sautbord(TPlateau& p, int32_t r, int32_t k, int32_t dr, int32_t dc, uint8_t a, uint8_t b) {
  const int32_t n = configmoteur.taille;
  const bool lignes = dr != 0;
  const int32_t pas = lignes ? dr : dc;
  const int32_t x = lignes ? r : k;  // along the direction
  const int32_t y = lignes ? k : r;  // across it
  const auto pt = [&](int32_t xx, int32_t yy) { return lignes ? ix(xx, yy) : ix(yy, xx); };
  const auto tient = [&](int32_t xx, int32_t yy, uint8_t v) {
    return xx >= 1 && xx <= n && yy >= 1 && yy <= n && p[pt(xx, yy)] == v;
  };
  const bool presbord = pas > 0 ? x > n - 2 : x < 3;
  if (presbord) {
    if (x != (pas > 0 ? n - 1 : 2)) return;
    if (!tient(x + pas, y, VIDE) || y == 1 || y == n) return;
    bool libre = false;
    for (const int32_t cote : {y + 1, y - 1})
      if (!tient(x + pas, cote, a) && !tient(x, cote, a)) libre = true;
    if (libre) p[pt(x + pas, y)] = b;
    return;
  }
  if (!tient(x + pas, y, VIDE) || !tient(x + 2 * pas, y, b)) return;
  if (infochaine[pt(x + 2 * pas, y)][0] <= 2) return;
  if (y != n && y != 2 && tient(x + pas, y + 1, a)) return;
  if (y != 1 && y != n - 1 && tient(x + pas, y - 1, a)) return;
  p[pt(x + pas, y)] = b;
}

}  // namespace

void proposecoupsliaison(TListePoints& liste, const TTableEssais& t0, uint8_t c, uint8_t o, int32_t limite,
                         TPlateau& p, TCarte& C, TCarte& W) {
  // P, the consolidation value, is used once.
  const int32_t P = valeurconsolidation;
  valeurconsolidation = 0;
  TListePoints F;
  F[0] = 0;
  // Gated: no linking moves, and C and W cleared.
  if (!niveaumin4 || strategie == 1 || P <= 0 || maxsurvie > 2 || procedurefinpartie || flagterritoire > 2 ||
      !phasedebut || coupdecide || compteurinvasions > 3 || flagdanger2) {
    C.fill(0);
    W.fill(0);
    return;
  }
  // Each point marked 1 or 11 in C and not yet valued is tried and read; board, chains and dead
  // marks come back.
  RestaurePosition essai(p);
  TCarte copie{};
  const int32_t n = configmoteur.taille;
  TListePoints prises;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = ix(r, k);
      if (W[i] != 0) {
        copie[i] = 1;
        flagliaison = 1;
        continue;
      }
      if ((C[i] != 1 && C[i] != 11) || p[i] != VIDE) continue;
      jouecoup(prises, CAPACITELISTE, p, r, k, c, o);
      if (p[i] == c) {
        pionsmorts = t0[i];
        if (lectureliaisonterritoire(p, c, o, r, k, limite, P, C)) {
          W[i] = P * 10;
          flagliaison = 1;
          empilepoint(F, MAXPOINTSLISTE, r, k);
        }
      }
      essai.restaure();
    }
  // C keeps the points valued before.
  C = copie;
  // Few found: all of them go into the list; else the best.
  if (nbpoints(F) <= MAXCOUPSLIAISON) {
    for (int32_t k = 1; k <= nbpoints(F); ++k)
      ajoutecaseliste(ligneliste(F, k), colonneliste(F, k), liste, CAPACITECOUPSLIAISON);
    return;
  }
  TMarques territoireliaison = marquesvides;
  marqueterritoireliaison(p, c, territoireliaison);
  int32_t valeurs[MAXPOINTSLISTE + 1] = {};
  for (int32_t k = 1; k <= nbpoints(F); ++k) {
    const int32_t r = ligneliste(F, k), q = colonneliste(F, k);
    valeurs[k] = W[ix(r, q)] + (voisinmarqueborne(territoireliaison, r, q) ? 1 : 0);
  }
  triecoups(F, valeurs);
  for (int32_t k = 1; k <= MAXCOUPSLIAISON; ++k)
    ajoutecaseliste(ligneliste(F, k), colonneliste(F, k), liste, CAPACITECOUPSLIAISON);
}

bool lectureliaisonterritoire(TPlateau& p, uint8_t c, uint8_t o, int32_t r, int32_t k, int32_t limite, int32_t P,
                              const TCarte& C) {
  Restaure<TPlateau> gardeplateau(p);
  Restaure<TInfoChaine> gardechaines(infochaine);
  Lecture l{p, c, o, mini(maxi(limite, 1), PROFONDEURMAXLIAISON), P, C};
  l.coups[0] = TPoint{r, k};
  return l.lit(1, l.coups[0]) && !l.depasse;
}

void coupsliaisonbord(const TPlateau& p, uint8_t c, int32_t r, int32_t k, int32_t profondeur, const TCarte& C,
                      TListePoints& l, int32_t cap) {
  l[0] = 0;
  if (!surplateaumoteur(r, k)) return;
  const int32_t n = configmoteur.taille;
  int32_t l1, l2, c1, c2;
  bornesfenetre(r, k, 2, l1, l2, c1, c2);
  const bool montant = (profondeur / 2) % 2 == 1;
  for (int32_t a = 0; a <= l2 - l1; ++a)
    for (int32_t b = 0; b <= c2 - c1; ++b) {
      const int32_t rq = montant ? l1 + a : l2 - a, cq = montant ? c1 + b : c2 - b;
      const int32_t q = ix(rq, cq);
      if (p[q] != VIDE || distancebord[q] > 1 || C[q] <= 0) continue;
      if ((rq == 1 || rq == n) && (cq == 1 || cq == n)) continue;
      const bool appui = pastable(rq, cq, [&](int32_t rv, int32_t cv) {
        return p[ix(rv, cv)] == c && infochaine[ix(rv, cv)][0] > 2;
      });
      if (appui) empilepoint(l, cap, rq, cq);
    }
}

bool evaluelienterritoire(const TPlateau& p, uint8_t e, uint8_t o, const TListePoints& ligne, int32_t P) {
  Restaure<TInfoChaine> gardechaines(infochaine);
  const TInfoChaine chaines = infochaine;
  const int32_t n = configmoteur.taille;
  // A copy without the dead stones, the live ones filled around.
  TPlateau copie = p;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] != VIDE && pionsmorts[j]) copie[j] = VIDE;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k)
      if (p[ix(r, k)] == e && !pionsmorts[ix(r, k)]) remplitvoisins(copie, e, r, k);
  // The line must hold to e's territory somewhere.
  bool tient = false;
  for (int32_t m = 1; m <= nbpoints(ligne) && !tient; ++m) {
    const int32_t r = ligneliste(ligne, m), k = colonneliste(ligne, m), i = ix(r, k);
    tient = copie[i] == e && (territoire[i] == e || territoire2[i] == e || estlieauterritoire(copie, r, k, e, o));
  }
  if (!tient) return false;
  // Territory of the copy.
  prepareterritoire(0, copie, o, e);
  infochaine = chaines;
  // The points of o's territory the line takes.
  int32_t score = 0;
  for (int32_t m = 1; m <= nbpoints(ligne); ++m) {
    const int32_t r = ligneliste(ligne, m), k = colonneliste(ligne, m);
    if (territoire[ix(r, k)] == o) {
      score += POINTSPARCASE;
      continue;
    }
    pastable(r, k, [&](int32_t rv, int32_t cv) {
      if (p[ix(rv, cv)] == VIDE && territoire[ix(rv, cv)] == o) score += POINTSPARCASE;
      return false;
    });
  }
  if (score >= P) return true;
  // The empty regions of the copy enclosed by e, painted e.
  TPlateau peint = copie;
  TMarques vu = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      if (copie[ix(r, k)] != VIDE || vu[ix(r, k)]) continue;
      TMarques region;
      region.fill(VIDE + 1);
      uint8_t ferme = 1;
      zonevideentouree(copie, ferme, e, region, 0, r, k, vu);
      if (!ferme) continue;
      for (int32_t j = 0; j < NBCASES; ++j)
        if (region[j] == e) peint[j] = e;
    }
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = ix(r, k);
      if (territoire[i] == e || peint[i] != e || p[i] != VIDE || !entoureparcouleur(peint, e, r, k)) continue;
      score += POINTSPARCASE;
      if (score >= P) return true;
    }
  return false;
}

void marquesautsbord(TPlateau& p, int32_t r, int32_t k, uint8_t a, uint8_t b) {
  sautbord(p, r, k, 1, 0, a, b);
  sautbord(p, r, k, -1, 0, a, b);
  sautbord(p, r, k, 0, 1, a, b);
  sautbord(p, r, k, 0, -1, a, b);
}

void marqueterritoireliaison(const TPlateau& p, uint8_t c, TMarques& m) {
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] == c && territoire[j] == c) m[j] = 1;
}

bool voisinmarqueborne(const TMarques& m, int32_t r, int32_t k) {
  return pas4(r, k, ORDREPREDICATS, [&](int32_t rv, int32_t cv) { return m[ix(rv, cv)] != 0; });
}
