// Weak-chain status pass: every weak chain read with the life-and-death
// reading, its dead marks and values written back, mixed living groups found.
#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/reading/vieetmort.h"

namespace {

// Marks of the pass on the chains read.
constexpr uint8_t VULUE = 1;        // settled
constexpr uint8_t VUTROPGRANDE = 2; // too large to read, with no trial table current
constexpr uint8_t VUAILLEURS = 4;   // the point asked about lay outside its region

TMarques vuchaines;  // visited map V of the pass
TCarte groupes;      // group numbers W of the mixed-group test

// Group walk of the mixed-group pass: numbers the region, turns weak values to 1 and
// notes the colours met; `mixte` falls when a dead stone other than a lone
// stone in atari borders the group.
struct Groupe {
  const TPlateau& p;
  TCarte& valeurs;
  int32_t numero;
  bool mixte = true, noir = false, blanc = false;

  void marche(int32_t dir, int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    groupes[i] = numero;
    if (valeurs[i] < 0) {
      valeurs[i] = VALEURVIVANTE;
      if (mixte && p[i] != VIDE) (p[i] == NOIR ? noir : blanc) = true;
    }
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      if (groupes[j] != 0) return false;
      if (pionsmorts[j]) {
        if (mixte && !(infochaine[j][0] == 1 && infochaine[j][1] == 1)) mixte = false;
        return false;
      }
      if (valeurs[j] < 0 || p[j] == VIDE) marche(d2, r2, c2);
      return false;
    });
  }
};

}  // namespace

void statutviechainesfaibles(TPlateau& p, TCarte& valeurs, const TCarte& reference, uint8_t couleur,
                             int32_t& change, TPoint point, const TMarques& sauves) {
  const int32_t n = taillemoteur();
  // Dead marks saved for the reading.
  sauvepionsmorts = 1;
  pionsmortsavant = sauves;
  bool vu2 = false, vumoins1 = false, noirvit = false, blancvit = false;
  TMarques& vu = vuchaines;
  vu = marquesvides;

  // One reading per weak chain.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] == VIDE || vu[i] || valeurs[i] >= 0) continue;
      const TPoint question = reel(point) && valeurs[i] == reference[i] ? point : pointko;
      switch (testvieetmort(valeurs, p, r, c, couleur, pointko, question)) {
        case VIETROPGRANDE:
          if (tableessaiscourante == -1) {
            peintchaine(p, vu, VUTROPGRANDE, r, c);
            vumoins1 = true;
          } else {
            marquepionschaine(p, vu, 0, r, c);
          }
          break;
        case VIEVIVANTE:
          demarquechaine(p, r, c);
          change = 1;
          (p[i] == NOIR ? noirvit : blancvit) = true;
          marquepionschaine(p, vu, 0, r, c);
          break;
        case VIEMORTE:
          if (!pionsmorts[i]) {
            marquechaine(p, r, c);
            change = 1;
          }
          marquepionschaine(p, vu, 0, r, c);
          break;
        case VIEAILLEURS:
          peintchaine(p, vu, VUAILLEURS, r, c);
          vu2 = true;
          break;
        default:
          marquepionschaine(p, vu, 0, r, c);
          break;
      }
    }

  // Chains read about a point outside their region keep what they had.
  if (vu2)
    for (int32_t i = 0; i < NBCASES; ++i)
      if (vu[i] == VUAILLEURS) {
        valeurs[i] = valeurssurvie[i];
        pionsmorts[i] = pionsmortsbis[i];
      }
  // Chains too large to read lose the dead marks of their weakest stones.
  if (vumoins1)
    for (int32_t i = 0; i < NBCASES; ++i)
      if (vu[i] == VUTROPGRANDE && valeurs[i] == -1 && pionsmorts[i]) pionsmorts[i] = 0;

  // One colour alive: its weak stones left unmarked live; neither: nothing to do.
  if (!noirvit && !blancvit) return;
  if (noirvit != blancvit) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = ix(r, c);
        if (p[i] != VIDE && valeurs[i] < 0 && !pionsmorts[i]) valeurs[i] = VALEURVIVANTE;
      }
    return;
  }

  // Both colours live: groups holding weak chains of both are mixed.
  groupes.fill(0);
  int32_t g = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] == VIDE || valeurs[i] >= 0 || pionsmorts[i] || groupes[i] != 0 || vu[i] != VULUE) continue;
      Groupe groupe{p, valeurs, ++g};
      groupe.marche(0, r, c);
      if (!(groupe.mixte && groupe.noir && groupe.blanc)) continue;
      for (int32_t j = 0; j < NBCASES; ++j)
        if (groupes[j] == g && valeurs[j] == VALEURVIVANTE) valeurs[j] = VALEURMIXTE;
    }
}
