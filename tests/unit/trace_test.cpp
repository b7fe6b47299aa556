#include <gtest/gtest.h>

#include "engine/board/trace.h"

namespace {

TEST(Trace, WritesNothingAnywhere) {
  TCarte carte{};
  TMarques yeux{};
  TListePoints liste{};
  TPlateau p = plateauvide();
  TCheminTrace chemin;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  ecritdebug("ligne");
  affichecartedebug("carte", carte);
  afficheyeux(yeux, "yeux");
  affichelistecoups(liste, 0, "coups");
  affichecasesmarquees(p);
  affichecartefamille(carte, "famille", p, "noir");
  affichecartecouleur(carte, 1, p, "couleur");
  affichecartefaibles(p, 0, yeux, "faibles");
  initchemintrace();
  affichesichemin("chemin", 5, chemin, 6, chemintrace);
  EXPECT_EQ(gtpstubaffichage(p, p, p, p), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(Trace, PathsMatchUpToTheDepthOnly) {
  TCheminTrace a, b;
  a.coups[0][0] = b.coups[0][0] = 4;
  a.coups[1][1] = 3;  // differs from b at the second move
  EXPECT_TRUE(cheminsegaux(a, b, 1));
  EXPECT_FALSE(cheminsegaux(a, b, 2));
  EXPECT_FALSE(cheminsegaux(a, b, 0));
  EXPECT_FALSE(cheminsegaux(a, b, 7));
}

}  // namespace
