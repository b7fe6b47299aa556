// Chain capture reading of the main search: after a searched move, which
// chains a direct capture reading finds capturable, marked dead in
// pionsmorts. Everything here plays on plain boards (walks, no chain table)
// and takes its moves back; the readings add their nodes to
// compteurnoeudslecture.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPTURECHAINE = 1000;   // the chain can be captured
constexpr int32_t PLISMAXCAPTURE = 30;    // deepest depth the reading takes
constexpr int32_t CAPACITECAPTURE = 300;  // liberty and neighbour lists

// Liberty limit per ply 1..D+1 (index 0 unused): at a ply, a chain whose
// liberties reach the limit has escaped.
using TLimitesCapture = std::array<int32_t, PLISMAXCAPTURE + 2>;
void construitlimitescapture(TLimitesCapture& limites, int32_t profondeur, int32_t cap);

// Restores pionsmorts from pionsmortssauves, then marks dead every chain the
// reading finds capturable (liberty cap n, depth d). Chains of colour c
// (2 = none) are read with their opponent to move, the others with their own
// side to move. Chains in marquesglobales are never read. The board comes back.
void detectcaptureschaines(TPlateau& p, int32_t n, int32_t d, uint8_t c);

// Re-examines the chain at (r, c) after a move there and the chains in the
// square of radius `rayon` around it, (r2, c2) first when r2 is not 0;
// `change` is set to 1 whenever a dead mark is added or removed. Reads
// infochaine, which must describe the board at the call. The board comes back.
void analysechaine(TPlateau& p, int32_t& change, int32_t profondeur, int32_t r, int32_t c, int32_t r2, int32_t c2,
                   int32_t n, int32_t rayon, int32_t mode);

// Reads the chain through (r, c) with the liberties `libertes`, the defender
// to move: 1000 when every defence is caught within depth D, else 0.
// `adversaires` is scratch for the neighbour lists of the reading; `mode`
// (1 from the board scans, 2 after an attacker's first move) reads the same.
void lancedetectcapture(TListePoints& adversaires, int32_t cap, const TListePoints& libertes, TPlateau& p,
                        uint8_t attaquant, uint8_t defenseur, int32_t& resultat, int32_t mode, int32_t profondeur,
                        int32_t n, int32_t r, int32_t c);

// The attacker moves first on each liberty of the chain at (r, c) and the
// chain is read after it: 1000 when one such move captures, else 0.
void captureparatari(TPlateau& p, uint8_t attaquant, uint8_t defenseur, int32_t n, int32_t profondeur, int32_t r,
                     int32_t c, int32_t& resultat);

// The attacker tries each listed point on a copy: false at the first move
// that captures; true once two moves are refused.
bool deuxrefus(const TListePoints& l, int32_t cap, const TPlateau& p, uint8_t attaquant, uint8_t defenseur);

// Orders the liberties of the chain marked in `chaine` for the defender: by
// decreasing count of empty neighbours that are not liberties (`libertes`)
// and of defender stones outside the chain, equal counts in their order.
// Sets `evasion` instead when a liberty would bring the chain to `limite`
// or touches a defender stone in marquesglobales.
void ordrecaptures(const TPlateau& p, uint8_t defenseur, const TMarques& chaine, uint8_t& evasion, int32_t limite,
                   const TMarques& libertes, TListePoints& liste);
