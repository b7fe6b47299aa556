// The opening driver: the 9x9 book first, the heuristics only when the book
// decided nothing.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/board/jeu.h"
#include "engine/opening/ouverture.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

std::map<std::string, std::string> items;

std::span<const uint8_t> sourcefixture(std::string_view nom) {
  std::string m(nom);
  for (char& c : m) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto it = items.find(m);
  if (it == items.end()) return {};
  return {reinterpret_cast<const uint8_t*>(it->second.data()), it->second.size()};
}

std::string octets(int32_t v) {
  std::string s;
  for (int k = 0; k < 4; ++k) s.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF));
  return s;
}

struct Cartes {
  TCarte zero = {};
  TCartesParPoint morts{};
  TCartesOuverture vue() const { return {zero, zero, zero, zero, zero, zero, morts, morts}; }
};

class Ouverture : public ::testing::Test {
 protected:
  void TearDown() override {
    seamlivres::fixesource(nullptr);
    items.clear();
  }
};

TEST_F(Ouverture, ANineByNineBookDecisionSkipsEveryHeuristic) {
  seamlivres::fixesource(sourcefixture);
  TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  numerocoup = 0;
  phasedebut = 1;
  casescandidates = marquesvides;
  casescandidates[indexcase(5, 5)] = 1;
  TEssaiCoup& e = essaiordi(5, 5);
  e.plateauessai = p;
  e.plateauessai[indexcase(5, 5)] = NOIR;
  calculelibertes(e.plateauessai);
  e.infochaineessai = infochaine;
  calculelibertes(p);
  Cartes cartes;
  for (bool livre : {true, false}) {
    items.clear();
    if (livre) {
      items["BASE99NOIRCLE"] = octets(calculeclesymetrie(e.plateauessai));
      items["BASE99NOIRRESULT"] = octets(5);
    }
    coupdebutchoisi = 0;
    coupbasetrouve = 0;
    valeurscoins = zerobonus;
    valeurscoins[indexcase(3, 3)] = 7;  // the joseki valuation clears it when it runs
    TMarques exclus = marquesvides;
    TCarte scores = zerobonus;
    TListePoints liste{};
    TPoint choisi{};
    coupdebutpartie(exclus, p, TPoint{}, choisi, scores, valeurscoins, liste, 361, cartes.vue());
    EXPECT_EQ(coupbasetrouve, livre ? 1 : 0);
    EXPECT_EQ(valeurscoins[indexcase(3, 3)], livre ? 7 : 0) << livre;
    EXPECT_EQ(choisi.ligne, 0);
  }
}

TEST_F(Ouverture, TheSecondRouteSeesTheComplementOfTheZone) {
  seamlivres::fixesource(sourcefixture);  // an empty book
  // White's last move at 3-3 next to a black stone: the zone is the
  // upper-left 5x5 area.
  TPlateau p = fixture::posemoteur(
      ".........\n.X.......\n..O......\n.........\n.........\n.........\n.........\n.........\n.........\n");
  plateaudepart = p;
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  numerocoup = 30;
  phasedebut = 1;
  debutpartie = 1;
  flagdanger = 0;
  lesfaibles = marquesvides;
  suggestionsjoseki = marquesvides;
  casescandidates = marquesvides;
  for (auto& ligne : essaisordi)
    for (TEssaiCoup& e : ligne) {
      e.carte2essai = marquesvides;
      e.plateauessai2 = marquesvides;
    }
  Cartes cartes;
  for (bool dedans : {false, true}) {
    // A lone engine joseki move outside the zone, and one inside it or not.
    suggestionsjoseki = marquesvides;
    suggestionsjoseki[indexcase(2, 7)] = 1 | 16;
    casescandidates[indexcase(2, 7)] = 1;
    if (dedans) {
      suggestionsjoseki[indexcase(4, 2)] = 1 | 128;
      casescandidates[indexcase(4, 2)] = 1;
    }
    coupdebutchoisi = 0;
    coupdecide = 0;
    TMarques exclus = marquesvides;
    TCarte scores = zerobonus;
    TListePoints liste{};
    TPoint choisi{};
    coupdebutpartie(exclus, p, TPoint{3, 3}, choisi, scores, valeurscoins, liste, 361, cartes.vue());
    if (dedans) {
      // Decided in the zone: boosted there, the outside never valued.
      EXPECT_EQ(coupdebutchoisi, 1);
      EXPECT_GT(valeurscoins[indexcase(4, 2)], 500);
      EXPECT_EQ(valeurscoins[indexcase(2, 7)], 0);
    } else {
      // Nothing in the zone: the second route values the outside only.
      EXPECT_EQ(coupdebutchoisi, 0);
      EXPECT_GT(valeurscoins[indexcase(2, 7)], 0);
      EXPECT_LT(valeurscoins[indexcase(2, 7)], 500);
    }
  }
}

}  // namespace
