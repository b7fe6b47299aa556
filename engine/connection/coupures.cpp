// Cut tests and link values of trial moves.
#include "engine/connection/coupures.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/connection/groupes.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"

namespace {

constexpr int32_t DISTANCECANDIDATS = 3;  // stones read around the engine's move

template <class F> void pourchaquecase(F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) f(r, c, ix(r, c));
}
template <class F> void pourfenetre(int32_t r, int32_t c, int32_t rayon, F&& f) {
  int32_t l1, l2, c1, c2;
  bornesfenetre(r, c, rayon, l1, l2, c1, c2);
  for (int32_t rq = l1; rq <= l2; ++rq)
    for (int32_t cq = c1; cq <= c2; ++cq) f(rq, cq, ix(rq, cq));
}

TEssaiCoup& essai(uint8_t couleur, int32_t r, int32_t c) {
  return couleur == couleurordi ? essaiordi(r, c) : essaijoueur(r, c);
}

// Every point within `d` steps of (r, c) marked 1 in m, whatever m holds already.
void marqueautour(TMarques& m, int32_t d, int32_t r, int32_t c) {
  TMarques t = marquesvides;
  marquedistance(t, d, r, c);
  for (int32_t j = 0; j < NBCASES; ++j)
    if (t[j]) m[j] = 1;
}

// One stone q of the mover's colour: when the move's stone can be
// linked to q's chain, the chain joins C.
void lieachaine(TPlateau& p, TMarques& C, int32_t r, int32_t c, int32_t rq, int32_t cq) {
  TMarques T = marquesvides;
  marquepionschaine(p, T, 0, rq, cq);
  const TMarques morts = pionsmorts, sauves = pionsmortssauves;
  if (peutlierachaine(p, morts, sauves, T, 1, r, c, pointko))
    for (int32_t j = 0; j < NBCASES; ++j)
      if (T[j]) C[j] = 1;
}

// One count per group met among the `depart` stones of C; every stone
// of C of a counted group gets bit 0x20.
void comptegroupes(const TPlateau& p, TMarques& C, TEssaiCoup& e, const TMarques& depart) {
  e.valeurcoupure = 0;
  pourchaquecase([&](int32_t, int32_t, int32_t q) {
    if (!C[q] || !depart[q] || p[q] == VIDE) return;
    const int32_t g = infogroupes[q].numero;
    if (g <= 0) return;
    ++e.valeurcoupure;
    e.liensessai[q] |= LIENPIERRES;
    for (int32_t s = 0; s < NBCASES; ++s)
      if (C[s] && infogroupes[s].numero == g) {
        C[s] = 0;
        e.liensessai[s] |= LIENPIERRES;
      }
  });
}

// The rule-set-1 linked chain of (r, c) on p, without the point itself.
TMarques lieesans(const TPlateau& p, int32_t r, int32_t c) {
  TMarques m = marquesvides;
  metlachainelieen2coupatest1(p, m, r, c);
  m[ix(r, c)] = 0;
  return m;
}

}  // namespace

void evalueessaiordi(TPlateau& apres, const TPlateau& avant, int32_t r, int32_t c) {
  TEssaiCoup& e = essaiordi(r, c);
  const int32_t i = ix(r, c);
  // Only a candidate move that stands and lives is valued.
  e.valeurcoupure = 0;
  if (!casescandidates[i] || e.plateauessai2[i]) return;
  const uint8_t moi = apres[i];
  if (moi == VIDE) return;
  // The window around the move.
  TMarques M = marquesvides;
  marqueautour(M, DISTANCECANDIDATS, r, c);
  // After a gain or a capture, the window grows by the chains it touched.
  if (e.gainmoyoordi > 0 || e.gainmoyojoueur > 0 || e.nbprisesessai > 0) {
    TListePoints voisins;
    pourchaquecase([&](int32_t rq, int32_t cq, int32_t q) {
      if (apres[q] == VIDE && avant[q] != VIDE) {
        pastable(rq, cq, [&](int32_t rv, int32_t cv) {
          if (apres[ix(rv, cv)] == moi && !M[ix(rv, cv)]) marquepionschaine(apres, M, 0, rv, cv);
          return false;
        });
      } else if (apres[q] == moi) {
        if (pionsmorts[q] == 0 && marquesliaison1[q]) marqueautour(M, DISTANCECANDIDATS, rq, cq);
      } else if (apres[q] != VIDE) {
        if (pionsmorts[q] && marquesliaison1[q] == 0) {
          TMarques vu = marquesvides;
          voisins[0] = 0;
          listepierresennemiesvoisines2(apres, voisins, MAXPOINTSLISTE, 0, rq, cq, vu);
          for (int32_t k = 1; k <= nbpoints(voisins); ++k)
            marquepionschaine(apres, M, 0, ligneliste(voisins, k), colonneliste(voisins, k));
        }
      }
    });
  }
  // Own chains of the window that link to the move's chain join it.
  TMarques C = marquesvides;
  marquepionschaine(apres, C, 0, r, c);
  pourchaquecase([&](int32_t rq, int32_t cq, int32_t q) {
    if (M[q] != 1 || apres[q] != couleurordi || C[q] || pionsmorts[q]) return;
    lieachaine(apres, C, r, c, rq, cq);
    TMarques ch = marquesvides;
    marquepionschaine(apres, ch, 0, rq, cq);
    for (int32_t j = 0; j < NBCASES; ++j)
      if (ch[j]) M[j] = 0;
  });
  // The groups the move's chain holds.
  TMarques partout;
  partout.fill(1);
  comptegroupes(apres, C, e, partout);
}

void evalueessaijoueur(TPlateau& apres, int32_t r, int32_t c) {
  TEssaiCoup& e = essaijoueur(r, c);
  const int32_t i = ix(r, c);
  e.valeurcoupure = 0;
  if (!casescandidatesjoueur[i] || e.plateauessai2[i]) return;
  if (apres[i] == VIDE) return;
  TMarques C = marquesvides, teste = marquesvides, fenetre = marquesvides;
  marquepionschaine(apres, C, 0, r, c);
  pourfenetre(r, c, 1, [&](int32_t rq, int32_t cq, int32_t q) {
    fenetre[q] = 1;
    if (apres[q] != couleurjoueur || C[q] || pionsmorts[q] || teste[q]) return;
    marquepionschaine(apres, teste, 0, rq, cq);
    lieachaine(apres, C, r, c, rq, cq);
  });
  comptegroupes(apres, C, e, fenetre);
}

bool testecoupure(TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c) {
  // Pairs of c1 neighbours in one zone and two groups.
  struct Paire {
    int32_t ri, ci, rk, ck;
  };
  Paire paires[6];
  int32_t nb = 0;
  const TVoisins& v = tablevoisins[ix(r, c)];
  for (int32_t a = 0; a < v.nbvoisins; ++a)
    for (int32_t b = a + 1; b < v.nbvoisins; ++b) {
      const int32_t ia = ix(v.voisins[a][0], v.voisins[a][1]), ib = ix(v.voisins[b][0], v.voisins[b][1]);
      if (p[ia] != c1 || p[ib] != c1) continue;
      if (infozones[ia].numero == 0 || infozones[ia].numero != infozones[ib].numero) continue;
      if (infogroupes[ia].numero == infogroupes[ib].numero) continue;
      paires[nb++] = {v.voisins[a][0], v.voisins[a][1], v.voisins[b][0], v.voisins[b][1]};
    }
  if (nb == 0) return false;
  // The cut on the trial position.
  Restaure<TPlateau> gardeplateau(p);
  Restaure<TInfoChaine> gardechaines(infochaine);
  const TEssaiCoup& e = essai(c2, r, c);
  p = e.plateauessai;
  infochaine = e.infochaineessai;
  // The cut stands while one pair is not linked by rule set 1.
  const auto coupe = [&] {
    for (int32_t k = 0; k < nb; ++k) {
      TMarques m = marquesvides;
      metlachainelieen2coupatest1(p, m, paires[k].ri, paires[k].ci);
      if (!m[ix(paires[k].rk, paires[k].ck)]) return true;
    }
    return false;
  };
  if (!coupe()) return false;
  // A c1 move of the 3x3 that mends it.
  int32_t l1, l2, k1, k2;
  bornesfenetre(r, c, 1, l1, l2, k1, k2);
  TListePoints prises;
  for (int32_t rq = l1; rq <= l2; ++rq)
    for (int32_t cq = k1; cq <= k2; ++cq) {
      if (p[ix(rq, cq)] != VIDE) continue;
      jouecoup(prises, CAPACITELISTE, p, rq, cq, c1, c2);
      const bool repare = p[ix(rq, cq)] != VIDE && !coupe();
      p = e.plateauessai;
      infochaine = e.infochaineessai;
      if (repare) return false;
    }
  // Nothing mends it: a cut.
  return true;
}

void marquecoupurespossibles(TPlateau& p, const TTableExclusion& exclusionordi, const TTableExclusion& exclusionjoueur,
                             TMarques& coupuresjoueur, TMarques& coupuresordi, uint8_t couleurordi_,
                             uint8_t couleurjoueur_) {
  coupuresjoueur.fill(0);
  coupuresordi.fill(0);
  const auto passe = [&](const TMarques& candidats, const TTableExclusion& exclusion, uint8_t coupe, uint8_t coupeur,
                         TMarques& sortie) {
    pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
      if (!candidats[i] || exclusion[i][0] != 0) return;
      if (essai(coupeur, r, c).infochaineessai[i][0] <= 2) return;
      if (testecoupure(p, coupe, coupeur, r, c)) sortie[i] = 1;
    });
  };
  passe(casescandidatesjoueur, exclusionjoueur, couleurordi_, couleurjoueur_, coupuresjoueur);
  passe(casescandidates, exclusionordi, couleurjoueur_, couleurordi_, coupuresordi);
}

void analyseliaisonsgroupes(TPlateau& p, const TMarques& coupuresjoueur, const TMarques& coupuresordi,
                            uint8_t couleurordi_, uint8_t couleurjoueur_) {
  const auto refait = [&](const TMarques& coupures, uint8_t coupeur, uint8_t zone) {
    Restaure<TPlateau> gardeplateau(p);
    Restaure<TInfoChaine> gardechaines(infochaine);
    // The cutting stones on the board.
    bool pose = false;
    pourchaquecase([&](int32_t, int32_t, int32_t i) {
      if (!coupures[i] || p[i] != VIDE) return;
      p[i] = coupeur;
      infochaine[i][0] = 3;
      pose = true;
    });
    // The other side's zones built again around them.
    if (!pose) return;
    for (TInfoZone& z : infozones)
      if (z.couleurzone == zone) z = ZONEVIDE;
    construitzones(p, zone);
  };
  refait(coupuresjoueur, couleurjoueur_, couleurordi_);
  refait(coupuresordi, couleurordi_, couleurjoueur_);
}

void evaluecoupuresessais(TPlateau& p, uint8_t c1, uint8_t c2) {
  // Trial flags of both sides, read before any is cleared.
  TMarques EO, EJ;
  pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
    EO[i] = essaiordi(r, c).essaifait;
    EJ[i] = essaijoueur(r, c).essaifait;
  });
  Restaure<TPlateau> gardeplateau(p);
  Restaure<TInfoChaine> gardechaines(infochaine);
  const auto cote = [&](const TMarques& E, const TMarques& autres, uint8_t moi, uint8_t lui) {
    pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
      if (!E[i] || !autres[i]) return;
      TEssaiCoup& e = essai(moi, r, c);
      const TEssaiCoup& a = essai(lui, r, c);
      // The other side's stone is dead there: no trial.
      if (a.plateauessai2[i]) {
        e.essaifait = 0;
        return;
      }
      // A flagged neighbour move that links at least as much replaces this one.
      bool voisin = false;
      pourfenetre(r, c, 1, [&](int32_t, int32_t, int32_t q) { voisin = voisin || (q != i && E[q]); });
      if (!voisin) return;
      p = e.plateauessai;
      infochaine = e.infochaineessai;
      const TMarques L = lieesans(p, r, c);
      bool remplace = false;
      TListePoints prises;
      pourfenetre(r, c, 1, [&](int32_t rq, int32_t cq, int32_t q) {
        if (remplace || q == i || !E[q]) return;
        p = a.plateauessai;
        infochaine = a.infochaineessai;
        jouecoup(prises, CAPACITELISTE, p, rq, cq, moi, lui);
        if (p[q] != moi) return;
        const TMarques L2 = lieesans(p, rq, cq);
        bool tout = true;
        for (int32_t j = 0; j < NBCASES && tout; ++j) tout = !L[j] || L2[j];
        remplace = tout;
      });
      if (remplace) e.essaifait = 0;
    });
  };
  // The engine's trials.
  cote(EO, casescandidatesjoueur, c1, c2);
  // The opponent's trials.
  cote(EJ, casescandidates, c2, c1);
}
