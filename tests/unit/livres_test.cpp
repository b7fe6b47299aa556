// The position books: key search, loading, the 9x9 scoring and threshold,
// the reply test, and the 19x19 hits, on fixture tables.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/opening/livres.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

// Fixture items by name, served through the books' seam.
std::map<std::string, std::string> items;

std::span<const uint8_t> sourcefixture(std::string_view nom) {
  std::string majuscules(nom);
  for (char& c : majuscules) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto it = items.find(majuscules);
  if (it == items.end()) return {};
  return {reinterpret_cast<const uint8_t*>(it->second.data()), it->second.size()};
}

std::string octets(const std::vector<int32_t>& t) {
  std::string s;
  for (int32_t v : t)
    for (int k = 0; k < 4; ++k) s.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF));
  return s;
}

// Keys and results of one 9x9 colour, sorted by key.
void table99(const char* couleur, std::map<int32_t, int32_t> entrees) {
  std::vector<int32_t> cles, results;
  for (auto [k, r] : entrees) {
    cles.push_back(k);
    results.push_back(r);
  }
  items[std::string("BASE99") + couleur + "CLE"] = octets(cles);
  items[std::string("BASE99") + couleur + "RESULT"] = octets(results);
}

class Livres : public ::testing::Test {
 protected:
  void SetUp() override {
    items.clear();
    seamlivres::fixesource(sourcefixture);
  }
  void TearDown() override {
    seamlivres::fixesource(nullptr);
    liberebase99();
    liberebase1919();
  }
  // The engine (colour `couleur`) on `texte` with candidates whose trial
  // records hold the board after the move.
  TPlateau pose(std::string_view texte, uint8_t couleur, std::initializer_list<TPoint> points) {
    TPlateau p = fixture::posemoteur(texte);
    couleurordi = couleur;
    couleurjoueur = static_cast<uint8_t>(1 - couleur);
    casescandidates = marquesvides;
    for (TPoint q : points) {
      casescandidates[indexcase(q.ligne, q.colonne)] = 1;
      TEssaiCoup& e = essaiordi(q.ligne, q.colonne);
      e.plateauessai = p;
      e.plateauessai[indexcase(q.ligne, q.colonne)] = couleur;
      calculelibertes(e.plateauessai);
      e.infochaineessai = infochaine;
      e.compteur1essai = e.compteur2essai = 0;
      e.carteessaimoyo.fill(VIDE);
      calculelibertes(p);
    }
    return p;
  }
  static int32_t cleapres(TPoint q) { return calculeclesymetrie(essaiordi(q.ligne, q.colonne).plateauessai); }
};

constexpr const char* VIDE9 =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

TEST_F(Livres, SearchGivesTheIndexOrTheInsertionPoint) {
  const std::vector<int32_t> petite = {0, -5, 3, 8};
  std::vector<int32_t> grande = {0};
  for (int32_t v = -40; v <= 40; v += 4) grande.push_back(v);  // 21 keys
  struct Cas {
    const std::vector<int32_t>* table;
    int32_t nombre, cle;
    bool trouve;
    int32_t index;
  };
  const std::vector<int32_t> vide = {0};
  const Cas cas[] = {
      {&vide, 0, 7, false, 1},       {&petite, 3, -9, false, 1}, {&petite, 3, 3, true, 2},
      {&petite, 3, 4, false, 3},     {&petite, 3, 9, false, 4},  {&grande, 21, -40, true, 1},
      {&grande, 21, 40, true, 21},   {&grande, 21, 1, false, 12}, {&grande, 21, 0, true, 11},
      {&grande, 21, 41, false, 22},  {&grande, 21, -41, false, 1}, {&grande, 21, -37, false, 2},
      {&grande, 50, 41, false, 22},  // a count beyond the table is clipped
  };
  for (const Cas& c : cas) {
    int32_t index = -1;
    EXPECT_EQ(cherchecle(c.cle, *c.table, c.nombre, index), c.trouve) << c.cle;
    EXPECT_EQ(index, c.index) << c.cle << " in " << c.nombre;
  }
}

TEST_F(Livres, LoadingRefusesShortOrUnsortedTables) {
  table99("NOIR", {{1, 5}, {2, 6}, {3, 7}});
  table99("BLANC", {{4, 1}, {9, 2}});
  int32_t noirs = 0, blancs = 0;
  chargebase99(noirs, blancs);
  EXPECT_EQ(noirs, 3);
  EXPECT_EQ(blancs, 2);
  EXPECT_EQ(tabresult99noir[3], 7);
  // A result item shorter than its keys: no table for that colour.
  items["BASE99NOIRRESULT"] = octets({5, 6});
  // Keys out of order: no table either.
  items["BASE99BLANCCLE"] = octets({9, 4});
  chargebase99(noirs, blancs);
  EXPECT_EQ(noirs, 0);
  EXPECT_EQ(blancs, 0);
}

TEST_F(Livres, NineByNineScoresFiltersAndSetsTheThreshold) {
  numerocoup = 19;
  const TPoint a{5, 5}, b{3, 3}, c{3, 5}, d{1, 1}, e{2, 2};
  const TPlateau p = pose(VIDE9, NOIR, {a, b, c, d, e});
  table99("NOIR", {{cleapres(a), 7}, {cleapres(b), 5}, {cleapres(c), 4}, {cleapres(d), -2}});
  TCarte scores = zerobonus, second = zerobonus;
  second.fill(9);
  TMarques exclus = marquesvides;
  TListePoints liste{};
  // A seed whose first draw of Random(4) (move 5 on) is 3: threshold 7 - 21 div 10 = 5.
  uint32_t graine = 0;
  for (;; ++graine) {
    platform::fixegraine(graine);
    if (platform::Random(4) == 3) break;
  }
  platform::fixegraine(graine);
  coupbasetrouve = 0;
  coupdebutchoisi = 0;
  consultebase99(exclus, p, liste, 20, scores, second, 361);
  EXPECT_EQ(coupbasetrouve, 1);
  EXPECT_EQ(coupdebutchoisi, 1);
  EXPECT_GE(scores[indexcase(5, 5)], 1007);
  EXPECT_GE(scores[indexcase(3, 3)], 1005);
  EXPECT_EQ(scores[indexcase(3, 5)], 4);
  EXPECT_EQ(scores[indexcase(1, 1)], -20);  // ten times a negative result
  EXPECT_EQ(second[indexcase(1, 1)], 0);
  EXPECT_EQ(scores[indexcase(2, 2)], 0);    // not in the book
  for (TPoint q : {c, d, e}) EXPECT_EQ(exclus[indexcase(q.ligne, q.colonne)], 1);
  for (TPoint q : {a, b}) EXPECT_EQ(exclus[indexcase(q.ligne, q.colonne)], 0);
  EXPECT_EQ(nbpoints(liste), 3);
}

TEST_F(Livres, NineByNineIsSilentFromTheMoveLimitOn) {
  numerocoup = 20;
  const TPoint a{5, 5};
  const TPlateau p = pose(VIDE9, NOIR, {a});
  table99("NOIR", {{cleapres(a), 7}});
  TCarte scores = zerobonus, second = zerobonus;
  TMarques exclus = marquesvides;
  TListePoints liste{};
  coupbasetrouve = 0;
  consultebase99(exclus, p, liste, 20, scores, second, 361);
  EXPECT_EQ(coupbasetrouve, 0);
  EXPECT_EQ(scores[indexcase(5, 5)], 0);
}

TEST_F(Livres, MovesWithoutABookReplyAreKeptAlone) {
  numerocoup = 0;
  const TPoint a{5, 5}, b{3, 3};
  const TPlateau p = pose(VIDE9, NOIR, {a, b});
  // White has a recommended answer to a (at 3 5) but none to b.
  TPlateau reponse = essaiordi(5, 5).plateauessai;
  reponse[indexcase(3, 5)] = BLANC;
  table99("NOIR", {{cleapres(a), 9}, {cleapres(b), 4}});
  table99("BLANC", {{calculeclesymetrie(reponse), 3}});
  TCarte scores = zerobonus, second = zerobonus;
  TMarques exclus = marquesvides;
  TListePoints liste{};
  platform::fixegraine(1);
  consultebase99(exclus, p, liste, 20, scores, second, 361);
  EXPECT_EQ(exclus[indexcase(5, 5)], 1);
  EXPECT_GE(scores[indexcase(3, 3)], 1004);
  EXPECT_EQ(exclus[indexcase(3, 3)], 0);
}

constexpr const char* DIAGRAMME19 =
    "...................\n...................\n...................\n...X...........X...\n"
    "...................\n...................\n...................\n...................\n"
    "...................\n...................\n...................\n...................\n"
    "...................\n...................\n...................\n...O...............\n"
    "...................\n...................\n...................\n";

TEST_F(Livres, NineteenOneHitNamesTheMoveTwoHitsExcludeTheRest) {
  const TPoint a{16, 16}, b{4, 10}, c{10, 10};
  TPlateau p = pose(DIAGRAMME19, BLANC, {a, b, c});
  // Two black and two white stones after the move: table 202.
  items["202BASE1919CLE"] = octets({cleapres(a)});
  TPoint choisi{};
  TMarques exclus = marquesvides;
  TCarte scores = zerobonus;
  TListePoints liste{};
  consultebase1919(choisi, exclus, p, scores, 361, liste);
  EXPECT_EQ(choisi.ligne, 16);
  EXPECT_EQ(choisi.colonne, 16);
  EXPECT_EQ(scores[indexcase(16, 16)], 1001);
  EXPECT_TRUE(tabcle1919.empty());

  std::vector<int32_t> deux = {cleapres(a), cleapres(b)};
  std::sort(deux.begin(), deux.end());
  items["202BASE1919CLE"] = octets(deux);
  choisi = {};
  scores = zerobonus;
  consultebase1919(choisi, exclus, p, scores, 361, liste);
  EXPECT_EQ(choisi.ligne, 0);
  EXPECT_EQ(exclus[indexcase(10, 10)], 1);
  EXPECT_EQ(exclus[indexcase(16, 16)], 0);
  EXPECT_EQ(exclus[indexcase(4, 10)], 0);
}

TEST_F(Livres, NineteenMoyoTableWhenTheKeysMiss) {
  const TPoint a{16, 16};
  TPlateau p = pose(DIAGRAMME19, BLANC, {a});
  items["202BASE1919CLE"] = octets({12345});
  items["202BASE1919CLEMOYO"] =
      octets({calculeclemoyo(essaiordi(16, 16).plateauessai, essaiordi(16, 16).carteessaimoyo, BLANC)});
  TPoint choisi{};
  TMarques exclus = marquesvides;
  TCarte scores = zerobonus;
  TListePoints liste{};
  consultebase1919(choisi, exclus, p, scores, 361, liste);
  EXPECT_EQ(choisi.ligne, 16);
}

TEST_F(Livres, NineteenCountsOutsideTheBookGiveNothing) {
  // 13 black stones and 5 white, black to play: (B 14, W 5), W below B - 8.
  std::string d;
  for (int l = 1; l <= 19; ++l) {
    std::string ligne(19, '.');
    if (l <= 13) ligne[static_cast<std::size_t>(l) - 1] = 'X';
    if (l >= 15) ligne[18] = 'O';
    d += ligne + "\n";
  }
  const TPoint a{10, 15};
  TPlateau p = pose(d, NOIR, {a});
  items["1405BASE1919CLE"] = octets({cleapres(a)});
  items["1405BASE1919CLEMOYO"] = octets({cleapres(a)});
  TPoint choisi{};
  TMarques exclus = marquesvides;
  TCarte scores = zerobonus;
  TListePoints liste{};
  consultebase1919(choisi, exclus, p, scores, 361, liste);
  EXPECT_EQ(choisi.ligne, 0);
  EXPECT_EQ(scores[indexcase(10, 15)], 0);
}

TEST_F(Livres, LowLonelyPointsAreSkippedOnNineteen) {
  const TPlateau p = pose(DIAGRAMME19, BLANC, {});
  struct Cas {
    int32_t l, c;
    bool evite;
  } const cas[] = {
      {3, 10, false},  // third line
      {1, 10, true},   // first line, no own stone around
      {2, 10, true},   // second line, no own stone within two
      {2, 4, true},    // black's stone is no help to white
      {18, 4, false},  // second line, the white stone within two
      {19, 5, true},   // first line, the white stone not around it
  };
  for (const Cas& c : cas) EXPECT_EQ(coupaeviterbase1919(p, c.l, c.c), c.evite) << c.l << " " << c.c;
}

}  // namespace
