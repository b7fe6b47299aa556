#include "frontend/moteur.h"

#include <string>

#include "engine/territory/enveloppe.h"
#include "frontend/partie.h"
#include "engine/board/trace.h"
#include "records/listecoups.h"

namespace {

const TEntreesMoteur entreesreelles{genmoveordi, genmovenettoyage, statutfinal};
const TEntreesMoteur* entrees = &entreesreelles;

// The engine works on copies, so it can never change the front end's game.
TListeCoups copieliste;
TConfig copieconfig;
TPlateau copieplateau;
// Scratch board and capture list of the prisoner count.
TPlateau plateaurejeu;
TListePoints prisesrejeu;

using TEntree = void (*)(uint8_t, const TConfig&, const TListeCoups&, int32_t, int32_t, int32_t, TResultatCoup&);

void appellemoteur(TEntree entree, uint8_t couleur, TListeCoups& liste, TResultatCoup& resultat) {
  // Copies, the mover's clock and the game phase.
  copieliste = liste;
  copieconfig = configgtp;
  const THorloge& horloge = couleur == BLANC ? horlogeblanc : horlogenoir;
  const int32_t phase = phasepartie();
  // The engine chooses.
  resultat = TResultatCoup{couleur, 0, 0};
  entree(couleur, copieconfig, copieliste, phase, horloge.temps, horloge.pierres, resultat);
  resultat.couleur = couleur;
  // Its move is played when it is legal; anything else is a pass.
  if (resultat.ligne != 0 && gtpcouplegal(couleur, resultat.ligne, resultat.colonne) != 0) {
    ecritdebug("coup moteur refuse " + std::to_string(resultat.ligne) + "-" + std::to_string(resultat.colonne));
    resultat.ligne = 0;
  }
  if (resultat.ligne == 0) {
    resultat.colonne = 0;
    capturesgtp[0] = 0;  // a pass ends the ko
  } else {
    gtpjouecoup(capturesgtp, MAXPOINTSLISTE, plateaugtp, resultat.ligne, resultat.colonne, couleur, 1 - couleur,
                configgtp.taille);
  }
  // Recorded, a pass included.
  ajoutecoup(resultat.ligne, resultat.colonne, couleur, liste);
}

}  // namespace

void gtpgenmovemoteur(uint8_t couleur, TListeCoups& liste, TResultatCoup& resultat) {
  appellemoteur(entrees->genmove, couleur, liste, resultat);
}

void gtpcleanupmoteur(uint8_t couleur, TListeCoups& liste, TResultatCoup& resultat) {
  appellemoteur(entrees->nettoyage, couleur, liste, resultat);
}

void gtpstatutmoteur(TCarte& statut) {
  copieliste = listecoupsgtp;
  copieconfig = configgtp;
  copieplateau = plateaugtp;
  int32_t prisblanc = 0, prisnoir = 0;
  comptesprisonniers(copieliste, copieconfig.taille, prisblanc, prisnoir);
  int32_t noir = 0, blanc = 0;
  statut.fill(0);
  entrees->statut(copieplateau, copieconfig, noir, blanc, statut, prisblanc, prisnoir, copieliste);
}

void comptesprisonniers(const TListeCoups& liste, int32_t taille, int32_t& prisblanc, int32_t& prisnoir) {
  TPlateau& plateau = plateaurejeu;
  TListePoints& prises = prisesrejeu;
  plateau.fill(VIDE);
  prisblanc = 0;
  prisnoir = 0;
  const int32_t n = liste[0].ligne < 0 ? 0 : liste[0].ligne > MAXCOUPSPARTIE ? MAXCOUPSPARTIE : liste[0].ligne;
  for (int32_t i = 1; i <= n; ++i) {
    const TCoupPartie& coup = liste[i];
    if (coup.ligne < 1 || coup.ligne > taille || coup.colonne < 1 || coup.colonne > taille || coup.couleur > NOIR)
      continue;
    prises[0] = 0;
    gtpjouecoup(prises, MAXPOINTSLISTE, plateau, coup.ligne, coup.colonne, coup.couleur, 1 - coup.couleur, taille);
    (coup.couleur == NOIR ? prisnoir : prisblanc) += prises[0];
  }
}

void appelleenveloppeconvexe(const TMarques& entree, TMarques& sortie, int32_t taille) {
  enveloppeconvexe(entree, sortie, taille);
}

namespace seam {
void fixeentreesmoteur(const TEntreesMoteur* e) { entrees = e != nullptr ? e : &entreesreelles; }
}  // namespace seam
