// Engine state: tables of the board size and the per-move reset.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/niveau.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

uint32_t tickfixe() { return 5000; }

struct EtatTest : ::testing::Test {
  void SetUp() override { platform::seam::fixetickcount(tickfixe); }
  void TearDown() override { platform::seam::fixetickcount(nullptr); }
};

std::vector<std::pair<int, int>> voisinsde(int r, int c) {
  std::vector<std::pair<int, int>> v;
  const TVoisins& t = tablevoisins[indexcase(r, c)];
  for (int k = 0; k < t.nbvoisins; ++k) v.emplace_back(t.voisins[k][0], t.voisins[k][1]);
  return v;
}

TEST(TableVoisins, OrderAndCountPerKindOfPoint) {
  using V = std::vector<std::pair<int, int>>;
  for (int n : {9, 13, 19}) {
    construittables(n);
    SCOPED_TRACE(n);
    const int m = n / 2 + 1;
    EXPECT_EQ(voisinsde(m, m), (V{{m + 1, m}, {m, m - 1}, {m - 1, m}, {m, m + 1}}));
    EXPECT_EQ(voisinsde(m, 1), (V{{m + 1, 1}, {m - 1, 1}, {m, 2}}));
    EXPECT_EQ(voisinsde(m, n), (V{{m + 1, n}, {m, n - 1}, {m - 1, n}}));
    EXPECT_EQ(voisinsde(1, m), (V{{2, m}, {1, m - 1}, {1, m + 1}}));
    EXPECT_EQ(voisinsde(n, m), (V{{n, m - 1}, {n - 1, m}, {n, m + 1}}));
    EXPECT_EQ(voisinsde(1, 1), (V{{2, 1}, {1, 2}}));
    EXPECT_EQ(voisinsde(1, n), (V{{2, n}, {1, n - 1}}));
    EXPECT_EQ(voisinsde(n, n), (V{{n, n - 1}, {n - 1, n}}));
    EXPECT_EQ(voisinsde(n, 1), (V{{n - 1, 1}, {n, 2}}));
    EXPECT_EQ(voisinsde(2, 2).size(), 4u);
  }
}

TEST(TablesTaille, EdgeDistanceAndCornerZones) {
  construittables(19);
  EXPECT_EQ(distancebord[indexcase(4, 16)], 3);
  EXPECT_EQ(distancebord[indexcase(1, 10)], 0);
  EXPECT_EQ(distancebord[indexcase(10, 10)], 9);
  EXPECT_EQ(bordgoban[indexcase(1, 10)], 1);
  EXPECT_EQ(bordgoban[indexcase(19, 19)], 1);
  EXPECT_EQ(bordgoban[indexcase(2, 10)], 0);

  construittables(9);
  TMarques attendu{};
  const char* zones =
      "111101111\n"
      "111101111\n"
      "111101111\n"
      "111101111\n"
      "000000000\n"
      "111101111\n"
      "111101111\n"
      "111101111\n"
      "111101111\n";
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) attendu[indexcase(r, c)] = zones[(r - 1) * 10 + (c - 1)] - '0';
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 9), fixture::grille(zonescoins, 9)));
  EXPECT_EQ(bordgoban[indexcase(9, 5)], 1);
  EXPECT_EQ(bordgoban[indexcase(10, 5)], 0);  // outside the 9x9 board

  construittables(4);
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(zonescoins[indexcase(r, c)], 0);
  EXPECT_EQ(distancebord[indexcase(2, 3)], 1);
}

// Dirties everything the reset must bring back.
void salit() {
  coupbasetrouve = 1;
  flagouverture = 3;
  historiquehash.nombre = 5;
  modenettoyage = 1;
  lectureconfirmee = 1;
  sansstatut = 1;
  flagcoupure = flagcoupure2 = flagcoupure3 = 9;
  peintmortsavant = 0;
  compteurcache = 77;
  cacheactif = 1;
  depassementprise = depassementpropagation = 1;
  flagsurvie = 0;
  flagscan = 0;
  strategie = 0;
  pointko = TPoint{3, 4};
  compteurnoeuds = compteurnoeudsprise = compteurnoeudslecture = 1234;
  zerolecture[7] = 5;
  territoire[10] = 1;
  territoire4[20] = 0;
  casesjouables[5] = 0;
  casesinterdites[6] = 1;
  pionsmorts[7] = 1;
  marquesvides[8] = 1;
  infozones[9] = TInfoZone{4, 5, 1};
  cacheprise[1][30][0] = 12;
  cacheplateaux[0][40][41] = 1;
  essaiordi(3, 3).essaifait = 1;
  essaiordi(3, 3).liensessai[12] = 0x800;
  essaijoueur(19, 19).marquesessai[360] = 0x80;
  essaijoueur(19, 19).etatessai[0] = -6;  // not cleared by the reset
  cartefinale1[100] = 3;
  casescandidates[100] = 1;
  lesfaibles[50] = 1;
  numerocoup = 40;
  plateaumoteur[indexcase(4, 4)] = NOIR;
}

TEST_F(EtatTest, ResetGivesStartValues) {
  configmoteur = TConfig{};
  configmoteur.taille = 19;
  configmoteur.niveauconfig = 7;
  couleurdemandee = NOIR;
  tempsrestant = {-1, 0};
  niveau = 7;
  salit();
  initmoteur();

  EXPECT_EQ(couleurordi, NOIR);
  EXPECT_EQ(couleurjoueur, BLANC);
  struct Cas {
    const char* nom;
    int64_t obtenu, attendu;
  } cas[] = {
      {"coupbasetrouve", coupbasetrouve, 0}, {"flagouverture", flagouverture, 0},
      {"historiquehash", historiquehash.nombre, 0}, {"modenettoyage", modenettoyage, 0},
      {"etatcalme", etatcalme, 0}, {"lectureconfirmee", lectureconfirmee, 0},
      {"sansstatut", sansstatut, 0}, {"flagcoupure3", flagcoupure3, 0},
      {"peintmortsavant", peintmortsavant, 1}, {"compteurcache", compteurcache, 0},
      {"cacheactif", cacheactif, 0}, {"depassementprise", depassementprise, 0},
      {"flagsurvie", flagsurvie, 1}, {"flagscan", flagscan, 1},
      {"strategie", strategie, 2}, {"pointko", pointko.ligne + pointko.colonne, 0},
      {"compteurnoeuds", compteurnoeuds, 0}, {"compteurnoeudsprise", compteurnoeudsprise, 0},
      {"zerolecture", zerolecture[7], 0}, {"numerocoup", numerocoup, 0},
      {"niveau", niveau, 7}, {"flaglectureyeux", flaglectureyeux, 1},
  };
  for (const auto& k : cas) EXPECT_EQ(k.obtenu, k.attendu) << k.nom;

  EXPECT_EQ(territoire[10], 2);
  EXPECT_EQ(territoire4[20], 2);
  EXPECT_EQ(casesjouables[5], 1);
  EXPECT_EQ(casesinterdites[6], 0);
  EXPECT_EQ(pionsmorts[7], 0);
  EXPECT_EQ(marquesvides[8], 0);
  EXPECT_EQ(infozones[9].couleurzone, 2);
  EXPECT_EQ(cacheprise[1][30][0], 0);
  EXPECT_EQ(cacheplateaux[0][40][41], 0);
  EXPECT_EQ(essaiordi(3, 3).essaifait, 0);
  EXPECT_EQ(essaiordi(3, 3).liensessai[12], 0);
  EXPECT_EQ(essaijoueur(19, 19).marquesessai[360], 0);
  EXPECT_EQ(essaijoueur(19, 19).etatessai[0], -6);  // left for its writer
  EXPECT_EQ(cartefinale1[100], 0);
  EXPECT_EQ(casescandidates[100], 0);
  EXPECT_EQ(lesfaibles[50], 0);
  EXPECT_EQ(plateaudepart[indexcase(4, 4)], NOIR);  // the board left from the last move
}

// Bytes of the state the reset sets, as one signature.
std::vector<uint8_t> signature() {
  std::vector<uint8_t> s;
  auto ajoute = [&](const void* p, size_t n) {
    const size_t debut = s.size();
    s.resize(debut + n);
    std::memcpy(s.data() + debut, p, n);
  };
#define AJOUTE(x) ajoute(&(x), sizeof(x))
  AJOUTE(couleurordi); AJOUTE(couleurjoueur); AJOUTE(niveau); AJOUTE(paramniveaua); AJOUTE(paramniveaub);
  AJOUTE(profondeurlecture); AJOUTE(paramniveauc); AJOUTE(paramniveaud); AJOUTE(paramniveaue);
  AJOUTE(paramniveauf); AJOUTE(paramniveaug); AJOUTE(niveaumin3); AJOUTE(niveaumin3b); AJOUTE(niveaumin4);
  AJOUTE(lectureprofonde); AJOUTE(lecturelongue); AJOUTE(coupbasetrouve); AJOUTE(flagouverture);
  AJOUTE(historiquehash.nombre); AJOUTE(etatcalme); AJOUTE(lectureconfirmee); AJOUTE(sansstatut);
  AJOUTE(flagcoupure); AJOUTE(flagcoupure2); AJOUTE(flagcoupure3); AJOUTE(peintmortsavant);
  AJOUTE(compteurcache); AJOUTE(cacheactif); AJOUTE(compteurinfluence); AJOUTE(compteurinfluence2);
  AJOUTE(depassementpropagation); AJOUTE(depassementprise); AJOUTE(flagdanger); AJOUTE(flagdanger2);
  AJOUTE(flagdanger3); AJOUTE(bilanentier); AJOUTE(flagfortification); AJOUTE(flagmarquesmorts);
  AJOUTE(flagfortif2); AJOUTE(flaginvasionvivante); AJOUTE(flaginvasion); AJOUTE(flaginvasion2);
  AJOUTE(procedurefinpartie); AJOUTE(enretard); AJOUTE(flagconsolide); AJOUTE(flagattaque);
  AJOUTE(coupdebutchoisi); AJOUTE(flagsurvie); AJOUTE(compteurfaibles); AJOUTE(compteurinvasions);
  AJOUTE(compteurinvasions2); AJOUTE(compteurinvasions3); AJOUTE(flagscan); AJOUTE(flagliaison);
  AJOUTE(territoireaprendre); AJOUTE(flagterritoire); AJOUTE(maxsurvie); AJOUTE(maxfortification);
  AJOUTE(maxcoupforce); AJOUTE(coupdecide); AJOUTE(pointko); AJOUTE(flagjoseki); AJOUTE(zerolecture);
  AJOUTE(strategie); AJOUTE(compteurnoeudsprise); AJOUTE(compteurnoeudslecture); AJOUTE(compteurnoeuds);
  AJOUTE(flagchaines); AJOUTE(flaglectureyeux); AJOUTE(flagremisepierre); AJOUTE(valeurclassefaibles);
  AJOUTE(maxajustementtemps); AJOUTE(valeurdiffterritoire); AJOUTE(flagjonctiongroupes); AJOUTE(numerocoup);
  AJOUTE(tableessaiscourante);
  for (const TMarques* m : {&territoire, &territoire2, &territoire3, &territoire4, &influence, &carteterritoire,
                            &casesjouables, &pionsmorts, &pionsmortssauves, &marquesglobales, &bordgoban,
                            &distancebord, &zonescoins, &marquesvides, &casesinterdites, &casescandidates,
                            &casescandidatesjoueur, &lesfaibles, &marquessurvie, &ciblesnoires, &ciblesblanches})
    ajoute(m->data(), m->size());
  for (const TCarte* m : {&cartefinale1, &cartefinale2, &valeurssurvie, &valeurs2survie, &bonusaffiches, &zerobonus,
                          &zeroterritoire})
    ajoute(m->data(), sizeof(int32_t) * m->size());
  AJOUTE(infochainevide);
  AJOUTE(tablevoisins);
  AJOUTE(infozones);
  AJOUTE(infogroupes);
  AJOUTE(cacheplateaux);
  for (int i = 0; i < NBCASES; ++i) {
    AJOUTE(infoyeux[i][0]);
    AJOUTE(cacheprise[0][i][0]);
    AJOUTE(cacheprise[1][i][0]);
  }
  for (int r = 1; r <= 19; ++r)
    for (int c = 1; c <= 19; ++c)
      for (TEssaiCoup* e : {&essaiordi(r, c), &essaijoueur(r, c)}) {
        AJOUTE(e->essaifait);
        AJOUTE(e->liensessai);
        AJOUTE(e->marquesessai);
      }
#undef AJOUTE
  return s;
}

TEST_F(EtatTest, SecondResetAfterDirtyMoveGivesSameState) {
  configmoteur = TConfig{};
  configmoteur.taille = 13;
  configmoteur.niveauconfig = 5;
  couleurdemandee = BLANC;
  tempsrestant = {-1, 0};
  niveau = 5;
  initmoteur();
  const auto premiere = signature();
  salit();
  essaiordi(5, 5).liensessai[3] = 0x20;
  flagdanger3 = 4;
  maxcoupforce = 8;
  flagjonctiongroupes = 1;
  infoyeux[200][0] = 3;
  bonusaffiches[3] = 9;
  infochainevide[4][1] = 2;
  zerobonus[5] = 1;
  tableessaiscourante = 1;
  territoireaprendre[1] = 12;
  niveau = 5;
  initmoteur();
  EXPECT_EQ(signature(), premiere);
  EXPECT_EQ(couleurjoueur, NOIR);
}

TEST(EtatStockage, LargeStateIsStatic) {
  // The trial records and caches are globals, not stack objects.
  EXPECT_GE(sizeof essaisordi, 361u * 8000u);
  EXPECT_EQ(sizeof cacheprise, 1738576u);
  EXPECT_EQ(sizeof cacheplateaux, 260642u);
}

}  // namespace
