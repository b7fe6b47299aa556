// Opening zone of the last move, fuseki pick, nearby boosts and the side
// star points between two corners.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/listecoups.h"
#include "engine/opening/zonesouverture.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

std::string vide(int n) {
  std::string s;
  for (int l = 0; l < n; ++l) s += std::string(static_cast<std::size_t>(n), '.') + "\n";
  return s;
}

// A diagram of size n with the given stones.
std::string avec(int n, std::initializer_list<std::tuple<int, int, char>> pierres) {
  std::string s = vide(n);
  for (auto [l, c, v] : pierres) s[static_cast<std::size_t>((l - 1) * (n + 1) + (c - 1))] = v;
  return s;
}

std::string masque(const TMarques& m, int n) {
  std::string s;
  for (int l = 1; l <= n; ++l) {
    for (int c = 1; c <= n; ++c) s += static_cast<char>('0' + m[indexcase(l, c)]);
    s += "\n";
  }
  return s;
}

TEST(ZonesOuverture, NoZoneForAPassOrTheCentre) {
  const TPlateau p = fixture::posemoteur(avec(9, {{3, 3, 'X'}, {3, 4, 'O'}}));
  for (TPoint q : {TPoint{0, 0}, TPoint{5, 5}}) {
    TMarques zone = marquesvides;
    EXPECT_FALSE(testezonederniercoup(p, q.ligne, q.colonne, zone));
    EXPECT_TRUE(fixture::memesmarques(marquesvides, zone));
  }
}

TEST(ZonesOuverture, TheAreaOfTheLastMove) {
  couleurordi = NOIR;
  lesfaibles = marquesvides;
  // Both colours in the upper-left quadrant: its 5x5 area is the zone.
  TPlateau p = fixture::posemoteur(avec(9, {{3, 3, 'X'}, {3, 4, 'O'}}));
  plateaudepart = p;
  TMarques zone = marquesvides;
  EXPECT_TRUE(testezonederniercoup(p, 3, 4, zone));
  EXPECT_EQ(masque(zone, 9),
            "000001111\n000001111\n000001111\n000001111\n000001111\n"
            "111111111\n111111111\n111111111\n111111111\n");
  // A last move on the middle row: a half board.
  p = fixture::posemoteur(avec(9, {{5, 2, 'O'}, {8, 3, 'X'}}));
  plateaudepart = p;
  EXPECT_TRUE(testezonederniercoup(p, 5, 2, zone));
  EXPECT_EQ(masque(zone, 9),
            "000001111\n000001111\n000001111\n000001111\n000001111\n"
            "000001111\n000001111\n000001111\n000001111\n");
  // One colour only and no weak engine stone near: no zone.
  p = fixture::posemoteur(avec(9, {{7, 7, 'O'}}));
  plateaudepart = p;
  EXPECT_FALSE(testezonederniercoup(p, 7, 7, zone));
  EXPECT_TRUE(fixture::memesmarques(marquesvides, zone));
  // A weak engine stone within two of the last move is enough.
  p = fixture::posemoteur(avec(9, {{7, 7, 'O'}, {9, 9, 'X'}}));
  plateaudepart = p;
  lesfaibles[indexcase(9, 9)] = 1;
  p[indexcase(9, 9)] = VIDE;  // the test reads the position before the move
  EXPECT_TRUE(testezonederniercoup(p, 7, 7, zone));
  lesfaibles = marquesvides;
}

TEST(ZonesOuverture, FusekiPickWithinTheZone) {
  plateaumoteur = fixture::posemoteur(vide(19));
  komiforce = 0;
  candidatsfuseki = marquesvides;
  candidatsfuseki[indexcase(4, 4)] = 1;
  candidatsfuseki[indexcase(16, 16)] = 1;
  nbcandidatsfuseki = 2;
  TMarques zone = marquesvides;
  zone[indexcase(16, 16)] = 1;
  // One free candidate: taken without a draw.
  platform::fixegraine(77);
  TPoint choisi{};
  choisitpointfuseki(zone, choisi);
  EXPECT_EQ(choisi.ligne, 4);
  EXPECT_EQ(choisi.colonne, 4);
  EXPECT_EQ(platform::graine(), 77u);
  // A marked stone is never drawn.
  plateaumoteur[indexcase(4, 4)] = NOIR;
  choisi = {};
  choisitpointfuseki(zone, choisi);
  EXPECT_EQ(choisi.ligne, 0);
  plateaumoteur[indexcase(4, 4)] = VIDE;
  // None free, or the komi code set: nothing.
  zone[indexcase(4, 4)] = 1;
  choisi = {};
  choisitpointfuseki(zone, choisi);
  EXPECT_EQ(choisi.ligne, 0);
  komiforce = 1;
  choisitpointfuseki(marquesvides, choisi);
  EXPECT_EQ(choisi.ligne, 0);
  komiforce = 0;
  nbcandidatsfuseki = 0;
  candidatsfuseki = marquesvides;
}

TEST(ZonesOuverture, NearbyBoostsOfSurvivalAndReinforcement) {
  fixture::posemoteur(vide(9));
  debutpartie = 1;
  coupdebutchoisi = 0;
  lesfaibles = marquesvides;
  casescandidates = marquesvides;
  for (int l = 1; l <= 9; ++l)
    for (int c = 1; c <= 9; ++c) casescandidates[indexcase(l, c)] = 1;
  TCarte fortordi = zerobonus, survordi = zerobonus, fortjoueur = zerobonus, survjoueur = zerobonus;
  TCarte scores = zerobonus;
  survjoueur[indexcase(3, 3)] = 40;
  scores[indexcase(3, 4)] = 25;  // a score already there stays
  TMarques zone = marquesvides;
  renforcecoupsproches(zone, fortjoueur, survjoueur, 0, 0, scores, fortordi, survordi);
  EXPECT_EQ(coupdebutchoisi, 1);
  EXPECT_EQ(scores[indexcase(3, 3)], 500);
  EXPECT_EQ(scores[indexcase(2, 2)], 500);
  EXPECT_EQ(scores[indexcase(3, 4)], 25);
  EXPECT_EQ(scores[indexcase(5, 5)], 0);
  // Masked points are not looked at; a decision already made stops it.
  coupdebutchoisi = 0;
  scores = zerobonus;
  zone[indexcase(3, 3)] = 1;
  renforcecoupsproches(zone, fortjoueur, survjoueur, 0, 0, scores, fortordi, survordi);
  EXPECT_EQ(coupdebutchoisi, 0);
  EXPECT_EQ(scores, zerobonus);
  coupdebutchoisi = 1;
  renforcecoupsproches(marquesvides, fortjoueur, survjoueur, 0, 0, scores, fortordi, survordi);
  EXPECT_EQ(scores, zerobonus);
  coupdebutchoisi = 0;
  casescandidates = marquesvides;
}

TEST(ZonesOuverture, SideStarPointsBetweenTwoCorners) {
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  struct Cas {
    std::string diagramme;
    int32_t n;
    int32_t opposes, ennemis;  // points taken, points left for the extensions
    TPoint premier;
  };
  const Cas cas[] = {
      // Left side: black at 16-4 and white at 4-4: opposite corners.
      {avec(19, {{16, 4, 'X'}, {4, 4, 'O'}}), 19, 1, 0, {10, 4}},
      // Both white (enemy): nothing taken, the point goes to the enemy list.
      {avec(19, {{16, 4, 'O'}, {4, 4, 'O'}}), 19, 0, 1, {}},
      // Both colours on the first occupied line of a corner area: rejected.
      {avec(19, {{16, 4, 'X'}, {16, 5, 'O'}, {4, 4, 'O'}}), 19, 0, 0, {}},
      // A corner area empty up to its last line: rejected.
      {avec(19, {{16, 4, 'X'}}), 19, 0, 0, {}},
      // Not on 19x19.
      {avec(13, {{10, 4, 'X'}, {4, 4, 'O'}}), 13, 0, 0, {}},
  };
  for (const Cas& c : cas) {
    const TPlateau p = fixture::posemoteur(c.diagramme);
    coupdebutchoisi = 0;
    TCarte scores = zerobonus;
    TListePoints liste{}, ennemis{};
    ennemis[0] = 5;  // emptied on entry
    prisehochi2coins(p, scores, liste, 4, ennemis, 361);
    EXPECT_EQ(nbpoints(liste), c.opposes) << c.diagramme;
    EXPECT_EQ(nbpoints(ennemis), c.ennemis) << c.diagramme;
    EXPECT_EQ(coupdebutchoisi, c.opposes > 0 ? 1 : 0);
    if (c.opposes > 0) {
      EXPECT_EQ(scores[indexcase(c.premier.ligne, c.premier.colonne)], 1000);
    }
    if (c.ennemis > 0) {
      prisehochi2coinsennemis(p, scores, liste, 4, ennemis, 361);
      EXPECT_EQ(nbpoints(liste), 1);
      EXPECT_EQ(scores[indexcase(10, 4)], 1000);
    }
  }
  coupdebutchoisi = 0;
}

}  // namespace
