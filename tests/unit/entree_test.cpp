// The engine's move entry: the replay of the front end's move list, the
// position-key history and the superko test, the level and clock of the
// cleanup entry, the opening suggestion maps.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/rejoue.h"
#include "engine/choice/entree.h"
#include "engine/choice/statutfinal.h"
#include "engine/choice/superko.h"
#include "engine/opening/fuseki.h"
#include "engine/opening/joseki.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

struct Coup {
  uint8_t couleur;
  int32_t ligne, colonne;
};
constexpr uint8_t EFFACE = VIDE;  // an erasure entry

TListeCoups liste(const std::vector<Coup>& coups) {
  TListeCoups l{};
  int32_t n = 0;
  for (const Coup& c : coups) l[++n] = TCoupPartie{c.couleur, c.ligne, c.colonne};
  l[0].ligne = n;
  return l;
}

TConfig partie(int32_t taille, int32_t regleko = 0, uint8_t regle = 2, int32_t handicap = 0) {
  TConfig config;
  config.taille = taille;
  config.niveauconfig = 5;
  config.regle = regle;
  config.handicap = handicap;
  config.regleko = regleko;
  return config;
}

// The entry's preparation, as genmoveordi runs it.
void rejoue(const TConfig& config, const TListeCoups& l, int32_t phase, uint8_t couleur = NOIR) {
  prepareentree(couleur, config, l, -1, 0, false);
  rejouepartie(l);
  cherchederniercoups(phase);
}

::testing::AssertionResult memeplateau(std::string_view attendu, const TPlateau& p) {
  return fixture::memesgrilles(fixture::texteplateau(fixture::diagramme(attendu).plateau, configmoteur.taille),
                               fixture::texteplateau(p, configmoteur.taille));
}

uint32_t cledeplateau(const TPlateau& p) {
  uint32_t h = 0;
  for (int r = 1; r <= configmoteur.taille; ++r)
    for (int c = 1; c <= configmoteur.taille; ++c)
      if (p[indexcase(r, c)] != VIDE) xorclepion(h, r, c, p[indexcase(r, c)]);
  return h;
}

// ---- Replay ----------------------------------------------------------------

struct CasRejeu {
  const char* nom;
  uint8_t regle;
  int32_t handicap;
  int32_t phase;
  std::vector<Coup> coups;
  int32_t numerocoup, passes, prisnoir, prisblanc, captures;
  TPoint dernier, avant;
  const char* plateau;
};

const CasRejeu kRejeux[] = {
    {"empty list", 2, 0, 2, {}, 0, 0, 0, 0, 0, {1, 1}, {5, 5},
     ".....\n.....\n.....\n.....\n.....\n"},
    {"two trailing passes, no look-up", 2, 0, 0, {{NOIR, 2, 2}, {BLANC, 4, 4}, {NOIR, 0, 0}, {BLANC, 0, 0}},
     4, 2, 0, 0, 0, {1, 1}, {5, 5}, ".....\n.X...\n.....\n...O.\n.....\n"},
    {"two trailing passes, looked up: one pass counts", 2, 0, 2,
     {{NOIR, 2, 2}, {BLANC, 4, 4}, {NOIR, 0, 0}, {BLANC, 0, 0}}, 4, 1, 0, 0, 0, {4, 4}, {2, 2}, nullptr},
    {"handicap 4 under Chinese rules: white starts with 4", 2, 4, 0,
     {{NOIR, 2, 2}, {NOIR, 2, 4}, {NOIR, 4, 2}, {NOIR, 4, 4}}, 4, 0, 0, 4, 0, {1, 1}, {5, 5}, nullptr},
    {"handicap 4 under Japanese rules: no compensation", 0, 4, 0,
     {{NOIR, 2, 2}, {NOIR, 2, 4}, {NOIR, 4, 2}, {NOIR, 4, 4}}, 4, 0, 0, 0, 0, {1, 1}, {5, 5}, nullptr},
    {"black takes one; phase 1 finds the last move only", 2, 0, 1, {{NOIR, 1, 2}, {BLANC, 1, 1}, {NOIR, 2, 1}},
     3, 0, 1, 0, 1, {2, 1}, {5, 5}, ".X...\nX....\n.....\n.....\n....."},
    {"white takes two, last and second-last moves", 2, 0, 2,
     {{NOIR, 1, 1}, {BLANC, 2, 1}, {NOIR, 1, 2}, {BLANC, 2, 2}, {NOIR, 4, 4}, {BLANC, 1, 3}}, 6, 0, 0, 2, 2,
     {1, 3}, {4, 4}, "..O..\nOO...\n.....\n...X.\n.....\n"},
    {"a pass behind the last stone is not consecutive", 2, 0, 2, {{NOIR, 2, 2}, {BLANC, 0, 0}, {NOIR, 3, 3}},
     3, 0, 0, 0, 0, {3, 3}, {2, 2}, nullptr},
    {"a capture before a pass is not the last move's", 2, 0, 2, {{NOIR, 1, 2}, {BLANC, 1, 1}, {NOIR, 2, 1}, {BLANC, 0, 0}},
     4, 1, 1, 0, 0, {2, 1}, {1, 1}, nullptr},
    {"an erasure empties its point and takes no move number", 2, 0, 0,
     {{NOIR, 2, 2}, {BLANC, 3, 3}, {EFFACE, 3, 3}}, 2, 0, 0, 0, 0, {1, 1}, {5, 5},
     ".....\n.X...\n.....\n.....\n.....\n"},
};

TEST(EntreeRejeu, TableOfReplays) {
  for (const CasRejeu& k : kRejeux) {
    SCOPED_TRACE(k.nom);
    rejoue(partie(5, 0, k.regle, k.handicap), liste(k.coups), k.phase);
    EXPECT_EQ(numerocoup, k.numerocoup);
    EXPECT_EQ(passesconsecutives, k.passes);
    EXPECT_EQ(prisonniersnoir, k.prisnoir);
    EXPECT_EQ(prisonniersblanc, k.prisblanc);
    EXPECT_EQ(capturesderniercoup, k.captures);
    EXPECT_EQ(derniercoup.ligne, k.dernier.ligne);
    EXPECT_EQ(derniercoup.colonne, k.dernier.colonne);
    EXPECT_EQ(avantderniercoup.ligne, k.avant.ligne);
    EXPECT_EQ(avantderniercoup.colonne, k.avant.colonne);
    if (k.plateau != nullptr) {
      EXPECT_TRUE(memeplateau(k.plateau, plateaumoteur));
    }
    EXPECT_EQ(historiquehash.nombre, 0);  // simple ko keeps no history
  }
}

TEST(EntreeRejeu, MoveListAndBoardBeforeTheLastEntry) {
  rejoue(partie(5), liste({{NOIR, 1, 2}, {BLANC, 0, 0}, {BLANC, 1, 1}, {NOIR, 2, 1}}), 0);
  ASSERT_EQ(numerocoup, 4);
  const int32_t attendu[5][3] = {{}, {NOIR, 1, 2}, {BLANC, 0, 0}, {BLANC, 1, 1}, {NOIR, 2, 1}};
  for (int k = 1; k <= 4; ++k)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(listecoupsmoteur[k][j], attendu[k][j]) << k << "," << j;
  // The board as it stood before the capture.
  EXPECT_TRUE(memeplateau("OX...\n.....\n.....\n.....\n.....\n", carteterritoire));
  EXPECT_TRUE(memeplateau(".X...\nX....\n.....\n.....\n.....\n", plateaumoteur));
}

TEST(EntreeRejeu, ListCountOutsideItsStorageIsBounded) {
  TListeCoups l = liste({{NOIR, 3, 3}});
  l[0].ligne = -4;
  rejoue(partie(5), l, 2);
  EXPECT_EQ(numerocoup, 0);
  l[0].ligne = MAXCOUPSPARTIE + 50;  // the rest of the storage holds passes
  rejoue(partie(5), l, 0);
  EXPECT_EQ(numerocoup, MAXCOUPSPARTIE);
  EXPECT_EQ(plateaumoteur[indexcase(3, 3)], NOIR);
}

// ---- Level and clock of the two entries -----------------------------------------

TEST(EntreePreparation, CleanupPlaysAtLevelSevenWithoutClock) {
  TConfig config = partie(9);
  config.niveauconfig = 3;
  const TListeCoups l = liste({{NOIR, 3, 3}});

  prepareentree(BLANC, config, l, -1, 0, false);
  EXPECT_EQ(niveau, 3);  // the requested level caps the level control
  EXPECT_EQ(configmoteur.niveauconfig, 3);
  EXPECT_EQ(etatcalme, 0);
  EXPECT_EQ(couleurordi, BLANC);
  EXPECT_EQ(couleurjoueur, NOIR);

  prepareentree(BLANC, config, l, 900, 5, true);
  EXPECT_EQ(niveau, 7);
  EXPECT_EQ(configmoteur.niveauconfig, 7);
  EXPECT_EQ(tempsrestant.temps, -1);
  EXPECT_EQ(tempsrestant.pierres, 5);
  EXPECT_EQ(etatcalme, 1);
  EXPECT_EQ(numerocoup, 0);  // the reset leaves it for the replay
}

// The final status sets its flag for the whole call; the next move entry
// clears it before its reset, so the move gets its own level.
TEST(EntreePreparation, MoveAfterAFinalStatusHasItsOwnLevel) {
  TConfig config = partie(9);
  config.niveauconfig = 3;
  const TListeCoups l = liste({{NOIR, 3, 3}});
  int32_t noir = 0, blanc = 0;
  static TCarte statut;
  statutfinal(plateauvide(), config, noir, blanc, statut, 0, 0, l);
  EXPECT_EQ(flagfuseki, 1);
  EXPECT_EQ(profondeurlecture, 12);

  prepareentree(BLANC, config, l, -1, 0, false);
  EXPECT_EQ(flagfuseki, 0);
  EXPECT_EQ(niveau, 3);
  EXPECT_EQ(profondeurlecture, 8);
}

// A komi beyond any score reaches the engine bounded, by both entries: its
// integer score sums (the balance, the influence count) would overflow.
TEST(EntreePreparation, KomiIsBoundedForTheEngine) {
  struct Cas {
    double donne, vu;
  };
  const Cas cas[] = {{6.5, 6.5}, {-3.5, -3.5}, {0, 0}, {KOMIMAX, KOMIMAX}, {1e23, KOMIMAX}, {-1e23, -KOMIMAX},
                     {KOMIMAX + 0.5, KOMIMAX}};
  const TListeCoups l = liste({{NOIR, 3, 3}});
  for (const Cas& c : cas) {
    TConfig config = partie(9);
    config.komi = c.donne;
    prepareentree(BLANC, config, l, -1, 0, false);
    EXPECT_EQ(configmoteur.komi, c.vu) << c.donne;
    int32_t noir = 0, blanc = 0;
    static TCarte statut;
    statutfinal(plateauvide(), config, noir, blanc, statut, 0, 0, l);
    EXPECT_EQ(configmoteur.komi, c.vu) << c.donne;
  }
}

// ---- Opening suggestions -----------------------------------------------------

TEST(EntreeOuverture, SuggestionMapsAndTheirCount) {
  chargefuseki(19);
  chargejoseki(19);
  const TListeCoups l = liste({});
  rejoue(partie(19), l, 0);
  demandesouverture(NOIR, false);
  int32_t n = 0;
  for (int r = 1; r <= 19; ++r)
    for (int c = 1; c <= 19; ++c) n += candidatsfuseki[indexcase(r, c)] != 0;
  EXPECT_GT(n, 0);
  EXPECT_EQ(nbcandidatsfuseki, n);

  // The cleanup entry asks nothing and keeps nothing of an earlier move.
  suggestionsjoseki.fill(3);
  demandesouverture(NOIR, true);
  EXPECT_EQ(nbcandidatsfuseki, 0);
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, candidatsfuseki));
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, suggestionsjoseki));

  // Without the libraries both maps are empty.
  liberefuseki();
  liberejoseki();
  candidatsfuseki.fill(1);
  demandesouverture(NOIR, false);
  EXPECT_EQ(nbcandidatsfuseki, 0);
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, candidatsfuseki));
}

TEST(EntreeMoteur, FirstMoveFromTheFusekiLiesInOneOctant) {
  chargefuseki(19);
  chargejoseki(19);
  for (uint32_t graine : {1u, 2u, 3u, 4u, 5u, 6u}) {
    SCOPED_TRACE(graine);
    platform::fixegraine(graine);
    TResultatCoup r;
    entreemoteur(NOIR, partie(19), liste({}), 0, -1, 0, false, r);
    EXPECT_EQ(r.couleur, NOIR);
    EXPECT_GE(r.ligne, r.colonne);
    EXPECT_GE(r.colonne, 10);
  }
  liberefuseki();
  liberejoseki();
}

TEST(EntreeMoteur, WithoutAPickTheSearchAnswers) {
  // Past the opening pick: the move search decides, a pass or an empty point.
  const TListeCoups l = liste({{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}, {NOIR, 5, 5}});
  TResultatCoup r{NOIR, 4, 4};
  compteurnoeudsprise = 0;
  entreemoteur(BLANC, partie(9), l, 2, -1, 0, false, r);
  EXPECT_EQ(r.couleur, BLANC);
  EXPECT_GT(compteurnoeudsprise, 0);
  if (r.ligne != 0) {
    EXPECT_EQ(plateaumoteur[indexcase(r.ligne, r.colonne)], VIDE);
  }
  EXPECT_EQ(derniercoup.ligne, 5);
  EXPECT_EQ(avantderniercoup.ligne, 7);
  EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, plateaudepart));
  EXPECT_EQ(plateaumoteur[indexcase(5, 5)], NOIR);
  EXPECT_EQ(tablegroupes[indexcase(5, 5)][0], 4);
}

// ---- Position keys and superko ---------------------------------------------------

// A ko on a 5x5 board; black has just taken at (2, 3).
const std::vector<Coup> kKo = {{NOIR, 1, 2}, {BLANC, 1, 3}, {NOIR, 2, 1}, {BLANC, 2, 4},
                               {NOIR, 3, 2}, {BLANC, 3, 3}, {BLANC, 2, 2}, {NOIR, 2, 3}};

// The engine (white) tries (ligne, colonne) on a copy, as the position analysis does.
void essaiblanc(int32_t ligne, int32_t colonne) {
  TPlateau p = plateaumoteur;
  calculelibertes(p);
  TPrisesMarquees prises{};
  posepioncaptures(prises, CAPACITELISTE, p, ligne, colonne, BLANC, NOIR);
  testsuperko(ligne, colonne, prises);
}

TEST(Superko, EngineRetakeOfAKoByRule) {
  struct Cas {
    int32_t regleko;
    bool interdit;
  };
  for (const Cas& k : {Cas{0, false}, Cas{1, false}, Cas{2, true}, Cas{3, true}}) {
    SCOPED_TRACE(k.regleko);
    rejoue(partie(5, k.regleko), liste(kKo), 2, BLANC);
    ASSERT_EQ(capturesderniercoup, 1);
    essaiblanc(2, 2);
    TMarques attendu{};
    if (k.interdit) {
      attendu[indexcase(2, 2)] = 0x01;
      attendu[indexcase(1, 1)] = 0x02;
    }
    EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 5), fixture::grille(casesinterdites, 5)));
    // A move elsewhere repeats nothing.
    casesinterdites.fill(0);
    essaiblanc(5, 5);
    EXPECT_TRUE(fixture::memesmarques(TMarques{}, casesinterdites));
  }
}

TEST(Superko, PassOrEmptyHistoryTestsNothing) {
  rejoue(partie(5, 2), liste(kKo), 2, BLANC);
  TPrisesMarquees prises{};
  testsuperko(0, 0, prises);
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, casesinterdites));
  historiquehash.nombre = 0;
  essaiblanc(2, 2);
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, casesinterdites));
}

TEST(Superko, HistoryKeepsTheLast21PositionsOldestFirst) {
  // 25 lone stones on the odd points of a 9x9 board, colours alternating.
  std::vector<Coup> coups;
  for (int r = 1; r <= 9; r += 2)
    for (int c = 1; c <= 9; c += 2) coups.push_back({static_cast<uint8_t>(coups.size() % 2 == 0 ? NOIR : BLANC), r, c});
  ASSERT_EQ(coups.size(), 25u);
  rejoue(partie(9, 2), liste(coups), 0);
  ASSERT_EQ(historiquehash.nombre, MAXHISTORIQUEHASH);
  EXPECT_EQ(historiquehash.cles[MAXHISTORIQUEHASH], cledeplateau(plateaumoteur));
  TPlateau apres5 = plateauvide();
  for (int k = 0; k < 5; ++k) apres5[indexcase(coups[k].ligne, coups[k].colonne)] = coups[k].couleur;
  EXPECT_EQ(historiquehash.cles[1], cledeplateau(apres5));
}

TEST(Superko, CapturesAndErasuresLeaveTheKeyOfTheBoard) {
  // An erasure takes out the key of the stone it removes, whatever its colour.
  rejoue(partie(5, 2), liste({{NOIR, 2, 2}, {BLANC, 3, 3}, {EFFACE, 3, 3}, {BLANC, 4, 4}, {EFFACE, 2, 2}}), 0);
  ASSERT_GT(historiquehash.nombre, 0);
  EXPECT_EQ(historiquehash.cles[historiquehash.nombre], cledeplateau(plateaumoteur));
  rejoue(partie(5, 2), liste(kKo), 0);
  EXPECT_EQ(historiquehash.cles[historiquehash.nombre], cledeplateau(plateaumoteur));
}

TEST(Superko, AppendedHistoryStaysWithinItsStorage) {
  historiquehash.nombre = 0;
  for (uint32_t k = 1; k <= 30; ++k) ajoutehistorique(k);
  ASSERT_EQ(historiquehash.nombre, MAXHISTORIQUEHASH);
  EXPECT_EQ(historiquehash.cles[1], 10u);
  EXPECT_EQ(historiquehash.cles[MAXHISTORIQUEHASH], 30u);
}

}  // namespace
