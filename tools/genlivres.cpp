// Regenerates the position books under data/ (see genlivres.h).
// Usage: genlivres [repository root] [depth] [playouts]   (defaults: . 3 128)
#include "tools/genlivres.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
  const std::filesystem::path racine = argc > 1 ? argv[1] : ".";
  genlivres::Reglages r;
  if (argc > 2) r.profondeur = std::atoi(argv[2]);
  if (argc > 3) r.parties = std::atoi(argv[3]);
  if (r.profondeur < 1 || r.parties < 1) {
    std::fprintf(stderr, "usage: genlivres [root] [depth >= 1] [playouts >= 1]\n");
    return 2;
  }
  const auto sources = genbibliotheques::lissources(racine / "data" / "src", "fuseki19");
  const auto l19 = genlivres::genere1919(sources);
  if (!l19.erreur.empty()) {
    std::fprintf(stderr, "%s\n", l19.erreur.c_str());
    return 1;
  }
  const auto l99 = genlivres::genere99(r);
  // Old 19x19 tables go first: the counts present may change.
  for (const auto& e : std::filesystem::directory_iterator(racine / "data")) {
    const std::string nom = e.path().filename().string();
    if (nom.find("BASE1919") != std::string::npos && e.path().extension() == ".bin")
      std::filesystem::remove(e.path());
  }
  for (const auto& [nom, octets] : genlivres::items(l99, l19)) {
    std::ofstream f(racine / "data" / (nom + ".bin"), std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (!f) {
      std::fprintf(stderr, "cannot write %s.bin\n", nom.c_str());
      return 1;
    }
  }
  std::printf("9x9: %zu black, %zu white positions; 19x19: %zu tables\n", l99.noir.size(), l99.blanc.size(),
              l19.cles.size() + l19.moyo.size());
  return 0;
}
