// Groups, zones and stone links of a position.
#include "engine/connection/groupes.h"

#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"

namespace {

int32_t noeuds = 0;  // nodes of the readings of the current call

// Calls f(r, c, index) over the board, rows then columns.
template <class F> void pourchaquecase(F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) f(r, c, ix(r, c));
}
// The same, stopping when f returns true; true when stopped.
template <class F> bool cherchecase(F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (f(r, c, ix(r, c))) return true;
  return false;
}

// The two mark maps of the readings for stones of `couleur`: the engine's
// stones take (marquesliaison1, marquesliaison2), the opponent's the reverse.
struct CartesLiaison {
  TMarques a, b;
  explicit CartesLiaison(uint8_t couleur)
      : a(couleur == couleurordi ? marquesliaison1 : marquesliaison2),
        b(couleur == couleurordi ? marquesliaison2 : marquesliaison1) {}
};

// Writes number k and the count over the stones of `couleur` marked in `m`
// into `table`, marking them done; returns the count.
int32_t numerote(TInfoZone (&table)[NBCASES], const TPlateau& p, const TMarques& m, TMarques& fait,
                 uint8_t couleur, int32_t k, bool signaledouble) {
  int32_t n = 0;
  pourchaquecase([&](int32_t, int32_t, int32_t i) {
    if (!m[i] || p[i] != couleur) return;
    if (signaledouble && table[i].numero != 0) affichecartefamille(p, "erreur ds groupe blanc");
    fait[i] = 1;
    table[i].numero = k;
    table[i].couleurzone = couleur;
    ++n;
  });
  pourchaquecase([&](int32_t, int32_t, int32_t i) {
    if (m[i] && p[i] == couleur) table[i].nbpierres = n;
  });
  return n;
}

// Groups of one colour (phases 1 and 2); returns how many.
int32_t construitgroupes(TPlateau& p, uint8_t couleur) {
  const CartesLiaison cartes(couleur);
  TMarques fait = marquesvides, courant, essaye;
  int32_t k = 0;
  pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
    if (p[i] != couleur || fait[i]) return;
    // A new group from the linked chain.
    ++k;
    courant = marquesvides;
    metlachaineliee(p, courant, r, c);
    marquepionschaine(p, courant, 0, r, c);
    // Growth: a pass restarts from the first row after every link.
    bool lien = true;
    while (lien) {
      essaye = marquesvides;
      lien = cherchecase([&](int32_t rq, int32_t cq, int32_t q) {
        if (p[q] != couleur || fait[q] || essaye[q] || courant[q]) return false;
        bool oui;
        if (marquesliaison1[q]) {
          oui = pionlieachaine(p, courant, rq, cq);
        } else {
          marquepionschaine(p, essaye, 0, rq, cq);
          oui = peutlierachaine(p, cartes.a, cartes.b, courant, 2, rq, cq, pointko);
          noeuds += noeudsliaison();
        }
        if (!oui) return false;
        metlachaineliee(p, courant, rq, cq);
        marquepionschaine(p, courant, 0, rq, cq);
        return true;
      });
    }
    // Numbered.
    numerote(infogroupes, p, courant, fait, couleur, k, couleur == BLANC);
  });
  return k;
}

// Pairs of chains of each group that the two-stone reading links (phases 5 and 6).
void liechainesgroupes(TPlateau& p, uint8_t couleur, int32_t nbgroupes) {
  const CartesLiaison cartes(couleur);
  TMarques fait, chaineA, chaineB, vuB;
  for (int32_t k = 1; k <= nbgroupes; ++k) {
    fait = marquesvides;
    pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
      if (p[i] != couleur || infogroupes[i].numero != k || fait[i]) return;
      marquepionschaine(p, fait, 0, r, c);
      chaineA = marquesvides;
      marquepionschaine(p, chaineA, 0, r, c);
      vuB = marquesvides;
      pourchaquecase([&](int32_t rq, int32_t cq, int32_t q) {
        if (p[q] != couleur || infogroupes[q].numero != k || fait[q] || vuB[q]) return;
        marquepionschaine(p, vuB, 0, rq, cq);
        chaineB = marquesvides;
        marquepionschaine(p, chaineB, 0, rq, cq);
        const bool lie = peutlierdeuxpions(p, cartes.a, cartes.b, 2, r, c, rq, cq, pointko);
        noeuds += noeudsliaison();
        if (lie) marqueliensessai(chaineA, chaineB, couleur);
      });
    });
  }
}

}  // namespace

void construitzones(const TPlateau& p, uint8_t couleur) {
  TMarques fait = marquesvides, groupesfaits = marquesvides, courant;
  int32_t z = 0;
  pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
    if (p[i] != couleur || fait[i]) return;
    // A new zone from the chain and its links.
    ++z;
    courant = marquesvides;
    metlachainelieen2coupatest1(p, courant, r, c);
    courant[i] = 1;
    int32_t g = infogroupes[i].numero;
    // Closure over whole groups. The next group is looked for once
    // the pass is over, so a stone a later fill adds behind the scan still
    // brings its group in.
    for (;;) {
      pourchaquecase([&](int32_t rq, int32_t cq, int32_t q) {
        if (p[q] != couleur || infogroupes[q].numero != g) return;
        groupesfaits[q] = 1;
        if (!courant[q]) {
          metlachainelieen2coupatest1(p, courant, rq, cq);
          courant[q] = 1;
        }
      });
      int32_t suivant = 0;
      const bool trouve = cherchecase([&](int32_t, int32_t, int32_t q) {
        if (p[q] != couleur || !courant[q] || groupesfaits[q]) return false;
        suivant = infogroupes[q].numero;
        return true;
      });
      if (!trouve) break;
      g = suivant;
    }
    // Numbered.
    numerote(infozones, p, courant, fait, couleur, z, false);
  });
}

void marqueliensessai(const TMarques& a, const TMarques& b, uint8_t couleur) {
  auto& essais = couleur == couleurordi ? essaisordi : essaisjoueur;
  pourchaquecase([&](int32_t ra, int32_t ca, int32_t ia) {
    if (a[ia] != 1) return;
    pourchaquecase([&](int32_t rb, int32_t cb, int32_t ib) {
      if (b[ib] != 1) return;
      essais[ra - 1][ca - 1].liensessai[ib] |= LIENPIERRES;
      essais[rb - 1][cb - 1].liensessai[ia] |= LIENPIERRES;
    });
  });
}

void verifiegroupesapresessai(TPlateau& p) {
  noeuds = 0;
  const int32_t noirs = construitgroupes(p, NOIR);
  const int32_t blancs = construitgroupes(p, BLANC);
  construitzones(p, NOIR);
  construitzones(p, BLANC);
  if (noirs > 0) liechainesgroupes(p, NOIR, noirs);
  if (blancs > 0) liechainesgroupes(p, BLANC, blancs);
}

int32_t noeudsgroupes() { return noeuds; }
