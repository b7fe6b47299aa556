// The checked-in position books: every item well formed, every key one that
// the generator makes from our sources, and a shallow regeneration giving
// the very results of the checked-in 9x9 book.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/platform.h"
#include "tools/genlivres.h"

namespace {

std::vector<int32_t> entiers(std::string_view nom) {
  const auto o = platform::donnee(nom);
  std::vector<int32_t> t;
  for (std::size_t i = 0; i + 3 < o.size(); i += 4)
    t.push_back(static_cast<int32_t>(uint32_t{o[i]} | uint32_t{o[i + 1]} << 8 | uint32_t{o[i + 2]} << 16 |
                                     uint32_t{o[i + 3]} << 24));
  return t;
}

::testing::AssertionResult croissante(const std::vector<int32_t>& t, std::string_view nom) {
  for (std::size_t i = 1; i < t.size(); ++i)
    if (t[i] <= t[i - 1]) return ::testing::AssertionFailure() << nom << " not ascending at " << i;
  return ::testing::AssertionSuccess();
}

TEST(LivresDonnees, NineByNineItemsAreSortedAndPaired) {
  for (const char* couleur : {"NOIR", "BLANC"}) {
    const std::string nom = std::string("BASE99") + couleur;
    const auto cles = entiers(nom + "CLE"), results = entiers(nom + "RESULT");
    EXPECT_FALSE(cles.empty()) << nom;
    EXPECT_EQ(platform::donnee(nom + "CLE").size() % 4, 0u);
    EXPECT_EQ(cles.size(), results.size()) << nom;
    EXPECT_TRUE(croissante(cles, nom));
  }
}

TEST(LivresDonnees, NineByNineKeysAreTheCanonicalPositionsOfTheEnumeration) {
  genlivres::Reglages r;
  r.parties = 0;
  const auto l = genlivres::genere99(r);
  for (const auto& [couleur, table] : {std::pair{"NOIR", &l.noir}, std::pair{"BLANC", &l.blanc}}) {
    std::vector<int32_t> attendues;
    for (auto [k, v] : *table) attendues.push_back(k);
    EXPECT_EQ(entiers(std::string("BASE99") + couleur + "CLE"), attendues) << couleur;
  }
}

TEST(LivresDonnees, ShallowRegenerationGivesTheCheckedInResults) {
  genlivres::Reglages r;
  r.profondeur = 1;
  const auto l = genlivres::genere99(r);
  ASSERT_FALSE(l.noir.empty());
  EXPECT_TRUE(l.blanc.empty());
  const auto cles = entiers("BASE99NOIRCLE"), results = entiers("BASE99NOIRRESULT");
  int avoid = 0, recommande = 0;
  for (auto [k, v] : l.noir) {
    const auto it = std::lower_bound(cles.begin(), cles.end(), k);
    ASSERT_TRUE(it != cles.end() && *it == k) << k;
    EXPECT_EQ(results[static_cast<std::size_t>(it - cles.begin())], v) << k;
    avoid += v < 0;
    recommande += v > 0;
  }
  EXPECT_GT(avoid, 0);  // the first- and second-line first moves
  EXPECT_GT(recommande, 0);
  // Byte-reproducible: a second run is identical.
  const auto l2 = genlivres::genere99(r);
  EXPECT_EQ(l2.noir, l.noir);
}

TEST(LivresDonnees, NineteenItemsAreTheFusekiPositionsOfTheConsultedCounts) {
  const auto sources = genbibliotheques::lissources(std::string(SOURCE_DIR) + "/data/src", "fuseki19");
  const auto l = genlivres::genere1919(sources);
  ASSERT_EQ(l.erreur, "");
  ASSERT_FALSE(l.cles.empty());
  int items = 0;
  for (int32_t noirs = 0; noirs <= 19; ++noirs)
    for (int32_t blancs = 0; blancs <= 19; ++blancs) {
      const int32_t n = noirs * 100 + blancs;
      for (bool moyo : {false, true}) {
        const std::string nom = std::to_string(n) + (moyo ? "BASE1919CLEMOYO" : "BASE1919CLE");
        const auto t = entiers(nom);
        const auto& attendu = moyo ? l.moyo : l.cles;
        const auto it = attendu.find(n);
        if (it == attendu.end()) {
          EXPECT_TRUE(t.empty()) << nom;
          continue;
        }
        EXPECT_TRUE(genlivres::comptesconsultes(noirs, blancs)) << nom;
        EXPECT_TRUE(croissante(t, nom));
        EXPECT_EQ(t, it->second) << nom;
        ++items;
      }
    }
  EXPECT_EQ(items, static_cast<int>(l.cles.size() + l.moyo.size()));
}

}  // namespace
