#include "engine/choice/familles.h"

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
#include "engine/choice/soutienrecherche.h"
#include "engine/connection/coupures.h"
#include "engine/connection/groupesvivants.h"
#include "engine/connection/tableliaisons.h"
#include "engine/opening/ouverture.h"
#include "engine/proposals/attaque.h"
#include "engine/proposals/empechecoupure.h"
#include "engine/proposals/faibles.h"
#include "engine/proposals/faiblesjoueur.h"
#include "engine/proposals/flou.h"
#include "engine/proposals/fortification.h"
#include "engine/proposals/invasions.h"
#include "engine/proposals/separation.h"
#include "engine/proposals/survie.h"
#include "engine/proposals/survieentourage.h"
#include "engine/proposals/temporisation.h"
#include "engine/reading/coupforce.h"
#include "engine/territory/coupsliaison.h"
#include "engine/territory/coupuresdangereuses.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/invasion.h"
#include "engine/territory/seki.h"
#include "engine/territory/tentatives.h"

namespace {

constexpr int32_t CAPACITERACINE = 361;  // the root list
constexpr int32_t CAPACITELISTE = 300;      // the important points, the family list
constexpr int32_t SEUILFIN = 20;            // best "flou" value below which the end phase starts

// Scratch of the root (static storage: one root at a time).
TTableExclusion exclusionvide{};  // no point is kept out of the cut marking
TTableEssais essaisordi0;         // the engine's trial dead marks, by point index
TCarte bambous;                   // monkey-jump and bamboo-joint scores

bool adversairepasse() { return passesconsecutives > 0; }

}  // namespace

TSuiteRacine famillesracine(TCartesFamilles& f, TPlateau& b, uint8_t couleur, uint8_t autre, TPoint dernier,
                            TPoint avantdernier, TPoint ko, TMarques& mortsracine, TListePoints& candidats,
                            TListePoints& candidatsracine, TPoint& choisi) {
  const int32_t n = configmoteur.taille;
  const int32_t profondeurprise = paramniveaub + 2;

  // Step 1. Status of the root position; the maps the analyses start from.
  if (niveaumin3 == 0)
    detectcaptureschaines(b, paramniveaub + 2, profondeurlecture / 2, VIDE);
  else
    pionsmorts = marquesliaison1;
  const TMarques sauves = pionsmorts;
  f.testvitjoueur = marquesvides;
  int32_t compte = 0;
  detectetatchaines(compte, b, 0, 0, 0, 1, couleur);
  int32_t sekis = 0;
  detectseki(sekis, pionsmortsavant, b, 0);
  mortsracine = pionsmorts;
  pionsmorts = sauves;
  zonemarquee = casesjouables;
  f.faitmortjoueur = zerobonus;
  f.testvitjoueur = marquesvides;
  f.testtuejoueur = marquesvides;
  f.marquescandidats = marquesvides;
  f.porteezone = 0;
  f.mauvaiscoups = pionsmortssauves;

  // Step 2. The first position analysis, for the engine.
  analyseposition(f.consolidation, f.mortsapresessaiordi, f.mortsapreslectureordi, dernier.ligne, dernier.colonne,
                  f.porteezone, f.atariordi, f.faitmortordi, f.fourchetteordi, f.flou, f.separationordi,
                  f.invasiondefenseordi, f.faiblesse, f.testtueordi, f.testvitordi, f.deuxyeuxordi, f.mauvaiscoups, 1,
                  10, 1, profondeurprise, couleur, autre, b, candidats, f.meilleursadverses);
  distancevoisins(f.flou, b, couleur);
  testfindepartie(SEUILFIN, b, f.flou);

  // Step 3. End of the game: the empty points judged one by one.
  if (adversairepasse()) f.porteezone = 10;
  if (f.porteezone != 0) {
    procedurefinpartie = 0;
    phasefinale = 1;
    ecritdebug("il reste moins de 20 coups");
    ordipasse = 0;
    candidats[0] = 0;
    f.marquescandidats = marquesvides;
    evaluationfinpartie(candidats, b, couleur, autre, f.mortsapresessaiordi, f.mortsapreslectureordi, f.porteezone,
                        f.faitmortordi, f.faiblesse, f.testtueordi, f.pertes, f.mauvaiscoups, 10, 1);
  }
  if (etatcalme == 0 && (ordipasse == 5 || ordipasse == 1) && passesconsecutives == 1) {
    ordipasse = 1;
    return RACINEPASSE;
  }

  // Step 4.
  if (!adversairepasse())
    completecandidatsessai(f.mauvaiscoups, 5, couleur, autre, b, candidats, f.separationordi, f.flou,
                           f.invasiondefenseordi, f.invasiondefensejoueur, f.faiblesse);
  testjeperdafond(b, f.flou, f.faitmortordi, autre, couleur, f.testvitordi, f.testtueordi, f.faiblesse);

  // Step 5. The second position analysis, for the opponent; cuts and links.
  analyseposition(f.consolidation, f.mortsapresessaijoueur, f.mortsapreslecturejoueur, dernier.ligne,
                  dernier.colonne, f.porteezone, f.atarijoueur, f.faitmortjoueur, f.fourchettejoueur, f.flou,
                  f.separationjoueur, f.invasiondefensejoueur, f.faiblesse, f.testtuejoueur, f.testvitjoueur,
                  f.deuxyeuxjoueur, f.mauvaiscoups, 0, 6, 2, profondeurprise, autre, couleur, b, candidats,
                  f.meilleursadverses);
  evaluecoupuresessais(b, couleur, autre);
  remplittableliaisons();
  evalueliaisonsessais();
  testmoinsde20pcvides(b, f.mortsapresessaijoueur, couleur, autre);
  marquecoupurespossibles(b, exclusionvide, exclusionvide, f.coupuresjoueur, f.coupuresordi, couleur, autre);
  analyseliaisonsgroupes(b, f.coupuresjoueur, f.coupuresordi, couleur, autre);
  gainmoyoessais();
  effacecartebonus(f.titebite);

  // Step 6. The families.
  const TCartesParPoint& mortsA = f.mortsapresessaiordi;
  const TCartesParPoint& mortsB = f.mortsapresessaijoueur;
  const TCartesParPoint& lectureA = f.mortsapreslectureordi;
  const TCartesParPoint& lectureB = f.mortsapreslecturejoueur;
  analysefaibles(f.testtueordi, f.testtuejoueur, f.testvitordi, f.marquesnoeud, couleur, b, lectureB, lectureA, mortsB,
                 mortsA, f.testvitjoueur);
  if (!adversairepasse()) {
    f.invasionjoueur = 0;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) f.invasionjoueur += f.invasionfortejoueur[indexcase(r, c)];
  }
  analysefaibles2(mortsA, lectureB, b, couleur, autre, f.marquesnoeud);
  coupdesurvie(f.memosurvieordi, f.memosurviejoueur, f.testtueordi, f.marquesnoeud, candidats, CAPACITERACINE,
               f.listefamille, CAPACITELISTE, couleur, b, f.surviejoueur, f.survieordi, lectureB, lectureA, mortsB,
               mortsA, f.testvitjoueur, f.testvitordi, f.testtuejoueur);
  coupdesurvieentourant(f.surviejoueur, b, f.listefamille, CAPACITELISTE, candidats, CAPACITERACINE);
  invasionpossible(f.testvitordi, b, f.invasionforteordi, f.invasionfortejoueur, couleur, autre, mortsA, mortsB,
                   lectureA, lectureB);
  analysecoupsinvasion(b, f.invasionfortejoueur, couleur, f.zonesinvasionjoueur, autre);
  nouvellecoupuredangereusejoueur(b, f.coupuredangereuse, candidats, f.survieordi, lesfaibles, marquessurvie);
  coupdefortification(f.marquesfortification, f.pointsliaison, f.memosurvieordi, f.testtueordi, f.testtuejoueur,
                      f.testvitordi, f.testvitjoueur, mortsA, mortsB, lectureA, lectureB, f.bonuscombatsemai,
                      f.fortificationordi, f.survieordi, f.surviejoueur, b, couleur, candidats, f.marquesnoeud);
  survieordi(f.memosurvieordi, f.survieordi, f.fortificationordi, b, candidats, CAPACITERACINE);
  coupdefortificationjoueur(f.codesfortificationjoueur, mortsA, mortsB, f.fortificationjoueur, f.surviejoueur, b,
                            couleur, candidats, CAPACITERACINE, f.listefamille, CAPACITELISTE);
  if (!adversairepasse())
    completecandidatsvaleur(2, 3, b, candidats, f.separationjoueur, f.flou, f.invasiondefensejoueur, f.faiblesse);
  tentativeinvasion(candidats, CAPACITERACINE, couleur, autre, f.invasionforteordi, b);
  invasionsingebambou(marquesvides, couleur, autre, candidats, CAPACITERACINE, bambous, b,
                      &TEssaiCoup::plateauessai2, &TEssaiCoup::carte1essai);
  for (int32_t i = 0; i < NBCASES; ++i)
    if (bambous[i] > f.invasionforteordi[i]) f.invasionforteordi[i] = bambous[i];
  genereliecarrisqueseparation(f.atariordi, f.atarijoueur, f.separationordi, f.separationjoueur,
                               f.invasionfortejoueur, mortsA, mortsB, couleur, autre, b, candidats);

  // Step 7. The opening procedure and the 19x19 book may answer at once.
  TPoint ouverture{};
  coupdebutpartie(f.livre, b, dernier, ouverture, f.bonusdebutfin, valeurscoins, candidats, CAPACITERACINE,
                  TCartesOuverture{f.flou, f.fortificationordi, f.survieordi, f.fortificationjoueur, f.surviejoueur,
                                   f.invasionfortejoueur, f.mortsapresessaiordi, f.mortsapresessaijoueur});
  if (ouverture.ligne != 0) {
    choisi = ouverture;
    return RACINEOUVERTURE;
  }
  if (n == 19 && numerocoup <= 20) {
    consultebase1919(ouverture, f.livre, b, f.bonusdebutfin, CAPACITERACINE, candidats);
    if (ouverture.ligne != 0) {
      choisi = ouverture;
      return RACINEOUVERTURE;
    }
  }

  // Step 8. More families, cuts and links.
  if (niveau > 2)
    coupdattaque(f.faitmortjoueur, f.faitmortordi, f.fourchettejoueur, f.fourchetteordi, couleur, autre, candidats, b,
                 f.testtueordi, f.testtuejoueur, f.sortieattaqueordi, f.sortieattaquejoueur);
  if ((casesinterdites[0] & 0x02) != 0) listevidesjouables(b, candidats, CAPACITERACINE);
  multiplieterritoireflou(b, f.flou, f.faitmortordi, couleur, f.testvitjoueur, f.testtuejoueur, f.testvitordi,
                          f.testtueordi, f.faiblesse, f.faitmortjoueur);
  for (int32_t i = 0; i < NBCASES; ++i) essaisordi0[i] = f.mortsapresessaiordi[i / TAILLEMAX][i % TAILLEMAX];
  proposecoupsliaison(candidats, essaisordi0, couleur, autre, 4, b, f.consolidation[0], f.testprojet);
  chercheattaque(b, f.surviejoueur, f.fortificationjoueur, f.bonusdebutfin, f.fortificationordi, f.survieordi,
                 f.invasionforteordi, couleur, autre, mortsA, lectureA, candidats, CAPACITERACINE);
  if (!adversairepasse()) ajoutecandidatsvalorises(f.invasionforteordi, zerobonus, candidats, CAPACITERACINE);
  affichecartedebug("flou", f.flou);
  coupempechecoupure(b, f.coupurebambou, f.survieordi, f.fortificationordi, f.invasionfortejoueur, couleur, autre,
                     mortsA, mortsB, lectureA, lectureB, candidats, CAPACITERACINE);
  cherchecoupuresdangereuses(b, f.coupuredangereuse, candidats, couleur, autre,
                             TCartesPression{f.survieordi, f.fortificationordi, f.surviejoueur, f.fortificationjoueur,
                                             f.invasionforteordi, f.invasionfortejoueur});
  coupforcefortifouinvasion(candidats, CAPACITERACINE, b, f.coupforceordi, f.coupforcejoueur);
  liegroupesvivantsapresessai(b);
  nouvellecoupuredangereuseordi(b, f.coupuredangereuse, candidats, f.surviejoueur, marquessurvie, lesfaibles);
  liberetableliaisons();
  attaqueterritoireordi(f.fourchetteordi, f.faitmortordi);
  for (const TCarte* carte : {&f.flou, &f.coupforceordi, &f.coupuredangereuse, &f.titebite, &f.fourchetteordi,
                              &f.fourchettejoueur, &f.iajoueur, &f.protection, &f.invasionforteordi,
                              &f.invasionfortejoueur, &f.testprojet, &f.bonusdebutfin, &f.coupurebambou,
                              &f.separationordi, &f.separationjoueur, &f.atariordi, &f.atarijoueur, &f.survieordi,
                              &f.surviejoueur, &f.fortificationordi, &f.fortificationjoueur, &f.bonuscombatsemai,
                              &valeurscoins, &f.faitmortordi, &f.faitmortjoueur})
    affichecartedebug("famille", *carte);

  // Step 9. A calm position under cleanup: the engine passes.
  if (etatcalme == 1) {
    situationcalme(candidats);
    if (etatcalme == 4) {
      ordipasse = 1;
      return RACINEPASSE;
    }
  }

  // Step 10. Candidate marks and the important points.
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
    ajoutecaseliste(r, c, f.importants, CAPACITELISTE);
  }
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (b[i] != VIDE || (f.faitmortordi[i] <= 0 && f.faitmortjoueur[i] <= 0)) continue;
      if (niveau != 1) ajoutecaseliste(r, c, candidats, CAPACITERACINE);
      ajoutecaseliste(r, c, f.importants, CAPACITELISTE);
    }

  // Step 11. The root list: weak-chain liberties, the end-phase pruning.
  if (ordipasse == 1 && nbpoints(candidats) == 0) return RACINEPASSE;
  f.nbcandidats = nbpoints(candidats);
  ajoutelibertesfaiblesracine(f.valeursfuite, f.mauvaiscoups, ko, b, candidats, CAPACITERACINE, couleur, dernier,
                              avantdernier);
  if (finale) elaguefinliste(couleur, f.nbcandidats, f.tuevitordi, candidats, CAPACITERACINE, f.mauvaiscoups,
                             f.tuevitjoueur);
  candidatsracine = candidats;
  if (nbpoints(candidats) == 0) {
    ordipasse = 1;
    return RACINEPASSE;
  }
  ordipasse = 0;

  // Steps 12 and 13. Timing, then the sums.
  temporisation(f.fourchetteordi, f.coupforceordi, f.coupuredangereuse);
  sommecartes(f);
  return RACINECHERCHE;
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
