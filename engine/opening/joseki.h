// Joseki library: corner sequences, looked up corner by corner.
//
// Same table format as the fuseki library. A key holds one corner region,
// normalised into the bottom-right corner of a 19x19 frame and listed in
// shell order (`CodeCoin`); the moves are in frame coordinates.
#pragma once
#include "engine/opening/fuseki.h"

// Flag bits of the suggestion map.
constexpr uint8_t JOSEKIPOURMOI = 1;     // a move for the colour asked
constexpr uint8_t JOSEKIPOURAUTRE = 2;   // a move for the other colour
constexpr uint8_t JOSEKIREDUIT = 4;      // found with a reduced corner region
// Corner bit of corners 1..4 (low/low, high/low, high/high, low/high rows/columns).
constexpr uint8_t bitcoin(int coin) { return static_cast<uint8_t>(256 >> coin); }

class TJoseki : public TFuseki {
 public:
  explicit TJoseki(int32_t taille);
  TJoseki(int32_t taille, int32_t regioncoin);

  int32_t regioncoin;    // corner region size R: (taille + 1) div 2
  int32_t taillesauvee;  // see SauveTaille

  // Per-corner suggestion bits, with corner bits 128, 64, 32, 16 for corners
  // 1..4; on a known corner's stones the corner bit alone. `nombre` gets the
  // count of marked empty points.
  void CoupsSuggeres(uint8_t couleur, int32_t taille, int32_t& nombre, TMarques& carte,
                     const TPlateau& plateau) override;
  std::string CodeCle(const TPlateau& plateau) override { return CodeCoin(plateau); }

  // Sets the board size (clamped to 1..19) and the corner region size.
  void FixeTaille(int32_t taille);
  void SauveTaille() { taillesauvee = taille; }
  void RestaureTaille() { FixeTaille(taillesauvee); }

  // Empty frame with the r x r quadrant of `coin` copied to the same corner
  // of the 19x19 frame, orientation unchanged.
  TPlateau ExtraitCoin(const TPlateau& plateau, int coin, int32_t r) const;
  // Normalising transform and key of a frame, computed at size 19.
  void CleCoin(const TPlateau& cadre, int& transformation, std::string& cle);
  // Stones of the R shells around the corner point (S-1, S-1): each shell's
  // row from the edge inwards, then its column back out to the edge.
  std::string CodeCoin(const TPlateau& plateau) const;

  // Frame to game coordinates: shift by taille - 19.
  void Recale(int32_t& ligne, int32_t& colonne) const;
  // Angle 90: transform 2, 180: 4, 270: 6; other angles leave the point.
  void TourneCase(int32_t& ligne, int32_t& colonne, int angle) const;
  // The point lies in the corner's quadrant (R belongs to both halves).
  bool DansCoin(int32_t ligne, int32_t colonne, int coin) const;
  static void MarqueCoin(uint8_t& octet, int coin) { octet |= bitcoin(coin); }

 private:
  struct Requete;  // the state one request shares between its steps
  void ReporteCoups(Requete& q, uint8_t couleur, const std::string& cle, int transformation);
  void ReporteSymetrique(Requete& q, int32_t ligne, int32_t colonne);
  void MarquePierresCoin(Requete& q, const TPlateau& plateau, int32_t r);
  int SymetriesCadre(const TPlateau& cadre);
  void RechercheReduite(Requete& q, const TPlateau& plateau, std::string cle, uint8_t couleur);
};

// Loads the library for `taille` (corner region 10) from the data item "JOSEKI".
// A missing, empty or unsorted item gives an empty library.
void chargejoseki(int32_t taille);
void liberejoseki();
