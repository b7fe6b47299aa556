#include "engine/opening/extensions.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/listecoups.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/opening/zonesouverture.h"
#include "engine/territory/moyo.h"
#include "engine/proposals/cadre.h"

namespace {

// Values of the extension maps.
constexpr int32_t OCCUPE = -8, LIBERTEADVERSE = -6, HORSLIGNES = -4, TENU = -2, DANSBOITE = -1;

// The masks of testeextensions.
struct Masques {
  TMarques invasion{}, vieetmort{};
  bool drapeau = false;
  bool masque(int32_t i) const { return invasion[i] != 0 || vieetmort[i] != 0; }
};
Masques masques;

bool troisouquatre(int32_t i) { return distancebord[i] == 2 || distancebord[i] == 3; }

// Territory the trial of `camp` at the point gains over the present owners.
int32_t gainterritoireessai(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t camp) {
  const uint8_t autre = static_cast<uint8_t>(1 - camp);
  const TMarques& o = (camp == couleurordi ? essaiordi(ligne, colonne) : essaijoueur(ligne, colonne)).carte1essai;
  int32_t gain = 0;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (p[i] != VIDE) continue;
    gain += o[i] == camp && territoire[i] != camp;
    gain += territoire[i] == autre && o[i] != autre;
  }
  return gain;
}

// True when extensions are to be skipped; fills the masks.
bool testeextensions(const TPlateau& p, bool deficit, const TCarte& invasionfortejoueur) {
  masques = Masques{};
  const int32_t n = taillemoteur();
  auto gainparmi = [&](auto&& condition, int32_t seuil) {
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        if (casescandidates[indexcase(l, c)] == 0) continue;
        const TEssaiCoup& e = essaiordi(l, c);
        if (condition(e) && (seuil < 0 || gainterritoireessai(p, l, c, couleurordi) >= seuil)) return true;
      }
    return false;
  };
  auto menace = [](const TEssaiCoup& e) {
    return (compteur0essai(e) >= 1 && e.compteur1essai > 0) || (compteur3essai(e) >= 1 && e.compteur2essai >= 1);
  };
  if (deficit) {
    if (flagcoupure > 60 || maxsurvie > 3 || compteurinfluence > 3) return true;
    if (gainparmi([](const TEssaiCoup& e) {
          return (compteur0essai(e) >= 1 && e.compteur1essai > 0) || e.compteur2essai >= 1;
        }, 8))
      return true;
  } else {
    if (coupdecidejoseki != 0) return true;
    if (debutpartie != 0) {
      if (flagcoupure > 60 || maxsurvie > 3 || compteurinfluence > 3) return true;
      if (gainparmi(menace, 4)) return true;
    } else {
      if (maxfortification > 2 || flagcoupure > 40 || maxsurvie > 2) return true;
      if (compteurinvasions > 4) {
        for (int32_t i = 0; i < NBCASES; ++i)
          if (invasionfortejoueur[i] == 0) masques.invasion[i] = 1;
        masques.drapeau = true;
      }
      if (compteurinfluence > 2 || gainparmi(menace, -1)) return true;
    }
  }
  if (flagouverture >= 3)
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const TEssaiCoup& e = essaiordi(l, c);
        if (compteur0essai(e) < flagouverture - 1 && compteur3essai(e) < flagouverture - 1) {
          masques.vieetmort[indexcase(l, c)] = 1;
          masques.drapeau = true;
        }
      }
  return false;
}

void garderminimumpositif(int32_t& cellule, int32_t d) {
  if (cellule < 0) return;
  if (cellule == 0 || cellule > d) cellule = d;
}

// A side seen as the left one: `a` runs along the side, `b` is the line
// counted from its edge (1 = first line).
struct Cote {
  int32_t sens;  // 0 left, 1 right, 2 top, 3 bottom
  int32_t index(int32_t a, int32_t b) const {
    const int32_t n = taillemoteur();
    switch (sens) {
      case 0: return indexcase(a, b);
      case 1: return indexcase(a, n + 1 - b);
      case 2: return indexcase(b, a);
      default: return indexcase(n + 1 - b, a);
    }
  }
};

// The walks of one side for a box (a1..a2 along the side, b1..b2 from its
// edge), `largeurs` the group-size map across the side.
void marchecote(const TPlateau& p, const Cote& s, int32_t a1, int32_t a2, int32_t b1, int32_t b2,
                const TMarques& largeurs, TCarte& x, uint8_t autre, uint8_t couleur) {
  const int32_t n = taillemoteur();
  for (int32_t dir : {1, -1}) {
    const int32_t a0 = dir > 0 ? a2 : a1;
    if ((dir > 0 && a0 >= n) || (dir < 0 && a0 <= 1)) continue;
    bool bloque = false;
    for (int32_t b = 1; b < b1; ++b) bloque |= p[s.index(a0, b)] == autre;
    if (bloque) continue;
    int32_t limite = largeurs[s.index(a0, b1)] + 2;
    int32_t largeur = b2 < 5 ? 4 : b2;
    int32_t dernierpropre = 0, dernier = 0;
    bool propre34 = false, coupe4 = false, fin = false;
    for (int32_t pas = 1; pas <= limite && !fin; ++pas) {
      const int32_t a = a0 + dir * pas;
      if (a < 1 || a > n) break;
      bool propreligne = false;
      for (int32_t b = 1; b <= largeur && b <= n; ++b) {
        const uint8_t v = p[s.index(a, b)];
        if (v == couleur && b <= 5) {
          propreligne = true;
          propre34 |= b == 3 || b == 4;
        } else if (v == autre) {
          if (b <= 3) {
            fin = true;
            break;
          }
          largeur = b - 1;
          limite = (b - 1) - b1 + 3;
          coupe4 = true;
          break;
        }
      }
      if (fin || pas > limite) {
        fin = true;
        break;
      }
      if ((b2 == 4 || b2 == 3) && b2 + 1 <= n && p[s.index(a, b2 + 1)] == couleur) {
        propreligne = true;
        if (b2 == 3) propre34 = true;
      }
      dernier = pas;
      if (propreligne) {
        dernierpropre = pas;
        for (int32_t k = 1; k <= pas; ++k)
          for (int32_t b : {3, 4}) x[s.index(a0 + dir * k, b)] = DANSBOITE;
      } else if (!propre34 && pas >= 3) {
        garderminimumpositif(x[s.index(a, 3)], pas - dernierpropre);
        if (!coupe4 || (pas - dernierpropre == 3 && b2 >= 4)) garderminimumpositif(x[s.index(a, 4)], pas - dernierpropre);
      }
    }
    // The far end of an open walk from a box on the fourth line.
    const int32_t afin = a0 + dir * dernier;
    const int32_t reste = dir > 0 ? n - afin : afin - 1;
    if (fin || coupe4 || dernier - dernierpropre < 2 || reste <= 2 || b1 != 4 || dernier == 0) continue;
    bool propre3 = p[s.index(afin, 3)] == couleur, adverse12 = false, vide4 = true;
    for (int32_t b = 1; b <= 2; ++b) adverse12 |= p[s.index(afin, b)] == autre;
    for (int32_t b = 1; b <= 4; ++b) vide4 &= p[s.index(afin, b)] == VIDE;
    if (propre3 && !adverse12) {
      for (int32_t k = 1; k <= dernier + 1; ++k)
        for (int32_t b : {3, 4}) x[s.index(a0 + dir * k, b)] = DANSBOITE;
    } else if (x[s.index(afin, 3)] >= 0 && vide4) {
      garderminimumpositif(x[s.index(afin, 3)], dernier - dernierpropre);
    }
  }
}

void distancesextensionbord(const TPlateau& p, int32_t r1, int32_t r2, const TMarques& largeurs,
                            const TMarques& hauteurs, TCarte& x, uint8_t autre, uint8_t couleur, int32_t c1,
                            int32_t c2) {
  const int32_t n = taillemoteur();
  // The right, top and bottom sides are the left one mirrored: lines are
  // counted from their own edge, and across the top and bottom the height
  // map takes the width map's place.
  if (c1 <= 4 && c2 >= 3) marchecote(p, Cote{0}, r1, r2, c1, c2, largeurs, x, autre, couleur);
  if (c2 >= n - 3 && c1 <= n - 2)
    marchecote(p, Cote{1}, r1, r2, n + 1 - c2, n + 1 - c1, largeurs, x, autre, couleur);
  if (r1 <= 4 && r2 >= 3) marchecote(p, Cote{2}, c1, c2, r1, r2, hauteurs, x, autre, couleur);
  if (r2 >= n - 3 && r1 <= n - 2)
    marchecote(p, Cote{3}, c1, c2, n + 1 - r2, n + 1 - r1, hauteurs, x, autre, couleur);
}

// Bounding boxes of one side's groups into its extension map.
void boites(const TPlateau& p, const TMarques& marques, TCarte& x, uint8_t camp, uint8_t autre) {
  const int32_t n = taillemoteur(), h = n / 2 + 1;
  TMarques largeurs = marquesvides, hauteurs = marquesvides;
  for (int32_t k = 1;; ++k) {
    bool pierre = false, trouve = false;
    int32_t r1 = n, r2 = 1, c1 = n, c2 = 1;
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(l, c);
        if (p[i] == VIDE || infozones[i].numero != k) continue;
        pierre = true;
        if (p[i] != camp || marques[i] != 0) continue;
        trouve = true;
        r1 = std::min(r1, l);
        r2 = std::max(r2, l);
        c1 = std::min(c1, c);
        c2 = std::max(c2, c);
      }
    if (!pierre) break;
    if (!trouve) continue;
    for (int32_t l = r1; l <= r2; ++l)
      for (int32_t c = c1; c <= c2; ++c) x[indexcase(l, c)] = DANSBOITE;
    if (r2 - r1 + 1 >= h || c2 - c1 + 1 >= h) continue;
    for (int32_t c = c1; c <= c2; ++c)
      for (int32_t l : {r1, r2})
        if (p[indexcase(l, c)] != autre)
          largeurs[indexcase(l, c)] = static_cast<uint8_t>(std::max<int32_t>(largeurs[indexcase(l, c)], c2 - c1 + 1));
    for (int32_t l = r1; l <= r2; ++l)
      for (int32_t c : {c1, c2})
        if (p[indexcase(l, c)] != autre)
          hauteurs[indexcase(l, c)] = static_cast<uint8_t>(std::max<int32_t>(hauteurs[indexcase(l, c)], r2 - r1 + 1));
    distancesextensionbord(p, r1, r2, largeurs, hauteurs, x, autre, camp, c1, c2);
  }
}

// The board with every liberty of `camp`'s live chains filled with `camp`.
TPlateau gonfle(const TPlateau& p, uint8_t camp) {
  const int32_t n = taillemoteur();
  TMarques vu = marquesvides;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (p[i] == camp && marquesliaison1[i] == 0 && vu[i] == 0) libertesmarquees(p, camp, vu, 0, l, c);
    }
  TPlateau b = p;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (vu[i] != 0 && b[i] == VIDE) b[i] = camp;
  return b;
}

bool voisinscoupsmarques(int32_t ligne, int32_t colonne) {
  const TVoisins& v = tablevoisins[indexcase(ligne, colonne)];
  int32_t n = 0;
  for (int32_t k = 0; k < v.nbvoisins; ++k) {
    const int32_t l = v.voisins[k][0], c = v.voisins[k][1];
    const TEssaiCoup& e = essaiordi(l, c);
    if (casescandidates[indexcase(l, c)] != 0 && (lieaunfortessai(e) != 0 || lieaunfaibleessai(e) != 0)) ++n;
  }
  return n >= 2;
}

// Influence gained by the engine's trial at the point; works on its own copy
// of the trial's chain table and gives infochaine back.
int32_t gaininfluenceessai(int32_t ligne, int32_t colonne) {
  const TEssaiCoup& e = essaiordi(ligne, colonne);
  const TInfoChaine sauve = infochaine;
  infochaine = e.infochaineessai;
  TPlateau c = e.plateauessai;
  for (int32_t l = 1; l <= taillemoteur(); ++l)
    for (int32_t col = 1; col <= taillemoteur(); ++col) {
      const int32_t i = indexcase(l, col);
      const uint8_t v = e.plateauessai[i];
      if (v == VIDE) continue;
      if (v == couleurordi && e.carte2essai[i] != 0) c[i] = VIDE;
      if (v == couleurjoueur && (pionsmortsbis[i] != 0 || e.plateauessai2[i] != 0)) c[i] = VIDE;
      if (infochaine[i][1] == 1 && !couleurdanscarre(v, e.plateauessai, 4, col, l)) c[i] = VIDE;
    }
  TCarte carte = zerobonus;
  dilatation(c, carte, 6);
  int32_t gain = 0;
  for (int32_t l = 1; l <= taillemoteur(); ++l)
    for (int32_t col = 1; col <= taillemoteur(); ++col) {
      const int32_t i = indexcase(l, col);
      uint8_t proprio = territoire[i];
      if (proprio == VIDE && e.plateauessai[i] == VIDE) {
        if (carte[i] > 0 && !voisincouleur(c, BLANC, l, col)) proprio = NOIR;
        if (carte[i] < 0 && !voisincouleur(c, NOIR, l, col)) proprio = BLANC;
      }
      gain += proprio == couleurordi && influence[i] != couleurordi;
      gain += influence[i] == couleurjoueur && proprio != couleurjoueur;
    }
  infochaine = sauve;
  return gain;
}

// An empty point of b, unowned, at least three lines from the edge.
bool videcentral(const TPlateau& b, int32_t i) {
  return b[i] == VIDE && territoire[i] == VIDE && distancebord[i] >= 3;
}

// The region of such points through i (not yet in vu), marked in vu, its
// size written at each of its points in `tailles`; returns the size.
int32_t zonevidecentre(const TPlateau& b, TMarques& vu, TCarte& tailles, int32_t i) {
  std::vector<int32_t> region{i};
  vu[i] = 1;
  for (std::size_t k = 0; k < region.size(); ++k) {
    const TVoisins& v = tablevoisins[region[k]];
    for (int32_t d = 0; d < v.nbvoisins; ++d) {
      const int32_t j = indexcase(v.voisins[d][0], v.voisins[d][1]);
      if (vu[j] == 0 && videcentral(b, j)) {
        vu[j] = 1;
        region.push_back(j);
      }
    }
  }
  const auto taille = static_cast<int32_t>(region.size());
  for (int32_t j : region) tailles[j] = taille;
  return taille;
}

void etendsespionsverlecentre(TCarte& scores, TListePoints& candidats, int32_t cap) {
  const int32_t n = taillemoteur();
  TPlateau b = plateaudepart;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (plateaudepart[i] == VIDE || pionsmortsbis[i] != 0) continue;
    const TVoisins& v = tablevoisins[i];
    for (int32_t k = 0; k < v.nbvoisins; ++k) b[indexcase(v.voisins[k][0], v.voisins[k][1])] = couleurordi;
  }
  const int32_t seuil = n * n * 10 / 100;
  TCarte tailles = zerobonus;
  TMarques vu = marquesvides;
  bool grand = false;
  // The empty unowned central region through each point.
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (!videcentral(b, i) || vu[i] != 0) continue;
      grand |= zonevidecentre(b, vu, tailles, i) > seuil;
    }
  if (!grand) return;
  TCarte gains = zerobonus;
  int32_t meilleur = 0;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (casescandidates[i] == 0 || distancebord[i] < 3 || tailles[i] <= seuil || influence[i] == couleurjoueur)
        continue;
      const TEssaiCoup& e = essaiordi(l, c);
      if (e.plateauessai2[i] != 0) continue;
      if (lieaunfortessai(e) == 0 && lieaunfaibleessai(e) == 0 && marqueliaisonessai(e) == 0 &&
          !voisinscoupsmarques(l, c))
        continue;
      if (masques.masque(i)) continue;
      const int32_t g = gaininfluenceessai(l, c);
      if (g <= 0) continue;
      gains[i] = g;
      meilleur = std::max(meilleur, g);
    }
  if (meilleur <= 2) return;
  meilleur = meilleur * 9 / 10;
  coupdebutchoisi = 1;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (gains[i] <= 0 || gains[i] < meilleur) continue;
      ecritdebug("etendsespionsverlecentre: " + std::to_string(l) + " " + std::to_string(c));
      ajoutecaseliste(l, c, candidats, cap);
      scores[i] += 500;
    }
}

}  // namespace

void extensionsdebutpartie(TPlateau& p, const TCarte& invasionfortejoueur, TCarte& scores, int32_t constante,
                           const TListePoints& ennemis, int32_t cap, TListePoints& candidats) {
  if (phasedebut == 0 || coupdebutchoisi != 0) return;
  const int32_t n = taillemoteur();
  const bool deficit = compteurinfluence2 < 0 && strategie == 2;
  if (testeextensions(p, deficit, invasionfortejoueur)) return;
  bool restreint = false;
  if (deficit) {
    restreint = testeextensions(p, false, invasionfortejoueur);
    masques = Masques{};
  }
  const TPlateau bo = gonfle(p, couleurjoueur), be = gonfle(p, couleurordi);
  TCarte xe = zerobonus, xo = zerobonus;
  bool fe = false, fo = false;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (!troisouquatre(i)) {
        xe[i] = xo[i] = HORSLIGNES;
        continue;
      }
      if (p[i] != VIDE) {
        xe[i] = xo[i] = OCCUPE;
        continue;
      }
      if (bo[i] == couleurjoueur)
        xe[i] = LIBERTEADVERSE;
      else if ((territoire[i] == couleurordi && !voisinhorsterritoire(couleurordi, l, c)) ||
               voisin8couleur(p, couleurordi, l, c))
        xe[i] = TENU;
      if (be[i] == couleurordi)
        xo[i] = LIBERTEADVERSE;
      else if ((territoire[i] == couleurjoueur && !voisinhorsterritoire(couleurjoueur, l, c)) ||
               voisin8couleur(p, couleurjoueur, l, c))
        xo[i] = TENU;
      fe |= xe[i] >= 0 && !masques.masque(i);
      fo |= xo[i] >= 0 && !masques.masque(i);
    }
  if (fe) boites(p, marquesliaison1, xe, couleurordi, couleurjoueur);
  if (fo) boites(p, marquesliaison2, xo, couleurjoueur, couleurordi);
  const TCarte xoinitial = xo;
  if (masques.drapeau)
    for (int32_t i = 0; i < NBCASES; ++i)
      if (masques.masque(i)) xe[i] = xo[i] = 0;
  const TCarte xeavant = xe;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (xeavant[i] <= 0) continue;
      const TVoisins& v = tablevoisins[i];
      for (int32_t k = 0; k < v.nbvoisins; ++k)
        if (xeavant[indexcase(v.voisins[k][0], v.voisins[k][1])] > xeavant[i]) xe[i] = 0;
    }
  bool pris = false;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (casescandidates[i] == 0 || essaiordi(l, c).plateauessai2[i] != 0 || xe[i] <= 0) continue;
      const bool menace = xoinitial[i] > 0 || zonevideatteintpositif(xoinitial, p, 2, l, c);
      if (restreint && !menace) continue;
      ajoutecaseliste(l, c, candidats, cap);
      coupdebutchoisi = 1;
      scores[i] += 100 * xe[i] + (menace ? 500 : 0);
      pris = true;
    }
  if (!pris) prisehochi2coinsennemis(p, scores, candidats, constante, ennemis, cap);
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (!troisouquatre(i) || casescandidates[i] == 0 || masques.vieetmort[i] != 0) continue;
      const TEssaiCoup& e = essaiordi(l, c);
      const int32_t libertes = e.infochaineessai[i][0];
      if (e.carte2essai[i] != 0 || libertes <= 3) continue;
      if (!(xo[i] == 0 || xe[i] > 0 || territoire[i] != couleurjoueur || libertes > 4)) continue;
      int32_t v = xo[i];
      const TVoisins& vs = tablevoisins[i];
      for (int32_t k = 0; k < vs.nbvoisins; ++k) v = std::max(v, xo[indexcase(vs.voisins[k][0], vs.voisins[k][1])]);
      if (v <= 0) continue;
      scores[i] += 50 * v;
      coupdebutchoisi = 1;
      ajoutecaseliste(l, c, candidats, cap);
      pris = true;
    }
  if (deficit && (flagouverture > 2 || testeextensions(p, false, invasionfortejoueur))) return;
  if ((deficit || flagouverture < 3) && !pris && coupdebutchoisi == 0) etendsespionsverlecentre(scores, candidats, cap);
}
