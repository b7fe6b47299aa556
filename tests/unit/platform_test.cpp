#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "platform/donnees_index.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

TEST(Random, StaysInRangeAndIsZeroForEmptyRanges) {
  platform::fixegraine(42);
  for (int n : {1, 2, 3, 7, 19, 361, 1000000}) {
    for (int i = 0; i < 2000; ++i) {
      int v = platform::Random(n);
      ASSERT_GE(v, 0);
      ASSERT_LT(v, n);
    }
  }
  for (int n : {0, -1, -2147483647 - 1}) EXPECT_EQ(platform::Random(n), 0);
}

TEST(Random, SameSeedSameSequenceAndAllValuesReached) {
  platform::fixegraine(7);
  std::vector<int> a;
  for (int i = 0; i < 100; ++i) a.push_back(platform::Random(10));
  platform::fixegraine(7);
  std::set<int> vus;
  for (int i = 0; i < 100; ++i) {
    int v = platform::Random(10);
    EXPECT_EQ(v, a[static_cast<size_t>(i)]);
    vus.insert(v);
  }
  EXPECT_EQ(vus.size(), 10u);
  for (int i = 0; i < 1000; ++i) {
    double r = platform::RandomReel();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
  }
}

TEST(Seam, PinsCountersAndRandomizeSeed) {
  platform::seam::fixetickcount([] { return 1234u; });
  platform::seam::fixecompteurperf([]() -> uint64_t { return 99; });
  EXPECT_EQ(platform::tickcount(), 1234u);
  EXPECT_EQ(platform::compteurperf(), 99u);
  platform::seam::fixegrainerandomize(true, 555);
  platform::randomize();
  EXPECT_EQ(platform::graine(), 555u);
  platform::seam::fixegrainerandomize(false);
  platform::seam::fixetickcount(nullptr);
  platform::seam::fixecompteurperf(nullptr);
  // Real sources again: the counters move forward.
  uint64_t a = platform::compteurperf();
  uint64_t b = platform::compteurperf();
  EXPECT_GE(b, a);
  EXPECT_NE(a, 99u);
  EXPECT_GT(platform::horloge(), 1700000000);
  platform::seam::fixecompteurperf(fixture::compteurfige);
}

TEST(Donnees, MissingNamesGiveAnEmptySpan) {
  using namespace std::string_view_literals;  // keeps the embedded NUL
  for (std::string_view nom : {""sv, "NOSUCHITEM"sv, "FUSEKI19\0X"sv, "../CMakeLists"sv})
    EXPECT_TRUE(platform::donnee(nom).empty()) << nom;
  EXPECT_TRUE(platform::donnee(std::string_view("FUSEKI19\0", 9)).empty());
}

TEST(Donnees, EveryItemIsFoundWhateverTheCase) {
  for (const platform::ItemEmbarque* it = platform::itemsembarques; it->nom; ++it) {
    std::string bas(it->nom);
    for (char& ch : bas) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    auto a = platform::donnee(it->nom), b = platform::donnee(bas);
    EXPECT_EQ(a.data(), reinterpret_cast<const uint8_t*>(it->debut)) << it->nom;
    EXPECT_EQ(a.size(), static_cast<size_t>(it->fin - it->debut)) << it->nom;
    EXPECT_EQ(b.data(), a.data()) << it->nom;
  }
}

}  // namespace
