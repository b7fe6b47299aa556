// The Nebra engine: board model with chains and liberty sets, point
// evaluation, move selection, final scoring and unconditional life.
#pragma once

#include <cstdint>

#include "intset.h"

namespace nebra {

// Point code of (x, y): (x + 2) + 32 * (y + 2); two lines of margin on the
// low sides, at least one on the high sides for the largest board.
constexpr int kMaxSize = 23;                            // largest accepted board
constexpr int kCodes = 1024;                            // entries of a per-point map
constexpr int kPass = 33;                               // the pass move
constexpr int kMaxGroups = kMaxSize * kMaxSize + 2;     // every chain of the largest board, plus the pseudo-groups
constexpr int kNoKo = -33;                              // ko after two or more single stones were taken
constexpr float kForbidden = -10000000.0f;              // worth of a point never to be chosen
constexpr int kFutureMoves = 500;                       // longest playout

inline int PointCode(int x, int y) { return (x + 2) + 32 * (y + 2); }
inline int CodeX(int code) { return (code & 31) - 2; }
inline int CodeY(int code) { return (code >> 5) - 2; }

// Colour or content codes: 0 empty, 1 off-board, 2 black, 3 white.
constexpr int kEmpty = 0, kOffBoard = 1, kBlack = 2, kWhite = 3;

// Engine flags.
constexpr int kFlagStatic = 1, kFlagPlayouts = 2, kFlagOpening = 4, kFlagBenson = 8, kFlagCleanup = 16;

// True for the move types that may be played (0 to 5).
inline bool legal(int type) { return type >= 0 && type <= 5; }

// The generator every choice draws from: the C library's rand() unless a
// test injects its own (null restores rand()).
using NebraGenerator = int (*)();
void nebra_set_generator(NebraGenerator g);
int nebra_rand();

extern int zobrist[4][kCodes];  // one row per content code
void zobrist_init();

struct Agent {
  int32_t captured[2];        // stones removed: [0] black, [1] white
  int32_t ko;                 // point of a single stone just taken, 0 none, kNoKo two or more
  int32_t flags;              // kFlag* bits
  uint8_t hood[kCodes];       // neighbourhood class; 10 not playable, 11 stale
  uint8_t movetype[kCodes];   // cached move type; 3 settled area, 5 vetoed
  float worth[kCodes];        // static value of the point for the engine's colour
  int32_t size;
  uint16_t groupmap[kCodes];  // 0 empty, 1 off-board, 2 and above chains
  Group groups[kMaxGroups];   // 0 empty and 1 off-board pseudo-groups, then chains
  int32_t pendingko;          // ko being built by the current move
  int32_t highest;            // highest group number in use
  IntSetRef freenumbers;      // group numbers released by merges and captures
  int32_t side;               // colour this engine plays (2 or 3)
  IntSetRef oldpositions;     // hashes of earlier positions
  float komi;

  // Board model.
  void InitAgent(int size, int side, float komi, int flags);
  void AgentInitBoard();
  void CleanUpAgent();
  void Copy(const Agent& other);
  bool OnBoard(int x, int y) const { return x >= 0 && y >= 0 && x < size && y < size; }
  int GetCont(int x, int y) const { return groups[groupmap[PointCode(x, y)]].content; }
  int Cont(int code) const { return groups[groupmap[code]].content; }
  int Neighbour(int code, int k) const;  // k = 0..3: -1, +1, -32, +32; off-board gives code
  int MoveType(int x, int y, int colour) const;
  bool IsLegal(int x, int y, int colour) const { return legal(MoveType(x, y, colour)); }
  int PlaceStone(int x, int y, int colour);
  int SetCont(int x, int y, int colour);
  void CaptureGroup(int n);
  void UpdateCont(int to, int from);
  int GetHash() const;
  void UpdateOldPositions();
  bool IsSuperKo(int x, int y, int colour) const;

  // Point evaluation.
  void UpdateWorth1(int colour, int x, int y);
  void WhatIfHere(int x, int y, int colour, float& gain, int& liberties, int& stones, int& enemyliberties) const;
  int LibertiesIfHereMoreAccurate(int code, int colour) const;
  float BothPresent5X5(int code) const;
  int PostProcessing(int code, int colour);

  // Move selection.
  int SelectPoint(int colour, int lastmove);
  int SelectPointFast(int colour);
  int BestPointWorth2(int colour, float threshold);

  // Scoring and unconditional life.
  void CountNeutralSizes();
  void AllowPlayingInSurviversLastLiberty();
  void BorderVitalCheck(int x, int y);
  void Benson(int colour, int* map);
  bool IsHealthy(int x, int y, int colour, int* map);
  bool IsVital(int label, int chain, const int* map) const;
  bool IsSafe(int x, int y, int colour, int* map);

 private:
  void MarkStaleLiberties(int n);
  void MarkBlockStale(int code);
  int NewGroupNumber();
  void FreeGroupNumber(int n);
};

int HoodType(const Agent& agent, int x, int y, int colour, int& score);
float LibertiesToCost(bool enemy, int liberties, int stones);
void MarkAsNotVital(int label, int* map);

// Move selection state.
extern float randomness;     // noise scale
extern float w1orw2;         // weight of the playout statistics in the fast choice
extern int lookahead_depth;  // move number inside the current scoring playout
extern float worth2[kCodes], weight2[kCodes];
extern int futmoves[kFutureMoves];
extern int futcount;
float Noise();
float ScoreMoveFuture(int colour, int move, float komi);
bool LadderCaptures(int code, int colour);

// Maps of the final scoring, indexed by point code.
extern int8_t owners[kCodes];     // 2 black, 3 white, 0 neither; margin cells 1
extern uint8_t owner1[kCodes];    // content at the end of the latest playout
extern uint8_t halfeyes[kCodes];  // eye value at the end of the latest playout
extern int armyeyes[kCodes];      // total halfeyes of the point's army
extern int vital[kCodes];         // eye-making value next to weak armies
extern int neutralsize[kCodes];   // size of the neutral region around the point
extern int benson_b[kCodes], benson_w[kCodes];  // unconditional life; above 33 held
extern bool benson_made;          // the two maps hold a result
void ClearBensonMaps();
void ScoreGame(int ignored, int& black, int& white);
void CountArmyEyes();

}  // namespace nebra
