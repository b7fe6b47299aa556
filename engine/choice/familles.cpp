#include "engine/choice/familles.h"

#include <iterator>
#include <utility>

#include "engine/board/listecoups.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/chains/capturechaines.h"
#include "engine/choice/bonus.h"
#include "engine/choice/calme.h"
#include "engine/choice/complements.h"
#include "engine/choice/finpartie.h"
#include "engine/choice/libertesfaibles.h"
#include "engine/choice/situation.h"
#include "engine/choice/separation.h"
#include "engine/choice/soutienrecherche.h"
#include "engine/connection/coupures.h"
#include "engine/connection/groupesvivants.h"
#include "engine/connection/tableliaisons.h"
#include "engine/opening/ouverture.h"
#include "engine/proposals/attaque.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/empechecoupure.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/faiblesjoueur.h"
#include "engine/proposals/flou.h"
#include "engine/proposals/fortification.h"
#include "engine/proposals/invasions.h"
#include "engine/proposals/survie.h"
#include "engine/proposals/survieentourage.h"
#include "engine/proposals/temporisation.h"
#include "engine/proposals/tentatives.h"
#include "engine/reading/coupforce.h"
#include "engine/territory/coupsliaison.h"
#include "engine/territory/coupuresdangereuses.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/invasion.h"
#include "engine/territory/seki.h"
#include "engine/board/niveau.h"

TCartesSurvieCote cotesurvieordi(TCartesFamilles& f) {
  return TCartesSurvieCote{f.memosurvieordi, f.testtueordi, f.testvitordi,
                           f.survieordi, f.mortsapresessaiordi, f.mortsapreslectureordi};
}
TCartesSurvieCote cotesurviejoueur(TCartesFamilles& f) {
  return TCartesSurvieCote{f.memosurviejoueur, f.testtuejoueur, f.testvitjoueur,
                           f.surviejoueur, f.mortsapresessaijoueur, f.mortsapreslecturejoueur};
}
TCartesCote coteordi(TCartesFamilles& f) {
  return TCartesCote{cotesurvieordi(f), f.fortificationordi, f.invasionforteordi};
}
TCartesCote cotejoueur(TCartesFamilles& f) {
  return TCartesCote{cotesurviejoueur(f), f.fortificationjoueur, f.invasionfortejoueur};
}

namespace {

constexpr int32_t SEUILFIN = 20;            // best "flou" value below which the end phase starts

// Scratch of the root (static storage: one root at a time).
TTableExclusion exclusionvide{};  // stays empty: no step of the search keeps a point out of the cut marking
TTableEssais essaisordi0;         // the engine's trial dead marks, by point index
TCarte bambous;                   // monkey-jump and bamboo-joint scores
TCarte tentatives;                // answers to the opponent's invasion attempt

bool adversairepasse() { return passesconsecutives > 0; }

// The maps each position analysis fills, pointing into `f`: the first
// (the engine's), the second (the opponent's).
TCartesAnalyse cartesanalyseordi(TCartesFamilles& f) {
  return TCartesAnalyse{f.consolidation, f.mortsapresessaiordi, f.mortsapreslectureordi, f.atariordi,
                        f.faitmortordi, f.fourchetteordi, f.flou, f.separationordi,
                        f.invasiondefenseordi, f.faiblesse, f.testtueordi, f.testvitordi,
                        f.memosurvieordi, f.mauvaiscoups};
}
TCartesAnalyse cartesanalysejoueur(TCartesFamilles& f) {
  return TCartesAnalyse{f.consolidation, f.mortsapresessaijoueur, f.mortsapreslecturejoueur,
                        f.atarijoueur, f.faitmortjoueur, f.fourchettejoueur,
                        f.flou, f.separationjoueur, f.invasiondefensejoueur,
                        f.faiblesse, f.testtuejoueur, f.testvitjoueur,
                        f.memosurviejoueur, f.mauvaiscoups};
}
// What each side's trials found in its analysis, pointing into `f`.
TCartesEssaisCote essaiscoteordi(const TCartesFamilles& f) {
  return TCartesEssaisCote{f.faitmortordi, f.testtueordi, f.testvitordi};
}
TCartesEssaisCote essaiscotejoueur(const TCartesFamilles& f) {
  return TCartesEssaisCote{f.faitmortjoueur, f.testtuejoueur, f.testvitjoueur};
}

// Status of the root position and the maps the analyses start
// from; the first position analysis, for the engine (side A).
TSuiteRacine etape1(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  zonemarquee = casesjouables;
  f.faitmortjoueur = zerobonus;
  f.testvitjoueur = marquesvides;
  f.testtuejoueur = marquesvides;
  f.marquescandidats = marquesvides;
  const TCartesAnalyse cartes = cartesanalyseordi(f);
  premiereanalyseracine(cartes, x.b, x.couleur, x.autre, x.dernier, f.porteezone, x.candidats, f.meilleursadverses,
                        x.mortsracine);
  return RACINECHERCHE;
}

// Fuzzy territory by neighbour distance (the first analysis' map kept).
TSuiteRacine etape2(TContexteCadre& x) {
  x.f.floudepart = x.f.flou;
  distancevoisins(x.f.flou, x.b, x.couleur);
  return RACINECHERCHE;
}

// End-of-game test: the empty points judged one by one; the pass;
// the first candidate top-up.
TSuiteRacine etape3(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  if (finpartieracine(x.b, f.flou, f.porteezone, x.candidats)) {
    f.marquescandidats = marquesvides;
    evaluationfinpartie(cartesanalyseordi(f), x.candidats, x.b, x.couleur, x.autre, f.porteezone, f.pertes, 10, 1);
  }
  if (passeracine()) return RACINEPASSE;
  if (!adversairepasse())
    completecandidatsessai(cartesanalyseordi(f), cartesanalysejoueur(f), 5, x.couleur, x.autre, x.b, x.candidats);
  return RACINECHERCHE;
}

// Is the engine losing for good?
TSuiteRacine etape4(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  testjeperdafond(x.b, f.flou, essaiscoteordi(f), x.autre, x.couleur, f.faiblesse);
  return RACINECHERCHE;
}

// The second position analysis, for the opponent; cuts and links.
TSuiteRacine etape5(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  secondeanalyseracine(cartesanalysejoueur(f), x.b, x.couleur, x.autre, x.dernier, f.porteezone, x.candidats,
                       f.meilleursadverses, f.coupuresjoueur, f.coupuresordi);
  return RACINECHERCHE;
}

// The moyo maps of the trial moves.
TSuiteRacine etape6(TContexteCadre&) {
  gainmoyoessais();
  return RACINECHERCHE;
}

// The bonus term of the move choice.
TSuiteRacine etape7(TContexteCadre& x) {
  effacecartebonus(x.f.titebite);
  return RACINECHERCHE;
}

// The engine's weak chains; the opponent's total invasion value.
TSuiteRacine etape8(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  analysefaibles(cotesurvieordi(f), cotesurviejoueur(f), f.mauvaiscoups, x.couleur, x.b);
  if (!adversairepasse()) {
    const int32_t n = configmoteur.taille;
    f.invasionjoueur = 0;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) f.invasionjoueur += f.invasionfortejoueur[indexcase(r, c)];
  }
  return RACINECHERCHE;
}

// The opponent's weak chains.
TSuiteRacine etape9(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  analysefaibles2(f.mortsapresessaiordi, f.mortsapreslecturejoueur, x.b, x.couleur, x.autre, f.mauvaiscoups);
  return RACINECHERCHE;
}

// Survival of both sides' weak chains.
TSuiteRacine etape10(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  coupdesurvie(cotesurvieordi(f), cotesurviejoueur(f), f.mauvaiscoups, x.candidats, CAPACITELISTECANDIDATS,
               f.listefamille, CAPACITEFAMILLE, x.couleur, x.b);
  return RACINECHERCHE;
}

// Survival by surrounding.
TSuiteRacine etape11(TContexteCadre& x) {
  coupdesurvieentourant(x.f.surviejoueur, x.b, x.f.listefamille, CAPACITEFAMILLE, x.candidats, CAPACITELISTECANDIDATS);
  return RACINECHERCHE;
}

// Strong invasions of both sides.
TSuiteRacine etape12(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  invasionpossible(coteordi(f), cotejoueur(f), x.b, x.couleur, x.autre);
  analysecoupsinvasion(x.b, f.invasionfortejoueur, x.couleur, zonesinvasionjoueur, x.autre);
  return RACINECHERCHE;
}

// The opponent's dangerous cuts.
TSuiteRacine etape13(TContexteCadre& x) {
  nouvellecoupuredangereusejoueur(x.b, x.f.coupuredangereuse, x.candidats, x.f.survieordi, lesfaibles,
                                  marquessurvie);
  return RACINECHERCHE;
}

// The engine's reinforcements.
TSuiteRacine etape14(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  coupdefortification(f.marquesfortification, f.pointsliaison, coteordi(f), cotesurviejoueur(f), f.bonuscombatsemai,
                      x.b, x.couleur, x.candidats, f.mauvaiscoups);
  return RACINECHERCHE;
}

// The engine's survival pass.
TSuiteRacine etape15(TContexteCadre& x) {
  survieordi(x.f.memosurvieordi, x.f.survieordi, x.f.fortificationordi, x.b, x.candidats, CAPACITELISTECANDIDATS);
  return RACINECHERCHE;
}

// The opponent's reinforcements.
TSuiteRacine etape16(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  coupdefortificationjoueur(f.codesfortificationjoueur, coteordi(f), cotejoueur(f), x.b, x.couleur, x.candidats,
                            CAPACITELISTECANDIDATS, f.listefamille, CAPACITEFAMILLE);
  return RACINECHERCHE;
}

// The invasion analysis: second top-up, invasion attempts, monkey
// jumps and bamboo joints.
TSuiteRacine etape17(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  if (!adversairepasse())
    completecandidatsvaleur(2, 3, x.b, x.candidats, f.separationjoueur, f.flou, f.invasiondefensejoueur,
                            f.faiblesse);
  // The opponent's last stone graded as an invasion of the engine's area;
  // the root keeps the larger value per point.
  int32_t scoretentative = 0;
  tentativeinvasion(x.dernier, x.autre,
                    TCartesTentative{f.survieordi, f.fortificationordi, f.faitmortordi, f.testvitordi, f.surviejoueur,
                                     f.fortificationjoueur, f.mortsapresessaiordi},
                    x.couleur, tentatives, x.b, scoretentative, x.candidats, CAPACITELISTECANDIDATS);
  for (int32_t i = 0; i < NBCASES; ++i) ecritvaleur(f.invasionforteordi, i, tentatives[i]);
  invasionsingebambou(marquesvides, x.couleur, x.autre, x.candidats, CAPACITELISTECANDIDATS, bambous, x.b,
                      &TEssaiCoup::plateauessai2, &TEssaiCoup::plateauessai2);
  for (int32_t i = 0; i < NBCASES; ++i) ecritvaleur(f.invasionforteordi, i, bambous[i]);
  return RACINECHERCHE;
}

// Links against risky separation.
TSuiteRacine etape18(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  genereliecarrisqueseparation(cartesanalyseordi(f), cartesanalysejoueur(f), f.invasionfortejoueur, x.couleur,
                               x.autre, x.b, x.candidats);
  return RACINECHERCHE;
}

// The opening procedure and the 19x19 book may answer at once.
TSuiteRacine etape19(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  TPoint ouverture{};
  coupdebutpartie(f.livre, x.b, x.dernier, ouverture, f.bonusdebutfin, valeurscoins, x.candidats,
                  CAPACITELISTECANDIDATS,
                  TCartesOuverture{f.flou, f.fortificationordi, f.survieordi, f.fortificationjoueur, f.surviejoueur,
                                   f.invasionfortejoueur, f.mortsapresessaiordi, f.mortsapresessaijoueur});
  if (ouverture.ligne == 0 && configmoteur.taille == 19 && numerocoup <= 20)
    consultebase1919(ouverture, f.livre, x.b, f.bonusdebutfin, CAPACITELISTECANDIDATS, x.candidats);
  if (ouverture.ligne == 0) return RACINECHERCHE;
  x.choisi = ouverture;
  return RACINEOUVERTURE;
}

// The attack term; every playable point after a superko.
TSuiteRacine etape20(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  if (niveau > 2)
    coupdattaque(cartesanalyseordi(f), cartesanalysejoueur(f), x.couleur, x.autre, x.candidats, x.b,
                 f.sortieattaqueordi, f.sortieattaquejoueur);
  if ((casesinterdites[0] & 0x02) != 0) listevidesjouables(x.b, x.candidats, CAPACITELISTECANDIDATS);
  return RACINECHERCHE;
}

// Fuzzy territory rescaled.
TSuiteRacine etape21(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  multiplieterritoireflou(x.b, f.flou, essaiscoteordi(f), essaiscotejoueur(f), x.couleur, f.faiblesse);
  return RACINECHERCHE;
}

// Linking moves.
TSuiteRacine etape22(TContexteCadre& x) {
  for (int32_t i = 0; i < NBCASES; ++i) essaisordi0[i] = x.f.mortsapresessaiordi[i / TAILLEMAX][i % TAILLEMAX];
  proposecoupsliaison(x.candidats, essaisordi0, x.couleur, x.autre, 4, x.b, x.f.consolidation[0], x.f.testprojet);
  return RACINECHERCHE;
}

// The attack search.
TSuiteRacine etape23(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  chercheattaque(x.b, coteordi(f), cotejoueur(f), f.bonusdebutfin, x.couleur, x.autre, x.candidats,
                 CAPACITELISTECANDIDATS);
  if (!adversairepasse()) ajoutecandidatsvalorises(f.invasionforteordi, zerobonus, x.candidats, CAPACITELISTECANDIDATS);
  affichecartedebug("flou", f.flou);
  return RACINECHERCHE;
}

// Cut prevention.
TSuiteRacine etape24(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  coupempechecoupure(x.b, f.coupurebambou, coteordi(f), cotejoueur(f), x.couleur, x.autre, x.candidats,
                     CAPACITELISTECANDIDATS);
  return RACINECHERCHE;
}

// Dangerous cuts, forcing moves, links after the trials.
TSuiteRacine etape25(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  cherchecoupuresdangereuses(x.b, f.coupuredangereuse, x.candidats, x.couleur, x.autre,
                             TCartesPression{f.survieordi, f.fortificationordi, f.surviejoueur, f.fortificationjoueur,
                                             f.invasionforteordi, f.invasionfortejoueur});
  coupforcefortifouinvasion(x.candidats, CAPACITELISTECANDIDATS, x.b, f.coupforceordi, f.coupforcejoueur);
  liegroupesvivantsapresessai(x.b);
  nouvellecoupuredangereuseordi(x.b, f.coupuredangereuse, x.candidats, f.surviejoueur, marquessurvie, lesfaibles);
  liberetableliaisons();
  return RACINECHERCHE;
}

// The engine's territory attack.
TSuiteRacine etape26(TContexteCadre& x) {
  attaqueterritoireordi(x.f.fourchetteordi, x.f.faitmortordi);
  return RACINECHERCHE;
}

// The dumps; the calm pass; the candidate marks, the important
// points and the root list with its end-phase pruning.
TSuiteRacine etape27(TContexteCadre& x) {
  TCartesFamilles& f = x.f;
  TListePoints& candidats = x.candidats;
  const int32_t n = configmoteur.taille;
  const std::pair<const char*, const TCarte*> cartes[] = {
      {"survie", &f.survieordi}, {"survie", &f.surviejoueur}, {"fortification", &f.fortificationordi},
      {"fortification", &f.fortificationjoueur}, {"bonuscombatsemai", &f.bonuscombatsemai},
      {"invasionforte", &f.invasionforteordi}, {"invasionforte", &f.invasionfortejoueur},
      {"separation", &f.separationordi}, {"separation", &f.separationjoueur},
      {"coupure bambou separation", &f.coupurebambou}, {"flou", &f.flou}, {"faitmort", &f.faitmortordi},
      {"faitmort", &f.faitmortjoueur}, {"fourchette", &f.fourchetteordi}, {"fourchette", &f.fourchettejoueur},
      {"moyo", &f.moyo}, {"bonus de debut ou de fin de partie", &f.bonusdebutfin},
      {"coup force mort ou invasion", &f.coupforceordi}, {"coup force mort ou invasion", &f.coupforcejoueur},
      {"coupure dangereuse", &f.coupuredangereuse}, {"titebite", &f.titebite}, {"IAjoueur", &f.iajoueur},
      {"protection", &f.protection}, {"test projet", &f.testprojet}, {"joseki", &valeurscoins}};
  for (const auto& [nom, carte] : cartes) affichecartedebug(nom, *carte);

  // A calm position under cleanup: the engine passes.
  if (etatcalme == 1) {
    situationcalme(candidats);
    if (etatcalme == 4) {
      ordipasse = 1;
      return RACINEPASSE;
    }
  }

  // Candidate marks and the important points.
  const bool finale = phasefinale != 0;
  f.importants[0] = 0;
  for (int32_t k = 1; k <= nbpoints(candidats); ++k) {
    const int32_t r = ligneliste(candidats, k), c = colonneliste(candidats, k);
    if (!surplateaumoteur(r, c)) continue;
    const int32_t i = indexcase(r, c);
    f.marquescandidats[i] = 1;
    const bool ordi = f.testvitordi[i] > 0 || f.testtueordi[i] > 0;
    const bool joueur = f.testvitjoueur[i] > 0 || f.testtuejoueur[i] > 0;
    if (!finale && !ordi && !joueur) continue;
    if (ordi) f.tuevitordi[i] = 1;
    if (joueur) f.tuevitjoueur[i] = 1;
    ajoutecaseliste(r, c, f.importants, CAPACITEFAMILLE);
  }
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (x.b[i] != VIDE || (f.faitmortordi[i] <= 0 && f.faitmortjoueur[i] <= 0)) continue;
      if (niveau != 1) ajoutecaseliste(r, c, candidats, CAPACITELISTECANDIDATS);
      ajoutecaseliste(r, c, f.importants, CAPACITEFAMILLE);
    }

  // The root list: weak-chain liberties, the end-phase pruning.
  if (ordipasse == 1 && nbpoints(candidats) == 0) return RACINEPASSE;
  f.nbcandidats = nbpoints(candidats);
  ajoutelibertesfaiblesracine(f.valeursfuite, f.mauvaiscoups, x.ko, x.b, candidats, CAPACITELISTECANDIDATS, x.couleur,
                              x.dernier, x.avantdernier);
  if (finale)
    elaguefinliste(x.couleur, f.nbcandidats, f.tuevitordi, candidats, CAPACITELISTECANDIDATS, f.mauvaiscoups,
                   f.tuevitjoueur);
  x.candidatsracine = candidats;
  if (nbpoints(candidats) == 0) {
    ordipasse = 1;
    return RACINEPASSE;
  }
  ordipasse = 0;
  return RACINECHERCHE;
}

// Timing of the maps.
TSuiteRacine etape28(TContexteCadre& x) {
  temporisation(x.f.fourchetteordi, x.f.coupforceordi, x.f.coupuredangereuse);
  return RACINECHERCHE;
}

// The sums.
TSuiteRacine etape29(TContexteCadre& x) {
  sommecartes(x.f);
  return RACINECHERCHE;
}

// The frame: the steps in their order; `true` marks the family steps, run
// under the trial-move guard. The optional steps (O) are the readings the
// analyses' deadline leaves out; the others build the first analysis, the
// end-of-game and opening exits, the root list and the sums from what was
// read, and cost little but the first.
constexpr bool O = true;
constexpr TEtapeCadre CADRE[] = {
    {1, false, etape1},      {2, true, etape2},       {3, false, etape3},      {4, true, etape4, O},
    {5, false, etape5, O},   {6, true, etape6, O},    {7, false, etape7},      {8, true, etape8, O},
    {9, true, etape9, O},    {10, true, etape10, O},  {11, true, etape11, O},  {12, true, etape12, O},
    {13, false, etape13, O}, {14, true, etape14, O},  {15, true, etape15, O},  {16, true, etape16, O},
    {17, false, etape17, O}, {18, true, etape18, O},  {19, false, etape19},    {20, false, etape20, O},
    {21, true, etape21},     {22, false, etape22, O}, {23, true, etape23, O},  {24, true, etape24, O},
    {25, false, etape25, O}, {26, true, etape26, O},  {27, false, etape27},    {28, true, etape28, O},
    {29, false, etape29}};

// The analyses' deadline has passed (never without one).
bool analysesecoulees() { return echeancepassee(finanalyses); }

}  // namespace

void premiereanalyseracine(const TCartesAnalyse& cartes, TPlateau& b, uint8_t couleur, uint8_t autre, TPoint dernier,
                           int32_t& porteezone, TListePoints& candidats, TListePoints& meilleursadverses,
                           TMarques& mortsracine) {
  // The root's dead marks and its status pass; pionsmorts comes back.
  if (niveaumin3 == 0)
    detectcaptureschaines(b, paramniveaub + 2, profondeurlecture / 2, VIDE);
  else
    pionsmorts = marquesliaison1;
  const TMarques sauves = pionsmorts;
  int32_t compte = 0;
  detectetatchaines(compte, b, 0, 0, 0, 1, couleur);
  int32_t sekis = 0;
  detectseki(sekis, pionsmortsavant, b, 0);
  mortsracine = pionsmorts;
  pionsmorts = sauves;
  // The analysis of the side to move.
  porteezone = 0;
  cartes.mauvaiscoups = pionsmortssauves;
  analyseposition(cartes, dernier.ligne, dernier.colonne, porteezone, 1, 10, 1, paramniveaub + 2, couleur, autre, b,
                  candidats, meilleursadverses);
}

bool finpartieracine(const TPlateau& b, const TCarte& flou, int32_t& porteezone, TListePoints& candidats) {
  testfindepartie(SEUILFIN, b, flou);
  if (adversairepasse()) porteezone = 10;
  if (porteezone == 0) return false;
  procedurefinpartie = 0;
  phasefinale = 1;
  ecritdebug("il reste moins de 20 coups");
  ordipasse = 0;
  candidats[0] = 0;
  return true;
}

bool passeracine() {
  if (etatcalme == 0 && (ordipasse == 5 || ordipasse == 1) && passesconsecutives == 1) {
    ordipasse = 1;
    return true;
  }
  return false;
}

void secondeanalyseracine(const TCartesAnalyse& cartes, TPlateau& b, uint8_t couleur, uint8_t autre, TPoint dernier,
                          int32_t& porteezone, TListePoints& candidats, TListePoints& meilleursadverses,
                          TMarques& coupuresjoueur, TMarques& coupuresordi) {
  analyseposition(cartes, dernier.ligne, dernier.colonne, porteezone, 0, 6, 2, paramniveaub + 2, autre, couleur, b,
                  candidats, meilleursadverses);
  evaluecoupuresessais(b, couleur, autre);
  remplittableliaisons();
  evalueliaisonsessais();
  testmoinsde20pcvides(b, cartes.mortsapresessai, couleur, autre);
  marquecoupurespossibles(b, exclusionvide, exclusionvide, coupuresjoueur, coupuresordi, couleur, autre);
  analyseliaisonsgroupes(b, coupuresjoueur, coupuresordi, couleur, autre);
}

TSuiteRacine deroulecadre(const TEtapeCadre* etapes, int32_t nombre, TContexteCadre& x) {
  x.f.nbetapes = 0;
  bool coupe = false;  // the analyses' deadline has passed
  for (int32_t k = 0; k < nombre; ++k) {
    const TEtapeCadre& e = etapes[k];
    if (e.facultative && (coupe || (coupe = analysesecoulees()))) continue;
    if (x.f.nbetapes < static_cast<int32_t>(x.f.etapes.size()))
      x.f.etapes[x.f.nbetapes++] = static_cast<int8_t>(e.numero);
    TSuiteRacine suite;
    if (e.famille) {
      TGardeEssai garde(x.b);
      suite = e.execute(x);
    } else {
      suite = e.execute(x);
    }
    if (suite != RACINECHERCHE) return suite;
  }
  return RACINECHERCHE;
}

TSuiteRacine famillesracine(TContexteCadre& x) {
  return deroulecadre(CADRE, static_cast<int32_t>(std::size(CADRE)), x);
}

void sommecartes(TCartesFamilles& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      // Plain 32-bit sums, wrapping as the engine's integers do.
      const int64_t joueur = int64_t{f.fortificationjoueur[i]} + f.atarijoueur[i] + f.invasionfortejoueur[i] +
                             f.faitmortjoueur[i] + f.separationjoueur[i] + f.invasiondefensejoueur[i] +
                             f.fourchettejoueur[i];
      const int64_t ordi = int64_t{f.bonuscombatsemai[i]} + f.bonusdebutfin[i] + f.titebite[i] +
                           f.fortificationordi[i] + f.survieordi[i] + f.surviejoueur[i] + f.coupuredangereuse[i] +
                           f.coupurebambou[i] + f.iajoueur[i] + f.protection[i] + f.testprojet[i] + f.atariordi[i] +
                           f.atarijoueur[i] + f.coupforceordi[i] + f.flou[i] + f.invasionforteordi[i] +
                           f.faiblesse[i] + f.faitmortordi[i] + f.separationordi[i] + valeurscoins[i] +
                           f.invasiondefenseordi[i];
      f.sommejoueur[i] = static_cast<int32_t>(joueur);
      f.somme[i] = static_cast<int32_t>(ordi);
    }
  affichecartedebug("somme", f.somme);
}
