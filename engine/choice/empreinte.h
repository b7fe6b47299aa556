// What the memos of the move search share: a 128-bit key of the bytes a
// memoized step reads, a store of the byte maps it leaves (each kept once),
// and the reading counters and flags it moves, so that a repeated step can
// be answered with the same effects as a computed one.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/board/empreinte.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"

namespace recherche {

// A key is built with the four-lane fingerprint the board's memos use
// (TEmpreinte) and kept as its two 64-bit hashes.
using TEmpreinte = ::TEmpreinte;
struct TCle {
  uint64_t h1 = 0, h2 = 0;
  bool operator==(const TCle&) const = default;
};

// The bytes, with their length.
inline void hache(TEmpreinte& k, const void* donnees, size_t taille) { k.ajoute(donnees, taille); }
template <class T> void hache(TEmpreinte& k, const T& v) { k.ajoute(v); }
// The used part of a point list.
inline void hacheliste(TEmpreinte& k, const TListePoints& l) {
  hache(k, l.data(), sizeof(int32_t) * (2 * static_cast<size_t>(std::clamp(l[0], 0, MAXPOINTSLISTE)) + 1));
}

// The key of the bytes given so far.
inline TCle finalise(TEmpreinte k) {
  k.termine();
  return {k.h1, k.h2};
}

// The search state the readings below the territory layer may read: the
// chain table, the dead marks (and those before a status call, which they
// read only while sauvepionsmorts is set), the two-eye and weak marks, the
// switches and the level. The reading targets (ciblesnoires,
// ciblesblanches) are read only by the neighbour-capture test of the main
// recursion (testprisechainesvoisines) and are hashed apart.
inline void hacheetatlecture(TEmpreinte& k) {
  hache(k, infochaine);
  hache(k, pionsmorts);
  if (sauvepionsmorts) hache(k, pionsmortsavant);
  hache(k, pionsmortssauves);
  hache(k, marquesglobales);
  hache(k, listefaibles);
  hache(k, listesurvie);
  const int32_t entiers[] = {etatcalme,       procedurefinpartie, phasefinale,     sansstatut,      peintmortsavant,
                             sauvepionsmorts, lectureconfirmee,   cacheactif,      compteurcache,   niveau,
                             paramniveaua,    paramniveaub,       paramniveauc,    paramniveaud,    paramniveaue,
                             paramniveauf,    paramniveaug,       profondeurlecture, niveaumin3,    niveaumin3b,
                             niveaumin4,      lectureprofonde,    lecturelongue,   configmoteur.taille,
                             couleurordi,     couleurjoueur,      strategie,       pointko.ligne,   pointko.colonne,
                             flagrelie};
  hache(k, entiers);
}
inline void hachecibles(TEmpreinte& k) {
  hache(k, ciblesnoires);
  hache(k, ciblesblanches);
}
// The start the keys of a leaf and of its dead marks share: the search
// board, the state of the readings and the reading targets.
inline TEmpreinte debutcle(const TPlateau& b) {
  TEmpreinte k;
  hache(k, b);
  hacheetatlecture(k);
  hachecibles(k);
  return k;
}
// What hacheetat adds to the state of the readings and the reading targets.
inline void hacheresteetat(TEmpreinte& k) {
  hache(k, pionsmortsavant);
  hache(k, marquesdetect);
  hache(k, zonemarquee);
  hache(k, zonesmortesblanc);
  hache(k, zonesmortesnoir);
}
// All the search state a memoized step may read besides its own inputs:
// that of the readings, the reading targets, the status drivers' scratch
// and the zone marks.
inline void hacheetat(TEmpreinte& k) {
  hacheetatlecture(k);
  hachecibles(k);
  hacheresteetat(k);
}

// The memos answer only while the status writers fill no trial record
// (tableessaiscourante <= 0, as through the whole search): a repeat would
// not write those records again.
inline bool memosactifs() { return tableessaiscourante <= 0; }

// Byte maps, each kept once; numbered in the order they came.
class TReserveCartes {
 public:
  static constexpr int32_t CAPACITE = 8192;
  void vide() {
    cartes_.clear();
    index_.assign(TAILLEINDEX, -1);
  }
  bool pleine() const { return static_cast<int32_t>(cartes_.size()) >= CAPACITE; }
  // The number of a map equal to `c`, added when new (the store must not be full).
  int32_t numero(const TMarques& c) {
    if (index_.empty()) index_.assign(TAILLEINDEX, -1);
    // Room for all at once: a growing copy would hold two stores at a time.
    if (cartes_.capacity() < static_cast<size_t>(CAPACITE) + 32) cartes_.reserve(CAPACITE + 32);
    // The slot is only where the search for an equal map starts: the
    // number it finds or gives does not depend on which hash picks it.
    TEmpreinte k;
    k.ajoute(c);
    k.termine();
    uint32_t i = static_cast<uint32_t>(k.h1) & (TAILLEINDEX - 1);
    while (index_[i] >= 0) {
      if (cartes_[index_[i]] == c) return index_[i];
      i = (i + 1) & (TAILLEINDEX - 1);
    }
    index_[i] = static_cast<int32_t>(cartes_.size());
    cartes_.push_back(c);
    return index_[i];
  }
  const TMarques& carte(int32_t n) const { return cartes_[n]; }

 private:
  static constexpr uint32_t TAILLEINDEX = 2 * CAPACITE;
  std::vector<TMarques> cartes_;
  std::vector<int32_t> index_;
};

// A direct-mapped memo of 2^BITS entries of E (E has a `cle` and a
// `generation`), emptied by a new generation.
template <class E, int32_t BITS> class TMemo {
 public:
  void vide() {
    if (++generation_ == 0) {
      for (E& e : entrees_) e.generation = 0;
      generation_ = 1;
    }
  }
  // The entry of the key, or nullptr.
  const E* cherche(const TCle& k) {
    E& e = place(k);
    return e.generation == generation_ && e.cle == k ? &e : nullptr;
  }
  // The entry the key is written into.
  E& ecrit(const TCle& k) {
    E& e = place(k);
    e = E{};
    e.cle = k;
    e.generation = generation_;
    return e;
  }

 private:
  E& place(const TCle& k) {
    if (entrees_.empty()) entrees_.resize(size_t{1} << BITS);
    return entrees_[static_cast<uint32_t>(k.h1) & ((1u << BITS) - 1)];
  }
  std::vector<E> entrees_;
  uint32_t generation_ = 1;
};

}  // namespace recherche
