#include "engine/choice/choixcoup.h"

#include "engine/board/acces.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/trace.h"
#include "engine/choice/recherche.h"
#include "platform/platform.h"

namespace {

// Opening threshold of debutpartie by board size.
int32_t seuildebut(int32_t n) {
  if (n < 5) return 3;
  if (n <= 10) return 20;
  if (n <= 12) return 25;
  if (n <= 16) return 30;
  if (n <= 18) return 35;
  return 50;
}

// The k-th (from 1) point whose candidatsfuseki byte is 1; row 0 when none.
TPoint kiemecandidat(int32_t k) {
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (candidatsfuseki[indexcase(r, c)] == 1 && --k == 0) return TPoint{r, c};
  return TPoint{};
}

void retirecandidat(const TPoint& q) {
  candidatsfuseki[indexcase(q.ligne, q.colonne)] = 0;
  --nbcandidatsfuseki;
}

bool plateauvidemoteur() {
  const int32_t n = taillemoteur();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (plateaumoteur[indexcase(r, c)] != VIDE) return false;
  return true;
}

// Fuseki pick in the first moves.
TPoint choixfuseki() {
  TPoint choix;
  bool fini;
  do {
    fini = true;
    if (nbcandidatsfuseki <= 0) break;
    // A random candidate among the fuseki's.
    const int32_t k = nbcandidatsfuseki == 1 ? 1 : platform::Random(nbcandidatsfuseki) + 1;
    choix = kiemecandidat(k);
    // A corner take that is not finished is dropped; another pick may move it to the 4-4 point.
    if (choix.ligne != 0 && phasedebut == 0) {
      if (testprisecoinfinie(plateaumoteur, choix.ligne, choix.colonne)) {
        retirecandidat(choix);
        choix = pointko;
        fini = false;
        ecritdebug("suppression fuseki car prise de coins pas fini");
      } else if (modifiecoinen44(plateaumoteur, fini, choix)) {
        ecritdebug("modification prise de coin fuseki en 44");
      }
    }
  } while (!fini && nbcandidatsfuseki > 0);
  return choix;
}

}  // namespace

bool testprisecoinfinie(const TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t n = taillemoteur();
  const int32_t m = n / 2;
  const int32_t lmin = ligne <= m ? 2 : m + 1, lmax = ligne <= m ? m : n - 1;
  const int32_t cmin = colonne <= m ? 2 : m + 1, cmax = colonne <= m ? m : n - 1;
  for (int32_t r = lmin; r <= lmax; ++r)
    for (int32_t c = cmin; c <= cmax; ++c)
      if (p[indexcase(r, c)] != VIDE) return true;
  return false;
}

TPoint transformesymetrie(int32_t a, int32_t b, int32_t k) {
  const int32_t N = taillemoteur() + 1;
  switch (k) {
    case 1: return TPoint{b, a};
    case 2: return TPoint{b, N - a};
    case 3: return TPoint{N - a, b};
    case 4: return TPoint{N - a, N - b};
    case 5: return TPoint{N - b, N - a};
    case 6: return TPoint{N - b, a};
    case 7: return TPoint{a, N - b};
    default: return TPoint{a, b};
  }
}

bool modifiecoinen44(const TPlateau&, bool& continuer, TPoint& choix) {
  // Corner points the fuseki may take as they are.
  static constexpr int32_t admis[3][2] = {{4, 4}, {3, 4}, {5, 3}};
  for (const auto& a : admis)
    for (int32_t k = 0; k < 8; ++k) {
      const TPoint q = transformesymetrie(a[0], a[1], k);
      if (q.ligne == choix.ligne && q.colonne == choix.colonne) return false;
    }
  // A lone candidate goes to the 4-4 point of its quarter.
  const int32_t n = taillemoteur();
  const int32_t m = n / 2;
  if (nbcandidatsfuseki < 2) {
    choix = TPoint{choix.ligne <= m ? 4 : n - 3, choix.colonne <= m ? 4 : n - 3};
    return true;
  }
  // Among several, another draw.
  retirecandidat(choix);
  choix = pointko;
  continuer = false;
  return true;
}

void numerotecases() {
  const int32_t n = taillemoteur();
  int32_t vides = 0, noires = 0, blanches = 0;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(r, c);
      if (plateaudepart[i] == VIDE) numerotation[i] = vides++;
      else if (infochaine[i][1] == 0) numerotation[i] = -1;
      else if (plateaudepart[i] == NOIR) numerotation[i] = noires++;
      else numerotation[i] = blanches++;
    }
}

void preparechoix() {
  // Start of the turn: the position, phase flags, switches.
  plateaudepart = plateaumoteur;
  phasedebut = coinsoccupes(plateaumoteur) ? 1 : 0;
  interrupteurterritoire = 1;
  interrupteurbonus = 0;
  interrupteurcandidats = 1;
  flagjoseki = 0;
  flagterritoire = 0;
  maxsurvie = 0;
  coupdecide = 0;

  // Chain table and point numbers of the position.
  calculelibertes(plateaumoteur);
  tablegroupes = infochaine;
  numerotecases();

  // Phase and pass flags of the turn.
  debutpartie = numerocoup <= seuildebut(taillemoteur()) ? 1 : 0;
  phasefinale = 0;
  procedurefinpartie = 0;
  ordipasse = 0;
}

void choixcoup(int32_t& ligne, int32_t& colonne) {
  preparechoix();
  TPoint choix;

  // The fuseki pick of the first moves; it reads none of the tables above.
  if (numerocoup <= 4) choix = choixfuseki();

  // A pick on a stone (or off a very small board) is no pick.
  if (choix.ligne != 0 && (choix.ligne < 1 || choix.ligne > taillemoteur() || choix.colonne < 1 ||
                           choix.colonne > taillemoteur() ||
                           plateaumoteur[indexcase(choix.ligne, choix.colonne)] != VIDE))
    choix = pointko;

  // No pick yet: the search.
  if (choix.ligne == 0)
    cherchemeilleurcoup(choix, couleurdemandee, plateaumoteur, derniercoup.ligne, derniercoup.colonne,
                        avantderniercoup.ligne, avantderniercoup.colonne);

  // The move, or a pass.
  if (ordipasse == 0) {
    ligne = choix.ligne;
    colonne = choix.colonne;
  } else {
    ligne = 0;
    colonne = 0;
  }

  // The first move on an empty board lies where row >= column >= the centre line.
  if (numerocoup == 0 && choix.ligne != 0 && ligne == choix.ligne && colonne == choix.colonne &&
      plateauvidemoteur()) {
    const int32_t m = taillemoteur() / 2 + 1;
    if (colonne < m || colonne > ligne) {
      if (ligne < m) ligne = 2 * m - ligne;
      if (colonne < m) colonne = 2 * m - colonne;
    }
    if (colonne > ligne) {
      const int32_t t = ligne;
      ligne = colonne;
      colonne = t;
    }
  }
}
