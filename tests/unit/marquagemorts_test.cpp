// Dead-chain marking around a chain: the colour of the readings, the chain
// itself, the chains in atari, the strong chain that loses its marks, the
// maps put back; and the cached capture reading of the search twin.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/reading/marquagemorts.h"
#include "engine/reading/prise.h"
#include "tests/support/fixture.h"

namespace {

int32_t lectures = 0;

struct Scene {
  TPlateau p;
  int32_t statut = 0;
  explicit Scene(std::string_view d) {
    EXPECT_TRUE(chargecles());
    p = fixture::posemoteur(d);
    niveau = 7;
    lecturelongue = 1;
    cacheactif = 0;
    compteurcache = 0;
    lectureconfirmee = 0;
    pointko = TPoint{};
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    plateaudepart = p;
    pionsmortssauves = marquesvides;
    marquesglobales = marquesvides;
    marquesliaison1 = marquesvides;
    marquesliaison2 = marquesvides;
    casescandidates = marquesvides;
    casescandidatesjoueur = marquesvides;
    lectures = 0;
    sondelectureprise = [] { ++lectures; };
  }
  ~Scene() { sondelectureprise = nullptr; }
  // marquechainesmortes on the chain at `point`, board and chain table checked.
  void marque(TPoint point, int32_t entree, int32_t limite = 4, int32_t mode = 0, int32_t genre = 0,
              TPoint second = {}, TPoint troisieme = {}) {
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    statut = entree;
    marquechainesmortes(infochaine, p, statut, 8, 8, point, second, troisieme, limite, mode, genre);
    EXPECT_TRUE(fixture::memesplateaux(avant, p));
    EXPECT_EQ(infochaine, chaines);
  }
};

bool mort(int32_t r, int32_t c) { return pionsmorts[indexcase(r, c)] != 0; }

// The black target (3,3); a black stone in atari at (5,8) and a white one at
// (5,2), each free to run when its owner moves first.
constexpr const char* kDeuxAtaris =
    ".........\n"
    ".........\n"
    "..X......\n"
    ".X.....O.\n"
    "XO.....XO\n"
    ".X.....O.\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(MarqueMortes, ColourOfTheChainMarksItsAtariChains) {
  Scene s(kDeuxAtaris);
  s.marque({3, 3}, 0);
  EXPECT_EQ(s.statut, 1);
  EXPECT_TRUE(mort(5, 8));   // Black in atari: marked without reading
  EXPECT_FALSE(mort(5, 2));  // White in atari is read with White first: it runs
  EXPECT_FALSE(mort(3, 3));
}

TEST(MarqueMortes, Status64InvertsTheColour) {
  Scene s(kDeuxAtaris);
  s.marque({3, 3}, STATUTINVERSE);
  EXPECT_EQ(s.statut, 1);
  EXPECT_TRUE(mort(5, 2));
  EXPECT_FALSE(mort(5, 8));
}

TEST(MarqueMortes, StrongChainLosesItsMarksWithoutReading) {
  Scene s(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....XX...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(5, 5)] = 1;
  pionsmorts[indexcase(5, 6)] = 1;
  s.marque({5, 5}, 0, 4);
  EXPECT_EQ(s.statut, 1);
  EXPECT_FALSE(mort(5, 5));
  EXPECT_FALSE(mort(5, 6));
  EXPECT_EQ(lectures, 0);
  // Nothing marked and nothing to read: status 0.
  s.marque({5, 5}, 0, 4);
  EXPECT_EQ(s.statut, 0);
}

// The white chain (1,1)-(2,1) in the corner: lost.
constexpr const char* kCoin =
    "O.X......\n"
    "OX.......\n"
    "X........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(MarqueMortes, TheChainItselfIsMarkedOrCleared) {
  Scene s(kCoin);
  s.marque({1, 1}, STATUTINVERSE);  // read with Black having moved: White first, lost
  EXPECT_TRUE(mort(1, 1));
  EXPECT_TRUE(mort(2, 1));
  EXPECT_EQ(s.statut, 1);
  // A black stone marked dead but alive is cleared when it is the chain read.
  Scene t(kDeuxAtaris);
  pionsmorts[indexcase(3, 3)] = 1;
  t.marque({3, 3}, 0);
  EXPECT_FALSE(mort(3, 3));
  EXPECT_EQ(t.statut, 1);
}

TEST(MarqueMortes, ThirdPointHasNoEffect) {
  Scene s(kDeuxAtaris);
  s.marque({3, 3}, 0, 4, 0, 0, {}, {});
  const TMarques sans = pionsmorts;
  const int32_t statut = s.statut;
  Scene t(kDeuxAtaris);
  t.marque({3, 3}, 0, 4, 0, 0, {}, {5, 2});
  EXPECT_TRUE(fixture::memesmarques(sans, pionsmorts));
  EXPECT_EQ(t.statut, statut);
}

TEST(MarqueMortes, GlobalMarksReplacedForTheCallThenPutBack) {
  // The lost white chain next to the black stone (3,1) is in marquesglobales:
  // not read with genre 0; with a genre the saved dead marks stand in for
  // the call, so it is read and marked; the map comes back either way.
  Scene s(kCoin);
  marquesglobales[indexcase(1, 1)] = 1;
  marquesglobales[indexcase(2, 1)] = 1;
  const TMarques globales = marquesglobales;
  s.marque({3, 1}, 0, 4, 0, 0);
  EXPECT_FALSE(mort(1, 1));
  EXPECT_TRUE(fixture::memesmarques(globales, marquesglobales));
  s.marque({3, 1}, 0, 4, 0, 3);
  EXPECT_TRUE(mort(1, 1));
  EXPECT_TRUE(fixture::memesmarques(globales, marquesglobales));
}

// White (1,1) in atari; the white stone (3,5) is marked dead but lives.
constexpr const char* kPeinture =
    "OX.......\n"
    ".........\n"
    "....O....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    "........X\n";

TEST(MarqueMortes, PaintStepKeepsGuardedDeadChainsForOnePass) {
  struct Cas { bool bit; bool noirmort; bool attendu; };
  // Guarded by the link marks and the killed bit of its own trial: kept dead
  // through the pass. Without the bit it is read again and freed. With an
  // engine stone dead outside the link marks a second pass frees it too.
  for (const Cas k : {Cas{true, false, true}, Cas{false, false, false}, Cas{true, true, false}}) {
    SCOPED_TRACE(k.bit * 10 + k.noirmort);
    Scene s(kPeinture);
    pionsmorts[indexcase(3, 5)] = 1;
    if (k.noirmort) pionsmorts[indexcase(9, 9)] = 1;
    marquesliaison2[indexcase(3, 5)] = 1;
    essaijoueur(3, 5).liensessai.fill(0);
    if (k.bit) essaijoueur(3, 5).liensessai[indexcase(3, 5)] = 0x80;
    s.marque({1, 1}, 0);
    EXPECT_EQ(s.statut, 1);
    EXPECT_TRUE(mort(1, 1));
    EXPECT_EQ(mort(3, 5), k.attendu);
  }
}

TEST(MarqueMortes, CacheSwitchIsLeftClear) {
  Scene s(kDeuxAtaris);
  cacheactif = 1;
  s.marque({3, 3}, 0);
  EXPECT_EQ(cacheactif, 0);
}

// The position analysis switches the confirming reading on around the
// marking of each trial, and off after it.
int32_t lecturesconfirmees = 0;

TEST(MarqueMortes, TrialAnalysisConfirmsItsMarkings) {
  lecturesconfirmees = 0;
  sondelectureprise = [] { lecturesconfirmees += lectureconfirmee ? 1 : 0; };
  fixture::analysemoteur(R"(
    .........
    .........
    .........
    ....XX...
    ...XOO...
    ....XX...
    .........
    .........
    .........)", {.trait = NOIR, .niveau = 5});
  sondelectureprise = nullptr;
  EXPECT_GT(lecturesconfirmees, 0);
  EXPECT_EQ(lectureconfirmee, 0);
}

TEST(MarqueMortes, ConfirmingSwitchReadsALostWeakChainAgain) {
  // The lost white corner chain lies outside the window of the target (9,9):
  // the board-wide pass reads it with limit 2 and, with the switch on, once
  // more with the caller's limits before marking it.
  constexpr const char* kLoin =
      "O.X......\n"
      "OX.......\n"
      "X........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "........X\n";
  int32_t sans = 0;
  for (const uint8_t confirme : {0, 1}) {
    SCOPED_TRACE(confirme);
    Scene s(kLoin);
    lectureconfirmee = confirme;
    s.marque({9, 9}, 0);
    lectureconfirmee = 0;
    EXPECT_TRUE(mort(1, 1));
    EXPECT_TRUE(mort(2, 1));
    if (!confirme) sans = lectures;
    else EXPECT_EQ(lectures, sans + 1);
  }
}

TEST(MarqueMortesBis, EmptyCacheReadsAsTheOriginal) {
  Scene s(kDeuxAtaris);
  s.marque({3, 3}, STATUTINVERSE);
  const TMarques attendu = pionsmorts;
  Scene t(kDeuxAtaris);
  static TCheminCoups chemin;
  chemin.nombre = 0;
  int32_t statut = STATUTINVERSE;
  marquechainesmortesbis(infochaine, t.p, statut, 8, 8, {3, 3}, {}, {}, 4, 0, 0, chemin);
  EXPECT_TRUE(fixture::memesmarques(attendu, pionsmorts));
  EXPECT_EQ(statut, 1);
}

// ---- The cached capture reading ----

// A black stone at (5,5) alone on the board: never captured.
struct Cache : Scene {
  static TCheminCoups& chemin() {
    static TCheminCoups c;
    return c;
  }
  Cache()
      : Scene(".........\n"
              ".........\n"
              ".........\n"
              ".........\n"
              "....X....\n"
              ".........\n"
              ".........\n"
              ".........\n"
              ".........\n") {
    for (auto& g : cacheprise)
      for (auto& c : g) c[0] = 0;
    for (auto& g : cacheplateaux)
      for (auto& c : g) c = marquesvides;
    chemin().nombre = 0;
  }
  TCasierPrise& casier() { return cacheprise[0][indexcase(5, 5)]; }
  // One path move of the engine (Black) at (ligne, colonne), touched or not.
  void coup(int32_t ligne, int32_t colonne, bool touche) {
    TCoupChemin& c = chemin().coups[++chemin().nombre];
    c.coup = TPoint{ligne, colonne};
    c.prises[0] = 0;
    if (touche) cacheplateaux[0][indexcase(5, 5)][indexcase(ligne, colonne)] = 1;
  }
  // Fills the bucket with n unrelated entries (value 1).
  void remplit(int32_t n) {
    for (int32_t k = 1; k <= n; ++k) {
      casier()[2 * k] = 1;
      casier()[2 * k + 1] = -1000 + k;
    }
    casier()[0] = n;
  }
  bool lit() { return testprisecache(p, chemin(), {5, 5}, 8, 4, BLANC, {}); }
};

TEST(PriseCache, EmptyBucketReads) {
  Cache c;
  EXPECT_FALSE(c.lit());
  EXPECT_EQ(lectures, 1);
}

TEST(PriseCache, StoredKeyAnswersWithoutReading) {
  Cache c;
  c.coup(4, 5, true);
  uint32_t cle = 0;
  xorclepion(cle, 4, 5, NOIR);
  c.casier()[0] = 1;
  c.casier()[2] = 1;
  c.casier()[3] = static_cast<int32_t>(cle);
  compteurcache = 77;
  EXPECT_TRUE(c.lit());  // the stored answer, though the stone lives
  EXPECT_EQ(lectures, 0);
  EXPECT_EQ(compteurcache, 0);
}

TEST(PriseCache, BarelyTouchedChainOfTheTrialRecordsOrRead) {
  // One own move on a touched point, the key not stored, a full bucket and
  // no candidate mark: read.
  Cache c;
  c.remplit(11);
  c.coup(4, 5, true);
  EXPECT_FALSE(c.lit());
  EXPECT_EQ(lectures, 1);
  // No touched move: the link marks answer (the colour is White's, so
  // marquesliaison2), without reading.
  Cache d;
  d.remplit(11);
  d.coup(1, 1, false);
  marquesliaison2[indexcase(5, 5)] = 1;
  EXPECT_TRUE(d.lit());
  EXPECT_EQ(lectures, 0);
  // With a candidate mark the trial record of the point answers.
  Cache e;
  e.remplit(11);
  e.coup(4, 5, true);
  casescandidates[indexcase(5, 5)] = 1;
  essaiordi(5, 5).plateauessai2 = marquesvides;
  essaiordi(5, 5).plateauessai2[indexcase(5, 5)] = 1;
  EXPECT_TRUE(e.lit());
  EXPECT_EQ(lectures, 0);
}

TEST(PriseCache, AtariOfTheColourIsTaken) {
  Scene s(
      ".........\n"
      ".........\n"
      ".........\n"
      "....O....\n"
      "...OXO...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  static TCheminCoups chemin;
  chemin.nombre = 0;
  EXPECT_TRUE(testprisecache(s.p, chemin, {5, 5}, 8, 4, NOIR, {}));
  EXPECT_EQ(lectures, 0);
}

TEST(MarqueMortesBis, RepeatedCallGivesTheSameOutputs) {
  // A repeated call may be answered without reading (no probe set here):
  // marks, status and counters as the first call left them.
  Scene s(kDeuxAtaris);
  sondelectureprise = nullptr;
  videmomorts();
  static TCheminCoups chemin;
  chemin.nombre = 0;
  const TMarques entree = pionsmorts;
  const auto lance = [&] {
    pionsmorts = entree;
    s.statut = STATUTINVERSE;
    marquechainesmortesbis(infochaine, s.p, s.statut, 8, 8, {3, 3}, {}, {}, 4, 0, 0, chemin);
  };
  const int32_t avant = compteurnoeuds;
  lance();
  const int32_t noeuds = compteurnoeuds - avant;
  const TMarques premier = pionsmorts;
  EXPECT_EQ(s.statut, 1);
  EXPECT_GT(noeuds, 0);
  lance();
  EXPECT_TRUE(fixture::memesmarques(premier, pionsmorts));
  EXPECT_EQ(s.statut, 1);
  EXPECT_EQ(compteurnoeuds - avant, 2 * noeuds);
}

TEST(MarqueMortesBis, BucketFilledSinceIsRead) {
  // The same call before and after an answer is stored in the chain's bucket:
  // the second one must go through the bucket (which says captured).
  Cache c;
  sondelectureprise = nullptr;
  videmomorts();
  c.coup(4, 5, true);
  const auto lance = [&] {
    pionsmorts = marquesvides;
    c.statut = 0;
    marquechainesmortesbis(infochaine, c.p, c.statut, 8, 8, {5, 5}, {}, {}, 4, 0, 0, Cache::chemin());
    return pionsmorts[indexcase(5, 5)] != 0;
  };
  EXPECT_FALSE(lance());
  uint32_t cle = 0;
  xorclepion(cle, 4, 5, NOIR);
  c.casier()[0] = 1;
  c.casier()[2] = 1;
  c.casier()[3] = static_cast<int32_t>(cle ^ cletrait);
  EXPECT_TRUE(lance());
  c.casier()[0] = 0;
}

}  // namespace
