// Outcome writers: dead-zone levels, contact resolution and the codes they
// write into the trial records.
#include "engine/territory/resultats.h"

#include <algorithm>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/yeux.h"

namespace {

constexpr int32_t CAPACITEZONE = NBCASES;  // lists E and A, and the contact walk's lists
constexpr int32_t NIVEAUMAX = 255;         // levels are bytes

// Calls f(row, col) over the board in row-major order.
template <class F>
void balaye(F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) f(r, c);
}

// The code and value arrays of the current table for the trial move; null
// when there is none.
struct Table {
  int32_t* etat = nullptr;
  int32_t* valeur = nullptr;
};
Table tablecourante(int32_t ligne, int32_t colonne) {
  const bool coup = ligne >= 1 && ligne <= TAILLEMAX && colonne >= 1 && colonne <= TAILLEMAX;
  switch (tableessaiscourante) {
    case 1:
      return {valeurssurvie.data(), valeurs2survie.data()};
    case 2:
      if (coup) return {essaiordi(ligne, colonne).etatessai.data(), essaiordi(ligne, colonne).valeursessai.data()};
      break;
    case 3:
      if (coup) return {essaijoueur(ligne, colonne).etatessai.data(), essaijoueur(ligne, colonne).valeursessai.data()};
      break;
    default:
      break;
  }
  return {};
}

// The chain table and a board copy put back around the moves of a trial.
struct ChainesRemises {
  const TInfoChaine avant = infochaine;
  ~ChainesRemises() { infochaine = avant; }
};

// The attacker `b` plays at (r, c) and, while the chain of its new stone is
// in atari, on at that chain's first liberty not set in `p2` (trouveliberte
// marks the walked stones there). `joue(r, c)` sees every point played.
template <class F>
void joueatari(TPlateau& q, uint8_t b, TMarques& p2, int32_t r, int32_t c, F&& joue) {
  TListePoints prises{};
  for (int32_t garde = 0; garde < NBCASES; ++garde) {
    jouecoup(prises, CAPACITEZONE, q, r, c, b, autre(b));
    if (q[ix(r, c)] != b) return;
    joue(r, c);
    if (libs(ix(r, c)) != 1) return;
    TPoint lib{};
    trouveliberte(q, lib, 0, r, c, p2);
    if (lib.ligne == 0) return;
    r = lib.ligne;
    c = lib.colonne;
  }
}

// resultatzone's working state: the zone walked (V), the play marks (P),
// the empty points (E), the stones in atari (A).
struct Zone {
  const TPlateau& p;
  uint8_t a, b;
  const TMarques& carte;
  uint8_t niveau;
  TMarques V = marquesvides;
  TMarques P = marquesvides;
  TListePoints E{};
  TListePoints A{};

  // The points of the zone's level.
  void parcourszone(int32_t dir, int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    V[j] = 1;
    if (p[j] == VIDE) {
      empilepoint(E, CAPACITEZONE, r, c);
    } else if (p[j] == b && libs(j) == 1) {
      empilepoint(A, CAPACITEZONE, r, c);
    } else if (p[j] == a) {
      // What touches a stone of the zone from outside it.
      pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        const int32_t q = ix(r2, c2);
        if (V[q] || carte[q] == niveau) return false;
        if (p[q] == VIDE) {
          V[q] = 1;
          empilepoint(E, CAPACITEZONE, r2, c2);
        } else if (libs(q) == 1) {
          empilepoint(A, CAPACITEZONE, r2, c2);
        }
        return false;
      });
    }
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t q = ix(r2, c2);
      if (!V[q] && carte[q] == niveau) parcourszone(d2, r2, c2);
      return false;
    });
  }

  // Passes over E; returns the attacker moves counted, sets `change`.
  int32_t passesvides(bool& change) {
    int32_t coups = 0;
    for (int32_t k = 1; k <= nbpoints(E); ++k) P[ix(ligneliste(E, k), colonneliste(E, k))] = 1;
    int32_t debut = 1;
    while (debut <= nbpoints(E)) {
      const int32_t fin = nbpoints(E);
      for (int32_t k = debut; k <= fin; ++k) {
        const int32_t r = ligneliste(E, k), c = colonneliste(E, k);
        // Neighbours not of colour a, up to 2; an own chain in atari counts 2.
        int32_t n = 0;
        pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
          const int32_t q = ix(r2, c2);
          if (p[q] == a) {
            if (libs(q) == 1) n = 2;
          } else {
            ++n;
          }
          return n >= 2;
        });
        if (n >= 2) continue;
        change = true;
        TPlateau q = p;
        ChainesRemises remises;
        if (n == 0) {
          // An own point: the liberties of the chain through it join the zone.
          q[ix(r, c)] = a;
          libertesdelachaine(q, E, CAPACITEZONE, 0, r, c, P);
        } else {
          // One way in: the attacker's forced sequence from there.
          joueatari(q, b, P, r, c, [&](int32_t r2, int32_t c2) {
            if (P[ix(r2, c2)]) return;
            P[ix(r2, c2)] = 1;
            ++coups;
          });
        }
      }
      debut = fin + 1;
    }
    return coups;
  }

  // The stones in atari around the zone; returns the moves counted.
  int32_t passesatari(bool change, int32_t ligne, int32_t colonne) {
    int32_t coups = 0;
    if (change) {
      for (int32_t j = 0; j < NBCASES; ++j)
        if (P[j] == 1) V[j] = 1;
      P = marquesvides;
    }
    if (ligne >= 1 && surplateaumoteur(ligne, colonne) && p[ix(ligne, colonne)] == a && !V[ix(ligne, colonne)]) {
      pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        const int32_t q = ix(r2, c2);
        if (p[q] == b && libs(q) == 1) peintchaine(p, P, 4, r2, c2);
        return false;
      });
    }
    for (int32_t k = 1; k <= nbpoints(A); ++k) {
      const int32_t r = ligneliste(A, k), c = colonneliste(A, k);
      if (P[ix(r, c)]) continue;
      TPlateau q = p;
      ChainesRemises remises;
      TPoint lib{};
      trouveliberte(q, lib, 0, r, c, P);
      if (lib.ligne == 0) continue;
      joueatari(q, b, P, lib.ligne, lib.colonne, [&](int32_t r2, int32_t c2) {
        if (V[ix(r2, c2)]) return;
        V[ix(r2, c2)] = 1;
        ++coups;
      });
    }
    return coups;
  }
};

// resultatcontact's walk and what it gathers.
struct Contact {
  const TPlateau& p;
  uint8_t a, b;
  TMarques& vu;
  const TMarques& cartea;
  const TMarques& carteb;
  const TMarques& avant;
  int32_t la, lb;
  TPlateau copie;
  TMarques parcouru = marquesvides;
  TListePoints vides{};
  TListePoints pierres{};
  bool vivant = false;

  void parcourscontact(int32_t dir, int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    parcouru[j] = 1;
    if (p[j] == VIDE) {
      empilepoint(vides, CAPACITEZONE, r, c);
    } else if (p[j] == b && pionsmorts[j]) {
      empilepoint(pierres, CAPACITEZONE, r, c);
      copie[j] = VIDE;
    } else if (p[j] == a && !pionsmorts[j]) {
      vivant = true;
    }
    if (cartea[j] == la && carteb[j] == lb) vu[j] = 1;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t q = ix(r2, c2);
      if (!parcouru[q] && (cartea[q] == la || carteb[q] == lb || (p[q] == b && avant[q]))) parcourscontact(d2, r2, c2);
      return false;
    });
  }
};

// The levels of the two maps at a point, or 0 off the maps.
inline int32_t niveau(const TMarques& carte, int32_t j) { return carte[j]; }

// Contact pass; `cartes` is the variant of resultatsessaiscartes.
void contacts(const TPlateau& p, TMarques& W, TMarques& B, const TMarques& avant, int32_t ligne, int32_t colonne,
              bool cartes) {
  TMarques vu = marquesvides;
  TMarques* zones[2] = {&W, &B};
  // An empty point of a white dead zone only, beside empty points of a black one
  // (visited or not).
  const auto bordsdezones = [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    pastable(r, c, [&](int32_t qr, int32_t qc) {
      const int32_t q = ix(qr, qc);
      if (p[q] != VIDE || !B[q] || W[j] == 0) return false;
      if (W[j] != 1 && B[q] != 1) return false;
      if (W[j] == 1) resultatzone(p, BLANC, NOIR, avant, W, ligne, colonne, r, c);
      if (B[q] == 1) resultatzone(p, NOIR, BLANC, avant, B, ligne, colonne, qr, qc);
      const int32_t w = W[j], n = B[q];
      if (w == 0 || n == 0) return false;
      if (w < n) resultatcontact(p, NOIR, BLANC, vu, B, W, avant, ligne, colonne, n, w, qr, qc);
      else resultatcontact(p, BLANC, NOIR, vu, W, B, avant, ligne, colonne, w, n, r, c);
      return false;
    });
  };
  balaye([&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == VIDE) {
      if (W[j] && !B[j]) {
        if (!cartes) bordsdezones(r, c);
        return;
      }
      // An empty point in dead zones of both colours: the zones' levels first, then the contact.
      if (!W[j] || !B[j] || vu[j]) return;
      if (W[j] == 1) resultatzone(p, BLANC, NOIR, avant, W, ligne, colonne, r, c);
      if (B[j] == 1) resultatzone(p, NOIR, BLANC, avant, B, ligne, colonne, r, c);
      const int32_t w = W[j], n = B[j];
      if (w == 0 || n == 0) return;
      if (cartes && w == n) return;
      if (n <= w) resultatcontact(p, BLANC, NOIR, vu, W, B, avant, ligne, colonne, w, n, r, c);
      else resultatcontact(p, NOIR, BLANC, vu, B, W, avant, ligne, colonne, n, w, r, c);
      return;
    }
    // A stone dead now beside a dead stone of the other colour.
    if (!pionsmorts[j] || avant[j]) return;
    const uint8_t x = p[j], o = autre(x);
    int32_t qr = 0, qc = 0;
    const auto convient = [&](int32_t r2, int32_t c2) {
      if (!surplateaumoteur(r2, c2)) return false;
      const int32_t q = ix(r2, c2);
      return pionsmorts[q] && p[q] == o && !avant[q];
    };
    if (convient(r + 1, c)) qr = r + 1, qc = c;
    else if (convient(r, c + 1)) qr = r, qc = c + 1;
    else return;
    const int32_t q = ix(qr, qc);
    TMarques& cx = *zones[x];
    TMarques& co = *zones[o];
    if (cx[j] == 1) resultatzone(p, x, o, avant, cx, ligne, colonne, r, c);
    if (co[q] == 1) resultatzone(p, o, x, avant, co, ligne, colonne, qr, qc);
    const int32_t lp = niveau(cx, j), lq = niveau(co, q);
    if (lq >= 1 && lq <= lp) {
      if (cartes ? (lq < lp || x == NOIR) : !marquesopposees(r, c, qr, qc, ligne, colonne))
        resultatcontact(p, x, o, vu, cx, co, avant, ligne, colonne, lp, lq, r, c);
    } else if (lq > lp && lp != 0) {
      if (cartes || !marquesopposees(qr, qc, r, c, ligne, colonne))
        resultatcontact(p, o, x, vu, co, cx, avant, ligne, colonne, lq, lp, qr, qc);
    }
  });
}

}  // namespace

void ecritresultatzone(const TPlateau& p, const TMarques& parcouru, const TMarques& avant, uint8_t a, uint8_t b,
                       int32_t mode, int32_t ligne, int32_t colonne, int32_t v) {
  if (sansstatut) {
    // The winning side's chains lose their dead marks.
    if (mode != 1) return;
    TMarques reste = parcouru;
    balaye([&](int32_t r, int32_t c) {
      const int32_t j = ix(r, c);
      if (reste[j] == 1 && p[j] == a && pionsmorts[j] && !avant[j] && plateaudepart[j] == a && pionsmortsbis[j])
        effacemarquechaine(p, 0, r, c, reste);
    });
    return;
  }
  const Table t = tablecourante(ligne, colonne);
  if (!t.etat) return;
  for (int32_t j = 0; j < NBCASES; ++j) {
    if (parcouru[j] != 1 || !pionsmorts[j] || avant[j]) continue;
    int32_t& e = t.etat[j];
    int32_t& val = t.valeur[j];
    const bool pa = p[j] == a, pb = p[j] == b;
    if (!pa && !pb) continue;
    switch (mode) {
      case 1:
        if (pa) {
          e = ETATVAINQUEUR;
          val = std::max(val, v);
        } else if (e == 0) {
          e = ETATVAINCU;
          val = -v;
        } else if (e != ETATVAINQUEUR) {
          e = ETATVAINCU;
          val = std::max(val, -v);
        }
        break;
      case 2:
        if (pa && e == 0) {
          e = ETATINCERTAIN;
          val = -100;
        } else if (pb && e == 0) {
          e = ETATINCERTAIN2;
          val = -v;
        } else if (pb && e == ETATINCERTAIN2) {
          val = std::max(val, -v);
        }
        break;
      case 3:
        if (e == 0) {
          e = ETATEGAL;
          if (val < 0) val = 0;
        }
        break;
      default:
        break;
    }
  }
}

bool marquesopposees(int32_t r1, int32_t c1, int32_t r2, int32_t c2, int32_t ligne, int32_t colonne) {
  const Table t = tablecourante(ligne, colonne);
  if (!t.etat) return false;
  const int32_t e1 = t.etat[ix(r1, c1)], e2 = t.etat[ix(r2, c2)];
  return ((e1 == ETATVAINQUEUR || e1 == ETATVAINCU) && e2 == ETATVAINCU) ||
         (e1 == ETATINCERTAIN && e2 == ETATINCERTAIN2);
}

void resultatcontact(const TPlateau& p, uint8_t a, uint8_t b, TMarques& vu, const TMarques& cartea,
                     const TMarques& carteb, const TMarques& avant, int32_t ligne, int32_t colonne, int32_t la,
                     int32_t lb, int32_t r, int32_t c) {
  // The contact region from the point.
  Contact k{p, a, b, vu, cartea, carteb, avant, la, lb, p};
  k.parcourscontact(0, r, c);
  // Equal or close levels.
  if (la == lb || (la <= 4 && lb <= 4 && std::abs(la - lb) <= 2)) {
    if (!sansstatut) ecritresultatzone(p, k.parcouru, avant, a, b, 3, ligne, colonne, 0);
    return;
  }
  const int32_t v = la - lb;
  // A living stone of a met: a holds.
  if (k.vivant) {
    ecritresultatzone(p, k.parcouru, avant, a, b, 1, ligne, colonne, v);
    return;
  }
  // A small region: the lower level loses it.
  const int32_t total = nbpoints(k.vides) + nbpoints(k.pierres);
  if (total <= 4) {
    ecritresultatzone(p, k.parcouru, avant, a, b, 2, ligne, colonne, v);
    return;
  }
  // Four true eyes of a among the points listed.
  int32_t yeux = 0;
  for (int32_t n = 1; n <= total; ++n) {
    const bool vide = n <= nbpoints(k.vides);
    const TListePoints& l = vide ? k.vides : k.pierres;
    const int32_t m = vide ? n : n - nbpoints(k.vides);
    if (testvraioeil(vide ? p : k.copie, b, ligneliste(l, m), colonneliste(l, m))) ++yeux;
    if (yeux >= 4) {
      ecritresultatzone(p, k.parcouru, avant, a, b, 1, ligne, colonne, v);
      return;
    }
    if (yeux + (total - n) < 4) break;
  }
  ecritresultatzone(p, k.parcouru, avant, a, b, 2, ligne, colonne, v);
}

void resultatzone(const TPlateau& p, uint8_t a, uint8_t b, const TMarques& avant, TMarques& carte, int32_t ligne,
                  int32_t colonne, int32_t r, int32_t c) {
  Zone z{p, a, b, carte, carte[ix(r, c)]};
  // The zone from the point.
  z.parcourszone(0, r, c);
  // Moves the empty points cost.
  bool change = false;
  int32_t coups = z.passesvides(change);
  // And the chains in atari.
  if (nbpoints(z.A) > 0) coups += z.passesatari(change, ligne, colonne);
  // The zone's level: its eye points and moves, saturated.
  const uint8_t niveauzone = static_cast<uint8_t>(std::min(NIVEAUMAX, nbpoints(z.E) + coups));
  for (int32_t j = 0; j < NBCASES; ++j) {
    const bool marque = z.V[j] == 1 || z.P[j] == 1;
    if (marque && (p[j] == VIDE || (p[j] == a && pionsmorts[j] && !avant[j]))) carte[j] = niveauzone;
    else if (z.V[j] && carte[j] == 1) carte[j] = 0;
  }
}

void passecontacts(const TPlateau& p, TMarques& blancs, TMarques& noirs, const TMarques& avant, int32_t ligne,
                   int32_t colonne) {
  contacts(p, blancs, noirs, avant, ligne, colonne, false);
}

void resultatsessaiscartes(const TPlateau& p, const TMarques& avant, int32_t ligne, int32_t colonne) {
  if (!sansstatut) return;
  contacts(p, zonesmortesblanc, zonesmortesnoir, avant, ligne, colonne, true);
}
