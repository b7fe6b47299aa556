#include "engine/choice/complements.h"

#include <utility>

#include "engine/board/rejoue.h"
#include "engine/choice/bonus.h"

namespace {

constexpr int32_t CAPACITERACINE = 361;  // the root candidate list
constexpr int32_t CAPACITELISTE = 300;   // the list of completecandidatsvaleur

struct TEntree {
  int32_t valeur;
  TPoint point;
};

// Scratch of one call: the entries, the second values, a copy of the points.
TEntree entrees[NBCASES + 1];  // [1..n]
int32_t valeurs2[NBCASES + 1];
TPoint pointsavant[NBCASES + 1];
TMarques vus;
TPlateau travail;
TListePoints prises;

// Exchange sort of entries 1..n, largest value first (equal values come out
// as this loop leaves them).
void trie(int32_t n) {
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (entrees[j].valeur < entrees[i].valeur) std::swap(entrees[i], entrees[j]);
}

void marquelistes(const TListePoints& l) {
  vus = marquesvides;
  for (int32_t k = 1; k <= nbpoints(l); ++k) vus[indexcase(ligneliste(l, k), colonneliste(l, k))] = 1;
}

}  // namespace

void completecandidatsessai(const TCartesAnalyse& ordi, const TCartesAnalyse& joueur, int32_t k, uint8_t couleur,
                            uint8_t adverse, const TPlateau& p, TListePoints& candidats) {
  const TMarques& mauvais = ordi.mauvaiscoups;
  const TCarte &separation = ordi.separation, &flou = ordi.flou;
  const TMarques &defenseordi = ordi.invasiondefense, &defensejoueur = joueur.invasiondefense;
  const TMarques& faiblesse = ordi.faiblesse;
  // Work board and listed points.
  travail = p;
  marquelistes(candidats);
  // Every free point that the colour may play.
  const int32_t taille = configmoteur.taille;
  int32_t n = 0;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t i = indexcase(r, c);
      if (vus[i] != 0 || travail[i] != VIDE || mauvais[i] != 0) continue;
      prises[0] = 0;
      jouecoupcaptures(prises, CAPACITELISTE, travail, r, c, couleur, adverse);
      if (travail[i] == VIDE) continue;  // refused
      TEntree& e = entrees[++n];
      e = TEntree{0, TPoint{r, c}};
      if (debutpartie == 1) {
        zonevide3x3(travail, e.valeur, couleur, r, c);
        bonusbord(travail, e.valeur, couleur, r, c);
      }
      e.valeur += flou[i] - 1 + 2 * faiblesse[i] + defenseordi[i] + defensejoueur[i] + separation[i];
      if ((territoire2[i] == couleur && strategie == 1) || (territoire2[i] == adverse && strategie == 0))
        e.valeur += 50;
      travail = p;
    }
  // The best positive ones.
  if (n <= 1) return;
  trie(n);
  for (int32_t j = 1; j <= n && j <= k && entrees[j].valeur > 0; ++j)
    empilepoint(candidats, CAPACITERACINE, entrees[j].point.ligne, entrees[j].point.colonne);
}

void completecandidatsvaleur(int32_t k1, int32_t k2, const TPlateau& p, TListePoints& liste,
                             const TCarte& separationjoueur, const TCarte& flou, const TMarques& defensejoueur,
                             const TMarques& faiblesse) {
  // Listed points are marked.
  marquelistes(liste);
  const int32_t taille = configmoteur.taille;
  int32_t n = 0;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t i = indexcase(r, c);
      if (vus[i] != 0 || p[i] != VIDE) continue;
      ++n;
      entrees[n] = TEntree{flou[i] - 1 + 2 * faiblesse[i], TPoint{r, c}};
      valeurs2[n] = defensejoueur[i] + separationjoueur[i];
    }
  if (n <= 1) return;
  // By the first score; the second values stay in place.
  for (int32_t j = 1; j <= n; ++j) pointsavant[j] = entrees[j].point;
  trie(n);
  for (int32_t j = 1; j <= n && j <= k1 && entrees[j].valeur > 0; ++j) {
    const TPoint q = entrees[j].point;
    if (empilepoint(liste, CAPACITELISTE, q.ligne, q.colonne)) vus[indexcase(q.ligne, q.colonne)] = 1;
  }
  // By the second score, points not taken yet.
  for (int32_t j = 1; j <= n; ++j) entrees[j] = TEntree{valeurs2[j], pointsavant[j]};
  trie(n);
  int32_t ajoutes = 0;
  for (int32_t j = 1; j <= n && ajoutes < k2 && entrees[j].valeur > 0; ++j) {
    const TPoint q = entrees[j].point;
    const int32_t i = indexcase(q.ligne, q.colonne);
    if (vus[i] != 0) continue;
    vus[i] = 1;
    if (empilepoint(liste, CAPACITELISTE, q.ligne, q.colonne)) ++ajoutes;
  }
}
