// Invasion attempts: the claimed zones around the invading stone, the grade
// walk over the owner's territory, series of random linking trials, and the
// values of the owner's answers.
#include "engine/proposals/tentatives.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lienvivant.h"
#include "engine/proposals/fenetre.h"
#include "engine/reading/marquage.h"
#include "engine/reading/prise.h"
#include "engine/reading/propagation.h"
#include "engine/territory/estimation.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/lecturezone.h"
#include "engine/territory/seki.h"
#include "platform/platform.h"

namespace {

constexpr int32_t CAPACITE = 300;  // every list of the attempt

using TCompteAires = std::array<int32_t, NBCASES + 1>;  // per area number 1..n

bool fenetre(TPoint a, int32_t r, int32_t c, int32_t rayon) {
  return std::abs(a.ligne - r) <= rayon && std::abs(a.colonne - c) <= rayon;
}

bool dansliste(const TListePoints& l, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return true;
  return false;
}

// Drops entry k (1-based) of the list; the last entry takes its place.
void retire(TListePoints& l, int32_t k) {
  const int32_t n = nbpoints(l);
  l[2 * k] = l[2 * n];
  l[2 * k + 1] = l[2 * n + 1];
  l[0] = n - 1;
}

void retirepoint(TListePoints& l, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return retire(l, k);
}

// One of the eight points around holds `couleur` and is set in `marques`.
bool voisin8couleurmarque(const TPlateau& p, uint8_t couleur, const TMarques& marques, int32_t r, int32_t c) {
  return pas8(r, c, [&](int32_t r2, int32_t c2) {
    const int32_t j = indexcase(r2, c2);
    return p[j] == couleur && marques[j] != 0;
  });
}

// The point is `couleur`'s in territoire, or an empty point around it is.
bool voisin8territoire(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c) {
  if (territoire[indexcase(r, c)] == couleur) return true;
  return pas8(r, c, [&](int32_t r2, int32_t c2) {
    const int32_t j = indexcase(r2, c2);
    return p[j] == VIDE && territoire[j] == couleur;
  });
}

// The bulky state of one attempt (static storage: one attempt at a time).
struct TEtat {
  TPlateau zone;            // the owner's zone board
  TListePoints libertes;    // liberties of the invading chain
  TListePoints faibles;     // owner stones next to it in chains of 1 or 2 liberties
  TMarques marque;          // own mark: the owner's stone there dies, no invader chain in atari next to it
  TMarques externe, interne;  // the two zone maps
  TMarques vu;              // visits of the grade walk: 1 visited, 2 contact point
  TCarte aires;             // area number of each owner point the walk met
  TCompteAires tailles;     // per area, its points not 2 in the inner zone
  TListePoints essais;      // the trial list
  TListePoints proprietaires;  // the owner's points of the trial list
  // Scratch of one random trial.
  TPlateau essai;
  TMarques m;
  TListePoints l;
  TMarques chaine;
  TInfoChaine chainesessai;
  // Counts of the series per area.
  TCompteAires T1, P1, T2, P2, refT, refP;
};
TEtat e;

struct Tentative {
  TPoint coup;
  uint8_t inv, own;
  const TCartesTentative& cartes;
  TCarte& scores;
  TPlateau& p;
  int32_t& score;
  TListePoints& liste;
  int32_t cap;

  bool nonlie = false, dedans = false, force = false;
  int32_t d = 3, pa = 70, pb = 70;
  // The grade walk.
  int32_t naires = 0, S = 0, snote = 0;
  TPoint sortie{};
  bool sortienotee = false;
  // References of the trials.
  int32_t sommeref = 0, tactref = 0, vref = 0;

  bool mortici(int32_t r, int32_t c) const { return cartes.mortsessaia[r - 1][c - 1][indexcase(r, c)] != 0; }
  void ajoute(int32_t r, int32_t c) { ajoutecaseliste(r, c, liste, cap); }

  // ---- Zones and grade -------------------------------------------------------------------
  void zonesdinvasion();
  void parcourtzoneinvasion(uint8_t w, int32_t r, int32_t c, int32_t dir, int32_t aire, bool depart);
  int32_t parcourtdepuis(TMarques& vu, int32_t r, int32_t c);
  int32_t gradeinvasion();
  // ---- Trials ----------------------------------------------------------------------------
  void essaibambou(TListePoints& l, uint8_t C, uint8_t O, int32_t r, int32_t c);
  void prend(TListePoints& l, int32_t k, uint8_t C, uint8_t O);
  void liaisonbambou(bool flag, int32_t k, uint8_t A, uint8_t B);
  void serie(bool flag, int32_t k, uint8_t A, uint8_t B, TCompteAires& T, TCompteAires& P);
  int32_t valeurinvasionzone(int32_t r, int32_t c, int32_t pref);
  void valorise(int32_t r, int32_t c, int32_t ajout);
  void bonussauvetage();
  void lance();
};

// ---- Zones -------------------------------------------------------------------------------

void Tentative::zonesdinvasion() {
  e.externe = marquesvides;
  e.interne = marquesvides;
  auto carre = [&](TMarques& m, int32_t r, int32_t c, int32_t rayon) {
    int32_t l0, l1, c0, c1;
    bornesfenetre(r, c, rayon, l0, l1, c0, c1);
    for (int32_t i = l0; i <= l1; ++i)
      for (int32_t j = c0; j <= c1; ++j) m[indexcase(i, j)] = 1;
  };
  carre(e.externe, coup.ligne, coup.colonne, 3);
  carre(e.interne, coup.ligne, coup.colonne, 1);
  for (int32_t k = 1; k <= nbpoints(e.libertes); ++k) {
    const int32_t r = ligneliste(e.libertes, k), c = colonneliste(e.libertes, k);
    const TMarques& mk = cartes.mortsessaia[r - 1][c - 1];
    if (scores[indexcase(r, c)] > 0 || voisin8couleurmarque(p, inv, mk, r, c)) {
      carre(e.externe, r, c, 2);
      carre(e.interne, r, c, 1);
      pas8(r, c, [&](int32_t r2, int32_t c2) {
        if (p[indexcase(r2, c2)] == inv && mk[indexcase(r2, c2)]) libertesmarquees(p, inv, e.externe, 0, r2, c2);
        return false;
      });
      if (voisin8territoire(p, own, r, c)) force = true;
    }
  }
  pastable(coup.ligne, coup.colonne, [&](int32_t r, int32_t c) {
    e.interne[indexcase(r, c)] = 2;
    return false;
  });
}

// The walk over the zone board from a point with colour w (the owner's, or 2
// when unowned); `aire` is the area number owner points take.
void Tentative::parcourtzoneinvasion(uint8_t w, int32_t r, int32_t c, int32_t dir, int32_t aire, bool depart) {
  const int32_t i = indexcase(r, c);
  e.vu[i] = 1;
  // A contact point with the invader's live stones ends the walk.
  if (!depart && !fenetre(coup, r, c, 1) && p[i] == VIDE &&
      pastable(r, c, [&](int32_t r2, int32_t c2) {
        const int32_t j = indexcase(r2, c2);
        return e.zone[j] == inv && !pionsmorts[j];
      })) {
    e.vu[i] = 2;
    return;
  }
  // An owner point joins the area and counts.
  if (territoire[i] == own) {
    e.aires[i] = aire;
    if (e.interne[i] != 2) ++S;
  }
  // On to the unvisited neighbours; from a starting point, the first side that leaves room
  // elsewhere is noted as the exit.
  static constexpr int32_t DIRS[4][3] = {{1, 0, 1}, {-1, 0, 3}, {0, 1, 2}, {0, -1, 4}};
  static constexpr int32_t RETOUR[5] = {0, 3, 4, 1, 2};
  const int32_t n = configmoteur.taille;
  auto libre = [&](int32_t k) {
    const int32_t r2 = r + DIRS[k][0], c2 = c + DIRS[k][1];
    return r2 < 1 || r2 > n || c2 < 1 || c2 > n || !e.vu[indexcase(r2, c2)];
  };
  for (int32_t k = 0; k < 4; ++k) {
    const int32_t r2 = r + DIRS[k][0], c2 = c + DIRS[k][1];
    if (dir != 0 && DIRS[k][2] == RETOUR[dir]) continue;
    if (r2 >= 1 && r2 <= n && c2 >= 1 && c2 <= n) {
      const int32_t j = indexcase(r2, c2);
      if (!e.vu[j] && e.zone[j] == VIDE && territoire[j] != inv && (territoire[j] == own || w == VIDE)) {
        int32_t a2 = aire;
        if (territoire[j] == own && w == VIDE) a2 = ++naires;
        parcourtzoneinvasion(territoire[j], r2, c2, DIRS[k][2], a2, false);
      }
    }
    if (depart && !sortienotee && S > 1) {
      bool suite = false;
      for (int32_t k2 = k + 1; k2 < 4; ++k2) suite = suite || libre(k2);
      if (suite && r2 >= 1 && r2 <= n && c2 >= 1 && c2 <= n) {
        snote = S;
        sortie = TPoint{r2, c2};
        sortienotee = true;
      }
    }
  }
}

int32_t Tentative::gradeinvasion() {
  // The liberties of the invading chain and of the weak owner chains.
  TListePoints colle;
  colle[0] = 0;
  TMarques vus = e.marque;
  auto collecte = [&](int32_t r, int32_t c) {
    if (infochaine[indexcase(r, c)][0] == 1) libertesetatari(p, colle, CAPACITE, 0, r, c, vus);
    else libertesdelachaine(p, colle, CAPACITE, 0, r, c, vus);
  };
  collecte(coup.ligne, coup.colonne);
  for (int32_t k = 1; k <= nbpoints(e.faibles); ++k) collecte(ligneliste(e.faibles, k), colonneliste(e.faibles, k));
  // Those liberties open the zone.
  for (int32_t k = 1; k <= nbpoints(colle); ++k) e.zone[indexcase(ligneliste(colle, k), colonneliste(colle, k))] = VIDE;
  // The walk from the invading stone.
  e.vu = marquesvides;
  e.aires.fill(0);
  naires = 0;
  S = 0;
  sortienotee = false;
  parcourtzoneinvasion(VIDE, coup.ligne, coup.colonne, 0, 0, true);
  // An exit that only leads round a ko or two points is none.
  if (sortienotee && S > snote) sortienotee = false;
  if (sortienotee) {
    const TMarques vu = e.vu;
    const TCarte aires = e.aires;
    const int32_t s1 = S, n1 = naires;
    e.vu = marquesvides;
    e.vu[indexcase(sortie.ligne, sortie.colonne)] = 1;
    S = 0;
    const TPoint garde = sortie;
    parcourtzoneinvasion(VIDE, coup.ligne, coup.colonne, 0, 0, false);
    sortie = garde;
    if (std::abs(S - s1) <= 2) {
      sortie = pointko;
      sortienotee = pointko.ligne != 0;
    }
    e.vu = vu;
    e.aires = aires;
    S = s1;
    naires = n1;
  }
  // The walks from the liberties not reached yet.
  for (int32_t k = 1; k <= nbpoints(colle); ++k) {
    const int32_t r = ligneliste(colle, k), c = colonneliste(colle, k);
    const int32_t j = indexcase(r, c);
    if (casescandidatesjoueur[j] && e.interne[j] == 0) e.interne[j] = 1;
    if (e.vu[j]) continue;
    if (territoire[j] == own) parcourtzoneinvasion(own, r, c, 0, ++naires, true);
    else parcourtzoneinvasion(VIDE, r, c, 0, 0, true);
  }
  if (sortienotee && S > snote) sortienotee = false;
  // Nothing reached: no invasion.
  if (S <= 0) return 0;
  e.tailles.fill(0);
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = indexcase(r, c);
      if (e.aires[j] > 0 && e.interne[j] != 2) ++e.tailles[e.aires[j]];
    }
  return S;
}

// ---- Random linking trials ---------------------------------------------------------------

void Tentative::essaibambou(TListePoints& l, uint8_t C, uint8_t O, int32_t r, int32_t c) {
  ::essaibambou(l, e.essai, C, O, r, c);
}

// Entry k of the trial list to C: a point outside the inner zone takes C's
// stone with its captures (`jouecoup`); inside it C links, and a point left
// empty takes O's stone the same way.
void Tentative::prend(TListePoints& l, int32_t k, uint8_t C, uint8_t O) {
  const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
  const int32_t j = indexcase(r, c);
  retire(l, k);
  TPlateau& b = e.essai;
  if (b[j] != VIDE) return;
  TListePoints prises;
  prises[0] = 0;
  if (e.m[j] == 0) {
    jouecoup(prises, NBCASES, b, r, c, C, O);
  } else {
    essaibambou(l, C, O, r, c);
    if (b[j] == VIDE) jouecoup(prises, NBCASES, b, r, c, O, C);
  }
  for (int32_t q = 1; q <= nbpoints(prises); ++q)
    if (!dansliste(l, ligneliste(prises, q), colonneliste(prises, q)))
      empilepoint(l, CAPACITE, ligneliste(prises, q), colonneliste(prises, q));
}

void Tentative::liaisonbambou(bool flag, int32_t k, uint8_t A, uint8_t B) {
  TListePoints& l = e.l;
  TPlateau& b = e.essai;
  l = e.essais;
  auto marqueautour = [&](int32_t r, int32_t c) {
    pastable(r, c, [&](int32_t r2, int32_t c2) {
      if (e.m[indexcase(r2, c2)] == 0) e.m[indexcase(r2, c2)] = 1;
      return false;
    });
  };
  // A opens at trial point k; with the flag B answers a lone liberty.
  if (k > 0) {
    const int32_t rx = ligneliste(e.essais, k), cx = colonneliste(e.essais, k);
    essaibambou(l, A, B, rx, cx);
    retirepoint(l, rx, cx);
    marqueautour(rx, cx);
    TPoint seul{};
    int32_t vides = 0;
    pastable(rx, cx, [&](int32_t r2, int32_t c2) {
      if (b[indexcase(r2, c2)] == VIDE) {
        ++vides;
        seul = TPoint{r2, c2};
      }
      return false;
    });
    if (flag && vides == 1) {
      essaibambou(l, B, A, seul.ligne, seul.colonne);
      if (b[indexcase(seul.ligne, seul.colonne)] == B) {
        e.m[indexcase(seul.ligne, seul.colonne)] = 2;
        retirepoint(l, seul.ligne, seul.colonne);
        marqueautour(seul.ligne, seul.colonne);
        if (bordgoban[indexcase(seul.ligne, seul.colonne)]) {
          TPoint dernier{};
          pastable(seul.ligne, seul.colonne, [&](int32_t r2, int32_t c2) {
            const int32_t j = indexcase(r2, c2);
            if (b[j] == VIDE && !bordgoban[j]) dernier = TPoint{r2, c2};
            return false;
          });
          if (dernier.ligne != 0 && b[indexcase(coup.ligne, coup.colonne)] != VIDE &&
              aumoinsdeuxlibertes(b, coup.ligne, coup.colonne)) {
            essaibambou(l, A, B, dernier.ligne, dernier.colonne);
            if (b[indexcase(dernier.ligne, dernier.colonne)] == A) retirepoint(l, dernier.ligne, dernier.colonne);
          }
        }
      }
    }
    e.m[indexcase(rx, cx)] = 2;
  }
  // B and A take random entries in turn.
  while (nbpoints(l) > 2) {
    prend(l, platform::Random(nbpoints(l)) + 1, B, A);
    if (nbpoints(l) > 0) prend(l, platform::Random(nbpoints(l)) + 1, A, B);
  }
  // The last one or two: B first, then A on the second.
  if (nbpoints(l) == 1) {
    prend(l, 1, B, A);
  } else if (nbpoints(l) == 2) {
    const int32_t r2 = ligneliste(l, 2), c2 = colonneliste(l, 2);
    prend(l, 1, B, A);
    for (int32_t q = 1; q <= nbpoints(l); ++q)
      if (ligneliste(l, q) == r2 && colonneliste(l, q) == c2) {
        prend(l, q, A, B);
        break;
      }
  }
}

// L trials from the position; per area, the trials whose invading chain
// reached it (T) and the points it reached (P).
void Tentative::serie(bool flag, int32_t k, uint8_t A, uint8_t B, TCompteAires& T, TCompteAires& P) {
  T.fill(0);
  P.fill(0);
  const int32_t L = essaisparserie();
  const int32_t icoup = indexcase(coup.ligne, coup.colonne);
  for (int32_t t = 0; t < L; ++t) {
    e.essai = p;
    infochaine = e.chainesessai;
    e.m = e.interne;
    liaisonbambou(flag, k, A, B);
    if (e.essai[icoup] != inv) continue;
    e.chaine = marquesvides;
    marquepionschaine(e.essai, e.chaine, 0, coup.ligne, coup.colonne);
    TCompteAires atteints{};
    for (int32_t q = 1; q <= nbpoints(e.proprietaires); ++q) {
      const int32_t j = indexcase(ligneliste(e.proprietaires, q), colonneliste(e.proprietaires, q));
      if (e.chaine[j] && e.interne[j] != 2 && e.aires[j] > 0) ++atteints[e.aires[j]];
    }
    for (int32_t a = 1; a <= naires; ++a)
      if (atteints[a] > 0) {
        ++T[a];
        P[a] += atteints[a];
      }
  }
  infochaine = e.chainesessai;
}

// The owner's answer at the point: the invading chain's loss in reading and
// the change of the invader's zone sum against `pref`.
int32_t Tentative::valeurinvasionzone(int32_t r, int32_t c, int32_t pref) {
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  TListePoints prises;
  prises[0] = 0;
  jouecoup(prises, NBCASES, p, r, c, own, inv);
  int32_t tactique = 0;
  bool perdue = false;
  const int32_t icoup = indexcase(coup.ligne, coup.colonne);
  if (p[icoup] == inv && fenetre(coup, r, c, 2) && tactref > 0) {
    const int32_t lu = lecturetactique(0, inv, own, p, coup.ligne, coup.colonne, 0, 0);
    if (lu < tactref) {
      tactique = 5 * (tactref - lu);
      perdue = lu == 0;
    }
  }
  const int32_t s = sommeinvasion(p, inv);
  int32_t difference = 0;
  if (s > pref) difference = perdue ? pref - s : pref - 2 * s;
  else if (s < pref) difference = 2 * (pref - s);
  return difference + tactique;
}

// A chosen point: a negative score stays, 0 becomes the answer's value plus
// the attempt's score plus `ajout`, a positive one gains `ajout`.
void Tentative::valorise(int32_t r, int32_t c, int32_t ajout) {
  const int32_t j = indexcase(r, c);
  if (p[j] != VIDE || scores[j] < 0) return;
  if (scores[j] == 0) scores[j] = valeurinvasionzone(r, c, vref) + score + ajout;
  else scores[j] += ajout;
  ajoute(r, c);
}

// The owner's weak chains next to the move: a saving move that links back
// gains min(50, v + 30% + 10).
void Tentative::bonussauvetage() {
  const int32_t n = configmoteur.taille;
  TMarques vus = marquesvides;
  for (int32_t k = 1; k <= nbpoints(e.faibles); ++k) {
    const int32_t rf = ligneliste(e.faibles, k), cf = colonneliste(e.faibles, k);
    if (p[indexcase(rf, cf)] != own || vus[indexcase(rf, cf)]) continue;
    TMarques chaine = marquesvides;
    marquepionschaine(p, chaine, 0, rf, cf);
    TMarques vivants = marquesvides;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = indexcase(r, c);
        if (chaine[j]) vus[j] = 1;
        if (p[j] == own && !chaine[j] && !pionsmorts[j]) vivants[j] = 1;
      }
    TListePoints libs;
    libs[0] = 0;
    TMarques vl = marquesvides;
    libertesdelachaine(p, libs, CAPACITE, 0, rf, cf, vl);
    for (int32_t q = 1; q <= nbpoints(libs); ++q) {
      const int32_t r = ligneliste(libs, q), c = colonneliste(libs, q);
      const int32_t j = indexcase(r, c);
      const Restaure<TPlateau> gardeplateau(p);
      const Restaure<TInfoChaine> gardechaines(infochaine);
      TListePoints prises;
      prises[0] = 0;
      jouecoup(prises, NBCASES, p, r, c, own, inv);
      if (p[j] != own || !lienen1coup(p, vivants, r, c)) continue;
      const int32_t v = scores[j];
      scores[j] += std::min(50, v + v * 30 / 100 + 10);
      ajoute(r, c);
    }
  }
}

void Tentative::lance() {
  const int32_t n = configmoteur.taille;
  const int32_t icoup = indexcase(coup.ligne, coup.colonne);
  // Everything shared comes back on every exit.
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TMarques> gardeterritoire(territoire);
  const Restaure<TMarques> gardeterritoire2(territoire2);
  const Restaure<TMarques> gardemorts(pionsmorts);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  e.zone = p;
  fermebordszone(pionsmorts, e.zone, own);
  nonlie = !estlieachainevivante(p, coup.ligne, coup.colonne, inv, own);
  // Liberties and weak enemy neighbours of the invading stone; capture and status readings.
  calculelibertes(p);
  e.libertes[0] = 0;
  e.faibles[0] = 0;
  {
    TMarques vu = marquesvides;
    libertesetennemisfaibles(p, e.libertes, e.faibles, CAPACITE, 0, coup.ligne, coup.colonne, vu);
  }
  int32_t l0, l1, c0, c1;
  bornesfenetre(coup.ligne, coup.colonne, 3, l0, l1, c0, c1);
  marquechainesprenables(p, profondeurlecture - 1, paramniveaub + 2, inv);
  int32_t compte = 0;
  detectetatchaines(compte, p, 0, 0, 0, 0, own);
  int32_t sekis = 0;
  detectseki(sekis, pionsmortsavant, p, 0);
  // The territory estimate, one pass more near the edge.
  const bool bande = coup.ligne <= 3 || coup.colonne <= 3 || coup.ligne >= n - 2 || coup.colonne >= n - 2;
  {
    const Restaure<uint8_t> gardedebut(debutpartie);
    debutpartie = 1;
    TCarte estimation{}, travail{};
    int32_t blancs = 0, noirs = 0;
    estimeterritoire(estimation, travail, own, paramniveaue + (bande ? 1 : 0), blancs, noirs, p, 1);
  }
  // Second territory counts as territory; is the stone inside it, liberties and all?
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] == VIDE && territoire2[j] == own) territoire[j] = own;
  dedans = territoire[icoup] == own;
  for (int32_t k = 1; k <= nbpoints(e.libertes); ++k)
    dedans = dedans && territoire[indexcase(ligneliste(e.libertes, k), colonneliste(e.libertes, k))] == own;
  // Own marks: the owner's stone there dies, unless it takes an invader chain.
  e.marque = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (p[indexcase(r, c)] == VIDE && mortici(r, c) && !voisincouleuratari4(p, inv, r, c))
        e.marque[indexcase(r, c)] = 1;
  // Thresholds, zones and grade.
  if (territoire[icoup] == own && strategie == 1) {
    d = 6, pa = 10, pb = 40;
  } else if (territoire[icoup] == own || voisinvidedeterritoire(p, own, coup.ligne, coup.colonne) || bande) {
    d = bordgoban[icoup] ? 6 : 4, pa = 20, pb = 40;
  }
  zonesdinvasion();
  const int32_t S0 = gradeinvasion();
  if (S0 < 3) return;
  int32_t grade = 0;
  // The references, the trial list, the series.
  {
    sommeref = sommeinvasion(p, inv);
    tactref = lecturetactique(0, inv, own, p, coup.ligne, coup.colonne, 0, 0);
    if (tactref < 2) tactref = 0;
  }
  vref = sommeref;
  e.essais[0] = 0;
  e.proprietaires[0] = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = indexcase(r, c);
      if (!e.externe[j] || p[j] != VIDE || e.zone[j] != VIDE || e.vu[j] != 1) continue;
      empilepoint(e.essais, CAPACITE, r, c);
      if (territoire[j] == own || territoire2[j] == own) empilepoint(e.proprietaires, CAPACITE, r, c);
    }
  if (sortienotee) remontecoupenliste(e.essais, sortie.ligne, sortie.colonne, 1, CAPACITE);
  e.chainesessai = infochaine;
  const int32_t L = essaisparserie();
  TCompteAires &T1 = e.T1, &P1 = e.P1, &T2 = e.T2, &P2 = e.P2, &refT = e.refT, &refP = e.refP;
  int32_t meilleur = 0;
  bool meilleurpose = false;
  for (int32_t k = 0; S > 0 && k <= nbpoints(e.essais);) {
    serie(false, k, own, inv, T1, P1);
    T2.fill(0);
    P2.fill(0);
    const int32_t rk = k > 0 ? ligneliste(e.essais, k) : 0, ck = k > 0 ? colonneliste(e.essais, k) : 0;
    const bool mortk = k > 0 && mortici(rk, ck);
    if (k >= 1) {
      // The invader's series reads the dead marks of trial point k's trial.
      const Restaure<TMarques> gardemortsserie(pionsmorts);
      pionsmorts = cartes.mortsessaia[rk - 1][ck - 1];
      serie(true, k, inv, own, T2, P2);
    }
    bool recommence = false;
    for (int32_t a = 1; a <= naires && !recommence; ++a) {
      const int32_t taille = e.tailles[a];
      if (taille == 0) continue;
      if (k >= 1 && !force && P1[a] == 0 && P2[a] == 0 && !mortk) {
        // Neither side reaches the area: it is no part of the invasion.
        S -= taille;
        e.tailles[a] = 0;
        grade = 0;
        flagterritoire = 0;
        scores.fill(0);
        recommence = true;
      } else if (k == 0) {
        // The first series sets the reference; an area it barely reaches drops out.
        refT[a] = T1[a];
        refP[a] = P1[a];
        if (force) {
          grade = 3;
        } else if (T1[a] <= L / d) {
          S -= taille;
          e.tailles[a] = 0;
        } else {
          grade = pa <= 50 ? 2 : 1;
        }
      } else if (k == 1 && sortienotee && !force && T2[a] <= L / d) {
        // A weak area beside a noted exit ends the grade.
        grade = 0;
        e.tailles[a] = 0;
      } else if (!mortk && ((P2[a] - P2[a] * pa / 100 > P1[a] && T2[a] >= L / (d + 1)) ||
                            refP[a] - refP[a] * pb / 100 > P1[a] || refT[a] - refT[a] * pb / 100 > T1[a])) {
        // The owner's stone at k takes the area from the invader.
        scores[indexcase(rk, ck)] += numerocoup < 10 ? 20 : 5 * taille;
        ajoute(rk, ck);
        flagterritoire = S0;
      }
    }
    if (recommence) {
      k = 0;
      continue;
    }
    // A point that took an area: its zone value, and more when an area stays out of reach.
    if (k >= 1 && scores[indexcase(rk, ck)] > 0) {
      const int32_t v = valeurinvasionzone(rk, ck, sommeref);
      scores[indexcase(rk, ck)] += v;
      if (!meilleurpose || v > meilleur) meilleur = v, meilleurpose = true;
      bool sansatteinte = false;
      for (int32_t a = 1; a <= naires; ++a) sansatteinte = sansatteinte || (e.tailles[a] != 0 && P1[a] == 0);
      if (v >= 0 && (sansatteinte || (k == 1 && sortienotee))) scores[indexcase(rk, ck)] += 15;
    }
    ++k;
  }
  if (meilleurpose) vref = meilleur;
  // The score: the best point, at most 5 per area point.
  score = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) score = std::max(score, scores[indexcase(r, c)]);
  score = std::min(score, 5 * std::max(S, 0));
  if (score == 0) {
    flagterritoire = 0;
    grade = 0;
  }
  if (S > 0 && dedans && nbpoints(e.proprietaires) > 0) {
    grade = 3;
    if (score == 0) score = 5 * S;
    flagterritoire = S0;
  }
  // The owner's answers to a live attempt.
  if (S > 0) {
    TListePoints M;
    M[0] = 0;
    for (int32_t k = 1; k <= nbpoints(e.essais); ++k) {
      const int32_t r = ligneliste(e.essais, k), c = colonneliste(e.essais, k);
      const int32_t j = indexcase(r, c);
      if (cartes.survieb[j] > 0 || cartes.fortificationb[j] > 0) empilepoint(M, CAPACITE, r, c);
    }
    const bool vide = nbpoints(M) == 0;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = indexcase(r, c);
        const bool dansM = dansliste(M, r, c);
        bool choisi;
        if (pionsmortsbis[icoup]) {
          choisi = casescandidates[j] && casescandidatesjoueur[j] && !e.marque[j] &&
                   (!essaijoueur(r, c).carte2essai[icoup] || dansM);
        } else {
          const TEssaiCoup& o = essaiordi(r, c);
          choisi = casescandidates[j] && (o.carte2essai[icoup] || (casescandidatesjoueur[j] && dansM && !e.marque[j]));
          if (choisi && !vide) choisi = dansM || o.carte3essai[icoup];
        }
        if (choisi) valorise(r, c, 10);
      }
    for (int32_t k = 1; k <= nbpoints(e.libertes); ++k) {
      const int32_t r = ligneliste(e.libertes, k), c = colonneliste(e.libertes, k);
      const int32_t j = indexcase(r, c);
      if (!casescandidates[j] || e.marque[j]) continue;
      const TEssaiCoup& o = essaiordi(r, c);
      const int32_t libs = o.infochaineessai[icoup][0];
      if (libs > 2) continue;
      if (o.carte2essai[icoup] || !pionsmortsbis[icoup]) {
        if (o.infochaineessai[j][0] > libs) valorise(r, c, 10);
      } else if (nbpionschaine(o.plateauessai, coup.ligne, coup.colonne) > 1 && o.infochaineessai[j][0] > 3) {
        valorise(r, c, 5);
      }
    }
  }
  // A serious attempt or an attempt raises the territory flag.
  if (grade == 3 || grade == 2) flagterritoire = S;
  if (grade >= 1 && grade <= 3) {
    std::string ligne = grade == 3 ? "tentative d invasion serieuse " : grade == 2 ? "tentative d invasion "
                                                                                    : "possibilité d invasion ";
    ligne += nonlie ? "suicide" : " ";
    if (dedans) ligne += " de l interieur";
    ecritdebug(ligne);
  }
  // Further answers while the attempt stands.
  if (flagterritoire > 0) {
    auto propose = [&](int32_t r, int32_t c) {
      const int32_t j = indexcase(r, c);
      if (p[j] != VIDE || scores[j] != 0 || e.marque[j]) return;
      scores[j] = valeurinvasionzone(r, c, vref) + score;
      ajoute(r, c);
    };
    const int32_t moitie = S0 / 2;
    if (nonlie)
      pastable(coup.ligne, coup.colonne, [&](int32_t r, int32_t c) {
        propose(r, c);
        return false;
      });
    if (nbpoints(e.faibles) > 0) {
      TListePoints libs;
      libs[0] = 0;
      TMarques vus = e.marque;
      for (int32_t k = 1; k <= nbpoints(e.faibles); ++k) {
        const int32_t r = ligneliste(e.faibles, k), c = colonneliste(e.faibles, k);
        if (infochaine[indexcase(r, c)][0] == 1) libertesetatari(p, libs, CAPACITE, 0, r, c, vus);
        else libertesetatari2(p, libs, CAPACITE, 0, r, c, vus);
      }
      for (int32_t k = 1; k <= nbpoints(libs); ++k) propose(ligneliste(libs, k), colonneliste(libs, k));
    }
    for (int32_t r = l0; r <= l1; ++r)
      for (int32_t c = c0; c <= c1; ++c) {
        const int32_t j = indexcase(r, c);
        if (((suggestionsjoseki[j] & 1) && score <= 45) || cartes.testvita[j] > 1 || cartes.faitmorta[j] > 1)
          propose(r, c);
      }
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c)
        if (cartes.testvita[indexcase(r, c)] > moitie && zonevidedansfenetre(p, own, 3, r, c)) propose(r, c);
    for (int32_t r = l0; r <= l1; ++r)
      for (int32_t c = c0; c <= c1; ++c) {
        const int32_t j = indexcase(r, c);
        if (cartes.surviea[j] / 20.0 > moitie || cartes.fortificationa[j] / 20.0 > moitie) propose(r, c);
      }
    pastable(coup.ligne, coup.colonne, [&](int32_t r, int32_t c) {
      if ((essaiordi(r, c).essaifait & 4) || testliefortetfaible(p, r, c, inv) || testliefortetfaible(p, r, c, own))
        propose(r, c);
      return false;
    });
  }
  // The lone stone's jump toward a live chain: the owner's stones that cut it.
  TPoint saut{};
  if (score > 0 && territoire[icoup] == own && nbpionschaine(p, coup.ligne, coup.colonne) == 1 && !bordgoban[icoup] &&
      cherchesautchainevivante(p, coup.ligne, coup.colonne, inv, own, saut) && saut.ligne != 0) {
    ecritdebug("tentative invasion pion seul par BAMBOU");
    int32_t m0, m1, n0, n1;
    bornesfenetre((coup.ligne + saut.ligne) / 2, (coup.colonne + saut.colonne) / 2, 2, m0, m1, n0, n1);
    for (int32_t r = m0; r <= m1; ++r)
      for (int32_t c = n0; c <= n1; ++c) {
        const int32_t j = indexcase(r, c);
        if (p[j] != VIDE || e.marque[j]) continue;
        bool coupe;
        {
          const Restaure<TPlateau> gardeessai(p);
          const Restaure<TInfoChaine> gardechainesessai(infochaine);
          p[j] = own;
          calculelibertes(p);
          coupe = !pionlieachainevivanteparsaut(p, coup.ligne, coup.colonne, inv, own);
        }
        if (!coupe) continue;
        const int32_t w = fenetre(saut, r, c, 1) && fenetre(coup, r, c, 1) ? 10 : 2;
        ajoute(r, c);
        if (scores[j] == 0) scores[j] = valeurinvasionzone(r, c, vref) + score + w;
        else scores[j] += w;
      }
  }
  // An attempt from outside only keeps its early flag; from inside, the engine's answers.
  if (!dedans) {
    if (numerocoup < 10 && flagterritoire > 1) flagterritoire = 1;
  } else {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = indexcase(r, c);
        const TEssaiCoup& o = essaiordi(r, c);
        if (!casescandidates[j] || !e.externe[j] || p[j] != VIDE || (o.compteur1essai <= 0 && o.compteur2essai <= 0))
          continue;
        ajoute(r, c);
        scores[j] = std::max(scores[j], valeurinvasionzone(r, c, vref) + score);
      }
    const int32_t s = nbpionschaine(p, coup.ligne, coup.colonne);
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = indexcase(r, c);
        if (scores[j] <= 0 || p[j] != VIDE || e.marque[j]) continue;
        const Restaure<TPlateau> gardeessai(p);
        const Restaure<TInfoChaine> gardechainesessai(infochaine);
        TListePoints prises;
        prises[0] = 0;
        jouecoup(prises, NBCASES, p, r, c, own, inv);
        if (p[j] != own || p[icoup] != inv) continue;
        if (testprise(p, coup.ligne, coup.colonne, profondeurlecture - 1, paramniveaub + 2, own, pointko))
          scores[j] += 4 * s;
        else if (testprise(p, coup.ligne, coup.colonne, profondeurlecture - 1, paramniveaub + 2, inv, pointko))
          scores[j] += 2 * s;
      }
    bonussauvetage();
  }
  // The guards put everything back.
}

}  // namespace

void essaibambou(TListePoints& l, TPlateau& b, uint8_t C, uint8_t O, int32_t r, int32_t c) {
  TListePoints prises;
  prises[0] = 0;
  jouecoupcaptures(prises, CAPACITE, b, r, c, C, O);
  if (b[indexcase(r, c)] != C) return;
  majlibertes(b, nbpoints(prises), r, c);
  for (int32_t k = 1; k <= nbpoints(prises); ++k)
    if (!dansliste(l, ligneliste(prises, k), colonneliste(prises, k)))
      empilepoint(l, CAPACITE, ligneliste(prises, k), colonneliste(prises, k));
  if (nbpoints(prises) > 0) return;
  TPoint lien{};
  if (!cherchelienchainevivante(b, lien, r, c, C, O) || lien.ligne == 0) return;
  const int32_t j = indexcase(lien.ligne, lien.colonne);
  if (b[j] != VIDE) return;
  const TPlateau avant = b;
  const TInfoChaine chaines = infochaine;
  TListePoints autres;
  autres[0] = 0;
  jouecoup(autres, NBCASES, b, lien.ligne, lien.colonne, C, O);
  if (b[j] != C || !aumoinsdeuxlibertes(b, lien.ligne, lien.colonne) || nbpoints(autres) > 0) {
    b = avant;
    infochaine = chaines;
  }
}

int32_t essaisparserie() { return niveau == 1 ? 50 : 200; }

int32_t sommeinvasion(const TPlateau& p, uint8_t envahisseur) {
  // The zone reading takes the owner; its intruder is the invader.
  TMarques zones = marquesvides;
  int32_t s = 1;
  analysezoneinvasion(zones, autre(envahisseur), p, s);
  return s;
}

void tentativeinvasion(TPoint coup, uint8_t envahisseur, const TCartesTentative& cartes, uint8_t proprietaire,
                       TCarte& scores, TPlateau& p, int32_t& score, TListePoints& liste, int32_t cap) {
  scores.fill(0);
  score = 0;
  flagterritoire = 0;
  // In the opening, with territory still to take, no invasion.
  if (debutpartie == 1) {
    if (territoireaprendre[0] > 4) {
      ecritdebug("Reste TERRITOIRE a PRENDRE SUR BORD");
      return;
    }
    if (territoireaprendre[1] > 4) {
      ecritdebug("Reste du TERRITOIRE a PRENDRE");
      return;
    }
  }
  // Only in the middle game, on an invading stone.
  if (coupdecide || !phasedebut || passesconsecutives != 0 || numerocoup < 5) return;
  if (!surplateaumoteur(coup.ligne, coup.colonne) || p[indexcase(coup.ligne, coup.colonne)] != envahisseur) return;
  if (komiforce && flagvisionterritoire != 1) return;
  Tentative t{coup, envahisseur, proprietaire, cartes, scores, p, score, liste, cap};
  t.lance();
}
