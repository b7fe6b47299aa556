// Pooled integer sets and group records.
#include <vector>

#include "support.h"

namespace {

using namespace nebra;

std::vector<int> Values(IntSetRef s) {
  std::vector<int> v;
  IntSetForEach(s, [&](int x) { v.push_back(x); });
  return v;
}

class IntSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    nebra_test::EnsureStarted();
    IntSetReset();  // the shared engines' sets go stale; rebuilt below
  }
  void TearDown() override { nebra_test::NewGame(9); }
};

TEST_F(IntSetTest, AddKeepsValuesSortedAndOnce) {
  IntSetRef s = kSetNull;
  EXPECT_EQ(IntSetAdd(s, 5), 1);
  EXPECT_EQ(IntSetAdd(s, 3), 1);
  EXPECT_EQ(IntSetAdd(s, 5), 0);
  EXPECT_EQ(IntSetAdd(s, 9), 1);
  EXPECT_EQ(Values(s), (std::vector<int>{3, 5, 9}));
  EXPECT_EQ(IntSetCount(s), 3);
  EXPECT_TRUE(IntSetContains(s, 5));
  EXPECT_FALSE(IntSetContains(s, 4));
  EXPECT_FALSE(IntSetContains(s, 10));
  IntSetDelete(s);
}

TEST_F(IntSetTest, UnionInsertsOnlyMissingValues) {
  IntSetRef a = kSetNull, b = kSetNull;
  for (int v : {2, 4, 7}) IntSetAdd(a, v);
  for (int v : {1, 4}) IntSetAdd(b, v);
  EXPECT_EQ(IntSetUnion(a, b), 1);
  EXPECT_EQ(Values(a), (std::vector<int>{1, 2, 4, 7}));
  EXPECT_EQ(Values(b), (std::vector<int>{1, 4}));
  IntSetRef c = kSetNull;
  for (int v : {0, 3, 8, 9}) IntSetAdd(c, v);
  EXPECT_EQ(IntSetUnion(a, c), 4);
  EXPECT_EQ(Values(a), (std::vector<int>{0, 1, 2, 3, 4, 7, 8, 9}));
  EXPECT_EQ(IntSetUnion(a, kSetNull), 0);
  IntSetDelete(a);
  IntSetDelete(b);
  IntSetDelete(c);
}

TEST_F(IntSetTest, RemoveUnlinksAndFreesTheAtom) {
  IntSetRef s = kSetNull;
  for (int v : {1, 2, 3}) IntSetAdd(s, v);
  int held = IntSetInUse();
  EXPECT_EQ(IntSetRemove(s, 7), 0);
  EXPECT_EQ(Values(s), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(IntSetRemove(s, 2), 1);
  EXPECT_EQ(IntSetRemove(s, 1), 1);
  EXPECT_EQ(Values(s), (std::vector<int>{3}));
  EXPECT_EQ(IntSetInUse(), held - 2);
  EXPECT_EQ(IntSetRemove(s, 3), 1);
  EXPECT_EQ(s, kSetNull);
}

TEST_F(IntSetTest, CopyIsDeepAndMarkersPassThrough) {
  IntSetRef s = kSetNull;
  for (int v : {10, 20}) IntSetAdd(s, v);
  IntSetRef c = IntSetCopy(s);
  IntSetAdd(c, 15);
  EXPECT_EQ(Values(s), (std::vector<int>{10, 20}));
  EXPECT_EQ(Values(c), (std::vector<int>{10, 15, 20}));
  EXPECT_EQ(IntSetCopy(kSetNull), kSetNull);
  EXPECT_EQ(IntSetCopy(kFreeAtom), kFreeAtom);
  EXPECT_EQ(IntSetCopy(kNoAtom), kNoAtom);
  int held = IntSetInUse();
  IntSetDelete(c);
  EXPECT_EQ(IntSetInUse(), held - 3);
  IntSetDelete(kFreeAtom);  // markers are ignored
  IntSetDelete(kNoAtom);
  IntSetDelete(s);
}

TEST_F(IntSetTest, ResetFreesEveryAtomEvenOfLiveSets) {
  IntSetRef s = kSetNull;
  for (int v = 0; v < 50; ++v) IntSetAdd(s, v);
  EXPECT_EQ(IntSetInUse(), 50);
  IntSetReset();
  EXPECT_EQ(IntSetInUse(), 0);
  for (int k = 1; k < maxn; ++k) EXPECT_EQ(is[k].next, kFreeAtom);
}

// More atoms than the initial pool: the pool grows and every set stays intact.
TEST_F(IntSetTest, PoolGrowsBeyondItsInitialSize) {
  std::vector<IntSetRef> sets(40, kSetNull);
  for (int v = 0; v < 200; ++v)
    for (IntSetRef& s : sets) IntSetAdd(s, v * 7 % 200);
  EXPECT_GE(maxn, 8000);
  for (IntSetRef s : sets) {
    auto v = Values(s);
    ASSERT_EQ(v.size(), 200u);
    for (int k = 0; k < 200; ++k) ASSERT_EQ(v[k], k);
  }
  for (IntSetRef s : sets) IntSetDelete(s);
  EXPECT_EQ(IntSetInUse(), 0);
}

TEST_F(IntSetTest, GroupCopyIsDeepAndCleanReleases) {
  Group a;
  a.x = 3;
  a.y = 4;
  a.content = kBlack;
  a.stones = 1;
  IntSetAdd(a.stoneset, PointCode(3, 4));
  a.AddLiberty(100);
  a.AddLiberty(101);
  a.AddLiberty(100);
  EXPECT_EQ(a.liberties, 2);
  IntSetAdd(a.enemyset, 5);
  Group b;
  b = a;
  a.RemoveLiberty(100);
  EXPECT_EQ(a.liberties, 1);
  EXPECT_EQ(b.liberties, 2);
  EXPECT_EQ(Values(b.libertyset), (std::vector<int>{100, 101}));
  IntSetRef more = kSetNull;
  for (int v : {101, 102, 103}) IntSetAdd(more, v);
  b.AddLiberties(more);
  EXPECT_EQ(b.liberties, 4);
  IntSetDelete(more);
  a.safe = 1;
  a.Clean();
  EXPECT_EQ(a.content, 0);
  EXPECT_EQ(a.liberties, 0);
  EXPECT_EQ(a.safe, 0);
  EXPECT_EQ(a.stones, 1);  // left as it was
  EXPECT_EQ(a.stoneset, kSetNull);
  b.Clean();
  EXPECT_EQ(IntSetInUse(), 0);
}

}  // namespace
