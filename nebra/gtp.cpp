#include "gtp.h"

#include <cassert>
#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstring>
#include <string>

namespace nebra {

int gtp_boardsize = -1;
int current_id = -1;
FILE* gtp_output = nullptr;

namespace {

gtp_transform_ptr vertex_transform_input_hook = nullptr;
gtp_transform_ptr vertex_transform_output_hook = nullptr;

FILE* out() { return gtp_output ? gtp_output : stdout; }

bool blank(unsigned char c) { return std::isspace(c) != 0; }

// Reads one whole line, newline included; false at end of input with nothing read.
bool read_line(FILE* in, std::string& line) {
  line.clear();
  int ch;
  while ((ch = std::getc(in)) != EOF) {
    line.push_back(static_cast<char>(ch));
    if (ch == '\n') break;
  }
  return !line.empty();
}

// Line cleaning: tabs become blanks, control bytes go, '#' ends the line.
void clean_line(std::string& line) {
  std::string c;
  c.reserve(line.size());
  for (char ch : line) {
    unsigned char u = static_cast<unsigned char>(ch);
    if (u == '#') break;
    if (u == '\t') c.push_back(' ');
    else if (u == 0 || (u >= 1 && u <= 8) || (u >= 11 && u <= 31) || u == 127) continue;
    else c.push_back(ch);
  }
  line.swap(c);
}

// Reads a decimal number after blanks; `overflow` when it leaves the int range.
int scan_number(const char* s, long long* value, bool* overflow) {
  const char* p = s;
  while (*p && blank(static_cast<unsigned char>(*p))) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (!std::isdigit(static_cast<unsigned char>(*p))) return 0;
  long long v = 0;
  *overflow = false;
  while (std::isdigit(static_cast<unsigned char>(*p))) {
    if (v <= INT_MAX) v = v * 10 + (*p - '0');
    if (v > INT_MAX) *overflow = true;
    ++p;
  }
  *value = negative ? -v : v;
  return static_cast<int>(p - s);
}

// Reads a word of at most `width` characters after blanks.
int scan_word(const char* s, int width, char* word) {
  const char* p = s;
  while (*p && blank(static_cast<unsigned char>(*p))) ++p;
  int n = 0;
  while (*p && !blank(static_cast<unsigned char>(*p)) && n < width) word[n++] = *p++;
  word[n] = '\0';
  return n == 0 ? 0 : static_cast<int>(p - s);
}

void lower(char* w) {
  for (; *w; ++w) *w = static_cast<char>(std::tolower(static_cast<unsigned char>(*w)));
}

}  // namespace

int gtp_scan_int(const char* s, int* value) {
  long long v = 0;
  bool overflow = false;
  int n = scan_number(s, &v, &overflow);
  if (n == 0) return 0;
  if (overflow || v > INT_MAX || v < INT_MIN) v = v < 0 ? INT_MIN : INT_MAX;
  *value = static_cast<int>(v);
  return n;
}

// Reads, cleans and dispatches one line at a time until the input ends or a
// handler ends the loop.
void gtp_main_loop(const gtp_command commands[], FILE* gtp_input, FILE* gtp_dump_commands) {
  std::string line;
  // One whole line, whatever its length
  while (read_line(gtp_input, line)) {
    // Log the raw line
    if (gtp_dump_commands) {
      std::fwrite(line.data(), 1, line.size(), gtp_dump_commands);
      std::fflush(gtp_dump_commands);
    }
    // Clean it
    clean_line(line);
    std::string buf = line;
    buf.push_back('\0');
    char* p = buf.data();
    // An id in front
    long long id = 0;
    bool overflow = false;
    int n = scan_number(p, &id, &overflow);
    if (n > 0 && !overflow) {
      current_id = static_cast<int>(id);
      p += n;
    } else {
      current_id = -1;
    }
    // The command word
    while (*p && blank(static_cast<unsigned char>(*p))) ++p;
    if (!*p) continue;
    char* word = p;
    while (*p && !blank(static_cast<unsigned char>(*p))) ++p;
    if (*p) *p++ = '\0';
    while (*p && blank(static_cast<unsigned char>(*p))) ++p;
    // Look it up
    int status = 0;
    bool found = false;
    for (int k = 0; commands[k].name; ++k) {
      if (std::strcmp(word, commands[k].name) == 0) {
        status = commands[k].function(p);
        found = true;
        break;
      }
    }
    if (!found) gtp_failure("unknown command");
    // Carry on, panic or stop
    if (status == 1) {
      gtp_panic();
      break;
    }
    if (status != 0) break;
    // A reply that could not be written reaches nobody: stop reading.
    if (std::ferror(out())) break;
  }
  std::fflush(out());
}

void gtp_internal_set_boardsize(int size) { gtp_boardsize = size; }

void gtp_set_vertex_transform_hooks(gtp_transform_ptr in, gtp_transform_ptr out) {
  vertex_transform_input_hook = in;
  vertex_transform_output_hook = out;
}

void gtp_printf(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  std::vfprintf(out(), format, ap);
  va_end(ap);
}

// %c character, %d int, %f double, %s string, %m vertex (two ints), %C colour.
void gtp_mprintf(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  for (; *format; ++format) {
    if (*format != '%') {
      std::putc(*format, out());
      continue;
    }
    ++format;
    switch (*format) {
      case 'c':
        std::putc(va_arg(ap, int), out());
        break;
      case 'd':
        std::fprintf(out(), "%d", va_arg(ap, int));
        break;
      case 'f':
        std::fprintf(out(), "%f", va_arg(ap, double));
        break;
      case 's':
        std::fputs(va_arg(ap, char*), out());
        break;
      case 'm': {
        int i = va_arg(ap, int);
        int j = va_arg(ap, int);
        gtp_print_vertex(i, j);
        break;
      }
      case 'C': {
        int c = va_arg(ap, int);
        std::fputs(c == GTP_WHITE ? "white" : c == GTP_BLACK ? "black" : "empty", out());
        break;
      }
      case '\0':
        --format;
        break;
      default:
        std::fprintf(out(), "\n\nUnknown format character '%c'\n", *format);
        break;
    }
  }
  va_end(ap);
}

void gtp_start_response(int status) {
  std::putc(status == 0 ? '=' : '?', out());
  if (current_id < 0) std::putc(' ', out());
  else std::fprintf(out(), "%d ", current_id);
}

int gtp_finish_response() {
  std::fputs("\n\n", out());
  std::fflush(out());
  return 0;
}

int gtp_success(const char* format, ...) {
  gtp_start_response(0);
  va_list ap;
  va_start(ap, format);
  std::vfprintf(out(), format, ap);
  va_end(ap);
  return gtp_finish_response();
}

int gtp_failure(const char* format, ...) {
  gtp_start_response(1);
  va_list ap;
  va_start(ap, format);
  std::vfprintf(out(), format, ap);
  va_end(ap);
  return gtp_finish_response();
}

void gtp_panic() {
  std::fputs("! panic\n\n", out());
  std::fflush(out());
}

// "b", "black", "w" or "white" in any case: 2 or 1; the characters consumed, or 0.
int gtp_decode_color(char* s, int* color) {
  assert(gtp_boardsize > 0);
  char word[7];
  int n = scan_word(s, 6, word);
  if (n == 0) return 0;
  lower(word);
  if (std::strcmp(word, "b") == 0 || std::strcmp(word, "black") == 0) *color = GTP_BLACK;
  else if (std::strcmp(word, "w") == 0 || std::strcmp(word, "white") == 0) *color = GTP_WHITE;
  else return 0;
  return n;
}

// A letter (never I) and a number: the row i from the top, the column j.
int gtp_decode_coord(char* s, int* i, int* j) {
  assert(gtp_boardsize > 0);
  const char* p = s;
  while (*p && blank(static_cast<unsigned char>(*p))) ++p;
  if (!*p) return 0;
  int letter = std::tolower(static_cast<unsigned char>(*p++));
  long long number = 0;
  bool overflow = false;
  int n = scan_number(p, &number, &overflow);
  if (n == 0 || overflow || letter == 'i') return 0;
  p += n;
  long long jj = letter - 'a';
  if (letter > 'i') --jj;
  long long ii = gtp_boardsize - number;
  if (ii < 0 || ii >= gtp_boardsize || jj < 0 || jj >= gtp_boardsize) return 0;
  *i = static_cast<int>(ii);
  *j = static_cast<int>(jj);
  if (vertex_transform_input_hook) vertex_transform_input_hook(*i, *j, i, j);
  return static_cast<int>(p - s);
}

// A colour, then a vertex or "pass" (-1, -1); the characters consumed, or 0.
int gtp_decode_move(char* s, int* color, int* i, int* j) {
  assert(gtp_boardsize > 0);
  int n1 = gtp_decode_color(s, color);
  if (n1 == 0) return 0;
  int n2 = gtp_decode_coord(s + n1, i, j);
  if (n2 == 0) {
    char word[6];
    n2 = scan_word(s + n1, 5, word);
    if (n2 == 0) return 0;
    lower(word);
    if (std::strcmp(word, "pass") != 0) return 0;
    *i = -1;
    *j = -1;
  }
  return n1 + n2;
}

// Ascending by row, ties by column.
void sort_moves(int n, int movei[], int movej[]) {
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      if (movei[b] < movei[a] || (movei[b] == movei[a] && movej[b] < movej[a])) {
        int t = movei[a];
        movei[a] = movei[b];
        movei[b] = t;
        t = movej[a];
        movej[a] = movej[b];
        movej[b] = t;
      }
    }
  }
}

// Sorts the caller's pairs, then writes them blank-separated.
void gtp_print_vertices(int n, int movei[], int movej[]) {
  assert(gtp_boardsize > 0);
  sort_moves(n, movei, movej);
  for (int k = 0; k < n; ++k) {
    if (k > 0) std::putc(' ', out());
    int i = movei[k], j = movej[k];
    if (i == -1 && j == -1) {
      std::fputs("PASS", out());
    } else if (i < 0 || i >= gtp_boardsize || j < 0 || j >= gtp_boardsize) {
      std::fputs("??", out());
    } else {
      if (vertex_transform_output_hook) vertex_transform_output_hook(movei[k], movej[k], &i, &j);
      std::fprintf(out(), "%c%d", 'A' + j + (j >= 8 ? 1 : 0), gtp_boardsize - i);
    }
  }
}

void gtp_print_vertex(int i, int j) { gtp_print_vertices(1, &i, &j); }

}  // namespace nebra
