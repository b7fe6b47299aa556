// Moves carried between units that work with lists of moves rather than boards.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One move. Created plain; the creator sets the fields.
class TCoups {
 public:
  virtual ~TCoups() = default;
  uint8_t couleur = 0;  // 0 white, 1 black
  int32_t ligne = 0;    // 1-based
  int32_t colonne = 0;  // 1-based
};

// A move with a mark, as the game-record readers create them.
class TCoupsMarque : public TCoups {
 public:
  TCoupsMarque() = default;
  uint8_t genre = 8;
  std::string libelle;
};

// An owning list of moves, indexed from 0 in insertion order.
class TCoupsListe {
 public:
  TCoupsListe() = default;
  TCoupsListe(const TCoupsListe&) = delete;
  TCoupsListe& operator=(const TCoupsListe&) = delete;

  // Appends `coup`; the list takes ownership.
  void Ajoute(TCoups* coup) { items.emplace_back(coup); }
  void AjouteCoup(int32_t ligne, int32_t colonne, uint8_t couleur);
  // Item i (0-based); no range test.
  TCoups* Coup(int i) const { return items[static_cast<std::size_t>(i)].get(); }
  int Count() const { return static_cast<int>(items.size()); }
  // Appends to `autre` a new copy (colour, row, column) of every item.
  void CopieVers(TCoupsListe& autre) const;
  // Frees every item.
  void Clear() { items.clear(); }

 private:
  std::vector<std::unique_ptr<TCoups>> items;
};
