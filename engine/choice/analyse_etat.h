// The state of one position analysis, shared by its files: the call's
// arguments, the snapshots every trial starts from, the trial in progress
// and the tried points. One call at a time; the storage is static.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

namespace analyse {

constexpr int32_t CAPACITELIBERTES = 300;  // liberty lists of the trials
constexpr int32_t PENALITE = -1000;        // value and zone start of a refused trial

// The trial at p = (ligne, colonne) in progress.
struct TEssaiEnCours {
  int32_t ligne = 0, colonne = 0;
  int32_t i = 0;                   // index of p
  TPrisesMarquees prises;          // stones the move captured, with their dead flag
  int32_t nbprises = 0;
  int32_t termeprise = 0;          // nbprises; a recapture's penalty replaces it
  int32_t statut = 0;              // status code of the dead-chain tests
  TMarques apreslecture;           // pionsmorts after the capture readings
  bool lievivante = false;         // linked to a live chain
  bool lieterritoire = false;      // linked to a live chain and to own territory
  bool enterritoireadverse = false;
  TListePoints sauvetages;         // own stones the move took out of atari
  TListePoints reprises;           // own stones taken out of the dead mask
  int32_t mortsnoirs = 0, mortsblancs = 0;  // dead stones after the trial
  // Valuation.
  int32_t locale = 0;
  int32_t penalite = 0;
  bool sauve = false;
};

struct TAnalyse {
  // ---- Arguments --------------------------------------------------------------------
  std::array<TCarte, 2>* carteconsolidation;
  TCartesParPoint* mortsapresessai;
  TCartesParPoint* mortsapreslecture;
  int32_t lignedernierecoup, colonnedernierecoup;
  int32_t* porteezone;
  TCarte *valeursatari, *cartefaitmort, *cartefourchette, *carteflou, *carteseparation;
  TMarques *carteinvasiondefense, *cartefaiblesse, *cartetues, *cartesauves, *cartedeuxyeux, *mauvaiscoups;
  uint8_t pourordi;
  int32_t nbcandidatsvaleur, nbcandidatssupp, profondeurprise;
  uint8_t couleur, couleuradverse;
  TListePoints *candidats, *meilleursadverses;

  // ---- Snapshots of the call ------------------------------------------------------------
  TPlateau plateau;            // working board
  TPlateau restauration;       // the board every trial starts from
  TInfoChaine chainesentree;   // infochaine on entry
  TMarques mortsentree;        // pionsmorts on entry
  TMarques marqueslecture;     // reading marks: marquesliaison1 or 2
  TMarques marquesstatut;      // dead marks of the position without a move
  TMarques territoireentree;   // territoire on entry (pourordi 0)
  TCarte survie;               // valeurssurvie before the status pass (pourordi 1)
  TCarte proprietaires;        // territory estimate of the position (positive black)
  int32_t blancs0 = 0, noirs0 = 0;            // territory counts of the estimate
  TMarques zoneinvasion;       // the other side's invasion zone
  bool consolidation = false;  // consolidation scoring of the trials
  int32_t valeurconsolidation = 0;
  int32_t mortsnoirs0 = 0, mortsblancs0 = 0;  // dead stones before the trials
  int32_t evenements = 0;      // trials that killed or saved
  int32_t interrupteur = 0;    // level switch of the dead-chain tests

  TEssaiCoup& record(int32_t r, int32_t c) const { return pourordi ? essaiordi(r, c) : essaijoueur(r, c); }
  TEssaiCoup& autrerecord(int32_t r, int32_t c) const { return pourordi ? essaijoueur(r, c) : essaiordi(r, c); }
  TMarques& apresessai(const TEssaiEnCours& e) const { return carteessai(*mortsapresessai, e.ligne, e.colonne); }
  TMarques& apreslecture(const TEssaiEnCours& e) const { return carteessai(*mortsapreslecture, e.ligne, e.colonne); }

  // ---- The trial in progress and the tried points -------------------------------------------
  TEssaiEnCours essai;
  TEssaisAnalyse essaies;
};

// Own total minus the other's: the dead-stone influence count, or the zone
// count of reach porteezone + 5 around (ligne, colonne) (row 0 = none).
int32_t bilanzones(const TAnalyse& a, int32_t ligne, int32_t colonne);
// The region count's difference in the same orientation.
int32_t bilanregions(const TAnalyse& a);

// The trial at (ligne, colonne) up to the dead counts after it; false when
// the move is refused (nothing recorded).
bool joueessai(TAnalyse& a, int32_t ligne, int32_t colonne);
// Its valuation, the recapture of a self-atari, the recording of its value;
// puts the working board back.
void evalueessai(TAnalyse& a);

}  // namespace analyse
