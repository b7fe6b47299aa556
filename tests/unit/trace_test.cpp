// Debug trace: the watched-path match that guards the path dumps. The sinks
// themselves are empty; the transcripts' quiet checks cover their silence.
#include <gtest/gtest.h>

#include "engine/board/trace.h"

namespace {

TEST(Trace, PathsMatchUpToTheDepthOnly) {
  // A path that first differs from the watched one at move k (row or column)
  // matches at depths 1..k and at no depth outside 1..6.
  TCheminTrace surveille;
  for (int m = 0; m < 6; ++m) {
    surveille.coups[m][0] = m + 1;
    surveille.coups[m][1] = 19 - m;
  }
  for (int champ : {0, 1})
    for (int k = 0; k <= 6; ++k) {
      TCheminTrace chemin = surveille;
      if (k < 6) chemin.coups[k][champ] += 1;
      for (int profondeur = -1; profondeur <= 7; ++profondeur) {
        SCOPED_TRACE(testing::Message() << "field " << champ << ", differs at " << k << ", depth " << profondeur);
        const bool attendu = profondeur >= 1 && profondeur <= 6 && profondeur <= k;
        EXPECT_EQ(cheminsegaux(chemin, surveille, profondeur), attendu);
      }
    }
}

}  // namespace
