// Plays whole games between two GTP programs, each move checked by its own
// game model, and reports results, game lengths, time per move and memory.
//
//   matchgtp [--taille N] [--parties K] [--komi X] [--handicap H]
//            [--temps S] [--alterne] [--nettoyage] [--nettoyeurs A|B|AB]
//            [--maxcoups M] [--detail]
//            [--coups FILE] -- PROGRAM_A [ARGS...] -- PROGRAM_B [ARGS...]
//
// A takes black, B white; with --alterne the colours swap every game. Each
// game starts both programs afresh and goes on to two passes in a row (or a
// resignation, or M moves, 4 N N by default). --temps gives both sides S
// seconds of absolute time (time_settings S 0 0, time_left before every
// genmove); a program that does not know time_settings plays untimed. After
// the game both are asked final_status_list dead, and those that know the
// command alive and seki too: each stone must be in exactly one of the three
// lists. With --nettoyage both then play kgs-genmove_cleanup moves until two
// passes more (or M moves); after the cleanup's two passes no program
// named by --nettoyeurs (default both) may still call dead a stone of the
// side it played against (it had the moves to take it off): each such
// stone is a fault, counted as "cleanupleft" on the summary line. A game whose play or cleanup stops at M moves is
// marked "no two passes". A stone that makes a position for the third time
// with the same side to move (a triple ko, say: the programs play simple ko)
// ends the game without result, as a server would, marked "position
// repeated"; its cleanup is not played. Passes repeat the position they
// leave and are not counted. Any illegal or malformed move, missing reply,
// clock below zero, output on stderr, bad exit or status lists that overlap
// or miss a stone is a fault: the tool then exits with status 1. --detail
// prints every move with its time. --coups appends every game to FILE as a
// GTP script for a referee: boardsize, clear_board, komi, each stone played
// (handicap, game and cleanup moves, a comment line "# two passes" between
// the game and its cleanup) and final_score. The last line, "summary key=value ...",
// gives the figures again with every game length and every move time, for
// scripts.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/jeugo.h"
#include "tools/processus.h"

namespace {

using jeugo::Jeu;
using jeugo::litvertex;
using jeugo::vertex;

constexpr int kAttenteMs = 900000;

struct Options {
  int taille = 9;
  int parties = 1;
  double komi = 7.5;
  int handicap = 0;
  int temps = 0;
  bool alterne = false;
  bool nettoyage = false;
  bool detail = false;
  int maxcoups = 0;
  std::string coups;  // file for the referee scripts, none when empty
  std::string nettoyeurs = "AB";  // the programs held to the cleanup rule
  std::vector<std::string> programme[2];
};

// ---- Programs ------------------------------------------------------------

struct Joueur {
  std::string nom;
  processus::Child enfant;
  std::vector<double> durees;  // seconds per genmove
  long memoirekb = 0;
  bool horloge = false;  // knows time_settings: told the clock, held to it
  bool nettoyeur = true;  // held to take off, in the cleanup, the stones it calls dead
  double reste = HUGE_VAL;  // least clock left after a move, over all games; HUGE_VAL untimed
};

std::vector<std::string> fautes;

void faute(const std::string& texte) {
  fautes.push_back(texte);
  std::printf("  FAUTE %s\n", texte.c_str());
}

bool lance(Joueur& j, const std::vector<std::string>& argv) {
  std::vector<char*> a;
  for (const std::string& s : argv) a.push_back(const_cast<char*>(s.c_str()));
  a.push_back(nullptr);
  j.enfant = processus::Child{};
  j.nom = argv[0].substr(argv[0].find_last_of('/') + 1);
  return processus::start(j.enfant, a.data());
}

// Sends a command; the reply text after "= " (ok) or "? " (!ok).
bool commande(Joueur& j, const std::string& cmd, std::string& texte) {
  const std::string ligne = cmd + "\n";
  if (write(j.enfant.in, ligne.data(), ligne.size()) < 0) {
    faute(j.nom + ": input closed at \"" + cmd + "\"");
    return false;
  }
  std::string reponse;
  if (!processus::readreply(j.enfant, reponse, kAttenteMs)) {
    faute(j.nom + ": no reply to \"" + cmd + "\"");
    return false;
  }
  texte = reponse.size() >= 3 ? reponse.substr(1, reponse.size() - 3) : "";
  if (!texte.empty() && texte[0] == ' ') texte.erase(0, 1);
  if (reponse[0] != '=') {
    faute(j.nom + ": \"" + cmd + "\" failed: " + texte);
    return false;
  }
  return true;
}

void termine(Joueur& j) {
  std::string texte;
  commande(j, "quit", texte);
  close(j.enfant.in);
  int st = 0;
  rusage ru{};
  if (!processus::attendsortie(j.enfant, st, processus::kBlocageMs, &ru)) {
    kill(j.enfant.pid, SIGKILL);
    wait4(j.enfant.pid, &st, 0, &ru);
    faute(j.nom + ": did not exit after quit");
  } else if (!WIFEXITED(st) || WEXITSTATUS(st) != 0) {
    faute(j.nom + ": exit status " + std::to_string(WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st)));
  }
  processus::pump(j.enfant, 50);
  if (!j.enfant.errbuf.empty()) faute(j.nom + ": stderr: " + j.enfant.errbuf.substr(0, 2000));
  j.memoirekb = std::max(j.memoirekb, ru.ru_maxrss);
  close(j.enfant.out);
}

std::vector<int> listevertex(const std::string& texte, int n) {
  std::vector<int> points;
  std::istringstream flux(texte);
  for (std::string m; flux >> m;) points.push_back(litvertex(m, n));
  return points;
}

// Asks `x` its alive and seki lists and checks, with its dead list `morts`,
// that every stone on the board is in exactly one of the three. False when
// a command failed.
bool partagepierres(Joueur& x, const Jeu& jeu, const std::vector<int>& morts) {
  std::vector<int> fois(jeu.b.size(), 0);
  for (int p : morts)
    if (p >= 0) ++fois[static_cast<size_t>(p)];
  for (const char* statut : {"alive", "seki"}) {
    std::string texte;
    if (!commande(x, std::string("final_status_list ") + statut, texte)) return false;
    for (int p : listevertex(texte, jeu.n)) {
      if (p < 0 || jeu.b[static_cast<size_t>(p)] == 0)
        faute(x.nom + ": " + statut + " list names no stone: " + texte);
      else
        ++fois[static_cast<size_t>(p)];
    }
  }
  for (size_t p = 0; p < fois.size(); ++p)
    if (jeu.b[p] != 0 && fois[p] != 1) {
      faute(x.nom + ": stone " + vertex(static_cast<int>(p), jeu.n) +
            (fois[p] == 0 ? " in no status list" : " in " + std::to_string(fois[p]) + " status lists"));
      return true;
    }
  return true;
}

// ---- One game ------------------------------------------------------------

struct Resultat {
  int coups = 0;
  double score = 0;  // black minus white minus komi
  std::string texte;
  bool plafond = false;  // play or cleanup stopped at the move limit, not by two passes
  bool repetee = false;  // stopped without result: a position came back a third time
  std::vector<std::string> joues;  // "black C3", "white pass": every stone and pass put on the board
  size_t finjeu = static_cast<size_t>(-1);  // moves of joues played before the cleanup, when it came
  int restes = 0;                   // stones called dead after the cleanup by the side that could take them
};

// Counts the positions of a game, each with its side to move.
class Positions {
 public:
  // True when this position has now been made three times.
  bool troisieme(const Jeu& jeu, int couleur) {
    std::string cle(jeu.b.begin(), jeu.b.end());
    cle += static_cast<char>(couleur);
    return ++vues_[cle] == 3;
  }

 private:
  std::map<std::string, int> vues_;
};

// One move by `couleur` through `cmd` (genmove or kgs-genmove_cleanup):
// checked, played on the model and sent to the other side. -1 pass, -2 fault,
// -3 resignation.
int uncoup(Jeu& jeu, Joueur* const* j, int couleur, const char* cmd, const Options& o, double horloge[3]) {
  const char* mot = couleur == 1 ? "black" : "white";
  std::string texte;
  if (o.temps > 0 && j[couleur]->horloge &&
      !commande(*j[couleur],
                std::string("time_left ") + mot + " " + std::to_string(std::max(0, static_cast<int>(horloge[couleur]))) +
                    " 0",
                texte))
    return -2;
  const auto debut = std::chrono::steady_clock::now();
  if (!commande(*j[couleur], std::string(cmd) + " " + mot, texte)) return -2;
  const double duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  j[couleur]->durees.push_back(duree);
  if (o.detail) std::printf("  %s %s %s %.3f s\n", j[couleur]->nom.c_str(), mot, texte.c_str(), duree), std::fflush(stdout);
  if (o.temps > 0 && j[couleur]->horloge) {
    // Past zero once is the fault; the game goes on with the clock told as 0.
    if (horloge[couleur] >= 0 && horloge[couleur] - duree < 0) faute(j[couleur]->nom + ": clock below zero");
    horloge[couleur] -= duree;
    j[couleur]->reste = std::min(j[couleur]->reste, horloge[couleur]);
  }
  for (char& ch : texte) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (texte == "resign") return -3;
  const int p = litvertex(texte, jeu.n);
  int prises = 0;
  if (p == -2 || !jeu.joue(couleur, p, prises)) {
    faute(j[couleur]->nom + ": illegal move " + texte + " for " + mot);
    return -2;
  }
  if (!commande(*j[3 - couleur], std::string("play ") + mot + " " + vertex(p, jeu.n), texte)) return -2;
  return p;
}

// After the cleanup's two passes: the stones of the other side that each
// program still calls dead, each one a fault, counted in `res.restes`.
// False when a command failed.
bool restentmorts(const Jeu& jeu, Joueur* const* j, Resultat& res) {
  std::string texte;
  for (int couleur = 1; couleur <= 2; ++couleur) {
    Joueur& x = *j[couleur];
    if (!x.nettoyeur) continue;
    if (!commande(x, "known_command final_status_list", texte)) return false;
    if (texte != "true") continue;
    if (!commande(x, "final_status_list dead", texte)) return false;
    std::string restes;
    for (int p : listevertex(texte, jeu.n))
      if (p >= 0 && jeu.b[static_cast<size_t>(p)] == 3 - couleur) {
        restes += " " + vertex(p, jeu.n);
        ++res.restes;
      }
    if (!restes.empty()) faute(x.nom + ": after cleanup still calls dead:" + restes);
  }
  return true;
}

Resultat partie(const Options& o, Joueur& noir, Joueur& blanc) {
  Resultat res;
  Jeu jeu;
  jeu.vide(o.taille);
  Joueur* const j[3] = {nullptr, &noir, &blanc};
  std::string texte;
  char komi[32];
  std::snprintf(komi, sizeof komi, "%.1f", o.komi);
  for (Joueur* x : {&noir, &blanc}) {
    if (!commande(*x, "boardsize " + std::to_string(o.taille), texte) || !commande(*x, "clear_board", texte) ||
        !commande(*x, std::string("komi ") + komi, texte))
      return res;
    // A program without clock commands plays untimed.
    x->horloge = o.temps > 0 && commande(*x, "known_command time_settings", texte) && texte == "true";
    if (x->horloge && !commande(*x, "time_settings " + std::to_string(o.temps) + " 0 0", texte)) return res;
  }
  int couleur = 1;
  if (o.handicap >= 2) {
    std::string pierres[2];
    if (!commande(noir, "fixed_handicap " + std::to_string(o.handicap), pierres[0]) ||
        !commande(blanc, "fixed_handicap " + std::to_string(o.handicap), pierres[1]))
      return res;
    // The same points, in any order.
    std::vector<int> points[2] = {listevertex(pierres[0], o.taille), listevertex(pierres[1], o.taille)};
    for (std::vector<int>& v : points) std::sort(v.begin(), v.end());
    if (points[0] != points[1]) faute("handicap stones differ: " + pierres[0] + " / " + pierres[1]);
    for (int p : points[0]) {
      int prises = 0;
      if (p < 0 || !jeu.joue(1, p, prises)) faute("bad handicap stone in " + pierres[0]);
      else res.joues.push_back("black " + vertex(p, o.taille));
    }
    couleur = 2;
  }
  double horloge[3] = {0, static_cast<double>(o.temps), static_cast<double>(o.temps)};
  const int limite = o.maxcoups > 0 ? o.maxcoups : 4 * o.taille * o.taille;
  int passes = 0;
  Positions positions;
  while (passes < 2 && res.coups < limite && !res.repetee) {
    const int p = uncoup(jeu, j, couleur, "genmove", o, horloge);
    if (p == -2) return res;
    ++res.coups;
    if (p >= -1) res.joues.push_back((couleur == 1 ? "black " : "white ") + vertex(p, o.taille));
    if (p == -3) {
      res.texte = std::string(couleur == 1 ? "W" : "B") + "+R";
      return res;
    }
    passes = p == -1 ? passes + 1 : 0;
    couleur = 3 - couleur;
    res.repetee = p >= 0 && positions.troisieme(jeu, couleur);
  }
  res.plafond = passes < 2 && !res.repetee;
  // Both programs name the dead stones; each must be a stone on the board.
  // A program that knows final_status_list also names the alive and the
  // seki stones: the three lists split the stones on the board.
  std::vector<int> morts;
  for (Joueur* x : {&noir, &blanc}) {
    if (!commande(*x, "final_status_list dead", texte)) return res;
    std::vector<int> liste = listevertex(texte, o.taille);
    for (int p : liste)
      if (p < 0 || jeu.b[static_cast<size_t>(p)] == 0) faute(x->nom + ": dead list names no stone: " + texte);
    if (x == &noir) morts = liste;
    if (!commande(*x, "known_command final_status_list", texte)) return res;
    if (texte == "true" && !partagepierres(*x, jeu, liste)) return res;
  }
  res.finjeu = res.joues.size();
  if (o.nettoyage && !res.repetee) {
    passes = 0;
    bool abandon = false;
    for (int k = 0; passes < 2 && k < limite && !abandon && !res.repetee; ++k) {
      const int p = uncoup(jeu, j, couleur, "kgs-genmove_cleanup", o, horloge);
      if (p == -2) return res;
      if (p >= -1) res.joues.push_back((couleur == 1 ? "black " : "white ") + vertex(p, o.taille));
      abandon = p == -3;
      passes = p == -1 ? passes + 1 : 0;
      couleur = 3 - couleur;
      res.repetee = p >= 0 && positions.troisieme(jeu, couleur);
    }
    res.plafond = res.plafond || (passes < 2 && !abandon && !res.repetee);
    if (passes == 2 && !restentmorts(jeu, j, res)) return res;
  }
  if (res.repetee) return res;
  morts.erase(std::remove_if(morts.begin(), morts.end(), [&](int p) { return p < 0 || jeu.b[static_cast<size_t>(p)] == 0; }),
              morts.end());
  res.score = jeu.aire(morts) - o.komi;
  char t[32];
  std::snprintf(t, sizeof t, "%s+%.1f", res.score > 0 ? "B" : "W", res.score > 0 ? res.score : -res.score);
  res.texte = t;
  return res;
}

// "a,b,c" with `format` per value, "-" for none.
template <typename T>
std::string enliste(const std::vector<T>& v, const char* format) {
  std::string s;
  char t[32];
  for (const T& x : v) {
    std::snprintf(t, sizeof t, format, x);
    s += (s.empty() ? "" : ",") + std::string(t);
  }
  return s.empty() ? "-" : s;
}

// The game as a referee replays it, then its score asked.
void ecritcoups(const Options& o, int k, const std::string& entete, const Resultat& r) {
  FILE* f = std::fopen(o.coups.c_str(), "a");
  if (!f) {
    faute("cannot write " + o.coups);
    return;
  }
  std::fprintf(f, "# game %d: %s\nboardsize %d\nclear_board\nkomi %.1f\n", k, entete.c_str(), o.taille, o.komi);
  for (size_t i = 0; i < r.joues.size(); ++i) {
    if (i == r.finjeu && o.nettoyage) std::fprintf(f, "# two passes\n");
    std::fprintf(f, "play %s\n", r.joues[i].c_str());
  }
  if (r.finjeu == r.joues.size() && o.nettoyage) std::fprintf(f, "# two passes\n");
  std::fprintf(f, "final_score\n");
  if (std::fclose(f) != 0) faute("cannot write " + o.coups);
}

double quantile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);
  Options o;
  int programme = -1;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") {
      if (++programme > 1) break;
      continue;
    }
    if (programme >= 0) {
      o.programme[programme].push_back(a);
      continue;
    }
    const bool valeur = i + 1 < argc;
    if (a == "--taille" && valeur) o.taille = std::atoi(argv[++i]);
    else if (a == "--parties" && valeur) o.parties = std::atoi(argv[++i]);
    else if (a == "--komi" && valeur) o.komi = std::atof(argv[++i]);
    else if (a == "--handicap" && valeur) o.handicap = std::atoi(argv[++i]);
    else if (a == "--temps" && valeur) o.temps = std::atoi(argv[++i]);
    else if (a == "--maxcoups" && valeur) o.maxcoups = std::atoi(argv[++i]);
    else if (a == "--alterne") o.alterne = true;
    else if (a == "--nettoyage") o.nettoyage = true;
    else if (a == "--nettoyeurs" && valeur) o.nettoyeurs = argv[++i];
    else if (a == "--detail") o.detail = true;
    else if (a == "--coups" && valeur) o.coups = argv[++i];
    else programme = 9;
  }
  if (programme > 1 || o.programme[0].empty() || o.programme[1].empty() || o.taille < 2 || o.taille > 19 ||
      o.nettoyeurs.find_first_not_of("AB") != std::string::npos) {
    std::fprintf(stderr,
                 "usage: matchgtp [--taille N] [--parties K] [--komi X] [--handicap H] [--temps S] [--alterne]\n"
                 "                [--nettoyage] [--nettoyeurs A|B|AB] [--maxcoups M] [--detail] [--coups FILE]\n"
                 "                -- PROGRAM_A [ARGS...] -- PROGRAM_B [ARGS...]\n");
    return 2;
  }
  Joueur joueurs[2];
  for (int i = 0; i < 2; ++i) joueurs[i].nettoyeur = o.nettoyeurs.find(static_cast<char>('A' + i)) != std::string::npos;
  int victoires[2] = {0, 0}, plafonnees = 0, repetees = 0, restes = 0;
  std::vector<int> longueurs;
  for (int k = 0; k < o.parties; ++k) {
    const int a = o.alterne && k % 2 == 1 ? 1 : 0;  // the side that takes black
    for (int i = 0; i < 2; ++i)
      if (!lance(joueurs[i], o.programme[i])) {
        std::fprintf(stderr, "cannot start %s\n", o.programme[i][0].c_str());
        return 2;
      }
    const size_t avant = fautes.size();
    const Resultat r = partie(o, joueurs[a], joueurs[1 - a]);
    for (Joueur& j : joueurs) termine(j);
    if (!o.coups.empty())
      ecritcoups(o, k + 1, "black " + joueurs[a].nom + ", white " + joueurs[1 - a].nom + ", " +
                               (r.texte.empty() ? "no result" : r.texte),
                 r);
    longueurs.push_back(r.coups);
    if (fautes.size() == avant && !r.texte.empty()) ++victoires[r.texte[0] == 'B' ? a : 1 - a];
    plafonnees += r.plafond ? 1 : 0;
    repetees += r.repetee ? 1 : 0;
    restes += r.restes;
    std::printf("game %d: black %s (%c), white %s (%c), %d moves, %s%s%s%s\n", k + 1, joueurs[a].nom.c_str(), 'A' + a,
                joueurs[1 - a].nom.c_str(), 'B' - a, r.coups, r.texte.empty() ? "no result" : r.texte.c_str(),
                fautes.size() == avant ? "" : ", FAULT", r.plafond ? ", no two passes" : "",
                r.repetee ? ", position repeated" : "");
    std::fflush(stdout);
  }
  std::printf("size %d, %d games, komi %.1f, handicap %d, clock %d s: A won %d, B won %d\n", o.taille, o.parties, o.komi,
              o.handicap, o.temps, victoires[0], victoires[1]);
  std::vector<double> l(longueurs.begin(), longueurs.end());
  std::printf("moves per game: median %.0f, max %.0f\n", quantile(l, 0.5), quantile(l, 1.0));
  for (int i = 0; i < 2; ++i)
    std::printf("%c %s: %zu moves, s/move median %.3f, p90 %.3f, max %.3f, peak memory %ld KB\n", 'A' + i,
                joueurs[i].nom.c_str(), joueurs[i].durees.size(), quantile(joueurs[i].durees, 0.5),
                quantile(joueurs[i].durees, 0.9), quantile(joueurs[i].durees, 1.0), joueurs[i].memoirekb);
  std::printf("%zu faults\n", fautes.size());
  // The same figures, one line for scripts: every length and every time.
  std::string horloges;
  for (const Joueur& j : joueurs) {
    char t[32];
    std::snprintf(t, sizeof t, "%.1f", j.reste);
    horloges += (horloges.empty() ? "" : ",") + std::string(j.reste == HUGE_VAL ? "-" : t);
  }
  std::printf("summary size=%d games=%d komi=%.1f handicap=%d clock=%d wins=%d,%d faults=%zu capped=%d repeated=%d lengths=%s "
              "peakkb=%ld,%ld clockleft=%s times_a=%s times_b=%s cleanupleft=%d\n",
              o.taille, o.parties, o.komi, o.handicap, o.temps, victoires[0], victoires[1], fautes.size(),
              plafonnees, repetees, enliste(longueurs, "%d").c_str(), joueurs[0].memoirekb, joueurs[1].memoirekb, horloges.c_str(),
              enliste(joueurs[0].durees, "%.3f").c_str(), enliste(joueurs[1].durees, "%.3f").c_str(), restes);
  return fautes.empty() ? 0 : 1;
}
