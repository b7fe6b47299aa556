// Stand-in candidate filters until they are in place: no region, no point.
#include "engine/choice/filtres.h"

void reperezonesouverture(const TPlateau&, TListePoints&, const TCarte&, const TCarte&) {}
void filtreouverture(TListePoints&) {}
void candidatsdernierecoup(TPlateau&, uint8_t, TListePoints&, TPoint, TPoint) {}
void ajoutelibertesessai(const TCarte&, const TCarte&, TPlateau&, TListePoints&, TPoint, TPoint) {}
