// GTP protocol layer: read-dispatch loop, response writers, decoders of
// colours, vertices and moves, and the vertex printer.
#pragma once

#include <cstdio>

namespace nebra {

// A handler takes the rest of the command line and returns 0 to carry on,
// 1 for a fatal error, anything else to end the loop.
using gtp_fn_ptr = int (*)(char* s);

struct gtp_command {
  const char* name;  // null ends the table
  gtp_fn_ptr function;
};

// Optional vertex transform: (i, j) in, the transformed pair out.
using gtp_transform_ptr = void (*)(int i, int j, int* ti, int* tj);

// Colours of the protocol layer.
constexpr int GTP_EMPTY = 0, GTP_WHITE = 1, GTP_BLACK = 2;

extern int gtp_boardsize;  // vertices are checked against it; -1 until set
extern int current_id;     // id of the command being answered; -1 none
extern FILE* gtp_output;   // where replies go; null means standard output

void gtp_main_loop(const gtp_command commands[], FILE* gtp_input, FILE* gtp_dump_commands);
void gtp_internal_set_boardsize(int size);
// Hooks applied to every decoded and every printed vertex; null leaves vertices unchanged.
void gtp_set_vertex_transform_hooks(gtp_transform_ptr in, gtp_transform_ptr out);
void gtp_printf(const char* format, ...);
void gtp_mprintf(const char* format, ...);
void gtp_start_response(int status);
int gtp_finish_response();
int gtp_success(const char* format, ...);
int gtp_failure(const char* format, ...);
void gtp_panic();
int gtp_decode_color(char* s, int* color);
int gtp_decode_coord(char* s, int* i, int* j);
int gtp_decode_move(char* s, int* color, int* i, int* j);
void sort_moves(int n, int movei[], int movej[]);
void gtp_print_vertices(int n, int movei[], int movej[]);
void gtp_print_vertex(int i, int j);

// Range-checked "%d": skips blanks, reads an optional sign and digits,
// saturating at the int range. Returns the characters consumed, 0 when no number.
int gtp_scan_int(const char* s, int* value);

}  // namespace nebra
