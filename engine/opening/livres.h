// Position books: the 9x9 book (a result per position after a move) and the
// 19x19 book (good positions only, one table per count of stones), keyed by
// the position-key tables. Tables are loaded from the embedded data at each
// consultation and released right after.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Position keys (over rows and columns 1..taille) -------------------------
// Plain key: XOR of the stone tables; 0 for an empty board.
int32_t calculecle(const TPlateau& p);
// Canonical key: the smallest, as a signed value, of the eight symmetric keys.
int32_t calculeclesymetrie(const TPlateau& p);
// Moyo key for the side to move `couleur`, from the moyo map `moyo`: the
// side's stones, the other side's stones in contact outside its moyo, and the
// empty third-line marks inside the side's moyo; canonical as above.
int32_t calculeclemoyo(const TPlateau& p, const TMarques& moyo, uint8_t couleur);

// ---- Sorted key tables -----------------------------------------------------------
// Looks `cle` up in elements 1..nombre of an ascending 1-based table. Found:
// its index. Not found: the index of the first greater element (nombre + 1
// when none). `nombre` is clipped to the table.
bool cherchecle(int32_t cle, const std::vector<int32_t>& table, int32_t nombre, int32_t& index);

// Loads the four 9x9 tables. A colour whose result item is shorter than its
// key item, or whose keys are not strictly ascending, gets no table (count 0).
void chargebase99(int32_t& nombrenoir, int32_t& nombreblanc);
void liberebase99();
// Loads item "<n>BASE1919CLE" (or "...CLEMOYO") into tabcle1919; its count.
int32_t chargebase1919(int32_t n, bool moyo);
void liberebase1919();

// The opponent has a recommended book reply to the trial position.
bool joueurareponsebase99(const TPlateau& essai, const TInfoChaine& infoessai, int32_t nombrenoir,
                          uint8_t couleur, uint8_t autre, int32_t nombreblanc);
// The 9x9 book on the engine's candidates (scores, the move list, the
// excluded map and the opening flags); nothing from move `limite` on.
void consultebase99(TMarques& exclus, const TPlateau& p, TListePoints& candidats, int32_t limite, TCarte& scores,
                    TCarte& second, int32_t cap);
// A low point with no own stone near it, skipped by the 19x19 book.
bool coupaeviterbase1919(const TPlateau& p, int32_t ligne, int32_t colonne);
// The 19x19 book: writes `choisi` only when it names a single move; with
// more hits every other point is excluded. Releases its table.
void consultebase1919(TPoint& choisi, TMarques& exclus, const TPlateau& p, TCarte& scores, int32_t cap,
                      TListePoints& candidats);

// ---- Test seam -----------------------------------------------------------------
// Replaces where the book items come from (nullptr: the embedded data).
namespace seamlivres {
void fixesource(std::span<const uint8_t> (*source)(std::string_view nom));
}
