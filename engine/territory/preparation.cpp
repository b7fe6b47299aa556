// Territory preparation: boundary and neutral-point fills and their drivers.
#include "engine/territory/preparation.h"

#include "engine/board/acces.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"

namespace {

// infochaine as it was when the scope began, put back when it ends.
struct ChainesSauvees {
  const TInfoChaine avant = infochaine;
  ~ChainesSauvees() { infochaine = avant; }
};

// The four sides of the board: a point given by its line d (1 = the edge)
// and its place i along the edge.
struct Cote {
  int32_t k;  // 0 left, 1 right, 2 top, 3 bottom
  int32_t ligne(int32_t d, int32_t i) const {
    const int32_t n = taillemoteur();
    return k == 2 ? d : k == 3 ? n + 1 - d : i;
  }
  int32_t colonne(int32_t d, int32_t i) const {
    const int32_t n = taillemoteur();
    return k == 0 ? d : k == 1 ? n + 1 - d : i;
  }
};
constexpr Cote COTES[4] = {{0}, {1}, {2}, {3}};

// Fill around the own stone at (r, c): each empty neighbour passing `prend`
// becomes own with min(liberties, 2) in its liberty byte.
template <class F>
void remplitautourde(TPlateau& p, uint8_t propre, int32_t r, int32_t c, F&& prend) {
  const uint16_t l = libs(r, c) < 2 ? libs(r, c) : 2;
  pas4(r, c, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE && prend(r2, c2)) {
      p[j] = propre;
      infochaine[j][0] = l;
    }
    return false;
  });
}

// Liberties of the own stones of the board, 0 elsewhere.
TCarte forcepropre(const TPlateau& p, uint8_t propre) {
  TCarte f{};
  for (int32_t j = 0; j < NBCASES; ++j)
    if (p[j] == propre) f[j] = infochaine[j][0];
  return f;
}

// The interior pair rule of remplitcasesneutres, along the row or, with
// `vertical`, the column (the same rule transposed).
void paireinterieure(remplissage::TListeRemplissage& l, const TPlateau& p, const TCarte&, uint8_t propre, uint8_t ennemi,
                     bool vertical, int32_t r, int32_t c) {
  const int32_t n = taillemoteur();
  // (a, b): a across the pair's line, b along it, from the pair's first point.
  const auto at = [&](int32_t a, int32_t b, uint8_t x) {
    return vertical ? tient(p, r + b, c + a, x) : tient(p, r + a, c + b, x);
  };
  const auto liste = [&](int32_t b) {
    if (vertical) l.ajoute(r + b, c);
    else l.ajoute(r, c + b);
  };
  if (!at(0, 0, VIDE) || !at(0, 1, VIDE)) return;
  if (at(-1, 0, ennemi) || at(1, 0, ennemi) || at(-1, 1, ennemi) || at(1, 1, ennemi)) return;
  if ((at(1, 0, propre) && at(-1, 1, propre)) || (at(1, 1, propre) && at(-1, 0, propre))) {
    liste(0);
    return;
  }
  const int32_t pos = vertical ? r : c;
  if (pos != n - 1 && at(0, 2, VIDE) && !at(1, 2, ennemi) && !at(-1, 2, ennemi) && at(1, 1, propre) &&
      at(-1, 1, propre))
    liste(1);
}

// f(s, i, at) at each position i from `debut` to `fin` of every side s in
// turn; at(d, j, x): the point at line d, position j of the side holds x.
template <class F>
void lelongdescotes(const TPlateau& p, int32_t debut, int32_t fin, F&& f) {
  for (int32_t i = debut; i <= fin; ++i)
    for (const Cote& s : COTES) {
      const auto at = [&](int32_t d, int32_t j, uint8_t x) { return tient(p, s.ligne(d, j), s.colonne(d, j), x); };
      f(s, i, at);
    }
}

// No stone of `ennemi` on lines 1 to D of the side from i - 1 to i + 1: the
// points at i of lines D down to 1 go to the list.
void ajoutesilibre(const TPlateau& p, const Cote& s, int32_t D, int32_t i, uint8_t ennemi,
                   remplissage::TListeRemplissage& l) {
  for (int32_t d = 1; d <= D; ++d)
    for (int32_t j = i - 1; j <= i + 1; ++j)
      if (tient(p, s.ligne(d, j), s.colonne(d, j), ennemi)) return;
  for (int32_t d = D; d >= 1; --d) l.ajoute(s.ligne(d, i), s.colonne(d, i));
}

}  // namespace

// ---- Shared pieces -----------------------------------------------------------------------

namespace remplissage {

void remplitliste(uint8_t garderyeux, TPlateau& p, uint8_t propre, const TListePoints& l) {
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    if (!surplateaumoteur(r, c)) continue;
    if (garderyeux && (p[ix(r, c)] != VIDE || !pasentoureparcouleur(p, propre, r, c))) continue;
    p[ix(r, c)] = propre;
  }
}

void casesneutres(uint8_t garderyeux, TPlateau& p, const TCarte& force, uint8_t propre, uint8_t ennemi,
                  TRegleInterieure regle) {
  const int32_t n = taillemoteur();
  remplissage::TListeRemplissage l;
  const auto fort = [&](int32_t r, int32_t c) { return tient(p, r, c, propre) && force[ix(r, c)] > 2; };
  // First-line pairs of one side: the point under a strong inner stone.
  const auto bord = [&](const Cote& s) {
    for (int32_t i = 1; i <= n - 1; ++i) {
      const int32_t r1 = s.ligne(1, i), c1 = s.colonne(1, i), r2 = s.ligne(1, i + 1), c2 = s.colonne(1, i + 1);
      const int32_t q1 = s.ligne(2, i), d1 = s.colonne(2, i), q2 = s.ligne(2, i + 1), d2 = s.colonne(2, i + 1);
      if (!vide(p, r1, c1) || !vide(p, r2, c2) || tient(p, q1, d1, ennemi) || tient(p, q2, d2, ennemi)) continue;
      if (fort(q1, d1)) l.ajoute(r1, c1);
      if (fort(q2, d2)) l.ajoute(r2, c2);
    }
  };
  // A rule lists nothing unless both points of the pair are empty and an
  // own stone stands on one of the four points beside it.
  const auto propre4 = [&](int32_t a, int32_t b, int32_t c2, int32_t d) {
    return p[a] == propre || p[b] == propre || p[c2] == propre || p[d] == propre;
  };
  // Interior horizontal pairs.
  for (int32_t r = 2; r <= n - 1; ++r)
    for (int32_t c = 1; c <= n - 1; ++c)
      if (p[ix(r, c)] == VIDE && p[ix(r, c + 1)] == VIDE &&
          propre4(ix(r - 1, c), ix(r + 1, c), ix(r - 1, c + 1), ix(r + 1, c + 1)))
        regle(l, p, force, propre, ennemi, false, r, c);
  // Top and bottom edges.
  bord(COTES[2]);
  bord(COTES[3]);
  // Interior vertical pairs.
  for (int32_t c = 2; c <= n - 1; ++c)
    for (int32_t r = 1; r <= n - 1; ++r)
      if (p[ix(r, c)] == VIDE && p[ix(r + 1, c)] == VIDE &&
          propre4(ix(r, c - 1), ix(r, c + 1), ix(r + 1, c - 1), ix(r + 1, c + 1)))
        regle(l, p, force, propre, ennemi, true, r, c);
  // Left and right edges.
  bord(COTES[0]);
  bord(COTES[1]);
  // Diagonal own pairs, filled during the scan.
  static constexpr int32_t DIAGONALES[4][2] = {{1, 1}, {-1, -1}, {-1, 1}, {1, -1}};
  for (int32_t r = 2; r <= n - 1; ++r)
    for (int32_t c = 2; c <= n - 1; ++c) {
      if (p[ix(r, c)] != propre) continue;
      for (const auto& o : DIAGONALES) {
        const int32_t dr = o[0], dc = o[1];
        if (!tient(p, r + dr, c + dc, propre) || !vide(p, r, c + dc) || !vide(p, r + dr, c)) continue;
        if (!remplitsiunennemi(p, r, c + dc, ennemi, propre)) remplitsiunennemi(p, r + dr, c, ennemi, propre);
      }
    }
  // The listed points.
  remplitliste(garderyeux, p, propre, l);
}

}  // namespace remplissage

// ---- Fills ------------------------------------------------------------------------------

bool pionisoleprochennemi(const TPlateau& p, uint8_t propre, uint8_t ennemi, int32_t colonne, int32_t ligne) {
  bool proche = false;
  const bool ami = pas8(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const uint8_t x = p[ix(r2, c2)];
    if (x == ennemi) proche = true;
    return x == propre;
  });
  return !ami && proche;
}

void retirepionsisolesbords(TListePoints& l, int32_t cap, TPlateau& p, uint8_t propre) {
  const int32_t n = taillemoteur();
  const uint8_t ennemi = propre == NOIR ? BLANC : NOIR;
  const auto essaie = [&](int32_t r, int32_t c) {
    if (p[ix(r, c)] != propre) return;
    // A one-stone chain: no own stone beside it.
    if (voisincouleur(p, propre, r, c) || !pionisoleprochennemi(p, propre, ennemi, c, r)) return;
    if (empilepoint(l, cap, r, c)) p[ix(r, c)] = VIDE;
  };
  for (int32_t r = 1; r <= n; ++r) {
    const bool bande = r <= 3 || r >= n - 2;
    for (int32_t c = 1; c <= n; ++c)
      if (bande || c <= 3 || c >= n - 2) essaie(r, c);
  }
}

void fermebreches(TPlateau& p, uint8_t propre) {
  const int32_t n = taillemoteur();
  remplissage::TListeRemplissage l;
  for (int32_t r = 3; r <= n - 2; ++r)
    for (int32_t c = 3; c <= n - 5; ++c) {
      if (!tient(p, r, c, propre) || !tient(p, r, c + 3, propre)) continue;
      bool libre = true;
      for (int32_t a = -1; a <= 1 && libre; ++a) libre = vide(p, r + a, c + 1) && vide(p, r + a, c + 2);
      if (!libre) continue;
      l.ajoute(r, c + 1);
      l.ajoute(r, c + 2);
    }
  if (n >= 8)
    for (int32_t r = 3; r <= n - 5; ++r)
      for (int32_t c = 3; c <= n - 2; ++c) {
        if (!tient(p, r, c, propre) || !tient(p, r + 3, c, propre)) continue;
        bool libre = true;
        for (int32_t a = -1; a <= 1 && libre; ++a) libre = vide(p, r + 1, c + a) && vide(p, r + 2, c + a);
        if (!libre) continue;
        l.ajoute(r + 1, c);
        l.ajoute(r + 2, c);
      }
  remplissage::remplitliste(0, p, propre, l);
}

void remplitcasesneutres(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi) {
  const TCarte force = forcepropre(p, propre);
  remplissage::casesneutres(garderyeux, p, force, propre, ennemi, paireinterieure);
}

void fermeecarts(uint8_t garderyeux, TPlateau& p, uint8_t propre) {
  const int32_t n = taillemoteur();
  remplissage::TListeRemplissage l;
  const auto fort = [&](int32_t r, int32_t c) { return tient(p, r, c, propre) && libs(r, c) >= 3; };
  const auto ouvert = [&](int32_t r1, int32_t c1, int32_t r2, int32_t c2) {
    return (vide(p, r1, c1) && !tient(p, r2, c2, propre)) || (vide(p, r2, c2) && !tient(p, r1, c1, propre));
  };
  for (int32_t r = 2; r <= n - 1; ++r)
    for (int32_t c = 2; c <= n - 1; ++c) {
      if (p[ix(r, c)] != VIDE) continue;
      if ((fort(r - 1, c) && fort(r + 1, c) && ouvert(r, c - 1, r, c + 1)) ||
          (fort(r, c - 1) && fort(r, c + 1) && ouvert(r - 1, c, r + 1, c)))
        l.ajoute(r, c);
    }
  remplissage::remplitliste(garderyeux, p, propre, l);
}

void rejointbord4(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi) {
  const int32_t n = taillemoteur();
  remplissage::TListeRemplissage l;
  lelongdescotes(p, 4, n - 3, [&](const Cote& s, int32_t i, auto at) {
    // The point along the line toward higher i is "below" it.
    if (!at(4, i, propre) || !at(3, i, VIDE) || at(4, i + 1, ennemi)) return;
    if (!at(4, i - 1, propre) && !(at(4, i + 1, propre) && !at(4, i - 1, ennemi))) return;
    ajoutesilibre(p, s, 3, i, ennemi, l);
  });
  remplissage::remplitliste(garderyeux, p, propre, l);
}

void rejointbord3(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi) {
  const int32_t n = taillemoteur();
  remplissage::TListeRemplissage l;
  lelongdescotes(p, 2, n - 1, [&](const Cote& s, int32_t i, auto at) {
    if (at(3, i, propre)) ajoutesilibre(p, s, 2, i, ennemi, l);
  });
  remplissage::remplitliste(garderyeux, p, propre, l);
}

void completedeuxiemeligne(TPlateau& p, uint8_t propre) {
  const int32_t n = taillemoteur();
  lelongdescotes(p, 2, n - 1, [&](const Cote& s, int32_t i, auto at) {
    if (!at(1, i, propre) || !at(2, i, VIDE)) return;
    int32_t nbpropres = 0, nbvides = 0;
    for (const auto& q : {std::pair{2, i - 1}, std::pair{2, i + 1}, std::pair{3, i}}) {
      if (at(q.first, q.second, propre)) ++nbpropres;
      else if (at(q.first, q.second, VIDE)) ++nbvides;
    }
    if (nbpropres == 2 && nbvides == 1) p[ix(s.ligne(2, i), s.colonne(2, i))] = propre;
  });
}

void bloquebordennemi(TPlateau& p, uint8_t propre, uint8_t ennemi) {
  const int32_t n = taillemoteur();
  lelongdescotes(p, 2, n - 1, [&](const Cote& s, int32_t i, auto at) {
    if (!at(1, i, ennemi) || !at(2, i, propre)) return;
    // The first-line point beside it at i + sens, the edge of the board at `bout`.
    const auto bloque = [&](int32_t sens, int32_t bout) {
      const int32_t j = i + sens;
      if (!at(1, j, VIDE) || at(2, j, ennemi)) return false;
      if (i != bout && (at(1, i + 2 * sens, ennemi) || at(2, i + 2 * sens, ennemi))) return false;
      p[ix(s.ligne(1, j), s.colonne(1, j))] = propre;
      return true;
    };
    if (!bloque(-1, 2)) bloque(+1, n - 1);
  });
}

bool remplitsiunennemi(TPlateau& p, int32_t ligne, int32_t colonne, uint8_t ennemi, uint8_t propre) {
  if (!surplateaumoteur(ligne, colonne) || p[ix(ligne, colonne)] != VIDE) return false;
  int32_t nbennemis = 0;
  bool ouvert = false;
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const uint8_t x = p[ix(r2, c2)];
    if (x == ennemi) ++nbennemis;
    if (x == ennemi || x == VIDE) ouvert = true;
    return false;
  });
  if (nbennemis >= 2 || !ouvert) return false;
  p[ix(ligne, colonne)] = propre;
  return true;
}

void remplitautour(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne) {
  const uint8_t ennemi = propre == NOIR ? BLANC : NOIR;
  if (pas4(ligne, colonne, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
        const uint8_t x = p[ix(r2, c2)];
        return x != propre && x != VIDE;
      }))
    return;
  remplitautourde(p, propre, ligne, colonne, [&](int32_t r2, int32_t c2) { return !voisincouleur(p, ennemi, r2, c2); });
}

void remplitautourfaible(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne) {
  const uint8_t ennemi = propre == NOIR ? BLANC : NOIR;
  remplitautourde(p, propre, ligne, colonne, [&](int32_t r2, int32_t c2) { return !voisincouleur(p, ennemi, r2, c2); });
}

void remplitautourfort(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne) {
  remplitautourde(p, propre, ligne, colonne, [](int32_t, int32_t) { return true; });
}

void remplitvoisins(TPlateau& p, uint8_t propre, int32_t ligne, int32_t colonne) {
  const uint8_t ennemi = propre == NOIR ? BLANC : NOIR;
  remplitautourde(p, propre, ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    return (territoire[j] == propre || territoire2[j] == propre) && !voisincouleur(p, ennemi, r2, c2);
  });
}

// ---- Drivers --------------------------------------------------------------------------------

namespace {
// What every driver fills: lone own edge stones near the enemy lifted into
// `retires`, the gaps closed, the neutral points and the openings filled,
// the joins to the fourth and third lines.
void remplissagescommuns(TListePoints& retires, uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi) {
  retirepionsisolesbords(retires, CAPACITERETIRES, p, propre);
  fermebreches(p, propre);
  remplitcasesneutres(garderyeux, p, propre, ennemi);
  fermeecarts(garderyeux, p, propre);
  rejointbord4(garderyeux, p, propre, ennemi);
  rejointbord3(garderyeux, p, propre, ennemi);
}
}  // namespace

void prepareterritoire(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi) {
  // Lone own edge stones near the enemy are taken off for the fills.
  TListePoints retires;
  retires[0] = 0;
  remplissagescommuns(retires, garderyeux, p, propre, ennemi);
  if (garderyeux) completedeuxiemeligne(p, propre);
  // The lifted stones come back.
  remplissage::remplitliste(0, p, propre, retires);
}

void prepareterritoire2(const TMarques& masque, TPlateau& p, uint8_t propre, uint8_t ennemi) {
  // The chain table and the board as they came.
  const ChainesSauvees chaines;
  const TPlateau depart = p;
  TListePoints retires;
  retires[0] = 0;
  const int32_t n = taillemoteur();
  // Masked enemy stones off.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (depart[j] == ennemi && masque[j]) p[j] = VIDE;
  // Masked own stones off; a fill around every unmasked own stone.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (depart[j] != propre) continue;
      if (masque[j]) {
        empilepoint(retires, CAPACITERETIRES, r, c);
        p[j] = VIDE;
      } else if (libs(r, c) < 3) {
        remplitautourfaible(p, propre, r, c);
      } else {
        remplitautourfort(p, propre, r, c);
      }
    }
  // Edge stones, then the fills with eyes kept.
  remplissagescommuns(retires, 1, p, propre, ennemi);
  bloquebordennemi(p, propre, ennemi);
  completedeuxiemeligne(p, propre);
  // Every stone of the board as it came is back, own and enemy (the
  // lifted list may have been full); infochaine comes back with the scope.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (depart[j] != VIDE) p[j] = depart[j];
}

void evaluezones2(const TMarques& masque, uint8_t garderyeux, TPlateau& p, uint8_t ennemi, uint8_t propre) {
  // Masked own stones off.
  const ChainesSauvees chaines;
  const TPlateau depart = p;
  TListePoints retires;
  retires[0] = 0;
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (depart[ix(r, c)] == propre && masque[ix(r, c)]) {
        empilepoint(retires, CAPACITERETIRES, r, c);
        p[ix(r, c)] = VIDE;
      }
  // The fills of prepareterritoire and the enemy edge block.
  remplissagescommuns(retires, garderyeux, p, propre, ennemi);
  bloquebordennemi(p, propre, ennemi);
  if (garderyeux) completedeuxiemeligne(p, propre);
  // A fill around every own stone of the board as it came that is
  // still on it (a lifted stone is absent).
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (depart[ix(r, c)] != propre || p[ix(r, c)] != propre) continue;
      if (r >= 3 && r <= n - 2 && c >= 3 && c <= n - 2) remplitautourfaible(p, propre, r, c);
      else remplitautour(p, propre, r, c);
    }
  // The lifted stones come back; infochaine with the scope.
  for (int32_t j = 0; j < NBCASES; ++j)
    if (depart[j] == propre) p[j] = propre;
}
