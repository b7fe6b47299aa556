// Candidate adjustment terms of unit bonus: what a candidate or a line of
// play does to the enemy chains beside it, to the weak chains, to the stones
// it kills and saves, to forced answers and to the readings around it.
#include <algorithm>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/choice/bonus.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lectureliaison.h"
#include "engine/proposals/invasionvivante.h"
#include "engine/reading/coupforce.h"
#include "engine/reading/deuxyeux.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/marquagemorts.h"
#include "engine/reading/prise.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/seki.h"

namespace {

inline bool proche(TPoint a, TPoint b, int32_t n) {
  return std::abs(a.ligne - b.ligne) <= n && std::abs(a.colonne - b.colonne) <= n;
}

struct Brouillon {
  TPlateau copie;
  TMarques vu, vu2, masque;
  TListePoints l, l2;
};
Brouillon brouillon_;
Brouillon& brouillon() { return brouillon_; }

}  // namespace

void bonusvoisinsennemis(TPlateau& p, int32_t& valeur, uint8_t m, int32_t mode, int32_t ligne, int32_t colonne,
                         int32_t) {
  const int32_t q = ix(ligne, colonne);
  const uint8_t k = p[q];
  const uint8_t o = k == NOIR ? BLANC : NOIR;
  if (territoire[q] == k) return;
  bool trouve = false;
  pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == o && infochaine[j][0] == 1 && !pionsmorts[j]) trouve = true;
    return trouve;
  });
  if (!trouve) return;
  if (territoire[q] != o) {
    if (pionsmorts[q] || infochaine[q][0] == 1) return;
    valeur += k == m ? 15 : -15;
    return;
  }
  if (mode == 0 && (pionsmorts[q] || infochaine[q][0] == 1)) return;
  valeur += k == m ? 25 : -25;
}

int32_t bonusmortssauvesessai(TPlateau& p, int32_t& valeur, uint8_t k, TPoint q, TPoint r) {
  if (!reel(q)) return 0;
  const TEssaiCoup& eq = essaiordi(q.ligne, q.colonne);
  const auto actif = [](const TEssaiCoup& e) {
    return e.nbtuesessai != 0 && e.compteur5essai != 0 && (e.compteur1essai != 0 || e.nbprisesessai != 0);
  };
  if (!actif(eq)) return 0;
  const TEssaiCoup* er = reel(r) ? &essaiordi(r.ligne, r.colonne) : nullptr;
  if (er && !actif(*er)) return 0;
  int32_t n = 0;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (plateaudepart[i] != k || pionsmortsbis[i]) continue;
    if (p[i] == k) {
      const bool carte = er ? (er->carte3essai[i] && eq.carte2essai[i]) : eq.carte3essai[i] != 0;
      if (pionsmorts[i] && carte) ++n;
    } else if (!pionsmorts[i]) {
      ++n;
    }
  }
  if (n == 0) return 0;
  const int32_t v = (eq.compteur5essai + n) * 5;
  valeur += v;
  return v;
}

void bonusfaiblesliees(TPlateau& p, int32_t& valeur, uint8_t k, TPoint premier, int32_t a, int32_t b, int32_t stocke,
                       uint8_t genre) {
  if (!reel(premier)) return;
  const int32_t n = taillemoteur();
  Brouillon& br = brouillon();
  br.vu = marquesvides;
  int32_t compte = 0;
  for (int32_t r = std::max(1, premier.ligne - 1); r <= std::min(n, premier.ligne + 1); ++r)
    for (int32_t c = std::max(1, premier.colonne - 1); c <= std::min(n, premier.colonne + 1); ++c) {
      const int32_t j = ix(r, c);
      if (p[j] == k && lesfaibles[j] && !pionsmorts[j] && !br.vu[j]) comptepionschaineliee(compte, p, br.vu, r, c);
    }
  if (br.vu[ix(premier)] && p[ix(premier)] == k) --compte;
  const int32_t nn = 20 * compte;
  int32_t terme = 0;
  if (a == 0 && b == 0) terme = std::max(nn, stocke);
  else if (nn - a - b > 0 || stocke - a - b > 0) terme = std::max(nn - a - b, stocke - a - b);
  if (genre == 1 || genre == 3) terme /= 2;
  valeur += terme;
}

void bonusfaibles(TPlateau& p, int32_t& valeur, uint8_t c1, uint8_t c2) {
  if (maxsurvie > 2 || flagterritoire > 2) return;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (lesfaibles[i] == 0) continue;
    if (c1 == c2) {
      if (p[i] == c1 && !pionsmorts[i]) valeur += 5;
    } else if (!(p[i] == c2 && !pionsmorts[i])) {
      valeur -= 5;
    }
  }
}

void ajustevaleurcandidat(TPlateau& p, int32_t& valeur, const int32_t& v, int32_t f, int32_t g, TPoint candidat,
                          TPoint r, uint8_t a, uint8_t b, uint8_t k, const TPlateau& second) {
  if (v < 0 || !reel(candidat) || !reel(r)) return;
  const int32_t ip = ix(candidat), ir = ix(r);
  if (a != b) {
    if (v == 0) {
      if (f < 1 && (pionsmorts[ir] || p[ir] != a)) return;
      if (p[ip] == k && !pionsmorts[ip]) return;
      if (pionsmortsbis[ip]) return;
      valeur += g;
    } else if (f == 0) {
      if (p[ir] != a) valeur -= 2 * v / 3;
      else if (pionsmorts[ir]) valeur -= v / 2;
      else if (p[ip] == k && ((pionsmortsbis[ip] && !pionsmorts[ip]) || second[ir] == 1)) valeur -= v / 3;
    }
  } else if (v >= 1 && f == 0 && pionsmortsbis[ip] && !pionsmorts[ip] && p[ip] == k) {
    valeur -= v / 2;
  }
}

void effacecartebonus(TCarte& carte) {
  // The display hook sees pionsmortsbis in pionsmorts; it shows nothing.
  const Restaure<TMarques> garde(pionsmorts);
  pionsmorts = pionsmortsbis;
  carte = zerobonus;
}

void bonusstrategiecoup(TPlateau& p, int32_t& valeur, int32_t a, int32_t b, int32_t genre, TPoint q, TPoint precedent) {
  if (!reel(q)) return;
  if (passesconsecutives != 0 && strategie == 1) return;
  const int32_t iq = ix(q);
  const uint8_t c = p[iq];
  if (reel(precedent) && proche(precedent, q, 2) && p[ix(precedent)] != VIDE &&
      zonefermee(p, autre(p[ix(precedent)]), p[ix(precedent)], precedent.ligne, precedent.colonne))
    return;
  if (strategie == 1 && genre == 2 && pionsmorts[iq] && passesconsecutives == 0 && bilanscore > 5.0 && c != VIDE) {
    Brouillon& br = brouillon();
    br.copie = p;
    const TInfoChaine chaines = infochaine;
    const bool pris = testprise(br.copie, q.ligne, q.colonne, 8, 2, c, TPoint{});
    infochaine = chaines;
    if (!pris) {
      valeur -= a;
      return;
    }
  }
  if (pionsmorts[iq] || c == VIDE) return;
  if (strategie == 1 && genre == 2) valeur -= a + b + 30;
  else if (strategie == 2 && genre == 3) valeur -= a + b + 10;
  else if (strategie == 0 && genre == 3) valeur -= a;
}

void pointkocourant(TPoint& sortie) { sortie = pointko; }

void bonuscartesdeuxcoups(TPlateau& p, int32_t& valeur, const TCarte& a, const TCarte& b, uint8_t k,
                          const TCheminCoups& chemin) {
  if (chemin.nombre >= 1) {
    const TPoint q = chemin.coups[1].coup;
    if (reel(q) && p[ix(q)] == k && !pionsmorts[ix(q)]) valeur += a[ix(q)];
  }
  if (chemin.nombre >= 2) {
    const TPoint q = chemin.coups[2].coup;
    if (reel(q) && p[ix(q)] == autre(k) && !pionsmorts[ix(q)]) valeur -= b[ix(q)];
  }
}

int32_t bonuscapturesligne(TPlateau& p, int32_t& valeur, uint8_t c, const TCheminCoups& chemin,
                           const TMarques& premiere, const TMarques& seconde, int32_t depuis) {
  const uint8_t o = autre(c);
  Brouillon& br = brouillon();
  for (int32_t k = std::max(1, depuis); k <= chemin.nombre - 1 && k < COUPSCHEMINMAX; ++k) {
    const TListePoints& pr = chemin.coups[k].prises;
    // A record is flagged when the move took exactly one stone.
    if (nbpoints(pr) != 1) continue;
    const TPoint x{ligneliste(pr, 1), colonneliste(pr, 1)};
    const TPoint suivant = chemin.coups[k + 1].coup;
    if (!reel(suivant) || suivant.ligne != x.ligne || suivant.colonne != x.colonne) continue;
    const int32_t ixx = ix(x);
    const int32_t compte = nbpoints(pr);
    if (k % 2 == 0) {
      if (p[ixx] != c || infochaine[ixx][0] == 1 || pionsmorts[ixx]) continue;
      int32_t pertes = 0;
      for (int32_t i = 0; i < NBCASES; ++i)
        if (p[i] == o && plateaudepart[i] == o && carteattaque[i] && premiere[i] && !pionsmorts[i]) ++pertes;
      if (compte - pertes >= 0) {
        valeur += 2000;
        return k;
      }
    } else {
      int32_t reste;
      if (p[ixx] == o && (infochaine[ixx][0] == 1 || pionsmorts[ixx])) {
        int32_t pierres = 0;
        br.vu = marquesvides;
        comptepionschaine(pierres, p, br.vu, 0, x.ligne, x.colonne);
        reste = compte - pierres;
      } else if (p[ixx] == VIDE) {
        reste = compte - nbpoints(chemin.coups[k + 1].prises);
      } else {
        continue;
      }
      int32_t gardes = 0;
      for (int32_t i = 0; i < NBCASES; ++i)
        if (p[i] == c && plateaudepart[i] == c && pionsmortsbis[i] && !pionsmorts[i] && seconde[i]) ++gardes;
      if (reste - gardes >= 0) {
        valeur -= 2000;
        return k;
      }
    }
  }
  return 0;
}

void bonuscaptureslignes(TPlateau& p, int32_t& valeur, uint8_t c, const TCheminCoups& chemin,
                         const TMarques& premiere, const TMarques& seconde) {
  for (int32_t fois = 0, k = 0; fois < 3; ++fois)
    if ((k = bonuscapturesligne(p, valeur, c, chemin, premiere, seconde, k + 1)) == 0) return;
}

void bonusdeuxyeuxcoupure(TPlateau& p, int32_t& valeur, TPoint p1, TPoint p2, int32_t genre, uint8_t drapeau,
                          int32_t v, int32_t w, uint8_t k, uint8_t& resultat, uint8_t saut, int32_t& sortie) {
  if (!reel(p1) || !reel(p2)) return;
  if (genre == 3 && drapeau == 1 && proche(p1, p2, 1)) {
    resultat = static_cast<uint8_t>(-1);
    return;
  }
  Brouillon& br = brouillon();
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const int32_t i1 = ix(p1), i2 = ix(p2);
  br.copie = p;
  const TInfoChaine chaines = infochaine;
  // Stones linked to p1 with p2 taken empty.
  br.vu = marquesvides;
  p[i2] = VIDE;
  if (p[i1] != VIDE) metlachainelieen2coupatest1(p, br.vu, p1.ligne, p1.colonne);
  // Stones linked to p2 (holding k) with p1 taken empty.
  p[i1] = VIDE;
  p[i2] = k;
  if (genre == 3)
    pastable(p2.ligne, p2.colonne, [&](int32_t r, int32_t c) {
      if (p[ix(r, c)] == VIDE) p[ix(r, c)] = k;
      return false;
    });
  br.vu2 = marquesvides;
  metlachainelieen2coupatest1(p, br.vu2, p2.ligne, p2.colonne);
  p = br.copie;
  int32_t n = 0, m = 0;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (br.vu2[i] && marquessurvie[i]) {
      ++n;
      if (br.vu[i]) ++m;
    }
  if (m == 0) return;
  infochaine = chaines;
  if (p[i1] != VIDE && testdeuxyeuxpossible(p, p1.ligne, p1.colonne, 0)) {
    if (!saut) {
      valeur -= v;
      sortie = v;
    }
    valeur -= m * w / n;
    resultat = 1;
  } else {
    resultat = static_cast<uint8_t>(-1);
  }
}

void bonuslibertescoup(TPlateau& p, int32_t& valeur, uint8_t x, TPoint q, TPoint r, TCarte& carte,
                       const TCarte& plafond) {
  if (!reel(q)) return;
  const int32_t iq = ix(q);
  if (p[iq] == VIDE || infochaine[iq][0] < 2) return;
  Brouillon& br = brouillon();
  br.vu = marquesvides;
  TListePoints& l = br.l;
  l[0] = 0;
  const TEssaiCoup* er = reel(r) ? &essaiordi(r.ligne, r.colonne) : nullptr;
  const auto protege = [&](int32_t j) { return marquesliaison1[j] && er && er->plateauessai2[j]; };
  const bool qmort = pionsmorts[iq] != 0;
  const Restaure<TMarques> gardemorts(pionsmorts);
  pastable(q.ligne, q.colonne, [&](int32_t rr, int32_t cc) {
    const int32_t j = ix(rr, cc);
    if (p[j] != x || br.vu[j]) return false;
    if (protege(j)) return false;
    if (!pionsmorts[j] && !pionsmorts[iq] && infochaine[j][0] <= paramniveaub) {
      marquepionschaine(p, br.vu, 0, rr, cc);
      empilepoint(l, 4, rr, cc);
    } else if (pionsmorts[j]) {
      marquechaine(p, rr, cc);
    }
    return false;
  });
  if (nbpoints(l) < 2) return;
  int32_t prenables = 0, pierres = 0;
  const int32_t total = nbpoints(l);
  for (int32_t k = 1; k <= total; ++k) {
    if (prenables + (total - k + 1) < 2) break;
    const int32_t rr = ligneliste(l, k), cc = colonneliste(l, k);
    br.copie = p;
    const TInfoChaine chaines = infochaine;
    const bool pris = testprise(br.copie, rr, cc, profondeurlecture, paramniveaub, p[iq], TPoint{});
    infochaine = chaines;
    if (pris) {
      ++prenables;
      br.vu2 = marquesvides;
      comptepionschaine(pierres, p, br.vu2, 0, rr, cc);
    }
  }
  if (prenables < 2) return;
  const int32_t v = qmort ? 5 * pierres : 10 * pierres;
  valeur -= v;
  if (reel(r)) carte[ix(r)] = std::max(carte[ix(r)], std::min(v, plafond[ix(r)]));
}

void bonusreprisevoisins(TPlateau& p, int32_t& valeur, const TCarte& v, uint8_t a, uint8_t b, TPoint q) {
  if (!flagfortifjoueur || !reel(q)) return;
  const int32_t iq = ix(q);
  if (pionsmorts[iq]) return;
  int32_t meilleur = v[iq];
  Brouillon& br = brouillon();
  TMarques& marques = br.vu;
  marques = marquesvides;
  if (p[iq] != VIDE) libertesmarquees(p, p[iq], marques, 0, q.ligne, q.colonne);
  const int32_t n = taillemoteur();
  for (int32_t r = std::max(1, q.ligne - 1); r <= std::min(n, q.ligne + 1); ++r)
    for (int32_t c = std::max(1, q.colonne - 1); c <= std::min(n, q.colonne + 1); ++c) {
      const int32_t j = ix(r, c);
      if (j == iq) continue;
      if (p[j] == b && infochaine[j][0] < 4) libertesmarquees(p, b, marques, 0, r, c);
      else if (v[j] > 0 && !marques[j]) marqueregion(v, marques, 0, r, c);
    }
  const TEssaiCoup& rec = essaiordi(q.ligne, q.colonne);
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (!marques[j] || j == iq || p[j] != VIDE || v[j] <= 0) continue;
      br.l[0] = 0;
      jouecoup(br.l, NBCASES, p, r, c, a, b);
      if (p[j] == a && infochaine[j][0] < 4 &&
          testprise(p, r, c, std::max(1, profondeurlecture - 2), 3, a, TPoint{}))
        meilleur = std::max(meilleur, v[j]);
      p = rec.plateauessai;
      infochaine = rec.infochaineessai;
    }
  if (meilleur > 0) valeur += meilleur;
}

int32_t bonusliaisonsurvie(TPlateau& p, int32_t genre, TPoint q, const TListePoints& prises, const TCarte& survie) {
  if (genre < 4 || genre > 6 || !reel(q)) return 0;
  const int32_t iq = ix(q);
  const uint8_t c = p[iq];
  if (c == VIDE) return 0;
  Brouillon& br = brouillon();
  const TEssaiCoup& adverse = essaijoueur(q.ligne, q.colonne);
  if (genre == 4) {
    if (nbpoints(prises) == 0) {
      if (!pionlieachainetest1(p, marquessurvie, q.ligne, q.colonne) ||
          pionlieachainetest1(p, listesurvie, q.ligne, q.colonne))
        return 0;
      if (adverse.flagessai1) {
        br.copie = p;
        const TInfoChaine chaines = infochaine;
        const bool lie = peutlierachaine(br.copie, marquesvides, marquesvides, marquessurvie, 1, q.ligne, q.colonne,
                                         pointko);
        infochaine = chaines;
        if (!lie) return 0;
      }
    }
  } else if (genre == 5) {
    if (!pionlieachainetest1(p, marquessurvie, q.ligne, q.colonne)) return 0;
  } else if (pionsmorts[iq] || infochaine[iq][0] <= 2) {
    return 0;
  }
  // The chains of c next to the captured stones.
  TMarques& marques = br.vu;
  marques = marquesvides;
  const int32_t np = nbpoints(prises);
  if (np == 1 && infochaine[iq][1] == 1) {
    metlachainelieen2coupatest1(p, marques, q.ligne, q.colonne);
  } else {
    for (int32_t k = 1; k <= np; ++k)
      pas4(ligneliste(prises, k), colonneliste(prises, k), ORDREPREDICATS, [&](int32_t r, int32_t cc) {
        if (p[ix(r, cc)] == c && !marques[ix(r, cc)]) metlachainelieen2coupatest1(p, marques, r, cc);
        return false;
      });
    if (np == 0) metlachainelieen2coupatest1(p, marques, q.ligne, q.colonne);
  }
  int32_t n = 0;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (marques[i] && p[i] == c && marquessurvie[i] && !pionsmorts[i]) ++n;
  int32_t v = 20 * n - survie[iq];
  if (v < 0) v = 0;
  // Contract of the closing reading: when the opponent's trial at q keeps
  // chains of its own and its reinforcement family is on, the value is
  // halved as soon as one survival chain of two liberties or fewer can
  // still be taken after the move.
  if (v > 0 && adverse.compteur2essai != 0 && flagfortifjoueur) {
    br.vu2 = marquesvides;
    for (int32_t r = 1; r <= taillemoteur() && v > 0; ++r)
      for (int32_t cc = 1; cc <= taillemoteur(); ++cc) {
        const int32_t i = ix(r, cc);
        if (!listesurvie[i] || p[i] != c || br.vu2[i] || infochaine[i][0] > 2) continue;
        marquepionschaine(p, br.vu2, 0, r, cc);
        br.copie = p;
        const TInfoChaine chaines = infochaine;
        const bool pris = testprise(br.copie, r, cc, profondeurlecture, paramniveaub, autre(c), TPoint{});
        infochaine = chaines;
        if (pris) {
          v /= 2;
          r = taillemoteur() + 1;
          break;
        }
      }
  }
  return v;
}

void bonuspierresprenables(TPlateau& p, int32_t& valeur, int32_t v, uint8_t couleur, TPoint q, TPoint reponse) {
  if (!reel(q)) return;
  if (passesconsecutives != 0 && strategie == 1) return;
  bool perdu = false;
  pastable(q.ligne, q.colonne, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == couleur && pionsmorts[j] && !marquesliaison1[j]) perdu = true;
    if (plateaudepart[j] == couleur && p[j] != couleur) perdu = true;
    return perdu;
  });
  if (perdu) {
    valeur -= v;
    return;
  }
  if (!reel(reponse) || !proche(reponse, q, 1)) return;
  Brouillon& br = brouillon();
  const TVoisins& voisins = tablevoisins[ix(q)];
  // Every capturable chain costs v; the last neighbour is read only after a
  // capturable one.
  bool unpris = false;
  br.vu = marquesvides;
  for (int32_t k = 0; k < voisins.nbvoisins; ++k) {
    const int32_t r = voisins.voisins[k][0], c = voisins.voisins[k][1];
    const int32_t j = ix(r, c);
    if (k == voisins.nbvoisins - 1 && !unpris) break;
    if (p[j] != couleur || plateaudepart[j] != couleur || pionsmorts[j] || marquesliaison1[j] || br.vu[j]) continue;
    marquepionschaine(p, br.vu, 0, r, c);
    br.copie = p;
    const TInfoChaine chaines = infochaine;
    const bool pris =
        testprise(br.copie, r, c, std::max(1, profondeurlecture - 1), paramniveaub + 2, couleur, TPoint{});
    infochaine = chaines;
    if (pris) {
      valeur -= v;
      unpris = true;
    }
  }
}

void bonuscoupforceordi(TPlateau& p, int32_t& valeur, TPoint q, int32_t seuil) {
  if (niveau < 5 || !reel(q)) return;
  Brouillon& br = brouillon();
  TMarques& masque = br.masque;
  masque = marquesvides;
  for (int32_t r = 1; r <= taillemoteur(); ++r)
    for (int32_t c = 1; c <= taillemoteur(); ++c) {
      const int32_t i = ix(r, c);
      if (casescandidatesjoueur[i] && essaijoueur(r, c).flagessai2 && p[i] == VIDE) masque[i] = 1;
    }
  if (p[ix(q)] == VIDE) return;
  const int32_t f = cherchecoupforce(p, essaiordi(q.ligne, q.colonne).plateauessai2, q.ligne, q.colonne, 4, masque, 1);
  if (f >= 1) {
    valeur -= f;
    if (f > seuil) valeur -= 5 * (f - seuil);
  }
}

void bonuscoupforcejoueur(TPlateau& p, int32_t& valeur, TPoint q, const TCarte& v, int32_t longueur) {
  if (niveau < 5 || longueur <= 0 || !reel(q)) return;
  Brouillon& br = brouillon();
  TMarques& masque = br.masque;
  masque = marquesvides;
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (casescandidatesjoueur[i] && essaijoueur(r, c).flagessai2 && p[i] == VIDE) masque[i] = 1;
    }
  const TMarques& w = essaiordi(q.ligne, q.colonne).plateauessai2;
  int32_t meilleur = 0;
  const uint8_t o = autre(couleurjoueur);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (!casescandidatesjoueur[i] || v[i] <= 0) continue;
      if (p[i] == VIDE) {
        const TPlateau avant = p;
        const TInfoChaine chaines = infochaine;
        br.l[0] = 0;
        jouecoup(br.l, NBCASES, p, r, c, couleurjoueur, o);
        if (p[i] == couleurjoueur) {
          const int32_t f = cherchecoupforce(p, w, r, c, 4, masque, 0);
          if (f < v[i]) meilleur = std::max(meilleur, v[i] - f);
        }
        p = avant;
        infochaine = chaines;
      } else if (p[i] == couleurjoueur || (p[i] == couleurordi && !pionsmorts[i])) {
        meilleur = std::max(meilleur, v[i]);
      }
    }
  if (meilleur > 0) valeur += meilleur;
}

void bonuslecturezone(TPlateau& p, int32_t& s, uint8_t k, TPoint q) {
  if (!reel(q)) return;
  const TEssaiCoup& rec = essaiordi(q.ligne, q.colonne);
  Brouillon& br = brouillon();
  TListePoints& libs = br.l;
  libs[0] = 0;
  br.vu = marquesvides;
  int32_t v = 0;
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != k || !(rec.liensessai[i] & 2)) continue;
      v += 2;
      if (br.vu[i]) continue;
      int32_t nblib = 0;
      br.l2[0] = 0;
      TMarques& vu = br.vu;
      chaineetlibertes(p, br.l2, NBCASES, 0, r, c, vu, nblib);
      for (int32_t j = 1; j <= nbpoints(br.l2); ++j) {
        const int32_t rl = ligneliste(br.l2, j), cl = colonneliste(br.l2, j);
        if (p[ix(rl, cl)] == VIDE) ajoutecaseliste(rl, cl, libs, NBCASES);
      }
    }
  if (nbpoints(libs) == 0) return;
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const uint8_t o = autre(couleurordi);
  for (int32_t j = 1; j <= nbpoints(libs); ++j) {
    const int32_t rl = ligneliste(libs, j), cl = colonneliste(libs, j);
    br.l2[0] = 0;
    jouecoup(br.l2, NBCASES, p, rl, cl, couleurordi, o);
    if (territoire[ix(rl, cl)] == couleurjoueur) ++v;
  }
  s += v;
  for (int32_t j = 1; j <= nbpoints(libs); ++j) {
    const int32_t rl = ligneliste(libs, j), cl = colonneliste(libs, j);
    if (p[ix(rl, cl)] != couleurordi) continue;
    br.copie = p;
    const int32_t r = lancelecturerecu1(0, couleurordi, couleurjoueur, br.copie, rl, cl);
    if (r + v > s) s = r + v;
  }
}

void bilanpierresfinal(TPlateau& p, int32_t& valeur, const TMarques& carte) {
  for (int32_t i = 0; i < NBCASES; ++i) {
    const uint8_t d = plateaudepart[i];
    if (d == couleurordi && !pionsmortsbis[i]) {
      if (p[i] != d) valeur -= 200;
      else if (carte[i]) valeur -= 150;
      else if (pionsmorts[i]) valeur -= 20;
    } else if (d == couleurjoueur && pionsmortsbis[i]) {
      if (p[i] != d) valeur += 20;
      else if (carte[i]) valeur += 15;
      else if (!pionsmorts[i]) valeur -= 20;
      else if (infochaine[i][0] < tablegroupes[i][0]) valeur += 10;
    }
  }
}

void bonusmoyodomine(TPlateau& p, int32_t& valeur, TPoint q, int32_t compte1, int32_t compte2) {
  (void)p;
  if (!reel(q) || compte1 != 0 || compte2 != 0) return;
  const TEssaiCoup& eq = essaiordi(q.ligne, q.colonne);
  if (!(eq.formeessai & 0x40) || (casesinterdites[ix(q)] & 2)) return;
  if (eq.gainmoyoordi == 0 && eq.gainmoyojoueur == 0) {
    valeur -= 2000;
    return;
  }
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (!casescandidates[i] || (r == q.ligne && c == q.colonne)) continue;
      const TEssaiCoup& e = essaiordi(r, c);
      if ((e.formeessai & 0x40) || e.gainmoyoordi < eq.gainmoyoordi || e.gainmoyojoueur < eq.gainmoyojoueur) continue;
      bool domine = true;
      for (int32_t j = 0; j < NBCASES && domine; ++j) {
        if (plateaudepart[j] == couleurordi && !eq.plateauessai2[j] && e.plateauessai2[j]) domine = false;
        if (plateaudepart[j] == couleurjoueur && eq.plateauessai2[j] && !e.plateauessai2[j]) domine = false;
      }
      if (domine) {
        valeur -= 2000;
        return;
      }
    }
}

// The invader is the other colour of m; v gives the invasion values of its
// candidate points (casescandidatesjoueur). Readings of the branches:
// - an invader stone that does not stand after its move (suicide) is skipped;
// - q "alive and unthreatened": q holds a stone, not dead-marked after the
//   marking, and its chain has more than 3 liberties or testprise (limit 4,
//   depth 8) does not take it; taken: half; dead-marked or empty: a quarter;
// - the 10-point loss is for a chain of m next to p with fewer than 3 liberties;
// - "counted points" are the points marked 1 or 2;
// - an invasion at p is read only when its zone (zonesinvasionjoueur of p,
//   filled by the invasion analysis) holds q: elsewhere q changes nothing.
// The cache is effetsinvasion[q]: valeur 0 = not computed, -1 = nothing,
// else the term; marques 4 living invasion, 2 partly alive, 1 stopped.
void bonusinvasion(TPlateau& p, int32_t& valeur, uint8_t m, TPoint q, const TCarte& v) {
  if (!reel(q)) return;
  const int32_t iq = ix(q);
  TEffetInvasion& effet = effetsinvasion[q.ligne - 1][q.colonne - 1];
  const auto ajoute = [&](int32_t t) { valeur += (p[iq] == m || p[iq] == VIDE) ? t : -t; };
  if (effet.valeur != 0) {
    if (effet.valeur > 0) ajoute(effet.valeur);
    return;
  }
  effet.marques = marquesvides;
  effet.valeur = -1;
  if (compteurinvasions == 0 || pionsmorts[iq]) return;
  const uint8_t envahisseur = autre(m);
  const int32_t n = taillemoteur();
  const int32_t ancienne = paramniveauc;
  int32_t meilleur = 0, comptes = 0;
  Brouillon& br = brouillon();
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TMarques> gardemorts(pionsmorts);
  const Restaure<int32_t> gardeniveau(paramniveauc);
  const Restaure<uint8_t> gardeflag(flaginvasionvivante);
  const TPlateau plateau0 = p;
  const TInfoChaine chaines0 = infochaine;
  const TMarques morts0 = pionsmorts;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t j = ix(r, c);
      if (j == iq || !casescandidatesjoueur[j] || plateau0[j] != VIDE || v[j] <= 0) continue;
      // Only the invasions whose zone holds q.
      if (!zonesinvasionjoueur[r - 1][c - 1][iq]) continue;
      p = plateau0;
      infochaine = chaines0;
      pionsmorts = morts0;
      br.l[0] = 0;
      jouecoup(br.l, NBCASES, p, r, c, envahisseur, m);
      if (p[j] != envahisseur) continue;
      int32_t statut = 0;
      marquechainesmortes(chaines0, p, statut, 8, profondeurlecture - 2, TPoint{r, c}, q, TPoint{},
                          paramniveaub + 2, nbpoints(br.l), 3);
      flaginvasionvivante =
          strategie != 0 && debutpartie == 0 && voisinterritoirelibertes(p, m, 2, r, c) ? 1 : 0;
      int32_t l = v[j] / 20;
      if (l < 4) l = 4;
      if (l & 1) ++l;
      l = std::min(l, ancienne);
      int32_t resultat = 0, travail = 0;
      const TEssaiCoup& ej = essaisjoueur[r - 1][c - 1];
      const TEssaiCoup& eo = essaisordi[r - 1][c - 1];
      for (;;) {
        paramniveauc = l;
        resultat = 0;
        testinvasionvivante(0, 0, 0, travail, p, resultat, envahisseur, m, ej.plateauessai2, eo.plateauessai2,
                            marquesliaison2, ej.compteur4essai, r, c, 2, v[j] / 2, 0);
        if (resultat >= v[j] / 2 || l >= ancienne) break;
        l = std::min(l + 2, ancienne);
      }
      paramniveauc = ancienne;
      flaginvasionvivante = 0;
      if (resultat >= v[j] / 2) {
        effet.marques[j] = 4;
        continue;
      }
      effet.marques[j] = resultat > 0 ? 2 : 1;
      ++comptes;
      int32_t t = v[j] - 2 * resultat;
      if (p[iq] == VIDE || pionsmorts[iq]) t /= 4;
      else if (infochaine[iq][0] <= 3 && testprise(p, q.ligne, q.colonne, 8, 4, p[iq], TPoint{}))
        t /= 2;
      if (t > 10 && voisinmoinsde3libertes2(p, m, r, c)) t -= 10;
      meilleur = std::max(meilleur, t);
    }
  if (meilleur <= 0) return;
  meilleur = meilleur * (10 + comptes - 1) / 10;
  effet.valeur = meilleur;
  p = plateau0;
  ajoute(meilleur);
}

// q is the answer on p and r the engine's move it answers, whose records say which stones r saves.
// The dead marks are read again on p with A to move; board, infochaine,
// pionsmorts and pionsmortsavant come back. The term lowers `valeur` and
// raises max1/max2.
void bonusmarquesmorts(uint8_t saut, int32_t genre, int32_t sousgenre, const uint8_t* drapeaux, int32_t& valeur,
                       int32_t& max1, int32_t& max2, uint8_t a, uint8_t b, TPoint q, TPoint r, int32_t w, int32_t w2,
                       int32_t x, TPlateau& p, uint8_t drapeau, int32_t t1, int32_t t2) {
  if (saut || !reel(q) || !reel(r)) return;
  const int32_t iq = ix(q), ir = ix(r);
  const TEssaiCoup& er = essaisordi[r.ligne - 1][r.colonne - 1];
  if (genre < 2) {
    const TEssaiCoup& eq = essaisordi[q.ligne - 1][q.colonne - 1];
    const TEssaiCoup& jq = essaisjoueur[q.ligne - 1][q.colonne - 1];
    // Bit 0x02 of essaifait: a linkable chain pair was found for a move at q.
    if (!casescandidates[iq] || !(eq.essaifait & 0x02) || jq.plateauessai2[iq] || jq.carte2essai[iq] ||
        !jq.flagessai1)
      return;
    bool tete = false;
    for (int32_t i = 0; i < NBCASES && !tete; ++i)
      tete = tablegroupes[i][1] != 0 && plateaudepart[i] == couleurordi && (eq.liensessai[i] & 0x20) &&
             er.marquesessai[i] == 1;
    if (!tete) return;
  }
  const Restaure<TPlateau> gardeplateau(p);
  const Restaure<TInfoChaine> gardechaines(infochaine);
  const Restaure<TMarques> gardemorts(pionsmorts);
  const Restaure<TMarques> gardeavant(pionsmortsavant);
  const Restaure<int32_t> gardeflag(flagmarquesmorts);
  // The readings write no trial record from here.
  const Restaure<int32_t> gardetable(tableessaiscourante);
  tableessaiscourante = 0;
  const uint8_t six = drapeaux ? drapeaux[5] : 0;
  int32_t compte = 0, seki = 0;
  if (genre == 13 || (!six && drapeau != 1)) {
    if (genre == 13) flagmarquesmorts = 16;
    detectetatchaines2(compte, p, 0, q.ligne, q.colonne, 1, six, a);
    flagmarquesmorts = 0;
  } else {
    detectetatchaines(compte, p, 0, q.ligne, q.colonne, 1, a);
  }
  detectseki(seki, pionsmortsavant, p, 0);
  if (er.liensessai[ir] & 0x100)
    for (int32_t i = 0; i < NBCASES; ++i)
      if (plateaudepart[i] == couleurordi && (er.liensessai[i] & 0x100)) pionsmorts[i] = 0;
  if (genre < 2) {
    TMarques& liees = brouillon().vu;
    liees = marquesvides;
    if (p[ir] != VIDE) metlachaineliee(p, liees, r.ligne, r.colonne);
    int32_t n = 0, perdus = 0;
    for (int32_t i = 0; i < NBCASES; ++i) {
      if (plateaudepart[i] != couleurordi || er.marquesessai[i] != 1) continue;
      ++n;
      if (pionsmorts[i] && !liees[i]) ++perdus;
    }
    if (perdus > 0) {
      const int32_t v = (w + w2) * perdus / n;
      valeur -= v;
      max2 = std::max(max2, v);
    }
    return;
  }
  // The first lost stone whose own record has bit 0x10 reads the board once
  // more; only new marks of stones with that bit are kept.
  const auto propremarque = [](int32_t i) {
    return essaisordi[i / TAILLEMAX][i % TAILLEMAX].marquesessai[i];
  };
  bool relu = false;
  int32_t n = 0, perdus = 0;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!er.marquesessai[i] || !lesfaibles[i]) continue;
    ++n;
    if (pionsmortsbis[i]) continue;
    if (!relu && !pionsmorts[i] && p[i] != VIDE && (propremarque(i) & 0x10)) {
      relu = true;
      const TMarques avant = pionsmorts;
      detectetatplateau(autre(p[i]), p);
      for (int32_t j = 0; j < NBCASES; ++j)
        if (pionsmorts[j] && !avant[j] && !(propremarque(j) & 0x10)) pionsmorts[j] = 0;
    }
    if (pionsmorts[i]) ++perdus;
  }
  if (perdus > 0) max2 = std::max(max2, w * perdus / n);
  // The threshold costs and the counter cost belong to these kinds only.
  if (genre != 8 && genre != 10 && genre != 12 && genre != 13 && genre != 14) return;
  int32_t retire = 0;
  if (genre == 10 && t1 > 0) {
    int32_t c1 = 0;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (plateaudepart[i] == a && !pionsmortsbis[i] && er.carte2essai[i] && (pionsmorts[i] || p[i] != a)) ++c1;
    if (c1 == 0) retire += w;
    else if (c1 < t1) retire += (t1 - c1) * w / t1;
  }
  if ((genre == 8 || genre == 12 || genre == 13 || genre == 14) && t2 > 0) {
    int32_t c2 = 0;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (plateaudepart[i] == b && pionsmortsbis[i] && !er.carte2essai[i] && !pionsmorts[i]) ++c2;
    if (c2 == 0) retire += w;
    else if (c2 < t2) retire += (t2 - c2) * w / t2;
  }
  valeur -= retire;
  if (x > 0 && er.compteur2essai > 0 && !er.carte2essai[ir] &&
      (retire > 0 || pionsmorts[ir] || sousgenre == 1 || sousgenre == 3 ||
       (p[ir] != VIDE && infochaine[ir][0] == 1))) {
    const int32_t y = x - 10 * er.compteur2essai;
    if (y >= 1) {
      valeur -= y;
      max1 = std::max(max1, y);
    }
  }
  max2 = std::max(max2, retire);
}
