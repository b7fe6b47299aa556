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

}  // namespace
