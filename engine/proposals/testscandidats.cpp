// Candidate tests of the search and the influence-region balance.
#include "engine/proposals/cadre.h"
#include "engine/proposals/testscandidats.h"

#include <cstdlib>

#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/reading/prise.h"
#include "engine/reading/zonesinfluence.h"
#include "engine/territory/estimation.h"
#include "engine/territory/moyo.h"

namespace {

constexpr int32_t LIMITEPRISE = 3;       // liberty limit of the capture tests
constexpr int32_t PROFONDEURPRISE = 11;  // their depth

bool prise(TPlateau& p, int32_t r, int32_t c, uint8_t couleur) {
  return testprise(p, r, c, PROFONDEURPRISE, LIMITEPRISE, couleur, pointko);
}

bool dansfenetre(int32_t r1, int32_t c1, int32_t r2, int32_t c2, int32_t rayon) {
  return std::abs(r1 - r2) <= rayon && std::abs(c1 - c2) <= rayon;
}

}  // namespace

bool testcoupcandidat(TPlateau& p, uint8_t voisin, int32_t signe, int32_t lignep, int32_t colonnep, int32_t ligneq,
                      int32_t colonneq, int32_t, int32_t bloque, int32_t invasion, uint8_t y, uint8_t x) {
  const Restaure<TMarques> gardemorts(pionsmorts);
  const int32_t ip = indexcase(lignep, colonnep), iq = indexcase(ligneq, colonneq);
  // Nothing at level 1, nor for a strong chain at P when the sign is negative, nor with Q dead or
  // blocked.
  if (niveau == 1) return false;
  if (infochaine[ip][0] >= 4 && signe < 0) return false;
  if (pionsmorts[iq] || bloque >= 1) return false;
  // Q next to P, or P's trial marked, or Q in the analysed area.
  if (voisin) {
    if (!dansfenetre(lignep, colonnep, ligneq, colonneq, 1)) return false;
  } else if (essaiordi(lignep, colonnep).plateauessai2[ip] == 0 && !carteanalyse[iq]) {
    return false;
  }
  // A dead enemy stone next to P that no link saves.
  if (pastable(lignep, colonnep, [&](int32_t r, int32_t c) {
        const int32_t j = indexcase(r, c);
        return pionsmorts[j] && !marquesliaison1[j] && p[j] == x;
      }))
    return false;
  // A negative sign needs P's stone capturable by Y.
  if (signe < 0 && (p[ip] == VIDE || !prise(p, lignep, colonnep, y))) return false;
  // A weak enemy chain next to P that can be taken.
  TMarques vues = marquesvides;
  if (pastable(lignep, colonnep, [&](int32_t r, int32_t c) {
        const int32_t j = indexcase(r, c);
        if (marquesliaison1[j] || p[j] != x || infochaine[j][0] >= 4 || vues[j]) return false;
        if (prise(p, r, c, x)) return true;
        marquepionschaine(p, vues, 0, r, c);
        return false;
      }))
    return false;
  // Is Q close, or does P touch X's area?
  const bool proche = infochaine[iq][0] < 4 && dansfenetre(ligneq, colonneq, lignep, colonnep, 2);
  const bool adjacent = voisinvideterritoires(p, x, lignep, colonnep);
  // The strong stones of Y; an invasion already linked that reaches them is no threat.
  TMarques forts = marquesvides;
  if (adjacent) {
    const int32_t n = configmoteur.taille;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = indexcase(r, c);
        if (p[j] == y && !pionsmorts[j] && !pionsmortsbis[j] && (lesfaibles[j] == 0 || lesfaibles[j] == 4))
          forts[j] = 1;
      }
    forts[ip] = 0;
    if (invasion > 0 && lieaunfortessai(essaiordi(lignep, colonnep)) &&
        atteintmarquedansfenetre(p, forts, 2, lignep, colonnep))
      return false;
  }
  // Neither: the reply stays open.
  if (!proche && !adjacent) return true;
  // Y's answers next to P, each on the saved position.
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const TPlateau plateau = p;
  const TInfoChaine chaines = infochaine;
  bool garde = true;
  pastable(lignep, colonnep, [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    if (plateau[j] != VIDE) return false;
    TListePoints prises;
    prises[0] = 0;
    jouecoup(prises, NBCASES, p, r, c, y, x);
    if (p[j] == y) {
      if (proche && prise(p, ligneq, colonneq, x)) garde = false;
      uint8_t cx = x;
      if (garde && adjacent && pionlieachainetest1(p, forts, r, c) && voisinvideterritoires(p, x, lignep, colonnep) &&
          evaluecoupcandidat(pionsmorts, cx, p, lignep, colonnep) > 1)
        garde = false;
    }
    p = plateau;
    infochaine = chaines;
    return !garde;
  });
  return garde;
}

int32_t evaluecoupcandidat(const TMarques& masque, uint8_t& c, const TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t n = configmoteur.taille;
  // The zone count with the masked stones of c lifted.
  TPlateau w = p;
  comptezone(w, masque, c);
  // With few empty points left, after the opening, every empty point counts as c's.
  const Restaure<TMarques> gardeterritoire(territoire);
  if (debutpartie == 0 && moinsde20pcvides) territoire = cartevides;
  // 1 = reached from the point, 2 = c's stones and the barrier they grow.
  TMarques m = marquesvides;
  m[indexcase(ligne, colonne)] = 1;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (w[j] == c) m[j] = 2;
  auto libre = [&](int32_t j) { return w[j] == VIDE && m[j] == 0 && territoire[j] == c; };
  auto touche = [&](const TMarques& carte, int32_t r, int32_t col, uint8_t v) {
    return pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return carte[indexcase(r2, c2)] == v; });
  };
  int32_t compte = 0;
  // The first ring: points next to c's stones stay out.
  {
    const TMarques avant = m;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t col = 1; col <= n; ++col) {
        const int32_t j = indexcase(r, col);
        if (libre(j) && touche(avant, r, col, 1) && !touche(avant, r, col, 2)) {
          m[j] = 1;
          ++compte;
        }
      }
  }
  // The spread and the barrier grow a ring a pass.
  for (bool change = true; change;) {
    change = false;
    const TMarques avant = m;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t col = 1; col <= n; ++col) {
        const int32_t j = indexcase(r, col);
        if (libre(j) && touche(avant, r, col, 1)) {
          m[j] = 1;
          ++compte;
          change = true;
        }
      }
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t col = 1; col <= n; ++col) {
        const int32_t j = indexcase(r, col);
        if (libre(j) && touche(avant, r, col, 2) && !touche(m, r, col, 1)) {
          m[j] = 2;
          change = true;
        }
      }
  }
  // A reach in c's territory counts P too.
  const int32_t i = indexcase(ligne, colonne);
  if (compte > 0 && (territoire[i] == c || territoire2[i] == c)) ++compte;
  return compte;
}

int32_t bilanzonesinfluence(const TPlateau& p, uint8_t couleur) {
  const int32_t n = configmoteur.taille;
  // Influence of the stones.
  TCarte influence{};
  dilatation(p, influence, 3);
  // Regions of each sign, from their empty points.
  TMarques vu = marquesvides;
  int32_t positives = 0, negatives = 0, airepositive = 0, airenegative = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = indexcase(r, c);
      if (p[j] != VIDE || vu[j] || influence[j] == 0) continue;
      int32_t vides = 0, pierres = 0;
      if (influence[j] > 0) {
        comptezoneinfluencepositive(vides, pierres, p, 0, r, c, influence, vu);
        ++positives;
        if (pierres > 1) airepositive += vides;
      } else {
        comptezoneinfluencenegative(vides, pierres, p, 0, r, c, influence, vu);
        ++negatives;
        if (pierres > 1) airenegative += vides;
      }
    }
  // The balance for the colour: area against the number of regions.
  if (couleur == NOIR) return airepositive - airenegative - 5 * (2 * positives - negatives);
  return 5 * (positives - 2 * negatives) + (airenegative - airepositive);
}
