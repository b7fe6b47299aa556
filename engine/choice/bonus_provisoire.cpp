// Stand-in evaluation terms until they are in place: each adds nothing.
#include "engine/choice/bonus.h"

void bonuslibertesvoisines(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}

void comptezonevoisins(TPlateau&, int32_t&, uint8_t, uint8_t, int32_t, int32_t, int32_t) {}

int32_t liaisonchainesenatari(int32_t&, const TPrisesMarquees&, TPlateau&, uint8_t, uint8_t, int32_t, int32_t) {
  return 0;
}

void bonuscoupureregions(const TMarques&, const TMarques&, TListePoints&, TPlateau&, const TPlateau&, int32_t,
                         int32_t, int32_t&, uint8_t) {}

void bonusvoisinsennemis(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}

void bonusbord(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}

void zonevide3x3(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}

void effacecartebonus(TCarte&) {}

void bonusesca(TPlateau&, int32_t&, uint8_t, const TMarques&, int32_t, int32_t, int32_t, int32_t) {}
void bonusatari(TPlateau&, int32_t&, uint8_t, int32_t, uint8_t, int32_t, int32_t, int32_t, int32_t) {}
void bonusvoisinsatari(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, int32_t) {}
void bonussortieesca(TPlateau&, int32_t&, uint8_t, const TMarques&, int32_t, int32_t, int32_t) {}
void bonuscoins(TPlateau&, int32_t&, uint8_t, uint8_t, int32_t, int32_t) {}
void termeinactif(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}
void bonusformecoupure(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}
void bonusmortsprofondeur(TPlateau&, int32_t&, uint8_t, int32_t, uint8_t, const TMarques&, const TMarques&, int32_t,
                          int32_t) {}
void bonusrelielesgroupes(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}
void empechedefaire2yeux(TPlateau&, int32_t&, uint8_t, uint8_t, TMarques&, int32_t, int32_t) {}
void bonuspierreisoleebord(TPlateau&, int32_t&, uint8_t, uint8_t, uint8_t, int32_t, int32_t) {}
void bonusrampebord(TPlateau&, int32_t&, uint8_t, int32_t, int32_t) {}
void pointkocourant(TPoint& sortie) { sortie = pointko; }

void bonusterritoire(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void ajustemortsterritoire(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusdifferenceterritoire(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}

void bonusmortssauvesessai(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusfaiblesliees(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusfaibles(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void ajustevaleurcandidat(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusstrategiecoup(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonuscartesdeuxcoups(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonuscapturesligne(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusdeuxyeuxcoupure(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t, uint8_t&) {}
void bonuslibertescoup(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusmarquesmorts(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusreprisevoisins(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusliaisonsurvie(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonuspierresprenables(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonuscoupforceordi(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonuscoupforcejoueur(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusinvasion(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonuslecturezone(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bilanpierresfinal(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusmoyodomine(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
