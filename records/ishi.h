// Ishi game-record reader (extension GO): keyword lines into the game tree
// and a settings record of its own (the caller's record is not read).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/types.h"
#include "records/arbre.h"

class Tishi {
 public:
  // Reads the file's first game under the top node `arbre`.
  void ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config);

 private:
  struct Ligne {
    std::string texte;
    std::string motcle;  // first word, upper case; empty inside a block
    int numero = 0;      // line number in the file
  };
  void construit(const std::vector<Ligne>& lignes, TArbre& entete);
  void marques(TArbre& noeud, const TPlateau& plateau);
  void corrompu(int numero);

  std::string nomfichier_;
  TArbre* haut_ = nullptr;
  TConfig config_;
};
