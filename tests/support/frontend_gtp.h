// In-process driving of the Vesmok front end for tests: a fresh game, bytes
// fed to the line assembler, replies caught from standard output, and an
// independent model of the game (board, captures, simple ko) to check the
// front end's board against.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/board/types.h"
#include "frontend/commandes.h"
#include "frontend/gtp.h"
#include "frontend/partie.h"

namespace frontendtest {

// Protocol layer and game as after start-up with the default settings.
inline void nouvellepartie(uint8_t tailles = 74, int32_t niveau = 7) {
  gtpinit(0, "debug.txt", tabmotsgtp);
  gtpinitpartie(niveau, 2, tailles);
}

// Feeds the bytes to the line assembler; what the front end wrote.
inline std::string envoie(std::string_view octets) {
  testing::internal::CaptureStdout();
  gtprecoit(octets);
  return testing::internal::GetCapturedStdout();
}

// Reply text of one command line (without "=id " / "?id " and "\n\n"),
// "?" + text for a failure; "<none>" when nothing was written.
inline std::string repond(std::string_view ligne) {
  std::string sortie = envoie(std::string(ligne) + "\n");
  if (sortie.empty()) return "<none>";
  if (sortie.size() < 3 || sortie.compare(sortie.size() - 2, 2, "\n\n") != 0) return "<bad framing>" + sortie;
  const char statut = sortie[0];
  size_t i = 1;
  while (i < sortie.size() && sortie[i] >= '0' && sortie[i] <= '9') ++i;
  if (sortie[i] != ' ') return "<bad framing>" + sortie;
  std::string texte = sortie.substr(i + 1, sortie.size() - i - 3);
  return statut == '?' ? "?" + texte : texte;
}

// Independent model of a game: stones, captures and the simple ko rule
// (a retake of a single stone that the last stone played captured).
struct Modele {
  int taille = 19;
  TPlateau plateau = plateauvide();
  int dernierecapture = -1;   // index of the lone stone the last stone took, -1 none
  std::vector<int> captures;  // stones the last play took

  bool sur(int l, int c) const { return l >= 1 && l <= taille && c >= 1 && c <= taille; }

  // Stones of the chain through (l, c) and whether it has a liberty.
  bool chaine(const TPlateau& p, int l, int c, std::vector<int>& pierres) const {
    std::vector<int> pile{indexcase(l, c)};
    std::vector<bool> vu(NBCASES, false);
    vu[pile[0]] = true;
    bool liberte = false;
    const uint8_t couleur = p[pile[0]];
    while (!pile.empty()) {
      int i = pile.back();
      pile.pop_back();
      pierres.push_back(i);
      int il = i / 19 + 1, ic = i % 19 + 1;
      const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (auto& v : d) {
        int l2 = il + v[0], c2 = ic + v[1];
        if (!sur(l2, c2)) continue;
        int j = indexcase(l2, c2);
        if (p[j] == VIDE) liberte = true;
        if (p[j] == couleur && !vu[j]) vu[j] = true, pile.push_back(j);
      }
    }
    return liberte;
  }

  // Plays a move as the rules allow; false (and no change) for an illegal one.
  bool joue(uint8_t couleur, int l, int c) {
    if (l == 0) {
      dernierecapture = -1;
      return true;
    }
    if (!sur(l, c) || plateau[indexcase(l, c)] != VIDE) return false;
    TPlateau p = plateau;
    p[indexcase(l, c)] = couleur;
    std::vector<int> prises;
    const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (auto& v : d) {
      int l2 = l + v[0], c2 = c + v[1];
      if (!sur(l2, c2) || p[indexcase(l2, c2)] != 1 - couleur) continue;
      std::vector<int> pierres;
      if (!chaine(p, l2, c2, pierres))
        for (int i : pierres) p[i] = VIDE, prises.push_back(i);
    }
    std::vector<int> propres;
    if (prises.empty() && !chaine(p, l, c, propres)) return false;
    if (prises.size() == 1 && dernierecapture == indexcase(l, c)) return false;
    plateau = p;
    captures = prises;
    dernierecapture = prises.size() == 1 ? prises[0] : -1;
    return true;
  }
};

// The model's replay of the front end's move list from an empty board.
inline TPlateau rejoue(const TListeCoups& liste, int taille) {
  Modele m;
  m.taille = taille;
  for (int k = 1; k <= liste[0].ligne; ++k) m.joue(liste[k].couleur, liste[k].ligne, liste[k].colonne);
  return m.plateau;
}

}  // namespace frontendtest
