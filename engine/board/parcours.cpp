// Chain and region walks of the engine state.
#include "engine/board/parcours.h"

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"

namespace {
inline Pas suitsi(bool b) { return b ? Pas::suit : Pas::saute; }
}  // namespace

void libertescouleur(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu, uint8_t couleur) {
  marchechaine(p, vu, couleur, dir, r, c, RegleChaine{.vide = ajoute(vu, l, cap)});
}

void libertesdelachaine(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                        TMarques& vu) {
  libertescouleur(p, l, cap, dir, r, c, vu, p[ix(r, c)]);
}

void libertesetpions(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     int32_t& nbpions, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t, int32_t, int32_t) { ++nbpions; }, .vide = ajoute(vu, l, cap)});
}

void libertesetadversaires(const TPlateau& p, TListePoints& libs, int32_t cap, int32_t dir, int32_t r,
                           int32_t c, TMarques& vu, int32_t cap2, TListePoints& adversaires) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.vide = ajoute(vu, libs, cap), .autre = ajoute(vu, adversaires, cap2)});
}

void libertesetvoisinsenatari(uint8_t& flag, const TPlateau& p, TListePoints& l, int32_t dir, int32_t r,
                              int32_t c, TMarques& vu, int32_t cap) {
  const uint8_t x = p[ix(r, c)];
  marchechaine(p, vu, x, dir, r, c,
               RegleChaine{.avant =
                               [&](const Etape& e) {
                                 if (p[e.j] != x && p[e.j] != VIDE && infochaine[e.j][0] == 1) flag = 0;
                               },
                           .vide = ajoute(vu, l, cap)});
}

void libertesetvoisinsenatari2(uint8_t& flag, const TPlateau& p, TListePoints& l, int32_t dir, int32_t r,
                               int32_t c, TMarques& vu, int32_t cap) {
  libertesetvoisinsenatari(flag, p, l, dir, r, c, vu, cap);
}

void libertestable(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                   TMarques& vu) {
  // Crosses the stones whose liberty byte is the start's; table-empty points
  // and the other stones of the same content are recorded.
  const uint16_t lib = infochaine[ix(r, c)][0];
  const auto note = ajoute(vu, l, cap);
  const auto videtable = [&](const Etape& e) {
    if (infochaine[e.j][0] == 0) note(e);
  };
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.meme =
                               [&](const Etape& e) {
                                 if (infochaine[e.j][0] == lib) return Pas::suit;
                                 note(e);
                                 return Pas::saute;
                               },
                           .vide = videtable,
                           .autre = videtable});
}

int32_t libertestableparent(const TPlateau& p, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (infochaine[i][1] != 0) return infochaine[i][1];
  TMarques vu;
  zeromarques(vu);
  bool tete = false;
  marchechaine(p, vu, p[i], 0, r, c,
               RegleChaine{.meme =
                               [&](const Etape& e) {
                                 tete = infochaine[e.j][1] != 0;
                                 return tete ? Pas::arrete : Pas::suit;
                               },
                           .fini = [&] { return tete; }});
  return tete ? 1 : 0;
}

void comptelibertes(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c, RegleChaine{.vide = [&](const Etape& e) {
                                                 vu[e.j] = 1;
                                                 ++n;
                                               }});
}

int32_t nblibertes(const TPlateau& p, int32_t r, int32_t c) {
  if (p[ix(r, c)] == VIDE) return 0;
  TMarques vu;
  zeromarques(vu);
  int32_t n = 0;
  comptelibertes(p, n, 0, r, c, vu);
  return n;
}

void comptelibertesetmarque(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu,
                            TMarques& marque) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) { marque[i] = 1; },
                           .vide =
                               [&](const Etape& e) {
                                 vu[e.j] = 1;
                                 ++n;
                               }});
}

namespace {
// Counts liberties into nb and keeps the first one; stops at two.
auto deuxpremieres(TMarques& vu, int32_t& nb, TPoint& lib) {
  return [&](const Etape& e) {
    vu[e.j] = 1;
    if (++nb == 1) lib = TPoint{e.r, e.c};
  };
}
}  // namespace

void deuxlibertes(const TPlateau& p, int32_t& nb, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.vide = deuxpremieres(vu, nb, lib), .fini = [&] { return nb >= 2; }});
}

void deuxlibertespions(const TPlateau& p, int32_t& nb, TPoint& lib, TListePoints& pions, int32_t cap,
                       int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre =
                               [&](int32_t i, int32_t r1, int32_t c1) {
                                 empilepoint(pions, cap, r1, c1);
                                 if (pions[0] > 30 && infochaine[i][0] == 0) nb = 2;
                               },
                           .vide = deuxpremieres(vu, nb, lib),
                           .fini = [&] { return nb >= 2; }});
}

void marquechaineetvoisins(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  const auto bord = [&](const Etape& e) { m[e.j] = 2; };
  marchechaine(p, m, p[ix(r, c)], dir, r, c, RegleChaine{.vide = bord, .autre = bord});
}

void marquepionschaine(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  marchechaine(p, m, p[ix(r, c)], dir, r, c, RegleChaine{});
}

void marquechainesimple(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  marquepionschaine(p, m, dir, r, c);
}

void marquechainesimple2(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  marquepionschaine(p, m, dir, r, c);
}

void comptepionschaine(int32_t& n, const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c, RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) {
                                                 if (!vu[i]) ++n;
                                               }});
}

int32_t nbpionschaine(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  int32_t n = 0;
  comptepionschaine(n, p, vu, 0, r, c);
  return n;
}

void effacechaine(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  marche(dir, r, c, Regle{.entre = [&](int32_t i, int32_t, int32_t) { m[i] = 0; },
                          .voisin = [&](const Etape& e) { return suitsi(m[e.j] && p[e.j] == x); }});
}

void effacemarques(const TPlateau& p, TMarques& m, int32_t r, int32_t dir, int32_t c) {
  if (m[ix(r, c)]) effacechaine(p, m, dir, r, c);
}

void marquechainebits(const TPlateau& p, TMarques& m, uint8_t bit, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (m[i] & bit) return;
  const uint8_t x = p[i];
  marche(0, r, c, Regle{.entre = [&](int32_t k, int32_t, int32_t) { m[k] |= bit; },
                        .voisin = [&](const Etape& e) { return suitsi(p[e.j] == x && !(m[e.j] & bit)); }});
}

void marquechainesigne(const TPlateau& p, TMarques& m, const TCarte& carte, int32_t dir, int32_t signe,
                       int32_t r, int32_t c) {
  marchechaine(p, m, p[ix(r, c)], dir, r, c, RegleChaine{.meme = [&](const Etape& e) {
                                                return suitsi(static_cast<int64_t>(carte[e.j]) * signe > 0);
                                              }});
}

void peintchaine(const TPlateau& p, TMarques& m, uint8_t valeur, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (m[i] == valeur) return;
  const uint8_t x = p[i];
  marche(0, r, c, Regle{.entre = [&](int32_t k, int32_t, int32_t) { m[k] = valeur; },
                        .voisin = [&](const Etape& e) { return suitsi(p[e.j] == x && m[e.j] != valeur); }});
}

void videchaine(TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c,
               RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) { p[i] = VIDE; }, .vide = ajoute(vu, l, cap)});
}

void retirechainetable(TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  marchechaine(p, vu, p[ix(r, c)], dir, r, c, RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) {
                                                 p[i] = VIDE;
                                                 infochaine[i] = flagchaines;
                                               }});
}

void retirechainetable2(TPlateau& p, int32_t r, int32_t c) {
  if (p[ix(r, c)] == VIDE) return;
  TMarques vu;
  zeromarques(vu);
  retirechainetable(p, vu, 0, r, c);
}

void retirechaine(TPlateau& p, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  if (x == VIDE) return;
  // The emptied stones are the walk's only marks.
  TListePoints pierres;
  pierres[0] = 0;
  marche(0, r, c, Regle{.entre =
                            [&](int32_t i, int32_t r1, int32_t c1) {
                              p[i] = VIDE;
                              infochaine[i] = flagchaines;
                              empilepoint(pierres, MAXPOINTSLISTE, r1, c1);
                            },
                        .voisin = [&](const Etape& e) { return suitsi(p[e.j] == x); }});
  const auto ennemi = static_cast<uint8_t>(1 - x);
  for (int32_t k = 1; k <= pierres[0]; ++k) ajoutelibertechaine(p, ennemi, pierres[2 * k], pierres[2 * k + 1]);
}

void bordregion(const TPlateau&, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                const TMarques& region, TMarques& vu) {
  const auto note = ajoute(vu, l, cap);
  marchezone(vu, dir, r, c, Regle{.voisin = [&](const Etape& e) {
                                    if (region[e.j] == 1) return Pas::suit;
                                    note(e);
                                    return Pas::saute;
                                  }});
}

void marqueregion(const TCarte& carte, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  marchezone(m, dir, r, c, Regle{.voisin = [&](const Etape& e) { return suitsi(carte[e.j] > 0); }});
}

void marqueregionautre(const TPlateau& p, uint8_t couleur, uint8_t valeur, TMarques& m, int32_t dir, int32_t r,
                       int32_t c) {
  marche(dir, r, c, Regle{.entre = [&](int32_t i, int32_t, int32_t) { m[i] = valeur; },
                          .voisin = [&](const Etape& e) { return suitsi(m[e.j] != valeur && p[e.j] != couleur); }});
}

void marqueregionsanscouleur(uint8_t couleur, const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  marchezone(vu, dir, r, c, Regle{.voisin = [&](const Etape& e) { return suitsi(p[e.j] != couleur); }});
}

void transfertmarques(TMarques& m1, TMarques& m2, uint8_t valeur, int32_t dir, int32_t r, int32_t c) {
  marche(dir, r, c, Regle{.entre =
                              [&](int32_t i, int32_t, int32_t) {
                                m1[i] = 0;
                                m2[i] = valeur;
                              },
                          .voisin = [&](const Etape& e) { return suitsi(m1[e.j] == 1); }});
}

void marquezonecouleur(const TPlateau& p, uint8_t couleur, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  marchezone(m, dir, r, c, Regle{.voisin = [&](const Etape& e) {
                                   const uint8_t x = p[e.j];
                                   return suitsi((x == couleur && !pionsmorts[e.j]) ||
                                                 (x != couleur && x != VIDE && pionsmorts[e.j]) ||
                                                 (x == VIDE && territoire[e.j] == couleur));
                                 }});
}

// Breadth first: a depth-first walk that never enters a marked point again
// can reach a point first by a long path and then miss points close by.
void marquedistance(TMarques& m, int32_t distance, int32_t r, int32_t c) {
  int32_t file[NBCASES];
  int32_t pas[NBCASES];
  int32_t debut = 0, fin = 0;
  m[ix(r, c)] = 1;
  file[fin] = ix(r, c);
  pas[fin++] = 0;
  while (debut < fin) {
    const int32_t i = file[debut], d = pas[debut++];
    if (d >= distance) continue;
    pasvoisins(i / TAILLEMAX + 1, i % TAILLEMAX + 1, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = ix(r2, c2);
      if (!m[j]) {
        m[j] = 1;
        file[fin] = j;
        pas[fin++] = d + 1;
      }
      return false;
    });
  }
}

bool chainealiberte(const TPlateau& p, int32_t taille, TListePoints* pierres, int32_t cap, int32_t r, int32_t c,
                    TMarques& vu) {
  // Its own recursion: a stone is tested for a liberty in another order
  // than the steps, before it counts as visited, on any board size.
  struct Flood {
    const TPlateau& p;
    int32_t n;
    TListePoints* pierres;
    int32_t cap;
    TMarques& vu;
    uint8_t x;
    bool visite(int32_t r, int32_t c) {
      if (pas4(n, r, c, ORDRELIBERTE, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == VIDE; })) return true;
      vu[ix(r, c)] = 1;
      if (pierres) empilepoint(*pierres, cap, r, c);
      return pas4(n, r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        const int32_t j = ix(r2, c2);
        return !vu[j] && p[j] == x && visite(r2, c2);
      });
    }
  };
  return Flood{p, taille, pierres, cap, vu, p[ix(r, c)]}.visite(r, c);
}
