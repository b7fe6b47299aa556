// Connection readings: the two entries, their distance rings and seed list,
// the node of the reading with its move collectors and static tests, and the
// transposition store.
//
// Sides. Side 0 is the chain of the stone S (V); side 1 is the targets T (the
// caller's group, or B's chain when two stones are read). Stones of the
// linking colour C join a side when a move of C touches it, and leave it when
// the cutting colour O captures them. The reading alternates O (odd plies,
// cutting first) and C (even plies); a C node succeeds with one move that
// reaches LIAISONFAITE, an O node with one move, or the pass, that holds 0.
#include "engine/connection/lectureliaison.h"

#include <array>
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
#include "engine/connection/liaisonvorn.h"
#include "engine/reading/prise.h"

namespace {

// ---- Constants of the reading ------------------------------------------------------------
constexpr int32_t PLISLIAISON = DERNIERETABLELIAISON;   // deepest node
constexpr int32_t EXTENSIONMAX = 6;                     // recapture extensions: +2 while below 5
constexpr int32_t LIMMAX = PLISLIAISON - EXTENSIONMAX;  // lim bound, so that every node has its buffers
constexpr int32_t SOMMECANDIDAT = 7;                    // D1 + D2 of a candidate point
constexpr int32_t SOMMEDIRECTE = 6;                     // candidates appended without the between-test
constexpr int32_t SOMMEPRENABLE = 4;                    // an opponent chain next to both sides
constexpr int32_t PLICALME = 6;                         // the quiet-move rule from this ply
constexpr int32_t COUPSAPRESBUDGET = 5;
constexpr int32_t CAPACITENOEUD = CAPACITELIAISON + 1;  // the moves and the opponent's pass

inline int32_t ixp(const TPoint& q) { return indexcase(q.ligne, q.colonne); }
inline bool pose(const TPoint& q) { return q.ligne != 0; }
inline bool memepoint(const TPoint& a, const TPoint& b) { return a.ligne == b.ligne && a.colonne == b.colonne; }
inline TPoint pointl(const TListePoints& l, int32_t k) { return TPoint{ligneliste(l, k), colonneliste(l, k)}; }

// The buffers of one node (static storage, one set per ply).
struct TNoeudLiaison {
  TListePoints liste;    // the moves; the opponent's pass is (0, 0)
  TMarques listes;       // points listed, the last move and the ko point
  TMarques lues;         // opponent chains already read at this node
  TInfoChaine chaines;   // chain table before a move the journal had no room for
  TListePoints prises;   // stones taken by the move in play
  TListePoints pierres;  // stones of the chain of the move in play
  // Side marks the move in play changed, to be written back: point * 65536 +
  // the old mark of side 0 * 256 + that of side 1.
  int32_t cotesavant[NBCASES];
  int32_t nbcotesavant = 0;
};

struct TEtatLiaison {
  TPlateau* p = nullptr;
  const TMarques* B = nullptr;  // capturable opponent chains (mode 2)
  uint8_t C = 0, O = 0;
  bool deux = false;       // two stones: side 1 is read like side 0
  TPoint pierre[2];        // S (A) and B
  TMarques cote[2];        // V and T as stones join or leave them
  TMarques distance[2];    // rings from V (D2) and from T (D1)
  TMarques sommes;         // D1 + D2 where both are set
  TPoint lien[2];          // the kept linking point of each side
  TListePoints graines;    // seed list
  TListePoints candidats;  // empty points of sum 7 or less
  TListePoints prenables;  // K: one point per capturable opponent chain
  int32_t lim = 0;
  int32_t noeuds = 0;
  int32_t resultat = 0;
  TPoint ligne[PLISLIAISON + 2];         // the move of each ply; (0, 0) a pass
  int32_t rejoint[PLISLIAISON + 2];      // side the C move of that ply joined, -1 none
  TPoint meilleurs[PLISLIAISON + 2][2];  // the two last successes of each ply
  int32_t remplissage[DERNIERETABLELIAISON + 1];
  TNoeudLiaison noeud[PLISLIAISON + 2];
  // Scratch of the collectors and tests.
  TMarques vu, vu2;
  TListePoints tampon;
};

// One reading at a time: its state lives here.
TEtatLiaison etat;
int32_t derniersnoeuds = 0;

// Notes the side marks of point j before the move in play changes them.
inline void notecotes(const TEtatLiaison& e, TNoeudLiaison& n, int32_t j) {
  n.cotesavant[n.nbcotesavant++] = j * 65536 + e.cote[0][j] * 256 + e.cote[1][j];
}

// Writes back the side marks noted since the move in play, latest first.
inline void remetcotes(TEtatLiaison& e, TNoeudLiaison& n) {
  for (int32_t k = n.nbcotesavant - 1; k >= 0; --k) {
    const int32_t x = n.cotesavant[k], j = x / 65536;
    e.cote[0][j] = static_cast<uint8_t>((x >> 8) & 255);
    e.cote[1][j] = static_cast<uint8_t>(x & 255);
  }
  n.nbcotesavant = 0;
}

// Plays the move with its chain-table changes in the journal when it has
// room; else the table is copied into the node first and false comes back.
inline bool jouenote(TNoeudLiaison& n, TPlateau& p, const TPoint& q, uint8_t s, uint8_t u) {
  if (jouecoupjournal(n.prises, p, q.ligne, q.colonne, s, u)) return true;
  n.chaines = infochaine;
  jouecoup(n.prises, CAPACITELISTE, p, q.ligne, q.colonne, s, u);
  return false;
}

// The chain table as it stood at `marque`, from the journal or the node's copy.
inline void remetchaines(const TNoeudLiaison& n, bool journalise, int32_t marque) {
  if (journalise) reprendjournal(marque);
  else infochaine = n.chaines;
}

// ---- Store --------------------------------------------------------------------------------
// The per-ply tables of the state's tabletranspositionliaison, table t (3..20)
// at [(t-3)*10000 ..], kept sorted by key; the fill counts are reset by every
// reading, so no answer carries over from one question to the next.

// Look-up in the ply's table: true on a hit (the value goes to the result),
// else `position` is where the key belongs.
bool cherche(TEtatLiaison& e, int32_t pli, uint32_t cle, int32_t& position) {
  position = cherchecletransposition(cle, pli, e.remplissage[pli], tabletranspositionliaison);
  if (position > 0) return false;
  e.resultat = -position;
  return true;
}

// After a miss the value found goes in at its sorted place, the later
// entries moving up; a full table takes no more.
void insere(TEtatLiaison& e, int32_t pli, int32_t position, uint32_t cle, int32_t valeur) {
  inserecletransposition(cle, valeur, position, pli, e.remplissage[pli], tabletranspositionliaison);
}

// ---- Small tests on the sides ---------------------------------------------------------------
// An orthogonal neighbour of the point is set in m.
bool touche(const TMarques& m, int32_t r, int32_t c) {
  return pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return m[ix(r2, c2)] != 0; });
}

// Between-test: the point, or one of its empty neighbours, touches both sides.
bool entrecotes(const TEtatLiaison& e, int32_t r, int32_t c) {
  auto deuxcotes = [&](int32_t r2, int32_t c2) { return touche(e.cote[0], r2, c2) && touche(e.cote[1], r2, c2); };
  if (deuxcotes(r, c)) return true;
  return pas4(r, c, ORDREMARCHE,
              [&](int32_t r2, int32_t c2) { return (*e.p)[ix(r2, c2)] == VIDE && deuxcotes(r2, c2); });
}

// Last-ply filter: a neighbour is a stone of either side or of a chain in atari.
bool filtredernierpli(const TEtatLiaison& e, int32_t r, int32_t c) {
  const TPlateau& p = *e.p;
  return pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    return e.cote[0][j] != 0 || e.cote[1][j] != 0 || (p[j] != VIDE && libs(j) == 1);
  });
}

// Side-classification walk: 1 when the chain through (r, c) touches side 0,
// 2 side 1, 3 both, 0 neither; its stones are marked in vu.
int32_t cotechaine(const TEtatLiaison& e, int32_t r, int32_t c, TMarques& vu) {
  const TPlateau& p = *e.p;
  int32_t res = 0;
  marchechaine(p, vu, p[ix(r, c)], 0, r, c,
               RegleChaine{.avant =
                               [&](const Etape& s) {
                                 if (e.cote[0][s.j]) res |= 1;
                                 if (e.cote[1][s.j]) res |= 2;
                               },
                           .fini = [&] { return res == 3; }});
  return res;
}

// Double-threat test: two different liberties of the chain through (r, c)
// each touch both sides (the chain's capture would give two ways through).
bool doublemenace(TEtatLiaison& e, int32_t r, int32_t c) {
  e.vu = marquesvides;
  e.tampon[0] = 0;
  libertesdelachaine(*e.p, e.tampon, CAPACITELIAISON, 0, r, c, e.vu);
  int32_t n = 0;
  for (int32_t k = 1; k <= nbpoints(e.tampon); ++k) {
    const TPoint q = pointl(e.tampon, k);
    if (touche(e.cote[0], q.ligne, q.colonne) && touche(e.cote[1], q.ligne, q.colonne) && ++n >= 2) return true;
  }
  return false;
}

// Cut-stone test: the opponent chain through the point has fewer than 3
// liberties and touches a stone of either side.
bool pierrecoupante(TEtatLiaison& e, int32_t r, int32_t c) {
  if (libs(ix(r, c)) >= 3) return false;
  e.vu = marquesvides;
  return cotechaine(e, r, c, e.vu) != 0;
}

// Quiet-move rule: from ply 6, a stone that took nothing, lies more than one line from its
// side's previous stone and touches no chain of 1 or 2 liberties fails for its side.
bool coupcalme(const TEtatLiaison& e, int32_t pli, const TPoint& m, int32_t nbprises) {
  if (pli < PLICALME || nbprises > 0) return false;
  const TPoint a = e.ligne[pli - 2];
  if (!pose(a) || (std::abs(a.ligne - m.ligne) <= 1 && std::abs(a.colonne - m.colonne) <= 1)) return false;
  const TPlateau& p = *e.p;
  return !pas4(m.ligne, m.colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    return p[j] != VIDE && libs(j) <= 2;
  });
}

// A linking point of side s that C can take now: empty, next to both sides, and safe
// (the side's chain has more than 2 liberties, or the point two exits for C).
bool lienimmediat(const TEtatLiaison& e, int32_t s, const TPoint& q) {
  if (!pose(q) || (*e.p)[ixp(q)] != VIDE) return false;
  if (!touche(e.cote[s], q.ligne, q.colonne) || !touche(e.cote[1 - s], q.ligne, q.colonne)) return false;
  // testvoisinsatari takes the opponent's colour: its chains in atari are
  // exits, our chains of more than 2 liberties a safe join.
  return libs(ixp(e.pierre[s])) > 2 || testvoisinsatari(*e.p, e.O, q.ligne, q.colonne);
}

// ---- Move lists ----------------------------------------------------------------------------
// Appends a point that is empty and not yet listed; near the horizon only when
// the last-ply filter accepts it.
void propose(TEtatLiaison& e, TNoeudLiaison& n, bool filtre, int32_t r, int32_t c) {
  const int32_t j = ix(r, c);
  if ((*e.p)[j] != VIDE || n.listes[j]) return;
  if (filtre && !filtredernierpli(e, r, c)) return;
  if (empilepoint(n.liste, CAPACITELIAISON, r, c)) n.listes[j] = 1;
}

void proposeliste(TEtatLiaison& e, TNoeudLiaison& n, bool filtre, const TListePoints& l) {
  for (int32_t k = 1; k <= nbpoints(l); ++k) propose(e, n, filtre, ligneliste(l, k), colonneliste(l, k));
}

// Linking side's collector: side s's liberties and those of adjacent opponent chains of 1 or 2 liberties
// (from 3 own liberties, beside captures only within the other side's rings). True when already touching.
bool coupslieur(TEtatLiaison& e, TNoeudLiaison& n, int32_t s, bool filtre) {
  const TPlateau& p = *e.p;
  const TPoint x = e.pierre[s];
  const int32_t autre = 1 - s;
  const bool faible = libs(ixp(x)) < 3;
  const TMarques& vers = e.distance[autre];
  bool lie = false;
  e.vu = marquesvides;
  e.vu2 = marquesvides;
  e.tampon[0] = 0;
  marchechaine(p, e.vu, e.C, 0, x.ligne, x.colonne,
               RegleChaine{.avant = [&](const Etape& t) { lie = lie || e.cote[autre][t.j] != 0; },
                           .vide =
                               [&](const Etape& t) {
                                 e.vu[t.j] = 1;
                                 if (faible || vers[t.j] > 0) empilepoint(e.tampon, CAPACITELIAISON, t.r, t.c);
                               },
                           .autre =
                               [&](const Etape& t) {
                                 if (e.vu2[t.j]) return;
                                 const int32_t l = libs(t.j);
                                 if (l == 1 || (l == 2 && (faible || vers[t.j] > 0)))
                                   libertesdelachaine(p, e.tampon, CAPACITELIAISON, 0, t.r, t.c, e.vu2);
                               },
                           .fini = [&] { return lie; }});
  if (lie) return true;
  proposeliste(e, n, filtre, e.tampon);
  return false;
}

// Cutting side's collector around side s's chain: under 3 liberties its liberties and those of the
// adjacent opponent chains of 1 or 2 liberties; with 3 or more only the latter (saving them).
void coupscoupeur(TEtatLiaison& e, TNoeudLiaison& n, int32_t s, bool filtre) {
  const TPlateau& p = *e.p;
  const TPoint x = e.pierre[s];
  e.vu = marquesvides;
  e.tampon[0] = 0;
  if (libs(ixp(x)) >= 3) {
    libertesetvoisinsfaibles(p, e.tampon, CAPACITELIAISON, 0, x.ligne, x.colonne, e.vu);
  } else {
    e.vu2 = marquesvides;
    marchechaine(p, e.vu, e.C, 0, x.ligne, x.colonne,
                 RegleChaine{.vide = ajoute(e.vu, e.tampon, CAPACITELIAISON), .autre = [&](const Etape& t) {
                               if (e.vu2[t.j]) return;
                               if (libs(t.j) == 1)
                                 libertesetatari(p, e.tampon, CAPACITELIAISON, 0, t.r, t.c, e.vu2);
                               else if (libs(t.j) == 2)
                                 libertesdelachaine(p, e.tampon, CAPACITELIAISON, 0, t.r, t.c, e.vu2);
                             }});
  }
  proposeliste(e, n, filtre, e.tampon);
}

// Liberties of the chains weakened by the line: chains of fewer than 3 liberties
// through or next to the moves of plies 1..pli-1 still standing.
void coupsaffaiblis(TEtatLiaison& e, TNoeudLiaison& n, int32_t pli, bool filtre) {
  const TPlateau& p = *e.p;
  e.vu = marquesvides;
  e.tampon[0] = 0;
  auto faible = [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] != VIDE && !e.vu[j] && libs(j) < 3) libertesdelachaine(p, e.tampon, CAPACITELIAISON, 0, r, c, e.vu);
    return false;
  };
  for (int32_t k = 1; k < pli; ++k) {
    const TPoint m = e.ligne[k];
    if (!pose(m) || p[ixp(m)] == VIDE) continue;
    faible(m.ligne, m.colonne);
    pas4(m.ligne, m.colonne, ORDREMARCHE, faible);
  }
  proposeliste(e, n, filtre, e.tampon);
}

// One-move link at q: C's stone stands, it and the side chains keep 2 liberties or more, and it
// touches or is rule-set-2 linked to each side. Board and chain table come back.
bool liensicoup(TEtatLiaison& e, TNoeudLiaison& n, const TPoint& q) {
  TPlateau& p = *e.p;
  const int32_t j = ixp(q);
  if (p[j] != VIDE) return false;
  const int32_t marque = marquejournal();
  const bool journalise = jouenote(n, p, q, e.C, e.O);
  if (p[j] != e.C) return false;  // refused: nothing was played
  bool lie = libs(j) > 1 && libs(ixp(e.pierre[0])) > 1 && (!e.deux || libs(ixp(e.pierre[1])) > 1);
  for (int32_t s = 0; s < 2 && lie; ++s)
    lie = touche(e.cote[s], q.ligne, q.colonne) || pionlieachaine(p, e.cote[s], q.ligne, q.colonne);
  p[j] = VIDE;
  for (int32_t k = 1; k <= nbpoints(n.prises); ++k) p[ix(ligneliste(n.prises, k), colonneliste(n.prises, k))] = e.O;
  remetchaines(n, journalise, marque);
  return lie;
}

// One-move link: some listed point, or up to ply 4 some seed point
// other than the ko point, where liensicoup holds.
bool liaisonenuncoup(TEtatLiaison& e, TNoeudLiaison& n, int32_t pli, const TPoint& ko) {
  for (int32_t k = 1; k <= nbpoints(n.liste); ++k)
    if (liensicoup(e, n, pointl(n.liste, k))) return true;
  if (pli <= 4)
    for (int32_t k = 1; k <= nbpoints(e.graines); ++k)
      if (!memepoint(pointl(e.graines, k), ko) && liensicoup(e, n, pointl(e.graines, k))) return true;
  return false;
}

// ---- Static results of a move --------------------------------------------------------------
struct Coup {
  TPoint m;
  bool passe;
  int32_t prises;  // stones taken
  TPoint ko;       // point the next mover may not take back
  bool lie;        // C: the move joined both sides, or a stone it joined is linked by rule set 2
};

// True when the move just played decides the node's value (in e.resultat).
bool evalue(TEtatLiaison& e, TNoeudLiaison& n, bool lieur, int32_t pli, const Coup& c) {
  TPlateau& p = *e.p;
  auto vaut = [&](int32_t v) {
    e.resultat = v;
    return true;
  };
  const int32_t cotes = e.deux ? 2 : 1;
  if (lieur) {
    // A side chain left in atari, a ko taken.
    for (int32_t s = 0; s < cotes; ++s)
      if (libs(ixp(e.pierre[s])) == 1) return vaut(0);
    if (pose(c.ko) && flaglectureyeux) return vaut(0);
    // A move that links the sides, even a quiet one.
    if (c.lie) return vaut(LIAISONFAITE);
    // A wasted move.
    if (coupcalme(e, pli, c.m, c.prises)) return vaut(0);
    if (pli == 2) {
      // The chains found capturable at the start, read once per node.
      for (int32_t k = 1; k <= nbpoints(e.prenables); ++k) {
        const TPoint q = pointl(e.prenables, k);
        const int32_t j = ixp(q);
        if (p[j] == VIDE) return vaut(LIAISONFAITE);
        if (n.lues[j] || p[j] != e.O) continue;
        marquepionschaine(p, n.lues, 0, q.ligne, q.colonne);
        if (lectureprise(p, q.ligne, q.colonne, profondeurlecture - 1, paramniveaub + 2, e.C, c.ko))
          return vaut(LIAISONFAITE);
      }
      // O's first stone grown into a chain that sits between the sides.
      const TPoint m1 = e.ligne[1];
      if (pose(m1) && p[ixp(m1)] == e.O && !n.lues[ixp(m1)] && nbpionschaine(p, m1.ligne, m1.colonne) > 1 &&
          doublemenace(e, m1.ligne, m1.colonne)) {
        marquepionschaine(p, n.lues, 0, m1.ligne, m1.colonne);
        if (lectureprise(p, m1.ligne, m1.colonne, profondeurlecture - 1, paramniveaub + 2, e.C, c.ko))
          return vaut(LIAISONFAITE);
      }
      return false;
    }
    // A short opponent chain next to the move that separates the sides.
    const bool proche = pli <= 4;
    bool pris = false;
    pas4(c.m.ligne, c.m.colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (p[j] != e.O || n.lues[j] || libs(j) >= 3) return false;
      // Read once at this node: the whole chain is marked, though the walk
      // stops as soon as it has met both sides.
      e.vu = marquesvides;
      const int32_t cote = cotechaine(e, r2, c2, e.vu);
      marquepionschaine(p, n.lues, 0, r2, c2);
      if (cote != 3) return false;
      pris = lectureprise(p, r2, c2, proche ? 8 : 4, proche ? 3 : 2, e.C, c.ko);
      return pris;
    });
    return pris ? vaut(LIAISONFAITE) : false;
  }
  // A side stone taken.
  for (int32_t s = 0; s < cotes; ++s)
    if (p[ixp(e.pierre[s])] != e.C) return vaut(0);
  if (c.passe) return false;
  if (coupcalme(e, pli, c.m, c.prises)) return vaut(LIAISONFAITE);
  // A cutting stone that dies.
  const int32_t jm = ixp(c.m);
  if (c.prises == 0 && libs(jm) < 3) {
    if (libs(jm) == 1) return vaut(LIAISONFAITE);
    if (pierrecoupante(e, c.m.ligne, c.m.colonne) && lectureprise(p, c.m.ligne, c.m.colonne, 4, 2, e.O, c.ko))
      return vaut(LIAISONFAITE);
  }
  return false;
}

// After C's move its chain joins the side it touches; true (linked) when it touches both, or a stone
// joining side 0 (either side for two stones) is rule-set-2 linked to the other.
bool rejointcotes(TEtatLiaison& e, TNoeudLiaison& n, int32_t pli, const TPoint& m) {
  const TPlateau& p = *e.p;
  TListePoints& ch = n.pierres;
  ch[0] = 0;
  e.vu = marquesvides;
  marchechaine(p, e.vu, e.C, 0, m.ligne, m.colonne,
               RegleChaine{.entre = [&](int32_t, int32_t r, int32_t c) { empilepoint(ch, MAXPOINTSLISTE, r, c); }});
  bool dans[2] = {false, false};
  for (int32_t k = 1; k <= nbpoints(ch); ++k) {
    const int32_t j = ix(ligneliste(ch, k), colonneliste(ch, k));
    dans[0] = dans[0] || e.cote[0][j] != 0;
    dans[1] = dans[1] || e.cote[1][j] != 0;
  }
  if (dans[0] && dans[1]) return true;
  if (!dans[0] && !dans[1]) return false;
  const int32_t s = dans[0] ? 0 : 1;
  e.rejoint[pli] = s;
  const bool teste = s == 0 || e.deux;
  bool lie = false;
  for (int32_t k = 1; k <= nbpoints(ch); ++k) {
    const int32_t r = ligneliste(ch, k), c = colonneliste(ch, k);
    if (e.cote[s][ix(r, c)]) continue;
    notecotes(e, n, ix(r, c));
    e.cote[s][ix(r, c)] = 1;
    if (teste && !lie) lie = pionlieachaine(p, e.cote[1 - s], r, c);
  }
  return lie;
}

// Records a success at this ply: the two slots hold the last two points
// (a pass is not kept: an empty slot reads as none).
void retient(TEtatLiaison& e, int32_t pli, const TPoint& m) {
  if (!pose(m) || memepoint(e.meilleurs[pli][0], m)) return;
  e.meilleurs[pli][1] = e.meilleurs[pli][0];
  e.meilleurs[pli][0] = m;
}

// ---- The node -------------------------------------------------------------------------------
// Side P to move, Q the other; `coup` the last move, `ko` the point P may
// not take back; writes e.resultat.
void reculiaison(TEtatLiaison& e, uint8_t P, uint8_t Q, int32_t pli, TPoint coup, TPoint ko, int32_t extension,
                 uint32_t cle) {
  TPlateau& p = *e.p;
  TNoeudLiaison& n = e.noeud[pli];
  const bool lieur = P == e.C;
  const int32_t cotes = e.deux ? 2 : 1;
  TListePoints& L = n.liste;
  // Fresh lists and marks.
  L[0] = 0;
  n.listes = marquesvides;
  n.lues = marquesvides;
  const bool filtre = pli >= e.lim + extension - 2;
  if (pose(coup)) n.listes[ixp(coup)] = 1;
  if (pose(ko)) n.listes[ixp(ko)] = 1;
  if (lieur) {
    // Opponent chains in atari next to its last stone: their capture
    // is a listed move, no reading needed.
    if (pose(coup))
      pas4(coup.ligne, coup.colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        const int32_t j = ix(r2, c2);
        if (p[j] == e.O && libs(j) == 1 && !n.lues[j]) marquepionschaine(p, n.lues, 0, r2, c2);
        return false;
      });
    for (int32_t s = 0; s < cotes; ++s)
      if (coupslieur(e, n, s, filtre)) {
        e.resultat = LIAISONFAITE;
        return;
      }
    for (int32_t s = 0; s < cotes; ++s) {
      if (lienimmediat(e, s, e.lien[s])) {
        e.resultat = LIAISONFAITE;
        return;
      }
      for (int32_t k = 2; k < pli; k += 2) {
        if (e.rejoint[k] != s || !pose(e.ligne[k])) continue;
        if (pas4(e.ligne[k].ligne, e.ligne[k].colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
              return lienimmediat(e, s, TPoint{r2, c2});
            })) {
          e.resultat = LIAISONFAITE;
          return;
        }
      }
    }
  } else {
    // The cutter's moves.
    for (int32_t s = 0; s < cotes; ++s) coupscoupeur(e, n, s, filtre);
  }
  // Weakened chains, then the candidates between the sides.
  if (pli >= 2) coupsaffaiblis(e, n, pli, filtre);
  proposeliste(e, n, filtre, e.graines);
  for (int32_t k = 1; k <= nbpoints(e.candidats); ++k) {
    const TPoint q = pointl(e.candidats, k);
    if (e.sommes[ixp(q)] <= SOMMEDIRECTE || entrecotes(e, q.ligne, q.colonne))
      propose(e, n, filtre, q.ligne, q.colonne);
  }
  // A link in one move.
  if (lieur && pli < e.lim && liaisonenuncoup(e, n, pli, ko)) {
    e.resultat = LIAISONFAITE;
    return;
  }
  // The linker without a move has lost; the cutter may pass.
  if (lieur && nbpoints(L) == 0) {
    e.resultat = 0;
    return;
  }
  if (!lieur) empilepoint(L, CAPACITENOEUD, 0, 0);
  const TPoint premier = e.meilleurs[pli][0];
  if (nbpoints(L) > 1 && (pli >= e.lim - 2 || libs(ixp(e.pierre[0])) > 1) && pose(premier) && n.listes[ixp(premier)])
    remontecoupenliste(L, premier.ligne, premier.colonne, 1, CAPACITENOEUD);

  // The moves; the list may grow while it is read.
  const uint32_t clebase = cle;
  int32_t joues = 0;
  for (int32_t i = 1; i <= nbpoints(L); ++i) {
    Coup c{pointl(L, i), false, 0, TPoint{}, false};
    c.passe = !pose(c.m);
    const int32_t jm = c.passe ? -1 : ixp(c.m);
    ++e.noeuds;
    if (lieur && e.noeuds > BUDGETLIAISON) {
      lecturelongue = 0;
      // Five moves left from the one in play.
      if (nbpoints(L) - i + 1 > COUPSAPRESBUDGET) L[0] = i + COUPSAPRESBUDGET - 1;
    }
    if (!lieur && pli >= e.lim + extension) {
      ecritdebug("bug fin de recu");
      affichecasesmarquees(p);
    }
    n.prises[0] = 0;
    const int32_t marque = marquejournal();
    bool journalise = true;
    if (!c.passe) {
      if (p[jm] != VIDE) continue;
      journalise = jouenote(n, p, c.m, P, Q);
      if (p[jm] != P) continue;  // refused: nothing was played
    }
    ++joues;
    e.ligne[pli] = c.m;
    e.rejoint[pli] = -1;
    c.prises = nbpoints(n.prises);
    n.nbcotesavant = 0;
    if (lieur) {
      c.lie = rejointcotes(e, n, pli, c.m);
    } else {
      for (int32_t k = 1; k <= c.prises; ++k) {
        const int32_t j = ix(ligneliste(n.prises, k), colonneliste(n.prises, k));
        notecotes(e, n, j);
        e.cote[0][j] = e.cote[1][j] = 0;
      }
    }
    if (!c.passe && c.prises == 1 && libs(jm) == 1 && infochaine[jm][1] == 1) c.ko = pointl(n.prises, 1);
    // Recapture extension: C took the stone O has just played and stands
    // with more than 2 liberties.
    int32_t ext = extension;
    if (lieur && c.prises > 0 && libs(jm) > 2 && pli >= 2 && pose(e.ligne[pli - 1]) &&
        p[ixp(e.ligne[pli - 1])] == VIDE && ext < 5)
      ext += 2;
    // The key of the position after the move.
    uint32_t clef = clebase;
    if (!c.passe) {
      xorclepion(clef, c.m.ligne, c.m.colonne, P);
      for (int32_t k = 1; k <= c.prises; ++k) xorclepion(clef, ligneliste(n.prises, k), colonneliste(n.prises, k), Q);
    }
    if (pose(c.ko)) xorclemoyo(clef, c.ko.ligne, c.ko.colonne);
    // Plies 3 to 5 look the key up first, plies 6 to 20 just
    // before the recursion; after a miss the value found goes in.
    bool consulte = false, trouve = false;
    int32_t position = 0;
    if (pli >= 3 && pli <= 5) {
      consulte = true;
      trouve = cherche(e, pli, clef, position);
    }
    if (!trouve) {
      if (!evalue(e, n, lieur, pli, c)) {
        if (pli < e.lim + ext) {
          if (pli >= 6 && pli <= DERNIERETABLELIAISON) {
            consulte = true;
            trouve = cherche(e, pli, clef, position);
          }
          if (!trouve) reculiaison(e, Q, P, pli + 1, c.m, c.ko, ext, clef);
        } else {
          e.resultat = 0;
        }
      }
      if (consulte && !trouve) insere(e, pli, position, clef, e.resultat);
    }
    // Undo, then the cut-off.
    if (!c.passe) {
      p[jm] = VIDE;
      for (int32_t k = 1; k <= c.prises; ++k) p[ix(ligneliste(n.prises, k), colonneliste(n.prises, k))] = Q;
    }
    remetchaines(n, journalise, marque);
    remetcotes(e, n);
    if ((lieur && e.resultat == LIAISONFAITE) || (!lieur && e.resultat == 0)) {
      retient(e, pli, c.m);
      return;
    }
    // The remembered successes of this ply come next.
    for (const TPoint& t : e.meilleurs[pli])
      if (nbpoints(L) - i >= 2 && pose(t) && n.listes[ixp(t)])
        remontecoupenliste(L, t.ligne, t.colonne, i + 1, CAPACITENOEUD);
    // A long reading widens the first plies.
    if (lecturelongue) {
      if (pli <= 2)
        for (const TPoint& t : e.meilleurs[pli])
          if (pose(t)) propose(e, n, filtre, t.ligne, t.colonne);
      if (pli == 2 && lieur && pose(e.ligne[1]))
        pas4(e.ligne[1].ligne, e.ligne[1].colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
          propose(e, n, filtre, r2, c2);
          return false;
        });
    }
  }
  // No move played: not linked.
  if (joues == 0) {
    ++e.noeuds;
    e.resultat = 0;
    return;
  }
  e.resultat = lieur ? 0 : LIAISONFAITE;
}

// The two-stone reading's node: the same node, with both sides read alike (e.deux).
inline void reculiaisondeuxpions(TEtatLiaison& e, uint8_t P, uint8_t Q, int32_t pli, TPoint coup, TPoint ko,
                                 int32_t extension, uint32_t cle) {
  reculiaison(e, P, Q, pli, coup, ko, extension, cle);
}

// ---- Preparation shared by the two entries -----------------------------------------------------
// Candidate and capturable lists, the depth limit, the
// reading. Answers true on LIAISONFAITE.
bool lit(TEtatLiaison& e, int32_t mode, TPoint ko) {
  TPlateau& p = *e.p;
  const int32_t N = configmoteur.taille;
  // Candidates close to both sides, and enemy chains there that can be taken.
  e.candidats[0] = 0;
  e.prenables[0] = 0;
  e.sommes = marquesvides;
  TMarques& m4 = e.vu2;
  m4 = marquesvides;
  for (int32_t r = 1; r <= N; ++r)
    for (int32_t c = 1; c <= N; ++c) {
      const int32_t j = ix(r, c);
      const int32_t d1 = e.distance[1][j], d2 = e.distance[0][j];
      if (d1 == 0 || d2 == 0) continue;
      const int32_t s = d1 + d2;
      e.sommes[j] = static_cast<uint8_t>(s);
      if (s > SOMMECANDIDAT) continue;
      if (p[j] == VIDE) {
        empilepoint(e.candidats, CAPACITELIAISON, r, c);
      } else if (p[j] == e.O && s == SOMMEPRENABLE && !m4[j]) {
        marquepionschaine(p, m4, 0, r, c);
        const bool prenable =
            mode == 2 ? (*e.B)[j] != 0 : lectureprise(p, r, c, profondeurlecture, paramniveaub + 2, e.O, ko);
        if (prenable) empilepoint(e.prenables, CAPACITELIAISON, r, c);
      }
    }
  // Depth limit: even, within its bounds.
  e.lim = paramniveauc - 2;
  if (e.lim < 4) e.lim = 4;
  if (e.lim % 2 != 0) --e.lim;
  if (e.lim > LIMMAX) e.lim = LIMMAX;
  // The opponent first.
  for (TPoint& q : e.ligne) q = TPoint{};
  for (int32_t& s : e.rejoint) s = -1;
  for (auto& m : e.meilleurs) m[0] = m[1] = TPoint{};
  e.resultat = 0;
  if (e.deux)
    reculiaisondeuxpions(e, e.O, e.C, 1, TPoint{}, ko, 0, 0);
  else
    reculiaison(e, e.O, e.C, 1, TPoint{}, ko, 0, 0);
  // lecturelongue comes back with the entry's guard.
  if (e.noeuds > BUDGETLIAISON) depassementliaison = 1;
  derniersnoeuds = e.noeuds;
  return e.resultat == LIAISONFAITE;
}

// Liberties of the chain of side s's stone: two next to the other side
// (a ring-2 point) are two separate linking points; the first is kept.
bool deuxpointsdelien(TEtatLiaison& e, int32_t s) {
  const TPoint x = e.pierre[s];
  e.vu = marquesvides;
  e.tampon[0] = 0;
  libertesdelachaine(*e.p, e.tampon, CAPACITELIAISON, 0, x.ligne, x.colonne, e.vu);
  e.lien[s] = TPoint{};
  for (int32_t k = 1; k <= nbpoints(e.tampon); ++k) {
    const TPoint q = pointl(e.tampon, k);
    if (e.distance[1 - s][ixp(q)] != 2) continue;
    if (pose(e.lien[s])) return true;
    e.lien[s] = q;
  }
  return false;
}

// Common start of a reading: state, side colours and counters.
void commence(TEtatLiaison& e, TPlateau& p, const TMarques& B, const TPoint& s, bool deux) {
  e.p = &p;
  e.B = &B;
  e.deux = deux;
  e.C = p[ixp(s)];
  e.O = autre(e.C);
  e.pierre[0] = s;
  e.pierre[1] = TPoint{};
  e.lien[0] = e.lien[1] = TPoint{};
  e.noeuds = 0;
  for (int32_t& r : e.remplissage) r = 0;
}

// The last tests of both readings, then the reading itself: a stone of side
// 0 but the start `js` linked statically to `cible`, or a point of A at
// distance 2 from both sides, is a link.
bool lieenfin(TEtatLiaison& e, const TMarques& A, const TMarques& cible, int32_t js, int32_t mode, TPoint ko) {
  const TPlateau& p = *e.p;
  const int32_t N = configmoteur.taille;
  for (int32_t r = 1; r <= N; ++r)
    for (int32_t c = 1; c <= N; ++c) {
      const int32_t j = ix(r, c);
      if (j == js) continue;
      if (e.cote[0][j] && pionlieachaine(p, cible, r, c)) return true;
      if (A[j] && e.distance[1][j] == 2 && e.distance[0][j] == 2) return true;
    }
  return lit(e, mode, ko);
}

}  // namespace

// ---- Maps and lists ------------------------------------------------------------------------------

void cartedistanceliaison(const TPlateau& p, const TMarques& ensemble, const TMarques& A, uint8_t C, TMarques& d) {
  const uint8_t O = autre(C);
  const int32_t N = configmoteur.taille;
  d = marquesvides;
  // Each ring is grown from the list of the points of the ring before: all
  // a ring writes is its own value, so the order the points are met in
  // changes nothing.
  std::array<int16_t, NBCASES> anneau, suivant;
  int32_t nb = 0, nbsuivant = 0;
  for (int32_t r = 1; r <= N; ++r)
    for (int32_t c = 1; c <= N; ++c)
      if (ensemble[ix(r, c)]) {
        d[ix(r, c)] = 1;
        anneau[nb++] = static_cast<int16_t>(ix(r, c));
      }
  const auto note = [&](int32_t j, uint8_t v) {
    d[j] = v;
    suivant[nbsuivant++] = static_cast<int16_t>(j);
  };
  // Writes v on the unpainted stones of the chain through (r, c).
  auto peint = [&](uint8_t v, int32_t r, int32_t c) {
    const uint8_t x = p[ix(r, c)];
    marche(0, r, c,
           Regle{.entre = [&](int32_t k, int32_t, int32_t) { note(k, v); },
                 .voisin = [&](const Etape& t) { return p[t.j] == x && d[t.j] == 0 ? Pas::suit : Pas::saute; }});
  };
  for (int32_t k = 1; k <= 4; ++k) {
    const auto v = static_cast<uint8_t>(k + 1);
    nbsuivant = 0;
    for (int32_t a = 0; a < nb; ++a) {
      const int32_t j2 = anneau[a];
      // A solid opponent chain next to the group lets no ring through.
      if (k == 2 && p[j2] == O && libs(j2) >= 3 && !A[j2]) continue;
      pastable(j2 / TAILLEMAX + 1, j2 % TAILLEMAX + 1, [&](int32_t r, int32_t c) {
        const int32_t j = ix(r, c);
        if (d[j] != 0 || (k >= 2 && p[j] == O)) return false;
        if (p[j] == VIDE) {
          note(j, v);
          return false;
        }
        peint(v, r, c);
        if (k == 2 && p[j] == C) {
          // An own chain of ring 3 brings its liberties along.
          TMarques vu = marquesvides;
          TListePoints l;
          l[0] = 0;
          libertesdelachaine(p, l, MAXPOINTSLISTE, 0, r, c, vu);
          for (int32_t q = 1; q <= nbpoints(l); ++q) {
            const int32_t jq = ix(ligneliste(l, q), colonneliste(l, q));
            if (d[jq] == 0) note(jq, v);
          }
        }
        return false;
      });
    }
    anneau = suivant;
    nb = nbsuivant;
  }
}

void pointsdepassage(const TPlateau& p, const TMarques& T, uint8_t C, uint8_t O, int32_t ligne, int32_t colonne,
                     TListePoints& l) {
  l[0] = 0;
  const int32_t N = configmoteur.taille;
  const int32_t js = ix(ligne, colonne);
  if (p[js] != C) return;
  TMarques lie = marquesvides;
  metlachaineliee(p, lie, ligne, colonne);
  // Rings from the targets the linked chain holds, through empty points and
  // own stones (chains whole); the cutting colour stops them.
  TCarte anneau{};
  int32_t n = 0;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (lie[j] && T[j] && p[j] == C) {
      anneau[j] = 1;
      ++n;
    }
  if (n == 0) return;
  auto peint = [&](int32_t v, int32_t r, int32_t c) {
    const uint8_t x = p[ix(r, c)];
    marche(0, r, c,
           Regle{.entre = [&](int32_t k, int32_t, int32_t) { anneau[k] = v; },
                 .voisin = [&](const Etape& t) { return p[t.j] == x && anneau[t.j] == 0 ? Pas::suit : Pas::saute; }});
  };
  // Ring 1 holds the targets' chains whole.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (anneau[j] == 1) peint(1, j / TAILLEMAX + 1, j % TAILLEMAX + 1);
  for (int32_t k = 1; anneau[js] == 0 && k < NBCASES; ++k) {
    const TCarte avant = anneau;
    bool change = false;
    for (int32_t r = 1; r <= N; ++r)
      for (int32_t c = 1; c <= N; ++c) {
        const int32_t j = ix(r, c);
        if (anneau[j] != 0 || p[j] == O) continue;
        if (!pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return avant[ix(r2, c2)] == k; })) continue;
        change = true;
        if (p[j] == VIDE)
          anneau[j] = k + 1;
        else
          peint(k + 1, r, c);
      }
    if (!change) break;
  }
  if (anneau[js] == 0) return;
  // The walk down from S's chain: every step to a lower ring; a stone
  // brings its whole chain.
  TMarques vu = marquesvides;
  TListePoints pile;
  pile[0] = 0;
  auto entre = [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, CAPACITELIAISON, r, c);
      empilepoint(pile, MAXPOINTSLISTE, r, c);
      return;
    }
    marchechaine(p, vu, p[j], 0, r, c, RegleChaine{.entre = [&](int32_t, int32_t r2, int32_t c2) {
                   empilepoint(pile, MAXPOINTSLISTE, r2, c2);
                 }});
  };
  entre(ligne, colonne);
  // Each point is pushed once (vu), so the stack holds at most the board.
  for (int32_t k = 1; k <= nbpoints(pile); ++k) {
    const int32_t r = ligneliste(pile, k), c = colonneliste(pile, k);
    const int32_t v = anneau[ix(r, c)];
    pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (!vu[j] && anneau[j] > 0 && anneau[j] < v) entre(r2, c2);
      return false;
    });
  }
}

// ---- Entries ---------------------------------------------------------------------------------------

bool peutlierachaine(TPlateau& p, const TMarques& A, const TMarques& B, const TMarques& T, int32_t mode, int32_t ligne,
                     int32_t colonne, TPoint ko) {
  derniersnoeuds = 0;
  if (!surplateaumoteur(ligne, colonne)) return false;
  const int32_t js = ix(ligne, colonne);
  // An empty point is no stone to link.
  if (A[js] || p[js] == VIDE) return false;
  // Static links first; low levels stop there.
  if (niveau <= NIVEAUSTATIQUELIAISON) return pionlieachaine(p, T, ligne, colonne);
  if (pionlieachaine(p, T, ligne, colonne)) return true;
  // The reading's state, T's chain as side 1.
  TEtatLiaison& e = etat;
  const Restaure<uint8_t> longue(lecturelongue);
  commence(e, p, B, TPoint{ligne, colonne}, false);
  e.cote[1] = marquesvides;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (T[j] && p[j] == e.C) e.cote[1][j] = 1;
  // Distances and seeds; none means no link, distance 2 a link.
  cartedistanceliaison(p, e.cote[1], A, e.C, e.distance[1]);
  pointsdepassage(p, T, e.C, e.O, ligne, colonne, e.graines);
  if (nbpoints(e.graines) == 0 && e.distance[1][js] == 0) return false;
  if (e.distance[1][js] == 2) return true;
  // S's chain as side 0, stones only.
  e.cote[0] = marquesvides;
  marquepionschaine(p, e.cote[0], 0, ligne, colonne);
  if (deuxpointsdelien(e, 0)) return true;
  cartedistanceliaison(p, e.cote[0], A, e.C, e.distance[0]);
  return lieenfin(e, A, T, js, mode, ko);
}

bool peutlierdeuxpions(TPlateau& p, const TMarques& A, const TMarques& B, int32_t mode, int32_t ligneA,
                       int32_t colonneA, int32_t ligneB, int32_t colonneB, TPoint ko) {
  derniersnoeuds = 0;
  if (!surplateaumoteur(ligneA, colonneA) || !surplateaumoteur(ligneB, colonneB)) return false;
  const int32_t ja = ix(ligneA, colonneA), jb = ix(ligneB, colonneB);
  // Two stones of one colour are read, nothing else.
  if (A[ja] || A[jb] || p[ja] == VIDE || p[ja] != p[jb]) return false;
  // B's chain, stones only.
  TMarques vb = marquesvides;
  marquepionschaine(p, vb, 0, ligneB, colonneB);
  if (vb[ja]) return true;
  // Static links first; low levels stop there.
  if (niveau <= NIVEAUSTATIQUELIAISON) return pionlieachaine(p, vb, ligneA, colonneA);
  if (pionlieachaine(p, vb, ligneA, colonneA)) return true;
  // The reading's state, B's chain as side 1.
  TEtatLiaison& e = etat;
  const Restaure<uint8_t> longue(lecturelongue);
  commence(e, p, B, TPoint{ligneA, colonneA}, true);
  e.pierre[1] = TPoint{ligneB, colonneB};
  e.cote[1] = vb;
  e.cote[0] = marquesvides;
  marquepionschaine(p, e.cote[0], 0, ligneA, colonneA);
  // Distances of both sides.
  cartedistanceliaison(p, e.cote[1], A, e.C, e.distance[1]);
  cartedistanceliaison(p, e.cote[0], A, e.C, e.distance[0]);
  // The seed lists of both stones, as one.
  pointsdepassage(p, e.cote[1], e.C, e.O, ligneA, colonneA, e.graines);
  if (nbpoints(e.graines) == 0 && e.distance[1][ja] == 0) return false;
  if (e.distance[1][ja] == 2) return true;
  pointsdepassage(p, e.cote[0], e.C, e.O, ligneB, colonneB, e.tampon);
  if (nbpoints(e.tampon) == 0 && e.distance[0][jb] == 0) return false;
  if (e.distance[0][jb] == 2) return true;
  for (int32_t k = 1; k <= nbpoints(e.tampon); ++k) {
    const TPoint q = pointl(e.tampon, k);
    bool deja = false;
    for (int32_t i = 1; i <= nbpoints(e.graines) && !deja; ++i) deja = memepoint(pointl(e.graines, i), q);
    if (!deja) empilepoint(e.graines, CAPACITELIAISON, q.ligne, q.colonne);
  }
  // Two linking points from either side.
  if (deuxpointsdelien(e, 0) || deuxpointsdelien(e, 1)) return true;
  return lieenfin(e, A, vb, ja, mode, ko);
}

int32_t noeudsliaison() { return derniersnoeuds; }
