// The last node of the main recursion: a short candidate list, every
// candidate played, scored and valued as a leaf, with the cut against the
// ancestors of the same side. It never recurses.
#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/choice/bonus.h"
#include "engine/choice/empreinte.h"
#include "engine/choice/libertesfaibles.h"
#include "engine/choice/recherche_etat.h"
#include "engine/choice/soutienrecherche.h"
#include "engine/proposals/bilans.h"
#include "engine/proposals/flou.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/resultats.h"
#include "engine/territory/seki.h"

namespace recherche {

namespace {

constexpr int32_t SANSBORNE = 12027;  // no ancestor gives a bound


}  // namespace

// ---- Memo of the leaf valuations ---------------------------------------------------------
// The valuation of one leaf move (from its dead marks to its leaf value) is
// a function of what it reads: the search board after the move, the search
// state of hacheetat (chain table, dead marks and status scratch, zone,
// target, weak and two-eye marks, switches, level), the node's entry chain
// table and the dead marks of every depth, the line with its captures, the
// move, its colours, ko, score, influence, chain test and stones in atari,
// the line's analysis flag and weak-liberty marks, the crawl flag, the pair
// bits of the move, the root move's mark, the adjustment and linked-weak
// values and the second-pass flag. The family maps do not change while the
// memo lives: it is emptied when a search starts and when the adjuster runs.
// The re-searches of the root moves make most leaves repeat; a repeated one
// gets its value, the status maps it leaves (pionsmortsavant,
// sauvepionsmorts, both dead-zone maps) and its reading counters and flags
// from the memo. What it writes besides is scratch rewritten before any
// read (the readings' chain table and stores) or put back by the undo
// (pionsmorts, infochaine).
namespace {

struct TFeuille {
  TCle cle;
  uint32_t generation = 0;
  int32_t valeur = 0;                      // the leaf value
  TEffetsLecture effets;
  int32_t avant = 0, blanc = 0, noir = 0;  // pionsmortsavant, zonesmortesblanc, zonesmortesnoir in the store
  uint8_t sauve = 0;                       // sauvepionsmorts after it
};

TMemo<TFeuille, 13> memofeuilles;

// `debut` is debutcle of the search board after the move.
TCle clefeuille(const TRecherche& r, const TEmpreinte& debut, int32_t d, TPoint q, uint8_t m, uint8_t o,
                TPoint kofils, int32_t s, int32_t influence, int32_t t, int32_t atari0) {
  TEmpreinte k = debut;
  hacheresteetat(k);
  hache(k, r.noeuds[d].chaines);
  hache(k, r.libertesfaibles);
  for (int32_t j = 1; j <= d; ++j) {
    hache(k, r.morts[j]);
    const TCoupChemin& c = r.chemin.coups[j];
    hache(k, c.coup);
    hacheliste(k, c.prises);
    hache(k, r.prises[j].data(), sizeof(int32_t) * (3 * static_cast<size_t>(std::clamp(r.prises[j][0], 0, 100)) + 1));
    hache(k, r.nbprises[j]);
  }
  const TPoint racine = r.chemin.coups[1].coup;
  const bool racinereelle = reel(racine);
  const int32_t entiers[] = {
      d, q.ligne, q.colonne, m, o, kofils.ligne, kofils.colonne, s, influence, t, atari0, r.chemin.nombre,
      r.analyse, r.flagrampe, r.valeurajustement, r.comptefaiblesliees,
      racinereelle ? r.marquesracine[ix(racine)] : -1,
      (racinereelle && reel(q)) ? tablepaires[racine.ligne - 1][racine.colonne - 1][ix(q)] : -1,
      r.secondepasse, r.couleur, r.autre, r.profondeurlimite};
  hache(k, entiers);
  return finalise(k);
}

// For the leaf move q of m at depth d: its dead marks, status
// and terms, then the leaf value.
// `debut` is debutcle of the search board after the move.
int32_t evaluefeuille(TRecherche& r, const TEmpreinte& debut, int32_t d, TPoint q, uint8_t m, uint8_t o,
                      TPoint kofils, int32_t s, int32_t influence, int32_t t, int32_t atari0) {
  TPlateau& b = r.plateau;
  TNoeud& n = r.noeuds[d];
  const TPoint racine = r.chemin.coups[1].coup;
  mortsapresessai(r, debut, d, q, m, o, kofils);
  if (reel(q)) {
    int32_t compte = 0;
    const uint8_t sans = sansstatut;
    sansstatut = 1;
    detectetatchaines2(compte, b, 0, q.ligne, q.colonne, 1, 0, o);
    int32_t seki = 0;
    detectseki(seki, pionsmortsavant, b, 0);
    resultatsessaiscartes(b, pionsmortsavant, q.ligne, q.colonne);
    sansstatut = sans;
  }
  // The terms of the last move, for the root colour.
  const uint8_t ref = r.couleur;
  const TPoint deux = r.chemin.coups[2].coup;
  const TCartesFamilles& f = r.familles;
  if (d == 4 && reel(deux) && f.surviejoueur[ix(deux)] > 0)
    bonuspierresprenables(b, s, f.surviejoueur[ix(deux)], r.couleur, deux, r.chemin.coups[3].coup);
  bonuscartesdeuxcoups(b, s, f.somme, f.sommejoueur, r.couleur, r.chemin);
  if (reel(racine) && r.valeurajustement != 0)
    ajustevaleurcandidat(b, s, r.valeurajustement, r.analyse > 0 ? 1 : 0, 0, racine, q, r.couleur, m,
                         couleurjoueur, plateaudepart);
  if (r.comptefaiblesliees > 0 && m != r.couleur && reel(racine) && b[ix(racine)] == r.couleur &&
      !pionsmorts[ix(racine)])
    bonusfaiblesliees(b, s, r.couleur, racine, 0, 0, r.comptefaiblesliees, r.marquesracine[ix(racine)]);
  bonusfaibles(b, s, m, r.couleur);
  if (!phasefinale) {
    uint8_t drapeaux[DRAPEAUXCHEMIN];
    drapeauxchemin(r, d, drapeaux);
    uint8_t perdu = 0;
    bonusterritoire(n.marques, q, drapeaux, perdu, 1, m, ref, s, b, lignechemin(r, d, n.ligne), d);
  }
  bonusmortssauvesessai(b, s, r.couleur, racine, d >= 2 ? deux : TPoint{});
  bonusmortsprofondeur(b, s, ref, d, m, r.morts[d], marquesliaison1, q.ligne, q.colonne);
  if (reel(q)) {
    if (!phasefinale) {
      bonusatari(b, s, ref, d, b[ix(q)], atari0, t, q.ligne, q.colonne);
      if (d > 3) bonusvoisinsatari(b, s, ref, d, t, q.ligne, q.colonne);
      if (d > 2) bonusesca(b, s, ref, r.escaliers, d, t, q.ligne, q.colonne);
    }
    s += compteinfluencelignes(b, q.ligne, q.colonne, r.couleur, d, 3) - influence;
    if (!phasefinale) bonusbord(b, s, ref, q.ligne, q.colonne);
    comptezonevoisins(b, s, ref, m, q.ligne, q.colonne, 2);
    bonusformecoupure(b, s, ref, q.ligne, q.colonne);
  }
  bonuscaptureslignes(b, s, r.couleur, r.chemin, f.testtueordi, f.testvitordi);

  return valeurfeuille(r, s, d, m);
}

}  // namespace

int32_t valeurfeuille(TRecherche& r, int32_t s, int32_t d, uint8_t m) {
  TListePoints& chemin = r.noeuds[d].ligne;
  if (etatcalme == 1) bilanpierresfinal(r.plateau, s, marquesliaison1);
  if (procedurefinpartie) {
    bonuschainesenatari(s, r.plateau, r.couleur, m);
    chemin[0] = 0;
    for (int32_t j = 1; j <= d && j <= COUPSCHEMINMAX; ++j) {
      const TPoint p = r.chemin.coups[j].coup;
      if (reel(p)) empilepoint(chemin, CAPACITE, p.ligne, p.colonne);
    }
    return s + calculbilan(chemin, CAPACITE, r.plateau, m, r.couleur);
  }
  // After m's move the other side is to move.
  return s + calculbilanesca(r.plateau, r.couleur, m == NOIR ? BLANC : NOIR);
}

void videmofeuilles() {
  memofeuilles.vide();
  cartesmemos().vide();
  vidememosrecursion();
}

void aprescalcul(TRecherche& r, int32_t& cellule, int32_t score, int32_t d, uint8_t m, uint8_t o, TPoint dernier,
                 TPoint avantdernier, TPoint ko) {
  if (d < 1 || d > PROFONDEURMAX) return;
  TNoeud& n = r.noeuds[d];
  TPlateau& b = r.plateau;
  TListePoints& l = n.candidats;
  const bool moteur = m == r.couleur;
  const TPoint racine = r.chemin.coups[1].coup;

  // Save the node's entry state.
  r.entree[d] = cellule;
  r.essayes[d] = 0;
  n.essayes = marquesvides;
  n.chaines = infochaine;
  r.morts[d] = pionsmorts;
  r.recalcule[d] = 0;
  l[0] = 0;
  r.profondeurvue = std::max(r.profondeurvue, d);

  // The bound an ancestor of the same side gives.
  int32_t borne = moteur ? SANSBORNE : -SANSBORNE;
  for (int32_t j = d; j >= 2; j -= 2)
    if (r.essayes[j - 1] > 1 && (moteur ? r.entree[j] <= borne : r.entree[j] >= borne)) {
      borne = r.entree[j];
      break;
    }

  // The zone the replies are taken from.
  if (procedurefinpartie == 0) {
    if (d == 2) zonemarquee = casesjouables;
    else if (d == 3 || d == 4) marquezoneautour(b, r.chemin, d, 1);
  }
  // The best replies near the top (or in the end-of-game procedure), else the stones in atari; then
  // weak liberties.
  const auto vide = [&](TPoint p) { return reel(p) && b[ix(p)] == VIDE; };
  if (d <= 2 || procedurefinpartie) {
    for (int32_t k = 1; k <= nbpoints(r.meilleuresreponses); ++k) {
      const TPoint p = pointliste(r.meilleuresreponses, k);
      if (vide(p) && zonemarquee[ix(p)]) ajoutecaseliste(p.ligne, p.colonne, l, CAPACITE);
    }
  } else {
    for (int32_t k = 1; k <= nbpoints(r.listeatari); ++k) {
      const TPoint p = pointliste(r.listeatari, k);
      if (vide(p)) ajoutecaseliste(p.ligne, p.colonne, l, CAPACITE);
    }
  }
  ajoutelibertesfaibleszone(n.evasion, plateaudepart, moteur ? r.familles.testtueordi : r.familles.testtuejoueur, ko,
                            b, l, CAPACITE, m, dernier, avantdernier);
  // Own stones in atari before the move, for the atari term.
  const int32_t atari0 = d <= 3 ? pierresenatari(b, m) : 0;
  // Two passes in a row: only a pass is left; the pass is always a reply.
  if (d > 2 && !reel(r.chemin.coups[d - 1].coup) && !reel(r.chemin.coups[d - 2].coup)) l[0] = 0;
  ajoutecaseliste(0, 0, l, CAPACITE);
  // The second pass's points.
  if (r.secondepasse && (d <= 4 || niveau >= 9))
    for (int32_t k = 1; k <= nbpoints(r.listeseconde); ++k) {
      const TPoint p = pointliste(r.listeseconde, k);
      if (vide(p)) ajoutecaseliste(p.ligne, p.colonne, l, CAPACITE);
    }
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (reel(pointliste(l, k))) n.essayes[ix(pointliste(l, k))] = 1;
  // The opponent also tries the points where it kills or the engine lives.
  if (m == couleurjoueur) {
    const int32_t t = taillemoteur();
    for (int32_t i = 1; i <= t; ++i)
      for (int32_t j = 1; j <= t; ++j) {
        const int32_t q = indexcase(i, j);
        if (b[q] == VIDE && zonemarquee[q] && !n.essayes[q] &&
            (r.familles.testtuejoueur[q] > 1 || r.familles.testvitordi[q] > 1) &&
            empilepoint(l, CAPACITE, i, j))
          n.essayes[q] = 1;
      }
  }
  // Best replies of the line first.
  reordonnecoups(n.essayes, lignemeilleurs(r, n.ligne), d, 1, l);
  // The weak liberties of the root stone, when the opponent answers it.
  if (r.analyse > 0 && d <= 4 && reel(racine) && m == couleurjoueur && b[ix(racine)] == couleurordi &&
      pionsmorts[ix(racine)] == 0) {
    r.libertesfaibles = marquesvides;
    libertesetfaiblesvisite(b, r.libertesfaibles, racine.ligne, racine.colonne);
  }

  // Each reply in turn.
  bool premier = true;
  int32_t meilleur = 0;
  int32_t reels = 0;
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    if (tempsecoule(r)) break;
    ++compteurnoeudsprise;
    const TPoint q = pointliste(l, k);
    if (reel(ko) && memepoint(q, ko)) {
      ecritdebug("bugcoupinterditdsrecupcpale");
      continue;
    }
    int32_t s = score;
    int32_t influence = 0, t = 0;
    if (reel(q)) {
      n.essayes[ix(q)] = 2;
      influence = compteinfluencelignes(b, q.ligne, q.colonne, r.couleur, d, 3);
      t = testechaineh8(infochaine, b, q.ligne, q.colonne, m);
    }
    TPoint kofils;
    if (!joueessai(r, d, q, m, o, kofils)) {
      r.chemin.coups[d].coup = TPoint{};
      r.chemin.nombre = d - 1;
      continue;
    }
    ++r.essayes[d];
    if (reel(q)) r.plusessayes[d] = std::max(r.plusessayes[d], ++reels);
    // Answered from the memo when the leaf repeats.
    const TEmpreinte debut = debutcle(b);
    const TCle cle = clefeuille(r, debut, d, q, m, o, kofils, s, influence, t, atari0);
    if (!memosactifs()) {
      cellule = evaluefeuille(r, debut, d, q, m, o, kofils, s, influence, t, atari0);
    } else if (const TFeuille* memo = memofeuilles.cherche(cle)) {
      cellule = memo->valeur;
      memo->effets.rejoue();
      pionsmortsavant = cartesmemos().carte(memo->avant);
      zonesmortesblanc = cartesmemos().carte(memo->blanc);
      zonesmortesnoir = cartesmemos().carte(memo->noir);
      sauvepionsmorts = memo->sauve;
    } else {
      TMesureLecture mesure;
      cellule = evaluefeuille(r, debut, d, q, m, o, kofils, s, influence, t, atari0);
      const TEffetsLecture effets = mesure.fin();
      if (!cartesmemos().pleine()) {
        TFeuille& memo = memofeuilles.ecrit(cle);
        memo.valeur = cellule;
        memo.effets = effets;
        memo.avant = cartesmemos().numero(pionsmortsavant);
        memo.blanc = cartesmemos().numero(zonesmortesblanc);
        memo.noir = cartesmemos().numero(zonesmortesnoir);
        memo.sauve = sauvepionsmorts;
      }
    }

    // A good line for the engine: its moves are promoted for the next pass.
    if (niveau > 3 && moteur && reel(q) && !r.ajoutordi && cellule > r.seuilordi && r.essayes[1] > 1) {
      promeutchemin(r.chemin, 3, d, r.marquespromusordi, r.promusordi, CAPACITE);
      r.seuilordi = cellule;
    }

    // Cut against the ancestor's bound, else keep the best.
    bool coupe = false;
    if (moteur) {
      if (borne != SANSBORNE && cellule + paramniveauf >= borne) coupe = true;
      else if (premier || cellule > meilleur) {
        meilleur = cellule;
        r.meilleurcoup[d] = q;
      }
    } else {
      if (borne != -SANSBORNE && cellule - paramniveauf <= borne) coupe = true;
      else if (premier || cellule < meilleur) {
        meilleur = cellule;
        r.meilleurcoup[d] = q;
      }
    }
    premier = false;
    // Undo the reply.
    defaitessai(r, d, q, o, n.chaines);
    if (coupe) {
      cellule = borne;
      r.meilleurcoup[d] = q;
      pionsmorts = r.morts[d];
      return;
    }
    if (nbpoints(l) - k >= 2) reordonnecoups(n.essayes, lignemeilleurs(r, n.ligne), d, k + 1, l);
  }

  // A node where nothing could be played takes the leaf value.
  cellule = premier ? valeurfeuille(r, score, d, m) : meilleur;
  infochaine = n.chaines;
  pionsmorts = r.morts[d];
  ecritdebug("apres calcul");
}

}  // namespace recherche
