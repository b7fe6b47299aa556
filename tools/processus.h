// A GTP program run as a child process: its stdin, stdout and stderr are
// pipes; replies are read up to the blank line that ends them.
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>

namespace processus {

// The wait after which a program that gives no sign of life (no reply, no
// exit) is taken as hung: a hang detector, long enough for a sanitizer build
// on a machine kept busy by other work. No reply is ever expected this late.
constexpr int kBlocageMs = 600000;

struct Child {
  pid_t pid = -1;
  int in = -1, out = -1, err = -1;
  std::string outbuf, errbuf;
  bool outclosed = false;
};

// Starts argv[0] with its arguments (argv ends with nullptr).
inline bool start(Child& c, char** argv) {
  int pin[2], pout[2], perr[2];
  if (pipe(pin) || pipe(pout) || pipe(perr)) return false;
  c.pid = fork();
  if (c.pid < 0) return false;
  if (c.pid == 0) {
    dup2(pin[0], 0);
    dup2(pout[1], 1);
    dup2(perr[1], 2);
    close(pin[0]), close(pin[1]), close(pout[0]), close(pout[1]), close(perr[0]), close(perr[1]);
    execv(argv[0], argv);
    _exit(127);
  }
  close(pin[0]), close(pout[1]), close(perr[1]);
  c.in = pin[1], c.out = pout[0], c.err = perr[0];
  fcntl(c.out, F_SETFL, O_NONBLOCK);
  fcntl(c.err, F_SETFL, O_NONBLOCK);
  return true;
}

// Reads whatever is available on stdout and stderr, waiting up to `ms`.
inline void pump(Child& c, int ms) {
  pollfd fds[2] = {{c.outclosed ? -1 : c.out, POLLIN, 0}, {c.err, POLLIN, 0}};
  if (fds[0].fd < 0 && fds[1].fd < 0) {
    usleep(static_cast<useconds_t>(ms) * 1000);
    return;
  }
  int n = poll(fds, 2, ms);
  if (n <= 0) return;
  char buf[65536];
  for (int i = 0; i < 2; ++i) {
    if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
    ssize_t k = read(fds[i].fd, buf, sizeof buf);
    if (k > 0) (i == 0 ? c.outbuf : c.errbuf).append(buf, static_cast<size_t>(k));
    if (k == 0 && i == 0) c.outclosed = true;
    if (k == 0 && i == 1) close(c.err), c.err = -1;
  }
}

// Waits for the child to end, reading its output meanwhile, at most `ms` of
// wall time. True with its wait status (and its resource use when asked);
// false when it is still running.
inline bool attendsortie(Child& c, int& statut, int ms, rusage* ressources = nullptr) {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    rusage ru{};
    const pid_t fini = wait4(c.pid, &statut, WNOHANG, &ru);
    if (fini == c.pid) {
      if (ressources) *ressources = ru;
      c.pid = -1;
      return true;
    }
    if (fini < 0 || std::chrono::steady_clock::now() >= limite) return false;
    pump(c, 50);
  }
}

// Takes one reply (up to and including "\n\n") from stdout; false on
// timeout (`ms` of wall time, however the reply trickles in) or end of output.
inline bool readreply(Child& c, std::string& reply, int ms) {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    size_t p = c.outbuf.find("\n\n");
    if (p != std::string::npos) {
      reply = c.outbuf.substr(0, p + 2);
      c.outbuf.erase(0, p + 2);
      return true;
    }
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(limite - std::chrono::steady_clock::now());
    if (c.outclosed || reste.count() <= 0) return false;
    pump(c, static_cast<int>(std::min<long long>(reste.count(), 100)));
  }
}

}  // namespace processus
