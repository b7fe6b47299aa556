// Capture reading: the entry testprise, its preparations and the node
// recuprise. One reading state per call; the nodes use per-ply buffers of
// static storage, so a reading never runs inside another.
#include "engine/reading/prise.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "engine/board/acces.h"
#include "engine/board/cles.h"
#include "engine/board/empreinte.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/board/listecoups.h"
#include "engine/reading/prise_etat.h"
#include "engine/board/trace.h"

namespace {

TEtatPrise lecture;                 // state of the running reading
TNoeudPrise noeuds[PLISMAXPRISE + 2];  // buffers of the node of each ply
TMarques cartevide;                    // parent and grandparent maps of the root
bool lectureencours = false;       // a reading is running

inline bool memepoint(TPoint a, int32_t r, int32_t c) { return a.ligne == r && a.colonne == c; }
inline bool adjacents(TPoint a, TPoint b) {
  return std::abs(a.ligne - b.ligne) + std::abs(a.colonne - b.colonne) == 1;
}
// The stone at m has no neighbour of its colour.
inline bool pierreisolee(const TPlateau& p, TPoint m) {
  const uint8_t x = p[indexcase(m.ligne, m.colonne)];
  return !pasvoisins(m.ligne, m.colonne, 0, [&](int32_t r, int32_t c, int32_t) { return p[indexcase(r, c)] == x; });
}
inline bool dansbloc3(TPoint centre, TPoint m) {
  return std::abs(centre.ligne - m.ligne) <= 1 && std::abs(centre.colonne - m.colonne) <= 1;
}

// Appends a real, empty point not yet in the node's list, marking it 1.
void ajoutecandidat(TNoeudPrise& n, const TPlateau& p, TPoint m) {
  if (!pointreel(m) || p[indexcase(m.ligne, m.colonne)] != VIDE) return;
  if (positionliste(n.liste, m.ligne, m.colonne) != 0) return;
  if (empilepoint(n.liste, CAPACITEPRISE, m.ligne, m.colonne)) n.marques[indexcase(m.ligne, m.colonne)] = MARQUECANDIDAT;
}

// Appends every point of `l` (from position `depuis`) through ajoutecandidat.
void ajoutecandidats(TNoeudPrise& n, const TPlateau& p, const TListePoints& l, int32_t depuis = 1) {
  for (int32_t k = depuis; k <= nbpoints(l); ++k) ajoutecandidat(n, p, {ligneliste(l, k), colonneliste(l, k)});
}

// ---- Preparations ------------------------------------------------------------

// Fills harmless outside liberties of a target with many liberties.
void preparelibertesprise(TEtatPrise& e, bool attaquantcommence) {
  TPlateau& p = *e.p;
  int32_t borne = attaquantcommence ? 5 : 4;
  if (libs(e.cl, e.cc) <= borne) return;
  TListePoints l;
  l[0] = 0;
  TMarques vu;
  zeromarques(vu);
  uint8_t drapeau = 1;
  libertesetvoisinsenatari(drapeau, p, l, 0, e.cl, e.cc, vu, CAPACITEPRISE);
  if (!drapeau) {
    ++borne;
    if (libs(e.cl, e.cc) <= borne) return;
  }
  int32_t deux = 0;
  TListePoints prises;
  prises[0] = 0;
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    const int32_t v = libertecomblable(p, e.proprio, e.attaquant, vu, borne, r, c);
    if (v == 1) {
      jouecoup(prises, CAPACITELISTE, p, r, c, e.attaquant, e.proprio);
      if (libs(e.cl, e.cc) <= borne) return;
    } else if (v == 2 && ++deux >= 2) {
      return;
    }
  }
}

// Flood of the preparation: appends the empty points it enters (the start
// excepted); false when the preparation is to end with an empty list.
struct FloodPrepare {
  TEtatPrise& e;
  TMarques& vu;
  int32_t bornetaille;
  int32_t limite;       // first pass: N; second: liberty bound of crossed chains
  bool second;
  int32_t maxlibs;

  bool pas(int32_t dir, int32_t r, int32_t c, bool depart) {
    const TPlateau& p = *e.p;
    const int32_t i = indexcase(r, c);
    vu[i] = 1;
    if (p[i] == VIDE) {
      if (!depart) {
        if (!empilepoint(e.prepares, CAPACITEPREPARES, r, c)) return false;
        if (nbpoints(e.prepares) > bornetaille) return false;
      }
    } else if (!second) {
      maxlibs = std::max<int32_t>(maxlibs, libs(r, c));
    }
    bool fin = false;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = indexcase(r2, c2);
      if (vu[j]) return false;
      const uint8_t x = p[j];
      if (!second) {
        if (x == e.attaquant) return false;
        if (x != VIDE && libs(r2, c2) >= limite) return fin = true;
      } else {
        if (x == e.proprio) return false;
        if (x != VIDE && libs(r2, c2) > limite) return false;
      }
      if (!pas(d2, r2, c2, false)) return fin = true;
      return false;
    });
    return !fin;
  }
};

// Points around an enclosed target that the reading offers late (levels 4+).
void preparecoupsprise(TEtatPrise& e, int32_t profondeur, int32_t n) {
  e.prepares[0] = 0;
  const int32_t bornetaille = profondeur < 13 ? profondeur - 2 : 10;
  TListePoints libs0;
  libertesprise(*e.p, e.cl, e.cc, libs0);
  TMarques vu;
  zeromarques(vu);
  FloodPrepare f{e, vu, bornetaille, n, false, libs(e.cl, e.cc)};
  // First pass over owner stones and empty points.
  for (int32_t k = 1; k <= nbpoints(libs0); ++k) {
    const int32_t r = ligneliste(libs0, k), c = colonneliste(libs0, k);
    if (vu[indexcase(r, c)]) continue;
    if (!f.pas(0, r, c, true)) {
      e.prepares[0] = 0;
      return;
    }
  }
  // Second bound.
  f.limite = (f.maxlibs >= 1 && f.maxlibs <= 3) ? f.maxlibs + 1 : 5;
  f.second = true;
  // Second pass over weak attacker chains.
  const int32_t nb = nbpoints(e.prepares);
  for (int32_t k = 1; k <= nbpoints(libs0) + nb; ++k) {
    const int32_t r = k <= nbpoints(libs0) ? ligneliste(libs0, k) : ligneliste(e.prepares, k - nbpoints(libs0));
    const int32_t c = k <= nbpoints(libs0) ? colonneliste(libs0, k) : colonneliste(e.prepares, k - nbpoints(libs0));
    if (!f.pas(0, r, c, true)) {
      e.prepares[0] = 0;
      return;
    }
  }
}

// ---- Widening helpers -----------------------------------------------------------
// The rare ones are kept out of the node (noinline): their maps and lists
// would otherwise sit in every ply's frame of recuprise.

// Liberties of every chain next to the target with exactly 3 liberties.
[[gnu::noinline]] void ajouteliberteschaines3(TEtatPrise& e, TNoeudPrise& n) {
  const TPlateau& p = *e.p;
  TMarques pierres;
  zeromarques(pierres);
  marquepionschaine(p, pierres, 0, e.cl, e.cc);
  TMarques faites;
  zeromarques(faites);
  const int32_t t = configmoteur.taille;
  for (int32_t r = 1; r <= t; ++r)
    for (int32_t c = 1; c <= t; ++c) {
      if (!pierres[indexcase(r, c)]) continue;
      pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
        const int32_t j = indexcase(r2, c2);
        if (p[j] != e.attaquant || faites[j] || libs(r2, c2) != 3) return false;
        marquepionschaine(p, faites, 0, r2, c2);
        TListePoints l;
        libertesprise(p, r2, c2, l);
        ajoutecandidats(n, p, l);
        return false;
      });
    }
}

// With 2 liberties: the liberties of the owner chains around them.
[[gnu::noinline]] void ajouteliberteschainesvoisines(TEtatPrise& e, TNoeudPrise& n, int32_t pli) {
  const TPlateau& p = *e.p;
  if (libs(e.cl, e.cc) != 2) return;
  TListePoints l2;
  libertesprise(p, e.cl, e.cc, l2);
  TMarques faites;
  zeromarques(faites);
  for (int32_t k = 1; k <= nbpoints(l2); ++k) {
    const int32_t r = ligneliste(l2, k), c = colonneliste(l2, k);
    if (pli <= 3) {
      TListePoints l;
      l[0] = 0;
      TMarques v2;
      zeromarques(v2);
      libertescouleur(p, l, CAPACITEPRISE, 0, r, c, v2, e.proprio);
      ajoutecandidats(n, p, l);
    } else {
      pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
        const int32_t j = indexcase(r2, c2);
        if (p[j] != e.proprio || faites[j] || n.marques[j]) return false;
        marquepionschaine(p, faites, 0, r2, c2);
        TListePoints l;
        libertesprise(p, r2, c2, l);
        ajoutecandidats(n, p, l);
        return false;
      });
    }
  }
}

// The prepared points; from ply 5 only those next to a weak O chain.
[[gnu::noinline]] void ajoutecoupsprepares(TEtatPrise& e, TNoeudPrise& n, int32_t pli, uint8_t o) {
  const TPlateau& p = *e.p;
  const int32_t borne = pli <= 6 ? 3 : 2;
  for (int32_t k = 1; k <= nbpoints(e.prepares); ++k) {
    const TPoint m{ligneliste(e.prepares, k), colonneliste(e.prepares, k)};
    if (pli >= 5) {
      const bool faible = pasvoisins(m.ligne, m.colonne, 0, [&](int32_t r2, int32_t c2, int32_t) {
        return p[indexcase(r2, c2)] == o && libs(r2, c2) <= borne;
      });
      if (!faible) continue;
    }
    ajoutecandidat(n, p, m);
  }
}

// The target's liberties with the captures around it.
[[gnu::noinline]] void ajoutelibertesetcaptures(TEtatPrise& e, TNoeudPrise& n, int32_t pli) {
  TListePoints l;
  l[0] = 0;
  TMarques vu;
  zeromarques(vu);
  appellelibertesetcaptures(*e.p, l, vu, e.cl, e.cc, pli);
  ajoutecandidats(n, *e.p, l);
}

// Empty unmarked orthogonal neighbours of a point.
void ajoutevidesvoisins(TEtatPrise& e, TNoeudPrise& n, TPoint m) {
  const TPlateau& p = *e.p;
  pasvoisins(m.ligne, m.colonne, 0, [&](int32_t r2, int32_t c2, int32_t) {
    if (!n.marques[indexcase(r2, c2)]) ajoutecandidat(n, p, {r2, c2});
    return false;
  });
}

// ---- Node ----------------------------------------------------------------------------

int32_t recuprise(const TMarques& parent, const TMarques& grandparent, uint32_t cle, TPoint ko, TPoint precedent,
                  int32_t pli, uint8_t o, uint8_t s);

// Result of a move decided without reading, or -1.
int32_t decidesanslire(TEtatPrise& e, const uint16_t (&avant)[5], const TMarques& parent,
                       const TMarques& grandparent, TPoint m, TPoint precedent, int32_t pli, uint8_t s,
                       bool repetition, bool prend) {
  const TPlateau& p = *e.p;
  const int32_t lc = libertescible(e);
  if (pli <= e.d && lc > e.limites[pli]) return 0;
  const bool reel = pointreel(m);
  const TPoint deuxplis = pli >= 3 ? e.ligne[pli - 2] : TPoint{};
  const bool horsbloc = !pointreel(precedent) || !dansbloc3(precedent, m);
  if (s == e.proprio) {
    if (lc == 1) return 1;
    if (e.prisesko >= 3) {
      --e.prisesko;
      return 0;
    }
    if (!reel) return -1;
    const int32_t im = indexcase(m.ligne, m.colonne);
    if (pli >= 5 && e.fuitesprecoces[im] && (pli > e.d || (e.limites[pli] == 2 && pli >= e.d - 2))) {
      bool deja = false;
      for (int32_t k = 1; k < pli; ++k) deja = deja || memepoint(e.ligne[k], m.ligne, m.colonne);
      if (!deja) return 1;
    }
    if (pli >= 3 && lc > 2 && !prend && distancebord[im] == 0 && pointreel(deuxplis) &&
        distancebord[indexcase(deuxplis.ligne, deuxplis.colonne)] == 0 &&
        grandparent[indexcase(deuxplis.ligne, deuxplis.colonne)] == MARQUEJOUE && pointreel(precedent) &&
        distancebord[indexcase(precedent.ligne, precedent.colonne)] == 1 &&
        parent[indexcase(precedent.ligne, precedent.colonne)] == MARQUEJOUE && adjacents(m, deuxplis) &&
        adjacents(precedent, m)) {
      return rampebord(p, deuxplis, m, s, static_cast<uint8_t>(1 - s)) ? -1 : 1;
    }
    if (repetition && grandparent[im] == MARQUEJOUE && !prend && horsbloc &&
        !voisinpeudelibertes(avant, p, m.ligne, m.colonne))
      return 1;
    return -1;
  }
  if (p[indexcase(e.cl, e.cc)] == VIDE) return 1;
  if (pli > 4 && (pli > 20 || lc > 2)) e.extensionpermise = 0;
  if (reel && repetition && grandparent[indexcase(m.ligne, m.colonne)] == MARQUEJOUE && !prend && lc > 1 &&
      horsbloc && !voisinpeudelibertes(avant, p, m.ligne, m.colonne))
    return 0;
  return -1;
}

int32_t recuprise(const TMarques& parent, const TMarques& grandparent, uint32_t cle, TPoint ko, TPoint precedent,
                  int32_t pli, uint8_t o, uint8_t s) {
  TEtatPrise& e = lecture;
  TPlateau& p = *e.p;
  TNoeudPrise& n = noeuds[pli];
  const bool proprio = s == e.proprio;

  // Repetition shape: the last two moves captured nothing.
  bool repetition = false;
  if (pli >= 6) {
    const TPoint deux = e.ligne[pli - 2];
    const bool deuxsans = pointreel(deux) && grandparent[indexcase(deux.ligne, deux.colonne)] == MARQUEJOUE;
    const bool precsans =
        pointreel(precedent) && parent[indexcase(precedent.ligne, precedent.colonne)] == MARQUEJOUE;
    if (proprio)
      repetition = (libertescible(e) >= 2 || pli >= e.d - 2) && deuxsans && precsans;
    else
      repetition = deuxsans && (!pointreel(precedent) || precsans);
  }

  // Candidates. When the owner's generator changed board and chain
  // table, they are put back on every way out of the node.
  zeromarques(n.marques);
  TSortieGenerateur g;
  const EnSortie restaure([&] {
    if (g.change) {
      p = n.plateausauve;
      infochaine = n.chainessauvees;
    }
  });
  if (proprio)
    coupsdefenseprise(e, n, g, ko, precedent, pli);
  else
    coupsattaqueprise(e, n, g, ko, precedent, pli);
  if (nbpoints(n.liste) == 0) return proprio ? 1 : 0;
  if (g.statut == STATUTFUITE || g.statut == STATUTPRISE) {
    e.tueurs[pli] = e.tueurs[pli + 1] = TPoint{};
    return g.statut == STATUTFUITE ? 0 : 1;
  }
  if (g.statut == STATUTINDICE) e.tueurs[pli + 1] = TPoint{};

  // Marks.
  for (int32_t k = 1; k <= nbpoints(n.liste); ++k)
    if (ligneliste(n.liste, k) != 0) n.marques[indexcase(ligneliste(n.liste, k), colonneliste(n.liste, k))] = MARQUECANDIDAT;
  if (pointreel(ko)) n.marques[indexcase(ko.ligne, ko.colonne)] = MARQUECANDIDAT;

  // Killer first.
  const TPoint tueur = e.tueurs[pli];
  if (nbpoints(n.liste) >= 2 && pointreel(tueur) && (pli >= e.d - 2 || libertescible(e) >= 2))
    remontecoupenliste(n.liste, tueur.ligne, tueur.colonne, 1, CAPACITEPRISE);

  // Widening flags.
  const int32_t lc0 = libertescible(e);
  bool drapeauA = pli < 6 && lc0 == 2 && g.elargir && pli <= e.d && (proprio || e.proprioepuise);
  bool drapeauB = g.elargir && (pli <= 2 || (pli >= 3 && pli <= 6 && lc0 == 2));

  // Key, chain table, killers.
  if (pointreel(ko)) xorclemoyo(cle, ko.ligne, ko.colonne);
  const uint32_t clebase = cle;
  const TPoint tueur0 = e.tueurs[pli];
  e.tueurs[pli] = e.tueurs[pli + 1] = e.tueurs[pli + 3] = TPoint{};
  const int32_t prisesko0 = e.prisesko;

  // Moves.
  int32_t resultat = proprio ? 1 : 0;
  int32_t legaux = 0;
  for (int32_t i = 1; i <= nbpoints(n.liste); ++i) {
    // Count.
    ++e.noeuds;
    if (pli == 1) e.refutations4[0] = 0;
    e.prisesko = prisesko0;
    // Budget.
    if (!proprio && e.noeuds > BUDGETPRISE) {
      lecturelongue = 0;
      if (nbpoints(n.liste) > 5 && i < nbpoints(n.liste)) {
        for (int32_t k = std::max(i, 5) + 1; k <= nbpoints(n.liste); ++k)
          if (ligneliste(n.liste, k) != 0) n.marques[indexcase(ligneliste(n.liste, k), colonneliste(n.liste, k))] = 0;
        n.liste[0] = 5;
      }
      // Nothing beyond the fifth, even what the prepared points added back.
      if (i > 5) break;
    }
    // Play.
    const TPoint m{ligneliste(n.liste, i), colonneliste(n.liste, i)};
    const bool reel = pointreel(m);
    n.prises[0] = 0;
    bool refuse = false;
    // The chain table comes back through the journal, or through a copy
    // when the journal is full; `avant` keeps the liberties of the move's
    // neighbours for the tests after it.
    const int32_t marque = marquejournal();
    bool copie = false;
    uint16_t avant[5] = {};
    if (reel) {
      const int32_t im = indexcase(m.ligne, m.colonne);
      if (memepoint(ko, m.ligne, m.colonne) || p[im] != VIDE) {
        refuse = true;
      } else {
        pasvoisins(m.ligne, m.colonne, 0, [&](int32_t r2, int32_t c2, int32_t d) {
          avant[d] = infochaine[indexcase(r2, c2)][0];
          return false;
        });
        if (!jouecoupjournal(n.prises, p, m.ligne, m.colonne, s, o)) {
          copie = true;
          n.chaines = infochaine;
          jouecoup(n.prises, CAPACITELISTE, p, m.ligne, m.colonne, s, o);
        }
        refuse = p[im] != s;
      }
    }
    profmaxrecu = std::max(profmaxrecu, pli);
    if (refuse) {
      n.marques[indexcase(m.ligne, m.colonne)] = MARQUEREFUSE;
      e.ligne[pli] = TPoint{};
    } else {
      // Line and marks.
      ++legaux;
      e.ligne[pli] = m;
      bool reussi = false;
      {
        // Undo: on leaving this block the move is undone
        // (stone lifted, chain table back, captured stones put back).
        const int32_t im = reel ? indexcase(m.ligne, m.colonne) : 0;
        const EnSortie annule([&] {
          if (!reel) return;
          p[im] = VIDE;
          if (copie) infochaine = n.chaines;
          else reprendjournal(marque);
          for (int32_t k = 1; k <= nbpoints(n.prises); ++k)
            p[indexcase(ligneliste(n.prises, k), colonneliste(n.prises, k))] = o;
        });
        const bool prend = nbpoints(n.prises) > 0;
        if (reel) {
          n.marques[indexcase(m.ligne, m.colonne)] = prend ? MARQUEPRISE : MARQUEJOUE;
          if (cacheactif) cacheplateaux[e.couleurcache - 1][indexcase(e.cl, e.cc)][indexcase(m.ligne, m.colonne)] = 1;
        }
        // Ko shape, and the key after the move.
        TPoint koenfant{};
        if (reel && nbpoints(n.prises) == 1 && infochaine[im][0] == 1 && pierreisolee(p, m)) {
          koenfant = {ligneliste(n.prises, 1), colonneliste(n.prises, 1)};
          ++e.prisesko;
        } else {
          e.prisesko = 0;
        }
        uint32_t cleapres = clebase;
        if (reel && pli <= DERNIERPLITRANSPOSITION) {
          xorclepion(cleapres, m.ligne, m.colonne, s);
          for (int32_t k = 1; k <= nbpoints(n.prises); ++k)
            xorclepion(cleapres, ligneliste(n.prises, k), colonneliste(n.prises, k), o);
          if (pointreel(koenfant)) xorclemoyo(cleapres, koenfant.ligne, koenfant.colonne);
        }
        // Decide without reading.
        e.extensionpermise = 1;
        int32_t r = -1;
        bool parlatable = false;
        int32_t position = 0;  // insert position in the ply's table, 0 = no insert
        if (pli >= 3 && pli <= 5) {
          const int32_t t = cherchetranspositionprise(e, pli, cleapres);
          if (t <= 0) {
            r = -t;
            parlatable = true;
          } else {
            position = t;
          }
        }
        if (r < 0) r = decidesanslire(e, avant, parent, grandparent, m, precedent, pli, s, repetition, prend);
        // Depth limit.
        if (r < 0 && pli >= e.d) {
          const int32_t lc = libertescible(e);
          const bool plusloin = e.extensionpermise && ((proprio && lc == 2) || (!proprio && lc == 1));
          if (!plusloin || pli + 1 >= PLISMAXPRISE) {
            if (plusloin) ecritdebug("prise : pli hors limite");
            r = 0;
          }
        }
        if (r < 0 && pli >= 6 && pli <= DERNIERPLITRANSPOSITION) {
          const int32_t t = cherchetranspositionprise(e, pli, cleapres);
          if (t <= 0) {
            r = -t;
            parlatable = true;
          } else {
            position = t;
          }
        }
        if (r < 0) {
          // Capture of the stone the owner has just played.
          int32_t ajout = 0;
          if (!proprio && prend && pli > 1 && pointreel(precedent) &&
              p[indexcase(precedent.ligne, precedent.colonne)] == VIDE && infochaine[im][0] != 1 &&
              parent[indexcase(precedent.ligne, precedent.colonne)] != MARQUEPRISE) {
            if (e.d >= e.profmax) r = 1;
            else ajout = 2;
          }
          // Child.
          if (r < 0) {
            if (pli + 1 >= PLISMAXPRISE) {
              ecritdebug("prise : pli hors limite");
              r = 0;
            } else {
              e.d += ajout;
              const EnSortie rendextension([&] { e.d -= ajout; });
              r = recuprise(n.marques, parent, cleapres, koenfant, m, pli + 1, s, o);
            }
          }
        }
        resultat = r;
        // Stores.
        if (!parlatable && position > 0) inseretranspositionprise(e, pli, position, cleapres, r);
        reussi = proprio ? r == 0 : r == 1;
        if (cacheactif && pli <= DERNIERPLITRANSPOSITION) {
          uint32_t k = cleapres;
          if (pli <= 4) {
            if (s == NOIR) k ^= cletrait;
            if (!parlatable) inserecacheprise(e, k, r);
          }
          if (reussi && casierprise(e)[0] < ENTREESCACHEPRISE) {
            if (o == NOIR) k ^= cletrait;
            if (pointreel(koenfant)) xorclemoyo(k, koenfant.ligne, koenfant.colonne);
            if (!proprio) inserecacheprise(e, k, r);
            for (int32_t c = 1; c <= nbpoints(n.liste) && casierprise(e)[0] < ENTREESCACHEPRISE; ++c) {
              const int32_t rc = ligneliste(n.liste, c), cc = colonneliste(n.liste, c);
              if (rc == 0 || p[indexcase(rc, cc)] != VIDE) continue;
              uint32_t k2 = k;
              xorclepion(k2, rc, cc, o);
              inserecacheprise(e, k2, r);
            }
          }
        }
      }
      // Cut-off.
      if (reussi) {
        e.tueurs[pli] = m;
        return resultat;
      }
      // Widening after a failure.
      if (lecturelongue) {
        if (pli == 1 && (proprio || e.proprioepuise)) {
          if (g.elargir) ajoutecandidat(n, p, e.tueurs[2]);
          for (int32_t k = 1; k <= nbpoints(e.refutations4); ++k)
            ajoutecandidat(n, p, {ligneliste(e.refutations4, k), colonneliste(e.refutations4, k)});
        } else if (pli == 2 && g.elargir && (proprio || e.proprioepuise)) {
          ajoutecandidat(n, p, e.tueurs[3]);
        } else if (pli == 3) {
          const TPoint t4 = e.tueurs[4];
          if (pointreel(t4) && p[indexcase(t4.ligne, t4.colonne)] == VIDE &&
              positionliste(n.liste, t4.ligne, t4.colonne) == 0)
            empilepoint(e.refutations4, CAPACITEREFUTATIONS, t4.ligne, t4.colonne);
        }
        if (drapeauB && (proprio || e.proprioepuise)) {
          const int32_t lc = libertescible(e);
          // At plies 1-2 a target of 2 liberties gets both additions.
          if (pli <= 2 && lc > 1) {
            drapeauB = false;
            ajouteliberteschaines3(e, n);
          }
          if (pli <= 6 && lc == 2) {
            drapeauB = false;
            ajoutelibertesetcaptures(e, n, pli);
          }
        }
        if (pli < 6 && g.elargir) ajoutecandidat(n, p, e.tueurs[pli + 1]);
      }
      // Neighbours of the last moves.
      if (g.elargir && pointreel(precedent) &&
          ((pli == 2 && (proprio || e.proprioepuise)) || (pli == 3 && proprio)))
        ajoutevidesvoisins(e, n, precedent);
      if (legaux == 1 && pli > 2 && g.elargir && (pli < 6 || niveau > 7) && pointreel(precedent) &&
          pointreel(e.ligne[pli - 2]) && adjacents(precedent, e.ligne[pli - 2]))
        ajoutevidesvoisins(e, n, e.ligne[pli - 2]);
      // Re-order.
      if (nbpoints(n.liste) - i >= 2) {
        const TPoint essais[3] = {e.tueurs[pli + 1], e.tueurs[pli + 3], tueur0};
        for (int32_t k = 0; k < 3; ++k) {
          const TPoint t = essais[k];
          if (!pointreel(t) || (k < 2 && memepoint(ko, t.ligne, t.colonne))) continue;
          const int32_t pos = positionliste(n.liste, t.ligne, t.colonne);
          if (pos > i && n.marques[indexcase(t.ligne, t.colonne)] == MARQUECANDIDAT) {
            remontecoupenliste(n.liste, t.ligne, t.colonne, i + 1, CAPACITEPRISE);
            break;
          }
        }
      }
    }
    // Exhaustion, flag A and the prepared points.
    const bool dernier = i == nbpoints(n.liste);
    if (!refuse && proprio && dernier) e.proprioepuise = 1;
    if (drapeauA && dernier && lecturelongue) {
      drapeauA = false;
      ajouteliberteschainesvoisines(e, n, pli);
    }
    if (pli <= e.d && nbpoints(e.prepares) > 0 && i == nbpoints(n.liste) && (libertescible(e) > 1 || !proprio))
      ajoutecoupsprepares(e, n, pli, o);
  }

  // No legal move.
  if (legaux == 0) {
    ++e.noeuds;
    e.prisesko = 0;
    resultat = (proprio && libertescible(e) == 1) ? 1 : 0;
  }
  // Board and chain table come back through `restaure`.
  if (proprio && !e.proprioepuise && resultat == 1) e.proprioepuise = 1;
  return resultat;
}

}  // namespace

// ---- Test seam ------------------------------------------------------------------------------

TAlerteLecture alertelectureimbriquee = nullptr;
void (*sondelectureprise)() = nullptr;

// ---- Shared helpers ---------------------------------------------------------------------

int32_t positionliste(const TListePoints& l, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return k;
  return 0;
}

void remontecoupenliste(TListePoints& l, int32_t ligne, int32_t colonne, int32_t k, int32_t /*capacite*/) {
  const int32_t n = nbpoints(l);
  if (k < 1) return;
  int32_t j = 0;
  for (int32_t q = k; q <= n; ++q)
    if (ligneliste(l, q) == ligne && colonneliste(l, q) == colonne) {
      j = q;
      break;
    }
  if (j == 0) return;
  for (int32_t q = j; q > k; --q) {
    l[2 * q] = l[2 * q - 2];
    l[2 * q + 1] = l[2 * q - 1];
  }
  l[2 * k] = ligne;
  l[2 * k + 1] = colonne;
}

void limitelibertesparprofondeur(int32_t* limites, int32_t d, int32_t n) {
  for (int32_t q = std::max(d, 1); q <= d + 4; ++q) limites[q] = 2;
  for (int32_t q = d - 1; q >= 1; --q) {
    int32_t v = std::min(d - q + 2, n);
    if (q == 4) v = std::min(v, 5);
    else if (q == 5) v = std::min(v, 4);
    else if (q >= 6 && q <= 8) v = std::min(v, 3);
    else if (q >= 9 && q <= 15) v = 2;
    limites[q] = v;
  }
}

int32_t profondeurtravailprise(int32_t profondeur, bool propriocommence) {
  const bool impair = (profondeur % 2) != 0;
  if (propriocommence) return impair ? profondeur : profondeur - 1;
  return impair ? profondeur - 1 : profondeur;
}

namespace {
// Scratch of testprise: the caller's board and chain table, put back at the end.
TPlateau plateaucopie;
TInfoChaine chainescopie;

// ---- Memo of the readings --------------------------------------------------------------
// A reading is a function of the board, the chain table, its arguments, the
// board size, the level, lecturelongue and the cache key base (the result
// cache is neither read nor written while cacheactif is clear). Its answer
// and what it adds to the counters are kept under a 96-bit key of all of
// them, and a later identical reading is answered from there.
constexpr int32_t BITSMEMOPRISE = 17;
struct TMemoPrise {
  uint64_t cle1 = 0;            // the key: 64 bits here and 32 in cle2
  uint32_t cle2 = 0;
  int32_t noeuds = 0;           // e.noeuds of the reading
  int32_t noeudsprise = 0;      // added to compteurnoeudsprise
  int32_t escalier = 0;         // noeudsescalier after it; -1 untouched
  uint32_t generation = 0;      // valid while it equals generationmemo
  int16_t plimax = 0;           // deepest ply played (profmaxrecu)
  uint8_t resultat = 0;
};
static_assert(sizeof(TMemoPrise) == 32);
TMemoPrise memoprise[1 << BITSMEMOPRISE];
uint32_t generationmemo = 1;

bool lanceprise(TPlateau& p, int32_t ligne, int32_t colonne, int32_t profondeur, int32_t limitelibertes,
                uint8_t couleur, TPoint ko);
}  // namespace

void videmoprise() {
  if (++generationmemo == 0) {
    for (TMemoPrise& m : memoprise) m.generation = 0;
    generationmemo = 1;
  }
}

bool memoprisevide() { return memovide(memoprise, generationmemo); }

bool testprise(TPlateau& p, int32_t ligne, int32_t colonne, int32_t profondeur, int32_t limitelibertes,
               uint8_t couleur, TPoint ko) {
  const int32_t i0 = indexcase(ligne, colonne);
  // No chain there: nothing to capture.
  if (p[i0] == VIDE) return false;
  // In atari with the attacker to move and no ko: captured.
  if (infochaine[i0][0] == 1 && p[i0] == couleur && !pointreel(ko)) return true;
  // The state and node buffers belong to the running reading.
  if (lectureencours) {
    ecritdebug("testprise : lecture imbriquee");
    if (alertelectureimbriquee) alertelectureimbriquee(ligne, colonne);
    assert(alertelectureimbriquee && "capture reading started inside another");
    return false;
  }
  // The memo serves readings that leave the result cache alone; a test's
  // probe sees every reading.
  if (cacheactif || sondelectureprise) return lanceprise(p, ligne, colonne, profondeur, limitelibertes, couleur, ko);
  TEmpreinte h;
  h.ajoute(p);
  h.ajoute(infochaine);
  const int32_t arguments[12] = {ligne, colonne, profondeur, limitelibertes, couleur, ko.ligne,
                                 ko.colonne, niveau, lecturelongue, compteurcache, configmoteur.taille,
                                 static_cast<int32_t>(zobristcouleur[0][0] ^ zobristcouleur[1][NBCASES - 1])};
  h.ajoute(arguments);
  h.termine();
  TDeuxVoies<TMemoPrise> voies(memoprise, h, generationmemo);
  if (const TMemoPrise* const vu = voies.cherche()) {
    const TMemoPrise& m = *vu;
    compteurnoeuds += m.noeuds;
    compteurnoeudslecture += m.noeuds;
    if (m.noeuds > BUDGETPRISE) depassementprise = 1;
    compteurnoeudsprise += m.noeudsprise;
    profmaxrecu = std::max<int32_t>(profmaxrecu, m.plimax);
    if (m.escalier >= 0) noeudsescalier = m.escalier;
    return m.resultat != 0;
  }
  const int32_t noeudsavant = compteurnoeuds, priseavant = compteurnoeudsprise;
  const int32_t plimaxavant = profmaxrecu, escalieravant = noeudsescalier;
  profmaxrecu = 0;
  noeudsescalier = -1;
  const bool resultat = lanceprise(p, ligne, colonne, profondeur, limitelibertes, couleur, ko);
  TMemoPrise& m = voies.libere();
  m.noeuds = compteurnoeuds - noeudsavant;
  m.noeudsprise = compteurnoeudsprise - priseavant;
  m.plimax = static_cast<int16_t>(profmaxrecu);
  m.escalier = noeudsescalier;
  m.resultat = resultat ? 1 : 0;
  voies.signe();
  profmaxrecu = std::max<int32_t>(plimaxavant, m.plimax);
  if (noeudsescalier < 0) noeudsescalier = escalieravant;
  return resultat;
}

namespace {
bool lanceprise(TPlateau& p, int32_t ligne, int32_t colonne, int32_t profondeur, int32_t limitelibertes,
                uint8_t couleur, TPoint ko) {
  const int32_t i0 = indexcase(ligne, colonne);
  lectureencours = true;
  const EnSortie finlecture([] { lectureencours = false; });
  profondeur = std::clamp(profondeur, 1, PROFONDEURMAXPRISE);

  // Reading state.
  TEtatPrise& e = lecture;
  e.p = &p;
  e.cl = ligne;
  e.cc = colonne;
  e.proprio = p[i0];
  e.attaquant = static_cast<uint8_t>(1 - e.proprio);
  e.noeuds = 0;
  std::fill(std::begin(e.nbtransposition), std::end(e.nbtransposition), 0);
  e.extensionattente = 0;
  e.fuitetrouvee = e.proprioepuise = e.verifunique = 0;
  e.prisesko = 0;
  e.extensionpermise = 1;
  std::fill(std::begin(e.tueurs), std::end(e.tueurs), TPoint{});
  std::fill(std::begin(e.ligne), std::end(e.ligne), TPoint{});
  e.refutations4[0] = 0;
  zeromarques(e.fuitesprecoces);
  const uint8_t lecturelongueavant = lecturelongue;

  // Cache.
  e.couleurcache = e.proprio == NOIR ? 1 : 2;
  if (cacheactif) cacheplateaux[e.couleurcache - 1][i0][i0] = 1;
  // Copies, written back on leaving the block.
  plateaucopie = p;
  chainescopie = infochaine;
  int32_t resultat = 0;
  {
    const EnSortie remet([&] {
      p = plateaucopie;
      infochaine = chainescopie;
    });
    const uint8_t premier = static_cast<uint8_t>(1 - couleur);
    const bool propriocommence = premier == e.proprio;
    // Outside liberties.
    preparelibertesprise(e, !propriocommence);
    // Prepared points.
    e.prepares[0] = 0;
    if (niveau > 3) preparecoupsprise(e, profondeur, limitelibertes);
    // Depth and schedule.
    e.d = std::max(profondeurtravailprise(profondeur, propriocommence), 1);
    e.profmax = e.d + 4;
    std::fill(std::begin(e.limites), std::end(e.limites), 2);
    limitelibertesparprofondeur(e.limites, e.d, limitelibertes);

    // Root.
    if (sondelectureprise) sondelectureprise();
    zeromarques(cartevide);
    resultat =
        recuprise(cartevide, cartevide, static_cast<uint32_t>(compteurcache), ko, TPoint{}, 1, couleur, premier);

    // Counters and budget.
    compteurnoeuds += e.noeuds;
    compteurnoeudslecture += e.noeuds;
    if (e.noeuds > BUDGETPRISE) {
      lecturelongue = lecturelongueavant;
      depassementprise = 1;
    }
  }
  // Cache onto the whole chain.
  if (cacheactif && compteurcache == 0 && infochaine[i0][1] != 1) copiecachechaine(e);
  return resultat == 1;
}
}  // namespace
