// Chain and region walks of the engine state.
#include "engine/board/parcours.h"

#include "engine/board/jeu.h"
#include "engine/board/pas.h"

namespace {
inline int32_t ix(int32_t r, int32_t c) { return indexcase(r, c); }
}  // namespace

void libertescouleur(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu, uint8_t couleur) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == couleur) {
      libertescouleur(p, l, cap, d2, r2, c2, vu, couleur);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    }
    return false;
  });
}

void libertesdelachaine(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                        TMarques& vu) {
  libertescouleur(p, l, cap, dir, r, c, vu, p[ix(r, c)]);
}

void libertesetpions(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     int32_t& nbpions, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  ++nbpions;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      libertesetpions(p, l, cap, d2, r2, c2, nbpions, vu);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    }
    return false;
  });
}

void libertesetadversaires(const TPlateau& p, TListePoints& libs, int32_t cap, int32_t dir, int32_t r,
                           int32_t c, TMarques& vu, int32_t cap2, TListePoints& adversaires) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      libertesetadversaires(p, libs, cap, d2, r2, c2, vu, cap2, adversaires);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(libs, cap, r2, c2);
    } else {
      vu[j] = 1;
      empilepoint(adversaires, cap2, r2, c2);
    }
    return false;
  });
}

void libertesetvoisinsenatari(uint8_t& flag, const TPlateau& p, TListePoints& l, int32_t dir, int32_t r,
                              int32_t c, TMarques& vu, int32_t cap) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (p[j] != x && p[j] != VIDE && infochaine[j][0] == 1) flag = 0;
    if (vu[j]) return false;
    if (p[j] == x) {
      libertesetvoisinsenatari(flag, p, l, d2, r2, c2, vu, cap);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    }
    return false;
  });
}

void libertesetvoisinsenatari2(uint8_t& flag, const TPlateau& p, TListePoints& l, int32_t dir, int32_t r,
                               int32_t c, TMarques& vu, int32_t cap) {
  libertesetvoisinsenatari(flag, p, l, dir, r, c, vu, cap);
}

void libertestable(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                   TMarques& vu) {
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  const uint16_t lib = infochaine[i][0];
  vu[i] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x && infochaine[j][0] == lib) {
      libertestable(p, l, cap, d2, r2, c2, vu);
    } else if (infochaine[j][0] == 0 || p[j] == x) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    }
    return false;
  });
}

namespace {
bool atteinttete(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  return pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j] || p[j] != x) return false;
    if (infochaine[j][1] != 0) return true;
    return atteinttete(p, d2, r2, c2, vu);
  });
}
}  // namespace

int32_t libertestableparent(const TPlateau& p, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (infochaine[i][1] != 0) return infochaine[i][1];
  TMarques vu = marquesvides;
  return atteinttete(p, 0, r, c, vu) ? 1 : 0;
}

void comptelibertes(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      comptelibertes(p, n, d2, r2, c2, vu);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      ++n;
    }
    return false;
  });
}

int32_t nblibertes(const TPlateau& p, int32_t r, int32_t c) {
  if (p[ix(r, c)] == VIDE) return 0;
  TMarques vu = marquesvides;
  int32_t n = 0;
  comptelibertes(p, n, 0, r, c, vu);
  return n;
}

void comptelibertesetmarque(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu,
                            TMarques& marque) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  marque[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      comptelibertesetmarque(p, n, d2, r2, c2, vu, marque);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      ++n;
    }
    return false;
  });
}

void deuxlibertes(const TPlateau& p, int32_t& nb, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (nb >= 2) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      deuxlibertes(p, nb, lib, d2, r2, c2, vu);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      if (++nb == 1) lib = TPoint{r2, c2};
    }
    return nb >= 2;
  });
}

void deuxlibertespions(const TPlateau& p, int32_t& nb, TPoint& lib, TListePoints& pions, int32_t cap,
                       int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  vu[i] = 1;
  empilepoint(pions, cap, r, c);
  if (pions[0] > 30 && infochaine[i][0] == 0) {
    nb = 2;
    return;
  }
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (nb >= 2) return true;
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      deuxlibertespions(p, nb, lib, pions, cap, d2, r2, c2, vu);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      if (++nb == 1) lib = TPoint{r2, c2};
    }
    return nb >= 2;
  });
}

void marquechaineetvoisins(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  m[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (m[j]) return false;
    if (p[j] == x) marquechaineetvoisins(p, m, d2, r2, c2);
    else m[j] = 2;
    return false;
  });
}

void marquepionschaine(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  m[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!m[j] && p[j] == x) marquepionschaine(p, m, d2, r2, c2);
    return false;
  });
}

void marquechainesimple(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  marquepionschaine(p, m, dir, r, c);
}

void marquechainesimple2(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  marquepionschaine(p, m, dir, r, c);
}

void comptepionschaine(int32_t& n, const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  if (!vu[ix(r, c)]) ++n;
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] == x) comptepionschaine(n, p, vu, d2, r2, c2);
    return false;
  });
}

int32_t nbpionschaine(const TPlateau& p, int32_t r, int32_t c) {
  TMarques vu = marquesvides;
  int32_t n = 0;
  comptepionschaine(n, p, vu, 0, r, c);
  return n;
}

void effacechaine(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  m[ix(r, c)] = 0;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (m[j] && p[j] == x) effacechaine(p, m, d2, r2, c2);
    return false;
  });
}

void effacemarques(const TPlateau& p, TMarques& m, int32_t r, int32_t dir, int32_t c) {
  if (m[ix(r, c)]) effacechaine(p, m, dir, r, c);
}

void marquechainebits(const TPlateau& p, TMarques& m, uint8_t bit, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (m[i] & bit) return;
  m[i] |= bit;
  const uint8_t x = p[i];
  pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
    if (p[ix(r2, c2)] == x) marquechainebits(p, m, bit, r2, c2);
    return false;
  });
}

void marquechainesigne(const TPlateau& p, TMarques& m, const TCarte& carte, int32_t dir, int32_t signe,
                       int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  m[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!m[j] && p[j] == x && static_cast<int64_t>(carte[j]) * signe > 0)
      marquechainesigne(p, m, carte, d2, signe, r2, c2);
    return false;
  });
}

void peintchaine(const TPlateau& p, TMarques& m, uint8_t valeur, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  if (m[i] == valeur) return;
  m[i] = valeur;
  const uint8_t x = p[i];
  pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
    if (p[ix(r2, c2)] == x) peintchaine(p, m, valeur, r2, c2);
    return false;
  });
}

void videchaine(TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c, TMarques& vu) {
  const uint8_t x = p[ix(r, c)];
  vu[ix(r, c)] = 1;
  p[ix(r, c)] = VIDE;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (p[j] == x) {
      videchaine(p, l, cap, d2, r2, c2, vu);
    } else if (p[j] == VIDE) {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    }
    return false;
  });
}

void retirechainetable(TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  const int32_t i = ix(r, c);
  const uint8_t x = p[i];
  vu[i] = 1;
  p[i] = VIDE;
  infochaine[i] = flagchaines;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] == x) retirechainetable(p, vu, d2, r2, c2);
    return false;
  });
}

void retirechainetable2(TPlateau& p, int32_t r, int32_t c) {
  if (p[ix(r, c)] == VIDE) return;
  TMarques vu = marquesvides;
  retirechainetable(p, vu, 0, r, c);
}

void retirechaine(TPlateau& p, int32_t r, int32_t c) {
  const uint8_t x = p[ix(r, c)];
  if (x == VIDE) return;
  TListePoints pierres;
  pierres[0] = 0;
  struct Liste {
    TPlateau& p;
    TListePoints& l;
    uint8_t x;
    void visite(int32_t dir, int32_t r, int32_t c) {
      p[ix(r, c)] = VIDE;
      infochaine[ix(r, c)] = flagchaines;
      empilepoint(l, MAXPOINTSLISTE, r, c);
      pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
        if (p[ix(r2, c2)] == x) visite(d2, r2, c2);
        return false;
      });
    }
  } liste{p, pierres, x};
  liste.visite(0, r, c);
  const auto ennemi = static_cast<uint8_t>(1 - x);
  for (int32_t k = 1; k <= pierres[0]; ++k) ajoutelibertechaine(p, ennemi, pierres[2 * k], pierres[2 * k + 1]);
}

void bordregion(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                const TMarques& region, TMarques& vu) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if (region[j] == 1) {
      bordregion(p, l, cap, d2, r2, c2, region, vu);
    } else {
      vu[j] = 1;
      empilepoint(l, cap, r2, c2);
    }
    return false;
  });
}

void marqueregion(const TCarte& carte, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  m[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!m[j] && carte[j] > 0) marqueregion(carte, m, d2, r2, c2);
    return false;
  });
}

void marqueregionautre(const TPlateau& p, uint8_t couleur, uint8_t valeur, TMarques& m, int32_t dir, int32_t r,
                       int32_t c) {
  m[ix(r, c)] = valeur;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (m[j] != valeur && p[j] != couleur) marqueregionautre(p, couleur, valeur, m, d2, r2, c2);
    return false;
  });
}

void marqueregionsanscouleur(uint8_t couleur, const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c) {
  vu[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && p[j] != couleur) marqueregionsanscouleur(couleur, p, vu, d2, r2, c2);
    return false;
  });
}

void transfertmarques(TMarques& m1, TMarques& m2, uint8_t valeur, int32_t dir, int32_t r, int32_t c) {
  m1[ix(r, c)] = 0;
  m2[ix(r, c)] = valeur;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    if (m1[ix(r2, c2)] == 1) transfertmarques(m1, m2, valeur, d2, r2, c2);
    return false;
  });
}

void marquezonecouleur(const TPlateau& p, uint8_t couleur, TMarques& m, int32_t dir, int32_t r, int32_t c) {
  m[ix(r, c)] = 1;
  pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (m[j]) return false;
    const uint8_t x = p[j];
    const bool zone = (x == couleur && !pionsmorts[j]) || (x != couleur && x != VIDE && pionsmorts[j]) ||
                      (x == VIDE && territoire[j] == couleur);
    if (zone) marquezonecouleur(p, couleur, m, d2, r2, c2);
    return false;
  });
}

// Breadth first: a depth-first walk that never enters a marked point again
// can reach a point first by a long path and then miss points close by.
void marquedistance(TMarques& m, int32_t distance, int32_t r, int32_t c) {
  int32_t file[NBCASES];
  int32_t pas[NBCASES];
  int32_t debut = 0, fin = 0;
  m[ix(r, c)] = 1;
  file[fin] = ix(r, c);
  pas[fin++] = 0;
  while (debut < fin) {
    const int32_t i = file[debut], d = pas[debut++];
    if (d >= distance) continue;
    pasvoisins(i / TAILLEMAX + 1, i % TAILLEMAX + 1, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = ix(r2, c2);
      if (!m[j]) {
        m[j] = 1;
        file[fin] = j;
        pas[fin++] = d + 1;
      }
      return false;
    });
  }
}
