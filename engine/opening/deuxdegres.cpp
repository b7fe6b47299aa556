#include "engine/opening/deuxdegres.h"

#include <algorithm>
#include <cstdlib>

#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lienvivant.h"
#include "engine/proposals/cadre.h"

namespace {

constexpr int32_t CAPACITEDEGRES = 300;

struct Rect {
  int32_t l1, l2, c1, c2;
  bool contient(int32_t l, int32_t c) const { return l >= l1 && l <= l2 && c >= c1 && c <= c2; }
};

const TMarques& mortsde(const TCartesParPoint& t, int32_t l, int32_t c) { return t[l - 1][c - 1]; }

bool adjacent(int32_t l1, int32_t c1, int32_t l2, int32_t c2) {
  return std::abs(l1 - l2) <= 1 && std::abs(c1 - c2) <= 1;
}

// True when the stone of colour o at the point is a lone low stone in c's
// area that o can link to a living group of its own by one move two lines
// away. The board and infochaine come back.
bool menaceadeuxdegres(TPlateau& p, const TMarques& proprietaires, const TMarques& morts, int32_t colonne,
                       int32_t ligne, uint8_t c, uint8_t o, const TCartesParPoint& table) {
  const int32_t i = indexcase(ligne, colonne);
  if (bordgoban[i] != 0 || infochaine[i][1] > 1 || infozones[i].nbpierres > 1 || distancebord[i] > 3) return false;
  if (!rectanglecoinvide(p, ligne, colonne)) return false;
  // The stone's own colour first: is it already linked to a living chain of o?
  if (estlieachainevivanteavecmorts(morts, p, ligne, colonne, o, c)) return false;
  int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
  bornesfenetre(ligne, colonne, 2, a1, a2, b1, b2);
  bool zonec = false;
  for (int32_t l = a1; l <= a2; ++l)
    for (int32_t col = b1; col <= b2; ++col) {
      const int32_t j = indexcase(l, col);
      if (distancebord[j] >= 3) continue;
      if (p[j] == o && j != i) return false;
      if (proprietaires[j] == o || territoire2[j] == o) return false;
      zonec |= proprietaires[j] == c || territoire2[j] == c;
    }
  if (!zonec) return false;
  const TPlateau sauveplateau = p;
  const TInfoChaine sauveinfo = infochaine;
  for (int32_t l = a1; l <= a2; ++l)
    for (int32_t col = b1; col <= b2; ++col) {
      const int32_t j = indexcase(l, col);
      if (distancebord[j] < 3 || adjacent(l, col, ligne, colonne) || mortsde(table, l, col)[j] != 0) continue;
      if (p[j] != VIDE) continue;
      TListePoints prises{};
      jouecoup(prises, CAPACITEDEGRES, p, l, col, o, c);
      const bool lie = p[j] == o && estlieachainevivanteavecmorts(mortsde(table, l, col), p, ligne, colonne, o, c);
      p = sauveplateau;
      infochaine = sauveinfo;
      if (lie) return true;
    }
  return false;
}

void masquecoinsjoseki(TMarques& j) {
  const int32_t n = configmoteur.taille, h = n / 2 + 1;
  const Rect stricts[4] = {{1, h - 1, 1, h - 1}, {h + 1, n, 1, h - 1}, {h + 1, n, h + 1, n}, {1, h - 1, h + 1, n}};
  const Rect moities[4] = {{1, h, 1, h}, {h, n, 1, h}, {h, n, h, n}, {1, h, h, n}};
  auto joseki = [](int32_t i) {
    const uint8_t s = suggestionsjoseki[i];
    return valeurscoins[i] > 0 && (s & 1) != 0 && (s & 4) == 0;
  };
  for (int32_t k = 0; k < 4; ++k) {
    bool present = false;
    for (int32_t l = stricts[k].l1; l <= stricts[k].l2; ++l)
      for (int32_t c = stricts[k].c1; c <= stricts[k].c2; ++c) present |= joseki(indexcase(l, c));
    if (!present) continue;
    for (int32_t l = moities[k].l1; l <= moities[k].l2; ++l)
      for (int32_t c = moities[k].c1; c <= moities[k].c2; ++c)
        if (!joseki(indexcase(l, c))) j[indexcase(l, c)] = 1;
  }
}

}  // namespace

void coupadeuxdegres(const TMarques& zone, const TCartesOuverture& cartes, const TCarte& a2, TPoint dernier,
                     TListePoints& candidats, TPlateau& p, TCarte& scores, uint8_t autre, uint8_t couleur) {
  const TCartesParPoint &mortsordi = cartes.mortsordi, &mortsjoueur = cartes.mortsjoueur;
  if (phasedebut == 0) return;
  const int32_t n = configmoteur.taille, h = n / 2 + 1;
  TCarte z = zerobonus;
  const TPlateau sauveplateau = p;
  const TInfoChaine sauveinfo = infochaine;
  auto restaure = [&] {
    p = sauveplateau;
    infochaine = sauveinfo;
  };
  TMarques w = marquesvides;
  int32_t t0 = 0;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (p[i] == couleur && pionsmortsbis[i] == 0) w[i] = 1;
    t0 = std::max(t0, cartes.flou[i] + a2[i]);
  }
  t0 += 50;
  const TMarques f = petitsessaisouverture();
  auto retient = [&](int32_t l, int32_t c, const char* trace) {
    ajoutecaseliste(l, c, candidats, NBCASES);
    z[indexcase(l, c)] = t0;
    coupdebutchoisi = 1;
    ecritdebug(trace);
  };
  // A quadrant is gated by the zone mask at its corner point.
  struct Quadrant {
    Rect r;
    uint8_t bit;
    TPoint coin;
  } const quadrants[4] = {{{1, h - 1, 1, h - 1}, 128, {1, 1}},
                          {{h + 1, n, 1, h - 1}, 64, {n, 1}},
                          {{1, h - 1, h + 1, n}, 16, {1, n}},
                          {{h + 1, n, h + 1, n}, 32, {n, n}}};
  bool defense = false;
  for (const Quadrant& qd : quadrants) {
    if (zone[indexcase(qd.coin.ligne, qd.coin.colonne)] != 0) continue;
    bool fini = false;
    for (int32_t l = qd.r.l1; l <= qd.r.l2 && !fini; ++l)
      for (int32_t c = qd.r.c1; c <= qd.r.c2 && !fini; ++c) {
        if (p[indexcase(l, c)] != autre) continue;
        if (debutpartie != 1 && (l != dernier.ligne || c != dernier.colonne)) continue;
        if (!menaceadeuxdegres(p, territoire3, pionsmortsbis, c, l, couleur, autre, mortsjoueur)) continue;
        if (coupdecide != 0) {
          for (int32_t x = qd.r.l1; x <= qd.r.l2; ++x)
            for (int32_t y = qd.r.c1; y <= qd.r.c2; ++y) {
              const int32_t i = indexcase(x, y);
              const uint8_t s = suggestionsjoseki[i];
              if (casescandidates[i] != 0 && f[i] == 0 && valeurscoins[i] > 0 && (s & 1) != 0 && (s & 4) == 0 &&
                  (s & qd.bit) != 0) {
                retient(x, y, "COUP DE DEFENSE A 2 DEGRE: ");
                defense = fini = true;
              }
            }
          if (fini) break;
        }
        int32_t b1 = 0, b2 = 0, d1 = 0, d2 = 0;
        bornesfenetre(l, c, 2, b1, b2, d1, d2);
        for (int32_t x = b1; x <= b2; ++x)
          for (int32_t y = d1; y <= d2; ++y) {
            const int32_t i = indexcase(x, y);
            if (f[i] != 0 || casescandidates[i] == 0 || bordgoban[i] != 0 || mortsde(mortsordi, x, y)[i] != 0 ||
                p[i] != VIDE)
              continue;
            TListePoints prises{};
            jouecoup(prises, CAPACITEDEGRES, p, x, y, couleur, autre);
            bool retenu = p[i] == couleur;
            if (retenu && adjacent(x, y, l, c)) retenu = pionlieachaine(p, w, x, y);
            if (retenu) retenu = !menaceadeuxdegres(p, territoire3, pionsmortsbis, c, l, couleur, autre, mortsjoueur);
            restaure();
            if (retenu) {
              retient(x, y, "COUP DE DEFENSE A 2 DEGRE: ");
              defense = true;
            }
          }
      }
  }
  if (!defense && debutpartie == 1) {
    TMarques j = marquesvides;
    if (coupdecide != 0) masquecoinsjoseki(j);
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        if (p[indexcase(l, c)] != couleur || j[indexcase(l, c)] != 0) continue;
        if (!menaceadeuxdegres(p, videsennemis, pionsmortsbis, c, l, autre, couleur, mortsordi)) continue;
        TMarques k = marquesvides;
        k[indexcase(l, c)] = 1;
        int32_t b1 = 0, b2 = 0, d1 = 0, d2 = 0;
        bornesfenetre(l, c, 2, b1, b2, d1, d2);
        for (int32_t x = b1; x <= b2; ++x)
          for (int32_t y = d1; y <= d2; ++y) {
            const int32_t i = indexcase(x, y);
            if (j[i] != 0 || adjacent(x, y, l, c) || casescandidates[i] == 0 || bordgoban[i] != 0 ||
                mortsde(mortsordi, x, y)[i] != 0 || f[i] != 0 || p[i] != VIDE)
              continue;
            TListePoints prises{};
            jouecoup(prises, CAPACITEDEGRES, p, x, y, couleur, autre);
            const bool lie = p[i] == couleur && pionlieachainetest1(p, k, x, y);
            restaure();
            if (lie) retient(x, y, "COUP D ATTAQUE A 2 DEGRE: ");
          }
      }
  }
  if (defense || coupdebutchoisi == 1)
    for (int32_t i = 0; i < NBCASES; ++i)
      if (z[i] > 0) scores[i] += z[i];
}

void testeperteinfluence(TCarte& scores, const TPlateau& p, const TCartesParPoint& mortsordi,
                         TListePoints& candidats, uint8_t autre, uint8_t couleur) {
  if (compteurinfluence > 2 || phasedebut == 0 || coupdecide != 0 || maxfortification > 2 ||
      compteurinvasions2 > territoireaprendre[1] + 2 || numerocoup < 4 || flagfortif2 != 0 || moinsde20pcvides != 0 ||
      strategie != 2 || coupdebutchoisi != 0 || compteurinvasions > 3 || maxsurvie > 2 || procedurefinpartie != 0 ||
      flagterritoire > 2)
    return;
  const int32_t n = configmoteur.taille;
  int32_t neutres = 0;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c)
      if (p[indexcase(l, c)] == VIDE && influence[indexcase(l, c)] == VIDE) ++neutres;
  if (compteurinfluence2 + neutres > 0) return;
  const int32_t deficit = -(compteurinfluence2 + neutres);
  coupdebutchoisi = deficit;
  ecritdebug("je perd en INFLUENCE");
  TMarques m = marquesvides;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (influence[i] == couleur) continue;
      if (p[i] == couleur || (p[i] == VIDE && !voisin8couleur(p, autre, l, c))) m[i] = 1;
    }
  int32_t niveau = 1;
  for (bool change = true; change;) {
    change = false;
    const TMarques avant = m;
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c)
        if (avant[indexcase(l, c)] == niveau && tousvoisinscouleur(avant, static_cast<uint8_t>(niveau), l, c)) {
          m[indexcase(l, c)] = static_cast<uint8_t>(niveau + 1);
          change = true;
        }
    if (change) ++niveau;
  }
  if (niveau < 2 || n - 2 < 3) return;
  for (int32_t l = 3; l <= n - 2; ++l)
    for (int32_t c = 3; c <= n - 2; ++c) {
      const int32_t i = indexcase(l, c);
      if (p[i] != VIDE || influence[i] != autre) continue;
      if (m[i] != niveau) {
        if (m[i] < niveau - 2 || m[i] < 2) continue;
        if (l >= 5 && c >= 5 && l < n - 3 && c < n - 3) continue;
      }
      if (distancebord[i] <= 1 || casescandidates[i] == 0) continue;
      int32_t v = 10 * deficit;
      if (mortsde(mortsordi, l, c)[i] != 0) v = m[i] > 2 ? v / 2 : 0;
      if (voisin8couleur(p, couleur, l, c)) v /= 2;
      if (v > 0) {
        ajoutecaseliste(l, c, candidats, NBCASES);
        scores[i] = v;
      }
    }
}
