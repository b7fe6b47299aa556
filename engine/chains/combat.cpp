// Fight reading of one chain: escape points, square test, eye counts, and the
// dead marks of a lost chain.
#include "engine/chains/combat.h"

#include "engine/board/acces.h"
#include "engine/board/formes.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"

#include <algorithm>

namespace {

inline bool pointnul(const TPoint& a) { return a.ligne == 0; }

// An empty point list: count and second word 0, the entries left unwritten
// (only the listed ones are ever read).
inline TListePoints listevide() {
  TListePoints l;
  l[0] = l[1] = 0;
  return l;
}
// Copies the count, the second word and the listed points of `de`.
inline void copieliste(TListePoints& vers, const TListePoints& de) {
  const int32_t n = de[0] > 0 ? de[0] : 0;
  std::copy(de.begin(), de.begin() + 2 * n + 2, vers.begin());
}

constexpr int32_t CAPACITELISTES = 300;
constexpr int32_t LIMITECOMBAT2 = 64;  // inner points met before the yes/no reading says "no way out"

// Puts the board back when the reading ends, whatever the path.
struct PlateauRemis {
  TPlateau& p;
  const TPlateau avant;
  explicit PlateauRemis(TPlateau& q) : p(q), avant(q) {}
  ~PlateauRemis() { p = avant; }
};

// One reading: the shared state of its steps. `table` is the table mode of
// combatchaine (eye values added to the result instead of ending); `oui` is
// the yes/no variant combatchaine2.
struct Lecture {
  TPlateau& p;
  const TPlateau& yeux;  // the board the eye tests take as their first and second board
  uint8_t def, att, trait;
  bool table;
  bool oui;
  TMarques region = marquesvides;
  TListePoints sorties = listevide();
  TListePoints prises = listevide();
  TListePoints ataris = listevide();

  Lecture(TPlateau& plateau, const TPlateau& plateauyeux, uint8_t defenseur, uint8_t attaquant, uint8_t joueur,
          bool modetable, bool ouinon)
      : p(plateau), yeux(plateauyeux), def(defenseur), att(attaquant), trait(joueur), table(modetable), oui(ouinon) {}

  int32_t nbsorties() const { return sorties[0]; }
  int32_t il(int32_t k) const { return ligneliste(sorties, k); }
  int32_t ic(int32_t k) const { return colonneliste(sorties, k); }

  bool oeil(int32_t r, int32_t c, TPoint& sortie, const TPoint& exclu) const {
    return testoeilpossible(yeux, yeux, sortie, exclu, region, p, def, trait, r, c);
  }

  // Escape search from the chain; true when the region reached a
  // living group of the defender (marquesglobales).
  bool recherche(int32_t ligne, int32_t colonne, int32_t limite) {
    sorties[0] = 0;
    sorties[1] = 0;
    ataris[0] = 0;
    prises[0] = 0;
    int32_t compteur = 0;
    return cherchelibertesrecursif(compteur, sorties, limite, 0, ligne, colonne, region, p, att, def, prises, ataris);
  }

  // Enemy chains around the points left in atari by the search; false
  // when the escape count passes the bound.
  bool captures() {
    for (int32_t k = 1; k <= nbpoints(ataris); ++k) {
      const int32_t r = ligneliste(ataris, k), c = colonneliste(ataris, k);
      const int32_t j = ix(r, c);
      if (p[j] != VIDE || region[j] != 0) continue;
      voisinenemia1(sorties, p, att, def, c, r, region);
      if (nbsorties() > MAXSORTIESCOMBAT) return false;
    }
    return true;
  }

  // Escape points that stand on the board's past: 10 with a chain entry, 8
  // when occupied on the saved board.
  void marquesorties(const TPlateau& sauve) {
    for (int32_t k = 1; k <= nbsorties(); ++k) {
      const int32_t j = ix(il(k), ic(k));
      if (libs(j) != 0) region[j] = REGIONCHAINE;
      else if (sauve[j] != VIDE) region[j] = REGIONOCCUPE;
    }
  }

  // Eye count of the points left after the square test. Returns the
  // result: COMBATVIVANT, 0, or (table mode) a positive eye value.
  int32_t comptecarre(const TPlateau& sauve) {
    const int32_t budget = sorties[1];
    marquesorties(sauve);
    int32_t resultat = 0;
    int32_t compte = 0;
    for (int32_t k = 1; k <= nbsorties(); ++k) {
      TPoint s;
      if (!oeil(il(k), ic(k), s, TPoint{})) continue;
      compte += voisincouleurtable(region, REGIONCARRE, il(k), ic(k)) ? 1 : 2;
      if (compte < 2) continue;
      if (!table) return COMBATVIVANT;
      resultat += compte / 2;
    }
    if (table && resultat > 0) resultat += budget;
    return resultat;
  }

  // The third escape point after q: any later empty point that can be an eye
  // (the yes/no reading looks at the first later empty point only: -1 then
  // means it stopped there without a finding).
  int32_t troisieme(int32_t kq, const TPoint& exclu) const {
    for (int32_t k = kq + 1; k <= nbsorties(); ++k) {
      if (p[ix(il(k), ic(k))] != VIDE) continue;
      TPoint s;
      const bool oui3 = oeil(il(k), ic(k), s, exclu);
      if (oui3) return 1;
      if (oui) return -1;
    }
    return 0;
  }

  // Pairwise eye test. Returns COMBATVIVANT, 0, or (table mode) the
  // number of findings.
  int32_t paires(const TPlateau& sauve) {
    marquesorties(sauve);
    // Points with a chain-table entry first, in their order.
    TListePoints triee = listevide();
    for (int32_t passe = 0; passe < 2; ++passe)
      for (int32_t k = 1; k <= nbsorties(); ++k)
        if ((libs(ix(il(k), ic(k))) != 0) == (passe == 0)) empilepoint(triee, MAXSORTIESCOMBAT, il(k), ic(k));
    copieliste(sorties, triee);
    int32_t resultat = 0;
    for (int32_t kp = 1; kp < nbsorties(); ++kp) {
      const TPoint pp{il(kp), ic(kp)};
      TPoint s;
      if (!oeil(pp.ligne, pp.colonne, s, TPoint{})) continue;
      const TPlateau plateauavant = p;
      const TMarques regionavant = region;
      if (libs(ix(pp.ligne, pp.colonne)) != 0) remplitvoisinsvides2(p, region, def, pp.ligne, pp.colonne);
      else remplitvoisinsvides(p, region, def, pp.ligne, pp.colonne);
      for (int32_t kq = kp + 1; kq <= nbsorties(); ++kq) {
        if (p[ix(il(kq), ic(kq))] != VIDE) continue;
        TPoint sq;
        if (!oeil(il(kq), ic(kq), sq, pp)) continue;
        bool vit;
        if (pointnul(sq)) {
          vit = true;
        } else if (trait != def && region[ix(pp.ligne, pp.colonne)] != REGIONCHAINE) {
          vit = true;
        } else {
          const int32_t t = troisieme(kq, pp);
          if (oui && t != 0) {
            // The yes/no reading ends at the first later empty point: it lives
            // when that point can be an eye, and the answer stands otherwise.
            p = plateauavant;
            region = regionavant;
            return COMBATVIVANT;
          }
          vit = t == 1;
        }
        if (!vit) continue;
        if (!table) {
          p = plateauavant;
          region = regionavant;
          return COMBATVIVANT;
        }
        ++resultat;
      }
      p = plateauavant;
      region = regionavant;
    }
    return resultat;
  }

  // The verdict on the escape points, without marking.
  int32_t verdict(const TPlateau& sauve) {
    // Too many exits: alive.
    if (nbsorties() > MAXSORTIESCOMBAT) return COMBATVIVANT;
    // No capture among the exits: alive.
    if (!captures()) return COMBATVIVANT;
    // One exit: dead; two or more are looked at by their shape.
    const int32_t n = nbsorties();
    int32_t resultat = COMBATVIVANT;
    if (n <= 1) return COMBATMORT;
    if (n == 2) {
      const int32_t dl = il(1) - il(2), dc = ic(1) - ic(2);
      if ((dl == 0 && (dc == 1 || dc == -1)) || (dc == 0 && (dl == 1 || dl == -1))) return COMBATMORT;
    } else if (n >= 4) {
      carrevide(p, region, sorties, resultat);
      if (resultat == COMBATMORT) return COMBATMORT;
    }
    // Square shape: its eye count.
    if (resultat == COMBATCARRE) return comptecarre(sauve);
    // Pairwise eye test.
    return paires(sauve);
  }
};

// Dead marks of a lost chain; returns the result after marking.
int32_t marquemorts(const Lecture& l, TMarques& region, const TPlateau& sauve, bool relie) {
  const int32_t n = configmoteur.taille;
  const uint8_t def = l.def;
  // A defender stone of the region, on the working board and on the saved
  // board (the search's trial stones stand on empty points and are never marked).
  auto pierre = [&](int32_t j) { return region[j] == REGIONMARCHE && l.p[j] == def && sauve[j] == def; };
  if (!relie) {
    for (int32_t j = 0; j < NBCASES; ++j)
      if (j % TAILLEMAX < n && j / TAILLEMAX < n && pierre(j)) pionsmorts[j] = 1;
    return COMBATMORT;
  }
  // The region reached a living group: its chains are spared.
  int32_t resultat = COMBATVIVANT;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (!pierre(j)) continue;
      if (marquesglobales[j]) {
        effacechaine(sauve, region, 0, r, c);
      } else if (plateaudepart[j] == def && !pionsmorts[j]) {
        marquechaineselonvisite(sauve, region, 0, r, c);
        resultat = COMBATMORT;
      }
    }
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (pierre(j) && !pionsmorts[j]) {
        pionsmorts[j] = 1;
        resultat = COMBATMORT;
      }
    }
  return resultat;
}

}  // namespace

void carrevide(const TPlateau& p, TMarques& region, TListePoints& sorties, int32_t& resultat) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r < n; ++r)
    for (int32_t c = 1; c < n; ++c) {
      const int32_t bloc[4] = {ix(r, c), ix(r, c + 1), ix(r + 1, c), ix(r + 1, c + 1)};
      bool carre = true;
      for (int32_t j : bloc) carre = carre && region[j] == REGIONMARCHE && p[j] == VIDE;
      if (!carre) continue;
      if (nbpoints(sorties) == 4) {
        resultat = COMBATMORT;
        return;
      }
      for (int32_t j : bloc) region[j] = REGIONCARRE;
      resultat = COMBATCARRE;
      int32_t budget = 0;
      if (tableessaiscourante > 0) {
        // Each taken or marked point beside the square lowers its budget.
        budget = 3;
        for (int32_t dl = 0; dl < 2; ++dl)
          for (int32_t dc = 0; dc < 2; ++dc)
            pas4(r + dl, c + dc, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
              const uint8_t v = region[ix(r2, c2)];
              if ((v == REGIONPRIS || v == REGIONCHAINE) && budget > 0) --budget;
              return false;
            });
      }
      sorties[1] = budget;
      // Only the escape points still plain region points stay.
      TListePoints reste = listevide();
      reste[1] = budget;
      for (int32_t k = 1; k <= nbpoints(sorties); ++k)
        if (region[ix(ligneliste(sorties, k), colonneliste(sorties, k))] == REGIONMARCHE)
          empilepoint(reste, MAXSORTIESCOMBAT, ligneliste(sorties, k), colonneliste(sorties, k));
      copieliste(sorties, reste);
      return;
    }
}

void combatchaine(const TListePoints& liste, int32_t cap, TPlateau& p, const TPlateau& sauve, uint8_t defenseur,
                  uint8_t attaquant, uint8_t trait, int32_t& resultat, int32_t compte, int32_t ligne,
                  int32_t colonne) {
  // Node count; alive until shown otherwise.
  ++compteurnoeudslecture;
  resultat = COMBATVIVANT;
  const uint8_t joueur = trait == VIDE ? p[ix(ligne, colonne)] : trait;
  // The board comes back through the guard.
  PlateauRemis remis(p);
  Lecture l{p, sauve, defenseur, attaquant, joueur, tableessaiscourante > 0, false};
  // Escape search from the chain.
  const bool relie = l.recherche(ligne, colonne, compte);
  // The driver's candidate points.
  const int32_t nbcandidats = nbpoints(liste) < cap ? nbpoints(liste) : cap;
  for (int32_t k = 1; k <= nbcandidats; ++k) {
    const int32_t r = ligneliste(liste, k), c = colonneliste(liste, k);
    const int32_t j = ix(r, c);
    if (!sauvepionsmorts) {
      l.region[j] = REGIONPRIS;
    } else if (l.region[j] != REGIONPRIS &&
               pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
                 const int32_t q = ix(r2, c2);
                 return sauve[q] == attaquant && pionsmortsavant[q] != 0;
               })) {
      l.region[j] = REGIONMORTAVANT;
    }
  }
  // The verdict on the escape points.
  resultat = l.verdict(sauve);
  // A lost chain gets its dead marks.
  if (resultat == COMBATMORT) resultat = marquemorts(l, l.region, sauve, relie);
}

bool combatchaine2(const TCarte& valeurs, const TListePoints& liste, TPlateau& p, uint8_t defenseur,
                   uint8_t attaquant, uint8_t trait, int32_t ligne, int32_t colonne) {
  if (nbpoints(liste) <= 0) return false;
  PlateauRemis remis(p);
  Lecture l{p, remis.avant, defenseur, attaquant, trait, false, true};
  l.recherche(ligne, colonne, LIMITECOMBAT2);
  // A defender stone of the region the caller knows to live.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (l.region[j] == REGIONMARCHE && p[j] == defenseur && valeurs[j] > 0) return true;
  return l.verdict(remis.avant) == COMBATVIVANT;
}
