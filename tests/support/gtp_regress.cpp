// Runs a GTP transcript (.tst) against a program and checks its replies.
//
//   gtp_regress FILE.tst PROGRAM [ARGS...]
//
// Every line of the file is sent to the program byte for byte, except the
// runner's own lines, which start with "#?". A line that is a test carries a
// numeric id; the next "#? [regex]" line must match its whole reply text:
//   #? [regex]     the reply text matches (ECMAScript, whole text)
//   #? [!regex]    the reply text does not match
//   #? [...]*      a known failure: reported, never fails the file
// The reply text of a success is the text after "=id "; of a failure, "?"
// followed by the text after "?id ", so [\?illegal move] matches a failure.
//
// Every reply is also checked for framing ('=' or '?', the id echoed without
// leading zeros, one blank line ending it). At the end stdin is closed; the
// program must exit with status 0, having written nothing to stderr and
// nothing to stdout but replies.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tools/processus.h"

namespace {

using processus::Child;
using processus::pump;
using processus::start;

// What GTP makes of a line before deciding whether it is a command: control
// characters other than HT and LF removed, HT as space, comment cut, trimmed.
std::string preprocess(const std::string& line) {
  std::string s;
  for (unsigned char ch : line) {
    if (ch == '#') break;
    if (ch == '\t') s += ' ';
    else if (ch >= 32 && ch != 127) s += static_cast<char>(ch);
  }
  size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

bool alldigits(const std::string& w) {
  if (w.empty()) return false;
  for (char ch : w)
    if (ch < '0' || ch > '9') return false;
  return true;
}

std::string strip_zeros(const std::string& d) {
  size_t a = d.find_first_not_of('0');
  return a == std::string::npos ? "0" : d.substr(a);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: gtp_regress FILE.tst PROGRAM [ARGS...]\n");
    return 2;
  }
  signal(SIGPIPE, SIG_IGN);
  std::ifstream f(argv[1], std::ios::binary);
  if (!f) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  std::vector<std::string> lines;
  for (std::string l; std::getline(f, l);) lines.push_back(l);

  Child c;
  if (!start(c, argv + 2)) {
    std::fprintf(stderr, "cannot start %s\n", argv[2]);
    return 2;
  }

  int failures = 0, passes = 0, known = 0, unexpected = 0;
  bool quit = false;
  std::string lastid, lastreply, lastcmd;
  bool pending = false;  // a test whose expectation has not been read yet

  auto fail = [&](int lineno, const std::string& what) {
    std::printf("%s:%d: FAIL %s\n", argv[1], lineno, what.c_str());
    ++failures;
  };

  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    int lineno = static_cast<int>(i + 1);
    if (line.rfind("#?", 0) == 0) {
      if (!pending) {
        fail(lineno, "expectation without a numbered command before it");
        continue;
      }
      pending = false;
      size_t a = line.find('['), b = line.rfind(']');
      if (a == std::string::npos || b == std::string::npos || b < a) {
        fail(lineno, "malformed expectation");
        continue;
      }
      std::string pat = line.substr(a + 1, b - a - 1);
      bool knownfail = line.find('*', b) != std::string::npos;
      bool negate = !pat.empty() && pat[0] == '!';
      if (negate) pat.erase(0, 1);
      bool ok;
      try {
        ok = std::regex_match(lastreply, std::regex(pat)) != negate;
      } catch (const std::regex_error&) {
        fail(lineno, "bad regex " + pat);
        continue;
      }
      if (ok && knownfail) {
        std::printf("%s:%d: unexpected pass: %s\n", argv[1], lineno, lastcmd.c_str());
        ++unexpected;
      } else if (ok) {
        ++passes;
      } else if (knownfail) {
        ++known;
      } else {
        fail(lineno, lastcmd + "\n    got: [" + lastreply + "]\n    expected: " + line.substr(a));
      }
      continue;
    }

    std::string sent = line + "\n";
    if (write(c.in, sent.data(), sent.size()) < 0 && !quit) {
      fail(lineno, "program closed its input early");
      break;
    }
    if (quit) continue;  // commands after quit are never answered
    std::string cmd = preprocess(line);
    if (cmd.empty()) continue;

    std::istringstream ws(cmd);
    std::string first, word;
    ws >> first;
    std::string id;
    word = first;
    if (alldigits(first)) {
      id = first;
      ws >> word;
    }
    std::string reply;
    if (!processus::readreply(c, reply, processus::kBlocageMs)) {
      fail(lineno, "no reply to: " + cmd);
      break;
    }
    // Framing: status, id, text, exactly one blank line at the end.
    char status = reply[0];
    if (status != '=' && status != '?') {
      fail(lineno, "reply does not start with '=' or '?': [" + reply + "]");
      continue;
    }
    std::string body = reply.substr(1, reply.size() - 3);  // without status and "\n\n"
    if (!id.empty()) {
      std::string want = strip_zeros(id);
      if (body.compare(0, want.size(), want) != 0 ||
          (body.size() > want.size() && body[want.size()] != ' ' && body[want.size()] != '\n')) {
        fail(lineno, "id not echoed as " + want + ": [" + reply + "]");
        continue;
      }
      body.erase(0, want.size());
    } else if (!body.empty() && body[0] != ' ' && body[0] != '\n') {
      fail(lineno, "text not separated from status: [" + reply + "]");
      continue;
    }
    if (!body.empty() && body[0] == ' ') body.erase(0, 1);
    lastreply = status == '?' ? "?" + body : body;
    lastcmd = cmd;
    lastid = id;
    pending = !id.empty();
    if (word == "quit" && status == '=') quit = true;
  }

  // End of input: the program must leave cleanly and quietly.
  close(c.in);
  int st = 0;
  if (!processus::attendsortie(c, st, processus::kBlocageMs)) {
    kill(c.pid, SIGKILL);
    waitpid(c.pid, &st, 0);
    fail(static_cast<int>(lines.size()), "program did not exit after end of input");
  } else {
    pump(c, 50);
    pump(c, 50);
    if (!WIFEXITED(st) || WEXITSTATUS(st) != 0)
      fail(static_cast<int>(lines.size()), "program exit status " + std::to_string(WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st)));
  }
  if (!c.outbuf.empty()) fail(static_cast<int>(lines.size()), "stray output on stdout: [" + c.outbuf + "]");
  if (!c.errbuf.empty()) fail(static_cast<int>(lines.size()), "output on stderr: [" + c.errbuf + "]");

  std::printf("%s: %d passed, %d failed, %d known failures, %d unexpected passes\n", argv[1], passes, failures, known,
              unexpected);
  return failures ? 1 : 0;
}
