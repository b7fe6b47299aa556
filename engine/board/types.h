// Types shared by the front end and every engine unit.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// ---- Board ---------------------------------------------------------------
// 19x19 bytes, row-major with a stride of 19 whatever the board size.
// Points are 1-based (row, column); there is no border.
constexpr int TAILLEMAX = 19;
constexpr int NBCASES = TAILLEMAX * TAILLEMAX;
constexpr uint8_t BLANC = 0;  // white stone
constexpr uint8_t NOIR = 1;   // black stone
constexpr uint8_t VIDE = 2;   // empty point
using TPlateau = std::array<uint8_t, NBCASES>;

// Index of (row, column), both 1..19, into a board or a map.
constexpr int indexcase(int ligne, int colonne) { return (ligne - 1) * TAILLEMAX + (colonne - 1); }

// A board with every point empty.
inline TPlateau plateauvide() {
  TPlateau p;
  p.fill(VIDE);
  return p;
}

// ---- Point list ----------------------------------------------------------
// [0] = count, [1] unused, point k (from 1) at [2k] (row) and [2k+1] (column).
// The owner fixes the capacity (at most MAXPOINTSLISTE points).
constexpr int MAXPOINTSLISTE = NBCASES;
using TListePoints = std::array<int32_t, 2 * MAXPOINTSLISTE + 2>;

// ---- Game settings record ------------------------------------------------
// A decoded picture (a player's photograph in a game file): rows top down,
// `composantes` bytes per pixel.
struct TImage {
  int32_t largeur = 0;
  int32_t hauteur = 0;
  int32_t composantes = 0;
  std::vector<uint8_t> pixels;
};

// Fields not named here are never read or written and stay empty.
struct TConfig {
  int32_t taille = 0;           // board size: 9, 11, 13, 15, 17 or 19
  uint8_t modetemps = 0;        // 0 no limit, 2 byo-yomi (Canadian), 3 absolute
  int32_t tempsbyoyomi = 0;     // byo-yomi period, seconds
  int32_t pierresbyoyomi = 0;   // stones to play in one period
  int32_t tempsprincipal = 0;   // main time in absolute mode, seconds
  int32_t handicap = 0;         // number of handicap stones
  int32_t niveauconfig = 0;     // requested level 1..10
  std::string libres1[2];
  uint8_t regle = 0;            // 0 Japanese, 1 GOE, 2 Chinese, 3..5 others, 6 AGA
  double komi = 0.0;
  std::string infopartie[16];   // game information; see nomnoir() / nomblanc()
  std::string libres2[4];
  int32_t regleko = 0;          // 2 positional superko, 3 situational, < 2 simple ko
  std::string libre3;
  // Filled by the game-record readers only.
  int32_t limitepasses = 0;     // a loaded line is cut after this many passes in a row; <= 0 never
  std::shared_ptr<const TImage> photonoir;   // black player's photograph, or none
  std::shared_ptr<const TImage> photoblanc;  // white player's photograph, or none
  std::shared_ptr<const TImage> iconepub;    // advertising icon, or none
  std::string pagepub;          // name of the advertising page

  std::string& nomnoir() { return infopartie[1]; }
  std::string& nomblanc() { return infopartie[10]; }
};

// ---- Game move list ------------------------------------------------------
// Record 0 is the header: its `ligne` holds the move count. Records 1..count
// are the moves in order, handicap stones included; a pass has ligne 0.
constexpr int MAXCOUPSPARTIE = 1000;
struct TCoupPartie {
  uint8_t couleur = 0;
  int32_t ligne = 0;
  int32_t colonne = 0;
};
using TListeCoups = std::array<TCoupPartie, MAXCOUPSPARTIE + 1>;

// ---- Maps ----------------------------------------------------------------
using TCarte = std::array<int32_t, NBCASES>;   // score, value or status map
using TMarques = std::array<uint8_t, NBCASES>; // byte flags per point
// Clearing and copying a byte map with 16-byte stores: the string
// instructions the compiler otherwise picks for this size start slowly, and
// the readings clear maps at every node.
inline void zeromarques(TMarques& m) {
#if defined(__SSE2__)
  const __m128i z = _mm_setzero_si128();
  uint8_t* d = m.data();
#pragma GCC unroll 22
  for (int k = 0; k < 352; k += 16) _mm_storeu_si128(reinterpret_cast<__m128i*>(d + k), z);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(d + NBCASES - 16), z);
#else
  m.fill(0);
#endif
}
inline void copiemarques(TMarques& vers, const TMarques& de) {
#if defined(__SSE2__)
  const uint8_t* s = de.data();
  uint8_t* d = vers.data();
#pragma GCC unroll 22
  for (int k = 0; k < 352; k += 16)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + k), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + k)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(d + NBCASES - 16),
                   _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + NBCASES - 16)));
#else
  vers = de;
#endif
}

// One byte map per point of the 19x19 grid: [row-1][col-1] is the map of a
// trial move there (the dead marks after it, for instance).
using TCartesParPoint = std::array<std::array<TMarques, TAILLEMAX>, TAILLEMAX>;

// ---- Point-list access -----------------------------------------------------
// The one checked append: adds (row, column) at the end unless the list
// already holds `capacite` points (or its storage is full). False when full.
inline bool empilepoint(TListePoints& l, int32_t capacite, int32_t ligne, int32_t colonne) {
  const int32_t cap = capacite < MAXPOINTSLISTE ? capacite : MAXPOINTSLISTE;
  const int32_t n = l[0];
  if (n < 0 || n >= cap) return false;
  l[2 * n + 2] = ligne;
  l[2 * n + 3] = colonne;
  l[0] = n + 1;
  return true;
}
inline int32_t nbpoints(const TListePoints& l) { return l[0]; }
inline int32_t ligneliste(const TListePoints& l, int32_t k) { return l[2 * k]; }
inline int32_t colonneliste(const TListePoints& l, int32_t k) { return l[2 * k + 1]; }
