// The front end's own record of the game: settings, board, move list, the
// captures of the last move, the clocks; move play with captures, the
// legality and ko test, the game phase and undo.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/board/types.h"

// A clock: seconds left (-1 = no limit) and stones to play in them
// (0 = main time or no period, -1 = absolute time).
struct THorloge {
  int32_t temps = -1;
  int32_t pierres = 0;
};

extern TConfig configgtp;         // the game settings record
extern TPlateau plateaugtp;       // the game position; points beyond the size stay empty
extern TListeCoups listecoupsgtp; // moves played, handicap stones included
extern TListePoints capturesgtp;  // stones removed by the last stone played on plateaugtp
extern THorloge horlogeblanc;
extern THorloge horlogenoir;
extern uint8_t taillesacceptees;  // bit indextaille(n) set = boardsize n accepted
extern std::string versiongtp;    // "3.1.5.7, level " + start-up level

// Game initialisation, once at start-up: size 19, komi 5.5, empty board,
// clocks without limit, the random generator seeded.
void gtpinitpartie(int32_t niveau, uint8_t regle, uint8_t tailles);
// Empties the board (all 361 points) and the move list, clears the player
// names. Settings, handicap, clocks and the capture record are kept.
void gtpclearboard();

// Plays a stone of `couleur` at (ligne, colonne) on `plateau` of size
// `taille`, removing captured enemy chains; their stones are listed in
// `captures` (count 0 first). A pass, an occupied point or a suicide leaves
// the board as it was. The point must be on the board or a pass.
void gtpjouecoup(TListePoints& captures, int32_t capacite, TPlateau& plateau, int32_t ligne, int32_t colonne,
                 uint8_t couleur, uint8_t ennemi, int32_t taille);

// Legality of a move on plateaugtp: 0 legal (a pass included), 3 off the
// board, 4 occupied point, 5 suicide, 6 ko retake.
int gtpcouplegal(uint8_t couleur, int32_t ligne, int32_t colonne);
// False when the move, whose own captures are `captures`, retakes the ko.
bool gtptesteko(int32_t ligne, int32_t colonne, const TListePoints& captures);
// Plays a legal move on plateaugtp (capturesgtp gets its captures; a pass
// empties it) and gives 0; an illegal move changes nothing and gives 1.
int gtpjouelegal(uint8_t couleur, int32_t ligne, int32_t colonne);
// The play road: legality, play and record. 0 done, 2 illegal or the move
// list full (nothing changed).
int gtpplaycoup(uint8_t couleur, int32_t ligne, int32_t colonne);

// 0 while handicap stones are placed, 1 for the first move after them, 2 later.
int32_t phasepartie();
// Takes back the last move by replaying the others on a cleared board.
// 0 done, 1 no move beyond the handicap stones.
int gtpundo();
const std::string& gtpversion();

// Colour word, without regard to case: "w"/"white" 0, "b"/"black" 1, else 2.
uint8_t gtpcouleur(std::string_view mot);

enum TLectureVertex { VERTEXOK = 0, VERTEXMALFORME = 1, VERTEXHORSPLATEAU = 2 };
// Reads a vertex word, without regard to case: "pass" gives (0, 0); a letter
// A-H or J-Z and a positive number give (row, column). A well-formed vertex
// beyond the board size gives VERTEXHORSPLATEAU (a and b then unset).
TLectureVertex gtplitvertex(std::string_view mot, int32_t& a, int32_t& b);
// Vertex text of (a, b): "PASS" for a = 0, else letter (I skipped) and number.
std::string gtpvertex(int32_t a, int32_t b);
