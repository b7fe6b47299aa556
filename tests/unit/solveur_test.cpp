// The small-board solver of the capture game: the problems of
// tests/data/solveur.txt, the proof passes' stores and move lists, the
// allowed-move test, the main search's refused first move, generators and
// leaf value, and the bounds of its lists.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/connection/solveur.h"
#include "tests/support/fixture.h"
#include "tests/unit/solveur_suite.h"

namespace {

std::string point(const TPoint& m) { return std::to_string(m.ligne) + " " + std::to_string(m.colonne); }

// The proof pass on a copy of the chain lists, `attaquant` moving first.
TResultatPasse passe(TPlateau& p, int32_t mode, uint8_t attaquant, TPoint& nomme, int32_t& statut) {
  TMarques drapeaux = marquesvides;
  TListeChaines a, b, c, d;
  listechaines(p, attaquant == NOIR ? BLANC : NOIR, a, b, c, d);
  nomme = pointko;
  return passesolveur(drapeaux, a, b, mode, nomme, p, attaquant == NOIR ? BLANC : NOIR, attaquant, statut);
}

// The solver's state as its entry leaves it before the main search.
std::unique_ptr<TSolveur> etatsolveur(TPlateau& p, uint8_t ordi) {
  auto s = std::make_unique<TSolveur>();
  s->p = &p;
  s->ordi = ordi;
  s->joueur = ordi == NOIR ? BLANC : NOIR;
  listechaines(p, ordi, s->ordiA, s->ordiB, s->joueurA, s->joueurB);
  s->profondeurmax = profondeurrecherchesolveur();
  return s;
}

TEST(Solveur, ProblemsOfTheSuite) {
  ASSERT_TRUE(chargecles());
  const auto cas = suitesolveur::lit();
  ASSERT_GE(cas.size(), 8u) << "suite not found at " << suitesolveur::chemin();
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom + ":" + c.note);
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    TPlateau p = suitesolveur::pose(c);
    fixture::verifieinchange(p, [&] {
      TPoint nomme;
      int32_t statut = 0;
      if (c.gagne >= 0) {
        const TResultatPasse r = passe(p, 0, NOIR, nomme, statut);
        EXPECT_EQ(r.trouve && r.valeur == 1 && statut == 0, c.gagne == 1) << "black first";
      }
      if (c.perd >= 0) {
        const TResultatPasse r = passe(p, 1, BLANC, nomme, statut);
        EXPECT_EQ(r.trouve && statut != 2, c.perd == 1) << "white first";
      }
      TPoint m{7, 7};
      const bool trouve = solveurcoupsautorises(NOIR, BLANC, p, m);
      EXPECT_EQ(trouve, !c.passe);
      if (c.passe) {
        EXPECT_EQ(m.ligne, 0);
        EXPECT_EQ(m.colonne, 0);
      } else {
        bool accepte = false;
        for (const TPoint& r : c.reponses) accepte = accepte || (r.ligne == m.ligne && r.colonne == m.colonne);
        EXPECT_TRUE(accepte) << "answered " << point(m);
      }
      for (const TPoint& e : c.evites) EXPECT_FALSE(e.ligne == m.ligne && e.colonne == m.colonne);
    });
  }
}

TEST(Solveur, SuiteFormatFaultsAreReported) {
  const std::string fichier = ::testing::TempDir() + "solveur_format.txt";
  std::ofstream(fichier) << "case sans_reponse\nboard\n..\n..\n\n"
                            "case oui_non\nboard\n..\n..\nwins maybe\nanswer 1 1\n\n"
                            "case hors\nboard\n..\n..\nanswer 3 1\n\n"
                            "case passe_et_point\nboard\n..\n..\nanswer pass or 1 1\n\n"
                            "case mot_inconnu\nboard\n..\n..\nanswer pass\ncolour X\n\n"
                            "case bon\nboard\nX.\n.O\nlevel 1\nwins no\nloses no\nanswer 1 2 or 2 1\navoid 1 1\n";
  const auto cas = suitesolveur::lit(fichier);
  std::remove(fichier.c_str());
  ASSERT_EQ(cas.size(), 6u);
  EXPECT_EQ(cas[0].erreur, "no answer");
  EXPECT_EQ(cas[1].erreur, "yes/no");
  EXPECT_EQ(cas[2].erreur, "answer off the board");
  EXPECT_EQ(cas[3].erreur, "answer");
  EXPECT_EQ(cas[4].erreur.rfind("line:", 0), 0u);
  EXPECT_TRUE(cas[5].erreur.empty()) << cas[5].erreur;
  EXPECT_EQ(cas[5].niveau, 1);
  EXPECT_EQ(cas[5].gagne, 0);
  EXPECT_EQ(cas[5].reponses.size(), 2u);
  EXPECT_EQ(cas[5].evites.size(), 1u);
}

// A full ply store keeps its 5,000 smallest keys; a new key beyond them is dropped.
TEST(Solveur, FullStoreKeepsItsSmallestKeys) {
  constexpr int32_t table = 5;
  TEntreeCle* t = tablehachrecu + (table - PREMIERETABLE) * ENTREESPARTABLE;
  const auto remplit = [&](int32_t& nombre) {
    for (int32_t j = 0; j < ENTREESPARTABLE; ++j) t[j] = TEntreeCle{j % 3, 10 * j};
    nombre = ENTREESPARTABLE;
  };
  int32_t nombre = 0;
  remplit(nombre);
  // Key 15 belongs at place 3: stored, the store cut first.
  int32_t place = cherchecletransposition(15, table, nombre, tablehachrecu);
  ASSERT_EQ(place, 3);
  inserestoresolveur(15, 2, place, table, nombre);
  EXPECT_EQ(nombre, ENTREESGARDEES + 1);
  EXPECT_EQ(t[2].cle, 15);
  EXPECT_EQ(t[2].valeur, 2);
  EXPECT_EQ(t[ENTREESGARDEES].cle, 10 * (ENTREESGARDEES - 1));
  EXPECT_EQ(cherchecletransposition(10 * 4999, table, nombre, tablehachrecu), -(4999 % 3));
  EXPECT_GT(cherchecletransposition(10 * 5000, table, nombre, tablehachrecu), 0);

  // Key at place 5,001 of the kept part (just past it): stored.
  remplit(nombre);
  place = cherchecletransposition(10 * 4999 + 5, table, nombre, tablehachrecu);
  ASSERT_EQ(place, ENTREESGARDEES + 1);
  inserestoresolveur(10 * 4999 + 5, 1, place, table, nombre);
  EXPECT_EQ(nombre, ENTREESGARDEES + 1);
  EXPECT_EQ(t[ENTREESGARDEES].cle, 10 * 4999 + 5);

  // Key beyond the kept part: dropped, the store cut all the same.
  remplit(nombre);
  place = cherchecletransposition(10 * 7000 + 5, table, nombre, tablehachrecu);
  inserestoresolveur(10 * 7000 + 5, 1, place, table, nombre);
  EXPECT_EQ(nombre, ENTREESGARDEES);
  EXPECT_GT(cherchecletransposition(10 * 7000 + 5, table, nombre, tablehachrecu), 0);

  // A store not full takes the entry at its place.
  nombre = 2;
  t[0] = {0, 10};
  t[1] = {0, 30};
  inserestoresolveur(20, 2, 2, table, nombre);
  EXPECT_EQ(nombre, 3);
  EXPECT_EQ(t[1].cle, 20);
  EXPECT_EQ(t[2].cle, 30);
}

// Every move list of a pass: the attacker never passes; the defender has one
// pass, last, at every quiet node above the last ply.
struct Listes {
  int32_t attaque = 0, defense = 0, passesdefense = 0, plimax = 0;
  bool passeattaquant = false, passemalplacee = false;
};
Listes listes;

void sonde(int32_t pli, bool attaquant, const TListePoints& coups, int32_t etat) {
  int32_t passes = 0;
  for (int32_t k = 1; k <= coups[0]; ++k)
    if (coups[2 * k] == 0) {
      ++passes;
      if (k != coups[0]) listes.passemalplacee = true;
    }
  listes.plimax = std::max(listes.plimax, pli);
  if (attaquant) {
    ++listes.attaque;
    listes.passeattaquant = listes.passeattaquant || passes > 0;
  } else {
    ++listes.defense;
    if (etat == 0 && pli < profondeursolveur()) listes.passesdefense += passes == 1 ? 1 : -1000;
  }
}

TEST(Solveur, AttackerNeverPassesDefenderPassesWhenQuiet) {
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(
      "......\n"
      "......\n"
      "..XO..\n"
      "...X..\n"
      "......\n"
      "......\n");
  configmoteur.niveauconfig = 1;
  pointko = TPoint{};
  for (int32_t mode : {0, 1, 4}) {
    SCOPED_TRACE(mode);
    listes = Listes{};
    sondepassesolveur = sonde;
    TPoint nomme;
    int32_t statut = 0;
    fixture::verifieinchange(p, [&] { passe(p, mode, mode == 1 ? BLANC : NOIR, nomme, statut); });
    sondepassesolveur = nullptr;
    EXPECT_GT(listes.attaque, 10);
    EXPECT_GT(listes.defense, 10);
    EXPECT_FALSE(listes.passeattaquant);
    EXPECT_FALSE(listes.passemalplacee);
    EXPECT_GT(listes.passesdefense, 0);
    EXPECT_LE(listes.plimax, profondeursolveur());
  }
}

// 5x5: white 5 2 under black 4 2. Black 5 3 ataris it and its extension at 5 1 is self-atari.
constexpr const char* FILET =
    ".....\n"
    ".....\n"
    ".....\n"
    ".X...\n"
    ".O...\n";

TEST(Solveur, RefusedWinningFirstMoveScoresMinus936AndSearchGoesOn) {
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(FILET);
  configmoteur.niveauconfig = 0;
  pointko = TPoint{};
  const int32_t gagnant = indexcase(5, 3), autre = indexcase(5, 5);

  // Refused (the flag says so): -936, the answer all the same, and the search goes on.
  auto s = etatsolveur(p, NOIR);
  s->candidats[gagnant] = 1;
  s->drapeaux[gagnant] = DRAPEAUREFUSE;
  fixture::verifieinchange(p, [&] { EXPECT_EQ(recherchesolveur(*s, 1, NOIR, BLANC), GAGNESOLVEUR - REFUSSOLVEUR); });
  EXPECT_TRUE(s->trouve);
  EXPECT_EQ(point(s->reponse), "5 3");
  s = etatsolveur(p, NOIR);
  s->candidats[gagnant] = s->candidats[autre] = 1;
  s->drapeaux[gagnant] = DRAPEAUREFUSE;
  recherchesolveur(*s, 1, NOIR, BLANC);
  EXPECT_EQ(s->plis[1].nbcherches, 2);
  // The next first move is searched against the refused move's -936, not its
  // +64: it keeps the value it has when searched alone.
  const auto seul = [&](bool apresrefus) {
    auto t = etatsolveur(p, NOIR);
    t->candidats[autre] = 1;
    t->drapeaux[autre] = DRAPEAUMODE2 | DRAPEAUMODE4;  // allowed without the allowed-move passes
    if (apresrefus) {
      t->candidats[gagnant] = 1;
      t->drapeaux[gagnant] = DRAPEAUREFUSE;
    }
    const int32_t v = recherchesolveur(*t, 1, NOIR, BLANC);
    EXPECT_EQ(point(t->reponse), "5 5");
    return v;
  };
  const int32_t valeurseul = seul(false);
  EXPECT_LT(valeurseul, GAGNESOLVEUR);
  EXPECT_EQ(seul(true), valeurseul);

  // Allowed: +64, the answer, and the search ends there.
  s = etatsolveur(p, NOIR);
  s->candidats[gagnant] = s->candidats[autre] = 1;
  s->sanschoix = true;
  fixture::verifieinchange(p, [&] { EXPECT_EQ(recherchesolveur(*s, 1, NOIR, BLANC), GAGNESOLVEUR); });
  EXPECT_EQ(point(s->reponse), "5 3");
  EXPECT_EQ(s->plis[1].nbcherches, 1);
  EXPECT_FALSE(s->sanschoix);
  EXPECT_EQ(s->drapeaux[gagnant] & (DRAPEAUMODE2 | DRAPEAUREFUSE), DRAPEAUMODE2);
}

TEST(Solveur, FromPly9OnlyChainsInAtariGiveMoves) {
  TPlateau p = fixture::posemoteur(FILET);
  auto s = etatsolveur(p, NOIR);
  // White 5 2 has two liberties: the plies before 9 list them, ply 9 nothing.
  EXPECT_EQ(coupssolveur(*s, 8, BLANC, NOIR), 0);
  EXPECT_EQ(s->coups[8][0], 0);  // ply 8 lists only the other side's weak chains
  EXPECT_EQ(coupssolveur(*s, 7, NOIR, BLANC), 0);
  EXPECT_EQ(s->coups[7][0], 2);
  EXPECT_EQ(coupssolveur(*s, 6, NOIR, BLANC), 0);
  EXPECT_EQ(s->coups[6][0], 2);
  EXPECT_EQ(coupssolveur(*s, 9, NOIR, BLANC), 0);
  EXPECT_EQ(s->coups[9][0], 0);
  EXPECT_EQ(coupssolveur(*s, 12, BLANC, NOIR), 0);
  EXPECT_EQ(s->coups[12][0], 0);

  // White 5 2 in atari: a capture for black, the liberty for white.
  p = fixture::posemoteur(
      ".....\n"
      ".....\n"
      ".....\n"
      ".X...\n"
      ".OX..\n");
  s = etatsolveur(p, NOIR);
  EXPECT_EQ(coupssolveur(*s, 9, NOIR, BLANC), 1);
  EXPECT_EQ(coupssolveur(*s, 10, BLANC, NOIR), 2);
  ASSERT_EQ(s->coups[10][0], 1);
  EXPECT_EQ(point(TPoint{s->coups[10][2], s->coups[10][3]}), "5 1");
}

TEST(Solveur, LeafValueCountsLostChainsFirstStoneAndLiberties) {
  TPlateau p = fixture::posemoteur(
      "X....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      "....O\n");
  auto s = etatsolveur(p, NOIR);
  s->ordiA[1].statut = s->ordiB[1].statut = 1;
  s->joueurB[1].statut = 1;
  // 4 x 2 for the lost black stone, -2 x 2 for the lost white one, -2 and +2
  // for the two weak chains, liberty averages 2 - 2.
  EXPECT_EQ(evaluationsolveur(s->ordiA, s->ordiB, s->joueurB, p, NOIR, 40, s->plis), 4);
  s->ordiA[1].statut = 0;
  EXPECT_EQ(evaluationsolveur(s->ordiA, s->ordiB, s->joueurB, p, NOIR, 40, s->plis), 0);

  // A lone first stone costs 10; a first stone of two stones with 3 liberties
  // marks its chain, and a lost chain in it counts 10.
  p = fixture::posemoteur(
      "X....\n"
      ".....\n"
      "..X..\n"
      ".....\n"
      "....O\n");
  s = etatsolveur(p, NOIR);
  s->plis[1].coup = TPoint{3, 3};
  EXPECT_EQ(evaluationsolveur(s->ordiA, s->ordiB, s->joueurB, p, NOIR, 40, s->plis), -10 - 2 + 2 + 3 - 2);
  p = fixture::posemoteur(
      "XX...\n"
      ".....\n"
      ".....\n"
      ".....\n"
      "....O\n");
  s = etatsolveur(p, NOIR);
  s->plis[1].coup = TPoint{1, 2};
  s->ordiA[1].statut = 1;
  EXPECT_EQ(evaluationsolveur(s->ordiA, s->ordiB, s->joueurB, p, NOIR, 40, s->plis), 4 * 3 + 10 + 3 - 2 + 2);
}

TEST(Solveur, AllowedMoveTestKeepsItsFlags) {
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(
      ".X...\n"
      "XO...\n"
      ".X...\n"
      ".....\n"
      ".....\n");
  configmoteur.niveauconfig = 0;
  pointko = TPoint{};
  fixture::verifieinchange(p, [&] {
    uint8_t f = DRAPEAUREFUSE;
    EXPECT_TRUE(coupautorise(p, NOIR, BLANC, 3, 3, 5, f));  // refused stays refused
    f = 0;
    EXPECT_FALSE(coupautorise(p, NOIR, BLANC, 2, 3, 5, f));  // the capture
    EXPECT_EQ(f, DRAPEAUPRISE);
    f = 0;
    EXPECT_TRUE(coupautorise(p, BLANC, NOIR, 1, 1, 5, f));  // no liberty
    EXPECT_EQ(f, DRAPEAUILLEGAL);
    // Black elsewhere: white extends and ladders the corner stones.
    f = 0;
    EXPECT_TRUE(coupautorise(p, NOIR, BLANC, 5, 5, 5, f));
    EXPECT_EQ(f, DRAPEAUMODE4 | DRAPEAUREFUSE);
  });
  p = fixture::posemoteur(
      "XXXXX\n"
      ".....\n"
      ".....\n"
      ".....\n"
      "....O\n");
  fixture::verifieinchange(p, [&] {
    uint8_t f = 0;
    EXPECT_FALSE(coupautorise(p, NOIR, BLANC, 3, 3, 5, f));  // quiet: both passes run
    EXPECT_EQ(f, DRAPEAUMODE2 | DRAPEAUMODE4);
    EXPECT_FALSE(coupautorise(p, NOIR, BLANC, 3, 3, 5, f));  // and not again
    EXPECT_EQ(f, DRAPEAUMODE2 | DRAPEAUMODE4);
  });
}

TEST(Solveur, PassNamingNothingLeavesTheKoPointUnnamed) {
  ASSERT_TRUE(chargecles());
  const auto cas = suitesolveur::lit();
  for (const auto& c : cas) {
    if (c.nom != "defend" && c.nom != "lost_no_move") continue;
    SCOPED_TRACE(c.nom);
    TPlateau p = suitesolveur::pose(c);
    pointko = TPoint{5, 5};
    TPoint nomme;
    int32_t statut = 0;
    if (c.nom == "defend") {
      // Black cannot force a capture: the point is left at the ko point, not named.
      const TResultatPasse r = passe(p, 0, NOIR, nomme, statut);
      EXPECT_FALSE(r.trouve);
      EXPECT_EQ(point(nomme), "5 5");
    } else {
      TPoint m;
      EXPECT_FALSE(solveurcoupsautorises(NOIR, BLANC, p, m));
      EXPECT_EQ(point(m), "0 0");
    }
    pointko = TPoint{};
  }
}

TEST(Solveur, AbortFlagAnswersZeroAtOnce) {
  TPlateau p = fixture::posemoteur(FILET);
  moderapide = 1;
  TPoint nomme;
  int32_t statut = 0;
  const int32_t n0 = compteurnoeudsprise;
  const TResultatPasse r = passe(p, 0, NOIR, nomme, statut);
  auto s = etatsolveur(p, NOIR);
  s->candidats.fill(1);
  EXPECT_EQ(recherchesolveur(*s, 1, NOIR, BLANC), 0);
  moderapide = 0;
  EXPECT_FALSE(r.trouve);
  EXPECT_EQ(r.valeur, 0);
  EXPECT_FALSE(s->trouve);
  EXPECT_EQ(compteurnoeudsprise, n0);
}

// More than 40 chains of a colour and a board of more than 81 points: the
// lists stop at their bounds.
TEST(Solveur, ListsStopAtTheirBounds) {
  std::string diagramme;
  for (int32_t r = 1; r <= 11; ++r) {
    for (int32_t c = 1; c <= 11; ++c) diagramme += (r % 2 == c % 2) ? 'X' : '.';
    diagramme += '\n';
  }
  TPlateau p = fixture::posemoteur(diagramme);
  TListeChaines a, b, c, d;
  listechaines(p, NOIR, a, b, c, d);
  EXPECT_EQ(a[0].ligne, MAXCHAINESSOLVEUR);
  EXPECT_EQ(b[0].ligne, MAXCHAINESSOLVEUR);
  EXPECT_EQ(c[0].ligne, 0);
  EXPECT_EQ(point(TPoint{a[40].ligne, a[40].colonne}), "8 2");  // 33 in rows 1 to 6, 6 in row 7

  std::string vide;
  for (int32_t r = 1; r <= 11; ++r) vide += "...........\n";
  p = fixture::posemoteur(vide);
  auto s = etatsolveur(p, NOIR);
  s->candidats.fill(1);
  EXPECT_EQ(coupsracinesolveur(*s, NOIR, BLANC), 0);
  EXPECT_EQ(s->coups[1][0], CAPACITESOLVEUR);
  EXPECT_EQ(coupssolveur(*s, 2, BLANC, NOIR), 0);
  EXPECT_EQ(s->coups[2][0], CAPACITESOLVEUR);
}

}  // namespace
