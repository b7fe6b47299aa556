// Chain-status drivers and their services: candidate removals, the last
// move's special cases, the territory preparation, and the chain-by-chain
// fight readings.
#include "engine/territory/etatchaines.h"

#include <algorithm>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/collecteurs.h"
#include "engine/board/empreinte.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/chains/combat.h"
#include "engine/chains/escaliers.h"
#include "engine/territory/preparation.h"
#include "engine/territory/resultats.h"
#include "engine/territory/zones.h"

namespace {

inline bool sanstable(int32_t j) { return infochaine[j][0] == 0 && infochaine[j][1] == 0; }

constexpr uint8_t GARDEYEUX = 1;  // the drivers prepare territory with the keep-eyes rule

// Scratch lists of the services; none of them calls another that uses one.
TListePoints collecteliberte;  // coupscandidatsliberte: liberties of the chains taken
TListePoints pointsmorts;      // coupscandidatsmorts: the points to fill
TListePoints libertesvidees;   // videchainemorte: liberties of the emptied chain
TListePoints libertespeintes;  // peintchainesmortes: liberties of a chain taken off

// The stones of c on the points of `marques` taken off; a select per point
// rather than a branch, so that the sweep goes by whole vectors.
void videmarquees(TPlateau& p, const TMarques& marques, uint8_t c) {
  for (int32_t j = 0; j < NBCASES; ++j) p[j] = (marques[j] != 0) & (p[j] == c) ? VIDE : p[j];
}

// Calls f(row, col) over the board in row-major order.
template <class F>
void balaye(F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) f(r, c);
}

bool dernierdonne(int32_t ligne, int32_t colonne) {
  return ligne >= 1 && colonne >= 1 && surplateaumoteur(ligne, colonne);
}

// Puts the board and the chain table back when a driver returns.
struct EtatRemis {
  TPlateau& p;
  TPlateau plateau;
  const TInfoChaine chaines;
  explicit EtatRemis(TPlateau& q) : p(q), chaines(infochaine) { copiemarques(plateau, q); }
  ~EtatRemis() {
    copiemarques(p, plateau);
    infochaine = chaines;
  }
};

// The ko fill. A last move that is a single stone in atari has its
// liberty (the ko point) filled with its colour; pointko stays (0, 0) when
// no fill was made.
TPoint remplitko(TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne) {
  if (mode != 1 || !dernierdonne(ligne, colonne)) return TPoint{};
  const int32_t i = ix(ligne, colonne);
  if (p[i] == VIDE || infochaine[i][0] != 1 || infochaine[i][1] != 1) return TPoint{};
  TPoint ko{};
  pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    if (p[ix(r, c)] != VIDE) return false;
    ko = TPoint{r, c};
    return true;
  });
  if (ko.ligne == 0) return ko;
  p[ix(ko.ligne, ko.colonne)] = p[i];
  majlibertes(p, 0, ko.ligne, ko.colonne);
  return ko;
}

// The ko point emptied again and its dead mark cleared, its survival value
// too when asked (the chain table is the caller's guard's).
void defaitko(TPlateau& p, const TPoint& ko, bool survie) {
  if (ko.ligne == 0) return;
  const int32_t j = ix(ko.ligne, ko.colonne);
  p[j] = VIDE;
  if (survie) valeurssurvie[j] = 0;
  pionsmorts[j] = 0;
}

// One driver pass: the chains of `def` read against `att` on `p`, with the
// board `sauve` as it stood before the pass's changes.
struct Passe {
  TPlateau& p;
  const TPlateau& sauve;
  uint8_t def, att, trait;
  TListePoints candidats;  // its readers go up to its count only: only the count is cleared
  TMarques zone;
  int32_t etatzone = 0;
  bool pleinezone = false;  // the zone walk always counts every point not of the attacker

  Passe(TPlateau& plateau, const TPlateau& avant, uint8_t defenseur, uint8_t attaquant, uint8_t joueur)
      : p(plateau), sauve(avant), def(defenseur), att(attaquant), trait(joueur) {
    candidats[0] = 0;
    zeromarques(zone);
  }

  // The attacker's chain through the point emptied when `marques` hold it
  // dead (its points listed), then its stone put back.
  // The engine's put-back flag: the lift only sets it, so it starts clear
  // for every last move (one left set would put a stone back into a chain
  // the lift had emptied).
  void videdernier(const TMarques& marques, int32_t ligne, int32_t colonne) {
    flagremisepierre = 0;
    videchainemorte(flagremisepierre, marques, candidats, CAPACITECANDIDATS, p, att, def, ligne, colonne);
    if (flagremisepierre) remetpierre(p, att, def, ligne, colonne);
  }

  // The candidate points around the point: those of free stones when the
  // attacker is to move, the liberties, those of dead chains under `marques`.
  void listecandidats(const TMarques& marques, uint8_t avecsauve, int32_t ligne, int32_t colonne) {
    if (trait == att) coupscandidatspierreslibres(p, marques, att, candidats, CAPACITECANDIDATS, ligne, colonne);
    coupscandidatsliberte(p, att, def, candidats, CAPACITECANDIDATS, ligne, colonne);
    coupscandidatsmorts(marques, p, candidats, CAPACITECANDIDATS, att, def, avecsauve);
  }

  // Territory preparation, for the attacker.
  void prepare(bool avecsauve, const TMarques& mortsavant) {
    zeromarques(zone);
    etatzone = 0;
    if (avecsauve) evaluezones(zone, mortsavant, GARDEYEUX, etatzone, trait, def, att, p);
    else prepareterritoire(GARDEYEUX, p, att, def);
  }

  // Every chain of `def` on `sauve`, not yet visited, not dead and
  // not in marquesglobales. `apres(resultat, avant, vu)` does the driver's
  // bookkeeping for one chain; `avant` is the visited map before its walk.
  template <class F>
  void lis(F&& apres) {
    TMarques vu;
    zeromarques(vu);
    balaye([&](int32_t r, int32_t c) {
      const int32_t j = ix(r, c);
      if (sauve[j] != def || vu[j] || pionsmorts[j] || marquesglobales[j]) return;
      int32_t resultat = COMBATVIVANT;
      int32_t compte = 0;
      TMarques avant;
      copiemarques(avant, vu);
      if (etatzone < 2 || pleinezone) comptevideszone(p, att, compte, 0, r, c, vu);
      else comptezonenoncouleurmarque(p, att, zone, compte, 0, r, c, vu);
      if (compte <= ZONEMAXLUE)
        combatchaine(candidats, CAPACITECANDIDATS, p, sauve, def, att, trait, resultat, compte, r, c);
      apres(resultat, avant, vu, compte);
    });
  }
};

// The points of `vu` that `avant` does not hold; without a branch, so that
// the sweeps over the board go by whole vectors.
inline bool nouveau(const TMarques& avant, const TMarques& vu, int32_t j) { return (vu[j] != 0) & (avant[j] == 0); }

// The two detectetatchaines drivers share one road; `deux` selects the second.
void etatchaines(bool deux, int32_t& compte, TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne, uint8_t sauve,
                 uint8_t gardedernier, uint8_t trait) {
  EtatRemis remis(p);
  const bool dernier = dernierdonne(ligne, colonne);
  const int32_t id = dernier ? ix(ligne, colonne) : 0;
  // A ko the mode asks for is filled.
  const TPoint ko = remplitko(p, mode, ligne, colonne);
  const bool kofait = ko.ligne != 0;
  // Dead marks kept when asked; where the dead zones go.
  sauvepionsmorts = sauve;
  TMarques mortsentree;  // chains dead before the call
  copiemarques(mortsentree, pionsmorts);
  bool passeresultats = false;
  if (sauve) {
    pionsmortsavant = pionsmorts;
    passeresultats = !deux && tableessaiscourante != 0;
  }
  TMarques zonesmortes[2] = {marquesvides, marquesvides};
  if (deux && sansstatut) {
    zonesmortesblanc.fill(0);
    zonesmortesnoir.fill(0);
  }
  TMarques* cartezones[2] = {nullptr, nullptr};
  if (passeresultats) {
    cartezones[BLANC] = &zonesmortes[BLANC];
    cartezones[NOIR] = &zonesmortes[NOIR];
  }
  if (deux && sansstatut) {
    cartezones[BLANC] = &zonesmortesblanc;
    cartezones[NOIR] = &zonesmortesnoir;
  }
  // The colour of the last move's stone.
  const uint8_t L = dernier ? p[id] : VIDE;

  // White chains, then black ones.
  for (const uint8_t def : {BLANC, NOIR}) {
    const uint8_t att = autre(def);
    // The liberties of a short last-move chain of the attacker.
    TListePoints libertesdernier;  // read up to its count only
    libertesdernier[0] = 0;
    if (L == att && libs(id) <= 3) {
      TMarques vu;
      zeromarques(vu);
      libertesdelachaine(p, libertesdernier, CAPACITECANDIDATS, 0, ligne, colonne, vu);
    }
    // This colour's pass works on a copy of the board.
    TPlateau sauveplateau;
    copiemarques(sauveplateau, p);
    // The last move's chain in atari is captured first. Only that capture's
    // update needs the chain table put back after the pass: the walks and the
    // plain play before it leave the table as it is, so it is copied there.
    TInfoChaine chainespasse;
    bool prise = false;
    if (L == def && libs(id) == 1) {
      TMarques vu;
      zeromarques(vu);
      TPoint lib{};
      derniereliberte(p, lib, 0, ligne, colonne, vu);
      if (lib.ligne >= 1 && surplateaumoteur(lib.ligne, lib.colonne)) {
        TListePoints prises{};
        jouecoupcaptures(prises, CAPACITECANDIDATS, p, lib.ligne, lib.colonne, att, def);
        if (p[ix(lib.ligne, lib.colonne)] == att) {
          prise = true;
          chainespasse = infochaine;
          ++compte;
          for (int32_t k = 1; k <= nbpoints(prises); ++k)
            pionsmorts[ix(ligneliste(prises, k), colonneliste(prises, k))] = 1;
          majlibertes(p, nbpoints(prises), lib.ligne, lib.colonne);
        }
      }
    }
    Passe passe{p, sauveplateau, def, att, trait};
    // The second driver: a last move of the attacker is emptied as dead, or
    // given back with its liberties to the defender.
    if (deux && sauve && dernier && !kofait && p[id] == att) {
      passe.videdernier(pionsmortsavant, ligne, colonne);
    }
    // Candidate points.
    passe.listecandidats(mortsentree, sauve, ligne, colonne);
    // Territory preparation; the second driver lifts the last
    // stone of the defender for it unless asked to keep it.
    const bool leve = deux && !gardedernier && dernier && p[id] == def && L == def;
    if (leve) p[id] = VIDE;
    passe.prepare(sauve, pionsmortsavant);
    if (leve) p[id] = def;
    // A contact point of the attacker beside the last move.
    TPoint q{};
    if (L == def && mode == 0 && pointcontactko(sauveplateau, ligne, colonne, q)) {
      const int32_t jq = ix(q.ligne, q.colonne);
      const uint8_t avantq = p[jq];
      p[jq] = att;
      if ((!sauve || !pionsmortsavant[id]) && libs(id) != 1) {
        const int32_t n = nblibertes(p, q.ligne, q.colonne);
        if (n == 1 || (n == 2 && detectesca(p, 1, q.ligne, q.colonne))) p[jq] = avantq;
      }
    }
    // Dead chains painted with the saved marks.
    if (sauve) peintchainesmortes(p, pionsmortsavant, def, att);
    // The fights of the pass.
    TMarques* cartezone = cartezones[def];
    passe.lis([&](int32_t resultat, const TMarques& avant, const TMarques& vu, int32_t vides) {
      // Only the zones of small chains are flagged.
      if (!deux && flagmarquesmorts > 0 && vides <= 32) marquezonesessais(avant, vu, ligne, colonne);
      // A dead chain: counted, and more when its walk covers the short last-move chain's liberties.
      if (resultat == COMBATMORT) {
        ++compte;
        const int32_t nl = nbpoints(libertesdernier);
        if (nl > 0) {
          int32_t dedans = 0;
          while (dedans < nl && vu[ix(ligneliste(libertesdernier, dedans + 1), colonneliste(libertesdernier, dedans + 1))])
            ++dedans;
          if (dedans == nl) compte += 100;
          else if (dedans > 0) libertesdernier[0] = 0;
        }
        if (cartezone) {
          TMarques& z = *cartezone;
          for (int32_t j = 0; j < NBCASES; ++j) z[j] = nouveau(avant, vu, j) ? 1 : z[j];
        }
      }
      if (deux) return;
      // Results of living chains into the current table.
      int32_t* cible = nullptr;
      if (tableessaiscourante == 1) cible = valeurssurvie.data();
      else if (tableessaiscourante == 2 && dernier) cible = essaiordi(ligne, colonne).etatessai.data();
      else if (tableessaiscourante == 3 && dernier) cible = essaijoueur(ligne, colonne).etatessai.data();
      if (!cible) return;
      for (int32_t j = 0; j < NBCASES; ++j)
        if (nouveau(avant, vu, j) && sauveplateau[j] == def && !pionsmorts[j]) cible[j] = resultat;
    });
    // The board back for the other colour.
    copiemarques(p, sauveplateau);
    if (prise) infochaine = chainespasse;
  }
  // Position and ko back; chains the global marks hold count as living.
  copiemarques(p, remis.plateau);
  infochaine = remis.chaines;
  defaitko(p, ko, !deux);  // the second driver writes no survival values
  if (!deux && tableessaiscourante > 0)
    for (int32_t j = 0; j < NBCASES; ++j)
      if (marquesglobales[j]) valeurssurvie[j] = COMBATVIVANT;
  // The contacts between the dead zones.
  if (passeresultats) passecontacts(p, zonesmortes[BLANC], zonesmortes[NOIR], pionsmortsavant, ligne, colonne);
}

}  // namespace

void detectetatchaines(int32_t& compte, TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne, uint8_t sauve,
                       uint8_t trait) {
  etatchaines(false, compte, p, mode, ligne, colonne, sauve, 1, trait);
}

namespace {

// ---- Memo of the search's drivers -----------------------------------------------------
// The search asks detectetatchaines2 and detectetatchaine the same question
// many times. Besides its arguments, a driver reads the board, the chain
// table, pionsmorts, pionsmortsavant (only without `sauve`: with it the
// driver sets it first), pionsmortssauves, marquesglobales, plateaudepart,
// flagmarquesmorts, peintmortsavant, modeanalyseposition, tableessaiscourante,
// flagscan and the board size (with the tables built from it); the second driver sansstatut
// too, detectetatchaine marquesdetect. It writes pionsmorts, pionsmortsavant
// and sauvepionsmorts, compteurnoeudslecture and its count or result, the
// second driver the dead zones under sansstatut; board and chain table come
// back as they were. An answer is kept under a 96-bit key of every input.
constexpr int32_t BITSMEMOETAT = 14;
constexpr int32_t OCTETSZONES = (NBCASES + 7) / 8;
constexpr int32_t CHANGEMENTSETAT = 32;  // dead marks changed by one call
struct TMemoEtat {
  uint64_t cle1 = 0;
  uint32_t cle2 = 0;
  uint32_t generation = 0;  // valid while it equals generationmemoetat
  int32_t compte = 0;       // added to `compte`; for detectetatchaine, 1 when it sets `resultat`
  int32_t noeuds = 0;       // added to compteurnoeudslecture
  TChangementsMorts<CHANGEMENTSETAT> changements;
  uint8_t zones[2][OCTETSZONES]{};  // dead zones (bits), white then black
};
TMemoEtat memoetat[1 << BITSMEMOETAT];
uint32_t generationmemoetat = 1;

void zonesenbits(const TMarques& zone, uint8_t (&bits)[OCTETSZONES]) {
  std::fill(std::begin(bits), std::end(bits), 0);
  for (int32_t j = 0; j < NBCASES; ++j)
    if (zone[j]) bits[j >> 3] = static_cast<uint8_t>(bits[j >> 3] | (1u << (j & 7)));
}
void bitsenzones(const uint8_t (&bits)[OCTETSZONES], TMarques& zone) {
  for (int32_t j = 0; j < NBCASES; ++j) zone[j] = (bits[j >> 3] >> (j & 7)) & 1;
}

// One driver call on `p` through the memo. `avant` is what pionsmortsavant
// becomes with `sauve`; `zones` says the call writes the dead zones; `marques`
// is a further map the driver reads (or null); `calcule()` runs the driver
// and returns what goes into `compte`.
template <size_t N, class F>
void parmemo(const TPlateau& p, const int32_t (&arguments)[N], uint8_t sauve, const TMarques& avant,
             const TMarques* marques, bool zones, int32_t& compte, F&& calcule) {
  TEmpreinte h;
  h.ajoute(p);
  h.ajoute(infochaine);
  h.ajoute(pionsmorts);
  if (!sauve) h.ajoute(pionsmortsavant);
  if (marques) h.ajoute(*marques);
  h.ajoute(pionsmortssauves);
  h.ajoute(marquesglobales);
  h.ajoute(plateaudepart);
  const int32_t etat[7] = {flagmarquesmorts, peintmortsavant, tableessaiscourante, sansstatut, flagscan,
                           modeanalyseposition, configmoteur.taille};
  h.ajoute(etat);
  h.ajoute(arguments);
  h.termine();
  TDeuxVoies<TMemoEtat> voies(memoetat, h, generationmemoetat);
  const TMemoEtat* const vu = voies.cherche();
  if (vu) {
    const TMemoEtat& m = *vu;
    sauvepionsmorts = sauve;
    if (sauve) pionsmortsavant = avant;
    m.changements.rejoue(pionsmorts);
    if (zones) {
      bitsenzones(m.zones[BLANC], zonesmortesblanc);
      bitsenzones(m.zones[NOIR], zonesmortesnoir);
    }
    compte += m.compte;
    compteurnoeudslecture += m.noeuds;
    return;
  }
  const int32_t noeudsavant = compteurnoeudslecture;
  TMarques mortsavant;
  copiemarques(mortsavant, pionsmorts);
  const int32_t ajout = calcule();
  compte += ajout;
  TMemoEtat& m = voies.libere();
  if (!m.changements.note(mortsavant, pionsmorts)) return;
  voies.signe();
  m.compte = ajout;
  m.noeuds = compteurnoeudslecture - noeudsavant;
  if (zones) {
    zonesenbits(zonesmortesblanc, m.zones[BLANC]);
    zonesenbits(zonesmortesnoir, m.zones[NOIR]);
  }
}

// The two drivers that go through the memo, as they stand without it.
void detectetatchainedirect(uint8_t attaquant, uint8_t trait, int32_t& resultat, TPlateau& p, int32_t mode,
                            int32_t ligne, int32_t colonne, uint8_t sauve);

}  // namespace

void videmoetatchaines() {
  vidememo(memoetat, generationmemoetat);
}

bool memoetatchainesvide() { return memovide(memoetat, generationmemoetat); }

void detectetatchaines2(int32_t& compte, TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne, uint8_t sauve,
                        uint8_t gardedernier, uint8_t trait) {
  const int32_t arguments[7] = {2, mode, ligne, colonne, sauve, gardedernier, trait};
  parmemo(p, arguments, sauve, pionsmorts, nullptr, sansstatut != 0, compte, [&] {
    int32_t ajout = 0;
    etatchaines(true, ajout, p, mode, ligne, colonne, sauve, gardedernier, trait);
    return ajout;
  });
}

void detectetatchaine(uint8_t attaquant, uint8_t trait, int32_t& resultat, TPlateau& p, int32_t mode,
                      int32_t ligne, int32_t colonne, uint8_t sauve) {
  const int32_t arguments[7] = {1, attaquant, trait, mode, ligne, colonne, sauve};
  int32_t mort = 0;
  parmemo(p, arguments, sauve, marquesdetect, &marquesdetect, false, mort, [&] {
    int32_t r = 0;
    detectetatchainedirect(attaquant, trait, r, p, mode, ligne, colonne, sauve);
    return r;
  });
  if (mort) resultat = 1;
}

namespace {
void detectetatchainedirect(uint8_t attaquant, uint8_t trait, int32_t& resultat, TPlateau& p, int32_t mode,
                            int32_t ligne, int32_t colonne, uint8_t sauve) {
  EtatRemis remis(p);
  const uint8_t def = autre(attaquant);
  sauvepionsmorts = sauve;
  if (sauve) pionsmortsavant = marquesdetect;
  const TPoint ko = remplitko(p, mode, ligne, colonne);
  TPlateau sauveplateau;
  copiemarques(sauveplateau, p);
  Passe passe{p, sauveplateau, def, attaquant, trait};
  // The last move of the attacker, as in detectetatchaines2.
  if (dernierdonne(ligne, colonne) && ko.ligne == 0 && p[ix(ligne, colonne)] == attaquant) {
    passe.videdernier(marquesdetect, ligne, colonne);
  }
  passe.listecandidats(marquesdetect, sauve, ligne, colonne);
  passe.prepare(sauve, marquesdetect);
  if (sauve) peintchainesmortes(p, marquesdetect, def, attaquant);
  passe.lis([&](int32_t res, const TMarques&, const TMarques&, int32_t) {
    if (res == COMBATMORT) resultat = 1;
  });
  copiemarques(p, remis.plateau);
  infochaine = remis.chaines;
  defaitko(p, ko, false);
}

}  // namespace

void detectetatplateau(uint8_t couleur, TPlateau& p) {
  EtatRemis remis(p);
  const uint8_t def = autre(couleur);
  sauvepionsmorts = 1;
  pionsmortsavant = marquesliaison1;
  TPlateau sauveplateau;
  copiemarques(sauveplateau, p);
  Passe passe{p, sauveplateau, def, couleur, VIDE};
  passe.pleinezone = true;
  coupscandidatsliberte(p, couleur, def, passe.candidats, CAPACITECANDIDATS, 0, 0);
  coupscandidatsmorts(marquesliaison1, p, passe.candidats, CAPACITECANDIDATS, couleur, def, 1);
  prepareterritoire2(pionsmortsbis, p, couleur, def);
  peintchainesmortes(p, marquesliaison1, def, couleur);
  passe.lis([](int32_t, const TMarques&, const TMarques&, int32_t) {});
}

bool chainemorteselonmasque(int32_t ligne, int32_t colonne) {
  if (!surplateaumoteur(ligne, colonne)) return false;
  const int32_t i = ix(ligne, colonne);
  const uint8_t c = plateaumoteur[i];
  if (c == VIDE) return false;
  TMarques copie;
  copiemarques(copie, pionsmorts);
  marquesdetect = pionsmorts;
  int32_t resultat = 0;
  TPlateau p = plateaumoteur;
  detectetatchaine(autre(c), VIDE, resultat, p, 1, 0, 0, 0);
  const bool mort = pionsmorts[i] != 0;
  pionsmorts = copie;
  return mort;
}

// ---- Services ------------------------------------------------------------------

void coupscandidatsliberte(TPlateau& p, uint8_t a, uint8_t d, TListePoints& l, int32_t cap, int32_t ligne,
                           int32_t colonne) {
  TMarques chaines;  // stones of the chains taken, shared by the whole scan
  zeromarques(chaines);
  TListePoints& collecte = collecteliberte;  // their liberties, in the order taken
  collecte[0] = 0;
  balaye([&](int32_t r, int32_t c) {
    if (p[ix(r, c)] != VIDE || (r == ligne && c == colonne)) return;
    // The point's liberties for d, and the neighbouring chains of a with two liberties.
    const TVoisins& v = tablevoisins[ix(r, c)];
    int32_t nblib = 0;
    TPoint notes[4];
    int32_t nbnotes = 0;
    int32_t comptees[4];  // stones of d whose chain's liberties are counted
    int32_t nbcomptees = 0;
    for (int32_t k = 0; k < v.nbvoisins; ++k) {
      const int32_t j = ix(v.voisins[k][0], v.voisins[k][1]);
      if (p[j] == VIDE) ++nblib;
      else if (p[j] == d && libs(j) > 1) {
        // A chain beside the point on two sides brings its liberties once.
        bool deja = false;
        if (nbcomptees > 0) {
          TMarques chaine;
          zeromarques(chaine);
          marquepionschaine(p, chaine, 0, v.voisins[k][0], v.voisins[k][1]);
          for (int32_t m = 0; m < nbcomptees; ++m) deja = deja || chaine[comptees[m]] != 0;
        }
        if (!deja) {
          comptees[nbcomptees++] = j;
          nblib += libs(j) - 1;
        }
      }
      else if (p[j] == a && libs(j) == 2) notes[nbnotes++] = TPoint{v.voisins[k][0], v.voisins[k][1]};
      // Nothing noted with only one (or two, short of liberties) neighbours left: no double atari here.
      if (nbnotes == 0 && (k == v.nbvoisins - 2 || (k == v.nbvoisins - 3 && nblib < 2))) return;
    }
    if (nbnotes < 2 || nblib < 2) return;
    TMarques chainesavant;
    copiemarques(chainesavant, chaines);
    const int32_t debut = collecte[0];
    int32_t nouvelles = 0;
    for (int32_t k = 0; k < nbnotes; ++k) {
      const int32_t j = ix(notes[k].ligne, notes[k].colonne);
      if (chaines[j]) continue;
      ++nouvelles;
      marquepionschaine(p, chaines, 0, notes[k].ligne, notes[k].colonne);
      TMarques vu;
      zeromarques(vu);
      libertesdelachaine(p, collecte, MAXPOINTSLISTE, 0, notes[k].ligne, notes[k].colonne, vu);
    }
    if (nouvelles < 2) {
      chaines = chainesavant;
      collecte[0] = debut;
    }
  });
  // The liberties go to the list (each once), the chains off the board.
  TMarques liste;
  zeromarques(liste);
  for (int32_t k = 1; k <= nbpoints(l); ++k) liste[ix(ligneliste(l, k), colonneliste(l, k))] = 1;
  for (int32_t k = 1; k <= nbpoints(collecte); ++k) {
    const int32_t r = ligneliste(collecte, k), c = colonneliste(collecte, k);
    if (liste[ix(r, c)]) continue;
    liste[ix(r, c)] = 1;
    empilepoint(l, cap, r, c);
  }
  // A select rather than a branch, so that the sweep goes by whole vectors.
  for (int32_t j = 0; j < NBCASES; ++j) p[j] = chaines[j] ? VIDE : p[j];
}

void coupscandidatspierreslibres(TPlateau& p, const TMarques& marques, uint8_t c, TListePoints& l, int32_t cap,
                                 int32_t ligne, int32_t colonne) {
  const bool pose = dernierdonne(ligne, colonne) && p[ix(ligne, colonne)] == VIDE;
  if (pose) p[ix(ligne, colonne)] = c;
  TPlateau copie;
  copiemarques(copie, p);
  const uint8_t o = autre(c);
  balaye([&](int32_t r, int32_t col) {
    const int32_t j = ix(r, col);
    if (copie[j] != c || infochaine[j][1] != 1 || libs(j) != 2 || marques[j]) return;
    if (voisinmarquecouleur(copie, o, marques, r, col) || voisincouleuratari4(copie, o, r, col)) return;
    if (pointlieajump(copie, pionsmortssauves, r, c, col)) return;
    if (empilepoint(l, cap, r, col)) p[j] = VIDE;
  });
  if (pose) p[ix(ligne, colonne)] = VIDE;
}

void coupscandidatsmorts(const TMarques& marques, TPlateau& p, TListePoints& l, int32_t cap, uint8_t c,
                         uint8_t remplissage, uint8_t sauve) {
  TListePoints& points = pointsmorts;
  points[0] = 0;
  TMarques vu;      // liberties listed (and, with sauve, stones walked)
  zeromarques(vu);
  TMarques aretirer;
  zeromarques(aretirer);
  if (sauve) {
    balaye([&](int32_t r, int32_t col) {
      const int32_t j = ix(r, col);
      if (p[j] != c || !marques[j] || vu[j] || libs(j) > 7) return;
      libertesdelachaine(p, points, MAXPOINTSLISTE, 0, r, col, vu);
      marquepionschaine(p, aretirer, 0, r, col);
    });
  } else {
    TMarques chaines;
    zeromarques(chaines);
    balaye([&](int32_t r, int32_t col) {
      const int32_t j = ix(r, col);
      if (p[j] != c || libs(j) != 1) return;
      aretirer[j] = 1;
      if (chaines[j]) return;
      TPoint lib{};
      trouveliberte(p, lib, 0, r, col, chaines);
      if (lib.ligne == 0 || vu[ix(lib.ligne, lib.colonne)]) return;
      vu[ix(lib.ligne, lib.colonne)] = 1;
      empilepoint(points, MAXPOINTSLISTE, lib.ligne, lib.colonne);
    });
  }
  for (int32_t k = 1; k <= nbpoints(points); ++k) {
    const int32_t r = ligneliste(points, k), col = colonneliste(points, k);
    empilepoint(l, cap, r, col);
    p[ix(r, col)] = remplissage;
    remplitvidesvoisins(p, remplissage, col, r);
  }
  videmarquees(p, aretirer, c);
}

void remplitvidesvoisins(TPlateau& p, uint8_t c, int32_t colonne, int32_t ligne) {
  pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t col) {
    const int32_t j = ix(r, col);
    if (p[j] != VIDE || !sanstable(j)) return false;
    if (pas4(r, col, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
          const int32_t s = ix(r2, c2);
          return p[s] == c && !pionsmorts[s] && libs(s) > 1;
        }))
      p[j] = c;
    return false;
  });
}

void videchainemorte(uint8_t& drapeau, const TMarques& marques, TListePoints& l, int32_t cap, TPlateau& p,
                     uint8_t /*c*/, uint8_t remplissage, int32_t ligne, int32_t colonne) {
  const int32_t i = ix(ligne, colonne);
  if ((libs(i) != 1 && !marques[i]) || libs(i) > 4) {
    p[i] = VIDE;
    drapeau = 1;
    return;
  }
  TListePoints& libertes = libertesvidees;
  libertes[0] = 0;
  TMarques vu;
  zeromarques(vu);
  videchaine(p, libertes, MAXPOINTSLISTE, 0, ligne, colonne, vu);
  for (int32_t k = 1; k <= nbpoints(libertes); ++k) {
    const int32_t r = ligneliste(libertes, k), c = colonneliste(libertes, k);
    p[ix(r, c)] = remplissage;
    remplitvidesvoisins(p, remplissage, c, r);
    if (std::abs(r - ligne) > 1 || std::abs(c - colonne) > 1) empilepoint(l, cap, r, c);
  }
}

void remetpierre(TPlateau& p, uint8_t c, uint8_t autrecouleur, int32_t ligne, int32_t colonne) {
  p[ix(ligne, colonne)] = c;
  pas4(ligne, colonne, ORDREMARCHE, [&](int32_t r, int32_t col) {
    if (p[ix(r, col)] == VIDE) p[ix(r, col)] = autrecouleur;
    return false;
  });
}

void peintchainesmortes(TPlateau& p, const TMarques& marques, uint8_t c, uint8_t peinture) {
  if (!peintmortsavant) return;
  balaye([&](int32_t r, int32_t col) {
    const int32_t j = ix(r, col);
    if (p[j] != c || !marques[j]) return;
    // While the position analysis runs, a chain in atari stays on the board.
    if (modeanalyseposition && libs(j) == 1) return;
    TListePoints& libertes = libertespeintes;
    libertes[0] = 0;
    TMarques vu;
    zeromarques(vu);
    libertesdelachaine(p, libertes, MAXPOINTSLISTE, 0, r, col, vu);
    for (int32_t k = 1; k <= nbpoints(libertes); ++k) p[ix(ligneliste(libertes, k), colonneliste(libertes, k))] = peinture;
    videmarquees(p, vu, c);
  });
}

bool pointcontactko(const TPlateau& p, int32_t ligne, int32_t colonne, TPoint& sortie) {
  sortie = TPoint{};
  if (!dernierdonne(ligne, colonne)) return false;
  const uint8_t x = p[ix(ligne, colonne)];
  if (x == VIDE) return false;
  const uint8_t o = autre(x);
  return pas4(ligne, colonne, ORDREMARCHE, [&](int32_t qr, int32_t qc) {
    if (p[ix(qr, qc)] != VIDE) return false;
    // The lines across the pair: offsets perpendicular to the step.
    const int32_t pl = qc - colonne, pc = qr - ligne;
    int32_t cotes = 0;
    uint8_t flanc[2][2] = {{VIDE, VIDE}, {VIDE, VIDE}};  // [side][stone, q]
    bool existe[2] = {false, false};
    for (int32_t s = 0; s < 2; ++s) {
      const int32_t sg = s == 0 ? 1 : -1;
      const int32_t ar = ligne + sg * pl, ac = colonne + sg * pc, br = qr + sg * pl, bc = qc + sg * pc;
      if (!surplateaumoteur(ar, ac) || !surplateaumoteur(br, bc)) continue;
      existe[s] = true;
      ++cotes;
      flanc[s][0] = p[ix(ar, ac)];
      flanc[s][1] = p[ix(br, bc)];
    }
    if (cotes == 0) return false;
    for (int32_t s = 0; s < 2; ++s)
      if (existe[s] && (flanc[s][0] == x || flanc[s][1] == x)) return false;
    bool ok;
    if (cotes == 2) ok = (flanc[0][0] == o && flanc[1][1] == o) || (flanc[1][0] == o && flanc[0][1] == o);
    else {
      const int32_t s = existe[0] ? 0 : 1;
      ok = flanc[s][0] == o || flanc[s][1] == o;
    }
    if (ok) sortie = TPoint{qr, qc};
    return ok;
  });
}

void marquezonesessais(const TMarques& avant, const TMarques& apres, int32_t ligne, int32_t colonne) {
  constexpr int32_t BITZONE = 0x800;
  const bool dernier = dernierdonne(ligne, colonne);
  for (int32_t j = 0; j < NBCASES; ++j) {
    if (!nouveau(avant, apres, j)) continue;
    const int32_t r = j / TAILLEMAX + 1, c = j % TAILLEMAX + 1;
    switch (flagmarquesmorts) {
      case 1:
        if (plateaudepart[j] != VIDE) essaiordi(r, c).liensessai[j] |= BITZONE;
        break;
      case 2:
        if (plateaudepart[j] != VIDE) essaijoueur(r, c).liensessai[j] |= BITZONE;
        break;
      case 4:
        if (dernier && essaiordi(ligne, colonne).plateauessai[j] != VIDE)
          essaiordi(ligne, colonne).liensessai[j] |= BITZONE;
        break;
      case 8:
        if (dernier && essaijoueur(ligne, colonne).plateauessai[j] != VIDE)
          essaijoueur(ligne, colonne).liensessai[j] |= BITZONE;
        break;
      default:
        break;
    }
  }
}
