// Survival by surrounding: `coupdesurvieentourant` (the engine kills
// opponent chains by shutting them in) and `survieordi` (the engine saves
// its own chains shut in).
#include "engine/proposals/survieentourage.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/proposals/cadre.h"
#include "engine/territory/enclos.h"

namespace {

bool tue(const TEssaiCoup& e, int32_t q) { return (e.liensessai[q] & 0xFF & BITTUEESSAI) != 0; }
TEssaiCoup& E(int32_t i) { return essaisordi[i / TAILLEMAX][i % TAILLEMAX]; }
TEssaiCoup& J(int32_t i) { return essaisjoueur[i / TAILLEMAX][i % TAILLEMAX]; }

// The working maps of one family run (static storage).
struct Travail {
  TMarques T, F, C, O, M;
  TMarques remplie[2];
  uint8_t drapeau[2];
};

// One family run over the board `p`.
struct Entourage {
  TPlateau& p;
  Travail& w;
  const TGardeEssai& garde;
  int32_t k = 0, k2 = 0, e = 0;

  void nouveaucandidat() {
    w.T = marquesvides;
    w.C = marquesvides;
    w.drapeau[0] = w.drapeau[1] = 0;
  }
  // M: the stones outside marquesglobales that are dead, or marked in
  // `liens` and not of `garde`.
  void masque(const TMarques* liens, uint8_t couleur) {
    for (int32_t x = 0; x < NBCASES; ++x)
      w.M[x] = p[x] != VIDE && !marquesglobales[x] &&
                       (pionsmorts[x] || (liens && (*liens)[x] && p[x] != couleur))
                   ? 1
                   : 0;
  }
  // The zone only: DEBVIVANTE when q's chain is shut in by a sound wall
  // (the targets are already dead, which the zone-only reading allows).
  int32_t lit(int32_t q, uint8_t couleur) {
    const uint8_t c = p[q] == NOIR ? NOIR : BLANC;
    return testdeb(p, w.remplie[c], w.drapeau[c], pionsmorts, w.O, w.M, lignede(q), colonnede(q), couleur, pointko,
                   pointko, 1);
  }
  // The count check shared by both readings; false when the candidate is dropped.
  bool ajuste() { return comptesentourage(k, k2, e); }
  // The reading loop over the targets in T; false when the candidate is dropped.
  bool boucle(int32_t i, uint8_t couleur, uint8_t compte, bool signale) {
    k = 0;
    w.C = marquesvides;
    for (int32_t q = 0; q < NBCASES; ++q) {
      if (!w.T[q]) continue;
      ++k;
      if (w.C[q]) continue;
      const TMarques avant = w.C;
      const int32_t r = lit(q, couleur);
      if (signale && !pionsmorts[q]) {
        ecritdebug("bug pas entoure car pas mort ds survieordi");
        affichecasesmarquees(p);
      }
      if (r != DEBVIVANTE) {
        --k;
        w.C = avant;
      } else {
        for (int32_t x = 0; x < NBCASES; ++x)
          if (w.O[x]) w.C[x] = w.O[x];
      }
    }
    if (k == 0) return false;
    if (!w.C[i] && !enferme(i)) return false;
    e = k2 = 0;
    for (int32_t x = 0; x < NBCASES; ++x) {
      if (!w.C[x]) continue;
      if (p[x] == VIDE) ++e;
      if (p[x] == compte && !pionsmorts[x]) ++k2;
    }
    return ajuste();
  }
  // The enclosure test of the loop, on the last output map.
  bool enferme(int32_t i) const {
    const int32_t r = lignede(i), c = colonnede(i);
    if (pastable(r, c, [&](int32_t a, int32_t b) {
          const int32_t y = indexcase(a, b);
          return (w.O[y] == ZONEMUR && infochaine[y][0] <= 3) || (w.O[y] != 0 && w.O[y] != ZONEMUR);
        }))
      return true;
    return pastable(r, c, [&](int32_t a, int32_t b) {
      if (p[indexcase(a, b)] != VIDE) return false;
      return pastable(a, b, [&](int32_t x, int32_t y) {
        const uint8_t o = w.O[indexcase(x, y)];
        return o != 0 && o != ZONEMUR;
      });
    });
  }
  // The direct reading of the stone at i; k set beforehand.
  bool directe(int32_t i, uint8_t couleur, uint8_t compte, bool plusun) {
    if (k == 0 || p[i] == VIDE) return false;
    if (lit(i, couleur) != DEBVIVANTE) return false;
    e = k2 = 0;
    for (int32_t x = 0; x < NBCASES; ++x) {
      if (!w.O[x]) continue;
      if (p[x] == VIDE) ++e;
      if (p[x] == compte && pionsmorts[x]) ++k2;
    }
    if (!ajuste()) return false;
    if (plusun && k2 == 0) ++e;
    return true;
  }
};

Travail travail;

// Points inside the enclosure that a larger move at (ligne, colonne) covers
// keep a smaller value.
void surviejoueurdiminue(const TPlateau& p, const TMarques& C, TCarte& survieB, int32_t n, int32_t ligne,
                         int32_t colonne) {
  const int32_t i = indexcase(ligne, colonne);
  bool trouve = false;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (C[q] == ZONEPOINT && casescandidates[q] && survieB[q] != 0) {
      survieB[i] = std::max(survieB[i], survieB[q]);
      trouve = true;
    }
  if (!trouve || n <= 0) return;
  for (int32_t q = 0; q < NBCASES; ++q) {
    if (C[q] != ZONEPOINT || !casescandidates[q] || survieB[q] == 0) continue;
    const TEssaiCoup& eq = E(q);
    int32_t c = compteur4essai(eq);
    for (int32_t x = 0; x < NBCASES; ++x)
      if (C[x] && p[x] == couleurjoueur && pionsmortsessai(eq)[x]) ++c;
    if (c >= n - 1) continue;
    int32_t v = survieB[i] * (c / n);
    if (v == 0) v = 10;
    if (v < survieB[q]) {
      survieB[q] = v;
      TListePoints l{};
      empilepoint(l, 1, lignede(q), colonnede(q));
      affichelistecoups(l, 1, "SURVIEjoueur diminué-bon qu un autre: ");
    }
  }
}

void trace(const char* label, int32_t i) {
  TListePoints l{};
  empilepoint(l, 1, lignede(i), colonnede(i));
  affichelistecoups(l, 1, label);
}

}  // namespace

bool comptesentourage(int32_t k, int32_t& k2, int32_t& e) {
  if (k2 == 1 && k >= 4) k2 = 0;
  if (k2 != 0) {
    if (k2 > k) return false;
    e = 0;
  }
  return true;
}

void coupdesurvieentourant(TCarte& survieB, TPlateau& p, TListePoints& famille, int32_t capfamille,
                           TListePoints& candidats, int32_t cap) {
  Travail& w = travail;
  TGardeEssai garde(p);
  Entourage x{p, w, garde};
  w.F = marquesvides;
  const uint8_t jo = couleurjoueur;
  // Variant 1.
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!casescandidates[i]) continue;
    TEssaiCoup& ep = E(i);
    if (compteur0essai(ep) < 2 || !tue(ep, i)) continue;
    x.nouveaucandidat();
    chargeessai(p, ep);
    x.masque(nullptr, VIDE);
    for (int32_t q = 0; q < NBCASES; ++q) {
      if (p[q] != jo || !tue(ep, q) || !(J(q).marquesessai[q] & BITTUEESSAI)) continue;
      if (!pionsmorts[q]) {
        ecritdebug("bug pas entoure car pas mort");
        affichecasesmarquees(p);
        continue;
      }
      w.F[q] = 1;
      w.T[q] = 1;
    }
    if (x.boucle(i, couleurordi, jo, false)) {
      const int32_t s = compteur4essai(ep) + x.k - x.k2;
      const int32_t v = 20 * (s + x.e);
      trace("COUP DE SURVIE tue joueur en l entourant: ", i);
      if (v > 0) {
        TEssaiCoup& jp = J(i);
        for (int32_t q = 0; q < NBCASES; ++q)
          if (w.C[q] && plateaudepart[q] == jo && (pionsmorts[q] || ep.plateauessai[q] == VIDE) &&
              lesfaiblesjoueur()[q] > 0 && jp.marquesessai[q] == 0)
            jp.marquesessai[q] = 2;
        survieB[i] = std::max(survieB[i], v);
        if (x.k2 == 0) surviejoueurdiminue(p, w.C, survieB, s, lignede(i), colonnede(i));
        proposecase(famille, capfamille, lignede(i), colonnede(i));
        proposecase(candidats, cap, lignede(i), colonnede(i));
        maxsurvie = std::max(maxsurvie, s + x.e);
      }
    }
    garde.restaure();
  }
  // Variant 2.
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!casescandidates[i] || !casescandidatesjoueur[i] || survieB[i] != 0) continue;
    TEssaiCoup& ep = E(i);
    TEssaiCoup& jp = J(i);
    if (compteur0essai(ep) < 2 || !tue(ep, i) || compteur3essai(jp) < 2) continue;
    x.nouveaucandidat();
    chargeessai(p, jp);
    x.k = 0;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == jo && tue(ep, q) && pionsmortsessai(ep)[q] && !marquesliaison1[q] && tue(J(q), q) && !w.F[q] &&
          !(J(q).marquesessai[q] & 0x10) && marquesliaison2[q] && !pionsmorts[q])
        ++x.k;
    x.masque(&marquesliaison1, jo);
    if (x.directe(i, jo, jo, true)) {
      const int32_t s = compteur4essai(jp) + x.k - x.k2;
      const int32_t v = 20 * (s + x.e);
      if (v != 0) {
        if (v > 0)
          for (int32_t q = 0; q < NBCASES; ++q)
            if (w.O[q] && plateaudepart[q] == jo && !pionsmorts[q] && lesfaiblesjoueur()[q] > 0 &&
                jp.marquesessai[q] == 0)
              jp.marquesessai[q] = 3;
        trace("COUP DE SURVIE tue joueur qu etait deja mortyeux en l entourant: ", i);
        survieB[i] = v;
        proposecase(famille, capfamille, lignede(i), colonnede(i));
        proposecase(candidats, cap, lignede(i), colonnede(i));
        maxsurvie = std::max(maxsurvie, s + x.e);
      }
    }
    garde.restaure();
  }
}

void survieordi(TMarques& memosurvieA, TCarte& survieA, TCarte& fortificationA, TPlateau& p, TListePoints& candidats,
                int32_t cap) {
  Travail& w = travail;
  TGardeEssai garde(p);
  Entourage x{p, w, garde};
  w.F = marquesvides;
  const uint8_t od = couleurordi, jo = couleurjoueur;
  auto memo = [&](int32_t i) { return memosurvieA[i] == 1 && survieA[i] > 0; };
  auto ecrit = [&](int32_t i, int32_t s, const char* label, const char* labeldim) {
    const int32_t v = 20 * (s + x.e);
    if (v == 0) return;
    survieA[i] = std::max(survieA[i], v);
    fortificationA[i] = survieA[i] <= fortificationA[i] ? fortificationA[i] - survieA[i] : 10;
    trace(fortificationA[i] != 0 ? labeldim : label, i);
    proposecase(candidats, cap, lignede(i), colonnede(i));
    maxsurvie = std::max(maxsurvie, s + x.e);
  };
  // Variant 1.
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!casescandidates[i]) continue;
    TEssaiCoup& ep = E(i);
    if (ep.compteur2essai < 2 || ep.carte2essai[i] != 0 || memo(i)) continue;
    x.nouveaucandidat();
    bool cible = false;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == od && marquesliaison1[q] && tue(E(q), q) && ep.carte2essai[q] == 0 &&
          !(E(q).marquesessai[q] & 0x10)) {
        w.T[q] = w.F[q] = 1;
        cible = true;
      }
    if (!cible) continue;
    pionsmorts = marquesliaison1;
    x.masque(&marquesliaison2, od);
    if (x.boucle(i, od, od, true))
      ecrit(i, compteur4essai(ep) + x.k - x.k2, "SURVIE ordi entouré au debut: ",
            "SURVIE ordi entoure au debut dim fortif: ");
    garde.restaure();
  }
  // Variant 2: the targets are read on the opponent's trial position at
  // the candidate, loaded before the pass.
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!casescandidatesjoueur[i] || !casescandidates[i]) continue;
    TEssaiCoup& ep = E(i);
    TEssaiCoup& jp = J(i);
    if (compteur0essai(jp) < 2 || !tue(jp, i) || ep.carte2essai[i] != 0 || memo(i)) continue;
    x.nouveaucandidat();
    chargeessai(p, jp);
    bool cible = false;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == od && tue(jp, q) && ep.carte2essai[q] == 0 && !tue(E(q), q)) {
        w.T[q] = 1;
        cible = true;
      }
    if (cible) {
      x.masque(&marquesliaison1, jo);
      if (x.boucle(i, jo, od, true))
        ecrit(i, compteur4essai(jp) + x.k - x.k2, "SURVIE ordi pas entouré: ", "SURVIE ordi pas entoure dim fortif: ");
    }
    garde.restaure();
  }
  // Variant 3.
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!casescandidates[i]) continue;
    TEssaiCoup& ep = E(i);
    if (compteur3essai(ep) < 2 || ep.carte2essai[i] == 0 || memo(i)) continue;
    x.nouveaucandidat();
    chargeessai(p, ep);
    x.k = 0;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == od && marquesliaison1[q] && tue(E(q), q) && !pionsmorts[q] && !(E(q).marquesessai[q] & 0x10) &&
          !w.F[q])
        ++x.k;
    x.masque(&marquesliaison2, od);
    if (p[i] == od && x.directe(i, od, od, false))
      ecrit(i, compteur4essai(ep) + x.k - x.k2, "SURVIE ordi entouré par seki ou autre mort yeux au debut: ",
            "SURVIE ordi entoure par seki ou autre mort yeux au debut dim fortif: ");
    garde.restaure();
  }
}
