#include "tests/support/fixture.h"

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

::testing::AssertionResult memesgrilles(std::string_view attendu, std::string_view obtenu) {
  auto a = lignes(attendu, false), b = lignes(obtenu, false);
  auto norm = [](std::string s) {
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
  };
  size_t n = std::max(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    std::string x = i < a.size() ? norm(a[i]) : "<none>", y = i < b.size() ? norm(b[i]) : "<none>";
    if (x != y)
      return ::testing::AssertionFailure() << "first difference at row " << i + 1 << "\n  expected: " << x
                                           << "\n  actual:   " << y << "\n\nwhole grid:\n" << obtenu;
  }
  return ::testing::AssertionSuccess();
}

uint64_t compteurfige() { return 123456789; }

}  // namespace fixture
