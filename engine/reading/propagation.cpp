// Propagation reading `lecturetactique` and its line evaluations.
#include "engine/reading/propagation.h"

#include <algorithm>

#include "engine/board/cles.h"
#include "engine/board/garde.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/reading/lecturelocale.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/propagation_noeud.h"
#include "engine/reading/prise.h"

namespace {

// Both line evaluations: `partielle` gives the bound with the gain the
// depth limit d still leaves.
void evalueligne(const TMarques& m, const TPlateau& p, const TPoint* ligne, int32_t& v, int32_t plis, int32_t d,
                 int32_t lc, int32_t cc, uint8_t c, bool gainvides, bool partielle) {
  // Too short a line to value.
  if (plis < 2) return;
  const int32_t icible = indexcase(lc, cc);
  if (partielle && infochaine[icible][0] == 1) return;
  // The target chain.
  TMarques l = marquesvides;
  if (p[icible] != VIDE) marquepionschaine(p, l, 0, lc, cc);
  // The chain side's moves.
  int32_t q = 0, gain = 0;
  bool casse = false;
  for (int32_t i = 2; i <= plis; i += 2) {
    const TPoint mv = ligne[i];
    if (!reel(mv)) continue;
    const int32_t j = indexcase(mv.ligne, mv.colonne);
    if (!l[j]) {
      casse = true;
      continue;
    }
    if (m[j] == 1) ++v;
    else if (m[j] == 2) ++q;
    pastable(mv.ligne, mv.colonne, [&](int32_t r, int32_t c2) {
      const int32_t k = indexcase(r, c2);
      if (l[k] == 0 && m[k] == 1 && p[k] != c) {
        l[k] = 1;
        if (gainvides && p[k] == VIDE) ++gain;
      }
      return false;
    });
  }
  // Moves onto the owner's second-class points count half.
  if (q > 1) v += q / 2;
  // Points gained: a partial reading counts the plies left.
  if (partielle) {
    const int32_t h = (d - plis) / 2;
    v += h < gain ? h + 1 : gain;
  } else if (gain > 0) {
    v += gain < 6 ? 1 : std::min(gain / 2 - 1, 3);
  }
  // The owner's moves from ply 3.
  for (int32_t i = 3; i <= plis; i += 2) {
    const TPoint mv = ligne[i];
    if (!reel(mv)) continue;
    const int32_t j = indexcase(mv.ligne, mv.colonne);
    if (casse ? l[j] != 0 : m[j] == 1) ++v;
  }
}

}  // namespace

// ---- The node's steps as the propagation reading takes them ----------------------------

int32_t TNoeudPropagation::evalue(int32_t plis, uint8_t gain) const {
  int32_t w = v;
  evaluelecture(marques, p, t.ligne.data(), w, plis, cible.ligne, cible.colonne, c, gain);
  return w;
}

int32_t TNoeudPropagation::borne(int32_t pli) const {
  int32_t b = 0;
  evaluelecturepartielle(marques, p, t.ligne.data(), b, pli, d, cible.ligne, cible.colonne, c);
  return b;
}

int32_t TNoeudPropagation::terminale(int32_t pli, uint8_t s, uint8_t f) const {
  if (f == 0) return 0;
  int32_t w = evalue(pli, 0);
  if (s == c && p[icible()] == c && infochaine[icible()][0] == 1) w = std::max(w - 2, 0);
  return w;
}

uint8_t TNoeudPropagation::entreechaine(int32_t im, const TNoeudLecture&, uint8_t f) {
  return marques[im] != 0 ? 1 : f;
}

bool TNoeudPropagation::finparprise(const TNoeudLecture& n) const {
  return nbpoints(n.prises) > 0 && p[icible()] == VIDE;
}

bool TNoeudPropagation::candidats(int32_t pli, uint8_t s, uint8_t, TNoeudLecture& n, TPoint ko, uint32_t& cle) {
  if (s == c) candidatschaine(pli, n, ko, cle);
  else candidatsproprio(pli, n);
  return false;
}

void TNoeudPropagation::libertesvoisinscible(int32_t pli, TNoeudLecture& n) {
  const int32_t l = pli <= 2 ? 3 : 2;
  pastable(cible.ligne, cible.colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = indexcase(r2, c2);
    if (!n.masque[j] && p[j] == o && infochaine[j][0] <= l)
      libertesdelachaine(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
    return false;
  });
}

// The chain side's candidates; lifts capturable owner chains next to the target.
void TNoeudPropagation::candidatschaine(int32_t pli, TNoeudLecture& n, TPoint ko, uint32_t& cle) {
  // Around the seed list.
  graines.tronque(pli / 2);
  for (int32_t i = 1; i <= graines.nombre(); ++i) ajoutevidesvoisins(p, n.liste, n.masque, graines[i]);
  // The target in atari.
  const int32_t ic = icible();
  if (p[ic] == c && infochaine[ic][0] == 1)
    libertesetatari(p, n.liste, CAPACITELECTURE, 0, cible.ligne, cible.colonne, n.masque);
  // Weak owner chains next to the target.
  if (pli >= x) return;
  chainesfaiblescible(pli, n, ko, cle, false, [](int32_t, TPoint) {});
}

// The owner's candidates.
void TNoeudPropagation::candidatsproprio(int32_t pli, TNoeudLecture& n) {
  // Nothing around the seeds at the first ply when the chain came first.
  if (pli == 1 && chaineavant) return;
  // Around the seed list.
  graines.tronque(pli / 2 + 1);
  for (int32_t i = 1; i <= graines.nombre(); ++i) {
    const TPoint g = graines[i];
    const int32_t j = indexcase(g.ligne, g.colonne);
    if (n.masque[j]) continue;
    if (infochaine[j][0] == 1) {
      libertesetatari(p, n.liste, CAPACITELECTURE, 0, g.ligne, g.colonne, n.masque);
      continue;
    }
    pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t k = indexcase(r2, c2);
      if (n.masque[k]) return false;
      if (p[k] == VIDE) {
        n.masque[k] = MASQUELISTE;
        empilepoint(n.liste, CAPACITELECTURE, r2, c2);
      } else if (p[k] == o && infochaine[k][0] == 1) {
        libertesetatari(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
      }
      return false;
    });
  }
  // Liberties of weak owner chains next to the target.
  if (pli >= x - 1) return;
  libertesvoisinscible(pli, n);
}

// The node of the propagation reading.
void TNoeudPropagation::lecturerecu2(int32_t pli, uint8_t s, uint8_t u, uint8_t f, uint32_t cle, TPoint ko) {
  std::vector<int32_t>& essais = t.essais;
  std::vector<TPoint>& meilleur = t.meilleur;
  const auto ip = static_cast<size_t>(pli);
  // Node entry.
  essais[ip] = 0;
  t.entree[ip] = r;
  // A line that has not entered the territory within three plies is worth nothing.
  if (coupeentree(pli, f)) {
    r = 0;
    return;
  }
  // Fresh node: line slot, mask (the ko point masked), empty list.
  TNoeudLecture& n = noeuds[pli];
  t.ligne[ip] = TPoint{};
  n.masque = marquesvides;
  if (reel(ko)) n.masque[indexcase(ko.ligne, ko.colonne)] = MASQUELISTE;
  n.liste[0] = 0;
  n.leve = false;
  // Lifted chains go back (board and chain table) whatever way the node leaves.
  const EnSortie releve([&] {
    if (!n.leve) return;
    p = n.plateauleve;
    infochaine = n.chainesleve;
    n.leve = false;
  });
  // Candidates; a decided node stops here.
  if (candidats(pli, s, f, n, ko, cle)) return;
  // No candidate past the first ply: a leaf.
  if (nbpoints(n.liste) == 0 && pli > 1) {
    r = terminale(pli, s, f);
    return;
  }
  // The owner may take back a ko.
  if (s == o && koproprio(pli)) ajoutekoordi(n.liste);
  // Best move of the ply first.
  remontesilistee(n.liste, n.masque, meilleur[ip], ko, 1);
  // Node key.
  if (pli < d && cle != CLESANS && reel(ko)) xorclemoyo(cle, ko.ligne, ko.colonne);
  const uint32_t clenoeud = cle;
  // Move loop state.
  const int32_t v0 = v;
  meilleur[ip] = TPoint{};
  meilleur[ip + 1] = TPoint{};
  int32_t meilleure = 0;

  // The moves.
  for (int32_t k = 1; k <= nbpoints(n.liste); ++k) {
    // Count; the budget narrows the search once.
    comptenoeud();
    // Play.
    const TPoint m = pointliste(n.liste, k);
    uint32_t clecoup = clenoeud;
    const bool legal = jouelecture(p, n, m, s, u);
    if (!reel(m)) {
      if (passesanscles(pli)) clecoup = CLESANS;
    } else {
      n.masque[indexcase(m.ligne, m.colonne)] = MASQUEJOUE;
    }
    // Ko point of the child.
    TPoint koenfant = kopourenfant(p, n, m);
    // Line.
    t.ligne[ip] = m;
    // Refused: the line keeps no move that was never played.
    if (!legal) {
      n.masque[indexcase(m.ligne, m.colonne)] = MASQUEREFUSE;
      t.ligne[ip] = TPoint{};
    } else {
      // Played: seeds, entry flag, and the owner's withdrawn first move.
      uint8_t fm = f;
      if (reel(m)) {
        const int32_t im = indexcase(m.ligne, m.colonne);
        if (s == c) {
          graines.pose(pli / 2 + 1, m);
          fm = entreechaine(im, n, fm);
        } else {
          if (marques[im] == 1) fm = 1;
          // An owner's first move that can be captured at once is withdrawn.
          if (pli == 1 && infochaine[im][0] <= 2 && testprise(p, m.ligne, m.colonne, 8, 3, o, pointko)) {
            avantretrait(n, m, ko);
            fm = 1;
            v += 1;
            defaitlecture(p, n, m, c);
            n.prises[0] = 0;
            koenfant = TPoint{};
          }
        }
      }
      // Tried.
      essais[ip] += 1;
      // Value of the move into R.
      if (s == o && finparprise(n)) {
        r = fm == 0 ? 0 : std::max(evalue(pli, 0) - 2, 0);
      } else if (pli < d) {
        // Key.
        if (pli == 1) {
          clecoup = 0;
          std::fill(t.nbcles.begin(), t.nbcles.end(), 0);
        } else if (clecoup != CLESANS && reel(m)) {
          xorclecoup(clecoup, m, s, u, n.prises, koenfant);
        }
        // Store.
        const bool stocke = clecoup != CLESANS && pli >= 4 && pli <= DERNIERPLILIAISON;
        int32_t position;
        const bool trouve = trouveliaison(t, pli, clecoup, stocke, r, position);
        if (!trouve) {
          // Bound of the chain side.
          bool descend = true;
          if (s == c && bornepermise(fm) && (pli >= 4 || essais[ip - 1] > 1)) {
            const int32_t b = borne(pli);
            if (b > 0) {
              int32_t e = 0;
              if (coupeentrees(t, pli, b, true, e)) {
                r = e;
                descend = false;
              }
              if (b >= but) {
                r = but;
                meilleur[ip] = m;
                descend = false;
              }
            }
          }
          // Child.
          if (descend) lecturerecu2(pli + 1, u, s, fm, clecoup, koenfant);
          // Store.
          if (stocke) insereliaison(t, pli, position, clecoup, r);
        }
      } else {
        r = fm == 0 ? 0 : evalue(pli, 1);
      }
      // Undo.
      defaitlecture(p, n, m, u);
      v = v0;
      if (s == o) apresproprio(pli, n, ko);
      // Choose.
      const int32_t rm = r;
      if (essais[ip] == 1) {
        meilleur[ip] = m;
        meilleure = rm;
      }
      int32_t e = 0;
      if (s == o) {
        if (rm <= seuil) {
          meilleur[ip] = m;
          r = rm;
          return;
        }
        if (coupeentrees(t, pli, rm, false, e)) {
          meilleur[ip] = m;
          r = e;
          return;
        }
        if (rm < meilleure) {
          meilleure = rm;
          meilleur[ip] = m;
        }
      } else {
        if (coupeentrees(t, pli, rm, true, e)) {
          meilleur[ip] = m;
          r = e;
          return;
        }
        if (rm >= but) {
          r = but;
          meilleur[ip] = m;
          return;
        }
        if (rm > meilleure) {
          meilleure = rm;
          meilleur[ip] = m;
        }
      }
    }
    // The child's best reply next.
    if (k <= nbpoints(n.liste) - 2) remontesilistee(n.liste, n.masque, meilleur[ip + 1], ko, k + 1);
  }
  // Node value: the best move's, or the leaf's when none was tried.
  r = essais[ip] > 0 ? meilleure : terminale(pli, s, f);
}

void evaluelecture(const TMarques& m, const TPlateau& p, const TPoint* ligne, int32_t& v, int32_t plis,
                   int32_t lignecible, int32_t colonnecible, uint8_t c, uint8_t gain) {
  evalueligne(m, p, ligne, v, plis, 0, lignecible, colonnecible, c, gain == 1, false);
}

void evaluelecturepartielle(const TMarques& m, const TPlateau& p, const TPoint* ligne, int32_t& v, int32_t plis,
                            int32_t d, int32_t lignecible, int32_t colonnecible, uint8_t c) {
  evalueligne(m, p, ligne, v, plis, d, lignecible, colonnecible, c, true, true);
}

void ajoutecandidatsfaibles(const TPlateau& p, TListePoints& l, int32_t capacite, int32_t ligne, int32_t colonne,
                            TPoint ko, TMarques& masque) {
  TMarques vu = marquesvides;
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (reel(pointliste(l, k))) vu[indexcase(ligneliste(l, k), colonneliste(l, k))] = 1;
  if (reel(ko)) vu[indexcase(ko.ligne, ko.colonne)] = 1;
  const int32_t avant = nbpoints(l);
  libertesetfaibles(p, l, capacite, 0, ligne, colonne, vu);
  for (int32_t k = avant + 1; k <= nbpoints(l); ++k) masque[indexcase(ligneliste(l, k), colonneliste(l, k))] = 1;
}

int32_t lecturetactique(uint8_t chaineavant, uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne,
                        int32_t seuil, int32_t plafond) {
  // Not the chain's colour: the short reading.
  if (p[indexcase(ligne, colonne)] != c) return lancelecturerecu1(chaineavant, c, o, p, ligne, colonne);
  TNoeudPropagation l(chaineavant, c, o, p, TPoint{ligne, colonne}, seuil, plafond);
  l.lecturerecu2(1, o, c, 0, 0, pointko);
  l.termine();
  return l.r;
}
