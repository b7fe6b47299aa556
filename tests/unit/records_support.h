// Test support of the game-record readers: captured messages, files written
// for a test and read back from tests/data/records/.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/messages.h"

namespace records_test {

// Collects every message shown while it lives.
class Messages {
 public:
  Messages() {
    avant_ = fixepuitsmessages([this](const std::string& m) { vus.push_back(m); });
  }
  ~Messages() { fixepuitsmessages(std::move(avant_)); }
  Messages(const Messages&) = delete;
  Messages& operator=(const Messages&) = delete;
  // All messages joined by " | ".
  std::string texte() const {
    std::string s;
    for (const auto& m : vus) s += (s.empty() ? "" : " | ") + m;
    return s;
  }
  std::vector<std::string> vus;

 private:
  TPuitsMessages avant_;
};

// A file of the given bytes under the test's temporary folder; removed with it.
class Fichier {
 public:
  Fichier(const std::string& nom, const std::string& octets) {
    const auto dossier = std::filesystem::temp_directory_path() /
                         ("molvane_records_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    chemin = (dossier / nom).string();
    std::ofstream(chemin, std::ios::binary) << octets;
  }
  ~Fichier() { std::filesystem::remove(chemin); }
  Fichier(const Fichier&) = delete;
  Fichier& operator=(const Fichier&) = delete;
  std::string chemin;
};

// Path of a fixture under tests/data/records/.
inline std::string donnee(const std::string& nom) { return std::string(SOURCE_DIR) + "/tests/data/records/" + nom; }

}  // namespace records_test
