// Two-colour territory estimate and the zone-board preparations beside it.
#include "engine/territory/estimation.h"

#include "engine/board/acces.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/territory/influence.h"
#include "engine/territory/preparation.h"

TMarques pionsmortsestime;

namespace {

// The whole of an estimate: the maps, the counts and what was counted.
struct Estimation {
  TCarte& R;        // result
  TCarte& W;        // work map
  int32_t& blancs;
  int32_t& noirs;
  const TPlateau& p;
  TPlateau B{};     // board without dead stones and the asker's stones in atari
  TMarques compte{};  // colour a point was counted for, 2 none

  void compter(int32_t j, uint8_t x) {
    compte[j] = x;
    (x == NOIR ? noirs : blancs) += 1;
  }
  // Takes the point's value away with its count.
  void efface(int32_t j) {
    R[j] = 0;
    if (compte[j] != VIDE) (compte[j] == NOIR ? noirs : blancs) -= 1;
    compte[j] = VIDE;
  }

  // The closed regions of `x` on B prepared for x write
  // their mark (black +1, white -1; a point marked by both is 0).
  void regionsfermees(uint8_t x, TCarte& marques) const {
    const int32_t n = taillemoteur();
    TPlateau peint = B;
    prepareterritoire(1, peint, x, autre(x));
    TMarques vu = marquesvides;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        if (vu[ix(r, c)] || peint[ix(r, c)] != VIDE) continue;
        // The walk paints while its flag holds; only a whole enclosed region counts.
        const TMarques avant = vu;
        TMarques region = marquesvides;
        uint8_t seul = 1;
        zonevideentouree(peint, seul, x, region, 0, r, c, vu);
        if (!seul) continue;
        for (int32_t j = 0; j < NBCASES; ++j)
          if (vu[j] && !avant[j]) peint[j] = x;
      }
    // Corner zones count in the opening, with the fuseki flag, or when the
    // engine plays the other colour.
    const bool coins = debutpartie == 1 || couleurdemandee == autre(x) || flagfuseki;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = ix(r, c);
        if (peint[j] != x || B[j] == x || !entoureparcouleur(peint, x, r, c)) continue;
        if (zonescoins[j] && !coins) continue;
        if (x == NOIR) marques[j] = 1;
        else marques[j] = marques[j] == 1 ? 0 : -1;
      }
  }
};

}  // namespace

void estimeterritoire(TCarte& resultat, TCarte& travail, uint8_t couleur, int32_t passes, int32_t& blancs,
                      int32_t& noirs, const TPlateau& p, uint8_t finir) {
  const int32_t n = taillemoteur();
  // Counts and work map cleared; the estimate keeps its own dead marks.
  blancs = 0;
  noirs = 0;
  travail.fill(0);
  pionsmortsestime = pionsmorts;
  // Too few stones to say anything.
  int32_t pierres = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (p[ix(r, c)] != VIDE) ++pierres;
  if (pierres < 3) {
    resultat.fill(0);
    return;
  }
  Estimation e{resultat, travail, blancs, noirs, p};
  e.compte.fill(VIDE);
  // Board without the dead stones and the mover's stones in atari.
  e.B = p;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] != VIDE && (pionsmorts[j] || (p[j] == couleur && infochaine[j][0] == 1))) e.B[j] = VIDE;
  // Closed regions, black then white.
  TCarte marques{};
  e.regionsfermees(NOIR, marques);
  e.regionsfermees(BLANC, marques);
  // Influence.
  const int32_t n2 = passes > 0 ? passes : 0;
  compteterritoires(e.B, resultat, n2);
  compteterritoires2(resultat, n2 * (n2 - 1) + 1);
  // Closed regions override; the count.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (marques[j] != 0) resultat[j] = marques[j];
      if (e.B[j] != VIDE) continue;
      if (resultat[j] < 0 && p[j] != BLANC) e.compter(j, BLANC);
      else if (resultat[j] > 0 && p[j] != NOIR) e.compter(j, NOIR);
    }
  // Dead chains standing in their own colour's area.
  TMarques examines = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      const uint8_t x = p[j];
      if (x == VIDE || !pionsmorts[j] || !pionsmortsestime[j] || examines[j]) continue;
      if (!(x == BLANC ? resultat[j] < 0 : resultat[j] > 0)) continue;
      if (!chainerevivable(p, resultat, r, c)) marquepionschaine(p, examines, 0, r, c);
    }
  // Weak borders; neutral points record the sign their empty
  // neighbours agree on (the first one's value), 0 when they disagree.
  TMarques notes = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != VIDE) continue;
      const int32_t v = resultat[j];
      if (v < 0 && voisinfaibleoumort(p, r, c, BLANC)) {
        e.efface(j);
      } else if (v > 0 && voisinfaibleoumort(p, r, c, NOIR)) {
        e.efface(j);
      } else if (v == 0) {
        int32_t note = 0;
        bool accord = true;
        pastable(r, c, [&](int32_t r2, int32_t c2) {
          const int32_t k = ix(r2, c2);
          if (p[k] != VIDE) return false;
          const int32_t w = resultat[k];
          if (note == 0 && accord) note = w;
          if (w == 0 || (w > 0) != (note > 0)) accord = false;
          return !accord;
        });
        if (accord && note != 0) {
          travail[j] = note;
          notes[j] = 1;
        }
      }
    }
  // Records touching the other side's stones: the record goes and
  // the neighbours of its sign lose their value.
  TMarques revus = notes;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (!notes[j] || travail[j] == 0) continue;
      const int32_t signe = travail[j] > 0 ? 1 : -1;
      if (!voisincouleur(e.B, signe > 0 ? BLANC : NOIR, r, c)) continue;
      travail[j] = 0;
      pastable(r, c, [&](int32_t r2, int32_t c2) {
        const int32_t k = ix(r2, c2);
        if (e.B[k] == VIDE && resultat[k] * signe > 0) {
          e.efface(k);
          revus[k] = 1;
        }
        return false;
      });
    }
  // Last sweep over the recorded and the cleared points.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (!revus[j] || resultat[j] != 0 || p[j] != VIDE) continue;
      // Some empty neighbour leans toward the colour (sign `signe`) in neither
      // map, or a stone of the colour held dead touches the point.
      const auto refuse = [&](int32_t signe, uint8_t x) {
        return pastable(r, c, [&](int32_t r2, int32_t c2) {
          const int32_t k = ix(r2, c2);
          if (p[k] == x && pionsmortsestime[k]) return true;
          return p[k] == VIDE && resultat[k] * signe <= 0 && travail[k] * signe <= 0;
        });
      };
      if (!refuse(-1, BLANC)) {
        resultat[j] = -1;
        e.compter(j, BLANC);
      } else if (!refuse(1, NOIR)) {
        resultat[j] = 1;
        e.compter(j, NOIR);
      }
    }
  travail = resultat;
  // Owners marked when asked.
  if (finir) marqueproprietaires(resultat, travail, p);
}

void fermebordszone(const TMarques& marques, TPlateau& p, uint8_t couleur) {
  const int32_t n = taillemoteur();
  // The zone's stones lifted.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] == couleur && marques[j]) p[j] = VIDE;
  // Gaps between two stones of one zone record.
  const auto memezone = [&](int32_t r1, int32_t c1, int32_t r2, int32_t c2) {
    const int32_t a = ix(r1, c1), b = ix(r2, c2);
    return p[a] == couleur && p[b] == couleur && infozones[a].numero != 0 &&
           infozones[a].numero == infozones[b].numero;
  };
  remplissage::TListeRemplissage l;
  for (int32_t r = 2; r <= n - 1; ++r)
    for (int32_t c = 2; c <= n - 1; ++c)
      if (p[ix(r, c)] == VIDE && (memezone(r - 1, c, r + 1, c) || memezone(r, c - 1, r, c + 1)))
        l.ajoute(r, c);
  remplissage::remplitliste(0, p, couleur, l);
  // First-line pairs under a strong stone of the colour. A pair
  // with an enemy stone inward is left alone, so the claim stays under the
  // colour's own wall.
  remplissage::TListeRemplissage bord;
  const uint8_t ennemi = autre(couleur);
  const auto fort = [&](int32_t r, int32_t c) { return p[ix(r, c)] == couleur && infochaine[ix(r, c)][0] > 2; };
  for (int32_t k = 0; k < 4; ++k)
    for (int32_t i = 1; i <= n - 1; ++i) {
      // (r, c) on the edge, (ri, ci) inward, for i and i + 1.
      int32_t r[2], c[2], ri[2], ci[2];
      for (int32_t a = 0; a < 2; ++a) {
        const int32_t t = i + a;
        r[a] = k == 0 ? 1 : k == 1 ? n : t;
        c[a] = k == 2 ? 1 : k == 3 ? n : t;
        ri[a] = k == 0 ? 2 : k == 1 ? n - 1 : t;
        ci[a] = k == 2 ? 2 : k == 3 ? n - 1 : t;
      }
      if (p[ix(r[0], c[0])] != VIDE || p[ix(r[1], c[1])] != VIDE) continue;
      if (p[ix(ri[0], ci[0])] == ennemi || p[ix(ri[1], ci[1])] == ennemi) continue;
      for (int32_t a = 0; a < 2; ++a)
        if (fort(ri[a], ci[a])) bord.ajoute(r[a], c[a]);
    }
  remplissage::remplitliste(0, p, couleur, bord);
}

void remplitzonesanspions(const TMarques& marques, TPlateau& p, uint8_t couleur) {
  const uint8_t ennemi = autre(couleur);
  const TPlateau depart = p;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] == couleur && marques[j]) p[j] = VIDE;
  TListePoints retires;
  retires[0] = 0;
  retirepionsisolesbords(retires, CAPACITERETIRES, p, couleur);
  fermebreches(p, couleur);
  remplitcasesneutres(1, p, couleur, ennemi);
  fermeecarts(1, p, couleur);
  // Every lifted stone comes back.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (depart[j] == couleur) p[j] = couleur;
}

int32_t comptezone(TPlateau& p, const TMarques& masque, uint8_t couleur) {
  int32_t leves = 0;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] == couleur && masque[j]) {
      p[j] = VIDE;
      ++leves;
    }
  return leves;
}
