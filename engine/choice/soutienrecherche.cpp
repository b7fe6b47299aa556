// Small routines of the move search and the position analysis.
#include "engine/choice/soutienrecherche.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"

namespace {

constexpr int32_t CAPACITE = 300;  // the lists of liberties

// Scratch (static storage: these routines never nest).
TMarques vu;
TMarques marques;
TListePoints libertes;
TListePoints reunies;
TCarte valeurs;

// Marks every point already in `l`.
void marqueliste(const TListePoints& l) {
  marques = marquesvides;
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    if (surplateaumoteur(r, c)) marques[ix(r, c)] = 1;
  }
}

// The liberties of the chain through (r, c) into `libertes`, the chain
// marked in vu, the liberties left unmarked there so that a neighbouring
// chain may list them again.
void libertessansmarque(const TPlateau& p, int32_t r, int32_t c) {
  libertes[0] = 0;
  libertesdelachaine(p, libertes, CAPACITE, 0, r, c, vu);
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) vu[ix(ligneliste(libertes, k), colonneliste(libertes, k))] = 0;
}

}  // namespace

void testfindepartie(int32_t seuil, const TPlateau&, const TCarte& carte) {
  const int32_t n = taillemoteur();
  if (debutpartie == 1) {
    phasefinale = 0;
    return;
  }
  if (numerocoup > n * n / 4) {
    phasefinale = 1;
    return;
  }
  phasefinale = 0;
  int32_t meilleur = -1000;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) meilleur = std::max(meilleur, carte[ix(r, c)]);
  if (meilleur < seuil) phasefinale = 1;
}

void decidecoupjoseki(int32_t ligne, int32_t colonne) {
  if (coupdecide || phasedebut == 0 || !surplateaumoteur(ligne, colonne)) return;
  const int32_t i = ix(ligne, colonne);
  if (passesconsecutives != 0 && territoire[i] == couleurdemandee) return;
  // An own joseki point, not of a reduced region.
  if ((suggestionsjoseki[i] & 0x01) && !(suggestionsjoseki[i] & 0x04)) coupdecide = 1;
}

void listelibertesadeuxlib(uint8_t drapeau, TMarques& m, const TPlateau& p, TListePoints& l, int32_t cap,
                           int32_t la, int32_t ca, int32_t lb, int32_t cb) {
  if (!surplateaumoteur(la, ca) || p[ix(la, ca)] == VIDE) return;
  const uint8_t a = p[ix(la, ca)];
  const uint8_t o = a == NOIR ? BLANC : NOIR;
  vu = marquesvides;
  // The two liberties of each chain of `couleur` next to (r0, c0), once.
  const auto autour = [&](int32_t r0, int32_t c0, uint8_t couleur, bool vivantes) {
    pastable(r0, c0, [&](int32_t r, int32_t c) {
      const int32_t i = ix(r, c);
      if (p[i] != couleur || infochaine[i][0] != 2 || vu[i] || (vivantes && pionsmorts[i])) return false;
      libertessansmarque(p, r, c);
      for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
        const int32_t lr = ligneliste(libertes, k), lc = colonneliste(libertes, k);
        if (!m[ix(lr, lc)] && empilepoint(l, cap, lr, lc)) m[ix(lr, lc)] = 1;
      }
      return false;
    });
  };
  if (surplateaumoteur(lb, cb) && p[ix(lb, cb)] == o) autour(lb, cb, a, false);
  if (!drapeau) autour(la, ca, o, true);
}

void coupdattaque(const TCartesAnalyse& ordi, const TCartesAnalyse& joueur, uint8_t couleur, uint8_t adverse,
                  TListePoints& candidats, const TPlateau& p, TMarques& sortieordi, TMarques& sortiejoueur) {
  const TCarte &faitmortordi = ordi.faitmort, &fourchetteordi = ordi.fourchette;
  const TCarte &faitmortjoueur = joueur.faitmort, &fourchettejoueur = joueur.fourchette;
  const TMarques &testtueordi = ordi.tues, &testtuejoueur = joueur.tues;
  const int32_t n = taillemoteur();
  // The listed points are marked; both outputs start from the saved dead marks.
  marqueliste(candidats);
  sortieordi = pionsmortssauves;
  sortiejoueur = pionsmortssauves;
  valeurs = zerobonus;
  // The engine's kills in the opponent's area or at a fork.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (faitmortordi[i] < 1 || !testtueordi[i] || (territoire[i] != adverse && fourchetteordi[i] < 1)) continue;
      valeurs[i] = faitmortordi[i];
      sortieordi[i] = 1;
      if (!marques[i] && ajoutecaseliste(r, c, candidats, MAXPOINTSLISTE)) marques[i] = 1;
    }
  affichecartedebug("coupdattaque", valeurs);
  // The opponent's: the empty points around them.
  valeurs = zerobonus;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      const bool tue = faitmortjoueur[i] >= 1 && testtuejoueur[i] && territoire[i] == couleur;
      if (!tue && fourchettejoueur[i] < 1) continue;
      valeurs[i] = faitmortjoueur[i];
      sortiejoueur[i] = 1;
      listevidesautourmarque(marques, p, candidats, MAXPOINTSLISTE, r, c);
    }
  affichecartedebug("coupdattaque", valeurs);
}

void promeutchemin(const TCheminCoups& chemin, int32_t debut, int32_t d, TMarques& marques, TListePoints& promus,
                   int32_t cap) {
  for (int32_t j = debut; j <= d; j += 2) {
    const TPoint p = chemin.coups[j].coup;
    if (reel(p) && !marques[ix(p)]) {
      marques[ix(p)] = 1;
      empilepoint(promus, cap, p.ligne, p.colonne);
    }
  }
}

void marquezoneautour(const TPlateau& p, const TCheminCoups& chemin, int32_t profondeur, int32_t rayon) {
  const int32_t n = taillemoteur();
  zonemarquee = pionsmortssauves;
  vu = marquesvides;
  for (int32_t k = 1; k <= profondeur - 1 && k <= chemin.nombre && k <= COUPSCHEMINMAX; ++k) {
    const TPoint m = chemin.coups[k].coup;
    if (m.ligne == 0) continue;
    for (int32_t r = std::max(1, m.ligne - rayon); r <= std::min(n, m.ligne + rayon); ++r)
      for (int32_t c = std::max(1, m.colonne - rayon); c <= std::min(n, m.colonne + rayon); ++c) {
        const int32_t i = ix(r, c);
        zonemarquee[i] = 1;
        if (p[i] == VIDE || std::abs(r - m.ligne) > 1 || std::abs(c - m.colonne) > 1 || vu[i]) continue;
        libertessansmarque(p, r, c);
        for (int32_t j = 1; j <= nbpoints(libertes); ++j)
          zonemarquee[ix(ligneliste(libertes, j), colonneliste(libertes, j))] = 1;
      }
  }
}

void zoneautourchaine(TPlateau& p, int32_t limite, int32_t ligne, int32_t colonne, int32_t mode1, int32_t mode2,
                      TListePoints& l, uint8_t& flag) {
  if (!surplateaumoteur(ligne, colonne)) return;
  const int32_t n = taillemoteur();
  const uint8_t propre = p[ix(ligne, colonne)];
  const uint8_t autre = propre == NOIR ? BLANC : NOIR;
  marqueliste(l);
  // One phase: `cible` the colour whose every chain counts, `faible` the one
  // whose chains count at `limite` liberties or fewer.
  const auto phase = [&](uint8_t cible, uint8_t faible, bool toutes) {
    vu = marquesvides;
    reunies[0] = 0;
    if (toutes || infochaine[ix(ligne, colonne)][0] <= limite)
      libertesdelachaine(p, reunies, CAPACITE, 0, ligne, colonne, vu);
    for (int32_t k = 0;; ++k) {
      const int32_t r1 = std::max(1, ligne - 1 - k), r2 = std::min(n, ligne + 1 + k);
      const int32_t c1 = std::max(1, colonne - 1 - k), c2 = std::min(n, colonne + 1 + k);
      for (int32_t r = r1; r <= r2; ++r)
        for (int32_t c = c1; c <= c2; ++c) {
          if (k > 0 && (r == r1 || r == r2) && (c == c1 || c == c2)) continue;  // the four corners
          const int32_t i = ix(r, c);
          if (vu[i] || p[i] == VIDE) continue;
          if (p[i] == cible || (p[i] == faible && infochaine[i][0] <= limite))
            libertesetfaibles(p, reunies, CAPACITE, 0, r, c, vu);
        }
      for (int32_t j = 1; j <= nbpoints(reunies); ++j) {
        const int32_t lr = ligneliste(reunies, j), lc = colonneliste(reunies, j);
        if (!marques[ix(lr, lc)] && empilepoint(l, CAPACITE, lr, lc)) marques[ix(lr, lc)] = 1;
      }
      if (nbpoints(reunies) > 4 || (r1 == 1 && r2 == n)) break;
    }
  };
  // Phase 1: the other colour's chains and the weak chains of the own colour.
  if (mode1 > 0 || flag) phase(autre, propre, false);
  // Phase 2: the roles exchanged, the chain's own liberties whatever their number.
  if (mode2 > 0) phase(propre, autre, true);
}

void premierecaselibresure(TPoint& sortie, const TPlateau& p) {
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != VIDE || (casesinterdites[i] & 1)) continue;
      const bool atari = pastable(r, c, [&](int32_t vr, int32_t vc) {
        const int32_t j = ix(vr, vc);
        return p[j] != VIDE && infochaine[j][0] == 1;
      });
      if (!atari) {
        sortie = TPoint{r, c};
        return;
      }
    }
}
