// The point predicates of unit voisin, one table per group: neighbour colour
// and marks, liberties of neighbouring chains, exit counts, marks in a
// caller's map, territory. Every case also checks that the board, the chain
// table and the dead marks are left as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/voisin.h"
#include "tests/unit/marches_table.h"

namespace {

using marches::pose;

struct Cas {
  const char* nom;
  const char* diagramme;
  std::function<void(TPlateau&)> prepare;  // may be empty
  std::function<bool(const TPlateau&)> test;
  bool attendu;
};

void lance(const Cas& k) {
  SCOPED_TRACE(k.nom);
  TPlateau p = pose(k.diagramme);
  if (k.prepare) k.prepare(p);
  fixture::verifieinchange(p, [&] { EXPECT_EQ(k.test(p), k.attendu); });
}

int32_t ix(int32_t r, int32_t c) { return indexcase(r, c); }
void morts(std::initializer_list<std::pair<int, int>> pts) {
  for (auto [r, c] : pts) pionsmorts[ix(r, c)] = 1;
}
TMarques marques(std::initializer_list<std::pair<int, int>> pts, uint8_t v = 1) {
  TMarques m = marquesvides;
  for (auto [r, c] : pts) m[ix(r, c)] = v;
  return m;
}

// Black (1,1)-(2,1) and white (1,2): 2 liberties each. White (3,3), (4,2),
// (4,4): 3 each. Black (4,3) in atari at (5,3).
constexpr const char* kP =
    "XO...\n"
    "X....\n"
    "..O..\n"
    ".OXO.\n"
    ".....\n";

// The corner (1,1) surrounded by black.
constexpr const char* kCoinNoir =
    ".X...\n"
    "X....\n"
    ".....\n"
    ".....\n"
    ".....\n";

// The point (3,3) among black stones only; (2,3) a lone black stone in atari.
constexpr const char* kSorties =
    "..O....\n"
    ".OXO...\n"
    ".X.X...\n"
    "..X....\n"
    ".......\n"
    ".......\n"
    ".......\n";

// As kSorties with white (4,3) of 2 liberties next to the point.
constexpr const char* kSortiesAdverse =
    "..O....\n"
    ".OXO...\n"
    ".X.X...\n"
    "..OX...\n"
    "..X....\n"
    ".......\n"
    ".......\n";

// Black (2,2) of 2 liberties and black (3,3) in atari meet at (3,2).
constexpr const char* kDeuxFaibles =
    ".....\n"
    "OXO..\n"
    "..XO.\n"
    "..O..\n"
    ".....\n";

// One black chain (2,2)-(2,3)-(3,3) in atari touches (3,2) twice.
constexpr const char* kUneChaine =
    ".OO..\n"
    "OXXO.\n"
    "..XO.\n"
    "..O..\n"
    ".....\n";

TEST(PredicatsTable, NeighbourColourAndMarks) {
  const Cas cas[] = {
      {"a board neighbour holds the colour", kP, nullptr, [](const TPlateau& p) { return voisincouleur(p, NOIR, 3, 1); },
       true},
      {"no board neighbour holds the colour", kP, nullptr,
       [](const TPlateau& p) { return voisincouleur(p, NOIR, 1, 4); }, false},
      {"a table neighbour holds the value", kP, nullptr,
       [](const TPlateau& p) { return voisincouleurtable(p, BLANC, 2, 2); }, true},
      {"no table neighbour holds the value", kP, nullptr,
       [](const TPlateau& p) { return voisincouleurtable(p, BLANC, 2, 4); }, false},
      {"a table neighbour holds the integer", kP, nullptr,
       [](const TPlateau&) {
         TCarte v{};
         v[ix(2, 3)] = -7;
         return voisincouleurtableint(v, -7, 2, 2) && !voisincouleurtableint(v, -7, 5, 5);
       },
       true},
      {"a corner surrounded", kCoinNoir, nullptr,
       [](const TPlateau& p) { return pasentoureparcouleur(p, NOIR, 1, 1); }, false},
      {"a neighbour of another content", kP, nullptr,
       [](const TPlateau& p) { return pasentoureparcouleur(p, BLANC, 1, 1); }, true},
      {"a diagonal point holds the colour", kP, nullptr,
       [](const TPlateau& p) { return voisin8couleur(p, NOIR, 3, 2); }, true},
      {"none of the eight holds the colour", kP, nullptr,
       [](const TPlateau& p) { return voisin8couleur(p, NOIR, 2, 4); }, false},
      {"an unmarked neighbour of the colour", kP, nullptr,
       [](const TPlateau& p) { return voisincouleurnonmarque(p, NOIR, 3, 1); }, true},
      {"the neighbours of the colour all marked", kP, [](TPlateau&) { morts({{1, 1}, {2, 1}}); },
       [](const TPlateau& p) { return voisincouleurnonmarque(p, NOIR, 3, 1); }, false},
      {"nothing marked", kP, nullptr, [](const TPlateau& p) { return chainemarqueeouvoisine(p, NOIR, 3, 1); }, false},
      {"a marked neighbour of the colour", kP, [](TPlateau&) { morts({{2, 1}}); },
       [](const TPlateau& p) { return chainemarqueeouvoisine(p, NOIR, 3, 1); }, true},
      {"the point itself marked", kP, [](TPlateau&) { morts({{3, 1}}); },
       [](const TPlateau& p) { return chainemarqueeouvoisine(p, NOIR, 3, 1); }, true},
      {"an unmarked point", kP, [](TPlateau&) { morts({{2, 1}}); },
       [](const TPlateau& p) { return nonmarqueouvoisinnonmarque(p, NOIR, 3, 1); }, true},
      {"a marked point with an unmarked neighbour of the colour", kP, [](TPlateau&) { morts({{3, 1}}); },
       [](const TPlateau& p) { return nonmarqueouvoisinnonmarque(p, NOIR, 3, 1); }, true},
      {"a marked point among marked neighbours", kP, [](TPlateau&) { morts({{3, 1}, {2, 1}}); },
       [](const TPlateau& p) { return nonmarqueouvoisinnonmarque(p, NOIR, 3, 1); }, false},
      {"a marked neighbour of the other colour", kP, [](TPlateau&) { morts({{1, 1}}); },
       [](const TPlateau& p) { return voisinmarqueautrecouleur(p, 1, 2); }, true},
      {"only a marked neighbour of the same colour", kP, [](TPlateau&) { morts({{2, 1}}); },
       [](const TPlateau& p) { return voisinmarqueautrecouleur(p, 1, 1); }, false},
      {"a marked enemy among the eight", kP, [](TPlateau&) { morts({{3, 3}}); },
       [](const TPlateau& p) { return voisin8enemimort(p, 4, 3, marquesvides); }, true},
      {"a marked enemy masked by the caller", kP, [](TPlateau&) { morts({{3, 3}}); },
       [](const TPlateau& p) { return voisin8enemimort(p, 4, 3, marques({{3, 3}})); }, false},
      {"from an empty point the enemy is black", kP, [](TPlateau&) { morts({{4, 3}}); },
       [](const TPlateau& p) { return voisin8enemimort(p, 5, 4, marquesvides); }, true},
      {"no marked enemy among the eight", kP, nullptr,
       [](const TPlateau& p) { return voisin8enemimort(p, 5, 4, marquesvides); }, false},
  };
  for (const auto& k : cas) lance(k);
}

TEST(PredicatsTable, LibertiesOfNeighbouringChains) {
  // A white stone put on the board after the chain table was built: its
  // liberty byte is 0.
  const auto perime = [](TPlateau& p) { p[ix(1, 5)] = BLANC; };
  const Cas cas[] = {
      {"a board neighbour in atari", kP, nullptr, [](const TPlateau& p) { return voisincouleuratari4(p, NOIR, 5, 3); },
       true},
      {"a board neighbour of 2 liberties is not in atari", kP, nullptr,
       [](const TPlateau& p) { return voisincouleuratari4(p, NOIR, 2, 2); }, false},
      {"a neighbour of exactly 2 liberties", kP, nullptr,
       [](const TPlateau& p) { return voisina2libertes(p, BLANC, 2, 2); }, true},
      {"no neighbour of the colour", kP, nullptr, [](const TPlateau& p) { return voisina2libertes(p, BLANC, 5, 3); },
       false},
      {"2 liberties unmarked", kP, nullptr, [](const TPlateau& p) { return voisinatari2libertes(p, NOIR, 2, 2); },
       false},
      {"2 liberties marked", kP, [](TPlateau&) { morts({{2, 1}}); },
       [](const TPlateau& p) { return voisinatari2libertes(p, NOIR, 2, 2); }, true},
      {"1 liberty", kP, nullptr, [](const TPlateau& p) { return voisinatari2libertes(p, NOIR, 5, 3); }, true},
      {"more than 2 liberties, unmarked", kP, nullptr,
       [](const TPlateau& p) { return voisinaplusde2libertes(p, BLANC, 3, 2); }, true},
      {"more than 2 liberties, all marked", kP, [](TPlateau&) { morts({{4, 2}, {3, 3}}); },
       [](const TPlateau& p) { return voisinaplusde2libertes(p, BLANC, 3, 2); }, false},
      {"a neighbour counted in the table", kP, nullptr,
       [](const TPlateau& p) { return voisinchainecomptee(p, BLANC, 3, 2); }, true},
      {"a neighbour of liberty byte 0 is not counted", kP, perime,
       [](const TPlateau& p) { return voisinchainecomptee(p, BLANC, 2, 5); }, false},
      {"a stone of liberty byte 0 among the eight", kP, perime,
       [](const TPlateau& p) { return voisin8sanslibertes(p, BLANC, 2, 4); }, true},
      {"no stone of liberty byte 0 among the eight", kP, nullptr,
       [](const TPlateau& p) { return voisin8sanslibertes(p, BLANC, 2, 4); }, false},
      {"a neighbour of fewer than 3 liberties", kP, nullptr,
       [](const TPlateau& p) { return voisinmoinsde3libertes2(p, NOIR, 5, 3); }, true},
      {"neighbours of 3 liberties", kP, nullptr,
       [](const TPlateau& p) { return voisinmoinsde3libertes2(p, BLANC, 3, 2); }, false},
      {"a stone of either colour with fewer than 3 liberties", kP, nullptr,
       [](const TPlateau& p) { return voisinpierremoinsde3libertes(p, 2, 2); }, true},
      {"stones of 3 liberties only", kP, nullptr,
       [](const TPlateau& p) { return voisinpierremoinsde3libertes(p, 3, 4); }, false},
      {"at most 3 liberties", kP, nullptr, [](const TPlateau& p) { return voisincouleurlibertesmax(p, BLANC, 3, 3, 4); },
       true},
      {"at most 2 liberties", kP, nullptr, [](const TPlateau& p) { return voisincouleurlibertesmax(p, BLANC, 2, 3, 4); },
       false},
      {"owned and at most 3 liberties", kP, [](TPlateau&) { territoire[ix(4, 4)] = BLANC; },
       [](const TPlateau& p) { return voisinterritoirelibertes(p, BLANC, 3, 3, 4); }, true},
      {"not owned", kP, nullptr, [](const TPlateau& p) { return voisinterritoirelibertes(p, BLANC, 3, 3, 4); }, false},
      {"a stone on enemy ground next to a weak enemy", kP, [](TPlateau&) { territoire[ix(1, 1)] = BLANC; },
       [](const TPlateau& p) { return pierreterritoireadverse(p, 1, 1); }, true},
      {"the same stone marked dead", kP,
       [](TPlateau&) {
         territoire[ix(1, 1)] = BLANC;
         morts({{1, 1}});
       },
       [](const TPlateau& p) { return pierreterritoireadverse(p, 1, 1); }, false},
      {"a stone on its own ground", kP, [](TPlateau&) { territoire[ix(1, 1)] = NOIR; },
       [](const TPlateau& p) { return pierreterritoireadverse(p, 1, 1); }, false},
      {"an empty point", kP, [](TPlateau&) { territoire[ix(2, 2)] = BLANC; },
       [](const TPlateau& p) { return pierreterritoireadverse(p, 2, 2); }, false},
      {"two weak chains meet at the point", kDeuxFaibles, nullptr,
       [](const TPlateau& p) { return deuxchainesfaiblesvoisines(p, NOIR, 3, 2); }, true},
      {"one chain touching the point twice", kUneChaine, nullptr,
       [](const TPlateau& p) { return deuxchainesfaiblesvoisines(p, NOIR, 3, 2); }, false},
      {"both weak chains on black ground", kDeuxFaibles,
       [](TPlateau&) { territoire[ix(2, 2)] = territoire[ix(3, 3)] = NOIR; },
       [](const TPlateau& p) { return deuxchainesfaiblesterritoire(p, NOIR, 3, 2); }, true},
      {"one weak chain off black ground", kDeuxFaibles, [](TPlateau&) { territoire[ix(2, 2)] = NOIR; },
       [](const TPlateau& p) { return deuxchainesfaiblesterritoire(p, NOIR, 3, 2); }, false},
      {"the point marked dead", kDeuxFaibles,
       [](TPlateau&) {
         territoire[ix(2, 2)] = territoire[ix(3, 3)] = NOIR;
         morts({{3, 2}});
       },
       [](const TPlateau& p) { return deuxchainesfaiblesterritoire(p, NOIR, 3, 2); }, false},
  };
  for (const auto& k : cas) lance(k);
}

// Stones of the chains in atari next to the point, each listed once.
TEST(PredicatsTable, AtariNeighboursListed) {
  TPlateau p = pose(kUneChaine);
  TListePoints l = marches::liste();
  fixture::verifieinchange(p, [&] { EXPECT_TRUE(voisincouleuratari4(p, NOIR, 3, 2, l, 300)); });
  std::vector<std::pair<int32_t, int32_t>> v;
  for (int32_t k = 1; k <= l[0]; ++k) v.emplace_back(l[2 * k], l[2 * k + 1]);
  std::sort(v.begin(), v.end());
  EXPECT_EQ(v, (std::vector<std::pair<int32_t, int32_t>>{{2, 2}, {2, 3}, {3, 3}}));
  l[0] = 0;
  EXPECT_FALSE(voisincouleuratari4(p, BLANC, 3, 2, l, 300));
  EXPECT_EQ(l[0], 0);
}

TEST(PredicatsTable, ExitCounts) {
  // (3,4) and (3,2) read as in atari by a table passed in.
  const auto table = [](std::initializer_list<std::pair<int, int>> ataris) {
    TInfoChaine t = infochaine;
    for (auto [r, c] : ataris) t[ix(r, c)][0] = 1;
    return t;
  };
  const Cas cas[] = {
      {"one exit: a neighbour of the colour in atari", kSorties, nullptr,
       [](const TPlateau& p) { return testvoisinsatari(p, NOIR, 3, 3); }, false},
      {"two exits by the table passed in", kSorties, nullptr,
       [&](const TPlateau& p) { return testvoisinsatariparam(table({{3, 4}}), p, NOIR, 3, 3); }, true},
      {"a lone stone in atari and no enemy next to the point", kSorties, nullptr,
       [](const TPlateau& p) { return testvoisinsatariunique(p, NOIR, 3, 3); }, true},
      {"the same with an enemy of 2 liberties next to the point", kSortiesAdverse, nullptr,
       [](const TPlateau& p) { return testvoisinsatariunique(p, NOIR, 3, 3); }, false},
      {"an enemy of 2 liberties is no exit", kSortiesAdverse, nullptr,
       [](const TPlateau& p) { return testvoisinsatari(p, NOIR, 3, 3); }, false},
      {"three exits needed", kSorties, nullptr, [](const TPlateau& p) { return compteissues(p, NOIR, 3, 3); }, false},
      {"three exits by the table passed in", kSorties, nullptr,
       [&](const TPlateau& p) { return compteissuesparam(table({{3, 4}, {3, 2}}), p, NOIR, 3, 3); }, true},
      {"two empty points and a neighbour in atari", kP, nullptr,
       [](const TPlateau& p) { return compteissues(p, NOIR, 5, 3); }, true},
      {"an enemy of more than 2 liberties", kP, nullptr, [](const TPlateau& p) { return compteissues(p, NOIR, 3, 2); },
       true},
      {"two empty points are not three exits", kP, nullptr,
       [](const TPlateau& p) { return compteissues(p, NOIR, 2, 2); }, false},
      {"row 0 is no point", kP, nullptr,
       [&](const TPlateau& p) { return compteissuesparam(infochaine, p, NOIR, 0, 0); }, false},
  };
  for (const auto& k : cas) lance(k);
}

TEST(PredicatsTable, MarksInACallersMap) {
  const Cas cas[] = {
      {"a table neighbour marked", kP, nullptr,
       [](const TPlateau& p) { return voisinmarque(p, marques({{1, 2}}), 2, 2); }, true},
      {"no table neighbour marked", kP, nullptr,
       [](const TPlateau& p) { return voisinmarque(p, marques({{3, 3}}), 2, 2); }, false},
      {"a table neighbour marked, map first", kP, nullptr,
       [](const TPlateau&) { return voisinmarque2(marques({{2, 1}}), 2, 2); }, true},
      {"a marked neighbour holding the colour", kP, nullptr,
       [](const TPlateau& p) { return voisinmarquecouleur(p, BLANC, marques({{1, 2}}), 2, 2); }, true},
      {"the marked neighbour holds the other colour", kP, nullptr,
       [](const TPlateau& p) { return voisinmarquecouleur(p, BLANC, marques({{2, 1}}), 2, 2); }, false},
      {"two neighbours of the colour marked 1", kP, nullptr,
       [](const TPlateau& p) { return deuxvoisinsmarquescouleur(marques({{4, 2}, {3, 3}}), p, BLANC, 3, 2); }, true},
      {"a mark other than 1 does not count", kP, nullptr,
       [](const TPlateau& p) {
         TMarques m = marques({{4, 2}});
         m[ix(3, 3)] = 2;
         return deuxvoisinsmarquescouleur(m, p, BLANC, 3, 2);
       },
       false},
      {"a marked empty neighbour does not count", kP, nullptr,
       [](const TPlateau& p) { return deuxvoisinsmarquescouleur(marques({{4, 2}, {3, 1}}), p, BLANC, 3, 2); }, false},
      {"two non-zero neighbours", kP, nullptr,
       [](const TPlateau&) { return nbvoisinsnonnuls(marques({{2, 3}, {3, 4}}, 5), 3, 3); }, true},
      {"one non-zero neighbour is not more than one", kP, nullptr,
       [](const TPlateau&) { return nbvoisinsnonnuls(marques({{2, 3}}), 3, 3); }, false},
      {"one non-zero neighbour", kP, nullptr,
       [](const TPlateau&) { return nbvoisinsnonnuls2(marques({{2, 3}}), 3, 3); }, true},
      {"no non-zero neighbour", kP, nullptr, [](const TPlateau&) { return nbvoisinsnonnuls2(marques({{1, 1}}), 3, 3); },
       false},
  };
  for (const auto& k : cas) lance(k);
}

TEST(PredicatsTable, Territory) {
  const auto quatre = [](TMarques& t, uint8_t c) {
    for (auto [r, k] : {std::pair{3, 2}, std::pair{2, 3}, std::pair{1, 2}, std::pair{2, 1}}) t[ix(r, k)] = c;
  };
  const Cas cas[] = {
      {"an empty neighbour owned", kP, [](TPlateau&) { territoire[ix(2, 3)] = NOIR; },
       [](const TPlateau& p) { return voisinvidedeterritoire(p, NOIR, 2, 2); }, true},
      {"only a stone neighbour owned", kP, [](TPlateau&) { territoire[ix(2, 1)] = NOIR; },
       [](const TPlateau& p) { return voisinvidedeterritoire(p, NOIR, 2, 2); }, false},
      {"a neighbour owned", kP, [](TPlateau&) { territoire[ix(2, 1)] = NOIR; },
       [](const TPlateau&) { return voisindeterritoire(NOIR, 2, 2); }, true},
      {"no neighbour owned", kP, nullptr, [](const TPlateau&) { return voisindeterritoire(NOIR, 2, 2); }, false},
      {"every neighbour owned", kP, [&](TPlateau&) { quatre(territoire, NOIR); },
       [](const TPlateau&) { return voisinhorsterritoire(NOIR, 2, 2); }, false},
      {"a neighbour not owned", kP, [](TPlateau&) { territoire[ix(2, 1)] = NOIR; },
       [](const TPlateau&) { return voisinhorsterritoire(NOIR, 2, 2); }, true},
      {"an empty neighbour owned in the second map", kP, [](TPlateau&) { territoire2[ix(2, 3)] = NOIR; },
       [](const TPlateau& p) { return voisinvideterritoires(p, NOIR, 2, 2); }, true},
      {"a stone neighbour owned in the second map", kP, [](TPlateau&) { territoire2[ix(2, 1)] = NOIR; },
       [](const TPlateau& p) { return voisinvideterritoires(p, NOIR, 2, 2); }, false},
      {"no neighbour owned in either map", kP, nullptr,
       [](const TPlateau&) { return voisinvideterritoirestable(NOIR, 2, 2); }, true},
      {"a neighbour owned in the second map", kP, [](TPlateau&) { territoire2[ix(3, 2)] = NOIR; },
       [](const TPlateau&) { return voisinvideterritoirestable(NOIR, 2, 2); }, false},
      {"a neighbour of the colour on its ground", kP, [](TPlateau&) { territoire[ix(1, 2)] = BLANC; },
       [](const TPlateau& p) { return voisincouleurterritoire(p, BLANC, 2, 2); }, true},
      {"only an empty neighbour on its ground", kP, [](TPlateau&) { territoire[ix(2, 3)] = BLANC; },
       [](const TPlateau& p) { return voisincouleurterritoire(p, BLANC, 2, 2); }, false},
      {"the same neighbour weak", kP,
       [](TPlateau&) {
         territoire[ix(1, 2)] = BLANC;
         lesfaibles[ix(1, 2)] = 1;
       },
       [](const TPlateau& p) { return voisincouleurterritoirefaible(p, BLANC, 2, 2); }, true},
      {"the same neighbour not weak", kP, [](TPlateau&) { territoire[ix(1, 2)] = BLANC; },
       [](const TPlateau& p) { return voisincouleurterritoirefaible(p, BLANC, 2, 2); }, false},
      {"the point not owned", kP, nullptr, [](const TPlateau&) { return frontiereterritoire(NOIR, 2, 2); }, true},
      {"the point and its neighbours owned", kP,
       [&](TPlateau&) {
         quatre(territoire, NOIR);
         territoire[ix(2, 2)] = NOIR;
       },
       [](const TPlateau&) { return frontiereterritoire(NOIR, 2, 2); }, false},
      {"a neighbour owned in the second map only", kP,
       [&](TPlateau&) {
         quatre(territoire, NOIR);
         territoire[ix(2, 2)] = NOIR;
         territoire[ix(2, 3)] = VIDE;
         territoire2[ix(2, 3)] = NOIR;
       },
       [](const TPlateau&) { return frontiereterritoire(NOIR, 2, 2); }, false},
      {"a neighbour owned in neither map", kP,
       [&](TPlateau&) {
         quatre(territoire, NOIR);
         territoire[ix(2, 2)] = NOIR;
         territoire[ix(2, 3)] = VIDE;
       },
       [](const TPlateau&) { return frontiereterritoire(NOIR, 2, 2); }, true},
      {"a listed point owned", kP, [](TPlateau&) { territoire[ix(4, 4)] = NOIR; },
       [](const TPlateau&) {
         const int32_t l[9] = {2, 0, 0, 3, 1, 7, 4, 4, 7};
         return listeterritoirecouleur(l, NOIR) && !listeterritoirecouleur(l, BLANC);
       },
       true},
      {"an empty list", kP, [](TPlateau&) { territoire.fill(NOIR); },
       [](const TPlateau&) {
         const int32_t l[3] = {0, 0, 0};
         return listeterritoirecouleur(l, NOIR);
       },
       false},
      {"a stone on its ground set in one mask and not the other", kP, [](TPlateau&) { territoire[ix(4, 4)] = BLANC; },
       [](const TPlateau& p) { return pierreterritoiremarquee(p, BLANC, marquesvides, marques({{4, 4}})); }, true},
      {"the stone set in both masks", kP, [](TPlateau&) { territoire[ix(4, 4)] = BLANC; },
       [](const TPlateau& p) { return pierreterritoiremarquee(p, BLANC, marques({{4, 4}}), marques({{4, 4}})); },
       false},
      {"the stone off its ground", kP, nullptr,
       [](const TPlateau& p) { return pierreterritoiremarquee(p, BLANC, marquesvides, marques({{4, 4}})); }, false},
      {"every neighbour on black's side, or 0 and black", kP, nullptr,
       [](const TPlateau& p) {
         TCarte v{};
         v[ix(3, 2)] = v[ix(2, 3)] = v[ix(1, 2)] = 4;  // (2,1) is black with 0
         return voisinsinfluencecouleur(p, v, NOIR, 2, 2);
       },
       true},
      {"an empty neighbour with 0", kP, nullptr,
       [](const TPlateau& p) {
         TCarte v{};
         v[ix(3, 2)] = v[ix(1, 2)] = 4;
         return voisinsinfluencecouleur(p, v, NOIR, 2, 2);
       },
       false},
      {"white's side is below 0", kP, nullptr,
       [](const TPlateau& p) {
         TCarte v{};
         v[ix(3, 2)] = v[ix(2, 3)] = v[ix(2, 1)] = -1;  // (1,2) is white with 0
         return voisinsinfluencecouleur(p, v, BLANC, 2, 2);
       },
       true},
  };
  for (const auto& k : cas) lance(k);
}

// The filling operations write into a board-like map and turn 1 into 2 in a
// second map. Maps are shown as boards ('X' 1, 'O' 0, '.' 2) with other
// values as digits.
TEST(PredicatsTable, FillingEmptyNeighbours) {
  auto texte = [](const TMarques& m) {
    std::string s;
    for (int32_t r = 1; r <= 5; ++r) {
      for (int32_t c = 1; c <= 5; ++c) {
        const int v = m[ix(r, c)];
        s += v == NOIR ? 'X' : v == BLANC ? 'O' : v == VIDE ? '.' : static_cast<char>('0' + v);
      }
      s += '\n';
    }
    return s;
  };
  TPlateau p = pose(kP);
  TMarques second = marquesvides;
  second[ix(3, 2)] = 1;
  second[ix(2, 3)] = 5;
  TMarques carte = p, second1 = second;
  remplitvoisinsvides(carte, second1, 7, 2, 2);
  EXPECT_TRUE(fixture::memesgrilles(
      "XO...\n"
      "X.7..\n"
      ".7O..\n"
      ".OXO.\n"
      ".....\n",
      texte(carte)));
  EXPECT_EQ(second1[ix(3, 2)], 2);
  EXPECT_EQ(second1[ix(2, 3)], 5);

  // A neighbour coded 5 or more carries the fill one point further, and to
  // the empty diagonal point beside it.
  carte = p;
  TMarques second2 = second;
  remplitvoisinsvides2(carte, second2, 7, 2, 2);
  EXPECT_TRUE(fixture::memesgrilles(
      "XO7..\n"
      "X.77.\n"
      ".7O..\n"
      ".OXO.\n"
      ".....\n",
      texte(carte)));
  EXPECT_EQ(second2[ix(3, 2)], 2);
}

}  // namespace
