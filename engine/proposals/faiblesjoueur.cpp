// The opponent's weak chains (`analysefaibles2`) and the moves that would
// reinforce them (`coupdefortificationjoueur`).
#include "engine/proposals/faiblesjoueur.h"

#include <algorithm>

#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/fortification.h"
#include "engine/proposals/fortification_etat.h"
#include "engine/proposals/regionspoussee.h"

namespace {

const TMarques& masque(const TCartesParPoint& m, int32_t i) { return m[i / TAILLEMAX][i % TAILLEMAX]; }

bool memezone(int32_t s, int32_t t) {
  return infozones[t].numero == infozones[s].numero &&
         (infozones[t].couleurzone & 0xFF) == (infozones[s].couleurzone & 0xFF);
}

// The state of one run of the opponent's reinforcement.
struct FortifJoueur {
  TMarques& codes;
  const TCartesParPoint& mortsA;
  const TCartesParPoint& mortsB;
  TCarte& fortification;
  const TCarte& survie;
  TPlateau& p;
  uint8_t a, b;  // the engine's colour and the opponent's
  TListePoints& candidats;
  int32_t cap;
  TListePoints& famille;
  int32_t capfamille;
  TMarques W{};  // weak stones some move reinforces
  TListePoints trace{};

  bool faible(int32_t q) const { return lesfaiblesjoueur()[q] != 0; }
  bool vivant(int32_t i, int32_t q) const { return masque(mortsB, i)[q] == 0; }

  // Writes 20 s at i, less the opponent's survival value there; appends.
  // True when the value stays positive.
  bool ecrit(int32_t i, int32_t s, uint8_t code, bool voisins) {
    const int32_t r = lignede(i), k = colonnede(i);
    empilepoint(trace, CAPACITEFORTIF, r, k);
    fortification[i] = std::max(fortification[i], 20 * s);
    if (survie[i] > 0) fortification[i] = survie[i] > fortification[i] ? 0 : fortification[i] - survie[i];
    proposecase(candidats, cap, r, k);
    if (voisins)
      pastable(r, k, [&](int32_t x, int32_t y) {
        const int32_t j = indexcase(x, y);
        if (p[j] == VIDE && casescandidates[j]) proposecase(candidats, cap, x, y);
        return false;
      });
    proposecase(famille, capfamille, r, k);
    if (codes[i] == 0) codes[i] = code;
    return fortification[i] > 0;
  }
  void ecritliste(const char* label) {
    affichelistecoups(trace, CAPACITEFORTIF, label);
    trace[0] = 0;
  }

  void liaison(TGardeEssai& garde);
  void evasion(TGardeEssai& garde);
  void propagation(TGardeEssai& garde);
};

void FortifJoueur::liaison(TGardeEssai& garde) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (p[i] != VIDE || !casescandidatesjoueur[i] || !vivant(i, i)) continue;
      TEssaiCoup& e = essaijoueur(r, k);
      if (!lieaunfortessai(e) && compteur4essai(e) < 1) continue;
      if (!faiblesetfortsproches(p, lesfaiblesjoueur(), masque(mortsB, i), b, 2, r, k) &&
          !voisincouleuratari(p, a, r, k))
        continue;
      TListePoints prises{};
      jouecoup(prises, CAPACITEFORTIF, p, r, k, b, a);
      TMarques K = marquesvides;
      bool retenu = p[i] == b;
      if (retenu && nbpoints(prises) == 0) {
        retenu = pionlieachainetest1(p, lesfaiblesjoueur(), r, k);
      } else if (retenu) {
        const bool seule = nbpoints(prises) == 1;
        for (int32_t m = 1; m <= nbpoints(prises); ++m)
          pastable(ligneliste(prises, m), colonneliste(prises, m), [&](int32_t x, int32_t y) {
            const int32_t q = indexcase(x, y);
            if (p[q] == b && !K[q] && (faible(q) || seule) && vivant(i, q)) {
              K[q] = 1;
              metlachainelieen2coupatest1(p, K, x, y);
            }
            return false;
          });
      }
      int32_t w = 0;
      bool fort = peutlierfortessai(e) != 0;
      if (retenu) {
        metlachainelieen2coupatest1(p, K, r, k);
        for (int32_t q = 0; q < NBCASES; ++q) {
          if (!K[q] || p[q] != b || q == i || !vivant(i, q)) continue;
          if (faible(q))
            ++w;
          else
            fort = true;
        }
      }
      const TPlateau essai = p;
      garde.restaure();
      if (!retenu || !fort || w < 1) continue;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && essai[q] == b && q != i && faible(q) && vivant(i, q)) {
          if (e.marquesessai[q] == 0) e.marquesessai[q] = 4;
          W[q] = 1;
        }
      flagfortification = std::max(flagfortification, w);
      ecrit(i, w, 4, true);
    }
  ecritliste("COUP DE FORTIFICATION LIAISON pour joueur: ");
}

void FortifJoueur::evasion(TGardeEssai& garde) {
  const int32_t n = configmoteur.taille;
  TCarte E{};
  valeurfuitejoueur(p, lesfaiblesjoueur(), b, E);
  // The scratch board: an opponent stone on every escape candidate.
  TPlateau B2 = p;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == VIDE && casescandidatesjoueur[q] && E[q] > 0 && vivant(q, q)) {
      B2[q] = b;
      infochaine[q] = TEntreeChaine{3, 1};
    }
  TMarques fuite = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q) fuite[q] = B2[q] == b && p[q] == VIDE ? 1 : 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (p[i] != VIDE || !casescandidatesjoueur[i] || !vivant(i, i)) continue;
      TEssaiCoup& e = essaijoueur(r, k);
      if (e.compteur2essai < 1) continue;
      bool pris;
      if (B2[i] == b)
        pris = pionlieachainetest1(B2, lesfaiblesjoueur(), r, k);
      else
        pris = testlienpionprovisoire(p, lesfaiblesjoueur(), b, 1, r, k) && testlienpionprovisoire(B2, fuite, b, 1, r, k);
      if (!pris) continue;
      p[i] = b;
      TMarques K = marquesvides;
      metlachainelieen2coupatest1(p, K, r, k);
      p[i] = VIDE;
      int32_t w = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && p[q] == b && faible(q) && !pionsmortsessai(e)[q]) {
          ++w;
          if (e.marquesessai[q] == 0) e.marquesessai[q] = 5;
          W[q] = 1;
        }
      if (w == 0) continue;
      flagfortification = std::max(flagfortification, w);
      ecrit(i, w, 5, true);
    }
  garde.restaure();
  ecritliste("COUP DE FORTIFICATION joueur par EVASION: ");
}

void FortifJoueur::propagation(TGardeEssai& garde) {
  const int32_t n = configmoteur.taille;
  TMarques sans1 = lesfaiblesjoueur();
  for (uint8_t& v : sans1)
    if (v == 1) v = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (p[i] != VIDE || !casescandidatesjoueur[i] || distancebord[i] > 3 || bordgoban[i]) continue;
      if (distancebord[i] == 3 && zonescoins[i] != 1) continue;
      TEssaiCoup& e = essaijoueur(r, k);
      if (e.infochaineessai[i][0] < 3 || e.carte3essai[i] != 0) continue;
      if (pointenferme(territoire, b, r, k)) continue;
      int32_t voisins = 0;
      pastable(r, k, [&](int32_t x, int32_t y) {
        voisins += p[indexcase(x, y)] == b;
        return false;
      });
      if (voisins == 2) continue;
      const TEssaiCoup& ea = essaiordi(r, k);
      const TMarques& faibles = ea.compteur1essai > 0 ? lesfaiblesjoueur() : sans1;
      auto faibleen = [&](int32_t x, int32_t y) {
        return x >= 1 && x <= n && y >= 1 && y <= n && p[indexcase(x, y)] == b && faibles[indexcase(x, y)];
      };
      const bool coin = distancebord[i] == 2 || zonescoins[i] == 1;
      const bool passe = crawlbord(0, p, r, k, n, coin, faibleen, b, a);
      if (!passe) continue;
      chargeessai(p, e);
      TMarques K = marquesvides;
      metlachainelieen2coupatest1(p, K, r, k);
      garde.restaure();
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (K[q] && p[q] == b && faibles[q] && !pionsmortsessai(e)[q]) {
          ++compte;
          W[q] = 1;
          if (e.marquesessai[q] == 0) e.marquesessai[q] = 6;
        }
      if (compte == 0) continue;
      const int32_t s = std::max({compte, e.compteur2essai, ea.compteur1essai});
      if (ecrit(i, s, 6, false)) flagfortification = std::max(flagfortification, s);
    }
  ecritliste("COUP DE FORTIFICATION JOUEUR par propagation_bord : ");
}

}  // namespace

void valeurfuitejoueur(const TPlateau& p, const TMarques& faibles, uint8_t c, TCarte& E) {
  const uint8_t o = c == NOIR ? BLANC : NOIR;
  E.fill(0);
  const TMarques avant = territoire;
  auto autrui = [&](int32_t j) { return avant[j] == o || territoire2[j] == o || territoire3[j] == o; };
  TMarques zone;
  {
    const Restaure<TMarques> t(territoire);
    zonecouleur(p, c, o, 1);
    zone = territoire;
  }
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (p[i] != VIDE || autrui(i)) continue;
      int32_t l0, l1, c0, c1;
      bornesfenetre(r, k, 2, l0, l1, c0, c1);
      bool proche = false;
      for (int32_t x = l0; x <= l1 && !proche; ++x)
        for (int32_t y = c0; y <= c1 && !proche; ++y) {
          const int32_t j = indexcase(x, y);
          proche = p[j] == c && faibles[j] != 0;
        }
      if (!proche) continue;
      int32_t ouverts = 0;
      pastable(r, k, [&](int32_t x, int32_t y) {
        const int32_t j = indexcase(x, y);
        ouverts += p[j] == VIDE && !autrui(j);
        return false;
      });
      if (ouverts >= 2) E[i] = ouverts + (zone[i] == c ? 1 : 0);
    }
}

void analysefaibles2(const TCartesParPoint&, const TCartesParPoint& mortsessai2B, TPlateau& p, uint8_t couleurA,
                     uint8_t couleurB, const TMarques& marquesnoeud) {
  const int32_t n = configmoteur.taille;
  const uint8_t c = couleurB;
  (void)couleurA;
  TMarques& faibles = lesfaiblesjoueur();
  TMarques& forts = fortsjoueur();
  // Weak map cleared; the position kept.
  faibles = marquesvides;
  const TGardeEssai garde(p);
  TMarques U = marquesvides;
  // Linked chains a trial leaves dead are class 3; the others are visited.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (p[i] != c || marquesglobales[i] || faibles[i] || U[i] || !marquesliaison1[i]) continue;
      if (essaisansmortfaible(p, marquesnoeud, mortsessai2B, r, k))
        peintchaine(p, faibles, 3, r, k);
      else
        peintchaine(p, U, 1, r, k);
    }
  // Lone stones dead at the start: class 2.
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == c && !marquesglobales[i] && !marquesliaison1[i] && pionsmortsbis[i]) faibles[i] = 2;
  // Threatened chains: class 1.
  if (!coupdecide)
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (p[i] != c || marquesglobales[i] || faibles[i]) continue;
        if (carteattaque[i] || faiblemenaceeordi(p, 3, r, k)) faibles[i] = 1;
      }
  // A weak stone sharing its zone with an unclassed stone loses its class.
  const TMarques classes = faibles;
  for (int32_t s = 0; s < NBCASES; ++s) {
    if (p[s] != c || !classes[s] || infozones[s].numero == 0) continue;
    for (int32_t t = 0; t < NBCASES; ++t)
      if (t != s && p[t] == c && !classes[t] && memezone(s, t)) {
        faibles[s] = 0;
        break;
      }
  }
  // The strong stones: neither weak nor visited.
  forts = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == c && !faibles[i] && !U[i]) forts[i] = 1;
  afficheyeux(faibles, "lesfaibles");
  // Stones a reading links to a strong chain lose their class.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (p[i] != c || U[i] || forts[i] || marquesliaison2[i] || pionsmortsbis[i]) continue;
      if (faibles[i] == 1 && faiblemenaceeordi(p, 1, r, k)) continue;
      const bool lie = peutlierachaine(p, marquesliaison2, marquesliaison1, forts, 2, r, k, pointko);
      p = garde.plateau();
      infochaine = garde.chaines();
      peintchaine(p, U, 1, r, k);
      if (lie && faibles[i]) effacemarques(p, faibles, r, 0, k);
    }
  // The link flags of the opponent's trial records; the map "lie a un fort".
  TMarques cartelieaunfort = forts;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      TEssaiCoup& e = essaijoueur(r, k);
      lieaunfortessai(e) = 0;
      peutlierfortessai(e) = 0;
      metlieaunfaibleessai(e, 0);
      if (!casescandidatesjoueur[i]) continue;
      p = e.plateauessai;
      infochaine = e.infochaineessai;
      if (p[i] == c) {
        if (peutlierachaine(p, pionsmortsessai(e), pionsmortssauves, forts, 1, r, k, pointko)) {
          lieaunfortessai(e) = 1;
          peutlierfortessai(e) = 1;
          cartelieaunfort[i] = 10;
        } else if (pionlieachainetest1(p, forts, r, k)) {
          lieaunfortessai(e) = 1;
        }
        if (pionlieachaine(p, faibles, r, k)) metlieaunfaibleessai(e, 1);
      }
      p = garde.plateau();
      infochaine = garde.chaines();
    }
  // The guard puts the position back.
  afficheyeux(cartelieaunfort, "lie a un fort");
}

void coupdefortificationjoueur(TMarques& codes, const TCartesCote& cartesA, const TCartesCote& cartesB, TPlateau& p,
                               uint8_t couleurA, TListePoints& candidats, int32_t cap, TListePoints& famille,
                               int32_t capfamille) {
  // Flags and map cleared; only after the opening moves, with no pass.
  flagfortification = 0;
  flagfortifjoueur = 1;
  codes = marquesvides;
  cartesB.fortification.fill(0);
  if (!phasedebut || numerocoup < 5 || passesconsecutives != 0) return;
  const uint8_t b = couleurA == NOIR ? BLANC : NOIR;
  TGardeEssai garde(p);
  const Restaure<TMarques> t(territoire);
  FortifJoueur f{codes,    cartesA.mortsapresessai, cartesB.mortsapresessai, cartesB.fortification, cartesB.survie, p,
                 couleurA, b,  candidats, cap, famille, capfamille};
  f.liaison(garde);
  f.evasion(garde);
  f.propagation(garde);
  // Weak stones a saving move covers are marked in their trial records.
  for (int32_t i = 0; i < NBCASES; ++i)
    if (plateaudepart[i] == b && f.faible(i) && f.W[i]) essaijoueur(lignede(i), colonnede(i)).marquesessai[i] |= 1;
  // Strong reinforcements with nothing more urgent: the family is amplified.
  if (flagfortification != 0 && flaginvasion2 < 3 && flaginvasion < 3 && maxfortification < 3 && maxsurvie < 3 &&
      niveau > 3) {
    ecritdebug("AMPLIFIE LES FORTIFS JOUEUR");
    flagfortifjoueur = 1;
    return;
  }
  flagfortifjoueur = 0;
}
