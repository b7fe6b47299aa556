// The program's command line: the seed is a number or the program refuses to
// start, saying so.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

}  // namespace
#endif
