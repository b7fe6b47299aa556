#include "commands.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "application.h"
#include "interface.h"

namespace nebra {

namespace {

bool blank(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// The first word of s (at most `width` characters kept); false when none.
bool first_word(const char* s, char* word, int width) {
  while (*s && blank(*s)) ++s;
  int n = 0;
  while (*s && !blank(*s)) {
    if (n < width) word[n++] = *s;
    ++s;
  }
  word[n] = '\0';
  return n > 0;
}

// Every stone on the board, rows from the top, each row left to right.
void print_stones() {
  static int is_[kMaxSize * kMaxSize], js_[kMaxSize * kMaxSize];
  int n = 0;
  for (int i = 0; i < board_size; ++i)
    for (int j = 0; j < board_size; ++j)
      if (get_board(i, j) != GTP_EMPTY) {
        is_[n] = i;
        js_[n] = j;
        ++n;
      }
  gtp_print_vertices(n, is_, js_);
}

int gtp_protocol_version(char*) { return gtp_success("2"); }

int gtp_name(char*) { return gtp_success("Nebra"); }

int gtp_version(char*) { return gtp_success("0.1"); }

int gtp_known_command(char* s) {
  char word[64];
  if (first_word(s, word, 63))
    for (int k = 0; commands[k].name; ++k)
      if (std::strcmp(word, commands[k].name) == 0) return gtp_success("true");
  return gtp_success("false");
}

int gtp_list_commands(char*) {
  gtp_start_response(0);
  for (int k = 0; commands[k].name; ++k) gtp_printf("%s\n", commands[k].name);
  gtp_printf("\n");
  return 0;
}

int gtp_quit(char*) {
  gtp_success("");
  return -1;
}

int gtp_set_boardsize(char* s) {
  int n;
  if (gtp_scan_int(s, &n) == 0) return gtp_failure("boardsize not an integer");
  if (n < 2 || n > kMaxSize) return gtp_failure("unacceptable size");
  board_size = n;
  gtp_internal_set_boardsize(n);
  nebra_setboardsize(n);
  return gtp_success("");
}

int gtp_clear_board(char*) {
  clear_board();
  return gtp_success("");
}

int gtp_set_komi(char* s) {
  char* end = nullptr;
  double k = std::strtod(s, &end);
  // A komi the engine's float cannot hold (or no number at all) is no komi.
  if (end == s || !std::isfinite(k) || std::fabs(k) > FLT_MAX) return gtp_failure("komi not a float");
  GtpNebraSetKomi(static_cast<float>(k));
  return gtp_success("");
}

// Checks shared by the handicap commands: true with n set, else false with the failure written.
bool handicap_count(char* s, int* n, bool fixed, int* status) {
  if (!board_empty()) {
    *status = gtp_failure("board not empty");
    return false;
  }
  if (gtp_scan_int(s, n) == 0) {
    *status = gtp_failure("handicap not an integer");
    return false;
  }
  if (*n <= 1 || (fixed && !valid_fixed_handicap(*n))) {
    *status = gtp_failure("invalid handicap");
    return false;
  }
  return true;
}

int gtp_fixed_handicap(char* s) {
  int n, status;
  if (!handicap_count(s, &n, true, &status)) return status;
  place_fixed_handicap(n);
  gtp_start_response(0);
  print_stones();
  return gtp_finish_response();
}

int gtp_place_free_handicap(char* s) {
  int n, status;
  if (!handicap_count(s, &n, false, &status)) return status;
  place_free_handicap(n);
  gtp_start_response(0);
  print_stones();
  return gtp_finish_response();
}

int gtp_set_free_handicap(char* s) {
  if (!board_empty()) return gtp_failure("board not empty");
  int stones = 0;
  for (;;) {
    int i, j;
    int n = gtp_decode_coord(s, &i, &j);
    if (n == 0) break;
    s += n;
    if (get_board(i, j) != GTP_EMPTY) {
      clear_board();
      return gtp_failure("repeated vertex");
    }
    if (play_move(i, j, GTP_BLACK) == 0) ++stones;
  }
  for (; *s; ++s) {
    if (!blank(*s)) {
      clear_board();
      return gtp_failure("invalid coordinate");
    }
  }
  if (stones < 2 || stones >= board_size * board_size) {
    clear_board();
    return gtp_failure("invalid handicap");
  }
  return gtp_success("");
}

int gtp_play(char* s) {
  int colour, i, j;
  if (!gtp_decode_move(s, &colour, &i, &j)) return gtp_failure("invalid color or coordinate");
  if (!legal_move(i, j, colour)) return gtp_failure("illegal move");
  if (play_move(i, j, colour) != 0) return gtp_failure("illegal move");
  return gtp_success("");
}

// Chooses and plays; a choice that cannot be played becomes a pass.
int genmove_common(char* s, bool cleanup) {
  int colour, i, j;
  if (!gtp_decode_color(s, &colour)) return gtp_failure("invalid color");
  if (cleanup) generate_move_kgs_cleanup(&i, &j, colour);
  else generate_move(&i, &j, colour);
  if (play_move(i, j, colour) != 0) {
    i = j = -1;
    play_move(i, j, colour);
  }
  gtp_start_response(0);
  gtp_mprintf("%m", i, j);
  return gtp_finish_response();
}

int gtp_genmove(char* s) { return genmove_common(s, false); }

int gtp_genmove_cleanup(char* s) { return genmove_common(s, true); }

int gtp_final_score(char*) {
  compute_final_status();
  float score = komi;
  for (int i = 0; i < board_size; ++i) {
    for (int j = 0; j < board_size; ++j) {
      int st = final_status[i * board_size + j];
      int c = get_board(i, j);
      if (st == BLACK_AREA) score -= 1;
      else if (st == WHITE_AREA) score += 1;
      else if (c == GTP_WHITE) score += st == ALIVE ? 1 : -1;
      else if (c == GTP_BLACK) score += st == ALIVE ? -1 : 1;
    }
  }
  if (score > 0) return gtp_success("W+%3.1f", score);
  if (score < 0) return gtp_success("B+%3.1f", -score);
  return gtp_success("0");
}

int gtp_final_status_list(char* s) {
  char word[16];
  if (!first_word(s, word, 15)) return gtp_failure("missing status");
  int status;
  if (std::strcmp(word, "alive") == 0) status = ALIVE;
  else if (std::strcmp(word, "dead") == 0) status = DEAD;
  else if (std::strcmp(word, "seki") == 0) status = NEUTRAL;
  else return gtp_failure("invalid status");
  compute_final_status();
  gtp_start_response(0);
  static int si[kMaxSize * kMaxSize], sj[kMaxSize * kMaxSize];
  bool first = true;
  for (int i = 0; i < board_size; ++i) {
    for (int j = 0; j < board_size; ++j) {
      if (get_board(i, j) == GTP_EMPTY || final_status[i * board_size + j] != status) continue;
      int n = get_string(i, j, si, sj);
      for (int k = 0; k < n; ++k) final_status[si[k] * board_size + sj[k]] = LISTED;
      if (!first) gtp_printf("\n");
      first = false;
      gtp_print_vertices(n, si, sj);
    }
  }
  return gtp_finish_response();
}

void letters_line() {
  gtp_printf("  ");
  for (int j = 0; j < board_size; ++j) gtp_printf(" %c", 'A' + j + (j >= 8 ? 1 : 0));
}

int gtp_showboard(char*) {
  gtp_start_response(0);
  gtp_printf("\n");
  letters_line();
  for (int i = 0; i < board_size; ++i) {
    gtp_printf("\n%2d", board_size - i);
    for (int j = 0; j < board_size; ++j) {
      int c = get_board(i, j);
      gtp_printf(" %c", c == GTP_BLACK ? 'X' : c == GTP_WHITE ? 'O' : '.');
    }
    gtp_printf(" %d", board_size - i);
  }
  gtp_printf("\n");
  letters_line();
  return gtp_finish_response();
}

int gtp_time_left(char* s) {
  char word[64];
  if (!first_word(s, word, 63)) return gtp_failure("Could not interpret the time left command.");
  while (*s && blank(*s)) ++s;
  while (*s && !blank(*s)) ++s;
  int seconds;
  if (gtp_scan_int(s, &seconds) != 0) Nebra_notify_time_left(seconds);
  return gtp_success("");
}

}  // namespace

const gtp_command commands[] = {
    {"protocol_version", gtp_protocol_version},
    {"name", gtp_name},
    {"version", gtp_version},
    {"known_command", gtp_known_command},
    {"list_commands", gtp_list_commands},
    {"quit", gtp_quit},
    {"boardsize", gtp_set_boardsize},
    {"clear_board", gtp_clear_board},
    {"komi", gtp_set_komi},
    {"fixed_handicap", gtp_fixed_handicap},
    {"place_free_handicap", gtp_place_free_handicap},
    {"set_free_handicap", gtp_set_free_handicap},
    {"play", gtp_play},
    {"genmove", gtp_genmove},
    {"final_score", gtp_final_score},
    {"final_status_list", gtp_final_status_list},
    {"showboard", gtp_showboard},
    {"kgs-genmove_cleanup", gtp_genmove_cleanup},
    {"time_left", gtp_time_left},
    {nullptr, nullptr},
};

}  // namespace nebra
