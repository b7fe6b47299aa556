// UGF and UGI game-record reader: sections of "key=value" lines into the
// game tree and a settings record, the players' photographs included.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/types.h"
#include "records/arbre.h"

class TUGF {
 public:
  void ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config);
  void LitSections();
  void LitEntete(const std::string& ligne);
  void LitDonnees(const std::string& ligne);
  void LitDistant(const std::string& ligne);
  void LitFichiers(const std::string& ligne);
  void ConstruitArbre();

 private:
  std::vector<std::string> texte_;
  TConfig config_;
  int32_t taille_ = 19;
  TArbre* haut_ = nullptr;
  TArbre* courant_ = nullptr;
  TArbre* racine_ = nullptr;
  std::string photonoir_, photoblanc_, iconepub_, pagepub_;
  bool rejete_ = false;  // a board size outside 2..19
};
