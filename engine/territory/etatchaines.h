// Chain-status drivers: which chains of a position are dead. Each driver
// prepares a working board (candidate removals, fills, territory preparation),
// then runs the fight reading on every chain of the colour under test whose
// zone is small enough; lost chains are marked in pionsmorts. The unit sits
// above the territory fills it prepares its boards with.
//
// Every driver gives back the board and infochaine as they came; pionsmorts,
// pionsmortsavant, sauvepionsmorts and the result maps named keep what was
// found. A last move (ligne, colonne) of (0, 0) means none.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPACITECANDIDATS = 300;  // candidate and liberty lists of the drivers
constexpr int32_t ZONEMAXLUE = 100;         // a chain whose zone has more empty points is not read

// ---- Drivers --------------------------------------------------------------------
// Every chain of both colours, white first. `mode` 1 asks for the ko fill,
// 0 for the contact-point test beside the last move. `compte` grows by 1 per
// capture of the last move's chain and per dead chain, and by 100 more when a
// dead chain's walk covers every liberty of a short last-move chain. With
// `sauve`: pionsmorts is saved in pionsmortsavant first, and, when
// tableessaiscourante is nonzero, the contacts between dead zones are written
// into the trial records (outcome pass). `trait`: 0, 1 or 2 (none).
void detectetatchaines(int32_t& compte, TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne, uint8_t sauve,
                       uint8_t trait);
// The same without trial records or outcome pass; under sansstatut the dead
// zones go to zonesmortesblanc / zonesmortesnoir. The last move's stone is
// lifted for the territory preparation of its own colour's pass unless
// `gardedernier`; a last move of the attacking colour is emptied as dead or
// given back with its liberties to the defender (videchainemorte).
void detectetatchaines2(int32_t& compte, TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne, uint8_t sauve,
                        uint8_t gardedernier, uint8_t trait);
// Forgets the answers detectetatchaines2 keeps for repeated calls; the
// benchmarks call it so that each pass times the driver itself.
// videmos calls it at a new game or board size; memoetatchainesvide: none kept.
void videmoetatchaines();
bool memoetatchainesvide();
// The chains of colour 1 - `attaquant`, with marquesdetect as the chains
// dead before; `resultat` is set to 1 when one of them is found dead.
void detectetatchaine(uint8_t attaquant, uint8_t trait, int32_t& resultat, TPlateau& p, int32_t mode,
                      int32_t ligne, int32_t colonne, uint8_t sauve);
// The chains of colour 1 - `couleur` on a whole board, marquesliaison1 as
// the chains dead before, no last move.
void detectetatplateau(uint8_t couleur, TPlateau& p);
// Is the chain at (ligne, colonne) of plateaumoteur dead by a trial run of
// detectetatchaine over the present dead marks? pionsmorts comes back.
bool chainemorteselonmasque(int32_t ligne, int32_t colonne);

// ---- Services of the drivers ----------------------------------------------------------
// Double-atari points of `d` against chains of `a` with two liberties: their
// liberties are listed and their stones taken off the board.
void coupscandidatsliberte(TPlateau& p, uint8_t a, uint8_t d, TListePoints& l, int32_t cap, int32_t ligne,
                           int32_t colonne);
// Loose single stones of `c` with two liberties (not marked, no marked enemy
// beside, no enemy in atari beside, no jump link) are listed and taken off.
// An empty (ligne, colonne) holds a stone of `c` during the scan.
void coupscandidatspierreslibres(TPlateau& p, const TMarques& marques, uint8_t c, TListePoints& l, int32_t cap,
                                 int32_t ligne, int32_t colonne);
// Chains of `c` dead before (with `sauve`; at most 7 liberties) or in atari
// (without): their liberties are listed and given to `remplissage`, then the
// chains are taken off.
void coupscandidatsmorts(const TMarques& marques, TPlateau& p, TListePoints& l, int32_t cap, uint8_t c,
                         uint8_t remplissage, uint8_t sauve);
// Each empty neighbour of the point without a chain-table entry becomes `c`
// when it touches a living stone of `c` with more than one liberty. Note the
// column comes first.
void remplitvidesvoisins(TPlateau& p, uint8_t c, int32_t colonne, int32_t ligne);
// The last move's chain: a healthy one has only the stone at the point taken
// off (`drapeau` set); a chain in atari or marked, with at most 4 liberties,
// is emptied and its liberties given to `remplissage`, the far ones listed.
void videchainemorte(uint8_t& drapeau, const TMarques& marques, TListePoints& l, int32_t cap, TPlateau& p,
                     uint8_t c, uint8_t remplissage, int32_t ligne, int32_t colonne);
// Puts the stone of `c` back and gives every empty neighbour to `autre`.
void remetpierre(TPlateau& p, uint8_t c, uint8_t autre, int32_t ligne, int32_t colonne);
// With peintmortsavant: every chain of `c` marked in `marques` is taken off
// and its liberties painted `peinture`.
void peintchainesmortes(TPlateau& p, const TMarques& marques, uint8_t c, uint8_t peinture);
// An empty neighbour q of the stone at (ligne, colonne) where the other
// colour stands on a diagonal pair across the two points and the stone's
// colour on none of the four; the first one found (+row, -row, +col, -col).
bool pointcontactko(const TPlateau& p, int32_t ligne, int32_t colonne, TPoint& sortie);
// Flags bit 0x800 in liensessai for the points walked between `avant` and
// `apres`, as flagmarquesmorts (1, 2, 4 or 8) asks.
void marquezonesessais(const TMarques& avant, const TMarques& apres, int32_t ligne, int32_t colonne);
