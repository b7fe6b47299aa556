// Engine state: every engine-wide global, defined once in etat.cpp, and the
// per-move reset `initmoteur`. Large arrays are static storage; everything is
// zero at program start, so fields the reset leaves alone never hold garbage.
//
// Colours are 0 white, 1 black, 2 empty; maps are in the board layout
// (index (row-1)*19 + (col-1)) whatever the board size.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "engine/board/trace.h"
#include "engine/board/types.h"

class TFuseki;
class TJoseki;

// ---- Shared record types ------------------------------------------------

// A point (row, column); (0, 0) is no point / a pass.
struct TPoint {
  int32_t ligne = 0;
  int32_t colonne = 0;
};

// Neighbours of one point for the current board size.
struct TVoisins {
  int32_t nbvoisins;       // 2 corner, 3 edge, 4 inside
  int32_t inutilise;       // not used
  int32_t voisins[4][2];   // (row, column) of the first nbvoisins neighbours
};

// Chain table entry per point: [0] liberties of the chain through the point
// (0 on empty points), [1] stone count on the chain's head, 0 elsewhere.
// 16 bits each: a legal chain can hold more than 255 stones.
using TEntreeChaine = std::array<uint16_t, 2>;
using TInfoChaine = std::array<TEntreeChaine, NBCASES>;

// Zone record of the connection and zone analyses.
struct TInfoZone {
  int32_t numero;
  int32_t nbpierres;
  int32_t couleurzone;  // 2 = none
};

// Trial-move record: what a trial stone at one point does.
struct TEssaiCoup {
  TPlateau plateauessai;      // board after the trial move
  TMarques carte1essai;       // byte map of the move choice's trial analysis
  TMarques carteessaimoyo;    // map the opening book's moyo key is made from
  TInfoChaine infochaineessai;  // chain table after the move
  TMarques plateauessai2;     // dead-stone mask after the move (loaded into pionsmorts)
  TMarques carte2essai;       // survival family marks
  TMarques carte3essai;       // fortification family marks
  TCarte etatessai;           // status code of the stone at each point after the move
  TCarte valeursessai;        // value going with each status code
  TCarte liensessai;          // bits: 0x10 linked+alive, 0x20 linked, 0x80 killed, 0x100 cut, 0x800 zone walked
  TMarques marquesessai;      // flag bytes (0x80|0x10 = saved by the move, ...)
  uint8_t essaifait;          // record filled this turn (and further bits of the link analysis)
  int32_t gainmoyoordi;       // moyo gain of the engine after the move
  int32_t gainmoyojoueur;     // moyo gain of the opponent after the move
  int32_t compteur1essai;     // counters read by the opening book's filter
  int32_t compteur2essai;
  int32_t drapeauxessai;      // bits; 0x40 the chain survives its re-reading
  int32_t valeurcoupure;      // value of the cut at the point
  uint8_t flagessai1;         // strong-trial flags of the weak-chain and reinforcement families
  uint8_t flagessai2;
  int32_t marqueessai;        // the record is marked (low byte read)
  int32_t nbprisesessai;      // stones captured by the trial (plus the survival value)
  int32_t nbtuesessai;        // opponent stones killed by the trial
  int32_t nbsauvesessai;      // own stones saved by the trial
  int32_t compteur3essai;     // own stones left threatened
  int32_t formeessai;         // shape flags
  int32_t compteur4essai;     // counters cleared for every trial
  int32_t compteur5essai;
  uint8_t flagmortsessai;
  uint8_t lievivanteessai;    // the trial stone is linked to a live chain
};

// Time left for the mover.
struct TTempsRestant {
  int32_t temps;    // seconds left; negative = no clock
  int32_t pierres;  // stones left in the byo-yomi period; 0 = not in byo-yomi
};

// Keys of the recent positions (superko).
constexpr int MAXHISTORIQUEHASH = 21;
struct THistoriqueHash {
  int32_t nombre;                          // 0..21
  uint32_t cles[MAXHISTORIQUEHASH + 1];    // [1..nombre], oldest first
};

// Capture-reading result cache: per cache colour (1 black target, 2 white
// target) and point, a bucket laid out like a point list of (value, key).
constexpr int MOTSCACHEPRISE = 602;
using TCasierPrise = std::array<int32_t, MOTSCACHEPRISE>;  // [0] = count, entry k at [2k],[2k+1]

// Sorted key stores: entries (value, key), kept in ascending signed key
// order, 1-based. Ply stores hold tables numbered from 3, 10,000 entries each.
struct TEntreeCle {
  int32_t valeur;
  int32_t cle;
};
constexpr int ENTREESPARTABLE = 10000;
constexpr int PREMIERETABLE = 3;
constexpr int32_t NBTABLESRECU = 36;  // transposition tables of the readings, plies 3..38

// ---- Settings and sides --------------------------------------------------
extern TConfig configmoteur;       // copy of the game record for this move
extern uint8_t couleurdemandee;    // colour asked for by the current genmove
extern uint8_t couleurordi;        // engine colour
extern uint8_t couleurjoueur;      // opponent colour, 1 - couleurordi
extern TTempsRestant tempsrestant; // mover's clock
extern int32_t numerocoup;         // moves replayed onto the engine board
extern int32_t passesconsecutives; // passes at the end of the replayed list

// Board size of the current move (`taille` of configmoteur).
inline int32_t taillemoteur() { return configmoteur.taille; }

// ---- Level (set by niveaureel) --------------------------------------------
extern int32_t niveau;             // working level 1..10
extern int32_t paramniveaua;       // level parameter a
extern int32_t paramniveaub;       // level parameter b
extern int32_t profondeurlecture;  // reading depth
extern int32_t paramniveauc;       // level parameter c
extern int32_t paramniveaud;       // main search depth 4..6
extern int32_t paramniveaue;       // 3 at level 1, else 5
extern int32_t paramniveauf;       // 20, 10 or 1
extern int32_t paramniveaug;       // 3 at level 10, else 2
extern int32_t niveaumin3;         // 1 from level 3
extern int32_t niveaumin3b;        // 1 from level 3
extern int32_t niveaumin4;         // 1 from level 4
extern uint8_t lectureprofonde;    // 1 from level 5
extern uint8_t lecturelongue;      // 1 from level 5; connection readings clear it over budget
extern uint8_t flagfuseki;         // final-status request: fixed strong parameters; consumed by niveaureel

// ---- Boards and chain table ---------------------------------------------
extern TPlateau plateaumoteur;     // engine board (0 white, 1 black, 2 empty)
extern TPlateau plateaudepart;     // engine board before the move
extern TInfoChaine infochaine;     // chain table of plateaumoteur (or of the board in play)
extern TInfoChaine infochainevide; // all zero: clears the table in one copy
extern TEntreeChaine flagchaines;  // (0, 0): the empty chain-table entry
extern TInfoChaine tablegroupes;   // chain table at the start of the move choice

// ---- Tables of the board size (built by initmoteur) ------------------------
extern TVoisins tablevoisins[NBCASES];  // neighbours in fixed order; entries off the board are stale
extern TMarques bordgoban;         // 1 on the first line
extern TMarques distancebord;      // distance to the nearest edge, 0 on the first line
extern TMarques zonescoins;        // 1 on the four 4x4 corner squares (N > 4)

// ---- Zero templates --------------------------------------------------------
extern TMarques marquesvides;      // 361 zero bytes: start of every visited array
extern TCarte zerobonus;           // zero map
extern TCarte zeroterritoire;      // zero map: clears cartefinale1/2
extern int32_t zerolecture[30];    // zero template of the tactical readings

// ---- Dead-stone masks and marks (nonzero = set) -----------------------------
extern TMarques pionsmorts;        // stone judged dead
extern TMarques pionsmortsavant;   // pionsmorts before a status-driver call
extern TMarques pionsmortssauves;  // saved state the marking passes start from
extern TMarques pionsmortsbis;     // further mask of the position analysis
extern TMarques pionsmortsdepartordi;    // dead marks at the start, engine trials
extern TMarques pionsmortsdepartjoueur;  // dead marks at the start, opponent trials
extern TMarques marquesglobales;   // chains of groups able to make two eyes
extern TMarques marquesdetect;     // copy of pionsmorts of the status unit
extern TMarques marquesliaison1;   // link marks (testdeb marking)
extern TMarques marquesliaison2;   // link marks (pionsmorts copy)
extern TMarques zonemarquee;       // zone marks of the move choice
extern TMarques carteanalyse;      // analysis marks

// ---- Owner maps (0 white, 1 black, 2 none) -----------------------------------
extern TMarques territoire;        // owner of each point after the territory analysis
extern TMarques territoire2;       // second owner map of the territory analysis
extern TMarques territoire3;       // owner map of the per-move territory analyses
extern TMarques territoire4;       // owner map of the move chooser (all 2 after the reset)
extern TMarques influence;         // owner by influence
extern TMarques carteterritoire;   // owner map read by the moyo gain of trial moves

// ---- Per-point maps of the turn ---------------------------------------------
extern TMarques casesjouables;     // 1 = playable (1 after the reset)
extern TMarques casesinterdites;   // forbidden points (ko, superko); bit 1 read
extern TMarques casescandidates;   // engine candidate points of the turn
extern TMarques casescandidatesjoueur;  // opponent candidate points
extern TMarques lesfaibles;        // weak chains of the engine's side
extern TMarques marquessurvie;     // weak chains of the opponent's side
extern TMarques listefaibles;      // weak-chain stones, engine side
extern TMarques listesurvie;       // weak-chain stones, opponent side
extern TMarques ciblesnoires;      // black targets
extern TMarques ciblesblanches;    // white targets
extern TMarques carteattaque;      // attack flags
extern TMarques videsennemis;      // empty points near enemy stones
extern TCarte cartefinale1;        // final territory, black (bytes 0..2 used)
extern TCarte cartefinale2;        // final territory, white
extern TCarte valeurssurvie;       // survival values; negative = weak stone to settle
extern TCarte valeurs2survie;      // second survival values
extern TCarte bonusaffiches;       // trace map
extern TInfoZone infozones[NBCASES];    // zone records, (0, 0, 2) after the reset
extern TInfoZone infogroupes[NBCASES];  // group records, (0, 0, 2) after the reset
extern int32_t infoyeux[NBCASES][2];    // reference stone of a living group
extern uint8_t carteniveau[TAILLEMAX][TAILLEMAX][NBCASES];  // per engine trial: territoire copy
extern uint8_t tablelecture[TAILLEMAX][TAILLEMAX][NBCASES]; // per opponent trial: territoire copy
extern uint8_t tablepaires[TAILLEMAX][TAILLEMAX][NBCASES];  // (root move, reply) pair bits
extern int32_t valeurspaires[TAILLEMAX][TAILLEMAX][NBCASES];  // values beside tablepaires
extern uint8_t zonespoints[TAILLEMAX][TAILLEMAX][NBCASES];   // per point: its zone's points
extern TMarques suggestionsjoseki;  // joseki suggestion bits of the move
extern TMarques candidatsfuseki;    // fuseki candidate points of the move
extern int32_t nbcandidatsfuseki;   // non-zero points of candidatsfuseki
extern TListePoints tablezones;     // liberties of weak owner chains, filled by the zone reading

// ---- Trial-move records ------------------------------------------------------
// Indexed [row-1][col-1] of the trial move.
extern TEssaiCoup essaisordi[TAILLEMAX][TAILLEMAX];    // trial by the engine
extern TEssaiCoup essaisjoueur[TAILLEMAX][TAILLEMAX];  // trial by the opponent
extern uint8_t tableessaiscourante;  // record family the status writers fill
inline TEssaiCoup& essaiordi(int ligne, int colonne) { return essaisordi[ligne - 1][colonne - 1]; }
inline TEssaiCoup& essaijoueur(int ligne, int colonne) { return essaisjoueur[ligne - 1][colonne - 1]; }

// ---- Capture-reading cache -----------------------------------------------------
// [cache colour 1..2][(row-1)*19 + (col-1)]
extern TCasierPrise cacheprise[2][NBCASES];    // results by position key, count 0 after the reset
extern TMarques cacheplateaux[2][NBCASES];     // 1 where a reading of that chain played
extern uint8_t cacheactif;         // cache on
extern int32_t compteurcache;      // cache key base of the position analysed

// ---- Position keys (item "CLES", loaded once at start-up) ----------------------------
extern uint32_t cletrait;                    // side key
extern uint32_t zobristcouleur[2][NBCASES];  // [0] white stone, [1] black stone
extern uint32_t zobristmoyo[NBCASES];        // marked empty point

// ---- Reading stores ------------------------------------------------------------------
// Per-ply transposition tables (value, key), table t (from 3) at
// [(t-3)*10000 ..]; the capture, life-and-death and enclosed-chain readings
// keep their own fill counts.
extern TEntreeCle tablehachrecu[NBTABLESRECU * ENTREESPARTABLE];
extern int32_t profmaxrecu;              // deepest ply reached by a capture reading
extern TInfoChaine infochainelecture;    // liberties as the readings count them (infochaine layout)
extern int32_t noeudsescalier;           // ladder steps (defender extensions) played by the last testescalier

// ---- Position history ----------------------------------------------------------
extern THistoriqueHash historiquehash;  // keys of the last positions (superko), count 0 after the reset
extern TPoint pointko;             // ko point, (0, 0) = none

// ---- Opening-book tables (1-based, released by their users) -------------------------
extern std::vector<int32_t> tabcle99noir, tabcle99blanc, tabresult99noir, tabresult99blanc, tabcle1919;  // loaded books
extern TFuseki* bibliofuseki;  // the loaded fuseki library, or nullptr
extern TJoseki* bibliojoseki;  // the loaded joseki library, or nullptr

// ---- Debug trace -------------------------------------------------------------------------
extern TCheminTrace chemintrace;  // the watched path, set once by initchemintrace

// ---- Scalars of the analyses ---------------------------------------------------------
extern uint8_t coupbasetrouve;       // opening books: a book move was found
extern int32_t flagouverture;        // opening heuristics
extern int32_t etatcalme;            // cleanup / calm state: 0 not judged, 1 cleanup, 2 at stake, 4 calm
extern int32_t& modenettoyage;       // the same variable under its other name
extern uint8_t lectureconfirmee;     // position analysis around marquechainesmortes
extern uint8_t sansstatut;           // chain-status analysis
extern int32_t flagcoupure, flagcoupure2, flagcoupure3;  // cut analysis
extern uint8_t peintmortsavant;      // chain-status drivers (1 by default)
extern int32_t compteurinfluence, compteurinfluence2;    // opening and influence counts
extern uint8_t depassementpropagation;  // a propagation reading hit its budget
extern uint8_t depassementprise;     // a capture reading hit its budget
extern uint8_t depassementliaison;   // a connection reading passed 10000 nodes
extern int32_t flagdanger, flagdanger3;  // move choice
extern uint8_t flagdanger2;          // move choice
extern int32_t bilanentier;          // score balance
extern double bilanscore;            // score balance of the mover
extern int32_t flagfortification, flagmarquesmorts;  // fortification family, dead-mark bonus
extern uint8_t flagfortif2, flagfortifjoueur;  // fortification family, engine and opponent
extern uint8_t flaginvasionvivante;  // invasion family
extern int32_t flaginvasion, flaginvasion2;  // invasion analysis maxima
extern int32_t procedurefinpartie;   // end-of-game procedure
extern uint8_t enretard, flagconsolide, flagattaque;  // score balance
extern int32_t coupdebutchoisi;      // opening units
extern uint8_t flagsurvie;           // survival family (1 after the reset)
extern int32_t compteurfaibles, compteurinvasions, compteurinvasions2, compteurinvasions3;  // weak chains, invasions
extern uint8_t flagscan;             // board scans of the chain-status analysis (1 after the reset)
extern uint8_t flagliaison;          // connection analysis
extern int32_t territoireaprendre[2];  // territory left to take
extern int32_t flagterritoire;       // territory analysis
extern int32_t maxsurvie, maxfortification, maxcoupforce;  // largest family values of the turn
extern int32_t maxtuesordi, maxgainmoyo, maxprisesessais;  // maxima of the position analysis
extern uint8_t coupdecide;           // move decided this turn
extern uint8_t coupdecidejoseki;     // move decided by the joseki library
extern uint8_t flagjoseki;           // joseki use
extern uint8_t strategie;            // 0 attack, 1 defend, 2 neutral
extern int32_t compteurnoeudsprise, compteurnoeudslecture, compteurnoeuds;  // node counters
extern uint8_t debutpartie, phasedebut, phasefinale;  // game phases
extern int32_t ordipasse;            // 1 the engine passes, 5 from the end-of-game evaluation
extern uint8_t komiforce, flagvisionterritoire;  // flags of the opening and territory code
extern uint8_t modeanalyseposition, flagmarquechaines, flaglectureessai;  // position analysis switches
// The six scalars the reset sets without a name of their own in the analyses.
extern uint8_t flaglectureyeux;      // read by the connection and two-eye readings (1)
extern uint8_t flagremisepierre;     // chain-status analysis, stone put back (0)
extern int32_t valeurclassefaibles;  // weak-chain classification (0)
extern int32_t maxajustementtemps;   // largest value of the timing adjustments (0)
extern int32_t valeurdiffterritoire; // compared by the move choice and the territory bonus (0)
extern uint8_t flagjonctiongroupes;  // move choice and group-joining bonus (0)
extern uint8_t sauvepionsmorts;      // status drivers saved pionsmorts into pionsmortsavant (death tests use it)

// ---- Reset ------------------------------------------------------------------------------
// Brings the engine state to its start values before an engine move, builds
// the tables of the board size and calls niveaureel. Reads configmoteur and
// couleurdemandee. Leaves plateaumoteur and infochaine alone.
void initmoteur();

// Builds tablevoisins, bordgoban, distancebord and zonescoins for size n.
void construittables(int32_t n);
