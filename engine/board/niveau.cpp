// Level control.
#include "engine/board/niveau.h"

#include <algorithm>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "platform/platform.h"

namespace {

TPlateau plateaumesure;
TMarques marquesmesure;
TListePoints prisesmesure;

// One round of the workload: 81 stones on the 9x9 corner of an empty board.
void tourmesure() {
  plateaumesure = plateauvide();
  marquesmesure = marquesvides;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) infochaine[indexcase(r, c)] = flagchaines;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const bool impair = ((r + c) & 1) != 0;
      const uint8_t coul = (r <= 4) == impair ? NOIR : BLANC;
      jouecoup(prisesmesure, 300, plateaumesure, r, c, coul, static_cast<uint8_t>(1 - coul));
      if (plateaumesure[indexcase(r, c)] != VIDE)
        peintchaine(plateaumesure, marquesmesure, static_cast<uint8_t>(r + c), r, c);
    }
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) infochaine[indexcase(r, c)] = flagchaines;
}

}  // namespace

double tempsparcoup(int32_t temps, int32_t pierres, int32_t taille, int32_t coups) {
  if (pierres > 0) return static_cast<double>(temps) / pierres;
  const int32_t n = std::max(10, (taille * 80 * taille) / 100 - coups);
  return static_cast<double>(temps) / (n / 2);
}

void mesurevitesseordi() {
  // The workload. It plays on rows and columns 1..9 whatever the size.
  const int32_t taillesauvee = configmoteur.taille;
  const bool petite = taillesauvee < 9;
  if (petite) {
    configmoteur.taille = 9;
    construittables(9);
  }
  const uint32_t t0 = platform::tickcount();
  for (int k = 0; k < 1200; ++k) tourmesure();
  const uint32_t e = platform::tickcount() - t0;
  if (petite) {
    configmoteur.taille = taillesauvee;
    construittables(taillesauvee);
  }

  // A machine that runs the workload within one tick gets the top level,
  // whatever the clock; the caps of niveaureel still apply.
  if (e == 0) {
    niveau = 10;
    return;
  }
  const double vitesse = 100.0 / e;
  ecritdebug("coef vitesse ordi : ");

  const int32_t temps = tempsrestant.temps;
  const int32_t pierres = tempsrestant.pierres;
  // No clock.
  if (temps < 0) return;
  if (temps == 0 || (temps <= 60 && pierres != 1)) {
    niveau = 1;
    return;
  }
  // Time per move; outside byo-yomi an unknown move count is the
  // stones on the board.
  if (pierres <= 0 && numerocoup < 1) {
    numerocoup = 0;
    const int32_t n = configmoteur.taille;
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c)
        if (plateaumoteur[indexcase(r, c)] != VIDE) ++numerocoup;
  }
  double t = tempsparcoup(temps, pierres, configmoteur.taille, numerocoup);
  if ((pierres == 1 || pierres == 2) && niveau >= 2) t = t / 1.5;
  const double x = t * vitesse;
  static const double bornes[9] = {2, 6, 8, 11, 14, 20, 60, 110, 220};
  niveau = 10;
  for (int k = 0; k < 9; ++k)
    if (x < bornes[k]) {
      niveau = k + 1;
      break;
    }
}

namespace {

// One set of level parameters. GARDE leaves the global as it is.
constexpr int32_t GARDE = -1;
struct TParametresNiveau {
  int32_t a, b, profondeurlecture, c;  // paramniveaua, paramniveaub, profondeurlecture, paramniveauc
  int32_t d, dpetit;                   // paramniveaud; dpetit on boards under 13 lines
  int32_t e, f, g;                     // paramniveaue, paramniveauf, paramniveaug
  int32_t min3, min4;                  // niveaumin3 and niveaumin3b, niveaumin4
  uint8_t lecture;                     // lectureprofonde and lecturelongue
};

// Row 0 for levels below 1, rows 1..10 by level, row 11 above 10, and the
// fixed set of the final-status request (STATUTFINAL).
constexpr int STATUTFINAL = 12;
constexpr TParametresNiveau PARAMETRESNIVEAU[13] = {
    // a, b, profondeurlecture, c, d, dpetit, e, f, g, min3, min4, lecture
    {GARDE,  GARDE,  GARDE,  GARDE,  4,      4,      5,   1,   2,  0,  0,  0},  // below 1
    {4,      1,      6,      4,      4,      4,      3,   20,  2,  0,  0,  0},  // 1
    {4,      2,      8,      6,      4,      4,      5,   10,  2,  0,  0,  0},  // 2
    {4,      2,      8,      6,      4,      4,      5,   1,   2,  1,  0,  0},  // 3
    {6,      3,      9,      8,      4,      4,      5,   1,   2,  1,  1,  0},  // 4
    {6,      3,      10,     8,      4,      5,      5,   1,   2,  1,  1,  1},  // 5
    {6,      3,      11,     10,     4,      5,      5,   1,   2,  1,  1,  1},  // 6
    {8,      3,      12,     10,     4,      5,      5,   1,   2,  1,  1,  1},  // 7
    {8,      4,      12,     10,     4,      5,      5,   1,   2,  1,  1,  1},  // 8
    {10,     4,      13,     12,     4,      5,      5,   1,   2,  1,  1,  1},  // 9
    {10,     5,      14,     12,     4,      5,      5,   1,   3,  1,  1,  1},  // 10
    {GARDE,  GARDE,  GARDE,  GARDE,  6,      6,      5,   1,   2,  1,  1,  1},  // above 10
    {8,      3,      12,     10,     GARDE,  GARDE,  5,   1,   2,  1,  1,  1},  // final status
};

// Without a clock, the seconds after which the search of one move stops, by
// level (row 0 unused), so that no move waits minutes for an answer. The
// analyses before the search and the root move under way run past it: up to
// a few seconds on 19x19, hence the margin below 10 s at level 5 and 30 s at
// level 10.
constexpr int32_t TEMPSCOUPDEFAUT[11] = {0, 7, 7, 7, 7, 7, 9, 11, 13, 15, 18};

void fixe(int32_t& global, int32_t valeur) {
  if (valeur != GARDE) global = valeur;
}

void appliqueparametres(const TParametresNiveau& l) {
  fixe(paramniveaua, l.a);
  fixe(paramniveaub, l.b);
  fixe(profondeurlecture, l.profondeurlecture);
  fixe(paramniveauc, l.c);
  fixe(paramniveaud, configmoteur.taille < 13 ? l.dpetit : l.d);
  paramniveaue = l.e;
  paramniveauf = l.f;
  paramniveaug = l.g;
  niveaumin3 = niveaumin3b = l.min3;
  niveaumin4 = l.min4;
  lectureprofonde = lecturelongue = l.lecture;
}

}  // namespace

int32_t tempscoupdefaut(int32_t n) { return TEMPSCOUPDEFAUT[std::clamp(n, 1, 10)]; }

void parametresniveau() {
  appliqueparametres(PARAMETRESNIVEAU[niveau < 1 ? 0 : niveau > 10 ? 11 : niveau]);
}

bool echeancepassee(uint64_t fin) { return fin != 0 && platform::compteurperf() > fin; }

void niveaureel() {
  mesurevitesseordi();
  if (niveau == 0) niveau = 7;
  const int32_t temps = tempsrestant.temps;
  const int32_t pierres = tempsrestant.pierres;
  // Early-game cap.
  if (niveau > 5 && !flagfuseki && temps >= 0 && configmoteur.taille >= 17 && numerocoup <= 25) niveau = 5;
  // Short clocks.
  if (pierres != 1) {
    if (niveau > 3 && temps >= 60 && temps <= 120) niveau = 3;
    if (niveau > 4 && temps >= 60 && temps <= 180) niveau = 4;
    if (niveau > 5 && temps >= 60 && temps <= 300) niveau = 5;
  }
  // The requested level is a ceiling.
  const int32_t demande = configmoteur.niveauconfig;
  if (demande >= 1 && demande <= 10 && demande < niveau) niveau = demande;
  ecritdebug("niveau reel=");
  // Final-status request: one strong fixed set.
  if (flagfuseki) {
    if (niveau < 7) niveau = 7;
    appliqueparametres(PARAMETRESNIVEAU[STATUTFINAL]);
    return;
  }
  parametresniveau();
}
