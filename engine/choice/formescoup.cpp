#include "engine/choice/formescoup.h"

#include "engine/board/geometrie.h"
#include "engine/board/pas.h"
#include "engine/chains/yeux.h"

namespace {

// One orientation k of the patterns around the move: offsets (a, b) from it
// turned by `symetrie`; a point off the board fails every test.
struct Orientation {
  const TPlateau& p;
  int32_t ligne, colonne, k;
  uint8_t c, e;

  int32_t point(int32_t a, int32_t b) const {
    int32_t l = 0, co = 0;
    symetrie(ligne, colonne, a, b, k, l, co);
    return l == 0 ? -1 : indexcase(l, co);
  }
  bool vide(int32_t a, int32_t b) const {
    const int32_t i = point(a, b);
    return i >= 0 && p[i] == VIDE;
  }
  bool ennemi(int32_t a, int32_t b) const {
    const int32_t i = point(a, b);
    return i >= 0 && p[i] == e;
  }
  bool ami(int32_t a, int32_t b) const {
    const int32_t i = point(a, b);
    return i >= 0 && p[i] == c;
  }
  bool pasami(int32_t a, int32_t b) const {
    const int32_t i = point(a, b);
    return i >= 0 && p[i] != c;
  }
  // Holds e in a chain of at least `libertes` liberties.
  bool ennemilibre(int32_t a, int32_t b, int32_t libertes) const {
    const int32_t i = point(a, b);
    return i >= 0 && p[i] == e && infochaine[i][0] >= libertes;
  }
};

bool motifpoint1a(const Orientation& o) {
  return o.ennemilibre(2, 1, 2) && o.ennemilibre(0, 2, 2) && o.vide(1, 1) && o.vide(1, 0) && o.vide(1, 2) &&
         o.pasami(2, 0) && o.pasami(0, 1) && o.pasami(2, 2);
}
bool motifpoint1b(const Orientation& o) {
  return o.ennemilibre(2, -1, 2) && o.ennemilibre(2, 1, 2) && o.vide(1, 0) && o.vide(1, -1) && o.vide(1, 1) &&
         o.pasami(0, -1) && o.pasami(0, 1) && o.pasami(2, 0);
}
bool motifpoint2(const Orientation& o) {
  return o.ennemilibre(2, 0, 2) && o.ennemilibre(2, 1, 2) && o.ennemilibre(0, 2, 2) && o.ennemilibre(1, 2, 2) &&
         o.vide(1, 0) && o.vide(0, 1) && o.vide(1, 1);
}
bool motifpoint3(const Orientation& o) {
  const int32_t i = o.point(-1, 1);
  return o.ennemilibre(-1, 1, 3) && pionsmorts[i] == 0 && o.ami(-1, 0) && o.vide(0, 1);
}
bool motifpoint4a(const Orientation& o) { return o.ennemi(0, 1) && o.ennemi(1, 1) && o.vide(1, 0); }
bool motifpoint4b(const Orientation& o) { return o.ennemi(1, 0) && o.ennemi(0, -1) && o.vide(1, -1); }

// Some orientation k = 0..7 where one of the forms holds, tried in order.
template <class... Forme>
bool uneorientation(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e, Forme... formes) {
  for (int32_t k = 0; k < 8; ++k) {
    const Orientation o{p, ligne, colonne, k, c, e};
    if ((formes(o) || ...)) return true;
  }
  return false;
}

}  // namespace

int32_t formesvoisins(const TPlateau& p, const TInfoChaine& chaines, uint8_t e, int32_t ligne, int32_t colonne,
                      uint8_t c) {
  int32_t f = 0;
  const uint8_t pierre = p[indexcase(ligne, colonne)];
  pastable(ligne, colonne, [&](int32_t r, int32_t col) {
    const int32_t i = indexcase(r, col);
    // Chains beside the move.
    if (p[i] == c) {
      if (infochaine[i][0] == 1) f |= FORMEAMIATARI;
      else if (infochaine[i][0] == 2) f |= FORMEAMIDEUXLIB;
      // In atari in the table given (before the move): the move extends it.
      if (chaines[i][0] == 1) f |= FORMEAMISAUVE;
      return false;
    }
    if (p[i] == e) return false;
    // An empty neighbour: its other neighbours, with at most one defect.
    bool videvu = false, atarivu = false;
    const bool echec = pastable(r, col, [&](int32_t r2, int32_t c2) {
      if (r2 == ligne && c2 == colonne) return false;
      const int32_t j = indexcase(r2, c2);
      if (p[j] == VIDE) {
        if (videvu || atarivu) return true;
        videvu = true;
      } else if (p[j] != pierre) {
        return true;
      } else if (infochaine[j][0] == 1) {
        if (videvu || atarivu) return true;
        atarivu = true;
      }
      return false;
    });
    if (echec) return false;
    if (!videvu && !atarivu) {
      f |= FORMEOEIL;
      // An eye of c is a true eye against e.
      if ((f & FORMEVRAIOEIL) == 0 && testvraioeilsansmorts(p, e, r, col)) f |= FORMEVRAIOEIL;
    } else {
      f |= (f & FORMEUNDEFAUT) ? FORMEDEUXDEFAUTS : FORMEUNDEFAUT;
    }
    return false;
  });
  return f;
}

bool testemotif1(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e) {
  return uneorientation(p, ligne, colonne, c, e, motifpoint1a, motifpoint1b);
}
bool testemotif2(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e) {
  return uneorientation(p, ligne, colonne, c, e, motifpoint2);
}
bool testemotif3(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e) {
  return uneorientation(p, ligne, colonne, c, e, motifpoint3);
}
bool testemotif4(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e) {
  return uneorientation(p, ligne, colonne, c, e, motifpoint4b, motifpoint4a);
}

void formescoup(const TPlateau& p, const TInfoChaine& chaines, uint8_t e, uint8_t selecteur, const int32_t& ligne,
                const int32_t& colonne, uint8_t c) {
  if (!surplateaumoteur(ligne, colonne)) return;
  const int32_t q = indexcase(ligne, colonne);
  // Shapes of the neighbours.
  int32_t f = formesvoisins(p, chaines, e, ligne, colonne, c);
  if (testemotif1(p, ligne, colonne, c, e)) f |= FORMEMOTIF1;
  if (testemotif2(p, ligne, colonne, c, e)) f |= FORMEMOTIF2;
  // Only for a live stone with room.
  if (pionsmorts[q] == 0 && infochaine[q][0] >= 3 && testemotif3(p, ligne, colonne, c, e)) f |= FORMEMOTIF3;
  // Only away from the edge and from eye-like points.
  if ((f & (FORMEOEIL | FORMEUNDEFAUT | FORMEDEUXDEFAUTS)) == 0 && bordgoban[q] == 0 &&
      testemotif4(p, ligne, colonne, c, e))
    f |= FORMEMOTIF4;
  // The shapes go into the trial record of the side.
  TEssaiCoup& essai = selecteur != 0 ? essaiordi(ligne, colonne) : essaijoueur(ligne, colonne);
  essai.formeessai |= f;
}
