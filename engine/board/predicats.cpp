// Unit voisin: neighbour, liberty, colour and territory predicates.
#include "engine/board/acces.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"

namespace {
template <class F>
bool board(int32_t r, int32_t c, F&& f) {
  return pas4(r, c, ORDREPREDICATS, [&](int32_t r2, int32_t c2) { return f(ix(r2, c2)); });
}
template <class F>
bool table(int32_t r, int32_t c, F&& f) {
  return pastable(r, c, [&](int32_t r2, int32_t c2) { return f(ix(r2, c2)); });
}
template <class F>
bool huit(int32_t r, int32_t c, F&& f) {
  return pas8(r, c, [&](int32_t r2, int32_t c2) { return f(ix(r2, c2)); });
}
}  // namespace

bool voisincouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c; });
}
bool voisincouleurtable(const TMarques& carte, uint8_t v, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return carte[j] == v; });
}
bool voisincouleurtableint(const TCarte& carte, int32_t v, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return carte[j] == v; });
}
bool tousvoisinscouleur(const TMarques& carte, uint8_t v, int32_t r, int32_t col) {
  return !table(r, col, [&](int32_t j) { return carte[j] != v; });
}
bool entoureparcouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return !board(r, col, [&](int32_t j) { return p[j] != c; });
}
bool pasentoureparcouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] != c; });
}
bool unseulvoisinvide(TPoint& vide, const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  int32_t n = 0;
  TPoint trouve;
  const bool autre = pas4(r, col, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const uint8_t x = p[ix(r2, c2)];
    if (x == VIDE) {
      trouve = TPoint{r2, c2};
      return ++n > 1;
    }
    return x != c;
  });
  if (autre || n != 1) return false;
  vide = trouve;
  return true;
}
bool voisin8couleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return huit(r, col, [&](int32_t j) { return p[j] == c; });
}
bool voisin8enemi(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  const uint8_t e = (c == NOIR) ? BLANC : NOIR;
  return huit(r, col, [&](int32_t j) { return p[j] == e; });
}
bool voisincouleurnonmarque(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && !pionsmorts[j]; });
}
bool chainemarqueeouvoisine(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  if (pionsmorts[ix(r, col)]) return true;
  return board(r, col, [&](int32_t j) { return p[j] == c && pionsmorts[j]; });
}
bool nonmarqueouvoisinnonmarque(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  if (!pionsmorts[ix(r, col)]) return true;
  return board(r, col, [&](int32_t j) { return p[j] == c && !pionsmorts[j]; });
}
bool voisinmarqueautrecouleur(const TPlateau& p, int32_t r, int32_t col) {
  const uint8_t x = p[ix(r, col)];
  return table(r, col, [&](int32_t j) { return pionsmorts[j] && p[j] != x; });
}
bool voisin8enemimort(const TPlateau& p, int32_t r, int32_t col, const TMarques& masque) {
  const uint8_t e = (p[ix(r, col)] == NOIR) ? BLANC : NOIR;
  return huit(r, col, [&](int32_t j) { return p[j] == e && pionsmorts[j] && !masque[j]; });
}

int32_t minlibertesvoisins(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  int32_t m = 10;
  board(r, col, [&](int32_t j) {
    if (p[j] == c && libs(j) < m) m = libs(j);
    return false;
  });
  return m;
}
bool voisincouleuratari(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return p[j] == c && libs(j) == 1; });
}
bool voisincouleuratari4(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && libs(j) == 1; });
}
bool voisincouleuratari4(const TPlateau& p, uint8_t c, int32_t r, int32_t col, TListePoints& l, int32_t cap) {
  bool trouve = false;
  TMarques vu;
  zeromarques(vu);
  pas4(r, col, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] != c || libs(j) != 1) return false;
    trouve = true;
    if (vu[j]) return false;
    TMarques chaine;
    zeromarques(chaine);
    marquepionschaine(p, chaine, 0, r2, c2);
    for (int32_t k = 0; k < NBCASES; ++k)
      if (chaine[k] && !vu[k]) {
        vu[k] = 1;
        empilepoint(l, cap, k / TAILLEMAX + 1, k % TAILLEMAX + 1);
      }
    return false;
  });
  return trouve;
}
bool voisinatari(const TPlateau& p, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return libs(j) == 1; });
}
bool voisina2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && libs(j) == 2; });
}
bool voisinatari2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && (libs(j) == 1 || (libs(j) == 2 && pionsmorts[j])); });
}
bool voisinaplusde2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && libs(j) > 2 && !pionsmorts[j]; });
}
bool voisinchainecomptee(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && libs(j) != 0; });
}
bool voisin8sanslibertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return huit(r, col, [&](int32_t j) { return p[j] == c && libs(j) == 0; });
}
bool voisinmoinsde3libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return p[j] == c && libs(j) < 3; });
}
bool voisinmoinsde3libertes2(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return voisinmoinsde3libertes(p, c, r, col);
}
int32_t testechaineh8(const TInfoChaine& chaines, const TPlateau& p, int32_t r, int32_t col, uint8_t c) {
  if (p[ix(r, col)] != VIDE) return 0;
  int32_t n = 0;
  TMarques vu;
  zeromarques(vu);
  pas4(r, col, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == c && chaines[j][0] == 1 && !vu[j]) comptepionschaine(n, p, vu, 0, r2, c2);
    return false;
  });
  return n;
}
bool voisinpierremoinsde3libertes(const TPlateau& p, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return pierre(p[j]) && libs(j) < 3; });
}
bool voisincouleurlibertesmax(const TPlateau& p, uint8_t c, int32_t n, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return p[j] == c && libs(j) <= n; });
}
bool voisinterritoirelibertes(const TPlateau& p, uint8_t c, int32_t n, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return p[j] == c && territoire[j] == c && libs(j) <= n; });
}
bool compteatarivoisins(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  int32_t n = 0;
  return table(r, col, [&](int32_t j) { return p[j] == c && libs(j) >= 1 && libs(j) <= 3 && ++n >= 2; });
}
int32_t pierresenatari(const TPlateau& p, uint8_t c) {
  const int32_t n = configmoteur.taille;
  int32_t total = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t j = ix(r, k);
      if (p[j] == c && infochaine[j][1] != 0 && libs(j) == 1) total += infochaine[j][1];
    }
  return total;
}
bool pierreterritoireadverse(const TPlateau& p, int32_t r, int32_t col) {
  const int32_t i = ix(r, col);
  if (!pierre(p[i])) return false;
  const uint8_t o = p[i] == NOIR ? BLANC : NOIR;
  if (territoire[i] != o || pionsmorts[i]) return false;
  return table(r, col, [&](int32_t j) { return p[j] == o && libs(j) < 3; });
}

namespace {
// Exits of the point: true at `seuil` exits, or at a neighbour of the other
// colour with more than 2 liberties (by the table t).
bool sorties(const TInfoChaine& t, const TPlateau& p, uint8_t c, int32_t r, int32_t col, int32_t seuil) {
  if (r == 0) return false;
  int32_t n = 0;
  return table(r, col, [&](int32_t j) {
    if (p[j] == VIDE || (p[j] == c && t[j][0] == 1)) return ++n >= seuil;
    return p[j] != c && t[j][0] > 2;
  });
}
}  // namespace

bool testvoisinsatari(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return sorties(infochaine, p, c, r, col, 2);
}
bool testvoisinsatariparam(const TInfoChaine& t, const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return sorties(t, p, c, r, col, 2);
}
bool compteissues(const TPlateau& p, uint8_t c, int32_t r, int32_t col) { return sorties(infochaine, p, c, r, col, 3); }
bool compteissuesparam(const TInfoChaine& t, const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return sorties(t, p, c, r, col, 3);
}
bool testvoisinsatariunique(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  if (testvoisinsatari(p, c, r, col)) return true;
  if (r == 0) return false;
  const uint8_t o = c == NOIR ? BLANC : NOIR;
  bool adverse = false;
  int32_t nbatari = 0;
  bool seul = false;
  table(r, col, [&](int32_t j) {
    if (p[j] == o) adverse = true;
    if (p[j] == c && libs(j) == 1) {
      ++nbatari;
      seul = infochaine[j][1] == 1;
    }
    return false;
  });
  return !adverse && nbatari == 1 && seul;
}

bool voisinmarque(const TPlateau&, const TMarques& m, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return m[j] != 0; });
}
bool voisinmarque2(const TMarques& m, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return m[j] != 0; });
}
bool voisinmarquecouleur(const TPlateau& p, uint8_t c, const TMarques& m, int32_t r, int32_t col) {
  return table(r, col, [&](int32_t j) { return m[j] && p[j] == c; });
}
bool deuxvoisinsmarquescouleur(const TMarques& m, const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  int32_t n = 0;
  return table(r, col, [&](int32_t j) { return m[j] == 1 && p[j] == c && ++n >= 2; });
}
bool nbvoisinsnonnuls(const TMarques& m, int32_t r, int32_t col) {
  int32_t n = 0;
  return board(r, col, [&](int32_t j) { return m[j] != 0 && ++n > 1; });
}
bool nbvoisinsnonnuls2(const TMarques& m, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return m[j] != 0; });
}

bool voisinvidedeterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == VIDE && territoire[j] == c; });
}
bool voisindeterritoire(uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return territoire[j] == c; });
}
bool voisinhorsterritoire(uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return territoire[j] != c; });
}
bool voisinvideterritoires(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == VIDE && (territoire[j] == c || territoire2[j] == c); });
}
bool voisinvideterritoirestable(uint8_t c, int32_t r, int32_t col) {
  return !table(r, col, [&](int32_t j) { return territoire[j] == c || territoire2[j] == c; });
}
bool voisincouleurterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && territoire[j] == c; });
}
bool voisincouleurterritoirefaible(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return board(r, col, [&](int32_t j) { return p[j] == c && territoire[j] == c && lesfaibles[j]; });
}
bool frontiereterritoire(uint8_t c, int32_t r, int32_t col) {
  if (territoire[ix(r, col)] != c) return true;
  return table(r, col, [&](int32_t j) { return territoire[j] != c && territoire2[j] != c; });
}
bool pointenferme(const TMarques& carte, uint8_t c, int32_t r, int32_t col) {
  if (carte[ix(r, col)] != c) return false;
  int32_t exceptions = 0;
  return !board(r, col, [&](int32_t j) {
    if (carte[j] == c || territoire2[j] == c) return false;
    if (carte[j] == VIDE) return ++exceptions > 1;
    return true;
  });
}
bool listeterritoirecouleur(const int32_t* liste, uint8_t c) {
  for (int32_t k = 1; k <= liste[0]; ++k)
    if (territoire[ix(liste[3 * k], liste[3 * k + 1])] == c) return true;
  return false;
}
bool pierreterritoiremarquee(const TPlateau& p, uint8_t c, const TMarques& sans, const TMarques& avec) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t j = ix(r, k);
      if (p[j] == c && territoire[j] == c && avec[j] && !sans[j]) return true;
    }
  return false;
}
bool voisinsinfluencecouleur(const TPlateau& p, const TCarte& carte, uint8_t c, int32_t r, int32_t col) {
  return !table(r, col, [&](int32_t j) {
    const bool cote = c == NOIR ? carte[j] > 0 : carte[j] < 0;
    return !(cote || (carte[j] == 0 && p[j] == c));
  });
}
bool classevoisins(const TPlateau& p, int32_t r, int32_t col, uint8_t c, uint8_t d) {
  bool s = false, f = false, a = false, b = false;
  const bool faux = pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] == VIDE) {
      if (territoire[j] == d || territoire2[j] == d) s = true;
      else if (territoire[j] == c || territoire2[j] == c) return true;
      else f = true;
    } else if (p[j] == c) {
      if (territoire[j] == c) return true;
      if (!pionsmorts[j]) a = true;
    } else if (territoire[j] == d) {
      b = true;
    }
    return false;
  });
  if (faux) return false;
  return s || (!a && b && f);
}

namespace {
bool deuxchainesfaibles(const TPlateau& p, uint8_t c, int32_t r, int32_t col, bool territoires) {
  if (libs(ix(r, col)) == 1) return false;
  TMarques vu;
  zeromarques(vu);
  int32_t n = 0;
  return pas4(r, col, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (p[j] != c || libs(j) >= 3 || vu[j]) return false;
    if (territoires && territoire[j] != c) return false;
    marquepionschaine(p, vu, 0, r2, c2);
    return ++n >= 2;
  });
}
}  // namespace

bool deuxchainesfaiblesvoisines(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return deuxchainesfaibles(p, c, r, col, false);
}
bool deuxchainesfaiblesterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  if (pionsmorts[ix(r, col)]) return false;
  return deuxchainesfaibles(p, c, r, col, true);
}

bool essaimenacepoint(int32_t r, int32_t col) {
  const int32_t i = ix(r, col);
  const bool ordi = plateaudepart[i] == couleurordi;
  const TMarques& candidats = ordi ? casescandidatesjoueur : casescandidates;
  TEssaiCoup(&essais)[TAILLEMAX][TAILLEMAX] = ordi ? essaisjoueur : essaisordi;
  const int32_t n = configmoteur.taille;
  for (int32_t a = 1; a <= n; ++a)
    for (int32_t b = 1; b <= n; ++b)
      if (candidats[ix(a, b)] && (essais[a - 1][b - 1].liensessai[i] & 0x800)) return true;
  return false;
}

void voisinsdubord(TPoint& interieur, TPoint& bord, const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  interieur = TPoint{};
  bord = pointko;
  int32_t vides = 0;
  pastable(r, col, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (!bordgoban[j]) {
      interieur = TPoint{r2, c2};
      return false;
    }
    if (p[j] == VIDE) {
      if (++vides == 1) bord = TPoint{r2, c2};
      else bord = pointko;
    } else if (bord.ligne == 0 && p[j] == c && libs(j) != 0) {
      bord.colonne = 1;
    }
    return false;
  });
}

namespace {
void remplit(TMarques& carte, TMarques& second, uint8_t v, int32_t j) {
  carte[j] = v;
  if (second[j] == 1) second[j] = 2;
}
}  // namespace

void remplitvoisinsvides(TMarques& carte, TMarques& second, uint8_t v, int32_t r, int32_t col) {
  board(r, col, [&](int32_t j) {
    if (carte[j] == VIDE) remplit(carte, second, v, j);
    return false;
  });
}

void remplitvoisinsvides2(TMarques& carte, TMarques& second, uint8_t v, int32_t r, int32_t col) {
  pas4(r, col, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (carte[j] != VIDE) return false;
    remplit(carte, second, v, j);
    const int32_t r3 = 2 * r2 - r, c3 = 2 * c2 - col;
    if (second[j] >= 5 && surplateaumoteur(r3, c3) && carte[ix(r3, c3)] == VIDE) remplit(carte, second, v, ix(r3, c3));
    return false;
  });
  pas4(r, col, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
    const int32_t j = ix(r2, c2);
    if (carte[j] == VIDE && (second[ix(r2, col)] >= 5 || second[ix(r, c2)] >= 5)) remplit(carte, second, v, j);
    return false;
  });
}
