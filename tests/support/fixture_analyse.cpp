#include "tests/support/fixture_analyse.h"

#include "engine/board/cles.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/chains/escaliers.h"
#include "engine/choice/choixcoup.h"
#include "engine/choice/entree.h"
#include "engine/choice/soutienrecherche.h"
#include "engine/chains/capturechaines.h"
#include "engine/connection/coupures.h"
#include "engine/connection/groupes.h"
#include "engine/connection/groupesvivants.h"
#include "engine/connection/tableliaisons.h"
#include "engine/proposals/flou.h"
#include "engine/proposals/territoirefinal.h"
#include "engine/reading/marquage.h"
#include "engine/reading/prise_cartes.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/marquagedeb.h"
#include "engine/territory/seki.h"
#include "platform/platform.h"

namespace fixture {
namespace {

AnalyseRacine racine;
TListeCoups liste;  // the move list handed to the entry
TTableExclusion exclusionordi, exclusionjoueur;  // nothing excluded from the cut search

// Opening threshold of the chooser: debutpartie while numerocoup is at most this.
int32_t seuildebut(int32_t n) {
  if (n < 5) return 3;
  if (n <= 10) return 20;
  if (n <= 12) return 25;
  if (n <= 16) return 30;
  if (n <= 18) return 35;
  return 50;
}

void entree(const TPlateau& p, int32_t taille, const Partie& g) {
  TConfig config;
  config.taille = taille;
  config.niveauconfig = g.niveau;
  config.regle = g.regle;
  config.komi = g.komi;
  config.regleko = g.regleko;
  int32_t n = 0;
  const bool dernier = g.dernier.ligne != 0;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const uint8_t v = p[indexcase(r, c)];
      if (v == VIDE || (dernier && r == g.dernier.ligne && c == g.dernier.colonne)) continue;
      liste[++n] = TCoupPartie{v, r, c};
    }
  if (dernier) liste[++n] = TCoupPartie{p[indexcase(g.dernier.ligne, g.dernier.colonne)], g.dernier.ligne,
                                       g.dernier.colonne};
  if (g.passe) liste[++n] = TCoupPartie{static_cast<uint8_t>(1 - g.trait), 0, 0};
  liste[0].ligne = n;
  prepareentree(g.trait, config, liste, -1, 0, false);
  rejouepartie(liste);
  cherchederniercoups(2);
  demandesouverture(g.trait, false);
  if (g.numerocoup > 0) numerocoup = g.numerocoup;
}

// The chooser's flags and tables before its search.
void choix() {
  plateaudepart = plateaumoteur;
  phasedebut = coinsoccupes(plateaumoteur) ? 1 : 0;
  interrupteurterritoire = 1;
  interrupteurbonus = 0;
  interrupteurcandidats = 1;
  flagjoseki = 0;
  flagterritoire = 0;
  maxsurvie = 0;
  coupdecide = 0;
  calculelibertes(plateaumoteur);
  tablegroupes = infochaine;
  numerotecases();
  debutpartie = numerocoup <= seuildebut(configmoteur.taille) ? 1 : 0;
  phasefinale = 0;
  procedurefinpartie = 0;
  ordipasse = 0;
}

// The search's preparation: capture and status marks of both sides, groups
// and zones, the simple-ko point, the ladder map.
void preparation(TPlateau& b, uint8_t c, uint8_t o, uint32_t graine) {
  platform::fixegraine(graine);
  flagdanger2 = 0;
  compteurnoeudsprise = 0;
  compteurnoeudslecture = 0;
  flaglectureessai = 1;
  compteurcache = 0;
  marquechainesprenables(b, profondeurlecture - 1, paramniveaub + 2, couleurdemandee);
  marquesliaison1 = pionsmorts;
  territoirefinal(b);
  marquechainesprenables(b, profondeurlecture - 1, paramniveaub + 2, o);
  marquesliaison2 = pionsmorts;
  flaglectureessai = 0;
  verifiegroupesapresessai(plateaumoteur);
  marquepionsparcouleur(b, marquesliaison1);
  marquepionsparcouleur(b, marquesliaison2);
  if (c == NOIR) masqueslibertes(marquesliaison1, marquesliaison2, b);
  else masqueslibertes(marquesliaison2, marquesliaison1, b);
  pionsmorts = marquesliaison1;
  testdebtouteschaines(b, marquesliaison2, couleurordi);
  marquesliaison1 = pionsmorts;
  pionsmorts = marquesliaison2;
  testdebtouteschaines(b, marquesliaison1, couleurjoueur);
  marquesliaison2 = pionsmorts;
  pionsmorts = marquesliaison1;
  // The simple ko just made by the other side.
  const TPoint d = derniercoup;
  if (capturesderniercoup == 1 && d.ligne != 0) {
    const int32_t j = indexcase(d.ligne, d.colonne);
    if (infochaine[j][0] == 1 && infochaine[j][1] == 1 && b[j] == couleurjoueur) {
      const TVoisins& v = tablevoisins[j];
      for (int32_t k = 0; k < v.nbvoisins; ++k) {
        const int32_t q = indexcase(v.voisins[k][0], v.voisins[k][1]);
        if (b[q] != VIDE) continue;
        casesinterdites[q] |= 0x01;
        casesinterdites[0] |= 0x02;
        break;
      }
    }
  }
  detectescatoutes(b, c, racine.echelles);
}

void videcote(CartesCote& k) {
  for (TCarte* m : {&k.valeursatari, &k.faitmort, &k.fourchette, &k.separation}) m->fill(0);
  for (TMarques* m : {&k.invasiondefense, &k.tues, &k.sauves, &k.deuxyeux}) m->fill(0);
}

}  // namespace

AnalyseRacine& analyseracine(const TPlateau& p, int32_t taille, const Partie& g) {
  chargecles();
  entree(p, taille, g);
  choix();

  AnalyseRacine& a = racine;
  a.plateau = plateaumoteur;
  a.passe = false;
  TPlateau b = plateaumoteur;
  const uint8_t c = couleurdemandee, o = c == NOIR ? BLANC : NOIR;
  preparation(b, c, o, g.graine);

  // The search state's maps start empty.
  a.consolidation[0].fill(0);
  a.consolidation[1].fill(0);
  a.flou.fill(0);
  a.faiblesse.fill(0);
  videcote(a.ordi);
  videcote(a.joueur);
  a.candidats[0] = 0;
  a.meilleursadverses[0] = 0;
  a.coupuresjoueur.fill(0);
  a.coupuresordi.fill(0);

  // The root's dead marks and its status pass.
  if (niveaumin3 == 0) detectcaptureschaines(b, paramniveaub + 2, profondeurlecture / 2, VIDE);
  else pionsmorts = marquesliaison1;
  const TMarques sauves = pionsmorts;
  int32_t compte = 0;
  detectetatchaines(compte, b, 0, 0, 0, 1, c);
  int32_t seki = 0;
  detectseki(seki, pionsmorts, b, 0);
  pionsmorts = sauves;
  a.porteezone = 0;
  a.mauvaiscoups = pionsmortssauves;

  // The first analysis: the side to move.
  analyseposition(a.consolidation, a.ordi.mortsapresessai, a.ordi.mortsapreslecture, derniercoup.ligne,
                  derniercoup.colonne, a.porteezone, a.ordi.valeursatari, a.ordi.faitmort, a.ordi.fourchette, a.flou,
                  a.ordi.separation, a.ordi.invasiondefense, a.faiblesse, a.ordi.tues, a.ordi.sauves,
                  a.ordi.deuxyeux, a.mauvaiscoups, 1, 10, 1, paramniveaub + 2, c, o, b, a.candidats,
                  a.meilleursadverses);
  a.ordi.essais = essaisanalyse();
  distancevoisins(a.flou, b, c);
  testfindepartie(20, b, a.flou);
  if (passesconsecutives != 0) a.porteezone = 10;
  if (a.porteezone != 0) {
    procedurefinpartie = 0;
    phasefinale = 1;
    ordipasse = 0;
    a.candidats[0] = 0;
  }
  if (etatcalme == 0 && (ordipasse == 5 || ordipasse == 1) && passesconsecutives == 1) {
    ordipasse = 1;
    a.passe = true;
    return a;
  }
  if (passesconsecutives == 0)
    testjeperdafond(b, a.flou, a.ordi.faitmort, o, c, a.ordi.sauves, a.ordi.tues, a.faiblesse);

  // The second analysis: the other side; then the cuts and links.
  analyseposition(a.consolidation, a.joueur.mortsapresessai, a.joueur.mortsapreslecture, derniercoup.ligne,
                  derniercoup.colonne, a.porteezone, a.joueur.valeursatari, a.joueur.faitmort, a.joueur.fourchette,
                  a.flou, a.joueur.separation, a.joueur.invasiondefense, a.faiblesse, a.joueur.tues, a.joueur.sauves,
                  a.joueur.deuxyeux, a.mauvaiscoups, 0, 6, 2, paramniveaub + 2, o, c, b, a.candidats,
                  a.meilleursadverses);
  a.joueur.essais = essaisanalyse();
  evaluecoupuresessais(b, c, o);
  remplittableliaisons();
  evalueliaisonsessais();
  marquecoupurespossibles(b, exclusionordi, exclusionjoueur, a.coupuresjoueur, a.coupuresordi, c, o);
  analyseliaisonsgroupes(b, a.coupuresjoueur, a.coupuresordi, c, o);
  return a;
}

}  // namespace fixture
