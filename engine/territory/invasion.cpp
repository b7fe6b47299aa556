// Invasion zones, weighted liberties and the monkey-jump and bamboo-joint shapes.
#include "engine/territory/invasion.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/connection/lienvivant.h"

namespace {

int32_t poids(uint8_t couleur, int32_t j) {
  if (territoire[j] == couleur) return 3;
  if (territoire2[j] == couleur) return 2;
  return 1;
}

// Raises the score at q to v and lists q once.
void marque(TListePoints& liste, int32_t cap, TCarte& scores, int32_t r, int32_t c, int32_t v) {
  ajoutecaseliste(r, c, liste, cap);
  if (v > scores[ix(r, c)]) scores[ix(r, c)] = v;
}

}  // namespace

int32_t bandeinvasion(int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  return ligne <= 3 || ligne >= n - 2 || colonne <= 3 || colonne >= n - 2 ? 4 : 2;
}

void zoneinvasion(TMarques& zone, const TPlateau& p, uint8_t couleur, int32_t passes, uint8_t autre) {
  const int32_t n = taillemoteur();
  zone = pionsmortssauves;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (territoire[ix(r, c)] == couleur || territoire2[ix(r, c)] == couleur) zone[ix(r, c)] = 1;
  TMarques t = zone;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (p[ix(r, c)] == VIDE && nbvoisinsnonnuls(t, r, c)) zone[ix(r, c)] = 1;
  for (int32_t k = 0; k < passes; ++k) {
    t = zone;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = ix(r, c);
        if (p[j] == VIDE && bandeinvasion(r, c) == 4 && !zone[j] && nbvoisinsnonnuls2(t, r, c) &&
            !voisincouleur(p, autre, r, c))
          zone[j] = 1;
      }
  }
}

int32_t libertesponderees(const TPlateau& p, const TMarques& zone, uint8_t couleur, int32_t colonne, int32_t ligne,
                          uint8_t chaine) {
  const int32_t i = ix(ligne, colonne);
  if (!zone[i]) return 0;
  const int32_t propre = poids(couleur, i);
  TListePoints libs;
  libs[0] = 0;
  TMarques vu = marquesvides, pierres;
  for (int32_t j = 0; j < NBCASES; ++j) pierres[j] = p[j] == chaine ? 1 : 0;
  bordregion(p, libs, MAXPOINTSLISTE, 0, ligne, colonne, pierres, vu);
  int32_t total = propre;
  for (int32_t k = 1; k <= nbpoints(libs); ++k) {
    const int32_t j = ix(ligneliste(libs, k), colonneliste(libs, k));
    if (!zone[j]) return propre;
    if (p[j] == VIDE) total += poids(couleur, j);
  }
  return total;
}

int32_t valeurlibertesponderee(TPlateau& p, const TMarques& zone, uint8_t couleur, int32_t colonne, int32_t ligne,
                               uint8_t autre) {
  const int32_t i = ix(ligne, colonne);
  const uint8_t avant = p[i];
  p[i] = VIDE;
  const int32_t l = libertesponderees(p, zone, couleur, colonne, ligne, couleur);
  p[i] = avant;
  const int32_t bande = bandeinvasion(ligne, colonne) == 4 ? 2 : 1;
  const int32_t diviseur = estlieachainevivanteavecmorts(pionsmorts, p, ligne, colonne, couleur, autre) ? 2 : 8;
  return bande * l * 5 / diviseur;
}

void invasionsingebambou(const TMarques& marqueszone, uint8_t joueur, uint8_t autre, TListePoints& liste,
                         int32_t cap, TCarte& scores, TPlateau& p, TCarteEssai morts, TCarteEssai libres) {
  const int32_t n = taillemoteur();
  // Scores cleared; dead marks and chains come back on leaving.
  scores.fill(0);
  const TMarques mortsentree = pionsmorts;
  EnSortie remetmorts([&] { pionsmorts = mortsentree; });
  Restaure<TInfoChaine> chaines(infochaine);
  // Only in the opening phase, with nothing more urgent on the board.
  if (maxsurvie >= 3 || coupdecide || !phasedebut || passesconsecutives != 0 || numerocoup <= 4 ||
      flagterritoire >= 3 || compteurinvasions >= 1)
    return;
  // The other side's area, grown along the edge; the free points.
  TMarques zone;
  zoneinvasion(zone, p, autre, 2, joueur);
  TMarques k = pionsmortssauves;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] == VIDE && !marqueszone[j] && (essaijoueur(r, c).*libres)[j] == 0) k[j] = 1;
    }
  // A stone of `autre` tried at q, its former content put back after `f`.
  const auto essaie = [&](int32_t r, int32_t c, auto&& f) {
    const int32_t j = ix(r, c);
    const uint8_t ancien = p[j];
    p[j] = autre;
    f();
    p[j] = ancien;
  };
  // The same with the stone's liberty count in the chain table, where the
  // edge patterns read it (they never link a stone of fewer than 3).
  const auto essaiecompte = [&](int32_t r, int32_t c, auto&& f) {
    const int32_t j = ix(r, c);
    const TEntreeChaine entree = infochaine[j];
    essaie(r, c, [&] {
      infochaine[j][0] = static_cast<uint16_t>(nblibertes(p, r, c));
      f();
    });
    infochaine[j] = entree;
  };
  // Monkey jumps, edge by edge, corners left out; the jump and the
  // window points are tried with a stone of `autre`.
  for (int32_t i = 2; i <= n - 1; ++i) {
    const TPoint sauts[4] = {{i, 1}, {n, i}, {i, n}, {1, i}};
    for (const TPoint& s : sauts) {
      const int32_t j = ix(s.ligne, s.colonne);
      if (p[j] != VIDE || !zone[j] || !casescandidatesjoueur[j]) continue;
      pionsmorts = essaijoueur(s.ligne, s.colonne).*morts;
      bool lie = false;
      int32_t diviseur = 8;
      essaiecompte(s.ligne, s.colonne, [&] {
        lie = pionlieachainevivanteforme(p, s.ligne, s.colonne, autre, joueur);
        if (lie && estlieachainevivanteavecmorts(pionsmorts, p, s.ligne, s.colonne, autre, joueur)) diviseur = 2;
      });
      if (!lie) continue;
      // The mover's stones beside the empty jump point, as the bamboo joint
      // weighs the mover's chain at its point.
      const int32_t v = libertesponderees(p, zone, autre, s.colonne, s.ligne, joueur);
      const int32_t score = bandeinvasion(s.ligne, s.colonne) * v * 5 / diviseur;
      int32_t lmin, lmax, cmin, cmax;
      bornesfenetre(s.ligne, s.colonne, 2, lmin, lmax, cmin, cmax);
      for (int32_t r = lmin; r <= lmax; ++r)
        for (int32_t c = cmin; c <= cmax; ++c) {
          if (!k[ix(r, c)]) continue;
          essaiecompte(r, c, [&] {
            if ((r == s.ligne && c == s.colonne) || !pionlieachainevivanteforme(p, r, c, autre, joueur))
              marque(liste, cap, scores, r, c, score);
          });
        }
    }
  }
  // Bamboo joints tried with a stone of `joueur`.
  pionsmorts = mortsentree;
  TListePoints bord, centre;
  bord[0] = centre[0] = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != VIDE || !casescandidatesjoueur[i]) continue;
      const int32_t bande = bandeinvasion(r, c);
      if (!(bande == 4 ? zone[i] != 0 : territoire[i] == autre || territoire2[i] == autre)) continue;
      pionsmorts = essaijoueur(r, c).*morts;
      p[i] = joueur;
      infochaine[i][0] = static_cast<uint16_t>(nblibertes(p, r, c));
      if (pionlieachainevivanteparsaut(p, r, c, autre, joueur)) {
        const int32_t diviseur = estlieachainevivanteavecmorts(pionsmorts, p, r, c, autre, joueur) ? 2 : 8;
        empilepoint(bande == 4 ? bord : centre, MAXPOINTSLISTE, r, c);
        const int32_t v = libertesponderees(p, zone, autre, c, r, joueur);
        const int32_t score = bande * v * 5 / diviseur;
        int32_t lmin, lmax, cmin, cmax;
        bornesfenetre(r, c, 1, lmin, lmax, cmin, cmax);
        for (int32_t r2 = lmin; r2 <= lmax; ++r2)
          for (int32_t c2 = cmin; c2 <= cmax; ++c2) {
            if (!k[ix(r2, c2)]) continue;
            if (r2 == r && c2 == c) {
              marque(liste, cap, scores, r2, c2, score);
              continue;
            }
            essaie(r2, c2, [&] {
              if (!pionlieachainevivanteparsaut(p, r2, c2, autre, joueur)) marque(liste, cap, scores, r2, c2, score);
            });
          }
      }
      infochaine[i][0] = 0;
      p[i] = VIDE;
    }
  // The trace of the lists and scores.
  affichelistecoups(bord, MAXPOINTSLISTE, "INVASION BAMBOU BORD: ");
  affichelistecoups(centre, MAXPOINTSLISTE, "INVASION BAMBOU CENTRE: ");
  affichecartefamille(scores, joueur, p, "INVASION SINGE: ");
}
