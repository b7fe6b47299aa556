// Node skeleton of the local readings (propagation, point, cut and escape
// readings, and the forced-move and invasion searches built the same way):
// a seed list that grows with the running side's moves, candidates taken
// around it, per-ply tried counts and entry values, best moves, per-ply
// stores, and per-node buffers to undo by copies. Internal to the reading layer.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/board/acces.h"
#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPACITELECTURE = 300;  // candidate and capture lists of a node
constexpr int32_t DERNIERPLILIAISON = PREMIERETABLE + NBTABLESLIAISON - 1;  // last ply with a store table
constexpr uint32_t CLESANS = 0xFFFFFFFFu;  // key -1: keys off for the subtree

// Node mask values.
constexpr uint8_t MASQUELISTE = 1;   // listed (or visited by a collector)
constexpr uint8_t MASQUEJOUE = 2;    // tried and legal
constexpr uint8_t MASQUEREFUSE = 3;  // refused by the move player

inline bool memepoint(TPoint a, TPoint b) { return a.ligne == b.ligne && a.colonne == b.colonne; }
inline TPoint pointliste(const TListePoints& l, int32_t k) { return {ligneliste(l, k), colonneliste(l, k)}; }

// Seed list: entry 1 the start point, entry k + 1 the running side's move at
// ply 2k (a zero entry where a reading leaves one). Sized at construction.
class TGraines {
 public:
  explicit TGraines(int32_t capacite) : pts_(static_cast<size_t>(capacite) + 1) {}
  int32_t nombre() const { return nb_; }
  TPoint operator[](int32_t k) const { return pts_[static_cast<size_t>(k)]; }
  // Keeps the first n entries (n within the capacity).
  void tronque(int32_t n) { nb_ = borne(n); }
  // Keeps n - 1 entries and sets entry n to m.
  void pose(int32_t n, TPoint m) {
    nb_ = borne(n);
    if (nb_ >= 1) pts_[static_cast<size_t>(nb_)] = m;
  }

 private:
  int32_t borne(int32_t n) const {
    const auto cap = static_cast<int32_t>(pts_.size()) - 1;
    return n < 0 ? 0 : n > cap ? cap : n;
  }
  std::vector<TPoint> pts_;
  int32_t nb_ = 0;
};

// Per-ply tables of one reading, plies 0..plis: the line, tried counts T(p),
// entry values E(p), best moves K(p) and store counts N(p), all zero at start.
struct TPlisLecture {
  explicit TPlisLecture(int32_t plis);
  int32_t plis;                  // last ply the tables hold
  std::vector<TPoint> ligne;     // move of each ply; row 0 = pass or none
  std::vector<int32_t> essais;   // T(p)
  std::vector<int32_t> entree;   // E(p)
  std::vector<TPoint> meilleur;  // K(p)
  std::vector<int32_t> nbcles;   // N(p)
};

// Buffers of one node.
struct TNoeudLecture {
  TListePoints liste;        // candidates
  TMarques masque;           // 0 unseen, 1 listed, 2 tried, 3 refused; the readings' own marks
  TInfoChaine chaines;       // infochaine before a move the journal had no room for
  int32_t marque = 0;        // journal position before the move in play
  bool copie = false;        // the move in play is undone from `chaines`
  TListePoints prises;       // stones captured by the move in play
  bool leve = false;         // chains were lifted at this node
  TPlateau plateauleve;      // board before the first lift
  TInfoChaine chainesleve;   // infochaine before the first lift
};

// The node buffers of one reading, plies 0..plis, taken from a shared heap
// pool for the reading's duration; a reading started inside another takes
// further buffers.
class TNoeudsLecture {
 public:
  explicit TNoeudsLecture(int32_t plis);
  ~TNoeudsLecture();
  TNoeudsLecture(const TNoeudsLecture&) = delete;
  TNoeudsLecture& operator=(const TNoeudsLecture&) = delete;
  TNoeudLecture& operator[](int32_t pli);

 private:
  size_t base_;
  size_t nombre_;
};

// Context of one propagation search (the propagation reading, and the
// invasion searches built on its node): arguments, territory marks M, node
// budget with its one-time narrowing, depth limit D, extension limit X,
// goal G, seed list S = {target}, per-ply tables, node buffers, result cell R
// and line accumulator V. The constructor sets it up as every entry does.
struct TContextePropagation {
  TContextePropagation(uint8_t chaineavant, uint8_t c, uint8_t o, TPlateau& p, TPoint cible, int32_t seuil,
                       int32_t plafond);
  uint8_t chaineavant, c, o;
  TPlateau& p;
  TPoint cible;
  int32_t seuil;
  TMarques marques{};   // M
  int32_t budget;
  int32_t compte = 0;   // nodes
  bool retreci = false; // the narrowing happened
  int32_t d, x, but;    // D, X, G
  TGraines graines;     // S
  TPlisLecture t;
  TNoeudsLecture noeuds;
  int32_t r = 0;        // R
  int32_t v = 0;        // V

  int32_t icible() const { return indexcase(cible.ligne, cible.colonne); }
  // Counts a node; when the count first reaches the budget, the search
  // narrows once: D and X less 2, G less 1.
  void comptenoeud();
  // Adds the nodes to compteurnoeudslecture; sets depassementpropagation
  // when the narrowing happened.
  void termine() const;
};

// ---- Shared steps ----------------------------------------------------------------

// Territory marks for owner o: on an empty point whose tablegroupes entry has
// not exactly one liberty, 1 when territoire gives it to o, else 2 when
// territoire2 does; 0 elsewhere.
void marquesterritoire(TMarques& m, const TPlateau& p, uint8_t o);

// Node budget of the propagation readings by niveau.
int32_t budgetpropagation();

// Plays m for s (a pass plays nothing); the capture list is reset first.
// False when the point is occupied or the move player refused it.
bool jouelecture(TPlateau& p, TNoeudLecture& n, TPoint m, uint8_t s, uint8_t u);
// The move's chain-table changes go to the journal, or when it has no room
// the table is first copied into the node.
// Undoes m: empties it (unless a pass), puts back infochaine from the journal
// or the node copy and the captured stones with colour u.
void defaitlecture(TPlateau& p, TNoeudLecture& n, TPoint m, uint8_t u);
// Ko point for the child: the lone captured stone when the stone at m stands
// alone with one liberty; else none.
TPoint kopourenfant(const TPlateau& p, const TNoeudLecture& n, TPoint m);

// Appends the engine's ko point pointko (a pass when there is none), no duplicate test.
void ajoutekoordi(TListePoints& l);
// Appends every empty table neighbour of pt unmarked in the mask, marking it 1.
void ajoutevidesvoisins(const TPlateau& p, TListePoints& l, TMarques& masque, TPoint pt);
// Moves k to position `position` when it is a point, listed (mask 1) and not `ko`.
void remontesilistee(TListePoints& l, const TMarques& masque, TPoint k, TPoint ko, int32_t position);

// The cut against the entry values of the same side's earlier plies:
// i = p, p - 2, ... down to 2, where the parent had tried more than one move;
// for the maximising side when E(i) <= r, else when r <= E(i). The value of
// the cut goes to `valeur`.
bool coupeentrees(const TPlisLecture& t, int32_t p, int32_t r, bool maximise, int32_t& valeur);

// Ply stores of tabletranspositionliaison with the counts N(p) of the tables.
// Search: <= 0 a hit (the value negated), else the insert position.
int32_t chercheliaison(const TPlisLecture& t, int32_t p, uint32_t cle);
// When `stocke`, looks the key up in store p: a hit gives its value to `r` and
// true; a miss leaves `r` and gives the insert position to `position` (else 0).
inline bool trouveliaison(const TPlisLecture& t, int32_t p, uint32_t cle, bool stocke, int32_t& r,
                          int32_t& position) {
  position = 0;
  if (!stocke) return false;
  const int32_t res = chercheliaison(t, p, cle);
  if (res <= 0) {
    r = -res;
    return true;
  }
  position = res;
  return false;
}
// The child's key from its parent's: the move's stone of `s`, the stones of
// `u` it took, the child's ko point.
inline void xorclecoup(uint32_t& cle, TPoint m, uint8_t s, uint8_t u, const TListePoints& prises, TPoint ko) {
  xorclepion(cle, m.ligne, m.colonne, s);
  for (int32_t j = 1; j <= nbpoints(prises); ++j) xorclepion(cle, ligneliste(prises, j), colonneliste(prises, j), u);
  if (reel(ko)) xorclemoyo(cle, ko.ligne, ko.colonne);
}
// Inserts (valeur, cle) at `position` of table p while it holds under 10000 entries.
void insereliaison(TPlisLecture& t, int32_t p, int32_t position, uint32_t cle, int32_t valeur);
