#include "tests/support/fixture_recherche.h"

#include "engine/board/cles.h"
#include "engine/choice/choixcoup.h"
#include "engine/choice/entree.h"
#include "engine/reading/coupforce.h"
#include "engine/reading/marquagemorts.h"
#include "engine/reading/prise.h"
#include "engine/territory/etatchaines.h"
#include "platform/platform.h"

namespace fixture {

TConfig configpartie(int32_t taille, int32_t niveau, uint8_t regle) {
  TConfig config;
  config.taille = taille;
  config.niveauconfig = niveau;
  config.regle = regle;
  config.komi = 5.5;
  return config;
}

TListeCoups listepartie(std::initializer_list<Coup> coups) {
  TListeCoups l{};
  int32_t n = 0;
  for (const Coup& c : coups) l[++n] = TCoupPartie{c.couleur, c.ligne, c.colonne};
  l[0].ligne = n;
  return l;
}

TListeCoups listeplateau(const TPlateau& p, int32_t taille) {
  TListeCoups l{};
  int32_t n = 0;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c)
      if (p[indexcase(r, c)] != VIDE) l[++n] = TCoupPartie{p[indexcase(r, c)], r, c};
  l[0].ligne = n;
  return l;
}

TPlateau plateaulignes(const char* const* lignes, int32_t taille) {
  TPlateau p = plateauvide();
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const char ch = lignes[r - 1][c - 1];
      p[indexcase(r, c)] = ch == 'X' ? NOIR : ch == 'O' ? BLANC : VIDE;
    }
  return p;
}

TListeCoups listelignes(const char* const* lignes, int32_t taille) {
  return listeplateau(plateaulignes(lignes, taille), taille);
}

const char* const MILIEU19[19] = {
    "................X.O", ".................XX", "...X.....X....O....", "..XOO.........O.X..",
    "...XO.........OX...", "...XO..........X...", "....O..............", "...................",
    "..X.............O..", "...X.......X.......", "...................", "..O.............X..",
    "...............X...", "..O..........X.X...", "...O.X....O..XOO...", "..OX.X....O.XO.O...",
    "..OX.X.X.....XO.O..", "..............XOO..", "..............X.XO.",
};

void poserecherche(uint8_t couleur, const TConfig& config, const TListeCoups& liste) {
  chargecles();
  prepareposition(couleur, config, liste, 2, -1, 0, false);
  preparechoix();
}

TResultatCoup genmovefige(uint8_t couleur, const TConfig& config, const TListeCoups& liste) {
  videmoprise();
  videmoetatchaines();
  videmomorts();
  videmoforce();
  platform::fixegraine(1);
  TResultatCoup r;
  entreemoteur(couleur, config, liste, 2, -1, 0, false, r);
  return r;
}

}  // namespace fixture
