// Cut prevention `coupempechecoupure` and its test `testempechecoupure`.
#include "engine/proposals/empechecoupure.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/cadre.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/prise.h"
#include "engine/reading/propagation.h"

namespace {

constexpr int32_t PROFONDEURCOUPURE = 6;  // depth of the cut readings
constexpr int32_t COUPUREREUSSIE = 2;     // a cut reading above this: the cut works

// A cut shape around the opponent stone q: two engine stones (offsets from
// q) in different zones, the points that must be empty, the cut point E.
struct Motif {
  int32_t pierres[2][2];
  int32_t nbvides;
  int32_t vides[3][2];
  int32_t coupure[2];
};

// In the order they are tried; the first that matches is q's cut.
constexpr Motif MOTIFS[] = {
    {{{1, 0}, {-1, 1}}, 2, {{0, 1}, {1, 1}}, {0, 1}},             // A1
    {{{1, 0}, {-1, -1}}, 2, {{0, -1}, {1, -1}}, {0, -1}},         // A2
    {{{1, 0}, {-1, 0}}, 3, {{0, 1}, {1, 1}, {-1, 1}}, {0, 1}},    // A3
    {{{1, 0}, {-1, 0}}, 3, {{0, -1}, {1, -1}, {-1, -1}}, {0, -1}},  // A4
    {{{-1, 0}, {1, 1}}, 2, {{0, 1}, {-1, 1}}, {0, 1}},            // B1
    {{{-1, 0}, {1, -1}}, 2, {{0, -1}, {-1, -1}}, {0, -1}},        // B2
    {{{0, 1}, {1, -1}}, 2, {{1, 0}, {1, 1}}, {1, 0}},             // C1
    {{{0, 1}, {-1, -1}}, 2, {{-1, 0}, {-1, 1}}, {-1, 0}},         // C2
    {{{0, 1}, {0, -1}}, 3, {{1, 0}, {1, 1}, {1, -1}}, {1, 0}},    // C3
    {{{0, 1}, {0, -1}}, 3, {{-1, 0}, {-1, -1}, {-1, 1}}, {-1, 0}},  // C4
    {{{0, -1}, {1, 1}}, 2, {{1, 0}, {1, -1}}, {1, 0}},            // D1
    {{{0, -1}, {-1, 1}}, 2, {{-1, 0}, {-1, -1}}, {-1, 0}},        // D2
};

struct Coupure {
  TPoint q;  // the opponent stone beside the cut point
  TPoint e;  // the cut point
};

bool aengine(uint8_t A, int32_t i) { return territoire[i] == A || territoire2[i] == A; }

// Plays colour c at E and at each empty neighbour of E.
void joueautour(TPlateau& p, uint8_t c, uint8_t o, TPoint e, TListePoints* poses) {
  TListePoints points{};
  empilepoint(points, MAXPOINTSLISTE, e.ligne, e.colonne);
  pastable(e.ligne, e.colonne, [&](int32_t r, int32_t k) {
    if (p[ix(r, k)] == VIDE) empilepoint(points, MAXPOINTSLISTE, r, k);
    return false;
  });
  for (int32_t k = 1; k <= nbpoints(points); ++k) {
    TListePoints prises{};
    jouecoup(prises, MAXPOINTSLISTE, p, ligneliste(points, k), colonneliste(points, k), c, o);
  }
  if (poses)
    for (int32_t k = 1; k <= nbpoints(points); ++k)
      if (p[ix(ligneliste(points, k), colonneliste(points, k))] == c)
        empilepoint(*poses, MAXPOINTSLISTE, ligneliste(points, k), colonneliste(points, k));
}

}  // namespace

int32_t testempechecoupure(uint8_t couleurB, uint8_t couleurA, TPlateau& p, int32_t re, int32_t ce, int32_t rp,
                           int32_t cp, int32_t profondeur) {
  // A taken point fails; the cut point itself does not.
  if (p[ix(rp, cp)] != VIDE) return 100;
  if (rp == re && cp == ce) return 0;
  // The defender's stone there; a suicide fails.
  const Restaure<TPlateau> plateau(p);
  const Restaure<TInfoChaine> chaines(infochaine);
  TListePoints prises{};
  jouecoup(prises, MAXPOINTSLISTE, p, rp, cp, couleurA, couleurB);
  if (p[ix(rp, cp)] == VIDE) return 100;
  // The cutter at the cut point: a stone with one liberty, or caught, is no cut; else read it.
  jouecoup(prises, MAXPOINTSLISTE, p, re, ce, couleurB, couleurA);
  const int32_t e = ix(re, ce);
  if (p[e] != couleurB || infochaine[e][0] <= 1) return 0;
  if (infochaine[e][0] < 3 && testprise(p, re, ce, 8, 3, couleurB, pointko)) return 0;
  return lancelecturecoupure(couleurB, couleurA, p, profondeur, re, ce);
}

void coupempechecoupure(TPlateau& p, TCarte& coupurebambouseparation, const TCartesCote& cartesA,
                        const TCartesCote& cartesB, uint8_t A, uint8_t B, TListePoints& candidats, int32_t cap) {
  // Map cleared; nothing below level 3.
  coupurebambouseparation = zerobonus;
  if (niveau < 3) return;
  const int32_t n = configmoteur.taille;
  // C: the engine's dead stones that are not weak taken off; L: its
  // stones neither dead nor weak. The first line is never looked at.
  TPlateau C = p;
  TMarques L = marquesvides;
  for (int32_t r = 2; r < n; ++r)
    for (int32_t c = 2; c < n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != A || lesfaibles[i]) continue;
      if (pionsmortsbis[i]) C[i] = VIDE;
      else L[i] = 1;
    }
  // Cut detection, at most one cut per opponent stone.
  std::vector<Coupure> coupures;
  for (int32_t r = 2; r < n; ++r)
    for (int32_t c = 2; c < n; ++c) {
      const int32_t q = ix(r, c);
      if (C[q] != B || pionsmortsbis[q]) continue;
      for (const Motif& m : MOTIFS) {
        const int32_t a = ix(r + m.pierres[0][0], c + m.pierres[0][1]);
        const int32_t b = ix(r + m.pierres[1][0], c + m.pierres[1][1]);
        if (C[a] != A || C[b] != A || infozones[a].numero == infozones[b].numero) continue;
        bool vides = true;
        for (int32_t k = 0; k < m.nbvides; ++k) vides &= p[ix(r + m.vides[k][0], c + m.vides[k][1])] == VIDE;
        if (!vides) continue;
        const TPoint e{r + m.coupure[0], c + m.coupure[1]};
        if (cartesB.invasionforte[ix(e.ligne, e.colonne)] > 0 ||
            lancelecturecoupure(B, A, p, PROFONDEURCOUPURE, e.ligne, e.colonne) > COUPUREREUSSIE) {
          coupures.push_back({TPoint{r, c}, e});
          break;
        }
      }
    }
  if (coupures.empty()) return;
  // Each cut valued: the link it breaks and the damage it does.
  TGardeEssai garde(p);
  const Restaure<TMarques> territoireentree(territoire);
  const Restaure<TMarques> territoire2entree(territoire2);
  const TMarques t1 = territoire, t2 = territoire2;
  TListePoints proposes{};
  for (const Coupure& k : coupures) {
    const int32_t q = ix(k.q.ligne, k.q.colonne), e = ix(k.e.ligne, k.e.colonne);
    // Link gain: the engine's stones the cut point and q would join.
    joueautour(p, A, B, k.e, nullptr);
    p[q] = A;
    calculelibertes(p);
    TMarques marques = marquesvides;
    metlachainelieen2coupatest1(p, marques, k.q.ligne, k.q.colonne);
    int32_t w = 0, t = 0;
    bool fort = false;
    for (int32_t i = 0; i < NBCASES; ++i) {
      if (!marques[i] || p[i] != A) continue;
      fort |= L[i] != 0;
      if (!lesfaibles[i]) continue;
      ++w;
      if (aengine(A, i)) ++t;
    }
    int32_t valeur = fort ? 20 * w : 0, compte = fort ? w : 0;
    if (!fort) t = 0;
    garde.restaure();
    // Cut damage: the opponent's stones around the cut point.
    TListePoints poses{};
    joueautour(p, B, A, k.e, &poses);
    for (int32_t s = 1; s <= nbpoints(poses); ++s) {
      const int32_t r = ligneliste(poses, s), c = colonneliste(poses, s);
      if (aengine(A, ix(r, c))) ++t;
      if (!voisinvideterritoires(p, A, r, c)) continue;
      const int32_t lu = lecturetactique(0, B, A, p, r, c, 0, 0);
      if (lu <= 0) continue;
      t += lu;
      pastable(r, c, [&](int32_t rv, int32_t cv) {
        const int32_t v = ix(rv, cv);
        if (p[v] != VIDE) return false;
        if (territoire[v] == A) territoire[v] = VIDE;
        if (territoire2[v] == A) territoire2[v] = VIDE;
        return false;
      });
    }
    // Territories and board back.
    territoire = t1;
    territoire2 = t2;
    garde.restaure();
    compte += t;
    valeur += 20 * t;
    if (valeur <= 0) continue;
    // The candidates that make the cut fail.
    const int32_t s = cartesA.survie[e] + cartesA.fortification[e];
    const int32_t net = s > 0 ? std::max(0, valeur - s) : valeur;
    if (net <= 0) continue;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = ix(r, c);
        if (!casescandidates[i] || cartesA.mortsapresessai[r - 1][c - 1][i]) continue;
        const bool proche = std::abs(r - k.q.ligne) <= 1 && std::abs(c - k.q.colonne) <= 1;
        const bool empeche =
            cartesA.mortsapreslecture[r - 1][c - 1][q] ||
            (proche && (cartesA.mortsapresessai[r - 1][c - 1][q] ||
                        testempechecoupure(B, A, p, k.e.ligne, k.e.colonne, r, c, PROFONDEURCOUPURE) < 2));
        if (!empeche) continue;
        flagcoupure2 = std::max(flagcoupure2, compte);
        coupurebambouseparation[i] = net;
        proposecase(candidats, cap, r, c);
        proposecase(proposes, MAXPOINTSLISTE, r, c);
      }
  }
  affichelistecoups(proposes, MAXPOINTSLISTE, "COUP empeche coupure: ");
}
