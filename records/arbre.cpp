#include "records/arbre.h"

#include "engine/board/parcours.h"
#include "records/recueil.h"

TDonnees::TDonnees() = default;
TDonnees::~TDonnees() = default;

TArbre::TArbre() : donnees(std::make_unique<TDonnees>()) {}

TArbre::~TArbre() {
  // Frees the subtree and the later siblings from a list of detached nodes,
  // so a line of thousands of moves needs no deep stack.
  std::vector<TArbre*> pile;
  if (premierfils) pile.push_back(premierfils.release());
  if (frere) pile.push_back(frere.release());
  while (!pile.empty()) {
    TArbre* n = pile.back();
    pile.pop_back();
    if (n->premierfils) pile.push_back(n->premierfils.release());
    if (n->frere) pile.push_back(n->frere.release());
    delete n;
  }
}

TArbre* ajoutearbre(TArbre& pere) {
  auto nouveau = std::make_unique<TArbre>();
  TArbre* n = nouveau.get();
  n->pere = &pere;
  n->profondeur = pere.profondeur + 1;
  if (!pere.premierfils) {
    n->numero = pere.numero;
    pere.premierfils = std::move(nouveau);
    return n;
  }
  TArbre* dernier = pere.premierfils.get();
  while (dernier->frere) dernier = dernier->frere.get();
  n->numero = dernier->numero + 1;
  dernier->frere = std::move(nouveau);
  return n;
}

TArbre* detachearbre(TArbre* noeud) {
  if (!noeud || !noeud->pere) return nullptr;
  TArbre* pere = noeud->pere;
  // The owner of the node: the parent's first-child link or the previous
  // sibling's link.
  std::unique_ptr<TArbre>* lien = &pere->premierfils;
  while (lien->get() != noeud) lien = &(*lien)->frere;
  std::unique_ptr<TArbre> retire = std::move(*lien);
  std::unique_ptr<TArbre> suite = std::move(retire->frere);
  std::unique_ptr<TArbre> enfants = std::move(retire->premierfils);
  TArbre* premier = enfants.get();
  if (enfants) {
    TArbre* dernier = enfants.get();
    for (TArbre* e = dernier; e; e = e->frere.get()) {
      e->pere = pere;
      dernier = e;
    }
    dernier->frere = std::move(suite);
    *lien = std::move(enfants);
  } else {
    *lien = std::move(suite);
  }
  retire->pere = nullptr;
  return premier;
}

void renumerotearbre(TArbre* noeud) {
  parcourslignes(
      noeud,
      [](TArbre& n) {
        TDonnees& d = *n.donnees;
        if (d.nature == NOEUDPARTIE || (n.pere && n.pere->donnees->nature == NOEUDRACINE)) {
          n.profondeur = 1;
          d.numcoup = d.nature == NOEUDPROBLEME ? 1 : 0;
        } else if (!n.pere) {
          n.profondeur = 0;
          d.numcoup = 0;
        } else {
          n.profondeur = n.pere->profondeur + 1;
          d.numcoup = n.pere->donnees->numcoup + 1;
        }
        return true;
      },
      [](TArbre&) {});
}

void renumerotearbre2(TArbre* noeud) { renumerotearbre(noeud); }

void ajoutecoupdonnees(TDonnees& d, int32_t ligne, int32_t colonne, uint8_t genre) {
  TCoupsMarque m;
  m.ligne = ligne;
  m.colonne = colonne;
  m.genre = genre;
  d.marques.push_back(std::move(m));
}

void ajoutemarquedonnees(TDonnees& d, int32_t ligne, int32_t colonne, const std::string& texte) {
  TCoupsMarque m;
  m.ligne = ligne;
  m.colonne = colonne;
  m.libelle = texte;
  d.marques.push_back(std::move(m));
}

void rejouedonnees(TDonnees& d, TPlateau& plateau, int32_t taille) {
  // Put the stones as read.
  if (d.poses.Count() == 0) return;
  if (taille > TAILLEMAX) taille = TAILLEMAX;
  const TPlateau avant = plateau;
  for (int i = 0; i < d.poses.Count(); ++i) {
    const TCoups& c = *d.poses.Coup(i);
    if (c.ligne >= 1 && c.ligne <= taille && c.colonne >= 1 && c.colonne <= taille && c.couleur <= VIDE)
      plateau[indexcase(c.ligne, c.colonne)] = c.couleur;
  }
  // The stones put are used up.
  d.poses.Clear();
  // Chains without a liberty go, taken row by row.
  for (int32_t l = 1; l <= taille; ++l)
    for (int32_t c = 1; c <= taille; ++c) {
      if (plateau[indexcase(l, c)] == VIDE) continue;
      TMarques vu{};
      TListePoints chaine{};
      if (chainealiberte(plateau, taille, &chaine, MAXPOINTSLISTE, l, c, vu)) continue;
      for (int32_t k = 1; k <= nbpoints(chaine); ++k)
        plateau[indexcase(ligneliste(chaine, k), colonneliste(chaine, k))] = VIDE;
    }
  // What changed, and what the emptied points held.
  for (int32_t l = 1; l <= taille; ++l)
    for (int32_t c = 1; c <= taille; ++c) {
      const int i = indexcase(l, c);
      if (plateau[i] == avant[i]) continue;
      d.poses.AjouteCoup(l, c, plateau[i]);
      if (plateau[i] == VIDE) d.anciens.AjouteCoup(l, c, avant[i]);
    }
}

void litcoup(const TCoups& coup, int32_t& ligne, int32_t& colonne, uint8_t& couleur) {
  ligne = coup.ligne;
  colonne = coup.colonne;
  couleur = coup.couleur;
}

void ecritcoup(int32_t ligne, int32_t colonne, uint8_t couleur, TCoups& coup) {
  coup.ligne = ligne;
  coup.colonne = colonne;
  coup.couleur = couleur;
}
