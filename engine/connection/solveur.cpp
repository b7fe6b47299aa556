// The small-board solver's entry and main search: the first proof passes,
// the allowed candidates, then an alpha-beta search over +64 / -64 with a
// heuristic leaf value that chooses the move.
#include "engine/connection/solveur.h"

#include <memory>

#include "engine/board/acces.h"
#include "engine/board/collecteurs.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/rejoue.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/solveur_etat.h"
#include "engine/reading/prise.h"

namespace {

using namespace solveur;

// The empty points where `test` holds, those at distance 3 or more from the
// edge first, rows outer, each once.
template <class F>
void videsparbord(const TPlateau& p, TListePoints& l, TMarques& m, F&& test) {
  const int32_t n = configmoteur.taille;
  for (int32_t loin = 1; loin >= 0; --loin)
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (p[i] != VIDE || m[i] || (distancebord[i] >= 3) != (loin == 1) || !test(i)) continue;
        m[i] = 1;
        empilepoint(l, CAPACITESOLVEUR, r, c);
      }
}

// Takes the stones out of a mark map, leaving the empty points marked.
void demarquepierres(const TPlateau& p, TMarques& m) {
  for (int32_t i = 0; i < NBCASES; ++i)
    if (pierre(p[i])) m[i] = 0;
}

}  // namespace

int32_t profondeurrecherchesolveur() {
  switch (configmoteur.niveauconfig) {
    case 0: case 1: case 2: return 7;
    case 3: case 4: return 9;
    case 5: case 6: return 11;
    case 7: case 8: return 13;
    case 9: return 15;
    default: return 17;
  }
}

bool coupjouable(const TPlateau& p, uint8_t couleur, uint8_t autre, int32_t ligne, int32_t colonne) {
  if (p[indexcase(ligne, colonne)] != VIDE) return false;
  TPlateau copie = p;
  Restaure<TInfoChaine> garde(infochaine);
  uint8_t prise = 0;
  jouecoup2(prise, copie, ligne, colonne, couleur, autre);
  return copie[indexcase(ligne, colonne)] == couleur;
}

int32_t coupsracinesolveur(TSolveur& s, uint8_t camp, uint8_t autre) {
  const TPlateau& p = *s.p;
  TListePoints& l = s.coups[1];
  l[0] = 0;
  TMarques m = marquesvides;
  const int32_t etat = etatatari(p, camp, autre, l, m);
  if (etat != ETATCALME) return etat;
  videsparbord(p, l, m, [&](int32_t i) { return s.candidats[i] != 0; });
  if (l[0] == 0 && s.mode1nomme) {
    s.candidats = casesjouables;
    s.profondeurmax = 5;
    videsparbord(p, l, m, [&](int32_t i) { return distancebord[i] < 3; });
  }
  return ETATCALME;
}

int32_t coupssolveur(TSolveur& s, int32_t pli, uint8_t camp, uint8_t autre) {
  const TPlateau& p = *s.p;
  TListePoints& l = s.coups[pli];
  l[0] = 0;
  TMarques m = marquesvides;
  const int32_t etat = etatatari(p, camp, autre, l, m);
  if (etat != ETATCALME) return etat;
  const int32_t n = configmoteur.taille;
  const auto faibles = [&](bool seulautre) {
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (pierre(p[i]) && !m[i] && libs(i) < 3 && (!seulautre || p[i] == autre))
          libertesdelachaine(p, l, CAPACITESOLVEUR, 0, r, c, m);
      }
  };
  if (pli == 2) {
    videsparbord(p, l, m, [](int32_t) { return true; });
  } else if (pli == 3 || pli == 4) {
    videsparbord(p, l, m, [&](int32_t i) { return voisin8faible(p, i / TAILLEMAX + 1, i % TAILLEMAX + 1); });
    for (int32_t k = 1; k <= 2; ++k) {
      const TPoint c = s.plis[k].coup;
      if (c.ligne > 0 && pierre(p[ix(c)])) libertesdelachaine(p, l, CAPACITESOLVEUR, 0, c.ligne, c.colonne, m);
    }
  } else if (pli == 5 || pli == 6) {
    faibles(false);
  } else if (pli == 7 || pli == 8) {
    faibles(true);
  }
  return ETATCALME;
}

int32_t evaluationsolveur(const TListeChaines& ordiA, const TListeChaines& ordiB, const TListeChaines& joueurB,
                          const TPlateau& p, uint8_t ordi, int32_t nbchaines,
                          const std::array<TPliSolveur, PLISSOLVEUR + 2>& plis) {
  // The engine's first move: a lone stone or short chain costs, else its chain is marked.
  int32_t S = 0;
  TMarques marque = marquesvides;
  const TPoint c1 = plis[1].coup;
  if (c1.ligne > 0 && p[ix(c1)] == ordi) {
    if (nbpionschaine(p, c1.ligne, c1.colonne) == 1 || libs(ix(c1)) < 3) S -= 10;
    else marquepionschaine(p, marque, 0, c1.ligne, c1.colonne);
  }
  // The engine's A and B chains.
  int32_t nA = 0, nB = 0, nlibre = 0;
  const int32_t na = mini(ordiA[0].ligne, nbchaines);
  for (int32_t k = 1; k <= na; ++k) {
    const int32_t h = indexcase(ordiA[k].ligne, ordiA[k].colonne);
    const bool marquee = marque[h] != 0;
    if (ordiA[k].statut) {
      S += 4 * libs(h);
      nA += marquee;
    } else if (ordiB[k].statut) {
      S += 2 * libs(h);
      nB += marquee;
    } else {
      nlibre += marquee;
    }
  }
  if (nlibre > 0) {
    nA *= 2;
    nB *= 2;
  }
  S += 10 * (nA + nB);
  // The opponent's flagged B chains by their liberties.
  const int32_t nb = mini(joueurB[0].ligne, nbchaines);
  for (int32_t k = 1; k <= nb; ++k)
    if (joueurB[k].statut) S -= 2 * libs(indexcase(joueurB[k].ligne, joueurB[k].colonne));
  // Short chains and the average liberties of each side.
  int32_t chaines[2] = {0, 0}, libertes[2] = {0, 0};
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (!pierre(p[i]) || infochaine[i][1] == 0) continue;
    const int32_t cote = p[i] == ordi ? 0 : 1;
    if (libs(i) < 3) S += cote == 0 ? -2 : 2;
    ++chaines[cote];
    libertes[cote] += libs(i);
  }
  if (chaines[0] > 0 && chaines[1] > 0) S += libertes[0] / chaines[0] - libertes[1] / chaines[1];
  return S;
}

int32_t recherchesolveur(TSolveur& s, int32_t pli, uint8_t camp, uint8_t autre) {
  // Nothing in the quick mode.
  if (moderapide) return 0;
  TPlateau& p = *s.p;
  TPliSolveur& pl = s.plis[pli];
  TListePoints& l = s.coups[pli];
  const bool moteur = camp == s.ordi;
  const auto fin = [&](int32_t v) {
    s.resultat = v;
    return v;
  };
  const auto evalue = [&] {
    return evaluationsolveur(s.ordiA, s.ordiB, s.joueurB, p, s.ordi, MAXCHAINESSOLVEUR, s.plis);
  };

  // Moves and the node's state.
  pl.nbcherches = 0;
  pl.valeurentree = s.resultat;
  pl.coup = TPoint{};
  const int32_t etat = pli == 1 ? coupsracinesolveur(s, camp, autre) : coupssolveur(s, pli, camp, autre);

  // States that decide the node without a move.
  if (etat == ETATPRISE) {
    if (moteur && pli == 1) {
      s.reponse = premiereprise(p, autre);
      s.trouve = true;
    }
    return fin(moteur ? GAGNESOLVEUR : -GAGNESOLVEUR);
  }
  if (etat == ETATDEFENSE && pli == 1 && l[0] > 0) {
    s.reponse = pointliste(l, 1);
    s.trouve = true;
  }
  if (l[0] == 0) return fin(evalue());

  // The defender may pass when calm; killer first.
  if (etat == ETATCALME && !moteur && pli != s.profondeurmax) empilepoint(l, CAPACITESOLVEUR, 0, 0);
  if (!estaucun(pl.tueur)) remontecoupenliste(l, pl.tueur.ligne, pl.tueur.colonne, 1, CAPACITESOLVEUR);
  pl.tueur = AUCUN;
  s.plis[pli + 1].tueur = AUCUN;
  TInfoChaine& sauve = s.chaines[pli];
  sauve = infochaine;

  // The moves.
  int32_t meilleur = 0;
  for (int32_t k = 1; k <= l[0]; ++k) {
    ++compteurnoeudsprise;
    const TPoint m = pointliste(l, k);
    const bool passe = m.ligne == 0;
    const int32_t i = passe ? 0 : ix(m);
    const auto reprend = [&] {
      if (!passe) p[i] = VIDE;
      infochaine = sauve;
    };
    // Play; a capture wins at once.
    uint8_t prise = 0;
    if (!passe) jouecoup2(prise, p, m.ligne, m.colonne, camp, autre);
    if (prise) {
      reprend();
      return fin(moteur ? GAGNESOLVEUR : -GAGNESOLVEUR);
    }
    // Legal move.
    pl.coup = m;
    const bool legal = passe || p[i] == camp;
    if (legal && !passe && libs(i) == 1) {
      // A self-atari is not counted.
      reprend();
      continue;
    }
    if (legal) {
      // Child, or the evaluation at the depth limit.
      ++pl.nbcherches;
      const int32_t v0 = pli < s.profondeurmax ? recherchesolveur(s, pli + 1, autre, camp) : evalue();
      reprend();
      int32_t v = v0;
      // Root choice; a move the rules refuse loses its value.
      const bool premier = pl.nbcherches == 1;
      if (pli == 1) {
        if (premier || v > meilleur) {
          if (!premier) pl.tueur = m;
          if (coupautorise(p, camp, autre, m.ligne, m.colonne, 1, s.drapeaux[i])) v -= REFUSSOLVEUR;
          else s.sanschoix = false;
          if (premier || v > meilleur) {
            s.reponse = m;
            s.trouve = true;
            meilleur = v;
          }
        }
        if (premier) pl.tueur = m;
        // The next first move is searched against this move's value as checked.
        s.resultat = v;
      } else if (premier) {
        pl.tueur = m;
        meilleur = v;
      }
      // Cut-off against the entry values of earlier plies.
      if (moteur) {
        if (v >= GAGNESOLVEUR) return fin(v);
        for (int32_t q = pli; q >= 2; q -= 2)
          if (s.plis[q - 1].nbcherches > 1 && !(s.plis[q].valeurentree > v)) {
            pl.tueur = m;
            return fin(s.plis[q].valeurentree);
          }
        if (v > meilleur) {
          meilleur = v;
          pl.tueur = m;
        }
      } else {
        if (v <= -GAGNESOLVEUR) return fin(v);
        for (int32_t q = pli; q >= 2; q -= 2)
          if (s.plis[q - 1].nbcherches > 1 && !(s.plis[q].valeurentree < v)) {
            pl.tueur = m;
            return fin(s.plis[q].valeurentree);
          }
        if (v < meilleur) {
          meilleur = v;
          pl.tueur = m;
        }
      }
    } else {
      reprend();
    }
    // The child's killer next.
    const TPoint t = s.plis[pli + 1].tueur;
    if (l[0] - k >= 2 && !estaucun(t)) remontecoupenliste(l, t.ligne, t.colonne, k + 1, CAPACITESOLVEUR);
  }

  // No move searched: a defence state loses, else the evaluation.
  if (pl.nbcherches == 0) {
    if (etat == ETATDEFENSE) return fin(moteur ? -GAGNESOLVEUR : GAGNESOLVEUR);
    return fin(evalue());
  }
  return fin(meilleur);
}

void cherchecoupsautorises(TPlateau& p, const TListeChaines& ordiA, uint8_t joueur, uint8_t ordi,
                           TMarques& drapeaux, TMarques& candidats, int32_t& nombre) {
  TListePoints liste, adverses;
  liste[0] = 0;
  adverses[0] = 0;
  TMarques m = marquesvides, liees = marquesvides;
  const auto perdues = [&](auto&& f) {
    for (int32_t k = 1; k <= mini(ordiA[0].ligne, MAXCHAINESSOLVEUR); ++k)
      if (ordiA[k].statut) f(ordiA[k].ligne, ordiA[k].colonne);
  };
  // Group 1: the liberties of the lost chains, their adjacent opponent stones.
  perdues([&](int32_t r, int32_t c) {
    libertesetadversaires(p, liste, CAPACITESOLVEUR, 0, r, c, m, MAXPOINTSLISTE, adverses);
  });
  const int32_t fin1 = liste[0];
  // Group 2: around the opponent chains with fewer than 5 liberties.
  for (int32_t k = 1; k <= adverses[0]; ++k) {
    const int32_t r = adverses[2 * k], c = adverses[2 * k + 1];
    if (libs(indexcase(r, c)) < 5) libertesetfaibles(p, liste, CAPACITESOLVEUR, 0, r, c, m);
  }
  demarquepierres(p, m);
  const int32_t fin2 = liste[0];
  // Group 3: liberties and captures of the linked chains.
  perdues([&](int32_t r, int32_t c) { listelibertesetcaptures(p, liste, CAPACITESOLVEUR, m, r, c); });
  demarquepierres(p, m);
  // Group 4: the empty neighbours of every stone linked to a lost chain.
  perdues([&](int32_t r, int32_t c) { metlachainelieen2coupatest1(p, liees, r, c); });
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (liees[indexcase(r, c)] && p[indexcase(r, c)] == ordi) videsvoisins(p, liste, CAPACITESOLVEUR, r, c, m);
  // Group 5: the points where an engine stone would be linked to them.
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (p[i] != VIDE || m[i]) continue;
      const TEntreeChaine avant = infochaine[i];
      p[i] = ordi;
      infochaine[i][0] = 4;
      const bool lie = pionlieachainetest1(p, liees, r, c);
      p[i] = VIDE;
      infochaine[i] = avant;
      if (lie) {
        m[i] = 1;
        empilepoint(liste, CAPACITESOLVEUR, r, c);
      }
    }

  // Each candidate played for the engine: admitted when the opponent, moving
  // first, cannot force a capture.
  nombre = 0;
  for (int32_t k = 1; k <= liste[0]; ++k) {
    const int32_t r = liste[2 * k], c = liste[2 * k + 1];
    const int32_t i = indexcase(r, c);
    TPlateau copie = p;
    Restaure<TInfoChaine> garde(infochaine);
    uint8_t prise = 0;
    jouecoup2(prise, copie, r, c, ordi, joueur);
    const auto nomme = [&](int32_t mode) {
      TListeChaines a{}, b{};
      TPoint point = pointko;
      int32_t statut = 0;
      const TResultatPasse r = passesolveur(drapeaux, a, b, mode, point, copie, ordi, joueur, statut);
      return r.trouve && statut != 2;
    };
    if (prise) {
      // A capture wins at once.
      drapeaux[i] |= DRAPEAUPRISE;
      candidats[i] = 1;
      ++nombre;
    } else if (copie[i] != ordi) {
      drapeaux[i] |= DRAPEAUILLEGAL;
    } else {
      drapeaux[i] |= DRAPEAUMODE4;
      if (nomme(4)) {
        candidats[i] = 0;
        drapeaux[i] |= DRAPEAUREFUSE;
      } else {
        drapeaux[i] |= DRAPEAUMODE2;
        if (!nomme(2)) {
          candidats[i] = 1;
          ++nombre;
        } else {
          drapeaux[i] |= DRAPEAUREFUSE;
        }
      }
    }
    if ((k == fin1 || k == fin2) && nombre > 5) break;
  }
}

bool solveurcoupsautorises(uint8_t ordi, uint8_t joueur, TPlateau& p, TPoint& point) {
  auto etat = std::make_unique<TSolveur>();
  TSolveur& s = *etat;
  s.p = &p;
  s.ordi = ordi;
  s.joueur = joueur;
  point = TPoint{};

  // The chain lists of both sides.
  s.drapeaux = marquesvides;
  listechaines(p, ordi, s.ordiA, s.ordiB, s.joueurA, s.joueurB);

  // The engine attacks first.
  TPoint p0 = pointko;
  int32_t statut0 = 0;
  const TResultatPasse r0 = passesolveur(s.drapeaux, s.joueurA, s.joueurB, 0, p0, p, joueur, ordi, statut0);
  if (r0.trouve && p0.ligne != 0 && !(s.drapeaux[ix(p0)] & DRAPEAUREFUSE)) {
    ++compteurnoeudsprise;
    if (statut0 == 2 && !coupjouable(p, ordi, joueur, p0.ligne, p0.colonne)) {
      ecritdebug("j ai perdu et ne peut plus jouer");
      return false;
    }
    ecritdebug(statut0 == 2 ? "j ai pas le choix" : "j ai gagne");
    point = p0;
    return true;
  }

  // The opponent attacks first.
  TPoint p1 = pointko;
  int32_t statut1 = 0;
  const TResultatPasse r1 = passesolveur(s.drapeaux, s.ordiA, s.ordiB, 1, p1, p, ordi, joueur, statut1);
  s.mode1nomme = r1.trouve;
  for (const auto* l : {&s.ordiA, &s.joueurA}) {
    const TListeChaines& b = l == &s.ordiA ? s.ordiB : s.joueurB;
    for (int32_t k = 1; k <= (*l)[0].ligne; ++k)
      s.bilanchaines[indexcase((*l)[k].ligne, (*l)[k].colonne)] = (*l)[k].statut ? 1 : b[k].statut ? 2 : 3;
  }
  affichecartefaibles(s.bilanchaines, ordi, p, "mort");

  // The allowed candidates.
  s.candidats = pionsmortssauves;
  int32_t nombre = 0;
  if (r1.trouve && statut1 != 2) {
    cherchecoupsautorises(p, s.ordiA, joueur, ordi, s.drapeaux, s.candidats, nombre);
    affichecartefaibles(s.candidats, ordi, p, "nouveau coup autorise");
  }
  if (nombre == 0) {
    const int32_t n = configmoteur.taille;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (p[i] == VIDE && !coupautorise(p, ordi, joueur, r, c, 4, s.drapeaux[i])) {
          s.candidats[i] = 1;
          ++nombre;
        }
      }
    affichecartefaibles(s.candidats, ordi, p, "coup autorise");
  }
  s.sanschoix = nombre == 0;

  // The main search.
  s.profondeurmax = profondeurrecherchesolveur();
  compteurnoeudsprise = 0;
  for (auto& pl : s.plis) pl = TPliSolveur{};
  s.resultat = 0;
  s.trouve = false;
  recherchesolveur(s, 1, ordi, joueur);

  // No answer found, or nothing to choose.
  if ((s.sanschoix && !r1.trouve) || !s.trouve) {
    if (r1.trouve) ecritdebug("j ai perdu");
    return false;
  }
  point = s.reponse;
  return true;
}
