// Zone evaluation: the thorough fill of a colour's area and its weak points.
#include "engine/territory/zones.h"

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/board/collecteurs.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/territory/preparation.h"

namespace {

// A neighbour of the point holds x (voisincouleur, read from the table).
inline bool voisinde(const TPlateau& p, uint8_t x, int32_t r, int32_t c) {
  const TVoisins& v = tablevoisins[ix(r, c)];
  for (int32_t k = 0; k < v.nbvoisins; ++k)
    if (p[ix(v.voisins[k][0], v.voisins[k][1])] == x) return true;
  return false;
}
// The liberty map's value at an own stone still on the board, 0 elsewhere.
inline int32_t force(const TPlateau& p, const TCarte& libertes, uint8_t propre, int32_t r, int32_t c) {
  return tient(p, r, c, propre) ? libertes[ix(r, c)] : 0;
}

struct ChainesSauvees {
  const TInfoChaine avant = infochaine;
  ~ChainesSauvees() { infochaine = avant; }
};

// Interior pair rule of the zone scan: enemy stones beside the pair move
// the listed point away from them and raise the limit of pairesolide.
void paireinterieurezone(remplissage::TListeRemplissage& l, const TPlateau& p, const TCarte& libertes, uint8_t propre,
                         uint8_t ennemi, bool vertical, int32_t r, int32_t c) {
  const int32_t n = taillemoteur();
  // (a, b): a across the pair's line, b along it, from the pair's first point.
  const auto point = [&](int32_t a, int32_t b) { return vertical ? TPoint{r + b, c + a} : TPoint{r + a, c + b}; };
  const auto at = [&](int32_t a, int32_t b, uint8_t x) {
    const TPoint q = point(a, b);
    return tient(p, q.ligne, q.colonne, x);
  };
  const auto lib = [&](int32_t a, int32_t b) {
    const TPoint q = point(a, b);
    return force(p, libertes, propre, q.ligne, q.colonne);
  };
  const auto liste = [&](int32_t b) {
    const TPoint q = point(0, b);
    l.ajoute(q.ligne, q.colonne);
  };
  if (!at(0, 0, VIDE) || !at(0, 1, VIDE)) return;
  int32_t L = 2, d = 0;
  if (at(1, 0, ennemi) || at(-1, 0, ennemi)) {
    d = 1;
    L = 3;
  }
  if (at(1, 1, ennemi) || at(-1, 1, ennemi)) {
    if (L == 3) {
      L = 4;
    } else {
      L = 3;
      d = 0;
    }
  }
  const TPoint p1 = point(0, 0), p2 = point(0, 1);
  const bool x1 = lib(1, 0) >= 2 && lib(-1, 1) >= 2;
  const bool x2 = lib(1, 1) >= 2 && lib(-1, 0) >= 2;
  if ((x1 && x2) || (x1 && zones::pairesolide(p, L, p1, p2, point(1, 0), point(-1, 1))) ||
      (x2 && zones::pairesolide(p, L, p1, p2, point(1, 1), point(-1, 0)))) {
    liste(d);
    return;
  }
  const int32_t pos = vertical ? r : c;
  if (L == 2 && pos != n - 1 && at(0, 2, VIDE) && !at(1, 2, ennemi) && !at(-1, 2, ennemi) && lib(1, 1) > 2 &&
      lib(-1, 1) > 2)
    liste(1);
}

// Whether the enemy stones `ennemis` are not all in the chain of the first.
bool ennemisseparees(const TPlateau& q, const TListePoints& ennemis, TMarques& chaine) {
  zeromarques(chaine);
  marquepionschaine(q, chaine, 0, ligneliste(ennemis, 1), colonneliste(ennemis, 1));
  for (int32_t k = 2; k <= nbpoints(ennemis); ++k)
    if (!chaine[ix(ligneliste(ennemis, k), colonneliste(ennemis, k))]) return true;
  return false;
}

}  // namespace

namespace zones {

bool pairesolide(const TPlateau& p, int32_t limite, const TPoint& paire1, const TPoint& paire2, const TPoint& a,
                 const TPoint& b) {
  // Both flanking chains need three liberties.
  if (libs(a.ligne, a.colonne) < 3 || libs(b.ligne, b.colonne) < 3) return false;
  // Each flanking chain with few enough liberties must show two
  // liberties that open onto more room.
  for (const TPoint& s : {a, b}) {
    const int32_t ls = libs(s.ligne, s.colonne);
    if (ls > limite) continue;
    const uint8_t x = p[ix(s.ligne, s.colonne)];
    TMarques vu;
    zeromarques(vu);
    vu[ix(paire1.ligne, paire1.colonne)] = 1;
    vu[ix(paire2.ligne, paire2.colonne)] = 1;
    const int32_t seuil = ls < 4 ? 3 : 2;
    TListePoints liste;
    liste[0] = 0;
    libertestable(p, liste, CAPACITERETIRES, 0, s.ligne, s.colonne, vu);
    int32_t k = 0;
    for (int32_t m = 1; m <= nbpoints(liste) && k < 2; ++m) {
      const int32_t lr = ligneliste(liste, m), lc = colonneliste(liste, m);
      const TVoisins& v = tablevoisins[ix(lr, lc)];
      int32_t cnt = 0, ennemis = 0;
      bool unvide = false, faute = false;
      for (int32_t t = 0; t < v.nbvoisins; ++t) {
        const int32_t j = ix(v.voisins[t][0], v.voisins[t][1]);
        if (vu[j]) continue;
        if (infochaine[j][0] == 0) {
          // Every empty point is room; a second one is a fault besides.
          ++cnt;
          if (unvide) faute = true;
          unvide = true;
        } else if (p[j] == x) {
          if (infochaine[j][0] == 1) faute = true;
          else cnt += infochaine[j][0] - 1;
        } else if (!faute) {
          if (infochaine[j][0] > 2) faute = true;
          else if ((ennemis += infochaine[j][0] - 1) > 1) faute = true;
        }
        if (cnt >= seuil) {
          if (!faute && (t == v.nbvoisins - 1 || !testvoisinsatari(p, x, lr, lc))) return true;
          ++k;
          break;
        }
      }
    }
    if (k < 2) return false;
  }
  return true;
}

bool invasionpossible(const TPlateau& p, const TCarte&, int32_t ligne, uint8_t propre, uint8_t ennemi,
                      int32_t colonne) {
  TPlateau q = p;
  TListePoints ennemis, remplis;
  ennemis[0] = 0;
  remplis[0] = 0;
  // Enemy neighbours listed; empty neighbours filled with enemy stones.
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (q[j] == ennemi) {
      empilepoint(ennemis, 4, r2, c2);
    } else if (q[j] == VIDE) {
      q[j] = ennemi;
      empilepoint(remplis, 8, r2, c2);
    }
    return false;
  });
  // Two enemy neighbours at least.
  if (nbpoints(ennemis) < 2) return false;
  // Empty diagonals.
  for (const auto& o : ORDREDIAGONAL) {
    const int32_t r2 = ligne + o[0], c2 = colonne + o[1];
    if (vide(q, r2, c2)) {
      q[ix(r2, c2)] = ennemi;
      empilepoint(remplis, 8, r2, c2);
    }
  }
  // The enemies stay apart even so: the invasion is possible.
  TMarques chaine;
  if (ennemisseparees(q, ennemis, chaine)) return true;
  // Filled points next to the chain, each taken back in turn.
  if (nbpoints(remplis) < 2) return false;
  TListePoints gardes;
  gardes[0] = 0;
  for (int32_t k = 1; k <= nbpoints(remplis); ++k)
    if (voisinmarque2(chaine, ligneliste(remplis, k), colonneliste(remplis, k)))
      empilepoint(gardes, 8, ligneliste(remplis, k), colonneliste(remplis, k));
  if (nbpoints(gardes) < 2) return false;
  int32_t coupes = 0;
  for (int32_t k = 1; k <= nbpoints(gardes); ++k) {
    const int32_t j = ix(ligneliste(gardes, k), colonneliste(gardes, k));
    q[j] = propre;
    const bool separe = ennemisseparees(q, ennemis, chaine);
    q[j] = ennemi;
    if (separe && ++coupes == 2) return true;
  }
  return false;
}

bool pointinvasion(const TPlateau& p, const TCarte& libertes, int32_t ligne, uint8_t ennemi, int32_t colonne) {
  const uint8_t propre = ennemi == NOIR ? BLANC : NOIR;
  int32_t vus = 0, nbennemis = 0;
  bool premiers = false;
  pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    ++vus;
    if (p[ix(r2, c2)] == ennemi) {
      ++nbennemis;
      if (vus <= 3) premiers = true;
    }
    return false;
  });
  if (nbennemis < 2 || !premiers) return false;
  return pas8(ligne, colonne, [&](int32_t r2, int32_t c2) {
    return p[ix(r2, c2)] == propre && libertes[ix(r2, c2)] > 0;
  });
}

bool formeferme(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t ennemi, uint8_t propre, bool horizontal) {
  const int32_t n = taillemoteur();
  for (const int32_t sens : {1, -1}) {
    bool ferme = false, touche = false;
    for (int32_t pas = 1; pas <= 3 && !ferme; ++pas) {
      const int32_t r = horizontal ? ligne : ligne + sens * pas;
      const int32_t c = horizontal ? colonne + sens * pas : colonne;
      if (!surplateaumoteur(r, c)) break;
      if (p[ix(r, c)] == ennemi) return false;
      if (p[ix(r, c)] == propre) {
        ferme = true;
        break;
      }
      const int32_t ar = horizontal ? 1 : 0, ac = horizontal ? 0 : 1;
      if (tient(p, r + ar, c + ac, propre) || tient(p, r - ar, c - ac, propre)) ferme = true;
      else if (tient(p, r + ar, c + ac, ennemi) || tient(p, r - ar, c - ac, ennemi)) touche = true;
    }
    if (ferme) continue;
    if (touche) return false;
    // Nothing met: the side is closed by the edge within 3 points.
    const int32_t reste = horizontal ? (sens > 0 ? n - colonne : colonne - 1) : (sens > 0 ? n - ligne : ligne - 1);
    if (reste > 3) return false;
  }
  return true;
}

void fermeecartszone(uint8_t garderyeux, const TPlateau& copie, TPlateau& p, uint8_t ennemi, uint8_t propre) {
  const int32_t n = taillemoteur();
  remplissage::TListeRemplissage l;
  const auto fort = [&](int32_t r, int32_t c) { return tient(p, r, c, propre) && libs(r, c) >= 3; };
  // The gap (r, c) between strong stones at (r -+ a, c -+ b); the open side
  // must give the enemy three exits on the copy.
  const auto ecart = [&](int32_t r, int32_t c, int32_t a, int32_t b) {
    if (!fort(r + a, c + b) || !fort(r - a, c - b)) return false;
    const int32_t r1 = r + b, c1 = c + a, r2 = r - b, c2 = c - a;
    return (vide(p, r1, c1) && !tient(p, r2, c2, propre) && compteissues(copie, ennemi, r1, c1)) ||
           (!tient(p, r1, c1, propre) && vide(p, r2, c2) && compteissues(copie, ennemi, r2, c2));
  };
  for (int32_t r = 2; r <= n - 1; ++r)
    for (int32_t c = 2; c <= n - 1; ++c)
      if (p[ix(r, c)] == VIDE && (ecart(r, c, 1, 0) || ecart(r, c, 0, 1))) l.ajoute(r, c);
  remplissage::remplitliste(garderyeux, p, propre, l);
}

void rejointbordzone(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi) {
  const int32_t n = taillemoteur();
  remplissage::TListeRemplissage l;
  // Third-line stones of chains with 3 liberties or more, on each side.
  for (int32_t i = 2; i <= n - 1; ++i)
    for (int32_t k = 0; k < 4; ++k) {
      const auto point = [&](int32_t d, int32_t j) {
        return k == 0 ? TPoint{j, d} : k == 1 ? TPoint{j, n + 1 - d} : k == 2 ? TPoint{d, j} : TPoint{n + 1 - d, j};
      };
      const TPoint s = point(3, i);
      if (!tient(p, s.ligne, s.colonne, propre) || libs(s.ligne, s.colonne) < 3) continue;
      bool libre = true;
      for (int32_t d = 1; d <= 2 && libre; ++d)
        for (int32_t j = i - 1; j <= i + 1 && libre; ++j) {
          const TPoint q = point(d, j);
          libre = !tient(p, q.ligne, q.colonne, ennemi);
        }
      if (!libre) continue;
      for (int32_t d = 2; d >= 1; --d) l.ajoute(point(d, i).ligne, point(d, i).colonne);
    }
  // First-line stones at the third point from a corner, along both edges.
  for (const int32_t cr : {1, n})
    for (const int32_t cc : {1, n}) {
      const int32_t sr = cr == 1 ? 1 : -1, sc = cc == 1 ? 1 : -1;
      bool libre = true;
      for (int32_t a = 0; a < 2 && libre; ++a)
        for (int32_t b = 0; b < 2 && libre; ++b) libre = !tient(p, cr + sr * a, cc + sc * b, ennemi);
      if (!libre) continue;
      for (const bool lelongligne : {true, false}) {
        const int32_t dr = lelongligne ? 0 : sr, dc = lelongligne ? sc : 0;
        const int32_t r = cr + 2 * dr, c = cc + 2 * dc;
        if (!tient(p, r, c, propre) || libs(r, c) <= 2) continue;
        l.ajoute(cr + dr, cc + dc);
        l.ajoute(cr, cc);
      }
    }
  remplissage::remplitliste(garderyeux, p, propre, l);
}

void remplitcasesneutreszone(uint8_t garderyeux, TPlateau& p, const TCarte& libertes, uint8_t ennemi,
                             uint8_t propre) {
  remplissage::casesneutres(garderyeux, p, libertes, propre, ennemi, paireinterieurezone);
}

void retirepionsisolesbords2(TMarques& retires, TPlateau& p, uint8_t propre) {
  TListePoints l;
  l[0] = 0;
  retirepionsisolesbords(l, MAXPOINTSLISTE, p, propre);
  for (int32_t k = 1; k <= nbpoints(l); ++k) retires[ix(ligneliste(l, k), colonneliste(l, k))] = 1;
}

}  // namespace zones

void evaluezones(TMarques& marques, const TMarques& masque, uint8_t garderyeux, int32_t& compteur,
                 uint8_t selecteur, uint8_t ennemi, uint8_t propre, TPlateau& p) {
  const int32_t n = taillemoteur();
  // Chains saved for the way out; the masked and full-mode state.
  const ChainesSauvees chaines;
  TPlateau copie;
  copiemarques(copie, p);
  TMarques retires;
  zeromarques(retires);
  TCarte libertes{};
  const bool complet = flagmarquesmorts == 0;
  // Masked stones off; unmasked own stones record their liberties
  // and strong ones fill around themselves.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (copie[j] != VIDE && masque[j]) {
        if (copie[j] == propre) retires[j] = 1;
        p[j] = VIDE;
      } else if (p[j] == propre) {
        libertes[j] = infochaine[j][0] ? infochaine[j][0] : 1;
        if (infochaine[j][0] > 2 && complet) {
          if (r >= 3 && r <= n - 2 && c >= 3 && c <= n - 2) remplitautourfaible(p, propre, r, c);
          else remplitautour(p, propre, r, c);
        }
      }
    }
  // Lone edge stones off.
  zones::retirepionsisolesbords2(retires, p, propre);
  if (complet && n > 9) fermebreches(p, propre);
  zones::remplitcasesneutreszone(garderyeux, p, libertes, ennemi, propre);
  // Gaps closed, the zone form for the selected side.
  if (propre == selecteur) zones::fermeecartszone(garderyeux, copie, p, ennemi, propre);
  else fermeecarts(garderyeux, p, propre);
  // Walls joined to the edge.
  if (complet) {
    rejointbord4(garderyeux, p, propre, ennemi);
    rejointbord3(garderyeux, p, propre, ennemi);
  } else {
    zones::rejointbordzone(garderyeux, p, propre, ennemi);
  }
  bloquebordennemi(p, propre, ennemi);
  if (garderyeux) completedeuxiemeligne(p, propre);
  // Growth: the enemy spreads one point, then at most twice more
  // with the own side answering, each sweep read from the board before it.
  TMarques croissance;
  zeromarques(croissance);
  if (complet && n > 9) {
    for (int32_t tour = 0; tour < 3; ++tour) {
      TPlateau avant;
      copiemarques(avant, p);
      bool ennemiajoute = false;
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t c = 1; c <= n; ++c) {
          const int32_t j = ix(r, c);
          if (avant[j] != VIDE) continue;
          if (voisinde(avant, ennemi, r, c)) {
            p[j] = ennemi;
            croissance[j] = 1;
            ennemiajoute = true;
          } else if (tour > 0 && voisinde(avant, propre, r, c) && pasentoureparcouleur(avant, propre, r, c)) {
            p[j] = propre;
          }
        }
      if (tour > 0 && !ennemiajoute) break;
    }
  }
  // The lifted own and masked enemy stones return, then every point the
  // growth gave the enemy is emptied, a stone put back there included.
  // Each point is its own, so one sweep of selects does all three in order.
  infochaine = chaines.avant;
  for (int32_t j = 0; j < NBCASES; ++j) {
    uint8_t x = retires[j] ? propre : p[j];
    x = (copie[j] == ennemi) & (masque[j] != 0) ? ennemi : x;
    p[j] = croissance[j] ? VIDE : x;
  }
  // Shape closing.
  remplissage::TListeRemplissage formes;
  for (int32_t r = 2; r <= n - 1; ++r)
    for (int32_t c = 2; c <= n - 1; ++c) {
      if (p[ix(r, c)] != VIDE) continue;
      const auto own = [&](int32_t a, int32_t b) { return tient(p, r + a, c + b, propre); };
      const auto colonnepropre = [&](int32_t b) { return own(-1, b) || own(0, b) || own(1, b); };
      const auto lignepropre = [&](int32_t a) { return own(a, -1) || own(a, 0) || own(a, 1); };
      bool forme = false;
      if (!own(-1, 0) && !own(1, 0) && colonnepropre(-1) && colonnepropre(1))
        forme = zones::formeferme(p, r, c, ennemi, propre, true);
      if (!forme && !own(0, -1) && !own(0, 1) && lignepropre(-1) && lignepropre(1))
        forme = zones::formeferme(p, r, c, ennemi, propre, false);
      for (const int32_t a : {1, -1})
        for (const int32_t b : {1, -1})
          if (!forme && vide(p, r + a, c) && vide(p, r, c + b) && own(-a, 0) && own(0, -b) && own(-a, -b))
            forme = zones::formeferme(p, r, c, ennemi, propre, true) && zones::formeferme(p, r, c, ennemi, propre, false);
      if (forme && pointliea(p, masque, r, propre, c) && !pointliea(p, masque, r, ennemi, c))
        formes.ajoute(r, c);
    }
  remplissage::remplitliste(0, p, propre, formes);
  // Weak points: a trial own stone that the enemy stones around
  // could still cut off.
  TMarques chainespropres;  // every point written below
  for (int32_t j = 0; j < NBCASES; ++j) chainespropres[j] = (p[j] == propre) & (libertes[j] > 0);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (p[j] != VIDE || copie[j] != VIDE || infochaine[j][0] != 0 || infochaine[j][1] != 0) continue;
      if (!zones::pointinvasion(p, libertes, r, ennemi, c)) continue;
      p[j] = propre;
      infochaine[j][0] = 2;
      if (pionlieachaine(p, chainespropres, r, c) && testvoisinsatari(p, ennemi, r, c) &&
          zones::invasionpossible(p, libertes, r, propre, ennemi, c)) {
        if (compteur == 0 || marquedanscarre(marques, 2, r, c)) ++compteur;
        marques[j] = 1;
      }
      p[j] = VIDE;
      infochaine[j] = flagchaines;
    }
}
