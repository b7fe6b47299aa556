// Dangerous cuts. cherchecoupuresdangereuses scores the trial moves of
// either side that cut with a shape the other side cannot mend, and the
// engine's neighbouring moves that prevent an opponent's cut; the twins
// nouvellecoupuredangereusejoueur / ...ordi value the confirmed linking
// points of one side that the other can occupy with a cut that costs
// territory. Each raises a caller's value map (never lowers it), appends to
// the caller's move list and raises flagcoupure; nothing below level 4.
// The unit sits with the territory analysis, whose status driver and
// estimate the twins replay.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPACITECOUPURES = 300;   // the procedures' own lists
constexpr int32_t CAPACITELISTECOUPS = MAXPOINTSLISTE;  // the caller's move list
constexpr int32_t COUPUREACCEPTEE = 0x100;  // liensessai bit: killed by the cut / point accepted

// The caller's score maps the cut search reads: the pressure a + b that
// caps a value, and the two sums handed to the test as threshold terms.
struct TCartesPression {
  const TCarte& a;
  const TCarte& b;
  const TCarte& terme1a;
  const TCarte& terme1b;
  const TCarte& terme2a;
  const TCarte& terme2b;
};

// The weak-chain maps of both sides the cut test reads: the engine's
// (listefaibles, lesfaibles) and the opponent's (listesurvie,
// marquessurvie); the engine passes its globals of those names.
struct TCartesFaibles {
  const TMarques& listesurvie;
  const TMarques& marquessurvie;
  const TMarques& listefaibles;
  const TMarques& lesfaibles;
};
// The engine's own weak-chain maps as such a record.
inline TCartesFaibles cartesfaibles() { return {listesurvie, marquessurvie, listefaibles, lesfaibles}; }

// Value of the cut made by the `coupeur` stone at (r, c) against `coupe`,
// on `p` as the caller loaded it (infochaine and pionsmorts with it): the
// best shape score of the four fronts less the threshold gain + terme1 +
// terme2, or 0. The weak maps of the cut side are read from `faibles`.
// Board, infochaine and pionsmorts come back.
int32_t testecoupuredangereuse(TPlateau& p, int32_t r, int32_t c, int32_t gainmoyo, int32_t mode, uint8_t coupeur,
                               uint8_t coupe, const TCartesFaibles& faibles, int32_t terme1, int32_t terme2);

// The cuts of the opponent, then of the engine (`couleur` the engine's
// colour), with the prevention points of the opponent's cuts. Board,
// infochaine and pionsmorts come back.
void cherchecoupuresdangereuses(TPlateau& p, TCarte& valeurs, TListePoints& liste, uint8_t couleur,
                                uint8_t couleuradverse, const TCartesPression& cartes);

// The opponent cutting the engine at its confirmed linking points, then the
// damping and spreading passes; `scores` gives the threshold term, `classes`
// and `classes2` the class maps of the dead-change test. Everything but the
// value map, the list, flagcoupure and the 0x100 bits comes back.
void nouvellecoupuredangereusejoueur(TPlateau& p, TCarte& valeurs, TListePoints& liste, const TCarte& scores,
                                     const TMarques& classes, const TMarques& classes2);
// The twin: the engine cutting the opponent (no damping or spreading).
void nouvellecoupuredangereuseordi(TPlateau& p, TCarte& valeurs, TListePoints& liste, const TCarte& scores,
                                   const TMarques& classes, const TMarques& classes2);

// Territory swing at (r, c) for the side whose chains are at stake (`cote`
// 0 the engine's, 1 the opponent's): its balance after its own move there
// less its balance after the other side's. In each replay the stones of
// `A` are set dead, the status of the side's chains and the seki test are
// rerun, and with `compteur1` > 0 the stones of `B` are cleared again;
// its stones newly dead get bit 0x100 in both records and count into
// `compteur2`. Board, infochaine, pionsmorts and marquesglobales come back.
int32_t rejouesijoueurajoue(TPlateau& p, const TMarques& A, const TMarques& B, int32_t cote, int32_t r, int32_t c,
                            int32_t& compteur1, int32_t& compteur2);

// Dead-change test of a separated pair: the stone v weaker than its
// partner u once the cutter holds (r, c). `forme` 1 reads pionsmortsbis
// with the engine's chains cut, 2 carteattaque with the opponent's.
bool testchangementmort(const TPoint& u, const TPoint& v, int32_t r, int32_t c, const TMarques& classes,
                        const TMarques& classes2, int32_t forme);
// Relink count of a pair: the candidate points of the side (cote 0 engine,
// 1 opponent) other than (r, c) whose move links the chains of a and b.
int32_t comptereliaisons(int32_t cote, const TPoint& a, const TPoint& b, int32_t r, int32_t c);
