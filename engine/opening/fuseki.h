// Fuseki library: whole-board opening positions and their known moves.
//
// The table is text: one line per position, key 0x80 value, CR LF, lines in
// strictly ascending order of their keys (unsigned bytes, a prefix first).
// A key lists the stones of a normalised position in scan order, two bytes a
// stone (`CodeCase`); a value lists the known moves in the same code.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board/coups.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr uint8_t SEPARATEURCLE = 0x80;  // between key and value in a line

// Orders keys as unsigned bytes, a prefix before its extensions: <0, 0, >0.
int comparecles(std::string_view a, std::string_view b);

class TFuseki {
 public:
  explicit TFuseki(int32_t taille);
  virtual ~TFuseki();
  TFuseki(const TFuseki&) = delete;
  TFuseki& operator=(const TFuseki&) = delete;

  int32_t taille;       // board size of the library, 1..19
  int32_t tailleplus1;  // taille + 1: S of the transforms and mirrors

  // Slot 0. Fills `carte` (361 bytes, board layout) with 1 on every library
  // move for `couleur` in `plateau`, mirrors included; `nombre` gets their
  // count. The map may mark occupied points: the caller filters them.
  virtual void CoupsSuggeres(uint8_t couleur, int32_t taille, int32_t& nombre, TMarques& carte,
                             const TPlateau& plateau);
  // Slot 1, the key builder: `CodePosition` here, a corner key for joseki.
  virtual std::string CodeCle(const TPlateau& plateau);

  // Replaces the lines by those of `flux` (CR LF, LF or CR ends a line).
  // Keys not strictly ascending leave the library empty and return false.
  bool ChargeFlux(std::span<const uint8_t> flux);
  int NombreLignes() const { return static_cast<int>(lignes.size()); }
  const std::string& Ligne(int i) const { return lignes[static_cast<std::size_t>(i)]; }

  // Part of `ligne` before its first 0x80 (empty without one), and after it
  // (the whole line without one).
  static std::string_view PartieCle(std::string_view ligne);
  static std::string_view PartieValeur(std::string_view ligne);

  // Binary search over the line keys: true and the line when found, else
  // false and the index where the key would go.
  bool RechercheDichotomique(std::string_view cle, int& index) const;
  // Empties the result, then decodes the value of `cle`'s line into it.
  void Cherche(std::string_view cle);
  void VideCoups() { coups.Clear(); }
  // The result of the last lookup (scratch: every lookup empties it first).
  const TCoupsListe& Coups() const { return coups; }

  // Two-byte point code: column | 0x20, then row | 0x20, + 0x40 for white.
  static void CodeCase(int32_t ligne, int32_t colonne, uint8_t couleur, uint8_t& octet1, uint8_t& octet2);
  // The stone of the point, if any, appended to `cle` in that code.
  static void AjouteCodeCase(std::string& cle, const TPlateau& plateau, int32_t ligne, int32_t colonne);
  static void DecodeCase(uint8_t octet1, uint8_t octet2, uint8_t& couleur, int32_t& colonne, int32_t& ligne);

  // Empties the result, then appends one move per stone, in scan order.
  void ListePierres(const TPlateau& plateau);
  // The codes of all stones, rows 1..taille outer, columns inner.
  std::string CodePosition(const TPlateau& plateau) const;
  // Key of the result's stones, each moved by `transformation`.
  std::string CleTransformee(int transformation);
  // The transform that brings the stones towards the highest rows, then the
  // highest columns, ties broken by the smallest key. Fills the result.
  int Normalise(const TPlateau& plateau);
  // Bit 1: unchanged by transform 3, 2: by 7, 4: by 5, 8: by 1. 15 if empty.
  int Symetries(const TPlateau& plateau);

  // The eight transforms 0..7 and their inverses, S = tailleplus1.
  void TransformeCase(int transformation, int32_t& ligne, int32_t& colonne) const;
  void TransformeInverse(int transformation, int32_t& ligne, int32_t& colonne) const;
  // Mirror on axis 1 (S-r, c), 2 (r, S-c), 3 (S-c, S-r), 4 (c, r); other
  // axes leave the point.
  void CaseSymetrique(int axe, int32_t& ligne, int32_t& colonne) const;

 protected:
  std::vector<std::string> lignes;  // the table, one line each, without CR LF
  TPlateau modele;                  // every point empty: transformed positions go on a copy
  TCoupsListe coups;                // result of the last lookup
};

// Loads the library for `taille` from the data item "FUSEKI<taille>".
// A missing, empty or unsorted item gives an empty library.
void chargefuseki(int32_t taille);
void liberefuseki();
