// Forced moves against weak chains: the two-sided pass over the trial
// records, the chain's search `cherchecoupforce` and its reading.
#include "engine/reading/coupforce.h"

#include <algorithm>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/empreinte.h"
#include "engine/board/garde.h"
#include "engine/board/listecoups.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/reading/lecturelocale.h"
#include "engine/reading/prise.h"

namespace {

constexpr int32_t PLISFORCE = 24;   // per-ply tables (plies 0..24, K(p + 3) included)
constexpr int32_t PLIMAXFORCE = 20; // no node below this ply
constexpr int32_t CAPACITEFORCE = 300;

bool aterritoire(int32_t i, uint8_t k) { return territoire[i] == k || territoire2[i] == k; }

// One forced-move search: context shared by every node of the reading.
struct Force {
  Force(TPlateau& p0, uint8_t x0, uint8_t e0, const TMarques& w0, const TMarques& q0, int32_t n0)
      : p(p0), x(x0), e(e0), w(w0), q(q0), n(n0), graines(12), t(PLISFORCE), noeuds(PLISFORCE) {}
  TPlateau& p;
  uint8_t x, e;
  const TMarques& w;
  const TMarques& q;
  int32_t n;
  TMarques examine{};
  TMarques a{};  // A
  TListePoints l1{}, l2{};
  TPlateau b0{};
  TInfoChaine chaines0{};
  TGraines graines;  // S
  TPlisLecture t;
  TNoeudsLecture noeuds;
  int32_t r = 0;
  TPoint point{};

  // A stone of e that counts as a target: not dead, not linked.
  bool cible(int32_t i) const { return b0[i] == e && !pionsmorts[i] && !w[i]; }

  // Conditions on the e neighbour t; examines and tests it. True when examined.
  bool examine1(int32_t r2, int32_t c2) {
    const int32_t i = indexcase(r2, c2);
    if (p[i] != e || infochaine[i][0] > 3 || examine[i] || pionsmorts[i] || w[i]) return false;
    marquepionschaine(p, examine, 0, r2, c2);
    if (testprise(p, r2, c2, profondeurlecture - 1, 3, e, pointko)) {
      empilepoint(l2, CAPACITEFORCE, r2, c2);
      peintchaine(p, a, 1, r2, c2);
    }
    return true;
  }

  int32_t lecturecoupforcescore(TPoint ko, int32_t pli, bool& menace);
  void candidats(int32_t pli, uint8_t s, TNoeudLecture& nd);
  void lecturecoupforce(int32_t pli, uint8_t s, uint8_t u, uint32_t cle, TPoint ko);
};

int32_t Force::lecturecoupforcescore(TPoint ko, int32_t pli, bool& menace) {
  const int32_t lim = pli <= n ? 3 : 1;
  TMarques v{};
  int32_t c = 0;
  bool trouve = false;
  for (int32_t k = 1; k <= graines.nombre(); ++k) {
    const TPoint g = graines[k];
    if (!reel(g)) continue;
    int32_t rep = -1;
    pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t i = indexcase(r2, c2);
      if (v[i] || p[i] != e || infochaine[i][0] > lim) return false;
      if (c >= 255) return true;
      ++c;
      trouve = true;
      peintchaine(p, v, static_cast<uint8_t>(c), r2, c2);
      bool compte = false;
      for (int32_t j = 0; j < NBCASES && !compte; ++j)
        if (v[j] == c && cible(j)) compte = true;
      if (!compte) return false;
      if (infochaine[i][0] == 1) menace = true;
      const bool prise = pli <= n ? testprise(p, r2, c2, profondeurlecture - 1, 3, x, ko)
                                  : testprise(p, r2, c2, 4, 2, x, ko);
      if (!prise) return false;
      int32_t nb = 0;
      for (int32_t j = 0; j < NBCASES; ++j) nb += v[j] == c ? 1 : 0;
      if (nb == 1) {
        a[i] = 1;
      } else {
        int32_t qn = 0;
        for (int32_t j = 0; j < NBCASES; ++j)
          if (v[j] == c && chaines0[j][1] != 0 && !pionsmorts[j] && !w[j]) ++qn;
        for (int32_t j = 0; j < NBCASES; ++j)
          if (v[j] == c && (a[j] == 0 || a[j] > qn)) a[j] = static_cast<uint8_t>(qn);
      }
      rep = 1;
      return true;
    });
    if (rep == 1) return 1;
  }
  return trouve ? 0 : 2;
}

void Force::candidats(int32_t pli, uint8_t s, TNoeudLecture& nd) {
  TListePoints& l = nd.liste;
  TMarques& m = nd.masque;
  auto vide = [&](int32_t r2, int32_t c2) {
    m[indexcase(r2, c2)] = MASQUELISTE;
    empilepoint(l, CAPACITEFORCE, r2, c2);
  };
  if (s == x) {
    graines.tronque(pli / 2);
    for (int32_t k = 1; k <= graines.nombre(); ++k) {
      const TPoint g = graines[k];
      if (!reel(g)) continue;
      pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
        const int32_t i = indexcase(r2, c2);
        if (m[i]) return false;
        if (pli <= n) {
          if (p[i] == VIDE) vide(r2, c2);
          else if (p[i] == e && infochaine[i][0] <= 3) libertesdelachaine(p, l, CAPACITEFORCE, 0, r2, c2, m);
        } else {
          if (p[i] == VIDE) {
            if (voisinmoinsde3libertes2(p, e, r2, c2)) vide(r2, c2);
          } else if (p[i] == e && infochaine[i][0] <= 2) {
            libertesdelachaine(p, l, CAPACITEFORCE, 0, r2, c2, m);
          }
        }
        return false;
      });
    }
    return;
  }
  graines.tronque(pli / 2 + 1);
  for (int32_t k = 1; k <= graines.nombre(); ++k) {
    const TPoint g = graines[k];
    if (!reel(g)) continue;
    const int32_t ig = indexcase(g.ligne, g.colonne);
    if (m[ig]) continue;
    if (p[ig] != VIDE && infochaine[ig][0] == 1) libertesetatari(p, l, CAPACITEFORCE, 0, g.ligne, g.colonne, m);
    pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t i = indexcase(r2, c2);
      if (m[i]) return false;
      if (p[i] == VIDE) {
        if (pli <= n) vide(r2, c2);
      } else if (p[i] == e) {
        if (infochaine[i][0] == 1) libertesetatari(p, l, CAPACITEFORCE, 0, r2, c2, m);
        else if (pli <= n && infochaine[i][0] <= 3) libertesdelachaine(p, l, CAPACITEFORCE, 0, r2, c2, m);
      }
      return false;
    });
  }
  if (pli <= n) ajoutekoordi(l);
}

void Force::lecturecoupforce(int32_t pli, uint8_t s, uint8_t u, uint32_t cle, TPoint ko) {
  const auto ip = static_cast<size_t>(pli);
  // Fresh node: line slot, mask (the ko point masked), empty list.
  t.ligne[ip] = TPoint{};
  TNoeudLecture& nd = noeuds[pli];
  nd.masque = marquesvides;
  nd.liste[0] = 0;
  if (reel(ko)) nd.masque[indexcase(ko.ligne, ko.colonne)] = MASQUELISTE;
  // Candidates; none ends the node.
  candidats(pli, s, nd);
  if (nbpoints(nd.liste) == 0) {
    r = 0;
    return;
  }
  // Best move first.
  std::vector<TPoint>& meilleur = t.meilleur;
  const TPoint k0 = meilleur[ip];
  const int32_t ipt = indexcase(point.ligne, point.colonne);
  if (nbpoints(nd.liste) > 1 && (pli >= n - 2 || infochaine[ipt][0] > 1) && reel(k0) &&
      nd.masque[indexcase(k0.ligne, k0.colonne)] == MASQUELISTE)
    remontecoupenliste(nd.liste, k0.ligne, k0.colonne, 1, CAPACITEFORCE);
  // Node key with the ko point.
  if (reel(ko)) xorclemoyo(cle, ko.ligne, ko.colonne);
  const uint32_t clenoeud = cle;
  int32_t essais = 0;
  meilleur[ip] = meilleur[ip + 1] = meilleur[ip + 3] = TPoint{};
  // Every listed candidate is tried (the list may grow while walked).
  for (int32_t k = 1; k <= nbpoints(nd.liste); ++k) {
    const TPoint m = pointliste(nd.liste, k);
    const bool joue = jouelecture(p, nd, m, s, u);
    if (reel(m) && (!joue || p[indexcase(m.ligne, m.colonne)] != s)) {
      if (joue) defaitlecture(p, nd, m, u);
      t.ligne[ip] = TPoint{};
      nd.masque[indexcase(m.ligne, m.colonne)] = MASQUEREFUSE;
      continue;
    }
    t.ligne[ip] = m;
    if (s == x && reel(m)) graines.pose(pli / 2 + 1, m);
    ++essais;
    if (reel(m)) nd.masque[indexcase(m.ligne, m.colonne)] = nbpoints(nd.prises) == 0 ? MASQUEJOUE : 5;
    const TPoint koenfant = kopourenfant(p, nd, m);
    uint32_t clecoup = clenoeud;
    if (reel(m)) xorclecoup(clecoup, m, s, u, nd.prises, koenfant);
    const bool stocke = pli >= PREMIERETABLE && pli <= DERNIERPLILIAISON;
    int32_t position;
    const bool trouve = trouveliaison(t, pli, clecoup, stocke, r, position);
    if (!trouve) {
      bool decide = false, menace = false;
      if (s == x) {
        bool prise = false;
        for (int32_t j = 1; j <= nbpoints(nd.prises); ++j) {
          const int32_t i = indexcase(ligneliste(nd.prises, j), colonneliste(nd.prises, j));
          if (!cible(i)) continue;
          if (a[i] == 0) a[i] = 1;
          prise = true;
        }
        if (prise) {
          r = 1000;
          decide = true;
        } else {
          const int32_t sc = lecturecoupforcescore(koenfant, pli, menace);
          if (sc != 0) {
            r = sc == 1 ? 1000 : 0;
            decide = true;
          }
        }
      } else if (pli == 1 && nbpoints(l2) > 0) {
        if (nbpoints(l2) > 1) examine = marquesvides;
        for (int32_t j = 1; j <= nbpoints(l2); ++j) {
          const int32_t lr = ligneliste(l2, j), lc = colonneliste(l2, j);
          const int32_t i = indexcase(lr, lc);
          if (j > 1 && examine[i]) continue;
          if (p[i] == e && testprise(p, lr, lc, profondeurlecture - 1, 3, e, koenfant)) {
            r = 1000;
            decide = true;
            break;
          }
          if (j < nbpoints(l2) && p[i] == e) marquepionschaine(p, examine, 0, lr, lc);
        }
      }
      if (!decide) {
        if (s == x && pli >= n && (!menace || pli > 12)) r = 0;
        else if (pli >= PLIMAXFORCE) r = 0;
        else lecturecoupforce(pli + 1, u, s, clecoup, koenfant);
      }
      if (stocke) insereliaison(t, pli, position, clecoup, r);
    }
    // Undo.
    defaitlecture(p, nd, m, u);
    if ((s == x && r == 1000) || (s == e && r == 0)) {
      meilleur[ip] = m;
      return;
    }
    // More candidates from the decisive replies.
    if (lecturelongue && pli <= 2) {
      const TPoint kr = meilleur[ip + 1];
      if (reel(kr)) {
        const int32_t i = indexcase(kr.ligne, kr.colonne);
        if (!nd.masque[i] && p[i] == VIDE) {
          nd.masque[i] = MASQUELISTE;
          empilepoint(nd.liste, CAPACITEFORCE, kr.ligne, kr.colonne);
        }
      }
      if (pli == 2 && s == x && reel(t.ligne[1])) {
        const TPoint l1m = t.ligne[1];
        pastable(l1m.ligne, l1m.colonne, [&](int32_t r2, int32_t c2) {
          const int32_t i = indexcase(r2, c2);
          if (!nd.masque[i] && p[i] == VIDE) {
            nd.masque[i] = MASQUELISTE;
            empilepoint(nd.liste, CAPACITEFORCE, r2, c2);
          }
          return false;
        });
      }
    }
    // Reply next.
    if (k <= nbpoints(nd.liste) - 2) {
      bool fait = false;
      for (const TPoint kr : {meilleur[ip + 1], meilleur[ip + 3]}) {
        if (!reel(kr) || nd.masque[indexcase(kr.ligne, kr.colonne)] != MASQUELISTE || memepoint(kr, ko)) continue;
        remontecoupenliste(nd.liste, kr.ligne, kr.colonne, k + 1, CAPACITEFORCE);
        fait = true;
        break;
      }
      if (!fait && reel(k0) && nd.masque[indexcase(k0.ligne, k0.colonne)] == MASQUELISTE)
        remontecoupenliste(nd.liste, k0.ligne, k0.colonne, k + 1, CAPACITEFORCE);
    }
  }
  if (essais == 0) r = 0;
}

// Every path of empty points from the start `depart` adds 1 where it
// arrives, except back at the start.
void inondecore(const TPlateau& p, TMarques& compte, int32_t limite, int32_t depart, int32_t r, int32_t c,
                int32_t pas) {
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    const int32_t i = indexcase(r2, c2);
    if (p[i] != VIDE) return false;
    if (i != depart && compte[i] < 255) ++compte[i];
    if (pas < limite) inondecore(p, compte, limite, depart, r2, c2, pas + 1);
    return false;
  });
}

}  // namespace

void inondevidesdistance(const TPlateau& p, TMarques& compte, int32_t limite, int32_t ligne, int32_t colonne,
                         int32_t pas) {
  inondecore(p, compte, limite, indexcase(ligne, colonne), ligne, colonne, pas);
}

bool testpousseeterritoire(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t k) {
  int32_t a = 0, b = 0;
  return pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t i = indexcase(r2, c2);
    if (p[i] != VIDE || !aterritoire(i, k)) return false;
    ++a;
    pastable(r2, c2, [&](int32_t r3, int32_t c3) {
      const int32_t j = indexcase(r3, c3);
      if ((r3 != ligne || c3 != colonne) && p[j] == VIDE && aterritoire(j, k)) ++b;
      return false;
    });
    return a > 1 && b > 4;
  });
}

namespace {

int32_t coupforcedirect(TPlateau& p, const TMarques& w, int32_t ligne, int32_t colonne, int32_t retrecit,
                        const TMarques& q, uint8_t cote);

// ---- Memo of the forced-move search ------------------------------------------------------
// The search asks cherchecoupforce the same question many times. While the
// capture cache is off and no probe is set, the call reads: the board, the
// chain table, pionsmorts, `w`, `q`, its arguments, territoire and
// territoire2, the side's two weak-chain maps, of the trial record at the
// point its second and third maps and flagessai2, pointko,
// profondeurlecture, niveau, lecturelongue, compteurcache, modenettoyage,
// flagscan, the board size and key tables. It writes its value, the point
// in the side's first weak-chain map, lecturelongue and the reading
// counters. An answer is kept under a 96-bit key of these.
constexpr int32_t BITSMEMOFORCE = 11;
struct TMemoForce {
  uint64_t cle1 = 0;
  uint32_t cle2 = 0;
  uint32_t generation = 0;    // valid while it equals generationmemoforce
  int32_t valeur = 0;
  TEffetsLecture effets;
  uint8_t lecturelongue = 0;
  uint8_t faible = 0;         // the point in the first weak-chain map after it
};
TMemoForce memoforce[1 << BITSMEMOFORCE];
uint32_t generationmemoforce = 1;

}  // namespace

void videmoforce() {
  vidememo(memoforce, generationmemoforce);
}

bool memoforcevide() { return memovide(memoforce, generationmemoforce); }

int32_t cherchecoupforce(TPlateau& p, const TMarques& w, int32_t ligne, int32_t colonne, int32_t retrecit,
                         const TMarques& q, uint8_t cote) {
  const int32_t ip = indexcase(ligne, colonne);
  const uint8_t x = p[ip];
  if (x != NOIR && x != BLANC) return 0;
  // A chain in atari is nobody's forced move.
  if (infochaine[ip][0] <= 1) return 0;
  if (cacheactif || sondelectureprise) return coupforcedirect(p, w, ligne, colonne, retrecit, q, cote);
  const TEssaiCoup& essai = (cote ? essaisordi : essaisjoueur)[ligne - 1][colonne - 1];
  TMarques& faibles1 = cote ? listefaibles : listesurvie;
  const TMarques& faibles2 = cote ? lesfaibles : marquessurvie;
  TEmpreinte h;
  h.ajoute(p);
  h.ajoute(infochaine);
  h.ajoute(pionsmorts);
  h.ajoute(w);
  h.ajoute(q);
  h.ajoute(territoire);
  h.ajoute(territoire2);
  h.ajoute(faibles1);
  h.ajoute(faibles2);
  h.ajoute(essai.carte2essai);
  const int32_t arguments[17] = {ligne, colonne, retrecit, cote, essai.carte3essai[ip], essai.flagessai2,
                                 pointko.ligne, pointko.colonne, profondeurlecture, niveau, lecturelongue,
                                 compteurcache, modenettoyage, flagscan, configmoteur.taille,
                                 static_cast<int32_t>(zobristcouleur[0][0] ^ zobristcouleur[1][NBCASES - 1]),
                                 static_cast<int32_t>(zobristmoyo[0] ^ cletrait)};
  h.ajoute(arguments);
  h.termine();
  TMemoForce& m = memoforce[h.h1 & ((1u << BITSMEMOFORCE) - 1)];
  const uint32_t cle2 = static_cast<uint32_t>(h.h2);
  if (m.generation == generationmemoforce && m.cle1 == h.h1 && m.cle2 == cle2) {
    faibles1[ip] = m.faible;
    m.effets.rejoue();
    lecturelongue = m.lecturelongue;
    return m.valeur;
  }
  TMesureLecture mesure;
  const int32_t valeur = coupforcedirect(p, w, ligne, colonne, retrecit, q, cote);
  m.cle1 = h.h1;
  m.cle2 = cle2;
  m.generation = generationmemoforce;
  m.valeur = valeur;
  m.effets = mesure.fin();
  m.lecturelongue = lecturelongue;
  m.faible = faibles1[ip];
  return valeur;
}

namespace {

int32_t coupforcedirect(TPlateau& p, const TMarques& w, int32_t ligne, int32_t colonne, int32_t retrecit,
                        const TMarques& q, uint8_t cote) {
  const int32_t ip = indexcase(ligne, colonne);
  const uint8_t x = p[ip];
  const uint8_t e = x == NOIR ? BLANC : NOIR;
  // Linked enemy stones count as dead for the call.
  const Restaure<TMarques> gardemorts(pionsmorts);
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == e && w[i]) pionsmorts[i] = 1;
  Force f(p, x, e, w, q, retrecit);
  f.point = TPoint{ligne, colonne};
  int32_t nfaibles = 0;
  // Direct look.
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t i = indexcase(r2, c2);
    if (p[i] == VIDE) {
      if (q[i] && testpousseeterritoire(p, r2, c2, e)) empilepoint(f.l1, CAPACITEFORCE, r2, c2);
    } else if (f.examine1(r2, c2)) {
      ++nfaibles;
    }
    return false;
  });
  // One step further out.
  if (nfaibles == 0) {
    f.examine = marquesvides;
    pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
      if (p[indexcase(r2, c2)] != VIDE) return false;
      bool trouve = false;
      pastable(r2, c2, [&](int32_t r3, int32_t c3) {
        if (f.examine1(r3, c3)) trouve = true;
        return false;
      });
      if (trouve) ++nfaibles;
      return nfaibles > 1 && nbpoints(f.l2) > 1;
    });
    if (nbpoints(f.l2) == 0) nfaibles = 0;
    if (nfaibles <= 1) {
      nfaibles = 0;
      f.l2[0] = 0;
    }
  }
  // No target to read.
  if (nbpoints(f.l2) == 0 && (nfaibles == 0 || nbpoints(f.l1) == 0)) return 0;
  // The reading.
  f.b0 = p;
  f.chaines0 = infochaine;
  f.graines.pose(1, f.point);
  f.lecturecoupforce(1, e, x, 0, pointko);
  p = f.b0;
  infochaine = f.chaines0;
  if (f.r == 0) return 0;
  // Threatened chains.
  TMarques& vu = f.examine;
  vu = marquesvides;
  int32_t c = 0, c2 = 0;
  auto debut = [&](int32_t i) { return f.a[i] != 0 && p[i] == e && !pionsmorts[i] && !w[i] && !vu[i]; };
  for (int32_t i = 0; i < NBCASES && c < 250; ++i) {
    if (!debut(i)) continue;
    ++c;
    if (f.a[i] > 1) ++c2;
    peintchaine(p, vu, static_cast<uint8_t>(c), i / TAILLEMAX + 1, i % TAILLEMAX + 1);
  }
  if (c < 2) return 0;
  if (c > 2 && c2 >= 2) {
    for (int32_t i = 0; i < NBCASES; ++i) {
      if (f.a[i] == 1) p[i] = VIDE;
      else if (f.a[i] > 1 && p[i] == VIDE) p[i] = e;
    }
    vu = marquesvides;
    c = 0;
    for (int32_t i = 0; i < NBCASES && c < 250; ++i) {
      if (f.a[i] > 1 && f.b0[i] == e && !pionsmorts[i] && !w[i] && !vu[i]) {
        ++c;
        peintchaine(p, vu, static_cast<uint8_t>(c), i / TAILLEMAX + 1, i % TAILLEMAX + 1);
      }
    }
    p = f.b0;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (vu[i] && p[i] != e) vu[i] = 0;
    for (int32_t i = 0; i < NBCASES && c < 250; ++i) {
      if (f.a[i] == 1 && p[i] == e && !pionsmorts[i] && !w[i] && !vu[i]) {
        ++c;
        peintchaine(p, vu, static_cast<uint8_t>(c), i / TAILLEMAX + 1, i % TAILLEMAX + 1);
      }
    }
  }
  f.a = vu;
  // Valuation.
  const TEssaiCoup& essai = (cote ? essaisordi : essaisjoueur)[ligne - 1][colonne - 1];
  const TMarques& carte = essai.carte2essai;
  TMarques& faibles1 = cote ? listefaibles : listesurvie;
  const TMarques& faibles2 = cote ? lesfaibles : marquessurvie;
  bool drapeau = false;
  if (!pionsmorts[ip]) {
    if (essai.flagessai2) faibles1[ip] = 1;
    if (essai.carte3essai[ip] == 0) drapeau = true;
  }
  int32_t valeur = 10000;
  for (int32_t k = 1; k <= c; ++k) {
    TMarques parcours = marquesvides;
    TListePoints libs{}, adj{};
    libs[0] = adj[0] = 0;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (f.a[i] == k && !parcours[i])
        libertesetadversaires(p, libs, CAPACITEFORCE, 0, i / TAILLEMAX + 1, i % TAILLEMAX + 1, parcours,
                              CAPACITEFORCE, adj);
    bool f1 = false, f2 = false;
    int32_t terr = 0;
    TMarques z{}, g{};
    for (int32_t j = 1; j <= nbpoints(adj); ++j) {
      const int32_t d = indexcase(ligneliste(adj, j), colonneliste(adj, j));
      if (p[d] != x) continue;
      if (faibles1[d]) {
        f1 = true;
      } else if (faibles2[d] && !pionsmorts[d]) {
        f2 = true;
        peintchaine(p, g, 1, ligneliste(adj, j), colonneliste(adj, j));
      }
    }
    for (int32_t j = 1; j <= nbpoints(libs); ++j) {
      const int32_t lr = ligneliste(libs, j), lc = colonneliste(libs, j);
      const int32_t l = indexcase(lr, lc);
      if (aterritoire(l, e)) {
        ++terr;
        z[l] = 1;
      }
      pastable(lr, lc, [&](int32_t r3, int32_t c3) {
        const int32_t y = indexcase(r3, c3);
        if (p[y] != x) return false;
        if (faibles2[y]) {
          f2 = true;
          if (!pionsmorts[y]) peintchaine(p, g, 1, r3, c3);
        } else if (!f1 && faibles1[y]) {
          f1 = true;
        }
        return false;
      });
    }
    int32_t s = 0;
    if (f2) {
      for (int32_t i = 0; i < NBCASES; ++i) {
        if (!g[i]) continue;
        s += 20;
        const int32_t r3 = i / TAILLEMAX + 1, c3 = i % TAILLEMAX + 1;
        if (voisinvideterritoires(p, e, r3, c3)) {
          ++terr;
          z[i] = 1;
        }
      }
    }
    if ((f1 || f2) && terr > 0) {
      p[ip] = VIDE;
      for (int32_t tour = 0; tour < 2; ++tour) {
        const TMarques copie = z;
        for (int32_t i = 0; i < NBCASES; ++i)
          if (p[i] == VIDE && aterritoire(i, e) && voisinmarque(p, copie, i / TAILLEMAX + 1, i % TAILLEMAX + 1) &&
              z[i] < 255)
            ++z[i];
      }
      if (aterritoire(ip, e) && (infochaine[ip][0] >= 3 || !pionsmorts[ip]) && (z[ip] > 1 || drapeau))
        inondevidesdistance(p, z, 3, ligne, colonne, 1);
      terr = 0;
      for (int32_t i = 0; i < NBCASES; ++i)
        if (p[i] == VIDE && aterritoire(i, e) && z[i] > 1) ++terr;
      p[ip] = x;
      s += 4 * terr;
    }
    for (int32_t i = 0; i < NBCASES; ++i) {
      if (f.a[i] != k || p[i] != e) continue;
      if (carte[i]) s += 1;
      else if (territoire[i] != e) s += 5;
      else s += (terr > 1 || f2) ? 20 : 5;
    }
    if (s < valeur) valeur = s;
  }
  // The point's weak mark goes.
  faibles1[ip] = 0;
  return valeur;
}

}  // namespace

void coupforcefortifouinvasion(TListePoints& liste, int32_t cap, TPlateau& p, TCarte& ordi, TCarte& joueur) {
  // Both maps start empty.
  ordi = zerobonus;
  joueur = zerobonus;
  // Candidate marks.
  TMarques qordi = pionsmortssauves, qjoueur = pionsmortssauves;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (p[i] != VIDE) continue;
    if (casescandidates[i] && essaisordi[i / TAILLEMAX][i % TAILLEMAX].flagessai2) qordi[i] = 1;
    if (casescandidatesjoueur[i] && essaisjoueur[i / TAILLEMAX][i % TAILLEMAX].flagessai2) qjoueur[i] = 1;
  }
  // Everything comes back on every path.
  const Restaure<TMarques> gardemorts(pionsmorts);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TPlateau> gardeplateau(p);
  const TPlateau p0 = p;
  const TInfoChaine chaines0 = infochaine;
  const TMarques morts0 = pionsmorts;
  const int32_t n = taillemoteur();
  auto cote = [&](const TMarques& cases, TEssaiCoup (&essais)[TAILLEMAX][TAILLEMAX], const TMarques& w,
                  const TMarques& q, uint8_t drapeau, TCarte& carte) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (!cases[i]) continue;
        const TEssaiCoup& e = essais[r - 1][c - 1];
        p = e.plateauessai;
        infochaine = e.infochaineessai;
        pionsmorts = e.plateauessai2;
        const int32_t v = cherchecoupforce(p, w, r, c, 4, q, drapeau);
        carte[i] = v;
        if (v > 0) {
          if (v / 20 > maxcoupforce) maxcoupforce = v / 20;
          ajoutecaseliste(r, c, liste, cap);
        }
      }
    pionsmorts = morts0;
    infochaine = chaines0;
    p = p0;
  };
  // Both sides' trial positions.
  cote(casescandidates, essaisordi, marquesliaison2, qordi, 1, ordi);
  cote(casescandidatesjoueur, essaisjoueur, marquesliaison1, qjoueur, 0, joueur);
}
