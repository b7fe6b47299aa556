// Reading map helpers.
#include "engine/reading/prise_cartes.h"

#include <algorithm>

#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/reading/prise.h"

void marquepionsparcouleur(const TPlateau& p, const TMarques& marques) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!marques[i]) continue;
      if (p[i] == NOIR) ciblesnoires[i] = 1;
      else ciblesblanches[i] = 1;
    }
}

namespace {
// Scratch of preparecartelecture: the board it fills and the saved chain table.
TPlateau copielecture;
TInfoChaine chaineslecture;
}  // namespace

void preparecartelecture(const TPlateau& p) {
  // Copy.
  TPlateau& copie = copielecture;
  TInfoChaine& sauve = chaineslecture;
  copie = p;
  constexpr int32_t seuil = 3;
  bool rempli = false;
  TMarques vus;
  zeromarques(vus);
  const int32_t n = configmoteur.taille;
  // Scan of the empty points.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (copie[i] != VIDE || vus[i]) continue;
      bool partage = true, noir = false, blanc = false;
      TPoint premiernoir{}, premierblanc{};
      int32_t nbnoirs = 0, nbblancs = 0;
      pastable(r, c, [&](int32_t r2, int32_t c2) {
        const int32_t j = indexcase(r2, c2);
        if (copie[j] == VIDE) {
          vus[j] = 1;
          partage = false;
        } else {
          if (infochaine[j][0] <= seuil) partage = false;
          if (copie[j] == NOIR) {
            if (!noir) premiernoir = {r2, c2};
            noir = true;
            ++nbnoirs;
          } else {
            if (!blanc) premierblanc = {r2, c2};
            blanc = true;
            ++nbblancs;
          }
        }
        return false;
      });
      if (!partage || !noir || !blanc) continue;
      // One chain of each colour.
      auto unechaine = [&](TPoint premier, int32_t nb, uint8_t couleur) {
        if (nb <= 1) return true;
        TMarques m;
        zeromarques(m);
        marquepionschaine(copie, m, 0, premier.ligne, premier.colonne);
        return !pastable(r, c, [&](int32_t r2, int32_t c2) {
          const int32_t j = indexcase(r2, c2);
          return copie[j] == couleur && !m[j];
        });
      };
      if (!unechaine(premiernoir, nbnoirs, NOIR) || !unechaine(premierblanc, nbblancs, BLANC)) continue;
      // Fill with a white stone.
      if (!rempli) sauve = infochaine;
      rempli = true;
      copie[i] = BLANC;
      majlibertes(copie, 0, r, c);
    }
  // The reading's chain table from the filled copy; the real one comes back.
  infochainelecture = infochaine;
  if (rempli) infochaine = sauve;
}

void chainesfaiblesaccessibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t n, int32_t dir, int32_t r,
                               int32_t c, TMarques& marques) {
  const int32_t i = indexcase(r, c);
  marques[i] = 1;
  if (infochaine[i][1] != 0) empilepoint(l, cap, r, c);
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = indexcase(r2, c2);
    if (marques[j] || p[j] == VIDE || infochaine[j][0] > n) return false;
    chainesfaiblesaccessibles(p, l, cap, n, d2, r2, c2, marques);
    return false;
  });
}

namespace {

struct Fenetre {
  TMarques& marques;
  TListePoints& l;
  const TPlateau& p;
  int32_t drapeau, borne;
  int32_t lmin, lmax, cmin, cmax;
  uint8_t couleur;
  TMarques vu = marquesvides;

  void marche(int32_t dir, int32_t r, int32_t c, bool depart) {
    const int32_t i = indexcase(r, c);
    vu[i] = 1;
    if (!depart && p[i] != VIDE && !marques[i]) {
      const bool mort = pionsmorts[i] != 0;
      if ((p[i] == couleur && mort) || (drapeau <= 0 && p[i] != couleur && !mort)) {
        marquepionschaine(p, marques, 0, r, c);
        empilepoint(l, CAPACITEPRISE, r, c);
      }
    }
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = indexcase(r2, c2);
      if (vu[j] || r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax) return false;
      if (p[j] != VIDE && infochaine[j][0] > borne) {
        vu[j] = 1;
        return false;
      }
      marche(d2, r2, c2, false);
      return false;
    });
  }
};

}  // namespace

void chainesdansfenetre(TMarques& marques, TListePoints& l, const TPlateau& p, int32_t drapeau, int32_t w,
                        int32_t bornelibertes, int32_t r, int32_t c) {
  const int32_t n = configmoteur.taille;
  Fenetre f{marques, l, p, drapeau, bornelibertes, std::max(1, r - w), std::min(n, r + w), std::max(1, c - w),
            std::min(n, c + w), p[indexcase(r, c)]};
  f.marche(0, r, c, true);
}
