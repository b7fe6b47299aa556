// Stand-in engine entries until the move choice is in place: the engine
// always passes and knows no status.
#include "engine/choice/entree.h"

void genmoveordi(uint8_t couleur, const TConfig&, const TListeCoups&, int32_t, int32_t, int32_t,
                 TResultatCoup& resultat) {
  resultat = TResultatCoup{couleur, 0, 0};
}

void genmovenettoyage(uint8_t couleur, const TConfig&, const TListeCoups&, int32_t, int32_t, int32_t,
                      TResultatCoup& resultat) {
  resultat = TResultatCoup{couleur, 0, 0};
}

void statutfinal(const TPlateau&, const TConfig&, const TListeCoups&, TCarte& statut, int32_t& sortie1,
                 int32_t& sortie2) {
  statut.fill(0);
  sortie1 = 0;
  sortie2 = 0;
}
