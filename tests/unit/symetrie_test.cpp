// Colour symmetry of the move choice: every position of
// tests/data/symetrie.txt is played as it stands and with every stone's
// colour and the side to move exchanged (komi 0, level 1, seed and tick
// counter pinned). The two genmoves must choose the same point and leave the
// same family maps, sums and score balance: the maps are kept per side
// (engine, opponent), so a colour swap leaves them value for value equal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/choice/entree.h"
#include "engine/choice/familles.h"
#include "engine/choice/recherche.h"
#include "engine/choice/recherche_etat.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_recherche.h"

namespace {

struct CasSymetrie {
  std::string nom, pourquoi, diagramme;
  uint8_t trait = NOIR;
  TPoint dernier{};
  std::vector<std::string> connus;  // comparisons known to differ
  std::string cause;
};

std::vector<CasSymetrie> litcas() {
  std::vector<CasSymetrie> cas;
  std::ifstream f(std::string(SOURCE_DIR) + "/tests/data/symetrie.txt");
  std::string ligne;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    if (ligne.rfind("case ", 0) == 0) {
      CasSymetrie c;
      const size_t deux = ligne.find(':');
      c.nom = ligne.substr(5, deux - 5);
      c.pourquoi = deux == std::string::npos ? "" : ligne.substr(deux + 2);
      cas.push_back(c);
    } else if (ligne.rfind("tomove ", 0) == 0) {
      std::istringstream l(ligne.substr(7));
      std::string qui, mot;
      l >> qui >> mot >> cas.back().dernier.ligne >> cas.back().dernier.colonne;
      cas.back().trait = qui == "X" ? NOIR : BLANC;
    } else if (ligne.rfind("known ", 0) == 0) {
      const size_t deux = ligne.find(':');
      std::istringstream l(ligne.substr(6, deux - 6));
      for (std::string nom; l >> nom;) cas.back().connus.push_back(nom);
      cas.back().cause = deux == std::string::npos ? "" : ligne.substr(deux + 2);
    } else if (!cas.empty()) {
      cas.back().diagramme += ligne + "\n";
    }
  }
  return cas;
}

uint32_t tickfixe() { return 1000; }

struct Choix {
  TPoint coup;
  double bilan = 0;
  std::unique_ptr<TCartesFamilles> f = std::make_unique<TCartesFamilles>();
};

// One genmove on the position, its colours exchanged when `inverse`: the
// stones in row order, the last move last.
Choix genmove(const CasSymetrie& k, bool inverse) {
  const fixture::Position pos = fixture::diagramme(k.diagramme);
  const auto couleur = [&](uint8_t v) { return inverse && v != VIDE ? static_cast<uint8_t>(1 - v) : v; };
  TListeCoups liste{};
  int32_t n = 0;
  const int32_t der = k.dernier.ligne == 0 ? -1 : indexcase(k.dernier.ligne, k.dernier.colonne);
  for (int32_t r = 1; r <= pos.taille; ++r)
    for (int32_t c = 1; c <= pos.taille; ++c) {
      const int32_t j = indexcase(r, c);
      if (pos.plateau[j] != VIDE && j != der) liste[++n] = TCoupPartie{couleur(pos.plateau[j]), r, c};
    }
  if (der >= 0) liste[++n] = TCoupPartie{couleur(pos.plateau[der]), k.dernier.ligne, k.dernier.colonne};
  liste[0].ligne = n;
  TConfig config = fixture::configpartie(pos.taille, 1);
  config.komi = 0;
  platform::seam::fixetickcount(tickfixe);
  platform::seam::fixegrainerandomize(true, 1);
  const TResultatCoup r = fixture::genmovefige(couleur(k.trait), config, liste);
  platform::seam::fixegrainerandomize(false);
  platform::seam::fixetickcount(nullptr);
  Choix x;
  x.coup = TPoint{r.ligne, r.colonne};
  x.bilan = bilanscore;
  *x.f = dernierrecherche().familles;
  return x;
}

// The first point where two maps differ, or "" when they are equal.
template <typename Carte>
std::string ecart(const Carte& a, const Carte& b, int32_t taille) {
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t j = indexcase(r, c);
      if (a[j] != b[j]) {
        std::ostringstream s;
        s << "at " << r << "-" << c << ": " << int64_t{a[j]} << " against " << int64_t{b[j]};
        return s.str();
      }
    }
  return "";
}

std::string ecart(const TCartesParPoint& a, const TCartesParPoint& b, int32_t taille) {
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const std::string e = ecart(a[r - 1][c - 1], b[r - 1][c - 1], taille);
      if (!e.empty()) return "trial " + std::to_string(r) + "-" + std::to_string(c) + " " + e;
    }
  return "";
}

struct Carte {
  const char* nom;
  TCarte TCartesFamilles::*carte;
};
struct Marques {
  const char* nom;
  TMarques TCartesFamilles::*carte;
};
struct ParPoint {
  const char* nom;
  TCartesParPoint TCartesFamilles::*carte;
};

#define CARTE(x) {#x, &TCartesFamilles::x}
const Carte kCartes[] = {
    CARTE(flou),           CARTE(floudepart),      CARTE(moyo),           CARTE(coupforceordi),
    CARTE(coupforcejoueur), CARTE(coupuredangereuse), CARTE(titebite),    CARTE(fourchetteordi),
    CARTE(fourchettejoueur), CARTE(iajoueur),        CARTE(protection),     CARTE(invasionforteordi),
    CARTE(invasionfortejoueur), CARTE(testprojet),   CARTE(bonusdebutfin),  CARTE(coupurebambou),
    CARTE(separationordi), CARTE(separationjoueur), CARTE(atariordi),      CARTE(atarijoueur),
    CARTE(survieordi),     CARTE(surviejoueur),     CARTE(fortificationordi), CARTE(fortificationjoueur),
    CARTE(bonuscombatsemai), CARTE(faitmortordi),   CARTE(faitmortjoueur), CARTE(somme),
    CARTE(sommejoueur),
};
const Marques kMarques[] = {
    CARTE(faiblesse),      CARTE(invasiondefenseordi), CARTE(invasiondefensejoueur), CARTE(testtueordi),
    CARTE(testtuejoueur),  CARTE(testvitordi),      CARTE(testvitjoueur),
    CARTE(mauvaiscoups),     CARTE(pertes),         CARTE(livre),
    CARTE(marquescandidats), CARTE(tuevitordi),     CARTE(tuevitjoueur),   CARTE(valeursfuite),
    CARTE(memosurvieordi), CARTE(memosurviejoueur), CARTE(marquesfortification), CARTE(codesfortificationjoueur),
    CARTE(pointsliaison),     CARTE(sortieattaqueordi), CARTE(sortieattaquejoueur),
    CARTE(coupuresordi),   CARTE(coupuresjoueur),
};
const ParPoint kParPoint[] = {
    CARTE(mortsapresessaiordi), CARTE(mortsapresessaijoueur), CARTE(mortsapreslectureordi),
    CARTE(mortsapreslecturejoueur),
};
#undef CARTE

TEST(Symetrie, ExchangingTheColoursMirrorsEveryMapAndTheMove) {
  const std::vector<CasSymetrie> cas = litcas();
  ASSERT_FALSE(cas.empty()) << "tests/data/symetrie.txt missing or empty";
  for (const CasSymetrie& k : cas) {
    SCOPED_TRACE(k.nom + ": " + k.pourquoi);
    const int32_t taille = fixture::diagramme(k.diagramme).taille;
    const Choix a = genmove(k, false), b = genmove(k, true);
    std::vector<std::string> ecarts;  // every comparison that failed, known or not
    const auto compare = [&](const std::string& nom, const std::string& e) {
      if (e.empty()) return;
      ecarts.push_back(nom);
      const bool connu = std::find(k.connus.begin(), k.connus.end(), nom) != k.connus.end();
      if (connu) return;
      ADD_FAILURE() << nom << " differs " << e;
    };
    compare("move", a.coup.ligne == b.coup.ligne && a.coup.colonne == b.coup.colonne
                        ? ""
                        : std::to_string(a.coup.ligne) + "-" + std::to_string(a.coup.colonne) + " against " +
                              std::to_string(b.coup.ligne) + "-" + std::to_string(b.coup.colonne));
    compare("bilanscore", a.bilan == b.bilan ? "" : std::to_string(a.bilan) + " against " + std::to_string(b.bilan));
    for (int32_t i = 0; i < 2; ++i)
      compare("consolidation" + std::to_string(i), ecart(a.f->consolidation[i], b.f->consolidation[i], taille));
    for (const Carte& c : kCartes) compare(c.nom, ecart((*a.f).*c.carte, (*b.f).*c.carte, taille));
    for (const Marques& c : kMarques) compare(c.nom, ecart((*a.f).*c.carte, (*b.f).*c.carte, taille));
    for (const ParPoint& c : kParPoint) compare(c.nom, ecart((*a.f).*c.carte, (*b.f).*c.carte, taille));
    // A known difference that is gone is noted: its entry can leave the data file.
    for (const std::string& nom : k.connus)
      if (std::find(ecarts.begin(), ecarts.end(), nom) == ecarts.end())
        std::printf("%s: %s is symmetric now, drop it from the case's known line\n", k.nom.c_str(), nom.c_str());
  }
}

}  // namespace
