// Passes over the trial records and the family maps of the root: the moyo
// map after each trial, the engine's territory attack, the timing of the
// fork, forcing and dangerous-cut maps.
#include "engine/proposals/cadre.h"
#include "engine/proposals/temporisation.h"

#include <algorithm>
#include <string>

#include "engine/board/trace.h"
#include "engine/territory/moyo.h"

namespace {

std::string point(const char* label, int32_t r, int32_t c) {
  return std::string(label) + std::to_string(r) + "-" + std::to_string(c);
}

// Opponent stones of the position, in the opponent's territory, that the
// trial kills or captures.
int32_t prisesenterritoire(const TEssaiCoup& e) {
  const int32_t n = configmoteur.taille;
  int32_t c1 = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = indexcase(r, c);
      if (plateaudepart[q] == couleurjoueur && territoire[q] == couleurjoueur &&
          (e.plateauessai2[q] != 0 || e.plateauessai[q] == VIDE))
        ++c1;
    }
  return c1;
}

// Engine stones dead in the position that the trial saves: those the trial
// itself concerns first (none: 0), then every other saved one.
int32_t pierressauvees(const TEssaiCoup& e) {
  const int32_t n = configmoteur.taille;
  auto sauvee = [&](int32_t q) {
    return e.plateauessai[q] == couleurordi && pionsmortsbis[q] != 0 && e.carte2essai[q] == 0;
  };
  TMarques marques = marquesvides;
  int32_t c2 = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = indexcase(r, c);
      if (!sauvee(q)) continue;
      const TEssaiCoup& propre = essaiordi(r, c);
      if (e.marquesessai[q] == 1 || (e.liensessai[q] & 0x100) != 0 ||
          ((propre.marquesessai[q] & 0x10) == 0 && (propre.liensessai[q] & 0x100) == 0)) {
        marques[q] = 1;
        ++c2;
      }
    }
  if (c2 == 0) return 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = indexcase(r, c);
      if (!marques[q] && sauvee(q)) {
        marques[q] = 1;
        ++c2;
      }
    }
  return c2;
}

// Empty points of the position the trial leaves on the engine's side: 2 in
// the opponent's territory, 1 in nobody's.
int32_t videsgagnes(const TEssaiCoup& e) {
  const int32_t n = configmoteur.taille;
  int32_t c3 = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = indexcase(r, c);
      if (plateaudepart[q] != VIDE || e.carte1essai[q] != couleurordi) continue;
      if (territoire[q] == couleurjoueur) c3 += 2;
      else if (territoire[q] == VIDE) c3 += 1;
    }
  return c3;
}

}  // namespace

void gainmoyoessais() {
  const int32_t n = configmoteur.taille;
  calculemoyo(plateaudepart, cartemoyo, pionsmortsbis);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      TEssaiCoup& e = essaiordi(r, c);
      if (casescandidates[i]) calculemoyo(e.plateauessai, e.carteessaimoyo, e.carte2essai);
      else e.carteessaimoyo = cartemoyo;
      TEssaiCoup& j = essaijoueur(r, c);
      if (casescandidatesjoueur[i]) calculemoyo(j.plateauessai, j.carteessaimoyo, j.carte2essai);
      else j.carteessaimoyo = cartemoyo;
    }
}

void attaqueterritoireordi(const TCarte& fourchette, TCarte& faitmort) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t p = indexcase(r, c);
      if (!casescandidates[p]) continue;
      const TEssaiCoup& e = essaiordi(r, c);
      // The trial saves stones and kills or gains.
      if (e.compteur2essai <= 0 || (compteur0essai(e) <= 0 && compteur4essai(e) <= 0)) continue;
      // Captures in territory, saved stones, empty points gained: each must count.
      const int32_t c1 = prisesenterritoire(e);
      if (c1 == 0) continue;
      const int32_t c2 = pierressauvees(e);
      if (c2 == 0) continue;
      const int32_t c3 = videsgagnes(e);
      if (c3 == 0) continue;
      // What the fork map does not already hold goes to faitmort.
      const int32_t valeur = (c1 + c2) * 20 + c3 * 10;
      if (fourchette[p] < valeur) {
        faitmort[p] += valeur - fourchette[p];
        ecritdebug(point("ATTAQUE territoire pour ordi: ", r, c));
      }
    }
}

void temporisation(TCarte& fourchetteordi, TCarte& coupforceordi, TCarte& coupuredangereuse) {
  const int32_t n = configmoteur.taille;
  // A fork that is also a forcing move shares its value.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t p = indexcase(r, c);
      if (!casescandidates[p] || fourchetteordi[p] <= 0 || coupforceordi[p] <= 0) continue;
      const int32_t m = std::max(fourchetteordi[p], coupforceordi[p]);
      const int32_t h = m / 2;
      fourchetteordi[p] = m - h;
      coupforceordi[p] = h;
      ecritdebug(point("temporisation fourchette-coupforce:", r, c));
    }
  // A dangerous cut of a move that saves less than the best trial waits.
  if (flagcoupure <= 0 || maxcompteursessais() < 3) return;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t p = indexcase(r, c);
      if (!casescandidates[p] || coupuredangereuse[p] <= 0) continue;
      const TEssaiCoup& e = essaiordi(r, c);
      if ((e.liensessai[p] & 0x100) == 0 || e.compteur2essai >= maxcompteursessais() - 1) continue;
      coupuredangereuse[p] /= 10;
      ecritdebug(point("temporisation coupure par joueur-survie:", r, c));
    }
}
