// Builds the fuseki and joseki library items from their readable sources.
//
// Source text, one sequence per line:
//   # comment                      (also after a sequence)
//   $name = tokens                 defines a reusable run of tokens
//   tokens                         one sequence, replayed from an empty board
// Tokens: a point (a move, black first, then alternating colours), `-` (the
// side to move plays elsewhere), `+point` (a black setup stone, only at the
// start; white moves first after setup stones), `$name` (the defined run).
// Fuseki points are GTP vertices (the letter is the row, the number the
// column); joseki points are two letters a..j: the line counted from one
// edge, then from the other, around the corner where both are `a`.
//
// Every move adds itself, in normalised orientation, to the line of the
// normalised position before it; equal keys merge their moves in order of
// first appearance. For joseki the position after a sequence's last move
// also gets a line, with no move when nothing else continues from it.
// The output is ready to embed: CR LF lines, key 0x80 value, ascending keys.
#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/opening/joseki.h"

namespace genbibliotheques {

struct Source {
  std::string nom;    // shown in error messages
  std::string texte;
};

struct Resultat {
  std::string item;        // the bytes of the data item
  std::string erreur;      // empty on success
  int sequences = 0;       // sequences replayed
  int lignes = 0;          // lines written
};

namespace detail {

struct OrdreCles {
  bool operator()(const std::string& a, const std::string& b) const { return comparecles(a, b) < 0; }
};

// Plays `couleur` at (l, c) on a 19x19 board with captures; false on an
// occupied point or a suicide (the board is then unchanged).
inline bool joue(TPlateau& p, int l, int c, uint8_t couleur) {
  if (p[indexcase(l, c)] != VIDE) return false;
  p[indexcase(l, c)] = couleur;
  static const int dl[4] = {1, -1, 0, 0}, dc[4] = {0, 0, 1, -1};
  // Collects the chain through (l, c); true when it has a liberty.
  auto chaine = [&](int l0, int c0, std::vector<int>& pierres) {
    const uint8_t v = p[indexcase(l0, c0)];
    std::vector<bool> vu(NBCASES, false);
    std::vector<std::pair<int, int>> pile{{l0, c0}};
    vu[indexcase(l0, c0)] = true;
    bool libre = false;
    while (!pile.empty()) {
      auto [a, b] = pile.back();
      pile.pop_back();
      pierres.push_back(indexcase(a, b));
      for (int d = 0; d < 4; ++d) {
        const int x = a + dl[d], y = b + dc[d];
        if (x < 1 || y < 1 || x > TAILLEMAX || y > TAILLEMAX || vu[indexcase(x, y)]) continue;
        if (p[indexcase(x, y)] == VIDE) libre = true;
        if (p[indexcase(x, y)] != v) continue;
        vu[indexcase(x, y)] = true;
        pile.push_back({x, y});
      }
    }
    return libre;
  };
  bool prise = false;
  for (int d = 0; d < 4; ++d) {
    const int x = l + dl[d], y = c + dc[d];
    if (x < 1 || y < 1 || x > TAILLEMAX || y > TAILLEMAX || p[indexcase(x, y)] != 1 - couleur) continue;
    std::vector<int> pierres;
    if (chaine(x, y, pierres)) continue;
    for (int i : pierres) p[static_cast<std::size_t>(i)] = VIDE;
    prise = true;
  }
  std::vector<int> miennes;
  if (!prise && !chaine(l, c, miennes)) {
    p[indexcase(l, c)] = VIDE;
    return false;
  }
  return true;
}

// Reads a point token; false when it is not one.
inline bool litpoint(const std::string& tok, bool joseki, int& l, int& c) {
  if (joseki) {
    if (tok.size() != 2 || tok[0] < 'a' || tok[0] > 'j' || tok[1] < 'a' || tok[1] > 'j') return false;
    // The corner where both lines are `a` is the frame's (19, 19).
    c = TAILLEMAX + 1 - (tok[0] - 'a' + 1);
    l = TAILLEMAX + 1 - (tok[1] - 'a' + 1);
    return true;
  }
  if (tok.size() < 2 || tok.size() > 3) return false;
  const char lettre = static_cast<char>(tok[0] & ~0x20);
  if (lettre < 'A' || lettre > 'T' || lettre == 'I') return false;
  l = lettre - 'A' + 1 - (lettre > 'I' ? 1 : 0);
  c = 0;
  for (std::size_t i = 1; i < tok.size(); ++i) {
    if (tok[i] < '0' || tok[i] > '9') return false;
    c = c * 10 + (tok[i] - '0');
  }
  return c >= 1 && c <= TAILLEMAX;
}

inline std::vector<std::string> mots(const std::string& ligne) {
  std::vector<std::string> out;
  std::istringstream in(ligne.substr(0, ligne.find('#')));
  for (std::string m; in >> m;) out.push_back(m);
  return out;
}

}  // namespace detail

// One token of an expanded sequence: a move, a pass (`-`) or a black setup
// stone (`+point`), with the point in 19x19 frame coordinates.
struct Jeton {
  enum Sorte { COUP, PASSE, POSE } sorte;
  int l = 0, c = 0;
  std::string texte;  // as written, for messages
};
struct Sequence {
  int ligne = 0;  // line of the source
  std::vector<Jeton> jetons;
};

// Expands the names of one source into its sequences; the error text (with
// the line) when a token or a name is bad.
inline std::string developpe(const Source& src, bool joseki, std::vector<Sequence>& sorties) {
  std::map<std::string, std::vector<std::string>> definitions;
  std::istringstream in(src.texte);
  int numero = 0;
  for (std::string ligne; std::getline(in, ligne);) {
    ++numero;
    auto echec = [&](const std::string& quoi) { return src.nom + ":" + std::to_string(numero) + ": " + quoi; };
    std::vector<std::string> brut = detail::mots(ligne);
    if (brut.empty()) continue;
    const bool definition = brut.size() >= 2 && brut[0][0] == '$' && brut[1] == "=";
    std::vector<std::string> toks;
    for (std::size_t i = definition ? 2 : 0; i < brut.size(); ++i) {
      if (brut[i][0] == '$') {
        auto it = definitions.find(brut[i]);
        if (it == definitions.end()) return echec("unknown name " + brut[i]);
        toks.insert(toks.end(), it->second.begin(), it->second.end());
      } else {
        toks.push_back(brut[i]);
      }
    }
    if (definition) {
      definitions[brut[0]] = toks;
      continue;
    }
    Sequence seq{numero, {}};
    for (const std::string& tok : toks) {
      Jeton j{Jeton::COUP, 0, 0, tok};
      if (tok == "-") {
        j.sorte = Jeton::PASSE;
      } else {
        const bool pose = tok[0] == '+';
        if (pose) j.sorte = Jeton::POSE;
        if (!detail::litpoint(pose ? tok.substr(1) : tok, joseki, j.l, j.c)) return echec("bad token " + tok);
      }
      seq.jetons.push_back(j);
    }
    sorties.push_back(std::move(seq));
  }
  return "";
}

// Replays one sequence from an empty 19x19 board; `visite`(position before,
// move, colour) is called before every move is played. The error text when
// a stone cannot be placed.
template <class Visite>
std::string rejoue(const Source& src, const Sequence& seq, TPlateau& p, Visite&& visite) {
  auto echec = [&](const std::string& quoi) { return src.nom + ":" + std::to_string(seq.ligne) + ": " + quoi; };
  p = plateauvide();
  uint8_t couleur = NOIR;
  bool coupjoue = false;
  for (const Jeton& j : seq.jetons) {
    if (j.sorte == Jeton::PASSE) {
      couleur = static_cast<uint8_t>(1 - couleur);
      coupjoue = true;
      continue;
    }
    if (j.sorte == Jeton::POSE) {
      if (coupjoue) return echec("setup stone after a move: " + j.texte);
      if (p[indexcase(j.l, j.c)] != VIDE) return echec("point taken: " + j.texte);
      p[indexcase(j.l, j.c)] = NOIR;
      couleur = BLANC;
      continue;
    }
    const TPlateau avant = p;
    if (!detail::joue(p, j.l, j.c, couleur)) return echec("illegal move " + j.texte);
    visite(avant, j, couleur);
    couleur = static_cast<uint8_t>(1 - couleur);
    coupjoue = true;
  }
  return "";
}

// Replays every sequence of `sources` and builds the item: the joseki
// library when `joseki`, else the 19x19 fuseki library.
inline Resultat genere(const std::vector<Source>& sources, bool joseki) {
  Resultat res;
  std::map<std::string, std::vector<std::pair<uint8_t, uint8_t>>, detail::OrdreCles> table;
  TFuseki fuseki(TAILLEMAX);
  TJoseki josekis(TAILLEMAX);
  // Normalised key of a position, and the transform that gives it.
  auto cle = [&](const TPlateau& p, int& t) {
    std::string k;
    if (joseki) {
      josekis.CleCoin(p, t, k);
    } else {
      t = fuseki.Normalise(p);
      k = fuseki.CleTransformee(t);
    }
    return k;
  };
  auto echec = [&](const std::string& erreur) {
    res.erreur = erreur;
    res.item.clear();
    return res;
  };
  for (const Source& src : sources) {
    std::vector<Sequence> sequences;
    std::string erreur = developpe(src, joseki, sequences);
    if (!erreur.empty()) return echec(erreur);
    for (const Sequence& seq : sequences) {
      TPlateau p{};
      erreur = rejoue(src, seq, p, [&](const TPlateau& avant, const Jeton& j, uint8_t couleur) {
        int t = 0;
        const std::string k = cle(avant, t);
        int tl = j.l, tc = j.c;
        (joseki ? static_cast<TFuseki&>(josekis) : fuseki).TransformeCase(t, tl, tc);
        uint8_t o1 = 0, o2 = 0;
        TFuseki::CodeCase(tl, tc, couleur, o1, o2);
        auto& valeur = table[k];
        if (std::find(valeur.begin(), valeur.end(), std::make_pair(o1, o2)) == valeur.end())
          valeur.emplace_back(o1, o2);
      });
      if (!erreur.empty()) return echec(erreur);
      if (joseki) {
        int t = 0;
        table[cle(p, t)];  // the end position: a line, empty unless continued
      }
      ++res.sequences;
    }
  }
  for (const auto& [k, valeur] : table) {
    res.item += k;
    res.item.push_back(static_cast<char>(SEPARATEURCLE));
    for (auto [o1, o2] : valeur) {
      res.item.push_back(static_cast<char>(o1));
      res.item.push_back(static_cast<char>(o2));
    }
    res.item += "\r\n";
  }
  res.lignes = static_cast<int>(table.size());
  return res;
}

// The sources of one item: the files of `dossier` whose names start with
// `prefixe` and end in ".txt", in name order.
inline std::vector<Source> lissources(const std::filesystem::path& dossier, const std::string& prefixe) {
  std::vector<std::filesystem::path> chemins;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(dossier, ec)) {
    const std::string nom = e.path().filename().string();
    if (nom.rfind(prefixe, 0) == 0 && e.path().extension() == ".txt") chemins.push_back(e.path());
  }
  std::sort(chemins.begin(), chemins.end());
  std::vector<Source> sources;
  for (const auto& ch : chemins) {
    std::ifstream f(ch, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    sources.push_back({ch.filename().string(), s.str()});
  }
  return sources;
}

}  // namespace genbibliotheques
