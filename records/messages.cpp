#include "records/messages.h"

#include <vector>

#include "platform/platform.h"

namespace {

TPuitsMessages puitsmessages;

// The selected table, cut into lines once.
struct TableLangue {
  std::string nom;
  std::vector<std::string> lignes;
};
TableLangue tablechoisie;

std::vector<std::string> coupelignes(std::string_view table) {
  std::vector<std::string> lignes;
  const auto octets = platform::donnee(table);
  std::string cur;
  for (const uint8_t b : octets) {
    if (b == '\n') {
      lignes.push_back(cur);
      cur.clear();
    } else if (b != '\r') {
      cur += static_cast<char>(b);
    }
  }
  if (!cur.empty()) lignes.push_back(cur);
  return lignes;
}

std::string remplace(const std::string& texte, std::string_view marque, const std::string& par) {
  const size_t i = texte.find(marque);
  if (i == std::string::npos) return texte;
  std::string r = texte;
  r.replace(i, marque.size(), par);
  return r;
}

}  // namespace

std::string lignelangue(std::string_view table, int n) {
  if (tablechoisie.nom != table) {
    tablechoisie.nom = std::string(table);
    tablechoisie.lignes = coupelignes(table);
  }
  if (n < 1 || n > static_cast<int>(tablechoisie.lignes.size())) return {};
  return tablechoisie.lignes[static_cast<size_t>(n - 1)];
}

std::string textelangue(int n) { return lignelangue("MOLVANEENG", n); }

TPuitsMessages fixepuitsmessages(TPuitsMessages puits) {
  TPuitsMessages avant = std::move(puitsmessages);
  puitsmessages = std::move(puits);
  return avant;
}

std::string remplacepourcents(const std::string& texte, const std::string& s) { return remplace(texte, "%s", s); }
std::string remplacepourcentt(const std::string& texte, const std::string& t) { return remplace(texte, "%t", t); }

int affichemessage(const std::string& texte) {
  if (puitsmessages) puitsmessages(texte);
  return RESULTATOK;
}

int affichemessage2(const std::string& texte, const std::string& s) {
  return affichemessage(remplacepourcents(texte, s));
}

int affichemessage3(const std::string& texte, const std::string& s, const std::string& t) {
  // Both placeholders are found in the text itself, so a "%t" inside `s`
  // (a file name) stays as it is.
  const size_t is = texte.find("%s");
  const size_t it = texte.find("%t");
  if (it == std::string::npos) return affichemessage(remplacepourcents(texte, s));
  if (is == std::string::npos) return affichemessage(remplacepourcentt(texte, t));
  std::string r = texte;
  if (it > is) {
    r.replace(it, 2, t);
    r.replace(is, 2, s);
  } else {
    r.replace(is, 2, s);
    r.replace(it, 2, t);
  }
  return affichemessage(r);
}
