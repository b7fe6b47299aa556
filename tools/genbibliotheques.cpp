// Regenerates data/FUSEKI19.dat and data/JOSEKI.dat from data/src/.
// Usage: genbibliotheques [repository root]   (default: the current directory)
#include "tools/genbibliotheques.h"

#include <cstdio>

namespace {
bool ecrit(const std::filesystem::path& chemin, const std::string& octets) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  return static_cast<bool>(f);
}
}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path racine = argc > 1 ? argv[1] : ".";
  const std::filesystem::path src = racine / "data" / "src";
  struct Item {
    const char* prefixe;
    bool joseki;
    const char* fichier;
  };
  const Item items[] = {{"fuseki19", false, "FUSEKI19.dat"}, {"joseki", true, "JOSEKI.dat"}};
  for (const Item& it : items) {
    const auto sources = genbibliotheques::lissources(src, it.prefixe);
    if (sources.empty()) {
      std::fprintf(stderr, "no sources %s*.txt in %s\n", it.prefixe, src.string().c_str());
      return 1;
    }
    const auto res = genbibliotheques::genere(sources, it.joseki);
    if (!res.erreur.empty()) {
      std::fprintf(stderr, "%s\n", res.erreur.c_str());
      return 1;
    }
    if (!ecrit(racine / "data" / it.fichier, res.item)) {
      std::fprintf(stderr, "cannot write %s\n", it.fichier);
      return 1;
    }
    std::printf("%s: %d sequences, %d lines, %zu bytes\n", it.fichier, res.sequences, res.lignes, res.item.size());
  }
  return 0;
}
