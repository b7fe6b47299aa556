// Fight reading of one chain: is a chain that the attacker already surrounds
// on a status driver's working board dead? No move sequence is searched: the
// reading gathers the chain's escape points (empty points and takeable enemy
// stones around it, at most ten) and judges their number, their shape and
// the eyes the defender could still make there.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t COMBATVIVANT = 1000;  // the chain lives, or the reading cannot settle it
constexpr int32_t COMBATMORT = 0;       // the chain is dead
constexpr int32_t COMBATCARRE = 500;    // a 2x2 empty square in the zone: the eye count decides

// Region-map codes of the reading (shared with the eye and shape tests).
constexpr uint8_t REGIONMARCHE = 1;    // walked by the escape search
constexpr uint8_t REGIONCARRE = 2;     // a point of the empty square, or filled around an eye
constexpr uint8_t REGIONPRIS = 5;      // a candidate point, or a point where enemy stones were taken
constexpr uint8_t REGIONMORTAVANT = 6; // a candidate next to an attacking stone dead before
constexpr uint8_t REGIONOCCUPE = 8;    // an escape point occupied on the saved board, no chain entry
constexpr uint8_t REGIONCHAINE = 10;   // an escape point that carries a chain-table entry

constexpr int32_t MAXSORTIESCOMBAT = 10;  // escape points kept; a count of 11 means more

// Reads the chain through (ligne, colonne), colour `defenseur`, on the
// working board `p`; `sauve` is the driver's board as it stood before its
// fills, `liste` the driver's candidate points, `compte` the empty points of
// the chain's zone. `resultat` gets COMBATVIVANT, COMBATMORT or, when
// tableessaiscourante is positive, a small positive eye value. A dead chain
// is marked in pionsmorts; the board comes back as it was.
void combatchaine(const TListePoints& liste, int32_t cap, TPlateau& p, const TPlateau& sauve, uint8_t defenseur,
                  uint8_t attaquant, uint8_t trait, int32_t& resultat, int32_t compte, int32_t ligne,
                  int32_t colonne);

// The same judgement as a yes/no answer (true = the chain lives), marking
// nothing: an empty `liste` answers false; a defender stone of the region
// with a positive entry in `valeurs` lives at once. The board comes back.
bool combatchaine2(const TCarte& valeurs, const TListePoints& liste, TPlateau& p, uint8_t defenseur,
                   uint8_t attaquant, uint8_t trait, int32_t ligne, int32_t colonne);

// Square test: the first 2x2 block (by rows, then columns of its top-left
// point) of walked region points empty on `p`. None: `resultat` unchanged.
// With exactly four escape points: COMBATMORT. Otherwise the block is coded
// REGIONCARRE, `resultat` becomes COMBATCARRE, element 1 of `sorties` gets
// the square's eye budget (table mode only, else 0) and `sorties` keeps only
// its entries still coded REGIONMARCHE.
void carrevide(const TPlateau& p, TMarques& region, TListePoints& sorties, int32_t& resultat);
