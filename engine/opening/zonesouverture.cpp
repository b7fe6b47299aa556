#include "engine/opening/zonesouverture.h"

#include "engine/board/geometrie.h"
#include "engine/board/listecoups.h"
#include "engine/board/trace.h"
#include "platform/platform.h"

namespace {

constexpr int32_t VALEURHOCHI = 1000;
constexpr int32_t VALEURPROCHE = 500;

bool pierresdesdeuxcouleurs(const TPlateau& p, int32_t l1, int32_t l2, int32_t c1, int32_t c2) {
  bool noir = false, blanc = false;
  for (int32_t l = l1; l <= l2; ++l)
    for (int32_t c = c1; c <= c2; ++c) {
      noir |= p[indexcase(l, c)] == NOIR;
      blanc |= p[indexcase(l, c)] == BLANC;
    }
  return noir && blanc;
}

void booste(TCarte& scores, int32_t i) {
  if (scores[i] == 0) scores[i] = VALEURPROCHE;
}

// One side of the star-point table. Corner areas are scanned line by line:
// `lignes` are the lines in order, `travers` the span across them; with
// `colonnes` the lines are columns.
struct Cote {
  TPoint etoile;
  int32_t l1, l2, c1, c2;  // the empty block
  bool colonnes;
  int32_t premier[4], second[4];
  int32_t t1, t2;          // the span of every line
};
constexpr Cote COTES[4] = {
    {{10, 4}, 6, 14, 2, 6, false, {15, 16, 17, 18}, {5, 4, 3, 2}, 3, 5},
    {{10, 16}, 6, 14, 14, 18, false, {15, 16, 17, 18}, {5, 4, 3, 2}, 15, 17},
    {{4, 10}, 2, 6, 6, 14, true, {15, 16, 17, 18}, {5, 4, 3, 2}, 3, 5},
    {{16, 10}, 14, 18, 6, 14, true, {15, 16, 17, 18}, {5, 4, 3, 2}, 15, 17},
};

// The colour of a corner area's first occupied line; VIDE when it is empty
// or holds both colours.
uint8_t couleurcoin(const TPlateau& p, const Cote& s, const int32_t (&lignes)[4]) {
  for (int32_t ligne : lignes) {
    bool noir = false, blanc = false;
    for (int32_t t = s.t1; t <= s.t2; ++t) {
      const int32_t i = s.colonnes ? indexcase(t, ligne) : indexcase(ligne, t);
      noir |= p[i] == NOIR;
      blanc |= p[i] == BLANC;
    }
    if (noir && blanc) return VIDE;
    if (noir || blanc) return noir ? NOIR : BLANC;
  }
  return VIDE;
}

void prendhochi(TCarte& scores, TListePoints& candidats, const TListePoints& points, int32_t cap,
                std::string_view trace) {
  for (int32_t k = 1; k <= nbpoints(points); ++k) {
    const int32_t l = ligneliste(points, k), c = colonneliste(points, k);
    scores[indexcase(l, c)] = VALEURHOCHI;
    coupdebutchoisi = 1;
    ajoutecaseliste(l, c, candidats, cap);
  }
  ecritdebug(trace);
}

}  // namespace

bool testezonederniercoup(const TPlateau& p, int32_t ligne, int32_t colonne, TMarques& zone) {
  const int32_t n = configmoteur.taille, h = n / 2 + 1;
  if (ligne == 0 || (ligne == h && colonne == h)) return false;
  zone.fill(1);
  int32_t l1 = 1, l2 = n, c1 = 1, c2 = n;
  if (ligne < h) l2 = h;
  if (ligne > h) l1 = h;
  if (colonne < h) c2 = h;
  if (colonne > h) c1 = h;
  for (int32_t l = l1; l <= l2; ++l)
    for (int32_t c = c1; c <= c2; ++c) zone[indexcase(l, c)] = 0;
  if (pierresdesdeuxcouleurs(p, l1, l2, c1, c2)) return true;
  int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
  bornesfenetre(ligne, colonne, 2, a1, a2, b1, b2);
  for (int32_t l = a1; l <= a2; ++l)
    for (int32_t c = b1; c <= b2; ++c)
      if (plateaudepart[indexcase(l, c)] == couleurordi && lesfaibles[indexcase(l, c)] != 0) return true;
  zone = marquesvides;
  return false;
}

void choisitpointfuseki(const TMarques& zone, TPoint& choisi) {
  if (nbcandidatsfuseki == 0 || komiforce != 0) return;
  const int32_t n = configmoteur.taille;
  // The library's map may mark stones: only empty points are drawn.
  auto libre = [&](int32_t l, int32_t c) {
    const int32_t i = indexcase(l, c);
    return candidatsfuseki[i] == 1 && zone[i] == 0 && plateaumoteur[i] == VIDE;
  };
  int32_t k = 0;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) k += libre(l, c) ? 1 : 0;
  if (k == 0) return;
  int32_t rang = k == 1 ? 1 : platform::Random(k) + 1;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c)
      if (libre(l, c) && --rang == 0) {
        choisi = TPoint{l, c};
        return;
      }
}

void renforcecoupsproches(const TMarques& zone, const TCarte& fortificationjoueur, const TCarte& surviejoueur,
                          int32_t colonne, int32_t ligne, TCarte& scores, const TCarte& fortificationordi,
                          const TCarte& survieordi) {
  if (debutpartie == 0 || coupdebutchoisi != 0) return;
  const int32_t n = configmoteur.taille;
  TMarques k = marquesvides;
  bool g = false;
  auto sauvemarque = [&](int32_t l, int32_t c) { return (essaiordi(l, c).marquesessai[indexcase(l, c)] & 1) != 0; };
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (zone[i] != 0) continue;
      if (lesfaibles[i] != 0) {
        k[i] = 1;
        g |= sauvemarque(l, c);
      } else if (casescandidates[i] != 0) {
        if (fortificationordi[i] != 0 || survieordi[i] != 0) {
          booste(scores, i);
          coupdebutchoisi = 1;
          k[i] = 2;
          g = true;
        } else if (fortificationjoueur[i] != 0 || surviejoueur[i] != 0) {
          booste(scores, i);
          coupdebutchoisi = 1;
          int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
          bornesfenetre(l, c, 1, a1, a2, b1, b2);
          for (int32_t x = a1; x <= a2; ++x)
            for (int32_t y = b1; y <= b2; ++y)
              if (casescandidates[indexcase(x, y)] != 0) booste(scores, indexcase(x, y));
        }
      }
    }
  if (ligne != 0) {
    int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
    bornesfenetre(ligne, colonne, 2, a1, a2, b1, b2);
    for (int32_t x = a1; x <= a2; ++x)
      for (int32_t y = b1; y <= b2; ++y)
        if (lesfaibles[indexcase(x, y)] != 0) {
          k[indexcase(x, y)] = 1;
          g |= sauvemarque(x, y);
        }
  }
  if (!g) return;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (casescandidates[i] == 0 || k[i] != 0 || (fortificationordi[i] == 0 && survieordi[i] == 0)) continue;
      k[i] = 2;
      const TMarques& marques = essaiordi(l, c).marquesessai;
      for (int32_t j = 0; j < NBCASES; ++j)
        if (marques[j] != 0 && k[j] == 1) {
          booste(scores, i);
          coupdebutchoisi = 1;
          break;
        }
    }
}

void prisehochi2coins(const TPlateau& p, TCarte& scores, TListePoints& candidats, int32_t, TListePoints& ennemis,
                      int32_t cap) {
  ennemis[0] = 0;
  if (configmoteur.taille < 19) return;
  TListePoints opposes{}, amis{};
  for (const Cote& s : COTES) {
    if (p[indexcase(s.etoile.ligne, s.etoile.colonne)] != VIDE) continue;
    bool vide = true;
    for (int32_t l = s.l1; l <= s.l2; ++l)
      for (int32_t c = s.c1; c <= s.c2; ++c) vide &= p[indexcase(l, c)] == VIDE;
    if (!vide) continue;
    const uint8_t a = couleurcoin(p, s, s.premier), b = couleurcoin(p, s, s.second);
    if (a == VIDE || b == VIDE) continue;
    TListePoints& liste = a != b ? opposes : (a == couleurordi ? amis : ennemis);
    ajoutecaseliste(s.etoile.ligne, s.etoile.colonne, liste, cap);
  }
  if (nbpoints(opposes) > 0)
    prendhochi(scores, candidats, opposes, cap, "prise hochi 2 coins opposés");
  else if (nbpoints(amis) > 0)
    prendhochi(scores, candidats, amis, cap, "prise hochi 2 coins amis");
}

void prisehochi2coinsennemis(const TPlateau&, TCarte& scores, TListePoints& candidats, int32_t,
                             const TListePoints& ennemis, int32_t cap) {
  if (configmoteur.taille < 19 || coupdebutchoisi != 0 || nbpoints(ennemis) == 0) return;
  prendhochi(scores, candidats, ennemis, cap, "prise hochi 2 coins ennemis");
}
