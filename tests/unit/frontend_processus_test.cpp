// The program itself fed raw bytes on its standard input: end of input,
// binary junk, very long lines, and the command-line cases.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "tools/processus.h"

namespace {

struct Issue {
  std::string sortie, erreurs;
  int statut = -1;  // exit status, 128 + signal, or -1 when it had to be killed
};

// Runs vesmok_det with `args`, writes `entree` to its standard input, then
// closes it (unless `fermer` is false: then the program must end by itself).
Issue lance(const std::vector<std::string>& args, const std::string& entree, bool fermer = true) {
  signal(SIGPIPE, SIG_IGN);
  int pin[2], pout[2], perr[2];
  Issue r;
  if (pipe(pin) || pipe(pout) || pipe(perr)) return r;
  pid_t pid = fork();
  if (pid == 0) {
    dup2(pin[0], 0), dup2(pout[1], 1), dup2(perr[1], 2);
    for (int f : {pin[0], pin[1], pout[0], pout[1], perr[0], perr[1]}) close(f);
    std::vector<char*> argv{const_cast<char*>(VESMOK_DET)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pin[0]), close(pout[1]), close(perr[1]);
  fcntl(pin[1], F_SETFL, O_NONBLOCK);
  size_t ecrit = 0;
  int in = pin[1], out = pout[0], err = perr[0];
  if (entree.empty() && fermer) close(in), in = -1;
  for (int attente = 0; (out >= 0 || err >= 0) && attente < processus::kBlocageMs;) {
    pollfd fds[3] = {{in, POLLOUT, 0}, {out, POLLIN, 0}, {err, POLLIN, 0}};
    if (poll(fds, 3, 50) == 0) attente += 50;
    if (in >= 0 && (fds[0].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t k = write(in, entree.data() + ecrit, entree.size() - ecrit);
      if (k > 0) ecrit += static_cast<size_t>(k);
      if (k < 0 || ecrit == entree.size()) {
        if (fermer || k < 0) close(in), in = -1;
        else fds[0].fd = -1, in = -in - 2;  // keep it open, stop writing
      }
    }
    char tampon[65536];
    for (int i = 1; i < 3; ++i) {
      int& fd = i == 1 ? out : err;
      if (fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      ssize_t k = read(fd, tampon, sizeof tampon);
      if (k > 0) (i == 1 ? r.sortie : r.erreurs).append(tampon, static_cast<size_t>(k));
      else close(fd), fd = -1;
    }
  }
  if (in >= 0) close(in);
  if (in < -1) close(-in - 2);
  int st = 0;
  if (out >= 0 || err >= 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &st, 0);
    return r;
  }
  waitpid(pid, &st, 0);
  r.statut = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  return r;
}

TEST(Program, EndOfInputEndsItCleanly) {
  for (const char* entree : {"", "name", "1 name\n2 play b D4", "\x01\x02\xff"}) {
    Issue r = lance({}, entree);
    EXPECT_EQ(r.statut, 0) << entree;
    EXPECT_EQ(r.erreurs, "");
  }
}

TEST(Program, LastLineWithoutLineFeedIsAnswered) {
  EXPECT_EQ(lance({}, "name").sortie, "= Molvane\n\n");
  EXPECT_EQ(lance({}, "1 name\n2 play b D4").sortie, "=1 Molvane\n\n=2 \n\n");
  // Nothing left to answer: a blank or comment tail, or a tail after quit.
  EXPECT_EQ(lance({}, "1 name\n  # x").sortie, "=1 Molvane\n\n");
  EXPECT_EQ(lance({}, "1 quit\n2 name", false).sortie, "=1 \n\n");
}

TEST(Program, QuitAnswersTheRestOfItsChunkThenEndsWithoutEndOfInput) {
  Issue r = lance({}, "quit\nname\n", false);
  EXPECT_EQ(r.statut, 0);
  EXPECT_EQ(r.sortie, "= \n\n= Molvane\n\n");
}

TEST(Program, BinaryJunkGetsFramedRepliesOnly) {
  std::mt19937 alea(3);
  std::string junk;
  for (int i = 0; i < 200000; ++i) junk += static_cast<char>(alea() % 256);
  Issue r = lance({}, junk + "\n9 name\n");
  EXPECT_EQ(r.statut, 0);
  EXPECT_EQ(r.erreurs, "");
  ASSERT_GE(r.sortie.size(), 12u);
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 12), "=9 Molvane\n\n");
  for (size_t i = 0; i < r.sortie.size();) {
    size_t fin = r.sortie.find("\n\n", i);
    ASSERT_NE(fin, std::string::npos);
    ASSERT_TRUE(r.sortie[i] == '=' || r.sortie[i] == '?') << r.sortie.substr(i, 30);
    i = fin + 2;
  }
}

TEST(Program, HugeLinesAreAnswered) {
  const std::string entree = "1 name " + std::string(100 * 1024, 'x') + "\n" + std::string(100 * 1024, 'y') +
                             "\n2 play b " + std::string(100 * 1024, '9') + "\n3 " + std::string(3 << 20, '7') +
                             "\n4 " + std::string(100 * 1024, '0') + "12 name\n5 name\n";
  Issue r = lance({}, entree);
  EXPECT_EQ(r.statut, 0);
  EXPECT_EQ(r.erreurs, "");
  EXPECT_EQ(r.sortie,
            "=1 Molvane\n\n? unknown command\n\n?2 syntax error\n\n?3 unknown command\n\n?4 unknown command\n\n"
            "=5 Molvane\n\n");
}

TEST(Program, CommandLineCases) {
  struct Cas {
    std::vector<std::string> args;
    std::string attendu;  // replies to "1 version\n2 boardsize 9\n3 boardsize 11\n4 boardsize 15\n"
  } cas[] = {
      {{}, "=1 3.1.5.7, level 7\n\n=2 \n\n?3 unacceptable size\n\n?4 unacceptable size\n\n"},
      {{"--size", "11", "15", "--level", "3"},
       "=1 3.1.5.7, level 3\n\n?2 unacceptable size\n\n=3 \n\n=4 \n\n"},
      {{"--size", "10"}, "=1 3.1.5.7, level 7\n\n=2 \n\n?3 unacceptable size\n\n?4 unacceptable size\n\n"},
      {{"foo", "--level", "x"}, "=1 3.1.5.7, level 7\n\n=2 \n\n?3 unacceptable size\n\n?4 unacceptable size\n\n"},
      {{"--level", "10", "--rules", "japanese"},
       "=1 3.1.5.7, level 10\n\n=2 \n\n?3 unacceptable size\n\n?4 unacceptable size\n\n"},
  };
  for (const Cas& c : cas) {
    std::string nom;
    for (const std::string& a : c.args) nom += a + " ";
    SCOPED_TRACE(nom);
    Issue r = lance(c.args, "1 version\n2 boardsize 9\n3 boardsize 11\n4 boardsize 15\n");
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, c.attendu);
    EXPECT_EQ(r.erreurs, "");
  }
}

// A bad option value ends the program before it reads its input: no reply,
// one line on stderr naming the option, a failing exit status. The input is
// left open, so a program that read it would never end.
TEST(Program, BadOptionValuesEndItWithAMessageAndAFailure) {
  struct Cas {
    std::vector<std::string> args;
    const char* option;
  } cas[] = {
      {{"--level", "abc"}, "--level"},
      {{"--level", "-1"}, "--level"},
      {{"--level", "99999999999999999999"}, "--level"},
      {{"--level", "4294967296"}, "--level"},
      {{"--level"}, "--level"},
      {{"--size", "9", "--level", "x"}, "--level"},
      {{"--rules", "xyz"}, "--rules"},
      {{"--rules", "Chinese"}, "--rules"},
      {{"--rules"}, "--rules"},
  };
  for (const Cas& c : cas) {
    std::string nom;
    for (const std::string& a : c.args) nom += a + " ";
    SCOPED_TRACE(nom);
    Issue r = lance(c.args, "1 version\n", false);
    EXPECT_NE(r.statut, 0);
    EXPECT_NE(r.statut, -1) << "still running";
    EXPECT_EQ(r.sortie, "");
    EXPECT_NE(r.erreurs.find(c.option), std::string::npos) << r.erreurs;
    EXPECT_EQ(std::count(r.erreurs.begin(), r.erreurs.end(), '\n'), 1) << r.erreurs;
    EXPECT_EQ(r.erreurs.back(), '\n');
  }
}

}  // namespace

namespace {

// Vesmok as a child on two pipes; its stdin or stdout end made non-blocking
// when asked. The caller holds the other two ends.
struct Enfant {
  pid_t pid;
  int entree;  // we write the commands here
  int sortie;  // and read the replies here
};

Enfant lancevesmok(bool entreenonbloquante = false, bool sortienonbloquante = false) {
  int pin[2], pout[2];
  if (pipe(pin) != 0 || pipe(pout) != 0) return {-1, -1, -1};
  if (entreenonbloquante) fcntl(pin[0], F_SETFL, O_NONBLOCK);
  if (sortienonbloquante) fcntl(pout[1], F_SETFL, O_NONBLOCK);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pin[0], 0), dup2(pout[1], 1);
    for (int f : {pin[0], pin[1], pout[0], pout[1]}) close(f);
    execl(VESMOK_DET, VESMOK_DET, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pin[0]), close(pout[1]);
  return {pid, pin[1], pout[0]};
}

// Everything the child writes until it closes its output; the end is closed.
std::string littout(int fd) {
  std::string texte;
  char tampon[65536];
  for (ssize_t k; (k = read(fd, tampon, sizeof tampon)) > 0;) texte.append(tampon, static_cast<size_t>(k));
  close(fd);
  return texte;
}

}  // namespace

namespace {

// A controller that stops reading our replies while it keeps writing
// commands (yes list_commands | vesmok | head -c 10): the program ends by
// itself, not by signal, with a failing status, though its input never ends.
TEST(Program, ClosedOutputEndsIt) {
  const Enfant e = lancevesmok();
  ASSERT_GT(e.pid, 0);
  const pid_t pid = e.pid;
  close(e.sortie);  // nobody reads the replies
  signal(SIGPIPE, SIG_IGN);
  fcntl(e.entree, F_SETFL, O_NONBLOCK);
  const std::string lignes = "name\nlist_commands\n";
  int st = 0;
  pid_t fini = 0;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(processus::kBlocageMs);
  while ((fini = waitpid(pid, &st, WNOHANG)) == 0 && std::chrono::steady_clock::now() < limite) {
    if (write(e.entree, lignes.data(), lignes.size()) < 0) usleep(1000);
  }
  close(e.entree);
  if (fini == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &st, 0);
    FAIL() << "still running with its output closed";
  }
  ASSERT_TRUE(WIFEXITED(st)) << "ended by signal " << WTERMSIG(st);
  EXPECT_NE(WEXITSTATUS(st), 0);
}

}  // namespace

namespace {

// A controller may hand over a non-blocking input: the program waits for its
// bytes instead of taking "no bytes yet" for the end of input.
TEST(Program, NonBlockingInputIsWaitedFor) {
  const Enfant e = lancevesmok(true, false);
  ASSERT_GT(e.pid, 0);
  const pid_t pid = e.pid;
  usleep(100000);  // the program reads an empty non-blocking pipe first
  const std::string entree = "1 name\n";
  ASSERT_EQ(write(e.entree, entree.data(), entree.size()), static_cast<ssize_t>(entree.size()));
  close(e.entree);
  const std::string sortie = littout(e.sortie);
  int st = 0;
  waitpid(pid, &st, 0);
  EXPECT_EQ(sortie, "=1 Molvane\n\n");
  ASSERT_TRUE(WIFEXITED(st));
  EXPECT_EQ(WEXITSTATUS(st), 0);
}

}  // namespace

namespace {

// A non-blocking output that fills up is waited on: no reply is lost and the
// program does not take a full pipe for a closed one.
TEST(Program, NonBlockingOutputIsWaitedFor) {
  const Enfant e = lancevesmok(false, true);
  ASSERT_GT(e.pid, 0);
  const pid_t pid = e.pid;
  // About 300 KB of replies, far beyond what the pipe holds.
  std::string entree;
  for (int i = 0; i < 1000; ++i) entree += "list_commands\n";
  entree += "7 name\n";
  ASSERT_EQ(write(e.entree, entree.data(), entree.size()), static_cast<ssize_t>(entree.size()));
  close(e.entree);
  usleep(100000);  // the pipe fills before anything is read
  const std::string sortie = littout(e.sortie);
  int st = 0;
  waitpid(pid, &st, 0);
  ASSERT_TRUE(WIFEXITED(st));
  EXPECT_EQ(WEXITSTATUS(st), 0);
  ASSERT_GE(sortie.size(), 12u);
  EXPECT_EQ(sortie.substr(sortie.size() - 12), "=7 Molvane\n\n");
  size_t replies = 0;
  for (size_t p = 0; (p = sortie.find("\n\n", p)) != std::string::npos; p += 2) ++replies;
  EXPECT_EQ(replies, 1001u);
}

}  // namespace
