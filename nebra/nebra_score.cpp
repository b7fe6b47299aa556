// Final scoring by two playouts, eye space, neutral regions and Benson's
// unconditional-life test.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "application.h"
#include "nebra_engine.h"

namespace nebra {

int8_t owners[kCodes];
uint8_t owner1[kCodes];
uint8_t halfeyes[kCodes];
int armyeyes[kCodes];
int vital[kCodes];
int neutralsize[kCodes];
int benson_b[kCodes], benson_w[kCodes];
bool benson_made = false;

namespace {

constexpr int kSteps[4] = {-1, 1, -32, 32};
constexpr int kDiagonals[4] = {-33, -31, 31, 33};

int stack[kCodes];
bool visited[kCodes];

bool OnBoard(int code, int size) {
  int x = CodeX(code), y = CodeY(code);
  return x >= 0 && y >= 0 && x < size && y < size;
}

int PlaceCode(Agent& a, int code, int colour) {
  if (code == kPass) return a.PlaceStone(-1, -1, colour);
  return a.PlaceStone(CodeX(code), CodeY(code), colour);
}

// One scoring playout from the players' position, `first` to move; adds the
// result into `owners` and fills `owner1` and `halfeyes`.
void ScoringPlayout(int first) {
  Agent& b = *fagentb;
  Agent& w = *fagentw;
  int size = player[0].engine->size;
  // Fresh eye maps
  std::memset(owner1, 1, sizeof owner1);
  std::memset(halfeyes, 0, sizeof halfeyes);
  std::fill(armyeyes, armyeyes + kCodes, -3);
  // Copies of the players' engines
  b.Copy(*player[0].engine);
  w.Copy(*player[1].engine);
  // Play out with the fast choice
  int tomove = first;
  int passes = 0;
  for (lookahead_depth = 0; lookahead_depth < kFutureMoves; ++lookahead_depth) {
    Agent& mover = tomove == kBlack ? b : w;
    int mv = mover.SelectPointFast(tomove);
    passes = mv == kPass ? passes + 1 : 0;
    if (passes >= 2) break;
    PlaceCode(b, mv, tomove);
    PlaceCode(w, mv, tomove);
    tomove = 5 - tomove;
  }
  // Owners, eyes
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      int content;
      if (benson_made && benson_b[c] >= 34) {
        content = kBlack;
        halfeyes[c] = 100;
      } else if (benson_made && benson_w[c] >= 34) {
        content = kWhite;
        halfeyes[c] = 100;
      } else {
        content = b.Cont(c);
      }
      if (content == kEmpty) {
        bool seen[4] = {false, false, false, false};
        bool emptyorth = false;
        for (int d : kSteps) {
          int p = c + d;
          if (!OnBoard(p, size)) continue;
          int ct = b.Cont(p);
          seen[ct] = true;
          emptyorth = emptyorth || ct == kEmpty;
        }
        int colour = seen[kBlack] && !seen[kWhite] ? kBlack : seen[kWhite] && !seen[kBlack] ? kWhite : kEmpty;
        if (colour != kEmpty) {
          content = colour;
          int enemydiag = 0;
          bool offdiag = false;
          for (int d : kDiagonals) {
            int p = c + d;
            if (!OnBoard(p, size)) offdiag = true;
            else if (b.Cont(p) == 5 - colour) ++enemydiag;
          }
          if (offdiag ? enemydiag == 0 : enemydiag <= 1) halfeyes[c] = emptyorth ? 1 : 2;
        }
      }
      owner1[c] = static_cast<uint8_t>(content);
      if (content == kBlack) owners[c] += 1;
      else if (content == kWhite) owners[c] -= 1;
    }
  }
  // Release the copies
  b.CleanUpAgent();
  w.CleanUpAgent();
  // Vital points next to armies short of eyes
  if (datab.movecount > 0) {
    CountArmyEyes();
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        int c = PointCode(x, y);
        if (armyeyes[c] >= 7) continue;
        int v = 0;
        for (int d : kSteps) v += halfeyes[c + d];
        for (int d : kDiagonals) v += halfeyes[c + d] / 2;
        if (armyeyes[c] < 5) v *= 3;
        vital[c] += v;
      }
    }
  }
}

}  // namespace

void ClearBensonMaps() {
  std::memset(benson_b, 0, sizeof benson_b);
  std::memset(benson_w, 0, sizeof benson_w);
  benson_made = false;
}

// Owners of every point by two playouts (black first, then white first):
// a colour owns what it holds both times; contested empty points are neutral.
void ScoreGame(int, int& black, int& white) {
  black = white = 0;
  if (!fagentb || !fagentw || !player[0].engine || !player[1].engine) return;
  int size = player[0].engine->size;
  // Clear the maps
  w1orw2 = 0.0f;
  for (int y = -1; y <= size; ++y) {
    for (int x = -1; x <= size; ++x) {
      int c = PointCode(x, y);
      bool board = x >= 0 && y >= 0 && x < size && y < size;
      owners[c] = static_cast<int8_t>(board ? 0 : 1);
      if (board) vital[c] = 0;
    }
  }
  // Two playouts
  ScoringPlayout(kBlack);
  ScoringPlayout(kWhite);
  // Owned both times
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      owners[c] = static_cast<int8_t>(owners[c] == 2 ? kBlack : owners[c] == -2 ? kWhite : 0);
    }
  }
  // Contested empty points become neutral
  int contested[kCodes];
  int n = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      if (owners[c] != kBlack && owners[c] != kWhite) continue;
      if (datab.board[x + y * datab.size] != kEmpty) continue;
      for (int d : kSteps)
        if (owners[c + d] == 5 - owners[c]) {
          contested[n++] = c;
          break;
        }
    }
  }
  for (int k = 0; k < n; ++k) owners[contested[k]] = 0;
  // Counts
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      if (owners[c] == kBlack) ++black;
      if (owners[c] == kWhite) ++white;
    }
  }
}

// Writes into every point the total halfeyes of its army (equal owner1).
void CountArmyEyes() {
  int size = player[0].engine ? player[0].engine->size : 0;
  std::memset(visited, 0, sizeof visited);
  int region[kCodes];
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int start = PointCode(x, y);
      if (visited[start]) continue;
      int n = 0, top = 0, sum = 0;
      visited[start] = true;
      stack[top++] = start;
      while (top > 0) {
        int c = stack[--top];
        region[n++] = c;
        sum += halfeyes[c];
        for (int d : kSteps) {
          int p = c + d;
          if (OnBoard(p, size) && !visited[p] && owner1[p] == owner1[start]) {
            visited[p] = true;
            stack[top++] = p;
          }
        }
      }
      for (int k = 0; k < n; ++k) armyeyes[region[k]] = sum;
    }
  }
}

// Size of the unowned region around each point (stones count 2), spread half
// a step into the owned points next to it.
void Agent::CountNeutralSizes() {
  std::fill(neutralsize, neutralsize + kCodes, -3);
  // Owned points -3, others -1
  for (int y = -1; y <= size; ++y)
    for (int x = -1; x <= size; ++x) {
      int c = PointCode(x, y);
      neutralsize[c] = owners[c] != 0 ? -3 : -1;
    }
  // Region sizes
  int region[kCodes];
  for (int y = -1; y <= size; ++y) {
    for (int x = -1; x <= size; ++x) {
      int start = PointCode(x, y);
      if (neutralsize[start] != -1) continue;
      int n = 0, top = 0, total = 0;
      neutralsize[start] = -2;  // being counted
      stack[top++] = start;
      while (top > 0) {
        int c = stack[--top];
        region[n++] = c;
        total += Cont(c) == kEmpty ? 1 : 2;
        for (int d : kSteps) {
          int p = c + d;
          int px = CodeX(p), py = CodeY(p);
          if (px < -1 || py < -1 || px > size || py > size) continue;
          if (neutralsize[p] == -1) {
            neutralsize[p] = -2;
            stack[top++] = p;
          }
        }
      }
      for (int k = 0; k < n; ++k) neutralsize[region[k]] = total;
    }
  }
  // Owned points beside a region get half its size
  for (int y = -1; y <= size; ++y)
    for (int x = -1; x <= size; ++x) {
      int c = PointCode(x, y);
      if (neutralsize[c] != -3) continue;
      for (int d : kSteps)
        if (neutralsize[c + d] > 0) {
          neutralsize[c] = 0;
          break;
        }
    }
  for (int y = -1; y <= size; ++y)
    for (int x = -1; x <= size; ++x) {
      int c = PointCode(x, y);
      if (neutralsize[c] != 0) continue;
      int best = 0;
      for (int d : kSteps) best = std::max(best, neutralsize[c + d]);
      neutralsize[c] = best >> 1;
    }
}

// A chain in atari whose liberty lies outside its colour's area, and which
// touches no area of its own colour, frees that liberty for play.
void Agent::AllowPlayingInSurviversLastLiberty() {
  for (int n = 2; n <= highest; ++n) {
    const Group& g = groups[n];
    if ((g.content != kBlack && g.content != kWhite) || g.liberties != 1) continue;
    int lib = is[g.libertyset].value;
    if (owners[lib] == g.content) continue;
    bool touches = false;
    IntSetForEach(g.enemyset, [&](int e) {
      IntSetForEach(groups[e].stoneset, [&](int s) { touches = touches || owners[s] == g.content; });
    });
    if (!touches) owners[lib] = 0;
  }
}

// A first-line vital point with few stones around is not vital after all.
void Agent::BorderVitalCheck(int x, int y) {
  static constexpr int kDx[16] = {-1, 0, 1, -2, -1, 1, 2, -2, 2, -2, -1, 1, 2, -1, 0, 1};
  static constexpr int kDy[16] = {-2, -2, -2, -1, -1, -1, -1, 0, 0, 1, 1, 1, 1, 2, 2, 2};
  int count[4] = {0, 0, 0, 0};
  for (int k = 0; k < 16; ++k) {
    int px = x + kDx[k], py = y + kDy[k];
    if (!OnBoard(px, py)) continue;
    ++count[GetCont(px, py)];
  }
  if (count[kBlack] <= 3 && count[kWhite] <= 3) vital[PointCode(x, y)] = 0;
}

// Destroys a region label: every point carrying it becomes 31.
void MarkAsNotVital(int label, int* map) {
  if (label <= 33 || label >= kCodes || map[label] != label) return;
  int top = 0;
  map[label] = 31;
  stack[top++] = label;
  while (top > 0) {
    int c = stack[--top];
    for (int d : kSteps) {
      int p = c + d;
      if (map[p] == label) {
        map[p] = 31;
        stack[top++] = p;
      }
    }
  }
}

// Labels the region of empty points and enemy stones from (x, y): its start
// code when every empty point touches a stone of `colour`, else 31.
bool Agent::IsHealthy(int x, int y, int colour, int* map) {
  int start = PointCode(x, y);
  int region[kCodes];
  int n = 0, top = 0;
  bool healthy = true;
  std::memset(visited, 0, sizeof visited);
  visited[start] = true;
  stack[top++] = start;
  static constexpr int kOrder[4] = {32, 1, -1, -32};
  while (top > 0) {
    int c = stack[--top];
    region[n++] = c;
    bool touches = false;
    for (int d : kOrder) {
      int p = c + d;
      if (!OnBoard(CodeX(p), CodeY(p))) continue;
      int ct = Cont(p);
      if (ct == colour) {
        touches = true;
      } else if (!visited[p]) {
        visited[p] = true;
        stack[top++] = p;
      }
    }
    if (Cont(c) == kEmpty && !touches) healthy = false;
  }
  for (int k = 0; k < n; ++k) map[region[k]] = healthy ? start : 31;
  return healthy;
}

// True when every empty point of the labelled region is a liberty of the chain.
bool Agent::IsVital(int label, int chain, const int* map) const {
  if (label <= 33 || label >= kCodes || map[label] != label) return false;
  bool vitalregion = true;
  std::memset(visited, 0, sizeof visited);
  int top = 0;
  visited[label] = true;
  stack[top++] = label;
  while (top > 0) {
    int c = stack[--top];
    if (Cont(c) == kEmpty && !IntSetContains(groups[chain].libertyset, c)) vitalregion = false;
    for (int d : kSteps) {
      int p = c + d;
      if (!visited[p] && map[p] == label) {
        visited[p] = true;
        stack[top++] = p;
      }
    }
  }
  return vitalregion;
}

// Labels the undecided region from (x, y): safe (start code) when, apart from
// one pair of adjacent points, every empty point and own stone touches a safe chain.
bool Agent::IsSafe(int x, int y, int colour, int* map) {
  int start = PointCode(x, y);
  int region[kCodes];
  int bad[2];
  int n = 0, top = 0, nbad = 0;
  std::memset(visited, 0, sizeof visited);
  visited[start] = true;
  stack[top++] = start;
  while (top > 0) {
    int c = stack[--top];
    region[n++] = c;
    // An empty point needs an own neighbour; an own stone needs its last own
    // neighbour looked at to be safe; enemy stones inside count for nothing.
    bool ownstone = Cont(c) == colour;
    bool empty = Cont(c) == kEmpty;
    bool ownnear = false, lastsafe = false;
    for (int d : kSteps) {
      int p = c + d;
      if (!OnBoard(CodeX(p), CodeY(p))) continue;
      bool own = Cont(p) == colour;
      if (own) {
        ownnear = true;
        lastsafe = groups[groupmap[p]].safe != 0;
      }
      bool member = map[p] == 31 || (own && map[p] == 0 && !groups[groupmap[p]].safe);
      if (member && !visited[p]) {
        visited[p] = true;
        stack[top++] = p;
      }
    }
    if (ownstone ? !lastsafe : empty && !ownnear) {
      if (nbad < 2) bad[nbad] = c;
      ++nbad;
    }
  }
  bool safe = nbad <= 1 || (nbad == 2 && (std::abs(bad[0] - bad[1]) == 1 || std::abs(bad[0] - bad[1]) == 32));
  for (int k = 0; k < n; ++k) map[region[k]] = safe ? start : 33;
  return safe;
}

// Benson's test: chains of `colour` with two vital regions are alive
// whatever the opponent does; the map marks them and the area they hold.
void Agent::Benson(int colour, int* map) {
  // Clear
  std::fill(map, map + kCodes, 0);
  // Healthy regions of empty points and enemy stones
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      if (map[c] == 0 && Cont(c) != colour) IsHealthy(x, y, colour, map);
    }
  // Every chain of the colour is a candidate
  bool inS[kMaxGroups];
  for (int n = 0; n <= highest; ++n) {
    inS[n] = n >= 2 && groups[n].content == colour;
    if (inS[n]) groups[n].safe = 0;
  }
  // Drop chains with fewer than two vital regions until none drops
  for (bool removed = true; removed;) {
    removed = false;
    for (int n = 2; n <= highest; ++n) {
      if (!inS[n]) continue;
      int vitals[2] = {0, 0};
      int nv = 0;
      IntSetForEach(groups[n].libertyset, [&](int l) {
        int label = map[l];
        if (label <= 33 || nv >= 2 || label == vitals[0]) return;
        if (IsVital(label, n, map)) vitals[nv++] = label;
      });
      if (nv >= 2) continue;
      inS[n] = false;
      removed = true;
      IntSetForEach(groups[n].stoneset, [&](int s) {
        for (int d : kSteps) {
          int p = s + d;
          if (map[p] > 33) MarkAsNotVital(map[p], map);
        }
      });
    }
  }
  // The survivors are safe
  for (int n = 2; n <= highest; ++n) {
    if (!inS[n]) continue;
    groups[n].safe = 1;
    IntSetForEach(groups[n].stoneset, [&](int s) { map[s] = s; });
  }
  // Undecided regions held by the safe chains
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      if (map[c] == 31) IsSafe(x, y, colour, map);
    }
}

}  // namespace nebra
