// The engine's three entries, called by the front end for genmove,
// kgs-genmove_cleanup and final_status_list with copies of its game.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The move chosen by the engine: the mover's colour, row and column; row 0 = pass.
struct TResultatCoup {
  uint8_t couleur = 0;
  int32_t ligne = 0;
  int32_t colonne = 0;
};

// Chooses a move for `couleur` (0 white, 1 black) in the game `config` whose
// moves are `liste` (record 0's ligne = count); `phase` 0 handicap placement,
// 1 first move after it, 2 later; `temps` seconds left (-1 = no limit) and
// `pierres` stones to play in them. Writes the move into `resultat`.
void genmoveordi(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase, int32_t temps,
                 int32_t pierres, TResultatCoup& resultat);

// As genmoveordi, at working level 7 and without a time limit, in cleanup mode.
void genmovenettoyage(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase,
                      int32_t temps, int32_t pierres, TResultatCoup& resultat);

// The final status entry is `statutfinal` (engine/choice/statutfinal.h).

// A new game or board size: empties every memo of the engine, those kept
// from move to move (capture readings, forced moves, dead marking, status
// drivers) and the search's. Their keys hold all an answer depends on, so
// this frees nothing but stale entries; memosvides: the four kept from move
// to move hold nothing.
void videmos();
bool memosvides();

// The komi the engine reckons with: the game's, held within +-KOMIMAX so that
// the integer score sums built on it cannot overflow, whatever komi the
// controller gave; a komi that large decides every game either way.
constexpr double KOMIMAX = 10000.0;
// The high-resolution time at which the search of a move under the clock `t`
// stops: three times the time of one move as the level control reckons it,
// at most a third of the time left, from `maintenant`. Without a clock
// (time left below 0) the bound of one move of the level `niveaucoup`
// (`tempscoupdefaut`), whatever the size and the move.
uint64_t echeancecoup(TTempsRestant t, int32_t niveaucoup, int32_t coups, int32_t taille, uint64_t maintenant);
// The part of the way from the entry's start to the search's deadline after
// which the root's analyses start no more of their reading steps (the
// frame's optional steps, `famillesracine`): half, so that the step under
// way (on 19x19 level 10 under load the invasion step alone took up to
// 13 s), the ranking and the first root candidate still end near the
// deadline, while the search keeps the other half when they are quick.
constexpr double PARTANALYSES = 0.5;
// The analyses' deadline from the entry's start and the search's deadline.
uint64_t echeanceanalyses(uint64_t debut, uint64_t fin);
double komimoteur(double komi);

// ---- Steps of the move entry ----------------------------------------------
// genmoveordi and genmovenettoyage are one procedure, `entreemoteur`, with
// three differences in cleanup mode (`nettoyage`): level 7, no clock, no
// opening suggestions.

// Sets configmoteur, couleurdemandee, niveau and tempsrestant from the
// game, numerocoup as the level control must see it, then initmoteur. In
// cleanup mode the requested level is raised to 7, the clock dropped, and
// after the reset niveau is 7 and etatcalme 1. Last, finrecherche from the
// clock (or the working level's bound of one move) and the entry's start,
// and finanalyses from both.
void prepareentree(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t temps, int32_t pierres,
                   bool nettoyage);
// Replays the list on an empty plateaumoteur with captures into
// listecoupsmoteur, numerocoup, passesconsecutives, the prisoner counts,
// carteterritoire, capturesderniercoup and, under superko, historiquehash;
// derniercoup and avantderniercoup to their defaults.
void rejouepartie(const TListeCoups& liste);
// With a game phase other than 0, derniercoup (and with phase 2
// avantderniercoup) from listecoupsmoteur; passes after the last stone move
// leave passesconsecutives at 1.
void cherchederniercoups(int32_t phase);
// Sets suggestionsjoseki, candidatsfuseki and nbcandidatsfuseki for the
// colour; both maps empty in cleanup mode.
void demandesouverture(uint8_t couleur, bool nettoyage);
// The four steps above in their order: the game's position on the engine
// as the chooser starts from it.
void prepareposition(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase, int32_t temps,
                     int32_t pierres, bool nettoyage);
// The whole entry: the chosen move into `resultat`.
void entreemoteur(uint8_t couleur, const TConfig& config, const TListeCoups& liste, int32_t phase, int32_t temps,
                  int32_t pierres, bool nettoyage, TResultatCoup& resultat);
