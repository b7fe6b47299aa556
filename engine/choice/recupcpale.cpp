// The main recursion of the move search: one node per depth. The root builds
// its candidates from the position analyses and the families, the deeper
// nodes from a few local sources; every candidate is played on the search
// board, scored by the evaluation terms, answered by the next depth and
// taken back, and the node keeps the best value for its side, cutting itself
// off when an ancestor of the same side can no longer gain.
#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/chains/capturechaines.h"
#include "engine/choice/ajusteur.h"
#include "engine/choice/bonus.h"
#include "engine/choice/classement.h"
#include "engine/choice/empreinte.h"
#include "engine/choice/filtres.h"
#include "engine/choice/libertesfaibles.h"
#include "engine/choice/recherche_etat.h"
#include "engine/choice/soutienrecherche.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lienvivant.h"
#include "engine/opening/solution99.h"
#include "engine/proposals/bilans.h"
#include "engine/proposals/regionspoussee.h"
#include "engine/proposals/testscandidats.h"
#include "engine/reading/marquage.h"
#include "engine/reading/prise.h"
#include "engine/reading/prise_cartes.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/seki.h"

namespace recherche {

namespace {

// Bits of the link flags of a root move.
constexpr int32_t LIEFAIBLE = 1;      // linked to a weak chain
constexpr int32_t LIEVIVANTE = 2;     // linked to a live chain
constexpr int32_t LIETERRITOIRE = 4;  // linked to own territory

// Root list width by level.
int32_t largeurracine() {
  switch (niveau) {
    case 1: return 4;
    case 2: return 10;
    case 3: return 15;
    case 4: case 5: case 6: return 50;
    default: return 60;
  }
}

// The node's list: the root's (which grows while it is searched) or a
// deeper node's 361-point list.
struct Liste {
  TListePoints* l = nullptr;
  TListeRacine* r = nullptr;
  int32_t nombre() const { return r ? r->nombre : nbpoints(*l); }
  TPoint point(int32_t k) const { return r ? r->points[k] : pointliste(*l, k); }
  bool ajoute(TPoint p) { return r ? r->ajoute(p) : empilepoint(*l, CAPACITECANDIDATS, p.ligne, p.colonne); }
  bool contient(TPoint p) const {
    for (int32_t k = 1; k <= nombre(); ++k)
      if (memepoint(point(k), p)) return true;
    return false;
  }
};

// An empty point whose table neighbours hold no chain in atari (on `chaines`).
bool libresansatari(const TPlateau& b, const TInfoChaine& chaines, TPoint p) {
  if (!reel(p) || b[ix(p)] != VIDE) return false;
  return !pastable(p.ligne, p.colonne, [&](int32_t r, int32_t c) {
    const int32_t i = indexcase(r, c);
    return b[i] != VIDE && chaines[i][0] == 1;
  });
}

bool contient(const TListePoints& l, TPoint p) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (memepoint(pointliste(l, k), p)) return true;
  return false;
}

// Sets pionsmorts on the chain through p.
void marquechainemorte(const TPlateau& b, TPoint p) { marquechaine(b, p.ligne, p.colonne); }

}  // namespace

// ---- Play and undo of a search move ----------------------------------------------------

bool joueessai(TRecherche& r, int32_t d, TPoint q, uint8_t m, uint8_t o, TPoint& kofils) {
  TListePoints& lp = r.chemin.coups[d].prises;
  lp[0] = 0;
  r.prises[d][0] = 0;
  r.nbprises[d] = 0;
  r.chemin.coups[d].coup = q;
  r.chemin.nombre = d;
  kofils = TPoint{};
  if (!reel(q)) return true;
  if (!surplateaumoteur(q.ligne, q.colonne)) return false;
  // Only an empty point can take a stone: undoing a move on a stone would
  // empty a point that was never played.
  if (r.plateau[ix(q)] != VIDE) return false;
  posepioncaptures(r.prises[d], CAPTURESMAX, r.plateau, q.ligne, q.colonne, m, o);
  if (r.plateau[ix(q)] != m) return false;
  const int32_t n = r.prises[d][0];
  majlibertes(r.plateau, n, q.ligne, q.colonne);
  r.nbprises[d] = n;
  for (int32_t k = 1; k <= n; ++k) empilepoint(lp, MAXPOINTSLISTE, r.prises[d][3 * k], r.prises[d][3 * k + 1]);
  // A single stone with one liberty that took a single stone: the child may
  // not take back at once.
  const int32_t i = ix(q);
  if (n == 1 && infochaine[i][0] == 1 && infochaine[i][1] == 1) kofils = TPoint{r.prises[d][3], r.prises[d][4]};
  return true;
}

void defaitessai(TRecherche& r, int32_t d, TPoint q, uint8_t o, const TInfoChaine& chaines) {
  if (reel(q) && r.plateau[ix(q)] != VIDE) {
    r.plateau[ix(q)] = VIDE;
    pionsmorts[ix(q)] = 0;
    const int32_t n = r.prises[d][0];
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t j = indexcase(r.prises[d][3 * k], r.prises[d][3 * k + 1]);
      r.plateau[j] = o;
      pionsmorts[j] = static_cast<uint8_t>(r.prises[d][3 * k + 2]);
    }
  }
  r.prises[d][0] = 0;
  r.nbprises[d] = 0;
  r.chemin.coups[d].prises[0] = 0;
  r.chemin.nombre = d - 1;
  infochaine = chaines;
  pionsmorts = r.morts[d];
}

namespace {

// The dead marks after the move of depth d, by depth and level. True when
// the marks changed.
bool calculemortsapresessai(TRecherche& r, int32_t d, TPoint q, uint8_t m, uint8_t o, TPoint ko) {
  TPlateau& b = r.plateau;
  const TInfoChaine& avant = r.noeuds[d].chaines;
  const int32_t n = r.nbprises[d];
  const TPoint racine = r.chemin.coups[1].coup;
  if (!reel(q)) {
    int32_t change = 0;
    marquechainesenatari(m, b, change, std::max(1, profondeurlecture - d), TPoint{}, paramniveaub + 2);
    return change != 0;
  }
  if (niveaumin3 == 0) {
    int32_t change = 0;
    if (d == 1) analysechaine(b, change, profondeurlecture, q.ligne, q.colonne, 0, 0, paramniveaub + 2, 4, 0);
    else if (d == 2) analysechaine(b, change, profondeurlecture, q.ligne, q.colonne, 0, 0, paramniveaub + 1, 3, 0);
    else
      analysechaine(b, change, std::max(1, profondeurlecture / 2 - 1), q.ligne, q.colonne, 0, 0, paramniveaub, 2,
                    0);
    return change != 0;
  }
  int32_t statut = 0;
  // The latest opponent move and the latest engine move of the line, for the
  // readings of the chains their trials threaten.
  const auto dernierde = [&](uint8_t c) {
    for (int32_t j = d; j >= 1; --j)
      if ((j % 2 == 1) == (c == r.couleur)) return r.chemin.coups[j].coup;
    return TPoint{};
  };
  if (d == 1) {
    pionsmorts = carteessai(r.familles.mortsapresessaiordi, q.ligne, q.colonne);
    return true;
  }
  if (d == 2) {
    const bool connu = reel(racine) && (tablepaires[racine.ligne - 1][racine.colonne - 1][ix(q)] & 8) != 0;
    if (connu && !r.flagrampe) return false;
    marquechainesmortesbis(avant, b, statut, 8, profondeurlecture - 1, q, TPoint{}, TPoint{}, paramniveaub + 2, n,
                           3, r.chemin);
    if (statut != 0) marquepionsparcouleur(b, pionsmorts);
    return statut != 0;
  }
  if (d <= 4) {
    marquechainesmortesbis(avant, b, statut, 7, profondeurlecture - 2, q, TPoint{}, TPoint{}, paramniveaub + 2, n,
                           5, r.chemin);
    int32_t change = 0;
    if (d == 3) {
      testprisesapresessai(b, m, profondeurlecture - 1, ko, change, 0, 0, dernierde(r.autre), dernierde(r.couleur),
                           paramniveaub + 2);
    } else if (r.analyse > 0 && r.libertesfaibles[ix(q)] == 1 && reel(racine) && b[ix(racine)] == r.couleur &&
               pionsmorts[ix(racine)] == 0) {
      // The reply sits on the root chain's liberties: can it now be taken?
      if (testprise(b, racine.ligne, racine.colonne, profondeurlecture - 1, paramniveaub + 2, m, ko)) {
        marquechainemorte(b, racine);
        change = 1;
      }
    }
    return statut != 0 || change != 0;
  }
  int32_t change = 0;
  testprisesapresessai(b, m, profondeurlecture - 1, ko, change, 0, 0, dernierde(r.autre), dernierde(r.couleur),
                       paramniveaub + 2);
  const int32_t p5 = std::max(1, profondeurlecture - 4);
  marquechainesmortesbis(avant, b, statut, 5, p5, q, TPoint{}, TPoint{}, 5, 0, 0, r.chemin);
  (void)o;
  return statut != 0 || change != 0;
}

TReserveCartes reservememos;  // the byte maps every memo of the search keeps

// ---- Memo of the dead marks after a move -------------------------------------------------
// Below the root the marks are a function of the search board after the
// move, the state the readings read (hacheetatlecture: chain table, dead
// marks, two-eye and weak marks, switches, level; the readings and chain
// walks it calls read neither the status drivers' scratch nor the zone
// marks), the reading targets, the node's entry chain table,
// the line with its captures, the move, its colours and ko, the line's
// analysis flag and weak-liberty marks, the crawl flag and the pair bits of
// the move. The re-searches repeat them; a repeat gets the dead marks and
// reading targets they leave, their answer and their reading counters and
// flags from the memo. The memo lives as long as the leaves' one.
struct TMorts {
  TCle cle;
  uint32_t generation = 0;
  uint8_t change = 0;
  int32_t morts = 0, noires = 0, blanches = 0;  // pionsmorts, ciblesnoires, ciblesblanches in the store
  TEffetsLecture effets;
};

TMemo<TMorts, 12> memomorts;

// `debut` is debutcle of the search board after the move.
TCle clemorts(const TRecherche& r, const TEmpreinte& debut, int32_t d, TPoint q, uint8_t m, uint8_t o,
              TPoint ko) {
  TEmpreinte k = debut;
  hache(k, r.noeuds[d].chaines);
  hache(k, r.libertesfaibles);
  for (int32_t j = 1; j <= d; ++j) {
    const TCoupChemin& c = r.chemin.coups[j];
    hache(k, c.coup);
    hacheliste(k, c.prises);
    hache(k, r.nbprises[j]);
  }
  const TPoint racine = r.chemin.coups[1].coup;
  const int32_t entiers[] = {
      d, q.ligne, q.colonne, m, o, ko.ligne, ko.colonne, r.chemin.nombre, r.analyse, r.flagrampe, r.couleur, r.autre,
      (reel(racine) && reel(q)) ? tablepaires[racine.ligne - 1][racine.colonne - 1][ix(q)] : -1};
  hache(k, entiers);
  return finalise(k);
}


// ---- Memo of the opponent's forced-move term of the root moves ----------------------------
// bonuscoupforcejoueur adds a value that is a function of the search board,
// the state its readings read (hacheetatlecture; the term itself reads the
// dead marks, the opponent's candidate points and the trial records; no
// walk under it reads the reading targets, the status drivers' scratch or
// the zone marks), the move, the value map, the opponent's candidate points
// and the line length (the trial records and the maps of the turn do not
// change while the memo lives: it is emptied with the leaves' one). The
// root moves are searched again and again; a repeat adds the same value and
// replays the weak marks (listesurvie) and the reading counters and flags
// the term leaves.
struct TCoupForce {
  TCle cle;
  uint32_t generation = 0;
  int32_t ajout = 0;     // what the term added to the score
  int32_t survie = 0;    // listesurvie after it, in the store
  TEffetsLecture effets;
};

TMemo<TCoupForce, 10> memocoupforce;

void coupforcejoueurmemo(TPlateau& b, int32_t& s, TPoint q, const TCarte& v, int32_t longueur) {
  if (!memosactifs()) {
    bonuscoupforcejoueur(b, s, q, v, longueur);
    return;
  }
  TEmpreinte k;
  hache(k, b);
  hacheetatlecture(k);
  hache(k, v);
  hache(k, casescandidatesjoueur);
  const int32_t entiers[] = {q.ligne, q.colonne, longueur};
  hache(k, entiers);
  const TCle cle = finalise(k);
  if (const TCoupForce* memo = memocoupforce.cherche(cle)) {
    s += memo->ajout;
    listesurvie = cartesmemos().carte(memo->survie);
    memo->effets.rejoue();
    return;
  }
  TMesureLecture mesure;
  const int32_t avant = s;
  bonuscoupforcejoueur(b, s, q, v, longueur);
  const TEffetsLecture effets = mesure.fin();
  if (cartesmemos().pleine()) return;
  TCoupForce& memo = memocoupforce.ecrit(cle);
  memo.ajout = s - avant;
  memo.survie = cartesmemos().numero(listesurvie);
  memo.effets = effets;
}


// ---- Memo of the replies to a root move ------------------------------------------------
// The gote rule and the promoted and adjusted moves search the same root
// moves again and again. The search below a root move (its depth-2 node and
// everything under it) reads: the search board after the move, the state of
// hacheetat, the root move with its captures and its entry dead marks, the
// value cell, score, last moves, ko and colours, whether the root tried more
// than one move, the best move of every depth, the best replies, the
// promoted moves of both sides with their marks, thresholds and flags, the
// second pass and its list, the depth limit and what sets it (paramniveaud,
// numerocoup, the root move's deepen mark), the weak-liberty marks, the
// crawl and analysis flags of the line, the pair bits of the root move, its
// mark, root value (the only root value it reads), penalties and gote
// exemption, the linked-weak and adjustment values and the invasion flag.
// The family maps and trial records do not change while the memo lives (it
// is emptied with the other memos). A repeat replays what the search leaves
// for the root and the rest of the turn: the value cell, the best moves, the
// promoted moves appended, thresholds and flags, the pair bits of the root
// move (its refutations among them), its mark, value and penalties, the gote flag
// and the appends of the gote rule (made again from the present root list),
// the line's flags, the depth limit, the weak-liberty marks, the maps of
// hacheetat and the reading targets it leaves, the search statistics and the
// reading counters and flags. The per-depth records below the root are
// scratch each node writes before it reads them; the answer cache of the
// last-move candidates is only written (cached bits set again by the same
// moves). A search that ends in a crawl along the edge is not kept.
struct TSousArbre {
  TCle cle;
  uint32_t generation = 0;
  int32_t cellule = 0;
  TPoint meilleurcoup[PROFONDEURMAX + 3];
  std::vector<TPoint> promusordi, promusjoueur;  // appended by the search
  int32_t seuilordi = 0, seuiljoueur = 0;
  uint8_t ajoutjoueur = 0;
  // Maps in the store.
  int32_t paires = 0, globales = 0, noires = 0, blanches = 0, avant = 0, detect = 0, blanc = 0,
          noir = 0, zone = 0, survie = 0, faibles = 0, libertesfaibles = 0, copieglobales = 0, morts = 0;
  uint8_t sauve = 0;
  int32_t analyse = 0;
  uint8_t flagdeuxyeux = 0;
  int32_t profondeurlimite = 0;
  uint8_t flaggote = 0;
  uint8_t marqueracine = 0;
  int32_t valeurracine = 0;
  int32_t penalite1 = 0, penalite2 = 0;
  int32_t rejeux = 0;
  int32_t plusessayes[PROFONDEURMAX + 2] = {};
  int32_t profondeurvue = 0;
  TEffetsLecture effets;
};

TMemo<TSousArbre, 10> memosousarbres;

TMarques lignepaires(TPoint racine) {
  TMarques m{};
  if (reel(racine)) std::memcpy(m.data(), tablepaires[racine.ligne - 1][racine.colonne - 1], NBCASES);
  return m;
}

TCle clesousarbre(const TRecherche& r, int32_t cellule, int32_t s, uint8_t m, uint8_t o, TPoint dernier,
                  TPoint avantdernier, TPoint ko) {
  TEmpreinte k;
  hache(k, r.plateau);
  hacheetat(k);
  const TCoupChemin& c = r.chemin.coups[1];
  hache(k, c.coup);
  hacheliste(k, c.prises);
  hache(k, r.prises[1].data(), sizeof(int32_t) * (3 * static_cast<size_t>(std::clamp(r.prises[1][0], 0, CAPTURESMAX)) + 1));
  hache(k, r.morts[1]);
  hache(k, r.meilleurcoup);
  hacheliste(k, r.meilleuresreponses);
  hacheliste(k, r.promusordi);
  hacheliste(k, r.promusjoueur);
  hache(k, r.marquespromusordi);
  hache(k, r.marquespromusjoueur);
  hacheliste(k, r.listeseconde);
  hache(k, r.libertesfaibles);
  hache(k, lignepaires(c.coup));
  const bool reelle = reel(c.coup);
  const int32_t ir = reelle ? ix(c.coup) : 0;
  const int32_t entiers[] = {cellule, s, m, o, dernier.ligne, dernier.colonne, avantdernier.ligne,
                             avantdernier.colonne, ko.ligne, ko.colonne, r.chemin.nombre, r.nbprises[1],
                             r.essayes[1] > 1 ? 1 : 0, r.seuilordi, r.seuiljoueur, r.ajoutordi, r.ajoutjoueur,
                             r.secondepasse, r.profondeurlimite, paramniveaud, numerocoup,
                             reelle ? r.approfondir[ir] : -1, r.flagrampe, r.analyse, r.flagdeuxyeux,
                             reelle ? r.marquesracine[ir] : -1, reelle ? r.valeursracine[ir] : 0,
                             reelle ? r.penalites1[ir] : 0,
                             reelle ? r.penalites2[ir] : 0, reelle ? r.exemptiongote[ir] : -1,
                             r.comptefaiblesliees, r.valeurajustement, flaginvasion, r.flagko, r.couleur, r.autre,
                             r.flaggote};
  hache(k, entiers);
  return finalise(k);
}

// The points appended to a list since it held `avant` of them.
std::vector<TPoint> ajoutes(const TListePoints& l, int32_t avant) {
  std::vector<TPoint> v;
  for (int32_t j = avant + 1; j <= nbpoints(l); ++j) v.push_back(pointliste(l, j));
  return v;
}

// The search below the root move: recupcpale at depth 2, answered from the
// memo when it repeats.
void reponsesracine(TRecherche& r, int32_t& cellule, int32_t s, uint8_t m, uint8_t o, TPoint dernier,
                    TPoint avantdernier, TPoint ko) {
  if (!memosactifs()) {
    recupcpale(r, cellule, s, 2, m, o, dernier, avantdernier, ko);
    return;
  }
  const TPoint racine = r.chemin.coups[1].coup;
  const int32_t ir = reel(racine) ? ix(racine) : -1;
  const TCle cle = clesousarbre(r, cellule, s, m, o, dernier, avantdernier, ko);
  if (const TSousArbre* memo = memosousarbres.cherche(cle)) {
    cellule = memo->cellule;
    std::copy(std::begin(memo->meilleurcoup), std::end(memo->meilleurcoup), std::begin(r.meilleurcoup));
    for (const TPoint p : memo->promusordi) {
      r.marquespromusordi[ix(p)] = 1;
      empilepoint(r.promusordi, CAPACITE, p.ligne, p.colonne);
    }
    // The reply node empties the opponent's promoted list: the whole list
    // it leaves is kept.
    r.promusjoueur[0] = 0;
    r.marquespromusjoueur = marquesvides;
    for (const TPoint p : memo->promusjoueur) {
      r.marquespromusjoueur[ix(p)] = 1;
      empilepoint(r.promusjoueur, CAPACITE, p.ligne, p.colonne);
    }
    r.seuilordi = memo->seuilordi;
    r.seuiljoueur = memo->seuiljoueur;
    r.ajoutjoueur = memo->ajoutjoueur;
    const TReserveCartes& c = cartesmemos();
    if (ir >= 0) {
      std::memcpy(tablepaires[racine.ligne - 1][racine.colonne - 1], c.carte(memo->paires).data(), NBCASES);
      r.marquesracine[ir] = memo->marqueracine;
      r.valeursracine[ir] = memo->valeurracine;
      r.penalites1[ir] = memo->penalite1;
      r.penalites2[ir] = memo->penalite2;
    }
    marquesglobales = c.carte(memo->globales);
    ciblesnoires = c.carte(memo->noires);
    ciblesblanches = c.carte(memo->blanches);
    pionsmortsavant = c.carte(memo->avant);
    marquesdetect = c.carte(memo->detect);
    zonesmortesblanc = c.carte(memo->blanc);
    zonesmortesnoir = c.carte(memo->noir);
    zonemarquee = c.carte(memo->zone);
    listesurvie = c.carte(memo->survie);
    listefaibles = c.carte(memo->faibles);
    pionsmorts = c.carte(memo->morts);
    r.libertesfaibles = c.carte(memo->libertesfaibles);
    r.marquesglobalescopie = c.carte(memo->copieglobales);
    sauvepionsmorts = memo->sauve;
    r.analyse = memo->analyse;
    r.flagdeuxyeux = memo->flagdeuxyeux;
    r.profondeurlimite = memo->profondeurlimite;
    r.flaggote = memo->flaggote;
    for (int32_t j = 0; j < memo->rejeux; ++j) rejouepremiers(r);
    for (int32_t d = 0; d < PROFONDEURMAX + 2; ++d) r.plusessayes[d] = std::max(r.plusessayes[d], memo->plusessayes[d]);
    r.profondeurvue = std::max(r.profondeurvue, memo->profondeurvue);
    memo->effets.rejoue();
    return;
  }
  const int32_t promusordi0 = nbpoints(r.promusordi);
  const int32_t rejeux0 = r.rejeux;
  int32_t plusessayes0[PROFONDEURMAX + 2];
  std::copy(std::begin(r.plusessayes), std::end(r.plusessayes), std::begin(plusessayes0));
  std::fill(std::begin(r.plusessayes), std::end(r.plusessayes), 0);
  const int32_t profondeurvue0 = r.profondeurvue;
  r.profondeurvue = 0;
  TMesureLecture mesure;
  recupcpale(r, cellule, s, 2, m, o, dernier, avantdernier, ko);
  const TEffetsLecture effets = mesure.fin();
  TSousArbre sortie;
  std::copy(std::begin(r.plusessayes), std::end(r.plusessayes), std::begin(sortie.plusessayes));
  sortie.profondeurvue = r.profondeurvue;
  for (int32_t d = 0; d < PROFONDEURMAX + 2; ++d) r.plusessayes[d] = std::max(plusessayes0[d], r.plusessayes[d]);
  r.profondeurvue = std::max(profondeurvue0, r.profondeurvue);
  // A search that ends in a crawl is followed by the root's crawl step,
  // which reads more than is kept here.
  if (r.flagrampe || cartesmemos().pleine()) return;
  TSousArbre& memo = memosousarbres.ecrit(cle);
  std::copy(std::begin(sortie.plusessayes), std::end(sortie.plusessayes), std::begin(memo.plusessayes));
  memo.profondeurvue = sortie.profondeurvue;
  memo.cellule = cellule;
  std::copy(std::begin(r.meilleurcoup), std::end(r.meilleurcoup), std::begin(memo.meilleurcoup));
  memo.promusordi = ajoutes(r.promusordi, promusordi0);
  memo.promusjoueur = ajoutes(r.promusjoueur, 0);
  memo.seuilordi = r.seuilordi;
  memo.seuiljoueur = r.seuiljoueur;
  memo.ajoutjoueur = r.ajoutjoueur;
  TReserveCartes& c = cartesmemos();
  memo.paires = c.numero(lignepaires(racine));
  if (ir >= 0) {
    memo.marqueracine = r.marquesracine[ir];
    memo.valeurracine = r.valeursracine[ir];
    memo.penalite1 = r.penalites1[ir];
    memo.penalite2 = r.penalites2[ir];
  }
  memo.globales = c.numero(marquesglobales);
  memo.noires = c.numero(ciblesnoires);
  memo.blanches = c.numero(ciblesblanches);
  memo.avant = c.numero(pionsmortsavant);
  memo.detect = c.numero(marquesdetect);
  memo.blanc = c.numero(zonesmortesblanc);
  memo.noir = c.numero(zonesmortesnoir);
  memo.zone = c.numero(zonemarquee);
  memo.survie = c.numero(listesurvie);
  memo.faibles = c.numero(listefaibles);
  memo.morts = c.numero(pionsmorts);
  memo.libertesfaibles = c.numero(r.libertesfaibles);
  memo.copieglobales = c.numero(r.marquesglobalescopie);
  memo.sauve = sauvepionsmorts;
  memo.analyse = r.analyse;
  memo.flagdeuxyeux = r.flagdeuxyeux;
  memo.profondeurlimite = r.profondeurlimite;
  memo.flaggote = r.flaggote;
  memo.rejeux = r.rejeux - rejeux0;
  memo.effets = effets;
}

}  // namespace

TReserveCartes& cartesmemos() { return reservememos; }

void vidememosrecursion() {
  memomorts.vide();
  memocoupforce.vide();
  memosousarbres.vide();
}

bool mortsapresessai(TRecherche& r, int32_t d, TPoint q, uint8_t m, uint8_t o, TPoint ko) {
  // The root's marks are a copy of its analysis.
  if (d <= 1 || !memosactifs()) return calculemortsapresessai(r, d, q, m, o, ko);
  return mortsapresessai(r, debutcle(r.plateau), d, q, m, o, ko);
}

bool mortsapresessai(TRecherche& r, const TEmpreinte& debut, int32_t d, TPoint q, uint8_t m, uint8_t o, TPoint ko) {
  if (d <= 1 || !memosactifs()) return calculemortsapresessai(r, d, q, m, o, ko);
  const TCle cle = clemorts(r, debut, d, q, m, o, ko);
  if (const TMorts* memo = memomorts.cherche(cle)) {
    memo->effets.rejoue();
    pionsmorts = cartesmemos().carte(memo->morts);
    ciblesnoires = cartesmemos().carte(memo->noires);
    ciblesblanches = cartesmemos().carte(memo->blanches);
    return memo->change != 0;
  }
  TMesureLecture mesure;
  const bool change = calculemortsapresessai(r, d, q, m, o, ko);
  const TEffetsLecture effets = mesure.fin();
  if (!cartesmemos().pleine()) {
    TMorts& memo = memomorts.ecrit(cle);
    memo.change = change ? 1 : 0;
    memo.morts = cartesmemos().numero(pionsmorts);
    memo.noires = cartesmemos().numero(ciblesnoires);
    memo.blanches = cartesmemos().numero(ciblesblanches);
    memo.effets = effets;
  }
  return change;
}

// ---- The node -----------------------------------------------------------------------------

namespace {

class Noeud {
 public:
  Noeud(TRecherche& r, int32_t& cellule, int32_t score, int32_t d, uint8_t m, uint8_t o, TPoint dernier,
        TPoint avantdernier, TPoint ko)
      : r_(r), cellule_(cellule), score_(score), d_(d), m_(m), o_(o), dernier_(dernier),
        avantdernier_(avantdernier), ko_(ko), n_(r.noeuds[d]), racine_(d == 1), moteur_(m == r.couleur) {}

  void cherche();

 private:
  // The node's entry: state saved, depth records reset.
  void entree();
  // The candidates. False when the root ends before the search.
  bool candidatsracine();
  void candidatsprofonds();
  void passeetordre();
  // One candidate; false when the node returns at once.
  bool essaie(int32_t& k);
  void termes(TPoint q, int32_t& s, int32_t influenceavant);
  void testgote(TPoint q, int32_t& s);
  void reponse(TPoint q, int32_t& s, TPoint kofils);
  void rampe(TPoint q, int32_t s, TPoint kofils);
  void marquepaires(TPoint q, bool recalcule);
  bool miseajour(TPoint q, int32_t& k);
  void marquemeilleurracine(TPoint q);
  void apresdernierracine(int32_t k);
  void apresdernierprofondeur2();

  TPoint racinecoup() const { return r_.chemin.coups[1].coup; }
  bool pierrevivanteordi(TPoint p) const {
    return reel(p) && r_.plateau[ix(p)] == r_.couleur && pionsmorts[ix(p)] == 0;
  }

  TRecherche& r_;
  int32_t& cellule_;
  const int32_t score_;
  const int32_t d_;
  const uint8_t m_, o_;
  const TPoint dernier_, avantdernier_, ko_;
  TNoeud& n_;
  const bool racine_;
  const bool moteur_;   // the node maximises
  Liste liste_;
  bool premier_ = true;   // no candidate tried yet
  int32_t influence_ = 0;
  int32_t t_ = 0;   // chain-test value of the move (testechaineh8)
  int32_t a0_ = 0;  // the mover's stones in atari before the move (up to depth 3)
  int32_t reels_ = 0;  // stones tried (passes aside), re-searches included
};

void Noeud::entree() {
  modeanalyseposition = 0;
  n_.essayes = marquesvides;
  r_.essayes[d_] = 0;
  r_.entree[d_] = cellule_;
  n_.candidats[0] = 0;
  n_.chaines = infochaine;
  r_.morts[d_] = pionsmorts;
  r_.recalcule[d_] = 0;
  n_.mortsentree = pionsmorts;
  liste_.l = &n_.candidats;
  r_.profondeurvue = std::max(r_.profondeurvue, d_);
}

bool Noeud::candidatsracine() {
  TListePoints& l = n_.candidats;
  r_.ajoutordi = 0;
  // The analyses and families; the opening, calm and pass exits.
  TContexteCadre racine{r_.familles, r_.plateau, m_, o_, dernier_, avantdernier_, ko_, r_.morts[1], l,
                        r_.candidatsracine, r_.choisi};
  const TSuiteRacine suite = famillesracine(racine);
  if (suite != RACINECHERCHE) return false;
  if (nbpoints(l) == 0) {
    ordipasse = 1;
    return false;
  }
  // Ranking, the 9x9 line search, the opening filter, the level's width.
  classecandidats(r_.familles.somme, r_.familles.marquescandidats, 1, dernier_, d_, m_, o_, l, r_.familles.importants,
                  r_.plateau);
  if (taillemoteur() == 9 && niveau >= 5 && !coupbasetrouve)
    solutiongagnante99(r_.familles.livre, r_.plateau, l, CAPACITECANDIDATS);
  // The moves the filter keeps whatever the regions: the important points.
  reperezonesouverture(r_.plateau, l, r_.familles.somme, r_.familles.sommejoueur, r_.regions);
  filtreouverture(r_.familles.importants, l, r_.regions);
  if (nbpoints(l) > largeurracine()) l[0] = largeurracine();
  passeetordre();
  // The root searches a list that may grow far beyond 361 entries.
  r_.racine.nombre = 0;
  for (int32_t k = 1; k <= nbpoints(l); ++k) r_.racine.ajoute(pointliste(l, k));
  liste_.l = nullptr;
  liste_.r = &r_.racine;
  return true;
}

void Noeud::candidatsprofonds() {
  TListePoints& l = n_.candidats;
  TPlateau& b = r_.plateau;
  const TPoint racine = racinecoup();
  // The zone of the line in the candidate area.
  int32_t rayon = 0;
  if (r_.secondepasse) rayon = d_ == 2 ? (niveau > 2 ? 2 : 1) : d_ <= 4 ? 1 : 0;
  else if (!phasefinale) rayon = d_ == 2 ? (niveau == 1 ? 1 : 2) : d_ <= 4 ? 1 : 0;
  if (!r_.secondepasse && !phasefinale && d_ == 2 && niveau > 3) zonemarquee = casesjouables;
  else if (rayon > 0) marquezoneautour(b, r_.chemin, d_, rayon);
  const auto dansvide = [&](TPoint p) { return reel(p) && b[ix(p)] == VIDE; };
  const auto ajoute = [&](TPoint p) {
    if (dansvide(p)) ajoutecaseliste(p.ligne, p.colonne, l, CAPACITECANDIDATS);
  };

  if (d_ == 2) {
    // The opponent's best points of its own analysis, inside the zone.
    const TListePoints& ma = r_.familles.meilleursadverses;
    for (int32_t k = 1; k <= nbpoints(ma); ++k) {
      const TPoint p = pointliste(ma, k);
      if (dansvide(p) && zonemarquee[ix(p)] && !contient(r_.familles.importants, p)) ajoute(p);
    }
  }
  if (d_ == 2 || phasefinale) {
    const TListePoints& pi = r_.familles.importants;
    for (int32_t k = 1; k <= nbpoints(pi); ++k) {
      const TPoint p = pointliste(pi, k);
      if (dansvide(p) && zonemarquee[ix(p)]) ajoute(p);
    }
  }
  if (d_ == 2 && reel(racine) && b[ix(racine)] == r_.couleur && infochaine[ix(racine)][0] <= 3 && !r_.flagrampe)
    ajoutelibertesessai(r_.familles.survieordi, r_.familles.fortificationordi, b, l, ko_, racine);
  if (d_ > 2 && !phasefinale)
    for (int32_t k = 1; k <= nbpoints(r_.listeatari); ++k) ajoute(pointliste(r_.listeatari, k));
  ajoutelibertesfaibleszone(n_.evasion, plateaudepart, moteur_ ? r_.familles.testtueordi : r_.familles.testtuejoueur,
                            ko_, b, l, CAPACITECANDIDATS, m_, dernier_, avantdernier_);
  if (d_ <= 3) {
    ajoutepointsvidesentoures(b, l, CAPACITECANDIDATS, lignechemin(r_, d_ - 1, n_.ligne), d_, ko_);
    if (d_ == 3) candidatsdernierecoup(b, r_.flagko, l, ko_, dernier_);
  }
  if (d_ == 4 && r_.analyse > 0 && pierrevivanteordi(racine)) {
    n_.marques = marquesvides;
    libertesetfaiblesvisite(b, n_.marques, racine.ligne, racine.colonne);
    const int32_t t = taillemoteur();
    for (int32_t i = 1; i <= t; ++i)
      for (int32_t j = 1; j <= t; ++j)
        if (n_.marques[indexcase(i, j)]) ajoute(TPoint{i, j});
  }
  if (r_.secondepasse)
    for (int32_t k = 1; k <= nbpoints(r_.listeseconde); ++k) ajoute(pointliste(r_.listeseconde, k));

  if (d_ == 2) {
    // The replies of the root move.
    r_.marquesglobalescopie = marquesglobales;
    for (int32_t k = 1; k <= nbpoints(r_.meilleuresreponses); ++k) ajoute(pointliste(r_.meilleuresreponses, k));
    r_.promusjoueur[0] = 0;
    r_.marquespromusjoueur = marquesvides;
    candidatsdernierecoup(b, r_.flagko, l, ko_, dernier_);
    lecturecaptures(r_.familles.sommejoueur, m_, o_, l, b, 2);
    if (niveau == 1 && nbpoints(l) > 4) l[0] = 4;
  } else if (d_ <= 4) {
    // Capture readings order the list.
    lecturecaptures(zerobonus, m_, o_, l, b, d_);
  }
  passeetordre();
}

void Noeud::passeetordre() {
  TListePoints& l = n_.candidats;
  // The pass, every node but the root outside the end phase.
  if (!racine_ || phasefinale) {
    if (d_ > 2 && !reel(r_.chemin.coups[d_ - 1].coup) && !reel(r_.chemin.coups[d_ - 2].coup)) l[0] = 0;
    ajoutecaseliste(0, 0, l, CAPACITECANDIDATS);
  }
  if (racine_ && phasefinale && passesconsecutives == 1 &&
      (strategie == 1 || (compteurinvasions + maxsurvie + maxfortification + compteurinfluence > 0 &&
                          flagfortif2 == 0 && compteurinvasions3 == 0)))
    remontecoupenliste(l, pointko.ligne, pointko.colonne, 1, CAPACITECANDIDATS);
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    const TPoint p = pointliste(l, k);
    if (reel(p)) n_.essayes[ix(p)] = 1;
  }
  reordonnecoups(n_.essayes, lignemeilleurs(r_, n_.ligne), d_, 1, l);
  if (d_ + 1 <= PROFONDEURMAX) r_.meilleurcoup[d_ + 1] = TPoint{};
  if (d_ + 2 <= PROFONDEURMAX + 1) r_.meilleurcoup[d_ + 2] = TPoint{};
}

void Noeud::cherche() {
  entree();
  // The candidates; a root with none ends before the search.
  if (racine_) {
    if (!candidatsracine()) {
      pionsmorts = n_.mortsentree;
      infochaine = n_.chaines;
      return;
    }
  } else {
    candidatsprofonds();
  }
  // The list may grow while it is searched.
  for (int32_t k = 1; k <= liste_.nombre(); ++k) {
    // The root searches one move whatever the time: cut before it, the
    // search would leave the choice to the pass decision's catch-up moves.
    // Its replies stop at the deadline as every node's moves do, so past it
    // the first move is weighed by its own terms and the replies searched.
    if (!(racine_ && premier_) && tempsecoule(r_)) break;
    if (!essaie(k)) return;
    if (k == liste_.nombre()) {
      // Past the deadline the root adds no moves and starts no second pass.
      if (racine_ && !r_.interrompu) apresdernierracine(k);
      else if (d_ == 2) apresdernierprofondeur2();
    }
  }
  // Entry state back; the node's best into the cell, and outside the second
  // pass the pair (root move, best move here) noted in the pair table.
  infochaine = n_.chaines;
  pionsmorts = n_.mortsentree;
  if (premier_) return;  // nothing was tried: the cell keeps its content
  cellule_ = n_.meilleur;
  const TPoint racine = racinecoup();
  const TPoint mc = r_.meilleurcoup[d_];
  if (!r_.secondepasse && !racine_ && reel(racine) && reel(mc) && zonemarquee[ix(mc)])
    tablepaires[racine.ligne - 1][racine.colonne - 1][ix(mc)] |= 1;
}

bool Noeud::essaie(int32_t& k) {
  TPlateau& b = r_.plateau;
  n_.k = k;
  if (racine_) r_.kracine = k;
  ++compteurnoeudsprise;
  const TPoint q = liste_.point(k);
  int32_t s = score_;
  // Book moves and the forbidden points of the root.
  if (racine_ && reel(q)) {
    if (coupbasetrouve) {
      if (r_.familles.livre[ix(q)] == 1) return true;
    } else if (taillemoteur() == 9 && r_.familles.livre[ix(q)] == 1) {
      const TCartesFamilles& f = r_.familles;
      const int32_t i = ix(q);
      const int32_t valeurs[8] = {f.survieordi[i],      f.surviejoueur[i], f.fortificationordi[i], f.invasionforteordi[i],
                                  f.faitmortordi[i],    f.separationordi[i], f.flou[i],            f.somme[i]};
      // A point the winning-line search left out: weak, it is not tried;
      // strong, it is tried with its score lowered.
      if (testepenalite(q.ligne, q.colonne, valeurs, s)) return true;
    }
    if (casesinterdites[ix(q)] & 1) {
      ecritdebug("ATTENTION ko ou super ko a eliminer ds recu principale!!!");
      return true;
    }
  }
  // Taking back the ko at once is never tried.
  if (reel(ko_) && memepoint(q, ko_)) {
    if (!racine_) ecritdebug("bugcoupinterditdsrecupcpale");
    return true;
  }
  // A depth-2 node starts its atari list afresh.
  if (d_ == 2) {
    r_.listeatari[0] = 0;
    r_.flagatari = 0;
  }
  // The trial move.
  if (reel(q)) {
    n_.essayes[ix(q)] = 2;
    influence_ = compteinfluencelignes(b, q.ligne, q.colonne, r_.couleur, d_, 3);
    t_ = testechaineh8(infochaine, b, q.ligne, q.colonne, m_);
    a0_ = d_ <= 3 ? pierresenatari(b, m_) : 0;
  }
  TPoint kofils;
  if (!joueessai(r_, d_, q, m_, o_, kofils)) {
    r_.chemin.coups[d_].coup = TPoint{};
    r_.chemin.nombre = d_ - 1;
    return true;
  }
  const TPoint racine = racinecoup();
  // The depth of the subtree of a root move.
  if (d_ == 2) {
    if (numerocoup > 4) {
      r_.profondeurlimite = paramniveaud;
      if (reel(racine) && r_.approfondir[ix(racine)] >= 10) r_.profondeurlimite += 2;
      r_.profondeurlimite = std::min(r_.profondeurlimite, PROFONDEURMAX);
    }
    if (reel(racine) && b[ix(racine)] != VIDE &&
        (r_.familles.tuevitordi[ix(racine)] || voisincouleuratari(b, m_, racine.ligne, racine.colonne))) {
      zoneautourchaine(b, paramniveaub + 2, racine.ligne, racine.colonne, 1, 1, r_.listeatari, r_.flagatari);
    }
    if (reel(q) && (r_.familles.tuevitjoueur[ix(q)] || voisincouleuratari(b, r_.couleur, q.ligne, q.colonne)))
      zoneautourchaine(b, paramniveaub + 2, q.ligne, q.colonne, 1, 1, r_.listeatari, r_.flagatari);
  }
  // The dead marks after the move.
  ++r_.essayes[d_];
  if (reel(q)) r_.plusessayes[d_] = std::max(r_.plusessayes[d_], ++reels_);
  const bool recalcule = mortsapresessai(r_, d_, q, m_, o_, kofils);
  r_.recalcule[d_] = recalcule ? 1 : 0;
  if (!reel(q) && racine_ && etatcalme != 0 && etatcalme != 4) s -= 10;
  // The terms of the move.
  termes(q, s, influence_);
  // At the root, the state before the reply is kept.
  if (racine_) {
    r_.scoreavant = s;
    r_.celluleavant = cellule_;
    r_.plateauavant = b;
    r_.chainesavant = infochaine;
    r_.mortsavant = pionsmorts;
    if (!r_.secondepasse && reel(q)) r_.valeursracine[ix(q)] = s;
  }
  // The reply, and the root move's value for the explainer.
  reponse(q, s, kofils);
  if (racine_ && reel(q)) notevaleurracine(r_, q, cellule_, !premier_ && cellule_ <= r_.celluleavant);
  // Pair bits; the move is taken back.
  marquepaires(q, recalcule);
  defaitessai(r_, d_, q, o_, n_.chaines);
  return miseajour(q, k);
}

void Noeud::termes(TPoint q, int32_t& s, int32_t influenceavant) {
  TPlateau& b = r_.plateau;
  const TCartesFamilles& f = r_.familles;
  const TPoint racine = racinecoup();
  const bool vrai = reel(q);
  const int32_t iq = vrai ? ix(q) : 0;
  const bool mort = vrai && pionsmorts[iq] != 0;
  const int32_t derniere = r_.profondeurlimite - 1;
  int32_t liens = 0;
  // Every term weighs for the root colour: added for its stones, subtracted
  // for the other's.
  const uint8_t ref = r_.couleur;
  const int32_t ir = reel(racine) ? ix(racine) : 0;
  uint8_t drapeaux[DRAPEAUXCHEMIN];
  drapeauxchemin(r_, d_, drapeaux);
  TListePoints& chemin = n_.ligne;
  lignechemin(r_, d_, chemin);

  if (racine_ && vrai) {
    // Depth 1: the link flags of the new stone and the root terms.
    if (pionlieachainetest1(b, listefaibles, q.ligne, q.colonne)) liens |= LIEFAIBLE;
    if (estlieachainevivanteavecmorts(pionsmorts, b, q.ligne, q.colonne, m_, o_)) liens |= LIEVIVANTE;
    if (estlieauterritoire(b, q.ligne, q.colonne, m_, o_)) liens |= LIETERRITOIRE;
    marquezoneautour(b, r_.chemin, 2, 1);
    marquezoneautour(b, r_.chemin, 2, 2);
    // The gote exemption; the invasion flag is the zone reading's flaginvasion.
    r_.exemptiongote[iq] =
        (f.testvitordi[iq] > 0 || (f.invasionforteordi[iq] > 20 && flaginvasion > 0)) ? 1 : 0;
    // The count of the difference term: the gote flag of the search, 0 at
    // the start of every move.
    bonusdifferenceterritoire(f.mortsapresessaiordi, tablegroupes, q.ligne, q.colonne, f.survieordi[iq],
                              f.fortificationordi[iq], m_, o_, b, drapeaux, chemin, s, r_.flaggote);
    empechedefaire2yeux(b, s, ref, m_, r_.memodeuxyeux, q.ligne, q.colonne);
    bonusinvasion(b, s, ref, q, f.invasionfortejoueur);
    bonusmoyodomine(b, s, q, r_.flaggote, r_.secondepasse);
    bonusreprisevoisins(b, s, f.sommejoueur, o_, m_, q);
    TValeursRelie relie;
    relie.f1 = f.survieordi[iq];
    relie.f2 = f.fortificationordi[iq];
    relie.f3 = f.invasionforteordi[iq];
    relie.f4 = f.faitmortordi[iq];
    relie.g = f.coupuredangereuse[iq];
    relie.h1 = f.surviejoueur[iq];
    relie.h3 = f.flou[iq];
    relie.h4 = f.coupforceordi[iq];
    relie.v = f.protection[iq];
    relie.autres[0] = f.iajoueur[iq];
    relie.autres[1] = f.testprojet[iq];
    relie.autres[2] = f.bonuscombatsemai[iq];
    relie.prises = &r_.prises[d_];
    relie.masque = &carteessai(r_.familles.mortsapresessaiordi, q.ligne, q.colonne);
    relie.masquesjoueur = &f.mortsapresessaijoueur;
    relie.drapeau3 = drapeaux[2];
    relie.drapeau5 = drapeaux[4];
    bonusrelielesgroupes(b, s, m_, q.ligne, q.colonne, relie);
    coupforcejoueurmemo(b, s, q, f.sommejoueur, d_);
    bonuspierreisoleebord(b, s, ref, o_, m_, q.ligne, q.colonne);
    // How far the new stone reaches into the other side's area.
    uint8_t c = o_;
    int32_t e = evaluecoupcandidat(pionsmorts, c, b, q.ligne, q.colonne);
    if (compteurinvasions3 <= 2 && compteurinvasions <= 4) e *= 4;
    r_.evaluationracine[iq] = e;
    // The record's flag byte: the families' strong-trial flag flagessai1.
    if (essaiordi(q.ligne, q.colonne).flagessai1 && !mort && (liens & LIEVIVANTE))
      bonuslecturezone(b, s, o_, q);
  }
  if (d_ == 2) {
    // Depth 2: the reply's links, the reading of the root chain, the reply terms.
    r_.analyse = -1;
    r_.flagdeuxyeux = 0;
    if (vrai) {
      estlieauterritoire(b, q.ligne, q.colonne, m_, o_);
      pionlieachainetest1(b, listesurvie, q.ligne, q.colonne);
    }
    // The analysis flag: -1 when the root chain is not read (a pass, a
    // stone gone, more liberties than the reading takes), 4 when the reply
    // leaves it capturable, 2 when it holds.
    if (reel(racine) && b[ix(racine)] == r_.couleur && infochaine[ix(racine)][0] <= paramniveaub + 2) {
      TPoint ko = pointko;
      r_.analyse =
          testprise(b, racine.ligne, racine.colonne, profondeurlecture - 1, paramniveaub + 2, m_, ko) ? 4 : 2;
    }
    if (reel(racine)) {
      bonuscoupforceordi(b, s, racine, f.coupforceordi[ir]);
      bonuslibertescoup(b, s, r_.couleur, q, racine, r_.valeursracine, f.somme);
      int32_t sortie = 0;
      bonusdeuxyeuxcoupure(b, s, racine, q, 2, r_.analyse > 0 ? 1 : 0, f.survieordi[ir], f.fortificationordi[ir], m_,
                           r_.flagdeuxyeux, 0, sortie);
    }
    // The root move r and the reply q: the root's survival kind and
    // reinforcement code, its values, counters and the two penalty maps.
    if (vrai && reel(racine)) {
      const TEssaiCoup& er = essaiordi(racine.ligne, racine.colonne);
      bonusmarquesmorts(0, f.memosurvieordi[ir], f.marquesfortification[ir], drapeaux, s, r_.penalites1[ir],
                        r_.penalites2[ir], m_, o_, q, racine, f.survieordi[ir], f.fortificationordi[ir],
                        f.bonusdebutfin[ir], b, r_.flagdeuxyeux, er.compteur2essai & 0xff, er.compteur1essai & 0xff);
    }
    testgote(q, s);
  }
  if (d_ == 3 && vrai && (casesinterdites[iq] & 1))
    s += f.fortificationordi[iq] + f.survieordi[iq] + f.surviejoueur[iq];
  // Every depth. The attack map is carteattaque; the map the capturable-stones
  // term reads is the opponent's survival map.
  const TPoint deux = r_.chemin.coups[2].coup;
  // The values of bonusstrategiecoup: the mover's reinforcement and survival
  // values at the move.
  if ((d_ == 2 || d_ == 3) && reel(deux) && carteattaque[ix(deux)] && vrai) {
    const bool joueur = m_ != r_.couleur;
    bonusstrategiecoup(b, s, joueur ? f.fortificationjoueur[iq] : f.fortificationordi[iq],
                       joueur ? f.surviejoueur[iq] : f.survieordi[iq], d_, q, dernier_);
  }
  if (d_ == 4 && reel(deux) && f.surviejoueur[ix(deux)] > 0)
    bonuspierresprenables(b, s, f.surviejoueur[ix(deux)], r_.couleur, deux, r_.chemin.coups[3].coup);
  if (d_ == derniere) {
    // The last recursion depth: dead marks of the line, territory and weak chains.
    if (niveau > 4 && d_ == 3 && pierrevivanteordi(racine)) {
      // Around the root stone, and around the reply when it stands and is worth something to the opponent.
      const bool replique = reel(deux) && b[ix(deux)] == r_.autre && f.sommejoueur[ix(deux)] > 0;
      TMarques& sortie = n_.marques;
      sortie = pionsmorts;
      testprisechainesvoisines(marquesliaison1, sortie, b, r_.couleur, r_.autre, profondeurlecture - 1, racine,
                               replique ? deux : TPoint{}, paramniveaub + 2);
      pionsmorts = sortie;
    } else if (vrai) {
      // The general form: the chains around the move itself.
      TMarques& sortie = n_.marques;
      sortie = pionsmorts;
      testprisechainesvoisines(marquesliaison1, sortie, b, m_, o_, profondeurlecture - 1, q, TPoint{},
                               paramniveaub + 2);
      pionsmorts = sortie;
    }
    ecritdebug("mort a profondeur-1");
    int32_t res = 0;
    marquesdetect = pionsmorts;
    detectetatchaine(m_, o_, res, b, 0, q.ligne, q.colonne, 0);
    if (niveaumin3) {
      marquesdetect = pionsmorts;
      detectetatchaine(o_, o_, res, b, 0, q.ligne, q.colonne, 0);
      int32_t seki = 0;
      detectseki(seki, marquesdetect, b, 0);
    }
    if (!phasefinale) {
      // The depth-2 stone dead on the engine's ground is kept dead; the root
      // stone is revived when the engine defends a lead.
      if (reel(deux) && b[ix(deux)] != VIDE) {
        ajustemortsterritoire(0, 0, ref, ref, b, deux.ligne, deux.colonne);
        if (reel(racine) && b[ir] == ref) ajustemortsterritoire(0, 1, ref, ref, b, racine.ligne, racine.colonne);
      }
      uint8_t perdu = 0;
      bonusterritoire(n_.marques, q, drapeaux, perdu, 0, m_, ref, s, b, chemin, d_);
    }
    if (reel(racine) && r_.valeurajustement != 0)
      ajustevaleurcandidat(b, s, r_.valeurajustement, r_.analyse > 0 ? 1 : 0, 0, racine, q, r_.couleur, m_,
                           couleurjoueur, plateaudepart);
    bonusfaibles(b, s, m_, r_.couleur);
    if (r_.comptefaiblesliees > 0 && m_ != r_.couleur && pierrevivanteordi(racine))
      bonusfaiblesliees(b, s, r_.couleur, racine, 0, 0, r_.comptefaiblesliees, r_.marquesracine[ir]);
  }
  if (racine_ && vrai) {
    if (!mort) {
      if (!phasefinale) zonevide3x3(b, s, ref, q.ligne, q.colonne);
      bonusesca(b, s, ref, r_.escaliers, d_, t_, q.ligne, q.colonne);
    }
  }
  if (d_ <= 2 && vrai && !phasefinale) bonuscoins(b, s, ref, m_, q.ligne, q.colonne);
  if (racine_ && vrai) {
    if (debutpartie) estlieachainevivante2(b, q.ligne, q.colonne, m_);  // the opening conditions: debutpartie
    TPoint kocourant;
    pointkocourant(kocourant);
    // The crawl term's search value: the move's reinforcement value.
    bonusrampebord(b, s, ref, f.fortificationordi[iq], q.ligne, q.colonne);
    bonusvoisinsennemis(b, s, ref, 0, q.ligne, q.colonne, 1);
    bonusatari(b, s, ref, d_, b[iq], a0_, t_, q.ligne, q.colonne);
    bonuslibertesvoisines(b, s, ref, t_, d_, q.ligne, q.colonne);
    bonussortieesca(b, s, ref, r_.escaliers, 9, q.ligne, q.colonne);
    if (phasefinale && s <= 0 && !f.marquescandidats[iq]) s -= 10;
  }
  if (d_ == 2) {
    r_.rampe = TRampe{};
    if (vrai) {
      zonefermee(b, m_, o_, q.ligne, q.colonne);
      // The reply's survival kind: its survival memo; its value counts for the opponent.
      const int32_t liaison = bonusliaisonsurvie(b, f.memosurviejoueur[iq], q, r_.chemin.coups[2].prises, f.surviejoueur);
      s += m_ == ref ? liaison : -liaison;
      bonuslibertesvoisines(b, s, ref, t_, d_, q.ligne, q.colonne);
      if (reel(racine)) testpousseeligne(b, r_.rampe.plateau, r_.rampe.point, r_.rampe.nombre, q.ligne, q.colonne,
                                         racine.ligne, racine.colonne);
      if (phasefinale) bonusvoisinsennemis(b, s, ref, 0, q.ligne, q.colonne, 1);
    }
    bonusmortsprofondeur(b, s, ref, d_, m_, r_.morts[d_], marquesliaison1, q.ligne, q.colonne);
  } else if (d_ > 2) {
    bonusmortsprofondeur(b, s, ref, d_, m_, r_.morts[d_], marquesliaison1, q.ligne, q.colonne);
  }
  // Every depth: a stone in atari, then the local terms of a real move.
  if (vrai) {
    const bool atari = infochaine[iq][0] == 1;
    if (racine_) {
      // The deepen mark of a root move left in atari.
      if (niveau > 1 && atari && r_.nbprises[d_] == 0 && f.fortificationordi[iq] <= 0 &&
          (r_.racine.nombre < 8 || (taillemoteur() <= 13 && niveau >= 8) || niveau == 10))
        ++r_.approfondir[iq];
    } else if (atari && !mort) {
      // Below the root a stone in atari is read with the other side to move.
      int32_t res = 0;
      marquesdetect = pionsmorts;
      detectetatchaine(o_, o_, res, b, 0, q.ligne, q.colonne, 0);
      premiereliberte(b, q.ligne, q.colonne);
    }
    if (!phasefinale) {
      bonusatari(b, s, ref, d_, b[iq], a0_, t_, q.ligne, q.colonne);
      if (d_ > 3) bonusvoisinsatari(b, s, ref, d_, t_, q.ligne, q.colonne);
      bonuslibertesvoisines(b, s, ref, t_, d_, q.ligne, q.colonne);
      if (d_ > 2) bonusesca(b, s, ref, r_.escaliers, d_, t_, q.ligne, q.colonne);
    }
    s += compteinfluencelignes(b, q.ligne, q.colonne, r_.couleur, d_, 3) - influenceavant;
    if (!phasefinale) bonusbord(b, s, ref, q.ligne, q.colonne);
    comptezonevoisins(b, s, ref, m_, q.ligne, q.colonne, 2);
    termeinactif(b, s, ref, q.ligne, q.colonne);
    bonusformecoupure(b, s, ref, q.ligne, q.colonne);
  }
  // Stones the root move takes.
  if (racine_ && vrai && f.testvitjoueur[iq] > 0) {
    const int32_t n = r_.nbprises[d_];
    if (pionsmorts[iq] == 0) s += 10 * n;
    else {
      int32_t pierres = 0;
      n_.marques = marquesvides;
      comptepionschaine(pierres, b, n_.marques, 0, q.ligne, q.colonne);
      if (pierres < n) s += 10 * (n - pierres);
    }
  }
}

void Noeud::testgote(TPoint q, int32_t& s) {
  // A root move the reply shows to be gote.
  const TCartesFamilles& f = r_.familles;
  const TPlateau& b = r_.plateau;
  const TPoint racine = racinecoup();
  if (!reel(racine) || !reel(q)) return;
  const int32_t ir = ix(racine), iq = ix(q);
  if (tablepaires[racine.ligne - 1][racine.colonne - 1][iq] & 1) return;
  if (r_.analyse <= 0 || f.coupforceordi[ir] > 0 || pionsmorts[iq] != 0) return;
  if (essaiordi(racine.ligne, racine.colonne).plateauessai2[iq] != 0) return;
  const bool mortracine = b[ir] != r_.couleur || pionsmorts[ir] != 0;
  TPlateau& copie = n_.copie;
  copie = b;
  if (!mortracine && !testcoupcandidat(copie, 0, 0, q.ligne, q.colonne, racine.ligne, racine.colonne, 0, 0,
                                       f.invasionforteordi[iq], r_.couleur, r_.autre))
    return;
  const bool soutenu = f.fortificationordi[ir] > 0 || f.survieordi[ir] > 0 || f.surviejoueur[ir] > 0 ||
                       f.faiblesse[ir] > 0 || f.faitmortordi[ir] > 0;
  const bool gote = !r_.exemptiongote[ir] && (mortracine || !soutenu);
  const uint8_t marque = r_.marquesracine[ir];
  if (r_.secondepasse && (marque == 2 || marque == 4)) s -= 10;
  // The earlier root moves are searched once more.
  const auto rejoue = [&] { rejouepremiers(r_); };
  if (gote) {
    r_.marquesracine[ir] = 1;
    r_.flaggote = 1;
    rejoue();
    s -= 10;
    if (f.flou[ir] > 0) s -= f.flou[ir];
    ecritdebug(" est un coup GOTé!!!");
  } else {
    r_.marquesracine[ir] = 3;
    ecritdebug(" est un coup GOTé delicat!!!");
    if (r_.secondepasse && f.flou[ir] > 0) {
      rejoue();
      s -= f.flou[ir];
    }
  }
}

void Noeud::reponse(TPoint q, int32_t& s, TPoint kofils) {
  const TPoint moi = reel(q) ? q : dernier_;
  const TPoint avant = reel(q) ? dernier_ : dernier_;
  const TPoint kof = reel(q) ? kofils : pointko;
  // A depth-2 node after its reply: does a crawl along the edge follow?
  const auto suiterampe = [&] {
    if (d_ != 2) return;
    const bool bord = reel(q) && bordgoban[ix(q)];
    r_.flagrampe = (r_.rampe.nombre > 0 && (bord || memepoint(r_.meilleurcoup[3], r_.rampe.point))) ? 1 : 0;
  };
  if (d_ < r_.profondeurlimite - 1 && d_ + 1 <= PROFONDEURMAX) {
    if (racine_) reponsesracine(r_, cellule_, s, o_, m_, moi, avant, kof);
    else recupcpale(r_, cellule_, s, d_ + 1, o_, m_, moi, avant, kof);
    suiterampe();
    if (racine_ && r_.flagrampe) rampe(q, s, kof);
    return;
  }
  if (phasefinale) {
    TListePoints& chemin = n_.ligne;
    chemin[0] = 0;
    for (int32_t j = 1; j <= d_; ++j)
      if (reel(r_.chemin.coups[j].coup))
        empilepoint(chemin, CAPACITE, r_.chemin.coups[j].coup.ligne, r_.chemin.coups[j].coup.colonne);
    s += calculbilan2(chemin, CAPACITE, r_.plateau, m_, r_.couleur);
  }
  r_.recalcule[d_] = 1;
  ecritdebug("mort a profondeur-1 nouvelle version");
  bonusaffiches = zerobonus;
  aprescalcul(r_, cellule_, s, d_ + 1, o_, m_, moi, avant, kof);
  suiterampe();
}

void Noeud::rampe(TPoint q, int32_t s, TPoint kofils) {
  // The root move's line ends in a crawl along the edge: search the
  // position at the end of the crawl, unless the root stone dies in it.
  TPlateau& b = r_.plateau;
  const int32_t avant = cellule_;
  b = r_.rampe.plateau;
  calculelibertes(b);
  marquechainesprenables(b, profondeurlecture - 1, paramniveaub + 2, r_.couleur);
  const int32_t iq = ix(q);
  const bool mort = carteessai(r_.familles.mortsapresessaiordi, q.ligne, q.colonne)[iq] != 0 ||
                    pionsmorts[iq] != 0 || chainemorteselonmasque(q.ligne, q.colonne);
  if (mort) {
    cellule_ = avant;
    ecritdebug("detection EVOLUTION LONGE MUR pas choisissable car evolution vers la mort:");
  } else {
    recupcpale(r_, cellule_, s, 2, o_, m_, q, dernier_, kofils);
    if (cellule_ > avant) ecritdebug("detection EVOLUTION LONGE MUR pas choisissable car resultat positif:");
    else ecritdebug("detection EVOLUTION LONGE MUR :");
    cellule_ = std::min(cellule_, avant);
  }
  b = r_.plateauavant;
  infochaine = r_.chainesavant;
  pionsmorts = r_.mortsavant;
  r_.flagrampe = 0;
}

void Noeud::marquepaires(TPoint q, bool recalcule) {
  const TPoint racine = racinecoup();
  if (!reel(q)) return;
  if (d_ == 2 && reel(racine)) {
    uint8_t& bits = tablepaires[racine.ligne - 1][racine.colonne - 1][ix(q)];
    bits |= 1;
    if (r_.analyse > 0) bits |= static_cast<uint8_t>(r_.analyse);
    if (!recalcule) bits |= 8;
    if (r_.flagdeuxyeux == 1) {
      bits |= 16;
      marquesglobales = r_.marquesglobalescopie;
    }
  }
  if (racine_) {
    uint8_t& bits = tablepaires[q.ligne - 1][q.colonne - 1][ix(q)];
    bits |= 1;
    if (r_.familles.testtueordi[ix(q)] || r_.familles.testvitordi[ix(q)]) bits |= 2;
    if (r_.evaluationracine[ix(q)] > 0) bits |= 4;
  }
}

void Noeud::marquemeilleurracine(TPoint q) {
  r_.choisi = q;
  const TPoint rep = r_.meilleurcoup[2];
  if (reel(rep)) ajoutecaseliste(rep.ligne, rep.colonne, r_.meilleuresreponses, CAPACITE);
  if (!reel(q)) return;
  uint8_t& marque = r_.marquesracine[ix(q)];
  if (marque != 0) return;
  const TEssaiCoup& e = essaiordi(q.ligne, q.colonne);
  if (r_.evaluationracine[ix(q)] > 0) marque = 2;
  else if (e.plateauessai2[ix(q)] == 0 && (e.liensessai[ix(q)] & 64)) marque = 4;
}

bool Noeud::miseajour(TPoint q, int32_t& k) {
  // A root move whose search the deadline cut is not weighed against the
  // moves searched whole.
  if (racine_ && r_.interrompu && !premier_) {
    cellule_ = n_.meilleur;
    return true;
  }
  // The first value is the node's best so far.
  if (premier_) {
    premier_ = false;
    n_.meilleur = cellule_;
    r_.meilleurcoup[d_] = q;
    if (racine_) marquemeilleurracine(q);
  } else if (moteur_) {
    // An engine node maximises.
    if (niveau > 3 && reel(q) && d_ == r_.profondeurlimite - 1 && !r_.ajoutordi && cellule_ > r_.seuilordi &&
        r_.essayes[1] > 1) {
      promeutchemin(r_.chemin, 3, d_, r_.marquespromusordi, r_.promusordi, CAPACITE);
      r_.seuilordi = cellule_;
    }
    for (int32_t j = d_; j >= 2; j -= 2)
      if (r_.essayes[j - 1] > 1 && r_.entree[j] <= cellule_) {
        cellule_ = r_.entree[j];
        r_.meilleurcoup[d_] = q;
        pionsmorts = n_.mortsentree;
        return false;
      }
    if (cellule_ > n_.meilleur) {
      if (racine_ && reel(q) && r_.approfondir[ix(q)] == 1) {
        r_.approfondir[ix(q)] = 10;
        --k;
        cellule_ = n_.meilleur;
      } else {
        n_.meilleur = cellule_;
        r_.meilleurcoup[d_] = q;
        if (racine_) marquemeilleurracine(q);
      }
    }
  } else {
    // An opponent node minimises.
    if (niveau > 3 && reel(q) && d_ >= 4 && d_ == r_.profondeurlimite - 1 && !r_.ajoutjoueur &&
        cellule_ < r_.seuiljoueur && r_.essayes[2] > 1) {
      promeutchemin(r_.chemin, 4, d_, r_.marquespromusjoueur, r_.promusjoueur, CAPACITE);
      r_.seuiljoueur = cellule_;
    }
    for (int32_t j = d_; j >= 2; j -= 2)
      if (r_.essayes[j - 1] > 1 && r_.entree[j] >= cellule_) {
        cellule_ = r_.entree[j];
        r_.meilleurcoup[d_] = q;
        const TPoint racine = racinecoup();
        if (d_ == 2 && reel(q) && reel(racine) && zonemarquee[ix(q)] && !r_.secondepasse)
          tablepaires[racine.ligne - 1][racine.colonne - 1][ix(q)] |= 1;
        pionsmorts = n_.mortsentree;
        return false;
      }
    if (cellule_ < n_.meilleur) {
      n_.meilleur = cellule_;
      r_.meilleurcoup[d_] = q;
    }
  }
  // Deep nodes put the best lines' moves next.
  if (d_ > 4 && !racine_ && nbpoints(n_.candidats) - k >= 2) reordonnecoups(n_.essayes, lignemeilleurs(r_, n_.ligne), d_, k + 1, n_.candidats);
  return true;
}

void Noeud::apresdernierracine(int32_t k) {
  const TPlateau& b = r_.plateau;
  // The engine's promoted moves join the root list, once per search.
  if (niveau > 3 && !r_.ajoutordi) {
    r_.ajoutordi = 1;
    int32_t ajoutes = 0;
    for (int32_t j = nbpoints(r_.promusordi); j >= 1 && ajoutes < 5; --j) {
      const TPoint p = pointliste(r_.promusordi, j);
      if (!reel(p)) continue;
      if (libresansatari(b, n_.chaines, p) && !liste_.contient(p) && !r_.familles.mauvaiscoups[ix(p)]) {
        if (liste_.ajoute(p)) {
          n_.essayes[ix(p)] = 1;
          ++ajoutes;
        }
      } else {
        r_.promusordi[2 * j] = 0;  // struck: unfit
        r_.promusordi[2 * j + 1] = 0;
      }
    }
    r_.candidatsracine[0] = 0;
    for (int32_t j = 1; j <= r_.racine.nombre; ++j)
      if (!empilepoint(r_.candidatsracine, CAPACITECANDIDATS, r_.racine.points[j].ligne, r_.racine.points[j].colonne))
        break;
  }
  // The second pass, once the list is searched to its end: the promoted
  // moves just appended are searched first.
  if (k == liste_.nombre() && r_.ajoutordi && reel(r_.choisi) && !r_.secondepasse && niveau > 2) {
    const TPoint choisi = r_.choisi;
    const int32_t cherchees = liste_.nombre();
    infochaine = n_.chaines;
    TCartesFamilles& f = r_.familles;
    const TCartesAjusteur cartes{f.marquesfortification, f.memosurvieordi, f.memosurviejoueur, zonespoints,
                                 f.somme, f.invasionforteordi, f.invasionfortejoueur, f.flou,
                                 f.surviejoueur, f.survieordi, f.fortificationordi, r_.valeursracine,
                                 r_.penalites1, r_.penalites2, f.bonusdebutfin, f.mauvaiscoups};
    ameliorator(cartes, r_.plateau, n_.meilleur, choisi, r_.racine, r_.listeseconde2, r_.listeseconde,
                r_.secondepasse, r_.couleur, r_.autre, ko_);
    videmofeuilles();  // the adjuster may change the maps the leaves read
    if (r_.secondepasse) {
      r_.racineseconde = cherchees;
      n_.meilleur = -1000;
      cellule_ = -1000;
      r_.approfondir = marquesvides;
      if (paramniveaud <= 4) {
        if (nbpoints(r_.listeseconde) > 0) paramniveaud = 4;
        else if (niveau == 10 || taillemoteur() <= 13) paramniveaud = 5;
        else paramniveaud = 4;
      }
    }
  }
}

void Noeud::apresdernierprofondeur2() {
  // The opponent's promoted moves join a depth-2 node, once per search.
  if (niveau <= 3 || r_.ajoutjoueur) return;
  r_.ajoutjoueur = 1;
  int32_t ajoutes = 0;
  for (int32_t j = nbpoints(r_.promusjoueur); j >= 1 && ajoutes < 2; --j) {
    const TPoint p = pointliste(r_.promusjoueur, j);
    if (libresansatari(r_.plateau, infochaine, p) && !liste_.contient(p) && liste_.ajoute(p)) {
      n_.essayes[ix(p)] = 1;
      ++ajoutes;
    }
  }
}

}  // namespace

void recupcpale(TRecherche& r, int32_t& cellule, int32_t score, int32_t d, uint8_t m, uint8_t o, TPoint dernier,
                TPoint avantdernier, TPoint ko) {
  if (d < 1 || d > PROFONDEURMAX) return;
  Noeud(r, cellule, score, d, m, o, dernier, avantdernier, ko).cherche();
}

}  // namespace recherche
