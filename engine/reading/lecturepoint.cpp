// Point reading `lancelecturerecu1` and cut reading `lancelecturecoupure`.
#include "engine/reading/lecturepoint.h"

#include <algorithm>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/reading/lecturelocale.h"
#include "engine/reading/prise.h"

namespace {

// One point or cut reading: the context shared by its nodes. The running
// side c follows the seed; o moves first.
struct LecturePoint {
  LecturePoint(bool coupe, uint8_t avant, uint8_t cc, uint8_t oo, TPlateau& pp, TPoint g, int32_t profondeur)
      : coupure(coupe), chaineavant(avant), c(cc), o(oo), p(pp), graine(g), d(profondeur),
        graines(std::max(profondeur, 1) / 2 + 2), t(std::max(profondeur, 1) + 1), noeuds(std::max(profondeur, 1)) {
    graines.pose(1, g);
  }

  bool coupure;           // the cut reading
  uint8_t chaineavant, c, o;
  TPlateau& p;
  TPoint graine;
  int32_t d;              // depth limit
  TMarques marques{};     // M (point reading)
  TGraines graines;       // S
  TPlisLecture t;
  TNoeudsLecture noeuds;
  int32_t r = 0;          // R
  int32_t v = 0;          // V

  void lecturerecu1(int32_t pli, uint8_t s, uint8_t u, uint8_t f) { noeud(pli, s, u, f); }
  void lecturecoupure(int32_t pli, uint8_t s, uint8_t u) { noeud(pli, s, u, 1); }
  void noeud(int32_t pli, uint8_t s, uint8_t u, uint8_t f);
};

void LecturePoint::noeud(int32_t pli, uint8_t s, uint8_t u, uint8_t f) {
  const auto ip = static_cast<size_t>(pli);
  // A line with no entry by ply 4 is worth nothing, outside the cut reading.
  if (!coupure && f == 0 && pli >= 4) {
    r = 0;
    return;
  }
  // Fresh node.
  TNoeudLecture& n = noeuds[pli];
  t.essais[ip] = 0;
  t.entree[ip] = r;
  n.masque = marquesvides;
  n.liste[0] = 0;
  // Candidates.
  const bool court = s == c;  // the running side moves
  if (court) {
    graines.tronque(pli / 2);
    for (int32_t i = 1; i <= graines.nombre(); ++i) ajoutevidesvoisins(p, n.liste, n.masque, graines[i]);
    if (pli == 2)
      for (int32_t i = 1; i <= graines.nombre(); ++i)
        pastable(graines[i].ligne, graines[i].colonne, [&](int32_t r2, int32_t c2) {
          const int32_t j = indexcase(r2, c2);
          if (!n.masque[j] && p[j] == u && infochaine[j][0] == 1)
            libertesdelachaine(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
          return false;
        });
  } else if (coupure || pli != 1 || !chaineavant) {
    graines.tronque(pli / 2 + 1);
    for (int32_t i = 1; i <= graines.nombre(); ++i)
      pastable(graines[i].ligne, graines[i].colonne, [&](int32_t r2, int32_t c2) {
        const int32_t j = indexcase(r2, c2);
        if (n.masque[j]) return false;
        if (p[j] == VIDE) {
          n.masque[j] = MASQUELISTE;
          empilepoint(n.liste, CAPACITELECTURE, r2, c2);
        } else if (p[j] == s && infochaine[j][0] == 1) {
          libertesetatari(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
        }
        return false;
      });
  }
  // No candidate: a leaf.
  if (nbpoints(n.liste) == 0) {
    if (coupure) {
      r = v;
      return;
    }
    if (pli > 1) {
      r = f ? v : 0;
      return;
    }
  }
  // Ko retakes, outside the short reading.
  if (!court) ajoutekoordi(n.liste);
  // Move loop state.
  const int32_t v0 = v;
  int32_t meilleure = 0;
  // The moves.
  for (int32_t k = 1; k <= nbpoints(n.liste); ++k) {
    // Play.
    const TPoint m = pointliste(n.liste, k);
    const bool legal = jouelecture(p, n, m, s, u);
    t.ligne[ip] = m;
    if (!legal) continue;
    // Scoring.
    uint8_t fm = f;
    if (reel(m)) {
      const int32_t im = indexcase(m.ligne, m.colonne);
      if (coupure) {
        if (court) {
          v += 1;
          graines.pose(pli / 2 + 1, m);
        }
      } else {
        if (pli > 1 && marques[im] != 0) v += 1;
        if (court) {
          graines.pose(pli / 2 + 1, m);
          if (marques[im] != 0) fm = 1;
        } else if (marques[im] == 1) {
          fm = 1;
        }
      }
      // A first move that can be captured at once is withdrawn.
      if (pli == 1 && !court && infochaine[im][0] <= 2 && testprise(p, m.ligne, m.colonne, 8, 3, s, pointko)) {
        v += 1;
        if (!coupure) fm = 1;
        defaitlecture(p, n, m, u);
        n.prises[0] = 0;
      }
    }
    // Tried.
    t.essais[ip] += 1;
    // Value into R.
    if (coupure) {
      if (pli < d) lecturecoupure(pli + 1, u, s);
      else r = v;
    } else if (nbpoints(n.prises) > 0 && p[indexcase(graine.ligne, graine.colonne)] == VIDE && s == o) {
      r = fm == 0 ? 0 : std::max(v - 2, 0);
    } else if (pli < d) {
      lecturerecu1(pli + 1, u, s, fm);
    } else {
      r = fm == 0 ? 0 : v + nbpoints(n.liste);
    }
    // Undo.
    defaitlecture(p, n, m, u);
    v = v0;
    // Choose.
    const int32_t rm = r;
    if (t.essais[ip] == 1) meilleure = rm;
    int32_t e = 0;
    if (!court) {
      if (rm < 1) {
        r = rm;
        return;
      }
      if (coupeentrees(t, pli, rm, false, e)) {
        r = e;
        return;
      }
      if (rm < meilleure) meilleure = rm;
    } else {
      if (coupeentrees(t, pli, rm, true, e)) {
        r = e;
        return;
      }
      if (rm > meilleure) meilleure = rm;
    }
  }
  // Node value: the best move's, or the leaf's when none was tried.
  if (t.essais[ip] > 0) r = meilleure;
  else r = coupure || f ? v : 0;
}

}  // namespace

int32_t lancelecturerecu1(uint8_t chaineavant, uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne) {
  LecturePoint l(false, chaineavant, c, o, p, TPoint{ligne, colonne}, paramniveauc);
  marquesterritoire(l.marques, p, o);
  l.lecturerecu1(1, o, c, 0);
  return l.r;
}

int32_t lancelecturecoupure(uint8_t a, uint8_t b, TPlateau& p, int32_t profondeur, int32_t ligne, int32_t colonne) {
  const int32_t i = indexcase(ligne, colonne);
  bool pose = false;
  TPlateau plateau;
  TInfoChaine chaines;
  if (p[i] == VIDE) {
    plateau = p;
    chaines = infochaine;
    TListePoints prises;
    jouecoup(prises, CAPACITELECTURE, p, ligne, colonne, a, b);
    if (p[i] == VIDE) return 0;
    pose = true;
  }
  int32_t r = 0;
  {
    LecturePoint l(true, 0, a, b, p, TPoint{ligne, colonne}, profondeur);
    l.lecturecoupure(1, b, a);
    r = l.r;
  }
  if (pose) {
    p = plateau;
    infochaine = chaines;
  }
  return r;
}
