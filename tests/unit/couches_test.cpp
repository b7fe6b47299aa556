// The layer check of the includes, on small trees written for each case.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tools/couches.h"

namespace {

namespace fs = std::filesystem;
using Fichiers = std::vector<std::pair<const char*, const char*>>;

// A fresh tree holding the files, with a header "dehors.h" just outside
// its root; removed at the end of the scope.
class Arbre {
 public:
  explicit Arbre(const Fichiers& fichiers) {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    dossier_ = fs::temp_directory_path() / (std::string("couches_") + info->name() + "_" +
                                           std::to_string(::getpid()) + "_" + std::to_string(++compte_));
    racine_ = dossier_ / "racine";
    fs::remove_all(dossier_);
    fs::create_directories(racine_);
    std::ofstream(dossier_ / "dehors.h");
    for (const auto& [nom, texte] : fichiers) {
      fs::create_directories((racine_ / nom).parent_path());
      std::ofstream(racine_ / nom, std::ios::binary) << texte;
    }
  }
  ~Arbre() { fs::remove_all(dossier_); }
  const fs::path& racine() const { return racine_; }

 private:
  fs::path dossier_, racine_;
  static inline int compte_ = 0;
};

std::vector<std::string> messages(const couches::Bilan& b) {
  std::vector<std::string> v;
  for (const auto& f : b.fautes) v.push_back(f.message());
  return v;
}

// Headers every case may include.
const Fichiers BASE = {
    {"platform/platform.h", ""},         {"engine/board/etat.h", ""},         {"engine/reading/prise.h", ""},
    {"engine/connection/liaison.h", ""}, {"engine/choice/entree.h", ""},      {"records/coups.h", ""},
    {"frontend/gtp.h", ""},              {"tests/support/fixture.h", ""},
};

TEST(Couches, IncludesAgainstTheLayers) {
  struct Cas {
    const char* nom;
    const char* fichier;
    const char* texte;
    std::vector<std::string> attendu;
  } cas[] = {
      {"own layer, lower layers and system headers pass", "engine/reading/a.cpp",
       "#include \"engine/reading/prise.h\"\n#include <vector>\n#include \"engine/board/etat.h\"\n"
       "#include \"platform/platform.h\"\n#include <engine/board/etat.h>\n",
       {}},
      {"beside the file, as the compiler finds it", "engine/reading/a.cpp", "#include \"prise.h\"\n", {}},
      {"the front end may include records and records the front end", "frontend/a.cpp",
       "#include \"records/coups.h\"\n#include \"engine/choice/entree.h\"\n", {}},
      {"records at the top too", "records/a.cpp", "#include \"frontend/gtp.h\"\n", {}},
      {"commented out", "engine/board/a.cpp", "// #include \"frontend/gtp.h\"\n/* #include \"records/coups.h\" */\n",
       {}},
      {"one layer up, with its line", "engine/reading/a.cpp",
       "// reading\n#include \"engine/reading/prise.h\"\n#include \"engine/connection/liaison.h\"\n",
       {"engine/reading/a.cpp:3: #include \"engine/connection/liaison.h\": goes up from engine/reading to "
        "engine/connection"}},
      {"a header up to the front end", "engine/board/a.h", "#pragma once\n  #  include \"frontend/gtp.h\"\n",
       {"engine/board/a.h:2: #include \"frontend/gtp.h\": goes up from engine/board to frontend"}},
      {"relative path up", "engine/reading/a.cpp", "#include \"../connection/liaison.h\"\n",
       {"engine/reading/a.cpp:1: #include \"../connection/liaison.h\": goes up from engine/reading to "
        "engine/connection"}},
      {"angle brackets up", "platform/a.cpp", "#include <engine/board/etat.h>\n",
       {"platform/a.cpp:1: #include <engine/board/etat.h>: goes up from platform to engine/board"}},
      {"a project header that is not there", "engine/board/a.cpp",
       "#include \"engine/board/parti.h\"\n#include <engine/chains/parti.h>\n",
       {"engine/board/a.cpp:1: #include \"engine/board/parti.h\": cannot be resolved",
        "engine/board/a.cpp:2: #include <engine/chains/parti.h>: cannot be resolved"}},
      {"test support is in no layer", "engine/board/a.cpp", "#include \"tests/support/fixture.h\"\n",
       {"engine/board/a.cpp:1: #include \"tests/support/fixture.h\": tests/support/fixture.h is in no layer"}},
      {"outside the tree", "engine/board/a.cpp", "#include \"../../../dehors.h\"\n",
       {"engine/board/a.cpp:1: #include \"../../../dehors.h\": outside the project"}},
      {"a source in a folder that is no layer", "engine/search/a.cpp", "#include \"engine/board/etat.h\"\n",
       {"engine/search/a.cpp: in no layer"}},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    Fichiers f = BASE;
    f.emplace_back(k.fichier, k.texte);
    const Arbre a(f);
    const couches::Bilan b = couches::verifie(a.racine());
    EXPECT_EQ(messages(b), k.attendu);
    EXPECT_EQ(b.fichiers, 8);  // the test support and non-sources are not read
  }
}

// Only sources are read, and every fault of every file is reported in path order.
TEST(Couches, ReportsAllFilesInOrder) {
  Fichiers f = BASE;
  f.emplace_back("engine/board/notes.txt", "#include \"frontend/gtp.h\"\n");
  f.emplace_back("tests/unit/a.cpp", "#include \"frontend/gtp.h\"\n");
  f.emplace_back("frontend/b.cpp", "#include \"frontend/absent.h\"\n");
  f.emplace_back("engine/board/z.cpp", "#include \"engine/reading/prise.h\"\n#include \"engine/choice/entree.h\"\n");
  const Arbre a(f);
  const couches::Bilan b = couches::verifie(a.racine());
  EXPECT_EQ(messages(b), (std::vector<std::string>{
                             "engine/board/z.cpp:1: #include \"engine/reading/prise.h\": goes up from engine/board to "
                             "engine/reading",
                             "engine/board/z.cpp:2: #include \"engine/choice/entree.h\": goes up from engine/board to "
                             "engine/choice",
                             "frontend/b.cpp:1: #include \"frontend/absent.h\": cannot be resolved"}));
  EXPECT_EQ(b.fichiers, 9);
}

}  // namespace
