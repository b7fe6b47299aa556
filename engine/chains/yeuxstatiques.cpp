// Static two-eye tests of the chain-status unit.
#include "engine/chains/yeuxstatiques.h"

#include <array>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/collecteurs.h"
#include "engine/board/formes.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/yeux.h"

namespace {

inline bool pose(const TPoint& q) { return q.ligne != 0; }
inline TPoint pointliste(const TListePoints& l, int32_t k) { return TPoint{ligneliste(l, k), colonneliste(l, k)}; }
inline bool voisin9(const TPoint& a, const TPoint& b) {
  return std::abs(a.ligne - b.ligne) <= 1 && std::abs(a.colonne - b.colonne) <= 1;
}

// Liberty classes carried in W.
constexpr uint8_t SORTIE = 3;     // eye with an exit
constexpr uint8_t CANDIDAT = 5;   // eye candidate
constexpr uint8_t MENACE = 6;     // candidate the attacker can take
constexpr uint8_t DEMIOEIL = 8;   // half eye
constexpr uint8_t VRAIOEIL = 10;  // first true eye
constexpr uint8_t ECARTE = 64;    // rejected candidate set aside for the regions
constexpr uint8_t EXCLU = 2;      // in X: excluded

// ---- Module scratch ---------------------------------------------------------------
// The position from before genecoupsyeux took enemy chains off (written back
// before it answers, and read by oeilmenace above mode 0), the capture list
// of its defender moves and the liberty list and marks of oeilmenace.
TPlateau plateausauve;
TInfoChaine chainessauvees;
TListePoints listemodule;
TMarques marquesmodule;

// Writes the saved position back on the way out once it was taken.
struct RetourPosition {
  TPlateau& p;
  bool pris = false;
  void prend() {
    if (pris) return;
    plateausauve = p;
    chainessauvees = infochaine;
    pris = true;
  }
  ~RetourPosition() {
    if (!pris) return;
    p = plateausauve;
    infochaine = chainessauvees;
  }
};

// Puts an O stone of three liberties on each set point, or takes it off.
void remplitsorties(TPlateau& p, const std::array<TPoint, 2>& s, uint8_t O) {
  for (const TPoint& q : s)
    if (pose(q)) {
      p[ix(q)] = O;
      infochaine[ix(q)][0] = 3;
    }
}
void videsorties(TPlateau& p, const std::array<TPoint, 2>& s) {
  for (const TPoint& q : s)
    if (pose(q)) {
      p[ix(q)] = VIDE;
      infochaine[ix(q)][0] = 0;
    }
}

// The half-eye pairing: for each half eye h (class 8), its weak diagonals
// filled, h must stay a liberty of the chain together with the first true
// eye, or with a later candidate that is then a half eye too (the last such
// candidate decides). Every filled point is emptied again.
bool appariedemiyeux(TPlateau& p, const TListePoints& L, const TMarques& W, const TPoint& premier, uint8_t C,
                     uint8_t O, const TPoint& chaine) {
  const int32_t n = nbpoints(L);
  for (int32_t i = 1; i <= n; ++i) {
    const TPoint h = pointliste(L, i);
    if (W[ix(h)] != DEMIOEIL) continue;
    // Fill h's weak diagonals.
    std::array<TPoint, 2> sh{};
    diagonalesmasqueescompte(W, p, sh, h.ligne, h.colonne, C);
    remplitsorties(p, sh, O);
    // With the first true eye.
    bool ok = false;
    if (pose(premier)) ok = deuxlibertesdelachaine(p, C, O, premier, h, chaine);
    // With a later candidate.
    if (!ok && i < n) {
      for (int32_t j = i + 1; j <= n; ++j) {
        const TPoint q = pointliste(L, j);
        if (W[ix(q)] != CANDIDAT) continue;
        std::array<TPoint, 2> sq{};
        if (diagonalesmasqueescompte(W, p, sq, q.ligne, q.colonne, C) != 2) continue;
        remplitsorties(p, sq, O);
        ok = deuxlibertesdelachaine(p, C, O, h, q, chaine);
        videsorties(p, sq);
      }
    }
    // h's diagonals emptied again; one pairing is enough.
    videsorties(p, sh);
    if (ok) return true;
  }
  return false;
}

// oeilmenace on a given position (board and chain table).
bool menace(TPlateau& b, const TInfoChaine& t, int32_t ligne, int32_t colonne, uint8_t C, uint8_t O) {
  listemodule[0] = 0;
  int32_t nb = 0;
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    if (t[ix(r2, c2)][0] != 2) return false;
    if (nb == 0) {
      zeromarques(marquesmodule);
      marquesmodule[ix(ligne, colonne)] = 1;
    }
    ++nb;
    libertesdelachaine(b, listemodule, MAXPOINTSLISTE, 0, r2, c2, marquesmodule);
    return false;
  });
  if (nb == 0) return false;
  const int32_t n = nbpoints(listemodule);
  for (int32_t k = 1; k <= n; ++k)
    if (testvoisinsatariparam(t, b, C, ligneliste(listemodule, k), colonneliste(listemodule, k))) return true;
  if (nb == 1) return false;
  for (int32_t k = 1; k <= n; ++k) {
    const TPoint q = pointliste(listemodule, k);
    if (std::abs(q.ligne - ligne) != 1 || std::abs(q.colonne - colonne) != 1) continue;
    if (compteissuesparam(t, b, O, q.ligne, q.colonne)) continue;
    b[ix(q)] = C;
    TPoint der{};
    derniereliberte(b, der, 0, q.ligne, q.colonne, marquesmodule);
    b[ix(q)] = VIDE;
    if (pose(der) && der.ligne != ARRETMARCHE && testvoisinsatariparam(t, b, C, der.ligne, der.colonne))
      return true;
  }
  return false;
}

}  // namespace

bool deuxlibertesdelachaine(const TPlateau& p, uint8_t C, uint8_t /*O*/, TPoint premier, TPoint second,
                            TPoint chaine) {
  TMarques vu;
  zeromarques(vu);
  bool a = false, b = false;
  struct Marche {
    const TPlateau& p;
    uint8_t C;
    TPoint premier, second;
    TMarques& vu;
    bool &a, &b;
    bool visite(int32_t dir, int32_t r, int32_t c) {
      vu[ix(r, c)] = 1;
      return pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        const int32_t j = ix(r2, c2);
        if (p[j] == VIDE) {
          if (r2 == premier.ligne && c2 == premier.colonne) a = true;
          if (r2 == second.ligne && c2 == second.colonne) b = true;
          return a && b;
        }
        if (p[j] == C && !vu[j]) return visite(d2, r2, c2);
        return false;
      });
    }
  } marche{p, C, premier, second, vu, a, b};
  return marche.visite(0, chaine.ligne, chaine.colonne);
}

bool sortieoeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  return pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    if (p[ix(r2, c2)] != VIDE) return false;
    const int32_t dr = r2 - ligne, dc = c2 - colonne;
    // The three other sides of the neighbour: straight on, then both flanks.
    const int32_t cotes[3][2] = {{dr, dc}, {dc, dr}, {-dc, -dr}};
    for (const auto& o : cotes) {
      const int32_t r3 = r2 + o[0], c3 = c2 + o[1];
      if (!surplateaumoteur(r3, c3)) continue;
      const int32_t j = ix(r3, c3);
      if (p[j] == c && !pionsmorts[j] && infochaine[j][0] >= 2) return true;
    }
    return false;
  });
}

bool oeilmenace(const TMarques& /*marques*/, TPlateau& p, int32_t ligne, int32_t colonne, int32_t mode, uint8_t C,
                uint8_t O) {
  if (mode <= 0) return menace(p, infochaine, ligne, colonne, C, O);
  if (plateausauve[ix(ligne, colonne)] != VIDE) return false;
  return menace(plateausauve, chainessauvees, ligne, colonne, C, O);
}

void listelibertesetpierresliees(const TPlateau& p, TListePoints& l, int32_t cap, TListePoints& ataris,
                                 int32_t capataris, TMarques& marques, int32_t ligne, int32_t colonne,
                                 int32_t& somme, int32_t& nbchaines) {
  const int32_t i = ix(ligne, colonne);
  const uint8_t x = p[i];
  // A chain head adds its chain.
  if (infochaine[i][1] != 0) {
    somme += infochaine[i][1];
    ++nbchaines;
  }
  marques[i] = 1;
  // Orthogonal neighbours.
  pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (marques[j]) return false;
    if (p[j] == VIDE) {
      marques[j] = 1;
      empilepoint(l, cap, r2, c2);
    } else if (p[j] == x) {
      listelibertesetpierresliees(p, l, cap, ataris, capataris, marques, r2, c2, somme, nbchaines);
    } else if (infochaine[j][0] == 1) {
      empilepoint(ataris, capataris, r2, c2);
    }
    return false;
  });
  // Diagonal links.
  for (const auto& o : ORDREDIAGONAL) {
    const int32_t r2 = ligne + o[0], c2 = colonne + o[1];
    if (!surplateaumoteur(r2, c2)) continue;
    const int32_t j = ix(r2, c2);
    if (marques[j] || p[j] != x) continue;
    if (diagonaleliee(p, x, ligne, colonne, r2, c2))
      listelibertesetpierresliees(p, l, cap, ataris, capataris, marques, r2, c2, somme, nbchaines);
  }
}

void regionfermeeyeux(bool& echec, const TPlateau& p, uint8_t C, int32_t dir, int32_t ligne, int32_t colonne,
                      TMarques& X, TMarques& R, uint8_t O) {
  const int32_t i = ix(ligne, colonne);
  // The point joins the region; a point met twice fails.
  R[i] = 2;
  if (X[i] == EXCLU) {
    echec = true;
    return;
  }
  X[i] = EXCLU;
  // A live enemy stone breaks the closure.
  if (p[i] == O && !pionsmorts[i]) {
    echec = true;
    return;
  }
  // Neighbours: region points, a wall stone (a failure) or more region.
  pasvoisins(ligne, colonne, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (R[j] != 0) {
      R[j] = 2;
    } else if (p[j] == C) {
      echec = true;
    } else {
      regionfermeeyeux(echec, p, C, d2, r2, c2, X, R, O);
    }
    return echec;
  });
}

bool testvieapresjeu(TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t i0 = ix(ligne, colonne);
  // A chain in atari cannot live.
  if (infochaine[i0][0] < 2) return false;
  const uint8_t C = p[i0];
  const uint8_t O = C == BLANC ? NOIR : BLANC;
  // The liberties, unmarked; the chain stays marked.
  TMarques W;
  zeromarques(W);
  TListePoints L;
  L[0] = 0;
  listelibertessimple(p, L, CAPACITELIBERTESYEUX, W, ligne, colonne);
  const int32_t n = nbpoints(L);
  for (int32_t k = 1; k <= n; ++k) W[ix(pointliste(L, k))] = 0;
  // Classes.
  int32_t candidats = 0;
  for (int32_t k = 1; k <= n; ++k) {
    const TPoint l = pointliste(L, k);
    const int32_t v = testoeilmarques(p, W, C, l.ligne, l.colonne);
    if (v == 0) {
      W[ix(l)] = CANDIDAT;
      ++candidats;
    } else if (v == 1 || v == 2) {
      W[ix(l)] = SORTIE;
    }
    if (candidats == 0 && k >= n - 1) return false;
  }
  // Two eyes need two candidates.
  if (candidats < 2) return false;
  // Threatened candidates, true eyes and half eyes.
  TPoint premier{};
  int32_t demi = 0;
  for (int32_t k = 1; k <= n; ++k) {
    const TPoint l = pointliste(L, k);
    if (W[ix(l)] != CANDIDAT) continue;
    if (oeilmenace(W, p, l.ligne, l.colonne, 0, C, O)) {
      W[ix(l)] = MENACE;
      if (--candidats < 2) return false;
      continue;
    }
    std::array<TPoint, 2> s{};
    const int32_t v = diagonalesmasqueescompte(W, p, s, l.ligne, l.colonne, C);
    if (v == 1) {
      if (pose(premier)) return true;
      premier = l;
      W[ix(l)] = VRAIOEIL;
    } else if (v == 2) {
      W[ix(l)] = DEMIOEIL;
      ++demi;
    }
  }
  // Half-eye pairing.
  if (demi > 0 && (pose(premier) || demi >= 2))
    return appariedemiyeux(p, L, W, premier, C, O, TPoint{ligne, colonne});
  return false;
}

bool genecoupsyeux(TPlateau& p, int32_t ligne, int32_t colonne, TPoint dernier, int32_t& score, int32_t& code,
                   const TMarques& carte) {
  const int32_t taille = configmoteur.taille;
  const int32_t i0 = ix(ligne, colonne);
  // No score yet; a chain in atari gets none.
  score = 0;
  code = 0;
  if (infochaine[i0][0] <= 1) return false;
  // Follow-up state.
  int32_t suite = 2;
  if (pose(dernier)) {
    if (!flagsurvie) {
      if (!pierreseparatrice(p, dernier.ligne, dernier.colonne)) {
        code = 2;
        return false;
      }
    } else {
      suite = 0;
    }
  }
  // Liberties and enemy stones in atari.
  TMarques W, X, Y, T;
  zeromarques(W);
  zeromarques(X);
  zeromarques(Y);
  zeromarques(T);
  const uint8_t C = p[i0];
  const uint8_t O = C == BLANC ? NOIR : BLANC;
  TListePoints L, A;
  L[0] = A[0] = 0;
  int32_t S = -1, N = 0;
  if (!flagsurvie) {
    listelibertesdelachaineliee(p, L, CAPACITELIBERTESYEUX, A, CAPACITELIBERTESYEUX, W, ligne, colonne);
  } else {
    S = 0;
    listelibertesetpierresliees(p, L, CAPACITELIBERTESYEUX, A, CAPACITELIBERTESYEUX, W, ligne, colonne, S, N);
    if (S < 4) S = -1;
  }
  int32_t F = nbpoints(L) > 3 ? 4 : 0;

  // Enemy chains in atari without escape: lifted or filled.
  RetourPosition retour{p};
  int32_t nbcaptures = 0;
  if (nbpoints(A) > 0) {
    F = 1;
    const int32_t na = nbpoints(A);
    for (int32_t k = 1; k <= na; ++k) {
      const TPoint e = pointliste(A, k);
      if (Y[ix(e)]) continue;
      TPoint s1, s2;
      if (!atarisansissue(p, Y, s1, s2, e.ligne, e.colonne)) continue;
      retour.prend();
      TPoint capture = s1;
      if (pose(s2)) {
        if (infochaine[ix(e)][1] == 1) {
          p[ix(e)] = VIDE;
          infochaine[ix(e)] = flagchaines;
          ajoutelibertechaine(p, C, e.ligne, e.colonne);
        } else {
          retirechaine(p, e.ligne, e.colonne);
        }
        capture = s2;
      }
      ++nbcaptures;
      A[2 * nbcaptures] = capture.ligne;
      A[2 * nbcaptures + 1] = capture.colonne;
    }
    A[0] = nbcaptures;
    zeromarques(Y);
    for (int32_t k = 1; k <= nbcaptures; ++k) {
      const TPoint q = pointliste(A, k);
      jouecoup(listemodule, MAXPOINTSLISTE, p, q.ligne, q.colonne, C, O);
      if (p[ix(q)] != C) continue;
      if (W[ix(q)] == 1) {
        const int32_t nl = nbpoints(L);
        for (int32_t j = 1; j <= nl; ++j) {
          if (ligneliste(L, j) != q.ligne || colonneliste(L, j) != q.colonne) continue;
          for (int32_t m = j; m < nl; ++m) {
            L[2 * m] = L[2 * m + 2];
            L[2 * m + 1] = L[2 * m + 3];
          }
          L[0] = nl - 1;
          break;
        }
      }
      listelibertessimple(p, L, CAPACITELIBERTESYEUX, W, q.ligne, q.colonne);
    }
  }
  const int32_t n = nbpoints(L);

  // The last move and the group; liberties unmarked.
  if (pose(dernier)) {
    if (!W[ix(dernier)]) suite = 1;
    else code = 1;
  }
  for (int32_t k = 1; k <= n; ++k) W[ix(pointliste(L, k))] = 0;

  // Liberties next to a strong enemy chain are excluded.
  for (int32_t k = 1; k <= n; ++k) {
    const TPoint l = pointliste(L, k);
    if (voisinaplusde2libertes(p, O, l.ligne, l.colonne)) X[ix(l)] = EXCLU;
  }

  // Classes; in eye-space mode the eye points too.
  const bool espace = S > 0;
  if (espace) T = W;
  bool candidat = false, sortie = false;
  int32_t P = 0, Q = 0;
  for (int32_t k = 1; k <= n; ++k) {
    const TPoint l = pointliste(L, k);
    const int32_t j = ix(l);
    if (X[j] != 0) continue;
    if (espace) T[j] = (carte[j] != 0 && testvraioeil(p, O, l.ligne, l.colonne)) ? 1 : 2;
    const int32_t r = testoeilmarques(p, W, C, l.ligne, l.colonne);
    bool classee = true;
    if (r == 0) {
      W[j] = CANDIDAT;
      X[j] = CANDIDAT;
      candidat = true;
    } else if (r == 1 || r == 2) {
      W[j] = SORTIE;
      Y[j] = 1;
      sortie = true;
    } else {
      classee = false;
    }
    if (espace && T[j] == 1) {
      if (classee) ++P;
      else if (!sortieoeil(p, O, l.ligne, l.colonne)) ++Q;
    }
  }

  // Eye space.
  int32_t espaceregions = 0;
  if (espace) {
    if (P + Q >= 4) {
      int32_t E = P + (Q - N > 0 ? Q - N : 0);
      if (E >= 7) return true;
      // The other empty points of the map: only one next to a point marked 1
      // in T can add to E, and E only grows, so those points are read, each
      // once, in any order. The others are left at 0: the region pass reads T only
      // through testvraioeil, which refuses every point testvraioeilmarques
      // answers 0 for (an enemy neighbour or too many enemy diagonals), and
      // the board is the same there.
      int32_t demis = 0;
      TMarques lus = marquesvides;
      for (int32_t r = 1; r <= taille; ++r)
        for (int32_t c = 1; c <= taille; ++c) {
          if (T[ix(r, c)] != 1) continue;
          const TVoisins& tv = tablevoisins[ix(r, c)];
          for (int32_t k = 0; k < tv.nbvoisins; ++k) {
            const int32_t r2 = tv.voisins[k][0], c2 = tv.voisins[k][1];
            const int32_t j = ix(r2, c2);
            if (lus[j] || p[j] != VIDE || T[j] != 0 || X[j] != 0 || carte[j] == 0) continue;
            lus[j] = 1;
            const int32_t v = testvraioeilmarques(p, T, O, r2, c2);
            if (v == 2 && !sortieoeil(p, O, r2, c2)) {
              ++E;
            } else if (v == 1 && !sortieoeil(p, O, r2, c2)) {
              if (++demis == 2) {
                demis = 0;
                ++E;
              }
            }
            if (E >= 7) return true;
          }
        }
    }
    espaceregions = -N;
  }

  // True and half eyes among the candidates.
  TPoint premier{};
  int32_t H = 0;
  if (candidat) {
    for (int32_t k = 1; k <= n; ++k) {
      const TPoint l = pointliste(L, k);
      const int32_t j = ix(l);
      if (W[j] != CANDIDAT) continue;
      if (oeilmenace(W, p, l.ligne, l.colonne, nbcaptures, C, O)) {
        W[j] = MENACE;
        continue;
      }
      std::array<TPoint, 2> s{};
      const int32_t v = diagonalesmasqueescompte(W, p, s, l.ligne, l.colonne, C);
      if (v == 1) {
        if (pose(premier)) return true;
        premier = l;
        score += 100;
        W[j] = VRAIOEIL;
      } else if (v == 2) {
        W[j] = DEMIOEIL;
        ++H;
        score += 50;
      }
      if ((v == 1 || v == 2) && code == 1 && voisin9(l, dernier)) code = 4;
    }
  }

  // Half-eye pairing.
  if (H > 0 && (pose(premier) || H >= 2) && appariedemiyeux(p, L, W, premier, C, O, TPoint{ligne, colonne}))
    return true;

  // Follow-up.
  if (suite == 0 && !pierreseparatrice(p, dernier.ligne, dernier.colonne)) {
    code = 2;
    return false;
  }
  if (suite == 1) return false;

  // Regions.
  if (sortie)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t j = ix(pointliste(L, k));
      if (W[j] == SORTIE) W[j] = 0;
    }
  int32_t nr = 0;
  if (candidat)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t j = ix(pointliste(L, k));
      if (W[j] == CANDIDAT || W[j] == DEMIOEIL) {
        W[j] = static_cast<uint8_t>(++nr);
        X[j] = EXCLU;
        score += 4;
      } else if (W[j] == MENACE) {
        X[j] = EXCLU;
        W[j] = ECARTE;
      }
    }
  int32_t fermees = 0;
  for (int32_t k = 1; k <= n; ++k) {
    const TPoint l = pointliste(L, k);
    if (W[ix(l)] != 0 || X[ix(l)] > 1) continue;
    TMarques R = W;
    bool echec = false;
    regionfermeeyeux(echec, p, C, 0, l.ligne, l.colonne, X, R, O);
    if (echec) continue;
    ++fermees;
    ++nr;
    score += 4;
    for (int32_t r = 1; r <= taille; ++r)
      for (int32_t c = 1; c <= taille; ++c) {
        const int32_t j = ix(r, c);
        if (R[j] != 2 || (nr >= 3 && W[j] == 2)) continue;
        W[j] = static_cast<uint8_t>(nr);
        if (F == 0 && p[j] == O) {
          if (infochaine[j][0] != 1) return false;
          F = 1;
        }
        if (espace && p[j] == VIDE && carte[j] != 0 && (T[j] == 1 || (T[j] == 0 && testvraioeil(p, O, r, c))) &&
            ++espaceregions >= 9)
          return true;
      }
  }

  // Region check.
  if (fermees == 0) return false;
  if (!pose(premier) ? nr < 2 : nr == 0) return false;

  // Final count.
  int32_t yeux = pose(premier) ? 1 : 0;
  for (int32_t k = 1;; ++k) {
    bool oeil = true;
    for (int32_t q = 1; q <= n && oeil; ++q) {
      const TPoint l = pointliste(L, q);
      if (W[ix(l)] == k && !diagonalesmasquees(W, p, l.ligne, l.colonne, C)) oeil = false;
    }
    if (oeil) {
      if (yeux == 1) return true;
      yeux = 1;
      score += 100;
    }
    if (k >= nr) return false;
    if ((nr - k) + yeux < 2) return false;
  }
}
