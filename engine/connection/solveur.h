// Small-board solver of the capture game: a line ends as soon as a move
// captures, won by the side that captured. The proof passes decide whether
// one side, moving first, can force a capture; the allowed-move test refuses
// a move after which the other side can; the main search (values +64 / -64
// and a heuristic leaf value) chooses the move.
//
// Nothing in the move search calls the solver: its entry stands behind a
// board-size test that never holds. Every routine here leaves the board and
// infochaine as it found them.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Limits --------------------------------------------------------------------
constexpr int32_t MAXCHAINESSOLVEUR = 40;   // chains listed per colour; more are left out
constexpr int32_t CAPACITESOLVEUR = 81;     // move lists (a 9x9 board)
constexpr int32_t PLISSOLVEUR = 40;         // per-ply records of the main search
constexpr int32_t PLISPASSE = 32;           // per-ply records of a pass (its depth is at most 30)
constexpr int32_t PREMIERPLISTORE = 3;      // the passes' stores: plies 3..20 of tablehachrecu
constexpr int32_t DERNIERPLISTORE = 20;
constexpr int32_t ENTREESGARDEES = 5000;    // a full store keeps its smallest keys, this many
constexpr int32_t GAGNESOLVEUR = 64;        // main-search value of a line the engine wins
constexpr int32_t REFUSSOLVEUR = 1000;      // lost by a first move the allowed-move test refuses

// ---- Point flags (kept for one solver call) ------------------------------------
constexpr uint8_t DRAPEAUMODE2 = 1;         // the mode-2 pass was run for the point
constexpr uint8_t DRAPEAUMODE4 = 4;         // the mode-4 pass was run
constexpr uint8_t DRAPEAUILLEGAL = 8;       // the stone does not stay
constexpr uint8_t DRAPEAUPRISE = 16;        // the move captures
constexpr uint8_t DRAPEAUREFUSRACINE = 32;  // refused at the first ply of a mode-0 pass
constexpr uint8_t DRAPEAUREFUSE = 64;       // refused

// ---- Chain lists -----------------------------------------------------------------
// Entry 0 holds the count in `ligne`; entries 1..count are chain heads with a
// status: 0 at collection, 1 once found lost. List A keeps the chains lost on
// the line a pass proves, list B every chain found lost on any line.
struct TChaineSolveur {
  int32_t ligne = 0;
  int32_t colonne = 0;
  uint8_t statut = 0;
};
using TListeChaines = std::array<TChaineSolveur, MAXCHAINESSOLVEUR + 1>;

// Every chain head of the board by colour (status 0): the chains of `couleur`
// into propreA, the others into autreA; each B is a copy of its A.
void listechaines(const TPlateau& p, uint8_t couleur, TListeChaines& propreA, TListeChaines& propreB,
                  TListeChaines& autreA, TListeChaines& autreB);

// ---- Proof passes ----------------------------------------------------------------
// Depth of a pass from configmoteur.niveauconfig: 10 at levels 0 and 1, two
// more a level up to 28 at level 10, 30 otherwise; always even.
int32_t profondeursolveur();

// What a pass found. `trouve` is set when the search named the point (the
// winning first move, the first liberty of the attacker's own chain in atari
// with status 2, or a winning first move refused in mode 0); otherwise the
// point is as the caller gave it. `valeur`: +1 the attacker captures, -1 the
// defender does, 0 undecided.
struct TResultatPasse {
  bool trouve = false;
  int32_t valeur = 0;
};

// Modes: 0 and 1 keep the chain lists (the defender's) up to date, 2 leaves
// them alone, 4 generates local moves only. The attacker moves first. The
// point starts at the caller's value (the ko point); statut starts at 0 and
// becomes 2 when the attacker had a chain of its own in atari at the first ply.
TResultatPasse passesolveur(TMarques& drapeaux, TListeChaines& listeA, TListeChaines& listeB, int32_t mode,
                         TPoint& point, TPlateau& p, uint8_t defenseur, uint8_t attaquant, int32_t& statut);

// True when the move of `couleur` at the point is refused: a point flagged
// refused stays so; a stone that does not stay is refused; a capture is
// allowed. Mask bit 4 runs a mode-4 pass and bit 1 a mode-2 pass (each once
// per point, by `drapeau`), the other colour attacking first after the move;
// a pass that names a point with a status other than 2 refuses it.
bool coupautorise(const TPlateau& p, uint8_t couleur, uint8_t autre, int32_t ligne, int32_t colonne,
                  uint8_t masque, uint8_t& drapeau);

// ---- Main search -------------------------------------------------------------------
struct TPliSolveur {
  TPoint coup{};           // the move being tried; row 0 a pass or none
  int32_t nbcherches = 0;  // moves searched so far
  int32_t valeurentree = 0;  // the shared result when the node was entered
  TPoint tueur{-1, -1};    // killer move; row -1 none
};

// The state of one solver call: what its passes leave, the candidate mask
// and the main search's per-ply records.
struct TSolveur {
  TPlateau* p = nullptr;
  uint8_t ordi = NOIR;     // the solver's side
  uint8_t joueur = BLANC;  // the opponent
  TMarques drapeaux{};     // point flags
  TListeChaines ordiA{}, ordiB{}, joueurA{}, joueurB{};
  TMarques bilanchaines{}; // at chain heads: 1 lost on the proved line, 2 on some line, 3 not lost
  TMarques candidats{};    // candidate mask of the first ply
  int32_t profondeurmax = 7;
  int32_t resultat = 0;    // the value shared by every ply
  TPoint reponse{};        // the answer
  bool trouve = false;     // the answer names a point
  bool sanschoix = false;  // no allowed move was found
  bool mode1nomme = false;  // the opponent, moving first, was found to force a capture
  std::array<TPliSolveur, PLISSOLVEUR + 2> plis{};
  std::array<TListePoints, PLISSOLVEUR + 2> coups{};
  std::array<TInfoChaine, PLISSOLVEUR + 2> chaines{};  // infochaine at each node's entry
};

// Depth of the main search from configmoteur.niveauconfig: 7, 9, 11, 13, 15, 17.
int32_t profondeurrecherchesolveur();

// The solver's move for `ordi` on the board into `point`. True when it names a
// point; false means pass, and the point is (0, 0).
bool solveurcoupsautorises(uint8_t ordi, uint8_t joueur, TPlateau& p, TPoint& point);

// Alpha-beta search at ply d with `camp` to move, the engine's values.
// A node of the state set up by solveurcoupsautorises.
int32_t recherchesolveur(TSolveur& s, int32_t pli, uint8_t camp, uint8_t autre);

// Leaf value from the engine's side: its first stone, its lost chains and
// the liberties of the weak chains.
int32_t evaluationsolveur(const TListeChaines& ordiA, const TListeChaines& ordiB, const TListeChaines& joueurB,
                          const TPlateau& p, uint8_t ordi, int32_t nbchaines,
                          const std::array<TPliSolveur, PLISSOLVEUR + 2>& plis);

// Collects the engine's candidate moves around its lost chains and admits
// those after which the opponent cannot force a capture (mask 1, count).
void cherchecoupsautorises(TPlateau& p, const TListeChaines& ordiA, uint8_t joueur, uint8_t ordi,
                           TMarques& drapeaux, TMarques& candidats, int32_t& nombre);

// A stone of `couleur` played at the empty point stays (tried on a copy).
bool coupjouable(const TPlateau& p, uint8_t couleur, uint8_t autre, int32_t ligne, int32_t colonne);

// ---- Test seam -------------------------------------------------------------------------
// The move generators of the main search (ply 1 and deeper): the moves into
// the ply's list; the result is the atari state (0 none, 1 a capture, 2 the
// mover's chain in atari).
int32_t coupsracinesolveur(TSolveur& s, uint8_t camp, uint8_t autre);
int32_t coupssolveur(TSolveur& s, int32_t pli, uint8_t camp, uint8_t autre);

// Inserts (valeur, cle) into ply store `table` of tablehachrecu at `position`
// (from the look-up), counted in `nombre`: a full store is first cut to its
// ENTREESGARDEES smallest keys, and an entry whose place lies beyond them is
// dropped.
void inserestoresolveur(uint32_t cle, int32_t valeur, int32_t position, int32_t table, int32_t& nombre);

// Called with every move list of a pass node (after the defender's pass is
// appended), null in the programs.
using TSondePasse = void (*)(int32_t pli, bool attaquant, const TListePoints& coups, int32_t etat);
extern TSondePasse sondepassesolveur;
