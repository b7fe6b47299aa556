// Proof passes of the small-board solver: a three-valued search (+1 the
// attacker captures, -1 the defender does, 0 undecided) with its move
// generators by effective ply, the enclosed-chain test, the lost-chain
// marks, the per-ply stores and the allowed-move test built on it.
#include <memory>

#include "engine/board/acces.h"
#include "engine/board/cles.h"
#include "engine/board/collecteurs.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/chains/yeux.h"
#include "engine/connection/solveur_etat.h"
#include "engine/reading/prise.h"

TSondePasse sondepassesolveur = nullptr;

namespace {

using namespace solveur;

// One ply of a pass. Left uninitialised on allocation; a node sets what it reads.
struct TPliPasse {
  TPoint coup;            // the move being tried on the line
  TPoint tueur;           // killer move
  uint8_t drapeaux;       // defender plies, modes 0 and 1: 2 in atari, 4 a pass, 1 not alive
  TListeChaines copieA;   // list A at the defender's node (modes 0 and 1)
  TInfoChaine chaines;    // infochaine at the node's entry
  TListePoints coups;     // the node's moves
  TMarques marques;       // listed points and walked stones of the generation
};

// The state of one pass.
struct TPasse {
  TMarques& drapeaux;
  TListeChaines& A;
  TListeChaines& B;
  int32_t mode;
  TPoint& point;
  TPlateau& p;
  uint8_t defenseur;
  uint8_t attaquant;
  int32_t& statut;
  bool trouve = false;
  int32_t niveau = 0;      // configmoteur.niveauconfig
  int32_t D = 0;           // the pass's depth
  int32_t nbvides = 0;     // empty points at the start
  int32_t nbstore[DERNIERPLISTORE + 1] = {};
  TListePoints zone{};     // one point per defender chain near the first move
  std::unique_ptr<TPliPasse[]> plis{new TPliPasse[PLISPASSE + 2]};

  bool listes() const { return mode == 0 || mode == 1; }
};

// ---- Generation helpers ---------------------------------------------------------------

// Appends an empty point once.
inline void ajoutevide(TListePoints& l, TMarques& m, int32_t r, int32_t c) {
  const int32_t i = indexcase(r, c);
  if (m[i]) return;
  m[i] = 1;
  empilepoint(l, CAPACITESOLVEUR, r, c);
}

inline void libertes(const TPlateau& p, TListePoints& l, TMarques& m, int32_t r, int32_t c) {
  libertesdelachaine(p, l, CAPACITESOLVEUR, 0, r, c, m);
}
inline void libertes(const TPlateau& p, TListePoints& l, TMarques& m, int32_t i) {
  libertes(p, l, m, i / TAILLEMAX + 1, i % TAILLEMAX + 1);
}

// Every empty point where `test` holds, rows outer.
template <class F>
void videsou(const TPlateau& p, TListePoints& l, TMarques& m, F&& test) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (p[indexcase(r, c)] == VIDE && test(r, c)) ajoutevide(l, m, r, c);
}

// Every stone, rows outer.
template <class F>
void pierres(const TPlateau& p, F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (pierre(p[indexcase(r, c)])) f(indexcase(r, c), r, c);
}

// The zone list: one point of every defender chain with at most 3 liberties
// that touches a liberty of the chain of the attacker's first stone.
void zonepremiercoup(TPasse& e) {
  e.zone[0] = 0;
  const TPoint m = e.plis[1].coup;
  if (m.ligne <= 0 || !pierre(e.p[ix(m)])) return;
  TListePoints libs1;
  libs1[0] = 0;
  TMarques vu = marquesvides, chaines = marquesvides;
  libertesdelachaine(e.p, libs1, MAXPOINTSLISTE, 0, m.ligne, m.colonne, vu);
  for (int32_t k = 1; k <= libs1[0]; ++k)
    pastable(libs1[2 * k], libs1[2 * k + 1], [&](int32_t r, int32_t c) {
      const int32_t j = indexcase(r, c);
      if (e.p[j] == e.defenseur && libs(j) <= 3 && !chaines[j]) {
        marquepionschaine(e.p, chaines, 0, r, c);
        empilepoint(e.zone, MAXCHAINESSOLVEUR, r, c);
      }
      return false;
    });
}

// The walk of chaineenclose: through the chain's colour and empty points.
struct TEnclos {
  const TPlateau& p;
  uint8_t x, y;        // the chain's colour, the other
  int32_t parite;
  TMarques& forts;     // chains of y found strong
  TMarques vu = marquesvides;
  int32_t yeux = 0;
  bool fin = false;    // the chain lives or escapes

  void parcoursenclos(int32_t dir, int32_t r, int32_t c) {
    const int32_t i = indexcase(r, c);
    vu[i] = 1;
    if (p[i] == VIDE && testvraioeil(p, y, r, c) && ++yeux >= 2) {
      fin = true;
      return;
    }
    pasvoisins(r, c, dir, [&](int32_t r2, int32_t c2, int32_t d2) {
      const int32_t j = indexcase(r2, c2);
      if (fin) return true;
      if (vu[j]) return false;
      if (p[j] == x || p[j] == VIDE) {
        parcoursenclos(d2, r2, c2);
        return fin;
      }
      vu[j] = 1;
      const int32_t l = libs(j);
      if (l >= parite + 4 || forts[j]) return false;
      const int32_t borne = parite + (l == 2 ? 5 : 4);
      int32_t n = 0;
      TMarques vu2 = marquesvides;
      comptelibertesjusqua(p, vu2, n, c2, r2, borne, 0);
      if (n >= borne) {
        marquepionschaine(p, forts, 0, r2, c2);
        return false;
      }
      fin = true;  // a weak wall: the chain escapes
      return true;
    });
  }
};

bool chaineenclose(const TPlateau& p, int32_t parite, TMarques& forts, int32_t r, int32_t c) {
  const uint8_t x = p[indexcase(r, c)];
  TEnclos w{p, x, static_cast<uint8_t>(x == NOIR ? BLANC : NOIR), parite, forts};
  w.parcoursenclos(0, r, c);
  return !w.fin;
}

// True when a zone chain is found enclosed.
bool zoneenclose(TPasse& e, int32_t d) {
  const int32_t parite = d % 2 == 0 ? 1 : 0;
  TMarques vus = marquesvides, forts = marquesvides;
  for (int32_t k = 1; k <= e.zone[0]; ++k) {
    const int32_t r = e.zone[2 * k], c = e.zone[2 * k + 1];
    if (vus[indexcase(r, c)]) continue;
    if (chaineenclose(e.p, parite, forts, r, c)) return true;
    marquepionschaine(e.p, vus, 0, r, c);
  }
  return false;
}

// The chain labelled `label` takes part in every exchange of the line: going
// back two plies at a time, the defender's move of each pair is one of its
// stones or the attacker's move stands next to it.
bool prendpart(const TPasse& e, int32_t d, const TMarques& m, uint8_t label) {
  for (int32_t k = d - 1; k >= 1; k -= 2) {
    const int32_t a = k % 2 == 1 ? k : k - 1;
    const int32_t f = k % 2 == 0 ? k : k - 1;
    bool ok = false;
    if (f >= 1) {
      const TPoint cf = e.plis[f].coup;
      ok = cf.ligne > 0 && m[ix(cf)] == label;
    }
    if (!ok && a >= 1) {
      const TPoint ca = e.plis[a].coup;
      ok = ca.ligne > 0 && voisincouleurtable(m, label, ca.ligne, ca.colonne);
    }
    if (!ok) return false;
  }
  return true;
}

// Liberties of the weak zone chains that take part in the line. True when
// something was added.
bool chainesfaiblesregion(TPasse& e, int32_t d, uint8_t camp, int32_t k, TListePoints& l, TMarques& m) {
  const int32_t kp = camp == e.defenseur ? k - 1 : k;
  uint8_t label = 1;
  const int32_t avant = l[0];
  for (int32_t z = 1; z <= e.zone[0]; ++z) {
    const int32_t r = e.zone[2 * z], c = e.zone[2 * z + 1];
    const int32_t i = indexcase(r, c);
    if (m[i] || libs(i) > kp || label == 255) continue;
    ++label;
    TListePoints lib;
    lib[0] = 0;
    libertesregion(e.p, lib, 10, label, 0, r, c, m);
    const bool garde = prendpart(e, d, m, label);
    for (int32_t j = 1; j <= lib[0]; ++j) {
      if (garde) empilepoint(l, CAPACITESOLVEUR, lib[2 * j], lib[2 * j + 1]);
      else m[indexcase(lib[2 * j], lib[2 * j + 1])] = 0;
    }
  }
  return l[0] > avant;
}

// Effective ply: the ply less twice the atari credit; 0 becomes 2 for the defender.
int32_t plieffectif(const TPasse& e, int32_t d, uint8_t camp, uint8_t credit) {
  int32_t p = d - 2 * credit;
  if (p <= 0 && camp == e.defenseur) p = 2;
  return p < 1 ? 1 : p;
}

// ---- Generators ---------------------------------------------------------------------------

// Modes 0 to 2.
int32_t coupspassesolveur(TPasse& e, int32_t d, uint8_t camp, uint8_t autre, uint8_t credit) {
  TPliPasse& pl = e.plis[d];
  TListePoints& l = pl.coups;
  TMarques& m = pl.marques;
  const TPlateau& p = e.p;
  const int32_t ef = plieffectif(e, d, camp, credit);
  const bool attaque = camp == e.attaquant;
  if (ef == 1) videsou(p, l, m, [&](int32_t r, int32_t c) { return pierreproche(p, r, c); });
  // A zone list left by a sibling's first move is no longer the line's.
  if (d == 2) e.zone[0] = 0;
  const int32_t etat = etatatari(p, camp, autre, l, m);
  if (etat != ETATCALME) return etat;

  const auto zonelibertes = [&](int32_t borne) {
    for (int32_t z = 1; z <= e.zone[0]; ++z) {
      const int32_t i = indexcase(e.zone[2 * z], e.zone[2 * z + 1]);
      if (!m[i] && libs(i) <= borne) libertes(p, l, m, i);
    }
  };
  bool reordonne = ef <= 6;
  if (ef == 1) {
    // The points near a stone, listed before the scan.
  } else if (ef == 2) {
    if (d == 2) zonepremiercoup(e);
    videsou(p, l, m, [&](int32_t r, int32_t c) { return zoneoccupee(p, r, c); });
    zonelibertes(MAXPOINTSLISTE);
  } else if (ef == 3 || ef == 4) {
    videsou(p, l, m, [&](int32_t r, int32_t c) { return zoneoccupee(p, r, c); });
    if (zoneenclose(e, d)) return ETATENCLOS;
    zonelibertes(MAXPOINTSLISTE);
  } else if (ef == 5 || ef == 6) {
    pierres(p, [&](int32_t i, int32_t, int32_t) {
      if (!m[i] && (libs(i) == 2 || (libs(i) == 3 && p[i] != camp))) libertes(p, l, m, i);
    });
    if (zoneenclose(e, d)) return ETATENCLOS;
    for (int32_t k = 1; k < d; ++k) {
      const TPoint c = e.plis[k].coup;
      if (c.ligne > 0 && pierre(p[ix(c)]) && !m[ix(c)] && libs(ix(c)) < 5) libertes(p, l, m, ix(c));
    }
    zonelibertes(3 + d % 2);
    chainesfaiblesregion(e, d, camp, 5, l, m);
  } else if (ef <= 10) {
    pierres(p, [&](int32_t i, int32_t, int32_t) {
      if (!m[i] && p[i] == autre && libs(i) == 2) libertes(p, l, m, i);
    });
    if (zoneenclose(e, d)) return ETATENCLOS;
    const int32_t avant = l[0];
    for (int32_t k = 1; k < d; ++k) {
      const TPoint c = e.plis[k].coup;
      if (c.ligne <= 0 || !pierre(p[ix(c)]) || m[ix(c)]) continue;
      const int32_t n = libs(ix(c));
      if (n == 2 || (n == 3 && attaque && p[ix(c)] == e.defenseur)) libertes(p, l, m, ix(c));
    }
    reordonne = l[0] > avant;
    zonelibertes(2 + d % 2);
    reordonne = chainesfaiblesregion(e, d, camp, 4, l, m) || reordonne;
  } else {
    const int32_t avant = l[0];
    if (attaque && d >= 2)
      for (int32_t k = 1; k < d; ++k) {
        const TPoint c = e.plis[k].coup;
        if (c.ligne > 0 && p[ix(c)] == e.defenseur && !m[ix(c)] && libs(ix(c)) == 2) libertes(p, l, m, ix(c));
      }
    reordonne = l[0] > avant;
    reordonne = chainesfaiblesregion(e, d, camp, 3, l, m) || reordonne;
  }
  if (reordonne) ordonnecoups(p, l, camp, autre);
  return ETATCALME;
}

// Mode 4: moves near the stones of the line.
int32_t coupslocauxsolveur(TPasse& e, int32_t d, uint8_t camp, uint8_t autre, uint8_t credit) {
  TPliPasse& pl = e.plis[d];
  TListePoints& l = pl.coups;
  TMarques& m = pl.marques;
  const TPlateau& p = e.p;
  const int32_t etat = etatatari(p, camp, autre, l, m);
  if (etat != ETATCALME) return etat;
  int32_t ef = plieffectif(e, d, camp, credit);
  if (ef == 3) ef = 5;
  else if (ef == 4 || ef == 6) ef = 7;
  const bool attaque = camp == e.attaquant;
  TListePoints pierresvues;
  pierresvues[0] = 0;
  // The stones collected are marked only to be taken once; their chains'
  // liberties are walked afterwards from unmarked stones.
  const auto demarque = [&] {
    for (int32_t k = 1; k <= pierresvues[0]; ++k) m[indexcase(pierresvues[2 * k], pierresvues[2 * k + 1])] = 0;
  };
  const auto voisinsdesliste = [&] {
    const int32_t n = l[0];
    for (int32_t k = 1; k <= n; ++k) videsvoisins(p, l, CAPACITESOLVEUR, l[2 * k], l[2 * k + 1], m);
  };
  const auto adversaires = [&](int32_t r, int32_t c) {
    libertesetadversaires(p, l, CAPACITESOLVEUR, 0, r, c, m, MAXPOINTSLISTE, pierresvues);
  };
  if (ef == 1) {
    pierres(p, [&](int32_t i, int32_t r, int32_t c) {
      if (p[i] == autre && !m[i]) adversaires(r, c);
    });
    voisinsdesliste();
    demarque();
    for (int32_t k = 1; k <= pierresvues[0]; ++k) {
      const int32_t i = indexcase(pierresvues[2 * k], pierresvues[2 * k + 1]);
      if (!m[i]) libertes(p, l, m, i);
    }
  } else if (ef == 2) {
    const TPoint c1 = e.plis[1].coup;
    if (c1.ligne > 0 && pierre(p[ix(c1)])) adversaires(c1.ligne, c1.colonne);
    voisinsdesliste();
    demarque();
    for (int32_t k = 1; k <= pierresvues[0]; ++k)
      libertesetfaibles(p, l, CAPACITESOLVEUR, 0, pierresvues[2 * k], pierresvues[2 * k + 1], m);
  } else if (ef == 5) {
    for (int32_t k = 1; k < d; ++k) {
      const TPoint c = e.plis[k].coup;
      if (c.ligne > 0 && pierre(p[ix(c)])) adversaires(c.ligne, c.colonne);
    }
    demarque();
    for (int32_t k = 1; k <= pierresvues[0]; ++k)
      libertesetfaibles(p, l, CAPACITESOLVEUR, 0, pierresvues[2 * k], pierresvues[2 * k + 1], m);
  } else if (ef <= 10) {
    for (int32_t k = 1; k < d; ++k) {
      const TPoint c = e.plis[k].coup;
      if (c.ligne <= 0 || !pierre(p[ix(c)])) continue;
      const int32_t borne = attaque && k % 2 == 0 ? 4 : 3;
      if (libs(ix(c)) < borne) adversaires(c.ligne, c.colonne);
      else listepierresennemiesvoisines2(p, pierresvues, MAXPOINTSLISTE, 0, c.ligne, c.colonne, m);
    }
    demarque();
    for (int32_t k = 1; k <= pierresvues[0]; ++k) {
      const int32_t i = indexcase(pierresvues[2 * k], pierresvues[2 * k + 1]);
      const bool faible = p[i] == camp ? libs(i) < 3 : attaque && libs(i) < 4;
      if (faible) libertesetfaibles(p, l, CAPACITESOLVEUR, 0, pierresvues[2 * k], pierresvues[2 * k + 1], m);
    }
  } else {
    if (attaque && d >= 2)
      for (int32_t k = 1; k < d; ++k) {
        const TPoint c = e.plis[k].coup;
        if (c.ligne > 0 && p[ix(c)] == autre && !m[ix(c)] && libs(ix(c)) == 2) libertes(p, l, m, ix(c));
      }
    return ETATCALME;
  }
  ordonnecoups(p, l, camp, autre);
  return ETATCALME;
}

// State 0 only: widens the list by level, ply and the empty points left.
void elargitcoups(TPasse& e, int32_t d) {
  const int32_t niv = e.niveau;
  const int32_t plafond = niv < 4 ? 4 : niv <= 5 ? 6 : 8;
  if (d > plafond) return;
  TPliPasse& pl = e.plis[d];
  const TPlateau& p = e.p;
  if (e.nbvides < 26) {
    videsou(p, pl.coups, pl.marques, [](int32_t, int32_t) { return true; });
    return;
  }
  if (d > (niv < 6 ? 2 : 4)) return;
  if (d > 2 && e.nbvides >= 50) return;
  videsou(p, pl.coups, pl.marques, [&](int32_t r, int32_t c) { return voisinsoccupes(p, r, c); });
}

// The chains of list A (status 0) now in atari become lost in A and B, unless
// a defender move of the line failed the liveliness test without an atari.
void marquechainesperdues(TPasse& e, int32_t d) {
  if (d >= 3)
    for (int32_t k = 2; k <= d; k += 2) {
      const uint8_t f = e.plis[k].drapeaux;
      if ((f & 1) && !(f & 2)) return;
    }
  for (int32_t k = 1; k <= e.A[0].ligne; ++k) {
    const TChaineSolveur& ch = e.A[k];
    if (ch.statut == 0 && pierre(e.p[indexcase(ch.ligne, ch.colonne)]) &&
        libs(indexcase(ch.ligne, ch.colonne)) == 1) {
      e.A[k].statut = 1;
      e.B[k].statut = 1;
    }
  }
}

// Search an attacker's deep move? At once below a ply set by the level;
// then only next to a defender chain in atari now whose liberties at plies
// 1, 3 and 5 were never 2 and once above 2.
bool testprofondsolveur(const TPasse& e, int32_t d, const TPoint& m) {
  const int32_t niv = e.niveau;
  const int32_t limite = niv <= 4 ? 9 : niv <= 6 ? 11 : niv <= 8 ? 13 : niv == 9 ? 15 : 23;
  if (d < limite) return true;
  return pastable(m.ligne, m.colonne, [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    if (e.p[j] != e.defenseur || libs(j) != 1) return false;
    bool deux = false, plus = false;
    for (int32_t k : {1, 3, 5}) {
      const int32_t n = e.plis[k].chaines[j][0];
      deux = deux || n == 2;
      plus = plus || n > 2;
    }
    return !deux && plus;
  });
}

// ---- The node -------------------------------------------------------------------------------

int32_t recusolveur(TPasse& e, int32_t d, uint8_t camp, uint8_t autre, uint32_t cle, uint8_t& credit) {
  // Nothing in the quick mode.
  if (moderapide) return 0;
  TPliPasse& pl = e.plis[d];
  TPlateau& p = e.p;
  TListePoints& l = pl.coups;
  const bool attaque = camp == e.attaquant;

  // Move list and the node's state.
  l[0] = 0;
  pl.marques = marquesvides;
  int32_t etat;
  if (d < e.D)
    etat = e.mode == 4 ? coupslocauxsolveur(e, d, camp, autre, credit) : coupspassesolveur(e, d, camp, autre, credit);
  else
    etat = etatatari(p, camp, autre, l, pl.marques);

  // States that decide the node without a move.
  if (etat == ETATPRISE) {
    if (!attaque) return -1;
    if (d == 1) {
      e.point = premiereprise(p, e.defenseur);
      e.trouve = true;
    }
    return 1;
  }
  if (etat == ETATDEFENSE && d == 1) {
    e.statut = 2;
    e.point = pointliste(l, 1);
    e.trouve = true;
  }
  if (etat == ETATENCLOS) return 1;
  if (l[0] == 0) return 0;

  // A calm node widens; the defender may pass.
  if (etat == ETATCALME) {
    elargitcoups(e, d);
    if (!attaque && d != e.D) empilepoint(l, CAPACITESOLVEUR, 0, 0);
  }
  if (sondepassesolveur) sondepassesolveur(d, attaque, l, etat);

  // Killer first.
  if (!estaucun(pl.tueur)) remontecoupenliste(l, pl.tueur.ligne, pl.tueur.colonne, 1, CAPACITESOLVEUR);
  const bool copieA = e.listes() && !attaque && d < e.D;
  if (copieA) pl.copieA = e.A;
  pl.tueur = AUCUN;
  e.plis[d + 1].tueur = AUCUN;
  pl.chaines = infochaine;

  // The moves.
  int32_t valeur = 0;
  bool compte = false;
  for (int32_t k = 1; k <= l[0]; ++k) {
    const TPoint m = pointliste(l, k);
    const bool passe = m.ligne == 0;
    const int32_t i = passe ? 0 : ix(m);
    // The defender's flags for the lost-chain lists.
    if (e.listes() && !attaque)
      pl.drapeaux = static_cast<uint8_t>((etat == ETATDEFENSE ? 2 : 0) + (passe ? 4 : 0) +
                                         (!passe && !pointvivant(p, e.defenseur, m.ligne, m.colonne) ? 1 : 0));
    // Play; a capture decides the node.
    uint8_t prise = 0;
    if (!passe) jouecoup2(prise, p, m.ligne, m.colonne, camp, autre);
    const auto reprend = [&] {
      if (!passe) p[i] = VIDE;
      infochaine = pl.chaines;
    };
    if (prise) {
      reprend();
      if (attaque) return 1;
      if (copieA) e.A = pl.copieA;
      return -1;
    }
    // Legal move.
    const bool legal = passe || p[i] == camp;
    if (legal) {
      // Counted; a self-atari loses.
      compte = true;
      ++compteurnoeudsprise;
      if (!passe && libs(i) == 1) {
        reprend();
        valeur = attaque ? -1 : 1;
        if (!attaque && e.listes() && etat == ETATDEFENSE) marquechainesperdues(e, d);
        continue;
      }
      // Line, and credit for an attack next to a defender chain in atari.
      pl.coup = m;
      const uint8_t credit0 = credit;
      if (attaque && d <= 5 && !passe && voisincouleuratari4(p, e.defenseur, m.ligne, m.colonne)) ++credit;
      // Key, looked up in the ply's store.
      uint32_t cle2 = cle;
      int32_t position = 0;
      bool trouvee = false;
      if (d <= DERNIERPLISTORE && d < e.D) {
        if (!passe) xorclepion(cle2, m.ligne, m.colonne, camp);
        if (d >= PREMIERPLISTORE) {
          const int32_t r = cherchecletransposition(cle2, d, e.nbstore[d], tablehachrecu);
          // Values are stored plus one, so every found value reads <= 0.
          if (r <= 0) {
            trouvee = true;
            valeur = -r - 1;
          } else {
            position = r;
          }
        }
      }
      // Not found: a leaf at the depth limit, else the child.
      if (!trouvee) {
        if (d == e.D) {
          if (couleurenatari(p, e.defenseur)) {
            valeur = 1;
            if (e.listes() && etat == ETATDEFENSE) marquechainesperdues(e, d);
          } else {
            valeur = 0;
            pl.tueur = m;
          }
          reprend();
          credit = credit0;
          return valeur;
        }
        if (attaque && d >= 8 && e.nbvides >= 25 && !testprofondsolveur(e, d, m)) valeur = 0;
        else valeur = recusolveur(e, d + 1, autre, camp, cle2, credit);
        // Store.
        if (position > 0) inserestoresolveur(cle2, valeur + 1, position, d, e.nbstore[d]);
      }
      // Undo.
      reprend();
      credit = credit0;
      // Cut-off; at the root a move the rules refuse is noted and the search goes on.
      if (attaque) {
        if (valeur >= 1) {
          pl.tueur = m;
          if (d > 1) return valeur;
          if (e.mode != 0 || !coupautorise(p, camp, autre, m.ligne, m.colonne, 1, e.drapeaux[i])) {
            e.statut = 0;
            e.point = m;
            e.trouve = true;
            return valeur;
          }
          e.point = m;
          e.trouve = true;
          e.drapeaux[i] |= DRAPEAUREFUSRACINE;
          valeur = 0;
          // The test's own passes wrote over the ply stores.
          for (int32_t& n : e.nbstore) n = 0;
        }
      } else if (valeur < 1) {
        pl.tueur = m;
        if (copieA) e.A = pl.copieA;
        return valeur;
      } else if (e.listes() && etat == ETATDEFENSE) {
        marquechainesperdues(e, d);
      }
    } else {
      reprend();
    }
    // The child's killer next.
    const TPoint t = e.plis[d + 1].tueur;
    if (l[0] - k >= 2 && !estaucun(t)) remontecoupenliste(l, t.ligne, t.colonne, k + 1, CAPACITESOLVEUR);
  }

  // No move counted.
  if (!compte) {
    if (etat != ETATDEFENSE) return 0;
    if (attaque) return -1;
    if (e.listes()) marquechainesperdues(e, d);
    return 1;
  }
  return valeur;
}

}  // namespace

int32_t profondeursolveur() {
  const int32_t niv = configmoteur.niveauconfig;
  int32_t d = 30;
  if (niv >= 0 && niv <= 1) d = 10;
  else if (niv >= 2 && niv <= 10) d = 8 + 2 * niv;
  return d + d % 2;
}

void inserestoresolveur(uint32_t cle, int32_t valeur, int32_t position, int32_t table, int32_t& nombre) {
  if (nombre >= ENTREESPARTABLE) {
    nombre = ENTREESGARDEES;
    if (position > ENTREESGARDEES + 1) return;
  }
  inserecletransposition(cle, valeur, position, table, nombre, tablehachrecu);
}

TResultatPasse passesolveur(TMarques& drapeaux, TListeChaines& listeA, TListeChaines& listeB, int32_t mode,
                         TPoint& point, TPlateau& p, uint8_t defenseur, uint8_t attaquant, int32_t& statut) {
  statut = 0;
  TPasse e{drapeaux, listeA, listeB, mode, point, p, defenseur, attaquant, statut};
  e.niveau = configmoteur.niveauconfig;
  e.D = profondeursolveur();
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) e.nbvides += p[indexcase(r, c)] == VIDE ? 1 : 0;
  e.zone[0] = 0;
  for (int32_t d = 0; d < PLISPASSE + 2; ++d) {
    e.plis[d].coup = TPoint{};
    e.plis[d].tueur = AUCUN;
    e.plis[d].drapeaux = 0;
  }
  // Modes 3 and above 4 generate nothing.
  if (mode == 3 || mode > 4 || mode < 0) return TResultatPasse{};
  uint8_t credit = 0;
  const int32_t v = recusolveur(e, 1, attaquant, defenseur, 0, credit);
  return TResultatPasse{e.trouve, v};
}

bool coupautorise(const TPlateau& p, uint8_t couleur, uint8_t autre, int32_t ligne, int32_t colonne,
                  uint8_t masque, uint8_t& drapeau) {
  if (drapeau & DRAPEAUREFUSE) return true;
  TPlateau copie = p;
  Restaure<TInfoChaine> garde(infochaine);
  uint8_t prise = 0;
  jouecoup2(prise, copie, ligne, colonne, couleur, autre);
  if (prise) {
    drapeau |= DRAPEAUPRISE;
    return false;
  }
  if (copie[indexcase(ligne, colonne)] != couleur) {
    drapeau |= DRAPEAUILLEGAL;
    return true;
  }
  // The other colour attacks first on the position after the move.
  const auto refuse = [&](int32_t mode) {
    TMarques drapeaux = marquesvides;
    TListeChaines a{}, b{};
    TPoint point = pointko;
    int32_t statut = 0;
    const TResultatPasse r = passesolveur(drapeaux, a, b, mode, point, copie, couleur, autre, statut);
    return r.trouve && statut != 2;
  };
  if ((masque & 4) && !(drapeau & DRAPEAUMODE4)) {
    drapeau |= DRAPEAUMODE4;
    if (refuse(4)) {
      drapeau |= DRAPEAUREFUSE;
      return true;
    }
  }
  if ((masque & 1) && !(drapeau & DRAPEAUMODE2)) {
    drapeau |= DRAPEAUMODE2;
    if (refuse(2)) {
      drapeau |= DRAPEAUREFUSE;
      return true;
    }
  }
  return false;
}
