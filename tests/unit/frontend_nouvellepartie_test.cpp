// A move depends on its position alone: nothing an earlier move or game
// left in the engine state changes the values the next genmove works out,
// whether the engine is called directly or through clear_board and
// boardsize in the front end.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/board/etat.h"
#include "engine/choice/entree.h"
#include "engine/choice/recherche.h"
#include "engine/choice/recherche_etat.h"
#include "frontend/moteur.h"
#include "platform/platform.h"
#include "records/listecoups.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_recherche.h"
#include "tests/support/frontend_gtp.h"

namespace {

using frontendtest::repond;

// Black to play at level 5; after the opponent's trials an invasion value
// is read from the owner map of a point the engine did not try this move.
constexpr const char* kCapture9 =
    ".X...X...\n"
    "..XOXOX..\n"
    ".OOOO....\n"
    ".OXXOO.X.\n"
    ".O.XXO.O.\n"
    ".OX.O.O..\n"
    "XXXXOXO..\n"
    ".O.XXO.O.\n"
    "XXX.O.O..\n";
constexpr TPoint kDernier{6, 2};  // B4 as the engine counts rows

uint32_t tick = 0;
uint32_t tickfixe() { return tick += 10; }

// The move list of the diagram, the last move last.
TListeCoups listecapture9() {
  const fixture::Position pos = fixture::diagramme(kCapture9);
  TListeCoups l = fixture::listeplateau(pos.plateau, pos.taille);
  const int32_t n = l[0].ligne;
  for (int32_t i = 1; i < n; ++i)
    if (l[i].ligne == kDernier.ligne && l[i].colonne == kDernier.colonne) std::swap(l[i], l[n]);
  return l;
}

struct Trace {
  TPoint coup;
  std::string somme, invasion, debutfin, racine;
};

Trace trace(TPoint coup) {
  const recherche::TRecherche& r = dernierrecherche();
  return Trace{coup, fixture::grille(r.familles.somme, 9), fixture::grille(r.familles.invasionforteordi, 9),
               fixture::grille(r.familles.bonusdebutfin, 9), fixture::grille(r.valeursracine, 9)};
}

void memetrace(const Trace& a, const Trace& b) {
  EXPECT_EQ(a.coup.ligne, b.coup.ligne);
  EXPECT_EQ(a.coup.colonne, b.coup.colonne);
  EXPECT_TRUE(fixture::memesgrilles(a.somme, b.somme)) << "sums";
  EXPECT_TRUE(fixture::memesgrilles(a.invasion, b.invasion)) << "invasionforteordi";
  EXPECT_TRUE(fixture::memesgrilles(a.debutfin, b.debutfin)) << "bonusdebutfin";
  EXPECT_TRUE(fixture::memesgrilles(a.racine, b.racine)) << "root scores";
}

class Persistance : public ::testing::Test {
 protected:
  void SetUp() override {
    tick = 0;
    platform::seam::fixetickcount(tickfixe);
  }
  void TearDown() override { platform::seam::fixetickcount(nullptr); }
};

// What a move may find left over: the per-point owner maps of another
// move's trials and the lost-neighbour flag, once as a game of white owners
// left them, once as one of black owners; the pair table, its values and
// the invasion zones, once empty and once full.
TEST_F(Persistance, LeftoversOfAnEarlierMoveChangeNothing) {
#if defined(SOUS_SANITIZER)
  GTEST_SKIP() << "level 5 under the sanitizers";
#endif
  const TListeCoups liste = listecapture9();
  const TConfig config = fixture::configpartie(9, 5);
  Trace t[2];
  for (int k = 0; k < 2; ++k) {
    std::memset(&carteniveau, k == 0 ? BLANC : NOIR, sizeof carteniveau);
    std::memset(&tablelecture, k == 0 ? BLANC : NOIR, sizeof tablelecture);
    flagrelie = static_cast<uint8_t>(k);
    std::memset(&tablepaires, k == 0 ? 0 : 0xFF, sizeof tablepaires);
    std::memset(&valeurspaires, k == 0 ? 0 : 1, sizeof valeurspaires);
    std::memset(&zonesinvasionjoueur, k == 0 ? 0 : 1, sizeof zonesinvasionjoueur);
    tick = 0;
    const TResultatCoup r = fixture::genmovefige(NOIR, config, liste);
    t[k] = trace(TPoint{r.ligne, r.colonne});
  }
  memetrace(t[0], t[1]);
}

// Through the front end: the position, a finished game on 13x13, then
// boardsize 9 and the same position give the same move and the same values.
TEST_F(Persistance, ClearBoardAfterAGameOnAnotherSizeGivesTheFreshMove) {
#if defined(SOUS_SANITIZER)
  GTEST_SKIP() << "level 5 under the sanitizers";
#endif
  const auto position = [&] {
    EXPECT_EQ(repond("boardsize 9"), "");
    EXPECT_EQ(repond("clear_board"), "");
    EXPECT_EQ(repond("level 5"), "");
    const TListeCoups liste = listecapture9();
    for (int32_t i = 1; i <= liste[0].ligne; ++i) {
      const std::string coup = std::string(liste[i].couleur == NOIR ? "b " : "w ") +
                               static_cast<char>('A' + liste[i].colonne - 1 + (liste[i].colonne >= 9 ? 1 : 0)) +
                               std::to_string(10 - liste[i].ligne);
      EXPECT_EQ(repond("play " + coup), "") << coup;
    }
    tick = 0;
    platform::fixegraine(1);
    const std::string coup = repond("genmove b");
    return std::make_pair(coup, trace(TPoint{}));
  };
  frontendtest::nouvellepartie();
  const auto avant = position();
  // Another game on another size, played out by both sides.
  EXPECT_EQ(repond("boardsize 13"), "");
  EXPECT_EQ(repond("level 5"), "");
  for (const char* c : {"b D4", "w K11", "b K10", "w C11", "b L3", "w D10", "b F12", "w K4"})
    EXPECT_EQ(repond(std::string("play ") + c), "") << c;
  for (int k = 0; k < 4; ++k) {
    tick = 0;
    EXPECT_NE(repond(k % 2 == 0 ? "genmove b" : "genmove w").substr(0, 1), "?");
  }
  const auto apres = position();
  EXPECT_EQ(avant.first, apres.first);
  memetrace(avant.second, apres.second);
}

}  // namespace
