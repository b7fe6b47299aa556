// The position analysis: what a refused trial leaves, captures in the trial
// records (more than 100 stones included), the masks and chain table put
// back, the ranking's pass and end signals, the self-atari and ladder
// penalties of the valuation, the link of a lone trial stone to its own
// live chain; and the engine position the later tests start from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/chains/escaliers.h"
#include "engine/choice/analyseposition.h"
#include "engine/choice/formescoup.h"
#include "engine/reading/prise.h"
#include "tests/support/fixture.h"

namespace {

// The maps of one direct call of analyseposition, on the state the engine
// position leaves (static: the per-point maps are large).
struct Appel {
  std::array<TCarte, 2> consolidation;
  TCartesParPoint apres, lecture;
  int32_t porteezone = 0;
  TCarte atari, faitmort, fourchette, flou, separation;
  TMarques invasion, faiblesse, tues, sauves, deuxyeux, mauvais;
  TListePoints candidats, adverses;

  void remplit(int32_t v) {
    for (TCarte* m : {&consolidation[0], &consolidation[1], &atari, &faitmort, &fourchette, &flou, &separation})
      m->fill(v);
    for (TMarques* m : {&invasion, &faiblesse, &tues, &sauves, &deuxyeux, &mauvais}) m->fill(static_cast<uint8_t>(v));
    for (auto& ligne : apres)
      for (auto& m : ligne) m.fill(static_cast<uint8_t>(v));
    lecture = apres;
    candidats[0] = 0;
    adverses[0] = 0;
  }
  // Side to move (pourordi 1) or the other side (0) on plateaumoteur.
  void lance(uint8_t pourordi, int32_t nbvaleur = 10, int32_t nbsupp = 1) {
    const uint8_t c = pourordi ? couleurdemandee : static_cast<uint8_t>(1 - couleurdemandee);
    const TCartesAnalyse cartes{consolidation, apres, lecture, atari, faitmort, fourchette, flou,
                                separation, invasion, faiblesse, tues, sauves, deuxyeux, mauvais};
    analyseposition(cartes, derniercoup.ligne, derniercoup.colonne, porteezone, pourordi, nbvaleur, nbsupp,
                    paramniveaub + 2, c, static_cast<uint8_t>(1 - c), plateaumoteur, candidats, adverses);
  }
};
Appel appel;

const TPointEssaye* essaye(const TEssaisAnalyse& e, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= e.nombre; ++k)
    if (e.essais[k].point.ligne == r && e.essais[k].point.colonne == c) return &e.essais[k];
  return nullptr;
}

bool memesoctets(const TEssaiCoup& a, const TEssaiCoup& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A white eye at (1,1) that black cannot fill, a black eye at (9,9) that white cannot fill.
constexpr const char* kYeux = R"(
  .O.......
  OO.......
  .........
  .........
  .........
  .........
  .........
  .......XX
  .......X.)";

TEST(AnalysePipeline, RefusedMoveTouchesOnlyBadMovesAndItsTwoMaps) {
  fixture::analysemoteur(kYeux, {.trait = NOIR, .niveau = 5});
  const int32_t i = indexcase(1, 1);
  TEssaiCoup& rec = essaiordi(1, 1);
  std::memset(static_cast<void*>(&rec), 0x5A, sizeof rec);
  const TEssaiCoup avant = rec;
  std::fill(std::begin(carteniveau[0][0]), std::end(carteniveau[0][0]), 0x5A);
  casescandidates[i] = 0;
  appel.remplit(77);
  appel.mauvais.fill(0);
  appel.lance(1);

  EXPECT_EQ(appel.mauvais[i], 1);
  TMarques attendu = pionsmortssauves;
  attendu[i] = 1;
  EXPECT_TRUE(fixture::memesmarques(attendu, carteessai(appel.apres, 1, 1)));
  EXPECT_TRUE(fixture::memesmarques(attendu, carteessai(appel.lecture, 1, 1)));
  EXPECT_TRUE(memesoctets(rec, avant)) << "the record of a refused move is left alone";
  EXPECT_EQ(carteniveau[0][0][5], 0x5A);
  EXPECT_EQ(casescandidates[i], 0);
  EXPECT_EQ(essaye(essaisanalyse(), 1, 1), nullptr) << "a refused move has no value";
  for (const TCarte* m : {&appel.consolidation[0], &appel.consolidation[1], &appel.atari, &appel.fourchette,
                          &appel.flou})
    EXPECT_EQ((*m)[i], 77);
  for (const TMarques* m : {&appel.invasion, &appel.deuxyeux}) EXPECT_EQ((*m)[i], 77);
  // The maps the call clears on entry stay clear there.
  EXPECT_EQ(appel.faitmort[i], 0);
  EXPECT_EQ(appel.separation[i], 0);
  EXPECT_EQ(appel.tues[i], 0);
  EXPECT_EQ(appel.sauves[i], 0);
}

TEST(AnalysePipeline, OtherSideNeverWritesBadMoves) {
  fixture::analysemoteur(kYeux, {.trait = NOIR, .niveau = 5});
  appel.remplit(0);
  appel.mauvais[indexcase(5, 5)] = 3;
  const TMarques avant = appel.mauvais;
  appel.lance(0);
  EXPECT_TRUE(fixture::memesmarques(avant, appel.mauvais)) << "white's refused (9,9) is not black's bad move";
  TMarques attendu = pionsmortssauves;
  attendu[indexcase(9, 9)] = 1;
  EXPECT_TRUE(fixture::memesmarques(attendu, carteessai(appel.apres, 9, 9)));
  EXPECT_GT(essaisanalyse().nombre, 0);
}

TEST(AnalysePipeline, CaptureMarksThePointAndTheCapturedStones) {
  // White (5,5)-(5,6) has its last liberty at (5,7).
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
  const TEssaiCoup& prise = essaiordi(5, 7);
  EXPECT_EQ(prise.nbprisesessai, 2);
  for (const auto& q : {std::pair{5, 7}, std::pair{5, 5}, std::pair{5, 6}})
    EXPECT_TRUE(prise.liensessai[indexcase(q.first, q.second)] & 8) << q.first << "," << q.second;
  EXPECT_FALSE(prise.liensessai[indexcase(4, 5)] & 8);
  EXPECT_EQ(prise.plateauessai[indexcase(5, 5)], VIDE);
  // A quiet move captures nothing.
  const TEssaiCoup& calme = essaiordi(8, 8);
  EXPECT_EQ(calme.nbprisesessai, 0);
  EXPECT_FALSE(calme.liensessai[indexcase(8, 8)] & 8);
}

// Rows 1-6 white but (1,1), row 7 black: black's (1,1) takes 113 stones.
std::string grandeprise() {
  std::string d;
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) d += r == 1 && c == 1 ? '.' : r <= 6 ? 'O' : r == 7 ? 'X' : '.';
    d += '\n';
  }
  return d;
}

TEST(AnalysePipeline, CaptureOfMoreThanHundredStonesIsUndoneExactly) {
  fixture::AnalyseRacine& a = fixture::analysemoteur(grandeprise(), {.trait = NOIR, .niveau = 1});
  const TEssaiCoup& prise = essaiordi(1, 1);
  EXPECT_EQ(prise.nbprisesessai, 113);
  int32_t marques = 0;
  for (int32_t r = 1; r <= 6; ++r)
    for (int32_t c = 1; c <= 19; ++c) marques += (prise.liensessai[indexcase(r, c)] & 8) ? 1 : 0;
  EXPECT_EQ(marques, 114) << "the 113 stones and the move's point";
  // Every later trial starts again from the whole white chain.
  for (const auto& q : {std::pair{8, 1}, std::pair{10, 10}, std::pair{19, 19}}) {
    int32_t blancs = 0;
    for (int32_t j = 0; j < NBCASES; ++j) blancs += essaiordi(q.first, q.second).plateauessai[j] == BLANC ? 1 : 0;
    EXPECT_EQ(blancs, 113) << "trial " << q.first << "," << q.second;
  }
  EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, a.plateau));
  const TInfoChaine chaines = infochaine;
  calculelibertes(plateaumoteur);
  EXPECT_EQ(chaines, infochaine) << "the chain table describes the position again";
  // White cannot fill its own last liberty.
  EXPECT_EQ(carteessai(a.joueur.mortsapresessai, 1, 1)[indexcase(1, 1)], 1);
}

TEST(AnalysePipeline, DeadMarksChainTableAndBoardComeBack) {
  const TPlateau p = fixture::analysemoteur(R"(
    .........
    ..XXO.O..
    .XOOXO...
    .XO.XO...
    ..XOXXO..
    ..XOOXO..
    .X.XOX.O.
    .O.XOXO..
    ..X......)", {.trait = BLANC, .niveau = 7}).plateau;
  // Marks that no pass of the analysis would write.
  for (int32_t j = 0; j < NBCASES; j += 7) pionsmorts[j] = 3;
  for (uint8_t pourordi : {1, 0}) {
    appel.remplit(0);
    fixture::verifieinchange(p, [&] { appel.lance(pourordi); });
    EXPECT_TRUE(fixture::memesplateaux(p, plateaumoteur));
  }
}

TEST(AnalyseClassement, NoTrialBetterThanNoMovePassesAndAppendsNothing) {
  // Every black stone here is lone in white's sphere: each trial loses.
  fixture::analysemoteur(R"(
    .........
    .........
    .........
    ....O....
    ...O.....
    .....O...
    .........
    .........
    .........)", {.trait = NOIR, .niveau = 5});
  procedurefinpartie = 0;
  ordipasse = 0;
  appel.remplit(0);
  appel.lance(1);
  const TEssaisAnalyse& e = essaisanalyse();
  ASSERT_GT(e.nombre, 0);
  for (int32_t k = 1; k <= e.nombre; ++k) ASSERT_LT(e.essais[k].valeur, e.valeurbase);
  EXPECT_EQ(procedurefinpartie, 1);
  EXPECT_EQ(ordipasse, 1);
  EXPECT_EQ(nbpoints(appel.candidats), 0);
}

TEST(AnalyseClassement, FewTrialsWidenTheZoneReachAndKeepEveryGoodPoint) {
  // Nine neutral points (eyes are never filled): at most 20 trials, so the
  // zone count takes over.
  fixture::analysemoteur(R"(
    XXXXXXXXX
    X.XXXXX.X
    XXXXXXXXX
    XXXXXXXXX
    .........
    OOOOOOOOO
    O.OOOOO.O
    OOOOOOOOO
    OOOOOOOOO)", {.trait = NOIR, .niveau = 5});
  appel.remplit(0);
  appel.porteezone = 0;
  appel.lance(1, 10, 1);
  const TEssaisAnalyse e = essaisanalyse();
  EXPECT_EQ(e.nombre, 9);
  EXPECT_EQ(appel.porteezone, 10);
  int32_t bons = 0;
  TPoint bon{};
  for (int32_t k = 1; k <= e.nombre; ++k)
    if (e.essais[k].valeur >= e.valeurbase) {
      ++bons;
      bon = e.essais[k].point;
    }
  EXPECT_EQ(nbpoints(appel.candidats), bons) << "fewer trials than the limit: every good point";
  if (bons == 0) return;
  // A good point already listed is neither listed again nor counted.
  appel.remplit(0);
  appel.porteezone = 0;
  empilepoint(appel.candidats, MAXPOINTSLISTE, bon.ligne, bon.colonne);
  // No zone supplement: the zone term may rank a further point.
  appel.lance(1, 1, 0);
  EXPECT_EQ(nbpoints(appel.candidats), std::min(bons, 2));
  EXPECT_EQ(ligneliste(appel.candidats, 1), bon.ligne);
  EXPECT_EQ(colonneliste(appel.candidats, 1), bon.colonne);
}

TEST(AnalyseValeur, SelfAtariIsTakenAtOnce) {
  // Black (4,4) with white around: black's (5,4) makes two stones in atari.
  const fixture::AnalyseRacine& a = fixture::analysemoteur(R"(
    .........
    .........
    ...O.....
    ..OXO....
    ..O.O....
    .........
    .........
    .........
    .........)", {.trait = NOIR, .niveau = 5});
  const TPointEssaye* t = essaye(a.ordi.essais, 5, 4);
  ASSERT_NE(t, nullptr) << "a self-atari is still recorded";
  const TEssaiCoup& rec = essaiordi(5, 4);
  int32_t morts = 0;
  for (const auto& q : {std::pair{4, 4}, std::pair{5, 4}}) morts += rec.plateauessai2[indexcase(q.first, q.second)] ? 1 : 0;
  EXPECT_EQ(t->termeprise, -2 - 10 * morts - 1);
  EXPECT_EQ(t->zone, -1000);
}

struct CasEchelle {
  const char* nom;
  const char* diagramme;
  bool prise;
};

TEST(AnalyseValeur, TwoLibertyMoveCaughtInALadderIsABadMove) {
  // Black's (5,5) keeps two liberties; the ladder runs down to the left.
  const CasEchelle cas[] = {
      {"caught", R"(
        .........
        .........
        .........
        ....O....
        ...O.....
        .....O...
        .........
        .........
        .........)", true},
      {"black stones break the ladder both ways", R"(
        .........
        .......X.
        .........
        ....O....
        ...O.....
        .....O...
        .........
        .X.......
        .........)", false},
  };
  for (const CasEchelle& k : cas) {
    SCOPED_TRACE(k.nom);
    fixture::analysemoteur(k.diagramme, {.trait = NOIR, .niveau = 5});
    TPlateau b = plateaumoteur;
    b[indexcase(5, 5)] = NOIR;
    calculelibertes(b);
    ASSERT_EQ(detectesca(b, 1, 5, 5), k.prise);
    calculelibertes(plateaumoteur);
    appel.remplit(0);
    appel.lance(1);
    const TPointEssaye* t = essaye(essaisanalyse(), 5, 5);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->zone == -1000, k.prise);
    if (k.prise) {
      EXPECT_EQ(appel.mauvais[indexcase(5, 5)], 1);
    }
  }
}

TEST(AnalyseEssai, LoneStoneIsLinkedToItsOwnLiveChain) {
  // (5,6) is diagonal to the live black pair: linked for black, whatever white holds.
  fixture::analysemoteur(R"(
    .........
    .........
    .........
    ...XX....
    .........
    .........
    ......O..
    .......O.
    .........)", {.trait = NOIR, .niveau = 5});
  EXPECT_EQ(essaiordi(5, 6).lievivanteessai, 1);
  EXPECT_EQ(essaiordi(8, 2).lievivanteessai, 0);
}

TEST(AnalyseEssai, ExtensionOutOfAtariCarriesTheSavingShapeFlag) {
  // Black (5,5) is in atari; its extension at (6,5) takes it out.
  fixture::analysemoteur(R"(
    .........
    .........
    .........
    ....O....
    ...OXO...
    .........
    .........
    .........
    .........)", {.trait = NOIR, .niveau = 5});
  EXPECT_TRUE(essaiordi(6, 5).formeessai & FORMEAMISAUVE);
  EXPECT_FALSE(essaiordi(8, 8).formeessai & FORMEAMISAUVE);
  // White's move there takes the stone: no own chain of white to save.
  EXPECT_FALSE(essaijoueur(6, 5).formeessai & FORMEAMISAUVE);
}

TEST(AnalyseEssai, TwoZonesOfLinkedStones) {
  // (5,5) joins two black stones that the white pair keeps in two zones.
  fixture::analysemoteur(R"(
    .........
    .........
    .........
    ....X....
    ...O.O...
    ....X....
    .........
    .........
    .........)", {.trait = NOIR, .niveau = 5});
  ASSERT_NE(infozones[indexcase(4, 5)].numero, infozones[indexcase(6, 5)].numero);
  TPlateau b = plateaumoteur;
  b[indexcase(5, 5)] = NOIR;
  calculelibertes(b);
  essaiordi(5, 5).essaifait = 0;
  testdeuxzones(b, 1, 5, 5);
  EXPECT_EQ(essaiordi(5, 5).essaifait, 1);
  // A stone joined to one of them only.
  b = plateaumoteur;
  b[indexcase(3, 5)] = NOIR;
  calculelibertes(b);
  essaiordi(3, 5).essaifait = 0;
  testdeuxzones(b, 1, 3, 5);
  EXPECT_EQ(essaiordi(3, 5).essaifait, 0);
  calculelibertes(plateaumoteur);
}

// The link term of a trial counts the mover's own stones that the other
// side would split by taking the point (a position of the engine's games,
// white to move). White (6,9) joins (5,9) to the white edge stones below
// it and white (1,7) joins (1,6) to (2,7): the term goes into white's map
// there, and black's trials at those points link no black stones.
TEST(AnalyseEssai, LinkTermCountsTheMoversOwnStones) {
  const fixture::AnalyseRacine& a = fixture::analysemoteur(R"(
    ...O.O...
    ..O.OXO..
    .XOOX.O..
    .X..XXO..
    ..X...X.O
    .....X...
    .X.O.OXXO
    ..XX.OXOO
    ......X..)", {.trait = BLANC, .niveau = 5});
  for (const auto& [r, c] : {std::pair{6, 9}, std::pair{1, 7}}) {
    EXPECT_GT(a.ordi.valeursatari[indexcase(r, c)], 0) << r << "," << c;
    EXPECT_LE(a.joueur.valeursatari[indexcase(r, c)], 0) << r << "," << c;
  }
}

// The switches and key base each capture reading of an analysis starts with.
struct VueLecture {
  uint8_t cache, confirme;
  int32_t cle;
};
std::vector<VueLecture> vues;

bool cachevide() {
  for (const auto& g : cacheprise)
    for (const auto& b : g)
      if (b[0] != 0) return false;
  return true;
}

TEST(AnalyseEssai, TrialReadingsFillTheCaptureCacheUnderTheTrialKey) {
  // The white corner chain is lost; the rest of the board is open.
  fixture::analysemoteur(R"(
    O.X......
    OX.......
    X........
    .........
    .........
    .........
    .........
    .........
    .........)", {.trait = NOIR, .niveau = 5});
  EXPECT_FALSE(cachevide()) << "the capturable chains and the trials were read with the cache on";
  for (auto& g : cacheprise)
    for (auto& b : g) b[0] = 0;
  for (auto& g : cacheplateaux)
    for (auto& m : g) m.fill(0);
  vues.clear();
  sondelectureprise = [] { vues.push_back({cacheactif, lectureconfirmee, compteurcache}); };
  appel.remplit(0);
  appel.lance(1);
  sondelectureprise = nullptr;
  EXPECT_EQ(cacheactif, 0);
  EXPECT_EQ(lectureconfirmee, 0);
  EXPECT_EQ(compteurcache, 0);
  // Each trial stone that took nothing and was read: its chain's snapshot
  // and bucket filled, by a reading keyed by the trial position.
  const TEssaisAnalyse& e = essaisanalyse();
  int32_t lues = 0;
  for (int32_t k = 1; k <= e.nombre; ++k) {
    const TPoint q = e.essais[k].point;
    const int32_t i = indexcase(q.ligne, q.colonne);
    if (essaiordi(q.ligne, q.colonne).nbprisesessai != 0 || !cacheplateaux[0][i][i]) continue;
    SCOPED_TRACE(testing::Message() << q.ligne << "," << q.colonne);
    ++lues;
    EXPECT_GT(cacheprise[0][i][0], 0);
    uint32_t cle = 0;
    xorclepion(cle, q.ligne, q.colonne, NOIR);
    cle ^= cletrait;
    EXPECT_TRUE(std::any_of(vues.begin(), vues.end(), [&](const VueLecture& v) {
      return v.cache && v.cle == static_cast<int32_t>(cle);
    }));
  }
  EXPECT_GT(lues, 0);
  // The trial's dead-chain marking reads with the confirming reading on.
  EXPECT_TRUE(std::any_of(vues.begin(), vues.end(), [](const VueLecture& v) { return v.confirme && v.cache; }));
  EXPECT_FALSE(std::any_of(vues.begin(), vues.end(), [](const VueLecture& v) { return v.cache && v.cle == 0; }))
      << "the trials read with their own key";
}

TEST(PositionMoteur, EntryAndSearchPreparation) {
  // White's last move (5,6) takes the black stone at (5,5): a ko.
  const fixture::AnalyseRacine& a = fixture::analysemoteur(R"(
    .........
    .........
    .........
    ....OX...
    ...OXOX..
    ....OX...
    .........
    .........
    .........)", {.trait = NOIR, .numerocoup = 31, .niveau = 3, .dernier = {5, 6}});
  EXPECT_EQ(niveau, 3);
  EXPECT_EQ(numerocoup, 31);
  EXPECT_EQ(derniercoup.ligne, 5);
  EXPECT_EQ(derniercoup.colonne, 6);
  EXPECT_EQ(couleurordi, NOIR);
  EXPECT_EQ(prisonniersblanc, 1);
  EXPECT_EQ(a.plateau[indexcase(5, 5)], VIDE);
  EXPECT_EQ(debutpartie, 0);
  EXPECT_FALSE(a.passe);
  EXPECT_EQ(casesinterdites[indexcase(5, 5)] & 0x01, 0x01) << "the retake is forbidden";
  EXPECT_EQ(casesinterdites[0] & 0x02, 0x02);
  EXPECT_GT(a.joueur.essais.nombre, 0) << "both analyses ran";
  EXPECT_GT(nbpoints(a.candidats), 0);
}

}  // namespace
