#include "tests/support/fixture.h"

#include "engine/board/etat.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace fixture {
namespace {
std::vector<std::string> lignes(std::string_view texte, bool sansespaces) {
  std::vector<std::string> out;
  std::string cur;
  auto flush = [&] {
    size_t a = cur.find_first_not_of(" \t\r");
    if (a != std::string::npos) {
      std::string l = cur.substr(a);
      l.erase(l.find_last_not_of(" \t\r") + 1);
      if (sansespaces) std::erase(l, ' ');
      out.push_back(l);
    }
    cur.clear();
  };
  for (char ch : texte) {
    if (ch == '\n') flush();
    else cur += ch;
  }
  flush();
  return out;
}
}  // namespace

Position diagramme(std::string_view texte) {
  Position pos;
  pos.plateau = plateauvide();
  auto rows = lignes(texte, true);
  pos.taille = static_cast<int>(rows.size());
  if (pos.taille < 1 || pos.taille > TAILLEMAX) {
    ADD_FAILURE() << "diagram of " << pos.taille << " rows";
    return pos;
  }
  for (int r = 1; r <= pos.taille; ++r) {
    const std::string& row = rows[static_cast<size_t>(r - 1)];
    if (static_cast<int>(row.size()) != pos.taille) {
      ADD_FAILURE() << "diagram row " << r << " has " << row.size() << " points, expected " << pos.taille;
      continue;
    }
    for (int c = 1; c <= pos.taille; ++c) {
      char ch = row[static_cast<size_t>(c - 1)];
      uint8_t v = ch == 'X' ? NOIR : ch == 'O' ? BLANC : VIDE;
      if (ch != 'X' && ch != 'O' && ch != '.' && ch != '+') ADD_FAILURE() << "bad diagram character '" << ch << "'";
      pos.plateau[indexcase(r, c)] = v;
    }
  }
  return pos;
}

std::string texteplateau(const TPlateau& p, int taille) {
  std::string s;
  for (int r = 1; r <= taille; ++r) {
    for (int c = 1; c <= taille; ++c) {
      uint8_t v = p[indexcase(r, c)];
      s += v == NOIR ? 'X' : v == BLANC ? 'O' : v == VIDE ? '.' : '?';
    }
    s += '\n';
  }
  return s;
}

template <class Carte>
static std::string grilleT(const Carte& carte, int taille, int largeur) {
  std::ostringstream o;
  for (int r = 1; r <= taille; ++r) {
    for (int c = 1; c <= taille; ++c) {
      std::string v = std::to_string(static_cast<long long>(carte[indexcase(r, c)]));
      o << std::string(v.size() < static_cast<size_t>(largeur) ? largeur - v.size() : 1, ' ') << v;
    }
    o << '\n';
  }
  return o.str();
}

std::string grille(const TCarte& carte, int taille, int largeur) { return grilleT(carte, taille, largeur); }
std::string grille(const TMarques& carte, int taille, int largeur) { return grilleT(carte, taille, largeur); }

namespace {
// A grid row cut into its points: the words when the row has spaces, else
// its characters.
std::vector<std::string> points(const std::string& ligne) {
  std::vector<std::string> out;
  if (ligne.find(' ') == std::string::npos) {
    for (char ch : ligne) out.emplace_back(1, ch);
    return out;
  }
  std::istringstream in(ligne);
  for (std::string mot; in >> mot;) out.push_back(mot);
  return out;
}

// Spaces collapsed to one, none at either end.
std::string resserre(const std::string& s) {
  std::string out;
  bool sp = false;
  for (char ch : s) {
    if (ch == ' ') sp = !out.empty();
    else {
      if (sp) out += ' ';
      out += ch;
      sp = false;
    }
  }
  return out;
}

// The two grids side by side, differing rows marked, under a line naming the
// first differing point; success when every row is the same.
::testing::AssertionResult ecartgrilles(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  const size_t n = std::max(a.size(), b.size());
  size_t premiere = n;
  for (size_t i = 0; i < n && premiere == n; ++i)
    if (i >= a.size() || i >= b.size() || a[i] != b[i]) premiere = i;
  if (premiere == n) return ::testing::AssertionSuccess();
  auto r = ::testing::AssertionFailure();
  r << "first difference at row " << premiere + 1;
  if (premiere < a.size() && premiere < b.size()) {
    const auto x = points(a[premiere]), y = points(b[premiere]);
    size_t k = 0;
    while (k < x.size() && k < y.size() && x[k] == y[k]) ++k;
    r << ", column " << k + 1 << ": expected " << (k < x.size() ? x[k] : "<none>") << ", actual "
      << (k < y.size() ? y[k] : "<none>");
  } else {
    r << ": " << (premiere < a.size() ? "actual" : "expected") << " grid has fewer rows";
  }
  size_t largeur = 8;
  for (const auto& l : a) largeur = std::max(largeur, l.size());
  r << "\n   " << std::string("expected") << std::string(largeur - 8 + 4, ' ') << "actual\n";
  for (size_t i = 0; i < n; ++i) {
    const std::string x = i < a.size() ? a[i] : "", y = i < b.size() ? b[i] : "";
    r << (x == y && i < a.size() && i < b.size() ? "   " : " > ") << x << std::string(largeur - x.size() + 4, ' ')
      << y << '\n';
  }
  return r;
}

int tailleoudefaut(int taille) {
  if (taille >= 1 && taille <= TAILLEMAX) return taille;
  return configmoteur.taille >= 1 && configmoteur.taille <= TAILLEMAX ? configmoteur.taille : TAILLEMAX;
}

// Two maps of the same shape: the grids of `taille` rows, then any cell off
// those rows and columns.
template <class Carte>
::testing::AssertionResult memescartes(const Carte& attendu, const Carte& obtenu, int taille,
                                       const std::function<std::string(const Carte&, int)>& texte) {
  if (attendu == obtenu) return ::testing::AssertionSuccess();
  const int n = tailleoudefaut(taille);
  auto r = ecartgrilles(lignes(texte(attendu, n), false), lignes(texte(obtenu, n), false));
  if (!r) return r;
  for (size_t i = 0; i < attendu.size(); ++i)
    if (attendu[i] != obtenu[i])
      return ::testing::AssertionFailure()
             << "the " << n << "x" << n << " grids agree; first difference off them at row "
             << i / TAILLEMAX + 1 << ", column " << i % TAILLEMAX + 1 << ": expected "
             << static_cast<long long>(attendu[i]) << ", actual " << static_cast<long long>(obtenu[i]);
  return ::testing::AssertionSuccess();
}
}  // namespace

::testing::AssertionResult memesgrilles(std::string_view attendu, std::string_view obtenu) {
  auto a = lignes(attendu, false), b = lignes(obtenu, false);
  for (auto& l : a) l = resserre(l);
  for (auto& l : b) l = resserre(l);
  return ecartgrilles(a, b);
}

::testing::AssertionResult memesplateaux(const TPlateau& attendu, const TPlateau& obtenu, int taille) {
  return memescartes<TPlateau>(attendu, obtenu, taille, [](const TPlateau& p, int n) { return texteplateau(p, n); });
}

::testing::AssertionResult memesmarques(const TMarques& attendu, const TMarques& obtenu, int taille) {
  return memescartes<TMarques>(attendu, obtenu, taille, [](const TMarques& m, int n) { return grille(m, n); });
}

uint64_t compteurfige() { return 123456789; }

}  // namespace fixture
