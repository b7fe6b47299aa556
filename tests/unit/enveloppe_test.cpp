// Convex hull of marked points: the hull vertices, the drawn edges and the
// filled inside, on mark boards.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/territory/enveloppe.h"
#include "frontend/moteur.h"
#include "tests/support/fixture.h"

namespace {

using enveloppe::TListeSommets;

TMarques marques(std::initializer_list<std::pair<int, int>> points) {
  TMarques m{};
  for (auto [l, c] : points) m[indexcase(l, c)] = 1;
  return m;
}

TCoups pt(int l, int c) {
  TCoups p;
  p.ligne = l;
  p.colonne = c;
  p.couleur = 1;
  return p;
}

std::string hull(const TMarques& m, int taille) {
  TMarques sortie;
  sortie.fill(9);
  enveloppeconvexe(m, sortie, taille);
  return fixture::grille(sortie, taille);
}

TEST(Enveloppe, FewPoints) {
  struct Cas {
    const char* nom;
    TMarques entree;
    const char* attendu;
  } cas[] = {
      {"no marked point: all zero", marques({}),
       "0 0 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n"},
      {"one point: 2 there only", marques({{2, 4}}),
       "0 0 0 0 0\n0 0 0 2 0\n0 0 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n"},
      // The edge is drawn both ways, and the two integer lines differ by one point.
      {"two points: the segment, nothing filled", marques({{1, 1}, {4, 5}}),
       "2 0 0 0 0\n0 2 2 0 0\n0 0 2 2 0\n0 0 0 0 2\n0 0 0 0 0\n"},
      {"collinear points: the extremes and the segment", marques({{3, 1}, {3, 3}, {3, 5}}),
       "0 0 0 0 0\n0 0 0 0 0\n2 2 2 2 2\n0 0 0 0 0\n0 0 0 0 0\n"},
      {"a diagonal line of points", marques({{1, 5}, {2, 4}, {3, 3}, {5, 1}}),
       "0 0 0 0 2\n0 0 0 2 0\n0 0 2 0 0\n0 2 0 0 0\n2 0 0 0 0\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, hull(k.entree, 5)));
  }
}

TEST(Enveloppe, CollinearPointsGiveTheTwoExtremesAsVertices) {
  for (const auto& points : {TListeSommets{pt(3, 2), pt(3, 5), pt(3, 8)}, TListeSommets{pt(1, 4), pt(4, 4), pt(9, 4)},
                             TListeSommets{pt(2, 2), pt(3, 3), pt(4, 4), pt(7, 7)}}) {
    TListeSommets sommets;
    enveloppe::calculenveloppe(9, points, sommets);
    ASSERT_EQ(sommets.size(), 2u);
    EXPECT_EQ(sommets[0].ligne, points.front().ligne);
    EXPECT_EQ(sommets[0].colonne, points.front().colonne);
    EXPECT_EQ(sommets[1].ligne, points.back().ligne);
    EXPECT_EQ(sommets[1].colonne, points.back().colonne);
  }
}

TEST(Enveloppe, FilledPolygons) {
  struct Cas {
    const char* nom;
    TMarques entree;
    const char* attendu;
  } cas[] = {
      {"triangle", marques({{1, 1}, {1, 7}, {7, 1}}),
       "2 2 2 2 2 2 2\n2 1 1 1 1 2 0\n2 1 1 1 2 0 0\n2 1 1 2 0 0 0\n2 1 2 0 0 0 0\n2 2 0 0 0 0 0\n"
       "2 0 0 0 0 0 0\n"},
      {"square with inner marks", marques({{2, 2}, {2, 6}, {6, 2}, {6, 6}, {4, 4}, {3, 5}}),
       "0 0 0 0 0 0 0\n0 2 2 2 2 2 0\n0 2 1 1 1 2 0\n0 2 1 1 1 2 0\n0 2 1 1 1 2 0\n0 2 2 2 2 2 0\n"
       "0 0 0 0 0 0 0\n"},
      {"diamond", marques({{1, 4}, {4, 1}, {4, 7}, {7, 4}}),
       "0 0 0 2 0 0 0\n0 0 2 1 2 0 0\n0 2 1 1 1 2 0\n2 1 1 1 1 1 2\n0 2 1 1 1 2 0\n0 0 2 1 2 0 0\n"
       "0 0 0 2 0 0 0\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, hull(k.entree, 7)));
  }
}

TEST(Enveloppe, VerticesInWrappingOrder) {
  TListeSommets sommets;
  enveloppe::calculenveloppe(9, {pt(1, 3), pt(2, 1), pt(3, 3), pt(4, 8), pt(8, 2), pt(9, 9)}, sommets);
  std::vector<std::pair<int, int>> obtenu;
  for (const auto& s : sommets) obtenu.emplace_back(s.ligne, s.colonne);
  EXPECT_EQ(obtenu, (std::vector<std::pair<int, int>>{{1, 3}, {4, 8}, {9, 9}, {8, 2}, {2, 1}}));
}

TEST(Enveloppe, Helpers) {
  using namespace enveloppe;
  // Distances round to the nearest integer: sqrt(2) = 1.41 -> 1, sqrt(5) = 2.24 -> 2,
  // sqrt(8) = 2.83 -> 3, sqrt(13) = 3.61 -> 4.
  EXPECT_EQ(distancepoints(pt(1, 1), pt(2, 2)), 1);
  EXPECT_EQ(distancepoints(pt(1, 1), pt(2, 3)), 2);
  EXPECT_EQ(distancepoints(pt(1, 1), pt(3, 3)), 3);
  EXPECT_EQ(distancepoints(pt(4, 1), pt(1, 3)), 4);
  EXPECT_EQ(distancepoints(pt(5, 5), pt(5, 5)), 0);
  EXPECT_EQ(signe(-7), -1);
  EXPECT_EQ(signe(0), 0);
  EXPECT_EQ(signe(3), 1);
  TCoups v;
  vecteur(pt(2, 5), pt(7, 1), v);
  EXPECT_EQ(v.ligne, 5);
  EXPECT_EQ(v.colonne, -4);
  EXPECT_EQ(v.couleur, 2);
  EXPECT_TRUE(orientationpositive(pt(1, 0), pt(0, 1)));   // cross 1
  EXPECT_TRUE(orientationnegative(pt(0, 1), pt(1, 0)));   // cross -1
  EXPECT_TRUE(alignes(pt(2, 4), pt(-1, -2)));
  EXPECT_TRUE(orientationpositive(pt(2, 4), pt(-1, -2)));
  EXPECT_EQ(pointpivot({pt(3, 3)}), 0);
  EXPECT_EQ(pointpivot({pt(3, 3), pt(2, 5), pt(2, 4), pt(2, 4)}), 2);
  int a = -1, b = -1, c = -1, d = -1;
  rectangleenglobant({}, a, b, c, d);
  EXPECT_EQ(a + b + c + d, -4);
  rectangleenglobant({pt(3, 7), pt(5, 2), pt(4, 9)}, a, b, c, d);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 9);
  EXPECT_EQ(d, 5);
}

TEST(Enveloppe, SegmentsAreEightConnected) {
  for (int l1 = 1; l1 <= 9; ++l1)
    for (int c1 = 1; c1 <= 9; ++c1) {
      TMarques m{};
      enveloppe::tracesegment(5, 5, l1, c1, m);
      const int n = std::max(std::abs(l1 - 5), std::abs(c1 - 5)) + 1;
      EXPECT_EQ(std::count(m.begin(), m.end(), 2), n) << l1 << "," << c1;
      EXPECT_EQ(m[indexcase(5, 5)], 2);
      EXPECT_EQ(m[indexcase(l1, c1)], 2);
    }
}

// Reference hull with exact arithmetic (monotone chain), counter-clockwise
// in (column, row) coordinates.
std::vector<std::pair<int, int>> reference(std::vector<std::pair<int, int>> pts) {
  std::sort(pts.begin(), pts.end());
  const auto cross = [](auto o, auto a, auto b) {
    return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first);
  };
  std::vector<std::pair<int, int>> h(2 * pts.size());
  size_t k = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
    h[k++] = pts[i];
  }
  for (size_t i = pts.size() - 1, t = k + 1; i-- > 0;) {
    while (k >= t && cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
    h[k++] = pts[i];
  }
  h.resize(k - 1);
  return h;
}

TEST(Enveloppe, FilledHullNeverSpills) {
  std::mt19937 gen(17);
  for (int essai = 0; essai < 3000; ++essai) {
    const int taille = 19;
    const int n = 2 + static_cast<int>(gen() % 7);
    TMarques m{};
    std::vector<std::pair<int, int>> pts;
    const int lo = 1 + static_cast<int>(gen() % 8), span = 3 + static_cast<int>(gen() % 12);
    for (int i = 0; i < n; ++i) {
      const int l = std::min(taille, lo + static_cast<int>(gen() % span));
      const int c = std::min(taille, lo + static_cast<int>(gen() % span));
      if (!m[indexcase(l, c)]) pts.emplace_back(c, l);
      m[indexcase(l, c)] = 1;
    }
    TMarques sortie;
    enveloppeconvexe(m, sortie, taille);
    if (pts.size() < 3) continue;
    const auto h = reference(pts);
    if (h.size() < 3) continue;
    for (int l = 1; l <= taille; ++l)
      for (int c = 1; c <= taille; ++c) {
        if (sortie[indexcase(l, c)] != 1) continue;
        for (size_t i = 0; i < h.size(); ++i) {
          const auto a = h[i], b = h[(i + 1) % h.size()];
          const int x = (b.first - a.first) * (l - a.second) - (b.second - a.second) * (c - a.first);
          ASSERT_GE(x, 0) << "filled point (" << l << "," << c << ") outside the hull, case " << essai << "\n"
                          << fixture::grille(sortie, taille);
        }
      }
  }
}

TEST(Enveloppe, FrontEndForwarderPassesItsArgumentsOn) {
  const TMarques m = marques({{1, 1}, {1, 7}, {7, 1}});
  TMarques direct, relaye;
  enveloppeconvexe(m, direct, 9);
  relaye.fill(4);
  appelleenveloppeconvexe(m, relaye, 9);
  EXPECT_TRUE(fixture::memesmarques(relaye, direct));
}

}  // namespace
