#include "engine/opening/ouverture.h"

#include "engine/opening/coinsdangereux.h"
#include "engine/opening/deuxdegres.h"
#include "engine/opening/extensions.h"
#include "engine/opening/valeursjoseki.h"
#include "engine/opening/zonesouverture.h"
#include "engine/proposals/cadre.h"

namespace {

constexpr int32_t CONSTANTEOUVERTURE = 4;  // handed to the star-point and extension steps, not read
constexpr int32_t LIMITEBASE99 = 20;       // the 9x9 book answers before this move

TListePoints ennemis;  // star points between two enemy corners, from one step to the extensions

// +500 on every allowed point with a positive candidate value; with
// `restreint`, only where the opening score is positive or the engine's trial
// links to a weak chain. Sets the decision flag when a point was boosted.
void boost(const TMarques& zone, const TCarte& scores, TCarte& valeurs, bool restreint) {
  const int32_t n = configmoteur.taille;
  bool fait = false;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (zone[i] != 0 || valeurs[i] < 1) continue;
      if (restreint && scores[i] <= 0 && lieaunfaibleessai(essaiordi(l, c)) == 0) continue;
      valeurs[i] += 500;
      fait = true;
    }
  if (fait) coupdebutchoisi = 1;
}

void inverse(TMarques& zone) {
  for (uint8_t& z : zone) z = z == 0 ? 1 : 0;
}

struct Heuristiques {
  TPlateau& p;
  TPoint dernier;
  TCarte& scores;
  TCarte& valeurs;
  TListePoints& candidats;
  int32_t cap;
  const TCartesOuverture& cartes;

  void joseki(const TMarques& zone) {
    coupdecidejoseki = coupdecide;
    renforcejoseki(zone, p, couleurordi, candidats, couleurjoueur);
    prisedecoindangereux(zone, scores, p, couleurjoueur, couleurordi, candidats);
  }
  void analyse(const TMarques& zone) {
    analyseverrous(zone, scores, p, candidats, dernier.ligne, dernier.colonne, couleurjoueur, couleurordi);
  }
  void deuxdegres(const TMarques& zone) {
    coupadeuxdegres(zone, cartes, valeurscoins, dernier, candidats, p, scores, couleurjoueur, couleurordi);
  }
  // The route restricted to the zone; true when it decided.
  bool routezone(TMarques& zone, bool grand) {
    analyse(zone);
    joseki(zone);
    if (grand) deuxdegres(zone);
    if (coupdebutchoisi != 0) {
      boost(zone, scores, valeurs, false);
      return true;
    }
    renforcecoupsproches(zone, cartes.fortificationjoueur, cartes.surviejoueur, dernier.colonne, dernier.ligne,
                         scores, cartes.fortificationordi, cartes.survieordi);
    if (coupdebutchoisi != 0) {
      boost(zone, scores, valeurs, true);
      return true;
    }
    boost(zone, scores, valeurs, false);
    if (coupdebutchoisi != 0) return true;
    inverse(zone);
    return false;
  }
};

}  // namespace

void coupdebutpartie(TMarques& exclus, TPlateau& p, TPoint dernier, TPoint& choisi, TCarte& scores, TCarte& valeurs,
                     TListePoints& candidats, int32_t cap, const TCartesOuverture& cartes) {
  Heuristiques h{p, dernier, scores, valeurs, candidats, cap, cartes};
  TMarques zone = marquesvides;
  if (configmoteur.taille == 9) {
    consultebase99(exclus, p, candidats, LIMITEBASE99, scores, valeurs, cap);
    liberebase99();
    if (coupdebutchoisi != 0 || phasedebut == 0) return;
    if (testezonederniercoup(p, dernier.ligne, dernier.colonne, zone) && h.routezone(zone, false)) return;
    h.analyse(zone);
    if (coupdebutchoisi != 0) return;
    h.joseki(zone);
    return;
  }
  if (phasedebut == 0) return;
  if (testezonederniercoup(p, dernier.ligne, dernier.colonne, zone)) {
    choisitpointfuseki(zone, choisi);
    if (choisi.ligne != 0) return;
    if (h.routezone(zone, true)) return;
  }
  choisitpointfuseki(zone, choisi);
  if (choisi.ligne != 0) return;
  h.analyse(zone);
  if (coupdebutchoisi != 0) return;
  h.joseki(zone);
  h.deuxdegres(zone);
  if (coupdebutchoisi != 0) return;
  prisehochi2coins(p, scores, candidats, CONSTANTEOUVERTURE, ennemis, cap);
  if (coupdebutchoisi != 0) return;
  testeperteinfluence(scores, p, cartes.mortsordi, candidats, couleurjoueur, couleurordi);
  extensionsdebutpartie(p, cartes.invasionfortejoueur, scores, CONSTANTEOUVERTURE, ennemis, cap, candidats);
}
