// Problem collections (extension PRO): one problem per text line, each
// attached to a problem node of the game tree's main line.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "engine/board/coups.h"
#include "records/arbre.h"

// One problem, its fields in the order of its line.
class TProbleme {
 public:
  int32_t numero = 0;
  TCoupsListe pierres1;       // the position
  uint8_t camp = 0;           // side flag, 1 or 0
  uint8_t question = 0;       // question kind
  int32_t entiers1[4] = {0, 0, 0, 0};
  TCoupsListe pierres2;
  TCoupsListe pierres3;
  int32_t entiers2[4] = {-1, -1, -1, -1};
  int32_t nbpierres4 = 0;
  TCoupsListe pierres4;
  int32_t nbpierres5 = 0;
  TCoupsListe pierres5;
  int32_t entier = 0;
  std::string texte;          // between the line's first two unit separators (byte 31)
  TCoupsListe pierres6;
};

// Reads one problem line into `p`. A malformed field shows message 267 and
// ends the reading; the fields read before it stay. False on that error.
bool lireprobleme(TProbleme& p, const std::string& ligne);

// The collection reader. Takes no settings record.
class TRecueil {
 public:
  // Reads the file's lines into problem nodes under the top node `arbre`;
  // an empty or missing file shows message 268.
  void ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre);
};
