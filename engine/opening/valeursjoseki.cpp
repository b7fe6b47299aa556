#include "engine/opening/valeursjoseki.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/listecoups.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/proposals/cadre.h"
#include "platform/platform.h"

namespace {

constexpr uint8_t BITORDI = 1, BITJOUEUR = 2, BITREDUIT = 4;
constexpr uint8_t BITSCOINS[5] = {0, 128, 64, 32, 16};  // corner k's bit
constexpr int32_t VALEURVERROU = 500;

struct Comptes {
  int32_t tous[5], joueur[5], ordi[5];
};

struct Rect {
  int32_t l1, l2, c1, c2;
  bool contient(int32_t l, int32_t c) const { return l >= l1 && l <= l2 && c >= c1 && c <= c2; }
};

int32_t demi() { return (taillemoteur() + 1) / 2; }

// The partition of rows and columns 2..N-1 into four inner blocks.
Rect blocinterieur(int32_t k) {
  const int32_t n = taillemoteur(), r = demi();
  switch (k) {
    case 1: return {2, r - 1, 2, r - 1};
    case 2: return {r, n - 1, 2, r - 1};
    case 3: return {r, n - 1, r, n - 1};
    default: return {2, r - 1, r, n - 1};
  }
}

// The corner halves, overlapping on row and column R.
Rect moitiecoin(int32_t k) {
  const int32_t n = taillemoteur(), r = demi();
  switch (k) {
    case 1: return {1, r, 1, r};
    case 2: return {r, n, 1, r};
    case 3: return {r, n, r, n};
    default: return {1, r, r, n};
  }
}

TPoint sommet(int32_t k) {
  const int32_t n = taillemoteur();
  const TPoint s[5] = {{}, {1, 1}, {n, 1}, {n, n}, {1, n}};
  return s[k];
}

bool diagonale(int32_t k, int32_t l, int32_t c) {
  return (k == 1 || k == 3) ? l == c : l + c == taillemoteur() + 1;
}

// Corners flagged in a suggestion byte, in the order 128, 64, 32, 16.
template <class F>
void pourcoins(uint8_t s, F&& f) {
  for (int32_t k = 1; k <= 4; ++k)
    if ((s & BITSCOINS[k]) != 0 && f(k)) return;
}

int32_t coinde(uint8_t s) {
  for (int32_t k = 1; k <= 4; ++k)
    if ((s & BITSCOINS[k]) != 0) return k;
  return 0;
}

uint8_t suggestion(int32_t l, int32_t c) { return suggestionsjoseki[indexcase(l, c)]; }

// The first stone of an inner block in row order, and the count.
int32_t premierepierre(const TPlateau& p, int32_t k, TPoint& premiere) {
  const Rect b = blocinterieur(k);
  int32_t n = 0;
  for (int32_t l = b.l1; l <= b.l2; ++l)
    for (int32_t c = b.c1; c <= b.c2; ++c)
      if (p[indexcase(l, c)] != VIDE && n++ == 0) premiere = TPoint{l, c};
  return n;
}

Comptes comptepierrescoins(const TPlateau& p) {
  Comptes n{};
  for (int32_t k = 1; k <= 4; ++k) {
    const Rect b = blocinterieur(k);
    for (int32_t l = b.l1; l <= b.l2; ++l)
      for (int32_t c = b.c1; c <= b.c2; ++c) {
        const uint8_t v = p[indexcase(l, c)];
        if (v == VIDE) continue;
        ++n.tous[k];
        (v == couleurordi ? n.ordi : n.joueur)[k] += 1;
      }
  }
  return n;
}

void suppressionsansan(const TPlateau& p, const Comptes& n) {
  const int32_t t = taillemoteur();
  if (t < 14) return;
  struct Coin {
    TPoint p3, p4;
    int32_t l1, c1;  // the 2x2 block from (l1, c1)
    const char* trace;
  } const coins[5] = {{},
                      {{3, 3}, {4, 4}, 5, 5, "supression san san 33"},
                      {{t - 2, 3}, {t - 3, 4}, t - 5, 5, "supression san san c-23"},
                      {{t - 2, t - 2}, {t - 3, t - 3}, t - 5, t - 5, "supression san san c-2c-2"},
                      {{3, t - 2}, {4, t - 3}, 5, t - 5, "supression san san 3config-2"}};
  for (int32_t k = 1; k <= 4; ++k) {
    const Coin& c = coins[k];
    const int32_t i3 = indexcase(c.p3.ligne, c.p3.colonne);
    if ((suggestionsjoseki[i3] & BITORDI) == 0 || p[i3] != VIDE || n.ordi[k] != 0 || n.joueur[k] == 0 ||
        p[indexcase(c.p4.ligne, c.p4.colonne)] != couleurjoueur)
      continue;
    bool garde = false;
    int32_t a = 0, d = 0;
    for (int32_t l = c.l1; l <= c.l1 + 1 && !garde; ++l)
      for (int32_t col = c.c1; col <= c.c1 + 1 && !garde; ++col) {
        const int32_t i = indexcase(l, col);
        if (p[i] != VIDE) continue;
        if (territoire[i] == NOIR || territoire[i] == BLANC) garde = true;
        a += influence[i] == couleurordi;
        d += influence[i] == couleurjoueur;
      }
    if (!garde && a <= d) {
      suggestionsjoseki[i3] = 0;
      ecritdebug(c.trace);
    }
  }
}

bool loindumilieu(int32_t k, int32_t l, int32_t c) {
  const int32_t r = demi();
  switch (k) {
    case 1: return l > r || c > r;
    case 2: return l < r || c > r;
    case 3: return l < r || c < r;
    default: return l > r || c < r;
  }
}

void eliminationjoseki(const TPlateau& p) {
  const int32_t n = taillemoteur(), r = demi();
  // Life and death first.
  if (flagouverture > 2) {
    bool efface = false;
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(l, c);
        if (p[i] != VIDE || suggestionsjoseki[i] == 0) continue;
        const TEssaiCoup& e = essaiordi(l, c);
        if (compteur0essai(e) < flagouverture - 1 && compteur3essai(e) < flagouverture - 1) {
          suggestionsjoseki[i] = 0;
          efface = true;
        }
      }
    if (efface) ecritdebug("suppression joseki car pb vie et mort important!");
  }
  // Stones across the middle line.
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (p[i] != VIDE || suggestionsjoseki[i] == 0) continue;
      if (std::abs(l - r) > 1 && std::abs(c - r) > 1) continue;
      const int32_t limite = distancebord[i] < 4 ? distancebord[i] : 10;
      int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
      bornesfenetre(l, c, 2, a1, a2, b1, b2);
      bool efface = false;
      pourcoins(suggestionsjoseki[i], [&](int32_t k) {
        for (int32_t x = a1; x <= a2 && !efface; ++x)
          for (int32_t y = b1; y <= b2 && !efface; ++y)
            if (p[indexcase(x, y)] != VIDE && distancebord[indexcase(x, y)] <= limite && loindumilieu(k, x, y))
              efface = true;
        return efface;
      });
      if (efface) suggestionsjoseki[i] = 0;
    }
  // Suggestions of a reduced region.
  for (int32_t k = 4; k >= 1; --k) {
    const uint8_t bit = BITSCOINS[k];
    bool f = false, u = false;
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(l, c);
        if (p[i] != VIDE || (suggestionsjoseki[i] & bit) == 0) continue;
        f |= (suggestionsjoseki[i] & BITREDUIT) != 0;
        u |= (suggestionsjoseki[i] & BITREDUIT) == 0;
      }
    if (f && u) {
      for (int32_t i = 0; i < NBCASES; ++i)
        if (p[i] == VIDE && (suggestionsjoseki[i] & bit) != 0 && (suggestionsjoseki[i] & BITREDUIT) != 0)
          suggestionsjoseki[i] = 0;
      ecritdebug("elimination joseki rattrapage");
      continue;
    }
    if (!f) continue;
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(l, c);
        if (p[i] != VIDE || (suggestionsjoseki[i] & bit) == 0 || (suggestionsjoseki[i] & BITREDUIT) == 0) continue;
        int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
        bornesfenetre(l, c, 2, a1, a2, b1, b2);
        bool etrangere = false;
        int32_t adverses = 0;
        for (int32_t x = a1; x <= a2 && !etrangere; ++x)
          for (int32_t y = b1; y <= b2 && !etrangere; ++y) {
            const int32_t j = indexcase(x, y);
            if (p[j] == VIDE) continue;
            if ((suggestionsjoseki[j] & bit) == 0) etrangere = true;
            adverses += p[j] == couleurjoueur;
          }
        if (etrangere) {
          suggestionsjoseki[i] = 0;
          ecritdebug("elimination du joseki rattrapage");
          continue;
        }
        if (adverses == 0 && (territoire[i] == couleurordi || territoire2[i] == couleurordi)) {
          suggestionsjoseki[i] = 0;
          ecritdebug("elimination du joseki rattrapagecar chez lui");
          break;  // the rest of the row is not visited
        }
        suggestionsjoseki[i] = static_cast<uint8_t>(suggestionsjoseki[i] & ~BITREDUIT);
        ecritdebug("rattrapge du joseki de rattrapage");
      }
  }
}

int32_t verroucoin(const Comptes& n, const TPlateau& p, int32_t ligne, int32_t colonne) {
  int32_t code = -1;
  pourcoins(suggestion(ligne, colonne), [&](int32_t k) {
    if (n.tous[k] > 1) {
      code = 0;
      return true;
    }
    TPoint q{};
    if (premierepierre(p, k, q) == 0) return false;
    const uint8_t v = p[indexcase(q.ligne, q.colonne)];
    code = diagonale(k, q.ligne, q.colonne) ? 1 : (v == couleurordi ? 2 : 4);
    return true;
  });
  return code < 0 ? 1 : code;
}

bool pierreseuleatrois(const Comptes& n, const TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t t = taillemoteur();
  int32_t resultat = -1;
  pourcoins(suggestion(ligne, colonne), [&](int32_t k) {
    if (n.tous[k] == 0) return false;
    if (n.tous[k] != 1) {
      resultat = 0;
      return true;
    }
    TPoint q{};
    premierepierre(p, k, q);
    const int32_t l4 = (k == 2 || k == 3) ? t - 3 : 4, c4 = (k == 3 || k == 4) ? t - 3 : 4;
    const bool proche44 = std::abs(q.ligne - l4) <= 1 && std::abs(q.colonne - c4) <= 1;
    if (p[indexcase(q.ligne, q.colonne)] == couleurordi && proche44 && std::abs(q.ligne - ligne) == 3 &&
        q.colonne == colonne)
      resultat = 1;
    else
      resultat = (q.ligne == ligne && std::abs(q.colonne - colonne) == 3) ? 1 : 0;
    return true;
  });
  return resultat == 1;
}

bool coinadverseeloigne(const Comptes& n, const TPlateau& p, int32_t ligne, int32_t colonne) {
  bool ok = true;
  pourcoins(suggestion(ligne, colonne), [&](int32_t k) {
    if (n.tous[k] < 1 || n.tous[k] > 2) {
      ok = false;
      return true;
    }
    const Rect b = blocinterieur(k);
    for (int32_t l = b.l1; l <= b.l2; ++l)
      for (int32_t c = b.c1; c <= b.c2; ++c) {
        const uint8_t v = p[indexcase(l, c)];
        if (v == VIDE) continue;
        if (v != couleurjoueur || (std::abs(l - ligne) < 3 && std::abs(c - colonne) < 3)) ok = false;
      }
    return !ok;
  });
  return ok;
}

int32_t josekiunique(bool& dernier, int32_t mode, int32_t lignedernier, int32_t ligne, int32_t colonne,
                     int32_t colonnedernier) {
  const int32_t n = taillemoteur();
  dernier = false;
  bool unique = false;
  pourcoins(suggestion(ligne, colonne), [&](int32_t k) {
    const Rect m = moitiecoin(k);
    if (!m.contient(ligne, colonne)) return false;
    if (m.contient(lignedernier, colonnedernier)) dernier = true;
    if (unique) return false;
    const uint8_t masque = static_cast<uint8_t>(BITSCOINS[k] | (mode == 1 ? BITORDI : 0));
    bool autre = false;
    for (int32_t l = m.l1; l <= m.l2 && !autre; ++l)
      for (int32_t c = m.c1; c <= m.c2 && !autre; ++c)
        if ((l != ligne || c != colonne) && (suggestion(l, c) & masque) == masque) autre = true;
    (void)n;
    unique = !autre;
    return false;
  });
  return unique ? 1 : 2;
}

bool coinadverse(uint8_t couleur, const TPlateau& p, int32_t ligne, int32_t colonne) {
  bool adverse = false;
  const uint8_t autre = static_cast<uint8_t>(1 - couleur);
  pourcoins(suggestion(ligne, colonne), [&](int32_t k) {
    const TPoint s = sommet(k);
    if (territoire[indexcase(s.ligne, s.colonne)] == autre ||
        (zonevidedansfenetre(p, autre, 3, s.ligne, s.colonne) &&
         !zonevidedansfenetre(p, couleur, 3, s.ligne, s.colonne))) {
      adverse = true;
      return true;
    }
    return false;
  });
  return adverse;
}

void maxcompteursjoueurcoins(const TPlateau& p, TMarques& x1, TMarques& x2) {
  const int32_t n = taillemoteur();
  int32_t m1[5] = {}, m2[5] = {};
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const uint8_t s = suggestion(l, c);
      if (p[indexcase(l, c)] != VIDE || (s & BITJOUEUR) == 0 || (s & BITREDUIT) != 0) continue;
      const int32_t k = coinde(s);
      const TEssaiCoup& e = essaijoueur(l, c);
      m1[k] = std::max(m1[k], e.compteur1essai);
      m2[k] = std::max(m2[k], e.compteur2essai);
    }
  x1 = marquesvides;
  x2 = marquesvides;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const uint8_t s = suggestion(l, c);
      if (p[indexcase(l, c)] != VIDE || s == 0) continue;
      const int32_t k = coinde(s);
      x1[indexcase(l, c)] = static_cast<uint8_t>(std::clamp(m1[k], 0, 255));
      x2[indexcase(l, c)] = static_cast<uint8_t>(std::clamp(m2[k], 0, 255));
    }
}

void marquecoinsfaibles(const TPlateau& p, TMarques& y) {
  const int32_t n = taillemoteur();
  TMarques w = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == couleurordi && (pionsmortsbis[i] != 0 || lesfaibles[i] > 0)) w[i] = 1;
  TMarques ajouts = marquesvides;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      if (casescandidatesjoueur[indexcase(l, c)] == 0) continue;
      const TEssaiCoup& e = essaijoueur(l, c);
      if (e.compteur1essai <= 0) continue;
      for (int32_t i = 0; i < NBCASES; ++i)
        if (p[i] == couleurordi && w[i] == 0 && e.carte2essai[i] != 0 &&
            !(e.carte3essai[i] == 0 && territoire[i] == couleurordi))
          ajouts[i] = 1;
    }
  for (int32_t i = 0; i < NBCASES; ++i) w[i] |= ajouts[i];
  y = pionsmortssauves;
  for (int32_t k = 1; k <= 4; ++k) {
    const Rect b = blocinterieur(k);
    bool faible = false;
    for (int32_t l = b.l1; l <= b.l2; ++l)
      for (int32_t c = b.c1; c <= b.c2; ++c) faible |= w[indexcase(l, c)] != 0;
    if (!faible) continue;
    for (int32_t l = b.l1; l <= b.l2; ++l)
      for (int32_t c = b.c1; c <= b.c2; ++c)
        if ((suggestion(l, c) & BITSCOINS[k]) != 0) y[indexcase(l, c)] = 1;
  }
}

int32_t facteurtaille(int32_t n) {
  switch (n) {
    case 9: return 1;
    case 11: return 2;
    case 13: return 3;
    case 15: return 5;
    case 17: return 7;
    default: return 8;
  }
}

}  // namespace

void analyseverrous(const TMarques& zone, TCarte& scores, const TPlateau& p, TListePoints& candidats,
                    int32_t lignedernier, int32_t colonnedernier, uint8_t autre, uint8_t couleur) {
  valeurscoins = zerobonus;
  if (phasedebut == 0) return;
  const int32_t n = taillemoteur();
  const int32_t facteur = facteurtaille(n);
  const bool calme = (debutpartie == 1 && flagdanger == 0) ||
                     (flagfortification < 3 && flagdanger < 1 && compteurinvasions < 1);
  const Comptes comptes = comptepierrescoins(p);
  suppressionsansan(p, comptes);
  eliminationjoseki(p);
  TMarques x1{}, x2{}, verrous = marquesvides, faibles{};
  maxcompteursjoueurcoins(p, x1, x2);
  bool faiblescalcules = false, verrouordi = false, verroujoueur = false;
  int32_t m = 0, s = 0, aumax = 0;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      const uint8_t sg = suggestionsjoseki[i];
      if (casescandidates[i] == 0 || sg == 0 || p[i] != VIDE || zone[i] != 0) continue;
      const bool reduit = (sg & BITREDUIT) != 0, pourordi = (sg & BITORDI) != 0;
      if ((reduit && debutpartie == 0) || (passesconsecutives != 0 && territoire[i] == couleur)) continue;
      if (n < 19 && !pourordi) continue;
      const int32_t k = coinde(sg);
      const bool deuxcamps = comptes.joueur[k] > 0 && comptes.ordi[k] > 0;
      const TEssaiCoup& e = essaiordi(l, c);
      const bool q = calme && e.carte2essai[i] == 0;
      const int32_t verrou = verroucoin(comptes, p, l, c);
      int32_t v = 0, b = 0, u = 2;
      bool dernier = false;
      if (reduit) {
        const bool seul = e.infochaineessai[i][1] == 1 && !voisin8couleur(p, couleur, l, c);
        if (!seul && !voisin8couleur(p, autre, l, c)) continue;
      }
      if (pourordi) {
        if (reduit) {
          u = josekiunique(dernier, 0, lignedernier, l, c, colonnedernier);
          v = 1;
          if (e.plateauessai2[i] != 0) continue;
          if (!coinadverse(couleur, p, l, c)) {
            if (territoire[i] == couleur || territoire2[i] == couleur) continue;
            if (u == 1) u = 2;
          }
          if (e.carte2essai[i] == 0) {
            if (q) {
              v = verrou != 0 ? 25 : (u == 1 ? 10 : 3);
              if (deuxcamps) v = v == 3 ? 25 : (v == 10 ? 30 : 40);
            } else {
              v = 3;
            }
          }
        } else {
          u = josekiunique(dernier, 1, lignedernier, l, c, colonnedernier);
          coupdecide = 1;
          if (q) {
            v = verrou != 0 ? 50 : (u == 1 ? 30 : 5);
            if (deuxcamps) v = v == 5 ? 50 : (v == 30 ? 60 : 80);
          } else {
            v = 5;
          }
          if (verrou > 0) {
            verrous[i] = static_cast<uint8_t>(verrou);
            verrouordi |= verrou == 2;
            verroujoueur |= verrou == 4;
          }
        }
        if (q) {
          const int32_t e1 = e.compteur1essai, e2 = e.compteur2essai;
          if (x1[i] > 0 || e2 >= 1) {
            v *= 2;
            if (!reduit) {
              if (u == 1) v *= 2;
              v = std::max(v, 50);
            }
            b += (x2[i] != 0 || e1 > 0) ? 50 : 10;
          } else if (x2[i] == 0 && e1 < 1) {
            if (!faiblescalcules) {
              marquecoinsfaibles(p, faibles);
              faiblescalcules = true;
            }
            if (faibles[i] != 0 && !reduit) {
              v *= 2;
              if (u == 1) v *= 2;
              v = std::max(v, 30);
              b += 10;
            }
          } else {
            v *= 2;
            if (!reduit) {
              if (u == 1) v *= 2;
              v = std::max(v, 40);
            }
            b += 10;
          }
        }
      } else {
        u = josekiunique(dernier, 0, lignedernier, l, c, colonnedernier);
        if (u > 1 || e.carte2essai[i] != 0) continue;
        v = (reduit || !q) ? 2 : 10;
      }
      if (q && dernier && !reduit) {
        if (v < 6)
          v *= 2;
        else
          b += 10;
      }
      if (q && deuxcamps && !reduit) {
        const int32_t o = comptes.joueur[k], w = comptes.ordi[k];
        if (o > w) {
          if (v < 11)
            v *= 2;
          else
            b += 50;
        } else if (o == w) {
          if (v < 6)
            v *= 2;
          else
            b += 20;
        } else {
          b = b < 31 ? 0 : b - 30;
          if (v > 2) v = v * 8 / 10;
        }
      }
      int32_t valeur = v * facteur + b;
      if (valeur > 0 && (coinadverseeloigne(comptes, p, l, c) || pierreseuleatrois(comptes, p, l, c))) valeur = 0;
      valeurscoins[i] = valeur;
      if (valeur <= 0) continue;
      if (valeur > m) {
        s = m;
        m = valeur;
        aumax = 1;
      } else if (valeur == m) {
        ++aumax;
      }
      ajoutecaseliste(l, c, candidats, NBCASES);
    }
  if (coupdecide != 0 && aumax >= 2)
    for (int32_t i = 0; i < NBCASES; ++i) {
      const int32_t v = valeurscoins[i];
      const uint8_t sg = suggestionsjoseki[i];
      if (v != m || (sg & BITORDI) == 0 || (sg & BITREDUIT) != 0) continue;
      int32_t nv = m < 101 ? platform::Random(v * 20 / 100) + v * 9 / 10 : platform::Random(v / 2) + 3 * v / 4;
      if (nv <= s) nv = platform::Random(m - s) + s + 10;
      valeurscoins[i] = nv;
    }
  const int32_t code = verrouordi ? 2 : (verroujoueur ? 4 : 0);
  if (code == 0) return;
  ecritdebug(code == 2 ? "verrou ordi pas symetrique" : "attaque verrou joueur pas symetrique");
  for (int32_t i = 0; i < NBCASES; ++i)
    if (verrous[i] == code && valeurscoins[i] > 0) {
      scores[i] = VALEURVERROU;
      coupdebutchoisi = 1;
    }
}

void renforcejoseki(const TMarques&, const TPlateau& p, uint8_t couleur, TListePoints& candidats, uint8_t autre) {
  if (phasedebut == 0) return;
  const int32_t n = taillemoteur();
  if (coupdecide == 0) {
    if (maxfortification > 2 || maxsurvie > 2 || procedurefinpartie != 0 || strategie == 1 ||
        flagfortification > 2 || flagdanger > 0)
      return;
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(l, c);
        if (valeurscoins[i] <= 0 || !coinadverse(couleur, p, l, c)) continue;
        if (zonevidedansfenetre(p, autre, 3, l, c)) {
          valeurscoins[i] *= 5;
          ajoutecaseliste(l, c, candidats, NBCASES);
          coupdecide = 1;
        } else if (zonevidedansfenetre(p, autre, 4, l, c)) {
          valeurscoins[i] *= 2;
          ajoutecaseliste(l, c, candidats, NBCASES);
        }
      }
    return;
  }
  int32_t nombre = 0;
  TPoint seul{};
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      const uint8_t sg = suggestionsjoseki[i];
      if (valeurscoins[i] > 0 && (sg & BITORDI) != 0 && (sg & BITREDUIT) == 0 && nombre++ == 0) seul = TPoint{l, c};
    }
  if (nombre != 1) return;
  valeurscoins[indexcase(seul.ligne, seul.colonne)] += 300;
  ajoutecaseliste(seul.ligne, seul.colonne, candidats, NBCASES);
}
