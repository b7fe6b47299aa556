// Chain-pair connection table.
#include "engine/connection/tableliaisons.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/connection/groupes.h"
#include "engine/connection/lectureliaison.h"
#include "engine/reading/prise.h"

namespace {

// Capture questions of peutcouperpaire: the cutting stone is read with the
// cut-stone pair of the connection readings (liberty limit 3, depth 8), the
// two chains, only when short of liberties, with the later pair (2, 4).
constexpr int32_t LIMITEPIERRECOUPANTE = 3;
constexpr int32_t PROFONDEURPIERRECOUPANTE = 8;
constexpr int32_t LIMITECHAINES = 2;
constexpr int32_t PROFONDEURCHAINES = 4;

// One side of the analysis: its colour, candidates, records and bits.
struct Cote {
  uint8_t couleur;
  const TMarques& candidats;
  TEssaiCoup (&essais)[TAILLEMAX][TAILLEMAX];
  uint8_t paire, confirme, membre, refute;
  TEssaiCoup& essai(int32_t r, int32_t c) const { return essais[r - 1][c - 1]; }
  TEssaiCoup& essai(const TPoint& p) const { return essai(p.ligne, p.colonne); }
};
Cote cote(int32_t k) {
  if (k == 0) return {couleurordi, casescandidates, essaisordi, PAIREORDI, CONFIRMEORDI, MEMBREORDI, REFUTEORDI};
  return {couleurjoueur, casescandidatesjoueur, essaisjoueur, PAIREJOUEUR, CONFIRMEJOUEUR, MEMBREJOUEUR,
          REFUTEJOUEUR};
}

// Heads of the chains of `couleur` in the position before the move (a
// non-zero stone count in tablegroupes) that the move's record links (bit
// 0x20) and, when `membre` is non-zero, that carry it on the diagonal of the
// move's entry; rows then columns.
void tetesliees(const Cote& s, int32_t r, int32_t c, uint8_t membre, TListePoints& l) {
  l[0] = 0;
  const TEssaiCoup& e = s.essai(r, c);
  const int32_t n = configmoteur.taille;
  for (int32_t rh = 1; rh <= n; ++rh)
    for (int32_t ch = 1; ch <= n; ++ch) {
      const int32_t h = ix(rh, ch);
      if (plateaudepart[h] != s.couleur || tablegroupes[h][1] == 0) continue;
      if (!(e.liensessai[h] & LIENPIERRES)) continue;
      if (membre && !(bitspaire(r, c, {rh, ch}, {rh, ch}) & membre)) continue;
      empilepoint(l, MAXPOINTSLISTE, rh, ch);
    }
}
TPoint point(const TListePoints& l, int32_t k) { return {ligneliste(l, k), colonneliste(l, k)}; }

// Loads the side's trial position of the move at (r, c) into p, infochaine and pionsmorts.
void chargeessai(TPlateau& p, const TEssaiCoup& e) {
  p = e.plateauessai;
  infochaine = e.infochaineessai;
  pionsmorts = e.plateauessai2;
}

// The fill for one side; false when a candidate's record links no chain.
bool remplitcote(const Cote& s) {
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  const int32_t n = configmoteur.taille;
  TListePoints L;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (!s.candidats[ix(r, c)]) continue;
      TEssaiCoup& e = s.essai(r, c);
      if (e.valeurcoupure <= 0) continue;
      // The chain heads the move links.
      tetesliees(s, r, c, 0, L);
      if (nbpoints(L) == 0) return false;
      // Pairs of them the move can link, not already linked by the groups.
      int32_t paires = 0;
      for (int32_t x = 1; x <= nbpoints(L); ++x)
        for (int32_t y = x + 1; y <= nbpoints(L); ++y) {
          const TPoint a = point(L, x), b = point(L, y);
          if (s.essai(a).liensessai[ix(b)] & LIENPIERRES) continue;  // already linked by the groups
          TPlateau essai;
          chargeessai(essai, e);
          const TMarques marques = pionsmorts;
          if (!peutlierdeuxpions(essai, marques, marques, 0, a.ligne, a.colonne, b.ligne, b.colonne, pointko))
            continue;
          ajoutebitspaire(r, c, a, b, s.paire);
          ajoutebitspaire(r, c, b, a, s.paire);
          ajoutebitspaire(r, c, a, a, s.membre);
          ajoutebitspaire(r, c, b, b, s.membre);
          ++paires;
        }
      // Chain table and dead marks back; the record notes its pairs.
      infochaine = chaines;
      pionsmorts = morts;
      if (paires > 0) e.essaifait |= ESSAIPAIRE;
    }
  return true;
}

// Confirmation for one side.
void confirmecote(int32_t k, bool& unefois) {
  const Cote s = cote(k), o = cote(1 - k);
  const int32_t n = configmoteur.taille;
  TListePoints L;
  TMarques proximite;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (!s.candidats[i] || !o.candidats[i]) continue;
      TEssaiCoup& e = s.essai(r, c);
      if (!(e.essaifait & ESSAIPAIRE)) continue;
      // The chain heads of the pairs.
      tetesliees(s, r, c, s.membre, L);
      if (nbpoints(L) < 2) continue;
      // The points near the move.
      proximite = marquesvides;
      marqueproximite(plateaudepart, proximite, s.couleur, r, c);
      // Pairs near the move that the other side cannot cut.
      int32_t paires = 0;
      for (int32_t x = 1; x <= nbpoints(L); ++x)
        for (int32_t y = x + 1; y <= nbpoints(L); ++y) {
          const TPoint a = point(L, x), b = point(L, y);
          if (!(bitspaire(r, c, a, b) & s.paire) || !pairesproches(a, b, proximite)) continue;
          TPlateau essai;
          chargeessai(essai, e);
          if (peutcouperpaire(essai, k, a, b, {r, c}, unefois)) continue;
          ajoutebitspaire(r, c, a, b, s.confirme);
          ajoutebitspaire(r, c, b, a, s.confirme);
          ++paires;
        }
      // The record notes the confirmed pairs.
      if (paires > 0) e.essaifait |= ESSAICONFIRME;
    }
}

// The chain through a: its stones marked on a copy of marquesvides.
TMarques chaine(const TPlateau& p, const TPoint& a) {
  TMarques m = marquesvides;
  marquepionschaine(p, m, 0, a.ligne, a.colonne);
  return m;
}

}  // namespace

// ---- The table ---------------------------------------------------------------------------

void dimensionnetableliaisons() {
  int32_t vide = 0, noir = 0, blanc = 0;
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (plateaudepart[i] == VIDE) vide = numerotation[i];
      else if (tablegroupes[i][1] != 0) (plateaudepart[i] == NOIR ? noir : blanc) = numerotation[i];
    }
  const int32_t E = maxi(vide, 0), M = maxi(maxi(noir, 0), maxi(blanc, 0));
  tableliaisons.nbvides = E + 1;
  tableliaisons.nbchaines = M + 1;
  tableliaisons.octets = std::vector<uint8_t>(static_cast<size_t>(E + 1) * (M + 1) * (M + 1), 0);
  compteurnoeudsprise += 1;
}

void liberetableliaisons() {
  tableliaisons.nbvides = 0;
  tableliaisons.nbchaines = 0;
  std::vector<uint8_t>().swap(tableliaisons.octets);
}

namespace {
// Offset of [e][i][j], or -1 outside the table.
int64_t position(int32_t e, int32_t i, int32_t j) {
  const TTableLiaisons& t = tableliaisons;
  if (e < 0 || e >= t.nbvides || i < 0 || i >= t.nbchaines || j < 0 || j >= t.nbchaines) return -1;
  const int64_t k = (static_cast<int64_t>(e) * t.nbchaines + i) * t.nbchaines + j;
  return k < static_cast<int64_t>(t.octets.size()) ? k : -1;
}
}  // namespace

uint8_t bitsliaison(int32_t e, int32_t i, int32_t j) {
  const int64_t k = position(e, i, j);
  return k < 0 ? 0 : tableliaisons.octets[static_cast<size_t>(k)];
}

void ajoutebitsliaison(int32_t e, int32_t i, int32_t j, uint8_t bits) {
  const int64_t k = position(e, i, j);
  if (k >= 0) tableliaisons.octets[static_cast<size_t>(k)] |= bits;
}

uint8_t bitspaire(int32_t r, int32_t c, const TPoint& a, const TPoint& b) {
  return bitsliaison(numerotation[ix(r, c)], numerotation[ix(a)], numerotation[ix(b)]);
}

void ajoutebitspaire(int32_t r, int32_t c, const TPoint& a, const TPoint& b, uint8_t bits) {
  ajoutebitsliaison(numerotation[ix(r, c)], numerotation[ix(a)], numerotation[ix(b)], bits);
}

// ---- Fill and confirmation ----------------------------------------------------------------

void remplittableliaisons() {
  // Table sized for the board.
  dimensionnetableliaisons();
  Restaure<TInfoChaine> gardechaines(infochaine);
  Restaure<TMarques> gardemorts(pionsmorts);
  // Both sides; a side whose records link no chain stops the fill.
  if (!remplitcote(cote(0))) return;
  remplitcote(cote(1));
}

void evalueliaisonsessais() {
  if (niveau <= 3) return;
  Restaure<TInfoChaine> gardechaines(infochaine);
  Restaure<TMarques> gardemorts(pionsmorts);
  bool unefois = false;
  confirmecote(0, unefois);
  confirmecote(1, unefois);
}

// ---- Parts -----------------------------------------------------------------------------

void marqueproximite(const TPlateau& p, TMarques& m, uint8_t couleur, int32_t r, int32_t c) {
  int32_t l1, l2, c1, c2;
  bornesfenetre(r, c, 1, l1, l2, c1, c2);
  for (int32_t rq = l1; rq <= l2; ++rq)
    for (int32_t cq = c1; cq <= c2; ++cq) {
      const int32_t q = ix(rq, cq);
      if (p[q] == VIDE) m[q] = 1;
      else if (p[q] == couleur) peintchaine(p, m, 1, rq, cq);
    }
  bornesfenetre(r, c, 2, l1, l2, c1, c2);
  for (int32_t rq = l1; rq <= l2; ++rq)
    for (int32_t cq = c1; cq <= c2; ++cq) {
      const int32_t q = ix(rq, cq);
      if (m[q] != 0) continue;
      if (p[q] == VIDE) {
        m[q] = 2;
      } else if (p[q] == couleur) {
        const TMarques ch = chaine(p, {rq, cq});
        for (int32_t j = 0; j < NBCASES; ++j)
          if (ch[j] && m[j] == 0) m[j] = 2;
      }
    }
}

bool pairesproches(const TPoint& a, const TPoint& b, const TMarques& m) {
  const int32_t ma = m[ix(a)], mb = m[ix(b)];
  if (ma == 0 || mb == 0) return false;
  const int32_t s = ma + mb;
  if (s == 2) return true;
  return s == 3 && infogroupes[ix(a)].numero != infogroupes[ix(b)].numero;
}

bool peutcouperpaire(TPlateau& p, int32_t k, const TPoint& a, const TPoint& b, const TPoint& pt, bool& unefois) {
  const Cote s = cote(k), o = cote(1 - k);
  // The other side's linking moves at the pair's other linking
  // points, and the cutting points peutcouperpaire2 recorded for the pair.
  TListePoints F;
  F[0] = 0;
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if ((r == pt.ligne && c == pt.colonne) || !o.candidats[ix(r, c)]) continue;
      const uint8_t bits = bitspaire(r, c, a, b);
      if ((bits & s.refute) || ((o.essai(r, c).essaifait & ESSAIPAIRE) && (bits & s.paire)))
        empilepoint(F, MAXPOINTSLISTE, r, c);
    }
  // No such move: the cutting points are recorded once.
  if (nbpoints(F) == 0) {
    if (!unefois) {
      unefois = true;
      peutcouperpaire2(k, a, b, pt);
    }
    return false;
  }
  // Each such move tried on a copy.
  RestaurePosition essai(p);
  TListePoints prises;
  for (int32_t x = 1; x <= nbpoints(F); ++x) {
    const TPoint f = point(F, x);
    essai.restaure();
    jouecoup(prises, CAPACITELISTE, p, f.ligne, f.colonne, o.couleur, s.couleur);
    if (p[ix(f)] != o.couleur) continue;
    // The cutting stone first: one the side takes at once cuts nothing.
    if (testprise(p, f.ligne, f.colonne, PROFONDEURPIERRECOUPANTE, LIMITEPIERRECOUPANTE, o.couleur, pointko))
      continue;
    // Then the two chains: a move that takes one of them is a capture, not a cut.
    bool prise = false;
    for (const TPoint& q : {a, b}) {
      if (p[ix(q)] != s.couleur) {
        prise = true;
        break;
      }
      if (infochaine[ix(q)][0] <= LIMITECHAINES &&
          testprise(p, q.ligne, q.colonne, PROFONDEURCHAINES, LIMITECHAINES, o.couleur, pointko)) {
        prise = true;
        break;
      }
    }
    if (prise) continue;
    demarquechaine(p, a.ligne, a.colonne);
    demarquechaine(p, b.ligne, b.colonne);
    const TMarques marques = pionsmorts;
    if (!peutlierdeuxpions(p, marques, marques, 0, a.ligne, a.colonne, b.ligne, b.colonne, pointko)) return true;
  }
  return false;
}

void peutcouperpaire2(int32_t k, const TPoint& a, const TPoint& b, const TPoint& pt) {
  const Cote s = cote(k), o = cote(1 - k);
  Restaure<TInfoChaine> gardechaines(infochaine);
  Restaure<TMarques> gardemorts(pionsmorts);
  TMarques paire = chaine(plateaudepart, a);
  const TMarques cb = chaine(plateaudepart, b);
  for (int32_t j = 0; j < NBCASES; ++j) paire[j] |= cb[j];
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t f = ix(r, c);
      if ((r == pt.ligne && c == pt.colonne) || !o.candidats[f] || plateaudepart[f] != VIDE) continue;
      if (!voisinmarque(plateaudepart, paire, r, c)) continue;
      const TEssaiCoup& e = o.essai(r, c);
      if (e.plateauessai[f] != o.couleur || e.plateauessai2[f]) continue;
      if (e.plateauessai[ix(a)] != s.couleur || e.plateauessai[ix(b)] != s.couleur) continue;
      TPlateau essai;
      chargeessai(essai, e);
      demarquechaine(essai, a.ligne, a.colonne);
      demarquechaine(essai, b.ligne, b.colonne);
      const TMarques marques = pionsmorts;
      if (peutlierdeuxpions(essai, marques, marques, 0, a.ligne, a.colonne, b.ligne, b.colonne, pointko)) continue;
      ajoutebitspaire(r, c, a, b, s.refute);
      ajoutebitspaire(r, c, b, a, s.refute);
    }
}
