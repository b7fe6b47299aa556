// Seeded stress of the readings the move families call (two eyes, the
// propagation family, point, cut and escape readings, forced moves, ladders)
// on random positions at every level: each call gives back the board, the
// chain table and the dead marks, and leaves the level switches, flagscan
// and the ko point as it found them.
#include <gtest/gtest.h>

#include <random>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/chains/yeuxstatiques.h"
#include "engine/reading/coupforce.h"
#include "engine/reading/deuxyeux.h"
#include "engine/reading/escalier.h"
#include "engine/reading/fuite.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/propagation.h"
#include "engine/reading/propagationinvasion.h"

namespace {

struct Etat {
  TPlateau p;
  TInfoChaine chaines;
  TMarques morts;
  uint8_t longue, profonde, scan;
  int32_t kol, koc;
  bool operator==(const Etat&) const = default;
};

Etat etat(const TPlateau& p) {
  return {p, infochaine, pionsmorts, lecturelongue, lectureprofonde, flagscan, pointko.ligne, pointko.colonne};
}

// Level parameters as the level control sets them.
void fixeniveau(int32_t n) {
  static constexpr int32_t table[11][4] = {{0, 0, 0, 0},   {4, 1, 6, 4},   {4, 2, 8, 6},   {4, 2, 8, 6},
                                           {6, 3, 9, 8},   {6, 3, 10, 8},  {6, 3, 11, 10}, {8, 3, 12, 10},
                                           {8, 4, 12, 10}, {10, 4, 13, 12}, {10, 5, 14, 12}};
  niveau = n;
  paramniveaua = table[n][0];
  paramniveaub = table[n][1];
  profondeurlecture = table[n][2];
  paramniveauc = table[n][3];
  lecturelongue = lectureprofonde = n >= 5 ? 1 : 0;
}

TEST(LecturesStress, RandomPositionsGiveEverythingBack) {
  ASSERT_TRUE(chargecles());
  std::mt19937 g(20261210);
  for (int32_t essai = 0; essai < 20; ++essai) {
    const int32_t n = essai % 4 == 3 ? 13 : 9;
    configmoteur.taille = n;
    construittables(n);
    TPlateau p = plateauvide();
    calculelibertes(p);
    std::uniform_int_distribution<int32_t> d(1, n);
    TListePoints prises;
    for (int32_t k = 0; k < 25 + essai * 4; ++k)
      jouecoup(prises, CAPACITELISTE, p, d(g), d(g), static_cast<uint8_t>(k % 2), static_cast<uint8_t>(1 - k % 2));
    fixeniveau(1 + essai % 10);
    flagscan = 1;
    cacheactif = 0;
    couleurordi = couleurdemandee = BLANC;
    couleurjoueur = NOIR;
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
    marquesglobales = marquesvides;
    pionsmorts = marquesvides;
    for (int32_t k = 0; k < 3; ++k) {
      const int32_t r = d(g), c = d(g);
      if (p[indexcase(r, c)] != VIDE) marquechaine(p, r, c);
    }
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        pointko = g() % 5 == 0 ? TPoint{d(g), d(g)} : TPoint{};
        if (pointko.ligne != 0 && p[indexcase(pointko.ligne, pointko.colonne)] != VIDE) pointko = TPoint{};
        const Etat avant = etat(p);
        auto verifie = [&](const char* nom) {
          ASSERT_TRUE(etat(p) == avant) << nom << " at " << r << "," << c << " level " << niveau;
        };
        if (HasFatalFailure()) return;  // one report is enough
        const uint8_t x = p[i];
        if (x == VIDE) {
          (void)lancelecturerecu1(static_cast<uint8_t>(g() % 2), BLANC, NOIR, p, r, c);
          verifie("lancelecturerecu1");
          const uint8_t a = static_cast<uint8_t>(g() % 2);
          (void)lancelecturecoupure(a, static_cast<uint8_t>(1 - a), p, 6, r, c);
          verifie("lancelecturecoupure");
          (void)testescalier(p, r, c, a, static_cast<uint8_t>(1 - a));
          verifie("testescalier");
          continue;
        }
        const uint8_t o = static_cast<uint8_t>(1 - x);
        flagsurvie = static_cast<uint8_t>(g() % 2);
        int32_t score = 0, code = 0;
        TMarques carte{};
        for (uint8_t& v : carte) v = static_cast<uint8_t>(g() % 3);
        (void)genecoupsyeux(p, r, c, g() % 2 ? TPoint{d(g), d(g)} : TPoint{}, score, code, carte);
        verifie("genecoupsyeux");
        (void)testdeuxyeuxpossible(p, r, c, static_cast<int32_t>(g() % 2));
        verifie("testdeuxyeuxpossible");
        flagsurvie = 1;
        (void)testvieapresjeu(p, r, c);
        verifie("testvieapresjeu");
        (void)lecturetactique(static_cast<uint8_t>(g() % 2), x, o, p, r, c, 0, 0);
        verifie("lecturetactique");
        (void)lancelecturerecu4(static_cast<uint8_t>(g() % 2), x, o, p, r, c, 0, 0);
        verifie("lancelecturerecu4");
        (void)lancelecturerecu5(x, o, p, r, c, 0, 0);
        verifie("lancelecturerecu5");
        (void)lancelecturerecu3(marquesvides, x, o, p, static_cast<int32_t>(g() % 9), 8, 0, 0, r, c);
        verifie("lancelecturerecu3");
        if (infochaine[i][0] >= 2) {
          (void)cherchecoupforce(p, marquesvides, r, c, 4, marquesvides, static_cast<uint8_t>(g() % 2));
          verifie("cherchecoupforce");
        }
        if (infochaine[i][0] == 2) {
          (void)detectesca(p, 1 + static_cast<int32_t>(g() % 2), r, c);
          verifie("detectesca");
        }
      }
  }
  pointko = TPoint{};
  pionsmorts = marquesvides;
  fixeniveau(7);
}

}  // namespace
