// Hand-off to the engine for genmove, kgs-genmove_cleanup and
// final_status_list, and the front-end routines the engine calls back.
#pragma once
#include <cstdint>

#include "engine/board/types.h"
#include "engine/choice/entree.h"
#include "engine/choice/statutfinal.h"
#include "engine/opening/suggestions.h"  // demandejoseki, demandefuseki

// Asks the engine for a move of `couleur` on copies of the game and plays it
// on plateaugtp, appending it to `liste`. A point the engine gives that is off
// the board or illegal is not played: it is traced and becomes a pass.
void gtpgenmovemoteur(uint8_t couleur, TListeCoups& liste, TResultatCoup& resultat);
// The same through the engine's cleanup entry.
void gtpcleanupmoteur(uint8_t couleur, TListeCoups& liste, TResultatCoup& resultat);
// The engine's status code of every point of the current game.
void gtpstatutmoteur(TCarte& statut);
// Stones each colour has captured in the moves of `liste`, replayed from an
// empty board of `taille`: `prisblanc` by white, `prisnoir` by black.
void comptesprisonniers(const TListeCoups& liste, int32_t taille, int32_t& prisblanc, int32_t& prisnoir);

// Forwards its arguments unchanged to the engine's convex hull of marked points.
void appelleenveloppeconvexe(const TMarques& entree, TMarques& sortie, int32_t taille);

// The engine entries the hand-off calls.
struct TEntreesMoteur {
  void (*genmove)(uint8_t, const TConfig&, const TListeCoups&, int32_t, int32_t, int32_t, TResultatCoup&);
  void (*nettoyage)(uint8_t, const TConfig&, const TListeCoups&, int32_t, int32_t, int32_t, TResultatCoup&);
  // board, game, black and white score counts, status map, white and black prisoners, moves
  void (*statut)(const TPlateau&, const TConfig&, int32_t&, int32_t&, TCarte&, int32_t, int32_t,
                 const TListeCoups&);
};

namespace seam {
// Tests may put doubles in place of the engine entries; nullptr restores them.
void fixeentreesmoteur(const TEntreesMoteur* entrees);
}  // namespace seam
