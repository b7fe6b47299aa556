// Territory attack, timing and moyo maps of the trials: records set by hand
// on a small board, the three maps before and after.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/proposals/temporisation.h"
#include "engine/territory/moyo.h"
#include "tests/support/fixture.h"

namespace {

constexpr const char* VIDE9 =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

// The engine (black) on an empty 9x9 board, no candidates, clean records.
void pose() {
  TPlateau p = fixture::posemoteur(VIDE9);
  plateaudepart = p;
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  casescandidates = marquesvides;
  casescandidatesjoueur = marquesvides;
  pionsmortsbis = marquesvides;
  territoire4.fill(VIDE);
  flagcoupure = 0;
  maxgainmoyo = 0;
  for (auto& ligne : essaisordi)
    for (TEssaiCoup& e : ligne) e = TEssaiCoup{};
}

struct Temps {
  TCarte fourchette{}, force{}, coupure{};
  void lance() { temporisation(fourchette, force, coupure); }
};

TEST(Temporisation, ForkAndForcingShareTheLargerValue) {
  struct Cas {
    int32_t f, g, f2, g2;
  };
  // 10/3 -> 5/5; an odd 7 leaves the larger half in the fork; a zero side stays.
  const Cas cas[] = {{10, 3, 5, 5}, {3, 7, 4, 3}, {0, 8, 0, 8}, {6, 0, 6, 0}};
  for (const Cas& k : cas) {
    pose();
    const int32_t p = indexcase(3, 4);
    casescandidates[p] = 1;
    Temps t;
    t.fourchette[p] = k.f;
    t.force[p] = k.g;
    t.lance();
    EXPECT_EQ(t.fourchette[p], k.f2) << k.f << "/" << k.g;
    EXPECT_EQ(t.force[p], k.g2) << k.f << "/" << k.g;
  }
  // Not a candidate: untouched.
  pose();
  Temps t;
  t.fourchette[indexcase(3, 4)] = 10;
  t.force[indexcase(3, 4)] = 3;
  t.lance();
  EXPECT_EQ(t.fourchette[indexcase(3, 4)], 10);
  EXPECT_EQ(t.force[indexcase(3, 4)], 3);
}

TEST(Temporisation, DangerousCutWaitsOnlyUnderTheGates) {
  struct Cas {
    const char* nom;
    int32_t flag, maxi, sauves;
    bool bit;
    int32_t attendu;
  };
  const Cas cas[] = {
      {"all gates hold: 19 div 10", 5, 4, 1, true, 1},
      {"no dangerous cut this turn", 0, 4, 1, true, 19},
      {"best trial below 3", 5, 2, 0, true, 19},
      {"the cut is not flagged on its record", 5, 4, 1, false, 19},
      {"the trial saves nearly the best", 5, 4, 3, true, 19},
  };
  for (const Cas& k : cas) {
    pose();
    const int32_t p = indexcase(5, 5);
    casescandidates[p] = 1;
    flagcoupure = k.flag;
    maxgainmoyo = k.maxi;
    TEssaiCoup& e = essaiordi(5, 5);
    e.compteur2essai = k.sauves;
    if (k.bit) e.liensessai[p] = 0x100;
    Temps t;
    t.coupure[p] = 19;
    t.lance();
    EXPECT_EQ(t.coupure[p], k.attendu) << k.nom;
  }
}

// A candidate at (5,5) whose trial takes the white stone (2,2) inside white's
// territory, saves the dead black stone (7,7) and leaves (2,3) on black's side.
void attaque(bool sauve) {
  pose();
  const int32_t p = indexcase(5, 5), w = indexcase(2, 2), x = indexcase(7, 7), v = indexcase(2, 3);
  plateaudepart[w] = BLANC;
  plateaudepart[x] = NOIR;
  territoire[w] = BLANC;
  territoire[v] = BLANC;
  pionsmortsbis[x] = 1;
  casescandidates[p] = 1;
  TEssaiCoup& e = essaiordi(5, 5);
  e.compteur2essai = 1;
  e.gainmoyoordi = 1;
  e.plateauessai = plateaudepart;
  e.plateauessai[p] = NOIR;
  e.plateauessai[w] = VIDE;
  e.carte1essai.fill(VIDE);
  e.carte1essai[v] = NOIR;
  e.carte2essai = marquesvides;
  if (!sauve) e.carte2essai[x] = 1;
  e.marquesessai[x] = 1;
}

TEST(AttaqueTerritoire, AddsWhatTheForkLacks) {
  // (1 taken + 1 saved) x 20 + 2 x 10 = 60.
  struct Cas {
    int32_t fourchette, ajout;
  };
  for (const Cas& k : {Cas{40, 20}, Cas{60, 0}, Cas{80, 0}, Cas{0, 60}}) {
    attaque(true);
    TCarte fourchette{}, faitmort{};
    fourchette[indexcase(5, 5)] = k.fourchette;
    faitmort[indexcase(5, 5)] = 7;
    attaqueterritoireordi(fourchette, faitmort);
    EXPECT_EQ(faitmort[indexcase(5, 5)], 7 + k.ajout) << k.fourchette;
    EXPECT_EQ(fourchette[indexcase(5, 5)], k.fourchette);
  }
}

TEST(AttaqueTerritoire, NoSavedStoneNoValue) {
  attaque(false);
  TCarte fourchette{}, faitmort{};
  attaqueterritoireordi(fourchette, faitmort);
  EXPECT_EQ(faitmort, TCarte{});
}

TEST(AttaqueTerritoire, GatesOfTheRecordCounters) {
  attaque(true);
  essaiordi(5, 5).compteur2essai = 0;
  TCarte fourchette{}, faitmort{};
  attaqueterritoireordi(fourchette, faitmort);
  EXPECT_EQ(faitmort, TCarte{});
  attaque(true);
  essaiordi(5, 5).gainmoyoordi = 0;
  attaqueterritoireordi(fourchette, faitmort);
  EXPECT_EQ(faitmort, TCarte{});
  essaiordi(5, 5).compteur4essai = 1;  // the territory counter opens the gate too
  attaqueterritoireordi(fourchette, faitmort);
  EXPECT_EQ(faitmort[indexcase(5, 5)], 60);
}

TEST(GainMoyoEssais, CandidatesGetTheirTrialMoyoOthersThePosition) {
  pose();
  const TPlateau d = fixture::diagramme(
                         ".........\n"
                         ".XX......\n"
                         ".X.......\n"
                         ".........\n"
                         ".........\n"
                         ".........\n"
                         "......O..\n"
                         ".....OO..\n"
                         ".........")
                         .plateau;
  plateaudepart = d;
  const int32_t c = indexcase(3, 7);
  casescandidatesjoueur[c] = 1;
  TEssaiCoup& j = essaijoueur(3, 7);
  j.plateauessai = d;
  j.plateauessai[c] = BLANC;
  j.carte2essai = marquesvides;
  for (int32_t q : {indexcase(2, 2), indexcase(2, 3), indexcase(3, 2)}) j.carte2essai[q] = 1;  // black dies
  gainmoyoessais();
  TMarques attendu{};
  calculemoyo(d, attendu, pionsmortsbis);
  EXPECT_TRUE(fixture::memesmarques(attendu, cartemoyo));
  EXPECT_TRUE(fixture::memesmarques(attendu, essaiordi(3, 7).carteessaimoyo));  // not an engine candidate
  EXPECT_TRUE(fixture::memesmarques(attendu, essaijoueur(1, 1).carteessaimoyo));
  TMarques apres{};
  calculemoyo(j.plateauessai, apres, j.carte2essai);
  EXPECT_TRUE(fixture::memesmarques(apres, j.carteessaimoyo));
  EXPECT_NE(apres, attendu);
}

}  // namespace
