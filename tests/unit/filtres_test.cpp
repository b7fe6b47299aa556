// Candidate filters and situation flags of the main recursion: the calm
// test, the opening regions and their filter, the tactical points around a
// last move, the liberties of the chains a trial changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>

#include "engine/board/etat.h"
#include "engine/choice/calme.h"
#include "engine/choice/filtres.h"
#include "tests/support/fixture.h"

namespace {

using Points = std::set<std::pair<int, int>>;

Points ensemble(const TListePoints& l) {
  Points s;
  for (int32_t k = 1; k <= nbpoints(l); ++k) s.insert({ligneliste(l, k), colonneliste(l, k)});
  return s;
}

constexpr const char* kVide9 =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";
constexpr const char* kVide13 =
    ".............\n.............\n.............\n.............\n.............\n.............\n.............\n"
    ".............\n.............\n.............\n.............\n.............\n.............\n";

int32_t* drapeauxcalme[] = {&flagdanger,         &flagcoupure2,      &flaginvasion,    &flagcoupure3,
                            &flagcoupure,        &maxsurvie,         &maxfortification, &flagfortification,
                            &compteurinvasions2, &compteurinfluence, &compteurfaibles, &maxtuesordi,
                            &compteurinvasions,  &compteurinvasions3};

class Filtres : public ::testing::Test {
 protected:
  TPlateau pose(std::string_view d) {
    TPlateau p = fixture::posemoteur(d);
    plateaumoteur = p;
    for (int32_t* v : drapeauxcalme) *v = 0;
    flagfortif2 = 0;
    casescandidates.fill(0);
    casescandidatesjoueur.fill(0);
    casesinterdites.fill(0);
    pionsmortsbis.fill(0);
    pionsmortssauves.fill(0);
    carteanalyse.fill(0);
    zonemarquee.fill(1);
    marquesliaison1.fill(0);
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    profondeurlecture = 10;
    paramniveaub = 3;
    for (auto& ligne : essaisordi)
      for (TEssaiCoup& e : ligne) {
        e.compteur1essai = e.compteur2essai = 0;
        e.gainmoyoordi = e.gainmoyojoueur = 0;
        e.nbprisesessai = e.nbtuesessai = e.nbsauvesessai = e.compteur3essai = 0;
        e.plateauessai2.fill(0);
      }
    return p;
  }
  void TearDown() override {
    for (int32_t* v : drapeauxcalme) *v = 0;
    flagfortif2 = 0;
    debutpartie = 0;
    coupdebutchoisi = 0;
    etatcalme = 0;
  }
};

// ---- situationcalme -----------------------------------------------------------------

TEST_F(Filtres, CalmAnyFamilyFlagMeansSomethingAtStake) {
  // A dead white chain on the board does not matter once a flag is up.
  for (int32_t* v : drapeauxcalme) {
    pose(kVide9);
    *v = 1;
    etatcalme = 1;
    TListePoints l{};
    situationcalme(l);
    EXPECT_EQ(etatcalme, 2);
    EXPECT_EQ(nbpoints(l), 0);
  }
  pose(kVide9);
  flagfortif2 = 1;
  etatcalme = 1;
  TListePoints l{};
  situationcalme(l);
  EXPECT_EQ(etatcalme, 2);
}

TEST_F(Filtres, CalmWhenOnlyEngineStonesAreDeadAndTheirLibertiesAreListed) {
  // Black (5,5) dead, white (2,2) alive.
  pose(".........\n.O.......\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n");
  pionsmortsbis[indexcase(5, 5)] = 1;
  casescandidates[indexcase(4, 5)] = 1;
  casescandidates[indexcase(5, 6)] = 1;
  etatcalme = 1;
  TListePoints l{};
  situationcalme(l);
  EXPECT_EQ(etatcalme, 4);
  EXPECT_EQ(ensemble(l), (Points{{4, 5}, {5, 6}}));
  // A dead white chain: the turn is not calm, its liberties are listed.
  pionsmortsbis[indexcase(2, 2)] = 1;
  casescandidates[indexcase(1, 2)] = 1;
  etatcalme = 1;
  l[0] = 0;
  situationcalme(l);
  EXPECT_EQ(etatcalme, 1);
  EXPECT_EQ(ensemble(l), (Points{{1, 2}, {4, 5}, {5, 6}}));
  // A trial that saves or kills: at stake.
  pionsmortsbis[indexcase(2, 2)] = 0;
  casescandidates[indexcase(7, 7)] = 1;
  essaiordi(7, 7).compteur2essai = 1;
  etatcalme = 1;
  situationcalme(l);
  EXPECT_EQ(etatcalme, 2);
}

// ---- reperezonesouverture, filtreouverture ---------------------------------------------

// Candidates (1,1)..(1,n) on the list and in casescandidates, values v[k].
void candidats(TListePoints& l, TCarte& carte, std::initializer_list<int32_t> valeurs) {
  l[0] = 0;
  carte.fill(0);
  int32_t c = 1;
  for (const int32_t v : valeurs) {
    empilepoint(l, 361, 1, c);
    casescandidates[indexcase(1, c)] = 1;
    carte[indexcase(1, c)] = v;
    ++c;
  }
}

TEST_F(Filtres, OpeningRegionThresholds) {
  struct Cas {
    int32_t meilleur, seuil;
  };
  for (const Cas cas : {Cas{150, 50}, Cas{300, 150}, Cas{200, 66}, Cas{201, 51}}) {
    TPlateau p = pose(kVide13);
    debutpartie = 1;
    coupdebutchoisi = 1;
    TListePoints l{};
    TCarte ordi, joueur{};
    // Five head points of no value, then the threshold and one point under it.
    candidats(l, ordi, {0, 0, 0, 0, 0, cas.meilleur, cas.seuil, cas.seuil - 1});
    TRegionsOuverture z;
    reperezonesouverture(p, l, ordi, joueur, z);
    EXPECT_EQ(z.flagordi, 1);
    EXPECT_EQ(z.flagjoueur, 0);
    EXPECT_EQ(ensemble(l), (Points{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}})) << cas.meilleur;
  }
}

TEST_F(Filtres, OpeningFilterLeavesShortListsAnd9x9Alone) {
  TCarte ordi, joueur{};
  TListePoints l{}, gardes{};
  TRegionsOuverture z;
  // Five points: never filtered.
  TPlateau p = pose(kVide13);
  debutpartie = 1;
  coupdebutchoisi = 1;
  candidats(l, ordi, {300, 0, 0, 0, 0});
  reperezonesouverture(p, l, ordi, joueur, z);
  filtreouverture(gardes, l, z);
  EXPECT_EQ(nbpoints(l), 5);
  // 9x9: the regions stay empty, the filter keeps every candidate.
  p = pose(kVide9);
  debutpartie = 1;
  coupdebutchoisi = 1;
  candidats(l, ordi, {300, 0, 0, 0, 0, 0, 0});
  reperezonesouverture(p, l, ordi, joueur, z);
  filtreouverture(gardes, l, z);
  EXPECT_EQ(z.flagordi, 0);
  EXPECT_EQ(nbpoints(l), 7);
}

TEST_F(Filtres, OpeningFilterKeepsPassesKeptMovesAnalysisMarksAndTheRegion) {
  TPlateau p = pose(kVide13);
  debutpartie = 1;
  coupdebutchoisi = 1;
  TCarte ordi, joueur{};
  TListePoints l{}, gardes{};
  candidats(l, ordi, {0, 0, 300, 0, 0, 0, 0});
  empilepoint(l, 361, 0, 0);  // a pass
  empilepoint(gardes, 300, 1, 1);
  carteanalyse[indexcase(1, 2)] = 1;
  TRegionsOuverture z;
  reperezonesouverture(p, l, ordi, joueur, z);
  filtreouverture(gardes, l, z);
  ASSERT_EQ(nbpoints(l), 4);
  EXPECT_EQ(ligneliste(l, 1), 1);
  EXPECT_EQ(colonneliste(l, 1), 1);
  EXPECT_EQ(colonneliste(l, 2), 2);
  EXPECT_EQ(colonneliste(l, 3), 3);
  EXPECT_EQ(ligneliste(l, 4), 0);
}

// ---- candidatsdernierecoup -----------------------------------------------------------

TEST_F(Filtres, LastMoveTacticalPointsAreEmptyUnlistedAndCached) {
  // Black's last move (3,3) puts white (3,4) in atari: (3,5) takes it.
  TPlateau p = pose(".........\n...X.....\n..XO.....\n...X.....\n.........\n.........\n.........\n.........\n.........\n");
  TListePoints l{};
  empilepoint(l, 361, 2, 3);  // already listed
  cachecoupsreponse[2][2][indexcase(3, 5)] = 0;
  fixture::verifieinchange(p, [&] { candidatsdernierecoup(p, 0, l, TPoint{}, TPoint{3, 3}); });
  const Points vus = ensemble(l);
  EXPECT_EQ(vus.size(), static_cast<size_t>(nbpoints(l)));
  for (const auto& [r, c] : vus) EXPECT_EQ(p[indexcase(r, c)], VIDE) << r << "," << c;
  EXPECT_TRUE(vus.count({3, 5}));
  EXPECT_TRUE(vus.count({4, 3}));
  EXPECT_EQ(cachecoupsreponse[2][2][indexcase(3, 5)] & 0x20, 0x20);
  // With the flag the cache answers alone.
  TListePoints l2{};
  candidatsdernierecoup(p, 1, l2, TPoint{}, TPoint{3, 3});
  EXPECT_EQ(ensemble(l2).count({3, 5}), 1u);
  // A dead last stone: nothing.
  pionsmorts[indexcase(3, 3)] = 1;
  TListePoints l3{};
  candidatsdernierecoup(p, 0, l3, TPoint{}, TPoint{3, 3});
  EXPECT_EQ(nbpoints(l3), 0);
  pionsmorts.fill(0);
}

// Black's last move (5,5); the white stone (3,5) has two liberties, (3,6)
// and (4,5), and dies even with white to move. Its liberty (3,6) joins the
// list only when a collected point beside it, (4,5), is shut in by stones.
TEST_F(Filtres, LastMoveWeakChainsOnlyBesideShutInPoints) {
  struct Cas {
    const char* nom;
    const char* plateau;
    bool attendu;
  };
  const Cas cas[] = {
      {"(4,5) shut in", ".........\n....XX...\n...XO.X..\n...X.X...\n....X....\n.........\n.........\n.........\n.........\n",
       true},
      {"(4,4) empty", ".........\n....XX...\n...XO.X..\n..X..X...\n...XX....\n.........\n.........\n.........\n.........\n",
       false},
  };
  for (const Cas& k : cas) {
    TPlateau p = pose(k.plateau);
    std::fill(std::begin(cachecoupsreponse[4][4]), std::end(cachecoupsreponse[4][4]), 0);
    TListePoints l{};
    fixture::verifieinchange(p, [&] { candidatsdernierecoup(p, 0, l, TPoint{}, TPoint{5, 5}); });
    const Points vus = ensemble(l);
    EXPECT_TRUE(vus.count({4, 5})) << k.nom;
    EXPECT_EQ(vus.count({3, 6}) == 1, k.attendu) << k.nom;
  }
}

// ---- ajoutelibertesessai -------------------------------------------------------------

TEST_F(Filtres, TrialLibertiesOfTheChainsItChanges) {
  // The trial (5,5) saves black (5,6)-(5,7), dead before it.
  TPlateau p = pose(".........\n.........\n.........\n.........\n....XXX..\n.........\n.........\n.........\n.........\n");
  TCarte a{}, b{};
  TListePoints l{};
  marquesliaison1[indexcase(5, 6)] = 1;
  marquesliaison1[indexcase(5, 7)] = 1;
  // Nothing counted and no map value: nothing.
  ajoutelibertesessai(a, b, p, l, TPoint{}, TPoint{5, 5});
  EXPECT_EQ(nbpoints(l), 0);
  essaiordi(5, 5).gainmoyojoueur = 2;
  empilepoint(l, 361, 4, 5);  // listed already
  zonemarquee[indexcase(6, 7)] = 0;  // outside the zone
  fixture::verifieinchange(p, [&] { ajoutelibertesessai(a, b, p, l, TPoint{5, 8}, TPoint{5, 5}); });
  EXPECT_EQ(ensemble(l), (Points{{4, 5}, {4, 6}, {4, 7}, {6, 5}, {6, 6}, {5, 4}}));
}

}  // namespace
