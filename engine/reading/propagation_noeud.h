// The node of the propagation reading, shared with the invasion searches
// built on it. The node runs the propagation reading's own rules; a search
// that differs at some step overrides that step's hook. Internal to the
// reading layer.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/types.h"
#include "engine/reading/lecturelocale.h"
#include "engine/reading/prise.h"

class TNoeudPropagation : public TContextePropagation {
 public:
  using TContextePropagation::TContextePropagation;
  virtual ~TNoeudPropagation() = default;

  // The node at ply `pli`, s to move, u the other side, line-entered flag f,
  // position key (CLESANS = keys off), ko point handed down; answers in r.
  void lecturerecu2(int32_t pli, uint8_t s, uint8_t u, uint8_t f, uint32_t cle, TPoint ko);

 protected:
  // ---- Steps a search may take its own way (the defaults are the propagation reading's) ----
  // A line that has not entered the territory is cut here (R = 0).
  virtual bool coupeentree(int32_t pli, uint8_t f) const { return f == 0 && pli >= 4; }
  // Fills the node's candidates; true when the node answers at once with r.
  virtual bool candidats(int32_t pli, uint8_t s, uint8_t f, TNoeudLecture& n, TPoint ko, uint32_t& cle);
  // The owner appends pointko at this ply.
  virtual bool koproprio(int32_t pli) const { return pli < 6; }
  // A pass at this ply switches the keys off for the subtree.
  virtual bool passesanscles(int32_t pli) const { return pli <= 3; }
  // Line-entered flag after a move of the chain side on `im` (its captures in n.prises).
  virtual uint8_t entreechaine(int32_t im, const TNoeudLecture& n, uint8_t f);
  // Called before an owner's first move is withdrawn.
  virtual void avantretrait(TNoeudLecture&, TPoint, TPoint) {}
  // The owner's move m ends the line by capture.
  virtual bool finparprise(const TNoeudLecture& n) const;
  // Line value from V (count-gain flag `gain`), and the bound before descending.
  virtual int32_t evalue(int32_t pli, uint8_t gain) const;
  virtual bool bornepermise(uint8_t) const { return true; }
  virtual int32_t borne(int32_t pli) const;
  // After an owner's move at ply `pli` is undone and its value is in r.
  virtual void apresproprio(int32_t, TNoeudLecture&, TPoint) {}

  // ---- Shared steps ----
  // Value of a line that ends at this node (no candidate, or no legal move).
  int32_t terminale(int32_t pli, uint8_t s, uint8_t f) const;
  // Liberties of the owner chains of at most l liberties next to the target
  // (l = 3 at plies 1-2, else 2), chains whose point is marked skipped.
  void libertesvoisinscible(int32_t pli, TNoeudLecture& n);
  // The same for the chain side, and the lifting of capturable ones (from
  // level 7; from level 9 past ply 4): keys switched off, board and chain
  // table kept before the first lift. With `marquesaussi`, a marked
  // neighbour gives no liberties but is still tested for lifting. `leve`
  // is called before each lift with the neighbour's index (1..4) and point.
  template <class F>
  void chainesfaiblescible(int32_t pli, TNoeudLecture& n, TPoint ko, uint32_t& cle, bool marquesaussi, F&& leve);

 private:
  void candidatschaine(int32_t pli, TNoeudLecture& n, TPoint ko, uint32_t& cle);
  void candidatsproprio(int32_t pli, TNoeudLecture& n);
};

// ---- Template members ----------------------------------------------------------------
template <class F>
void TNoeudPropagation::chainesfaiblescible(int32_t pli, TNoeudLecture& n, TPoint ko, uint32_t& cle,
                                            bool marquesaussi, F&& leve) {
  const int32_t l = pli <= 2 ? 3 : 2;
  int32_t k = 0;
  pastable(cible.ligne, cible.colonne, [&](int32_t r2, int32_t c2) {
    ++k;
    const int32_t j = indexcase(r2, c2);
    if (p[j] != o || infochaine[j][0] > l) return false;
    if (n.masque[j]) {
      if (!marquesaussi) return false;
    } else {
      libertesdelachaine(p, n.liste, CAPACITELECTURE, 0, r2, c2, n.masque);
    }
    if (niveau > 6 && (pli <= 4 || niveau > 8) && infochaine[j][0] <= 2 && testprise(p, r2, c2, 8, 2, o, ko)) {
      if (!n.leve) {
        n.plateauleve = p;
        n.chainesleve = infochaine;
        n.leve = true;
      }
      leve(k, TPoint{r2, c2});
      retirechaine(p, r2, c2);
      cle = CLESANS;
    }
    return false;
  });
}
