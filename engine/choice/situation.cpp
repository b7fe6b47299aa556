// Game-situation terms: who is ahead once komi, prisoners, dead stones and
// the undecided points are counted, how much room the opponent has left, the
// value of a trial move from what it kills and saves, and double threats.
#include "engine/choice/situation.h"

#include <cmath>

#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/lienvivant.h"
#include "engine/reading/prise.h"

namespace {

// Scratch of the terms.
TMarques liees_;
TMarques vu_;
TPlateau copie_;

// Stones of chains linked to their own territory by a diagonal or a jump,
// whole chains marked 1 (read by the consolidation balance).
TMarques& lieesparsaut(const TPlateau& p) {
  TMarques& liees = liees_;
  liees = marquesvides;
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] == VIDE || territoire[i] != VIDE || pionsmorts[i] || liees[i]) continue;
      if (pionlieauterritoireparsaut(p, r, c, p[i], static_cast<uint8_t>(1 - p[i])))
        marquepionschaine(p, liees, 0, r, c);
    }
  return liees;
}

}  // namespace

bool sanssignecouleur(int32_t r, int32_t c, uint8_t x) {
  const int32_t i = indexcase(r, c);
  if (influence[i] == x || territoire2[i] == x) return false;
  return !pas4(r, c, ORDREPREDICATS, [&](int32_t r2, int32_t c2) {
    const int32_t j = indexcase(r2, c2);
    return influence[j] == x || territoire[j] == x || territoire2[j] == x;
  });
}

void consolidationgagnant(int32_t& points, const TCarte& valeurs, const TPlateau& p, int32_t blancs, int32_t noirs,
                          uint8_t autre, uint8_t m) {
  (void)autre;
  strategie = 2;
  points = 0;
  if (numerocoup <= 3) return;
  const TMarques& liees = lieesparsaut(p);
  const int32_t n = taillemoteur();
  // Undecided points: nW and nB may still go to white and black, wB and wW
  // are the stones of each colour with no owned neighbour.
  int32_t nw = 0, nb = 0, wb = 0, ww = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (territoire[i] != VIDE || liees[i]) continue;
      if (p[i] == VIDE) {
        if (((m == NOIR || influence[i] == BLANC) && voisinvideterritoirestable(NOIR, r, c)) ||
            sanssignecouleur(r, c, NOIR))
          ++nw;
        if (((m == BLANC || influence[i] == NOIR) && voisinvideterritoirestable(BLANC, r, c)) ||
            sanssignecouleur(r, c, BLANC))
          ++nb;
      } else if (!pionsmorts[i]) {
        if (p[i] == NOIR && voisinvideterritoirestable(NOIR, r, c)) wb += 2;
        if (p[i] == BLANC && voisinvideterritoirestable(BLANC, r, c)) ww += 2;
      } else if (valeurs[i] == 0) {
        if (p[i] == NOIR && voisinvideterritoirestable(NOIR, r, c)) ++nw;
        if (p[i] == BLANC && voisinvideterritoirestable(BLANC, r, c)) ++nb;
      }
    }
  const int32_t total = nw + nb + wb + ww;
  if (m == NOIR) ww = 0;
  else wb = 0;
  // Dead stones.
  int32_t dw = 0, db = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (!pionsmorts[i]) continue;
      if (p[i] == NOIR && valeurs[i] < 1) ++dw;
      if (p[i] == BLANC && valeurs[i] >= 0) ++db;
    }
  const int32_t B = noirs + prisonniersnoir + db;
  const int32_t W = blancs + prisonniersblanc + dw;
  const double komi = configmoteur.komi;
  if (m == NOIR) {
    bilanentier = B - W - static_cast<int32_t>(std::trunc(komi + 1.0));
    if (B > W + nw + wb + komi) strategie = 1;
    else if (B + nb + ww < W + komi) strategie = 0;
    if (strategie != 1) points = static_cast<int32_t>(std::trunc(komi)) + 2 * wb - B + W + nw + 1;
    bilanscore = B - (W + nw + wb + komi);
  } else {
    // White's mirror of Black's rules: ahead only by more than the other
    // side (the komi rounded down), one point beyond the gap needed.
    bilanentier = static_cast<int32_t>(std::ceil(komi)) - 1 + W - B;
    if (W + komi > B + nb + ww) strategie = 1;
    else if (W + nw + wb + komi < B) strategie = 0;
    if (strategie != 1) points = 2 * ww + B + nb - W - static_cast<int32_t>(std::trunc(komi)) + 1;
    bilanscore = (W + komi) - (B + nb + ww);
  }
  if (strategie == 0) {
    enretard = 1;
    if (bilanscore < 0 && total < std::fabs(bilanscore)) flagattaque = 1;
  }
  if (strategie == 1 && bilanscore > 5.0) {
    flagconsolide = 1;
    ecritdebug("je GAGNE a fond il faut que je me consolide");
  }
}

void testmoinsde20pcvides(const TPlateau& p, const TCartesParPoint& mortsessaijoueur, uint8_t c, uint8_t o) {
  cartevides = videsennemis;
  const int32_t n = taillemoteur();
  int32_t reste = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t col = 1; col <= n; ++col) {
      const int32_t i = indexcase(r, col);
      if (cartevides[i] != VIDE || p[i] != VIDE || !voisinvideterritoirestable(c, r, col)) continue;
      if (!casescandidatesjoueur[i] || mortsessaijoueur[r - 1][col - 1][i]) continue;
      ++reste;
      cartevides[i] = o;
    }
  moinsde20pcvides = static_cast<double>(reste) < static_cast<double>(n * n) * 20.0 / 100.0 ? 1 : 0;
  if (moinsde20pcvides) ecritdebug("il reste moins de 20% de vides pour enemi");
}

void reduitzoneinvasion(TMarques& zone, uint8_t c) {
  if (strategie != 1) return;
  if (passesconsecutives != 0) {
    zone = marquesvides;
    return;
  }
  for (int32_t i = 0; i < NBCASES; ++i)
    if (zone[i] > 0 && zone[i] < 30 && territoire[i] != c && territoire2[i] != c) zone[i] = 0;
}

int32_t valeurcoupessai(const TPrisesMarquees& prises, uint8_t mode, int32_t ligne, int32_t colonne,
                        const TPlateau& p, uint8_t couleur, uint8_t adverse, uint8_t& tue, uint8_t& sauve,
                        const TMarques& avant, const TMarques& apres) {
  TEssaiCoup& rec = mode ? essaiordi(ligne, colonne) : essaijoueur(ligne, colonne);
  rec.gainmoyoordi = 0;
  rec.gainmoyojoueur = 0;
  const int32_t iq = indexcase(ligne, colonne);
  const uint8_t x = adverse;  // the colour whose stones the move attacks
  const int32_t nprises = prises[0];
  const bool dansx = territoire[iq] == x || (nprises > 0 && classevoisins(p, ligne, colonne, couleur, x));
  const int32_t k = dansx && !pionsmorts[iq] ? 10 : 6;
  if (passesconsecutives != 0 && territoire[iq] == x && (mode == 0 || strategie == 1)) return 0;
  int32_t valeur = 0, tues = 0, sauves = 0;
  bool premier = false;
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      const bool mort = pionsmorts[i] != 0;
      if (p[i] == x) {
        bool tuee = false;
        if (mort && !avant[i]) {
          valeur += k;
          premier = true;
          tue = 1;
          tuee = true;
          rec.marquesessai[i] |= 2;
        } else if (mort && !apres[i]) {
          tuee = true;
        } else if (!mort && apres[i]) {
          valeur -= 3;
        }
        if (tuee) {
          ++tues;
          // The killed stone's own trial records (the trials at its point):
          // the flag 0x80 of one goes into both.
          uint8_t& o = essaiordi(r, c).marquesessai[i];
          uint8_t& j = essaijoueur(r, c).marquesessai[i];
          if ((o | j) & 0x80) {
            o |= 0x80;
            j |= 0x80;
          }
        }
      } else if (p[i] == couleur) {
        if (!mort && apres[i]) {
          valeur += 3;
          sauve = 1;
          ++sauves;
          rec.marquesessai[i] |= 0x20;
        } else if (mort && !avant[i]) {
          valeur -= 6;
        }
      }
    }
  if (mode == 1 && valeur > 0 && !premier && strategie != 0) {
    valeur = 0;
    sauve = 0;
  }
  if (k == 10 && valeur > 0) valeur += 10;
  if (nprises > 0 && !avant[indexcase(prises[3], prises[4])]) valeur += nprises * k;
  rec.gainmoyoordi = tues;
  rec.gainmoyojoueur = sauves;
  return valeur;
}

namespace {

// Contract of fourchettedattaque: the mover's stone stands at (ligne,
// colonne) of `p`. The enemy chains next to it (table neighbours of colour
// x, not marked dead, each chain once) with one or two liberties are the
// threatened ones: a chain in atari counts at once, a chain of two
// liberties counts when the capture reading, the defender to move, still
// takes it (depth `profondeur`, liberty limit 3). Two or more threatened
// chains make a fork: the point is marked in `menaces` and the count grows.
// The reading works on a copy; board, infochaine and pionsmorts come back.
void fourchettedattaque(uint8_t mode, int32_t ligne, int32_t colonne, int32_t largeur, int32_t profondeur,
                        TMarques& menaces, int32_t& fourchettes, const TPlateau& p) {
  const int32_t iq = indexcase(ligne, colonne);
  const uint8_t moi = p[iq];
  if (moi == VIDE) return;
  const uint8_t x = static_cast<uint8_t>(1 - moi);
  TMarques& vu = vu_;
  TPlateau& copie = copie_;
  vu = marquesvides;
  int32_t menacees = 0;
  int32_t lus = 0;
  pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t i = indexcase(r, c);
    if (p[i] != x || pionsmorts[i] || vu[i]) return false;
    marquepionschaine(p, vu, 0, r, c);
    const int32_t libertes = infochaine[i][0];
    if (libertes == 1) ++menacees;
    else if (libertes == 2 && lus < largeur) {
      ++lus;
      copie = p;
      if (testprise(copie, r, c, profondeur, 3, moi, TPoint{})) ++menacees;
    }
    return false;
  });
  if (menacees < 2) return;
  menaces[iq] = 1;
  ++fourchettes;
  ecritdebug(mode ? "FOURCHETTE D ATTAQUE pour ordi: " : "FOURCHETTE D ATTAQUE pour joueur: ");
}

}  // namespace

int32_t cherchefourchettes(uint8_t mode, int32_t ligne, int32_t colonne, int32_t largeur, int32_t profondeur,
                           TMarques& menaces, int32_t& fourchettes, TPlateau& p) {
  if (niveau == 1) return 0;
  bool urgent = false;
  if (mode == 0) {
    if (passesconsecutives != 0) return 0;
    urgent = strategie == 1 && bilanscore > 5.0;
  } else {
    if (strategie == 1 && (passesconsecutives != 0 || bilanscore > 10.0)) return 0;
    urgent = strategie == 0 && bilanscore < -5.0;
  }
  const int32_t iq = indexcase(ligne, colonne);
  const uint8_t moi = p[iq];
  if (moi == VIDE) return 0;
  const uint8_t x = static_cast<uint8_t>(1 - moi);
  const TEssaiCoup& rec = mode ? essaiordi(ligne, colonne) : essaijoueur(ligne, colonne);
  const TMarques morts = pionsmorts;
  const Restaure<TMarques> garde(pionsmorts);
  const bool mort = morts[iq] != 0;
  const bool bordterritoire = territoire[iq] == VIDE && voisindeterritoire(moi, ligne, colonne) && rec.gainmoyoordi > 0;
  if (!bordterritoire) {
    if (!urgent) {
      if (mort) return 0;
      const bool possedee = territoire[iq] == NOIR || territoire[iq] == BLANC || territoire2[iq] == NOIR ||
                            territoire2[iq] == BLANC;
      if (!possedee && !deuxchainesfaiblesterritoire(p, x, ligne, colonne)) return 0;
    } else {
      if (!deuxchainesfaiblesvoisines(p, x, ligne, colonne)) return 0;
      if (mort) {
        TPlateau& copie = copie_;
        copie = p;
        if (testprise(copie, ligne, colonne, profondeur, paramniveaub + 2, moi, TPoint{})) return 0;
      }
    }
  }
  const int32_t k = (mode == 0 && !mort) ? 10 : 6;
  int32_t valeur = 0;
  if (rec.marquesessai[iq] & 1) {
    const int32_t n = taillemoteur();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (p[i] != x || !(rec.marquesessai[i] & 1) || morts[i]) continue;
        if (infochaine[i][0] > 1 || aucunennemiatari(p, r, c)) {
          valeur += k;
          menaces[i] = 1;
        }
      }
  }
  if (valeur > 0) {
    if (mode == 0 && !mort) valeur += 10;
    if (urgent && mort) valeur += 6;
  }
  fourchettedattaque(mode, ligne, colonne, largeur, profondeur, menaces, fourchettes, p);
  return valeur;
}
