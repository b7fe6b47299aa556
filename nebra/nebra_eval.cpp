// Point evaluation: neighbourhood class, local shape, liberty cost and worth.
#include <algorithm>

#include "nebra_engine.h"

namespace nebra {

namespace {

// The 8 neighbours as a ring: even positions diagonals, odd ones orthogonals.
constexpr int kRingX[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
constexpr int kRingY[8] = {-1, -1, -1, 0, 1, 1, 1, 0};

int EdgeDistance(int c, int size) { return std::min(c + 1, size - c); }

enum ShapeState { kNone, kB, kW, kBGap, kWGap };

}  // namespace

// Neighbourhood class (bit 16: own stone near, bit 32: enemy stone near) and
// the local-shape score of the point for `colour`.
int HoodType(const Agent& a, int x, int y, int colour, int& score) {
  score = 0;
  // Occupied
  if (a.GetCont(x, y) != kEmpty) return 10;
  // Count the ring by content
  int ring[8];
  int D[4] = {0, 0, 0, 0}, O[4] = {0, 0, 0, 0};
  for (int k = 0; k < 8; ++k) {
    ring[k] = a.GetCont(x + kRingX[k], y + kRingY[k]);
    if (k % 2 == 0) ++D[ring[k]];
    else ++O[ring[k]];
  }
  int own = colour, enemy = 5 - colour;
  int dx = EdgeDistance(x, a.size), dy = EdgeDistance(y, a.size);
  int nearer = std::min(dx, dy), farther = std::max(dx, dy);
  int stones = D[kBlack] + D[kWhite] + O[kBlack] + O[kWhite];
  // Class
  int cls;
  auto near34 = [](int d) { return d == 3 || d == 4; };
  if (O[own] + O[kOffBoard] == 4 && D[own] + O[kOffBoard] > 2) {
    cls = 1;
  } else if (O[enemy] + O[kOffBoard] == 4 && D[enemy] + O[kOffBoard] > 2) {
    cls = 2;
  } else if (stones == 0) {
    if (nearer == 1) cls = 6;
    else if (near34(nearer) && near34(farther)) cls = 3;
    else if (near34(nearer)) cls = 4;
    else cls = 5;
  } else if (O[kEmpty] == 4 && D[kEmpty] == 3 && dx == 3 && dy == 3) {
    cls = 7;
  } else if (O[own] + O[kOffBoard] > 2 && D[enemy] + 2 * O[enemy] + (D[kOffBoard] > 0 ? 1 : 0) < 2) {
    cls = 8;
  } else if (O[enemy] + O[kOffBoard] > 2 && D[own] + 2 * O[own] + (D[kOffBoard] > 0 ? 1 : 0) < 2) {
    cls = 9;
  } else {
    cls = 0;
  }
  // Local shape: walk the ring once, carrying the state round
  int s = 0;
  ShapeState st = kNone;
  if (ring[7] == kBlack) st = kB;
  else if (ring[7] == kWhite) st = kW;
  else if (ring[7] == kEmpty) st = ring[6] == kBlack ? kBGap : ring[6] == kWhite ? kWGap : kNone;
  for (int k = 0; k < 8; ++k) {
    bool orth = k % 2 == 1;
    switch (ring[k]) {
      case kEmpty:
        st = st == kB ? kBGap : st == kW ? kWGap : kNone;
        break;
      case kBlack:
        if (st == kB) s -= 20;
        else if (st == kW) s += 40;
        else if (st == kWGap) s += 30;
        else if (st == kBGap) s += orth ? -13 : -5;
        st = kB;
        break;
      case kWhite:
        if (st == kW) s -= 20;
        else if (st == kB) s += 40;
        else if (st == kBGap) s += 30;
        else if (st == kWGap) s += orth ? -13 : -5;
        st = kW;
        break;
      default:
        st = kNone;
        break;
    }
  }
  // Corrections, the first that matches
  if (O[kEmpty] == 4 && s == 0 && (D[kBlack] == 2 || D[kWhite] == 2)) {
    s = 30;
  } else if (s == 80 && O[kOffBoard] + O[kEmpty] == 3 && O[kOffBoard] + D[kEmpty] == 2) {
    s = 120;
  } else if (s == 80 && nearer == 2 && O[kEmpty] == 2 && D[kEmpty] == 3) {
    cls = 12;
  } else if (s > 30 && O[kEmpty] == 3 && D[kEmpty] == 2 &&
             ((O[kBlack] == 0 && D[kWhite] == 0) || (O[kWhite] == 0 && D[kBlack] == 0))) {
    s += 30;
  }
  // Crowded orthogonals
  if (O[own] > 1) s += 16 - 16 * O[own];
  if (O[enemy] > 1) s += 16 - 16 * O[enemy];
  // Stones near
  if (D[own] + O[own] > 0) cls |= 16;
  if (D[enemy] + O[enemy] > 0) cls |= 32;
  score = s;
  return cls;
}

// Cost of a chain's liberty state: large for chains short of liberties.
float LibertiesToCost(bool enemy, int liberties, int stones) {
  if (liberties > 3) return 0.0f;
  if (enemy && liberties == 0) return -1.4f * static_cast<float>(stones + 1);
  float c = static_cast<float>(stones + 1);
  if (enemy) c *= -0.7f;
  for (int k = 0; k < liberties; ++k) c *= 0.5f;
  return c;
}

// Effects of playing there: liberty-cost gain, liberties and stones of the
// chain formed, fewest liberties left to an enemy chain (9999 none).
void Agent::WhatIfHere(int x, int y, int colour, float& gain, int& liberties, int& stones,
                       int& enemyliberties) const {
  int code = PointCode(x, y);
  // Distinct own and enemy chains around, empty neighbours (a side across the
  // edge stands for the point itself, which is empty)
  int ownc[4], enc[4];
  int nown = 0, nenemy = 0, e = 0;
  for (int k = 0; k < 4; ++k) {
    int p = Neighbour(code, k);
    int m = groupmap[p];
    int ct = groups[m].content;
    if (m == 0) {
      ++e;
    } else if (ct == colour) {
      if (std::find(ownc, ownc + nown, m) == ownc + nown) ownc[nown++] = m;
    } else if (ct == 5 - colour) {
      if (std::find(enc, enc + nenemy, m) == enc + nenemy) enc[nenemy++] = m;
    }
  }
  // Enemy chains lose a liberty; captured ones free their neighbours
  gain = 0.0f;
  enemyliberties = 9999;
  for (int k = 0; k < nenemy; ++k) {
    const Group& g = groups[enc[k]];
    int L = g.liberties, S = g.stones;
    gain += LibertiesToCost(true, L, S) - LibertiesToCost(true, L - 1, S);
    enemyliberties = std::min(enemyliberties, L - 1);
    if (L == 1) {
      e += S;
      IntSetForEach(g.enemyset, [&](int o) {
        const Group& og = groups[o];
        if (std::find(ownc, ownc + nown, o) != ownc + nown || og.safe) return;
        gain += LibertiesToCost(false, og.liberties, og.stones) -
                LibertiesToCost(false, og.liberties + S, og.stones);
      });
    }
  }
  // Own chains join the stone
  stones = 1;
  bool safe = false;
  for (int k = 0; k < nown; ++k) {
    const Group& g = groups[ownc[k]];
    if (g.safe) {
      safe = true;
      continue;
    }
    gain += LibertiesToCost(false, g.liberties, g.stones);
    stones += g.stones;
    e += g.liberties - 1;
  }
  // Liberties of the new chain, exact when few
  liberties = e;
  if (!safe && liberties <= 4) {
    liberties = LibertiesIfHereMoreAccurate(code, colour);
    gain -= LibertiesToCost(false, liberties, stones);
  }
}

// Exact liberty count of the chain a move at `code` would form.
int Agent::LibertiesIfHereMoreAccurate(int code, int colour) const {
  IntSetRef libs = kSetNull;
  for (int k = 0; k < 4; ++k) {
    int p = Neighbour(code, k);
    if (p == code) continue;
    int m = groupmap[p];
    const Group& g = groups[m];
    if (m == 0) IntSetAdd(libs, p);
    else if (g.content == colour) IntSetUnion(libs, g.libertyset);
    else if (g.content == 5 - colour && g.liberties == 1) IntSetUnion(libs, g.stoneset);
  }
  IntSetRemove(libs, code);
  int n = IntSetCount(libs);
  IntSetDelete(libs);
  return n;
}

// Recomputes the move type, class and worth of one point for `colour`.
void Agent::UpdateWorth1(int colour, int x, int y) {
  int code = PointCode(x, y);
  // Move type, unless settled or vetoed
  if (movetype[code] != 3 && movetype[code] != 5) movetype[code] = static_cast<uint8_t>(MoveType(x, y, colour));
  // Points that cannot be chosen
  int mt = movetype[code];
  if (mt >= 3) {
    hood[code] = mt == 6 || mt == 5 ? 11 : 10;
    worth[code] = kForbidden;
    return;
  }
  // Shape, class bonus and liberty balance
  int s;
  int h = HoodType(*this, x, y, colour, s);
  hood[code] = static_cast<uint8_t>(h);
  int cls = h & 15;
  if (cls == 1 || cls == 8) {
    worth[code] = kForbidden;
    return;
  }
  float w = 0.025f * static_cast<float>(s);
  if (cls == 4) w += 1.0f;
  else if (cls == 5) w += 0.4f;
  else if (cls == 7) w += 0.7f;
  else if (cls == 3) w += 2.0f;
  float gain;
  int liberties, stones, enemyliberties;
  WhatIfHere(x, y, colour, gain, liberties, stones, enemyliberties);
  w += 1.7f * gain;
  // Vetoes: filling the enemy's near-eye, large self-atari
  if ((cls == 9 && enemyliberties > 2) || (liberties < 2 && stones > 3)) {
    worth[code] = kForbidden;
    return;
  }
  // Penalties for short liberties
  if (cls == 12 && enemyliberties < 9999) {
    if (enemyliberties == 2) w -= 0.5f;
    else if (enemyliberties > 2) w -= 1.0f;
  }
  if (liberties < 2) {
    w -= 0.5f;
    if (s > 0) w -= 0.02f * static_cast<float>(s);
  }
  int nearer = std::min(std::min(x + 1, size - x), std::min(y + 1, size - y));
  if (liberties == 2 && nearer == 1) {
    w -= 0.2f;
    if (s > 0) w -= 0.018f * static_cast<float>(s);
  }
  worth[code] = w;
}

// Opening-shape bonus: an empty-neighbourhood point flanked by own and enemy influence.
float Agent::BothPresent5X5(int code) const {
  int cls = hood[code] & 15;
  if (cls != 4 && cls != 5 && cls != 6) return 0.0f;
  static constexpr int kRing[8] = {-1, -33, -32, -31, 1, 33, 32, 31};
  for (int k = 0; k < 8; k += 2) {
    if (!(hood[code + kRing[k]] & 16)) continue;
    if ((hood[code + kRing[(k + 7) % 8]] & 32) || (hood[code + kRing[k + 1]] & 32)) return 0.7f;
  }
  return 0.0f;
}

// A point that would leave the new chain one liberty gives way to another
// liberty of a neighbouring own chain that gives more.
int Agent::PostProcessing(int code, int colour) {
  if (code == kPass || LibertiesIfHereMoreAccurate(code, colour) != 1) return code;
  int result = code;
  int seen[4];
  int nseen = 0;
  for (int k = 0; k < 4; ++k) {
    int p = Neighbour(code, k);
    int m = groupmap[p];
    if (p == code || groups[m].content != colour) continue;
    if (std::find(seen, seen + nseen, m) != seen + nseen) continue;
    seen[nseen++] = m;
    IntSetForEach(groups[m].libertyset, [&](int l) {
      if (l == code) return;
      float gain;
      int liberties, stones, enemyliberties;
      WhatIfHere(CodeX(l), CodeY(l), colour, gain, liberties, stones, enemyliberties);
      if (liberties > 1) result = l;
    });
  }
  return result;
}

}  // namespace nebra
