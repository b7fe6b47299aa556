// Attack search `chercheattaque` and its edge-zone test `zonebordlibre`.
#include "engine/proposals/attaque.h"

#include <algorithm>
#include <cstdlib>

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/cadre.h"
#include "engine/reading/propagation.h"
#include "engine/territory/etatchaines.h"

namespace {

constexpr int32_t LECTURERIEN = 100;    // read, nothing found
constexpr int32_t LECTUREMAX = 8;       // reading results are capped here
constexpr int32_t OUVERTSMAX = 8;       // from this many open points on, no reading
constexpr int32_t FORCEMAX = 19;        // strength of a point past the scale
constexpr int32_t BONUSMINIMUM = 30;    // stage 3 value, and added to stage 4's
constexpr int32_t POINTSSTAGE3 = 51;    // stage 3 stops after this many points

// Calls f(r, c) on every engine candidate, row-major; stops when f returns true.
template <class F>
bool chaquecandidat(F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (casescandidates[ix(r, c)] && f(r, c)) return true;
  return false;
}

// The board and chain table of a trial record (not its dead marks).
void chargeplateauessai(TPlateau& p, const TEssaiCoup& e) {
  p = e.plateauessai;
  infochaine = e.infochaineessai;
}

// The engine owns the point in the final territory.
bool finalordi(uint8_t A, int32_t i) { return A == NOIR ? cartefinale1[i] != 0 : cartefinale2[i] > 0; }

// The state of one run.
struct Attaque {
  TGardeEssai& garde;      // the entry position
  TPlateau& p;
  TCarte &survieB, &fortB, &bonus, &fortA, &survieA, &invA;
  uint8_t A, B;
  const TCartesParPoint &morts, &morts2;
  TListePoints& candidats;
  int32_t cap;
  const TMarques reel;     // the real territoire
  TMarques examines{};     // points taken by a pass of stage 1
  TMarques lectures{};     // 0 not read, 1..8 result, LECTURERIEN

  bool adverse(int32_t i) const { return territoire[i] == B || territoire2[i] == B; }
  void propose(int32_t r, int32_t c, int32_t v) {
    ecritvaleur(bonus, ix(r, c), v);
    proposecase(candidats, cap, r, c);
  }
  // The propagation reading of the engine's stone at P on R's position,
  // capped; 0 becomes LECTURERIEN. Board and chain table put back.
  int32_t lis(int32_t r, int32_t c);
  bool passe(int32_t n);
  bool stage2();
  // True when the family stops here: many invasions already counted, or a
  // point proposed.
  bool stage3();
  void stage4();
  int32_t valeurpaire(const TMarques& marques, const TPlateau& essai, const TInfoChaine& chaines, int32_t r,
                      int32_t c, int32_t rq, int32_t cq);
};

int32_t Attaque::lis(int32_t r, int32_t c) {
  const Restaure<TPlateau> plateau(p);
  const Restaure<TInfoChaine> chaines(infochaine);
  chargeplateauessai(p, essaiordi(r, c));
  const int32_t v = std::min(lecturetactique(1, A, B, p, r, c, 0, 0), LECTUREMAX);
  lectures[ix(r, c)] = static_cast<uint8_t>(v == 0 ? LECTURERIEN : v);
  return lectures[ix(r, c)];
}

// Pass n (1..3) of stage 1; true when it proposed a point.
bool Attaque::passe(int32_t n) {
  const Restaure<TMarques> territoirereel(territoire);
  territoire = videsennemis;
  bool trouve = false;
  const int32_t taille = configmoteur.taille;
  chaquecandidat([&](int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    const TEssaiCoup& e = essaiordi(r, c);
    // The pass filter.
    if (examines[i]) return false;
    const bool prend = n == 1   ? compteur7essai(e) >= 1
                       : n == 2 ? e.compteur2essai >= 1 && compteur6essai(e) >= 1
                                : compteur7essai(e) == 0 && e.compteur2essai >= 1;
    if (!prend || (fortA[i] <= 0 && survieA[i] <= 0 && survieB[i] <= 0 && fortB[i] <= 0)) return false;
    examines[i] = 1;
    // Threatened opponent stones; own dead stones open to the opponent.
    int32_t compte = 0;
    bool attaque = false;
    TMarques marques = marquesvides;
    for (int32_t qr = 1; qr <= taille; ++qr)
      for (int32_t qc = 1; qc <= taille; ++qc) {
        const int32_t q = ix(qr, qc);
        if (p[q] == B && e.carte2essai[q] && !pionsmortsbis[q] && territoire[q] == B) {
          ++compte;
          if (e.carte3essai[q]) ++compte;
        } else if (p[q] == A && !marques[q] && !e.carte2essai[q] && pionsmortsbis[q] &&
                   voisinvideterritoires(p, B, qr, qc)) {
          attaque = true;
          marquepionschaine(p, marques, 0, qr, qc);
        }
      }
    // Only threatened stones: an attack when the point also saves or fortifies the opponent.
    if (!attaque && compte >= 1 && (survieB[i] > 0 || fortB[i] > 0)) attaque = true;
    if (!attaque) return false;
    // Open points of the opponent's real territory by the marked stones.
    int32_t k = 0, marquees = 0;
    for (int32_t qr = 1; qr <= taille; ++qr)
      for (int32_t qc = 1; qc <= taille; ++qc) {
        const int32_t q = ix(qr, qc);
        marquees += marques[q] != 0;
        if (p[q] == VIDE && reel[q] == B && voisinmarque2(marques, qr, qc)) ++k;
      }
    k = std::max(k - 1, 0);
    // Read the point when it lies in the opponent's area with few open points.
    int32_t lu = lectures[i];
    if ((reel[i] == B || territoire2[i] == B) && k < OUVERTSMAX) lu = lis(r, c);
    // The value: ten per stone at stake, and the attack term.
    compte += marquees;
    const int32_t t = (k < 1 && lu <= 0) ? 0 : valeurattaque(lu, k, invA[i]);
    const int32_t v = 10 * compte + t;
    if (v > 0) {
      propose(r, c, v);
      trouve = true;
    }
    return false;
  });
  return trouve;
}

bool Attaque::stage2() {
  bool trouve = false;
  chaquecandidat([&](int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    if (!adverse(i) || (fortA[i] < 1 && survieA[i] < 1) || lectures[i] == LECTURERIEN) return false;
    const int32_t lu = lectures[i] == 0 ? lis(r, c) : lectures[i];
    if (lu == LECTURERIEN) return false;
    const int32_t v = (2 * lu + 3) * 10 - invA[i];
    if (v > 0) {
      propose(r, c, v);
      trouve = true;
    }
    return false;
  });
  return trouve;
}

bool Attaque::stage3() {
  if (compteurinvasions3 > 1 || compteurinvasions > 3) return true;
  int32_t n = 0;
  chaquecandidat([&](int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    if (!adverse(i) || morts[r - 1][c - 1][i]) return false;
    propose(r, c, BONUSMINIMUM);
    return ++n >= POINTSSTAGE3;
  });
  return n > 0;
}

// Stage 4's value of the pair (P, Q) on R's position kept in
// (essai, chaines): 0 when Q does not count, else the pair's value.
int32_t Attaque::valeurpaire(const TMarques& marques, const TPlateau& essai, const TInfoChaine& chaines, int32_t r,
                             int32_t c, int32_t rq, int32_t cq) {
  const int32_t i = ix(r, c), q = ix(rq, cq);
  const auto remet = [&] {
    p = essai;
    infochaine = chaines;
  };
  const EnSortie remetensortie(remet);
  // Q's own stone lives, or an engine stone there joins P.
  if (morts2[rq - 1][cq - 1][q]) {
    TListePoints prises{};
    jouecoup(prises, MAXPOINTSLISTE, p, rq, cq, A, B);
    const bool lie = p[q] == A && pionlieachainetest1(p, marques, rq, cq);
    remet();
    if (!lie) return 0;
  }
  pionsmorts = morts2[rq - 1][cq - 1];
  TListePoints prises{};
  jouecoup(prises, MAXPOINTSLISTE, p, rq, cq, B, A);
  if (p[q] != B) return 0;
  demarquechaine(p, rq, cq);
  valeurssurvie = zerobonus;
  int32_t compte = 0;
  detectetatchaines(compte, p, 0, rq, cq, 0, A);
  if (pionsmorts[i] || pionsmorts[q] || valeurssurvie[i] <= 1 || valeurssurvie[q] <= 1) return 0;
  remet();
  // The value: the points around P and Q that are final, linkable or not for the opponent.
  int32_t v = 0;
  if (finalordi(A, i)) v -= 10;
  if (finalordi(A, q)) v -= 5;
  const int32_t n = configmoteur.taille;
  for (int32_t sr = 1; sr <= n; ++sr)
    for (int32_t sc = 1; sc <= n; ++sc) {
      const int32_t s = ix(sr, sc);
      if (p[s] != VIDE || !casescandidates[s] || !adverse(s)) continue;
      const bool fortordi = peutlierfortessai(essaiordi(sr, sc)) != 0;
      const bool fortjoueur = peutlierfortessai(essaijoueur(sr, sc)) != 0;
      if (std::abs(sr - r) <= 1 && std::abs(sc - c) <= 1) {
        v += (finalordi(A, s) ? 10 : 0) + (fortordi ? 40 : 0) + (!fortjoueur ? 20 : 0);
      } else if (std::abs(sr - rq) <= 1 && std::abs(sc - cq) <= 1) {
        v += (finalordi(A, s) ? 5 : 0) + (fortordi ? 20 : 0) + (!fortjoueur ? 10 : 0);
      }
    }
  // The rectangle is read on the entry board, where both points are empty.
  if (v > 0 && zonebordlibre(garde.plateau(), r, c, B, rq, cq)) v *= 2;
  return v;
}

void Attaque::stage4() {
  const Restaure<int32_t> table(tableessaiscourante);
  const Restaure<TCarte> survie(valeurssurvie);
  const Restaure<uint8_t> sauve(sauvepionsmorts);
  const Restaure<TMarques> morts(pionsmorts);
  tableessaiscourante = 1;
  const int32_t n = configmoteur.taille;
  chaquecandidat([&](int32_t r, int32_t c) {
    const int32_t i = ix(r, c);
    TEssaiCoup& e = essaiordi(r, c);
    if (!adverse(i) || morts2[r - 1][c - 1][i]) return false;
    if (bordgoban[i] && !lieaunfortessai(e) && e.compteur2essai < 1 && e.compteur1essai < 1) return false;
    // The trial position of P.
    chargeplateauessai(p, e);
    TMarques marques = marquesvides;
    marques[i] = 1;
    const TPlateau essai = p;
    const TInfoChaine chaines = infochaine;
    // The best pair with a second point Q within two lines.
    int32_t meilleur = 0;
    for (int32_t rq = std::max(1, r - 2); rq <= std::min(n, r + 2); ++rq)
      for (int32_t cq = std::max(1, c - 2); cq <= std::min(n, c + 2); ++cq) {
        const int32_t q = ix(rq, cq);
        if (q == i || !casescandidates[q] || !adverse(q) || essai[q] != VIDE) continue;
        meilleur = std::max(meilleur, valeurpaire(marques, essai, chaines, r, c, rq, cq));
      }
    // A lone trial stone in an open zone loses by its edge distance.
    const bool zone = meilleur > 0 && e.infochaineessai[i][1] == 1 && testezone(p, 2, r, c);
    garde.restaure();
    if (meilleur <= 0) return false;
    propose(r, c, meilleur + BONUSMINIMUM);
    if (zone) {
      int32_t& v = bonus[i];
      v = distancebord[i] == 0 ? v / 4 : distancebord[i] == 1 ? v / 3 : (2 * v) / 3;
    }
    return false;
  });
}

}  // namespace

int32_t valeurattaque(int32_t r, int32_t k, int32_t invasionforte) {
  int32_t s = FORCEMAX;
  if (r < LECTURERIEN && r + k < OUVERTSMAX) s = 2 * (r + k) + 3;
  else if (r == LECTURERIEN && k < OUVERTSMAX) s = 2 * k + 3;
  return std::max(0, 10 * s - invasionforte);
}

bool zonebordlibre(const TPlateau& p, int32_t ra, int32_t ca, uint8_t c, int32_t rb, int32_t cb) {
  const int32_t a = ix(ra, ca), b = ix(rb, cb);
  const int32_t da = distancebord[a], db = distancebord[b];
  if (da >= 4 || db >= 4 || da == 0 || db == 0 || std::abs(da - db) >= 2) return false;
  if (std::max(std::abs(ra - rb), std::abs(ca - cb)) < 2) return false;
  const auto libre = [&](int32_t i) { return p[i] == VIDE && territoire[i] == c; };
  TMarques marques = marquesvides;
  for (int32_t r = std::min(ra, rb); r <= std::max(ra, rb); ++r)
    for (int32_t k = std::min(ca, cb); k <= std::max(ca, cb); ++k) {
      if (!libre(ix(r, k))) return false;
      marques[ix(r, k)] = 1;
    }
  // Down to the edge: one band of points a step nearer to it at a time.
  const int32_t n = configmoteur.taille;
  for (int32_t d = std::min(da, db); d >= 1; --d) {
    TMarques bande = marquesvides;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t k = 1; k <= n; ++k) {
        const int32_t i = ix(r, k);
        if (marques[i] || distancebord[i] >= d || !voisinmarque2(marques, r, k)) continue;
        if (!libre(i)) return false;
        bande[i] = 1;
      }
    for (int32_t i = 0; i < NBCASES; ++i)
      if (bande[i]) marques[i] = 1;
  }
  return true;
}

void chercheattaque(TPlateau& p, const TCartesCote& cartesA, const TCartesCote& cartesB, TCarte& bonusdebutfinA,
                    uint8_t couleurA, uint8_t couleurB, TListePoints& candidats, int32_t cap) {
  if (coupdebutchoisi >= 1 || !flagattaque) return;
  TGardeEssai garde(p);
  const Restaure<TMarques> territoireentree(territoire);
  Attaque x{garde, p, cartesB.survie, cartesB.fortification, bonusdebutfinA, cartesA.fortification, cartesA.survie,
            cartesA.invasionforte, couleurA, couleurB, cartesA.mortsapresessai, cartesA.mortsapreslecture, candidats,
            cap, territoire};
  ecritdebug("ATTAQUE territoire pour ordi: ");
  // Stage 1: three passes.
  for (int32_t n = 1; n <= 3; ++n)
    if (x.passe(n)) return;
  // Stages 2 and 3.
  if (x.stage2() || x.stage3()) return;
  // Stage 4.
  if (!procedurefinpartie) x.stage4();
}
