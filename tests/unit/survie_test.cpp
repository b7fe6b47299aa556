// Survival family: the eye-space and dead-neighbour tests, the saving
// points of a threatened engine group, the restore contract.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/survie.h"
#include "tests/support/fixture.h"

namespace {

struct Resultat {
  TCarte survieA{}, survieB{};
  TMarques memoA{}, memoB{};
  TListePoints candidats{}, famille{};
};

std::unique_ptr<Resultat> survie(std::string_view diagramme, fixture::Partie partie = {}) {
  fixture::AnalyseRacine& a = fixture::analysemoteur(diagramme, partie);
  auto r = std::make_unique<Resultat>();
  TPlateau b = plateaumoteur;
  pionsmorts = marquesliaison1;
  r->memoA = a.ordi.deuxyeux;
  r->memoB = a.joueur.deuxyeux;
  TMarques analyse{};
  const uint8_t flag = flagsurvie;
  fixture::verifieinchange(b, [&] {
    const TCartesSurvieCote A{r->memoA, a.ordi.tues, a.ordi.sauves,
                              r->survieA, a.ordi.mortsapresessai, a.ordi.mortsapreslecture};
    const TCartesSurvieCote B{r->memoB, a.joueur.tues, a.joueur.sauves,
                              r->survieB, a.joueur.mortsapresessai, a.joueur.mortsapreslecture};
    coupdesurvie(A, B, analyse, r->candidats, 361, r->famille, 300, partie.trait, b);
  });
  EXPECT_EQ(flagsurvie, flag);
  return r;
}

// Restore contract on analysed positions: board, chain table, dead marks
// and flagsurvie as they were; lists within their capacities.
TEST(Survie, PositionAndFlagComeBack) {
  for (const char* d : {
           ".........\n.........\n...O.....\n..OXXO...\n...OO....\n.........\n......X..\n..X......\n.........\n",
           ".XO......\n.XO......\nXXO......\nOOO...X..\n.........\n......O..\n..X......\n.........\n.........\n",
       }) {
    for (const uint8_t flag : {0, 1}) {
      flagsurvie = flag;
      const auto r = survie(d);
      EXPECT_LE(nbpoints(r->candidats), 361);
      EXPECT_LE(nbpoints(r->famille), 300);
    }
  }
  flagsurvie = 1;
}

// The engine's lone stone at (1,1) is in atari; white at (1,2) takes it and
// kills the black stones around, marked dead. Black at (1,2) keeps two eyes
// possible (memo 1): the point gets 20 x (s + e) with s = 1 stone taken + 3
// (the trial's saving count) and e = 3 points of eye space, once in the list.
struct Parts {
  TMarques memoA{}, memoB{}, tueA{}, tueB{}, vitA{}, vitB{};
  TCarte survieA{}, survieB{};
  TListePoints candidats{}, famille{};
  TCartesParPoint morts2A{}, morts2B{}, mortsA{}, mortsB{};
  TCartesSurvieCote coteA() { return TCartesSurvieCote{memoA, tueA, vitA, survieA, mortsA, morts2A}; }
  TCartesSurvieCote coteB() { return TCartesSurvieCote{memoB, tueB, vitB, survieB, mortsB, morts2B}; }
};

TEST(Survie, SavingPointOfAStoneInAtari) {
  TPlateau p = fixture::posemoteur(
      "X.X....\n"
      "OX.....\n"
      "X......\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n");
  auto x = std::make_unique<Parts>();
  numerocoup = 10;
  coupdecide = 0;
  territoireaprendre[0] = territoireaprendre[1] = 0;
  lesfaibles = marquesvides;
  casescandidates = marquesvides;
  casescandidatesjoueur = marquesvides;
  essaiordi(1, 2).plateauessai2 = marquesvides;
  maxsurvie = 0;
  const int32_t i = indexcase(1, 2);
  x->memoA[i] = 1;
  x->memoA[indexcase(2, 3)] = 2;
  x->vitA[i] = 3;
  for (const auto& [r, c] : {std::pair{1, 3}, {2, 2}, {3, 1}}) x->mortsB[0][1][indexcase(r, c)] = 1;
  empilepoint(x->candidats, 361, 1, 2);  // proposed before: stays once
  TMarques analyse{};
  flagsurvie = 1;
  fixture::verifieinchange(p, [&] {
    coupdesurvie(x->coteA(), x->coteB(), analyse, x->candidats, 361, x->famille, 300, NOIR, p);
  });
  EXPECT_EQ(flagsurvie, 1);
  EXPECT_EQ(x->survieA[i], 20 * (4 + 3));
  EXPECT_EQ(maxsurvie, 7);
  EXPECT_EQ(nbpoints(x->candidats), 1);
  int32_t autres = 0;
  for (int32_t k = 0; k < NBCASES; ++k) autres += (k != i && x->survieA[k] != 0) + (x->survieB[k] != 0);
  EXPECT_EQ(autres, 0);
}

// Two stones in atari, (1,1) and (1,5), share the saving point (2,3) that
// links to the stones white's capture would kill. Scanned row by row, (1,2)
// proposes it first; the proposal from (1,4) replaces the value only when it
// is larger, and the point stands once in the list.
TEST(Survie, SecondProposalKeepsTheLargerValue) {
  const char* diagramme =
      "X.X.XO.\n"
      "OX.XO..\n"
      "X......\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n";
  struct Cas {
    int32_t vit2, attendu;
  } cas[] = {{9, 20 * 10}, {2, 20 * (2 + 3)}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.vit2);
    TPlateau p = fixture::posemoteur(diagramme);
    auto x = std::make_unique<Parts>();
    numerocoup = 10;
    coupdecide = 0;
    territoireaprendre[0] = territoireaprendre[1] = 0;
    lesfaibles = marquesvides;
    casescandidates = marquesvides;
    casescandidatesjoueur = marquesvides;
    essaiordi(1, 2).plateauessai2 = marquesvides;
    essaiordi(1, 4).plateauessai2 = marquesvides;
    maxsurvie = 0;
    const int32_t p1 = indexcase(1, 2), p2 = indexcase(1, 4), q = indexcase(2, 3);
    x->memoA[p1] = x->memoA[p2] = x->memoA[q] = 1;
    x->memoA[indexcase(3, 3)] = 2;
    x->vitA[p1] = 1;       // (1,2): s = 1 + 1, e = 3
    x->vitA[p2] = c.vit2;  // (1,4): s = 1 + vit2, open space: e = 0
    for (const int32_t m : {indexcase(1, 3), indexcase(2, 2), indexcase(3, 1)}) x->mortsB[0][1][m] = 1;
    for (const int32_t m : {indexcase(1, 3), indexcase(2, 4)}) x->mortsB[0][3][m] = 1;
    TMarques analyse{};
    fixture::verifieinchange(p, [&] {
      coupdesurvie(x->coteA(), x->coteB(), analyse, x->candidats, 361, x->famille, 300, NOIR, p);
    });
    EXPECT_EQ(x->survieA[p1], 20 * (2 + 3));
    EXPECT_EQ(x->survieA[p2], 20 * (1 + c.vit2));
    EXPECT_EQ(x->survieA[q], c.attendu);
    int32_t fois = 0;
    for (int32_t k = 1; k <= nbpoints(x->candidats); ++k)
      fois += ligneliste(x->candidats, k) == 2 && colonneliste(x->candidats, k) == 3;
    EXPECT_EQ(fois, 1);
    EXPECT_EQ(nbpoints(x->candidats), 3);
  }
}

// White's straight three in the corner: black at the vital point (1,2)
// kills it (the white stones dead after black's trial), white there lives
// (memo 1). The opponent's survival point gets 20 x (s + e), s = 2 from the
// opponent's life test, e = 3 points of eye space; it joins both lists, and
// the white stones it saves carry bits 0x80 and 0x10 in their own records.
// Both sides' trial records at (r, c): each side's stone played there on
// the diagram, its board and chain table kept, every count and mark clear.
// The engine is left on the diagram.
void poseessais(TPlateau& p, const char* diagramme, int32_t r, int32_t c) {
  for (const uint8_t k : {BLANC, NOIR}) {
    TPlateau essai = p;
    TListePoints prises{};
    jouecoup(prises, 300, essai, r, c, k, static_cast<uint8_t>(1 - k));
    TEssaiCoup& e = k == BLANC ? essaijoueur(r, c) : essaiordi(r, c);
    e.plateauessai = essai;
    e.infochaineessai = infochaine;
    e.plateauessai2 = marquesvides;
    e.carte2essai = marquesvides;
    e.carte3essai = marquesvides;
    e.marquesessai = marquesvides;
    e.nbprisesessai = 0;
    e.nbtuesessai = 0;
    e.gainmoyoordi = 0;
    e.gainmoyojoueur = 0;
    e.compteur3essai = 0;
    e.compteur4essai = 0;
    e.formeessai = 0;
    e.marqueessai = 0;
    p = fixture::posemoteur(diagramme);
  }
}

// The opponent's vital point at the index i of the diagram of the two tests
// below: the records' marks and the turn's globals cleared, i the opponent's
// only candidate with its memo set, the engine's stones around it dead after
// the opponent's trial there.
std::unique_ptr<Parts> scenevital(int32_t i) {
  for (int32_t r = 1; r <= 7; ++r)
    for (int32_t c = 1; c <= 7; ++c) essaijoueur(r, c).marquesessai = marquesvides;
  auto x = std::make_unique<Parts>();
  numerocoup = 10;
  coupdecide = 0;
  territoireaprendre[0] = territoireaprendre[1] = 0;
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  lesfaibles = marquesvides;
  marquesglobales = marquesvides;
  listesurvie = marquesvides;
  marquessurvie = marquesvides;
  casescandidates = marquesvides;
  casescandidatesjoueur = marquesvides;
  casescandidatesjoueur[i] = 1;
  maxsurvie = 0;
  x->memoB[i] = 1;
  for (const int32_t q : {indexcase(1, 4), indexcase(2, 1), indexcase(2, 2), indexcase(2, 3), indexcase(2, 4)})
    x->mortsA[0][1][q] = 1;
  return x;
}

TEST(Survie, OpponentVitalPoint) {
  const char* diagramme =
      "...OX..\n"
      "OOOOX..\n"
      "XXXXX..\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n";
  TPlateau p = fixture::posemoteur(diagramme);
  const int32_t i = indexcase(1, 2);
  poseessais(p, diagramme, 1, 2);
  auto x = scenevital(i);
  x->vitB[i] = 2;
  TMarques analyse{};
  fixture::verifieinchange(p, [&] {
    coupdesurvie(x->coteA(), x->coteB(), analyse, x->candidats, 361, x->famille, 300, NOIR, p);
  });
  EXPECT_EQ(x->survieB[i], 20 * (2 + 3));
  EXPECT_EQ(maxsurvie, 5);
  ASSERT_EQ(nbpoints(x->famille), 1);
  ASSERT_EQ(nbpoints(x->candidats), 1);
  EXPECT_EQ(ligneliste(x->famille, 1), 1);
  EXPECT_EQ(colonneliste(x->famille, 1), 2);
  EXPECT_EQ(essaijoueur(2, 2).marquesessai[indexcase(2, 2)] & 0x90, 0x90);
  EXPECT_EQ(essaijoueur(1, 4).marquesessai[indexcase(1, 4)] & 0x90, 0x90);
  EXPECT_EQ(essaijoueur(3, 1).marquesessai[indexcase(3, 1)], 0);
  // Without the opponent's candidate mark, nothing.
  casescandidatesjoueur[i] = 0;
  auto y = std::make_unique<Parts>();
  y->vitB[i] = 2;
  y->memoB[i] = 1;
  y->mortsA = x->mortsA;
  coupdesurvie(y->coteA(), y->coteB(), analyse, y->candidats, 361, y->famille, 300, NOIR, p);
  EXPECT_EQ(y->survieB[i], 0);
  EXPECT_EQ(nbpoints(y->famille), 0);
}

// The same vital point without the opponent's life test: the pre-test then
// rests on the shape flags of the opponent's trial when its stone links to
// a weak stone: an eye-like neighbour (1) or a second spoilt one (4) lets
// it pass while the stone lives after its trial; one spoilt neighbour (2) or
// a flag of the readings (0x40) does not.
TEST(Survie, OpponentPreTestOnTheShapeFlags) {
  const char* diagramme =
      "...OX..\n"
      "OOOOX..\n"
      "XXXXX..\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n";
  struct Cas {
    int32_t formes, valeur;
  } cas[] = {{0, 0}, {0x40, 0}, {2, 0}, {1, 20 * (2 + 3)}, {4, 20 * (2 + 3)}};
  for (const Cas& k : cas) {
    TPlateau p = fixture::posemoteur(diagramme);
    const int32_t i = indexcase(1, 2);
    poseessais(p, diagramme, 1, 2);
    essaijoueur(1, 2).formeessai = k.formes;
    essaijoueur(1, 2).marqueessai = 1;  // linked to a weak stone
    essaiordi(1, 2).compteur4essai = 2;
    auto x = scenevital(i);
    TMarques analyse{};
    fixture::verifieinchange(p, [&] {
      coupdesurvie(x->coteA(), x->coteB(), analyse, x->candidats, 361, x->famille, 300, NOIR, p);
    });
    EXPECT_EQ(x->survieB[i], k.valeur) << k.formes;
  }
  essaiordi(1, 2).compteur4essai = 0;
}

// The eye space of black from a point, and the dead-neighbour test.
TEST(Survie, EyeSpaceAndDeadNeighbours) {
  const TPlateau p = fixture::posemoteur(
      ".X.....\n"
      "XO.....\n"
      ".X.....\n"
      "X......\n"
      ".......\n"
      ".......\n"
      ".......\n");
  // A live black stone borders the space: 1000.
  EXPECT_EQ(compteespaceoeil(p, NOIR, 1, 1), 1000);
  EXPECT_FALSE(testvoisinsmorts(p, NOIR, 1, 1));
  // With the black stones dead, the flood stops at them: (1,1) alone, then
  // through the white stone at (2,2) to (2,3) and beyond.
  pionsmorts[indexcase(1, 2)] = pionsmorts[indexcase(2, 1)] = 1;
  EXPECT_EQ(compteespaceoeil(p, NOIR, 1, 1), 1);
  EXPECT_TRUE(testvoisinsmorts(p, NOIR, 1, 1));
  // No black neighbour: an empty neighbour next to a live black stone spoils it.
  EXPECT_FALSE(testvoisinsmorts(p, NOIR, 5, 2));
  EXPECT_TRUE(testvoisinsmorts(p, NOIR, 6, 6));
  pionsmorts = marquesvides;
}

}  // namespace
