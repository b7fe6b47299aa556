// Nebra: a small GTP engine. Optional argument: the seed of the generator,
// a number; any other first argument is refused.
#include <cstdio>
#include <cstdlib>

#include "commands.h"
#include "interface.h"

namespace {

// The seed: decimal digits only, within 32 bits.
bool read_seed(const char* text, unsigned& seed) {
  if (*text == '\0') return false;
  unsigned long long v = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return false;
    v = v * 10 + static_cast<unsigned>(*p - '0');
    if (v > 0xffffffffULL) return false;
  }
  seed = static_cast<unsigned>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace nebra;
  // The seed, 1 unless given; anything but a number ends the program before
  // it reads its input.
  unsigned seed = 1;
  if (argc > 1 && !read_seed(argv[1], seed)) {
    std::fprintf(stderr, "nebra: the seed must be a number from 0 to 4294967295\n");
    return 2;
  }
  // The engine reseeds from the clock at its start.
  std::srand(seed);
  // Replies reach the controller as they are written.
  std::setbuf(stdout, nullptr);
  gtp_internal_set_boardsize(board_size);
  init_nebra();
  gtp_main_loop(commands, stdin, nullptr);
  // A reply that could not be written is a failure.
  return std::ferror(stdout) ? 1 : 0;
}
