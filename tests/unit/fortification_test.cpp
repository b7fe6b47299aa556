// Reinforcement family: its gate, the acceptance step, the zone adjustment
// of the weak classes, single sub-families on hand-made trial records, the
// edge crawl, the balancing passes, the race bonus, the restore contract on
// analysed positions; and the links against risky separation.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/choice/familles.h"
#include "engine/choice/separation.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/fortification.h"
#include "engine/proposals/fortification_etat.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

// Every argument of the family, on the heap (the per-point masks are large).
struct Banc {
  TMarques codes{}, liaison{}, memo{}, memoB{}, tueA{}, tueB{}, vitA{}, vitB{}, noeud{};
  TCartesParPoint mortsA{}, mortsB{}, morts2A{}, morts2B{};
  TCarte semai{}, fortif{}, survieA{}, survieB{}, invasionA{};
  TListePoints candidats{};
  TTravailFortif w{};
  TPlateau p{};
};

// The engine-wide maps the family reads, cleared.
void remetazero() {
  casescandidates.fill(0);
  casescandidatesjoueur.fill(0);
  lesfaibles.fill(0);
  listefaibles.fill(0);
  std::memset(static_cast<void*>(&essaisordi), 0, sizeof essaisordi);
  std::memset(static_cast<void*>(&essaisjoueur), 0, sizeof essaisjoueur);
  for (TInfoZone& z : infozones) z = ZONEVIDE;
  pionsmortsbis.fill(0);
  pionsmortsdepartordi.fill(0);
  carteattaque.fill(0);
  pionsmortssauves.fill(0);
  marquesliaison1.fill(0);
  marquesliaison2.fill(0);
  marquesglobales.fill(0);
  valeurssurvie.fill(0);
  valeurs2survie.fill(0);
  influence.fill(VIDE);
  maxfortification = 0;
  maxsurvie = 0;
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  pointko = TPoint{};
}

// The trial record of `couleur` at the point: the board and chain table
// after the stone, nothing dead.
void remplitessai(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c) {
  TEssaiCoup& e = couleur == NOIR ? essaiordi(r, c) : essaijoueur(r, c);
  const TInfoChaine avant = infochaine;
  TPlateau b = p;
  TListePoints prises{};
  jouecoup(prises, 300, b, r, c, couleur, static_cast<uint8_t>(1 - couleur));
  e.plateauessai = b;
  e.infochaineessai = infochaine;
  infochaine = avant;
}

// A run of the family set up by hand: the board of the diagram, black the
// engine, every map empty.
struct Montage {
  std::unique_ptr<Banc> b = std::make_unique<Banc>();
  std::unique_ptr<TGardeEssai> garde;
  std::unique_ptr<Fortif> f;
  explicit Montage(std::string_view diagramme) {
    remetazero();
    b->p = fixture::posemoteur(diagramme);
    plateaudepart = b->p;
    garde = std::make_unique<TGardeEssai>(b->p);
    f.reset(new Fortif{b->codes, b->liaison, b->memo, b->tueA, b->tueB, b->vitA, b->mortsA, b->mortsB, b->morts2A,
                       b->semai, b->fortif, b->survieA, b->survieB, b->p, NOIR, BLANC, b->candidats, b->noeud, b->w,
                       *garde});
    b->w.lesfaiblessauves = lesfaibles;
  }
  // The whole family on the set-up.
  void famille() {
    const TCartesCote A{{b->memo, b->tueA, b->vitA, b->survieA, b->mortsA, b->morts2A}, b->fortif, b->invasionA};
    const TCartesSurvieCote B{b->memoB, b->tueB, b->vitB, b->survieB, b->mortsB, b->morts2B};
    coupdefortification(b->codes, b->liaison, A, B, b->semai, b->p, NOIR, b->candidats, b->noeud);
  }
};

constexpr const char* kVide =
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

bool dansliste(const TListePoints& l, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return true;
  return false;
}

// ---- Gate ---------------------------------------------------------------------------

// Without weak stones, or before move 5, the family only clears its map and
// maximum: no code, no candidate, no memo change, the position as it was.
TEST(Fortification, GateClearsAndWritesNothingElse) {
  struct Cas {
    bool faible;
    int32_t coup;
  } cas[] = {{false, 30}, {true, 4}};
  for (const Cas& k : cas) {
    Montage m(
        ".........\n"
        ".........\n"
        "..X......\n"
        "..O......\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    numerocoup = k.coup;
    phasedebut = 1;
    passesconsecutives = 0;
    if (k.faible) lesfaibles[indexcase(3, 3)] = FAIBLEMENACE;
    casescandidates[indexcase(3, 4)] = 1;
    m.b->memo[indexcase(3, 4)] = 1;
    remplitessai(m.b->p, NOIR, 3, 4);
    m.b->fortif.fill(7);
    maxfortification = 5;
    const TMarques memo = m.b->memo;
    fixture::verifieinchange(m.b->p, [&] { m.famille(); });
    EXPECT_EQ(m.b->fortif, TCarte{});
    EXPECT_EQ(maxfortification, 0);
    EXPECT_TRUE(fixture::memesmarques(TMarques{}, m.b->codes));
    EXPECT_EQ(nbpoints(m.b->candidats), 0);
    EXPECT_TRUE(fixture::memesmarques(memo, m.b->memo));
  }
}

// A liberty of the weak stone (3,3) already judged a two-eye point: the
// eye sub-family takes it with the strength of the one weak stone it links,
// not with the opponent's kill strength there, which reads 0 during the run
// and is back afterwards. The final marks flag the saved stone in its own
// record (saved 0x01, saved by a two-eye move 0x90).
TEST(Fortification, OpponentKillStrengthsReadZeroDuringTheRun) {
  Montage m(
      ".........\n"
      ".........\n"
      "..X......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  numerocoup = 30;
  phasedebut = 1;
  passesconsecutives = 0;
  const int32_t q = indexcase(3, 3), i = indexcase(3, 4);
  lesfaibles[q] = FAIBLEMENACE;
  casescandidates[i] = 1;
  m.b->memo[i] = 1;
  m.b->tueB[i] = 9;
  remplitessai(m.b->p, NOIR, 3, 4);
  fixture::verifieinchange(m.b->p, [&] { m.famille(); });
  EXPECT_EQ(m.b->tueB[i], 9);
  EXPECT_EQ(m.b->fortif[i], 20);
  EXPECT_EQ(m.b->codes[i], 1);
  EXPECT_EQ(maxfortification, 1);
  EXPECT_TRUE(dansliste(m.b->candidats, 3, 4));
  EXPECT_EQ(essaiordi(3, 4).marquesessai[q], 1);
  EXPECT_EQ(essaiordi(3, 3).marquesessai[q], 0x91);
  EXPECT_EQ(lesfaibles[q], FAIBLEMENACE);
}

// ---- Acceptance step ------------------------------------------------------------------

// The value written by each kind of sub-family, with the survival reduction
// and the turn maximum.
TEST(Fortification, AcceptanceStepValues) {
  struct Cas {
    int32_t numero, ancien, s, survie, memo, valeur, max;
    const char* pourquoi;
  } cas[] = {
      {3, 40, 2, 0, 0, 80, 2, "sub-family 3 adds to the old value"},
      {8, 0, 2, 0, 0, 50, 2, "sub-family 8 writes 20 x s + 10"},
      {6, 60, 2, 0, 0, 60, 2, "the larger value stays"},
      {2, 60, 1, 0, 0, 20, 1, "sub-family 2 stores its value"},
      {6, 0, 2, 60, 1, 0, 0, "a larger survival move takes the whole value"},
      {6, 0, 3, 30, 1, 30, 3, "a smaller one is taken off"},
      {6, 0, 3, 30, 0, 60, 3, "a survival value the survival family did not propose stays apart"},
  };
  for (const Cas& k : cas) {
    Montage m(kVide);
    const int32_t i = indexcase(4, 4);
    m.b->fortif[i] = k.ancien;
    m.b->survieA[i] = k.survie;
    m.b->w.memoentree[i] = static_cast<uint8_t>(k.memo);
    m.f->debut(k.numero, 2);
    m.f->accepte(i, k.s);
    EXPECT_EQ(m.b->fortif[i], k.valeur) << k.pourquoi;
    EXPECT_EQ(maxfortification, k.max) << k.pourquoi;
    EXPECT_TRUE(dansliste(m.b->candidats, 4, 4)) << k.pourquoi;
  }
}

// The code of the first proposer stays; the eye sub-families set the memo
// and clear the shared analysis mark of a point they value.
TEST(Fortification, FirstCodeKeptAndEyeMarks) {
  Montage m(kVide);
  const int32_t i = indexcase(5, 5);
  m.b->noeud[i] = 9;
  m.f->debut(6, 2);
  m.f->accepte(i, 1);
  m.f->debut(10, 3);
  m.f->accepte(i, 2);
  EXPECT_EQ(m.b->codes[i], 2);
  EXPECT_EQ(m.b->fortif[i], 40);
  EXPECT_EQ(m.b->noeud[i], 9);
  EXPECT_EQ(nbpoints(m.b->candidats), 1);
  m.f->debut(1, 1);
  m.f->accepte(i, 1);
  EXPECT_EQ(m.b->memo[i], 1);
  EXPECT_EQ(m.b->noeud[i], 0);
  EXPECT_EQ(m.b->codes[i], 2);
}

// A point a sub-family takes is accepted even when its strength comes to 0:
// it is listed and coded, with no value and no maximum. The eye point of
// the weak ring around (3,3) is taken from the memo, but the engine's own
// stone cannot fill it, so it links nothing; the strategic kill point (4,4)
// guards (3,3) from the opponent's threat, a stone that is not weak.
TEST(Fortification, TakenPointOfStrengthZeroIsListedAndCoded) {
  struct Cas {
    const char* nom;
    const char* diagramme;
    int32_t r, c;
    uint8_t code;
  } cas[] = {
      {"eye point",
       ".........\n"
       ".XXX.....\n"
       ".X.X.....\n"
       ".XXX.....\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       3, 3, 1},
      {"strategic kill",
       ".........\n"
       ".........\n"
       "..X......\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       4, 4, 21},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    Montage m(k.diagramme);
    const int32_t i = indexcase(k.r, k.c);
    casescandidates[i] = 1;
    if (k.code == 1) {
      for (int32_t q = 0; q < NBCASES; ++q)
        if (m.b->p[q] == NOIR) lesfaibles[q] = FAIBLEMENACE;
      m.b->memo[i] = 1;
      fixture::verifieinchange(m.b->p, [&] { m.f->yeux(); });
    } else {
      m.f->classe1 = true;
      casescandidatesjoueur[i] = 1;
      remplitessai(m.b->p, NOIR, k.r, k.c);
      metlieaunfaibleessai(essaiordi(k.r, k.c), 1);
      essaijoueur(k.r, k.c).compteur1essai = 1;
      essaijoueur(k.r, k.c).carte2essai[indexcase(3, 3)] = 1;
      fixture::verifieinchange(m.b->p, [&] { m.f->tuagestrategique(); });
    }
    EXPECT_TRUE(dansliste(m.b->candidats, k.r, k.c));
    EXPECT_EQ(m.b->codes[i], k.code);
    EXPECT_EQ(m.b->fortif[i], 0);
    EXPECT_EQ(maxfortification, 0);
  }
}

// ---- Zone adjustment and the link sub-families ----------------------------------------

// A class-1 stone sharing its zone with a strong stone is strong in
// sub-families 6 to 10 (class 2 keeps its class, another zone is untouched)
// and weak again from sub-family 11 on.
TEST(Fortification, ZoneAdjustmentHoldsFromSixToTen) {
  Montage m(
      ".........\n"
      ".........\n"
      "..XXX....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "......X..\n"
      ".........\n"
      ".........\n");
  const int32_t faible = indexcase(3, 3), fort = indexcase(3, 4), lie = indexcase(3, 5), seul = indexcase(7, 7);
  lesfaibles[faible] = FAIBLEMENACE;
  lesfaibles[lie] = FAIBLELIE;
  lesfaibles[seul] = FAIBLEMENACE;
  for (int32_t q : {faible, fort, lie}) infozones[q] = TInfoZone{5, 3, NOIR};
  infozones[seul] = TInfoZone{6, 1, NOIR};
  m.f->liaison();
  EXPECT_EQ(lesfaibles[faible], 0);
  EXPECT_EQ(lesfaibles[lie], FAIBLELIE);
  EXPECT_EQ(lesfaibles[seul], FAIBLEMENACE);
  EXPECT_EQ(m.b->w.pionsfortsordi[faible], 1);
  EXPECT_EQ(m.b->w.pionsfortsordi[fort], 1);
  m.f->liaisoncoupure();
  m.f->evasion();
  EXPECT_EQ(lesfaibles[faible], 0);
  m.f->liaisonprise();
  EXPECT_EQ(lesfaibles[faible], FAIBLEMENACE);
  EXPECT_EQ(lesfaibles[seul], FAIBLEMENACE);
}

// The candidate (5,4) sits next to the class-2 stone (4,4) and near the
// strong (3,5); its trial record shows (4,4) gone, so its trial stone links
// to no weak stone and sub-family 6 marks it 2. Sub-family 10 would take it
// as an escape (linked to the class-2 stone, and beside the escape point
// (6,4)), but not once it is marked 2.
TEST(Fortification, UnlinkedPointMarkedTwoAndNeverAnEscape) {
  for (const bool liaison : {false, true}) {
    Montage m(
        ".........\n"
        ".........\n"
        "....X....\n"
        "...X.....\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    lesfaibles[indexcase(4, 4)] = FAIBLELIE;
    m.b->w.lesfaiblessauves = lesfaibles;
    const int32_t i = indexcase(5, 4);
    casescandidates[i] = 1;
    casescandidates[indexcase(6, 4)] = 1;
    TPlateau sans = m.b->p;
    sans[indexcase(4, 4)] = VIDE;
    calculelibertes(sans);
    remplitessai(sans, NOIR, 5, 4);
    calculelibertes(m.b->p);
    fixture::verifieinchange(m.b->p, [&] {
      if (liaison) {
        m.f->liaison();
        EXPECT_EQ(m.b->w.marquespointsliaison[i], 2);
      }
      m.f->evasion();
    });
    EXPECT_EQ(m.b->fortif[i], liaison ? 0 : 20);
    EXPECT_EQ(m.b->codes[i], liaison ? 0 : 3);
  }
}

// Sub-family 8: the white stone (2,3) has one liberty; black takes it at
// (1,3), which links the weak (2,2) to the strong (2,4). With a life
// strength of 2 at the point the value is 20 x 2 + 10.
TEST(Fortification, LinkByForcingCaptureWritesFifty) {
  Montage m(
      ".........\n"
      ".XOX.....\n"
      "..X......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const int32_t faible = indexcase(2, 2), i = indexcase(1, 3);
  lesfaibles[faible] = FAIBLEMENACE;
  casescandidates[i] = 1;
  remplitessai(m.b->p, NOIR, 1, 3);
  m.b->vitA[i] = 2;
  fixture::verifieinchange(m.b->p, [&] {
    m.f->liaison();
    EXPECT_EQ(m.b->fortif[i], 0);
    m.f->liaisoncoupure();
    m.f->liaisonforcee();
  });
  EXPECT_EQ(m.b->fortif[i], 50);
  EXPECT_EQ(m.b->codes[i], 2);
  EXPECT_EQ(m.b->w.pierressauvees[faible], 1);
  EXPECT_EQ(essaiordi(1, 3).marquesessai[faible], 2);
}

// ---- Sub-families 24 and 25 ------------------------------------------------------------

// Sub-family 24 writes code 10 when the trial kills nothing, 9 when it does,
// in the map and on the saved stone of the record.
TEST(Fortification, RectifiedByKillTestCodeFollowsTheKills) {
  for (const int32_t tues : {0, 1}) {
    Montage m(
        ".........\n"
        ".........\n"
        "..X......\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    const int32_t q = indexcase(3, 3), i = indexcase(4, 4);
    lesfaibles[q] = FAIBLEMENACE;
    m.b->w.pierressauvees[q] = 1;
    casescandidates[i] = 1;
    remplitessai(m.b->p, NOIR, 4, 4);
    essaiordi(4, 4).compteur1essai = 1;
    essaiordi(4, 4).gainmoyoordi = tues;  // compteur0essai
    maxfortification = 1;
    fixture::verifieinchange(m.b->p, [&] { m.f->rectifietue(); });
    const uint8_t code = tues == 0 ? 10 : 9;
    EXPECT_EQ(m.b->codes[i], code);
    EXPECT_EQ(m.b->fortif[i], 20);
    EXPECT_EQ(essaiordi(4, 4).marquesessai[q], code);
  }
}

// Sub-family 25: after the opponent's killing move at (4,4) the engine's
// answer at (4,3) keeps the saved stone alive; the killing point next to it
// gets the same value and code 11, and is listed.
TEST(Fortification, OpponentCannotKillLendsTheValueToTheKillingPoint) {
  Montage m(
      ".........\n"
      ".........\n"
      "..X......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const int32_t t = indexcase(3, 3), y = indexcase(4, 4), i = indexcase(4, 3);
  lesfaibles[t] = FAIBLEMENACE;
  m.f->classe1 = true;
  m.b->w.pierressauvees[t] = 1;
  casescandidatesjoueur[y] = 1;
  casescandidates[y] = 1;
  essaijoueur(4, 4).compteur1essai = 1;
  casescandidates[i] = 1;
  remplitessai(m.b->p, NOIR, 4, 3);
  remplitessai(m.b->p, NOIR, 4, 4);
  fixture::verifieinchange(m.b->p, [&] { m.f->pluspossible(); });
  EXPECT_EQ(m.b->fortif[i], 20);
  EXPECT_EQ(m.b->codes[i], 11);
  EXPECT_EQ(m.b->fortif[y], 20);
  EXPECT_EQ(m.b->codes[y], 11);
  EXPECT_TRUE(dansliste(m.b->candidats, 4, 4));
  EXPECT_EQ(essaiordi(4, 4).marquesessai[t], 11);
  EXPECT_EQ(maxfortification, 1);
}

// Sub-family 22 reads the eye values of a fresh status pass on the trial
// position; the driver's saved dead marks, its save flag and the second
// survival map are left as they were, and so is the table switch.
TEST(Fortification, EyeGainStatusPassLeavesTheDriverState) {
  Montage m(
      ".........\n"
      ".........\n"
      "..X......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const Restaure<uint8_t> gardestrategie(strategie);
  strategie = 1;
  const int32_t t = indexcase(3, 3), i = indexcase(3, 4);
  lesfaibles[t] = FAIBLEMENACE;
  m.f->classe1 = true;
  casescandidates[i] = 1;
  remplitessai(m.b->p, NOIR, 3, 4);
  pionsmortsavant.fill(0);
  pionsmortsavant[indexcase(9, 9)] = 1;
  sauvepionsmorts = 0;
  valeurs2survie[t] = 7;
  valeurssurvie[t] = 3;
  tableessaiscourante = 0;
  const TMarques avant = pionsmortsavant;
  const TCarte survie = valeurssurvie, survie2 = valeurs2survie;
  fixture::verifieinchange(m.b->p, [&] { m.f->augmenteyeux(); });
  EXPECT_TRUE(fixture::memesmarques(avant, pionsmortsavant));
  EXPECT_EQ(sauvepionsmorts, 0);
  EXPECT_EQ(valeurssurvie, survie);
  EXPECT_EQ(valeurs2survie, survie2);
  EXPECT_EQ(tableessaiscourante, 0);
}

// ---- The edge crawl ----------------------------------------------------------------------

// The engine's trial stone at (2,5) crawls along the second line toward column 9. A stone
// of the crawling colour on the first inward point answers false; with both
// inward lines empty and every trial stone there standing alone the crawl
// runs and the stone lives. Under a white wall the flood fills (2,6) and
// leaves the stone one liberty: the status pass judges it on that board,
// not on the chain table the trial was loaded with (two liberties there),
// and finds it dead. The position comes back either way.
TEST(Fortification, EdgeCrawl) {
  struct Cas {
    const char* diagramme;
    bool vit;
  } cas[] = {
      {".........\n"
       ".........\n"
       "....X....\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       false},
      {".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       true},
      {".........\n"
       "...O.....\n"
       "...OOO...\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n"
       ".........\n",
       false},
  };
  for (const Cas& k : cas) {
    Montage m(k.diagramme);
    for (int32_t r = 1; r <= 9; ++r)
      for (int32_t c = 1; c <= 9; ++c) {
        essaiordi(r, c).infochaineessai[indexcase(r, c)] = TEntreeChaine{4, 1};
        essaijoueur(r, c).infochaineessai[indexcase(r, c)] = TEntreeChaine{4, 1};
      }
    remplitessai(m.b->p, NOIR, 2, 5);
    bool vit = !k.vit;
    fixture::verifieinchange(m.b->p, [&] { vit = propagationbord(1, m.b->p, 2, 5, 1, 2, 5, 7, 2, NOIR, BLANC); });
    EXPECT_EQ(vit, k.vit) << k.diagramme;
  }
}

// ---- Balancing ---------------------------------------------------------------------------

// q saves a and b for 60, p saves a, b and c for 40: p's survival becomes
// 60, q's stays, whichever comes first in the scan.
TEST(Fortification, HarmonisationRaisesTheSupersetMove) {
  struct Cas {
    TPoint p, q;
  } cas[] = {{{5, 5}, {5, 7}}, {{5, 7}, {5, 5}}};
  for (const Cas& k : cas) {
    Montage m(
        ".........\n"
        ".........\n"
        "..XXX....\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    const int32_t p = indexcase(k.p.ligne, k.p.colonne), q = indexcase(k.q.ligne, k.q.colonne);
    casescandidates[p] = casescandidates[q] = 1;
    m.b->survieA[p] = 40;
    m.b->survieA[q] = 60;
    for (int32_t s : {indexcase(3, 3), indexcase(3, 4)}) {
      essaiordi(k.p.ligne, k.p.colonne).marquesessai[s] = 1;
      essaiordi(k.q.ligne, k.q.colonne).marquesessai[s] = 1;
    }
    essaiordi(k.p.ligne, k.p.colonne).marquesessai[indexcase(3, 5)] = 1;
    m.f->harmonisationBONUSSURVIE();
    EXPECT_EQ(m.b->survieA[p], 60);
    EXPECT_EQ(m.b->survieA[q], 60);
  }
}

// A reinforcement-only move whose saved stone is also saved by a survival
// move ends at 0 with its code cleared; one with two stones of its own (it
// links them) and one shared keeps at most 40.
TEST(Fortification, SharedRescuesLowerTheValue) {
  struct Cas {
    bool propres;
    int32_t valeur;
    uint8_t code;
  } cas[] = {{false, 0, 0}, {true, 40, 2}};
  for (const Cas& k : cas) {
    Montage m(
        ".........\n"
        ".........\n"
        "..X......\n"
        ".........\n"
        ".........\n"
        "......X..\n"
        "......X..\n"
        ".........\n"
        ".........\n");
    const int32_t x = indexcase(3, 3), y = indexcase(6, 7), z = indexcase(7, 7);
    for (int32_t s : {x, y, z}) lesfaibles[s] = FAIBLEMENACE;
    const int32_t q = indexcase(8, 2), p = indexcase(5, 5);
    casescandidates[q] = casescandidates[p] = 1;
    m.b->survieA[q] = 40;
    essaiordi(8, 2).marquesessai[x] = 1;
    remplitessai(m.b->p, NOIR, 5, 5);
    TEssaiCoup& e = essaiordi(5, 5);
    e.marquesessai[x] = 1;
    if (k.propres)
      for (int32_t s : {y, z}) {
        e.marquesessai[s] = 1;
        e.liensessai[s] = 0x20;
      }
    m.b->fortif[p] = 60;
    m.b->codes[p] = 2;
    fixture::verifieinchange(m.b->p, [&] { m.f->comparepionssauves(); });
    EXPECT_EQ(m.b->fortif[p], k.valeur);
    EXPECT_EQ(m.b->codes[p], k.code);
    EXPECT_EQ(e.marquesessai[x], 0);
  }
}

// A move that captures three opponent stones: against an opponent survival
// value of 70 no bonus (60 - 70 < 0), against 30 a bonus of 30.
TEST(Fortification, CapturingRaceBonus) {
  struct Cas {
    int32_t survieadverse, bonus;
  } cas[] = {{70, 0}, {30, 30}};
  for (const Cas& k : cas) {
    Montage m(
        ".........\n"
        ".OOO.....\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    const int32_t p = indexcase(5, 5);
    casescandidates[p] = 1;
    m.b->fortif[p] = 20;
    m.b->survieB[p] = k.survieadverse;
    TEssaiCoup& e = essaiordi(5, 5);
    e.compteur2essai = 1;
    e.plateauessai = m.b->p;
    for (int32_t c = 2; c <= 4; ++c) e.plateauessai[indexcase(2, c)] = VIDE;
    m.f->bonussemai();
    EXPECT_EQ(m.b->semai[p], k.bonus);
  }
}

// Stones the trial marks dead without taking them off count as won unless
// both reference dead maps (the engine side's and the opponent side's)
// already had them dead; the departure marks play no part.
TEST(Fortification, CapturingRaceBonusReadsBothReferenceDeadMaps) {
  struct Cas {
    uint8_t bis, attaque, depart;
    int32_t bonus;
  } cas[] = {{0, 0, 0, 60}, {1, 0, 1, 60}, {0, 1, 1, 60}, {1, 1, 0, 0}, {1, 1, 1, 0}};
  for (const Cas& k : cas) {
    Montage m(
        ".........\n"
        ".OOO.....\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    const int32_t p = indexcase(5, 5);
    casescandidates[p] = 1;
    m.b->fortif[p] = 20;
    TEssaiCoup& e = essaiordi(5, 5);
    e.compteur2essai = 1;
    e.plateauessai = m.b->p;
    for (int32_t c = 2; c <= 4; ++c) {
      const int32_t x = indexcase(2, c);
      e.carte3essai[x] = 1;
      pionsmortsbis[x] = k.bis;
      carteattaque[x] = k.attaque;
      pionsmortsdepartordi[x] = k.depart;
    }
    m.f->bonussemai();
    EXPECT_EQ(m.b->semai[p], k.bonus) << int(k.bis) << int(k.attaque) << int(k.depart);
  }
}

// The race fields the position analysis leaves in a trial record: its
// race and seki count, the flag of a trial that improves the race of one of
// its dead stones, and the flag of a trial stone linked to a live chain.
// Sub-family 16 takes a point with a positive count whose weak stone keeps
// its best state; sub-family 17 one with the race flag whose stone is not
// linked to a live chain; the race bonus looks at a point with the flag.
TEST(Fortification, RaceFieldsOfTheTrialRecord) {
  const char* diagramme =
      ".........\n"
      ".OOO.....\n"
      "..X......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n";
  const int32_t q = indexcase(3, 3), i = indexcase(4, 4);
  struct Cas {
    int32_t compteur;
    uint8_t drapeau, vivante;
    int32_t seki, degre, bonus;
  } cas[] = {{0, 0, 0, 0, 0, 0}, {1, 0, 0, 20, 0, 30}, {0, 1, 0, 0, 20, 30}, {0, 1, 1, 0, 0, 30}};
  for (const Cas& k : cas) {
    Montage m(diagramme);
    lesfaibles[q] = FAIBLELIE;
    casescandidates[i] = 1;
    m.f->classe2 = true;
    remplitessai(m.b->p, NOIR, 4, 4);
    TEssaiCoup& e = essaiordi(4, 4);
    e.compteur3essai = k.compteur;
    e.flagmortsessai = k.drapeau;
    e.lievivanteessai = k.vivante;
    e.etatessai[q] = -5;
    e.etatessai[i] = -1;
    m.b->w.meilleuretat[q] = -5;
    fixture::verifieinchange(m.b->p, [&] { m.f->semaiseki(); });
    EXPECT_EQ(m.b->fortif[i], k.seki) << k.compteur;
    m.b->fortif[i] = 0;
    m.b->w.pierressauvees.fill(0);
    fixture::verifieinchange(m.b->p, [&] { m.f->degresemai(); });
    EXPECT_EQ(m.b->fortif[i], k.degre) << int(k.drapeau) << int(k.vivante);
    // The bonus counts the white stones the trial takes off.
    m.b->fortif[i] = 20;
    m.b->survieB[i] = 30;
    for (int32_t c = 2; c <= 4; ++c) e.plateauessai[indexcase(2, c)] = VIDE;
    m.f->bonussemai();
    EXPECT_EQ(m.b->semai[i], k.bonus) << int(k.drapeau);
  }
}

// Sub-family 28, last stage of its second pass: the point is taken on the
// pattern flags of its trial (0x80, 0x100, 0x800) alone; another flag of
// the trial does not take it.
TEST(Fortification, CutToRuleTakesAPointOnItsPatternFlags) {
  struct Cas {
    int32_t formes, valeur;
  } cas[] = {{0, 0}, {0x40, 0}, {0x100, 20}, {0x80, 20}, {0x800, 20}, {1 | 2 | 4, 0}};
  for (const Cas& k : cas) {
    Montage m(
        ".........\n"
        ".........\n"
        "..X......\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    const int32_t q = indexcase(3, 3), i = indexcase(4, 4);
    lesfaibles[q] = FAIBLELIE;
    casescandidates[i] = 1;
    m.f->classe2 = true;
    remplitessai(m.b->p, NOIR, 4, 4);
    TEssaiCoup& e = essaiordi(4, 4);
    metlieaunfaibleessai(e, 1);
    e.liensessai[q] = 0x20;
    e.formeessai = k.formes;
    fixture::verifieinchange(m.b->p, [&] { m.f->couperclasse2(); });
    EXPECT_EQ(m.b->fortif[i], k.valeur) << k.formes;
    EXPECT_EQ(m.b->codes[i], k.valeur ? 23 : 0) << k.formes;
  }
}

// ---- The family on analysed positions -------------------------------------------------------

// The root pipeline prepares the position; the family, run again on its
// maps, leaves board, chain table, dead marks, the weak classes and the
// opponent's kill strengths as they were, and its lists within bounds.
TEST(Fortification, RestoreContractOnAnalysedPositions) {
  for (const char* d : {
           ".........\n"
           ".X....O..\n"
           ".........\n"
           "..OOOOO..\n"
           ".OXXXXXO.\n"
           ".OX...XO.\n"
           ".O.XXX.O.\n"
           "..OO.OO..\n"
           ".........\n",
           ".........\n"
           ".X....O..\n"
           "...OOO...\n"
           "..OXXXO..\n"
           "..OXOXO..\n"
           "..OX.XO..\n"
           "...OXO...\n"
           "..X...O..\n"
           ".........\n",
       }) {
    const fixture::Position pos = fixture::diagramme(d);
    fixture::Partie partie;
    partie.trait = NOIR;
    fixture::analyseracine(pos.plateau, pos.taille, partie);
    auto f = std::make_unique<TCartesFamilles>();
    std::memset(static_cast<void*>(f.get()), 0, sizeof(TCartesFamilles));
    TListePoints candidats{}, copie{};
    TMarques morts{};
    TPoint choisi{};
    TPlateau b = plateaumoteur;
    pionsmorts = marquesliaison1;
    procedurefinpartie = 0;
    phasefinale = 0;
    ordipasse = 0;
    TContexteCadre x{*f, b, NOIR, BLANC, derniercoup, avantderniercoup, pointko, morts, candidats, copie, choisi};
    famillesracine(x);
    const TMarques tue = f->testtuejoueur, faibles = lesfaibles;
    TListePoints liste{};
    fixture::verifieinchange(b, [&] {
      coupdefortification(f->marquesfortification, f->pointsliaison, coteordi(*f), cotesurviejoueur(*f),
                          f->bonuscombatsemai, b, NOIR, liste, f->mauvaiscoups);
    });
    EXPECT_TRUE(fixture::memesmarques(tue, f->testtuejoueur));
    EXPECT_TRUE(fixture::memesmarques(faibles, lesfaibles));
    EXPECT_LE(nbpoints(liste), 361);
    for (int32_t k = 1; k <= nbpoints(liste); ++k)
      EXPECT_EQ(b[indexcase(ligneliste(liste, k), colonneliste(liste, k))], VIDE);
    // Both positions have weak stones the family proposes moves for; every
    // valued point is listed and carries a sub-family's code.
    EXPECT_GT(maxfortification, 0);
    for (int32_t r = 1; r <= pos.taille; ++r)
      for (int32_t c = 1; c <= pos.taille; ++c) {
        const int32_t i = indexcase(r, c);
        if (f->fortificationordi[i] <= 0) continue;
        EXPECT_TRUE(dansliste(liste, r, c)) << r << "," << c;
        EXPECT_GE(f->marquesfortification[i], 1);
        EXPECT_LE(f->marquesfortification[i], 23);
      }
  }
}

// ---- Links against risky separation ----------------------------------------------------------

// Both analyses' maps, empty, under the names the link step gives them.
struct Separation {
  std::unique_ptr<fixture::AnalyseRacine> a = std::make_unique<fixture::AnalyseRacine>();
  TCarte &risqueE = a->ordi.valeursatari, &risqueO = a->joueur.valeursatari;
  TCarte &separationE = a->ordi.separation, &separationO = a->joueur.separation;
  TCartesParPoint &mortsE = a->ordi.mortsapresessai, &mortsO = a->joueur.mortsapresessai;
  TCarte invasionO{};
  TListePoints candidats{};
  void lance(TPlateau& p) {
    genereliecarrisqueseparation(fixture::cartesanalyse(*a, a->ordi), fixture::cartesanalyse(*a, a->joueur), invasionO,
                                 NOIR, BLANC, p, candidats);
  }
};

// Damping: with a strong survival or reinforcement move 45 becomes 4 and 9
// becomes 0; with only the opponent's invasions, their largest value must
// exceed 10. A point whose values add up above 0 is listed, even with a
// negative engine value.
TEST(Separation, DampingAndListing) {
  struct Cas {
    int32_t invasions, maxsurvie, maxfortif, invasion, attenduE, attenduO;
  } cas[] = {
      {0, 0, 2, 0, 4, 0}, {0, 2, 0, 0, 4, 0}, {1, 1, 1, 10, 45, 9}, {1, 1, 1, 11, 4, 0}, {0, 1, 1, 50, 45, 9},
  };
  for (const Cas& k : cas) {
    remetazero();
    TPlateau p = fixture::posemoteur(kVide);
    auto s = std::make_unique<Separation>();
    compteurinvasions2 = k.invasions;
    maxsurvie = k.maxsurvie;
    maxfortification = k.maxfortif;
    s->invasionO[indexcase(7, 7)] = k.invasion;
    s->risqueE[indexcase(3, 3)] = 45;
    s->risqueO[indexcase(5, 5)] = 9;
    s->risqueE[indexcase(6, 6)] = -5;
    s->risqueO[indexcase(6, 6)] = 10;
    fixture::verifieinchange(p, [&] { s->lance(p); });
    EXPECT_EQ(s->risqueE[indexcase(3, 3)], k.attenduE);
    EXPECT_EQ(s->risqueO[indexcase(5, 5)], k.attenduO);
    EXPECT_EQ(dansliste(s->candidats, 5, 5), k.attenduO > 0);
    EXPECT_EQ(dansliste(s->candidats, 6, 6), k.attenduE == 45);  // -5 + 10, or -5 + 1 once damped
  }
  compteurinvasions2 = 0;
  maxsurvie = 0;
  maxfortification = 0;
}

// A dead trial stone clears both sides' values at its point; an engine value
// moves onto the candidate neighbours whose trial stone lives, not onto one
// whose trial stone dies.
TEST(Separation, DeadTrialsAndHoldingPoints) {
  remetazero();
  TPlateau p = fixture::posemoteur(kVide);
  auto s = std::make_unique<Separation>();
  const int32_t mort = indexcase(2, 2);
  s->risqueE[mort] = s->risqueO[mort] = s->separationE[mort] = s->separationO[mort] = 30;
  s->mortsO[1][1][mort] = 1;
  s->risqueE[indexcase(5, 5)] = 12;
  casescandidates[indexcase(5, 6)] = 1;
  casescandidates[indexcase(4, 5)] = 1;
  s->mortsE[3][4][indexcase(4, 5)] = 1;
  fixture::verifieinchange(p, [&] { s->lance(p); });
  EXPECT_EQ(s->risqueE[mort], 0);
  EXPECT_EQ(s->risqueO[mort], 0);
  EXPECT_EQ(s->separationE[mort], 0);
  EXPECT_EQ(s->separationO[mort], 0);
  EXPECT_EQ(s->risqueE[indexcase(5, 5)], 12);
  EXPECT_EQ(s->risqueE[indexcase(5, 6)], 12);
  EXPECT_EQ(s->risqueE[indexcase(4, 5)], 0);
  EXPECT_EQ(s->risqueE[indexcase(6, 5)], 0);
  EXPECT_TRUE(dansliste(s->candidats, 5, 6));
  EXPECT_FALSE(dansliste(s->candidats, 4, 5));
}

}  // namespace
