// Weak-chain classification `analysefaibles` and the weak-chain tests of
// the reinforcement families.
#include "engine/proposals/faibles.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/cadre.h"
#include "engine/reading/marquagemorts.h"
#include "engine/territory/etatchaines.h"

namespace {

// The threat test over one side's candidates and trial records.
bool menacee(const TPlateau& p, const TMarques& candidates, const TEssaiCoup (&essais)[TAILLEMAX][TAILLEMAX],
             int32_t mode, int32_t ligne, int32_t colonne) {
  const int32_t n = configmoteur.taille;
  const int32_t s = indexcase(ligne, colonne);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = indexcase(r, c);
      if (p[q] != VIDE || !candidates[q]) continue;
      const TEssaiCoup& e = essais[r - 1][c - 1];
      if (mode == 1) {
        if (pionsmortsessai(e)[s]) return true;
        continue;
      }
      const TMarques& carte = mode == 2 ? e.carte3essai : e.carte2essai;
      if (!carte[s]) continue;
      if (e.etatessai[q] != -2 || e.etatessai[s] < -1) return true;
    }
  return false;
}

// Bit 0x20 on the stones some engine trial saves. The trial's own record
// carries it at the stone; the stone's record never does.
TMarques sauveesparessai() {
  const int32_t n = configmoteur.taille;
  TMarques m = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (!casescandidates[indexcase(r, c)]) continue;
      const TMarques& e = essaiordi(r, c).marquesessai;
      for (int32_t i = 0; i < NBCASES; ++i) m[i] |= e[i] & 0x20;
    }
  return m;
}

// The state of one classification.
struct Classement {
  TPlateau& p;
  uint8_t A, B;
  TMarques vu{};  // chains visited

  bool pierreA(int32_t i) const { return p[i] == A; }
  void visite(int32_t r, int32_t c) { peintchaine(p, vu, 1, r, c); }

  // Classes 1 to 3.
  void classes(int32_t mode);
  // The danger phase; true when a threat was found. E and K filled.
  bool danger(TMarques& E, TCarte& K, const TGardeEssai& garde);
  // Class 4 back to 0 when its zone holds a class-0 stone.
  void revisezones(const TMarques& E);
  // The strong stones, then the link flags.
  void forts();
  void liens();
};

void Classement::classes(int32_t mode) {
  const int32_t n = configmoteur.taille;
  // Chains linked after a trial.
  const TMarques sauvees = sauveesparessai();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!pierreA(i) || marquesglobales[i] || lesfaibles[i] || vu[i] || !marquesliaison1[i]) continue;
      const uint8_t bits = essaiordi(r, c).marquesessai[i] | sauvees[i];
      if (bits & 0x20)
        peintchaine(p, lesfaibles, (bits & 0x40) ? FAIBLELIE40 : FAIBLELIE, r, c);
      else
        visite(r, c);
    }
  // Lone stones dead at the start.
  for (int32_t i = 0; i < NBCASES; ++i)
    if (pierreA(i) && !marquesglobales[i] && !marquesliaison1[i] && pionsmortsbis[i]) lesfaibles[i] = FAIBLELIE;
  // Threatened chains.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!pierreA(i) || marquesglobales[i] || lesfaibles[i] || vu[i] || pionsmortsbis[i]) continue;
      if (faiblemenacee(p, mode, r, c))
        peintchaine(p, lesfaibles, FAIBLEMENACE, r, c);
      else
        visite(r, c);
    }
}

bool Classement::danger(TMarques& E, TCarte& K, const TGardeEssai& garde) {
  const int32_t n = configmoteur.taille;
  const int32_t profondeur = profondeurlecture - 1;
  pionsmorts = marquesliaison1;
  bool menace = false;
  // Plays `couleur` at q and reads the dead chains around it; false when
  // the stone does not stand.
  auto joue = [&](uint8_t couleur, uint8_t autre, int32_t r, int32_t c) {
    const TInfoChaine avant = infochaine;
    TListePoints prises{};
    jouecoup(prises, CAPACITEFAMILLE, p, r, c, couleur, autre);
    if (p[indexcase(r, c)] != couleur) return false;
    for (int32_t k = 1; k <= nbpoints(prises); ++k)
      pionsmorts[indexcase(ligneliste(prises, k), colonneliste(prises, k))] = 0;
    int32_t statut = 0;
    marquechainesmortes(avant, p, statut, profondeur, profondeur, TPoint{r, c}, TPoint{}, TPoint{},
                        paramniveaub + 2, nbpoints(prises), 0);
    return true;
  };
  // The opponent's threats, one after the other, kept on the board.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = indexcase(r, c);
      if (p[q] != VIDE || !casescandidatesjoueur[q]) continue;
      const TEssaiCoup& e = essaijoueur(r, c);
      if (e.compteur1essai < 1) continue;
      if (!joue(B, A, r, c)) continue;
      const bool solide = (marqueliaisonessai(e) && e.infochaineessai[q][0] > 2) || compteur6essai(e) >= 1;
      if (!solide) {
        menace = true;
        continue;
      }
      for (int32_t s = 0; s < NBCASES; ++s)
        if (lesfaibles[s] == FAIBLEMENACE && e.carte2essai[s]) E[s] = 1;
    }
  // The position with the threats played.
  const TPlateau plateau1 = p;
  const TInfoChaine chaines1 = infochaine;
  const TMarques morts1 = pionsmorts;
  // The engine's answers: how often each threatened stone lives.
  if (menace) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t q = indexcase(r, c);
        if (plateau1[q] != VIDE || !casescandidates[q]) continue;
        const TEssaiCoup& e = essaiordi(r, c);
        if (e.carte2essai[q] || !marquedanscarre(lesfaibles, 2, r, c)) continue;
        p = plateau1;
        infochaine = chaines1;
        pionsmorts = morts1;
        if (!joue(A, B, r, c)) continue;
        marquesdetect = pionsmorts;
        int32_t resultat = 0;
        detectetatchaine(B, A, resultat, p, 1, r, c, 0);
        for (int32_t s = 0; s < NBCASES; ++s)
          if (lesfaibles[s] == FAIBLEMENACE && p[s] == A && !pionsmorts[s] && !pionsmortsessai(e)[s]) ++K[s];
      }
  }
  // Back to the entry position.
  p = garde.plateau();
  infochaine = garde.chaines();
  pionsmorts = garde.morts();
  return menace;
}

void Classement::revisezones(const TMarques& E) {
  for (int32_t s = 0; s < NBCASES; ++s) {
    if (lesfaibles[s] != FAIBLEDANGER || E[s] == 2 || !pierreA(s) || infozones[s].nbpierres <= 1) continue;
    for (int32_t t = 0; t < NBCASES; ++t) {
      if (t == s || !pierreA(t) || lesfaibles[t] != 0) continue;
      if (infozones[t].numero == infozones[s].numero &&
          (infozones[t].couleurzone & 0xFF) == (infozones[s].couleurzone & 0xFF)) {
        lesfaibles[s] = 0;
        break;
      }
    }
  }
}

void Classement::forts() {
  const int32_t n = configmoteur.taille;
  // The strong stones.
  listefaibles = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (pierreA(i) && lesfaibles[i] == 0 && !marquesliaison1[i]) listefaibles[i] = 1;
  // Stones a reading links to a strong chain lose their class.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!pierreA(i) || vu[i] || listefaibles[i] || pionsmortsbis[i]) continue;
      if (lesfaibles[i] == FAIBLEMENACE && faiblemenacee(p, 1, r, c)) continue;
      if (!peutlierachaine(p, marquesliaison1, marquesliaison2, listefaibles, 2, r, c, pointko)) continue;
      visite(r, c);
      if (lesfaibles[i]) effacemarques(p, lesfaibles, r, 0, c);
    }
}

void Classement::liens() {
  const int32_t n = configmoteur.taille;
  const TPlateau depart = p;
  const TInfoChaine chainesdepart = infochaine;
  // The link flags of the engine's trial records; the map "lie a un fort".
  TMarques cartelieaunfort = listefaibles;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      TEssaiCoup& e = essaiordi(r, c);
      lieaunfortessai(e) = 0;
      peutlierfortessai(e) = 0;
      metlieaunfaibleessai(e, 0);
      if (!casescandidates[i]) continue;
      p = e.plateauessai;
      infochaine = e.infochaineessai;
      peutlierfortessai(e) = chainelieeapresessai(listefaibles, r, c) ? 1 : 0;
      if (peutlierfortessai(e) == 0) {
        if (peutlierachaine(p, pionsmortsessai(e), pionsmortssauves, listefaibles, 1, r, c, pointko)) {
          lieaunfortessai(e) = 1;
          peutlierfortessai(e) = 1;
          cartelieaunfort[i] = 10;
        } else if (pionlieachainetest1(p, listefaibles, r, c)) {
          lieaunfortessai(e) = 1;
        }
      }
      metlieaunfaibleessai(e, chainelieeapresessai(lesfaibles, r, c) ? 1 : 0);
      p = depart;
      infochaine = chainesdepart;
    }
  afficheyeux(cartelieaunfort, "lie a un fort");
}

}  // namespace

bool faiblemenacee(const TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne) {
  return menacee(p, casescandidatesjoueur, essaisjoueur, mode, ligne, colonne);
}

bool faiblemenaceeordi(const TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne) {
  return menacee(p, casescandidates, essaisordi, mode, ligne, colonne);
}

bool transformefaibles(TMarques& danger, const TCarte& comptes, bool ouverture) {
  bool change = false;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (lesfaibles[i] != FAIBLEMENACE) continue;
    const bool selectionne = (danger[i] == 1 && comptes[i] >= 21) || (danger[i] == 0 && comptes[i] >= 11);
    if (!selectionne) continue;
    lesfaibles[i] = ouverture ? 0 : FAIBLEDANGER;
    danger[i] = 2;
    change = true;
  }
  if (change) ecritdebug("Transformateur de faible 1 en faible 4");
  return change;
}

void analysefaibles(const TCartesSurvieCote&, const TCartesSurvieCote&, const TMarques&, uint8_t couleurA,
                    TPlateau& p) {
  // Entry state kept; the weak map cleared.
  const TGardeEssai garde(p);
  maxfortification = 0;
  lesfaibles = marquesvides;
  Classement k{p, couleurA, static_cast<uint8_t>(couleurA == NOIR ? BLANC : NOIR)};
  // Classes only after the opening moves.
  if (phasedebut && numerocoup >= 5) {
    int32_t t = static_cast<int32_t>(bilanscore / 2);
    if (t > -10) t = -10;
    // The mode of the threat test, from the largest kill or save count
    // of the trials that the position analysis keeps.
    int32_t mode = 3;
    if (debutpartie == 1) {
      flagsurvie = 0;
      mode = flagouverture >= 3 ? 1 : maxprisesessais < 3 ? 3 : 2;
    }
    // Classes 1 to 3.
    k.classes(mode);
    // The danger phase, unless defending or with a comfortable margin.
    TMarques E = marquesvides;
    TCarte K{};
    bool menace = false;
    if (strategie != 1 &&
        (debutpartie == 1 || flagattaque || compteurfaibles >= 3 || bilanentier - territoireaprendre[0] < t))
      menace = k.danger(E, K, garde);
    // Threatened stones no answer saves become class 4.
    if (menace) transformefaibles(E, K, debutpartie == 1);
    // Chains the board-wide status finds dead.
    if (debutpartie != 1) {
      pionsmorts = marquesliaison1;
      detectetatplateau(k.B, p);
      for (int32_t i = 0; i < NBCASES; ++i)
        if (k.pierreA(i) && !marquesglobales[i] && pionsmorts[i] && lesfaibles[i] == 0 && !pionsmortsbis[i])
          lesfaibles[i] = FAIBLEDANGER;
      p = garde.plateau();
      infochaine = garde.chaines();
    }
    // Dead marks back; class 4 revised by zone.
    pionsmorts = garde.morts();
    k.revisezones(E);
  }
  // Then, at every move, the strong stones and the link flags.
  k.forts();
  k.liens();
  // The guard puts board, infochaine and pionsmorts back.
  afficheyeux(lesfaibles, "lesfaibles");
}

bool essaisansmortfaible(const TPlateau& p, const TMarques& marques, const TCartesParPoint& masques, int32_t ligne,
                         int32_t colonne) {
  const int32_t n = configmoteur.taille;
  const int32_t s = indexcase(ligne, colonne);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t q = indexcase(r, c);
      if (p[q] == VIDE && !marques[q] && !masques[r - 1][c - 1][s]) return true;
    }
  return false;
}

bool faiblesetfortsproches(const TPlateau& p, const TMarques& faibles, const TMarques& masque, uint8_t c, int32_t r,
                           int32_t ligne, int32_t colonne) {
  int32_t l0, l1, c0, c1;
  bornesfenetre(ligne, colonne, r, l0, l1, c0, c1);
  bool faible = false, fort = false;
  for (int32_t l = l0; l <= l1; ++l)
    for (int32_t k = c0; k <= c1; ++k) {
      const int32_t i = indexcase(l, k);
      if (p[i] != c) continue;
      if (faibles[i])
        faible = true;
      else if (!masque[i])
        fort = true;
    }
  return faible && fort;
}

bool testdiagonalefaible(const TPlateau& p, uint8_t c, TListePoints& l, int32_t ligne, int32_t colonne) {
  auto faible = [&](int32_t r, int32_t k) { return lesfaibles[indexcase(r, k)] != 0; };
  bool gate = false;
  for (const int32_t dl : {1, -1}) {
    const int32_t r = ligne + dl;
    if (tient(p, r, colonne, c)) {
      if (!faible(r, colonne)) gate = true;
      continue;
    }
    for (const int32_t dc : {1, -1}) {
      if (!tient(p, r, colonne + dc, c)) continue;
      if (faible(r, colonne + dc))
        proposecase(l, CAPACITEFAMILLE, r, colonne + dc);
      else
        gate = true;
    }
  }
  const int32_t nb = nbpoints(l);
  if (bordgoban[indexcase(ligne, colonne)]) return nb > 0;
  if (nb == 0) return false;
  if (nb >= 2) return true;
  const bool fortcote = (tient(p, ligne, colonne - 1, c) && !faible(ligne, colonne - 1)) ||
                        (tient(p, ligne, colonne + 1, c) && !faible(ligne, colonne + 1));
  return gate || fortcote;
}

void marquezonesisolees(const TPlateau& p, const TMarques& faibles, TCarte& comptes, uint8_t c) {
  const int32_t n = configmoteur.taille;
  TMarques m = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k)
      if (p[indexcase(r, k)] == VIDE && voisinmarque2(faibles, r, k)) m[indexcase(r, k)] = 1;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (m[i] || p[i] == c || territoire[i] == c || territoire2[i] == c) continue;
      int32_t l0, l1, c0, c1;
      bornesfenetre(r, k, distancebord[i] <= 1 ? 3 : 2, l0, l1, c0, c1);
      bool libre = true;
      for (int32_t a = l0; a <= l1 && libre; ++a)
        for (int32_t b = c0; b <= c1 && libre; ++b) {
          const int32_t j = indexcase(a, b);
          if ((p[j] == c && !pionsmorts[j]) || territoire[j] == c || territoire2[j] == c || faibles[j]) libre = false;
        }
      if (!libre) continue;
      for (int32_t a = l0; a <= l1; ++a)
        for (int32_t b = c0; b <= c1; ++b)
          if (!m[indexcase(a, b)]) comptes[indexcase(a, b)] += 1;
    }
}

bool testlienpionprovisoire(TPlateau& p, const TMarques& marques, uint8_t c, int32_t mode, int32_t ligne,
                            int32_t colonne) {
  const int32_t i = indexcase(ligne, colonne);
  const uint8_t avant = p[i];
  const TEntreeChaine entree = infochaine[i];
  if (p[i] == VIDE) {
    p[i] = c;
    if (infochaine[i][0] == 0) infochaine[i][0] = 3;
  }
  const bool lie = mode == 1 ? pionlieachaine(p, marques, ligne, colonne) : pionlieachainetest1(p, marques, ligne, colonne);
  p[i] = avant;
  infochaine[i] = entree;
  return lie;
}
