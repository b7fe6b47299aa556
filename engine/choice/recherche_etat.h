// The state of one move search, shared by every node of its recursion: the
// working board, the family maps and the position analyses of the root, the
// per-depth records of the line being searched, the candidate lists and the
// marks the root keeps per move. cherchemeilleurcoup owns one on the heap for
// the duration of its call; the nodes get it by reference.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"
#include "engine/choice/empreinte.h"
#include "engine/choice/familles.h"
#include "engine/choice/filtres.h"
#include "engine/reading/marquagemorts.h"
#include "engine/board/niveau.h"

namespace recherche {

constexpr int32_t PROFONDEURMAX = 12;     // depth index bound: the deepest limit is paramniveaud + 2
constexpr int32_t CAPACITE = 300;         // the lists of 300 points
constexpr int32_t CAPACITECANDIDATS = 361;  // a node's candidate list
// The root list grows while it is searched: gote moves append the earlier
// candidates again, the promoted moves and the adjuster append theirs. It
// holds as many points as the board and takes nothing once full: the gote
// rule's re-appends would otherwise fill any room (each gote move appends
// all moves before it, the re-appended ones included) and the root search
// with them.
constexpr int32_t CAPACITERACINE = 361;
constexpr int32_t SEUILORDI = 10000;      // the engine threshold of the promoted moves
constexpr int32_t SEUILJOUEUR = -10000;   // its mirror for the opponent's
constexpr int32_t CAPTURESMAX = 100;      // captured stones a search move records

// A point list of the root's size: points [1..nombre].
struct TListeRacine {
  int32_t nombre = 0;
  TPoint points[CAPACITERACINE + 1];
  // Appends without a duplicate test; false when full.
  bool ajoute(TPoint p) {
    if (nombre >= CAPACITERACINE) return false;
    points[++nombre] = p;
    return true;
  }
};

// Node data of one depth (recupcpale and aprescalcul).
struct TNoeud {
  TListePoints candidats;  // the node's candidates (361)
  TMarques essayes;        // 1 listed or added, 2 tried
  TInfoChaine chaines;     // infochaine at the node's entry
  int32_t meilleur = 0;    // best value of the node
  int32_t k = 0;           // index of the candidate being searched
  TMarques mortsentree;    // pionsmorts at the node's entry
  // Scratch of the node's steps.
  TMarques evasion;        // escape values of the weak-chain scans
  TMarques marques;        // marks of a walk
  TPlateau copie;          // a board to try on
  TListePoints ligne;      // a line of moves (pair k = depth k)
};

// What testpousseeligne left: a push along the edge lines that can follow.
struct TRampe {
  int32_t nombre = 0;      // 0: none
  TPoint point;            // the point in front of the pushing stone
  TPlateau plateau{};      // the board at the end of the crawl
};

struct TRecherche {
  // ---- The position and the sides ------------------------------------------------
  TPlateau plateau{};             // B: every trial move is played on it and undone
  uint8_t couleur = 0;            // root colour (the engine)
  uint8_t autre = 1;              // the other colour
  int32_t profondeurlimite = 3;   // depth of the last node (aprescalcul)
  TPoint ko1, ko2;                // two copies of pointko at the start (the root gets ko1; nothing reads ko2)
  uint8_t flagko = 0;             // ko flag of the search (read by the reply-list step)
  TMarques escaliers{};           // root chains caught in a ladder (detectescatoutes)
  TPoint choisi;                  // the chosen-move record; row 0 = pass

  // ---- The line being searched, per depth 1..PROFONDEURMAX ---------------------------------
  TCheminCoups chemin;            // move of each depth with the stones it captured
  int32_t essayes[PROFONDEURMAX + 2] = {};   // candidates tried by the node of the depth
  int32_t entree[PROFONDEURMAX + 2] = {};    // the value cell when the node was entered
  TPoint meilleurcoup[PROFONDEURMAX + 3];    // best move found at the depth
  TPrisesMarquees prises[PROFONDEURMAX + 2]; // captures of the depth's trial move
  int32_t nbprises[PROFONDEURMAX + 2] = {};
  TMarques morts[PROFONDEURMAX + 2];         // pionsmorts at the node's entry
  uint8_t recalcule[PROFONDEURMAX + 2] = {}; // the dead marks were recomputed at the depth
  TNoeud noeuds[PROFONDEURMAX + 2];

  // ---- Promoted moves --------------------------------------------------------------
  int32_t seuilordi = SEUILORDI;
  int32_t seuiljoueur = SEUILJOUEUR;
  TListePoints promusordi{}, promusjoueur{};  // 300 each
  TMarques marquespromusordi{}, marquespromusjoueur{};
  uint8_t ajoutordi = 0;          // the engine's were appended to the root (once per search)
  uint8_t ajoutjoueur = 0;        // the opponent's to a depth-2 node (once per search)

  // ---- Second pass -----------------------------------------------------------------
  uint8_t secondepasse = 0;
  TListePoints listeseconde{};    // the adjuster's zone list (300)
  TListePoints listeseconde2{};   // its second list, emptied by it (300)

  // ---- The root ----------------------------------------------------------------------
  TListeRacine racine;             // the root's list while it is searched
  int32_t kracine = 0;             // the root candidate being searched
  TListePoints candidatsracine{};  // the root candidates as the chooser reads them (361)
  TRegionsOuverture regions;       // the opening regions of the root list
  TListePoints meilleuresreponses{};  // best depth-2 reply of each root move that became best (300)
  TMarques marquesracine{};        // per root move: 1 gote, 2 and 4 best, 3 delicate gote
  TMarques approfondir{};          // deepen marks; 10 = searched two plies deeper
  TMarques exemptiongote{};        // root moves the gote test spares
  TMarques memodeuxyeux{};         // memo of the two-eye term of the root moves
  TCarte valeursracine{};          // path score of each root move after its own terms
  TCarte evaluationracine{};       // candidate evaluation of each root move (evaluecoupcandidat)
  TCarte penalites1{}, penalites2{};  // penalties of the root moves' saves (the dead-marks term's two maxima)
  uint8_t flaggote = 0;
  // No step of the search sets these two: they stay 0, and the terms they
  // gate (bonusfaiblesliees, ajustevaleurcandidat) do not run.
  int32_t comptefaiblesliees = 0;  // linked-weak count of the search
  int32_t valeurajustement = 0;    // adjustment value stored by the search

  // ---- Depth 2 and below -------------------------------------------------------------
  TListePoints listeatari{};       // chains in atari around the root move and the reply (300)
  uint8_t flagatari = 0;
  int32_t analyse = 0;             // analysis flag of the line: -1 not read, 2 root chain holds, 4 it falls
  uint8_t flagdeuxyeux = 0;        // the reply-side flag: bonusdeuxyeuxcoupure's result for the reply
  TMarques libertesfaibles{};      // liberties and weak neighbours of the root chain
  TMarques marquesglobalescopie{}; // marquesglobales kept aside by the depth-2 node
  TRampe rampe;                    // the wall-crawl state of the depth-2 node
  uint8_t flagrampe = 0;           // a crawl follows the root move's line

  // ---- Saves of the root move for the crawl ------------------------------------------
  TPlateau plateauavant{};
  TInfoChaine chainesavant{};
  TMarques mortsavant{};
  int32_t celluleavant = 0;
  int32_t scoreavant = 0;

  // ---- The root's analyses and families ----------------------------------------------
  TCartesFamilles familles;

  // ---- What the search did (read by tests) -------------------------------------------
  int32_t plusessayes[PROFONDEURMAX + 2] = {};  // most candidates a node of the depth tried
  int32_t profondeurvue = 0;                    // deepest node entered
  uint8_t debutpartieentree = 0;                // debutpartie as the chooser handed it over
  int32_t rejeux = 0;                           // times a gote test appended the earlier root moves again
  uint8_t interrompu = 0;                       // the clock's deadline cut the search
  TCarte valeurspremiere{};                     // search value of each root move, first pass (its last exact one)
  TCarte valeursseconde{};                      // the same in the second pass
  int32_t racineseconde = 0;                    // the root list's count when the second pass started (0: none)
  TMarques cherchees{};                         // root moves searched: bit 1 first pass, 2 second pass;
                                                // 4, 8 that pass's value only bounds it (no better than the best so far)
};

// Keeps the search value of the root move q for the explainer: the pass's
// value map, its bit in `cherchees`, and whether the value is only a bound.
// A move searched again keeps its last exact value rather than a bound.
inline void notevaleurracine(TRecherche& r, TPoint q, int32_t valeur, bool borne) {
  const int32_t i = indexcase(q.ligne, q.colonne);
  const uint8_t passe = r.secondepasse ? 2 : 1, bit = r.secondepasse ? 8 : 4;
  if (borne && (r.cherchees[i] & passe) && !(r.cherchees[i] & bit)) return;
  (r.secondepasse ? r.valeursseconde : r.valeurspremiere)[i] = valeur;
  r.cherchees[i] = static_cast<uint8_t>((r.cherchees[i] & ~bit) | passe | (borne ? bit : 0));
}

// The search stops at the move's deadline: a node tries no more candidates
// once it has passed, and says so in the search state.
inline bool tempsecoule(TRecherche& r) {
  if (!echeancepassee(finrecherche)) return false;
  r.interrompu = 1;
  return true;
}

// The re-append of the gote rule (testgote): the root moves before the one
// being searched are appended again to the root list, until it is full.
inline void rejouepremiers(TRecherche& r) {
  ++r.rejeux;
  for (int32_t j = 1; j < r.kracine; ++j)
    if (!r.racine.ajoute(r.racine.points[j])) break;
}

// The best move of each depth as a line (pair k = depth k) into `l`, for reordonnecoups.
inline const TListePoints& lignemeilleurs(const TRecherche& r, TListePoints& l) {
  l[0] = PROFONDEURMAX + 1;
  for (int32_t d = 1; d <= PROFONDEURMAX + 1; ++d) {
    l[2 * d] = r.meilleurcoup[d].ligne;
    l[2 * d + 1] = r.meilleurcoup[d].colonne;
  }
  return l;
}
// The moves 1..n of the line searched into `l` (pair k = depth k).
inline const TListePoints& lignechemin(const TRecherche& r, int32_t n, TListePoints& l) {
  l[0] = n;
  for (int32_t d = 1; d <= n; ++d) {
    l[2 * d] = r.chemin.coups[d].coup.ligne;
    l[2 * d + 1] = r.chemin.coups[d].coup.colonne;
  }
  return l;
}

// ---- The search ------------------------------------------------------------------------
// Steps of the search before its root: the search board, the capture and
// status marks of both sides (marquesliaison1 and 2, pionsmorts), groups,
// the colours and depth limit, the simple-ko point, the ladder map.
void preparerecherche(TRecherche& r, uint8_t c, const TPlateau& plateau, TPoint dernier);
// After the root: the catch-up move when nothing was found, the pass when
// the opponent passed and the point only fills the engine's area, the
// area-rule fill; sets ordipasse.
void decisionpasse(TRecherche& r, TPoint& resultat);
// The move search on a state value-initialised by the caller: the point, or
// (0, 0) for a pass, into `resultat`; may set ordipasse.
void cherchemeilleurcoup(TRecherche& r, TPoint& resultat, uint8_t c, const TPlateau& plateau, TPoint dernier,
                         TPoint avantdernier);
// One node of the main recursion: m to move, o the other colour; leaves its
// best value in `cellule` (the one cell of the whole search). The root
// (d = 1) writes the chosen move into r.choisi.
void recupcpale(TRecherche& r, int32_t& cellule, int32_t score, int32_t d, uint8_t m, uint8_t o, TPoint dernier,
                TPoint avantdernier, TPoint ko);
// The leaf value of the search board for the root colour after a move of m
// at depth d, the path score s with the move's terms.
int32_t valeurfeuille(TRecherche& r, int32_t s, int32_t d, uint8_t m);
// Empties the memos of the search and the maps they keep (a new search, or
// maps changed): videmofeuilles all of them, vidememosrecursion those of the main
// recursion (dead marks after a move, the opponent's forced-move term, the
// replies to a root move) and not the maps.
void videmofeuilles();
void vidememosrecursion();
// The byte maps the memos of the search keep, shared by all of them.
TReserveCartes& cartesmemos();
// The node of the last depth: candidates valued as leaves, no recursion.
void aprescalcul(TRecherche& r, int32_t& cellule, int32_t score, int32_t d, uint8_t m, uint8_t o, TPoint dernier,
                 TPoint avantdernier, TPoint ko);

// The trial move q of m at depth d on the search board, its captures into
// the line; `kofils` the point the child may not take back at once. False
// (nothing played) on a taken point or a suicide; a pass plays nothing.
bool joueessai(TRecherche& r, int32_t d, TPoint q, uint8_t m, uint8_t o, TPoint& kofils);
// Takes the move of depth d back; infochaine := `chaines`, pionsmorts := the depth's copy.
void defaitessai(TRecherche& r, int32_t d, TPoint q, uint8_t o, const TInfoChaine& chaines);
// The dead marks after the move of depth d, by depth and level; true when they changed.
bool mortsapresessai(TRecherche& r, int32_t d, TPoint q, uint8_t m, uint8_t o, TPoint ko);
// The same when the caller has debutcle of the search board after the move
// (its memo key starts with it).
bool mortsapresessai(TRecherche& r, const TEmpreinte& debut, int32_t d, TPoint q, uint8_t m, uint8_t o, TPoint ko);

// The path flags of the territory terms for the first n moves of the line:
// the flag of move k (index k - 1) is 1 when that move captured stones.
inline void drapeauxchemin(const TRecherche& r, int32_t n, uint8_t (&drapeaux)[8]) {
  for (int32_t k = 1; k <= 8; ++k) drapeaux[k - 1] = (k <= n && k <= PROFONDEURMAX && r.nbprises[k] > 0) ? 1 : 0;
}

// The point of a list, 1-based.
inline TPoint pointliste(const TListePoints& l, int32_t k) { return TPoint{ligneliste(l, k), colonneliste(l, k)}; }
inline bool memepoint(TPoint a, TPoint b) { return a.ligne == b.ligne && a.colonne == b.colonne; }

}  // namespace recherche
