#include "frontend/gtp.h"

#include <fstream>

#include "engine/board/etat.h"
#include "frontend/console.h"

TEtatGtp etatgtp;

void gtpinit(uint8_t journal, std::string_view nomjournal, std::span<const TCommandeGtp> commandes) {
  etatgtp.quitter = 0;
  etatgtp.ligne.clear();
  etatgtp.id = -1;
  etatgtp.idtexte.clear();
  etatgtp.journalactif = journal;
  etatgtp.nomjournal = nomjournal;
  etatgtp.journal.clear();
  etatgtp.commandes = commandes;
}

void gtprecoit(std::string_view morceau) {
  for (char ch : morceau) {
    const auto octet = static_cast<unsigned char>(ch);
    if (octet == 10) {
      if (sortiefermee()) return;  // no reply could reach anyone
      gtplog(etatgtp.ligne);
      gtpexecute();
      etatgtp.ligne.clear();
    } else if (etatgtp.ligne.size() >= LONGUEURMAXLIGNE) {
      continue;
    } else if (octet == 9) {
      etatgtp.ligne += ' ';
    } else if (octet >= 32 && octet != 127) {
      etatgtp.ligne += ch;
    }
  }
}

void gtpfinentree() {
  // A controller may close its pipe right after a last command that has no
  // line feed; it still expects the answer.
  if (!etatgtp.ligne.empty() && etatgtp.quitter == 0) gtprecoit("\n");
}

void gtpexecute() {
  // A comment runs to the end of the line; an empty line gets no reply.
  std::string_view ligne = etatgtp.ligne;
  if (size_t diese = ligne.find('#'); diese != std::string_view::npos) ligne = ligne.substr(0, diese);
  std::vector<std::string_view> mots = gtpmots(ligne);
  if (mots.empty()) return;
  // A reply line is ignored.
  const TIdLu lu = gtplitid(mots[0]);
  if (lu.reponse) return;
  // The id word is taken off the line.
  if (gtpestnombre(mots[0])) {
    etatgtp.id = lu.id;
    size_t debut = mots[0].find_first_not_of('0');
    etatgtp.idtexte = debut == std::string_view::npos ? "0" : std::string(mots[0].substr(debut));
    mots.erase(mots.begin());
  } else {
    etatgtp.id = -1;
    etatgtp.idtexte.clear();
  }
  // The command word and its handler.
  const TCommandeGtp* commande = mots.empty() ? nullptr : gtptrouvecommande(mots[0]);
  if (!commande) {
    gtpechec("unknown command");
    return;
  }
  commande->traite(mots);
}

namespace {
void gtprepond(char statut, std::string_view texte) {
  std::string reponse(1, statut);
  reponse += etatgtp.idtexte;
  reponse += ' ';
  reponse += texte;
  reponse += "\n\n";
  ecrireconsole(reponse);
  gtplog(reponse);
}
}  // namespace

void gtpsucces(std::string_view texte) {
  gtprepond('=', texte);
  if (etatgtp.journalactif == 1) gtplog("Niveau = " + std::to_string(niveau) + "\n\r\n\r");
}
void gtpechec(std::string_view texte) { gtprepond('?', texte); }

const TCommandeGtp* gtptrouvecommande(std::string_view mot) {
  for (const TCommandeGtp& c : etatgtp.commandes)
    if (c.mot == mot) return &c;
  return nullptr;
}

bool gtpcommandeconnue(std::string_view mot) { return gtptrouvecommande(mot) != nullptr; }

TIdLu gtplitid(std::string_view mot) {
  TIdLu lu;
  if (mot.empty()) return lu;
  lu.premier = mot[0];
  lu.reponse = mot[0] == '=' || mot[0] == '?';
  if (lu.reponse) mot.remove_prefix(1);
  if (!gtplitnombre(mot, lu.id)) lu.id = -1;
  return lu;
}

std::vector<std::string_view> gtpmots(std::string_view ligne) {
  std::vector<std::string_view> mots;
  size_t i = 0;
  while (i < ligne.size()) {
    if (ligne[i] == ' ') {
      ++i;
      continue;
    }
    size_t fin = ligne.find(' ', i);
    if (fin == std::string_view::npos) fin = ligne.size();
    mots.push_back(ligne.substr(i, fin - i));
    i = fin;
  }
  return mots;
}

std::string_view gtpmot(std::string_view ligne, int n) {
  std::vector<std::string_view> mots = gtpmots(ligne);
  if (n < 1 || n > static_cast<int>(mots.size())) return {};
  return mots[static_cast<size_t>(n - 1)];
}

bool gtpestnombre(std::string_view texte) {
  if (texte.empty()) return false;
  for (char c : texte)
    if (c < '0' || c > '9') return false;
  return true;
}

bool gtpestreel(std::string_view texte) {
  if (texte.empty()) return false;
  for (char c : texte)
    if ((c < '0' || c > '9') && c != ',' && c != '.') return false;
  return true;
}

bool gtplitnombre(std::string_view texte, int32_t& valeur) {
  if (!gtpestnombre(texte)) return false;
  int64_t v = 0;
  for (char c : texte) {
    v = v * 10 + (c - '0');
    if (v > INT32_MAX) v = INT32_MAX;
  }
  valeur = static_cast<int32_t>(v);
  return true;
}

void gtplog(std::string_view texte) {
  if (etatgtp.journalactif != 1) return;
  etatgtp.journal.emplace_back(texte);
  std::ofstream fichier(etatgtp.nomjournal, std::ios::binary | std::ios::trunc);
  for (const std::string& l : etatgtp.journal) fichier << l << '\n';
}
