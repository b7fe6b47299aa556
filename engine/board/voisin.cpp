// Unit voisin: chain and region walks.
#include "engine/board/voisin.h"

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/balayages.h"

namespace {
inline Pas suitsi(bool b) { return b ? Pas::suit : Pas::saute; }
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
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) { pionsmorts[i] = v; }});
}

// Sets `pionsmorts` to `v` on the chain's stones whose state is 1, clearing the state.
void mortsselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c, uint8_t v) {
  const uint8_t x = p[ix(r, c)];
  marche(dir, r, c, Regle{.entre =
                              [&](int32_t i, int32_t, int32_t) {
                                etat[i] = 0;
                                pionsmorts[i] = v;
                              },
                          .voisin = [&](const Etape& e) { return suitsi(etat[e.j] == 1 && p[e.j] == x); }});
}
}  // namespace

void marquechainerec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  mortschaine(p, dir, r, c, vu, 1);
}

void demarquechainerec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  mortschaine(p, dir, r, c, vu, 0);
}

void marquechaine(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  marquechainerec(p, 0, r, c, vu);
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
  marche(dir, r, c, Regle{.entre =
                              [&](int32_t i, int32_t, int32_t) {
                                etat[i] = 2;
                                pionsmorts[i] = 1;
                              },
                          .voisin =
                              [&](const Etape& e) {
                                if (p[e.j] == VIDE) {
                                  if (etat[e.j] == 0) etat[e.j] = 1;
                                  return Pas::saute;
                                }
                                return suitsi(etat[e.j] == 1 && p[e.j] == x);
                              }});
}

void effacemortschaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) { pionsmorts[i] = 0; },
                           .meme = [&](const Etape& e) { return suitsi(pionsmorts[e.j] != 0); }});
}

void marquechainesansvisite(const TPlateau& p, int32_t r, int32_t c) {
  // pionsmorts is the visited mark: the stone walked from is always set.
  const uint8_t x = p[ix(r, c)];
  marche(0, r, c, Regle{.entre = [&](int32_t i, int32_t, int32_t) { pionsmorts[i] = 1; },
                        .voisin = [&](const Etape& e) { return suitsi(p[e.j] == x && !pionsmorts[e.j]); }});
}

void marquechainesvoisinesmarqueesrec(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) { pionsmorts[i] = 1; },
                           .autre =
                               [&](const Etape& e) {
                                 if (pierre(p[e.j]) && pionsmorts[e.j]) demarquechaine(p, e.r, e.c);
                               }});
}

void marquechainesvoisinesmarquees(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  marquechainesvoisinesmarqueesrec(p, 0, r, c, vu);
}

// ---- Family B ---------------------------------------------------------------------

void chaineetlibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu, int32_t& nblib) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t, int32_t r1, int32_t c1) { empilepoint(l, cap, r1, c1); },
                           .vide =
                               [&](const Etape& e) {
                                 vu[e.j] = 1;
                                 ++nblib;
                               }});
}

namespace {
// Shared core of the last-liberty walks. `compte` counts stones (all, or
// those not marked dead); `flag` is set when an adjacent enemy chain is in atari.
void derniere(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu,
                     int32_t* compte, bool horsmorts, uint8_t* flag) {
  const uint8_t x = p[ix(r, c)];
  bool fini = false;
  const auto avant = [&](const Etape& e) {
    if (flag && pierre(p[e.j]) && p[e.j] != x && libs(e.j) == 1) *flag = 1;
  };
  marchechaine(p, vu, x, dir, r, c,
               RegleChaine{.entre =
                               [&](int32_t i, int32_t, int32_t) {
                                 if (compte && (!horsmorts || !pionsmorts[i])) ++*compte;
                               },
                           .avant = avant,
                           .vide =
                               [&](const Etape& e) {
                                 vu[e.j] = 1;
                                 if (lib.ligne == 0) {
                                   lib = TPoint{e.r, e.c};
                                   return;
                                 }
                                 fini = true;
                                 if (horsmorts) *compte = ARRETMARCHE;
                                 else lib.ligne = ARRETMARCHE;
                               },
                           .fini = [&] { return fini; }});
}
}  // namespace

void derniereliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  if (lib.ligne == ARRETMARCHE) return;
  derniere(p, lib, dir, r, c, vu, nullptr, false, nullptr);
}

void derniereliberteetcompte(int32_t& n, const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c,
                             TMarques& vu) {
  if (lib.ligne == ARRETMARCHE) return;
  derniere(p, lib, dir, r, c, vu, &n, false, nullptr);
}

void derniereliberteetvoisinatari(int32_t& n, uint8_t& flag, const TPlateau& p, TPoint& lib, int32_t dir,
                                  int32_t r, int32_t c, TMarques& vu) {
  if (n == ARRETMARCHE) return;
  derniere(p, lib, dir, r, c, vu, &n, true, &flag);
}

namespace {
// The walk of trouveliberte, its visited points told by `vu(j)` and marked
// by `marque(i)` on entering.
template <class V, class M>
void cherchelibre(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, V&& vu, M&& marque) {
  // An empty neighbour is taken before the chain is followed, even from an empty start.
  const uint8_t x = p[ix(r, c)];
  marche(dir, r, c, Regle{.entre = [&](int32_t i, int32_t, int32_t) { marque(i); },
                          .voisin =
                              [&](const Etape& e) {
                                if (vu(e.j)) return Pas::saute;
                                if (p[e.j] == VIDE) {
                                  lib = TPoint{e.r, e.c};
                                  return Pas::arrete;
                                }
                                return suitsi(p[e.j] == x);
                              },
                          .fini = [&] { return lib.ligne != 0; }});
}

// Points entered by trouvelibertehors.
TEstampes entreshors;

// trouveliberte on a copy of `vu`: the points of `vu` are visited, those it
// enters are stamped aside, so `vu` is left as it is without being copied.
void trouvelibertehors(const TPlateau& p, TPoint& lib, int32_t r, int32_t c, const TMarques& vu) {
  entreshors.nouvelle();
  cherchelibre(
      p, lib, 0, r, c, [&](int32_t j) { return vu[j] || entreshors.vu(j); },
      [&](int32_t i) { entreshors.marque1(i); });
}
}  // namespace

void trouveliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  cherchelibre(
      p, lib, dir, r, c, [&](int32_t j) { return vu[j] != 0; }, [&](int32_t i) { vu[i] = 1; });
}

TPoint premiereliberte(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  TPoint lib;
  trouveliberte(p, lib, 0, r, c, vu);
  return lib;
}

void comptepierreslibertes2(const TPlateau& p, int32_t& pierres, int32_t& libertes, int32_t dir, int32_t r,
                            int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t, int32_t, int32_t) { ++pierres; },
                           .vide =
                               [&](const Etape& e) {
                                 vu[e.j] = 1;
                                 ++libertes;
                               },
                           .fini = [&] { return libertes >= 2; }});
}

void aumoinsdeuxlibertesrec(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.vide =
                               [&](const Etape& e) {
                                 vu[e.j] = 1;
                                 ++n;
                               },
                           .fini = [&] { return n >= 2; }});
}

bool aumoinsdeuxlibertes(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  int32_t n = 0;
  aumoinsdeuxlibertesrec(p, n, 0, r, c, vu);
  return n >= 2;
}

void libertesmarquees(const TPlateau& p, uint8_t couleur, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  marchechaine(p, vu, couleur, dir, r, c, RegleChaine{.vide = [&](const Etape& e) { vu[e.j] = 1; }});
}

void marquechaineetlibertes(const TPlateau& p, uint8_t couleur, uint8_t valeur, TMarques& sortie, int32_t dir,
                            int32_t r, int32_t c) {
  // The output map is the visited array: a point holding `valeur` is done.
  marche(dir, r, c, Regle{.entre = [&](int32_t i, int32_t, int32_t) { sortie[i] = valeur; },
                          .voisin =
                              [&](const Etape& e) {
                                if (sortie[e.j] == valeur) return Pas::saute;
                                if (p[e.j] == couleur) return Pas::suit;
                                if (p[e.j] == VIDE) sortie[e.j] = valeur;
                                return Pas::saute;
                              }});
}

// No arrival direction and diagonal steps: a walk of its own.
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
  pas4(r, c, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    if (n >= 4) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j] || p[j] != x) return false;
    if (p[ix(r2, c)] == VIDE || p[ix(r, c2)] == VIDE) collectepetitgroupe(p, l, n, r2, c2, vu);
    return n >= 4;
  });
}

void listepierresennemiesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                  int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.vide = [&](const Etape& e) { vu[e.j] = 1; }, .autre = ajoute(vu, l, cap)});
}

void listepierresennemiesvoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                   int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c, RegleChaine{.autre = ajoute(vu, l, cap)});
}

void listeennemisatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu) {
  const auto note = ajoute(vu, l, cap);
  marchechaine(p, vu, p[ix(r, c)], dir, r, c, RegleChaine{.autre = [&](const Etape& e) {
                                                 if (libs(e.j) == 1) note(e);
                                               }});
}

void pierreschaineetatariennemi(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  marchechaine(p, vu, x, dir, r, c,
               RegleChaine{.entre = [&](int32_t, int32_t r1, int32_t c1) { empilepoint(l, cap, r1, c1); },
                           .avant =
                               [&](const Etape& e) {
                                 if (pierre(p[e.j]) && p[e.j] != x && libs(e.j) == 1) flag = 1;
                               }});
}

namespace {
// The chain's neighbours of other content until one passes `teste`: that
// one sets the flag and ends the current stone's neighbours (the stones
// already begun finish theirs).
template <class F>
void voisinsjusqua(const TPlateau& p, uint8_t& flag, TMarques& vu, int32_t dir, int32_t r, int32_t c, F&& teste) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c, RegleChaine{.autre = [&](const Etape& e) {
                                                 if (teste(e.j)) flag = 1;
                                                 return flag ? Pas::arrete : Pas::saute;
                                               }});
}
}  // namespace

void aucunennemiatarirec(const TPlateau& p, uint8_t& flag, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  voisinsjusqua(p, flag, vu, dir, r, c, [](int32_t j) { return libs(j) == 1; });
}

bool aucunennemiatari(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  uint8_t flag = 0;
  aucunennemiatarirec(p, flag, vu, 0, r, c);
  return flag == 0;
}

void aucunennemifaiblerec(const TPlateau& p, uint8_t& flag, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  voisinsjusqua(p, flag, vu, dir, r, c, [](int32_t j) { return libs(j) < 3; });
}

bool aucunennemifaible(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  uint8_t flag = 0;
  aucunennemifaiblerec(p, flag, vu, 0, r, c);
  return flag == 0;
}

void chainetouchemarquerec(const TPlateau& p, const TMarques& marque, uint8_t& flag, int32_t dir, int32_t r,
                           int32_t c, TMarques& vu) {
  voisinsjusqua(p, flag, vu, dir, r, c, [&](int32_t j) { return marque[j] != 0; });
}

bool chainetouchemarque(const TPlateau& p, const TMarques& marque, TMarques& vu, int32_t r, int32_t c) {
  uint8_t flag = 0;
  chainetouchemarquerec(p, marque, flag, 0, r, c, vu);
  return flag != 0;
}

void chainetouchemarque2rec(const TPlateau& p, TMarques& vu, const TMarques& marque, uint8_t& flag, int32_t dir,
                            int32_t r, int32_t c) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.avant =
                               [&](const Etape& e) {
                                 if (marque[e.j]) flag = 1;
                               },
                           .fini = [&] { return flag != 0; }});
}

bool chainetouchemarque2(const TPlateau& p, TMarques& vu, const TMarques& marque, int32_t r, int32_t c) {
  uint8_t flag = 0;
  chainetouchemarque2rec(p, vu, marque, flag, 0, r, c);
  return flag != 0;
}

// ---- Family C ---------------------------------------------------------------------

namespace {
// Walk over every stone that `traverse(j)` lets through, whatever its
// colour, appending each empty point once.
template <class F>
void libertesatravers(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu, F&& traverse) {
  const auto note = ajoute(vu, l, cap);
  marchezone(vu, dir, r, c, Regle{.voisin = [&](const Etape& e) {
                                    if (p[e.j] != VIDE) return suitsi(traverse(e.j));
                                    note(e);
                                    return Pas::saute;
                                  }});
}
}  // namespace

void libertesetennemisfaibles(const TPlateau& p, TListePoints& l, TListePoints& faibles, int32_t cap, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu) {
  const auto faible = ajoute(vu, faibles, cap);
  marchechaine(p, vu, p[ix(r, c)], dir, r, c, RegleChaine{.vide = ajoute(vu, l, cap), .autre = [&](const Etape& e) {
                                                            if (libs(e.j) < 3) faible(e);
                                                          }});
}

void libertesetatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu) {
  libertesatravers(p, l, cap, dir, r, c, vu, [](int32_t j) { return libs(j) == 1; });
}

// Only the start point's empty neighbours depend on its own chain.
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
// The own chain's liberties (when `propres`), and each adjacent chain of
// other content handed to `voisin(etape)`.
template <class F>
void libertesavec(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c, TMarques& vu,
                  bool propres, F&& voisin) {
  const auto note = ajoute(vu, l, cap);
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.vide =
                               [&](const Etape& e) {
                                 if (propres) note(e);
                               },
                           .autre = voisin});
}
}  // namespace

void libertesetatari2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](const Etape& e) {
    if (libs(e.j) == 1) libertesetatari(p, l, cap, e.dir, e.r, e.c, vu);
  });
}

void libertesfaiblesrec(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                        TMarques& vu) {
  libertesatravers(p, l, cap, dir, r, c, vu, [](int32_t j) { return libs(j) < 3; });
}

void libertesetfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](const Etape& e) {
    if (libs(e.j) < 3) libertesfaiblesrec(p, l, cap, e.dir, e.r, e.c, vu);
  });
}

void libertesetfaiblesdrapeau(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                              int32_t r, int32_t c, TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](const Etape& e) {
    if (libs(e.j) < 3) {
      flag = 1;
      libertesfaiblesrec(p, l, cap, e.dir, e.r, e.c, vu);
    }
  });
}

void libertesetcapturables(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu) {
  const uint8_t propre = p[ix(r, c)];
  libertesatravers(p, l, cap, dir, r, c, vu, [&](int32_t j) {
    return p[j] == propre || libs(j) == 1 || (libs(j) == 2 && !pionsmorts[j]);
  });
}

void listelibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                   TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, true, [&](const Etape& e) {
    if (libs(e.j) != 1) return;
    TPoint lib;
    trouvelibertehors(p, lib, e.r, e.c, vu);
    if (lib.ligne != 0) {
      vu[ix(lib.ligne, lib.colonne)] = 1;
      empilepoint(l, cap, lib.ligne, lib.colonne);
    }
  });
}

void libertesetvoisinsfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                              TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](const Etape& e) {
    if (libs(e.j) == 1) libertesetatari(p, l, cap, e.dir, e.r, e.c, vu);
    else if (libs(e.j) == 2) libertesdelachaine(p, l, cap, e.dir, e.r, e.c, vu);
  });
}

void libertesennemisfaibles(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                            int32_t r, int32_t c, TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](const Etape& e) {
    if (libs(e.j) == 1) {
      flag = 1;
      libertesetatari(p, l, cap, e.dir, e.r, e.c, vu);
    } else if (libs(e.j) == 2) {
      flag = 1;
      libertesdelachaine(p, l, cap, e.dir, e.r, e.c, vu);
    }
  });
}

void libertesatarivoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](const Etape& e) {
    if (libs(e.j) == 1) libertesdelachaine(p, l, cap, e.dir, e.r, e.c, vu);
  });
}

void atarichainesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                          TMarques& vu) {
  libertesavec(p, l, cap, dir, r, c, vu, false, [&](const Etape& e) {
    if (libs(e.j) == 1) libertesetatari(p, l, cap, e.dir, e.r, e.c, vu);
  });
}

void libertesfaiblesvisiterec(const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  // Crosses by the content of the point it stands on, or into weak chains.
  marchezone(vu, dir, r, c, Regle{.voisin = [&](const Etape& e) {
                                    if (p[e.j] == VIDE) {
                                      vu[e.j] = 1;
                                      return Pas::saute;
                                    }
                                    return suitsi(p[e.j] == p[e.depuis] || libs(e.j) < 3);
                                  }});
}

void libertesetfaiblesvisite(const TPlateau& p, TMarques& vu, int32_t r, int32_t c) {
  libertesfaiblesvisiterec(p, vu, 0, r, c);
}

void listechainesfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu) {
  marchezone(vu, dir, r, c,
             Regle{.entre =
                       [&](int32_t i, int32_t r1, int32_t c1) {
                         if (infochaine[i][1] != 0) empilepoint(l, cap, r1, c1);
                       },
                   .voisin = [&](const Etape& e) { return suitsi(pierre(p[e.j]) && libs(e.j) < 3); }});
}

namespace {
TListePoints libertescoups;  // scratch of libertesverscoups: the liberties to play
TListePoints prisescoups;    // scratch of libertesverscoups: captures, never read
}  // namespace

void libertesverscoups(TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t autre) {
  TListePoints& l = libertescoups;
  l[0] = 0;
  TMarques vu;
  zeromarques(vu);
  listelibertes(p, l, 300, 0, r, c, vu);
  for (int32_t k = 1; k <= l[0]; ++k) jouecoup(prisescoups, CAPACITELISTE, p, l[2 * k], l[2 * k + 1], couleur, autre);
}

// ---- Family D ---------------------------------------------------------------------

void marquezonevide(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchezone(vu, dir, r, c, Regle{.voisin = [&](const Etape& e) {
                                    if (p[e.j] == VIDE) return Pas::suit;
                                    vu[e.j] = 1;
                                    return Pas::saute;
                                  }});
}

void comptevideszone(const TPlateau& p, uint8_t couleur, int32_t& n, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu) {
  marchezone(vu, dir, r, c,
             Regle{.entre =
                       [&](int32_t i, int32_t, int32_t) {
                         if (p[i] == VIDE) ++n;
                       },
                   .voisin = [&](const Etape& e) { return suitsi(p[e.j] != couleur); }});
}

void comptezonenoncouleurplafond(int32_t& n, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                                 TMarques& vu) {
  marchezone(vu, dir, r, c,
             Regle{.entre = [&](int32_t, int32_t, int32_t) { ++n; },
                   .voisin = [&](const Etape& e) { return suitsi(p[e.j] != couleur); },
                   .fini = [&] { return n >= 31; }});
}

void comptezonenoncouleurmarque(TPlateau& p, uint8_t couleur, const TMarques& marque, int32_t& n, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu) {
  marchezone(vu, dir, r, c,
             Regle{.entre =
                       [&](int32_t i, int32_t, int32_t) {
                         if (p[i] == VIDE) ++n;
                       },
                   .voisin =
                       [&](const Etape& e) {
                         if (p[e.j] == couleur) return Pas::saute;
                         if (p[e.j] == VIDE && marque[e.j] == 1 && marque[e.depuis] == 1) {
                           p[e.j] = couleur;
                           return Pas::saute;
                         }
                         return Pas::suit;
                       }});
}

void zonevideetfrontiere(int32_t& nb, int32_t& etat, uint8_t& couleur, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu, const TPlateau& p) {
  marchezone(vu, dir, r, c,
             Regle{.entre = [&](int32_t, int32_t, int32_t) { ++nb; },
                   .voisin =
                       [&](const Etape& e) {
                         if (p[e.j] == VIDE || pionsmorts[e.j]) return Pas::suit;
                         if (etat == 0) {
                           etat = 1;
                           couleur = p[e.j];
                         } else if (etat == 1 && p[e.j] != couleur) {
                           etat = 2;
                           couleur = VIDE;
                         }
                         return Pas::saute;
                       }});
}

void zonenoncouleur(const TPlateau& p, uint8_t couleur, int32_t& res, int32_t dir, int32_t r, int32_t c,
                    TMarques& vu) {
  marchezone(vu, dir, r, c,
             Regle{.voisin =
                       [&](const Etape& e) {
                         if (p[e.j] == couleur) return Pas::saute;
                         if (p[e.j] == VIDE) return suitsi(territoire[e.j] != couleur);
                         if (pionsmorts[e.j]) return Pas::suit;
                         res = ARRETMARCHE;
                         return Pas::saute;
                       },
                   .fini = [&] { return res == ARRETMARCHE; }});
}

void testzonenoncouleur(const TPlateau& p, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  if (!pierre(x) || pionsmorts[i] || infochaine[i][1] == 1) return;
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == autre(x) && infochaine[j][1] == 1 && !pionsmorts[j]) {
      pionsmorts[j] = 1;
      TMarques vu;
      zeromarques(vu);
      int32_t res = 0;
      zonenoncouleur(p, x, res, 0, r2, c2, vu);
      if (res == ARRETMARCHE) pionsmorts[j] = 0;
    }
    return false;
  });
}

void zonevidetouchecouleur(int32_t& res, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu) {
  marchezone(vu, dir, r, c,
             Regle{.voisin =
                       [&](const Etape& e) {
                         if (p[e.j] == couleur) {
                           res = ARRETMARCHE;
                           return Pas::saute;
                         }
                         return suitsi(p[e.j] == VIDE);
                       },
                   .fini = [&] { return res == ARRETMARCHE; }});
}

void zonevideentouree(const TPlateau& p, uint8_t& flag, uint8_t couleur, TMarques& sortie, int32_t dir, int32_t r,
                      int32_t c, TMarques& vu) {
  marchezone(vu, dir, r, c,
             Regle{.entre =
                       [&](int32_t i, int32_t, int32_t) {
                         if (flag) sortie[i] = couleur;
                       },
                   .voisin =
                       [&](const Etape& e) {
                         if (p[e.j] == VIDE) return Pas::suit;
                         if (p[e.j] != couleur) flag = 0;
                         return Pas::saute;
                       }});
}

namespace {
// The rectangle of the window of radius `rayon` around the point.
struct Fenetre {
  int32_t lmin = 0, lmax = 0, cmin = 0, cmax = 0;
  Fenetre(int32_t r, int32_t c, int32_t rayon) { bornesfenetre(r, c, rayon, lmin, lmax, cmin, cmax); }
  Fenetre(int32_t l0, int32_t l1, int32_t c0, int32_t c1) : lmin(l0), lmax(l1), cmin(c0), cmax(c1) {}
  bool dedans(const Etape& e) const { return e.r >= lmin && e.r <= lmax && e.c >= cmin && e.c <= cmax; }
};

// Walk of the empty points inside the window from the point; true as soon
// as it enters a point where `cible(j)` holds (the start included).
template <class F>
bool videsjusqua(const TPlateau& p, int32_t rayon, int32_t r, int32_t c, F&& cible) {
  const Fenetre f(r, c, rayon);
  TMarques vu;
  zeromarques(vu);
  bool trouve = false;
  marchezone(vu, 0, r, c,
             Regle{.entre = [&](int32_t i, int32_t, int32_t) { trouve = cible(i); },
                   .voisin = [&](const Etape& e) { return suitsi(f.dedans(e) && p[e.j] == VIDE); },
                   .fini = [&] { return trouve; }});
  return trouve;
}
}  // namespace

bool zonevidedansfenetre(const TPlateau& p, uint8_t couleur, int32_t rayon, int32_t r, int32_t c) {
  return videsjusqua(p, rayon, r, c, [&](int32_t j) { return territoire[j] == couleur; });
}

bool zonevideatteintpositif(const TCarte& carte, const TPlateau& p, int32_t rayon, int32_t r, int32_t c) {
  return videsjusqua(p, rayon, r, c, [&](int32_t j) { return carte[j] > 0; });
}

void videsdansfenetre(TListePoints& l, int32_t cap, const TPlateau& p, int32_t lmin, int32_t lmax, int32_t cmin,
                      int32_t cmax, int32_t r, int32_t c) {
  const Fenetre f(lmin, lmax, cmin, cmax);
  TMarques vu;
  zeromarques(vu);
  marchezone(vu, 0, r, c,
             Regle{.entre =
                       [&](int32_t i, int32_t r1, int32_t c1) {
                         if (p[i] == VIDE) empilepoint(l, cap, r1, c1);
                       },
                   .voisin = [&](const Etape& e) { return suitsi(f.dedans(e) && libs(e.j) == 0); }});
}

void remplitzonerectangle(const TPlateau& p, int32_t r, int32_t c, int32_t lmin, int32_t lmax, int32_t cmin,
                          int32_t cmax, TMarques& m) {
  const Fenetre f(lmin, lmax, cmin, cmax);
  marchezone(m, 0, r, c, Regle{.voisin = [&](const Etape& e) { return suitsi(f.dedans(e) && p[e.j] == VIDE); }});
}

namespace {
// Walk of the empty points inside the window from the point (its chain
// already marked in vu); true when it meets a stone that `echoue(j)` names.
template <class F>
bool videsinterdits(const TPlateau& p, const Fenetre& f, TMarques& vu, int32_t r, int32_t c, F&& echoue) {
  bool echec = false;
  marchezone(vu, 0, r, c,
             Regle{.voisin =
                       [&](const Etape& e) {
                         if (!f.dedans(e)) return Pas::saute;
                         if (p[e.j] == VIDE) return Pas::suit;
                         if (echoue(e.j)) echec = true;
                         return Pas::saute;
                       },
                   .fini = [&] { return echec; }});
  return echec;
}

// The empty points within radius 2 of the point; fails at a stone of c1, at
// a chain with fewer than 3 liberties, or (when asked) at a dead stone.
bool marcheenferme(const TPlateau& p, uint8_t c1, bool morts, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  marquepionschaine(p, vu, 0, r, c);
  const Fenetre f(r, c, 2);
  return !videsinterdits(p, f, vu, r, c, [&](int32_t j) {
    return p[j] == c1 || libs(j) < 3 || (morts && pionsmorts[j]);
  });
}
}  // namespace

bool zonefermee(const TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (!pierre(p[i]) || territoire[i] != c2 || libs(i) > 4) return false;
  return marcheenferme(p, c1, true, r, c);
}

void marquechaineenfermee(const TPlateau& p, uint8_t c1, uint8_t /*c2*/, int32_t r, int32_t c) {
  if (!pierre(p[ix(r, c)])) return;
  if (!marcheenferme(p, c1, false, r, c)) return;
  TMarques etat;
  zeromarques(etat);
  marquepionschaine(p, etat, 0, r, c);
  marquechaineselonvisite(p, etat, 0, r, c);
}

bool testezone(TPlateau& p, int32_t rayon, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  if (!pierre(x)) return false;
  const Fenetre f(r, c, rayon);
  TMarques vu;
  zeromarques(vu);
  if (videsinterdits(p, f, vu, r, c, [&](int32_t j) { return p[j] == x || pionsmorts[j]; })) return false;
  // The stone is lifted for the line scan and put back on every path.
  p[i] = VIDE;
  int32_t colores = 0, neutres = 0;
  bool propre = false;
  for (int32_t l = f.lmin; l <= f.lmax && !propre; ++l)
    for (int32_t k = f.cmin; k <= f.cmax; ++k) {
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

namespace {
// Walk inside the window over the points `passe(j)` lets through; true as
// soon as a neighbour where `cible(j)` holds is met.
template <class P, class C>
bool atteintdansfenetre(const Fenetre& f, int32_t r, int32_t c, P&& passe, C&& cible) {
  TMarques vu;
  zeromarques(vu);
  bool trouve = false;
  marchezone(vu, 0, r, c,
             Regle{.voisin =
                       [&](const Etape& e) {
                         if (!f.dedans(e)) return Pas::saute;
                         if (passe(e.j)) return Pas::suit;
                         trouve = cible(e.j);
                         return trouve ? Pas::arrete : Pas::saute;
                       },
                   .fini = [&] { return trouve; }});
  return trouve;
}
}  // namespace

bool relieparinfluence(const TPlateau& p, const TCarte& carte, uint8_t couleur, int32_t rayon, int32_t r, int32_t c) {
  const Fenetre f(r, c, rayon);
  TMarques etat;  // 2 passable, 3 target
  zeromarques(etat);
  for (int32_t l = f.lmin; l <= f.lmax; ++l)
    for (int32_t k = f.cmin; k <= f.cmax; ++k) {
      const int32_t j = ix(l, k);
      if (p[j] == couleur && !pionsmorts[j]) etat[j] = 3;
      else if (couleur == NOIR ? carte[j] > 0 : carte[j] < 0) etat[j] = 2;
    }
  return atteintdansfenetre(
      f, r, c, [&](int32_t j) { return etat[j] == 2; }, [&](int32_t j) { return etat[j] == 3; });
}

bool atteintmarquedansfenetre(const TPlateau& p, const TMarques& marque, int32_t rayon, int32_t r, int32_t c) {
  const Fenetre f(r, c, rayon);
  const uint8_t ennemi = autre(p[ix(r, c)]);
  return atteintdansfenetre(
      f, r, c, [&](int32_t j) { return p[j] == VIDE || (p[j] == ennemi && pionsmorts[j]); },
      [&](int32_t j) { return marque[j] != 0; });
}

// Breadth first, so that the step limit is a distance: a depth-first walk
// that never enters a visited point again can reach a point by a long path
// first, with no steps left, and then miss a stone close by behind it.
bool atteintchainenonfaible(const TPlateau& p, int32_t pas, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  if (!pierre(x)) return false;
  const TMarques& faibles = (x == couleurdemandee) ? lesfaibles : marquessurvie;
  TMarques vu;
  zeromarques(vu);
  marquepionschaine(p, vu, 0, r, c);
  int32_t file[NBCASES];
  int32_t reste[NBCASES];
  int32_t debut = 0, fin = 0;
  file[fin] = ix(r, c);
  reste[fin++] = pas;
  while (debut < fin) {
    const int32_t i = file[debut], k = reste[debut++];
    if (k <= 0) continue;
    const bool atteint = pasvoisins(i / TAILLEMAX + 1, i % TAILLEMAX + 1, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = ix(r2, c2);
      if (vu[j] || p[j] == autre(x)) return false;
      if (p[j] == x && !pionsmortsbis[j] && !carteattaque[j] && !faibles[j]) return true;
      vu[j] = 1;
      file[fin] = j;
      reste[fin++] = k - 1;
      return false;
    });
    if (atteint) return true;
  }
  return false;
}

// Its own recursion: the point entered decides whether the walk may leave it.
bool compteterritoirefinalzone(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c) {
  const uint8_t o = autre(couleur);
  const TCarte& finale = (o == NOIR) ? cartefinale1 : cartefinale2;
  TMarques vu;
  zeromarques(vu);
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
    void compteterritoirefinalzonerec(int32_t dir, int32_t r, int32_t c) {
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
        if (!vu[j] && !vivant(j)) compteterritoirefinalzonerec(d2, r2, c2);
        return n >= 3;
      });
    }
  } marche{p, couleur, o, finale, vu, n, premier, second};
  marche.compteterritoirefinalzonerec(0, r, c);
  if (n >= 3) return true;
  if (n == 2) {
    return !pastable(second.ligne, second.colonne, [&](int32_t r2, int32_t c2) {
      return r2 == premier.ligne && c2 == premier.colonne;
    });
  }
  return false;
}
