// Invasion searches `lancelecturerecu4` and `lancelecturerecu5` on the node
// of the propagation reading.
#include "engine/reading/propagationinvasion.h"

#include <algorithm>
#include <vector>

#include "engine/board/autoatari.h"
#include "engine/board/pas.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/propagation.h"
#include "engine/reading/propagation_noeud.h"

namespace {

constexpr uint8_t MARQUEETABLIE = 8;  // M: an established stone of the owner

int32_t ipt(TPoint q) { return indexcase(q.ligne, q.colonne); }

// One invasion search: `faibles` is the weak-liberty list L of the second
// form (nullptr for the first).
class TInvasionPropagation : public TNoeudPropagation {
 public:
  TInvasionPropagation(uint8_t chaineavant, uint8_t cc, uint8_t oo, TPlateau& pp, TPoint cib, int32_t s,
                       int32_t plafond, const TListePoints* faibles)
      : TNoeudPropagation(chaineavant, cc, oo, pp, cib, s, plafond),
        faibles_(faibles),
        leves_(static_cast<size_t>(t.plis) + 2, 0) {
    marquesetablies();
  }

  // Lifted-chain bits B(p).
  uint32_t& leves(int32_t pli) { return leves_[static_cast<size_t>(std::clamp(pli, 0, t.plis + 1))]; }

 protected:
  bool coupeentree(int32_t pli, uint8_t f) const override { return f == 0 && pli >= 4 && pli >= d - 2; }
  bool koproprio(int32_t) const override { return true; }
  bool passesanscles(int32_t) const override { return false; }
  bool candidats(int32_t pli, uint8_t s, uint8_t f, TNoeudLecture& n, TPoint ko, uint32_t& cle) override;
  uint8_t entreechaine(int32_t im, const TNoeudLecture& n, uint8_t f) override;
  void avantretrait(TNoeudLecture& n, TPoint m, TPoint ko) override;
  bool finparprise(const TNoeudLecture& n) const override;
  int32_t evalue(int32_t pli, uint8_t gain) const override;
  bool bornepermise(uint8_t f) const override { return f == 1; }
  int32_t borne(int32_t pli) const override;
  void apresproprio(int32_t pli, TNoeudLecture& n, TPoint ko) override;

 private:
  // Marks 8 the owner's stones that stood there before the move and are not written off.
  void marquesetablies();
  // Credit of an established stone taken off the board: 4 on the owner's territory, else 2.
  int32_t valeuretablie(int32_t i) const { return territoire[i] == o ? 4 : 2; }
  // Line value of the second form, from w.
  void evalueliste(int32_t& w, int32_t plis, bool gainvides, bool partielle) const;
  // The connected stones of q's colour from q into z.
  void pierresreliees(TListePoints& z, TMarques& vu, TPoint q) const;

  const TListePoints* faibles_;
  std::vector<uint32_t> leves_;
  mutable std::vector<TPoint> pile_;  // scratch stack of pierresreliees
  TListePoints trois_{};  // owner stones of 3 liberties noted at a node, then their liberties
};

void TInvasionPropagation::marquesetablies() {
  const int32_t n = taillemoteur();
  const TMarques& ecartes = o == couleurordi ? pionsmortsbis : carteattaque;
  for (int32_t r2 = 1; r2 <= n; ++r2)
    for (int32_t c2 = 1; c2 <= n; ++c2) {
      const int32_t i = indexcase(r2, c2);
      if (p[i] == o && plateaudepart[i] == o && ecartes[i] == 0) marques[i] = MARQUEETABLIE;
    }
}

bool TInvasionPropagation::candidats(int32_t pli, uint8_t s, uint8_t f, TNoeudLecture& n, TPoint ko, uint32_t& cle) {
  if (s == o) {
    leves(pli) = 0;
    leves(pli + 1) = 0;
    if (pli == 1 && chaineavant) return false;
  }
  // Around the seed list.
  graines.tronque(s == c ? pli / 2 : pli / 2 + 1);
  trois_[0] = 0;
  for (int32_t i = 1; i <= graines.nombre(); ++i) {
    const TPoint g = graines[i];
    if (!reel(g)) continue;
    const int32_t j = ipt(g);
    // Empty neighbours; owner chains of 3 liberties noted past D - 2.
    pastable(g.ligne, g.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t k = indexcase(r2, c2);
      if (n.masque[k]) return false;
      if (p[k] == VIDE) {
        n.masque[k] = MASQUELISTE;
        empilepoint(n.liste, CAPACITELECTURE, r2, c2);
      } else if (pli > d - 2 && p[k] == o && infochaine[k][0] == 3) {
        empilepoint(trois_, CAPACITELECTURE, r2, c2);
      }
      return false;
    });
    const bool pierre = p[j] != VIDE;
    if (pli >= d - 2) {
      // Near the depth limit: atari answers.
      if (!pierre) continue;
      if (infochaine[j][0] <= 2) libertesetatari2(p, n.liste, CAPACITELECTURE, 0, g.ligne, g.colonne, n.masque);
      else atarichainesvoisines(p, n.liste, CAPACITELECTURE, 0, g.ligne, g.colonne, n.masque);
    } else if (faibles_ == nullptr && i == 1 && pli >= 4 && f == 0) {
      // A line still outside the territory needs weak chains around the target.
      uint8_t drapeau = 0;
      if (pierre) {
        if (infochaine[j][0] <= 2)
          libertesetfaiblesdrapeau(p, n.liste, CAPACITELECTURE, drapeau, 0, g.ligne, g.colonne, n.masque);
        else
          libertesennemisfaibles(p, n.liste, CAPACITELECTURE, drapeau, 0, g.ligne, g.colonne, n.masque);
      }
      if (!pierre || drapeau == 0) {
        r = 0;
        return true;
      }
    } else if (pierre && !n.masque[j]) {
      // Liberties through weak chains.
      if (infochaine[j][0] <= 2) libertesetfaibles(p, n.liste, CAPACITELECTURE, 0, g.ligne, g.colonne, n.masque);
      else libertesetvoisinsfaibles(p, n.liste, CAPACITELECTURE, 0, g.ligne, g.colonne, n.masque);
    }
  }
  // The target's neighbours.
  if (s == c) {
    if (pli < x) {
      int32_t credit = 0;
      chainesfaiblescible(pli, n, ko, cle, true, [&](int32_t k, TPoint q) {
        const int32_t j = ipt(q);
        if (infochaine[j][0] == 2 &&
            (marques[j] == MARQUEETABLIE ||
             (nbpionschaine(p, q.ligne, q.colonne) > 1 && voisincouleurtable(marques, MARQUEETABLIE, q.ligne, q.colonne))))
          leves(pli) |= 1u << k;
        // The established stones of the lifted chain.
        TMarques chaine = marquesvides;
        marchechaine(p, chaine, p[j], 0, q.ligne, q.colonne, RegleChaine{.entre = [&](int32_t i, int32_t, int32_t) {
                       if (marques[i] == MARQUEETABLIE) credit += valeuretablie(i);
                     }});
      });
      v += credit;
    }
  } else if (pli < x - 1) {
    libertesvoisinscible(pli, n);
  }
  // Liberties of the noted 3-liberty chains that two weak owner neighbours share.
  const int32_t notes = nbpoints(trois_);
  for (int32_t q = 1; q <= notes; ++q) {
    const TPoint pt = pointliste(trois_, q);
    if (n.masque[ipt(pt)]) continue;
    const int32_t avant = nbpoints(trois_);
    libertesdelachaine(p, trois_, CAPACITELECTURE, 0, pt.ligne, pt.colonne, n.masque);
    for (int32_t k = avant + 1; k <= nbpoints(trois_); ++k) {
      const TPoint lib = pointliste(trois_, k);
      if (compteatarivoisins(p, o, lib.ligne, lib.colonne)) empilepoint(n.liste, CAPACITELECTURE, lib.ligne, lib.colonne);
      else n.masque[ipt(lib)] = 0;
    }
  }
  return false;
}

uint8_t TInvasionPropagation::entreechaine(int32_t im, const TNoeudLecture& n, uint8_t f) {
  const bool prises = nbpoints(n.prises) > 0;
  const uint8_t mk = marques[im];
  if (mk == 1 || mk == 2 || (mk == MARQUEETABLIE && prises)) f = 1;
  for (int32_t k = 1; k <= nbpoints(n.prises); ++k) {
    const int32_t i = ipt(pointliste(n.prises, k));
    if (marques[i] == MARQUEETABLIE) v += valeuretablie(i);
  }
  return f;
}

void TInvasionPropagation::avantretrait(TNoeudLecture& n, TPoint m, TPoint ko) {
  if (infochaine[ipt(m)][0] == 2 && nbpionschaine(p, m.ligne, m.colonne) > 1 &&
      voisincouleurtable(marques, MARQUEETABLIE, m.ligne, m.colonne))
    ajoutecandidatsfaibles(p, n.liste, CAPACITELECTURE, m.ligne, m.colonne, ko, n.masque);
}

bool TInvasionPropagation::finparprise(const TNoeudLecture& n) const {
  if (faibles_ == nullptr) return TNoeudPropagation::finparprise(n);
  if (nbpoints(n.prises) == 0) return false;
  for (int32_t k = 1; k <= nbpoints(*faibles_); ++k)
    if (p[ipt(pointliste(*faibles_, k))] == c) return false;
  return true;
}

int32_t TInvasionPropagation::evalue(int32_t pli, uint8_t gain) const {
  if (faibles_ == nullptr) return TNoeudPropagation::evalue(pli, gain);
  int32_t w = v;
  evalueliste(w, pli, gain == 1, false);
  return w;
}

int32_t TInvasionPropagation::borne(int32_t pli) const {
  int32_t b = v;
  if (faibles_ == nullptr) evaluelecturepartielle(marques, p, t.ligne.data(), b, pli, d, cible.ligne, cible.colonne, c);
  else evalueliste(b, pli, true, true);
  return b;
}

void TInvasionPropagation::apresproprio(int32_t pli, TNoeudLecture& n, TPoint ko) {
  const uint32_t enfant = leves(pli + 1);
  if (r <= 0 || enfant == 0) return;
  uint32_t& ici = leves(pli);
  int32_t k = 0;
  pastable(cible.ligne, cible.colonne, [&](int32_t r2, int32_t c2) {
    const uint32_t bit = 1u << ++k;
    if (p[indexcase(r2, c2)] == o && (enfant & bit) && !(ici & bit)) {
      ici |= bit;
      ajoutecandidatsfaibles(p, n.liste, CAPACITELECTURE, r2, c2, ko, n.masque);
    }
    return false;
  });
}

void TInvasionPropagation::pierresreliees(TListePoints& z, TMarques& vu, TPoint q) const {
  const uint8_t k = p[ipt(q)];
  const uint8_t autre = static_cast<uint8_t>(1 - k);
  const TMarques& drapeaux = k == couleurordi ? listefaibles : listesurvie;
  const int32_t avant = nbpoints(z);
  bool faible = false;
  std::vector<TPoint>& pile = pile_;
  pile.clear();
  pile.push_back(q);
  vu[ipt(q)] = 1;
  const auto prend = [&](int32_t r2, int32_t c2) {
    const int32_t i = indexcase(r2, c2);
    if (vu[i] || p[i] != k) return;
    vu[i] = 1;
    pile.push_back(TPoint{r2, c2});
  };
  while (!pile.empty()) {
    const TPoint s = pile.back();
    pile.pop_back();
    empilepoint(z, NBCASES, s.ligne, s.colonne);
    if (drapeaux[ipt(s)] == 1) faible = true;
    pas4(s.ligne, s.colonne, ORDREMARCHE, [&](int32_t r2, int32_t c2) {
      prend(r2, c2);
      return false;
    });
    pas4(s.ligne, s.colonne, ORDREDIAGONAL, [&](int32_t r2, int32_t c2) {
      // Through the two crossing points: both empty, or one empty where the
      // other colour would stand in self-atari (asked only of a new stone).
      const int32_t i = indexcase(r2, c2);
      if (vu[i] || p[i] != k) return false;
      const bool va = p[indexcase(r2, s.colonne)] == VIDE;
      const bool vb = p[indexcase(s.ligne, c2)] == VIDE;
      if ((va && vb) || (va && testautoatari(p, autre, r2, s.colonne)) ||
          (vb && testautoatari(p, autre, s.ligne, c2)))
        prend(r2, c2);
      return false;
    });
  }
  if (faible) z[0] = avant;
}

void TInvasionPropagation::evalueliste(int32_t& w, int32_t plis, bool gainvides, bool partielle) const {
  if (plis < 2) return;
  // The stone set Z from the points of L that hold c.
  TListePoints z;
  z[0] = 0;
  TMarques vu = marquesvides;
  for (int32_t k = 1; k <= nbpoints(*faibles_); ++k) {
    const TPoint q = pointliste(*faibles_, k);
    if (p[ipt(q)] == c && !vu[ipt(q)]) pierresreliees(z, vu, q);
  }
  if (nbpoints(z) == 0) return;
  TMarques y = marquesvides;
  for (int32_t k = 1; k <= nbpoints(z); ++k) y[ipt(pointliste(z, k))] = 1;
  // The chain side's moves.
  int32_t q = 0;
  bool casse = false;
  for (int32_t i = 2; i <= plis; i += 2) {
    const TPoint mv = t.ligne[static_cast<size_t>(i)];
    if (!reel(mv)) continue;
    const int32_t j = ipt(mv);
    if (!y[j]) {
      casse = true;
      continue;
    }
    if (marques[j] != 0) ++w;
    pastable(mv.ligne, mv.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t k = indexcase(r2, c2);
      if (y[k] == 0 && (marques[k] == 1 || marques[k] == 2) && p[k] != c) {
        y[k] = 1;
        if (gainvides && p[k] == VIDE) ++q;
      }
      return false;
    });
  }
  if (q > 0) {
    if (partielle) {
      const int32_t h = (d - plis) / 2;
      w += h < q ? h + 1 : q;
    } else {
      w += q < 6 ? 1 : std::min(q / 2 - 1, 3);
    }
  }
  // The owner's moves from ply 3.
  if (w <= 0 || plis < 3) return;
  for (int32_t i = 3; i <= plis; i += 2) {
    const TPoint mv = t.ligne[static_cast<size_t>(i)];
    if (!reel(mv)) continue;
    const int32_t j = ipt(mv);
    if (casse ? y[j] != 0 : (marques[j] == 1 || marques[j] == 2)) ++w;
  }
}

}  // namespace

int32_t lancelecturerecu4(uint8_t chaineavant, uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne,
                          int32_t seuil, int32_t plafond) {
  if (niveau < 5) return lecturetactique(chaineavant, c, o, p, ligne, colonne, seuil, plafond);
  if (p[indexcase(ligne, colonne)] != c) return lancelecturerecu1(chaineavant, c, o, p, ligne, colonne);
  TInvasionPropagation l(chaineavant, c, o, p, TPoint{ligne, colonne}, seuil, plafond, nullptr);
  l.lecturerecu2(1, o, c, 0, 0, pointko);
  l.termine();
  return l.r;
}

int32_t lancelecturerecu5(uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne, int32_t seuil,
                          int32_t plafond) {
  // L: the point, then the liberties of the weak owner chains next to it.
  TListePoints faibles{};
  empilepoint(faibles, CAPACITELISTEFAIBLES, ligne, colonne);
  TMarques vu = marquesvides;
  vu[indexcase(ligne, colonne)] = 1;
  pastable(ligne, colonne, [&](int32_t r2, int32_t c2) {
    const int32_t j = indexcase(r2, c2);
    if (p[j] == o && infochaine[j][0] <= 2) libertesdelachaine(p, faibles, CAPACITELISTEFAIBLES, 0, r2, c2, vu);
    return false;
  });
  // A single weak chain is not read.
  if (nbpoints(faibles) == 1) return 0;
  // The marks, and L's points opened to the reading.
  TInvasionPropagation l(0, c, o, p, TPoint{ligne, colonne}, seuil, plafond, &faibles);
  for (int32_t k = 1; k <= nbpoints(faibles); ++k) {
    const TPoint q = pointliste(faibles, k);
    bool ouvert = false;
    pastable(q.ligne, q.colonne, [&](int32_t r2, int32_t c2) {
      const int32_t j = indexcase(r2, c2);
      if (p[j] == VIDE && l.marques[j] != 0) {
        l.marques[j] = 1;
        ouvert = true;
      }
      return false;
    });
    if (ouvert) l.marques[ipt(q)] = 1;
  }
  // The reading from the root.
  l.lecturerecu2(1, o, c, 0, 0, pointko);
  l.termine();
  return l.r;
}
