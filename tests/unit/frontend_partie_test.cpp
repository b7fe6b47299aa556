// The front end's game record: move play with captures, legality and ko,
// the move list, vertices, handicap tables, komi words and the command line.
#include <gtest/gtest.h>

#include "tests/support/fixture.h"
#include "frontend/commandes.h"
#include "frontend/demarrage.h"
#include "engine/choice/entree.h"
#include "frontend/partie.h"
#include "tests/support/frontend_gtp.h"
#include "records/listecoups.h"

namespace {

using frontendtest::nouvellepartie;

// Puts a diagram on the front end's board (size taken from the diagram).
void pose(std::string_view diagramme) {
  fixture::Position p = fixture::diagramme(diagramme);
  configgtp.taille = p.taille;
  plateaugtp = p.plateau;
}

struct CasCoup {
  const char* note;
  const char* avant;
  int ligne, colonne;
  uint8_t couleur;
  const char* apres;
  int prises;
};

TEST(FrontEndPlay, CapturesAndSuicideOnDiagrams) {
  const CasCoup cas[] = {
      {"lone stone captured", "X . . . .\nO . . . .\n. . . . .\n. . . . .\n. . . . .", 1, 2, BLANC,
       ". O . . .\nO . . . .\n. . . . .\n. . . . .\n. . . . .", 1},
      {"a stone with no empty neighbour that captures is legal",
       ". O X . .\nO X . . .\nO . . . .\n. . . . .\n. . . . .", 1, 1, NOIR,
       "X . X . .\nO X . . .\nO . . . .\n. . . . .\n. . . . .", 1},
      {"a stone with no empty neighbour joins a chain that has a liberty",
       ". O X . .\nO X . . .\n. . . . .\n. . . . .\n. . . . .", 1, 1, BLANC,
       "O O X . .\nO X . . .\n. . . . .\n. . . . .\n. . . . .", 0},
      {"suicide is taken back", ". X . . .\nX . . . .\n. . . . .\n. . . . .\n. . . . .", 1, 1, BLANC,
       ". X . . .\nX . . . .\n. . . . .\n. . . . .\n. . . . .", 0},
      {"group suicide is taken back", ". X O . .\nX O . . .\nO . . . .\n. . . . .\n. . . . .", 1, 1, NOIR,
       ". X O . .\nX O . . .\nO . . . .\n. . . . .\n. . . . .", 0},
      {"four chains captured at once", ". X O X .\nX O . O X\n. X O X .\n. . X . .\n. . . . .", 2, 3, NOIR,
       ". X . X .\nX . X . X\n. X . X .\n. . X . .\n. . . . .", 4},
      {"a two-stone chain captured", "O X X O .\n. . O . .\n. . . . .\n. . . . .\n. . . . .", 2, 2, BLANC,
       "O . . O .\n. O O . .\n. . . . .\n. . . . .\n. . . . .", 2},
      {"occupied point changes nothing", "X . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .", 1, 1, BLANC,
       "X . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .", 0},
  };
  for (const CasCoup& c : cas) {
    SCOPED_TRACE(c.note);
    fixture::Position p = fixture::diagramme(c.avant);
    TListePoints prises;
    prises[0] = 99;
    gtpjouecoup(prises, MAXPOINTSLISTE, p.plateau, c.ligne, c.colonne, c.couleur, 1 - c.couleur, p.taille);
    EXPECT_TRUE(fixture::memesgrilles(fixture::texteplateau(fixture::diagramme(c.apres).plateau, p.taille),
                                      fixture::texteplateau(p.plateau, p.taille)));
    EXPECT_EQ(prises[0], c.prises);
  }
}

TEST(FrontEndPlay, LegalityCodes) {
  nouvellepartie();
  pose(". X O . .\nX O . O .\n. X O . .\nX . . . .\n. X . . .");
  EXPECT_EQ(gtpcouplegal(NOIR, 2, 3), 0);  // takes the white stone at (2,2)
  EXPECT_EQ(gtpcouplegal(BLANC, 1, 1), 0);  // takes the black stone at (1,2)
  EXPECT_EQ(gtpcouplegal(BLANC, 5, 1), 5);
  EXPECT_EQ(gtpcouplegal(NOIR, 1, 2), 4);
  EXPECT_EQ(gtpcouplegal(NOIR, 0, 0), 0);
  EXPECT_EQ(gtpcouplegal(NOIR, 6, 1), 3);
  EXPECT_EQ(gtpcouplegal(NOIR, 1, 6), 3);
  EXPECT_EQ(gtpcouplegal(NOIR, -1, 1), 3);
}

TEST(FrontEndPlay, KoRetakeRefusedUntilAnotherMoveOrAPass) {
  for (const char* entre : {"play b A5", "play w pass", "genmove b"}) {
    SCOPED_TRACE(entre);
    nouvellepartie();
    // . X O .      black takes at (2,3), white may not retake at (2,2) at once.
    // X O . O
    // . X O .
    pose(". X O . .\nX O . O .\n. X O . .\n. . . . .\n. . . . .");
    configgtp.taille = 19;
    ASSERT_EQ(frontendtest::repond("play b B3"), "");
    EXPECT_EQ(capturesgtp[0], 1);
    EXPECT_EQ(frontendtest::repond("play w B2"), "?illegal move");
    frontendtest::repond(entre);
    EXPECT_EQ(frontendtest::repond("play w B2"), "");
    EXPECT_EQ(plateaugtp[indexcase(2, 3)], VIDE);
  }
}

// What the engine memoizes in a game outlives the move, not the game: a new
// game or board size leaves the memos empty.
TEST(FrontEndPlay, NewGameAndBoardSizeEmptyTheEnginesMemos) {
  for (const char* nouvelle : {"clear_board", "boardsize 9", "boardsize 13"}) {
    SCOPED_TRACE(nouvelle);
    nouvellepartie(74, 1);
    ASSERT_EQ(frontendtest::repond("boardsize 9"), "");
    for (const char* coup : {"play b E5", "play w E6", "play b D6", "play w D7", "play b F6", "play w C6"})
      ASSERT_EQ(frontendtest::repond(coup), "");
    ASSERT_NE(frontendtest::repond("genmove b").substr(0, 1), "?");
    ASSERT_FALSE(memosvides()) << "the genmove memoized nothing: the check would prove nothing";
    ASSERT_EQ(frontendtest::repond(nouvelle), "");
    EXPECT_TRUE(memosvides());
  }
}

TEST(MoveList, AppendKeepsEarlierMovesAndStoresPasses) {
  TListeCoups liste{};
  ASSERT_TRUE(ajoutecoup(3, 4, NOIR, liste));
  ASSERT_TRUE(ajoutecoup(0, 0, BLANC, liste));
  ASSERT_TRUE(ajoutecoup(16, 16, NOIR, liste));
  ASSERT_TRUE(ajoutecoup(5, 6, BLANC, liste));
  EXPECT_EQ(nombrecoups(liste), 4);
  EXPECT_EQ(liste[1].ligne, 3);
  EXPECT_EQ(liste[1].colonne, 4);
  EXPECT_EQ(liste[1].couleur, NOIR);
  EXPECT_EQ(liste[2].ligne, 0);
  EXPECT_EQ(liste[2].colonne, 0);
  EXPECT_EQ(liste[2].couleur, BLANC);
  EXPECT_EQ(liste[4].colonne, 6);
}

TEST(MoveList, FullListRefusesTheMoveAndChangesNothing) {
  TListeCoups liste{};
  for (int k = 0; k < MAXCOUPSPARTIE; ++k) ASSERT_TRUE(ajoutecoup(0, 0, k % 2, liste));
  EXPECT_TRUE(listepleine(liste));
  EXPECT_FALSE(ajoutecoup(4, 4, NOIR, liste));
  EXPECT_EQ(nombrecoups(liste), MAXCOUPSPARTIE);

  // Through GTP: play and genmove fail once the game holds 1000 moves.
  nouvellepartie();
  for (int k = 0; k < MAXCOUPSPARTIE; ++k) ASSERT_EQ(gtpplaycoup(k % 2, 0, 0), 0);
  EXPECT_EQ(frontendtest::repond("play b D4"), "?illegal move");
  EXPECT_EQ(frontendtest::repond("genmove w"), "?illegal move");
  EXPECT_EQ(frontendtest::repond("set_free_handicap D4 Q16"), "?board not empty");
  EXPECT_EQ(nombrecoups(listecoupsgtp), MAXCOUPSPARTIE);
  EXPECT_EQ(plateaugtp[indexcase(4, 4)], VIDE);
  EXPECT_EQ(frontendtest::repond("undo"), "");
  EXPECT_EQ(frontendtest::repond("play b D4"), "");
}

TEST(Vertex, ReadingTable) {
  nouvellepartie();
  struct Cas {
    const char* mot;
    int taille;
    TLectureVertex lu;
    int a = 0, b = 0;
  } cas[] = {
      {"D4", 19, VERTEXOK, 4, 4},      {"d4", 19, VERTEXOK, 4, 4},        {"A1", 19, VERTEXOK, 1, 1},
      {"H8", 19, VERTEXOK, 8, 8},      {"J9", 19, VERTEXOK, 9, 9},        {"T19", 19, VERTEXOK, 19, 19},
      {"Q016", 19, VERTEXOK, 16, 16},  {"pass", 19, VERTEXOK, 0, 0},      {"PaSs", 9, VERTEXOK, 0, 0},
      {"I5", 19, VERTEXMALFORME},      {"@5", 19, VERTEXMALFORME},        {"D0", 19, VERTEXMALFORME},
      {"D00", 19, VERTEXMALFORME},     {"1x", 19, VERTEXMALFORME},        {"Z", 19, VERTEXMALFORME},
      {"", 19, VERTEXMALFORME},        {"D-4", 19, VERTEXMALFORME},       {"D4x", 19, VERTEXMALFORME},
      {"D0x", 19, VERTEXMALFORME},     {"passe", 19, VERTEXMALFORME},     {"[5", 19, VERTEXMALFORME},
      {"T19", 9, VERTEXHORSPLATEAU},   {"J10", 9, VERTEXHORSPLATEAU},     {"Z5", 19, VERTEXHORSPLATEAU},
      {"U1", 19, VERTEXHORSPLATEAU},   {"A20", 19, VERTEXHORSPLATEAU},
      {"A99999999999999999999", 19, VERTEXHORSPLATEAU},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.mot);
    configgtp.taille = c.taille;
    int32_t a = -7, b = -7;
    ASSERT_EQ(gtplitvertex(c.mot, a, b), c.lu);
    if (c.lu == VERTEXOK) {
      EXPECT_EQ(a, c.a);
      EXPECT_EQ(b, c.b);
    }
  }
}

TEST(Vertex, TextsSkipTheLetterI) {
  EXPECT_EQ(gtpvertex(0, 0), "PASS");
  EXPECT_EQ(gtpvertex(4, 4), "D4");
  EXPECT_EQ(gtpvertex(8, 1), "H1");
  EXPECT_EQ(gtpvertex(9, 1), "J1");
  EXPECT_EQ(gtpvertex(16, 16), "Q16");
  EXPECT_EQ(gtpvertex(19, 19), "T19");
  nouvellepartie();
  for (int a = 1; a <= 19; ++a)
    for (int b = 1; b <= 19; ++b) {
      int32_t x = 0, y = 0;
      ASSERT_EQ(gtplitvertex(gtpvertex(a, b), x, y), VERTEXOK);
      ASSERT_EQ(x, a);
      ASSERT_EQ(y, b);
    }
}

TEST(Handicap, FixedPointsPerSize) {
  auto texte = [](int taille, int n) {
    std::string s;
    for (auto [l, c] : gtphandicapfixe(taille, n)) s += gtpvertex(l, c) + " ";
    return s;
  };
  EXPECT_EQ(texte(19, 2), "D4 Q16 ");
  EXPECT_EQ(texte(19, 4), "D4 Q16 D16 Q4 ");
  EXPECT_EQ(texte(19, 5), "D4 Q16 D16 Q4 K10 ");
  EXPECT_EQ(texte(19, 6), "D4 Q16 D16 Q4 D10 Q10 ");
  EXPECT_EQ(texte(19, 7), "D4 Q16 D16 Q4 D10 Q10 K10 ");
  EXPECT_EQ(texte(19, 8), "D4 Q16 D16 Q4 D10 Q10 K4 K16 ");
  EXPECT_EQ(texte(19, 9), "D4 Q16 D16 Q4 D10 Q10 K4 K16 K10 ");
  EXPECT_EQ(texte(9, 3), "C3 G7 C7 ");
  EXPECT_EQ(texte(11, 9), "C3 J9 C9 J3 C6 J6 F3 F9 F6 ");
  EXPECT_EQ(texte(13, 4), "D4 K10 D10 K4 ");
  EXPECT_EQ(texte(19, 1), "");
  EXPECT_EQ(texte(19, 10), "");
}

TEST(Handicap, FreeListsAndSizesWithoutOne) {
  EXPECT_EQ(gtphandicaplibre(9, 2), "G7 G3 ");
  EXPECT_EQ(gtphandicaplibre(9, 11), "G7 G3 C3 C7 E5 E7 G5 E3 C5   ");
  EXPECT_EQ(gtphandicaplibre(13, 3), "L10 K3 C4 ");
  EXPECT_EQ(gtphandicaplibre(19, 4), "R16 Q3 C4 D17 ");
  // Sizes with no list of their own take the fixed points.
  EXPECT_EQ(gtphandicaplibre(11, 3), "C3 J9 C9 ");
  EXPECT_EQ(gtphandicaplibre(15, 5), "D4 M12 D12 M4 H8 ");
  EXPECT_EQ(gtphandicaplibre(17, 10), "D4 O14 D14 O4 D9 O9 J4 J14 J9  ");
}

TEST(Komi, WordsTable) {
  struct Cas {
    const char* mot;
    bool ok;
    double valeur = 0;
  } cas[] = {
      {"6.5", true, 6.5},   {"6,5", true, 6.5},  {"0", true, 0},      {"-5.5", true, -5.5}, {"+7", true, 7},
      {"7.", true, 7},      {".5", true, 0.5},   {"007.50", true, 7.5}, {".", false},       {"1.2.3", false},
      {"6..5", false},      {"6,5.", false},     {"-", false},        {"", false},          {"1e3", false},
      {"--5", false},       {"5-", false},       {"inf", false},      {"nan", false},       {" 5", false},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.mot);
    double v = 12345;
    ASSERT_EQ(gtplitkomi(c.mot, v), c.ok);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.valeur);
    }
  }
  double v = 0;
  EXPECT_FALSE(gtplitkomi(std::string(400, '9'), v));  // beyond a double
  EXPECT_TRUE(gtplitkomi(std::string(300, '9'), v));
}

TEST(CommandLine, Table) {
  struct Cas {
    std::vector<const char*> args;
    int32_t resultat, niveau;
    uint8_t regle, tailles;
  } cas[] = {
      {{}, 0, 7, 2, 74},
      {{"--size", "11", "15", "--level", "3"}, 0, 3, 2, (1 << 2) | (1 << 4)},
      {{"--size", "10"}, 0, 7, 2, 74},
      {{"--size", "9", "99999999999", "19"}, 0, 7, 2, (1 << 1) | (1 << 6)},
      {{"--size", "9", "--size", "17"}, 0, 7, 2, 1 << 5},
      {{"--size", "13", "foo", "--level", "x"}, 0, 7, 2, 1 << 3},
      {{"--rules", "Chinese"}, 2, 7, 2, 0},
      {{"--rules", "japanese"}, 0, 7, 0, 74},
      {{"--rules", "japanese", "--rules", "chinese"}, 0, 7, 2, 74},
      {{"--rules"}, 2, 7, 2, 0},
      {{"--level"}, 1, 7, 2, 0},
      {{"--level", "x"}, 1, 7, 2, 0},
      {{"--level", "-3"}, 1, 7, 2, 0},
      {{"--level", "99999999999"}, 1, 7, 2, 0},
      {{"--level", "99999999999999999999"}, 1, 7, 2, 0},
      {{"--level", "0"}, 0, 0, 2, 74},
      {{"--level", "11"}, 0, 11, 2, 74},
      {{"--level", "25"}, 0, 25, 2, 74},
      {{"--level", "1"}, 0, 1, 2, 74},
      {{"--level", "10"}, 0, 10, 2, 74},
      {{"--rules", "xyz"}, 2, 7, 2, 0},
      {{"foo", "--level", "x"}, 0, 7, 2, 74},
      {{"--Level", "5", "--level=5"}, 0, 7, 2, 74},
  };
  for (const Cas& c : cas) {
    std::vector<const char*> argv{"vesmok"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    std::string nom;
    for (const char* a : c.args) nom += std::string(a) + " ";
    SCOPED_TRACE(nom);
    int32_t niveau = 7;
    uint8_t regle = 2, tailles = 0;
    ASSERT_EQ(lignecommande(static_cast<int>(argv.size()), argv.data(), niveau, regle, tailles), c.resultat);
    EXPECT_EQ(niveau, c.niveau);
    EXPECT_EQ(regle, c.regle);
    if (c.resultat == 0) {
      EXPECT_EQ(tailles, c.tailles);
    }
  }
}

TEST(CommandLine, SizeBits) {
  const int attendu[] = {0, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 0};
  for (int t = 6; t <= 21; ++t) EXPECT_EQ(indextaille(t), attendu[t - 6]) << t;
  EXPECT_EQ(indextaille(-19), 0);
}

}  // namespace
