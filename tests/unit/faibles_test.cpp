// Weak-chain classification of the engine's chains: which stones get which
// class, the danger-phase transformer, the link flags of the trial records,
// and the weak-chain tests of the reinforcement families.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/board/jeu.h"

#include "engine/board/etat.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/faibles.h"
#include "tests/support/cartescote.h"
#include "tests/support/fixture.h"

namespace {

// Black to move; its two stones in the middle are cut off and threatened.
constexpr const char* kMenace =
    ".........\n"
    ".X.....O.\n"
    "...O.O...\n"
    "..OXX.O..\n"
    "...OO....\n"
    ".........\n"
    ".........\n"
    ".X.....O.\n"
    ".........\n";

struct Classe {
  TMarques lesfaibles, listefaibles;
};

// The classification on the analysed position, with the opening flag and
// the move number given; checks the restore contract.
Classe classe(std::string_view diagramme, uint8_t debut, int32_t coup, uint8_t ouverture = 0,
              const std::function<void()>& regle = [] {}) {
  fixture::AnalyseRacine& a = fixture::analysemoteur(diagramme);
  regle();
  TPlateau b = plateaumoteur;
  pionsmorts = marquesliaison1;
  phasedebut = debut;
  numerocoup = coup;
  debutpartie = ouverture;
  TMarques analyse{};
  auto ordi = std::make_unique<fixture::CartesFamilleCote>();
  auto joueur = std::make_unique<fixture::CartesFamilleCote>();
  fixture::verifieinchange(b, [&] {
    analysefaibles(ordi->cartes(a.ordi), joueur->cartes(a.joueur), analyse, NOIR, b);
  });
  return {lesfaibles, listefaibles};
}

// Before move 5, or without the opening-phase flag, nothing is classified;
// the strong stones are still listed. With both, the lone corner stones dead
// at the start take class 2; the dead middle chain of the link marks stays 0.
TEST(Faibles, GateOfTheClassification) {
  struct Cas {
    uint8_t debut;
    int32_t coup;
    bool classe;
  } cas[] = {{0, 20, false}, {1, 4, false}, {1, 5, true}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << "phasedebut " << int(c.debut) << " move " << c.coup);
    const Classe k = classe(kMenace, c.debut, c.coup);
    const char* attendu = c.classe ? " 0 0 0 0 0 0 0 0 0\n 0 2 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n"
                                     " 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n"
                                     " 0 0 0 0 0 0 0 0 0\n 0 2 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n"
                                   : " 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n"
                                     " 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n"
                                     " 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0 0 0\n";
    EXPECT_TRUE(fixture::memesgrilles(attendu, fixture::grille(k.lesfaibles, 9)));
    // Strong: class 0 and out of the link marks (the corner stones when unclassified).
    EXPECT_EQ(k.listefaibles[indexcase(2, 2)], c.classe ? 0 : 1);
    EXPECT_EQ(k.listefaibles[indexcase(4, 4)], 0);
    EXPECT_EQ(maxfortification, 0);
  }
}

// The danger-phase transformer: an endangered class-1 stone needs 21 counts,
// an unendangered one 11; in the opening the selected stone becomes 0.
TEST(Faibles, TransformerOfClassOne) {
  struct Cas {
    uint8_t danger;
    int32_t compte;
    bool ouverture;
    uint8_t classe, marque;
  } cas[] = {
      {1, 20, false, 1, 1}, {1, 21, false, 4, 2}, {0, 10, false, 1, 0},
      {0, 11, false, 4, 2}, {1, 21, true, 0, 2},  {0, 11, true, 0, 2},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << "E " << int(c.danger) << " K " << c.compte << " opening " << c.ouverture);
    lesfaibles = marquesvides;
    const int32_t i = indexcase(3, 3);
    lesfaibles[i] = 1;
    lesfaibles[indexcase(5, 5)] = 2;  // only class 1 is transformed
    TMarques E = marquesvides;
    TCarte K{};
    E[i] = c.danger;
    K[i] = c.compte;
    K[indexcase(5, 5)] = 50;
    EXPECT_EQ(transformefaibles(E, K, c.ouverture), c.marque == 2);
    EXPECT_EQ(lesfaibles[i], c.classe);
    EXPECT_EQ(E[i], c.marque);
    EXPECT_EQ(lesfaibles[indexcase(5, 5)], 2);
  }
  lesfaibles = marquesvides;
}

// The threat test reads the opponent's trial at an empty candidate point.
TEST(Faibles, ThreatTestModes) {
  const TPlateau p = fixture::posemoteur(
      ".....\n"
      ".XX..\n"
      ".....\n"
      ".....\n"
      ".....\n");
  const int32_t s = indexcase(2, 2), q = indexcase(3, 2);
  struct Cas {
    int32_t mode;
    uint8_t morts, carte3, carte2;
    int32_t etatq, etats;
    bool attendu;
  } cas[] = {
      {1, 1, 0, 0, 0, 0, true},   {1, 0, 1, 1, 0, 0, false}, {2, 0, 1, 0, 0, 0, true},
      {3, 0, 0, 1, 0, 0, true},   {3, 0, 1, 0, 0, 0, false}, {3, 0, 0, 1, -2, 0, false},
      {3, 0, 0, 1, -2, -2, true},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode);
    casescandidatesjoueur = marquesvides;
    casescandidatesjoueur[q] = 1;
    TEssaiCoup& e = essaijoueur(3, 2);
    e.plateauessai2 = marquesvides;
    e.carte2essai = marquesvides;
    e.carte3essai = marquesvides;
    e.etatessai = TCarte{};
    e.plateauessai2[s] = c.morts;
    e.carte3essai[s] = c.carte3;
    e.carte2essai[s] = c.carte2;
    e.etatessai[q] = c.etatq;
    e.etatessai[s] = c.etats;
    EXPECT_EQ(faiblemenacee(p, c.mode, 2, 2), c.attendu);
    // Not a candidate: no threat.
    casescandidatesjoueur[q] = 0;
    EXPECT_FALSE(faiblemenacee(p, c.mode, 2, 2));
  }
  casescandidatesjoueur = marquesvides;
}

// The diagonal shape test around an empty point (3,3).
TEST(Faibles, DiagonalWeakShape) {
  struct Cas {
    const char* plateau;
    const char* faibles;  // '1' weak stones
    int32_t r, c;
    bool attendu;
    int32_t listes;
    const char* pourquoi;
  } cas[] = {
      {".....\n.X...\n.....\n.....\n.....\n", ".....\n.1...\n.....\n.....\n.....\n", 3, 3, false, 1,
       "one weak diagonal, nothing strong around"},
      {".....\n.X...\n.....\n...X.\n.....\n", ".....\n.1...\n.....\n...1.\n.....\n", 3, 3, true, 2,
       "two weak diagonals"},
      {".....\n.X...\n...X.\n.....\n.....\n", ".....\n.1...\n.....\n.....\n.....\n", 3, 3, true, 1,
       "a strong stone beside the point"},
      {".....\n.X...\n.....\n.X...\n.....\n", ".....\n.1...\n.....\n.....\n.....\n", 3, 3, true, 1,
       "a strong diagonal spoils the shape"},
      {".....\n.XX..\n.....\n.....\n.....\n", ".....\n.11..\n.....\n.....\n.....\n", 3, 3, false, 0,
       "a side with an own stone lists no diagonal"},
      {".....\n.X...\n.....\n.....\n.....\n", ".....\n.1...\n.....\n.....\n.....\n", 1, 1, true, 1,
       "on the edge one weak diagonal is enough"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    const TPlateau p = fixture::posemoteur(k.plateau);
    lesfaibles = marquesvides;
    for (int32_t i = 0, r = 1, c = 1; k.faibles[i]; ++i) {
      if (k.faibles[i] == '\n') {
        ++r;
        c = 1;
        continue;
      }
      if (k.faibles[i] == '1') lesfaibles[indexcase(r, c)] = 1;
      ++c;
    }
    TListePoints l{};
    EXPECT_EQ(testdiagonalefaible(p, NOIR, l, k.r, k.c), k.attendu);
    EXPECT_EQ(nbpoints(l), k.listes);
  }
  lesfaibles = marquesvides;
}

// Weak and strong stones in one window; a trial sparing a stone; a
// provisional stone's link.
TEST(Faibles, WindowAndLinkTests) {
  TPlateau p = fixture::posemoteur(
      ".......\n"
      ".X.....\n"
      ".......\n"
      "...X...\n"
      ".......\n"
      ".......\n"
      "......O\n");
  TMarques faibles{}, masque{};
  faibles[indexcase(2, 2)] = 1;
  EXPECT_TRUE(faiblesetfortsproches(p, faibles, masque, NOIR, 2, 3, 3));
  EXPECT_FALSE(faiblesetfortsproches(p, faibles, masque, NOIR, 1, 2, 2));  // (4,4) out of the window
  masque[indexcase(4, 4)] = 1;
  EXPECT_FALSE(faiblesetfortsproches(p, faibles, masque, NOIR, 2, 3, 3));

  // Every empty point's mask marks (2,2) but (5,5)'s.
  auto masques = std::make_unique<TCartesParPoint>();
  for (auto& ligne : *masques)
    for (auto& m : ligne) m[indexcase(2, 2)] = 1;
  TMarques exclus{};
  EXPECT_FALSE(essaisansmortfaible(p, exclus, *masques, 2, 2));
  (*masques)[4][4][indexcase(2, 2)] = 0;
  EXPECT_TRUE(essaisansmortfaible(p, exclus, *masques, 2, 2));
  exclus[indexcase(5, 5)] = 1;
  EXPECT_FALSE(essaisansmortfaible(p, exclus, *masques, 2, 2));

  // Black at (2,3) would touch the marked (2,2); the point comes back empty.
  TMarques cibles{};
  cibles[indexcase(2, 2)] = 1;
  for (const int32_t mode : {1, 2}) {
    fixture::verifieinchange(p, [&] {
      EXPECT_TRUE(testlienpionprovisoire(p, cibles, NOIR, mode, 2, 3));
      EXPECT_FALSE(testlienpionprovisoire(p, cibles, NOIR, mode, 6, 6));
    });
  }
}

// Isolated zones: open windows far from black's live stones count; the
// empty points next to a weak stone never do.
TEST(Faibles, IsolatedZones) {
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n");
  for (const bool faible : {false, true}) {
    SCOPED_TRACE(faible ? "weak stone" : "live stone");
    TMarques faibles{};
    faibles[indexcase(5, 5)] = faible ? 1 : 0;
    TCarte comptes{};
    marquezonesisolees(p, faibles, comptes, NOIR);
    EXPECT_EQ(comptes[indexcase(5, 5)], 0);
    EXPECT_GT(comptes[indexcase(1, 1)], 0);
    // Next to a weak stone: marked, never counted; next to a live one, windows
    // that stop short of the stone count it.
    if (faible) {
      EXPECT_EQ(comptes[indexcase(5, 4)], 0);
    } else {
      EXPECT_GT(comptes[indexcase(5, 4)], 0);
    }
    EXPECT_EQ(comptes[indexcase(10, 10)], 0);
  }
}

// The black chain (5,4)-(7,4) hangs from the living wall by the one point
// (4,4); white there leaves it in atari with no way out, so the capture
// marks hold it, and so do the dead marks of the analysis. Black's trial
// at (4,4) saves it: that record flags the chain with 0x20, and each
// stone's own record flags it revived (0x40), so the chain is weak with
// class 3. The wall stays strong.
TEST(Faibles, CapturableChainThatATrialSavesIsWeak) {
  const char* d =
      ".X.X.....\n"
      "XXXXXO...\n"
      "..O.XO...\n"
      "..O.XO...\n"
      "..OXO....\n"
      "..OXO....\n"
      "..OX.O...\n"
      "...OO....\n"
      ".........\n";
  const Classe k = classe(d, 1, 25);
  for (const int32_t r : {5, 6, 7}) {
    const int32_t i = indexcase(r, 4);
    SCOPED_TRACE(r);
    EXPECT_TRUE(marquesliaison1[i]);
    EXPECT_TRUE(pionsmortsbis[i]);
    EXPECT_TRUE(essaiordi(4, 4).marquesessai[i] & 0x20);
    EXPECT_FALSE(essaiordi(r, 4).marquesessai[i] & 0x20);
    EXPECT_EQ(k.lesfaibles[i], 3);
    EXPECT_EQ(k.listefaibles[i], 0);
  }
  EXPECT_EQ(k.lesfaibles[indexcase(2, 3)], 0);
  EXPECT_EQ(k.listefaibles[indexcase(2, 3)], 1);
}

// In the opening, with the opening heuristics at 3, the threat test reads
// the dead marks of the opponent's trials (mode 1): the black stone that a
// white trial kills is threatened (class 1) and flagsurvie is cleared. With
// the heuristics below 3 the test reads the trials' survival marks, which
// mark nothing here.
TEST(Faibles, ThreatenedStoneInTheOpening) {
  const char* d =
      ".........\n"
      ".X.....O.\n"
      ".........\n"
      "....O....\n"
      "...OX....\n"
      ".........\n"
      "..X......\n"
      ".X.....O.\n"
      ".........\n";
  for (const int32_t heuristique : {3, 0}) {
    SCOPED_TRACE(heuristique);
    const Classe k = classe(d, 1, 20, 1, [&] {
      flagouverture = heuristique;
      strategie = 1;  // no danger phase
      flagsurvie = 1;
    });
    EXPECT_EQ(k.lesfaibles[indexcase(5, 5)], heuristique == 3 ? 1 : 0);
    EXPECT_EQ(k.listefaibles[indexcase(5, 5)], heuristique == 3 ? 0 : 1);
    EXPECT_EQ(flagsurvie, 0);
  }
  flagsurvie = 1;
  strategie = 2;
  flagouverture = 0;
}

// In the opening, below the heuristics' threshold, the threat test reads
// the trials' capture marks (carte3essai) once the largest kill or save
// count the position analysis keeps reaches 3, else their survival marks
// (carte2essai). The records' own counts are cleared: the maximum of the
// analysis decides, not a count of the records made again.
TEST(Faibles, ThreatModeFromTheAnalysisMaximum) {
  const char* d =
      ".........\n"
      ".........\n"
      "..O......\n"
      ".........\n"
      "...XX....\n"
      ".........\n"
      "......O..\n"
      ".........\n"
      ".........\n";
  const int32_t s = indexcase(5, 4), q = indexcase(1, 1);
  for (const int32_t maximum : {5, 0}) {
    SCOPED_TRACE(maximum);
    const Classe k = classe(d, 1, 20, 1, [&] {
      flagouverture = 0;
      strategie = 1;  // no danger phase
      maxprisesessais = maximum;
      for (int32_t r = 1; r <= 9; ++r)
        for (int32_t c = 1; c <= 9; ++c) {
          for (TEssaiCoup* e : {&essaiordi(r, c), &essaijoueur(r, c)}) {
            e->nbtuesessai = e->nbsauvesessai = 0;
            e->carte2essai = marquesvides;
            e->carte3essai = marquesvides;
            e->plateauessai2 = marquesvides;
          }
        }
      casescandidatesjoueur[q] = 1;
      TEssaiCoup& e = essaijoueur(1, 1);
      e.etatessai = TCarte{};
      e.carte3essai[s] = 1;
    });
    EXPECT_EQ(k.lesfaibles[s], maximum >= 3 ? 1 : 0);
    EXPECT_EQ(k.lesfaibles[indexcase(5, 5)], maximum >= 3 ? 1 : 0);
  }
  casescandidatesjoueur = marquesvides;
  strategie = 2;
  maxprisesessais = 0;
}

}  // namespace
