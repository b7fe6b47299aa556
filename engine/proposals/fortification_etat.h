// The state of one run of the reinforcement family, shared by its files:
// the arguments, the working maps, the acceptance step and the small tests
// every sub-family uses.
#pragma once
#include <cstdint>
#include <string_view>

#include "engine/board/acces.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/proposals/cadre.h"

constexpr int32_t CAPACITEFORTIF = 300;  // the trace list and every sub-family list

// Working maps of one run (static storage, cleared at entry).
struct TTravailFortif {
  TMarques memoentree;            // memosurvie as the survival family left it
  TMarques testtueBentree;        // the opponent's kill strengths, cleared during the run
  TMarques pierressauvees;        // weak stones some proposed move saves
  TMarques pierressauvees2;       // the same, as the link of last resort sees it
  TMarques faiblesliees;          // class-0 stones of marquesliaison1
  TMarques lesfaiblessauves;      // lesfaibles before the zone adjustment
  TMarques pionsfortsordi;        // the engine's strong stones
  TMarques marquespointsliaison;  // 1: the trial links weak stones, 2: it does not
  TCarte meilleuretat;            // best survival state of class-2 stones
  TCarte croissancefaibles;       // territory growth of each weak stone's group
  TListePoints trace;             // the points of the sub-family running
};

struct Fortif {
  TMarques& marquesfortification;
  const TMarques& pointsliaison;
  TMarques& memosurvie;
  TMarques& testtueA;
  TMarques& testtueB;
  TMarques& testvitA;
  const TCartesParPoint& mortsA;
  const TCartesParPoint& mortsB;
  const TCartesParPoint& morts2A;
  TCarte& bonuscombatsemai;
  TCarte& fortification;
  TCarte& survieA;
  TCarte& survieB;
  TPlateau& p;
  uint8_t c, o;
  TListePoints& candidats;
  TMarques& marquesnoeud;
  TTravailFortif& w;
  TGardeEssai& garde;  // the position on entry
  bool classe1 = false, classe2 = false, classe3 = false, classe4 = false;
  int32_t numero = 0;  // the sub-family running
  uint8_t code = 0;    // its code in marquesfortification

  // ---- Terms ----
  int32_t taille() const { return configmoteur.taille; }
  bool faible(int32_t q) const { return lesfaibles[q] > 0; }
  bool candidat(int32_t i) const { return casescandidates[i] != 0; }
  // The stone q is alive after the engine's trial at i / in its own record.
  bool vivantmorts(int32_t i, int32_t q) const { return mortsA[i / TAILLEMAX][i % TAILLEMAX][q] == 0; }
  static bool vivantessai(const TEssaiCoup& e, int32_t q) { return pionsmortsessai(e)[q] == 0; }
  static TEssaiCoup& essaiA(int32_t i) { return essaisordi[i / TAILLEMAX][i % TAILLEMAX]; }
  static TEssaiCoup& essaiB(int32_t i) { return essaisjoueur[i / TAILLEMAX][i % TAILLEMAX]; }
  // t(P): the larger of the two strengths at the point.
  int32_t force(int32_t i) const { return testtueB[i] > testvitA[i] ? testtueB[i] : testvitA[i]; }
  // The stone q stays linked by the move at i (bit 0x100 of the link bits).
  static bool lieparcecoup(int32_t i, int32_t q) {
    return !(essaiA(q).liensessai[q] & 0x100) || (essaiA(i).liensessai[q] & 0x100);
  }
  // Marks the chains linked to the stone at q on the current board into m.
  void marquelies(TMarques& m, int32_t q) const;
  // Saves the stone q for the move at i with the code k.
  void sauve(int32_t i, int32_t q, uint8_t k) const;
  // A point of the square of radius r around i (i apart) is set in m.
  bool marquedanscarre(const TMarques& m, int32_t r, int32_t i) const;
  // The stone count of `m`'s linked engine stones that the adjustment made
  // strong (class 0 now, weak before it).
  int32_t rendusforts(const TMarques& m, int32_t i) const;
  // A linked engine stone of class 0 of m, alive after the trial at i, other than i.
  bool joinfort(const TMarques& m, int32_t i) const;
  // Loads the board and chain table of the engine's trial at i.
  void charge(int32_t i) const;

  // ---- Acceptance and labels ----
  void debut(int32_t n, uint8_t k) {
    numero = n;
    code = k;
    w.trace[0] = 0;
  }
  void accepte(int32_t i, int32_t s);
  void ecritliste(std::string_view label);

  // ---- Sub-families, each with the number it passes to debut ----
  void yeux();             // 1
  void yeuxoublies();      // 2
  void yeuxdiagonale();    // 3
  void yeuxentuant();      // 4
  void tuagestrategique(); // 5
  void liaison();          // 6
  void liaisoncoupure();   // 7
  void liaisonforcee();    // 8
  void liaisonmort();      // 9
  void evasion();          // 10
  void liaisonprise();     // 11
  void survieadverse();    // 12
  void revit();            // 13
  void coupforce();        // 14
  void propagation();      // 15
  void semaiseki();        // 16
  void degresemai();       // 17
  void influencereste();   // 18
  void liaisonseule();     // 19
  void dernierespoir();    // 20
  void nouveauxyeux();     // 21
  void augmenteyeux();     // 22
  void rectifievit();      // 23
  void rectifietue();      // 24
  void pluspossible();     // 25
  void forcechaine();      // 26
  void couperpourregner(); // 27
  void couperclasse2();    // 28
  // ---- Balancing ----
  void harmonisationBONUSSURVIE();
  void comparepionssauves();
  void bonussemai();
};

// The race counter and flags of a trial record, as the position analysis
// leaves them: the own stones the trial brings to seki or into a race
// (compteur3essai), the trial improves the race of one of its dead stones
// (flagmortsessai), the trial stone is linked to a live chain
// (lievivanteessai).
inline int32_t compteursemaiessai(const TEssaiCoup& e) { return e.compteur3essai; }
inline bool drapeausemaiessai(const TEssaiCoup& e) { return e.flagmortsessai != 0; }
inline bool drapeau2essai(const TEssaiCoup& e) { return e.lievivanteessai != 0; }

// Plays `couleur` at the point i, clears the dead marks of the stones it
// captures and, when the stone stands, reads the dead chains around it
// (liberty limit 5, one ply short of the reading depth). True when it stands.
bool joueetlit(TPlateau& p, int32_t i, uint8_t couleur, uint8_t autre);

// Best survival state of the stone for side 1 (engine) or 0 (opponent).
int32_t meilleuretatsurvie(int32_t cote, int32_t ligne, int32_t colonne);
// The engine's trial at the point makes an eye.
bool creeoeil(int32_t ligne, int32_t colonne);
// Territory of the final map of `cote` around the point (see fortification.cpp).
int32_t valeurterritoireautour(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t cote);
// Territory growth of the marked group of the stone at the point into `sortie`.
void croissanceterritoire(const TMarques& marques, const TPlateau& p, int32_t ligne, int32_t colonne, TCarte& sortie);
