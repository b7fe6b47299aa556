// The saving families on whole positions, black to move: a weak group that
// needs a link, one that needs an eye, one that must capture to live. A
// group that a white trial kills is threatened and goes to the survival
// family, which the reinforcement family then does not count again; the
// best point of the two together is the move a player would choose there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "engine/board/etat.h"
#include "engine/choice/familles.h"
#include "engine/proposals/cadre.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

struct Position {
  const char* pourquoi;
  const char* diagramme;
  TPoint faible;     // a stone of the weak group
  TPoint meilleur;   // the only point of the family's largest value
};

const Position kPositions[] = {
    {"link: the chain (5,4)-(7,4) hangs from the living wall by (4,4) alone; white there leaves it "
     "in atari with no way out",
     ".X.X.....\n"
     "XXXXXO...\n"
     "..O.XO...\n"
     "..O.XO...\n"
     "..OXO....\n"
     "..OXO....\n"
     "..OX.O...\n"
     "...OO....\n"
     ".........\n",
     {5, 4},
     {4, 4}},
    {"eye: the enclosed group lives with (6,5), making eyes at (6,4) and (6,6); white there kills it",
     ".........\n"
     "......O..\n"
     "....O....\n"
     "..OO.OO..\n"
     ".OXXXXXO.\n"
     ".OX...XO.\n"
     ".O.XXX.O.\n"
     "..OO.OO..\n"
     ".........\n",
     {5, 3},
     {6, 5}},
    {"capture: the white stone (6,6) is in atari; taking it at (7,6) gives the second eye, "
     "white there connects it out and the group has one eye",
     ".........\n"
     ".........\n"
     ".........\n"
     "..OOOOO..\n"
     ".OXXXXXO.\n"
     ".OX.XOXO.\n"
     ".OXXX.XO.\n"
     "..OOOOO..\n"
     ".........\n",
     {5, 3},
     {7, 6}},
};

// The family maps of the root, as the frame leaves them.
std::unique_ptr<TCartesFamilles> familles(const char* diagramme) {
  const fixture::Position pos = fixture::diagramme(diagramme);
  fixture::Partie partie;
  partie.trait = NOIR;
  fixture::analyseracine(pos.plateau, pos.taille, partie);
  auto f = std::make_unique<TCartesFamilles>();
  std::memset(static_cast<void*>(f.get()), 0, sizeof(TCartesFamilles));
  TListePoints candidats{}, copie{};
  TMarques morts{};
  TPoint choisi{};
  TPlateau b = plateaumoteur;
  pionsmorts = marquesliaison1;
  procedurefinpartie = 0;
  phasefinale = 0;
  ordipasse = 0;
  TContexteCadre x{*f, b, NOIR, BLANC, derniercoup, avantderniercoup, pointko, morts, candidats, copie, choisi};
  famillesracine(x);
  return f;
}

TEST(FortificationPositions, BestPointIsThePlayersMove) {
  for (const Position& k : kPositions) {
    SCOPED_TRACE(k.pourquoi);
    const std::unique_ptr<TCartesFamilles> f = familles(k.diagramme);
    EXPECT_GT(lesfaibles[indexcase(k.faible.ligne, k.faible.colonne)], 0);
    EXPECT_GT(std::max(maxfortification, maxsurvie), 0);
    TCarte v{};
    for (int32_t i = 0; i < NBCASES; ++i) v[i] = f->fortificationordi[i] + f->survieordi[i];
    const int32_t max = *std::max_element(v.begin(), v.end());
    const auto nbmax = std::count(v.begin(), v.end(), max);
    EXPECT_GT(max, 0);
    EXPECT_EQ(v[indexcase(k.meilleur.ligne, k.meilleur.colonne)], max) << fixture::grille(v, 9);
    EXPECT_EQ(nbmax, 1) << fixture::grille(v, 9);
  }
}



// The engine's survival memo starts from the two-eye verdicts of its
// position analysis: a point where the engine's trial stone dies inside
// the opponent's area and cannot make two eyes reads 2 ("tested, not a
// survival point") before the survival family looks at it.
TEST(FortificationPositions, SurvivalMemoStartsFromTheAnalysisVerdicts) {
  const std::unique_ptr<TCartesFamilles> f = familles(kPositions[0].diagramme);
  for (const TPoint q : {TPoint{3, 8}, TPoint{5, 8}, TPoint{8, 7}})
    EXPECT_EQ(f->memosurvieordi[indexcase(q.ligne, q.colonne)], 2) << q.ligne << "," << q.colonne;
}

}  // namespace
