// Survival family `coupdesurvie` and its tests.
#include "engine/proposals/survie.h"

#include <algorithm>

#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/pas.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lienvivant.h"
#include "engine/proposals/cadre.h"
#include "engine/reading/deuxyeux.h"

namespace {

constexpr int32_t CAPACITESURVIE = 300;  // the saving points and capture lists
constexpr int32_t ESPACEPERDU = 1000;    // the eye space touches a live stone
// Neighbour steps in the walks' order: row+1, row-1, col+1, col-1.
constexpr int32_t PAS[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// An orthogonal neighbour holds c in a chain of exactly one liberty.
bool voisinatari(const TPlateau& p, uint8_t c, int32_t r, int32_t k) {
  for (const auto& d : PAS) {
    const int32_t a = r + d[0], b = k + d[1];
    if (surplateaumoteur(a, b) && p[indexcase(a, b)] == c && infochaine[indexcase(a, b)][0] == 1) return true;
  }
  return false;
}

// An eye space larger than what is left to play gives no bonus.
int32_t bonusoeil(const TPlateau& p, uint8_t c, int32_t r, int32_t k) {
  const int32_t n = configmoteur.taille;
  const int32_t e = compteespaceoeil(p, c, r, k);
  return (e == ESPACEPERDU || e > n * n - numerocoup - 10) ? 0 : e;
}

// The state of one run of the family.
struct Survie {
  TPlateau& p;
  uint8_t A, B;
  TMarques &memoA, &memoB;
  TMarques &testtueA, &testtueB, &testvitA, &testvitB;
  TCarte &survieA, &survieB;
  const TCartesParPoint &morts2A, &morts2B, &mortsA, &mortsB;
  TListePoints &candidats, &famille;
  int32_t cap, capfamille;

  bool testfaiblemenace(int32_t r, int32_t k) const;
  bool teste(TMarques& memo, const TMarques& masque, uint8_t c, int32_t r, int32_t k) const;
  bool listecoupssurvie(TListePoints& l, int32_t r, int32_t k) const;
  void ajoutelibertesmortes(TListePoints& l, int32_t dir, int32_t r, int32_t k, TMarques& vu) const;
  void partieordi(int32_t r, int32_t k);
  bool testsurvieadverse(int32_t r, int32_t k, int32_t& e, int32_t& s) const;
  void partiejoueur(int32_t r, int32_t k, uint8_t flagentree);
  void propageempechesurvie(int32_t r, int32_t k);
};

bool Survie::testfaiblemenace(int32_t r, int32_t k) const {
  const TEssaiCoup& j = essaijoueur(r, k);
  const TEssaiCoup& o = essaiordi(r, k);
  for (int32_t q = 0; q < NBCASES; ++q)
    if (lesfaibles[q] && j.carte2essai[q] && !o.carte2essai[q]) return true;
  return false;
}

// The memo test of a saving point: 2 skipped, 1 counts, 0 read and stored.
bool Survie::teste(TMarques& memo, const TMarques& masque, uint8_t c, int32_t r, int32_t k) const {
  uint8_t& m = memo[indexcase(r, k)];
  if (m == 0) m = testyeuxapresessai(masque, p, c, r, k) ? 1 : 2;
  return m == 1;
}

bool Survie::listecoupssurvie(TListePoints& l, int32_t r, int32_t k) const {
  auto test = [&](int32_t a, int32_t b) { return teste(memoA, morts2A[a - 1][b - 1], A, a, b); };
  // The point and the empty points around it.
  l[0] = 0;
  empilepoint(l, CAPACITESURVIE, r, k);
  bool compte = test(r, k);
  listevidesvoisins(p, l, CAPACITESURVIE, r, k);
  if (nbpoints(l) > 1)
    for (int32_t i = 1; i <= nbpoints(l); ++i) compte |= test(ligneliste(l, i), colonneliste(l, i));
  // Nothing saved at the point or its empty neighbours: no survival move.
  if (!compte) return false;
  // The liberties of the dead chains next to the saving points.
  const int32_t present = nbpoints(l);
  {
    const Restaure<TMarques> morts(pionsmorts);
    pionsmorts = morts2B[r - 1][k - 1];
    TMarques vu = memoA;
    for (int32_t i = 1; i <= present; ++i) {
      const int32_t a = ligneliste(l, i), b = colonneliste(l, i);
      if (memoA[indexcase(a, b)] == 1) ajoutelibertesmortes(l, -1, a, b, vu);
    }
  }
  for (int32_t i = present + 1; i <= nbpoints(l); ++i) compte |= test(ligneliste(l, i), colonneliste(l, i));
  return compte;
}

void Survie::ajoutelibertesmortes(TListePoints& l, int32_t dir, int32_t r, int32_t k, TMarques& vu) const {
  const int32_t i = indexcase(r, k);
  vu[i] = 1;
  if (p[i] == A && !pionsmorts[i]) return;
  for (int32_t d = 0; d < 4; ++d) {
    if (dir >= 0 && d == (dir ^ 1)) continue;  // never straight back
    const int32_t a = r + PAS[d][0], b = k + PAS[d][1];
    if (!surplateaumoteur(a, b) || vu[indexcase(a, b)]) continue;
    const uint8_t v = p[indexcase(a, b)];
    if (v == VIDE) {
      vu[indexcase(a, b)] = 1;
      empilepoint(l, CAPACITESURVIE, a, b);
    } else if (v == A) {
      ajoutelibertesmortes(l, d, a, b, vu);
    }
  }
}

void Survie::partieordi(int32_t r, int32_t k) {
  const int32_t i = indexcase(r, k);
  // The gate.
  const bool menace = (testtueB[i] >= 2 || testvitA[i] >= 1) && testfaiblemenace(r, k);
  const bool atari = voisinatari(p, A, r, k) && pionsmortsessai(essaiordi(r, k))[i] == 0;
  if (!menace && !atari) return;
  // The saving points.
  TListePoints l{};
  if (!listecoupssurvie(l, r, k)) return;
  // The opponent at p.
  const TGardeEssai garde(p);
  TListePoints prises{};
  jouecoup(prises, CAPACITESURVIE, p, r, k, B, A);
  pionsmorts = mortsB[r - 1][k - 1];
  pionsmorts[i] = 1;
  // The survival value.
  int32_t s = 0;
  if (testvoisinsmorts(p, A, r, k)) s = nbpoints(prises) + std::max<int32_t>(testvitA[i], testtueB[i]);
  if (s == 0) return;
  // The eye bonus and the value.
  const int32_t e = bonusoeil(p, A, r, k);
  const int32_t v = 20 * (s + e);
  // The saving points that make two eyes possible.
  for (int32_t n = 1; n <= nbpoints(l); ++n) {
    const int32_t a = ligneliste(l, n), b = colonneliste(l, n);
    if (memoA[indexcase(a, b)] != 1) continue;
    if (n > 1 && !testelienchainevivantecopie(p, A, B, a, b)) continue;
    maxsurvie = std::max(maxsurvie, s + e);
    proposecase(candidats, cap, a, b);
    ecritvaleur(survieA, indexcase(a, b), v);
    ecritdebug("COUP DE SURVIE ordi: ");
  }
  // The guard puts the position back.
}

bool Survie::testsurvieadverse(int32_t r, int32_t k, int32_t& e, int32_t& s) const {
  const int32_t i = indexcase(r, k);
  // Only an opponent candidate.
  if (!casescandidatesjoueur[i]) return false;
  const TEssaiCoup& J = essaijoueur(r, k);
  const TEssaiCoup& E = essaiordi(r, k);
  const uint8_t lie = lieaunfaibleessai(J);
  // The pre-test on the opponent's trial.
  const int32_t bits = indicateursessai(J);
  const int32_t v = (bits & 1) ? 1 : (bits & 4) ? 4 : (bits & 2) ? 2 : 0;
  const bool pretest =
      testvitB[i] != 0 || testtueA[i] >= 2 || (testtueA[i] == 1 && voisinatari(p, A, r, k)) ||
      (compteur0essai(J) > 0 && lie) || compteur7essai(J) > 0 ||
      (lie && ((pionsmortsessai(J)[i] == 0 && (v == 1 || v >= 4)) ||
               (J.carte3essai[i] == 0 && J.carte2essai[i] != 0 && v > 0) || voisinterritoirelibertes(p, A, 2, r, k)));
  if (!pretest) return false;
  // Linked to a strong or living opponent stone: not a survival point.
  const TGardeEssai garde(p);
  p = J.plateauessai;
  infochaine = J.infochaineessai;
  TMarques vivants = marquesvides;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (marquesglobales[q] && p[q] == B) vivants[q] = 1;
  if (pionlieachaine(p, fortsjoueur(), r, k) || pionlieachaine(p, vivants, r, k)) return false;
  // The weak opponent stones the move links.
  int32_t cnt = 0;
  if (lie) {
    const TMarques& mB = mortsB[r - 1][k - 1];
    const TMarques& mA = mortsA[r - 1][k - 1];
    const bool chezA = territoire[i] == A;
    if (chezA)
      for (int32_t q = 0; q < NBCASES; ++q)
        if (p[q] == A && mB[q]) {
          p[q] = VIDE;
          infochaine[q] = flagchaines;
        }
    TMarques liees = marquesvides;
    metlachainelieen2coupatest1(p, liees, r, k);
    for (int32_t q = 0; q < NBCASES; ++q)
      if (liees[q] && p[q] == B && lesfaiblesjoueur()[q]) cnt += (mA[q] && chezA) ? 2 : 1;
  }
  // The engine's stone at p, taken as dead.
  p = E.plateauessai;
  infochaine = E.infochaineessai;
  pionsmorts = mortsA[r - 1][k - 1];
  pionsmorts[i] = 1;
  // The survival count: kills, saves and linked weak stones.
  s = std::max<int32_t>({testtueA[i], testvitB[i], cnt}) + compteur4essai(E);
  if (s <= 0) return false;
  // Eye space beside the dead stones.
  e = testvoisinsmorts(p, B, r, k) ? bonusoeil(p, B, r, k) : 0;
  // Without eye space the move must be worth the engine stones it gives up.
  if (e == 0) {
    if (!lie) return false;
    int32_t perdus = 0;
    const TMarques& mA = mortsA[r - 1][k - 1];
    if (mA[i])
      for (int32_t q = 0; q < NBCASES; ++q)
        if (p[q] == A && mA[q] && !pionsmortsbis[q]) ++perdus;
    if (s < 2 * perdus) return false;
  }
  // The guard puts the position back.
  return s + e > 0;
}

void Survie::partiejoueur(int32_t r, int32_t k, uint8_t flagentree) {
  const int32_t i = indexcase(r, k);
  // The opponent's survival test.
  int32_t e = 0, s = 0;
  if (!testsurvieadverse(r, k, e, s)) return;
  // Two eyes after the opponent's stone.
  const EnSortie remet([&] { flagsurvie = flagentree; });
  flagsurvie = 0;
  if (memoB[i] != 1) {
    if (!testyeuxapresessai(morts2B[r - 1][k - 1], p, B, r, k)) {
      if (memoB[i] == 0) memoB[i] = 2;
      return;
    }
    memoB[i] = 1;
  }
  // The stones the opponent's stone saves.
  TEssaiCoup& J = essaijoueur(r, k);
  {
    const TGardeEssai garde(p);
    p = J.plateauessai;
    infochaine = J.infochaineessai;
    metlachainelieen2coupatest1(p, J.marquesessai, r, k);
  }
  for (int32_t a = 1; a <= configmoteur.taille; ++a)
    for (int32_t b = 1; b <= configmoteur.taille; ++b) {
      const int32_t q = indexcase(a, b);
      if (J.marquesessai[q] == 1 && p[q] == couleurjoueur) essaijoueur(a, b).marquesessai[q] |= 0x80 | 0x10;
    }
  // The value.
  const int32_t v = 20 * (s + e);
  ecritvaleur(survieB, i, v);
  proposecase(famille, capfamille, r, k);
  proposecase(candidats, cap, r, k);
  maxsurvie = std::max(maxsurvie, s + e);
  ecritdebug("COUP DE SURVIE joueur: ");
  // The engine's answers that prevent it.
  propageempechesurvie(r, k);
}

void Survie::propageempechesurvie(int32_t r, int32_t k) {
  const int32_t i = indexcase(r, k);
  // The engine's answers around p.
  TGardeEssai garde(p);
  TListePoints l{};
  TMarques vu = marquesvides;
  vu[i] = 1;
  for (const auto& d : PAS) {
    const int32_t a = r + d[0], b = k + d[1];
    if (surplateaumoteur(a, b) && p[indexcase(a, b)] == A && infochaine[indexcase(a, b)][0] <= 2)
      libertesetatari2(p, l, CAPACITESURVIE, 0, a, b, vu);
  }
  listevidesautourmarque(vu, p, l, CAPACITESURVIE, r, k);
  // An answer that leaves the opponent no two eyes at p takes its value.
  for (int32_t n = 1; n <= nbpoints(l); ++n) {
    const int32_t a = ligneliste(l, n), b = colonneliste(l, n);
    const int32_t q = indexcase(a, b);
    if (!casescandidates[q] || survieB[q] >= survieB[i]) continue;
    const TEssaiCoup& E = essaiordi(a, b);
    pionsmorts = mortsB[r - 1][k - 1];
    p = E.plateauessai;
    infochaine = E.infochaineessai;
    if (infochaine[q][1] == 1) pionsmorts[q] = 1;
    const TMarques masque = pionsmorts;
    if (!testyeuxapresessai(masque, p, B, r, k)) {
      proposecase(candidats, cap, a, b);
      survieB[q] = survieB[i];
      if (memoB[q] != 1) memoB[q] = 3;
    } else if (memoB[q] == 0 || memoB[q] == 2) {
      memoB[q] = 4;
    }
    garde.restaure();
  }
  // The guard puts the position back.
}

}  // namespace

int32_t compteespaceoeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  TMarques vu = marquesvides;
  int32_t compte = 0;
  auto inonde = [&](auto&& soi, int32_t dir, int32_t r, int32_t k) -> void {
    vu[indexcase(r, k)] = 1;
    ++compte;
    for (int32_t d = 0; d < 4 && compte < ESPACEPERDU; ++d) {
      if (dir >= 0 && d == (dir ^ 1)) continue;
      const int32_t a = r + PAS[d][0], b = k + PAS[d][1];
      if (!surplateaumoteur(a, b)) continue;
      const int32_t q = indexcase(a, b);
      if (p[q] == c) {
        if (!pionsmorts[q]) compte = ESPACEPERDU;
        continue;
      }
      if (!vu[q]) soi(soi, d, a, b);
    }
  };
  inonde(inonde, -1, ligne, colonne);
  return std::min(compte, ESPACEPERDU);
}

bool testvoisinsmorts(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  bool aucouleur = false;
  for (const auto& d : PAS) {
    const int32_t a = ligne + d[0], b = colonne + d[1];
    if (!surplateaumoteur(a, b) || p[indexcase(a, b)] != c) continue;
    aucouleur = true;
    if (!pionsmorts[indexcase(a, b)]) return false;
  }
  if (aucouleur) return true;
  for (const auto& d : PAS) {
    const int32_t a = ligne + d[0], b = colonne + d[1];
    if (!surplateaumoteur(a, b) || p[indexcase(a, b)] != VIDE) continue;
    for (const auto& d2 : PAS) {
      const int32_t x = a + d2[0], y = b + d2[1];
      if (surplateaumoteur(x, y) && p[indexcase(x, y)] == c && !pionsmorts[indexcase(x, y)]) return false;
    }
  }
  return true;
}

bool testyeuxapresessai(const TMarques& masque, const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  const Restaure<TMarques> morts(pionsmorts);
  const Restaure<TInfoChaine> chaines(infochaine);
  TPlateau copie = p;
  pionsmorts = masque;
  TListePoints prises{};
  jouecoup(prises, CAPACITESURVIE, copie, ligne, colonne, c, static_cast<uint8_t>(c == NOIR ? BLANC : NOIR));
  if (copie[indexcase(ligne, colonne)] == VIDE) return false;
  pionsmorts[indexcase(ligne, colonne)] = 0;
  return testdeuxyeuxpossible(copie, ligne, colonne, nbpoints(prises));
}

void coupdesurvie(const TCartesSurvieCote& A, const TCartesSurvieCote& B, const TMarques&, TListePoints& candidats,
                  int32_t cap, TListePoints& famille, int32_t capfamille, uint8_t couleurA, TPlateau& p) {
  const int32_t n = configmoteur.taille;
  // Entry.
  A.survie = zerobonus;
  B.survie = zerobonus;
  const uint8_t flagentree = flagsurvie;
  const Restaure<uint8_t> flag(flagsurvie);
  const TGardeEssai garde(p);
  Survie x{p,
           couleurA,
           static_cast<uint8_t>(couleurA == NOIR ? BLANC : NOIR),
           A.memosurvie,
           B.memosurvie,
           A.tues,
           B.tues,
           A.sauves,
           B.sauves,
           A.survie,
           B.survie,
           A.mortsapreslecture,
           B.mortsapreslecture,
           A.mortsapresessai,
           B.mortsapresessai,
           candidats,
           famille,
           cap,
           capfamille};
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t k = 1; k <= n; ++k) {
      if (garde.plateau()[indexcase(r, k)] != VIDE) continue;
      const uint8_t f = (coupdecide || territoireaprendre[1] > 5 || territoireaprendre[0] >= 3) ? 0 : flagentree;
      flagsurvie = f;
      x.partieordi(r, k);
      flagsurvie = f;
      x.partiejoueur(r, k, f);
      flagsurvie = flagentree;
    }
}
