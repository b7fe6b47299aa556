// The engine on a position as the move chooser leaves it just before its
// search: the real move entry on a move list, then the chooser's flags and
// tables. Shared by the search's tests.
#pragma once
#include <cstdint>
#include <initializer_list>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/entree.h"

// Set in a build under AddressSanitizer, where a search above level 1 takes
// minutes: the tests that need one skip there.
#if defined(__SANITIZE_ADDRESS__)
#define SOUS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOUS_SANITIZER 1
#endif
#endif

namespace fixture {

// One move of a game: colour, row, column (row 0 = pass).
struct Coup {
  uint8_t couleur;
  int32_t ligne, colonne;
};

// A game of size `taille` at level `niveau` (no clock), Chinese rules by default.
TConfig configpartie(int32_t taille, int32_t niveau, uint8_t regle = 2);
// The move list of `coups`, in order.
TListeCoups listepartie(std::initializer_list<Coup> coups);
// The move list that puts the stones of `p` down one by one in row order,
// alternating nothing: each stone is its own colour's move.
TListeCoups listeplateau(const TPlateau& p, int32_t taille);
// The board drawn as `taille` rows of 'X', 'O' and '.' (row 1 first).
TPlateau plateaulignes(const char* const* lignes, int32_t taille);
// The move list of that board, as listeplateau.
TListeCoups listelignes(const char* const* lignes, int32_t taille);
// A 19x19 middle game (row 1 first), white to move: the genmove benchmark's
// and the deadline tests' position.
extern const char* const MILIEU19[19];

// Runs the move entry for `couleur` (every step but the chooser) and the
// chooser's preparation of its search: plateaudepart, phasedebut, the
// switches, the chain table, tablegroupes, the point numbers, debutpartie
// and the cleared pass flags.
void poserecherche(uint8_t couleur, const TConfig& config, const TListeCoups& liste);

// One genmove through the move entry for `couleur`, as from a fresh start:
// the memos of repeated readings emptied and the generator seeded with 1
// (the caller pins the tick counter and the search's reseeding).
TResultatCoup genmovefige(uint8_t couleur, const TConfig& config, const TListeCoups& liste);

}  // namespace fixture
