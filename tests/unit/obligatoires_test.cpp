// The must-move positions of tests/data/obligatoires.txt: the engine's move
// entry on each position, at level 1 and level 5, seed and clocks pinned; the
// move must be one of the case's answers. A case marked known at a level
// reports its miss without failing, and says so when it passes again. Level 5
// is skipped under the sanitizers, where a single move takes minutes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/board/etat.h"
#include "engine/choice/entree.h"
#include "engine/choice/familles.h"
#include "engine/choice/recherche.h"
#include "engine/choice/recherche_etat.h"
#include "engine/opening/fuseki.h"
#include "engine/opening/joseki.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_recherche.h"
#include "tests/unit/suite_blocs.h"

namespace {

struct Cas {
  std::string nom, note;
  TPlateau plateau = plateauvide();
  int32_t taille = 0;
  uint8_t trait = 2;            // side to move
  std::vector<TPoint> reponses;  // acceptable moves (none: any move but the refused ones)
  std::vector<TPoint> refus;     // moves that must not be played
  TPoint dernier{};              // the last stone played, if given
  std::string connu[2];          // cause of a known miss at level 1, level 5
  std::string erreur;
};

// A GTP vertex: the letter is the row, the number the column.
TPoint litvertex(const std::string& s) {
  TPoint p{};
  if (s.size() < 2) return p;
  const char l = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  if (l < 'A' || l > 'Z' || l == 'I') return p;
  p.ligne = l < 'I' ? l - 'A' + 1 : l - 'A';
  p.colonne = std::atoi(s.c_str() + 1);
  return p;
}

std::string vertex(TPoint p) {
  if (p.ligne == 0) return "PASS";
  return std::string(1, static_cast<char>(p.ligne < 9 ? p.ligne + 64 : p.ligne + 65)) + std::to_string(p.colonne);
}

std::vector<Cas> lit() {
  return suites::litblocs<Cas>(
      std::string(SOURCE_DIR) + "/tests/data/obligatoires.txt",
      [](Cas& c, const std::string& mot, std::istringstream& mots) {
        std::string s;
        if (mot == "tomove") {
          mots >> s;
          c.trait = s == "X" ? NOIR : s == "O" ? BLANC : 2;
          if (c.trait == 2) c.erreur = "tomove";
        } else if (mot == "answers") {
          while (mots >> s) c.reponses.push_back(litvertex(s));
        } else if (mot == "avoid") {
          while (mots >> s) c.refus.push_back(litvertex(s));
        } else if (mot == "last") {
          mots >> s;
          c.dernier = litvertex(s);
        } else if (mot == "known") {
          // "known 1 5: cause"
          std::string cause;
          std::getline(mots, cause);
          const size_t deux = cause.find(':');
          if (deux == std::string::npos) return false;
          const std::string niveaux = cause.substr(0, deux), texte = cause.substr(deux + 1);
          if (niveaux.find('1') != std::string::npos) c.connu[0] = texte;
          if (niveaux.find('5') != std::string::npos) c.connu[1] = texte;
        } else {
          return false;
        }
        return true;
      },
      [](Cas& c) {
        c.note.erase(0, c.note.find_first_not_of(' '));
        if (c.trait == 2) c.erreur = "tomove";
        if (c.reponses.empty() && c.refus.empty()) c.erreur = "answers";
        for (const TPoint& p : c.refus)
          if (p.ligne < 1 || p.ligne > c.taille || p.colonne < 1 || p.colonne > c.taille ||
              c.plateau[indexcase(p.ligne, p.colonne)] != VIDE)
            c.erreur = "avoid " + vertex(p);
        for (const TPoint& p : c.reponses)
          if (p.ligne < 1 || p.ligne > c.taille || p.colonne < 1 || p.colonne > c.taille ||
              c.plateau[indexcase(p.ligne, p.colonne)] != VIDE)
            c.erreur = "answer " + vertex(p);
        if (c.dernier.ligne != 0 && c.plateau[indexcase(c.dernier.ligne, c.dernier.colonne)] == VIDE)
          c.erreur = "last";
      });
}

const std::vector<Cas>& tous() {
  static const std::vector<Cas> cas = lit();
  return cas;
}

// The move list that puts the diagram's stones down, the last stone (if
// given) at the end.
TListeCoups listecas(const Cas& k) {
  TListeCoups l = fixture::listeplateau(k.plateau, k.taille);
  const int32_t n = l[0].ligne;
  for (int32_t i = 1; i < n; ++i)
    if (l[i].ligne == k.dernier.ligne && l[i].colonne == k.dernier.colonne) std::swap(l[i], l[n]);
  return l;
}

uint32_t tick = 0;
uint32_t tickfixe() { return tick += 10; }
uint64_t perffixe() { return 123456789; }

// The sums, the root scores and the family terms of the engine's sum at a
// point, largest first.
std::string termes(const TCartesFamilles& f, TPoint p) {
  const int32_t i = indexcase(p.ligne, p.colonne);
  struct Terme {
    const char* nom;
    int32_t v;
  };
  Terme t[] = {{"bonuscombatsemai", f.bonuscombatsemai[i]},
               {"bonusdebutfin", f.bonusdebutfin[i]},
               {"titebite", f.titebite[i]},
               {"fortificationordi", f.fortificationordi[i]},
               {"survieordi", f.survieordi[i]},
               {"surviejoueur", f.surviejoueur[i]},
               {"coupuredangereuse", f.coupuredangereuse[i]},
               {"coupurebambou", f.coupurebambou[i]},
               {"iajoueur", f.iajoueur[i]},
               {"protection", f.protection[i]},
               {"testprojet", f.testprojet[i]},
               {"atariordi", f.atariordi[i]},
               {"atarijoueur", f.atarijoueur[i]},
               {"coupforceordi", f.coupforceordi[i]},
               {"flou", f.flou[i]},
               {"invasionforteordi", f.invasionforteordi[i]},
               {"faiblesse", f.faiblesse[i]},
               {"faitmortordi", f.faitmortordi[i]},
               {"separationordi", f.separationordi[i]},
               {"valeurscoins", valeurscoins[i]},
               {"invasiondefenseordi", f.invasiondefenseordi[i]}};
  std::sort(std::begin(t), std::end(t), [](const Terme& a, const Terme& b) { return std::abs(a.v) > std::abs(b.v); });
  std::ostringstream s;
  s << vertex(p) << ": somme " << f.somme[i] << " joueur " << f.sommejoueur[i] << " racine "
    << dernierrecherche().valeursracine[i] << " |";
  for (const Terme& x : t)
    if (x.v != 0) s << ' ' << x.nom << ' ' << x.v;
  return s.str();
}

class Obligatoires : public ::testing::TestWithParam<std::tuple<size_t, int32_t>> {
 protected:
  void SetUp() override {
    tick = 0;
    platform::seam::fixetickcount(tickfixe);
    platform::seam::fixecompteurperf(perffixe);
    platform::seam::fixegrainerandomize(true, 20261209);
    chargefuseki(19);
    chargejoseki(19);
  }
  void TearDown() override {
    liberefuseki();
    liberejoseki();
    platform::seam::fixegrainerandomize(false);
    platform::seam::fixetickcount(nullptr);
    platform::seam::fixecompteurperf(fixture::compteurfige);
  }
};

TEST_P(Obligatoires, MoveIsAnAnswer) {
  const auto [index, niveau] = GetParam();
#if defined(SOUS_SANITIZER)
  if (niveau > 1) GTEST_SKIP() << "level " << niveau << " under the sanitizers";
#endif
  const Cas& k = tous()[index];
  ASSERT_TRUE(k.erreur.empty()) << k.nom << ": " << k.erreur;
  TResultatCoup r;
  genmoveordi(k.trait, fixture::configpartie(k.taille, niveau), listecas(k), 2, -1, 0, r);
  const TPoint joue{r.ligne, r.colonne};
  const auto dans = [&](const std::vector<TPoint>& l) {
    for (const TPoint& p : l)
      if (p.ligne == joue.ligne && p.colonne == joue.colonne) return true;
    return false;
  };
  const bool bon = (k.reponses.empty() || dans(k.reponses)) && !dans(k.refus);
  const std::string& connu = k.connu[niveau == 1 ? 0 : 1];
  std::ostringstream d;
  d << k.nom << " (" << k.note << ") level " << niveau << ": played " << vertex(joue) << ", answers";
  for (const TPoint& p : k.reponses) d << ' ' << vertex(p);
  if (!k.refus.empty()) d << ", not";
  for (const TPoint& p : k.refus) d << ' ' << vertex(p);
  if (!bon) {
    const TCartesFamilles& f = dernierrecherche().familles;
    if (joue.ligne != 0) d << "\n  " << termes(f, joue);
    for (const TPoint& p : k.reponses) d << "\n  " << termes(f, p);
  }
  if (!bon && !connu.empty()) {
    std::printf("known miss: %s\n  known:%s\n", d.str().c_str(), connu.c_str());
    return;
  }
  if (bon && !connu.empty()) std::printf("known miss now passes, unmark it: %s\n", d.str().c_str());
  EXPECT_TRUE(bon) << d.str();
}

std::string nomcas(const ::testing::TestParamInfo<std::tuple<size_t, int32_t>>& info) {
  std::string n = tous()[std::get<0>(info.param)].nom;
  for (char& ch : n)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n + "_niveau" + std::to_string(std::get<1>(info.param));
}

std::vector<size_t> indices() {
  std::vector<size_t> v;
  for (size_t i = 0; i < tous().size(); ++i) v.push_back(i);
  return v;
}

INSTANTIATE_TEST_SUITE_P(Positions, Obligatoires,
                         ::testing::Combine(::testing::ValuesIn(indices()), ::testing::Values(1, 5)), nomcas);

TEST(ObligatoiresFichier, HasCasesOfEveryKind) {
  const std::vector<Cas>& cas = tous();
  ASSERT_FALSE(cas.empty()) << "tests/data/obligatoires.txt missing or empty";
  for (const Cas& k : cas) EXPECT_TRUE(k.erreur.empty()) << k.nom << ": " << k.erreur;
  for (const char* genre : {"atari-", "capture-", "selfatari-", "connect-", "settled-", "bigpoint-"}) {
    const auto n = std::count_if(cas.begin(), cas.end(), [&](const Cas& k) { return k.nom.rfind(genre, 0) == 0; });
    EXPECT_GE(n, 2) << genre;
  }
  // The test names are made from the case names.
  for (size_t i = 0; i < cas.size(); ++i)
    for (size_t j = i + 1; j < cas.size(); ++j) EXPECT_NE(cas[i].nom, cas[j].nom);
}

}  // namespace
