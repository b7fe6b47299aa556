// The solver's small routines: the atari scan, the point tests and the list
// routines shared by the passes and the main search.
#include "engine/board/geometrie.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/connection/solveur_etat.h"

namespace solveur {

namespace {

// The first chain in atari, rows outer, of any colour (`couleur` 2) or of one.
int32_t premiereatari(const TPlateau& p, uint8_t couleur) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (pierre(p[i]) && libs(i) == 1 && (couleur == VIDE || p[i] == couleur)) return i;
    }
  return -1;
}

}  // namespace

int32_t etatatari(const TPlateau& p, uint8_t camp, uint8_t autre, TListePoints& coups, TMarques& marques) {
  const int32_t i = premiereatari(p, VIDE);
  if (i < 0) return ETATCALME;
  if (p[i] == autre) return ETATPRISE;
  // The list becomes the chain's liberty alone, whatever was listed before.
  coups[0] = 0;
  marques = marquesvides;
  libertesdelachaine(p, coups, CAPACITESOLVEUR, 0, i / TAILLEMAX + 1, i % TAILLEMAX + 1, marques);
  return chaineenatari(p, camp) ? ETATPRISE : ETATDEFENSE;
}

bool chaineenatari(const TPlateau& p, uint8_t couleur) {
  return premiereatari(p, couleur == NOIR ? BLANC : NOIR) >= 0;
}

bool couleurenatari(const TPlateau& p, uint8_t couleur) { return premiereatari(p, couleur) >= 0; }

TPoint premiereprise(const TPlateau& p, uint8_t couleur) {
  const int32_t i = premiereatari(p, couleur);
  if (i < 0) return TPoint{};
  return premiereliberte(p, i / TAILLEMAX + 1, i % TAILLEMAX + 1);
}

bool pierreproche(const TPlateau& p, int32_t ligne, int32_t colonne) {
  int32_t lmin, lmax, cmin, cmax;
  bornesfenetre(ligne, colonne, 2, lmin, lmax, cmin, cmax);
  for (int32_t r = lmin; r <= lmax; ++r)
    for (int32_t c = cmin; c <= cmax; ++c)
      if ((r != ligne || c != colonne) && pierre(p[indexcase(r, c)])) return true;
  return false;
}

bool pointvivant(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne) {
  int32_t vides = 0;
  return pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    if (p[j] == VIDE) return ++vides >= 2;
    if (p[j] == couleur) return libs(j) == 1;
    return libs(j) > 2;
  });
}

bool voisin8faible(const TPlateau& p, int32_t ligne, int32_t colonne) {
  return pas8(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    return pierre(p[j]) && libs(j) < 3;
  });
}

void videsvoisins(const TPlateau& p, TListePoints& l, int32_t cap, int32_t ligne, int32_t colonne,
                  TMarques& marques) {
  pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    if (p[j] == VIDE && !marques[j]) {
      marques[j] = 1;
      empilepoint(l, cap, r, c);
    }
    return false;
  });
}

void libertesregion(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t label, int32_t dir, int32_t ligne,
                    int32_t colonne, TMarques& marques) {
  const int32_t i = indexcase(ligne, colonne);
  const uint8_t x = p[i];
  marques[i] = label;
  pasvoisins(ligne, colonne, dir, [&](int32_t r, int32_t c, int32_t d) {
    const int32_t j = indexcase(r, c);
    if (p[j] == x && marques[j] != label) {
      libertesregion(p, l, cap, label, d, r, c, marques);
    } else if (p[j] == VIDE && marques[j] == 0 && l[0] < cap) {
      marques[j] = 1;
      empilepoint(l, cap, r, c);
    }
    return false;
  });
}

void ordonnecoups(const TPlateau& p, TListePoints& l, uint8_t camp, uint8_t autre) {
  const int32_t n = l[0];
  if (n < 2) return;
  TListePoints groupes[3];
  for (auto& g : groupes) g[0] = 0;
  for (int32_t k = 1; k <= n; ++k) {
    const TPoint m = pointliste(l, k);
    int32_t g = 2;
    if (m.ligne != 0) {
      if (voisinmoinsde3libertes(p, autre, m.ligne, m.colonne)) g = 0;
      else if (voisinmoinsde3libertes(p, camp, m.ligne, m.colonne)) g = 1;
    }
    empilepoint(groupes[g], CAPACITESOLVEUR, m.ligne, m.colonne);
  }
  l[0] = 0;
  for (const auto& g : groupes)
    for (int32_t k = 1; k <= g[0]; ++k) empilepoint(l, CAPACITESOLVEUR, g[2 * k], g[2 * k + 1]);
}

}  // namespace solveur

void listechaines(const TPlateau& p, uint8_t couleur, TListeChaines& propreA, TListeChaines& propreB,
                  TListeChaines& autreA, TListeChaines& autreB) {
  propreA = TListeChaines{};
  autreA = TListeChaines{};
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if ((p[i] != NOIR && p[i] != BLANC) || infochaine[i][1] == 0) continue;
      TListeChaines& l = p[i] == couleur ? propreA : autreA;
      // More than 40 chains of a colour: the rest are left out.
      if (l[0].ligne >= MAXCHAINESSOLVEUR) continue;
      const int32_t k = ++l[0].ligne;
      l[k] = TChaineSolveur{r, c, 0};
    }
  propreB = propreA;
  autreB = autreA;
}
