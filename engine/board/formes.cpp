// Eye-shape and local-shape tests of unit voisin.
#include "engine/board/formes.h"

#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/board/balayages.h"

namespace {

inline bool memepoint(const TPoint& a, const TPoint& b) { return a.ligne == b.ligne && a.colonne == b.colonne; }
inline bool pointnul(const TPoint& a) { return a.ligne == 0; }

constexpr int32_t CAPACITECHAINES = 300;

// May the enclosed chain whose head is at j be taken? Under sauvepionsmorts
// only chains the status drivers judged dead; otherwise single stones and
// chains with at most 2 liberties.
bool chaineprenable(int32_t j) {
  if (sauvepionsmorts) return pionsmortsavant[j] != 0;
  return !(infochaine[j][1] > 1 && libs(j) > 2);
}

}  // namespace

bool formeoeilcassee(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  const uint8_t o = autre(c);
  if (pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == o; })) return true;
  int32_t n = bordgoban[ix(ligne, colonne)] ? 1 : 0;
  pas4(ligne, colonne, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] == o) ++n;
    return false;
  });
  return n >= 2;
}

int32_t pointbordcoupe(TPoint& sortie, int32_t ligne, int32_t colonne, uint8_t c, const TMarques& region,
                       const TPlateau& p) {
  const int32_t n = configmoteur.taille;
  const uint8_t o = autre(c);
  int32_t resultat = 0;
  // One edge: `pas` steps along it, `dedans` one step inward.
  auto bord = [&](int32_t pasl, int32_t pasc, int32_t dedansl, int32_t dedansc) {
    for (int32_t sens : {-1, 1}) {
      const int32_t r1 = ligne + sens * pasl, c1 = colonne + sens * pasc;
      const int32_t r2 = ligne + 2 * sens * pasl + dedansl, c2 = colonne + 2 * sens * pasc + dedansc;
      if (!surplateaumoteur(r1, c1) || !surplateaumoteur(r2, c2)) continue;
      const int32_t j2 = ix(r2, c2), j1 = ix(r1, c1);
      if (p[j2] != o || libs(j2) == 0) continue;
      if (p[j1] != VIDE && region[j1] < 5) continue;
      const TPoint candidat{r1, c1};
      if (memepoint(candidat, sortie)) continue;
      if (!pointnul(sortie)) return true;
      sortie = candidat;
      resultat = 1;
    }
    return false;
  };
  // Rows first (along the columns), then columns; lower coordinates first.
  if ((ligne == 1 && bord(0, 1, 1, 0)) || (ligne == n && bord(0, 1, -1, 0))) return 2;
  if ((colonne == 1 && bord(1, 0, 0, 1)) || (colonne == n && bord(1, 0, 0, -1))) return 2;
  return resultat;
}

bool derniereliberteissue(const TPlateau& p, const TMarques& marques, TPoint& sortie, const TPoint& pierre,
                          const TPoint& oeil) {
  const uint8_t x = p[ix(pierre.ligne, pierre.colonne)];
  TMarques vu;
  zeromarques(vu);
  vu[ix(oeil.ligne, oeil.colonne)] = 1;
  int32_t nb = 0;
  bool touche = false;
  struct Marche {
    const TPlateau& p;
    const TMarques& marques;
    TMarques& vu;
    uint8_t x;
    int32_t& nb;
    bool& touche;
    TPoint& sortie;
    void derniereliberteissuerec(int32_t dir, int32_t r, int32_t c) {
      vu[ix(r, c)] = 1;
      pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (vu[j]) return nb >= 2 || touche;
        if (p[j] == x) {
          derniereliberteissuerec(d2, r2, c2);
        } else if (p[j] == VIDE) {
          vu[j] = 1;
          if (++nb == 1) sortie = TPoint{r2, c2};
        } else if (marques[j] || libs(j) == 1) {
          touche = true;
        }
        return nb >= 2 || touche;
      });
    }
  } marche{p, marques, vu, x, nb, touche, sortie};
  marche.derniereliberteissuerec(0, pierre.ligne, pierre.colonne);
  // The last liberty threatens the chain when a stone of the other side
  // played there has exits: the exit test is asked for the chain's colour,
  // whose chains in atari such a stone would take.
  return nb == 1 && !touche && testvoisinsatari(p, x, sortie.ligne, sortie.colonne);
}

namespace {

// Working values of one testoeilpossible call.
struct EssaiOeil {
  const TPlateau& p1;
  const TPlateau& p2;
  TPoint& sortie;
  const TPoint& exclu;
  const TMarques& region;
  TPlateau copie;
  uint8_t c, e;
  int32_t r, col;
  int32_t sorties = 0;          // I
  int32_t remplies = 0;        // F
  TPoint derniereremplie = {}; // last filled exit
  bool prise = false;          // a taken point among the neighbours
  TPoint k2[3] = {};           // last liberties of 2-liberty chains, [1..2]
  int32_t nbk2 = 0;
  TPoint prises[4] = {};       // taken diagonal points
  int32_t nbprises = 0;
  int32_t diagonalesopposees = 0;

  bool pose() const { return !pointnul(sortie); }
  bool bord() const { return bordgoban[ix(r, col)] != 0; }
  // A spoiling point q: false when another one is set.
  bool gate(const TPoint& q) {
    if (memepoint(q, sortie)) return true;
    if (pose()) return false;
    sortie = q;
    return true;
  }

  // One table neighbour q; false ends the test.
  bool voisin(int32_t qr, int32_t qc) {
    const int32_t j = ix(qr, qc);
    const TPoint q{qr, qc};
    const int32_t nbvoisins = tablevoisins[ix(r, col)].nbvoisins;
    // Next to the excluded point.
    if (!pointnul(exclu) && p2[j] == VIDE && e == c) {
      const int32_t dl = qr - exclu.ligne, dc = qc - exclu.colonne;
      if ((dl == 0 && (dc == 1 || dc == -1)) || (dc == 0 && (dl == 1 || dl == -1))) return false;
    }
    if (region[j] == 5 || region[j] == 6) {
      // A taken point.
      if (sorties >= 1) return false;
      if (!gate(q)) return false;
      prise = true;
    } else if (region[j] == 10) {
      // A marked point.
      if (!gate(q)) return false;
    } else if (p2[j] == VIDE) {
      // An empty neighbour.
      if (prise) return false;
      if (copie[j] == c && libs(j) == 0) {
        // A filled exit.
        if (pose()) return false;
        if (bord() && !pointnul(derniereremplie)) return false;
        const bool excludix = !pointnul(exclu) && region[ix(exclu.ligne, exclu.colonne)] == 10;
        if (!(region[j] == 2 && !excludix)) {
          ++remplies;
          derniereremplie = q;
          ++sorties;
        }
      } else if (memepoint(q, sortie)) {
        // Already the spoiling point.
      } else if (copie[j] == VIDE && libs(j) == 0 && voisina2libertes(p2, c, qr, qc) &&
                 formeoeilcassee(copie, c, qr, qc)) {
        if (pose()) return false;
        sortie = q;
      } else {
        if (pose()) return false;
        ++sorties;
      }
      // Too many filled exits, or every neighbour an exit.
      if (remplies >= 4) return false;
      if (sorties == nbvoisins) {
        if (pose() || remplies >= 2) return false;
        if (!pointnul(derniereremplie)) sortie = derniereremplie;
      }
    } else if (sauvepionsmorts && region[j] == 1 && p1[j] == c) {
      // An own stone of the region.
      if (pionsmortsavant[j]) return false;
      if (libs(j) == 2) {
        ++nbk2;
        if (!derniereliberteissue(p1, pionsmortsavant, k2[nbk2], q, TPoint{r, col})) {
          --nbk2;
        } else if (nbk2 == 2) {
          if (!memepoint(k2[1], k2[2])) return false;
          nbk2 = 1;
        } else if (nbk2 == 1) {
          if (sorties >= 1) return false;
          if (pose() && !memepoint(sortie, k2[1])) return false;
        }
      }
    }
    // The neighbour is filled on the copy.
    if (copie[j] == VIDE) copie[j] = c;
    return true;
  }

  // Every table neighbour in the chain of the first one,
  // `bloque` (when set) held out of the walk.
  bool voisinsrelies(const TPoint* bloque) const {
    const TVoisins& v = tablevoisins[ix(r, col)];
    TMarques vu;
    zeromarques(vu);
    if (bloque) vu[ix(bloque->ligne, bloque->colonne)] = 1;
    marquepionschaine(copie, vu, 0, v.voisins[0][0], v.voisins[0][1]);
    for (int32_t k = 0; k < v.nbvoisins; ++k)
      if (!vu[ix(v.voisins[k][0], v.voisins[k][1])]) return false;
    return true;
  }

  bool lance() {
    const int32_t i = ix(r, col);
    // Edge spoiling points.
    if (bord() && !(libs(i) == 1 && region[i] == 10)) {
      const int32_t b = pointbordcoupe(sortie, r, col, c, region, copie);
      if (b == 2 || (b == 1 && e == c)) return false;
    }
    const TVoisins& v = tablevoisins[i];
    if (region[i] < 8) {
      // The table neighbours.
      for (int32_t k = 0; k < v.nbvoisins; ++k)
        if (!voisin(v.voisins[k][0], v.voisins[k][1])) return false;
    } else {
      // Short path: fill the empty neighbours.
      for (int32_t k = 0; k < v.nbvoisins; ++k) {
        const int32_t j = ix(v.voisins[k][0], v.voisins[k][1]);
        if (copie[j] == VIDE) copie[j] = c;
      }
    }
    // One last liberty of a 2-liberty chain.
    if (nbk2 == 1) {
      if (sorties >= 1) return false;
      if (pose() && !memepoint(sortie, k2[1])) return false;
      if (!pose()) sortie = TPoint{r, col};
    }
    // The diagonals.
    pas4(r, col, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (copie[j] == VIDE) {
        copie[j] = c;
      } else if (region[j] == 5 && !memepoint(TPoint{r2, c2}, sortie)) {
        if (nbprises < 4) prises[nbprises++] = TPoint{r2, c2};
      } else if (copie[j] != c && libs(j) != 0) {
        ++diagonalesopposees;
      }
      return false;
    });
    // Two opposing diagonals spoil an eye that already has an exit.
    const bool gene = pose() || sorties >= 1;
    if (diagonalesopposees >= 2 && gene) return false;
    // The neighbours hold together around the point.
    if (!voisinsrelies(nullptr)) return false;
    if (region[i] >= 8) return true;
    // Taken diagonals against an exit.
    if (nbprises > 1 && gene) return false;
    if (nbprises == 1 && diagonalesopposees >= 1 && gene) return false;
    if (nbprises == 0) return true;
    // On the edge, more than one taken point or a filled exit spoils it.
    if (bord() && (nbprises > 1 || !pointnul(derniereremplie))) return false;
    // Each taken point as a cut.
    for (int32_t k = 0; k < nbprises; ++k) {
      if (k == nbprises - 1 && !pose() && (diagonalesopposees == 0 || sorties == 0)) continue;
      if (voisinsrelies(&prises[k])) continue;
      if (pose() || (diagonalesopposees >= 1 && sorties >= 1)) return false;
      sortie = prises[k];
    }
    // The exit left, when there is one to report.
    if ((nbprises > 1 || bord()) && !pose()) sortie = prises[nbprises - 1];
    return true;
  }
};

}  // namespace

bool testoeilpossible(const TPlateau& p1, const TPlateau& p2, TPoint& sortie, const TPoint& exclu,
                      const TMarques& region, const TPlateau& acopier, uint8_t c, uint8_t e, int32_t ligne,
                      int32_t colonne) {
  sortie = TPoint{};
  EssaiOeil essai{p1, p2, sortie, exclu, region, acopier, c, e, ligne, colonne};
  return essai.lance();
}

namespace {
TListePoints pierresenclavees;  // scratch of voisinenemia1: the enclosed stones
}  // namespace

void voisinenemia1(TListePoints& sortie, TPlateau& p, uint8_t c, uint8_t d, int32_t colonne, int32_t ligne,
                   TMarques& region) {
  const int32_t i = ix(ligne, colonne);
  // The chains of c around the point, unless one leaves the region.
  region[i] = 1;
  TListePoints& pierres = pierresenclavees;
  pierres[0] = 0;
  TMarques vu;
  zeromarques(vu);
  struct Marche {
    const TPlateau& p;
    const TMarques& region;
    TMarques& vu;
    uint8_t c;
    bool sortie = false;
    void voisinenemia1rec(int32_t dir, int32_t r, int32_t col) {
      vu[ix(r, col)] = 1;
      empilepoint(pierres, CAPACITECHAINES, r, col);
      pasvoisins(r, col, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (p[j] == c) {
          if (!vu[j]) voisinenemia1rec(d2, r2, c2);
        } else if (region[j] == 0) {
          sortie = true;
        }
        return sortie;
      });
    }
  } marche{p, region, vu, c};
  const bool echappe = pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == c && !vu[j]) marche.voisinenemia1rec(0, r2, c2);
    return marche.sortie;
  });
  if (echappe) return;
  // Every chain must be one that may be taken.
  for (int32_t k = 1; k <= pierres[0]; ++k) {
    const int32_t j = ix(ligneliste(pierres, k), colonneliste(pierres, k));
    if (infochaine[j][1] != 0 && !chaineprenable(j)) return;
  }
  // Take them out.
  region[i] = 5;
  p[i] = d;
  for (int32_t k = 1; k <= pierres[0]; ++k) {
    p[ix(ligneliste(pierres, k), colonneliste(pierres, k))] = VIDE;
    empilepoint(sortie, CAPACITECHAINES, ligneliste(pierres, k), colonneliste(pierres, k));
  }
}

bool cherchelibertesrecursif(int32_t& compteur, TListePoints& liste, int32_t limite, int32_t dir, int32_t ligne,
                             int32_t colonne, TMarques& vu, TPlateau& p, uint8_t c, uint8_t d,
                             TListePoints& prises, TListePoints& ataris) {
  constexpr int32_t MAXSORTIES = 10;
  const int32_t i = ix(ligne, colonne);
  // Visited; too many exits ends the walk.
  if (!vu[i]) vu[i] = 1;
  if (liste[0] > MAXSORTIES) return false;
  bool relie = false;
  if (marquesglobales[i] && p[i] == d && !pionsmorts[i]) {
    // A living chain of the defender is reached.
    relie = true;
  } else if (p[i] != VIDE || liste[0] < 0) {
    // Stones, or no way out already: only walk on.
  } else if (libs(i) != 0 || !voisincouleur(p, c, ligne, colonne)) {
    // An escape point.
    const int32_t n = liste[0] + 1;
    liste[0] = n;
    if (n > MAXSORTIES) return false;
    liste[2 * n] = ligne;
    liste[2 * n + 1] = colonne;
  } else {
    // An inner point next to c: d's capture trial there.
    ++compteur;
    if (liste[0] == 0 && compteur >= limite) liste[0] = -1;
    if (voisinchainecomptee(p, c, ligne, colonne)) vu[i] = 5;
    essaicoupliste(prises, CAPACITECHAINES, ataris, p, ligne, colonne, d, c);
    bool vivante = false;
    for (int32_t k = 1; k <= prises[0]; ++k) {
      const int32_t j = ix(ligneliste(prises, k), colonneliste(prises, k));
      if (infochaine[j][1] != 0 && !chaineprenable(j)) vivante = true;
    }
    if (vivante)
      for (int32_t k = 1; k <= prises[0]; ++k) p[ix(ligneliste(prises, k), colonneliste(prises, k))] = c;
  }
  // Walk on, never into c.
  pasvoisins(ligne, colonne, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] != c &&
        cherchelibertesrecursif(compteur, liste, limite, d2, r2, c2, vu, p, c, d, prises, ataris))
      relie = true;
    return liste[0] > MAXSORTIES;
  });
  return relie;
}

bool atarisansissue(const TPlateau& p, TMarques& marques, TPoint& sortie1, TPoint& sortie2, int32_t ligne,
                    int32_t colonne) {
  sortie1 = TPoint{};
  sortie2 = TPoint{};
  const int32_t i = ix(ligne, colonne);
  if (p[i] == VIDE || libs(i) != 1) return false;
  const uint8_t x = p[i];
  // The walk: the chain's stones marked, its liberty, an enemy chain in atari.
  TMarques chaine;
  zeromarques(chaine);
  bool ennemiatari = false;
  struct Marche {
    const TPlateau& p;
    TMarques& marques;
    TMarques& chaine;
    uint8_t x;
    TPoint& lib;
    bool& ennemiatari;
    void atarisansissuerec(int32_t dir, int32_t r, int32_t c) {
      chaine[ix(r, c)] = 1;
      marques[ix(r, c)] = 1;
      pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (p[j] == x) {
          if (!chaine[j]) atarisansissuerec(d2, r2, c2);
        } else if (p[j] == VIDE) {
          if (pointnul(lib)) lib = TPoint{r2, c2};
        } else if (libs(j) == 1) {
          ennemiatari = true;
        }
        return false;
      });
    }
  } marche{p, marques, chaine, x, sortie1, ennemiatari};
  marche.atarisansissuerec(0, ligne, colonne);
  if (ennemiatari || pointnul(sortie1)) {
    sortie1 = TPoint{};
    return false;
  }
  // Around the liberty: one empty point at most, no friend, no chain in atari.
  const bool echappe = pastable(sortie1.ligne, sortie1.colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (chaine[j]) return false;
    if (p[j] == VIDE) {
      if (!pointnul(sortie2)) return true;
      sortie2 = TPoint{r2, c2};
      return false;
    }
    return p[j] == x || libs(j) == 1;
  });
  if (echappe) {
    sortie1 = TPoint{};
    sortie2 = TPoint{};
    return false;
  }
  return true;
}

void pierreisoleemorte(TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t i = ix(ligne, colonne);
  const uint8_t x = p[i];
  if (x == VIDE || pionsmorts[i]) return;
  if (pas8(ligne, colonne, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] != VIDE; })) return;
  p[i] = VIDE;  // lifted for the line scan, put back below on every path
  const int32_t n = configmoteur.taille;
  int32_t neutres = 0, hostiles = 0;
  bool ami = false;
  for (int32_t r = ligne - 2; r <= ligne + 2 && !ami; ++r)
    for (int32_t c = colonne - 2; c <= colonne + 2; ++c) {
      if (r < 1 || r > n || c < 1 || c > n) continue;
      const int32_t j = ix(r, c);
      if (p[j] == x && !pionsmorts[j]) {
        ami = true;
        break;
      }
      const uint8_t dom = couleurdominantelignes(p, r, c, 6);
      if (dom == VIDE) {
        ++neutres;
      } else if (dom == x) {
        ami = true;
        break;
      } else {
        ++hostiles;
      }
    }
  p[i] = x;
  if (!ami && hostiles > neutres) pionsmorts[i] = 1;
}

namespace {
// Stones of the loose group through the point: 1 to 3, or 4 for more.
int32_t petitgroupe(const TPlateau& p, TListePoints& l, int32_t r, int32_t c) {
  l[0] = 0;
  int32_t n = 0;
  TMarques vu;
  zeromarques(vu);
  collectepetitgroupe(p, l, n, r, c, vu);
  return n;
}
}  // namespace

void marquepetiteschaines(int32_t nb, const TListePoints& liste, const TPlateau& p, uint8_t c, TMarques& sortie) {
  TListePoints groupe;
  for (int32_t k = 1; k <= nb && k <= liste[0]; ++k) {
    const int32_t r = ligneliste(liste, k), col = colonneliste(liste, k);
    const int32_t i = ix(r, col);
    if (p[i] != c || pionsmorts[i]) continue;
    const int32_t n = petitgroupe(p, groupe, r, col);
    if (n < 1 || n > 3) continue;
    for (int32_t q = 1; q <= groupe[0]; ++q) sortie[ix(ligneliste(groupe, q), colonneliste(groupe, q))] = 1;
  }
}

void marquepetiteschaines2(const TPoint& autrepoint, const uint8_t* drapeaux, int32_t nb, uint8_t c, TPlateau& p,
                           const TListePoints& liste) {
  TListePoints groupe;
  auto traite = [&](int32_t r, int32_t col, bool territoireadverse) {
    const int32_t i = ix(r, col);
    if (p[i] != c || pionsmorts[i] || voisinatari(p, r, col)) return;
    if (territoireadverse && pierreterritoireadverse(p, r, col)) return;
    const int32_t n = petitgroupe(p, groupe, r, col);
    if (n >= 1 && n <= 3) p[i] = VIDE;
  };
  for (int32_t k = 1; k <= nb && k <= liste[0]; ++k) {
    if ((k == 1 || k == 2) && drapeaux && drapeaux[k]) continue;
    traite(ligneliste(liste, k), colonneliste(liste, k), k == 2);
  }
  if (!pointnul(autrepoint) && surplateaumoteur(autrepoint.ligne, autrepoint.colonne))
    traite(autrepoint.ligne, autrepoint.colonne, true);
}

int32_t comptepierresatarivoisines(const TInfoChaine& table, const TPlateau& p, uint8_t c, int32_t ligne,
                                   int32_t colonne) {
  TMarques vu;
  zeromarques(vu);
  int32_t n = 0;
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == c && table[j][0] == 1 && !vu[j]) comptepionschaine(n, p, vu, 0, r2, c2);
    return false;
  });
  return n;
}
