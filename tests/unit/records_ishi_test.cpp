// Ishi reader through the loading entry: one table over the fixture files.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/unit/records_support.h"

namespace {

using records_test::Charge;
using records_test::donnee;
using records_test::Fichier;

std::string marques(const TDonnees& d) { return records_test::marquestexte(d.marques); }

TEST(RecordsIshi, Fixtures) {
  struct Cas {
    const char* fichier;
    const char* arbre;
    const char* messages;  // "%f" stands for the file's path
    std::function<void(const TArbre&, const TConfig&)> verifie;
  };
  const Cas cas[] = {
      {"partie.go", "0 4 3[1:3,3 0:5,5 1:7,7] 1#1@3,7 (2#2@7,3 1#3@5,6)(1#2@4,4)", "",
       [](const TArbre& h, const TConfig& c) {
         const TArbre& r = *h.premierfils;
         const TDonnees& e = *r.donnees;
         EXPECT_EQ(e.evenement, "Club match");
         EXPECT_EQ(e.remarques, (std::vector<std::string>{"header remark"}));
         EXPECT_EQ(e.commentaires, (std::vector<std::string>{"  a comment line", "second line"}));
         EXPECT_EQ(c.taille, 9);
         EXPECT_EQ(c.komi, 5.5);
         EXPECT_EQ(c.handicap, 2);
         EXPECT_EQ(c.regle, 2);
         EXPECT_EQ(c.infopartie[1], "Ann Black");
         EXPECT_EQ(c.infopartie[10], "Bob White");
         EXPECT_EQ(c.infopartie[2], "2004-05-06");
         EXPECT_EQ(c.infopartie[7], "W+3.5");
         // The caller's time settings and level are not kept.
         EXPECT_EQ(c.modetemps, 0);
         EXPECT_EQ(c.niveauconfig, 0);
         const TArbre& c7 = *r.premierfils->premierfils;
         const TArbre& g3 = *c7.premierfils;
         const TArbre& d4 = *g3.frere;
         const TArbre& e6 = *g3.premierfils;
         EXPECT_EQ(g3.donnees->remarques, (std::vector<std::string>{"after white"}));
         EXPECT_EQ(marques(*d4.donnees), "8:4,4A 2:5,6 8:4,42 8:3,71 ");
         EXPECT_EQ(marques(*e6.donnees), "8:5,63 8:7,32 8:3,71 8:3,71 ");
         EXPECT_TRUE(e6.donnees->lignesmarques.empty());
       }},
      {"sansentete.go", "0 4 1#1@1,1 2#2@1,2 1#3@3,1 2#4@2,1x1 1#5@1,1 2#0@5,5",
       "Corrupted file : %f at the line 9 ! | Corrupted file : %f at the line 10 ! | Error in this file : %f !",
       [](const TArbre& h, const TConfig& c) {
         EXPECT_EQ(h.premierfils->donnees->remarques, (std::vector<std::string>{"before"}));
         EXPECT_EQ(c.taille, 5);
         EXPECT_EQ(c.komi, 0.0);
       }},
      {"deuxjeux.go", "0 4 1#1@5,5", "This file contains 2 games",
       [](const TArbre& h, const TConfig&) { EXPECT_TRUE(h.premierfils->donnees->remarques.empty()); }},
      {"tailleinvalide.go", "0", "Error of size!",
       [](const TArbre&, const TConfig& c) {
         EXPECT_EQ(c.komi, 7.5);
         EXPECT_EQ(c.taille, 13);
       }},
      {"var.go", "0 4 1#1@1,1", "Corrupted file : %f at the line 3 ! | Corrupted file : %f at the line 4 !",
       nullptr},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.fichier);
    TConfig depart;
    depart.taille = 13;
    depart.komi = 7.5;
    depart.modetemps = 2;
    depart.niveauconfig = 5;
    const Charge charge(donnee(c.fichier), depart);
    verifiecharge(charge, c.arbre, c.messages, donnee(c.fichier));
    if (c.verifie && charge.arbre) c.verifie(*charge.arbre, charge.config);
  }
}

// MARK lines become marks; a MARKS line is accepted where moves are and
// marks nothing.
TEST(RecordsIshi, OnlyMarkLinesBecomeMarks) {
  Fichier f("marks.go", "EVENT m\nBOARDSIZE 9\nB 1 C3\nMARKS ALL C3\nW 2 D4\nMARK C3 A@E5\n");
  const Charge c(f.chemin);
  records_test::verifiecharge(c, "0 4 1#1@3,3 2#2@4,4", "", f.chemin);
  ASSERT_TRUE(c.arbre);
  const TArbre& b = *c.arbre->premierfils->premierfils;
  const TArbre& w = *b.premierfils;
  EXPECT_EQ(marques(*b.donnees), "");
  EXPECT_TRUE(b.donnees->lignesmarques.empty());
  EXPECT_EQ(marques(*w.donnees), "8:3,31 8:5,5A ");
}

// FINI ends the game inside a variation too; a stray ENDVAR is reported and
// the moves after it are kept.
TEST(RecordsIshi, EndOfGameAndStrayEndOfVariation) {
  struct Cas {
    const char* texte;
    const char* arbre;
    const char* messages;
  };
  const Cas cas[] = {
      {"EVENT f\nBOARDSIZE 9\nB 1 C3\nW 2 D4\nVAR\nW 2 E5\nFINI\nENDVAR\nB 3 F6\n", "0 4 1#1@3,3 (2#2@4,4)(2#2@5,5)",
       ""},
      {"EVENT f\nBOARDSIZE 9\nB 1 C3\n\nENDVAR\nW 2 D4\n", "0 4 1#1@3,3 2#2@4,4",
       "Corrupted file : %f at the line 5 !"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.texte);
    Fichier f("fini.go", k.texte);
    const Charge c(f.chemin);
    records_test::verifiecharge(c, k.arbre, k.messages, f.chemin);
  }
}

}  // namespace
