// State shared by the nodes of one capture reading and its move generators.
// Internal to the capture-reading unit.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/reading/prise.h"

// Status of a generator call.
constexpr int32_t STATUTRIEN = 0;
constexpr int32_t STATUTFUITE = 1;    // the owner escapes
constexpr int32_t STATUTINDICE = 2;   // hint: clear the next ply's killer
constexpr int32_t STATUTPRISE = 3;    // the attacker captures

// Node mark values.
constexpr uint8_t MARQUECANDIDAT = 1;
constexpr uint8_t MARQUEJOUE = 2;      // tried, captured nothing
constexpr uint8_t MARQUEREFUSE = 3;    // refused by the move player
constexpr uint8_t MARQUEPRISE = 5;     // tried, captured

struct TEtatPrise {
  TPlateau* p = nullptr;
  int32_t cl = 0, cc = 0;              // target
  uint8_t proprio = 0, attaquant = 0;  // owner and attacker colours
  int32_t d = 0;                       // working depth (grows with extensions)
  int32_t profmax = 0;                 // d + 4 at the start
  int32_t extensionattente = 0;        // 0 or 2
  int32_t limites[PLISMAXPRISE + 8];   // liberty schedule, [1..profmax]
  TPoint ligne[PLISMAXPRISE + 8];      // move of each ply in the current line
  TPoint tueurs[PLISMAXPRISE + 8];     // killer move of each ply
  int32_t prisesko = 0;                // ko-shaped captures in a row
  int32_t noeuds = 0;
  int32_t nbtransposition[DERNIERPLITRANSPOSITION + 1];
  uint8_t extensionpermise = 1;
  uint8_t proprioepuise = 0;
  TListePoints refutations4;           // capacity CAPACITEREFUTATIONS
  TMarques fuitesprecoces;             // owner gains liberties here at plies 1-2
  TListePoints prepares;               // capacity CAPACITEPREPARES
  uint8_t fuitetrouvee = 0;            // the edge helper found something
  uint8_t verifunique = 0;             // single-escape ladder check pending
  int32_t couleurcache = 0;            // 1 black target, 2 white
  // Scratch of the generators.
  TMarques carte;                      // points listed (and the ko point)
  TListePoints faibles;                // weak neighbours
  TListePoints bonnesfuites;           // moves that raise the target's liberties
  TPlateau copie;                      // scratch board of trial escapes
};

// Per-node buffers, one per ply (static storage). What every node touches
// comes first (the map, the list's head, then the captures' head); the
// saved tables, seldom written, last.
struct TNoeudPrise {
  TMarques marques;          // 0 none, 1 candidate, 2 tried, 3 refused, 5 captured
  TListePoints liste;        // candidates
  TListePoints prises;       // stones captured by the move in play
  TInfoChaine chaines;       // chain table at node entry
  TPlateau plateausauve;     // board before the owner's generator changed it
  TInfoChaine chainessauvees;
};

// Outputs of a generator call.
struct TSortieGenerateur {
  int32_t statut = STATUTRIEN;
  uint8_t elargir = 0;   // list from the ordinary branch
  uint8_t change = 0;    // the owner's generator changed board and chain table
};

inline int32_t libertescible(const TEtatPrise& e) { return infochaine[indexcase(e.cl, e.cc)][0]; }
inline bool pointreel(const TPoint& m) { return m.ligne != 0; }

// Generators (the node's list is emptied first).
void coupsdefenseprise(TEtatPrise& e, TNoeudPrise& n, TSortieGenerateur& s, TPoint ko, TPoint precedent,
                       int32_t pli);
void coupsattaqueprise(TEtatPrise& e, TNoeudPrise& n, TSortieGenerateur& s, TPoint ko, TPoint precedent,
                       int32_t pli);

// Liberty fills of the entry and of the owner's generator.
int32_t libertecomblable(const TPlateau& p, uint8_t c1, uint8_t c2, const TMarques& marques, int32_t borne,
                         int32_t r, int32_t c);

// Edge crawl: true when the crawl from m away from a meets an S stone first.
bool rampebord(const TPlateau& p, TPoint a, TPoint m, uint8_t s, uint8_t o);

// A neighbour of the point, on the board after a move there, belongs to a
// chain that had 1 or 2 liberties before it (`avant`, by the arrival
// direction of pasvoisins).
bool voisinpeudelibertes(const uint16_t (&avant)[5], const TPlateau& p, int32_t r, int32_t c);

// Position of (r, c) in entries 1..count of the list; 0 when absent.
int32_t positionliste(const TListePoints& l, int32_t r, int32_t c);

// Stores (prise_stores.cpp).
int32_t cherchetranspositionprise(const TEtatPrise& e, int32_t pli, uint32_t cle);
void inseretranspositionprise(TEtatPrise& e, int32_t pli, int32_t position, uint32_t cle, int32_t valeur);
TCasierPrise& casierprise(const TEtatPrise& e);
void inserecacheprise(const TEtatPrise& e, uint32_t cle, int32_t valeur);
void copiecachechaine(const TEtatPrise& e);

// Calls into the ladder reading and the linked-chain collectors
// (prise_liens.cpp).
// Ladder: the chain whose single liberty is (r, c) is captured in a ladder.
bool echelleprise(TPlateau& p, int32_t r, int32_t c, uint8_t defenseur, uint8_t attaquant);
// Liberties of the target with the captures around it, appended to `l`.
void appellelibertesetcaptures(const TPlateau& p, TListePoints& l, TMarques& vu, int32_t r, int32_t c,
                               int32_t pli);
// Liberties of the chain at (r, c), listed in `l` from empty.
void libertesprise(const TPlateau& p, int32_t r, int32_t c, TListePoints& l);
// Liberties of the chain at (r, c) with its diagonal links, counted up to `borne`.
void comptelibertesprise(const TPlateau& p, TMarques& vu, int32_t& compte, int32_t r, int32_t c, int32_t borne);
