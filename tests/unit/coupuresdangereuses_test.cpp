// Dangerous cuts: the shapes of tests/data/coupures.txt (the dangerous-cut
// test, the pair-cut test of the chain-pair table, the edge linking moves),
// the threshold rule, the cap on the pressure, nothing below level 4, the
// threshold term of the twins, and a cut whose chain in danger another
// point relinks (damping and spreading).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/connection/groupes.h"
#include "engine/connection/tableliaisons.h"
#include "engine/territory/coupsliaison.h"
#include "engine/territory/coupuresdangereuses.h"
#include "tests/unit/analyse_support.h"
#include "tests/support/fixture.h"

namespace {

TPoint point(const std::string& s) {
  const size_t v = s.find(',');
  return {std::stoi(s.substr(0, v)), std::stoi(s.substr(v + 1))};
}

struct Cas {
  std::string nom, diagramme, commande;
};

std::vector<Cas> litcas() {
  std::ifstream f(std::string(SOURCE_DIR) + "/tests/data/coupures.txt");
  std::vector<Cas> cas;
  std::string ligne;
  while (std::getline(f, ligne)) {
    if (ligne.rfind("case ", 0) == 0) {
      cas.push_back({ligne.substr(5), "", ""});
    } else if (!cas.empty() && !ligne.empty() && ligne[0] != '#') {
      if (ligne.find_first_not_of("XO.+") == std::string::npos) cas.back().diagramme += ligne + "\n";
      else cas.back().commande = ligne;
    }
  }
  return cas;
}

const TCarte zero{};

// "dangereuse R C MODE [morts R,C ...] [faibles R,C ...] -> VALUE"
void dangereuse(const Cas& k, std::istringstream& in) {
  int r, c, mode;
  in >> r >> c >> mode;
  TPlateau p = analyse::pose(k.diagramme, 5);
  std::string mot, liste;
  int32_t attendu = -1;
  while (in >> mot) {
    if (mot == "morts" || mot == "faibles") liste = mot;
    else if (mot == "->") in >> attendu;
    else {
      const TPoint q = point(mot);
      (liste == "morts" ? pionsmorts : p[indexcase(q.ligne, q.colonne)] == couleurordi ? lesfaibles
                                                                                       : marquessurvie)
          [indexcase(q.ligne, q.colonne)] = 1;
    }
  }
  const uint8_t coupeur = p[indexcase(r, c)], coupe = autre(coupeur);
  int32_t v = 0;
  fixture::verifieinchange(p, [&] {
    v = testecoupuredangereuse(p, r, c, 0, mode, coupeur, coupe, cartesfaibles(), 0, 0);
  });
  EXPECT_EQ(v, attendu);
}

// "couper SIDE A B P [F ...] -> oui|non"
void couper(const Cas& k, std::istringstream& in) {
  std::string cote, a, b, pt, mot;
  in >> cote >> a >> b >> pt;
  // A cutting point F is listed for the pair by its refute bit; "lien:F" by
  // the pair's own link bit at F (the side's move there would link the
  // pair) with the linked-pair flag of the other side's trial at F;
  // "autre:F" by the other side's link bit at the pair's indices.
  struct Coupe {
    TPoint f;
    std::string forme;
  };
  std::vector<Coupe> F;
  std::string attendu;
  while (in >> mot) {
    if (mot == "->") {
      in >> attendu;
      continue;
    }
    const size_t deux = mot.find(':');
    F.push_back({point(deux == std::string::npos ? mot : mot.substr(deux + 1)),
                 deux == std::string::npos ? "" : mot.substr(0, deux)});
  }
  TPlateau apres = analyse::pose(k.diagramme, 3);
  const TPoint A = point(a), B = point(b), P = point(pt);
  // The position before the move: the move's point emptied.
  plateaudepart[indexcase(P.ligne, P.colonne)] = VIDE;
  calculelibertes(plateaudepart);
  tablegroupes = infochaine;
  analyse::numerote();
  dimensionnetableliaisons();
  const int s = cote == "X" ? 0 : 1;
  analyse::videessais();
  for (const auto& [f, forme] : F) {
    (s == 0 ? casescandidatesjoueur : casescandidates)[indexcase(f.ligne, f.colonne)] = 1;
    const uint8_t paire = s == 0 ? PAIREORDI : PAIREJOUEUR, autre = s == 0 ? PAIREJOUEUR : PAIREORDI;
    ajoutebitspaire(f.ligne, f.colonne, A, B, forme == "lien" ? paire : forme == "autre" ? autre
                                                                 : s == 0 ? REFUTEORDI : REFUTEJOUEUR);
    if (!forme.empty())
      (s == 0 ? essaisjoueur : essaisordi)[f.ligne - 1][f.colonne - 1].essaifait |= ESSAIPAIRE;
  }
  calculelibertes(apres);
  bool unefois = false, coupe = false;
  fixture::verifieinchange(apres, [&] { coupe = peutcouperpaire(apres, s, A, B, P, unefois); });
  EXPECT_EQ(coupe ? "oui" : "non", attendu);
}

// "bord R C DEPTH -> R,C ... | aucun"
void bord(const Cas& k, std::istringstream& in) {
  int r, c, d;
  std::string fleche, mot, attendu;
  in >> r >> c >> d >> fleche;
  while (in >> mot) attendu += (attendu.empty() ? "" : " ") + mot;
  std::ostringstream obtenu;
  const TPlateau p = analyse::pose(k.diagramme, 5);
  TCarte C{};
  for (int32_t j = 0; j < NBCASES; ++j) C[j] = p[j] == VIDE ? 1 : 0;
  TListePoints l;
  coupsliaisonbord(p, NOIR, r, c, d, C, l, 25);
  for (int32_t n = 1; n <= nbpoints(l); ++n)
    obtenu << (n > 1 ? " " : "") << ligneliste(l, n) << ',' << colonneliste(l, n);
  EXPECT_EQ(nbpoints(l) == 0 ? "aucun" : obtenu.str(), attendu);
}

TEST(CoupuresFichier, Cases) {
  const auto cas = litcas();
  ASSERT_GE(cas.size(), 10u) << "tests/data/coupures.txt missing or short";
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    std::istringstream in(k.commande);
    std::string genre;
    in >> genre;
    if (genre == "dangereuse") dangereuse(k, in);
    else if (genre == "couper") couper(k, in);
    else if (genre == "bord") bord(k, in);
    else ADD_FAILURE() << "unknown case line: " << k.commande;
  }
}

// The wedge of the data file, white cutting at (4,5), black (4,4) dead.
constexpr const char* kCoin =
    ".........\n.........\n....O....\n...X.X...\n.........\n.........\n.........\n.........\n.........\n";

TEST(TesteCoupureDangereuse, Threshold) {
  struct Cas {
    int32_t gain, t1, t2, attendu;
  } cas[] = {{0, 0, 0, 65}, {-5, 2, 2, 65}, {30, 20, 14, 1}, {30, 20, 15, 0}, {30, 40, 0, 0}, {10, 5, 0, 50}};
  TPlateau p = analyse::pose(kCoin, 5);
  p[indexcase(4, 5)] = BLANC;
  calculelibertes(p);
  pionsmorts[indexcase(4, 4)] = 1;
  for (const auto& k : cas)
    EXPECT_EQ(testecoupuredangereuse(p, 4, 5, k.gain, 1, BLANC, NOIR, cartesfaibles(), k.t1, k.t2),
              k.attendu)
        << k.gain << " " << k.t1 << " " << k.t2;
  niveau = 2;
  EXPECT_EQ(testecoupuredangereuse(p, 4, 5, 0, 1, BLANC, NOIR, cartesfaibles(), 0, 0), 0);
}

// White's cut at (4,5) worth 65; the engine may play there too. The
// pressure map A holds `pression` at (1,1): above 80 the cut is capped at
// half of it. Below level 4 nothing happens.
struct Recherche {
  TCarte valeurs{}, A{}, B{};
  TListePoints liste{};
  int32_t flag = 0;
};
Recherche cherche(int32_t niv, int32_t pression) {
  TPlateau p = analyse::pose(kCoin, niv);
  pionsmorts[indexcase(4, 4)] = 1;
  analyse::essaie(1, 4, 5);
  pionsmorts.fill(0);
  analyse::essaie(0, 4, 5);
  essaiordi(4, 5).carte2essai[indexcase(4, 5)] = 1;  // no cut of the engine's here
  Recherche r;
  r.A[indexcase(1, 1)] = pression;
  const TCartesPression cartes{r.A, r.B, zero, zero, zero, zero};
  fixture::verifieinchange(p, [&] { cherchecoupuresdangereuses(p, r.valeurs, r.liste, NOIR, BLANC, cartes); });
  r.flag = flagcoupure;
  return r;
}

TEST(CherchecoupuresDangereuses, CapAbovePressureEighty) {
  const Recherche a = cherche(5, 80), b = cherche(5, 81);
  EXPECT_EQ(a.valeurs[indexcase(4, 5)], 65);
  EXPECT_EQ(b.valeurs[indexcase(4, 5)], 40);
  EXPECT_EQ(a.flag, 65);
  EXPECT_EQ(nbpoints(a.liste), 1);
  EXPECT_EQ(ligneliste(a.liste, 1), 4);
  EXPECT_EQ(colonneliste(a.liste, 1), 5);
}

TEST(CherchecoupuresDangereuses, NothingBelowLevelFour) {
  const Recherche r = cherche(3, 0);
  EXPECT_EQ(r.valeurs, TCarte{});
  EXPECT_EQ(nbpoints(r.liste), 0);
  EXPECT_EQ(r.flag, 0);
}

// The engine's (5,5) links (5,4) and (5,6) (confirmed); white may cut there.
struct Jumeau {
  TCarte valeurs{}, scores{};
  TListePoints liste{};
  TMarques classes{}, classes2{};
};
constexpr const char* kSaut =
    ".........\n.........\n.........\n.........\n...X.X...\n.........\n.........\n.........\n.........\n";

TPlateau prepareconfirme(int32_t niv, bool lien) {
  TPlateau p = analyse::pose(kSaut, niv);
  verifiegroupesapresessai(p);
  analyse::evalue(0, 5, 5);
  analyse::essaie(1, 5, 5);
  essaijoueur(5, 5).flagessai1 = 1;
  remplittableliaisons();
  if (lien) evalueliaisonsessais();
  return p;
}

TEST(NouvelleCoupure, ThresholdTermSeventyNineAgainstEighty) {
  for (const int32_t niv : {3, 5})
    for (const int32_t score : {79, 80}) {
      SCOPED_TRACE(std::to_string(niv) + " " + std::to_string(score));
      TPlateau p = prepareconfirme(niv, false);  // no pair confirmed: a = b = 0
      essaiordi(5, 5).essaifait |= ESSAICONFIRME;
      Jumeau j;
      j.scores[indexcase(5, 5)] = score;
      fixture::verifieinchange(
          p, [&] { nouvellecoupuredangereusejoueur(p, j.valeurs, j.liste, j.scores, j.classes, j.classes2); });
      const bool accepte = niv >= 4 && score >= 80;
      EXPECT_EQ(nbpoints(j.liste), accepte ? 1 : 0);
      EXPECT_EQ((essaiordi(5, 5).liensessai[indexcase(5, 5)] & COUPUREACCEPTEE) != 0, accepte);
    }
}

TEST(NouvelleCoupure, SeparatedPairIsACut) {
  TPlateau p = prepareconfirme(5, true);
  ASSERT_TRUE(essaiordi(5, 5).essaifait & ESSAICONFIRME);
  Jumeau j;
  const TMarques globales = marquesglobales;
  nouvellecoupuredangereusejoueur(p, j.valeurs, j.liste, j.scores, j.classes, j.classes2);
  EXPECT_EQ(nbpoints(j.liste), 1);
  EXPECT_GE(j.valeurs[indexcase(5, 5)], 40);  // 20 for each of the two chains separated, no loss counted
  EXPECT_TRUE(fixture::memesmarques(globales, marquesglobales));
}

// (5,4) is in danger once cut (class 4 against 0); the engine's (4,5)
// relinks it to (5,6) as well: its value follows the cut's, which is halved
// because the separated (5,6) has one other way home.
TEST(NouvelleCoupure, SameCutPointsShareTheDampedValue) {
  int32_t seul = 0;
  for (const bool autre : {false, true}) {
    SCOPED_TRACE(autre ? "with the other linking point" : "alone");
    TPlateau p = prepareconfirme(5, true);
    if (autre) {
      analyse::essaie(0, 4, 5);
      TEssaiCoup& e = essaiordi(4, 5);
      e.essaifait = ESSAIPAIRE;
      e.liensessai[indexcase(5, 4)] = LIENPIERRES;
      e.liensessai[indexcase(5, 6)] = LIENPIERRES;
      ajoutebitspaire(4, 5, {5, 4}, {5, 6}, PAIREORDI);
      ajoutebitspaire(4, 5, {5, 6}, {5, 4}, PAIREORDI);
    }
    Jumeau j;
    j.classes[indexcase(5, 4)] = 4;
    nouvellecoupuredangereusejoueur(p, j.valeurs, j.liste, j.scores, j.classes, j.classes2);
    const int32_t v = j.valeurs[indexcase(5, 5)];
    ASSERT_GT(v, 0);
    if (!autre) {
      seul = v;
      EXPECT_EQ(nbpoints(j.liste), 1);
      continue;
    }
    EXPECT_EQ(v, seul / 2);
    EXPECT_EQ(j.valeurs[indexcase(4, 5)], v);
    EXPECT_EQ(nbpoints(j.liste), 2);
    EXPECT_TRUE(essaiordi(4, 5).liensessai[indexcase(5, 5)] & COUPUREACCEPTEE);
  }
}

// The twin: white's (5,5) links (5,4) and (5,6), black may cut there. No
// damping or spreading for the opponent's links.
TEST(NouvelleCoupure, EngineCuttingTheOpponent) {
  for (const int32_t niv : {3, 5}) {
    SCOPED_TRACE(niv);
    TPlateau p = analyse::pose(kSaut, niv, BLANC);
    verifiegroupesapresessai(p);
    analyse::evalue(1, 5, 5);
    analyse::essaie(0, 5, 5);
    essaiordi(5, 5).marqueessai = 0x100 | 1;
    remplittableliaisons();
    evalueliaisonsessais();
    Jumeau j;
    fixture::verifieinchange(
        p, [&] { nouvellecoupuredangereuseordi(p, j.valeurs, j.liste, j.scores, j.classes, j.classes2); });
    EXPECT_EQ(nbpoints(j.liste), niv >= 4 ? 1 : 0);
    EXPECT_EQ((essaijoueur(5, 5).liensessai[indexcase(5, 5)] & COUPUREACCEPTEE) != 0, niv >= 4);
    EXPECT_EQ(essaiordi(5, 5).liensessai[indexcase(5, 5)] & COUPUREACCEPTEE, 0);
  }
}

TEST(NouvelleCoupure, RejoueGivesBackThePosition) {
  TPlateau p = prepareconfirme(5, true);
  TMarques A = marquesvides, B = marquesvides;
  A[indexcase(5, 4)] = 1;
  int32_t n1 = 1, n2 = 0;
  const TMarques globales = marquesglobales, avant = pionsmortsavant;
  fixture::verifieinchange(p, [&] { rejouesijoueurajoue(p, A, B, 0, 5, 5, n1, n2); });
  EXPECT_TRUE(fixture::memesmarques(globales, marquesglobales));
  EXPECT_TRUE(fixture::memesmarques(avant, pionsmortsavant));
}

}  // namespace
