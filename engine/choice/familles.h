// The move families' score maps of one turn and the family frame that
// fills them: the 29 steps the root of the search runs in a fixed order
// (the two position analyses, the end-of-game evaluation, the candidate
// top-ups, the cut and link analyses, the families themselves, the opening
// and calm exits, the root candidate list, the timing and the two sums).
// The maps belong to the search state of the turn (static or heap storage,
// never the stack); a family writes the larger of the old and its new value
// per point unless its own unit says otherwise.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"
#include "engine/proposals/survie.h"

struct TCartesFamilles {
  // ---- Family maps ("label" of the trace dump); ordi = engine, joueur = opponent ----
  TMarques faiblesse;                             // "faiblesse": weakness map of the first analysis
  TCarte flou;                                    // "flou": fuzzy territory, summed value
  TCarte floudepart;                              // "flou" as the first analysis left it
  TCarte moyo;                                    // "moyo": framework values
  TCarte coupforceordi, coupforcejoueur;          // "coup force mort ou invasion"
  TCarte coupuredangereuse;                       // "coupure dangereuse"
  TCarte titebite;                                // "titebite"
  TCarte fourchetteordi, fourchettejoueur;        // "fourchette"
  TCarte iajoueur;                                // "IAjoueur"
  TCarte protection;                              // "protection"
  TCarte invasionforteordi, invasionfortejoueur;  // "invasionforte"
  TMarques invasiondefenseordi;                   // "invasion_defense ordi"
  TMarques invasiondefensejoueur;                 // "invasion_defense joueur"
  TMarques testtueordi, testtuejoueur;            // "test tue": stones a trial kills
  TMarques testvitordi, testvitjoueur;            // "test vit": stones a trial saves
  TCarte testprojet;                              // "test projet"
  TCarte bonusdebutfin;                           // "bonus de debut ou de fin de partie"
  TCarte coupurebambou;                           // "coupure bambou separation"
  TCarte separationordi, separationjoueur;        // "separation"
  TCarte atariordi, atarijoueur;                  // atari terms of the first and second analyses
  TCarte survieordi, surviejoueur;                // "survie"
  TCarte fortificationordi, fortificationjoueur;  // "fortification"
  TCarte bonuscombatsemai;                        // "bonuscombatsemai"
  TCarte faitmortordi, faitmortjoueur;            // "faitmort": situation value of each trial
  TCarte somme;                                   // "somme": the engine's sum
  TCarte sommejoueur;                             // the opponent's sum

  // ---- What the two position analyses leave (first: engine, second: opponent) ----
  std::array<TCarte, 2> consolidation;            // consolidation values, territory gains
  TCartesParPoint mortsapresessaiordi, mortsapresessaijoueur;      // dead marks after each trial
  TCartesParPoint mortsapreslectureordi, mortsapreslecturejoueur;  // the same after its readings
  TMarques mauvaiscoups;                          // points refused as engine moves; the eye
                                                  // reinforcements take back those they value
  TMarques pertes;                                // own stones an engine stone would lose (end of game)
  int32_t porteezone;                             // zone reach of the analyses, 0 or 10
  TListePoints meilleursadverses;                 // the opponent's best one or two points (300)

  // ---- Root marks and lists -------------------------------------------------------------
  TMarques livre;                                 // 1 = a book move of the opening procedure
  TMarques marquescandidats;                      // 1 = a listed root candidate
  TMarques tuevitordi, tuevitjoueur;              // 1 = a kill-test or live-test mark of that side
  TListePoints importants;                        // important points (300)
  int32_t nbcandidats;                            // root list count before the weak-chain step
  int32_t invasionjoueur;                         // the opponent's total "invasionforte" value
  TMarques valeursfuite;                          // root liberties saving an own chain in atari: its stones

  // ---- Working maps of the families and the cut analysis ----------------------------------
  TListePoints listefamille;                      // points of the survival families (300)
  TMarques memosurvieordi, memosurviejoueur;      // survival memos of each side: 0 not tested, 1 two
                                                  // eyes possible, 2 not (the analyses' trials first)
  TMarques marquesfortification;                  // sub-family codes of the engine's reinforcements
  TMarques codesfortificationjoueur;              // the same for the opponent's
  TMarques pointsliaison;                         // linking points of the reinforcement family
  TMarques sortieattaqueordi, sortieattaquejoueur;  // attack points taken by the attack step
  TMarques coupuresordi, coupuresjoueur;          // points where the engine / the opponent cuts for good

  // ---- The frame's own record --------------------------------------------------------------
  std::array<int8_t, 32> etapes;                  // the step numbers run this turn, in order
  int32_t nbetapes;                               // how many
};

// Each side's maps the weak-chain families share (survival, reinforcement),
// pointing into `f`: the engine's, the opponent's.
TCartesSurvieCote cotesurvieordi(TCartesFamilles& f);
TCartesSurvieCote cotesurviejoueur(TCartesFamilles& f);
// The same with each side's "fortification" and "invasionforte" maps, for
// the invasion, reinforcement, attack and cut-prevention families.
TCartesCote coteordi(TCartesFamilles& f);
TCartesCote cotejoueur(TCartesFamilles& f);

// What the root does after its pipeline.
enum TSuiteRacine : int32_t {
  RACINECHERCHE = 0,    // search the root list
  RACINEOUVERTURE = 1,  // an opening or book move is in `choisi`: return at once
  RACINEPASSE = 2,      // the engine passes (ordipasse 1) or has nothing to search: return at once
};

// What the steps of the frame work on: the root's arguments.
struct TContexteCadre {
  TCartesFamilles& f;
  TPlateau& b;                    // the search board, the same after every step
  uint8_t couleur, autre;         // side A (the engine) and side B
  TPoint dernier, avantdernier, ko;
  TMarques& mortsracine;          // the dead mask of depth 1
  TListePoints& candidats;        // the root list (capacity 361)
  TListePoints& candidatsracine;  // its copy for the chooser
  TPoint& choisi;                 // an opening or book move
};

// One step of the frame. A family step runs under the trial-move guard:
// the board, infochaine and pionsmorts come back as they were. An optional
// step reads more of the position; once the analyses' deadline
// (finanalyses) has passed it is left out, its maps staying empty.
struct TEtapeCadre {
  int32_t numero;  // 1..29
  bool famille;
  TSuiteRacine (*execute)(TContexteCadre&);
  bool facultative = false;
};

// Runs the steps in order, noting each in f.etapes, until one answers
// other than RACINECHERCHE; returns that answer (or RACINECHERCHE). Before
// each optional step it reads the counter until finanalyses has passed;
// from then on it runs the other steps only.
TSuiteRacine deroulecadre(const TEtapeCadre* etapes, int32_t nombre, TContexteCadre& x);

// The root's pipeline on the context's search board `b` for `couleur`
// (engine) and `autre`: fills `f`, stores the dead mask of depth 1 in
// `mortsracine`, builds the root list `candidats` (capacity 361) and copies
// it into `candidatsracine`, then the two sums. `ko` is the root's ko point.
TSuiteRacine famillesracine(TContexteCadre& x);

// ---- The root's reading of the position, the frame's first steps ---------
// The steps add what only the families read (the end-of-game list, the
// candidate top-up); the trial guard and the deadline are the frame's.

// The root's dead marks on the search board `b` (the capture reading's, or
// from level 3 the search's own marquesliaison1), its status pass and seki
// test for `couleur`; the marks the pass leaves go to `mortsracine`,
// pionsmorts comes back. Then the position analysis of `couleur`, the side
// to move, into `cartes` from zone reach 0, mauvaiscoups starting from
// pionsmortssauves; its points go to `candidats`.
void premiereanalyseracine(const TCartesAnalyse& cartes, TPlateau& b, uint8_t couleur, uint8_t autre, TPoint dernier,
                           int32_t& porteezone, TListePoints& candidats, TListePoints& meilleursadverses,
                           TMarques& mortsracine);
// After the first analysis and the neighbour distances of `flou`: the
// end-phase test; after the other side's pass the zone reach is 10. With a
// reach the end phase starts (phasefinale 1, procedurefinpartie and ordipasse
// 0) and `candidats` empties: true.
bool finpartieracine(const TPlateau& b, const TCarte& flou, int32_t& porteezone, TListePoints& candidats);
// The root's pass: the other side has just passed, nothing is at stake
// (etatcalme 0) and the engine passed or meant to (ordipasse 1 or 5); sets
// ordipasse to 1.
bool passeracine();
// The position analysis of `autre`, the other side, into `cartes` (its
// points to `candidats`, its best to `meilleursadverses`); then the trials'
// cuts, the link table, the share of empty points left to the other side
// (moinsde20pcvides), the possible cuts of each side and the groups' links.
void secondeanalyseracine(const TCartesAnalyse& cartes, TPlateau& b, uint8_t couleur, uint8_t autre, TPoint dernier,
                          int32_t& porteezone, TListePoints& candidats, TListePoints& meilleursadverses,
                          TMarques& coupuresjoueur, TMarques& coupuresordi);

// The two sums over 1..taille, plain 32-bit additions over the whole map:
// `somme` and `sommejoueur` from the family maps and valeurscoins.
void sommecartes(TCartesFamilles& f);
