// Capturable-chain marking over the capture reading.
#include "engine/reading/marquage.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/reading/prise.h"
#include "engine/reading/prise_cartes.h"

namespace {

// Scratch lists of the passes.
TListePoints libertes, adversaires, voisines, faibles, rassembles, prises;
TMarques vus, lus, ensembles;

// Sets `v` over the chain through (r, c) in `m` (whatever `m` held there).
void ecritchaine(const TPlateau& p, TMarques& m, uint8_t v, int32_t r, int32_t c) {
  TMarques chaine = marquesvides;
  marquepionschaine(p, chaine, 0, r, c);
  for (int32_t k = 0; k < NBCASES; ++k)
    if (chaine[k]) m[k] = v;
}

}  // namespace

void marquechainesprenables(TPlateau& p, int32_t profondeur, int32_t limite, uint8_t couleur) {
  const int32_t n = taillemoteur();
  // Reading maps and the saved dead marks.
  preparecartelecture(p);
  pionsmorts = pionsmortssauves;
  // Chain heads in scan order.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] == VIDE || infochaine[i][1] == 0) continue;
      if (marquesglobales[i] || infochainelecture[i][0] > limite) continue;
      // With no side to move (colour 2, the final status) a chain is lost
      // only when it falls with its owner to move: read with the other
      // colour as the one that has just moved.
      const uint8_t joue = couleur <= NOIR ? couleur : static_cast<uint8_t>(1 - p[i]);
      if ((infochaine[i][0] == 1 && p[i] == joue) || testprise(p, r, c, profondeur, limite, joue, pointko))
        marquechaine(p, r, c);
    }
}

void marquechainesenatari(uint8_t couleur, TPlateau& p, int32_t& change, int32_t profondeur, TPoint point,
                          int32_t limite) {
  const int32_t n = taillemoteur();
  change = 0;
  preparecartelecture(p);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] == couleur && infochaine[i][0] == 1 && !pionsmorts[i]) {
        pionsmorts[i] = 1;
        change = 1;
      }
    }
  if (!reel(point) || !surplateau(point)) return;
  const int32_t i = ix(point.ligne, point.colonne);
  if (pionsmorts[i] || p[i] == VIDE || infochainelecture[i][0] > limite) return;
  if (testprise(p, point.ligne, point.colonne, profondeur, limite, couleur, pointko)) {
    marquechaine(p, point.ligne, point.colonne);
    change = 1;
  }
}

bool testpriseaprescoup(TPlateau& p, int32_t ligne, int32_t colonne, int32_t profondeur, int32_t limite,
                        uint8_t couleur, uint8_t autre) {
  TListePoints& l = libertes;
  l[0] = 0;
  TMarques vu = marquesvides;
  libertesatarivoisines(p, l, CAPACITEMARQUAGE, 0, ligne, colonne, vu);
  if (nbpoints(l) == 0) return false;
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    jouecoup(prises, CAPACITELISTE, p, ligneliste(l, k), colonneliste(l, k), couleur, autre);
  return testprise(p, ligne, colonne, profondeur, limite, couleur, pointko);
}

void revisechainesmortes(const TMarques& marques, TPlateau& p, int32_t /*inutilise*/, int32_t profondeur,
                         int32_t ligne, int32_t colonne, int32_t limite) {
  const int32_t i0 = ix(ligne, colonne);
  if (!pionsmorts[i0] || p[i0] == VIDE) return;
  const uint8_t o = p[i0];
  const uint8_t e = static_cast<uint8_t>(1 - o);
  // A dead enemy neighbour that the marks do not hold: nothing to revise.
  if (pastable(ligne, colonne, [&](int32_t r, int32_t c) {
        const int32_t j = ix(r, c);
        return p[j] == e && pionsmorts[j] && !marques[j];
      }))
    return;
  // The chain extends on its first liberty.
  const TPoint lib = premiereliberte(p, ligne, colonne);
  if (!reel(lib)) return;
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TPoint> gardeko(pointko);
  jouecoup(prises, CAPACITELISTE, p, lib.ligne, lib.colonne, o, e);
  const int32_t il = ix(lib.ligne, lib.colonne);
  // A refused extension leaves the chain as lost as it was.
  if (p[il] != o) return;
  // Still lost: nothing changes.
  if (infochaine[il][1] != 1 && testprise(p, lib.ligne, lib.colonne, profondeur, limite, e, pointko)) return;
  // The chain survives.
  const TMarques& liens = o == couleurordi ? marquesliaison2 : marquesliaison1;
  (o == couleurordi ? essaiordi(ligne, colonne) : essaijoueur(ligne, colonne)).formeessai |= BITRELUVIVANT;
  // The chains of the region read again.
  TMarques& vu = vus;
  vu = marquesvides;
  marquepionschaine(p, vu, 0, lib.ligne, lib.colonne);
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (vu[j]) continue;
      const uint8_t lecteur = liens[j] ? o : e;
      if (p[j] == o && marques[j] && !pionsmorts[j]) {
        if (testprise(p, r, c, profondeur, limite, lecteur, pointko)) marquechaine(p, r, c);
        else marquepionschaine(p, vu, 0, r, c);
      } else if (p[j] == e && !marques[j] && pionsmorts[j]) {
        if (!testprise(p, r, c, profondeur, limite, lecteur, pointko)) demarquechaine(p, r, c);
        else marquepionschaine(p, vu, 0, r, c);
      }
    }
  // The extension point itself is not dead.
  pionsmorts[il] = 0;
}

void testprisechainesvoisines(const TMarques& a, TMarques& sortie, TPlateau& p, uint8_t c1, uint8_t c2,
                              int32_t profondeur, TPoint premier, TPoint second, int32_t limite) {
  // Output starts from the current dead marks.
  sortie = pionsmorts;
  preparecartelecture(p);
  const int32_t reduction = niveau > 7 ? 0 : 2;
  const auto lit = [&](TPoint pt, uint8_t couleur, bool sauteA) {
    if (!reel(pt) || !surplateau(pt) || p[ix(pt.ligne, pt.colonne)] == VIDE) return;
    const uint8_t camp = p[ix(pt.ligne, pt.colonne)];
    // The weak enemy chains next to the chain.
    libertes[0] = adversaires[0] = voisines[0] = 0;
    TMarques vu = marquesvides;
    libertesetadversaires(p, libertes, CAPACITEMARQUAGE, 0, pt.ligne, pt.colonne, vu, CAPACITEMARQUAGE,
                          adversaires);
    TMarques& listees = vus;
    listees = marquesvides;
    for (int32_t k = 1; k <= nbpoints(adversaires); ++k) {
      const int32_t r = ligneliste(adversaires, k), c = colonneliste(adversaires, k);
      const int32_t j = ix(r, c);
      if (listees[j] || (sauteA && a[j])) continue;
      if (infochainelecture[j][0] > limite || pionsmorts[j]) continue;
      if (infochaine[j][0] > 2 && !(p[j] == NOIR ? ciblesnoires[j] : ciblesblanches[j])) continue;
      // Listed by its head, where it is read.
      TPoint tete{r, c};
      marchechaine(p, listees, p[j], 0, r, c, RegleChaine{.entre = [&](int32_t q, int32_t rq, int32_t cq) {
                     if (infochaine[q][1] != 0) tete = TPoint{rq, cq};
                   }});
      empilepoint(voisines, CAPACITEMARQUAGE, tete.ligne, tete.colonne);
    }
    // Each read; a lost one frees the dead stones of our side around it.
    for (int32_t k = 1; k <= nbpoints(voisines); ++k) {
      const int32_t r = ligneliste(voisines, k), c = colonneliste(voisines, k);
      if (!testprise(p, r, c, profondeur - reduction, limite, couleur, pointko)) continue;
      ecritchaine(p, sortie, 1, r, c);
      flagrelie = 1;
      TMarques chaine = marquesvides;
      marquepionschaine(p, chaine, 0, r, c);
      TMarques& relus = lus;
      relus = marquesvides;
      for (int32_t j = 0; j < NBCASES; ++j) {
        if (!chaine[j]) continue;
        const int32_t rj = j / TAILLEMAX + 1, cj = j % TAILLEMAX + 1;
        pastable(rj, cj, [&](int32_t r2, int32_t c2) {
          const int32_t q = ix(r2, c2);
          if (p[q] != camp || !pionsmorts[q] || relus[q]) return false;
          marquepionschaine(p, relus, 0, r2, c2);
          if (!testprise(p, r2, c2, profondeur - reduction, limite, couleur, pointko)) ecritchaine(p, sortie, 0, r2, c2);
          return false;
        });
      }
    }
  };
  lit(premier, c1, false);
  // From level 8 the second point is read too.
  if (niveau >= 8) lit(second, c2, true);
}

void chainesennemiesprenables(TPlateau& p, const TMarques& marques, int32_t& drapeaux, int32_t profondeur,
                              int32_t ligne, int32_t colonne, int32_t limite, int32_t mode) {
  const int32_t i0 = ix(ligne, colonne);
  if (p[i0] == VIDE) return;
  const uint8_t e = static_cast<uint8_t>(1 - p[i0]);
  const int32_t n = taillemoteur();
  // Global marks swapped for the saved dead marks during the reading.
  const Restaure<TMarques> gardeglobales(marquesglobales);
  marquesglobales = pionsmortssauves;
  preparecartelecture(p);

  // Gathering: one stone per enemy chain around the group.
  TListePoints& g = rassembles;
  g[0] = libertes[0] = adversaires[0] = faibles[0] = 0;
  TMarques& v = vus;
  v = marquesvides;
  libertesetadversaires(p, libertes, CAPACITEMARQUAGE, 0, ligne, colonne, v, CAPACITEMARQUAGE, adversaires);
  for (int32_t k = 1; k <= nbpoints(libertes); ++k)
    pastable(ligneliste(libertes, k), colonneliste(libertes, k), [&](int32_t r, int32_t c) {
      const int32_t j = ix(r, c);
      if (!v[j] && p[j] == e && infochainelecture[j][0] <= limite)
        empilepoint(adversaires, CAPACITEMARQUAGE, r, c);
      return false;
    });
  // The chains already gathered (the walk's marks hold the adjacent stones
  // themselves, which must still be gathered).
  TMarques& pris = ensembles;
  pris = marquesvides;
  TMarques vufaibles = marquesvides;
  for (int32_t k = 1; k <= nbpoints(adversaires); ++k) {
    const int32_t r = ligneliste(adversaires, k), c = colonneliste(adversaires, k);
    const int32_t j = ix(r, c);
    if (infochainelecture[j][0] > limite || pris[j]) continue;
    if (infochaine[j][0] <= 2) listechainesfaibles(p, faibles, CAPACITEMARQUAGE, 0, r, c, vufaibles);
    marquepionschaine(p, pris, 0, r, c);
    marquepionschaine(p, v, 0, r, c);
    if (!pionsmorts[j]) empilepoint(g, CAPACITEMARQUAGE, r, c);
  }
  for (int32_t k = 1; k <= nbpoints(faibles); ++k) {
    const int32_t r = ligneliste(faibles, k), c = colonneliste(faibles, k);
    const int32_t j = ix(r, c);
    if (pris[j] || p[j] != e || pionsmorts[j]) continue;
    marquepionschaine(p, pris, 0, r, c);
    marquepionschaine(p, v, 0, r, c);
    empilepoint(g, CAPACITEMARQUAGE, r, c);
  }
  // The window: live enemy chains only.
  voisines[0] = 0;
  chainesdansfenetre(v, voisines, p, 0, mode <= 0 ? 2 : 1, limite, ligne, colonne);
  for (int32_t k = 1; k <= nbpoints(voisines); ++k) {
    const int32_t r = ligneliste(voisines, k), c = colonneliste(voisines, k);
    if (p[ix(r, c)] == e && !pionsmorts[ix(r, c)]) empilepoint(g, CAPACITEMARQUAGE, r, c);
  }

  // Readings.
  TMarques& w = lus;
  w = marquesvides;
  const auto lit = [&](int32_t r, int32_t c, int32_t borne) {
    const int32_t j = ix(r, c);
    if (testprise(p, r, c, profondeur, borne, e, pointko)) {
      marquechaine(p, r, c);
      if (!marques[j]) drapeaux |= BITCHAINESPRENABLES;
    } else {
      marquepionschaine(p, w, 0, r, c);
    }
  };
  for (int32_t k = 1; k <= nbpoints(g); ++k) {
    const int32_t r = ligneliste(g, k), c = colonneliste(g, k);
    const int32_t j = ix(r, c);
    if (p[j] == e && !w[j] && !pionsmorts[j]) lit(r, c, limite);
  }
  // Enemy stones the marks hold: dead without reading.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] == e && marques[j] && !w[j]) marquechaine(p, r, c);
    }
  // The weak enemy chains of the board.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != e || infochaine[j][1] == 0 || infochaine[j][0] > 2) continue;
      if (w[j] || marquesglobales[j] || pionsmorts[j]) continue;
      lit(r, c, 2);
    }
}

void testprisesapresessai(TPlateau& p, uint8_t couleur, int32_t profondeur, TPoint paire, int32_t& change,
                          int32_t mode, int32_t premier, TPoint a, TPoint b, int32_t limite) {
  const int32_t n = taillemoteur();
  TMarques& v = vus;
  v = marquesvides;
  int32_t k = 0;
  constexpr int32_t PEINTUREMAX = 254;  // paint values 1..254; later chains share 255
  const auto peint = [&](int32_t r, int32_t c) {
    if (k < PEINTUREMAX) ++k;
    peintchaine(p, v, static_cast<uint8_t>(k < PEINTUREMAX ? k : 255), r, c);
  };
  // The threatened stones of side `camp` that a record flags.
  const auto menaces = [&](const TEssaiCoup& rec, uint8_t camp, const auto& sinon) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = ix(r, c);
        if (v[j] || p[j] != camp || pionsmorts[j] || plateaudepart[j] != camp) continue;
        if (!(rec.liensessai[j] & BITMENACEESSAI)) continue;
        if (testprise(p, r, c, profondeur, limite, couleur, paire)) {
          marquechaine(p, r, c);
          change = 1;
        } else {
          sinon(r, c);
        }
      }
  };
  // The opponent's trial at A.
  if (mode != 1 && reel(a) && surplateau(a)) {
    const TEssaiCoup& rec = essaijoueur(a.ligne, a.colonne);
    if (rec.liensessai[ix(a.ligne, a.colonne)] & BITMENACEESSAI) {
      if (premier == 1 && reel(b) && surplateau(b) && p[ix(b.ligne, b.colonne)] != VIDE)
        marquepionschaine(p, v, 0, b.ligne, b.colonne);
      menaces(rec, couleurordi, peint);
      // The engine's chains in atari beside the opponent's stone.
      const int32_t ia = ix(a.ligne, a.colonne);
      if (k > 1 && couleur == couleurjoueur && p[ia] == couleurjoueur && !pionsmorts[ia])
        pastable(a.ligne, a.colonne, [&](int32_t r, int32_t c) {
          const int32_t j = ix(r, c);
          if (p[j] == couleurordi && infochaine[j][0] == 1 && !v[j] && !pionsmorts[j]) peint(r, c);
          return false;
        });
      // Two or more of them lost together are marked together.
      if (k >= 2) {
        TMarques& ensemble = ensembles;
        ensemble = marquesvides;
        int32_t perdues = 0;
        for (int32_t g = 1; g <= k; ++g) {
          int32_t pierres = 0;
          TPoint une{};
          for (int32_t j = 0; j < NBCASES; ++j)
            if (v[j] == g && p[j] != VIDE) {
              ++pierres;
              if (!reel(une)) une = TPoint{j / TAILLEMAX + 1, j % TAILLEMAX + 1};
            }
          if (!reel(une)) continue;
          // Every stone of one paint belongs to one chain: one reading answers for all.
          const int32_t iu = ix(une.ligne, une.colonne);
          if (infochaine[iu][0] == 1 ||
              testprise(p, une.ligne, une.colonne, profondeur, limite, couleurordi, pointko)) {
            perdues += pierres;
            marquepionschaine(p, ensemble, 0, une.ligne, une.colonne);
          }
        }
        if (perdues > 1) {
          for (int32_t j = 0; j < NBCASES; ++j)
            if (ensemble[j]) pionsmorts[j] = 1;
          change = 1;
        }
      }
    }
  }
  // The engine's trial at B.
  if (mode != 2 && reel(b) && surplateau(b)) {
    const TEssaiCoup& rec = essaiordi(b.ligne, b.colonne);
    if (rec.liensessai[ix(b.ligne, b.colonne)] & BITMENACEESSAI)
      menaces(rec, couleurjoueur, [&](int32_t r, int32_t c) { marquepionschaine(p, v, 0, r, c); });
  }
}
