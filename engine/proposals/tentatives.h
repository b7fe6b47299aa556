// Invasion attempts: whether a stone of the invader inside the owner's
// territory is a graded invasion, and the owner's answers to it.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The family maps the attempt reads: side A is the owner's (the engine's),
// side B the invader's.
struct TCartesTentative {
  const TCarte& surviea;
  const TCarte& fortificationa;
  const TCarte& faitmorta;
  const TMarques& testvita;
  const TCarte& survieb;
  const TCarte& fortificationb;
  const TCartesParPoint& mortsessaia;  // side A's dead marks after each of its trials (mortsessai A)
};

// Grades the invader's stone at `coup` of `p` inside `proprietaire`'s
// territory: `scores` (cleared first) gets the values of the owner's
// answers, `liste` (capacity `cap`) their points, `score` the attempt's
// value, flagterritoire its grade count. The board, infochaine, pionsmorts,
// territoire and territoire2 are as they were on return.
void tentativeinvasion(TPoint coup, uint8_t envahisseur, const TCartesTentative& cartes, uint8_t proprietaire,
                       TCarte& scores, TPlateau& p, int32_t& score, TListePoints& liste, int32_t cap);

// ---- Steps, declared for the tests ------------------------------------------------------
// One linking move of the random trials: C plays X of `b` by the capture
// rule that refuses a suicide or an own-eye fill (the chain table follows);
// captured points join `l`. A lone stone that captured nothing tries to link
// toward a live chain; the linking stone stays only with two liberties.
void essaibambou(TListePoints& l, TPlateau& b, uint8_t C, uint8_t O, int32_t r, int32_t c);
// Number of random linking trials of one series at the current level.
int32_t essaisparserie();
// What the invader can still make of the owner's area: the sum of its
// first-move values in the zone reading, every empty point counted as the
// owner's. The owner's answer that lowers it is a good one.
int32_t sommeinvasion(const TPlateau& p, uint8_t envahisseur);
