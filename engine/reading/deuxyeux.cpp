// Two-eye reading: the entry, the node, the transposition store and the window.
#include "engine/reading/deuxyeux.h"

#include <cstdlib>
#include <cstring>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/yeux.h"
#include "engine/chains/yeuxstatiques.h"
#include "engine/reading/deuxyeux_etat.h"
#include "engine/reading/prise.h"

namespace {

// Per-ply transposition tables of (value, key), table t (3..20) at
// [(t-3)*10000 ..], kept sorted by key. The fill counts belong to one
// reading, so every reading starts with empty tables.
TEntreeCle tablehachyeux[NBTABLESYEUX * ENTREESPARTABLE];

inline bool memepoint(const TPoint& a, const TPoint& b) { return a.ligne == b.ligne && a.colonne == b.colonne; }

// One reading at a time: its state lives here.
TEtatYeux etat;
const TMarques aucunemarque{};

// ---- Store --------------------------------------------------------------------------
// Look-up in the ply's table: true on a hit (the value goes to the result),
// else `position` is where the key belongs.
bool chercheyeux(TEtatYeux& e, int32_t pli, uint32_t cle, int32_t& position) {
  position = cherchecletransposition(cle, pli, e.remplissage[pli], tablehachyeux);
  if (position > 0) return false;
  e.resultat = -position;
  return true;
}

// After a miss, the value read for the key goes in at the position the
// look-up returned, the later entries moving up; a full table takes no more.
void insereyeux(TEtatYeux& e, int32_t pli, int32_t position, uint32_t cle, int32_t valeur) {
  inserecletransposition(cle, valeur, position, pli, e.remplissage[pli], tablehachyeux);
}

// The move in play at a node and what it did.
struct Coup {
  TPoint m;
  bool passe;
  int32_t prises;   // stones taken
  TPoint ko;        // ko point handed to the child
};

// Evaluation of the move just played; true when it decides the
// node's result.
bool evalue(TEtatYeux& e, TNoeudYeux& n, bool defenseur, int32_t pli, bool calme, const TMarques& B,
            const Coup& c, int32_t essayes) {
  TPlateau& p = *e.p;
  const int32_t jc = ix(e.cl, e.cc);
  if (defenseur) {
    if (c.passe) return false;  // the defender's lists hold no pass
    const int32_t jm = ixy(c.m);
    if (posey(c.ko)) {  // a ko capture is no life
      e.resultat = 0;
      return true;
    }
    if (pli > e.D && c.prises == 0 && infochaine[jm][0] <= 2) {
      e.resultat = 0;
      return true;
    }
    if (infochaine[jc][0] == 1) {
      e.resultat = 0;
      return true;
    }
    if (n.evaluations[jm] == 0) {
      bool vie;
      int32_t code = 0;
      {
        MortsLigne morts(e, pli);
        int32_t score = 0;
        vie = genecoupsyeux(p, e.cl, e.cc, c.m, score, code, e.carte0);
      }
      n.evaluations[jm] = static_cast<uint8_t>(code == 0 ? 5 : code);
      if (vie) {
        e.resultat = VIEYEUX;
        return true;
      }
    }
    if (calme && B[jm] == YJOUE && c.prises == 0 && n.evaluations[jm] != 4) {
      e.resultat = 0;
      return true;
    }
    if (e.vitaux[jm] == 1 && pli >= e.D - 2) {
      const TPoint a = e.ligne[pli - 1];
      const bool proche =
          posey(a) && std::abs(a.ligne - c.m.ligne) <= 1 && std::abs(a.colonne - c.m.colonne) <= 1;
      bool deja = false;
      for (int32_t k = 1; k < pli && !deja; ++k) deja = memepoint(e.ligne[k], c.m);
      if (!proche && !deja) {
        e.resultat = 0;
        return true;
      }
    }
    return false;
  }
  if (p[jc] == VIDE) {  // the chain was taken
    e.resultat = 0;
    return true;
  }
  if (c.passe) return false;
  const int32_t jm = ixy(c.m);
  if (calme && B[jm] == YJOUE && c.prises == 0 && infochaine[jc][0] > 1) {
    e.resultat = VIEYEUX;
    return true;
  }
  if (infochaine[jm][0] == 1 && infochaine[jm][1] == 1 && infochaine[jc][0] > 2 && c.prises == 0 && essayes > 1 &&
      !(memepoint(c.m, e.meilleures[pli + 1]) && oeilapresprise(p, e.O, c.m.ligne, c.m.colonne))) {
    e.resultat = VIEYEUX;
    return true;
  }
  return false;
}

// Appends a point of the re-adding steps: set, untried and unlisted (T 0),
// and empty when asked; it gets T := 1.
void rajoute(TNoeudYeux& n, const TPlateau& p, const TPoint& q, bool vide = true) {
  if (!posey(q) || n.marques[ixy(q)] != 0 || (vide && p[ixy(q)] != VIDE)) return;
  if (empilepoint(n.liste, CAPACITEYEUX, q.ligne, q.colonne)) n.marques[ixy(q)] = YLISTE;
}

// The node: side P to move, Q the other; writes e.resultat.
void recuvieyeux(TEtatYeux& e, uint8_t P, uint8_t Q, int32_t pli, TPoint coup, TPoint ko, uint32_t cle) {
  TPlateau& p = *e.p;
  TNoeudYeux& n = e.noeud[pli];
  const TMarques& A = pli >= 2 ? e.noeud[pli - 1].marques : aucunemarque;
  const TMarques& B = pli >= 3 ? e.noeud[pli - 2].marques : aucunemarque;
  const bool defenseur = P == e.C;
  const int32_t jc = ix(e.cl, e.cc);
  TListePoints& L = n.liste;
  L[0] = 0;
  n.marques = marquesvides;
  n.evaluations = marquesvides;

  // Quiet flag.
  bool calme = false;
  if (pli >= 6) {
    const int32_t lc = infochaine[jc][0];
    const bool court = (defenseur ? lc <= 1 : lc <= 2) && pli < e.D - 2;
    auto aprise = [&](const TMarques& m, const TPoint& q) { return posey(q) && m[ixy(q)] == YPRISE; };
    calme = !court && !aprise(B, e.ligne[pli - 2]) && !aprise(A, e.ligne[pli - 1]);
  }

  // The move list.
  if (pli > e.D) {
    coupsprolongationyeux(e, n, pli, defenseur, ko);
    if (nbpoints(L) == 0) {
      e.meilleures[pli] = TPoint{};
      e.resultat = 0;
      return;
    }
    if (nbpoints(L) > 1) {
      if (defenseur && pli < PLIMAXYEUX) {
        essaisvieyeux(e, n, pli);
        if (e.essaivie) {
          e.resultat = VIEYEUX;
          return;
        }
      }
      if (!defenseur) triecoupsattaqueyeux(e, L);
    }
    if (!defenseur) empilepoint(L, CAPACITEYEUX, pointko.ligne, pointko.colonne);
  } else if (defenseur) {
    coupsdefenseyeux(e, n, pli, ko, coup);
    if (pli < e.D) {
      essaisvieyeux(e, n, pli);
      if (e.essaivie) {
        e.resultat = VIEYEUX;
        return;
      }
    }
    int32_t borne = pli <= 2 ? 7 : pli <= 4 ? 5 : pli <= 6 ? 3 : 2;
    if (pli <= 4 && e.tailles[pli - 1] >= 10) --borne;
    filtrecoupsyeux(e, n, e.carte1, borne, Q);
    if (nbpoints(L) == 0) {
      e.meilleures[pli] = TPoint{};
      e.resultat = 0;
      return;
    }
  } else {
    coupsattaqueyeux(e, n, pli, coup);
    filtrecoupsyeux(e, n, e.carte2, pli < 5 ? 7 : 6, Q);
    triecoupsattaqueyeux(e, L);
    empilepoint(L, CAPACITEYEUX, pointko.ligne, pointko.colonne);
  }

  // Marks; the killer first.
  if (pli <= e.D)
    for (int32_t k = 1; k <= nbpoints(L); ++k)
      if (ligneliste(L, k) != 0) n.marques[ix(ligneliste(L, k), colonneliste(L, k))] = YLISTE;
  if (nbpoints(L) > 1 && posey(e.meilleures[pli]) && n.marques[ixy(e.meilleures[pli])] == YLISTE)
    remontecoupenliste(L, e.meilleures[pli].ligne, e.meilleures[pli].colonne, 1, CAPACITEYEUX);

  // The capture point and this node's ko point are never played.
  if (posey(e.prise)) {
    n.marques[ixy(e.prise)] = YLISTE;
    xorclemoyo(cle, e.prise.ligne, e.prise.colonne);
  }
  if (posey(ko) && defenseur) n.marques[ixy(ko)] = YLISTE;

  // Per-ply state: key, best replies, list size.
  const uint32_t clebase = cle;
  int32_t essayes = 0;
  e.meilleures[pli] = TPoint{};
  e.meilleures[pli + 1] = TPoint{};
  e.tailles[pli] = nbpoints(L);

  // The moves; the list may grow while it is read.
  for (int32_t i = 1; i <= nbpoints(L); ++i) {
    Coup c{pointy(L, i), false, 0, TPoint{}};
    c.passe = !posey(c.m);
    const int32_t jm = c.passe ? -1 : ixy(c.m);
    // Play; an occupied point is refused like a suicide.
    if (pli == 1) e.profonds1[0] = 0;
    if (pli == 2) e.profonds2[0] = 0;
    n.prises[0] = 0;
    const bool libre = !c.passe && p[jm] == VIDE;
    // The chain table comes back through the journal, or through a copy
    // when the journal is full.
    const int32_t marque = marquejournal();
    bool copie = false;
    if (libre && !jouecoupjournal(n.prises, p, c.m.ligne, c.m.colonne, P, Q)) {
      copie = true;
      n.chaines = infochaine;
      jouecoup(n.prises, CAPACITELISTE, p, c.m.ligne, c.m.colonne, P, Q);
    }
    // Count; past the budget the defender's untried list is cut to 5.
    ++e.noeuds;
    if (defenseur && e.noeuds > BUDGETYEUX) {
      lectureprofonde = 0;
      const int32_t nl = nbpoints(L);
      if (nl > i && nl > 5) {
        for (int32_t k = i + 1; k <= nl; ++k)
          if (ligneliste(L, k) != 0) n.marques[ix(ligneliste(L, k), colonneliste(L, k))] = 0;
        L[0] = 5;
      }
    }
    // Refused.
    if (!c.passe && (!libre || p[jm] != P)) {
      n.marques[jm] = YREFUSE;
      e.ligne[pli] = TPoint{};
      continue;
    }
    // Line, trial count and the move's mark.
    e.ligne[pli] = c.m;
    ++essayes;
    c.prises = nbpoints(n.prises);
    if (!c.passe) n.marques[jm] = c.prises > 0 ? YPRISE : YJOUE;
    // Recapture extension.
    bool extension = false;
    if (defenseur && c.prises > 0 && pli <= e.D && e.D - e.D0 <= 2 && posey(e.ligne[pli - 1]) &&
        p[ixy(e.ligne[pli - 1])] == VIDE) {
      e.D += 2;
      extension = true;
    }
    // Ko capture.
    if (!c.passe && c.prises == 1 && infochaine[jm][0] == 1 && infochaine[jm][1] == 1) c.ko = pointy(n.prises, 1);
    // Key of the position after the move.
    uint32_t clef = clebase;
    if (!c.passe) {
      xorclepion(clef, c.m.ligne, c.m.colonne, P);
      for (int32_t k = 1; k <= c.prises; ++k) xorclepion(clef, ligneliste(n.prises, k), colonneliste(n.prises, k), Q);
    }
    if (posey(c.ko)) xorclemoyo(clef, c.ko.ligne, c.ko.colonne);
    // Plies 3 to 5 look the key up before the evaluation, plies 6 to 20
    // just before the recursion. After a miss the value found for the
    // position (by the evaluation or the child) goes in before the undo.
    bool consulte = false, trouve = false;
    int32_t position = 0;
    if (pli >= 3 && pli <= 5) {
      consulte = true;
      trouve = chercheyeux(e, pli, clef, position);
    }
    if (!trouve) {
      // Evaluation, then the child.
      if (!evalue(e, n, defenseur, pli, calme, B, c, essayes)) {
        if (pli >= PLIMAXYEUX) {  // deep nodes are always beyond D
          e.resultat = 0;
        } else if (pli >= e.D && defenseur && !atarisurchemin(e)) {
          e.resultat = 0;
        } else {
          if (pli >= 6 && pli <= DERNIERETABLEYEUX) {
            consulte = true;
            trouve = chercheyeux(e, pli, clef, position);
          }
          if (!trouve) recuvieyeux(e, Q, P, pli + 1, c.m, c.ko, clef);
        }
      }
      if (consulte && !trouve) insereyeux(e, pli, position, clef, e.resultat);
    }
    // Undo.
    if (!c.passe) {
      p[jm] = VIDE;
      for (int32_t k = 1; k <= c.prises; ++k) p[ix(ligneliste(n.prises, k), colonneliste(n.prises, k))] = Q;
    }
    if (copie) infochaine = n.chaines;
    else reprendjournal(marque);
    if (extension) e.D -= 2;
    // Cut-off.
    if (defenseur && e.resultat == VIEYEUX) {
      e.meilleures[pli] = c.m;
      e.vievue = true;
      return;
    }
    if (!defenseur && e.resultat == 0) {
      e.meilleures[pli] = c.m;
      return;
    }
    // Re-adding the vital points found deeper.
    if (lecturelongue) {
      if (pli == 1) {
        rajoute(n, p, e.meilleures[2]);
        for (int32_t k = 1; k <= nbpoints(e.profonds1); ++k) rajoute(n, p, pointy(e.profonds1, k));
      } else if (pli == 2 && e.vievue) {
        rajoute(n, p, e.meilleures[3]);
        if (lectureprofonde)
          for (int32_t k = 1; k <= nbpoints(e.profonds2); ++k) rajoute(n, p, pointy(e.profonds2, k));
      } else if (pli == 3) {
        const TPoint q = e.meilleures[4];
        if (posey(q) && n.marques[ixy(q)] == 0 && p[ixy(q)] == VIDE) {
          empilepoint(e.profonds1, CAPACITEYEUX, q.ligne, q.colonne);
          empilepoint(e.profonds2, CAPACITEYEUX, q.ligne, q.colonne);
          rajoute(n, p, q);
        }
      }
    }
    // The look-ahead's points.
    if ((!defenseur || e.vievue) && pli <= 6)
      for (int32_t k = 1; k <= nbpoints(e.pointsessais); ++k) rajoute(n, p, pointy(e.pointsessais, k));
    // After a pass, the defender's last refutation.
    if (!defenseur && c.passe && lectureprofonde) rajoute(n, p, e.meilleures[pli + 1], false);
    // The killer of the next ply next.
    const TPoint t = e.meilleures[pli + 1];
    if (nbpoints(L) - i >= 2 && posey(t) && n.marques[ixy(t)] == YLISTE)
      remontecoupenliste(L, t.ligne, t.colonne, i + 1, CAPACITEYEUX);
  }

  // No move tried: the defender dies, the attacker passes.
  if (essayes > 0) return;
  ++e.noeuds;
  if (defenseur) {
    e.resultat = 0;
    return;
  }
  e.ligne[pli] = pointko;
  if (pli >= PLIMAXYEUX) {
    e.resultat = 0;
  } else {
    int32_t position = 0;
    const bool consulte = pli >= 3 && pli <= DERNIERETABLEYEUX;
    if (!consulte || !chercheyeux(e, pli, clebase, position)) {
      recuvieyeux(e, Q, P, pli + 1, TPoint{}, pointko, clebase);
      if (consulte) insereyeux(e, pli, position, clebase, e.resultat);
    }
  }
  e.meilleures[pli] = pointko;
}

}  // namespace

bool testdeuxyeuxpossible(TPlateau& p, int32_t ligne, int32_t colonne, int32_t mode) {
  TEtatYeux& e = etat;
  if (!surplateaumoteur(ligne, colonne) || p[ix(ligne, colonne)] == VIDE) return false;
  const int32_t j0 = ix(ligne, colonne);
  // Fresh reading state.
  e.noeuds = 0;
  e.vievue = false;
  for (int32_t& r : e.remplissage) r = 0;
  e.prise = TPoint{};
  // The last move, a lone stone in atari: read with its liberty.
  if (mode == 1 && infochaine[j0][0] == 1 && infochaine[j0][1] == 1)
    pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
      if (p[ix(r2, c2)] != VIDE) return false;
      e.prise = TPoint{r2, c2};
      return true;
    });
  // A chain in atari with nothing to take is dead at once.
  if (!posey(e.prise) && infochaine[j0][0] == 1) return false;
  // Colours and the defender's final territory bytes.
  e.resultat = 0;
  for (TPoint& m : e.meilleures) m = TPoint{};
  for (TPoint& m : e.ligne) m = TPoint{};
  e.p = &p;
  e.cl = ligne;
  e.cc = colonne;
  e.C = p[j0];
  e.O = e.C == BLANC ? NOIR : BLANC;
  const TCarte& finale = e.C == NOIR ? cartefinale1 : cartefinale2;
  const int32_t taille = configmoteur.taille;
  e.carte0 = e.carte1 = e.carte2 = marquesvides;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != VIDE) {
        e.carte0[j] = e.carte1[j] = e.carte2[j] = 1;
        continue;
      }
      const auto v = static_cast<uint32_t>(finale[j]);
      e.carte0[j] = static_cast<uint8_t>(v & 0xFF);
      e.carte1[j] = static_cast<uint8_t>((v >> 8) & 0xFF);
      e.carte2[j] = static_cast<uint8_t>((v >> 16) & 0xFF);
    }
  // On the way out flagscan is 1 again and lectureprofonde, which
  // the node budget clears, has its value back.
  const Restaure<uint8_t> profonde(lectureprofonde);
  const EnSortie scan([] { flagscan = 1; });
  flagscan = 0;
  // The static test.
  int32_t score = 0, code = 0;
  if (genecoupsyeux(p, ligne, colonne, TPoint{}, score, code, e.carte0)) return true;
  // The search's start.
  e.fenetre[0] = 0;
  zonelocaleyeux(e.carte2, p, e.fenetre, CAPACITEYEUX, 4, ligne, colonne);
  e.pointsessais[0] = 0;
  e.profonds1[0] = e.profonds2[0] = 0;
  e.copie = p;
  e.copiechaines = infochaine;
  e.vitaux = marquesvides;
  e.D = paramniveaua - (paramniveaua % 2 != 0 ? 1 : 0);
  e.D0 = e.D;
  // The root: the attacker first.
  recuvieyeux(e, e.O, e.C, 1, TPoint{}, pointko, 0);
  // flagscan and lectureprofonde come back on the way out.
  compteurnoeuds += e.noeuds;
  return e.resultat == VIEYEUX;
}

void zonelocaleyeux(const TMarques& carte, const TPlateau& p, TListePoints& l, int32_t cap, int32_t borne,
                    int32_t ligne, int32_t colonne) {
  const int32_t taille = configmoteur.taille;
  l[0] = 0;
  const uint8_t C = p[ix(ligne, colonne)];
  // The chain and its liberties.
  TMarques chaine = marquesvides;
  libertesmarquees(p, C, chaine, 0, ligne, colonne);
  struct Zone {
    const TMarques& carte;
    const TPlateau& p;
    TListePoints& l;
    int32_t cap, borne;
    const TMarques& chaine;
    uint8_t O;
    int32_t lmin, lmax, cmin, cmax;  // the window
    TMarques vu = marquesvides;
    TListePoints notees{};           // the defender's other stones met

    void prend(int32_t r, int32_t c) {
      if (carte[ix(r, c)] <= borne && !chaine[ix(r, c)]) empilepoint(l, cap, r, c);
    }
    bool coin(int32_t r, int32_t c) const { return (r == lmin || r == lmax) && (c == cmin || c == cmax); }
    // Inside the window, around the attacker's stones.
    void fenetre(int32_t dir, int32_t r, int32_t c) {
      const int32_t i = ix(r, c);
      vu[i] = 1;
      if (!coin(r, c)) {
        if (p[i] == VIDE) prend(r, c);
        else if (!chaine[i]) empilepoint(notees, MAXPOINTSLISTE, r, c);
      }
      pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        if (r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax) return false;
        const int32_t j = ix(r2, c2);
        if (vu[j]) return false;
        if (p[j] == O) vu[j] = 1;
        else fenetre(d2, r2, c2);
        return false;
      });
    }
    // A noted stone's chain and its liberties.
    void chainenotee(int32_t dir, int32_t r, int32_t c) {
      const uint8_t x = p[ix(r, c)];
      vu[ix(r, c)] = 1;
      pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (vu[j]) return false;
        if (p[j] == x) {
          chainenotee(d2, r2, c2);
        } else if (p[j] == VIDE) {
          vu[j] = 1;
          prend(r2, c2);
        }
        return false;
      });
    }
  };
  Zone z{carte,
           p,
           l,
           cap,
           borne,
           chaine,
           static_cast<uint8_t>(C == BLANC ? NOIR : BLANC),
           ligne - 2 > 1 ? ligne - 2 : 1,
           ligne + 2 < taille ? ligne + 2 : taille,
           colonne - 2 > 1 ? colonne - 2 : 1,
           colonne + 2 < taille ? colonne + 2 : taille};
  z.notees[0] = 0;
  z.fenetre(0, ligne, colonne);
  if (nbpoints(z.notees) == 0) return;
  z.vu = marquesvides;
  for (int32_t k = 1; k <= nbpoints(l); ++k) z.vu[ix(ligneliste(l, k), colonneliste(l, k))] = 1;
  for (int32_t k = 1; k <= nbpoints(z.notees); ++k) {
    const int32_t r = ligneliste(z.notees, k), c = colonneliste(z.notees, k);
    if (!z.vu[ix(r, c)]) z.chainenotee(0, r, c);
  }
}
