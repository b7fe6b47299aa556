#include "tests/support/fixture_analyse.h"

#include "engine/board/cles.h"
#include "engine/choice/choixcoup.h"
#include "engine/choice/entree.h"
#include "engine/choice/recherche.h"
#include "engine/choice/soutienrecherche.h"
#include "engine/chains/capturechaines.h"
#include "engine/connection/coupures.h"
#include "engine/connection/tableliaisons.h"
#include "engine/proposals/flou.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/seki.h"
#include "platform/platform.h"

namespace fixture {
namespace {

AnalyseRacine racine;
TListeCoups liste;  // the move list handed to the entry
TTableExclusion exclusionordi, exclusionjoueur;  // nothing excluded from the cut search

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

void videcote(CartesCote& k) {
  for (TCarte* m : {&k.valeursatari, &k.faitmort, &k.fourchette, &k.separation}) m->fill(0);
  for (TMarques* m : {&k.invasiondefense, &k.tues, &k.sauves, &k.deuxyeux}) m->fill(0);
}

}  // namespace

TCartesAnalyse cartesanalyse(AnalyseRacine& a, CartesCote& k) {
  return TCartesAnalyse{a.consolidation, k.mortsapresessai, k.mortsapreslecture, k.valeursatari, k.faitmort,
                        k.fourchette, a.flou, k.separation, k.invasiondefense, a.faiblesse,
                        k.tues, k.sauves, k.deuxyeux, a.mauvaiscoups};
}

AnalyseRacine& analyseracine(const TPlateau& p, int32_t taille, const Partie& g) {
  chargecles();
  entree(p, taille, g);
  preparechoix();

  AnalyseRacine& a = racine;
  a.plateau = plateaumoteur;
  a.passe = false;
  TPlateau b = plateaumoteur;
  const uint8_t c = couleurdemandee, o = c == NOIR ? BLANC : NOIR;
  platform::fixegraine(g.graine);
  recherche::preparemarquesrecherche(b, c, derniercoup, racine.echelles);

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
  analyseposition(cartesanalyse(a, a.ordi), derniercoup.ligne, derniercoup.colonne, a.porteezone, 1, 10, 1,
                  paramniveaub + 2, c, o, b, a.candidats, a.meilleursadverses);
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
    testjeperdafond(b, a.flou, TCartesEssaisCote{a.ordi.faitmort, a.ordi.tues, a.ordi.sauves}, o, c, a.faiblesse);

  // The second analysis: the other side; then the cuts and links.
  analyseposition(cartesanalyse(a, a.joueur), derniercoup.ligne, derniercoup.colonne, a.porteezone, 0, 6, 2,
                  paramniveaub + 2, o, c, b, a.candidats, a.meilleursadverses);
  a.joueur.essais = essaisanalyse();
  evaluecoupuresessais(b, c, o);
  remplittableliaisons();
  evalueliaisonsessais();
  marquecoupurespossibles(b, exclusionordi, exclusionjoueur, a.coupuresjoueur, a.coupuresordi, c, o);
  analyseliaisonsgroupes(b, a.coupuresjoueur, a.coupuresordi, c, o);
  return a;
}

}  // namespace fixture
