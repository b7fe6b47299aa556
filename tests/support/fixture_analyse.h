// The engine on a position as a genmove leaves it just before the move
// families: the real move entry on the position's stones, the chooser's
// flags, the search's capture and status marks, groups and zones, the ko
// point, then the root's two position analyses and the cut and link analyses
// after the second, each through the engine's own routine (the entry's
// `prepareposition`, the frame's `premiereanalyseracine`, `finpartieracine`,
// `passeracine`, `secondeanalyseracine`). Used by the tests and the
// benchmarks; no test framework.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

namespace fixture {

// The game around a position.
struct Partie {
  uint8_t trait = NOIR;    // side to move: the engine's colour
  int32_t numerocoup = 0;  // move number once replayed; 0: one move per stone
  int32_t niveau = 7;      // requested level (no clock, so the working level)
  TPoint dernier{};        // the other side's last move, a stone of the position; (0, 0) = none
  bool passe = false;      // the other side passed after its last move
  uint8_t regle = 2;       // rules byte
  int32_t regleko = 0;
  double komi = 5.5;
  uint32_t graine = 1;     // the generator's seed (the search reseeds it)
};

// One side's maps of the position analysis (the names the move families
// know them by in brackets).
struct CartesCote {
  TCartesParPoint mortsapresessai;    // [mortsessai]
  TCartesParPoint mortsapreslecture;  // [mortsessai2]
  TCarte valeursatari, faitmort, fourchette, separation;
  TMarques invasiondefense;
  TMarques tues;      // [testtue]
  TMarques sauves;    // [testvit]
  TMarques deuxyeux;  // [memosurvie]
  TEssaisAnalyse essais;  // the tried points, values and zone counts
};

// What the root of the search holds once both analyses have run.
struct AnalyseRacine {
  std::array<TCarte, 2> consolidation;
  TCarte flou;
  TMarques faiblesse;
  TMarques mauvaiscoups;
  int32_t porteezone = 0;
  TListePoints candidats;          // capacity 361
  TListePoints meilleursadverses;  // capacity 300
  CartesCote ordi;    // the side to move (first analysis)
  CartesCote joueur;  // the other side (second analysis)
  TMarques echelles;  // heads of the side to move's two-liberty chains caught in a ladder
  TMarques mortsracine;  // the dead marks of the root's status pass
  TMarques coupuresjoueur, coupuresordi;  // possible cuts of each side
  TPlateau plateau;   // the position (plateaumoteur)
  bool passe = false; // the root stopped after the first analysis: the engine passes
};

// Runs the engine on `p` (size `taille`) as above: the move list holds every
// stone in row order, the last move last (without one, the last stone in row
// order is the last move), then the pass. The search's reseeding of the
// generator takes the seed of `partie`; the end-of-game list, the candidate
// top-up and the moyo gains are not run. The result is static storage,
// overwritten by the next call.
AnalyseRacine& analyseracine(const TPlateau& p, int32_t taille, const Partie& partie);

// The maps one analysis fills, pointing into `a`: the side's own (`k`, one
// of a.ordi and a.joueur) and the shared ones.
TCartesAnalyse cartesanalyse(AnalyseRacine& a, CartesCote& k);

}  // namespace fixture
