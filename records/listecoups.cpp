#include "records/listecoups.h"

bool ajoutecoup(int32_t ligne, int32_t colonne, uint8_t couleur, TListeCoups& liste) {
  int32_t n = liste[0].ligne;
  if (n < 0 || n >= MAXCOUPSPARTIE) return false;
  ++n;
  liste[n].couleur = couleur;
  liste[n].ligne = ligne;
  liste[n].colonne = colonne;
  liste[0].ligne = n;
  return true;
}
