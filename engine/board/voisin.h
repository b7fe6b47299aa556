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
void marquechaine(const TPlateau& p, int32_t r, int32_t c);
void demarquechaine(const TPlateau& p, int32_t r, int32_t c);
// Over the chain's stones flagged 1 in vu: clears pionsmorts and the flag.
void effacemarquechaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Over the chain's stones flagged 1 in etat: sets pionsmorts, clears the flag.
void marquechaineselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c);
// The same, clearing pionsmorts.
void demarquechaineselonvisite(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c);
// Over stones flagged 1: flag 2 and pionsmorts; their empty neighbours get flag 1.
void marquechaineselonvisite2(const TPlateau& p, TMarques& etat, int32_t dir, int32_t r, int32_t c);
// Over connected stones of one colour marked in pionsmorts: clears the mark, sets vu.
void effacemortschaine(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Sets pionsmorts over the chain, pionsmorts itself serving as visited mark.
void marquechainesansvisite(const TPlateau& p, int32_t r, int32_t c);
// Sets pionsmorts over the chain and clears the marks of every marked chain
// of other content next to it.
void marquechainesvoisinesmarquees(const TPlateau& p, int32_t r, int32_t c);

// ---- Family B: stones and liberties of one chain -----------------------------------
// Stones into the list (start first), distinct liberties counted into nblib.
void chaineetlibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu, int32_t& nblib);
// First liberty into `lib`; a second distinct liberty sets lib.ligne to 1000.
void derniereliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// The same, counting the stones into n.
void derniereliberteetcompte(int32_t& n, const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c,
                             TMarques& vu);
// Stones not marked dead into n (1000 at a second liberty), first liberty into
// lib, flag set when an adjacent stone of another colour is in atari.
void derniereliberteetvoisinatari(int32_t& n, uint8_t& flag, const TPlateau& p, TPoint& lib, int32_t dir,
                                  int32_t r, int32_t c, TMarques& vu);
// First empty neighbour of the chain not yet visited (left unmarked); (0, 0) when none.
void trouveliberte(const TPlateau& p, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu);
TPoint premiereliberte(const TPlateau& p, int32_t r, int32_t c);
// Stones and liberties counted; stops at 2 liberties.
void comptepierreslibertes2(const TPlateau& p, int32_t& pierres, int32_t& libertes, int32_t dir, int32_t r,
                            int32_t c, TMarques& vu);
bool aumoinsdeuxlibertes(const TPlateau& p, int32_t r, int32_t c);
// Marks 1 in vu the chain of `couleur` through the point and its liberties.
void libertesmarquees(const TPlateau& p, uint8_t couleur, TMarques& vu, int32_t dir, int32_t r, int32_t c);
// Writes `valeur` over the chain of `couleur` and its liberties in `sortie`.
void marquechaineetlibertes(const TPlateau& p, uint8_t couleur, uint8_t valeur, TMarques& sortie, int32_t dir,
                            int32_t r, int32_t c);
// Stones of a loose group (orthogonal, then diagonal through an empty shared
// point); lists up to 3, and a fourth stone sets n to 4 and stops.
void collectepetitgroupe(const TPlateau& p, TListePoints& l, int32_t& n, int32_t r, int32_t c, TMarques& vu);
// Adjacent stones of the other colour (empty neighbours marked visited).
void listepierresennemiesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                  int32_t c, TMarques& vu);
// The same, empty neighbours left unmarked.
void listepierresennemiesvoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r,
                                   int32_t c, TMarques& vu);
// Adjacent stones of the other colour whose chain is in atari.
void listeennemisatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu);
// Every stone of the chain; flag when an adjacent enemy chain is in atari.
void pierreschaineetatariennemi(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu);
bool aucunennemiatari(const TPlateau& p, int32_t r, int32_t c);
bool aucunennemifaible(const TPlateau& p, int32_t r, int32_t c);
// A stone of another content next to the chain is set in `marque`.
bool chainetouchemarque(const TPlateau& p, const TMarques& marque, TMarques& vu, int32_t r, int32_t c);
// A neighbour of a chain stone is set in `marque`; vu gets the walked stones.
bool chainetouchemarque2(const TPlateau& p, TMarques& vu, const TMarques& marque, int32_t r, int32_t c);

// ---- Family C: liberty lists that cross weak chains -----------------------------------
void libertesetatari(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu);
void libertesdepart(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                    TMarques& vu);
void libertesetatari2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                      TMarques& vu);
void libertesetfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                       TMarques& vu);
void libertesetfaiblesdrapeau(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                              int32_t r, int32_t c, TMarques& vu);
void libertesetcapturables(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu);
void listelibertes(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                   TMarques& vu);
void libertesetvoisinsfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                              TMarques& vu);
void libertesennemisfaibles(const TPlateau& p, TListePoints& l, int32_t cap, uint8_t& flag, int32_t dir,
                            int32_t r, int32_t c, TMarques& vu);
void libertesatarivoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu);
void libertesatarivoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                            TMarques& vu);
void atarichainesvoisines(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                          TMarques& vu);
void atarichainesvoisines2(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu);
// Marks in vu the chain's liberties and crosses adjacent chains with fewer than 3 liberties.
void libertesetfaiblesvisite(const TPlateau& p, TMarques& vu, int32_t r, int32_t c);
// Heads of the chains with fewer than 3 liberties reached through such chains.
void listechainesfaibles(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu);
// Plays a stone on each liberty listed by listelibertes (colours alternate
// as given: `couleur`, then `autre`... as the caller's jouecoup calls).
void libertesverscoups(TPlateau& p, int32_t r, int32_t c, uint8_t couleur, uint8_t autre);

// ---- Family D: region walks -----------------------------------------------------
// Marks the empty region through the point and the stones bordering it.
void marquezonevide(const TPlateau& p, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Points not of `couleur` reached; n counts the empty ones.
void comptevideszone(const TPlateau& p, uint8_t couleur, int32_t& n, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu);
// Points not of `couleur` counted (start included); stops stepping at 31.
void comptezonenoncouleurplafond(int32_t& n, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                                 TMarques& vu);
// Counts empty points not of `couleur`; a flagged empty point reached from a
// flagged point is set to `couleur` on the board and ends that branch.
void comptezonenoncouleurmarque(TPlateau& p, uint8_t couleur, const TMarques& marque, int32_t& n, int32_t dir,
                                int32_t r, int32_t c, TMarques& vu);
// Region of empty points and dead stones: its size, and the border state
// 0 none, 1 one colour (in couleur), 2 both (couleur 2).
void zonevideetfrontiere(int32_t& nb, int32_t& etat, uint8_t& couleur, int32_t dir, int32_t r, int32_t c,
                         TMarques& vu, const TPlateau& p);
// Points not of `couleur` (empty points owned by it not crossed); 1000 at an unmarked stone.
void zonenoncouleur(const TPlateau& p, uint8_t couleur, int32_t& res, int32_t dir, int32_t r, int32_t c,
                    TMarques& vu);
void testzonenoncouleur(const TPlateau& p, int32_t r, int32_t c);
// Empty points; 1000 at the first stone of `couleur`.
void zonevidetouchecouleur(int32_t& res, uint8_t couleur, const TPlateau& p, int32_t dir, int32_t r, int32_t c,
                           TMarques& vu);
// Empty region: clears flag when it touches another colour than `couleur`;
// paints the region with `couleur` in `sortie` while the flag holds.
void zonevideentouree(const TPlateau& p, uint8_t& flag, uint8_t couleur, TMarques& sortie, int32_t dir, int32_t r,
                      int32_t c, TMarques& vu);
bool zonevidedansfenetre(const TPlateau& p, uint8_t couleur, int32_t rayon, int32_t r, int32_t c);
bool zonevideatteintpositif(const TCarte& carte, const TPlateau& p, int32_t rayon, int32_t r, int32_t c);
// Empty points reached through points without a chain-table entry inside the rectangle.
void videsdansfenetre(TListePoints& l, int32_t cap, const TPlateau& p, int32_t lmin, int32_t lmax, int32_t cmin,
                      int32_t cmax, int32_t r, int32_t c);
void remplitzonerectangle(const TPlateau& p, int32_t r, int32_t c, int32_t lmin, int32_t lmax, int32_t cmin,
                          int32_t cmax, TMarques& m);
bool zonefermee(const TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c);
void marquechaineenfermee(const TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c);
bool testezone(TPlateau& p, int32_t rayon, int32_t r, int32_t c);
bool relieparinfluence(const TPlateau& p, const TCarte& carte, uint8_t couleur, int32_t rayon, int32_t r, int32_t c);
bool atteintmarquedansfenetre(const TPlateau& p, const TMarques& marque, int32_t rayon, int32_t r, int32_t c);
bool atteintchainenonfaible(const TPlateau& p, int32_t pas, int32_t r, int32_t c);
bool compteterritoirefinalzone(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c);

// ---- Predicates -------------------------------------------------------------------
// Arguments: the board (or map), the colour, then the point. "board"
// neighbours are the four points in bounds, "table" ones those of
// tablevoisins, "8" the eight surrounding points.

// Neighbour colour and occupation.
bool voisincouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);           // board
bool voisincouleurtable(const TMarques& carte, uint8_t v, int32_t r, int32_t col);  // table
bool voisincouleurtableint(const TCarte& carte, int32_t v, int32_t r, int32_t col);  // table
bool tousvoisinscouleur(const TMarques& carte, uint8_t v, int32_t r, int32_t col);  // table
bool entoureparcouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool pasentoureparcouleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// Every neighbour holds c but exactly one empty point, returned in `vide`.
bool unseulvoisinvide(TPoint& vide, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisin8couleur(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisin8enemi(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisincouleurnonmarque(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool chainemarqueeouvoisine(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool nonmarqueouvoisinnonmarque(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinmarqueautrecouleur(const TPlateau& p, int32_t r, int32_t col);
bool voisin8enemimort(const TPlateau& p, int32_t r, int32_t col, const TMarques& masque);

// Liberties of neighbouring chains.
int32_t minlibertesvoisins(const TPlateau& p, uint8_t c, int32_t r, int32_t col);  // 10 when none
bool voisincouleuratari(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisincouleuratari4(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// The same, listing the stones of those chains (each once).
bool voisincouleuratari4(const TPlateau& p, uint8_t c, int32_t r, int32_t col, TListePoints& l, int32_t cap);
bool voisinatari(const TPlateau& p, int32_t r, int32_t col);
bool voisina2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinatari2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinaplusde2libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinchainecomptee(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisin8sanslibertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinmoinsde3libertes(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinmoinsde3libertes2(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinpierremoinsde3libertes(const TPlateau& p, int32_t r, int32_t col);
bool voisincouleurlibertesmax(const TPlateau& p, uint8_t c, int32_t n, int32_t r, int32_t col);
bool voisinterritoirelibertes(const TPlateau& p, uint8_t c, int32_t n, int32_t r, int32_t col);
bool compteatarivoisins(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
int32_t pierresenatari(const TPlateau& p, uint8_t c);
bool pierreterritoireadverse(const TPlateau& p, int32_t r, int32_t col);

// Issue counts (an issue: an empty neighbour, or a neighbour of c in atari).
bool testvoisinsatari(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool testvoisinsatariparam(const TInfoChaine& t, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool compteissues(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool compteissuesparam(const TInfoChaine& t, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool testvoisinsatariunique(const TPlateau& p, uint8_t c, int32_t r, int32_t col);

// Marks in a caller's map.
bool voisinmarque(const TPlateau& p, const TMarques& m, int32_t r, int32_t col);
bool voisinmarque2(const TMarques& m, int32_t r, int32_t col);
bool voisinmarquecouleur(const TPlateau& p, uint8_t c, const TMarques& m, int32_t r, int32_t col);
bool deuxvoisinsmarquescouleur(const TMarques& m, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool nbvoisinsnonnuls(const TMarques& m, int32_t r, int32_t col);
bool nbvoisinsnonnuls2(const TMarques& m, int32_t r, int32_t col);

// Territory and influence.
bool voisinvidedeterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisindeterritoire(uint8_t c, int32_t r, int32_t col);
bool voisinhorsterritoire(uint8_t c, int32_t r, int32_t col);
bool voisinvideterritoires(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisinvideterritoirestable(uint8_t c, int32_t r, int32_t col);
bool voisincouleurterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool voisincouleurterritoirefaible(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool frontiereterritoire(uint8_t c, int32_t r, int32_t col);
bool pointenferme(const TMarques& carte, uint8_t c, int32_t r, int32_t col);
// Entries of three integers: [0] = count, entry k at [3k], [3k+1], [3k+2].
bool listeterritoirecouleur(const int32_t* liste, uint8_t c);
bool pierreterritoiremarquee(const TPlateau& p, uint8_t c, const TMarques& sans, const TMarques& avec);
bool voisinsinfluencecouleur(const TPlateau& p, const TCarte& carte, uint8_t c, int32_t r, int32_t col);
bool classevoisins(const TPlateau& p, int32_t r, int32_t col, uint8_t c, uint8_t d);

// Two weak chains of c meeting at the point.
bool deuxchainesfaiblesvoisines(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
bool deuxchainesfaiblesterritoire(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// A candidate's trial record flags the stone at the point (bit 0x800).
bool essaimenacepoint(int32_t r, int32_t col);
// For an edge point: its last table neighbour off the edge, and its single
// empty edge neighbour (else pointko; (0, 1) when an edge stone of c with
// liberties is met first).
void voisinsdubord(TPoint& interieur, TPoint& bord, const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// Writes v into the empty (2) orthogonal neighbours in `carte`, turning 1 into 2 in `second`.
void remplitvoisinsvides(TMarques& carte, TMarques& second, uint8_t v, int32_t r, int32_t col);
void remplitvoisinsvides2(TMarques& carte, TMarques& second, uint8_t v, int32_t r, int32_t col);
