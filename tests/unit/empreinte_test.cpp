// What the search memos share: keys, the direct-mapped memo and its
// emptying, the store of byte maps, and the reading effects measured around
// a step and replayed for a repeat.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/garde.h"
#include "engine/choice/empreinte.h"
#include "tests/support/fixture.h"

namespace {

using recherche::TCle;
using recherche::TEmpreinte;
using recherche::TMemo;
using recherche::TReserveCartes;

TCle cle(int32_t a, int32_t b) {
  TEmpreinte k;
  const int32_t v[2] = {a, b};
  recherche::hache(k, v);
  return recherche::finalise(k);
}

struct TEntree {
  TCle cle;
  uint32_t generation = 0;
  int32_t valeur = 0;
};

TEST(Empreinte, KeysTellBytesAndLengthsApart) {
  EXPECT_EQ(cle(1, 2), cle(1, 2));
  EXPECT_NE(cle(1, 2), cle(2, 1));
  TEmpreinte court, long_;
  const uint8_t octets[9] = {};
  recherche::hache(court, octets, 8);
  recherche::hache(long_, octets, 9);
  EXPECT_NE(recherche::finalise(court), recherche::finalise(long_));  // trailing zero bytes still count
}

TEST(Empreinte, MemoFindsWhatWasWrittenUntilEmptied) {
  TMemo<TEntree, 4> memo;
  EXPECT_EQ(memo.cherche(cle(1, 1)), nullptr);
  memo.ecrit(cle(1, 1)).valeur = 7;
  ASSERT_NE(memo.cherche(cle(1, 1)), nullptr);
  EXPECT_EQ(memo.cherche(cle(1, 1))->valeur, 7);
  EXPECT_EQ(memo.cherche(cle(1, 2)), nullptr);
  // A rewrite of the slot starts from a clean entry.
  memo.ecrit(cle(1, 1));
  EXPECT_EQ(memo.cherche(cle(1, 1))->valeur, 0);
  memo.vide();
  EXPECT_EQ(memo.cherche(cle(1, 1)), nullptr);
  // Many keys in 16 slots: a hit is always the key asked for.
  for (int32_t k = 0; k < 100; ++k) memo.ecrit(cle(k, 0)).valeur = k;
  for (int32_t k = 0; k < 100; ++k)
    if (const TEntree* e = memo.cherche(cle(k, 0))) {
      EXPECT_EQ(e->valeur, k);
    }
}

TEST(Empreinte, StoreKeepsEachMapOnce) {
  TReserveCartes reserve;
  reserve.vide();
  TMarques a{}, b{};
  b[360] = 1;
  const int32_t na = reserve.numero(a), nb = reserve.numero(b);
  EXPECT_NE(na, nb);
  EXPECT_EQ(reserve.numero(a), na);
  EXPECT_TRUE(fixture::memesmarques(b, reserve.carte(nb)));
  EXPECT_FALSE(reserve.pleine());
  reserve.vide();
  EXPECT_EQ(reserve.numero(b), 0);
}

// A step as the readings move the counters: nodes, the deepest ply, the
// ladder count (when `escalier` >= 0) and an overflow.
void etape(int32_t noeuds, int32_t pli, int32_t escalier, bool depasse) {
  compteurnoeuds += noeuds;
  compteurnoeudslecture += noeuds;
  compteurnoeudsprise += 1;
  profmaxrecu = std::max(profmaxrecu, pli);
  if (escalier >= 0) noeudsescalier = escalier;
  if (depasse) depassementprise = 1;
}

struct CasEffets {
  const char* nom;
  int32_t noeuds, pli, escalier;
  bool depasse;
  int32_t plidepart;
};

TEST(Empreinte, ReplayedEffectsLeaveWhatTheStepLeft) {
  const CasEffets cas[] = {
      {"ladder untouched, shallower ply", 10, 4, -1, false, 7},
      {"ladder count written, deeper ply", 3, 9, 12, false, 7},
      {"overflow set", 50, 2, -1, true, 0},
  };
  const Restaure<int32_t> g1(compteurnoeuds), g2(compteurnoeudslecture), g3(compteurnoeudsprise), g4(profmaxrecu),
      g5(noeudsescalier);
  const Restaure<uint8_t> g6(depassementprise);
  for (const CasEffets& c : cas) {
    const auto depart = [&] {
      compteurnoeuds = 5;
      compteurnoeudslecture = 6;
      compteurnoeudsprise = 7;
      profmaxrecu = c.plidepart;
      noeudsescalier = 3;
      depassementprise = 0;
    };
    depart();
    TMesureLecture mesure;
    etape(c.noeuds, c.pli, c.escalier, c.depasse);
    const TEffetsLecture effets = mesure.fin();
    const int32_t calcule[5] = {compteurnoeuds, compteurnoeudslecture, compteurnoeudsprise, profmaxrecu,
                                noeudsescalier};
    const uint8_t depassecalcule = depassementprise;
    depart();
    effets.rejoue();
    const int32_t rejoue[5] = {compteurnoeuds, compteurnoeudslecture, compteurnoeudsprise, profmaxrecu,
                               noeudsescalier};
    for (int32_t k = 0; k < 5; ++k) EXPECT_EQ(rejoue[k], calcule[k]) << c.nom << ", counter " << k;
    EXPECT_EQ(depassementprise, depassecalcule) << c.nom;
  }
}

TEST(Empreinte, ReplaySetsTheLostChainFlagOnlyWhenTheStepSetIt) {
  const Restaure<uint8_t> garde(flagrelie);
  struct Cas {
    const char* nom;
    uint8_t avant;  // the flag when the step ran
    bool pose;      // the step sets it
    uint8_t attendu;  // the flag after a replay from a clear flag
  } cas[] = {{"set by the step", 0, true, 1}, {"already set, untouched", 1, false, 0}, {"never set", 0, false, 0}};
  for (const Cas& c : cas) {
    flagrelie = c.avant;
    TMesureLecture mesure;
    if (c.pose) flagrelie = 1;
    const TEffetsLecture effets = mesure.fin();
    flagrelie = 0;
    effets.rejoue();
    EXPECT_EQ(flagrelie, c.attendu) << c.nom;
  }
}

}  // namespace
