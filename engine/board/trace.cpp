#include "engine/board/trace.h"

#include "engine/board/etat.h"

bool cheminsegaux(const TCheminTrace& chemin, const TCheminTrace& surveille, int32_t profondeur) {
  if (profondeur < 1 || profondeur > 6) return false;
  for (int i = 0; i < profondeur; ++i) {
    if (chemin.coups[i][0] != surveille.coups[i][0] || chemin.coups[i][1] != surveille.coups[i][1]) return false;
  }
  return true;
}

void affichesichemin(std::string_view label, int32_t bilan, const TCheminTrace& chemin, int32_t profondeur,
                     const TCheminTrace& surveille) {
  if (!cheminsegaux(chemin, surveille, profondeur)) return;
  // The label would read "<label> ind:<depth> bil:<value>"; the sink is empty.
  (void)label;
  (void)bilan;
}

void initchemintrace() { chemintrace = TCheminTrace{}; }
