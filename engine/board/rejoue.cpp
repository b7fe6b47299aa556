// Replay of the game and move trials on scratch boards.
#include "engine/board/rejoue.h"

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"

#include <algorithm>
#include <iterator>

namespace {


// The chain through the point has a liberty on the engine's board.
bool aliberte(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  return chainealiberte(p, configmoteur.taille, nullptr, 0, r, c, vu);
}

// Plain play of one stone with its captures. Returns false when nothing was played
// (occupied point or suicide). The capture list always takes every stone.
bool joueplain(TListePoints& prises, TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi,
               bool& sansvide, bool& ennemivoisin) {
  constexpr int32_t cap = MAXPOINTSLISTE;
  prises[0] = 0;
  sansvide = true;
  ennemivoisin = false;
  if (!surplateaumoteur(r, c)) return false;
  const int32_t i = ix(r, c);
  if (p[i] != VIDE) return false;
  p[i] = couleur;
  pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      sansvide = false;
    } else if (p[j] == ennemi) {
      ennemivoisin = true;
      const int32_t avant = prises[0];
      TMarques vu;
      zeromarques(vu);
      vu[i] = 1;
      if (chainealiberte(p, configmoteur.taille, &prises, cap, r2, c2, vu)) {
        prises[0] = avant;
      } else {
        for (int32_t k = avant + 1; k <= prises[0]; ++k) p[ix(prises[2 * k], prises[2 * k + 1])] = VIDE;
      }
    }
    return false;
  });
  if (sansvide && prises[0] == 0 && !aliberte(p, r, c)) {
    p[i] = VIDE;
    return false;
  }
  return true;
}

// Own-eye refusal with the stone on the board and friendly neighbours only:
// true when the move fills an eye (the point is left empty), else the stone stays.
bool refuseoeil(TPlateau& p, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  const uint8_t couleur = p[i];
  p[i] = VIDE;
  const TVoisins& v = tablevoisins[i];
  TMarques a;
  zeromarques(a);
  marquepionschaine(p, a, 0, v.voisins[0][0], v.voisins[0][1]);
  int32_t k = 0;
  while (k < v.nbvoisins && a[ix(v.voisins[k][0], v.voisins[k][1])]) ++k;
  if (k == v.nbvoisins) return true;
  TMarques b;
  zeromarques(b);
  marquepionschaine(p, b, 0, v.voisins[k][0], v.voisins[k][1]);
  if (oeilentredeuxchaines(p, r, c, a, b)) return true;
  p[i] = couleur;
  return false;
}

}  // namespace

namespace {

// Every neighbour of the point is a stone of A or B (`dans`), and a
// diagonal point is empty with every neighbour such a stone.
template <class D>
bool oeilentre(const TPlateau& p, int32_t r, int32_t c, D&& dans) {
  auto dansab = [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    return p[j] != VIDE && dans(j);
  };
  if (pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return !dansab(r2, c2); })) return false;
  static constexpr int32_t diagonales[4][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
  return pas4(r, c, diagonales, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] != VIDE) return false;
    return !pas4(r2, c2, ORDREMARCHE, [&](int32_t r3, int32_t c3) { return !dansab(r3, c3); });
  });
}

// Chain marks by generation stamps, for the look-ahead below, and liberty
// marks by stamps of their own, so that the walk that marks a chain also
// counts the liberties it adds to those of the chains marked before it
// (the order of the walk changes neither).
struct EstampesChaines {
  uint32_t marque[NBCASES] = {};
  uint32_t libre[NBCASES] = {};
  uint32_t generation = 0, generationlibre = 0;
  int32_t pile[NBCASES];

  static uint32_t suivante(uint32_t& g, uint32_t (&t)[NBCASES]) {
    if (++g == 0) {
      std::fill(std::begin(t), std::end(t), 0u);
      g = 1;
    }
    return g;
  }
  uint32_t nouvelle() { return suivante(generation, marque); }
  uint32_t nouvellelibre() { return suivante(generationlibre, libre); }
  // Stamps the chain through (r, c) with g; returns how many of its
  // liberties were not stamped gl yet, stamping them.
  int32_t chaine(const TPlateau& p, int32_t r, int32_t c, uint32_t g, uint32_t gl) {
    const uint8_t x = p[ix(r, c)];
    int32_t n = 0, libertes = 0;
    marque[ix(r, c)] = g;
    pile[n++] = ix(r, c);
    for (int32_t k = 0; k < n; ++k) {
      const TVoisins& v = tablevoisins[pile[k]];
      for (int32_t q = 0; q < v.nbvoisins; ++q) {
        const int32_t j = ix(v.voisins[q][0], v.voisins[q][1]);
        if (p[j] == x) {
          if (marque[j] != g) {
            marque[j] = g;
            pile[n++] = j;
          }
        } else if (p[j] == VIDE && libre[j] != gl) {
          libre[j] = gl;
          ++libertes;
        }
      }
    }
    return libertes;
  }
};
EstampesChaines estampes;

}  // namespace

bool oeilentredeuxchaines(const TPlateau& p, int32_t r, int32_t c, const TMarques& a, const TMarques& b) {
  return oeilentre(p, r, c, [&](int32_t j) { return a[j] || b[j]; });
}

int32_t libertesaprescoupcaptures(const TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi,
                                  int32_t ciblel, int32_t ciblec, int32_t borne) {
  const TVoisins& v = tablevoisins[ix(r, c)];
  // Suicide: no neighbour chain has a liberty besides the point.
  int32_t m = 0;
  for (int32_t k = 0; k < v.nbvoisins; ++k) m = std::max<int32_t>(m, infochaine[ix(v.voisins[k][0], v.voisins[k][1])][0]);
  if (m <= 1) return -1;
  // The own-eye refusal: the chain of the first neighbour, and the chain of
  // the first neighbour outside it. Their walks count the liberties of the
  // chains the move joins; the point, a stone after the move, is stamped
  // beforehand so that it never counts.
  const uint32_t ga = estampes.nouvelle(), gb = estampes.nouvelle(), gl = estampes.nouvellelibre();
  estampes.libre[ix(r, c)] = gl;
  int32_t libertes = estampes.chaine(p, v.voisins[0][0], v.voisins[0][1], ga, gl);
  int32_t k = 0;
  while (k < v.nbvoisins && estampes.marque[ix(v.voisins[k][0], v.voisins[k][1])] == ga) ++k;
  if (k == v.nbvoisins) return -1;
  libertes += estampes.chaine(p, v.voisins[k][0], v.voisins[k][1], gb, gl);
  const auto joint = [&](int32_t j) { return estampes.marque[j] == ga || estampes.marque[j] == gb; };
  if (oeilentre(p, r, c, joint)) return -1;
  // The other neighbour chains joined too.
  for (++k; k < v.nbvoisins; ++k)
    if (!joint(ix(v.voisins[k][0], v.voisins[k][1])))
      libertes += estampes.chaine(p, v.voisins[k][0], v.voisins[k][1], gb, gl);
  // A target the move joins has the liberties counted, as libertesaprescoup
  // counts them up to `borne`; one away from the point keeps its own.
  if (!joint(ix(ciblel, ciblec))) return libertesaprescoup(p, r, c, couleur, ennemi, ciblel, ciblec, borne);
  return borne <= 0 ? 0 : std::min(libertes, borne);
}

void rejouecoup(TListePoints& prises, int32_t /*cap*/, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                uint8_t ennemi) {
  bool sansvide, ennemivoisin;
  joueplain(prises, p, r, c, couleur, ennemi, sansvide, ennemivoisin);
}

void jouecoupcaptures(TListePoints& prises, int32_t /*cap*/, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                      uint8_t ennemi) {
  bool sansvide, ennemivoisin;
  if (!joueplain(prises, p, r, c, couleur, ennemi, sansvide, ennemivoisin)) return;
  if (sansvide && prises[0] == 0 && !ennemivoisin) refuseoeil(p, r, c);
}

namespace {
TListePoints pionsessai;  // scratch of essaicoupliste: stones of an enemy chain
}  // namespace

void essaicoupliste(TListePoints& prises, int32_t /*cap*/, TListePoints& ataris, TPlateau& p, int32_t r, int32_t c,
                    uint8_t couleur, uint8_t ennemi) {
  prises[0] = 0;
  if (!surplateaumoteur(r, c)) return;
  const int32_t i = ix(r, c);
  if (p[i] != VIDE) return;
  const int32_t ataris0 = ataris[0];
  p[i] = couleur;
  bool sansvide = true;
  pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      sansvide = false;
    } else if (p[j] == ennemi) {
      TMarques vu;
      zeromarques(vu);
      vu[i] = 1;
      TListePoints& pions = pionsessai;
      pions[0] = 0;
      int32_t nb = 0;
      TPoint lib;
      deuxlibertespions(p, nb, lib, pions, MAXPOINTSLISTE, 0, r2, c2, vu);
      if (nb == 0) {
        for (int32_t k = 1; k <= pions[0]; ++k) {
          p[ix(pions[2 * k], pions[2 * k + 1])] = VIDE;
          empilepoint(prises, MAXPOINTSLISTE, pions[2 * k], pions[2 * k + 1]);
        }
      } else if (nb == 1) {
        empilepoint(ataris, MAXPOINTSLISTE, lib.ligne, lib.colonne);
      }
    }
    return false;
  });
  if (sansvide && prises[0] == 0 && !aliberte(p, r, c)) {
    p[i] = VIDE;
    ataris[0] = ataris0;
  }
}

namespace {

void essaigroupes(int32_t& code, const TMarques* marques, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                  uint8_t ennemi) {
  code = 0;
  if (!surplateaumoteur(r, c)) return;
  const int32_t i = ix(r, c);
  if (p[i] != VIDE) return;
  p[i] = couleur;
  bool vide = false, ennemivoisin = false;
  const bool prise = pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      vide = true;
    } else if (p[j] == ennemi) {
      ennemivoisin = true;
      TMarques vu;
      zeromarques(vu);
      vu[i] = 1;
      int32_t nb = 0;
      TPoint l;
      deuxlibertes(p, nb, l, 0, r2, c2, vu);
      if (nb == 0) {
        code = 1;
        return true;
      }
      if (nb == 1) {
        const int32_t dl = l.ligne - r, dc = l.colonne - c;
        bool proche;
        if (marques) proche = (*marques)[ix(l.ligne, l.colonne)] && dl >= -1 && dl <= 1 && dc >= -1 && dc <= 1;
        else proche = (dl < 0 ? -dl : dl) + (dc < 0 ? -dc : dc) == 1;
        if (!proche) code = 2;
      }
    }
    return false;
  });
  if (prise || vide) return;
  if (!aliberte(p, r, c)) {
    p[i] = VIDE;
    return;
  }
  if (ennemivoisin) return;
  code = -1;
  if (!refuseoeil(p, r, c)) code = 0;
}

}  // namespace

void essaicoupgroupes(int32_t& code, const TMarques& marques, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                      uint8_t ennemi) {
  essaigroupes(code, &marques, p, r, c, couleur, ennemi);
}

void essaicoupgroupes2(int32_t& code, TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi) {
  essaigroupes(code, nullptr, p, r, c, couleur, ennemi);
}

void posepioncaptures(TPrisesMarquees& prises, int32_t /*cap*/, TPlateau& p, int32_t r, int32_t c, uint8_t couleur,
                      uint8_t ennemi) {
  prises[0] = 0;
  if (!surplateaumoteur(r, c)) return;
  const int32_t i = ix(r, c);
  if (p[i] != VIDE) return;
  p[i] = couleur;
  const int32_t borne = MAXPOINTSLISTE;  // every captured stone is recorded
  struct Enleve {
    TPlateau& p;
    TPrisesMarquees& l;
    int32_t borne;
    uint8_t x;
    void visite(int32_t r, int32_t c) {
      const int32_t j = ix(r, c);
      p[j] = VIDE;
      const int32_t n = l[0];
      if (n < borne) {
        l[3 * (n + 1)] = r;
        l[3 * (n + 1) + 1] = c;
        l[3 * (n + 1) + 2] = pionsmorts[j] ? 1 : 0;
        l[0] = n + 1;
      }
      pionsmorts[j] = 0;
      pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        if (p[ix(r2, c2)] == x) visite(r2, c2);
        return false;
      });
    }
  } enleve{p, prises, borne, ennemi};
  bool vide = false, ennemivoisin = false;
  int32_t nbpris = 0;
  pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      vide = true;
    } else if (p[j] == ennemi) {
      ennemivoisin = true;
      if (infochaine[j][0] == 1) {
        enleve.visite(r2, c2);
        ++nbpris;
      }
    } else if (pionsmorts[j]) {
      pionsmorts[i] = 1;
    }
    return false;
  });
  if (vide || nbpris > 0) return;
  // No liberty next to the stone and nothing captured.
  const bool amivivant = pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    return p[j] == couleur && infochaine[j][0] > 1;
  });
  if (!amivivant) {
    p[i] = VIDE;
    pionsmorts[i] = 0;
    return;
  }
  if (ennemivoisin) return;
  p[i] = VIDE;
  const TVoisins& v = tablevoisins[i];
  TMarques a;
  zeromarques(a);
  marquepionschaine(p, a, 0, v.voisins[0][0], v.voisins[0][1]);
  bool dehors = false;
  for (int32_t k = 0; k < v.nbvoisins; ++k)
    if (!a[ix(v.voisins[k][0], v.voisins[k][1])]) dehors = true;
  if (dehors) p[i] = couleur;
  else pionsmorts[i] = 0;
}

namespace {
TListePoints prisesjoue3;  // scratch of jouecoup3: its captures, never read
}  // namespace

void jouecoup3(uint8_t& prise, TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi) {
  prise = 0;
  if (!surplateaumoteur(r, c)) return;
  const int32_t i = ix(r, c);
  if (p[i] != VIDE) return;
  const TVoisins& v = tablevoisins[i];
  for (int32_t k = 0; k < v.nbvoisins; ++k) {
    const int32_t j = ix(v.voisins[k][0], v.voisins[k][1]);
    if (p[j] == ennemi && infochaine[j][0] == 1) {
      prise = 1;
      return;
    }
  }
  jouecoup(prisesjoue3, CAPACITELISTE, p, r, c, couleur, ennemi);
}

void jouecoup2(uint8_t& prise, TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t ennemi) {
  prise = 0;
  if (!surplateaumoteur(r, c)) return;
  const int32_t i = ix(r, c);
  bool vide = false, amivivant = false;
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) vide = true;
    else if (p[j] == ennemi && infochaine[j][0] == 1) prise = 1;
    else if (p[j] == couleur && infochaine[j][0] > 1) amivivant = true;
    return false;
  });
  if (p[i] != VIDE || (!vide && !amivivant)) return;
  p[i] = couleur;
  majlibertes(p, 0, r, c);
}
