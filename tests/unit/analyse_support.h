// Engine set-up shared by the tests of groups, the chain-pair table, the cut
// tests, the dangerous cuts and the linking moves: the position before the
// move, the numbering of its empty points and chain heads, and trial records
// filled by playing on a copy.
#pragma once
#include <gtest/gtest.h>

#include <string_view>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "tests/support/fixture.h"

namespace analyse {

// Numbers the empty points and the chain heads of plateaudepart, black and
// white apart, from 0 in scan order; -1 on the other stones.
inline void numerote() {
  int32_t vides = 0, noirs = 0, blancs = 0;
  const int32_t n = configmoteur.taille;
  numerotation.fill(-1);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (plateaudepart[i] == VIDE) numerotation[i] = vides++;
      else if (tablegroupes[i][1] != 0) numerotation[i] = plateaudepart[i] == NOIR ? noirs++ : blancs++;
    }
}

// Every trial record back to zero.
inline void videessais() {
  for (auto& ligne : essaisordi)
    for (auto& e : ligne) e = TEssaiCoup{};
  for (auto& ligne : essaisjoueur)
    for (auto& e : ligne) e = TEssaiCoup{};
}

// The engine on the diagram as the position before the move: size, tables,
// chain table, plateaudepart, tablegroupes, numerotation; the maps, records,
// groups and zones the analysis reads cleared; `ordi` the engine's colour.
inline TPlateau pose(std::string_view d, int32_t niveau_, uint8_t ordi = NOIR) {
  const TPlateau p = fixture::posemoteur(d);
  couleurordi = ordi;
  couleurjoueur = ordi == NOIR ? BLANC : NOIR;
  niveau = niveau_;
  niveaumin4 = niveau_ >= 4 ? 1 : 0;
  lecturelongue = niveau_ >= 5 ? 1 : 0;
  pointko = TPoint{};
  plateaumoteur = p;
  plateaudepart = p;
  tablegroupes = infochaine;
  numerote();
  for (TMarques* m : {&marquesliaison1, &marquesliaison2, &pionsmortssauves, &pionsmortsbis, &carteattaque,
                      &casescandidates, &casescandidatesjoueur, &marquesglobales, &lesfaibles, &listefaibles,
                      &marquessurvie, &listesurvie})
    m->fill(0);
  for (auto& z : infogroupes) z = ZONEVIDE;
  for (auto& z : infozones) z = ZONEVIDE;
  videessais();
  flagcoupure = 0;
  strategie = 2;
  flagattaque = 0;
  compteurnoeuds = 0;
  return p;
}

// The record of side `cote` (0 engine, 1 opponent) at (r, c).
inline TEssaiCoup& essai(int cote, int32_t r, int32_t c) {
  return cote == 0 ? essaiordi(r, c) : essaijoueur(r, c);
}

// Fills the record of side `cote`'s move at (r, c) from plateaudepart:
// board and chain table after the move, dead marks = pionsmorts; the point
// becomes a candidate of that side. infochaine comes back.
inline void essaie(int cote, int32_t r, int32_t c) {
  const TInfoChaine chaines = infochaine;
  infochaine = tablegroupes;
  TPlateau b = plateaudepart;
  TListePoints prises;
  const uint8_t moi = cote == 0 ? couleurordi : couleurjoueur;
  jouecoup(prises, CAPACITELISTE, b, r, c, moi, moi == NOIR ? BLANC : NOIR);
  TEssaiCoup& e = essai(cote, r, c);
  e.plateauessai = b;
  e.infochaineessai = infochaine;
  e.plateauessai2 = pionsmorts;
  (cote == 0 ? casescandidates : casescandidatesjoueur)[indexcase(r, c)] = 1;
  infochaine = chaines;
}

}  // namespace analyse

namespace analyse {

// essaie, then the link value of the move as the position analysis asks it
// (infochaine and pionsmorts those of the trial). infochaine comes back.
inline void evalue(int cote, int32_t r, int32_t c);

}  // namespace analyse

#include "engine/connection/coupures.h"

inline void analyse::evalue(int cote, int32_t r, int32_t c) {
  essaie(cote, r, c);
  TEssaiCoup& e = essai(cote, r, c);
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  infochaine = e.infochaineessai;
  pionsmorts = e.plateauessai2;
  TPlateau b = e.plateauessai;
  if (cote == 0) evalueessaiordi(b, plateaudepart, r, c);
  else evalueessaijoueur(b, r, c);
  infochaine = chaines;
  pionsmorts = morts;
}
