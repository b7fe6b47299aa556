// Influence passes, revival check of dead chains, owner maps.
#include "engine/territory/influence.h"

#include "engine/board/acces.h"
#include "engine/board/pas.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/territory/estimation.h"

namespace {

// Walk of chainerevivable: dead stones and neutral empty points are crossed.
struct Revival {
  const TPlateau& p;
  const TCarte& carte;
  uint8_t couleur;
  TMarques vu = marquesvides;
  bool vivant = true;

  void marche(int32_t dir, int32_t r, int32_t c) {
    vu[ix(r, c)] = 1;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      if (vu[j]) return false;
      if (p[j] == VIDE) {
        if (carte[j] == 0) {
          marche(d2, r2, c2);
        } else {
          vu[j] = 1;
          if ((carte[j] > 0) != (couleur == NOIR)) vivant = false;
        }
      } else if (pionsmorts[j]) {
        marche(d2, r2, c2);
      } else {
        vu[j] = 1;
        if (p[j] != couleur) vivant = false;
      }
      return !vivant;
    });
  }
};

// Paints territoire with `couleur` from a point over the stones of that colour.
struct Proprietaires {
  const TPlateau& p;
  TMarques vu = marquesvides;

  void peintproprietaire(uint8_t couleur, int32_t dir, int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    vu[i] = 1;
    if (!pionsmorts[i]) territoire[i] = couleur;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      if (!vu[j] && p[j] == couleur) peintproprietaire(couleur, d2, r2, c2);
      return false;
    });
  }
};

}  // namespace

void compteterritoires(const TPlateau& p, TCarte& carte, int32_t n) {
  const int32_t t = taillemoteur();
  // Stones.
  for (int32_t j = 0; j < NBCASES; ++j) carte[j] = p[j] == BLANC ? -128 : p[j] == NOIR ? 128 : 0;
  // Dilations, each from a copy.
  for (int32_t k = 0; k < n; ++k) {
    const TCarte avant = carte;
    for (int32_t r = 1; r <= t; ++r)
      for (int32_t c = 1; c <= t; ++c) {
        const int32_t v = avant[ix(r, c)];
        int32_t positifs = 0, negatifs = 0;
        pas4(r, c, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
          const int32_t w = avant[ix(r2, c2)];
          if (w > 0) ++positifs;
          if (w < 0) ++negatifs;
          return false;
        });
        if (v >= 0 && negatifs == 0) carte[ix(r, c)] = v + positifs;
        else if (v <= 0 && positifs == 0) carte[ix(r, c)] = v - negatifs;
      }
  }
}

void compteterritoires2(TCarte& carte, int32_t n) {
  const int32_t t = taillemoteur();
  for (int32_t k = 0; k < n; ++k) {
    const TCarte avant = carte;
    for (int32_t r = 1; r <= t; ++r)
      for (int32_t c = 1; c <= t; ++c) {
        const int32_t v = avant[ix(r, c)];
        if (v == 0) continue;
        int32_t contre = 0;
        pas4(r, c, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
          const int32_t w = avant[ix(r2, c2)];
          if (v > 0 ? w <= 0 : w >= 0) ++contre;
          return false;
        });
        carte[ix(r, c)] = v > 0 ? (v - contre > 0 ? v - contre : 0) : (v + contre < 0 ? v + contre : 0);
      }
  }
}

bool chainerevivable(const TPlateau& p, const TCarte& carte, int32_t ligne, int32_t colonne) {
  // The stone's colour.
  const uint8_t couleur = p[ix(ligne, colonne)];
  if (couleur == VIDE) return false;
  // The walk.
  Revival w{p, carte, couleur};
  w.marche(0, ligne, colonne);
  if (!w.vivant) return false;
  // The dead stones of the colour reached come back to life.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (w.vu[j] && p[j] == couleur && pionsmorts[j]) pionsmortsestime[j] = 0;
  return true;
}

bool voisinfaibleoumort(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur) {
  return pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] != couleur) return false;
    return (infochaine[j][0] == 1 && !pionsmorts[j]) || pionsmortsestime[j] != 0;
  });
}

void marqueproprietaires(const TCarte& resultat, const TCarte& travail, const TPlateau& p) {
  const int32_t n = taillemoteur();
  // Both territory maps from empty.
  territoire.fill(VIDE);
  territoire2.fill(VIDE);
  Proprietaires q{p};
  // Dead stones paint the chains around them for the other
  // colour; empty points paint themselves and their neighbouring chains.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      const int32_t v = resultat[j];
      if (p[j] == BLANC && pionsmorts[j] && v >= 1) {
        q.peintproprietaire(NOIR, 0, r, c);
      } else if (p[j] == NOIR && pionsmorts[j] && v < 0) {
        q.peintproprietaire(BLANC, 0, r, c);
      } else if (p[j] == VIDE) {
        if (v > 0) q.peintproprietaire(NOIR, 0, r, c);
        else if (v < 0) q.peintproprietaire(BLANC, 0, r, c);
        if (travail[j] > 0) territoire2[j] = NOIR;
        else if (travail[j] < 0) territoire2[j] = BLANC;
      }
    }
  // Stones linked to owned stones of their colour.
  TMarques liees = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != VIDE && territoire[j] == p[j]) metlachainelieen2coupatest1(p, liees, r, c);
    }
  // They own themselves unless dead.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (liees[j] && p[j] != VIDE && territoire[j] == VIDE && !pionsmorts[j]) territoire[j] = p[j];
}

void estimeterritoireordi(const TPlateau& p, uint8_t couleur) {
  TCarte resultat, travail;
  int32_t blancs = 0, noirs = 0;
  estimeterritoire(resultat, travail, couleur, paramniveaue, blancs, noirs, p, 1);
}
