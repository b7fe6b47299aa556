// Position analysis: the status pass, the side-to-move stage, the reference
// marks and the base value, the trials of every empty point (essaianalyse.cpp,
// valeuressai.cpp), then the ranking that picks the search candidates.
#include "engine/choice/analyseposition.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/board/balayages.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/listecoups.h"
#include "engine/board/pas.h"
#include "engine/choice/analyse_etat.h"
#include "engine/choice/situation.h"
#include "engine/choice/territoireessai.h"
#include "engine/proposals/bilans.h"
#include "engine/reading/vieetmort.h"
#include "engine/territory/estimation.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/invasion.h"
#include "engine/territory/lecturezone.h"
#include "engine/territory/moyo.h"
#include "engine/territory/seki.h"
#include "engine/board/niveau.h"

namespace {

constexpr int32_t CAPACITELISTEADVERSES = 300;  // meilleursadverses

std::optional<analyse::TAnalyse> courante;  // the call in progress
TEssaisAnalyse dernieressais;      // what the last call tried

// Level switch of the trials' dead-chain tests.
int32_t interrupteurniveau(uint8_t pourordi) {
  if (niveau >= 8) return -1;
  if (niveau == 7) return pourordi ? -1 : 0;
  return 0;
}

// The contacts, the territory estimate, the contact points made dead.
void estimeterritoireposition(analyse::TAnalyse& a) {
  uint8_t contact = 0;
  TMarques contacts;
  detectcontacts(a.marqueslecture, contact, contacts, a.plateau, valeurssurvie);
  TCarte travail;
  estimeterritoire(a.proprietaires, travail, a.couleur, paramniveaue, a.blancs0, a.noirs0, a.plateau, 1);
  if (!contact) return;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (contacts[j] == 1) {
      pionsmorts[j] = 1;
      a.proprietaires[j] = 0;
      territoire[j] = VIDE;
    }
}

// The exchange order of the ranking: entries i and j swap when the key of j
// is below that of i, for every i and j; ties come out as this loop leaves them.
template <class Cle>
void trieessais(TEssaisAnalyse& e, Cle cle) {
  const int32_t n = e.nombre;
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (cle(e.essais[j]) < cle(e.essais[i])) std::swap(e.essais[i], e.essais[j]);
}

// Appends a tried point to the list unless it holds it; true when appended.
bool ajoutecandidat(TListePoints& l, const TPoint& q) {
  const int32_t avant = nbpoints(l);
  ajoutecaseliste(q.ligne, q.colonne, l, MAXPOINTSLISTE);
  return nbpoints(l) > avant;
}

bool dansliste(const TListePoints& l, const TPoint& q) {
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == q.ligne && colonneliste(l, k) == q.colonne) return true;
  return false;
}

// The ranking, the pass and end-of-game signals, the candidates.
void classement(analyse::TAnalyse& a) {
  TEssaisAnalyse& e = a.essaies;
  const int32_t n = e.nombre;
  const int32_t taille = configmoteur.taille;
  // Opponent's side: the largest moyo gain and count of any trial sets the opening flag.
  if (!a.pourordi) {
    auto regarde = [](const TEssaiCoup& rec) {
      if (rec.gainmoyoordi > 0) {
        flagouverture = std::max(flagouverture, rec.gainmoyoordi);
        maxgainmoyo = std::max(maxgainmoyo, std::min(rec.gainmoyoordi, rec.compteur1essai));
      }
      if (rec.gainmoyojoueur > 0) {
        flagouverture = std::max(flagouverture, rec.gainmoyojoueur);
        maxgainmoyo = std::max(maxgainmoyo, std::min(rec.gainmoyojoueur, rec.compteur2essai));
      }
      maxprisesessais = std::max({maxprisesessais, rec.nbtuesessai, rec.nbsauvesessai});
    };
    for (int32_t r = 1; r <= taille; ++r)
      for (int32_t c = 1; c <= taille; ++c) {
        const int32_t i = indexcase(r, c);
        if (a.plateau[i] != VIDE) continue;
        if (casescandidatesjoueur[i]) regarde(essaijoueur(r, c));
        if (casescandidates[i]) regarde(essaiordi(r, c));
      }
  }
  // Best trials first.
  trieessais(e, [](const TPointEssaye& x) { return x.valeur; });
  const auto valeur = [&](int32_t k) { return k == 0 ? e.valeurbase : e.essais[k].valeur; };
  // Few trials better than the position itself: the engine's zone reach shrinks.
  if (a.pourordi && (n <= 20 || valeur(20) < valeur(0))) *a.porteezone = 10;
  // The opponent's two best trials, when no worse than the position.
  if (!a.pourordi)
    for (int32_t k = 1; k <= n && k <= 2 && valeur(k) >= valeur(0); ++k)
      empilepoint(*a.meilleursadverses, CAPACITELISTEADVERSES, e.essais[k].point.ligne, e.essais[k].point.colonne);
  // No trial beats the position: pass, and for the engine the end-of-game procedure.
  if (valeur(1) < valeur(0)) {
    if (a.pourordi) procedurefinpartie = 1;
    ordipasse = 1;
    return;
  }
  // A flat top falling off by the fifth: pass signal 5.
  if (valeur(0) == valeur(1) && n >= 5 && valeur(0) > valeur(5)) ordipasse = 5;
  // End-of-game test: the fifth below the position; more candidates, and count the good ones not listed.
  bool findepartie = false;
  int32_t supplement = 0;
  if (((a.pourordi && a.evenements < 4) || (!a.pourordi && procedurefinpartie != 0)) && n >= 10) {
    if (valeur(5) < valeur(0)) {
      findepartie = true;
      supplement = a.nbcandidatssupp;
      for (int32_t k = 1; k <= n && valeur(k) >= valeur(0); ++k)
        if (!dansliste(*a.candidats, e.essais[k].point)) ++procedurefinpartie;
    } else if (!a.pourordi) {
      procedurefinpartie = 0;
    }
  }
  // The best trials that keep the position's value.
  const int32_t limite = a.nbcandidatsvaleur + supplement;
  int32_t ajoutes = 0;
  for (int32_t k = 1; k <= n && ajoutes < limite; ++k)
    if (valeur(k) >= valeur(0) && ajoutecandidat(*a.candidats, e.essais[k].point)) ++ajoutes;
  // Then by zone count, those reaching two zones or more.
  if (findepartie) return;
  trieessais(e, [](const TPointEssaye& x) { return x.zone; });
  ajoutes = 0;
  for (int32_t k = 1; k <= n && ajoutes < a.nbcandidatssupp; ++k)
    if (e.essais[k].zone >= 2 && ajoutecandidat(*a.candidats, e.essais[k].point)) ++ajoutes;
}

}  // namespace

namespace analyse {

int32_t bilanzones(const TAnalyse& a, int32_t ligne, int32_t colonne) {
  int32_t noirs = 0, blancs = 0;
  if (*a.porteezone == 0) comptemortsinfluence(noirs, blancs, 4, a.plateau, 50);
  else zonesdepuispoint2(noirs, blancs, 50, *a.porteezone + 5, ligne, colonne, a.plateau);
  return a.couleur == NOIR ? noirs - blancs : blancs - noirs;
}

int32_t bilanregions(const TAnalyse& a) {
  TMarques sortie;
  int32_t blancs = 0, noirs = 0;
  zonesdepuispoint(sortie, a.plateau, blancs, noirs);
  return a.couleur == NOIR ? noirs - blancs : blancs - noirs;
}

}  // namespace analyse

const TEssaisAnalyse& essaisanalyse() { return dernieressais; }

void estimescore(const TPlateau& p) {
  const int32_t taille = configmoteur.taille;
  // The board without its dead stones, then without its lone stones.
  TPlateau sansmorts = p;
  for (int32_t j = 0; j < NBCASES; ++j)
    if (pionsmortsbis[j]) sansmorts[j] = VIDE;
  TPlateau copie = sansmorts;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t j = indexcase(r, c);
      if (sansmorts[j] != VIDE && infochaine[j][1] == 1 && !couleurdanscarre(sansmorts[j], sansmorts, 4, c, r))
        copie[j] = VIDE;
    }
  // Influence of the remaining stones.
  TCarte carte;
  dilatation(copie, carte, 6);
  // Empty points the influence gives a side and no stone of the other side touches.
  influence = territoire;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t j = indexcase(r, c);
      if (territoire[j] != VIDE || copie[j] != VIDE) continue;
      const auto voisin = [&](uint8_t v) {
        return pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return copie[indexcase(r2, c2)] == v; });
      };
      if (carte[j] > 0 && !voisin(BLANC)) influence[j] = NOIR;
      else if (carte[j] < 0 && !voisin(NOIR)) influence[j] = BLANC;
    }
  // The count: komi and prisoners, influenced points, two per dead stone.
  int32_t blanc = static_cast<int32_t>(configmoteur.komi) + prisonniersblanc;
  int32_t noir = prisonniersnoir;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t j = indexcase(r, c);
      if (p[j] == VIDE) {
        if (influence[j] == NOIR) ++noir;
        else if (influence[j] == BLANC) ++blanc;
      } else if (pionsmortsbis[j]) {
        (p[j] == NOIR ? blanc : noir) += 2;
      }
    }
  // The engine's margin.
  compteurinfluence2 = couleurordi == NOIR ? noir - blanc : blanc - noir;
}

void analyseposition(const TCartesAnalyse& cartes, int32_t lignedernierecoup, int32_t colonnedernierecoup,
                     int32_t& porteezone, uint8_t pourordi, int32_t nbcandidatsvaleur, int32_t nbcandidatssupp,
                     int32_t profondeurprise, uint8_t couleur, uint8_t couleuradverse, const TPlateau& plateau,
                     TListePoints& candidats, TListePoints& meilleursadverses) {
  analyse::TAnalyse& a = courante.emplace();
  a.carteconsolidation = &cartes.consolidation;
  a.mortsapresessai = &cartes.mortsapresessai;
  a.mortsapreslecture = &cartes.mortsapreslecture;
  a.lignedernierecoup = lignedernierecoup;
  a.colonnedernierecoup = colonnedernierecoup;
  a.porteezone = &porteezone;
  a.valeursatari = &cartes.atari;
  a.cartefaitmort = &cartes.faitmort;
  a.cartefourchette = &cartes.fourchette;
  a.carteflou = &cartes.flou;
  a.carteseparation = &cartes.separation;
  a.carteinvasiondefense = &cartes.invasiondefense;
  a.cartefaiblesse = &cartes.faiblesse;
  a.cartetues = &cartes.tues;
  a.cartesauves = &cartes.sauves;
  a.cartedeuxyeux = &cartes.deuxyeux;
  a.mauvaiscoups = &cartes.mauvaiscoups;
  a.pourordi = pourordi;
  a.nbcandidatsvaleur = nbcandidatsvaleur;
  a.nbcandidatssupp = nbcandidatssupp;
  a.profondeurprise = profondeurprise;
  a.couleur = couleur;
  a.couleuradverse = couleuradverse;
  a.candidats = &candidats;
  a.meilleursadverses = &meilleursadverses;
  a.interrupteur = interrupteurniveau(pourordi);
  a.essaies.nombre = 0;
  a.essaies.valeurbase = 0;
  const int32_t taille = configmoteur.taille;

  // Work board; the opponent's side keeps the entry territory.
  a.plateau = plateau;
  if (!pourordi) a.territoireentree = territoire;
  // Maps the trials fill, cleared.
  modeanalyseposition = 1;
  cartes.faitmort = zerobonus;
  cartes.separation = zerobonus;
  cartes.tues = marquesvides;
  cartes.sauves = marquesvides;
  a.evenements = 0;
  meilleursadverses[0] = 0;
  // infochaine and pionsmorts come back on every way out.
  a.chainesentree = infochaine;
  a.mortsentree = pionsmorts;
  EnSortie remet([&a] {
    infochaine = a.chainesentree;
    pionsmorts = a.mortsentree;
  });
  pionsmorts = pourordi ? marquesliaison1 : marquesliaison2;
  a.marqueslecture = pionsmorts;
  // Chain status from the link marks: weak-chain survival for the engine, seki for the opponent.
  int32_t compte = 0;
  if (pourordi) tableessaiscourante = 1;
  detectetatchaines(compte, a.plateau, 0, 0, 0, 1, couleur);
  if (pourordi) {
    a.survie = valeurssurvie;
    int32_t change = 0;
    statutviechainesfaibles(a.plateau, valeurssurvie, a.survie, couleur, change, TPoint{}, a.marqueslecture);
    tableessaiscourante = 0;
  } else {
    int32_t trouve = 0;
    detectsekiessais(trouve, a.marqueslecture, a.plateau, 0, 0, 0);
    carteattaque = pionsmorts;
  }

  if (pourordi) {
    // Territory estimate with the dead marks of the status pass.
    pionsmortsbis = pionsmorts;
    estimeterritoireposition(a);
    territoire3 = territoire;
    videsennemis = territoire;
    // Opening test on the first analysis; the estimate again when it ends the opening.
    if (debutpartie == 1) {
      debutpartie = 0;
      testphaseouverture(a.plateau);
      if (debutpartie == 0) {
        estimeterritoireposition(a);
        territoire3 = territoire;
      }
    }
    estimescore(a.plateau);
    // Is the lead worth consolidating?
    int32_t valeur = 0;
    consolidationgagnant(valeur, a.proprietaires, a.plateau, a.blancs0, a.noirs0, couleuradverse, couleur);
    // Invasion zones of the opponent.
    int32_t compteur = 0;
    analysezoneinvasion(cartes.faiblesse, couleur, a.plateau, compteur);
    reduitzoneinvasion(cartes.faiblesse, couleur);
    zoneinvasion(a.zoneinvasion, a.plateau, couleuradverse, 1, couleur);
    // The position's value has its own cell: the map's cell of
    // (1, 1) belongs to that point's trial.
    a.consolidation = false;
    a.valeurconsolidation = valeur;
    if (strategie != 1 && valeur > 0) {
      valeurconsolidation = valeur;
      a.consolidation = true;
    }
  }

  // Dead marks of the status pass and dead counts of the position.
  a.marquesstatut = pionsmorts;
  comptepionsmorts(a.plateau, a.mortsnoirs0, a.mortsblancs0);
  flagmarquesmorts = pourordi ? 4 : 8;
  // Dead marks of a reading from the link marks, kept only where the status pass agrees.
  pionsmorts = a.marqueslecture;
  compte = 0;
  detectetatchaines(compte, a.plateau, 0, 0, 0, 1, couleur);
  for (int32_t j = 0; j < NBCASES; ++j)
    if (pionsmorts[j] && !a.marquesstatut[j]) pionsmorts[j] = 0;
  (pourordi ? pionsmortsdepartordi : pionsmortsdepartjoueur) = pionsmorts;
  flagmarquesmorts = 0;
  pionsmorts = a.marquesstatut;

  // The position's value before any trial.
  a.essaies.valeurbase = analyse::bilanzones(a, 0, 0);
  if (porteezone != 0) a.essaies.valeurbase += analyse::bilanregions(a);
  a.restauration = a.plateau;
  // Opponent's side: each stone not both read dead and attacked is flagged 0x80 in its colour's
  // trial record.
  if (!pourordi)
    for (int32_t r = 1; r <= taille; ++r)
      for (int32_t c = 1; c <= taille; ++c) {
        const int32_t i = indexcase(r, c);
        if (a.plateau[i] == VIDE || (pionsmortsbis[i] && carteattaque[i])) continue;
        TEssaiCoup& rec = a.plateau[i] == couleurordi ? essaiordi(r, c) : essaijoueur(r, c);
        rec.marquesessai[i] |= 0x80;
      }
  compteurcache = 0;

  // The trials, row by row. Past the search's deadline the opponent's
  // analysis tries no more points (the engine's, the root list's source,
  // tries them all).
  bool echue = false;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      if (a.plateau[indexcase(r, c)] != VIDE) continue;
      if (!pourordi && (echue || (echue = echeancepassee(finrecherche)))) continue;
      if (analyse::joueessai(a, r, c)) analyse::evalueessai(a);
      else a.plateau = a.restauration;
    }

  // The ranking of the trials.
  dernieressais = a.essaies;
  if (a.essaies.nombre > 0) classement(a);
}
