// A plain game model of the GTP tools, independent of both programs: a board
// with captures, simple ko and area count, and GTP vertex reading and writing.
#pragma once
#include <cctype>
#include <string>
#include <vector>

namespace jeugo {

struct Jeu {
  int n = 9;
  std::vector<int> b;  // 0 empty, 1 black, 2 white; index r * n + c from 0
  int ko = -1;         // point the next mover may not take

  void vide(int taille) {
    n = taille;
    b.assign(static_cast<size_t>(n * n), 0);
    ko = -1;
  }
  void voisins(int p, int* v, int& k) const {
    k = 0;
    const int r = p / n, c = p % n;
    if (r > 0) v[k++] = p - n;
    if (r < n - 1) v[k++] = p + n;
    if (c > 0) v[k++] = p - 1;
    if (c < n - 1) v[k++] = p + 1;
  }
  // The chain of p and its liberty count.
  int chaine(int p, std::vector<int>& pierres) const {
    pierres.assign(1, p);
    std::vector<char> vu(b.size(), 0), libre(b.size(), 0);
    vu[static_cast<size_t>(p)] = 1;
    int libertes = 0;
    for (size_t i = 0; i < pierres.size(); ++i) {
      int v[4], k;
      voisins(pierres[i], v, k);
      for (int j = 0; j < k; ++j) {
        const size_t q = static_cast<size_t>(v[j]);
        if (b[q] == 0 && !libre[q]) libre[q] = 1, ++libertes;
        else if (b[q] == b[static_cast<size_t>(p)] && !vu[q]) vu[q] = 1, pierres.push_back(v[j]);
      }
    }
    return libertes;
  }
  // Puts `couleur` on the empty point p and takes off the enemy chains left
  // without a liberty (their stones go to `prises`); no ko or suicide test.
  // Returns the liberties of p's chain afterwards.
  int pose(int couleur, int p, std::vector<int>& prises) {
    prises.clear();
    b[static_cast<size_t>(p)] = couleur;
    int v[4], k;
    voisins(p, v, k);
    std::vector<int> pierres;
    for (int j = 0; j < k; ++j)
      if (b[static_cast<size_t>(v[j])] == 3 - couleur && chaine(v[j], pierres) == 0)
        for (int q : pierres) b[static_cast<size_t>(q)] = 0, prises.push_back(q);
    return chaine(p, pierres);
  }
  // Plays `couleur` at p (-1 = pass); false, with nothing changed, when illegal.
  bool joue(int couleur, int p, int& nprises) {
    nprises = 0;
    if (p < 0) {
      ko = -1;
      return true;
    }
    if (p >= n * n || b[static_cast<size_t>(p)] != 0 || p == ko) return false;
    std::vector<int> prises, pierres;
    const int libertes = pose(couleur, p, prises);
    if (libertes == 0) {
      b[static_cast<size_t>(p)] = 0;
      return false;
    }
    chaine(p, pierres);
    ko = prises.size() == 1 && pierres.size() == 1 && libertes == 1 ? prises[0] : -1;
    nprises = static_cast<int>(prises.size());
    return true;
  }
  // Area count, black minus white, with the `morts` stones taken off.
  int aire(const std::vector<int>& morts) const {
    std::vector<int> t = b;
    for (int p : morts) t[static_cast<size_t>(p)] = 0;
    int score = 0;
    std::vector<char> vu(t.size(), 0);
    for (int p = 0; p < n * n; ++p) {
      if (t[static_cast<size_t>(p)] != 0) {
        score += t[static_cast<size_t>(p)] == 1 ? 1 : -1;
        continue;
      }
      if (vu[static_cast<size_t>(p)]) continue;
      std::vector<int> zone(1, p);
      vu[static_cast<size_t>(p)] = 1;
      int bord = 0;
      for (size_t i = 0; i < zone.size(); ++i) {
        int v[4], k;
        voisins(zone[i], v, k);
        for (int j = 0; j < k; ++j) {
          const int c = t[static_cast<size_t>(v[j])];
          if (c != 0) bord |= c;
          else if (!vu[static_cast<size_t>(v[j])]) vu[static_cast<size_t>(v[j])] = 1, zone.push_back(v[j]);
        }
      }
      if (bord == 1) score += static_cast<int>(zone.size());
      if (bord == 2) score -= static_cast<int>(zone.size());
    }
    return score;
  }
};

// "D4" -> point, "pass" -> -1; -2 when malformed or off the board.
inline int litvertex(std::string m, int n) {
  for (char& ch : m) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (m == "PASS") return -1;
  if (m.size() < 2 || m[0] < 'A' || m[0] > 'Z' || m[0] == 'I') return -2;
  const int c = m[0] - 'A' - (m[0] > 'I' ? 1 : 0);
  int r = 0;
  for (size_t i = 1; i < m.size(); ++i) {
    if (m[i] < '0' || m[i] > '9' || r > 100) return -2;
    r = r * 10 + (m[i] - '0');
  }
  if (c >= n || r < 1 || r > n) return -2;
  return (r - 1) * n + c;
}

inline std::string vertex(int p, int n) {
  if (p < 0) return "pass";
  const int c = p % n;
  return std::string(1, static_cast<char>('A' + c + (c >= 8 ? 1 : 0))) + std::to_string(p / n + 1);
}

}  // namespace jeugo
