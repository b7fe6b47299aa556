// Move selection: the static choice, the fast choice of the playouts, and the
// playout search (built in, switched on by engine flag 2 only).
#include <algorithm>

#include "application.h"
#include "nebra_engine.h"

namespace nebra {

float randomness = 0.00025f;
float w1orw2 = 0.0f;
int lookahead_depth = 0;
float worth2[kCodes], weight2[kCodes];
int futmoves[kFutureMoves];
int futcount = 0;

namespace {

constexpr float kStart = -999999.875f;

bool OwnersHasBoth(int code) {
  static constexpr int kRing[8] = {-1, -33, -32, -31, 1, 33, 32, 31};
  bool b = false, w = false;
  for (int d : kRing) {
    b = b || owners[code + d] == kBlack;
    w = w || owners[code + d] == kWhite;
  }
  return b && w;
}

void Veto(Agent& a, int code) {
  a.movetype[code] = 5;
  a.worth[code] = kStart;
}

}  // namespace

// The noise of one candidate: at most about 0.51 at the usual scale.
float Noise() { return static_cast<float>(nebra_rand() & 2047) * randomness; }

// The engine's move for `colour`; `lastmove` is the last move's code (33 a pass).
int Agent::SelectPoint(int colour, int lastmove) {
  int m = datab.movecount;
  // Nobody plays inside an unconditionally settled area
  if ((flags & kFlagBenson) && m >= 0 && ((flags & kFlagStatic) || m % 5 == 0)) {
    Benson(kBlack, benson_b);
    Benson(kWhite, benson_w);
    benson_made = true;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        int c = PointCode(x, y);
        if (benson_b[c] > 33 || benson_w[c] > 33) {
          movetype[c] = 3;
          worth[c] = kForbidden;
        }
      }
    }
  }
  // Which choices run
  bool isstatic = ((flags & kFlagStatic) || lastmove == kPass) && m >= 0;
  bool opening = (flags & kFlagOpening) && m <= 30;
  // The playout search
  if ((flags & kFlagPlayouts) && isstatic && lastmove != kPass) {
    int budget = size > 18 ? 125 : size > 12 ? 250 : 500;
    for (int c = 0; c < kCodes; ++c) {
      weight2[c] = 1.0f;
      worth2[c] = 0.0f;
      vital[c] = 0;
    }
    double sum = 0.0, sumsq = 0.0;
    int candidate = 0;
    for (int u = 0; u < budget; ++u) {
      randomness = 1.0f / static_cast<float>(u + 800);
      if (4 * u > 3 * budget) candidate = BestPointWorth2(colour, static_cast<float>(u / 20));
      float score = ScoreMoveFuture(colour, candidate, komi);
      sum += score;
      sumsq += static_cast<double>(score) * score;
      float w = 1.0f;
      for (int k = 0; k < futcount; k += 2) {
        int mv = futmoves[k];
        if (mv == kPass) break;
        weight2[mv] += w;
        worth2[mv] += w * score;
        w *= 0.85f;
      }
    }
    double mean = sum / budget;
    double variance = sumsq / budget - mean * mean;
    int late = size * 4 - 9 < m;
    if (late && variance < 1.0 && !(flags & kFlagCleanup)) return kPass;
    candidate = BestPointWorth2(colour, static_cast<float>(budget / 20));
    for (int guard = 0; candidate != kPass && guard < kCodes; ++guard) {
      candidate = PostProcessing(candidate, colour);
      int cx = CodeX(candidate), cy = CodeY(candidate);
      if (IsSuperKo(cx, cy, colour)) {
        Veto(*this, candidate);
        candidate = BestPointWorth2(colour, static_cast<float>(budget / 20));
        continue;
      }
      float gain;
      int liberties, stones, enemyliberties;
      WhatIfHere(cx, cy, colour, gain, liberties, stones, enemyliberties);
      if (liberties == 2 && stones > 3 && LadderCaptures(candidate, colour)) {
        Veto(*this, candidate);
        candidate = BestPointWorth2(colour, static_cast<float>(budget / 20));
        continue;
      }
      break;
    }
    if (candidate != kPass) return candidate;
    if (late) flags &= ~kFlagPlayouts;
    isstatic = true;
  }
  // Scoring, neutral regions and vital points
  if (isstatic) {
    int b, w;
    ScoreGame(0, b, w);
    AllowPlayingInSurviversLastLiberty();
    CountNeutralSizes();
    if (m > 0) {
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          int c = PointCode(x, y);
          const Group& g = groups[groupmap[c]];
          if (vital[c] > 0 && groupmap[c] >= 2 && g.liberties == 1) vital[is[g.libertyset].value] += vital[c];
        }
      }
      for (int i = 0; i < size; ++i) {
        const int pts[4][2] = {{i, 0}, {0, i}, {i, size - 1}, {size - 1, i}};
        for (const auto& p : pts)
          if (vital[PointCode(p[0], p[1])] != 0) BorderVitalCheck(p[0], p[1]);
      }
    }
  }
  // The best point
  float best = kStart;
  int bestcode = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      if (hood[c] == 11) UpdateWorth1(colour, x, y);
      float w = worth[c];
      if (w < -999.0f) continue;
      if (isstatic) {
        int n = neutralsize[c];
        if (n == -3 && vital[c] == 0 && w < 2.5f) continue;
        w += 0.08f * static_cast<float>(n);
        if (OwnersHasBoth(c)) w += 0.5f;
        w += 0.3f * static_cast<float>(vital[c]);
      }
      if (opening) w += BothPresent5X5(c);
      w += Noise();
      if (w > best) {
        best = w;
        bestcode = c;
      }
    }
  }
  // Nothing worth playing: pass, or fill own area
  if (isstatic && bestcode == 0) {
    if (lastmove == kPass || owners[lastmove] == 5 - colour) return kPass;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        int c = PointCode(x, y);
        if (owners[c] != colour) continue;
        if (hood[c] == 11) UpdateWorth1(colour, x, y);
        float w = worth[c];
        if (w < -999.0f) continue;
        w += Noise();
        if (w > best) {
          best = w;
          bestcode = c;
        }
      }
    }
  }
  // Self-atari correction
  return bestcode != 0 ? PostProcessing(bestcode, colour) : kPass;
}

// The light choice inside playouts.
int Agent::SelectPointFast(int colour) {
  bool bonus = (flags & kFlagOpening) && lookahead_depth <= 30;
  float best = kStart;
  int bestcode = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      if (hood[c] == 11) UpdateWorth1(colour, x, y);
      float v = worth[c];
      if (v < -999.0f) continue;
      if (w1orw2 > 0.0f) v += w1orw2 * 0.1f * worth2[c] / weight2[c];
      if (bonus) v += BothPresent5X5(c);
      v += Noise();
      if (v > best) {
        best = v;
        bestcode = c;
      }
    }
  }
  return bestcode == 0 ? kPass : PostProcessing(bestcode, colour);
}

// The point with the best playout statistics; those tried often enough first.
int Agent::BestPointWorth2(int colour, float threshold) {
  float best = -99999999.9f;
  int bestcode = kPass;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int c = PointCode(x, y);
      if (hood[c] == 11) UpdateWorth1(colour, x, y);
      if (worth[c] <= -9999.9f) continue;
      float v = 0.005f * weight2[c] + worth2[c] / weight2[c];
      if (weight2[c] > threshold) v += 100.0f;
      if (v > best) {
        best = v;
        bestcode = c;
      }
    }
  }
  return bestcode;
}

namespace {

// Plays a code (or a pass) on an engine.
int PlaceCode(Agent& a, int code, int colour) {
  if (code == kPass) return a.PlaceStone(-1, -1, colour);
  return a.PlaceStone(CodeX(code), CodeY(code), colour);
}

}  // namespace

// One playout from the players' position after `move` (0 none) by `colour`;
// the result for `colour`, pushed 10 away from zero.
float ScoreMoveFuture(int colour, int move, float km) {
  if (!fagentb || !fagentw || !player[0].engine || !player[1].engine) return 0.0f;
  Agent& b = *fagentb;
  Agent& w = *fagentw;
  b.Copy(*player[0].engine);
  w.Copy(*player[1].engine);
  futcount = 0;
  int tomove = colour;
  if (move != 0) {
    PlaceCode(b, move, colour);
    PlaceCode(w, move, colour);
    futmoves[futcount++] = move;
    tomove = 5 - colour;
  }
  float weight = 1.0f;
  int passes = 0;
  while (futcount < kFutureMoves) {
    w1orw2 = weight;
    weight *= 0.9f;
    Agent& mover = tomove == kBlack ? b : w;
    int mv = mover.SelectPointFast(tomove);
    futmoves[futcount++] = mv;
    PlaceCode(b, mv, tomove);
    PlaceCode(w, mv, tomove);
    passes = mv == kPass ? passes + 1 : 0;
    if (passes >= 2) break;
    tomove = 5 - tomove;
  }
  int count[4] = {0, 0, 0, 0};
  for (int y = 0; y < b.size; ++y) {
    for (int x = 0; x < b.size; ++x) {
      int c = PointCode(x, y);
      int ct = b.Cont(c);
      if (ct == kEmpty) {
        bool seen[4] = {false, false, false, false};
        for (int k = 0; k < 4; ++k) {
          int p = b.Neighbour(c, k);
          if (p != c) seen[b.Cont(p)] = true;
        }
        if (seen[kBlack] && !seen[kWhite]) ct = kBlack;
        else if (seen[kWhite] && !seen[kBlack]) ct = kWhite;
      }
      ++count[ct];
    }
  }
  b.CleanUpAgent();
  w.CleanUpAgent();
  float result = static_cast<float>(count[kBlack] - count[kWhite]) - km;
  if (colour == kWhite) result = -result;
  return result > 0.0f ? result + 10.0f : result - 10.0f;
}

namespace {

int ChainAt(const Agent& a, int code) { return a.groupmap[code]; }

int LibsIfHere(const Agent& a, int code, int colour) {
  float gain;
  int liberties, stones, enemyliberties;
  a.WhatIfHere(CodeX(code), CodeY(code), colour, gain, liberties, stones, enemyliberties);
  return liberties;
}

// One ladder move of the defender; false when it escapes (not caught).
bool DefenderMoves(Agent& a, int stone, int def) {
  const Group& g = a.groups[ChainAt(a, stone)];
  int first = is[g.libertyset].value;
  int libs = LibsIfHere(a, first, def);
  if (libs > 2) return false;
  if (libs >= 2) {
    a.PlaceStone(CodeX(first), CodeY(first), def);
    return true;
  }
  int capture = 0;
  IntSetForEach(g.enemyset, [&](int e) {
    const Group& eg = a.groups[e];
    if (capture == 0 && eg.liberties == 1 && is[eg.libertyset].value != first) capture = is[eg.libertyset].value;
  });
  if (capture != 0) a.PlaceStone(CodeX(capture), CodeY(capture), def);
  else a.PlaceStone(-1, -1, def);
  return true;
}

}  // namespace

// Whether the chain formed by `colour` at `code` is caught in a ladder.
bool LadderCaptures(int code, int colour) {
  if (!fagentl || !player[0].engine) return false;
  Agent& a = *fagentl;
  a.Copy(*player[0].engine);
  bool caught = false;
  int def = colour, att = 5 - colour;
  if (legal(a.PlaceStone(CodeX(code), CodeY(code), def)) && ChainAt(a, code) >= 2) {
    bool defendersturn = a.groups[ChainAt(a, code)].liberties == 1;
    for (int moves = 0; moves < 99; ++moves) {
      int n = ChainAt(a, code);
      if (n < 2) {
        caught = true;
        break;
      }
      const Group& g = a.groups[n];
      if (defendersturn) {
        if (!DefenderMoves(a, code, def)) break;
      } else {
        if (g.liberties == 1) {
          caught = true;
          break;
        }
        int choice = 0;
        int bestscore = -1000000;
        bool urgent = false;
        IntSetForEach(g.libertyset, [&](int l) {
          if (urgent) return;
          int dl = LibsIfHere(a, l, def);
          if (dl > 3) {
            choice = l;
            urgent = true;
            return;
          }
          int al = LibsIfHere(a, l, att);
          if (al == 0 || !a.IsLegal(CodeX(l), CodeY(l), att)) return;
          int sc = al - 2 * dl - (al == 1 ? 3 : 0);
          if (sc > bestscore) {
            bestscore = sc;
            choice = l;
          }
        });
        if (choice == 0 || !legal(a.PlaceStone(CodeX(choice), CodeY(choice), att))) break;
      }
      defendersturn = !defendersturn;
    }
  }
  a.CleanUpAgent();
  return caught;
}

}  // namespace nebra
