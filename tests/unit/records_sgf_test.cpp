// SGF reader through the loading entry: one table over the fixture files.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/unit/records_support.h"

namespace {

using records_test::Charge;
using records_test::decritarbre;
using records_test::donnee;
using records_test::Fichier;

const TArbre& racine(const TArbre& haut) { return *haut.premierfils; }

TEST(RecordsSgf, Fixtures) {
  struct Cas {
    const char* fichier;
    const char* arbre;     // decritarbre of the top node
    const char* messages;  // "%f" stands for the file's path
    std::function<void(const TArbre&, const TConfig&)> verifie;
  };
  const Cas cas[] = {
      {"simple.sgf", "0 4 1#1@1,9", "",
       [](const TArbre& h, const TConfig& c) {
         EXPECT_EQ(c.taille, 9);
         EXPECT_EQ(racine(h).donnees->infopartie.taille, 9);
       }},
      {"poses.sgf", "0 4 3[1:4,16 1:16,4] 2#2@17,3", "", nullptr},
      {"variations.sgf", "0 4 1#1@1,19 (2#2@2,18)(2#2@3,17)", "", nullptr},
      {"passes.sgf", "0 4 1#1@0,0 2#2@0,0 1#3@0,0", "Impossible move, transformed in pass!", nullptr},
      {"deuxparties.sgf", "0 4 1#1@1,19", "This file contains 2 games",
       [](const TArbre&, const TConfig& c) {
         TConfig x = c;
         EXPECT_EQ(x.nomnoir(), "Ann");
         EXPECT_EQ(x.nomblanc(), "Bob");
       }},
      {"prise.sgf", "0 4 1#1@2,9 2#2@1,9 1#3@1,8x1 2#4@1,9", "Impossible move 1 9 !",
       [](const TArbre& h, const TConfig&) {
         const TDonnees& d = *racine(h).premierfils->premierfils->premierfils->donnees;
         ASSERT_EQ(d.prises.Count(), 1);
         EXPECT_EQ(d.prises.Coup(0)->ligne, 1);
         EXPECT_EQ(d.prises.Coup(0)->colonne, 9);
         EXPECT_EQ(d.prises.Coup(0)->couleur, BLANC);
         EXPECT_EQ(d.couleurprise, BLANC);
       }},
      {"occupe.sgf", "0 4 1#1@1,9 2#2@1,9", "Impossible move 1 9 !", nullptr},
      {"marques.sgf", "0 4 1#1@1,19 2#2@2,18", "",
       [](const TArbre& h, const TConfig&) {
         const TDonnees& d = *racine(h).donnees;
         EXPECT_EQ(d.commentaires, (std::vector<std::string>{"a]b", "second line"}));
         EXPECT_EQ(records_test::marquestexte(d.marques),
                   "6:1,17 6:1,18 6:1,19 6:2,17 6:2,18 6:2,19 6:3,17 6:3,18 6:3,19 8:1,19x 8:3,17a 8:4,16b "
                   "5:5,15 2:6,14 0:7,13 ");
         const TArbre& b = *racine(h).premierfils;
         EXPECT_EQ(b.donnees->tesuji, 1);
         EXPECT_EQ(b.premierfils->donnees->mauvaiscoup, 1);
         EXPECT_EQ(b.premierfils->donnees->tesuji, 0);
       }},
      {"nomslongs.sgf", "0 4 3[1:4,16 0:5,15] 2#2@6,14", "", nullptr},
      {"infos.sgf", "0 4", "Error of handicap! | Error of size!",
       [](const TArbre&, const TConfig& c) {
         EXPECT_EQ(c.komi, 6.5);
         EXPECT_EQ(c.handicap, 0);
         EXPECT_EQ(c.taille, 19);
         EXPECT_EQ(c.regle, 2);
         const std::string attendu[] = {"an", "", "2004-05-06", "pc", "3d", "4d", "us", "B+R",
                                        "so", "ot", "", "gn", "ap", "cp", "", ""};
         for (int i = 0; i < 16; ++i) EXPECT_EQ(c.infopartie[i], attendu[i]) << i;
       }},
      {"pasgo.sgf", "0 4", "It isn't a game of go!", nullptr},
      {"ouvert.sgf", nullptr, "Error in this file : %f !", nullptr},
      {"barre.sgf", nullptr, "Error in this file : %f !", nullptr},
      {"vide.sgf", nullptr, "Error in this file : %f !", nullptr},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.fichier);
    TConfig depart;
    depart.komi = 0.5;
    const Charge charge(donnee(c.fichier), depart);
    verifiecharge(charge, c.arbre, c.messages, donnee(c.fichier));
    if (c.verifie && charge.arbre) c.verifie(*charge.arbre, charge.config);
  }
}

TEST(RecordsSgf, ValuesReadAnyWay) {
  struct Cas {
    const char* texte;
    double komi;
    const char* messages;
  };
  const Cas cas[] = {{"(;GM[1]KM[6.5])", 6.5, ""},
                     {"(;GM[1]KM[x])", 0.0, "Error of komi!"},
                     {"(;GM[1]KM[])", 0.0, "Error of komi!"},
                     {"(;GM[1]HA[ 3 ]KM[-0,5])", -0.5, ""}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.texte);
    Fichier f("valeurs.sgf", c.texte);
    TConfig depart;
    depart.komi = 9.0;
    const Charge charge(f.chemin, depart);
    EXPECT_EQ(charge.config.komi, c.komi);
    EXPECT_EQ(charge.messages.texte(), c.messages);
  }
}

// Points that cannot be read: a move becomes a pass, with the message unless
// its row is the one past the board; a mark point is dropped, with "Error!"
// only for a value of the wrong length.
TEST(RecordsSgf, UnreadablePointsAndTheirMessages) {
  struct Cas {
    const char* texte;
    const char* arbre;
    const char* messages;
  };
  const Cas cas[] = {
      {"(;GM[1]SZ[9];B[jj])", "0 4 1#1@0,0", ""},
      {"(;GM[1]SZ[9];B[kk])", "0 4 1#1@0,0", "Impossible move, transformed in pass!"},
      {"(;GM[1]SZ[9];B[a])", "0 4 1#1@0,0", "Impossible move, transformed in pass!"},
      {"(;GM[1]SZ[9]SQ[a];B[aa])", "0 4 1#1@1,9", "Error!"},
      {"(;GM[1]SZ[9]SQ[zz];B[aa])", "0 4 1#1@1,9", ""},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.texte);
    Fichier f("points.sgf", c.texte);
    verifiecharge(Charge(f.chemin), c.arbre, c.messages, f.chemin);
  }
}

TEST(RecordsSgf, DeepNestingAndLongLinesNeedNoDeepStack) {
  {
    Fichier f("ouverts.sgf", std::string(10000, '('));
    verifiecharge(Charge(f.chemin), nullptr, "Error in this file : %f !", f.chemin);
  }
  {
    Fichier f("equilibre.sgf", std::string(10000, '(') + std::string(10000, ')'));
    verifiecharge(Charge(f.chemin), "0", "%f : This file contains no game!", f.chemin);
  }
  // 20000 moves in one line, and as many nested variations.
  std::string t = "(;GM[1]";
  for (int i = 0; i < 20000; ++i) t += i % 2 ? ";W[tt]" : ";B[tt]";
  t += ")(;GM[1]";
  for (int i = 0; i < 20000; ++i) t += "(;B[aa]";
  t += std::string(20000, ')') + ")";
  Fichier f("long.sgf", t);
  TConfig depart;
  depart.limitepasses = 3;
  const Charge c(f.chemin, depart);
  ASSERT_TRUE(c.arbre);
  int n = 0;
  for (const TArbre* a = c.arbre->premierfils.get(); a; a = a->premierfils.get()) ++n;
  EXPECT_EQ(n, 1 + 20000 - 1);  // the fourth pass is pruned
  EXPECT_EQ(c.messages.texte(), "This file contains 2 games");
}

TEST(RecordsSgf, PassLimitOfTheRecordPrunes) {
  TConfig depart;
  depart.limitepasses = 2;
  verifiecharge(Charge(donnee("passes.sgf"), depart), "0 4 1#1@0,0 2#2@0,0", "Impossible move, transformed in pass!",
                "");
}

TEST(RecordsChargement, ExtensionsChooseTheReader) {
  struct Cas {
    const char* nom;
    const char* octets;
    const char* arbre;
  };
  const Cas cas[] = {{"x.sgf", "(;SZ[9];B[aa])", "0 4 1#1@1,9"},
                     {"x.Sgf", "(;SZ[9];B[aa])", "0 4 1#1@1,9"},
                     {"x.MGT", "(;SZ[9];B[aa])", "0 4 1#1@1,9"},
                     {"x.ugi", "[Header]\nSize=9\n[Data]\nEE,B1,1,0\n", "0 4 1#1@5,5"}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Fichier f(c.nom, c.octets);
    const Charge charge(f.chemin);
    verifiecharge(charge, c.arbre, "", f.chemin);
    EXPECT_EQ(charge.config.taille, 9);
  }
  // An unknown extension: an empty top node, the record untouched.
  Fichier f("x.GOX", "(;SZ[9];B[aa])");
  TConfig depart;
  depart.taille = 13;
  depart.komi = 7.5;
  const Charge charge(f.chemin, depart);
  verifiecharge(charge, "0", "", f.chemin);
  EXPECT_EQ(charge.config.taille, 13);
  EXPECT_EQ(charge.config.komi, 7.5);
}

}  // namespace
