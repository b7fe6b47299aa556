// Unit voisin: the chain and region walks and the point predicates.
//
// Walk cores take, as far as they have them: the board, the outputs, the list
// capacity, the arrival direction (0 at the start), the point (row, col) and
// the visited array (a copy of marquesvides). Searching walks write the stop
// code 1000 into their result and stop. Appends are checked against the
// capacity. Predicates read infochaine (liberties in [0]), pionsmorts
// ("marked" unless a map is named), territoire, territoire2, lesfaibles and
// tablevoisins.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t ARRETMARCHE = 1000;  // a searching walk found what it looks for

// ---- Family A: marking a chain in pionsmorts -----------------------------------
// Sets pionsmorts to 1 on every stone of the chain through the point.
void marquechaine(const TPlateau& p, int32_t r, int32_t c);
// Clears pionsmorts on every stone of the chain through the point.
void demarquechaine(const TPlateau& p, int32_t r, int32_t c);
// Over the stones of the chain flagged 1 in vu (the start whatever its flag):
// clears pionsmorts and the flag.
void effacemarquechaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// The same, setting pionsmorts, over the stones flagged 1 in etat.
void marquechaineselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c);
// The same, clearing pionsmorts, over the stones flagged 1 in etat.
void demarquechaineselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c);
// Over the stones flagged 1 in etat: flag 2 and pionsmorts set; their empty
// neighbours not yet flagged get flag 1.
void marquechaineselonvisite2(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c);
// Over the connected stones of the start's colour marked in pionsmorts: clears
// the mark and sets vu (the start is cleared whatever its mark).
void effacemortschaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Sets pionsmorts over the chain, pionsmorts itself serving as visited mark
// (stops at stones already marked).
void marquechainesansvisite(const TPlateau& p, int32_t r, int32_t c);
// Sets pionsmorts over the chain and clears it over every marked chain of
// other content next to it.
void marquechainesvoisinesmarquees(const TPlateau& p, int32_t r, int32_t c);

// ---- Family B: stones and liberties of one chain -----------------------------------
// Appends the chain's stones (start first) and adds its distinct liberties to
// nblib; vu gets stones and liberties.
void chaineetlibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu, int32_t& nblib);
// First liberty met into lib (start lib at (0, 0)); a second distinct liberty
// sets lib.ligne to 1000. A real row: the chain is in atari, lib its liberty.
void derniereliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// The same, adding the stones walked to n.
void derniereliberteetcompte(int32_t& n, const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c,
                             TMarques& vu);
// Stones not marked dead added to n (1000 at a second liberty), first liberty
// into lib, flag 1 when an adjacent chain of the other colour is in atari.
void derniereliberteetvoisinatari(int32_t& n, uint8_t& flag, const TPlateau& p, TPoint& lib, int32_t dir,
                                  int32_t r, int32_t c, TMarques& vu);
// First empty neighbour of the chain not set in vu, into lib (left unmarked);
// lib stays (0, 0) when there is none. Start lib at (0, 0).
void trouveliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// trouveliberte on a fresh visited array: the chain's first liberty, or (0, 0).
TPoint premiereliberte(const TPlateau& p, int32_t r, int32_t c);
// Adds the stones walked and the liberties met to the counts; stops as soon as
// libertes reaches 2.
void comptepierreslibertes2(const TPlateau& p, int32_t& pierres, int32_t& libertes, int32_t dir, int32_t r,
                            int32_t c, TMarques& vu);
// The chain through the point has at least 2 liberties (stops at the second).
bool aumoinsdeuxlibertes(const TPlateau& p, int32_t r, int32_t c);
// Marks 1 in vu the chain of `couleur` through the point and its liberties
// (from an empty point: every chain of `couleur` around it).
void libertesmarquees(const TPlateau& p, uint8_t couleur, TMarques& vu, int32_t dir, int32_t r, int32_t c);
// Writes `valeur` over the chain of `couleur` and its liberties in `sortie`, which
// is the visited array: points already holding `valeur` are not entered.
void marquechaineetlibertes(const TPlateau& p, uint8_t couleur, uint8_t valeur, TMarques& sortie, int32_t dir,
                            int32_t r, int32_t c);
// Stones of a loose group (orthogonal, then diagonal through an empty shared
// point): lists up to 3; a fourth stone sets n to 4 and ends the walk.
void collectepetitgroupe(const TPlateau& p, TListePoints& l, int32_t& n, int32_t r, int32_t c, TMarques& vu);
// Appends each stone of the other colour next to the chain once; empty
// neighbours are only marked in vu.
void listepierresennemiesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                  int32_t c, TMarques& vu);
// The same, empty neighbours left unmarked.
void listepierresennemiesvoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                   int32_t c, TMarques& vu);
// Appends each stone of the other colour next to the chain whose chain is in
// atari (by infochaine).
void listeennemisatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu);
// Appends every stone of the chain; flag 1 when an adjacent chain of the other
// colour is in atari.
void pierreschaineetatariennemi(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu);
// No chain of the other colour next to the chain is in atari.
bool aucunennemiatari(const TPlateau& p, int32_t r, int32_t c);
// No chain of the other colour next to the chain has fewer than 3 liberties.
bool aucunennemifaible(const TPlateau& p, int32_t r, int32_t c);
// A stone of other content next to the chain is set in `marque` (empty points
// do not count); vu gets the walk.
bool chainetouchemarque(const TPlateau& p, const TMarques& marque, TMarques& vu, int32_t r, int32_t c);
// A neighbour of a chain stone, of any content, is set in `marque`; vu gets the
// walked stones.
bool chainetouchemarque2(const TPlateau& p, TMarques& vu, const TMarques& marque, int32_t r, int32_t c);

// ---- Family C: liberty lists that cross weak chains -----------------------------------
// The chain's liberties into `l`, and the adjacent stones of the other
// colour whose chains have fewer than 3 liberties into `faibles`; each point
// once (vu).
void libertesetennemisfaibles(const TPlateau& p, TListePoints& l, TListePoints& faibles, int32_t cap, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu);
// Appends each empty point once, crossing every stone whose chain is in atari
// (any colour): a chain in atari, its liberties and those of its atari neighbours.
void libertesetatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu);
// As libertesetatari, but the start's own empty neighbours are taken only when
// the start is a stone in atari (from an empty point: the atari chains around it).
void libertesdepart(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                    TMarques& vu);
// The chain's liberties, then for each adjacent chain in atari its liberties
// through libertesetatari.
void libertesetatari2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu);
// The chain's liberties, and through libertesfaiblesrec those of the adjacent
// chains of fewer than 3 liberties (crossing such chains of either colour).
void libertesetfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu);
// As libertesetfaibles; flag 1 when a weak adjacent chain was crossed.
void libertesetfaiblesdrapeau(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                              int32_t r, int32_t c, TMarques& vu);
// Appends empty points, crossing own-coloured stones, chains in atari and
// chains of 2 liberties not marked in pionsmorts.
void libertesetcapturables(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu);
// The chain's liberties, and for each adjacent enemy chain in atari its first
// liberty not yet in vu (the capturing point), each once.
void listelibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                   TMarques& vu);
// Own liberties left out: the liberties of the adjacent chains in atari
// (libertesetatari) and of 2 liberties (libertesdelachaine).
void libertesetvoisinsfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                              TMarques& vu);
// As libertesetvoisinsfaibles; flag 1 when such a chain was found.
void libertesennemisfaibles(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                            int32_t r, int32_t c, TMarques& vu);
// Own liberties left out: the liberties of each adjacent chain in atari
// (libertesdelachaine, no further crossing). libertesatarivoisines2 is the
// same walk under a second name that nothing calls.
void libertesatarivoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu);
// Own liberties left out: each adjacent chain in atari handed to libertesetatari
// (so the chains in atari behind it are crossed too).
void atarichainesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                          TMarques& vu);
// The same walk under the name the eye reading's extension calls it by.
inline void atarichainesvoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                                  TMarques& vu) {
  atarichainesvoisines(p, l, cap, dir, r, c, vu);
}
// Marks in vu the chain, its liberties, and the chains of fewer than 3 liberties
// reached from it with theirs; vu is the result.
void libertesetfaiblesvisite(const TPlateau& p, TMarques& vu, int32_t r, int32_t c);
// Appends the heads (infochaine size byte non-zero) of the chains of fewer than
// 3 liberties reached through such chains from the point.
void listechainesfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu);
// Plays with jouecoup a stone on each point listelibertes lists, in list order,
// colour `couleur` (enemy `autre`); changes board and infochaine.
void libertesverscoups(TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t autre);

// ---- Family D: region walks -----------------------------------------------------
// Marks in vu the empty region through the point and the stones bordering it
// (not crossed).
void marquezonevide(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Walks the points not of `couleur` from the point; adds the empty ones to n.
void comptevideszone(const TPlateau& p, uint8_t couleur, int32_t& n, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu);
// Adds to n each point not of `couleur` walked (start included); no step once
// n reaches 31, so 31 means more than 30.
void comptezonenoncouleurplafond(int32_t& n, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                                 TMarques& vu);
// Adds to n the empty points not of `couleur` walked; an empty point flagged 1
// in marque reached from a flagged point is set to `couleur` on the board.
void comptezonenoncouleurmarque(TPlateau& p, uint8_t couleur, const TMarques& marque, int32_t& n, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu);
// Region of empty points and dead stones: nb counts it; etat 0 no border, 1 one
// colour (in couleur), 2 both (couleur 2). Start nb, etat at 0.
void zonevideetfrontiere(int32_t& nb, int32_t& etat, uint8_t& couleur, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu, const TPlateau& p);
// Walks points not of `couleur`, not crossing empty points it owns in
// territoire; res = 1000 at an unmarked stone.
void zonenoncouleur(const TPlateau& p, uint8_t couleur, int32_t& res, int32_t dir, int32_t r, int32_t c,
                    TMarques& vu);
// For a live stone: marks dead each lone enemy table neighbour whose region
// (zonenoncouleur) reaches no unmarked stone. Changes pionsmorts only.
void testzonenoncouleur(const TPlateau& p, int32_t r, int32_t c);
// Walks empty points; res = 1000 at the first stone of `couleur`.
void zonevidetouchecouleur(int32_t& res, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu);
// Empty region: clears flag when it touches a stone not of `couleur`; while the
// flag holds, paints the region with `couleur` in `sortie`.
void zonevideentouree(const TPlateau& p, uint8_t& flag, uint8_t couleur, TMarques& sortie, int32_t dir, int32_t r,
                      int32_t c, TMarques& vu);
// The empty region through the point, inside the window of radius `rayon`,
// reaches a point owned by `couleur` in territoire (the start counts).
bool zonevidedansfenetre(const TPlateau& p, uint8_t couleur, int32_t rayon, int32_t r, int32_t c);
// The same region reaches a point of positive value in `carte`.
bool zonevideatteintpositif(const TCarte& carte, const TPlateau& p, int32_t rayon, int32_t r, int32_t c);
// Appends the empty points reached through points without a chain-table entry
// inside the rectangle.
void videsdansfenetre(TListePoints& l, int32_t cap, const TPlateau& p, int32_t lmin, int32_t lmax, int32_t cmin,
                      int32_t cmax, int32_t r, int32_t c);
// Marks 1 in m the empty region through the point inside the rectangle
// (the start whatever its content).
void remplitzonerectangle(const TPlateau& p, int32_t r, int32_t c, int32_t lmin, int32_t lmax, int32_t cmin,
                          int32_t cmax, TMarques& m);
// A stone owned by c2 whose chain has at most 4 liberties: the empty points within
// 2 of it meet no c1 stone, no chain under 3 liberties, no dead stone.
bool zonefermee(const TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c);
// The same walk without the dead-stone test; when it holds, sets pionsmorts over
// the chain.
void marquechaineenfermee(const TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c);
// The stone's empty surroundings within `rayon` meet no own or dead stone and, the stone lifted, lean
// to a colour (never its own) more often than to none by line dominance; the stone is put back.
bool testezone(TPlateau& p, int32_t rayon, int32_t r, int32_t c);
// Within the window of radius `rayon`, a path over points on `couleur`'s side of
// `carte` leads from the point to an unmarked stone of `couleur`.
bool relieparinfluence(const TPlateau& p, const TCarte& carte, uint8_t couleur, int32_t rayon, int32_t r, int32_t c);
// Within the window of radius `rayon`, empty points and dead enemy stones lead
// from the point to a stone set in `marque`.
bool atteintmarquedansfenetre(const TPlateau& p, const TMarques& marque, int32_t rayon, int32_t r, int32_t c);
// From a stone, within `pas` steps over points not of the other colour, a stone
// of its colour outside its chain that no weak or dead map flags.
bool atteintchainenonfaible(const TPlateau& p, int32_t pas, int32_t r, int32_t c);
// Walking points that are not live stones of `couleur`, it meets 3 points of the other colour's final
// territory, or 2 that are not next to each other.
bool compteterritoirefinalzone(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c);

// ---- Predicates -------------------------------------------------------------------
// Arguments: the board (or map), the colour, then the point. "board"
// neighbours are the four points in bounds, "table" ones those of
// tablevoisins, "8" the eight surrounding points.

// Neighbour colour and occupation.
// A board neighbour holds c.
bool voisincouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A table neighbour holds v in `carte`.
bool voisincouleurtable(const TMarques& carte, uint8_t v, int32_t r, int32_t col);
// A table neighbour holds v in the integer map.
bool voisincouleurtableint(const TCarte& carte, int32_t v, int32_t r, int32_t col);
// Every table neighbour holds v in `carte`.
bool tousvoisinscouleur(const TMarques& carte, uint8_t v, int32_t r, int32_t col);
// Every board neighbour holds c.
bool entoureparcouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// Some board neighbour does not hold c.
bool pasentoureparcouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// Every board neighbour holds c but exactly one empty point, returned in `vide`.
bool unseulvoisinvide(TPoint& vide, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// One of the eight surrounding points holds c.
bool voisin8couleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// One of the eight holds the other colour of c (black unless c is black).
bool voisin8enemi(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A board neighbour holding c is not marked.
bool voisincouleurnonmarque(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The point is marked, or a board neighbour holding c is.
bool chainemarqueeouvoisine(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The point is not marked, or a board neighbour holding c is not.
bool nonmarqueouvoisinnonmarque(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A marked table neighbour holds other content than the point.
bool voisinmarqueautrecouleur(const TPlateau& p, int32_t r, int32_t col);
// One of the eight holds the enemy of the point's stone (black unless the point is
// black), is marked, and is not set in `masque`.
bool voisin8enemimort(const TPlateau& p, int32_t r, int32_t col, const TMarques& masque);

// Liberties of neighbouring chains.
// Fewest liberties among the board neighbours holding c; 10 when there is none.
int32_t minlibertesvoisins(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A table neighbour holding c is in atari.
bool voisincouleuratari(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A board neighbour holding c is in atari.
bool voisincouleuratari4(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The same, appending to l (up to cap) every stone of those chains, each once.
bool voisincouleuratari4(const TPlateau& p, uint8_t c, int32_t r, int32_t col, TListePoints& l, int32_t cap);
// Stones of c in the chains whose only liberty is the empty point (r, col),
// by the liberties of `chaines`: those a move there takes out of atari; 0 when none.
int32_t testechaineh8(const TInfoChaine& chaines, const TPlateau& p, int32_t r, int32_t col, uint8_t c);
// A table neighbour is in atari by the chain table, whatever the point holds
// now (a chain lifted from a work board keeps its entry).
bool voisinatari(const TPlateau& p, int32_t r, int32_t col);
// A board neighbour holding c has exactly 2 liberties.
bool voisina2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A board neighbour holding c has 1 liberty, or 2 and is marked.
bool voisinatari2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A board neighbour holding c has more than 2 liberties and is not marked.
bool voisinaplusde2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A board neighbour holding c has a non-zero liberty byte.
bool voisinchainecomptee(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// One of the eight holds c with a liberty byte of 0.
bool voisin8sanslibertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A table neighbour holding c has fewer than 3 liberties.
bool voisinmoinsde3libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The same test.
bool voisinmoinsde3libertes2(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A table neighbour holding a stone has fewer than 3 liberties.
bool voisinpierremoinsde3libertes(const TPlateau& p, int32_t r, int32_t col);
// A table neighbour holding c has at most n liberties.
bool voisincouleurlibertesmax(const TPlateau& p, uint8_t c, int32_t n, int32_t r, int32_t col);
// A table neighbour holding c, owned by c in territoire, has at most n liberties.
bool voisinterritoirelibertes(const TPlateau& p, uint8_t c, int32_t n, int32_t r, int32_t col);
// At least two table neighbours holding c have 1 to 3 liberties (two of one
// chain count twice).
bool compteatarivoisins(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// Stones of c in chains in atari: the size bytes of the heads with 1 liberty.
int32_t pierresenatari(const TPlateau& p, uint8_t c);
// An unmarked stone on the other colour's territory with a table neighbour of
// that colour under 3 liberties.
bool pierreterritoireadverse(const TPlateau& p, int32_t r, int32_t col);

// Exit counts (an exit: an empty neighbour, or a neighbour of c in atari).
// Two exits among the table neighbours, or a neighbour of the other colour
// with more than 2 liberties; false at row 0.
bool testvoisinsatari(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The same, with the chain table t.
bool testvoisinsatariparam(const TInfoChaine& t, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// As testvoisinsatari with three exits.
bool compteissues(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The same, with the chain table t.
bool compteissuesparam(const TInfoChaine& t, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// As testvoisinsatari, or no enemy neighbour and exactly one neighbour of c in
// atari, a lone stone.
bool testvoisinsatariunique(const TPlateau& p, uint8_t c, int32_t r, int32_t col);

// Marks in a caller's map.
// A table neighbour is non-zero in m (the board is not read).
bool voisinmarque(const TPlateau& p, const TMarques& m, int32_t r, int32_t col);
// The same test, map first.
bool voisinmarque2(const TMarques& m, int32_t r, int32_t col);
// A table neighbour is set in m and holds c.
bool voisinmarquecouleur(const TPlateau& p, uint8_t c, const TMarques& m, int32_t r, int32_t col);
// At least two table neighbours are 1 in m and hold c.
bool deuxvoisinsmarquescouleur(const TMarques& m, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// More than one board neighbour is non-zero in m.
bool nbvoisinsnonnuls(const TMarques& m, int32_t r, int32_t col);
// A board neighbour is non-zero in m.
bool nbvoisinsnonnuls2(const TMarques& m, int32_t r, int32_t col);

// Territory and influence.
// An empty board neighbour is owned by c in territoire.
bool voisinvidedeterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A board neighbour is owned by c in territoire.
bool voisindeterritoire(uint8_t c, int32_t r, int32_t col);
// A board neighbour is not owned by c in territoire.
bool voisinhorsterritoire(uint8_t c, int32_t r, int32_t col);
// An empty board neighbour is owned by c in territoire or territoire2.
bool voisinvideterritoires(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// No table neighbour is owned by c in territoire or territoire2.
bool voisinvideterritoirestable(uint8_t c, int32_t r, int32_t col);
// A board neighbour holding c is owned by c in territoire.
bool voisincouleurterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The same neighbour also set in lesfaibles.
bool voisincouleurterritoirefaible(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The point is not owned by c in territoire, or a table neighbour is owned by c
// in neither territoire nor territoire2.
bool frontiereterritoire(uint8_t c, int32_t r, int32_t col);
// The point holds c in `carte` and every board neighbour holds c or is owned by
// c in territoire2, one empty point excepted.
bool pointenferme(const TMarques& carte, uint8_t c, int32_t r, int32_t col);
// Some listed point is owned by c in territoire.
bool listeterritoirecouleur(const int32_t* liste, uint8_t c);
// Some stone of c on its own territory is set in `avec` and not in `sans`.
bool pierreterritoiremarquee(const TPlateau& p, uint8_t c, const TMarques& sans, const TMarques& avec);
// Every table neighbour is on c's side of `carte` (above 0 for black, below
// for white), or is 0 there and holds c.
bool voisinsinfluencecouleur(const TPlateau& p, const TCarte& carte, uint8_t c, int32_t r, int32_t col);
// False at an empty neighbour owned by c only or a c neighbour on c's ground; else true with an empty
// neighbour owned by d, or with no unmarked c neighbour, an enemy on d's ground and an unowned empty one.
bool classevoisins(const TPlateau& p, int32_t r, int32_t col, uint8_t c, uint8_t d);

// Weak chains meeting at a point, trial threats, edge neighbours, fills.
// Two distinct chains of c with fewer than 3 liberties touch the point; false
// when the point's own liberty byte is 1.
bool deuxchainesfaiblesvoisines(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The same, the point not marked and both chains on c's territory.
bool deuxchainesfaiblesterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A candidate's trial record flags the stone at the point (bit 0x800).
bool essaimenacepoint(int32_t r, int32_t col);
// For an edge point: its last table neighbour off the edge, and its single empty
// edge neighbour (else pointko; (0, 1) when an edge stone of c with liberties is met first).
void voisinsdubord(TPoint& interieur, TPoint& bord, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// Writes v into the empty (2) board neighbours in `carte`, turning 1 into 2 there
// in `second`.
void remplitvoisinsvides(TMarques& carte, TMarques& second, uint8_t v, int32_t r, int32_t col);
// The same, carrying the fill one point on past a neighbour coded 5+ in `second`,
// and to an empty diagonal beside such a neighbour.
void remplitvoisinsvides2(TMarques& carte, TMarques& second, uint8_t v, int32_t r, int32_t col);
