// Board model: layout, initialisation, copying, move types, stone placement
// with merging and capture, position hashes and superko.
#include <cstdlib>
#include <cstring>

#include "nebra_engine.h"

namespace nebra {

int zobrist[4][kCodes];

namespace {

NebraGenerator generator = nullptr;

constexpr int kSteps[4] = {-1, 1, -32, 32};

// Work stack of the flood fills; a chain never holds more points than the board.
int floodstack[kCodes];

}  // namespace

void nebra_set_generator(NebraGenerator g) { generator = g; }

int nebra_rand() { return generator ? generator() : std::rand(); }

void zobrist_init() {
  for (auto& row : zobrist)
    for (int& v : row) v = nebra_rand();
}

// The neighbour in direction k; a neighbour across the edge is the point itself.
int Agent::Neighbour(int code, int k) const {
  int n = code + kSteps[k];
  return groupmap[n] == kOffBoard ? code : n;
}

// A new game of `sz` lines: every set released, fresh hash keys, empty board.
void Agent::InitAgent(int sz, int sd, float km, int fl) {
  CleanUpAgent();
  for (auto& g : groupmap) g = kOffBoard;
  std::memset(movetype, 1, sizeof movetype);
  std::memset(hood, 11, sizeof hood);  // no class bits left from a larger board
  size = sz;
  side = sd;
  komi = km;
  flags = fl;
  zobrist_init();
  IntSetDelete(oldpositions);
  oldpositions = kSetNull;
  AgentInitBoard();
}

void Agent::AgentInitBoard() {
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      groupmap[c] = 0;
      hood[c] = 11;
      movetype[c] = 1;
    }
  }
  captured[0] = captured[1] = 0;
  for (Group& g : groups) g.Clean();
  highest = 1;
  for (int k = 0; k < 2; ++k) {
    groups[k].content = k;
    groups[k].stones = 99999;
    groups[k].liberties = 99999;
  }
  IntSetDelete(freenumbers);
  freenumbers = kSetNull;
}

// Releases every set this engine holds.
void Agent::CleanUpAgent() {
  IntSetDelete(freenumbers);
  freenumbers = kSetNull;
  IntSetDelete(oldpositions);
  oldpositions = kSetNull;
  for (int k = 0; k <= highest && k < kMaxGroups; ++k) groups[k].Clean();
}

// Takes the position of `other` (old positions and komi stay this engine's own).
void Agent::Copy(const Agent& other) {
  int oldhighest = highest;
  size = other.size;
  pendingko = other.pendingko;
  ko = other.ko;
  captured[0] = other.captured[0];
  captured[1] = other.captured[1];
  highest = other.highest;
  flags = other.flags;
  side = other.side;
  IntSetDelete(freenumbers);
  freenumbers = IntSetCopy(other.freenumbers);
  std::memcpy(hood, other.hood, sizeof hood);
  std::memcpy(movetype, other.movetype, sizeof movetype);
  std::memcpy(groupmap, other.groupmap, sizeof groupmap);
  std::memcpy(worth, other.worth, sizeof worth);
  for (int k = 0; k <= highest; ++k) groups[k] = other.groups[k];
  for (int k = highest + 1; k <= oldhighest && k < kMaxGroups; ++k) groups[k].Clean();
}

// Move type: 0 pass, 1 ordinary, 2 captures, 4 own chain's last liberty,
// 6 ko retake, 7 single-stone suicide, 8 occupied.
int Agent::MoveType(int x, int y, int colour) const {
  // Pass and occupied point
  if (x == -1) return 0;
  int code = PointCode(x, y);
  if (groupmap[code] != 0) return 8;
  // Captures, or retakes a ko
  for (int k = 0; k < 4; ++k) {
    const Group& g = groups[groupmap[Neighbour(code, k)]];
    if (g.content == 5 - colour && g.liberties == 1) return g.stones == 1 && ko == code ? 6 : 2;
  }
  // An empty neighbour
  for (int k = 0; k < 4; ++k) {
    int n = Neighbour(code, k);
    if (n != code && groupmap[n] == 0) return 1;
  }
  // Own chains
  bool own = false;
  for (int k = 0; k < 4; ++k) {
    const Group& g = groups[groupmap[Neighbour(code, k)]];
    if (g.content == colour) {
      if (g.liberties > 1) return 1;
      own = true;
    }
  }
  return own ? 4 : 7;
}

// Plays a move when it is legal; returns its type either way. A pass clears the ko.
int Agent::PlaceStone(int x, int y, int colour) {
  pendingko = 0;
  int type = MoveType(x, y, colour);
  if (legal(type)) {
    SetCont(x, y, colour);
    ko = pendingko;
  }
  return type;
}

int Agent::NewGroupNumber() {
  if (freenumbers > 0) {
    int n = is[freenumbers].value;
    IntSetRemove(freenumbers, n);
    return n;
  }
  if (highest + 1 >= kMaxGroups) return -1;
  return ++highest;
}

void Agent::FreeGroupNumber(int n) { IntSetAdd(freenumbers, n); }

// Stale liberties: a chain of 3 liberties or fewer has them re-evaluated.
void Agent::MarkStaleLiberties(int n) {
  if (groups[n].liberties > 3) return;
  IntSetForEach(groups[n].libertyset, [&](int p) { hood[p] = 11; });
}

void Agent::MarkBlockStale(int code) {
  for (int d = -32; d <= 32; d += 32)
    for (int e = -1; e <= 1; ++e) hood[code + d + e] = 11;
}

// Places a stone (colour 2 or 3) or empties a point (0): -1 off the board,
// 0 no capture, 1 enemy chains captured, 2 the own chain captured.
int Agent::SetCont(int x, int y, int colour) {
  if (!OnBoard(x, y)) return -1;
  int code = PointCode(x, y);
  if (colour == 0) {
    groupmap[code] = 0;
    MarkBlockStale(code);
    return 0;
  }
  // A new group for the stone
  int n = NewGroupNumber();
  if (n < 0) return -1;
  groupmap[code] = static_cast<uint16_t>(n);
  Group& g0 = groups[n];
  g0.Clean();
  g0.x = x;
  g0.y = y;
  g0.content = colour;
  g0.stones = 1;
  IntSetAdd(g0.stoneset, code);
  // Liberties, and merging with own chains into the last one met
  for (int k = 0; k < 4; ++k) {
    int p = Neighbour(code, k);
    int m = groupmap[p];
    if (m == 0) {
      groups[n].AddLiberty(p);
    } else if (m != n && groups[m].content == colour) {
      Group& to = groups[m];
      Group& from = groups[n];
      UpdateCont(m, n);
      MarkStaleLiberties(m);
      to.AddLiberties(from.libertyset);
      to.RemoveLiberty(code);
      to.stones += from.stones;
      if (from.safe) to.safe = 1;
      IntSetUnion(to.stoneset, from.stoneset);
      IntSetForEach(from.enemyset, [&](int e) {
        IntSetRemove(groups[e].enemyset, n);
        IntSetAdd(groups[e].enemyset, m);
      });
      IntSetUnion(to.enemyset, from.enemyset);
      from.Clean();
      FreeGroupNumber(n);
      n = m;
    }
  }
  // Enemy chains lose the point as a liberty, captured at none
  int result = 0;
  for (int k = 0; k < 4; ++k) {
    int p = Neighbour(code, k);
    int e = groupmap[p];
    if (e < 2 || groups[e].content != 5 - colour) continue;
    IntSetAdd(groups[n].enemyset, e);
    IntSetAdd(groups[e].enemyset, n);
    groups[e].RemoveLiberty(code);
    if (groups[e].liberties == 0) {
      CaptureGroup(e);
      result = 1;
    } else {
      MarkStaleLiberties(e);
    }
  }
  // The placed chain without liberty is captured
  if (groups[n].liberties == 0) {
    CaptureGroup(n);
    result = 2;
  }
  // Re-evaluate around the stone
  MarkBlockStale(code);
  if (groups[n].content == colour) MarkStaleLiberties(n);
  return result;
}

// Removes chain n from the board; its neighbours gain its points as liberties.
void Agent::CaptureGroup(int n) {
  if (n < 2) return;
  Group& g = groups[n];
  // Start from the founding point
  int start = PointCode(g.x, g.y);
  groupmap[start] = 0;
  // The enemy chains forget it
  IntSetForEach(g.enemyset, [&](int e) {
    IntSetRemove(groups[e].enemyset, n);
    MarkStaleLiberties(e);
  });
  // A single stone makes a ko
  if (g.stones == 1) pendingko = pendingko != 0 ? kNoKo : start;
  // Count the prisoners
  if (g.content == kBlack || g.content == kWhite) captured[g.content - 2] += g.stones;
  // Empty every stone
  int top = 0;
  floodstack[top++] = start;
  while (top > 0) {
    int c = floodstack[--top];
    MarkBlockStale(c);
    for (int k = 0; k < 4; ++k) {
      int p = Neighbour(c, k);
      int m = groupmap[p];
      if (m == n) {
        groupmap[p] = 0;
        floodstack[top++] = p;
      } else if (m >= 2) {
        groups[m].AddLiberty(c);
      }
    }
  }
  // Release the group
  g.Clean();
  FreeGroupNumber(n);
}

// Relabels every point of group `from` as `to`.
void Agent::UpdateCont(int to, int from) {
  int start = PointCode(groups[from].x, groups[from].y);
  if (groupmap[start] != from) return;
  int top = 0;
  groupmap[start] = static_cast<uint16_t>(to);
  floodstack[top++] = start;
  while (top > 0) {
    int c = floodstack[--top];
    for (int k = 0; k < 4; ++k) {
      int p = Neighbour(c, k);
      if (groupmap[p] == from) {
        groupmap[p] = static_cast<uint16_t>(to);
        floodstack[top++] = p;
      }
    }
  }
}

int Agent::GetHash() const {
  int h = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      int ct = Cont(c);
      if (ct == kBlack || ct == kWhite) h ^= zobrist[ct][c];
    }
  }
  return h;
}

void Agent::UpdateOldPositions() { IntSetAdd(oldpositions, GetHash()); }

// True when the move would repeat an earlier position.
bool Agent::IsSuperKo(int x, int y, int colour) const {
  int code = PointCode(x, y);
  int h = GetHash() ^ zobrist[colour][code];
  int seen[4];
  for (int k = 0; k < 4; ++k) {
    int m = groupmap[Neighbour(code, k)];
    seen[k] = m;
    bool repeated = false;
    for (int j = 0; j < k; ++j) repeated = repeated || seen[j] == m;
    if (repeated) continue;
    const Group& g = groups[m];
    if (g.content == 5 - colour && g.liberties == 1)
      IntSetForEach(g.stoneset, [&](int s) { h ^= zobrist[5 - colour][s]; });
  }
  return IntSetContains(oldpositions, h);
}

}  // namespace nebra
