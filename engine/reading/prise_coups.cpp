// Capture reading move generation: the owner's and the attacker's candidate
// lists with their statuses, orderings and helper tests.
#include <algorithm>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/board/balayages.h"
#include "engine/board/listecoups.h"
#include "engine/reading/prise_etat.h"

namespace {

inline uint8_t case_(const TPlateau& p, int32_t r, int32_t c) { return p[indexcase(r, c)]; }
inline bool memepoint(TPoint a, int32_t r, int32_t c) { return a.ligne == r && a.colonne == c; }

// Liberty bound of an owner node and of an attacker node.
int32_t borneproprio(const TEtatPrise& e, int32_t pli) {
  if (pli > e.d) return 2;
  int32_t b = e.limites[pli];
  if (pli + 2 <= e.d && e.limites[pli] - e.limites[pli + 2] > 1) b = e.limites[pli + 2] + 1;
  return b;
}
int32_t borneattaquant(const TEtatPrise& e, int32_t pli) { return pli + 1 <= e.d ? e.limites[pli + 1] : 2; }

// Point beyond a second-line point, on the third line (row 2 first, then
// row size-1, column 2, column size-1); (0, 0) when the point is elsewhere.
TPoint audela(int32_t r, int32_t c) {
  const int32_t n = configmoteur.taille;
  if (r == 2) return {3, c};
  if (r == n - 1) return {n - 2, c};
  if (c == 2) return {r, 3};
  if (c == n - 1) return {r, n - 2};
  return {};
}

// Target liberties after an owner stone at (r, c), on the scratch board;
// -1 when the move is refused.
int32_t libertesapresplain(TEtatPrise& e, int32_t r, int32_t c) {
  e.copie = *e.p;
  TListePoints prises;
  prises[0] = 0;
  jouecoupcaptures(prises, CAPACITELISTE, e.copie, r, c, e.proprio, e.attaquant);
  if (case_(e.copie, r, c) != e.proprio) return -1;
  return nblibertes(e.copie, e.cl, e.cc);
}

// The same read from the board and chain table, the move only looked at.
// A point whose neighbours are all owner stones follows the plain play (its
// own-eye rule); a move the journal would have had no room for goes through
// the scratch board.
// Its callers compare the count with bounds below `borne` only, so the
// look-ahead may stop counting there.
int32_t libertesapres(TEtatPrise& e, int32_t r, int32_t c, int32_t borne) {
  TPlateau& p = *e.p;
  const int32_t i = indexcase(r, c);
  if (p[i] != VIDE) return libertesapresplain(e, r, c);
  const bool cible = case_(p, e.cl, e.cc) == e.proprio;
  if (!pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) { return p[indexcase(r2, c2)] != e.proprio; }))
    return cible ? libertesaprescoupcaptures(p, r, c, e.proprio, e.attaquant, e.cl, e.cc, borne)
                 : libertesapresplain(e, r, c);
  if (marquejournal() > CAPACITEJOURNALCHAINES - ECRITURESCOUPMAX) return libertesapresplain(e, r, c);
  if (cible) return libertesaprescoup(p, r, c, e.proprio, e.attaquant, e.cl, e.cc, borne);
  const int32_t marque = marquejournal();
  TListePoints prises;
  if (!jouecoupjournal(prises, p, r, c, e.proprio, e.attaquant)) return libertesapresplain(e, r, c);
  if (p[i] != e.proprio) return -1;
  const int32_t n = infochaine[indexcase(e.cl, e.cc)][0];
  p[i] = VIDE;
  for (int32_t k = 1; k <= nbpoints(prises); ++k) p[indexcase(ligneliste(prises, k), colonneliste(prises, k))] = e.attaquant;
  reprendjournal(marque);
  return n;
}

// Stones of the attacker chains in atari around (r, c) that touch the
// target, its stones marked in `e.carte`.
int32_t prisesaucontact(const TEtatPrise& e, int32_t r, int32_t c) {
  const TPlateau& p = *e.p;
  const auto cible = [&](int32_t r2, int32_t c2, int32_t) {
    const int32_t j = indexcase(r2, c2);
    return p[j] == e.proprio && e.carte[j];
  };
  TMarques vu;
  zeromarques(vu);
  int32_t n = 0;
  pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
    const int32_t j = indexcase(r2, c2);
    if (p[j] == VIDE || p[j] == e.proprio || libs(r2, c2) != 1 || vu[j]) return false;
    marchechaine(p, vu, p[j], 0, r2, c2, RegleChaine{.entre = [&](int32_t, int32_t r3, int32_t c3) {
                                                       if (pasvoisins(r3, c3, 0, cible)) ++n;
                                                     }});
    return false;
  });
  return n;
}

// libertesapres for a target in atari, its stones marked in `e.carte`. A
// point with an empty neighbour that touches the target and no other owner
// stone, and no attacker chain in atari, is no suicide and captures nothing;
// the target's one liberty was the point itself, so its liberties after the
// move are the point's empty neighbours. A point away from the target that
// captures joins no target stone: the target keeps its one liberty and
// gains the captured stones it touches.
int32_t libertesapresatari(TEtatPrise& e, int32_t r, int32_t c, int32_t borne) {
  const TPlateau& p = *e.p;
  int32_t vides = 0;
  bool cible = false, autre = false, prise = false;
  pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
    const int32_t j = indexcase(r2, c2);
    if (p[j] == VIDE) ++vides;
    else if (p[j] != e.proprio) prise = prise || libs(r2, c2) == 1;
    else if (e.carte[j]) cible = true;
    else autre = true;
    return false;
  });
  if (cible && !autre && !prise && vides > 0) return vides;
  if (!cible && prise && case_(p, e.cl, e.cc) == e.proprio) return 1 + prisesaucontact(e, r, c);
  return libertesapres(e, r, c, borne);
}

// Marks the stones of the chain at (r, c) in m; a lone stone (the head of a
// chain of one in the chain table) needs no walk.
void marquechainefaible(const TPlateau& p, TMarques& m, int32_t r, int32_t c) {
  const int32_t i = indexcase(r, c);
  if (infochaine[i][1] == 1)
    m[i] = 1;
  else
    marquepionschaine(p, m, 0, r, c);
}

// The chains of the weak list, marked whole when first asked for, then the
// chains added to the list. The owner's generator marks its captures' chains
// in the same map first (`marques`); they are chains of the list, so the
// marks end the same.
struct ChainesFaibles {
  const TPlateau& p;
  TListePoints& faibles;
  bool efface = false;  // m cleared
  bool pret = false;    // every chain of the list marked
  TMarques m;

  ChainesFaibles(const TPlateau& plateau, TListePoints& liste) : p(plateau), faibles(liste) {}

  TMarques& marques() {
    if (!efface) {
      zeromarques(m);
      efface = true;
    }
    return m;
  }

  // Adds the stone to the weak list unless a stone of its chain is there.
  void ajoute(int32_t r, int32_t c) {
    if (!pret) {
      marques();
      for (int32_t k = 1; k <= nbpoints(faibles); ++k)
        if (!m[indexcase(ligneliste(faibles, k), colonneliste(faibles, k))])
          marquechainefaible(p, m, ligneliste(faibles, k), colonneliste(faibles, k));
      pret = true;
    }
    if (m[indexcase(r, c)]) return;
    marquechainefaible(p, m, r, c);
    empilepoint(faibles, CAPACITEPRISE, r, c);
  }
};

// For each listed point without an empty neighbour (and the extra point):
// its neighbour stones of chains with at most 2 liberties.
void voisinsfaiblesdespoints(ChainesFaibles& chaines, const TListePoints& l, TPoint extra) {
  const TPlateau& p = chaines.p;
  auto traite = [&](int32_t r, int32_t c) {
    if (r == 0) return;
    if (pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) { return case_(p, r2, c2) == VIDE; })) return;
    pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
      if (case_(p, r2, c2) != VIDE && libs(r2, c2) <= 2) chaines.ajoute(r2, c2);
      return false;
    });
  };
  for (int32_t k = 1; k <= nbpoints(l); ++k) traite(ligneliste(l, k), colonneliste(l, k));
  traite(extra.ligne, extra.colonne);
}

// For each candidate (and the extra point): neighbour stones of chains with
// fewer than 3 liberties, each with the chains in atari that touch it.
void ajouteennemisdeuxlibertes(ChainesFaibles& chaines, const TListePoints& l, TPoint extra) {
  const TPlateau& p = chaines.p;
  TMarques vu;  // stones of the weak chains already walked
  zeromarques(vu);
  auto traite = [&](int32_t r, int32_t c) {
    if (r == 0) return;
    pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == VIDE || libs(r2, c2) >= 3) return false;
      chaines.ajoute(r2, c2);
      if (vu[j]) return false;
      const uint8_t x = p[j];
      marchechaine(p, vu, x, 0, r2, c2, RegleChaine{.avant = [&](const Etape& e) {
                                          if (p[e.j] != VIDE && p[e.j] != x && libs(e.r, e.c) == 1)
                                            chaines.ajoute(e.r, e.c);
                                        }});
      return false;
    });
  };
  for (int32_t k = 1; k <= nbpoints(l); ++k) traite(ligneliste(l, k), colonneliste(l, k));
  traite(extra.ligne, extra.colonne);
}

// Diagonal neighbours of the target point in chains with fewer than 3 liberties.
void ajoutediagonalesfaibles(const TEtatPrise& e, ChainesFaibles& chaines) {
  const TPlateau& p = chaines.p;
  pas4(e.cl, e.cc, ORDREDIAGONAL, [&](int32_t r, int32_t c) {
    if (case_(p, r, c) != VIDE && libs(r, c) < 3) chaines.ajoute(r, c);
    return false;
  });
}

// No empty neighbour, no neighbour of the other colour in atari, every
// neighbour of `couleur` marked or in atari.
bool pointferme(const TPlateau& p, const TMarques& marques, uint8_t couleur, TPoint m) {
  if (!pointreel(m)) return false;
  return !pasvoisins(m.ligne, m.colonne, 0, [&](int32_t r, int32_t c, int32_t) {
    const uint8_t x = case_(p, r, c);
    if (x == VIDE) return true;
    if (x != couleur) return libs(r, c) == 1;
    return !marques[indexcase(r, c)] && libs(r, c) != 1;
  });
}

// Two-liberty capture: the attacker takes one liberty and the other is closed.
bool capturedeuxlibertes(const TEtatPrise& e, const TMarques& marques, TPoint a, TPoint b, TPoint ko) {
  const TPlateau& p = *e.p;
  if (testvoisinsatari(p, e.proprio, a.ligne, a.colonne) &&
      pointferme(p, marques, e.proprio, pointreel(ko) ? ko : b))
    return true;
  return !pointreel(ko) && testvoisinsatari(p, e.proprio, b.ligne, b.colonne) &&
         pointferme(p, marques, e.proprio, a);
}

// Walk of an attacker chain: appends its liberties not yet set in `carte`
// (setting them); notes whether it touches the target and whether it shares
// a liberty with it.
void poursuite(const TPlateau& p, TListePoints& l, TMarques& carte, const TMarques& cible, const TMarques& libcible,
               TPoint m, bool& touche, bool& partage) {
  TMarques vu;
  zeromarques(vu);
  marchechaine(p, vu, case_(p, m.ligne, m.colonne), 0, m.ligne, m.colonne,
               RegleChaine{.vide =
                               [&](const Etape& e) {
                                 vu[e.j] = 1;
                                 if (libcible[e.j]) partage = true;
                                 if (!carte[e.j]) {
                                   carte[e.j] = 1;
                                   empilepoint(l, CAPACITEPRISE, e.r, e.c);
                                 }
                               },
                           .autre =
                               [&](const Etape& e) {
                                 if (cible[e.j]) touche = true;
                               }});
}

// Runs the chase on the chain at m; keeps its points only when it answers 3.
void poursuiteprise(const TEtatPrise& e, TListePoints& l, TMarques& carte, TPoint m) {
  const TPlateau& p = *e.p;
  // The target's stones and its border in one walk: the chase asks the
  // owner stones it meets (target stones) and the empty points (target
  // liberties) only.
  TMarques cible;
  zeromarques(cible);
  marquechaineetvoisins(p, cible, 0, e.cl, e.cc);
  const int32_t avant = nbpoints(l);
  bool touche = false, partage = false;
  poursuite(p, l, carte, cible, cible, m, touche, partage);
  if (touche && partage) return;
  for (int32_t k = avant + 1; k <= nbpoints(l); ++k) carte[indexcase(ligneliste(l, k), colonneliste(l, k))] = 0;
  l[0] = avant;
}

// ---- Orderings -------------------------------------------------------------------

// Owner: scores the candidates and sorts them; true when none scored above 0.
bool triecoupsdefense(const TEtatPrise& e, TListePoints& l, int32_t l0, const TMarques& marques) {
  const TPlateau& p = *e.p;
  int32_t n = nbpoints(l);
  const bool passe = n > 0 && ligneliste(l, n) == 0;
  if (passe) --n;
  int32_t valeurs[CAPACITEPRISE + 2];
  bool aucun = true;
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    const int32_t w = k <= l0 ? 3 : 2;
    int32_t v = 0;
    bool vide = false, ennemi = false, deux = false, trois = false;
    pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == VIDE) vide = true;
      if (p[j] != e.attaquant) {
        if (!marques[j]) v += w;
      } else {
        ennemi = true;
        const int32_t lb = libs(r2, c2);
        if (lb == 1) v += 3;
        else if (lb == 2) deux = true;
        else if (lb == 3) trois = true;
      }
      return false;
    });
    if (k <= l0) {
      if (trois) v += 1;
      if (deux) v += 2;
    }
    if (!vide && !ennemi) v -= 30;
    if (v > 0) aucun = false;
    valeurs[k] = v;
  }
  // Sorted in place over the first n points; a pass listed last stays there.
  const int32_t compte = l[0];
  l[0] = n;
  triecoups(l, valeurs);
  l[0] = compte;
  return aucun;
}

// Attacker: scores the candidates and sorts them.
void triecoupsattaque(const TEtatPrise& e, TListePoints& l, const TMarques& marques) {
  const TPlateau& p = *e.p;
  const int32_t n = nbpoints(l);
  int32_t valeurs[CAPACITEPRISE + 2];
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    valeurs[k] = 0;
    if (r == 0) continue;
    int32_t compte = 0, somme = 0, vides = 0;
    bool touche = false;
    pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == VIDE) {
        ++compte;
        ++vides;
      } else if (p[j] == e.proprio) {
        if (marques[j]) {
          ++compte;
          touche = true;
        }
      } else {
        somme += libs(r2, c2);
      }
      return false;
    });
    valeurs[k] = (touche && somme == 1 && vides <= 1) ? 0 : compte + 1;
  }
  triecoups(l, valeurs);
}

// ---- Owner's tests -------------------------------------------------------------

// Shortage of liberties: status 3 when the target cannot gain enough.
int32_t lecturemanque(TEtatPrise& e) {
  TPlateau& p = *e.p;
  TListePoints lc;
  libertesprise(p, e.cl, e.cc, lc);
  TMarques cible;
  zeromarques(cible);
  marquepionschaine(p, cible, 0, e.cl, e.cc);
  TListePoints second;
  second[0] = 0;
  // Gate.
  for (int32_t k = 1; k <= nbpoints(lc); ++k) {
    const int32_t r = ligneliste(lc, k), c = colonneliste(lc, k);
    int32_t vides = 0;
    bool ennemi = false, echec = false;
    TPoint vide{};
    pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == VIDE) {
        ++vides;
        vide = {r2, c2};
      } else if (p[j] == e.attaquant) {
        ennemi = true;
        if (libs(r2, c2) < 4) echec = true;
      } else if (!cible[j]) {
        echec = true;
      }
      return false;
    });
    if (echec || vides > 1 || (vides == 0 && !ennemi)) return STATUTRIEN;
    if (vides == 1) ajoutecaseliste(vide.ligne, vide.colonne, second, CAPACITEPRISE);
  }
  // Test on the board, restored at the end.
  const TPlateau plateau = p;
  const TInfoChaine chaines = infochaine;
  int32_t statut = STATUTPRISE;
  TListePoints prises;
  prises[0] = 0;
  for (int32_t k = 1; k <= nbpoints(lc) && statut; ++k) {
    jouecoup(prises, CAPACITELISTE, p, ligneliste(lc, k), colonneliste(lc, k), e.proprio, e.attaquant);
    if (nbpoints(prises) > 0) statut = STATUTRIEN;
  }
  const int32_t nl = nbpoints(lc);
  for (int32_t k = 1; k <= nl && statut; ++k) {
    const bool ennemifaible = pasvoisins(ligneliste(lc, k), colonneliste(lc, k), 0, [&](int32_t r2, int32_t c2, int32_t) {
      return case_(p, r2, c2) == e.attaquant && (nl <= 3 ? libs(r2, c2) == 1 : libs(r2, c2) < 3);
    });
    if (ennemifaible) statut = STATUTRIEN;
  }
  if (statut && nbpoints(second) > 0) {
    for (int32_t k = 1; k <= nbpoints(second) && statut; ++k) {
      const int32_t r = ligneliste(second, k), c = colonneliste(second, k);
      jouecoup(prises, CAPACITELISTE, p, r, c, e.attaquant, e.proprio);
      if (case_(p, r, c) != e.attaquant || libs(r, c) <= 2) statut = STATUTRIEN;
      else if (case_(p, e.cl, e.cc) == VIDE || libs(e.cl, e.cc) > 1) statut = STATUTRIEN;
    }
    for (int32_t k = 1; k <= nbpoints(second) && statut; ++k) {
      const int32_t r = ligneliste(second, k), c = colonneliste(second, k);
      if (case_(p, r, c) != e.attaquant || libs(r, c) <= 2) statut = STATUTRIEN;
    }
  }
  p = plateau;
  infochaine = chaines;
  return statut;
}

// Fills harmless liberties with attacker stones down to 4; status 1 when two
// liberties cannot be filled.
int32_t comblelibertes(TEtatPrise& e, const TMarques& marques) {
  TPlateau& p = *e.p;
  TListePoints lc;
  libertesprise(p, e.cl, e.cc, lc);
  int32_t deux = 0;
  TListePoints prises;
  prises[0] = 0;
  for (int32_t k = 1; k <= nbpoints(lc) && libs(e.cl, e.cc) > 4; ++k) {
    const int32_t r = ligneliste(lc, k), c = colonneliste(lc, k);
    const int32_t v = libertecomblable(p, e.proprio, e.attaquant, marques, 4, r, c);
    if (v == 1) {
      jouecoup(prises, CAPACITELISTE, p, r, c, e.attaquant, e.proprio);
    } else if (v == 2 && ++deux >= 2) {
      return STATUTFUITE;
    }
  }
  return STATUTRIEN;
}

// ---- Edge capture helper -------------------------------------------------------

// Walk of the target's region against the edge (testoeilbord).
struct OeilBord {
  const TEtatPrise& e;
  int32_t g;
  TMarques marche = marquesvides;    // 1 own colour or empty region point, 2 other colour
  TMarques jugement = marquesvides;  // 1 strong chain, 2 weak chain
  TListePoints liste{};
  bool abandon = false;

  void visite(int32_t r, int32_t c) {
    if (abandon) return;
    const TPlateau& p = *e.p;
    const int32_t i = indexcase(r, c);
    const uint8_t cible = e.proprio, attaquant = e.attaquant;
    // Second line: the point further in.
    if (distancebord[i] == 1) {
      const TPoint b = audela(r, c);
      if (pointreel(b) && distancebord[indexcase(b.ligne, b.colonne)] == 2) {
        const uint8_t x = case_(p, b.ligne, b.colonne);
        if (x == VIDE || (x == attaquant && libs(b.ligne, b.colonne) == 1)) {
          abandon = true;
          return;
        }
      }
    }
    const uint8_t x = p[i];
    if (x == cible) {
      marche[i] = 1;  // a target stone: walked on
    } else if (x == attaquant && libs(r, c) == 1) {  // an attacker stone in atari
      if (distancebord[i] > 1) {
        abandon = true;
        return;
      }
      marche[i] = 2;
      empilepoint(liste, CAPACITEPRISE, r, c);
    } else if (x == attaquant) {  // another attacker stone: judged by its liberties
      if (jugement[i] == 1) return;
      if (jugement[i] != 2) {
        const int32_t lb = libs(r, c);
        if (lb >= g + 4) return;
        const int32_t borne = lb == 2 ? g + 5 : g + 4;
        TMarques vu;
        zeromarques(vu);
        int32_t compte = 0;
        comptelibertesprise(p, vu, compte, r, c, borne);
        if (compte >= borne) {
          marquepionschaine(p, jugement, 0, r, c);
          return;
        }
        if (lb != 2 || distancebord[i] > 1) {
          abandon = true;
          return;
        }
        peintchaine(p, jugement, 2, r, c);
      }
      marche[i] = 2;
      empilepoint(liste, CAPACITEPRISE, r, c);
    } else {  // an empty point
      if (distancebord[i] > 1) {
        abandon = true;
        return;
      }
      marche[i] = 1;
      empilepoint(liste, CAPACITEPRISE, r, c);
    }
    const int32_t n = configmoteur.taille;
    const bool coin = bordgoban[i] && (c == 1 || c == n) && r != 1 && r != n;
    pas4(r, c, coin ? ORDRECOLONNES : ORDREMARCHE, [&](int32_t r2, int32_t c2) {
      if (!marche[indexcase(r2, c2)] && !(jugement[indexcase(r2, c2)] == 1)) visite(r2, c2);
      return abandon;
    });
  }

  // Eye-point test on the walk map.
  bool pointoeilbord(int32_t r, int32_t c) const {
    const TPlateau& p = *e.p;
    const bool vide = case_(p, r, c) == VIDE;
    const bool ortho = !pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const uint8_t m = marche[indexcase(r2, c2)];
      return vide ? m != 1 : m == 0;
    });
    if (!ortho) return false;
    int32_t manquants = 0;
    pas4(r, c, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
      if (!marche[indexcase(r2, c2)]) ++manquants;
      return false;
    });
    return bordgoban[indexcase(r, c)] ? manquants == 0 : manquants <= 1;
  }
};

// Status 3 when the target's region against the edge cannot hold two
// separate eye points.
void testoeilbord(const TEtatPrise& e, int32_t g, int32_t& statut) {
  OeilBord w{e, g};
  w.visite(e.cl, e.cc);
  if (w.abandon) return;
  const int32_t n = nbpoints(w.liste);
  if (n < 2) {
    statut = STATUTPRISE;
    return;
  }
  TPoint passes[CAPACITEPRISE];
  int32_t nb = 0;
  for (int32_t k = 1; k <= n; ++k) {
    if (k == n && nb == 0) break;
    const TPoint m{ligneliste(w.liste, k), colonneliste(w.liste, k)};
    if (!w.pointoeilbord(m.ligne, m.colonne)) continue;
    for (int32_t q = 0; q < nb; ++q)
      if (std::abs(passes[q].ligne - m.ligne) + std::abs(passes[q].colonne - m.colonne) != 1) return;
    passes[nb++] = m;
  }
  statut = STATUTPRISE;
}

// Edge capture helper (levels 1 to 3): runs the edge one-eye test when the
// fight lies on the first two lines.
void coupsbordcapture(const TEtatPrise& e, const TListePoints& l, TPoint ko, int32_t& statut,
                      const TListePoints& faibles, int32_t g) {
  if (niveau > 3) return;
  const TPlateau& p = *e.p;
  if (pointreel(ko) && distancebord[indexcase(ko.ligne, ko.colonne)] > 1) return;
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    if (r == 0) continue;
    const int32_t i = indexcase(r, c);
    if (distancebord[i] > 1) return;
    if (distancebord[i] == 1) {
      const TPoint b = audela(r, c);
      if (pointreel(b) && distancebord[indexcase(b.ligne, b.colonne)] == 2) {
        const uint8_t x = case_(p, b.ligne, b.colonne);
        if (x == VIDE || (x == e.attaquant && libs(b.ligne, b.colonne) == 1)) return;
      }
    }
  }
  for (int32_t k = 1; k <= nbpoints(faibles); ++k) {
    const int32_t r = ligneliste(faibles, k), c = colonneliste(faibles, k);
    if (libs(r, c) == 1 && distancebord[indexcase(r, c)] > 1) return;
  }
  testoeilbord(e, g, statut);
}

}  // namespace

// ---- Shared tests --------------------------------------------------------------------

int32_t libertecomblable(const TPlateau& p, uint8_t couleur1, uint8_t couleur2, const TMarques& marques, int32_t borne,
                         int32_t r, int32_t c) {
  int32_t vides = 0;
  TPoint vide{};
  bool autre = false, zero = false;
  pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
    const int32_t j = indexcase(r2, c2);
    if (p[j] == VIDE) {
      ++vides;
      vide = {r2, c2};
      if (!marques[j]) zero = true;
    } else if (p[j] == couleur1) {
      if (!marques[j]) zero = true;
    } else {
      autre = true;
      if (infochaine[j][0] <= borne) zero = true;
    }
    return zero;
  });
  if (zero || vides >= 2) return 0;
  if (vides == 0) return autre ? 1 : 2;
  const bool fort = pasvoisins(vide.ligne, vide.colonne, 0, [&](int32_t r2, int32_t c2, int32_t) {
    return case_(p, r2, c2) == couleur2 && libs(r2, c2) > borne;
  });
  return fort ? 1 : 0;
}

bool rampebord(const TPlateau& p, TPoint a, TPoint m, uint8_t s, uint8_t o) {
  const int32_t n = configmoteur.taille;
  const bool bordl = m.ligne == 1 || m.ligne == n, bordc = m.colonne == 1 || m.colonne == n;
  if (bordl == bordc) return true;  // not on the first line, or a corner
  const int32_t dl = m.ligne - a.ligne, dc = m.colonne - a.colonne;
  if (std::abs(dl) + std::abs(dc) != 1 || (bordl && dl != 0) || (bordc && dc != 0)) return true;
  const int32_t il = bordl ? (m.ligne == 1 ? 1 : -1) : 0, ic = bordc ? (m.colonne == 1 ? 1 : -1) : 0;
  int32_t r = m.ligne + dl, c = m.colonne + dc;
  while (r >= 1 && r <= n && c >= 1 && c <= n) {
    for (int32_t q = 0; q < 2; ++q) {
      const uint8_t x = case_(p, r + q * il, c + q * ic);
      if (x == s) return true;
      if (x == o) return false;
    }
    r += dl;
    c += dc;
  }
  return false;
}

bool voisinpeudelibertes(const uint16_t (&avant)[5], const TPlateau& p, int32_t r, int32_t c) {
  return pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t d) {
    return p[indexcase(r2, c2)] != VIDE && avant[d] >= 1 && avant[d] <= 2;
  });
}

// ---- Owner's generator -------------------------------------------------------------------

void coupsdefenseprise(TEtatPrise& e, TNoeudPrise& n, TSortieGenerateur& s, TPoint ko, TPoint precedent,
                       int32_t pli) {
  TPlateau& p = *e.p;
  TListePoints& l = n.liste;
  // Plies 1-2.
  if (pli <= 2 && pli <= e.d) {
    e.verifunique = 1;
    zeromarques(e.fuitesprecoces);
    e.d -= e.extensionattente;
    e.extensionattente = 0;
  }
  const int32_t b = borneproprio(e, pli);
  // Lists and scratch map.
  l[0] = 0;
  zeromarques(e.carte);
  e.faibles[0] = 0;
  if (pointreel(ko)) e.carte[indexcase(ko.ligne, ko.colonne)] = 1;

  // Target in atari.
  if (libs(e.cl, e.cc) == 1) {
    s.elargir = 0;
    listelibertes(p, l, CAPACITEPRISE, 0, e.cl, e.cc, e.carte);
    int32_t legaux = 0;
    for (int32_t k = 1; k <= nbpoints(l); ++k) {
      const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
      const int32_t lb = libertesapresatari(e, r, c, b + 1);
      if (lb < 0) continue;
      ++legaux;
      if (pli <= 2) e.fuitesprecoces[indexcase(r, c)] = 1;
      if (lb > b) {
        s.statut = STATUTFUITE;
        return;
      }
    }
    if (legaux > 1) triecoupsdefense(e, l, nbpoints(l), e.carte);
    if (pli <= 2 && (nbpoints(l) == 1 || legaux == 1)) {
      const int32_t ajout = std::min(2, e.profmax - e.d);
      if (ajout > 0) {
        e.extensionattente = ajout;
        e.d += ajout;
      }
    }
    if (pli == 1 && e.proprio == BLANC) ++compteurnoeudsprise;
    if (pli <= 4 && !pointreel(ko) && nbpoints(l) == 1 && (e.verifunique || pli <= 2)) {
      if (pli <= 2) e.verifunique = 0;
      if (echelleprise(p, ligneliste(l, 1), colonneliste(l, 1), e.proprio, e.attaquant)) {
        s.statut = STATUTPRISE;
        return;
      }
    }
    if (e.fuitetrouvee || pli <= 6) {
      coupsbordcapture(e, l, ko, s.statut, e.faibles, 1);
      if (s.statut) e.fuitetrouvee = 1;
    }
    return;
  }

  // Two liberties or more.
  s.elargir = 1;
  e.bonnesfuites[0] = 0;
  libertesetennemisfaibles(p, l, e.faibles, CAPACITEPRISE, 0, e.cl, e.cc, e.carte);
  const int32_t l0 = nbpoints(l);
  int32_t nl = libs(e.cl, e.cc);
  // Edge capture test near the edge, early in the line or once an escape was found.
  if (e.fuitetrouvee || pli <= 6) {
    coupsbordcapture(e, l, ko, s.statut, e.faibles, 1);
    if (s.statut) {
      e.fuitetrouvee = 1;
      return;
    }
  }
  // Shortage and harmless fills.
  if (nbpoints(e.faibles) == 0 && !pointreel(ko) && nl > 2 && nbpoints(e.prepares) == 0) {
    s.statut = lecturemanque(e);
    if (s.statut) return;
  }
  if (nl > 4) {
    n.plateausauve = p;
    n.chainessauvees = infochaine;
    s.change = 1;
    s.statut = comblelibertes(e, e.carte);
    if (s.statut) return;
    nl = libs(e.cl, e.cc);
  }
  // The attacker's last stone when weak.
  if (pointreel(precedent) && !e.carte[indexcase(precedent.ligne, precedent.colonne)] &&
      case_(p, precedent.ligne, precedent.colonne) != VIDE && libs(precedent.ligne, precedent.colonne) <= 2)
    empilepoint(e.faibles, CAPACITEPRISE, precedent.ligne, precedent.colonne);
  // More liberties than the attacker's bound: the chain escapes.
  if (nl > b) {
    s.statut = STATUTFUITE;
    return;
  }
  // Captures of weak neighbours in atari.
  // Each chain once (its stones marked in the weak chains' map, cleared
  // when first needed); the walk that marks it meets its one liberty.
  ChainesFaibles chaines{p, e.faibles};
  for (int32_t k = 1; k <= nbpoints(e.faibles); ++k) {
    const int32_t r = ligneliste(e.faibles, k), c = colonneliste(e.faibles, k);
    if (case_(p, r, c) == VIDE || libs(r, c) != 1 || (chaines.efface && chaines.m[indexcase(r, c)])) continue;
    TPoint lib{};
    marchechaine(p, chaines.marques(), case_(p, r, c), 0, r, c, RegleChaine{.vide = [&](const Etape& v) {
                                                                  if (!pointreel(lib)) lib = TPoint{v.r, v.c};
                                                                }});
    if (!pointreel(lib) || memepoint(ko, lib.ligne, lib.colonne)) continue;
    const int32_t lb = libertesapres(e, lib.ligne, lib.colonne, std::max(b, nl) + 1);
    if (lb > b) {
      s.statut = STATUTFUITE;
      return;
    }
    if (lb > nl) empilepoint(e.bonnesfuites, CAPACITEPRISE, lib.ligne, lib.colonne);
    if (pli <= 2 && lb >= 0) e.fuitesprecoces[indexcase(lib.ligne, lib.colonne)] = 1;
  }
  // Liberties.
  for (int32_t k = 1; k <= l0; ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    if (positionliste(e.bonnesfuites, r, c)) continue;
    int32_t estime = nl - 1;
    bool exact = false;
    pasvoisins(r, c, 0, [&](int32_t r2, int32_t c2, int32_t) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == VIDE && !e.carte[j]) ++estime;
      else if (p[j] == e.proprio && !e.carte[j] && libs(r2, c2) > 1) exact = true;
      return false;
    });
    if (exact) estime = libertesapres(e, r, c, std::max(b, nl) + 1);
    if (estime > b) {
      s.statut = STATUTFUITE;
      return;
    }
    if (estime >= nl) empilepoint(e.bonnesfuites, CAPACITEPRISE, r, c);
    if (estime > nl && pli <= 2) e.fuitesprecoces[indexcase(r, c)] = 1;
  }
  // Weak stones around.
  if (nl == 2)
    ajouteennemisdeuxlibertes(chaines, l, ko);
  else
    voisinsfaiblesdespoints(chaines, l, TPoint{});
  if (pli <= 2) ajoutediagonalesfaibles(e, chaines);
  // Their liberties.
  for (int32_t k = 1; k <= nbpoints(e.faibles); ++k) {
    const int32_t r = ligneliste(e.faibles, k), c = colonneliste(e.faibles, k);
    if (case_(p, r, c) == VIDE) continue;
    if (libs(r, c) == 2)
      libertesdelachaine(p, l, CAPACITEPRISE, 0, r, c, e.carte);
    else
      libertesetatari(p, l, CAPACITEPRISE, 0, r, c, e.carte);
  }
  // Early on, around the attacker's last move.
  if (pli == 2 && pointreel(precedent) && !e.carte[indexcase(precedent.ligne, precedent.colonne)])
    listevidesautourmarque(e.carte, p, l, CAPACITEPRISE, precedent.ligne, precedent.colonne);
  // Order.
  const bool aucun = triecoupsdefense(e, l, l0, e.carte);
  if (aucun && l0 <= 3 && nbpoints(e.faibles) == 0 && !pointreel(ko)) s.statut = STATUTINDICE;
  // The attacker's last chain with 3 liberties.
  if (pointreel(precedent) && !e.carte[indexcase(precedent.ligne, precedent.colonne)] &&
      case_(p, precedent.ligne, precedent.colonne) == e.attaquant && libs(precedent.ligne, precedent.colonne) == 3) {
    if (pli <= 3)
      libertesdelachaine(p, l, CAPACITEPRISE, 0, precedent.ligne, precedent.colonne, e.carte);
    else if (e.d - 2 > pli || niveau > 7 || nl == 2)
      poursuiteprise(e, l, e.carte, precedent);
  }
  // Earlier attacker stones left weak.
  if (pli >= 4) {
    const int32_t kmax = pli <= 8 ? 2 : 1;
    for (int32_t q = pli - 3; q >= 1; q -= 2) {
      const TPoint m = e.ligne[q];
      if (!pointreel(m) || case_(p, m.ligne, m.colonne) != e.attaquant || e.carte[indexcase(m.ligne, m.colonne)])
        continue;
      const int32_t lb = libs(m.ligne, m.colonne);
      if (lb > kmax) continue;
      if (lb == 1)
        libertesdelachaine(p, l, CAPACITEPRISE, 0, m.ligne, m.colonne, e.carte);
      else
        poursuiteprise(e, l, e.carte, m);
    }
  }
  // A pass with two liberties.
  if (nl == 2) empilepoint(l, CAPACITEPRISE, 0, 0);
}

// ---- Attacker's generator ----------------------------------------------------------------

void coupsattaqueprise(TEtatPrise& e, TNoeudPrise& n, TSortieGenerateur& s, TPoint ko, TPoint precedent,
                       int32_t pli) {
  TPlateau& p = *e.p;
  TListePoints& l = n.liste;
  // Pass before, the attacker's bound, empty lists and map.
  const bool passe = pli > 1 && !pointreel(e.ligne[pli - 1]);
  const int32_t b = borneattaquant(e, pli);
  l[0] = 0;
  e.faibles[0] = 0;
  zeromarques(e.carte);
  if (pointreel(ko)) e.carte[indexcase(ko.ligne, ko.colonne)] = 1;
  const int32_t nl = libs(e.cl, e.cc);

  // Forcing branch.
  if (pli >= e.d || nl > b) {
    s.elargir = 0;
    if (nl == 2) {
      uint8_t drapeau = 1;
      libertesetvoisinsenatari(drapeau, p, l, 0, e.cl, e.cc, e.carte, CAPACITEPRISE);
      // A liberty at the ko point is not listed; the ko point stands in for it.
      if (drapeau && nbpoints(l) >= 1) {
        const TPoint a{ligneliste(l, 1), colonneliste(l, 1)};
        const TPoint b2 = nbpoints(l) >= 2 ? TPoint{ligneliste(l, 2), colonneliste(l, 2)} : TPoint{};
        if (capturedeuxlibertes(e, e.carte, a, b2, ko)) {
          s.statut = STATUTPRISE;
          return;
        }
      }
    } else {
      libertesdelachaine(p, l, CAPACITEPRISE, 0, e.cl, e.cc, e.carte);
    }
    if (e.fuitetrouvee || pli <= 6) {
      coupsbordcapture(e, l, ko, s.statut, e.faibles, 0);
      if (s.statut) e.fuitetrouvee = 1;
    }
    return;
  }

  // Ordinary branch.
  s.elargir = 1;
  libertesetennemisfaibles(p, l, e.faibles, CAPACITEPRISE, 0, e.cl, e.cc, e.carte);
  const int32_t nbcible = nbpoints(l);  // the target's liberties less a marked ko point
  TMarques cartecapture;  // read by the two-liberty test only
  if (nl == 2) copiemarques(cartecapture, e.carte);
  // Two liberties: each liberty's empty neighbours and the short chains beside it.
  if (nl == 2 && (pli <= 8 || passe)) {
    const int32_t nb = nbpoints(l);
    for (int32_t k = 2; k >= 1; --k) {
      // The ko point, marked before the flood, stands in for an unlisted liberty.
      TPoint m = k <= nb ? TPoint{ligneliste(l, k), colonneliste(l, k)} : (k == 2 ? ko : TPoint{});
      if (!pointreel(m) || testvoisinsatari(p, e.proprio, m.ligne, m.colonne)) continue;
      pasvoisins(m.ligne, m.colonne, 0, [&](int32_t r2, int32_t c2, int32_t) {
        const int32_t j = indexcase(r2, c2);
        if (p[j] == VIDE) {
          if (!e.carte[j]) {
            e.carte[j] = 1;
            empilepoint(l, CAPACITEPRISE, r2, c2);
          }
        } else if (libs(r2, c2) <= 2) {
          libertesetatari2(p, l, CAPACITEPRISE, 0, r2, c2, e.carte);
        }
        return false;
      });
    }
  }
  // Edge capture test.
  if (e.fuitetrouvee || pli <= 6) {
    coupsbordcapture(e, l, ko, s.statut, e.faibles, 0);
    if (s.statut) {
      e.fuitetrouvee = 1;
      return;
    }
  }
  // Points around the weak neighbours of the listed points.
  ChainesFaibles chaines{p, e.faibles};
  voisinsfaiblesdespoints(chaines, l, TPoint{});
  // Liberties of those weak chains; a capture that would take an own stone cancels the two-liberty test.
  bool annule = false;
  for (int32_t k = 1; k <= nbpoints(e.faibles); ++k) {
    const int32_t r = ligneliste(e.faibles, k), c = colonneliste(e.faibles, k);
    if (case_(p, r, c) == VIDE) continue;
    const int32_t lb = libs(r, c);
    if (lb == 2 && (pli <= 8 || b > 2 || niveau > 8 || passe)) {
      libertesdelachaine(p, l, CAPACITEPRISE, 0, r, c, e.carte);
    } else if (lb == 1) {
      libertesetatari(p, l, CAPACITEPRISE, 0, r, c, e.carte);
      if (case_(p, r, c) != e.proprio) annule = true;
    }
  }
  // Two liberties: the two-liberty capture, as in the forcing branch, on the
  // liberties the first walk listed (the head of the list): a ko point,
  // marked before that walk, stands in for the second.
  if (nl == 2 && !annule && nbcible >= 1) {
    const TPoint a{ligneliste(l, 1), colonneliste(l, 1)};
    const TPoint b2 = nbcible >= 2 ? TPoint{ligneliste(l, 2), colonneliste(l, 2)} : TPoint{};
    if (capturedeuxlibertes(e, cartecapture, a, b2, ko)) {
      s.statut = STATUTPRISE;
      return;
    }
  }
  // The owner's last stone in atari.
  if (pointreel(precedent) && !e.carte[indexcase(precedent.ligne, precedent.colonne)] &&
      case_(p, precedent.ligne, precedent.colonne) != VIDE && libs(precedent.ligne, precedent.colonne) == 1) {
    TPoint lib{};
    TMarques vu;
    zeromarques(vu);
    trouveliberte(p, lib, 0, precedent.ligne, precedent.colonne, vu);
    if (pointreel(lib) && !e.carte[indexcase(lib.ligne, lib.colonne)]) {
      e.carte[indexcase(lib.ligne, lib.colonne)] = 1;
      empilepoint(l, CAPACITEPRISE, lib.ligne, lib.colonne);
    }
  }
  // Points around the last liberties (nothing since the first walk changed
  // the board): the head of the list when no ko point was marked before that
  // walk, else walked again.
  if (nl <= 2 && (pli <= 8 || niveau > 8 || passe) && ((nl == 1 && pointreel(ko)) || (nl == 2 && !pointreel(ko)))) {
    TListePoints lc;
    if (!pointreel(ko)) {
      std::copy(l.begin(), l.begin() + 2 * nbcible + 2, lc.begin());
      lc[0] = nbcible;
    } else {
      libertesprise(p, e.cl, e.cc, lc);
    }
    if (nbpoints(lc) >= 1) {
      const int32_t k2 = nbpoints(lc) >= 2 ? 2 : 1;
      listevidesvoisinsmarque(e.carte, p, l, CAPACITEPRISE, ligneliste(lc, 1), colonneliste(lc, 1),
                              ligneliste(lc, k2), colonneliste(lc, k2));
      if (k2 == 2)
        listevidesvoisinsmarque(e.carte, p, l, CAPACITEPRISE, ligneliste(lc, 2), colonneliste(lc, 2),
                                ligneliste(lc, 2), colonneliste(lc, 2));
    }
  }
  // Order.
  triecoupsattaque(e, l, e.carte);
}
