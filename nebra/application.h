// Application layer: the game record, the two players and move application.
#pragma once

#include <cstdint>

#include "nebra_engine.h"

namespace nebra {

// Game states.
constexpr int kPlaying = 1, kOnePass = 7, kOver = 9;

// The game record (`datab`).
struct GameRecord {
  uint8_t board[kMaxSize * kMaxSize];  // 0 empty, 2 black, 3 white; index x + y * size
  uint8_t tomove;                      // 2 black, 3 white, 0 when the game is over
  uint8_t state;                       // kPlaying, kOnePass, kOver
  int lastmove;                        // point code of the last move, kPass after a pass
  int movecount;
  int passes;                          // consecutive passes
  int ko;                              // the black player's engine ko
  uint8_t kindblack, kindwhite;        // from the presets
  int size;
  float komi;
  int handicap;
};

// The board size of a new run: the engines' boards, the protocol layer and
// the adapter all start from it, as if the controller had sent boardsize 13.
constexpr int kStartSize = 13;

extern GameRecord datab;
// The clock that seeds the generator at start (the time of day); a test
// build of the program pins it so that its games repeat.
extern unsigned (*SeedClock)();
extern int pushbuttonsize;      // kStartSize, rewritten by every board initialisation
extern int pushbuttonhandicap;  // 0
extern int pushbuttonblack, pushbuttonwhite;  // 2: engine players

struct Player {
  int side;       // engine colour 2 or 3
  char kind;      // 0 engine player
  Agent* engine;  // created zero-filled on first use, kept for the whole run
  void InitPlayer(int side, int kind, int flags);
};

extern Player player[2];       // black first
extern Agent* fagentb;         // scratch engines of the scoring playouts
extern Agent* fagentw;
extern Agent* fagentl;         // scratch engine of the ladder reading

void StartApplication();
void InitBoard(int n);
void InitPlayers();
void UpdatePlayerBoards();
void PutStoneToAllBoards(int x, int y, int colour);
int ApplyMove(int x, int y, int colour);
void UpdateBoardsFromAgent(const Agent& engine);
void NebraSetKomi(float k);

}  // namespace nebra
