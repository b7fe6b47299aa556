// Ladder reading: one defender extension per level, then the attacker's two
// tries, with the chain table saved per level and put back on every return.
#include "engine/reading/escalier.h"

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/trace.h"

namespace {


// Each level adds a defender stone and an attacker stone, so the board bounds
// the depth; the two chain-table copies of a level live here, not on the stack.
constexpr int32_t PROFONDEURMAX = NBCASES / 2 + 2;
struct Sauvegardes {
  TInfoChaine avant;   // S1: before the extension
  TInfoChaine apres;   // S2: after the extension
};
Sauvegardes sauvegardes[PROFONDEURMAX];

// The flood of libertesescalier.
struct RemplitEscalier {
  const TPlateau& p;
  TMarques vu;
  int32_t& nb;
  TPoint& premiere;
  TPoint& seconde;
  int32_t n;

  // Returns true when the whole flood stops.
  bool remplitescalier(int32_t r, int32_t c, int32_t d) {
    const int32_t i = ix(r, c);
    const uint8_t x = p[i];
    vu[i] = 1;
    auto pas = [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      if (vu[j]) return false;
      const uint8_t y = p[j];
      if (y == VIDE) {
        vu[j] = 1;
        ++nb;
        if (nb == 1) premiere = TPoint{r2, c2};
        else seconde = TPoint{r2, c2};
      } else if (y == x) {
        if (remplitescalier(r2, c2, d2)) return true;
      } else if (infochaine[j][0] == 1) {
        nb = LIBERTESCAPTURE;
        return true;
      }
      return nb > 2;
    };
    if (d != 3 && r < n && pas(r + 1, c, 1)) return true;
    if (d != 1 && r > 1 && pas(r - 1, c, 3)) return true;
    if (d != 4 && c < n && pas(r, c + 1, 2)) return true;
    if (d != 2 && c > 1 && pas(r, c - 1, 4)) return true;
    return false;
  }
};

// State shared by every level of one testescalier call.
struct Escalier {
  TPlateau& p;
  uint8_t defenseur;
  uint8_t attaquant;
  bool resultat = false;
  TListePoints prises{};  // move record of jouecoup: [0] = stones captured

  void reprend(int32_t r, int32_t c) { p[ix(r, c)] = VIDE; }

  // One ladder step: the defender extends at (x, y).
  void nouvelescalier(int32_t x, int32_t y, int32_t niveau) {
    ++noeudsescalier;
    if (niveau >= PROFONDEURMAX) {  // cannot happen on a legal board
      resultat = false;
      return;
    }
    Sauvegardes& s = sauvegardes[niveau];
    // Save the chain table.
    s.avant = infochaine;
    // The extension; a capture instead means no ladder.
    uint8_t prise = 0;
    jouecoup3(prise, p, x, y, defenseur, attaquant);
    if (prise) {
      resultat = false;
      return;
    }
    // Liberties after the extension.
    const int32_t libs = infochaine[ix(x, y)][0];
    if (libs == 0) {  // suicide refused: nothing stands there
      resultat = true;
      return;
    }
    auto abandonne = [&](bool r) {
      resultat = r;
      reprend(x, y);
      infochaine = s.avant;
    };
    if (libs == 1) return abandonne(true);
    if (libs >= 3) return abandonne(false);
    // The two liberties next to the new stone.
    TPoint l[2];
    int32_t nb = 0;
    const TVoisins& v = tablevoisins[ix(x, y)];
    for (int32_t k = 0; k < v.nbvoisins; ++k) {
      const int32_t r2 = v.voisins[k][0], c2 = v.voisins[k][1];
      const int32_t j = ix(r2, c2);
      if (p[j] == VIDE) {
        if (nb < 2) l[nb] = TPoint{r2, c2};
        ++nb;
      } else if (p[j] == attaquant && infochaine[j][0] == 1) {
        return abandonne(false);
      }
    }
    // Liberties away from the new stone: the flood finds them.
    if (nb != 2) {
      libertesescalier(p, l[0], l[1], nb, x, y);
      if (nb != 2) {
        if (nb != LIBERTESCAPTURE) {
          ecritdebug("bug escalier");
          affichecasesmarquees(p);
          ++compteurnoeudsprise;
        }
        return abandonne(false);
      }
    }
    // Save the position after the extension.
    s.apres = infochaine;
    // The attacker takes the first liberty, then the second.
    for (int32_t k = 0; k < 2; ++k) {
      const TPoint a = l[k], autre = l[1 - k];
      jouecoup(prises, CAPACITELISTE, p, a.ligne, a.colonne, attaquant, defenseur);
      const bool capture = prises[0] != 0;
      if (p[ix(a.ligne, a.colonne)] == VIDE) {  // refused
        if (k == 0) continue;
        return abandonne(false);
      }
      if (infochaine[ix(a.ligne, a.colonne)][0] > 1) nouvelescalier(autre.ligne, autre.colonne, niveau + 1);
      if (capture) {
        const int32_t n = configmoteur.taille;
        for (int32_t r = 1; r <= n; ++r)
          for (int32_t c = 1; c <= n; ++c) {
            const int32_t j = ix(r, c);
            if (p[j] == VIDE && s.apres[j][0] != 0) p[j] = defenseur;
          }
      }
      reprend(a.ligne, a.colonne);
      if (resultat) {
        reprend(x, y);
        infochaine = s.avant;
        return;
      }
      if (k == 0) infochaine = s.apres;
    }
    // Neither try caught the chain.
    reprend(x, y);
    infochaine = s.avant;
    resultat = false;
  }
};

}  // namespace

void libertesescalier(const TPlateau& p, TPoint& premiere, TPoint& seconde, int32_t& nb, int32_t ligne,
                      int32_t colonne) {
  nb = 0;
  RemplitEscalier f{p, marquesvides, nb, premiere, seconde, configmoteur.taille};
  f.remplitescalier(ligne, colonne, 0);
}

bool testescalier(TPlateau& p, int32_t ligne, int32_t colonne, uint8_t defenseur, uint8_t attaquant) {
  noeudsescalier = 0;
  if (!surplateaumoteur(ligne, colonne) || p[ix(ligne, colonne)] != VIDE) return false;
  Escalier e{p, defenseur, attaquant};
  e.nouvelescalier(ligne, colonne, 0);
  return e.resultat;
}
