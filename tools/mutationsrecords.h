// Seeded mutation run over the game-record fixtures: every file is loaded
// through chargepartie many times with bytes flipped, cut, repeated,
// removed or replaced by the readers' own delimiters. Shared by the short
// run of the tests and the longer run of the tool `mutationsrecords`.
#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "records/chargement.h"
#include "tools/generateur.h"

namespace mutations {

using generateur::Generateur;

// One mutant of `octets`: one to four edits.
inline std::string mute(const std::string& octets, Generateur& g) {
  static constexpr char speciaux[] = "()[];\\:@#-=,\x1f\r\n 0123456789ABWtaz";
  std::string s = octets;
  const uint32_t edits = 1 + g.borne(4);
  for (uint32_t e = 0; e < edits; ++e) {
    const uint32_t n = static_cast<uint32_t>(s.size());
    const uint32_t i = g.borne(n + 1);
    switch (g.borne(6)) {
      case 0:  // flip a byte
        if (n) s[std::min(i, n - 1)] = static_cast<char>(g.suivant());
        break;
      case 1:  // cut
        s.resize(i);
        break;
      case 2: {  // repeat a slice, at most 4 KB in all
        const uint32_t l = std::min<uint32_t>(g.borne(n - std::min(i, n) + 1), 4096);
        const std::string tranche = s.substr(i, l);
        const uint32_t fois = 1 + g.borne(8);
        for (uint32_t k = 0; k < fois && s.size() < (1u << 20); ++k) s.insert(i, tranche);
        break;
      }
      case 3:  // remove a slice
        s.erase(i, g.borne(n - std::min(i, n) + 1));
        break;
      case 4:  // a delimiter of one of the formats
        s.insert(s.begin() + i, speciaux[g.borne(sizeof speciaux - 1)]);
        break;
      default:  // the same delimiter many times
        s.insert(i, std::string(1 + g.borne(20000), speciaux[g.borne(6)]));
        break;
    }
  }
  return s;
}

// Loads `parfichier` mutants of every file of `dossier` (and of every file
// given in `extras` as name and bytes). Returns the number of loads.
inline int lance(const std::filesystem::path& dossier, int parfichier, uint64_t graine,
                 const std::vector<std::pair<std::string, std::string>>& extras = {}) {
  std::vector<std::pair<std::string, std::string>> fichiers = extras;
  std::vector<std::filesystem::path> chemins;
  for (const auto& e : std::filesystem::directory_iterator(dossier))
    if (e.is_regular_file()) chemins.push_back(e.path());
  std::sort(chemins.begin(), chemins.end());
  for (const auto& c : chemins) {
    std::ifstream f(c, std::ios::binary);
    fichiers.emplace_back(c.filename().string(),
                          std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()));
  }
  // One folder per run: several suites may run side by side with the same seed.
  const auto temp = std::filesystem::temp_directory_path() /
                    ("molvane_mutants_" + std::to_string(graine) + "_" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(temp);
  Generateur g{graine};
  int chargements = 0;
  for (const auto& [nom, octets] : fichiers) {
    const std::string chemin = (temp / ("mutant" + std::filesystem::path(nom).extension().string())).string();
    for (int k = 0; k < parfichier; ++k) {
      std::ofstream(chemin, std::ios::binary | std::ios::trunc) << mute(octets, g);
      std::unique_ptr<TArbre> arbre;
      TConfig config;
      config.taille = 19;
      config.limitepasses = static_cast<int32_t>(g.borne(4));
      chargepartie(chemin, arbre, config);
      ++chargements;
    }
    std::filesystem::remove(chemin);
  }
  std::filesystem::remove(temp);
  return chargements;
}

}  // namespace mutations
