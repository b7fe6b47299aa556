// Position keys: the embedded tables and the sorted-store searches.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "engine/board/cles.h"
#include "platform/platform.h"

namespace {

TEST(Cles, TablesAreTheFrozenData) {
  ASSERT_TRUE(chargecles());
  EXPECT_EQ(platform::donnee("CLES").size(), 4u * (1 + 3 * 361));
  EXPECT_EQ(cletrait, 0xAA16B7ADu);
  EXPECT_EQ(zobristcouleur[0][0], 0xC255DABAu);
  EXPECT_EQ(zobristcouleur[1][0], 0xC66F6B9Bu);
  EXPECT_EQ(zobristmoyo[0], 0x33E157EEu);
  std::set<uint32_t> vus;
  for (int i = 0; i < NBCASES; ++i)
    for (uint32_t v : {zobristcouleur[0][i], zobristcouleur[1][i], zobristmoyo[i]}) {
      EXPECT_NE(v, 0u);
      vus.insert(v);
    }
  EXPECT_EQ(vus.size(), 1083u);
}

TEST(Cles, XorTwiceRestoresTheKey) {
  uint32_t k = 0x12345678u;
  xorclepion(k, 4, 5, NOIR);
  EXPECT_NE(k, 0x12345678u);
  EXPECT_EQ(k, 0x12345678u ^ zobristcouleur[1][indexcase(4, 5)]);
  xorclepion(k, 4, 5, NOIR);
  EXPECT_EQ(k, 0x12345678u);
  xorclepion(k, 19, 19, BLANC);
  EXPECT_EQ(k, 0x12345678u ^ zobristcouleur[0][360]);
  xorclemoyo(k, 19, 19);
  xorclemoyo(k, 19, 19);
  xorclepion(k, 19, 19, BLANC);
  EXPECT_EQ(k, 0x12345678u);
}

// A ply store of tables 3 and 4 with the given signed keys (value = 10 * rank).
std::vector<TEntreeCle> store(int table, const std::vector<int32_t>& cles) {
  std::vector<TEntreeCle> s(2 * ENTREESPARTABLE);
  for (size_t j = 0; j < cles.size(); ++j)
    s[(table - 3) * ENTREESPARTABLE + j] = TEntreeCle{static_cast<int32_t>(10 * (j + 1)), cles[j]};
  return s;
}

TEST(Cles, TranspositionSearchLinearAndBinary) {
  struct Cas {
    const char* nom;
    std::vector<int32_t> cles;
    uint32_t cherchee;
    int32_t attendu;
  };
  const std::vector<int32_t> neuf = {-50, -7, 0, 3, 8, 20, 21, 40, 99};
  std::vector<int32_t> dix = neuf;
  dix.push_back(1000);
  std::vector<int32_t> grand;
  for (int i = 0; i < 500; ++i) grand.push_back(-1000 + 4 * i);
  const Cas cas[] = {
      {"empty", {}, 5, 1},
      {"9 hit", neuf, 20, -60},
      {"9 miss middle", neuf, 9, 6},
      {"9 below all", neuf, static_cast<uint32_t>(-60), 1},
      {"9 above all", neuf, 100, 10},
      {"10 hit first", dix, static_cast<uint32_t>(-50), -10},
      {"10 hit last", dix, 1000, -100},
      {"10 miss end", dix, 1001, 11},
      {"10 miss start", dix, 0x80000000u, 1},
      {"10 top-bit key found", dix, static_cast<uint32_t>(-7), -20},
      {"10 miss middle", dix, 22, 8},
      {"500 hit", grand, static_cast<uint32_t>(-1000 + 4 * 321), -3220},
      {"500 miss", grand, static_cast<uint32_t>(-1000 + 4 * 321 + 1), 323},
      {"500 above", grand, 5000, 501},
      {"500 below", grand, 0xFFFF0000u, 1},
  };
  for (const auto& k : cas) {
    for (int table : {3, 4}) {
      auto s = store(table, k.cles);
      EXPECT_EQ(cherchecletransposition(k.cherchee, table, static_cast<int32_t>(k.cles.size()), s.data()),
                k.attendu)
          << k.nom << " table " << table;
    }
  }
  // A stored value of 0 comes back as 0 (a hit).
  auto s = store(3, dix);
  s[4].valeur = 0;
  EXPECT_EQ(cherchecletransposition(8, 3, 10, s.data()), 0);
}

// Every size up to 70 and a few larger: each stored key is found, and a
// key between stored ones gets one more than the number of keys below it.
TEST(Cles, TranspositionSearchAgreesWithCounting) {
  std::mt19937 g(17);
  std::vector<int> tailles;
  for (int n = 0; n <= 70; ++n) tailles.push_back(n);
  for (int n : {127, 128, 129, 1000, 4097}) tailles.push_back(n);
  for (int n : tailles) {
    std::set<int32_t> tirees;
    while (static_cast<int>(tirees.size()) < n) tirees.insert(static_cast<int32_t>(g()) & ~1);  // even keys
    const std::vector<int32_t> cles(tirees.begin(), tirees.end());
    auto s = store(3, cles);
    for (int j = 0; j < n; ++j) {
      ASSERT_EQ(cherchecletransposition(static_cast<uint32_t>(cles[j]), 3, n, s.data()), -s[j].valeur) << n;
      const int32_t impaire = cles[j] + 1;  // odd: never stored
      const auto dessous = std::lower_bound(cles.begin(), cles.end(), impaire) - cles.begin();
      ASSERT_EQ(cherchecletransposition(static_cast<uint32_t>(impaire), 3, n, s.data()), dessous + 1) << n;
    }
    const auto bas = std::lower_bound(cles.begin(), cles.end(), INT32_MIN + 1) - cles.begin();
    ASSERT_EQ(cherchecletransposition(0x80000001u, 3, n, s.data()), bas + 1) << n;
  }
}

TEST(Cles, BucketSearchReadsItsCount) {
  static TCasierPrise cache[2][NBCASES];
  TCasierPrise& b = cache[1][indexcase(4, 7)];
  b[0] = 0;
  uint32_t k = 33;
  EXPECT_EQ(cherchecleparcible(k, cache, 2, 7, 4), 1);
  const int32_t cles[] = {static_cast<int32_t>(0x90000000u), -2, 5, 33, 80};
  for (int j = 1; j <= 5; ++j) {
    b[2 * j] = j;
    b[2 * j + 1] = cles[j - 1];
  }
  b[0] = 5;
  EXPECT_EQ(cherchecleparcible(k, cache, 2, 7, 4), -4);
  k = 0x90000000u;
  EXPECT_EQ(cherchecleparcible(k, cache, 2, 7, 4), -1);
  k = 6;
  EXPECT_EQ(cherchecleparcible(k, cache, 2, 7, 4), 4);
  EXPECT_EQ(cherchecleparcible(k, cache, 1, 7, 4), 1);  // other colour's bucket is empty

  // A count past the bucket's 300 entries reads no further than entry 300.
  TCasierPrise& dernier = cache[1][indexcase(19, 19)];
  for (int j = 1; j <= 300; ++j) {
    dernier[2 * j] = j;
    dernier[2 * j + 1] = 10 * j;
  }
  dernier[0] = 100000;
  k = 5000;
  EXPECT_EQ(cherchecleparcible(k, cache, 2, 19, 19), 301);
  k = 3000;
  EXPECT_EQ(cherchecleparcible(k, cache, 2, 19, 19), -300);
}

}  // namespace
