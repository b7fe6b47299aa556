// Chain table (full rebuild and update) and move play with captures.
#include "engine/board/jeu.h"
#include "engine/board/pas.h"

#include <algorithm>
#include <cstring>

namespace {

// Generation stamps instead of cleared visited arrays: a point is visited in
// the current flood when its stamp equals the flood's number.
struct Tampons {
  uint32_t pierres[NBCASES];   // stones reached in the current update
  uint32_t libertes[NBCASES];  // liberties counted in the current flood
  uint32_t marques[NBCASES];   // points marked around a capture
  uint32_t genpierres = 0, genlibertes = 0, genmarques = 0;

  static uint32_t suivant(uint32_t& g, uint32_t* t) {
    if (++g == 0) {
      std::memset(t, 0, sizeof(uint32_t) * NBCASES);
      g = 1;
    }
    return g;
  }
  uint32_t nouvellemaj() { return suivant(genpierres, pierres); }
  uint32_t nouvellesliberte() { return suivant(genlibertes, libertes); }
  uint32_t nouvellesmarques() { return suivant(genmarques, marques); }
};
Tampons t;

// A note of the journal: the point and its old entry side by side, so that
// taking back reads one run of memory.
struct Note {
  int32_t index;
  TEntreeChaine ancien;
};
// Undo journal of the chain table: while open, every entry jouecoup changes
// is noted with its old value, the latest last.
struct Journal {
  bool ouvert = false;
  int32_t nombre = 0;
  Note notes[CAPACITEJOURNALCHAINES];
};
Journal journal;

// Notes entry j before a change.
inline void note(int32_t j) {
  if (!journal.ouvert) return;
  journal.notes[journal.nombre] = Note{j, infochaine[j]};
  ++journal.nombre;
}

// Neighbour indices of every point for the current board size, in the walk
// order (+row, -row, +col, -col); rebuilt when the size changes.
struct Voisinage {
  int16_t v[NBCASES][4];
  uint8_t nb[NBCASES];
  int32_t taille = 0;
};
Voisinage vois;

// Fills the table for a board of side n; out of line, as it runs only when
// the size changes.
[[gnu::noinline, gnu::cold]] void construitvoisinage(int32_t n) {
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      uint8_t k = 0;
      if (r < n) vois.v[i][k++] = static_cast<int16_t>(i + TAILLEMAX);
      if (r > 1) vois.v[i][k++] = static_cast<int16_t>(i - TAILLEMAX);
      if (c < n) vois.v[i][k++] = static_cast<int16_t>(i + 1);
      if (c > 1) vois.v[i][k++] = static_cast<int16_t>(i - 1);
      vois.nb[i] = k;
    }
  vois.taille = n;
}

inline void prepare() {
  const int32_t n = configmoteur.taille;
  if (vois.taille != n) construitvoisinage(n);
}

// Flood of one chain: lists its stones (start first) in `pile`, counts its
// distinct liberties, stamps its stones with `gp`. The list is its own queue.
struct Flood {
  int32_t pile[NBCASES];
  int32_t nb;
  int32_t libs;

  void lance(const TPlateau& p, uint32_t gp, int32_t depart) {
    prepare();
    const uint32_t gl = t.nouvellesliberte();
    const uint8_t coul = p[depart];
    t.pierres[depart] = gp;
    pile[0] = depart;
    int32_t fin = 1, compte = 0;
    for (int32_t k = 0; k < fin; ++k) {
      const int32_t i = pile[k];
      for (int32_t q = 0; q < vois.nb[i]; ++q) {
        const int32_t j = vois.v[i][q];
        const uint8_t x = p[j];
        if (x == coul) {
          if (t.pierres[j] != gp) {
            t.pierres[j] = gp;
            pile[fin++] = j;
          }
        } else if (x == VIDE && t.libertes[j] != gl) {
          t.libertes[j] = gl;
          ++compte;
        }
      }
    }
    nb = fin;
    libs = compte;
  }
};
Flood flood;

// Points marked around a general capture.
int32_t marquescapture[NBCASES];

// Floods the chain through point i and writes its entries, i as head.
void ecritchaine(const TPlateau& p, uint32_t gp, int32_t i) {
  flood.lance(p, gp, i);
  const auto libs = static_cast<uint16_t>(flood.libs);
  for (int32_t k = 0; k < flood.nb; ++k) {
    note(flood.pile[k]);
    infochaine[flood.pile[k]] = TEntreeChaine{libs, 0};
  }
  infochaine[flood.pile[0]][1] = static_cast<uint16_t>(flood.nb);
}
inline void ecritchaine(const TPlateau& p, uint32_t gp, int32_t r, int32_t c) {
  ecritchaine(p, gp, indexcase(r, c));
}

// What a stack walk does with a neighbour.
enum class Suite { laisse, empile, fin };

// Stones still to walk from in the stack walks.
int32_t pilemarche[NBCASES];

// Walks from `depart`: each point taken off the stack hands its neighbours
// to `voisin`, which stamps the ones it stacks; Suite::fin ends the walk.
template <class F>
inline void marchepile(int32_t depart, F&& voisin) {
  prepare();
  pilemarche[0] = depart;
  int32_t haut = 1;
  while (haut > 0) {
    const int32_t k = pilemarche[--haut];
    for (int32_t q = 0; q < vois.nb[k]; ++q) {
      const int32_t j = vois.v[k][q];
      const Suite s = voisin(j);
      if (s == Suite::empile) pilemarche[haut++] = j;
      else if (s == Suite::fin) return;
    }
  }
}

// Adds `delta` to the liberty byte of every stone of `coul` reached from
// the neighbours of point i; `gp` keeps each chain to one change. A lone
// stone (its own head of size 1) is not walked from.
void decalechaine(const TPlateau& p, uint32_t gp, uint8_t coul, int32_t i, int delta) {
  t.pierres[i] = gp;
  marchepile(i, [&](int32_t j) {
    if (p[j] != coul || t.pierres[j] == gp) return Suite::laisse;
    t.pierres[j] = gp;
    note(j);
    infochaine[j][0] = static_cast<uint16_t>(infochaine[j][0] + delta);
    return infochaine[j][1] != 1 ? Suite::empile : Suite::laisse;
  });
}

// Chains of colour `coul` next to index i gain (delta 1) or lose (-1) a liberty.
void libertesvoisines(const TPlateau& p, uint8_t coul, int32_t r, int32_t c, int delta) {
  decalechaine(p, t.nouvellemaj(), coul, indexcase(r, c), delta);
}

}  // namespace

void ajoutelibertechaine(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne) {
  libertesvoisines(p, couleur, ligne, colonne, +1);
}

void retirelibertechaine(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne) {
  libertesvoisines(p, couleur, ligne, colonne, -1);
}

void calculelibertes(const TPlateau& p) {
  infochaine = infochainevide;
  const int32_t n = taillemoteur();
  const uint32_t gp = t.nouvellemaj();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] != VIDE && t.pierres[i] != gp) ecritchaine(p, gp, r, c);
    }
}

void majlibertes(const TPlateau& p, int32_t nbprises, int32_t ligne, int32_t colonne) {
  if (!surplateaumoteur(ligne, colonne)) return;
  const int32_t n = taillemoteur();
  const uint32_t gp = t.nouvellemaj();
  if (nbprises == 0) {
    // The played chain, then each neighbouring chain once.
    if (p[indexcase(ligne, colonne)] != VIDE) ecritchaine(p, gp, ligne, colonne);
    for (const auto& d : ORDRELIBERTE) {
      const int32_t r = ligne + d[0], c = colonne + d[1];
      if (r < 1 || r > n || c < 1 || c > n) continue;
      const int32_t j = indexcase(r, c);
      if (p[j] != VIDE && t.pierres[j] != gp) ecritchaine(p, gp, r, c);
    }
    return;
  }
  // Mark the captured regions next to the move with their borders.
  const uint32_t gm = t.nouvellesmarques();
  struct Zone {
    const TPlateau& p;
    int32_t n;
    uint32_t gm;
    void visite(int32_t r, int32_t c) {
      t.marques[indexcase(r, c)] = gm;
      auto pas = [&](int32_t r2, int32_t c2) {
        const int32_t j = indexcase(r2, c2);
        if (t.marques[j] == gm) return;
        if (p[j] == VIDE) visite(r2, c2);
        else t.marques[j] = gm;
      };
      if (r < n) pas(r + 1, c);
      if (r > 1) pas(r - 1, c);
      if (c < n) pas(r, c + 1);
      if (c > 1) pas(r, c - 1);
    }
  } zone{p, n, gm};
  for (const auto& d : ORDREPREDICATS) {
    const int32_t r = ligne + d[0], c = colonne + d[1];
    if (r < 1 || r > n || c < 1 || c > n) continue;
    const int32_t j = indexcase(r, c);
    if (p[j] == VIDE && infochaine[j][0] != 0 && t.marques[j] != gm) zone.visite(r, c);
    t.marques[j] = gm;
  }
  // The played chain.
  if (p[indexcase(ligne, colonne)] != VIDE) ecritchaine(p, gp, ligne, colonne);
  // Every marked point in row-major order.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = indexcase(r, c);
      if (t.marques[j] != gm) continue;
      if (p[j] == VIDE) infochaine[j] = flagchaines;
      else if (t.pierres[j] != gp) ecritchaine(p, gp, r, c);
    }
}

namespace {

// General capture: removes every enemy chain in atari next to (r, c) (the
// stone is already placed), listing the stones in flood order, then recounts
// every chain next to the captured stones or to the move.
struct Capture {
  TPlateau& p;
  TListePoints& prises;
  int32_t n;
  uint8_t ennemi;
  uint32_t gm, gv;
  int32_t nbmarques = 0;
  int32_t* marques;  // the points marked, each once

  void marque(int32_t j) {
    if (t.marques[j] == gm) return;
    t.marques[j] = gm;
    marques[nbmarques++] = j;
  }
  void marqueautour(int32_t r, int32_t c) {
    if (r < n) marque(indexcase(r + 1, c));
    if (r > 1) marque(indexcase(r - 1, c));
    if (c < n) marque(indexcase(r, c + 1));
    if (c > 1) marque(indexcase(r, c - 1));
  }
  void enleve(int32_t r, int32_t c) {
    const int32_t i = indexcase(r, c);
    t.pierres[i] = gv;
    empilepoint(prises, MAXPOINTSLISTE, r, c);
    p[i] = VIDE;
    note(i);
    infochaine[i] = flagchaines;
    marqueautour(r, c);
    auto pas = [&](int32_t r2, int32_t c2) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == ennemi && t.pierres[j] != gv) enleve(r2, c2);
    };
    if (r < n) pas(r + 1, c);
    if (r > 1) pas(r - 1, c);
    if (c < n) pas(r, c + 1);
    if (c > 1) pas(r, c - 1);
  }
};

}  // namespace

void jouecoup(TListePoints& prises, int32_t /*capacite*/, TPlateau& p, int32_t ligne, int32_t colonne,
              uint8_t couleur, uint8_t ennemi) {
  prises[0] = 0;
  // A pass (0, 0) or a point off the board plays nothing.
  if (!surplateaumoteur(ligne, colonne)) return;
  const int32_t i = indexcase(ligne, colonne);
  if (p[i] != VIDE) return;

  // Survey of the neighbours.
  prepare();
  int32_t e = 0, m = 0, nbamis = 0, ami = -1, k = -1;
  bool a = false, general = false;
  for (int32_t q = 0; q < vois.nb[i]; ++q) {
    const int32_t j = vois.v[i][q];
    const uint8_t x = p[j];
    if (x == VIDE) {
      ++e;
    } else if (x == ennemi) {
      if (infochaine[j][0] == 1) {
        if (infochaine[j][1] == 1 && k < 0) {
          k = j;
        } else {
          general = true;
          break;
        }
      } else {
        a = true;
      }
    } else {
      ++nbamis;
      ami = j;
      if (infochaine[j][0] > m) m = infochaine[j][0];
    }
  }

  // General capture path.
  if (general) {
    p[i] = couleur;
    Capture cap{p, prises, configmoteur.taille, ennemi, t.nouvellesmarques(), t.nouvellemaj(), 0, marquescapture};
    cap.marque(i);
    cap.marqueautour(ligne, colonne);
    for (const auto& d : ORDREMARCHE) {
      const int32_t r = ligne + d[0], c = colonne + d[1];
      if (r < 1 || r > cap.n || c < 1 || c > cap.n) continue;
      const int32_t j = indexcase(r, c);
      if (p[j] == ennemi && infochaine[j][0] == 1 && t.pierres[j] != cap.gv) cap.enleve(r, c);
    }
    // Each chain's head is its first marked stone in row-major order.
    std::sort(cap.marques, cap.marques + cap.nbmarques);
    const uint32_t gp = t.nouvellemaj();
    for (int32_t q = 0; q < cap.nbmarques; ++q) {
      const int32_t j = cap.marques[q];
      if (p[j] != VIDE && t.pierres[j] != gp) ecritchaine(p, gp, j);
    }
    return;
  }

  const int32_t s = (nbamis == 1 && infochaine[ami][1] == 1) ? ami : -1;

  // No capture.
  if (k < 0) {
    if (m == 0) {
      if (a && e == 0) return;  // suicide
      if (a) retirelibertechaine(p, ennemi, ligne, colonne);
      p[i] = couleur;
      note(i);
      infochaine[i] = {static_cast<uint16_t>(e), 1};
      return;
    }
    if (e == 0 && m == 1) return;  // suicide: fills the last liberty of its own chains
    p[i] = couleur;
    if (a) retirelibertechaine(p, ennemi, ligne, colonne);
    if (s >= 0) {
      const auto libs = static_cast<uint16_t>(e + infochaine[s][0] - 1);
      note(s);
      infochaine[s] = {libs, 0};
      note(i);
      infochaine[i] = {libs, 2};
    } else {
      ecritchaine(p, t.nouvellemaj(), ligne, colonne);
    }
    return;
  }

  // Lone capture of K.
  p[k] = VIDE;
  note(k);
  infochaine[k] = flagchaines;
  const int32_t rk = k / TAILLEMAX + 1, ck = k % TAILLEMAX + 1;
  empilepoint(prises, MAXPOINTSLISTE, rk, ck);
  if (m == 0) {
    if (a) retirelibertechaine(p, ennemi, ligne, colonne);
    note(i);
    infochaine[i] = {static_cast<uint16_t>(e + 1), 1};
    ajoutelibertechaine(p, couleur, rk, ck);
    p[i] = couleur;
    return;
  }
  if (a) retirelibertechaine(p, ennemi, ligne, colonne);
  if (s >= 0) {
    const auto libs = static_cast<uint16_t>(e + infochaine[s][0]);
    note(s);
    infochaine[s] = {libs, 0};
    note(i);
    infochaine[i] = {libs, 2};
    ajoutelibertechaine(p, couleur, rk, ck);
    p[i] = couleur;
    return;
  }
  p[i] = couleur;
  const uint32_t gp = t.nouvellemaj();
  ecritchaine(p, gp, ligne, colonne);
  const int32_t n = configmoteur.taille;
  for (const auto& d : ORDREMARCHE) {
    const int32_t r = rk + d[0], c = ck + d[1];
    if (r < 1 || r > n || c < 1 || c > n) continue;
    const int32_t j = indexcase(r, c);
    if (p[j] == couleur && t.pierres[j] != gp) ecritchaine(p, gp, r, c);
  }
}

namespace {

// The look-ahead of libertesaprescoup: the stones a move removes marked
// with `gm`, then the liberties of a chain with the move's point `iv` taken
// as one of its stones, counted up to `borne`. The chain's stones and its
// counted liberties are never the same point, so one stamp `gp` serves both.
struct Apres {
  const TPlateau& p;
  uint8_t coul, ennemi;
  int32_t iv;
  uint32_t gm, gp;
  int32_t borne;
  int32_t libs = 0;

  void prise(int32_t depart) {
    t.marques[depart] = gm;
    marchepile(depart, [&](int32_t j) {
      if (p[j] != ennemi || t.marques[j] == gm) return Suite::laisse;
      t.marques[j] = gm;
      return Suite::empile;
    });
  }
  void chaine(int32_t depart) {
    if (borne <= 0) return;
    t.pierres[depart] = gp;
    marchepile(depart, [&](int32_t j) {
      const uint8_t x = p[j];
      if (x == coul || j == iv) {
        if (t.pierres[j] == gp) return Suite::laisse;
        t.pierres[j] = gp;
        return Suite::empile;
      }
      if ((x == VIDE || t.marques[j] == gm) && t.pierres[j] != gp) {
        t.pierres[j] = gp;
        if (++libs >= borne) return Suite::fin;  // counted far enough
      }
      return Suite::laisse;
    });
  }
};

}  // namespace

int32_t libertesaprescoup(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur, uint8_t ennemi,
                          int32_t ciblel, int32_t ciblec, int32_t borne) {
  if (!surplateaumoteur(ligne, colonne)) return -1;
  const int32_t i = indexcase(ligne, colonne);
  if (p[i] != VIDE) return -1;
  // The survey of jouecoup: captures, then its two suicide rules.
  prepare();
  int32_t e = 0, m = 0;
  bool a = false, prise = false;
  for (int32_t q = 0; q < vois.nb[i]; ++q) {
    const int32_t j = vois.v[i][q];
    const uint8_t x = p[j];
    if (x == VIDE) ++e;
    else if (x != ennemi) m = std::max<int32_t>(m, infochaine[j][0]);
    else if (infochaine[j][0] == 1) prise = true;
    else a = true;
  }
  if (!prise && (m == 0 ? a && e == 0 : e == 0 && m == 1)) return -1;
  Apres f{p, couleur, ennemi, i, t.nouvellesmarques(), t.nouvellemaj(), borne};
  // Stones the move removes.
  if (prise)
    for (int32_t q = 0; q < vois.nb[i]; ++q) {
      const int32_t j = vois.v[i][q];
      if (p[j] == ennemi && infochaine[j][0] == 1 && t.marques[j] != f.gm) f.prise(j);
    }
  // The target's chain with the move's point as one of its stones (so with
  // the chains the move joins when it touches it), the removed stones as
  // liberties.
  f.chaine(indexcase(ciblel, ciblec));
  return f.libs;
}

bool jouecoupjournal(TListePoints& prises, TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur,
                     uint8_t ennemi) {
  if (journal.nombre > CAPACITEJOURNALCHAINES - ECRITURESCOUPMAX) return false;
  journal.ouvert = true;
  jouecoup(prises, CAPACITELISTE, p, ligne, colonne, couleur, ennemi);
  journal.ouvert = false;
  return true;
}

int32_t marquejournal() { return journal.nombre; }

void reprendjournal(int32_t marque) {
  for (int32_t k = journal.nombre - 1; k >= marque; --k) infochaine[journal.notes[k].index] = journal.notes[k].ancien;
  journal.nombre = marque;
}

bool infochainecoherente(const TPlateau& p) {
  const TInfoChaine sauve = infochaine;
  calculelibertes(p);  // the neighbour table too
  const TInfoChaine reference = infochaine;
  infochaine = sauve;
  const int32_t n = configmoteur.taille;
  // Liberties must match everywhere; sizes must sum per chain to the size
  // held by exactly one stone.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = indexcase(r, c);
      if (infochaine[j][0] != reference[j][0]) return false;
      if (p[j] == VIDE && infochaine[j][1] != 0) return false;
    }
  const uint32_t gp = t.nouvellemaj();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = indexcase(r, c);
      if (p[j] == VIDE || t.pierres[j] == gp) continue;
      flood.lance(p, gp, j);
      int32_t tetes = 0;
      for (int32_t q = 0; q < flood.nb; ++q) {
        const auto taillechaine = infochaine[flood.pile[q]][1];
        if (taillechaine == 0) continue;
        if (taillechaine != flood.nb) return false;
        ++tetes;
      }
      if (tetes != 1) return false;
    }
  return true;
}
