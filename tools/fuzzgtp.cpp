// Seeded GTP fuzz run against a real program: real play mixed with malformed
// lines, every reply checked for framing, id and step, the program's board
// followed by a game model. Build it with the sanitizers for long runs.
//
//   fuzzgtp [--graine S] [--series K] [--commandes N] [--delai MS] [--detail]
//           -- PROGRAM [ARGS...]
//
// Seeds S to S+K-1 each start the program afresh and send N lines; the same
// seed sends the same lines to the same program. A crash, a non-zero exit, a
// missing or extra reply, a reply out of frame or without its id, output on
// stderr, or a move the model finds illegal is a fault: the seed, the line's
// index and the line are printed, and the exit status is 1.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/fuzzgtp.h"

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);
  fuzzgtp::Options o;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    const bool valeur = i + 1 < argc;
    if (a == "--") {
      ++i;
      break;
    }
    if (a == "--graine" && valeur) o.graine = std::strtoull(argv[++i], nullptr, 10);
    else if (a == "--series" && valeur) o.series = std::atoi(argv[++i]);
    else if (a == "--commandes" && valeur) o.commandes = std::atoi(argv[++i]);
    else if (a == "--delai" && valeur) o.delai = std::atoi(argv[++i]);
    else if (a == "--detail") o.detail = true;
    else i = argc + 1;
  }
  for (; i < argc; ++i) o.programme.push_back(argv[i]);
  if (o.programme.empty() || o.series < 1 || o.commandes < 0 || o.delai < 1) {
    std::fprintf(stderr,
                 "usage: fuzzgtp [--graine S] [--series K] [--commandes N] [--delai MS] [--detail] -- PROGRAM [ARGS...]\n");
    return 2;
  }
  const auto debut = std::chrono::steady_clock::now();
  const fuzzgtp::Bilan b = fuzzgtp::lance(o);
  const double duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  const std::string nom = o.programme[0].substr(o.programme[0].find_last_of('/') + 1);
  std::printf("%s: seeds %llu..%llu, %ld lines, %ld replies, %d faulty seeds, %.1f s\n", nom.c_str(),
              static_cast<unsigned long long>(o.graine), static_cast<unsigned long long>(o.graine + o.series - 1),
              b.lignes, b.reponses, b.fautes, duree);
  return b.fautes == 0 ? 0 : 1;
}
