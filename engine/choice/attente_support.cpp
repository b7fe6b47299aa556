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

void marquezoneautour(const TPlateau&, const TCheminCoups&, int32_t, int32_t) {}
void zoneautourchaine(TPlateau&, int32_t, int32_t, int32_t, int32_t, int32_t, TListePoints&, uint8_t&) {}

#define TERME(nom) \
  void nom(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
TERME(bonusdifferenceterritoire)
TERME(empechedefaire2yeux)
TERME(bonusinvasion)
TERME(bonusmoyodomine)
TERME(bonusreprisevoisins)
TERME(bonusrelielesgroupes)
TERME(bonuscoupforcejoueur)
TERME(bonuspierreisoleebord)
TERME(bonuslecturezone)
TERME(bonuscoupforceordi)
TERME(bonuslibertescoup)
TERME(bonusmarquesmorts)
TERME(bonusstrategiecoup)
TERME(bonuspierresprenables)
TERME(ajustemortsterritoire)
TERME(bonusterritoire)
TERME(ajustevaleurcandidat)
TERME(bonusfaibles)
TERME(bonusfaiblesliees)
TERME(zonevide3x3)
TERME(bonusesca)
TERME(bonuscoins)
TERME(bonusrampebord)
TERME(bonusatari)
TERME(bonussortieesca)
TERME(bonusliaisonsurvie)
TERME(bonusmortsprofondeur)
TERME(bonusvoisinsatari)
TERME(bonusbord)
TERME(termeinactif)
TERME(bonusformecoupure)
TERME(bonuscartesdeuxcoups)
TERME(bonusmortssauvesessai)
TERME(bonuscapturesligne)
TERME(bilanpierresfinal)
#undef TERME
void bonusdeuxyeuxcoupure(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, uint8_t&) {}
void pointkocourant(TPoint& sortie) { sortie = pointko; }
int32_t testechaineh8(const TInfoChaine&, const TPlateau&, int32_t, int32_t, uint8_t) { return 0; }
void bonuslibertesvoisines(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}
void comptezonevoisins(TPlateau&, int32_t&, uint8_t, uint8_t, int32_t, int32_t, int32_t) {}
void bonusvoisinsennemis(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}
