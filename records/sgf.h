// SGF reader (extensions SGF and MGT, formats FF[1] to FF[4]): the first
// game of the file into the game tree and a settings record.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/types.h"
#include "records/arbre.h"

class TSgf {
 public:
  // Reads the file's first game under the top node `arbre`. A file without
  // a game shows message 255 and leaves no tree (`arbre` reset).
  void ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config);
  // Splits the text into its games (balanced parentheses outside values).
  static int CompteParties(const std::string& texte, std::vector<std::string>& parties);
  // One property of the current node; may make a child the current node.
  void TraitePropriete(const std::string& ident, std::string& valeurs, TArbre*& courant);
  // Replays the tree from the game node to record captures.
  void RejoueArbre(TArbre* noeud);

 private:
  void analysepartie(const std::string& partie);
  void traitenoeud(const std::string& texte);
  void faitracine(TArbre& noeud);
  // A point value: (0, 0) for a pass or a point off the board.
  void litpoint(const std::string& v, int32_t& ligne, int32_t& colonne, bool marque);

  TConfig config_;
  TArbre* haut_ = nullptr;
  TArbre* noeudpartie_ = nullptr;
  TArbre* courant_ = nullptr;
  int32_t formatfichier_ = 0;
  std::string nomfichier_;
  std::vector<std::string> texte_;
  int32_t taille_ = 19;
  bool abandon_ = false;
};
