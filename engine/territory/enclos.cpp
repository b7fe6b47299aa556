// Enclosed-chain reading: the entry testdeb (zone, wall, exits, tables) and
// the node recutestdeb. One reading state per call; the nodes use per-ply
// buffers of static storage, so a reading never runs inside another.
#include "engine/territory/enclos.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/board/acces.h"
#include "engine/board/cles.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/chains/yeuxstatiques.h"
#include "engine/reading/enclos_feuilles.h"
#include "engine/reading/enclos_zone.h"
#include "engine/reading/prise.h"

namespace {

inline bool memepoint(TPoint a, TPoint b) { return a.ligne == b.ligne && a.colonne == b.colonne; }

constexpr int32_t PROFONDEURMAXDEB = 14;                       // depth at level 7 and above
constexpr int32_t PLISMAXDEB = PROFONDEURMAXDEB + 2 + 2 + 1;   // deepest ply P0 + 2, plus two, from 0
constexpr int32_t CAPACITECANDIDATSDEB = 300;
constexpr int32_t TAILLETABLESDEB = 41;                        // liberty and width tables
constexpr int32_t MAXPIERRESENNEMIES = 3;                      // enemy stones a zone may hold

// Node marks.
constexpr uint8_t VUCANDIDAT = 1;
constexpr uint8_t VUJOUE = 2;
constexpr uint8_t VUREFUSE = 3;

// Exit record: exit point e (first-line zone point), outside point s, second
// blocking point t, class 0 none, 1 blocked by the enemy, 2 leads to own
// stones, 4 own dead stone outside, 8 open edge.
struct TSortieDeb {
  TPoint e, s, t;
  int32_t classe = 0;
};

struct TEtatDeb {
  TPlateau* p = nullptr;
  TMarques* zone = nullptr;
  int32_t cl = 0, cc = 0;    // target
  uint8_t c = 0, o = 0;      // owner and killer
  TListePoints zonepoints;   // points marked 1 or 4, ordered
  TMarques interieur;        // inner points and weak wall chains
  TListePoints mur;          // one stone of every wall chain
  TSortieDeb sorties[2];
  int32_t P = 0, P0 = 0, plafond = 0;
  int32_t L[TAILLETABLESDEB], T[TAILLETABLESDEB];
  TPoint coup[PLISMAXDEB], tueur[PLISMAXDEB];
  uint8_t nbvitaux[PLISMAXDEB];
  TVitaux vitaux[PLISMAXDEB];
  int32_t nbtransposition[PLISMAXDEB];
  int32_t noeuds = 0;
};

struct TNoeudDeb {
  TListePoints liste;     // candidates
  TMarques vu;            // 1 listed (or the ko point), 2 played, 3 refused
  TPlateau plateau;       // board at entry
  TInfoChaine chaines;    // chain table at entry
  TMarques zonecopie;     // zone map before the wall grew
  TListePoints prises;    // stones taken by the move in play
};

TEtatDeb deb;
TNoeudDeb noeudsdeb[PLISMAXDEB];
bool debencours = false;

bool pierreisolee(const TPlateau& p, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  return !pastable(r, c, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == x; });
}

bool danslazone(uint8_t m) { return (m & (ZONEPOINT | ZONECHAINE | ZONECONTACT)) != 0; }

void ajoute(TNoeudDeb& n, int32_t r, int32_t c) {
  if (empilepoint(n.liste, CAPACITECANDIDATSDEB, r, c)) n.vu[ix(r, c)] = VUCANDIDAT;
}

// The liberty-and-atari collector of a chain, into the node's list.
void collecte(TNoeudDeb& n, const TPlateau& p, int32_t r, int32_t c) {
  libertesetatari2(p, n.liste, CAPACITECANDIDATSDEB, 0, r, c, n.vu);
}

// At an owner node: can the owner get out by an exit? True when a
// probe finds the way out.
bool sortiepossible(TEtatDeb& e, TPlateau& p, TNoeudDeb& n, TPoint ko) {
  for (const TSortieDeb& x : e.sorties) {
    if (x.classe == 0) continue;
    const int32_t ie = ix(x.e), is = ix(x.s);
    if (p[ie] != VIDE || memepoint(x.e, ko)) continue;
    if (p[is] == e.o && libs(is) > 1) continue;
    if (x.classe == 4) {
      n.vu[ie] = VUCANDIDAT;
      continue;
    }
    const Restaure<TPlateau> remetplateau(p);
    const Restaure<TInfoChaine> remetchaines(infochaine);
    TListePoints prises;
    jouecoup(prises, CAPACITELISTE, p, x.e.ligne, x.e.colonne, e.c, e.o);
    const int32_t l = libs(ie);
    if ((x.classe == 2 && l > 2) || (x.classe == 8 && l > 1)) return true;
    if (p[is] == VIDE) {
      jouecoup(prises, CAPACITELISTE, p, x.s.ligne, x.s.colonne, e.o, e.c);
      if (p[is] != e.o) return true;
      if (x.classe == 1 && reel(x.t) && p[ix(x.t)] == VIDE)
        jouecoup(prises, CAPACITELISTE, p, x.t.ligne, x.t.colonne, e.o, e.c);
    }
    if (p[is] == e.o && libs(is) == 1) return true;
  }
  return false;
}

// One node: 1 the chain is killed, 0 not. `s` moves, `ko` it may not play.
int32_t recutestdeb(int32_t pli, uint8_t s, uint32_t cle, TPoint ko) {
  TEtatDeb& e = deb;
  TPlateau& p = *e.p;
  TMarques& M = *e.zone;
  TNoeudDeb& n = noeudsdeb[pli];
  const uint8_t autre = static_cast<uint8_t>(1 - s);
  const bool proprio = s == e.c;
  const int32_t it = ix(e.cl, e.cc);

  // Entry copies (written back on every way out), marks, list.
  n.plateau = p;
  n.chaines = infochaine;
  const EnSortie remet([&] {
    p = n.plateau;
    infochaine = n.chaines;
  });
  n.vu = marquesvides;
  e.nbvitaux[pli] = 0;
  n.liste[0] = 0;
  const bool avecko = reel(ko);
  if (avecko) {
    n.vu[ix(ko)] = VUCANDIDAT;
    xorclemoyo(cle, ko.ligne, ko.colonne);
  }
  const int32_t R = e.P - 2;
  const int32_t lc = libs(it);
  bool enatari = false, presse = false, dernierechance = false;

  if (proprio) {
    // In atari: its liberties and the captures beside it only.
    if (lc == 1) {
      listelibertes(p, n.liste, CAPACITECANDIDATSDEB, 0, e.cl, e.cc, n.vu);
      if (nbpoints(n.liste) == 0) return 1;
      enatari = true;
    } else {
      // Survived the depth, or out by liberties.
      if (pli >= R) return 0;
      if (lc > e.L[R - pli]) return 0;
      if (lc <= 2) collecte(n, p, e.cl, e.cc);
      // Wall chains short of liberties.
      for (int32_t k = 1; k <= nbpoints(e.mur); ++k) {
        const int32_t r = ligneliste(e.mur, k), c = colonneliste(e.mur, k), j = ix(r, c);
        if (p[j] != e.o) continue;
        const int32_t lw = libs(j);
        if (lw != 1 && !(lw == 2 && (e.interieur[j] == 1 || avecko))) continue;
        presse = true;
        if (lw == 1) return 0;
        collecte(n, p, r, c);
      }
      // Exits.
      if (sortiepossible(e, p, n, ko)) return 0;
    }
  } else {
    // The owner in atari is taken, but next to a fresh ko.
    if (lc == 1 && !(avecko && pierreisolee(p, e.cl, e.cc) &&
                     std::abs(ko.ligne - e.cl) + std::abs(ko.colonne - e.cc) == 1))
      return 1;
    // Too many liberties: out, unless the eye space is worth a last look.
    const int32_t limite = pli <= R ? e.L[R - pli] + 1 : 2;
    if (lc > limite) {
      if (pli >= 2 && e.nbvitaux[pli - 1] == 0 && !avecko) dernierechance = true;
      else return 0;
    }
    // Few liberties: the owner's chain's liberties and their neighbours.
    if (lc <= 2 && !dernierechance) collecte(n, p, e.cl, e.cc);
    // Wall chains short of liberties.
    for (int32_t k = 1; k <= nbpoints(e.mur); ++k) {
      const int32_t r = ligneliste(e.mur, k), c = colonneliste(e.mur, k), j = ix(r, c);
      if (p[j] != e.o) continue;
      const int32_t lw = libs(j);
      if (lw != 1 && !(lw == 2 && e.interieur[j] == 1)) continue;
      if (dernierechance) return 0;
      presse = true;
      if (lw == 1) {
        n.liste[0] = 0;
        n.vu = marquesvides;
        if (avecko) n.vu[ix(ko)] = VUCANDIDAT;
        enatari = true;
        collecte(n, p, r, c);
        break;
      }
      collecte(n, p, r, c);
    }
    // Block the exits.
    if (!enatari && !dernierechance)
      for (const TSortieDeb& x : e.sorties)
        if (x.classe != 0 && p[ix(x.s)] == VIDE && !n.vu[ix(x.s)]) ajoute(n, x.s.ligne, x.s.colonne);
  }

  // Common part.
  if (!enatari) {
    // Eye space and vital points at killer nodes.
    if (!proprio && pli >= 2) {
      if (e.nbvitaux[pli - 1] == 0) {
        if (!avecko) {
          const int32_t v = evalueespaceoeil(p, e.c, e.o, M, e.interieur, e.zonepoints, NBCASES, e.vitaux[pli],
                                             e.nbvitaux[pli], 0, 1);
          if (v == ESPACEMORT) return 1;
          if (dernierechance) return 0;
        } else if (pli <= e.P0 - 2) {
          evalueespaceoeil(p, e.c, e.o, M, e.interieur, e.zonepoints, NBCASES, e.vitaux[pli], e.nbvitaux[pli], 1,
                           1);
        }
      } else if (pli <= e.P - 2) {
        e.nbvitaux[pli] = e.nbvitaux[pli - 1];
        e.vitaux[pli] = e.vitaux[pli - 1];
      }
    }
    // Around up to three vital points.
    if (pli <= e.P0 - 2 && e.nbvitaux[pli] >= 1 && e.nbvitaux[pli] <= 3)
      for (int32_t k = 0; k < e.nbvitaux[pli]; ++k) {
        const TPoint v = e.vitaux[pli][k];
        // An evaluation that stopped early leaves a count without its points.
        if (!surplateaumoteur(v.ligne, v.colonne)) continue;
        if (p[ix(v)] == VIDE) ajoutevoisinsvides(p, n.vu, n.liste, CAPACITECANDIDATSDEB, v.ligne, v.colonne);
        else libertesdelachaine(p, n.liste, CAPACITECANDIDATSDEB, 0, v.ligne, v.colonne, n.vu);
      }
    // The empty zone points; points of own chains taken since only
    // next to a short chain.
    for (int32_t k = 1; k <= nbpoints(e.zonepoints); ++k) {
      const int32_t r = ligneliste(e.zonepoints, k), c = colonneliste(e.zonepoints, k), j = ix(r, c);
      if (p[j] != VIDE || n.vu[j]) continue;
      if ((M[j] & ZONECONTACT) && !voisinpierremoinsde3libertes(p, r, c)) continue;
      ajoute(n, r, c);
    }
    // The owner may pass but at the last ply.
    if (proprio && pli != e.P) empilepoint(n.liste, CAPACITECANDIDATSDEB, 0, 0);
  }

  // No candidate: the owner lives.
  if (nbpoints(n.liste) == 0) return 0;
  // Killer first.
  const TPoint tueur = e.tueur[pli];
  if (reel(tueur) && n.vu[ix(tueur)] == VUCANDIDAT)
    remontecoupenliste(n.liste, tueur.ligne, tueur.colonne, 1, CAPACITECANDIDATSDEB);
  e.tueur[pli] = e.tueur[pli + 1] = TPoint{};
  e.coup[pli] = TPoint{};

  // Moves.
  const uint32_t clebase = cle;
  int32_t resultat = 0;
  int32_t joues = 0;
  auto remonte = [&](int32_t k) {
    const TPoint t = e.tueur[pli + 1];
    if (nbpoints(n.liste) - k >= 2 && reel(t) && n.vu[ix(t)] == VUCANDIDAT)
      remontecoupenliste(n.liste, t.ligne, t.colonne, k + 1, CAPACITECANDIDATSDEB);
  };
  for (int32_t k = 1; k <= nbpoints(n.liste); ++k) {
    ++e.noeuds;
    const TPoint m{ligneliste(n.liste, k), colonneliste(n.liste, k)};
    const bool passe = !reel(m);
    const int32_t im = passe ? 0 : ix(m);
    const int32_t Pavant = e.P;
    n.prises[0] = 0;
    // Play.
    if (passe) {
      if (e.P + 2 <= e.plafond) e.P += 2;
    } else {
      if (memepoint(m, ko)) ecritdebug("testdeb : coup au point de ko");
      if (!memepoint(m, ko) && p[im] == VIDE) jouecoup(n.prises, CAPACITELISTE, p, m.ligne, m.colonne, s, autre);
      n.vu[im] = VUJOUE;
      if (p[im] != s) {
        n.vu[im] = VUREFUSE;
        remonte(k);
        continue;
      }
    }
    ++joues;
    e.coup[pli] = m;
    // The node is counted.
    ++compteurnoeudsprise;
    bool murgrandi = false;
    {
      // On every way out of this block: the move taken back, the
      // captured stones put back, the chain table, P and the zone map restored.
      const EnSortie reprend([&] {
        if (!passe) {
          p[im] = VIDE;
          for (int32_t q = 1; q <= nbpoints(n.prises); ++q)
            p[ix(ligneliste(n.prises, q), colonneliste(n.prises, q))] = autre;
          infochaine = n.chaines;
        }
        e.P = Pavant;
        if (murgrandi) M = n.zonecopie;
      });
      // Owner moves that fail at once.
      if (proprio && !passe) {
        e.nbvitaux[pli] = 0;
        const bool sortie = memepoint(m, e.sorties[0].e) || memepoint(m, e.sorties[1].e);
        if (libs(it) == 1 ||
            (libs(im) == 1 && nbpoints(n.prises) == 0 && (!danslazone(M[im]) || sortie))) {
          resultat = 1;
          continue;
        }
      }
      // A killer stone touching the wall joins it.
      if (!proprio && !passe &&
          pastable(m.ligne, m.colonne, [&](int32_t r2, int32_t c2) {
            const int32_t j = ix(r2, c2);
            return M[j] == ZONEMUR && p[j] == s;
          })) {
        n.zonecopie = M;
        murgrandi = true;
        peintchaine(p, M, ZONEMUR, m.ligne, m.colonne);
      }
      // Captures and the ko point handed down.
      TPoint koenfant = pointko;
      if (nbpoints(n.prises) > 0) {
        if (p[it] != e.c) return 1;
        if (proprio && enatari)
          for (int32_t q = 1; q <= nbpoints(e.mur); ++q)
            if (p[ix(ligneliste(e.mur, q), colonneliste(e.mur, q))] != e.o) return 0;
        if (nbpoints(n.prises) == 1 && libs(im) == 1 && pierreisolee(p, m.ligne, m.colonne))
          koenfant = TPoint{ligneliste(n.prises, 1), colonneliste(n.prises, 1)};
        if (!proprio && pli >= 2 && !reel(koenfant)) {
          const TPoint prec = e.coup[pli - 1];
          if (reel(prec) && p[ix(prec)] != e.c && e.P + 2 <= e.plafond) e.P += 2;
        }
        if (proprio && !presse && !reel(koenfant)) {
          const int32_t v = evalueespaceoeil(p, e.c, e.o, M, e.interieur, e.zonepoints, NBCASES, e.vitaux[pli],
                                             e.nbvitaux[pli], 0, 0);
          if (v == ESPACEMORT) {
            resultat = 1;
            continue;
          }
          if (v == ESPACEVIVANT || testvieapresjeu(p, e.cl, e.cc)) return 0;
        }
      }
      // Key of the position after the move.
      uint32_t cleenfant = clebase;
      if (!passe) xorclepion(cleenfant, m.ligne, m.colonne, s);
      for (int32_t q = 1; q <= nbpoints(n.prises); ++q)
        xorclepion(cleenfant, ligneliste(n.prises, q), colonneliste(n.prises, q), autre);
      if (reel(koenfant)) xorclemoyo(cleenfant, koenfant.ligne, koenfant.colonne);
      // Transpositions from ply 3, then the child.
      if (pli >= 3 && pli < e.P) {
        const int32_t t = cherchecletransposition(cleenfant, pli, e.nbtransposition[pli], tablehachrecu);
        if (t <= 0) {
          resultat = -t;
        } else {
          resultat = recutestdeb(pli + 1, autre, cleenfant, koenfant);
          inserecletransposition(cleenfant, resultat, t, pli, e.nbtransposition[pli], tablehachrecu);
        }
      } else {
        resultat = pli < e.P ? recutestdeb(pli + 1, autre, cleenfant, koenfant) : 0;
      }
    }
    // Cut-offs and the killer's width.
    if (proprio && resultat == 0) {
      e.tueur[pli] = m;
      return 0;
    }
    if (!proprio) {
      if (resultat > 0) {
        e.tueur[pli] = m;
        return resultat;
      }
      if (k >= e.T[pli]) return resultat;
    }
    // A refuted killer moves up behind the current move.
    remonte(k);
  }
  // Nothing playable.
  if (joues == 0) return (proprio && enatari) ? 1 : 0;
  return resultat;
}

int32_t profondeurdeb(int32_t niv) {
  if (niv <= 2) return 4;
  if (niv <= 4) return 8;
  if (niv <= 6) return 12;
  return PROFONDEURMAXDEB;
}

// Exit record of the exit point e, or false when no outside point leads on.
bool construitsortie(TEtatDeb& e, TPlateau& p, const TMarques& morts, const TMarques& faibles, TPoint ex,
                     TSortieDeb& x) {
  TMarques& M = *e.zone;
  x = TSortieDeb{};
  TPoint s{};
  pastable(ex.ligne, ex.colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (!bordgoban[j] || M[j] != 0) return false;
    s = TPoint{r2, c2};
    return true;
  });
  if (!reel(s)) return false;
  x.e = ex;
  x.s = s;
  const int32_t is = ix(s);
  if (p[is] == e.c) {
    x.classe = morts[is] ? 4 : 2;
  } else if (p[is] == e.o) {
    x.classe = 1;
    empilepoint(e.mur, MAXPOINTSLISTE, s.ligne, s.colonne);
    peintchaine(p, M, ZONEMUR, s.ligne, s.colonne);
    if (faibles[is] == 1) return false;
    meilleurbouchage(p, M, ex, s, x.t, e.o, e.c);
  } else if (sortiebordamie(p, ex, s, 4, e.c, e.o)) {
    x.classe = compteissues(p, e.c, s.ligne, s.colonne) ? 2 : 8;
  } else {
    x.classe = 1;
    meilleurbouchage(p, M, ex, s, x.t, e.o, e.c);
  }
  return true;
}

// In testdeb, a trigger outside the zone must touch the wall or an exit.
bool declencheurconcerne(const TEtatDeb& e, const TPlateau& p, TPoint k) {
  const TMarques& M = *e.zone;
  if (!reel(k) || M[ix(k)] != 0) return true;
  if (pastable(k.ligne, k.colonne, [&](int32_t r2, int32_t c2) {
        const int32_t j = ix(r2, c2);
        return M[j] == ZONEMUR && p[j] == e.o && libs(j) <= 3;
      }))
    return true;
  for (const TSortieDeb& x : e.sorties) {
    if (x.classe == 0) continue;
    if (memepoint(k, x.e) || memepoint(k, x.s)) return true;
    if (pastable(k.ligne, k.colonne, [&](int32_t r2, int32_t c2) { return memepoint(TPoint{r2, c2}, x.s); }))
      return true;
  }
  return false;
}

}  // namespace

int32_t testdeb(TPlateau& p, TMarques& carteremplie, uint8_t& remplie, const TMarques& morts, TMarques& zone,
                const TMarques& faibles, int32_t ligne, int32_t colonne, uint8_t dernier, TPoint ko,
                TPoint declencheur, uint8_t zoneseule) {
  const int32_t it = ix(ligne, colonne);
  // Level, dead target, no chain.
  if (niveau <= 3) return DEBSANSOBJET;
  if (pionsmorts[it] && !zoneseule) return DEBSANSOBJET;
  if (p[it] != NOIR && p[it] != BLANC) return DEBSANSOBJET;
  if (debencours) {
    ecritdebug("testdeb : lecture imbriquee");
    return DEBSANSOBJET;
  }
  debencours = true;
  const EnSortie fin([] { debencours = false; });
  const Restaure<TPlateau> remetplateau(p);
  const Restaure<TInfoChaine> remetchaines(infochaine);

  // Depth and colours.
  TEtatDeb& e = deb;
  const int32_t D = profondeurdeb(niveau);
  e.p = &p;
  e.zone = &zone;
  e.cl = ligne;
  e.cc = colonne;
  e.c = p[it];
  e.o = static_cast<uint8_t>(1 - e.c);
  e.sorties[0] = e.sorties[1] = TSortieDeb{};
  e.mur[0] = 0;

  // Zone and exits.
  zone.fill(0);
  TListePoints liste;
  liste[0] = 0;
  TPoint sorties[2];
  uint8_t abandon = 0;
  marquevidesentoures(morts, p, liste, NBCASES, zone, sorties[0], sorties[1], ligne, colonne, D, e.o, abandon);
  if (abandon) return DEBSANSOBJET;
  // Too roomy, or too many live enemy stones inside.
  int32_t vides = 0, ennemis = 0;
  for (int32_t k = 1; k <= nbpoints(liste); ++k) {
    const int32_t j = ix(ligneliste(liste, k), colonneliste(liste, k));
    if (p[j] == VIDE) ++vides;
    else if (p[j] == e.o && !morts[j]) ++ennemis;
  }
  if (vides > D || ennemis > MAXPIERRESENNEMIES) return DEBSANSOBJET;
  // The chain.
  peintchaine(p, zone, ZONECHAINE, ligne, colonne);
  // Walls, and own chains against strong enemy chains.
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (zone[j] != ZONEPOINT) continue;
      if (p[j] == e.o) {
        if (!pastable(r, c, [&](int32_t r2, int32_t c2) { return zone[ix(r2, c2)] == 0; })) continue;
        empilepoint(e.mur, MAXPOINTSLISTE, r, c);
        peintchaine(p, zone, ZONEMUR, r, c);
        if (faibles[j] == 1) return DEBSANSOBJET;
      } else if (p[j] == e.c) {
        if (pastable(r, c, [&](int32_t r2, int32_t c2) {
              const int32_t i = ix(r2, c2);
              return p[i] == e.o && libs(i) >= 4;
            }))
          peintchaine(p, zone, ZONECONTACT, r, c);
      }
    }
  // Exit records.
  for (int32_t k = 0; k < 2; ++k)
    if (reel(sorties[k]) && !construitsortie(e, p, morts, faibles, sorties[k], e.sorties[k])) return DEBSANSOBJET;
  // Trigger point.
  if (!declencheurconcerne(e, p, declencheur)) return DEBAILLEURS;
  // Weak wall.
  if (testmurfaible(p, carteremplie, remplie, morts, zone, faibles, e.o, e.c)) return DEBSANSOBJET;
  // Zone list and inner points.
  e.zonepoints[0] = 0;
  ennemis = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (zone[j] != ZONEPOINT && zone[j] != ZONECONTACT) continue;
      empilepoint(e.zonepoints, MAXPOINTSLISTE, r, c);
      if (p[j] == e.o && !morts[j]) ++ennemis;
    }
  if (ennemis > MAXPIERRESENNEMIES) return DEBSANSOBJET;
  e.interieur = marquesvides;
  for (int32_t k = 1; k <= nbpoints(e.zonepoints); ++k) {
    const int32_t r = ligneliste(e.zonepoints, k), c = colonneliste(e.zonepoints, k);
    if (testoeilmur(zone, r, c)) e.interieur[ix(r, c)] = 1;
  }
  // Zone only.
  if (pionsmorts[it] || zoneseule) return DEBVIVANTE;
  // Weak wall chains join the inner points.
  marquemurfaible(morts, p, e.c, e.o, e.mur, zone, e.interieur);
  // Liberty and width tables.
  static constexpr int32_t debutL[9] = {3, 4, 4, 5, 5, 5, 5, 6, 6};
  for (int32_t k = 0; k < TAILLETABLESDEB; ++k) {
    e.L[k] = k < 9 ? debutL[k] : (k % 2 == 0 ? k / 2 + 1 : k / 2 + 2);
    e.T[k] = k <= D - 2 ? D - k + 2 : 4;
  }
  // Zone points with the most inner neighbours first.
  triezonedeb(p, e.interieur, e.zonepoints, e.c, NBCASES);
  // The last ply P is a move of the owner.
  const uint8_t premier = static_cast<uint8_t>(1 - dernier);
  if (premier == e.c) e.P = D % 2 == 1 ? D : D - 1;
  else e.P = D % 2 == 0 ? D : D - 1;
  e.P0 = e.P;
  e.plafond = e.P0 + 2;
  // The reading.
  std::fill(std::begin(e.coup), std::end(e.coup), TPoint{});
  std::fill(std::begin(e.tueur), std::end(e.tueur), TPoint{});
  std::fill(std::begin(e.nbvitaux), std::end(e.nbvitaux), 0);
  // Vital points belong to this reading only: a count left without its
  // points then finds (0, 0), never a point of an earlier reading.
  for (TVitaux& v : e.vitaux) v.fill(TPoint{});
  std::fill(std::begin(e.nbtransposition), std::end(e.nbtransposition), 0);
  e.noeuds = 0;
  const int32_t resultat = recutestdeb(1, premier, 0, ko);
  // A zone not of the chain alone is traced.
  if (zone[it] != ZONECHAINE) {
    affichecasesmarquees(zone);
    ++compteurnoeudsprise;
  }
  compteurnoeuds += e.noeuds;
  return resultat != 0 ? DEBTUEE : DEBVIVANTE;
}
