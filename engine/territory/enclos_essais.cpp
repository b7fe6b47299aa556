// Enclosed-chain reading after a trial move: the chains the move may have
// put in danger are read with testdeb, and those found killed are recorded
// in pionsmorts and in the move's trial record.
#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/territory/enclos.h"

namespace {

// The trial record of a move at (r, c) by the side of `couleur`.
TEssaiCoup& essaicote(uint8_t couleur, int32_t r, int32_t c) {
  return couleur == couleurordi ? essaiordi(r, c) : essaijoueur(r, c);
}

// The trial at (r, c) of the side of `couleur` killed the chain there.
bool tueeparessai(uint8_t couleur, int32_t r, int32_t c) {
  return (essaicote(couleur, r, c).liensessai[ix(r, c)] & BITTUEESSAI) != 0;
}

}  // namespace

void marquechainetueeessai(const TPlateau& p, int32_t lignecoup, int32_t colonnecoup, int32_t ligne,
                           int32_t colonne, int32_t dir) {
  const int32_t i = ix(ligne, colonne);
  const uint8_t x = p[i];
  pionsmorts[i] = 1;
  TEssaiCoup& essai = p[ix(lignecoup, colonnecoup)] == couleurordi ? essaiordi(lignecoup, colonnecoup)
                                                                      : essaijoueur(lignecoup, colonnecoup);
  essai.liensessai[i] |= BITTUEESSAI;
  pasvoisins(ligne, colonne, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == x && !pionsmorts[j]) marquechainetueeessai(p, lignecoup, colonnecoup, r2, c2, d2);
    return false;
  });
}

void ajoutechaineszone(const TPlateau& p, uint8_t couleur, TMarques& vu, const TMarques& zone,
                       TListePoints& chaines, int32_t cap) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (vu[i] || !zone[i] || p[i] != couleur) continue;
      if (pionsmorts[i]) vu[i] = 1;
      else if (empilepoint(chaines, cap, r, c)) marquepionschaine(p, vu, 0, r, c);
    }
}

void testdebsurcandidats(const TMarques& chaines, const TMarques& liens, TPlateau& p, int32_t mode, int32_t colonne,
                         int32_t ligne, int32_t& resultat, uint8_t couleur) {
  const int32_t im = ix(ligne, colonne);
  // Nothing to read when the move's stone is not there (a refused move).
  if (p[im] != couleur) return;
  const uint8_t oppose = static_cast<uint8_t>(1 - couleur);
  TEssaiCoup& essai = essaicote(couleur, ligne, colonne);

  // Dead stones handed to the reading, and the weak stones.
  TMarques morts = pionsmorts;
  TMarques faibles;
  for (int32_t i = 0; i < NBCASES; ++i)
    faibles[i] = p[i] != VIDE && !marquesglobales[i] && (pionsmorts[i] || (liens[i] && p[i] != couleur));
  TMarques remplies[2];
  uint8_t prets[2] = {0, 0};
  TMarques zone{};

  // A lone stone in atari may stand in a ko.
  TPoint ko{};
  if (mode == 1 && libs(im) == 1 &&
      !pastable(ligne, colonne, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == couleur; }))
    pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
      if (p[ix(r2, c2)] != VIDE) return false;
      ko = TPoint{r2, c2};
      return true;
    });

  // The move's liberties and the enemy stones next to the chain or
  // next to those liberties.
  TListePoints libertes, ennemis;
  libertes[0] = ennemis[0] = 0;
  TMarques vu = marquesvides;
  libertesetadversaires(p, libertes, CAPACITECHAINESDEB, 0, ligne, colonne, vu, CAPACITECHAINESDEB, ennemis);
  for (int32_t k = 1; k <= nbpoints(libertes); ++k)
    pastable(ligneliste(libertes, k), colonneliste(libertes, k), [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (p[j] == oppose && !vu[j] && !pionsmorts[j] && empilepoint(ennemis, CAPACITECHAINESDEB, r2, c2)) vu[j] = 1;
      return false;
    });

  // Chains to read: the move's own, then the enemy chains.
  TListePoints liste;
  liste[0] = 0;
  TMarques listees = marquesvides;
  auto inscrit = [&](int32_t r, int32_t c) {
    if (empilepoint(liste, CAPACITECHAINESDEB, r, c)) marquepionschaine(p, listees, 0, r, c);
  };
  if (!pionsmorts[im] && (libs(im) > 1 || ko.ligne != 0)) inscrit(ligne, colonne);
  for (int32_t k = 1; k <= nbpoints(ennemis); ++k) {
    const int32_t r = ligneliste(ennemis, k), c = colonneliste(ennemis, k), j = ix(r, c);
    if (p[j] == VIDE || pionsmorts[j] || marquesglobales[j] || listees[j]) continue;
    inscrit(r, c);
  }

  // Chains that earlier trials of this side killed.
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] == VIDE || listees[j] || !tueeparessai(couleur, r, c)) continue;
      if (!pionsmorts[j]) {
        if (chaines[j]) inscrit(r, c);
      } else if (p[j] == oppose && !chaines[j]) {
        const int32_t v = testdeb(p, remplies[oppose], prets[oppose], morts, zone, faibles, r, c, couleur, ko,
                                  pointko, 1);
        if (v == DEBVIVANTE) ajoutechaineszone(p, oppose, listees, zone, liste, CAPACITECHAINESDEB);
        else marquepionschaine(p, listees, 0, r, c);
      }
    }

  // Read them, the list growing with the chains of killed zones.
  if (nbpoints(liste) == 0) return;
  morts = pionsmorts;
  const TMarques& liaison = couleur == couleurordi ? marquesliaison1 : marquesliaison2;
  for (int32_t k = 1; k <= nbpoints(liste); ++k) {
    const int32_t r = ligneliste(liste, k), c = colonneliste(liste, k), j = ix(r, c);
    if (pionsmorts[j] || p[j] == VIDE) continue;
    const uint8_t cq = p[j];
    const int32_t v = testdeb(p, remplies[cq], prets[cq], morts, zone, faibles, r, c, couleur, ko,
                              TPoint{ligne, colonne}, 0);
    const bool tuee = v == DEBTUEE || (v == DEBAILLEURS && chaines[j] && tueeparessai(couleur, r, c));
    if (!tuee) continue;
    if (cq == oppose && !liaison[j]) {
      essai.liensessai[im] |= BITTUEESSAI;
      marquechainetueeessai(p, ligne, colonne, r, c, 0);
    } else {
      marquechainesansvisite(p, r, c);
    }
    resultat = 1;
    if (v == DEBTUEE) ajoutechaineszone(p, cq, listees, zone, liste, CAPACITECHAINESDEB);
  }
}
