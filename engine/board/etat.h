// Engine state: the record types, every engine-wide global and the per-move
// reset `initmoteur`. The globals and their reset rules are listed once, as a
// data sheet, in etat_globales.h; this header declares them from that list.
// Large arrays are static storage; everything is zero at program start (but
// for the start values of the sheet), so what the reset leaves alone never
// holds garbage.
//
// Colours are 0 white, 1 black, 2 empty; maps are in the board layout
// (index (row-1)*19 + (col-1)) whatever the board size.
#pragma once
#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

#include "engine/board/trace.h"
#include "engine/board/types.h"

// The opening libraries, held by pointer in the state.
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
constexpr TInfoZone ZONEVIDE{0, 0, 2};  // a record of no zone

// Chain-pair link bits of the cut analysis, indexed [e][i][j]: e the number
// of an empty point, i and j the numbers of two chain heads (numerotation).
// Sized for the position before the move; empty until sized.
struct TTableLiaisons {
  int32_t nbvides = 0;          // E + 1
  int32_t nbchaines = 0;        // M + 1
  std::vector<uint8_t> octets;  // nbvides * nbchaines * nbchaines bytes
  bool operator==(const TTableLiaisons&) const = default;
};

// Trial-move record: what a trial stone at one point does.
struct TEssaiCoup {
  TPlateau plateauessai;      // board after the trial move
  TMarques carte1essai;       // byte map of the move choice's trial analysis
  TMarques carteessaimoyo;    // map the opening book's moyo key is made from
  TInfoChaine infochaineessai;  // chain table after the move
  TMarques plateauessai2;     // dead-stone mask after the move (loaded into pionsmorts)
  TMarques carte2essai;       // dead marks of the trial's capture readings, before its status pass (set by the trial)
  TMarques carte3essai;       // dead marks after the trial's status pass (set by the trial)
  TCarte etatessai;           // status code of the stone at each point after the move
  TCarte valeursessai;        // value going with each status code
  TCarte liensessai;          // bits: 0x10 linked+alive, 0x20 linked, 0x80 killed, 0x100 cut, 0x800 zone walked
  TMarques marquesessai;      // flag bytes (0x80|0x10 = saved by the move, ...)
  uint8_t essaifait;          // record filled this turn (and further bits of the link analysis)
  int32_t gainmoyoordi;       // moyo gain of the engine after the move
  int32_t gainmoyojoueur;     // moyo gain of the opponent after the move
  int32_t compteur1essai;     // counters read by the opening book's filter
  int32_t compteur2essai;
  int32_t valeurcoupure;      // value of the cut at the point
  uint8_t flagessai1;         // strong-trial flags of the weak-chain and reinforcement families
  uint8_t flagessai2;
  int32_t marqueessai;        // the record is marked (low byte read)
  int32_t nbprisesessai;      // stones captured by the trial (plus the survival value)
  int32_t nbtuesessai;        // opponent stones killed by the trial
  int32_t nbsauvesessai;      // own stones saved by the trial
  int32_t compteur3essai;     // own stones left threatened
  int32_t formeessai;         // shape flags (formescoup.h); 0x40 the trial chain survives its re-reading
  int32_t compteur4essai;     // counters cleared for every trial
  int32_t compteur5essai;
  uint8_t flagmortsessai;
  uint8_t lievivanteessai;    // the trial stone is linked to a live chain
};

// What the invasion term of the search learnt about a candidate q (the
// record at [q row-1][q col-1]): per invasion point p it tried, 4 = the
// invasion at p lives after q, 2 = it keeps some value, 1 = q stops it;
// `valeur` its cached value (0 not computed, -1 nothing, above 0 the value).
struct TEffetInvasion {
  TMarques marques;
  int32_t valeur;
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
constexpr int32_t NBTABLESLIAISON = 18;  // transposition tables of the local and link readings, plies 3..20

// ---- Reset rules -----------------------------------------------------------------------
// The third column of the sheet: what initmoteur does with each global.
namespace remise {
struct Laisse {};      // left alone; the sheet's comment says who sets it
struct Construite {};  // built for the board size by construittables
struct ParNiveau {};   // set by niveaureel
struct Mesure {};      // left alone but for niveaureel's speed measure, which clears rows and columns 1..9
template <class V> struct Vaut { V v; };         // every element := v
template <class V> struct ApresNiveau { V v; };  // every element := v after niveaureel, which reads the old value
template <class V> struct Premier { V v; };      // word 0 of every innermost array := v (bucket and record counts)
template <class V, class C, class... T> struct Champs {  // in every C of the global, the named fields := v
  V v;
  std::tuple<T C::*...> champs;
};

inline constexpr Laisse laisse{};
inline constexpr Construite construite{};
inline constexpr ParNiveau parniveau{};
inline constexpr Mesure mesure{};
template <class V> constexpr Vaut<V> vaut(V v) { return {v}; }
template <class V> constexpr ApresNiveau<V> apresniveau(V v) { return {v}; }
template <class V> constexpr Premier<V> premier(V v) { return {v}; }
template <class V, class C, class... T> constexpr Champs<V, C, T...> champs(V v, T C::*... m) { return {v, {m...}}; }
}  // namespace remise

// Lets a sheet entry name an array type: TGlobale<int32_t[30]> is int32_t[30].
template <class T> using TGlobale = T;

// ---- The globals --------------------------------------------------------------------------
#define GLOBALE(type, nom, ...) extern TGlobale<type> nom;
#define ALIAS(type, nom, cible) extern TGlobale<type>& nom;
#include "engine/board/etat_globales.h"
#undef GLOBALE
#undef ALIAS

// Board size of the current move (`taille` of configmoteur).
inline int32_t taillemoteur() { return configmoteur.taille; }

// Trial records by point.
inline TEssaiCoup& essaiordi(int ligne, int colonne) { return essaisordi[ligne - 1][colonne - 1]; }
inline TEssaiCoup& essaijoueur(int ligne, int colonne) { return essaisjoueur[ligne - 1][colonne - 1]; }

// ---- Reset ------------------------------------------------------------------------------
// Brings the engine state to its start values before an engine move, as the
// sheet's rules say: builds the tables of the board size and calls niveaureel
// as its last step but one. Reads configmoteur and couleurdemandee. Leaves
// plateaumoteur alone, and infochaine but for the speed measure's corner.
void initmoteur();

// Builds tablevoisins, bordgoban, distancebord and zonescoins for size n.
void construittables(int32_t n);
