#include "application.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>

namespace nebra {

GameRecord datab;
int pushbuttonsize = kStartSize;
int pushbuttonhandicap = 0;
int pushbuttonblack = 2;
int pushbuttonwhite = 2;
Player player[2];
Agent* fagentb = nullptr;
Agent* fagentw = nullptr;
Agent* fagentl = nullptr;

namespace {

constexpr int kEngineFlags = kFlagStatic | kFlagOpening | kFlagBenson;

Agent* NewAgent() {
  Agent* a = new (std::nothrow) Agent();  // value-initialised: every set empty
  if (!a) std::fputs("\nPanic!\n", stderr);
  return a;
}

}  // namespace

unsigned (*SeedClock)() = [] { return static_cast<unsigned>(std::time(nullptr)); };

// Once at program start: generator, pool, work engines, a 13 x 13 game.
void StartApplication() {
  std::srand(SeedClock());
  IntSetInit(3000);
  if (!fagentb) fagentb = NewAgent();
  if (!fagentw) fagentw = NewAgent();
  if (!fagentl) fagentl = NewAgent();
  std::memset(owners, 1, sizeof owners);
  std::memset(vital, 0, sizeof vital);
  IntSetReset();
  InitBoard(pushbuttonsize);
  InitPlayers();
  InitBoard(pushbuttonsize);
  UpdatePlayerBoards();
}

// A new empty game of n lines; the unconditional-life maps of the last game go.
void InitBoard(int n) {
  pushbuttonsize = n;
  datab.size = n;
  datab.handicap = pushbuttonhandicap;
  std::memset(datab.board, 0, sizeof datab.board);
  datab.lastmove = PointCode(n, n);
  datab.kindblack = static_cast<uint8_t>(pushbuttonblack == 2 ? 0 : 1);
  datab.kindwhite = static_cast<uint8_t>(pushbuttonwhite == 2 ? 0 : 1);
  datab.tomove = kBlack;
  datab.komi = 7.5f;
  datab.movecount = 0;
  datab.passes = 0;
  datab.ko = kNoKo;
  datab.state = kPlaying;
  ClearBensonMaps();
}

void InitPlayers() {
  player[0].InitPlayer(kBlack, 0, kEngineFlags);
  player[1].InitPlayer(kWhite, 0, kEngineFlags);
}

void Player::InitPlayer(int s, int k, int flags) {
  side = s;
  kind = static_cast<char>(k);
  if (!engine) engine = NewAgent();
  if (engine) engine->InitAgent(datab.size, side, datab.komi, flags);
}

// Puts the application board onto both engines, keeping last move and ko.
void UpdatePlayerBoards() {
  int lastmove = datab.lastmove;
  int ko = datab.ko;
  int n = datab.size;
  for (int idx = 0; idx < n * n; ++idx) PutStoneToAllBoards(idx % n, idx / n, datab.board[idx]);
  datab.lastmove = lastmove;
  datab.ko = ko;
  for (Player& p : player)
    if (p.engine) p.engine->ko = ko;
}

void PutStoneToAllBoards(int x, int y, int colour) {
  datab.board[x + y * datab.size] = static_cast<uint8_t>(colour);
  datab.lastmove = PointCode(x, y);
  if (colour != 0) {
    for (Player& p : player)
      if (p.engine) p.engine->PlaceStone(x, y, colour);
  }
  if (player[0].engine) datab.ko = player[0].engine->ko;
}

// Plays a move, or a pass (-1, -1), on both engines: -1 refused, 1 illegal, 0 played.
// A move after the end of the game resumes it.
int ApplyMove(int x, int y, int colour) {
  // Refuse a move of no colour
  if (colour != kBlack && colour != kWhite) return -1;
  if (!player[0].engine || !player[1].engine) return -1;
  if (x != -1 && !player[0].engine->OnBoard(x, y)) return 1;
  // Place it on both engines
  int type = player[0].engine->PlaceStone(x, y, colour);
  player[1].engine->PlaceStone(x, y, colour);
  // Both remember the position, legal or not
  player[0].engine->UpdateOldPositions();
  player[1].engine->UpdateOldPositions();
  // Refuse an illegal move
  if (!legal(type)) return 1;
  if (datab.state == kOver) {
    datab.state = kPlaying;
    datab.passes = 0;
  }
  // The application board follows the black player's engine
  UpdateBoardsFromAgent(*player[0].engine);
  // Turn, count and last move
  datab.tomove = static_cast<uint8_t>(5 - colour);
  datab.movecount += 1;
  datab.lastmove = x == -1 ? kPass : PointCode(x, y);
  // Passes end the game
  if (x == -1) {
    datab.passes += 1;
    if (datab.passes == 1) {
      datab.state = kOnePass;
    } else if (datab.passes >= 2) {
      int b, w;
      ScoreGame(0, b, w);
      datab.state = kOver;
      datab.tomove = 0;
    }
  } else {
    datab.passes = 0;
  }
  return 0;
}

void UpdateBoardsFromAgent(const Agent& engine) {
  int n = datab.size;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) datab.board[x + y * n] = static_cast<uint8_t>(engine.GetCont(x, y));
  datab.ko = engine.ko;
}

void NebraSetKomi(float k) {
  datab.komi = k;
  for (Player& p : player)
    if (p.engine) p.engine->komi = k;
}

}  // namespace nebra
