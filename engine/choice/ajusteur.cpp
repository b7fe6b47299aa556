// Move adjuster of the second pass and its fortification reinforcement.
//
// What the adjuster reads and who writes it:
// - zonespoints: written here at entry (marquezonespoints) on the position
//   before the move; Z is that table.
// - effetsinvasion: written by the invasion term of the search (bonusinvasion)
//   for each root move q: marques[p] 1, 2 or 4 for every invasion point p it
//   tried after q (1 q stops it, 2 it keeps some value, 4 it lives), valeur its
//   cached value. The invasion pass (invasions) runs only for a chosen move with a positive value.
// - D1, D2: the penalty maps of the root moves, the two maxima of the
//   dead-marks term; the re-evaluation here raises D1[p] by what the term
//   subtracts for p.
#include "engine/choice/ajusteur.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/choice/bonus.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/reading/marquagemorts.h"
#include "engine/territory/moyo.h"

namespace {

constexpr int32_t CAPACITE = 300;  // liberty lists, listA, the list C of phase B

inline bool meme(TPoint a, TPoint b) { return a.ligne == b.ligne && a.colonne == b.colonne; }
inline bool survie13(uint8_t k) { return k == 1 || k == 3; }
inline const TEssaiCoup& eo(TPoint p) { return essaiordi(p.ligne, p.colonne); }
inline const TEssaiCoup& ej(TPoint p) { return essaijoueur(p.ligne, p.colonne); }

// Scratch (static storage: one adjuster at a time; nothing it calls comes back here).
TMarques listes, aides, vu, carteY, carteL, copie, zoneA, masque, faiblesW;
TCarte copieT, cartedilatee;
TListePoints libertes, prises, listeC;
TPlateau plateaucopie, plateausauve;
TInfoChaine chainessauvees;
TMarques mortssauves;

// Marks (r, c) in `m`; on a stone of a chain `vu` has not seen yet, the
// chain's liberties too (its stones go into `vu`).
void marquepointetlibertes(TMarques& m, const TPlateau& p, int32_t r, int32_t c) {
  const int32_t w = ix(r, c);
  m[w] = 1;
  if (p[w] == VIDE || vu[w]) return;
  libertes[0] = 0;
  libertesdelachaine(p, libertes, CAPACITE, 0, r, c, vu);
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
    const int32_t li = ix(ligneliste(libertes, k), colonneliste(libertes, k));
    m[li] = 1;
    vu[li] = 0;
  }
}

// The points within `d` of (r, c) and the liberties of the chains within
// one step of it, over a copy of pionsmortssauves (casesjouables for row 0).
void zoneautourpoint(TMarques& m, const TPlateau& p, int32_t r, int32_t d, int32_t c) {
  if (r == 0) {
    m = casesjouables;
    return;
  }
  const int32_t n = taillemoteur();
  m = pionsmortssauves;
  vu = marquesvides;
  for (int32_t i = std::max(1, r - d); i <= std::min(n, r + d); ++i)
    for (int32_t j = std::max(1, c - d); j <= std::min(n, c + d); ++j) {
      if (std::abs(i - r) <= 1 && std::abs(j - c) <= 1) marquepointetlibertes(m, p, i, j);
      else m[ix(i, j)] = 1;
    }
}

// Widens `m` by one step over the empty points of `p` (those nobody owns
// when `libres`) next to a point marked 1 before the widening.
void elargit(TMarques& m, const TPlateau& p, bool libres) {
  const int32_t n = taillemoteur();
  copie = m;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != VIDE || (libres && territoire[i] != VIDE)) continue;
      if (voisincouleurtable(copie, 1, r, c)) m[i] = 1;
    }
}

// Some weak engine stone that P0's trial saves and p's trial loses.
bool preservefaiblessauves(const TPlateau& p, TPoint P0, TPoint q) {
  const TEssaiCoup& a = eo(P0);
  const TEssaiCoup& b = eo(q);
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == couleurordi && lesfaibles[i] && a.marquesessai[i] && !a.carte3essai[i] && b.carte3essai[i])
      return false;
  return true;
}

// One call: the maps of the turn, the flags and the two scratch maps.
struct Ajusteur {
  const TCartesAjusteur& cartes;
  TPlateau& plateau;
  int32_t& meilleur;
  const TPoint P0;
  recherche::TListeRacine& candidats;
  TListePoints &listeb, &listea;
  uint8_t& ajoute;
  const uint8_t couleur, adverse;
  const TPoint ko;
  // The maps of the turn under their short names.
  const TMarques& F = cartes.codesfortification;
  const TMarques& K = cartes.memosurvieordi;
  const TMarques& S = cartes.memosurviejoueur;
  const TZonesPoints& Z = cartes.zones;
  const TCarte& Q = cartes.somme;
  const TCarte& I = cartes.invasionforteordi;
  const TCarte& IJ = cartes.invasionfortejoueur;
  TCarte& flou = cartes.flou;
  const TCarte& SJ = cartes.surviejoueur;
  TCarte& SV = cartes.survieordi;
  TCarte& FO = cartes.fortificationordi;
  TCarte& T = cartes.valeursracine;
  TCarte& D1 = cartes.penalites1;
  TCarte& D2 = cartes.penalites2;
  const TCarte& B = cartes.bonusdebutfin;
  const TMarques& mauvais = cartes.mauvaiscoups;
  uint8_t releve = 0;  // a survival or fortification alternative was accepted
  int32_t premier = 0;  // the list count at entry

  int32_t n() const { return taillemoteur(); }
  bool estko(TPoint p) const { return surplateau(ko) && meme(p, ko); }

  // Appends p (never the ko point, never twice in a call); false when not appended.
  bool ajoutebrut(TPoint p) {
    if (estko(p) || listes[ix(p)] || !candidats.ajoute(p)) return false;
    ajoute = 1;
    listes[ix(p)] = 1;
    return true;
  }
  // The plain add: then the re-evaluation of p, once per call.
  void ajoutepoint(TPoint p) {
    if (!ajoutebrut(p)) return;
    reevalueunefois(p);
  }
  void reevalueunefois(TPoint p) {
    if (D1[ix(p)] < FO[ix(p)] && !aides[ix(p)]) {
      aides[ix(p)] = 1;
      reevalue(p);
    }
  }
  void reevalue(TPoint p) {
    reevaluefortifcandidat(plateau, K[ix(p)], F[ix(p)], P0, p, cartes, couleurordi, couleurjoueur);
  }
  bool adverse2(int32_t i) const { return territoire[i] == adverse || territoire2[i] == adverse; }
  int32_t base(int32_t i) const { return SV[i] + FO[i] + B[i] - D1[i] - D2[i]; }
  // f(r, c) on every point within `rayon` of each point this call listed.
  template <class F>
  void autourdesajouts(int32_t rayon, F&& f) const {
    for (int32_t k = premier + 1; k <= candidats.nombre; ++k) {
      const TPoint a = candidats.points[k];
      if (!surplateau(a)) continue;
      int32_t l1, l2, c1, c2;
      bornesfenetre(a.ligne, a.colonne, rayon, l1, l2, c1, c2);
      for (int32_t r = l1; r <= l2; ++r)
        for (int32_t c = c1; c <= c2; ++c) f(r, c);
    }
  }

  void voisins(bool kind13, bool strong13, bool owned);
  void invasions();
  void survie();
  void augmentationfortif();
  void phaseA();
  void phaseB();
  void candidatsdevaleurproche();
  void zone();
};

// The neighbours of P0.
void Ajusteur::voisins(bool kind13, bool strong13, bool owned) {
  const int32_t i0 = ix(P0);
  pastable(P0.ligne, P0.colonne, [&](int32_t r, int32_t c) {
    const TPoint q{r, c};
    const int32_t i = ix(q);
    if (plateau[i] != VIDE || !casescandidates[i] || mauvais[i] || estko(q)) return false;
    // The step by which flou[q] moves.
    const auto pas = [&]() {
      if (T[i0] >= 1) return 15;
      if (owned && adverse2(i)) return 10;
      return flou[i] > flou[i0] ? 5 : 0;
    };
    const bool neutre = K[i] == 0 || K[i] == 2 || K[i] == 4;
    if (!kind13 || strong13 || !neutre || I[i] < I[i0] - 20 || T[i] < T[i0]) {
      if (!kind13 && survie13(K[i]) && I[i] <= I[i0] + 20 && T[i] <= T[i0]) flou[i] -= pas();
      if (flou[i] >= flou[i0]) {
        if (!survie13(K[i]) && flou[i] > flou[i0]) flou[i] += 5;
        ajoutepoint(q);
      }
    } else {
      flou[i] += pas();
      ajoutepoint(q);
    }
    return false;
  });
}

// Points that stop more of the opponent's strong invasions than P0.
void Ajusteur::invasions() {
  const int32_t i0 = ix(P0);
  const TEffetInvasion& e0 = effetsinvasion[P0.ligne - 1][P0.colonne - 1];
  if (T[i0] <= 0 || e0.valeur <= 0) return;
  copieT = T;
  for (int32_t r = 1; r <= n(); ++r)
    for (int32_t c = 1; c <= n(); ++c) {
      const TPoint p{r, c};
      const int32_t ip = ix(p);
      const uint8_t(&zp)[NBCASES] = Z[r - 1][c - 1];
      if (!casescandidates[ip] || !zp[i0] || copieT[i0] > copieT[ip] || estko(p)) continue;
      const TEffetInvasion& ep = effetsinvasion[r - 1][c - 1];
      int32_t somme = 0;
      for (int32_t qr = 1; qr <= n(); ++qr)
        for (int32_t qc = 1; qc <= n(); ++qc) {
          const int32_t iq = ix(qr, qc);
          const uint8_t(&zq)[NBCASES] = Z[qr - 1][qc - 1];
          if (IJ[iq] <= 0 || !zq[ip] || !zq[i0]) continue;
          ++compteurnoeudsprise;
          const uint8_t a = e0.marques[iq], b = ep.marques[iq];
          if (a == 1 && b != 1) somme += IJ[iq];
          else if (a == 2 && b == 1) somme -= IJ[iq] / 2;
          else if (a == 2 && b == 4) somme += IJ[iq] / 2;
          else if (a == 4 && b == 1) somme -= IJ[iq];
          else if (a == 4 && b == 2) somme -= IJ[iq] / 2;
        }
      if (somme >= 0) continue;
      T[ip] -= somme;
      if (!listes[ip]) ajoutepoint(p);
      ecritdebug("ameliorator stoppe plus dinvasion :");
      if ((SV[i0] > 0 || FO[i0] > 0) && !survie13(S[i0])) releve = 1;
    }
}

// Survival and fortification moves that keep the same weak stones.
// The scan of points near P0's area meets P0 too: with a positive T it keeps its own stones
// and sets the flag, though it is listed already.
void Ajusteur::survie() {
  const int32_t i0 = ix(P0);
  if ((SV[i0] <= 0 && FO[i0] <= 0) || survie13(S[i0])) return;
  {
    // The area and the linked stones of P0 once played.
    const Restaure<TPlateau> gardeplateau(plateau);
    const Restaure<TInfoChaine> gardechaines(infochaine);
    prises[0] = 0;
    jouecoup(prises, MAXPOINTSLISTE, plateau, P0.ligne, P0.colonne, couleur, adverse);
    carteY = marquesvides;
    {
      const Restaure<TMarques> gardeterritoire(territoire);
      territoire = territoire3;
      marquezonecouleur(plateau, couleur, carteY, 0, P0.ligne, P0.colonne);
    }
    elargit(carteY, plateau, true);
    carteL = marquesvides;
    metlachainelieen2coupatest1(plateau, carteL, P0.ligne, P0.colonne);
    elargit(carteL, plateau, false);
  }
  // Points near that area or those stones that keep the same weak stones saved.
  for (int32_t r = 1; r <= n(); ++r)
    for (int32_t c = 1; c <= n(); ++c) {
      const TPoint p{r, c};
      const int32_t i = ix(p);
      if (T[i] <= 0 || (listes[i] && releve) || estko(p)) continue;
      if (carteL[i] != 1 && !voisincouleurtable(carteL, 1, r, c) && carteY[i] != 1) continue;
      if (!preservefaiblessauves(plateau, P0, p)) continue;
      if (!listes[i]) ajoutepoint(p);
      releve = 1;
    }
  // Candidates of about the same worth that save no less.
  const int32_t base0 = base(i0);
  const TEssaiCoup& e0 = eo(P0);
  if (D1[i0] + D2[i0] > 0 && e0.compteur2essai > 0) {
    for (int32_t r = 1; r <= n(); ++r)
      for (int32_t c = 1; c <= n(); ++c) {
        const TPoint p{r, c};
        const int32_t i = ix(p);
        if (meme(p, P0) || estko(p) || !casescandidates[i] || listes[i]) continue;
        const TEssaiCoup& e = eo(p);
        if (e.compteur2essai < e0.compteur2essai || base0 - 10 > base(i)) continue;
        bool perd = false;
        for (int32_t q = 0; q < NBCASES && !perd; ++q)
          perd = plateau[q] == couleur && pionsmortsbis[q] && !e0.carte2essai[q] && e.carte2essai[q];
        if (perd) continue;
        reevalueunefois(p);
        if (base0 - 10 <= base(i)) ajoutebrut(p);
      }
  }
  augmentationfortif();
  // Something was listed: P0's penalty is dropped, and meilleur takes the best survival and
  // fortification worth around the list.
  if (!releve) return;
  if (D1[i0] > 0) D1[i0] = 0;
  autourdesajouts(3, [&](int32_t r, int32_t c) {
    meilleur = std::max(meilleur, SV[ix(r, c)] + FO[ix(r, c)] - D1[ix(r, c)]);
  });
}

void Ajusteur::augmentationfortif() {
  phaseA();
  phaseB();
}

// Phase A: a reinforcement worth more once its penalty is counted, that
// saves every weak stone P0 saves.
void Ajusteur::phaseA() {
  const int32_t i0 = ix(P0);
  if (D1[i0] <= 0 || SV[i0] != 0) return;
  const int32_t limite = FO[i0] - D1[i0];
  const TEssaiCoup& e0 = eo(P0);
  for (int32_t r = 1; r <= n(); ++r)
    for (int32_t c = 1; c <= n(); ++c) {
      const TPoint p{r, c};
      const int32_t i = ix(p);
      if (!casescandidates[i] || (FO[i] <= 0 && SV[i] <= 0) || meme(p, P0) || estko(p)) continue;
      if (FO[i] + SV[i] - D1[i] <= limite) continue;
      const TEssaiCoup& e = eo(p);
      bool perd = false;
      for (int32_t y = 0; y < NBCASES && !perd; ++y) perd = lesfaibles[y] && e0.marquesessai[y] && !e.marquesessai[y];
      if (perd) continue;
      reevalueunefois(p);
      ajoutebrut(p);
    }
}

// Phase B: a move that saves the same weak stones with a better influence
// balance ("augmentation fortifameliorator:").
void Ajusteur::phaseB() {
  const int32_t i0 = ix(P0);
  if ((FO[i0] == 0 && SV[i0] == 0) || releve || SJ[i0] >= 1) return;
  const TEssaiCoup& e0 = eo(P0);
  // W: the weak stones P0 saves.
  faiblesW = marquesvides;
  bool aucun = true;
  for (int32_t y = 0; y < NBCASES; ++y)
    if (lesfaibles[y] && e0.marquesessai[y] && plateau[y] != VIDE) {
      faiblesW[y] = 1;
      aucun = false;
    }
  if (aucun) return;
  plateausauve = plateau;
  chainessauvees = infochaine;
  mortssauves = pionsmorts;
  const auto remet = [&] {
    plateau = plateausauve;
    infochaine = chainessauvees;
    pionsmorts = mortssauves;
  };
  const EnSortie gardes(remet);
  listeC[0] = 0;
  // Candidates that save all of W, with no worse penalties or balance, and the same trial board
  // otherwise.
  for (int32_t r = 1; r <= n(); ++r)
    for (int32_t c = 1; c <= n(); ++c) {
      const TPoint p{r, c};
      const int32_t i = ix(p);
      if (!casescandidates[i] || (FO[i] <= 0 && SV[i] <= 0) || meme(p, P0) || estko(p)) continue;
      if (D1[i] > D1[i0] || D2[i] > D2[i0] || B[i] < B[i0] || survie13(K[i])) continue;
      const TEssaiCoup& e = eo(p);
      bool ok = true;
      for (int32_t y = 0; y < NBCASES && ok; ++y) {
        if (faiblesW[y] && !e.marquesessai[y]) ok = false;
        else if (y != i0 && y != i && (e.plateauessai[y] != e0.plateauessai[y] || e.carte2essai[y] != e0.carte2essai[y]))
          ok = false;
      }
      if (!ok) continue;
      if (!chainelieeapresessai(faiblesW, r, c)) {
        plateau = e.plateauessai;
        infochaine = e.infochaineessai;
        pionsmorts = e.plateauessai2;
        ok = pionlieachainetest1(plateau, faiblesW, r, c);
        remet();
        if (!ok) continue;
      }
      if (D1[i] < FO[i] && !aides[i]) reevalue(p);
      if (D1[i] <= D1[i0] && D2[i] <= D2[i0]) empilepoint(listeC, CAPACITE, r, c);
    }
  if (nbpoints(listeC) == 0) return;
  // Those with a better influence balance than P0's gain on their fortification value.
  pionsmorts = pionsmortsbis;
  const int32_t base0 = soldeinfluenceponderee(plateau, 5);
  empilepoint(listeC, CAPACITE + 1, P0.ligne, P0.colonne);
  bool trouve = false;
  for (int32_t k = 1; k <= nbpoints(listeC); ++k) {
    const TPoint e{ligneliste(listeC, k), colonneliste(listeC, k)};
    if (meme(e, P0) && !trouve) break;
    const int32_t i = ix(e);
    const TEssaiCoup& rec = eo(e);
    pionsmorts = rec.carte2essai;
    const int32_t v = soldeinfluenceponderee(rec.plateauessai, 5);
    if (v <= base0) continue;
    int32_t gain = (v - base0) * 10;
    if (distancebord[i] == 0) gain /= 2;
    if (SV[i] < 1 && FO[i] > 0) FO[i] += gain;
    else SV[i] += gain;
    ecritdebug("augmentation fortifameliorator:");
    ajoutebrut(e);
    trouve = true;
  }
  // The board and pionsmorts come back on leaving.
  if (trouve) {
    affichecartedebug("survie", SV);
    affichecartedebug("fortification", FO);
  }
}

// The points near P0 whose value is close to P0's.
void Ajusteur::candidatsdevaleurproche() {
  const int32_t t = Q[ix(P0)] * 9 / 10;
  if (t <= 50) zoneautourpoint(masque, plateaudepart, P0.ligne, 1, P0.colonne);
  else if (t <= 100) zoneautourpoint(masque, plateaudepart, P0.ligne, 2, P0.colonne);
  else masque = casesjouables;
  for (int32_t r = 1; r <= n(); ++r)
    for (int32_t c = 1; c <= n(); ++c) {
      const TPoint p{r, c};
      const int32_t i = ix(p);
      if (meme(p, P0) || !masque[i] || !casescandidates[i] || survie13(K[i])) continue;
      if (!(tablepaires[r - 1][c - 1][i] & 1) || Q[i] < t || listes[i]) continue;
      if (ajoutebrut(p)) valeurspaires[r - 1][c - 1][i] += Q[i] / 10;
    }
}

// The zone list of the second pass.
void Ajusteur::zone() {
  zoneA = pionsmortssauves;
  vu = marquesvides;
  autourdesajouts(1, [&](int32_t r, int32_t c) { marquepointetlibertes(zoneA, plateau, r, c); });
  for (int32_t k = premier + 1; k <= candidats.nombre; ++k) {
    const TPoint a = candidats.points[k];
    if (!surplateau(a)) continue;
    const uint8_t(&za)[NBCASES] = Z[a.ligne - 1][a.colonne - 1];
    for (int32_t r = 1; r <= n(); ++r)
      for (int32_t c = 1; c <= n(); ++c)
        if (zoneA[ix(r, c)] && za[ix(r, c)]) ajoutecaseliste(r, c, listea, CAPACITE);
  }
  for (int32_t k = 1; k <= nbpoints(listeb); ++k) {
    const int32_t r = ligneliste(listeb, k), c = colonneliste(listeb, k);
    if (surplateaumoteur(r, c) && plateau[ix(r, c)] == VIDE && zoneA[ix(r, c)]) ajoutecaseliste(r, c, listea, CAPACITE);
  }
}

}  // namespace

void marquezonespoints(const TPlateau& plateau) {
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      zoneautourpoint(masque, plateau, r, 2, c);
      uint8_t(&z)[NBCASES] = zonespoints[r - 1][c - 1];
      for (int32_t i = 0; i < NBCASES; ++i) z[i] = masque[i];
    }
}

int32_t soldeinfluenceponderee(const TPlateau& plateau, int32_t passes) {
  const int32_t n = taillemoteur();
  plateaucopie = plateau;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (pionsmorts[i]) plateaucopie[i] = VIDE;
  cartedilatee = zerobonus;
  dilatation(plateaucopie, cartedilatee, passes);
  const int32_t signe = couleurordi == NOIR ? 1 : -1;
  int32_t propre = 0, autre = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (plateaucopie[i] != VIDE || cartedilatee[i] == 0) continue;
      if (cartedilatee[i] * signe > 0) {
        propre += 1;
        if (distancebord[i] == 1 || distancebord[i] == 2) propre += 2;
        else if (distancebord[i] >= 3) propre += 3;
      } else if (distancebord[i] > 0) {
        autre += 1;
      }
    }
  return (propre - autre) / 2;
}

// The answer x re-scores p's penalties D1[p], D2[p] through the dead-marks
// term, every path flag set, with p's kind, code, values and counters.
void reevaluefortifcandidat(TPlateau& plateau, uint8_t k, uint8_t f, TPoint P0, TPoint p,
                            const TCartesAjusteur& cartes, uint8_t couleur, uint8_t adverse) {
  if (!surplateau(P0) || !surplateau(p)) return;
  TCarte& FO = cartes.fortificationordi;
  TCarte& D1 = cartes.penalites1;
  TCarte& D2 = cartes.penalites2;
  const TCarte& B = cartes.bonusdebutfin;
  TCarte& SV = cartes.survieordi;
  const int32_t n = taillemoteur();
  const int32_t ip = ix(p);
  const TEssaiCoup& e0 = eo(P0);
  const TEssaiCoup& ep = eo(p);
  const uint8_t(&paires0)[NBCASES] = tablepaires[P0.ligne - 1][P0.colonne - 1];
  const uint8_t(&pairesp)[NBCASES] = tablepaires[p.ligne - 1][p.colonne - 1];
  // Saved on the first threatening answer, put back at the end.
  bool sauve = false;
  TPlateau plateauavant;
  TInfoChaine chainesavant;
  TMarques mortsavant;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const TPoint x{r, c};
      const int32_t ixx = ix(x);
      if (!casescandidatesjoueur[ixx]) continue;
      const TEssaiCoup& jx = ej(x);
      const TEssaiCoup& ox = eo(x);
      const bool proche = std::abs(r - p.ligne) <= 1 && std::abs(c - p.colonne) <= 1;
      if (!(jx.compteur1essai > 0 || (ox.compteur2essai > 0 && proche))) continue;
      if (!(paires0[ixx] & 1) || (pairesp[ip] != 0 && (pairesp[ixx] & 1))) continue;
      bool menace = false;
      if (jx.compteur1essai > 0) {
        for (int32_t y = 0; y < NBCASES && !menace; ++y)
          menace = lesfaibles[y] && !pionsmortsbis[y] && e0.marquesessai[y] && jx.carte2essai[y];
      } else {
        for (int32_t y = 0; y < NBCASES && !menace; ++y)
          menace = lesfaibles[y] && pionsmortsbis[y] && e0.marquesessai[y] && !ox.carte2essai[y];
      }
      if (!menace) continue;
      if (!sauve) {
        sauve = true;
        plateauavant = plateau;
        chainesavant = infochaine;
        mortsavant = pionsmorts;
      }
      plateau = ep.plateauessai;
      infochaine = ep.infochaineessai;
      pionsmorts = ep.plateauessai2;
      prises[0] = 0;
      jouecoup(prises, MAXPOINTSLISTE, plateau, r, c, adverse, couleurordi);
      int32_t statut = 0;
      marquechainesmortes(ep.infochaineessai, plateau, statut, 8, profondeurlecture - 2, x, p, TPoint{},
                          paramniveaub + 2, nbpoints(prises), 3);
      int32_t terme = 0;
      const uint8_t drapeaux[DRAPEAUXCHEMIN] = {1, 1, 1, 1, 1, 1, 1, 1};
      bonusmarquesmorts(0, k, f, drapeaux, terme, D1[ip], D2[ip], couleur, adverse, x, p, SV[ip], FO[ip], B[ip],
                        plateau, 0, ep.compteur2essai & 0xff, ep.compteur1essai & 0xff);
      if (FO[ip] <= D1[ip]) break;  // the rest of this row is skipped
    }
  if (sauve) {
    plateau = plateauavant;
    infochaine = chainesavant;
    pionsmorts = mortsavant;
  }
}

void ameliorator(const TCartesAjusteur& cartes, TPlateau& plateau, int32_t& meilleur, TPoint P0,
                 recherche::TListeRacine& candidats, TListePoints& listeb, TListePoints& listea, uint8_t& ajoute,
                 uint8_t couleur, uint8_t adverse, TPoint ko) {
  listea[0] = 0;
  if (!surplateau(P0)) {
    listeb[0] = 0;
    return;
  }
  marquezonespoints(plateau);
  listes = marquesvides;
  aides = marquesvides;
  Ajusteur a{cartes, plateau, meilleur, P0, candidats, listeb, listea, ajoute, couleur, adverse, ko};
  // Entry.
  const int32_t i0 = ix(P0);
  const bool kind13 = survie13(cartes.memosurvieordi[i0]);
  const bool strong13 = kind13 && cartes.valeursracine[i0] < 1 && cartes.invasionforteordi[i0] > 40;
  const bool owned = a.adverse2(i0);
  a.premier = candidats.nombre;
  const bool pose = candidats.ajoute(P0);
  listes[i0] = 1;
  a.voisins(kind13, strong13, owned);
  a.invasions();
  a.survie();
  if (kind13) a.candidatsdevaleurproche();
  // Nothing added: P0 is taken out again.
  if (!ajoute && pose) --candidats.nombre;
  // At level 7 and up, a move was added: the zone pass.
  if (niveau >= 7 && ajoute) a.zone();
  listeb[0] = 0;
}
