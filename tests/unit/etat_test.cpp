// Engine state: tables of the board size, and the per-move reset checked
// global by global against the data sheet's rules.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "engine/board/etat.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

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

// ---- The reset against the sheet ------------------------------------------------------
// Every global of the sheet is dirtied with a byte pattern that no rule's
// value matches, the reset's inputs are set, initmoteur runs, and each global
// is checked against its rule; everything is put back afterwards.

constexpr unsigned char SALETE = 0xA5;
constexpr int TAILLEESSAI = 13;

// A heap copy of a global of any type (C arrays included).
template <class T> struct Boite {
  T v;
};
template <class T> std::unique_ptr<Boite<T>> copie(const T& x) {
  auto b = std::make_unique<Boite<T>>();
  if constexpr (std::is_trivially_copyable_v<T>) std::memcpy(&b->v, &x, sizeof(T));
  else b->v = x;
  return b;
}
template <class T> void colle(T& x, const Boite<T>& b) {
  if constexpr (std::is_trivially_copyable_v<T>) std::memcpy(&x, &b.v, sizeof(T));
  else x = b.v;
}

bool memes(const TConfig& a, const TConfig& b) {
  return a.taille == b.taille && a.modetemps == b.modetemps && a.tempsbyoyomi == b.tempsbyoyomi &&
         a.pierresbyoyomi == b.pierresbyoyomi && a.tempsprincipal == b.tempsprincipal && a.handicap == b.handicap &&
         a.niveauconfig == b.niveauconfig && a.regle == b.regle && a.komi == b.komi && a.regleko == b.regleko;
}
template <class T> bool memes(const T& a, const T& b) {
  if constexpr (std::is_trivially_copyable_v<T>) return std::memcmp(&a, &b, sizeof(T)) == 0;
  else return a == b;
}

template <class T> void salit(T& x) {
  if constexpr (std::is_trivially_copyable_v<T>) std::memset(static_cast<void*>(&x), SALETE, sizeof(T));
  else if constexpr (requires { x.push_back(0); }) x.push_back(0x5A5A5A5A);
  // The settings record is an input of the reset: the test sets it.
}

// Every element of x equals v (x as a whole when of v's type).
template <class T, class V> bool tousegaux(const T& x, const V& v) {
  if constexpr (std::is_same_v<T, V>) return std::memcmp(&x, &v, sizeof(T)) == 0;
  else if constexpr (std::is_arithmetic_v<T>) return x == v;
  else {
    for (const auto& e : x)
      if (!tousegaux(e, v)) return false;
    return true;
  }
}

// The expected image of a global under the rules that write only part of it.
template <class T, class V> void metpremier(T& x, const V& v) {
  if constexpr (std::is_arithmetic_v<std::remove_reference_t<decltype(x[0])>>) x[0] = v;
  else
    for (auto& e : x) metpremier(e, v);
}
template <class C, class T, class F> void surchaque(T& x, const F& f) {
  if constexpr (std::is_same_v<T, C>) f(x);
  else
    for (auto& e : x) surchaque<C>(e, f);
}
template <class T, class V> void metpartout(T& x, const V& v) {
  if constexpr (std::is_arithmetic_v<T>) x = static_cast<T>(v);
  else
    for (auto& e : x) metpartout(e, v);
}

// What the level control gives from the test's inputs: no clock, level 0
// (read as 7), requested level 5, 13x13.
const std::map<std::string, int64_t> NIVEAUATTENDU = {
    {"niveau", 5},        {"paramniveaua", 6},    {"paramniveaub", 3},  {"profondeurlecture", 10},
    {"paramniveauc", 8},  {"paramniveaud", 4},    {"paramniveaue", 5},  {"paramniveauf", 1},
    {"paramniveaug", 2},  {"niveaumin3", 1},      {"niveaumin3b", 1},   {"niveaumin4", 1},
    {"lectureprofonde", 1}, {"lecturelongue", 1},
};

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

// One global of the sheet: its value before the test, the dirtied value the
// reset starts from, and the check of its rule.
struct Suivi {
  const char* nom;
  explicit Suivi(const char* n) : nom(n) {}
  virtual ~Suivi() = default;
  virtual void sauve() = 0;
  virtual void salis() = 0;
  virtual void photographie() = 0;    // the state the reset starts from
  virtual void attendconstruite() {}  // after construittables on that state
  virtual bool atravail() const { return true; }  // the dirt differs from the rule's value
  virtual AssertionResult verifie() const = 0;
  virtual void restaure() = 0;
};

template <class T, class F> struct SuiviDe : Suivi {
  T& x;
  F regle;  // the rule, evaluated when asked, as the reset does
  std::unique_ptr<Boite<T>> origine, avant, construit;
  SuiviDe(const char* n, T& g, F r) : Suivi(n), x(g), regle(r) {}

  void sauve() override { origine = copie(x); }
  void salis() override { salit(x); }
  void photographie() override { avant = copie(x); }
  void restaure() override { colle(x, *origine); }

  void attendconstruite() override {
    if constexpr (std::is_same_v<decltype(regle()), remise::Construite>) {
      construit = copie(x);
      colle(x, *avant);
    }
  }
  bool atravail() const override { return atravail(regle()); }
  AssertionResult verifie() const override { return verifie(regle()); }

  template <class R> static bool atravail(const R&) { return true; }
  template <class V> bool atravail(const remise::Vaut<V>& r) const { return !tousegaux(avant->v, r.v); }
  template <class V> bool atravail(const remise::ApresNiveau<V>& r) const { return !tousegaux(avant->v, r.v); }

  AssertionResult resultat(bool ok, const char* pourquoi) const {
    if (ok) return AssertionSuccess();
    return AssertionFailure() << nom << ": " << pourquoi;
  }
  AssertionResult commeimage(const Boite<T>& image, const char* pourquoi) const {
    return resultat(memes(x, image.v), pourquoi);
  }
  AssertionResult verifie(remise::Laisse) const { return commeimage(*avant, "changed, but the reset leaves it"); }
  AssertionResult verifie(remise::Construite) const {
    return commeimage(*construit, "not the table construittables builds for the size");
  }
  AssertionResult verifie(remise::ParNiveau) const {
    const auto it = NIVEAUATTENDU.find(nom);
    if (it == NIVEAUATTENDU.end()) return resultat(false, "set by niveaureel, but no expected value in this test");
    if constexpr (std::is_arithmetic_v<T>) return resultat(static_cast<int64_t>(x) == it->second, "level value");
    else return resultat(false, "a level global should be a number");
  }
  AssertionResult verifie(remise::Mesure) const {
    // The speed measure plays on rows and columns 1..9 and clears them in the chain table.
    auto image = copie(avant->v);
    if constexpr (std::is_same_v<T, TInfoChaine>) {
      for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) image->v[indexcase(r, c)] = TEntreeChaine{0, 0};
    }
    return commeimage(*image, "not left alone outside the speed measure's corner");
  }
  template <class V> AssertionResult verifie(const remise::Vaut<V>& r) const {
    return resultat(tousegaux(x, r.v), "not at its value");
  }
  template <class V> AssertionResult verifie(const remise::ApresNiveau<V>& r) const {
    return resultat(tousegaux(x, r.v), "not at its value");
  }
  template <class V> AssertionResult verifie(const remise::Premier<V>& r) const {
    auto image = copie(avant->v);
    metpremier(image->v, r.v);
    return commeimage(*image, "word 0 not cleared, or more than word 0 written");
  }
  template <class V, class C, class... M> AssertionResult verifie(const remise::Champs<V, C, M...>& r) const {
    auto image = copie(avant->v);
    surchaque<C>(image->v, [&](C& c) { std::apply([&](auto... m) { (metpartout(c.*m, r.v), ...); }, r.champs); });
    return commeimage(*image, "listed fields not cleared, or other fields written");
  }
};

template <class T, class F> std::unique_ptr<Suivi> suivi(const char* nom, T& x, F regle) {
  return std::make_unique<SuiviDe<T, F>>(nom, x, regle);
}

std::vector<std::unique_ptr<Suivi>> feuille() {
  std::vector<std::unique_ptr<Suivi>> v;
#define GLOBALE(type, nom, regle, ...) v.push_back(suivi(#nom, nom, [] {  \
    using namespace remise;                                                \
    return regle;                                                          \
  }));
#define ALIAS(type, nom, cible)
#include "engine/board/etat_globales.h"
#undef GLOBALE
#undef ALIAS
  return v;
}

uint32_t tickfixe() { return 5000; }

struct Remise : ::testing::Test {
  std::vector<std::unique_ptr<Suivi>> globales = feuille();
  void SetUp() override {
    platform::seam::fixetickcount(tickfixe);
    for (auto& g : globales) g->sauve();
  }
  void TearDown() override {
    for (auto& g : globales) g->restaure();
    platform::seam::fixetickcount(nullptr);
  }
};

// The reset's inputs: the move entry's settings and side, no clock, the
// level as at start-up, and a board left by the last move.
void entrees() {
  configmoteur = TConfig{};
  configmoteur.taille = TAILLEESSAI;
  configmoteur.niveauconfig = 5;
  couleurdemandee = BLANC;
  tempsrestant = {-1, 0};
  niveau = 0;
  flagfuseki = 0;
  plateaumoteur = plateauvide();
  plateaumoteur[indexcase(4, 4)] = NOIR;
  plateaumoteur[indexcase(10, 3)] = BLANC;
}

TEST_F(Remise, EveryGlobalOfTheSheetFollowsItsRule) {
  for (auto& g : globales) g->salis();
  entrees();
  for (auto& g : globales) g->photographie();
  construittables(TAILLEESSAI);
  for (auto& g : globales) g->attendconstruite();
  for (const auto& g : globales) EXPECT_TRUE(g->atravail()) << g->nom << ": its dirt already equals its value";

  initmoteur();

  for (const auto& g : globales) EXPECT_TRUE(g->verifie());
#define GLOBALE(type, nom, regle, ...)
#define ALIAS(type, nom, cible) EXPECT_EQ(&nom, &cible) << #nom;
#include "engine/board/etat_globales.h"
#undef GLOBALE
#undef ALIAS
}

TEST_F(Remise, StartValuesOfTheMove) {
  // The values a move starts from, independently of the sheet.
  entrees();
  couleurdemandee = NOIR;
  flagrelie = 1;  // a lost chain found during the last move
  initmoteur();
  EXPECT_EQ(couleurordi, NOIR);
  EXPECT_EQ(couleurjoueur, BLANC);
  struct Cas {
    const char* nom;
    int64_t obtenu, attendu;
  } cas[] = {
      {"peintmortsavant", peintmortsavant, 1}, {"flagsurvie", flagsurvie, 1},
      {"flagscan", flagscan, 1},               {"strategie", strategie, 2},
      {"flaglectureyeux", flaglectureyeux, 1}, {"casesjouables", casesjouables[indexcase(19, 19)], 1},
      {"territoire", territoire[0], VIDE},     {"territoire4", territoire4[200], VIDE},
      {"carteterritoire", carteterritoire[360], VIDE}, {"infozones", infozones[100].couleurzone, 2},
      {"infogroupes", infogroupes[0].couleurzone, 2},  {"historiquehash", historiquehash.nombre, 0},
      {"pointko", pointko.ligne + pointko.colonne, 0}, {"numerocoup", numerocoup, 0},
      {"flagrelie", flagrelie, 0},
  };
  for (const auto& k : cas) EXPECT_EQ(k.obtenu, k.attendu) << k.nom;
  EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, plateaudepart));  // the board left from the last move
}

TEST_F(Remise, LevelReadsTheMoveCountOfTheLastMoveBeforeItIsCleared) {
  // 400 s of absolute time on an empty 19x19 board. Counted from the board
  // (0 moves) the time per move allows level 10, and the early-game cap
  // brings it to 5; the 200 moves the last move replayed leave it at 10.
  struct Cas {
    int32_t ancien, attendu;
  } cas[] = {{0, 5}, {200, 10}};
  for (const auto& k : cas) {
    SCOPED_TRACE(k.ancien);
    entrees();
    configmoteur.taille = 19;
    configmoteur.niveauconfig = 10;
    tempsrestant = {400, 0};
    plateaumoteur = plateauvide();
    numerocoup = k.ancien;
    initmoteur();
    EXPECT_EQ(niveau, k.attendu);
    EXPECT_EQ(numerocoup, 0);
  }
}

}  // namespace

namespace {

// Clearing and copying a byte map reach every one of its points, the first
// and the last included, and nothing else of the copy's source changes.
TEST(Marques, ClearAndCopyEveryPoint) {
  TMarques source, m;
  for (int j = 0; j < NBCASES; ++j) source[j] = static_cast<uint8_t>(1 + j % 251);
  const TMarques avant = source;
  m.fill(0xAA);
  copiemarques(m, source);
  EXPECT_TRUE(fixture::memesmarques(source, m));
  EXPECT_TRUE(fixture::memesmarques(avant, source));
  zeromarques(m);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, m));
}

}  // namespace
