// Move lists of the two-eye reading: the defender's and the attacker's lists
// up to the nominal depth, the forcing lists beyond it, the defender's
// look-ahead, the attacker's ordering and the filter by map rank. Every
// append is checked: a full list takes no more.
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/balayages.h"
#include "engine/board/collecteurs.h"
#include "engine/board/formes.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/yeux.h"
#include "engine/chains/yeuxstatiques.h"
#include "engine/reading/deuxyeux_etat.h"
#include "engine/reading/prise.h"

namespace {

// The eye reading's chain walk: the chain's liberties into l, the adjacent
// stones of chains with fewer than 3 liberties into k, all marked in S.
void libertesetennemisfaiblesyeux(const TPlateau& p, TListePoints& l, TListePoints& k, TMarques& S, int32_t r,
                                  int32_t c) {
  libertesetennemisfaibles(p, l, k, CAPACITEYEUX, 0, r, c, S);
}

// Appends an unmarked point, marking it in S.
bool ajoute(TListePoints& l, TMarques& S, int32_t r, int32_t c) {
  const int32_t j = ix(r, c);
  if (S[j]) return false;
  S[j] = 1;
  return empilepoint(l, CAPACITEYEUX, r, c);
}

// The scan of the board for empty unmarked points that marked stones of C
// touch diagonally.
void contactsdiagonaux(TEtatYeux& e, TNoeudYeux& n) {
  const TPlateau& p = *e.p;
  const int32_t taille = configmoteur.taille;
  // Only a point diagonal to a marked stone of C can pass the test (the
  // appends mark empty points only, so these stones stay as they are).
  TMarques proche = marquesvides;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c)
      if (p[ix(r, c)] == e.C && e.S[ix(r, c)])
        pas4(r, c, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
          proche[ix(r2, c2)] = 1;
          return false;
        });
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t j = ix(r, c);
      if (proche[j] && p[j] == VIDE && !e.S[j] && contactdiagonalmarque(p, e.C, e.S, r, c)) ajoute(n.liste, e.S, r, c);
    }
}

// Every unmarked empty point of the window.
void ajoutefenetre(TEtatYeux& e, TNoeudYeux& n) {
  for (int32_t k = 1; k <= nbpoints(e.fenetre); ++k) {
    const TPoint q = pointy(e.fenetre, k);
    if ((*e.p)[ixy(q)] == VIDE) ajoute(n.liste, e.S, q.ligne, q.colonne);
  }
}

// From level 5 and ply 2: the liberties (with the chains in atari crossed)
// of the line's stones that stand in atari.
void ataridelaligne(TEtatYeux& e, TNoeudYeux& n, int32_t pli) {
  if (niveau < 5 || pli < 2) return;
  const TPlateau& p = *e.p;
  for (int32_t k = 1; k < pli; ++k) {
    const TPoint q = e.ligne[k];
    if (!posey(q) || p[ixy(q)] == VIDE || e.S[ixy(q)] || libertesy(q) != 1) continue;
    libertesetatari(p, n.liste, CAPACITEYEUX, 0, q.ligne, q.colonne, e.S);
  }
}

// The liberty of an unmarked chain in atari, found with fresh marks.
void ajouteliberteunique(TEtatYeux& e, TNoeudYeux& n, const TPoint& q) {
  const TPoint lib = premiereliberte(*e.p, q.ligne, q.colonne);
  if (posey(lib)) ajoute(n.liste, e.S, lib.ligne, lib.colonne);
}

// Deep corner points: the two points next to a corner when the defender's
// marks reach two steps from it, the attacker holds neither and the corner
// is not the defender's.
void ajoutsprofondsyeux(TEtatYeux& e, TNoeudYeux& n) {
  if (nbpoints(n.liste) == 0) return;
  const TPlateau& p = *e.p;
  const int32_t t = configmoteur.taille;
  static constexpr int32_t trois[3][2] = {{3, 1}, {1, 3}, {2, 2}};
  static constexpr int32_t deux[2][2] = {{2, 1}, {1, 2}};
  for (const int32_t sr : {1, -1})
    for (const int32_t sc : {1, -1}) {
      const int32_t r0 = sr > 0 ? 1 : t, c0 = sc > 0 ? 1 : t;
      auto vu = [&](const int32_t (&o)[2]) { return ix(r0 + sr * (o[0] - 1), c0 + sc * (o[1] - 1)); };
      bool atteint = false;
      for (const auto& o : trois) atteint = atteint || e.S[vu(o)] != 0;
      if (!atteint || p[ix(r0, c0)] == e.C) continue;
      if (p[vu(deux[0])] == e.O || p[vu(deux[1])] == e.O) continue;
      for (const auto& o : deux) {
        const int32_t j = vu(o);
        if (p[j] != VIDE || e.S[j]) continue;
        const int32_t r = r0 + sr * (o[0] - 1), c = c0 + sc * (o[1] - 1);
        if (ajoute(n.liste, e.S, r, c)) n.marques[j] = YLISTE;
      }
    }
}

// A generator's start: the node's list and the seen marks emptied, the
// capture point marked seen.
void videcoups(TEtatYeux& e, TNoeudYeux& n) {
  n.liste[0] = 0;
  e.S = marquesvides;
  if (posey(e.prise)) e.S[ixy(e.prise)] = 1;
}

}  // namespace

void coupsdefenseyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli, TPoint ko, TPoint precedent) {
  TPlateau& p = *e.p;
  TListePoints& L = n.liste;
  TMarques& T = n.marques;
  TMarques& S = e.S;
  // The capture point and the ko point are never listed.
  videcoups(e, n);
  e.K[0] = 0;
  if (posey(ko)) S[ixy(ko)] = 1;
  // A chain in atari: its liberty and the captures that free it.
  if (infochaine[ix(e.cl, e.cc)][0] == 1) {
    listelibertes(p, L, CAPACITEYEUX, 0, e.cl, e.cc, S);
    if (nbpoints(L) > 0) T[ix(ligneliste(L, 1), colonneliste(L, 1))] = YLISTE;
    if (pli <= 2) e.vitaux = S;
    return;
  }
  // The liberties of the linked chain, then the chain walk.
  if (lectureprofonde && (niveau == 10 || pli <= e.D - 2)) {
    if (pli <= 2) listelibertesavecmorts(p, L, CAPACITEYEUX, S, e.cl, e.cc);
    else listelibertesaveccaptures(p, L, CAPACITEYEUX, S, e.cl, e.cc);
    S = marquesvides;
    if (posey(e.prise)) S[ixy(e.prise)] = 1;
    if (posey(ko)) S[ixy(ko)] = 1;
    for (int32_t k = 1; k <= nbpoints(L); ++k) S[ixy(pointy(L, k))] = 1;
    if (pli < 6) contactsdiagonaux(e, n);
  }
  libertesetennemisfaiblesyeux(p, L, e.K, S, e.cl, e.cc);
  // Points joining the chain to another defender chain.
  if (pli < 7)
    for (int32_t k = 1; k <= nbpoints(L); ++k) {
      const TPoint q = pointy(L, k);
      bool marquee = false, libre = false;
      pastable(q.ligne, q.colonne, [&](int32_t r2, int32_t c2) {
        const int32_t j = ix(r2, c2);
        if (p[j] == e.C) (S[j] ? marquee : libre) = true;
        return false;
      });
      if (marquee && libre) T[ixy(q)] = YLISTE;
    }
  // Around the weak attacker chains.
  for (int32_t k = 1; k <= nbpoints(e.K); ++k) {
    const TPoint a = pointy(e.K, k);
    if (pli <= 2) libertesetcapturables(p, L, CAPACITEYEUX, 0, a.ligne, a.colonne, S);
    else if (libertesy(a) == 1) libertesetatari(p, L, CAPACITEYEUX, 0, a.ligne, a.colonne, S);
    else if (libertesy(a) == 2 && pli < 5) libertesdelachaine(p, L, CAPACITEYEUX, 0, a.ligne, a.colonne, S);
  }
  // The window, early in the line.
  if (pli < 7) ajoutefenetre(e, n);
  // Around the attacker's last move.
  if (posey(precedent)) {
    if (!S[ixy(precedent)] && libertesy(precedent) == 1) ajouteliberteunique(e, n, precedent);
    if (pli < 5)
      pastable(precedent.ligne, precedent.colonne, [&](int32_t r2, int32_t c2) {
        if (p[ix(r2, c2)] == VIDE) {
          T[ix(r2, c2)] = YLISTE;
          ajoute(L, S, r2, c2);
        }
        return false;
      });
  }
  // Deep reading adds its own points.
  if (lectureprofonde) ajoutsprofondsyeux(e, n);
  // Vital points: next to a chain in atari or to an attacker chain of 2 liberties.
  if (pli <= 2) {
    e.vitaux = marquesvides;
    for (int32_t k = 1; k <= nbpoints(L); ++k) {
      const TPoint q = pointy(L, k);
      if (pastable(q.ligne, q.colonne, [&](int32_t r2, int32_t c2) {
            const int32_t j = ix(r2, c2);
            return (p[j] != VIDE && libs(j) == 1) || (p[j] == e.O && libs(j) == 2);
          }))
        e.vitaux[ixy(q)] = 1;
    }
  }
  // Atari answers of the line.
  ataridelaligne(e, n, pli);
  // Eye completion over the points listed so far.
  const int32_t avant = nbpoints(L);
  for (int32_t k = 1; k <= avant; ++k) {
    const TPoint q = pointy(L, k);
    TPoint v;
    if (!videuniqueentoure(p, e.C, q.ligne, q.colonne, v) || !testvraioeilsansmorts(p, e.O, q.ligne, q.colonne))
      continue;
    const int32_t j = ixy(v);
    if (!S[j]) {
      T[j] = YLISTE;
      ajoute(L, S, v.ligne, v.colonne);
    } else if (T[j] == 0 && !(v.ligne == ko.ligne && v.colonne == ko.colonne) &&
               !(v.ligne == e.prise.ligne && v.colonne == e.prise.colonne)) {
      T[j] = YLISTE;
    }
  }
}

void coupsattaqueyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli, TPoint precedent) {
  TPlateau& p = *e.p;
  TListePoints& L = n.liste;
  TMarques& T = n.marques;
  TMarques& S = e.S;
  // The capture point is never listed.
  videcoups(e, n);
  e.K[0] = 0;
  // The chain walk.
  libertesetennemisfaiblesyeux(p, L, e.K, S, e.cl, e.cc);
  const int32_t nl = nbpoints(L);
  const TPoint lib1 = nl >= 1 ? pointy(L, 1) : TPoint{};
  const TPoint lib2 = nl >= 2 ? pointy(L, 2) : TPoint{};
  // Liberties the chain can use: all for a short chain, else those with room.
  if (nl > 0) {
    const bool court = infochaine[ix(e.cl, e.cc)][0] <= 2;
    for (int32_t k = 1; k <= nl; ++k) {
      const TPoint q = pointy(L, k);
      if (court || pastable(q.ligne, q.colonne, [&](int32_t r2, int32_t c2) {
            const int32_t j = ix(r2, c2);
            return p[j] == e.C && !S[j];
          }))
        T[ixy(q)] = YLISTE;
    }
  }
  // Around the weak defender chains.
  for (int32_t k = 1; k <= nbpoints(e.K); ++k) {
    const TPoint a = pointy(e.K, k);
    if (pli <= 2) libertesetcapturables(p, L, CAPACITEYEUX, 0, a.ligne, a.colonne, S);
    else if (libertesy(a) == 2) libertesdelachaine(p, L, CAPACITEYEUX, 0, a.ligne, a.colonne, S);
    else libertesetatari(p, L, CAPACITEYEUX, 0, a.ligne, a.colonne, S);
  }
  // Around the defender's last move.
  if (posey(precedent) && !S[ixy(precedent)]) {
    const int32_t lp = libertesy(precedent);
    if (lp == 1) ajouteliberteunique(e, n, precedent);
    else if (lp == 2 || (lp == 3 && pli < 5))
      libertesdelachaine(p, L, CAPACITEYEUX, 0, precedent.ligne, precedent.colonne, S);
    if (!S[ixy(precedent)])
      pastable(precedent.ligne, precedent.colonne, [&](int32_t r2, int32_t c2) {
        if (p[ix(r2, c2)] == VIDE) {
          T[ix(r2, c2)] = YLISTE;
          ajoute(L, S, r2, c2);
        }
        return false;
      });
  }
  // Around the last liberties.
  if (nl == 1 && posey(e.prise))
    listevidesvoisinsmarque(S, p, L, CAPACITEYEUX, e.prise.ligne, e.prise.colonne, lib1.ligne, lib1.colonne);
  else if (nl == 2 && !posey(e.prise))
    listevidesvoisinsmarque(S, p, L, CAPACITEYEUX, lib1.ligne, lib1.colonne, lib2.ligne, lib2.colonne);
  // The window.
  ajoutefenetre(e, n);
  // The liberties of the linked chain.
  if (lectureprofonde && (niveau == 10 || pli <= e.D - 2)) {
    effacechaine(p, S, 0, e.cl, e.cc);
    if (pli <= 2) listelibertesavecmorts(p, L, CAPACITEYEUX, S, e.cl, e.cc);
    else listelibertesaveccaptures(p, L, CAPACITEYEUX, S, e.cl, e.cc);
    if (pli < 6) contactsdiagonaux(e, n);
  }
  // Atari answers of the line.
  ataridelaligne(e, n, pli);
  // Eye completion, without the true-eye test.
  const int32_t avant = nbpoints(L);
  for (int32_t k = 1; k <= avant; ++k) {
    const TPoint q = pointy(L, k);
    TPoint v;
    if (!videuniqueentoure(p, e.C, q.ligne, q.colonne, v)) continue;
    const int32_t j = ixy(v);
    if (!S[j]) {
      T[j] = YLISTE;
      ajoute(L, S, v.ligne, v.colonne);
    } else if (T[j] == 0 && !(v.ligne == e.prise.ligne && v.colonne == e.prise.colonne)) {
      T[j] = YLISTE;
    }
  }
}

void coupsprolongationyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli, bool defenseur, TPoint ko) {
  const TPlateau& p = *e.p;
  TListePoints& L = n.liste;
  TMarques& S = e.S;
  videcoups(e, n);
  if (defenseur && posey(ko)) n.marques[ixy(ko)] = YLISTE;
  const int32_t debut = e.D - 3 > 1 ? e.D - 3 : 1;
  if (defenseur) {
    // Save chains in atari next to the chain, or take the attacker's stones in atari.
    if (niveau > 7) atarichainesvoisines2(p, L, CAPACITEYEUX, 0, e.cl, e.cc, S);
    for (int32_t k = 2; k <= pli - 2; k += 2)
      if (posey(e.ligne[k])) S[ixy(e.ligne[k])] = 1;
    for (int32_t k = debut; k < pli; ++k) {
      const TPoint q = e.ligne[k];
      if (!posey(q) || S[ixy(q)] || p[ixy(q)] != e.O || libertesy(q) != 1) continue;
      ajouteliberteunique(e, n, q);
    }
  } else {
    if (niveau > 7) libertesatarivoisines(p, L, CAPACITEYEUX, 0, e.cl, e.cc, S);
    for (int32_t k = debut; k < pli; ++k) {
      const TPoint q = e.ligne[k];
      if (!posey(q) || p[ixy(q)] == VIDE || S[ixy(q)] || libertesy(q) != 1) continue;
      libertesetatari(p, L, CAPACITEYEUX, 0, q.ligne, q.colonne, S);
    }
  }
  for (int32_t k = 1; k <= nbpoints(L); ++k) n.marques[ixy(pointy(L, k))] = YLISTE;
}

namespace {

// The capture check of the look-ahead: m or q marked in M (from ply 5 both).
bool marqueessai(const TMarques& M, int32_t pli, int32_t jm, int32_t jq) {
  return pli >= 5 ? (M[jm] == 1 && M[jq] == 1) : (M[jm] == 1 || M[jq] == 1);
}

// Points near the attacker chain that the look-ahead's living move took, read
// on the position from the start of the search, added to the look-ahead points.
void libertesprisesyeux(TEtatYeux& e, const TPoint& pierre) {
  const TInfoChaine courante = infochaine;
  infochaine = e.copiechaines;
  TListePoints collecte, faibles;
  collecte[0] = faibles[0] = 0;
  TMarques vu = marquesvides;
  libertesetennemisfaiblesyeux(e.copie, collecte, faibles, vu, pierre.ligne, pierre.colonne);
  for (int32_t k = 1; k <= nbpoints(faibles); ++k) {
    const TPoint a = pointy(faibles, k);
    if (libertesy(a) == 2) libertesdelachaine(e.copie, collecte, CAPACITEYEUX, 0, a.ligne, a.colonne, vu);
    else if (libertesy(a) == 1) libertesetatari(e.copie, collecte, CAPACITEYEUX, 0, a.ligne, a.colonne, vu);
  }
  for (int32_t k = 1; k <= nbpoints(collecte); ++k)
    ajoutecaseliste(ligneliste(collecte, k), colonneliste(collecte, k), e.pointsessais, CAPACITEYEUX);
  infochaine = courante;
}

}  // namespace

bool vieapresprises(TPlateau& p, const TMarques& M, int32_t pli, uint8_t O, uint8_t C, const TMarques& carte0,
                    int32_t& score, TPoint m, TPoint chaine) {
  // Depth and liberty limit of the capture reading.
  const int32_t d = pli <= 2 ? 8 : pli <= 4 ? 6 : pli <= 6 ? 5 : 2;
  const int32_t l = pli <= 6 ? 3 : 2;
  // Liberties of the attacker chains that can be taken.
  TListePoints collecte;
  collecte[0] = 0;
  TMarques vu = marquesvides;
  const int32_t jm = ixy(m);
  pastable(m.ligne, m.colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] != O || libs(j) >= 3 || !marqueessai(M, pli, jm, j) || pionsmorts[j]) return false;
    if (testprise(p, r2, c2, d, l, C, pointko)) libertesdelachaine(p, collecte, CAPACITEYEUX, 0, r2, c2, vu);
    return false;
  });
  // Nothing to fill.
  if (nbpoints(collecte) == 0) return false;
  // Fill them and ask the static test; board and chain table come back.
  const Restaure<TPlateau> plateau(p);
  const Restaure<TInfoChaine> chaines(infochaine);
  TListePoints prises;
  for (int32_t k = 1; k <= nbpoints(collecte); ++k)
    jouecoup(prises, CAPACITELISTE, p, ligneliste(collecte, k), colonneliste(collecte, k), C, O);
  int32_t code = 0;
  return genecoupsyeux(p, chaine.ligne, chaine.colonne, m, score, code, carte0);
}

void essaisvieyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli) {
  e.essaivie = false;
  TListePoints& L = n.liste;
  // Nothing to order.
  if (nbpoints(L) < 2) return;
  TPlateau& p = *e.p;
  const TPoint chaine{e.cl, e.cc};
  // Chain table, and the capture check's marks.
  const TInfoChaine sauvee = infochaine;
  const bool verif = pli < 7 && infochaine[ix(e.cl, e.cc)][0] > 2;
  if (verif) {
    e.M = marquesvides;
    marquelibertes(p, e.M, e.cl, e.cc);
  }
  // Every listed move.
  int32_t essayes = 0;
  bool note = false;
  TListePoints& prises = e.prisesessai;
  for (int32_t k = 1; k <= nbpoints(L); ++k) {
    const TPoint m = pointy(L, k);
    const int32_t jm = ixy(m);
    int32_t& score = n.valeurs[k];
    score = 0;
    // Play; an occupied point or a refused move scores -100.
    prises[0] = 0;
    const bool libre = p[jm] == VIDE;
    if (libre) jouecoup(prises, CAPACITELISTE, p, m.ligne, m.colonne, e.C, e.O);
    if (!libre || p[jm] != e.C) {
      score = -100;
      continue;
    }
    // Tried.
    ++essayes;
    bool vie = false;
    {
      MortsLigne morts(e, pli);
      // The static two-eye test and its code.
      int32_t code = 0;
      vie = genecoupsyeux(p, e.cl, e.cc, m, score, code, e.carte0);
      n.evaluations[jm] = static_cast<uint8_t>(code == 0 ? 5 : code);
      if (code == 4 && n.marques[jm] == 0) n.marques[jm] = YLISTE;
      // Life once the attacker chains next to m are taken.
      if (!vie && verif) {
        bool trouve = false;
        pastable(m.ligne, m.colonne, [&](int32_t r2, int32_t c2) {
          const int32_t j = ix(r2, c2);
          if (p[j] != e.O || libs(j) >= 3 || !marqueessai(e.M, pli, jm, j) || pionsmorts[j]) return false;
          trouve = true;
          return true;
        });
        if (trouve) vie = vieapresprises(p, e.M, pli, e.O, e.C, e.carte0, score, m, chaine);
      }
      // The line's dead marks come back on leaving the scope.
    }
    // No life: the score from the stones in atari around, and the captures.
    if (!vie) {
      const int32_t nb = nbpoints(prises);
      if (nb == 0) {
        if (libs(jm) == 1) score -= libertestableparent(p, m.ligne, m.colonne);
        else score += comptepierresatarivoisines(sauvee, p, e.C, m.ligne, m.colonne);
      } else {
        score += comptepierresatarivoisines(sauvee, p, e.C, m.ligne, m.colonne) + nb;
      }
      if (score != 0) note = true;
    }
    // Undo.
    infochaine = sauvee;
    p[jm] = VIDE;
    for (int32_t q = 1; q <= nbpoints(prises); ++q) p[ix(ligneliste(prises, q), colonneliste(prises, q))] = e.O;
    // Life: the liberties of a captured stone, and the move as the ply's best.
    if (vie) {
      e.essaivie = true;
      for (int32_t q = 1; q <= nbpoints(prises); ++q) {
        const TPoint s = pointy(prises, q);
        if (e.copie[ixy(s)] != e.O) continue;
        libertesprisesyeux(e, s);
        break;
      }
      e.meilleures[pli] = m;
      return;
    }
  }
  // Best scores first.
  if (note && essayes >= 2) {
    triecoups(L, n.valeurs);
    if (niveau <= 7 && pli >= 5)
      while (nbpoints(L) > 0 && n.valeurs[nbpoints(L)] <= 0) --L[0];
  }
}

void triecoupsattaqueyeux(const TEtatYeux& e, TListePoints& l) {
  const int32_t n = nbpoints(l);
  TListePoints r = l;
  int32_t debut = 0, fin = n + 1;
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t pos = testvoisinsatari(*e.p, e.C, ligneliste(l, k), colonneliste(l, k)) ? ++debut : --fin;
    r[2 * pos] = ligneliste(l, k);
    r[2 * pos + 1] = colonneliste(l, k);
  }
  l = r;
}

void filtrecoupsyeux(const TEtatYeux& e, TNoeudYeux& n, const TMarques& carte, int32_t borne, uint8_t autre) {
  TListePoints& L = n.liste;
  int32_t gardes = 0;
  for (int32_t k = 1; k <= nbpoints(L); ++k) {
    const TPoint q = pointy(L, k);
    const int32_t j = ixy(q);
    if (!((carte[j] >= 1 && carte[j] <= borne) || n.marques[j] != 0 || voisinfaible(*e.p, autre, q.ligne, q.colonne)))
      continue;
    n.marques[j] = YLISTE;
    ++gardes;
    L[2 * gardes] = q.ligne;
    L[2 * gardes + 1] = q.colonne;
  }
  L[0] = gardes;
}

bool atarisurchemin(const TEtatYeux& e) {
  for (const int32_t k : {e.D - 1, e.D - 3}) {
    if (k < 1 || k >= LIGNEYEUX) continue;
    const TPoint q = e.ligne[k];
    if (posey(q) && (*e.p)[ixy(q)] == e.O && libertesy(q) == 1) return true;
  }
  return false;
}
