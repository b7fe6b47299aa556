#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/platform.h"

namespace platform {

void prendconsole() { ::signal(SIGPIPE, SIG_IGN); }

int litconsole(char* tampon, int cap) {
  if (cap <= 0) return -1;
  for (;;) {
    ssize_t n = ::read(STDIN_FILENO, tampon, static_cast<size_t>(cap));
    if (n >= 0) return static_cast<int>(n);
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      // A controller may hand over a non-blocking input: wait for bytes.
      pollfd p{STDIN_FILENO, POLLIN, 0};
      ::poll(&p, 1, -1);
      continue;
    }
    if (errno != EINTR) return -1;
  }
}

bool ecritconsole(const char* tampon, std::size_t n) {
  while (n > 0) {
    ssize_t k = ::write(STDOUT_FILENO, tampon, n);
    if (k < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        // A non-blocking output that is full: wait until it takes bytes.
        pollfd p{STDOUT_FILENO, POLLOUT, 0};
        ::poll(&p, 1, -1);
        continue;
      }
      return false;
    }
    tampon += k;
    n -= static_cast<std::size_t>(k);
  }
  return true;
}

}  // namespace platform
