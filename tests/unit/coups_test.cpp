#include <gtest/gtest.h>

#include <string>

#include "engine/board/coups.h"


namespace {

// Counts live instances so ownership can be checked.
int vivants = 0;
struct CoupCompte : TCoups {
  CoupCompte() { ++vivants; }
  ~CoupCompte() override { --vivants; }
};

// "x,y,c" for each move of the list, in order.
std::string texte(const TCoupsListe& l) {
  std::string s;
  for (int i = 0; i < l.Count(); ++i)
    s += std::to_string(l.Coup(i)->ligne) + "," + std::to_string(l.Coup(i)->colonne) + "," +
         std::to_string(l.Coup(i)->couleur) + " ";
  return s;
}

TEST(TCoupsListe, CopyAppendsAfterTheTargetsOwnMovesInSourceOrder) {
  TCoupsListe source, cible;
  cible.AjouteCoup(1, 1, 1);
  source.CopieVers(cible);  // an empty source adds nothing
  EXPECT_EQ(texte(cible), "1,1,1 ");
  source.AjouteCoup(3, 4, 1);
  source.AjouteCoup(16, 17, 0);
  source.CopieVers(cible);
  source.CopieVers(cible);  // twice: the target holds both copies
  EXPECT_EQ(texte(cible), "1,1,1 3,4,1 16,17,0 3,4,1 16,17,0 ");
  EXPECT_EQ(texte(source), "3,4,1 16,17,0 ");
}

TEST(TCoupsListe, ClearFreesEveryMoveAndTheListTakesNewOnes) {
  vivants = 0;
  TCoupsListe l;
  for (int i = 0; i < 3; ++i) l.Ajoute(new CoupCompte);
  EXPECT_EQ(vivants, 3);
  l.Clear();
  EXPECT_EQ(vivants, 0);
  EXPECT_EQ(l.Count(), 0);
  l.AjouteCoup(5, 6, 0);
  EXPECT_EQ(texte(l), "5,6,0 ");
}

TEST(TCoupsListe, FreesEachItemOnceAndCopiesSurviveTheSource) {
  vivants = 0;
  auto cible = std::make_unique<TCoupsListe>();
  {
    TCoupsListe source;
    for (int i = 1; i <= 3; ++i) {
      auto* c = new CoupCompte;
      c->ligne = i;
      c->colonne = 20 - i;
      c->couleur = static_cast<uint8_t>(i & 1);
      source.Ajoute(c);
    }
    EXPECT_EQ(vivants, 3);
    source.CopieVers(*cible);
    EXPECT_EQ(vivants, 3);  // copies are plain TCoups
    EXPECT_NE(source.Coup(0), cible->Coup(0));
  }
  EXPECT_EQ(vivants, 0);
  ASSERT_EQ(cible->Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(cible->Coup(i)->ligne, i + 1);
    EXPECT_EQ(cible->Coup(i)->colonne, 19 - i);
    EXPECT_EQ(cible->Coup(i)->couleur, (i + 1) & 1);
  }
}

// A marked move with a label too long for the short-string buffer: freeing it
// through the list must run its own destructor (the sanitizer build sees a leak
// otherwise), and copies keep only the plain move.
TEST(TCoupsMarque, OwnedThroughTheListAndCopiedAsAPlainMove) {
  TCoupsListe copie;
  {
    TCoupsListe l;
    auto* m = new TCoupsMarque;
    m->ligne = 4;
    m->colonne = 16;
    m->couleur = 1;
    m->libelle = std::string(64, 'A');
    l.Ajoute(m);
    EXPECT_EQ(static_cast<TCoupsMarque*>(l.Coup(0))->libelle, std::string(64, 'A'));
    l.CopieVers(copie);
  }
  ASSERT_EQ(copie.Count(), 1);
  EXPECT_EQ(dynamic_cast<TCoupsMarque*>(copie.Coup(0)), nullptr);
  EXPECT_EQ(copie.Coup(0)->ligne, 4);
  EXPECT_EQ(copie.Coup(0)->colonne, 16);
  EXPECT_EQ(copie.Coup(0)->couleur, 1);
}

}  // namespace
