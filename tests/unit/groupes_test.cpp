// Groups, zones and stone links: numbering per colour, a rule-set-2 group
// inside a rule-set-1 zone, the zone closure over whole groups, the
// symmetric stone-link bits in the records of the right side, and a second
// call in one move.
#include <gtest/gtest.h>

#include <string>

#include "engine/connection/groupes.h"
#include "tests/unit/analyse_support.h"

namespace {

// Group (or zone) numbers of the stones as a grid, '.' where none.
std::string numeros(const TInfoZone (&t)[NBCASES], int n) {
  std::string s;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int32_t k = t[indexcase(r, c)].numero;
      s += k == 0 ? '.' : static_cast<char>('0' + k);
    }
    s += '\n';
  }
  return s;
}

bool lien(int cote, int ra, int ca, int rb, int cb) {
  return (analyse::essai(cote, ra, ca).liensessai[indexcase(rb, cb)] & LIENPIERRES) != 0;
}

// Black (3,3)-(4,4) diagonal: one group under rule set 2. (4,6) is a
// one-point jump from (4,4): its own group, the same zone. White is numbered
// apart: (7,2) is white group 1 although black has two.
constexpr const char* kGroupes =
    ".........\n"
    ".........\n"
    "..X......\n"
    "...X.X...\n"
    ".........\n"
    ".........\n"
    ".O....O..\n"
    ".........\n"
    ".........\n";

TEST(Groupes, RuleSetTwoGroupsInsideARuleSetOneZone) {
  TPlateau p = analyse::pose(kGroupes, 3);
  fixture::verifieinchange(p, [&] { verifiegroupesapresessai(p); });
  EXPECT_TRUE(fixture::memesgrilles(".........\n.........\n..1......\n...1.2...\n.........\n.........\n"
                                    ".1....2..\n.........\n.........\n",
                                    numeros(infogroupes, 9)));
  EXPECT_TRUE(fixture::memesgrilles(".........\n.........\n..1......\n...1.1...\n.........\n.........\n"
                                    ".1....2..\n.........\n.........\n",
                                    numeros(infozones, 9)));
  const TInfoZone& a = infogroupes[indexcase(3, 3)];
  EXPECT_EQ(a.nbpierres, 2);
  EXPECT_EQ(a.couleurzone, NOIR);
  EXPECT_EQ(infogroupes[indexcase(4, 6)].nbpierres, 1);
  EXPECT_EQ(infozones[indexcase(4, 6)].nbpierres, 3);
  EXPECT_EQ(infozones[indexcase(7, 7)].couleurzone, BLANC);
  EXPECT_EQ(infozones[indexcase(7, 7)].nbpierres, 1);
  EXPECT_EQ(infogroupes[indexcase(5, 5)].couleurzone, 2);
}

TEST(Groupes, EmptyBoardAndLoneStone) {
  TPlateau p = analyse::pose(".....\n.....\n.....\n.....\n.....\n", 5);
  verifiegroupesapresessai(p);
  for (int32_t j = 0; j < NBCASES; ++j) {
    EXPECT_EQ(infogroupes[j].couleurzone, 2);
    EXPECT_EQ(infozones[j].numero, 0);
  }
  p = analyse::pose(".....\n.....\n..O..\n.....\n.....\n", 5);
  verifiegroupesapresessai(p);
  const TInfoZone g = infogroupes[indexcase(3, 3)], z = infozones[indexcase(3, 3)];
  EXPECT_EQ(g.numero, 1);
  EXPECT_EQ(g.nbpierres, 1);
  EXPECT_EQ(g.couleurzone, BLANC);
  EXPECT_EQ(z.numero, 1);
  EXPECT_EQ(z.nbpierres, 1);
  for (int32_t j = 0; j < NBCASES; ++j) EXPECT_EQ(essaijoueur(3, 3).liensessai[j], 0);
}

// Two chains of one group: (3,4)-(3,5) and (4,3) on the diagonal of its
// first stone. Every stone of one gets the bit toward every stone of the
// other, both ways, in the records of the stones' side; the bits never cross
// to the other side.
TEST(Groupes, StoneLinksAreSymmetricAndGoToTheStonesSide) {
  constexpr const char* d =
      ".......\n"
      ".......\n"
      "...XX..\n"
      "..X....\n"
      ".......\n"
      ".......\n"
      ".......\n";
  for (const uint8_t ordi : {NOIR, BLANC}) {
    SCOPED_TRACE(ordi == NOIR ? "black is the engine" : "white is the engine");
    TPlateau p = analyse::pose(d, 3, ordi);
    verifiegroupesapresessai(p);
    const int cote = ordi == NOIR ? 0 : 1;
    for (const auto& [r, c] : {std::pair{3, 4}, std::pair{3, 5}}) {
      EXPECT_TRUE(lien(cote, r, c, 4, 3));
      EXPECT_TRUE(lien(cote, 4, 3, r, c));
      EXPECT_FALSE(lien(1 - cote, r, c, 4, 3));
      EXPECT_FALSE(lien(1 - cote, 4, 3, r, c));
    }
    EXPECT_FALSE(lien(cote, 3, 4, 3, 5));  // one chain: no pair
    for (int ra = 1; ra <= 7; ++ra)
      for (int ca = 1; ca <= 7; ++ca)
        for (int rb = 1; rb <= 7; ++rb)
          for (int cb = 1; cb <= 7; ++cb) EXPECT_EQ(lien(cote, ra, ca, rb, cb), lien(cote, rb, cb, ra, ca));
  }
}

// A stone flagged in marquesliaison1 joins its group by the static test, but
// the two-stone reading never links a flagged stone: no bit.
TEST(Groupes, FlaggedStoneGroupedWithoutLinkBit) {
  TPlateau p = analyse::pose(".......\n.......\n..X....\n...X...\n.......\n.......\n.......\n", 3);
  marquesliaison1[indexcase(4, 4)] = 1;
  verifiegroupesapresessai(p);
  EXPECT_EQ(infogroupes[indexcase(4, 4)].numero, 1);
  EXPECT_EQ(infogroupes[indexcase(3, 3)].nbpierres, 2);
  EXPECT_FALSE(lien(0, 3, 3, 4, 4));
  EXPECT_FALSE(lien(0, 4, 4, 3, 3));
}

// The closure takes whole groups even when a fill brings in a stone the scan
// has passed: group 1 = (2,2) and (8,8) (set by hand), (8,8) jumps to (6,8)
// of group 3, whose other stone (2,8) lies far away. All four make one zone.
TEST(Groupes, ZoneClosureTakesAGroupMetBehindTheScan) {
  TPlateau p = analyse::pose(
      ".........\n.X.....X.\n.........\n.........\n.........\n.......X.\n.........\n.......X.\n.........\n", 3);
  infogroupes[indexcase(2, 2)] = {1, 2, NOIR};
  infogroupes[indexcase(8, 8)] = {1, 2, NOIR};
  infogroupes[indexcase(2, 8)] = {3, 2, NOIR};
  infogroupes[indexcase(6, 8)] = {3, 2, NOIR};
  construitzones(p, NOIR);
  for (const auto& [r, c] : {std::pair{2, 2}, std::pair{2, 8}, std::pair{6, 8}, std::pair{8, 8}}) {
    EXPECT_EQ(infozones[indexcase(r, c)].numero, 1) << r << "," << c;
    EXPECT_EQ(infozones[indexcase(r, c)].nbpierres, 4) << r << "," << c;
  }
}

// A second call in the same move finds everything numbered already and
// leaves the same tables and bits.
TEST(Groupes, SecondCallInOneMoveChangesNothing) {
  TPlateau p = analyse::pose(kGroupes, 3);
  verifiegroupesapresessai(p);
  const std::string g = numeros(infogroupes, 9), z = numeros(infozones, 9);
  const TCarte l = essaiordi(3, 3).liensessai;
  verifiegroupesapresessai(p);
  EXPECT_EQ(numeros(infogroupes, 9), g);
  EXPECT_EQ(numeros(infozones, 9), z);
  EXPECT_EQ(essaiordi(3, 3).liensessai, l);
  EXPECT_EQ(infozones[indexcase(4, 6)].nbpierres, 3);
}

}  // namespace
