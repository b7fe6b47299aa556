// Unit bonus: the evaluation terms of a move at p on a board B. Each adds to
// or subtracts from one accumulator (added when the stone or colour it
// judges is the reference colour m, subtracted otherwise) and leaves the
// board, infochaine and the dead-stone maps as it found them. The move
// search passes its root colour as m, so every line is valued for the
// engine; the position analyses pass the colour of the trial stone.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"
#include "engine/reading/marquagemorts.h"

constexpr int32_t DRAPEAUXCHEMIN = 8;  // path flags read by the territory terms (moves 1..8)

// ---- Local terms ----------------------------------------------------------------------------
// Common arguments: the board p, the accumulator, the reference colour m,
// the move's point; d the move's depth in the line (1 = the candidate), t
// the chain-test value of the move (testechaineh8), a0 the mover's stones in
// atari before the move (0 beyond depth 3).

// Enemy chains next to p in atari (no escape by capture), or of two
// liberties caught in a ladder; base 6 inside the other colour's area.
void bonuslibertesvoisines(TPlateau& p, int32_t& valeur, uint8_t m, int32_t t, int32_t d, int32_t ligne,
                           int32_t colonne);
// Own chains reached from p by a flood of the empty points within `rayon`,
// when the zone touches a live enemy stone.
void comptezonevoisins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne,
                       int32_t rayon);
// Groups of y cut off if x played at p (x's stones `prises` put back);
// returns what it adds.
int32_t liaisonchainesenatari(int32_t& valeur, const TPrisesMarquees& prises, TPlateau& p, uint8_t x, uint8_t y,
                              int32_t ligne, int32_t colonne);
// Regions of the other colour that the stone at p separates: p is appended
// to `liste` (bounded by the list's size) and the other colour's stones
// around the listed points are looked at; `second` the board to try on.
void bonuscoupureregions(const TMarques& marques, const TMarques& statut, TListePoints& liste, TPlateau& p,
                         const TPlateau& second, int32_t ligne, int32_t colonne, int32_t& valeur, uint8_t mode);
// Edge term: a stone on the first line, the empty lines between p and a
// near edge, the framework shapes of the corners.
void bonusbord(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
// Open-area term: an empty 3x3 block around p, more when the squares around
// it are empty too, and the opening lines.
void zonevide3x3(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
// Enemy chains in atari next to p caught in a ladder: 7, 5, 3, 2 per stone
// by depth (nothing at depth 1); chains set in `marques` are skipped.
void bonusesca(TPlateau& p, int32_t& valeur, uint8_t m, const TMarques& marques, int32_t d, int32_t t,
               int32_t ligne, int32_t colonne);
// Stones of c taken out of atari (t beyond depth 3).
void bonusatari(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, uint8_t c, int32_t a0, int32_t t, int32_t ligne,
                int32_t colonne);
// An enemy chain next to p in atari with no escape by capture.
void bonusvoisinsatari(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, int32_t t, int32_t ligne,
                       int32_t colonne);
// Root chains caught in a ladder at the start (`escaliers`: their stone
// counts) that now escape, within `rayon` of p; no sign rule.
void bonussortieesca(TPlateau& p, int32_t& valeur, uint8_t m, const TMarques& escaliers, int32_t rayon,
                     int32_t ligne, int32_t colonne);
// Corners whose 3-3 or 4-4 point the other colour holds on a small area: 5 each.
void bonuscoins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne);
// Adds nothing; its callers still call it.
void termeinactif(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
// A stone far from its own (5) or standing in a cut shape between two
// regions (2).
void bonusformecoupure(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne);
// Stones of 1 - c dead by the line, weighed by depth; m1, m2 the marks that
// stood before.
void bonusmortsprofondeur(TPlateau& p, int32_t& valeur, uint8_t m, int32_t d, uint8_t c, const TMarques& m1,
                          const TMarques& m2, int32_t ligne, int32_t colonne);

// The search's values of the candidate read by the connection bonus. The
// search takes them from the family maps of the turn: f1 "survie" (engine),
// f2 "fortification" (engine), f3 "invasionforte" (engine), f4 "faitmort"
// (engine), g "coupure dangereuse", h1 "survie" (opponent), h3 "flou", h4
// "coup force mort ou invasion" (engine), v "protection", and the three
// further values "IAjoueur", "test projet" and "bonuscombatsemai" (the last
// must be exactly 0); `liste` is the linking points of the reinforcement
// family; `masque` the candidate's dead mask after its trial, `masquesjoueur`
// those of the opponent's trials; the flags of path moves 3 and 5.
struct TValeursRelie {
  int32_t f1 = 0, f2 = 0, f3 = 0, f4 = 0, g = 0, h1 = 0, h3 = 0, h4 = 0, v = 0;
  int32_t autres[3] = {0, 0, 0};
  const TPrisesMarquees* prises = nullptr;  // the stones the candidate took (row, column, dead flag)
  const TMarques* masque = nullptr;
  const TCartesParPoint* masquesjoueur = nullptr;
  uint8_t drapeau3 = 0, drapeau5 = 0;
};
// Connection bonus of the candidate (m the line's colour).
void bonusrelielesgroupes(TPlateau& p, int32_t& valeur, uint8_t m, int32_t ligne, int32_t colonne,
                          const TValeursRelie& v);
// A move that stops the k group beside p from making two eyes: -1000, kept
// in the turn's memo.
void empechedefaire2yeux(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t k, TMarques& memo, int32_t ligne,
                         int32_t colonne);
// A lone stone of y near the edge that x can capture from the side: -10.
void bonuspierreisoleebord(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t x, uint8_t y, int32_t ligne,
                           int32_t colonne);
// A crawl along the first line that the other colour blocks from inside:
// -5 per step weight; nothing when `recherche` is positive.
void bonusrampebord(TPlateau& p, int32_t& valeur, uint8_t m, int32_t recherche, int32_t ligne, int32_t colonne);

// ---- Territory terms ------------------------------------------------------------------------
// `drapeaux` holds DRAPEAUXCHEMIN path flags (flag of move k at index k - 1);
// `chemin` the moves of the line, `longueur` its length; `mode` 0 the full
// form (status drivers), else the light form.

// Territory and border stones of c at the end of the line, marked in
// `marques`; `premier` set when the line's first move is judged lost.
void bonusterritoire(TMarques& marques, TPoint extra, const uint8_t* drapeaux, uint8_t& premier, uint8_t mode,
                     uint8_t c, uint8_t m, int32_t& valeur, TPlateau& p, const TListePoints& chemin,
                     int32_t longueur);
// Its opening form (influence regions).
void bonusdedebut(TPoint extra, const uint8_t* drapeaux, int32_t longueur, uint8_t& premier, uint8_t mode, uint8_t c,
                  uint8_t m, int32_t& valeur, TPlateau& p, const TListePoints& chemin);
// The line's moves that the fills of `w` give to c.
void bonuscheminterritoire(int32_t longueur, int32_t& valeur, const TListePoints& chemin, uint8_t m, uint8_t c,
                           const TPlateau& w);
// Marks in `vu` and counts the live stones of `couleur` next to the point.
void compteborduresvoisines(TMarques& vu, int32_t& bordure, const TPlateau& p, int32_t ligne, int32_t colonne,
                            uint8_t couleur);
// The dead marks of one point before the territory count (c = m only):
// a lone dead stone on m's ground into marquesdetect, or, with `ravive`,
// the chain revived when defending with a lead.
void ajustemortsterritoire(uint8_t marque, uint8_t ravive, uint8_t c, uint8_t m, TPlateau& p, int32_t ligne,
                           int32_t colonne);
// The territory a candidate of colour a gains when the weak chains it
// threatens die; `compte` a count of the search, 0 at the start of a move.
void bonusdifferenceterritoire(const TCartesParPoint& mortscandidats, const TInfoChaine& chainessauvees, int32_t ligne,
                               int32_t colonne, int32_t f1, int32_t f2, uint8_t a, uint8_t b, TPlateau& p,
                               const uint8_t* drapeaux, const TListePoints& chemin, int32_t& valeur, int32_t compte);

// ---- Adjustment terms -----------------------------------------------------------------------
// The stone at q next to an enemy chain in atari: 15 in nobody's area, 25
// inside the other colour's (with `mode` 0 only for a live stone not in
// atari). `faiblesse`, the analysis's weak-zone value, is not read.
void bonusvoisinsennemis(TPlateau& p, int32_t& valeur, uint8_t m, int32_t mode, int32_t ligne, int32_t colonne,
                         int32_t faiblesse);
// Kills and saves of the trials of q (and of the reply r, row 0 = none)
// that the line keeps, for the stones of k; returns what it adds.
int32_t bonusmortssauvesessai(TPlateau& p, int32_t& valeur, uint8_t k, TPoint q, TPoint r);
// The linked weak chains of k around the line's first move; a, b the
// search's two values, `stocke` its stored value, `genre` the candidate's
// kind code (1 and 3 halve the term).
void bonusfaiblesliees(TPlateau& p, int32_t& valeur, uint8_t k, TPoint premier, int32_t a, int32_t b, int32_t stocke,
                       uint8_t genre);
// Weak points holding live stones: +5 each for c1 = c2, else -5 for each one
// not holding a live stone of c2.
void bonusfaibles(TPlateau& p, int32_t& valeur, uint8_t c1, uint8_t c2);
// The candidate's stored value v against the line: flag f, value g, the
// candidate point, a second point r, colours a, b, k and a second board.
void ajustevaleurcandidat(TPlateau& p, int32_t& valeur, const int32_t& v, int32_t f, int32_t g, TPoint candidat,
                          TPoint r, uint8_t a, uint8_t b, uint8_t k, const TPlateau& second);
// Clears the candidate adjustment map `carte` ("titebite") for the turn.
void effacecartebonus(TCarte& carte);
// The strategy's cost of the move q of kind 2 (reply) or 3, with its values
// a and b; `precedent` the line's previous move.
void bonusstrategiecoup(TPlateau& p, int32_t& valeur, int32_t a, int32_t b, int32_t genre, TPoint q, TPoint precedent);
// Copies pointko into `sortie`.
void pointkocourant(TPoint& sortie);
// Map a at the line's first move (a stone of k), less map b at its second.
void bonuscartesdeuxcoups(TPlateau& p, int32_t& valeur, const TCarte& a, const TCarte& b, uint8_t k,
                          const TCheminCoups& chemin);
// A single-stone capture of the line taken back at once, the first from the
// line's move `depuis` on: +2000 when c's retake stands, -2000 when the other
// colour's does. Answers the line position of the capture counted, 0 for none.
int32_t bonuscapturesligne(TPlateau& p, int32_t& valeur, uint8_t c, const TCheminCoups& chemin,
                           const TMarques& premiere, const TMarques& seconde, int32_t depuis = 1);
// The take-backs of a leaf's line, up to three, each counted once.
void bonuscaptureslignes(TPlateau& p, int32_t& valeur, uint8_t c, const TCheminCoups& chemin,
                         const TMarques& premiere, const TMarques& seconde);
// The reply p2 (stone of k) that cuts the candidate p1's group from the
// weak chains it keeps; `resultat` 1 when it cost, -1 when p1 keeps no eyes
// or the points touch at kind 3.
void bonusdeuxyeuxcoupure(TPlateau& p, int32_t& valeur, TPoint p1, TPoint p2, int32_t genre, uint8_t drapeau,
                          int32_t v, int32_t w, uint8_t k, uint8_t& resultat, uint8_t saut, int32_t& sortie);
// Two or more chains of x next to q that q's move can capture, the root
// move r not protecting them; raises r's entry of `carte` (capped by `plafond`).
void bonuslibertescoup(TPlateau& p, int32_t& valeur, uint8_t x, TPoint q, TPoint r, TCarte& carte,
                       const TCarte& plafond);
// The best value of v that b can still take back around q after a plays.
void bonusreprisevoisins(TPlateau& p, int32_t& valeur, const TCarte& v, uint8_t a, uint8_t b, TPoint q);
// Value of a survival move of family kind 4 to 7 that links the chains next
// to its captures (`prises`); `survie` the search's survival map.
int32_t bonusliaisonsurvie(TPlateau& p, int32_t genre, TPoint q, const TListePoints& prises, const TCarte& survie);
// Chains of `couleur` next to q that the line leaves capturable: -v each.
void bonuspierresprenables(TPlateau& p, int32_t& valeur, int32_t v, uint8_t couleur, TPoint q, TPoint reponse);
// A forced move of the opponent after the candidate q (level 5 and up).
void bonuscoupforceordi(TPlateau& p, int32_t& valeur, TPoint q, int32_t seuil);
// The opponent's candidates of positive value in `v` that q leaves without
// a forced answer (level 5 and up, positive line length).
void bonuscoupforcejoueur(TPlateau& p, int32_t& valeur, TPoint q, const TCarte& v, int32_t longueur);
// How much q stops the other colour's invasions at its candidate points of
// positive value in v; cached per candidate in effetsinvasion (marks 1, 2, 4).
void bonusinvasion(TPlateau& p, int32_t& valeur, uint8_t m, TPoint q, const TCarte& v);
// Stones of k the candidate q links to their cut (bit 2 of its record's
// links) and the zone readings from their liberties; on the search value s.
void bonuslecturezone(TPlateau& p, int32_t& s, uint8_t k, TPoint q);
// Stones of plateaudepart lost or kept by the line; `carte` the stones
// threatened along it.
void bilanpierresfinal(TPlateau& p, int32_t& valeur, const TMarques& carte);
// A dominated moyo candidate (bit 0x40 of its shape): -2000; gated by the
// search's two counts.
void bonusmoyodomine(TPlateau& p, int32_t& valeur, TPoint q, int32_t compte1, int32_t compte2);
// The dead-marks term: after the answer q to the engine's move r, the stones
// r saved that end up dead cost; kinds below 2 weigh w + w2 on `valeur` and
// max2, others raise max2 by w per lost weak stone and take the threshold
// costs (t1, t2) and the counter cost of x (max1). `drapeaux`: DRAPEAUXCHEMIN
// path flags. Skipped when `saut` is set.
void bonusmarquesmorts(uint8_t saut, int32_t genre, int32_t sousgenre, const uint8_t* drapeaux, int32_t& valeur,
                       int32_t& max1, int32_t& max2, uint8_t a, uint8_t b, TPoint q, TPoint r, int32_t w, int32_t w2,
                       int32_t x, TPlateau& p, uint8_t drapeau, int32_t t1, int32_t t2);
