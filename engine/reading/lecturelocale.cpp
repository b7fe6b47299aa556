// Node skeleton of the local readings.
#include "engine/reading/lecturelocale.h"

#include <algorithm>

#include "engine/board/cles.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/reading/prise.h"

namespace {

// Node buffers of the running readings; buffers [0, enusage) are taken.
// Held by pointer so that a growing pool never moves a buffer in use.
std::vector<std::unique_ptr<TNoeudLecture>> poolnoeuds;
size_t enusage = 0;

}  // namespace

TPlisLecture::TPlisLecture(int32_t n)
    : plis(n < 1 ? 1 : n),
      ligne(static_cast<size_t>(plis) + 1),
      essais(static_cast<size_t>(plis) + 1, 0),
      entree(static_cast<size_t>(plis) + 1, 0),
      meilleur(static_cast<size_t>(plis) + 1),
      nbcles(static_cast<size_t>(plis) + 1, 0) {}

TNoeudsLecture::TNoeudsLecture(int32_t plis) : base_(enusage), nombre_(static_cast<size_t>(plis < 1 ? 1 : plis) + 1) {
  while (poolnoeuds.size() < base_ + nombre_) poolnoeuds.push_back(std::make_unique<TNoeudLecture>());
  enusage = base_ + nombre_;
}

TNoeudsLecture::~TNoeudsLecture() { enusage = base_; }

TNoeudLecture& TNoeudsLecture::operator[](int32_t pli) {
  size_t k = static_cast<size_t>(pli < 0 ? 0 : pli);
  if (k >= nombre_) k = nombre_ - 1;
  return *poolnoeuds[base_ + k];
}

void marquesterritoire(TMarques& m, const TPlateau& p, uint8_t o) {
  m.fill(0);
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] != VIDE || tablegroupes[i][0] == 1) continue;
      if (territoire[i] == o) m[i] = 1;
      else if (territoire2[i] == o) m[i] = 2;
    }
}

namespace {
// Deepest depth limit a propagation search takes: its line holds plies 0..20.
constexpr int32_t PROFONDEURMAXPROPAGATION = DERNIERPLILIAISON;
int32_t profondeurpropagation() { return std::min(paramniveauc, PROFONDEURMAXPROPAGATION); }
}  // namespace

TContextePropagation::TContextePropagation(uint8_t avant, uint8_t cc, uint8_t oo, TPlateau& pp, TPoint cib,
                                           int32_t s, int32_t plafond)
    : chaineavant(avant), c(cc), o(oo), p(pp), cible(cib), seuil(s), budget(budgetpropagation()),
      d(profondeurpropagation()), x(d - 2), but(d / 2 + 3), graines(std::max(d, 1) / 2 + 2),
      t(std::max(d, 1) + 1), noeuds(std::max(d, 1)) {
  if (plafond > 0 && plafond < but) but = plafond;
  marquesterritoire(marques, p, o);
  graines.pose(1, cible);
}

void TContextePropagation::comptenoeud() {
  ++compte;
  if ((compte & budget) == 0) return;
  budget = 0;
  retreci = true;
  d -= 2;
  but -= 1;
  x -= 2;
}

void TContextePropagation::termine() const {
  compteurnoeudslecture += compte;
  if (retreci) depassementpropagation = 1;
}

int32_t budgetpropagation() {
  if (niveau < 4) return 8192;
  if (niveau <= 6) return 16384;
  if (niveau <= 9) return 32768;
  return 65536;
}

bool jouelecture(TPlateau& p, TNoeudLecture& n, TPoint m, uint8_t s, uint8_t u) {
  n.prises[0] = 0;
  if (!reel(m)) return true;
  // An occupied point (the appended ko point may hold a stone) is refused:
  // taken as played, its undo would empty a stone that was already there.
  const int32_t i = indexcase(m.ligne, m.colonne);
  if (p[i] != VIDE) return false;
  n.marque = marquejournal();
  n.copie = !jouecoupjournal(n.prises, p, m.ligne, m.colonne, s, u);
  if (n.copie) {
    n.chaines = infochaine;
    jouecoup(n.prises, CAPACITELECTURE, p, m.ligne, m.colonne, s, u);
  }
  return p[i] == s;
}

void defaitlecture(TPlateau& p, TNoeudLecture& n, TPoint m, uint8_t u) {
  if (!reel(m)) return;
  p[indexcase(m.ligne, m.colonne)] = VIDE;
  if (n.copie) infochaine = n.chaines;
  else reprendjournal(n.marque);
  for (int32_t k = 1; k <= nbpoints(n.prises); ++k) p[indexcase(ligneliste(n.prises, k), colonneliste(n.prises, k))] = u;
}

TPoint kopourenfant(const TPlateau& p, const TNoeudLecture& n, TPoint m) {
  if (!reel(m) || nbpoints(n.prises) != 1) return {};
  const int32_t i = indexcase(m.ligne, m.colonne);
  if (infochaine[i][0] != 1) return {};
  const bool seule = !pastable(m.ligne, m.colonne, [&](int32_t r, int32_t c) { return p[indexcase(r, c)] == p[i]; });
  return seule ? pointliste(n.prises, 1) : TPoint{};
}

void ajoutekoordi(TListePoints& l) {
  if (reel(pointko)) empilepoint(l, CAPACITELECTURE, pointko.ligne, pointko.colonne);
  else empilepoint(l, CAPACITELECTURE, 0, 0);
}

void ajoutevidesvoisins(const TPlateau& p, TListePoints& l, TMarques& masque, TPoint pt) {
  pastable(pt.ligne, pt.colonne, [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    if (!masque[j] && p[j] == VIDE) {
      masque[j] = MASQUELISTE;
      empilepoint(l, CAPACITELECTURE, r, c);
    }
    return false;
  });
}

void remontesilistee(TListePoints& l, const TMarques& masque, TPoint k, TPoint ko, int32_t position) {
  if (!reel(k) || masque[indexcase(k.ligne, k.colonne)] != MASQUELISTE || memepoint(k, ko)) return;
  remontecoupenliste(l, k.ligne, k.colonne, position, CAPACITELECTURE);
}

bool coupeentrees(const TPlisLecture& t, int32_t p, int32_t r, bool maximise, int32_t& valeur) {
  for (int32_t i = p > t.plis ? t.plis : p; i >= 2; i -= 2) {
    if (t.essais[static_cast<size_t>(i - 1)] <= 1) continue;
    const int32_t e = t.entree[static_cast<size_t>(i)];
    if (maximise ? e <= r : r <= e) {
      valeur = e;
      return true;
    }
  }
  return false;
}

int32_t chercheliaison(const TPlisLecture& t, int32_t p, uint32_t cle) {
  return cherchecletransposition(cle, p, t.nbcles[static_cast<size_t>(p)], tabletranspositionliaison);
}

void insereliaison(TPlisLecture& t, int32_t p, int32_t position, uint32_t cle, int32_t valeur) {
  if (p < PREMIERETABLE || p > DERNIERPLILIAISON) return;
  inserecletransposition(cle, valeur, position, p, t.nbcles[static_cast<size_t>(p)], tabletranspositionliaison);
}
