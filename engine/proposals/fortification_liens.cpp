// Reinforcement family: the strategic kill prevention and the link
// sub-families, with the zone adjustment of the weak classes they work under.
#include <algorithm>

#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/fortification_etat.h"
#include "engine/proposals/regionspoussee.h"
#include "engine/reading/marquagemorts.h"
#include "engine/territory/etatchaines.h"

void Fortif::tuagestrategique() {
  if (!classe1) return;
  debut(5, 21);
  const int32_t n = taille();
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (lignede(i) > n || colonnede(i) > n) continue;
    if (!candidat(i) || !casescandidatesjoueur[i]) continue;
    const TEssaiCoup& J = essaiB(i);
    TEssaiCoup& E = essaiA(i);
    if (J.compteur1essai <= 0) continue;
    if (!(territoire[i] == c || territoire2[i] == c || lieaunfaibleessai(E))) continue;
    // The engine stones the opponent's move threatens.
    TMarques T = marquesvides;
    bool vide = true;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (garde.plateau()[q] == c && (J.carte2essai[q] || J.plateauessai[q] == VIDE) && !pionsmortsbis[q] &&
          !E.carte2essai[q]) {
        T[q] = 1;
        vide = false;
      }
    if (vide) continue;
    // The other killing moves, each on the engine's trial position.
    TMarques K = T;
    bool rencontre = false;
    for (int32_t j = 0; j < NBCASES; ++j) {
      if (j == i || lignede(j) > n || colonnede(j) > n || !casescandidatesjoueur[j]) continue;
      const TEssaiCoup& JQ = essaiB(j);
      if (JQ.compteur1essai <= 0) continue;
      rencontre = false;
      for (int32_t q = 0; q < NBCASES && !rencontre; ++q)
        rencontre = K[q] && (JQ.carte2essai[q] || JQ.plateauessai[q] == VIDE);
      if (!rencontre) continue;
      chargeessai(p, E);
      if (joueetlit(p, j, o, c)) {
        marquesdetect = pionsmorts;
        int32_t res = 0;
        detectetatchaine(c, o, res, p, 1, lignede(j), colonnede(j), 0);
      }
      for (int32_t q = 0; q < NBCASES; ++q) K[q] = T[q] && !pionsmorts[q] && p[q] != VIDE;
      garde.restaure();
    }
    if (rencontre) continue;
    int32_t compte = 0;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (K[q] && faible(q) && lieparcecoup(i, q)) {
        ++compte;
        sauve(i, q, 21);
      }
    accepte(i, compte);
  }
  ecritliste("COUP DE FORTIFICATION coup tuage strategique: ");
}

void Fortif::liaison() {
  debut(6, 2);
  // The zone adjustment: a weak stone sharing its zone with a strong one is
  // strong, classes 2 and 3 apart.
  w.lesfaiblessauves = lesfaibles;
  TMarques vu = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q) {
    if (vu[q] || p[q] != c || !faible(q) || infozones[q].numero == 0) continue;
    const int32_t z = infozones[q].numero;
    bool fort = false;
    for (int32_t x = 0; x < NBCASES; ++x)
      if (p[x] == c && infozones[x].numero == z) {
        vu[x] = 1;
        if (w.lesfaiblessauves[x] == 0) fort = true;
      }
    if (!fort) continue;
    for (int32_t x = 0; x < NBCASES; ++x)
      if (p[x] == c && infozones[x].numero == z && lesfaibles[x] != FAIBLELIE && lesfaibles[x] != FAIBLELIE40)
        lesfaibles[x] = 0;
  }
  for (int32_t q = 0; q < NBCASES; ++q)
    w.pionsfortsordi[q] = (p[q] == c && lesfaibles[q] == 0 && !pionsmortssauves[q]) ? 1 : 0;

  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || !faiblesetfortsproches(p, lesfaibles, mortsA[r - 1][k - 1], c, 2, r, k)) continue;
      TEssaiCoup& E = essaiA(i);
      charge(i);
      int32_t compte = 0, s = 0;
      TMarques K = marquesvides;
      if (p[i] == c) {
        if (!chainelieeapresessai(lesfaibles, r, k) && !pionlieachainetest1(p, lesfaibles, r, k)) {
          w.marquespointsliaison[i] = 2;
        } else {
          w.marquespointsliaison[i] = 1;
          if (lieaunfortessai(E) || pionlieachainetest1(p, w.pionsfortsordi, r, k)) {
            for (int32_t q = 0; q < NBCASES; ++q)
              if (!K[q] && p[q] == c && (E.liensessai[q] & 0x20)) {
                K[q] = 1;
                marquelies(K, q);
              }
            const bool joint = peutlierfortessai(E) || joinfort(K, i);
            for (int32_t q = 0; q < NBCASES; ++q)
              if (K[q] && p[q] == c && faible(q) && lieparcecoup(i, q)) ++compte;
            if (joint && compte >= 1) s = std::max(compte, force(i) - rendusforts(K, i));
          }
        }
      }
      const TPlateau essai = p;
      garde.restaure();
      if (s <= 0) continue;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && essai[q] == c && faible(q) && lieparcecoup(i, q)) sauve(i, q, 2);
      accepte(i, s);
    }
  ecritliste("COUP DE FORTIFICATION LIAISON: ");
}

void Fortif::liaisoncoupure() {
  debut(7, 2);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i)) continue;
      const TEssaiCoup& E = essaiA(i);
      if (!(E.liensessai[i] & 0x100) || !lieaunfaibleessai(E)) continue;
      w.marquespointsliaison[i] = 1;
      TMarques K = marquesvides;
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (p[q] == c && (E.liensessai[q] & 0x100)) {
          K[q] = 1;
          if (faible(q) && vivantessai(E, q)) ++compte;
        }
      if (compte == 0) continue;
      const int32_t s = std::max(compte, force(i) - rendusforts(K, i));
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && faible(q)) sauve(i, q, 2);
      accepte(i, s);
    }
  ecritliste("COUP DE FORTIFICATION LIAISON-coupure: ");
}

void Fortif::liaisonforcee() {
  debut(8, 2);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t t = indexcase(r, k);
      if (p[t] != o || infochaine[t][1] == 0 || infochaine[t][0] > 2) continue;
      TListePoints l{};
      TMarques vu = marquesvides;
      if (infochaine[t][0] == 2) {
        uint8_t drapeau = 1;
        libertesetvoisinsenatari(drapeau, p, l, 0, r, k, vu, CAPACITEFORTIF);
        if (drapeau == 0) continue;
      } else {
        libertesdelachaine(p, l, CAPACITEFORTIF, 0, r, k, vu);
      }
      if (nbpoints(l) == 0) continue;
      auto vitla = [&](int32_t a, int32_t b) { return mortsA[a - 1][b - 1][indexcase(a, b)] == 0; };
      TListePoints prises{};
      const int32_t a1 = ligneliste(l, 1), b1 = colonneliste(l, 1);
      if (nbpoints(l) == 1) {
        if (vitla(a1, b1)) jouecoup(prises, CAPACITEFORTIF, p, a1, b1, c, o);
      } else {
        const int32_t a2 = ligneliste(l, 2), b2 = colonneliste(l, 2);
        if (vitla(a1, b1) || vitla(a2, b2)) {
          jouecoup(prises, CAPACITEFORTIF, p, a1, b1, c, o);
          jouecoup(prises, CAPACITEFORTIF, p, a2, b2, c, o);
          if (p[indexcase(a1, b1)] == VIDE) jouecoup(prises, CAPACITEFORTIF, p, a1, b1, c, o);
        }
      }
      // Each liberty on the board after the capture.
      for (int32_t m = 1; m <= nbpoints(l); ++m) {
        const int32_t a = ligneliste(l, m), b = colonneliste(l, m), i = indexcase(a, b);
        if (!candidat(i) || !vivantmorts(i, i) || !pionlieachainetest1(p, lesfaibles, a, b)) continue;
        const TEssaiCoup& E = essaiA(i);
        if (!lieaunfortessai(essaiA(i)) && !pionlieachainetest1(p, w.pionsfortsordi, a, b)) continue;
        TMarques K = marquesvides;
        marquelies(K, i);
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (K[q] && p[q] == c && faible(q) && vivantessai(E, q) && lieparcecoup(i, q)) ++compte;
        if (compte < 1 || !joinfort(K, i)) continue;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (K[q] && p[q] == c && faible(q) && vivantessai(E, q) && lieparcecoup(i, q)) sauve(i, q, 2);
        accepte(i, std::max(compte, force(i) - rendusforts(K, i)));
      }
      garde.restaure();
    }
  ecritliste("COUP DE FORTIFICATION LIAISON par coup forcé: ");
}

void Fortif::liaisonmort() {
  debut(9, 2);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i)) continue;
      const TEssaiCoup& E = essaiA(i);
      if (compteur0essai(E) <= 0) continue;
      charge(i);
      const TMarques& M = morts2A[r - 1][k - 1];
      // The opponent chains the move kills, numbered.
      TMarques K = marquesvides;
      int32_t nb = 0;
      for (int32_t q = 0; q < NBCASES && nb < 255; ++q)
        if (p[q] == o && M[q] && !marquesliaison1[q] && !K[q]) peintchaine(p, K, static_cast<uint8_t>(++nb), lignede(q), colonnede(q));
      TMarques L = marquesvides;
      for (int32_t z = 1; z <= nb; ++z) {
        bool fort = false;
        for (int32_t q = 0; q < NBCASES && !fort; ++q)
          fort = K[q] == z && voisinmarque(p, w.pionsfortsordi, lignede(q), colonnede(q));
        if (!fort) continue;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (p[q] == c && faible(q) && !L[q] && !M[q] &&
              voisincouleurtable(K, static_cast<uint8_t>(z), lignede(q), colonnede(q)))
            marquelies(L, q);
      }
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (L[q] && p[q] == c && faible(q) && !M[q] && lieparcecoup(i, q)) ++compte;
      const int32_t f = rendusforts(L, i);
      const TPlateau essai = p;
      garde.restaure();
      if (compte == 0) continue;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (L[q] && essai[q] == c && faible(q) && lieparcecoup(i, q)) sauve(i, q, 2);
      accepte(i, std::max(compte, force(i) - f));
    }
  ecritliste("COUP DE FORTIFICATION LIAISON par mise a mort: ");
}

void Fortif::evasion() {
  debut(10, 3);
  // The escape map.
  TCarte fuite{};
  {
    const Restaure<TMarques> t(territoire);
    zonecouleur(p, o, c, 1);
    marquezonesisolees(p, lesfaibles, fuite, c);
  }
  TMarques E = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q) E[q] = fuite[q] != 0 ? 1 : 0;
  TPlateau B2 = p;
  TMarques F = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q) {
    if (p[q] == c && (lesfaibles[q] == FAIBLELIE || lesfaibles[q] == FAIBLELIE40)) F[q] = 1;
    if (candidat(q) && E[q] && p[q] == VIDE && vivantmorts(q, q)) {
      B2[q] = c;
      infochaine[q] = TEntreeChaine{3, 1};
    }
  }
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || p[i] != VIDE || !vivantmorts(i, i) || w.marquespointsliaison[i] == 2) continue;
      bool pris;
      if (B2[i] == c && (w.marquespointsliaison[i] == 1 || pionlieachainetest1(B2, lesfaibles, r, k)))
        pris = true;
      else if (B2[i] == o)
        pris = false;
      else
        pris = testlienpionprovisoire(p, F, c, 1, r, k) && testlienpionprovisoire(B2, E, c, 1, r, k);
      if (!pris) continue;
      p[i] = c;
      TMarques K = marquesvides;
      metlachainelieen2coupatest1(p, K, r, k);
      p[i] = VIDE;
      const TEssaiCoup& e = essaiA(i);
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && p[q] == c && faible(q) && vivantessai(e, q) && lieparcecoup(i, q)) ++compte;
      if (compte == 0) continue;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && p[q] == c && faible(q) && vivantessai(e, q) && lieparcecoup(i, q)) sauve(i, q, 3);
      accepte(i, std::max(compte, force(i) - rendusforts(K, i)));
    }
  garde.restaure();
  ecritliste("COUP DE FORTIFICATION par EVASION: ");
}

void Fortif::liaisonprise() {
  lesfaibles = w.lesfaiblessauves;
  debut(11, 4);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || testtueA[i] == 0 || p[i] != VIDE || !voisincouleuratari(p, o, r, k)) continue;
      TListePoints prises{};
      jouecoup(prises, CAPACITEFORTIF, p, r, k, c, o);
      const bool seule = nbpoints(prises) == 1 && p[i] == c && infochaine[i][1] == 1;
      TMarques K = marquesvides;
      bool note = false;
      for (int32_t m = 1; m <= nbpoints(prises); ++m)
        pastable(ligneliste(prises, m), colonneliste(prises, m), [&](int32_t a, int32_t b) {
          const int32_t y = indexcase(a, b);
          if (p[y] != c || K[y] || !(faible(y) || seule)) return false;
          if (vivantmorts(i, y)) note = true;
          marquelies(K, y);
          return false;
        });
      int32_t s = 0;
      if (note && p[i] == c) {
        marquelies(K, i);
        int32_t compte = 0;
        bool fort = false;
        for (int32_t q = 0; q < NBCASES; ++q) {
          if (!K[q] || p[q] != c || !vivantmorts(i, q)) continue;
          if (faible(q)) ++compte;
          if (q != i && lesfaibles[q] == 0) fort = true;
        }
        if (compte >= 1 && fort) s = std::max(compte, force(i));
      }
      garde.restaure();
      if (s > 0) accepte(i, s);
    }
  ecritliste("COUP DE FORTIFICATION LIAISON PAR PRISE: ");
}
