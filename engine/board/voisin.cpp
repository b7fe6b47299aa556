// Unit voisin: chain and region walks.
#include "engine/board/voisin.h"

#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/balayages.h"

namespace {
inline int32_t ix(int32_t r, int32_t c) { return indexcase(r, c); }
inline uint8_t autre(uint8_t x) { return x == NOIR ? BLANC : NOIR; }
inline bool pierre(uint8_t x) { return x == NOIR || x == BLANC; }
inline uint16_t libs(int32_t j) { return infochaine[j][0]; }
}  // namespace

// Recursion cores of the walks below: private to this file, the declarations
// give them internal linkage.
static void marquechainerec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
static void demarquechainerec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
static void marquechainesvoisinesmarqueesrec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
static void aumoinsdeuxlibertesrec(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu);
static void aucunennemiatarirec(const TPlateau& p, uint8_t& flag, TMarques& vu, int32_t dir, int32_t r, int32_t c);
static void aucunennemifaiblerec(const TPlateau& p, uint8_t& flag, TMarques& vu, int32_t dir, int32_t r, int32_t c);
static void chainetouchemarquerec(const TPlateau& p, const TMarques& marque, uint8_t& flag, int32_t dir,
                                  int32_t r, int32_t c, TMarques& vu);
static void chainetouchemarque2rec(const TPlateau& p, TMarques& vu, const TMarques& marque, uint8_t& flag,
                                   int32_t dir, int32_t r, int32_t c);
static void libertesfaiblesrec(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                               TMarques& vu);
static void libertesfaiblesvisiterec(const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c);

// ---- Family A ---------------------------------------------------------------------

namespace {
// Sets `pionsmorts` to `v` on every stone of the chain not yet visited.
void mortschaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu, uint8_t v) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pionsmorts[ix(r, c)] = v;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] == x) mortschaine(p, d2, r2, c2, vu, v);
    return false;
  });
}

// Sets `pionsmorts` to `v` on the chain's stones whose state is 1, clearing the state.
void mortsselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c, uint8_t v) {
  const uint8_t x = p[ix(r, c)];
  etat[ix(r, c)] = 0;
  pionsmorts[ix(r, c)] = v;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (etat[j] == 1 && p[j] == x) mortsselonvisite(p, etat, d2, r2, c2, v);
    return false;
  });
}
}  // namespace

void marquechainerec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  mortschaine(p, dir, r, c, vu, 1);
}

void marquechaine(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  marquechainerec(p, 0, r, c, vu);
}

void demarquechainerec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  mortschaine(p, dir, r, c, vu, 0);
}

void demarquechaine(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  demarquechainerec(p, 0, r, c, vu);
}

void effacemarquechaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  mortsselonvisite(p, vu, dir, r, c, 0);
}

void marquechaineselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c) {
  mortsselonvisite(p, etat, dir, r, c, 1);
}

void demarquechaineselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c) {
  mortsselonvisite(p, etat, dir, r, c, 0);
}

void marquechaineselonvisite2(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  etat[ix(r, c)] = 2;
  pionsmorts[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      if (etat[j] == 0) etat[j] = 1;
    } else if (etat[j] == 1 && p[j] == x) {
      marquechaineselonvisite2(p, etat, d2, r2, c2);
    }
    return false;
  });
}

void effacemortschaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pionsmorts[ix(r, c)] = 0;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] == x && pionsmorts[j]) effacemortschaine(p, d2, r2, c2, vu);
    return false;
  });
}

void marquechainesansvisite(const TPlateau& p, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  pionsmorts[ix(r, c)] = 1;
  pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == x && !pionsmorts[j]) marquechainesansvisite(p, r2, c2);
    return false;
  });
}

void marquechainesvoisinesmarqueesrec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pionsmorts[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      marquechainesvoisinesmarqueesrec(p, d2, r2, c2, vu);
    } else if (pierre(p[j]) && pionsmorts[j]) {
      TMarques vu2 = marquesvides;
      demarquechainerec(p, 0, r2, c2, vu2);
    }
    return false;
  });
}

void marquechainesvoisinesmarquees(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  marquechainesvoisinesmarqueesrec(p, 0, r, c, vu);
}

// ---- Family B ---------------------------------------------------------------------

void chaineetlibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu, int32_t& nblib) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  empilepoint(l, cap, r, c);
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      chaineetlibertes(p, l, cap, d2, r2, c2, vu, nblib);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      ++nblib;
    }
    return false;
  });
}

namespace {
// Shared core of the last-liberty walks. `compte` counts stones (all, or
// those not marked dead); `flag` is set when an adjacent enemy chain is in atari.
struct DerniereLiberte {
  const TPlateau& p;
  TPoint& lib;
  TMarques& vu;
  int32_t* compte = nullptr;
  bool horsmorts = false;
  uint8_t* flag = nullptr;
  bool fini = false;

  void visite(int32_t dir, int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    const uint8_t x = p[i];
    vu[i] = 1;
    if (compte && (!horsmorts || !pionsmorts[i])) ++*compte;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      if (fini) return true;
      const int32_t j = ix(r2, c2);
      if (flag && pierre(p[j]) && p[j] != x && libs(j) == 1) *flag = 1;
      if (vu[j]) return false;
      if (p[j] == x) {
        visite(d2, r2, c2);
      } else if (p[j] == VIDE) {
        vu[j] = 1;
        if (lib.ligne == 0) {
          lib = TPoint{r2, c2};
        } else {
          fini = true;
          if (horsmorts) *compte = ARRETMARCHE;
          else lib.ligne = ARRETMARCHE;
        }
      }
      return fini;
    });
  }
};
}  // namespace

void derniereliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  if (lib.ligne == ARRETMARCHE) return;
  DerniereLiberte w{p, lib, vu};
  w.visite(dir, r, c);
}

void derniereliberteetcompte(int32_t& n, const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c,
                             TMarques& vu) {
  if (lib.ligne == ARRETMARCHE) return;
  DerniereLiberte w{p, lib, vu, &n};
  w.visite(dir, r, c);
}

void derniereliberteetvoisinatari(int32_t& n, uint8_t& flag, const TPlateau& p, TPoint& lib, int32_t dir,
                                  int32_t r, int32_t c, TMarques& vu) {
  if (n == ARRETMARCHE) return;
  DerniereLiberte w{p, lib, vu, &n, true, &flag};
  w.visite(dir, r, c);
}

void trouveliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (lib.ligne != 0) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) {
      lib = TPoint{r2, c2};
      return true;
    }
    if (p[j] == x) trouveliberte(p, lib, d2, r2, c2, vu);
    return lib.ligne != 0;
  });
}

TPoint premiereliberte(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  TPoint lib;
  trouveliberte(p, lib, 0, r, c, vu);
  return lib;
}

void comptepierreslibertes2(const TPlateau& p, int32_t& pierres, int32_t& libertes, int32_t dir, int32_t r,
                            int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  ++pierres;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (libertes >= 2) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      comptepierreslibertes2(p, pierres, libertes, d2, r2, c2, vu);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      ++libertes;
    }
    return libertes >= 2;
  });
}

void aumoinsdeuxlibertesrec(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (n >= 2) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      aumoinsdeuxlibertesrec(p, n, d2, r2, c2, vu);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      ++n;
    }
    return n >= 2;
  });
}

bool aumoinsdeuxlibertes(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  int32_t n = 0;
  aumoinsdeuxlibertesrec(p, n, 0, r, c, vu);
  return n >= 2;
}

void libertesmarquees(const TPlateau& p, uint8_t couleur, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == couleur) libertesmarquees(p, couleur, vu, d2, r2, c2);
    else if (p[j] == VIDE) vu[j] = 1;
    return false;
  });
}

void marquechaineetlibertes(const TPlateau& p, uint8_t couleur, uint8_t valeur, TMarques& sortie, int32_t dir,
                            int32_t r, int32_t c) {
  sortie[ix(r, c)] = valeur;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (sortie[j] == valeur) return false;
    if (p[j] == couleur) marquechaineetlibertes(p, couleur, valeur, sortie, d2, r2, c2);
    else if (p[j] == VIDE) sortie[j] = valeur;
    return false;
  });
}

void collectepetitgroupe(const TPlateau& p, TListePoints& l, int32_t& n, int32_t r, int32_t c, TMarques& vu) {
  if (n >= 4) return;
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  vu[i] = 1;
  if (n >= 3) {
    n = 4;
    return;
  }
  ++n;
  empilepoint(l, MAXPOINTSLISTE, r, c);
  pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] == x) collectepetitgroupe(p, l, n, r2, c2, vu);
    return n >= 4;
  });
  static constexpr int32_t diagonales[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
  pas4(r, c, diagonales, [&](int32_t r2, int32_t c2) {
    if (n >= 4) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j] || p[j] != x) return false;
    if (p[ix(r2, c)] == VIDE || p[ix(r, c2)] == VIDE) collectepetitgroupe(p, l, n, r2, c2, vu);
    return n >= 4;
  });
}

namespace {
// Walk of the chain that calls `voisin(j, r2, c2)` on each neighbour of
// other content (not visited); `marquevides` marks empty neighbours visited.
template <class F>
void autourchaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu, bool marquevide, F&& voisin) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      autourchaine(p, d2, r2, c2, vu, marquevide, voisin);
    } else if (p[j] == VIDE) {
      if (marquevide) vu[j] = 1;
    } else {
      return voisin(j, r2, c2);
    }
    return false;
  });
}
}  // namespace

void listepierresennemiesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                  int32_t c, TMarques& vu) {
  autourchaine(p, dir, r, c, vu, true, [&](int32_t j, int32_t r2, int32_t c2) {
    vu[j] = 1;
    empilepoint(l, cap, r2, c2);
    return false;
  });
}

void listepierresennemiesvoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                   int32_t c, TMarques& vu) {
  autourchaine(p, dir, r, c, vu, false, [&](int32_t j, int32_t r2, int32_t c2) {
    vu[j] = 1;
    empilepoint(l, cap, r2, c2);
    return false;
  });
}

void listeennemisatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu) {
  autourchaine(p, dir, r, c, vu, false, [&](int32_t j, int32_t r2, int32_t c2) {
    if (libs(j) == 1) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    }
    return false;
  });
}

void pierreschaineetatariennemi(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  empilepoint(l, cap, r, c);
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (pierre(p[j]) && p[j] != x && libs(j) == 1) flag = 1;
    if (!vu[j] && p[j] == x) pierreschaineetatariennemi(p, l, cap, flag, d2, r2, c2, vu);
    return false;
  });
}

void aucunennemiatarirec(const TPlateau& p, uint8_t& flag, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  autourchaine(p, dir, r, c, vu, false, [&](int32_t j, int32_t, int32_t) {
    if (libs(j) == 1) flag = 1;
    return flag != 0;
  });
}

bool aucunennemiatari(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  uint8_t flag = 0;
  aucunennemiatarirec(p, flag, vu, 0, r, c);
  return flag == 0;
}

void aucunennemifaiblerec(const TPlateau& p, uint8_t& flag, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  autourchaine(p, dir, r, c, vu, false, [&](int32_t j, int32_t, int32_t) {
    if (libs(j) < 3) flag = 1;
    return flag != 0;
  });
}

bool aucunennemifaible(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  uint8_t flag = 0;
  aucunennemifaiblerec(p, flag, vu, 0, r, c);
  return flag == 0;
}

void chainetouchemarquerec(const TPlateau& p, const TMarques& marque, uint8_t& flag, int32_t dir, int32_t r,
                           int32_t c, TMarques& vu) {
  autourchaine(p, dir, r, c, vu, false, [&](int32_t j, int32_t, int32_t) {
    if (marque[j]) flag = 1;
    return flag != 0;
  });
}

bool chainetouchemarque(const TPlateau& p, const TMarques& marque, TMarques& vu, int32_t r, int32_t c) {
  uint8_t flag = 0;
  chainetouchemarquerec(p, marque, flag, 0, r, c, vu);
  return flag != 0;
}

void chainetouchemarque2rec(const TPlateau& p, TMarques& vu, const TMarques& marque, uint8_t& flag, int32_t dir,
                            int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (flag) return true;
    const int32_t j = ix(r2, c2);
    if (marque[j]) {
      flag = 1;
      return true;
    }
    if (!vu[j] && p[j] == x) chainetouchemarque2rec(p, vu, marque, flag, d2, r2, c2);
    return flag != 0;
  });
}

bool chainetouchemarque2(const TPlateau& p, TMarques& vu, const TMarques& marque, int32_t r, int32_t c) {
  uint8_t flag = 0;
  chainetouchemarque2rec(p, vu, marque, flag, 0, r, c);
  return flag != 0;
}

// ---- Family C ---------------------------------------------------------------------

void libertesetatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    } else if (libs(j) == 1) {
      libertesetatari(p, l, cap, d2, r2, c2, vu);
    }
    return false;
  });
}

void libertesdepart(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                    TMarques& vu) {
  const int32_t i = ix(r, c);
  const bool enatari = pierre(p[i]) && libs(i) == 1;
  vu[i] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) {
      if (enatari) {
        vu[j] = 1;
        empilepoint(l, cap, r2, c2);
      }
    } else if (libs(j) == 1) {
      libertesetatari(p, l, cap, d2, r2, c2, vu);
    }
    return false;
  });
}

namespace {
// Walk of the chain appending its liberties (when `propres`) and handing
// each adjacent chain of other content to `voisin(r2, c2, d2)` when it asks.
template <class F>
void libertesavec(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c, TMarques& vu,
                  bool propres, F&& voisin) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      libertesavec(p, l, cap, d2, r2, c2, vu, propres, voisin);
    } else if (p[j] == VIDE) {
      if (propres) {
        vu[j] = 1;
        empilepoint(l, cap, r2, c2);
      }
    } else {
      voisin(j, r2, c2, d2);
    }
    return false;
  });
}
}  // namespace

void libertesetatari2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](int32_t j, int32_t r2, int32_t c2, int32_t d2) {
    if (libs(j) == 1) libertesetatari(p, l, cap, d2, r2, c2, vu);
  });
}

void libertesfaiblesrec(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                        TMarques& vu) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    } else if (libs(j) < 3) {
      libertesfaiblesrec(p, l, cap, d2, r2, c2, vu);
    }
    return false;
  });
}

void libertesetfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](int32_t j, int32_t r2, int32_t c2, int32_t d2) {
    if (libs(j) < 3) libertesfaiblesrec(p, l, cap, d2, r2, c2, vu);
  });
}

void libertesetfaiblesdrapeau(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                              int32_t r, int32_t c, TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](int32_t j, int32_t r2, int32_t c2, int32_t d2) {
    if (libs(j) < 3) {
      flag = 1;
      libertesfaiblesrec(p, l, cap, d2, r2, c2, vu);
    }
  });
}

namespace {
void capturablesrec(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t propre, int32_t dir, int32_t r,
                    int32_t c, TMarques& vu) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    } else if (p[j] == propre || libs(j) == 1 || (libs(j) == 2 && !pionsmorts[j])) {
      capturablesrec(p, l, cap, propre, d2, r2, c2, vu);
    }
    return false;
  });
}
}  // namespace

void libertesetcapturables(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu) {
  capturablesrec(p, l, cap, p[ix(r, c)], dir, r, c, vu);
}

void listelibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                   TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](int32_t j, int32_t r2, int32_t c2, int32_t) {
    if (libs(j) != 1) return;
    TPoint lib;
    TMarques vu2 = vu;
    trouveliberte(p, lib, 0, r2, c2, vu2);
    if (lib.ligne != 0) {
      vu[ix(lib.ligne, lib.colonne)] = 1;
      empilepoint(l, cap, lib.ligne, lib.colonne);
    }
  });
}

void libertesetvoisinsfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                              TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](int32_t j, int32_t r2, int32_t c2, int32_t d2) {
    if (libs(j) == 1) libertesetatari(p, l, cap, d2, r2, c2, vu);
    else if (libs(j) == 2) libertesdelachaine(p, l, cap, d2, r2, c2, vu);
  });
}

void libertesennemisfaibles(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                            int32_t r, int32_t c, TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](int32_t j, int32_t r2, int32_t c2, int32_t d2) {
    if (libs(j) == 1) {
      flag = 1;
      libertesetatari(p, l, cap, d2, r2, c2, vu);
    } else if (libs(j) == 2) {
      flag = 1;
      libertesdelachaine(p, l, cap, d2, r2, c2, vu);
    }
  });
}

void libertesatarivoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](int32_t j, int32_t r2, int32_t c2, int32_t d2) {
    if (libs(j) == 1) libertesdelachaine(p, l, cap, d2, r2, c2, vu);
  });
}

void libertesatarivoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                            TMarques& vu) {
  libertesatarivoisines(p, l, cap, dir, r, c, vu);
}

void atarichainesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                          TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](int32_t j, int32_t r2, int32_t c2, int32_t d2) {
    if (libs(j) == 1) libertesetatari(p, l, cap, d2, r2, c2, vu);
  });
}

void atarichainesvoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu) {
  atarichainesvoisines(p, l, cap, dir, r, c, vu);
}

void libertesfaiblesvisiterec(const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) vu[j] = 1;
    else if (p[j] == x || libs(j) < 3) libertesfaiblesvisiterec(p, vu, d2, r2, c2);
    return false;
  });
}

void libertesetfaiblesvisite(const TPlateau& p, TMarques& vu, int32_t r, int32_t c) {
  libertesfaiblesvisiterec(p, vu, 0, r, c);
}

void listechainesfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu) {
  const int32_t i = ix(r, c);
  vu[i] = 1;
  if (infochaine[i][1] != 0) empilepoint(l, cap, r, c);
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && pierre(p[j]) && libs(j) < 3) listechainesfaibles(p, l, cap, d2, r2, c2, vu);
    return false;
  });
}

namespace {
TListePoints libertescoups;  // scratch of libertesverscoups: the liberties to play
TListePoints prisescoups;    // scratch of libertesverscoups: captures, never read
}  // namespace

void libertesverscoups(TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t autre) {
  TListePoints& l = libertescoups;
  l[0] = 0;
  TMarques vu = marquesvides;
  listelibertes(p, l, 300, 0, r, c, vu);
  for (int32_t k = 1; k <= l[0]; ++k) jouecoup(prisescoups, CAPACITELISTE, p, l[2 * k], l[2 * k + 1], couleur, autre);
}

// ---- Family D ---------------------------------------------------------------------

void marquezonevide(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) marquezonevide(p, d2, r2, c2, vu);
    else vu[j] = 1;
    return false;
  });
}

void comptevideszone(const TPlateau& p, uint8_t couleur, int32_t& n, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu) {
  vu[ix(r, c)] = 1;
  if (p[ix(r, c)] == VIDE) ++n;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] != couleur) comptevideszone(p, couleur, n, d2, r2, c2, vu);
    return false;
  });
}

void comptezonenoncouleurplafond(int32_t& n, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                                 TMarques& vu) {
  vu[ix(r, c)] = 1;
  ++n;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (n >= 31) return true;
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] != couleur) comptezonenoncouleurplafond(n, couleur, p, d2, r2, c2, vu);
    return n >= 31;
  });
}

void comptezonenoncouleurmarque(TPlateau& p, uint8_t couleur, const TMarques& marque, int32_t& n, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu) {
  const int32_t i = ix(r, c);
  vu[i] = 1;
  if (p[i] == VIDE) ++n;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j] || p[j] == couleur) return false;
    if (p[j] == VIDE && marque[j] == 1 && marque[i] == 1) {
      p[j] = couleur;
      return false;
    }
    comptezonenoncouleurmarque(p, couleur, marque, n, d2, r2, c2, vu);
    return false;
  });
}

void zonevideetfrontiere(int32_t& nb, int32_t& etat, uint8_t& couleur, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu, const TPlateau& p) {
  vu[ix(r, c)] = 1;
  ++nb;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE || pionsmorts[j]) {
      zonevideetfrontiere(nb, etat, couleur, d2, r2, c2, vu, p);
    } else if (etat == 0) {
      etat = 1;
      couleur = p[j];
    } else if (etat == 1 && p[j] != couleur) {
      etat = 2;
      couleur = VIDE;
    }
    return false;
  });
}

void zonenoncouleur(const TPlateau& p, uint8_t couleur, int32_t& res, int32_t dir, int32_t r, int32_t c,
                    TMarques& vu) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (res == ARRETMARCHE) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j] || p[j] == couleur) return false;
    if (p[j] == VIDE) {
      if (territoire[j] != couleur) zonenoncouleur(p, couleur, res, d2, r2, c2, vu);
    } else if (!pionsmorts[j]) {
      res = ARRETMARCHE;
    } else {
      zonenoncouleur(p, couleur, res, d2, r2, c2, vu);
    }
    return res == ARRETMARCHE;
  });
}

void testzonenoncouleur(const TPlateau& p, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  if (!pierre(x) || pionsmorts[i] || infochaine[i][1] == 1) return;
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == autre(x) && infochaine[j][1] == 1 && !pionsmorts[j]) {
      pionsmorts[j] = 1;
      TMarques vu = marquesvides;
      int32_t res = 0;
      zonenoncouleur(p, x, res, 0, r2, c2, vu);
      if (res == ARRETMARCHE) pionsmorts[j] = 0;
    }
    return false;
  });
}

void zonevidetouchecouleur(int32_t& res, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (res == ARRETMARCHE) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == couleur) res = ARRETMARCHE;
    else if (p[j] == VIDE) zonevidetouchecouleur(res, couleur, p, d2, r2, c2, vu);
    return res == ARRETMARCHE;
  });
}

void zonevideentouree(const TPlateau& p, uint8_t& flag, uint8_t couleur, TMarques& sortie, int32_t dir, int32_t r,
                      int32_t c, TMarques& vu) {
  vu[ix(r, c)] = 1;
  if (flag) sortie[ix(r, c)] = couleur;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == VIDE) zonevideentouree(p, flag, couleur, sortie, d2, r2, c2, vu);
    else if (p[j] != couleur) flag = 0;
    return false;
  });
}

namespace {
// Walk of the empty points inside a window from a point; `cible(j)` ends it.
struct Fenetre {
  const TPlateau& p;
  int32_t lmin, lmax, cmin, cmax;
  TMarques vu;
  bool dedans(int32_t r, int32_t c) const { return r >= lmin && r <= lmax && c >= cmin && c <= cmax; }
  template <class F>
  bool visite(int32_t dir, int32_t r, int32_t c, F& cible) {
    vu[ix(r, c)] = 1;
    if (cible(ix(r, c))) return true;
    return pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      return !vu[j] && dedans(r2, c2) && p[j] == VIDE && visite(d2, r2, c2, cible);
    });
  }
};
Fenetre fenetre(const TPlateau& p, int32_t rayon, int32_t r, int32_t c) {
  Fenetre f{p, 0, 0, 0, 0, marquesvides};
  bornesfenetre(r, c, rayon, f.lmin, f.lmax, f.cmin, f.cmax);
  return f;
}
}  // namespace

bool zonevidedansfenetre(const TPlateau& p, uint8_t couleur, int32_t rayon, int32_t r, int32_t c) {
  Fenetre f = fenetre(p, rayon, r, c);
  auto cible = [&](int32_t j) { return territoire[j] == couleur; };
  return f.visite(0, r, c, cible);
}

bool zonevideatteintpositif(const TCarte& carte, const TPlateau& p, int32_t rayon, int32_t r, int32_t c) {
  Fenetre f = fenetre(p, rayon, r, c);
  auto cible = [&](int32_t j) { return carte[j] > 0; };
  return f.visite(0, r, c, cible);
}

namespace {
void videsfenetrerec(TListePoints& l, int32_t cap, const TPlateau& p, int32_t lmin, int32_t lmax, int32_t cmin,
                     int32_t cmax, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  vu[ix(r, c)] = 1;
  if (p[ix(r, c)] == VIDE) empilepoint(l, cap, r, c);
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && r2 >= lmin && r2 <= lmax && c2 >= cmin && c2 <= cmax && libs(j) == 0)
      videsfenetrerec(l, cap, p, lmin, lmax, cmin, cmax, d2, r2, c2, vu);
    return false;
  });
}

void rectanglerec(const TPlateau& p, int32_t lmin, int32_t lmax, int32_t cmin, int32_t cmax, TMarques& m,
                  int32_t dir, int32_t r, int32_t c) {
  m[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!m[j] && r2 >= lmin && r2 <= lmax && c2 >= cmin && c2 <= cmax && p[j] == VIDE)
      rectanglerec(p, lmin, lmax, cmin, cmax, m, d2, r2, c2);
    return false;
  });
}
}  // namespace

void videsdansfenetre(TListePoints& l, int32_t cap, const TPlateau& p, int32_t lmin, int32_t lmax, int32_t cmin,
                      int32_t cmax, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  videsfenetrerec(l, cap, p, lmin, lmax, cmin, cmax, 0, r, c, vu);
}

void remplitzonerectangle(const TPlateau& p, int32_t r, int32_t c, int32_t lmin, int32_t lmax, int32_t cmin,
                          int32_t cmax, TMarques& m) {
  rectanglerec(p, lmin, lmax, cmin, cmax, m, 0, r, c);
}

namespace {
// Walk of the empty points within radius 2 of the point; fails at a stone
// of c1, at a chain with fewer than 3 liberties, or (when asked) at a dead stone.
struct Enferme {
  const TPlateau& p;
  uint8_t c1;
  bool morts;
  int32_t lmin, lmax, cmin, cmax;
  TMarques vu;
  bool echec = false;
  void visite(int32_t dir, int32_t r, int32_t c) {
    vu[ix(r, c)] = 1;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      if (echec) return true;
      const int32_t j = ix(r2, c2);
      if (vu[j] || r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax) return false;
      if (p[j] == VIDE) {
        visite(d2, r2, c2);
      } else if (p[j] == c1 || libs(j) < 3 || (morts && pionsmorts[j])) {
        echec = true;
      }
      return echec;
    });
  }
};
bool marcheenferme(Enferme& e, int32_t r, int32_t c) {
  marquepionschaine(e.p, e.vu, 0, r, c);
  bornesfenetre(r, c, 2, e.lmin, e.lmax, e.cmin, e.cmax);
  e.visite(0, r, c);
  return !e.echec;
}
}  // namespace

bool zonefermee(const TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (!pierre(p[i]) || territoire[i] != c2 || libs(i) > 4) return false;
  Enferme e{p, c1, true, 0, 0, 0, 0, marquesvides};
  return marcheenferme(e, r, c);
}

void marquechaineenfermee(const TPlateau& p, uint8_t c1, uint8_t /*c2*/, int32_t r, int32_t c) {
  if (!pierre(p[ix(r, c)])) return;
  Enferme e{p, c1, false, 0, 0, 0, 0, marquesvides};
  if (!marcheenferme(e, r, c)) return;
  TMarques etat = marquesvides;
  marquepionschaine(p, etat, 0, r, c);
  marquechaineselonvisite(p, etat, 0, r, c);
}

bool testezone(TPlateau& p, int32_t rayon, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  if (!pierre(x)) return false;
  int32_t lmin, lmax, cmin, cmax;
  bornesfenetre(r, c, rayon, lmin, lmax, cmin, cmax);
  TMarques vu = marquesvides;
  bool arret = false;
  struct Marche {
    const TPlateau& p;
    uint8_t x;
    int32_t lmin, lmax, cmin, cmax;
    TMarques& vu;
    bool& arret;
    void visite(int32_t dir, int32_t r, int32_t c) {
      vu[ix(r, c)] = 1;
      pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        if (arret) return true;
        const int32_t j = ix(r2, c2);
        if (vu[j] || r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax) return false;
        if (p[j] == VIDE) visite(d2, r2, c2);
        else if (p[j] == x || pionsmorts[j]) arret = true;
        return arret;
      });
    }
  } marche{p, x, lmin, lmax, cmin, cmax, vu, arret};
  marche.visite(0, r, c);
  if (arret) return false;
  // The stone is lifted for the line scan and put back on every path.
  p[i] = VIDE;
  int32_t colores = 0, neutres = 0;
  bool propre = false;
  for (int32_t l = lmin; l <= lmax && !propre; ++l)
    for (int32_t k = cmin; k <= cmax; ++k) {
      const int32_t j = ix(l, k);
      if (!vu[j] || p[j] != VIDE) continue;
      const uint8_t d = couleurdominantelignes(p, l, k, 6);
      if (d == x) {
        propre = true;
        break;
      }
      if (d == VIDE) ++neutres;
      else ++colores;
    }
  p[i] = x;
  return !propre && colores > neutres;
}

bool relieparinfluence(const TPlateau& p, const TCarte& carte, uint8_t couleur, int32_t rayon, int32_t r, int32_t c) {
  int32_t lmin, lmax, cmin, cmax;
  bornesfenetre(r, c, rayon, lmin, lmax, cmin, cmax);
  TMarques etat = marquesvides;  // 2 passable, 3 target
  for (int32_t l = lmin; l <= lmax; ++l)
    for (int32_t k = cmin; k <= cmax; ++k) {
      const int32_t j = ix(l, k);
      if (p[j] == couleur && !pionsmorts[j]) etat[j] = 3;
      else if (couleur == NOIR ? carte[j] > 0 : carte[j] < 0) etat[j] = 2;
    }
  TMarques vu = marquesvides;
  struct Marche {
    TMarques& etat;
    TMarques& vu;
    int32_t lmin, lmax, cmin, cmax;
    bool visite(int32_t dir, int32_t r, int32_t c) {
      vu[ix(r, c)] = 1;
      return pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (vu[j] || r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax) return false;
        if (etat[j] == 3) return true;
        return etat[j] == 2 && visite(d2, r2, c2);
      });
    }
  } marche{etat, vu, lmin, lmax, cmin, cmax};
  return marche.visite(0, r, c);
}

bool atteintmarquedansfenetre(const TPlateau& p, const TMarques& marque, int32_t rayon, int32_t r, int32_t c) {
  int32_t lmin, lmax, cmin, cmax;
  bornesfenetre(r, c, rayon, lmin, lmax, cmin, cmax);
  const uint8_t ennemi = autre(p[ix(r, c)]);
  TMarques vu = marquesvides;
  struct Marche {
    const TPlateau& p;
    const TMarques& marque;
    uint8_t ennemi;
    TMarques& vu;
    int32_t lmin, lmax, cmin, cmax;
    bool visite(int32_t dir, int32_t r, int32_t c) {
      vu[ix(r, c)] = 1;
      return pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (vu[j] || r2 < lmin || r2 > lmax || c2 < cmin || c2 > cmax) return false;
        if (p[j] == VIDE || (p[j] == ennemi && pionsmorts[j])) return visite(d2, r2, c2);
        return marque[j] != 0;
      });
    }
  } marche{p, marque, ennemi, vu, lmin, lmax, cmin, cmax};
  return marche.visite(0, r, c);
}

bool atteintchainenonfaible(const TPlateau& p, int32_t pas, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  if (!pierre(x)) return false;
  const TMarques& faibles = (x == couleurdemandee) ? lesfaibles : marquessurvie;
  TMarques vu = marquesvides;
  marquepionschaine(p, vu, 0, r, c);
  struct Marche {
    const TPlateau& p;
    const TMarques& faibles;
    uint8_t x;
    TMarques& vu;
    bool visite(int32_t reste, int32_t dir, int32_t r, int32_t c) {
      vu[ix(r, c)] = 1;
      if (reste <= 0) return false;
      return pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (vu[j] || p[j] == autre(x)) return false;
        if (p[j] == x && !pionsmortsbis[j] && !carteattaque[j] && !faibles[j]) return true;
        return visite(reste - 1, d2, r2, c2);
      });
    }
  } marche{p, faibles, x, vu};
  return marche.visite(pas, 0, r, c);
}

bool compteterritoirefinalzone(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c) {
  const uint8_t o = autre(couleur);
  const TCarte& finale = (o == NOIR) ? cartefinale1 : cartefinale2;
  TMarques vu = marquesvides;
  int32_t n = 0;
  TPoint premier, second;
  struct Marche {
    const TPlateau& p;
    uint8_t couleur, o;
    const TCarte& finale;
    TMarques& vu;
    int32_t& n;
    TPoint &premier, &second;
    bool vivant(int32_t j) const { return p[j] == couleur && !pionsmorts[j]; }
    void visite(int32_t dir, int32_t r, int32_t c) {
      const int32_t i = ix(r, c);
      if (!vu[i]) vu[i] = 1;
      if (p[i] != o && finale[i] != 0 && vu[i] != 2) {
        vu[i] = 2;
        ++n;
        if (n == 1) premier = TPoint{r, c};
        else if (n == 2) second = TPoint{r, c};
      }
      if (n >= 3) return;
      // A dead stone of the colour is entered but not left; an empty point
      // next to a living stone of the colour is not left either.
      if (p[i] == couleur) return;
      if (p[i] == VIDE && pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return vivant(ix(r2, c2)); })) return;
      pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (!vu[j] && !vivant(j)) visite(d2, r2, c2);
        return n >= 3;
      });
    }
  } marche{p, couleur, o, finale, vu, n, premier, second};
  marche.visite(0, r, c);
  if (n >= 3) return true;
  if (n == 2) {
    return !pastable(second.ligne, second.colonne, [&](int32_t r2, int32_t c2) {
      return r2 == premier.ligne && c2 == premier.colonne;
    });
  }
  return false;
}
