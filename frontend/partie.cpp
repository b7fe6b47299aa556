#include "frontend/partie.h"

#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "platform/platform.h"
#include "records/listecoups.h"

TConfig configgtp;
TPlateau plateaugtp = plateauvide();
TListeCoups listecoupsgtp;
TListePoints capturesgtp;
THorloge horlogeblanc;
THorloge horlogenoir;
uint8_t taillesacceptees = 0;
std::string versiongtp;

namespace {

// Scratch storage of the legality test and of undo, kept off the stack.
TPlateau plateauessai;
TListePoints capturesessai;
TListeCoups copieundo;

}  // namespace

void gtpinitpartie(int32_t niveau, uint8_t regle, uint8_t tailles) {
  // Sizes, komi, board.
  taillesacceptees = tailles;
  configgtp = TConfig{};
  configgtp.komi = 5.5;
  configgtp.taille = 19;
  gtpclearboard();
  // Handicap and rules.
  configgtp.handicap = 0;
  configgtp.regle = regle;
  // The engine's opening choices draw on the generator.
  platform::randomize();
  // Capture record and clocks.
  capturesgtp[0] = 0;
  horlogeblanc = THorloge{};
  horlogenoir = THorloge{};
  // Level and version text.
  configgtp.niveauconfig = niveau;
  versiongtp = "3.1.5.7, level " + std::to_string(niveau);
}

void gtpclearboard() {
  plateaugtp.fill(VIDE);
  listecoupsgtp[0].ligne = 0;
  configgtp.nomnoir().clear();
  configgtp.nomblanc().clear();
}

void gtpjouecoup(TListePoints& captures, int32_t capacite, TPlateau& plateau, int32_t ligne, int32_t colonne,
                 uint8_t couleur, uint8_t ennemi, int32_t taille) {
  // Nothing more for a pass or an occupied point.
  captures[0] = 0;
  if (ligne == 0) return;
  if (ligne < 1 || ligne > taille || colonne < 1 || colonne > taille) return;
  const int idx = indexcase(ligne, colonne);
  if (plateau[idx] != VIDE) return;
  // Put the stone.
  plateau[idx] = couleur;
  // Neighbours: liberties, and enemy chains left without one are removed.
  bool aliberte = false;
  for (const auto& v : ORDREMARCHE) {
    int32_t l = ligne + v[0], c = colonne + v[1];
    if (l < 1 || l > taille || c < 1 || c > taille) continue;
    uint8_t contenu = plateau[indexcase(l, c)];
    if (contenu == VIDE) {
      aliberte = true;
    } else if (contenu == ennemi) {
      int32_t avant = captures[0];
      TMarques marques{};
      marques[idx] = 1;
      if (chainealiberte(plateau, taille, &captures, capacite, l, c, marques)) {
        captures[0] = avant;
      } else {
        for (int32_t k = avant + 1; k <= captures[0]; ++k) plateau[indexcase(captures[2 * k], captures[2 * k + 1])] = VIDE;
      }
    }
  }
  // A stone with no liberty that took nothing is taken back.
  if (!aliberte && captures[0] == 0) {
    TMarques marques{};
    const bool libre = chainealiberte(plateau, taille, &captures, capacite, ligne, colonne, marques);
    captures[0] = 0;
    if (!libre) plateau[idx] = VIDE;
  }
}

bool gtptesteko(int32_t ligne, int32_t colonne, const TListePoints& captures) {
  return !(capturesgtp[0] == 1 && captures[0] == 1 && capturesgtp[2] == ligne && capturesgtp[3] == colonne);
}

int gtpcouplegal(uint8_t couleur, int32_t ligne, int32_t colonne) {
  if (ligne == 0) return 0;
  const int32_t taille = configgtp.taille;
  if (ligne < 1 || ligne > taille || colonne < 1 || colonne > taille) return 3;
  if (plateaugtp[indexcase(ligne, colonne)] != VIDE) return 4;
  plateauessai = plateaugtp;
  gtpjouecoup(capturesessai, MAXPOINTSLISTE, plateauessai, ligne, colonne, couleur, 1 - couleur, taille);
  if (plateauessai[indexcase(ligne, colonne)] != couleur) return 5;
  if (!gtptesteko(ligne, colonne, capturesessai)) return 6;
  return 0;
}

int gtpjouelegal(uint8_t couleur, int32_t ligne, int32_t colonne) {
  if (gtpcouplegal(couleur, ligne, colonne) != 0) return 1;
  gtpjouecoup(capturesgtp, MAXPOINTSLISTE, plateaugtp, ligne, colonne, couleur, 1 - couleur, configgtp.taille);
  return 0;
}

int gtpplaycoup(uint8_t couleur, int32_t ligne, int32_t colonne) {
  if (listepleine(listecoupsgtp)) return 2;
  if (gtpjouelegal(couleur, ligne, colonne) != 0) return 2;
  if (ligne == 0) colonne = 0;
  ajoutecoup(ligne, colonne, couleur, listecoupsgtp);
  return 0;
}

int32_t phasepartie() {
  const int32_t c = nombrecoups(listecoupsgtp), h = configgtp.handicap;
  if (c <= h) return 0;
  if (c == h + 1) return 1;
  return 2;
}

int gtpundo() {
  // Handicap stones are never taken back.
  if (phasepartie() == 0) return 1;
  // Replay all moves but the last on a cleared board.
  listecoupsgtp[0].ligne -= 1;
  copieundo = listecoupsgtp;
  gtpclearboard();
  for (int32_t k = 1; k <= nombrecoups(copieundo); ++k)
    gtpplaycoup(copieundo[k].couleur, copieundo[k].ligne, copieundo[k].colonne);
  return 0;
}

const std::string& gtpversion() { return versiongtp; }

namespace {
char majuscule(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool egalmajuscules(std::string_view mot, std::string_view modele) {
  if (mot.size() != modele.size()) return false;
  for (size_t i = 0; i < mot.size(); ++i)
    if (majuscule(mot[i]) != modele[i]) return false;
  return true;
}
}  // namespace

uint8_t gtpcouleur(std::string_view mot) {
  if (egalmajuscules(mot, "W") || egalmajuscules(mot, "WHITE")) return BLANC;
  if (egalmajuscules(mot, "B") || egalmajuscules(mot, "BLACK")) return NOIR;
  return 2;
}

TLectureVertex gtplitvertex(std::string_view mot, int32_t& a, int32_t& b) {
  if (egalmajuscules(mot, "PASS")) {
    a = b = 0;
    return VERTEXOK;
  }
  if (mot.size() < 2) return VERTEXMALFORME;
  const char lettre = majuscule(mot[0]);
  if (lettre < 'A' || lettre > 'Z' || lettre == 'I') return VERTEXMALFORME;
  const int32_t ligne = lettre < 'I' ? lettre - 'A' + 1 : lettre - 'A';
  // The number, saturated well above any board size.
  int64_t colonne = 0;
  for (size_t i = 1; i < mot.size(); ++i) {
    if (mot[i] < '0' || mot[i] > '9') return VERTEXMALFORME;
    colonne = colonne * 10 + (mot[i] - '0');
    if (colonne > 1000) colonne = 1000;
  }
  if (colonne == 0) return VERTEXMALFORME;
  const int32_t taille = configgtp.taille;
  if (ligne > taille || colonne > taille) return VERTEXHORSPLATEAU;
  a = ligne;
  b = static_cast<int32_t>(colonne);
  return VERTEXOK;
}

std::string gtpvertex(int32_t a, int32_t b) {
  if (a == 0) return "PASS";
  std::string s(1, static_cast<char>(a < 9 ? a + 64 : a + 65));
  return s + std::to_string(b);
}
