// Speed of Nebra's move choice and scoring on 9x9 and 19x19 mid-game
// positions reached by seeded self-play. Each genmove prints a signature of
// its position and chosen move, which changes only when play changes.
#include <benchmark/benchmark.h>

#include <string>

#include "application.h"
#include "gtp.h"
#include "interface.h"
#include "nebra_engine.h"

namespace {

using namespace nebra;

unsigned state = 1;
int Lcg() {
  state = state * 1103515245u + 12345u;
  return static_cast<int>((state >> 1) & 0x7fffffff);
}

// A mid-game position of n lines after `moves` self-play moves, seeded.
void MidGame(int n, int moves) {
  static bool started = false;
  nebra_set_generator(Lcg);
  state = 12345;
  if (!started) {
    gtp_internal_set_boardsize(board_size);
    init_nebra();
    started = true;
  }
  board_size = n;
  gtp_internal_set_boardsize(n);
  clear_board();
  int colour = GTP_BLACK;
  for (int k = 0; k < moves; ++k) {
    int i, j;
    generate_move(&i, &j, colour);
    play_move(i, j, colour);
    colour = colour == GTP_BLACK ? GTP_WHITE : GTP_BLACK;
  }
}

void Genmove(benchmark::State& st, int n, int moves) {
  MidGame(n, moves);
  int colour = moves % 2 ? GTP_WHITE : GTP_BLACK;
  int i = 0, j = 0;
  for (auto _ : st) {
    state = 777;
    generate_move(&i, &j, colour);
    benchmark::DoNotOptimize(i);
  }
  // The position and the move chosen in it: both change only when play changes.
  unsigned signature = 0;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) signature = signature * 3u + static_cast<unsigned>(get_board(x, y));
  signature = signature * 1024u + static_cast<unsigned>(vertex2code(i, j));
  st.SetLabel("signature " + std::to_string(signature));
}

void ScoreGameBench(benchmark::State& st, int n, int moves) {
  MidGame(n, moves);
  int black = 0, white = 0;
  for (auto _ : st) {
    state = 777;
    ScoreGame(0, black, white);
    benchmark::DoNotOptimize(black);
  }
  st.counters["black"] = black;
  st.counters["white"] = white;
}

void BM_Genmove9x9(benchmark::State& st) { Genmove(st, 9, 30); }
void BM_Genmove19x19(benchmark::State& st) { Genmove(st, 19, 120); }
void BM_ScoreGame9x9(benchmark::State& st) { ScoreGameBench(st, 9, 30); }
void BM_ScoreGame19x19(benchmark::State& st) { ScoreGameBench(st, 19, 120); }

BENCHMARK(BM_Genmove9x9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Genmove19x19)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScoreGame9x9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScoreGame19x19)->Unit(benchmark::kMillisecond);

}  // namespace
