// Dead-chain marking around a chain, its twin for the search, and the cached
// capture reading of the twin.
#include "engine/reading/marquagemorts.h"

#include <algorithm>

#include "engine/board/acces.h"
#include "engine/board/cles.h"
#include "engine/board/empreinte.h"
#include "engine/board/garde.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/voisin.h"
#include "engine/reading/prise.h"
#include "engine/reading/prise_cartes.h"

namespace {

// Marks of the visited map V.
constexpr uint8_t VUTRAITEE = 1;  // dealt with in this call
constexpr uint8_t VUPEINTE = 2;   // painted by the paint step

// Scratch of the pass (one call at a time; the readings never call back).
TListePoints rassembles;   // G
TListePoints libertesm, adversairesm, notesennemis, notespropres, accessibles;
TMarques visitees;         // V
TMarques rassemblees;      // chains gathered into G
TMarques globalessauvees;

// One call of marquechainesmortes or of its twin.
struct Marquage {
  TPlateau& p;
  const TInfoChaine& reference;
  const TCheminCoups* chemin;  // the twin's path; null for marquechainesmortes
  TPoint point, second;
  int32_t limite, mode, genre;
  int32_t d1 = 0, d2 = 0, dprime = 0;
  uint8_t c = 0;           // colour of the readings
  uint8_t o = 0, e = 0;    // the chain's colour and the other
  bool inverse = false;
  TPoint q{};              // move pair of every reading
  int32_t statut = 0;
  bool cibledansg = false;
  TMarques& v = visitees;
  TListePoints& g = rassembles;

  bool lit(int32_t r, int32_t col, int32_t profondeur, int32_t borne) {
    if (chemin) return testprisecache(p, *chemin, TPoint{r, col}, profondeur, borne, c, q);
    return testprise(p, r, col, profondeur, borne, c, q);
  }

  // The colour rule of the re-readings of dead chains.
  bool relue(uint8_t couleur) const {
    return genre < 0 || (!inverse && couleur == c) || (inverse && couleur != c);
  }
  // Unmarked chains of the chain's colour are not read when genre > 0.
  bool sautee(uint8_t couleur) const { return genre > 0 && !inverse && couleur == c; }

  // ---- Gathering ----
  void ajoute(int32_t r, int32_t col) {
    const int32_t j = ix(r, col);
    if (p[j] == VIDE || rassemblees[j]) return;
    if (!empilepoint(g, CAPACITEMORTS, r, col)) return;
    marquepionschaine(p, rassemblees, 0, r, col);
  }

  void rassemble() {
    g[0] = libertesm[0] = adversairesm[0] = notespropres[0] = 0;
    zeromarques(rassemblees);
    // Liberties and the enemy stones around the chain, then the
    // stones next to the liberties.
    TMarques collecte;
    zeromarques(collecte);
    libertesetadversaires(p, libertesm, CAPACITEMORTS, 0, point.ligne, point.colonne, collecte, CAPACITEMORTS,
                          adversairesm);
    notesennemis = adversairesm;
    for (int32_t k = 1; k <= nbpoints(libertesm); ++k)
      pastable(ligneliste(libertesm, k), colonneliste(libertesm, k), [&](int32_t r, int32_t col) {
        const int32_t j = ix(r, col);
        if (collecte[j] || infochainelecture[j][0] > limite) return false;
        if (p[j] == e) empilepoint(notesennemis, CAPACITEMORTS, r, col);
        else if (p[j] == o && pionsmorts[j]) empilepoint(notespropres, CAPACITEMORTS, r, col);
        return false;
      });
    // The chain itself first.
    const int32_t i0 = ix(point.ligne, point.colonne);
    if (infochainelecture[i0][0] <= limite && (infochaine[i0][0] != 1 || reel(q))) {
      ajoute(point.ligne, point.colonne);
      cibledansg = true;
    }
    marquepionschaine(p, rassemblees, 0, point.ligne, point.colonne);
    // The enemy chains, with the weak chains behind them.
    const int32_t nbennemis = nbpoints(notesennemis);
    for (int32_t k = 1; k <= nbennemis; ++k) {
      const int32_t r = ligneliste(notesennemis, k), col = colonneliste(notesennemis, k);
      const int32_t j = ix(r, col);
      if (rassemblees[j]) continue;
      accessibles[0] = 0;
      TMarques vu;
      zeromarques(vu);
      if (genre == 5) {
        listechainesfaibles(p, accessibles, CAPACITEMORTS, 0, r, col, vu);
        note(accessibles);
        if (!pionsmorts[j]) ajoute(r, col);
      } else {
        chainesfaiblesaccessibles(p, accessibles, CAPACITEMORTS, limite, 0, r, col, vu);
        note(accessibles);
        if (infochaine[j][0] > 2) {
          ajoute(r, col);
        } else {
          for (int32_t a = 1; a <= nbpoints(accessibles); ++a)
            ajoute(ligneliste(accessibles, a), colonneliste(accessibles, a));
        }
      }
    }
    // Own dead chains and enemy live chains noted.
    for (int32_t k = 1; k <= nbpoints(notespropres); ++k) {
      const int32_t r = ligneliste(notespropres, k), col = colonneliste(notespropres, k);
      if (pionsmorts[ix(r, col)]) ajoute(r, col);
    }
    for (int32_t k = 1; k <= nbpoints(notesennemis); ++k) {
      const int32_t r = ligneliste(notesennemis, k), col = colonneliste(notesennemis, k);
      if (!pionsmorts[ix(r, col)]) ajoute(r, col);
    }
    // The window around the point.
    accessibles[0] = 0;
    chainesdansfenetre(rassemblees, accessibles, p, genre, genre == 5 ? 1 : 4, limite, point.ligne, point.colonne);
    for (int32_t k = 1; k <= nbpoints(accessibles); ++k)
      empilepoint(g, CAPACITEMORTS, ligneliste(accessibles, k), colonneliste(accessibles, k));
    // Dead chains of the chain's colour whose liberties changed.
    if (mode != 0) {
      const int32_t n = taillemoteur();
      for (int32_t r = 1; r <= n; ++r)
        for (int32_t col = 1; col <= n; ++col) {
          const int32_t j = ix(r, col);
          if (p[j] == o && pionsmorts[j] && !rassemblees[j] && reference[j][0] != infochaine[j][0]) ajoute(r, col);
        }
    }
  }

  // Noted chains go to the own or enemy notes by colour (read back in `rassemble`).
  void note(const TListePoints& l) {
    for (int32_t k = 1; k <= nbpoints(l); ++k) {
      const int32_t r = ligneliste(l, k), col = colonneliste(l, k);
      const int32_t j = ix(r, col);
      if (p[j] == e) empilepoint(notesennemis, CAPACITEMORTS, r, col);
      else if (p[j] == o) empilepoint(notespropres, CAPACITEMORTS, r, col);
    }
  }

  // ---- Paint step ----
  // The dead chains that the marks map of the side guards.
  bool peinte(int32_t j) const {
    const bool ordi = c == couleurordi;
    const uint8_t camp = ordi ? couleurordi : couleurjoueur;
    const TMarques& liens = ordi ? marquesliaison1 : marquesliaison2;
    if (plateaudepart[j] != camp || p[j] != camp || !liens[j] || !pionsmorts[j]) return false;
    const int32_t r = j / TAILLEMAX + 1, col = j % TAILLEMAX + 1;
    const TEssaiCoup& rec = ordi ? essaiordi(r, col) : essaijoueur(r, col);
    return (rec.liensessai[j] & 0x80) != 0;
  }

  bool peint() {
    bool fait = false;
    for (int32_t k = cibledansg ? 2 : 1; k <= nbpoints(g); ++k) {
      const int32_t r = ligneliste(g, k), col = colonneliste(g, k);
      if (!peinte(ix(r, col))) continue;
      peintchaine(p, v, VUPEINTE, r, col);
      fait = true;
    }
    if (fait) return true;
    const int32_t n = taillemoteur();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t col = 1; col <= n; ++col)
        if (peinte(ix(r, col))) {
          peintchaine(p, v, VUPEINTE, r, col);
          fait = true;
        }
    return fait;
  }

  // ---- One pass ----
  void passe(bool confirme) {
    // The gathered chains.
    for (int32_t k = cibledansg ? 2 : 1; k <= nbpoints(g); ++k) {
      const int32_t r = ligneliste(g, k), col = colonneliste(g, k);
      const int32_t j = ix(r, col);
      if (p[j] == VIDE || v[j] || (!inverse && marquesglobales[j])) continue;
      if (!pionsmorts[j]) {
        if (!sautee(p[j]) && lit(r, col, dprime, limite)) {
          marquechaine(p, r, col);
          statut = 1;
        }
      } else if (relue(p[j]) && !lit(r, col, d2, limite)) {
        demarquechaine(p, r, col);
        statut = 1;
      }
      marquepionschaine(p, v, 0, r, col);
    }
    // The weak chains of the board.
    const int32_t n = taillemoteur();
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t col = 1; col <= n; ++col) {
        const int32_t j = ix(r, col);
        if (p[j] == VIDE || infochaine[j][1] == 0 || infochaine[j][0] > 2 || v[j] || marquesglobales[j]) continue;
        if (!pionsmorts[j]) {
          if (sautee(p[j])) continue;
          if (lit(r, col, dprime, 2) && (!(confirme && lectureconfirmee) || lit(r, col, d2, limite))) {
            marquechaine(p, r, col);
            statut = 1;
          } else {
            marquepionschaine(p, v, 0, r, col);
          }
        } else if (mode > 0 && relue(p[j]) && !lit(r, col, d2, limite)) {
          demarquechaine(p, r, col);
          statut = 1;
        }
      }
  }

  // A second pass is wanted when a stone of the side the marks
  // guard is dead without being guarded.
  bool deuxiemepasse() const {
    if (statut == 0) return false;
    const bool ordi = c == couleurordi;
    const uint8_t camp = ordi ? couleurjoueur : couleurordi;
    const TMarques& liens = ordi ? marquesliaison1 : marquesliaison2;
    for (int32_t j = 0; j < NBCASES; ++j)
      if (pionsmorts[j] && p[j] == camp && !liens[j]) return true;
    return false;
  }

  void lance(int32_t& statutentree, int32_t dd1, int32_t dd2) {
    d1 = dd1;
    d2 = dd2;
    dprime = d2 < d1 ? d2 - 1 : d1;
    // Above level 5 the global marks are swapped for the saved dead marks.
    const bool remplace = genre != 0 && niveau > 5;
    if (remplace) {
      copiemarques(globalessauvees, marquesglobales);
      copiemarques(marquesglobales, pionsmortssauves);
    }
    const EnSortie remet([&] {
      if (remplace) copiemarques(marquesglobales, globalessauvees);
    });
    // Reading maps.
    preparecartelecture(p);
    const int32_t i0 = ix(point.ligne, point.colonne);
    // Colour.
    o = p[i0];
    e = static_cast<uint8_t>(1 - o);
    inverse = statutentree == STATUTINVERSE;
    c = inverse ? e : o;
    statut = 0;
    // A chain too strong for the limit loses its marks.
    if (infochainelecture[i0][0] > limite && chainemarqueeouvoisine(p, o, point.ligne, point.colonne)) {
      statut = 1;
      TMarques vu;
      zeromarques(vu);
      effacemortschaine(p, 0, point.ligne, point.colonne, vu);
    }
    // Move pair.
    q = TPoint{};
    if (mode == 1 && infochaine[i0][0] == 1 && infochaine[i0][1] == 1)
      pastable(point.ligne, point.colonne, [&](int32_t r, int32_t col) {
        if (p[ix(r, col)] != VIDE) return false;
        q = TPoint{r, col};
        return true;
      });
    // Gathered chains.
    zeromarques(v);
    rassemble();
    // Chains of the colour in atari.
    for (int32_t j = 0; j < NBCASES; ++j)
      if (p[j] == c && infochaine[j][0] == 1) {
        v[j] = VUTRAITEE;
        if (!pionsmorts[j]) {
          pionsmorts[j] = 1;
          statut = 1;
        }
      }
    // The chain itself.
    if (cibledansg) {
      if (lit(point.ligne, point.colonne, d2, limite)) {
        if (nonmarqueouvoisinnonmarque(p, o, point.ligne, point.colonne)) {
          statut = 1;
          marquechaine(p, point.ligne, point.colonne);
        }
      } else if (chainemarqueeouvoisine(p, o, point.ligne, point.colonne)) {
        statut = 1;
        demarquechaine(p, point.ligne, point.colonne);
      }
      marquepionschaine(p, v, 0, point.ligne, point.colonne);
    }
    // The cache is off from here on.
    cacheactif = 0;
    // The second point, read last.
    bool secondgarde = false;
    if (reel(second) && surplateaumoteur(second.ligne, second.colonne)) {
      const int32_t j = ix(second.ligne, second.colonne);
      if (p[j] == e && infochainelecture[j][0] <= limite && !marquesglobales[j]) {
        marquepionschaine(p, v, 0, second.ligne, second.colonne);
        secondgarde = true;
      }
    }
    // Paint step and passes.
    const bool peinture = !chemin && pionsmorts[i0] && mode == 0 && !voisinmarqueautrecouleur(p, point.ligne, point.colonne) &&
                          peint();
    passe(!chemin);
    if (peinture && deuxiemepasse()) {
      for (int32_t j = 0; j < NBCASES; ++j)
        if (v[j] == VUPEINTE) v[j] = 0;
      passe(true);
    }
    // The guarded second point.
    if (secondgarde) {
      const int32_t j = ix(second.ligne, second.colonne);
      if (!pionsmorts[j] && lit(second.ligne, second.colonne, d2, limite)) {
        marquechaineselonvisite(p, v, 0, second.ligne, second.colonne);
        statut = 1;
      }
    }
    statutentree = statut;
  }
};

void marque(const TInfoChaine& reference, TPlateau& p, int32_t& statut, int32_t d1, int32_t d2, TPoint point,
            TPoint second, int32_t limite, int32_t mode, int32_t genre, const TCheminCoups* chemin) {
  if (!reel(point) || !surplateaumoteur(point.ligne, point.colonne) || p[ix(point.ligne, point.colonne)] == VIDE) {
    statut = 0;
    return;
  }
  Marquage m{p, reference, chemin, point, second, limite, mode, genre};
  m.lance(statut, d1, d2);
}

// ---- Memo of the search's marking ---------------------------------------------------------
// The search asks marquechainesmortesbis the same question many times. While
// the capture cache is off and every cache bucket its readings consult is
// empty, the call reads: the board, the chain table, `reference` (with a
// mode), its arguments, pionsmorts, marquesglobales, pionsmortssauves (with a
// genre, above level 5), niveau, lecturelongue, compteurcache, modenettoyage,
// the sides, flagscan, the board size and key tables; the path is not read.
// It writes pionsmorts, statut, infochainelecture (rebuilt from the board),
// lecturelongue and the reading counters. An answer is kept under a 96-bit
// key of these with the buckets consulted, which must still be empty.
constexpr int32_t BITSMEMOMORTS = 14;
constexpr int32_t CHANGEMENTSMAX = 40;  // dead marks changed by one call
constexpr int32_t CASIERSMAX = 16;      // cache buckets consulted by one call
struct TMemoMorts {
  uint64_t cle1 = 0;
  uint32_t cle2 = 0;
  uint32_t generation = 0;     // valid while it equals generationmemomorts
  TEffetsLecture effets;
  uint8_t statut = 0;
  uint8_t lecturelongue = 0;
  uint8_t nbcasiers = 0;
  uint16_t casiers[CASIERSMAX] = {};  // bucket (genre - 1) * NBCASES + point
  TChangementsMorts<CHANGEMENTSMAX> changements;
};
TMemoMorts memomorts[1 << BITSMEMOMORTS];
uint32_t generationmemomorts = 1;

// The buckets testprisecache consults while a call is recorded.
struct TConsultes {
  bool actif = false;
  bool plein = false;  // a bucket held entries, or too many buckets
  int32_t nombre = 0;
  uint16_t casiers[CASIERSMAX];
  void note(int32_t genre, int32_t i0, const TCasierPrise& casier) {
    if (!actif) return;
    if (casier[0] != 0) {
      plein = true;
      return;
    }
    const auto c = static_cast<uint16_t>((genre - 1) * NBCASES + i0);
    for (int32_t k = 0; k < nombre; ++k)
      if (casiers[k] == c) return;
    if (nombre == CASIERSMAX) plein = true;
    else casiers[nombre++] = c;
  }
};
TConsultes consultes;

void marquememo(const TInfoChaine& reference, TPlateau& p, int32_t& statut, int32_t d1, int32_t d2, TPoint point,
                TPoint second, int32_t limite, int32_t mode, int32_t genre, const TCheminCoups& chemin) {
  if (cacheactif || sondelectureprise || !reel(point) || !surplateaumoteur(point.ligne, point.colonne) ||
      p[ix(point.ligne, point.colonne)] == VIDE) {
    marque(reference, p, statut, d1, d2, point, second, limite, mode, genre, &chemin);
    return;
  }
  TEmpreinte h;
  h.ajoute(p);
  h.ajoute(infochaine);
  if (mode != 0) h.ajoute(reference);
  h.ajoute(pionsmorts);
  h.ajoute(marquesglobales);
  if (genre != 0 && niveau > 5) h.ajoute(pionsmortssauves);
  const int32_t arguments[20] = {statut == STATUTINVERSE, d1, d2, point.ligne, point.colonne, second.ligne,
                                 second.colonne, limite, mode, genre, niveau, lecturelongue, compteurcache,
                                 modenettoyage, couleurordi, couleurjoueur, flagscan, configmoteur.taille,
                                 static_cast<int32_t>(zobristcouleur[0][0] ^ zobristcouleur[1][NBCASES - 1]),
                                 static_cast<int32_t>(zobristmoyo[0] ^ cletrait)};
  h.ajoute(arguments);
  h.termine();
  TDeuxVoies<TMemoMorts> voies(memomorts, h, generationmemomorts);
  const TMemoMorts* const vu = voies.cherche([](const TMemoMorts& x) {
    for (int32_t k = 0; k < x.nbcasiers; ++k)
      if (cacheprise[x.casiers[k] / NBCASES][x.casiers[k] % NBCASES][0] != 0) return false;
    return true;
  });
  if (vu) {
    const TMemoMorts& m = *vu;
    preparecartelecture(p);
    m.changements.rejoue(pionsmorts);
    statut = m.statut;
    m.effets.rejoue();
    lecturelongue = m.lecturelongue;
    return;
  }
  TMarques mortsavant;
  copiemarques(mortsavant, pionsmorts);
  TMesureLecture mesure;
  consultes = TConsultes{};
  consultes.actif = true;
  marque(reference, p, statut, d1, d2, point, second, limite, mode, genre, &chemin);
  consultes.actif = false;
  const TEffetsLecture effets = mesure.fin();
  // Kept only when its readings did not go through the cache.
  if (consultes.plein || cacheactif) return;
  TMemoMorts& m = voies.libere();
  if (!m.changements.note(mortsavant, pionsmorts)) return;
  voies.signe();
  m.nbcasiers = static_cast<uint8_t>(consultes.nombre);
  std::copy(consultes.casiers, consultes.casiers + consultes.nombre, m.casiers);
  m.statut = static_cast<uint8_t>(statut);
  m.effets = effets;
  m.lecturelongue = lecturelongue;
}

}  // namespace

void videmomorts() {
  vidememo(memomorts, generationmemomorts);
}

bool memomortsvide() { return memovide(memomorts, generationmemomorts); }

void marquechainesmortes(const TInfoChaine& reference, TPlateau& p, int32_t& statut, int32_t d1, int32_t d2,
                         TPoint point, TPoint second, TPoint /*troisieme*/, int32_t limite, int32_t mode,
                         int32_t genre) {
  marque(reference, p, statut, d1, d2, point, second, limite, mode, genre, nullptr);
}

void marquechainesmortesbis(const TInfoChaine& reference, TPlateau& p, int32_t& statut, int32_t d1, int32_t d2,
                            TPoint point, TPoint second, TPoint /*troisieme*/, int32_t limite, int32_t mode,
                            int32_t genre, const TCheminCoups& chemin) {
  marquememo(reference, p, statut, d1, d2, point, second, limite, mode, genre, chemin);
}

bool testprisecache(TPlateau& p, const TCheminCoups& chemin, TPoint point, int32_t profondeur, int32_t limite,
                    uint8_t couleur, TPoint paire) {
  const int32_t i0 = ix(point.ligne, point.colonne);
  if (p[i0] == VIDE) return false;
  const uint8_t camp = p[i0];
  // A lone stone in atari of the asking side, with no pair: read it.
  if (infochaine[i0][0] == 1 && camp == couleur && !reel(paire)) return true;
  // Nothing stored for the chain.
  const int32_t genrecache = camp == NOIR ? 1 : 2;
  const TCasierPrise& casier = cacheprise[genrecache - 1][i0];
  consultes.note(genrecache, i0, casier);
  if (casier[0] == 0) return testprise(p, point.ligne, point.colonne, profondeur, limite, couleur, paire);
  const auto lit = [&] {
    compteurcache = 0;
    return testprise(p, point.ligne, point.colonne, profondeur, limite, couleur, paire);
  };
  // Candidate flag of the chain; without one, the chain and its neighbours.
  const uint8_t f = (camp == couleurordi ? casescandidates : casescandidatesjoueur)[i0];
  TMarques autour;
  zeromarques(autour);
  if (f == 0) marquechaineetvoisins(p, autour, 0, point.ligne, point.colonne);
  // The key of the path's moves on the points the chain's readings touched.
  const TMarques& touches = cacheplateaux[genrecache - 1][i0];
  uint32_t cle = 0;
  int32_t a = 0, b = 0;
  const int32_t m = std::min(chemin.nombre, COUPSCHEMINMAX);
  for (int32_t i = 1; i <= m; ++i) {
    const TCoupChemin& pas = chemin.coups[i];
    if (!reel(pas.coup) || !surplateaumoteur(pas.coup.ligne, pas.coup.colonne)) continue;
    const int32_t j = ix(pas.coup.ligne, pas.coup.colonne);
    const uint8_t joueur = i % 2 == 1 ? couleurordi : couleurjoueur;
    if (touches[j]) {
      (joueur == camp ? a : b) += 1;
      xorclepion(cle, pas.coup.ligne, pas.coup.colonne, joueur);
      for (int32_t k = 1; k <= nbpoints(pas.prises); ++k)
        xorclepion(cle, ligneliste(pas.prises, k), colonneliste(pas.prises, k), static_cast<uint8_t>(1 - joueur));
      if (i == m && reel(paire)) xorclemoyo(cle, paire.ligne, paire.colonne);
    } else if (f == 0 && autour[j] && p[j] == camp) {
      compteurcache = static_cast<int32_t>(cle);
      const bool r = testprise(p, point.ligne, point.colonne, profondeur, limite, couleur, paire);
      compteurcache = 0;
      return r;
    }
  }
  // The chain's side two moves ahead on the touched points: read again.
  if (a >= b + 2) return lit();
  // The key looked up in the chain's bucket.
  if (cle != 0 && cle != 0xFFFFFFFFu && (a != 0 || b != 0)) {
    if (couleur == NOIR) cle ^= cletrait;
    const int32_t pos = cherchecleparcible(cle, cacheprise, genrecache, point.colonne, point.ligne);
    if (pos <= 0) {
      compteurcache = 0;
      return -pos == 1;
    }
  }
  // Not found: the trial records answer for a chain barely touched.
  if (b == 0 && a <= 1 && casier[0] > 10) {
    if (f != 0) {
      compteurcache = 0;
      const TEssaiCoup& rec = camp == couleurordi ? essaiordi(point.ligne, point.colonne)
                                                  : essaijoueur(point.ligne, point.colonne);
      return rec.plateauessai2[i0] != 0;
    }
    if (a == 0) {
      compteurcache = 0;
      return (couleur == couleurordi ? marquesliaison1 : marquesliaison2)[i0] != 0;
    }
  }
  return lit();
}
