// Candidate ranking: each candidate is played, the chains it touches are
// read, and a small alternating reading of the replies gives its value.
#include "engine/choice/classement.h"

#include "engine/board/acces.h"
#include "engine/board/jeu.h"
#include "engine/chains/capturechaines.h"
#include "engine/choice/libertesfaibles.h"
#include "engine/choice/bonus.h"
#include "engine/proposals/bilans.h"
#include "engine/territory/etatchaines.h"
#include "engine/board/niveau.h"

namespace {

constexpr int32_t CAPACITEREPONSES = 300;
constexpr int32_t CAPTURESMAX = 100;
constexpr int32_t PROFONDEURLECTURE = 3;  // the reading goes two plies deep at most

// Exchange order of the scored lists: entries i and j swap when `avant`
// says entry j comes before entry i.
template <class F>
void ordonne(TListePoints& l, int32_t* valeurs, F avant) {
  const int32_t n = nbpoints(l);
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t j = 1; j <= n; ++j)
      if (avant(valeurs[j], valeurs[i])) {
        std::swap(valeurs[i], valeurs[j]);
        std::swap(l[2 * i], l[2 * j]);
        std::swap(l[2 * i + 1], l[2 * j + 1]);
      }
}

// Plays c at (r, k) with captures; false (nothing played) when the point is
// taken or the stone would have no liberty.
bool joue(TPlateau& p, TPrisesMarquees& prises, int32_t r, int32_t k, uint8_t c) {
  prises[0] = 0;
  if (r == 0 || p[ix(r, k)] != VIDE) return false;
  posepioncaptures(prises, CAPTURESMAX, p, r, k, c, autre(c));
  if (p[ix(r, k)] != c) return false;
  majlibertes(p, prises[0], r, k);
  return true;
}

// Empties the point and puts the captured stones back with their dead marks.
void defait(TPlateau& p, const TPrisesMarquees& prises, int32_t r, int32_t k, uint8_t c) {
  p[ix(r, k)] = VIDE;
  pionsmorts[ix(r, k)] = 0;
  for (int32_t j = 1; j <= prises[0]; ++j) {
    const int32_t i = ix(prises[3 * j], prises[3 * j + 1]);
    p[i] = autre(c);
    pionsmorts[i] = static_cast<uint8_t>(prises[3 * j + 2]);
  }
}

// The static value of a leaf for the reference colour, `trait` to move next:
// a chain in atari that no ladder takes costs its side more when the other
// side is to move; the end-of-game balance gives its status pass the stone
// at (ligne, colonne) as the last move unless that stone is `trait`'s.
int32_t valeurstatique(TPlateau& p, int32_t s, uint8_t racine, uint8_t trait, int32_t ligne, int32_t colonne) {
  if (procedurefinpartie) return s + bilanterritoire(p, racine, trait, colonne, ligne);
  return s + calculbilanesca(p, racine, trait);
}

// The reading state of one ranking, shared by its nodes.
struct Lecture {
  TPlateau* plateau = nullptr;
  uint8_t racine = 0;        // the colour whose value is read (the ranking's e)
  int32_t limite = 1;        // deepest node
  int32_t profondeur = 0;    // depth of the node that asked for the ranking
  const TListePoints* reponses = nullptr;
  int32_t essayes[PROFONDEURLECTURE + 1] = {};
  int32_t entree[PROFONDEURLECTURE + 1] = {};
  int32_t captures[PROFONDEURLECTURE + 2] = {};  // stones taken by the move that led to the depth
  TListePoints listes[PROFONDEURLECTURE + 1];
  TInfoChaine chaines[PROFONDEURLECTURE + 1];
  TMarques morts[PROFONDEURLECTURE + 1];
  TMarques evasions[PROFONDEURLECTURE + 1];  // escape values of the weak-chain scans
  TPrisesMarquees prises[PROFONDEURLECTURE + 1];
  // The caller's chain table and dead marks, put back at the end of a ranking.
  TInfoChaine chainesentree;
  TMarques mortsentree;

  void lecturecandidats(int32_t& cellule, int32_t s, int32_t d, uint8_t m, uint8_t o, TPoint dernier,
                        TPoint avantdernier);
};

Lecture lecture;  // one ranking at a time

// A node of the replies' reading.
void Lecture::lecturecandidats(int32_t& cellule, int32_t s, int32_t d, uint8_t m, uint8_t o, TPoint dernier,
                               TPoint avantdernier) {
  TPlateau& p = *plateau;
  // Save the node's entry state.
  essayes[d] = 0;
  entree[d] = cellule;
  const int32_t s0 = s;
  chaines[d] = infochaine;
  morts[d] = pionsmorts;
  // The replies: at the top depths the given reply list, then weak liberties near the last moves.
  TListePoints& l = listes[d];
  l[0] = 0;
  if (d < 3)
    for (int32_t k = 1; k <= nbpoints(*reponses); ++k) {
      const int32_t r = ligneliste(*reponses, k), c = colonneliste(*reponses, k);
      if (r != 0 && p[ix(r, c)] == VIDE) empilepoint(l, MAXPOINTSLISTE, r, c);
    }
  ajoutelibertesfaibles(evasions[d], captures[d], p, l, MAXPOINTSLISTE, m, dernier, avantdernier);
  // Each reply in turn.
  bool premier = true;
  int32_t b = 0;
  for (int32_t k = 1; k <= nbpoints(l); ++k) {
    const int32_t r = ligneliste(l, k), c = colonneliste(l, k);
    if (r == 0) continue;
    const int32_t f = compteinfluencelignes(p, r, c, racine, profondeur + d, 3);
    infochaine = chaines[d];
    pionsmorts = morts[d];
    if (!joue(p, prises[d], r, c, m)) continue;
    ++essayes[d];
    const int32_t n = prises[d][0];
    choixcoupaide(p, s, racine, m, prises[d], r, c, f, profondeur + d);
    // Taking back the last move's stones ends the node.
    if (n > 0 && reel(dernier) && p[ix(dernier.ligne, dernier.colonne)] == VIDE && captures[d] == 0) {
      if (pionsmorts[ix(r, c)] == 0 || infochaine[ix(r, c)][1] == 1) {
        defait(p, prises[d], r, c, m);
        infochaine = chaines[d];
        pionsmorts = morts[d];
        cellule = m == racine ? VALEURDECIDEE : -VALEURDECIDEE;
        return;
      }
      s += m == racine ? 10 : -10;
    }
    // Deeper while the bound allows, else the static value.
    if (limite > d && d < PROFONDEURLECTURE) {
      captures[d + 1] = n;
      lecturecandidats(cellule, s, d + 1, o, m, TPoint{r, c}, dernier);
    } else {
      cellule = valeurstatique(p, s, racine, o, r, c);
    }
    // Undo the reply.
    s = s0;
    defait(p, prises[d], r, c, m);
    infochaine = chaines[d];
    pionsmorts = morts[d];
    // First value, cuts against the bounds of the same side's ancestors, then the node's best.
    if (premier) {
      premier = false;
      b = cellule;
    }
    for (int32_t j = d; j >= 2; j -= 2)
      if (essayes[j - 1] > 1 && (m == racine ? entree[j] <= cellule : entree[j] >= cellule)) {
        cellule = entree[j];
        return;
      }
    b = m == racine ? std::max(b, cellule) : std::min(b, cellule);
  }
  // A node where nothing could be played takes the static value, read as
  // after a pass of m: the escapes and captures of the chains in atari were
  // in its list and none could be played, so o is to move, as at its leaves.
  cellule = premier ? valeurstatique(p, s0, racine, o, dernier.ligne, dernier.colonne) : b;
}

int32_t valeurs[MAXPOINTSLISTE + 1];  // the values of the list being ordered

}  // namespace

void choixcoupaide(TPlateau& plateau, int32_t& score, uint8_t racine, uint8_t m, const TPrisesMarquees& prises,
                   int32_t ligne, int32_t colonne, int32_t influence, int32_t profondeur) {
  const int32_t i = ix(ligne, colonne);
  // Influence, edge and zone terms of a stone that stands; the zone term
  // counts the chains of the colour that played, signed for the reference.
  if (procedurefinpartie == 0 && pionsmorts[i] == 0 && infochaine[i][0] != 1) {
    score += compteinfluencelignes(plateau, ligne, colonne, racine, profondeur, 3) - influence;
    if (phasefinale == 0) bonusbord(plateau, score, racine, ligne, colonne);
    comptezonevoisins(plateau, score, racine, m, ligne, colonne, 2);
  }
  // Captures: 10 a stone, 8 with the flag of prises[5].
  const int32_t n = prises[0];
  if (n > 0) {
    const int32_t v = (prises[5] ? 8 : 10) * n;
    score += m == racine ? v : -v;
  }
}

void classecandidats(const TCarte& valeursmap, const TMarques& marques, int32_t mode, TPoint dernier,
                     int32_t profondeur, uint8_t c, uint8_t e, TListePoints& candidats, const TListePoints& reponses,
                     TPlateau& plateau) {
  const int32_t n = nbpoints(candidats);
  if (n < 2) return;
  // Entry state, restored after the list.
  const TMarques& morts = lecture.mortsentree = pionsmorts;
  const TInfoChaine& chaines = lecture.chainesentree = infochaine;
  lecture.plateau = &plateau;
  lecture.racine = e;
  lecture.limite = mode == 1 ? 2 : 1;
  lecture.profondeur = profondeur;
  lecture.reponses = &reponses;
  TPrisesMarquees& prises = lecture.prises[0];
  // Each candidate played and read, until the search's deadline; those
  // left keep their order after the ones read.
  int32_t lus = n;
  for (int32_t k = 1; k <= n; ++k) {
    if (echeancepassee(finrecherche)) {
      lus = k - 1;
      break;
    }
    const int32_t r = ligneliste(candidats, k), col = colonneliste(candidats, k);
    if (r == 0 || plateau[ix(r, col)] != VIDE) {
      valeurs[k] = VALEURDECIDEE;
      continue;
    }
    const TPoint t = reel(dernier) ? dernier : TPoint{r, col};
    const int32_t f = compteinfluencelignes(plateau, r, col, e, profondeur, 3);
    pionsmorts = morts;
    infochaine = chaines;
    if (!joue(plateau, prises, r, col, c)) {
      // An illegal point ranks last.
      valeurs[k] = VALEURDECIDEE;
      continue;
    }
    for (int32_t j = 1; j <= prises[0]; ++j) pionsmorts[ix(prises[3 * j], prises[3 * j + 1])] = 0;
    // Capture reading around the last move (or the point).
    int32_t change = 0;
    if (mode == 1)
      analysechaine(plateau, change, profondeurlecture / 2, t.ligne, t.colonne, 0, 0, paramniveaub + 2, 4, 0);
    else
      analysechaine(plateau, change, profondeurlecture / 2, t.ligne, t.colonne, 0, 0, paramniveaub + 1, 3, 0);
    int32_t compte = 0;
    detectetatchaines(compte, plateau, 0, r, col, 0, e);
    if (prises[0] > 0 && plateau[ix(t.ligne, t.colonne)] == VIDE && marques[ix(t.ligne, t.colonne)] == 0) {
      valeurs[k] = -VALEURDECIDEE;
    } else {
      int32_t w = 0;
      choixcoupaide(plateau, w, e, c, prises, r, col, f, profondeur);
      zonevide3x3(plateau, w, e, r, col);
      if (mode <= 2) w -= valeursmap[ix(r, col)];
      int32_t v = 0;
      lecture.captures[1] = prises[0];
      lecture.lecturecandidats(v, w, 1, e, c, TPoint{r, col}, t);
      valeurs[k] = v;
    }
    defait(plateau, prises, r, col, c);
  }
  infochaine = chaines;
  pionsmorts = morts;
  // Lowest values first (the best for c), among those read.
  candidats[0] = lus;
  ordonne(candidats, valeurs, [](int32_t vj, int32_t vi) { return vj > vi; });
  candidats[0] = n;
}

void lecturecaptures(const TCarte& valeursmap, uint8_t c, uint8_t e, TListePoints& candidats, TPlateau& plateau,
                     int32_t mode) {
  const int32_t n = nbpoints(candidats);
  if (n < 2) return;
  const TInfoChaine& chaines = lecture.chainesentree = infochaine;
  const TMarques& morts = lecture.mortsentree = pionsmorts;
  TPrisesMarquees& prises = lecture.prises[0];
  // Each candidate played and scored statically.
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t r = ligneliste(candidats, k), col = colonneliste(candidats, k);
    if (r == 0 || plateau[ix(r, col)] != VIDE) {
      valeurs[k] = -VALEURDECIDEE;
      continue;
    }
    const int32_t f = compteinfluencelignes(plateau, r, col, c, mode, 3);
    if (!joue(plateau, prises, r, col, c)) {
      valeurs[k] = -VALEURDECIDEE;
      continue;
    }
    int32_t s = 0;
    choixcoupaide(plateau, s, c, c, prises, r, col, f, mode);
    int32_t v = procedurefinpartie ? s + bilanterritoire(plateau, c, e, col, r) : s + calculbilanesca(plateau, c, e);
    if (mode == 2 && valeursmap[ix(r, col)] > 0) v += valeursmap[ix(r, col)];
    valeurs[k] = v;
    defait(plateau, prises, r, col, c);
    infochaine = chaines;
    pionsmorts = morts;
  }
  infochaine = chaines;
  pionsmorts = morts;
  // Highest values first (the best for c).
  ordonne(candidats, valeurs, [](int32_t vj, int32_t vi) { return vj < vi; });
}
