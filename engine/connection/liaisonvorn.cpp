// Unit liaisonvorn: linked chains.
#include "engine/connection/liaisonvorn.h"

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/reading/prise.h"
#include "engine/board/trace.h"

namespace {

inline bool bord(int32_t r, int32_t c) { return bordgoban[ix(r, c)] != 0; }
inline int32_t dist(int32_t r, int32_t c) { return distancebord[ix(r, c)]; }

// Directions of the jumps, in the order +row, -row, +col, -col.

// What the rules look at from a start stone S = (r, c) of colour C: the
// target of a jump or pattern holds C and is marked (tests) or not (fills).
struct Regard {
  const TPlateau& p;
  const TMarques& m;
  int32_t r, c;
  uint8_t C, O;
  bool marque;

  Regard(const TPlateau& p_, const TMarques& m_, int32_t r_, int32_t c_, bool marque_)
      : p(p_), m(m_), r(r_), c(c_), C(p_[ix(r_, c_)]), O(autre(p_[ix(r_, c_)])), marque(marque_) {}

  bool cible(int32_t r2, int32_t c2) const { return tient(p, r2, c2, C) && (m[ix(r2, c2)] != 0) == marque; }
  bool enemi(int32_t r2, int32_t c2) const { return tient(p, r2, c2, O); }
  bool vide(int32_t r2, int32_t c2) const { return tient(p, r2, c2, VIDE); }
  bool propre(int32_t r2, int32_t c2) const { return tient(p, r2, c2, C); }
  int32_t libs0() const { return libs(r, c); }

  // Rule set 1 jump in direction k.
  bool sautregle1(int32_t k) const {
    const int32_t dr = ORDREMARCHE[k][0], dc = ORDREMARCHE[k][1];
    const int32_t sr = dr ? 0 : 1, sc = dr ? 1 : 0;  // side of F1
    const int32_t gr = r + dr, gc = c + dc, tr = r + 2 * dr, tc = c + 2 * dc;
    // An empty gap and a target two points away.
    if (!surplateaumoteur(tr, tc) || !cible(tr, tc) || !vide(gr, gc)) return false;
    // Target liberties.
    const int32_t lt = libs(tr, tc);
    if (!(lt >= 3 || (lt == 2 && bord(r, c) && bord(tr, tc)))) return false;
    // Bamboo joint on either side.
    if (vide(gr + sr, gc + sc) && propre(r + sr, c + sc) && propre(tr + sr, tc + sc)) return true;
    if (vide(gr - sr, gc - sc) && propre(r - sr, c - sc) && propre(tr - sr, tc - sc)) return true;
    // Flanks held by O: tolerated only on the second line with
    // the flank toward the centre and no O chain outside atari on the first line.
    const int32_t q = dr ? c : r;
    const auto horsatari = [&](int32_t r2, int32_t c2) { return enemi(r2, c2) && libs(r2, c2) != 1; };
    if (enemi(gr + sr, gc + sc) &&
        !(q == 2 && !horsatari(r - sr, c - sc) && !horsatari(tr - sr, tc - sc)))
      return false;
    if (enemi(gr - sr, gc - sc) &&
        !(q == taillemoteur() - 1 && !horsatari(r + sr, c + sc) && !horsatari(tr + sr, tc + sc)))
      return false;
    // Squeeze from both sides.
    if (q != 1 && q != taillemoteur()) {
      const bool cote1 = enemi(r + sr, c + sc) || enemi(tr + sr, tc + sc);
      const bool cote2 = enemi(r - sr, c - sc) || enemi(tr - sr, tc - sc);
      if (cote1 && cote2) return false;
    }
    return true;
  }

  // Rule set 1 jumps: calls f(T) for each; stops when f returns true.
  template <class F>
  bool sautsregle1(F&& f) const {
    const int32_t l = libs0();
    if (!(l >= 3 || (l == 2 && bord(r, c)))) return false;
    for (int32_t k = 0; k < 4; ++k)
      if (sautregle1(k) && f(r + 2 * ORDREMARCHE[k][0], c + 2 * ORDREMARCHE[k][1])) return true;
    return false;
  }

  // Rule set 2: jumps along the first line, then bamboo joints.
  template <class F>
  bool sautsregle2(F&& f) const {
    const int32_t n = taillemoteur();
    if (bord(r, c) && libs0() >= 2) {
      const auto saut = [&](int32_t dr, int32_t dc, int32_t ir, int32_t ic) {
        const int32_t gr = r + dr, gc = c + dc, tr = r + 2 * dr, tc = c + 2 * dc;
        if (!surplateaumoteur(tr, tc) || !cible(tr, tc) || !vide(gr, gc) || libs(tr, tc) < 2) return false;
        // The inner flank only in atari.
        const int32_t fr = gr + ir, fc = gc + ic;
        if (enemi(fr, fc) && libs(fr, fc) != 1) return false;
        return f(tr, tc);
      };
      if (c == 1 || c == n) {
        const int32_t ic = c == 1 ? 1 : -1;
        if (saut(1, 0, 0, ic) || saut(-1, 0, 0, ic)) return true;
      }
      if (r == 1 || r == n) {
        const int32_t ir = r == 1 ? 1 : -1;
        if (saut(0, 1, ir, 0) || saut(0, -1, ir, 0)) return true;
      }
    }
    for (const auto& d : ORDREMARCHE) {
      const int32_t dr = d[0], dc = d[1];
      const int32_t sr = dr ? 0 : 1, sc = dr ? 1 : 0;
      const int32_t gr = r + dr, gc = c + dc, tr = r + 2 * dr, tc = c + 2 * dc;
      if (!surplateaumoteur(tr, tc) || !vide(gr, gc) || !cible(tr, tc)) continue;
      const bool bambou =
          (vide(gr + sr, gc + sc) && propre(r + sr, c + sc) && propre(tr + sr, tc + sc)) ||
          (vide(gr - sr, gc - sc) && propre(r - sr, c - sc) && propre(tr - sr, tc - sc));
      if (bambou && f(tr, tc)) return true;
    }
    return false;
  }

  // Point of the pattern offset (a, b) in orientation k; row 0 off the board.
  TPoint pt(int32_t a, int32_t b, int32_t k) const {
    TPoint q;
    symetrie(r, c, a, b, k, q.ligne, q.colonne);
    return q;
  }
  bool enemi(const TPoint& q) const { return q.ligne != 0 && enemi(q.ligne, q.colonne); }
  bool enemifort(const TPoint& q) const { return enemi(q) && libs(q.ligne, q.colonne) >= 2; }
  bool ciblemotif(const TPoint& q) const {
    return q.ligne != 0 && cible(q.ligne, q.colonne) && libs(q.ligne, q.colonne) >= 3;
  }

  // First-line pattern in orientation k (small then large knight).
  bool motifpremiereligne(int32_t k, TPoint& lien) const {
    const int32_t n = taillemoteur();
    const TPoint p1 = pt(2, 1, k);
    if (p1.ligne == 0 || dist(p1.ligne, p1.colonne) > 1 || enemi(p1)) return false;
    if (!((r == 1 && p1.ligne == 2) || (c == 1 && p1.colonne == 2) || (r == n && p1.ligne == n - 1) ||
          (c == n && p1.colonne == n - 1)))
      return false;
    if (ciblemotif(p1)) {
      if (enemi(pt(2, 0, k)) || enemi(pt(1, 1, k)) || enemi(pt(1, 0, k)) || enemi(pt(3, 0, k))) return false;
      lien = p1;
      return true;
    }
    const TPoint p2 = pt(3, 1, k);
    if (p2.ligne == 0 || dist(p2.ligne, p2.colonne) > 1 || !ciblemotif(p2)) return false;
    if (bord(p2.ligne, p2.colonne) && libs(p2.ligne, p2.colonne) < 4) return false;
    if (enemifort(pt(0, 1, k)) && enemifort(pt(1, 2, k))) return false;
    for (const auto& o : {pt(1, 1, k), pt(1, 0, k), pt(2, 1, k), pt(3, 0, k), pt(2, 0, k), pt(4, 0, k)})
      if (enemi(o)) return false;
    lien = p2;
    return true;
  }

  // Second-line pattern in orientation k (down to the first line).
  bool motifdeuxiemeligne(int32_t k, TPoint& lien) const {
    const TPoint p1 = pt(2, -1, k);
    if (p1.ligne == 0 || !bord(p1.ligne, p1.colonne) || enemi(p1)) return false;
    if (ciblemotif(p1)) {
      if (enemi(pt(0, -1, k)) || enemi(pt(1, 0, k)) || enemi(pt(1, -1, k)) || enemi(pt(-1, -1, k))) return false;
      lien = p1;
      return true;
    }
    if (bord(r, c) && libs0() < 4) return false;
    const TPoint p2 = pt(3, -1, k);
    if (!ciblemotif(p2)) return false;
    if (enemifort(pt(3, 0, k)) && enemifort(pt(2, 1, k))) return false;
    for (const auto& o : {pt(0, -1, k), pt(1, 0, k), pt(1, -1, k), pt(2, 0, k), pt(2, -1, k), pt(-1, -1, k)})
      if (enemi(o)) return false;
    lien = p2;
    return true;
  }

  // Edge patterns: the first success.
  bool motif(TPoint& lien) const {
    lien = TPoint{};
    if (dist(r, c) > 1 || libs0() < 3) return false;
    const int32_t n = taillemoteur();
    const bool deuxieme = !bord(r, c) || r == 2 || c == 2 || r == n - 1 || c == n - 1;
    for (int32_t k = 0; k < 8; ++k) {
      if (motifpremiereligne(k, lien)) return true;
      if (deuxieme && motifdeuxiemeligne(k, lien)) return true;
    }
    lien = TPoint{};
    return false;
  }
};

// Calls f(D) for each unmarked stone of C diagonal to S that the diagonal rule links.
template <class F>
void diagonalesliees(const TPlateau& p, const TMarques& m, uint8_t couleur, int32_t r, int32_t c, F&& f) {
  for (const auto& o : ORDREDIAGONAL) {
    const int32_t r2 = r + o[0], c2 = c + o[1];
    if (tient(p, r2, c2, couleur) && !m[ix(r2, c2)] && diagonaleliee(p, couleur, r, c, r2, c2)) f(r2, c2);
  }
}

// Orthogonal and diagonal steps of every fill, recursing through `suite`.
template <class F>
void liensproches(const TPlateau& p, TMarques& m, uint8_t couleur, int32_t r, int32_t c, F&& suite) {
  pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] == couleur && !m[ix(r2, c2)]) suite(r2, c2);
    return false;
  });
  diagonalesliees(p, m, couleur, r, c, [&](int32_t r2, int32_t c2) {
    if (!m[ix(r2, c2)]) suite(r2, c2);
  });
}

// Edge patterns of a fill: recurse from each pattern link until none is left.
template <class F>
void motifsremplissage(const TPlateau& p, TMarques& m, int32_t r, int32_t c, F&& suite) {
  if (dist(r, c) >= 2) return;
  TPoint lien;
  while (cherchelienparmotif(p, m, r, c, lien)) {
    suite(lien.ligne, lien.colonne);
    // Every fill marks the point it is handed; a point left unmarked would be
    // handed back for ever.
    if (!m[ix(lien.ligne, lien.colonne)]) break;
  }
}

void remplitregle1(const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  m[ix(r, c)] = 1;
  const uint8_t x = p[ix(r, c)];
  const auto suite = [&](int32_t r2, int32_t c2) { remplitregle1(p, m, r2, c2); };
  liensproches(p, m, x, r, c, suite);
  Regard(p, m, r, c, false).sautsregle1([&](int32_t r2, int32_t c2) {
    if (!m[ix(r2, c2)]) suite(r2, c2);
    return false;
  });
  motifsremplissage(p, m, r, c, suite);
}

void remplitregle2(const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  m[ix(r, c)] = 1;
  const uint8_t x = p[ix(r, c)];
  const auto suite = [&](int32_t r2, int32_t c2) { remplitregle2(p, m, r2, c2); };
  liensproches(p, m, x, r, c, suite);
  Regard(p, m, r, c, false).sautsregle2([&](int32_t r2, int32_t c2) {
    if (!m[ix(r2, c2)]) suite(r2, c2);
    return false;
  });
  motifsremplissage(p, m, r, c, suite);
}

// Orthogonal, diagonal and diagonal-flanked links.
bool lieprochemarque(const Regard& g) {
  const TPlateau& p = g.p;
  const int32_t r = g.r, c = g.c;
  if (pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == g.C && g.m[ix(r2, c2)]; }))
    return true;
  for (const auto& o : ORDREDIAGONAL) {
    const int32_t dr = o[0], dc = o[1], r2 = r + dr, c2 = c + dc;
    if (!g.propre(r2, c2)) continue;
    if (g.m[ix(r2, c2)]) {
      if (diagonaleliee(p, g.C, r, c, r2, c2)) return true;
      continue;
    }
    if (g.libs0() < 2 || libs(r2, c2) < 2) continue;
    // Gap in the row direction, then in the column direction; the point on
    // the other side of the gap from D must not hold O.
    const int32_t gaps[2][4] = {{r + dr, c, r + dr, c - dc}, {r, c + dc, r - dr, c + dc}};
    for (const auto& gp : gaps) {
      const int32_t gr = gp[0], gc = gp[1];
      const int32_t tr = r + 2 * (gr - r), tc = c + 2 * (gc - c);
      if (!g.vide(gr, gc) || !surplateaumoteur(tr, tc) || !g.cible(tr, tc) || libs(tr, tc) < 2) continue;
      if (!g.enemi(gp[2], gp[3])) return true;
    }
  }
  return false;
}

// An own neighbour leads past two empty points to a marked stone.
bool sautvoisinmarque(const Regard& g) {
  if (g.libs0() < 3) return false;
  const int32_t r = g.r, c = g.c;
  for (const auto& d : ORDREMARCHE) {
    const int32_t dr = d[0], dc = d[1];
    if (!g.vide(r + dr, c + dc) || !g.vide(r + 2 * dr, c + 2 * dc)) continue;
    const int32_t sr = dr ? 0 : 1, sc = dr ? 1 : 0;
    for (const int32_t s : {1, -1}) {
      const int32_t ar = sr * s, ac = sc * s;
      const int32_t tr = r + 2 * dr + ar, tc = c + 2 * dc + ac;
      if (!g.propre(r + ar, c + ac) || !g.cible(tr, tc) || libs(tr, tc) < 3) continue;
      if (g.enemi(r + dr + ar, c + dc + ac) || g.enemi(r + dr + 2 * ar, c + dc + 2 * ac)) continue;
      return true;
    }
  }
  return false;
}

bool toujoursvrai(int32_t, int32_t) { return true; }

void remplitviamorts(const TPlateau& p, TMarques& m, int32_t r, int32_t c, uint8_t propre, uint8_t ennemi) {
  const int32_t i = ix(r, c);
  // Marked first, so a dead own stone is visited once and the pattern
  // search moves on past it; nothing is followed from it.
  m[i] = 1;
  if (p[i] == propre && pionsmorts[i]) return;
  pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (!m[j] && (p[j] == propre || (p[j] == ennemi && pionsmorts[j]))) remplitviamorts(p, m, r2, c2, propre, ennemi);
    return false;
  });
  if (p[i] != propre) return;
  const auto suite = [&](int32_t r2, int32_t c2) { remplitviamorts(p, m, r2, c2, propre, ennemi); };
  for (const auto& o : ORDREDIAGONAL) {
    const int32_t r2 = r + o[0], c2 = c + o[1];
    if (tient(p, r2, c2, propre) && !m[ix(r2, c2)] && diagonaleliee(p, propre, r, c, r2, c2)) suite(r2, c2);
  }
  Regard(p, m, r, c, false).sautsregle1([&](int32_t r2, int32_t c2) {
    if (!m[ix(r2, c2)]) metlachainelieen2coupatest1(p, m, r2, c2);
    return false;
  });
  motifsremplissage(p, m, r, c, suite);
}

void remplitsimple(int32_t* n, const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  m[ix(r, c)] = 1;
  if (n) ++*n;
  liensproches(p, m, p[ix(r, c)], r, c, [&](int32_t r2, int32_t c2) { remplitsimple(n, p, m, r2, c2); });
}

bool lecturepriseengine(TPlateau& p, int32_t r, int32_t c, int32_t profondeur, int32_t limite, uint8_t couleur,
                        const TPoint& ko) {
  return testprise(p, r, c, profondeur, limite, couleur, ko);
}

}  // namespace

TLecturePrise lectureprise = lecturepriseengine;

void metlachainelieen2coupatest1(const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  if (p[ix(r, c)] == VIDE) {
    m[ix(r, c)] = 1;
    ecritdebug("pb case vide dans metlachainelieen2coupatest1 (liaisonvorn)");
    affichecasesmarquees(p);
    return;
  }
  remplitregle1(p, m, r, c);
}

void metlachaineliee(const TPlateau& p, TMarques& m, int32_t r, int32_t c) { remplitregle2(p, m, r, c); }

bool pionlieachainetest1(const TPlateau& p, const TMarques& m, int32_t r, int32_t c) {
  const Regard g(p, m, r, c, true);
  return lieprochemarque(g) || g.sautsregle1(toujoursvrai) || sautvoisinmarque(g) || pionlieparmotif(p, m, r, c);
}

bool pionlieachaine(const TPlateau& p, const TMarques& m, int32_t r, int32_t c) {
  const Regard g(p, m, r, c, true);
  return lieprochemarque(g) || g.sautsregle2(toujoursvrai) || pionlieparmotif(p, m, r, c);
}

bool cherchelienparmotif(const TPlateau& p, const TMarques& m, int32_t r, int32_t c, TPoint& lien) {
  return Regard(p, m, r, c, false).motif(lien);
}

bool pionlieparmotif(const TPlateau& p, const TMarques& m, int32_t r, int32_t c) {
  TPoint lien;
  return Regard(p, m, r, c, true).motif(lien);
}

void metlachainelieeviamorts(const TPlateau& p, TMarques& m, int32_t r, int32_t c, uint8_t propre, uint8_t ennemi) {
  remplitviamorts(p, m, r, c, propre, ennemi);
}

void metlachainelieesimple(const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  remplitsimple(nullptr, p, m, r, c);
}

void comptepionschaineliee(int32_t& n, const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  remplitsimple(&n, p, m, r, c);
}

namespace {
// Board and chain table of a caller, put back when the scope ends.
struct Sauvegarde {
  TPlateau& p;
  const TPlateau plateau;
  const TInfoChaine chaines;
  explicit Sauvegarde(TPlateau& p_) : p(p_), plateau(p_), chaines(infochaine) {}
  void remet() {
    p = plateau;
    infochaine = chaines;
  }
  ~Sauvegarde() { remet(); }
};

TListePoints prisesjoue;  // scratch of joue: captures, never read
TListePoints prisesniveaulien;  // scratch of choisitniveaulien: captures of the opponent's tries

void joue(TPlateau& p, int32_t r, int32_t c, uint8_t couleur) {
  prisesjoue[0] = 0;
  jouecoup(prisesjoue, CAPACITELISTE, p, r, c, couleur, autre(couleur));
}
}  // namespace

void metlachainelieesliensessais(TPlateau& p, TMarques& m, const TMarques& points, int32_t r, int32_t c) {
  Sauvegarde s(p);
  const uint8_t ennemi = autre(p[ix(r, c)]);
  const int32_t n = taillemoteur();
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (points[ix(i, j)] && p[ix(i, j)] == VIDE) joue(p, i, j, ennemi);
  if (p[ix(r, c)] == VIDE) {
    s.remet();
    marquepionschaine(p, m, 0, r, c);
    return;
  }
  metlachainelieen2coupatest1(p, m, r, c);
}

bool choisitniveaulien(TPlateau& p, const TMarques& m, int32_t r, int32_t c, int32_t niveaulien, int32_t n) {
  const auto lie = [&] { return niveaulien >= 2 ? pionlieachainetest1(p, m, r, c) : pionlieachaine(p, m, r, c); };
  // Linked as it stands.
  if (lie()) return true;
  // Enough liberties and empty neighbours to be tested further.
  int32_t vides = 0;
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] == VIDE) ++vides;
    return false;
  });
  if (libs(r, c) < 2 || vides < n) return false;
  // The opponent on each empty neighbour in turn.
  const uint8_t x = p[ix(r, c)], o = autre(x);
  TListePoints& prises = prisesniveaulien;
  int32_t tenus = 0;
  return pastable(r, c, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] != VIDE) return false;
    const Restaure plateau(p);
    const Restaure chaines(infochaine);
    prises[0] = 0;
    jouecoup(prises, CAPACITELISTE, p, r2, c2, o, x);
    if (p[ix(r, c)] == x && lie()) ++tenus;
    return tenus >= n;
  });
}

bool lienen1coup(TPlateau& p, const TMarques& m, int32_t r, int32_t c) {
  if (pionlieachainetest1(p, m, r, c)) return true;
  const uint8_t x = p[ix(r, c)];
  Sauvegarde s(p);
  return pastable(r, c, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] != VIDE) return false;
    joue(p, r2, c2, x);
    const bool lie = p[ix(r, c)] == x && pionlieachainetest1(p, m, r, c);
    s.remet();
    return lie;
  });
}

bool testelienpossible(TPlateau& p, const TMarques& m, const TMarques& prenables, int32_t r, int32_t c) {
  // Liberties of the stone and the weak enemy chains beside it.
  const int32_t l0 = libs(r, c);
  if (l0 == 1) return false;
  const uint8_t x = p[ix(r, c)], o = autre(x);
  TListePoints liste;
  liste[0] = 0;
  TMarques vu = marquesvides;
  bool atari = false, deuxlibertes = false;
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    const uint8_t v = p[ix(r2, c2)];
    if (v == VIDE) {
      vu[ix(r2, c2)] = 1;
      empilepoint(liste, MAXPOINTSLISTE, r2, c2);
    } else if (v == o) {
      if (libs(r2, c2) == 1) atari = true;
      if (l0 != 2 && libs(r2, c2) == 2) deuxlibertes = true;
    }
    return false;
  });
  if (nbpoints(liste) == 0 || (!atari && !deuxlibertes)) return false;

  // The other liberties of a chain of several stones.
  if (infochaine[ix(r, c)][1] != 1) libertesdelachaine(p, liste, MAXPOINTSLISTE, 0, r, c, vu);

  // A linking move among the liberties.
  bool coupliant = false;
  {
    Sauvegarde s(p);
    for (int32_t k = 1; k <= nbpoints(liste) && !coupliant; ++k) {
      const int32_t r2 = ligneliste(liste, k), c2 = colonneliste(liste, k);
      joue(p, r2, c2, x);
      coupliant = p[ix(r2, c2)] == x && pionlieachainetest1(p, m, r2, c2);
      s.remet();
    }
  }

  // Before each scan: the visited board holds the points of the list only.
  const auto prepare = [&] {
    vu = marquesvides;
    for (int32_t k = 1; k <= nbpoints(liste); ++k) vu[ix(ligneliste(liste, k), colonneliste(liste, k))] = 1;
  };
  // A neighbour chain with `n` liberties, not yet walked, touching a marked
  // stone and passing `accepte`.
  const auto scan = [&](int32_t n, auto&& accepte) {
    prepare();
    return pastable(r, c, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (p[j] == VIDE || libs(r2, c2) != n || vu[j]) return false;
      return chainetouchemarque2(p, vu, m, r2, c2) && accepte(r2, c2);
    });
  };

  if (coupliant) {
    // Taking a chain in atari, or a two-liberty chain flagged or read as lost.
    if (atari && scan(1, toujoursvrai)) return true;
    if (!deuxlibertes) return false;
    return scan(2, [&](int32_t r2, int32_t c2) {
      if (prenables[ix(r2, c2)]) return true;
      Sauvegarde s(p);
      return lectureprise(p, r2, c2, profondeurlecture, paramniveaub, o, pointko);
    });
  }

  // Without a linking move only the flagged chains count.
  if (prenables[ix(r, c)]) return false;
  const auto signale = [&](int32_t r2, int32_t c2) { return prenables[ix(r2, c2)] != 0; };
  if (atari && scan(1, signale)) return true;
  return deuxlibertes && scan(2, signale);
}

bool chainelieeapresessai(const TMarques& m, int32_t a, int32_t b) {
  const TEssaiCoup& e = essaiordi(a, b);
  const int32_t n = taillemoteur();
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (m[ix(i, j)] && (e.liensessai[ix(i, j)] & 0x20)) return true;
  return false;
}

bool rectanglecoinvide(const TPlateau& p, int32_t r, int32_t c) {
  const int32_t n = taillemoteur(), milieu = n / 2 + 1;
  if (bord(r, c) || r == milieu || c == milieu) return false;
  const int32_t l1 = r < milieu ? 1 : r, l2 = r < milieu ? r : n;
  const int32_t c1 = c < milieu ? 1 : c, c2 = c < milieu ? c : n;
  for (int32_t i = l1; i <= l2; ++i)
    for (int32_t j = c1; j <= c2; ++j)
      if ((i != r || j != c) && p[ix(i, j)] != VIDE) return false;
  return true;
}
