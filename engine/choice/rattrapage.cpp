#include "engine/choice/rattrapage.h"

#include <utility>

#include "engine/board/balayages.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/rejoue.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"

namespace {

constexpr int32_t CAPACITE = 300;  // liberty and capture lists

// The catch-up step's work board, its saved copy and scratch lists.
TPlateau travail;
TPlateau sauvegarde;
TMarques enfermes;  // stones inside an empty region the other colour alone borders
TListePoints prises;
TListePoints libertes;
TInfoChaine chainesnettoyage;  // the cleanup step's chain table of the position

struct TChaineAtari {
  TPoint liberte;
  int32_t pierres;
};
TChaineAtari sauvetages[NBCASES];  // one entry per own chain in atari

bool interdit(int32_t i) { return (casesinterdites[i] & 0x01) != 0; }

// The last liberty of the chain through (r, c), or row 0 when it has another.
TPoint derniere(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  TPoint lib{};
  derniereliberte(p, lib, 0, r, c, vu);
  if (lib.ligne == ARRETMARCHE) lib = TPoint{};
  return lib;
}

}  // namespace

void couprattrapagepasse(uint8_t c, uint8_t o, const TMarques& exclus, const TPlateau& p, TPoint& coup) {
  // The end-of-game procedure keeps the move as it is.
  if (procedurefinpartie != 0) return;
  // Work board, its chain table, the dead marks of the analysis, the enclosed stones.
  TPlateau& w = travail;
  w = p;
  calculelibertes(w);
  pionsmorts = pionsmortsbis;
  int32_t blancs = 0, noirs = 0;
  enfermes = marquesvides;
  zonesdepuispoint(enfermes, w, blancs, noirs);
  coup = TPoint{};
  const int32_t n = configmoteur.taille;
  // Own chains in atari whose last liberty is free, allowed and not
  // forbidden by ko or superko.
  int32_t nb = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = indexcase(r, col);
      if (infochaine[i][1] == 0 || infochaine[i][0] != 1 || w[i] != c || pionsmorts[i] != 0) continue;
      const TPoint lib = derniere(w, r, col);
      if (lib.ligne == 0) continue;
      const int32_t j = indexcase(lib.ligne, lib.colonne);
      if (w[j] != VIDE || exclus[j] != 0 || interdit(j)) continue;
      sauvetages[++nb - 1] = TChaineAtari{lib, infochaine[i][1]};
    }
  // The largest of them.
  if (nb > 0) {
    for (int32_t a = 0; a < nb; ++a)
      for (int32_t b = 0; b < nb; ++b)
        if (sauvetages[b].pierres < sauvetages[a].pierres) std::swap(sauvetages[a], sauvetages[b]);
    coup = sauvetages[0].liberte;
    ecritdebug("COUP rattrapage Passe");
    return;
  }
  // Enemy chains in atari, unless dead and enclosed.
  sauvegarde = w;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = indexcase(r, col);
      if (infochaine[i][1] == 0 || infochaine[i][0] != 1 || w[i] != o) continue;
      if (pionsmorts[i] != 0 && enfermes[i] != 0) continue;
      const TPoint lib = derniere(w, r, col);
      if (lib.ligne == 0) continue;
      const int32_t j = indexcase(lib.ligne, lib.colonne);
      coup = TPoint{};
      if (interdit(j) || w[j] != VIDE) continue;
      prises[0] = 0;
      jouecoupcaptures(prises, CAPACITE, w, lib.ligne, lib.colonne, c, o);
      int32_t lc = 0, sz = 0;
      if (w[j] == c) {
        libertes[0] = 0;
        TMarques vu = marquesvides;
        libertesetpions(w, libertes, CAPACITE, 0, lib.ligne, lib.colonne, sz, vu);
        lc = libertes[0];
      }
      w = sauvegarde;
      if (sz > 0 && (lc > 1 || sz == 1)) {
        coup = lib;
        ecritdebug("COUP rattrapage Passe");
        return;
      }
    }
  // Nothing to save or take.
}

void couprattrapagepassechinoise(int32_t& passe, uint8_t c, const TMarques& exclus, const TPlateau& p,
                                 TPoint& coup, const TCartesParPoint& te, const TCartesParPoint& to) {
  // Area counting only, and only in place of a pass.
  const uint8_t regle = configmoteur.regle;
  if ((regle != 1 && regle != 2 && regle != 6) || coup.ligne != 0) return;
  // The first accepted point of each row; a later row replaces it.
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = indexcase(r, col);
      if (p[i] != VIDE || interdit(i) || exclus[i] != 0 || te[r - 1][col - 1][i] != 0) continue;
      if (territoire[i] != VIDE || territoire2[i] != VIDE || !voisincouleur(p, c, r, col)) continue;
      // The empty orthogonal neighbours of the point.
      int32_t nbvides = 0;
      bool sansproprietaire = false;
      pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        const int32_t j = indexcase(r2, c2);
        if (p[j] == VIDE) {
          ++nbvides;
          if (territoire[j] == VIDE) sansproprietaire = true;
        }
        return false;
      });
      if (nbvides == 2 && sansproprietaire && to[r - 1][col - 1][i] == 0) continue;
      coup = TPoint{r, col};
      break;
    }
  // No catch-up point: pass.
  if (coup.ligne == 0) {
    passe = 1;
  } else {
    passe = 0;
    ecritdebug("COUP rattrapage Passe regle CHINOISE");
  }
}

namespace {

// What c playing at (r, col) on the work board does: the stones it takes,
// the liberties and stones of its chain, the fewest liberties left to a dead
// enemy chain it touches (0 when none), the chain's last liberty when it has
// one, and that enemy chain's when it is in atari. The work board is put back.
struct TEssaiNettoyage {
  int32_t pris = 0, lc = 0, sz = 0, cible = 0;
  TPoint derniere{}, dernierecible{};
};

TEssaiNettoyage essainettoyage(uint8_t c, const TMarques& morts, int32_t r, int32_t col) {
  const uint8_t o = static_cast<uint8_t>(1 - c);
  TPlateau& w = travail;
  TEssaiNettoyage e;
  prises[0] = 0;
  rejouecoup(prises, CAPACITE, w, r, col, c, o);
  e.pris = prises[0];
  if (w[indexcase(r, col)] == c) {
    libertes[0] = 0;
    TMarques vu = marquesvides;
    libertesetpions(w, libertes, CAPACITE, 0, r, col, e.sz, vu);
    e.lc = libertes[0];
    if (e.lc == 1) e.derniere = TPoint{ligneliste(libertes, 1), colonneliste(libertes, 1)};
    pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
      const int32_t j = indexcase(r2, c2);
      if (w[j] != o || morts[j] == 0) return false;
      libertes[0] = 0;
      int32_t pierres = 0;
      TMarques vu2 = marquesvides;
      libertesetpions(w, libertes, CAPACITE, 0, r2, c2, pierres, vu2);
      if (e.cible == 0 || libertes[0] < e.cible) {
        e.cible = libertes[0];
        if (e.cible == 1) e.dernierecible = TPoint{ligneliste(libertes, 1), colonneliste(libertes, 1)};
      }
      return false;
    });
  }
  w = sauvegarde;
  return e;
}

}  // namespace

void couprattrapagenettoyage(uint8_t c, const TMarques& morts, const TPlateau& p, TPoint ko, TPoint& coup) {
  const uint8_t o = static_cast<uint8_t>(1 - c);
  const int32_t n = configmoteur.taille;
  coup = TPoint{};
  sauvegarde = p;
  travail = p;
  calculelibertes(travail);
  TInfoChaine& chaines = chainesnettoyage;
  chaines = infochaine;
  // Captures first (1000 + stones taken), then safe fills next to the dead
  // chain with the fewest liberties (100 - its liberties), then a single
  // stone thrown in that leaves it in atari (60 - ...), then a fill of at
  // most three stones that leaves both chains in atari on the same point,
  // taking next unless taken (50 - ...), then the move that gives a fill its
  // missing liberty (30 - ...).
  int32_t meilleur = 0;
  auto propose = [&](int32_t valeur, int32_t r, int32_t col) {
    if (valeur > meilleur) {
      meilleur = valeur;
      coup = TPoint{r, col};
    }
  };
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = indexcase(r, col);
      if (p[i] != VIDE) continue;
      // The fewest liberties among the dead enemy chains this point touches.
      int32_t cible = 0;
      pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
        const int32_t j = indexcase(r2, c2);
        if (p[j] == o && morts[j] != 0 && (cible == 0 || chaines[j][0] < cible)) cible = chaines[j][0];
        return false;
      });
      if (cible == 0) continue;
      const TEssaiNettoyage e = essainettoyage(c, morts, r, col);
      if (e.sz == 0) continue;
      if (e.pris > 0) {
        // Not a ko retaken at once.
        if (e.pris == 1 && e.sz == 1 && e.lc == 1 && ko.ligne != 0 && ligneliste(prises, 1) == ko.ligne &&
            colonneliste(prises, 1) == ko.colonne)
          continue;
        propose(1000 + e.pris, r, col);
      } else if (e.lc >= 2) {
        propose(100 - cible, r, col);
      } else if (e.lc == 1 && e.sz == 1 && e.cible == 1) {
        propose(60 - cible, r, col);
      } else if (e.lc == 1 && e.sz <= 3 && e.cible == 1 && e.derniere.ligne == e.dernierecible.ligne &&
                 e.derniere.colonne == e.dernierecible.colonne) {
        propose(50 - cible, r, col);
      } else if (e.lc == 1) {
        const TPoint d = e.derniere;
        const TEssaiNettoyage f = essainettoyage(c, morts, d.ligne, d.colonne);
        if (f.sz > 0 && f.pris == 0 && f.lc >= 2) propose(30 - cible, d.ligne, d.colonne);
      }
    }
  infochaine = chaines;
  if (coup.ligne != 0) ecritdebug("COUP rattrapage Nettoyage");
}
