#include "records/rejeu.h"

#include <utility>
#include <vector>

#include "records/outils.h"

void rejouearbre(TArbre* depart, const TRejeu& regle) {
  const int32_t taille = regle.taille < TAILLEMAX ? regle.taille : TAILLEMAX;
  TPlateau plateau = plateauvide();
  // Per node on the way down, the points it changed with their former
  // content: undoing puts them back, whatever the node did.
  std::vector<std::vector<std::pair<int, uint8_t>>> defaire;
  bool fini = false;
  parcourslignes(
      depart,
      [&](TArbre& n) {
        if (fini) return false;
        TDonnees& d = *n.donnees;
        const TPlateau avant = plateau;
        const bool coup = d.nature == NOEUDNOIR || d.nature == NOEUDBLANC;
        if (coup) {
          if (n.pere) {
            d.numcoup = n.pere->donnees->numcoup + 1;
            n.profondeur = n.pere->profondeur + 1;
          }
          const int32_t l = d.coup.ligne, c = d.coup.colonne;
          if (l != 0 && c != 0) {
            const uint8_t x = d.coup.couleur == NOIR ? NOIR : BLANC;
            const bool occupe = l >= 1 && l <= taille && c >= 1 && c <= taille && plateau[indexcase(l, c)] != VIDE;
            TListePoints prises{};
            jouecoupplateau(prises, MAXPOINTSLISTE, plateau, taille, 1 - x, x, c, l);
            const bool joue = l >= 1 && l <= taille && c >= 1 && c <= taille && plateau[indexcase(l, c)] == x &&
                              avant[indexcase(l, c)] == VIDE;
            if (!joue) {
              if (regle.coupillegal && !regle.coupillegal(n, occupe)) fini = true;
            } else if (nbpoints(prises) > 0) {
              d.prises.Clear();
              for (int32_t k = 1; k <= nbpoints(prises); ++k)
                d.prises.AjouteCoup(ligneliste(prises, k), colonneliste(prises, k), static_cast<uint8_t>(1 - x));
              d.couleurprise = static_cast<uint8_t>(1 - x);
            }
          }
        } else {
          if (regle.numerotetous) d.numcoup = n.pere ? n.pere->donnees->numcoup : 0;
          if (d.nature == NOEUDPOSE) rejouedonnees(d, plateau, taille);
        }
        std::vector<std::pair<int, uint8_t>> changes;
        for (int i = 0; i < NBCASES; ++i)
          if (plateau[i] != avant[i]) changes.emplace_back(i, avant[i]);
        defaire.push_back(std::move(changes));
        if (fini) return false;
        if (regle.noeudatteint) regle.noeudatteint(n, plateau);
        return true;
      },
      [&](TArbre&) {
        for (const auto& [i, v] : defaire.back()) plateau[i] = v;
        defaire.pop_back();
      });
}
