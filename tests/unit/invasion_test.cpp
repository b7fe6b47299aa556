// Invasion zones, weighted liberties and the bamboo-joint and monkey-jump shapes.
#include <gtest/gtest.h>

#include <algorithm>
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
  EXPECT_TRUE(fixture::memesmarques(attendu, zone));
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
  EXPECT_TRUE(fixture::memesmarques(attendu, zone));
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
  EXPECT_EQ(libertesponderees(p, zone, NOIR, 5, 5, NOIR), 10);
  // For white: the point and (4, 5) weigh 1, (6, 6) 3, the other four 1.
  EXPECT_EQ(libertesponderees(p, zone, BLANC, 5, 5, NOIR), 1 + 1 + 3 + 4);
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
  EXPECT_EQ(libertesponderees(p, zone, NOIR, 5, 5, NOIR), 3);  // an unmarked liberty: the point alone
  zone[indexcase(5, 5)] = 0;
  EXPECT_EQ(libertesponderees(p, zone, NOIR, 5, 5, NOIR), 0);
}

TEST_F(Invasion, WeightedLibertyValue) {
  TMarques partout;
  partout.fill(1);
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
      {"the same for white", "..OO......\n", 3, 3, BLANC, 35},
      {"an enemy stone outside the zone beside the chain: its point alone, 2 x 1 x 5 / 2", "..XXO.....\n", 3, 3,
       NOIR, 5},
      {"the same for white", "..OOX.....\n", 3, 3, BLANC, 5},
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
    TMarques zone = partout;
    for (int32_t j = 0; j < NBCASES; ++j)
      if (p[j] == 1 - k.couleur) zone[j] = 0;
    fixture::verifieinchange(p, [&] {
      EXPECT_EQ(valeurlibertesponderee(p, zone, k.couleur, k.colonne, k.ligne, static_cast<uint8_t>(1 - k.couleur)),
                k.attendu);
    });
  }
}

// A stone that joins a long wall of its own along the edge, its territory
// behind: with the other side's invasion zone as the zone, the wall's many
// liberties in its own territory are not counted; a stone inside the other
// side's zone counts its liberties there.
TEST_F(Invasion, WeightedLibertyValueKeepsToTheZone) {
  struct Cas {
    const char* nom;
    uint8_t moi;
    const char* d;
  } cas[] = {
      {"black",
       NOIR,
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       "XXXXXX.O.\n"
       "........O\n"
       ".......O.\n"
       "........."},
      {"white",
       BLANC,
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       "OOOOOO.X.\n"
       "........X\n"
       ".......X.\n"
       "........."},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const uint8_t lui = static_cast<uint8_t>(1 - k.moi);
    TPlateau p = fixture::posemoteur(k.d);
    // Rows 7 to 9, columns 1 to 6 belong to the wall's side; the corner
    // beyond (7, 7) to the other side.
    for (int r = 7; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (p[indexcase(r, c)] == VIDE) territoire[indexcase(r, c)] = c <= 6 ? k.moi : lui;
    TMarques zone;
    zoneinvasion(zone, p, lui, 1, k.moi);
    // (6, 7) joins the wall: outside the other side's zone, nothing.
    p[indexcase(6, 7)] = k.moi;
    calculelibertes(p);
    ASSERT_TRUE(estlieachainevivanteavecmorts(pionsmorts, p, 6, 7, k.moi, lui));
    EXPECT_EQ(valeurlibertesponderee(p, zone, k.moi, 7, 6, lui), 0);
    // The whole board as zone: the wall's six liberties in its own
    // territory (3 each) and eight others (1 each) would make it the largest
    // value on the board.
    TMarques partout;
    partout.fill(1);
    EXPECT_EQ(valeurlibertesponderee(p, partout, k.moi, 7, 6, lui), 2 * (1 + 6 * 3 + 8) * 5 / 2);
    // A stone in the other side's corner: its point and two liberties in
    // the zone, not linked.
    p[indexcase(6, 7)] = VIDE;
    p[indexcase(9, 9)] = k.moi;
    calculelibertes(p);
    EXPECT_EQ(valeurlibertesponderee(p, zone, k.moi, 9, 9, lui), 2 * 3 * 5 / 8);
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

namespace {

// A game position, white to move after black's (3, 5): white's wall on row 2
// and the first line behind it. A white stone on row 1 joins the wall, whose
// liberties lie in white's own area; the invasion-defence map once gave those
// points its largest values (60), and white played (1, 3), (1, 5), (1, 7),
// (1, 9) in turn. Colour-swapped, the maps are the same.
constexpr const char* MUR =
    ".........\n"
    ".O.O.O.O.\n"
    "..O.XXO..\n"
    ".XXX.XO..\n"
    "....XXXX.\n"
    "...O.O...\n"
    ".XO.O.X..\n"
    ".X.O.....\n"
    ".........\n";

TEST(InvasionDefense, JoiningOwnWallOnTheFirstLineIsNotTheLargestValue) {
  TMarques cartes[2];
  for (int k = 0; k < 2; ++k) {
    std::string d = MUR;
    if (k == 1)
      for (char& ch : d) ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch;
    const uint8_t trait = k == 0 ? BLANC : NOIR;
    SCOPED_TRACE(trait == BLANC ? "white" : "black");
    const fixture::AnalyseRacine& a =
        fixture::analysemoteur(d, {.trait = trait, .niveau = 1, .dernier = {3, 5}, .komi = 0});
    cartes[k] = a.ordi.invasiondefense;
    const uint8_t plus = *std::max_element(cartes[k].begin(), cartes[k].end());
    for (int c = 1; c <= 9; ++c) EXPECT_LT(cartes[k][indexcase(1, c)], plus) << fixture::grille(cartes[k], 9);
  }
  EXPECT_TRUE(fixture::memesmarques(cartes[1], cartes[0], 9));
}

}  // namespace
