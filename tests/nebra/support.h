// Shared helpers of the Nebra tests: start-up, GTP in-process, diagrams,
// an independent referee board and the consistency check of an engine.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "application.h"
#include "commands.h"
#include "gtp.h"
#include "interface.h"
#include "nebra_engine.h"

namespace nebra_test {

using namespace nebra;

// Starts the application layer once per process.
inline void EnsureStarted() {
  static bool started = false;
  if (!started) {
    gtp_internal_set_boardsize(board_size);
    init_nebra();
    started = true;
  }
}

// Runs the text through the GTP loop; returns everything written.
inline std::string Gtp(const std::string& input) {
  EnsureStarted();
  std::string in = input;
  FILE* fin = fmemopen(in.data(), in.size(), "r");
  char* buf = nullptr;
  size_t len = 0;
  FILE* fout = open_memstream(&buf, &len);
  gtp_output = fout;
  gtp_main_loop(commands, fin, nullptr);
  gtp_output = nullptr;
  std::fclose(fin);
  std::fclose(fout);
  std::string out(buf, len);
  std::free(buf);
  return out;
}

// A fixed generator: every choice repeatable.
inline int ConstantGenerator() { return 0; }

// A small seeded generator for tests that need varied but repeatable draws.
inline unsigned lcg_state = 1;
inline int LcgGenerator() {
  lcg_state = lcg_state * 1103515245u + 12345u;
  return static_cast<int>((lcg_state >> 1) & 0x7fffffff);
}

// Injects a generator for the life of the object.
struct GeneratorScope {
  explicit GeneratorScope(NebraGenerator g, unsigned seed = 1) {
    lcg_state = seed;
    nebra_set_generator(g);
  }
  ~GeneratorScope() { nebra_set_generator(nullptr); }
};

// A new empty game of n lines through the adapter (the pool emptied).
inline void NewGame(int n) {
  EnsureStarted();
  board_size = n;
  gtp_internal_set_boardsize(n);
  clear_board();
}

// Plays the stones of a diagram (rows from the top, 'X' black, 'O' white)
// as moves of the application layer, black stones first.
inline void Position(const std::vector<std::string>& rows) {
  NewGame(static_cast<int>(rows.size()));
  for (char want : {'X', 'O'})
    for (size_t i = 0; i < rows.size(); ++i)
      for (size_t j = 0; j < rows[i].size(); ++j)
        if (rows[i][j] == want) {
          ASSERT_EQ(ApplyMove(int(i), int(j), want == 'X' ? kBlack : kWhite), 0) << "stone " << i << "," << j;
        }
}

inline std::string Vertex(int i, int j) {
  if (i < 0) return "PASS";
  std::string s(1, static_cast<char>('A' + j + (j >= 8 ? 1 : 0)));
  return s + std::to_string(board_size - i);
}

inline std::string CodeVertex(int code) { return code == kPass ? "PASS" : Vertex(CodeX(code), CodeY(code)); }

// Independent referee: plain board with captures, simple ko and either no
// suicide or (Nebra's rule) suicide of several stones allowed.
struct Referee {
  int n;
  std::vector<int> b;  // 0 empty, 2 black, 3 white; index i * n + j
  int ko = -1;         // forbidden point for the next move
  bool multisuicide;

  Referee(int size, bool multi) : n(size), b(size * size, 0), multisuicide(multi) {}

  std::vector<int> Adj(int p) const {
    std::vector<int> r;
    int i = p / n, j = p % n;
    if (i > 0) r.push_back(p - n);
    if (i < n - 1) r.push_back(p + n);
    if (j > 0) r.push_back(p - 1);
    if (j < n - 1) r.push_back(p + 1);
    return r;
  }
  // The chain through p and whether it has a liberty.
  std::vector<int> Chain(const std::vector<int>& bd, int p, bool& libre) const {
    std::vector<int> chain{p}, seen(n * n, 0);
    seen[p] = 1;
    libre = false;
    for (size_t k = 0; k < chain.size(); ++k)
      for (int q : Adj(chain[k])) {
        if (bd[q] == 0) libre = true;
        else if (bd[q] == bd[p] && !seen[q]) {
          seen[q] = 1;
          chain.push_back(q);
        }
      }
    return chain;
  }
  // Plays colour at p (p < 0 a pass); false when illegal (board unchanged).
  bool Play(int p, int colour) {
    if (p < 0) {
      ko = -1;
      return true;
    }
    if (b[p] != 0 || p == ko) return false;
    std::vector<int> nb = b;
    nb[p] = colour;
    int taken = 0, takenat = -1;
    for (int q : Adj(p)) {
      if (nb[q] != 5 - colour) continue;
      bool libre;
      auto ch = Chain(nb, q, libre);
      if (libre) continue;
      for (int s : ch) nb[s] = 0;
      taken += static_cast<int>(ch.size());
      takenat = q;
    }
    bool libre;
    auto own = Chain(nb, p, libre);
    if (!libre) {
      if (!multisuicide || own.size() < 2) return false;
      for (int s : own) nb[s] = 0;
    }
    // Simple ko: one stone taken by a lone stone left in atari.
    ko = -1;
    if (taken == 1 && own.size() == 1) {
      int libs = 0;
      for (int q : Adj(p)) libs += nb[q] == 0;
      if (libs == 1) ko = takenat;
    }
    b = nb;
    return true;
  }
};

// Checks an engine's chains, sets and maps against a recount of its board.
inline void ExpectConsistent(const Agent& a) {
  struct Recount {
    std::set<int> stones, libs, enemies;
  };
  std::map<int, Recount> chains;
  int n = a.size;
  const int steps[4] = {-1, 1, -32, 32};
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y) {
      int c = PointCode(x, y);
      int m = a.groupmap[c];
      ASSERT_TRUE(m == 0 || m >= 2) << "point " << x << "," << y;
      if (m == 0) continue;
      ASSERT_TRUE(a.groups[m].content == kBlack || a.groups[m].content == kWhite) << "group " << m;
      Recount& r = chains[m];
      r.stones.insert(c);
      for (int d : steps) {
        int p = c + d;
        if (!a.OnBoard(CodeX(p), CodeY(p))) continue;
        int q = a.groupmap[p];
        if (q == 0) r.libs.insert(p);
        else if (a.groups[q].content == a.groups[m].content) ASSERT_EQ(q, m) << "touching chains of one colour";
        else r.enemies.insert(q);
      }
    }
  for (const auto& [m, r] : chains) {
    const Group& g = a.groups[m];
    std::set<int> ss, ls, es;
    IntSetForEach(g.stoneset, [&](int v) { ss.insert(v); });
    IntSetForEach(g.libertyset, [&](int v) { ls.insert(v); });
    IntSetForEach(g.enemyset, [&](int v) { es.insert(v); });
    EXPECT_EQ(ss, r.stones) << "stones of group " << m;
    EXPECT_EQ(g.stones, static_cast<int>(r.stones.size())) << "stone count of group " << m;
    EXPECT_EQ(ls, r.libs) << "liberties of group " << m;
    EXPECT_EQ(g.liberties, static_cast<int>(r.libs.size())) << "liberty count of group " << m;
    EXPECT_EQ(es, r.enemies) << "enemies of group " << m;
    EXPECT_TRUE(r.stones.count(PointCode(g.x, g.y))) << "founding stone of group " << m;
    EXPECT_FALSE(IntSetContains(a.freenumbers, m)) << "group " << m << " both used and free";
  }
  for (int m = 2; m <= a.highest; ++m)
    if (!chains.count(m)) {
      EXPECT_TRUE(IntSetContains(a.freenumbers, m)) << "group " << m << " neither used nor free";
      EXPECT_EQ(a.groups[m].stoneset, kSetNull) << "free group " << m << " holds stones";
    }
}

// Atoms held by an engine's sets.
inline int AtomsHeld(const Agent* a) {
  if (!a) return 0;
  int n = IntSetCount(a->freenumbers) + IntSetCount(a->oldpositions);
  for (const Group& g : a->groups)
    n += IntSetCount(g.stoneset) + IntSetCount(g.libertyset) + IntSetCount(g.enemyset);
  return n;
}

}  // namespace nebra_test
