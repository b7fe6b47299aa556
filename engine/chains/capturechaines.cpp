// Chain capture reading of the main search.
#include "engine/chains/capturechaines.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/balayages.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"

namespace {

inline int32_t libstable(int32_t r, int32_t c) { return infochaine[ix(r, c)][0]; }

TListePoints listevide() {
  TListePoints l;
  l[0] = 0;
  return l;
}

bool dansliste(const TListePoints& l, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return true;
  return false;
}

// The list without the point (r, c), in its order.
TListePoints sauf(const TListePoints& l, int32_t r, int32_t c) {
  TListePoints s = listevide();
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) != r || colonneliste(l, k) != c) empilepoint(s, MAXPOINTSLISTE, ligneliste(l, k), colonneliste(l, k));
  return s;
}

TMarques chainede(const TPlateau& p, int32_t r, int32_t c) {
  TMarques m;
  zeromarques(m);
  marquepionschaine(p, m, 0, r, c);
  return m;
}

int32_t libertesmarche(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu;
  zeromarques(vu);
  int32_t n = 0;
  comptelibertes(p, n, 0, r, c, vu);
  return n;
}

// A trial stone, taken back with the stones it captured when the scope ends.
struct Essai {
  TPlateau& p;
  int32_t r, c;
  uint8_t couleur;
  TListePoints prises = listevide();
  Essai(TPlateau& p_, int32_t r_, int32_t c_, uint8_t couleur_) : p(p_), r(r_), c(c_), couleur(couleur_) {}
  bool tient() const { return p[ix(r, c)] == couleur; }
  ~Essai() {
    if (tient()) p[ix(r, c)] = VIDE;
    for (int32_t k = 1; k <= nbpoints(prises); ++k) p[ix(ligneliste(prises, k), colonneliste(prises, k))] = autre(couleur);
  }
};

// One reading: the board, the sides, the depth and the limits of its plies.
struct Lecture {
  TPlateau& p;
  uint8_t attaquant, defenseur;
  int32_t profondeur;
  TLimitesCapture limites;
  TListePoints& adversaires;
  int32_t capadversaires;

  int32_t limite(int32_t pli) const { return limites[std::min(pli, PLISMAXCAPTURE + 1)]; }

  // The joined chain's liberties; false when it has escaped.
  bool jonction(int32_t pli, int32_t lr, int32_t lc, TListePoints& nouvelles) {
    TMarques vu;
    zeromarques(vu);
    adversaires[0] = 0;
    libertesetadversaires(p, nouvelles, CAPACITECAPTURE, 0, lr, lc, vu, capadversaires, adversaires);
    if (nbpoints(nouvelles) <= 1) return true;
    if (nbpoints(nouvelles) >= limite(pli) || pli > profondeur) return false;
    for (int32_t k = 1; k <= nbpoints(adversaires); ++k)
      if (libertesmarche(p, ligneliste(adversaires, k), colonneliste(adversaires, k)) < 2) return false;
    return true;
  }

  // Liberties after an extension that joins nothing: the new empty
  // neighbours of L (+row, +col, -row, -col), then the other old ones.
  TListePoints prolongation(const TListePoints& libs, const TMarques& mlib, int32_t lr, int32_t lc) const {
    TListePoints nouvelles = listevide();
    pas4(lr, lc, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
      if (p[ix(r2, c2)] == VIDE && !mlib[ix(r2, c2)]) empilepoint(nouvelles, CAPACITECAPTURE, r2, c2);
      return false;
    });
    for (int32_t k = 1; k <= nbpoints(libs); ++k) {
      const int32_t r2 = ligneliste(libs, k), c2 = colonneliste(libs, k);
      if (r2 != lr || c2 != lc) empilepoint(nouvelles, CAPACITECAPTURE, r2, c2);
    }
    return nouvelles;
  }

  // The attacker's answers to one extension: true when one captures.
  bool reponses(int32_t pli, const TListePoints& nouvelles, const TMarques& chaine) {
    for (int32_t k = 1; k <= nbpoints(nouvelles); ++k) {
      const int32_t ar = ligneliste(nouvelles, k), ac = colonneliste(nouvelles, k);
      Essai a(p, ar, ac, attaquant);
      jouecoupcaptures(a.prises, CAPACITECAPTURE, p, ar, ac, attaquant, defenseur);
      if (!a.tient()) continue;
      int32_t nb = 0;
      TPoint lib;
      TMarques vu;
      zeromarques(vu);
      deuxlibertes(p, nb, lib, 0, ar, ac, vu);
      if (nb < 2) continue;
      TListePoints reste = sauf(nouvelles, ar, ac);
      if (detectcapture(pli + 1, reste, chaine) == CAPTURECHAINE) return true;
    }
    return false;
  }

  // One node, the defender to move on the chain marked in `chaine` with the
  // liberties `libs` (reordered in place).
  int32_t detectcapture(int32_t pli, TListePoints& libs, const TMarques& chaine) {
    // Node count and the liberty map.
    ++compteurnoeudslecture;
    const int32_t nlib = nbpoints(libs);
    TMarques mlib;
    zeromarques(mlib);
    for (int32_t k = 1; k <= nlib; ++k) mlib[ix(ligneliste(libs, k), colonneliste(libs, k))] = 1;
    // Early or with liberties to spare: ordered, and an escape ends the reading.
    if ((pli < 4 || nlib > 2) && nlib > 1) {
      uint8_t evasion = 0;
      ordrecaptures(p, defenseur, chaine, evasion, limite(pli), mlib, libs);
      if (evasion) return 0;
    }
    // The defender extends on each liberty in turn.
    int32_t refus = 0;
    for (int32_t k = 1; k <= nlib; ++k) {
      const int32_t lr = ligneliste(libs, k), lc = colonneliste(libs, k);
      if (p[ix(lr, lc)] != VIDE) continue;
      Essai d(p, lr, lc, defenseur);
      int32_t code = 0;
      essaicoupgroupes(code, mlib, p, lr, lc, defenseur, attaquant);
      if (code == 1) return 0;
      if (!d.tient()) {
        if (++refus == 2) return 0;
        continue;
      }
      // New liberties, unless the extension joins another defender chain.
      const bool jointe = pas4(lr, lc, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
        return p[ix(r2, c2)] == defenseur && !chaine[ix(r2, c2)];
      });
      TListePoints nouvelles = listevide();
      TMarques chaine2 = chaine;
      if (jointe) {
        if (!jonction(pli, lr, lc, nouvelles)) return 0;
        chaine2 = chainede(p, lr, lc);
      } else {
        nouvelles = prolongation(libs, mlib, lr, lc);
        chaine2[ix(lr, lc)] = 1;
      }
      if (nbpoints(nouvelles) <= 1) continue;  // caught
      if (!jointe && (nbpoints(nouvelles) >= limite(pli) || pli > profondeur || code == 2)) return 0;
      // The attacker's answers.
      if (!reponses(pli, nouvelles, chaine2)) return 0;
    }
    // Every extension was answered: captured.
    return CAPTURECHAINE;
  }
};

// Marks (v = 1) or clears (v = 0) pionsmorts over the chain; true when a mark changed.
bool peintmorts(const TPlateau& p, int32_t r, int32_t c, uint8_t v) {
  const TMarques ch = chainede(p, r, c);
  bool change = false;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (ch[i] && (pionsmorts[i] != 0) != (v != 0)) {
      pionsmorts[i] = v;
      change = true;
    }
  return change;
}

// An adjacent enemy chain has fewer than 2 liberties, counted by walks.
bool ennemiaffaibli(const TPlateau& p, const TListePoints& adv) {
  if (nbpoints(adv) == 1) return libertesmarche(p, ligneliste(adv, 1), colonneliste(adv, 1)) < 2;
  TMarques comptees;
  zeromarques(comptees);
  for (int32_t k = 1; k <= nbpoints(adv); ++k) {
    const int32_t r = ligneliste(adv, k), c = colonneliste(adv, k);
    if (comptees[ix(r, c)]) continue;
    TMarques vu;
    zeromarques(vu);
    int32_t n = 0;
    comptelibertesetmarque(p, n, 0, r, c, vu, comptees);
    if (n < 2) return true;
  }
  return false;
}

}  // namespace

void construitlimitescapture(TLimitesCapture& limites, int32_t profondeur, int32_t cap) {
  const int32_t d = std::clamp(profondeur, 0, PLISMAXCAPTURE);
  limites.fill(0);
  for (int32_t i = 1; i <= d + 1; ++i) {
    if (d <= 4) limites[i] = std::min(cap, 2 * (d - i) + 4);
    else if (i <= 2) limites[i] = cap;
    else if (i <= 5) limites[i] = std::min(cap, 4);
    else limites[i] = std::min(cap, 3);
  }
}

void ordrecaptures(const TPlateau& p, uint8_t defenseur, const TMarques& chaine, uint8_t& evasion, int32_t limite,
                   const TMarques& libertes, TListePoints& liste) {
  const int32_t n = nbpoints(liste);
  int32_t valeurs[MAXPOINTSLISTE + 1] = {};
  for (int32_t k = 1; k <= n; ++k) {
    int32_t v = 0;
    pas4(ligneliste(liste, k), colonneliste(liste, k), ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
      if (p[ix(r2, c2)] == VIDE && !libertes[ix(r2, c2)]) ++v;
      return false;
    });
    valeurs[k] = v;
    if (n - 1 + v >= limite) {
      evasion = 1;
      return;
    }
  }
  for (int32_t k = 1; k <= n; ++k) {
    const bool vivant = pas4(ligneliste(liste, k), colonneliste(liste, k), ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (p[j] != defenseur || chaine[j]) return false;
      if (marquesglobales[j]) return true;
      ++valeurs[k];
      return false;
    });
    if (vivant) {
      evasion = 1;
      return;
    }
  }
  triecoups(liste, valeurs);
}

void lancedetectcapture(TListePoints& adversaires, int32_t cap, const TListePoints& libertes, TPlateau& p,
                        uint8_t attaquant, uint8_t defenseur, int32_t& resultat, int32_t /*mode*/, int32_t profondeur,
                        int32_t n, int32_t r, int32_t c) {
  Lecture l{p, attaquant, defenseur, std::clamp(profondeur, 0, PLISMAXCAPTURE), {}, adversaires, cap};
  construitlimitescapture(l.limites, profondeur, n);
  TListePoints libs = libertes;
  resultat = l.detectcapture(1, libs, chainede(p, r, c));
}

void captureparatari(TPlateau& p, uint8_t attaquant, uint8_t defenseur, int32_t n, int32_t profondeur, int32_t r,
                     int32_t c, int32_t& resultat) {
  resultat = 0;
  TListePoints libs = listevide();
  TMarques vu;
  zeromarques(vu);
  libertesdelachaine(p, libs, CAPACITECAPTURE, 0, r, c, vu);
  if (nbpoints(libs) <= 1) {
    resultat = CAPTURECHAINE;
    return;
  }
  if (nbpoints(libs) >= n) return;
  TListePoints adversaires = listevide();
  for (int32_t k = 1; k <= nbpoints(libs) && resultat != CAPTURECHAINE; ++k) {
    const int32_t lr = ligneliste(libs, k), lc = colonneliste(libs, k);
    Essai a(p, lr, lc, attaquant);
    jouecoupcaptures(a.prises, CAPACITECAPTURE, p, lr, lc, attaquant, defenseur);
    if (!a.tient()) continue;
    const TListePoints autres = sauf(libs, lr, lc);
    int32_t nb = 0;
    TPoint m;
    TMarques vu2;
    zeromarques(vu2);
    deuxlibertes(p, nb, m, 0, lr, lc, vu2);
    if (nb >= 2) {
      lancedetectcapture(adversaires, CAPACITECAPTURE, autres, p, attaquant, defenseur, resultat, 2, profondeur, n, r,
                         c);
    } else if (nb == 1 && p[ix(m.ligne, m.colonne)] == VIDE && !dansliste(libs, m.ligne, m.colonne)) {
      // The attacker's stone in atari extends at once.
      Essai a2(p, m.ligne, m.colonne, attaquant);
      jouecoupcaptures(a2.prises, CAPACITECAPTURE, p, m.ligne, m.colonne, attaquant, defenseur);
      if (a2.tient())
        lancedetectcapture(adversaires, CAPACITECAPTURE, autres, p, attaquant, defenseur, resultat, 2, profondeur, n,
                           r, c);
    }
  }
}

bool deuxrefus(const TListePoints& l, int32_t cap, const TPlateau& p, uint8_t attaquant, uint8_t defenseur) {
  int32_t refus = 0;
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    TPlateau copie = p;
    TListePoints prises = listevide();
    rejouecoup(prises, cap, copie, r, c, attaquant, defenseur);
    if (nbpoints(prises) > 0) return false;
    if (copie[ix(r, c)] != attaquant && ++refus == 2) return true;
  }
  return false;
}

void detectcaptureschaines(TPlateau& p, int32_t n, int32_t d, uint8_t c) {
  const int32_t taille = taillemoteur();
  // Start from the saved dead marks.
  pionsmorts = pionsmortssauves;
  // Chains of the colour in atari are dead.
  if (c != VIDE) {
    TMarques vus;
    zeromarques(vus);
    for (int32_t r = 1; r <= taille; ++r)
      for (int32_t k = 1; k <= taille; ++k) {
        if (p[ix(r, k)] != c || vus[ix(r, k)]) continue;
        marquepionschaine(p, vus, 0, r, k);
        if (libertesmarche(p, r, k) == 1) marquechaine(p, r, k);
      }
  }
  // Each chain within the liberty limit is read.
  TMarques vus;
  zeromarques(vus);
  TListePoints libs, adv;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t k = 1; k <= taille; ++k) {
      const int32_t i = ix(r, k);
      const uint8_t x = p[i];
      if (!pierre(x) || vus[i] || marquesglobales[i]) continue;
      marquepionschaine(p, vus, 0, r, k);
      libs[0] = adv[0] = 0;
      TMarques vu;
      zeromarques(vu);
      libertesetadversaires(p, libs, CAPACITECAPTURE, 0, r, k, vu, CAPACITECAPTURE, adv);
      const int32_t nl = nbpoints(libs);
      if (nl > n) continue;
      if (nl >= 2 && deuxrefus(libs, CAPACITECAPTURE, p, autre(x), x)) continue;
      if (ennemiaffaibli(p, adv)) continue;
      int32_t resultat = 0;
      if (x != c)
        lancedetectcapture(adv, CAPACITECAPTURE, libs, p, autre(x), x, resultat, 1, d, n, r, k);
      else if (nl == 1)
        resultat = CAPTURECHAINE;
      else
        captureparatari(p, autre(x), x, n, d, r, k, resultat);
      // A captured chain is marked dead.
      if (resultat == CAPTURECHAINE) marquechaine(p, r, k);
    }
}

void analysechaine(TPlateau& p, int32_t& change, int32_t profondeur, int32_t r, int32_t c, int32_t r2, int32_t c2,
                   int32_t n, int32_t rayon, int32_t mode) {
  change = 0;
  const int32_t taille = taillemoteur();
  const uint8_t x = p[ix(r, c)];
  TMarques traites;
  zeromarques(traites);
  const auto note = [&](bool b) {
    if (b) change = 1;
  };

  // A dead stone with more liberties than the limit lives again.
  if (pierre(x) && pionsmorts[ix(r, c)] && libstable(r, c) > n) note(peintmorts(p, r, c, 0));

  // Own stones next to enemy chains in atari come back to life.
  if (pierre(x) && libstable(r, c) > 1) {
    TListePoints libs = listevide(), adv = listevide();
    TMarques vu;
    zeromarques(vu);
    libertesetadversaires(p, libs, CAPACITECAPTURE, 0, r, c, vu, CAPACITECAPTURE, adv);
    TMarques vues;
    zeromarques(vues);
    for (int32_t k = 1; k <= nbpoints(adv); ++k) {
      const int32_t er = ligneliste(adv, k), ec = colonneliste(adv, k);
      if (vues[ix(er, ec)] || libstable(er, ec) != 1) continue;
      marquepionschaine(p, vues, 0, er, ec);
      TListePoints pres = listevide();
      TMarques vu2;
      zeromarques(vu2);
      listepierresennemiesvoisines(p, pres, CAPACITECAPTURE, 0, er, ec, vu2);
      for (int32_t q = 1; q <= nbpoints(pres); ++q) {
        const int32_t sr = ligneliste(pres, q), sc = colonneliste(pres, q);
        const int32_t j = ix(sr, sc);
        if (pionsmorts[j] && libstable(sr, sc) > 1 && !traites[j]) note(peintmorts(p, sr, sc, 0));
      }
    }
  }

  // A chain in atari is taken for the reading of what is around it.
  const bool enatari = pierre(x) && libstable(r, c) == 1;
  TPoint l;
  TListePoints prises = listevide();
  if (enatari) {
    const uint8_t o = autre(x);
    l = premiereliberte(p, r, c);
    if (l.ligne != 0) jouecoupcaptures(prises, CAPACITECAPTURE, p, l.ligne, l.colonne, o, x);
    if (nbpoints(prises) == 0) ecritdebug("bug analysechaine: la chaine en atari n'est pas prise");
    if (l.ligne != 0 && p[ix(l.ligne, l.colonne)] == o) {
      int32_t pierres = 0, libertes = 0;
      TMarques vu;
      zeromarques(vu);
      comptepierreslibertes2(p, pierres, libertes, 0, l.ligne, l.colonne, vu);
      if (libertes == 1) {
        if (pierres == 1) {
          traites[ix(l.ligne, l.colonne)] = 1;
        } else {
          TListePoints ch = listevide();
          uint8_t atari = 0;
          TMarques vu2;
          zeromarques(vu2);
          pierreschaineetatariennemi(p, ch, MAXPOINTSLISTE, atari, 0, l.ligne, l.colonne, vu2);
          for (int32_t k = 1; k <= nbpoints(ch); ++k) {
            const int32_t j = ix(ligneliste(ch, k), colonneliste(ch, k));
            traites[j] = 1;
            const uint8_t v = atari ? 0 : 1;
            if ((pionsmorts[j] != 0) != (v != 0)) {
              pionsmorts[j] = v;
              change = 1;
            }
          }
        }
      }
    }
  }

  // One pass over a rectangle of the board.
  const auto passe = [&](int32_t lmin, int32_t lmax, int32_t cmin, int32_t cmax) {
    if (mode == 1 && pierre(x)) {
      TMarques vus;
      zeromarques(vus);
      for (int32_t i = 1; i <= taille; ++i)
        for (int32_t k = 1; k <= taille; ++k)
          if (p[ix(i, k)] == x && !vus[ix(i, k)] && libstable(i, k) == 1) {
            marquepionschaine(p, vus, 0, i, k);
            note(peintmorts(p, i, k, 1));
          }
    }
    for (int32_t i = lmin; i <= lmax; ++i)
      for (int32_t k = cmin; k <= cmax; ++k) {
        const int32_t j = ix(i, k);
        const uint8_t y = p[j];
        if (!pierre(y) || libstable(i, k) > n || traites[j] || marquesglobales[j]) continue;
        // The chain's liberties and enemy neighbours.
        TListePoints libs = listevide(), adv = listevide();
        TMarques vu;
        zeromarques(vu);
        libertesetadversaires(p, libs, CAPACITECAPTURE, 0, i, k, vu, CAPACITECAPTURE, adv);
        const TMarques ch = chainede(p, i, k);
        bool passee = false;
        for (int32_t q = 0; q < NBCASES; ++q)
          if (ch[q]) {
            traites[q] = 1;
            if (marquesglobales[q]) passee = true;
          }
        // Passed over: two refused liberties, or an enemy neighbour in atari.
        const int32_t nl = nbpoints(libs);
        if (!passee && nl >= 2 && deuxrefus(libs, CAPACITECAPTURE, p, autre(y), y)) passee = true;
        for (int32_t q = 1; q <= nbpoints(adv) && !passee; ++q)
          if (libstable(ligneliste(adv, q), colonneliste(adv, q)) < 2) passee = true;
        // Reading: by atari for the chain itself, the limited reading otherwise.
        int32_t resultat = 0;
        if (!passee) {
          if (ch[ix(r, c)] || (mode == 1 && y == x)) {
            if (nl == 1) resultat = CAPTURECHAINE;
            else captureparatari(p, autre(y), y, n, profondeur, i, k, resultat);
          } else {
            lancedetectcapture(adv, CAPACITECAPTURE, libs, p, autre(y), y, resultat, 1, profondeur, n, i, k);
          }
        }
        // Dead marks painted or cleared by the result.
        note(peintmorts(p, i, k, resultat == CAPTURECHAINE ? 1 : 0));
      }
  };
  if (r2 != 0) passe(r2, r2, c2, c2);
  passe(std::max(1, r - rayon), std::min(taille, r + rayon), std::max(1, c - rayon), std::min(taille, c + rayon));

  // The capture of the chain in atari is taken back; the captured stones stay dead.
  if (enatari && l.ligne != 0) {
    const int32_t j = ix(l.ligne, l.colonne);
    if (p[j] == autre(x)) p[j] = VIDE;
    if (pionsmorts[j]) {
      pionsmorts[j] = 0;
      change = 1;
    }
    for (int32_t k = 1; k <= nbpoints(prises); ++k) {
      const int32_t q = ix(ligneliste(prises, k), colonneliste(prises, k));
      p[q] = x;
      if (!pionsmorts[q]) {
        pionsmorts[q] = 1;
        change = 1;
      }
    }
  }
}
