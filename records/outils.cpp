#include "records/outils.h"

#include <charconv>
#include <cmath>
#include <iterator>

#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "records/messages.h"

void jouecoupplateau(TListePoints& prises, int32_t capacite, TPlateau& plateau, int32_t taille, uint8_t autre,
                     uint8_t couleur, int32_t colonne, int32_t ligne) {
  // Empty capture list; a point off the board or occupied plays nothing.
  prises[0] = 0;
  if (taille > TAILLEMAX) taille = TAILLEMAX;
  if (ligne < 1 || ligne > taille || colonne < 1 || colonne > taille) return;
  const int idx = indexcase(ligne, colonne);
  if (plateau[idx] != VIDE) return;
  // The stone, then the neighbour chains of the other colour left
  // without a liberty. A chain is removed whole even when the list is full.
  plateau[idx] = couleur;
  bool liberte = false;
  bool prise = false;
  pas4(taille, ligne, colonne, ORDREMARCHE, [&](int32_t l, int32_t c) {
    const uint8_t contenu = plateau[indexcase(l, c)];
    if (contenu == VIDE) {
      liberte = true;
    } else if (contenu == autre) {
      TMarques vu{};
      vu[idx] = 1;
      TListePoints chaine{};
      if (!chainealiberte(plateau, taille, &chaine, MAXPOINTSLISTE, l, c, vu)) {
        prise = true;
        for (int32_t k = 1; k <= nbpoints(chaine); ++k) {
          plateau[indexcase(ligneliste(chaine, k), colonneliste(chaine, k))] = VIDE;
          empilepoint(prises, capacite, ligneliste(chaine, k), colonneliste(chaine, k));
        }
      }
    }
    return false;
  });
  // No liberty and nothing taken: a suicide is refused.
  if (!liberte && !prise) {
    TMarques vu{};
    if (!chainealiberte(plateau, taille, nullptr, 0, ligne, colonne, vu)) plateau[idx] = VIDE;
    prises[0] = 0;
  }
}

std::string vertexentexte(int32_t ligne, int32_t colonne) {
  if (ligne == 0) return "PASS";
  const char lettre = static_cast<char>(ligne < 9 ? 'A' + ligne - 1 : 'A' + ligne);
  return std::string(1, lettre) + std::to_string(colonne);
}

void lirevertex(const std::string& texte, int32_t& ligne, int32_t& colonne) {
  ligne = colonne = 0;
  const std::string t = majuscules(texte);
  if (t == "PASS" || t.empty()) return;
  const char lettre = t[0];
  if (lettre < 'A' || lettre > 'Z' || lettre == 'I') return;
  if (!estnombre(t.substr(1))) return;
  const std::optional<int32_t> n = litentier(t.substr(1));
  if (!n) return;
  ligne = lettre < 'I' ? lettre - 'A' + 1 : lettre - 'A';
  colonne = *n;
}

void pointdeuxlettres(const std::string& texte, char base, int32_t taille, int32_t& ligne, int32_t& colonne,
                      int messagelongueur, int messagehors) {
  ligne = colonne = 0;
  if (texte.size() != 2) {
    if (!texte.empty()) affichemessage(textelangue(messagelongueur));
    return;
  }
  const int32_t l = texte[0] - base + 1;
  const int32_t c = taille - (texte[1] - base);
  if (l >= 1 && l <= taille && c >= 1 && c <= taille) {
    ligne = l;
    colonne = c;
  } else if (messagehors && l != taille + 1 && l != 20) {
    affichemessage(textelangue(messagehors));
  }
}

void coordonneesugf(const std::string& texte, int32_t taille, int32_t& ligne, int32_t& colonne) {
  pointdeuxlettres(texte, 'A', taille, ligne, colonne, 283, 283);
}

std::string nomregle(uint8_t regle) {
  switch (regle) {
    case 1: return "GOE";
    case 2: return "Chinese";
    case 6: return "AGA";
    default: return "Japanese";
  }
}

uint8_t reglenom(const std::string& nom) {
  if (nom == "Japanese") return 0;
  if (nom == "Chinese") return 2;
  if (nom == "GOE") return 1;
  if (nom == "AGA") return 6;
  if (nom == textelangue(325)) return 3;
  if (nom == textelangue(348)) return 4;
  if (nom == textelangue(349)) return 5;
  return 0;
}

std::string majuscules(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

std::string separateurdecimal(const std::string& s) { return virguleenpoint(s); }

std::string virguleenpoint(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c == ',') c = '.';
  return r;
}

std::string supprimetexte(const std::string& partie, const std::string& texte) {
  const size_t i = texte.find(partie);
  if (i == std::string::npos) return {};
  return texte.substr(0, i) + texte.substr(i + partie.size());
}

std::string tabulationenespace(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c == '\t') c = ' ';
  return r;
}

std::string supprimeespacesdebut(const std::string& s) {
  const size_t i = s.find_first_not_of(' ');
  return i == std::string::npos ? std::string() : s.substr(i);
}

std::string supprimeespaces(const std::string& s) {
  std::string r;
  for (char c : s)
    if (c != ' ') r += c;
  return r;
}

namespace {
// The words of `texte` split at runs of `sep`, leading spaces skipped.
template <class F>
void mots(const std::string& texte, char sep, F&& f) {
  size_t i = texte.find_first_not_of(' ');
  while (i != std::string::npos && i < texte.size()) {
    while (i < texte.size() && texte[i] == sep) ++i;
    if (i >= texte.size()) break;
    size_t j = texte.find(sep, i);
    if (j == std::string::npos) j = texte.size();
    if (!f(texte.substr(i, j - i))) return;
    i = j;
  }
}
}  // namespace

std::string motnumero(const std::string& texte, int n, int /*longueur*/) {
  std::string r;
  int k = 0;
  mots(texte, ' ', [&](std::string m) {
    if (++k < n) return true;
    r = std::move(m);
    return false;
  });
  return r;
}

std::string motnumerosep(const std::string& texte, int n, int /*longueur*/, char sep) {
  std::string r;
  int k = 0;
  mots(texte, sep, [&](std::string m) {
    r = std::move(m);
    return ++k < n;
  });
  return r;
}

bool estnombre(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool estnombresigne(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if ((c < '0' || c > '9') && c != ',' && c != '-' && c != '.') return false;
  return true;
}

int chiffrehexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

std::optional<int32_t> litentier(const std::string& s) {
  int32_t v = 0;
  const char* debut = s.data();
  const char* fin = s.data() + s.size();
  if (debut != fin && *debut == '+') ++debut;
  const auto r = std::from_chars(debut, fin, v);
  if (s.empty() || r.ec != std::errc() || r.ptr != fin) return std::nullopt;
  return v;
}

std::optional<double> litreel(const std::string& s) {
  const std::string t = separateurdecimal(s);
  double v = 0.0;
  const char* debut = t.data();
  const char* fin = t.data() + t.size();
  if (debut != fin && *debut == '+') ++debut;
  const auto r = std::from_chars(debut, fin, v, std::chars_format::fixed);
  if (t.empty() || r.ec != std::errc() || r.ptr != fin || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::string reelentexte(double v) {
  char tampon[64];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
  return std::string(tampon, r.ptr);
}

void copieinfos(const TGameInfo& info, TConfig& config) {
  const std::string* textes[] = {&info.annotateur, &info.joueurnoir, &info.date,     &info.lieu,
                                 &info.rangnoir,   &info.rangblanc,  &info.utilisateur, &info.resultat,
                                 &info.source,     &info.temps,      &info.joueurblanc, &info.nompartie,
                                 &info.application, &info.copyright};
  for (size_t i = 0; i < std::size(textes); ++i) config.infopartie[i] = *textes[i];
  config.regle = reglenom(info.regles);
}
