// Unit bonus: the evaluation terms of a move at p on a board B. Each adds to
// or subtracts from one accumulator (added when the stone or colour it
// judges is the reference colour m, subtracted otherwise) and leaves the
// board, infochaine and the dead-stone maps as it found them.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"

// Enemy chains next to p that are in atari, or caught in a ladder with two
// liberties; `chaine` non-zero widens the look to p's whole chain; d the
// depth of the move in the line (1 = the candidate).
void bonuslibertesvoisines(TPlateau& p, int32_t& valeur, uint8_t m, int32_t chaine, int32_t d, int32_t ligne,
                           int32_t colonne);

// Own stones reached from p by a flood of the empty points within `rayon`,
// when the zone touches a live enemy stone.
void comptezonevoisins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne,
                       int32_t rayon);

// Chains of X cut off by the move of Y at p (its captures `prises`); returns
// what it adds.
int32_t liaisonchainesenatari(int32_t& valeur, const TPrisesMarquees& prises, TPlateau& p, uint8_t x, uint8_t y,
                              int32_t ligne, int32_t colonne);

// Regions of the other colour that the stone at p separates; `marques` and
// `statut` the dead marks after and before the move's readings, `liste` the
// own stones the move took out of atari, `second` the board before the move.
void bonuscoupureregions(const TMarques& marques, const TMarques& statut, TListePoints& liste, TPlateau& p,
                         const TPlateau& second, int32_t ligne, int32_t colonne, int32_t& valeur, uint8_t mode);

// A move next to enemy chains inside the other colour's area or nobody's.
void bonusvoisinsennemis(TPlateau& p, int32_t& valeur, uint8_t m, int32_t mode, int32_t ligne, int32_t colonne,
                         int32_t faiblesse);

// Edge term: a stone on the first line, the empty lines between p and a
// near edge, the framework shapes of the corners.
void bonusbord(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);

// Open-area term: an empty 3x3 block around p, more when the squares around
// it are empty too, and the opening lines.
void zonevide3x3(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);

// Clears the candidate adjustment map `carte` ("titebite") for the turn.
void effacecartebonus(TCarte& carte);

// ---- Terms of the move search ------------------------------------------------------------
// Common arguments: the search board, the accumulator, the reference colour
// m, the move's point; d the move's depth in the line (1 = the root move),
// T the chain-test value of the move (testechaineh8), A0 the mover's stones
// in atari before the move (0 beyond depth 3).

// Local terms.
void bonusesca(TPlateau& p, int32_t& valeur, uint8_t m, const TMarques& marques, int32_t d, int32_t t,
               int32_t ligne, int32_t colonne);
void bonusatari(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, uint8_t c, int32_t a0, int32_t t, int32_t ligne,
                int32_t colonne);
void bonusvoisinsatari(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t t, int32_t ligne,
                       int32_t colonne);
void bonussortieesca(TPlateau& p, int32_t& valeur, uint8_t m, const TMarques& escaliers, int32_t rayon,
                     int32_t ligne, int32_t colonne);
void bonuscoins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne);
void termeinactif(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
void bonusformecoupure(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
void bonusmortsprofondeur(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, uint8_t c, const TMarques& m1,
                          const TMarques& m2, int32_t ligne, int32_t colonne);
void bonusrelielesgroupes(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
void empechedefaire2yeux(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, TMarques& memo, int32_t ligne,
                         int32_t colonne);
void bonuspierreisoleebord(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t x, uint8_t y, int32_t ligne,
                           int32_t colonne);
void bonusrampebord(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
// Copies pointko into `sortie`.
void pointkocourant(TPoint& sortie);

// Territory terms.
void bonusterritoire(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void ajustemortsterritoire(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusdifferenceterritoire(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);

// Adjustment terms of the candidates and the line.
void bonusmortssauvesessai(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusfaiblesliees(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusfaibles(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void ajustevaleurcandidat(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusstrategiecoup(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonuscartesdeuxcoups(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonuscapturesligne(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
// Sets `resultat` (the reply-side flag of the search) to 1 when it cut.
void bonusdeuxyeuxcoupure(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne,
                          uint8_t& resultat);
void bonuslibertescoup(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusmarquesmorts(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusreprisevoisins(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusliaisonsurvie(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonuspierresprenables(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonuscoupforceordi(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonuscoupforcejoueur(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusinvasion(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonuslecturezone(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bilanpierresfinal(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
void bonusmoyodomine(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne);
