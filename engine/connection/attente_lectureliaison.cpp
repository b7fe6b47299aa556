// Temporary static answers of the connection readings: the rule-set-2 test
// toward the target, as the readings answer up to level 3.
#include "engine/board/parcours.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lectureliaison.h"

bool peutlierachaine(TPlateau& p, const TMarques& A, const TMarques&, const TMarques& T, int32_t, int32_t ligne,
                     int32_t colonne, TPoint) {
  if (A[indexcase(ligne, colonne)]) return false;
  return pionlieachaine(p, T, ligne, colonne);
}

bool peutlierdeuxpions(TPlateau& p, const TMarques& A, const TMarques&, int32_t, int32_t ligneA, int32_t colonneA,
                       int32_t ligneB, int32_t colonneB, TPoint) {
  if (A[indexcase(ligneA, colonneA)] || A[indexcase(ligneB, colonneB)]) return false;
  TMarques vb = marquesvides;
  marquepionschaine(p, vb, 0, ligneB, colonneB);
  if (vb[indexcase(ligneA, colonneA)]) return true;
  return pionlieachaine(p, vb, ligneA, colonneA);
}

int32_t noeudsliaison() { return 0; }
