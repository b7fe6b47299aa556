// Nebra: a small GTP engine. Optional argument: the seed of the generator.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "commands.h"
#include "interface.h"

int main(int argc, char** argv) {
  using namespace nebra;
  // Step 1. The seed, 1 unless the first argument reads as one
  unsigned seed = 1;
  if (argc > 1) {
    char* end = nullptr;
    errno = 0;
    unsigned long v = std::strtoul(argv[1], &end, 10);
    if (end != argv[1] && errno == 0 && v <= 0xffffffffUL) seed = static_cast<unsigned>(v);
  }
  // Step 2. Seed the generator (the engine reseeds from the clock)
  std::srand(seed);
  // Step 3. Replies reach the controller as they are written
  std::setbuf(stdout, nullptr);
  // Step 4. The protocol layer's size
  gtp_internal_set_boardsize(board_size);
  // Step 5. The application layer
  init_nebra();
  // Step 6. The command loop
  gtp_main_loop(commands, stdin, nullptr);
  return 0;
}
