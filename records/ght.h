// GHT game-record reader: a 56-byte header (players, date, rules, komi,
// handicap, board size) and two-byte move records, into the game tree and
// the caller's settings record (written in place).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "engine/board/types.h"
#include "records/arbre.h"

class THTConv {
 public:
  void ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config);

 private:
  static constexpr int TAILLEENTETE = 56;
  std::string nompartie_, noir_, blanc_;
  uint8_t date_[3] = {0, 0, 0};
  uint8_t regle_ = 0;
  uint8_t komi_ = 0;
  int32_t handicap_ = 0;
  int32_t taille_ = 19;
  TArbre* haut_ = nullptr;
  TConfig config_;
  int32_t compteur_ = 0;
};
