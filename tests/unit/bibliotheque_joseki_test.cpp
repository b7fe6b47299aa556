// Joseki library over small tables: corner keys and the per-corner lookup.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "engine/opening/joseki.h"
#include "tests/support/fixture.h"
#include "tools/genbibliotheques.h"

namespace {

using Carte = std::map<std::pair<int, int>, int>;  // marked points and their bytes

std::span<const uint8_t> octets(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

void chargesource(TJoseki& j, const std::string& source) {
  const auto res = genbibliotheques::genere({{"test", source}}, true);
  ASSERT_EQ(res.erreur, "");
  ASSERT_TRUE(j.ChargeFlux(octets(res.item)));
}

Carte marques(const TMarques& carte, int taille = 19) {
  Carte m;
  for (int r = 1; r <= taille; ++r)
    for (int c = 1; c <= taille; ++c)
      if (carte[indexcase(r, c)] != 0) m[{r, c}] = carte[indexcase(r, c)];
  return m;
}

// Board symmetries, written out independently of the library.
std::pair<int, int> symetrie(int s, int r, int c, int n = 19) {
  if (s & 4) std::swap(r, c);
  if (s & 2) r = n + 1 - r;
  if (s & 1) c = n + 1 - c;
  return {r, c};
}

// Corner of a point off the middle lines of an n x n board.
int coinde(int r, int c, int n = 19) {
  const int R = (n + 1) / 2;
  return r <= R ? (c <= R ? 1 : 4) : (c <= R ? 2 : 3);
}

TEST(JosekiKey, CornerStonesAreListedShellByShellTowardsTheCorner) {
  TJoseki j(19);
  TPlateau cadre = plateauvide();
  for (int r = 17; r <= 19; ++r)
    for (int c = 17; c <= 19; ++c) cadre[indexcase(r, c)] = NOIR;
  cadre[indexcase(5, 5)] = NOIR;  // outside the corner region: not in the key
  const std::string cle = j.CodeCoin(cadre);
  const std::vector<std::pair<int, int>> attendu = {{19, 19}, {18, 19}, {18, 18}, {19, 18}, {17, 19},
                                                    {17, 18}, {17, 17}, {18, 17}, {19, 17}};
  std::vector<std::pair<int, int>> lu;
  for (std::size_t i = 0; i + 1 < cle.size(); i += 2) {
    uint8_t couleur = 0;
    int32_t l = 0, c = 0;
    TFuseki::DecodeCase(static_cast<uint8_t>(cle[i]), static_cast<uint8_t>(cle[i + 1]), couleur, c, l);
    lu.push_back({l, c});
  }
  EXPECT_EQ(lu, attendu);
}

TEST(JosekiKey, EveryCornerOfEverySizeGivesTheSameKey) {
  TJoseki j(19);
  std::string reference;
  for (int n : {9, 13, 19}) {
    for (int s = 0; s < 8; ++s) {
      j.FixeTaille(n);
      TPlateau p = plateauvide();
      auto [r1, c1] = symetrie(s, 4, 4, n);
      auto [r2, c2] = symetrie(s, 3, 5, n);  // inside the region of 5
      p[indexcase(r1, c1)] = NOIR;
      p[indexcase(r2, c2)] = BLANC;
      int t = 0;
      std::string cle;
      j.CleCoin(j.ExtraitCoin(p, coinde(r1, c1, n), (n + 1) / 2), t, cle);
      if (reference.empty()) reference = cle;
      EXPECT_EQ(cle, reference) << "size " << n << " symmetry " << s;
      EXPECT_EQ(j.taille, n);  // the key is taken at 19 and the size restored
    }
  }
  EXPECT_EQ(reference.size(), 4u);
}

TEST(JosekiSize, RegionFollowsTheBoardSize) {
  TJoseki j(19);
  EXPECT_EQ(j.regioncoin, 10);
  for (auto [n, r] : {std::pair{9, 5}, {13, 7}, {19, 10}}) {
    j.FixeTaille(n);
    EXPECT_EQ(j.taille, n);
    EXPECT_EQ(j.tailleplus1, n + 1);
    EXPECT_EQ(j.regioncoin, r);
  }
  j.FixeTaille(40);  // never beyond the board arrays
  EXPECT_EQ(j.taille, 19);
}

TEST(JosekiSuggestions, EmptyCornersGetTheEmptyKeyMovesForBothSides) {
  TJoseki j(19);
  chargesource(j, "dd\ncd\n");  // 4-4 and 3-4 in an empty corner
  TMarques carte;
  int32_t nombre = 0;
  j.CoupsSuggeres(NOIR, 19, nombre, carte, plateauvide());
  const Carte attendu = {
      {{4, 4}, 131},  {{4, 3}, 131},  {{3, 4}, 131},    // corner 1: 128 + 1 + 2
      {{16, 4}, 67},  {{17, 4}, 67},  {{16, 3}, 67},    // corner 2
      {{16, 16}, 35}, {{16, 17}, 35}, {{17, 16}, 35},   // corner 3
      {{4, 16}, 19},  {{3, 16}, 19},  {{4, 17}, 19},    // corner 4
  };
  EXPECT_EQ(marques(carte), attendu);
  EXPECT_EQ(nombre, 12);
}

TEST(JosekiSuggestions, AnswerFollowsTheCornerAndTheColourExchange) {
  TJoseki j(19);
  chargesource(j, "dd cf\n");  // white approaches a black 4-4
  for (int s = 0; s < 8; ++s) {
    for (bool echange : {false, true}) {
      const uint8_t proprietaire = echange ? BLANC : NOIR, approche = static_cast<uint8_t>(1 - proprietaire);
      TPlateau p = plateauvide();
      auto [r, c] = symetrie(s, 16, 16);
      p[indexcase(r, c)] = proprietaire;
      const int coin = coinde(r, c);
      for (uint8_t demande : {approche, proprietaire}) {
        TMarques carte;
        int32_t nombre = 0;
        j.CoupsSuggeres(demande, 19, nombre, carte, p);
        const int bit = 256 >> coin, drapeau = demande == approche ? 1 : 2;
        Carte obtenu = marques(carte);
        std::erase_if(obtenu, [&](const auto& e) { return coinde(e.first.first, e.first.second) != coin; });
        const Carte coinattendu = {{{r, c}, bit},
                                   {symetrie(s, 14, 17), bit + drapeau},
                                   {symetrie(s, 17, 14), bit + drapeau}};
        EXPECT_EQ(obtenu, coinattendu) << "symmetry " << s << " exchanged " << echange;
        EXPECT_EQ(nombre, 2 + 3) << "two answers, and the 4-4 in each empty corner";
      }
    }
  }
}

TEST(JosekiSuggestions, AnswerLandsInItsCornerOnEveryBoardSize) {
  // Frame moves are shifted to the game's size before the transform is
  // undone: a 3-4 stone in any corner of any board gets its answer there.
  TJoseki j(19);
  chargesource(j, "cd ed\n");  // black 3-4, white's answer one line further in
  for (int n : {9, 13, 19}) {
    for (int s = 0; s < 8; ++s) {
      TPlateau p = plateauvide();
      auto [r, c] = symetrie(s, n - 3, n - 2, n);
      p[indexcase(r, c)] = NOIR;
      const int bit = 256 >> coinde(r, c, n);
      TMarques carte;
      int32_t nombre = 0;
      j.CoupsSuggeres(BLANC, n, nombre, carte, p);
      Carte obtenu = marques(carte, n);
      std::erase_if(obtenu, [&](const auto& e) { return (e.second & bit) == 0; });
      EXPECT_EQ(obtenu, (Carte{{{r, c}, bit}, {symetrie(s, n - 3, n - 4, n), bit + 1}}))
          << "size " << n << " symmetry " << s;
    }
  }
}

TEST(JosekiSuggestions, ReducedRegionFindsTheCornerBehindAFarStone) {
  TJoseki j(19);
  chargesource(j, "dd cf\n");
  TPlateau p = plateauvide();
  p[indexcase(16, 16)] = NOIR;
  p[indexcase(11, 17)] = BLANC;  // ninth line: only the regions of 8 and less leave it out
  TMarques carte;
  int32_t nombre = 0;
  j.CoupsSuggeres(NOIR, 19, nombre, carte, p);
  Carte coin3 = marques(carte);
  std::erase_if(coin3, [](const auto& e) { return coinde(e.first.first, e.first.second) != 3; });
  const Carte attendu = {{{16, 16}, 32}, {{14, 17}, 32 + 4 + 2}, {{17, 14}, 32 + 4 + 2}};
  EXPECT_EQ(coin3, attendu);
}

TEST(JosekiSuggestions, NineByNineNeverShrinksTheRegion) {
  // An unknown corner gets nothing: the region of 5 is already the smallest
  // the fallback would try.
  TJoseki j(19);
  chargesource(j, "dd cf\n");
  const auto pos = fixture::diagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".......O.\n"
      ".....X...\n"
      ".........\n"
      ".........\n"
      ".........\n");
  TMarques carte;
  int32_t nombre = 0;
  j.CoupsSuggeres(NOIR, pos.taille, nombre, carte, pos.plateau);
  EXPECT_TRUE(fixture::memesgrilles(
      "  0   0   0   0   0   0   0   0   0\n"
      "  0   0   0   0   0   0   0   0   0\n"
      "  0   0   0   0   0   0   0   0   0\n"
      "  0   0   0 131   0   0   0   0   0\n"
      "  0   0   0   0   0   0   0   0   0\n"
      "  0   0   0  67   0   0   0   0   0\n"
      "  0   0   0   0   0   0   0   0   0\n"
      "  0   0   0   0   0   0   0   0   0\n"
      "  0   0   0   0   0   0   0   0   0\n",
      fixture::grille(carte, 9, 4)));
  EXPECT_EQ(nombre, 2);
  EXPECT_EQ(j.taille, 9);
}

TEST(JosekiSuggestions, FrameMovesOffASmallBoardAreDropped) {
  // Moves on the tenth line of the frame fall off a 9x9 board in every corner.
  TJoseki j(19);
  chargesource(j, "dd jd\ndd dj\n");
  const auto pos = fixture::diagramme(
      ".........\n"
      ".........\n"
      ".........\n"
      "...X.X...\n"
      ".........\n"
      "...X.X...\n"
      ".........\n"
      ".........\n"
      ".........\n");
  TMarques carte;
  int32_t nombre = 0;
  j.CoupsSuggeres(BLANC, pos.taille, nombre, carte, pos.plateau);
  EXPECT_EQ(marques(carte), (Carte{{{4, 4}, 128}, {{6, 4}, 64}, {{6, 6}, 32}, {{4, 6}, 16}}));
  EXPECT_EQ(nombre, 0);
}

TEST(JosekiSuggestions, OccupiedPointsKeepOnlyTheCornerBitAndAreNotCounted) {
  // Key: black (16, 16). Moves: white (14, 17), and the occupied (16, 16).
  TJoseki j(19);
  ASSERT_TRUE(j.ChargeFlux(octets(std::string("00\x80" "1n00\r\n"))));
  TPlateau p = plateauvide();
  p[indexcase(16, 16)] = NOIR;
  TMarques carte;
  int32_t nombre = 0;
  j.CoupsSuggeres(NOIR, 19, nombre, carte, p);
  EXPECT_EQ(marques(carte), (Carte{{{16, 16}, 32}, {{14, 17}, 34}, {{17, 14}, 34}}));
  EXPECT_EQ(nombre, 2);
}

TEST(JosekiSuggestions, LineWithoutMovesCountsAsUnknown) {
  // The end position of "dd ci" has a line with no move: the reduced region
  // then answers for the 4-4 alone (its move on the occupied point is dropped).
  TJoseki j(19);
  chargesource(j, "dd cf\ndd ci\n");
  TPlateau p = plateauvide();
  p[indexcase(16, 16)] = NOIR;
  p[indexcase(11, 17)] = BLANC;
  TMarques carte;
  int32_t nombre = 0;
  j.CoupsSuggeres(NOIR, 19, nombre, carte, p);
  Carte coin3 = marques(carte);
  std::erase_if(coin3, [](const auto& e) { return coinde(e.first.first, e.first.second) != 3; });
  EXPECT_EQ(coin3, (Carte{{{16, 16}, 32}, {{14, 17}, 32 + 4 + 2}, {{17, 14}, 32 + 4 + 2}}));
}

TEST(JosekiLibrary, MissingItemGivesAnEmptyLibrary) {
  TJoseki j(19);
  EXPECT_TRUE(j.ChargeFlux({}));
  TMarques carte;
  int32_t nombre = -1;
  j.CoupsSuggeres(NOIR, 19, nombre, carte, plateauvide());
  EXPECT_EQ(nombre, 0);
  EXPECT_EQ(marques(carte), Carte{});
}

}  // namespace
