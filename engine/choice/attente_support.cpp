// Temporary definitions until the support routines and the position
// analysis land: the root lists every empty point, the rest adds nothing.
#include "engine/choice/attente_support.h"

#include "engine/choice/recherche_etat.h"

bool sourcesracine(recherche::TRecherche& r, TListePoints& liste, int32_t, TPoint, TPoint) {
  const int32_t t = taillemoteur();
  for (int32_t i = 1; i <= t; ++i)
    for (int32_t j = 1; j <= t; ++j)
      if (r.plateau[indexcase(i, j)] == VIDE) empilepoint(liste, recherche::CAPACITECANDIDATS, i, j);
  return true;
}

void couprattrapagepasse(uint8_t, uint8_t, const TMarques&, const TPlateau&, TPoint&) {}
void couprattrapagepassechinoise(int32_t&, uint8_t, const TMarques&, const TPlateau&, TPoint&, const TCartesParPoint&,
                                 const TCartesParPoint&) {}
void ajoutelibertesfaibles(TPlateau&, TListePoints&, uint8_t, TPoint, TPoint, TMarques&, int32_t) {}
void ajoutelibertesfaibleszone(TPlateau&, TListePoints&, uint8_t, TPoint, TPoint, TMarques&, const TPlateau&,
                               const TMarques&, TPoint) {}
void reordonnecoups(const TMarques&, TListePoints&, const TPoint*, int32_t, int32_t) {}
void ajoutepointsvidesentoures(const TPlateau&, TListePoints&, const TPoint*, int32_t, TPoint) {}
