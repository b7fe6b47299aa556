// Game tree of a loaded record: nodes `TArbre`, each owning its data
// `TDonnees` (move, setup stones, comments, marks, game information).
// The main line is the chain of first children; later children are the
// variations at that place.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/coups.h"
#include "engine/board/types.h"

// Node kinds (`nature`).
constexpr uint8_t NOEUDRACINE = 0;     // top node of a loaded file
constexpr uint8_t NOEUDNOIR = 1;       // black move
constexpr uint8_t NOEUDBLANC = 2;      // white move
constexpr uint8_t NOEUDPOSE = 3;       // setup stones
constexpr uint8_t NOEUDPARTIE = 4;     // game root, carries the game information
constexpr uint8_t NOEUDDIAGRAMME = 5;  // Ishi diagram
constexpr uint8_t NOEUDNONTYPE = 6;    // SGF node no property has typed yet
constexpr uint8_t NOEUDPROBLEME = 9;   // problem of a collection

// Game information, one text per field but the board size.
struct TGameInfo {
  std::string annotateur;
  std::string joueurnoir;
  int32_t taille = 0;
  std::string date;
  std::string handicap;
  std::string komi;
  std::string lieu;
  std::string rangnoir;
  std::string rangblanc;
  std::string utilisateur;
  std::string resultat;
  std::string regles;
  std::string source;
  std::string temps;
  std::string joueurblanc;
  std::string nompartie;
  std::string application;
  std::string copyright;
};

class TProbleme;  // records/recueil.h

// What one node holds.
class TDonnees {
 public:
  TDonnees();
  ~TDonnees();
  TDonnees(const TDonnees&) = delete;
  TDonnees& operator=(const TDonnees&) = delete;

  TGameInfo infopartie;                         // filled on game roots
  std::vector<std::string> remarques;           // Ishi REMARK lines
  std::vector<std::string> commentaires;        // one line per entry
  std::vector<std::string> lignesutilisateur;   // Ishi USER block
  std::vector<std::string> lignesmarques;       // Ishi MARK lines, turned into marks by the replay
  uint8_t nature = NOEUDRACINE;
  int32_t numcoup = 0;
  TCoups coup;                                  // colour 1 black, 0 white; row or column 0: pass
  TCoupsListe poses;     // setup as read (0, 1, 2); after the replay the points it changed
  TCoupsListe anciens;   // after the replay: former content of the points the setup emptied
  TCoupsListe prises;    // after the replay: stones the move captured, with their colour
  std::vector<TCoupsMarque> marques;            // marks and labels
  std::string evenement;                        // Ishi EVENT text
  uint8_t libre = 2;                            // kept for the record's layout, read by nobody
  uint8_t couleurprise = 0;                     // colour captured by the move, when it captured
  std::unique_ptr<TProbleme> probleme;          // problem nodes only
  uint8_t tesuji = 0;                           // SGF TE
  uint8_t mauvaiscoup = 0;                      // SGF BM
};

// One node. Owns its data, its first child and its next sibling; the
// destruction of the top node frees the whole tree without recursion.
class TArbre {
 public:
  TArbre();
  ~TArbre();
  TArbre(const TArbre&) = delete;
  TArbre& operator=(const TArbre&) = delete;

  std::unique_ptr<TDonnees> donnees;
  int32_t profondeur = 0;
  int32_t numero = 0;
  TArbre* pere = nullptr;
  std::unique_ptr<TArbre> premierfils;
  std::unique_ptr<TArbre> frere;
};

// Appends a new node as the last child of `pere` and returns it.
TArbre* ajoutearbre(TArbre& pere);
// Takes the node out of the tree, its children in its place among its
// siblings, and destroys it. Returns its former first child (or null).
// A node without parent is left alone (null).
TArbre* detachearbre(TArbre* noeud);
// Depth and move numbers of the node, its main line and, from the end of
// that line back, every later sibling that is not a game root.
void renumerotearbre(TArbre* noeud);
void renumerotearbre2(TArbre* noeud);
// Appends a mark of kind `genre` at the point.
void ajoutecoupdonnees(TDonnees& d, int32_t ligne, int32_t colonne, uint8_t genre);
// Appends a label with the text at the point.
void ajoutemarquedonnees(TDonnees& d, int32_t ligne, int32_t colonne, const std::string& texte);
// Setup replay: puts `poses` on the board, removes chains left without a
// liberty, then records in `poses` every changed point with its new content
// and in `anciens` the former content of every point it emptied.
void rejouedonnees(TDonnees& d, TPlateau& plateau, int32_t taille);
void litcoup(const TCoups& coup, int32_t& ligne, int32_t& colonne, uint8_t& couleur);
void ecritcoup(int32_t ligne, int32_t colonne, uint8_t couleur, TCoups& coup);

// The walk every line-by-line routine of the tree follows, without
// recursion: `entre` at each node of the line from `depart` through first
// children; then, climbing back from the line's end, `sort` at each node and,
// when that node has a next sibling that is not a game root, the same walk
// from that sibling. `entre` returns false to end the whole walk at once;
// it may change the node's children (the walk then takes the new first child).
template <class Entre, class Sort>
void parcourslignes(TArbre* depart, Entre&& entre, Sort&& sort) {
  if (!depart) return;
  TArbre* n = depart;
  int32_t niveau = 0;  // first-child steps below the level of `depart`
  if (!entre(*n)) return;
  for (;;) {
    if (n->premierfils) {
      n = n->premierfils.get();
      ++niveau;
      if (!entre(*n)) return;
      continue;
    }
    for (;;) {
      sort(*n);
      TArbre* s = n->frere.get();
      if (s && s->donnees->nature != NOEUDPARTIE) {
        n = s;
        if (!entre(*n)) return;
        break;
      }
      if (niveau == 0) return;
      n = n->pere;
      --niveau;
    }
  }
}
