#include "engine/choice/libertesfaibles.h"

#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/choice/soutienrecherche.h"

namespace {

constexpr int32_t CAPACITELIBERTES = 300;
constexpr int32_t CHAINESPROCHES = 4;  // a chain at P1 or P2 with at most this many liberties gives them all

// Which of the three scans runs.
enum class Balayage { lecture, racine, zone };

// The private maps and lists of one scan (static storage: one scan at a time).
struct TBalayage {
  TMarques listes;    // 1 listed or not to be added; 2 the ko point
  TMarques vus;       // stones of the chains handled
  TMarques avant;     // vus before the current chain's walk
  TMarques essayes;   // liberties of enemy chains in atari already handled
  TMarques bloques;   // liberties of own chains marked dead
  TListePoints libertes;
  TListePoints proches;  // liberties of the chains at or around P1 and P2
};
TBalayage etat;

bool estpoint(TPoint q) { return surplateaumoteur(q.ligne, q.colonne); }
bool estpoint(TPoint q, int32_t r, int32_t c) { return q.ligne == r && q.colonne == c; }

// Whether the chain just walked holds q, has it as a liberty, or has a
// stone next to it: q or such a stone was marked by the walk.
bool touchepoint(const TPlateau& p, uint8_t x, TPoint q) {
  if (!estpoint(q)) return false;
  auto nouveau = [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    return etat.vus[j] != 0 && etat.avant[j] == 0;
  };
  if (nouveau(q.ligne, q.colonne)) return true;
  return pas4(q.ligne, q.colonne, ORDREMARCHE,
              [&](int32_t r, int32_t c) { return p[indexcase(r, c)] == x && nouveau(r, c); });
}

// Position of (r, c) in the list, 0 when absent.
int32_t position(const TListePoints& l, int32_t r, int32_t c) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return k;
  return 0;
}

// Removes (r, c) from the list, shifting the later points down.
void retire(TListePoints& l, int32_t r, int32_t c) {
  const int32_t k = position(l, r, c);
  if (k == 0) return;
  const int32_t n = nbpoints(l);
  for (int32_t j = k; j < n; ++j) {
    l[2 * j] = l[2 * j + 2];
    l[2 * j + 1] = l[2 * j + 3];
  }
  l[0] = n - 1;
}

// Marks (r, c) listed and appends it.
void ajoute(TListePoints& l, int32_t cap, int32_t r, int32_t c) {
  etat.listes[indexcase(r, c)] = 1;
  empilepoint(l, cap, r, c);
}

// Whether the ladder reading still catches the own chain through (r, c)
// when it extends at its liberty q; `pierres` gets the chain's stone count.
bool resteprise(TPlateau& p, uint8_t c, int32_t r, int32_t col, TPoint q, int32_t& pierres) {
  TMarques vu = marquesvides;
  pierres = 0;
  comptepionschaine(pierres, p, vu, 0, r, col);
  uint8_t chasseur = c == NOIR ? BLANC : NOIR;
  uint8_t coureur = c;
  int32_t resultat = 0;
  lectureesca(vu, p, chasseur, coureur, q.ligne, q.colonne, resultat);
  return resultat == ESCALIERPRIS;
}

void ecritfuite(TMarques& valeursfuite, TPoint q, int32_t pierres) {
  valeursfuite[indexcase(q.ligne, q.colonne)] = static_cast<uint8_t>(pierres > 255 ? 255 : pierres);
}

// One chain of the scan: its liberties in etat.libertes, `nblib` of them.
void traitechaine(Balayage mode, TMarques& valeursfuite, TPlateau& p, TListePoints& candidats, int32_t cap,
                  uint8_t couleur, int32_t seuil, int32_t r, int32_t col) {
  const int32_t i = indexcase(r, col);
  const int32_t nblib = nbpoints(etat.libertes);
  const bool propre = p[i] == couleur;
  const bool mort = pionsmorts[i] != 0;
  auto liberte = [&](int32_t k) { return TPoint{ligneliste(etat.libertes, k), colonneliste(etat.libertes, k)}; };
  auto bloque = [&]() {
    for (int32_t k = 1; k <= nblib; ++k) {
      const TPoint q = liberte(k);
      etat.bloques[indexcase(q.ligne, q.colonne)] = 1;
    }
  };
  // An enemy chain in atari: its liberty is tried, and appended even when a
  // scan marked it without listing it.
  auto capture = [&](TPoint q) {
    const int32_t j = indexcase(q.ligne, q.colonne);
    etat.essayes[j] = 1;
    if (etat.listes[j] != 0 && position(candidats, q.ligne, q.colonne) == 0) etat.listes[j] = 0;
  };
  // An own chain in atari: its liberty is refused when the escape fails.
  auto fuite = [&](TPoint q) {
    int32_t pierres = 0;
    const int32_t j = indexcase(q.ligne, q.colonne);
    if (resteprise(p, couleur, r, col, q, pierres) && etat.essayes[j] == 0) {
      retire(candidats, q.ligne, q.colonne);
      etat.listes[j] = 1;
      return false;
    }
    ecritfuite(valeursfuite, q, pierres);
    return true;
  };
  auto ajoutelibre = [&](TPoint q) {
    if (etat.listes[indexcase(q.ligne, q.colonne)] == 0) ajoute(candidats, cap, q.ligne, q.colonne);
  };

  // A dead own chain in atari at the root or in the zone scan: its liberty
  // is read as a ladder and struck only when the chain stays caught. The
  // root's dead mask reads own chains with the opponent to move, so every
  // own chain in atari stands marked there whether it can escape or not.
  if (propre && mort && nblib == 1 && mode != Balayage::lecture) {
    const TPoint q = liberte(1);
    if (fuite(q)) ajoutelibre(q);
    return;
  }
  if (mode != Balayage::zone) {
    // A dead own chain: its last liberty struck, all of them blocked.
    if (propre && mort) {
      if (nblib == 1) {
        const TPoint q = liberte(1);
        const int32_t j = indexcase(q.ligne, q.colonne);
        if (etat.essayes[j] == 0) {
          if (position(candidats, q.ligne, q.colonne) != 0)
            retire(candidats, q.ligne, q.colonne);
          else
            etat.listes[j] = 1;
        }
      }
      bloque();
      return;
    }
    // A weak chain: its liberties, an escape for an own chain in atari, a capture for an enemy one.
    if (nblib < 1 || nblib > seuil) return;
    for (int32_t k = 1; k <= nblib; ++k) {
      const TPoint q = liberte(k);
      bool accepte = true;
      if (nblib == 1 && propre) accepte = fuite(q);
      if (nblib == 1 && !propre) capture(q);
      if (accepte) ajoutelibre(q);
    }
    return;
  }
  // The zone scan: dead own chains with more liberties are blocked; own
  // live chains in atari are taken as captures are.
  if (propre && mort) {
    bloque();
    return;
  }
  if (nblib < 1 || nblib > seuil) return;
  for (int32_t k = 1; k <= nblib; ++k) {
    const TPoint q = liberte(k);
    if (nblib == 1) capture(q);
    ajoutelibre(q);
  }
}

// The body of the three scans; the callers finish the list.
void balaie(Balayage mode, TMarques& valeursfuite, const TMarques* exclus, TPoint ko, TPlateau& p,
            const TPlateau* second, TListePoints& candidats, int32_t cap, uint8_t couleur, TPoint p1, TPoint p2) {
  // Listed points, the excluded ones and the ko point are not added again.
  valeursfuite = marquesvides;
  etat.listes = marquesvides;
  etat.vus = marquesvides;
  etat.essayes = marquesvides;
  etat.bloques = marquesvides;
  etat.proches[0] = 0;
  for (int32_t k = 1; k <= nbpoints(candidats); ++k)
    etat.listes[indexcase(ligneliste(candidats, k), colonneliste(candidats, k))] = 1;
  const int32_t n = configmoteur.taille;
  if (exclus != nullptr)
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c)
        if ((*exclus)[indexcase(r, c)] != 0) etat.listes[indexcase(r, c)] = 1;
  if (mode != Balayage::lecture && estpoint(ko) && etat.listes[indexcase(ko.ligne, ko.colonne)] == 0)
    etat.listes[indexcase(ko.ligne, ko.colonne)] = 2;
  int32_t seuil = paramniveaug;
  if (mode != Balayage::zone && nbpoints(candidats) >= 16) seuil = 1;

  // The chains to handle and their liberties.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] == VIDE || etat.vus[i] != 0) continue;
      const int32_t nblib = infochaine[i][0];
      const bool aupoint = estpoint(p1, r, c) || estpoint(p2, r, c);
      if (mode == Balayage::zone) {
        if (zonemarquee[i] == 0) continue;
        if (!(nblib == 1 || (nblib <= seuil && p[i] != couleur) || aupoint)) continue;
      } else if (nblib > seuil && !aupoint) {
        continue;
      }
      etat.avant = etat.vus;
      etat.libertes[0] = 0;
      libertesdelachaine(p, etat.libertes, CAPACITELIBERTES, 0, r, c, etat.vus);
      const bool touche = touchepoint(p, p[i], p1) || touchepoint(p, p[i], p2);
      const int32_t nbl = nbpoints(etat.libertes);
      if (nbl <= CHAINESPROCHES && (mode == Balayage::zone || touche))
        for (int32_t k = 1; k <= nbl; ++k)
          empilepoint(etat.proches, MAXPOINTSLISTE, ligneliste(etat.libertes, k), colonneliste(etat.libertes, k));
      for (int32_t k = 1; k <= nbl; ++k)
        etat.vus[indexcase(ligneliste(etat.libertes, k), colonneliste(etat.libertes, k))] = 0;
      traitechaine(mode, valeursfuite, p, candidats, cap, couleur, seuil, r, c);
    }

  // Blocked liberties are never added; then the liberties near P1 and P2.
  for (int32_t i = 0; i < NBCASES; ++i)
    if (etat.bloques[i] != 0) etat.listes[i] = 1;
  for (int32_t k = 1; k <= nbpoints(etat.proches); ++k) {
    const int32_t r = ligneliste(etat.proches, k), c = colonneliste(etat.proches, k);
    if (etat.listes[indexcase(r, c)] == 0) ajoute(candidats, cap, r, c);
  }

  if (mode == Balayage::zone) {
    // The liberties of two-liberty chains around P1 and P2, those of the
    // chains whose status changed, the free neighbours of P1 and P2.
    if (estpoint(p1)) {
      const TPoint b = estpoint(p2) ? p2 : p1;
      listelibertesadeuxlib(0, etat.listes, p, candidats, cap, p1.ligne, p1.colonne, b.ligne, b.colonne);
    }
    ajoutelibertesstatutchange(p, *second, etat.listes, etat.vus, candidats, cap, couleur);
  }

  // Widening around P1 and P2 (a missing one stands in for the other).
  if (!estpoint(p1) && !estpoint(p2)) return;
  const TPoint a = estpoint(p1) ? p1 : p2;
  const TPoint b = estpoint(p2) ? p2 : p1;
  if (mode != Balayage::zone && nbpoints(candidats) < 11)
    listevidescarresmarque(etat.listes, p, candidats, cap, a.ligne, a.colonne, b.ligne, b.colonne, 2);
  else
    listevidesvoisinsmarque(etat.listes, p, candidats, cap, a.ligne, a.colonne, b.ligne, b.colonne);
}

}  // namespace

void ajoutelibertesfaibles(TMarques& valeursfuite, int32_t prises, TPlateau& p, TListePoints& candidats,
                           int32_t cap, uint8_t couleur, TPoint p1, TPoint p2) {
  balaie(Balayage::lecture, valeursfuite, nullptr, TPoint{}, p, nullptr, candidats, cap, couleur, p1, p2);
  // After a single capture at P1: the retake at its lone liberty.
  if (prises != 1 || !estpoint(p1)) return;
  const int32_t i1 = indexcase(p1.ligne, p1.colonne);
  if (p[i1] == VIDE || p[i1] == couleur) return;
  TPoint e;
  seuleliberteisolee(e, p, p1.ligne, p1.colonne);
  if (e.ligne == 0 || etat.listes[indexcase(e.ligne, e.colonne)] == 0) return;
  const uint8_t pierre = p[i1];
  const int32_t ie = indexcase(e.ligne, e.colonne);
  p[i1] = VIDE;
  p[ie] = couleur;
  TPoint seule;
  seuleliberteisolee(seule, p, e.ligne, e.colonne);
  p[ie] = VIDE;
  p[i1] = pierre;
  if (seule.ligne != 0) retire(candidats, e.ligne, e.colonne);
}

void ajoutelibertesfaiblesracine(TMarques& valeursfuite, const TMarques& exclus, TPoint ko, TPlateau& p,
                                 TListePoints& candidats, int32_t cap, uint8_t couleur, TPoint p1, TPoint p2) {
  balaie(Balayage::racine, valeursfuite, &exclus, ko, p, nullptr, candidats, cap, couleur, p1, p2);
  // The ko point never stays in the list.
  if (estpoint(ko)) retire(candidats, ko.ligne, ko.colonne);
}

void ajoutelibertesfaibleszone(TMarques& valeursfuite, const TPlateau& second, const TMarques& /*gains*/, TPoint ko,
                               TPlateau& p, TListePoints& candidats, int32_t cap, uint8_t couleur, TPoint p1,
                               TPoint p2) {
  balaie(Balayage::zone, valeursfuite, nullptr, ko, p, &second, candidats, cap, couleur, p1, p2);
  if (estpoint(ko)) retire(candidats, ko.ligne, ko.colonne);
}

void ajoutelibertesstatutchange(const TPlateau& p, const TPlateau& second, TMarques& listes, TMarques& vu,
                                TListePoints& candidats, int32_t cap, uint8_t couleur) {
  TListePoints& libertes = etat.libertes;
  libertes[0] = 0;
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] == VIDE || vu[i] != 0 || p[i] != second[i]) continue;
      if ((marquesliaison1[i] != 0) == (pionsmorts[i] != 0)) continue;
      const bool mort = pionsmorts[i] != 0;
      if (p[i] == couleur ? !mort : mort) continue;
      libertesdelachaine(p, libertes, CAPACITELIBERTES, 0, r, c, vu);
    }
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
    const int32_t r = ligneliste(libertes, k), c = colonneliste(libertes, k);
    const int32_t i = indexcase(r, c);
    if (listes[i] != 0) continue;
    listes[i] = 1;
    empilepoint(candidats, cap, r, c);
  }
}

void ajoutecandidatsvalorises(const TCarte& a, const TCarte& b, TListePoints& candidats, int32_t cap) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (casescandidates[i] != 0 && (a[i] > 0 || b[i] > 0)) ajoutecaseliste(r, c, candidats, cap);
    }
}

void ajoutepointsvidesentoures(const TPlateau& p, TListePoints& candidats, int32_t cap, const TListePoints& chemin,
                               int32_t n, TPoint ko) {
  TMarques& listes = etat.listes;
  listes = marquesvides;
  for (int32_t k = 1; k <= nbpoints(candidats); ++k)
    listes[indexcase(ligneliste(candidats, k), colonneliste(candidats, k))] = 1;
  if (estpoint(ko)) listes[indexcase(ko.ligne, ko.colonne)] = 1;
  for (int32_t k = 1; k < n && k < MAXPOINTSLISTE; ++k) {
    const int32_t r = ligneliste(chemin, k), c = colonneliste(chemin, k);
    if (!surplateaumoteur(r, c) || p[indexcase(r, c)] == VIDE) continue;
    const uint8_t x = p[indexcase(r, c)];
    pastable(r, c, [&](int32_t r0, int32_t c0) {
      if (p[indexcase(r0, c0)] != VIDE) return false;
      TPoint e;
      if (unseulvoisinvide(e, p, x, r0, c0) && listes[indexcase(e.ligne, e.colonne)] == 0) {
        listes[indexcase(e.ligne, e.colonne)] = 1;
        empilepoint(candidats, cap, e.ligne, e.colonne);
      }
      return false;
    });
  }
}

void reordonnecoups(const TMarques& listes, const TListePoints& chemin, int32_t d, int32_t k,
                    TListePoints& candidats) {
  // Nothing to reorder at the root, in a one-move list, or with the switch off.
  if (d <= 1 || nbpoints(candidats) <= 1 || interrupteurcandidats == 0) return;
  // The first move of the line, in the order of the depths, among the candidates.
  TPoint m{};
  auto regarde = [&](int32_t j) {
    if (m.ligne != 0 || j < 1 || j >= MAXPOINTSLISTE) return;
    const int32_t r = ligneliste(chemin, j), c = colonneliste(chemin, j);
    if (r != 0 && surplateaumoteur(r, c) && listes[indexcase(r, c)] == 1) m = TPoint{r, c};
  };
  for (int32_t j = d; j == d || j < 5; j += 2) regarde(j);
  for (int32_t j = d + 1; j == d + 1 || j < 5; ++j) regarde(j);
  // The mover's earlier moves: d - 2 always (depth 1 at depth 3), then on
  // down while above depth 1.
  if (d > 2)
    for (int32_t j = d - 2; j == d - 2 || j >= 2; j -= 2) regarde(j);
  if (d > 1)
    for (int32_t j = d - 1; j >= 1; --j) regarde(j);
  if (m.ligne == 0) return;
  // It swaps places with the candidate at k.
  for (int32_t j = k + 1; j <= nbpoints(candidats); ++j)
    if (ligneliste(candidats, j) == m.ligne && colonneliste(candidats, j) == m.colonne) {
      candidats[2 * j] = candidats[2 * k];
      candidats[2 * j + 1] = candidats[2 * k + 1];
      candidats[2 * k] = m.ligne;
      candidats[2 * k + 1] = m.colonne;
      return;
    }
}
