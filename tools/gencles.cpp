// Generates the position-key tables (data item "CLES"): the side key, then the
// white, black and marked-empty tables of 361 values each, little-endian.
// The output is fixed by the seed below; the books are keyed by it, so the
// checked-in file must never be regenerated with other values.
//   gencles [output file]     (default data/CLES.bin)
#include <cstdint>
#include <cstdio>
#include <set>
#include <vector>

namespace {

constexpr int NBCASES = 361;
constexpr uint32_t CLETRAIT = 0xAA16B7ADu;
constexpr uint32_t BLANC11 = 0xC255DABAu;
constexpr uint32_t NOIR11 = 0xC66F6B9Bu;
constexpr uint32_t MOYO11 = 0x33E157EEu;

// splitmix64, fixed seed.
uint64_t etat = 0x4D6F6C76616E6521ull;
uint32_t suivant() {
  uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

}  // namespace

int main(int argc, char** argv) {
  const char* chemin = argc > 1 ? argv[1] : "data/CLES.bin";
  std::vector<uint32_t> mots(1 + 3 * NBCASES);
  std::set<uint32_t> pris = {BLANC11, NOIR11, MOYO11};
  mots[0] = CLETRAIT;
  for (int t = 0; t < 3; ++t) {
    for (int i = 0; i < NBCASES; ++i) {
      uint32_t v;
      if (i == 0) {
        v = t == 0 ? BLANC11 : (t == 1 ? NOIR11 : MOYO11);
      } else {
        // Non-zero and distinct from every table value so far.
        do v = suivant();
        while (v == 0 || pris.count(v));
        pris.insert(v);
      }
      mots[1 + t * NBCASES + i] = v;
    }
  }
  std::FILE* f = std::fopen(chemin, "wb");
  if (!f) {
    std::fprintf(stderr, "gencles: cannot write %s\n", chemin);
    return 1;
  }
  for (uint32_t v : mots) {
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    std::fwrite(b, 1, 4, f);
  }
  return std::fclose(f) == 0 ? 0 : 1;
}
