// Test support of the game-record readers: captured messages, files written
// for a test and read back from tests/data/records/.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/arbre.h"
#include "records/chargement.h"
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

// One load through chargepartie, with the messages it showed.
struct Charge {
  explicit Charge(const std::string& chemin, TConfig depart = TConfig{}) : config(std::move(depart)) {
    chargepartie(chemin, arbre, config);
  }
  Messages messages;
  std::unique_ptr<TArbre> arbre;
  TConfig config;
};

// Expected messages with every "%f" replaced by the file's path.
inline std::string avecchemin(std::string attendu, const std::string& chemin) {
  for (size_t i; (i = attendu.find("%f")) != std::string::npos;) attendu.replace(i, 2, chemin);
  return attendu;
}

// Checks a load's tree as text (null: no tree at all) and its messages
// ("%f" the file's path).
inline void verifiecharge(const Charge& c, const char* arbre, const char* messages, const std::string& chemin);

// Moves as "row,col:colour" words; marks as "kind:row,col" and their label.
inline std::string coupstexte(const TCoupsListe& l) {
  std::string s;
  for (int i = 0; i < l.Count(); ++i)
    s += (i ? " " : "") + std::to_string(l.Coup(i)->ligne) + "," + std::to_string(l.Coup(i)->colonne) + ":" +
         std::to_string(l.Coup(i)->couleur);
  return s;
}
inline std::string marquestexte(const std::vector<TCoupsMarque>& marques) {
  std::string s;
  for (const TCoupsMarque& k : marques)
    s += std::to_string(k.genre) + ":" + std::to_string(k.ligne) + "," + std::to_string(k.colonne) + k.libelle + " ";
  return s;
}

// A tree as text, node by node in reading order: the kind; for a move
// "#number@row,col" and "x" plus the captured count when it captured; for a
// setup "[content:row,col ...]". One child follows after a space, several
// children each in parentheses.
inline std::string noeudtexte(const TArbre& n) {
  const TDonnees& d = *n.donnees;
  std::string s = std::to_string(d.nature);
  if (d.nature == NOEUDNOIR || d.nature == NOEUDBLANC) {
    s += "#" + std::to_string(d.numcoup) + "@" + std::to_string(d.coup.ligne) + "," + std::to_string(d.coup.colonne);
    if (d.prises.Count()) s += "x" + std::to_string(d.prises.Count());
  }
  if (d.nature == NOEUDPOSE) {
    s += "[";
    for (int i = 0; i < d.poses.Count(); ++i)
      s += (i ? " " : "") + std::to_string(d.poses.Coup(i)->couleur) + ":" + std::to_string(d.poses.Coup(i)->ligne) +
           "," + std::to_string(d.poses.Coup(i)->colonne);
    s += "]";
  }
  return s;
}
// Recursive: meant for the small trees of the tests.
inline std::string decritarbre(const TArbre& a) {
  std::string t = noeudtexte(a);
  std::vector<const TArbre*> enfants;
  for (const TArbre* e = a.premierfils.get(); e; e = e->frere.get()) enfants.push_back(e);
  if (enfants.size() == 1) return t + " " + decritarbre(*enfants[0]);
  if (!enfants.empty()) {
    t += " ";
    for (const TArbre* e : enfants) t += "(" + decritarbre(*e) + ")";
  }
  return t;
}

inline void verifiecharge(const Charge& c, const char* arbre, const char* messages, const std::string& chemin) {
  if (arbre) {
    ASSERT_TRUE(c.arbre);
    EXPECT_EQ(decritarbre(*c.arbre), arbre);
  } else {
    EXPECT_FALSE(c.arbre);
  }
  EXPECT_EQ(c.messages.texte(), avecchemin(messages, chemin));
}

// Path of a fixture under tests/data/records/.
inline std::string donnee(const std::string& nom) { return std::string(SOURCE_DIR) + "/tests/data/records/" + nom; }

}  // namespace records_test
