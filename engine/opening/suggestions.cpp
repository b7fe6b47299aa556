#include "engine/opening/suggestions.h"

#include "engine/board/etat.h"
#include "engine/opening/fuseki.h"
#include "engine/opening/joseki.h"

void demandejoseki(uint8_t camp, const TConfig& config, const TPlateau& plateau, TMarques& sortie) {
  // Copies of the board and the record.
  const TPlateau p = plateau;
  const int32_t taille = config.taille;
  // The library, resized to the game, or nothing.
  if (bibliojoseki == nullptr) {
    sortie.fill(0);
    return;
  }
  if (bibliojoseki->taille != taille) bibliojoseki->FixeTaille(taille);
  int32_t nombre = 0;
  bibliojoseki->CoupsSuggeres(camp, taille, nombre, sortie, p);
}

void demandefuseki(uint8_t camp, const TConfig& config, const TPlateau& plateau, TMarques& sortie) {
  if (bibliofuseki == nullptr || bibliofuseki->taille != config.taille) {
    sortie.fill(0);
    return;
  }
  const TPlateau p = plateau;
  int32_t nombre = 0;
  bibliofuseki->CoupsSuggeres(camp, config.taille, nombre, sortie, p);
}
