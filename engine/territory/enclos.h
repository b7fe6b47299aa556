// Enclosed-chain reading: a chain shut into a small zone by enemy chains (the
// wall), with at most two first-line exits; can the enemy kill it? The zone
// is marked first, the wall is checked against the territory fill, then a
// recursive reading with eye-space leaves answers. The unit sits above the
// territory fills its wall test runs.
//
// Every entry gives back the board, infochaine and pionsmorts as they came,
// but for what it says it keeps.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Results of testdeb ------------------------------------------------------------
constexpr int32_t DEBSANSOBJET = 0;  // the reading does not apply (level, dead target, zone, wall, exit)
constexpr int32_t DEBTUEE = 1;       // the chain is killed
constexpr int32_t DEBAILLEURS = 2;   // the trigger point does not concern this zone
constexpr int32_t DEBVIVANTE = 4;    // the chain is not killed (or the zone only was asked for)

// ---- Values of the zone map --------------------------------------------------------
constexpr uint8_t ZONEPOINT = 1;    // point of the zone
constexpr uint8_t ZONECHAINE = 2;   // the chain read
constexpr uint8_t ZONECONTACT = 4;  // own chain next to a strong enemy chain
constexpr uint8_t ZONEMUR = 8;      // wall stone

// Bit of liensessai: the move point and the stones of an enemy chain that the
// reading finds killed by the trial move.
constexpr int32_t BITTUEESSAI = 0x80;

constexpr int32_t CAPACITECHAINESDEB = 300;  // chain list of testdebsurcandidats

// ---- Reading --------------------------------------------------------------------------
// Can the chain through (ligne, colonne) be killed inside its zone? `dernier`
// has just moved, the other colour moves first and may not play at `ko`.
// `carteremplie`/`remplie`: the caller's territory-filled board copy for this
// colour, made here when `remplie` is 0. `morts`: stones already dead;
// `faibles`: a wall stone set there makes the reading inapplicable.
// `zone` gets the zone map (values above). `declencheur` (row 0 = none): a
// point outside the zone must touch it, else DEBAILLEURS. `zoneseule`: build
// the zone and answer DEBVIVANTE; also lets a stone of pionsmorts be read.
// Reads niveau; adds to compteurnoeuds and compteurnoeudsprise.
int32_t testdeb(TPlateau& p, TMarques& carteremplie, uint8_t& remplie, const TMarques& morts, TMarques& zone,
                const TMarques& faibles, int32_t ligne, int32_t colonne, uint8_t dernier, TPoint ko,
                TPoint declencheur, uint8_t zoneseule);

// Weak-wall test: a wall stone (zone map ZONEMUR) set in `faibles`, or a wall
// chain whose surroundings on the filled board reach no safe ground. Makes
// the filled board on first use (`remplie`).
bool testmurfaible(const TPlateau& p, TMarques& carteremplie, uint8_t& remplie, const TMarques& morts,
                   const TMarques& zone, const TMarques& faibles, uint8_t o, uint8_t c);

// ---- After a trial move -----------------------------------------------------------------
// The move (ligne, colonne) of `couleur` is on the board. Reads testdeb on
// its own chain, the enemy chains around it and the chains earlier trials
// killed; a killed chain goes into pionsmorts, an enemy one also into the
// move's trial record (BITTUEESSAI). `resultat` is set to 1 when a chain was
// killed, never cleared. `chaines`: the caller's chain map; `liens`:
// marquesliaison1 or marquesliaison2. `mode` 1 allows a ko beside the move.
// The board comes back as it was.
void testdebsurcandidats(const TMarques& chaines, const TMarques& liens, TPlateau& p, int32_t mode, int32_t colonne,
                         int32_t ligne, int32_t& resultat, uint8_t couleur);

// Over the chain through (ligne, colonne), pionsmorts serving as visited mark:
// sets pionsmorts and BITTUEESSAI in the trial record of the move
// (lignecoup, colonnecoup) of the side whose stone stands there.
void marquechainetueeessai(const TPlateau& p, int32_t lignecoup, int32_t colonnecoup, int32_t ligne,
                           int32_t colonne, int32_t dir);

// Appends to `chaines` one point of every chain of `couleur` set in `zone`
// and not yet in `vu` nor dead, marking the chain in `vu`; a dead stone is
// only marked there. A full list takes no more.
void ajoutechaineszone(const TPlateau& p, uint8_t couleur, TMarques& vu, const TMarques& zone,
                       TListePoints& chaines, int32_t cap);
