// Invasion viability test `testinvasionvivante` and its tests.
#include "engine/proposals/invasionvivante.h"

#include <algorithm>
#include <cstring>

#include "engine/board/garde.h"
#include "engine/board/jeu.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/regionspoussee.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/marquage.h"
#include "engine/reading/prise.h"
#include "engine/reading/propagation.h"
#include "engine/reading/propagationinvasion.h"

namespace {

constexpr int32_t CAPACITEPRISES = 300;
constexpr int32_t LIMITECOMPTE = 1000;  // the limit searches stop here whatever the formula

int32_t idx(TPoint q) { return indexcase(q.ligne, q.colonne); }
TPoint pointliste(const TListePoints& l, int32_t k) { return {ligneliste(l, k), colonneliste(l, k)}; }

// A record counter the position analysis fills, on the engine's trials only:
// the empty points and dead enemy stones the trial brings to the engine's side.
int32_t compteur8essai(const TEssaiCoup& e) { return e.compteur5essai; }

TMarques cartedepoint(const uint8_t (&carte)[NBCASES]) {
  TMarques m;
  std::memcpy(m.data(), carte, NBCASES);
  return m;
}

bool reduite(uint8_t ordi) { return debutpartie == 1 && territoireaprendre[0] >= 3 && ordi != 0; }

// k1: the smallest count whose value reaches t1 (0 when t1 <= 0); k2: the
// largest count whose values from 1 on all stay at or below t2 (0 when t2 <= 0).
template <class F>
void limites(F&& f, int32_t t1, int32_t t2, int32_t& k1, int32_t& k2) {
  k1 = 0;
  if (t1 > 0)
    while (k1 < LIMITECOMPTE && f(k1) < t1) ++k1;
  k2 = 0;
  if (t2 > 0)
    while (k2 < LIMITECOMPTE && f(k2 + 1) <= t2) ++k2;
}

// One call of the test: its arguments and the state of its stages.
struct Invasion {
  uint8_t ordi, second, troisieme;
  int32_t& travail;
  TPlateau& p;
  int32_t& resultat;
  uint8_t inv, def;
  const TMarques& morts2inv;
  const TMarques& morts2def;
  const TMarques& liaison;
  int32_t compteur4;
  TPoint P;
  int32_t mode, t2, t1;

  TEssaiCoup& eordi() const { return essaisordi[P.ligne - 1][P.colonne - 1]; }
  TEssaiCoup& ejoueur() const { return essaisjoueur[P.ligne - 1][P.colonne - 1]; }
  TEssaiCoup& envahisseur() const { return ordi ? essaisordi[P.ligne - 1][P.colonne - 1] : essaisjoueur[P.ligne - 1][P.colonne - 1]; }
  int32_t iP() const { return idx(P); }
  bool adefenseur(int32_t i) const { return territoire[i] == def || territoire2[i] == def; }

  // The swap of territoire, undone on every exit.
  TMarques entree{};
  bool S = false;
  void defaitswap() {
    if (S) territoire = entree;
    S = false;
  }

  int32_t c = 0, cp = 0;  // c and c'
  TPoint N1{};
  bool G = false, X = false, L0 = false, K = false, repondu = false;
  TMarques E{};      // pionsmorts on entry
  TMarques T{};      // link targets
  int32_t a = 0;
  int32_t k2p = 0, k3p = 0;

  int32_t comptedefenseur(TPoint* premier) const {
    int32_t n = 0;
    pastable(P.ligne, P.colonne, [&](int32_t r, int32_t col) {
      const int32_t j = indexcase(r, col);
      if (p[j] == VIDE && adefenseur(j)) {
        if (n == 0 && premier) *premier = TPoint{r, col};
        ++n;
      }
      return false;
    });
    return n;
  }

  // The capture readings of the first stage: the defender's chains around
  // P read as lost, then P's own chain.
  void lecturesprise() {
    if (!troisieme) {
      chainesennemiesprenables(p, marquesliaison1, travail, profondeurlecture - 1, P.ligne, P.colonne, 5, 2);
      if (testprise(p, P.ligne, P.colonne, profondeurlecture - 1, 5, def, pointko)) marquechaine(p, P.ligne, P.colonne);
    }
  }
  void lecturespriseforcees() {
    chainesennemiesprenables(p, marquesliaison1, travail, profondeurlecture - 1, P.ligne, P.colonne, 5, 2);
    if (testprise(p, P.ligne, P.colonne, profondeurlecture - 1, 5, def, pointko)) marquechaine(p, P.ligne, P.colonne);
  }
  // Defender stones of `b` newly dead (not dead in E, in neither link map): 2 on its territory, else 1.
  int32_t airemorts(const TPlateau& b) const {
    int32_t n = 0;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (b[i] == def && pionsmorts[i] && !E[i] && !marquesliaison1[i] && !marquesliaison2[i])
        n += territoire[i] == def ? 2 : 1;
    return n;
  }
  void montecompteur(int32_t k) { compteurinvasions2 = std::max(compteurinvasions2, k); }
  // Raises the result to v; true when the first threshold is reached (the test ends).
  bool eleve(int32_t v) {
    if (v <= resultat) return false;
    resultat = v;
    t2 = std::max(t2, resultat);
    return t1 > 0 && resultat >= t1;
  }

  void execute();
  bool etape10();
  bool etape14();
  bool testA2(const TListePoints& A2, TMarques& vu);
};

void Invasion::execute() {
  const int32_t iPt = iP();
  // Entry filter.
  resultat = 0;
  if (ordi) {
    if (pionsmorts[iPt] && !flaginvasionvivante && !peutlierfortessai(eordi())) return;
  } else {
    flaginvasionvivante = 0;
    if (troisieme) {
      if (pionsmorts[iPt] &&
          (!peutlierfortessai(ejoueur()) || territoire[iPt] != def))
        return;
    } else if (pionsmorts[iPt]) {
      return;
    }
  }
  // The defender's neighbour count.
  c = comptedefenseur(&N1);
  // Territory swap; undone on every exit from here.
  entree = territoire;
  const EnSortie remet([&] { defaitswap(); });
  if (mode == 2 || mode == 3 || (mode == 1 && bordgoban[iPt])) {
    S = true;
    const auto& t = ordi ? tablelecture : carteniveau;
    if (ordi) territoire = strategie == 0 ? videsennemis : cartedepoint(t[P.ligne - 1][P.colonne - 1]);
    else territoire = strategie == 1 ? territoire3 : cartedepoint(t[P.ligne - 1][P.colonne - 1]);
    cp = comptedefenseur(nullptr);
  }
  const bool revit = ordi && compteur3essai(envahisseur()) != 0;
  if (c == 0 && cp == 0 && !revit) return;
  // Entry dead marks and link targets.
  E = pionsmorts;
  const TMarques& masque = ordi ? pionsmortsbis : carteattaque;
  T = marquesvides;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (p[i] != inv || pionsmorts[i] || masque[i] || i == iPt) continue;
    if (ordi && lesfaibles[i] != 0 && lesfaibles[i] != 4) continue;
    T[i] = 1;
  }
  const int32_t libsP = infochaine[iPt][0];
  // Geometry and strong-link flags.
  if (ordi) {
    TEssaiCoup& eo = eordi();
    TEssaiCoup& ej = ejoueur();
    if (casescandidatesjoueur[iPt] && (ej.essaifait & 4) && eo.carte2essai[iPt] == 0 && cp >= 1 &&
        lieaunfortessai(eo))
      G = true;
    else if (((ej.essaifait & 1) || compteur3essai(eo) > 0 ||
              (distancebord[iPt] <= 1 && libsP > 2 && pointenferme(videsennemis, def, P.ligne, P.colonne))) &&
             marqueliaisonessai(eo) && (videsennemis[iPt] == def || cp >= 2))
      G = true;
    else
      G = invasionbordpossible(p, entree, P.ligne, P.colonne, def, inv);
    if (peutlierfortessai(eo) &&
        (territoire[iPt] == def ||
         (peutlierfortessai(ej) && cp > 0 && voisinfaiblemenace(p, 1, P.ligne, P.colonne))))
      X = L0 = true;
  } else {
    TEssaiCoup& eo = eordi();
    TEssaiCoup& ej = ejoueur();
    if (compteur8essai(eo) > 2 && marqueliaisonessai(ej) && nbpionschaine(p, P.ligne, P.colonne) > 1)
      G = true;
    else if (((eo.essaifait & 1) || (distancebord[iPt] <= 1 && libsP > 2 && lieaunfortessai(ej) &&
                                      pointenferme(territoire3, def, P.ligne, P.colonne))) &&
             marqueliaisonessai(ej) && (territoire3[iPt] == def || cp >= 2))
      G = true;
    else
      G = invasionbordpossible(p, entree, P.ligne, P.colonne, def, inv);
    if (peutlierfortessai(ej)) {
      const auto lie = [&] {
        const TMarques morts = pionsmorts;
        return peutlierachaine(p, morts, pionsmortssauves, fortsjoueur(), 1, P.ligne, P.colonne, pointko);
      };
      if (territoire[iPt] == def ||
          (peutlierfortessai(eo) && cp > 0 && voisinfaiblemenace(p, 0, P.ligne, P.colonne)))
        X = L0 = troisieme || lie();
      else
        L0 = troisieme || lie();
    }
  }
  // Shape test.
  if (mode < 3 && S && !X && !G && (compteur4 <= 0 || cp == 0)) {
    const bool demande = bordgoban[iPt] || territoire3[iPt] == def || cp >= 2;
    if (!demande || !invasionpremiereligne(morts2def, p, P.ligne, P.colonne)) {
      defaitswap();
      cp = 0;
      if (c == 0 && !revit) return;
    }
  }
  // Answer test: the defender plays the one open point.
  if (c == 1 && libsP == 2) {
    TGardeEssai garde(p);
    TListePoints prises;
    jouecoup(prises, CAPACITEPRISES, p, N1.ligne, N1.colonne, def, inv);
    const int32_t in = idx(N1);
    if (p[in] == def && infochaine[in][0] >= 2 && p[iPt] == inv && infochaine[iPt][0] == 1 &&
        aucunennemiatari(p, P.ligne, P.colonne)) {
      repondu = true;
      defaitswap();
    }
  }
  // Link flag.
  if (X || L0) {
    K = true;
  } else if (ordi) {
    if (lieaunfortessai(envahisseur())) K = true;
    else if (flaginvasionvivante && adefenseur(iPt)) K = choisitniveaulien(p, T, P.ligne, P.colonne, 2, 1);
    else K = choisitniveaulien(p, T, P.ligne, P.colonne, 2, 2);
  } else {
    K = strategie == 1 ? choisitniveaulien(p, T, P.ligne, P.colonne, 2, 2) : pionlieachainetest1(p, T, P.ligne, P.colonne);
  }
  // Area value and first reading.
  if (c > 0 && !repondu && K && (compteur0essai(envahisseur()) > 0 || (envahisseur().liensessai[iPt] & 1)))
    if (etape10()) return;
  // Second reading: short liberties around P.
  if (infochaine[iPt][0] > 1 && voisinmoinsde3libertes(p, def, P.ligne, P.colonne)) {
    int32_t k1 = 0, k2 = 0;
    limites([&](int32_t k) { return valeurinvasion2(a, k, 0, ordi); }, t1, t2, k1, k2);
    k2p = lancelecturerecu5(inv, def, p, P.ligne, P.colonne, k2, k1);
    if (k2p > 0) {
      montecompteur(k2p);
      if (eleve(valeurinvasion2(a, k2p, 0, ordi))) return;
    }
  }
  // Third reading: the link.
  bool L = X || L0;
  if (!L) {
    const auto paire = [&] {
      return (K && choisitniveaulien(p, T, P.ligne, P.colonne, 1, 2)) ||
             testelienpossible(p, T, morts2inv, P.ligne, P.colonne);
    };
    if (ordi) {
      L = peutlierfortessai(envahisseur()) || (G && K) || (K && debutpartie == 0 && strategie != 1) || paire();
    } else if (G && K) {
      L = true;
    } else if (strategie == 1) {
      L = paire();
    } else {
      L = (K && pionlieachaine(p, T, P.ligne, P.colonne)) || testelienpossible(p, T, morts2inv, P.ligne, P.colonne);
    }
  }
  if (L) {
    const uint8_t rep = repondu ? 1 : 0;
    int32_t k1 = 0, k2 = 0;
    limites([&](int32_t k) { return valeurinvasion2(a, k, rep, ordi); }, t1, t2, k1, k2);
    k3p = lancelecturerecu4(second, inv, def, p, P.ligne, P.colonne, k2, k1);
    if (k3p > 0) {
      montecompteur(k3p);
      if (eleve(valeurinvasion2(a, k3p, rep, ordi))) return;
    }
  } else if (!K) {
    return;
  }
  // Opening cut of the opponent's invasions.
  if (!ordi && debutpartie == 1 && k3p < 3 && k2p < 3 && (coupdecide || !phasedebut || numerocoup < 5)) {
    resultat = 0;
    return;
  }
  // Fourth reading: the liberties.
  if (!repondu) etape14();
}

// True when the test ends.
bool Invasion::etape10() {
  const int32_t iPt = iP();
  const EnSortie remetmorts([&] { pionsmorts = E; });
  // Capture readings from the link marks.
  pionsmorts = liaison;
  lecturesprise();
  // The invading stone read dead: the test goes on.
  if (pionsmorts[iPt]) return false;
  // The area the invasion kills.
  a = 0;
  if (!troisieme) {
    a = airemorts(p);
  } else {
    const TEssaiCoup& e = envahisseur();
    for (int32_t i = 0; i < NBCASES; ++i)
      if (p[i] == def && !E[i] && !marquesliaison1[i] && !marquesliaison2[i] && (e.liensessai[i] & 1)) {
        pionsmorts[i] = 1;
        a += territoire[i] == def ? 2 : 1;
      }
  }
  // The defender answers on the one open point.
  if (a > 0 && c == 1) {
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    TListePoints prises;
    jouecoup(prises, CAPACITEPRISES, p, N1.ligne, N1.colonne, def, inv);
    pionsmorts = liaison;
    lecturespriseforcees();
    if (pionsmorts[iPt]) {
      repondu = true;
      defaitswap();
    }
    a = airemorts(avant);
    p = avant;
    infochaine = chaines;
  }
  // The reading on the board without the dead defender stones.
  if (repondu || a <= 0) return false;
  TPlateau B = p;
  const TInfoChaine chaines = infochaine;
  int32_t r = 0;
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (p[i] != def || !pionsmorts[i] || E[i]) continue;
    B[i] = VIDE;
    infochaine[i] = flagchaines;
    ajoutelibertechaine(B, inv, i / TAILLEMAX + 1, i % TAILLEMAX + 1);
    ++r;
  }
  int32_t k1 = 0, k2 = 0;
  limites([&](int32_t k) { return valeurinvasion1(a, k, c, ordi); }, t1, t2, k1, k2);
  int32_t k1p;
  if (!S) {
    const TMarques territoireavant = territoire;
    zonecouleur(B, def, inv, 2);
    k1p = lancelecturerecu1(second, inv, def, B, P.ligne, P.colonne);
    territoire = territoireavant;
  } else {
    k1p = lecturetactique(second, inv, def, B, P.ligne, P.colonne, k2, k1);
  }
  infochaine = chaines;
  if (k1p > 0) {
    compteurinvasions2 = std::max(compteurinvasions2, k1p - r);
    if (compteurinvasions2 == 0) compteurinvasions2 = 1;
    resultat = valeurinvasion1(a, k1p, c, ordi);
    if (t1 > 0 && resultat >= t1) return true;
    t2 = std::max(t2, resultat);
  }
  return false;
}

bool Invasion::testA2(const TListePoints& A2, TMarques& vu) {
  TListePoints libs{};
  uint8_t drapeau = 1;
  for (int32_t k = 1; k <= nbpoints(A2); ++k) {
    const TPoint q = pointliste(A2, k);
    if (infochaine[idx(q)][0] == 2)
      libertesetvoisinsenatari(drapeau, p, libs, 0, q.ligne, q.colonne, vu, CAPACITEPRISES);
  }
  if (drapeau == 0 || nbpoints(libs) == 0) return false;
  for (int32_t k = 1; k <= nbpoints(libs); ++k) {
    const TPoint q = pointliste(libs, k);
    const int32_t j = idx(q);
    if (p[j] != VIDE || !adefenseur(j)) continue;
    TGardeEssai garde(p);
    TListePoints prises;
    jouecoup(prises, CAPACITEPRISES, p, q.ligne, q.colonne, inv, def);
    if (p[j] == inv && infochaine[j][0] >= 2) return true;
  }
  return false;
}

// True when the test ends.
bool Invasion::etape14() {
  const int32_t iPt = iP();
  const TMarques& masque = ordi ? pionsmortsbis : carteattaque;
  // Neighbour lists.
  TListePoints A1{}, A2{}, I{};
  bool D = false;
  if (c > 0) {
    pastable(P.ligne, P.colonne, [&](int32_t r, int32_t col) {
      const int32_t j = indexcase(r, col);
      if (p[j] == def && !masque[j]) {
        if (pionsmorts[j] && territoire[j] == def) D = true;
        if (infochaine[j][0] == 1) empilepoint(A1, 4, r, col);
        else if (infochaine[j][0] == 2 && territoire[j] == def) empilepoint(A2, 4, r, col);
      } else if (p[j] == inv && !pionsmorts[j] && !masque[j]) {
        empilepoint(I, 4, r, col);
      } else if (p[j] == VIDE) {
        const bool touche = pastable(r, col, [&](int32_t r2, int32_t c2) {
          const int32_t k = indexcase(r2, c2);
          return k != iPt && p[k] == inv && !pionsmorts[k] && !masque[k];
        });
        if (touche) empilepoint(I, 4, r, col);
      }
      return false;
    });
  }
  // No defender neighbour, nothing to attack, or no short-liberty defender chain: done.
  if (c == 0 || (nbpoints(I) == 0 && !D) || (nbpoints(A1) == 0 && nbpoints(A2) == 0)) return true;
  bool Z = true;
  TMarques vu = marquesvides;
  if (c == 1) {
    // One defender neighbour: it answers; a solid answer with nothing in atari holds.
    TGardeEssai garde(p);
    TListePoints prises;
    jouecoup(prises, CAPACITEPRISES, p, N1.ligne, N1.colonne, def, inv);
    const int32_t in = idx(N1);
    if (!D && p[in] == def && infochaine[in][0] >= 3 && nbpoints(A1) == 0 && k3p == 0) Z = false;
    if (Z) {
      bool atari = false;
      for (int32_t k = 1; k <= nbpoints(A1); ++k) {
        const int32_t j = idx(pointliste(A1, k));
        if (p[j] == def && infochaine[j][0] == 1) atari = true;
      }
      Z = atari || testA2(A2, vu);
    }
  } else {
    // Several: a chain in atari, or a two-liberty chain the test takes.
    Z = nbpoints(A1) > 0 || testA2(A2, vu);
  }
  if (!Z) return true;
  // Dead stones of the weak defender chains.
  int32_t ap = 0;
  for (const TListePoints* l : {&A1, &A2})
    for (int32_t k = 1; k <= nbpoints(*l); ++k) {
      const TPoint q = pointliste(*l, k);
      if (pionsmorts[idx(q)]) comptepionschaine(ap, p, vu, 0, q.ligne, q.colonne);
    }
  // The limits of the reading, then the liberty reading.
  int32_t k1 = 0, k2 = 0;
  limites([&](int32_t k) { return valeurinvasion3(ap, k, ordi); }, (!S || k3p <= 0) ? t1 : 0, t2, k1, k2);
  int32_t k4p;
  if (!S) {
    const TMarques territoireavant = territoire;
    zonecouleur(p, def, inv, 2);
    k4p = lecturetactique(second, inv, def, p, P.ligne, P.colonne, k2, k1);
    territoire = territoireavant;
  } else {
    k4p = k3p != 0 ? k3p : lecturetactique(second, inv, def, p, P.ligne, P.colonne, k2, k1);
  }
  // The value.
  montecompteur(2 * ap + k4p);
  resultat = std::max(resultat, valeurinvasion3(ap, k4p, ordi));
  return true;
}

}  // namespace

int32_t valeurinvasion1(int32_t a, int32_t k, int32_t c, uint8_t ordi) {
  return reduite(ordi) ? (a + k) * 5 : (k + a * c) * 10;
}

int32_t valeurinvasion2(int32_t a, int32_t k, uint8_t drapeau, uint8_t ordi) {
  if (reduite(ordi)) return k * 5;
  return drapeau ? k * 10 : k * 20 + a * 10;
}

int32_t valeurinvasion3(int32_t a, int32_t k, uint8_t ordi) { return reduite(ordi) ? (k + 2 * a) * 5 : (k + 2 * a) * 10; }

bool voisinatariouemort(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur) {
  return pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    const int32_t j = indexcase(r, c);
    return p[j] == couleur && (infochaine[j][0] == 1 || pionsmorts[j]);
  });
}

bool invasionpremiereligne(const TMarques& masque, const TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t n = configmoteur.taille;
  const int32_t iP = indexcase(ligne, colonne);
  if (p[iP] == VIDE) return false;
  const uint8_t def = static_cast<uint8_t>(1 - p[iP]);
  const auto dedans = [&](int32_t r, int32_t c) { return r >= 1 && r <= n && c >= 1 && c <= n; };
  const auto S = [&](int32_t r, int32_t c) { return dedans(r, c) && p[indexcase(r, c)] == def; };
  const auto D = [&](int32_t r, int32_t c) { return S(r, c) && masque[indexcase(r, c)] == 0; };
  if (bordgoban[iP]) {
    const bool bordligne = ligne == 1 || ligne == n;
    const bool bordcolonne = colonne == 1 || colonne == n;
    if (bordligne && bordcolonne) return false;
    if (infochaine[iP][0] <= 2 && !voisinatariouemort(p, ligne, colonne, def)) return false;
    // Inward step and the step along the edge.
    const int32_t dr = bordligne ? (ligne == 1 ? 1 : -1) : 0;
    const int32_t dc = bordligne ? 0 : (colonne == 1 ? 1 : -1);
    const int32_t er = bordligne ? 0 : 1, ec = bordligne ? 1 : 0;
    const int32_t ir = ligne + dr, ic = colonne + dc;
    const bool deuxieme = D(ir, ic) || D(ir + er, ic + ec) || D(ir - er, ic - ec);
    if (!deuxieme) return false;
    const auto ouvert = [&](int32_t r, int32_t c) {
      return dedans(r, c) && territoire[indexcase(r, c)] == def && p[indexcase(r, c)] != def;
    };
    return ouvert(ligne + er, colonne + ec) || ouvert(ligne - er, colonne - ec);
  }
  if (!S(ligne, colonne - 1) && !S(ligne, colonne + 1)) {
    const bool haut = D(ligne - 1, colonne - 1) || D(ligne - 1, colonne) || D(ligne - 1, colonne + 1);
    const bool bas = D(ligne + 1, colonne - 1) || D(ligne + 1, colonne) || D(ligne + 1, colonne + 1);
    if (haut && bas) return true;
  }
  if (!S(ligne - 1, colonne) && !S(ligne + 1, colonne)) {
    const bool gauche = D(ligne - 1, colonne - 1) || D(ligne, colonne - 1) || D(ligne + 1, colonne - 1);
    const bool droite = D(ligne - 1, colonne + 1) || D(ligne, colonne + 1) || D(ligne + 1, colonne + 1);
    if (gauche && droite) return true;
  }
  return false;
}

bool invasionbordpossible(const TPlateau& p, const TMarques& entree, int32_t ligne, int32_t colonne,
                          uint8_t defenseur, uint8_t envahisseur) {
  const int32_t n = configmoteur.taille;
  const int32_t iP = indexcase(ligne, colonne);
  if ((distancebord[iP] != 2 && distancebord[iP] != 3) || zonescoins[iP] == 1) return false;
  (void)envahisseur;
  // One near edge: (dr, dc) the step toward it.
  const auto bordpasse = [&](int32_t dr, int32_t dc) {
    // The strip between P and the edge.
    for (int32_t r = ligne + dr, c = colonne + dc; r >= 1 && r <= n && c >= 1 && c <= n; r += dr, c += dc) {
      const int32_t j = indexcase(r, c);
      if (p[j] != VIDE || territoire[j] != defenseur || entree[j] != VIDE) return false;
    }
    // Along P's line parallel to the edge, both ways.
    for (const int32_t s : {1, -1}) {
      const int32_t er = dr == 0 ? s : 0, ec = dc == 0 ? s : 0;
      bool trouve = false;
      for (int32_t r = ligne + er, c = colonne + ec; r >= 1 && r <= n && c >= 1 && c <= n; r += er, c += ec) {
        const uint8_t proprio = entree[indexcase(r, c)];
        if (proprio == VIDE) continue;
        if (proprio != defenseur) return false;
        trouve = true;
        break;
      }
      if (!trouve) return false;
    }
    return true;
  };
  if (ligne <= 4 && !bordpasse(-1, 0)) return false;
  if (ligne >= n - 3 && !bordpasse(1, 0)) return false;
  if (colonne <= 4 && !bordpasse(0, -1)) return false;
  if (colonne >= n - 3 && !bordpasse(0, 1)) return false;
  return true;
}

bool voisinfaiblemenace(const TPlateau& p, uint8_t cote, int32_t ligne, int32_t colonne) {
  const uint8_t(&carte)[NBCASES] = cote ? tablelecture[ligne - 1][colonne - 1] : carteniveau[ligne - 1][colonne - 1];
  const uint8_t couleur = cote ? couleurjoueur : couleurordi;
  const auto teste = [&](int32_t r, int32_t c) {
    TEssaiCoup& e = cote ? essaisordi[r - 1][c - 1] : essaisjoueur[r - 1][c - 1];
    return carte[indexcase(r, c)] == couleur && peutlierfortessai(e) != 0;
  };
  const int32_t iP = indexcase(ligne, colonne);
  return pastable(ligne, colonne, [&](int32_t r, int32_t c) {
    if (p[indexcase(r, c)] != VIDE) return false;
    if (teste(r, c)) return true;
    return pastable(r, c, [&](int32_t r2, int32_t c2) {
      const int32_t j = indexcase(r2, c2);
      return j != iP && p[j] == VIDE && teste(r2, c2);
    });
  });
}

void testinvasionvivante(uint8_t ordi, uint8_t second, uint8_t troisieme, int32_t& travail, TPlateau& p,
                         int32_t& resultat, uint8_t envahisseur, uint8_t defenseur, const TMarques& morts2envahisseur,
                         const TMarques& morts2defenseur, const TMarques& marquesliaison, int32_t compteur4,
                         int32_t ligne, int32_t colonne, int32_t mode, int32_t t2, int32_t t1) {
  // Board, chain table and dead marks come back whatever the path.
  TGardeEssai garde(p);
  Invasion x{ordi,          second,          troisieme,      travail,   p,        resultat,
             envahisseur,   defenseur,       morts2envahisseur, morts2defenseur, marquesliaison, compteur4,
             TPoint{ligne, colonne}, mode, t2, t1};
  x.execute();
}
