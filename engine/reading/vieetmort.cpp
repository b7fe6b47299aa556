// Life-and-death reading: region, chain lists, and the alternate reading of
// owner and opponent inside the region with per-ply transposition tables.
#include "engine/reading/vieetmort.h"

#include <algorithm>
#include <cstring>

#include "engine/board/acces.h"
#include "engine/board/cles.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/chains/combat.h"
#include "engine/reading/prise.h"

namespace {

inline bool meme(const TPoint& a, const TPoint& b) { return a.ligne == b.ligne && a.colonne == b.colonne; }

constexpr int32_t CAPACITEREGION = MAXPOINTSLISTE;

// Per-ply buffers of the reading.
struct TNoeudVie {
  TListePoints candidats;
  TListePoints prises;   // stones captured by the move in play
  TInfoChaine chaines;   // chain table at node entry
};

// State shared by every node of one reading.
struct TLectureVie {
  TPlateau* p = nullptr;
  int32_t cl = 0, cc = 0;  // target
  uint8_t o = 0, x = 0;    // owner and opponent
  int32_t b = 0;           // free-point budget
  int32_t n = 0;           // captured stones that let the owner live
  int32_t d = 0;           // current depth limit
  int32_t plafond = 0;     // starting depth + 6
  int32_t t[41] = {};      // liberty bar by remaining depth
  int32_t nbtables[DERNIERPLIVIE + 1] = {};
  TPoint coup[PLISVIE] = {};
  TPoint meilleur[PLISVIE] = {};
  int32_t prisescomptees = 0;  // stones of counted chains captured on the line
  bool comptees = false;       // some chain of the region has a count in v2
  TCarte v2{};                 // stone counts at the heads of counted chains
  TListePoints region{};
  TListePoints liste1{};       // opponent's weak chains (heads)
  TListePoints liste2{};       // owner's weak chains (heads), the target left out
  TMarques vu{};
};

TLectureVie vie;
TNoeudVie noeudsvie[PLISVIE];
// Scratch of the preparation.
TListePoints autreliste;
TListePoints libertesprep;
TListePoints prisesprep;
TListePoints garde1, garde2;

bool uneatari(const TListePoints& l) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (libs(ligneliste(l, k), colonneliste(l, k)) == 1) return true;
  return false;
}

bool toutesau_dessus(const TListePoints& l, int32_t borne) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (libs(ligneliste(l, k), colonneliste(l, k)) <= borne) return false;
  return true;
}

// A chain of the list no longer stands (its head does not hold `couleur`).
bool unedisparue(const TPlateau& p, const TListePoints& l, uint8_t couleur) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (p[ix(ligneliste(l, k), colonneliste(l, k))] != couleur) return true;
  return false;
}

bool dansprises(const TListePoints& prises, const TPoint& m) {
  for (int32_t k = 1; k <= nbpoints(prises); ++k)
    if (ligneliste(prises, k) == m.ligne && colonneliste(prises, k) == m.colonne) return true;
  return false;
}

void inseretable(int32_t pli, int32_t position, uint32_t cle, int32_t valeur) {
  inserecletransposition(cle, valeur, position, pli, vie.nbtables[pli], tablehachrecu);
}

// Appends the liberties of the chain at (r, c) not yet set in `vu` (the ko
// point is set there by the caller).
void ajouteliberteschaine(const TPlateau& p, TListePoints& l, TMarques& vu, int32_t r, int32_t c) {
  TMarques pierres = vu;
  TListePoints libs{};
  libertesdelachaine(p, libs, CAPACITELISTESVIE, 0, r, c, pierres);
  for (int32_t k = 1; k <= nbpoints(libs); ++k) {
    const int32_t j = ix(ligneliste(libs, k), colonneliste(libs, k));
    if (vu[j]) continue;
    vu[j] = 1;
    empilepoint(l, CAPACITEREGION, ligneliste(libs, k), colonneliste(libs, k));
  }
}

// ---- Region -------------------------------------------------------------------------

struct Region {
  const TCarte& valeurs;
  const TPlateau& p;
  int32_t vides = 0;
  bool depasse = false;

  void marche(int32_t dir, int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    vie.vu[i] = 1;
    empilepoint(vie.region, CAPACITEREGION, r, c);
    if (p[i] == VIDE && ++vides > vie.b) {
      depasse = true;
      return;
    }
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = ix(r2, c2);
      if (!vie.vu[j] && (valeurs[j] < 0 || pionsmorts[j] || p[j] == VIDE)) marche(d2, r2, c2);
      return depasse;
    });
  }
};

// ---- Capture tests of the preparation -------------------------------------------------

// Fills the liberties of the chain at `tete` with `preneur`'s stones: twice,
// then the chain is lifted and they are filled once more. True when the
// chain no longer stands.
bool capturechaine(TPlateau& p, const TPoint& tete, uint8_t preneur) {
  const uint8_t proie = p[ix(tete.ligne, tete.colonne)];
  libertesprep[0] = 0;
  TMarques vu = marquesvides;
  libertesdelachaine(p, libertesprep, CAPACITELISTESVIE, 0, tete.ligne, tete.colonne, vu);
  const auto remplit = [&] {
    for (int32_t k = 1; k <= nbpoints(libertesprep); ++k)
      jouecoup(prisesprep, CAPACITELISTE, p, ligneliste(libertesprep, k), colonneliste(libertesprep, k), preneur,
               proie);
  };
  const auto debout = [&] { return p[ix(tete.ligne, tete.colonne)] == proie; };
  remplit();
  if (!debout()) return true;
  remplit();
  if (!debout()) return true;
  retirechaine(p, tete.ligne, tete.colonne);
  remplit();
  return !debout();
}

// Sorts the chains of both lists: a chain whose capture leaves the other
// side's chains alive stays listed; one whose capture changes nothing is
// dropped and its stones counted in v2.
void triechaines(const TCarte& valeurs, TPlateau& p) {
  TLectureVie& e = vie;
  const TPlateau plateau = p;
  const TInfoChaine chaines = infochaine;
  garde1[0] = garde2[0] = 0;
  bool touscaptures = true;
  // `preneur` takes each chain of `liste`; then the chain of `autre`'s first
  // point is read for `preneur`, the other side to move.
  const auto teste = [&](const TListePoints& liste, TListePoints& gardees, uint8_t preneur,
                         const TListePoints& autre) {
    const uint8_t adverse = static_cast<uint8_t>(1 - preneur);
    for (int32_t k = 1; k <= nbpoints(liste); ++k) {
      const TPoint tete{ligneliste(liste, k), colonneliste(liste, k)};
      bool gardee = false, comptee = false;
      if (capturechaine(p, tete, preneur)) {
        if (nbpoints(autre) > 0 &&
            combatchaine2(valeurs, autre, p, preneur, adverse, adverse, ligneliste(autre, 1),
                          colonneliste(autre, 1)))
          gardee = true;
        else
          comptee = true;
      }
      p = plateau;
      infochaine = chaines;
      if (gardee) {
        empilepoint(gardees, CAPACITELISTESVIE, tete.ligne, tete.colonne);
      } else {
        touscaptures = false;
        if (comptee) {
          e.v2[ix(tete.ligne, tete.colonne)] = infochaine[ix(tete.ligne, tete.colonne)][1];
          e.comptees = true;
        }
      }
    }
  };
  // Opponent's chains taken by the owner: does the owner's side then live?
  autreliste[0] = 0;
  empilepoint(autreliste, CAPACITEREGION, e.cl, e.cc);
  for (int32_t k = 1; k <= nbpoints(e.liste2); ++k)
    empilepoint(autreliste, CAPACITEREGION, ligneliste(e.liste2, k), colonneliste(e.liste2, k));
  teste(e.liste1, garde1, e.o, autreliste);
  // Owner's chains taken by the opponent: does the opponent's side then live?
  teste(e.liste2, garde2, e.x, e.liste1);
  if (!touscaptures) {
    e.liste1 = garde1;
    e.liste2 = garde2;
  }
}

// ---- Node -----------------------------------------------------------------------------

int32_t noeudvie(int32_t pli, uint8_t joueur, uint32_t cle, TPoint ko) {
  TLectureVie& e = vie;
  TPlateau& p = *e.p;
  TNoeudVie& nd = noeudsvie[pli];
  TListePoints& cand = nd.candidats;
  cand[0] = 0;
  const bool proprio = joueur == e.o;
  const uint8_t autre = static_cast<uint8_t>(1 - joueur);
  const int32_t seuil = e.d - 6;
  const int32_t lc = libs(e.cl, e.cc);
  bool force = false;

  if (proprio) {
    // The target in atari: its liberties only.
    TMarques vu = marquesvides;
    if (reel(ko)) vu[ix(ko.ligne, ko.colonne)] = 1;
    if (lc == 1) {
      force = true;
      ajouteliberteschaine(p, cand, vu, e.cl, e.cc);
      if (nbpoints(cand) == 0) return 1;
    } else if (seuil <= pli && nbpoints(e.liste2) == 0) {
      return 0;  // out of plies with nothing to save
    }
    if (!force) {
      // An opponent chain in atari: the owner takes it.
      if (uneatari(e.liste1)) return 0;
      // Own chains in atari must be saved.
      for (int32_t k = 1; k <= nbpoints(e.liste2); ++k) {
        const int32_t r = ligneliste(e.liste2, k), c = colonneliste(e.liste2, k);
        if (libs(r, c) != 1) continue;
        ajouteliberteschaine(p, cand, vu, r, c);
        force = true;
        if (nbpoints(cand) == 0) return 1;
      }
    }
    if (!force) {
      // Out of depth, enough captures, or too many liberties.
      if (seuil <= pli) return 0;
      const int32_t barre = e.t[seuil - pli];
      if (e.comptees && pli >= 6 && e.prisescomptees >= e.n) return 0;
      if (lc > barre && toutesau_dessus(e.liste2, barre)) return 0;
    }
  } else {
    // A chain in atari, or too many liberties for the plies left: settled.
    if (lc == 1 || uneatari(e.liste2)) return 1;
    const int32_t barre = seuil >= pli ? e.t[seuil - pli] + 1 : 2;
    if (lc > barre && (!(pli < e.d - 1 && nbpoints(e.liste2) > 0) || toutesau_dessus(e.liste2, barre))) return 0;
  }

  // Candidates: the empty points of the region, and the owner's pass.
  if (!force) {
    for (int32_t k = 1; k <= nbpoints(e.region); ++k) {
      const TPoint m{ligneliste(e.region, k), colonneliste(e.region, k)};
      if (p[ix(m.ligne, m.colonne)] == VIDE && !meme(m, ko)) empilepoint(cand, CAPACITEREGION, m.ligne, m.colonne);
    }
    if (proprio && pli != e.d) empilepoint(cand, CAPACITEREGION + 1, 0, 0);
    if (nbpoints(cand) == 0) return 0;
  }

  // Ordering.
  if (reel(e.meilleur[pli]))
    remontecoupenliste(cand, e.meilleur[pli].ligne, e.meilleur[pli].colonne, 1, CAPACITEREGION);
  e.meilleur[pli] = e.meilleur[pli + 1] = TPoint{};
  e.coup[pli] = TPoint{};

  // The moves.
  nd.chaines = infochaine;
  const uint32_t base = reel(ko) ? cle ^ zobristmoyo[ix(ko.ligne, ko.colonne)] : cle;
  int32_t resultat = 0;
  int32_t joues = 0;
  for (int32_t k = 1; k <= nbpoints(cand); ++k) {
    const TPoint m{ligneliste(cand, k), colonneliste(cand, k)};
    const int32_t davant = e.d;
    const int32_t prisesavant = e.prisescomptees;
    TListePoints& prises = nd.prises;
    prises[0] = 0;
    if (!reel(m)) {
      if (e.d + 2 <= e.plafond) e.d += 2;
    } else {
      jouecoup(prises, CAPACITELISTE, p, m.ligne, m.colonne, joueur, autre);
      if (p[ix(m.ligne, m.colonne)] != joueur) continue;  // refused
    }
    ++joues;
    ++compteurnoeudsprise;
    const auto reprend = [&] {
      if (reel(m)) p[ix(m.ligne, m.colonne)] = VIDE;
      for (int32_t q = 1; q <= nbpoints(prises); ++q) p[ix(ligneliste(prises, q), colonneliste(prises, q))] = autre;
      infochaine = nd.chaines;
      e.prisescomptees = prisesavant;
      e.d = davant;
    };
    // The owner may not put the target in atari.
    if (proprio && libs(e.cl, e.cc) == 1) {
      reprend();
      resultat = 1;
      continue;
    }
    // Captures.
    TPoint nouveauko = pointko;
    bool konouveau = false;
    if (nbpoints(prises) > 0) {
      if (p[ix(e.cl, e.cc)] != e.o) {
        reprend();
        return 1;
      }
      const int32_t jm = ix(m.ligne, m.colonne);
      if (nbpoints(prises) == 1 && infochaine[jm][1] == 1 && infochaine[jm][0] == 1) {
        nouveauko = TPoint{ligneliste(prises, 1), colonneliste(prises, 1)};
        konouveau = true;
      }
      if (proprio ? unedisparue(p, e.liste1, e.x) : unedisparue(p, e.liste2, e.o)) {
        reprend();
        e.meilleur[pli] = m;
        return proprio ? 0 : 1;
      }
      if (!proprio && pli > 1 && !konouveau && reel(e.coup[pli - 1]) && dansprises(prises, e.coup[pli - 1]) &&
          e.d + 2 <= e.plafond)
        e.d += 2;
      if (e.comptees)
        for (int32_t q = 1; q <= nbpoints(prises); ++q)
          e.prisescomptees += e.v2[ix(ligneliste(prises, q), colonneliste(prises, q))];
    }
    // Line, child key and the child.
    e.coup[pli] = m;
    if (e.d > pli) {
      uint32_t cle2 = base;
      if (reel(m)) xorclepion(cle2, m.ligne, m.colonne, joueur);
      for (int32_t q = 1; q <= nbpoints(prises); ++q)
        xorclepion(cle2, ligneliste(prises, q), colonneliste(prises, q), autre);
      if (reel(nouveauko)) xorclemoyo(cle2, nouveauko.ligne, nouveauko.colonne);
      if (pli >= PREMIERETABLE && pli <= DERNIERPLIVIE) {
        const int32_t pos = cherchecletransposition(cle2, pli, e.nbtables[pli], tablehachrecu);
        if (pos <= 0) {
          resultat = -pos;
        } else {
          resultat = noeudvie(pli + 1, autre, cle2, nouveauko);
          inseretable(pli, pos, cle2, resultat);
        }
      } else {
        resultat = noeudvie(pli + 1, autre, cle2, nouveauko);
      }
    } else {
      resultat = uneatari(e.liste2) ? 1 : 0;
    }
    // Undo.
    reprend();
    // Cut-off.
    if (proprio ? resultat == 0 : resultat > 0) {
      e.meilleur[pli] = m;
      return resultat;
    }
    // The reply that refuted the child next.
    const TPoint& suivant = e.meilleur[pli + 1];
    if (reel(suivant) && nbpoints(cand) - k >= 2)
      remontecoupenliste(cand, suivant.ligne, suivant.colonne, k + 1, CAPACITEREGION);
  }
  // No move played: a forced owner lives.
  if (joues == 0) return force && proprio ? 1 : 0;
  return resultat;
}

}  // namespace

int32_t budgetvieetmort(int32_t niveaujeu) {
  if (niveaujeu >= 1 && niveaujeu <= 2) return 4;
  if (niveaujeu >= 3 && niveaujeu <= 4) return 12;
  if (niveaujeu >= 5 && niveaujeu <= 6) return 14;
  return 16;  // 7 and above, and the unset level 0 read as 7
}

int32_t profondeurvieetmort(int32_t budget, bool propriocommence) {
  const bool impair = budget % 2 != 0;
  if (propriocommence) return impair ? budget : budget - 1;
  return impair ? budget - 1 : budget;
}

int32_t testvieetmort(const TCarte& valeurs, TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur,
                      const TPoint& /*ko*/, TPoint point) {
  const int32_t i0 = ix(ligne, colonne);
  if (p[i0] == VIDE) return VIEVIVANTE;  // no chain to kill
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  TLectureVie& e = vie;
  e.p = &p;
  e.cl = ligne;
  e.cc = colonne;
  e.o = p[i0];
  e.x = static_cast<uint8_t>(1 - e.o);

  // Budget and region.
  e.b = budgetvieetmort(niveau);
  e.region[0] = 0;
  e.vu = marquesvides;
  Region reg{valeurs, p};
  reg.marche(0, ligne, colonne);
  if (reg.depasse) return VIETROPGRANDE;
  // Widened by the liberties of the weak chains around its empty points.
  const int32_t nbregion = nbpoints(e.region);
  for (int32_t k = 1; k <= nbregion; ++k) {
    const int32_t r = ligneliste(e.region, k), c = colonneliste(e.region, k);
    if (p[ix(r, c)] == VIDE) libertesetfaibles(p, e.region, CAPACITEREGION, 0, r, c, e.vu);
  }
  if (reg.vides > e.b) return VIETROPGRANDE;
  if (reel(point) && !e.vu[ix(point.ligne, point.colonne)]) return VIEAILLEURS;
  // Plies to read from the empty points of the region.
  e.n = std::max(e.b - reg.vides, 3);

  // Chain lists and counted chains.
  e.liste1[0] = e.liste2[0] = 0;
  e.v2.fill(0);
  e.comptees = false;
  TMarques cible = marquesvides;
  marquepionschaine(p, cible, 0, ligne, colonne);
  for (int32_t k = 1; k <= nbpoints(e.region); ++k) {
    const int32_t r = ligneliste(e.region, k), c = colonneliste(e.region, k);
    const int32_t i = ix(r, c);
    if (p[i] == VIDE || infochaine[i][1] == 0 || cible[i]) continue;
    if (valeurs[i] >= 0) {
      e.v2[i] = infochaine[i][1];
      e.comptees = true;
    } else {
      empilepoint(p[i] == e.o ? e.liste2 : e.liste1, CAPACITELISTESVIE, r, c);
    }
  }
  if (nbpoints(e.liste1) > 0 || nbpoints(e.liste2) > 0) triechaines(valeurs, p);

  // Depth.
  const uint8_t premier = couleur == e.x ? e.o : e.x;
  const int32_t d0 = profondeurvieetmort(e.b, premier == e.o);
  e.d = d0;
  e.plafond = d0 + 6;
  for (int32_t i = 0; i < 41; ++i) e.t[i] = i % 2 == 0 ? i / 2 + 1 : i / 2 + 2;
  std::fill(std::begin(e.nbtables), std::end(e.nbtables), 0);
  std::fill(std::begin(e.coup), std::end(e.coup), TPoint{});
  std::fill(std::begin(e.meilleur), std::end(e.meilleur), TPoint{});
  e.prisescomptees = 0;

  // The search from the root.
  return noeudvie(1, premier, 0, pointko);
}
