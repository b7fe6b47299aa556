// Zone reading: the invasion values of the first moves inside enclosed zones.
#include "engine/territory/lecturezone.h"

#include <algorithm>
#include <memory>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"

namespace {

inline uint8_t autrecouleur(uint8_t c) { return c == NOIR ? BLANC : NOIR; }

// Points where the owner has no neighbour chain in atari (or with 2 marked
// liberties): a candidate next to a chain in atari needs the mark.
TMarques marqueszoneinvasion;

// A board neighbour of the point holds c.
bool voisinde(const TPlateau& p, uint8_t c, int32_t r, int32_t col) {
  return pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return p[ix(r2, c2)] == c; });
}

// The search of one pass. Every ply keeps its candidates, the chain table and
// captures to undo its move, its count of legal moves, its move and the value
// the shared cell held when it was entered.
struct Lecture {
  const TPlateau& origine;
  TPlateau b;
  uint8_t couleur;  // the colour given to the entry call
  int32_t& mode;
  TMarques* resultat = nullptr;  // mode 0: the pass's map
  uint8_t proprietaire = BLANC, intrus = NOIR;
  TMarques faibles{};
  TListePoints zone{};
  TListePoints candidats[PROFONDEURZONE + 1];
  TListePoints prises[PROFONDEURZONE + 1];
  TInfoChaine chaines[PROFONDEURZONE + 1];
  int32_t essais[PROFONDEURZONE + 1] = {};
  TPoint coup[PROFONDEURZONE + 1];
  int32_t entree[PROFONDEURZONE + 1] = {};
  int32_t cellule = 0;  // the value every node hands back
  bool depasse = false;

  Lecture(const TPlateau& p, uint8_t c, int32_t& m) : origine(p), b(p), couleur(c), mode(m) {}

  // Candidates of the first level: the zone's points next to the owner's weak
  // chains. The list may grow later in the loop, each point once.
  void candidatspremierniveau(TListePoints& l) {
    for (int32_t k = 1; k <= nbpoints(zone); ++k) {
      const int32_t r = ligneliste(zone, k), c = colonneliste(zone, k);
      const int32_t j = ix(r, c);
      if (b[j] != VIDE) continue;
      const int32_t m = minlibertesvoisins(b, proprietaire, r, c);
      if ((m == 1 && marqueszoneinvasion[j]) || m == 2 || (m == 3 && doublereduction(b, proprietaire, r, c)))
        ajoutecaseliste(r, c, l, MAXPOINTSLISTE);
    }
  }

  // coupscandidatszone below the first level: points around the intruder's
  // moves of the line that press an owner chain.
  void coupscandidatszone(int32_t d, const TPoint& ko, TListePoints& l) {
    if (d == 1) {
      candidatspremierniveau(l);
      return;
    }
    TMarques vu = marquesvides;
    for (int32_t j = 1; j < d; j += 2) libertesmarquees(b, intrus, vu, 0, coup[j].ligne, coup[j].colonne);
    if (ko.ligne != 0) vu[ix(ko.ligne, ko.colonne)] = 0;
    const int32_t n = taillemoteur();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = ix(r, c);
        if (!vu[j] || b[j] != VIDE) continue;
        const int32_t m = minlibertesvoisins(b, proprietaire, r, c);
        if ((m == 1 && marqueszoneinvasion[j]) || m == 2) empilepoint(l, MAXPOINTSLISTE, r, c);
      }
  }

  // coupsdefensezone: from the intruder's last stone (the ko point kept out).
  void coupsdefensezone(int32_t d, const TPoint& ko, TListePoints& l) {
    TMarques vu = marquesvides;
    if (ko.ligne != 0) vu[ix(ko.ligne, ko.colonne)] = 1;
    libertesdepart(b, l, MAXPOINTSLISTE, 0, coup[d - 1].ligne, coup[d - 1].colonne, vu);
  }

  // coupsdefensezone2: the liberties of the owner's two-liberty chains next
  // to the last move, each point once in the list.
  void coupsdefensezone2(int32_t d, TListePoints& l) {
    TMarques vu = marquesvides;
    TListePoints libs;
    libs[0] = 0;
    pastable(coup[d - 1].ligne, coup[d - 1].colonne, [&](int32_t r, int32_t c) {
      const int32_t j = ix(r, c);
      if (b[j] == proprietaire && infochaine[j][0] == 2 && !vu[j])
        libertesdelachaine(b, libs, MAXPOINTSLISTE, 0, r, c, vu);
      return false;
    });
    for (int32_t k = 1; k <= nbpoints(libs); ++k)
      ajoutecaseliste(ligneliste(libs, k), colonneliste(libs, k), l, MAXPOINTSLISTE);
  }

  // What an intruder move earns.
  int32_t valeurcoup(int32_t d, int32_t r, int32_t c, const TListePoints& pr) const {
    const int32_t i = ix(r, c);
    int32_t v = 0;
    if (d > 1 && (intrus == couleur || infochaine[i][0] > 1) && faibles[i] != 1 &&
        (d < 4 || territoire[i] == proprietaire || territoire2[i] == proprietaire))
      v += 10;
    for (int32_t k = 1; k <= nbpoints(pr); ++k) {
      const int32_t j = ix(ligneliste(pr, k), colonneliste(pr, k));
      if (origine[j] == proprietaire) {
        if (territoire[j] == proprietaire) v += 30;
        else if (!pionsmorts[j]) v += 10;
      } else if (territoire[j] == proprietaire) {
        v += 10;
      }
    }
    return v;
  }

  // A first move's value goes to the map (or the sum); a hopeful
  // one adds the liberties of the weak owner chains it touches to the list.
  void premiercoup(int32_t r, int32_t c, int32_t v, TListePoints& l) {
    if (mode != 0) {
      mode += v;
      return;
    }
    (*resultat)[ix(r, c)] = static_cast<uint8_t>(v >= 250 ? 254 : std::max(v, 0));
    if (v <= 0) return;
    int32_t& drapeau = intrus == couleur ? flaginvasion2 : flaginvasion;
    drapeau = std::max(drapeau, v / 10);
    tablezones[0] = 0;
    TMarques vu = marquesvides;
    pastable(r, c, [&](int32_t r2, int32_t c2) {
      const int32_t j = ix(r2, c2);
      if (b[j] == proprietaire && !vu[j] && territoire[j] == proprietaire && infochaine[j][0] < 3)
        libertesdelachaine(b, tablezones, MAXPOINTSLISTE, 0, r2, c2, vu);
      return false;
    });
    for (int32_t k = 1; k <= nbpoints(tablezones); ++k)
      ajoutecaseliste(ligneliste(tablezones, k), colonneliste(tablezones, k), l, MAXPOINTSLISTE);
  }

  // recuzone: the node at depth d, entered with the running score; its value
  // goes into `cellule`. The move played here is always taken back.
  void recuzone(int32_t d, TPoint ko, int32_t score) {
    const bool tourintrus = d % 2 == 1;
    const uint8_t joueur = tourintrus ? intrus : proprietaire;
    const uint8_t adverse = tourintrus ? proprietaire : intrus;
    // The intruder's candidates, or the owner's defences and a pass.
    TListePoints& l = candidats[d];
    l[0] = 0;
    if (tourintrus) {
      coupscandidatszone(d, ko, l);
    } else {
      coupsdefensezone(d, ko, l);
      if (d < 7) coupsdefensezone2(d, l);
      if (nbpoints(l) > 0) empilepoint(l, MAXPOINTSLISTE, 0, 0);
    }
    // No move: the score stands.
    if (nbpoints(l) == 0) {
      cellule = score;
      return;
    }
    essais[d] = 0;
    entree[d] = cellule;
    int32_t meilleur = 0;
    // The first level's list may grow inside the loop.
    for (int32_t k = 1; k <= nbpoints(l); ++k) {
      if (d == 1) cellule = 0;
      if (compteurnoeuds > NOEUDSZONEMAX) {
        depasse = true;
        cellule = 0;
        return;
      }
      const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
      const bool passe = r == 0;
      chaines[d] = infochaine;
      TListePoints& pr = prises[d];
      pr[0] = 0;
      if (!passe) jouecoup(pr, CAPACITELISTE, b, r, c, joueur, adverse);
      ++compteurnoeuds;
      if (!passe && b[ix(r, c)] != joueur) {
        infochaine = chaines[d];
        continue;
      }
      ++essais[d];
      coup[d] = TPoint{r, c};
      // The intruder's move scores; a lone capture by a lone stone leaves a ko.
      const int32_t s = tourintrus && !passe ? score + valeurcoup(d, r, c, pr) : score;
      TPoint kosuivant{};
      if (!passe && nbpoints(pr) == 1 && infochaine[ix(r, c)][0] == 1 && !voisinde(b, joueur, r, c))
        kosuivant = TPoint{ligneliste(pr, 1), colonneliste(pr, 1)};
      // Deeper, or the last depth's bonus.
      if (d < PROFONDEURZONE) recuzone(d + 1, kosuivant, s);
      else cellule = s + 10;
      // Undo the move.
      if (!passe) {
        b[ix(r, c)] = VIDE;
        for (int32_t m = 1; m <= nbpoints(pr); ++m) b[ix(ligneliste(pr, m), colonneliste(pr, m))] = adverse;
      }
      infochaine = chaines[d];
      if (depasse) {
        cellule = 0;
        return;
      }
      // The first level notes each move; below, cuts against the ancestors' bounds, else the best.
      const int32_t v = cellule;
      if (d == 1) {
        premiercoup(r, c, v, l);
        continue;
      }
      if (essais[d] == 1) {
        meilleur = v;
        continue;
      }
      if (tourintrus) {
        for (int32_t j = d; j >= 3; j -= 2)
          if (essais[j - 1] > 1 && entree[j] <= v) {
            cellule = entree[j];
            return;
          }
        meilleur = std::max(meilleur, v);
      } else {
        if (v <= score) {
          cellule = v;
          return;
        }
        for (int32_t j = d; j >= 4; j -= 2)
          if (essais[j - 1] > 1 && entree[j] >= v) {
            cellule = entree[j];
            return;
          }
        meilleur = std::min(meilleur, v);
      }
    }
    cellule = essais[d] == 0 ? score : meilleur;
  }

  // One pass of the reading for one owner: the maps, then every zone.
  void passe(uint8_t p) {
    const int32_t n = taillemoteur();
    proprietaire = p;
    intrus = autrecouleur(p);
    // Invasion zone: empty points not next to a chain of two liberties in atari.
    marqueszoneinvasion = casesjouables;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c)
        if (b[ix(r, c)] == VIDE) marqueszoneinvasion[ix(r, c)] = voisinatari2libertes(b, p, r, c) ? 0 : 1;
    // Weak points: beside a short-liberty chain, or a double reduction.
    faibles = marquesvides;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        if (b[ix(r, c)] != VIDE) continue;
        if (voisinmoinsde3libertes2(b, p, r, c)) faibles[ix(r, c)] = 1;
        else if (doublereduction(b, p, r, c)) faibles[ix(r, c)] = 2;
      }
    // Each closed zone of the owner read from its first point.
    TMarques vu = marquesvides;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = ix(r, c);
        if (b[j] != VIDE || vu[j] || territoire[j] != p) continue;
        zone[0] = 0;
        parcourtzonefermee(p, b, zone, 0, c, r, faibles, vu, MAXPOINTSLISTE);
        cellule = 0;
        recuzone(1, pointko, 0);
      }
  }
};

}  // namespace

void parcourtzonefermee(uint8_t couleur, const TPlateau& p, TListePoints& zone, int32_t dir, int32_t colonne,
                        int32_t ligne, const TMarques& faibles, TMarques& vu, int32_t cap) {
  const int32_t i = ix(ligne, colonne);
  vu[i] = 1;
  if (p[i] != couleur) empilepoint(zone, cap, ligne, colonne);
  pasvoisins(ligne, colonne, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
    const int32_t j = ix(r2, c2);
    if (!vu[j] && (p[j] == couleur || territoire[j] == couleur || pionsmorts[j] || faibles[j]))
      parcourtzonefermee(couleur, p, zone, d2, c2, r2, faibles, vu, cap);
    return false;
  });
}

bool doublereduction(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne) {
  TMarques vu = marquesvides;
  int32_t chaines3 = 0, issues = 0;
  pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t c) {
    const int32_t j = ix(r, c);
    if (p[j] == VIDE) {
      ++issues;
    } else if (!vu[j]) {
      const int32_t l = infochaine[j][0];
      if (p[j] == couleur ? l == 3 : l > 1) {
        marquepionschaine(p, vu, 0, r, c);
        if (p[j] == couleur) ++chaines3;
        else issues += l;
      }
    }
    return false;
  });
  return chaines3 >= 2 && issues >= 2;
}

void corrigezones(TMarques& carte, uint8_t couleur, const TPlateau& p) {
  const int32_t n = taillemoteur();
  const uint8_t intrus = autrecouleur(couleur);
  Restaure<TInfoChaine> chaines(infochaine);
  TPlateau b = p;
  const TPlateau depart = p;
  const TInfoChaine tabledepart = infochaine;
  const auto remet = [&] {
    b = depart;
    infochaine = tabledepart;
  };
  const auto pose = [&](uint8_t c, int32_t r, int32_t col) {
    TListePoints pr;
    pr[0] = 0;
    jouecoup(pr, CAPACITELISTE, b, r, col, c, autrecouleur(c));
    return b[ix(r, col)] == c;
  };
  TMarques recu = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      const uint8_t v = carte[i];
      if (v == 0 || territoire[i] != couleur) continue;
      carte[i] = 0;
      // The intruder's move and its chain's liberties.
      TListePoints liste;
      liste[0] = 0;
      empilepoint(liste, MAXPOINTSLISTE, r, c);
      pose(intrus, r, c);
      TMarques vu = marquesvides;
      libertesdepart(b, liste, MAXPOINTSLISTE, 0, r, c, vu);
      remet();
      // (a) The owner takes one of them without leaving a weak chain by P.
      for (int32_t k = 1; k <= nbpoints(liste); ++k) {
        const int32_t q = ix(ligneliste(liste, k), colonneliste(liste, k));
        if (recu[q]) continue;
        if (pose(couleur, ligneliste(liste, k), colonneliste(liste, k)) && !voisinmoinsde3libertes2(b, couleur, r, c))
          recu[q] = v;
        remet();
      }
      // (b) The owner blocks next to P and the intruder at P is left in atari.
      pastable(r, c, [&](int32_t r2, int32_t c2) {
        const int32_t q = ix(r2, c2);
        if (b[q] != VIDE || recu[q]) return false;
        if (pose(couleur, r2, c2) && infochaine[q][0] > 1) {
          pose(intrus, r, c);
          if (infochaine[i][0] <= 1) recu[q] = v;
        }
        remet();
        return false;
      });
    }
  for (int32_t j = 0; j < NBCASES; ++j)
    if (recu[j]) carte[j] = recu[j];
}

void analysezoneinvasion(TMarques& resultat, uint8_t couleur, const TPlateau& p, int32_t& mode) {
  Restaure<TInfoChaine> chaines(infochaine);
  auto lecture = std::make_unique<Lecture>(p, couleur, mode);
  compteurnoeuds = 0;
  if (mode == 0) {
    resultat = marquesvides;
    TMarques cartes[2];
    lecture->resultat = &resultat;
    // Owner black, then white.
    for (int32_t k = 0; k < 2; ++k) {
      lecture->passe(k == 0 ? NOIR : BLANC);
      cartes[k] = resultat;
      resultat = marquesvides;
    }
    // The pass whose owner is the given colour is corrected.
    corrigezones(cartes[couleur == NOIR ? 0 : 1], couleur, p);
    for (int32_t j = 0; j < NBCASES; ++j) resultat[j] = std::max(cartes[0][j], cartes[1][j]);
    return;
  }
  // One pass: the empty points unmarked in the map count as the owner's.
  {
    Restaure<TMarques> proprietaires(territoire);
    const int32_t n = taillemoteur();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t j = ix(r, c);
        if (p[j] == VIDE && resultat[j] == 0) territoire[j] = couleur;
      }
    lecture->passe(couleur);
  }
  mode -= 1;
}
