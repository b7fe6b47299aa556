#include "engine/board/coups.h"

void TCoupsListe::AjouteCoup(int32_t ligne, int32_t colonne, uint8_t couleur) {
  auto* c = new TCoups;
  c->ligne = ligne;
  c->colonne = colonne;
  c->couleur = couleur;
  Ajoute(c);
}

void TCoupsListe::CopieVers(TCoupsListe& autre) const {
  for (const auto& c : items) autre.AjouteCoup(c->ligne, c->colonne, c->couleur);
}
