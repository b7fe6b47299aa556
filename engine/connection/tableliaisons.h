// Chain-pair connection table: for every candidate trial move of either
// side, which pairs of that side's chains the move links (after the move the
// other side cannot cut them) and which of those links are confirmed. The
// table tableliaisons is indexed by numerotation: [empty point][head][head].
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Bits of a table entry [e][i][j].
constexpr uint8_t PAIREORDI = 0x01;      // the engine's move at e links chains i and j
constexpr uint8_t CONFIRMEORDI = 0x02;   // that link is confirmed
constexpr uint8_t MEMBREORDI = 0x04;     // [i][i]: chain i is in a linked pair of the engine's move
constexpr uint8_t REFUTEORDI = 0x08;     // the opponent's move at e cuts the engine's pair (peutcouperpaire2)
constexpr uint8_t PAIREJOUEUR = 0x10;    // the same for the opponent's move at e
constexpr uint8_t CONFIRMEJOUEUR = 0x20;
constexpr uint8_t MEMBREJOUEUR = 0x40;
constexpr uint8_t REFUTEJOUEUR = 0x80;   // the engine's move at e cuts the opponent's pair

// Bits of essaifait written here.
constexpr uint8_t ESSAIPAIRE = 0x02;     // the fill found a linkable pair for the move
constexpr uint8_t ESSAICONFIRME = 0x04;  // a pair was confirmed

// ---- The table ---------------------------------------------------------------------------
// Frees the table and allocates a zero one of (E+1)(M+1)^2 bytes for the
// position before the move (plateaudepart, tablegroupes, numerotation);
// adds 1 to compteurnoeudsprise.
void dimensionnetableliaisons();
// Frees the table (after the search).
void liberetableliaisons();
// The entry [e][i][j]; 0 for indices outside the table.
uint8_t bitsliaison(int32_t e, int32_t i, int32_t j);
// ORs `bits` into [e][i][j]; nothing outside the table.
void ajoutebitsliaison(int32_t e, int32_t i, int32_t j, uint8_t bits);
// The entry of the move at (r, c) for the chains whose heads are a and b.
uint8_t bitspaire(int32_t r, int32_t c, const TPoint& a, const TPoint& b);
void ajoutebitspaire(int32_t r, int32_t c, const TPoint& a, const TPoint& b, uint8_t bits);

// ---- Fill and confirmation ----------------------------------------------------------------
// Sizes the table, then for the candidates of each side with a positive
// valeurcoupure sets the pair bits of the chains the move links that the
// two-stone reading can link on its trial board, and essaifait bit 0x02. A
// candidate whose record links no chain ends the whole fill. infochaine
// and pionsmorts come back as they were.
void remplittableliaisons();
// From level 4: confirms the pairs of chains close to the move that the
// other side cannot cut (bits 0x02 / 0x20, essaifait bit 0x04).
// infochaine and pionsmorts come back as they were.
void evalueliaisonsessais();

// ---- Parts -----------------------------------------------------------------------------
// On the board, around (r, c): 1 on the empty points of the 3x3 window and
// over every chain of `couleur` with a stone there; then 2 on the unmarked
// empty points of the 5x5 window and over the chains of `couleur` first met there.
void marqueproximite(const TPlateau& p, TMarques& m, uint8_t couleur, int32_t r, int32_t c);
// Both stones marked, with marks summing to 2, or to 3 in different groups.
bool pairesproches(const TPoint& a, const TPoint& b, const TMarques& m);
// After side `cote`'s move at pt (0 engine, 1 opponent) on `p`, which
// infochaine and pionsmorts describe: can the other side still separate the
// chains of a and b? `unefois` guards the single call of peutcouperpaire2.
// Board, infochaine and pionsmorts come back as they were.
bool peutcouperpaire(TPlateau& p, int32_t cote, const TPoint& a, const TPoint& b, const TPoint& pt, bool& unefois);
// The other side's cutting points of the pair that nothing lists yet: its
// candidates (but pt) that take a liberty of either chain, stand after the
// move and leave the pair unlinkable on their trial board, get the refute
// bit of the pair. Board, infochaine and pionsmorts come back as they were.
void peutcouperpaire2(int32_t cote, const TPoint& a, const TPoint& b, const TPoint& pt);
