// Link tests toward territory and toward live chains.
#include "engine/connection/lienvivant.h"

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/board/autoatari.h"
#include "engine/board/garde.h"

namespace {

inline bool seul(int32_t r, int32_t c) { return infochaine[ix(r, c)][1] == 1; }

enum class Famille { territoire, vivant };

// The tests of one family from the stone S = (r, c).
struct Lien {
  const TPlateau& p;
  int32_t r, c;
  uint8_t C, O;
  Famille f;

  // An own target: holds C and is own territory, or is not flagged dead.
  bool cible(int32_t r2, int32_t c2) const {
    if (!tient(p, r2, c2, C)) return false;
    return f == Famille::territoire ? territoire[ix(r2, c2)] == C : !pionsmorts[ix(r2, c2)];
  }
  bool enemi(int32_t r2, int32_t c2) const { return tient(p, r2, c2, O); }

  bool direct() const {
    return pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return cible(r2, c2); });
  }

  // Diagonal test: the diagonal rule, or the jump past an own diagonal stone
  // that is not a target.
  bool diagonale() const {
    for (const auto& o : ORDREDIAGONAL) {
      const int32_t dr = o[0], dc = o[1], r2 = r + dr, c2 = c + dc;
      if (!tient(p, r2, c2, C)) continue;
      if (cible(r2, c2)) {
        if (diagonaleliee(p, C, r, c, r2, c2)) return true;
        continue;
      }
      if (libs(r, c) < 2 || libs(r2, c2) < 2) continue;
      const int32_t gaps[2][4] = {{r + dr, c, r + dr, c - dc}, {r, c + dc, r - dr, c + dc}};
      for (const auto& g : gaps) {
        const int32_t tr = r + 2 * (g[0] - r), tc = c + 2 * (g[1] - c);
        if (!tient(p, g[0], g[1], VIDE) || !cible(tr, tc) || libs(tr, tc) < 2) continue;
        if (!enemi(g[2], g[3])) return true;
      }
    }
    return false;
  }

  // Jump test; the live stone reached goes into `lien`.
  bool saut(TPoint& lien) const {
    const int32_t n = configmoteur.taille;
    const bool J = libs(r, c) >= 3 || bordgoban[ix(r, c)];
    for (const auto& d : ORDREMARCHE) {
      const int32_t dr = d[0], dc = d[1];
      const int32_t sr = dr ? 0 : 1, sc = dr ? 1 : 0;
      const int32_t gr = r + dr, gc = c + dc, tr = r + 2 * dr, tc = c + 2 * dc;
      if (!tient(p, gr, gc, VIDE)) continue;
      // Straight jump; O flanks only toward the centre from the second line.
      const int32_t q = dr ? c : r;
      const bool refus1 = enemi(gr + sr, gc + sc) && q != 2;
      const bool refus2 = enemi(gr - sr, gc - sc) && q != 1 && q != n - 1;
      if (J && cible(tr, tc) && libs(tr, tc) >= 3 && !refus1 && !refus2) {
        lien = {tr, tc};
        return true;
      }
      // Toward a target beside T.
      if (enemi(tr, tc)) continue;
      for (const int32_t s : {1, -1}) {
        const int32_t ar = sr * s, ac = sc * s;
        if (cible(tr + ar, tc + ac) && !enemi(r + ar, c + ac) && !enemi(gr + ar, gc + ac)) {
          lien = {tr + ar, tc + ac};
          return true;
        }
      }
    }
    return false;
  }
  bool saut() const {
    TPoint lien;
    return saut(lien);
  }

  // Edge patterns toward every own target.
  bool motif() const {
    if (distancebord[ix(r, c)] > 1) return false;
    TMarques m = marquesvides;
    const int32_t n = configmoteur.taille;
    for (int32_t i = 1; i <= n; ++i)
      for (int32_t j = 1; j <= n; ++j)
        if (cible(i, j)) m[ix(i, j)] = 1;
    return pionlieparmotif(p, m, r, c);
  }
};

// pionsmorts and infochaine replaced for the length of a scope.
struct MortsSauves : Restaure<TMarques> {
  MortsSauves() : Restaure(pionsmorts) {}
};
struct ChainesSauvees : Restaure<TInfoChaine> {
  ChainesSauvees() : Restaure(infochaine) {}
};

}  // namespace

bool pionlieauterritoiredirect(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::territoire}.direct();
}
bool pionlievivantdirect(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::vivant}.direct();
}
bool pionlieauterritoireparsaut(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::territoire}.diagonale();
}
bool diagonalechainevivante(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::vivant}.diagonale();
}
bool sautversterritoire(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::territoire}.saut();
}
bool pionlieachainevivanteparsaut(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::vivant}.saut();
}
bool motifversterritoire(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::territoire}.motif();
}
bool pionlieachainevivanteforme(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  return Lien{p, r, c, C, O, Famille::vivant}.motif();
}

bool estlieauterritoire(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  if (r == 0 || libs(r, c) == 1) return false;
  const Lien l{p, r, c, C, O, Famille::territoire};
  if (!seul(r, c) && l.direct()) return true;
  return l.diagonale() || l.saut() || l.motif();
}

bool estlieauterritoiresimple(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  if (r == 0 || libs(r, c) == 1) return false;
  const Lien l{p, r, c, C, O, Famille::territoire};
  if (!seul(r, c) && l.direct()) return true;
  return l.diagonale();
}

bool estlieachainevivante(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  if (r == 0 || libs(r, c) == 1) return false;
  if (!seul(r, c) && !pionsmorts[ix(r, c)]) return true;
  const Lien l{p, r, c, C, O, Famille::vivant};
  return l.diagonale() || l.saut() || l.motif();
}

bool estlieachainevivanteavecmorts(const TMarques& morts, const TPlateau& p, int32_t r, int32_t c, uint8_t C,
                                   uint8_t O) {
  if (r == 0 || libs(r, c) == 1) return false;
  MortsSauves s;
  pionsmorts = morts;
  const Lien l{p, r, c, C, O, Famille::vivant};
  if (!seul(r, c) && l.direct()) return true;
  return l.diagonale() || l.saut() || l.motif();
}

namespace {
TPrisesMarquees priseszone;  // scratch of testelienchainevivantezone: captures of the move
TListePoints prisescopie;    // scratch of testelienchainevivantecopie: captures of the move
}  // namespace

bool testelienchainevivantezone(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  MortsSauves s;
  ChainesSauvees t;
  TPlateau q = p;
  TPrisesMarquees& prises = priseszone;
  prises[0] = 0;
  posepioncaptures(prises, CAPACITELISTE, q, r, c, C, O);
  majlibertes(q, prises[0], r, c);
  if (q[ix(r, c)] != C || pionsmorts[ix(r, c)]) return false;
  if (!seul(r, c)) return true;
  return Lien{q, r, c, C, O, Famille::vivant}.diagonale();
}

bool testelienchainevivantecopie(const TPlateau& p, uint8_t X, uint8_t Y, int32_t r, int32_t c) {
  MortsSauves s;
  ChainesSauvees t;
  TPlateau q = p;
  TListePoints& prises = prisescopie;
  prises[0] = 0;
  jouecoup(prises, CAPACITELISTE, q, r, c, X, Y);
  // The live-chain tests now look for the chains judged dead.
  const int32_t n = configmoteur.taille;
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (q[ix(i, j)] == X) pionsmorts[ix(i, j)] = pionsmorts[ix(i, j)] ? 0 : 1;
  if (q[ix(r, c)] == VIDE) return false;
  const Lien l{q, r, c, X, Y, Famille::vivant};
  return (!seul(r, c) && l.direct()) || l.diagonale();
}

bool pionlieachainevivante(const TPlateau& p, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  TMarques m = marquesvides;
  const int32_t n = configmoteur.taille;
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (p[ix(i, j)] == x && !pionsmorts[ix(i, j)]) m[ix(i, j)] = 1;
  return pionlieachaine(p, m, r, c);
}

bool cherchelienchainevivante(const TPlateau& p, TPoint& lien, int32_t r, int32_t c, uint8_t C, uint8_t O) {
  lien = TPoint{};
  static constexpr int32_t ordre[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
  for (const auto& o : ordre) {
    const int32_t r2 = r + o[0], c2 = c + o[1];
    if (!tient(p, r2, c2, C) || pionsmorts[ix(r2, c2)] || !diagonaleliee(p, C, r, c, r2, c2)) continue;
    // The row-direction point when it is empty and either both are or O
    // would be in self-atari there; else the column-direction point.
    const bool videa = p[ix(r2, c)] == VIDE, videb = p[ix(r, c2)] == VIDE;
    if (videa && (videb || testautoatari(p, O, r2, c)))
      lien = {r2, c};
    else
      lien = {r, c2};
    return true;
  }
  return false;
}

bool cherchesautchainevivante(const TPlateau& p, int32_t r, int32_t c, uint8_t C, uint8_t O, TPoint& lien) {
  lien = TPoint{};
  return Lien{p, r, c, C, O, Famille::vivant}.saut(lien);
}

bool pionlieamarque(const TPlateau& p, uint8_t C, int32_t r, int32_t c) {
  return pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    return p[ix(r2, c2)] == C && marquesglobales[ix(r2, c2)];
  });
}

bool estlieachainevivante2(TPlateau& p, int32_t r, int32_t c, uint8_t couleur) {
  // No link from a chain in atari; a live chain is linked.
  if (r == 0 || libs(r, c) == 1) return false;
  const int32_t i = ix(r, c);
  if (infochaine[i][1] != 1 && !pionsmorts[i]) return true;
  // A stone of the colour on each empty neighbour in turn, the
  // start flagged dead meanwhile.
  const uint8_t o = autre(couleur);
  const Restaure mort(pionsmorts[i]);
  pionsmorts[i] = 1;
  int32_t score = 0;
  pastable(r, c, [&](int32_t r2, int32_t c2) {
    const int32_t e = ix(r2, c2);
    if (p[e] != VIDE) return false;
    const Restaure pose(p[e]);
    const Restaure libertes(infochaine[e][0]);
    p[e] = couleur;
    infochaine[e][0] = 3;
    if (voisincouleurnonmarque(p, couleur, r2, c2) || diagonalechainevivante(p, r2, c2, couleur, o))
      score = 2;
    else if (pionlieachainevivanteparsaut(p, r2, c2, couleur, o) || pionlieachainevivanteforme(p, r2, c2, couleur, o))
      ++score;
    return score >= 2;
  });
  // Linked when two of the trials hold.
  return score >= 2;
}
