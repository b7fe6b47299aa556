// Candidate filters of the main recursion: the opening regions that trim
// the root list, the tactical candidates around a last move, and the
// liberties of the chains a trial move changes.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The opening regions of the best family values of each side (`ordi` and
// `joueur`); trims the root list to them past its first five points.
void reperezonesouverture(const TPlateau& p, TListePoints& candidats, const TCarte& ordi, const TCarte& joueur);
// Drops the candidates outside the opening regions.
void filtreouverture(TListePoints& candidats);
// Appends the tactical points around the last move (liberties, weak
// neighbours that the capture reading takes); `flag` reuses the cache.
void candidatsdernierecoup(TPlateau& p, uint8_t flag, TListePoints& candidats, TPoint ko, TPoint dernier);
// Appends the liberties of the chains whose status the trial at `essai` changes.
void ajoutelibertesessai(const TCarte& a, const TCarte& b, TPlateau& p, TListePoints& candidats, TPoint ko,
                         TPoint essai);
