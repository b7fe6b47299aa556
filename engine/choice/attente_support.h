// Waiting for the support routines of the search (candidate scans, pass and
// catch-up moves, the root's family maps and their sum) and for the position
// analysis: the declarations the search calls, held here until those land.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/reading/marquagemorts.h"

// One 361-byte map per tried point: entry [row-1][col-1].
using TCartesParPoint = std::array<std::array<TMarques, TAILLEMAX>, TAILLEMAX>;
inline TMarques& carteessai(TCartesParPoint& t, int32_t ligne, int32_t colonne) {
  return t[ligne - 1][colonne - 1];
}

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

// ---- Search support (zones of the line, liberties around a chain) ---------------------
void marquezoneautour(const TPlateau& p, const TCheminCoups& chemin, int32_t profondeur, int32_t rayon);
void zoneautourchaine(TPlateau& p, int32_t limite, int32_t ligne, int32_t colonne, int32_t mode1, int32_t mode2,
                      TListePoints& l, uint8_t& flag);

// ---- Evaluation terms: each adds to `valeur` for the move of m at (ligne,
// colonne) at depth d of the line -----------------------------------------------------
#define TERME(nom) void nom(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne)
TERME(bonusdifferenceterritoire);
TERME(empechedefaire2yeux);
TERME(bonusinvasion);
TERME(bonusmoyodomine);
TERME(bonusreprisevoisins);
TERME(bonusrelielesgroupes);
TERME(bonuscoupforcejoueur);
TERME(bonuspierreisoleebord);
TERME(bonuslecturezone);
TERME(bonuscoupforceordi);
TERME(bonuslibertescoup);
TERME(bonusmarquesmorts);
TERME(bonusstrategiecoup);
TERME(bonuspierresprenables);
TERME(ajustemortsterritoire);
TERME(bonusterritoire);
TERME(ajustevaleurcandidat);
TERME(bonusfaibles);
TERME(bonusfaiblesliees);
TERME(zonevide3x3);
TERME(bonusesca);
TERME(bonuscoins);
TERME(bonusrampebord);
TERME(bonusatari);
TERME(bonussortieesca);
TERME(bonusliaisonsurvie);
TERME(bonusmortsprofondeur);
TERME(bonusvoisinsatari);
TERME(bonusbord);
TERME(termeinactif);
TERME(bonusformecoupure);
TERME(bonuscartesdeuxcoups);
TERME(bonusmortssauvesessai);
TERME(bonuscapturesligne);
TERME(bilanpierresfinal);
#undef TERME
void bonusdeuxyeuxcoupure(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t ligne, int32_t colonne,
                          uint8_t& resultat);
void pointkocourant(TPoint& sortie);
int32_t testechaineh8(const TInfoChaine& chaines, const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c);
void bonuslibertesvoisines(TPlateau& p, int32_t& valeur, uint8_t m, int32_t chaine, int32_t d, int32_t ligne,
                           int32_t colonne);
void comptezonevoisins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne,
                       int32_t rayon);
void bonusvoisinsennemis(TPlateau& p, int32_t& valeur, uint8_t m, int32_t mode, int32_t ligne, int32_t colonne,
                         int32_t faiblesse);
