// Engine state: definitions of the engine-wide globals and the per-move reset.
#include "engine/board/etat.h"

#include <tuple>
#include <type_traits>

#include "engine/board/niveau.h"

#define GLOBALE(type, nom, regle, ...) TGlobale<type> nom __VA_OPT__(= __VA_ARGS__);
#define ALIAS(type, nom, cible) TGlobale<type>& nom = cible;
#include "engine/board/etat_globales.h"
#undef GLOBALE
#undef ALIAS

namespace {

using namespace remise;

// Whether the rules act before niveaureel or after it.
enum class Etape { valeurs, apresniveau };

// Writes v over x: as a whole when v can be assigned to it, else element by element.
template <class T, class V> void remplit(T& x, const V& v) {
  if constexpr (std::is_assignable_v<T&, const V&>) x = v;
  else
    for (auto& e : x) remplit(e, v);
}

// Descends the arrays of x down to its C elements.
template <class C, class T, class F> void pourchaque(T& x, const F& f) {
  if constexpr (std::is_same_v<T, C>) f(x);
  else
    for (auto& e : x) pourchaque<C>(e, f);
}

// Word 0 of every innermost array.
template <class T, class V> void remplitpremier(T& x, const V& v) {
  if constexpr (std::is_arithmetic_v<std::remove_reference_t<decltype(x[0])>>) x[0] = v;
  else
    for (auto& e : x) remplitpremier(e, v);
}

// Rules with nothing to write, or written by a step of their own.
template <class T> void applique(T&, Laisse, Etape) {}
template <class T> void applique(T&, Construite, Etape) {}
template <class T> void applique(T&, ParNiveau, Etape) {}
template <class T> void applique(T&, Mesure, Etape) {}

template <class T, class V> void applique(T& x, const Vaut<V>& r, Etape e) {
  if (e == Etape::valeurs) remplit(x, r.v);
}
template <class T, class V> void applique(T& x, const ApresNiveau<V>& r, Etape e) {
  if (e == Etape::apresniveau) remplit(x, r.v);
}
template <class T, class V> void applique(T& x, const Premier<V>& r, Etape e) {
  if (e == Etape::valeurs) remplitpremier(x, r.v);
}
template <class T, class V, class C, class... M> void applique(T& x, const Champs<V, C, M...>& r, Etape e) {
  if (e != Etape::valeurs) return;
  pourchaque<C>(x, [&](C& c) { std::apply([&](auto... m) { (remplit(c.*m, r.v), ...); }, r.champs); });
}

// Every global of the sheet under its rule, in the sheet's order.
void appliqueregles(Etape e) {
#define GLOBALE(type, nom, regle, ...) applique(nom, regle, e);
#define ALIAS(type, nom, cible)
#include "engine/board/etat_globales.h"
#undef GLOBALE
#undef ALIAS
}

void voisins(TVoisins& v, std::initializer_list<std::array<int32_t, 2>> l) {
  v.nbvoisins = static_cast<int32_t>(l.size());
  int k = 0;
  for (const auto& p : l) {
    v.voisins[k][0] = p[0];
    v.voisins[k][1] = p[1];
    ++k;
  }
}

}  // namespace

void construittables(int32_t n) {
  if (n < 2 || n > TAILLEMAX) return;
  bordgoban.fill(0);
  distancebord.fill(0);
  zonescoins.fill(0);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int i = indexcase(r, c);
      bordgoban[i] = (r == 1 || c == 1 || r == n || c == n) ? 1 : 0;
      int d = r - 1;
      if (n - r < d) d = n - r;
      if (c - 1 < d) d = c - 1;
      if (n - c < d) d = n - c;
      distancebord[i] = static_cast<uint8_t>(d);
      if (n > 4 && (r <= 4 || r >= n - 3) && (c <= 4 || c >= n - 3)) zonescoins[i] = 1;

      // Neighbour order fixed per kind of point.
      TVoisins& v = tablevoisins[i];
      if (r == 1 && c == 1) voisins(v, {{2, 1}, {1, 2}});
      else if (r == 1 && c == n) voisins(v, {{2, n}, {1, n - 1}});
      else if (r == n && c == n) voisins(v, {{n, n - 1}, {n - 1, n}});
      else if (r == n && c == 1) voisins(v, {{n - 1, 1}, {n, 2}});
      else if (c == 1) voisins(v, {{r + 1, 1}, {r - 1, 1}, {r, 2}});
      else if (c == n) voisins(v, {{r + 1, n}, {r, n - 1}, {r - 1, n}});
      else if (r == 1) voisins(v, {{2, c}, {1, c - 1}, {1, c + 1}});
      else if (r == n) voisins(v, {{n, c - 1}, {n - 1, c}, {n, c + 1}});
      else voisins(v, {{r + 1, c}, {r, c - 1}, {r - 1, c}, {r, c + 1}});
    }
  }
}

void initmoteur() {
  // The sides, the scalars, the board left from the last
  // move, the maps, the trial-record fields and the node counters.
  appliqueregles(Etape::valeurs);

  // Tables of the board size (bordgoban, distancebord included).
  construittables(configmoteur.taille);

  // Level parameters.
  niveaureel();

  // numerocoup.
  appliqueregles(Etape::apresniveau);
}
