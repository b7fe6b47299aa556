// A capture reading never runs inside another. In the unit tests such a call
// fails the test that made it; here one is provoked on purpose.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/reading/prise.h"
#include "tests/support/fixture.h"

namespace {

void echoue(int32_t ligne, int32_t colonne) {
  ADD_FAILURE() << "capture reading of (" << ligne << "," << colonne << ") started inside another";
}
// Installed for the whole test binary before any test runs.
const bool alertemise = (alertelectureimbriquee = echoue, true);

// Black (1,1) with liberties (1,2) and (2,1), white (3,1): white to move
// captures it, (1,2) then (2,2).
constexpr const char* kCoin =
    "X....\n"
    ".....\n"
    "O....\n"
    ".....\n"
    ".....\n";

struct Imbrication {
  int32_t alertes = 0;
  int32_t ligne = 0, colonne = 0;
  bool reponse = true;
  TPlateau plateau{};
};
Imbrication imbrication;

TEST(PriseImbrication, AReadingInsideAnotherIsReportedAndAnswersFalse) {
  ASSERT_TRUE(alertemise);
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(kCoin);
  niveau = 7;
  lecturelongue = 1;
  cacheactif = 0;
  compteurcache = 0;
  // Read on its own, the corner stone is captured.
  ASSERT_TRUE(testprise(p, 1, 1, 5, 3, NOIR, TPoint{}));

  imbrication = Imbrication{};
  imbrication.plateau = p;
  const TAlerteLecture alerte = alertelectureimbriquee;
  alertelectureimbriquee = [](int32_t ligne, int32_t colonne) {
    ++imbrication.alertes;
    imbrication.ligne = ligne;
    imbrication.colonne = colonne;
  };
  sondelectureprise = [] {
    sondelectureprise = nullptr;
    imbrication.reponse = testprise(imbrication.plateau, 1, 1, 5, 3, NOIR, TPoint{});
  };
  bool dehors = false;
  fixture::verifieinchange(p, [&] { dehors = testprise(p, 1, 1, 5, 3, NOIR, TPoint{}); });
  sondelectureprise = nullptr;
  alertelectureimbriquee = alerte;

  EXPECT_TRUE(dehors);  // the outer reading is not disturbed
  EXPECT_EQ(imbrication.alertes, 1);
  EXPECT_EQ(imbrication.ligne, 1);
  EXPECT_EQ(imbrication.colonne, 1);
  EXPECT_FALSE(imbrication.reponse);
  // The reading is free again afterwards.
  EXPECT_TRUE(testprise(p, 1, 1, 5, 3, NOIR, TPoint{}));
}

#ifndef NDEBUG
// Without an alert, a build with assertions stops on the spot.
TEST(PriseImbricationDeathTest, StopsABuildWithAssertions) {
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(kCoin);
  EXPECT_DEATH(
      {
        alertelectureimbriquee = nullptr;
        imbrication.plateau = p;
        sondelectureprise = [] { testprise(imbrication.plateau, 1, 1, 5, 3, NOIR, TPoint{}); };
        testprise(p, 1, 1, 5, 3, NOIR, TPoint{});
      },
      "inside another");
}
#endif

}  // namespace
