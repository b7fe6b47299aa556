// Ladder detection: the chaser's two tries from a two-liberty chain, then the
// recursive step lectureesca on plain trial moves.
#include "engine/chains/escaliers.h"

#include <vector>

#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/board/trace.h"

namespace {

constexpr int32_t CAPACITEESCA = 300;

// Liberties of the chain through the point, counted up to two.
int32_t libertesjusqua2(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  int32_t nb = 0;
  TPoint l;
  deuxlibertes(p, nb, l, 0, r, c, vu);
  return nb;
}

// Runner stones taken by the chaser's moves on the current path, put back
// when the move is taken back (a path never takes more than the board).
std::vector<TPoint> prisesduchemin = [] {
  std::vector<TPoint> w;
  w.reserve(NBCASES);
  return w;
}();
TListePoints prisesescalier;  // scratch of lectureesca: captures of the chaser's move
// Scratch of detectesca: the runner's liberties, adjacent enemy stones, captures.
TListePoints libertesdetecte, adversairesdetecte, prisesdetecte;

// Order of the runner's liberty count around its new stone.

}  // namespace

void lectureesca(TMarques& vu, TPlateau& p, uint8_t& chasseur, uint8_t& coureur, int32_t ligne,
                 int32_t colonne, int32_t& resultat) {
  if (resultat == ESCALIERPRIS) return;
  const int32_t i = ix(ligne, colonne);
  if (!surplateaumoteur(ligne, colonne) || p[i] != VIDE) {  // no runner move here
    resultat = 0;
    return;
  }
  // The runner's stone; its point stays marked after the stone comes off (a
  // stone the chaser takes and puts back never stands where the runner played).
  vu[i] = 1;
  int32_t code = 0;
  essaicoupgroupes2(code, p, ligne, colonne, coureur, chasseur);
  auto retire = [&](int32_t r) {
    resultat = r;
    p[i] = VIDE;
  };
  // It captures a chaser chain: escaped.
  if (code == 1) return retire(0);
  // Refused: caught.
  if (p[i] == VIDE) return retire(ESCALIERPRIS);
  // Liberties around the new stone; another friendly chain or a
  // third liberty means escape.
  TPoint libs[2];
  int32_t nb = 0;
  const bool libre = pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      if (nb == 2) return true;
      libs[nb++] = TPoint{r2, c2};
      return false;
    }
    return p[j] == coureur && !vu[j];
  });
  if (libre) return retire(0);
  // One liberty left: caught.
  if (nb <= 1) return retire(ESCALIERPRIS);
  // A chaser chain left in atari away from the move: escaped.
  if (code == 2) return retire(0);
  // The chaser takes either liberty; a stone that would itself
  // stand in atari is not tried.
  auto& pile = prisesduchemin;
  TListePoints& prises = prisesescalier;
  for (int32_t k = 0; k < 2 && resultat != ESCALIERPRIS; ++k) {
    const TPoint a = libs[k], b = libs[1 - k];
    jouecoupcaptures(prises, CAPACITEESCA, p, a.ligne, a.colonne, chasseur, coureur);
    const int32_t j = ix(a.ligne, a.colonne);
    if (p[j] != chasseur) continue;
    const size_t base = pile.size();
    for (int32_t q = 1; q <= prises[0]; ++q) pile.push_back(TPoint{ligneliste(prises, q), colonneliste(prises, q)});
    if (libertesjusqua2(p, a.ligne, a.colonne) >= 2) lectureesca(vu, p, chasseur, coureur, b.ligne, b.colonne, resultat);
    p[j] = VIDE;
    for (size_t q = base; q < pile.size(); ++q) p[ix(pile[q].ligne, pile[q].colonne)] = coureur;
    pile.resize(base);
  }
  // The runner's stone comes off again.
  p[i] = VIDE;
}

bool detectesca(TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne) {
  if (!surplateaumoteur(ligne, colonne)) return false;
  const uint8_t coureur = p[ix(ligne, colonne)];
  if (coureur == VIDE) return false;
  // Liberties and adjacent enemy stones.
  TListePoints& libs = libertesdetecte;
  TListePoints& adversaires = adversairesdetecte;
  libs[0] = 0;
  adversaires[0] = 0;
  TMarques vu;
  zeromarques(vu);
  libertesetadversaires(p, libs, CAPACITEESCA, 0, ligne, colonne, vu, CAPACITEESCA, adversaires);
  if (libs[0] != 2) {
    ecritdebug("bugdetectesca");
    affichecasesmarquees(p);
    if (libs[0] < 2) return false;  // no two liberties to read from
  }
  const TPoint l1{ligneliste(libs, 1), colonneliste(libs, 1)};
  const TPoint l2{ligneliste(libs, 2), colonneliste(libs, 2)};
  // Adjacent enemy chains in atari.
  for (int32_t k = 1; k <= adversaires[0]; ++k) {
    const int32_t r = ligneliste(adversaires, k), c = colonneliste(adversaires, k);
    if (libertesjusqua2(p, r, c) > 1) continue;
    if (mode == 1) return false;
    TMarques vu2;
    zeromarques(vu2);
    TPoint der;
    trouveliberte(p, der, 0, r, c, vu2);
    const bool surlibertes = (der.ligne == l1.ligne && der.colonne == l1.colonne) ||
                             (der.ligne == l2.ligne && der.colonne == l2.colonne);
    if (!surlibertes) return false;
  }
  // The chaser; the board is saved.
  uint8_t chasseur = coureur == NOIR ? BLANC : NOIR;
  uint8_t coureurvar = coureur;
  const TPlateau sauve = p;
  TListePoints& prises = prisesdetecte;
  // The chaser takes either liberty.
  for (int32_t k = 0; k < 2; ++k) {
    const TPoint a = k == 0 ? l1 : l2, b = k == 0 ? l2 : l1;
    jouecoupcaptures(prises, CAPACITEESCA, p, a.ligne, a.colonne, chasseur, coureur);
    if (p[ix(a.ligne, a.colonne)] == chasseur && libertesjusqua2(p, a.ligne, a.colonne) >= 2) {
      TMarques coureurs;
      zeromarques(coureurs);
      marquepionschaine(p, coureurs, 0, ligne, colonne);
      int32_t resultat = 0;
      lectureesca(coureurs, p, chasseur, coureurvar, b.ligne, b.colonne, resultat);
      if (resultat == ESCALIERPRIS) {
        p = sauve;
        return true;
      }
    }
    p = sauve;
  }
  // Neither try caught the runner.
  return false;
}

void detectescatoutes(TPlateau& p, uint8_t c, TMarques& sortie) {
  zeromarques(sortie);
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = ix(r, col);
      if (p[i] != c || infochaine[i][1] == 0 || infochaine[i][0] != 2) continue;
      if (detectesca(p, 1, r, col)) sortie[i] = static_cast<uint8_t>(infochaine[i][1] < 255 ? infochaine[i][1] : 255);
    }
}
