#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "tests/support/fixture.h"

#include <string>

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

namespace {
// The chain table as a grid: liberties/stones at each point.
std::string textechaines(const TInfoChaine& t, int taille) {
  std::string s;
  for (int r = 1; r <= taille; ++r) {
    for (int c = 1; c <= taille; ++c) {
      const TEntreeChaine& e = t[indexcase(r, c)];
      s += ' ' + std::to_string(e[0]) + '/' + std::to_string(e[1]);
    }
    s += '\n';
  }
  return s;
}

::testing::AssertionResult memeschaines(const TInfoChaine& attendu, const TInfoChaine& obtenu) {
  if (attendu == obtenu) return ::testing::AssertionSuccess();
  const int n = configmoteur.taille;
  auto r = memesgrilles(textechaines(attendu, n), textechaines(obtenu, n));
  if (!r) return r;
  return ::testing::AssertionFailure() << "the " << n << "x" << n << " grids agree; the difference is off them";
}
}  // namespace

void verifieinchange(const TPlateau& p, const std::function<void()>& f) {
  const TPlateau plateau = p;
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  f();
  EXPECT_TRUE(memesplateaux(plateau, p)) << "the board";
  EXPECT_TRUE(memeschaines(chaines, infochaine)) << "the chain table (liberties/stones)";
  EXPECT_TRUE(memesmarques(morts, pionsmorts)) << "the dead marks";
}

AnalyseRacine& analysemoteur(std::string_view texte, const Partie& partie) {
  const Position pos = diagramme(texte);
  return analyseracine(pos.plateau, pos.taille, partie);
}

}  // namespace fixture
