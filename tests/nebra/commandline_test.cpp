// The program's command line: the seed is a number or the program refuses to
// start, saying so.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "tools/processus.h"

#ifdef NEBRA_BIN
namespace {

struct Issue {
  std::string sortie, erreurs;
  int statut = -1;  // exit status, 128 + signal, -1 when it had to be killed
};

// Runs Nebra with `args`, sends "1 name" and leaves its input open: a program
// that refuses its command line must end without reading it.
Issue lance(const std::vector<std::string>& args, bool quitte) {
  signal(SIGPIPE, SIG_IGN);
  std::vector<char*> argv{const_cast<char*>(NEBRA_BIN)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  processus::Child c;
  Issue r;
  if (!processus::start(c, argv.data())) return r;
  const std::string entree = quitte ? "1 name\n2 quit\n" : "1 name\n";
  if (write(c.in, entree.data(), entree.size()) < 0) close(c.in), c.in = -1;
  int st = 0;
  if (!processus::attendsortie(c, st, processus::kBlocageMs)) {
    kill(c.pid, SIGKILL);
    waitpid(c.pid, &st, 0);
  } else {
    r.statut = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  }
  while (!c.outclosed || c.err >= 0) processus::pump(c, 50);
  if (c.in >= 0) close(c.in);
  close(c.out);
  r.sortie = c.outbuf;
  r.erreurs = c.errbuf;
  return r;
}

TEST(CommandLine, SeedsThatAreNumbersStartTheProgram) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"0"}, {"12"}, {"4294967295"}, {"7", "extra"}}) {
    SCOPED_TRACE(args.empty() ? "(none)" : args[0]);
    const Issue r = lance(args, true);
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, "=1 Nebra\n\n=2 \n\n");
    EXPECT_EQ(r.erreurs, "");
  }
}

TEST(CommandLine, OtherSeedsAreRefusedWithAMessage) {
  for (const char* graine : {"abc", "12abc", "", "-1", "+5", " 7", "4294967296", "99999999999999999999", "1.5"}) {
    SCOPED_TRACE(std::string("\"") + graine + "\"");
    const Issue r = lance({graine}, false);
    EXPECT_NE(r.statut, 0);
    EXPECT_NE(r.statut, -1) << "still running";
    EXPECT_EQ(r.sortie, "");
    EXPECT_NE(r.erreurs.find("seed"), std::string::npos) << r.erreurs;
    EXPECT_EQ(std::count(r.erreurs.begin(), r.erreurs.end(), '\n'), 1) << r.erreurs;
  }
}

// Exit status of Nebra fed "1 name" then "2 quit" on an input that then
// ends, its standard output closed (sortie < 0) or the file `sortie` names.
int statutsanssortie(const char* sortie) {
  signal(SIGPIPE, SIG_IGN);
  int pin[2];
  if (pipe(pin)) return -1;
  const std::string entree = "1 name\n2 quit\n";
  if (write(pin[1], entree.data(), entree.size()) != static_cast<ssize_t>(entree.size())) return -1;
  close(pin[1]);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pin[0], 0);
    close(pin[0]);
    close(1);
    if (sortie && open(sortie, O_WRONLY) != 1) _exit(126);
    execl(NEBRA_BIN, NEBRA_BIN, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pin[0]);
  int st = 0;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(processus::kBlocageMs);
  while (waitpid(pid, &st, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > limite) {
      kill(pid, SIGKILL);
      waitpid(pid, &st, 0);
      return -1;
    }
    usleep(1000);
  }
  return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
}

// A reply that cannot be written is a failure the exit status reports.
TEST(CommandLine, UnwritableOutputEndsItWithAFailure) {
  EXPECT_EQ(statutsanssortie("/dev/null"), 0);
  const int pleine = statutsanssortie("/dev/full");
  EXPECT_NE(pleine, 0);
  EXPECT_LT(pleine, 126) << "ended by a signal or not started";
  const int fermee = statutsanssortie(nullptr);
  EXPECT_NE(fermee, 0);
  EXPECT_LT(fermee, 126);
}

}  // namespace
#endif
