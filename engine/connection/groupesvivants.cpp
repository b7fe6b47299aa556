// Living groups and their marks.
#include "engine/connection/groupesvivants.h"

#include "engine/board/acces.h"
#include "engine/board/garde.h"
#include "engine/board/parcours.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/reading/deuxyeux.h"

TLectureDeuxYeux lecturedeuxyeux = testdeuxyeuxpossible;

namespace {

constexpr int32_t LIENVIVANT = 0x10;

bool masqueactif() { return niveau >= 6 && niveau <= 8; }

// The board with every liberty of each chain of `o` of at least 2 liberties
// holding `o`, chains with a stone set in `exclus` left out.
TPlateau construitmasque(const TPlateau& p, uint8_t o, const TMarques& exclus) {
  const int32_t n = taillemoteur();
  TPlateau masque = p;
  TMarques vus = marquesvides;
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      if (p[ix(r, c)] != o || vus[ix(r, c)]) continue;
      TMarques chaine = marquesvides;
      marquepionschaine(p, chaine, 0, r, c);
      bool exclue = false;
      for (int32_t i = 0; i < NBCASES; ++i)
        if (chaine[i]) {
          vus[i] = 1;
          if (exclus[i]) exclue = true;
        }
      if (exclue) continue;
      TListePoints libs;
      libs[0] = 0;
      TMarques vu = marquesvides;
      libertesdelachaine(p, libs, MAXPOINTSLISTE, 0, r, c, vu);
      if (nbpoints(libs) < 2) continue;
      for (int32_t k = 1; k <= nbpoints(libs); ++k) masque[ix(ligneliste(libs, k), colonneliste(libs, k))] = o;
    }
  return masque;
}

// The group of the stone at (r, c) by the level's link mode, into `groupe`
// (started empty); flagscan is 0 during the fill.
void construitgroupe(const TPlateau& p, const TPlateau& masque, TMarques& groupe, int32_t r, int32_t c) {
  flagscan = 0;
  if (niveau >= 9) marquepionschaine(p, groupe, 0, r, c);
  else if (masqueactif()) metlachaineliee(masque, groupe, r, c);
  else metlachaineliee(p, groupe, r, c);
  flagscan = 1;
}

// Living groups of `couleur`: each chain's group read for two eyes.
void scancouleur(TPlateau& p, uint8_t couleur, const TPlateau& masque, TMarques& vus) {
  const int32_t n = taillemoteur();
  const uint8_t ennemi = autre(couleur);
  TCarte essais{};
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if (p[i] != couleur || vus[i] || marquesglobales[i]) continue;
      if (essais[i] != 0 && (essais[i] > 3 || voisincouleurnonmarque(p, ennemi, r, c))) continue;
      TMarques groupe = marquesvides;
      construitgroupe(p, masque, groupe, r, c);
      if (lecturedeuxyeux(p, r, c, 0)) {
        for (int32_t j = 0; j < NBCASES; ++j)
          if (groupe[j]) {
            vus[j] = 1;
            marquesglobales[j] = 1;
            infoyeux[j][0] = r;
            infoyeux[j][1] = c;
          }
      } else {
        for (int32_t j = 0; j < NBCASES; ++j)
          if (groupe[j]) ++essais[j];
        marquepionschaine(p, vus, 0, r, c);
      }
    }
}

// Living groups after one trial record of the side playing `couleur`.
void lietrial(TPlateau& p, TEssaiCoup& e, uint8_t couleur, int32_t r, int32_t c) {
  const int32_t n = taillemoteur();
  // The trial position.
  p = e.plateauessai;
  infochaine = e.infochaineessai;
  pionsmorts = e.plateauessai2;
  if (p[ix(r, c)] != couleur) return;  // no stone of the mover at its point
  // The mover's group, dead and linked stones masked.
  TMarques exclus = pionsmorts;
  for (int32_t i = 0; i < NBCASES; ++i)
    if (marquesliaison1[i] || marquesliaison2[i]) exclus[i] = 1;
  const TPlateau masque = masqueactif() ? construitmasque(p, autre(couleur), exclus) : p;
  TMarques groupe = marquesvides;
  construitgroupe(p, masque, groupe, r, c);
  // Marked chains that live join the group.
  TMarques vus = marquesvides;
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t j = ix(i, k);
      if (e.marquesessai[j] != 1 || p[j] != couleur || groupe[j] || vus[j] || marquesglobales[j]) continue;
      marquepionschaine(p, vus, 0, i, k);
      if (!lecturedeuxyeux(p, i, k, 0)) continue;
      TMarques autregroupe = marquesvides;
      construitgroupe(p, masque, autregroupe, i, k);
      for (int32_t q = 0; q < NBCASES; ++q)
        if (autregroupe[q]) groupe[q] = 1;
    }
  // A stone dead after the move, the moved one included, is not alive.
  for (int32_t i = 1; i <= n; ++i)
    for (int32_t k = 1; k <= n; ++k) {
      const int32_t j = ix(i, k);
      const bool pierre = p[j] == NOIR || p[j] == BLANC;
      const bool lie = (i == r && k == c) || groupe[j] || marquesglobales[j];
      if (pierre && lie && !pionsmorts[j]) e.liensessai[j] |= LIENVIVANT;
    }
  ecritdebug("liegroupesvivantsapresessai");
}

}  // namespace

void masqueslibertes(const TMarques& mapa, const TMarques& mapb, TPlateau& p) {
  const int32_t n = taillemoteur();
  const Restaure<TPlateau> plateau(p);
  const Restaure<TInfoChaine> chaines(infochaine);
  const Restaure<TMarques> morts(pionsmorts);
  // Liberty masks of each colour.
  TPlateau masquenoir = p, masqueblanc = p;
  if (masqueactif()) {
    TMarques exclus = mapa;
    for (int32_t i = 0; i < NBCASES; ++i)
      if (mapb[i]) exclus[i] = 1;
    masquenoir = construitmasque(p, BLANC, exclus);
    masqueblanc = construitmasque(p, NOIR, exclus);
  }
  // The visited map runs on from black's scan to white's.
  TMarques vus = marquesvides;
  pionsmorts = mapa;
  scancouleur(p, NOIR, masquenoir, vus);
  pionsmorts = mapb;
  scancouleur(p, BLANC, masqueblanc, vus);
  // Stones dead in their scan's map leave the living groups
  // (pionsmorts comes back with its guard).
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = ix(r, c);
      if ((p[i] == NOIR && mapa[i]) || (p[i] == BLANC && mapb[i])) marquesglobales[i] = 0;
    }
}

void liegroupesvivantsapresessai(TPlateau& p) {
  const int32_t n = taillemoteur();
  const Restaure<TPlateau> plateau(p);
  const Restaure<TInfoChaine> chaines(infochaine);
  const Restaure<TMarques> morts(pionsmorts);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (casescandidates[ix(r, c)] == 1) lietrial(p, essaiordi(r, c), couleurordi, r, c);
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c)
      if (casescandidatesjoueur[ix(r, c)] == 1) lietrial(p, essaijoueur(r, c), couleurjoueur, r, c);
}
