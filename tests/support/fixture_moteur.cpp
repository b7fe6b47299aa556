#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "tests/support/fixture.h"

namespace fixture {

TPlateau posemoteur(std::string_view texte) {
  Position pos = diagramme(texte);
  configmoteur.taille = pos.taille;
  construittables(pos.taille);
  calculelibertes(pos.plateau);
  pionsmorts.fill(0);
  territoire.fill(VIDE);
  territoire2.fill(VIDE);
  return pos.plateau;
}

void verifieinchange(const TPlateau& p, const std::function<void()>& f) {
  const TPlateau plateau = p;
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  f();
  EXPECT_EQ(p, plateau);
  EXPECT_EQ(infochaine, chaines);
  EXPECT_EQ(pionsmorts, morts);
}

AnalyseRacine& analysemoteur(std::string_view texte, const Partie& partie) {
  const Position pos = diagramme(texte);
  return analyseracine(pos.plateau, pos.taille, partie);
}

}  // namespace fixture
