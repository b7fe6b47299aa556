// What every move family shares: the trial-move guard, the value rule, the
// bounded list appends and the names under which the families read the
// trial records.
#pragma once
#include <algorithm>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/garde.h"
#include "engine/board/listecoups.h"
#include "engine/board/types.h"

// Capacities of the family lists: the node's candidate list and the main
// search's family list. A full list takes no more points.
constexpr int32_t CAPACITELISTECANDIDATS = 361;
constexpr int32_t CAPACITEFAMILLE = 300;

// ---- Trial-move protocol ---------------------------------------------------------
// The guard of a family that plays trial stones, kept for its whole run:
// `restaure()` after each trial and the end of the scope put back the board,
// `infochaine` and `pionsmorts`, so it never leaves a stone on the board nor
// a change in the chain table or the dead marks for its successors.
using TGardeEssai = RestaurePosition;

// Loads a trial record's position: its board, chain table and dead marks.
inline void chargeessai(TPlateau& p, const TEssaiCoup& e) {
  p = e.plateauessai;
  infochaine = e.infochaineessai;
  pionsmorts = e.plateauessai2;
}

// ---- Value rule -------------------------------------------------------------------
// A point keeps the largest value any family run wrote into the map.
inline void ecritvaleur(TCarte& carte, int32_t i, int32_t v) {
  if (v > carte[i]) carte[i] = v;
}

// Appends (r, c) to a family list unless it holds it already or is full.
inline void proposecase(TListePoints& l, int32_t cap, int32_t r, int32_t c) { ajoutecaseliste(r, c, l, cap); }

// ---- Trial-record fields under the families' names ---------------------------------------
// The families name the record's fields their own way; these are the
// fields they mean.
// The dead-stone mask after the trial.
inline const TMarques& pionsmortsessai(const TEssaiCoup& e) { return e.plateauessai2; }
// The trial's kill and save counts of its valuation (`gainmoyoordi`,
// `gainmoyojoueur`): the pair the position analysis sets against
// compteur1essai and compteur2essai for maxgainmoyo. The families call them
// compteur0essai and compteur3essai; the record's own field compteur3essai
// (own stones left threatened) is compteur7essai to them. Families read the
// counters through these accessors only.
inline int32_t compteur0essai(const TEssaiCoup& e) { return e.gainmoyoordi; }
inline int32_t compteur3essai(const TEssaiCoup& e) { return e.gainmoyojoueur; }
inline int32_t compteur7essai(const TEssaiCoup& e) { return e.compteur3essai; }
// The record's territory counter, under its own name.
inline int32_t compteur4essai(const TEssaiCoup& e) { return e.compteur4essai; }
// Opponent stones killed or own stones saved by the trial, whichever is
// larger: its largest value over the records is maxprisesessais.
inline int32_t compteur6essai(const TEssaiCoup& e) { return std::max(e.nbtuesessai, e.nbsauvesessai); }
// The turn's largest paired count (see compteur0essai).
inline int32_t maxcompteursessais() { return maxgainmoyo; }
// Flag word of the record: its shape flags (1, 2, 4 eye-like neighbours,
// 0x80, 0x100 point patterns, 0x800 a true eye).
inline int32_t indicateursessai(const TEssaiCoup& e) { return e.formeessai; }
// The trial stone is linked to a live chain.
inline uint8_t marqueliaisonessai(const TEssaiCoup& e) { return e.lievivanteessai; }
// Link flags of the weak-chain classification: the trial stone is linked to
// a strong stone, can be linked to one, links to a weak stone (a byte read
// from the low byte of the record's mark word).
inline uint8_t& lieaunfortessai(TEssaiCoup& e) { return e.flagessai1; }
inline uint8_t lieaunfortessai(const TEssaiCoup& e) { return e.flagessai1; }
inline uint8_t& peutlierfortessai(TEssaiCoup& e) { return e.flagessai2; }
inline uint8_t lieaunfaibleessai(const TEssaiCoup& e) { return static_cast<uint8_t>(e.marqueessai & 0xFF); }
inline void metlieaunfaibleessai(TEssaiCoup& e, uint8_t v) { e.marqueessai = (e.marqueessai & ~0xFF) | v; }

// ---- The opponent's weak-chain maps under the families' names ------------------------
// Weak opponent stones (nonzero = weak) and strong opponent stones.
inline TMarques& lesfaiblesjoueur() { return marquessurvie; }
inline TMarques& fortsjoueur() { return listesurvie; }

// ---- Trials too small for the opening corner families --------------------------------
// The engine's trial points whose two counts (compteur0essai, compteur3essai)
// both stay below flagouverture - 1, marked 1; none unless flagouverture is
// above 2.
inline TMarques petitsessaisouverture() {
  TMarques m = marquesvides;
  if (flagouverture <= 2) return m;
  const int32_t n = configmoteur.taille;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const TEssaiCoup& e = essaiordi(l, c);
      if (compteur0essai(e) < flagouverture - 1 && compteur3essai(e) < flagouverture - 1) m[indexcase(l, c)] = 1;
    }
  return m;
}
