// The long mutation run over the game-record fixtures; build it with the
// sanitizers to catch a crash, a leak or a bad read.
// Usage: mutationsrecords <fixtures folder> [mutants per file] [seed]
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/mutationsrecords.h"

namespace {

void usage(std::FILE* f, const char* nom) {
  std::fprintf(f, "usage: %s <fixtures folder> [mutants per file] [seed]\n", nom);
}

// A whole decimal number within `max`.
bool litnombre(const char* texte, unsigned long long max, unsigned long long& v) {
  v = 0;
  if (*texte == '\0') return false;
  for (const char* p = texte; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return false;
    const unsigned long long chiffre = static_cast<unsigned long long>(*p - '0');
    if (v > (max - chiffre) / 10) return false;
    v = v * 10 + chiffre;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      usage(stdout, argv[0]);
      return 0;
    }
  if (argc < 2 || argc > 4) {
    usage(stderr, argv[0]);
    return 2;
  }
  std::error_code erreur;
  if (!std::filesystem::is_directory(argv[1], erreur)) {
    std::fprintf(stderr, "%s: %s is not a folder\n", argv[0], argv[1]);
    usage(stderr, argv[0]);
    return 2;
  }
  unsigned long long n = 2000, graine = 1;
  if ((argc > 2 && !litnombre(argv[2], 1000000000, n)) || (argc > 3 && !litnombre(argv[3], ~0ULL, graine))) {
    std::fprintf(stderr, "%s: the count and the seed are whole numbers\n", argv[0]);
    usage(stderr, argv[0]);
    return 2;
  }
  const int chargements = mutations::lance(argv[1], static_cast<int>(n), graine);
  std::printf("%d loads of mutated files, seed %llu\n", chargements, graine);
  return 0;
}
