// Game tree of the record readers: links, numbers, removal, setup replay.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "records/arbre.h"
#include "tests/support/fixture.h"

namespace {

// The children of a node as "numero:kind" words (removal renumbers nothing).
std::string enfants(const TArbre& n) {
  std::string s;
  for (const TArbre* e = n.premierfils.get(); e; e = e->frere.get()) {
    if (!s.empty()) s += ' ';
    s += std::to_string(e->numero) + ':' + std::to_string(e->donnees->nature);
    EXPECT_EQ(e->pere, &n);
  }
  return s;
}

TArbre* enfant(TArbre& pere, uint8_t nature) {
  TArbre* n = ajoutearbre(pere);
  n->donnees->nature = nature;
  return n;
}

TEST(RecordsArbre, AppendNumbersChildrenAfterTheirElderSibling) {
  TArbre haut;
  haut.numero = 5;
  TArbre* a = enfant(haut, 1);
  TArbre* b = enfant(haut, 2);
  TArbre* c = enfant(haut, 3);
  EXPECT_EQ(a->numero, 5);  // a first child keeps its parent's number
  EXPECT_EQ(b->numero, 6);
  EXPECT_EQ(c->numero, 7);
  EXPECT_EQ(c->profondeur, 1);
  EXPECT_EQ(enfant(*c, 1)->profondeur, 2);
  EXPECT_EQ(enfants(haut), "5:1 6:2 7:3");
}

TEST(RecordsArbre, RemovalPutsTheChildrenInPlaceInOrder) {
  TArbre haut;
  TArbre* a = enfant(haut, 1);
  TArbre* b = enfant(haut, 2);
  enfant(haut, 3);
  enfant(*b, 5);
  enfant(*b, 6);
  // b's children take b's place, before b's later sibling.
  TArbre* premier = detachearbre(b);
  ASSERT_NE(premier, nullptr);
  EXPECT_EQ(premier->donnees->nature, 5);
  EXPECT_EQ(enfants(haut), "0:1 1:5 2:6 2:3");
  // A childless first child: its later siblings stay.
  EXPECT_EQ(detachearbre(a), nullptr);
  EXPECT_EQ(enfants(haut), "1:5 2:6 2:3");
  // A first child with children: the parent's first link points to them.
  TArbre* d = haut.premierfils.get();
  enfant(*d, 9);
  detachearbre(d);
  EXPECT_EQ(enfants(haut), "1:9 2:6 2:3");
  // The top node cannot be removed.
  EXPECT_EQ(detachearbre(&haut), nullptr);
}

TEST(RecordsArbre, RenumberingFollowsLinesAndSkipsLaterGames) {
  TArbre haut;
  TArbre* probleme = enfant(haut, NOEUDPROBLEME);
  TArbre* p2 = enfant(*probleme, NOEUDPROBLEME);
  TArbre* partie = enfant(haut, NOEUDPARTIE);
  TArbre* m1 = enfant(*partie, 1);
  TArbre* m2 = enfant(*m1, 2);
  TArbre* v2 = enfant(*m1, 2);  // a variation of m2
  TArbre* v3 = enfant(*v2, 1);
  for (TArbre* n : {probleme, p2, partie, m1, m2, v2, v3}) {
    n->donnees->numcoup = 77;
    n->profondeur = 77;
  }
  renumerotearbre2(probleme);
  EXPECT_EQ(probleme->donnees->numcoup, 1);
  EXPECT_EQ(p2->donnees->numcoup, 2);
  EXPECT_EQ(p2->profondeur, 2);
  // The next sibling is a game root: not reached from the problem line.
  EXPECT_EQ(partie->donnees->numcoup, 77);
  renumerotearbre(partie);
  EXPECT_EQ(partie->donnees->numcoup, 0);
  EXPECT_EQ(partie->profondeur, 1);
  EXPECT_EQ(m1->donnees->numcoup, 1);
  EXPECT_EQ(m2->donnees->numcoup, 2);
  EXPECT_EQ(v2->donnees->numcoup, 2);
  EXPECT_EQ(v3->donnees->numcoup, 3);
  EXPECT_EQ(v3->profondeur, 4);
}

std::string texte(const TCoupsListe& l) {
  std::string s;
  for (int i = 0; i < l.Count(); ++i)
    s += (s.empty() ? "" : " ") + std::to_string(l.Coup(i)->ligne) + std::to_string(l.Coup(i)->colonne) + "=" +
         std::to_string(l.Coup(i)->couleur);
  return s;
}

TEST(RecordsArbre, SetupReplayRecordsChangesAndRemovesDeadChains) {
  struct Cas {
    const char* nom;
    const char* avant;
    std::vector<std::array<int, 3>> poses;  // row, column, content
    const char* apres;
    const char* changes;
    const char* anciens;
  };
  const Cas cas[] = {
      {"a stone on the other colour is a change, not an emptied point", "O....\n.....\n.....\n.....\n.....",
       {{1, 1, NOIR}}, "X....\n.....\n.....\n.....\n.....\n", "11=1", ""},
      {"a chain left without liberty goes; its points are emptied and remembered",
       "OX...\n.....\n.....\n.....\n.....", {{1, 1, NOIR}, {2, 2, BLANC}, {1, 3, BLANC}, {2, 1, BLANC}},
       "..O..\nOO...\n.....\n.....\n.....\n", "11=2 12=2 13=0 21=0 22=0", "11=0 12=1"},
      {"an empty point in the setup clears a stone", "X....\n.....\n.....\n.....\n.....", {{1, 1, VIDE}},
       ".....\n.....\n.....\n.....\n.....\n", "11=2", "11=1"},
      {"no setup, nothing changes", "X....\n.....\n.....\n.....\n.....", {},
       "X....\n.....\n.....\n.....\n.....\n", "", ""},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    fixture::Position pos = fixture::diagramme(c.avant);
    TDonnees d;
    for (const auto& p : c.poses) d.poses.AjouteCoup(p[0], p[1], static_cast<uint8_t>(p[2]));
    rejouedonnees(d, pos.plateau, pos.taille);
    EXPECT_EQ(fixture::texteplateau(pos.plateau, pos.taille), c.apres);
    EXPECT_EQ(texte(d.poses), c.changes);
    EXPECT_EQ(texte(d.anciens), c.anciens);
  }
}

TEST(RecordsArbre, DeepLinesAreFreedWithoutRecursion) {
  auto haut = std::make_unique<TArbre>();
  TArbre* n = haut.get();
  for (int i = 0; i < 300000; ++i) {
    n = ajoutearbre(*n);
    n->donnees->nature = NOEUDNOIR;
  }
  renumerotearbre(haut.get());
  EXPECT_EQ(n->donnees->numcoup, 299999);
  haut.reset();
}

}  // namespace
