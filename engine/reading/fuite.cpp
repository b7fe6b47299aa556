// Escape reading `lancelecturerecu3`: 1000 the chain escapes, 0 it is contained.
#include "engine/reading/fuite.h"

#include <algorithm>
#include <vector>

#include "engine/board/acces.h"
#include "engine/board/etat.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/reading/lecturelocale.h"
#include "engine/reading/prise.h"

namespace {

constexpr int32_t ECHAPPE = 1000;
constexpr uint8_t MASQUEDEHORS = 10;  // listed as an outside liberty
constexpr int32_t CAPACITECAPTURABLES = 4;  // the chain point's neighbours

struct Fuite {
  Fuite(const TMarques& excl, uint8_t cc, uint8_t oo, TPlateau& pp, int32_t niv, int32_t profondeur, TPoint ch)
      : exclusion(excl), c(cc), o(oo), p(pp), niveauprise(niv), d(profondeur), chaine(ch),
        graines(std::max(profondeur, 1) / 2 + 2), t(std::max(profondeur, 1) + 1),
        sansliberte(static_cast<size_t>(std::max(profondeur, 1)) + 2, 0), noeuds(std::max(profondeur, 1)) {
    graines.pose(1, ch);
    capturables[0] = 0;
  }

  const TMarques& exclusion;
  uint8_t c, o;
  TPlateau& p;
  int32_t niveauprise;
  int32_t d;                           // depth limit D (even)
  TPoint chaine;
  TGraines graines;                    // S; zero entries where a move took no outside liberty
  TMarques depart{};                   // Q: 1 chain and its start neighbours, 2 other stones of c
  TPlisLecture t;                      // line and tried counts
  std::vector<uint8_t> sansliberte;    // N(p)
  int32_t pression = 0;                // P
  TListePoints capturables;            // K
  TMarques examine{};
  int32_t r = 0;                       // R
  TNoeudsLecture noeuds;

  bool prise(TPoint n, uint8_t couleur) {
    return testprise(p, n.ligne, n.colonne, profondeurlecture - 1, paramniveaub + 2, couleur, pointko);
  }

  bool candidatschaine(int32_t pli, TNoeudLecture& n);
  void candidatsencercleur(int32_t pli, TNoeudLecture& n);
  void lecturerecu3(int32_t pli, uint8_t s, uint8_t u);
};

// The chain side's candidates and its direct tests; true when they decide (R set).
bool Fuite::candidatschaine(int32_t pli, TNoeudLecture& n) {
  const auto ip = static_cast<size_t>(pli);
  const int32_t lim = paramniveaub + 2;
  // Outside liberties and friendly chains.
  graines.tronque(pli / 2);
  for (int32_t i = 1; i <= graines.nombre(); ++i) {
    const TPoint g = graines[i];
    if (!reel(g)) continue;
    const bool fin = pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t j = indexcase(r2, c2);
      if (n.masque[j]) return false;
      if (p[j] == VIDE && depart[j] != 1) {
        if (nbpoints(n.liste) >= 1) return true;  // two outside liberties at once
        empilepoint(n.liste, CAPACITELECTURE, r2, c2);
        n.masque[j] = MASQUEDEHORS;
      } else if (depart[j] == 2 && p[j] == c && infochaine[j][0] > 1) {
        return true;  // a friendly chain reached
      }
      return false;
    });
    if (fin) {
      r = ECHAPPE;
      return true;
    }
  }
  // No outside liberty this turn: the pressure starts again.
  if (nbpoints(n.liste) == 0) {
    sansliberte[ip] = 1;
    pression = 0;
  } else {
    sansliberte[ip] = 0;
  }
  // Counts the pressure on an enclosing chain that was not captured and takes its liberties.
  const auto presse = [&](int32_t r2, int32_t c2, int32_t l) {
    if (sansliberte[ip] == 1) pression += l <= 2 ? 3 : 1;
    libertesdelachaine(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
  };
  // The listed capturable chains.
  if (niveauprise >= 1 && pli > 2 && nbpoints(capturables) > 0) {
    for (int32_t k = 1; k <= nbpoints(capturables); ++k) {
      const TPoint q = pointliste(capturables, k);
      const bool fin = pastable(q.ligne, q.colonne, [&](int32_t r2, int32_t c2) {
        const int32_t j = indexcase(r2, c2);
        if (p[j] != o || n.masque[j]) return false;
        const int32_t l = infochaine[j][0];
        if (l == 1) return true;
        if (l > lim) return false;
        if (prise({r2, c2}, o)) return true;
        presse(r2, c2, l);
        return false;
      });
      if (fin) {
        r = ECHAPPE;
        return true;
      }
    }
    // The chain of the ply-2 move, while it stands.
    const TPoint m2 = t.ligne[2];
    if (reel(m2) && p[indexcase(m2.ligne, m2.colonne)] == c)
      libertesdelachaine(p, n.liste, CAPACITELECTURE, 0, m2.ligne, m2.colonne, n.masque);
  }
  // Enclosing chains next to the chain.
  for (int32_t i = 1; i <= graines.nombre(); ++i) {
    const TPoint g = graines[i];
    if (!reel(g)) continue;
    const bool fin = pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] != o || n.masque[j]) return false;
      const int32_t l = infochaine[j][0];
      if (l == 1 && exclusion[j] == 0) return true;
      if (l <= 3) {
        if (exclusion[j] == 0 && prise({r2, c2}, o)) return true;
        presse(r2, c2, l);
      }
      return false;
    });
    if (fin) {
      r = ECHAPPE;
      return true;
    }
  }
  // Out of depth: contained.
  if (pli >= d) {
    r = 0;
    return true;
  }
  // Two turns without an outside liberty and too little pressure.
  if (sansliberte[ip] == 1 && pli > 2 && sansliberte[ip - 2] == 1 && pression < 3) {
    r = 0;
    return true;
  }
  return false;
}

void Fuite::candidatsencercleur(int32_t pli, TNoeudLecture& n) {
  // Around the seed list.
  graines.tronque(pli / 2 + 1);
  for (int32_t i = 1; i <= graines.nombre(); ++i)
    if (reel(graines[i])) ajoutevidesvoisins(p, n.liste, n.masque, graines[i]);
  // Chains next to the seeds: those in atari, and short chains of the encloser.
  for (int32_t i = 1; i <= graines.nombre(); ++i) {
    const TPoint g = graines[i];
    if (!reel(g)) continue;
    pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t j = indexcase(r2, c2);
      if (n.masque[j] || p[j] == VIDE) return false;
      if (infochaine[j][0] == 1) libertesetatari(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
      else if (p[j] == o && infochaine[j][0] <= 3) libertesdelachaine(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
      return false;
    });
  }
  // Around the chain side's earlier moves.
  for (int32_t i = 2; i <= pli - 1; i += 2) {
    const TPoint m = t.ligne[static_cast<size_t>(i)];
    if (reel(m)) ajoutevidesvoisins(p, n.liste, n.masque, m);
  }
}

void Fuite::lecturerecu3(int32_t pli, uint8_t s, uint8_t u) {
  const auto ip = static_cast<size_t>(pli);
  const int32_t lim = paramniveaub + 2;
  TNoeudLecture& n = noeuds[pli];
  n.liste[0] = 0;
  n.masque = marquesvides;
  if (s == c) {
    if (candidatschaine(pli, n)) return;
  } else {
    // A chain in atari with the encloser to move is contained.
    if (libs(ix(chaine)) < 2) {
      r = 0;
      return;
    }
    candidatsencercleur(pli, n);
  }
  // No candidate: contained.
  if (nbpoints(n.liste) == 0) {
    r = 0;
    return;
  }
  // The encloser may take back a ko.
  if (s == o) ajoutekoordi(n.liste);
  int32_t essais = 0;
  // The moves.
  for (int32_t k = 1; k <= nbpoints(n.liste); ++k) {
    // Play.
    const TPoint m = pointliste(n.liste, k);
    const bool legal = jouelecture(p, n, m, s, u);
    t.ligne[ip] = m;
    if (!legal) continue;
    bool decide = false;
    if (s == c && reel(m)) {
      // Three outside liberties in a row.
      const bool dehors = n.masque[indexcase(m.ligne, m.colonne)] == MASQUEDEHORS;
      graines.pose(pli / 2 + 1, dehors ? m : TPoint{});
      if (niveauprise >= 3 && pli == 6 && dehors) {
        bool trou = false;
        for (int32_t i = 1; i <= pli / 2; ++i) trou = trou || !reel(graines[i]);
        if (!trou) {
          r = ECHAPPE;
          decide = true;
        }
      }
      // The capturable list, after the chain side's first move.
      if (pli == 2 && niveauprise >= 1) {
        capturables[0] = 0;
        examine = marquesvides;
        pastable(chaine.ligne, chaine.colonne, [&](int32_t r2, int32_t c2) {
          const int32_t j = indexcase(r2, c2);
          if (p[j] != o || examine[j] || infochaine[j][0] > lim || exclusion[j] != 0) return false;
          marquepionschaine(p, examine, 0, r2, c2);
          if (prise({r2, c2}, o)) empilepoint(capturables, CAPACITECAPTURABLES, r2, c2);
          return false;
        });
      }
      // A listed chain still capturable at ply 4.
      const TPoint m2 = t.ligne[2];
      if (!decide && pli == 4 && niveauprise >= 2 && nbpoints(capturables) > 0 && reel(m2) &&
          p[indexcase(m2.ligne, m2.colonne)] == c) {
        examine = marquesvides;
        bool premier = true;
        for (int32_t q = 1; q <= nbpoints(capturables); ++q) {
          const TPoint pt = pointliste(capturables, q);
          const int32_t j = indexcase(pt.ligne, pt.colonne);
          if (p[j] != o || examine[j] || infochaine[j][0] > lim) continue;
          if (premier) {
            premier = false;
            if (prise(m2, c)) break;
          }
          if (prise(pt, o)) {
            r = ECHAPPE;
            decide = true;
            break;
          }
          marquepionschaine(p, examine, 0, pt.ligne, pt.colonne);
        }
      }
    }
    // Tried.
    ++essais;
    // Child, or contained at the depth limit.
    if (!decide) {
      if (pli < d) lecturerecu3(pli + 1, u, s);
      else r = 0;
    }
    // Undo.
    defaitlecture(p, n, m, u);
    // Cut-off.
    if (s == o && r == 0) return;
    if (s == c && r == ECHAPPE) return;
  }
  // No move tried: contained.
  if (essais == 0) r = 0;
}

}  // namespace

bool lancelecturerecu3(const TMarques& exclusion, uint8_t c, uint8_t o, TPlateau& p, int32_t niveauprise,
                       int32_t profondeur, int32_t lignelibre, int32_t colonnelibre, int32_t ligne, int32_t colonne) {
  const int32_t pr = std::max(profondeur, 0);
  Fuite f(exclusion, c, o, p, niveauprise, pr + (pr & 1), TPoint{ligne, colonne});
  // Start marks.
  marquepionschaine(p, f.depart, 0, ligne, colonne);
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    f.depart[indexcase(r2, c2)] = 1;
    return false;
  });
  if (surplateaumoteur(lignelibre, colonnelibre)) f.depart[indexcase(lignelibre, colonnelibre)] = 0;
  const int32_t n = taillemoteur();
  for (int32_t r2 = 1; r2 <= n; ++r2)
    for (int32_t c2 = 1; c2 <= n; ++c2) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == c && f.depart[j] == 0) f.depart[j] = 2;
    }
  f.lecturerecu3(1, o, c);
  return f.r == ECHAPPE;
}
