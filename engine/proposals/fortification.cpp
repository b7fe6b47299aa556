// Reinforcement family `coupdefortification`: the entry gate, the
// acceptance step, the eye sub-families, the sub-families read off the trial
// records, the final marks; its private tests.
#include "engine/proposals/fortification.h"

#include <algorithm>

#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/fortification_etat.h"
#include "engine/proposals/regionspoussee.h"
#include "engine/proposals/survie.h"
#include "engine/proposals/territoirefinal.h"
#include "engine/reading/deuxyeux.h"
#include "engine/reading/marquagemorts.h"

namespace {

TTravailFortif travail;

// Rank of a negative survival state: -1 before -6 before -5, anything else last.
int32_t rangetat(int32_t e) { return e == -1 ? 3 : e == -6 ? 2 : e == -5 ? 1 : 0; }

}  // namespace

// ---- Private tests ------------------------------------------------------------------

int32_t meilleuretatsurvie(int32_t cote, int32_t ligne, int32_t colonne) {
  const int32_t q = indexcase(ligne, colonne);
  if (valeurssurvie[q] > 0) return 1;
  const TMarques& cand = cote == 1 ? casescandidates : casescandidatesjoueur;
  int32_t meilleur = rangetat(valeurssurvie[q]) > 0 ? valeurssurvie[q] : -10;
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      if (!cand[indexcase(r, k)]) continue;
      const int32_t e = (cote == 1 ? essaiordi(r, k) : essaijoueur(r, k)).etatessai[q];
      if (e > 0) return 1;
      if (rangetat(e) > rangetat(meilleur)) meilleur = e;
    }
  return meilleur;
}

bool creeoeil(int32_t ligne, int32_t colonne) {
  const TEssaiCoup& e = essaiordi(ligne, colonne);
  const uint8_t c = couleurordi;
  return pastable(ligne, colonne, [&](int32_t a, int32_t b) {
    if (e.plateauessai[indexcase(a, b)] != VIDE) return false;
    return !pastable(a, b, [&](int32_t x, int32_t y) {
      const int32_t j = indexcase(x, y);
      return e.plateauessai[j] != c || e.infochaineessai[j][0] == 1;
    });
  });
}

int32_t valeurterritoireautour(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t cote) {
  const TCarte& t = cote == 1 ? cartefinale1 : cartefinale2;
  const int32_t i = indexcase(ligne, colonne);
  int32_t n = octetfinal(t[i], 0) ? -1 : 0;
  pastable(ligne, colonne, [&](int32_t a, int32_t b) {
    const int32_t j = indexcase(a, b);
    if (p[j] == VIDE && octetfinal(t[j], 0)) ++n;
    return false;
  });
  if (n < 1) return n;
  return (7 - octetfinal(t[i], 1)) * n * octetfinal(t[i], 3);
}

void croissanceterritoire(const TMarques& marques, const TPlateau& p, int32_t ligne, int32_t colonne, TCarte& sortie) {
  const uint8_t c = p[indexcase(ligne, colonne)];
  if (c == VIDE) return;
  const TCarte& t = c == 1 ? cartefinale1 : cartefinale2;
  TMarques l = marques;
  const int32_t n = configmoteur.taille;
  int32_t compte = 0;
  for (int32_t passe = 0; passe < 2; ++passe) {
    const TMarques avant = l;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (l[i] || p[i] != VIDE || !octetfinal(t[i], 0)) continue;
        if (!pastable(r, k, [&](int32_t a, int32_t b) { return avant[indexcase(a, b)] == 1; })) continue;
        l[i] = 1;
        compte += bordgoban[i] ? 2 : 1;
      }
  }
  if (compte <= 0) return;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (l[i] == 1 && p[i] == c) sortie[i] = compte;
}

bool joueetlit(TPlateau& p, int32_t i, uint8_t couleur, uint8_t autre) {
  const TInfoChaine avant = infochaine;
  TListePoints prises{};
  jouecoup(prises, CAPACITEFORTIF, p, lignede(i), colonnede(i), couleur, autre);
  for (int32_t k = 1; k <= nbpoints(prises); ++k) pionsmorts[indexcase(ligneliste(prises, k), colonneliste(prises, k))] = 0;
  if (p[i] != couleur) return false;
  int32_t statut = 0;
  marquechainesmortes(avant, p, statut, profondeurlecture - 1, profondeurlecture - 1, TPoint{lignede(i), colonnede(i)},
                      TPoint{}, TPoint{}, 5, nbpoints(prises), 0);
  return true;
}

// ---- Shared terms --------------------------------------------------------------------

void Fortif::marquelies(TMarques& m, int32_t q) const {
  metlachainelieesliensessais(p, m, pointsliaison, q / TAILLEMAX + 1, q % TAILLEMAX + 1);
}

void Fortif::sauve(int32_t i, int32_t q, uint8_t k) const {
  w.pierressauvees[q] = 1;
  uint8_t& m = essaiA(i).marquesessai[q];
  if (m == 0) m = k;
}

bool Fortif::marquedanscarre(const TMarques& m, int32_t r, int32_t i) const {
  int32_t l1, l2, c1, c2;
  bornesfenetre(i / TAILLEMAX + 1, i % TAILLEMAX + 1, r, l1, l2, c1, c2);
  for (int32_t a = l1; a <= l2; ++a)
    for (int32_t b = c1; b <= c2; ++b)
      if (indexcase(a, b) != i && m[indexcase(a, b)] == 1) return true;
  return false;
}

int32_t Fortif::rendusforts(const TMarques& m, int32_t i) const {
  int32_t f = 0;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (m[q] && p[q] == c && lesfaibles[q] == 0 && w.lesfaiblessauves[q] > 0 && lieparcecoup(i, q)) ++f;
  return f;
}

bool Fortif::joinfort(const TMarques& m, int32_t i) const {
  for (int32_t q = 0; q < NBCASES; ++q)
    if (q != i && m[q] && p[q] == c && lesfaibles[q] == 0 && vivantmorts(i, q) && lieparcecoup(i, q)) return true;
  return false;
}

void Fortif::charge(int32_t i) const {
  const TEssaiCoup& e = essaiA(i);
  p = e.plateauessai;
  infochaine = e.infochaineessai;
}

void Fortif::accepte(int32_t i, int32_t s) {
  empilepoint(w.trace, CAPACITEFORTIF, i / TAILLEMAX + 1, i % TAILLEMAX + 1);
  const int32_t v = 20 * s + (numero == 8 ? 10 : 0);
  if (numero == 2)
    fortification[i] = v;
  else if (numero == 3)
    fortification[i] += v;
  else
    ecritvaleur(fortification, i, v);
  if (survieA[i] > 0 && w.memoentree[i] == 1)
    fortification[i] = survieA[i] > fortification[i] ? 0 : fortification[i] - survieA[i];
  if (numero <= 4) {
    memosurvie[i] = 1;
    if (fortification[i] > 0) marquesnoeud[i] = 0;
  }
  if (fortification[i] > 0 && maxfortification < s) maxfortification = s;
  proposecase(candidats, CAPACITELISTECANDIDATS, i / TAILLEMAX + 1, i % TAILLEMAX + 1);
  if (marquesfortification[i] == 0) marquesfortification[i] = code;
}

void Fortif::ecritliste(std::string_view label) {
  affichelistecoups(w.trace, CAPACITEFORTIF, label);
  w.trace[0] = 0;
}

// ---- Eye sub-families ------------------------------------------------------------------

namespace {

// State 1 is taken; state 0 is read and refused points get 2; state 2 is refused.
bool confirmeoeil(Fortif& f, int32_t i) {
  uint8_t& m = f.memosurvie[i];
  if (m == 1) return true;
  if (m != 0) return false;
  const int32_t r = i / TAILLEMAX, k = i % TAILLEMAX;
  if (testyeuxapresessai(f.morts2A[r][k], f.p, f.c, r + 1, k + 1)) return true;
  m = 2;
  return false;
}

// The chains linked to the weak stones around the point go into
// pierressauvees; the weak ones are marked 1 in the point's record. The
// strength of the eye move.
int32_t marqueoeil(Fortif& f, int32_t i) {
  int32_t l1, l2, c1, c2;
  const int32_t r = i / TAILLEMAX + 1, k = i % TAILLEMAX + 1;
  bornesfenetre(r, k, 1, l1, l2, c1, c2);
  TMarques m = marquesvides;
  for (int32_t a = l1; a <= l2; ++a)
    for (int32_t b = c1; b <= c2; ++b) {
      const int32_t q = indexcase(a, b);
      if (f.p[q] == f.c && f.faible(q) && !m[q]) f.marquelies(m, q);
    }
  TEssaiCoup& e = Fortif::essaiA(i);
  for (int32_t q = 0; q < NBCASES; ++q)
    if (m[q] && f.p[q] == f.c) {
      f.w.pierressauvees[q] = 1;
      if (f.faible(q)) e.marquesessai[q] = 1;
    }
  return std::max(f.force(i), comptepierresreliees(f.p, f.c, lesfaibles, r, k));
}

}  // namespace

void Fortif::yeux() {
  debut(1, 1);
  TListePoints l{};
  TMarques vu = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == c && faible(q) && !vu[q])
      libertesdelachaine(p, l, CAPACITEFORTIF, 0, q / TAILLEMAX + 1, q % TAILLEMAX + 1, vu);
  for (int32_t n = 1; n <= nbpoints(l); ++n) {
    const int32_t i = indexcase(ligneliste(l, n), colonneliste(l, n));
    if (!candidat(i) || !confirmeoeil(*this, i)) continue;
    accepte(i, marqueoeil(*this, i));
  }
  ecritliste("COUP DE FORTIFICATION YEUX: ");
}

void Fortif::yeuxoublies() {
  debut(2, 1);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || memosurvie[i] != 1 || fortification[i] != 0) continue;
      const TEssaiCoup& e = essaiA(i);
      charge(i);
      TMarques m = marquesvides;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (e.marquesessai[q] && p[q] == c && !m[q]) marquelies(m, q);
      garde.restaure();
      int32_t sauves = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (m[q] && p[q] == c && faible(q) && !w.pierressauvees[q] && vivantessai(e, q)) {
          w.pierressauvees[q] = 1;
          ++sauves;
        }
      if (sauves > 0) accepte(i, std::max(force(i), sauves));
    }
  if (nbpoints(w.trace) > 0) ecritliste("COUP DE FORTIFICATION YEUX oublié: ");
}

void Fortif::yeuxdiagonale() {
  debut(3, 1);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || memosurvie[i] != 2 || p[i] != VIDE) continue;
      TListePoints l{};
      if (!testdiagonalefaible(p, c, l, r, k)) continue;
      const int32_t avant = comptepierresreliees(p, c, lesfaibles, r, k);
      TListePoints prises{};
      jouecoup(prises, CAPACITEFORTIF, p, r, k, c, o);
      int32_t apres = 0;
      bool vit = false;
      if (p[i] == c) {
        TMarques chaine = marquesvides;
        marquepionschaine(p, chaine, 0, r, k);
        TMarques lies = marquesvides;
        metlachainelieesimple(p, lies, r, k);
        for (int32_t q = 0; q < NBCASES; ++q)
          if (lies[q] && q != i && p[q] == c && faible(q)) ++apres;
        vit = testdeuxyeuxpossible(p, r, k, nbpoints(prises));
      }
      garde.restaure();
      if (!vit) continue;
      accepte(i, std::max({avant, apres, force(i)}));
    }
  ecritliste("COUP DE FORTIFICATION YEUX en DIAGONALE: ");
}

void Fortif::yeuxentuant() {
  debut(4, 1);
  // The opponent stones touching weak engine stones.
  TListePoints l{};
  TMarques vu = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == c && faible(q) && !vu[q])
      listepierresennemiesvoisines(p, l, CAPACITEFORTIF, 0, q / TAILLEMAX + 1, q % TAILLEMAX + 1, vu);
  TMarques ennemis = marquesvides;
  for (int32_t n = 1; n <= nbpoints(l); ++n) ennemis[indexcase(ligneliste(l, n), colonneliste(l, n))] = 1;
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || p[i] != VIDE) continue;
      bool tue = false;
      for (int32_t q = 0; q < NBCASES && !tue; ++q) tue = ennemis[q] && p[q] == o && !vivantmorts(i, q);
      if (!tue || !confirmeoeil(*this, i)) continue;
      accepte(i, marqueoeil(*this, i));
    }
  ecritliste("COUP DE FORTIFICATION YEUX EN TUANT: ");
}

// ---- Sub-families read off the trial records ----------------------------------------

void Fortif::survieadverse() {
  debut(12, 20);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || survieB[i] <= 0) continue;
      TEssaiCoup& e = essaiA(i);
      if (e.compteur1essai <= 0) continue;
      charge(i);
      TMarques m = marquesvides;
      for (int32_t x = 0; x < NBCASES; ++x) {
        if (!e.carte2essai[x] || garde.plateau()[x] != o || pionsmortsbis[x]) continue;
        pastable(x / TAILLEMAX + 1, x % TAILLEMAX + 1, [&](int32_t a, int32_t b) {
          const int32_t y = indexcase(a, b);
          if (p[y] == c && faible(y) && !m[y]) marquelies(m, y);
          return false;
        });
      }
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (m[q] && p[q] == c && vivantessai(e, q) && lieparcecoup(i, q)) {
          ++compte;
          w.pierressauvees[q] = 1;
          if (faible(q) && e.marquesessai[q] == 0) e.marquesessai[q] = 20;
        }
      garde.restaure();
      if (compte > 0) accepte(i, compte);
    }
  ecritliste("COUP DE FORTIFICATION_testordituecoupdesurviejoueur: ");
}

void Fortif::revit() {
  if (!classe3) return;
  debut(13, 13);
  const TMarques avant = w.pierressauvees;
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i)) continue;
      TEssaiCoup& e = essaiA(i);
      if (compteur3essai(e) <= 0 || e.compteur2essai <= 0) continue;
      int32_t compte = 0, nouveaux = 0;
      for (int32_t q = 0; q < NBCASES; ++q) {
        if (p[q] != c || !pionsmortsbis[q] || !vivantmorts(i, q) || !lieparcecoup(i, q)) continue;
        ++compte;
        if (faible(q) && e.marquesessai[q] == 0) e.marquesessai[q] = 13;
        if (!avant[q]) {
          w.pierressauvees[q] = 1;
          ++nouveaux;
        }
      }
      if (compte == 0) continue;
      code = nouveaux > 0 ? 13 : 12;
      accepte(i, compte);
    }
  ecritliste("COUP DE FORTIFICATION_revit par analyse seulsol(13) ou non(12) : ");
}

void Fortif::semaiseki() {
  debut(16, 17);
  if (classe2) {
    const int32_t n = taille();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (!candidat(i)) continue;
        TEssaiCoup& e = essaiA(i);
        if (compteursemaiessai(e) <= 0) continue;
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q) {
          if (p[q] != c || lesfaibles[q] != FAIBLELIE) continue;
          if (w.meilleuretat[q] == -10 || w.meilleuretat[q] != e.etatessai[q] || !lieparcecoup(i, q)) continue;
          ++compte;
          sauve(i, q, 17);
        }
        if (compte > 0) accepte(i, compte);
      }
  }
  ecritliste("COUP DE FORTIFICATION par semai ou seki : ");
}

void Fortif::rectifievit() {
  debut(23, 8);
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == c && lesfaibles[q] == 0) w.pierressauvees[q] = 0;
  if ((classe2 || classe3) && maxfortification > 0) {
    const int32_t n = taille();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (!candidat(i) || fortification[i] != 0 || testvitA[i] <= 1) continue;
        TEssaiCoup& e = essaiA(i);
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q) {
          if (!w.pierressauvees[q] || !pionsmortsbis[q] || !vivantmorts(i, q) || !lieparcecoup(i, q)) continue;
          ++compte;
          if (faible(q) && e.marquesessai[q] == 0) e.marquesessai[q] = 8;
        }
        if (compte > 0) accepte(i, compte);
      }
  }
  ecritliste("COUP DE FORTIFICATION_rectifié par testordivit: ");
}

void Fortif::forcechaine() {
  debut(26, 14);
  if (classe2) {
    const int32_t n = taille();
    auto examine = [&](int32_t i) { return candidat(i) && fortification[i] == 0 && testvitA[i] > 1; };
    TCarte meilleur{};
    for (int32_t i = 0; i < NBCASES; ++i) {
      if (!examine(i)) continue;
      const TEssaiCoup& e = essaiA(i);
      for (int32_t q = 0; q < NBCASES; ++q)
        if (p[q] == c && lesfaibles[q] == FAIBLELIE && e.etatessai[q] > 2)
          meilleur[q] = std::max(meilleur[q], e.etatessai[q]);
    }
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = indexcase(r, k);
        if (!examine(i)) continue;
        const TEssaiCoup& e = essaiA(i);
        int32_t compte = 0;
        for (int32_t q = 0; q < NBCASES; ++q) {
          if (p[q] != c || lesfaibles[q] != FAIBLELIE || !lieparcecoup(i, q)) continue;
          const int32_t x = e.etatessai[q];
          if (!(x >= 5 || (x >= 1 && x <= 4 && x == meilleur[q]))) continue;
          ++compte;
          sauve(i, q, 14);
        }
        if (compte > 0) accepte(i, compte);
      }
  }
  ecritliste("COUP DE FORTIFICATION_vit max des force chaine: ");
}

void Fortif::couperpourregner() {
  debut(27, 22);
  const int32_t n = taille();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (!candidat(i) || !casescandidatesjoueur[i] || fortification[i] != 0) continue;
      TEssaiCoup& e = essaiA(i);
      if (!(essaiB(i).essaifait & 0x04) || e.carte2essai[i] != 0 || !lieaunfaibleessai(e)) continue;
      auto passe = [&](int32_t q) {
        return p[q] == c && faible(q) && (e.liensessai[q] & 0x20) && !e.carte2essai[q] &&
               !(essaiA(q).marquesessai[q] & 0x10) && lieparcecoup(i, q);
      };
      TMarques m = marquesvides;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (!m[q] && passe(q)) marquelies(m, q);
      int32_t compte = 0;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (m[q] && passe(q)) {
          ++compte;
          sauve(i, q, 22);
        }
      if (compte > 0) accepte(i, compte);
    }
  ecritliste("COUP DE FORTIFICATION couperpourmieuxregner ");
}

// ---- The family ----------------------------------------------------------------------------

void coupdefortification(TMarques& marquesfortification, TMarques& pointsliaison, const TCartesCote& A,
                         const TCartesSurvieCote& B, TCarte& bonuscombatsemai, TPlateau& p, uint8_t couleur,
                         TListePoints& candidats, TMarques& marquesnoeud) {
  TCarte& fortification = A.fortification;
  // The entry gate.
  maxfortification = 0;
  fortification.fill(0);
  TTravailFortif& w = travail;
  w.faiblesliees = marquesvides;
  w.meilleuretat.fill(0);
  bool classes[5] = {};
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t q = indexcase(r, k);
      if (p[q] != couleur) continue;
      const uint8_t f = lesfaibles[q];
      if (f == 0 && marquesliaison1[q]) w.faiblesliees[q] = 1;
      if (f >= 1 && f <= 4) classes[f] = true;
      if (f == FAIBLELIE) w.meilleuretat[q] = meilleuretatsurvie(1, r, k);
    }
  if (!classes[1] && !classes[2] && !classes[3] && !classes[4]) return;
  if (phasedebut == 0 || numerocoup < 5) return;
  if (passesconsecutives != 0 && (strategie == 1 || (!classes[2] && !classes[3]))) return;

  TGardeEssai garde(p);
  w.memoentree = A.memosurvie;
  w.pierressauvees = marquesvides;
  w.pierressauvees2 = marquesvides;
  w.lesfaiblessauves = lesfaibles;
  w.pionsfortsordi = marquesvides;
  w.marquespointsliaison = marquesvides;
  w.croissancefaibles.fill(0);
  w.trace[0] = 0;
  Fortif f{marquesfortification, pointsliaison, A.memosurvie, A.tues, B.tues, A.sauves, A.mortsapresessai,
           B.mortsapresessai, A.mortsapreslecture, bonuscombatsemai, fortification, A.survie, B.survie, p,
           couleur, static_cast<uint8_t>(1 - couleur), candidats, marquesnoeud, w, garde};
  f.classe1 = classes[1];
  f.classe2 = classes[2];
  f.classe3 = classes[3];
  f.classe4 = classes[4];
  {
    // The opponent's kill strengths read zero until sub-family 28 is done;
    // lesfaibles comes back whatever the zone adjustment left.
    const Restaure<TMarques> tue(B.tues);
    const Restaure<TMarques> faibles(lesfaibles);
    B.tues = marquesvides;

    // The stones the survival moves already save.
    for (int32_t q = 0; q < NBCASES; ++q) {
      if (A.survie[q] <= 0 || A.memosurvie[q] != 1) continue;
      const TEssaiCoup& e = Fortif::essaiA(q);
      f.charge(q);
      TMarques m = marquesvides;
      for (int32_t x = 0; x < NBCASES; ++x)
        if (e.marquesessai[x] && p[x] == couleur && !m[x]) f.marquelies(m, x);
      for (int32_t x = 0; x < NBCASES; ++x)
        if (m[x] && lesfaibles[x] > 0) w.pierressauvees[x] = 1;
      garde.restaure();
    }

    // The sub-families in their order.
    f.yeux();
    f.yeuxoublies();
    f.yeuxdiagonale();
    f.yeuxentuant();
    f.tuagestrategique();
    f.liaison();
    f.liaisoncoupure();
    f.liaisonforcee();
    f.liaisonmort();
    f.evasion();
    f.liaisonprise();
    f.survieadverse();
    f.revit();
    f.coupforce();
    f.propagation();
    f.semaiseki();
    f.degresemai();
    f.influencereste();
    f.liaisonseule();
    f.dernierespoir();
    f.nouveauxyeux();
    f.augmenteyeux();
    f.rectifievit();
    f.rectifietue();
    f.pluspossible();
    f.forcechaine();
    f.couperpourregner();
    f.couperclasse2();
    garde.restaure();
  }

  // The balancing passes and the race bonus.
  f.harmonisationBONUSSURVIE();
  f.comparepionssauves();
  f.bonussemai();

  // Final marks.
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == couleur && lesfaibles[q] > 0 && w.pierressauvees[q]) Fortif::essaiA(q).marquesessai[q] |= 0x01;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (A.memosurvie[i] != 1 && marquesfortification[i] != 1) continue;
    const TEssaiCoup& e = Fortif::essaiA(i);
    for (int32_t x = 0; x < NBCASES; ++x)
      if (e.marquesessai[x] == 1 && p[x] == couleur) Fortif::essaiA(x).marquesessai[x] |= 0x90;
  }
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t i = indexcase(r, k);
      if (influence[i] == 1 - couleur && (fortification[i] > 0 || A.survie[i] > 0)) {
        flagfortif2 = 1;
        return;
      }
    }
}
