// The decision explainer: sets up a position the way the GTP front end does
// (a file of GTP commands, or the main line of a game record), asks Vesmok
// for one move with the generator and the tick counter pinned, then prints
// what the search state of that move holds: every root candidate with its
// family values, the sum, the winning-line map and the penalty rule, its
// search value, and the move chosen; with --cartes every family map as a board.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/familles.h"
#include "engine/choice/recherche.h"
#include "engine/choice/recherche_etat.h"
#include "engine/opening/fuseki.h"
#include "engine/opening/joseki.h"
#include "engine/opening/solution99.h"
#include "frontend/commandes.h"
#include "frontend/gtp.h"
#include "frontend/partie.h"
#include "platform/platform.h"
#include "records/arbre.h"
#include "records/chargement.h"

namespace {

constexpr uint32_t GRAINEDEFAUT = 20261209;  // the seed of the test build vesmok_det

const char* const AIDE =
    "usage: explique [options] POSITION\n"
    "Asks Vesmok for one move on POSITION and explains it from the search state.\n"
    "POSITION is a file of GTP commands, one a line (boardsize 9, komi 7.5, play b E5, ...),\n"
    "or a game record (.sgf, .mgt, .go, .ght, .pro, .ugf): its main line, setup stones as plays.\n"
    "  --couleur b|w   side to move (default: the side after the last move, black on an empty board)\n"
    "  --niveau N      start-up level 1..10, as vesmok --level N (default 7; a level command in the file wins)\n"
    "  --graine S      seed of the generator (default 20261209, the one of vesmok_det); ticks are pinned\n"
    "  --coups N       a game record: only its first N moves\n"
    "  --cartes        also every family map as a board (rows top to bottom, GTP coordinates)\n"
    "  --nettoyage     ask kgs-genmove_cleanup instead of genmove (the cleanup entry: level at least 7, no\n"
    "                  opening suggestions; a pass of its search is replaced by a liberty of a dead enemy chain)\n"
    "  --help          this text\n"
    "Output: the position and the state of the turn (bilanscore, strategie, etatcalme, ...), the winning-line\n"
    "search, then one line per root candidate sorted by \"somme\": the sum, the opponent sum, the path score\n"
    "after the root move's own terms, the search value (first pass, second pass; \"<=v\" when the replies held the\n"
    "move to no better than the best so far, so v only bounds it), notes (chosen, gote, book,\n"
    "winning line, penalty rule, ko) and every non-zero term of \"somme\" by its family's name, largest first;\n"
    "finally the move of the search and the move genmove gave.\n";

uint32_t tick = 0;
uint32_t tickfixe() { return tick += 10; }
uint64_t perffixe() { return 123456789; }

struct Options {
  std::string position;
  std::string couleur;  // empty: the side after the last move
  int32_t niveau = 7;
  uint32_t graine = GRAINEDEFAUT;
  int32_t coups = -1;  // -1: the whole record
  bool cartes = false;
  bool nettoyage = false;  // ask the cleanup entry (kgs-genmove_cleanup) instead of genmove
};

bool litentier(const char* texte, int64_t minimum, int64_t maximum, int64_t& valeur) {
  char* fin = nullptr;
  const long long v = std::strtoll(texte, &fin, 10);
  if (fin == texte || *fin != '\0' || v < minimum || v > maximum) return false;
  valeur = v;
  return true;
}

// 0 parsed, 1 error (message on stderr), 2 help asked.
int litoptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const auto valeur = [&](int64_t minimum, int64_t maximum, int64_t& v) {
      if (i + 1 >= argc || !litentier(argv[i + 1], minimum, maximum, v)) {
        std::cerr << "explique: " << a << " wants a number from " << minimum << " to " << maximum << "\n";
        return false;
      }
      ++i;
      return true;
    };
    int64_t v = 0;
    if (a == "--help" || a == "-h") return 2;
    if (a == "--cartes") {
      o.cartes = true;
    } else if (a == "--nettoyage") {
      o.nettoyage = true;
    } else if (a == "--couleur") {
      if (i + 1 >= argc || gtpcouleur(argv[i + 1]) > NOIR) {
        std::cerr << "explique: --couleur wants b or w\n";
        return 1;
      }
      o.couleur = argv[++i];
    } else if (a == "--niveau") {
      if (!valeur(1, 10, v)) return 1;
      o.niveau = static_cast<int32_t>(v);
    } else if (a == "--graine") {
      if (!valeur(0, UINT32_MAX, v)) return 1;
      o.graine = static_cast<uint32_t>(v);
    } else if (a == "--coups") {
      if (!valeur(0, MAXCOUPSPARTIE, v)) return 1;
      o.coups = static_cast<int32_t>(v);
    } else if (!a.empty() && a[0] == '-') {
      std::cerr << "explique: unknown option " << a << "\n";
      return 1;
    } else if (o.position.empty()) {
      o.position = a;
    } else {
      std::cerr << "explique: one position only\n";
      return 1;
    }
  }
  if (o.position.empty()) {
    std::cerr << "explique: no position given (--help)\n";
    return 1;
  }
  return 0;
}

std::string minuscules(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return s;
}

bool estrecord(const std::string& nom) {
  return estsgf(nom) || estgo(nom) || estght(nom) || estpro(nom) || estugf(nom);
}

// The GTP commands that set up the main line of a game record: size, komi,
// the setup stones, then the moves (at most `coups` of them).
bool commandesrecord(const std::string& nom, int32_t coups, std::vector<std::string>& lignes) {
  std::unique_ptr<TArbre> arbre;
  TConfig config;
  chargepartie(nom, arbre, config);
  if (!arbre || config.taille < 2) {
    std::cerr << "explique: no game read from " << nom << "\n";
    return false;
  }
  lignes.push_back("boardsize " + std::to_string(config.taille));
  std::ostringstream komi;
  komi << config.komi;
  lignes.push_back("komi " + komi.str());
  const auto joue = [&](uint8_t couleur, int32_t ligne, int32_t colonne) {
    lignes.push_back(std::string("play ") + (couleur == NOIR ? "b " : "w ") + gtpvertex(ligne, colonne));
  };
  int32_t joues = 0;
  for (TArbre* n = arbre.get(); n != nullptr; n = n->premierfils.get()) {
    const TDonnees& d = *n->donnees;
    for (int k = 0; k < d.poses.Count(); ++k) {
      const TCoups& p = *d.poses.Coup(k);
      if (p.couleur <= NOIR && p.ligne != 0 && p.colonne != 0) joue(p.couleur, p.ligne, p.colonne);
    }
    if (d.nature != NOEUDNOIR && d.nature != NOEUDBLANC) continue;
    if (coups >= 0 && joues >= coups) break;
    int32_t l = 0, c = 0;
    uint8_t couleur = 0;
    litcoup(d.coup, l, c, couleur);
    joue(couleur, l == 0 || c == 0 ? 0 : l, c);
    ++joues;
  }
  return true;
}

bool commandesfichier(const std::string& nom, std::vector<std::string>& lignes) {
  std::ifstream f(nom);
  if (!f) {
    std::cerr << "explique: cannot read " << nom << "\n";
    return false;
  }
  std::string ligne;
  while (std::getline(f, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    const size_t diese = ligne.find('#');
    if (diese != std::string::npos) ligne.erase(diese);
    if (ligne.find_first_not_of(" \t") == std::string::npos) continue;
    lignes.push_back(ligne);
  }
  return true;
}

// Runs the command lines through the front end's GTP layer with its replies
// caught; a failed command is reported and stops the run. The reply of the
// last command goes to `derniere`.
bool executecommandes(const std::vector<std::string>& lignes, std::string& derniere) {
  std::fflush(stdout);
  FILE* tampon = std::tmpfile();
  if (tampon == nullptr) return false;
  const int sortie = dup(STDOUT_FILENO);
  dup2(fileno(tampon), STDOUT_FILENO);
  std::vector<std::string> reponses;
  for (const std::string& l : lignes) {
    const off_t debut = lseek(STDOUT_FILENO, 0, SEEK_CUR);
    gtprecoit(l + "\n");
    const off_t fin = lseek(STDOUT_FILENO, 0, SEEK_CUR);
    std::string r(static_cast<size_t>(std::max<off_t>(fin - debut, 0)), '\0');
    if (!r.empty() && pread(STDOUT_FILENO, r.data(), r.size(), debut) != static_cast<ssize_t>(r.size())) r.clear();
    reponses.push_back(r);
  }
  std::fflush(stdout);
  dup2(sortie, STDOUT_FILENO);
  close(sortie);
  std::fclose(tampon);
  for (size_t k = 0; k < lignes.size(); ++k) {
    if (!reponses[k].empty() && reponses[k][0] == '?') {
      std::string r = reponses[k];
      while (!r.empty() && r.back() == '\n') r.pop_back();
      std::cerr << "explique: command " << k + 1 << " \"" << lignes[k] << "\" failed: " << r << "\n";
      return false;
    }
  }
  derniere = reponses.empty() ? "" : reponses.back();
  return true;
}

// ---- Reading of the search state ---------------------------------------------------

struct Terme {
  const char* nom;  // the family's name
  int32_t valeur;
};

// The terms of "somme" at point i, in the order the sum adds them.
std::vector<Terme> termessomme(const TCartesFamilles& f, int32_t i) {
  return {{"\"bonuscombatsemai\"", f.bonuscombatsemai[i]},
          {"\"bonus de debut ou de fin de partie\"", f.bonusdebutfin[i]},
          {"\"titebite\"", f.titebite[i]},
          {"\"fortification\"", f.fortificationordi[i]},
          {"\"survie\"", f.survieordi[i]},
          {"\"survie\" joueur", f.surviejoueur[i]},
          {"\"coupure dangereuse\"", f.coupuredangereuse[i]},
          {"\"coupure bambou separation\"", f.coupurebambou[i]},
          {"\"IAjoueur\"", f.iajoueur[i]},
          {"\"protection\"", f.protection[i]},
          {"\"test projet\"", f.testprojet[i]},
          {"atari", f.atariordi[i]},
          {"atari joueur", f.atarijoueur[i]},
          {"\"coup force mort ou invasion\"", f.coupforceordi[i]},
          {"\"flou\"", f.flou[i]},
          {"\"invasionforte\"", f.invasionforteordi[i]},
          {"\"faiblesse\"", f.faiblesse[i]},
          {"\"faitmort\"", f.faitmortordi[i]},
          {"\"separation\"", f.separationordi[i]},
          {"\"joseki\"", valeurscoins[i]},
          {"\"invasion_defense ordi\"", f.invasiondefenseordi[i]}};
}

std::string point(int32_t l, int32_t c) { return l == 0 ? "pass" : gtpvertex(l, c); }

const char* nomcouleur(uint8_t c) { return c == NOIR ? "black" : "white"; }

const char* nomstrategie(uint8_t s) { return s == 0 ? "attack" : s == 1 ? "defend" : "neutral"; }

// The position as a GTP board: X black, O white.
void imprimeplateau(const TPlateau& p, int32_t n) {
  std::string lettres = "   ";
  for (int32_t l = 1; l <= n; ++l) lettres += gtpvertex(l, 1).substr(0, 1) + " ";
  std::cout << lettres << "\n";
  for (int32_t c = n; c >= 1; --c) {
    std::printf("%2d ", c);
    for (int32_t l = 1; l <= n; ++l) {
      const uint8_t v = p[indexcase(l, c)];
      std::cout << (v == NOIR ? 'X' : v == BLANC ? 'O' : '.') << ' ';
    }
    std::printf("%d\n", c);
  }
  std::cout << lettres << "\n";
}

// A map as a board: its values, "." for 0 on an empty point, X or O for 0
// under a stone; all-zero maps take one line.
template <class Carte>
void imprimecarte(const std::string& nom, const Carte& carte, const TPlateau& p, int32_t n) {
  int32_t largeur = 1;
  bool vide = true;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int64_t v = carte[indexcase(l, c)];
      if (v != 0) vide = false;
      largeur = std::max<int32_t>(largeur, static_cast<int32_t>(std::to_string(v).size()));
    }
  if (vide) {
    std::cout << nom << ": 0 everywhere\n";
    return;
  }
  std::cout << nom << ":\n";
  std::string lettres = "   ";
  for (int32_t l = 1; l <= n; ++l) lettres += std::string(static_cast<size_t>(largeur), ' ') + gtpvertex(l, 1).substr(0, 1);
  std::cout << lettres << "\n";
  for (int32_t c = n; c >= 1; --c) {
    std::printf("%2d ", c);
    for (int32_t l = 1; l <= n; ++l) {
      const int32_t i = indexcase(l, c);
      const int64_t v = carte[i];
      std::string t = v != 0 ? std::to_string(v) : p[i] == NOIR ? "X" : p[i] == BLANC ? "O" : ".";
      std::cout << std::string(static_cast<size_t>(largeur + 1) - t.size(), ' ') << t;
    }
    std::printf("  %d\n", c);
  }
}

void imprimecartes(const recherche::TRecherche& r, const TPlateau& p, int32_t n) {
  const TCartesFamilles& f = r.familles;
  std::cout << "\nfamily maps (engine = ordi, opponent = joueur):\n";
  imprimecarte("\"faiblesse\"", f.faiblesse, p, n);
  imprimecarte("\"flou\"", f.flou, p, n);
  imprimecarte("\"flou\" of the first analysis", f.floudepart, p, n);
  imprimecarte("\"moyo\"", f.moyo, p, n);
  imprimecarte("\"coup force mort ou invasion\" ordi", f.coupforceordi, p, n);
  imprimecarte("\"coup force mort ou invasion\" joueur", f.coupforcejoueur, p, n);
  imprimecarte("\"coupure dangereuse\"", f.coupuredangereuse, p, n);
  imprimecarte("\"titebite\"", f.titebite, p, n);
  imprimecarte("\"fourchette\" ordi", f.fourchetteordi, p, n);
  imprimecarte("\"fourchette\" joueur", f.fourchettejoueur, p, n);
  imprimecarte("\"IAjoueur\"", f.iajoueur, p, n);
  imprimecarte("\"protection\"", f.protection, p, n);
  imprimecarte("\"invasionforte\" ordi", f.invasionforteordi, p, n);
  imprimecarte("\"invasionforte\" joueur", f.invasionfortejoueur, p, n);
  imprimecarte("\"invasion_defense ordi\"", f.invasiondefenseordi, p, n);
  imprimecarte("\"invasion_defense joueur\"", f.invasiondefensejoueur, p, n);
  imprimecarte("\"test tue\" ordi", f.testtueordi, p, n);
  imprimecarte("\"test tue\" joueur", f.testtuejoueur, p, n);
  imprimecarte("\"test vit\" ordi", f.testvitordi, p, n);
  imprimecarte("\"test vit\" joueur", f.testvitjoueur, p, n);
  imprimecarte("\"test projet\"", f.testprojet, p, n);
  imprimecarte("\"bonus de debut ou de fin de partie\"", f.bonusdebutfin, p, n);
  imprimecarte("\"coupure bambou separation\"", f.coupurebambou, p, n);
  imprimecarte("\"separation\" ordi", f.separationordi, p, n);
  imprimecarte("\"separation\" joueur", f.separationjoueur, p, n);
  imprimecarte("atari ordi", f.atariordi, p, n);
  imprimecarte("atari joueur", f.atarijoueur, p, n);
  imprimecarte("\"survie\" ordi", f.survieordi, p, n);
  imprimecarte("\"survie\" joueur", f.surviejoueur, p, n);
  imprimecarte("\"fortification\" ordi", f.fortificationordi, p, n);
  imprimecarte("\"fortification\" joueur", f.fortificationjoueur, p, n);
  imprimecarte("\"bonuscombatsemai\"", f.bonuscombatsemai, p, n);
  imprimecarte("\"joseki\"", valeurscoins, p, n);
  imprimecarte("\"faitmort\" ordi", f.faitmortordi, p, n);
  imprimecarte("\"faitmort\" joueur", f.faitmortjoueur, p, n);
  imprimecarte("\"somme\"", f.somme, p, n);
  imprimecarte("opponent sum", f.sommejoueur, p, n);
  imprimecarte("book and winning-line map (1 = excluded)", f.livre, p, n);
  imprimecarte("path score after the root move's terms", r.valeursracine, p, n);
  imprimecarte("search value, first pass", r.valeurspremiere, p, n);
  imprimecarte("search value, second pass", r.valeursseconde, p, n);
}

// What the winning-line search left: -1 not run, 0 no winning move, else
// the count of winning moves (the points it did not exclude).
int32_t gagnants99(const recherche::TRecherche& r, int32_t n) {
  if (n != 9 || niveau < 5 || coupbasetrouve) return -1;
  int32_t exclus = 0;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) exclus += r.familles.livre[indexcase(l, c)] != 0;
  return exclus == 0 ? 0 : n * n - exclus;
}

struct Ligne {
  int32_t l, c;
  int32_t somme;
};

void explique(const recherche::TRecherche& r, const TPlateau& p, int32_t n, const std::string& coupgtp, bool cartes) {
  const TCartesFamilles& f = r.familles;
  std::printf("state: bilanscore %.1f, strategie %d (%s), etatcalme %d, phasefinale %d, debutpartie %d, "
              "coupbasetrouve %d, ordipasse %d\n",
              bilanscore, strategie, nomstrategie(strategie), etatcalme, phasefinale, debutpartie, coupbasetrouve,
              ordipasse);
  std::cout << "frame steps run:";
  for (int32_t k = 0; k < f.nbetapes; ++k) std::cout << ' ' << int{f.etapes[static_cast<size_t>(k)]};
  std::cout << "\n";
  const bool cherche = r.profondeurvue > 0 && r.racine.nombre > 0;
  if (!cherche) {
    std::cout << "no root list was searched this turn (opening or book move, calm or end-of-game pass)\n";
  } else {
    const int32_t g = gagnants99(r, n);
    if (coupbasetrouve && n == 9) std::cout << "winning line: not run (a book move was found; book marks skip)\n";
    else if (g < 0) std::cout << "winning line: not run (9x9 from level 5 only)\n";
    else if (g == 0) std::cout << "winning line: no winning first move\n";
    else std::cout << "winning line: " << g << " winning first move(s); every other point excluded, the penalty rule decides\n";
    std::printf("search: %d root entries, deepest node %d, gote re-appends %d, second pass %s, cut by the clock %s\n",
                r.racine.nombre, r.profondeurvue, r.rejeux, r.secondepasse ? "yes" : "no",
                r.interrompu ? "yes" : "no");
    // The root candidates, each once, sorted by "somme".
    std::vector<Ligne> lignes;
    TMarques vu{};
    bool passe = false;
    for (int32_t k = 1; k <= r.racine.nombre; ++k) {
      const TPoint q = r.racine.points[k];
      if (q.ligne == 0) {
        passe = true;
        continue;
      }
      if (vu[indexcase(q.ligne, q.colonne)]++) continue;
      lignes.push_back({q.ligne, q.colonne, f.somme[indexcase(q.ligne, q.colonne)]});
    }
    std::stable_sort(lignes.begin(), lignes.end(), [](const Ligne& a, const Ligne& b) { return a.somme > b.somme; });
    std::printf("\n%-5s %8s %8s %8s %8s %8s  %-30s %s\n", "point", "\"somme\"", "opp.sum", "path", "search",
                "search2", "notes", "terms of \"somme\"");
    for (const Ligne& e : lignes) {
      const int32_t i = indexcase(e.l, e.c);
      std::string notes;
      const auto note = [&](const std::string& t) { notes += (notes.empty() ? "" : ",") + t; };
      if (r.choisi.ligne == e.l && r.choisi.colonne == e.c) note("chosen");
      if (r.marquesracine[i] == 1) note("gote");
      if (r.marquesracine[i] == 3) note("gote-delicate");
      if (r.approfondir[i] >= 10) note("deepened");
      if (casesinterdites[i] & 1) note("ko");
      if (f.livre[i] == 1 && coupbasetrouve) note("book-skip");
      if (gagnants99(r, n) > 0) {
        if (f.livre[i] == 0) {
          note("winning-line");
        } else {
          // The penalty rule on the eight values the root hands it.
          const int32_t v[8] = {f.survieordi[i], f.surviejoueur[i], f.fortificationordi[i], f.invasionforteordi[i],
                                f.faitmortordi[i], f.separationordi[i], f.flou[i], f.somme[i]};
          int32_t s = 0;
          // True rejects the point; else it is searched with its path score lowered.
          note(testepenalite(e.l, e.c, v, s) ? "excluded,rejected" : "excluded,penalty" + std::to_string(s) + ",searched");
        }
      }
      const auto valeur = [&](int bit, int borne, const TCarte& carte) {
        if ((r.cherchees[i] & bit) == 0) return std::string("-");
        return ((r.cherchees[i] & borne) ? "<=" : "") + std::to_string(carte[i]);
      };
      std::vector<Terme> termes = termessomme(f, i);
      std::stable_sort(termes.begin(), termes.end(),
                       [](const Terme& a, const Terme& b) { return std::abs(a.valeur) > std::abs(b.valeur); });
      std::string texte;
      for (const Terme& t : termes)
        if (t.valeur != 0) texte += (texte.empty() ? "" : "  ") + std::string(t.nom) + " " + std::to_string(t.valeur);
      const std::string chemin = (r.cherchees[i] & 1) ? std::to_string(r.valeursracine[i]) : "-";
      std::printf("%-5s %8d %8d %8s %8s %8s  %-30s %s\n", point(e.l, e.c).c_str(), f.somme[i], f.sommejoueur[i],
                  chemin.c_str(), valeur(1, 4, r.valeurspremiere).c_str(), valeur(2, 8, r.valeursseconde).c_str(),
                  notes.empty() ? "-" : notes.c_str(), texte.empty() ? "-" : texte.c_str());
    }
    if (passe) std::cout << "pass  (in the root list)\n";
  }
  if (cartes) imprimecartes(r, p, n);
  std::cout << "\nmove of the search: " << (cherche ? point(r.choisi.ligne, r.choisi.colonne) : std::string("-"))
            << "\ngenmove: " << coupgtp << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  const int lu = litoptions(argc, argv, o);
  if (lu == 2) {
    std::cout << AIDE;
    return 0;
  }
  if (lu != 0) return 2;

  std::vector<std::string> lignes;
  if (estrecord(o.position) ? !commandesrecord(o.position, o.coups, lignes) : !commandesfichier(o.position, lignes))
    return 1;

  // The engine as vesmok_det starts it: seed and clocks pinned, libraries, GTP layer, game.
  platform::seam::fixetickcount(tickfixe);
  platform::seam::fixecompteurperf(perffixe);
  platform::seam::fixegrainerandomize(true, o.graine);
  chargefuseki(19);
  chargejoseki(19);
  gtpinit(0, "debug.txt", tabmotsgtp);
  gtpinitpartie(o.niveau, 2, 74);

  std::string reponse;
  if (!executecommandes(lignes, reponse)) return 1;
  // The side to move: given, else the other side of the last move.
  const int32_t nombre = listecoupsgtp[0].ligne;
  std::string couleur = o.couleur;
  if (couleur.empty()) couleur = nombre > 0 && listecoupsgtp[nombre].couleur == NOIR ? "w" : "b";
  const int32_t n = configgtp.taille;
  const TPlateau avant = plateaugtp;
  std::printf("position: %dx%d, komi %g, %d moves, %s to play, level %d, seed %u\n", n, n, configgtp.komi, nombre,
              nomcouleur(gtpcouleur(couleur)), configgtp.niveauconfig, o.graine);
  imprimeplateau(avant, n);

  const std::string demande = o.nettoyage ? "kgs-genmove_cleanup " : "genmove ";
  if (!executecommandes({demande + minuscules(couleur)}, reponse)) return 1;
  std::string coup = reponse.size() > 2 ? reponse.substr(2) : reponse;
  while (!coup.empty() && (coup.back() == '\n' || coup.back() == ' ')) coup.pop_back();
  explique(dernierrecherche(), avant, n, coup, o.cartes);
  liberefuseki();
  liberejoseki();
  return 0;
}
