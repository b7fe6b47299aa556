// The front end driven through its line assembler: protocol cases a
// transcript cannot show, the engine hand-off against doubles of the engine
// entries, whole games checked against an independent replay, and a seeded
// random-bytes run of the assembler and dispatcher.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/garde.h"
#include "engine/opening/joseki.h"
#include "frontend/moteur.h"
#include "records/listecoups.h"
#include "tests/support/fixture.h"
#include "tests/support/frontend_gtp.h"

namespace {

using frontendtest::envoie;
using frontendtest::nouvellepartie;
using frontendtest::repond;

TEST(GtpLayer, ReplyLinesAndCommentsGetNoReply) {
  nouvellepartie();
  for (const char* ligne : {"=5 name", "?", "? 3 name", "=", "# only a comment", "   ", "\t\r", "  # spaced comment"})
    EXPECT_EQ(envoie(std::string(ligne) + "\n"), "") << ligne;
  // The id of the last command line stays unchanged by ignored lines.
  EXPECT_EQ(envoie("4 name\n=9 x\n"), "=4 Molvane\n\n");
}

TEST(GtpLayer, ChunksSplitAnywhereAreJoinedIntoLines) {
  nouvellepartie();
  const std::string flux = "1 name\r\n2 protocol_version\n\n3 known_command play\n";
  const std::string attendu = "=1 Molvane\n\n=2 2\n\n=3 true\n\n";
  for (size_t coupe = 0; coupe <= flux.size(); ++coupe) {
    std::string sortie = envoie(flux.substr(0, coupe));
    sortie += envoie(flux.substr(coupe));
    ASSERT_EQ(sortie, attendu) << "cut at " << coupe;
  }
  // A line without its line feed waits.
  EXPECT_EQ(envoie("name"), "");
  EXPECT_EQ(envoie("\n"), "= Molvane\n\n");
}

TEST(GtpLayer, QuitSetsTheFlagAndLaterLinesOfTheChunkAreAnswered) {
  nouvellepartie();
  EXPECT_EQ(envoie("quit\nname\n"), "= \n\n= Molvane\n\n");
  EXPECT_EQ(etatgtp.quitter, 1);
}

TEST(GtpLayer, WordsAndNumbers) {
  EXPECT_EQ(gtpmot("  play  b   D4 ", 1), "play");
  EXPECT_EQ(gtpmot("  play  b   D4 ", 3), "D4");
  EXPECT_EQ(gtpmot("  play  b   D4 ", 4), "");
  EXPECT_EQ(gtpmot("", 1), "");
  int32_t v = 0;
  EXPECT_TRUE(gtplitnombre("0042", v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(gtplitnombre("99999999999999999999999", v));
  EXPECT_EQ(v, INT32_MAX);
  EXPECT_FALSE(gtplitnombre("-1", v));
  EXPECT_FALSE(gtplitnombre("", v));
  EXPECT_FALSE(gtplitnombre("1 2", v));
  EXPECT_TRUE(gtpestreel("6,5"));
  EXPECT_FALSE(gtpestreel("-6.5"));
  const TIdLu r = gtplitid("=12");
  EXPECT_TRUE(r.reponse);
  EXPECT_EQ(r.id, 12);
  EXPECT_EQ(gtplitid("x1").id, -1);
}

// Handler of a word in the program's table.
decltype(TCommandeGtp::traite) traitement(std::string_view mot) {
  for (const TCommandeGtp& c : tabmotsgtp)
    if (c.mot == mot) return c.traite;
  return nullptr;
}

// Dispatch, known_command and list_commands all read the one table the
// layer is given.
// With the log on, every line, every reply and, after a success, the
// engine's working level go to the log, in that order.
TEST(GtpLayer, TheLogKeepsLinesRepliesAndTheLevelAfterASuccess) {
  nouvellepartie();
  const std::string nom = ::testing::TempDir() + "gtp_journal.txt";
  gtpinit(1, nom, tabmotsgtp);
  niveau = 4;
  EXPECT_EQ(envoie("name\nfoo\n"), "= Molvane\n\n? unknown command\n\n");
  EXPECT_EQ(etatgtp.journal, (std::vector<std::string>{"name", "= Molvane\n\n", "Niveau = 4\n\r\n\r", "foo",
                                                       "? unknown command\n\n"}));
  gtpinit(0, "debug.txt", tabmotsgtp);
  std::remove(nom.c_str());
}

TEST(GtpLayer, OneTableFeedsDispatchKnownCommandAndTheList) {
  static std::vector<std::string> recus;
  static const TCommandeGtp table[] = {
      {"echo",
       [](const TMotsGtp& mots) {
         recus.assign(mots.begin(), mots.end());
         gtpsucces("ok");
       }},
      {"list_commands", traitement("list_commands")},
      {"known_command", traitement("known_command")},
  };
  ASSERT_NE(table[1].traite, nullptr);
  ASSERT_NE(table[2].traite, nullptr);
  nouvellepartie();
  gtpinit(0, "debug.txt", table);
  EXPECT_EQ(envoie("7 echo a\t b\n"), "=7 ok\n\n");
  EXPECT_EQ(recus, (std::vector<std::string>{"echo", "a", "b"}));
  EXPECT_EQ(envoie("list_commands\n"), "= echo\nlist_commands\nknown_command\n\n");
  EXPECT_EQ(repond("known_command echo"), "true");
  EXPECT_EQ(repond("known_command name"), "false");
  EXPECT_EQ(repond("name"), "?unknown command");
  EXPECT_EQ(repond("Echo"), "?unknown command");
  gtpinit(0, "debug.txt", tabmotsgtp);
  EXPECT_EQ(repond("name"), "Molvane");
}

TEST(GtpLayer, LongLinesKeepTheirHeadOnly) {
  nouvellepartie();
  std::string ligne = "1 name " + std::string(LONGUEURMAXLIGNE + 5000, 'x') + "\n2 name\n";
  EXPECT_EQ(envoie(ligne), "=1 Molvane\n\n=2 Molvane\n\n");
  EXPECT_TRUE(etatgtp.ligne.empty());
}

// ---- Engine hand-off against doubles of the engine entries --------------

struct Appel {
  int entree = 0;  // 1 genmove, 2 cleanup, 3 status
  uint8_t couleur = 9;
  int32_t phase = -1, temps = 0, pierres = 0, coups = -1, taille = 0, handicap = -1;
  TPlateau plateau{};
  int32_t prisblanc = -1, prisnoir = -1;
};
std::vector<Appel> appels;
TResultatCoup reponsedouble;
TCarte statutdouble;

void noteappel(int entree, uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase,
               int32_t temps, int32_t pierres, TResultatCoup& resultat) {
  appels.push_back({entree, couleur, phase, temps, pierres, nombrecoups(liste), config.taille, config.handicap, {}});
  resultat = reponsedouble;
}
void doublegenmove(uint8_t c, const TConfig& cf, const TListeCoups& l, int32_t ph, int32_t t, int32_t p,
                   TResultatCoup& r) {
  noteappel(1, c, cf, l, ph, t, p, r);
}
void doublenettoyage(uint8_t c, const TConfig& cf, const TListeCoups& l, int32_t ph, int32_t t, int32_t p,
                     TResultatCoup& r) {
  noteappel(2, c, cf, l, ph, t, p, r);
}
void doublestatut(const TPlateau& plateau, const TConfig& config, int32_t&, int32_t&, TCarte& statut,
                  int32_t prisblanc, int32_t prisnoir, const TListeCoups& liste) {
  Appel a;
  a.entree = 3;
  a.prisblanc = prisblanc;
  a.prisnoir = prisnoir;
  a.coups = nombrecoups(liste);
  a.taille = config.taille;
  a.plateau = plateau;
  appels.push_back(a);
  statut = statutdouble;
}
const TEntreesMoteur doubles{doublegenmove, doublenettoyage, doublestatut};

class HandOff : public testing::Test {
 protected:
  void SetUp() override {
    nouvellepartie();
    appels.clear();
    reponsedouble = TResultatCoup{};
    statutdouble.fill(0);
    seam::fixeentreesmoteur(&doubles);
  }
  void TearDown() override { seam::fixeentreesmoteur(nullptr); }
};

TEST_F(HandOff, GenmovePlaysTheEnginesMoveWithCapturesAndRecordsIt) {
  repond("play w D4");
  repond("play b D3");
  repond("play b C4");
  repond("play b E4");
  repond("time_settings 0 30 5");
  reponsedouble = TResultatCoup{NOIR, 4, 5};
  EXPECT_EQ(repond("genmove black"), "D5");
  ASSERT_EQ(appels.size(), 1u);
  EXPECT_EQ(appels[0].entree, 1);
  EXPECT_EQ(appels[0].couleur, NOIR);
  EXPECT_EQ(appels[0].coups, 4);
  EXPECT_EQ(appels[0].phase, 2);
  EXPECT_EQ(appels[0].temps, 30);
  EXPECT_EQ(appels[0].pierres, 5);
  EXPECT_EQ(plateaugtp[indexcase(4, 4)], VIDE);  // the white stone was taken
  EXPECT_EQ(plateaugtp[indexcase(4, 5)], NOIR);
  EXPECT_EQ(nombrecoups(listecoupsgtp), 5);
  EXPECT_EQ(listecoupsgtp[5].ligne, 4);
  EXPECT_EQ(listecoupsgtp[5].colonne, 5);
  EXPECT_EQ(listecoupsgtp[5].couleur, NOIR);
  EXPECT_EQ(configgtp.nomnoir(), "Molvane");
  EXPECT_EQ(configgtp.nomblanc(), "");
}

TEST_F(HandOff, CleanupAndTheGenmoveVariantsTakeTheirEntryAndColour) {
  reponsedouble = TResultatCoup{BLANC, 3, 3};
  EXPECT_EQ(repond("kgs-genmove_cleanup w"), "C3");
  reponsedouble = TResultatCoup{NOIR, 0, 0};
  EXPECT_EQ(repond("genmove_black"), "PASS");
  EXPECT_EQ(repond("genmove_white"), "PASS");
  ASSERT_EQ(appels.size(), 3u);
  EXPECT_EQ(appels[0].entree, 2);
  EXPECT_EQ(appels[0].couleur, BLANC);
  EXPECT_EQ(appels[0].phase, 0);  // no move yet: as many moves as handicap stones
  EXPECT_EQ(appels[1].phase, 1);
  EXPECT_EQ(appels[1].entree, 1);
  EXPECT_EQ(appels[1].couleur, NOIR);
  EXPECT_EQ(appels[2].couleur, BLANC);
  EXPECT_EQ(configgtp.nomblanc(), "Molvane");
  EXPECT_EQ(nombrecoups(listecoupsgtp), 3);
  EXPECT_EQ(listecoupsgtp[2].ligne, 0);
  EXPECT_EQ(repond("genmove x"), "?syntax error");
  EXPECT_EQ(appels.size(), 3u);
}

TEST_F(HandOff, PhaseFollowsTheHandicap) {
  repond("fixed_handicap 3");
  repond("genmove b");
  repond("genmove w");
  repond("genmove b");
  ASSERT_EQ(appels.size(), 3u);
  EXPECT_EQ(appels[0].phase, 0);
  EXPECT_EQ(appels[1].phase, 1);
  EXPECT_EQ(appels[2].phase, 2);
  nouvellepartie();
  appels.clear();
  repond("set_free_handicap D4 Q16");
  EXPECT_EQ(configgtp.handicap, 2);
  repond("genmove w");
  repond("genmove b");
  EXPECT_EQ(appels[0].phase, 0);
  EXPECT_EQ(appels[1].phase, 1);
}

TEST_F(HandOff, IllegalOrOffBoardEngineMovesBecomePasses) {
  repond("boardsize 9");
  repond("play b E5");
  repond("play w A2");
  repond("play w B1");
  const TResultatCoup cas[] = {{NOIR, 5, 5}, {NOIR, 10, 1}, {NOIR, 1, 10}, {NOIR, -3, 2},
                               {NOIR, 1, 1}, {NOIR, 4, 0},  {NOIR, 99999, -99999}};
  for (const TResultatCoup& r : cas) {
    SCOPED_TRACE(std::to_string(r.ligne) + "," + std::to_string(r.colonne));
    const TPlateau avant = plateaugtp;
    const int32_t coups = nombrecoups(listecoupsgtp);
    reponsedouble = r;
    EXPECT_EQ(repond("genmove b"), "PASS");
    EXPECT_TRUE(fixture::memesplateaux(avant, plateaugtp, configgtp.taille));
    EXPECT_EQ(nombrecoups(listecoupsgtp), coups + 1);
    EXPECT_EQ(listecoupsgtp[coups + 1].ligne, 0);
    EXPECT_EQ(listecoupsgtp[coups + 1].colonne, 0);
  }
}

TEST_F(HandOff, EnginePassEndsTheKo) {
  for (const char* c : {"play b B1", "play b A2", "play b C2", "play w A3", "play w C3", "play w D2", "play w B4"})
    repond(c);
  EXPECT_EQ(repond("play w B2"), "");   // white stone in black's mouth, one liberty at B3
  EXPECT_EQ(repond("play b B3"), "");   // black takes it
  EXPECT_EQ(repond("play w B2"), "?illegal move");
  reponsedouble = TResultatCoup{BLANC, 0, 0};
  EXPECT_EQ(repond("genmove w"), "PASS");
  EXPECT_EQ(repond("play w B2"), "");
}

TEST_F(HandOff, EngineCaptureStartsAKoForBothRoads) {
  for (const char* c : {"play b B1", "play b A2", "play b C2", "play w A3", "play w C3", "play w D2", "play w B4",
                        "play w B2"})
    ASSERT_EQ(repond(c), "") << c;
  reponsedouble = TResultatCoup{NOIR, 2, 3};  // the engine takes at B3
  EXPECT_EQ(repond("genmove b"), "B3");
  EXPECT_EQ(plateaugtp[indexcase(2, 2)], VIDE);
  EXPECT_EQ(repond("play w B2"), "?illegal move");
  // The engine's own retake is refused the same way and becomes a pass.
  const TPlateau avant = plateaugtp;
  reponsedouble = TResultatCoup{BLANC, 2, 2};
  EXPECT_EQ(repond("genmove w"), "PASS");
  EXPECT_TRUE(fixture::memesplateaux(avant, plateaugtp, configgtp.taille));
  EXPECT_EQ(repond("play w B2"), "");
}

TEST_F(HandOff, TheEngineSeesTheGameAsItWasBeforeItsMove) {
  repond("play b D4");
  repond("genmove w");
  EXPECT_EQ(appels.back().coups, 1);
  // The double sees the list as it was before its move.
  EXPECT_EQ(nombrecoups(listecoupsgtp), 2);
}

TEST_F(HandOff, FinalStatusGetsEachColoursCapturesFromTheMoveList) {
  repond("boardsize 9");
  // White takes E5, then black takes A1.
  for (const char* c : {"play b E5", "play w D5", "play w F5", "play w E4", "play w E6", "play w A1", "play b A2",
                        "play b B1"})
    EXPECT_EQ(repond(c), "");
  repond("final_status_list dead");
  ASSERT_EQ(appels.size(), 1u);
  EXPECT_EQ(appels[0].prisnoir, 1);
  EXPECT_EQ(appels[0].prisblanc, 1);
  repond("undo");
  repond("final_status_list dead");
  ASSERT_EQ(appels.size(), 2u);
  EXPECT_EQ(appels[1].prisnoir, 0);
  EXPECT_EQ(appels[1].prisblanc, 1);
}

// Every stone code in exactly one list: seki stones are not alive too.
TEST_F(HandOff, FinalStatusListsTheRequestedCodesInVertexOrder) {
  repond("boardsize 9");
  repond("play b A1");
  statutdouble[indexcase(1, 1)] = 8;   // black dead
  statutdouble[indexcase(1, 2)] = 7;   // white dead
  statutdouble[indexcase(2, 1)] = 3;   // white seki
  statutdouble[indexcase(2, 2)] = 4;   // black seki
  statutdouble[indexcase(9, 8)] = 5;   // white alive
  statutdouble[indexcase(9, 9)] = 6;   // black alive
  statutdouble[indexcase(3, 3)] = 2;   // territory: never listed
  statutdouble[indexcase(10, 10)] = 8; // beyond the board: never listed
  // Space-separated, none trailing.
  EXPECT_EQ(repond("final_status_list dead"), "A1 A2");
  EXPECT_EQ(repond("final_status_list alive"), "J8 J9");
  EXPECT_EQ(repond("final_status_list seki"), "B1 B2");
  EXPECT_EQ(repond("final_status_list Dead"), "?syntax error");
  EXPECT_EQ(repond("final_status_list"), "?syntax error");
  ASSERT_EQ(appels.size(), 3u);
  EXPECT_EQ(appels[0].entree, 3);
  EXPECT_EQ(appels[0].taille, 9);
  EXPECT_EQ(appels[0].coups, 1);
  EXPECT_EQ(appels[0].plateau[indexcase(1, 1)], NOIR);
  statutdouble.fill(0);
  EXPECT_EQ(repond("final_status_list dead"), "");
}

TEST(Hooks, LibraryRequestsAndHull) {
  TConfig config;
  config.taille = 9;
  TPlateau p = plateauvide();
  TMarques sortie;
  sortie.fill(7);
  liberefuseki();
  liberejoseki();
  demandefuseki(NOIR, config, p, sortie);
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, sortie));
  sortie.fill(7);
  demandejoseki(NOIR, config, p, sortie);
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, sortie));
  chargefuseki(19);
  chargejoseki(19);
  sortie.fill(7);
  demandefuseki(NOIR, config, p, sortie);  // a 19x19 library says nothing on 9x9
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, sortie));
  demandejoseki(BLANC, config, p, sortie);
  EXPECT_EQ(bibliojoseki->taille, 9);  // resized to the game before it is asked
  liberefuseki();
  liberejoseki();
  // The hull forwarder hands its arguments on unchanged.
  TMarques marques{}, enveloppe{};
  enveloppe.fill(5);
  marques[indexcase(2, 3)] = 1;
  appelleenveloppeconvexe(marques, enveloppe, 9);
  TMarques attendu{};
  attendu[indexcase(2, 3)] = 2;
  EXPECT_TRUE(fixture::memesmarques(attendu, enveloppe));
}

// ---- Whole games against an independent replay --------------------------

std::string vertex(int l, int c) { return gtpvertex(l, c); }

TEST(FullGame, RandomPlayForBothColoursWithUndoMatchesTheModel) {
  std::mt19937 alea(20261209);
  for (int taille : {9, 13, 19}) {
    SCOPED_TRACE(taille);
    nouvellepartie();
    ASSERT_EQ(repond("boardsize " + std::to_string(taille)), "");
    std::vector<frontendtest::Modele> historique{frontendtest::Modele{}};
    historique[0].taille = taille;
    int captures = 0, refus = 0, kos = 0;
    std::string derniere;
    for (int tour = 0; tour < 600; ++tour) {
      frontendtest::Modele m = historique.back();
      const int choix = static_cast<int>(alea() % 100);
      if (choix < 5) {
        derniere = "undo";
        const std::string r = repond(derniere);
        if (historique.size() == 1) {
          ASSERT_EQ(r, "?cannot undo");
        } else {
          ASSERT_EQ(r, "");
          historique.pop_back();
        }
      } else {
        const uint8_t couleur = static_cast<uint8_t>(alea() % 2);
        const bool passe = choix < 10;
        int l = passe ? 0 : 1 + static_cast<int>(alea() % taille);
        int c = passe ? 0 : 1 + static_cast<int>(alea() % taille);
        if (!passe && choix < 30 && m.dernierecapture >= 0) {  // try the retake
          l = m.dernierecapture / 19 + 1;
          c = m.dernierecapture % 19 + 1;
        }
        const bool ko = !passe && m.dernierecapture == indexcase(l, c);
        const bool legal = m.joue(couleur, l, c);
        derniere = std::string("play ") + (couleur ? "b " : "w ") + (passe ? "pass" : vertex(l, c));
        const std::string r = repond(derniere);
        ASSERT_EQ(r, legal ? "" : "?illegal move") << "move " << tour;
        if (legal) {
          captures += static_cast<int>(m.captures.size());
          historique.push_back(m);
        } else {
          ++refus;
          kos += ko;
        }
      }
      ASSERT_TRUE(fixture::memesplateaux(historique.back().plateau, plateaugtp, configgtp.taille))
          << "move " << tour << " " << derniere << "\n"
          << fixture::texteplateau(plateaugtp, taille) << "\nmodel:\n"
          << fixture::texteplateau(historique.back().plateau, taille);
      ASSERT_EQ(nombrecoups(listecoupsgtp), static_cast<int>(historique.size()) - 1);
      ASSERT_TRUE(fixture::memesplateaux(frontendtest::rejoue(listecoupsgtp, taille), plateaugtp, configgtp.taille));
    }
    // The run must have gone through the cases it is meant to check.
    EXPECT_GT(captures, 10);
    EXPECT_GT(refus, 10);
    EXPECT_GT(kos, 0);
  }
}

TEST(FullGame, HandicapStonesStayThroughUndo) {
  nouvellepartie();
  EXPECT_EQ(repond("fixed_handicap 4"), "D4 Q16 D16 Q4");
  EXPECT_EQ(repond("undo"), "?cannot undo");
  EXPECT_EQ(repond("play w C3"), "");
  EXPECT_EQ(repond("undo"), "");
  EXPECT_EQ(plateaugtp[indexcase(3, 3)], VIDE);
  EXPECT_EQ(plateaugtp[indexcase(4, 4)], NOIR);
  EXPECT_EQ(plateaugtp[indexcase(17 - 1, 4)], NOIR);
  EXPECT_EQ(repond("undo"), "?cannot undo");
  EXPECT_EQ(configgtp.handicap, 4);
  EXPECT_EQ(nombrecoups(listecoupsgtp), 4);
  // A new game starts with no handicap, so its first move can be undone.
  EXPECT_EQ(repond("clear_board"), "");
  EXPECT_EQ(configgtp.handicap, 0);
  EXPECT_EQ(repond("play b D4"), "");
  EXPECT_EQ(repond("undo"), "");
}

TEST_F(HandOff, ANewGameKeepsTheSettingsAndClearsTheNames) {
  for (const char* nouvelle : {"clear_board", "boardsize 9"}) {
    SCOPED_TRACE(nouvelle);
    nouvellepartie();
    for (const char* c : {"komi 0.5", "level 3", "time_settings 0 30 5", "time_left b 20 2", "play b D4",
                          "genmove_white"})
      ASSERT_NE(repond(c)[0], '?') << c;
    ASSERT_EQ(configgtp.nomblanc(), "Molvane");
    EXPECT_EQ(repond(nouvelle), "");
    EXPECT_EQ(nombrecoups(listecoupsgtp), 0);
    EXPECT_EQ(configgtp.nomnoir(), "");
    EXPECT_EQ(configgtp.nomblanc(), "");
    EXPECT_EQ(configgtp.komi, 0.5);
    EXPECT_EQ(configgtp.niveauconfig, 3);
    EXPECT_EQ(configgtp.regle, 2);
    EXPECT_EQ(configgtp.modetemps, 2);
    EXPECT_EQ(configgtp.tempsbyoyomi, 30);
    EXPECT_EQ(configgtp.pierresbyoyomi, 5);
    EXPECT_EQ(horlogeblanc.temps, 30);
    EXPECT_EQ(horlogeblanc.pierres, 5);
    EXPECT_EQ(horlogenoir.temps, 20);
    EXPECT_EQ(horlogenoir.pierres, 2);
    EXPECT_EQ(repond("version"), "3.1.5.7, level 7");
  }
}

// ---- Seeded random bytes through the assembler and dispatcher ------------

// Engine doubles for the fuzz run: any point from the pass to beyond the
// largest board, so the hand-off meets illegal answers as well.
std::mt19937 aleamoteur(11);
void fuzzcoup(uint8_t c, const TConfig&, const TListeCoups&, int32_t, int32_t, int32_t, TResultatCoup& r) {
  r = TResultatCoup{c, static_cast<int32_t>(aleamoteur() % 21), static_cast<int32_t>(aleamoteur() % 21)};
}
void fuzzstatut(const TPlateau&, const TConfig&, int32_t&, int32_t&, TCarte& statut, int32_t, int32_t,
                const TListeCoups&) {
  for (int32_t& code : statut) code = static_cast<int32_t>(aleamoteur() % 10);
}
const TEntreesMoteur doublesfuzz{fuzzcoup, fuzzcoup, fuzzstatut};

TEST(Fuzz, RandomLinesKeepRepliesFramedAndTheBoardConsistent) {
  std::mt19937 alea(7);
  seam::fixeentreesmoteur(&doublesfuzz);
  const EnSortie remet([] { seam::fixeentreesmoteur(nullptr); });
  const char* mots[] = {"play", "black", "white", "boardsize", "clear_board", "fixed_handicap", "place_free_handicap",
                        "set_free_handicap", "undo", "komi", "level", "time_left", "time_settings", "genmove",
                        "kgs-genmove_cleanup", "final_status_list", "known_command", "name", "list_commands",
                        "b", "w", "B", "WHITE", "pass", "D4", "A1", "T19", "J9", "I5", "Z5", "E5", "C3", "G7",
                        "9", "13", "19", "11", "2", "4", "0", "-1", "5.5", "1,5", "99999999999", "dead", "#", "=",
                        "?", "12", "007"};
  nouvellepartie(126);
  std::string flux;
  for (int ligne = 0; ligne < 200000; ++ligne) {
    const int n = static_cast<int>(alea() % 5);
    for (int k = 0; k < n; ++k) {
      if (alea() % 8 == 0) {
        const int octets = 1 + static_cast<int>(alea() % 6);
        for (int o = 0; o < octets; ++o) flux += static_cast<char>(alea() % 256);
      } else {
        flux += mots[alea() % std::size(mots)];
      }
      flux += alea() % 10 == 0 ? '\t' : ' ';
    }
    flux += alea() % 20 == 0 ? "\r\n" : "\n";
  }
  size_t position = 0;
  std::string sortie;
  while (position < flux.size()) {
    const size_t morceau = 1 + alea() % 1024;
    sortie += envoie(std::string_view(flux).substr(position, morceau));
    position += morceau;
    etatgtp.quitter = 0;
    // The board is always what the recorded moves make of an empty board.
    ASSERT_TRUE(fixture::memesplateaux(frontendtest::rejoue(listecoupsgtp, configgtp.taille), plateaugtp, configgtp.taille)) << "at byte " << position;
    for (int l = 1; l <= 19; ++l)
      for (int c = 1; c <= 19; ++c)
        if (l > configgtp.taille || c > configgtp.taille) {
          ASSERT_EQ(plateaugtp[indexcase(l, c)], VIDE);
        }
  }
  // Every reply: status, optional id, a space, text, one blank line.
  size_t i = 0;
  int reponses = 0;
  while (i < sortie.size()) {
    const size_t fin = sortie.find("\n\n", i);
    ASSERT_NE(fin, std::string::npos);
    ASSERT_TRUE(sortie[i] == '=' || sortie[i] == '?') << sortie.substr(i, 40);
    size_t j = i + 1;
    while (sortie[j] >= '0' && sortie[j] <= '9') ++j;
    ASSERT_EQ(sortie[j], ' ') << sortie.substr(i, 40);
    if (j > i + 2) {
      ASSERT_NE(sortie[i + 1], '0') << "leading zero in id";
    }
    i = fin + 2;
    ++reponses;
  }
  EXPECT_GT(reponses, 100000);
}

}  // namespace

namespace {

// ---- Clocks and handicap on the sizes only a command line opens -----------

TEST(Clocks, TimeSettingsAndTimeLeftTable) {
  struct Cas {
    const char* commandes;  // lines run on a fresh game
    uint8_t mode;
    int32_t blanc[2], noir[2];
    const char* reponse;    // reply of the last line
  } cas[] = {
      {"time_settings 600 30 0", 0, {-1, 0}, {-1, 0}, ""},
      {"time_settings 0 0 0", 3, {0, -1}, {0, -1}, ""},
      {"time_settings 300 0 5", 3, {300, -1}, {300, -1}, ""},
      {"time_settings 600 30 5", 2, {-1, 0}, {-1, 0}, ""},
      {"time_settings 0 30 5", 2, {30, 5}, {30, 5}, ""},
      {"time_settings 0 99999999999 5", 2, {INT32_MAX, 5}, {INT32_MAX, 5}, ""},
      {"time_settings 0 30 5\ntime_settings x 0 0", 2, {30, 5}, {30, 5}, "?syntax error"},
      {"time_settings 300 0 0\ntime_left w 100 0", 3, {100, -1}, {300, -1}, ""},
      {"time_settings 600 30 5\ntime_left b 100 0", 2, {-1, 0}, {-1, 0}, ""},
      {"time_settings 600 30 5\ntime_left black 25 4", 2, {-1, 0}, {25, 4}, ""},
      {"time_left white 50 0", 0, {50, 0}, {-1, 0}, ""},
      {"time_left W 50 2", 2, {50, 2}, {-1, 0}, ""},
      {"time_left blue 50 2", 0, {-1, 0}, {-1, 0}, "?syntax error"},
      {"time_left b 50", 0, {-1, 0}, {-1, 0}, "?syntax error"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.commandes);
    nouvellepartie();
    std::string derniere;
    std::string texte = c.commandes;
    size_t debut = 0;
    while (debut <= texte.size()) {
      size_t fin = texte.find('\n', debut);
      if (fin == std::string::npos) fin = texte.size();
      derniere = repond(texte.substr(debut, fin - debut));
      debut = fin + 1;
    }
    EXPECT_EQ(derniere, c.reponse);
    EXPECT_EQ(configgtp.modetemps, c.mode);
    EXPECT_EQ(horlogeblanc.temps, c.blanc[0]);
    EXPECT_EQ(horlogeblanc.pierres, c.blanc[1]);
    EXPECT_EQ(horlogenoir.temps, c.noir[0]);
    EXPECT_EQ(horlogenoir.pierres, c.noir[1]);
  }
}

TEST(Handicap, SizesWithoutAFreeListPlaceTheFixedPoints) {
  struct Cas {
    const char* taille;
    const char* nombre;
    const char* reponse;
    int32_t pierres;
  } cas[] = {
      {"11", "2", "C3 J9", 2},
      {"15", "5", "D4 M12 D12 M4 H8", 5},
      {"17", "12", "D4 O14 D14 O4 D9 O9 J4 J14 J9", 9},
      {"9", "12", "G7 G3 C3 C7 E5 E7 G5 E3 C5", 9},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.taille);
    nouvellepartie(126);
    ASSERT_EQ(repond(std::string("boardsize ") + c.taille), "");
    EXPECT_EQ(repond(std::string("place_free_handicap ") + c.nombre), c.reponse);
    EXPECT_EQ(configgtp.handicap, c.pierres);
    EXPECT_EQ(nombrecoups(listecoupsgtp), c.pierres);
    int pierres = 0;
    for (uint8_t p : plateaugtp) pierres += p == NOIR;
    EXPECT_EQ(pierres, c.pierres);
    EXPECT_EQ(repond("undo"), "?cannot undo");
  }
}

TEST(Handicap, RefusedFreeHandicapChangesNothing) {
  struct Cas {
    const char* avant;  // a move played first, or nothing
    const char* ligne;
    const char* reponse;
  } cas[] = {
      {"", "set_free_handicap D4 Q16 I5", "?syntax error"},
      {"", "set_free_handicap D4 Q16 Z5", "?syntax error"},
      {"", "set_free_handicap D4 pass", "?syntax error"},
      {"play w C3", "set_free_handicap D4 Q16", "?board not empty"},
      {"play b pass", "set_free_handicap D4 Q16", "?board not empty"},
      {"", "set_free_handicap D4 Q16 D4", "?bad vertex list"},
      {"", "set_free_handicap D4", "?invalid handicap"},
      {"", "set_free_handicap", "?invalid handicap"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.ligne);
    nouvellepartie();
    if (*c.avant) {
      ASSERT_EQ(repond(c.avant), "");
    }
    const TPlateau plateau = plateaugtp;
    const int32_t coups = nombrecoups(listecoupsgtp);
    EXPECT_EQ(repond(c.ligne), c.reponse);
    EXPECT_TRUE(fixture::memesplateaux(plateau, plateaugtp, configgtp.taille));
    EXPECT_EQ(nombrecoups(listecoupsgtp), coups);
    EXPECT_EQ(configgtp.handicap, 0);
  }
}

TEST(Sizes, CommandLineSizesOpenBoardsize) {
  nouvellepartie((1 << 2) | (1 << 4));
  EXPECT_EQ(repond("boardsize 11"), "");
  EXPECT_EQ(repond("play b L11"), "");
  EXPECT_EQ(repond("play b M1"), "?illegal move");
  EXPECT_EQ(repond("boardsize 15"), "");
  EXPECT_EQ(repond("boardsize 9"), "?unacceptable size");
  EXPECT_EQ(repond("boardsize 19"), "?unacceptable size");
  EXPECT_EQ(configgtp.taille, 15);
}

}  // namespace
