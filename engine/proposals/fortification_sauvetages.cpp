// Reinforcement family: rescues by capture, races, links of last resort,
// eye gains, the opponent's lost kills, cuts, and the edge crawl
// `propagationbord`.
#include <algorithm>
#include <cstdlib>

#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/fortification.h"
#include "engine/proposals/fortification_etat.h"
#include "engine/reading/marquagemorts.h"
#include "engine/reading/prise.h"
#include "engine/territory/etatchaines.h"

// ---- Sub-family 14 -----------------------------------------------------------------

void Fortif::coupforce() {
  debut(14, 19);
  if (classe2 || classe3) {
    const int32_t n = taille();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (!candidat(i) || fortification[i] != 0) continue;
        const TEssaiCoup& E = essaiA(i);
        if (!vivantessai(E, i) || !E.carte2essai[i] || !lieaunfaibleessai(E)) continue;
        chargeessai(p, E);
        // The adjacent opponent chains of fewer than 4 liberties the reading takes.
        TListePoints L1{}, L2{};
        TMarques vu = marquesvides;
        libertesetadversaires(p, L1, CAPACITEFORTIF, 0, r, k, vu, CAPACITEFORTIF, L2);
        TMarques V = marquesvides;
        bool pris = false;
        for (int32_t m = 1; m <= nbpoints(L2); ++m) {
          const int32_t a = ligneliste(L2, m), b = colonneliste(L2, m), y = indexcase(a, b);
          if (p[y] != o || infochaine[y][0] >= 4 || marquesliaison2[y] || V[y]) continue;
          TMarques marche = pionsmortsessai(E);
          if (chainetouchemarque(p, V, marche, a, b)) continue;
          if (!testprise(p, a, b, profondeurlecture - 1, 3, o, pointko)) continue;
          TMarques chaine = marquesvides;
          marquepionschaine(p, chaine, 0, a, b);
          for (int32_t q = 0; q < NBCASES; ++q)
            if (chaine[q]) V[q] = 1;
          marquechaineselonvisite2(p, V, 0, a, b);
          pris = true;
        }
        bool revit = false;
        if (pris) {
          marquesdetect = pionsmorts;
          int32_t res = 0;
          detectetatchaine(o, c, res, p, 1, r, k, 0);
          for (int32_t q = 0; q < NBCASES && !revit; ++q)
            revit = plateaudepart[q] == c && pionsmortsbis[q] && !pionsmorts[q] && lieparcecoup(i, q);
        }
        if (!revit) {
          garde.restaure();
          continue;
        }
        // The second engine move that keeps them alive.
        TMarques R = marquesvides;
        auto essaie = [&](int32_t x) {
          chargeessai(p, E);
          TListePoints prises{};
          jouecoup(prises, CAPACITEFORTIF, p, lignede(x), colonnede(x), c, o);
          if (p[x] != c || infochaine[x][0] <= 1) return false;
          marquesdetect = pionsmorts;
          int32_t res = 0;
          detectetatchaine(o, c, res, p, 1, lignede(x), colonnede(x), 0);
          if (pionsmorts[i]) return false;
          TMarques r2 = marquesvides;
          bool un = false;
          for (int32_t q = 0; q < NBCASES; ++q)
            if (plateaudepart[q] == c && pionsmortsbis[q] && !pionsmorts[q] && p[q] == c && lieparcecoup(i, q)) {
              r2[q] = 1;
              un = true;
            }
          if (un) R = r2;
          return un;
        };
        bool reussi = false;
        const int32_t nl = nbpoints(L1);
        for (int32_t m = 1; m <= nl && !reussi; ++m) {
          const int32_t a = ligneliste(L1, m), b = colonneliste(L1, m), x = indexcase(a, b);
          if (V[x]) continue;
          if (pastable(a, b, [&](int32_t u, int32_t v) {
                const int32_t j = indexcase(u, v);
                return plateaudepart[j] == c && !vivantessai(E, j);
              }))
            continue;
          V[x] = 3;
          reussi = essaie(x);
        }
        if (!reussi) {
          // The second ring.
          chargeessai(p, E);
          TMarques morts = marquesvides;
          for (int32_t q = 0; q < NBCASES; ++q)
            if (plateaudepart[q] == c && pionsmortsbis[q]) morts[q] = 1;
          TMarques liste = marquesvides;
          for (int32_t m = 1; m <= nl; ++m) liste[indexcase(ligneliste(L1, m), colonneliste(L1, m))] = 1;
          for (int32_t m = 1; m <= nl; ++m)
            pastable(ligneliste(L1, m), colonneliste(L1, m), [&](int32_t a, int32_t b) {
              const int32_t y = indexcase(a, b);
              if (p[y] != VIDE || !candidat(y) || liste[y] || V[y] || essaiA(y).infochaineessai[y][0] <= 1) return false;
              const TEntreeChaine avant = infochaine[y];
              p[y] = c;
              infochaine[y] = essaiA(y).infochaineessai[y];
              const bool lie = pionlieachaine(p, morts, a, b);
              p[y] = VIDE;
              infochaine[y] = avant;
              if (lie) {
                liste[y] = 1;
                empilepoint(L1, CAPACITEFORTIF, a, b);
              }
              return false;
            });
          for (int32_t m = nl + 1; m <= nbpoints(L1) && !reussi; ++m) reussi = essaie(indexcase(ligneliste(L1, m), colonneliste(L1, m)));
        }
        if (!reussi) {
          int32_t uns = 0;
          for (int32_t q = 0; q < NBCASES; ++q) uns += V[q] == 1;
          if (uns >= 2) {
            int32_t succes = 0;
            for (int32_t q = 0; q < NBCASES && succes < 2; ++q)
              if (V[q] == 1 && essaie(q)) ++succes;
            reussi = succes == 2;
          }
        }
        garde.restaure();
        if (!reussi) continue;
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (R[q]) {
            ++compte;
            if (faible(q)) sauve(i, q, 19);
          }
        if (compte > 0) accepte(i, compte);
      }
  }
  ecritliste("COUP DE FORTIFICATION par coup force : ");
}

// ---- Sub-family 15 and the edge crawl ----------------------------------------------

bool propagationbord(int32_t cote, TPlateau& p, int32_t i, int32_t j, int32_t r1, int32_t r2, int32_t c1, int32_t c2,
                     int32_t direction, uint8_t c, uint8_t o) {
  const int32_t n = configmoteur.taille;
  const TGardeEssai garde(p);
  auto propre = [&](int32_t a, int32_t b) -> const TEssaiCoup& { return cote == 1 ? essaiordi(a, b) : essaijoueur(a, b); };
  auto autre = [&](int32_t a, int32_t b) -> const TEssaiCoup& { return cote == 1 ? essaijoueur(a, b) : essaiordi(a, b); };
  auto seule = [](const TEssaiCoup& e, int32_t a, int32_t b) { return e.infochaineessai[indexcase(a, b)][1] == 1; };
  auto dans = [](int32_t a, int32_t b) { return a >= 1 && a <= configmoteur.taille && b >= 1 && b <= configmoteur.taille; };
  TMarques L = marquesvides;
  for (int32_t a = std::max(1, r1); a <= std::min(n, r2); ++a)
    for (int32_t b = std::max(1, c1); b <= std::min(n, c2); ++b) L[indexcase(a, b)] = 1;
  // The crawl line.
  int32_t da = 0, db = 0;
  if (direction == 1) da = 1;
  if (direction == 2) db = 1;
  if (direction == 3) da = -1;
  if (direction == 4) db = -1;
  for (int32_t a = i + da, b = j + db; dans(a, b) && L[indexcase(a, b)]; a += da, b += db)
    if (!seule(propre(a, b), a, b)) return false;
  // The two lines inward.
  const bool verticale = direction == 1 || direction == 3;
  const int32_t sens = (verticale ? j : i) <= 4 ? 1 : -1;
  int32_t decision = 0;  // 1 success, -1 failure
  for (int32_t e = 1; e <= 2 && decision == 0; ++e) {
    const int32_t debut = verticale ? r1 : c1, fin = verticale ? r2 : c2;
    const bool montant = direction == 1 || direction == 2;
    for (int32_t t = 0; t <= fin - debut && decision == 0; ++t) {
      const int32_t u = montant ? debut + t : fin - t;
      const int32_t a = verticale ? u : i + sens * e, b = verticale ? j + sens * e : u;
      if (!dans(a, b)) continue;
      const uint8_t x = p[indexcase(a, b)];
      if (x == o) decision = 1;
      else if (x == c) decision = -1;
      else if (x == VIDE && !seule(autre(a, b), a, b)) decision = 1;
      else if (x == VIDE && !seule(propre(a, b), a, b)) decision = -1;
    }
  }
  if (decision < 0) return false;
  // The crawl on the own trial position.
  chargeessai(p, propre(i, j));
  TPlateau W = p;
  for (int32_t k = 1;; ++k) {
    const TPlateau S = W;
    for (int32_t a = 1; a <= n; ++a)
      for (int32_t b = 1; b <= n; ++b) {
        const int32_t x = indexcase(a, b);
        if (S[x] != VIDE || !voisincouleurnonmarque(S, o, a, b)) continue;
        W[x] = o;
        if (L[x]) p[x] = o;
      }
    const int32_t a = i + da * k, b = j + db * k;
    if (!dans(a, b) || p[indexcase(a, b)] != VIDE) break;
    p[indexcase(a, b)] = c;
    W[indexcase(a, b)] = c;
    if ((direction == 1 && a == n) || (direction == 2 && b == n) || (direction == 3 && a == 1) ||
        (direction == 4 && b == 1))
      break;
  }
  // The crawl and the flood changed the board: the status pass reads the
  // chain table of the board it judges.
  calculelibertes(p);
  int32_t compte = 0;
  detectetatchaines(compte, p, 1, 0, 0, 0, c);
  return pionsmorts[indexcase(i, j)] == 0;
}

void Fortif::propagation() {
  debut(15, 15);
  const int32_t n = taille();
  auto faibleen = [&](int32_t a, int32_t b) {
    return a >= 1 && a <= n && b >= 1 && b <= n && p[indexcase(a, b)] == c && faible(indexcase(a, b));
  };
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || distancebord[i] > 3 || bordgoban[i]) continue;
      if (distancebord[i] == 3 && zonescoins[i] != 1) continue;
      const TEssaiCoup& E = essaiA(i);
      if (E.infochaineessai[i][0] < 3 || E.carte3essai[i] != 0) continue;
      int32_t voisins = 0;
      pastable(r, k, [&](int32_t a, int32_t b) {
        voisins += p[indexcase(a, b)] == c;
        return false;
      });
      if (voisins >= 2) continue;
      const bool coin = distancebord[i] == 2 || zonescoins[i] == 1;
      const bool passe = crawlbord(1, p, r, k, n, coin, faibleen, c, o);
      if (!passe) continue;
      charge(i);
      TMarques K = marquesvides;
      marquelies(K, i);
      garde.restaure();
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && p[q] == c && faible(q) && vivantessai(E, q) && lieparcecoup(i, q)) {
          ++compte;
          sauve(i, q, 15);
        }
      const int32_t s = std::max({compte, E.compteur2essai, essaiB(i).compteur1essai});
      if (s > 0) accepte(i, s);
    }
  ecritliste("COUP DE FORTIFICATION par propagation_bord : ");
}

// ---- Sub-families 17 and 18 -------------------------------------------------------------

void Fortif::degresemai() {
  debut(17, 18);
  if (classe2) {
    const int32_t n = taille();
    TMarques vus = marquesvides;
    for (int32_t etape = 1; etape <= 4; ++etape) {
      const TMarques S = w.pierressauvees;
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t k = 1; k <= n; ++k) {
          const int32_t i = indexcase(r, k);
          if (!candidat(i) || vus[i]) continue;
          TEssaiCoup& E = essaiA(i);
          if (!drapeausemaiessai(E) || drapeau2essai(E)) continue;
          if (etape <= 2) {
            const int32_t e = E.etatessai[i];
            if (!vivantessai(E, i) || e >= 0 || e == -3 || e == -6) continue;
            if (etape == 1 && !creeoeil(r, k)) continue;
          } else if (etape == 3 && E.carte2essai[i] && valeurssurvie[i] == 0) {
            continue;
          }
          vus[i] = 1;
          int32_t compte = 0;
          for (int32_t q = 0; q < NBCASES; ++q) {
            if (p[q] != c || lesfaibles[q] != FAIBLELIE || S[q] || !lieparcecoup(i, q)) continue;
            const int32_t v = valeurssurvie[q], e = E.etatessai[q], v2 = valeurs2survie[q];
            const bool pris =
                (v == 0 && e < 0 && e != -3) ||
                (v < 0 && v != -6 && v != -3 && e != -3 && E.valeursessai[q] > v2 &&
                 ((v2 >= -6 && v2 <= 6) || v2 == -100) && (etape != 1 || E.valeursessai[q] == E.valeursessai[i]));
            if (!pris) continue;
            ++compte;
            sauve(i, q, 18);
          }
          if (compte > 0) accepte(i, compte);
        }
    }
  }
  ecritliste("COUP DE FORTIFICATION augmente degresemai : ");
}

void Fortif::influencereste() {
  if (!classe1 && !classe4) return;
  debut(18, 16);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i)) continue;
      TEssaiCoup& E = essaiA(i);
      if (!(compteur0essai(E) >= 1 || (compteur3essai(E) >= 1 && vivantessai(E, i)))) continue;
      charge(i);
      TMarques K = marquesvides;
      marquelies(K, i);
      const TMarques avant = K;
      for (int32_t q = 0; q < NBCASES; ++q) {
        if (avant[q]) continue;
        if (p[q] == c && pionsmortsbis[q] && marquesliaison1[q] && !E.carte2essai[q] && vivantessai(E, q)) K[q] = 1;
        if (p[q] == o && !marquesliaison1[q] && !vivantessai(E, q))
          pastable(lignede(q), colonnede(q), [&](int32_t a, int32_t b) {
            const int32_t y = indexcase(a, b);
            if (p[y] == c && faible(y)) K[y] = 1;
            return false;
          });
      }
      K[i] = 0;
      garde.restaure();
      TMarques pris = marquesvides;
      int32_t compte = 0;
      bool appui = false;
      for (int32_t q = 0; q < NBCASES; ++q) {
        if (!K[q] || !faible(q) || E.carte2essai[q] || !lieparcecoup(i, q)) continue;
        if (!pionsmortsbis[q] && !(E.etatessai[q] == 1000 || E.etatessai[q] > valeurssurvie[q])) continue;
        pris[q] = 1;
        ++compte;
        if (!pionsmortsbis[q]) appui = true;
      }
      if (!appui || compte == 0) continue;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (pris[q]) sauve(i, q, 16);
      accepte(i, compte);
    }
  ecritliste("16FORTIFICATION coup interessant influence reste: ");
}

// ---- Sub-families 19 and 20 -------------------------------------------------------------

void Fortif::liaisonseule() {
  debut(19, 5);
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == c && lesfaibles[q] == 0) w.pierressauvees[q] = 0;
  w.pierressauvees2 = w.pierressauvees;
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || !faiblesetfortsproches(p, lesfaibles, mortsA[r - 1][k - 1], c, 2, r, k)) continue;
      if (marquedanscarre(w.pierressauvees, 1, i)) continue;
      TEssaiCoup& E = essaiA(i);
      charge(i);
      TMarques K = marquesvides;
      int32_t compte = 0;
      bool joint = false;
      if (p[i] == c && pionlieachaine(p, lesfaibles, r, k) && pionlieachaine(p, listefaibles, r, k)) {
        marquelies(K, i);
        for (int32_t q = 0; q < NBCASES; ++q)
          if (K[q] && p[q] == c && faible(q) && vivantessai(E, q) && lieparcecoup(i, q)) ++compte;
        joint = joinfort(K, i);
      }
      const TPlateau essai = p;
      garde.restaure();
      if (compte == 0 || !joint) continue;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && essai[q] == c && faible(q) && vivantessai(E, q) && lieparcecoup(i, q)) {
          w.pierressauvees2[q] = 1;
          if (E.marquesessai[q] == 0) E.marquesessai[q] = 5;
        }
      accepte(i, std::max(compte, force(i)));
    }
  ecritliste("COUP DE FORTIFICATION LIAISON1 car pas d autres solutions: ");
}

void Fortif::dernierespoir() {
  debut(20, 6);
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == c && lesfaibles[q] == 0) w.pierressauvees2[q] = 0;
  w.pierressauvees = w.pierressauvees2;
  for (int32_t q = 0; q < NBCASES; ++q) {
    if (p[q] != c || !faible(q) || w.croissancefaibles[q] != 0) continue;
    TMarques K = marquesvides;
    marquelies(K, q);
    croissanceterritoire(K, p, lignede(q), colonnede(q), w.croissancefaibles);
  }
  TMarques T = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == c && (lesfaibles[q] == 1 || lesfaibles[q] == 2) && !w.pierressauvees[q]) T[q] = 1;
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || p[i] != VIDE) continue;
      TEssaiCoup& E = essaiA(i);
      if (E.infochaineessai[i][0] < 3 || !vivantmorts(i, i) || !marquedanscarre(T, 2, i)) continue;
      charge(i);
      if (!marquedanscarre(T, 1, i) && !pionlieachainetest1(p, T, r, k)) {
        garde.restaure();
        continue;
      }
      pastable(r, k, [&](int32_t a, int32_t b) {
        const int32_t y = indexcase(a, b);
        if (p[y] != VIDE) return false;
        if (mortsB[a - 1][b - 1][y] == 0 && voisincouleur(p, o, a, b)) return false;
        TListePoints prises{};
        jouecoup(prises, CAPACITEFORTIF, p, a, b, c, o);
        return false;
      });
      TMarques K = marquesvides;
      metlachaineliee(p, K, r, k);
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && p[q] == c) marquelies(K, q);
      auto compte = [&](bool croissance, const TCarte& G) {
        int32_t nb = 0;
        for (int32_t q = 0; q < NBCASES; ++q) {
          if (!K[q] || p[q] != c || !T[q] || !vivantessai(E, q) || !lieparcecoup(i, q)) continue;
          if (croissance && !(w.croissancefaibles[q] != 0 && G[q] >= w.croissancefaibles[q] + 5)) continue;
          ++nb;
        }
        return nb;
      };
      const TCarte zero{};
      int32_t nb = compte(false, zero);
      bool appui = false;
      for (int32_t q = 0; q < NBCASES && !appui; ++q)
        appui = K[q] && p[q] == c && !T[q] && listefaibles[q] && lieparcecoup(i, q);
      TMarques sauves = marquesvides;
      if (nb > 0 && !appui) {
        if (distancebord[i] > 3) {
          nb = 0;
        } else {
          TCarte G{};
          croissanceterritoire(K, p, r, k, G);
          nb = compte(true, G);
          for (int32_t q = 0; q < NBCASES; ++q)
            if (K[q] && p[q] == c && T[q] && vivantessai(E, q) && lieparcecoup(i, q) && w.croissancefaibles[q] != 0 &&
                G[q] >= w.croissancefaibles[q] + 5) {
              sauves[q] = 1;
              appui = true;
            }
        }
      } else if (nb > 0) {
        for (int32_t q = 0; q < NBCASES; ++q)
          if (K[q] && p[q] == c && faible(q) && vivantessai(E, q) && lieparcecoup(i, q)) sauves[q] = 1;
      }
      garde.restaure();
      if (!appui || nb <= 0) continue;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (sauves[q]) sauve(i, q, 6);
      accepte(i, std::max(nb, force(i)));
    }
  ecritliste("COUP DE liaisoin DERNIER ESPOIR: ");
  w.trace[0] = 0;
  ecritliste("COUP DE FORTIFICATION formeforte");
}

// ---- Sub-families 21 and 22 -------------------------------------------------------------

void Fortif::nouveauxyeux() {
  debut(21, 7);
  if (classe1) {
    TMarques T = marquesvides;
    bool vide = true;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == c && lesfaibles[q] == FAIBLEMENACE && valeurssurvie[q] <= 16 && (essaiA(q).marquesessai[q] & 0x08) &&
          !(essaiA(q).marquesessai[q] & 0x02)) {
        T[q] = 1;
        vide = false;
      }
    const int32_t n = taille();
    for (int32_t r = 1; r <= n && !vide; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (!candidat(i) || !casescandidatesjoueur[i] || !vivantmorts(i, i)) continue;
        const TEssaiCoup& E = essaiA(i);
        const TEssaiCoup& J = essaiB(i);
        if (!lieaunfaibleessai(E) || J.compteur1essai <= 0) continue;
        auto monte = [&](int32_t q) {
          return vivantessai(E, q) && E.etatessai[q] > valeurssurvie[q] && J.carte2essai[q] && lieparcecoup(i, q);
        };
        TMarques pris = marquesvides;
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q) {
          if (!T[q] || pris[q] || !(E.liensessai[q] & 0x20) || !monte(q)) continue;
          pris[q] = 1;
          sauve(i, q, 7);
          ++compte;
          const int32_t z = infozones[q].numero;
          if (z == 0) continue;
          for (int32_t x = 0; x < NBCASES; ++x)
            if (T[x] && !pris[x] && infozones[x].numero == z && monte(x)) {
              pris[x] = 1;
              sauve(i, x, 7);
              ++compte;
            }
        }
        if (compte > 0) accepte(i, std::max(compte, force(i)));
      }
  }
  ecritliste("COUP DE FORTIFICATION par nouveau AUGMENTATION DES YEUX: ");
}

void Fortif::augmenteyeux() {
  debut(22, 7);
  if (classe1 && strategie != 0 && maxsurvie < 3 && maxfortification < 3) {
    const Restaure<TCarte> survies(valeurssurvie);
    const Restaure<TMarques> morts(pionsmorts);
    const Restaure<int32_t> table(tableessaiscourante);
    const Restaure<uint8_t> drapeau(sauvepionsmorts);
    tableessaiscourante = 1;
    TMarques T = marquesvides;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == c && lesfaibles[q] == FAIBLEMENACE && valeurssurvie[q] < 17 && !w.pierressauvees[q]) T[q] = 1;
    const TCarte survieentree = valeurssurvie;
    const int32_t n = taille();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (!candidat(i) || !vivantmorts(i, i) || !marquedanscarre(T, 2, i)) continue;
        const TEssaiCoup& E = essaiA(i);
        charge(i);
        TMarques S = marquesvides;
        int32_t compte = 0;
        if (pionlieachainetest1(p, T, r, k)) {
          if (valeurterritoireautour(p, r, k, c) > 20) {
            TMarques K = marquesvides;
            marquelies(K, i);
            for (int32_t q = 0; q < NBCASES; ++q)
              if (K[q] && T[q] && p[q] == c && vivantessai(E, q)) {
                S[q] = 1;
                ++compte;
              }
          }
          if (compte == 0) {
            const TMarques mortsavant = pionsmorts;
            pionsmorts = marquesliaison1;
            valeurssurvie.fill(0);
            int32_t changes = 0;
            // No save flag: only the eye values are wanted, not the outcome
            // pass nor the driver's saved marks.
            detectetatchaines(changes, p, 1, 0, 0, 0, c);
            pionsmorts = mortsavant;
            for (int32_t q = 0; q < NBCASES; ++q)
              if (T[q] && vivantessai(E, q) && valeurssurvie[q] > survieentree[q] && lieparcecoup(i, q)) {
                S[q] = 1;
                ++compte;
              }
          }
        }
        valeurssurvie = survieentree;
        garde.restaure();
        if (compte == 0) continue;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (S[q] && faible(q) && lieparcecoup(i, q)) sauve(i, q, 7);
        accepte(i, std::max(compte, force(i)));
      }
  }
  ecritliste("COUP DE FORTIFICATION par AUGMENTATION DES YEUX: ");
}

// ---- Sub-families 24 and 25 -------------------------------------------------------------

void Fortif::rectifietue() {
  debut(24, 10);
  if (maxfortification > 0) {
    TMarques T = marquesvides;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (w.pierressauvees[q] && (lesfaibles[q] == 1 || lesfaibles[q] == 4)) T[q] = 1;
    const int32_t n = taille();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        TEssaiCoup& E = essaiA(i);
        if (E.compteur1essai <= 0 || !candidat(i) || fortification[i] != 0 || !vivantmorts(i, i) ||
            !marquedanscarre(T, 2, i))
          continue;
        TMarques K = marquesvides;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (T[q] && !K[q] && vivantmorts(i, q) && std::abs(lignede(q) - r) < 3 && std::abs(colonnede(q) - k) < 3)
            marquelies(K, q);
        const uint8_t k0 = compteur0essai(E) < 1 ? 10 : 9;
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (K[q] && T[q] && vivantessai(E, q)) {
            ++compte;
            if (faible(q) && E.marquesessai[q] == 0) E.marquesessai[q] = k0;
          }
        if (compte == 0) continue;
        code = k0;
        accepte(i, compte);
      }
  }
  ecritliste("COUP DE FORTIFICATION_rectifié par testorditue: ");
}

void Fortif::pluspossible() {
  if (!classe1) return;
  TMarques T = marquesvides;
  bool vide = true;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == c && lesfaibles[q] == FAIBLEMENACE && w.pierressauvees[q]) {
      T[q] = 1;
      vide = false;
    }
  if (vide) return;
  debut(25, 11);
  const int32_t n = taille();
  {
    const TGardeEssai g(p);
    pionsmorts = marquesliaison1;
    // The opponent's killing moves, all on one board.
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t j = indexcase(r, k);
        if (p[j] != VIDE || !casescandidatesjoueur[j] || essaiB(j).compteur1essai <= 0) continue;
        joueetlit(p, j, o, c);
      }
    const TPlateau pos = p;
    const TInfoChaine chaines = infochaine;
    const TMarques morts = pionsmorts;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (pos[i] != VIDE || !candidat(i)) continue;
        const TEssaiCoup& E = essaiA(i);
        if (E.carte2essai[i] != 0 || !marquedanscarre(T, 2, i)) continue;
        p = pos;
        infochaine = chaines;
        pionsmorts = morts;
        if (joueetlit(p, i, c, o)) {
          if (pionsmorts[i])
            for (int32_t q = 0; q < NBCASES; ++q)
              if (p[q] == o) pionsmorts[q] = 0;
          marquesdetect = pionsmorts;
          int32_t res = 0;
          detectetatchaine(o, c, res, p, 1, r, k, 0);
        }
        TMarques comptes = marquesvides;
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (T[q] && !pionsmorts[q] && p[q] == c && vivantessai(E, q) && lieparcecoup(i, q)) {
            comptes[q] = 1;
            ++compte;
            sauve(i, q, 11);
          }
        if (compte == 0) continue;
        accepte(i, compte);
        // The neighbours that are the opponent's killing points share the value.
        pastable(r, k, [&](int32_t a, int32_t b) {
          const int32_t y = indexcase(a, b);
          if (essaiB(y).compteur1essai <= 0 || pos[y] == VIDE || !candidat(y) || !vivantessai(E, y)) return false;
          if (20 * compte <= fortification[y]) return false;
          fortification[y] = 20 * compte;
          if (survieA[y] > 0 && w.memoentree[y] == 1)
            fortification[y] = survieA[y] > fortification[y] ? 0 : fortification[y] - survieA[y];
          proposecase(candidats, CAPACITELISTECANDIDATS, a, b);
          if (marquesfortification[y] == 0) marquesfortification[y] = 11;
          TEssaiCoup& Y = essaiA(y);
          for (int32_t q = 0; q < NBCASES; ++q)
            if (comptes[q] && faible(q) && Y.marquesessai[q] == 0) Y.marquesessai[q] = 11;
          return false;
        });
      }
  }
  ecritliste("COUP DE FORTIFICATION car JOUEUR peut plus tuer: ");
}

// ---- Sub-family 28 ------------------------------------------------------------------------

void Fortif::couperclasse2() {
  debut(28, 23);
  if (classe2) {
    const int32_t n = taille();
    auto construitU = [&](TMarques& U) {
      bool vide = true;
      for (int32_t q = 0; q < NBCASES; ++q) {
        U[q] = p[q] == c && lesfaibles[q] == FAIBLELIE && !w.pierressauvees[q];
        if (U[q]) vide = false;
      }
      return !vide;
    };
    // Marks, counts and accepts the point for the stones of U.
    auto examine = [&](const TMarques& U, int32_t i) {
      const TEssaiCoup& E = essaiA(i);
      TMarques K = marquesvides;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (U[q] && !K[q] && (E.liensessai[q] & 0x20) && !E.carte2essai[q] && lieparcecoup(i, q)) marquelies(K, q);
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && U[q] && !E.carte2essai[q] && lieparcecoup(i, q)) {
          ++compte;
          sauve(i, q, 23);
        }
      if (compte > 0) accepte(i, compte);
    };
    TMarques U{};
    if (construitU(U)) {
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t k = 1; k <= n; ++k) {
          const int32_t i = indexcase(r, k);
          if (!candidat(i) || essaiA(i).compteur2essai <= 0 || !lieaunfaibleessai(essaiA(i))) continue;
          examine(U, i);
        }
      TMarques pris = marquesvides;
      for (int32_t etape = 1; etape <= 5 && construitU(U); ++etape)
        for (int32_t r = 1; r <= n; ++r)
          for (int32_t k = 1; k <= n; ++k) {
            const int32_t i = indexcase(r, k);
            if (!candidat(i) || pris[i]) continue;
            const TEssaiCoup& E = essaiA(i);
            if (E.carte3essai[i] != 0 || !lieaunfaibleessai(E)) continue;
            const bool voisin = voisincouleurnonmarque(p, o, r, k);
            bool passe = false;
            switch (etape) {
              case 1: passe = (E.essaifait & 0x04) && voisin; break;
              case 2: passe = (E.essaifait & 0x02) && voisin; break;
              case 3:
              case 4: passe = (E.essaifait & 0x04) != 0; break;
              default: passe = (indicateursessai(E) & (0x80 | 0x100 | 0x800)) != 0; break;
            }
            if (!passe) continue;
            pris[i] = 1;
            examine(U, i);
          }
    }
  }
  ecritliste("COUP DE FORTIFICATION couperpourmieuxregner ");
}
