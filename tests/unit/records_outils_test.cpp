// Shared routines of the record readers: plain-board play, vertex texts,
// rule names, text routines, pass pruning.
#include <gtest/gtest.h>

#include <string>

#include "records/chargement.h"
#include "records/messages.h"
#include "records/outils.h"
#include "tests/support/fixture.h"
#include "tests/unit/records_support.h"

namespace {

using records_test::Messages;

TEST(RecordsOutils, PlainBoardPlayCapturesAndRefusesSuicide) {
  struct Cas {
    const char* nom;
    const char* avant;
    int couleur, ligne, colonne;
    const char* apres;
    int prises;
  };
  const Cas cas[] = {
      {"filling its only liberty without capture leaves the point empty", ".X...\nX....\n.....\n.....\n.....",
       BLANC, 1, 1, ".X...\nX....\n.....\n.....\n.....\n", 0},
      {"the same move capturing a neighbour chain stays", ".XO..\nXO...\nO....\n.....\n.....", BLANC, 1, 1,
       "O.O..\n.O...\nO....\n.....\n.....\n", 2},
      {"an occupied point is not played", "X....\n.....\n.....\n.....\n.....", BLANC, 1, 1,
       "X....\n.....\n.....\n.....\n.....\n", 0},
      {"off the board nothing happens", ".....\n.....\n.....\n.....\n.....", NOIR, 6, 1,
       ".....\n.....\n.....\n.....\n.....\n", 0},
      {"a chain with a liberty left stays", "OX...\n.....\n.....\n.....\n.....", BLANC, 1, 3,
       "OXO..\n.....\n.....\n.....\n.....\n", 0},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    fixture::Position p = fixture::diagramme(c.avant);
    TListePoints prises{};
    prises[0] = 5;
    jouecoupplateau(prises, MAXPOINTSLISTE, p.plateau, p.taille, static_cast<uint8_t>(1 - c.couleur),
                    static_cast<uint8_t>(c.couleur), c.colonne, c.ligne);
    EXPECT_EQ(fixture::texteplateau(p.plateau, p.taille), c.apres);
    EXPECT_EQ(prises[0], c.prises);
  }
  // A capture beyond the list's capacity still removes the whole chain.
  fixture::Position p = fixture::diagramme("OO...\nXX...\n.....\n.....\n.....");
  TListePoints prises{};
  jouecoupplateau(prises, 1, p.plateau, 5, BLANC, NOIR, 3, 1);
  EXPECT_EQ(fixture::texteplateau(p.plateau, 5), "..X..\nXX...\n.....\n.....\n.....\n");
  EXPECT_EQ(prises[0], 1);
}

TEST(RecordsOutils, VertexTexts) {
  EXPECT_EQ(vertexentexte(9, 4), "J4");
  EXPECT_EQ(vertexentexte(8, 19), "H19");
  EXPECT_EQ(vertexentexte(0, 0), "PASS");
  struct Cas {
    const char* texte;
    int ligne, colonne;
  };
  const Cas cas[] = {{"j4", 9, 4},  {"A1", 1, 1},  {"h8", 8, 8},   {"pass", 0, 0}, {"I5", 0, 0},
                     {"J", 0, 0},   {"J4x", 0, 0}, {"4J", 0, 0},   {"", 0, 0},     {"J-4", 0, 0},
                     {"J99999999999", 0, 0}, {"T19", 19, 19}};
  for (const Cas& c : cas) {
    int32_t l = -1, k = -1;
    lirevertex(c.texte, l, k);
    EXPECT_EQ(l, c.ligne) << c.texte;
    EXPECT_EQ(k, c.colonne) << c.texte;
  }
}

TEST(RecordsOutils, UgfCoordinates) {
  struct Cas {
    const char* texte;
    int taille, ligne, colonne;
    int messages;
  };
  const Cas cas[] = {{"AA", 19, 1, 19, 0}, {"SS", 19, 19, 1, 0}, {"CB", 9, 3, 8, 0}, {"TA", 19, 0, 0, 0},
                     {"JA", 9, 0, 0, 0},   {"KA", 9, 0, 0, 1},   {"ZZ", 19, 0, 0, 1}, {"", 19, 0, 0, 0},
                     {"A", 19, 0, 0, 1}};
  for (const Cas& c : cas) {
    Messages m;
    int32_t l = -1, k = -1;
    coordonneesugf(c.texte, c.taille, l, k);
    EXPECT_EQ(l, c.ligne) << c.texte;
    EXPECT_EQ(k, c.colonne) << c.texte;
    EXPECT_EQ(static_cast<int>(m.vus.size()), c.messages) << c.texte;
  }
}

TEST(RecordsOutils, RuleNames) {
  const char* noms[] = {"Japanese", "GOE", "Chinese", "Japanese", "Japanese", "Japanese", "AGA"};
  for (uint8_t r = 0; r <= 6; ++r) EXPECT_EQ(nomregle(r), noms[r]);
  EXPECT_EQ(reglenom("Chinese"), 2);
  EXPECT_EQ(reglenom("GOE"), 1);
  EXPECT_EQ(reglenom("AGA"), 6);
  EXPECT_EQ(reglenom("IGS"), 3);
  EXPECT_EQ(reglenom("LGS"), 4);
  EXPECT_EQ(reglenom("Wing"), 5);
  EXPECT_EQ(reglenom("japanese"), 0);
  EXPECT_EQ(reglenom("chinese"), 0);
  EXPECT_EQ(reglenom(""), 0);
}

TEST(RecordsOutils, TextRoutines) {
  EXPECT_EQ(majuscules("aB1z"), "AB1Z");
  EXPECT_EQ(separateurdecimal("6,5"), "6.5");
  EXPECT_EQ(virguleenpoint("1,2,3"), "1.2.3");
  EXPECT_EQ(supprimetexte("ab", "xxabyyab"), "xxyyab");
  EXPECT_EQ(supprimetexte("zz", "xxab"), "");
  EXPECT_EQ(tabulationenespace("a\tb"), "a b");
  EXPECT_EQ(supprimeespacesdebut("  a b "), "a b ");
  EXPECT_EQ(supprimeespaces(" a b "), "ab");
  EXPECT_EQ(motnumero("  B  12   D4 ", 1, 13), "B");
  EXPECT_EQ(motnumero("  B  12   D4 ", 3, 13), "D4");
  EXPECT_EQ(motnumero("  B  12   D4 ", 4, 13), "");
  EXPECT_EQ(motnumerosep(" AA,,B1,1", 2, 9, ','), "B1");
  EXPECT_EQ(motnumerosep("AA,B1", 5, 5, ','), "B1");
  EXPECT_EQ(motnumerosep("", 1, 0, ','), "");
  EXPECT_TRUE(estnombre("0123"));
  EXPECT_FALSE(estnombre(""));
  EXPECT_FALSE(estnombre("1.5"));
  EXPECT_TRUE(estnombresigne("-1,5"));
  EXPECT_FALSE(estnombresigne("1e5"));
  EXPECT_FALSE(estnombresigne(""));
  EXPECT_EQ(chiffrehexa('7'), 7);
  EXPECT_EQ(chiffrehexa('F'), 15);
  EXPECT_EQ(chiffrehexa('f'), 0);
  EXPECT_EQ(litreel("6,5").value_or(-1), 6.5);
  EXPECT_EQ(litreel("-0.5").value_or(-1), -0.5);
  EXPECT_FALSE(litreel("x"));
  EXPECT_FALSE(litreel("nan"));
  EXPECT_FALSE(litreel(""));
  EXPECT_FALSE(litentier("99999999999"));
  EXPECT_EQ(reelentexte(6.5), "6.5");
  EXPECT_EQ(reelentexte(0.0), "0");
}

TEST(RecordsOutils, ExtensionsChooseTheReader) {
  EXPECT_TRUE(estsgf("a/x.sgf"));
  EXPECT_TRUE(estsgf("x.Sgf"));
  EXPECT_TRUE(estsgf("x.MGT"));
  EXPECT_FALSE(estsgf("sgf"));
  EXPECT_FALSE(estgo("x.GOX"));
  EXPECT_TRUE(estgo("x.go"));
  EXPECT_TRUE(estght("x.ght"));
  EXPECT_TRUE(estpro("x.Pro"));
  EXPECT_TRUE(estugf("x.ugi"));
  EXPECT_TRUE(estugf("x.UGF"));
}

// A main line of moves from the game root: "p" a pass, "m" a move.
TArbre* ligne(TArbre& depart, const std::string& coups) {
  TArbre* n = &depart;
  for (char c : coups) {
    n = ajoutearbre(*n);
    n->donnees->nature = NOEUDNOIR;
    if (c == 'm') ecritcoup(3, 3, NOIR, n->donnees->coup);
  }
  return n;
}

std::string lignetexte(const TArbre& depart) {
  std::string s;
  for (const TArbre* n = depart.premierfils.get(); n; n = n->premierfils.get())
    s += n->donnees->coup.ligne ? 'm' : 'p';
  return s;
}

TEST(RecordsOutils, PassPruningSplicesTheNodeAfterTheLimit) {
  struct Cas {
    int limite;
    const char* avant;
    const char* apres;
  };
  const Cas cas[] = {{2, "mppmm", "mppm"}, {2, "mpmpm", "mpmpm"}, {0, "mppmm", "mppmm"},
                     {-1, "mpppm", "mpppm"}, {1, "mpmm", "mpm"},  {2, "mpppppm", "mppppm"}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.avant);
    TArbre haut;
    TArbre* racine = ajoutearbre(haut);
    racine->donnees->nature = NOEUDPARTIE;
    ligne(*racine, c.avant);
    TConfig config;
    config.limitepasses = c.limite;
    elaguepasses(&haut, config);
    EXPECT_EQ(lignetexte(*racine), c.apres);
  }
  // A fresh record prunes nothing.
  EXPECT_EQ(TConfig{}.limitepasses, 0);
}

}  // namespace
