// Position keys: the tables and the sorted-store searches.
#include "engine/board/cles.h"

#include <cstring>

#include "platform/platform.h"

namespace {

// Side key, then the white, black and marked-empty tables, little-endian.
constexpr std::size_t MOTSCLES = 1 + 3 * NBCASES;

bool litcles() {
  auto d = platform::donnee("CLES");
  if (d.size() != MOTSCLES * 4) return false;
  auto mot = [&](std::size_t k) {
    const uint8_t* b = d.data() + 4 * k;
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
           static_cast<uint32_t>(b[3]) << 24;
  };
  cletrait = mot(0);
  for (int i = 0; i < NBCASES; ++i) {
    zobristcouleur[0][i] = mot(1 + i);
    zobristcouleur[1][i] = mot(1 + NBCASES + i);
    zobristmoyo[i] = mot(1 + 2 * NBCASES + i);
  }
  return true;
}

[[maybe_unused]] const bool clesprete = chargecles();

// Shared search. `cleen(j)` is the signed key of entry j, `valeuren(j)` its
// value; the keys ascend, each once. Minus the value of the entry holding
// the key, else the position it goes to (one more than the number of keys
// below it). The halving picks its side with a conditional move, not a
// branch: these look-ups sit in every node of the readings.
template <class C, class V>
int32_t cherche(int32_t cherchee, int32_t n, C cleen, V valeuren) {
  if (n <= 0) return 1;
  int32_t base = 1, reste = n;
  while (reste > 1) {
    const int32_t moitie = reste / 2;
    base = cleen(base + moitie) < cherchee ? base + moitie : base;
    reste -= moitie;
  }
  const int32_t j = base + (cleen(base) < cherchee ? 1 : 0);
  if (j <= n && cleen(j) == cherchee) return -valeuren(j);
  return j;
}

}  // namespace

bool chargecles() {
  static const bool ok = litcles();
  return ok;
}

int32_t cherchecletransposition(uint32_t cle, int32_t table, int32_t nombre, const TEntreeCle* store) {
  // Entry j (from 1) is t[j - 1].
  const TEntreeCle* t = store + static_cast<std::ptrdiff_t>(table - PREMIERETABLE) * ENTREESPARTABLE;
  return cherche(static_cast<int32_t>(cle), nombre, [&](int32_t j) { return t[j - 1].cle; },
                 [&](int32_t j) { return t[j - 1].valeur; });
}

void inserecletransposition(uint32_t cle, int32_t valeur, int32_t position, int32_t table, int32_t& nombre,
                            TEntreeCle* store) {
  if (nombre >= ENTREESPARTABLE || position < 1 || position > nombre + 1) return;
  // Entry j (from 1) is t[j - 1].
  TEntreeCle* t = store + static_cast<std::ptrdiff_t>(table - PREMIERETABLE) * ENTREESPARTABLE;
  std::memmove(&t[position], &t[position - 1], static_cast<size_t>(nombre + 1 - position) * sizeof(TEntreeCle));
  t[position - 1] = {valeur, static_cast<int32_t>(cle)};
  ++nombre;
}

int32_t cherchecleparcible(const uint32_t& cle, const TCasierPrise (&store)[2][NBCASES], int32_t genre,
                           int32_t colonne, int32_t ligne) {
  const TCasierPrise& b = store[genre - 1][indexcase(ligne, colonne)];
  // A bucket holds at most 300 entries; a larger count never reads past it.
  constexpr int32_t maxentrees = MOTSCACHEPRISE / 2 - 1;
  const int32_t n = b[0] < maxentrees ? b[0] : maxentrees;
  return cherche(static_cast<int32_t>(cle), n, [&](int32_t j) { return b[2 * j + 1]; },
                 [&](int32_t j) { return b[2 * j]; });
}
