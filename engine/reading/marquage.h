// Capturable-chain marking: the capture reading's answers written as dead
// marks (pionsmorts) chain by chain. Every trial stone is played on the
// caller's board and taken back; the board and infochaine come back as they
// were. The ko point passed to the readings is pointko unless said otherwise.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPACITEMARQUAGE = 300;  // lists of liberties, stones and gathered chains

// Bits of the trial records written or read by the marking passes.
constexpr int32_t BITRELUVIVANT = 0x40;   // formeessai: the chain survives its re-reading
constexpr int32_t BITMENACEESSAI = 4;     // liensessai: the stone is threatened by the trial move
constexpr int32_t BITCHAINESPRENABLES = 1;  // flags of chainesennemiesprenables: a chain lost outside M

// pionsmorts := pionsmortssauves, then every chain with at most N reading
// liberties and not in marquesglobales is marked dead when it is lost
// (testprise at depth D, `couleur` having just moved); a chain of `couleur`
// in atari without reading.
void marquechainesprenables(TPlateau& p, int32_t profondeur, int32_t limite, uint8_t couleur);

// Marks dead every stone of `couleur` whose chain is in atari, then reads the
// chain at `point` (row 0 = none) when it is unmarked with at most N reading
// liberties. `change` is 1 when anything was marked, else 0.
void marquechainesenatari(uint8_t couleur, TPlateau& p, int32_t& change, int32_t profondeur, TPoint point,
                          int32_t limite);

// testprise of the chain at (ligne, colonne) after `couleur` (enemy `autre`)
// has filled the liberties of the neighbouring chains in atari; false when
// there are none.
bool testpriseaprescoup(TPlateau& p, int32_t ligne, int32_t colonne, int32_t profondeur, int32_t limite,
                        uint8_t couleur, uint8_t autre);

// For a chain marked dead: extends it on its first liberty; when it then
// survives, sets BITRELUVIVANT in its trial record and re-reads the chains
// of the region flagged in `marques` (dead and alive alike).
void revisechainesmortes(const TMarques& marques, TPlateau& p, int32_t inutilise, int32_t profondeur,
                         int32_t ligne, int32_t colonne, int32_t limite);

// Reads the enemy chains next to the chain at `premier` (colour c1 passed to
// the readings) and, from level 8, next to the chain at `second` (c2; enemy
// stones set in `a` skipped). The lost ones are marked in `sortie` (which
// starts as pionsmorts), and sets flagrelie. pionsmorts is not changed.
void testprisechainesvoisines(const TMarques& a, TMarques& sortie, TPlateau& p, uint8_t c1, uint8_t c2,
                              int32_t profondeur, TPoint premier, TPoint second, int32_t limite);

// Marks dead the enemy chains gathered around the group at (ligne, colonne)
// that are lost, the enemy stones flagged in `marques`, and the weak enemy
// chains of the board that are lost; `drapeaux` gets BITCHAINESPRENABLES
// for a lost chain not flagged in `marques`. `mode` <= 0: a window of
// half-width 2 around the point, else 1. marquesglobales comes back.
void chainesennemiesprenables(TPlateau& p, const TMarques& marques, int32_t& drapeaux, int32_t profondeur,
                              int32_t ligne, int32_t colonne, int32_t limite, int32_t mode);

// After the trial moves at `a` (opponent) and `b` (engine), reads the chains
// their records flag as threatened (BITMENACEESSAI) and marks the lost ones;
// two or more threatened engine chains lost together are marked together.
// `paire` is the ko point of those readings. `mode` 1 skips the opponent's
// record, 2 the engine's; `premier` 1 leaves the chain at `b` out.
void testprisesapresessai(TPlateau& p, uint8_t couleur, int32_t profondeur, TPoint paire, int32_t& change,
                          int32_t mode, int32_t premier, TPoint a, TPoint b, int32_t limite);
