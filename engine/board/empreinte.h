// What the memos of pure routines share. Fingerprints of engine state: four
// lanes fed 32 bytes at a time (so that the multiplications overlap), mixed
// into two 64-bit hashes; a memo keeps the first and 32 bits of the second.
// And the reading counters and flags a call moves, which a memo replays.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/board/etat.h"

struct TEmpreinte {
  uint64_t v[4] = {0x243f6a8885a308d3ull, 0x13198a2e03707344ull, 0xa4093822299f31d0ull, 0x082efa98ec4e6c89ull};
  uint64_t longueur = 0;
  uint64_t h1 = 0, h2 = 0;  // set by termine()

  // The bytes of [donnees, donnees + taille), with their length.
  void ajoute(const void* donnees, size_t taille) {
    const auto* o = static_cast<const unsigned char*>(donnees);
    size_t k = 0;
    for (; k + 32 <= taille; k += 32) {
      uint64_t w[4];
      std::memcpy(w, o + k, 32);
      for (int32_t l = 0; l < 4; ++l) v[l] = tour(v[l], w[l]);
    }
    for (int32_t l = 0; k < taille; k += 8, ++l) {
      uint64_t w = 0;
      std::memcpy(&w, o + k, taille - k < 8 ? taille - k : 8);
      v[l] = tour(v[l], w);
    }
    longueur = longueur * 0x100000001b3ull + taille;
    v[0] = tour(v[0], longueur);
  }
  template <class T>
  void ajoute(const T& x) {
    ajoute(&x, sizeof x);
  }

  // Both hashes; call once, after the last ajoute.
  void termine() {
    h1 = melange(v[0] ^ rotation(v[1], 17) ^ rotation(v[2], 31) ^ rotation(v[3], 47));
    h2 = melange((v[0] + 0x9e3779b97f4a7c15ull) * (v[1] | 1) + rotation(v[2], 13) * 0xc2b2ae3d27d4eb4full +
                 v[3] + h1);
  }

  static uint64_t rotation(uint64_t x, int32_t r) { return (x << r) | (x >> (64 - r)); }
  static uint64_t tour(uint64_t lane, uint64_t w) { return rotation((lane ^ w) * 0x9e3779b97f4a7c15ull, 31); }
  static uint64_t melange(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    return h;
  }
};

// Empties a memo of generation-stamped entries: the next generation, the
// stamps cleared when the count wraps.
template <class E, size_t N>
void vidememo(E (&entrees)[N], uint32_t& generation) {
  if (++generation == 0) {
    for (E& e : entrees) e.generation = 0;
    generation = 1;
  }
}

// A memo of generation-stamped entries holds no answer of its generation.
template <class E, size_t N>
bool memovide(const E (&entrees)[N], uint32_t generation) {
  return std::none_of(entrees, entrees + N, [&](const E& e) { return e.generation == generation; });
}

// The two ways of a key in a memo of generation-stamped entries (cle1, cle2,
// generation; a power-of-two count): the key's own slot and its pair, the
// newest answer in the first. `generation` is the memo's current one.
template <class E>
class TDeuxVoies {
 public:
  template <size_t N>
  TDeuxVoies(E (&entrees)[N], const TEmpreinte& h, const uint32_t& generation)
      : cle1_(h.h1), cle2_(static_cast<uint32_t>(h.h2)), generation_(generation) {
    static_assert(N >= 2 && (N & (N - 1)) == 0, "two ways in a power-of-two memo");
    const uint32_t index = static_cast<uint32_t>(h.h1) & (N - 1);
    voies_[0] = &entrees[index & ~1u];
    voies_[1] = &entrees[index | 1u];
  }
  // The key's answer of this generation that `valide` accepts too, or null.
  template <class F>
  const E* cherche(F&& valide) const {
    for (const E* x : voies_)
      if (x->generation == generation_ && x->cle1 == cle1_ && x->cle2 == cle2_ && valide(*x)) return x;
    return nullptr;
  }
  const E* cherche() const {
    return cherche([](const E&) { return true; });
  }
  // The first way, for a new answer: the answer it held moves to the second,
  // and it holds none until `signe`.
  E& libere() {
    if (voies_[0]->generation == generation_) *voies_[1] = *voies_[0];
    voies_[0]->generation = 0;
    return *voies_[0];
  }
  // The first way's answer is the key's.
  void signe() {
    voies_[0]->cle1 = cle1_;
    voies_[0]->cle2 = cle2_;
    voies_[0]->generation = generation_;
  }

 private:
  E* voies_[2];
  uint64_t cle1_;
  uint32_t cle2_;
  const uint32_t& generation_;
};

// What the readings of a call add to the counters and flags: measured around
// the call, replayed when the call is answered from a memo.
struct TEffetsLecture {
  int32_t noeuds = 0, noeudslecture = 0, noeudsprise = 0;
  int32_t escalier = -1;     // noeudsescalier after the call; -1 untouched
  int32_t plimax = 0;        // deepest capture-reading ply reached in the call
  uint8_t depassements = 0;  // bits: capture, propagation, connection budget passed in the call; 8 flagrelie set by it

  void rejoue() const {
    compteurnoeuds += noeuds;
    compteurnoeudslecture += noeudslecture;
    compteurnoeudsprise += noeudsprise;
    if (escalier >= 0) noeudsescalier = escalier;
    profmaxrecu = std::max(profmaxrecu, plimax);
    if (depassements & 1) depassementprise = 1;
    if (depassements & 2) depassementpropagation = 1;
    if (depassements & 4) depassementliaison = 1;
    if (depassements & 8) flagrelie = 1;
  }
};

// Measures the effects of a call between its construction and fin(); the
// flags and maxima of before the call are put back over its own.
class TMesureLecture {
 public:
  TMesureLecture()
      : noeuds_(compteurnoeuds), lecture_(compteurnoeudslecture), prise_(compteurnoeudsprise), plimax_(profmaxrecu),
        escalier_(noeudsescalier), prises_(depassementprise), propagation_(depassementpropagation),
        liaison_(depassementliaison), relie_(flagrelie) {
    profmaxrecu = 0;
    noeudsescalier = -1;
    depassementprise = depassementpropagation = depassementliaison = 0;
  }
  TEffetsLecture fin() {
    TEffetsLecture e;
    e.noeuds = compteurnoeuds - noeuds_;
    e.noeudslecture = compteurnoeudslecture - lecture_;
    e.noeudsprise = compteurnoeudsprise - prise_;
    e.escalier = noeudsescalier;
    e.plimax = profmaxrecu;
    e.depassements = static_cast<uint8_t>((depassementprise ? 1 : 0) | (depassementpropagation ? 2 : 0) |
                                          (depassementliaison ? 4 : 0) | (flagrelie && !relie_ ? 8 : 0));
    profmaxrecu = std::max(plimax_, e.plimax);
    if (noeudsescalier < 0) noeudsescalier = escalier_;
    depassementprise |= prises_;
    depassementpropagation |= propagation_;
    depassementliaison |= liaison_;
    return e;
  }

 private:
  int32_t noeuds_, lecture_, prise_, plimax_, escalier_;
  uint8_t prises_, propagation_, liaison_, relie_;
};

// The dead marks a memoized call changed, kept as point + 512 * new value,
// at most N of them.
template <int32_t N>
struct TChangementsMorts {
  static_assert(NBCASES <= 512, "a changed mark keeps its point in 9 bits");
  int32_t nombre = 0;
  uint16_t points[N] = {};

  // The marks of `apres` that differ from `avant`; false when they do not
  // fit (more than N, or a value above 127).
  bool note(const TMarques& avant, const TMarques& apres) {
    nombre = 0;
    for (int32_t j = 0; j < NBCASES; ++j)
      if (apres[j] != avant[j]) {
        if (nombre == N || apres[j] > 127) return false;
        points[nombre++] = static_cast<uint16_t>(j + 512 * apres[j]);
      }
    return true;
  }
  void rejoue(TMarques& marques) const {
    for (int32_t k = 0; k < nombre; ++k) marques[points[k] & 511] = static_cast<uint8_t>(points[k] >> 9);
  }
};
