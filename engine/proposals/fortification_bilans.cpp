// Reinforcement family: the balancing of survival and reinforcement values
// and the capturing-race bonus.
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/fortification_etat.h"

namespace {

// Every engine stone q's record marks 1 is marked 1 by p's record too.
bool sauveautant(int32_t p, int32_t q, uint8_t c) {
  const TEssaiCoup& ep = Fortif::essaiA(p);
  const TEssaiCoup& eq = Fortif::essaiA(q);
  for (int32_t x = 0; x < NBCASES; ++x)
    if (plateaudepart[x] == c && eq.marquesessai[x] == 1 && ep.marquesessai[x] != 1) return false;
  return true;
}

// The opponent stone x counts as won in the race by the trial `e`: taken
// off, or dead in the trial while one of the two reference dead maps (the
// engine side's and the opponent side's) still had it alive.
bool gagneensemai(const TEssaiCoup& e, int32_t x) {
  if (e.plateauessai[x] == VIDE) return true;
  if (!e.carte3essai[x]) return false;
  if (pionsmortsbis[x] == 0 || carteattaque[x] == 0) return true;
  const int32_t v = valeurssurvie[x], s = e.etatessai[x];
  if (v >= 0) return false;
  if (v == -5 && (s == 0 || s == -2 || s == -3 || s == -4)) return true;
  if (v == -4 && (s == 0 || s == -3)) return true;
  if (v == -2 && (s == 0 || s == -3 || s == -4)) return true;
  if (v == -1 && (s == 0 || s <= -2)) return true;
  return s < 0 && e.valeursessai[x] < valeurs2survie[x];
}

}  // namespace

void Fortif::harmonisationBONUSSURVIE() {
  TCarte S = survieA;
  auto retenu = [&](int32_t i) { return candidat(i) && (survieA[i] > 0 || marquesfortification[i] == 1); };
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!retenu(i)) continue;
    for (int32_t j = 0; j < NBCASES; ++j) {
      if (j == i || !retenu(j)) continue;
      if (survieA[j] + fortification[j] <= S[i] + fortification[i] || !sauveautant(i, j, c)) continue;
      S[i] = survieA[j] + fortification[j] - fortification[i];
      ecritdebug("harmonisationBONUSSURVIE: ");
    }
  }
  survieA = S;
}

void Fortif::comparepionssauves() {
  TMarques P = marquesvides, W = marquesvides;
  const int32_t n = taille();
  auto dedans = [n](int32_t i) { return i / TAILLEMAX < n && i % TAILLEMAX < n; };
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!dedans(i) || !candidat(i)) continue;
    const TEssaiCoup& a = essaiA(i);
    const TEssaiCoup& b = essaiB(i);
    if (!(survieA[i] >= 1 || marquesfortification[i] == 1 || survieB[i] >= 1 || compteur0essai(a) >= 1 ||
          compteur3essai(a) >= 1 || compteur0essai(b) >= 1 || compteur3essai(b) >= 1))
      continue;
    P[i] = 1;
    for (int32_t x = 0; x < NBCASES; ++x)
      if (faible(x) && a.marquesessai[x]) W[x] = 1;
  }
  // The weak stones the move at i saves by its own link, into M (with
  // their zones); `exclus` holds the stones already taken.
  auto sauvespar = [&](int32_t i, TMarques& M) {
    const TEssaiCoup& e = essaiA(i);
    charge(i);
    TMarques chaine = marquesvides;
    if (p[i] == c) marquepionschaine(p, chaine, 0, i / TAILLEMAX + 1, i % TAILLEMAX + 1);
    for (int32_t x = 0; x < NBCASES; ++x) {
      if (!faible(x) || !e.marquesessai[x] || M[x]) continue;
      const bool lie = (e.liensessai[x] & 0x20) || (marquesliaison1[x] && pionsmortsessai(e)[x] == 0) ||
                       (e.liensessai[x] & 0x100) ||
                       (p[x] != VIDE && pionlieachainetest1(p, chaine, x / TAILLEMAX + 1, x % TAILLEMAX + 1));
      if (!lie) continue;
      M[x] = 1;
      const int32_t z = infozones[x].numero;
      if (z == 0) continue;
      for (int32_t y = 0; y < NBCASES; ++y)
        if (faible(y) && !M[y] && infozones[y].numero == z) M[y] = 1;
    }
    garde.restaure();
  };
  for (int32_t i = 0; i < NBCASES; ++i)
    if (dedans(i) && fortification[i] > 0 && !P[i]) sauvespar(i, W);
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!dedans(i) || fortification[i] <= 0 || P[i]) continue;
    TMarques S = marquesvides;
    sauvespar(i, S);
    TEssaiCoup& e = essaiA(i);
    int32_t u = 0, h = 0;
    for (int32_t x = 0; x < NBCASES; ++x) {
      if (!faible(x) || !e.marquesessai[x]) continue;
      if (S[x] == 1 || !W[x]) {
        ++u;
      } else {
        ++h;
        e.marquesessai[x] = 0;
      }
    }
    if (h == 0) continue;
    if (u == 0) {
      fortification[i] = 0;
      marquesfortification[i] = 0;
    } else if (20 * u < fortification[i]) {
      fortification[i] = 20 * u;
    }
  }
}

void Fortif::bonussemai() {
  w.trace[0] = 0;
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i)) continue;
      if (!(fortification[i] > 0 || (survieA[i] > 0 && memosurvie[i] == 1))) continue;
      const TEssaiCoup& e = essaiA(i);
      if (!(e.compteur2essai > 0 || compteur7essai(e) > 0 || compteursemaiessai(e) > 0 || drapeausemaiessai(e)))
        continue;
      int32_t nb = 0;
      for (int32_t x = 0; x < NBCASES; ++x)
        if (plateaudepart[x] == o && gagneensemai(e, x)) ++nb;
      if (nb == 0) continue;
      empilepoint(w.trace, CAPACITEFORTIF, r, k);
      const int32_t v = 20 * nb - survieB[i];
      if (v > 0) bonuscombatsemai[i] += v;
    }
  ecritliste("BONUS COMBAT DE SEMAI");
}
