// Board scans and small sorts of the chain-status unit.
#include "engine/board/balayages.h"

#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"

void detectcontacts(const TMarques& exclus, uint8_t& trouve, TMarques& sortie, const TPlateau& p,
                    const TCarte& etats) {
  sortie.fill(0);
  trouve = 0;
  const int32_t n = configmoteur.taille;
  auto candidat = [&](int32_t j) {
    return p[j] != VIDE && pionsmorts[j] && !exclus[j] && infochaine[j][0] >= 2 && etats[j] != -2;
  };
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!candidat(i)) continue;
      const int32_t autres[2][2] = {{r + 1, c}, {r, c + 1}};
      for (const auto& q : autres) {
        if (!surplateaumoteur(q[0], q[1])) continue;
        const int32_t j = indexcase(q[0], q[1]);
        if (!candidat(j) || p[j] == p[i]) continue;
        trouve = 1;
        if (!sortie[i]) marquepionschaine(p, sortie, 0, r, c);
        if (!sortie[j]) marquepionschaine(p, sortie, 0, q[0], q[1]);
      }
    }
}

void zonesdepuispoint(TMarques& sortie, const TPlateau& p, int32_t& blanc, int32_t& noir) {
  sortie.fill(0);
  blanc = noir = 0;
  const int32_t n = configmoteur.taille;
  TMarques faits;
  zeromarques(faits);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] != VIDE || faits[i]) continue;
      TMarques vu;
      zeromarques(vu);
      int32_t nb = 0, etat = 0;
      uint8_t couleur = VIDE;
      zonevideetfrontiere(nb, etat, couleur, 0, r, c, vu, p);
      for (int32_t j = 0; j < NBCASES; ++j) {
        if (!vu[j]) continue;
        faits[j] = 1;
        if (etat == 1 && p[j] != VIDE && p[j] != couleur) {
          sortie[j] = 1;
          if (couleur == BLANC) ++blanc;
          else ++noir;
        }
      }
    }
}

uint8_t couleurdominantelignes(const TPlateau& p, int32_t ligne, int32_t colonne, int32_t portee) {
  if (p[indexcase(ligne, colonne)] != VIDE) return VIDE;
  uint8_t trouve = VIDE;
  for (const auto& d : ORDREPREDICATS) {
    for (int32_t k = 1; k <= portee; ++k) {
      const int32_t r = ligne + k * d[0], c = colonne + k * d[1];
      if (!surplateaumoteur(r, c)) break;
      const int32_t j = indexcase(r, c);
      if (p[j] == VIDE || pionsmorts[j]) continue;
      if (trouve == VIDE) trouve = p[j];
      else if (trouve != p[j]) return VIDE;
      break;
    }
  }
  return trouve;
}

void zonesdepuispoint2(int32_t& noir, int32_t& blanc, int32_t poids, int32_t portee, int32_t /*ligne*/,
                       int32_t /*colonne*/, const TPlateau& p) {
  noir = blanc = 0;
  const int32_t n = configmoteur.taille;
  // A living stone on the row or column of the point, the point excepted.
  auto pierresurlignes = [&](int32_t r, int32_t c) {
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t a = indexcase(r, k), b = indexcase(k, c);
      if (k != c && p[a] != VIDE && !pionsmorts[a]) return true;
      if (k != r && p[b] != VIDE && !pionsmorts[b]) return true;
    }
    return false;
  };
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] == VIDE) {
        uint8_t d = couleurdominantelignes(p, r, c, portee);
        if (d == VIDE && territoire[i] != VIDE && !pierresurlignes(r, c)) d = territoire[i];
        if (d == BLANC) ++blanc;
        else if (d == NOIR) ++noir;
      } else if (pionsmorts[i]) {
        if (p[i] == BLANC) noir += poids;
        else blanc += poids;
      }
    }
}

void triecoups(TListePoints& l, int32_t* valeurs) {
  const int32_t n = l[0];
  for (int32_t k = 2; k <= n; ++k) {
    const int32_t v = valeurs[k], r = l[2 * k], c = l[2 * k + 1];
    int32_t j = k - 1;
    while (j >= 1 && valeurs[j] < v) {
      valeurs[j + 1] = valeurs[j];
      l[2 * j + 2] = l[2 * j];
      l[2 * j + 3] = l[2 * j + 1];
      --j;
    }
    valeurs[j + 1] = v;
    l[2 * j + 2] = r;
    l[2 * j + 3] = c;
  }
}
