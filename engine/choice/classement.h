// Candidate ranking of the move search: a short tactical reading of each
// candidate puts a list in order. classecandidats reads the replies a few
// plies deep, lecturecaptures only the move itself; choixcoupaide is the
// local score of one trial move that both add up. Board, infochaine and
// pionsmorts come back as they were.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"

constexpr int32_t VALEURDECIDEE = 1000;  // a decided outcome; an illegal candidate of classecandidats

// Orders `candidats` (capacity 361) for colour c against e, lowest value
// first (values from e's side; an illegal candidate 1000, last). `valeurs`
// is taken off the value of each candidate when mode <= 2; a candidate that
// takes the last move's stones goes first (-1000) unless `marques` holds the
// last move; mode 1 reads two plies of replies, any other mode one;
// `reponses` (300) seeds the reply lists. Past the search's deadline
// (finrecherche) it reads no more candidates: the ones not read stay, in
// their order, after those it ranked.
void classecandidats(const TCarte& valeurs, const TMarques& marques, int32_t mode, TPoint dernier,
                     int32_t profondeur, uint8_t c, uint8_t e, TListePoints& candidats, const TListePoints& reponses,
                     TPlateau& plateau);

// Orders `candidats` by the one-move outcome for c, best first (an illegal
// candidate -1000, last); with mode 2 a positive value of `valeurs` adds in.
void lecturecaptures(const TCarte& valeurs, uint8_t c, uint8_t e, TListePoints& candidats, TPlateau& plateau,
                     int32_t mode);

// Adds to `score` the local terms of the stone m just played at (ligne,
// colonne) with the captures `prises`, for the reference colour `racine`:
// the influence gained along its lines over `influence` (before the move),
// the edge and zone terms, and 10 per captured stone (8 when the first was
// already dead), with m's sign.
void choixcoupaide(TPlateau& plateau, int32_t& score, uint8_t racine, uint8_t m, const TPrisesMarquees& prises,
                   int32_t ligne, int32_t colonne, int32_t influence, int32_t profondeur);
