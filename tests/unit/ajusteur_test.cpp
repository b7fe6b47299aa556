// The move adjuster of the second pass and its fortification reinforcement,
// on small positions with the maps of the turn set by hand.
#include <gtest/gtest.h>

#include <memory>

#include "engine/board/etat.h"
#include "engine/choice/ajusteur.h"
#include "tests/support/fixture.h"

namespace {

constexpr const char* kVide9 =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

// The maps of one call (far too large together for the stack).
struct Cartes {
  TMarques F{}, K{}, S{}, mauvais{};
  TCarte Q{}, I{}, IJ{}, flou{}, SJ{}, SV{}, FO{}, T{}, D1{}, D2{}, B{};
  recherche::TListeRacine candidats;
  TListePoints listea{}, listeb{};
  uint8_t ajoute = 0;
  int32_t meilleur = 0;
  TCartesAjusteur cartes() {
    return TCartesAjusteur{F, K, S, zonespoints, Q, I, IJ, flou, SJ, SV, FO, T, D1, D2, B, mauvais};
  }
};

class Ajusteur : public ::testing::Test {
 protected:
  void SetUp() override { m = std::make_unique<Cartes>(); }
  void TearDown() override { niveau = 7; }
  TPlateau pose(std::string_view d) {
    TPlateau p = fixture::posemoteur(d);
    plateaudepart = p;
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    niveau = 7;
    profondeurlecture = 10;
    paramniveaub = 3;
    casescandidates.fill(0);
    casescandidatesjoueur.fill(0);
    casesjouables.fill(1);
    pionsmortssauves.fill(0);
    pionsmortsbis.fill(0);
    lesfaibles.fill(0);
    territoire3.fill(VIDE);
    for (auto& ligne : essaisordi)
      for (TEssaiCoup& e : ligne) {
        e.plateauessai = p;
        e.infochaineessai = infochaine;
        e.plateauessai2.fill(0);
        e.carte2essai.fill(0);
        e.carte3essai.fill(0);
        e.marquesessai.fill(0);
        e.liensessai.fill(0);
        e.compteur1essai = e.compteur2essai = 0;
      }
    for (auto& ligne : effetsinvasion)
      for (TEffetInvasion& e : ligne) e.valeur = 0;
    for (auto& ligne : tablepaires)
      for (auto& carte : ligne) std::fill(std::begin(carte), std::end(carte), 0);
    return p;
  }
  // The root list 1..k of points (9, 1..k).
  void racine(int k) {
    m->candidats.nombre = 0;
    for (int c = 1; c <= k; ++c) m->candidats.ajoute(TPoint{9, c});
  }
  void appel(TPlateau& p, TPoint P0, TPoint ko = {}) {
    Cartes& c = *m;
    fixture::verifieinchange(p, [&] {
      ameliorator(c.cartes(), p, c.meilleur, P0, c.candidats, c.listeb, c.listea, c.ajoute, NOIR, BLANC, ko);
    });
  }
  bool liste(TPoint q) const {
    for (int32_t k = 1; k <= m->candidats.nombre; ++k)
      if (m->candidats.points[k].ligne == q.ligne && m->candidats.points[k].colonne == q.colonne) return true;
    return false;
  }
  static int32_t i(int r, int c) { return indexcase(r, c); }
  std::unique_ptr<Cartes> m;
};

TEST_F(Ajusteur, NothingAddedLeavesTheListAsAtEntry) {
  TPlateau p = pose(kVide9);
  racine(3);
  empilepoint(m->listeb, 300, 4, 4);
  empilepoint(m->listea, 300, 4, 4);
  const recherche::TListeRacine avant = m->candidats;
  appel(p, TPoint{5, 5});
  EXPECT_EQ(m->ajoute, 0);
  ASSERT_EQ(m->candidats.nombre, avant.nombre);
  for (int k = 1; k <= avant.nombre; ++k) EXPECT_EQ(m->candidats.points[k].colonne, avant.points[k].colonne);
  EXPECT_EQ(nbpoints(m->listea), 0);
  EXPECT_EQ(nbpoints(m->listeb), 0);
}

TEST_F(Ajusteur, NeighboursOfTheChosenMoveButNeverTheKoPoint) {
  TPlateau p = pose(kVide9);
  racine(2);
  // Every neighbour of (5,5) is a candidate as good as (5,5); (4,5) is the ko point.
  for (const TPoint q : {TPoint{4, 5}, TPoint{6, 5}, TPoint{5, 4}, TPoint{5, 6}}) {
    casescandidates[i(q.ligne, q.colonne)] = 1;
    m->flou[i(q.ligne, q.colonne)] = 20;
  }
  m->flou[i(5, 5)] = 10;
  appel(p, TPoint{5, 5}, TPoint{4, 5});
  EXPECT_EQ(m->ajoute, 1);
  EXPECT_FALSE(liste(TPoint{4, 5}));
  EXPECT_EQ(m->candidats.nombre, 2 + 1 + 3);  // P0 first, then its three other neighbours
  EXPECT_EQ(m->candidats.points[3].ligne, 5);
  EXPECT_EQ(m->candidats.points[3].colonne, 5);
  EXPECT_EQ(m->flou[i(6, 5)], 25) << "a better neighbour of a plain move is raised by 5";
}

TEST_F(Ajusteur, ZoneListOnlyFromLevel7AndListBAlwaysEmptied) {
  for (const int32_t n : {6, 7}) {
    TPlateau p = pose(kVide9);
    niveau = n;
    racine(0);
    m->listea[0] = 0;
    empilepoint(m->listeb, 300, 5, 7);
    casescandidates[i(5, 6)] = 1;
    m->flou[i(5, 6)] = 5;
    appel(p, TPoint{5, 5});
    EXPECT_EQ(m->ajoute, 1);
    EXPECT_EQ(nbpoints(m->listeb), 0);
    if (n == 6) EXPECT_EQ(nbpoints(m->listea), 0);
    else EXPECT_GT(nbpoints(m->listea), 0);
    for (int32_t k = 1; k <= nbpoints(m->listea); ++k) EXPECT_LE(nbpoints(m->listea), 300);
    m->ajoute = 0;
  }
}

TEST_F(Ajusteur, AnAlreadySavingMoveSkipsTheSurvivalStep) {
  // (5,5) survives; (5,6), played before, lies beside it.
  for (const uint8_t s : {0, 1, 3}) {
    TPlateau p = pose(kVide9);
    racine(0);
    m->ajoute = 0;
    m->meilleur = 0;
    m->SV[i(5, 5)] = 30;
    m->T[i(5, 6)] = 12;
    m->FO[i(5, 6)] = 40;
    m->S[i(5, 5)] = s;
    appel(p, TPoint{5, 5});
    EXPECT_EQ(liste(TPoint{5, 6}), s == 0) << int(s);
    EXPECT_EQ(m->meilleur, s == 0 ? 40 : 0) << int(s);
  }
}

// The survival-alternative scan takes P0 too: P0 with a root value keeps its own weak stones, so
// the alternative flag is set; its penalty goes and the best value rises.
TEST_F(Ajusteur, TheChosenMoveCountsAsItsOwnSurvivalAlternative) {
  for (const int32_t t : {0, 10}) {
    TPlateau p = pose(kVide9);
    racine(0);
    m->ajoute = 0;
    m->meilleur = 0;
    m->SV[i(5, 5)] = 30;
    m->D1[i(5, 5)] = 15;
    m->T[i(5, 5)] = t;
    appel(p, TPoint{5, 5});
    EXPECT_EQ(m->D1[i(5, 5)], t > 0 ? 0 : 15) << t;
    EXPECT_EQ(m->meilleur, t > 0 ? 30 : 0) << t;
    EXPECT_EQ(m->candidats.nombre, 0) << t;
  }
}

TEST_F(Ajusteur, AFullRootListTakesNothingMore) {
  TPlateau p = pose(kVide9);
  racine(0);
  while (m->candidats.ajoute(TPoint{9, 9})) {
  }
  casescandidates[i(5, 6)] = 1;
  m->flou[i(5, 6)] = 5;
  appel(p, TPoint{5, 5});
  EXPECT_EQ(m->candidats.nombre, recherche::CAPACITERACINE);
  EXPECT_EQ(m->candidats.points[recherche::CAPACITERACINE].colonne, 9);
}

// A point of P0's zone that stops an opponent invasion P0 lets live.
TEST_F(Ajusteur, PointsThatStopMoreInvasionGainTheDifference) {
  TPlateau p = pose(kVide9);
  racine(0);
  const TPoint P0{5, 5}, q{4, 6};
  m->T[i(5, 5)] = 5;
  m->IJ[i(q.ligne, q.colonne)] = 30;
  effetsinvasion[4][4].valeur = 12;
  effetsinvasion[4][4].marques.fill(0);
  effetsinvasion[4][4].marques[i(q.ligne, q.colonne)] = 4;
  // (5,7) in P0's zone and (5,9) outside it both stop the invasion.
  for (const TPoint a : {TPoint{5, 7}, TPoint{5, 9}}) {
    casescandidates[i(a.ligne, a.colonne)] = 1;
    m->T[i(a.ligne, a.colonne)] = 5;
    effetsinvasion[a.ligne - 1][a.colonne - 1].marques.fill(0);
    effetsinvasion[a.ligne - 1][a.colonne - 1].marques[i(q.ligne, q.colonne)] = 1;
  }
  const int32_t noeuds = compteurnoeudsprise;
  appel(p, P0);
  EXPECT_EQ(m->T[i(5, 7)], 35);
  EXPECT_TRUE(liste(TPoint{5, 7}));
  EXPECT_EQ(m->T[i(5, 9)], 5);
  EXPECT_FALSE(liste(TPoint{5, 9}));
  EXPECT_GT(compteurnoeudsprise, noeuds);
  // Without a value of P0's own invasion term the step does not run.
  effetsinvasion[4][4].valeur = 0;
  racine(0);
  m->ajoute = 0;
  m->T[i(5, 7)] = 5;
  appel(p, P0);
  EXPECT_EQ(m->T[i(5, 7)], 5);
  EXPECT_EQ(m->ajoute, 0);
}

// Phase B: a move that saves the same weak stone with more influence gains
// (v - base) * 10, halved on the first line.
TEST_F(Ajusteur, InfluenceGainIsHalvedOnTheFirstLine) {
  for (const TPoint q : {TPoint{1, 5}, TPoint{3, 5}}) {
    TPlateau p = pose(".........\n.X.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
    niveau = 6;
    racine(0);
    m->ajoute = 0;
    const TPoint P0{5, 5};
    lesfaibles[i(2, 2)] = 1;
    casescandidates[i(q.ligne, q.colonne)] = 1;
    m->FO[i(5, 5)] = 10;
    m->FO[i(q.ligne, q.colonne)] = 8;
    for (const TPoint t : {P0, q}) {
      TEssaiCoup& e = essaiordi(t.ligne, t.colonne);
      e.plateauessai = p;
      e.plateauessai[i(t.ligne, t.colonne)] = NOIR;
      e.marquesessai[i(2, 2)] = 1;
    }
    essaiordi(q.ligne, q.colonne).liensessai[i(2, 2)] = 0x20;
    pionsmorts.fill(0);
    const int32_t base = soldeinfluenceponderee(p, 5);
    const int32_t v = soldeinfluenceponderee(essaiordi(q.ligne, q.colonne).plateauessai, 5);
    ASSERT_GT(v, base);
    appel(p, P0);
    const int32_t gain = (v - base) * 10 / (q.ligne == 1 ? 2 : 1);
    EXPECT_EQ(m->FO[i(q.ligne, q.colonne)], 8 + gain) << q.ligne;
    EXPECT_TRUE(liste(q));
    EXPECT_EQ(m->ajoute, 1);
  }
}

// The re-evaluation reads only the answers that threaten a weak stone P0
// saves, on p's trial position, and puts everything back.
TEST_F(Ajusteur, ReevaluationPutsTheTrialPositionBack) {
  TPlateau p = pose(".........\n.X.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  const TPoint P0{5, 5}, q{3, 3}, x{2, 3};
  casescandidatesjoueur[i(x.ligne, x.colonne)] = 1;
  essaijoueur(x.ligne, x.colonne).compteur1essai = 2;
  essaijoueur(x.ligne, x.colonne).carte2essai.fill(0);
  essaijoueur(x.ligne, x.colonne).carte2essai[i(2, 2)] = 1;
  tablepaires[4][4][i(x.ligne, x.colonne)] = 1;
  TEssaiCoup& eq = essaiordi(q.ligne, q.colonne);
  eq.plateauessai[i(q.ligne, q.colonne)] = NOIR;
  for (const bool sauve : {false, true}) {
    lesfaibles[i(2, 2)] = 1;
    essaiordi(5, 5).marquesessai[i(2, 2)] = sauve ? 1 : 0;
    m->FO[i(q.ligne, q.colonne)] = 30;
    fixture::verifieinchange(p, [&] {
      reevaluefortifcandidat(p, 0, 0, P0, q, m->cartes(), NOIR, BLANC);
    });
    EXPECT_EQ(m->D1[i(q.ligne, q.colonne)], 0) << sauve;
  }
}

TEST_F(Ajusteur, InfluenceBalanceWeighsTheLines) {
  struct Cas {
    const char* diagramme;
    int32_t attendu;
  };
  const Cas cas[] = {
      // A black stone on the first line: two first-line points (1 each), one on the second (3).
      {"....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n", 5 / 2},
      // In the centre: four points far from the edges, 4 each.
      {".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n", 8},
      // A white stone on the first line: only its second-line point counts against.
      {"....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n....O....\n", 2},
  };
  for (const Cas& c : cas) {
    TPlateau p = pose(c.diagramme);
    pionsmorts.fill(0);
    EXPECT_EQ(soldeinfluenceponderee(p, 1), c.attendu) << c.diagramme;
  }
  // Dead stones are taken off first.
  TPlateau p = pose(cas[1].diagramme);
  pionsmorts[i(5, 5)] = 1;
  EXPECT_EQ(soldeinfluenceponderee(p, 1), 0);
  pionsmorts.fill(0);
}

TEST_F(Ajusteur, ZonesOfThePointsAreTheirWindowsAndNearbyLiberties) {
  TPlateau p = pose(".........\n.........\n.........\n..XXXXX..\n.........\n.........\n.........\n.........\n.........\n");
  marquezonespoints(p);
  const uint8_t(&z)[NBCASES] = zonespoints[2][2];  // the zone of (3,3)
  EXPECT_EQ(z[i(1, 1)], 1);
  EXPECT_EQ(z[i(5, 5)], 1);
  EXPECT_EQ(z[i(3, 7)], 1) << "a liberty of the chain beside (3,3)";
  EXPECT_EQ(z[i(3, 8)], 0);
  EXPECT_EQ(z[i(6, 3)], 0);
}

}  // namespace
