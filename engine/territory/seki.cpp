// Seki detection: a recursive test from a seed point shared by chains of both
// colours with two liberties, over the liberties of every chain it meets.
#include "engine/territory/seki.h"

#include "engine/board/acces.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/territory/resultats.h"

namespace {

// A single stone in atari by the chain table.
inline bool pierreatari(int32_t j) { return infochaine[j][0] == 1 && infochaine[j][1] == 1; }

// One seki search from every empty point; `ecrit(j)` is called for every
// stone of a seki found that is not in atari, after its dead mark is cleared.
template <class F>
void cherche(int32_t& trouve, const TMarques& marques, const TPlateau& p, uint8_t trace, F&& ecrit) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (p[ix(r, c)] != VIDE) continue;
      TMarques vu = marquesvides;
      if (!testseki(marques, p, r, c, vu, 1)) continue;
      trouve = 1;
      for (int32_t j = 0; j < NBCASES; ++j) {
        if (!vu[j] || libs(j) == 1) continue;
        pionsmorts[j] = 0;
        if (p[j] != VIDE) ecrit(j);
      }
      if (trace) ecritdebug("seki");
    }
}

}  // namespace

void detectseki(int32_t& trouve, const TMarques& marques, const TPlateau& p, uint8_t trace) {
  cherche(trouve, marques, p, trace, [](int32_t) {});
}

void detectsekiessais(int32_t& trouve, const TMarques& marques, const TPlateau& p, uint8_t trace, int32_t ligne,
                      int32_t colonne) {
  int32_t* etat = nullptr;
  int32_t* valeur = nullptr;
  const bool coup = ligne >= 1 && ligne <= TAILLEMAX && colonne >= 1 && colonne <= TAILLEMAX;
  if (tableessaiscourante == 1) {
    etat = valeurssurvie.data();
    valeur = valeurs2survie.data();
  } else if (tableessaiscourante == 2 && coup) {
    etat = essaiordi(ligne, colonne).etatessai.data();
    valeur = essaiordi(ligne, colonne).valeursessai.data();
  } else if (tableessaiscourante == 3 && coup) {
    etat = essaijoueur(ligne, colonne).etatessai.data();
    valeur = essaijoueur(ligne, colonne).valeursessai.data();
  }
  cherche(trouve, marques, p, trace, [&](int32_t j) {
    if (!etat) return;
    etat[j] = ETATSEKI;
    valeur[j] = 0;
  });
}

bool testseki(const TMarques& marques, const TPlateau& p, int32_t ligne, int32_t colonne, TMarques& vu,
              int32_t profondeur) {
  // The first point must seed a seki; a deeper one needs seki neighbours.
  if (profondeur <= 1) {
    if (!graineseki(marques, p, ligne, colonne)) return false;
    vu = marquesvides;
    vu[ix(ligne, colonne)] = 1;
  } else if (!voisinsseki(marques, p, ligne, colonne)) {
    return false;
  }
  // The liberties of every chain around the point pass too.
  return !pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    TListePoints l{};
    libertesseki(p, l, vu, marques, r, c, 0);
    if (nbpoints(l) < 0) return true;
    for (int32_t k = 1; k <= nbpoints(l); ++k)
      if (!testseki(marques, p, ligneliste(l, k), colonneliste(l, k), vu, profondeur + 1)) return true;
    return false;
  });
}

bool graineseki(const TMarques& marques, const TPlateau& p, int32_t ligne, int32_t colonne) {
  bool couleurs[2] = {false, false};
  const bool echec = pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == VIDE || marques[j] || libs(j) != 2) return true;
    couleurs[p[j]] = true;
    return false;
  });
  return !echec && couleurs[BLANC] && couleurs[NOIR];
}

bool voisinsseki(const TMarques& marques, const TPlateau& /*p*/, int32_t ligne, int32_t colonne) {
  return !pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (libs(j) < 1 || libs(j) > 2) return true;
    return marques[j] && !pierreatari(j);
  });
}

void libertesseki(const TPlateau& p, TListePoints& l, TMarques& vu, const TMarques& marques, int32_t ligne,
                  int32_t colonne, int32_t dir) {
  const int32_t i = ix(ligne, colonne);
  const uint8_t x = p[i];
  vu[i] = 1;
  pasvoisins(ligne, colonne, dir, [&](int32_t r, int32_t c, int32_t d2) {
    if (nbpoints(l) < 0) return true;
    const int32_t j = ix(r, c);
    if (p[j] == x) {
      if (!vu[j]) libertesseki(p, l, vu, marques, r, c, d2);
    } else if (p[j] == VIDE) {
      if (!vu[j]) {
        vu[j] = 1;
        empilepoint(l, MAXPOINTSLISTE, r, c);
      }
    } else if (marques[j] && !pierreatari(j)) {
      l[0] = -1;
    }
    return nbpoints(l) < 0;
  });
}
