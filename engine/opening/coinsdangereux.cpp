#include "engine/opening/coinsdangereux.h"

#include <algorithm>

#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/lectureliaison.h"
#include "engine/reading/marquagemorts.h"
#include "engine/proposals/cadre.h"

namespace {

constexpr int32_t VALEURCOIN = 1000;
constexpr int32_t CAPACITECOIN = 300;

struct Coin {
  TPoint sommet;
  TPoint points[4];
  int32_t l1, c1;  // the 3x3 window from (l1, c1)
  uint8_t bit;
};

// The corners in the order they are examined.
void coins(Coin (&c)[4]) {
  const int32_t n = configmoteur.taille;
  c[0] = {{1, 1}, {{1, 1}, {1, 2}, {2, 1}, {2, 2}}, 1, 1, 128};
  c[1] = {{n, 1}, {{n, 1}, {n, 2}, {n - 1, 1}, {n - 1, 2}}, n - 2, 1, 64};
  c[2] = {{1, n}, {{1, n}, {1, n - 1}, {2, n}, {2, n - 1}}, 1, n - 2, 16};
  c[3] = {{n, n}, {{n, n}, {n, n - 1}, {n - 1, n}, {n - 1, n - 1}}, n - 2, n - 2, 32};
}

template <class F>
void fenetre(const Coin& k, F&& f) {
  for (int32_t l = k.l1; l <= k.l1 + 2; ++l)
    for (int32_t c = k.c1; c <= k.c1 + 2; ++c) f(l, c, indexcase(l, c));
}

// Candidates that save a weak stone of the window: S = 2.
void marquesauvetagecoin(const TPlateau& p, const Coin& k, const TMarques& h, TMarques& s) {
  const int32_t n = configmoteur.taille;
  TMarques vu = marquesvides;
  fenetre(k, [&](int32_t l, int32_t c, int32_t i) {
    if (vu[i] != 0) return;
    const bool ordi = lesfaibles[i] != 0;
    if (!ordi && marquessurvie[i] == 0) return;  // the opponent's weak chains
    for (int32_t x = 1; x <= n; ++x)
      for (int32_t y = 1; y <= n; ++y) {
        const int32_t j = indexcase(x, y);
        if (casescandidates[j] == 0 || h[j] != 0) continue;
        const TEssaiCoup& e = ordi ? essaiordi(x, y) : essaijoueur(x, y);
        if (e.marquesessai[i] != 0) s[j] = 2;
      }
    if (p[i] != VIDE) marquepionschaine(p, vu, 0, l, c);
  });
}

// The opponent's entry at q refutes the engine's trial at p.
bool refute(TPlateau& p, int32_t lp, int32_t cp, TPoint q, uint8_t autre, uint8_t couleur) {
  const TEssaiCoup& e = essaiordi(lp, cp);
  p = e.plateauessai;
  infochaine = e.infochaineessai;
  pionsmorts = e.plateauessai2;
  TListePoints prises{};
  jouecoup(prises, CAPACITECOIN, p, q.ligne, q.colonne, autre, couleur);
  const int32_t iq = indexcase(q.ligne, q.colonne);
  if (p[iq] == VIDE) return false;
  if (nbpoints(prises) > 0) return true;
  int32_t statut = 0;
  marquechainesmortes(infochaine, p, statut, profondeurlecture - 1, profondeurlecture - 1, q, TPoint{}, TPoint{},
                      paramniveaub + 2, 0, 0);
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == couleur && pionsmorts[i] != 0 && marquesliaison1[i] == 0) return true;
  if (pionsmorts[iq] != 0) return false;
  TMarques cible = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (plateaudepart[i] == autre && p[i] == autre && pionsmorts[i] == 0) cible[i] = 1;
  const TMarques morts = pionsmorts;
  return peutlierachaine(p, morts, pionsmortssauves, cible, 1, q.ligne, q.colonne, pointko);
}

}  // namespace

void prisedecoindangereux(const TMarques& zone, TCarte& scores, TPlateau& p, uint8_t autre, uint8_t couleur,
                          TListePoints& candidats) {
  if (debutpartie != 1 || phasedebut == 0) return;
  const int32_t n = configmoteur.taille;
  const TMarques h = petitsessaisouverture();
  const TPlateau sauveplateau = p;
  const TInfoChaine sauveinfo = infochaine;
  const TMarques sauvemorts = pionsmorts;
  TCarte vm = zerobonus;
  bool decide = false;
  Coin tous[4];
  coins(tous);
  for (int32_t passe = 1; passe <= 2 && !decide; ++passe) {
    TListePoints decides{};
    for (const Coin& k : tous) {
      if (zone[indexcase(k.sommet.ligne, k.sommet.colonne)] != 0) continue;
      int32_t compte = 0;
      TMarques s = marquesvides;
      bool trouve = false, possede = false;
      for (TPoint q : k.points) possede |= territoire[indexcase(q.ligne, q.colonne)] == couleur;
      if (possede) {
        if (passe == 1) continue;
        fenetre(k, [&](int32_t l, int32_t c, int32_t i) {
          if (casescandidates[i] != 0 && essaiordi(l, c).carte2essai[i] == 0) {
            trouve = true;
            ++compte;
            s[i] = 1;
          }
        });
      }
      if (passe == 2 && compte == 0) continue;
      if (compte == 0)
        for (int32_t l = 1; l <= n; ++l)
          for (int32_t c = 1; c <= n; ++c) {
            const int32_t i = indexcase(l, c);
            if (casescandidates[i] == 0) continue;
            const TMarques& carte = essaiordi(l, c).carte1essai;
            bool pris = false;
            for (TPoint q : k.points) pris |= carte[indexcase(q.ligne, q.colonne)] == couleur;
            if (pris) {
              ++compte;
              s[i] = 1;
            }
          }
      // Own stones near the corner that a trial leaves threatened.
      for (int32_t r = 1; r <= 3 && compte > 0; ++r) {
        int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;
        bornesfenetre(k.sommet.ligne, k.sommet.colonne, r, a1, a2, b1, b2);
        bool propre = false;
        for (int32_t l = a1; l <= a2; ++l)
          for (int32_t c = b1; c <= b2; ++c) {
            if (sauveplateau[indexcase(l, c)] != couleur) continue;
            propre = true;
            if ((essaiordi(l, c).liensessai[indexcase(l, c)] & 0x800) != 0 || essaimenacepoint(l, c)) compte = 0;
          }
        if (propre) break;
      }
      if (compte == 0) continue;
      TMarques e = marquesvides;
      for (TPoint q : k.points)
        if (sauveplateau[indexcase(q.ligne, q.colonne)] == VIDE)
          remplitzonerectangle(sauveplateau, q.ligne, q.colonne, k.l1, k.l1 + 2, k.c1, k.c1 + 2, e);
      TListePoints entrees{};
      fenetre(k, [&](int32_t l, int32_t c, int32_t i) {
        if (casescandidatesjoueur[i] == 0 || e[i] == 0) return;
        TEssaiCoup& j = essaijoueur(l, c);
        if ((j.carte2essai[i] == 0 || compteur0essai(j) > 0) &&
            (peutlierfortessai(j) != 0 || lieaunfaibleessai(j) != 0 || compteur0essai(j) > 0))
          ajoutecaseliste(l, c, entrees, CAPACITECOIN);
      });
      if (trouve)
        for (int32_t x = 1; x <= nbpoints(entrees); ++x) {
          const int32_t l = ligneliste(entrees, x), c = colonneliste(entrees, x);
          if (essaiordi(l, c).carte2essai[indexcase(l, c)] == 0) s[indexcase(l, c)] = 1;
          const TVoisins& v = tablevoisins[indexcase(l, c)];
          for (int32_t y = 0; y < v.nbvoisins; ++y) {
            const int32_t vl = v.voisins[y][0], vc = v.voisins[y][1];
            if (essaiordi(vl, vc).carte2essai[indexcase(vl, vc)] == 0) s[indexcase(vl, vc)] = 1;
          }
        }
      if (nbpoints(entrees) == 0) continue;
      auto prend = [&](int32_t l, int32_t c) {
        const int32_t i = indexcase(l, c);
        vm[i] = std::max(vm[i], VALEURCOIN);
        decide = true;
        coupdebutchoisi = 1;
        ajoutecaseliste(l, c, candidats, NBCASES);
        ajoutecaseliste(l, c, decides, CAPACITECOIN);
      };
      // The joseki answer first.
      bool joseki = false;
      for (int32_t l = 1; l <= n; ++l)
        for (int32_t c = 1; c <= n; ++c) {
          const int32_t i = indexcase(l, c);
          const uint8_t sg = suggestionsjoseki[i];
          if (casescandidates[i] != 0 && h[i] == 0 && valeurscoins[i] > 0 && (sg & 1) != 0 && (sg & 4) == 0 &&
              (sg & k.bit) != 0) {
            prend(l, c);
            joseki = true;
          }
        }
      if (joseki) continue;
      marquesauvetagecoin(sauveplateau, k, h, s);
      for (int32_t l = 1; l <= n; ++l)
        for (int32_t c = 1; c <= n; ++c) {
          const int32_t i = indexcase(l, c);
          if (s[i] == 0 || casescandidates[i] == 0 || h[i] != 0) continue;
          TEssaiCoup& t = essaiordi(l, c);
          if (s[i] != 2 && peutlierfortessai(t) == 0 && lieaunfaibleessai(t) == 0 && compteur0essai(t) <= 0) continue;
          bool echoue = false;
          for (int32_t x = 1; x <= nbpoints(entrees) && !echoue; ++x) {
            const TPoint q{ligneliste(entrees, x), colonneliste(entrees, x)};
            if (t.plateauessai[indexcase(q.ligne, q.colonne)] != VIDE) continue;
            echoue = refute(p, l, c, q, autre, couleur);
          }
          p = sauveplateau;
          infochaine = sauveinfo;
          pionsmorts = sauvemorts;
          if (!echoue) prend(l, c);
        }
    }
    if (coupdebutchoisi == 1 && nbpoints(decides) > 0)
      for (int32_t i = 0; i < NBCASES; ++i)
        if (vm[i] > 0) scores[i] += vm[i];
    affichelistecoups(decides, nbpoints(decides), passe == 1 ? "prise de coin dangereux: " : "assure son coin dangereux: ");
    p = sauveplateau;
    infochaine = sauveinfo;
    pionsmorts = sauvemorts;
  }
}
