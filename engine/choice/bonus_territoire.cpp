// Territory terms of unit bonus: the territory and border stones of one
// colour at the end of a line of play (its opening form before that), the
// line's own moves that the fills give away, the dead marks adjusted before
// the count, and the territory a candidate gains when the weak chains die.
//
// Contract of the path flags and the extra point (the search fills them,
// these terms only read them): the flag of move k of the line, at index
// k - 1, is 1 when that move captured stones (the search's capture count of
// depth k); flags past the line's end are 0. The extra point is the line's
// last move, handed on to marquepetiteschaines2 so that a lone stone just
// played may be lifted with the others.
#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/board/formes.h"
#include "engine/choice/bonus.h"
#include "engine/proposals/testscandidats.h"
#include "engine/territory/estimation.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/influence.h"
#include "engine/territory/preparation.h"
#include "engine/territory/seki.h"

namespace {

inline bool drapeau(const uint8_t* d, int32_t k) { return d != nullptr && k >= 1 && k <= DRAPEAUXCHEMIN && d[k - 1]; }

struct Brouillon {
  TPlateau i, w, s;
  TMarques vu, vu2;
  TCarte f, d1, d2, l1, l2;
  TInfoChaine chaines;
  TListePoints chemin;
};
Brouillon brouillon_;
Brouillon& brouillon() { return brouillon_; }

// The status drivers of the full form (level 3 and up: full driver and
// seki) or the light form; marquesdetect, infochaine and the board come back.
void statutpourterritoire(TPlateau& p, uint8_t c) {
  const Restaure<TMarques> gardedetect(marquesdetect);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TPlateau> gardeplateau(p);
  int32_t res = 0;
  if (niveaumin3) {
    detectetatchaine(c, VIDE, res, p, 1, 0, 0, 0);
    int32_t seki = 0;
    const TMarques marques = pionsmorts;
    detectseki(seki, marques, p, 0);
  } else {
    detectetatchaine(c, VIDE, res, p, 0, 0, 0, 0);
  }
}

// The first move of the line judged lost (`tardif` adds the late-capture
// form of the full count).
void testpremiercoup(const TPlateau& p, const uint8_t* drapeaux, uint8_t& premier, uint8_t c, uint8_t m,
                     const TListePoints& chemin, int32_t longueur, bool tardif) {
  if (longueur < 1 || nbpoints(chemin) < 1 || ligneliste(chemin, 1) == 0) return;
  const int32_t i = ix(ligneliste(chemin, 1), colonneliste(chemin, 1));
  const bool perdu = pionsmorts[i] || (tardif && drapeau(drapeaux, 7) && !drapeau(drapeaux, 5) && !drapeau(drapeaux, 3));
  if (!perdu || marquesdetect[i] || c != m || p[i] != c) return;
  if (flagattaque && maxsurvie <= 2 && maxfortification <= 2) return;
  premier = 1;
}

// The line's start of both territory terms: with `mode` 0 the status
// drivers, then from level 3 the first move's test.
void statutetpremiercoup(uint8_t mode, TPlateau& p, const uint8_t* drapeaux, uint8_t& premier, uint8_t c, uint8_t m,
                         const TListePoints& chemin, int32_t longueur, bool tardif) {
  if (mode != 0) return;
  statutpourterritoire(p, c);
  if (niveaumin3) testpremiercoup(p, drapeaux, premier, c, m, chemin, longueur, tardif);
}

// Weight of move k of the line.
int32_t poidschemin(int32_t k) {
  switch (k) {
    case 1: return 5;
    case 2: case 3: return 3;
    case 4: case 5: return 2;
    default: return 1;
  }
}

// marquepetiteschaines2 over the line's moves, a pass standing for no point:
// it is given a point that does not hold c on w, which the lifting skips.
// The lifting reads the flag of entry k at byte k: the path flags move up one.
void petiteschaines(TPoint extra, const uint8_t* drapeaux, int32_t longueur, uint8_t c, TPlateau& w,
                    const TListePoints& chemin) {
  uint8_t parentree[DRAPEAUXCHEMIN + 1] = {};
  for (int32_t k = 1; k <= DRAPEAUXCHEMIN; ++k) parentree[k] = drapeau(drapeaux, k) ? 1 : 0;
  TListePoints& l = brouillon().chemin;
  l = chemin;
  int32_t n = std::min(longueur, nbpoints(chemin));
  int32_t neutre = -1;
  for (int32_t i = 0; i < NBCASES && neutre < 0; ++i)
    if (w[i] != c && surplateaumoteur(i / TAILLEMAX + 1, i % TAILLEMAX + 1)) neutre = i;
  for (int32_t k = 1; k <= n; ++k) {
    if (l[2 * k] != 0) continue;
    if (neutre < 0) {
      n = k - 1;
      break;
    }
    l[2 * k] = neutre / TAILLEMAX + 1;
    l[2 * k + 1] = neutre % TAILLEMAX + 1;
  }
  marquepetiteschaines2(extra, parentree, n, c, w, l);
}

}  // namespace

void compteborduresvoisines(TMarques& vu, int32_t& bordure, const TPlateau& p, int32_t ligne, int32_t colonne,
                            uint8_t couleur) {
  pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == couleur && !vu[j] && !pionsmorts[j]) {
      vu[j] = 1;
      ++bordure;
    }
    return false;
  });
}

void bonuscheminterritoire(int32_t longueur, int32_t& valeur, const TListePoints& chemin, uint8_t m, uint8_t c,
                           const TPlateau& w) {
  const int32_t n = std::min(longueur, nbpoints(chemin));
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t r = ligneliste(chemin, k), col = colonneliste(chemin, k);
    if (r == 0) continue;
    const int32_t i = ix(r, col);
    if (w[i] != c || territoire[i] == c || !voisin8sanslibertes(w, c, r, col)) continue;
    int32_t facteur = 1;
    if (territoire[i] == VIDE) facteur = strategie == 1 ? 2 : 1;
    else facteur = strategie == 0 ? 2 : 1;
    valeur += (c == m ? 1 : -1) * facteur * poidschemin(k);
  }
}

void bonusdedebut(TPoint extra, const uint8_t* drapeaux, int32_t longueur, uint8_t& premier, uint8_t mode, uint8_t c,
                  uint8_t m, int32_t& valeur, TPlateau& p, const TListePoints& chemin) {
  if (!debutpartie) return;
  Brouillon& br = brouillon();
  TPlateau& w = br.w;
  w = p;
  const uint8_t o = c == NOIR ? BLANC : NOIR;
  const Restaure<TMarques> gardemorts(pionsmorts);
  statutetpremiercoup(mode, p, drapeaux, premier, c, m, chemin, longueur, false);
  for (int32_t i = 0; i < NBCASES; ++i)
    if (w[i] != VIDE && (pionsmorts[i] || (w[i] == c && infochaine[i][0] == 1))) w[i] = VIDE;
  petiteschaines(extra, drapeaux, longueur, o, w, chemin);
  valeur += bilanzonesinfluence(w, c);
  ecritdebug("bonusdedebut");
}

void bonusterritoire(TMarques& marques, TPoint extra, const uint8_t* drapeaux, uint8_t& premier, uint8_t mode,
                     uint8_t c, uint8_t m, int32_t& valeur, TPlateau& p, const TListePoints& chemin,
                     int32_t longueur) {
  Brouillon& br = brouillon();
  const Restaure<TInfoChaine> gardechaines(infochaine);
  br.chaines = infochaine;
  marques = marquesvides;
  if (debutpartie) {
    bonusdedebut(extra, drapeaux, longueur, premier, mode, c, m, valeur, p, chemin);
    return;
  }
  TPlateau& copie = br.i;
  TPlateau& w = br.w;
  copie = p;
  w = p;
  const uint8_t o = c == NOIR ? BLANC : NOIR;
  const Restaure<TMarques> gardemorts(pionsmorts);
  statutetpremiercoup(mode, p, drapeaux, premier, c, m, chemin, longueur, true);
  // The second move's empty neighbours given to o.
  if (c == m && longueur >= 2 && nbpoints(chemin) >= 2 && ligneliste(chemin, 2) != 0) {
    const int32_t r2 = ligneliste(chemin, 2), c2 = colonneliste(chemin, 2);
    const int32_t j = ix(r2, c2);
    if (!pionsmorts[j] && w[j] == o && (drapeau(drapeaux, 8) || (strategie == 1 && drapeau(drapeaux, 4))))
      pastable(r2, c2, [&](int32_t r, int32_t col) {
        if (w[ix(r, col)] == VIDE) w[ix(r, col)] = o;
        return false;
      });
  }
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = ix(r, col);
      if (pionsmorts[i] && p[i] != VIDE) {
        copie[i] = VIDE;
        w[i] = VIDE;
      } else if (w[i] == c && infochaine[i][0] == 1) {
        copie[i] = VIDE;
        w[i] = VIDE;
      } else if (p[i] == c && niveaumin3b) {
        remplitvoisins(w, c, r, col);
      }
    }
  petiteschaines(extra, drapeaux, longueur, o, w, chemin);
  TCarte& f = br.f;
  if (niveau != 1) {
    const int32_t k = mode == 0 ? 4 : 3;
    compteterritoires(copie, f, k);
    compteterritoires2(f, k * (k - 1) + 1);
  } else {
    f = zerobonus;
  }
  prepareterritoire(0, w, c, o);
  infochaine = br.chaines;
  bonuscheminterritoire(longueur, valeur, chemin, m, c, w);
  // Empty regions that touch no other colour are c's.
  br.vu = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = ix(r, col);
      if (w[i] != VIDE || br.vu[i]) continue;
      br.s = w;
      uint8_t ferme = 1;
      zonevideentouree(w, ferme, c, br.s, 0, r, col, br.vu);
      if (ferme) w = br.s;
    }
  // The count.
  br.vu2 = marquesvides;
  for (int32_t k = 1; k <= std::min(longueur, nbpoints(chemin)); ++k) {
    const int32_t r = ligneliste(chemin, k), col = colonneliste(chemin, k);
    if (r != 0 && p[ix(r, col)] == c) br.vu2[ix(r, col)] = 1;
  }
  int32_t t = 0, bordure = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = ix(r, col);
      if (p[i] == c) continue;
      const bool influence = c == BLANC ? f[i] < 0 : f[i] >= 1;
      if (!influence && !(w[i] == c && entoureparcouleur(w, c, r, col))) continue;
      ++t;
      marques[i] = 1;
      compteborduresvoisines(br.vu2, bordure, p, r, col, c);
    }
  if (t != 0) {
    const int32_t v = phasefinale ? 5 * t + 2 * bordure : t + bordure;
    valeur += c == m ? v : -v;
  }
  ecritdebug("bordure:");
}

void ajustemortsterritoire(uint8_t marque, uint8_t ravive, uint8_t c, uint8_t m, TPlateau& p, int32_t ligne,
                           int32_t colonne) {
  if (c != m) return;
  const int32_t i = ix(ligne, colonne);
  if (marque == 0 && ravive == 0) {
    if (territoire[i] == m && infochaine[i][1] == 1 && pionsmorts[i] && !marquesdetect[i]) marquesdetect[i] = 1;
    return;
  }
  if (ravive && strategie == 1 && bilanscore > 1.0 && !marquesdetect[i] && pionsmorts[i] &&
      compteterritoirefinalzone(p, c, ligne, colonne))
    demarquechaine(p, ligne, colonne);
}

namespace {

// Empty points where D says A's colour and L does not.
int32_t comptedifference(const TPlateau& p, int32_t s, const TCarte& d1, const TCarte& d2, const TCarte& l1,
                         const TCarte& l2) {
  int32_t n = 0;
  for (int32_t r = 1; r <= taillemoteur(); ++r)
    for (int32_t c = 1; c <= taillemoteur(); ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != VIDE) continue;
      if ((d1[i] * s < 0 || d2[i] * s < 0) && !(l1[i] * s < 0) && !(l2[i] * s < 0)) ++n;
    }
  return n;
}

void statutetestimation(TPlateau& p, uint8_t a, TCarte& d1, TCarte& d2) {
  int32_t compte = 0;
  detectetatchaines(compte, p, 0, 0, 0, 0, a);
  int32_t seki = 0;
  const TMarques marques = pionsmorts;
  detectseki(seki, marques, p, 0);
  int32_t blancs = 0, noirs = 0;
  estimeterritoire(d1, d2, 2, paramniveaue, blancs, noirs, p, 0);
}

}  // namespace

void bonusdifferenceterritoire(const TCartesParPoint& mortscandidats, const TInfoChaine& chainessauvees, int32_t ligne,
                               int32_t colonne, int32_t f1, int32_t f2, uint8_t a, uint8_t b, TPlateau& p,
                               const uint8_t* drapeaux, const TListePoints& chemin, int32_t& valeur, int32_t compte) {
  (void)drapeaux;
  (void)chemin;
  if (flagterritoire > 2 || maxfortification == 0 || coupdecide || !phasedebut || numerocoup < 5) return;
  const TEssaiCoup& rec = essaiordi(ligne, colonne);
  bool sautfaibles = strategie == 0 || flagcoupure2 > 5;
  const bool sautrevie = sautfaibles;
  const int32_t n = taillemoteur();
  if (!sautfaibles) {
    int32_t mx = 0;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c)
        if (casescandidates[ix(r, c)]) mx = std::max(mx, essaiordi(r, c).compteur2essai);
    sautfaibles = rec.compteur2essai < mx || f1 + f2 < 20 * mx;
  }
  Brouillon& br = brouillon();
  TMarques& choisis = br.vu;
  choisis = marquesvides;
  int32_t comptes = 0, selection = 0;
  bool tresfaible = false, bit4 = false, revie = false;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (lesfaibles[i] == 0 || rec.marquesessai[i] == 0) continue;
      ++comptes;
      const uint8_t classe = lesfaibles[i];
      if (classe != 1 && classe != 4) {
        choisis[i] = 1;
        ++selection;
        tresfaible = true;
      } else if (!sautrevie) {
        if (essaiordi(r, c).marquesessai[i] & 4) {
          choisis[i] = 1;
          ++selection;
          bit4 = true;
        } else if (!sautfaibles) {
          choisis[i] = 1;
          ++selection;
          revie = true;
        }
      }
    }
  if (comptes == 0 || selection == 0) return;
  const Restaure<TMarques> gardemorts(pionsmorts);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TPlateau> gardeplateau(p);
  p = plateaudepart;
  infochaine = chainessauvees;
  // The weak chains dead.
  pionsmorts = marquesliaison1;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (choisis[i]) pionsmorts[i] = 1;
  {
    int32_t cpt = 0;
    detectetatchaines(cpt, p, 0, 0, 0, 0, a);
    int32_t seki = 0;
    const TMarques marques = pionsmorts;
    detectseki(seki, marques, p, 0);
  }
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != a || choisis[i] || rec.carte2essai[i] || pionsmortsbis[i]) continue;
      const TEssaiCoup& propre = essaiordi(r, c);
      if ((propre.liensessai[i] & 0x100) || (propre.marquesessai[i] & 0x10)) pionsmorts[i] = 0;
    }
  int32_t blancs = 0, noirs = 0;
  estimeterritoire(br.d1, br.d2, 2, paramniveaue, blancs, noirs, p, 0);
  ecritdebug("si les faible sont  mort");
  // The weak chains alive.
  pionsmorts = mortscandidats[ligne - 1][colonne - 1];
  pionsmorts[ix(ligne, colonne)] = 0;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == couleurjoueur && !pionsmortsbis[i] && !rec.plateauessai2[i]) pionsmorts[i] = 0;
  if (tresfaible) {
    for (int32_t i = 0; i < NBCASES; ++i)
      if (choisis[i]) pionsmorts[i] = 0;
    estimeterritoire(br.l1, br.l2, 2, paramniveaue, blancs, noirs, p, 0);
  } else {
    br.l2 = zerobonus;
    br.l1 = zerobonus;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (p[i] == VIDE && (territoire[i] == b || territoire2[i] == b)) br.l1[i] = b == NOIR ? 1 : -1;
  }
  ecritdebug("si les faible sont vivant");
  const int32_t s = a == NOIR ? 1 : -1;
  int32_t nd = comptedifference(p, s, br.d1, br.d2, br.l1, br.l2);
  valeur += 5 * nd;
  ecritdebug("difference de territoire ");
  if (compte == 0 && maxsurvie <= 2 && (tresfaible || bit4) && nd > compteurinvasions + 2 &&
      nd > compteurinvasions3 + 2) {
    if (revie) {
      pionsmorts = marquesliaison1;
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t c = 1; c <= n; ++c) {
          const int32_t i = ix(r, c);
          if (choisis[i] && (lesfaibles[i] == 2 || lesfaibles[i] == 3 || (essaiordi(r, c).marquesessai[i] & 4)))
            pionsmorts[i] = 1;
        }
      statutetestimation(p, a, br.d1, br.d2);
      nd = comptedifference(p, s, br.d1, br.d2, br.l1, br.l2);
      ecritdebug("si les faible sont  mort apres reajustement des tres faibles");
    }
    if (nd > 0) valeur += 15 * nd;
    ecritdebug("difference de territoire avec remise a vie des un peu faibles ");
  }
}
