// Seki detection: a recursive test from a seed point shared by chains of both
// colours with two liberties, over the liberties of every chain it meets;
// and the shapes among them that are no seki once the stones shut in are
// filled in and taken.
#include "engine/territory/seki.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/reading/deuxyeux.h"
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

// Scratch of the false-seki test.
TMarques formesvues;  // points of the shapes already judged
TMarques interieur;   // the stones shut inside the shape, taken off for the reading
TMarques chainesvues; // the chains already looked at
TMarques chaine;      // the stones of one chain
TListePoints prisesfaux;  // stones taken by the fill and the capture

// Marks the chain through j in `m` and tells whether every one of its
// stones touches only points of the shape `vu`.
bool chainedansforme(const TPlateau& p, const TMarques& vu, TMarques& m, int32_t j) {
  const uint8_t x = p[j];
  bool dedans = true;
  marchechaine(p, m, x, 0, lignede(j), colonnede(j), RegleChaine{.avant = [&](const Etape& e) {
                 if (p[e.j] != x && !vu[e.j]) dedans = false;
               }});
  return dedans;
}

// The stones of colour x in the shape `vu` whose chains touch only the
// shape go into `interieur`; true when there is one.
bool pierresinterieures(const TPlateau& p, const TMarques& vu, uint8_t x) {
  bool une = false;
  chainesvues = marquesvides;
  interieur = marquesvides;
  for (int32_t j = 0; j < NBCASES; ++j) {
    if (!vu[j] || p[j] != x || chainesvues[j]) continue;
    chaine = marquesvides;
    const bool dedans = chainedansforme(p, vu, chaine, j);
    une = une || dedans;
    for (int32_t k = 0; k < NBCASES; ++k) {
      chainesvues[k] |= chaine[k];
      if (dedans) interieur[k] |= chaine[k];
    }
  }
  return une;
}

// Does a chain of colour x outside the shape `vu` that touches `chaine` lie
// in atari or among the dead? Then the chain may live by taking it.
bool murfaible(const TPlateau& p, const TMarques& vu, uint8_t x) {
  for (int32_t k = 0; k < NBCASES; ++k) {
    if (!chaine[k]) continue;
    const bool faible = pastable(lignede(k), colonnede(k), [&](int32_t r, int32_t c) {
      const int32_t v = ix(r, c);
      return p[v] == x && !vu[v] && (libs(v) == 1 || pionsmorts[v] != 0);
    });
    if (faible) return true;
  }
  return false;
}

}  // namespace

void sekisfaux(TMarques& faux, const TMarques& marques, TPlateau& p) {
  const int32_t n = configmoteur.taille;
  formesvues = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (p[ix(r, c)] != VIDE || formesvues[ix(r, c)]) continue;
      TMarques vu = marquesvides;
      if (!testseki(marques, p, r, c, vu, 1)) continue;
      for (int32_t j = 0; j < NBCASES; ++j) formesvues[j] |= vu[j];
      // Each colour in turn as the one shut inside.
      for (uint8_t x : {NOIR, BLANC}) {
        if (!pierresinterieures(p, vu, x)) continue;
        const uint8_t y = autre(x);
        // x fills a point of the shape beside its stones shut in, y takes
        // them at their last liberty, and x moves first against y's eyes.
        for (int32_t j = 0; j < NBCASES; ++j) {
          if (!vu[j] || p[j] != VIDE) continue;
          const int32_t lj = lignede(j), cj = colonnede(j);
          const bool borde = pastable(lj, cj, [&](int32_t r2, int32_t c2) { return interieur[ix(r2, c2)] != 0; });
          if (!borde) continue;
          RestaurePosition garde(p);
          rejouecoup(prisesfaux, MAXPOINTSLISTE, p, lj, cj, x, y);
          if (p[j] != x || nbpoints(prisesfaux) > 0) continue;
          calculelibertes(p);
          if (libs(j) != 1) continue;
          const TPoint l = premiereliberte(p, lj, cj);
          if (!reel(l)) continue;
          rejouecoup(prisesfaux, MAXPOINTSLISTE, p, l.ligne, l.colonne, y, x);
          if (p[ix(l)] != y || nbpoints(prisesfaux) == 0 || p[j] != VIDE) continue;
          calculelibertes(p);
          chaine = marquesvides;
          chainedansforme(p, vu, chaine, ix(l));
          if (murfaible(p, vu, x) || testdeuxyeuxpossible(p, l.ligne, l.colonne, 0)) continue;
          for (int32_t k = 0; k < NBCASES; ++k)
            if (chaine[k] && garde.plateau()[k] == y) faux[k] = 1;
        }
      }
    }
}

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
