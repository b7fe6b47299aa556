// Builds the position books from our own sources.
//
// 9x9: every position from the empty board up to a small depth, the moves
// taken among the points at least two lines from the edge (plus every first-
// and second-line first move, which the book marks to avoid), is scored after
// each move by fixed-seed random playouts with area scoring and komi. A
// result is the mover's win rate in points of percentage above 50: > 0
// recommends the move, < 0 avoids it. Each position's playouts are seeded
// from its key alone, so a shallower run gives the same results for the
// positions it shares with a deeper one.
//
// 19x19: the fuseki sources are replayed; after every move the canonical key
// and the moyo key of the mover go into the table of the stone counts (black
// * 100 + white), for the counts the book consults.
//
// Keys are those of the engine (item "CLES"); every table is sorted
// ascending as signed values and written little-endian, headerless.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/opening/livres.h"
#include "engine/territory/moyo.h"
#include "tools/genbibliotheques.h"

namespace genlivres {

struct Reglages {
  int profondeur = 3;                         // moves from the empty board
  int parties = 128;                          // playouts per position; 0: keys only, every result 0
  uint64_t graine = 0x4C69767265733939ull;    // mixed with each position's key
  double komi = 5.5;
};

// A table of the 9x9 book: (key, result) ascending by signed key.
using Table99 = std::vector<std::pair<int32_t, int32_t>>;
struct Livre99 {
  Table99 noir, blanc;  // positions after a black move, after a white move
};

// The 19x19 book: for each count n, its sorted canonical and moyo keys.
struct Livre1919 {
  std::map<int32_t, std::vector<int32_t>> cles, moyo;
  std::string erreur;
};

namespace detail {

constexpr int T = 9, N = T * T;

inline uint64_t melange(uint64_t& etat) {
  uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// A 9x9 board for playouts: 0 white, 1 black, 2 empty.
struct Plateau9 {
  uint8_t v[N];
  int voisins[N][4];
  int nbvoisins[N];

  Plateau9() {
    for (int i = 0; i < N; ++i) {
      v[i] = VIDE;
      nbvoisins[i] = 0;
      const int l = i / T, c = i % T;
      if (l > 0) voisins[i][nbvoisins[i]++] = i - T;
      if (l < T - 1) voisins[i][nbvoisins[i]++] = i + T;
      if (c > 0) voisins[i][nbvoisins[i]++] = i - 1;
      if (c < T - 1) voisins[i][nbvoisins[i]++] = i + 1;
    }
  }
  // Stones of the chain through i into `pierres`; true when it has a liberty.
  bool chaine(int i, std::vector<int>& pierres) const {
    bool vu[N] = {};
    pierres.clear();
    pierres.push_back(i);
    vu[i] = true;
    bool libre = false;
    for (std::size_t k = 0; k < pierres.size(); ++k)
      for (int d = 0; d < nbvoisins[pierres[k]]; ++d) {
        const int j = voisins[pierres[k]][d];
        if (v[j] == VIDE) libre = true;
        if (v[j] != v[i] || vu[j]) continue;
        vu[j] = true;
        pierres.push_back(j);
      }
    return libre;
  }
  // Plays with captures; false (board unchanged) on a suicide or the ko point.
  bool joue(int i, uint8_t c, int& ko) {
    if (v[i] != VIDE || i == ko) return false;
    v[i] = c;
    std::vector<int> pierres;
    int prises = 0, prise = -1;
    for (int d = 0; d < nbvoisins[i]; ++d) {
      const int j = voisins[i][d];
      if (v[j] != 1 - c || chaine(j, pierres)) continue;
      for (int x : pierres) v[x] = VIDE;
      prises += static_cast<int>(pierres.size());
      prise = pierres[0];
    }
    if (!chaine(i, pierres)) {
      v[i] = VIDE;
      return false;
    }
    ko = (prises == 1 && pierres.size() == 1) ? prise : -1;
    return true;
  }
  // An empty point all of whose neighbours hold c, with few enemy diagonals.
  bool oeil(int i, uint8_t c) const {
    for (int d = 0; d < nbvoisins[i]; ++d)
      if (v[voisins[i][d]] != c) return false;
    const int l = i / T, col = i % T;
    int ennemis = 0, bords = 0;
    for (int dl = -1; dl <= 1; dl += 2)
      for (int dc = -1; dc <= 1; dc += 2) {
        const int l2 = l + dl, c2 = col + dc;
        if (l2 < 0 || c2 < 0 || l2 >= T || c2 >= T)
          ++bords;
        else if (v[l2 * T + c2] == 1 - c)
          ++ennemis;
      }
    return bords > 0 ? ennemis == 0 : ennemis < 2;
  }
  // Area score: black minus white.
  int score() const {
    int s = 0;
    for (int i = 0; i < N; ++i) {
      if (v[i] != VIDE) {
        s += v[i] == NOIR ? 1 : -1;
        continue;
      }
      bool noir = false, blanc = false;
      for (int d = 0; d < nbvoisins[i]; ++d) {
        noir |= v[voisins[i][d]] == NOIR;
        blanc |= v[voisins[i][d]] == BLANC;
      }
      if (noir != blanc) s += noir ? 1 : -1;
    }
    return s;
  }
};

// One random game from `p` with `trait` to move; true when black wins.
inline bool partie(Plateau9 p, uint8_t trait, double komi, uint64_t& etat) {
  int ko = -1, passes = 0;
  int vides[N];
  for (int coups = 0; coups < 3 * N && passes < 2; ++coups) {
    int n = 0;
    for (int i = 0; i < N; ++i)
      if (p.v[i] == VIDE && !p.oeil(i, trait)) vides[n++] = i;
    bool joue = false;
    while (n > 0 && !joue) {
      const int k = static_cast<int>(melange(etat) % static_cast<uint64_t>(n));
      joue = p.joue(vides[k], trait, ko);
      vides[k] = vides[--n];
    }
    passes = joue ? 0 : passes + 1;
    if (!joue) ko = -1;
    trait = static_cast<uint8_t>(1 - trait);
  }
  return p.score() - komi > 0;
}

inline TPlateau plateaumoteur9(const Plateau9& p) {
  TPlateau b = plateauvide();
  for (int i = 0; i < N; ++i) b[indexcase(i / T + 1, i % T + 1)] = p.v[i];
  return b;
}

// The mover's result after `coup`: win rate above 50, in points of percentage.
inline int32_t resultat(const Plateau9& p, uint8_t coup, int32_t cle, const Reglages& r) {
  if (r.parties <= 0) return 0;
  uint64_t etat = r.graine ^ (static_cast<uint64_t>(static_cast<uint32_t>(cle)) << 1) ^ coup;
  int gagnees = 0;
  for (int k = 0; k < r.parties; ++k)
    if (partie(p, static_cast<uint8_t>(1 - coup), r.komi, etat) == (coup == NOIR)) ++gagnees;
  return static_cast<int32_t>(std::lround(100.0 * gagnees / r.parties)) - 50;
}

inline bool sense(int i) {
  const int l = i / T, c = i % T;
  return l >= 2 && l <= T - 3 && c >= 2 && c <= T - 3;
}

struct Enumeration {
  const Reglages& r;
  std::map<int32_t, int32_t> noir, blanc;

  void visite(const Plateau9& p, uint8_t trait, int profondeur) {
    for (int i = 0; i < N; ++i) {
      const bool bas = profondeur == 1 && !sense(i);
      if (!sense(i) && !bas) continue;
      Plateau9 q = p;
      int ko = -1;
      if (!q.joue(i, trait, ko)) continue;
      const int32_t cle = calculeclesymetrie(plateaumoteur9(q));
      auto& table = trait == NOIR ? noir : blanc;
      const bool nouveau = table.find(cle) == table.end();
      if (nouveau) {
        const int32_t v = resultat(q, trait, cle, r);
        table[cle] = bas && r.parties > 0 ? std::min(v, -1) : v;
      }
      if (nouveau && !bas && profondeur < r.profondeur) visite(q, static_cast<uint8_t>(1 - trait), profondeur + 1);
    }
  }
};

// Runs `f` with the engine set to a board of size n (key tables loaded).
template <class F>
void surtaille(int32_t n, F&& f) {
  chargecles();
  const TConfig config = configmoteur;
  const TMarques t4 = territoire4;
  configmoteur.taille = n;
  construittables(n);
  f();
  configmoteur = config;
  territoire4 = t4;
  construittables(config.taille >= 9 && config.taille <= 19 ? config.taille : 19);
}

}  // namespace detail

inline Livre99 genere99(const Reglages& r) {
  Livre99 livre;
  detail::surtaille(9, [&] {
    detail::Enumeration e{r, {}, {}};
    e.visite(detail::Plateau9{}, NOIR, 1);
    livre.noir.assign(e.noir.begin(), e.noir.end());
    livre.blanc.assign(e.blanc.begin(), e.blanc.end());
  });
  return livre;
}

inline bool comptesconsultes(int32_t noirs, int32_t blancs) {
  return blancs >= 1 && blancs <= 6 && noirs >= 1 && noirs <= 14 && (noirs < 10 || blancs >= noirs - 8);
}

inline Livre1919 genere1919(const std::vector<genbibliotheques::Source>& sources) {
  Livre1919 livre;
  std::map<int32_t, std::set<int32_t>> cles, moyo;
  detail::surtaille(19, [&] {
    territoire4.fill(VIDE);
    const TMarques morts{};
    for (const auto& src : sources) {
      std::vector<genbibliotheques::Sequence> sequences;
      livre.erreur = genbibliotheques::developpe(src, false, sequences);
      if (!livre.erreur.empty()) return;
      for (const auto& seq : sequences) {
        TPlateau p{};
        TPlateau apres{};
        livre.erreur = genbibliotheques::rejoue(src, seq, p, [&](const TPlateau& avant, const auto& j, uint8_t c) {
          apres = avant;
          genbibliotheques::detail::joue(apres, j.l, j.c, c);
          int32_t noirs = 0, blancs = 0;
          for (uint8_t v : apres) {
            noirs += v == NOIR;
            blancs += v == BLANC;
          }
          if (!comptesconsultes(noirs, blancs)) return;
          const int32_t n = noirs * 100 + blancs;
          TMarques m{};
          calculemoyo(apres, m, morts);
          cles[n].insert(calculeclesymetrie(apres));
          moyo[n].insert(calculeclemoyo(apres, m, c));
        });
        if (!livre.erreur.empty()) return;
      }
    }
  });
  for (auto& [n, s] : cles) livre.cles[n].assign(s.begin(), s.end());
  for (auto& [n, s] : moyo) livre.moyo[n].assign(s.begin(), s.end());
  return livre;
}

// Little-endian bytes of a table.
inline std::string octets(const std::vector<int32_t>& t) {
  std::string s;
  for (int32_t v : t) {
    const auto u = static_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k) s.push_back(static_cast<char>((u >> (8 * k)) & 0xFF));
  }
  return s;
}

// The named items of both books.
inline std::map<std::string, std::string> items(const Livre99& l99, const Livre1919& l19) {
  std::map<std::string, std::string> out;
  auto colonne = [](const Table99& t, bool cle) {
    std::vector<int32_t> v;
    for (auto [k, r] : t) v.push_back(cle ? k : r);
    return octets(v);
  };
  out["BASE99NOIRCLE"] = colonne(l99.noir, true);
  out["BASE99NOIRRESULT"] = colonne(l99.noir, false);
  out["BASE99BLANCCLE"] = colonne(l99.blanc, true);
  out["BASE99BLANCRESULT"] = colonne(l99.blanc, false);
  for (const auto& [n, t] : l19.cles) out[std::to_string(n) + "BASE1919CLE"] = octets(t);
  for (const auto& [n, t] : l19.moyo) out[std::to_string(n) + "BASE1919CLEMOYO"] = octets(t);
  return out;
}

}  // namespace genlivres
