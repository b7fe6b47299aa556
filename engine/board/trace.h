// Debug trace: the points where the engine reports its reasoning (labels and
// labelled 19x19 dumps). Every sink is empty, so nothing is ever
// written and the calls compile away; they stay as attachment points.
#pragma once
#include <cstdint>
#include <string_view>

#include "engine/board/types.h"

// A search path: up to six moves (row, column) and a depth.
struct TCheminTrace {
  int32_t coups[6][2] = {};
  int32_t profondeur = 0;
};

inline void ecritdebug(std::string_view) {}
inline void affichecartedebug(std::string_view, const TCarte&) {}
inline void afficheyeux(const TMarques&, std::string_view) {}
inline void affichelistecoups(const TListePoints&, int32_t, std::string_view) {}
inline void affichecasesmarquees(const TPlateau&) {}
// The dumps below take maps of several widths; their sinks ignore them.
template <class... A> inline void affichecartefamille(const A&...) {}
template <class... A> inline void affichecartecouleur(const A&...) {}
template <class... A> inline void affichecartefaibles(const A&...) {}
template <class... A> inline void affichestatistiques(const A&...) {}
template <class... A> inline void crochettrace1(const A&...) {}
template <class... A> inline void crochettrace2(const A&...) {}
template <class... A> inline void crochettrace3(const A&...) {}
template <class... A> inline void crochettrace4(const A&...) {}
template <class... A> inline void tracestub(const A&...) {}
template <class... A> inline void gtpstubrafraichit(const A&...) {}
template <class... A> inline void gtpdemandeaffichage(const A&...) {}
template <class... A> inline int gtpstubaffichage(const A&...) { return 0; }

// Dumps `carte` under the label when `chemin` equals `surveille` up to
// `profondeur` (1..6); the dump itself goes to an empty sink.
void affichesichemin(std::string_view label, int32_t bilan, const TCheminTrace& chemin, int32_t profondeur,
                     const TCheminTrace& surveille);
// Sets the watched path `chemintrace`.
void initchemintrace();

// ---- Test seam ----------------------------------------------------------------
// The guard of affichesichemin, declared for the tests: true when the two
// paths agree on their first `profondeur` moves (1..6).
bool cheminsegaux(const TCheminTrace& chemin, const TCheminTrace& surveille, int32_t profondeur);
