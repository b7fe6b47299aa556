// The diagonal rule, liberty collectors of linked chains and point link tests.
#include "engine/board/collecteurs.h"

#include <climits>

#include "engine/board/acces.h"
#include "engine/board/autoatari.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"

namespace {

// Calls f(r2, c2) for each unmarked stone of `couleur` diagonal to (r, c)
// that the diagonal rule links to it, in the rule's order.
template <class F>
void diagonalesliees(const TPlateau& p, const TMarques& vu, uint8_t couleur, int32_t r, int32_t c, F&& f) {
  pas4(r, c, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] == couleur && diagonaleliee(p, couleur, r, c, r2, c2)) f(r2, c2);
    return false;
  });
}

// The linked-chain rule: at each stone, its orthogonal neighbours in the
// walk order (unvisited empty points to `vide(j, r2, c2)`, own stones
// crossed, other stones to `ennemi(j, r2, c2)`), then the unvisited stones
// the diagonal rule links to it, one level deeper while the level is below
// `profondeurmax`. The stones entered are marked in vu.
template <class V, class E>
struct Lie {
  const TPlateau& p;
  TMarques& vu;
  int32_t profondeurmax;
  V vide;
  E ennemi;

  void marche(int32_t r, int32_t c, int32_t profondeur) {
    const uint8_t x = p[ix(r, c)];
    vu[ix(r, c)] = 1;
    pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (vu[j]) return false;
      if (p[j] == VIDE) vide(j, r2, c2);
      else if (p[j] == x) marche(r2, c2, profondeur);
      else ennemi(j, r2, c2);
      return false;
    });
    if (profondeur < profondeurmax)
      diagonalesliees(p, vu, x, r, c, [&](int32_t r2, int32_t c2) {
        if (!vu[ix(r2, c2)]) marche(r2, c2, profondeur + 1);
      });
  }
};
template <class V, class E>
Lie(const TPlateau&, TMarques&, int32_t, V, E) -> Lie<V, E>;


bool contient(const TListePoints& l, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return true;
  return false;
}

// The liberties, marked and appended.
auto libertes(TMarques& vu, TListePoints& l, int32_t cap) {
  return [&vu, &l, cap](int32_t j, int32_t r2, int32_t c2) {
    vu[j] = 1;
    empilepoint(l, cap, r2, c2);
  };
}
// Opponent chains in atari: their liberties with the chains in atari they touch.
auto ataris(const TPlateau& p, TMarques& vu, TListePoints& l, int32_t cap) {
  return [&p, &vu, &l, cap](int32_t j, int32_t r2, int32_t c2) {
    if (libs(j) == 1) libertesetatari(p, l, cap, 0, r2, c2, vu);
  };
}
}  // namespace

bool diagonaleliee(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c, int32_t r2, int32_t c2) {
  const bool videa = p[ix(r2, c)] == VIDE;  // shared point in the row direction
  const bool videb = p[ix(r, c2)] == VIDE;  // shared point in the column direction
  if (videa && videb) return true;
  const uint8_t o = autre(couleur);
  if (videa) return testautoatari(p, o, r2, c);
  if (videb) return testautoatari(p, o, r, c2);
  return false;
}

void listelibertesetcaptures2(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c,
                              int32_t profondeurmax, int32_t profondeur) {
  const auto atari = ataris(p, vu, l, cap);
  Lie{p, vu, profondeurmax, libertes(vu, l, cap), [&](int32_t j, int32_t r2, int32_t c2) {
        if (libs(j) == 2) libertesdelachaine(p, l, cap, 0, r2, c2, vu);
        atari(j, r2, c2);
      }}.marche(r, c, profondeur);
}

void listelibertesetcaptures(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c) {
  listelibertesetcaptures2(p, l, cap, vu, r, c, INT_MAX, 0);
}

void listelibertesaveccaptures(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r,
                               int32_t c) {
  Lie{p, vu, INT_MAX, libertes(vu, l, cap), ataris(p, vu, l, cap)}.marche(r, c, 0);
}

void listelibertesavecmorts(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c) {
  Lie{p, vu, INT_MAX, libertes(vu, l, cap), [&](int32_t j, int32_t r2, int32_t c2) {
        if (libs(j) == 1 || (libs(j) == 2 && !pionsmorts[j])) libertesetcapturables(p, l, cap, 0, r2, c2, vu);
      }}.marche(r, c, 0);
}

void listelibertesdelachaineliee(const TPlateau& p, TListePoints& l, int32_t cap, TListePoints& ataris,
                                 int32_t capataris, TMarques& vu, int32_t r, int32_t c) {
  // Each opponent stone in atari goes into its list once.
  Lie{p, vu, INT_MAX, libertes(vu, l, cap), [&](int32_t j, int32_t r2, int32_t c2) {
        if (libs(j) == 1 && !contient(ataris, r2, c2)) empilepoint(ataris, capataris, r2, c2);
      }}.marche(r, c, 0);
}

void listelibertessimple(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c) {
  Lie{p, vu, INT_MAX, libertes(vu, l, cap), Rien{}}.marche(r, c, 0);
}

void marquelibertes(const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  Lie{p, m, INT_MAX, [&](int32_t j, int32_t, int32_t) { m[j] = 1; }, [&](int32_t j, int32_t r2, int32_t c2) {
        if (libs(j) < 4) marquepionschaine(p, m, 0, r2, c2);
      }}.marche(r, c, 0);
}

namespace {
void comptejusqua(const TPlateau& p, TMarques& vu, int32_t& n, int32_t r, int32_t c, int32_t borne, bool saut) {
  // A hop into a chain that already has the bound.
  if (saut && libs(ix(r, c)) >= borne) {
    n = borne;
    return;
  }
  // Liberties and own stones, the bound checked after each direction.
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  const bool fini = pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j]) {
      if (p[j] == VIDE) {
        vu[j] = 1;
        ++n;
      } else if (p[j] == x) {
        comptejusqua(p, vu, n, r2, c2, borne, saut);
      }
    }
    return n >= borne;
  });
  if (fini || saut) return;
  // One diagonal hop from each stone while short of the bound.
  pas4(r, c, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    if (n >= borne) return true;
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] == x && diagonaleliee(p, x, r, c, r2, c2)) comptejusqua(p, vu, n, r2, c2, borne, true);
    return false;
  });
}
}  // namespace

void comptelibertesjusqua(const TPlateau& p, TMarques& vu, int32_t& n, int32_t colonne, int32_t ligne,
                          int32_t borne, uint8_t saut) {
  comptejusqua(p, vu, n, ligne, colonne, borne, saut != 0);
}

bool pointliea(const TPlateau& p, const TMarques& m, int32_t ligne, uint8_t x, int32_t colonne) {
  const auto libre = [&](int32_t r, int32_t c) { return p[ix(r, c)] == x && !m[ix(r, c)]; };
  if (pas4(ligne, colonne, ORDREMARCHE, libre)) return true;
  return pas4(ligne, colonne, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    return libre(r2, c2) && p[ix(r2, colonne)] == VIDE && p[ix(ligne, c2)] == VIDE;
  });
}

bool pointlieajump(const TPlateau& p, const TMarques& m, int32_t ligne, uint8_t x, int32_t colonne) {
  if (pointliea(p, m, ligne, x, colonne)) return true;
  for (const auto& o : ORDREMARCHE) {
    const int32_t r2 = ligne + 2 * o[0], c2 = colonne + 2 * o[1];
    if (surplateaumoteur(r2, c2) && p[ix(ligne + o[0], colonne + o[1])] == VIDE && p[ix(r2, c2)] == x &&
        !m[ix(r2, c2)])
      return true;
  }
  return false;
}
