// The step rule shared by every directional walk: the four neighbours in the
// order row+1, row-1, column+1, column-1, each only on the board and never
// straight back the way the walk came. The arrival direction passed on is
// 1 by row+1, 3 by row-1, 2 by column+1, 4 by column-1 (0 at the start).
// Also the neighbour orders of the walks and predicates, and the visiting
// rules the walks are written with.
#pragma once
#include <cstdint>
#include <type_traits>

#include "engine/board/etat.h"

// Calls f(row, col, direction) for each neighbour the walk may take;
// stops early when f returns true. Returns true when stopped.
template <class F>
inline bool pasvoisins(int32_t r, int32_t c, int32_t d, F&& f) {
  const int32_t n = configmoteur.taille;
  if (d != 3 && r < n && f(r + 1, c, 1)) return true;
  if (d != 1 && r > 1 && f(r - 1, c, 3)) return true;
  if (d != 4 && c < n && f(r, c + 1, 2)) return true;
  if (d != 2 && c > 1 && f(r, c - 1, 4)) return true;
  return false;
}

// ---- Neighbour orders -----------------------------------------------------
// Offsets (row, column). The walks: +row, -row, +col, -col.
inline constexpr int32_t ORDREMARCHE[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
// The predicates: +row, +col, -row, -col.
inline constexpr int32_t ORDREPREDICATS[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
// Floods that ask whether a chain has a liberty test a stone's neighbours
// in this order: +row, -col, -row, +col.
inline constexpr int32_t ORDRELIBERTE[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
// Columns first: +col, -col, +row, -row (walks along a side column).
inline constexpr int32_t ORDRECOLONNES[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
// The diagonals: (+1,+1), (+1,-1), (-1,+1), (-1,-1).
inline constexpr int32_t ORDREDIAGONAL[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

// The four points at the given offsets that lie on a board of side n, in
// order; stops early when f(row, col) returns true. Returns true when stopped.
template <class F>
inline bool pas4(int32_t n, int32_t r, int32_t c, const int32_t (&ordre)[4][2], F&& f) {
  for (const auto& o : ordre) {
    const int32_t r2 = r + o[0], c2 = c + o[1];
    if (r2 >= 1 && r2 <= n && c2 >= 1 && c2 <= n && f(r2, c2)) return true;
  }
  return false;
}
// The same on the engine's board.
template <class F>
inline bool pas4(int32_t r, int32_t c, const int32_t (&ordre)[4][2], F&& f) {
  return pas4(configmoteur.taille, r, c, ordre, f);
}

// The table neighbours of a point, in tablevoisins order.
template <class F>
inline bool pastable(int32_t r, int32_t c, F&& f) {
  const TVoisins& v = tablevoisins[indexcase(r, c)];
  for (int32_t k = 0; k < v.nbvoisins; ++k)
    if (f(v.voisins[k][0], v.voisins[k][1])) return true;
  return false;
}

// The eight surrounding points on the board, in the collectors' order:
// (r+1,c), (r+1,c+1), (r+1,c-1), (r,c+1), (r-1,c), (r-1,c+1), (r-1,c-1), (r,c-1).
template <class F>
inline bool pas8(int32_t r, int32_t c, F&& f) {
  static constexpr int32_t ordre[8][2] = {{1, 0}, {1, 1}, {1, -1}, {0, 1}, {-1, 0}, {-1, 1}, {-1, -1}, {0, -1}};
  const int32_t n = configmoteur.taille;
  for (const auto& o : ordre) {
    const int32_t r2 = r + o[0], c2 = c + o[1];
    if (r2 >= 1 && r2 <= n && c2 >= 1 && c2 <= n && f(r2, c2)) return true;
  }
  return false;
}

inline bool surplateaumoteur(int32_t r, int32_t c) {
  const int32_t n = configmoteur.taille;
  return r >= 1 && r <= n && c >= 1 && c <= n;
}

// A visited array by generation stamps: a point is marked in the current
// generation when its stamp equals it, so a new walk starts without clearing.
struct TEstampes {
  uint32_t marque[NBCASES] = {};
  uint32_t generation = 0;

  uint32_t nouvelle() {
    if (++generation == 0) {
      for (uint32_t& m : marque) m = 0;
      generation = 1;
    }
    return generation;
  }
  void marque1(int32_t i) { marque[i] = generation; }
  bool vu(int32_t i) const { return marque[i] == generation; }
};

// ---- Visiting rules -------------------------------------------------------
// A walk is the step rule above plus a rule that says, at each point, what is
// done on entering it and what becomes of each neighbour. A rule is an
// aggregate of hooks, each optional, written with designated initializers:
//   marchechaine(p, vu, x, dir, r, c, RegleChaine{.vide = ajoute(vu, l, cap)});
// Hooks of the same rule share its state by capturing the caller's variables.

// What becomes of a neighbour: left alone, crossed (the walk goes on from it
// and comes back), or left alone with the rest of the current point's
// neighbours (the points walked before go on).
enum class Pas : uint8_t { saute, suit, arrete };

// A neighbour as the hooks see it: the index of the point the walk stands
// on, the neighbour's index, row and column, and the arrival direction a
// step into it passes on.
struct Etape {
  int32_t depuis;
  int32_t j;
  int32_t r;
  int32_t c;
  int32_t dir;
};

// The hook left out: does nothing, and for a neighbour means Pas::saute.
struct Rien {
  template <class... A>
  constexpr void operator()(A&&...) const {}
};
// The end test left out: the walk ends when it has nowhere left to go.
struct Jamais {
  constexpr bool operator()() const { return false; }
};

// Hooks of marche and marchezone:
//   entre(i, r, c)  on entering a point (before marchezone marks it);
//   voisin(etape)   for each neighbour the step rule offers (marchezone:
//                   only those not visited): returns the Pas;
//   fini()          asked before each neighbour and after each one handed
//                   to the rule; true ends the whole walk at once.
template <class E = Rien, class V = Rien, class F = Jamais>
struct Regle {
  E entre{};
  V voisin{};
  F fini{};
};

// Hooks of marchechaine, for a walk that crosses the chain of content x:
//   entre(i, r, c)  on entering a stone (before it is marked visited);
//   avant(etape)    on every neighbour, visited or not, first of all (the
//                   end test is asked again just after it);
//   meme(etape)     an unvisited neighbour holding x: its Pas (crossed when left out);
//   vide(etape)     an unvisited empty neighbour (x not empty);
//   autre(etape)    an unvisited neighbour of other content;
//   fini()          as for marche.
// vide and autre give a Pas or nothing (Pas::saute).
template <class E = Rien, class A = Rien, class M = Rien, class V = Rien, class O = Rien, class F = Jamais>
struct RegleChaine {
  E entre{};
  A avant{};
  M meme{};
  V vide{};
  O autre{};
  F fini{};
};

namespace pasdetail {
template <class H>
inline constexpr bool rien = std::is_same_v<std::remove_cvref_t<H>, Rien>;

// The hook's Pas: `defaut` when it is left out, Pas::saute when it gives nothing.
// Always inline: it stands between each step and its hook.
template <class H>
__attribute__((always_inline)) inline Pas appelle(H& h, const Etape& e, Pas defaut) {
  if constexpr (rien<H>) {
    return defaut;
  } else if constexpr (std::is_void_v<decltype(h(e))>) {
    h(e);
    return Pas::saute;
  } else {
    return h(e);
  }
}

// The three cores. Each takes its step inline and keeps the board, the
// visited array and the rule in locals, as a hand-written walk would: the
// readings spend much of their time here.
#define PAS_ENLIGNE __attribute__((always_inline))

template <class R>
struct Marche {
  R& regle;
  void visite(int32_t dir, int32_t r, int32_t c) {
    R& h = regle;
    const int32_t i = indexcase(r, c);
    h.entre(i, r, c);
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) PAS_ENLIGNE {
      if (h.fini()) return true;
      const Pas s = appelle(h.voisin, Etape{i, indexcase(r2, c2), r2, c2, d2}, Pas::saute);
      if (s == Pas::arrete) return true;
      if (s == Pas::suit) visite(d2, r2, c2);
      return h.fini();
    });
  }
};

template <class R>
struct MarcheZone {
  TMarques& vu;
  R& regle;
  void visite(int32_t dir, int32_t r, int32_t c) {
    TMarques& v = vu;
    R& h = regle;
    const int32_t i = indexcase(r, c);
    h.entre(i, r, c);
    v[i] = 1;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) PAS_ENLIGNE {
      if (h.fini()) return true;
      const int32_t j = indexcase(r2, c2);
      if (v[j]) return false;
      const Pas s = appelle(h.voisin, Etape{i, j, r2, c2, d2}, Pas::saute);
      if (s == Pas::arrete) return true;
      if (s == Pas::suit) visite(d2, r2, c2);
      return h.fini();
    });
  }
};

template <class R>
struct MarcheChaine {
  const TPlateau& p;
  TMarques& vu;
  uint8_t x;
  R& regle;
  void visite(int32_t dir, int32_t r, int32_t c) {
    const TPlateau& q = p;
    TMarques& v = vu;
    const uint8_t y = x;
    R& h = regle;
    const int32_t i = indexcase(r, c);
    h.entre(i, r, c);
    v[i] = 1;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) PAS_ENLIGNE {
      if (h.fini()) return true;
      const Etape e{i, indexcase(r2, c2), r2, c2, d2};
      if constexpr (!rien<decltype(h.avant)>) {
        h.avant(e);
        if (h.fini()) return true;
      }
      if (v[e.j]) return false;
      Pas s;
      if (q[e.j] == y) s = appelle(h.meme, e, Pas::suit);
      else if (q[e.j] == VIDE) s = appelle(h.vide, e, Pas::saute);
      else s = appelle(h.autre, e, Pas::saute);
      if (s == Pas::arrete) return true;
      if (s == Pas::suit) visite(d2, r2, c2);
      return h.fini();
    });
  }
};
#undef PAS_ENLIGNE
}  // namespace pasdetail

// The generic directional walk: no visited array of its own, the rule's
// hooks decide everything.
template <class R>
inline void marche(int32_t dir, int32_t r, int32_t c, R&& regle) {
  pasdetail::Marche<std::remove_reference_t<R>>{regle}.visite(dir, r, c);
}

// The zone rule: each point entered is marked 1 in vu (after `entre`), and
// only unvisited neighbours are offered to the rule.
template <class R>
inline void marchezone(TMarques& vu, int32_t dir, int32_t r, int32_t c, R&& regle) {
  pasdetail::MarcheZone<std::remove_reference_t<R>>{vu, regle}.visite(dir, r, c);
}

// The chain rule: crosses the unvisited neighbours holding x (the content of
// the chain walked, usually that of the start point), marking each point it
// enters 1 in vu (after `entre`), and hands the other neighbours to the rule.
template <class R>
inline void marchechaine(const TPlateau& p, TMarques& vu, uint8_t x, int32_t dir, int32_t r, int32_t c, R&& regle) {
  pasdetail::MarcheChaine<std::remove_reference_t<R>>{p, vu, x, regle}.visite(dir, r, c);
}

// The usual collecting hook: marks the point in vu and appends it to the list.
// Kept inline in the walks (a call per point found costs more than its body).
inline auto ajoute(TMarques& vu, TListePoints& l, int32_t cap) {
  return [&vu, &l, cap](const Etape& e) __attribute__((always_inline)) {
    vu[e.j] = 1;
    empilepoint(l, cap, e.r, e.c);
  };
}
