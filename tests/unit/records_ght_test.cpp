// GHT reader through the loading entry: the fixture file and headers built
// by the test.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/unit/records_support.h"

namespace {

using records_test::Charge;
using records_test::donnee;
using records_test::Fichier;

// A header (56 bytes) with the given size code, handicap and komi byte,
// followed by the move bytes.
std::string ght(uint8_t taille, uint8_t handicap, uint8_t komi, const std::string& coups, uint8_t premier = 'G') {
  std::string h(56, '\0');
  h[0] = static_cast<char>(premier);
  h.replace(20, 3, "Ann");
  h[51] = static_cast<char>(taille);
  h[50] = static_cast<char>(handicap);
  h[53] = static_cast<char>(komi);
  return h + coups;
}

TEST(RecordsGht, Headers) {
  struct Cas {
    const char* nom;
    std::string octets;  // empty: the fixture partie.ght
    const char* arbre;
    const char* messages;  // "%f" stands for the file's path
    std::function<void(const TArbre&, const TConfig&)> verifie;
  };
  const Cas cas[] = {
      {"fixture: 13x13, komi 6.5, a pass, a point above 255, an unknown record, an odd byte", "",
       "0 4 1#1@4,10 2#2@0,0 1#3@13,1", "",
       [](const TArbre& h, const TConfig& c) {
         const TGameInfo& i = h.premierfils->donnees->infopartie;
         EXPECT_EQ(c.taille, 13);
         EXPECT_EQ(c.komi, 6.5);
         EXPECT_EQ(i.komi, "6.5");
         EXPECT_EQ(c.regle, 2);
         EXPECT_EQ(i.regles, "Chinese");
         EXPECT_EQ(c.infopartie[2], "4-5-6");
         EXPECT_EQ(i.date, "4-5-6");
         EXPECT_EQ(c.infopartie[11], "Test game");
         EXPECT_EQ(c.infopartie[1], "Ann");
         EXPECT_EQ(c.infopartie[10], "Bob");
         EXPECT_EQ(c.handicap, 0);
       }},
      {"byte 0 = 28: no game name, the black player still read", ght(4, 0, 0, "", 28), "0 4", "",
       [](const TArbre&, const TConfig& c) {
         EXPECT_EQ(c.infopartie[11], "");
         EXPECT_EQ(c.infopartie[1], "Ann");
         EXPECT_EQ(c.taille, 9);
         EXPECT_EQ(c.komi, 0.0);
         EXPECT_EQ(c.regle, 0);
       }},
      {"handicap 4 on 9x9", ght(4, 4, 1, std::string("\0\x20", 2)), "0 4 3[1:3,3 1:3,7 1:7,3 1:7,7] 1#1@0,0", "",
       [](const TArbre& h, const TConfig& c) {
         EXPECT_EQ(c.handicap, 4);
         EXPECT_EQ(c.komi, 0.5);
         EXPECT_EQ(h.premierfils->donnees->infopartie.handicap, "4");
       }},
      {"handicap 9 on 19x19", ght(9, 9, 0, ""),
       "0 4 3[1:4,4 1:4,10 1:4,16 1:10,4 1:10,10 1:10,16 1:16,4 1:16,10 1:16,16]", "", nullptr},
      {"handicap 5 on 19x19: the centre", ght(9, 5, 0, ""), "0 4 3[1:4,4 1:4,16 1:10,10 1:16,4 1:16,16]", "", nullptr},
      {"handicap 6 on 19x19: the sides of the first and last rows", ght(9, 6, 0, ""),
       "0 4 3[1:4,4 1:4,10 1:4,16 1:16,4 1:16,10 1:16,16]", "", nullptr},
      {"handicap 7 on 19x19", ght(9, 7, 0, ""), "0 4 3[1:4,4 1:4,10 1:4,16 1:10,10 1:16,4 1:16,10 1:16,16]", "",
       nullptr},
      {"handicap 8 on 19x19: all four sides, no centre", ght(9, 8, 0, ""),
       "0 4 3[1:4,4 1:4,10 1:4,16 1:10,4 1:10,16 1:16,4 1:16,10 1:16,16]", "", nullptr},
      {"more than 9 stones places none", ght(9, 12, 0, ""), "0 4 3[]", "", nullptr},
      {"a move on an occupied point", ght(9, 0, 0, std::string("\x41\x20\x41\x10", 4)), "0 4 1#1@5,16 2#2@5,16",
       "Imposible coordinates E16 !", nullptr},
      {"size code 25 is refused", ght(25, 0, 0, std::string("\x41\x20", 2)), "0", "Error of size!",
       [](const TArbre&, const TConfig& c) { EXPECT_EQ(c.taille, 7); }},
      {"shorter than its header", std::string(55, 'x'), "0", "Unable to open the file %f", nullptr},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    std::unique_ptr<Fichier> f;
    std::string chemin = donnee("partie.ght");
    if (!c.octets.empty()) {
      f = std::make_unique<Fichier>("cas.ght", c.octets);
      chemin = f->chemin;
    }
    TConfig depart;
    depart.taille = 7;
    const Charge charge(chemin, depart);
    verifiecharge(charge, c.arbre, c.messages, chemin);
    if (c.verifie && charge.arbre) c.verifie(*charge.arbre, charge.config);
  }
  verifiecharge(Charge("/nonexistent/x.ght"), "0", "Unable to open the file %f", "/nonexistent/x.ght");
}

}  // namespace
