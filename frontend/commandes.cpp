#include "frontend/commandes.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "frontend/console.h"
#include "frontend/gtp.h"
#include "frontend/moteur.h"
#include "frontend/partie.h"
#include "records/listecoups.h"

namespace {

using TMots = TMotsGtp;

// Argument word n (from 1) of the command, or the empty string.
std::string_view argument(const TMots& mots, size_t n) { return n < mots.size() ? mots[n] : std::string_view{}; }

int gtpplay(std::string_view motcouleur, std::string_view motvertex) {
  const uint8_t couleur = gtpcouleur(motcouleur);
  if (couleur > NOIR) return 1;
  int32_t a = 0, b = 0;
  switch (gtplitvertex(motvertex, a, b)) {
    case VERTEXMALFORME: return 1;
    case VERTEXHORSPLATEAU: return 2;
    case VERTEXOK: break;
  }
  return gtpplaycoup(couleur, a, b);
}

// A new game: empty board, no handicap, and no memo of the engine kept from
// the last game.
void nouvellepartie() {
  gtpclearboard();
  configgtp.handicap = 0;
  videmos();
}

int gtpboardsize(std::string_view mot) {
  int32_t n = 0;
  if (!gtplitnombre(mot, n)) return 1;
  const int bit = indextaille(n);
  if (bit == 0 || !(taillesacceptees & (1u << bit))) return 2;
  configgtp.taille = n;
  nouvellepartie();
  return 0;
}

int gtpkomi(std::string_view mot) {
  double komi = 0;
  if (!gtplitkomi(mot, komi)) return 1;
  configgtp.komi = komi;
  return 0;
}

int gtplevel(std::string_view mot) {
  int32_t n = 0;
  if (!gtplitnombre(mot, n)) return 1;
  if (n < 1 || n > 10) return 2;
  configgtp.niveauconfig = n;
  return 0;
}

// A stone on the board (within its size).
bool pierresurplateau() {
  const int32_t taille = configgtp.taille;
  for (int32_t l = 1; l <= taille; ++l)
    for (int32_t c = 1; c <= taille; ++c)
      if (plateaugtp[indexcase(l, c)] != VIDE) return true;
  return false;
}

int gtpfixedhandicap(std::string_view mot, std::string& reponse) {
  int32_t n = 0;
  if (!gtplitnombre(mot, n)) return 1;
  if (n < 2 || n > 9) return 2;
  const int32_t taille = configgtp.taille;
  if (pierresurplateau()) return 3;
  configgtp.handicap = n;
  listecoupsgtp[0].ligne = 0;
  for (const auto& [l, c] : gtphandicapfixe(taille, n)) {
    ajoutecoup(l, c, NOIR, listecoupsgtp);
    plateaugtp[indexcase(l, c)] = NOIR;
    if (!reponse.empty()) reponse += ' ';
    reponse += gtpvertex(l, c);
  }
  return 0;
}

int gtpplacefreehandicap(std::string_view mot, std::string& reponse) {
  int32_t n = 0;
  if (!gtplitnombre(mot, n)) return 1;
  const int32_t taille = configgtp.taille;
  if (n < 2 || n > taille * taille - 1) return 2;
  if (nombrecoups(listecoupsgtp) != 0) return 3;
  // The stones placed, one space between them.
  const std::string liste = gtphandicaplibre(taille, n);
  int32_t posees = 0;
  for (std::string_view v : gtpmots(liste)) {
    int32_t a = 0, b = 0;
    if (gtplitvertex(v, a, b) != VERTEXOK || gtpplaycoup(NOIR, a, b) != 0) continue;
    if (posees++ > 0) reponse += ' ';
    reponse += v;
  }
  configgtp.handicap = posees;
  return 0;
}

// 1 a word that is no point of the board, 3 a game already begun (a pass
// counts), 4 fewer than two stones or no empty point left, 5 a repeated point.
// Nothing is played unless every check holds.
int gtpsetfreehandicap(const TMots& mots) {
  const int32_t taille = configgtp.taille;
  std::vector<std::pair<int32_t, int32_t>> points;
  for (size_t k = 1; k < mots.size(); ++k) {
    int32_t a = 0, b = 0;
    if (gtplitvertex(mots[k], a, b) != VERTEXOK || a == 0) return 1;
    points.push_back({a, b});
  }
  if (nombrecoups(listecoupsgtp) != 0 || pierresurplateau()) return 3;
  const size_t nombre = points.size();
  if (nombre < 2 || nombre > static_cast<size_t>(taille * taille - 1)) return 4;
  std::vector<std::pair<int32_t, int32_t>> tries = points;
  std::sort(tries.begin(), tries.end());
  if (std::adjacent_find(tries.begin(), tries.end()) != tries.end()) return 5;
  for (const auto& [a, b] : points) gtpplaycoup(NOIR, a, b);
  configgtp.handicap = nombrecoups(listecoupsgtp);
  return 0;
}

int gtpgenmove(std::string_view mot, bool nettoyage, std::string& reponse) {
  const uint8_t couleur = gtpcouleur(mot);
  if (couleur > NOIR) return 1;
  if (listepleine(listecoupsgtp)) return 2;
  if (couleur == NOIR) {
    configgtp.nomnoir() = "Molvane";
    configgtp.nomblanc().clear();
  } else {
    configgtp.nomblanc() = "Molvane";
    configgtp.nomnoir().clear();
  }
  TResultatCoup resultat;
  if (nettoyage)
    gtpcleanupmoteur(couleur, listecoupsgtp, resultat);
  else
    gtpgenmovemoteur(couleur, listecoupsgtp, resultat);
  reponse = gtpvertex(resultat.ligne, resultat.colonne);
  return 0;
}

// kgs-genmove_cleanup: genmove through the engine's cleanup entry.
int gtpcleanup(std::string_view mot, std::string& reponse) { return gtpgenmove(mot, true, reponse); }

// The three lists split the stones: seki stones are listed under seki only.
int gtpfinalstatuslist(std::string_view mot, std::string& reponse) {
  int32_t premier = 0, dernier = 0;  // codes listed
  if (mot == "dead") {
    premier = 7, dernier = 8;
  } else if (mot == "alive") {
    premier = 5, dernier = 6;
  } else if (mot == "seki") {
    premier = 3, dernier = 4;
  } else {
    return 1;
  }
  static TCarte statut;
  gtpstatutmoteur(statut);
  const int32_t taille = configgtp.taille;
  for (int32_t l = 1; l <= taille; ++l)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t code = statut[indexcase(l, c)];
      if (code >= premier && code <= dernier) reponse += (reponse.empty() ? "" : " ") + gtpvertex(l, c);
    }
  return 0;
}

int gtptimesettings(std::string_view m, std::string_view b, std::string_view s) {
  int32_t principal = 0, byoyomi = 0, pierres = 0;
  if (!gtplitnombre(m, principal) || !gtplitnombre(b, byoyomi) || !gtplitnombre(s, pierres)) return 1;
  THorloge horloge;
  if (byoyomi > 0 && pierres == 0) {
    configgtp.modetemps = 0;
    horloge = {-1, 0};
  } else if (byoyomi == 0) {
    configgtp.modetemps = 3;
    configgtp.tempsprincipal = principal;
    horloge = {principal, -1};
  } else {
    configgtp.modetemps = 2;
    configgtp.tempsbyoyomi = byoyomi;
    configgtp.pierresbyoyomi = pierres;
    horloge = principal > 0 ? THorloge{-1, 0} : THorloge{byoyomi, pierres};
  }
  horlogeblanc = horlogenoir = horloge;
  return 0;
}

int gtptimeleft(std::string_view motcouleur, std::string_view t, std::string_view s) {
  int32_t temps = 0, pierres = 0;
  if (!gtplitnombre(t, temps) || !gtplitnombre(s, pierres)) return 1;
  const uint8_t couleur = gtpcouleur(motcouleur);
  if (couleur > NOIR) return 1;
  if (pierres == 0) {
    if (configgtp.modetemps == 3) {
      pierres = -1;
    } else if (configgtp.modetemps == 2) {
      temps = -1;
      pierres = 0;
    }
  } else {
    configgtp.modetemps = 2;
  }
  (couleur == BLANC ? horlogeblanc : horlogenoir) = THorloge{temps, pierres};
  return 0;
}

// Failure texts of the handlers' result codes 1 to 5.
struct TEchecs {
  std::string_view code[6];  // unused codes stay empty
};
constexpr TEchecs echecsjeu{{"", "syntax error", "illegal move"}};
constexpr TEchecs echecssyntaxe{{"", "syntax error"}};

void repond(int code, const std::string& reponse, const TEchecs& echecs) {
  if (code == 0)
    gtpsucces(reponse);
  else
    gtpechec(echecs.code[code]);
}

// ---- Handlers, mots[0] being the command word --------------------------------

// black, white: the word is the colour.
void traitecouleur(const TMots& mots) { repond(gtpplay(mots[0], argument(mots, 1)), "", echecsjeu); }

void traiteplay(const TMots& mots) { repond(gtpplay(argument(mots, 1), argument(mots, 2)), "", echecsjeu); }

void traiteboardsize(const TMots& mots) {
  repond(gtpboardsize(argument(mots, 1)), "", {{"", "syntax error", "unacceptable size", ""}});
}

void traiteclearboard(const TMots&) {
  nouvellepartie();
  gtpsucces("");
}

void traitefinalstatuslist(const TMots& mots) {
  std::string reponse;
  repond(gtpfinalstatuslist(argument(mots, 1), reponse), reponse, echecssyntaxe);
}

void traitefixedhandicap(const TMots& mots) {
  std::string reponse;
  repond(gtpfixedhandicap(argument(mots, 1), reponse), reponse,
         {{"", "syntax error", "invalid number of stones", "board not empty"}});
}

void traitegenmove(const TMots& mots) {
  std::string reponse;
  repond(gtpgenmove(argument(mots, 1), false, reponse), reponse, echecsjeu);
}

void traitenettoyage(const TMots& mots) {
  std::string reponse;
  repond(gtpcleanup(argument(mots, 1), reponse), reponse, echecsjeu);
}

void traitegenmovenoir(const TMots&) {
  std::string reponse;
  repond(gtpgenmove("black", false, reponse), reponse, echecsjeu);
}

void traitegenmoveblanc(const TMots&) {
  std::string reponse;
  repond(gtpgenmove("white", false, reponse), reponse, echecsjeu);
}

void traiteknowncommand(const TMots& mots) { gtpsucces(gtpcommandeconnue(argument(mots, 1)) ? "true" : "false"); }

void traitekomi(const TMots& mots) { repond(gtpkomi(argument(mots, 1)), "", echecssyntaxe); }

void traitelevel(const TMots& mots) {
  repond(gtplevel(argument(mots, 1)), "", {{"", "syntax error", "invalid level (1-10)", ""}});
}

// The words of the table the layer dispatches against, one per line.
void traitelistcommands(const TMots&) {
  std::string reponse = "=" + etatgtp.idtexte + " ";
  for (const TCommandeGtp& c : etatgtp.commandes) {
    reponse += c.mot;
    reponse += '\n';
  }
  reponse += '\n';
  ecrireconsole(reponse);
}

void traitename(const TMots&) { gtpsucces("Molvane"); }

void traiteplacefreehandicap(const TMots& mots) {
  std::string reponse;
  // "nuber" is the program's own reply text, kept as it is.
  repond(gtpplacefreehandicap(argument(mots, 1), reponse), reponse,
         {{"", "syntax error", "invalid nuber of stones", "board not empty"}});
}

void traiteprotocolversion(const TMots&) { gtpsucces("2"); }

void traitequit(const TMots&) {
  etatgtp.quitter = 1;
  gtpsucces("");
}

void traitesetfreehandicap(const TMots& mots) {
  repond(gtpsetfreehandicap(mots), "",
         {{"", "syntax error", "", "board not empty", "invalid handicap", "bad vertex list"}});
}

void traitetimeleft(const TMots& mots) {
  repond(gtptimeleft(argument(mots, 1), argument(mots, 2), argument(mots, 3)), "", echecssyntaxe);
}

void traitetimesettings(const TMots& mots) {
  repond(gtptimesettings(argument(mots, 1), argument(mots, 2), argument(mots, 3)), "", echecssyntaxe);
}

void traiteundo(const TMots&) { repond(gtpundo(), "", {{"", "cannot undo", "", ""}}); }

void traiteversion(const TMots&) { gtpsucces(gtpversion()); }

}  // namespace

const TCommandeGtp tabmotsgtp[24] = {
    {"black", traitecouleur},
    {"boardsize", traiteboardsize},
    {"clear_board", traiteclearboard},
    {"final_status_list", traitefinalstatuslist},
    {"fixed_handicap", traitefixedhandicap},
    {"genmove", traitegenmove},
    {"genmove_black", traitegenmovenoir},
    {"genmove_white", traitegenmoveblanc},
    {"kgs-genmove_cleanup", traitenettoyage},
    {"known_command", traiteknowncommand},
    {"komi", traitekomi},
    {"level", traitelevel},
    {"list_commands", traitelistcommands},
    {"name", traitename},
    {"place_free_handicap", traiteplacefreehandicap},
    {"play", traiteplay},
    {"protocol_version", traiteprotocolversion},
    {"quit", traitequit},
    {"set_free_handicap", traitesetfreehandicap},
    {"time_left", traitetimeleft},
    {"time_settings", traitetimesettings},
    {"undo", traiteundo},
    {"version", traiteversion},
    {"white", traitecouleur},
};

int indextaille(int32_t taille) {
  switch (taille) {
    case 9: return 1;
    case 11: return 2;
    case 13: return 3;
    case 15: return 4;
    case 17: return 5;
    case 19: return 6;
    default: return 0;
  }
}

std::vector<std::pair<int32_t, int32_t>> gtphandicapfixe(int32_t taille, int32_t n) {
  const int32_t l = taille <= 11 ? 3 : 4, f = taille - l + 1, m = taille / 2 + 1;
  std::vector<std::pair<int32_t, int32_t>> points;
  if (n < 2 || n > 9) return points;
  points = {{l, l}, {f, f}};
  if (n >= 3) points.push_back({l, f});
  if (n >= 4) points.push_back({f, l});
  if (n >= 6) {
    points.push_back({l, m});
    points.push_back({f, m});
  }
  if (n >= 8) {
    points.push_back({m, l});
    points.push_back({m, f});
  }
  if (n % 2 == 1 && n >= 5) points.push_back({m, m});
  return points;
}

std::string gtphandicaplibre(int32_t taille, int32_t n) {
  std::string liste;
  switch (taille) {
    case 9: liste = "G7 G3 C3 C7 E5 E7 G5 E3 C5 "; break;
    case 13: liste = "L10 K3 C4 D11 L5 C9 J11 E3 G7 G9 J7 G5 E7 "; break;
    case 19: liste = "R16 Q3 C4 D17 P17 R5 E3 C15 K17 R10 K3 C10 K15 P10 K5 E10 K10 D7 Q13 G16 N4 "; break;
    default:
      // Sizes without a list take the fixed handicap points.
      for (const auto& [l, c] : gtphandicapfixe(taille, n < 9 ? n : 9)) liste += gtpvertex(l, c) + ' ';
      break;
  }
  const std::vector<std::string_view> mots = gtpmots(liste);
  std::string reponse;
  for (int32_t k = 0; k < n; ++k) {
    if (static_cast<size_t>(k) < mots.size()) reponse += mots[static_cast<size_t>(k)];
    reponse += ' ';
  }
  return reponse;
}

bool gtplitkomi(std::string_view mot, double& komi) {
  std::string texte;
  size_t i = 0;
  bool negatif = false;
  if (!mot.empty() && (mot[0] == '+' || mot[0] == '-')) {
    negatif = mot[0] == '-';
    i = 1;
  }
  int marques = 0, chiffres = 0;
  for (; i < mot.size(); ++i) {
    const char c = mot[i];
    if (c >= '0' && c <= '9') {
      ++chiffres;
      texte += c;
    } else if (c == '.' || c == ',') {
      ++marques;
      texte += '.';
    } else {
      return false;
    }
  }
  if (chiffres == 0 || marques > 1) return false;
  double v = 0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
  if (erreur != std::errc{} || fin != texte.data() + texte.size() || !std::isfinite(v)) return false;
  komi = negatif ? -v : v;
  return true;
}
