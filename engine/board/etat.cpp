// Engine state: definitions of the engine-wide globals and the per-move reset.
#include "engine/board/etat.h"

#include <cstring>

#include "engine/board/niveau.h"

TConfig configmoteur;
uint8_t couleurdemandee = 0;
uint8_t couleurordi = 0;
uint8_t couleurjoueur = 0;
TTempsRestant tempsrestant = {-1, 0};
int32_t numerocoup = 0;
int32_t passesconsecutives = 0;

int32_t niveau = 0;
int32_t paramniveaua = 0, paramniveaub = 0, profondeurlecture = 0, paramniveauc = 0;
int32_t paramniveaud = 0, paramniveaue = 0, paramniveauf = 0, paramniveaug = 0;
int32_t niveaumin3 = 0, niveaumin3b = 0, niveaumin4 = 0;
uint8_t lectureprofonde = 0, lecturelongue = 0, flagfuseki = 0;

TPlateau plateaumoteur;
TPlateau plateaudepart;
TInfoChaine infochaine;
TInfoChaine infochainevide;
TEntreeChaine flagchaines;
TInfoChaine tablegroupes;

TVoisins tablevoisins[NBCASES];
TMarques bordgoban, distancebord, zonescoins;

TMarques marquesvides;
TCarte zerobonus, zeroterritoire;
int32_t zerolecture[30];

TMarques pionsmorts, pionsmortsavant, pionsmortssauves, pionsmortsbis;
TMarques pionsmortsdepartordi, pionsmortsdepartjoueur;
TMarques marquesglobales, marquesdetect, marquesliaison1, marquesliaison2, zonemarquee, carteanalyse;

TMarques territoire, territoire2, territoire3, territoire4, influence, carteterritoire;

TMarques casesjouables, casesinterdites, casescandidates, casescandidatesjoueur;
TMarques lesfaibles, marquessurvie, listefaibles, listesurvie, ciblesnoires, ciblesblanches;
TMarques carteattaque, videsennemis;
TCarte cartefinale1, cartefinale2, valeurssurvie, valeurs2survie, bonusaffiches;
TInfoZone infozones[NBCASES];
TInfoZone infogroupes[NBCASES];
int32_t infoyeux[NBCASES][2];
uint8_t carteniveau[TAILLEMAX][TAILLEMAX][NBCASES];
uint8_t tablelecture[TAILLEMAX][TAILLEMAX][NBCASES];
uint8_t tablepaires[TAILLEMAX][TAILLEMAX][NBCASES];
int32_t valeurspaires[TAILLEMAX][TAILLEMAX][NBCASES];
uint8_t zonespoints[TAILLEMAX][TAILLEMAX][NBCASES];
TMarques suggestionsjoseki, candidatsfuseki;
int32_t nbcandidatsfuseki = 0;
TListePoints tablezones;

TEssaiCoup essaisordi[TAILLEMAX][TAILLEMAX];
TEssaiCoup essaisjoueur[TAILLEMAX][TAILLEMAX];
uint8_t tableessaiscourante = 0;

TCasierPrise cacheprise[2][NBCASES];
TMarques cacheplateaux[2][NBCASES];
uint8_t cacheactif = 0;
int32_t compteurcache = 0;

uint32_t cletrait;
uint32_t zobristcouleur[2][NBCASES];
uint32_t zobristmoyo[NBCASES];

TEntreeCle tablehachrecu[NBTABLESRECU * ENTREESPARTABLE];
int32_t profmaxrecu = 0;
TInfoChaine infochainelecture;
int32_t noeudsescalier = 0;

THistoriqueHash historiquehash;
TPoint pointko;

std::vector<int32_t> tabcle99noir, tabcle99blanc, tabresult99noir, tabresult99blanc, tabcle1919;
TFuseki* bibliofuseki = nullptr;
TJoseki* bibliojoseki = nullptr;

TCheminTrace chemintrace;

uint8_t coupbasetrouve = 0;
int32_t flagouverture = 0;
int32_t etatcalme = 0;
int32_t& modenettoyage = etatcalme;
uint8_t lectureconfirmee = 0;
uint8_t sansstatut = 0;
int32_t flagcoupure = 0, flagcoupure2 = 0, flagcoupure3 = 0;
uint8_t peintmortsavant = 0;
int32_t compteurinfluence = 0, compteurinfluence2 = 0;
uint8_t depassementpropagation = 0, depassementprise = 0, depassementliaison = 0;
int32_t flagdanger = 0, flagdanger3 = 0;
uint8_t flagdanger2 = 0;
int32_t bilanentier = 0;
double bilanscore = 0.0;
int32_t flagfortification = 0, flagmarquesmorts = 0;
uint8_t flagfortif2 = 0, flagfortifjoueur = 0;
uint8_t flaginvasionvivante = 0;
int32_t flaginvasion = 0, flaginvasion2 = 0;
int32_t procedurefinpartie = 0;
uint8_t enretard = 0, flagconsolide = 0, flagattaque = 0;
int32_t coupdebutchoisi = 0;
uint8_t flagsurvie = 0;
int32_t compteurfaibles = 0, compteurinvasions = 0, compteurinvasions2 = 0, compteurinvasions3 = 0;
uint8_t flagscan = 0;
uint8_t flagliaison = 0;
int32_t territoireaprendre[2] = {0, 0};
int32_t flagterritoire = 0;
int32_t maxsurvie = 0, maxfortification = 0, maxcoupforce = 0;
int32_t maxtuesordi = 0, maxgainmoyo = 0, maxprisesessais = 0;
uint8_t coupdecide = 0, coupdecidejoseki = 0;
uint8_t flagjoseki = 0;
uint8_t strategie = 0;
int32_t compteurnoeudsprise = 0, compteurnoeudslecture = 0, compteurnoeuds = 0;
uint8_t debutpartie = 0, phasedebut = 0, phasefinale = 0;
int32_t ordipasse = 0;
uint8_t komiforce = 0, flagvisionterritoire = 0;
uint8_t modeanalyseposition = 0, flagmarquechaines = 0, flaglectureessai = 0;
uint8_t flaglectureyeux = 0, flagremisepierre = 0;
int32_t valeurclassefaibles = 0, maxajustementtemps = 0, valeurdiffterritoire = 0;
uint8_t flagjonctiongroupes = 0;
uint8_t sauvepionsmorts = 0;

namespace {

void voisins(TVoisins& v, std::initializer_list<std::array<int32_t, 2>> l) {
  v.nbvoisins = static_cast<int32_t>(l.size());
  int k = 0;
  for (const auto& p : l) {
    v.voisins[k][0] = p[0];
    v.voisins[k][1] = p[1];
    ++k;
  }
}

}  // namespace

void construittables(int32_t n) {
  if (n < 2 || n > TAILLEMAX) return;
  bordgoban.fill(0);
  distancebord.fill(0);
  zonescoins.fill(0);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int i = indexcase(r, c);
      bordgoban[i] = (r == 1 || c == 1 || r == n || c == n) ? 1 : 0;
      int d = r - 1;
      if (n - r < d) d = n - r;
      if (c - 1 < d) d = c - 1;
      if (n - c < d) d = n - c;
      distancebord[i] = static_cast<uint8_t>(d);
      if (n > 4 && (r <= 4 || r >= n - 3) && (c <= 4 || c >= n - 3)) zonescoins[i] = 1;

      // Neighbour order fixed per kind of point.
      TVoisins& v = tablevoisins[i];
      if (r == 1 && c == 1) voisins(v, {{2, 1}, {1, 2}});
      else if (r == 1 && c == n) voisins(v, {{2, n}, {1, n - 1}});
      else if (r == n && c == n) voisins(v, {{n, n - 1}, {n - 1, n}});
      else if (r == n && c == 1) voisins(v, {{n - 1, 1}, {n, 2}});
      else if (c == 1) voisins(v, {{r + 1, 1}, {r - 1, 1}, {r, 2}});
      else if (c == n) voisins(v, {{r + 1, n}, {r, n - 1}, {r - 1, n}});
      else if (r == 1) voisins(v, {{2, c}, {1, c - 1}, {1, c + 1}});
      else if (r == n) voisins(v, {{n, c - 1}, {n - 1, c}, {n, c + 1}});
      else voisins(v, {{r + 1, c}, {r, c - 1}, {r - 1, c}, {r, c + 1}});
    }
  }
}

void initmoteur() {
  // Step 1. Engine side.
  couleurordi = couleurdemandee;
  couleurjoueur = (couleurordi == NOIR) ? BLANC : NOIR;

  // Step 2. Scalars of the analyses.
  coupbasetrouve = 0;
  flagouverture = 0;
  historiquehash.nombre = 0;
  modenettoyage = 0;
  lectureconfirmee = 0;
  sansstatut = 0;
  flagcoupure = flagcoupure2 = flagcoupure3 = 0;
  peintmortsavant = 1;
  compteurcache = 0;
  cacheactif = 0;
  compteurinfluence = compteurinfluence2 = 0;
  depassementpropagation = depassementprise = 0;
  depassementliaison = 0;
  flagdanger = flagdanger3 = 0;
  flagdanger2 = 0;
  bilanentier = 0;
  flagfortification = flagmarquesmorts = 0;
  flagfortif2 = 0;
  flaginvasionvivante = 0;
  flaginvasion = flaginvasion2 = 0;
  procedurefinpartie = 0;
  enretard = flagconsolide = flagattaque = 0;
  coupdebutchoisi = 0;
  flagsurvie = 1;
  compteurfaibles = compteurinvasions = compteurinvasions2 = compteurinvasions3 = 0;
  flagscan = 1;
  flagliaison = 0;
  territoireaprendre[0] = territoireaprendre[1] = 0;
  flagterritoire = 0;
  maxsurvie = maxfortification = maxcoupforce = 0;
  maxtuesordi = maxgainmoyo = maxprisesessais = 0;
  coupdecide = 0;
  pointko = TPoint{};
  flagjoseki = 0;
  std::memset(zerolecture, 0, sizeof zerolecture);
  strategie = 2;
  compteurnoeudsprise = compteurnoeudslecture = compteurnoeuds = 0;
  flagchaines = {0, 0};
  flaglectureyeux = 1;
  flagremisepierre = 0;
  valeurclassefaibles = 0;
  maxajustementtemps = 0;
  valeurdiffterritoire = 0;
  flagjonctiongroupes = 0;

  // Step 3. The board left from the previous move.
  plateaudepart = plateaumoteur;

  // Step 4. Per-point maps over the whole 19x19 layout.
  territoire.fill(VIDE);
  territoire2.fill(VIDE);
  territoire3.fill(VIDE);
  territoire4.fill(VIDE);
  influence.fill(VIDE);
  carteterritoire.fill(VIDE);
  casesjouables.fill(1);
  pionsmorts.fill(0);
  pionsmortssauves.fill(0);
  marquesglobales.fill(0);
  for (int i = 0; i < NBCASES; ++i) {
    infozones[i] = TInfoZone{0, 0, 2};
    infogroupes[i] = TInfoZone{0, 0, 2};
    infoyeux[i][0] = 0;
    cacheprise[0][i][0] = 0;
    cacheprise[1][i][0] = 0;
  }
  for (auto& ligne : essaisordi)
    for (auto& e : ligne) e.essaifait = 0;
  for (auto& ligne : essaisjoueur)
    for (auto& e : ligne) e.essaifait = 0;
  marquesvides.fill(0);
  zerobonus.fill(0);
  infochainevide = TInfoChaine{};
  zeroterritoire.fill(0);

  // Step 5.
  casesinterdites.fill(0);

  // Step 6. Capture-cache snapshots and the link and mark maps of the trial records.
  std::memset(cacheplateaux, 0, sizeof cacheplateaux);
  for (auto& ligne : essaisordi)
    for (auto& e : ligne) {
      e.liensessai.fill(0);
      e.marquesessai.fill(0);
    }
  for (auto& ligne : essaisjoueur)
    for (auto& e : ligne) {
      e.liensessai.fill(0);
      e.marquesessai.fill(0);
    }

  // Step 7.
  cartefinale1.fill(0);
  cartefinale2.fill(0);
  valeurssurvie.fill(0);
  valeurs2survie.fill(0);
  bonusaffiches.fill(0);
  tableessaiscourante = 0;
  casescandidates.fill(0);
  casescandidatesjoueur.fill(0);
  lesfaibles.fill(0);
  marquessurvie.fill(0);
  ciblesnoires.fill(0);
  ciblesblanches.fill(0);

  // Step 8. Tables of the board size (bordgoban, distancebord included).
  construittables(configmoteur.taille);

  // Step 9.
  compteurnoeudsprise = compteurnoeudslecture = compteurnoeuds = 0;

  // Step 10.
  niveaureel();

  // Step 11.
  numerocoup = 0;
}
