// Fingerprints of engine state for the memos of pure routines: two
// independent 64-bit hashes fed word by word, then mixed. A memo keeps the
// mixed first hash and 32 bits of the second (96 bits in all).
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

struct TEmpreinte {
  uint64_t h1 = 0x243f6a8885a308d3ull;
  uint64_t h2 = 0x13198a2e03707344ull;

  // The bytes of [donnees, donnees + taille), with their length.
  void ajoute(const void* donnees, size_t taille) {
    const auto* o = static_cast<const unsigned char*>(donnees);
    size_t k = 0;
    for (; k + 8 <= taille; k += 8) {
      uint64_t w;
      std::memcpy(&w, o + k, 8);
      h1 = (h1 ^ w) * 0x9e3779b97f4a7c15ull;
      h1 = (h1 << 31) | (h1 >> 33);
      h2 = (h2 + w) * 0xc2b2ae3d27d4eb4full;
      h2 ^= h2 >> 29;
    }
    uint64_t w = 0;
    if (k < taille) std::memcpy(&w, o + k, taille - k);
    h1 = (h1 ^ w ^ taille) * 0x9e3779b97f4a7c15ull;
    h2 = (h2 + w + taille) * 0xc2b2ae3d27d4eb4full;
  }
  template <class T>
  void ajoute(const T& x) {
    ajoute(&x, sizeof x);
  }

  // Both hashes mixed; call once, after the last ajoute.
  void termine() {
    h1 = melange(h1);
    h2 = melange(h2 ^ h1);
  }

  static uint64_t melange(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    return h;
  }
};
