// The engine's move search for one turn: the capture and status marks of
// both sides, the groups, the simple-ko point, the root node of the main
// recursion, then the pass decision with the catch-up and area-fill moves.
#include "engine/choice/recherche.h"

#include <algorithm>
#include <memory>

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/choice/rattrapage.h"
#include "engine/choice/recherche_etat.h"
#include "engine/choice/soutienrecherche.h"
#include "engine/connection/groupes.h"
#include "engine/connection/groupesvivants.h"
#include "engine/connection/tableliaisons.h"
#include "engine/connection/solveur.h"
#include "engine/proposals/territoirefinal.h"
#include "engine/reading/marquage.h"
#include "engine/reading/prise_cartes.h"
#include "engine/territory/marquagedeb.h"
#include "platform/platform.h"

namespace recherche {

namespace {

// The opponent has just taken back a single stone with a single
// stone now in atari: the point of the stone it took is forbidden.
void marquekosimple(const TPoint& dernier) {
  if (capturesderniercoup != 1 || dernier.ligne == 0) return;
  if (dernier.ligne < 1 || dernier.ligne > taillemoteur() || dernier.colonne < 1 || dernier.colonne > taillemoteur())
    return;
  const int32_t i = ix(dernier);
  if (plateaumoteur[i] != couleurjoueur || infochaine[i][0] != 1 || infochaine[i][1] != 1) return;
  const TVoisins& v = tablevoisins[i];
  for (int32_t k = 0; k < v.nbvoisins; ++k) {
    const int32_t j = indexcase(v.voisins[k][0], v.voisins[k][1]);
    if (plateaumoteur[j] == VIDE) {
      casesinterdites[j] |= 0x01;
      casesinterdites[0] |= 0x02;
      ecritdebug("KO simple:");
      return;
    }
  }
}

// The trace lines of the turn.
void tracefin(const TRecherche& r, int64_t debut) {
  if (depassementprise) ecritdebug("ATTENTION Depassement LIMITE MORT!!!!");
  if (depassementliaison) ecritdebug("Attention Depassement Limite Liaison!!!");
  if (depassementpropagation) ecritdebug("Attention Depassement propagation!!");
  if (ordipasse) ecritdebug("ordi passe");
  if (strategie == 2) ecritdebug("strategie neutre : je ne sais pas qui va gagner");
  else if (strategie == 1) ecritdebug("strategie defenseur : je gagne si je me defend bien");
  else ecritdebug("strategie attaquant : je perd si j attaque pas");
  if (procedurefinpartie) ecritdebug("procedure fin de partie déclenchée");
  else if (debutpartie) ecritdebug("debut de partie");
  else ecritdebug("milieu de partie");
  (void)r;
  (void)debut;
  ecritdebug("mon coup : ");
}

}  // namespace

void preparemarquesrecherche(TPlateau& b, uint8_t c, TPoint dernier, TMarques& escaliers) {
  // Counters cleared.
  flagdanger2 = 0;
  compteurnoeudsprise = 0;
  compteurnoeudslecture = 0;
  const uint8_t o = c == NOIR ? BLANC : NOIR;

  // The mover's stones in atari are counted for the trace; no trace line
  // prints the count yet, so nothing reads it.
  pierresenatari(b, c);

  // The chains each side can capture.
  cacheactif = 1;
  compteurcache = 0;
  marquechainesprenables(b, profondeurlecture - 1, paramniveaub + 2, couleurdemandee);
  marquesliaison1 = pionsmorts;
  territoirefinal(b);
  marquechainesprenables(b, profondeurlecture - 1, paramniveaub + 2, o);
  marquesliaison2 = pionsmorts;
  cacheactif = 0;

  // Groups checked, dead marks by colour, the liberty masks.
  verifiegroupesapresessai(plateaumoteur);
  marquepionsparcouleur(b, marquesliaison1);
  marquepionsparcouleur(b, marquesliaison2);
  if (c == NOIR) masqueslibertes(marquesliaison1, marquesliaison2, b);
  else masqueslibertes(marquesliaison2, marquesliaison1, b);

  // The enclosed chains of each side in the other's reading.
  pionsmorts = marquesliaison1;
  testdebtouteschaines(b, marquesliaison2, couleurordi);
  marquesliaison1 = pionsmorts;
  pionsmorts = marquesliaison2;
  testdebtouteschaines(b, marquesliaison1, couleurjoueur);
  marquesliaison2 = pionsmorts;
  pionsmorts = marquesliaison1;

  // The simple ko point.
  marquekosimple(dernier);

  // Every ladder on the board.
  detectescatoutes(b, c, escaliers);
}

void preparerecherche(TRecherche& r, uint8_t c, const TPlateau& plateau, TPoint dernier) {
  // The search board and a fresh draw sequence, then the marks.
  r.plateau = plateau;
  platform::randomize();
  preparemarquesrecherche(r.plateau, c, dernier, r.escaliers);

  // The rest of the state starts zeroed.
  r.couleur = c;
  r.autre = c == NOIR ? BLANC : NOIR;
  r.profondeurlimite = numerocoup <= 4 ? 3 : std::clamp(paramniveaud, 3, PROFONDEURMAX);
  r.seuilordi = SEUILORDI;
  r.seuiljoueur = SEUILJOUEUR;
  r.ko1 = pointko;
  r.ko2 = pointko;
  r.flagko = 0;
  r.choisi = TPoint{};
  r.debutpartieentree = debutpartie;
}

void decisionpasse(TRecherche& r, TPoint& resultat) {
  const TPlateau& b = r.plateau;
  const uint8_t c = r.couleur, o = r.autre;
  if (ordipasse == 1 || resultat.ligne == 0) {
    // Nothing found: save or capture a chain in atari if there is one.
    couprattrapagepasse(c, o, r.familles.mauvaiscoups, b, resultat);
    ordipasse = resultat.ligne != 0 ? 0 : 1;
  } else if ((etatcalme == 0 || etatcalme == 4) && passesconsecutives > 0 && territoire[ix(resultat)] == c &&
             (strategie == 1 || (r.familles.flou[ix(resultat)] <= 0 && r.familles.faitmortordi[ix(resultat)] <= 0))) {
    // The opponent passed and the point only fills the engine's own area.
    ordipasse = 1;
    resultat = pointko;
  }
  couprattrapagepassechinoise(ordipasse, c, r.familles.mauvaiscoups, b, resultat, r.familles.mortsapresessaiordi,
                              r.familles.mortsapresessaijoueur);
  // The safe fallback: a point that cannot be played (taken, or forbidden
  // by ko) gives way to the first safe empty point; with none, a pass.
  if (ordipasse == 0 && resultat.ligne != 0 && (b[ix(resultat)] != VIDE || (casesinterdites[ix(resultat)] & 1))) {
    TPoint sur{};
    premierecaselibresure(sur, b);
    resultat = sur;
    ordipasse = sur.ligne != 0 ? 0 : 1;
  }
}

void cherchemeilleurcoup(TRecherche& r, TPoint& resultat, uint8_t c, const TPlateau& plateau, TPoint dernier,
                         TPoint avantdernier) {
  const int64_t debut = platform::horloge();
  preparerecherche(r, c, plateau, dernier);
  resultat = TPoint{};

  // The small-board solver of the capture game, on a board of 11 and 9
  // lines at once, a test no board size passes: its move or a pass ends the search.
  if (configmoteur.taille == 11 && configmoteur.taille == 9) {
    TPlateau b = r.plateau;
    if (passesconsecutives > 0 || !solveurcoupsautorises(c, r.autre, b, resultat)) resultat = TPoint{};
    ordipasse = resultat.ligne == 0 ? 1 : 0;
    return;
  }

  // The search from the root.
  videmofeuilles();
  int32_t cellule = 0;
  recupcpale(r, cellule, 0, 1, c, r.autre, dernier, avantdernier, r.ko1);
  resultat = r.choisi;

  // The link table freed; the chain table and dead marks of the search board.
  liberetableliaisons();
  calculelibertes(r.plateau);
  pionsmorts = marquesliaison1;

  // Pass or play.
  decisionpasse(r, resultat);

  tracefin(r, debut);
}

}  // namespace recherche

namespace {
recherche::TRecherche etatrecherche;  // the state of the engine's search, kept until the next one
}  // namespace

const recherche::TRecherche& dernierrecherche() { return etatrecherche; }

void cherchemeilleurcoup(TPoint& resultat, uint8_t couleur, const TPlateau& plateau, int32_t dernierligne,
                         int32_t derniercolonne, int32_t avantdernierligne, int32_t avantderniercolonne) {
  std::destroy_at(&etatrecherche);
  std::construct_at(&etatrecherche);
  recherche::cherchemeilleurcoup(etatrecherche, resultat, couleur, plateau, TPoint{dernierligne, derniercolonne},
                                 TPoint{avantdernierligne, avantderniercolonne});
}
