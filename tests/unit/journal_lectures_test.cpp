// Readings that undo their moves through the chain-table journal: with the
// journal already filled up to its limit, or close to it (so that a reading
// runs out of room part-way and copies the table instead), the answers are
// those of an empty journal and the position comes back whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/connection/lectureliaison.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/propagation.h"
#include "engine/reading/propagationinvasion.h"
#include "tests/support/fixture.h"
#include "tests/unit/propagation_positions.h"

namespace {

// Journal entries noted on a scratch board until the journal holds `n`
// (or refuses a move); the engine's chain table comes back.
void remplitjournal(int32_t n) {
  const TInfoChaine sauve = infochaine;
  TPlateau b = plateauvide();
  infochaine = infochainevide;
  TListePoints prises{};
  while (marquejournal() < n && jouecoupjournal(prises, b, 10, 10, NOIR, BLANC)) {
    b[indexcase(10, 10)] = VIDE;
    infochaine = infochainevide;
  }
  infochaine = sauve;
}

// The journal emptied; the engine's chain table comes back.
void videjournal() {
  const TInfoChaine sauve = infochaine;
  reprendjournal(0);
  infochaine = sauve;
}

// Each reading's answers on the black stones of the position, the journal
// filled to `entrees` first; board, chain table and dead marks are checked.
std::vector<int32_t> reponses(const char* const (&lignes)[19], int32_t entrees) {
  TPlateau p = positionspropagation::pose(lignes, 10);
  pionsmorts = marquesvides;
  flaglectureyeux = 1;
  remplitjournal(entrees);
  const int32_t marque = marquejournal();
  std::vector<int32_t> v;
  const TMarques vide = marquesvides;
  int32_t pierres = 0;
  for (int32_t r = 1; r <= 19 && pierres < 6; ++r)
    for (int32_t c = 1; c <= 19 && pierres < 6; ++c) {
      if (p[indexcase(r, c)] != NOIR) continue;
      ++pierres;
      fixture::verifieinchange(p, [&] {
        v.push_back(lecturetactique(0, NOIR, BLANC, p, r, c, 0, 0));
        v.push_back(lancelecturerecu4(0, NOIR, BLANC, p, r, c, 0, 0));
        v.push_back(lancelecturerecu1(0, NOIR, BLANC, p, r, c));
        // The link to every other black stone within three lines.
        TMarques T = marquesvides;
        for (int32_t r2 = std::max(1, r - 3); r2 <= std::min(19, r + 3); ++r2)
          for (int32_t c2 = std::max(1, c - 3); c2 <= std::min(19, c + 3); ++c2)
            if (p[indexcase(r2, c2)] == NOIR) T[indexcase(r2, c2)] = 1;
        TMarques chaine = marquesvides;
        marquepionschaine(p, chaine, 0, r, c);
        for (int32_t j = 0; j < NBCASES; ++j)
          if (chaine[j]) T[j] = 0;
        v.push_back(peutlierachaine(p, vide, vide, T, 1, r, c, TPoint{}) ? 1 : 0);
      });
      EXPECT_EQ(marquejournal(), marque) << r << "," << c;
    }
  videjournal();
  return v;
}

TEST(JournalLectures, SameAnswersWhateverRoomTheJournalHas) {
  ASSERT_TRUE(chargecles());
  const int32_t limite = CAPACITEJOURNALCHAINES - ECRITURESCOUPMAX;
  for (const auto* lignes : {&positionspropagation::kEparse, &positionspropagation::kContact}) {
    const std::vector<int32_t> attendu = reponses(*lignes, 0);
    ASSERT_EQ(attendu.size(), 24u);
    for (const int32_t entrees : {limite + 1, limite - 20, limite - 300, limite - 3000}) {
      SCOPED_TRACE(entrees);
      EXPECT_EQ(reponses(*lignes, entrees), attendu);
    }
  }
}

}  // namespace
