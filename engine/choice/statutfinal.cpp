#include "engine/choice/statutfinal.h"

#include "engine/board/balayages.h"
#include "engine/board/jeu.h"
#include "engine/board/voisin.h"
#include "engine/choice/entree.h"
#include "engine/connection/groupesvivants.h"
#include "engine/proposals/territoirefinal.h"
#include "engine/reading/marquage.h"
#include "engine/reading/vieetmort.h"
#include "engine/territory/estimation.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/marquagedeb.h"
#include "engine/territory/seki.h"

namespace {

constexpr int32_t SEKI = -6;  // survival value left on the stones of a chain in seki

// Scratch of the evaluation.
TMarques reference;  // dead marks before the status pass
TMarques contacts;
TMarques marquesseki;  // the chains the seki test takes as dead: those in atari
TMarques faux;         // the groups of a false seki
TCarte estimation;   // signed estimate, positive black
TCarte travail;

bool decompteparzone(uint8_t regle) { return regle == 1 || regle == 2 || regle == 6; }

}  // namespace

void statutfinal(const TPlateau& plateau, const TConfig& config, int32_t& noir, int32_t& blanc, TCarte& statut,
                 int32_t prisblanc, int32_t prisnoir, const TListeCoups& liste) {
  // No side to move.
  couleurdemandee = VIDE;
  passesconsecutives = 0;
  // At least level 7, no clock, the fixed strong parameter set.
  configmoteur = config;
  configmoteur.komi = komimoteur(config.komi);
  if (configmoteur.niveauconfig < 7) configmoteur.niveauconfig = 7;
  flagfuseki = 1;
  niveau = configmoteur.niveauconfig;
  tempsrestant = TTempsRestant{-1, 0};
  initmoteur();
  // The position as it stands, no replay.
  numerocoup = 0;
  passesconsecutives = 0;
  plateaumoteur = plateau;
  prisonniersblanc = prisblanc;
  prisonniersnoir = prisnoir;
  if (decompteparzone(configmoteur.regle) && configmoteur.handicap > 0) prisonniersblanc += configmoteur.handicap;
  // Chain table of the position.
  calculelibertes(plateaumoteur);
  tablegroupes = infochaine;
  // The statuses.
  statutfinalaide(plateaumoteur, noir, blanc, statut, liste, 0);
}

void statutfinalaide(TPlateau& p, int32_t& noir, int32_t& blanc, TCarte& statut, const TListeCoups& liste,
                     uint8_t saute) {
  const int32_t n = configmoteur.taille;
  const uint8_t regle = configmoteur.regle;
  const bool zone = decompteparzone(regle);
  // All points neutral to start.
  statut.fill(NEUTRE);
  // Capturable chains and the final territory maps.
  marquechainesprenables(p, profondeurlecture - 1, paramniveaub + 2, couleurdemandee);
  territoirefinal(p);
  cacheactif = 0;
  // Liberty masks and the enclosed-chain marking of every chain.
  if (!saute) {
    masqueslibertes(pionsmorts, pionsmorts, p);
    marquesliaison1 = pionsmorts;
    marquesliaison2 = pionsmorts;
    testdebtouteschaines(p, marquesliaison2, VIDE);
  }
  // Status of every chain, with the survival values of the living
  // and the weak chains written into valeurssurvie (the weak chains' life
  // reading starts from them); the weak chains' life; then the seki shapes:
  // -6 on their stones and their dead marks cleared.
  reference = pionsmorts;
  tableessaiscourante = 1;
  int32_t compte = 0;
  detectetatchaines(compte, p, 0, 0, 0, 1, couleurdemandee);
  tableessaiscourante = -1;
  if (!saute) {
    int32_t change = 0;
    statutviechainesfaibles(p, valeurssurvie, valeurssurvie, couleurdemandee, change, TPoint{}, reference);
  }
  tableessaiscourante = 1;
  int32_t sekis = 0;
  faux = marquesvides;
  // A chain in atari is no partner of a seki: taking it gives its taker
  // liberties. The test lets only a lone stone in atari lie in the shape.
  for (int32_t i = 0; i < NBCASES; ++i) marquesseki[i] = p[i] != VIDE && infochaine[i][0] == 1 ? 1 : 0;
  // Nor is a group that takes the stones shut in with it and is still
  // killed: the test takes it as dead, and so does the estimate.
  sekisfaux(faux, marquesseki, p);
  for (int32_t i = 0; i < NBCASES; ++i) marquesseki[i] |= faux[i];
  detectsekiessais(sekis, marquesseki, p, 0, 0, 0);
  tableessaiscourante = 0;
  for (int32_t i = 0; i < NBCASES; ++i) pionsmorts[i] |= faux[i];
  // The counts, from zero.
  noir = 0;
  blanc = 0;
  uint8_t contact = 0;
  contacts = marquesvides;
  detectcontacts(reference, contact, contacts, p, valeurssurvie);
  // Territory estimate and its dead marks.
  estimeterritoire(estimation, travail, couleurdemandee, paramniveaue, blanc, noir, p, 1);
  pionsmorts = pionsmortsestime;
  // The groups of a false seki stay dead.
  for (int32_t i = 0; i < NBCASES; ++i) pionsmorts[i] |= faux[i];
  // Chains in contact count as dead.
  if (contact)
    for (int32_t i = 0; i < NBCASES; ++i)
      if (contacts[i] == 1) {
        pionsmorts[i] = 1;
        estimation[i] = 0;
        territoire[i] = VIDE;
      }
  // A code per point.
  bool seki = false;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      const uint8_t x = p[i];
      if (x == VIDE) {
        statut[i] = territoire[i] == BLANC ? TERRITOIREBLANC : territoire[i] == NOIR ? TERRITOIRENOIR : NEUTRE;
      } else if (pionsmorts[i] != 0) {
        if (x == BLANC) {
          statut[i] = MORTBLANC;
          if (!zone && estimation[i] > 0) ++noir;
        } else {
          statut[i] = MORTNOIR;
          if (!zone && estimation[i] < 0) ++blanc;
        }
      } else {
        if (valeurssurvie[i] == SEKI) {
          statut[i] = x == BLANC ? SEKIBLANC : SEKINOIR;
          seki = true;
        } else {
          statut[i] = x == BLANC ? VIVANTBLANC : VIVANTNOIR;
        }
        if (zone) ++(x == BLANC ? blanc : noir);
      }
    }
  // Japanese rules: no territory beside a seki.
  if (regle == 0 && seki)
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (statut[i] == TERRITOIREBLANC && voisincouleurtableint(statut, SEKIBLANC, r, c)) {
          statut[i] = NEUTRE;
          --blanc;
          territoire[i] = VIDE;
        } else if (statut[i] == TERRITOIRENOIR && voisincouleurtableint(statut, SEKINOIR, r, c)) {
          statut[i] = NEUTRE;
          --noir;
          territoire[i] = VIDE;
        }
      }
  // Prisoners under territory counting.
  if (!zone) {
    noir += prisonniersnoir;
    blanc += prisonniersblanc;
  }
  // AGA: every pass gives the other side a point.
  if (regle == 6) {
    const int32_t nb = liste[0].ligne < MAXCOUPSPARTIE ? liste[0].ligne : MAXCOUPSPARTIE;
    for (int32_t k = 1; k <= nb; ++k)
      if (liste[k].ligne == 0 && liste[k].colonne == 0 && liste[k].couleur != VIDE)
        ++(liste[k].couleur == BLANC ? noir : blanc);
  }
}
