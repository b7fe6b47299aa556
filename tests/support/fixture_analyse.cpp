#include "tests/support/fixture_analyse.h"

#include "engine/board/cles.h"
#include "engine/choice/choixcoup.h"
#include "engine/choice/entree.h"
#include "engine/choice/familles.h"
#include "engine/choice/recherche.h"
#include "engine/proposals/flou.h"
#include "platform/platform.h"

namespace fixture {
namespace {

AnalyseRacine racine;
TListeCoups liste;  // the move list handed to the entry

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
  prepareposition(g.trait, config, liste, 2, -1, 0, false);
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

  // The root's analyses as the family frame runs them, the end-of-game list
  // and the candidate top-up aside.
  premiereanalyseracine(cartesanalyse(a, a.ordi), b, c, o, derniercoup, a.porteezone, a.candidats,
                        a.meilleursadverses, a.mortsracine);
  a.ordi.essais = essaisanalyse();
  distancevoisins(a.flou, b, c);
  finpartieracine(b, a.flou, a.porteezone, a.candidats);
  if (passeracine()) {
    a.passe = true;
    return a;
  }
  testjeperdafond(b, a.flou, TCartesEssaisCote{a.ordi.faitmort, a.ordi.tues, a.ordi.sauves}, o, c, a.faiblesse);
  secondeanalyseracine(cartesanalyse(a, a.joueur), b, c, o, derniercoup, a.porteezone, a.candidats,
                       a.meilleursadverses, a.coupuresjoueur, a.coupuresordi);
  a.joueur.essais = essaisanalyse();
  return a;
}

}  // namespace fixture
