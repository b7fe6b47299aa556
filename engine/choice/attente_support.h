// Waiting for the support routines of the search (candidate scans, pass and
// catch-up moves, the root's family maps and their sum) and for the position
// analysis: the declarations the search calls, held here until those land.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"
#include "engine/reading/marquagemorts.h"

// The family maps of the turn and what the two position analyses leave.
struct TFamilles {
  TMarques faiblesse{};
  TCarte flou{};
  TCarte coupforceordi{}, coupforcejoueur{};
  TCarte coupuredangereuse{};
  TCarte titebite{};
  TCarte fourchetteordi{}, fourchettejoueur{};
  TCarte iajoueur{};
  TCarte protection{};
  TCarte invasionforteordi{}, invasionfortejoueur{};
  TMarques invasiondefenseordi{}, invasiondefensejoueur{};
  TMarques testtueordi{}, testtuejoueur{}, testvitordi{}, testvitjoueur{};
  TCarte testprojet{};
  TCarte bonusdebutfin{};
  TCarte coupurebambou{};
  TCarte separationordi{}, separationjoueur{};
  TCarte atariordi{}, atarijoueur{};
  TCarte survieordi{}, surviejoueur{};
  TCarte fortificationordi{}, fortificationjoueur{};
  TCarte bonuscombatsemai{};
  TCarte faitmortordi{}, faitmortjoueur{};
  TCarte somme{}, sommejoueur{};
  TMarques marquescandidats{};
  TMarques tvordi{}, tvjoueur{};      // kill-or-live marks of each side
  TMarques mauvaiscoups{};
  TMarques cartetuesordi{}, cartetuesjoueur{}, cartesauvesordi{}, cartesauvesjoueur{};
  TCartesParPoint mortsapresessaiordi{}, mortsapresessaijoueur{};
  TListePoints meilleursadverses{};
};

namespace recherche {
struct TRecherche;
}

// The root's sources: analyses, families, sum and candidate list. False
// when the root ends there (a move chosen or a pass decided).
bool sourcesracine(recherche::TRecherche& r, TListePoints& liste, int32_t d, TPoint dernier, TPoint avantdernier);

void couprattrapagepasse(uint8_t c, uint8_t o, const TMarques& x, const TPlateau& b, TPoint& m);
void couprattrapagepassechinoise(int32_t& passe, uint8_t c, const TMarques& x, const TPlateau& b, TPoint& m,
                                 const TCartesParPoint& te, const TCartesParPoint& to);
void ajoutelibertesfaibles(TPlateau& b, TListePoints& l, uint8_t c, TPoint p1, TPoint p2, TMarques& evasion,
                           int32_t mode);
void ajoutelibertesfaibleszone(TPlateau& b, TListePoints& l, uint8_t c, TPoint p1, TPoint p2, TMarques& evasion,
                               const TPlateau& second, const TMarques& gains, TPoint ko);
void reordonnecoups(const TMarques& listes, TListePoints& l, const TPoint* ligne, int32_t d, int32_t k);
void ajoutepointsvidesentoures(const TPlateau& b, TListePoints& l, const TPoint* ligne, int32_t n, TPoint ko);
