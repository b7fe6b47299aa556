#include "interface.h"

#include <cstring>

#include "application.h"
#include "gtp.h"

namespace nebra {

int board_size = kStartSize;
float komi = -3.14f;
int final_status[kMaxSize * kMaxSize];

namespace {

// The statuses of the last position scored, with that position: the
// playouts are random, so a position is scored once and answered alike
// until a stone, the ko or the size changes.
struct StatusCache {
  bool valid = false;
  int size = 0;
  int ko = 0;
  uint8_t board[kMaxSize * kMaxSize];
  int status[kMaxSize * kMaxSize];
};
StatusCache cache;

bool CacheHolds() {
  return cache.valid && cache.size == board_size && datab.size == board_size && cache.ko == datab.ko &&
         std::memcmp(cache.board, datab.board, sizeof cache.board) == 0;
}

// A chain is alive when all its stones are; otherwise all are dead.
void ChainsAliveOrDead() {
  static int si[kMaxSize * kMaxSize], sj[kMaxSize * kMaxSize];
  static bool seen[kMaxSize * kMaxSize];
  std::memset(seen, 0, sizeof seen);
  for (int i = 0; i < board_size; ++i)
    for (int j = 0; j < board_size; ++j) {
      if (seen[i * board_size + j] || get_board(i, j) == GTP_EMPTY) continue;
      int n = get_string(i, j, si, sj);
      bool alive = true;
      for (int k = 0; k < n; ++k) alive = alive && final_status[si[k] * board_size + sj[k]] == ALIVE;
      for (int k = 0; k < n; ++k) {
        seen[si[k] * board_size + sj[k]] = true;
        final_status[si[k] * board_size + sj[k]] = alive ? ALIVE : DEAD;
      }
    }
}

}  // namespace

int conv2gtp(int colour) { return colour == kBlack ? GTP_BLACK : colour == kWhite ? GTP_WHITE : GTP_EMPTY; }

int conv2nebra(int colour) { return colour == GTP_BLACK ? kBlack : colour == GTP_WHITE ? kWhite : kEmpty; }

int vertex2code(int i, int j) { return i == -1 && j == -1 ? kPass : PointCode(i, j); }

void code2vertex(int code, int* i, int* j) {
  *i = CodeX(code);
  *j = CodeY(code);
}

void init_nebra() { StartApplication(); }

// A new game at board_size: the pool emptied, both engines rebuilt.
void clear_board() {
  cache.valid = false;
  IntSetReset();
  nebra_setboardsize(board_size);
}

void nebra_setboardsize(int n) {
  cache.valid = false;
  InitBoard(n);
  InitPlayers();
  InitBoard(n);
  UpdatePlayerBoards();
}

// Handicap stones count as moves.
bool board_empty() { return datab.movecount == 0; }

int get_board(int i, int j) { return conv2gtp(datab.board[i + j * datab.size]); }

// The stones of the chain through (i, j) on the black player's engine.
int get_string(int i, int j, int* stonei, int* stonej) {
  const Agent& a = *player[0].engine;
  int m = a.groupmap[PointCode(i, j)];
  if (m < 2) return 0;
  int n = 0;
  IntSetForEach(a.groups[m].stoneset, [&](int s) {
    stonei[n] = CodeX(s);
    stonej[n] = CodeY(s);
    ++n;
  });
  return n;
}

bool legal_move(int i, int j, int colour) {
  if (i == -1 && j == -1) return true;
  return player[0].engine->IsLegal(i, j, conv2nebra(colour));
}

int play_move(int i, int j, int colour) { return ApplyMove(i, j, conv2nebra(colour)); }

// The mover's engine chooses; nothing is played here.
void generate_move(int* i, int* j, int colour) {
  int c = conv2nebra(colour);
  Agent& a = *player[c == kBlack ? 0 : 1].engine;
  int code = a.SelectPoint(c, datab.lastmove);
  if (code == 0) code = kPass;
  code2vertex(code, i, j);
}

void generate_move_kgs_cleanup(int* i, int* j, int colour) {
  int c = conv2nebra(colour);
  Agent& a = *player[c == kBlack ? 0 : 1].engine;
  a.flags |= kFlagCleanup;
  generate_move(i, j, colour);
  a.flags &= ~kFlagCleanup;
}

void Nebra_notify_time_left(int seconds) {
  if (seconds > 60) return;
  for (Player& p : player)
    if (p.engine) p.engine->flags &= ~kFlagPlayouts;
}

void GtpNebraSetKomi(float k) {
  komi = k;
  NebraSetKomi(k);
}

// Alive or dead chains, and areas, from the scoring owners; computed once
// per position.
void compute_final_status() {
  if (CacheHolds()) {
    std::memcpy(final_status, cache.status, sizeof final_status);
    return;
  }
  int b, w;
  ScoreGame(0, b, w);
  for (int i = 0; i < board_size; ++i) {
    for (int j = 0; j < board_size; ++j) {
      int content = datab.board[i + j * datab.size];
      int owner = owners[PointCode(i, j)];
      int& st = final_status[i * board_size + j];
      if (content != kEmpty) st = owner == content ? ALIVE : DEAD;
      else st = owner == kBlack ? BLACK_AREA : owner == kWhite ? WHITE_AREA : NEUTRAL;
    }
  }
  ChainsAliveOrDead();
  cache.valid = true;
  cache.size = board_size;
  cache.ko = datab.ko;
  std::memcpy(cache.board, datab.board, sizeof cache.board);
  std::memcpy(cache.status, final_status, sizeof cache.status);
}

bool valid_fixed_handicap(int n) {
  if (n < 2 || n > 9) return false;
  if (board_size <= 6) return false;
  if (board_size % 2 == 0 && n >= 5) return false;
  if (board_size == 7 && n >= 5) return false;
  return true;
}

void place_fixed_handicap(int n) {
  int e = board_size > 12 ? 3 : 2;
  int f = board_size - e - 1;
  int m = board_size / 2;
  if (n > 1) {
    play_move(f, e, GTP_BLACK);
    play_move(e, f, GTP_BLACK);
  }
  if (n > 2) play_move(e, e, GTP_BLACK);
  if (n > 3) play_move(f, f, GTP_BLACK);
  if (n > 4 && n % 2 == 1) play_move(m, m, GTP_BLACK);
  if (n > 5) {
    play_move(m, e, GTP_BLACK);
    play_move(m, f, GTP_BLACK);
  }
  if (n > 7) {
    play_move(e, m, GTP_BLACK);
    play_move(f, m, GTP_BLACK);
  }
  datab.handicap = n;
}

// Up to n stones chosen by the engine; stops when it passes, when a choice
// cannot be played, or one point short of a full board. Returns the stones placed.
int place_free_handicap(int n) {
  int placed = 0;
  int limit = board_size * board_size - 1;
  while (placed < n && placed < limit) {
    int i, j;
    generate_move(&i, &j, GTP_BLACK);
    if (i == -1 || play_move(i, j, GTP_BLACK) != 0) break;
    ++placed;
  }
  datab.handicap = placed;
  return placed;
}

}  // namespace nebra
