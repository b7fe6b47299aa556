#include "engine/choice/finpartie.h"

#include <utility>

#include "engine/board/balayages.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/choice/bonus.h"
#include "engine/connection/lienvivant.h"
#include "engine/proposals/bilans.h"

namespace {

constexpr int32_t PENALITE = -1000;        // value and mark of a point that fails the tests
constexpr int32_t CAPACITECANDIDATS = 361;
constexpr int32_t CAPACITELIBERTES = 300;

// One evaluated point: its value on the scale of the base value, and its
// second mark (the penalty, then the zone count around the stone).
struct TEntree {
  TPoint point;
  int32_t valeur;
  int32_t marque;
};

// Scratch of one call.
TEntree entrees[NBCASES + 1];  // [1..n]
TPlateau travail;
TPrisesMarquees prises;
TPrisesMarquees reprise;
TListePoints libertes;
TMarques listes;  // points of the candidate list

// Exchange sort of entries 1..n by `cle`, largest first.
template <class F>
void trie(int32_t n, F cle) {
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (cle(entrees[j]) < cle(entrees[i])) std::swap(entrees[i], entrees[j]);
}

uint8_t plafond(int32_t v) { return static_cast<uint8_t>(v > 255 ? 255 : v); }

// The mover's balance of territory (reach portee + 5, the point left out of
// the line counts) and of the regions one colour borders, on the work board.
int32_t bilan(uint8_t m, int32_t portee, int32_t ligne, int32_t colonne) {
  int32_t noirs = 0, blancs = 0;
  zonesdepuispoint2(noirs, blancs, 50, portee + 5, ligne, colonne, travail);
  int32_t v = m == NOIR ? noirs - blancs : blancs - noirs;
  TMarques sortie = marquesvides;
  int32_t blancs2 = 0, noirs2 = 0;
  zonesdepuispoint(sortie, travail, blancs2, noirs2);
  v += m == NOIR ? noirs2 - blancs2 : blancs2 - noirs2;
  return v;
}

void mortsparcouleur(uint8_t m, int32_t& propres, int32_t& adverses) {
  int32_t noirs = 0, blancs = 0;
  comptepionsmorts(travail, noirs, blancs);
  propres = m == NOIR ? noirs : blancs;
  adverses = m == NOIR ? blancs : noirs;
}

}  // namespace

void evaluationfinpartie(const TCartesAnalyse& analyse, TListePoints& candidats, const TPlateau& plateau, uint8_t m,
                         uint8_t o, int32_t& porteezone, TMarques& pertes, int32_t nbajouts, int32_t nbsupp) {
  const TCartesParPoint& mortsapresessai = analyse.mortsapresessai;
  const TCarte& valeurs = analyse.faitmort;
  const TMarques& invasion = analyse.faiblesse;
  TMarques& gains = analyse.tues;
  TMarques& exclus = analyse.mauvaiscoups;
  // pionsmorts and infochaine come back on every exit.
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TMarques> gardemorts(pionsmorts);
  const TInfoChaine chaines = infochaine;
  travail = plateau;
  pionsmorts = pionsmortsbis;
  int32_t propres0 = 0, adverses0 = 0;
  mortsparcouleur(m, propres0, adverses0);
  // The base value: the balance of the position without a move.
  const int32_t base = bilan(m, porteezone, 0, 0);

  // The mover's stone on every empty point.
  const int32_t n = configmoteur.taille;
  int32_t nb = 0;
  int32_t changements = 0;  // points that changed the dead counts
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (plateau[i] != VIDE) continue;
      // Play on the work board.
      pionsmorts = marquesliaison1;
      infochaine = chaines;
      posepioncaptures(prises, MAXPOINTSLISTE, travail, r, c, m, o);
      if (travail[i] != m) {
        travail = plateau;
        continue;  // refused: no stone, no term
      }
      const int32_t nbprises = prises[0];
      majlibertes(travail, nbprises, r, c);
      // Links of the stone, and the dead marks the analysis found after it.
      pionsmorts = mortsapresessai[r - 1][c - 1];
      const bool vivant = debutpartie != 1 && estlieachainevivante(travail, r, c, m, o);
      const bool lie = vivant && estlieauterritoire(travail, r, c, m, o);
      if (vivant && pionsmorts[i] != 0) demarquechaine(travail, r, c);
      int32_t propres = 0, adverses = 0;
      mortsparcouleur(m, propres, adverses);
      const int32_t tues = adverses + nbprises - adverses0;  // dead or captured, not dead before
      // Only the mover's stones that stood before the move can be lost; the
      // new stone, dead in the other side's area, is not a loss.
      const int32_t perdus = propres - propres0 - (pionsmorts[i] != 0 ? 1 : 0);
      int32_t terme = 0;
      if (tues > 0) {
        gains[i] = plafond(tues);
        if (tues > maxtuesordi) maxtuesordi = tues;
        terme = 3 * tues;
      }
      if (perdus > 0) {
        pertes[i] = plafond(perdus);
        if (perdus > compteurinfluence) compteurinfluence = perdus;
      }
      if (tues > 0 || perdus > 0) ++changements;
      // Liberty, zone and neighbour terms; self-atari and ladders.
      int32_t penalite = 0;
      if (pionsmorts[i] == 0 && infochaine[i][0] != 1) {
        const int32_t avant = terme;
        bonuslibertesvoisines(travail, terme, m, 0, 1, r, c);
        if (avant == 0) terme *= 5;
      }
      if (pionsmorts[i] == 0 && terme == 0 && infochaine[i][1] == 1 && testezone(travail, 3, r, c))
        pionsmorts[i] = 1;
      bonusvoisinsennemis(travail, terme, m, 1, r, c, invasion[i]);
      if (nbprises == 0 && valeurs[i] <= 0 &&
          ((infochaine[i][0] == 1 && !voisin8enemimort(travail, r, c, pionsmortsbis)) ||
           (infochaine[i][0] == 2 && detectesca(travail, 1, r, c)))) {
        gains[i] = 0;
        penalite = PENALITE;
        terme = PENALITE;
        if (invasion[i] == 0) exclus[i] = 1;
      }
      // A stone left with one liberty is taken at once.
      int32_t termeprise = nbprises;
      libertes[0] = 0;
      TMarques vu = marquesvides;
      libertesdelachaine(travail, libertes, CAPACITELIBERTES, 0, r, c, vu);
      if (nbpoints(libertes) == 1) {
        const int32_t r2 = ligneliste(libertes, 1), c2 = colonneliste(libertes, 1);
        posepioncaptures(reprise, MAXPOINTSLISTE, travail, r2, c2, o, m);
        int32_t marques = 0;
        for (int32_t k = 1; k <= reprise[0]; ++k) marques += reprise[3 * k + 2] != 0 ? 1 : 0;
        if (travail[indexcase(r2, c2)] == o) majlibertes(travail, reprise[0], r2, c2);
        termeprise = nbprises - reprise[0] - 10 * marques - 1;
      }
      // The point's value.
      if (travail[i] != VIDE || terme != 0 || termeprise != 0) {
        TEntree& e = entrees[++nb];
        e.point = TPoint{r, c};
        e.marque = penalite;
        if (travail[i] != VIDE && pionsmorts[i] == 0 && infochaine[i][0] != 1)
          comptezonevoisins(travail, e.marque, m, m, r, c, 3);
        e.valeur = valeurs[i] + terme + termeprise + bilan(m, porteezone, r, c);
        if (valeurs[i] > 0 && lie) e.valeur += 50;
      }
      travail = plateau;
    }
  // With no point to judge, nothing is decided.
  if (nb == 0) return;

  // Best points first.
  trie(nb, [](const TEntree& e) { return e.valeur; });
  // Decisions.
  auto valeur = [&](int32_t k) { return entrees[k].valeur; };
  if (nb <= 20 || valeur(20) < base) porteezone = 10;
  if (valeur(1) < base) {
    procedurefinpartie = 1;
    ordipasse = 1;
    return;
  }
  // The pass code needs a fifth point to compare with.
  if (nb >= 5 && valeur(1) == base && base > valeur(5)) ordipasse = 5;
  listes = marquesvides;
  for (int32_t k = 1; k <= nbpoints(candidats); ++k)
    listes[indexcase(ligneliste(candidats, k), colonneliste(candidats, k))] = 1;
  auto liste = [&](int32_t k) { return listes[indexcase(entrees[k].point.ligne, entrees[k].point.colonne)] != 0; };
  bool fin = false;
  if (changements < 4 && nb >= 10 && valeur(5) < base) {
    fin = true;
    for (int32_t k = 1; k <= nb && valeur(k) >= base; ++k)
      if (!liste(k)) ++procedurefinpartie;
  }
  // The best unlisted points, then one by zone count.
  auto ajoute = [&](int32_t k) {
    const TPoint q = entrees[k].point;
    listes[indexcase(q.ligne, q.colonne)] = 1;
    return empilepoint(candidats, CAPACITECANDIDATS, q.ligne, q.colonne);
  };
  const int32_t limite = nbajouts + (fin ? nbsupp : 0);
  int32_t ajoutes = 0;
  for (int32_t k = 1; k <= nb && ajoutes < limite && valeur(k) >= base; ++k)
    if (!liste(k) && ajoute(k)) ++ajoutes;
  if (fin) return;
  trie(nb, [](const TEntree& e) { return e.marque; });
  ajoutes = 0;
  for (int32_t k = 1; k <= nb && ajoutes < nbsupp; ++k)
    if (entrees[k].marque > 1 && !liste(k) && ajoute(k)) ++ajoutes;
}
