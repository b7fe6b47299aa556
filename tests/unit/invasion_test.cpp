// Invasion zones, weighted liberties and the bamboo-joint and monkey-jump shapes.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/connection/lienvivant.h"
#include "engine/territory/invasion.h"
#include "tests/support/fixture.h"

namespace {

class Invasion : public ::testing::Test {
 protected:
  void SetUp() override {
    pionsmortssauves.fill(0);
    casescandidatesjoueur.fill(0);
    maxsurvie = 0;
    coupdecide = 0;
    phasedebut = 1;
    passesconsecutives = 0;
    numerocoup = 30;
    flagterritoire = 0;
    compteurinvasions = 0;
    for (auto& ligne : essaisjoueur)
      for (auto& e : ligne) {
        e.plateauessai2.fill(0);
        e.carte1essai.fill(0);
      }
  }
  void TearDown() override {
    pionsmortssauves.fill(0);
    casescandidatesjoueur.fill(0);
    pionsmorts.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
};

TEST_F(Invasion, ZoneGrowsAlongTheEdgeOnly) {
  const TPlateau p = fixture::posemoteur(
      ".........\n"
      "...X.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  territoire[indexcase(2, 2)] = BLANC;
  pionsmortssauves[indexcase(8, 8)] = 3;
  TMarques zone;
  zoneinvasion(zone, p, BLANC, 0, NOIR);
  TMarques attendu{};
  attendu[indexcase(2, 2)] = 1;
  attendu[indexcase(8, 8)] = 3;
  EXPECT_EQ(zone, attendu);
  // Two steps over the three-line band; the black stone blocks (2, 3).
  zoneinvasion(zone, p, BLANC, 2, NOIR);
  EXPECT_TRUE(fixture::memesgrilles(
      "1 1 1 0 0 0 0 0 0\n1 1 0 0 0 0 0 0 0\n1 1 1 0 0 0 0 0 0\n0 1 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n"
      "0 0 0 0 0 0 0 1 0\n0 0 0 0 0 0 1 1 1\n0 0 0 0 0 1 1 3 1\n0 0 0 0 0 0 1 1 1\n",
      fixture::grille(zone, 9)));
}

TEST_F(Invasion, ZoneClosesPointsBetweenTwoMarks) {
  std::string d;
  for (int r = 0; r < 13; ++r) d += ".............\n";
  const TPlateau q = fixture::posemoteur(d);
  territoire2[indexcase(7, 7)] = BLANC;
  territoire[indexcase(6, 8)] = BLANC;
  TMarques zone;
  zoneinvasion(zone, q, BLANC, 3, NOIR);  // inside the board: no growth
  TMarques attendu{};
  for (auto [r, c] : {std::pair{7, 7}, {6, 8}, {6, 7}, {7, 8}}) attendu[indexcase(r, c)] = 1;
  EXPECT_EQ(zone, attendu);
}

TEST_F(Invasion, WeightedLiberties) {
  const TPlateau p = fixture::posemoteur(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....XX...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  TMarques zone;
  zone.fill(1);
  territoire[indexcase(5, 5)] = NOIR;   // the point: 3
  territoire2[indexcase(4, 5)] = NOIR;  // a liberty: 2
  territoire[indexcase(6, 6)] = BLANC;  // another colour's: 1
  // 3 + 2 + five liberties of 1.
  EXPECT_EQ(libertesponderees(p, zone, NOIR, 5, 5), 10);
  // For white: the point and (4, 5) weigh 1, (6, 6) 3, the other four 1.
  EXPECT_EQ(libertesponderees(p, zone, BLANC, 5, 5), 1 + 1 + 3 + 4);
  // The walk follows the chain of the colour asked: white stones and white
  // weights mirror the black count; black's chain is not white's.
  TPlateau q = p;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (q[j] == NOIR) q[j] = BLANC;
  territoire[indexcase(5, 5)] = BLANC;
  territoire2[indexcase(4, 5)] = BLANC;
  territoire[indexcase(6, 6)] = NOIR;
  EXPECT_EQ(libertesponderees(q, zone, BLANC, 5, 5, BLANC), 10);
  EXPECT_EQ(libertesponderees(q, zone, BLANC, 5, 5, NOIR), 3 + 2 + 1 + 1);  // the stone (5, 6) ends the walk
  territoire[indexcase(5, 5)] = NOIR;
  territoire2[indexcase(4, 5)] = NOIR;
  territoire[indexcase(6, 6)] = BLANC;
  zone[indexcase(5, 7)] = 0;
  EXPECT_EQ(libertesponderees(p, zone, NOIR, 5, 5), 3);  // an unmarked liberty: the point alone
  zone[indexcase(5, 5)] = 0;
  EXPECT_EQ(libertesponderees(p, zone, NOIR, 5, 5), 0);
}

TEST_F(Invasion, WeightedLibertyValue) {
  struct Cas {
    const char* nom;
    const char* d;
    int ligne, colonne;
    uint8_t couleur;
    int32_t attendu;
  } cas[] = {
      {"lone stone in the band: 2 x 5 x 5 / 8", "..........\n", 3, 3, NOIR, 6},
      {"lone stone inside: 1 x 5 x 5 / 8", "..........\n", 5, 5, NOIR, 3},
      {"linked to its neighbour: 2 x 7 x 5 / 2", "..XX......\n", 3, 3, NOIR, 35},
      {"white stone: a white neighbour ends the walk, 2 x 1 x 5 / 2", "..OO......\n", 3, 3, BLANC, 5},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    // The diagram's line goes on row 3 of an empty 9x9 board.
    std::string d;
    for (int r = 1; r <= 9; ++r) d += r == 3 ? std::string(k.d).substr(0, 9) + "\n" : ".........\n";
    TPlateau p = fixture::posemoteur(d);
    if (k.ligne == 5) {
      p[indexcase(5, 5)] = NOIR;
      calculelibertes(p);
    }
    fixture::verifieinchange(p, [&] {
      EXPECT_EQ(valeurlibertesponderee(p, k.couleur, k.colonne, k.ligne, static_cast<uint8_t>(1 - k.couleur),
                                       marquesvides),
                k.attendu);
    });
  }
}

// White at (3, 5) with a bamboo joint from the first-line point (1, 5);
// white owns (1, 5), which black alone may try.
constexpr const char* BAMBOU = ".........\n.........\n....O....\n.........\n.........\n.........\n.........\n"
                               ".........\n.........\n";
constexpr const char* BAMBOUSERRE = "...O.O...\n.........\n....O....\n.........\n.........\n.........\n"
                                    ".........\n.........\n.........\n";

TEST_F(Invasion, BambooJoint) {
  struct Cas {
    const char* nom;
    const char* d;
    // Every point of the window (1..2, 4..6) K marks gets band 4 x v x 5 / divisor.
    int32_t attendu;
    std::vector<std::pair<int, int>> points;
  } cas[] = {
      // The tried stone has three liberties and is linked by the jump: divisor 2,
      // v = 3 for the owned point + three liberties of 1.
      {"linked: divisor 2", BAMBOU, 60, {{1, 4}, {1, 5}, {1, 6}, {2, 4}, {2, 5}, {2, 6}}},
      // White beside the point: one liberty, not linked; v = 3 alone (the white
      // stone is outside the zone); the stones are not tried.
      {"in atari: divisor 8", BAMBOUSERRE, 7, {{1, 5}, {2, 4}, {2, 5}, {2, 6}}},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.d);
    territoire[indexcase(1, 5)] = BLANC;
    casescandidatesjoueur[indexcase(1, 5)] = 1;
    TListePoints liste;
    liste[0] = 0;
    TCarte scores;
    scores.fill(-1);
    fixture::verifieinchange(p, [&] {
      invasionsingebambou(marquesvides, NOIR, BLANC, liste, MAXPOINTSLISTE, scores, p, &TEssaiCoup::plateauessai2,
                          &TEssaiCoup::plateauessai2);
    });
    TCarte attendu{};
    for (auto [r, c] : k.points) attendu[indexcase(r, c)] = k.attendu;
    EXPECT_EQ(scores, attendu) << fixture::grille(scores, 9);
    EXPECT_EQ(nbpoints(liste), static_cast<int32_t>(k.points.size()));
  }
}

TEST_F(Invasion, BambooWindowKeepsToFreePoints) {
  TPlateau p = fixture::posemoteur(BAMBOU);
  territoire[indexcase(1, 5)] = BLANC;
  casescandidatesjoueur[indexcase(1, 5)] = 1;
  TMarques dejazone{};
  dejazone[indexcase(2, 4)] = 1;                  // marked by the caller
  essaijoueur(2, 6).plateauessai2[indexcase(2, 6)] = 1;  // the trial stone dies: not free
  TListePoints liste;
  liste[0] = 0;
  TCarte scores;
  invasionsingebambou(dejazone, NOIR, BLANC, liste, MAXPOINTSLISTE, scores, p, &TEssaiCoup::plateauessai2,
                      &TEssaiCoup::plateauessai2);
  EXPECT_EQ(scores[indexcase(2, 4)], 0);
  EXPECT_EQ(scores[indexcase(2, 6)], 0);
  EXPECT_EQ(scores[indexcase(2, 5)], 60);
  // The trial dead map of the point marks the white stone: no live chain to join.
  essaijoueur(1, 5).plateauessai2[indexcase(3, 5)] = 1;
  invasionsingebambou(marquesvides, NOIR, BLANC, liste, MAXPOINTSLISTE, scores, p, &TEssaiCoup::plateauessai2,
                      &TEssaiCoup::plateauessai2);
  EXPECT_EQ(scores, TCarte{});
}

TEST_F(Invasion, TrialStonesPutBackWhatStoodThere) {
  // A dead black stone saved in pionsmortssauves lies in the window: white is
  // tried there and the black stone comes back, not an empty point.
  TPlateau p = fixture::posemoteur(
      "...X.....\n"
      ".........\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  territoire[indexcase(1, 5)] = BLANC;
  casescandidatesjoueur[indexcase(1, 5)] = 1;
  pionsmortssauves[indexcase(1, 4)] = 1;
  TListePoints liste;
  liste[0] = 0;
  TCarte scores;
  fixture::verifieinchange(p, [&] {
    invasionsingebambou(marquesvides, NOIR, BLANC, liste, MAXPOINTSLISTE, scores, p, &TEssaiCoup::plateauessai2,
                        &TEssaiCoup::plateauessai2);
  });
  EXPECT_GT(scores[indexcase(1, 4)], 0);
}

TEST_F(Invasion, NothingOutsideTheOpeningConditions) {
  TPlateau p = fixture::posemoteur(BAMBOU);
  territoire[indexcase(1, 5)] = BLANC;
  casescandidatesjoueur[indexcase(1, 5)] = 1;
  struct Cas {
    const char* nom;
    void (*pose)();
  } cas[] = {
      {"move 4", [] { numerocoup = 4; }},
      {"after a pass", [] { passesconsecutives = 1; }},
      {"a move is decided", [] { coupdecide = 1; }},
      {"outside the opening phase", [] { phasedebut = 0; }},
      {"a survival value of 3", [] { maxsurvie = 3; }},
      {"territory flag 3", [] { flagterritoire = 3; }},
      {"an invasion already", [] { compteurinvasions = 1; }},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    SetUp();
    k.pose();
    TListePoints liste;
    liste[0] = 0;
    TCarte scores;
    scores.fill(9);
    invasionsingebambou(marquesvides, NOIR, BLANC, liste, MAXPOINTSLISTE, scores, p, &TEssaiCoup::plateauessai2,
                        &TEssaiCoup::plateauessai2);
    EXPECT_EQ(scores, TCarte{});
    EXPECT_EQ(nbpoints(liste), 0);
  }
}

}  // namespace

namespace {

// White's second-line stone (2, 8) reaches the first-line point (1, 5) by a
// large knight's move: a monkey jump into the area white claims.
constexpr const char* SINGE = ".........\n.......O.\n.........\n.........\n.........\n.........\n.........\n"
                              ".........\n.........\n";

constexpr const char* COIN = ".OO......\n...O.....\n.........\n.........\n.........\n.........\n.........\n"
                             ".........\n.........\n";

TEST_F(Invasion, MonkeyJump) {
  struct Cas {
    const char* nom;
    const char* d;
    std::pair<int, int> saut;
    std::vector<std::pair<int, int>> points;  // every one scored 4 x v x 5 / 2
  } cas[] = {
      // v = 3 for the owned point + its three liberties in the zone; the window
      // (1..3, 3..7) is scored but for (1, 6), a small knight from (2, 8).
      {"a jump along the edge scores its window",
       SINGE,
       {1, 5},
       {{1, 3}, {1, 4}, {1, 5}, {1, 7}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 7}, {3, 3}, {3, 4}, {3, 5}, {3, 6},
        {3, 7}}},
      // A stone at (1, 1) would join (1, 2)-(1, 3) and reach (2, 4) by the
      // same pattern (below), but a corner is never a jump point.
      {"never from a corner", COIN, {1, 1}, {}},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.d);
    const int32_t j = indexcase(k.saut.first, k.saut.second);
    territoire[j] = BLANC;
    casescandidatesjoueur.fill(0);
    casescandidatesjoueur[j] = 1;
    TListePoints liste;
    liste[0] = 0;
    TCarte scores;
    fixture::verifieinchange(p, [&] {
      invasionsingebambou(marquesvides, NOIR, BLANC, liste, MAXPOINTSLISTE, scores, p, &TEssaiCoup::plateauessai2,
                          &TEssaiCoup::plateauessai2);
    });
    TCarte attendu{};
    for (auto [r, c] : k.points) attendu[indexcase(r, c)] = 4 * 6 * 5 / 2;
    EXPECT_EQ(scores, attendu) << fixture::grille(scores, 9);
    EXPECT_EQ(nbpoints(liste), static_cast<int32_t>(k.points.size()));
  }
  // The corner stone would be linked.
  TPlateau p = fixture::posemoteur(COIN);
  p[indexcase(1, 1)] = BLANC;
  calculelibertes(p);
  EXPECT_TRUE(pionlieachainevivanteforme(p, 1, 1, BLANC, NOIR));
}

}  // namespace
