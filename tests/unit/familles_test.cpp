// The family maps of the root and their sums; the root pipeline on whole
// positions prepared as a genmove prepares them.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/choice/familles.h"
#include "engine/proposals/cadre.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

// The maps of one root: far too large for the stack.
std::unique_ptr<TCartesFamilles> nouvelles() {
  auto f = std::make_unique<TCartesFamilles>();
  std::memset(static_cast<void*>(f.get()), 0, sizeof(TCartesFamilles));
  return f;
}

TEST(Familles, SumsTakeEachTermOnceAndNothingElse) {
  configmoteur.taille = 9;
  auto f = nouvelles();
  valeurscoins.fill(0);
  const int32_t i = indexcase(3, 4);
  // Every summed term gets its own bit.
  int32_t bit = 1;
  int32_t attendu = 0;
  for (TCarte* m : {&f->bonuscombatsemai, &f->bonusdebutfin, &f->titebite, &f->fortificationordi, &f->survieordi,
                    &f->surviejoueur, &f->coupuredangereuse, &f->coupurebambou, &f->iajoueur, &f->protection,
                    &f->testprojet, &f->atariordi, &f->atarijoueur, &f->coupforceordi, &f->flou,
                    &f->invasionforteordi, &f->faitmortordi, &f->separationordi, &valeurscoins}) {
    (*m)[i] = bit;
    attendu += bit;
    bit <<= 1;
  }
  f->faiblesse[i] = 1;
  f->invasiondefenseordi[i] = 2;
  attendu += 3;
  // Maps in neither sum or only in the opponent's.
  f->fourchetteordi[i] = 1 << 28;
  f->coupforcejoueur[i] = 1 << 28;
  f->testtueordi[i] = f->testtuejoueur[i] = f->testvitordi[i] = f->testvitjoueur[i] = 200;
  f->fortificationjoueur[i] = 1;
  f->invasionfortejoueur[i] = 2;
  f->faitmortjoueur[i] = 4;
  f->separationjoueur[i] = 8;
  f->invasiondefensejoueur[i] = 16;
  f->fourchettejoueur[i] = 32;
  // The opponent's atari term is in both sums.
  sommecartes(*f);
  EXPECT_EQ(f->somme[i], attendu);
  EXPECT_EQ(f->sommejoueur[i], 1 + 2 + 4 + 8 + 16 + 32 + f->atarijoueur[i]);
  // Occupied points are summed too, points beyond the board size are not.
  f->flou[indexcase(9, 9)] = 5;
  f->flou[indexcase(10, 10)] = 5;
  sommecartes(*f);
  EXPECT_EQ(f->somme[indexcase(9, 9)], 5);
  EXPECT_EQ(f->somme[indexcase(10, 10)], 0);
  valeurscoins.fill(0);
}

struct Racine {
  std::unique_ptr<TCartesFamilles> f = nouvelles();
  TListePoints candidats{}, candidatsracine{};
  TMarques mortsracine{};
  TPoint choisi{};
  TSuiteRacine suite = RACINECHERCHE;
  TPlateau plateau{};
};

// The position prepared as the search prepares it, then the root pipeline.
std::unique_ptr<Racine> racine(std::string_view diagramme, bool passe, TPoint dernier = {}) {
  const fixture::Position pos = fixture::diagramme(diagramme);
  fixture::Partie partie;
  partie.passe = passe;
  partie.trait = NOIR;
  partie.dernier = dernier;
  fixture::analyseracine(pos.plateau, pos.taille, partie);
  auto r = std::make_unique<Racine>();
  r->plateau = plateaumoteur;
  TPlateau b = plateaumoteur;
  pionsmorts = marquesliaison1;
  procedurefinpartie = 0;
  phasefinale = 0;
  ordipasse = 0;
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  TContexteCadre x{*r->f, b, NOIR, BLANC, derniercoup, avantderniercoup, pointko, r->mortsracine, r->candidats,
                   r->candidatsracine, r->choisi};
  r->suite = famillesracine(x);
  EXPECT_TRUE(fixture::memesplateaux(r->plateau, b));
  EXPECT_EQ(infochaine, chaines);
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
  return r;
}

constexpr const char* kMilieu =
    ".........\n"
    "..X...O..\n"
    ".........\n"
    "...X.O...\n"
    "....XO...\n"
    "...XO....\n"
    ".........\n"
    "..X...O..\n"
    ".........\n";

TEST(Familles, RootListOfAnOpenPosition) {
  const auto r = racine(kMilieu, false, TPoint{6, 5});
  EXPECT_EQ(r->suite, RACINECHERCHE);
  ASSERT_GT(nbpoints(r->candidats), 0);
  EXPECT_EQ(r->candidatsracine, r->candidats);
  EXPECT_EQ(ordipasse, 0);
  for (int32_t k = 1; k <= nbpoints(r->candidats); ++k) {
    const int l = ligneliste(r->candidats, k), c = colonneliste(r->candidats, k);
    const int32_t i = indexcase(l, c);
    EXPECT_EQ(r->plateau[i], VIDE) << l << "," << c;
    EXPECT_FALSE(l == pointko.ligne && c == pointko.colonne);
  }
  // The sum is made: some listed point has a positive value.
  bool positif = false;
  for (int32_t k = 1; k <= nbpoints(r->candidats); ++k)
    positif |= r->f->somme[indexcase(ligneliste(r->candidats, k), colonneliste(r->candidats, k))] > 0;
  EXPECT_TRUE(positif);
}

// The frame runs its 29 steps in their order when the root searches.
TEST(Familles, FrameRunsTheStepsInOrder) {
  const auto r = racine(kMilieu, false, TPoint{6, 5});
  ASSERT_EQ(r->suite, RACINECHERCHE);
  ASSERT_EQ(r->f->nbetapes, 29);
  for (int32_t k = 0; k < 29; ++k) EXPECT_EQ(r->f->etapes[k], k + 1);
}

// A fake frame: each step notes its number; a family step plays a stone and
// marks dead stones, which the guard takes back; step 19 may answer a book
// move, which ends the frame before steps 20 to 29.
std::vector<int32_t> journal;
bool livre = false;
TSuiteRacine noteetape(TContexteCadre& x, int32_t k) {
  journal.push_back(k);
  return k == 19 && livre ? (x.choisi = TPoint{3, 3}, RACINEOUVERTURE) : RACINECHERCHE;
}
template <int K>
TSuiteRacine etapefausse(TContexteCadre& x) {
  return noteetape(x, K);
}
template <int K>
TSuiteRacine famillefausse(TContexteCadre& x) {
  TListePoints prises{};
  jouecoup(prises, 300, x.b, 5, 5, NOIR, BLANC);
  pionsmorts[indexcase(1, 1)] = 1;
  return noteetape(x, K);
}
template <int... K>
std::vector<TEtapeCadre> cadrefaux(std::integer_sequence<int, K...>) {
  return {TEtapeCadre{K + 1, (K + 1) % 2 == 0, (K + 1) % 2 == 0 ? famillefausse<K + 1> : etapefausse<K + 1>}...};
}

TEST(Familles, BookMoveAtStepNineteenEndsTheFrame) {
  const TPlateau depart = fixture::posemoteur(".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  const auto etapes = cadrefaux(std::make_integer_sequence<int, 29>{});
  for (const bool avec : {false, true}) {
    SCOPED_TRACE(avec ? "book move" : "no book move");
    livre = avec;
    journal.clear();
    Racine r;
    TPlateau b = depart;
    TPoint dernier{}, ko{};
    TContexteCadre x{*r.f, b, NOIR, BLANC, dernier, dernier, ko, r.mortsracine, r.candidats, r.candidatsracine,
                     r.choisi};
    fixture::verifieinchange(b, [&] {
      r.suite = deroulecadre(etapes.data(), static_cast<int32_t>(etapes.size()), x);
    });
    EXPECT_EQ(b[indexcase(5, 5)], VIDE);
    const int32_t dernieretape = avec ? 19 : 29;
    ASSERT_EQ(static_cast<int32_t>(journal.size()), dernieretape);
    for (int32_t k = 0; k < dernieretape; ++k) EXPECT_EQ(journal[k], k + 1);
    EXPECT_EQ(r.f->nbetapes, dernieretape);
    EXPECT_EQ(r.suite, avec ? RACINEOUVERTURE : RACINECHERCHE);
    if (avec) {
      EXPECT_EQ(r.choisi.ligne, 3);
    }
  }
  livre = false;
}

// The value rule and the bounded lists every family writes through.
TEST(Familles, ValueRuleKeepsTheLargerValueAndListsStayBounded) {
  TCarte carte{};
  ecritvaleur(carte, 7, 40);
  ecritvaleur(carte, 7, 20);
  EXPECT_EQ(carte[7], 40);
  ecritvaleur(carte, 7, 60);
  EXPECT_EQ(carte[7], 60);
  TListePoints l{};
  proposecase(l, CAPACITEFAMILLE, 2, 3);
  proposecase(l, CAPACITEFAMILLE, 2, 3);
  EXPECT_EQ(nbpoints(l), 1);
  // 361 points offered to the family list: it keeps 300.
  for (int32_t r = 1; r <= 19; ++r)
    for (int32_t c = 1; c <= 19; ++c) proposecase(l, CAPACITEFAMILLE, r, c);
  EXPECT_EQ(nbpoints(l), CAPACITEFAMILLE);
}

// The opponent passed and nothing is left: the root ends in a pass.
TEST(Familles, SettledPositionAfterAPassEndsInAPass) {
  const auto r = racine(
      "....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n", true);
  EXPECT_EQ(r->suite, RACINEPASSE);
  EXPECT_EQ(ordipasse, 1);
}

}  // namespace
