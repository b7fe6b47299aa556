// Invasion family `invasionpossible` and the opponent's invasion zones
// `analysecoupsinvasion`.
#include "engine/proposals/invasions.h"

#include <algorithm>
#include <cstring>

#include "engine/board/geometrie.h"
#include "engine/board/collecteurs.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/invasionvivante.h"
#include "engine/reading/lecturepoint.h"
#include "engine/board/niveau.h"

namespace {

constexpr int32_t CAPACITELIBERTES = 300;

// Scratch of the family (static storage: one run at a time).
TCarte lectures;       // V: reading values of the engine's candidates
TListePoints listees;  // points listed for the trace

int32_t idx(int32_t r, int32_t c) { return indexcase(r, c); }

// A table neighbour holds c, c owns it in territoire, and its chain has more than 3 liberties.
bool voisinfortdeterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return pastable(r, col, [&](int32_t r2, int32_t c2) {
    const int32_t j = idx(r2, c2);
    return p[j] == c && territoire[j] == c && infochaine[j][0] > 3;
  });
}

// The largest point reading from the stones of the chain through q (P and
// the stones the mask writes off left out; with `liees`, only stones of
// marquesliaison1).
int32_t lecturechaine(TPlateau& p, const TMarques& chaine, const TMarques& masque, int32_t iP, bool liees,
                      uint8_t couleurA, uint8_t couleurB) {
  int32_t meilleure = 0;
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t s = idx(r, c);
      if (!chaine[s] || s == iP || masque[s] || (liees && !marquesliaison1[s])) continue;
      meilleure = std::max(meilleure, lancelecturerecu1(0, couleurA, couleurB, p, r, c));
    }
  return meilleure;
}

// Damage by reading of the engine's trial at P (its record loaded).
int32_t degats(TPlateau& p, const TEssaiCoup& R, const TMarques& masque, int32_t r0, int32_t c0, uint8_t couleurA,
               uint8_t couleurB, bool premiere) {
  const int32_t n = configmoteur.taille;
  const int32_t iP = idx(r0, c0);
  TMarques vu = marquesvides;
  int32_t total = 0;
  if (premiere) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t q = idx(r, c);
        if (p[q] != couleurA || vu[q] || !marquesliaison1[q] || masque[q] ||
            !voisinvideterritoires(p, couleurB, r, c))
          continue;
        TMarques chaine = marquesvides;
        marquepionschaine(p, chaine, 0, r, c);
        for (int32_t i = 0; i < NBCASES; ++i)
          if (chaine[i]) vu[i] = 1;
        const int32_t v = lecturechaine(p, chaine, masque, iP, true, couleurA, couleurB);
        if (v > 0) total += v;
      }
    return total;
  }
  // Second form: the written-off stones, linked ones first.
  TMarques peint = marquesvides;  // 1 linked, 2 not
  bool lien = false;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = idx(r, c);
      if (p[q] != couleurA || peint[q] || marquesliaison1[q] || !pionsmortsbis[q] || masque[q]) continue;
      const bool lie = peutlierachaine(p, pionsmortsessai(R), pionsmortssauves, listefaibles, 1, r, c, pointko);
      lien = lien || lie;
      peintchaine(p, peint, lie ? 1 : 2, r, c);
    }
  TMarques vu2 = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = idx(r, c);
      if (!peint[q] || vu2[q] || p[q] != couleurA) continue;
      TMarques chaine = marquesvides;
      marquepionschaine(p, chaine, 0, r, c);
      for (int32_t i = 0; i < NBCASES; ++i)
        if (chaine[i]) vu2[i] = 1;
      if (lien) {
        if (peint[q] == 2) continue;
        bool ouverte = false;
        for (int32_t i = 0; i < NBCASES && !ouverte; ++i)
          if (chaine[i] && voisinvideterritoires(p, couleurB, i / TAILLEMAX + 1, i % TAILLEMAX + 1)) ouverte = true;
        if (!ouverte) continue;
      }
      const int32_t v = lecturechaine(p, chaine, masque, iP, false, couleurA, couleurB);
      if (v > 0) total += v;
    }
  return total;
}

}  // namespace

void ajoutelectureinvasion(TCarte& invasionforteA, int32_t v, int32_t c0, const TPlateau& p, uint8_t couleur,
                           int32_t r, int32_t c) {
  const int32_t i = idx(r, c);
  int32_t facteur;
  if (flagattaque && c0 <= 3) facteur = 20;
  else if (debutpartie == 1 && territoireaprendre[0] >= 3) facteur = 5;
  else if (invasionforteA[i] != 0) facteur = 20;
  else facteur = liaisoninvasion(p, couleur, r, c) ? 20 : 5;
  invasionforteA[i] += facteur * v;
}

bool liaisoninvasion(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne) {
  (void)p;
  const int32_t iP = idx(ligne, colonne);
  TEssaiCoup& R = essaisordi[ligne - 1][colonne - 1];
  if (!casescandidates[iP] || !marqueliaisonessai(R) || compteur3essai(R) == 0) return false;
  const TPlateau& b = R.plateauessai;
  TMarques M1 = marquesvides, M2 = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (b[i] != couleur) continue;
    if (marquesliaison1[i]) {
      if (pionsmortsessai(R)[i] == 0) M1[i] = 1;
    } else if (i != iP && R.carte2essai[i] == 0) {
      M2[i] = 1;
    }
  }
  const TInfoChaine chaines = infochaine;
  infochaine = R.infochaineessai;
  const bool lie = pionlieachainetest1(b, M2, ligne, colonne) && pionlieachainetest1(b, M1, ligne, colonne);
  infochaine = chaines;
  return lie;
}

void invasionpossible(const TCartesCote& cartesA, const TCartesCote& cartesB, TPlateau& p, uint8_t couleurA,
                      uint8_t couleurB) {
  TMarques& testvitA = cartesA.sauves;
  TCarte &invasionforteA = cartesA.invasionforte, &invasionforteB = cartesB.invasionforte;
  const TCartesParPoint &mortsessaiA = cartesA.mortsapresessai, &mortsessaiB = cartesB.mortsapresessai;
  const TCartesParPoint &mortsessai2A = cartesA.mortsapreslecture, &mortsessai2B = cartesB.mortsapreslecture;
  // Set-up: the position comes back at every exit.
  TGardeEssai garde(p);
  invasionforteA.fill(0);
  invasionforteB.fill(0);
  flaginvasionvivante = 0;
  const int32_t n = configmoteur.taille;
  int32_t travail = 0;
  // Past the search's deadline the passes test no more points.
  bool echue = false;
  const auto tempsecoule = [&echue] {
    return echue || (echue = echeancepassee(finrecherche));
  };

  // Pass 1: the opponent's invasions into the engine's area.
  listees[0] = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t iP = idx(r, c);
      if (!casescandidatesjoueur[iP]) continue;
      TEssaiCoup& J = essaisjoueur[r - 1][c - 1];
      if (mortsessaiB[r - 1][c - 1][iP] &&
          !(pionsmortsessai(J)[iP] == 0 && peutlierfortessai(J) && territoire[iP] == couleurA))
        continue;
      if (tempsecoule()) continue;
      chargeessai(p, J);
      flaginvasionvivante =
          strategie != 0 && debutpartie == 0 && voisinfortdeterritoire(p, couleurA, r, c) ? 1 : 0;
      pionsmorts = mortsessaiB[r - 1][c - 1];
      testinvasionvivante(0, 0, 1, travail, p, invasionforteB[iP], couleurB, couleurA, mortsessai2B[r - 1][c - 1],
                          mortsessai2A[r - 1][c - 1], marquesliaison2, compteur4essai(J), r, c, 2, 0, 0);
      flaginvasionvivante = 0;
      if (invasionforteB[iP] > 0) proposecase(listees, NBCASES, r, c);
      garde.restaure();
    }
  compteurinvasions = compteurinvasions2;
  affichelistecoups(listees, nbpoints(listees), " invasion possible pour joueur ");

  // Gate of the engine's pass.
  if (debutpartie == 1 && (territoireaprendre[0] >= 5 || territoireaprendre[1] >= 5)) return;
  if (strategie == 1 && bilanscore > 1.0 && (compteurinvasions2 >= 3 || flaginvasion >= 3)) return;
  const int32_t mode = strategie == 0 ? (compteurinvasions2 != 0 ? 2 : 3) : (compteurinvasions2 != 0 ? 1 : 2);

  // Pass 2: the engine's invasions.
  compteurinvasions2 = 0;
  lectures.fill(0);
  listees[0] = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t iP = idx(r, c);
      if (!casescandidates[iP] || tempsecoule()) continue;
      TEssaiCoup& R = essaisordi[r - 1][c - 1];
      const TMarques& masque = mortsessaiA[r - 1][c - 1];
      const bool marque = mortsessai2A[r - 1][c - 1][iP] == 1;
      // A stone the trial leaves dead needs a count to be an invasion.
      if (marque && compteur3essai(R) < 1) continue;
      // A living trial stone: the viability test, on its trial position.
      if (!marque) {
        flaginvasionvivante = flagattaque && voisinfortdeterritoire(p, couleurB, r, c) ? 1 : 0;
        if (!flaginvasionvivante && testvitA[iP] <= 0 && masque[iP] && !peutlierfortessai(R)) continue;
        chargeessai(p, R);
        pionsmorts = masque;
        if (!masque[iP] || flaginvasionvivante || peutlierfortessai(R))
          testinvasionvivante(1, 0, 1, travail, p, invasionforteA[iP], couleurA, couleurB, mortsessai2A[r - 1][c - 1],
                              mortsessai2B[r - 1][c - 1], marquesliaison1, compteur4essai(R), r, c, mode, 0, 0);
      }
      flaginvasionvivante = 0;
      // Damage by reading.
      if (testvitA[iP] > 0) {
        const bool premiere = marque && compteur3essai(R) >= 1;
        const bool seconde = compteur3essai(R) == 0 && compteur0essai(R) >= 1;
        if (premiere || seconde) {
          chargeessai(p, R);
          lectures[iP] += degats(p, R, masque, r, c, couleurA, couleurB, premiere);
        }
      }
      // A point with a value is listed.
      if (invasionforteA[iP] > 0) proposecase(listees, NBCASES, r, c);
      garde.restaure();
    }

  // Pass 3: the attack reruns the test above the value found.
  if (flagattaque && compteurinvasions2 < 4) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t iP = idx(r, c);
        if (invasionforteA[iP] <= 0 || tempsecoule()) continue;
        TEssaiCoup& R = essaisordi[r - 1][c - 1];
        chargeessai(p, R);
        pionsmorts = mortsessaiA[r - 1][c - 1];
        int32_t essai = 0;
        testinvasionvivante(1, 1, 1, travail, p, essai, couleurA, couleurB, mortsessai2A[r - 1][c - 1],
                            mortsessai2B[r - 1][c - 1], marquesliaison1, compteur4essai(R), r, c, mode,
                            invasionforteA[iP], 0);
        if (essai > invasionforteA[iP]) invasionforteA[iP] = essai;
        garde.restaure();
      }
  }

  // Pass 4: the reading values.
  const int32_t c0 = compteurinvasions2;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t iP = idx(r, c);
      const int32_t v = lectures[iP];
      if (v <= 0) continue;
      compteurinvasions2 = std::max(compteurinvasions2, v);
      ajoutelectureinvasion(invasionforteA, v, c0, p, couleurA, r, c);
    }

  // End.
  compteurinvasions3 = compteurinvasions2;
  affichelistecoups(listees, nbpoints(listees), " invasion possible pour ordi ");
  compteurinvasions2 = std::max(compteurinvasions3, compteurinvasions);
}

void analysecoupsinvasion(TPlateau& p, const TCarte& invasionforteB, uint8_t couleurA,
                          uint8_t (&zones)[TAILLEMAX][TAILLEMAX][NBCASES], uint8_t couleurB) {
  const int32_t n = configmoteur.taille;
  // The opponent's zone maps cleared.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (casescandidatesjoueur[idx(r, c)]) std::memset(zones[r - 1][c - 1], 0, NBCASES);
  if (compteurinvasions == 0) return;
  // The chain through q and its liberties into Z: the walk marks both there,
  // so a zone runs on through the chains it meets.
  const auto libertesdans = [&](TMarques& Z, int32_t r, int32_t c, bool simple) {
    TListePoints l{};
    if (simple) listelibertessimple(p, l, CAPACITELIBERTES, Z, r, c);
    else libertesdelachaine(p, l, CAPACITELIBERTES, 0, r, c, Z);
  };
  int32_t numero = 0;
  for (int32_t r0 = 1; r0 <= n; ++r0)
    for (int32_t c0 = 1; c0 <= n; ++c0) {
      const int32_t iP = idx(r0, c0);
      if (invasionforteB[iP] <= 0) continue;
      TMarques W = marquesvides, Z = marquesvides;
      // The window: wider near the edge, its rectangle filled there.
      const int32_t rayon = distancebord[iP] <= 1 ? 2 : 1;
      int32_t lmin, lmax, cmin, cmax;
      bornesfenetre(r0, c0, rayon, lmin, lmax, cmin, cmax);
      if (rayon == 2) remplitzonerectangle(p, r0, c0, lmin, lmax, cmin, cmax, Z);
      // The engine's chains next to P.
      pastable(r0, c0, [&](int32_t r, int32_t c) {
        const int32_t j = idx(r, c);
        if (p[j] == couleurA && !Z[j]) libertesdans(Z, r, c, infochaine[j][0] <= 3);
        return false;
      });
      // The window's points, and the liberties of short engine chains in it.
      for (int32_t r = lmin; r <= lmax; ++r)
        for (int32_t c = cmin; c <= cmax; ++c) {
          const int32_t q = idx(r, c);
          W[q] = 1;
          if (p[q] == couleurA && infochaine[q][0] <= 3 && !Z[q]) {
            libertesdans(Z, r, c, false);
          } else if (invasionforteB[q] > 0) {
            TMarques region = marquesvides;
            marqueregion(invasionforteB, region, 0, r, c);
            for (int32_t i = 0; i < NBCASES; ++i)
              if (region[i]) Z[i] = 1;
          } else if (p[q] == VIDE) {
            Z[q] = 1;
          } else if (p[q] == couleurB && infochaine[q][0] <= 3 && !Z[q]) {
            libertesdans(Z, r, c, false);
          }
        }
      // The opponent's candidates the zone holds or closes on.
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t c = 1; c <= n; ++c) {
          const int32_t q = idx(r, c);
          if (!casescandidatesjoueur[q]) continue;
          if (!Z[q] && deuxvoisinsmarquescouleur(Z, p, couleurA, r, c)) Z[q] = 1;
          if (Z[q] && invasionforteB[q] == 0 && zones[r - 1][c - 1][q] == 0) zones[r - 1][c - 1][q] = 1;
        }
      // The zone's number into P's map.
      numero = std::min(numero + 1, 255);
      TMarques carte;
      std::memcpy(carte.data(), zones[r0 - 1][c0 - 1], NBCASES);
      transfertmarques(Z, carte, static_cast<uint8_t>(numero), 0, r0, c0);
      // Prune the empty points outside the window that nothing holds to it.
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t c = 1; c <= n; ++c) {
          const int32_t q = idx(r, c);
          const uint8_t v = carte[q];
          if (v == 0 || W[q] || p[q] != VIDE || invasionforteB[q] != 0) continue;
          const bool tenu = pastable(r, c, [&](int32_t r2, int32_t c2) {
            const int32_t j = idx(r2, c2);
            if (carte[j] != v) return false;
            if (p[j] == VIDE) return W[j] != 0;
            return p[j] != couleurA || infochaine[j][0] < 4;
          });
          if (!tenu) carte[q] = 0;
        }
      std::memcpy(zones[r0 - 1][c0 - 1], carte.data(), NBCASES);
    }
}
