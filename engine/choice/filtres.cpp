// Candidate filters of the main recursion.
#include "engine/choice/filtres.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/reading/prise.h"

namespace {

constexpr int32_t CAPACITE = 300;          // the collected points
constexpr int32_t CAPACITECANDIDATS = 361;  // a node's candidate list
constexpr int32_t TETE = 5;                 // the list's head the opening filters keep

// Scratch (static storage: the filters never nest).
TCarte valeurs;
TMarques vu, faits, chaines;
TListePoints collectes, libertes, pierres, propres;

bool ouverture(const TListePoints& candidats) {
  return taillemoteur() != 9 && debutpartie && coupdebutchoisi && nbpoints(candidats) > TETE;
}

// The largest value of `v` above 99 over the points set in `cases`, 0 when none.
int32_t meilleurevaleur(const TCarte& v, const TMarques& cases) {
  const int32_t n = taillemoteur();
  int32_t m = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (cases[ix(r, c)] && v[ix(r, c)] > 99) m = std::max(m, v[ix(r, c)]);
  return m;
}

int32_t seuilregion(int32_t m) { return m < 201 ? m / 3 : m - 150; }

// Keeps the entries 1..TETE and, after them, the passes and the points `garde` accepts.
template <class G> void gardeliste(TListePoints& l, G&& garde, int32_t depuis) {
  int32_t n = depuis;
  for (int32_t k = depuis + 1; k <= nbpoints(l); ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    if (r != 0 && !garde(r, c)) continue;
    ++n;
    l[2 * n] = r;
    l[2 * n + 1] = c;
  }
  l[0] = n;
}

// Appends an empty point once (marked in `faits`).
void collecte(int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (faits[i]) return;
  faits[i] = 1;
  empilepoint(collectes, CAPACITE, r, c);
}

// The points of a walk's list into the collection.
void collecteliste(const TListePoints& l) {
  for (int32_t k = 1; k <= nbpoints(l); ++k) collecte(ligneliste(l, k), colonneliste(l, k));
}

// The liberties of the chain through (r, c), by the walk its size asks for.
void libertesfaible(const TPlateau& p, int32_t r, int32_t c) {
  vu = marquesvides;
  libertes[0] = 0;
  if (infochaine[ix(r, c)][0] == 2) libertesdelachaine(p, libertes, CAPACITE, 0, r, c, vu);
  else libertesetatari(p, libertes, CAPACITE, 0, r, c, vu);
  collecteliste(libertes);
}

}  // namespace

void reperezonesouverture(const TPlateau& p, TListePoints& candidats, const TCarte& ordi, const TCarte& joueur,
                          TRegionsOuverture& z) {
  z.flagordi = 0;
  z.flagjoueur = 0;
  z.ordi = pionsmortssauves;
  z.joueur = pionsmortssauves;
  if (!ouverture(candidats)) return;
  const int32_t n = taillemoteur();
  const bool superko = (casesinterdites[0] & 0x02) != 0;
  // The engine's values; under superko the forbidden candidates count for nothing.
  valeurs = ordi;
  if (superko)
    for (int32_t i = 0; i < NBCASES; ++i)
      if (casescandidates[i] && (casesinterdites[i] & 1)) valeurs[i] = 0;
  // The engine's region.
  if (const int32_t m = meilleurevaleur(valeurs, casescandidates); m > 0) {
    const int32_t t = seuilregion(m);
    z.flagordi = 1;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (casescandidates[i] && valeurs[i] >= t) z.ordi[i] = 1;
  }
  // The opponent's, with the empty area around its points.
  if (const int32_t m = meilleurevaleur(joueur, casescandidatesjoueur); m > 0) {
    const int32_t t = seuilregion(m);
    z.flagjoueur = 1;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c)
        if (casescandidatesjoueur[ix(r, c)] && joueur[ix(r, c)] >= t) marqueregionvide(p, 0, r, c, 0, 2, z.joueur);
  }
  if (!z.flagordi && !z.flagjoueur) return;
  // The stones, and the candidates whose trial does something.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != VIDE) {
        z.ordi[i] = 1;
        z.joueur[i] = 1;
        continue;
      }
      if (!casescandidates[i]) continue;
      const TEssaiCoup& e = essaiordi(r, c);
      bool resultat = e.compteur1essai != 0 || e.compteur2essai != 0 || e.gainmoyoordi != 0 || e.gainmoyojoueur != 0;
      if (!z.flagordi)
        resultat = resultat || e.nbprisesessai != 0 || e.nbtuesessai != 0 || e.nbsauvesessai != 0 ||
                   e.compteur3essai != 0;
      if (resultat) z.ordi[i] = 1;
    }
  if (!z.flagordi) return;
  // The opponent's areas count for the engine; then the trim.
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (z.flagjoueur && p[i] == VIDE && casescandidates[i] && z.joueur[i]) z.ordi[i] = 1;
    if (superko && casescandidates[i] && (casesinterdites[i] & 1)) z.ordi[i] = 0;
  }
  if (nbpoints(candidats) > TETE) {
    gardeliste(candidats, [&](int32_t r, int32_t c) { return z.ordi[ix(r, c)] != 0; }, TETE);
    ++compteurnoeudsprise;
  }
}

void marqueregionvide(const TPlateau& p, int32_t dir, int32_t r, int32_t c, int32_t profondeur, int32_t limite,
                      TMarques& m) {
  m[ix(r, c)] = 1;
  if (profondeur >= limite) return;
  pasvoisins(r, c, dir, [&](int32_t vr, int32_t vc, int32_t d) {
    const int32_t j = ix(vr, vc);
    if (m[j]) return false;
    if (p[j] == VIDE) marqueregionvide(p, d, vr, vc, profondeur + 1, limite, m);
    else if (infochaine[j][0] < 4) marquepionschaine(p, m, 0, vr, vc);
    return false;
  });
}

void filtreouverture(const TListePoints& gardes, TListePoints& candidats, const TRegionsOuverture& z) {
  if (!z.flagordi || !ouverture(candidats)) return;
  faits = marquesvides;
  for (int32_t k = 1; k <= nbpoints(gardes); ++k)
    if (surplateaumoteur(ligneliste(gardes, k), colonneliste(gardes, k)))
      faits[ix(ligneliste(gardes, k), colonneliste(gardes, k))] = 1;
  gardeliste(
      candidats,
      [&](int32_t r, int32_t c) {
        const int32_t i = ix(r, c);
        return faits[i] || carteanalyse[i] || z.ordi[i];
      },
      0);
}

// The collection, in this order: the last chain's liberties and
// weak enemy neighbours, the liberties of a two-liberty chain that would
// give no exit, the weak chains next to the collected points shut in by
// stones (no empty neighbour). A weak chain collected as a stone stands for
// its liberties: they are kept when the chain is in atari or the capture
// reading takes it. Every appended point is empty; the reading runs on the
// board in place, restored after each.
void candidatsdernierecoup(TPlateau& p, uint8_t flag, TListePoints& candidats, TPoint ko, TPoint dernier) {
  if (!surplateau(dernier)) return;
  const int32_t id = ix(dernier);
  if (p[id] == VIDE || pionsmorts[id]) return;
  uint8_t(&cache)[NBCASES] = cachecoupsreponse[dernier.ligne - 1][dernier.colonne - 1];
  const int32_t n = taillemoteur();
  collectes[0] = 0;
  faits = marquesvides;
  const auto garde = [&](int32_t r, int32_t c) {
    if (p[ix(r, c)] != VIDE || (surplateau(ko) && r == ko.ligne && c == ko.colonne)) return;
    cache[ix(r, c)] |= 0x20;
    ajoutecaseliste(r, c, candidats, CAPACITECANDIDATS);
  };
  // The cache of this last move.
  if (flag) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c)
        if (p[ix(r, c)] == VIDE && (cache[ix(r, c)] & 0x20)) garde(r, c);
    return;
  }
  const uint8_t couleur = p[id];
  const uint8_t ennemi = couleur == NOIR ? BLANC : NOIR;
  // The last chain's liberties and its weak enemy neighbours.
  TListePoints& faibles = libertes;
  pierres[0] = 0;  // one stone per weak chain, in the order met
  chaines = marquesvides;
  vu = marquesvides;
  propres[0] = 0;
  libertesdelachaine(p, propres, CAPACITE, 0, dernier.ligne, dernier.colonne, vu);
  for (int32_t k = 1; k <= nbpoints(propres); ++k) collecte(ligneliste(propres, k), colonneliste(propres, k));
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (p[ix(r, c)] != couleur || !vu[ix(r, c)]) continue;
      pastable(r, c, [&](int32_t vr, int32_t vc) {
        const int32_t j = ix(vr, vc);
        if (p[j] == ennemi && infochaine[j][0] < 3 && !chaines[j]) {
          marquepionschaine(p, chaines, 0, vr, vc);
          empilepoint(pierres, CAPACITE, vr, vc);
        }
        return false;
      });
    }
  if (infochaine[id][0] == 2)
    for (int32_t k = 1; k <= nbpoints(propres); ++k) {
      const int32_t lr = ligneliste(propres, k), lc = colonneliste(propres, k);
      if (testvoisinsatari(p, couleur, lr, lc)) continue;
      pastable(lr, lc, [&](int32_t vr, int32_t vc) {
        const int32_t j = ix(vr, vc);
        if (p[j] == VIDE) collecte(vr, vc);
        else if (infochaine[j][0] < 3) {
          vu = marquesvides;
          faibles[0] = 0;
          libertesetatari2(p, faibles, CAPACITE, 0, vr, vc, vu);
          collecteliste(faibles);
        }
        return false;
      });
    }
  // The weak chains next to the collected points that have no empty
  // neighbour.
  for (int32_t k = 1; k <= nbpoints(collectes); ++k) {
    const int32_t cr = ligneliste(collectes, k), cc = colonneliste(collectes, k);
    if (voisincouleur(p, VIDE, cr, cc)) continue;
    pastable(cr, cc, [&](int32_t vr, int32_t vc) {
      const int32_t j = ix(vr, vc);
      if (p[j] != VIDE && infochaine[j][0] < 3 && !chaines[j]) {
        marquepionschaine(p, chaines, 0, vr, vc);
        empilepoint(pierres, CAPACITE, vr, vc);
      }
      return false;
    });
  }
  // Empty points are kept; a weak chain when it falls.
  for (int32_t k = 1; k <= nbpoints(collectes); ++k) garde(ligneliste(collectes, k), colonneliste(collectes, k));
  for (int32_t k = 1; k <= nbpoints(pierres); ++k) {
    const int32_t r = ligneliste(pierres, k), c = colonneliste(pierres, k);
    bool prise = infochaine[ix(r, c)][0] == 1;
    if (!prise) {
      const Restaure<TPlateau> plateau(p);
      const Restaure<TInfoChaine> chaines2(infochaine);
      prise = testprise(p, r, c, std::max(1, profondeurlecture - 1), paramniveaub + 2, couleurordi, ko);
    }
    if (!prise) continue;
    // A weak chain that falls: its liberties are kept too.
    const int32_t avant = nbpoints(collectes);
    libertesfaible(p, r, c);
    for (int32_t j = avant + 1; j <= nbpoints(collectes); ++j) garde(ligneliste(collectes, j), colonneliste(collectes, j));
  }
}

// The record's two counts are the kills and saves of the trial
// (gainmoyoordi, gainmoyojoueur); its after-move map is plateauessai2.
void ajoutelibertesessai(const TCarte& a, const TCarte& b, TPlateau& p, TListePoints& candidats, TPoint ko,
                         TPoint essai) {
  if (!surplateau(essai)) return;
  const int32_t ie = ix(essai);
  const TEssaiCoup& e = essaiordi(essai.ligne, essai.colonne);
  const bool compte = e.gainmoyoordi != 0 || e.gainmoyojoueur != 0;
  if (!compte && a[ie] == 0 && b[ie] == 0) return;
  const int32_t n = taillemoteur();
  faits = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (!zonemarquee[i]) faits[i] = 1;
  for (int32_t k = 1; k <= nbpoints(candidats); ++k)
    if (surplateaumoteur(ligneliste(candidats, k), colonneliste(candidats, k)))
      faits[ix(ligneliste(candidats, k), colonneliste(candidats, k))] = 1;
  if (surplateau(ko)) faits[ix(ko)] = 1;
  // The liberties of the chain through (r, c), its stones done.
  const auto ajoutechaine = [&](int32_t r, int32_t c) {
    vu = marquesvides;
    libertes[0] = 0;
    libertesdelachaine(p, libertes, CAPACITE, 0, r, c, vu);
    for (int32_t i = 0; i < NBCASES; ++i)
      if (vu[i] && p[i] != VIDE) faits[i] = 1;
    for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
      const int32_t lr = ligneliste(libertes, k), lc = colonneliste(libertes, k);
      if (faits[ix(lr, lc)]) continue;
      faits[ix(lr, lc)] = 1;
      ajoutecaseliste(lr, lc, candidats, CAPACITECANDIDATS);
    }
  };
  if (compte)
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = ix(r, c);
        if (p[i] == VIDE || faits[i]) continue;
        if ((marquesliaison1[i] != 0) != (e.plateauessai2[i] != 0)) ajoutechaine(r, c);
      }
  if (!faits[ie] && p[ie] != VIDE && (a[ie] != 0 || b[ie] != 0)) ajoutechaine(essai.ligne, essai.colonne);
}
