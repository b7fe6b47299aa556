#include "records/recueil.h"

#include <fstream>

#include "records/messages.h"
#include "records/outils.h"

namespace {

uint8_t genrequestion(int32_t code) {
  switch (code) {
    case 3: case 4: return 7;
    case 5: return 0;
    case 6: return 2;
    case 7: case 8: return 8;
    case 9: case 10: return 9;
    case 11: case 12: return 10;
    case 13: return 4;
    case 14: return 5;
    case 15: case 16: return 11;
    case 17: case 18: return 12;
    case 19: case 20: return 13;
    case 21: case 22: return 14;
    case 23: case 24: return 15;
    default: return 6;
  }
}

// A stone word: row and column from the low five bits, black when bit 64
// of the second character is clear.
void ajoutepierre(TCoupsListe& l, const std::string& mot) {
  const auto a = static_cast<unsigned char>(mot[0]);
  const auto b = static_cast<unsigned char>(mot[1]);
  l.AjouteCoup(a & 31, b & 31, (b & 64) ? BLANC : NOIR);
}

}  // namespace

bool lireprobleme(TProbleme& p, const std::string& ligne) {
  // The text sits between the first two unit separators; the words before
  // it are the fields, the words after it the last list.
  const size_t s1 = ligne.find('\x1f');
  const std::string champs = ligne.substr(0, s1);
  std::string apres;
  if (s1 != std::string::npos) {
    const size_t s2 = ligne.find('\x1f', s1 + 1);
    p.texte = ligne.substr(s1 + 1, s2 == std::string::npos ? std::string::npos : s2 - s1 - 1);
    if (s2 != std::string::npos) apres = ligne.substr(s2 + 1);
  }
  int k = 1;
  auto mot = [&] { return motnumero(champs, k++, 0); };
  auto entier = [&](int32_t& v) {
    const auto n = litentier(mot());
    if (n) v = *n;
    return n.has_value();
  };
  auto liste = [&](TCoupsListe& l, int32_t* nb) {
    int32_t n = 0;
    if (!entier(n)) return false;
    if (nb) *nb = n;
    for (int32_t i = 0; i < n; ++i) {
      const std::string m = mot();
      if (m.size() != 2) return false;
      ajoutepierre(l, m);
    }
    return true;
  };
  auto erreur = [] {
    affichemessage(textelangue(267));
    return false;
  };
  if (!entier(p.numero) || !liste(p.pierres1, nullptr)) return erreur();
  const std::string camp = mot();
  if (camp != "1" && camp != "0") return erreur();
  p.camp = camp == "1" ? 1 : 0;
  int32_t code = 0;
  if (!entier(code)) return erreur();
  p.question = genrequestion(code);
  for (int32_t& v : p.entiers1)
    if (!entier(v)) return erreur();
  if (!liste(p.pierres2, nullptr) || !liste(p.pierres3, nullptr)) return erreur();
  for (int32_t& v : p.entiers2)
    if (!entier(v)) return erreur();
  if (!liste(p.pierres4, &p.nbpierres4) || !liste(p.pierres5, &p.nbpierres5) || !entier(p.entier)) return erreur();
  // The last list: a word of another length ends it.
  const auto n = litentier(motnumero(apres, 1, 0));
  if (!n) return erreur();
  for (int32_t i = 0; i < *n; ++i) {
    const std::string m = motnumero(apres, i + 2, 0);
    if (m.size() != 2) break;
    ajoutepierre(p.pierres6, m);
  }
  return true;
}

void TRecueil::ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre) {
  TArbre* haut = arbre.get();
  if (!haut) return;
  // The file's lines, an empty file refused.
  std::vector<std::string> lignes;
  std::ifstream f(nom, std::ios::binary);
  for (std::string l; std::getline(f, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lignes.push_back(l);
  }
  if (lignes.empty()) {
    affichemessage(textelangue(268));
    return;
  }
  // The problems form the main line.
  TArbre* precedent = haut;
  for (const std::string& l : lignes) {
    TArbre* n = ajoutearbre(*precedent);
    n->donnees->numcoup = precedent->donnees->numcoup + 1;
    n->donnees->nature = NOEUDPROBLEME;
    n->donnees->probleme = std::make_unique<TProbleme>();
    lireprobleme(*n->donnees->probleme, l);
    precedent = n;
  }
  // Move numbers from the top.
  haut->donnees->numcoup = 0;
  haut->profondeur = 0;
  renumerotearbre2(haut->premierfils.get());
}
