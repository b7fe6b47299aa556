// Small routines of the move search: zones around the line and a chain, the
// liberties of two-liberty chains, the attack points, the safe fallback
// point, the end-phase test and the joseki decision.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "engine/board/etat.h"
#include "engine/choice/soutienrecherche.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

using Points = std::set<std::pair<int, int>>;

Points ensemble(const TListePoints& l) {
  Points s;
  for (int32_t k = 1; k <= nbpoints(l); ++k) s.insert({ligneliste(l, k), colonneliste(l, k)});
  return s;
}
bool sansdoublon(const TListePoints& l) { return ensemble(l).size() == static_cast<size_t>(nbpoints(l)); }

TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  casesinterdites.fill(0);
  pionsmortssauves.fill(0);
  return p;
}

// ---- premierecaselibresure -----------------------------------------------------------

TEST(PremiereCaseLibreSure, TakesTheFirstEmptyPointAwayFromAtariAndKo) {
  // (1,3) is next to the white stone in atari at (1,2); (1,4) is forbidden by ko.
  TPlateau p = pose("XO...\nXX...\n.....\n.....\n.....\n");
  casesinterdites[indexcase(1, 4)] = 1;
  TPoint sortie{};
  fixture::verifieinchange(p, [&] { premierecaselibresure(sortie, p); });
  EXPECT_EQ(sortie.ligne, 1);
  EXPECT_EQ(sortie.colonne, 5);
}

TEST(PremiereCaseLibreSure, EveryPointTouchingAtariLeavesTheOutputAlone) {
  // Both empty points touch a white chain in atari.
  TPlateau p = pose(".OXXX\nOXXXX\nXXXXX\nXXXXO\nXXXO.\n");
  TPoint sortie{7, 7};
  premierecaselibresure(sortie, p);
  EXPECT_EQ(sortie.ligne, 7);
  EXPECT_EQ(sortie.colonne, 7);
}

// ---- testfindepartie -----------------------------------------------------------------

TEST(TestFinDePartie, PhaseFromOpeningMoveCountAndBestValue) {
  pose(".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  TCarte carte;
  struct Cas {
    uint8_t debut;
    int32_t coup;
    int32_t valeur;  // every point of the map
    uint8_t attendu;
  };
  const Cas cas[] = {
      {1, 50, -5000, 0},  // the opening: never the end phase
      {0, 21, 100, 1},    // 81 / 4 = 20 moves passed: the map is not read
      {0, 20, 20, 0},     // best value at the threshold
      {0, 20, 19, 1},     // below it
      {0, 20, -5000, 1},  // all below -1000: the best stays -1000
  };
  for (const Cas& c : cas) {
    debutpartie = c.debut;
    numerocoup = c.coup;
    carte.fill(c.valeur);
    phasefinale = 7;
    testfindepartie(20, plateaumoteur, carte);
    EXPECT_EQ(phasefinale, c.attendu) << "debut " << int(c.debut) << " coup " << c.coup << " valeur " << c.valeur;
  }
  debutpartie = 0;
}

// ---- decidecoupjoseki -----------------------------------------------------------------

TEST(DecideCoupJoseki, OnlyAJosekiPointOfTheOpening) {
  pose(".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  struct Cas {
    uint8_t phase, bits, passe, territoire, attendu;
  };
  const Cas cas[] = {
      {1, 0x01, 0, VIDE, 1},   // a suggestion
      {1, 0x05, 0, VIDE, 0},   // a suggestion of a reduced region is not decided
      {1, 0x11, 0, VIDE, 1},   // a corner bit does not refuse it
      {0, 0x01, 0, VIDE, 0},   // the opening phase is over
      {1, 0x01, 1, NOIR, 0},   // the opponent passed, the point is the mover's
      {1, 0x01, 1, BLANC, 1},  // the opponent passed, the point is not the mover's
  };
  couleurdemandee = NOIR;
  for (const Cas& c : cas) {
    coupdecide = 0;
    phasedebut = c.phase;
    passesconsecutives = c.passe;
    suggestionsjoseki.fill(0);
    suggestionsjoseki[indexcase(3, 3)] = c.bits;
    territoire[indexcase(3, 3)] = c.territoire;
    decidecoupjoseki(3, 3);
    EXPECT_EQ(coupdecide, c.attendu) << "bits " << int(c.bits);
  }
  coupdecide = 0;
  passesconsecutives = 0;
}

// ---- marquezoneautour ----------------------------------------------------------------

TEST(MarqueZoneAutour, WindowsAroundTheLineWithTheLibertiesOfTheChainsBeside) {
  // White (3,4)-(3,5)-(3,6) stands next to the move at (4,4).
  TPlateau p = pose(".........\n.........\n...OOO...\n...X.....\n.........\n.........\n.........\n.........\n.........\n");
  pionsmortssauves[indexcase(9, 9)] = 1;
  TCheminCoups chemin;
  chemin.nombre = 2;
  chemin.coups[1].coup = TPoint{4, 4};
  chemin.coups[2].coup = TPoint{8, 8};
  marquezoneautour(p, chemin, 1, 1);
  EXPECT_TRUE(fixture::memesmarques(pionsmortssauves, zonemarquee)) << "depth 1 marks nothing";
  marquezoneautour(p, chemin, 2, 1);
  EXPECT_TRUE(fixture::memesgrilles(
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 1 1 1 0 0 0\n"
      " 0 0 1 1 1 0 1 0 0\n"
      " 0 0 1 1 1 1 0 0 0\n"
      " 0 0 1 1 1 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 1\n",
      fixture::grille(zonemarquee, 9)));
  // A pass on the line adds nothing.
  chemin.coups[1].coup = TPoint{};
  marquezoneautour(p, chemin, 2, 1);
  EXPECT_TRUE(fixture::memesmarques(pionsmortssauves, zonemarquee));
}

// ---- zoneautourchaine ----------------------------------------------------------------

TEST(ZoneAutourChaine, CornerChainStopsWhenTheWindowSpansTheBoard) {
  // One black stone in the corner next to a white stone: few liberties around.
  TPlateau p = pose("XO...\n.....\n.....\n.....\n.....\n");
  TListePoints l{};
  l[0] = 0;
  empilepoint(l, 300, 1, 3);  // already listed: stays once
  uint8_t flag = 0;
  fixture::verifieinchange(p, [&] { zoneautourchaine(p, 4, 1, 1, 1, 0, l, flag); });
  EXPECT_TRUE(sansdoublon(l));
  EXPECT_EQ(ensemble(l), (Points{{1, 3}, {2, 2}, {2, 1}}));
}

TEST(ZoneAutourChaine, StopsAfterTheRingThatPassesFourPoints) {
  // White stones around the chain: the first ring gathers more than 4; the
  // white stone of row 7 would only be read by the third.
  TPlateau p = pose(".........\n.........\n...OXO...\n....X....\n...O.O...\n.........\n....O....\n.........\n.........\n");
  TListePoints l{};
  uint8_t flag = 0;
  zoneautourchaine(p, 4, 4, 5, 1, 0, l, flag);
  EXPECT_TRUE(sansdoublon(l));
  EXPECT_GT(nbpoints(l), 4);
  // Nothing beyond the first ring (rows 2..6): the stones at distance 2 are not read.
  for (const auto& [r, c] : ensemble(l)) EXPECT_TRUE(r >= 2 && r <= 6) << r << "," << c;
}

// ---- listelibertesadeuxlib -----------------------------------------------------------

TEST(ListeLibertesADeuxLib, EachLibertyOnceAndTheDeadLeftOut) {
  // A = (2,2) black, two liberties, next to B = (2,3) white; the white
  // chain (3,2)-(4,2) next to A has two liberties too.
  TPlateau p = pose("XX...\nXXO..\nXO...\nXO...\n.X...\n");
  TListePoints l{};
  TMarques marques{};
  fixture::verifieinchange(p, [&] { listelibertesadeuxlib(0, marques, p, l, 300, 2, 2, 2, 3); });
  EXPECT_TRUE(sansdoublon(l));
  EXPECT_EQ(ensemble(l), (Points{{1, 3}, {5, 1}, {3, 3}, {4, 3}}));
  // Again with the same marks: nothing new.
  listelibertesadeuxlib(0, marques, p, l, 300, 2, 2, 2, 3);
  EXPECT_EQ(nbpoints(l), 4);
  // The other colour's chain marked dead gives nothing; the flag skips it too.
  for (const uint8_t drapeau : {0, 1}) {
    TListePoints l2{};
    TMarques m2{};
    if (drapeau == 0) pionsmorts[indexcase(3, 2)] = 1;
    listelibertesadeuxlib(drapeau, m2, p, l2, 300, 2, 2, 2, 3);
    EXPECT_EQ(ensemble(l2), (Points{{1, 3}, {5, 1}})) << int(drapeau);
    pionsmorts.fill(0);
  }
  // An empty A: nothing.
  TListePoints l3{};
  TMarques m3{};
  listelibertesadeuxlib(0, m3, p, l3, 300, 5, 5, 2, 3);
  EXPECT_EQ(nbpoints(l3), 0);
}

// ---- coupdattaque --------------------------------------------------------------------

TEST(CoupDAttaque, KillsInTheOpponentsAreaAndAreasAroundTheOpponents) {
  TPlateau p = pose(".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  const auto a = std::make_unique<fixture::AnalyseRacine>();
  TCarte &fmj = a->joueur.faitmort, &fmo = a->ordi.faitmort, &fj = a->joueur.fourchette, &fo = a->ordi.fourchette;
  TMarques &ttordi = a->ordi.tues, &ttjoueur = a->joueur.tues;
  TMarques sortieordi, sortiejoueur;
  // An engine kill in the opponent's area, one outside it without a fork, one at a fork.
  fmo[indexcase(2, 2)] = 30;
  ttordi[indexcase(2, 2)] = 1;
  territoire[indexcase(2, 2)] = BLANC;
  fmo[indexcase(2, 5)] = 30;
  ttordi[indexcase(2, 5)] = 1;
  fmo[indexcase(2, 8)] = 30;
  ttordi[indexcase(2, 8)] = 1;
  fo[indexcase(2, 8)] = 1;
  // An opponent fork in the middle; an opponent kill in the engine's area,
  // and one there without its kill mark.
  fj[indexcase(7, 7)] = 1;
  for (const int32_t i : {indexcase(4, 4), indexcase(8, 2)}) {
    fmj[i] = 30;
    territoire[i] = NOIR;
  }
  ttjoueur[indexcase(4, 4)] = 1;
  TListePoints l{};
  empilepoint(l, 361, 2, 8);  // already listed
  coupdattaque(fixture::cartesanalyse(*a, a->ordi), fixture::cartesanalyse(*a, a->joueur), NOIR, BLANC, l, p,
               sortieordi, sortiejoueur);
  EXPECT_TRUE(sansdoublon(l));
  const Points vus = ensemble(l);
  EXPECT_TRUE(vus.count({2, 2}));
  EXPECT_FALSE(vus.count({2, 5}));
  EXPECT_EQ(nbpoints(l), 2 + 9 + 9);  // (2,8) listed once, the 3x3 blocks around (7,7) and (4,4)
  EXPECT_EQ(sortieordi[indexcase(2, 2)], 1);
  EXPECT_EQ(sortieordi[indexcase(2, 8)], 1);
  EXPECT_EQ(sortieordi[indexcase(2, 5)], 0);
  EXPECT_EQ(sortiejoueur[indexcase(7, 7)], 1);
  EXPECT_EQ(sortiejoueur[indexcase(4, 4)], 1);
  EXPECT_EQ(sortiejoueur[indexcase(8, 2)], 0);
  territoire.fill(VIDE);
}

}  // namespace
