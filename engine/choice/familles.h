// The move families' score maps of one turn and the root pipeline that
// fills them: the two position analyses, the end-of-game evaluation, the
// candidate top-ups, the cut and link analyses, the families themselves,
// the opening and calm exits, the root candidate list, and the two sums.
// The maps belong to the search state of the turn (static or heap storage,
// never the stack) and start at zero; a family writes the larger of the old
// and its new value per point unless its own unit says otherwise.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

struct TFamilles {
  // ---- Family maps ("label" of the trace dump); ordi = engine, joueur = opponent ----
  TMarques faiblesse{};                             // "faiblesse": weakness map of the first analysis
  TCarte flou{};                                    // "flou": fuzzy territory, summed value
  TCarte coupforceordi{}, coupforcejoueur{};        // "coup force mort ou invasion"
  TCarte coupuredangereuse{};                       // "coupure dangereuse"
  TCarte titebite{};                                // "titebite"
  TCarte fourchetteordi{}, fourchettejoueur{};      // "fourchette"
  TCarte iajoueur{};                                // "IAjoueur"
  TCarte protection{};                              // "protection"
  TCarte invasionforteordi{}, invasionfortejoueur{};  // "invasionforte"
  TMarques invasiondefenseordi{};                   // "invasion_defense ordi"
  TMarques invasiondefensejoueur{};                 // "invasion_defense joueur"
  TMarques testtueordi{}, testtuejoueur{};          // "test tue" (weak-chain classification)
  TMarques testvitordi{}, testvitjoueur{};          // "test vit" (the same)
  TCarte testprojet{};                              // "test projet"
  TCarte bonusdebutfin{};                           // "bonus de debut ou de fin de partie"
  TCarte coupurebambou{};                           // "coupure bambou separation"
  TCarte separationordi{}, separationjoueur{};      // "separation"
  TCarte atariordi{}, atarijoueur{};                // atari terms of the first and second analyses
  TCarte survieordi{}, surviejoueur{};              // "survie"
  TCarte fortificationordi{}, fortificationjoueur{};  // "fortification"
  TCarte bonuscombatsemai{};                        // "bonuscombatsemai"
  TCarte faitmortordi{}, faitmortjoueur{};          // "faitmort": situation value of each trial
  TCarte somme{};                                   // "somme": the engine's sum
  TCarte sommejoueur{};                             // the opponent's sum

  // ---- Root marks ---------------------------------------------------------------------
  TMarques marquescandidats{};                      // 1 = a listed root candidate
  TMarques tvordi{}, tvjoueur{};                    // 1 = a kill-test or live-test mark of that side

  // ---- What the two position analyses leave (first: engine, second: opponent) ----
  TMarques mauvaiscoups{};                          // points refused as engine moves
  TMarques cartetuesordi{}, cartetuesjoueur{};      // stones each trial kills
  TMarques cartesauvesordi{}, cartesauvesjoueur{};  // stones each trial saves
  TCartesParPoint mortsapresessaiordi{}, mortsapresessaijoueur{};      // dead marks after each trial
  TCartesParPoint mortsapreslectureordi{}, mortsapreslecturejoueur{};  // the same after its readings
  TMarques deuxyeuxordi{}, deuxyeuxjoueur{};        // 0 not tested, 1 two eyes possible, 2 not
  std::array<TCarte, 2> consolidation{};            // consolidation values, territory gains
  TListePoints meilleursadverses{};                 // the opponent's best one or two points (300)
  int32_t porteezone = 0;                           // zone reach of the analyses, 0 or 10
  TMarques pertes{};                                // own stones an engine stone would lose (end of game)
  int32_t nbcandidats = 0;                          // root list count before the weak-chain step
  int32_t invasionjoueur = 0;                       // the opponent's total "invasionforte" value
};

// The root's pipeline on the search board `b` for `couleur` (the engine) and
// `autre`: fills `f`, stores the dead mask of depth 1 in `mortsracine`,
// builds the root list `candidats` (capacity 361) with the important points
// `importants` (300) and the book map `livre`, copies the list into
// `candidatsracine`, then the two sums. False when the root ends there: a
// move of the opening procedure or the book in `choisi`, or a pass decided
// (ordipasse 1).
bool famillesracine(TFamilles& f, TPlateau& b, uint8_t couleur, uint8_t autre, TPoint dernier, TPoint avantdernier,
                    TMarques& mortsracine, TListePoints& candidats, TListePoints& candidatsracine,
                    TListePoints& importants, TMarques& livre, TPoint& choisi);

// The two sums over 1..taille, plain 32-bit additions over the whole map.
void sommecartes(TFamilles& f);
