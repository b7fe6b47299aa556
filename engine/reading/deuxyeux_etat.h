// State shared by the nodes of one two-eye reading and its move generators.
// Internal to the two-eye reading's unit.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/reading/deuxyeux.h"

// Per-ply arrays: nodes reach ply PLIMAXYEUX, best replies one ply further.
constexpr int32_t PLISYEUX = PLIMAXYEUX + 2;

// Node mark values (T).
constexpr uint8_t YLISTE = 1;    // in the list, not yet tried
constexpr uint8_t YJOUE = 2;     // tried, captured nothing
constexpr uint8_t YREFUSE = 3;   // refused: the stone could not be played
constexpr uint8_t YPRISE = 5;    // tried, captured stones

// Buffers of one node, one set per ply (static storage).
struct TNoeudYeux {
  TListePoints liste;              // L, capacity CAPACITEYEUX
  TMarques marques;                // T
  TMarques evaluations;            // E: code of genecoupsyeux per tried point (defender nodes)
  TInfoChaine chaines;             // chain table before a move the journal had no room for
  TListePoints prises;             // stones taken by the move in play
  int32_t valeurs[CAPACITEYEUX + 2];  // look-ahead scores, [k] with point k
};

struct TEtatYeux {
  TPlateau* p = nullptr;
  int32_t cl = 0, cc = 0;          // the chain's point
  uint8_t C = 0, O = 0;            // defender and attacker
  int32_t D = 0, D0 = 0;           // nominal depth (+2 while a recapture is read) and at the start
  int32_t noeuds = 0;
  bool vievue = false;             // some defender node found a living move
  TMarques carte0, carte1, carte2; // bytes 0, 1, 2 of the defender's final territory map
  TListePoints fenetre;            // empty points near the chain
  TListePoints pointsessais;       // look-ahead points
  TPoint ligne[LIGNEYEUX];         // move of each ply; (0, 0) pass or refused
  TPoint meilleures[PLISYEUX + 1]; // best reply of each ply (killers)
  int32_t tailles[PLISYEUX + 1];   // list size of each ply
  TListePoints profonds1, profonds2;  // defender refutations of ply 4
  int32_t remplissage[DERNIERETABLEYEUX + 1];  // fill of each store table
  TMarques vitaux;                 // vital points of plies 1 and 2
  TPlateau copie;                  // board and chain table at the start of the search
  TInfoChaine copiechaines;
  bool essaivie = false;           // the look-ahead found life
  int32_t resultat = 0;            // value of the last node: VIEYEUX or 0
  TPoint prise;                    // capture point of a lone stone read in atari
  // Scratch of the generators and the look-ahead.
  TMarques S;
  TMarques M;
  TListePoints K;
  TListePoints prisesessai;
  TNoeudYeux noeud[PLISYEUX + 1];
};

inline int32_t ixy(const TPoint& q) { return indexcase(q.ligne, q.colonne); }
inline bool posey(const TPoint& q) { return q.ligne != 0; }
inline TPoint pointy(const TListePoints& l, int32_t k) { return TPoint{ligneliste(l, k), colonneliste(l, k)}; }
inline int32_t libertesy(const TPoint& q) { return infochaine[ixy(q)][0]; }

// pionsmorts set on the attacker's stones still on the line of plies
// 1..pli-1 for a scope, put back the last first.
struct MortsLigne {
  int32_t nb = 0;
  int32_t index[LIGNEYEUX];
  uint8_t avant[LIGNEYEUX];
  MortsLigne(const TEtatYeux& e, int32_t pli) {
    for (int32_t k = 1; k < pli && k < LIGNEYEUX; ++k) {
      const TPoint q = e.ligne[k];
      if (!posey(q) || (*e.p)[ixy(q)] != e.O) continue;
      index[nb] = ixy(q);
      avant[nb] = pionsmorts[ixy(q)];
      pionsmorts[ixy(q)] = 1;
      ++nb;
    }
  }
  ~MortsLigne() {
    while (nb > 0) {
      --nb;
      pionsmorts[index[nb]] = avant[nb];
    }
  }
  MortsLigne(const MortsLigne&) = delete;
  MortsLigne& operator=(const MortsLigne&) = delete;
};

// ---- Move lists (deuxyeux_coups.cpp); each empties the node's list first ----
// Defender node up to the nominal depth.
void coupsdefenseyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli, TPoint ko, TPoint precedent);
// Attacker node up to the nominal depth.
void coupsattaqueyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli, TPoint precedent);
// Either side beyond the nominal depth.
void coupsprolongationyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli, bool defenseur, TPoint ko);
// The defender's look-ahead: plays every listed move; sets e.essaivie on life
// (with the best reply), otherwise sorts the list by score.
void essaisvieyeux(TEtatYeux& e, TNoeudYeux& n, int32_t pli);
// Points where the defender's colour has an exit first, the others after.
void triecoupsattaqueyeux(const TEtatYeux& e, TListePoints& l);
// Keeps the points whose map byte is 1..borne, already marked, or next to a
// short chain by voisinfaible for `autre`; kept points get T := 1.
void filtrecoupsyeux(const TEtatYeux& e, TNoeudYeux& n, const TMarques& carte, int32_t borne, uint8_t autre);
// The attacker's stone of ply D - 1, else of ply D - 3, is in atari.
bool atarisurchemin(const TEtatYeux& e);
// Life once the attacker chains next to m that the capture reading takes are
// filled; the board and the chain table come back.
bool vieapresprises(TPlateau& p, const TMarques& M, int32_t pli, uint8_t O, uint8_t C, const TMarques& carte0,
                    int32_t& score, TPoint m, TPoint chaine);
