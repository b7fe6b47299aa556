#include "engine/opening/solution99.h"

#include <algorithm>
#include <cmath>

#include "engine/board/cles.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/opening/livres.h"
#include "engine/reading/marquage.h"
#include "engine/reading/prise.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/moyo.h"
#include "engine/proposals/cadre.h"
#include "engine/board/niveau.h"

namespace {

constexpr int32_t T99 = 9;
constexpr int32_t PLIMAX = 5;
constexpr int32_t NONVALUE = 64;
constexpr int32_t CIBLEDEPART = 5;
constexpr int32_t PLITRANSPOSITION = 3;
constexpr int32_t CAPACITE99 = 81;
constexpr int32_t PROFONDEURPRISE3 = 8;  // capture reading of the ply-4 stones
constexpr int32_t PROFONDEURFEUILLE = 6;  // and of the last stone
constexpr int32_t LIBERTESPRISE = 3;
constexpr int32_t PROFONDEURPRENABLES = 11;  // the engine's chains after its third-ply move
constexpr int32_t LIBERTESPRENABLES = 5;

// Transposition store of the third ply, (value, key) sorted by key.
TEntreeCle tabletransposition99[ENTREESPARTABLE];
int32_t nombretransposition99 = 0;
// The store answers a hit as its value negated, so a negative value would
// read as a miss: values are kept raised by this offset, far above any count.
constexpr int32_t DECALAGETRANSPOSITION = 1 << 20;

// State of one pass of the search.
struct Passe {
  TCarte* valeurs = nullptr;
  int32_t mode = 0;
  bool gagne = false;
  int32_t cible = 0;
  int32_t marge = 0;
  TPoint ko{};
  TPlateau* p = nullptr;
  uint8_t autre = 0, couleur = 0;
  const TListePoints* liste = nullptr;
  TMarques* gains = nullptr;
  int32_t plimax = PLIMAX;
  TPoint coups[PLIMAX + 1]{};
  TMarques plans[PLIMAX + 1]{};
  TMarques morts3{}, morts4{};
};
Passe passe;
// Killer move per ply: the move of the last cut-off there, kept from one
// pass to the next of the same search.
TPoint tueurs[PLIMAX + 1]{};

bool dansneuf(int32_t l, int32_t c) { return l >= 1 && l <= T99 && c >= 1 && c <= T99; }

bool horsjeuoumort(const TPlateau& p, TPoint q, uint8_t couleur) {
  const int32_t i = indexcase(q.ligne, q.colonne);
  return p[i] != couleur || pionsmorts[i] != 0;
}

// Engine stone neighbours of the point marked dead that are weak, were not
// the engine's at the start, or lie outside `carte`: false.
bool voisinsmortsordi(const TMarques& carte, const TPlateau& p, int32_t ligne, int32_t colonne) {
  const TVoisins& v = tablevoisins[indexcase(ligne, colonne)];
  for (int32_t k = 0; k < v.nbvoisins; ++k) {
    const int32_t j = indexcase(v.voisins[k][0], v.voisins[k][1]);
    if (p[j] != couleurordi || pionsmorts[j] == 0) continue;
    if (lesfaibles[j] != 0 || plateaudepart[j] != couleurordi || carte[j] == 0) return false;
  }
  return true;
}

// Marked points now empty lose the mark; marked engine stones in atari get 1.
void nettoiemorts(const TPlateau& p) {
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) {
      const int32_t i = indexcase(l, c);
      if (pionsmorts[i] == 0) continue;
      if (p[i] == VIDE)
        pionsmorts[i] = 0;
      else if (p[i] == passe.couleur && infochaine[i][0] == 1)
        pionsmorts[i] = 1;
    }
}

// The two status runs over the board copy.
void statut(TPlateau& copie, TPoint point) {
  int32_t resultat = 0;
  marquesdetect = pionsmorts;
  detectetatchaine(passe.autre, passe.couleur, resultat, copie, 1, 0, 0, 0);
  marquesdetect = pionsmorts;
  detectetatchaine(passe.couleur, passe.couleur, resultat, copie, 1, point.ligne, point.colonne, 0);
}

// The counting conditions (a) to (c).
bool acompter(const TPlateau& p) {
  const TPoint premier = passe.coups[1];
  const TMarques& carte = essaiordi(premier.ligne, premier.colonne).carte2essai;
  if (horsjeuoumort(p, premier, passe.couleur) && carte[indexcase(premier.ligne, premier.colonne)] == 0)
    return true;
  bool perdu = false;
  for (int32_t d : {2, 4}) {
    const TPoint q = passe.coups[d];
    if (q.ligne != 0 && horsjeuoumort(p, q, passe.autre) && voisinsmortsordi(carte, p, q.ligne, q.colonne))
      perdu = true;
  }
  if (!perdu) return true;
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) {
      const int32_t i = indexcase(l, c);
      if (plateaudepart[i] == passe.couleur && (p[i] != passe.couleur || pionsmorts[i] != 0) && carte[i] == 0)
        return true;
      if (carte[i] != 0 && p[i] == passe.autre && pionsmorts[i] == 0 && plateaudepart[i] == passe.autre)
        return true;
    }
  return false;
}

// Dead engine stones become the opponent's, dead opponent stones go; into the
// cleared `carte`, the influence after 5 steps and the edge diffusion.
void carteapresmorts(const TPlateau& p, TCarte& carte) {
  TPlateau b = p;
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) {
      const int32_t i = indexcase(l, c);
      if (pionsmorts[i] == 0 || b[i] == VIDE) continue;
      b[i] = b[i] == passe.couleur ? passe.autre : VIDE;
    }
  const TInfoChaine sauve = infochaine;
  calculelibertes(b);
  influence99(b, carte, 5);
  diffusionbords(b, carte);
  infochaine = sauve;
}

// The count of that influence.
int32_t compte(const TPlateau& p) {
  TCarte carte{};
  carteapresmorts(p, carte);
  return compteinfluence99(carte, passe.marge);
}

bool signeinfluence99(const TCarte& carte, int32_t ligne, int32_t colonne, uint8_t couleur) {
  auto contraire = [&](int32_t i) { return couleur == NOIR ? carte[i] <= 0 : carte[i] >= 0; };
  if (contraire(indexcase(ligne, colonne))) return true;
  const TVoisins& v = tablevoisins[indexcase(ligne, colonne)];
  for (int32_t k = 0; k < v.nbvoisins; ++k)
    if (contraire(indexcase(v.voisins[k][0], v.voisins[k][1]))) return true;
  return false;
}

// The last ply's static test: true with `valeur` when the node is settled; else
// `coups` keeps only the moves that can still change the count.
bool testestatique99(TPlateau& p, TListePoints& coups, int32_t& valeur) {
  const TMarques sauvemorts = pionsmorts;
  TPlateau copie = p;
  nettoiemorts(copie);
  statut(copie, TPoint{});
  bool fini = true;
  valeur = passe.cible;
  if (acompter(copie)) {
    TCarte carte{};
    carteapresmorts(copie, carte);
    if (compteinfluence99(carte, passe.marge) < passe.cible) {
      fini = false;
      TListePoints gardes{};
      for (int32_t k = 1; k <= nbpoints(coups); ++k)
        if (signeinfluence99(carte, ligneliste(coups, k), colonneliste(coups, k), passe.couleur))
          ajoutecaseliste(ligneliste(coups, k), colonneliste(coups, k), gardes, CAPACITE99);
      coups = gardes;
    }
  }
  pionsmorts = sauvemorts;
  return fini;
}

int32_t evaluationfeuille99(TPoint coup, const TPlateau& p) {
  TPlateau copie = p;
  nettoiemorts(copie);
  const int32_t i = indexcase(coup.ligne, coup.colonne);
  if (pionsmorts[i] == 0 && copie[i] == passe.couleur) {
    const bool seule = infochaine[i][1] == 1 && infochaine[i][0] != 0 &&
                       !chainemarqueeouvoisine(copie, passe.couleur, coup.ligne, coup.colonne);
    bool mort = false;
    if (!seule && chainemarqueeouvoisine(copie, passe.couleur, coup.ligne, coup.colonne)) mort = true;
    if (!mort && infochaine[i][0] <= LIBERTESPRISE)
      mort = testprise(copie, coup.ligne, coup.colonne, PROFONDEURFEUILLE, LIBERTESPRISE, passe.couleur, passe.ko);
    if (mort) marquechaine(copie, coup.ligne, coup.colonne);
  }
  statut(copie, coup);
  if (pionsmorts[i] == 0 && !acompter(copie)) return passe.cible;
  if (horsjeuoumort(copie, passe.coups[1], passe.couleur) || horsjeuoumort(copie, passe.coups[3], passe.couleur)) {
    bool compte_ = false;
    for (int32_t l = 1; l <= T99 && !compte_; ++l)
      for (int32_t c = 1; c <= T99 && !compte_; ++c) {
        const int32_t j = indexcase(l, c);
        if (plateaudepart[j] == passe.autre && (copie[j] != passe.autre || pionsmorts[j] != 0) &&
            pionsmortsbis[j] == 0)
          compte_ = true;
        if (pionsmortsbis[j] != 0 && copie[j] == passe.couleur && pionsmorts[j] == 0 &&
            plateaudepart[j] == passe.couleur)
          compte_ = true;
      }
    if (!compte_) return 0;
  }
  return compte(copie);
}

void zonecoups99(const TPlateau& p, TMarques& plan, TPoint centre, int32_t rayon) {
  plan = pionsmortssauves;
  for (int32_t l = std::max(1, centre.ligne - rayon); l <= std::min(T99, centre.ligne + rayon); ++l)
    for (int32_t c = std::max(1, centre.colonne - rayon); c <= std::min(T99, centre.colonne + rayon); ++c) {
      plan[indexcase(l, c)] = 1;
      if (p[indexcase(l, c)] == VIDE) continue;
      TListePoints libertes{};
      TMarques vu = marquesvides;
      libertesdelachaine(p, libertes, CAPACITE99, 0, l, c, vu);
      for (int32_t k = 1; k <= nbpoints(libertes); ++k)
        plan[indexcase(ligneliste(libertes, k), colonneliste(libertes, k))] = 1;
    }
}

void coupsgeneres99(int32_t d, const TPlateau& p, TListePoints& coups) {
  coups[0] = 0;
  if (d == 2 || d == 3) {
    for (int32_t e = 1; e < d; ++e) {
      const TPoint q = passe.coups[e];
      if (q.ligne == 0 || p[indexcase(q.ligne, q.colonne)] == VIDE) continue;
      TListePoints libertes{};
      TMarques vu = marquesvides;
      libertesetfaibles(p, libertes, CAPACITE99, 0, q.ligne, q.colonne, vu);
      for (int32_t k = 1; k <= nbpoints(libertes); ++k)
        passe.plans[e][indexcase(ligneliste(libertes, k), colonneliste(libertes, k))] = 1;
    }
  }
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) {
      const int32_t i = indexcase(l, c);
      if (p[i] != VIDE) continue;
      for (int32_t e = 1; e < d; ++e)
        if (passe.plans[e][i] != 0) {
          ajoutecaseliste(l, c, coups, CAPACITE99);
          break;
        }
    }
  if (d == 2)
    for (int32_t l = 1; l <= T99; ++l)
      for (int32_t c = 1; c <= T99; ++c)
        if (p[indexcase(l, c)] == VIDE && distancebord[indexcase(l, c)] >= 3) ajoutecaseliste(l, c, coups, CAPACITE99);
}

bool ordi(uint8_t s) { return s == passe.couleur; }

int32_t cherchegain99(int32_t d, uint8_t s) {
  if (moderapide) return 0;  // the readings' abort flag
  // Past the search's deadline every node answers 0 at once: no line is
  // proved winning from then on, and a cut search changes no candidate.
  if (echeancepassee(finrecherche)) return 0;
  TPlateau& p = *passe.p;
  TListePoints coups{};
  if (d == 1) {
    for (int32_t k = 1; k <= nbpoints(*passe.liste); ++k) {
      const int32_t l = ligneliste(*passe.liste, k), c = colonneliste(*passe.liste, k);
      if (!dansneuf(l, c)) continue;
      const int32_t v = (*passe.valeurs)[indexcase(l, c)];
      const TEssaiCoup& e = essaiordi(l, c);
      const bool garde = passe.mode == 1 ? v == NONVALUE
                                         : v >= passe.cible && (e.carte2essai[indexcase(l, c)] == 0 ||
                                                                compteur0essai(e) > 0 || e.compteur4essai > 0);
      if (garde) ajoutecaseliste(l, c, coups, CAPACITE99);
    }
  } else {
    coupsgeneres99(d, p, coups);
  }
  const TPoint tueur = tueurs[d];
  if (tueur.ligne != 0)
    for (int32_t k = 1; k <= nbpoints(coups); ++k)
      if (ligneliste(coups, k) == tueur.ligne && colonneliste(coups, k) == tueur.colonne) {
        remontecoupenliste(coups, tueur.ligne, tueur.colonne, 1, CAPACITE99);
        break;
      }
  if (d == passe.plimax && nbpoints(coups) > 0) {
    int32_t v = 0;
    if (testestatique99(p, coups, v)) return v;
  }
  if (nbpoints(coups) == 0) return ordi(s) ? 0 : passe.cible;
  const uint8_t autre = static_cast<uint8_t>(1 - s);
  int32_t meilleur = -1, dernier = passe.cible;
  bool joue = false;
  for (int32_t k = 1; k <= nbpoints(coups); ++k) {
    const TPoint q{ligneliste(coups, k), colonneliste(coups, k)};
    if (d == 1 && (casesinterdites[indexcase(q.ligne, q.colonne)] & 1) != 0) continue;
    const TPlateau sauveplateau = p;
    const TInfoChaine sauveinfo = infochaine;
    const TMarques sauvemorts = pionsmorts;
    const TPoint sauveko = passe.ko;
    TListePoints prises{};
    jouecoup(prises, CAPACITE99, p, q.ligne, q.colonne, s, autre);
    if (p[indexcase(q.ligne, q.colonne)] == VIDE) continue;
    joue = true;
    passe.coups[d] = q;
    passe.ko = TPoint{};
    if (nbpoints(prises) == 1 && infochaine[indexcase(q.ligne, q.colonne)][1] == 1 &&
        infochaine[indexcase(q.ligne, q.colonne)][0] == 1)
      passe.ko = TPoint{ligneliste(prises, 1), colonneliste(prises, 1)};
    int32_t valeur = 0;
    bool trouve = false;
    int32_t position = 0;
    uint32_t cle = 0;
    if (d == PLITRANSPOSITION) {
      cle = static_cast<uint32_t>(calculecle(p));
      if (passe.ko.ligne != 0) xorclemoyo(cle, passe.ko.ligne, passe.ko.colonne);
      trouve = cherchetransposition99(cle, valeur, position);
    }
    if (!trouve) {
      if (d == 3 && ordi(s)) {
        marquemortspli3(p, s);
        passe.morts3 = pionsmorts;
      }
      if (d == 4) {
        pionsmorts = passe.morts3;
        if (chainemarqueeouvoisine(p, s, q.ligne, q.colonne) ||
            (infochaine[indexcase(q.ligne, q.colonne)][0] <= LIBERTESPRISE &&
             testprise(p, q.ligne, q.colonne, PROFONDEURPRISE3, LIBERTESPRISE, s, passe.ko)))
          marquechaine(p, q.ligne, q.colonne);
        else if (infochaine[indexcase(q.ligne, q.colonne)][1] != 1 || infochaine[indexcase(q.ligne, q.colonne)][0] == 0)
          demarquechaine(p, q.ligne, q.colonne);
        passe.morts4 = pionsmorts;
      }
      if (d < passe.plimax) {
        zonecoups99(p, passe.plans[d], q, 1);
        valeur = cherchegain99(d + 1, autre);
      } else {
        pionsmorts = passe.morts4;
        valeur = evaluationfeuille99(q, p);
      }
      if (d == PLITRANSPOSITION) inseretransposition99(cle, valeur, position);
    }
    p = sauveplateau;
    infochaine = sauveinfo;
    pionsmorts = sauvemorts;
    passe.ko = sauveko;
    if (ordi(s)) {
      if (valeur >= passe.cible) {
        tueurs[d] = q;
        if (d > 1) return valeur;
        passe.gagne = true;
        (*passe.gains)[indexcase(q.ligne, q.colonne)] = 1;
      }
      if (d == 1) {
        (*passe.valeurs)[indexcase(q.ligne, q.colonne)] = valeur;
      } else if (valeur > meilleur) {
        meilleur = valeur;
        tueurs[d] = q;
      }
    } else {
      if (valeur < passe.cible) {
        tueurs[d] = q;
        return valeur;
      }
      dernier = valeur;
    }
  }
  if (ordi(s)) return meilleur;
  return joue ? dernier : passe.cible;
}

}  // namespace

void marquemortspli3(TPlateau& p, uint8_t couleur) {
  marquechainesprenables(p, PROFONDEURPRENABLES, LIBERTESPRENABLES, couleur);
}

void videtueurs99() {
  for (TPoint& t : tueurs) t = TPoint{};
}

TPoint tueur99(int32_t pli) { return pli >= 1 && pli <= PLIMAX ? tueurs[pli] : TPoint{}; }

void videtransposition99() { nombretransposition99 = 0; }

bool cherchetransposition99(uint32_t cle, int32_t& valeur, int32_t& position) {
  position = cherchecletransposition(cle, PREMIERETABLE, nombretransposition99, tabletransposition99);
  if (position > 0) return false;
  valeur = -position - DECALAGETRANSPOSITION;
  return true;
}

void inseretransposition99(uint32_t cle, int32_t valeur, int32_t position) {
  if (nombretransposition99 >= ENTREESPARTABLE) return;
  inserecletransposition(cle, valeur + DECALAGETRANSPOSITION, position, PREMIERETABLE, nombretransposition99,
                         tabletransposition99);
}

void influence99(const TPlateau& p, TCarte& carte, int32_t etapes) {
  carte = zerobonus;
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) {
      const int32_t i = indexcase(l, c);
      if (p[i] == VIDE) continue;
      const bool faible = infochaine[i][1] == 1 || infochaine[i][0] < 3;
      const int32_t v = faible ? 1 : 50;
      carte[i] = p[i] == NOIR ? v : -v;
    }
  for (int32_t e = 0; e < etapes; ++e) {
    const TCarte avant = carte;
    for (int32_t l = 1; l <= T99; ++l)
      for (int32_t c = 1; c <= T99; ++c) {
        const int32_t v = avant[indexcase(l, c)];
        if (v == 0) continue;
        const int32_t s = v > 0 ? 1 : -1;
        const TVoisins& vs = tablevoisins[indexcase(l, c)];
        for (int32_t k = 0; k < vs.nbvoisins; ++k) carte[indexcase(vs.voisins[k][0], vs.voisins[k][1])] += s;
      }
  }
}

int32_t compteinfluence99(const TCarte& carte, int32_t marge) {
  int32_t n = marge;
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) {
      const int32_t v = carte[indexcase(l, c)];
      n += (couleurordi == NOIR ? v > 0 : v < 0) ? 1 : -1;
    }
  return n;
}

int32_t margekomi99() {
  // Both colours count a leaf as their own margin less one point (half a
  // point with a half-point komi): White the largest whole number below the
  // komi, Black the komi truncated and one more against it.
  const double komi = configmoteur.komi;
  return couleurordi == BLANC ? static_cast<int32_t>(std::ceil(komi)) - 1
                              : -static_cast<int32_t>(std::trunc(komi)) - 1;
}

void lancerecherche99(TCarte& valeurs, int32_t mode, bool& gagne, int32_t plimax, int32_t cible, TPoint ko,
                      TPlateau& p, uint8_t autre, uint8_t couleur, int32_t cap, const TListePoints& liste,
                      TMarques& gains) {
  (void)cap;
  passe = Passe{};
  passe.valeurs = &valeurs;
  passe.mode = mode;
  passe.cible = cible;
  passe.marge = margekomi99();
  passe.ko = ko;
  passe.p = &p;
  passe.couleur = couleur;
  passe.autre = autre;
  passe.liste = &liste;
  passe.gains = &gains;
  passe.plimax = std::clamp(plimax, 1, PLIMAX);
  videtransposition99();
  compteurnoeudsprise = 0;
  cherchegain99(1, couleur);
  gagne = passe.gagne;
}

void solutiongagnante99(TMarques& exclus, TPlateau& p, TListePoints& candidats, int32_t cap) {
  if (coupbasetrouve != 0 || configmoteur.taille != T99 || niveau < 5) return;
  const TMarques sauvemorts = pionsmorts, sauveglobales = marquesglobales;
  marquesglobales = pionsmortssauves;
  videtueurs99();
  TCarte valeurs{};
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) valeurs[indexcase(l, c)] = NONVALUE;
  TMarques gains = marquesvides;
  const TListePoints liste = candidats;
  auto lance = [&](int32_t mode, int32_t cible) {
    bool gagne = false;
    lancerecherche99(valeurs, mode, gagne, PLIMAX, cible, pointko, p, couleurjoueur, couleurordi, cap, liste, gains);
    return gagne;
  };
  int32_t cible = CIBLEDEPART;
  bool gagne = false, restants = false;
  do {
    gagne = lance(0, cible);
    if (gagne) break;
    int32_t m = 0;
    bool vu = false;
    restants = false;
    for (int32_t k = 1; k <= nbpoints(liste); ++k) {
      const int32_t l = ligneliste(liste, k), c = colonneliste(liste, k);
      if (!dansneuf(l, c)) continue;
      const int32_t v = valeurs[indexcase(l, c)];
      if (v == NONVALUE) restants = true;
      if (v < NONVALUE && (!vu || v > m)) {
        m = v;
        vu = true;
      }
    }
    if (!vu) m = 0;
    cible = m < cible ? m : 0;
  } while (cible > 0);
  if (!gagne && restants) gagne = lance(1, cible);
  pionsmorts = sauvemorts;
  marquesglobales = sauveglobales;
  if (!gagne) return;
  ecritdebug("YA SOLUTION GAGNANTE 99!!!!!");
  for (int32_t l = 1; l <= T99; ++l)
    for (int32_t c = 1; c <= T99; ++c) {
      if (gains[indexcase(l, c)] != 0)
        ajoutecaseliste(l, c, candidats, cap);
      else
        exclus[indexcase(l, c)] = 1;
    }
}

bool testepenalite(int32_t, int32_t, const int32_t (&valeurs)[8], int32_t& score) {
  const int32_t prises = valeurs[2] + valeurs[3];
  if (prises >= 61) {
    score -= prises * 2 / 10;
    return false;
  }
  const int32_t reste = valeurs[0] + valeurs[1] + valeurs[4] + valeurs[5] + valeurs[6] + valeurs[7];
  if (reste > 100) {
    score -= reste * 8 / 10;
    return false;
  }
  return true;
}
