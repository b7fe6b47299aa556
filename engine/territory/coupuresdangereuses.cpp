// Dangerous cuts.
#include "engine/territory/coupuresdangereuses.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/groupes.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/tableliaisons.h"
#include "engine/reading/prise.h"
#include "engine/territory/estimation.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/seki.h"

namespace {

// The reading that settles whether the cut side can mend in front of the
// cutter: its stone there is captured (depth 8, liberty limit 3).
constexpr int32_t PROFONDEURFRONT = 8;
constexpr int32_t LIMITEFRONT = 3;
constexpr int32_t POIDSMOTIF = 5;    // per point of an accepted shape
constexpr int32_t POIDSPIERRE = 20;  // per cutting stone of the linked set near the cut
constexpr int32_t SEUILSCORE = 80;   // caller's score from which the twins get a threshold term
constexpr int32_t DIVISEURSCORE = 20;
constexpr int32_t PLAFONDPRESSION = 80;  // above this pressure the other points are capped at half
constexpr int32_t MAXPAIRES = 64;        // separated pairs kept per point

template <class F> void pourchaquecase(F&& f) {
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) f(r, c, ix(r, c));
}

// One side of the cut analysis.
struct Cote {
  int32_t k;  // 0 engine, 1 opponent
  uint8_t couleur;
  const TMarques& candidats;
  uint8_t paire, confirme;
  TEssaiCoup& essai(int32_t r, int32_t c) const { return k == 0 ? essaiordi(r, c) : essaijoueur(r, c); }
  TEssaiCoup& essai(const TPoint& p) const { return essai(p.ligne, p.colonne); }
};
Cote cote(int32_t k) {
  if (k == 0) return {0, couleurordi, casescandidates, PAIREORDI, CONFIRMEORDI};
  return {1, couleurjoueur, casescandidatesjoueur, PAIREJOUEUR, CONFIRMEJOUEUR};
}

void chargeessai(TPlateau& p, const TEssaiCoup& e) {
  p = e.plateauessai;
  infochaine = e.infochaineessai;
  pionsmorts = e.plateauessai2;
}

// Scratch of the estimates and of the twins (per accepted point: its marks,
// bit 1 chains in danger, bit 2 chains separated, bit 4 same-cut points;
// and the damping divisor's relink count, 0 for none).
TCarte estimation1, estimation2;
TMarques cartescoupure[NBCASES];
int32_t relances[NBCASES];

// ---- The shape test -------------------------------------------------------------------

// One front of testecoupuredangereuse: the score of the accepted shapes, or 0.
struct Front {
  TPlateau& p;
  int32_t r, c;
  int32_t mode;
  uint8_t coupeur, S;
  const TMarques& faibles1;
  const TMarques& faibles2;

  bool tient(const TPoint& q, uint8_t x) const { return p[ix(q)] == x; }

  int32_t score(int32_t k) const {
    const int32_t dr = ORDREPREDICATS[k][0], dc = ORDREPREDICATS[k][1];
    const int32_t sr = dr ? 0 : 1, sc = dr ? 1 : 0;
    const TPoint P1{r + sr, c + sc}, P2{r - sr, c - sc}, Q{r + dr, c + dc};
    const TPoint Q1{Q.ligne + sr, Q.colonne + sc}, Q2{Q.ligne - sr, Q.colonne - sc};
    if (!tient(Q, VIDE)) return 0;
    TMarques motif = marquesvides;  // 1 empty point, 2 stone of S
    const auto forme = [&](std::initializer_list<TPoint> pierres, std::initializer_list<TPoint> vides) {
      for (const TPoint& q : pierres)
        if (!tient(q, S)) return;
      for (const TPoint& q : vides)
        if (!tient(q, VIDE)) return;
      for (const TPoint& q : pierres) motif[ix(q)] = 2;
      for (const TPoint& q : vides) motif[ix(q)] = 1;
    };
    forme({P1, Q2}, {Q, Q1});
    forme({P1, P2}, {Q, Q1, Q2});
    forme({P2, Q1}, {Q, Q2});
    int32_t points = 0;
    bool mortvu = false;
    for (int32_t j = 0; j < NBCASES; ++j) {
      if (motif[j] == 1) ++points;
      if (motif[j] != 2) continue;
      points += (faibles1[j] || faibles2[j]) ? 2 : 1;  // a weak chain of S counts twice
      mortvu = mortvu || pionsmorts[j];
    }
    if (points == 0) return 0;
    if (!(mode > 0 && mortvu) && !fronttenu(Q)) return 0;
    // The cutter's linked set near the cut.
    TMarques lie = marquesvides;
    metlachainelieen2coupatest1(p, lie, r, c);
    int32_t pierres = 0;
    int32_t l1, l2, c1, c2;
    bornesfenetre(r, c, 2, l1, l2, c1, c2);
    for (int32_t rq = l1; rq <= l2; ++rq)
      for (int32_t cq = c1; cq <= c2; ++cq)
        if (lie[ix(rq, cq)] && p[ix(rq, cq)] == coupeur) ++pierres;
    return POIDSMOTIF * points + POIDSPIERRE * pierres;
  }

  // S cannot mend at q: its stone there is refused or captured.
  bool fronttenu(const TPoint& q) const {
    Restaure<TPlateau> gardeplateau(p);
    Restaure<TInfoChaine> gardechaines(infochaine);
    Restaure<TMarques> gardemorts(pionsmorts);
    TListePoints prises;
    jouecoup(prises, CAPACITELISTE, p, q.ligne, q.colonne, S, coupeur);
    if (p[ix(q)] != S) return true;
    return testprise(p, q.ligne, q.colonne, PROFONDEURFRONT, LIMITEFRONT, S, pointko);
  }
};

// ---- The twins ----------------------------------------------------------------------------

// What the cut at a point separates: pairs of heads (u, v) and the chains in danger.
struct Separation {
  TPoint paires[MAXPAIRES][2];
  int32_t nbpaires = 0;
  int32_t a = 0, b = 0;
};

// For the twins: the confirmed pairs of side s at (r, c) that the
// cutter's stone there separates (neither rule set links them on the
// cutter's trial board), marked bit 2; those whose chain the cut leaves
// weak (captured, the dead-change test, or read capturable) marked bit 1.
void marquecoupure(const Cote& s, const Cote& o, int32_t r, int32_t c, const TMarques& classes,
                   const TMarques& classes2, int32_t forme, TMarques& carte, Separation& sep, int32_t& relance) {
  Restaure<TInfoChaine> gardechaines(infochaine);
  Restaure<TMarques> gardemorts(pionsmorts);
  const int32_t n = configmoteur.taille;
  const TEssaiCoup& es = s.essai(r, c);
  TListePoints L;
  L[0] = 0;
  for (int32_t rh = 1; rh <= n; ++rh)
    for (int32_t ch = 1; ch <= n; ++ch) {
      const int32_t h = ix(rh, ch);
      if (plateaudepart[h] == s.couleur && tablegroupes[h][1] != 0 && (es.liensessai[h] & LIENPIERRES))
        empilepoint(L, MAXPOINTSLISTE, rh, ch);
    }
  TPlateau coupe;
  chargeessai(coupe, o.essai(r, c));
  TMarques compte = marquesvides;
  const auto marquechaine = [&](const TPoint& h, uint8_t bit) {
    TMarques m = marquesvides;
    marquepionschaine(plateaudepart, m, 0, h.ligne, h.colonne);
    for (int32_t j = 0; j < NBCASES; ++j)
      if (m[j]) carte[j] |= bit;
  };
  for (int32_t x = 1; x <= nbpoints(L); ++x)
    for (int32_t y = x + 1; y <= nbpoints(L); ++y) {
      const TPoint u{ligneliste(L, x), colonneliste(L, x)}, v{ligneliste(L, y), colonneliste(L, y)};
      if (!(bitspaire(r, c, u, v) & s.confirme)) continue;
      if (coupe[ix(u)] == s.couleur && coupe[ix(v)] == s.couleur) {
        TMarques m1 = marquesvides, m2 = marquesvides;
        metlachainelieen2coupatest1(coupe, m1, u.ligne, u.colonne);
        metlachaineliee(coupe, m2, u.ligne, u.colonne);
        if (m1[ix(v)] || m2[ix(v)]) continue;
      }
      if (sep.nbpaires >= MAXPAIRES) continue;
      sep.paires[sep.nbpaires][0] = u;
      sep.paires[sep.nbpaires][1] = v;
      ++sep.nbpaires;
      for (const TPoint& h : {u, v})
        if (!compte[ix(h)]) {
          compte[ix(h)] = 1;
          ++sep.b;
          marquechaine(h, 2);
        }
    }
  // Chains in danger.
  for (int32_t k = 0; k < sep.nbpaires; ++k)
    for (int32_t w = 0; w < 2; ++w) {
      const TPoint u = sep.paires[k][1 - w], v = sep.paires[k][w];
      if (carte[ix(v)] & 1) continue;
      bool danger = coupe[ix(v)] != s.couleur || testchangementmort(u, v, r, c, classes, classes2, forme);
      if (!danger && infochaine[ix(v)][0] <= 2)
        danger = testprise(coupe, v.ligne, v.colonne, PROFONDEURFRONT, LIMITEFRONT, o.couleur, pointko);
      if (!danger) continue;
      marquechaine(v, 1);
      ++sep.a;
    }
  // Relink count of the separated chains not in danger: the smallest over
  // their pairs; the divisor takes the largest, none when one is 0.
  relance = 0;
  bool zero = false;
  for (int32_t x = 1; x <= nbpoints(L); ++x) {
    const TPoint h{ligneliste(L, x), colonneliste(L, x)};
    if ((carte[ix(h)] & 3) != 2) continue;
    int32_t m = -1;
    for (int32_t k = 0; k < sep.nbpaires; ++k)
      for (int32_t w = 0; w < 2; ++w)
        if (ix(sep.paires[k][w]) == ix(h)) {
          const int32_t cnt = comptereliaisons(s.k, sep.paires[k][0], sep.paires[k][1], r, c);
          m = m < 0 ? cnt : mini(m, cnt);
        }
    if (m <= 0) zero = true;
    else relance = maxi(relance, m);
  }
  if (zero) relance = 0;
}

// Same-cut marking: the other candidate points q of side s (its stone alive
// after the move) whose move relinks every chain in danger to a partner it
// was separated from get bit 4 in the point's map.
void marquememecoupure(const Cote& s, int32_t r, int32_t c, const Separation& sep, TMarques& carte) {
  pourchaquecase([&](int32_t rq, int32_t cq, int32_t q) {
    if ((rq == r && cq == c) || !s.candidats[q]) return;
    const TEssaiCoup& e = s.essai(rq, cq);
    if (e.plateauessai2[q] || !(e.essaifait & ESSAIPAIRE)) return;
    int32_t compte = 0;
    TMarques vu = marquesvides;
    for (int32_t k = 0; k < sep.nbpaires; ++k)
      for (int32_t w = 0; w < 2; ++w) {
        const TPoint v = sep.paires[k][w], u = sep.paires[k][1 - w];
        if (!(carte[ix(v)] & 1) || vu[ix(v)]) continue;
        if (!(e.liensessai[ix(v)] & LIENPIERRES) || !(bitspaire(rq, cq, v, u) & s.paire)) continue;
        vu[ix(v)] = 1;
        ++compte;
      }
    if (compte == sep.a) carte[q] |= 4;
  });
}

// One twin: side s has the confirmed links, side o cuts.
void twin(int32_t ks, TPlateau& p, TCarte& valeurs, TListePoints& liste, const TCarte& scores,
          const TMarques& classes, const TMarques& classes2) {
  if (niveau <= 3) return;
  const Cote s = cote(ks), o = cote(1 - ks);
  // Board, chains and dead marks come back on leaving; the global marks start from the saved dead stones.
  Restaure<TPlateau> gardeplateau(p);
  Restaure<TInfoChaine> gardechaines(infochaine);
  Restaure<TMarques> gardemorts(pionsmorts);
  Restaure<TMarques> gardeglobales(marquesglobales);
  marquesglobales = pionsmortssauves;
  TListePoints locale;
  locale[0] = 0;
  // Each confirmed link of s at a point where o's trial stands.
  pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
    if (!s.candidats[i] || !o.candidats[i]) return;
    TEssaiCoup& es = s.essai(r, c);
    const TEssaiCoup& eo = o.essai(r, c);
    if (es.valeurcoupure <= 0 || !(es.essaifait & ESSAICONFIRME)) return;
    if (eo.plateauessai2[i] || eo.carte3essai[i] || !(eo.flagessai1 || (eo.marqueessai & 0xFF))) return;
    // The score's share.
    const int32_t T = scores[i] >= SEUILSCORE ? scores[i] / DIVISEURSCORE : 0;
    // The cut's map: a, the linked chains of s it separates; b, the others.
    TMarques& carte = cartescoupure[i];
    carte = marquesvides;
    Separation sep;
    marquecoupure(s, o, r, c, classes, classes2, ks == 0 ? 1 : 2, carte, sep, relances[i]);
    const int32_t a = sep.a, b = sep.b;
    // Something at stake: the balance of both replays and 20 per separated chain.
    if (!(a + b + T > 0 && (a != 0 || T != 0 || b > 1))) return;
    TMarques A = marquesvides, B = marquesvides;
    for (int32_t j = 0; j < NBCASES; ++j) {
      A[j] = (carte[j] & 1) ? 1 : 0;
      B[j] = (carte[j] & 3) == 2 ? 1 : 0;
    }
    int32_t n1 = a, n2 = 0;
    const int32_t bilan = rejouesijoueurajoue(p, A, B, ks, r, c, n1, n2);
    int32_t valeur = 10 * bilan + 20 * b;
    for (int32_t j = 0; j < NBCASES; ++j)
      if ((carte[j] & 3) && plateaudepart[j] == s.couleur && (es.liensessai[j] & COUPUREACCEPTEE)) valeur += 20;
    if (a + b + T <= 1) return;
    valeurs[i] = maxi(valeurs[i], valeur);
    if (a > 0) marquememecoupure(s, r, c, sep, carte);
    ajoutecaseliste(r, c, liste, CAPACITELISTECOUPS);
    flagcoupure = maxi(flagcoupure, valeur);
    ecritdebug(ks == 0 ? "nvlle coupure dangereuse de joueur sur ordi:" : "nvlle coupure dangereuse de ordi sur joueur:");
    es.liensessai[i] |= COUPUREACCEPTEE;
    ajoutecaseliste(r, c, locale, CAPACITECOUPURES);
  });
  // Damping and spreading, for the engine's links only.
  if (ks != 0 || flagcoupure <= 0) return;
  const auto acceptes = [&](auto&& f) {
    for (int32_t k = 1; k <= nbpoints(locale); ++k) {
      const int32_t r = ligneliste(locale, k), c = colonneliste(locale, k), i = ix(r, c);
      if (valeurs[i] > 0 && (s.essai(r, c).liensessai[i] & COUPUREACCEPTEE)) f(r, c, i);
    }
  };
  acceptes([&](int32_t, int32_t, int32_t i) {
    if (relances[i] > 0) valeurs[i] /= relances[i] + 1;
  });
  int32_t nouveaux = 0;
  acceptes([&](int32_t r, int32_t c, int32_t i) {
    const TEssaiCoup& ep = s.essai(r, c);
    pourchaquecase([&](int32_t rq, int32_t cq, int32_t q) {
      if (!(cartescoupure[i][q] & 4) || plateaudepart[q] != VIDE) return;
      valeurs[q] = maxi(valeurs[q], valeurs[i]);
      TEssaiCoup& eq = s.essai(rq, cq);
      if (!(eq.liensessai[q] & COUPUREACCEPTEE)) ++nouveaux;
      for (int32_t j = 0; j < NBCASES; ++j) eq.liensessai[j] |= ep.liensessai[j] & COUPUREACCEPTEE;
      ajoutecaseliste(rq, cq, liste, CAPACITELISTECOUPS);
    });
  });
  affichelistecoups(locale, nouveaux, "nvlle coupure dangereuse de joueur sur ordi:");
}

}  // namespace

int32_t testecoupuredangereuse(TPlateau& p, int32_t r, int32_t c, int32_t gainmoyo, int32_t mode, uint8_t coupeur,
                               uint8_t coupe, const TCartesFaibles& faibles, int32_t terme1, int32_t terme2) {
  const int32_t i = ix(r, c);
  // Only a chain of three liberties or more, away from the edge, not dead, from level 3.
  if (niveau < 3 || p[i] == VIDE) return 0;
  if (infochaine[i][1] == 1 || infochaine[i][0] < 3 || bordgoban[i] || pionsmorts[i]) return 0;
  // The best of the four sides' scores.
  const bool ordi = coupe == couleurordi;
  const Front f{p, r, c, mode, coupeur, coupe, ordi ? faibles.listefaibles : faibles.listesurvie,
                ordi ? faibles.lesfaibles : faibles.marquessurvie};
  int32_t brut = 0;
  for (int32_t k = 0; k < 4; ++k) brut = maxi(brut, f.score(k));
  // Less the moyo gain and the terms; nothing when they cover the score.
  const int32_t t = gainmoyo + terme1 + terme2;
  if (t < 1) return brut;
  if (brut < t) return 0;
  return brut - t;
}

void cherchecoupuresdangereuses(TPlateau& p, TCarte& valeurs, TListePoints& liste, uint8_t couleur,
                                uint8_t couleuradverse, const TCartesPression& cartes) {
  if (niveau <= 3) return;
  // M, the largest pressure sum, caps the values under it.
  int32_t M = 0;
  pourchaquecase([&](int32_t, int32_t, int32_t i) { M = maxi(M, cartes.a[i] + cartes.b[i]); });
  RestaurePosition essai(p);
  TListePoints locale;
  const auto passe = [&](const Cote& coupeur, const Cote& coupe, int32_t mode, const char* label) {
    locale[0] = 0;
    pourchaquecase([&](int32_t r, int32_t c, int32_t i) {
      // The cutter's trial stones that stay alive.
      if (!coupeur.candidats[i]) return;
      const TEssaiCoup& ec = coupeur.essai(r, c);
      if (ec.carte2essai[i]) return;
      chargeessai(p, ec);
      const int32_t t1 = cartes.terme1a[i] + cartes.terme1b[i], t2 = cartes.terme2a[i] + cartes.terme2b[i];
      const auto test = [&] {
        return testecoupuredangereuse(p, r, c, ec.gainmoyoordi, mode, coupeur.couleur, coupe.couleur,
                                      cartesfaibles(), t1, t2);
      };
      int32_t v = test();
      // Under strong pressure elsewhere, half of the largest.
      if (M > PLAFONDPRESSION && cartes.a[i] + cartes.b[i] < M) v = mini(v, M / 2);
      if (v <= 0) return;
      // A point the cut side can play too.
      if (coupe.candidats[i] && !coupe.essai(r, c).plateauessai2[i]) {
        valeurs[i] = maxi(valeurs[i], v);
        ajoutecaseliste(r, c, liste, CAPACITELISTECOUPS);
        ajoutecaseliste(r, c, locale, CAPACITECOUPURES);
        flagcoupure = maxi(flagcoupure, v);
      }
      // Neighbouring moves of the cut side that prevent the cut.
      TListePoints prises;
      pastable(r, c, [&](int32_t rn, int32_t cn) {
        const int32_t n = ix(rn, cn);
        if (!coupe.candidats[n] || valeurs[n] >= v) return false;
        const TEssaiCoup& en = coupe.essai(rn, cn);
        if (en.infochaineessai[n][0] <= 1 || en.plateauessai2[n]) return false;
        chargeessai(p, en);
        jouecoup(prises, CAPACITELISTE, p, r, c, coupeur.couleur, coupe.couleur);
        if (p[i] == coupeur.couleur && infochaine[i][0] > 1) demarquechaine(p, r, c);
        if (infochaine[i][0] != 1 && (p[i] == VIDE || test() == 0)) {
          valeurs[n] = v;
          ajoutecaseliste(rn, cn, liste, CAPACITELISTECOUPS);
          ajoutecaseliste(rn, cn, locale, CAPACITECOUPURES);
        }
        return false;
      });
    });
    affichelistecoups(locale, nbpoints(locale), label);
    // Position back for the next side.
    essai.restaure();
  };
  Cote ordi = cote(0), joueur = cote(1);
  ordi.couleur = couleur;
  joueur.couleur = couleuradverse;
  const int32_t modejoueur = strategie == 0 ? (flagattaque ? 0 : 1) : 3;
  const int32_t modeordi = strategie == 0 ? (flagattaque ? 3 : 2) : strategie == 1 ? 0 : 1;
  passe(joueur, ordi, modejoueur, "joueur peut faire coupure dangereuse: ");
  passe(ordi, joueur, modeordi, "ordi peut faire coupure dangereuse: ");
}

void nouvellecoupuredangereusejoueur(TPlateau& p, TCarte& valeurs, TListePoints& liste, const TCarte& scores,
                                     const TMarques& classes, const TMarques& classes2) {
  twin(0, p, valeurs, liste, scores, classes, classes2);
}

void nouvellecoupuredangereuseordi(TPlateau& p, TCarte& valeurs, TListePoints& liste, const TCarte& scores,
                                   const TMarques& classes, const TMarques& classes2) {
  twin(1, p, valeurs, liste, scores, classes, classes2);
}

int32_t rejouesijoueurajoue(TPlateau& p, const TMarques& A, const TMarques& B, int32_t k, int32_t r, int32_t c,
                            int32_t& compteur1, int32_t& compteur2) {
  Restaure<TPlateau> gardeplateau(p);
  Restaure<TInfoChaine> gardechaines(infochaine);
  Restaure<TMarques> gardemorts(pionsmorts);
  Restaure<TMarques> gardeglobales(marquesglobales);
  Restaure<TMarques> gardeavant(pionsmortsavant);
  Restaure<uint8_t> gardesauve(sauvepionsmorts);
  const Cote s = cote(k), o = cote(1 - k);
  TEssaiCoup& es = s.essai(r, c);
  TEssaiCoup& eo = o.essai(r, c);
  int32_t bilans[2] = {0, 0};
  for (int32_t x = 0; x < 2; ++x) {
    const TEssaiCoup& e = x == 0 ? es : eo;
    const TEssaiCoup& autre = x == 0 ? eo : es;
    const uint8_t joue = x == 0 ? s.couleur : o.couleur;
    // The side's trial with the stones of A dead.
    chargeessai(p, e);
    for (int32_t j = 0; j < NBCASES; ++j)
      if (A[j] && p[j] != VIDE) pionsmorts[j] = 1;
    const TMarques avant = pionsmorts;
    // Status and seki of the other side with s's global marks cleared; B's stones live again when asked.
    const TMarques globales = marquesglobales;
    for (int32_t j = 0; j < NBCASES; ++j)
      if (p[j] == s.couleur) marquesglobales[j] = 0;
    detectetatplateau(o.couleur, p);
    int32_t seki = 0;
    const TMarques morts = pionsmorts;
    detectseki(seki, morts, p, 0);
    marquesglobales = globales;
    if (compteur1 > 0)
      for (int32_t j = 0; j < NBCASES; ++j)
        if (B[j]) pionsmorts[j] = 0;
    // Stones of the other side newly dead: the cut is accepted there.
    const uint8_t autrecote = ::autre(joue);  // the local `autre` is a trial record
    for (int32_t j = 0; j < NBCASES; ++j)
      if (p[j] == autrecote && pionsmorts[j] && !avant[j] && !autre.plateauessai2[j]) {
        es.liensessai[j] |= COUPUREACCEPTEE;
        eo.liensessai[j] |= COUPUREACCEPTEE;
        ++compteur2;
      }
    // The side's balance on the estimate.
    int32_t blancs = 0, noirs = 0;
    estimation1.fill(0);
    estimation2.fill(0);
    estimeterritoire(estimation1, estimation2, joue, paramniveaue, blancs, noirs, p, 0);
    affichecartefamille(estimation1, joue == couleurordi ? "si ordi a joue" : "si joueur a joue");
    bilans[x] = s.couleur == NOIR ? noirs - blancs : blancs - noirs;
  }
  // Balance after s's move less balance after o's.
  return bilans[0] - bilans[1];
}

bool testchangementmort(const TPoint& u, const TPoint& v, int32_t r, int32_t c, const TMarques& classes,
                        const TMarques& classes2, int32_t forme) {
  const bool premiere = forme == 1;
  const TMarques& masque = premiere ? pionsmortsbis : carteattaque;
  const Cote s = cote(premiere ? 0 : 1), o = cote(premiere ? 1 : 0);
  const TEssaiCoup& coupeur = o.essai(r, c);
  const TEssaiCoup& coupe = s.essai(r, c);
  const int32_t iu = ix(u), iv = ix(v);
  if (masque[iv] && !masque[iu]) return true;
  if (coupeur.carte2essai[iv] && !masque[iu] && !(s.essai(u).marquesessai[iu] & 8)) return true;
  if (classes[iv] == 4 && classes[iu] == 0) return true;
  if (coupe.carte2essai[iu] || coupe.carte2essai[iv]) return false;
  if (coupeur.carte2essai[iv]) return true;
  return classes[iu] == 4 && classes[iv] == 4 && classes2[iv] == 4 && classes2[iu] == 0;
}

int32_t comptereliaisons(int32_t k, const TPoint& a, const TPoint& b, int32_t r, int32_t c) {
  const Cote s = cote(k);
  int32_t n = 0;
  pourchaquecase([&](int32_t rf, int32_t cf, int32_t f) {
    if ((rf == r && cf == c) || !s.candidats[f]) return;
    if ((s.essai(rf, cf).essaifait & ESSAIPAIRE) && (bitspaire(rf, cf, a, b) & s.paire)) ++n;
  });
  return n;
}
