// Local window status and the small link test of the invasion attempts.
#include "engine/proposals/fenetre.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/territory/preparation.h"
#include "platform/platform.h"

namespace {

inline uint8_t autrecouleur(uint8_t c) { return c == NOIR ? BLANC : NOIR; }

// The walk of comptefenetre.
struct Comptage {
  const TPlateau& rempli;
  const TPlateau& avant;
  int32_t depart;
  int32_t& k1;
  int32_t& k2;
  TMarques vu = marquesvides;

  void visite(int32_t dir, int32_t r, int32_t c) {
    const int32_t x = ix(r, c);
    vu[x] = 1;
    const uint8_t k = rempli[x];
    const uint8_t o = k == NOIR ? BLANC : NOIR;  // an empty point counts as white
    if (territoire[x] == o || territoire2[x] == o) k2 += 5;
    else if (x != depart && territoire[x] == VIDE && territoire2[x] == VIDE) k1 += 1;
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t n = ix(r2, c2);
      if (vu[n]) return false;
      if (rempli[n] != k) {
        vu[n] = 1;
      } else if (infochaine[n][0] != 0) {
        // A stone that stood before the fill: its chain counts once.
        if (pionsmorts[n]) k2 += 5;
        else k1 += 1;
        marquepionschaine(avant, vu, 0, r2, c2);
      } else {
        visite(d2, r2, c2);
      }
      return false;
    });
  }
};

}  // namespace

void comptefenetre(const TPlateau& rempli, const TPlateau& avant, int32_t ligne, int32_t colonne, int32_t& k1,
                   int32_t& k2) {
  k1 = k2 = 0;
  Comptage w{rempli, avant, ix(ligne, colonne), k1, k2};
  w.visite(0, ligne, colonne);
}

void routefenetre(int32_t& resultat, uint8_t but, uint8_t bloquant, int32_t dir, int32_t colonne, int32_t ligne,
                  TMarques& vu, const TPlateau& copie) {
  const int32_t i = ix(ligne, colonne);
  vu[i] = 1;
  if (territoire[i] == but) {
    resultat = ARRETMARCHE;
    return;
  }
  pasvoisins(ligne, colonne, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (vu[j]) return false;
    if ((copie[j] != bloquant || infochaine[j][0] == 1) && territoire[j] != bloquant)
      routefenetre(resultat, but, bloquant, d2, c2, r2, vu, copie);
    return resultat == ARRETMARCHE;
  });
}

int32_t testfenetrefinal(const TListePoints& vides, const TPlateau& p, int32_t ligne, int32_t colonne,
                         int32_t& drapeau) {
  const uint8_t c = p[ix(ligne, colonne)];
  const uint8_t o = autrecouleur(c);
  // The stone is one more entry after the list's last.
  const int32_t n = nbpoints(vides);
  const auto entree = [&](int32_t k) {
    return k <= n ? TPoint{ligneliste(vides, k), colonneliste(vides, k)} : TPoint{ligne, colonne};
  };
  // Enemy stones next to the window, both inside and outside their territory, or nothing.
  bool sur = false, hors = false;
  for (int32_t k = 1; k <= n + 1; ++k) {
    const TPoint e = entree(k);
    pastable(e.ligne, e.colonne, [&](int32_t r, int32_t col) {
      const int32_t j = ix(r, col);
      if (p[j] == o) (territoire[j] == o ? sur : hors) = true;
      return false;
    });
  }
  if (!sur || !hors) return 0;
  // Territory of a copy prepared for c.
  TPlateau copie = p;
  prepareterritoire(1, copie, c, o);
  // Enemy chains with no way home cost 15 a stone, once each.
  TMarques comptes = marquesvides;
  for (int32_t k = 1; k <= n + 1; ++k) {
    const TPoint e = entree(k);
    const uint8_t bloquant = p[ix(e.ligne, e.colonne)];
    pastable(e.ligne, e.colonne, [&](int32_t r, int32_t col) {
      const int32_t j = ix(r, col);
      if (p[j] != o || territoire[j] != VIDE || comptes[j]) return false;
      TMarques vu = marquesvides;
      int32_t resultat = 0;
      routefenetre(resultat, o, bloquant, 0, col, r, vu, copie);
      if (resultat == 0) {
        int32_t pierres = 0;
        comptepionschaine(pierres, p, comptes, 0, r, col);
        drapeau += 15 * pierres;
      }
      return false;
    });
  }
  return 15;
}

void statutlocalfenetre(int32_t& resultat, uint8_t couleurarg, uint8_t camp, int32_t rayon, int32_t colonne,
                        int32_t ligne, int32_t& drapeau, TPlateau& p, uint8_t mode) {
  resultat = 0;
  const int32_t i = ix(ligne, colonne);
  const uint8_t c = p[i];
  if (c == VIDE) return;
  const uint8_t o = autrecouleur(c);
  // An attack mode looks at a dead stone too; otherwise a dead stone has no status.
  const bool attaque = mode != 0 && ((camp != 0 && strategie == 0) || (camp == 0 && strategie == 1));
  const bool casecouleur = couleurarg != 0 && camp != 0 && !pionsmorts[i];
  if (pionsmorts[i] && !attaque) return;
  // Lost enemy neighbours in atari are taken off; a live one in
  // atari has the stone's empty neighbours filled with its colour.
  const TPlateau plateauentree = p;
  const TInfoChaine chainesentree = infochaine;
  const TMarques mortsentree = pionsmorts;
  const auto remet = [&] {
    p = plateauentree;
    infochaine = chainesentree;
    pionsmorts = mortsentree;
  };
  EnSortie remetensortie(remet);
  bool atari = false;
  pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t col) {
    const int32_t j = ix(r, col);
    if (p[j] != o || infochaine[j][0] != 1) return false;
    atari = true;
    if (pionsmorts[j]) {
      retirechainetable2(p, r, col);
      p[j] = c;
      atari = false;
    }
    return false;
  });
  if (atari)
    pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t col) {
      if (p[ix(r, col)] == VIDE) p[ix(r, col)] = c;
      return false;
    });
  // The dead marks of the position.
  pionsmorts = pionsmortsbis;
  // A live friend in the window.
  int32_t lmin, lmax, cmin, cmax;
  bornesfenetre(ligne, colonne, rayon, lmin, lmax, cmin, cmax);
  if (!atari && !attaque && !casecouleur) {
    bool ami = false;
    for (int32_t r = lmin; r <= lmax && !ami; ++r)
      for (int32_t col = cmin; col <= cmax && !ami; ++col) {
        const int32_t j = ix(r, col);
        ami = j != i && p[j] == c && !pionsmorts[j];
      }
    if (!ami) return;
  }
  // The window's empty points.
  TListePoints vides;
  vides[0] = 0;
  videsdansfenetre(vides, CAPACITEFENETRE, p, lmin, lmax, cmin, cmax, ligne, colonne);
  // Random fills, alternately o and c; the last one or two points take o.
  const int32_t remplissages = niveau == 1 ? 100 : 500;
  const int32_t nb = nbpoints(vides);
  const TPlateau avant = p;
  int32_t total1 = 0, total2 = 0;
  int32_t indices[CAPACITEFENETRE], points[CAPACITEFENETRE];
  for (int32_t k = 0; k < nb; ++k) indices[k] = ix(ligneliste(vides, k + 1), colonneliste(vides, k + 1));
  for (int32_t f = 0; f < remplissages; ++f) {
    for (int32_t k = 0; k < nb; ++k) points[k] = indices[k];
    uint8_t couleur = o;
    int32_t reste = nb;
    for (; reste > 2; --reste) {
      const int32_t k = platform::Random(reste);
      p[points[k]] = couleur;
      points[k] = points[reste - 1];
      couleur = autrecouleur(couleur);
    }
    for (int32_t k = 0; k < reste; ++k) p[points[k]] = o;
    int32_t k1 = 0, k2 = 0;
    comptefenetre(p, avant, ligne, colonne, k1, k2);
    if (k1 > 0 || attaque || casecouleur) {
      total1 += k1;
      total2 += k2;
    }
    for (int32_t k = 0; k < nb; ++k) p[indices[k]] = VIDE;
  }
  // Position back.
  remet();
  // Too few points on average: no status, unless attacking.
  if (total1 < remplissages && !attaque && !casecouleur) return;
  // The final window test and the averages.
  drapeau = 0;
  resultat = testfenetrefinal(vides, p, ligne, colonne, drapeau) + total1 / remplissages + total2 / remplissages;
}

bool testliefortetfaible(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur) {
  bool fort = false, faible = false;
  pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == couleur) (territoire[j] == couleur ? fort : faible) = true;
    return false;
  });
  return fort && faible;
}
