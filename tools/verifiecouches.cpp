// Fails on any include that goes up a layer or cannot be resolved.
// Usage: verifiecouches [repository root]   (default: the current directory)
#include <cstdio>

#include "tools/couches.h"

int main(int argc, char** argv) {
  const std::filesystem::path racine = argc > 1 ? argv[1] : ".";
  const couches::Bilan b = couches::verifie(racine);
  if (b.fichiers == 0) {
    std::fprintf(stderr, "no source files under %s\n", racine.string().c_str());
    return 2;
  }
  for (const couches::Faute& f : b.fautes) std::printf("%s\n", f.message().c_str());
  if (!b.fautes.empty()) {
    std::printf("%zu fault(s) against the layers among %d files\n", b.fautes.size(), b.fichiers);
    return 1;
  }
  std::printf("%d files, %d project includes, none goes up a layer\n", b.fichiers, b.includes);
  return 0;
}
