// The long mutation run over the game-record fixtures; build it with the
// sanitizers to catch a crash, a leak or a bad read.
// Usage: mutationsrecords <fixtures folder> [mutants per file] [seed]
#include <cstdio>
#include <cstdlib>

#include "tools/mutationsrecords.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <fixtures folder> [mutants per file] [seed]\n", argv[0]);
    return 2;
  }
  const int n = argc > 2 ? std::atoi(argv[2]) : 2000;
  const uint64_t graine = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
  const int chargements = mutations::lance(argv[1], n, graine);
  std::printf("%d loads of mutated files, seed %llu\n", chargements, static_cast<unsigned long long>(graine));
  return 0;
}
