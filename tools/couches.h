// Layer check of the includes. Layers from the bottom: platform,
// engine/board, engine/chains, engine/reading, engine/connection,
// engine/territory, engine/proposals, engine/opening, engine/choice, then
// records and frontend, which share the top. A file may include headers of
// its own layer or lower only. Tests, benchmarks and tools are not checked.
#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace couches {

struct Couche {
  const char* dossier;
  int rang;
};
inline constexpr Couche COUCHES[] = {
    {"platform", 0},         {"engine/board", 1},     {"engine/chains", 2},    {"engine/reading", 3},
    {"engine/connection", 4}, {"engine/territory", 5}, {"engine/proposals", 6}, {"engine/opening", 7},
    {"engine/choice", 8},    {"records", 9},          {"frontend", 9}};

// Folders whose every source file must sit in a layer.
inline constexpr const char* VERIFIES[] = {"platform", "engine", "records", "frontend"};
// Top folders of the project: an include naming one of them first is a
// project include, in angle brackets too.
inline constexpr const char* PROJET[] = {"platform", "engine", "records", "frontend", "tests",
                                         "tools",    "bench",  "nebra",   "data",     "cmake"};
inline constexpr const char* EXTENSIONS[] = {".h", ".hh", ".hpp", ".c", ".cc", ".cpp", ".cxx", ".inc", ".ipp"};

// The layer holding a path relative to the root ('/' separated), or null.
inline const Couche* couchede(const std::string& chemin) {
  const Couche* trouvee = nullptr;
  for (const Couche& c : COUCHES) {
    const std::string d = std::string(c.dossier) + '/';
    if (chemin.compare(0, d.size(), d) == 0 && (!trouvee || d.size() > std::string(trouvee->dossier).size() + 1))
      trouvee = &c;
  }
  return trouvee;
}

// One offending line: "file:line: text".
struct Faute {
  std::string fichier;
  int ligne = 0;
  std::string texte;
  std::string message() const {
    return ligne ? fichier + ':' + std::to_string(ligne) + ": " + texte : fichier + ": " + texte;
  }
};

struct Bilan {
  std::vector<Faute> fautes;
  int fichiers = 0;
  int includes = 0;  // project includes looked at
};

namespace detail {
namespace fs = std::filesystem;

inline bool projet(const std::string& inclus) {
  const std::string tete = inclus.substr(0, inclus.find('/'));
  return std::any_of(std::begin(PROJET), std::end(PROJET), [&](const char* d) { return tete == d; });
}

// Path of an existing file relative to the root, or empty when it is outside.
inline std::string relatif(const fs::path& racine, const fs::path& fichier) {
  const fs::path r = fichier.lexically_normal().lexically_relative(racine.lexically_normal());
  if (r.empty() || *r.begin() == "..") return {};
  return r.generic_string();
}

// An include line: `#`, `include`, blanks allowed around the `#`, then
// "name" or <name>. False for any other line.
inline bool litinclude(const std::string& ligne, bool& guillemets, std::string& inclus) {
  size_t i = ligne.find_first_not_of(" \t");
  if (i == std::string::npos || ligne[i] != '#') return false;
  i = ligne.find_first_not_of(" \t", i + 1);
  if (i == std::string::npos || ligne.compare(i, 7, "include") != 0) return false;
  i = ligne.find_first_not_of(" \t", i + 7);
  if (i == std::string::npos || (ligne[i] != '"' && ligne[i] != '<')) return false;
  guillemets = ligne[i] == '"';
  const size_t fin = ligne.find(guillemets ? '"' : '>', i + 1);
  if (fin == std::string::npos) return false;
  inclus = ligne.substr(i + 1, fin - i - 1);
  return true;
}

inline void verifiefichier(const fs::path& racine, const std::string& nom, Bilan& b) {
  const Couche* propre = couchede(nom);
  if (!propre) {
    b.fautes.push_back({nom, 0, "in no layer"});
    return;
  }
  std::ifstream in(racine / nom, std::ios::binary);
  std::string texte;
  int numero = 0;
  while (std::getline(in, texte)) {
    ++numero;
    bool guillemets = false;
    std::string inclus;
    if (!litinclude(texte, guillemets, inclus)) continue;
    if (!guillemets && !projet(inclus)) continue;  // system header
    ++b.includes;
    const std::string ligne = "#include " + std::string(guillemets ? "\"" : "<") + inclus + (guillemets ? "\"" : ">");
    // Where the compiler finds it: beside the file first (quotes), then from the root.
    fs::path cible;
    if (guillemets && fs::is_regular_file(racine / fs::path(nom).parent_path() / inclus))
      cible = racine / fs::path(nom).parent_path() / inclus;
    else if (fs::is_regular_file(racine / inclus))
      cible = racine / inclus;
    if (cible.empty()) {
      b.fautes.push_back({nom, numero, ligne + ": cannot be resolved"});
      continue;
    }
    const std::string chemin = relatif(racine, cible);
    const Couche* c = chemin.empty() ? nullptr : couchede(chemin);
    if (!c) {
      b.fautes.push_back({nom, numero, ligne + ": " + (chemin.empty() ? "outside the project" : chemin + " is in no layer")});
    } else if (c->rang > propre->rang) {
      b.fautes.push_back(
          {nom, numero, ligne + ": goes up from " + propre->dossier + " to " + c->dossier});
    }
  }
}
}  // namespace detail

// Every source file under the checked folders of the root, in path order.
inline Bilan verifie(const std::filesystem::path& dossier) {
  namespace fs = std::filesystem;
  const fs::path racine = fs::absolute(dossier).lexically_normal();
  std::vector<std::string> noms;
  for (const char* d : VERIFIES) {
    if (!fs::is_directory(racine / d)) continue;
    for (const auto& e : fs::recursive_directory_iterator(racine / d)) {
      if (!e.is_regular_file()) continue;
      const std::string ext = e.path().extension().string();
      if (std::find(std::begin(EXTENSIONS), std::end(EXTENSIONS), ext) == std::end(EXTENSIONS)) continue;
      noms.push_back(e.path().lexically_relative(racine).generic_string());
    }
  }
  std::sort(noms.begin(), noms.end());
  Bilan b;
  for (const std::string& nom : noms) {
    ++b.fichiers;
    detail::verifiefichier(racine, nom, b);
  }
  return b;
}

}  // namespace couches
