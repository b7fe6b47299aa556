#include "engine/choice/superko.h"

#include <string>

#include "engine/board/cles.h"
#include "engine/board/trace.h"

void ajoutehistorique(uint32_t cle) {
  int32_t& n = historiquehash.nombre;
  if (n < 0) n = 0;
  if (n >= MAXHISTORIQUEHASH) {
    for (int32_t k = 1; k < MAXHISTORIQUEHASH; ++k) historiquehash.cles[k] = historiquehash.cles[k + 1];
    n = MAXHISTORIQUEHASH - 1;
  }
  historiquehash.cles[++n] = cle;
}

void testsuperko(int32_t ligne, int32_t colonne, const TPrisesMarquees& prises) {
  // Only a real point, with a history, under a superko rule.
  const int32_t regle = configmoteur.regleko;
  const int32_t n = historiquehash.nombre < MAXHISTORIQUEHASH ? historiquehash.nombre : MAXHISTORIQUEHASH;
  if (ligne <= 0 || n <= 0 || regle <= 1) return;
  if (ligne > configmoteur.taille || colonne < 1 || colonne > configmoteur.taille) return;
  // The current position with the engine's stone.
  uint32_t cle = historiquehash.cles[n];
  xorclepion(cle, ligne, colonne, couleurordi);
  // Less the stones it took.
  const uint8_t autre = couleurordi == BLANC ? NOIR : BLANC;
  const int32_t nbprises = prises[0] < MAXPOINTSLISTE ? prises[0] : MAXPOINTSLISTE;
  for (int32_t k = 1; k <= nbprises; ++k) xorclepion(cle, prises[3 * k], prises[3 * k + 1], autre);
  // Situational superko: the side to move is part of the key.
  if (regle == 3) cle ^= cletrait;
  // Newest first.
  for (int32_t k = n; k >= 1; --k) {
    if (historiquehash.cles[k] != cle) continue;
    casesinterdites[indexcase(ligne, colonne)] |= 0x01;
    casesinterdites[0] |= 0x02;
    ecritdebug(std::string(regle == 3 ? "KO situationnel:" : "KO positionnel:") + std::to_string(ligne) + "-" +
               std::to_string(colonne));
    return;
  }
}
