// Eye tests of the chain-status unit.
#include "engine/chains/yeux.h"

#include "engine/board/acces.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"

namespace {

// The eye tests step in ORDREPREDICATS (row+1, col+1, row-1, col-1) and
// ORDREDIAGONAL ((+1,+1), (+1,-1), (-1,+1), (-1,-1)).

// Stones of c among the on-board diagonals; dead ones skipped when asked.
int32_t diagonalescouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col, bool sansmorts) {
  int32_t n = 0;
  pas4(r, col, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == c && !(sansmorts && pionsmorts[j])) ++n;
    return false;
  });
  return n;
}

}  // namespace

int32_t testoeilunevide(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  int32_t vides = 0;
  const bool echec = pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) return ++vides > 1;
    if (p[j] == c) return libs(j) == 1;
    return true;
  });
  return echec ? -1 : vides;
}

int32_t testoeilmarques(const TPlateau& p, const TMarques& marques, uint8_t c, int32_t ligne, int32_t colonne) {
  int32_t vides = 0;
  bool propre = false, ennemivu = false;
  const bool echec = pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) return ++vides > 1;
    if (p[j] == c) {
      if (libs(j) == 1) return true;
      if (!marques[j]) propre = true;
      return false;
    }
    if (libs(j) > 2 || ennemivu) return true;
    ennemivu = true;
    return false;
  });
  if (echec) return -1;
  if (propre) return (vides > 0 || ennemivu) ? -1 : 2;
  return ennemivu ? 1 : vides;
}

bool videuniqueentoure(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne, TPoint& sortie) {
  sortie = TPoint{};
  const bool echec = pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      if (sortie.ligne != 0) return true;
      sortie = TPoint{r2, c2};
      return false;
    }
    return p[j] != c;
  });
  if (echec) sortie = TPoint{};
  return sortie.ligne != 0;
}

bool pierreseparatrice(const TPlateau& p, int32_t ligne, int32_t colonne) {
  static constexpr int32_t anneau[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
  const uint8_t c = p[ix(ligne, colonne)];
  int32_t compteur = bordgoban[ix(ligne, colonne)] ? 1 : 0;
  int32_t etatinitial = -1, etat = -1;
  for (int32_t k = 0; k < 8; ++k) {
    const int32_t r2 = ligne + anneau[k][0], c2 = colonne + anneau[k][1];
    if (!surplateaumoteur(r2, c2)) continue;
    const int32_t j = ix(r2, c2);
    const int32_t e = p[j] == c ? 1 : 0;
    if (etatinitial < 0) {
      etatinitial = e;
    } else if (e != etat) {
      if (compteur == 2) return true;
      ++compteur;
    }
    etat = e;
    if (k % 2 == 0 && p[j] == VIDE && testoeilunevide(p, c, r2, c2) >= 0) return true;
  }
  return compteur == 2 && etat != etatinitial;
}

namespace {
// No orthogonal stone of c; diagonals of c: none on the edge line, at most one inside.
bool vraioeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne, bool sansmorts) {
  if (pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == c; })) return false;
  const int32_t diagonales = diagonalescouleur(p, c, ligne, colonne, sansmorts);
  return bordgoban[ix(ligne, colonne)] ? diagonales == 0 : diagonales < 2;
}
}  // namespace

bool testvraioeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  return p[ix(ligne, colonne)] == VIDE && vraioeil(p, c, ligne, colonne, false);
}

bool testvraioeilsansmorts(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  return vraioeil(p, c, ligne, colonne, true);
}

int32_t testvraioeilmarques(const TPlateau& p, const TMarques& marques, uint8_t c, int32_t ligne,
                            int32_t colonne) {
  // The answer is the same in any neighbour order: the table's is the quickest.
  const TVoisins& v = tablevoisins[ix(ligne, colonne)];
  int32_t marquees = 0;
  for (int32_t k = 0; k < v.nbvoisins; ++k) {
    const int32_t j = ix(v.voisins[k][0], v.voisins[k][1]);
    if (p[j] == c) return 0;
    marquees += marques[j] == 1 ? 1 : 0;
  }
  if (marquees == 0) return -1;
  const int32_t diagonales = diagonalescouleur(p, c, ligne, colonne, false);
  if (bordgoban[ix(ligne, colonne)] ? diagonales > 0 : diagonales > 1) return 0;
  return marquees;
}

bool oeilapresprise(TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  TPoint vide;
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] != VIDE) return false;
    vide = TPoint{r2, c2};
    return true;
  });
  if (vide.ligne == 0) return false;
  const int32_t i = ix(ligne, colonne);
  const uint8_t avant = p[i];
  p[i] = VIDE;
  const bool oeil = testvraioeilsansmorts(p, c, vide.ligne, vide.colonne);
  p[i] = avant;
  return oeil;
}

bool diagonalesmasquees(const TMarques& masque, const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c) {
  if (bordgoban[ix(ligne, colonne)]) {
    return !pas4(ligne, colonne, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (masque[j]) return false;
      return p[j] != VIDE || testvoisinsatariunique(p, c, r2, c2);
    });
  }
  int32_t libres = 0;
  pas4(ligne, colonne, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    if (!masque[ix(r2, c2)]) ++libres;
    return false;
  });
  return libres <= 1;
}

int32_t diagonalesmasqueescompte(const TMarques& masque, const TPlateau& p, std::array<TPoint, 2>& sorties,
                                 int32_t ligne, int32_t colonne, uint8_t c) {
  if (bordgoban[ix(ligne, colonne)]) return diagonalesmasquees(masque, p, ligne, colonne, c) ? 1 : 0;
  sorties = {TPoint{}, TPoint{}};
  int32_t souples = 0, durs = 0;
  const bool echec = pas4(ligne, colonne, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (masque[j]) return false;
    if (p[j] == VIDE || libs(j) == 1) {
      ++souples;
      if (souples > 2) return true;
      if (p[j] == VIDE) sorties[souples - 1] = TPoint{r2, c2};
    } else {
      ++durs;
    }
    return durs > 0 && durs + souples > 1;
  });
  if (echec) return 0;
  return souples == 2 ? 2 : 1;
}

bool contactdiagonalmarque(const TPlateau& p, uint8_t c, const TMarques& marques, int32_t ligne, int32_t colonne) {
  auto marquee = [&](int32_t r2, int32_t c2) {
    if (!surplateaumoteur(r2, c2)) return false;
    const int32_t j = ix(r2, c2);
    return p[j] == c && marques[j] != 0;
  };
  const bool bord = bordgoban[ix(ligne, colonne)] != 0;
  int32_t n = 0;
  // The row+1 diagonals, unless an own stone stands between.
  if (ligne < configmoteur.taille && !tient(p, ligne + 1, colonne, c)) {
    if (marquee(ligne + 1, colonne + 1)) {
      if (bord) return true;
      n = 1;
    }
    if (marquee(ligne + 1, colonne - 1)) {
      if (bord || n > 0) return true;
      n = 1;
    }
  }
  // The row-1 side.
  if (ligne == 1 || tient(p, ligne - 1, colonne, c)) return false;
  // A marked diagonal on the row-1 side.
  if (marquee(ligne - 1, colonne + 1)) {
    if (bord || n == 1) return true;
    n = n + 1;
  }
  // The other row-1 diagonal.
  if (!marquee(ligne - 1, colonne - 1)) return false;
  return bord || n == 1;
}

bool voisinfaible(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  if (niveau < 6) return voisinpierremoinsde3libertes(p, ligne, colonne);
  return pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) return false;
    const int32_t l = libs(j);
    return l == 1 || l == 2 || (l == 3 && p[j] == c);
  });
}
