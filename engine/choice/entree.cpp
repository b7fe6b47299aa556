// The engine's move entry: the game record and move list of the front end
// become the engine's view of the game, then the move chooser answers.
#include "engine/choice/entree.h"

#include <algorithm>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/niveau.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "engine/chains/yeux.h"
#include "engine/choice/choixcoup.h"
#include "engine/choice/rattrapage.h"
#include "engine/choice/recherche_etat.h"
#include "engine/choice/statutfinal.h"
#include "engine/choice/superko.h"
#include "engine/opening/suggestions.h"
#include "engine/reading/coupforce.h"
#include "engine/reading/marquagemorts.h"
#include "engine/reading/prise.h"
#include "engine/territory/etatchaines.h"
#include "platform/platform.h"

namespace {

TListePoints prisesrejeu;  // captures of the entry being replayed
// The position, its final status and the enemy stones dead in it, when a
// cleanup move is a pass or an own eye.
TPlateau positionnettoyage;
TCarte statutnettoyage;
TMarques mortsnettoyage;
TMarques mortsengine;  // the engine's dead marks, kept while the eye test reads the cleanup's

// Every neighbour of the empty point is a stone of c whose chain has another
// liberty: the point is an eye of c that no chain of c needs to fill.
bool oeilentoure(const TPlateau& p, uint8_t c, TPoint q) {
  if (p[indexcase(q.ligne, q.colonne)] != VIDE) return false;
  calculelibertes(p);
  return !pas4(q.ligne, q.colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
    const int32_t j = indexcase(r2, c2);
    return p[j] != c || infochaine[j][0] < 2;
  });
}

// Entries of the list, bounded by its storage.
int32_t nombrecoups(const TListeCoups& liste) {
  const int32_t n = liste[0].ligne;
  return n < 0 ? 0 : n > MAXCOUPSPARTIE ? MAXCOUPSPARTIE : n;
}

}  // namespace

uint64_t echeancecoup(TTempsRestant t, int32_t niveaucoup, int32_t coups, int32_t taille, uint64_t maintenant) {
  // Without a clock the level's bound of one move, the same at every move
  // and size, so that only searches that would run past it change.
  if (t.temps < 0) return maintenant + static_cast<uint64_t>(tempscoupdefaut(niveaucoup) * 1e9);
  // The time of one move as the level control reckons it, three times over,
  // and never more than a third of the time left.
  const double parcoup = tempsparcoup(t.temps, t.pierres, taille, coups);
  const double secondes = std::min(3 * parcoup, t.temps / 3.0);
  return maintenant + static_cast<uint64_t>(secondes * 1e9);
}

uint64_t echeanceanalyses(uint64_t debut, uint64_t fin) {
  return fin <= debut ? fin : debut + static_cast<uint64_t>(static_cast<double>(fin - debut) * PARTANALYSES);
}

double komimoteur(double komi) { return komi > KOMIMAX ? KOMIMAX : komi < -KOMIMAX ? -KOMIMAX : komi; }

void prepareentree(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t temps, int32_t pierres,
                   bool nettoyage) {
  // The settings of the turn.
  configmoteur = config;
  configmoteur.komi = komimoteur(config.komi);
  couleurdemandee = couleur;
  passesconsecutives = 0;
  // Level and clock; a cleanup plays at level 7 at least, without a clock.
  niveau = configmoteur.niveauconfig;
  tempsrestant = TTempsRestant{temps, pierres};
  // A move follows its clock, whatever a final status left set.
  flagfuseki = 0;
  if (nettoyage) {
    if (configmoteur.niveauconfig < 7) configmoteur.niveauconfig = 7;
    tempsrestant.temps = -1;
  }
  // What the level control sees during the reset.
  const int32_t nombre = nombrecoups(liste);
  numerocoup = nombre == 0 ? 1 : nombre;
  const uint64_t debut = platform::compteurperf();
  // The per-move reset.
  initmoteur();
  if (nettoyage) {
    niveau = 7;
    etatcalme = 1;
  }
  // The search's deadline, from the start of the entry; without a clock
  // the working level's bound of one move.
  finrecherche = echeancecoup(tempsrestant, niveau, nombre, configmoteur.taille, debut);
  finanalyses = echeanceanalyses(debut, finrecherche);
}

void rejouepartie(const TListeCoups& liste) {
  const int32_t nombre = nombrecoups(liste);
  const bool superko = configmoteur.regleko > 1;
  // Game counters from zero.
  nbcandidatsfuseki = 0;
  numerocoup = 0;
  passesconsecutives = 0;
  prisonniersnoir = 0;
  prisonniersblanc = 0;
  uint32_t h = 0;
  plateaumoteur = plateauvide();
  int32_t prises = 0;

  // Replay the game.
  for (int32_t k = 1; k <= nombre; ++k) {
    const uint8_t c = liste[k].couleur;
    const int32_t r = liste[k].ligne, col = liste[k].colonne;
    ++numerocoup;
    if (r == 0 && col == 0) ++passesconsecutives;
    else passesconsecutives = 0;
    // The engine's own move list.
    listecoupsmoteur[numerocoup][0] = c;
    listecoupsmoteur[numerocoup][1] = r;
    listecoupsmoteur[numerocoup][2] = col;
    prises = 0;
    prisesrejeu[0] = 0;
    uint8_t pose = VIDE;    // colour of the stone this entry put down
    uint8_t efface = VIDE;  // colour of the stone this entry took off
    if (c == VIDE) {
      // An erasure; the next entry takes its place.
      if (r != 0 && surplateaumoteur(r, col)) {
        efface = plateaumoteur[indexcase(r, col)];
        plateaumoteur[indexcase(r, col)] = VIDE;
      }
      --numerocoup;
    } else if (r != 0 && c <= NOIR && surplateaumoteur(r, col)) {
      // A stone, with its captures counted as prisoners.
      const bool libre = plateaumoteur[indexcase(r, col)] == VIDE;
      rejouecoup(prisesrejeu, 300, plateaumoteur, r, col, c, static_cast<uint8_t>(1 - c));
      prises = prisesrejeu[0];
      if (c == NOIR) prisonniersnoir += prises;
      else prisonniersblanc += prises;
      if (libre && plateaumoteur[indexcase(r, col)] == c) pose = c;
    }
    // The position before the last move is the territory map's.
    if (k == nombre - 1) carteterritoire = plateaumoteur;
    // Running key from the empty board; the last 21 go to the history.
    if (superko) {
      if (pose != VIDE) xorclepion(h, r, col, pose);
      if (efface != VIDE) xorclepion(h, r, col, efface);
      if (configmoteur.regleko == 3) h ^= cletrait;
      const uint8_t autre = c == BLANC ? NOIR : BLANC;
      for (int32_t j = 1; j <= prises; ++j) xorclepion(h, ligneliste(prisesrejeu, j), colonneliste(prisesrejeu, j), autre);
      if (nombre - k <= 20) ajoutehistorique(h);
    }
  }

  // Handicap compensation under area counting.
  const uint8_t regle = configmoteur.regle;
  if ((regle == 1 || regle == 2 || regle == 6) && configmoteur.handicap > 0) prisonniersblanc += configmoteur.handicap;

  // The last move's captures; the last two moves are looked up after.
  capturesderniercoup = prises;
  derniercoup = TPoint{1, 1};
  avantderniercoup = TPoint{configmoteur.taille, configmoteur.taille};
}

void cherchederniercoups(int32_t phase) {
  if (phase == 0) return;
  // Only the passes after the last stone move are consecutive ones.
  int32_t i = numerocoup;
  for (; i >= 1; --i) {
    if (listecoupsmoteur[i][1] != 0) {
      derniercoup = TPoint{listecoupsmoteur[i][1], listecoupsmoteur[i][2]};
      break;
    }
    passesconsecutives = 1;
  }
  if (phase != 2 || i <= 1) return;
  for (int32_t j = i - 1; j >= 1; --j)
    if (listecoupsmoteur[j][1] != 0) {
      avantderniercoup = TPoint{listecoupsmoteur[j][1], listecoupsmoteur[j][2]};
      return;
    }
}

void demandesouverture(uint8_t couleur, bool nettoyage) {
  nbcandidatsfuseki = 0;
  if (nettoyage) {
    // No opening suggestions: nothing of an earlier move's may stay.
    suggestionsjoseki.fill(0);
    candidatsfuseki.fill(0);
    return;
  }
  demandejoseki(couleur, configmoteur, plateaumoteur, suggestionsjoseki);
  demandefuseki(couleur, configmoteur, plateaumoteur, candidatsfuseki);
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (candidatsfuseki[indexcase(r, c)] != 0) ++nbcandidatsfuseki;
}

void prepareposition(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase, int32_t temps,
                     int32_t pierres, bool nettoyage) {
  prepareentree(couleur, config, liste, temps, pierres, nettoyage);
  rejouepartie(liste);
  cherchederniercoups(phase);
  demandesouverture(couleur, nettoyage);
}

void entreemoteur(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase, int32_t temps,
                  int32_t pierres, bool nettoyage, TResultatCoup& resultat) {
  prepareposition(couleur, config, liste, phase, temps, pierres, nettoyage);
  // The move.
  resultat.couleur = couleur;
  if (nettoyage && niveau < 7) niveau = 7;
  choixcoup(resultat.ligne, resultat.colonne);
}

void genmoveordi(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase, int32_t temps,
                 int32_t pierres, TResultatCoup& resultat) {
  entreemoteur(couleur, config, liste, phase, temps, pierres, false, resultat);
}

void genmovenettoyage(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase,
                      int32_t temps, int32_t pierres, TResultatCoup& resultat) {
  entreemoteur(couleur, config, liste, phase, temps, pierres, true, resultat);
  const uint8_t adverse = static_cast<uint8_t>(1 - couleur);
  // A pass must not leave on the board an enemy stone the final status
  // calls dead while it can be taken: the position again, its dead stones,
  // and a liberty of theirs to fill. A move into an own eye, which takes
  // nothing off and only spoils the eye, is such a pass too.
  rejouepartie(liste);
  positionnettoyage = plateaumoteur;
  const TPoint choisi{resultat.ligne, resultat.colonne};
  if (choisi.ligne != 0 && !oeilentoure(positionnettoyage, couleur, choisi)) return;
  TPoint ko{};
  const int32_t n = nombrecoups(liste);
  if (capturesderniercoup == 1 && n > 0 && liste[n].couleur == adverse && liste[n].ligne != 0)
    ko = TPoint{liste[n].ligne, liste[n].colonne};
  int32_t noir = 0, blanc = 0;
  statutfinal(positionnettoyage, config, noir, blanc, statutnettoyage, prisonniersblanc, prisonniersnoir, liste);
  const int32_t mort = couleur == NOIR ? MORTBLANC : MORTNOIR;
  for (int32_t i = 0; i < NBCASES; ++i) mortsnettoyage[i] = statutnettoyage[i] == mort ? 1 : 0;
  if (choisi.ligne != 0) {
    // A true eye once the dead enemy stones on its diagonals are left out.
    mortsengine = pionsmorts;
    pionsmorts = mortsnettoyage;
    const bool oeil = testvraioeilsansmorts(positionnettoyage, adverse, choisi.ligne, choisi.colonne);
    pionsmorts = mortsengine;
    if (!oeil) return;
  }
  TPoint coup{};
  couprattrapagenettoyage(couleur, mortsnettoyage, positionnettoyage, ko, coup);
  resultat.ligne = coup.ligne;
  resultat.colonne = coup.colonne;
}

void videmos() {
  videmoprise();
  videmoforce();
  videmomorts();
  videmoetatchaines();
  recherche::videmofeuilles();
}

bool memosvides() { return memoprisevide() && memoforcevide() && memomortsvide() && memoetatchainesvide(); }
