// Chain-pair connection table: its size and bounds, the fill of the pair
// bits from the trial records, the pairs the groups already link, the fill
// that an unlinked candidate ends, the confirmation from level 4 only, and
// the proximity marks.
#include <gtest/gtest.h>

#include <string>

#include "engine/connection/groupes.h"
#include "engine/connection/tableliaisons.h"
#include "tests/unit/analyse_support.h"

namespace {

TPoint pt(int r, int c) { return {r, c}; }

TEST(TableLiaisons, SizeFromTheLastNumbers) {
  struct Cas {
    const char* note;
    const char* d;
    int32_t vides, chaines;
  } cas[] = {
      {"4 black chains, 2 white, 19 empty points", "X.X.O\n.....\n..X..\n.....\nO.X..\n", 19, 4},
      {"no empty point: one entry for the points", "XO\nOX\n", 1, 2},
      {"no chain: one entry for the chains", "...\n...\n...\n", 9, 1},
      {"one chain of two stones counts once", "XX.\n...\n...\n", 7, 1},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.note);
    analyse::pose(c.d, 5);
    const int32_t avant = compteurnoeudsprise;
    dimensionnetableliaisons();
    EXPECT_EQ(compteurnoeudsprise, avant + 1);
    EXPECT_EQ(tableliaisons.nbvides, c.vides);
    EXPECT_EQ(tableliaisons.nbchaines, c.chaines);
    EXPECT_EQ(tableliaisons.octets.size(), static_cast<size_t>(c.vides * c.chaines * c.chaines));
  }
}

TEST(TableLiaisons, ReadsAndWritesStayInside) {
  analyse::pose("XX.\n...\n..O\n", 5);
  dimensionnetableliaisons();
  ajoutebitsliaison(0, 0, 0, 0x01);
  ajoutebitsliaison(-1, 0, 0, 0xFF);
  ajoutebitsliaison(7, 0, 0, 0xFF);
  ajoutebitsliaison(0, 1, 0, 0xFF);
  ajoutebitsliaison(0, 0, -1, 0xFF);
  EXPECT_EQ(bitsliaison(0, 0, 0), 0x01);
  EXPECT_EQ(bitsliaison(7, 0, 0), 0);
  EXPECT_EQ(bitsliaison(0, 1, 0), 0);
  // (1,2) is not a head: numbered -1, read as 0, never written.
  ajoutebitspaire(1, 3, pt(1, 2), pt(1, 1), 0xFF);
  EXPECT_EQ(bitspaire(1, 3, pt(1, 2), pt(1, 1)), 0);
  size_t nonnuls = 0;
  for (uint8_t o : tableliaisons.octets) nonnuls += o != 0;
  EXPECT_EQ(nonnuls, 1u);
  liberetableliaisons();
  EXPECT_TRUE(tableliaisons.octets.empty());
  EXPECT_EQ(bitsliaison(0, 0, 0), 0);
}

// Black (5,4) and (5,6): two groups of one zone; the engine's move at (5,5)
// joins them.
constexpr const char* kSaut =
    ".........\n.........\n.........\n.........\n...X.X...\n.........\n.........\n.........\n.........\n";

TPlateau remplit(const char* d, int32_t niveau_) {
  TPlateau p = analyse::pose(d, niveau_);
  verifiegroupesapresessai(p);
  return p;
}

TEST(TableLiaisons, FillSetsPairAndMemberBits) {
  TPlateau p = remplit(kSaut, 3);
  analyse::evalue(0, 5, 5);
  ASSERT_EQ(essaiordi(5, 5).valeurcoupure, 2);
  fixture::verifieinchange(p, [] { remplittableliaisons(); });
  const TPoint a = pt(5, 4), b = pt(5, 6);
  EXPECT_EQ(bitspaire(5, 5, a, b), PAIREORDI);
  EXPECT_EQ(bitspaire(5, 5, b, a), PAIREORDI);
  EXPECT_EQ(bitspaire(5, 5, a, a), MEMBREORDI);
  EXPECT_EQ(bitspaire(5, 5, b, b), MEMBREORDI);
  EXPECT_EQ(essaiordi(5, 5).essaifait, ESSAIPAIRE);
  // The opponent's table half stays clear.
  size_t joueur = 0;
  for (uint8_t o : tableliaisons.octets) joueur += (o & 0xF0) != 0;
  EXPECT_EQ(joueur, 0u);
}

TEST(TableLiaisons, ChainsTheGroupsLinkGetNoPairBit) {
  // (4,4) and (5,5) are one group and carry the stone link; (4,5) touches both.
  remplit(".........\n.........\n.........\n...X.....\n....X....\n.........\n.........\n"
                       ".........\n.........\n",
                       3);
  ASSERT_TRUE(essaiordi(4, 4).liensessai[indexcase(5, 5)] & LIENPIERRES);
  analyse::evalue(0, 4, 5);
  ASSERT_EQ(essaiordi(4, 5).valeurcoupure, 1);
  remplittableliaisons();
  EXPECT_EQ(bitspaire(4, 5, pt(4, 4), pt(5, 5)), 0);
  EXPECT_EQ(essaiordi(4, 5).essaifait & ESSAIPAIRE, 0);
}

TEST(TableLiaisons, CandidateLinkingNoChainEndsTheFill) {
  for (const bool bloque : {false, true}) {
    SCOPED_TRACE(bloque ? "with the unlinked candidate" : "without it");
    remplit(kSaut, 3);
    analyse::evalue(0, 5, 5);
    analyse::evalue(1, 5, 5);
    analyse::essaie(1, 6, 5);
    essaijoueur(6, 5).valeurcoupure = 1;
    essaijoueur(6, 5).liensessai[indexcase(5, 4)] = LIENPIERRES;  // not a white stone: no head found
    if (bloque) {
      analyse::essaie(0, 2, 2);
      essaiordi(2, 2).valeurcoupure = 3;
    }
    remplittableliaisons();
    EXPECT_EQ(bitspaire(5, 5, pt(5, 4), pt(5, 6)), bloque ? 0 : PAIREORDI);
    EXPECT_EQ(essaiordi(5, 5).essaifait, bloque ? 0 : ESSAIPAIRE);
  }
}

// Black's (4,6) joins (4,5) and (4,7); white's (8,6) joins (8,5) and (8,7).
TEST(TableLiaisons, ConfirmationFromLevelFourOnly) {
  for (const int32_t niv : {3, 4}) {
    SCOPED_TRACE(niv);
    TPlateau p = remplit("...........\n...........\n...........\n....X.X....\n...........\n...........\n"
                         "...........\n....O.O....\n...........\n...........\n...........\n",
                         niv);
    analyse::evalue(0, 4, 6);
    analyse::evalue(1, 8, 6);
    casescandidatesjoueur[indexcase(4, 6)] = 1;
    casescandidates[indexcase(8, 6)] = 1;
    remplittableliaisons();
    fixture::verifieinchange(p, [] { evalueliaisonsessais(); });
    const bool confirme = niv >= 4;
    EXPECT_EQ(bitspaire(4, 6, pt(4, 5), pt(4, 7)), confirme ? PAIREORDI | CONFIRMEORDI : PAIREORDI);
    EXPECT_EQ(essaiordi(4, 6).essaifait, confirme ? ESSAIPAIRE | ESSAICONFIRME : ESSAIPAIRE);
    EXPECT_EQ(bitspaire(8, 6, pt(8, 5), pt(8, 7)), confirme ? PAIREJOUEUR | CONFIRMEJOUEUR : PAIREJOUEUR);
    EXPECT_EQ(essaijoueur(8, 6).essaifait, confirme ? ESSAIPAIRE | ESSAICONFIRME : ESSAIPAIRE);
  }
}

TEST(TableLiaisons, NoConfirmationWithoutTheOpponentsCandidate) {
  remplit(kSaut, 5);
  analyse::evalue(0, 5, 5);
  remplittableliaisons();
  evalueliaisonsessais();
  EXPECT_EQ(essaiordi(5, 5).essaifait, ESSAIPAIRE);
}

// Around (4,4): 1 on the empty points of the 3x3 and over the whole chain
// (3,3)-(2,3)-(1,3); 2 on the remaining points of the 5x5 and over (6,5)'s
// chain, which reaches out of it; white stones stay unmarked.
TEST(Proximite, MarksAndPairs) {
  analyse::pose("..X....\n..X....\n..X...O\n...O...\n.......\n....XX.\n.......\n", 5);
  TMarques m = marquesvides;
  marqueproximite(plateaudepart, m, NOIR, 4, 4);
  EXPECT_TRUE(fixture::memesgrilles(" 0 0 1 0 0 0 0\n"
                                    " 0 2 1 2 2 2 0\n"
                                    " 0 2 1 1 1 2 0\n"
                                    " 0 2 1 0 1 2 0\n"
                                    " 0 2 1 1 1 2 0\n"
                                    " 0 2 2 2 2 2 0\n"
                                    " 0 0 0 0 0 0 0\n",
                                    fixture::grille(m, 7)));
  infogroupes[indexcase(3, 3)].numero = 1;
  infogroupes[indexcase(6, 5)].numero = 2;
  infogroupes[indexcase(6, 6)].numero = 1;
  EXPECT_TRUE(pairesproches(pt(3, 3), pt(2, 3), m));   // 1 + 1
  EXPECT_TRUE(pairesproches(pt(3, 3), pt(6, 5), m));   // 1 + 2 in two groups
  EXPECT_FALSE(pairesproches(pt(3, 3), pt(6, 6), m));  // 1 + 2 in one group
  EXPECT_FALSE(pairesproches(pt(6, 5), pt(6, 5), m));  // 2 + 2
  EXPECT_FALSE(pairesproches(pt(3, 3), pt(7, 7), m));  // unmarked
}

}  // namespace
