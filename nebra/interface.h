// Adapter between the protocol layer's vertices and colours and the engine's
// point codes and colours.
#pragma once

#include "nebra_engine.h"

namespace nebra {

extern int board_size;  // the size the controller asked for; kStartSize at start
extern float komi;      // the controller's komi; -3.14 at start
extern int final_status[kMaxSize * kMaxSize];  // row * board_size + column

// Final status codes.
constexpr int DEAD = 0, ALIVE = 1, NEUTRAL = 2, WHITE_AREA = 3, BLACK_AREA = 4, LISTED = 5;

int conv2gtp(int colour);
int conv2nebra(int colour);
int vertex2code(int i, int j);
void code2vertex(int code, int* i, int* j);

void init_nebra();
void clear_board();
void nebra_setboardsize(int n);
bool board_empty();
int get_board(int i, int j);
int get_string(int i, int j, int* stonei, int* stonej);
bool legal_move(int i, int j, int colour);
int play_move(int i, int j, int colour);
void generate_move(int* i, int* j, int colour);
void generate_move_kgs_cleanup(int* i, int* j, int colour);
void Nebra_notify_time_left(int seconds);
void GtpNebraSetKomi(float k);
void compute_final_status();
bool valid_fixed_handicap(int n);
void place_fixed_handicap(int n);
int place_free_handicap(int n);

}  // namespace nebra
