// Seeded GTP fuzz run against a real program (Vesmok or Nebra, told apart by
// its name): real play from a game model mixed with malformed lines. Each
// line is read the way the program's own line layer reads it, to know
// whether it gets a reply and with which id; the model follows the commands
// the program accepted ("=" or "?") and checks genmove answers, refusals of
// legal moves, status lists and the drawn board. Shared by the tool
// `fuzzgtp` and its unit tests.
#pragma once
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "tools/generateur.h"
#include "tools/jeugo.h"
#include "tools/processus.h"

namespace fuzzgtp {

enum class Dialecte { vesmok, nebra };

// ---- Line layers ---------------------------------------------------------

// One complete line as the program reads it.
struct Lecture {
  bool reponse = false;            // the line gets a reply
  std::string idtexte;             // the id as echoed, empty when none
  std::string mot;                 // command word; empty with a reply = an id alone
  std::vector<std::string> mots;   // argument words
  std::string reste;               // Nebra: the text after the word and its blanks
};

inline bool blanc(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

inline bool chiffres(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

inline std::vector<std::string> decoupe(const std::string& s, bool espaceseul) {
  std::vector<std::string> mots;
  std::string m;
  for (char c : s) {
    if (espaceseul ? c == ' ' : blanc(static_cast<unsigned char>(c))) {
      if (!m.empty()) mots.push_back(m), m.clear();
    } else {
      m += c;
    }
  }
  if (!m.empty()) mots.push_back(m);
  return mots;
}

// The bytes of a line Vesmok keeps; the rest of a longer line is dropped.
constexpr size_t kLigneMaxVesmok = 1 << 20;

// Vesmok: tab as a space, control bytes dropped, '#' starts a comment, words
// split on spaces; a first word beginning with '=' or '?' is a reply (no
// answer); an all-digit first word is the id, echoed without leading zeros.
inline Lecture litvesmok(const std::string& brute) {
  std::string ligne;
  for (unsigned char c : brute) {
    if (ligne.size() >= kLigneMaxVesmok) break;
    if (c == 9) ligne += ' ';
    else if (c >= 32 && c != 127) ligne += static_cast<char>(c);
  }
  if (size_t d = ligne.find('#'); d != std::string::npos) ligne.resize(d);
  std::vector<std::string> mots = decoupe(ligne, true);
  Lecture l;
  if (mots.empty() || mots[0][0] == '=' || mots[0][0] == '?') return l;
  l.reponse = true;
  if (chiffres(mots[0])) {
    const size_t debut = mots[0].find_first_not_of('0');
    l.idtexte = debut == std::string::npos ? "0" : mots[0].substr(debut);
    mots.erase(mots.begin());
  }
  if (!mots.empty()) {
    l.mot = mots[0];
    l.mots.assign(mots.begin() + 1, mots.end());
  }
  return l;
}

// A decimal number after blanks, with a sign ("%d"); the characters read, 0
// when there is no digit; `deborde` when it leaves the int range.
inline size_t litentier(const std::string& s, size_t p, long long& valeur, bool& deborde) {
  size_t q = p;
  while (q < s.size() && blanc(static_cast<unsigned char>(s[q]))) ++q;
  bool negatif = false;
  if (q < s.size() && (s[q] == '+' || s[q] == '-')) negatif = s[q++] == '-';
  if (q >= s.size() || s[q] < '0' || s[q] > '9') return 0;
  long long v = 0;
  deborde = false;
  for (; q < s.size() && s[q] >= '0' && s[q] <= '9'; ++q) {
    if (v <= INT_MAX) v = v * 10 + (s[q] - '0');
    if (v > INT_MAX) deborde = true;
  }
  valeur = negatif ? -v : v;
  return q - p;
}

// Nebra: '#' ends the line, tab as a blank, control bytes dropped; a leading
// number in the int range is the id (a negative one is not echoed); then the
// first run of non-blanks is the word, compared exactly.
inline Lecture litnebra(const std::string& brute) {
  std::string ligne;
  bool coupee = false;
  for (unsigned char c : brute) {
    if (c == '#') {
      coupee = true;
      break;
    }
    if (c == 9) ligne += ' ';
    else if (c <= 8 || (c >= 11 && c <= 31) || c == 127) continue;
    else ligne += static_cast<char>(c);
  }
  if (!coupee) ligne += '\n';
  Lecture l;
  size_t p = 0;
  long long id = 0;
  bool deborde = false;
  if (const size_t n = litentier(ligne, 0, id, deborde); n > 0 && !deborde) {
    if (id >= 0) l.idtexte = std::to_string(id);
    p = n;
  }
  while (p < ligne.size() && blanc(static_cast<unsigned char>(ligne[p]))) ++p;
  if (p >= ligne.size()) {
    l.idtexte.clear();
    return l;
  }
  l.reponse = true;
  while (p < ligne.size() && !blanc(static_cast<unsigned char>(ligne[p]))) l.mot += ligne[p++];
  if (p < ligne.size()) ++p;
  while (p < ligne.size() && blanc(static_cast<unsigned char>(ligne[p]))) ++p;
  l.reste = ligne.substr(p);
  l.mots = decoupe(l.reste, false);
  return l;
}

inline Lecture lit(Dialecte d, const std::string& brute) {
  return d == Dialecte::vesmok ? litvesmok(brute) : litnebra(brute);
}

// ---- Argument readers (model colours: 1 black, 2 white) ------------------

inline std::string majuscules(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// Vesmok colour word: 1, 2, or 0 when invalid.
inline int vesmokcouleur(const std::string& mot) {
  const std::string m = majuscules(mot);
  if (m == "B" || m == "BLACK") return 1;
  if (m == "W" || m == "WHITE") return 2;
  return 0;
}

// Vesmok vertex word: true with the point (-1 = pass) when it names a point
// of the board; a letter and a positive number, never I.
inline bool vesmokvertex(const std::string& mot, int n, int& point) {
  const std::string m = majuscules(mot);
  if (m == "PASS") {
    point = -1;
    return true;
  }
  if (m.size() < 2 || m[0] < 'A' || m[0] > 'Z' || m[0] == 'I') return false;
  const int lettre = m[0] < 'I' ? m[0] - 'A' + 1 : m[0] - 'A';
  long long nombre = 0;
  for (size_t i = 1; i < m.size(); ++i) {
    if (m[i] < '0' || m[i] > '9') return false;
    nombre = std::min(nombre * 10 + (m[i] - '0'), 1000LL);
  }
  if (nombre == 0 || lettre > n || nombre > n) return false;
  point = static_cast<int>(nombre - 1) * n + lettre - 1;
  return true;
}

// Nebra colour ("%6s"): characters read, 0 when none of b, black, w, white.
inline size_t nebracouleur(const std::string& s, size_t p, int& couleur) {
  size_t q = p;
  while (q < s.size() && blanc(static_cast<unsigned char>(s[q]))) ++q;
  std::string m;
  while (q < s.size() && !blanc(static_cast<unsigned char>(s[q])) && m.size() < 6)
    m += static_cast<char>(std::tolower(static_cast<unsigned char>(s[q++])));
  if (m == "b" || m == "black") couleur = 1;
  else if (m == "w" || m == "white") couleur = 2;
  else return 0;
  return q - p;
}

// Nebra vertex (" %c%d"): characters read, 0 when off the board or malformed.
inline size_t nebracoord(const std::string& s, size_t p, int n, int& point) {
  size_t q = p;
  while (q < s.size() && blanc(static_cast<unsigned char>(s[q]))) ++q;
  if (q >= s.size()) return 0;
  const int lettre = std::tolower(static_cast<unsigned char>(s[q++]));
  long long nombre = 0;
  bool deborde = false;
  const size_t k = litentier(s, q, nombre, deborde);
  if (k == 0 || deborde || lettre == 'i') return 0;
  const long long colonne = lettre - 'a' - (lettre > 'i' ? 1 : 0);
  if (nombre < 1 || nombre > n || colonne < 0 || colonne >= n) return 0;
  point = static_cast<int>((nombre - 1) * n + colonne);
  return q + k - p;
}

// Nebra move: a colour, then a vertex or "pass" ("%5s").
inline bool nebracoup(const std::string& s, int n, int& couleur, int& point) {
  const size_t n1 = nebracouleur(s, 0, couleur);
  if (n1 == 0) return false;
  if (nebracoord(s, n1, n, point) > 0) return true;
  size_t q = n1;
  while (q < s.size() && blanc(static_cast<unsigned char>(s[q]))) ++q;
  std::string m;
  while (q < s.size() && !blanc(static_cast<unsigned char>(s[q])) && m.size() < 5)
    m += static_cast<char>(std::tolower(static_cast<unsigned char>(s[q++])));
  point = -1;
  return m == "pass";
}

// ---- Game model of the program's board -----------------------------------

struct Coup {
  int couleur;
  int point;  // -1 pass
};

struct Modele {
  Dialecte d = Dialecte::vesmok;
  jeugo::Jeu jeu;  // its own ko field is not used
  // Vesmok: the stones the last stone played on the board took (its ko
  // test), the move list with handicap stones, the handicap count.
  std::vector<int> captures;
  std::vector<Coup> coups;
  int handicap = 0;
  // Nebra: the point where the last move took a single stone, moves applied
  // (a game ended by two passes goes on with the next move).
  int ko = -1;
  int nombre = 0;

  static constexpr size_t kCoupsMax = 1000;  // Vesmok's move list

  int taille() const { return jeu.n; }
  void efface(int n) {
    jeu.vide(n);
    coups.clear();
    ko = -1;
    nombre = 0;
  }
  bool vide() const { return std::all_of(jeu.b.begin(), jeu.b.end(), [](int c) { return c == 0; }); }

  // The neighbours of p in Nebra's order: row up, row down, column left, right.
  void voisinsnebra(int p, int* v, int& k) const {
    const int n = jeu.n, r = p / n, c = p % n;
    k = 0;
    if (r < n - 1) v[k++] = p + n;
    if (r > 0) v[k++] = p - n;
    if (c > 0) v[k++] = p - 1;
    if (c < n - 1) v[k++] = p + 1;
  }

  // Whether the program takes the stone move (pass always) by its own rules.
  bool legal(int couleur, int p) const {
    if (p < 0) return true;
    if (p >= jeu.n * jeu.n || jeu.b[static_cast<size_t>(p)] != 0) return false;
    std::vector<int> pierres;
    if (d == Dialecte::vesmok) {
      jeugo::Jeu essai = jeu;
      std::vector<int> prises;
      if (essai.pose(couleur, p, prises) == 0) return false;
      return !(captures.size() == 1 && prises.size() == 1 && p == captures[0]);
    }
    // Nebra: the first enemy neighbour in atari decides (a ko retake when it
    // is one stone on the ko point); a chain's suicide of several stones is legal.
    int v[4], k;
    voisinsnebra(p, v, k);
    for (int j = 0; j < k; ++j)
      if (jeu.b[static_cast<size_t>(v[j])] == 3 - couleur && jeu.chaine(v[j], pierres) == 1)
        return !(pierres.size() == 1 && ko == p);
    bool ami = false;
    for (int j = 0; j < k; ++j) {
      if (jeu.b[static_cast<size_t>(v[j])] == 0) return true;
      if (jeu.b[static_cast<size_t>(v[j])] == couleur) ami = true;
    }
    return ami;
  }

  // Plays a move the program took. `moteur`: Vesmok's own engine move, whose
  // pass leaves the capture record as it was.
  void joue(int couleur, int p, bool moteur = false) {
    if (d == Dialecte::vesmok) {
      coups.push_back({couleur, p});
      if (p < 0) {
        if (!moteur) captures.clear();
        return;
      }
      std::vector<int> prises;
      if (jeu.pose(couleur, p, prises) == 0) jeu.b[static_cast<size_t>(p)] = 0;
      captures = prises;
      return;
    }
    ++nombre;
    if (p < 0) {
      ko = -1;
      return;
    }
    int v[4], k, seules = 0, seule = -1;
    voisinsnebra(p, v, k);
    std::vector<int> pierres, vues;  // the lowest stone of each chain taken
    for (int j = 0; j < k; ++j) {
      if (jeu.b[static_cast<size_t>(v[j])] != 3 - couleur || jeu.chaine(v[j], pierres) != 1) continue;
      const int premier = *std::min_element(pierres.begin(), pierres.end());
      if (std::find(vues.begin(), vues.end(), premier) != vues.end()) continue;
      vues.push_back(premier);
      if (pierres.size() == 1) ++seules, seule = premier;
    }
    ko = seules == 1 ? seule : -1;
    std::vector<int> prises;
    if (jeu.pose(couleur, p, prises) == 0) {
      jeu.chaine(p, pierres);
      for (int q : pierres) jeu.b[static_cast<size_t>(q)] = 0;
    }
  }

  // Vesmok's undo: the list less its last move, replayed through the legality test.
  void reprend() {
    std::vector<Coup> copie = coups;
    copie.pop_back();
    const int n = jeu.n;
    jeu.vide(n);
    coups.clear();
    for (const Coup& c : copie)
      if (legal(c.couleur, c.point)) joue(c.couleur, c.point);
  }
};

// ---- The run -------------------------------------------------------------

struct Options {
  uint64_t graine = 1;
  int series = 1;         // seeds graine .. graine + series - 1
  int commandes = 300;    // lines per seed
  int delai = processus::kBlocageMs;  // ms to wait for one reply or the exit: a hang detector
  bool detail = false;    // print every line and reply
  std::vector<std::string> programme;
};

struct Bilan {
  long lignes = 0;     // lines sent
  long reponses = 0;   // replies checked
  int fautes = 0;      // seeds that ended on a fault
};

inline std::string echappe(const std::string& s, size_t max = 300) {
  std::string r;
  for (unsigned char c : s.substr(0, max)) {
    if (c == '\n') r += "\\n";
    else if (c == '\r') r += "\\r";
    else if (c == '\t') r += "\\t";
    else if (c == '\\') r += "\\\\";
    else if (c < 32 || c >= 127) {
      char t[8];
      std::snprintf(t, sizeof t, "\\x%02x", c);
      r += t;
    } else {
      r += static_cast<char>(c);
    }
  }
  if (s.size() > max) r += "... (" + std::to_string(s.size()) + " bytes)";
  return r;
}

class Essai {
 public:
  Essai(const Options& o, uint64_t graine) : o_(o), graine_(graine), g_{graine * 0x9E3779B97F4A7C15ULL + 1} {}
  ~Essai() { tue(); }
  Essai(const Essai&) = delete;
  Essai& operator=(const Essai&) = delete;

  // Runs one seed; false on a fault (already printed).
  bool lance(Bilan& bilan) {
    std::vector<char*> a;
    for (const std::string& s : o_.programme) a.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    if (!processus::start(c_, a.data())) return faute("cannot start the program", "");
    bool ok = preambule();
    for (etape_ = 1; ok && etape_ <= o_.commandes; ++etape_) ok = envoie(genere());
    if (ok && !attente_.empty()) ok = envoie("\n");
    if (ok) ok = termine();
    if (!ok) tue();
    bilan.lignes += lignes_;
    bilan.reponses += reponses_;
    if (!ok) ++bilan.fautes;
    return ok;
  }

 private:
  const Options& o_;
  uint64_t graine_;
  generateur::Generateur g_;
  processus::Child c_;
  Dialecte d_ = Dialecte::vesmok;
  bool connu_ = false;            // the dialect is known (after "name")
  std::string nom_;
  std::vector<std::string> table_;  // the program's commands, from list_commands
  std::string liste_;               // the list_commands text
  Modele m_;
  std::string attente_;             // bytes sent after the last line feed
  std::deque<std::string> suite_;   // lines to send next (level 1 after a level, the dead list after a cleanup pass)
  std::deque<std::string> journal_; // the last exchanges, printed with a fault
  std::vector<std::pair<std::string, std::vector<int>>> statuts_;  // status lists asked in a row
  std::string ligne_;               // the line being checked
  int etape_ = 0;
  long lignes_ = 0, reponses_ = 0;
  int genmovesgros_ = 0;            // genmoves answered on boards above 9x9
  int nettoyages_ = 0;
  int passenettoyage_ = 0;  // the colour whose cleanup move just passed, on this position; 0 none
  int tour_ = 1;                    // colour the real play gives the next move

  static constexpr int kGenmovesGros = 3;
  static constexpr int kNettoyages = 1;

  bool faute(const std::string& quoi, const std::string& ligne) {
    std::printf("FAULT seed %llu, command %d: %s\n", static_cast<unsigned long long>(graine_), etape_, quoi.c_str());
    if (!ligne.empty() || etape_ > 0) std::printf("  line: \"%s\"\n", echappe(ligne, 400).c_str());
    processus::pump(c_, 50);
    if (!c_.errbuf.empty()) std::printf("  stderr: %s\n", echappe(c_.errbuf, 3000).c_str());
    std::printf("  last exchanges:\n");
    for (const std::string& t : journal_) std::printf("    %s\n", t.c_str());
    std::fflush(stdout);
    return false;
  }

  void tue() {
    if (c_.pid > 0) {
      kill(c_.pid, SIGKILL);
      waitpid(c_.pid, nullptr, 0);
      c_.pid = -1;
    }
    if (c_.in >= 0) close(c_.in), c_.in = -1;
    if (c_.out >= 0) close(c_.out), c_.out = -1;
    if (c_.err >= 0) close(c_.err), c_.err = -1;
  }

  std::string fin() {
    int st = 0;
    if (!processus::attendsortie(c_, st, o_.delai)) return "output closed";
    return WIFEXITED(st) ? "exit status " + std::to_string(WEXITSTATUS(st)) : "signal " + std::to_string(WTERMSIG(st));
  }

  bool preambule() {
    if (!envoie("name\n") || !envoie("list_commands\n") || !envoie("boardsize 9\n") || !envoie("clear_board\n"))
      return false;
    if (std::find(table_.begin(), table_.end(), "level") != table_.end() && !envoie("level 1\n")) return false;
    return true;
  }

  bool termine() {
    if (!envoie("quit\n")) return false;
    close(c_.in);
    c_.in = -1;
    int st = 0;
    if (!processus::attendsortie(c_, st, o_.delai)) return faute("did not exit after quit", "quit");
    for (int k = 0; k < 5; ++k) processus::pump(c_, 20);
    if (!WIFEXITED(st) || WEXITSTATUS(st) != 0)
      return faute(WIFEXITED(st) ? "exit status " + std::to_string(WEXITSTATUS(st)) + " after quit"
                                 : "signal " + std::to_string(WTERMSIG(st)) + " after quit",
                   "quit");
    if (!c_.outbuf.empty()) return faute("output after the quit reply: " + echappe(c_.outbuf), "quit");
    if (!c_.errbuf.empty()) return faute("output on stderr", "quit");
    return true;
  }

  // Sends bytes, then reads and checks the reply of every line they complete.
  bool envoie(const std::string& octets) {
    processus::pump(c_, 0);
    if (!c_.outbuf.empty()) return faute("output that answers no line: " + echappe(c_.outbuf), ligne_);
    if (!c_.errbuf.empty()) return faute("output on stderr", ligne_);
    statuts_.clear();
    std::vector<std::string> lignes;
    std::string tout = attente_ + octets;
    size_t debut = 0;
    for (size_t p; (p = tout.find('\n', debut)) != std::string::npos; debut = p + 1)
      lignes.push_back(tout.substr(debut, p - debut));
    attente_ = tout.substr(debut);
    note("> " + echappe(octets, 200));
    for (size_t fait = 0; fait < octets.size();) {
      const ssize_t k = write(c_.in, octets.data() + fait, octets.size() - fait);
      if (k <= 0) return faute("input closed (" + fin() + ")", octets);
      fait += static_cast<size_t>(k);
    }
    for (const std::string& ligne : lignes) {
      ++lignes_;
      ligne_ = ligne;
      const Lecture l = lit(connu_ ? d_ : Dialecte::vesmok, ligne);
      if (!l.reponse) continue;
      std::string rep;
      const auto avant = std::chrono::steady_clock::now();
      if (!processus::readreply(c_, rep, o_.delai)) {
        if (c_.outclosed) return faute("no reply, the program ended (" + fin() + ")", ligne);
        return faute("no reply within " + std::to_string(o_.delai) + " ms", ligne);
      }
      ++reponses_;
      const long ms = static_cast<long>(
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - avant).count());
      note("< " + echappe(rep, 200) + (ms >= 20 ? "   (" + std::to_string(ms) + " ms)" : ""));
      if (!c_.errbuf.empty()) return faute("output on stderr", ligne);
      if (rep[0] != '=' && rep[0] != '?') return faute("reply not framed as GTP: " + echappe(rep), ligne);
      if (rep.compare(1, l.idtexte.size(), l.idtexte) != 0 || rep.size() < l.idtexte.size() + 4 ||
          rep[1 + l.idtexte.size()] != ' ')
        return faute("reply without the id \"" + l.idtexte + "\" and a blank: " + echappe(rep), ligne);
      const std::string texte = rep.substr(l.idtexte.size() + 2, rep.size() - l.idtexte.size() - 4);
      const std::string e = interprete(l, rep[0], texte);
      if (!e.empty()) return faute(e + " (reply \"" + echappe(rep) + "\")", ligne);
    }
    return true;
  }

  void note(const std::string& t) {
    if (o_.detail) std::printf("%s\n", t.c_str());
    journal_.push_back(t);
    if (journal_.size() > 40) journal_.pop_front();
  }

  bool connue(const std::string& mot) const { return std::find(table_.begin(), table_.end(), mot) != table_.end(); }

  static bool estgenmove(const std::string& mot) {
    return mot == "genmove" || mot == "genmove_black" || mot == "genmove_white" || mot == "kgs-genmove_cleanup";
  }

  // The colour a genmove line asks for, 0 when invalid.
  int couleurgenmove(const Lecture& l) const {
    if (l.mot == "genmove_black") return 1;
    if (l.mot == "genmove_white") return 2;
    if (d_ == Dialecte::vesmok) return vesmokcouleur(l.mots.empty() ? "" : l.mots[0]);
    int c = 0;
    return nebracouleur(l.reste, 0, c) ? c : 0;
  }

  // The move of a play, black or white line: false when unreadable.
  bool coupjoue(const Lecture& l, int& couleur, int& p) const {
    const int n = m_.taille();
    if (d_ == Dialecte::nebra) return nebracoup(l.reste, n, couleur, p);
    if (l.mot == "play") {
      couleur = vesmokcouleur(l.mots.empty() ? "" : l.mots[0]);
      return couleur != 0 && vesmokvertex(l.mots.size() > 1 ? l.mots[1] : "", n, p);
    }
    couleur = vesmokcouleur(l.mot);
    return vesmokvertex(l.mots.empty() ? "" : l.mots[0], n, p);
  }

  static std::string attendu(char voulu, char statut) {
    return voulu == statut ? "" : std::string("expected \"") + voulu + "\"";
  }

  // The vertices of a reply text; false when one is not a point of the board.
  bool points(const std::string& texte, std::vector<int>& ps) const {
    for (const std::string& m : decoupe(texte, false)) {
      const int p = jeugo::litvertex(m, m_.taille());
      if (p < 0) return false;
      ps.push_back(p);
    }
    return true;
  }

  // Checks one reply against the line and the model, and follows it.
  std::string interprete(const Lecture& l, char s, const std::string& texte) {
    if (!connu_) {
      // The first line is "name": it tells which line layer to expect.
      if (texte == "Molvane") d_ = Dialecte::vesmok;
      else if (texte == "Nebra") d_ = Dialecte::nebra;
      else return "unknown program";
      nom_ = texte;
      connu_ = true;
      m_.d = d_;
      m_.efface(19);
      return "";
    }
    if (table_.empty()) {
      if (l.mot != "list_commands" || s != '=') return "list_commands failed";
      table_ = decoupe(texte, false);
      liste_ = texte;
      return "";
    }
    const std::string& mot = l.mot;
    // Status lists are compared on one position: any other command ends the set.
    if (mot != "final_status_list") statuts_.clear();
    if (mot != "final_status_list") passenettoyage_ = 0;
    if (!connue(mot)) return s == '?' && texte == "unknown command" ? "" : "expected \"? unknown command\"";
    const int n = m_.taille();
    if (mot == "play" || mot == "black" || mot == "white") {
      int couleur = 0, p = -1;
      const bool lu = coupjoue(l, couleur, p);
      const bool ok = lu && !(d_ == Dialecte::vesmok && m_.coups.size() >= Modele::kCoupsMax) && m_.legal(couleur, p);
      if (s == '=' && !ok) return lu ? "a move the model finds illegal was accepted" : "an unreadable move was accepted";
      if (s == '?' && ok) return "a legal move was refused";
      if (ok) {
        m_.joue(couleur, p);
        tour_ = 3 - couleur;
      }
      return "";
    }
    if (estgenmove(mot)) {
      const int couleur = couleurgenmove(l);
      const bool ok = couleur != 0 && !(d_ == Dialecte::vesmok && m_.coups.size() >= Modele::kCoupsMax);
      if (std::string e = attendu(ok ? '=' : '?', s); !e.empty()) return e;
      if (!ok) return "";
      const int p = jeugo::litvertex(texte, n);
      if (p == -2) return "the move is not a vertex of the board";
      if (!m_.legal(couleur, p)) return "an illegal move on the board";
      if (n > 9) ++genmovesgros_;
      if (mot == "kgs-genmove_cleanup") ++nettoyages_;
      // Vesmok's cleanup passes only when no stone of the other side that it
      // calls dead is left: the status lists asked next are checked.
      if (mot == "kgs-genmove_cleanup" && p == -1 && d_ == Dialecte::vesmok) {
        passenettoyage_ = couleur;
        suite_.push_back("final_status_list dead\n");
      }
      m_.joue(couleur, p, true);
      tour_ = 3 - couleur;
      return "";
    }
    if (mot == "undo") {
      const bool ok = static_cast<int>(m_.coups.size()) > m_.handicap;
      if (std::string e = attendu(ok ? '=' : '?', s); !e.empty()) return e;
      if (ok) m_.reprend();
      return "";
    }
    if (mot == "clear_board") {
      if (s != '=') return "expected \"=\"";
      m_.efface(n);
      m_.handicap = 0;
      return "";
    }
    if (mot == "boardsize") {
      long long t = 0;
      bool deborde = false;
      if (d_ == Dialecte::nebra) {
        const bool ok = litentier(l.reste, 0, t, deborde) > 0 && !deborde && t >= 2 && t <= 23;
        if (std::string e = attendu(ok ? '=' : '?', s); !e.empty()) return e;
      }
      if (s != '=') return "";
      if (d_ == Dialecte::vesmok) {
        const std::string a = l.mots.empty() ? "" : l.mots[0];
        if (!chiffres(a)) return "an unreadable size was accepted";
        for (char ch : a) t = std::min(t * 10 + (ch - '0'), 1000LL);
        if (t < 9 || t > 19 || t % 2 == 0) return "a size outside 9, 11 .. 19 was accepted";
      } else {
        if (litentier(l.reste, 0, t, deborde) == 0) return "an unreadable size was accepted";
        if (deborde || t < 2 || t > 23) return "a size outside 2 .. 23 was accepted";
      }
      m_.efface(static_cast<int>(t));
      m_.handicap = 0;
      return "";
    }
    if (mot == "fixed_handicap" || mot == "place_free_handicap") {
      const bool fixe = mot == "fixed_handicap";
      long long k = 0;
      bool ok = false;
      if (d_ == Dialecte::vesmok) {
        const std::string a = l.mots.empty() ? "" : l.mots[0];
        if (chiffres(a))
          for (char ch : a) k = std::min(k * 10 + (ch - '0'), 1000000LL);
        ok = chiffres(a) && k >= 2 && (fixe ? k <= 9 && m_.vide() : k <= n * n - 1 && m_.coups.empty());
      } else {
        bool deborde = false;
        ok = m_.nombre == 0 && litentier(l.reste, 0, k, deborde) > 0 && (deborde ? k > 0 : k > 1) &&
             !(fixe && (deborde || k > 9 || n <= 6 || (n % 2 == 0 && k >= 5) || (n == 7 && k >= 5)));
      }
      if (std::string e = attendu(ok ? '=' : '?', s); !e.empty()) return e;
      if (s != '=') return "";
      std::vector<int> ps;
      if (d_ == Dialecte::vesmok && mot == "place_free_handicap") {
        // Each word is played as a black move; the count is what was placed.
        int posees = 0;
        for (const std::string& m : decoupe(texte, false)) {
          int p = -1;
          if (!vesmokvertex(m, n, p) || p < 0) return "a handicap vertex off the board";
          if (m_.coups.size() < Modele::kCoupsMax && m_.legal(1, p)) m_.joue(1, p), ++posees;
        }
        m_.handicap = posees;
        return "";
      }
      if (!points(texte, ps)) return "a handicap vertex off the board";
      if (!m_.vide() || (d_ == Dialecte::nebra && m_.nombre != 0)) return "handicap stones on a board that is not empty";
      std::vector<int> tries = ps;
      std::sort(tries.begin(), tries.end());
      if (std::adjacent_find(tries.begin(), tries.end()) != tries.end()) return "a handicap point given twice";
      if (d_ == Dialecte::vesmok) {
        m_.coups.clear();
        for (int p : ps) m_.jeu.b[static_cast<size_t>(p)] = 1, m_.coups.push_back({1, p});
        m_.handicap = static_cast<int>(ps.size());
      } else {
        for (int p : ps) m_.joue(1, p);
      }
      return "";
    }
    if (mot == "set_free_handicap") {
      if (d_ == Dialecte::vesmok) {
        // Points of the board, a game not begun, 2 .. n*n-1 points, none twice.
        bool ok = true;
        std::vector<int> ps;
        for (const std::string& m : l.mots) {
          int p = -1;
          if (!vesmokvertex(m, n, p) || p < 0) ok = false;
          ps.push_back(p);
        }
        std::vector<int> tries = ps;
        std::sort(tries.begin(), tries.end());
        ok = ok && m_.coups.empty() && ps.size() >= 2 && ps.size() <= static_cast<size_t>(n * n - 1) &&
             std::adjacent_find(tries.begin(), tries.end()) == tries.end();
        if (std::string e = attendu(ok ? '=' : '?', s); !e.empty()) return e;
        if (!ok) return "";
        for (int p : ps) m_.joue(1, p);
        m_.handicap = static_cast<int>(ps.size());
        return "";
      }
      if (s == '?') {
        if (texte != "board not empty") m_.efface(n);
        return "";
      }
      int p = -1;
      for (size_t q = 0, k; (k = nebracoord(l.reste, q, n, p)) > 0; q += k) {
        if (m_.jeu.b[static_cast<size_t>(p)] != 0) return "a repeated handicap vertex was accepted";
        if (m_.legal(1, p)) m_.joue(1, p);
      }
      return "";
    }
    if (mot == "final_status_list") {
      std::string statut = l.mots.empty() ? "" : l.mots[0];
      if (d_ == Dialecte::nebra) statut = statut.substr(0, 15);
      const bool ok = statut == "dead" || statut == "alive" || statut == "seki";
      if (std::string e = attendu(ok ? '=' : '?', s); !e.empty()) return e;
      if (!ok) return "";
      std::vector<int> ps;
      if (!points(texte, ps)) return "a listed vertex off the board";
      for (int p : ps)
        if (m_.jeu.b[static_cast<size_t>(p)] == 0) return "a listed vertex holds no stone";
      std::sort(ps.begin(), ps.end());
      if (statut == "dead" && passenettoyage_ != 0)
        for (int p : ps)
          if (m_.jeu.b[static_cast<size_t>(p)] == 3 - passenettoyage_)
            return "the cleanup passed with a dead stone of the other side";
      statuts_.emplace_back(statut, ps);
      return verifiestatuts();
    }
    if (mot == "showboard") {
      if (s != '=') return "expected \"=\"";
      return verifiedessin(texte);
    }
    if (mot == "known_command") {
      if (s != '=') return "expected \"=\"";
      std::string arg = l.mots.empty() ? "" : l.mots[0];
      if (d_ == Dialecte::nebra) arg = arg.substr(0, 63);
      const std::string voulu = connue(arg) ? "true" : "false";
      return texte == voulu ? "" : "expected \"" + voulu + "\"";
    }
    if (mot == "list_commands") return s == '=' && texte == liste_ ? "" : "a different command list";
    if (mot == "name") return s == '=' && texte == nom_ ? "" : "a different name";
    if (mot == "protocol_version") return s == '=' && texte == "2" ? "" : "expected \"= 2\"";
    if (mot == "version") return attendu('=', s);
    if (mot == "level" && s == '=' && !(l.mots.size() >= 1 && l.mots[0] == "1")) suite_.push_back("level 1\n");
    return "";
  }

  // The status lists asked in a row, on one position: no stone in two of
  // them, and once all three are asked every stone in one; Nebra's stones
  // are never seki.
  std::string verifiestatuts() const {
    const std::vector<int>* liste[3] = {nullptr, nullptr, nullptr};
    for (const auto& [statut, ps] : statuts_)
      liste[statut == "dead" ? 0 : statut == "alive" ? 1 : 2] = &ps;
    std::vector<int> fois(m_.jeu.b.size(), 0);
    for (const std::vector<int>* l : liste)
      if (l)
        for (int p : *l)
          if (++fois[static_cast<size_t>(p)] > 1) return "a stone in two status lists";
    if (liste[0] && liste[1] && liste[2])
      for (size_t p = 0; p < fois.size(); ++p)
        if (m_.jeu.b[p] != 0 && fois[p] == 0) return "a stone in no status list";
    if (d_ == Dialecte::nebra && liste[2] && !liste[2]->empty()) return "a seki stone";
    return "";
  }

  // Nebra's drawing: a letters line, then each row from the top with its number.
  std::string verifiedessin(const std::string& texte) const {
    std::vector<std::string> rangs;
    size_t debut = 0;
    for (size_t p; (p = texte.find('\n', debut)) != std::string::npos; debut = p + 1)
      rangs.push_back(texte.substr(debut, p - debut));
    rangs.push_back(texte.substr(debut));
    const int n = m_.taille();
    if (static_cast<int>(rangs.size()) != n + 3) return "a drawing of " + std::to_string(rangs.size()) + " lines";
    for (int i = 0; i < n; ++i) {
      const std::vector<std::string> m = decoupe(rangs[static_cast<size_t>(i) + 2], true);
      const int numero = n - i;
      if (static_cast<int>(m.size()) != n + 2 || m[0] != std::to_string(numero)) return "a malformed drawn row";
      for (int j = 0; j < n; ++j) {
        const int c = m_.jeu.b[static_cast<size_t>((numero - 1) * n + j)];
        if (m[static_cast<size_t>(j) + 1] != (c == 1 ? "X" : c == 2 ? "O" : ".")) return "the drawn board differs from the model";
      }
    }
    return "";
  }

  // ---- Generation ----------------------------------------------------------

  uint32_t de(uint32_t n) { return g_.borne(n); }
  template <size_t N>
  const char* parmi(const char* const (&t)[N]) {
    return t[de(N)];
  }

  std::string motcouleur(int c) {
    static const char* const noir[] = {"b", "B", "black", "Black", "BLACK"};
    static const char* const blanc[] = {"w", "W", "white", "White", "WHITE"};
    return c == 1 ? parmi(noir) : parmi(blanc);
  }
  std::string motvertex(int p) {
    if (p < 0) {
      static const char* const passe[] = {"pass", "PASS", "Pass"};
      return parmi(passe);
    }
    std::string v = jeugo::vertex(p, m_.taille());
    if (de(5) == 0) v[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(v[0])));
    return v;
  }
  std::string nombre() {
    static const char* const etranges[] = {"-1", "0", "-0", "+3", "2147483647", "2147483648", "-2147483649",
                                           "99999999999999999999", "4294967297", "1e3", "0x10", "7.5", "x", "",
                                           "00000000000000000000009"};
    if (de(3) == 0) return parmi(etranges);
    return std::to_string(de(de(2) ? 12 : 400));
  }
  std::string vertexmauvais() {
    const int n = m_.taille();
    static const char* const fixes[] = {"I5", "i3", "A0", "Z99", "T20", "D", "4", "DD4", "D4x", "D-4", "D+4",
                                        "-D4", "D04", "D4294967300", "\xe9" "4", "A99999999999999999999", "@1", "[3",
                                        "\x7f" "2", "pas", "passe", "PASS2"};
    switch (de(3)) {
      case 0: return parmi(fixes);
      case 1: return std::string(1, static_cast<char>('A' + n + (n >= 8 ? 1 : 0))) + std::to_string(1 + de(static_cast<uint32_t>(n)));
      default: return std::string(1, static_cast<char>('A' + de(static_cast<uint32_t>(std::min(n, 8))))) + std::to_string(n + 1 + de(3));
    }
  }
  std::string couleurmauvaise() {
    static const char* const t[] = {"blak", "whit", "bl", "x", "noir", "BLACKK", "0", "1", "wb", "blanc", "bla\xe7k"};
    return parmi(t);
  }

  // A legal point for the colour by the model, or -1.
  int pointlegal(int couleur) {
    const int n = m_.taille();
    for (int essai = 0; essai < 40; ++essai) {
      const int p = static_cast<int>(de(static_cast<uint32_t>(n * n)));
      if (m_.legal(couleur, p)) return p;
    }
    return -1;
  }

  std::string motinconnu() {
    static const char* const t[] = {"resign",    "loadsgf",      "reg_genmove", "undo_all",     "PLAY",
                                    "Name",      "genmove_blak", "time_setting", "kgs-time_settings", "final_status",
                                    "fixed-handicap", "list",    "komi2",       "showboard2",   "gogui-analyze_commands",
                                    "cputime",   "play_",        "GENMOVE",     "\xc3\xa9" "cho", "lz-analyze"};
    if (de(3)) return parmi(t);
    std::string m;
    for (uint32_t k = 1 + de(12); k > 0; --k) m += static_cast<char>(33 + de(223));
    std::replace(m.begin(), m.end(), '#', '%');
    std::replace(m.begin(), m.end(), static_cast<char>(127), 'z');
    return m;
  }

  // One line of real play or of a well-formed command, without its line feed.
  std::string commande() {
    const int n = m_.taille();
    const bool gros = n > 9;
    const uint32_t r = de(100);
    if (r < 30) {  // real play
      const int c = de(6) ? tour_ : 3 - tour_;
      const int p = de(15) ? pointlegal(c) : -1;
      if (de(10) == 0) return (c == 1 ? "black " : "white ") + motvertex(p);
      return "play " + motcouleur(c) + " " + motvertex(p);
    }
    if (r < 36) {  // any point, taken or not
      const int c = 1 + static_cast<int>(de(2));
      return "play " + motcouleur(c) + " " + motvertex(static_cast<int>(de(static_cast<uint32_t>(n * n))));
    }
    if (r < 46) {
      if (gros && genmovesgros_ >= kGenmovesGros) return "play " + motcouleur(tour_) + " " + motvertex(pointlegal(tour_));
      const int c = de(8) ? tour_ : 3 - tour_;
      const uint32_t k = de(20);
      if (k == 0 && !gros && nettoyages_ < kNettoyages) return "kgs-genmove_cleanup " + motcouleur(c);
      if (k == 1) return c == 1 ? "genmove_black" : "genmove_white";
      return "genmove " + motcouleur(c);
    }
    if (r < 50) return "undo";
    if (r < 53) return de(3) ? "clear_board" : nouvellepartie();
    if (r < 57) {
      static const char* const tailles[] = {"9", "9", "9", "9", "5", "6", "7", "8", "13", "19", "11", "15", "17",
                                            "2", "3", "4", "23", "0", "1", "10", "24", "25", "100", "-1", "-9",
                                            "2147483648", "99999999999", "nine", "9x", "", "09", "+9", "9.0"};
      return "boardsize " + std::string(parmi(tailles));
    }
    if (r < 59) {
      static const char* const komis[] = {"6.5", "0", "-3.5", "7,5", "abc", "1e400", "nan", "inf", "",
                                          "1.2.3", ".", "99999999999999999999999", "5.5", "+0.5", "-0"};
      return "komi " + std::string(parmi(komis));
    }
    if (r < 64) {
      switch (de(3)) {
        case 0: return "fixed_handicap " + (de(2) ? std::to_string(de(11)) : nombre());
        case 1: return "place_free_handicap " + (de(2) ? std::to_string(de(12)) : nombre());
        default: {
          std::string s = "set_free_handicap";
          for (uint32_t k = de(7); k > 0; --k)
            s += " " + (de(8) ? motvertex(static_cast<int>(de(static_cast<uint32_t>(n * n)))) : vertexmauvais());
          return s;
        }
      }
    }
    if (r < 68) {
      if (de(2)) return "time_settings " + nombre() + " " + nombre() + " " + nombre();
      return "time_left " + (de(4) ? motcouleur(1 + static_cast<int>(de(2))) : couleurmauvaise()) + " " + nombre() + " " + nombre();
    }
    if (r < 72) {
      static const char* const statuts[] = {"dead", "alive", "seki", "Dead", "ALIVE", "mort", "", "dead alive"};
      if (de(4) == 0) return "final_status_list dead\nfinal_status_list alive\nfinal_status_list seki";
      return de(5) ? "final_status_list " + std::string(parmi(statuts)) : "final_score";
    }
    if (r < 74) return "showboard";
    if (r < 80) {
      static const char* const infos[] = {"name", "version", "protocol_version", "list_commands"};
      if (de(2)) return parmi(infos);
      const std::string mot = de(3) ? (de(2) ? table_[de(static_cast<uint32_t>(table_.size()))] : "undo") : motinconnu();
      return "known_command" + (de(10) ? " " + mot : std::string());
    }
    if (r < 82) return "level " + (de(2) ? std::to_string(de(12)) : nombre());
    if (r < 90) {  // wrong arguments for a real command
      static const char* const mots[] = {"play", "genmove", "boardsize", "komi", "fixed_handicap", "time_left",
                                         "play", "black", "white", "undo", "clear_board", "final_status_list"};
      std::string s = parmi(mots);
      if (gros && (s == "genmove")) s = "play";
      switch (de(5)) {
        case 0: return s;
        case 1: return s + " " + couleurmauvaise() + " " + motvertex(static_cast<int>(de(static_cast<uint32_t>(n * n))));
        case 2: return s + " " + motcouleur(1 + static_cast<int>(de(2))) + " " + vertexmauvais();
        case 3: return s + " " + nombre() + " " + nombre() + " " + nombre() + " " + nombre();
        default: return s + " " + vertexmauvais() + " " + motcouleur(1 + static_cast<int>(de(2)));
      }
    }
    if (r < 96) return de(150) ? motinconnu() + (de(2) ? " " + nombre() : std::string()) : rafale();
    // Lines that are no command.
    static const char* const vides[] = {"", " ", "   \t ", "# a comment", "  # indented comment", "=5 name", "?",
                                        "= ", "?3 unknown command", "\r", "\x01\x02\x03", "\x7f", "12", "007",
                                        "-4", "+", "\xff\xfe", "\x1b[2J", "#name", "=", "\x0b\x0c"};
    return parmi(vides);
  }

  // A new game: a size, a cleared board, often handicap stones and komi.
  std::string nouvellepartie() {
    static const int tailles[] = {9, 9, 9, 7, 5, 13, 19};
    const int n = tailles[de(7)];
    std::string s = "boardsize " + std::to_string(n) + "\nclear_board";
    switch (de(4)) {
      case 0: s += "\nfixed_handicap " + std::to_string(2 + de(8)); break;
      case 1: s += "\nplace_free_handicap " + std::to_string(2 + de(8)); break;
      case 2: {
        s += "\nset_free_handicap";
        for (uint32_t k = 2 + de(5); k > 0; --k)
          s += " " + jeugo::vertex(static_cast<int>(de(static_cast<uint32_t>(n * n))), n);
        break;
      }
      default: break;
    }
    return s + "\nkomi " + (de(2) ? "6.5" : "0.5");
  }

  // A long run of passes and moves that fills the move list of a game.
  std::string rafale() {
    std::string s;
    for (uint32_t k = 600 + de(500); k > 0; --k) s += (k % 2 ? "play b pass\n" : "play w pass\n");
    return s + (de(2) ? "undo" : "genmove b");
  }

  // Damages a line: ids, tabs, CR, control and 8-bit bytes, comments, length.
  std::string abime(std::string s) {
    const uint32_t k = de(14);
    if (k == 0) {
      static const char* const ids[] = {"1 ", "17 ", "007 ", "0 ", "99999999999999999999 ", "2147483647 ",
                                        "2147483648 ", "-5 ", "+3 ", "a1 ", "12", "3\t", " 42 ", "-0 ", "00 "};
      return parmi(ids) + s;
    }
    if (k == 1) {
      std::replace(s.begin(), s.end(), ' ', '\t');
      return s;
    }
    if (k == 2) return s + "\r";
    if (k == 3 || k == 4) {
      static const char controles[] = {0, 1, 2, 7, 8, 11, 12, 13, 27, 31, 127};
      s.insert(s.begin() + de(static_cast<uint32_t>(s.size()) + 1), controles[de(sizeof controles)]);
      return s;
    }
    if (k == 5) {
      s.insert(s.begin() + de(static_cast<uint32_t>(s.size()) + 1), static_cast<char>(128 + de(128)));
      return s;
    }
    if (k == 6) return s + (de(2) ? " # trailing comment" : "#x");
    if (k == 7) {  // several KB, now and then more than a megabyte
      const uint32_t longueur = de(60) ? 2000 + de(6000) : (1u << 20) + de(5000);
      switch (de(3)) {
        case 0: return s + std::string(longueur, ' ') + "tail";
        case 1: {
          std::string t = s;
          while (t.size() < longueur) t += " " + motvertex(static_cast<int>(de(static_cast<uint32_t>(m_.taille() * m_.taille()))));
          return t;
        }
        default: return s + " " + std::string(longueur, static_cast<char>('a' + de(26)));
      }
    }
    if (k == 8) return std::string(de(2) ? "  " : "\t ") + s + "  ";
    if (k == 9 && !s.empty()) {
      const size_t p = s.find(' ');
      for (size_t i = 0; i < std::min(p, s.size()); ++i)
        s[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
      return s;
    }
    return s;
  }

  // Whether a line of the step is one the run must not send: quit, or a
  // genmove past the budget of big boards and cleanups.
  bool refusee(const std::string& octets) const {
    const std::string tout = attente_ + octets;
    const bool gros = m_.taille() > 9;
    int genmoves = 0, nettoyages = 0;
    bool niveau = false;  // a level line: a genmove after it waits for "level 1"
    size_t debut = 0;
    for (size_t p; (p = tout.find('\n', debut)) != std::string::npos; debut = p + 1) {
      const Lecture l = lit(d_, tout.substr(debut, p - debut));
      if (!l.reponse) continue;
      if (l.mot == "quit") return true;
      if (l.mot == "level") niveau = true;
      if (!estgenmove(l.mot) || !connue(l.mot) || couleurgenmove(l) == 0) continue;
      if (niveau) return true;
      ++genmoves;
      if (l.mot == "kgs-genmove_cleanup") ++nettoyages;
    }
    if (gros && genmoves > 0 && genmovesgros_ + genmoves > kGenmovesGros) return true;
    if (nettoyages > 0 && (gros || nettoyages_ + nettoyages > kNettoyages)) return true;
    // An unfinished line that could become quit or a genmove later (after a
    // level line, before the "level 1" that follows it).
    const Lecture l = lit(d_, tout.substr(debut));
    return l.mot == "quit" || ((gros || niveau) && estgenmove(l.mot));
  }

  // The bytes of the next step.
  std::string genere() {
    if (!suite_.empty()) {
      std::string s = suite_.front();
      suite_.pop_front();
      return (attente_.empty() ? "" : "\n") + s;
    }
    for (int essai = 0; essai < 100; ++essai) {
      std::string octets;
      const uint32_t lignes = de(12) == 0 ? 2 + de(3) : 1;
      for (uint32_t k = 0; k < lignes; ++k) {
        std::string s = commande();
        if (de(3) == 0) s = abime(s);
        if (de(8) == 0) s = abime(s);
        octets += s;
        // Now and then the line feed comes with the next step.
        if (k + 1 < lignes || de(25)) octets += '\n';
      }
      if (!refusee(octets)) return octets;
    }
    return "\n";
  }
};

// Runs every seed of the options; prints a line per faulty seed.
inline Bilan lance(const Options& o) {
  Bilan b;
  for (int k = 0; k < o.series; ++k) {
    Essai e(o, o.graine + static_cast<uint64_t>(k));
    e.lance(b);
  }
  return b;
}

}  // namespace fuzzgtp
