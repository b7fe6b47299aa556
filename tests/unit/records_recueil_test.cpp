// Problem collections through the loading entry.
#include <gtest/gtest.h>

#include <string>

#include "records/chargement.h"
#include "records/recueil.h"
#include "tests/unit/records_support.h"

namespace {

using records_test::donnee;
using records_test::Messages;

std::string pierres(const TCoupsListe& l) { return records_test::coupstexte(l); }

TEST(RecordsRecueil, ProblemsFormTheMainLine) {
  TConfig depart;
  depart.komi = 3.5;
  const records_test::Charge c(donnee("recueil.pro"), depart);
  ASSERT_TRUE(c.arbre);
  EXPECT_EQ(c.config.komi, 3.5);
  EXPECT_EQ(c.messages.texte(), "Error into the problem! | Error into the problem!");
  std::vector<const TArbre*> noeuds;
  for (const TArbre* n = c.arbre->premierfils.get(); n; n = n->premierfils.get()) {
    EXPECT_EQ(n->frere, nullptr);
    noeuds.push_back(n);
  }
  ASSERT_EQ(noeuds.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(noeuds[i]->donnees->nature, NOEUDPROBLEME);
    EXPECT_EQ(noeuds[i]->donnees->numcoup, i + 1);
    EXPECT_EQ(noeuds[i]->profondeur, i + 1);
    ASSERT_TRUE(noeuds[i]->donnees->probleme);
  }
  const TProbleme& p = *noeuds[0]->donnees->probleme;
  EXPECT_EQ(p.numero, 12);
  EXPECT_EQ(pierres(p.pierres1), "1,1:1 1,1:0");  // A! black, AA white
  EXPECT_EQ(p.camp, 1);
  EXPECT_EQ(p.question, 4);
  EXPECT_EQ(p.entiers1[3], 4);
  EXPECT_EQ(pierres(p.pierres2), "3,3:0");
  EXPECT_EQ(pierres(p.pierres3), "");
  EXPECT_EQ(p.entiers2[0], 5);
  EXPECT_EQ(p.nbpierres4, 1);
  EXPECT_EQ(pierres(p.pierres4), "4,4:0");
  EXPECT_EQ(p.nbpierres5, 2);
  EXPECT_EQ(pierres(p.pierres5), "5,5:0 6,6:0");
  EXPECT_EQ(p.entier, 9);
  EXPECT_EQ(p.texte, "Find the kill");
  EXPECT_EQ(pierres(p.pierres6), "7,7:0 8,8:0");
  // A side flag 2 ends the line: what came before stays.
  const TProbleme& q = *noeuds[1]->donnees->probleme;
  EXPECT_EQ(q.numero, 13);
  EXPECT_EQ(pierres(q.pierres1), "1,1:1");
  EXPECT_EQ(q.entiers2[0], -1);
  // An unknown question code is kind 6; a last count that is no number is an error.
  EXPECT_EQ(noeuds[2]->donnees->probleme->question, 6);
}

TEST(RecordsRecueil, EmptyOrMissingCollections) {
  for (const std::string& nom : {donnee("vide.pro"), std::string("/nonexistent/x.pro")}) {
    records_test::verifiecharge(records_test::Charge(nom), "0", "The problem's library is empty", nom);
  }
}

TEST(RecordsRecueil, QuestionCodesAndStoneWords) {
  struct Cas {
    const char* ligne;
    bool lu;
    int question;  // 0 when the line ends before its question code
  };
  const Cas cas[] = {{"1 0 1 5 0 0 0 0 0 0 0 0 0 0 0 0 0 \x1f\x1f 0", true, 0},
                     {"1 0 0 24 0 0 0 0 0 0 0 0 0 0 0 0 0 \x1f\x1f 0", true, 15},
                     {"1 1 ABC 1 5", false, 0},
                     {"x", false, 0},
                     {"1 0 1 5 0 0 0", false, 0}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.ligne);
    Messages m;
    TProbleme p;
    EXPECT_EQ(lireprobleme(p, c.ligne), c.lu);
    EXPECT_EQ(p.question, c.question);
    EXPECT_EQ(m.vus.size(), c.lu ? 0u : 1u);
  }
}

}  // namespace
