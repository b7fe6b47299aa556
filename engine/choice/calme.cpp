// The calm-situation test of the main recursion.
#include "engine/choice/calme.h"

#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"

namespace {
constexpr int32_t CAPACITE = 300;      // the dead chains' liberties
constexpr int32_t CAPACITELISTE = 361;  // the root list
TMarques vu;
TListePoints libertes;
}  // namespace

// Sets 4 only when the family counts and the trials found nothing at stake: a turn with
// a trial that kills or saves is never calm, whatever the dead marks say.
void situationcalme(TListePoints& candidats) {
  const int32_t n = taillemoteur();
  // Any family flag or count.
  const int32_t valeurs[] = {flagdanger,         flagcoupure2,      flaginvasion,    flagcoupure3,
                             flagcoupure,        maxsurvie,         maxfortification, flagfortification,
                             compteurinvasions2, compteurinfluence, compteurfaibles, maxtuesordi,
                             compteurinvasions,  compteurinvasions3};
  for (const int32_t v : valeurs)
    if (v >= 1) {
      etatcalme = 2;
      return;
    }
  if (flagfortif2 != 0) {
    etatcalme = 2;
    return;
  }
  // A trial that kills or saves.
  bool enjeu = false;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (!casescandidates[indexcase(r, c)]) continue;
      const TEssaiCoup& e = essaiordi(r, c);
      if (e.compteur1essai > 0 || e.compteur2essai > 0) enjeu = true;
    }
  if (enjeu) etatcalme = 2;
  // The dead chains, each once, and their liberties.
  vu = marquesvides;
  libertes[0] = 0;
  bool adverse = false;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!pionsmortsbis[i] || plateaumoteur[i] == VIDE || vu[i]) continue;
      if (plateaumoteur[i] == couleurjoueur) adverse = true;
      libertesdelachaine(plateaumoteur, libertes, CAPACITE, 0, r, c, vu);
    }
  if (!adverse && !enjeu) etatcalme = 4;
  // The liberties of the dead chains join the candidates.
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
    const int32_t r = ligneliste(libertes, k), c = colonneliste(libertes, k);
    if (casescandidates[indexcase(r, c)]) ajoutecaseliste(r, c, candidats, CAPACITELISTE);
  }
}
