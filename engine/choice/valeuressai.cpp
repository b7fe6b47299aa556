// Valuation of a trial of the position analysis: the local status of the
// new stone, consolidation, kills and saves, a second look at sacrificed
// stones, the liberty terms, the self-atari penalties, the territory gain,
// the opponent's recapture of a self-atari stone; then the trial's value and
// zone count go to the tried points and the working board comes back.
#include <algorithm>

#include "engine/board/geometrie.h"
#include "engine/board/formes.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/choice/analyse_etat.h"
#include "engine/choice/bonus.h"
#include "engine/choice/formescoup.h"
#include "engine/choice/soutienrecherche.h"
#include "engine/choice/territoireessai.h"
#include "engine/connection/lienvivant.h"
#include "engine/proposals/fenetre.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/invasion.h"
#include "engine/territory/seki.h"

namespace {

constexpr int32_t RAYONSTATUT = 3;  // window of the local status
constexpr int32_t STATUTSANSESCALIER = 100;

uint8_t sature(int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

void effacereprises(const TListePoints& l) {
  for (int32_t k = 1; k <= nbpoints(l); ++k) pionsmorts[indexcase(ligneliste(l, k), colonneliste(l, k))] = 0;
}

// The status pass again on the dead marks in place, seki cleared.
void relitstatut(analyse::TAnalyse& a) {
  const analyse::TEssaiEnCours& e = a.essai;
  int32_t compte = 0;
  detectetatchaines2(compte, a.plateau, e.nbprises, e.ligne, e.colonne, 1, e.lievivante ? 1 : 0, a.couleur);
  int32_t seki = 0;
  detectseki(seki, e.apreslecture, a.plateau, 0);
}

}  // namespace

namespace analyse {

void evalueessai(TAnalyse& a) {
  TEssaiEnCours& e = a.essai;
  TPlateau& p = a.plateau;
  const int32_t i = e.i, R = e.ligne, C = e.colonne;
  const uint8_t moi = a.couleur, lui = a.couleuradverse;
  const int32_t taille = configmoteur.taille;
  TEssaiCoup& rec = a.record(R, C);
  TMarques &tues = *a.cartetues, &sauves = *a.cartesauves;
  const TCarte& faitmort = *a.cartefaitmort;

  // Local status.
  if ((debutpartie == 0 || (a.lignedernierecoup != 0 && R <= a.lignedernierecoup + 1 &&
                            C <= a.colonnedernierecoup + 1)) &&
      !pionsmorts[i] && infochaine[i][0] != 1 && (a.pourordi || (*a.mauvaiscoups)[i] == 0)) {
    int32_t statutlocal = 0;
    statutlocalfenetre(statutlocal, e.lievivante ? 1 : 0, a.pourordi, RAYONSTATUT, C, R, (*a.carteseparation)[i], p,
                       e.enterritoireadverse ? 1 : 0);
    (*a.carteinvasiondefense)[i] = sature((*a.carteinvasiondefense)[i] + statutlocal);
    bonuscoupureregions(e.apreslecture, a.marquesstatut, e.sauvetages, p, a.restauration, R, C,
                        (*a.carteseparation)[i], a.pourordi);
    if (e.lievivante && a.pourordi && !pionsmorts[i]) {
      const int32_t v = valeurlibertesponderee(p, a.zoneinvasion, moi, C, R, lui);
      (*a.carteinvasiondefense)[i] = std::max((*a.carteinvasiondefense)[i], sature(v));
    }
  }
  // Consolidation.
  if (a.consolidation && infochaine[i][0] > 2) {
    TCarte& consolidation = (*a.carteconsolidation)[0];
    if (territoire[i] != moi && estlieauterritoire(p, R, C, moi, lui)) consolidation[i] = 10;
    if (infochaine[i][1] == 1) {
      if (territoire[i] == VIDE) consolidation[i] += pionsmorts[i] ? 2 : 1;
      else if (territoire[i] == lui) consolidation[i] += pionsmorts[i] ? 4 : 3;
    }
  }
  // Kills and saves.
  const int32_t mortsadverses0 = lui == NOIR ? a.mortsnoirs0 : a.mortsblancs0;
  const int32_t mortsadverses = lui == NOIR ? e.mortsnoirs : e.mortsblancs;
  const int32_t mortspropres0 = moi == NOIR ? a.mortsnoirs0 : a.mortsblancs0;
  const int32_t mortspropres = moi == NOIR ? e.mortsnoirs : e.mortsblancs;
  const int32_t tuees = mortsadverses - mortsadverses0;
  const int32_t sauvees = mortspropres0 - mortspropres;
  if (tuees > 0) {
    tues[i] = sature(tuees);
    if (a.pourordi) maxtuesordi = std::max<int32_t>(maxtuesordi, tues[i]);
    ++a.evenements;
    e.locale = 3 * tuees;
  }
  if (sauvees > 0) {
    e.sauve = true;
    sauves[i] = sature(sauvees);
    ++a.evenements;
    int32_t& maximum = a.pourordi ? compteurinfluence : compteurfaibles;
    maximum = std::max<int32_t>(maximum, sauves[i]);
  }
  // Record counters.
  rec.compteur2essai = e.sauve ? sauves[i] : 0;
  rec.compteur1essai = e.locale > 0 ? tues[i] : 0;
  if (!a.pourordi && e.sauve && sauves[i] > flagdanger) {
    int32_t n = 0;
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == moi && pionsmortsbis[q] && !pionsmorts[q]) ++n;
    flagdanger = std::max(flagdanger, n);
  }
  // A sacrificed single stone, read again as dead.
  const bool attaquepermise = a.pourordi ? strategie != 0 : strategie != 1;
  if (infochaine[i][1] == 1 && tues[i] > 0 && faitmort[i] <= 0 && rec.nbtuesessai == 0 && rec.etatessai[i] != -4 &&
      (territoire[i] == lui || (territoire[i] != moi && essaiordi(R, C).valeurcoupure == 0)) && e.nbprises == 0 &&
      attaquepermise) {
    pionsmorts = e.apreslecture;
    pionsmorts[i] = 1;
    relitstatut(a);
    pionsmorts[i] = 0;
    const TMarques& apres = a.apresessai(e);
    for (int32_t q = 0; q < NBCASES; ++q)
      if (p[q] == moi && pionsmorts[q] && !apres[q]) pionsmorts[q] = 0;
    effacereprises(e.reprises);
    a.apresessai(e) = pionsmorts;
    rec.plateauessai2 = pionsmorts;
  }
  // Liberty term.
  if (!pionsmorts[i] && infochaine[i][0] != 1) {
    const int32_t avant = e.locale;
    bonuslibertesvoisines(p, e.locale, p[i], (rec.formeessai & FORMEAMISAUVE) ? 1 : 0, 1, R, C);
    if (avant == 0) e.locale *= 5;
  }
  // A lone stone that brings nothing in a hostile zone.
  if (!pionsmorts[i] && e.locale == 0 && sauves[i] == 0 && infochaine[i][1] == 1 && testezone(p, 3, R, C))
    pionsmorts[i] = 1;
  // Enemy-neighbour term in the end-of-game procedure or with the zone reach.
  if (procedurefinpartie != 0 || *a.porteezone != 0)
    bonusvoisinsennemis(p, e.locale, p[i], 1, R, C, a.pourordi ? (*a.cartefaiblesse)[i] : 1);
  // Self-atari, or two liberties and caught in a ladder.
  if (e.nbprises == 0 && faitmort[i] <= 0 &&
      ((infochaine[i][0] == 1 && !voisin8enemimort(p, R, C, a.marquesstatut)) ||
       (infochaine[i][0] == 2 && e.statut < STATUTSANSESCALIER && detectesca(p, 1, R, C)))) {
    tues[i] = 0;
    e.penalite = PENALITE;
    e.locale = PENALITE;
    if (a.pourordi && (*a.cartefaiblesse)[i] == 0 && sauves[i] == 0) (*a.mauvaiscoups)[i] = 1;
  }
  // A dead stone that does nothing.
  if (pionsmorts[i] && e.nbprises == 0 && tues[i] == 0 && e.locale == 0 && sauves[i] == 0 && a.pourordi &&
      (*a.cartefaiblesse)[i] == 0)
    (*a.mauvaiscoups)[i] = 1;
  // Territory gain of the side to move.
  if (a.pourordi && p[i] == moi) {
    bool suite = true;
    if (debutpartie != 0 && (R < 3 || R > taille - 2 || C < 3 || C > taille - 2))
      suite = couleurdanscarre2(p, 1, R, lui, C);
    if (suite && !(e.lievivante || e.enterritoireadverse || e.locale > 0 || tues[i] > 0 || sauves[i] > 0))
      suite = frontiereterritoire(lui, R, C);
    if (suite) {
      const TMarques avant = pionsmorts;
      if (strategie == 1 || tues[i] == 0 || territoire[i] == lui || territoire2[i] == lui) {
        pionsmorts = e.apreslecture;
        pierreisoleemorte(p, R, C);
        relitstatut(a);
        testzonenoncouleur(p, R, C);
        effacereprises(e.reprises);
        if (e.lievivante && pionsmorts[i] && !e.apreslecture[i]) demarquechaine(p, R, C);
      }
      gainterritoireessai(e.apreslecture, a.consolidation, e.lieterritoire, p[i], lui, p,
                          (*a.carteconsolidation)[1][i], (*a.carteflou)[i], a.proprietaires, R, C, a.noirs0,
                          a.blancs0, a.valeurconsolidation, e.sauve);
      pionsmorts = avant;
    }
  }
  // The opponent takes a self-atari stone at once.
  if (p[i] == moi && e.nbprises == 0) {
    TListePoints libertes;
    libertes[0] = 0;
    TMarques vu = marquesvides;
    libertesdelachaine(p, libertes, CAPACITELIBERTES, 0, R, C, vu);
    if (nbpoints(libertes) == 1) {
      const int32_t r2 = ligneliste(libertes, 1), c2 = colonneliste(libertes, 1);
      TPrisesMarquees reprise;
      posepioncaptures(reprise, MAXPOINTSLISTE, p, r2, c2, lui, moi);
      int32_t d = 0;
      for (int32_t k = 1; k <= reprise[0]; ++k) d += reprise[3 * k + 2] ? 1 : 0;
      majlibertes(p, reprise[0], r2, c2);
      e.termeprise = -reprise[0] - 10 * d - 1;
    }
  }
  // The trial's value.
  if (p[i] != VIDE || e.termeprise != 0) {
    TEssaisAnalyse& l = a.essaies;
    TPointEssaye& t = l.essais[++l.nombre];
    t.point = TPoint{R, C};
    t.termeprise = e.termeprise;
    const int32_t bilan = bilanzones(a, R, C);
    t.zone = e.penalite;
    if (!pionsmorts[i] && infochaine[i][0] != 1) comptezonevoisins(p, t.zone, moi, moi, R, C, 3);
    t.valeur = faitmort[i] + e.locale + e.termeprise + bilan;
    if (a.pourordi) decidecoupjoseki(R, C);
    if (faitmort[i] > 0 && pionsmorts[i]) t.valeur += 50;
    if (*a.porteezone != 0) t.valeur += e.termeprise + bilanregions(a);
  }
  // The analysis board as it was before the trial.
  p = a.restauration;
}

}  // namespace analyse
